#pragma once

// The MIDI device menus: TMidiOutMenu owns a TMidiOutput and TMidiInMenu a TMidiInput. Each
// fills a top-level menu of a menu bar with "none", a separator and one checkable entry per
// device (the output menu also "Midi-Mapper" at position 2), opens the device the user picks
// (closing the one before), keeps one check mark on the open device's entry or on "none", tells
// what it does through OnTextMessage, reports failures through OnError, and remembers the
// device by name in the settings store. The lists stay current: they are asked again when the
// menu opens and, on JACK, when ports come and go; the open device stays open meanwhile. A
// chosen device that is not there (at start-up, or after its service went away) is waited for:
// its name stays the choice, and it opens once it is listed. Our own ports are never offered.
//
// Threads: everything here runs on the UI thread; word from the service's thread is posted to
// it. The events are raised from inside the calls that cause them; a handler must not destroy
// the menu.

#include "midi/midibackend.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"

#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QTimer;
class TCustomIniFile;

using TMidiNotifyEvent = std::function<void(QObject *Sender)>;
using TMidiStringEvent = std::function<void(QObject *Sender, const QString &err)>;

class TMidiMenuBase : public QObject {
    Q_OBJECT
public:
    static constexpr int NoDevice = 30000;
    static const QString DefaultRegKey;      // "MidiDevices"
    static const QString PlaceholderRegPath; // "Company\Program Name": never load
    static const QString NoneValue;          // "(none)", stored while no device is open

    ~TMidiMenuBase() override;

    TMidiNotifyEvent OnAfterOpen;   // after a device was opened
    TMidiNotifyEvent OnBeforeClose; // before an open device is closed (it is still open)
    // Around SetApi's new device: before the old device object goes (it is closed by then) and
    // once the new one is there, so that whoever holds on to the device can let go and take the
    // new one.
    TMidiNotifyEvent OnDeviceReplacing;
    TMidiNotifyEvent OnDeviceReplaced;
    TMidiStringEvent OnError;       // an open or close failed; err is the message
    TMidiStringEvent OnTextMessage; // "Opened ...", "Closing ...", "Closed ..."
    TMidiStringEvent OnNotice;      // what the user must not miss: a chosen device is not there

    // The section of the settings store holding the chosen device.
    QString RegKey() const { return FRegKey; }
    void SetRegKey(const QString &Value);
    // Load reads nothing while this is empty or the placeholder.
    QString RegPath() const { return FRegPath; }
    void SetRegPath(const QString &Value) { FRegPath = Value; }
    // With nothing stored yet, Load opens the third entry (the output's Midi-Mapper, the first
    // input device).
    bool DefaultMidiMapper() const { return FDefaultMidiMapper; }
    void SetDefaultMidiMapper(bool Value) { FDefaultMidiMapper = Value; }

    // Accepted once, and only for a top-level menu of a menu bar (its menuAction() is in a
    // QMenuBar); anything else is ignored. Adds the entries after the menu's own actions.
    QMenu *BaseMenu() const { return FBaseMenu; }
    void SetBaseMenu(QMenu *Menu);
    // The entries this menu added, in order: "none", the separator, the devices.
    QList<QAction *> Entries() const { return FEntries; }

    virtual TMidiApi Api() const = 0;
    // Whether the service answered when its ports were last listed.
    virtual bool ServiceStarted() const = 0;
    virtual int DeviceCount() const = 0;
    // The name of a device without selecting it; empty for no device.
    virtual QString NameOf(int Device) const = 0;
    // The selected device (NoDevice while none is open) and its name.
    virtual int DeviceID() const = 0;
    virtual QString DeviceName() const = 0;
    virtual bool IsClosed() const = 0;
    // The open device's port was not listed at the last refresh.
    virtual bool DeviceGone() const = 0;
    // The value name in the store: "MidiIn" or "MidiOut".
    virtual QString ValueName() const = 0;
    // The menu's name for the user: "Midi In" or "Midi Out".
    virtual QString Title() const = 0;

    // Closes the open device, then opens Device: "Invalid Device ID ?!" when there is no such
    // device, "<name> could not be opened." when it stays closed, else the device's own error.
    // Check marks are left to the callers below.
    void Open(int Device);
    // Closes the open device (raising the events) and selects no device; errors propagate.
    void Close();
    // Close under the busy cursor, errors reported through OnError; check marks updated.
    void CloseWithCursor();
    // Clicks the first entry whose caption matches Name (see NameKey); false if none does.
    bool SelectByName(const QString &Name);

    // The form in which device names are compared: lower case, without blanks, and without the
    // trailing client:port numbers of ALSA sequencer port names ("Synth 128:0"), which change
    // from one session to the next.
    static QString NameKey(const QString &Name);

    // Closes, then opens the device stored under ValueName() in section RegKey: the first entry
    // whose caption matches, nothing for "(none)", the third entry when nothing is stored and
    // DefaultMidiMapper is on. A stored device that is not listed is awaited (OnNotice says
    // so). Open errors go to OnError; store errors are dropped. Does nothing without a base menu
    // or a RegPath.
    virtual void Load(const TCustomIniFile &Store);
    // Writes the open device's name, the awaited one's, or "(none)", under ValueName() in
    // section RegKey.
    virtual void Save(TCustomIniFile &Store);

    // Lists the ports again and rebuilds the entries when they changed: the open device stays
    // open and checked. An open device whose port went away is closed and awaited (OnNotice
    // says so). Opens the awaited device once its service lists it.
    void Refresh();
    // Waits for the device Name, closed meanwhile: it opens once listed, and is saved as the
    // choice. Choosing an entry ends the wait.
    void Await(const QString &Name);
    QString Awaited() const { return FAwaited; }

    // Closes the device, makes a new one on the given MIDI service (which also lists the ports
    // anew) and rebuilds the entries in place. References to the old device become invalid. An
    // awaited device is still waited for, and opens if the new service lists it.
    void SetApi(TMidiApi Api);

protected:
    explicit TMidiMenuBase(QObject *Parent);

    // The device, for the subclasses. SelectDevice falls back to NoDevice for an unknown number.
    virtual void SelectDevice(int Device) = 0;
    // Opens the selected device (and starts it); true if open afterwards.
    virtual bool OpenDevice() = 0;
    virtual void CloseDevice() = 0;
    virtual void RecreateDevice(TMidiApi Api) = 0;
    // Called after the device entries were added, before the check marks are set.
    virtual void AddExtraEntries() {}

    // Lists the ports again (the open device stays open); true when the list changed.
    virtual bool RelistDevices() = 0;
    // Called after every refresh, with the entries current.
    virtual void Refreshed() {}

    // Inserts an entry at Position among Entries() (at the end when Position is past it).
    QAction *InsertEntry(int Position, const QString &Caption, int Tag);
    bool LoadAllowed() const;
    void ReportError(const QString &Message);

private:
    void BuildEntries(QAction *Before);
    void RebuildEntries();
    void ClearEntries();
    void EntryTriggered(QAction *Entry);
    QAction *EntryFor(const QString &Name) const;
    void UpdateCheckMarks();
    void Text(const QString &Message);
    void EndWait();
    void OpenAwaited();
    void StartWatch();
    void Poll();

    QString FRegKey;
    QString FRegPath;
    bool FDefaultMidiMapper = false;
    QPointer<QMenu> FBaseMenu;
    QActionGroup *FGroup = nullptr;
    QList<QAction *> FEntries;
    QAction *FInsertBefore = nullptr; // while building: the menu action after our entries
    QString FAwaited;
    // Word of port changes (JACK); asking again while waiting where there is none.
    MidiBackend::TPortWatch FWatch;
    std::atomic<bool> FRefreshPosted{false};
    QTimer *FPoll = nullptr;
    QTimer *FSettle = nullptr; // from word of a change to the refresh
};

class TMidiOutMenu : public TMidiMenuBase {
    Q_OBJECT
public:
    static const QString MapperCaption; // "Midi-Mapper"

    explicit TMidiOutMenu(QObject *Parent = nullptr, TMidiApi Api = TMidiApi::maAuto);
    ~TMidiOutMenu() override;

    TMidiOutput &Output() { return *FOutput; }
    const TMidiOutput &Output() const { return *FOutput; }

    TMidiApi Api() const override { return FOutput->Api(); }
    bool ServiceStarted() const override { return FOutput->ServiceStarted(); }
    int DeviceCount() const override { return FOutput->DeviceCount(); }
    QString NameOf(int Device) const override { return FOutput->NameOf(Device); }
    int DeviceID() const override { return FOutput->DeviceID(); }
    QString DeviceName() const override { return FOutput->DeviceName(); }
    bool IsClosed() const override { return FOutput->IsClosed(); }
    bool DeviceGone() const override { return FOutput->PortGone(); }
    QString ValueName() const override;
    QString Title() const override;

protected:
    bool RelistDevices() override { return FOutput->Relist(); }
    void SelectDevice(int Device) override { FOutput->SetDeviceID(Device); }
    bool OpenDevice() override { return FOutput->Open(); }
    void CloseDevice() override { FOutput->Close(); }
    void RecreateDevice(TMidiApi Api) override;
    void AddExtraEntries() override;

private:
    std::unique_ptr<TMidiOutput> FOutput;
};

class TMidiInMenu : public TMidiMenuBase {
    Q_OBJECT
public:
    explicit TMidiInMenu(QObject *Parent = nullptr, TMidiApi Api = TMidiApi::maAuto);
    ~TMidiInMenu() override;

    TMidiInput &Input() { return *FInput; }
    const TMidiInput &Input() const { return *FInput; }

    // Whether active sensing and timing clock pass the input; takes effect at once.
    bool ActiveSensing() const { return FInput->ActiveSensing(); }
    void SetActiveSensing(bool Value) { FInput->SetActiveSensing(Value); }
    bool TimingClock() const { return FInput->TimingClock(); }
    void SetTimingClock(bool Value) { FInput->SetTimingClock(Value); }

    // The input's data handler, called on the UI thread when events are waiting.
    TMidiInputEvent DataHandler() const { return FInput->DataHandler; }
    void SetDataHandler(TMidiInputEvent Handler) { FInput->DataHandler = std::move(Handler); }

    TMidiApi Api() const override { return FInput->Api(); }
    bool ServiceStarted() const override { return FInput->ServiceStarted(); }
    int DeviceCount() const override { return FInput->DeviceCount(); }
    QString NameOf(int Device) const override { return FInput->NameOf(Device); }
    int DeviceID() const override { return FInput->DeviceID(); }
    QString DeviceName() const override { return FInput->DeviceName(); }
    bool IsClosed() const override { return FInput->IsClosed(); }
    bool DeviceGone() const override { return FInput->PortGone(); }
    QString ValueName() const override;
    QString Title() const override;

    // Whether what arrives is played through to the output (Midi Thru). While it is, an input
    // that gets straight back what the program sends is refused: it would loop for ever.
    bool Thru() const { return FThru; }
    void SetThru(bool Value);

    // Also ActiveSensing and TimingClock, as booleans of those names in section RegKey (read
    // with the current values as defaults).
    void Load(const TCustomIniFile &Store) override;
    void Save(TCustomIniFile &Store) override;

protected:
    bool RelistDevices() override { return FInput->Relist(); }
    void Refreshed() override;
    void SelectDevice(int Device) override { FInput->SetDeviceID(Device); }
    // Also refuses, with Thru on, an input our own output is connected to.
    bool OpenDevice() override;
    void CloseDevice() override;
    void RecreateDevice(TMidiApi Api) override;

private:
    // The text telling of a loop back from our output, empty when there is none (or no Thru).
    QString Feedback() const;

    std::unique_ptr<TMidiInput> FInput;
    bool FThru = false;
};
