#pragma once

// The Midi Out and Midi In menus: views of the device owner (mididevices.h). Each fills its menu
// with "none", a separator and one checkable entry per device of its side, in the owner's order
// (for the output the Midi-Mapper comes first, at position 2), keeps one check mark on the open
// device's entry or on "none", shows the busy cursor while the owner opens or closes a device of
// its side, and hands clicks to the owner. The entries follow the owner's lists in place: the
// menu's own actions after them stay where they are. Opening the menu asks the owner to list
// the ports again. The view holds no device state; the owner must outlive it.
//
// Threads: the UI thread.

#include "midi/mididevices.h"

#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>

class QAction;
class QActionGroup;

class TMidiMenuBase : public QObject {
    Q_OBJECT
public:
    ~TMidiMenuBase() override;

    TMidiDevices &Devices() const { return FDevices; }
    TMidiDevices::TSide Side() const { return FSide; }
    QMenu *BaseMenu() const { return FBaseMenu; }
    // The entries this view added, in order: "none", the separator, the devices.
    QList<QAction *> Entries() const { return FEntries; }

protected:
    // Adds the entries after Menu's own actions.
    TMidiMenuBase(TMidiDevices &Devices, TMidiDevices::TSide Side, QMenu *Menu, QObject *Parent);

private:
    void Rebuild();
    void ClearEntries();
    QAction *AddEntry(const QString &Caption, int Tag, QAction *Before);
    void Clicked(QAction *Entry);
    void UpdateCheckMarks();
    void SetBusy(bool On);

    TMidiDevices &FDevices;
    TMidiDevices::TSide FSide;
    QPointer<QMenu> FBaseMenu;
    QActionGroup *FGroup = nullptr;
    QList<QAction *> FEntries;
    QList<TMidiDevices::TDevice> FShown; // the devices the entries stand for
    int FBusyCursors = 0;                // override cursors set and not restored yet
};

class TMidiOutMenu final : public TMidiMenuBase {
    Q_OBJECT
public:
    TMidiOutMenu(TMidiDevices &Devices, QMenu *Menu, QObject *Parent = nullptr);
};

class TMidiInMenu final : public TMidiMenuBase {
    Q_OBJECT
public:
    TMidiInMenu(TMidiDevices &Devices, QMenu *Menu, QObject *Parent = nullptr);
};
