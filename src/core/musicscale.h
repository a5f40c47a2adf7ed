#pragma once

// Scales a player can choose for the keyboard: which of the twelve pitch classes belong to a key
// and scale, and the notes of the scale one after another (what the computer keys play when
// they play only the scale's notes).

#include <array>
#include <cstdint>
#include <span>

enum class TScale : uint8_t {
    scChromatic = 0,
    scMajor,
    scMinor,
    scHarmonicMinor,
    scMelodicMinor,
    scDorian,
    scPhrygian,
    scLydian,
    scMixolydian,
    scLocrian,
    scMajorPentatonic,
    scMinorPentatonic,
    scBlues,
};
constexpr int ScaleCount = 13;

namespace MusicScale {

// The steps of a scale above its key note, ascending, starting with 0.
std::span<const uint8_t> Steps(TScale Scale);

// Whether Note (any MIDI note) belongs to Scale on the key note Root (0 = C .. 11 = B).
bool Contains(TScale Scale, int Root, int Note);

// The note of scale degree Degree (0 = the key note of octave 0, negative below) on Root:
// degrees run on through the octaves, Steps(Scale).size() of them per octave.
int DegreeNote(TScale Scale, int Root, int Degree);

} // namespace MusicScale
