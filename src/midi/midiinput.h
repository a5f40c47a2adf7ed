#pragma once

// One MIDI input device: the service's ports, counted and named at construction and again by
// Relist (NoDevice, 30000, selects nothing). Incoming messages are buffered and announced; the
// owner's data handler takes them out one by one as TMidiEvent.
//
// Threads. A TMidiInput belongs to the thread that created it (the UI thread), which must run
// a Qt event loop: every member is called there, and both handlers are called there. The
// service delivers on a thread of its own (on JACK the real-time process callback); that
// callback never allocates, locks or waits: it reads the pass flags, offers the message to the
// thru hook (which may play it through on that thread, see SetThruHook), stores it into the
// lock-free TCircBuffer (system exclusive into a free long buffer first) and signals one
// wake-up (TWakeup) to the UI thread; on JACK at the start of the next period, so that the UI
// thread does not take a core from the clients downstream in the middle of one. The wake-up
// calls the data handler once, which is expected to take all waiting events. A message that
// finds the buffer full, or no free long buffer, is lost and counted; the overflow handler
// hears of it. Close destroys the service port first (which returns only when no callback
// runs) and then frees the buffer with whatever it still holds. The handlers must not destroy
// the input.
//
// Errors are EMidiInputError.

#include "midi/midibackend.h"
#include "midi/midievent.h"
#include "midi/midisink.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TMidiInQueue;
class TWakeup;

class TMidiInput;
using TMidiInputEvent = std::function<void(TMidiInput &Input)>;

class TMidiInput {
public:
    static constexpr int NoDevice = 30000;
    static constexpr int EventCapacity = 1024;
    static constexpr int LongBufferCount = 16;
    static constexpr int LongBufferSize = 1000;

    explicit TMidiInput(TMidiApi Api = TMidiApi::maAuto);
    ~TMidiInput();
    TMidiInput(const TMidiInput &) = delete;
    TMidiInput &operator=(const TMidiInput &) = delete;

    // Called on the UI thread when events are waiting; unassigned handlers are not called.
    TMidiInputEvent DataHandler;
    // Called on the UI thread after incoming messages were lost because the buffer was full
    // (once for all lost since the last call; LostCount tells how many in all).
    TMidiInputEvent OverflowHandler;
    // Incoming messages lost since the input was opened (buffer full, no free long buffer, a
    // system exclusive message longer than the service could join).
    uint64_t LostCount() const;

    TMidiApi Api() const { return FApi; }
    int DeviceCount() const { return int(FPortNames.size()); }
    // Whether the service answered when its ports were last listed.
    bool ServiceStarted() const { return FServiceStarted; }
    // The name of device Id without selecting it; empty for no device.
    QString NameOf(int Id) const { return FPortNames.value(Id); }
    // Lists the service's ports again. The open device stays open, and its id follows its port
    // to its new place; an open port that is no longer listed stays, as the last device. The
    // list is kept when the service does not answer. True when the list changed.
    bool Relist();
    // Whether the open port was missing from the service's list at the last Relist: the
    // program on the other end went away.
    bool PortGone() const { return FPortGone; }

    int DeviceID() const { return FDeviceID; }
    // Raises "Change to DeviceID while device was open" while open; an id outside the devices
    // selects NoDevice. There is no mapper for input.
    void SetDeviceID(int Id);
    QString DeviceName() const { return FDeviceName; }

    // Whether active sensing (0xFE) and timing clock (0xF8) pass; off at construction. A change
    // takes effect at once, also on an open port.
    bool ActiveSensing() const;
    void SetActiveSensing(bool Value);
    bool TimingClock() const;
    void SetTimingClock(bool Value);

    // Opens the selected device unless none is selected or it is open; true if open afterwards.
    // Nothing is stored before Start.
    bool Open();
    // Only while open: messages are stored from Start (timestamps count from it) until Stop.
    void Start();
    void Stop();
    // Nothing arrives after Close; events still waiting are freed.
    void Close();
    bool IsClosed() const { return FClosed; }

    // False once the service of the open port went away (JACK): nothing arrives any more.
    bool ServiceAlive() const;
    // Called on the service's own thread when the service of the open port has gone away
    // (JACK); an owner that wants to know without asking ServiceAlive again and again.
    std::function<void()> OnServiceGone;

    // The hook the service's thread offers each incoming channel message and system exclusive
    // message to before storing it; the stored event says whether it was played through. Null for
    // none. Returns only once the service's thread no longer calls the previous hook.
    void SetThruHook(TMidiThruHook *Hook);

    // Events waiting; 0 while closed.
    int EventCount() const;
    // The oldest waiting event, taken out; none while closed or when nothing waits. A long
    // buffer goes back to the device before its bytes are handed out.
    std::optional<TMidiEvent> TakeEvent();

    // Long buffers free for incoming system exclusive (all of them while nothing waits).
    int FreeLongBuffers() const;

private:
    struct TCallbackBlock;

    static void Receive(void *User, const uint8_t *Data, size_t Size, uint32_t Frame,
                        const TMidiArrival &At);
    void Woken();

    TMidiApi FApi = TMidiApi::maNone;
    QStringList FPortNames;
    bool FServiceStarted = false;
    bool FPortGone = false;
    int FDeviceID = NoDevice;
    QString FDeviceName;
    bool FClosed = true;
    std::unique_ptr<TCallbackBlock> FBlock;
    std::unique_ptr<TWakeup> FWakeup;
    uint64_t FLostReported = 0;
    uint64_t FLostBefore = 0; // by ports closed since the input opened
    std::unique_ptr<TMidiInQueue> FQueue;
    std::unique_ptr<MidiBackend::TInPort> FPort;
};
