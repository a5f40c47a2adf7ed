#pragma once

// MIDI clock arriving at the input, followed for the arpeggiator: 24 ticks a quarter note,
// started (0xFA), continued (0xFB) and stopped (0xFC) by the sender. The tempo and the phase come
// from a straight line fitted through the last two beats' ticks, so that the jitter of their
// arrival (a JACK period, a USB frame) averages out. Ticks that came through JACK are fitted on
// the server's frames too: an output on that server places the steps by frames, the time its
// receivers hear in, whatever the server's cycles do on the wall clock.
//
// Threads: Feed on the input's service thread (one at a time); Read from any thread (the
// outputs' real-time threads, the UI thread). They meet in a sequence lock of atomic words:
// neither waits, and a reader that meets a write gets the state of a moment before.

#include "midi/midisink.h"

#include <array>
#include <atomic>
#include <cstdint>

class TMidiClock {
public:
    static constexpr int TicksPerQuarter = 24;
    static constexpr uint8_t TickByte = 0xF8, StartByte = 0xFA, ContinueByte = 0xFB,
                             StopByte = 0xFC;

    struct TState {
        bool Running = false;
        int64_t Tick = -1;    // the last tick, counted from the start (0 is the song's start)
        double TickUs = 0;    // when it came, on the monotonic clock (by the fit)
        double UsPerTick = 0; // 0 until two ticks came
        // The same on the JACK server's frames, where the last two beats' ticks all told theirs:
        // the last tick at TickFrame frames after FrameBase.
        bool HasFrames = false;
        uint32_t FrameBase = 0;
        double TickFrame = 0;
        double FramesPerTick = 0;
        // Where the song stands at Us, or at the server's Frame, at most a tick ahead.
        double QuartersAt(double Us) const;
        double QuartersAtFrame(uint32_t Frame) const;
        // Frames since the last tick (negative for a tick after Frame).
        double FramesSinceTick(uint32_t Frame) const;
        double BeatsPerMinute() const { return UsPerTick > 0 ? 60e6 / (UsPerTick * 24) : 0; }
    };

    // A real-time message as it arrived; other bytes are ignored.
    void Feed(uint8_t Status, const TMidiArrival &At) noexcept;
    void Feed(uint8_t Status, int64_t TimeUs) noexcept { Feed(Status, TMidiArrival{TimeUs}); }
    // False when no tick came yet.
    bool Read(TState &State) const noexcept;

private:
    void Publish(const TState &State) noexcept;

    // The input thread's own.
    static constexpr int Window = 2 * TicksPerQuarter;
    std::array<int64_t, Window> FTimes{};
    std::array<uint32_t, Window> FFrames{};
    int FCount = 0;      // ticks in the window
    int FFrameCount = 0; // of those, the last that told their frames
    int64_t FTick = -1;
    bool FRunning = false;
    bool FStopped = false; // a stop came: ticks alone do not start it again

    std::atomic<uint32_t> FSequence{0};
    std::atomic<bool> FPubRunning{false};
    std::atomic<int64_t> FPubTick{-1};
    std::atomic<double> FPubTickUs{0};
    std::atomic<double> FPubUsPerTick{0};
    std::atomic<bool> FPubHasFrames{false};
    std::atomic<uint32_t> FPubFrameBase{0};
    std::atomic<double> FPubTickFrame{0};
    std::atomic<double> FPubFramesPerTick{0};
};
