#pragma once

// The main window: the piano keyboard with its chord box, channel field, strips and scroll
// arrows, the program and bank fields, the patch box, Panic, the knob bar, the menus and the
// status bar. It wires the parts together; the routing of MIDI is the router's (router/), the
// ports are the device owner's (midi/mididevices.h), the device menus are views of it.
//
// Sources: mainwindow.cpp (building, window life, settings, menu commands), mainwindowdevices.cpp
// (the devices, their menus and the MIDI service), mainwindowcontrols.cpp (strips, mouse wheel,
// joysticks), mainwindowknobs.cpp (knob presets and snapshots), mainwindowexpression.cpp (the
// velocity control and the pedals).

#include "app/controllermapping.h"
#include "core/keyboardmodel.h"
#include "core/keyboardtypes.h"
#include "core/midivocabulary.h"
#include "midi/midibackend.h"

#include <QMainWindow>
#include <QPointer>

#include <algorithm>
#include <array>
#include <memory>

class QAbstractButton;
class QAction;
class QActionGroup;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QTimer;
class QToolButton;
class QWheelEvent;
class TChordEditForm;
class TChordList;
class TClientArea;
class TCustomIniFile;
class TErrForm;
class TExImport;
class TExImportHost;
class TFrameImage;
class TGUIKnobList;
class TImgControl;
class TJoystick;
class TKeyboard;
class TKnobEditForm;
class TMainTakes;
class TMidiDevices;
class TMidiInMenu;
class TMidiInput;
class TMidiOutMenu;
class TMidiRouter;
class TPatchSelection;
class TPatchSetChooser;
class TSettingsSaver;
class TProgramBank;
class TSettings;
class TSettingsHost;
class TSplashForm;
class TStatusBar;
class TTransposeForm;
class TUpDown;
class TWheel;
class TZoneForm;
class TZonePorts;
class TZoneSet;

class TMainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 476;
    // With the row of the velocity control and the pedals below the keyboard.
    static constexpr int ClientHeight = 211;
    static constexpr int StatusHeight = 19;
    // How much taller than designed the window may grow, the keys with it.
    static constexpr int MaxExtraKeyHeight = 3 * TKeyboardModel::ImageHeight;
    static constexpr int SnapshotCount = 8;
    static constexpr int ExImFlagCount = 8;
    // The chord box lists the built-in chords, then the custom ones.
    static constexpr int BuiltInChords = int(TChord::chCustom);

    // Service: the MIDI service to use; maAuto takes the stored choice.
    explicit TMainWindow(TMidiApi Service = TMidiApi::maAuto, bool ShowSplash = true,
                         QWidget *Parent = nullptr);
    ~TMainWindow() override;

    // --- The parts ------------------------------------------------------------------------------
    TKeyboard *Keyboard() const { return FKeyboard; }
    TMidiRouter &Router() const { return *FRouter; }
    TProgramBank &ProgramBank() const { return *FProgramBank; }
    TPatchSelection &Patches() const { return *FPatches; }
    TGUIKnobList &Knobs() const { return *FKnobs; }
    TChordList &ChordList() const { return *FChordList; }
    TMidiDevices &Devices() const { return *FDevices; }
    TMidiOutMenu &OutputMenu() const { return *FOutMenu; }
    TMidiInMenu &InputMenu() const { return *FInMenu; }
    TErrForm &ErrForm() const { return *FErrForm; }
    // The capture of what is played, Save Last Take and the replay of files and takes.
    TMainTakes &Takes() const { return *FTakes; }
    // File > Import and File > Export.
    TExImport &ExImport() const { return *FExImport; }
    QComboBox *ChordBox() const { return FChordBox; }
    QLineEdit *ChannelEdit() const { return FChannelEdit; }
    TUpDown *ChannelUpDown() const { return FChannelUpDown; }
    TImgControl *PitchStrip() const { return FPitchStrip; }
    TImgControl *ModulationStrip() const { return FModulationStrip; }
    TImgControl *LeftArrow() const { return FLeftArrow; }
    TImgControl *RightArrow() const { return FRightArrow; }
    QSlider *KeyWidthBar() const { return FKeyWidthBar; }
    QWidget *PanicPanel() const { return FPanicPanel; }
    QWidget *Client() const;
    QMenu *PatchesMenu() const { return FPatchesMenu; }
    QMenu *PresetsMenu() const { return FPresetsMenu; }
    QMenu *OutputDeviceMenu() const { return FMidiOutMenu; }
    QAction *KnobSetupAction() const { return FKnobSetupAction; }
    QAction *SnapshotAction(int Slot) const { return FSnapshotItems[size_t(Slot)]; }
    QAction *DefineSnapshotAction(int Slot) const { return FDefineItems[size_t(Slot)]; }
    // The first knob's name, value and wheel: the knob bar's prototypes.
    QLabel *FirstKnobName() const { return FKnobName; }
    QLabel *FirstKnobValue() const { return FKnobValue; }
    TWheel *FirstKnobWheel() const { return FKnobWheel; }
    TJoystick *Joystick(int Index) const { return FJoysticks[size_t(Index)]; }
    // Help > Readme, null while closed.
    QDialog *ReadmeWindow() const;
    // The open dialogs, null while closed.
    TChordEditForm *ChordEditor() const;
    TSettings *Settings() const;
    TTransposeForm *TransposeForm() const;
    TKnobEditForm *KnobEditor() const;
    TPatchSetChooser *PatchSetChooser() const;

    // --- Commands -------------------------------------------------------------------------------
    void Panic();
    // Home/End: the previous or next chord, wrapping round.
    void StepChord(int Delta);
    // Page Up/Down: the previous or next patch of the loaded set.
    void StepPatch(int Delta);
    // The chord box's choice goes to the keyboard.
    void ChordChosen();
    void RebuildChordCombo();
    // Reads the chords again from the store and rebuilds the chord box.
    void ReloadChords();
    void ChoosePatchSet();
    void ShowChordEditor();
    void ShowSettings();
    void ShowTranspose();
    void ShowKnobSetup();
    void Uninstall(bool Ask = true);
    bool Uninstalled() const { return FUninstalled; }

    bool MidiThru() const;
    void SetMidiThru(bool Value);
    bool StayOnTop() const;
    void SetStayOnTop(bool Value);
    TMidiApi Service() const { return FService; }
    void SetService(TMidiApi Api);
    // What the command line chose for this start, in place of what is stored: the devices by
    // name (empty: the stored ones) and the channel (0..15; -1: the stored one). Before show().
    void SetStartChoices(const QString &MidiOut, const QString &MidiIn, int Channel);

    // --- Status bar -----------------------------------------------------------------------------
    // The text of the first panel until the next one (statusbar.h); a Logged one joins the list
    // of messages.
    void SetStatusText(const QString &Text, bool Logged = true);
    TStatusBar &StatusBar() const { return *FStatusBar; }
    QString StatusPanelText(int Panel) const;

    // --- Controllers ----------------------------------------------------------------------------
    int ModWheelController() const { return FModWheelController; }
    void SetModWheelController(int Value) { FModWheelController = std::clamp(Value, 0, 127); }
    int MouseWheelController() const { return FMouseWheelController; }
    // Codes outside 0..129 are refused; the wheel's value starts from what it drives now.
    void SetWheelController(TControllerCode Code);
    int MouseWheelSensitivity() const { return FMouseWheelSensitivity; }
    void SetMouseWheelSensitivity(int Value) { FMouseWheelSensitivity = Value; }
    int WheelValue() const { return FWheelValue; }
    const TJoystickMap &JoystickMap() const { return FJoystickMap; }
    void SetJoystickMap(const TJoystickMap &Map);
    // Switches on the joysticks that have an assignment, and off the others.
    void UpdateJoystickEnable();
    bool ArrowsVisible() const { return FArrowsVisible; }
    void SetArrowsVisible(bool Value);
    // The width the window may take: all controls (every knob column at least one knob wide),
    // up to the whole keyboard.
    int MinWidth() const;
    int MaxWidth() const;
    // Shows the keyboard's channel (0..15) in the channel field.
    void SetChannelField(int Channel);

    // --- Velocity and pedals (mainwindowexpression.cpp) -----------------------------------------
    QSlider *VelocitySlider() const { return FVelocitySlider; }
    // The button of a pedal (64 sustain, 66 sostenuto, 67 soft), null for other controllers.
    QAbstractButton *PedalButton(int Controller) const;
    // F1/F2: the velocity one dynamic level down or up, said in the status bar.
    void StepVelocity(int Direction);

    // --- Knob presets and snapshots (mainwindowknobs.cpp) ---------------------------------------
    QString KnobPresetName() const { return FKnobPresetName; }
    // Knobs > Presets: the stored presets and "Default", sorted, the current one checked.
    void BuildPresetMenu();
    // Loads a preset into the knob bar; a name not stored (and "Default") gives the one Volume
    // knob.
    void SelectKnobPreset(const QString &Name);
    // The knob bar was changed by hand: no preset is checked and the knobs count as "Current".
    void UncheckKnobPresets();
    // The knob bar was loaded anew (a preset, the setup dialog's knobs): the window's width
    // limits follow, and each knob shows its controller's value as last sent or received; a
    // controller not met yet is sent at its knob's default, so what is shown was sent.
    void KnobCountChanged();
    // The value last sent or received of each controller, -1 when none was.
    int ControllerValue(int Controller) const {
        return FControllerValues[size_t(Controller & 127)];
    }
    // Sends what the window shows: bank and program, then every knob's value. Called when an
    // output opens (at start-up, chosen, or opened again after it went away), unless turned off.
    // Without Program, only the knobs' values (the program went with a patch just chosen).
    void SendShownState(bool Program = true);
    bool SendStateOnOpen() const { return FSendStateOnOpen; }
    void SetSendStateOnOpen(bool Value) { FSendStateOnOpen = Value; }
    void RecallSnapshot(int Slot);
    void DefineSnapshot(int Slot);
    // The values text of a snapshot; empty for an undefined slot.
    QString Snapshot(int Slot) const { return FSnapshots[size_t(Slot)]; }
    // Defines a slot with a values text ("0764" per knob), keeping its name.
    void SetSnapshot(int Slot, const QString &Values);
    // Both return the number of defined slots handled.
    int ReadSnapshots(const TCustomIniFile &Store);
    int WriteSnapshots(TCustomIniFile &Store);

    // --- Zones, latch and arpeggiator (mainwindowzones.cpp) -------------------------------------
    // The zones' own output ports.
    TZonePorts &ZonePorts() const { return *FZonePorts; }
    // The zones dialog, null while closed.
    TZoneForm *ZoneForm() const;
    void ShowZones();
    // Zones as the dialog hands them back, a split clicked or the settings read: they take
    // effect, and the keyboard, buttons and menu show them.
    void ApplyZones(const TZoneSet &Zones);
    // Ctrl + middle button on a key: sets or removes a split point there.
    void SplitAt(int Note);
    void SetSplit(bool Value);
    void SetLatch(bool Value);
    void SetArpeggiator(bool Value);
    QAbstractButton *SplitButton() const { return FZoneButtons[0]; }
    QAbstractButton *LatchButton() const { return FZoneButtons[1]; }
    QAbstractButton *ArpButton() const { return FZoneButtons[2]; }

    // --- Settings -------------------------------------------------------------------------------
    int CustomChordIndex() const { return FCustomChordIndex; }
    bool ExImFlag(int Index) const { return FExImFlags[size_t(Index)]; }
    void SetExImFlag(int Index, bool Value) { FExImFlags[size_t(Index)] = Value; }
    void LoadSettings();
    void SaveSettings();
    // The whole window's values (the per-user store: the devices too).
    void ReadSettings(TCustomIniFile &Store);
    void WriteSettings(TCustomIniFile &Store);
    // What File > Export Settings writes and Import Settings reads: the window, the keyboard
    // and the options, never the devices or the snapshots.
    // Imported: program and bank are held for the next start, not shown or sent.
    void ReadWindowSettings(TCustomIniFile &Store, bool Imported = false);
    void WriteWindowSettings(TCustomIniFile &Store);
    void DeferredStart();

protected:
    void closeEvent(QCloseEvent *Event) override;
    void showEvent(QShowEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void moveEvent(QMoveEvent *Event) override;
    bool event(QEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    friend class TMainSettingsHost;
    friend class TMainExImportHost;

    // Building (mainwindow.cpp)
    void BuildKeyboardArea();
    void BuildProgramArea();
    void BuildKnobBar();
    void BuildMenus();
    void BuildStatusBar();
    void WireRouter();
    QLabel *Label(const QString &Text, int X, int Y);
    QLabel *SmallLabel(const QString &Text, int X, int Y);

    // Layout
    // Width between MinWidth and MaxWidth, height from the designed one up to MaxExtraKeyHeight
    // more.
    void ApplyWidthLimits();
    // The keyboard's height: what the window's height leaves it.
    int KeyboardHeight() const;
    // Where the knob bar's band starts, right of the patch box.
    int KnobBandLeft() const;
    void LayOut();
    void AlignStrips();
    void SyncKeyWidthBar();
    void KeyWidthChanged(int Position);
    void UpdateFromKeyboard();
    void ChannelEdited();

    // Keys and window commands
    // The window's own keys, seen before the focused control; true when the key was one.
    bool WindowKeyDown(QKeyEvent *Event);
    void Readme();
    void About();
    // What Wayland does not let the window do that the user asked for (its stored place, Stay
    // on Top), said at start; empty elsewhere.
    QString PlacementLimits() const;
    static QString StayOnTopLimit();
    // A notice (settings not saved, a service lost): a status text shown whole until another
    // replaces it (status tips of the controls only cover it while the pointer is on them),
    // and to the standard error too, for a program started from a terminal.
    void ShowNotice(const QString &Text);

    // Routing's listeners
    void ShowPitchBend(int Value);
    void ShowController(int Controller, int Value);
    void ShowProgram(int Channel, int Program, int Msb, int Lsb);
    void NotePlayed(int Note, int Velocity);

    // Devices (mainwindowdevices.cpp)
    void CreateDeviceMenus();
    void BuildServiceMenu();
    // The service in use: checked in the submenu, and named in its title.
    void ShowService();
    // A device's failure and notice; those of the start-up's loading are told together
    // once both devices have tried (an "Opened ..." would cover what was said before).
    void DeviceError(const QString &Text);
    void CountInputLosses(TMidiInput &Input);
    void DeviceNotice(const QString &Text);
    // A warning box that does not hold up what the window is doing.
    void OpenWarning(const QString &Text);
    void SendFailed(const QString &Text);
    // The MIDI service the user chose last time (automatic when none was kept).
    static TMidiApi StoredService();

    // Controls (mainwindowcontrols.cpp)
    void PitchStripMoved(int Position);
    void PitchStripReleased(TShiftState Shift);
    void ModulationStripMoved(int Position);
    void ModulationStripReset();
    void CreateJoysticks();
    // True when the wheel event was taken for a controller.
    bool WheelEvent(QWheelEvent *Event);
    void JoystickXYMove(TJoystick *Sender, int X, int Y, uint8_t Buttons);
    void JoystickZMove(TJoystick *Sender, int Z, uint8_t Buttons);
    void SendJoystickValue(int Joystick, TControllerCode Code, int Position, int Axis);

    // Knobs (mainwindowknobs.cpp)
    void BuildSnapshotMenus();

    // Zones (mainwindowzones.cpp)
    void BuildZoneRow();
    void BuildZoneMenu(QMenu *Options);
    // After the router: the zones' ports, chords, messages and the split click.
    void WireZones();
    // Once the devices exist: the zones' ports follow their MIDI service, and the arpeggiators
    // play on their output, whichever device and service, while the arpeggiator is on.
    void LinkZones();
    // Before the devices go: the arpeggiators leave the output, their notes ended.
    void UnlinkZones();
    // The arpeggiators on the output while the arpeggiator is on, off it while it is off.
    void SyncZoneEngine();
    // Beside the velocity row, below the keys whatever their height.
    void PlaceZoneRow();
    void ShowZoneState();
    void ReadZoneSettings(TCustomIniFile &Store);
    void WriteZoneSettings(TCustomIniFile &Store);
    // Velocity and pedals (mainwindowexpression.cpp)
    void BuildExpressionRow();
    // Where the row ends on the right.
    int ExpressionRowRight() const;
    // Below the keys, whatever their height.
    void PlaceExpressionRow();
    void ShowVelocity();
    void VelocityMoved(int Value);
    // A pedal message that passed (sent or received) shows on its button.
    void ShowPedal(int Controller, int Value);
    // The pedals down are let up: what plays after the program must not be held by them.
    void LiftPedals();
    // Takes (mainwindowtakes.cpp)
    void BuildTakes();
    // Links the takes to the output device: called once the device menus exist.
    void LinkTakes();

    TMidiApi FService = TMidiApi::maAuto;
    TClientArea *FClient = nullptr;
    TKeyboard *FKeyboard = nullptr;
    std::unique_ptr<TMidiRouter> FRouter;
    std::unique_ptr<TMainTakes> FTakes;
    QComboBox *FChordBox = nullptr;
    QLineEdit *FChannelEdit = nullptr;
    TUpDown *FChannelUpDown = nullptr;
    TFrameImage *FWheelImage = nullptr;
    TFrameImage *FLeftArrowImage = nullptr;
    TFrameImage *FRightArrowImage = nullptr;
    TImgControl *FPitchStrip = nullptr;
    TImgControl *FModulationStrip = nullptr;
    TImgControl *FLeftArrow = nullptr;
    TImgControl *FRightArrow = nullptr;
    QSlider *FKeyWidthBar = nullptr;
    QSlider *FVelocitySlider = nullptr;
    QLabel *FVelocityValue = nullptr;
    QLabel *FVelocityCaption = nullptr;
    std::array<QToolButton *, 3> FPedalButtons{};
    bool FArrowsVisible = true;
    bool FSyncingKeyWidth = false;

    QComboBox *FPatchBox = nullptr;
    TUpDown *FPatchUpDown = nullptr;
    TProgramBank *FProgramBank = nullptr;
    TPatchSelection *FPatches = nullptr;
    QWidget *FPanicPanel = nullptr;
    std::unique_ptr<TGUIKnobList> FKnobs;
    QLabel *FKnobName = nullptr;
    QLabel *FKnobValue = nullptr;
    TWheel *FKnobWheel = nullptr;

    QMenu *FMidiInMenu = nullptr;
    QMenu *FMidiOutMenu = nullptr;
    QMenu *FPatchesMenu = nullptr;
    QAction *FPatchSetSeparator = nullptr;
    QMenu *FPresetsMenu = nullptr;
    QMenu *FSnapshotsMenu = nullptr;
    QMenu *FDefineMenu = nullptr;
    QAction *FKnobSetupAction = nullptr;
    QAction *FMidiThruAction = nullptr;
    QAction *FStayOnTopAction = nullptr;
    QMenu *FServiceMenu = nullptr;
    QActionGroup *FPresetGroup = nullptr;
    std::array<QAction *, SnapshotCount> FSnapshotItems{};
    std::array<QAction *, SnapshotCount> FDefineItems{};
    std::array<QString, SnapshotCount> FSnapshots;
    TStatusBar *FStatusBar = nullptr;
    std::array<QLabel *, 6> FPanels{}; // TStatusBar::PanelCount

    std::unique_ptr<TMidiDevices> FDevices;
    std::unique_ptr<TMidiOutMenu> FOutMenu;
    std::unique_ptr<TMidiInMenu> FInMenu;
    struct {
        const TMidiInput *Input = nullptr;
        uint64_t Before = 0; // lost by the inputs before it
        uint64_t Seen = 0;
    } FInputLosses;
    TErrForm *FErrForm = nullptr;
    TExImport *FExImport = nullptr;
    std::unique_ptr<TChordList> FChordList;
    QPointer<TPatchSetChooser> FPatchSetChooser;
    QPointer<TChordEditForm> FChordEditor;
    QPointer<TKnobEditForm> FKnobEditor;
    QPointer<TTransposeForm> FTransposeForm;
    QPointer<TSettings> FSettings;
    std::unique_ptr<TSettingsHost> FSettingsHost;
    std::unique_ptr<TExImportHost> FExImportHost;
    QPointer<QDialog> FReadme;
    TSplashForm *FSplash = nullptr;
    TSplashForm *FAbout = nullptr;

    int FModWheelController = 1;
    TControllerCode FMouseWheelController = 1;
    int FMouseWheelSensitivity = 4;
    int FWheelValue = 0;
    // What the latest wheel moves were too small for, kept for the next (ControllerMapping).
    int FWheelRest = 0;
    TJoystickMap FJoystickMap;
    std::array<TJoystick *, TJoystickMap::Joysticks> FJoysticks{};
    // Per joystick the last X, Y and Z reported; -1 before the first report, so that a first
    // move straight to position 0 is not taken for no move.
    std::array<std::array<int, TJoystickMap::Axes>, TJoystickMap::Joysticks> FJoystickLast{
        {{-1, -1, -1}, {-1, -1, -1}}};
    QString FKnobPresetName;
    std::array<int, 128> FControllerValues = [] {
        std::array<int, 128> values;
        values.fill(-1);
        return values;
    }();
    bool FSendStateOnOpen = true;
    bool FPatchLoading = false; // the stored patch set loads at start-up
    int FCustomChordIndex = 0;
    std::array<bool, ExImFlagCount> FExImFlags{};

    std::unique_ptr<TZonePorts> FZonePorts;
    QPointer<TZoneForm> FZoneForm;
    bool FZoneEngineOn = false; // the arpeggiators' engine is a source of the devices' output
    bool FZonesLinked = false;
    std::array<QAbstractButton *, 3> FZoneButtons{};
    std::array<QAction *, 3> FZoneActions{};
    TSettingsSaver *FSaver = nullptr;
    bool FSaveProblemTold = false; // that settings cannot be saved, in a box

    bool FUninstalled = false;
    bool FStarted = false;
    bool FDeferredDone = false;
    std::shared_ptr<void> FStartQueries; // MidiBackend::HoldQueries until the devices are open
    bool FErrorsToStatus = false;
    bool FFirstTime = true;
    bool FClosing = false;
    QStringList FStartErrors;
    QStringList FStartNotices;
    QString FGivenOutput; // the command line's choices (SetStartChoices)
    QString FGivenInput;
    int FGivenChannel = -1;
    const QKeyEvent *FLastKeyEvent = nullptr;
    ulong FLastKeyTime = 0;
};
