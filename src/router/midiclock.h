#pragma once

// MIDI clock arriving at the input, followed for the arpeggiator: 24 ticks a quarter note,
// started (0xFA), continued (0xFB) and stopped (0xFC) by the sender. The tempo and the phase come
// from a straight line fitted through the last two beats' ticks, so that the jitter of their
// arrival (a JACK period, a USB frame) averages out.
//
// Threads: Feed on the input's service thread (one at a time); Read from any thread (the
// outputs' real-time threads, the UI thread). They meet in a sequence lock of atomic words:
// neither waits, and a reader that meets a write gets the state of a moment before.

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
        double QuartersAt(double Us) const; // where the song stands at Us, at most a tick ahead
        double BeatsPerMinute() const { return UsPerTick > 0 ? 60e6 / (UsPerTick * 24) : 0; }
    };

    // A real-time message at TimeUs (monotonic microseconds); other bytes are ignored.
    void Feed(uint8_t Status, int64_t TimeUs) noexcept;
    // False when no tick came yet.
    bool Read(TState &State) const noexcept;

private:
    void Publish(const TState &State) noexcept;

    // The input thread's own.
    static constexpr int Window = 2 * TicksPerQuarter;
    std::array<int64_t, Window> FTimes{};
    int FCount = 0; // ticks in the window
    int64_t FTick = -1;
    bool FRunning = false;
    bool FStopped = false; // a stop came: ticks alone do not start it again

    std::atomic<uint32_t> FSequence{0};
    std::atomic<bool> FPubRunning{false};
    std::atomic<int64_t> FPubTick{-1};
    std::atomic<double> FPubTickUs{0};
    std::atomic<double> FPubUsPerTick{0};
};
