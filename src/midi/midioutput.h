#pragma once

// One MIDI output device. Device 0 is Ondrel's own port "Ondrel", which other programs connect
// to (on services that allow it); the devices after it are the service's ports, counted and named
// at construction and again by Relist. -1, the Midi-Mapper, is the built-in synthesizer
// (synth.h), which needs no MIDI service. NoDevice (30000) selects nothing; with no MIDI service
// at all there are no devices but the Midi-Mapper.
//
// Errors are EMidiOutputError. Threads: every member is for the UI thread but SendFromCallback,
// which one other thread (an input's service thread, playing through) may call at any time; the
// port it sends to is not closed under it.

#include "midi/midibackend.h"
#include "midi/midisink.h"
#include "midi/rtguard.h"
#include "midi/sourcemix.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>

class TPeriodSource;
class TCaptureTap;
#include <functional>
#include <memory>

class TMidiOutput final : public TMidiSink, public TSourceHost {
public:
    static constexpr int NoDevice = 30000;
    static constexpr int MidiMapper = -1;

    explicit TMidiOutput(TMidiApi Api = TMidiApi::maAuto);
    ~TMidiOutput();
    TMidiOutput(const TMidiOutput &) = delete;
    TMidiOutput &operator=(const TMidiOutput &) = delete;

    // The service in use: the requested one, or the one maAuto found; maNone without any.
    TMidiApi Api() const { return FApi; }
    int DeviceCount() const { return FDeviceCount; }
    // Whether the service answered when its ports were last listed.
    bool ServiceStarted() const { return FServiceStarted; }
    // The name of device Id (the Midi-Mapper's too) without selecting it; empty for no device.
    QString NameOf(int Id) const;
    // Lists the service's ports again. The open device stays open, and its id follows its port
    // to its new place; an open port that is no longer listed stays, as the last device. The
    // list is kept when the service does not answer. True when the list changed.
    bool Relist();
    // Whether the open port was missing from the service's list at the last Relist: the
    // program on the other end went away.
    bool PortGone() const { return FPortGone; }

    // The name of the port of ours that sends to the device (on services where ports have
    // names of their own): "Ondrel" unless set, so that a second output beside the first has a
    // name apart. Takes effect at the next Open.
    QString PortName() const { return FPortName; }
    void SetPortName(const QString &Name) { FPortName = Name; }

    int DeviceID() const { return FDeviceID; }
    // Raises "Change to DeviceID while device was open" while open. An id outside the devices
    // (other than -1) selects NoDevice and clears the name.
    void SetDeviceID(int Id);
    QString DeviceName() const { return FDeviceName; }

    // Opens the selected device unless none is selected or it is open already; true if open.
    bool Open();
    // Sends one short message: status, then the data bytes its kind carries (a program change
    // goes out as two bytes). Without an open port the message is dropped silently.
    void Send(const TShortMessage &Message) override;
    void Send(uint8_t Typ, uint8_t Note, uint8_t Vel) { Send(TShortMessage{Typ, Note, Vel}); }
    // Dropped (false) while no port is open.
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept override;
    // Silences all notes (All Notes Off on the 16 channels, after anything still queued, which
    // is dropped when it would take too long: the all-notes-off never are) and closes. The port is
    // released even when a step fails; the failure is raised afterwards. Returns true.
    bool Close();
    bool IsClosed() const { return FClosed; }
    // False once the service of the open port went away (the JACK server stopped).
    bool ServiceAlive() const override { return !FPort || FPort->ServiceAlive(); }
    // Called on the service's own thread when the service of a port opened from now on goes
    // away (JACK); an owner that wants to know without asking ServiceAlive again and again.
    std::function<void()> OnServiceGone;

    // What plays on the port's own thread at exact times (a replay, an arpeggiator; up to
    // TSourceMix::Slots at once), and who hears every message as it leaves (the capture of
    // takes): kept for every port opened. Each returns once the port's thread no longer uses
    // what it removed or replaced; sources are let go before the all-notes-off of a close.
    bool AddSource(TPeriodSource *Source) override;
    void RemoveSource(TPeriodSource *Source) override;
    void SetCapture(TCaptureTap *Tap) override;
    bool OutputOpen() const override { return !FClosed; }

private:
    TMidiApi FApi = TMidiApi::maNone;
    bool FOwnPort = false; // device 0 is our own port
    QStringList FPortNames;
    bool FServiceStarted = false;
    bool FPortGone = false;
    int FDeviceCount = 0;
    int FDeviceID = NoDevice;
    QString FDeviceName;
    QString FPortName = QStringLiteral("Ondrel");
    std::unique_ptr<MidiBackend::TOutPort> FPort;
    bool FClosed = true;
    TSourceMix FSources;
    TCaptureTap *FCapture = nullptr;
    // The port as the thru thread sees it: Close takes the port away only once no send from
    // that thread runs.
    TRtGuard<MidiBackend::TOutPort> FCallbackPort;
};
