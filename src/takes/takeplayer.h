#pragma once

// The replay of a take on the output's own real-time thread: each period it sends the take's
// messages due in it at their frames, so the timing is the output's clock's (a sample on JACK
// and the built-in synthesizer, a millisecond on the other services), never a UI timer's. It
// keeps the notes and pedals it has put down; at the take's end it lets them go itself, and
// whoever stops it earlier sends what it still owes (Owed). The notes it plays are reported
// through a ring for the keyboard to light.
//
// Threads: Prepare, Owed, TakeShown's consumer side and Reset on the UI thread while no output
// uses the player (before AddSource, or after RemoveSource returned); Period on the
// output's thread; State, PositionUs and SetLoop from either.

#include "midi/periodsource.h"
#include "midi/rtring.h"
#include "takes/take.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TWakeup;

class TTakePlayer final : public TPeriodSource {
public:
    enum class TState : uint8_t { Idle, Playing, Releasing, Finished };
    // A note the replay started or ended, for the keyboard.
    struct TShown {
        uint8_t Channel = 0;
        uint8_t Note = 0;
        uint8_t Velocity = 0; // 0: ended
    };

    // A message the replay sent: when it leaves (the output's clock, as the capture tap is told)
    // and a digest of its bytes, so that the capture can tell the replay's echo from playing.
    struct TEcho {
        int64_t TimeUs = 0;
        uint32_t Size = 0;
        uint64_t Digest = 0;
    };
    static uint64_t Digest(const uint8_t *Data, size_t Size);

    // Wakeup, when given, is signalled when notes were reported and when the take ended.
    explicit TTakePlayer(TWakeup *Wakeup = nullptr);

    // Plays Take from FromUs on, after the messages of Lead (sent first, at once: the program
    // and controllers in effect there).
    void Prepare(std::shared_ptr<const TTake> Take, int64_t FromUs, TTake Lead = TTake());
    // Forgets the take's place and what sounds (after Owed was sent).
    void Reset();
    // What still sounds from the replay: the note-offs and pedal releases to send.
    std::vector<std::array<uint8_t, 3>> Owed() const;
    // The next note reported, oldest first.
    std::optional<TShown> TakeShown() { return FShown.Take(); }
    // The next message sent, oldest first (one consumer, on the UI thread).
    std::optional<TEcho> TakeEcho() { return FEchoes.Take(); }

    void Period(const TPeriod &Period, TMidiEmit &Out) noexcept override;

    TState State() const { return FState.load(std::memory_order_acquire); }
    // Where the replay stands, in the take's time.
    int64_t PositionUs() const { return FPositionUs.load(std::memory_order_relaxed); }
    void SetLoop(bool Value) { FLoop.store(Value, std::memory_order_relaxed); }
    bool Loop() const { return FLoop.load(std::memory_order_relaxed); }

private:
    uint64_t FrameOf(int64_t TimeUs) const;
    // Sends one message now or at Offset and follows what it does; false when the period is
    // full.
    bool Send(TMidiEmit &Out, uint32_t Offset, const uint8_t *Data, size_t Size) noexcept;
    // Lets go of what sounds, as far as the period has room; true once nothing is left.
    bool ReleaseAll(TMidiEmit &Out, uint32_t Offset) noexcept;

    static constexpr int Channels = 16;
    static constexpr std::array<uint8_t, 3> Pedals{64, 66, 67}; // sustain, sostenuto, soft

    std::shared_ptr<const TTake> FTake;
    TTake FLead;
    TWakeup *FWakeup;
    TRtRing<TShown> FShown{4096};
    TRtRing<TEcho> FEchoes{8192};

    // The output's thread's own while it plays; the UI thread's between plays.
    size_t FCursor = 0;
    size_t FLeadCursor = 0;
    bool FAnchored = false;
    uint64_t FOriginFrame = 0; // the frame where the time FBaseUs of the take plays
    int64_t FBaseUs = 0;
    uint32_t FRate = 48000;
    int64_t FPeriodStartUs = 0;
    std::array<std::array<uint8_t, 128>, Channels> FVelocity{};
    std::array<std::array<bool, 3>, Channels> FPedalDown{}; // as Pedals

    std::atomic<TState> FState{TState::Idle};
    std::atomic<int64_t> FPositionUs{0};
    std::atomic<bool> FLoop{false};
};
