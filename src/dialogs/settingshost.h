#pragma once

// What the settings dialog edits on the main window, so that the dialog does not depend on the
// window's class. The main window hands in an implementation that lives as long as the dialog.

#include "core/keyboardtypes.h"

class QSlider;
class TKeyboard;

class TSettingsHost {
public:
    virtual ~TSettingsHost() = default;

    virtual TKeyboard &Keyboard() = 0;
    // The window's key-width track bar, lent to the dialog while it is open.
    virtual QSlider &KeyWidthBar() = 0;
    // Sets the paint style and lays the window out for it.
    virtual void SetPaintStyle(TPaintStyle Value) = 0;

    virtual bool ArrowsVisible() const = 0;
    virtual void SetArrowsVisible(bool Value) = 0;

    virtual int ModWheelController() const = 0;
    virtual void SetModWheelController(int Value) = 0;
    virtual int MouseWheelController() const = 0;
    virtual void SetWheelController(int Code) = 0;
    virtual int MouseWheelSensitivity() const = 0;
    virtual void SetMouseWheelSensitivity(int Value) = 0;

    // The joystick table: code per joystick (0-1), axis (0-2) and button state (0-4).
    virtual int JoystickCode(int Joystick, int Axis, int ButtonState) const = 0;
    virtual void SetJoystickCode(int Joystick, int Axis, int ButtonState, int Code) = 0;
    virtual void UpdateJoystickEnable() = 0;

    // Whether an output that opens is sent the shown program, bank and knob values.
    virtual bool SendStateOnOpen() const = 0;
    virtual void SetSendStateOnOpen(bool Value) = 0;
};
