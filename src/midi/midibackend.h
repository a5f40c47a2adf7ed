#pragma once

// The MIDI service behind TMidiOutput and TMidiInput, and the choice of it. On JACK the ports
// are our own (jackmidi.h); the other services go through RtMidi, and this is the only door to
// it: midibackend.cpp is the one file that includes RtMidi.h. Failures leave as
// EMidiOutputError (output ports) or EMidiInputError (input ports) with an RtMidi error type as
// the code.

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

namespace MidiBackend {

// The value kept in the settings store: "auto", "alsa", "jack", "winmm", "coremidi", "none".
// Unknown names read back as maAuto.
QString ApiName(TMidiApi Api);
TMidiApi ApiFromName(const QString &Name);

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
    // Hands the bytes to the service without blocking and without throwing; false when dropped.
    // Frame: the offset within the current period of the message being played through.
    virtual bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept = 0;
    // False once the service went away (the JACK server stopped): nothing can arrive then.
    virtual bool ServiceAlive() const = 0;
};

// Target empty: our own port named PortName that other programs connect to; otherwise a port of
// ours connected to the service's port named Target. Throws EMidiOutputError. OnServiceGone,
// when given, is called on the service's own thread once the service went away (JACK only).
std::unique_ptr<TOutPort> OpenOutPort(TMidiApi Api, const QString &ClientName,
                                      const QString &PortName, const QString &Target,
                                      std::function<void()> OnServiceGone = {});

// Called on the service's own thread for every complete message (system exclusive whole). Frame
// is the message's offset within the service's current period, 0 where there are none.
using TReceiveFunc = void (*)(void *User, const uint8_t *Data, size_t Size, uint32_t Frame);

// An open input port. Its destructor returns only when no call of the receive function is
// running and none will follow.
class TInPort {
public:
    virtual ~TInPort() = default;
    // False once the service went away (the JACK server stopped): nothing arrives any more.
    virtual bool ServiceAlive() const = 0;
};

// Source empty: our own port named PortName that programs connect to; otherwise a port of ours
// connected from the service's port named Source. All messages pass, system exclusive, timing
// clock and active sensing included. Throws EMidiInputError. OnServiceGone as for OpenOutPort.
std::unique_ptr<TInPort> OpenInPort(TMidiApi Api, const QString &ClientName,
                                    const QString &PortName, const QString &Source,
                                    TReceiveFunc Receive, void *User,
                                    std::function<void()> OnServiceGone = {});

} // namespace MidiBackend
