#pragma once
// Latency samples as Google Benchmark counters: every benchmark reports p50, p99 and max.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace BenchStats {

using TClock = std::chrono::steady_clock;

inline int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(TClock::now().time_since_epoch())
        .count();
}

// p50, p99 and max of the samples (nanoseconds) as counters in microseconds.
inline void Report(benchmark::State &State, const std::string &Prefix,
                   std::vector<int64_t> Samples) {
    if (Samples.empty())
        return;
    std::sort(Samples.begin(), Samples.end());
    auto At = [&](double Fraction) {
        const size_t Index = size_t(std::ceil(Fraction * double(Samples.size()))) - 1;
        return double(Samples[std::min(Index, Samples.size() - 1)]) / 1000.0;
    };
    State.counters[Prefix + "_p50_us"] = At(0.50);
    State.counters[Prefix + "_p99_us"] = At(0.99);
    State.counters[Prefix + "_max_us"] = double(Samples.back()) / 1000.0;
}

} // namespace BenchStats
