#pragma once

// The main window as the settings dialog sees it.

#include "ondrel.h"
#include "settingshost.h"

class TMainSettingsHost : public TSettingsHost {
public:
    explicit TMainSettingsHost(TOndrel2 &Window) : FWindow(Window) {}

    TKeyboard &Keyboard() override { return *FWindow.Keyboard1; }
    QSlider &KeyWidthBar() override { return *FWindow.TBKeyWidth; }
    void SetPaintStyle(TPaintStyle Value) override {
        FWindow.Keyboard1->SetPaintStyle(Value);
        FWindow.AlignStrips();
    }
    bool ArrowsVisible() const override { return FWindow.ArrowsVisible(); }
    void SetArrowsVisible(bool Value) override { FWindow.SetArrowsVisible(Value); }
    int ModWheelController() const override { return FWindow.ModWheelController; }
    void SetModWheelController(int Value) override {
        FWindow.ModWheelController = uint8_t(Value & 127);
    }
    int MouseWheelController() const override { return FWindow.MouseWheelController; }
    void SetWheelController(int Code) override { FWindow.SetWheelController(Code); }
    int MouseWheelSensitivity() const override { return FWindow.MouseWheelSensitivity; }
    void SetMouseWheelSensitivity(int Value) override { FWindow.MouseWheelSensitivity = Value; }
    int JoystickCode(int Joystick, int Axis, int ButtonState) const override {
        return FWindow.JoystickMap.At(Joystick, Axis, ButtonState);
    }
    void SetJoystickCode(int Joystick, int Axis, int ButtonState, int Code) override {
        FWindow.JoystickMap.Set(Joystick, Axis, ButtonState, Code);
    }
    void UpdateJoystickEnable() override { FWindow.UpdateJoystickEnable(); }

private:
    TOndrel2 &FWindow;
};
