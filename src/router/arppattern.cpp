#include "router/arppattern.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int OctaveSpan = 12;

// The notes a mode walks through, over the octaves of the range; those above 127 left out.
struct TWalk {
    std::array<TArpNote, TArpChord::Capacity * TArpSettings::OctavesMax> Notes{};
    int Count = 0;
};

TWalk Walk(const TArpChord &Held, bool Sorted, int Octaves) {
    std::array<TArpNote, TArpChord::Capacity> base{};
    std::copy(Held.begin(), Held.end(), base.begin());
    // An insertion sort, stable and in place: std::stable_sort takes a buffer from the heap,
    // and this runs on the output's real-time thread.
    if (Sorted)
        for (int i = 1; i < Held.Count; ++i)
            for (int j = i; j > 0 && base[size_t(j)].Note < base[size_t(j - 1)].Note; --j)
                std::swap(base[size_t(j)], base[size_t(j - 1)]);
    TWalk walk;
    for (int octave = 0; octave < Octaves; ++octave)
        for (int i = 0; i < Held.Count; ++i) {
            const int note = base[size_t(i)].Note + OctaveSpan * octave;
            if (note <= 127)
                walk.Notes[size_t(walk.Count++)] = {uint8_t(note), base[size_t(i)].Velocity};
        }
    return walk;
}

int ClampOctaves(int Octaves) {
    return std::clamp(Octaves, TArpSettings::OctavesMin, TArpSettings::OctavesMax);
}

// A well-mixed 64-bit value of another (splitmix64's finaliser).
uint64_t Mix(uint64_t Value) {
    Value += 0x9E3779B97F4A7C15ull;
    Value = (Value ^ (Value >> 30)) * 0xBF58476D1CE4E5B9ull;
    Value = (Value ^ (Value >> 27)) * 0x94D049BB133111EBull;
    return Value ^ (Value >> 31);
}

} // namespace

TArpSettings TArpSettings::Valid() const {
    TArpSettings s = *this;
    if (int(s.Mode) >= ArpModeCount)
        s.Mode = TArpMode::amUp;
    if (s.Rate >= ArpRateCount)
        s.Rate = ArpRateSixteenth;
    s.Gate = uint8_t(std::clamp(int(s.Gate), GateMin, GateMax));
    s.Swing = uint8_t(std::clamp(int(s.Swing), SwingMin, SwingMax));
    s.Octaves = uint8_t(ClampOctaves(s.Octaves));
    return s;
}

bool TArpChord::Contains(int Note) const {
    return std::any_of(begin(), end(), [Note](const TArpNote &N) { return N.Note == Note; });
}

bool TArpChord::Add(int Note, int Velocity) {
    if (Contains(Note))
        return true;
    if (Count == Capacity)
        return false;
    Notes[Count++] = {uint8_t(Note & 127), uint8_t(Velocity & 127)};
    return true;
}

void TArpChord::Remove(int Note) {
    const auto last = std::remove_if(Notes.begin(), Notes.begin() + Count,
                                     [Note](const TArpNote &N) { return N.Note == Note; });
    Count = uint8_t(last - Notes.begin());
}

bool TArpChord::operator==(const TArpChord &Other) const {
    return Count == Other.Count && std::equal(begin(), end(), Other.begin());
}

int ArpPatternLength(const TArpChord &Held, TArpMode Mode, int Octaves) {
    Octaves = ClampOctaves(Octaves);
    if (Held.Count == 0)
        return 0;
    if (Mode == TArpMode::amChord)
        return Octaves;
    const int count = Walk(Held, Mode != TArpMode::amPlayed, Octaves).Count;
    return Mode == TArpMode::amUpDown && count > 2 ? 2 * count - 2 : count;
}

TArpChord ArpStepNotes(const TArpChord &Held, TArpMode Mode, int Octaves, uint64_t Step,
                       uint64_t Seed) {
    Octaves = ClampOctaves(Octaves);
    TArpChord step;
    if (Held.Count == 0)
        return step;
    if (Mode == TArpMode::amChord) {
        const int shift = OctaveSpan * int(Step % uint64_t(Octaves));
        for (const TArpNote &note : Held)
            if (note.Note + shift <= 127)
                step.Add(note.Note + shift, note.Velocity);
        return step;
    }
    const TWalk walk = Walk(Held, Mode != TArpMode::amPlayed, Octaves);
    if (walk.Count == 0)
        return step;
    const uint64_t count = uint64_t(walk.Count);
    uint64_t index = Step % count;
    switch (Mode) {
    case TArpMode::amDown:
        index = count - 1 - index;
        break;
    case TArpMode::amUpDown:
        if (count > 2) {
            const uint64_t turn = Step % (2 * count - 2);
            index = turn < count ? turn : 2 * count - 2 - turn;
        }
        break;
    case TArpMode::amRandom:
        index = Mix(Seed ^ Mix(Step)) % count;
        break;
    default:
        break;
    }
    const TArpNote &note = walk.Notes[size_t(index)];
    step.Add(note.Note, note.Velocity);
    return step;
}

double ArpStepStart(int64_t Step, double StepQuarters, int Swing) {
    // Steps go in pairs: the first on the pair's start, the second Swing percent into it.
    const int64_t pair = Step >= 0 ? Step / 2 : (Step - 1) / 2;
    const bool second = Step - 2 * pair == 1;
    const double pairStart = double(pair) * 2.0 * StepQuarters;
    return second ? pairStart + 2.0 * StepQuarters * double(Swing) / 100.0 : pairStart;
}

int64_t ArpFirstStepAt(double Position, double StepQuarters, int Swing) {
    // A step that starts a hair before Position, by rounding, still counts as starting at it.
    constexpr double Hair = 1e-9;
    int64_t step = 2 * int64_t(std::floor(Position / (2.0 * StepQuarters)));
    while (ArpStepStart(step, StepQuarters, Swing) < Position - Hair)
        ++step;
    return step;
}
