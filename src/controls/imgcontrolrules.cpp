#include "controls/imgcontrolrules.h"

#include <cmath>
#include <cstdlib>

namespace ImgControlRules {

namespace {

int Sign(int64_t V) {
    return (V > 0) - (V < 0);
}

} // namespace

int FrameIndex(int Position, int Min, int Max, int Count) {
    if (Count <= 0)
        return -1;
    // In floating point: Max - Min + 1 overflows int for the widest ranges.
    const double span = double(Max) - double(Min) + 1.0;
    const double index = (double(Position) - double(Min)) / span * Count;
    return int(std::trunc(index));
}

int Clamp(int64_t Value, int Min, int Max) {
    if (Value < Min)
        return Min;
    if (Value > Max)
        return Max;
    return int(Value);
}

TDragStep RelativeDrag(const TDragInput &In, int Delta, bool Shift) {
    TDragStep out;
    out.Fine = In.Fine;
    int64_t delta = Delta;
    if (Shift) {
        delta /= 6;
        out.Fine = true;
    } else if (out.Fine) {
        // Leaving fine mode: the first move counts one step at most, so releasing Shift does
        // not make the value jump by the pixels gathered while it was held.
        delta = Sign(delta);
        out.Fine = false;
    }
    if (delta == 0)
        return out;
    int64_t change = delta * In.SmallChange;
    if (!out.Fine) {
        const int64_t pos = In.Position;
        const int64_t middle = In.MiddlePos;
        if (pos == middle) {
            change = std::llabs(delta) > In.MiddleSnap
                         ? (delta - Sign(delta) * int64_t(In.MiddleSnap)) * In.SmallChange
                         : 0;
        } else if ((pos < middle && pos + change >= middle) ||
                   (pos > middle && pos + change <= middle)) {
            const int64_t overshoot =
                In.SmallChange != 0 ? (pos + change - middle) / In.SmallChange : 0;
            if (std::llabs(overshoot) <= In.MiddleSnap) {
                out.Action = TDragStep::TAction::SnapToMiddle;
                return out;
            }
        }
    }
    if (change != 0) {
        out.Action = TDragStep::TAction::Move;
        out.Change = change;
    }
    return out;
}

int ButtonPosition(bool Inside, bool TwoState, int StartPosition, int Min, int Max) {
    // Measured from Min, so a button whose range does not start at 0 still rests at Min.
    int64_t target;
    if (Inside)
        target = TwoState ? int64_t(Max) + Min - StartPosition : Max;
    else
        target = TwoState ? StartPosition : Min;
    return target - Min > (int64_t(Max) - Min) / 2 ? Max : Min;
}

} // namespace ImgControlRules
