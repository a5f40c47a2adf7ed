// The one file that includes RtMidi.h: RtMidi's types and errors end here.

#include "midi/midibackend.h"

#include "midi/midierror.h"

#ifdef ONDREL_HAVE_JACK
#include "midi/jackmidi.h"
#include "midi/jackmonitor.h"
#else
class TJackMonitor {}; // nothing to watch
#endif

#include <RtMidi.h>

#include <QFileInfo>

#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace MidiBackend {

namespace {

struct TApiInfo {
    TMidiApi Api;
    RtMidi::Api RtApi;
    const char *Name;
    const char *Display;
};

constexpr TApiInfo ApiTable[] = {
    {TMidiApi::maAlsa, RtMidi::LINUX_ALSA, "alsa", "ALSA sequencer"},
    {TMidiApi::maJack, RtMidi::UNIX_JACK, "jack", "JACK"},
    {TMidiApi::maWinMM, RtMidi::WINDOWS_MM, "winmm", "Windows MIDI"},
    {TMidiApi::maCoreMidi, RtMidi::MACOSX_CORE, "coremidi", "CoreMIDI"},
};

const TApiInfo *InfoOf(TMidiApi Api) {
    for (const TApiInfo &Info : ApiTable)
        if (Info.Api == Api)
            return &Info;
    return nullptr;
}

// RtMidi reports through a callback once one is set, and then never throws from a call; the
// trap keeps the first report of a call so that the caller can raise it as our own error.
class TErrorTrap {
public:
    static void Callback(RtMidiError::Type Type, const std::string &Text, void *Self) {
        if (Type == RtMidiError::DEBUG_WARNING)
            return;
        auto *Trap = static_cast<TErrorTrap *>(Self);
        std::lock_guard Guard(Trap->FLock);
        if (!Trap->FError)
            Trap->FError = {int(Type), QString::fromStdString(Text)};
    }

    void Install(RtMidi &Port) { Port.setErrorCallback(&TErrorTrap::Callback, this); }

    template <class E> void ThrowIfAny() {
        std::unique_lock Guard(FLock);
        if (!FError)
            return;
        const auto [Code, Text] = *FError;
        FError.reset();
        Guard.unlock();
        throw E(Code, Text);
    }

private:
    std::mutex FLock;
    std::optional<std::pair<int, QString>> FError;
};

template <class E> [[noreturn]] void Rethrow(const RtMidiError &Error) {
    throw E(int(Error.getType()), QString::fromStdString(Error.getMessage()));
}

QStringList PortNames(RtMidi &Port) {
    QStringList Names;
    const unsigned Count = Port.getPortCount();
    for (unsigned i = 0; i < Count; ++i)
        Names << QString::fromStdString(Port.getPortName(i));
    return Names;
}

template <class E> int PortIndex(RtMidi &Port, const QString &Name) {
    const int Index = int(PortNames(Port).indexOf(Name));
    if (Index < 0)
        throw E(int(RtMidiError::INVALID_DEVICE),
                QStringLiteral("The MIDI port \"%1\" is not available.").arg(Name));
    return Index;
}

template <class E> [[noreturn]] void ThrowNotRunning(TMidiApi Api) {
    throw E(int(RtMidiError::DRIVER_ERROR), QStringLiteral("The %1 MIDI service is not running.")
                                                .arg(QString::fromLatin1(InfoOf(Api)->Display)));
}

template <class E> void RequireService(TMidiApi Api) {
    if (Api == TMidiApi::maNone || !CompiledApis().contains(Api))
        throw E(int(RtMidiError::NO_DEVICES_FOUND), NoServiceText());
}

template <class E> void RequireRunning(TMidiApi Api) {
    RequireService<E>(Api);
    if (!ApiStarts(Api))
        ThrowNotRunning<E>(Api);
}

template <class Port> std::optional<QStringList> ListPorts(TMidiApi Api) {
#ifdef ONDREL_HAVE_JACK
    if (Api == TMidiApi::maJack) {
        const auto Names = TJackMonitor::MidiPorts(std::is_same_v<Port, RtMidiIn>
                                                       ? TJackMonitor::TSide::Sources
                                                       : TJackMonitor::TSide::Destinations);
        if (!Names)
            return std::nullopt;
        QStringList List;
        for (const std::string &Name : *Names)
            List << QString::fromStdString(Name);
        return List;
    }
#endif
    if (!ApiStarts(Api))
        return std::nullopt;
    try {
        Port Lister(InfoOf(Api)->RtApi, "Ondrel");
        TErrorTrap Trap;
        Trap.Install(Lister);
        return PortNames(Lister);
    } catch (const RtMidiError &) {
        return std::nullopt;
    }
}

template <class Port> TPortList ChooseAndList(TMidiApi Requested) {
    if (Requested != TMidiApi::maAuto) {
        const TMidiApi Api = ChooseApi(Requested);
        return {Api, Api == TMidiApi::maNone ? std::nullopt : ListPorts<Port>(Api)};
    }
    for (TMidiApi Api : CompiledApis())
        if (std::optional<QStringList> Names = ListPorts<Port>(Api))
            return {Api, std::move(Names)};
    return {};
}

// Opens through RtMidi: what it throws or reports to the trap leaves as E.
template <class E, class OpenFunc> void OpenThroughRtMidi(TErrorTrap &Trap, OpenFunc &&Open) {
    try {
        Open();
    } catch (const RtMidiError &Error) {
        Rethrow<E>(Error);
    }
    Trap.ThrowIfAny<E>();
}

// The ports of the other services (ALSA sequencer, Windows, CoreMIDI) are RtMidi's.
class TRtOutPort final : public TOutPort {
public:
    void Send(const uint8_t *Data, size_t Size) override {
        std::lock_guard Guard(FSendLock);
        try {
            FPort->sendMessage(Data, Size);
        } catch (const RtMidiError &Error) {
            Rethrow<EMidiOutputError>(Error);
        }
        FTrap.ThrowIfAny<EMidiOutputError>();
    }

    // RtMidi's ports take one sender at a time; these services have no period to keep in step
    // with, and their sends return at once.
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t) noexcept override {
        std::lock_guard Guard(FSendLock);
        try {
            FPort->sendMessage(Data, Size);
            FTrap.ThrowIfAny<EMidiOutputError>();
            return true;
        } catch (const std::exception &) {
            return false;
        }
    }

    // These services tell nothing of going away; a failing send says so.
    bool ServiceAlive() const override { return true; }

    TErrorTrap FTrap;
    std::unique_ptr<RtMidiOut> FPort;
    std::mutex FSendLock;
};

class TRtInPort final : public TInPort {
public:
    ~TRtInPort() override {
        // RtMidi joins its input thread here: no receive call follows.
        FPort.reset();
    }

    static void Relay(double, std::vector<unsigned char> *Message, void *Self) {
        auto *Port = static_cast<TRtInPort *>(Self);
        if (Message && !Message->empty())
            Port->FReceive(Port->FUser, Message->data(), Message->size(), 0);
    }

    bool ServiceAlive() const override { return true; }

    TErrorTrap FTrap;
    TReceiveFunc FReceive = nullptr;
    void *FUser = nullptr;
    std::unique_ptr<RtMidiIn> FPort;
};

#ifdef ONDREL_HAVE_JACK
// On JACK the ports are our own (jackmidi.h): an output and an input share one client.
class TJackOutPort final : public TOutPort {
public:
    void Send(const uint8_t *Data, size_t Size) override {
        switch (FPort->Send(Data, Size)) {
        case TJackMidiPort::TError::None:
            return;
        case TJackMidiPort::TError::QueueFull:
            throw EMidiOutputError(int(RtMidiError::DRIVER_ERROR),
                                   QStringLiteral("The JACK server takes no more MIDI messages."));
        case TJackMidiPort::TError::ServerGone:
            throw EMidiOutputError(int(RtMidiError::DRIVER_ERROR),
                                   QStringLiteral("The JACK server is no longer running."));
        default:
            throw EMidiOutputError(int(RtMidiError::INVALID_PARAMETER),
                                   QStringLiteral("The MIDI message is too long to send."));
        }
    }
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept override {
        return FPort->SendFromCallback(Data, Size, Frame);
    }
    bool ServiceAlive() const override { return !FPort->ServerGone(); }

    std::unique_ptr<TJackMidiPort> FPort;
};

class TJackInPort final : public TInPort {
public:
    bool ServiceAlive() const override { return !FPort->ServerGone(); }

    std::unique_ptr<TJackMidiPort> FPort;
};

template <class E>
std::unique_ptr<TJackMidiPort> OpenJackPort(TJackMidiPort::TDirection Direction,
                                            const QString &ClientName, const QString &PortName,
                                            const QString &Peer, TReceiveFunc Receive, void *User,
                                            std::function<void()> OnGone) {
    RequireService<E>(TMidiApi::maJack);
    TJackMidiPort::TError Error = TJackMidiPort::TError::None;
    std::unique_ptr<TJackMidiPort> Port =
        TJackMidiPort::Open(Direction, ClientName.toStdString(), PortName.toStdString(),
                            Peer.toStdString(), Receive, User, std::move(OnGone), Error);
    switch (Error) {
    case TJackMidiPort::TError::None:
        return Port;
    case TJackMidiPort::TError::NoServer:
    case TJackMidiPort::TError::ServerGone:
        ThrowNotRunning<E>(TMidiApi::maJack);
    case TJackMidiPort::TError::NoSuchPort:
        throw E(int(RtMidiError::INVALID_DEVICE),
                QStringLiteral("The MIDI port \"%1\" is not available.").arg(Peer));
    default:
        throw E(int(RtMidiError::DRIVER_ERROR),
                QStringLiteral("The JACK server refused the MIDI port \"%1\".")
                    .arg(Peer.isEmpty() ? ClientName + QLatin1Char(':') + PortName : Peer));
    }
}
#endif

} // namespace

QString ApiName(TMidiApi Api) {
    if (Api == TMidiApi::maNone)
        return QStringLiteral("none");
    const TApiInfo *Info = InfoOf(Api);
    return Info ? QString::fromLatin1(Info->Name) : QStringLiteral("auto");
}

TMidiApi ApiFromName(const QString &Name) {
    const QString Key = Name.trimmed().toLower();
    if (Key == QLatin1String("none"))
        return TMidiApi::maNone;
    for (const TApiInfo &Info : ApiTable)
        if (Key == QLatin1String(Info.Name))
            return Info.Api;
    return TMidiApi::maAuto;
}

QList<TMidiApi> CompiledApis() {
    std::vector<RtMidi::Api> Compiled;
    RtMidi::getCompiledApi(Compiled);
    QList<TMidiApi> Apis;
    for (RtMidi::Api RtApi : Compiled)
        for (const TApiInfo &Info : ApiTable)
            if (Info.RtApi == RtApi)
                Apis << Info.Api;
    return Apis;
}

bool ApiStarts(TMidiApi Api) {
    if (!CompiledApis().contains(Api))
        return false;
    switch (Api) {
    case TMidiApi::maAlsa:
        // Without the sequencer device RtMidi fails anyway, after alsa-lib printed its complaint.
        if (!QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
            return false;
        break;
    case TMidiApi::maJack:
#ifdef ONDREL_HAVE_JACK
        return TJackMonitor::ServerRunning();
#else
        break;
#endif
    default:
        break;
    }
    try {
        RtMidiOut Probe(InfoOf(Api)->RtApi, "Ondrel");
        return true;
    } catch (const RtMidiError &) {
        return false;
    }
}

TMidiApi ChooseApi(TMidiApi Requested) {
    const QList<TMidiApi> Compiled = CompiledApis();
    if (Requested != TMidiApi::maAuto)
        return Compiled.contains(Requested) ? Requested : TMidiApi::maNone;
    for (TMidiApi Api : Compiled)
        if (ApiStarts(Api))
            return Api;
    return TMidiApi::maNone;
}

bool HasVirtualPorts(TMidiApi Api) {
    return Api == TMidiApi::maAlsa || Api == TMidiApi::maJack || Api == TMidiApi::maCoreMidi;
}

TPortList OutputPorts(TMidiApi Requested) {
    return ChooseAndList<RtMidiOut>(Requested);
}

TPortList InputPorts(TMidiApi Requested) {
    return ChooseAndList<RtMidiIn>(Requested);
}

TServiceWatch::TServiceWatch() = default;
TServiceWatch::~TServiceWatch() = default;

bool TServiceWatch::Start(TMidiApi Api, std::function<void()> OnGone) {
#ifdef ONDREL_HAVE_JACK
    if (Api == TMidiApi::maJack) {
        FMonitor = TJackMonitor::Open(std::move(OnGone));
        return FMonitor != nullptr;
    }
#else
    Q_UNUSED(OnGone);
#endif
    Q_UNUSED(Api);
    return true;
}

bool TServiceWatch::Alive() const {
#ifdef ONDREL_HAVE_JACK
    return !FMonitor || !FMonitor->ServerGone();
#else
    return true;
#endif
}

std::shared_ptr<void> HoldQueries() {
#ifdef ONDREL_HAVE_JACK
    return TJackMonitor::HoldQueries();
#else
    return nullptr;
#endif
}

QString NoServiceText() {
    QStringList Tried;
    for (TMidiApi Api : CompiledApis())
        Tried << QString::fromLatin1(InfoOf(Api)->Display);
    return QStringLiteral("No MIDI service is running (tried: %1).")
        .arg(Tried.isEmpty() ? QStringLiteral("none compiled in")
                             : Tried.join(QStringLiteral(", ")));
}

std::unique_ptr<TOutPort> OpenOutPort(TMidiApi Api, const QString &ClientName,
                                      const QString &PortName, const QString &Target,
                                      std::function<void()> OnServiceGone) {
#ifdef ONDREL_HAVE_JACK
    if (Api == TMidiApi::maJack) {
        auto Port = std::make_unique<TJackOutPort>();
        Port->FPort =
            OpenJackPort<EMidiOutputError>(TJackMidiPort::TDirection::Out, ClientName, PortName,
                                           Target, nullptr, nullptr, std::move(OnServiceGone));
        return Port;
    }
#endif
    Q_UNUSED(OnServiceGone);
    RequireRunning<EMidiOutputError>(Api);
    auto Port = std::make_unique<TRtOutPort>();
    OpenThroughRtMidi<EMidiOutputError>(Port->FTrap, [&] {
        Port->FPort = std::make_unique<RtMidiOut>(InfoOf(Api)->RtApi, ClientName.toStdString());
        Port->FTrap.Install(*Port->FPort);
        if (Target.isEmpty())
            Port->FPort->openVirtualPort(PortName.toStdString());
        else
            Port->FPort->openPort(unsigned(PortIndex<EMidiOutputError>(*Port->FPort, Target)),
                                  PortName.toStdString());
    });
    return Port;
}

std::unique_ptr<TInPort> OpenInPort(TMidiApi Api, const QString &ClientName,
                                    const QString &PortName, const QString &Source,
                                    TReceiveFunc Receive, void *User,
                                    std::function<void()> OnServiceGone) {
#ifdef ONDREL_HAVE_JACK
    if (Api == TMidiApi::maJack) {
        auto Port = std::make_unique<TJackInPort>();
        Port->FPort =
            OpenJackPort<EMidiInputError>(TJackMidiPort::TDirection::In, ClientName, PortName,
                                          Source, Receive, User, std::move(OnServiceGone));
        return Port;
    }
#endif
    Q_UNUSED(OnServiceGone);
    RequireRunning<EMidiInputError>(Api);
    auto Port = std::make_unique<TRtInPort>();
    Port->FReceive = Receive;
    Port->FUser = User;
    OpenThroughRtMidi<EMidiInputError>(Port->FTrap, [&] {
        Port->FPort = std::make_unique<RtMidiIn>(InfoOf(Api)->RtApi, ClientName.toStdString());
        Port->FTrap.Install(*Port->FPort);
        Port->FPort->ignoreTypes(false, false, false);
        Port->FPort->setCallback(&TRtInPort::Relay, Port.get());
        if (Source.isEmpty())
            Port->FPort->openVirtualPort(PortName.toStdString());
        else
            Port->FPort->openPort(unsigned(PortIndex<EMidiInputError>(*Port->FPort, Source)),
                                  PortName.toStdString());
    });
    return Port;
}

} // namespace MidiBackend
