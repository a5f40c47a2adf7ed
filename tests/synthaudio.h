#pragma once

// Measures of rendered audio shared by the synthesizer tests.

#include <algorithm>
#include <cmath>
#include <vector>

namespace SynthAudio {

// Well above FluidSynth's noise floor while idle, well below any note.
constexpr double SilentRms = 1e-4;
constexpr double SoundRms = 5e-4;

inline double Rms(const std::vector<float> &Samples, size_t From, size_t Count) {
    Count = std::min(Count, Samples.size() - std::min(From, Samples.size()));
    if (Count == 0)
        return 0;
    double Sum = 0;
    for (size_t i = From; i < From + Count; ++i)
        Sum += double(Samples[i]) * Samples[i];
    return std::sqrt(Sum / double(Count));
}

// The pitch of a steady tone between 340 and 600 Hz, from the strongest autocorrelation lag
// (refined between neighbouring lags); no octave of a tone in that range falls inside it.
inline double Frequency(const std::vector<float> &Samples, double Rate) {
    const auto Correlation = [&](int Lag) {
        double Sum = 0;
        for (size_t i = 0; i + size_t(Lag) < Samples.size(); ++i)
            Sum += double(Samples[i]) * Samples[i + size_t(Lag)];
        return Sum;
    };
    const int MinLag = int(Rate / 600), MaxLag = int(Rate / 340);
    int Best = MinLag;
    for (int Lag = MinLag; Lag <= MaxLag; ++Lag)
        if (Correlation(Lag) > Correlation(Best))
            Best = Lag;
    const double Before = Correlation(Best - 1), At = Correlation(Best),
                 After = Correlation(Best + 1);
    return Rate / (Best + 0.5 * (Before - After) / (Before - 2 * At + After));
}

} // namespace SynthAudio
