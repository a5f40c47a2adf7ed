#pragma once

// The "Settings" dialog: the keyboard's playing and display options and the controller
// assignments of the hold mode, the modulation strip, the joysticks and the mouse wheel.
// Values are copied in at every show and written back by Apply or OK. Three appearance options
// (old style keyboard, arrow buttons, key width) act at once; Cancel undoes them, the close box
// keeps them. While it is visible the owner passes incoming controllers to LearnController.
// Deletes itself when closed, giving the key-width bar back to the main window first.

#include "core/midivocabulary.h"

#include <QDialog>

#include <array>
#include <tuple>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class TNumberEdit;
class TSettingsHost;
class TVKEdit;
struct TKeyData;

class TSettings : public QDialog {
    Q_OBJECT
public:
    static constexpr int JoystickActions = 30;
    enum TPage { pgGeneral, pgPlaying, pgController, pgJoystick, pgMouseWheel, pgLabels };

    // Host must outlive the dialog.
    explicit TSettings(TSettingsHost &Host, QWidget *Owner = nullptr);
    ~TSettings() override;

    // Entries of the controller code lists: "(none)", "Pitch Wheel", then the 128 controllers.
    static int EntryToCode(int Entry);
    static int CodeToEntry(int Code);
    // (button state, joystick, axis) of a joystick action entry.
    static std::tuple<int, int, int> JoystickAction(int Entry);

    // An incoming control change (0..127) or pitch bend (128) picks the controller in the list
    // that has the focus, or on the joystick or mouse wheel page.
    void LearnController(int Code);
    void ApplySettings();
    // The private copy of the joystick table, as the dialog will apply it.
    int JoystickCopy(int Joystick, int Axis, int ButtonState) const;
    void ShowPage(TPage Page);

    QTabWidget *PageControl;
    // General
    QRadioButton *InternationalNamesRadio;
    QRadioButton *GermanNamesRadio;
    QRadioButton *ItalianNamesRadio;
    QGroupBox *AppearanceGroup;
    QLabel *KeyWidthLabel;
    QCheckBox *OldStyleCheck;
    QCheckBox *ShowArrowsCheck;
    QCheckBox *FollowNotesCheck;
    // Playing
    TVKEdit *UpperKeyEdit;
    TVKEdit *LowerKeyEdit;
    QPushButton *DefaultUpperKeyButton;
    QPushButton *DefaultLowerKeyButton;
    TNumberEdit *VelocityUpDown;
    TNumberEdit *ShiftVelocityUpDown;
    QRadioButton *ShiftLouderRadio;
    QRadioButton *ShiftQuieterRadio;
    QCheckBox *SendOnOpenCheck;
    QCheckBox *VelocityByPositionCheck;
    TNumberEdit *SoftestVelocityUpDown;
    TNumberEdit *LoudestVelocityUpDown;
    QSlider *VelocityCurveBar;
    QCheckBox *TouchPressureCheck;
    // Labels and scale
    QComboBox *NoteLabelsBox;
    QRadioButton *SharpsRadio;
    QRadioButton *FlatsRadio;
    QComboBox *MiddleCBox;
    QCheckBox *ComputerKeyLabelsCheck;
    QCheckBox *KeyNamesOnKeysCheck;
    QComboBox *ScaleRootBox;
    QComboBox *ScaleBox;
    QCheckBox *ScaleKeysOnlyCheck;
    // Controller
    QComboBox *UpDownBox;
    QComboBox *LeftRightBox;
    QComboBox *ModulationWheelBox;
    // Joystick
    QComboBox *JoystickActionBox;
    QComboBox *JoystickControllerBox;
    QCheckBox *DisableJoystickSetupCheck;
    // Mouse Wheel
    QComboBox *MouseWheelBox;
    QSlider *MouseWheelSensitivityBar;

    QPushButton *OkButton;
    QPushButton *CancelButton;
    QPushButton *ApplyButton;

public Q_SLOTS:
    void done(int Result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;

private:
    QWidget *BuildGeneralPage();
    QWidget *BuildPlayingPage();
    QWidget *BuildControllerPage();
    QWidget *BuildJoystickPage();
    QWidget *BuildMouseWheelPage();
    QWidget *BuildLabelsPage();
    void ShowExpression();
    void ApplyExpression();
    void FitPages(int Width);
    void FitListWidths();
    // Centred on the owner's screen, as large as the pages want but never larger than that
    // screen: on a small screen the pages scroll.
    void PlaceOnScreen();
    void FillLists();
    void PrepareShow();
    void ShowJoystickAssignment();
    void JoystickControllerChanged(int Entry);
    void SetKeyEdit(TVKEdit &Edit, int ScanCode);
    void CancelChanges();
    void ReturnKeyWidthBar();

    TSettingsHost &FHost;
    QSlider *FKeyWidthBar;
    QWidget *FKeyWidthHome;
    QRect FKeyWidthPlace;
    // (joystick, axis, button state) -> code
    std::array<std::array<std::array<int, 5>, 3>, 2> FJoystickMap{};
    int FKeyWidthPosition = 0;
    bool FArrowsVisible = true;
    int FPaintStyle = 0;
    bool FByCloseBox = false;
    bool FClosing = false;
    bool FPlaced = false;
    QSize FPreferredSize;
};
