// The main window's mouse wheel and joysticks: each drives one controller, or the pitch bend, on
// the keyboard's channel.

#include "ondrel.h"

#include "custominifile.h"
#include "imgcontrol.h"
#include "joystick.h"
#include "midimenu.h"
#include "midioutput.h"

#include <QWheelEvent>

using namespace ControllerMapping;

namespace {

constexpr int JoystickPollPeriod = 30;
constexpr int PitchBendTop = 16383;
constexpr int ControllerTop = 127;

} // namespace

void TOndrel2::CreateJoysticks() {
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
        (device == 0 ? Joystick1 : Joystick2) = joystick;
    }
}

bool TOndrel2::WheelEvent(QWheelEvent *Event) {
    // Only the vertical wheel; a tilt or a horizontal swipe scrolls as it always does.
    const int delta = Event->angleDelta().y();
    if (delta == 0)
        return false;
    bool handled = true;
    FormMouseWheel(ShiftStateOf(Event->modifiers(), Event->buttons()), delta,
                   Event->position().toPoint(), handled);
    return handled;
}

void TOndrel2::FormMouseWheel(TShiftState Shift, int WheelDelta, const QPoint &MousePos,
                              bool &Handled) {
    Q_UNUSED(MousePos);
    Handled = true;
    const bool fine = Shift.testFlag(TShiftStateFlag::ssShift);
    switch (MouseWheelController) {
    case PitchBend:
        ICPitchScroll(
            WheelPitchValue(WheelDelta, MouseWheelSensitivity, fine, ICPitch->Position()));
        break;
    case NoController:
        Handled = false;
        break;
    default:
        SendController(
            uint8_t(MouseWheelController),
            uint8_t(WheelControllerValue(WheelDelta, MouseWheelSensitivity, fine, WheelValue)));
        break;
    }
}

void TOndrel2::SetWheelController(int Code) {
    if (Code == MouseWheelController || Code < 0 || Code > NoController)
        return;
    MouseWheelController = Code;
    if (Code == PitchBend)
        WheelValue = ICPitch->Position();
    else if (Code == ModWheelController)
        WheelValue = ICMW->Position();
    else
        WheelValue = 0;
}

void TOndrel2::UpdateJoystickEnable() {
    Joystick1->SetEnabled(JoystickMap.Assigned(0));
    Joystick2->SetEnabled(JoystickMap.Assigned(1));
}

void TOndrel2::ReadJoystickMap(const TCustomIniFile &Store) {
    JoystickMap.Read(Store);
}

void TOndrel2::WriteJoystickMap(TCustomIniFile &Store) {
    JoystickMap.Write(Store);
}

void TOndrel2::JoystickXYMove(TJoystick *Sender, int X, int Y, TJoystickButtons Buttons) {
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
            SendJoystickValue(j, JoystickMap.At(j, TJoystickMap::jaX, state), X, TJoystickMap::jaX);
        if (yMoved)
            SendJoystickValue(j, JoystickMap.At(j, TJoystickMap::jaY, state), Y, TJoystickMap::jaY);
    }
}

void TOndrel2::JoystickZMove(TJoystick *Sender, int Z, TJoystickButtons Buttons) {
    const int j = Sender->Device();
    int &last = FJoystickLast[size_t(j)][TJoystickMap::jaZ];
    if (Z == last)
        return;
    last = Z;
    for (int state = 0; state < TJoystickMap::ButtonStates; ++state) {
        if (state == 0 ? Buttons != 0 : !(Buttons & (1u << (state - 1))))
            continue;
        SendJoystickValue(j, JoystickMap.At(j, TJoystickMap::jaZ, state), Z, TJoystickMap::jaZ);
    }
}

void TOndrel2::SendJoystickValue(int Joystick, int Code, int Position, int Axis) {
    if (Code < 0 || Code >= NoController)
        return;
    const TJoystick &stick = *(Joystick == 0 ? Joystick1 : Joystick2);
    const int top = Code == PitchBend ? PitchBendTop : ControllerTop;
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
    const uint8_t channel = Keyboard1->Model().Channel();
    uint8_t status, data1, data2;
    if (Code == PitchBend) {
        status = uint8_t(0xE0 | channel);
        data1 = uint8_t(result % 128);
        data2 = uint8_t(result / 128);
    } else {
        status = uint8_t(0xB0 | channel);
        data1 = uint8_t(Code);
        data2 = uint8_t(result);
    }
    SendOut(status, data1, data2);
    ReflectEvent(status, data1, data2);
}
