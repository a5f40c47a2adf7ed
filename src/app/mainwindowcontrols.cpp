// The main window's controls that drive a controller on the keyboard's channel: the pitch and
// modulation strips, the mouse wheel and the joysticks.

#include "app/mainwindow.h"

#include "controls/imgcontrol.h"
#include "controls/joystick.h"
#include "keyboard/keyboard.h"
#include "router/midirouter.h"

#include <QWheelEvent>

using namespace ControllerMapping;

namespace {

constexpr int JoystickPollPeriod = 30;
constexpr int PitchBendTop = 16383;
constexpr int ControllerTop = 127;

} // namespace

// --- Strips --------------------------------------------------------------------------------------

void TMainWindow::PitchStripMoved(int Position) {
    FRouter->SendPitchBend(Position);
}

void TMainWindow::PitchStripReleased(TShiftState Shift) {
    if (Shift.testFlag(TShiftStateFlag::ssCtrl))
        return;
    // Springs back in halving steps, each sent at once: at most ten messages from full scale.
    while (FPitchStrip->Position() != 0) {
        int p = FPitchStrip->Position() / 2;
        if (p < 10)
            p = 0;
        FPitchStrip->SetPosition(p);
        PitchStripMoved(p);
    }
}

void TMainWindow::ModulationStripMoved(int Position) {
    FRouter->SendController(FModWheelController, Position);
}

void TMainWindow::ModulationStripReset() {
    FModulationStrip->SetPosition(0);
    FRouter->SendController(FModWheelController, 0);
}

// --- Mouse wheel ---------------------------------------------------------------------------------

bool TMainWindow::WheelEvent(QWheelEvent *Event) {
    // Only the vertical wheel; a tilt or a horizontal swipe scrolls as it always does.
    const int delta = Event->angleDelta().y();
    if (delta == 0 || FMouseWheelController == ControllerCode::None)
        return false;
    const bool fine = Event->modifiers() & Qt::ShiftModifier;
    if (FMouseWheelController == ControllerCode::PitchBend) {
        if (const int steps = WheelPitchSteps(delta, FMouseWheelSensitivity, fine, FWheelRest))
            FRouter->SendPitchBend(
                std::clamp(FPitchStrip->Position() + steps, PitchBendMin, PitchBendMax));
    } else if (const int steps =
                   WheelControllerSteps(delta, FMouseWheelSensitivity, fine, FWheelRest)) {
        FRouter->SendController(FMouseWheelController, std::clamp(FWheelValue + steps, 0, 127));
    }
    return true;
}

void TMainWindow::SetWheelController(TControllerCode Code) {
    if (Code == FMouseWheelController || !ControllerCode::IsValid(Code))
        return;
    FMouseWheelController = Code;
    FWheelRest = 0;
    if (Code == ControllerCode::PitchBend)
        FWheelValue = FPitchStrip->Position();
    else if (Code == FModWheelController)
        FWheelValue = FModulationStrip->Position();
    else
        FWheelValue = 0;
}

// --- Joysticks -----------------------------------------------------------------------------------

void TMainWindow::CreateJoysticks() {
    for (int device : {0, 1}) {
        auto *joystick = new TJoystick(this);
        joystick->SetDevice(device);
        joystick->SetPollFreq(JoystickPollPeriod);
        joystick->OnXYMove = [this](TJoystick *sender, int x, int y, TJoystickButtons buttons) {
            JoystickXYMove(sender, x, y, buttons);
        };
        joystick->OnZMove = [this](TJoystick *sender, int z, TJoystickButtons buttons) {
            JoystickZMove(sender, z, buttons);
        };
        FJoysticks[size_t(device)] = joystick;
    }
}

void TMainWindow::SetJoystickMap(const TJoystickMap &Map) {
    FJoystickMap = Map;
    UpdateJoystickEnable();
}

void TMainWindow::UpdateJoystickEnable() {
    for (int j = 0; j < TJoystickMap::Joysticks; ++j)
        FJoysticks[size_t(j)]->SetEnabled(FJoystickMap.Assigned(j));
}

void TMainWindow::JoystickXYMove(TJoystick *Sender, int X, int Y, uint8_t Buttons) {
    const int j = Sender->Device();
    auto &last = FJoystickLast[size_t(j)];
    const bool xMoved = X != last[TJoystickMap::jaX];
    const bool yMoved = Y != last[TJoystickMap::jaY];
    last[TJoystickMap::jaX] = X;
    last[TJoystickMap::jaY] = Y;
    // Without a button the plain assignment; with buttons, each held button's in turn.
    for (int state = 0; state < TJoystickMap::ButtonStates; ++state) {
        if (state == 0 ? Buttons != 0 : !(Buttons & (1u << (state - 1))))
            continue;
        if (xMoved)
            SendJoystickValue(j, FJoystickMap.At(j, TJoystickMap::jaX, state), X,
                              TJoystickMap::jaX);
        if (yMoved)
            SendJoystickValue(j, FJoystickMap.At(j, TJoystickMap::jaY, state), Y,
                              TJoystickMap::jaY);
    }
}

void TMainWindow::JoystickZMove(TJoystick *Sender, int Z, uint8_t Buttons) {
    const int j = Sender->Device();
    int &last = FJoystickLast[size_t(j)][TJoystickMap::jaZ];
    if (Z == last)
        return;
    last = Z;
    for (int state = 0; state < TJoystickMap::ButtonStates; ++state) {
        if (state == 0 ? Buttons != 0 : !(Buttons & (1u << (state - 1))))
            continue;
        SendJoystickValue(j, FJoystickMap.At(j, TJoystickMap::jaZ, state), Z, TJoystickMap::jaZ);
    }
}

void TMainWindow::SendJoystickValue(int Joystick, TControllerCode Code, int Position, int Axis) {
    if (!ControllerCode::IsValid(Code) || Code == ControllerCode::None)
        return;
    const TJoystick &stick = *FJoysticks[size_t(Joystick)];
    const int top = Code == ControllerCode::PitchBend ? PitchBendTop : ControllerTop;
    int result = 0;
    switch (Axis) {
    case TJoystickMap::jaX:
        result = stick.ScaleX(Position, 0, top);
        break;
    case TJoystickMap::jaY:
        // Mirrored within the range, so that pushing the stick away raises the value.
        result = stick.ScaleY(stick.YMin() + stick.YMax() - Position, 0, top);
        break;
    default:
        result = stick.ScaleZ(Position, 0, top);
        break;
    }
    if (Code == ControllerCode::PitchBend)
        FRouter->SendPitchBend(result - 8192);
    else
        FRouter->SendController(Code, result);
}
