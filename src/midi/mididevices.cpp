#include "midi/mididevices.h"

#include "core/custominifile.h"
#include "midi/midierror.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "midi/synth.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <utility>

const QString TMidiDevices::Section = QStringLiteral("MidiDevices");
const QString TMidiDevices::NoneValue = QStringLiteral("(none)");

namespace {

using TSide = TMidiDevices::TSide;

constexpr TSide BothSides[] = {TSide::Output, TSide::Input};

const QString OutValueName = QStringLiteral("MidiOut");
const QString InValueName = QStringLiteral("MidiIn");
const QString ActiveSensingName = QStringLiteral("ActiveSensing");
const QString TimingClockName = QStringLiteral("TimingClock");
const QString ServiceValueName = QStringLiteral("Service");
// The caption of the menus' first entry: a stored "none" chooses it, as "(none)" does.
const QString NoneCaption = QStringLiteral("none");
// While a chosen device is waited for where no word of port changes comes (the ALSA sequencer,
// a JACK server that went away): how often its service is asked again.
constexpr int PollMs = 1500;
// JACK tells of a port change before its clients can see it: a port that went away is listed
// until the server's next cycle or two. Longer than the longest period a desktop runs; and on a
// loaded machine, whose server runs late, asked again a few times, each after twice the wait,
// until the lists show the change.
constexpr int SettleMs = 120;
constexpr int SettleTries = 4;

QString ValueName(TSide Side) {
    return Side == TSide::Output ? OutValueName : InValueName;
}

QString ErrorText(const std::exception &Error) {
    return QString::fromUtf8(Error.what());
}

} // namespace

// Around an open or close: Busy(Side, true) at the outermost start, Busy(Side, false) at its end.
class TMidiDevices::TBusy {
public:
    TBusy(TMidiDevices &Owner, TSide Side) : FOwner(Owner), FSide(Side) {
        if (FOwner.FBusy[Index(FSide)]++ == 0)
            Q_EMIT FOwner.Busy(FSide, true);
    }
    ~TBusy() {
        if (--FOwner.FBusy[Index(FSide)] == 0)
            Q_EMIT FOwner.Busy(FSide, false);
    }
    TBusy(const TBusy &) = delete;
    TBusy &operator=(const TBusy &) = delete;

private:
    TMidiDevices &FOwner;
    TSide FSide;
};

TMidiDevices::TMidiDevices(TMidiApi Api, QObject *Parent)
    : QObject(Parent), FRequested(Api), FPoll(new QTimer(this)), FSettle(new QTimer(this)) {
    FPoll->setInterval(PollMs);
    connect(FPoll, &QTimer::timeout, this, &TMidiDevices::Poll);
    FSettle->setSingleShot(true);
    FSettle->setInterval(SettleMs);
    connect(FSettle, &QTimer::timeout, this, &TMidiDevices::Settled);
    CreateDevices(Api);
    StartWatch();
}

TMidiDevices::~TMidiDevices() {
    FWatch.Stop(); // no word from the service's thread from here on
    // The input first: once it is closed, nothing plays through to the output any more.
    FInput.reset();
    FCallbackOutput.store(nullptr);
    FOutput.reset();
}

void TMidiDevices::CreateDevices(TMidiApi Api) {
    // From the service's thread: looked at on the UI thread. No timer asks in the meantime, so
    // an idle program does not wake up.
    const auto Gone = [this] {
        QMetaObject::invokeMethod(this, &TMidiDevices::WatchService, Qt::QueuedConnection);
    };
    // Both are closed here: the input first, so no thru send runs into the old output.
    FInput.reset();
    FCallbackOutput.store(nullptr);
    FOutput.reset();

    FOutput = std::make_unique<TMidiOutput>(Api);
    FOutput->OnServiceGone = Gone;
    FOutput->SetCapture(FCapture);
    for (TPeriodSource *Source : FSources)
        FOutput->AddSource(Source);
    FCallbackOutput.store(FOutput.get());

    FInput = std::make_unique<TMidiInput>(FOutput->Api());
    FInput->OnServiceGone = Gone;
    FInput->DataHandler = [this](TMidiInput &Input) { Q_EMIT InputWaiting(Input); };
    FInput->OverflowHandler = [this](TMidiInput &Input) { Q_EMIT InputOverflowed(Input); };
    FInput->SetActiveSensing(FActiveSensing);
    FInput->SetTimingClock(FTimingClock);
    FInput->SetThruHook(FThruHook);
}

bool TMidiDevices::AddSource(TPeriodSource *Source) {
    if (!Source)
        return false;
    if (std::find(FSources.cbegin(), FSources.cend(), Source) != FSources.cend())
        return true;
    if (!FOutput->AddSource(Source))
        return false;
    FSources.push_back(Source);
    return true;
}

void TMidiDevices::RemoveSource(TPeriodSource *Source) {
    FOutput->RemoveSource(Source);
    FSources.erase(std::remove(FSources.begin(), FSources.end(), Source), FSources.end());
}

void TMidiDevices::SetCapture(TCaptureTap *Tap) {
    FCapture = Tap;
    FOutput->SetCapture(Tap);
}

// --- The service ---------------------------------------------------------------------------------

TMidiApi TMidiDevices::Api() const {
    return FOutput->Api();
}

bool TMidiDevices::ServiceStarted() const {
    return FOutput->ServiceStarted();
}

QString TMidiDevices::ServiceName(TMidiApi Api) {
    switch (Api) {
    case TMidiApi::maAlsa:
        return QStringLiteral("ALSA");
    case TMidiApi::maJack:
        return QStringLiteral("JACK");
    case TMidiApi::maWinMM:
        return tr("Windows MIDI");
    case TMidiApi::maCoreMidi:
        return tr("Core MIDI");
    case TMidiApi::maAuto:
        return tr("Automatic");
    case TMidiApi::maNone:
        break;
    }
    return QStringLiteral("none");
}

void TMidiDevices::SetService(TMidiApi Api) {
    FRequested = Api;
    if (Api == FOutput->Api())
        return;
    // What the user chose stays chosen: opened again on the new service, or waited for there.
    std::array<QString, Sides> Chosen;
    for (TSide Side : {TSide::Input, TSide::Output}) {
        Chosen[Index(Side)] = IsOpen(Side) ? DeviceName(Side) : Awaited(Side);
        EndWait(Side);
        CloseReporting(Side);
        Q_EMIT DeviceChanged(Side);
    }
    FWatch.Stop();
    CreateDevices(Api);
    Q_EMIT ServiceChanged(FOutput->Api());
    Q_EMIT ListsChanged();
    StartWatch();
    for (TSide Side : BothSides)
        if (!Chosen[Index(Side)].isEmpty())
            Choose(Side, Chosen[Index(Side)]);
    // A device waited for has said so already, with the same advice.
    if (!ServiceStarted() && Awaited(TSide::Output).isEmpty() && Awaited(TSide::Input).isEmpty())
        Q_EMIT Notice(MidiBackend::NotRunningText(FOutput->Api()));
}

// --- The lists -----------------------------------------------------------------------------------

QList<TMidiDevices::TDevice> TMidiDevices::Devices(TSide Side) const {
    QList<TDevice> List;
    if (Side == TSide::Output) {
        // The built-in synthesizer needs no MIDI service: offered also when none runs.
        List.append({MidiMapper, FOutput->NameOf(MidiMapper)});
        for (int Id = 0; Id < FOutput->DeviceCount(); ++Id)
            if (QString Name = FOutput->NameOf(Id); !Name.isEmpty())
                List.append({Id, std::move(Name)});
    } else {
        for (int Id = 0; Id < FInput->DeviceCount(); ++Id)
            if (QString Name = FInput->NameOf(Id); !Name.isEmpty())
                List.append({Id, std::move(Name)});
    }
    return List;
}

bool TMidiDevices::Relist(TSide Side) {
    return Side == TSide::Output ? FOutput->Relist() : FInput->Relist();
}

bool TMidiDevices::PortGone(TSide Side) const {
    return Side == TSide::Output ? FOutput->PortGone() : FInput->PortGone();
}

void TMidiDevices::Refresh() {
    if (IsBusy()) {
        // Asked from inside an open or close (a message box's own event loop): afterwards.
        FSettle->start();
        return;
    }
    Update();
}

void TMidiDevices::Settled() {
    if (IsBusy()) {
        FSettle->start();
        return;
    }
    if (Update() || --FSettleTries <= 0)
        return;
    FSettle->setInterval(FSettle->interval() * 2);
    FSettle->start();
}

bool TMidiDevices::Update() {
    if (!FWatch.Active())
        StartWatch(); // a JACK server that came back
    bool Changed = false;
    for (TSide Side : BothSides) {
        Changed = Relist(Side) || Changed;
        if (!IsOpen(Side) || !PortGone(Side))
            continue;
        // A synth that was restarted, or a device unplugged: the port that comes back is a new
        // one, so it is waited for as a stored device missing at start-up is.
        const QString Name = DeviceName(Side);
        CloseReporting(Side);
        Await(Side, Name);
        Q_EMIT DeviceChanged(Side);
        Changed = Relist(Side) || Changed; // closed, the gone port leaves the list
        Q_EMIT Notice(tr("%1 \"%2\" went away; it opens again as soon as it appears.")
                          .arg(Title(Side), Name));
    }
    if (Changed)
        Q_EMIT ListsChanged();
    CheckFeedback();
    for (TSide Side : BothSides)
        OpenAwaited(Side);
    return Changed;
}

// --- The devices ---------------------------------------------------------------------------------

bool TMidiDevices::IsOpen(TSide Side) const {
    return Side == TSide::Output ? !FOutput->IsClosed() : !FInput->IsClosed();
}

int TMidiDevices::DeviceID(TSide Side) const {
    if (!IsOpen(Side))
        return NoDevice;
    return Side == TSide::Output ? FOutput->DeviceID() : FInput->DeviceID();
}

QString TMidiDevices::DeviceName(TSide Side) const {
    if (!IsOpen(Side))
        return {};
    return Side == TSide::Output ? FOutput->DeviceName() : FInput->DeviceName();
}

QString TMidiDevices::Awaited(TSide Side) const {
    return FAwaited[Index(Side)];
}

bool TMidiDevices::IsBusy() const {
    return FBusy[0] > 0 || FBusy[1] > 0;
}

void TMidiDevices::Select(TSide Side, int Device) {
    if (Side == TSide::Output)
        FOutput->SetDeviceID(Device);
    else
        FInput->SetDeviceID(Device);
}

void TMidiDevices::OpenDevice(TSide Side, int Device) {
    CloseDevice(Side);
    Select(Side, Device);
    const int Selected = Side == TSide::Output ? FOutput->DeviceID() : FInput->DeviceID();
    if (Selected != Device)
        throw EMidiError(QStringLiteral("Invalid Device ID ?!"));
    const QString Name = Side == TSide::Output ? FOutput->DeviceName() : FInput->DeviceName();
    bool Opened = false;
    if (Side == TSide::Output) {
        Opened = FOutput->Open();
    } else {
        FInput->SetThruHook(FThruHook);
        Opened = FInput->Open();
        if (const QString Loop = Feedback(); Opened && !Loop.isEmpty()) {
            FInput->Close();
            throw EMidiInputError(Loop);
        }
        FInput->Start();
    }
    if (!Opened || !IsOpen(Side))
        throw EMidiError(Name + tr(" could not be opened."));
    Q_EMIT TextMessage(tr("Opened ") + Name + tr(" successfully."));
    if (Side == TSide::Output)
        Q_EMIT OutputOpened(Name);
    else
        Q_EMIT InputOpened(Name);
}

void TMidiDevices::CloseDevice(TSide Side) {
    if (IsOpen(Side)) {
        const QString Name = DeviceName(Side);
        Q_EMIT TextMessage(tr("Closing ") + Name + tr(" ..."));
        if (Side == TSide::Output)
            Q_EMIT OutputClosing(Name);
        else
            Q_EMIT InputClosing(Name);
        // The devices let go of their port even when closing fails.
        const auto Closed = qScopeGuard([&] {
            if (IsOpen(Side))
                return;
            Select(Side, NoDevice);
            if (Side == TSide::Output)
                Q_EMIT OutputClosed(Name);
            else
                Q_EMIT InputClosed(Name);
        });
        if (Side == TSide::Output) {
            FOutput->Close();
        } else {
            FInput->Stop();
            FInput->Close();
        }
        Q_EMIT TextMessage(tr("Closed ") + Name + tr(" successfully."));
    }
    Select(Side, NoDevice);
}

bool TMidiDevices::CloseReporting(TSide Side) {
    const bool WasOpen = IsOpen(Side);
    TBusy Working(*this, Side);
    try {
        CloseDevice(Side);
    } catch (const std::exception &Failure) {
        Q_EMIT Error(ErrorText(Failure));
    }
    return WasOpen;
}

bool TMidiDevices::Open(TSide Side, int Device) {
    EndWait(Side); // the user's choice
    if (IsOpen(Side) && DeviceID(Side) == Device)
        return true;
    {
        TBusy Working(*this, Side);
        try {
            OpenDevice(Side, Device);
        } catch (const std::exception &Failure) {
            Q_EMIT Error(ErrorText(Failure));
            try {
                CloseDevice(Side);
            } catch (const std::exception &CloseFailure) {
                Q_EMIT Error(ErrorText(CloseFailure));
            }
        }
    }
    Q_EMIT DeviceChanged(Side);
    return IsOpen(Side);
}

int TMidiDevices::Find(TSide Side, const QString &Name) const {
    const QString Key = NameKey(Name);
    if (Key.isEmpty())
        return NoDevice;
    for (const TDevice &Device : Devices(Side))
        if (NameKey(Device.Name) == Key)
            return Device.Id;
    return NoDevice;
}

bool TMidiDevices::OpenByName(TSide Side, const QString &Name) {
    const int Device = Find(Side, Name);
    if (Device == NoDevice)
        return false;
    return Open(Side, Device);
}

void TMidiDevices::Close(TSide Side) {
    EndWait(Side);
    CloseReporting(Side);
    Q_EMIT DeviceChanged(Side);
}

QString TMidiDevices::NameKey(const QString &Name) {
    static const QRegularExpression AlsaAddress(QStringLiteral("\\s+\\d+:\\d+\\s*$"));
    static const QRegularExpression Blanks(QStringLiteral("\\s+"));
    QString Key = Name;
    Key.remove(AlsaAddress);
    Key.remove(Blanks);
    return Key.toLower();
}

QString TMidiDevices::Title(TSide Side) {
    return Side == TSide::Output ? tr("Midi Out") : tr("Midi In");
}

void TMidiDevices::Choose(TSide Side, const QString &Name) {
    if (Name == NoneValue || NameKey(Name) == NoneCaption)
        return;
    QString Said;
    if (MidiBackend::IsOwnPort(Name)) {
        // Kept from a version that offered them: the program would hear itself.
        Said = tr("%1 \"%2\" is a port of Ondrel's own; it was not opened.").arg(Title(Side), Name);
    } else if (const int Device = Find(Side, Name); Device != NoDevice) {
        Open(Side, Device);
    } else {
        Await(Side, Name);
        Q_EMIT DeviceChanged(Side);
        Said = tr("%1 \"%2\" is not there; it opens as soon as it appears.").arg(Title(Side), Name);
        if (!ServiceStarted())
            Said += QLatin1Char(' ') + MidiBackend::NotRunningText(Api());
    }
    if (!Said.isEmpty())
        Q_EMIT Notice(Said);
}

// --- Waiting for a device ------------------------------------------------------------------------

void TMidiDevices::Await(TSide Side, const QString &Name) {
    FAwaited[Index(Side)] = Name;
    if (!Name.isEmpty() && !FWatch.Active())
        FPoll->start();
}

void TMidiDevices::EndWait(TSide Side) {
    FAwaited[Index(Side)].clear();
    if (FAwaited[0].isEmpty() && FAwaited[1].isEmpty())
        FPoll->stop();
}

void TMidiDevices::OpenAwaited(TSide Side) {
    // Only once its service lists it again: the Midi-Mapper is always listed, but it waits for
    // the JACK server it was playing through.
    const QString Name = Awaited(Side);
    if (Name.isEmpty() || IsOpen(Side) || !ServiceStarted())
        return;
    const int Device = Find(Side, Name);
    if (Device != NoDevice)
        Open(Side, Device); // ends the wait
}

void TMidiDevices::StartWatch() {
    // From the service's thread: one refresh on the way is enough for a burst of changes.
    const auto Changed = [this] {
        if (!FRefreshPosted.exchange(true))
            QMetaObject::invokeMethod(
                this,
                [this] {
                    FRefreshPosted = false;
                    FSettleTries = SettleTries;
                    if (!FSettle->isActive()) {
                        FSettle->setInterval(SettleMs);
                        FSettle->start();
                    }
                },
                Qt::QueuedConnection);
    };
    const auto Gone = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                // Let go of the lost server's client at once (see TJackPortWatch).
                FWatch.Stop();
                if (!FAwaited[0].isEmpty() || !FAwaited[1].isEmpty())
                    FPoll->start();
            },
            Qt::QueuedConnection);
    };
    if (FWatch.Start(FOutput->Api(), Changed, Gone))
        FPoll->stop();
}

void TMidiDevices::Poll() {
    Refresh();
    if (FAwaited[0].isEmpty() && FAwaited[1].isEmpty())
        FPoll->stop();
}

// --- A lost service ------------------------------------------------------------------------------

void TMidiDevices::WatchService() {
    const auto Gone = [](TMidiApi Api) {
        return tr("The %1 server is no longer running.").arg(ServiceName(Api));
    };
    if (IsOpen(TSide::Output) && !FOutput->ServiceAlive())
        ServiceLost(FOutput->Api(), Gone(FOutput->Api()));
    else if (IsOpen(TSide::Input) && !FInput->ServiceAlive())
        ServiceLost(FInput->Api(), Gone(FInput->Api()));
}

void TMidiDevices::ServiceLost(TMidiApi Api, const QString &Reason) {
    if (FLosing || Api != FOutput->Api())
        return;
    FLosing = true;
    const auto Done = qScopeGuard([this] { FLosing = false; });
    QStringList Closed;
    // Closing lets go of the held notes; nothing reaches the lost service. The devices open
    // again once their service lists them.
    for (TSide Side : BothSides) {
        if (!IsOpen(Side))
            continue;
        const QString Name = DeviceName(Side);
        Closed << Name;
        CloseReporting(Side);
        Await(Side, Name);
        Q_EMIT DeviceChanged(Side);
    }
    if (Closed.isEmpty())
        return;
    const QString Service = Api == TMidiApi::maJack ? tr("JACK server") : tr("MIDI service");
    Q_EMIT Notice(Closed.size() == 1
                      ? tr("%1 %2 was closed; it opens again when the %3 is back.")
                            .arg(Reason, Closed[0], Service)
                      : tr("%1 %2 and %3 were closed; they open again when the %4 is back.")
                            .arg(Reason, Closed[0], Closed[1], Service));
}

// --- The input -----------------------------------------------------------------------------------

void TMidiDevices::SetActiveSensing(bool Value) {
    FActiveSensing = Value;
    FInput->SetActiveSensing(Value);
}

void TMidiDevices::SetTimingClock(bool Value) {
    FTimingClock = Value;
    FInput->SetTimingClock(Value);
}

void TMidiDevices::SetThru(bool Value) {
    FThru = Value;
    CheckFeedback();
}

void TMidiDevices::SetThruHook(TMidiThruHook *Hook) {
    FThruHook = Hook;
    FInput->SetThruHook(Hook);
}

QString TMidiDevices::Feedback() const {
    if (!FThru || !IsOpen(TSide::Input))
        return {};
    const QString Loop = MidiBackend::OwnFeedback(FInput->Api());
    if (Loop.isEmpty())
        return {};
    return tr("Midi In closed: what Ondrel sends comes straight back to it (%1), "
              "and Midi Thru would play every note again and again.")
        .arg(Loop);
}

void TMidiDevices::CheckFeedback() {
    // A connection made by someone else (a patchbay) after the input was opened.
    if (const QString Loop = Feedback(); !Loop.isEmpty()) {
        CloseReporting(TSide::Input);
        Q_EMIT DeviceChanged(TSide::Input);
        Q_EMIT Error(Loop);
    }
}

// --- Settings ------------------------------------------------------------------------------------

TMidiApi TMidiDevices::StoredApi(const TCustomIniFile &Store) {
    try {
        return MidiBackend::ApiFromName(Store.ReadString(Section, ServiceValueName, QString()));
    } catch (const std::exception &) {
        return TMidiApi::maAuto;
    }
}

void TMidiDevices::Load(const TCustomIniFile &Store, const TChoice &Given) {
    // The SoundFont before the Midi-Mapper opens with it.
    Synth::LoadSettings(Store, Section);
    try {
        SetActiveSensing(Store.ReadBool(Section, ActiveSensingName, FActiveSensing));
        SetTimingClock(Store.ReadBool(Section, TimingClockName, FTimingClock));
    } catch (const std::exception &) {
        // Dropped: the values held so far stay.
    }
    for (TSide Side : BothSides) {
        EndWait(Side);
        CloseReporting(Side);
        QString Chosen = Side == TSide::Output ? Given.Output : Given.Input;
        if (Chosen.isEmpty()) {
            try {
                Chosen = Store.ReadString(Section, ValueName(Side), QString());
            } catch (const std::exception &) {
                Chosen = NoneValue; // an unreadable store chooses nothing
            }
        }
        if (!Chosen.isEmpty()) {
            Choose(Side, Chosen);
        } else if (FDefaultMidiMapper) {
            // A first start: the built-in synthesizer, and the first input there is.
            if (const QList<TDevice> List = Devices(Side); !List.isEmpty())
                Open(Side, List.first().Id);
        }
        Q_EMIT DeviceChanged(Side);
    }
}

void TMidiDevices::Save(TCustomIniFile &Store) const {
    for (TSide Side : BothSides) {
        // A device waited for is still the user's choice.
        const QString Closed = Awaited(Side).isEmpty() ? NoneValue : Awaited(Side);
        Store.WriteString(Section, ValueName(Side), IsOpen(Side) ? DeviceName(Side) : Closed);
    }
    Store.WriteBool(Section, ActiveSensingName, FActiveSensing);
    Store.WriteBool(Section, TimingClockName, FTimingClock);
    if (FRequested != TMidiApi::maAuto)
        Store.WriteString(Section, ServiceValueName, MidiBackend::ApiName(FRequested));
    Synth::SaveSettings(Store, Section);
}

// --- The router's output -------------------------------------------------------------------------

void TMidiDevices::Send(const TShortMessage &Message) {
    try {
        FOutput->Send(Message);
    } catch (const EMidiError &) {
        if (FLosing)
            return; // the notes let go while closing have nowhere to go
        // Most often JACK tells first; when a send is quicker, the loss is handled all the same.
        if (IsOpen(TSide::Output) && !FOutput->ServiceAlive())
            QMetaObject::invokeMethod(this, &TMidiDevices::WatchService, Qt::QueuedConnection);
        throw;
    }
}

bool TMidiDevices::SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept {
    TMidiOutput *Output = FCallbackOutput.load();
    return Output && Output->SendFromCallback(Data, Size, Frame);
}

bool TMidiDevices::ServiceAlive() const {
    return FOutput->ServiceAlive();
}
