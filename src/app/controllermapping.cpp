#include "app/controllermapping.h"

#include "core/custominifile.h"

#include <algorithm>
#include <cmath>

namespace {

const QString SecJoystick = QStringLiteral("Joystick");

// Shift gives about a third of the step; kept in single precision, as the wheel always did, so
// that a notch with Shift is exactly 144 on the pitch bend.
double WheelFactor(bool Shift) {
    return Shift ? double(0.3f) : 1.0;
}

} // namespace

namespace ControllerMapping {

namespace {

// The whole steps of Delta, NotchSteps being what a notch gives, rounded to the nearest (halves
// to even); the rounding error goes into Rest.
int Steps(int Delta, int NotchSteps, int &Rest) {
    const long long total = Rest + (long long)Delta * NotchSteps;
    const auto steps = (long long)std::nearbyint(double(total) / WheelNotch);
    Rest = int(total - steps * WheelNotch);
    return int(steps);
}

} // namespace

int WheelControllerSteps(int Delta, int Sensitivity, bool Shift, int &Rest) {
    const double notch = std::nearbyint(WheelNotch * Sensitivity * WheelFactor(Shift) / 60.0);
    return Steps(Delta, int(notch), Rest);
}

int WheelPitchSteps(int Delta, int Sensitivity, bool Shift, int &Rest) {
    const double notch = std::nearbyint(WheelNotch * Sensitivity * WheelFactor(Shift));
    return Steps(Delta, int(notch), Rest);
}

} // namespace ControllerMapping

TJoystickMap::TJoystickMap() {
    for (auto &axes : FCodes)
        for (auto &states : axes)
            states.fill(ControllerCode::None);
}

int TJoystickMap::At(int Joystick, int Axis, int ButtonState) const {
    return FCodes.at(size_t(Joystick)).at(size_t(Axis)).at(size_t(ButtonState));
}

void TJoystickMap::Set(int Joystick, int Axis, int ButtonState, int Code) {
    if (Code < 0 || Code > ControllerCode::None)
        return;
    FCodes.at(size_t(Joystick)).at(size_t(Axis)).at(size_t(ButtonState)) = Code;
}

bool TJoystickMap::Assigned(int Joystick) const {
    for (const auto &states : FCodes.at(size_t(Joystick)))
        for (int code : states)
            if (code != ControllerCode::None)
                return true;
    return false;
}

QString TJoystickMap::ValueName(int Joystick, int Axis, int ButtonState) {
    return QStringLiteral("%1%2%3").arg(QChar(u"XYZ"[Axis])).arg(Joystick).arg(ButtonState);
}

void TJoystickMap::Read(const TCustomIniFile &Store) {
    for (int j = 0; j < Joysticks; ++j)
        for (int b = 0; b < ButtonStates; ++b)
            for (int a = 0; a < Axes; ++a) {
                const int code =
                    Store.ReadInteger(SecJoystick, ValueName(j, a, b), ControllerCode::None);
                // A value out of range is as good as none.
                FCodes[size_t(j)][size_t(a)][size_t(b)] =
                    code >= 0 && code <= ControllerCode::None ? code : ControllerCode::None;
            }
}

void TJoystickMap::Write(TCustomIniFile &Store) const {
    for (int j = 0; j < Joysticks; ++j)
        for (int b = 0; b < ButtonStates; ++b)
            for (int a = 0; a < Axes; ++a) {
                const int code = FCodes[size_t(j)][size_t(a)][size_t(b)];
                if (code == ControllerCode::None)
                    Store.DeleteKey(SecJoystick, ValueName(j, a, b));
                else
                    Store.WriteInteger(SecJoystick, ValueName(j, a, b), code);
            }
}
