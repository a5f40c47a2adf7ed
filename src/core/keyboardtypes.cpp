#include "core/keyboardtypes.h"

TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons) {
    TShiftState s;
    if (Modifiers & Qt::ShiftModifier)
        s |= TShiftStateFlag::ssShift;
    if (Modifiers & Qt::AltModifier)
        s |= TShiftStateFlag::ssAlt;
    if (Modifiers & Qt::ControlModifier)
        s |= TShiftStateFlag::ssCtrl;
    if (Buttons & Qt::LeftButton)
        s |= TShiftStateFlag::ssLeft;
    if (Buttons & Qt::RightButton)
        s |= TShiftStateFlag::ssRight;
    if (Buttons & Qt::MiddleButton)
        s |= TShiftStateFlag::ssMiddle;
    return s;
}
