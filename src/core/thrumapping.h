#pragma once

// What an incoming note turns into when it is played through: one rule, used both where the
// note is sent (the thru engine, on the input's thread) and where it is shown (the keyboard).

#include <array>
#include <cstdint>

// The notes one key plays: intervals from the played note, the root's 0 first.
struct TChordIntervals {
    std::array<int8_t, 17> Values{};
    uint8_t Count = 0;
    constexpr const int8_t *begin() const { return Values.data(); }
    constexpr const int8_t *end() const { return Values.data() + Count; }
};

struct TThruRules {
    bool On = false;
    bool TransposeThru = true;
    bool DisplayTransposed = false;
    int Transpose = 0;                // -99..99
    TChordIntervals Intervals{{}, 1}; // the root's 0 first

    bool operator==(const TThruRules &Other) const;
};

// One note an incoming note plays: Out is sent, Key is the key that lights for it.
struct TThruNote {
    uint8_t Out = 0;
    uint8_t Key = 0;
};

struct TThruChord {
    std::array<TThruNote, 17> Notes{};
    uint8_t Count = 0;
    constexpr const TThruNote *begin() const { return Notes.data(); }
    constexpr const TThruNote *end() const { return Notes.data() + Count; }
};

// The chord an incoming Note plays under Rules (Rules.On aside): every interval transposed when
// thru is transposed; only notes that can be both sent and shown (0..127) go out, as with the
// keyboard's own.
constexpr TThruChord ThruChord(const TThruRules &Rules, int Note) {
    TThruChord Chord;
    for (int Interval : Rules.Intervals) {
        const int Played = Note + Interval;
        const int Out = Rules.TransposeThru ? Played + Rules.Transpose : Played;
        const int Key = Rules.DisplayTransposed && Rules.TransposeThru ? Out : Played;
        if (Out < 0 || Out > 127 || Key < 0 || Key > 127)
            continue;
        Chord.Notes[Chord.Count++] = {uint8_t(Out), uint8_t(Key)};
    }
    return Chord;
}
