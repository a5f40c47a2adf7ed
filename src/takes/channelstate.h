#pragma once

// What the messages sent so far leave in effect on the 16 channels: the notes sounding (with
// their velocity), the controllers, bank and program, the pitch bend. A take that starts in
// the middle of the playing begins with this state, so that it sounds as it did; one that ends
// with notes or the sustain pedal down ends them.
//
// Threads: any one thread at a time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

class TChannelState {
public:
    TChannelState() { Clear(); }
    void Clear();

    // Follows one message that was sent.
    void Apply(const uint8_t *Data, size_t Size);
    // Whether the message is a note-off of a note that is not sounding (one of a Panic's, or
    // a second release): it changes nothing.
    bool IsIdleRelease(const uint8_t *Data, size_t Size) const;
    int SoundingCount() const { return FSounding; }

    using TEmit = std::function<void(const uint8_t *Data, size_t Size)>;
    // The messages that set up this state on a receiver that has none: per channel bank select,
    // program, controllers, pitch bend, then (with Notes) the note-ons of the sounding notes.
    void Restore(const TEmit &Emit, bool Notes = true) const;
    // The messages that end what is still sounding: a note-off for each sounding note, the
    // sustain, sostenuto and soft pedals let go.
    void Release(const TEmit &Emit) const;

private:
    static constexpr int Channels = 16;
    struct TChannel {
        std::array<int16_t, 120> Controllers; // -1: never set; the mode messages are not kept
        int16_t Program;
        int16_t PitchBend;                 // 0..16383, -1: never set
        std::array<uint8_t, 128> Velocity; // of the sounding note, 0 when silent
    };
    std::array<TChannel, Channels> FChannels;
    int FSounding = 0;
};
