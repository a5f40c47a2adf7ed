#pragma once

// How the mouse wheel and the joysticks turn into controller values: the wheel's steps, the
// table of joystick assignments and its storage. Pure arithmetic and data, no window.

#include "core/midivocabulary.h"

#include <QString>

#include <array>

class TCustomIniFile;

namespace ControllerMapping {

// Wheel deltas come in eighths of a degree: 120 for one notch of an ordinary wheel.
constexpr int WheelNotch = 120;

// The steps a wheel move of Delta makes, of a controller (0..127) or of the pitch bend. A notch
// of an ordinary wheel gives round(WheelNotch * Sensitivity * f / 60) controller steps, or
// round(WheelNotch * Sensitivity * f) of the pitch bend (f: 0.3 with Shift for fine steps, else
// 1). A smaller move, of a touchpad or a high-resolution wheel, gives its share of a notch's
// steps; Rest keeps what is too small for a whole step, in 1/WheelNotch of a step, for the next
// move, so that many small moves add up to what the notches they make up would give.
int WheelControllerSteps(int Delta, int Sensitivity, bool Shift, int &Rest);
int WheelPitchSteps(int Delta, int Sensitivity, bool Shift, int &Rest);

} // namespace ControllerMapping

// Controller codes per joystick (0-1), axis (X, Y, Z) and button state (0 = no button,
// 1-4 = that button held). Every entry starts as "none".
class TJoystickMap {
public:
    enum TAxis { jaX, jaY, jaZ };
    static constexpr int Joysticks = 2;
    static constexpr int Axes = 3;
    static constexpr int ButtonStates = 5;

    TJoystickMap();
    int At(int Joystick, int Axis, int ButtonState) const;
    // Codes outside 0..129 are refused.
    void Set(int Joystick, int Axis, int ButtonState, int Code);
    // The joystick has at least one assignment.
    bool Assigned(int Joystick) const;

    // Section "Joystick": one value per assigned entry, "X00" .. "Z14"; "none" is a missing
    // value, so writing one deletes what was there.
    void Read(const TCustomIniFile &Store);
    void Write(TCustomIniFile &Store) const;
    static QString ValueName(int Joystick, int Axis, int ButtonState);

    bool operator==(const TJoystickMap &) const = default;

private:
    std::array<std::array<std::array<int, ButtonStates>, Axes>, Joysticks> FCodes;
};
