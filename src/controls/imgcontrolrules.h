#pragma once

// The value rules of the picture-strip control, apart from any widget: which frame shows a
// position, how a relative drag moves the value (fine mode and the detent at the middle), and
// where a button goes under the pointer.

#include <cstdint>

namespace ImgControlRules {

// The frame showing Position of Min..Max in a picture of Count frames: spreads the range evenly
// over the frames, always below Count; -1 when there are no frames.
int FrameIndex(int Position, int Min, int Max, int Count);

// Clamps a value that may lie outside int to Min..Max.
int Clamp(int64_t Value, int Min, int Max);

struct TDragInput {
    int Position = 0;
    int SmallChange = 1;
    int MiddlePos = 0;
    int MiddleSnap = 5;
    bool Fine = false; // fine mode was on at the previous move
};

struct TDragStep {
    // What the control does with one pointer move.
    enum class TAction : uint8_t {
        None,         // nothing; the anchor stays, so small moves add up
        SnapToMiddle, // the value goes to MiddlePos; the anchor stays
        Move,         // the value goes to Position + Change; the anchor becomes the pointer
    };
    TAction Action = TAction::None;
    int64_t Change = 0;
    bool Fine = false; // the fine-mode flag after this move
};

// One pointer move of Delta pixels from the anchor (upward or rightward is positive), with or
// without Shift held.
TDragStep RelativeDrag(const TDragInput &In, int Delta, bool Shift);

// The position a button takes for a pointer inside or outside its frame: Max or Min, so a plain
// button shows its pressed frame under the pointer and a two-state button previews the toggle.
int ButtonPosition(bool Inside, bool TwoState, int StartPosition, int Min, int Max);

} // namespace ImgControlRules
