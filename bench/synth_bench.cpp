// The Midi-Mapper's built-in synthesizer, measured against a JACK server of our own (dummy
// driver, 128 frames at 48 kHz):
//  - note to sound: from TMidiOutput::Send of a note-on to the JACK cycle that hands the first
//    non-silent sample to a listening client (the sound card would add its own latency);
//  - open: opening and closing the Midi-Mapper (SoundFont load, audio driver);
//  - send: one message into the synthesizer;
//  - period: rendering one 128-frame period with 16 voices sounding (2.67 ms of audio).
// Figures are counters in microseconds: p50, p99 and max of every sample.

#include "jackfixture.h"
#include "midi/midioutput.h"
#include "midi/synth.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include "benchstats.h"

#include <benchmark/benchmark.h>
#include <jack/jack.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using BenchStats::NowNs;
using BenchStats::Report;
using BenchStats::TClock;

// A JACK client with one audio input that notes (steady clock) the cycle in which it first
// hears a non-silent sample after being armed, and whether the last cycle was silent.
class TListener {
public:
    TListener() {
        jack_status_t Status;
        FClient = jack_client_open("synth-bench-listener", JackNoStartServer, &Status);
        if (!FClient)
            return;
        FIn = jack_port_register(FClient, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(FClient, Process, this);
        jack_activate(FClient);
    }
    ~TListener() {
        if (FClient)
            jack_client_close(FClient);
    }
    TListener(const TListener &) = delete;
    TListener &operator=(const TListener &) = delete;

    bool Connect(const char *Source) {
        return FClient && jack_connect(FClient, Source, jack_port_name(FIn)) == 0;
    }
    void Arm() {
        HeardNs.store(0);
        Armed.store(true);
    }
    std::atomic<int64_t> HeardNs{0};
    std::atomic<bool> Armed{false};
    std::atomic<bool> Silent{true};

private:
    static int Process(jack_nframes_t Frames, void *Data) {
        auto *Self = static_cast<TListener *>(Data);
        const auto *In = static_cast<const float *>(jack_port_get_buffer(Self->FIn, Frames));
        bool Loud = false;
        for (jack_nframes_t i = 0; i < Frames && !Loud; ++i)
            Loud = std::fabs(In[i]) >= 1e-5f;
        Self->Silent.store(!Loud);
        if (Loud && Self->Armed.exchange(false))
            Self->HeardNs.store(NowNs());
        return 0;
    }
    jack_client_t *FClient = nullptr;
    jack_port_t *FIn = nullptr;
};

bool WaitFor(const std::function<bool()> &Done, int TimeoutMs) {
    const auto Deadline = TClock::now() + std::chrono::milliseconds(TimeoutMs);
    while (!Done()) {
        if (TClock::now() > Deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    return true;
}

void BM_NoteToSound(benchmark::State &State) {
    Synth::Settings() = TSynthSettings();
    TMidiOutput Output(TMidiApi::maJack);
    Output.SetDeviceID(TMidiOutput::MidiMapper);
    Output.Open();
    TListener Listener;
    if (!Listener.Connect("Ondrel Synth:left")) {
        State.SkipWithError("cannot listen to the synthesizer");
        return;
    }
    // No effect tails, so that All Sound Off brings silence within a cycle or two.
    Output.Send(0xB0, 91, 0);
    Output.Send(0xB0, 93, 0);
    std::vector<int64_t> Samples;
    uint8_t Note = 48;
    for (auto _ : State) {
        if (!WaitFor([&] { return Listener.Silent.load(); }, 2000)) {
            State.SkipWithError("the synthesizer does not fall silent");
            return;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(
            QRandomGenerator::global()->bounded(3000))); // anywhere in a cycle
        Listener.Arm();
        const int64_t Start = NowNs();
        Output.Send(0x90, Note, 100);
        if (!WaitFor([&] { return Listener.HeardNs.load() != 0; }, 1000)) {
            State.SkipWithError("a note was not heard");
            return;
        }
        const int64_t Took = Listener.HeardNs.load() - Start;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
        Output.Send(0xB0, 120, 0); // all sound off
        Note = uint8_t(48 + (Note - 47) % 24);
    }
    Report(State, "note_to_sound", Samples);
}
BENCHMARK(BM_NoteToSound)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

void BM_OpenClose(benchmark::State &State) {
    Synth::Settings() = TSynthSettings();
    std::vector<int64_t> Opens, Closes;
    for (auto _ : State) {
        TMidiOutput Output(TMidiApi::maJack);
        Output.SetDeviceID(TMidiOutput::MidiMapper);
        const int64_t Start = NowNs();
        Output.Open();
        const int64_t Opened = NowNs();
        Output.Send(0x90, 60, 100);
        Output.Close();
        const int64_t Closed = NowNs();
        State.SetIterationTime(double(Closed - Start) / 1e9);
        Opens.push_back(Opened - Start);
        Closes.push_back(Closed - Opened);
    }
    Report(State, "open", Opens);
    Report(State, "close_sounding", Closes);
}
BENCHMARK(BM_OpenClose)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_Send(benchmark::State &State) {
    TSynth Synth{TSynthSettings(), QStringList()};
    const uint8_t On[3] = {0x90, 60, 100}, Off[3] = {0x90, 60, 0};
    std::vector<float> Left(128), Right(128);
    std::vector<int64_t> Samples;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        Synth.Send(On, 3);
        Synth.Send(Off, 3);
        const int64_t Took = (NowNs() - Start) / 2;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
        Synth.Render(Left.data(), Right.data(), 128); // let the voices go
    }
    Report(State, "send", Samples);
}
BENCHMARK(BM_Send)->UseManualTime()->Iterations(5000)->Unit(benchmark::kNanosecond);

void BM_Period(benchmark::State &State) {
    TSynth Synth{TSynthSettings(), QStringList()};
    for (uint8_t Note = 48; Note < 64; ++Note) {
        const uint8_t On[3] = {0x90, Note, 100};
        Synth.Send(On, 3);
    }
    std::vector<float> Left(128), Right(128);
    std::vector<int64_t> Samples;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        Synth.Render(Left.data(), Right.data(), 128);
        const int64_t Took = NowNs() - Start;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
    }
    State.counters["voices"] = Synth.ActiveVoices();
    Report(State, "period", Samples);
}
BENCHMARK(BM_Period)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    TJackServer Server;
    const QString Name =
        QStringLiteral("ondrel-synth-bench-%1").arg(QCoreApplication::applicationPid());
    if (!Server.Start(Name)) {
        fprintf(stderr, "%s\n", qPrintable(Server.ErrorText()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
