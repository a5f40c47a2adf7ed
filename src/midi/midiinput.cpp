#include "midi/midiinput.h"

#include "midi/circbuffer.h"
#include "midi/midierror.h"
#include "midi/midiinhdr.h"
#include "midi/shortmessage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QScopeGuard>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

const QString PortName = QStringLiteral("in");
constexpr uint8_t SysexStart = 0xF0;
constexpr uint8_t TimingClockByte = 0xF8;
constexpr uint8_t ActiveSensingByte = 0xFE;

QEvent::Type DataNotice() {
    static const auto Type = QEvent::Type(QEvent::registerEventType());
    return Type;
}

QEvent::Type OverflowNotice() {
    static const auto Type = QEvent::Type(QEvent::registerEventType());
    return Type;
}

int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

// What the service's callback sees. The pointers are set before the port opens and cleared
// after it is destroyed; the flags are written by the UI thread and read by the callback.
struct TMidiInput::TCallbackBlock {
    TCircBuffer *Buffer = nullptr;
    TMidiInHdrPool *LongBuffers = nullptr;
    QObject *Notifier = nullptr;
    std::atomic<bool> PassActiveSensing{false};
    std::atomic<bool> PassTimingClock{false};
    std::atomic<bool> Closing{true};
    std::atomic<bool> Started{false};
    std::atomic<int64_t> StartNs{0};
    // A notice is on its way: later messages need none of their own.
    std::atomic<bool> DataNoticePending{false};
    std::atomic<bool> OverflowNoticePending{false};
    // On a service with periods (JACK) the UI thread is woken at the start of the next period,
    // not in the middle of this one, where it would take a core from the clients downstream.
    bool Periodic = false;
    bool DataNoticeWanted = false;     // service thread only
    bool OverflowNoticeWanted = false; // service thread only
    std::atomic<TMidiThruHook *> Thru{nullptr};
    std::atomic<int> ThruCalls{0}; // calls of the hook running now
};

// Lives on the UI thread and turns posted notices into handler calls there.
class TMidiInput::TNotifier : public QObject {
public:
    explicit TNotifier(TMidiInput &Input) : FInput(Input) {}

protected:
    void customEvent(QEvent *Event) override {
        if (Event->type() == DataNotice())
            FInput.HandleDataNotice();
        else if (Event->type() == OverflowNotice())
            FInput.HandleOverflowNotice();
    }

private:
    TMidiInput &FInput;
};

TMidiInput::TMidiInput(TMidiApi Api)
    : FBlock(std::make_unique<TCallbackBlock>()), FNotifier(std::make_unique<TNotifier>(*this)) {
    FBlock->Notifier = FNotifier.get();
    const MidiBackend::TPortList Ports = MidiBackend::InputPorts(Api);
    FApi = Ports.Api;
    FServiceStarted = Ports.Names.has_value();
    FPortNames = Ports.Names.value_or(QStringList());
}

bool TMidiInput::Relist() {
    if (FApi == TMidiApi::maNone)
        return false;
    const MidiBackend::TPortList Ports = MidiBackend::InputPorts(FApi);
    FServiceStarted = Ports.Names.has_value();
    if (!Ports.Names)
        return false;
    QStringList Names = *Ports.Names;
    FPortGone = !FClosed && !Names.contains(FDeviceName);
    if (FPortGone)
        Names << FDeviceName;
    if (Names == FPortNames)
        return false;
    FPortNames = Names;
    if (!FClosed)
        FDeviceID = int(FPortNames.indexOf(FDeviceName));
    else
        SetDeviceID(NoDevice); // a closed device is chosen anew from the new list
    return true;
}

TMidiInput::~TMidiInput() {
    try {
        Close();
    } catch (const EMidiError &) {
        // Nothing left to tell: the program is done with this device.
    }
}

void TMidiInput::SetDeviceID(int Id) {
    if (!FClosed)
        throw EMidiInputError(QStringLiteral("Change to DeviceID while device was open"));
    FDeviceName.clear();
    FDeviceID = NoDevice;
    if (Id >= 0 && Id < DeviceCount()) {
        FDeviceID = Id;
        FDeviceName = FPortNames.at(Id);
    }
}

bool TMidiInput::ActiveSensing() const {
    return FBlock->PassActiveSensing.load();
}

void TMidiInput::SetActiveSensing(bool Value) {
    FBlock->PassActiveSensing.store(Value);
}

bool TMidiInput::TimingClock() const {
    return FBlock->PassTimingClock.load();
}

void TMidiInput::SetTimingClock(bool Value) {
    FBlock->PassTimingClock.store(Value);
}

bool TMidiInput::Open() {
    if (FDeviceID == NoDevice || !FClosed)
        return !FClosed;
    // Whatever the opening throws (EMidiInputError from the backend, or no memory for the
    // buffers) goes to the caller; the input is left closed, with nothing allocated.
    auto undo = qScopeGuard([this] {
        FBlock->Closing = true;
        FPort.reset();
        FreeBuffers();
    });
    FBuffer = std::make_unique<TCircBuffer>(EventCapacity);
    FLongBuffers = std::make_unique<TMidiInHdrPool>(LongBufferCount, size_t(LongBufferSize));
    FBlock->Buffer = FBuffer.get();
    FBlock->LongBuffers = FLongBuffers.get();
    FBlock->Started = false;
    FBlock->DataNoticePending = false;
    FBlock->OverflowNoticePending = false;
    FBlock->Periodic = FApi == TMidiApi::maJack;
    FBlock->DataNoticeWanted = false;
    FBlock->OverflowNoticeWanted = false;
    FBlock->Closing = false;
    // The output's client too: on JACK both ports live on one client.
    FPort = MidiBackend::OpenInPort(FApi, MidiBackend::ClientName(), PortName, FDeviceName,
                                    &TMidiInput::Receive, FBlock.get(), OnServiceGone);
    undo.dismiss();
    FClosed = false;
    return true;
}

void TMidiInput::Start() {
    if (FClosed)
        return;
    FBlock->StartNs.store(NowNs());
    FBlock->Started.store(true);
}

void TMidiInput::Stop() {
    if (!FClosed)
        FBlock->Started.store(false);
}

void TMidiInput::Close() {
    if (FClosed)
        return;
    FClosed = true;
    FBlock->Closing.store(true);
    FBlock->Started.store(false);
    FPort.reset(); // returns once no callback runs
    FreeBuffers();
}

void TMidiInput::FreeBuffers() {
    FBlock->Buffer = nullptr;
    FBlock->LongBuffers = nullptr;
    FBuffer.reset();
    FLongBuffers.reset();
}

bool TMidiInput::ServiceAlive() const {
    return !FPort || FPort->ServiceAlive();
}

void TMidiInput::SetThruHook(TMidiThruHook *Hook) {
    FBlock->Thru.store(Hook);
    while (FBlock->ThruCalls.load() != 0)
        std::this_thread::yield();
}

int TMidiInput::EventCount() const {
    return FClosed || !FBuffer ? 0 : FBuffer->Count();
}

int TMidiInput::FreeLongBuffers() const {
    return FLongBuffers ? FLongBuffers->FreeCount() : 0;
}

std::optional<TMidiEvent> TMidiInput::TakeEvent() {
    if (FClosed || !FBuffer)
        return std::nullopt;
    std::optional<TMidiEvent> Event;
    if (const std::optional<TCircEntry> Entry = FBuffer->Peek()) {
        Event.emplace();
        Event->Time = Entry->Timestamp;
        if (TMidiInHdr *Header = Entry->Header) {
            Event->MidiMessage = SysexStart;
            Event->Sysex.assign(Header->Data.begin(),
                                Header->Data.begin() + std::ptrdiff_t(Header->Recorded));
            FLongBuffers->GiveBack(Header);
        } else {
            Event->MidiMessage = MidiShortMessage::Status(Entry->Message);
            Event->Data1 = MidiShortMessage::Data1(Entry->Message);
            Event->Data2 = MidiShortMessage::Data2(Entry->Message);
            Event->Thru = Entry->Thru;
        }
    }
    FBuffer->Remove();
    return Event;
}

void TMidiInput::HandleDataNotice() {
    FBlock->DataNoticePending.store(false);
    if (DataHandler && !FClosed && EventCount() > 0)
        DataHandler(*this);
}

void TMidiInput::HandleOverflowNotice() {
    FBlock->OverflowNoticePending.store(false);
    if (OverflowHandler && !FClosed)
        OverflowHandler(*this);
}

// The service's thread: store and post, nothing else.
void TMidiInput::Receive(void *User, const uint8_t *Data, size_t Size, uint32_t Frame) {
    auto *Block = static_cast<TCallbackBlock *>(User);
    if (Block && Size == 0) { // a new period: tell what the last one stored
        if (std::exchange(Block->DataNoticeWanted, false) &&
            !Block->DataNoticePending.exchange(true))
            QCoreApplication::postEvent(Block->Notifier, new QEvent(DataNotice()));
        if (std::exchange(Block->OverflowNoticeWanted, false) &&
            !Block->OverflowNoticePending.exchange(true))
            QCoreApplication::postEvent(Block->Notifier, new QEvent(OverflowNotice()));
        return;
    }
    if (!Block || Size == 0 || Block->Closing.load() || !Block->Started.load() || !Block->Buffer)
        return;
    const uint8_t Status = Data[0];
    if (Status == ActiveSensingByte && !Block->PassActiveSensing.load())
        return;
    if (Status == TimingClockByte && !Block->PassTimingClock.load())
        return;

    const auto Time = uint32_t((NowNs() - Block->StartNs.load()) / 1'000'000);
    bool Stored = false;
    bool Lost = false;
    if (Status == SysexStart) {
        for (size_t Pos = 0; Pos < Size && !Lost;) {
            TMidiInHdr *Header = Block->LongBuffers->Take();
            if (!Header) {
                Lost = true;
                break;
            }
            const size_t Count = std::min(Size - Pos, Header->Data.size());
            std::memcpy(Header->Data.data(), Data + Pos, Count);
            Header->Recorded = Count;
            Pos += Count;
            if (Block->Buffer->Store({Time, 0, Header})) {
                Stored = true;
            } else {
                Block->LongBuffers->GiveBack(Header);
                Lost = true;
            }
        }
    } else {
        bool Through = false;
        Block->ThruCalls.fetch_add(1);
        if (TMidiThruHook *Hook = Block->Thru.load())
            Through = Hook->Through(Data, Size, Frame);
        Block->ThruCalls.fetch_sub(1);
        const uint32_t Message =
            MidiShortMessage::Pack(Status, Size > 1 ? Data[1] : 0, Size > 2 ? Data[2] : 0);
        Stored = Block->Buffer->Store({Time, Message, nullptr, Through});
        Lost = !Stored;
    }
    if (Block->Periodic) {
        Block->DataNoticeWanted |= Stored;
        Block->OverflowNoticeWanted |= Lost;
        return;
    }
    if (Stored && !Block->DataNoticePending.exchange(true))
        QCoreApplication::postEvent(Block->Notifier, new QEvent(DataNotice()));
    if (Lost && !Block->OverflowNoticePending.exchange(true))
        QCoreApplication::postEvent(Block->Notifier, new QEvent(OverflowNotice()));
}
