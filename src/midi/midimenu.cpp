#include "midi/midimenu.h"

#include "core/custominifile.h"
#include "midi/midierror.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <utility>

const QString TMidiMenuBase::DefaultRegKey = QStringLiteral("MidiDevices");
const QString TMidiMenuBase::PlaceholderRegPath = QStringLiteral("Company\\Program Name");
const QString TMidiMenuBase::NoneValue = QStringLiteral("(none)");
const QString TMidiOutMenu::MapperCaption = QStringLiteral("Midi-Mapper");

namespace {

const QString NoneCaption = QStringLiteral("none");
const QString OutValueName = QStringLiteral("MidiOut");
const QString InValueName = QStringLiteral("MidiIn");
const QString ActiveSensingName = QStringLiteral("ActiveSensing");
const QString TimingClockName = QStringLiteral("TimingClock");
// While a chosen device is waited for where no word of port changes comes (the ALSA sequencer,
// a JACK server that went away): how often its service is asked again.
constexpr int PollMs = 1500;
// JACK tells of a port change before its clients can see it: a port that went away is listed
// until the server's next cycle or two. Longer than the longest period a desktop runs.
constexpr int SettleMs = 120;

// The wait cursor for the time a device takes to open or close; restored on every way out.
class TBusyCursor {
public:
    TBusyCursor() : FShown(qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (FShown)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TBusyCursor() {
        if (FShown)
            QGuiApplication::restoreOverrideCursor();
    }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;

private:
    bool FShown;
};

QString ErrorText(const std::exception &Error) {
    return QString::fromUtf8(Error.what());
}

// A device name containing '&' must not turn into a mnemonic.
QString EscapedCaption(const QString &Caption) {
    return QString(Caption).replace(u'&', QStringLiteral("&&"));
}

QString Caption(const QAction *Entry) {
    return Entry->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

bool IsMenuBarMenu(QMenu *Menu) {
    const QList<QObject *> Holders = Menu->menuAction()->associatedObjects();
    return std::any_of(Holders.begin(), Holders.end(),
                       [](QObject *Holder) { return qobject_cast<QMenuBar *>(Holder); });
}

} // namespace

TMidiMenuBase::TMidiMenuBase(QObject *Parent)
    : QObject(Parent), FRegKey(DefaultRegKey), FRegPath(PlaceholderRegPath),
      FGroup(new QActionGroup(this)), FPoll(new QTimer(this)), FSettle(new QTimer(this)) {
    // Radio marks: one entry of the menu is always the chosen one.
    FGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    FPoll->setInterval(PollMs);
    connect(FPoll, &QTimer::timeout, this, &TMidiMenuBase::Poll);
    FSettle->setSingleShot(true);
    FSettle->setInterval(SettleMs);
    connect(FSettle, &QTimer::timeout, this, &TMidiMenuBase::Refresh);
}

TMidiMenuBase::~TMidiMenuBase() {
    FWatch.Stop(); // no word from the service's thread from here on
}

void TMidiMenuBase::SetRegKey(const QString &Value) {
    if (!Value.trimmed().isEmpty())
        FRegKey = Value;
}

void TMidiMenuBase::SetBaseMenu(QMenu *Menu) {
    if (FBaseMenu || !Menu || !IsMenuBarMenu(Menu))
        return;
    ClearEntries(); // left from a base menu that has been destroyed since
    FBaseMenu = Menu;
    try {
        Close();
    } catch (const std::exception &Error) {
        ReportError(ErrorText(Error));
    }
    BuildEntries(nullptr);
    // Programs started after us show up when the menu is opened.
    connect(Menu, &QMenu::aboutToShow, this, &TMidiMenuBase::Refresh);
    StartWatch();
}

void TMidiMenuBase::BuildEntries(QAction *Before) {
    FInsertBefore = Before;
    InsertEntry(0, NoneCaption, NoDevice);
    auto *Separator = new QAction(this);
    Separator->setSeparator(true);
    if (FBaseMenu)
        FBaseMenu->insertAction(FInsertBefore, Separator);
    FEntries.append(Separator);

    for (int Device = 0; Device < DeviceCount(); ++Device)
        if (const QString Name = NameOf(Device); !Name.isEmpty())
            InsertEntry(int(FEntries.size()), Name, Device);
    AddExtraEntries();
    FInsertBefore = nullptr;
    UpdateCheckMarks();
}

void TMidiMenuBase::RebuildEntries() {
    // In place: the menu's own actions after our entries stay where they are.
    QAction *After = nullptr;
    if (FBaseMenu && !FEntries.isEmpty()) {
        const QList<QAction *> InMenu = FBaseMenu->actions();
        const qsizetype Last = InMenu.indexOf(FEntries.last());
        if (Last >= 0 && Last + 1 < InMenu.size())
            After = InMenu.at(Last + 1);
    }
    ClearEntries();
    if (FBaseMenu)
        BuildEntries(After);
}

QAction *TMidiMenuBase::InsertEntry(int Position, const QString &Caption, int Tag) {
    auto *Entry = new QAction(EscapedCaption(Caption), this);
    Entry->setCheckable(true);
    Entry->setData(Tag);
    FGroup->addAction(Entry);
    const bool Inside = Position >= 0 && Position < FEntries.size();
    if (FBaseMenu)
        FBaseMenu->insertAction(Inside ? FEntries.at(Position) : FInsertBefore, Entry);
    FEntries.insert(Inside ? Position : FEntries.size(), Entry);
    connect(Entry, &QAction::triggered, this, [this, Entry] {
        EndWait(); // the user's choice
        if (Entry == FEntries.value(0))
            CloseWithCursor();
        else
            EntryTriggered(Entry);
    });
    return Entry;
}

void TMidiMenuBase::ClearEntries() {
    // Out of the menu at once; deleted later, as one of them may be the sender of the click
    // that is still being handled (a message box's own event loop refreshes too).
    for (QAction *Entry : std::exchange(FEntries, {})) {
        if (FBaseMenu)
            FBaseMenu->removeAction(Entry);
        FGroup->removeAction(Entry);
        Entry->disconnect(this);
        Entry->deleteLater();
    }
}

void TMidiMenuBase::EntryTriggered(QAction *Entry) {
    const int Tag = Entry->data().toInt();
    if (Tag != DeviceID()) {
        TBusyCursor Busy;
        try {
            Open(Tag);
        } catch (const std::exception &Error) {
            ReportError(ErrorText(Error));
            try {
                Close();
            } catch (const std::exception &CloseError) {
                ReportError(ErrorText(CloseError));
            }
        }
    }
    // Also after a click on the open device: the click itself has toggled its mark.
    UpdateCheckMarks();
}

void TMidiMenuBase::UpdateCheckMarks() {
    QAction *Chosen = nullptr;
    if (IsClosed()) {
        Chosen = FEntries.value(0);
    } else {
        for (QAction *Entry : std::as_const(FEntries))
            if (Entry->isCheckable() && Entry != FEntries.first() &&
                Entry->data().toInt() == DeviceID()) {
                Chosen = Entry;
                break;
            }
    }
    for (QAction *Entry : std::as_const(FEntries))
        if (Entry != Chosen && Entry->isCheckable())
            Entry->setChecked(false);
    if (Chosen)
        Chosen->setChecked(true);
}

void TMidiMenuBase::Open(int Device) {
    Close();
    SelectDevice(Device);
    if (DeviceID() != Device)
        throw EMidiError(QStringLiteral("Invalid Device ID ?!"));
    if (!OpenDevice() || IsClosed())
        throw EMidiError(DeviceName() + QStringLiteral(" could not be opened."));
    Text(QStringLiteral("Opened ") + DeviceName() + QStringLiteral(" successfully."));
    if (OnAfterOpen)
        OnAfterOpen(this);
}

void TMidiMenuBase::Close() {
    if (!IsClosed()) {
        const QString Name = DeviceName();
        Text(QStringLiteral("Closing ") + Name + QStringLiteral(" ..."));
        if (OnBeforeClose)
            OnBeforeClose(this);
        try {
            CloseDevice();
        } catch (const std::exception &) {
            // The devices let go of their port even when closing fails.
            if (IsClosed())
                SelectDevice(NoDevice);
            throw;
        }
        Text(QStringLiteral("Closed ") + Name + QStringLiteral(" successfully."));
    }
    SelectDevice(NoDevice);
}

void TMidiMenuBase::CloseWithCursor() {
    {
        TBusyCursor Busy;
        try {
            Close();
        } catch (const std::exception &Error) {
            ReportError(ErrorText(Error));
        }
    }
    UpdateCheckMarks();
}

QString TMidiMenuBase::NameKey(const QString &Name) {
    static const QRegularExpression AlsaAddress(QStringLiteral("\\s+\\d+:\\d+\\s*$"));
    static const QRegularExpression Blanks(QStringLiteral("\\s+"));
    QString Key = Name;
    Key.remove(AlsaAddress);
    Key.remove(Blanks);
    return Key.toLower();
}

QAction *TMidiMenuBase::EntryFor(const QString &Name) const {
    const QString Key = NameKey(Name);
    for (QAction *Entry : FEntries)
        if (!Entry->isSeparator() && Entry != FEntries.first() && NameKey(Caption(Entry)) == Key)
            return Entry;
    return nullptr;
}

bool TMidiMenuBase::SelectByName(const QString &Name) {
    const QString Key = NameKey(Name);
    if (Key.isEmpty())
        return false;
    for (QAction *Entry : std::as_const(FEntries)) {
        if (Entry->isSeparator() || NameKey(Caption(Entry)) != Key)
            continue;
        if (Entry == FEntries.first())
            CloseWithCursor();
        else
            EntryTriggered(Entry);
        return true;
    }
    return false;
}

bool TMidiMenuBase::LoadAllowed() const {
    return !FRegPath.trimmed().isEmpty() && FRegPath != PlaceholderRegPath;
}

void TMidiMenuBase::Load(const TCustomIniFile &Store) {
    if (!LoadAllowed() || !FBaseMenu)
        return;
    EndWait();
    try {
        Close();
    } catch (const std::exception &) {
        // Dropped: the device is closed all the same.
    }
    QString Stored;
    try {
        Stored = Store.ReadString(FRegKey, ValueName(), QString());
    } catch (const std::exception &) {
        Stored = NoneValue; // an unreadable store chooses nothing
    }
    if (Stored.isEmpty()) {
        if (FDefaultMidiMapper && FEntries.size() > 2)
            EntryTriggered(FEntries.at(2));
    } else if (Stored != NoneValue) {
        QString Notice;
        if (MidiBackend::IsOwnPort(Stored)) {
            // Kept from a version that offered them: the program would hear itself.
            Notice = QStringLiteral("%1 \"%2\" is a port of Ondrel's own; it was not opened.")
                         .arg(Title(), Stored);
        } else if (!SelectByName(Stored)) {
            Await(Stored);
            Notice = QStringLiteral("%1 \"%2\" is not there; it opens as soon as it appears.")
                         .arg(Title(), Stored);
            if (!ServiceStarted())
                Notice += QLatin1Char(' ') + MidiBackend::NotRunningText(Api());
        }
        if (!Notice.isEmpty() && OnNotice)
            OnNotice(this, Notice);
    }
    UpdateCheckMarks();
}

void TMidiMenuBase::Save(TCustomIniFile &Store) {
    const QString Closed = FAwaited.isEmpty() ? NoneValue : FAwaited;
    Store.WriteString(FRegKey, ValueName(), IsClosed() ? Closed : DeviceName());
}

void TMidiMenuBase::Refresh() {
    if (!FBaseMenu)
        return;
    if (!FWatch.Active())
        StartWatch(); // a JACK server that came back
    bool Changed = RelistDevices();
    if (!IsClosed() && DeviceGone()) {
        // A synth that was restarted, or a device unplugged: the port that comes back is a new
        // one, so it is waited for as a stored device missing at start-up is.
        const QString Name = DeviceName();
        CloseWithCursor();
        Await(Name);
        Changed = RelistDevices() || Changed; // closed, the gone port leaves the list
        if (OnNotice)
            OnNotice(this, QStringLiteral("%1 \"%2\" went away; it opens again as soon as it "
                                          "appears.")
                               .arg(Title(), Name));
    }
    if (Changed)
        RebuildEntries();
    Refreshed();
    OpenAwaited();
}

void TMidiMenuBase::Await(const QString &Name) {
    FAwaited = Name;
    if (!FAwaited.isEmpty() && !FWatch.Active())
        FPoll->start();
}

void TMidiMenuBase::EndWait() {
    FAwaited.clear();
    FPoll->stop();
}

void TMidiMenuBase::OpenAwaited() {
    // Only once its service lists it again: the Midi-Mapper is always listed, but it waits for
    // the JACK server it was playing through.
    if (FAwaited.isEmpty() || !IsClosed() || !ServiceStarted())
        return;
    QAction *Entry = EntryFor(FAwaited);
    if (!Entry)
        return;
    EndWait();
    EntryTriggered(Entry);
}

void TMidiMenuBase::StartWatch() {
    if (!FBaseMenu)
        return;
    // From the service's thread: one refresh on the way is enough for a burst of changes.
    const auto Changed = [this] {
        if (!FRefreshPosted.exchange(true))
            QMetaObject::invokeMethod(
                this,
                [this] {
                    FRefreshPosted = false;
                    if (!FSettle->isActive())
                        FSettle->start();
                },
                Qt::QueuedConnection);
    };
    const auto Gone = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                // Let go of the lost server's client at once (see TJackPortWatch).
                FWatch.Stop();
                if (!FAwaited.isEmpty())
                    FPoll->start();
            },
            Qt::QueuedConnection);
    };
    if (FWatch.Start(Api(), Changed, Gone))
        FPoll->stop();
}

void TMidiMenuBase::Poll() {
    Refresh();
    if (FAwaited.isEmpty() || !FBaseMenu)
        FPoll->stop();
}

void TMidiMenuBase::SetApi(TMidiApi Api) {
    CloseWithCursor();
    FWatch.Stop();
    if (OnDeviceReplacing)
        OnDeviceReplacing(this);
    RecreateDevice(Api);
    if (OnDeviceReplaced)
        OnDeviceReplaced(this);
    RebuildEntries();
    StartWatch();
    OpenAwaited();
}

void TMidiMenuBase::Text(const QString &Message) {
    if (OnTextMessage)
        OnTextMessage(this, Message);
}

void TMidiMenuBase::ReportError(const QString &Message) {
    if (OnError)
        OnError(this, Message);
}

TMidiOutMenu::TMidiOutMenu(QObject *Parent, TMidiApi Api)
    : TMidiMenuBase(Parent), FOutput(std::make_unique<TMidiOutput>(Api)) {}

TMidiOutMenu::~TMidiOutMenu() = default;

QString TMidiOutMenu::ValueName() const {
    return OutValueName;
}

void TMidiOutMenu::RecreateDevice(TMidiApi Api) {
    auto gone = std::move(FOutput->OnServiceGone); // the owner's, whatever the service
    FOutput = std::make_unique<TMidiOutput>(Api);
    FOutput->OnServiceGone = std::move(gone);
}

QString TMidiOutMenu::Title() const {
    return QStringLiteral("Midi Out");
}

void TMidiOutMenu::AddExtraEntries() {
    // The built-in synthesizer needs no MIDI service: offered also when none runs.
    InsertEntry(2, MapperCaption, TMidiOutput::MidiMapper);
}

TMidiInMenu::TMidiInMenu(QObject *Parent, TMidiApi Api)
    : TMidiMenuBase(Parent), FInput(std::make_unique<TMidiInput>(Api)) {}

TMidiInMenu::~TMidiInMenu() = default;

QString TMidiInMenu::ValueName() const {
    return InValueName;
}

QString TMidiInMenu::Title() const {
    return QStringLiteral("Midi In");
}

void TMidiInMenu::SetThru(bool Value) {
    FThru = Value;
    Refreshed();
}

QString TMidiInMenu::Feedback() const {
    if (!FThru || IsClosed())
        return {};
    const QString Loop = MidiBackend::OwnFeedback(Api());
    if (Loop.isEmpty())
        return {};
    return QStringLiteral("Midi In closed: what Ondrel sends comes straight back to it (%1), "
                          "and Midi Thru would play every note again and again.")
        .arg(Loop);
}

bool TMidiInMenu::OpenDevice() {
    if (!FInput->Open())
        return false;
    if (const QString Loop = Feedback(); !Loop.isEmpty()) {
        FInput->Close();
        throw EMidiInputError(Loop);
    }
    FInput->Start();
    return true;
}

void TMidiInMenu::Refreshed() {
    // A connection made by someone else (a patchbay) after the input was opened.
    if (const QString Loop = Feedback(); !Loop.isEmpty()) {
        CloseWithCursor();
        ReportError(Loop);
    }
}

void TMidiInMenu::CloseDevice() {
    FInput->Stop();
    FInput->Close();
}

void TMidiInMenu::RecreateDevice(TMidiApi Api) {
    auto Input = std::make_unique<TMidiInput>(Api);
    Input->DataHandler = FInput->DataHandler;
    Input->OverflowHandler = FInput->OverflowHandler;
    Input->OnServiceGone = FInput->OnServiceGone;
    Input->SetActiveSensing(FInput->ActiveSensing());
    Input->SetTimingClock(FInput->TimingClock());
    FInput = std::move(Input);
}

void TMidiInMenu::Load(const TCustomIniFile &Store) {
    TMidiMenuBase::Load(Store);
    if (!LoadAllowed())
        return;
    try {
        SetActiveSensing(Store.ReadBool(RegKey(), ActiveSensingName, ActiveSensing()));
        SetTimingClock(Store.ReadBool(RegKey(), TimingClockName, TimingClock()));
    } catch (const std::exception &) {
        // Dropped: the values held so far stay.
    }
}

void TMidiInMenu::Save(TCustomIniFile &Store) {
    TMidiMenuBase::Save(Store);
    Store.WriteBool(RegKey(), ActiveSensingName, ActiveSensing());
    Store.WriteBool(RegKey(), TimingClockName, TimingClock());
}
