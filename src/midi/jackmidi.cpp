#include "midi/jackmidi.h"
#include "midi/jackmonitor.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr size_t QueueBytes = 64 * 1024; // Panic's 2080 messages take 15 KB of it
// A burst played through with a chord: 1024 messages of a 17-note chord take 190 KB.
constexpr size_t ThruQueueBytes = 256 * 1024;
constexpr size_t SysexReserve = 64 * 1024; // a split system exclusive message, without allocating
constexpr size_t SysexLimit = 1024 * 1024; // beyond this a split message is dropped
constexpr int MaxPorts = 8;
constexpr auto SendPatience = std::chrono::seconds(1);
constexpr auto ClosePatience = std::chrono::milliseconds(250);

} // namespace

struct TJackMidiPort::TState {
    TDirection Direction = TDirection::Out;
    std::shared_ptr<TJackMidiClient> Client;
    jack_port_t *Port = nullptr;
    int Slot = -1;
    jack_ringbuffer_t *Queue = nullptr;    // Out, from Send: [uint32_t size][bytes] per message
    jack_ringbuffer_t *FromThru = nullptr; // Out, from SendFromCallback: [size][frame][bytes]
    TReceiveFunc Receive = nullptr;        // In
    void *User = nullptr;
    std::function<void()> OnGone;
    std::vector<uint8_t> Sysex; // In: a system exclusive message that came in several events
    bool InSysex = false;

    ~TState() {
        if (Queue)
            jack_ringbuffer_free(Queue);
        if (FromThru)
            jack_ringbuffer_free(FromThru);
    }

    // JACK's thread, once per period.
    void Process(jack_nframes_t Frames);
    void Deliver(const uint8_t *Data, size_t Size, uint32_t Frame);
};

class TJackMidiClient {
public:
    // The live client of that name, or a new one; with Shared false always a new one, kept
    // out of sharing. Null when none could be opened.
    static std::shared_ptr<TJackMidiClient> Acquire(const std::string &Name, bool Shared,
                                                    TJackMidiPort::TError &Error);
    ~TJackMidiClient() {
        // Closing stops JACK's threads: no process call or shutdown notice outlives us.
        TJackMonitor::CloseClient(FClient, Gone());
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

    // Returns once JACK's thread no longer looks at the port.
    void Detach(int Slot) {
        {
            std::lock_guard<std::mutex> Lock(FLock);
            FSlots[size_t(Slot)].store(nullptr, std::memory_order_release);
        }
        // A period that began before the store ends by counting itself.
        WaitCycles(1, TClock::now() + ClosePatience);
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

    static int Process(jack_nframes_t Frames, void *Self) {
        auto *Client = static_cast<TJackMidiClient *>(Self);
        // Inputs first: what they play through leaves on our outputs in this same period.
        for (const auto Direction : {TJackMidiPort::TDirection::In, TJackMidiPort::TDirection::Out})
            for (auto &Slot : Client->FSlots)
                if (TJackMidiPort::TState *Port = Slot.load(std::memory_order_acquire))
                    if (Port->Direction == Direction)
                        Port->Process(Frames);
        Client->FCycles.fetch_add(1, std::memory_order_acq_rel);
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
    std::array<std::atomic<TJackMidiPort::TState *>, MaxPorts> FSlots{};
    std::mutex FLock; // slot changes against the shutdown notice
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
        Receive(User, nullptr, 0, 0); // a new period
        const uint32_t Count = jack_midi_get_event_count(Buffer);
        for (uint32_t i = 0; i < Count; ++i) {
            jack_midi_event_t Event;
            if (jack_midi_event_get(&Event, Buffer, i) == 0 && Event.size > 0)
                Deliver(Event.buffer, Event.size, Event.time);
        }
        return;
    }
    // An output's buffer is ours to clear every period, or the last one's events go again.
    jack_midi_clear_buffer(Buffer);
    const size_t Largest = jack_midi_max_event_size(Buffer);
    uint32_t Written = 0;
    // What the UI thread sent, at the start of the period.
    uint32_t Size = 0;
    while (Written < EventsPerPeriod && jack_ringbuffer_read_space(Queue) >= sizeof Size) {
        jack_ringbuffer_peek(Queue, reinterpret_cast<char *>(&Size), sizeof Size);
        if (jack_ringbuffer_read_space(Queue) < sizeof Size + Size)
            break;            // the sender is still writing it
        if (Size > Largest) { // never fits: dropped rather than holding up the rest
            jack_ringbuffer_read_advance(Queue, sizeof Size + Size);
            continue;
        }
        jack_midi_data_t *Room = jack_midi_event_reserve(Buffer, 0, Size);
        if (!Room)
            break; // the period is full: the rest goes in the next one
        jack_ringbuffer_read_advance(Queue, sizeof Size);
        jack_ringbuffer_read(Queue, reinterpret_cast<char *>(Room), Size);
        ++Written;
    }
    // What was played through, at the frame it came in (never before an event already written).
    uint32_t Last = 0;
    std::array<uint32_t, 2> Head{};
    while (Written < EventsPerPeriod && jack_ringbuffer_read_space(FromThru) >= sizeof Head) {
        jack_ringbuffer_peek(FromThru, reinterpret_cast<char *>(Head.data()), sizeof Head);
        const auto [Length, Frame] = Head;
        if (jack_ringbuffer_read_space(FromThru) < sizeof Head + Length)
            break;
        const uint32_t Time = std::max(Last, std::min(Frame, Frames - 1));
        jack_midi_data_t *Room =
            Length <= Largest ? jack_midi_event_reserve(Buffer, Time, Length) : nullptr;
        if (!Room && Length <= Largest)
            break;
        jack_ringbuffer_read_advance(FromThru, sizeof Head);
        if (Room) {
            jack_ringbuffer_read(FromThru, reinterpret_cast<char *>(Room), Length);
            Last = Time;
            ++Written;
        } else {
            jack_ringbuffer_read_advance(FromThru, Length);
        }
    }
}

void TJackMidiPort::TState::Deliver(const uint8_t *Data, size_t Size, uint32_t Frame) {
    // JACK hands a system exclusive message whole as a rule; a sender may split it, and the
    // program is promised complete messages. Real-time bytes may come in between.
    if (InSysex && !(Size == 1 && Data[0] >= 0xF8)) {
        if (Sysex.size() + Size > SysexLimit) {
            Sysex.clear();
            InSysex = false;
            return;
        }
        Sysex.insert(Sysex.end(), Data, Data + Size);
        if (Sysex.back() == 0xF7) {
            InSysex = false;
            Receive(User, Sysex.data(), Sysex.size(), Frame);
            Sysex.clear();
        }
        return;
    }
    if (Data[0] == 0xF0 && Data[Size - 1] != 0xF7) {
        Sysex.assign(Data, Data + Size);
        InSysex = true;
        return;
    }
    Receive(User, Data, Size, Frame);
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
        State->Sysex.reserve(SysexReserve);
    } else if (!(State->Queue = jack_ringbuffer_create(QueueBytes)) ||
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
    TJackMidiClient &Client = *F->Client;
    if (F->Slot >= 0) {
        if (F->Queue && !Client.Gone()) {
            // What was queued leaves at the next periods (the all-notes-off of a close among
            // it); one more period with nothing queued leaves the port's buffer empty.
            const auto Deadline = TClock::now() + ClosePatience;
            while ((jack_ringbuffer_read_space(F->Queue) > 0 ||
                    jack_ringbuffer_read_space(F->FromThru) > 0) &&
                   !Client.Gone() && TClock::now() < Deadline)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            Client.WaitCycles(1, Deadline);
        }
        Client.Detach(F->Slot);
    }
    if (!Client.Gone())
        jack_port_unregister(Client.Handle(), F->Port);
    F->Client.reset(); // the last port closes the client
}

TJackMidiPort::TError TJackMidiPort::Send(const uint8_t *Data, size_t Size) {
    if (F->Client->Gone())
        return TError::ServerGone;
    if (Size == 0)
        return TError::None;
    const uint32_t Length = uint32_t(Size);
    const size_t Need = sizeof Length + Size;
    if (Need >= QueueBytes)
        return TError::Refused;
    // A full queue empties at the next periods; a server that takes nothing for a second is
    // stuck, and the caller hears of it instead of waiting for ever.
    const auto Deadline = TClock::now() + SendPatience;
    while (jack_ringbuffer_write_space(F->Queue) < Need) {
        if (F->Client->Gone())
            return TError::ServerGone;
        if (TClock::now() >= Deadline)
            return TError::QueueFull;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    jack_ringbuffer_write(F->Queue, reinterpret_cast<const char *>(&Length), sizeof Length);
    jack_ringbuffer_write(F->Queue, reinterpret_cast<const char *>(Data), Size);
    return TError::None;
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

bool TJackMidiPort::ServerGone() const {
    return F->Client->Gone();
}

std::string TJackMidiPort::FullName() const {
    return jack_port_name(F->Port);
}
