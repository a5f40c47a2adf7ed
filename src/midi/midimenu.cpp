#include "midi/midimenu.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>

#include <utility>

namespace {

const QString NoneCaption = QStringLiteral("none");

// A device name containing '&' must not turn into a mnemonic.
QString EscapedCaption(const QString &Caption) {
    return QString(Caption).replace(u'&', QStringLiteral("&&"));
}

} // namespace

TMidiMenuBase::TMidiMenuBase(TMidiDevices &Devices, TMidiDevices::TSide Side, QMenu *Menu,
                             QObject *Parent)
    : QObject(Parent), FDevices(Devices), FSide(Side), FBaseMenu(Menu),
      FGroup(new QActionGroup(this)) {
    // Radio marks: one entry of the menu is always the chosen one.
    FGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    Rebuild();
    connect(&FDevices, &TMidiDevices::ListsChanged, this, &TMidiMenuBase::Rebuild);
    connect(&FDevices, &TMidiDevices::DeviceChanged, this, [this](TMidiDevices::TSide Changed) {
        if (Changed == FSide)
            UpdateCheckMarks();
    });
    connect(&FDevices, &TMidiDevices::Busy, this, [this](TMidiDevices::TSide Working, bool On) {
        if (Working == FSide)
            SetBusy(On);
    });
    // Programs started after us show up when the menu is opened.
    if (FBaseMenu)
        connect(FBaseMenu, &QMenu::aboutToShow, &FDevices, &TMidiDevices::Refresh);
}

TMidiMenuBase::~TMidiMenuBase() {
    while (FBusyCursors > 0)
        SetBusy(false);
    ClearEntries();
}

void TMidiMenuBase::Rebuild() {
    // Only when our own side changed: rebuilt entries under an open menu lose the user's place.
    QList<TMidiDevices::TDevice> Devices = FDevices.Devices(FSide);
    if (!FEntries.isEmpty() && Devices == FShown) {
        UpdateCheckMarks();
        return;
    }
    FShown = std::move(Devices);
    // In place: the menu's own actions after our entries stay where they are.
    QAction *After = nullptr;
    if (FBaseMenu && !FEntries.isEmpty()) {
        const QList<QAction *> InMenu = FBaseMenu->actions();
        const qsizetype Last = InMenu.indexOf(FEntries.last());
        if (Last >= 0 && Last + 1 < InMenu.size())
            After = InMenu.at(Last + 1);
    }
    ClearEntries();
    AddEntry(NoneCaption, TMidiDevices::NoDevice, After);
    auto *Separator = new QAction(this);
    Separator->setSeparator(true);
    if (FBaseMenu)
        FBaseMenu->insertAction(After, Separator);
    FEntries.append(Separator);
    for (const TMidiDevices::TDevice &Device : std::as_const(FShown))
        AddEntry(Device.Name, Device.Id, After);
    UpdateCheckMarks();
}

QAction *TMidiMenuBase::AddEntry(const QString &Caption, int Tag, QAction *Before) {
    auto *Entry = new QAction(EscapedCaption(Caption), this);
    Entry->setCheckable(true);
    Entry->setData(Tag);
    FGroup->addAction(Entry);
    if (FBaseMenu)
        FBaseMenu->insertAction(Before, Entry);
    FEntries.append(Entry);
    connect(Entry, &QAction::triggered, this, [this, Entry] { Clicked(Entry); });
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

void TMidiMenuBase::Clicked(QAction *Entry) {
    // Entry may be gone once the owner has answered: the lists can change meanwhile.
    if (Entry == FEntries.value(0))
        FDevices.Close(FSide);
    else
        FDevices.Open(FSide, Entry->data().toInt());
    // Also after a click on the open device: the click itself has toggled its mark.
    UpdateCheckMarks();
}

void TMidiMenuBase::UpdateCheckMarks() {
    QAction *Chosen = nullptr;
    if (!FDevices.IsOpen(FSide)) {
        Chosen = FEntries.value(0);
    } else {
        const int Open = FDevices.DeviceID(FSide);
        for (QAction *Entry : std::as_const(FEntries))
            if (Entry->isCheckable() && Entry != FEntries.first() &&
                Entry->data().toInt() == Open) {
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

void TMidiMenuBase::SetBusy(bool On) {
    // Only where there is a cursor to show (not in a program without a GUI).
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    if (On) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ++FBusyCursors;
    } else if (FBusyCursors > 0) {
        QGuiApplication::restoreOverrideCursor();
        --FBusyCursors;
    }
}

TMidiOutMenu::TMidiOutMenu(TMidiDevices &Devices, QMenu *Menu, QObject *Parent)
    : TMidiMenuBase(Devices, TMidiDevices::TSide::Output, Menu, Parent) {}

TMidiInMenu::TMidiInMenu(TMidiDevices &Devices, QMenu *Menu, QObject *Parent)
    : TMidiMenuBase(Devices, TMidiDevices::TSide::Input, Menu, Parent) {}
