#pragma once

// The main window as the settings dialog and File > Export/Import see it.

#include "app/eximporthost.h"
#include "app/mainwindow.h"
#include "dialogs/settingshost.h"
#include "keyboard/keyboard.h"

class TMainSettingsHost : public TSettingsHost {
public:
    explicit TMainSettingsHost(TMainWindow &Window) : FWindow(Window) {}

    TKeyboard &Keyboard() override { return *FWindow.FKeyboard; }
    QSlider &KeyWidthBar() override { return *FWindow.FKeyWidthBar; }
    void SetPaintStyle(TPaintStyle Value) override {
        FWindow.FKeyboard->SetPaintStyle(Value);
        FWindow.AlignStrips();
    }
    bool ArrowsVisible() const override { return FWindow.ArrowsVisible(); }
    void SetArrowsVisible(bool Value) override { FWindow.SetArrowsVisible(Value); }
    int ModWheelController() const override { return FWindow.FModWheelController; }
    void SetModWheelController(int Value) override { FWindow.SetModWheelController(Value); }
    int MouseWheelController() const override { return FWindow.FMouseWheelController; }
    void SetWheelController(int Code) override { FWindow.SetWheelController(Code); }
    int MouseWheelSensitivity() const override { return FWindow.FMouseWheelSensitivity; }
    void SetMouseWheelSensitivity(int Value) override { FWindow.FMouseWheelSensitivity = Value; }
    int JoystickCode(int Joystick, int Axis, int ButtonState) const override {
        return FWindow.FJoystickMap.At(Joystick, Axis, ButtonState);
    }
    void SetJoystickCode(int Joystick, int Axis, int ButtonState, int Code) override {
        FWindow.FJoystickMap.Set(Joystick, Axis, ButtonState, Code);
    }
    void UpdateJoystickEnable() override { FWindow.UpdateJoystickEnable(); }
    bool SendStateOnOpen() const override { return FWindow.SendStateOnOpen(); }
    void SetSendStateOnOpen(bool Value) override { FWindow.SetSendStateOnOpen(Value); }

private:
    TMainWindow &FWindow;
};

class TMainExImportHost : public TExImportHost {
public:
    explicit TMainExImportHost(TMainWindow &Window) : FWindow(Window) {}

    QWidget *Window() override { return &FWindow; }
    bool ExImFlag(int Index) const override { return FWindow.ExImFlag(Index); }
    void SetExImFlag(int Index, bool Value) override { FWindow.SetExImFlag(Index, Value); }
    int KnobCount() const override;
    bool HasSnapshots() const override;
    TChordList &ChordList() override { return FWindow.ChordList(); }
    void ChordsChanged() override { FWindow.RebuildChordCombo(); }
    void WriteSettings(TCustomIniFile &File) override { FWindow.WriteWindowSettings(File); }
    void ReadSettings(TCustomIniFile &File) override;
    int WriteSnapshots(TCustomIniFile &File) override { return FWindow.WriteSnapshots(File); }
    int ReadSnapshots(const TCustomIniFile &File) override { return FWindow.ReadSnapshots(File); }
    void KnobPresetsChanged() override;

private:
    TMainWindow &FWindow;
};
