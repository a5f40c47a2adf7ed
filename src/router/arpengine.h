#pragma once

// The arpeggiators of the zones that play on one output, as that output's period source: on the
// output's own real-time thread each step's notes leave at their frame, timed by the engine's own
// tempo, by JACK transport (tempo and bar position while a transport master runs) or by MIDI
// clock arriving at the input. Every note it starts it also ends, at the end of its gate, also
// when its lane stops or its notes change meanwhile.
//
// Threads. SetPlan, Plan and Detached belong to the UI thread; Period to the output's thread (one
// at a time). The plan is handed over in two buffers behind a TRtGuard: SetPlan fills the one the
// real-time side does not read and switches, and returns once no period reads the old one. The
// notes sounding are kept as atomic bit masks per channel, so that the UI thread can end them
// once the engine is taken off its output (Detached).

#include "core/midivocabulary.h"
#include "midi/periodsource.h"
#include "midi/rtguard.h"
#include "router/arppattern.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

class TMidiClock;

// What one zone's arpeggiator plays: the settings, its channels and the notes it is given
// (chorded and transposed as the zone plays them, in the order they were played).
struct TArpLane {
    TArpSettings Settings;
    uint8_t Channel = 0;
    int8_t Layer = -1; // a second channel, -1 for none
    TArpChord Held;
    // Counts the chords begun from no note held: a new one starts the pattern from its first
    // step (at once on the engine's own tempo when nothing else plays, else on the next step).
    uint32_t Chord = 0;

    bool Playing() const { return Settings.On && Held.Count > 0; }
};

struct TArpPlan {
    static constexpr int Lanes = 4;
    std::array<TArpLane, Lanes> Lane{};
    TArpClock Clock = TArpClock::acOwn;
    double BeatsPerMinute = 120; // the engine's own tempo, in quarter notes
};

class TArpEngine final : public TPeriodSource {
public:
    static constexpr double TempoMin = 20, TempoMax = 300;

    // Clock: MIDI clock of the input, when the plan asks for it; it must outlive the engine.
    explicit TArpEngine(const TMidiClock *Clock = nullptr);
    TArpEngine(const TArpEngine &) = delete;
    TArpEngine &operator=(const TArpEngine &) = delete;

    // UI thread: what to play from the next period on.
    void SetPlan(const TArpPlan &Plan);
    const TArpPlan &Plan() const { return FPlans[size_t(FCurrent)]; }
    // UI thread, while no period runs (the engine is off its output, or was never on one): the
    // note offs the engine owes, and a fresh start for whatever output it goes on next.
    std::vector<TShortMessage> Detached();
    // Any thread: whether a note of the engine sounds now.
    bool Sounding() const;
    // Notes that found the period full and did not play, since construction.
    uint64_t Dropped() const { return FDropped.load(std::memory_order_relaxed); }

    void Period(const TPeriod &Period, TMidiEmit &Out) noexcept override;

private:
    struct TPendingOff {
        uint64_t Frame;
        uint8_t Channel;
        uint8_t Note;
    };
    struct TLaneState {
        bool Active = false;
        uint32_t Chord = 0;
        int64_t Origin = 0; // the step the pattern began on
        int64_t Last = -1;  // the last step played
        uint64_t Seed = 0;
    };
    // Where the grid stands at a period's first frame, and how fast it goes.
    struct TGrid {
        bool Running = false;
        double Position = 0; // quarter notes
        double QuartersPerFrame = 0;
        double Grain = 0; // how finely the position is known, in quarter notes
    };

    TGrid Clock(const TArpPlan &Plan, const TPeriod &Period) noexcept;
    void PlayLane(int Index, const TArpLane &Lane, const TGrid &Grid, const TPeriod &Period,
                  bool Fresh, TMidiEmit &Out) noexcept;
    // Sends the offs due up to Frame (absolute); those the period has no room for wait.
    void EndDue(uint64_t Until, const TPeriod &Period, TMidiEmit &Out) noexcept;
    bool NoteOn(uint64_t Frame, uint64_t OffFrame, int Channel, const TArpNote &Note,
                const TPeriod &Period, TMidiEmit &Out) noexcept;
    void Mark(int Channel, int Note, bool On) noexcept;

    const TMidiClock *FMidiClock;
    std::array<TArpPlan, 2> FPlans{};
    int FCurrent = 0;
    TRtGuard<TArpPlan> FPlan;

    // The real-time side's own.
    std::array<TLaneState, TArpPlan::Lanes> FLanes{};
    std::array<TPendingOff, 256> FOffs{};
    size_t FOffCount = 0;
    bool FGridValid = false; // the grid went on from the last period
    uint64_t FNextStart = 0; // the frame the next period should start at
    double FNextPosition = 0;
    TArpClock FGridClock = TArpClock::acOwn;
    uint64_t FSeeds = 0x5EED;

    using TNoteMask = std::array<std::atomic<uint64_t>, 2>;
    std::array<TNoteMask, MidiChannelCount> FSounding{};
    std::atomic<uint64_t> FDropped{0};
};
