#include "controls/wheelrules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace WheelRules {

namespace {
int64_t FloorDiv(int64_t A, int64_t B) {
    const int64_t q = A / B;
    return (A % B != 0 && ((A < 0) != (B < 0))) ? q - 1 : q;
}
} // namespace

int Snap(int64_t Value, int Min, int Max, int Step) {
    if (Value <= Min)
        return Min;
    if (Value >= Max)
        return Max;
    if (Step <= 1)
        return int(Value);
    // Nearest multiple, halves upward: floor((2v + s) / 2s) * s.
    const int64_t snapped = FloorDiv(2 * Value + Step, 2 * int64_t(Step)) * Step;
    return int(std::clamp<int64_t>(snapped, Min, Max));
}

int BalanceBound(int Min, int Max) {
    const int64_t lo = std::abs(int64_t(Min));
    const int64_t hi = std::abs(int64_t(Max));
    int64_t m;
    if (Min == 0)
        m = hi;
    else if (Max == 0)
        m = lo;
    else
        m = std::min(lo, hi);
    return int(std::min(m, MaxBalance));
}

QSize SquareBounds(QSize Old, QSize New, bool ForceSquare) {
    int w = New.width();
    int h = New.height();
    if (ForceSquare) {
        if (h == Old.height())
            h = w;
        else if (w == Old.width())
            w = h;
        else
            w = h = std::min(w, h);
    }
    const auto odd = [](int v) { return std::max(0, v) / 2 * 2 + 1; };
    return {odd(w), odd(h)};
}

double KnobAngle(double Percent, int Degrees) {
    return Degrees * Percent / 100.0 + (360.0 - Degrees) / 2.0 - 360.0 + 90.0;
}

QPoint PointAt(QPoint Centre, double Angle, int Rx, int Ry) {
    const double a = Angle * std::numbers::pi / 180.0;
    return {Centre.x() + int(std::trunc(std::cos(a) * Rx)),
            Centre.y() + int(std::trunc(std::sin(a) * Ry))};
}

std::vector<int> TickPercents(int Ticks, bool Balance) {
    std::vector<int> result{0, 100};
    if (Balance)
        result.push_back(50);
    for (int i = 1; i < Ticks; ++i)
        result.push_back(RoundEven(double(i) / Ticks * 100.0));
    return result;
}

double PositionPercent(int Position, int Min, int Max) {
    if (Max <= Min)
        return 0.0;
    return (double(Position) - Min) / (double(Max) - Min) * 100.0;
}

int RoundEven(double Value) {
    return int(std::nearbyint(Value));
}

} // namespace WheelRules
