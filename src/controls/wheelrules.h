#pragma once

// The value and geometry rules of the rotary knob, apart from any widget: where a value snaps,
// the symmetric range, the square-and-odd size, the angles of the scale and the pointer, and the
// limits that keep the scale, pointer and face inside the knob.

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <vector>

namespace WheelRules {

// The largest bound a symmetric range can have.
constexpr int64_t MaxBalance = 0x3FFFFFFF;

// Value clamped to Min..Max; strictly inside, rounded to the nearest multiple of Step counted from
// 0 (halves toward plus infinity). The bounds stay valid even when they are not multiples of
// Step, and a snap that lands outside them is clamped back.
int Snap(int64_t Value, int Min, int Max, int Step);

// The symmetric range made from Min..Max: the magnitude of the other bound when one is 0, else
// the smaller magnitude, at most MaxBalance. Returns that magnitude m (the range is -m..m).
int BalanceBound(int Min, int Max);

// The size a knob takes when it is resized from Old to New: with ForceSquare, the side that did
// not change follows the one that did (both changed: the smaller); then both sides are made odd,
// so the face has a centre pixel.
QSize SquareBounds(QSize Old, QSize New, bool ForceSquare);

// The angle in degrees, y pointing down, of Percent (0..100) of a scale sweeping Degrees with
// its gap centred at the bottom: for 320 degrees, 0 % at -250, 50 % at -90, 100 % at 70.
double KnobAngle(double Percent, int Degrees);

// The point at Angle (degrees) on radii Rx, Ry around Centre, truncated toward zero.
QPoint PointAt(QPoint Centre, double Angle, int Rx, int Ry);

// The percentages of the ticks: 0, 100, 50 with Balance, and round(i / Ticks * 100) for
// i = 1 .. Ticks - 1 (halves to even); in drawing order, repeats kept.
std::vector<int> TickPercents(int Ticks, bool Balance);

// Percent of Min..Max that Position stands at.
double PositionPercent(int Position, int Min, int Max);

// Rounding used by the size limits: to nearest, halves to even.
int RoundEven(double Value);

} // namespace WheelRules
