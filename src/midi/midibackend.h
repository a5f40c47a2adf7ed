#pragma once

// The MIDI service behind TMidiOutput and TMidiInput, and the choice of it. On JACK the ports
// are our own (jackmidi.h); the other services go through RtMidi, and this is the only door to
// it: midibackend.cpp is the one file that includes RtMidi.h. Failures leave as
// EMidiOutputError (output ports) or EMidiInputError (input ports) with an RtMidi error type as
// the code.

#include "midi/midisink.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// Which MIDI service ports are made on. maAuto tries each compiled service in turn (on Linux
// the ALSA sequencer, then JACK) and takes the first that starts.
enum class TMidiApi : uint8_t { maAuto, maAlsa, maJack, maWinMM, maCoreMidi, maNone };

class TJackMonitor;
class TJackPortWatch;
class TPeriodSource;
class TCaptureTap;

namespace MidiBackend {

// The value kept in the settings store: "auto", "alsa", "jack", "winmm", "coremidi", "none".
// Unknown names read back as maAuto.
QString ApiName(TMidiApi Api);
TMidiApi ApiFromName(const QString &Name);

// The name of our client on the service (the ALSA sequencer client, the JACK client) that our
// ports belong to: "Ondrel", unless a profile gives it another so that two copies of the
// program can be told apart. Set once at start-up, before any port opens.
QString ClientName();
void SetClientName(const QString &Name);

// Compiled services, in the order maAuto tries them.
QList<TMidiApi> CompiledApis();

// Whether the service can be reached now (the ALSA sequencer opens, a JACK server answers).
bool ApiStarts(TMidiApi Api);

// maAuto: the first compiled service that starts, or maNone. A forced service is kept as long as
// it is compiled in (opening then reports why it cannot be reached); maNone otherwise.
TMidiApi ChooseApi(TMidiApi Requested);

// Whether programs can connect to a port of ours (not on Windows).
bool HasVirtualPorts(TMidiApi Api);

// The service chosen as ChooseApi does, with the names of its ports: those we can send to, or
// those we can receive from. Names are none when the service does not start. Choosing and
// listing share one look at the service (a JACK client costs milliseconds).
struct TPortList {
    TMidiApi Api = TMidiApi::maNone;
    std::optional<QStringList> Names;
};
TPortList OutputPorts(TMidiApi Requested);
TPortList InputPorts(TMidiApi Requested);

// The text of the error raised when no service could be started.
QString NoServiceText();

// Why Api does not start and what to do about it, for the user: "The JACK server is not
// running: start it (e.g. with QjackCtl) or choose ALSA."
QString NotRunningText(TMidiApi Api);

// Whether Name is a MIDI port this process has open (which the port lists leave out: a program
// does not play into its own ears). Names as the lists give them; ALSA client numbers ignored.
bool IsOwnPort(const QString &Name);

// A way back from one of our output ports to one of our input ports that can be told for sure,
// such as "Ondrel:Ondrel -> Ondrel:in": with Midi Thru, what we send would come back for ever.
// On JACK a connection straight from our output to our input, whoever made it; elsewhere an
// output and an input opened to one and the same port (ALSA's Midi Through). Whether another
// program passes on what it gets, no service tells: such ways back are not found. Empty when
// there is none.
QString OwnFeedback(TMidiApi Api);

// Word of the service's ports changing, for lists that stay current: on JACK a watch on the
// client that answers the questions above (no thread of ours, nothing woken at a period);
// the other services tell nothing, and their lists are asked again instead.
class TPortWatch {
public:
    TPortWatch();
    ~TPortWatch();
    TPortWatch(const TPortWatch &) = delete;
    TPortWatch &operator=(const TPortWatch &) = delete;

    // False when the service tells nothing or does not answer. OnChange (ports appeared, went
    // away, were renamed or connected) and OnGone (the server went away) are called on the
    // service's own thread until Stop or destruction.
    bool Start(TMidiApi Api, std::function<void()> OnChange, std::function<void()> OnGone);
    void Stop();
    // Started, and its server still there.
    bool Active() const;

private:
    std::unique_ptr<TJackPortWatch> FWatch;
};

// Whether the service under an open port is still there. On JACK a port-less client that the
// server tells of its shutdown; other services count as always there.
class TServiceWatch {
public:
    TServiceWatch();
    ~TServiceWatch();
    TServiceWatch(const TServiceWatch &) = delete;
    TServiceWatch &operator=(const TServiceWatch &) = delete;

    // On JACK: false when no server answers. OnGone is called on JACK's thread once the server
    // has gone away.
    bool Start(TMidiApi Api, std::function<void()> OnGone);
    bool Alive() const;

private:
    std::unique_ptr<TJackMonitor> FMonitor;
};

// While the handle lives, the questions asked of the service (is it running, which ports)
// share one connection instead of opening one each: for a burst of them, such as a window's
// start-up.
std::shared_ptr<void> HoldQueries();

// An open output port. Send is for one thread (the UI thread); SendFromCallback for one other
// thread, an input's service thread playing through, at the same time.
class TOutPort {
public:
    virtual ~TOutPort() = default;
    // Hands the bytes to the service; throws EMidiOutputError, also once the service is gone.
    virtual void Send(const uint8_t *Data, size_t Size) = 0;
    // The same, after whatever Send queued, and never dropped: what Send queued is dropped
    // instead when a close cannot wait for it (a long Panic). For the all-notes-off of a close.
    virtual void SendFinal(const uint8_t *Data, size_t Size) { Send(Data, Size); }
    // Hands the bytes to the service without blocking and without throwing; false when dropped.
    // Frame: the offset within the current period of the message being played through.
    virtual bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept = 0;
    // False once the service went away (the JACK server stopped): nothing can arrive then.
    virtual bool ServiceAlive() const = 0;
    // What plays on the port's own thread at exact times (periodsource.h), null for nothing;
    // and who hears every message as it leaves, null for nobody. Each returns once the port's
    // thread no longer uses the previous one.
    virtual void SetSource(TPeriodSource *Source) = 0;
    virtual void SetCapture(TCaptureTap *Tap) = 0;
};

// Target empty: our own port named PortName that other programs connect to; otherwise a port of
// ours connected to the service's port named Target. Throws EMidiOutputError. OnServiceGone,
// when given, is called on the service's own thread once the service went away (JACK only).
std::unique_ptr<TOutPort> OpenOutPort(TMidiApi Api, const QString &ClientName,
                                      const QString &PortName, const QString &Target,
                                      std::function<void()> OnServiceGone = {});

// Called on the service's own thread for every complete message (system exclusive whole). Frame
// is the message's offset within the service's current period, 0 where there are none; At when
// it arrived.
using TReceiveFunc = void (*)(void *User, const uint8_t *Data, size_t Size, uint32_t Frame,
                              const TMidiArrival &At);

// An open input port. Its destructor returns only when no call of the receive function is
// running and none will follow.
class TInPort {
public:
    virtual ~TInPort() = default;
    // False once the service went away (the JACK server stopped): nothing arrives any more.
    virtual bool ServiceAlive() const = 0;
    // Messages the port dropped on the service's thread before they reached the receive
    // function.
    virtual uint64_t Lost() const { return 0; }
};

// Source empty: our own port named PortName that programs connect to; otherwise a port of ours
// connected from the service's port named Source. All messages pass, system exclusive, timing
// clock and active sensing included. Throws EMidiInputError. OnServiceGone as for OpenOutPort.
std::unique_ptr<TInPort> OpenInPort(TMidiApi Api, const QString &ClientName,
                                    const QString &PortName, const QString &Source,
                                    TReceiveFunc Receive, void *User,
                                    std::function<void()> OnServiceGone = {});

} // namespace MidiBackend
