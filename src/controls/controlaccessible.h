#pragma once

// What a screen reader learns of the drawn controls: a strip (TImgControl) is a slider, or a
// button when it shows a button picture; a knob (TWheel) is a dial. Both tell their value and
// range, and the reader hears when the value changes. UI thread only.

class QWidget;

namespace ControlAccessible {

// Makes Qt ask for these interfaces for every TImgControl and TWheel; once per program.
void Install();
// Control's value changed: the reader is told (when one listens).
void ValueChanged(QWidget *Control, int Value);

} // namespace ControlAccessible
