#include "router/midiclock.h"

#include <algorithm>

double TMidiClock::TState::QuartersAt(double Us) const {
    double ticks = double(Tick);
    if (UsPerTick > 0)
        ticks += std::min((Us - TickUs) / UsPerTick, 1.0); // a clock that stops is not outrun
    return ticks / TicksPerQuarter;
}

void TMidiClock::Feed(uint8_t Status, int64_t TimeUs) noexcept {
    switch (Status) {
    case StartByte:
        FTick = -1;
        FCount = 0;
        FRunning = true;
        FStopped = false;
        break;
    case ContinueByte:
        FCount = 0; // the ticks before the pause tell nothing of when the next ones come
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
        FTimes[size_t(FTick % Window)] = TimeUs;
        FCount = std::min(FCount + 1, Window);
        break;
    default:
        return;
    }
    TState state;
    state.Running = FRunning;
    state.Tick = FTick;
    if (FCount >= 2) {
        // Least squares through (i, time of tick i) for the ticks in the window, times taken
        // from the oldest so that the sums stay small.
        const int64_t first = FTick - FCount + 1;
        const int64_t origin = FTimes[size_t(first % Window)];
        double meanI = 0, meanT = 0;
        for (int i = 0; i < FCount; ++i) {
            meanI += i;
            meanT += double(FTimes[size_t((first + i) % Window)] - origin);
        }
        meanI /= FCount;
        meanT /= FCount;
        double sxy = 0, sxx = 0;
        for (int i = 0; i < FCount; ++i) {
            const double di = i - meanI;
            sxy += di * (double(FTimes[size_t((first + i) % Window)] - origin) - meanT);
            sxx += di * di;
        }
        const double slope = sxy / sxx;
        if (slope > 0) {
            state.UsPerTick = slope;
            state.TickUs = double(origin) + meanT + slope * (FCount - 1 - meanI);
        }
    } else if (FCount == 1) {
        state.TickUs = double(TimeUs);
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
