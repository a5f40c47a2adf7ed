#pragma once

// The arpeggiator's rules as pure functions: which notes a step plays, and where on the beat
// grid each step starts. The engine (arpengine.h) plays them on an output's real-time thread;
// here they are tested without a clock.
//
// Threads: any; nothing here allocates.

#include <array>
#include <cstdint>

enum class TArpMode : uint8_t { amUp, amDown, amUpDown, amPlayed, amRandom, amChord };
constexpr int ArpModeCount = 6;

// Where the arpeggiator's tempo comes from: its own, JACK transport (tempo and bar position
// while a transport master runs), or MIDI clock arriving at the input.
enum class TArpClock : uint8_t { acOwn, acTransport, acMidiClock };
constexpr int ArpClockCount = 3;

// How long a step lasts: a note value 1/4, 1/8, 1/16 or 1/32, straight, as a triplet or dotted.
// Rate = value * 3 + feel.
constexpr int ArpRateCount = 12;
constexpr int ArpRateSixteenth = 6;
constexpr double ArpRateQuarters(int Rate) {
    const int Value = Rate < 0 || Rate >= ArpRateCount ? 2 : Rate / 3;
    const int Feel = Rate < 0 || Rate >= ArpRateCount ? 0 : Rate % 3;
    const double Straight = 1.0 / double(1 << Value);
    return Feel == 1 ? Straight * 2.0 / 3.0 : Feel == 2 ? Straight * 1.5 : Straight;
}

struct TArpSettings {
    static constexpr int GateMin = 5, GateMax = 100;
    static constexpr int SwingMin = 50, SwingMax = 75;
    static constexpr int OctavesMin = 1, OctavesMax = 4;

    bool On = false;
    TArpMode Mode = TArpMode::amUp;
    uint8_t Rate = ArpRateSixteenth;
    uint8_t Gate = 50;  // percent of the step a note sounds
    uint8_t Swing = 50; // percent of a pair of steps after which the second starts: 50 is straight
    uint8_t Octaves = 1;

    // Values out of range brought into it.
    TArpSettings Valid() const;
    bool operator==(const TArpSettings &) const = default;
};

struct TArpNote {
    uint8_t Note = 0;
    uint8_t Velocity = 0;
    bool operator==(const TArpNote &) const = default;
};

// Notes in the order they were played, each once.
struct TArpChord {
    static constexpr int Capacity = 32;
    std::array<TArpNote, Capacity> Notes{};
    uint8_t Count = 0;

    const TArpNote *begin() const { return Notes.data(); }
    const TArpNote *end() const { return Notes.data() + Count; }
    bool Contains(int Note) const;
    // A note already there keeps its place; false when it is full.
    bool Add(int Note, int Velocity);
    void Remove(int Note);
    bool operator==(const TArpChord &Other) const;
};

// The notes step Step of the pattern plays (0 is the pattern's first step): one note, or all of
// them in chord mode (an octave higher at each step across the range). Seed makes the random
// mode's choices; the same seed and step give the same note. Notes above 127 are left out.
TArpChord ArpStepNotes(const TArpChord &Held, TArpMode Mode, int Octaves, uint64_t Step,
                       uint64_t Seed = 0);
// Steps before the pattern repeats (0 for no notes).
int ArpPatternLength(const TArpChord &Held, TArpMode Mode, int Octaves);

// Where step Step starts, in quarter notes from the grid's origin: steps of StepQuarters, every
// second one delayed by the swing.
double ArpStepStart(int64_t Step, double StepQuarters, int Swing);
// The first step that starts at Position or after it.
int64_t ArpFirstStepAt(double Position, double StepQuarters, int Swing);
