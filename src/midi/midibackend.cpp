// The one file that includes RtMidi.h: RtMidi's types and errors end here.

#include "midi/midibackend.h"

#include "midi/midierror.h"

#ifdef ONDREL_HAVE_JACK
#include "midi/jackmidi.h"
#include "midi/jackmonitor.h"
#else
class TJackMonitor {};   // nothing to watch
class TJackPortWatch {}; // nor to be told
#endif

#include <RtMidi.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include "midi/periodsource.h"
#include "midi/rtguard.h"
#include "midi/rtring.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
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
    {TMidiApi::maAlsa, RtMidi::LINUX_ALSA, "alsa",
     QT_TRANSLATE_NOOP("TMidiBackend", "ALSA sequencer")},
    {TMidiApi::maJack, RtMidi::UNIX_JACK, "jack", "JACK"},
    {TMidiApi::maWinMM, RtMidi::WINDOWS_MM, "winmm",
     QT_TRANSLATE_NOOP("TMidiBackend", "Windows MIDI")},
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
        throw E(
            int(RtMidiError::INVALID_DEVICE),
            QCoreApplication::translate("TMidiBackend", "The MIDI port \"%1\" is not available.")
                .arg(Name));
    return Index;
}

QString WithoutAlsaAddress(const QString &Name) {
    static const QRegularExpression Address(QStringLiteral("\\s+\\d+:\\d+$"));
    return QString(Name).remove(Address);
}

// The MIDI ports this process has open, by the names the lists give them (without ALSA's client
// numbers, which the lists add), each with the port it was opened to or from.
struct TOwnPort {
    QString Name;
    QString Peer;
    bool Output;
};
std::mutex OwnLock;
std::list<TOwnPort> OwnPorts; // under OwnLock

// Keeps a port among ours while it lives.
class TOwnName {
public:
    TOwnName(const QString &Name, const QString &Peer, bool Output) {
        std::lock_guard<std::mutex> Guard(OwnLock);
        FEntry = OwnPorts.insert(OwnPorts.end(),
                                 {WithoutAlsaAddress(Name), WithoutAlsaAddress(Peer), Output});
    }
    ~TOwnName() {
        std::lock_guard<std::mutex> Guard(OwnLock);
        OwnPorts.erase(FEntry);
    }
    TOwnName(const TOwnName &) = delete;
    TOwnName &operator=(const TOwnName &) = delete;

private:
    std::list<TOwnPort>::iterator FEntry;
};

std::vector<TOwnPort> OwnPortList() {
    std::lock_guard<std::mutex> Guard(OwnLock);
    return {OwnPorts.begin(), OwnPorts.end()};
}

template <class E> [[noreturn]] void ThrowNotRunning(TMidiApi Api) {
    throw E(int(RtMidiError::DRIVER_ERROR),
            QCoreApplication::translate("TMidiBackend", "The %1 MIDI service is not running.")
                .arg(QCoreApplication::translate("TMidiBackend", InfoOf(Api)->Display)));
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
            if (const QString Text = QString::fromStdString(Name); !IsOwnPort(Text))
                List << Text;
        return List;
    }
#endif
    if (!ApiStarts(Api))
        return std::nullopt;
    try {
        Port Lister(InfoOf(Api)->RtApi, ClientName().toStdString());
        TErrorTrap Trap;
        Trap.Install(Lister);
        QStringList Names = PortNames(Lister);
        Names.removeIf([](const QString &Name) { return IsOwnPort(Name); });
        return Names;
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
// RtMidi's ports take one sender at a time, and a send may wait for the service. What an input's
// thread plays through is queued without a lock and sent by a thread of the port's own; the UI
// thread's sends go after whatever was queued before them. These services have no periods: the
// port's thread plays its source in steps of a millisecond, each message at its time.
class TRtOutPort final : public TOutPort {
public:
    // The longest message played through on these services; a longer one is dropped (counted).
    static constexpr size_t ThruMessageMax = 256;

    TRtOutPort() : FThru(1024) {}
    ~TRtOutPort() override { StopSender(); }

    void StartSender() {
        FSender = std::thread([this] { RunSender(); });
    }
    void StopSender() {
        if (!FSender.joinable())
            return;
        FStop.store(true, std::memory_order_release);
        Wake();
        FSender.join();
    }

    void Send(const uint8_t *Data, size_t Size) override {
        std::lock_guard Guard(FSendLock);
        SendQueued();
        try {
            FPort->sendMessage(Data, Size);
        } catch (const RtMidiError &Error) {
            Rethrow<EMidiOutputError>(Error);
        }
        FTrap.ThrowIfAny<EMidiOutputError>();
        Captured(Data, Size);
    }

    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t) noexcept override {
        TThruMessage Message;
        if (Size == 0 || Size > ThruMessageMax)
            return false;
        std::copy(Data, Data + Size, Message.Bytes.begin());
        Message.Size = uint16_t(Size);
        if (!FThru.Push(Message))
            return false;
        Wake();
        return true;
    }

    // These services tell nothing of going away; a failing send says so.
    bool ServiceAlive() const override { return true; }

    void SetSource(TPeriodSource *Source) override {
        FSource.Set(Source);
        Wake();
    }
    void SetCapture(TCaptureTap *Tap) override {
        std::lock_guard Guard(FSendLock);
        FCapture = Tap;
    }

    TErrorTrap FTrap;
    std::optional<TOwnName> FName; // goes after the port
    std::unique_ptr<RtMidiOut> FPort;

private:
    struct TThruMessage {
        std::array<uint8_t, ThruMessageMax> Bytes{};
        uint16_t Size = 0;
    };

    // One step of the source, sent as it comes due.
    class TStep final : public TMidiEmit {
    public:
        explicit TStep(TRtOutPort &Port) : FPort(Port) {}
        bool Emit(uint32_t Offset, const uint8_t *Data, size_t Size) noexcept override {
            if (Size == 0 || Size > LargestMessage)
                return false;
            std::this_thread::sleep_until(FStart + std::chrono::microseconds(Offset * 1000 / 48));
            std::lock_guard Guard(FPort.FSendLock);
            FPort.SendQueued();
            FPort.SendOne(Data, Size);
            return true;
        }
        std::chrono::steady_clock::time_point FStart;

    private:
        TRtOutPort &FPort;
    };

    void Wake() noexcept {
        FSignal.fetch_add(1, std::memory_order_release);
        FSignal.notify_one();
    }

    void RunSender() {
        using TClock = std::chrono::steady_clock;
        constexpr uint32_t StepFrames = 48; // a millisecond at the nominal 48 kHz
        TStep Step(*this);
        uint64_t Frame = 0;
        auto Next = TClock::now();
        for (;;) {
            const uint32_t Seen = FSignal.load(std::memory_order_acquire);
            if (FStop.load(std::memory_order_acquire))
                return;
            {
                std::lock_guard Guard(FSendLock);
                SendQueued();
            }
            const auto Playing = FSource.Use();
            if (!Playing) {
                FSignal.wait(Seen, std::memory_order_acquire);
                Next = TClock::now();
                continue;
            }
            Step.FStart = Next;
            const int64_t StartUs =
                std::chrono::duration_cast<std::chrono::microseconds>(Next.time_since_epoch())
                    .count();
            Playing->Period({Frame, StepFrames, 48000, StartUs, {}}, Step);
            Frame += StepFrames;
            Next += std::chrono::milliseconds(1);
            std::this_thread::sleep_until(Next);
        }
    }

    // Under FSendLock.
    void SendOne(const uint8_t *Data, size_t Size) {
        try {
            FPort->sendMessage(Data, Size);
            FTrap.ThrowIfAny<EMidiOutputError>();
            Captured(Data, Size);
        } catch (const std::exception &) {
            // Into a port that fails: the UI thread's next send says so.
        }
    }
    void Captured(const uint8_t *Data, size_t Size) {
        if (FCapture)
            FCapture->Captured(std::chrono::duration_cast<std::chrono::microseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count(),
                               Data, Size);
    }

    // Under FSendLock: the sender thread and the UI thread take turns as the ring's consumer.
    void SendQueued() {
        while (const TThruMessage *Message = FThru.Front()) {
            SendOne(Message->Bytes.data(), Message->Size);
            FThru.Pop();
        }
    }

    TRtRing<TThruMessage> FThru;
    std::mutex FSendLock;
    TCaptureTap *FCapture = nullptr; // under FSendLock
    TRtGuard<TPeriodSource> FSource;
    std::atomic<uint32_t> FSignal{0};
    std::atomic<bool> FStop{false};
    std::thread FSender;
};

class TRtInPort final : public TInPort {
public:
    ~TRtInPort() override {
        // RtMidi joins its input thread here: no receive call follows.
        FPort.reset();
    }

    static void Relay(double, std::vector<unsigned char> *Message, void *Self) {
        auto *Port = static_cast<TRtInPort *>(Self);
        if (!Message || Message->empty())
            return;
        const auto Now = std::chrono::steady_clock::now().time_since_epoch();
        const TMidiArrival At{std::chrono::duration_cast<std::chrono::microseconds>(Now).count()};
        Port->FReceive(Port->FUser, Message->data(), Message->size(), 0, At);
    }

    bool ServiceAlive() const override { return true; }

    TErrorTrap FTrap;
    TReceiveFunc FReceive = nullptr;
    void *FUser = nullptr;
    std::optional<TOwnName> FName; // goes after the port
    std::unique_ptr<RtMidiIn> FPort;
};

#ifdef ONDREL_HAVE_JACK
// On JACK the ports are our own (jackmidi.h): an output and an input share one client.
class TJackOutPort final : public TOutPort {
public:
    void Send(const uint8_t *Data, size_t Size) override { Raise(FPort->Send(Data, Size)); }
    void SendFinal(const uint8_t *Data, size_t Size) override {
        Raise(FPort->SendFinal(Data, Size));
    }
    static void Raise(TJackMidiPort::TError Error) {
        switch (Error) {
        case TJackMidiPort::TError::None:
            return;
        case TJackMidiPort::TError::QueueFull:
            throw EMidiOutputError(
                int(RtMidiError::DRIVER_ERROR),
                QCoreApplication::translate("TMidiBackend",
                                            "The JACK server takes no more MIDI messages."));
        case TJackMidiPort::TError::ServerGone:
            throw EMidiOutputError(int(RtMidiError::DRIVER_ERROR),
                                   QCoreApplication::translate(
                                       "TMidiBackend", "The JACK server is no longer running."));
        default:
            throw EMidiOutputError(int(RtMidiError::INVALID_PARAMETER),
                                   QCoreApplication::translate(
                                       "TMidiBackend", "The MIDI message is too long to send."));
        }
    }
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept override {
        return FPort->SendFromCallback(Data, Size, Frame);
    }
    bool ServiceAlive() const override { return !FPort->ServerGone(); }
    void SetSource(TPeriodSource *Source) override { FPort->SetSource(Source); }
    void SetCapture(TCaptureTap *Tap) override { FPort->SetCapture(Tap); }

    std::optional<TOwnName> FName; // goes after the port
    std::unique_ptr<TJackMidiPort> FPort;
};

class TJackInPort final : public TInPort {
public:
    bool ServiceAlive() const override { return !FPort->ServerGone(); }
    uint64_t Lost() const override { return FPort->Lost(); }

    std::optional<TOwnName> FName; // goes after the port
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
        throw E(
            int(RtMidiError::INVALID_DEVICE),
            QCoreApplication::translate("TMidiBackend", "The MIDI port \"%1\" is not available.")
                .arg(Peer));
    default:
        throw E(int(RtMidiError::DRIVER_ERROR),
                QCoreApplication::translate("TMidiBackend",
                                            "The JACK server refused the MIDI port \"%1\".")
                    .arg(Peer.isEmpty() ? ClientName + QLatin1Char(':') + PortName : Peer));
    }
}
#endif

} // namespace

namespace {
QString &Client() {
    static QString Name = QStringLiteral("Ondrel");
    return Name;
}
} // namespace

QString ClientName() {
    return Client();
}

void SetClientName(const QString &Name) {
    if (!Name.trimmed().isEmpty())
        Client() = Name;
}

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
        RtMidiOut Probe(InfoOf(Api)->RtApi, ClientName().toStdString());
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
        Tried << QCoreApplication::translate("TMidiBackend", InfoOf(Api)->Display);
    return QCoreApplication::translate("TMidiBackend", "No MIDI service is running (tried: %1).")
        .arg(Tried.isEmpty() ? QCoreApplication::translate("TMidiBackend", "none compiled in")
                             : Tried.join(QStringLiteral(", ")));
}

QString NotRunningText(TMidiApi Api) {
    switch (Api) {
    case TMidiApi::maJack:
        return CompiledApis().contains(TMidiApi::maAlsa)
                   ? QCoreApplication::translate(
                         "TMidiBackend", "The JACK server is not running: start it (e.g. with "
                                         "QjackCtl) or choose ALSA.")
                   : QCoreApplication::translate(
                         "TMidiBackend", "The JACK server is not running: start it (e.g. with "
                                         "QjackCtl).");
    case TMidiApi::maAlsa:
        return CompiledApis().contains(TMidiApi::maJack)
                   ? QCoreApplication::translate(
                         "TMidiBackend",
                         "The ALSA sequencer is not available: load its kernel module "
                         "(modprobe snd-seq) or choose JACK.")
                   : QCoreApplication::translate(
                         "TMidiBackend",
                         "The ALSA sequencer is not available: load its kernel module "
                         "(modprobe snd-seq).");
    case TMidiApi::maAuto:
    case TMidiApi::maNone:
        return NoServiceText();
    default:
        return QCoreApplication::translate("TMidiBackend", "The %1 MIDI service is not available.")
            .arg(QCoreApplication::translate("TMidiBackend", InfoOf(Api)->Display));
    }
}

bool IsOwnPort(const QString &Name) {
    const QString Bare = WithoutAlsaAddress(Name);
    std::lock_guard<std::mutex> Guard(OwnLock);
    return std::any_of(OwnPorts.begin(), OwnPorts.end(),
                       [&](const TOwnPort &Port) { return Port.Name == Bare; });
}

QString OwnFeedback(TMidiApi Api) {
    const std::vector<TOwnPort> Own = OwnPortList();
    for (const TOwnPort &Out : Own) {
        if (!Out.Output)
            continue;
#ifdef ONDREL_HAVE_JACK
        // Whoever made them: JACK shows every connection.
        if (Api == TMidiApi::maJack) {
            const auto Destinations = TJackMonitor::Destinations(Out.Name.toStdString());
            for (const std::string &Destination : Destinations.value_or(std::vector<std::string>{}))
                for (const TOwnPort &In : Own)
                    if (!In.Output && In.Name == QString::fromStdString(Destination))
                        return Out.Name + QCoreApplication::translate("TMidiBackend", " -> ") +
                               In.Name;
            continue;
        }
#endif
        // Elsewhere only our own: one port that we send to and listen to (ALSA's Midi Through).
        for (const TOwnPort &In : Own)
            if (!In.Output && !Out.Peer.isEmpty() && In.Peer == Out.Peer)
                return Out.Name + QCoreApplication::translate("TMidiBackend", " -> ") + Out.Peer +
                       QCoreApplication::translate("TMidiBackend", " -> ") + In.Name;
    }
    Q_UNUSED(Api);
    return {};
}

TPortWatch::TPortWatch() = default;
TPortWatch::~TPortWatch() = default;

bool TPortWatch::Start(TMidiApi Api, std::function<void()> OnChange, std::function<void()> OnGone) {
    FWatch.reset();
#ifdef ONDREL_HAVE_JACK
    if (Api == TMidiApi::maJack)
        FWatch = TJackPortWatch::Open(std::move(OnChange), std::move(OnGone));
#else
    Q_UNUSED(Api);
    Q_UNUSED(OnChange);
    Q_UNUSED(OnGone);
#endif
    return Active();
}

void TPortWatch::Stop() {
    FWatch.reset();
}

bool TPortWatch::Active() const {
#ifdef ONDREL_HAVE_JACK
    return FWatch && !FWatch->ServerGone();
#else
    return false;
#endif
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
        Port->FName.emplace(QString::fromStdString(Port->FPort->FullName()), Target, true);
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
    Port->FName.emplace(ClientName + QLatin1Char(':') + PortName, Target, true);
    Port->StartSender();
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
        Port->FName.emplace(QString::fromStdString(Port->FPort->FullName()), Source, false);
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
    Port->FName.emplace(ClientName + QLatin1Char(':') + PortName, Source, false);
    return Port;
}

} // namespace MidiBackend
