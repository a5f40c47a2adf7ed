#pragma once

// The strip and arrow pictures, drawn in code at start instead of shipped as bitmaps: "WHEEL"
// (and "WHEEL256"), 41 frames of 20 x 76 side by side, a ribbed wheel seen edge-on whose bright
// marker rises from the bottom (frame 0) through the centre (frame 20) to the top (frame 40); and
// "LEFTARROW" / "RIGHTARROW", two frames of 16 x 76, a raised button (0) and a pressed one (1).

#include <QPixmap>
#include <QString>

namespace ControlPictures {

constexpr int WheelFrames = 41;
constexpr int WheelFrameWidth = 20;
constexpr int WheelHeight = 76;
constexpr int ArrowFrameWidth = 16;
constexpr int ArrowHeight = 76;

// The picture of that name (letter case ignored), drawn for the device pixel ratio Dpr and
// carrying it; a null pixmap for an unknown name.
QPixmap Load(const QString &Name, qreal Dpr);

} // namespace ControlPictures
