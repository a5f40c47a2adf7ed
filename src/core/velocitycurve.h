#pragma once

// The velocity of a key struck with the mouse or a finger, from where on the key it was struck:
// at the back (the end towards the black keys) softest, at the front loudest. The curve bends
// the way between: a soft touch reaches loud velocities sooner, a hard one later.

#include <cstdint>

struct TVelocityCurve {
    static constexpr int CurveMin = -100; // hardest: loud only at the very front
    static constexpr int CurveMax = 100;  // softest: loud almost everywhere
    static constexpr int DefaultMin = 30;
    static constexpr int DefaultMax = 127;

    int Min = DefaultMin; // 1..127, at the back
    int Max = DefaultMax; // 1..127, at the front
    int Curve = 0;        // CurveMin..CurveMax, 0 a straight line

    // Values out of range are brought into it; a Min above Max is kept (the front plays softer
    // than the back, for whoever wants it so).
    void Normalize();

    // Depth: 0 at the back of the key, 1 at its front; outside that it counts as the nearer end.
    // Never 0 (which would be a release).
    uint8_t Velocity(double Depth) const;

    bool operator==(const TVelocityCurve &) const = default;
};
