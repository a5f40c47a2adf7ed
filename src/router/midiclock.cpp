#include "router/midiclock.h"

#include <algorithm>

namespace {

struct TLine {
    double Last = 0; // the fitted time of the last point
    double Slope = 0;
};

// Least squares through (i, Times(i)) for i in 0..Count-1, times given from the oldest point so
// that the sums stay small.
template <class TTimeOf> TLine Fit(int Count, TTimeOf Times) {
    double meanI = 0, meanT = 0;
    for (int i = 0; i < Count; ++i) {
        meanI += i;
        meanT += Times(i);
    }
    meanI /= Count;
    meanT /= Count;
    double sxy = 0, sxx = 0;
    for (int i = 0; i < Count; ++i) {
        const double di = i - meanI;
        sxy += di * (Times(i) - meanT);
        sxx += di * di;
    }
    const double slope = sxy / sxx;
    return {meanT + slope * (Count - 1 - meanI), slope};
}

} // namespace

double TMidiClock::TState::QuartersAt(double Us) const {
    double ticks = double(Tick);
    if (UsPerTick > 0)
        ticks += std::min((Us - TickUs) / UsPerTick, 1.0); // a clock that stops is not outrun
    return ticks / TicksPerQuarter;
}

double TMidiClock::TState::FramesSinceTick(uint32_t Frame) const {
    return double(int32_t(Frame - FrameBase)) - TickFrame;
}

double TMidiClock::TState::QuartersAtFrame(uint32_t Frame) const {
    double ticks = double(Tick);
    if (FramesPerTick > 0)
        ticks += std::min(FramesSinceTick(Frame) / FramesPerTick, 1.0);
    return ticks / TicksPerQuarter;
}

void TMidiClock::Feed(uint8_t Status, const TMidiArrival &At) noexcept {
    switch (Status) {
    case StartByte:
        FTick = -1;
        FCount = 0;
        FFrameCount = 0;
        FRunning = true;
        FStopped = false;
        break;
    case ContinueByte:
        FCount = 0; // the ticks before the pause tell nothing of when the next ones come
        FFrameCount = 0;
        FRunning = true;
        FStopped = false;
        break;
    case StopByte:
        FRunning = false;
        FStopped = true;
        break;
    case TickByte:
        if (FStopped)
            return; // a stopped song stays where it is, whatever clock goes on arriving
        FRunning = true;
        ++FTick;
        FTimes[size_t(FTick % Window)] = At.TimeUs;
        FFrames[size_t(FTick % Window)] = At.Frame;
        FCount = std::min(FCount + 1, Window);
        FFrameCount = At.HasFrame ? std::min(FFrameCount + 1, Window) : 0;
        break;
    default:
        return;
    }
    TState state;
    state.Running = FRunning;
    state.Tick = FTick;
    if (FCount >= 2) {
        const int64_t first = FTick - FCount + 1;
        const int64_t origin = FTimes[size_t(first % Window)];
        const TLine line = Fit(
            FCount, [&](int i) { return double(FTimes[size_t((first + i) % Window)] - origin); });
        if (line.Slope > 0) {
            state.UsPerTick = line.Slope;
            state.TickUs = double(origin) + line.Last;
        }
    } else if (FCount == 1) {
        state.TickUs = double(At.TimeUs);
    }
    if (FFrameCount >= 2) {
        const int64_t first = FTick - FFrameCount + 1;
        const uint32_t origin = FFrames[size_t(first % Window)];
        const TLine line = Fit(FFrameCount, [&](int i) {
            return double(int32_t(FFrames[size_t((first + i) % Window)] - origin));
        });
        if (line.Slope > 0) {
            state.HasFrames = true;
            state.FrameBase = origin;
            state.TickFrame = line.Last;
            state.FramesPerTick = line.Slope;
        }
    }
    Publish(state);
}

void TMidiClock::Publish(const TState &State) noexcept {
    const uint32_t sequence = FSequence.load(std::memory_order_relaxed);
    FSequence.store(sequence + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    FPubRunning.store(State.Running, std::memory_order_relaxed);
    FPubTick.store(State.Tick, std::memory_order_relaxed);
    FPubTickUs.store(State.TickUs, std::memory_order_relaxed);
    FPubUsPerTick.store(State.UsPerTick, std::memory_order_relaxed);
    FPubHasFrames.store(State.HasFrames, std::memory_order_relaxed);
    FPubFrameBase.store(State.FrameBase, std::memory_order_relaxed);
    FPubTickFrame.store(State.TickFrame, std::memory_order_relaxed);
    FPubFramesPerTick.store(State.FramesPerTick, std::memory_order_relaxed);
    FSequence.store(sequence + 2, std::memory_order_release);
}

bool TMidiClock::Read(TState &State) const noexcept {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const uint32_t before = FSequence.load(std::memory_order_acquire);
        if (before & 1)
            continue;
        TState state;
        state.Running = FPubRunning.load(std::memory_order_relaxed);
        state.Tick = FPubTick.load(std::memory_order_relaxed);
        state.TickUs = FPubTickUs.load(std::memory_order_relaxed);
        state.UsPerTick = FPubUsPerTick.load(std::memory_order_relaxed);
        state.HasFrames = FPubHasFrames.load(std::memory_order_relaxed);
        state.FrameBase = FPubFrameBase.load(std::memory_order_relaxed);
        state.TickFrame = FPubTickFrame.load(std::memory_order_relaxed);
        state.FramesPerTick = FPubFramesPerTick.load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (FSequence.load(std::memory_order_relaxed) != before)
            continue;
        if (before == 0 || state.Tick < 0)
            return false;
        State = state;
        return true;
    }
    return false;
}
