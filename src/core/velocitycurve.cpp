#include "core/velocitycurve.h"

#include <algorithm>
#include <cmath>

void TVelocityCurve::Normalize() {
    Min = std::clamp(Min, 1, 127);
    Max = std::clamp(Max, 1, 127);
    Curve = std::clamp(Curve, CurveMin, CurveMax);
}

uint8_t TVelocityCurve::Velocity(double Depth) const {
    if (!(Depth > 0.0)) // NaN counts as the back
        Depth = 0.0;
    Depth = std::min(Depth, 1.0);
    // An exponent from 4 (hardest) through 1 (straight) to 1/4 (softest).
    const double exponent = std::exp2(-double(std::clamp(Curve, CurveMin, CurveMax)) / 50.0);
    const double lo = std::clamp(Min, 1, 127);
    const double hi = std::clamp(Max, 1, 127);
    const double v = lo + (hi - lo) * std::pow(Depth, exponent);
    return uint8_t(std::clamp(std::lround(v), 1L, 127L));
}
