#include "midi/jackmidi.h"
#include "midi/jackmonitor.h"
#include "midi/periodsource.h"
#include "midi/rtguard.h"
#include "midi/sysexjoin.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr size_t QueueBytes = 64 * 1024; // Panic's 2080 messages take 15 KB of it
// What a close sends last (the all-notes-off): 16 of them take 112 bytes.
constexpr size_t FinalBytes = 4 * 1024;
// A burst played through with a chord: 1024 messages of a 17-note chord take 190 KB.
constexpr size_t ThruQueueBytes = 256 * 1024;
// A system exclusive message that comes in several events is joined here, in room taken when
// the port opens; a longer one is dropped and counted.
constexpr size_t SysexLimit = 64 * 1024;
constexpr int MaxPorts = 8;
constexpr auto SendPatience = std::chrono::seconds(1);
constexpr auto ClosePatience = std::chrono::milliseconds(250);
// How long a close waits for the all-notes-off to leave once the queue before them is dropped,
// and for JACK's thread to be done with a port, before it gives up on a stalled server (the
// port is then kept until the client goes).
constexpr auto StallPatience = std::chrono::seconds(2);

} // namespace

struct TJackMidiPort::TState {
    TDirection Direction = TDirection::Out;
    std::shared_ptr<TJackMidiClient> Client;
    jack_port_t *Port = nullptr;
    int Slot = -1;
    jack_ringbuffer_t *Queue = nullptr;    // Out, from Send: [uint32_t size][bytes] per message
    jack_ringbuffer_t *Final = nullptr;    // Out, from SendFinal, after the queue: the same
    std::atomic<bool> DropQueue{false};    // Out: a close that cannot wait for the queue
    jack_ringbuffer_t *FromThru = nullptr; // Out, from SendFromCallback: [size][frame][bytes]
    TReceiveFunc Receive = nullptr;        // In
    void *User = nullptr;
    std::function<void()> OnGone;
    // In: a system exclusive message that came in several events, joined in fixed room.
    std::unique_ptr<TSysexJoiner> Sysex;
    std::atomic<uint64_t> SysexLost{0}; // its count, for the UI thread
    // Out: what plays at exact frames, and who hears what leaves.
    TRtGuard<TPeriodSource> Source;
    TRtGuard<TCaptureTap> Capture;
    std::unique_ptr<TPeriodEvents> SourceScratch;
    uint32_t SampleRate = 48000;

    ~TState() {
        for (jack_ringbuffer_t *Ring : {Queue, Final, FromThru})
            if (Ring)
                jack_ringbuffer_free(Ring);
    }

    // JACK's thread, once per period.
    void Process(jack_nframes_t Frames);
};

namespace {

// An output's buffer for one period: messages written in time order (a time before the last
// one written is moved up to it), each told to the capture tap.
class TPeriodWriter {
public:
    TPeriodWriter(void *Buffer, jack_nframes_t Frames, TCaptureTap *Tap, jack_nframes_t Start,
                  jack_time_t StartUs, float PeriodUs)
        : FBuffer(Buffer), FFrames(Frames), FLargest(jack_midi_max_event_size(Buffer)), FTap(Tap),
          FStartUs(StartUs), FUsPerFrame(Frames ? PeriodUs / float(Frames) : 0) {
        (void)Start;
    }

    // Room for Size bytes at Time (or later), or null when the period is full; a message that
    // can never fit is Hopeless.
    jack_midi_data_t *Reserve(uint32_t Time, size_t Size, bool &Hopeless) {
        Hopeless = Size > FLargest;
        if (Hopeless)
            return nullptr;
        FTime = std::max(FTime, std::min(Time, FFrames - 1));
        return jack_midi_event_reserve(FBuffer, FTime, Size);
    }
    // After the bytes are in place.
    void Done(const jack_midi_data_t *Data, size_t Size) {
        ++FCount;
        if (FTap)
            FTap->Captured(int64_t(FStartUs) + int64_t(float(FTime) * FUsPerFrame), Data, Size);
    }
    bool Put(uint32_t Time, const uint8_t *Data, size_t Size) {
        bool Hopeless = false;
        jack_midi_data_t *Place = Reserve(Time, Size, Hopeless);
        if (!Place)
            return Hopeless; // dropped for good, or kept for the next period
        std::copy(Data, Data + Size, Place);
        Done(Place, Size);
        return true;
    }
    uint32_t Time() const { return FTime; }
    uint32_t Count() const { return FCount; }

private:
    void *FBuffer;
    jack_nframes_t FFrames;
    size_t FLargest;
    TCaptureTap *FTap;
    jack_time_t FStartUs;
    float FUsPerFrame;
    uint32_t FTime = 0;
    uint32_t FCount = 0;
};

} // namespace

namespace {

// Moves the queued messages [uint32_t size][bytes] of Ring into the period at Time, at most
// Room of them. A message that can never fit is dropped rather than holding up the rest.
// Writes what Ring holds, up to Room messages and the first Bytes bytes.
void Drain(jack_ringbuffer_t *Ring, TPeriodWriter &Out, uint32_t Time, uint32_t Room,
           size_t Bytes = SIZE_MAX) {
    uint32_t Written = 0;
    uint32_t Size = 0;
    size_t Taken = 0;
    while (Written < Room && jack_ringbuffer_read_space(Ring) >= sizeof Size) {
        jack_ringbuffer_peek(Ring, reinterpret_cast<char *>(&Size), sizeof Size);
        if (jack_ringbuffer_read_space(Ring) < sizeof Size + Size ||
            Taken + sizeof Size + Size > Bytes)
            break; // the sender is still writing it, or it came after the period began
        bool Hopeless = false;
        jack_midi_data_t *Place = Out.Reserve(Time, Size, Hopeless);
        if (Hopeless) {
            jack_ringbuffer_read_advance(Ring, sizeof Size + Size);
            Taken += sizeof Size + Size;
            continue;
        }
        if (!Place)
            break; // the period is full: the rest goes in the next one
        jack_ringbuffer_read_advance(Ring, sizeof Size);
        jack_ringbuffer_read(Ring, reinterpret_cast<char *>(Place), Size);
        Out.Done(Place, Size);
        Taken += sizeof Size + Size;
        ++Written;
    }
}

bool Queue(jack_ringbuffer_t *Ring, const uint8_t *Data, size_t Size) {
    const uint32_t Length = uint32_t(Size);
    if (jack_ringbuffer_write_space(Ring) < sizeof Length + Size)
        return false;
    jack_ringbuffer_write(Ring, reinterpret_cast<const char *>(&Length), sizeof Length);
    jack_ringbuffer_write(Ring, reinterpret_cast<const char *>(Data), Size);
    return true;
}

} // namespace

class TJackMidiClient {
public:
    // The live client of that name, or a new one; with Shared false always a new one, kept
    // out of sharing. Null when none could be opened.
    static std::shared_ptr<TJackMidiClient> Acquire(const std::string &Name, bool Shared,
                                                    TJackMidiPort::TError &Error);
    ~TJackMidiClient() {
        // Closing stops JACK's threads: no process call or shutdown notice outlives us. Ports
        // whose state a stalled period still held are freed after that.
        TJackMonitor::CloseClient(FClient, Gone());
        FKept.clear();
    }

    jack_client_t *Handle() const { return FClient; }
    bool Gone() const { return FGone.load(std::memory_order_acquire); }

    int Attach(TJackMidiPort::TState *Port) {
        std::lock_guard<std::mutex> Lock(FLock);
        for (int i = 0; i < MaxPorts; ++i) {
            if (!FSlots[size_t(i)].load(std::memory_order_relaxed)) {
                FSlots[size_t(i)].store(Port, std::memory_order_release);
                return i;
            }
        }
        return -1;
    }

    // Takes the port out of JACK's sight. True once JACK's thread no longer looks at it; false
    // when a period that may hold it did not end within the patience (a stalled server): the
    // caller must then not free the port's state, but Keep it.
    bool Detach(int Slot) {
        {
            std::lock_guard<std::mutex> Lock(FLock);
            FSlots[size_t(Slot)].store(nullptr, std::memory_order_seq_cst);
        }
        // A period that loaded the slot before the store had counted itself in before it did:
        // once no period runs, none holds the port.
        const auto Deadline = TClock::now() + StallPatience;
        while (FProcessing.load(std::memory_order_seq_cst) != 0) {
            if (TClock::now() >= Deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        return true;
    }

    // A port's state that JACK's thread may still hold: freed with the client, after its
    // threads have stopped.
    void Keep(std::unique_ptr<TJackMidiPort::TState> State) {
        std::lock_guard<std::mutex> Lock(FLock);
        FKept.push_back(std::move(State));
    }

    // Whether Count more periods ran before the deadline (false also once the server is gone).
    bool WaitCycles(uint64_t Count, TClock::time_point Deadline) const {
        const uint64_t Start = FCycles.load(std::memory_order_acquire);
        while (FCycles.load(std::memory_order_acquire) - Start < Count) {
            if (Gone() || TClock::now() >= Deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return true;
    }

private:
    explicit TJackMidiClient(jack_client_t *Client) : FClient(Client) {}

    // JACK's real-time thread: never allocates, locks or waits.
    static int Process(jack_nframes_t Frames, void *Self) {
        auto *Client = static_cast<TJackMidiClient *>(Self);
        Client->FProcessing.fetch_add(1, std::memory_order_seq_cst);
        // Inputs first: what they play through leaves on our outputs in this same period.
        for (const auto Direction : {TJackMidiPort::TDirection::In, TJackMidiPort::TDirection::Out})
            for (auto &Slot : Client->FSlots)
                if (TJackMidiPort::TState *Port = Slot.load(std::memory_order_seq_cst))
                    if (Port->Direction == Direction)
                        Port->Process(Frames);
        Client->FCycles.fetch_add(1, std::memory_order_acq_rel);
        Client->FProcessing.fetch_sub(1, std::memory_order_release);
        return 0;
    }

    static void Shutdown(jack_status_t, const char *, void *Self) {
        auto *Client = static_cast<TJackMidiClient *>(Self);
        Client->FGone.store(true, std::memory_order_release);
        TJackMonitor::NoteServerLost();
        std::lock_guard<std::mutex> Lock(Client->FLock);
        for (auto &Slot : Client->FSlots)
            if (TJackMidiPort::TState *Port = Slot.load(std::memory_order_acquire))
                if (Port->OnGone)
                    Port->OnGone();
    }

    jack_client_t *FClient;
    std::atomic<bool> FGone{false};
    std::atomic<uint64_t> FCycles{0};
    std::atomic<int> FProcessing{0}; // a period is running
    std::array<std::atomic<TJackMidiPort::TState *>, MaxPorts> FSlots{};
    std::mutex FLock; // slot changes against the shutdown notice; FKept
    std::vector<std::unique_ptr<TJackMidiPort::TState>> FKept;
};

namespace {

std::mutex RegistryLock;
std::map<std::string, std::weak_ptr<TJackMidiClient>> &Registry() {
    static std::map<std::string, std::weak_ptr<TJackMidiClient>> Clients;
    return Clients;
}

} // namespace

std::shared_ptr<TJackMidiClient> TJackMidiClient::Acquire(const std::string &Name, bool Shared,
                                                          TJackMidiPort::TError &Error) {
    std::lock_guard<std::mutex> Lock(RegistryLock);
    if (Shared) {
        const auto Found = Registry().find(Name);
        if (Found != Registry().end())
            if (std::shared_ptr<TJackMidiClient> Live = Found->second.lock(); Live && !Live->Gone())
                return Live;
    }
    bool ServerAbsent = false;
    jack_client_t *Handle = TJackMonitor::OpenClient(Name, ServerAbsent);
    if (!Handle) {
        Error = ServerAbsent ? TJackMidiPort::TError::NoServer : TJackMidiPort::TError::Refused;
        return nullptr;
    }
    std::shared_ptr<TJackMidiClient> Client(new TJackMidiClient(Handle));
    jack_set_process_callback(Handle, &TJackMidiClient::Process, Client.get());
    jack_on_info_shutdown(Handle, &TJackMidiClient::Shutdown, Client.get());
    if (jack_activate(Handle) != 0) {
        Error = TJackMidiPort::TError::Refused;
        return nullptr;
    }
    if (Shared)
        Registry()[Name] = Client;
    return Client;
}

void TJackMidiPort::TState::Process(jack_nframes_t Frames) {
    void *Buffer = jack_port_get_buffer(Port, Frames);
    if (!Buffer)
        return;
    if (Direction == TDirection::In) {
        Receive(User, nullptr, 0, 0, {}); // a new period
        const uint32_t Count = jack_midi_get_event_count(Buffer);
        if (Count == 0)
            return;
        jack_nframes_t Start = 0;
        jack_time_t StartUs = 0, NextUs = 0;
        float PeriodUs = 0;
        jack_get_cycle_times(Client->Handle(), &Start, &StartUs, &NextUs, &PeriodUs);
        const double UsPerFrame = Frames ? double(PeriodUs) / Frames : 0;
        for (uint32_t i = 0; i < Count; ++i) {
            jack_midi_event_t Event;
            if (jack_midi_event_get(&Event, Buffer, i) != 0 || Event.size == 0)
                continue;
            const TMidiArrival At{int64_t(StartUs) + int64_t(Event.time * UsPerFrame),
                                  Start + Event.time, true};
            Sysex->Feed(Event.buffer, Event.size, [&](const uint8_t *Data, size_t Size) {
                Receive(User, Data, Size, Event.time, At);
            });
        }
        SysexLost.store(Sysex->Lost(), std::memory_order_relaxed);
        return;
    }
    // An output's buffer is ours to clear every period, or the last one's events go again.
    jack_midi_clear_buffer(Buffer);
    jack_client_t *Handle = Client->Handle();
    jack_nframes_t Start = 0;
    jack_time_t StartUs = 0;
    jack_time_t NextUs = 0;
    float PeriodUs = 0;
    jack_get_cycle_times(Handle, &Start, &StartUs, &NextUs, &PeriodUs);
    const auto Tap = Capture.Use();
    TPeriodWriter Out(Buffer, Frames, Tap.Get(), Start, StartUs, PeriodUs);

    // What plays at exact frames this period.
    SourceScratch->Clear(Frames);
    if (const auto Playing = Source.Use()) {
        TPeriod Period{Start, Frames, SampleRate, int64_t(StartUs), {}, true};
        jack_position_t Position;
        const jack_transport_state_t State = jack_transport_query(Handle, &Position);
        Period.Transport.Rolling = State == JackTransportRolling;
        if (Position.valid & JackPositionBBT) {
            TTransport &T = Period.Transport;
            T.Valid = true;
            T.BeatsPerMinute = Position.beats_per_minute;
            T.BeatsPerBar = Position.beats_per_bar;
            T.BeatType = Position.beat_type;
            T.Bar = Position.bar;
            T.Beat = Position.beat;
            T.Tick = Position.tick;
            T.TicksPerBeat = Position.ticks_per_beat;
        }
        Playing->Period(Period, *SourceScratch);
    }
    const auto SourceUntil = [&](uint32_t Time) {
        while (const TPeriodEvents::TEvent *Event = SourceScratch->NextUntil(Time)) {
            if (!Out.Put(Event->Offset, SourceScratch->Bytes(*Event), Event->Size))
                break; // the buffer is full
            SourceScratch->Written();
        }
    };

    // What was played through, at the frame it came in. It goes before what the UI thread
    // queued meanwhile: a note-off the UI thread sends for a note played through (thru switched
    // off) is queued only after its note-on was, and must not overtake it. So only what the UI
    // thread had queued before the thru ring is read goes out this period: anything queued
    // later may follow a thru note pushed after that read.
    const size_t Queued = jack_ringbuffer_read_space(Queue);
    uint32_t Written = 0;
    std::array<uint32_t, 2> Head{};
    while (Written < EventsPerPeriod && jack_ringbuffer_read_space(FromThru) >= sizeof Head) {
        jack_ringbuffer_peek(FromThru, reinterpret_cast<char *>(Head.data()), sizeof Head);
        const auto [Length, Frame] = Head;
        if (jack_ringbuffer_read_space(FromThru) < sizeof Head + Length)
            break;
        SourceUntil(Frame > 0 ? Frame - 1 : 0);
        bool Hopeless = false;
        jack_midi_data_t *Place = Out.Reserve(Frame, Length, Hopeless);
        if (!Place && !Hopeless)
            break;
        jack_ringbuffer_read_advance(FromThru, sizeof Head);
        if (Place) {
            jack_ringbuffer_read(FromThru, reinterpret_cast<char *>(Place), Length);
            Out.Done(Place, Length);
            ++Written;
        } else {
            jack_ringbuffer_read_advance(FromThru, Length);
        }
    }
    const uint32_t Now = Out.Time();
    SourceUntil(Now);
    // What the UI thread sent; a close that could not wait for it drops it: its all-notes-off
    // follow at once.
    if (DropQueue.exchange(false, std::memory_order_acquire))
        jack_ringbuffer_read_advance(Queue, jack_ringbuffer_read_space(Queue));
    const uint32_t Before = Out.Count();
    Drain(Queue, Out, Now, EventsPerPeriod - Written, Queued);
    Written += Out.Count() - Before;
    // What a close sends last, once everything before it is out.
    if (jack_ringbuffer_read_space(Queue) == 0)
        Drain(Final, Out, Now, EventsPerPeriod - Written);
    SourceUntil(Frames);
}

std::unique_ptr<TJackMidiPort>
TJackMidiPort::Open(TDirection Direction, const std::string &ClientName,
                    const std::string &PortName, const std::string &Peer, TReceiveFunc Receive,
                    void *User, std::function<void()> OnGone, TError &Error) {
    Error = TError::None;
    auto State = std::make_unique<TState>();
    State->Direction = Direction;
    State->Receive = Receive;
    State->User = User;
    State->OnGone = std::move(OnGone);
    if (Direction == TDirection::In) {
        State->Sysex = std::make_unique<TSysexJoiner>(SysexLimit);
    } else if (!(State->SourceScratch = std::make_unique<TPeriodEvents>())) {
        Error = TError::Refused;
        return nullptr;
    } else if (!(State->Queue = jack_ringbuffer_create(QueueBytes)) ||
               !(State->Final = jack_ringbuffer_create(FinalBytes)) ||
               !(State->FromThru = jack_ringbuffer_create(ThruQueueBytes))) {
        Error = TError::Refused;
        return nullptr;
    }
    const unsigned long Flags = Direction == TDirection::Out ? JackPortIsOutput : JackPortIsInput;
    // The ports of one name share a client; a second port of the same name (two outputs open
    // at once) gets a client of its own, which JACK names apart ("Ondrel-01").
    for (const bool Shared : {true, false}) {
        std::shared_ptr<TJackMidiClient> Client =
            TJackMidiClient::Acquire(ClientName, Shared, Error);
        if (!Client)
            return nullptr;
        State->Port = jack_port_register(Client->Handle(), PortName.c_str(), JACK_DEFAULT_MIDI_TYPE,
                                         Flags, 0);
        if (State->Port) {
            State->Client = std::move(Client);
            break;
        }
    }
    if (!State->Port) {
        Error = TError::Refused;
        return nullptr;
    }
    State->SampleRate = jack_get_sample_rate(State->Client->Handle());
    State->Slot = State->Client->Attach(State.get());
    // From here on the destructor tidies up.
    std::unique_ptr<TJackMidiPort> Port(new TJackMidiPort(std::move(State)));
    if (Port->F->Slot < 0) {
        Error = TError::Refused;
        return nullptr;
    }
    if (!Peer.empty()) {
        jack_client_t *Handle = Port->F->Client->Handle();
        if (!jack_port_by_name(Handle, Peer.c_str())) {
            Error = TError::NoSuchPort;
            return nullptr;
        }
        const char *Own = jack_port_name(Port->F->Port);
        const int Result = Direction == TDirection::Out ? jack_connect(Handle, Own, Peer.c_str())
                                                        : jack_connect(Handle, Peer.c_str(), Own);
        if (Result != 0 && Result != EEXIST) {
            Error = TError::Refused;
            return nullptr;
        }
    }
    return Port;
}

TJackMidiPort::TJackMidiPort(std::unique_ptr<TState> State) : F(std::move(State)) {}

TJackMidiPort::~TJackMidiPort() {
    std::shared_ptr<TJackMidiClient> Client = F->Client;
    if (F->Slot >= 0) {
        if (F->Queue && !Client->Gone()) {
            // What was queued leaves at the next periods, then what was sent last (the
            // all-notes-off of a close). A queue too long to wait for (a Panic under way on a
            // server with long periods) is dropped: the all-notes-off are never.
            const auto Wait = [&](auto Pending, TClock::duration Patience) {
                const auto Deadline = TClock::now() + Patience;
                while (Pending() && !Client->Gone() && TClock::now() < Deadline)
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                return !Pending();
            };
            const auto Sent = [&] {
                return jack_ringbuffer_read_space(F->Queue) == 0 &&
                       jack_ringbuffer_read_space(F->Final) == 0 &&
                       jack_ringbuffer_read_space(F->FromThru) == 0;
            };
            if (!Wait([&] { return !Sent(); }, ClosePatience)) {
                F->DropQueue.store(true, std::memory_order_release);
                Wait([&] { return jack_ringbuffer_read_space(F->Final) > 0; }, StallPatience);
            }
            // One more period with nothing queued leaves the port's buffer empty.
            Client->WaitCycles(1, TClock::now() + ClosePatience);
        }
        if (!Client->Detach(F->Slot)) {
            // A period that may still hold the port has not ended: its state stays with the
            // client, which frees it once JACK's threads have stopped.
            F->Client.reset();
            Client->Keep(std::move(F));
            return;
        }
    }
    if (!Client->Gone())
        jack_port_unregister(Client->Handle(), F->Port);
    F.reset();
    // The last port closes the client when Client goes.
}

TJackMidiPort::TError TJackMidiPort::Send(const uint8_t *Data, size_t Size) {
    if (F->Client->Gone())
        return TError::ServerGone;
    if (Size == 0)
        return TError::None;
    return Enqueue(false, Data, Size);
}

TJackMidiPort::TError TJackMidiPort::SendFinal(const uint8_t *Data, size_t Size) {
    if (F->Client->Gone())
        return TError::ServerGone;
    if (Size == 0)
        return TError::None;
    return Enqueue(true, Data, Size);
}

TJackMidiPort::TError TJackMidiPort::Enqueue(bool Final, const uint8_t *Data, size_t Size) {
    jack_ringbuffer_t *Ring = Final ? F->Final : F->Queue;
    if (sizeof(uint32_t) + Size >= (Final ? FinalBytes : QueueBytes))
        return TError::Refused;
    // A full queue empties at the next periods; a server that takes nothing for a second is
    // stuck, and the caller hears of it instead of waiting for ever.
    const auto Deadline = TClock::now() + SendPatience;
    while (!Queue(Ring, Data, Size)) {
        if (F->Client->Gone())
            return TError::ServerGone;
        if (TClock::now() >= Deadline)
            return TError::QueueFull;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return TError::None;
}

uint64_t TJackMidiPort::Lost() const {
    // Read by the UI thread while JACK's thread may count: a count a moment old is good enough.
    return F->Sysex ? F->SysexLost.load(std::memory_order_relaxed) : 0;
}

bool TJackMidiPort::SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept {
    if (!F->FromThru || F->Client->Gone() || Size == 0)
        return false;
    const std::array<uint32_t, 2> Head{uint32_t(Size), Frame};
    if (jack_ringbuffer_write_space(F->FromThru) < sizeof Head + Size)
        return false;
    jack_ringbuffer_write(F->FromThru, reinterpret_cast<const char *>(Head.data()), sizeof Head);
    jack_ringbuffer_write(F->FromThru, reinterpret_cast<const char *>(Data), Size);
    return true;
}

void TJackMidiPort::SetSource(TPeriodSource *Source) {
    F->Source.Set(Source);
}

void TJackMidiPort::SetCapture(TCaptureTap *Tap) {
    F->Capture.Set(Tap);
}

bool TJackMidiPort::ServerGone() const {
    return F->Client->Gone();
}

std::string TJackMidiPort::FullName() const {
    return jack_port_name(F->Port);
}
