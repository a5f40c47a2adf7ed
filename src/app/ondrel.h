#pragma once

// The main window: menus, program and bank fields, Panic, the status bar, the MIDI device menus
// and the routing of every MIDI message the program sends or receives.

#include "chordeditform.h"
#include "chordlist.h"
#include "midibackend.h"
#include "controllermapping.h"
#include "joystick.h"
#include "knobeditform.h"
#include "ondrelbase.h"
#include "patchsetchooser.h"
#include "settings.h"
#include "transposeform.h"

#include <QPointer>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QComboBox;
class QMenu;
class TUpDown;
class TErrForm;
class TExImport;
class TMidiInMenu;
class TMidiInput;
class TMidiOutMenu;
class TPatchSelection;
class TProgramBank;
class TSplashForm;
class QWheelEvent;
class QTimer;
class TGUIKnobList;
class TWheel;

class TOndrel2 : public TOndrel {
    Q_OBJECT
public:
    // Service: the MIDI service to use; maAuto takes the stored choice.
    explicit TOndrel2(TMidiApi Service = TMidiApi::maAuto, bool ShowSplash = true,
                      QWidget *Parent = nullptr);
    ~TOndrel2() override;

    // --- Routing --------------------------------------------------------------------------------
    void Keyboard1Note(uint8_t Typ, uint8_t Note, uint8_t Vel);
    void SendToOutput(uint8_t Status, uint8_t Data1, uint8_t Data2);
    // Sends to the Midi Out device. A failure is reported in the status bar, never raised; a
    // lost MIDI service closes the device until the service is back (see ServiceLost).
    void SendOut(uint8_t Status, uint8_t Data1, uint8_t Data2);
    // The MIDI service Api went away: held notes are let go, the devices on it closed and the
    // user told; they open again when the service answers.
    void ServiceLost(TMidiApi Api, const QString &Reason);
    // The devices waiting for their service to come back; empty when none is.
    QString LostOutput() const { return FLostOut; }
    QString LostInput() const { return FLostIn; }
    void ReflectEvent(uint8_t Status, uint8_t Data1, uint8_t Data2);
    void HandleMidiInput(TMidiInput &Input);
    void HandleMidiEvent(uint8_t Status, uint8_t Data1, uint8_t Data2);
    void KnobChange(uint8_t Controller, uint8_t Value);
    void CBChordClick();
    void RebuildChordCombo();
    void StepChord(int Delta);
    void StepPatch(int Delta);
    // Loads a patch script chosen in a file dialog.
    void ChoosePatchSet();
    void BPanicClick();
    bool MidiThru() const;
    void SetMidiThru(bool Value);

    // --- Window ---------------------------------------------------------------------------------
    void SetStatusText(const QString &Text);
    // Sees every status text as it is set (progress of long operations included).
    std::function<void(const QString &)> OnStatusText;
    QString StatusPanelText(int Panel) const;
    void SetStayOnTop(bool Value);
    bool StayOnTop() const;
    // Stay on Top holds only while another program is in front, so our own dialogs stay visible.
    void ApplicationStateChanged(Qt::ApplicationState State);
    void LoadSettings();
    void SaveSettings();
    void ReadSettings(TCustomIniFile &Store) override;
    void WriteSettings(TCustomIniFile &Store) override;
    void ReadMainSettings(TCustomIniFile &Store);
    void WriteMainSettings(TCustomIniFile &Store);
    void DeferredStart();
    void Uninstall(bool Ask = true);
    bool Uninstalled() const { return FUninstalled; }

    TProgramBank &ProgramBank() { return *FProgramBank; }
    TPatchSelection &Patches() { return *FPatches; }
    TMidiOutMenu &MidiOutMenu1() { return *FOutMenu; }
    TMidiInMenu &MidiInMenu1() { return *FInMenu; }
    TErrForm &ErrForm() { return *FErrForm; }
    // File > Import and File > Export.
    TExImport &ExImport() { return *FExImport; }
    // The open "Choose Patch Set" window, if any.
    TPatchSetChooser *PatchSetChooser() const { return FPatchSetChooser; }
    TMidiApi Service() const { return FService; }
    void SetService(TMidiApi Api);

    // --- Mouse wheel and joysticks (ondreljoystick.cpp) ------------------------------------------
    void FormMouseWheel(TShiftState Shift, int WheelDelta, const QPoint &MousePos, bool &Handled);
    void SetWheelController(int Code);
    void UpdateJoystickEnable();
    void ReadJoystickMap(const TCustomIniFile &Store);
    void WriteJoystickMap(TCustomIniFile &Store);
    void JoystickXYMove(TJoystick *Sender, int X, int Y, TJoystickButtons Buttons);
    void JoystickZMove(TJoystick *Sender, int Z, TJoystickButtons Buttons);
    void SendJoystickValue(int Joystick, int Code, int Position, int Axis);
    TJoystickMap JoystickMap;
    TJoystick *Joystick1 = nullptr;
    TJoystick *Joystick2 = nullptr;

    // Values kept for the parts of the window that come with later work.
    int MouseWheelController = 1;
    int MouseWheelSensitivity = 4;
    int WheelValue = 0;
    QString KnobPresetName = QStringLiteral("Default");
    int CustomChordIndex = 0;
    std::array<bool, 8> ExImFlags{};
    // The custom chords offered after the built-in ones.
    TChordList &ChordList() { return *FChordList; }
    // Options > Chord Editor: shows the one editor, creating it if needed.
    void ChordEditor1Click();
    // The editor while it exists, else null.
    TChordEditForm *ChordEditor() const { return FChordEditor; }
    // Options > Settings: shows the one settings dialog on its first page, creating it if needed.
    void Settings1Click();
    // The settings dialog while it exists, else null.
    TSettings *Settings() const { return FSettings; }
    // Options > Transpose: shows the one transpose window, creating it if needed.
    void Transpose1Click();
    // The transpose window while it exists, else null.
    TTransposeForm *TransposeForm() const { return FTransposeForm; }
    // Reads the chords again from the store and rebuilds the chord box.
    void ReloadChords();

    // --- Knob presets and snapshots (ondrelpresets.cpp) -------------------------------------------
    // Knobs > Presets: the stored presets and "Default", sorted, the current one checked.
    void BuildPresetMenu();
    // Loads a preset into the knob bar; a name not stored (and "Default") gives the one Volume knob.
    void SelectKnobPreset(const QString &Name);
    // The knob bar was changed by hand: no preset is checked and the knobs count as "Current".
    void UncheckKnobPresets();
    void RecallSnapshot(int Slot);
    void DefineSnapshot(int Slot);
    // Both return the number of defined slots handled.
    int ReadSnapshots(const TCustomIniFile &Store);
    int WriteSnapshots(TCustomIniFile &Store);
    // Knobs > Set up: shows the one knob setup dialog, creating it if needed.
    void Setup1Click();
    TKnobEditForm *KnobEditor() const { return FKnobEditor; }
    QMenu *Presets1 = nullptr;
    QMenu *Snapshots1 = nullptr;
    QMenu *Define1 = nullptr;
    QAction *Setup1 = nullptr;
    std::array<QAction *, 8> SnapshotItems{};
    std::array<QAction *, 8> DefineItems{};
    // The snapshot values texts; empty for an undefined slot.
    std::array<QString, 8> Snapshots;

    QAction *MidiThru1 = nullptr;
    QAction *StayonTop1 = nullptr;
    QMenu *MidiIn1 = nullptr;
    QMenu *MidiOut1 = nullptr;
    QMenu *Patches1 = nullptr;
    QWidget *PPanic = nullptr;
    // The knob bar; its first knob shows on the prototypes LKnob1 (name), LKnobCap1 (value)
    // and Wheel1.
    std::unique_ptr<TGUIKnobList> KnobList;
    QLabel *LKnob1 = nullptr;
    QLabel *LKnobCap1 = nullptr;
    TWheel *Wheel1 = nullptr;
    QAction *FPatchSetSep = nullptr;

protected:
    void closeEvent(QCloseEvent *Event) override;
    void showEvent(QShowEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    bool event(QEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void FormResize() override;

private:
    void BuildMenus();
    void BuildServiceMenu();
    void BuildSnapshotMenus();
    void CreateDeviceMenus();
    void BuildStatusBar();
    void FormKeyDown(QKeyEvent *Event);
    void Readme();
    void About();
    void ApplyTopmost(bool Topmost);
    void DeviceError(const QString &Text);
    // The MIDI service the user chose last time (automatic when none was kept).
    static TMidiApi StoredService();
    // Where the device choices and the MIDI service are kept.
    static inline const QString SecDevices = QStringLiteral("MidiDevices");
    void CreateJoysticks();
    // True when the wheel event was taken for a controller.
    bool WheelEvent(QWheelEvent *Event);
    // Per joystick the last X, Y and Z reported; -1 before the first report, so that a first
    // move straight to position 0 is not taken for no move.
    std::array<std::array<int, TJoystickMap::Axes>, TJoystickMap::Joysticks> FJoystickLast{
        {{-1, -1, -1}, {-1, -1, -1}}};

    TMidiApi FService = TMidiApi::maAuto;
    std::unique_ptr<TMidiOutMenu> FOutMenu;
    std::unique_ptr<TMidiInMenu> FInMenu;
    TProgramBank *FProgramBank = nullptr;
    TPatchSelection *FPatches = nullptr;
    QComboBox *FPatchCombo = nullptr;
    TUpDown *FPatchUpDown = nullptr;
    TErrForm *FErrForm = nullptr;
    TExImport *FExImport = nullptr;
    QPointer<TPatchSetChooser> FPatchSetChooser;
    std::unique_ptr<TChordList> FChordList;
    QPointer<TChordEditForm> FChordEditor;
    QPointer<TKnobEditForm> FKnobEditor;
    QActionGroup *FPresetGroup = nullptr;
    QPointer<TTransposeForm> FTransposeForm;
    QPointer<TSettings> FSettings;
    std::unique_ptr<TSettingsHost> FSettingsHost;
    TSplashForm *FSplash = nullptr;
    TSplashForm *FAbout = nullptr;
    QMenu *FServiceMenu = nullptr;
    std::array<QLabel *, 5> FPanels{};
    bool FPanelsMeasured = false;
    bool FUninstalled = false;
    bool FStarted = false;
    bool FDeferredDone = false;
    std::shared_ptr<void> FStartQueries; // MidiBackend::HoldQueries until the devices are open
    bool FErrorsToStatus = false;
    bool FFirstTime = true;
    bool FClosing = false;
    // A lost MIDI service: the devices to open again when it is back, and the watch for it.
    void WatchService();
    QTimer *FServiceWatch = nullptr;
    QString FLostOut;
    QString FLostIn;
    TMidiApi FLostApi = TMidiApi::maNone;
    bool FLosing = false;
    // A notice (settings not saved, a service lost) stays in the status bar until another text
    // replaces it: status tips of the controls only cover it while the pointer is on them. It
    // goes to the standard error too, for a program started from a terminal.
    void ShowNotice(const QString &Text);
    QString FNotice;
    int PendingBankMSB = 128;
    int PendingBankLSB = 128;
    const QKeyEvent *FLastKeyEvent = nullptr;
    ulong FLastKeyTime = 0;
};
