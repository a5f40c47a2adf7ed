#include "midi/midimenu.h"

#include "core/custominifile.h"
#include "midi/midierror.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

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
      FGroup(new QActionGroup(this)) {
    // Radio marks: one entry of the menu is always the chosen one.
    FGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

TMidiMenuBase::~TMidiMenuBase() = default;

void TMidiMenuBase::SetRegKey(const QString &Value) {
    if (!Value.trimmed().isEmpty())
        FRegKey = Value;
}

void TMidiMenuBase::SetBaseMenu(QMenu *Menu) {
    if (FBaseMenu || !Menu || !IsMenuBarMenu(Menu))
        return;
    ClearEntries(); // left from a base menu that has been destroyed since
    FBaseMenu = Menu;
    BuildEntries(nullptr);
}

void TMidiMenuBase::BuildEntries(QAction *Before) {
    FInsertBefore = Before;
    try {
        Close(); // devices can only be selected while closed
    } catch (const std::exception &Error) {
        ReportError(ErrorText(Error));
    }
    InsertEntry(0, NoneCaption, NoDevice);
    auto *Separator = new QAction(this);
    Separator->setSeparator(true);
    if (FBaseMenu)
        FBaseMenu->insertAction(FInsertBefore, Separator);
    FEntries.append(Separator);

    for (int Device = 0; Device < DeviceCount(); ++Device) {
        QString Name;
        try {
            SelectDevice(Device);
            if (DeviceID() != Device)
                continue;
            Name = DeviceName();
        } catch (const std::exception &) {
            continue; // a device that cannot be asked is not offered
        }
        InsertEntry(int(FEntries.size()), Name, Device);
    }
    try {
        Close();
    } catch (const std::exception &Error) {
        ReportError(ErrorText(Error));
    }
    AddExtraEntries();
    FInsertBefore = nullptr;
    UpdateCheckMarks();
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
        if (Entry == FEntries.value(0))
            CloseWithCursor();
        else
            EntryTriggered(Entry);
    });
    return Entry;
}

void TMidiMenuBase::ClearEntries() {
    const QList<QAction *> Old = std::exchange(FEntries, {});
    qDeleteAll(Old); // which also takes them out of the menu
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
        SelectByName(Stored);
    }
    UpdateCheckMarks();
}

void TMidiMenuBase::Save(TCustomIniFile &Store) {
    Store.WriteString(FRegKey, ValueName(), IsClosed() ? NoneValue : DeviceName());
}

void TMidiMenuBase::SetApi(TMidiApi Api) {
    CloseWithCursor();
    QAction *After = nullptr;
    if (FBaseMenu && !FEntries.isEmpty()) {
        const QList<QAction *> InMenu = FBaseMenu->actions();
        const qsizetype Last = InMenu.indexOf(FEntries.last());
        if (Last >= 0 && Last + 1 < InMenu.size())
            After = InMenu.at(Last + 1);
    }
    ClearEntries();
    if (OnDeviceReplacing)
        OnDeviceReplacing(this);
    RecreateDevice(Api);
    if (OnDeviceReplaced)
        OnDeviceReplaced(this);
    if (FBaseMenu)
        BuildEntries(After);
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

void TMidiOutMenu::AddExtraEntries() {
    if (DeviceCount() > 0)
        InsertEntry(2, MapperCaption, TMidiOutput::MidiMapper);
}

TMidiInMenu::TMidiInMenu(QObject *Parent, TMidiApi Api)
    : TMidiMenuBase(Parent), FInput(std::make_unique<TMidiInput>(Api)) {}

TMidiInMenu::~TMidiInMenu() = default;

QString TMidiInMenu::ValueName() const {
    return InValueName;
}

bool TMidiInMenu::OpenDevice() {
    if (!FInput->Open())
        return false;
    FInput->Start();
    return true;
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
