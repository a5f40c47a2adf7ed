#include "core/musicscale.h"

namespace MusicScale {

namespace {

constexpr std::array<uint8_t, 12> Chromatic{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr std::array<uint8_t, 7> Major{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<uint8_t, 7> Minor{0, 2, 3, 5, 7, 8, 10};
constexpr std::array<uint8_t, 7> HarmonicMinor{0, 2, 3, 5, 7, 8, 11};
constexpr std::array<uint8_t, 7> MelodicMinor{0, 2, 3, 5, 7, 9, 11};
constexpr std::array<uint8_t, 7> Dorian{0, 2, 3, 5, 7, 9, 10};
constexpr std::array<uint8_t, 7> Phrygian{0, 1, 3, 5, 7, 8, 10};
constexpr std::array<uint8_t, 7> Lydian{0, 2, 4, 6, 7, 9, 11};
constexpr std::array<uint8_t, 7> Mixolydian{0, 2, 4, 5, 7, 9, 10};
constexpr std::array<uint8_t, 7> Locrian{0, 1, 3, 5, 6, 8, 10};
constexpr std::array<uint8_t, 5> MajorPentatonic{0, 2, 4, 7, 9};
constexpr std::array<uint8_t, 5> MinorPentatonic{0, 3, 5, 7, 10};
constexpr std::array<uint8_t, 6> Blues{0, 3, 5, 6, 7, 10};

int FloorDiv(int A, int B) {
    return A >= 0 ? A / B : -((-A + B - 1) / B);
}

} // namespace

std::span<const uint8_t> Steps(TScale Scale) {
    switch (Scale) {
    case TScale::scMajor:
        return Major;
    case TScale::scMinor:
        return Minor;
    case TScale::scHarmonicMinor:
        return HarmonicMinor;
    case TScale::scMelodicMinor:
        return MelodicMinor;
    case TScale::scDorian:
        return Dorian;
    case TScale::scPhrygian:
        return Phrygian;
    case TScale::scLydian:
        return Lydian;
    case TScale::scMixolydian:
        return Mixolydian;
    case TScale::scLocrian:
        return Locrian;
    case TScale::scMajorPentatonic:
        return MajorPentatonic;
    case TScale::scMinorPentatonic:
        return MinorPentatonic;
    case TScale::scBlues:
        return Blues;
    case TScale::scChromatic:
        break;
    }
    return Chromatic;
}

bool Contains(TScale Scale, int Root, int Note) {
    const int step = ((Note - Root) % 12 + 12) % 12;
    for (uint8_t s : Steps(Scale))
        if (s == step)
            return true;
    return false;
}

int DegreeNote(TScale Scale, int Root, int Degree) {
    const std::span<const uint8_t> steps = Steps(Scale);
    const int n = int(steps.size());
    const int octave = FloorDiv(Degree, n);
    return Root + 12 * octave + steps[size_t(Degree - octave * n)];
}

} // namespace MusicScale
