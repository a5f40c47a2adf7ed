#include "midi/zoneports.h"

#include "midi/midierror.h"
#include "midi/midioutput.h"

#include <QRegularExpression>
#include <QTimer>

namespace {

constexpr int PollMs = 1500;

// Names compared as the user sees them: without case, blanks and the client:port numbers of
// the ALSA sequencer, which change from one session to the next.
QString NameKey(const QString &Name) {
    static const QRegularExpression Numbers(QStringLiteral("\\s+\\d+:\\d+$"));
    QString key = Name;
    key.remove(Numbers);
    key.remove(QRegularExpression(QStringLiteral("\\s")));
    return key.toLower();
}

} // namespace

struct TZonePorts::TPort {
    QString Name;
    std::unique_ptr<TMidiOutput> Output;
    TPeriodSource *Source = nullptr;
    int Number = 2;    // our port to it: "Ondrel 2"
    bool Told = false; // the user knows it is waited for
};

TZonePorts::TZonePorts(QObject *Parent) : QObject(Parent), FPoll(new QTimer(this)) {
    FPoll->setInterval(PollMs);
    connect(FPoll, &QTimer::timeout, this, &TZonePorts::Refresh);
}

TZonePorts::~TZonePorts() {
    FWatch.Stop();
    for (const auto &port : FPorts)
        ClosePort(*port);
}

TZonePorts::TPort *TZonePorts::Find(const QString &Name) const {
    for (const auto &port : FPorts)
        if (port->Name == Name)
            return port.get();
    return nullptr;
}

bool TZonePorts::IsOpen(const QString &Name) const {
    const TPort *port = Find(Name);
    return port && port->Output && !port->Output->IsClosed();
}

bool TZonePorts::Awaiting() const {
    for (const auto &port : FPorts)
        if (port->Output->IsClosed())
            return true;
    return false;
}

QStringList TZonePorts::Available() const {
    if (FApi == TMidiApi::maNone)
        return {};
    return MidiBackend::OutputPorts(FApi).Names.value_or(QStringList());
}

void TZonePorts::SetApi(TMidiApi Api) {
    if (Api == FApi)
        return;
    FWatch.Stop();
    FApi = Api;
    for (const auto &port : FPorts) {
        ClosePort(*port);
        port->Output = std::make_unique<TMidiOutput>(FApi);
        if (port->Source)
            port->Output->AddSource(port->Source);
    }
    StartWatch();
    Refresh();
}

void TZonePorts::SetPorts(const QStringList &Names) {
    for (auto it = FPorts.begin(); it != FPorts.end();) {
        if (Names.contains((*it)->Name)) {
            ++it;
            continue;
        }
        ClosePort(**it);
        it = FPorts.erase(it);
    }
    for (const QString &name : Names) {
        if (name.isEmpty() || Find(name))
            continue;
        auto port = std::make_unique<TPort>();
        port->Name = name;
        while (std::any_of(FPorts.begin(), FPorts.end(),
                           [&](const auto &Other) { return Other->Number == port->Number; }))
            ++port->Number;
        port->Output = std::make_unique<TMidiOutput>(FApi);
        FPorts.push_back(std::move(port));
        Open(*FPorts.back());
    }
    if (!FWatch.Active())
        StartWatch();
    if (Awaiting() && !FWatch.Active())
        FPoll->start();
}

TMidiSink *TZonePorts::Sink(const QString &Name) {
    TPort *port = Find(Name);
    return port ? port->Output.get() : nullptr;
}

void TZonePorts::SetSource(const QString &Name, TPeriodSource *Source) {
    if (TPort *port = Find(Name)) {
        if (port->Source == Source)
            return;
        if (port->Source)
            port->Output->RemoveSource(port->Source);
        port->Source = Source;
        if (Source)
            port->Output->AddSource(Source);
    }
}

void TZonePorts::SetOpenedHandler(std::function<void(const QString &)> Handler) {
    FOpened = std::move(Handler);
}

void TZonePorts::Open(TPort &Port) {
    TMidiOutput &out = *Port.Output;
    if (!out.IsClosed())
        return;
    out.Relist();
    int id = -1;
    for (int i = 0; i < out.DeviceCount() && id < 0; ++i)
        if (out.NameOf(i) == Port.Name)
            id = i;
    for (int i = 0; i < out.DeviceCount() && id < 0; ++i)
        if (NameKey(out.NameOf(i)) == NameKey(Port.Name) && !MidiBackend::IsOwnPort(out.NameOf(i)))
            id = i;
    if (id < 0) {
        if (!Port.Told)
            Q_EMIT Notice(tr("The zones' port \"%1\" is not there; it opens as soon as it "
                             "appears.")
                              .arg(Port.Name));
        Port.Told = true;
        return;
    }
    try {
        out.SetDeviceID(id);
        out.SetPortName(QStringLiteral("Ondrel %1").arg(Port.Number));
        out.Open();
    } catch (const EMidiError &Error) {
        if (!Port.Told)
            Q_EMIT Notice(tr("The zones' port \"%1\" could not be opened: %2")
                              .arg(Port.Name, Error.Message()));
        Port.Told = true;
        return;
    }
    Port.Told = false;
    Q_EMIT TextMessage(tr("Opened the zones' port %1.").arg(Port.Name));
    if (FOpened)
        FOpened(Port.Name);
}

void TZonePorts::ClosePort(TPort &Port) {
    if (!Port.Output)
        return;
    try {
        Port.Output->Close();
    } catch (const EMidiError &) {
        // Closed all the same; a port that went away has nothing left sounding.
    }
}

void TZonePorts::Refresh() {
    for (const auto &port : FPorts) {
        TMidiOutput &out = *port->Output;
        if (!out.IsClosed()) {
            out.Relist();
            if (out.ServiceAlive() && !out.PortGone())
                continue;
            ClosePort(*port);
            Q_EMIT Notice(tr("The zones' port \"%1\" went away; it opens again as soon as it "
                             "appears.")
                              .arg(port->Name));
            port->Told = true;
        }
        Open(*port);
    }
    if (!FWatch.Active() && FApi != TMidiApi::maNone && !FPorts.empty())
        StartWatch();
    if (Awaiting() && !FWatch.Active())
        FPoll->start();
    else
        FPoll->stop();
}

void TZonePorts::StartWatch() {
    if (FPorts.empty() || FApi == TMidiApi::maNone)
        return;
    // From the service's thread: one refresh on the way is enough for a burst of changes.
    const auto changed = [this] {
        if (!FRefreshPosted.exchange(true))
            QMetaObject::invokeMethod(
                this,
                [this] {
                    FRefreshPosted = false;
                    Refresh();
                },
                Qt::QueuedConnection);
    };
    const auto gone = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                FWatch.Stop();
                Refresh();
            },
            Qt::QueuedConnection);
    };
    if (FWatch.Start(FApi, changed, gone))
        FPoll->stop();
}
