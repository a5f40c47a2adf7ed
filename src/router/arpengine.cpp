#include "router/arpengine.h"

#include "router/midiclock.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// A measured position (transport, MIDI clock) within this much of where the grid should be by
// its tempo is taken in gently, so that the measure's own grain (a transport tick, a clock
// tick's arrival) does not shake the steps; further off, the grid jumps to it (a relocation).
constexpr double PullRange = 0.05; // quarter notes
constexpr double Pull = 0.05;      // of the difference, per period
// MIDI clock that has not ticked for this long has stopped, said so or not.
constexpr double ClockSilenceUs = 250'000;
// An off older than its longest possible gate is of another clock (a port opened again on a
// restarted server): it goes at once.
constexpr double LongestGateSeconds = 15;

uint64_t MixSeed(uint64_t Value) {
    Value += 0x9E3779B97F4A7C15ull;
    Value = (Value ^ (Value >> 30)) * 0xBF58476D1CE4E5B9ull;
    return Value ^ (Value >> 27);
}

} // namespace

TArpEngine::TArpEngine(const TMidiClock *Clock) : FMidiClock(Clock) {
    FPlan.Set(&FPlans[0]);
}

void TArpEngine::SetPlan(const TArpPlan &Plan) {
    const int spare = 1 - FCurrent;
    TArpPlan &next = FPlans[size_t(spare)];
    next = Plan;
    for (TArpLane &lane : next.Lane) {
        lane.Settings = lane.Settings.Valid();
        lane.Channel &= 15;
        if (lane.Layer > 15)
            lane.Layer = -1;
    }
    if (!(next.BeatsPerMinute >= TempoMin)) // NaN too
        next.BeatsPerMinute = TempoMin;
    next.BeatsPerMinute = std::min(next.BeatsPerMinute, TempoMax);
    FPlan.Set(&next);
    FCurrent = spare;
}

std::vector<TShortMessage> TArpEngine::Detached() {
    std::vector<TShortMessage> offs;
    for (int channel = 0; channel < MidiChannelCount; ++channel)
        for (int word = 0; word < 2; ++word) {
            uint64_t bits = FSounding[size_t(channel)][size_t(word)].exchange(0);
            while (bits != 0) {
                const int bit = std::countr_zero(bits);
                bits &= bits - 1;
                offs.push_back(TShortMessage::NoteOff(channel, word * 64 + bit));
            }
        }
    FOffCount = 0;
    FLanes = {};
    FGridValid = false;
    return offs;
}

bool TArpEngine::Sounding() const {
    for (const TNoteMask &mask : FSounding)
        if (mask[0].load(std::memory_order_relaxed) || mask[1].load(std::memory_order_relaxed))
            return true;
    return false;
}

void TArpEngine::Mark(int Channel, int Note, bool On) noexcept {
    std::atomic<uint64_t> &word = FSounding[size_t(Channel & 15)][size_t((Note & 127) / 64)];
    const uint64_t bit = uint64_t(1) << (Note % 64);
    if (On)
        word.fetch_or(bit, std::memory_order_relaxed);
    else
        word.fetch_and(~bit, std::memory_order_relaxed);
}

TArpEngine::TGrid TArpEngine::Clock(const TArpPlan &Plan, const TPeriod &Period) noexcept {
    const double rate = Period.Rate > 0 ? double(Period.Rate) : 48000.0;
    const bool follows = FGridValid && Period.Start == FNextStart && FGridClock == Plan.Clock;
    const auto take = [&](double Measured) {
        const double off = Measured - FNextPosition;
        if (follows && std::abs(off) < PullRange)
            return FNextPosition + Pull * off;
        return Measured;
    };
    TGrid grid;
    const auto own = [&] {
        grid.Running = true;
        grid.QuartersPerFrame = Plan.BeatsPerMinute / 60.0 / rate;
        grid.Position = follows ? FNextPosition : 0;
    };
    switch (Plan.Clock) {
    case TArpClock::acTransport: {
        const TTransport &t = Period.Transport;
        if (!t.Rolling)
            break;
        if (!t.Valid || !(t.BeatsPerMinute > 0) || !(t.BeatType > 0) || !(t.TicksPerBeat > 0)) {
            own(); // rolling without a master that tells bars and beats: our own tempo
            break;
        }
        const double quarters = 4.0 / double(t.BeatType);
        grid.Running = true;
        grid.QuartersPerFrame = t.BeatsPerMinute * quarters / 60.0 / rate;
        // A master counts whole ticks (jack_position_t has no fractions): the position it names
        // lies somewhere in its tick, the middle on average.
        const double tick = t.Tick == std::floor(t.Tick) ? t.Tick + 0.5 : t.Tick;
        const double beats =
            double(t.Bar - 1) * double(t.BeatsPerBar) + double(t.Beat - 1) + tick / t.TicksPerBeat;
        grid.Position = take(beats * quarters);
        grid.Grain = quarters / t.TicksPerBeat;
        break;
    }
    case TArpClock::acMidiClock: {
        TMidiClock::TState state;
        if (!FMidiClock || !FMidiClock->Read(state) || !state.Running)
            break;
        // Ticks that came through the same JACK server as this output place the steps by its
        // frames, exactly where the sender put them; else by the monotonic clock, which a JACK
        // cycle's or a USB frame's jitter blurs.
        const auto frame = uint32_t(Period.Start);
        if (Period.ServerFrames && state.HasFrames) {
            if (state.FramesSinceTick(frame) > ClockSilenceUs * 1e-6 * rate)
                break;
            grid.Running = true;
            grid.QuartersPerFrame = 1.0 / (state.FramesPerTick * TMidiClock::TicksPerQuarter);
            grid.Position = take(state.QuartersAtFrame(frame));
        } else {
            if (state.UsPerTick <= 0 || double(Period.StartUs) - state.TickUs > ClockSilenceUs)
                break;
            grid.Running = true;
            grid.QuartersPerFrame = 1e6 / (state.UsPerTick * TMidiClock::TicksPerQuarter) / rate;
            grid.Position = take(state.QuartersAt(double(Period.StartUs)));
        }
        grid.Grain = 1.0 / TMidiClock::TicksPerQuarter / 4;
        break;
    }
    case TArpClock::acOwn:
        own();
        break;
    }
    return grid;
}

bool TArpEngine::NoteOn(uint64_t Frame, uint64_t OffFrame, int Channel, const TArpNote &Note,
                        const TPeriod &Period, TMidiEmit &Out) noexcept {
    const uint32_t offset = uint32_t(Frame - Period.Start);
    // The same note still sounding on the channel (a long gate, a layer on the same channel):
    // it ends here, before it starts again.
    for (size_t i = 0; i < FOffCount; ++i) {
        TPendingOff &off = FOffs[i];
        if (off.Channel != Channel || off.Note != Note.Note)
            continue;
        const uint8_t bytes[3] = {uint8_t(0x90 | Channel), Note.Note, 0};
        if (!Out.Emit(offset, bytes, 3))
            return false;
        Mark(Channel, Note.Note, false);
        off = FOffs[--FOffCount];
        break;
    }
    if (FOffCount == FOffs.size())
        return false;
    const uint8_t bytes[3] = {uint8_t(0x90 | Channel), Note.Note,
                              std::max<uint8_t>(Note.Velocity, 1)};
    if (!Out.Emit(offset, bytes, 3))
        return false;
    Mark(Channel, Note.Note, true);
    FOffs[FOffCount++] = {OffFrame, uint8_t(Channel), Note.Note};
    return true;
}

void TArpEngine::EndDue(uint64_t Until, const TPeriod &Period, TMidiEmit &Out) noexcept {
    const uint64_t stale =
        Period.Start + uint64_t(LongestGateSeconds * (Period.Rate > 0 ? Period.Rate : 48000));
    for (size_t i = 0; i < FOffCount;) {
        const TPendingOff off = FOffs[i];
        if (off.Frame > Until && off.Frame <= stale) {
            ++i;
            continue;
        }
        const uint32_t offset =
            off.Frame <= Period.Start || off.Frame > stale ? 0 : uint32_t(off.Frame - Period.Start);
        const uint8_t bytes[3] = {uint8_t(0x90 | off.Channel), off.Note, 0};
        if (!Out.Emit(offset, bytes, 3))
            return; // the period is full: at the start of the next one
        Mark(off.Channel, off.Note, false);
        FOffs[i] = FOffs[--FOffCount];
    }
}

void TArpEngine::PlayLane(int Index, const TArpLane &Lane, const TGrid &Grid, const TPeriod &Period,
                          bool Fresh, TMidiEmit &Out) noexcept {
    TLaneState &state = FLanes[size_t(Index)];
    const TArpSettings &s = Lane.Settings;
    const double step = ArpRateQuarters(s.Rate);
    const double perFrame = Grid.QuartersPerFrame;
    if (!(perFrame > 0))
        return;
    if (Fresh) {
        state.Active = true;
        state.Chord = Lane.Chord;
        // A step the grid passed by less than its own grain (a transport tick) still plays.
        state.Origin = ArpFirstStepAt(Grid.Position - Grid.Grain, step, s.Swing);
        state.Last = state.Origin - 1;
        state.Seed = MixSeed(++FSeeds);
    }
    int64_t k = state.Last + 1;
    const double due = ArpStepStart(k, step, s.Swing);
    // The grid jumped (a transport relocated, another rate): on from the step due now.
    if (due < Grid.Position - step || due > Grid.Position + 2 * step)
        k = ArpFirstStepAt(Grid.Position, step, s.Swing);
    state.Origin = std::min(state.Origin, k);
    for (;; ++k) {
        const double begin = ArpStepStart(k, step, s.Swing);
        const long long frame = std::llround((begin - Grid.Position) / perFrame);
        if (frame >= (long long)Period.Frames)
            break;
        const uint64_t at = Period.Start + uint64_t(std::max(frame, 0LL));
        const double length = (ArpStepStart(k + 1, step, s.Swing) - begin) / perFrame;
        const uint64_t gate = uint64_t(std::max(1LL, std::llround(length * s.Gate / 100.0)));
        EndDue(at, Period, Out);
        const TArpChord notes =
            ArpStepNotes(Lane.Held, s.Mode, s.Octaves, uint64_t(k - state.Origin), state.Seed);
        for (const TArpNote &note : notes) {
            for (const int channel : {int(Lane.Channel), int(Lane.Layer)}) {
                if (channel < 0 || (channel == Lane.Layer && Lane.Layer == Lane.Channel))
                    continue;
                if (!NoteOn(at, at + gate, channel, note, Period, Out))
                    FDropped.fetch_add(1, std::memory_order_relaxed);
            }
        }
        state.Last = k;
    }
}

void TArpEngine::Period(const TPeriod &Period, TMidiEmit &Out) noexcept {
    const auto use = FPlan.Use();
    if (!use || Period.Frames == 0)
        return;
    const TArpPlan &plan = *use.Get();
    TGrid grid = Clock(plan, Period);
    const bool follows = FGridValid && Period.Start == FNextStart && FGridClock == plan.Clock;
    bool anyActive = false;
    bool anyPlaying = false;
    for (int i = 0; i < TArpPlan::Lanes; ++i) {
        anyActive = anyActive || FLanes[size_t(i)].Active;
        anyPlaying = anyPlaying || plan.Lane[size_t(i)].Playing();
    }
    // On a tempo of our own a chord begun while nothing plays starts at once: the grid starts
    // with it. A grid that does not go on from the last period starts again as well.
    const bool ownGrid = plan.Clock == TArpClock::acOwn ||
                         (plan.Clock == TArpClock::acTransport && !Period.Transport.Valid);
    bool restart = false;
    if (grid.Running && ownGrid && ((!anyActive && anyPlaying) || !follows)) {
        grid.Position = 0;
        restart = true;
    }
    for (int i = 0; i < TArpPlan::Lanes; ++i) {
        const TArpLane &lane = plan.Lane[size_t(i)];
        TLaneState &state = FLanes[size_t(i)];
        if (!grid.Running || !lane.Playing()) {
            state.Active = false;
            continue;
        }
        const bool fresh = restart || !state.Active || state.Chord != lane.Chord;
        PlayLane(i, lane, grid, Period, fresh, Out);
    }
    EndDue(Period.Start + Period.Frames - 1, Period, Out);
    FGridValid = grid.Running;
    FGridClock = plan.Clock;
    FNextStart = Period.Start + Period.Frames;
    FNextPosition = grid.Position + double(Period.Frames) * grid.QuartersPerFrame;
}
