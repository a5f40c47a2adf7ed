#include "core/thrumapping.h"

bool TThruRules::operator==(const TThruRules &Other) const {
    return On == Other.On && TransposeThru == Other.TransposeThru &&
           DisplayTransposed == Other.DisplayTransposed && Transpose == Other.Transpose &&
           Intervals.Count == Other.Intervals.Count && Intervals.Values == Other.Intervals.Values;
}
