#include "midi/midiinput.h"

#include "midi/midierror.h"
#include "midi/midiinqueue.h"
#include "midi/rtguard.h"
#include "midi/wakeup.h"

#include <QScopeGuard>

#include <atomic>
#include <chrono>

namespace {

const QString PortName = QStringLiteral("in");
constexpr uint8_t TimingClockByte = 0xF8;
constexpr uint8_t ActiveSensingByte = 0xFE;

int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

// What the service's callback sees. The pointers are set before the port opens and cleared
// after it is destroyed; the flags are written by the UI thread and read by the callback.
struct TMidiInput::TCallbackBlock {
    TMidiInQueue *Queue = nullptr;
    TWakeup *Wakeup = nullptr;
    std::atomic<bool> PassActiveSensing{false};
    std::atomic<bool> PassTimingClock{false};
    std::atomic<bool> Closing{true};
    std::atomic<bool> Started{false};
    std::atomic<int64_t> StartNs{0};
    std::atomic<uint64_t> Lost{0};
    // On a service with periods (JACK) the UI thread is woken at the start of the next period,
    // not in the middle of this one, where it would take a core from the clients downstream.
    bool Periodic = false;
    bool WakeWanted = false; // service thread only
    TRtGuard<TMidiThruHook> Thru;
};

TMidiInput::TMidiInput(TMidiApi Api)
    : FBlock(std::make_unique<TCallbackBlock>()),
      FWakeup(std::make_unique<TWakeup>([this] { Woken(); })) {
    FBlock->Wakeup = FWakeup.get();
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
        FBlock->Queue = nullptr;
        FQueue.reset();
    });
    FQueue = std::make_unique<TMidiInQueue>(EventCapacity, LongBufferCount, size_t(LongBufferSize));
    FBlock->Queue = FQueue.get();
    FBlock->Started = false;
    FBlock->Lost = 0;
    FLostBefore = 0;
    FLostReported = 0;
    FBlock->Periodic = FApi == TMidiApi::maJack;
    FBlock->WakeWanted = false;
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
    FLostBefore += FPort ? FPort->Lost() : 0;
    FPort.reset(); // returns once no callback runs
    FBlock->Queue = nullptr;
    FQueue.reset();
}

bool TMidiInput::ServiceAlive() const {
    return !FPort || FPort->ServiceAlive();
}

void TMidiInput::SetThruHook(TMidiThruHook *Hook) {
    FBlock->Thru.Set(Hook);
}

uint64_t TMidiInput::LostCount() const {
    return FBlock->Lost.load(std::memory_order_relaxed) + FLostBefore + (FPort ? FPort->Lost() : 0);
}

int TMidiInput::EventCount() const {
    return FClosed || !FQueue ? 0 : FQueue->Count();
}

int TMidiInput::FreeLongBuffers() const {
    return FQueue ? FQueue->FreeLongBuffers() : 0;
}

std::optional<TMidiEvent> TMidiInput::TakeEvent() {
    if (FClosed || !FQueue)
        return std::nullopt;
    return FQueue->Take();
}

void TMidiInput::Woken() {
    if (FClosed)
        return;
    if (DataHandler && EventCount() > 0)
        DataHandler(*this);
    if (FClosed)
        return;
    const uint64_t Lost = LostCount();
    if (Lost != FLostReported) {
        FLostReported = Lost;
        if (OverflowHandler)
            OverflowHandler(*this);
    }
}

// The service's thread: filter, play through, store and wake; nothing that allocates, locks or
// waits.
void TMidiInput::Receive(void *User, const uint8_t *Data, size_t Size, uint32_t Frame,
                         const TMidiArrival &At) {
    auto *Block = static_cast<TCallbackBlock *>(User);
    if (!Block)
        return;
    if (Size == 0) { // a new period: tell what the last one stored
        if (std::exchange(Block->WakeWanted, false))
            Block->Wakeup->Signal();
        return;
    }
    if (Block->Closing.load(std::memory_order_acquire) ||
        !Block->Started.load(std::memory_order_acquire) || !Block->Queue)
        return;
    const uint8_t Status = Data[0];
    if (Status == ActiveSensingByte && !Block->PassActiveSensing.load(std::memory_order_relaxed))
        return;
    if (Status == TimingClockByte && !Block->PassTimingClock.load(std::memory_order_relaxed))
        return;

    bool Through = false;
    if (const auto Hook = Block->Thru.Use()) {
        if (Size == 1 && (Status == TimingClockByte || (Status >= 0xFA && Status <= 0xFC)))
            Hook->Clock(Status, At);
        else
            Through = Hook->Through(Data, Size, Frame);
    }

    const auto Time =
        uint32_t((NowNs() - Block->StartNs.load(std::memory_order_relaxed)) / 1'000'000);
    if (!Block->Queue->Store(Data, Size, Time, Through))
        Block->Lost.fetch_add(1, std::memory_order_relaxed);
    if (Block->Periodic)
        Block->WakeWanted = true;
    else
        Block->Wakeup->Signal();
}
