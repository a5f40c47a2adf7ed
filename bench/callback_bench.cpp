// The program's own cost in JACK's process callback, per period: the time from entering the
// callback to leaving it, with 10 000 messages a second arriving at the input and played
// through (with a major chord, so three times as many leave) while the UI thread plays keys into
// the same output. JACK server of our own: dummy driver, 128 frames at 48 kHz (375 periods a
// second, about 27 incoming messages each). The callback is timed from outside: this executable
// wraps the callback the program hands to jack_set_process_callback.

#include "core/keyboardmodel.h"
#include "jackfixture.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>

#include "benchstats.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include <dlfcn.h>

namespace {

using BenchStats::NowNs;

constexpr size_t MaxSamples = 1 << 16;
int64_t Samples[MaxSamples];
std::atomic<size_t> SampleCount{0};
std::atomic<bool> Timing{false};

struct TWrapped {
    JackProcessCallback Callback = nullptr;
    void *Arg = nullptr;
} Wrapped;

int Timed(jack_nframes_t Frames, void *) {
    if (!Timing.load(std::memory_order_relaxed))
        return Wrapped.Callback(Frames, Wrapped.Arg);
    const int64_t Start = NowNs();
    const int Result = Wrapped.Callback(Frames, Wrapped.Arg);
    const size_t Index = SampleCount.fetch_add(1, std::memory_order_relaxed);
    if (Index < MaxSamples)
        Samples[Index] = NowNs() - Start;
    return Result;
}

} // namespace

extern "C" int jack_set_process_callback(jack_client_t *Client, JackProcessCallback Callback,
                                         void *Arg) {
    static const auto Next =
        reinterpret_cast<int (*)(jack_client_t *, JackProcessCallback, void *)>(
            dlsym(RTLD_NEXT, "jack_set_process_callback"));
    const char *Name = jack_get_client_name(Client);
    if (!Name || std::strcmp(Name, "Ondrel") != 0)
        return Next(Client, Callback, Arg);
    Wrapped = {Callback, Arg};
    return Next(Client, &Timed, nullptr);
}

namespace {

void BM_CallbackPerPeriod(benchmark::State &State) {
    const int PerSecond = int(State.range(0));
    TJackPeer Peer(QStringLiteral("bench-peer"));
    TKeyboardModel Model;
    Model.SetChord(TChord::chMajor);
    TMidiRouter Router(Model);
    TMidiOutput Output(TMidiApi::maJack);
    TMidiInput Input(TMidiApi::maJack);
    for (int i = 0; i < Output.DeviceCount(); ++i)
        if (Output.NameOf(i) == Peer.InPort())
            Output.SetDeviceID(i);
    for (int i = 0; i < Input.DeviceCount(); ++i)
        if (Input.NameOf(i) == Peer.OutPort())
            Input.SetDeviceID(i);
    if (!Output.Open() || !Input.Open()) {
        State.SkipWithError("the devices do not open");
        return;
    }
    Router.SetOutput(&Output);
    Input.SetThruHook(&Router.ThruHook());
    size_t Taken = 0;
    Input.DataHandler = [&](TMidiInput &In) {
        while (const std::optional<TMidiEvent> Event = In.TakeEvent()) {
            Router.Receive(*Event);
            ++Taken;
        }
    };
    Router.SetMidiThru(true);
    Input.Start();
    Peer.WaitCycles();

    for (auto _ : State) {
        SampleCount = 0;
        Timing = true;
        std::atomic<bool> Done{false};
        // Two seconds of input, in a batch every millisecond.
        std::thread Player([&] {
            const int PerMs = PerSecond / 1000;
            auto Next = std::chrono::steady_clock::now();
            for (int Ms = 0; Ms < 2000; ++Ms) {
                std::vector<TBytes> Batch;
                for (int i = 0; i < PerMs; ++i) {
                    const uint8_t Note = uint8_t(36 + (Ms * PerMs + i) % 48);
                    Batch.push_back({uint8_t(i % 2 ? 0x80 : 0x90), Note, 90});
                }
                Peer.Send(Batch);
                Next += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(Next);
            }
            Done = true;
        });
        for (int i = 0; !Done.load(); ++i) {
            Model.SendChord(0, 60 + i % 12, 100, true);
            QTest::qWait(10);
            Model.SendChord(0, 60 + i % 12, 0, true);
        }
        Player.join();
        Timing = false;
        const size_t Count = std::min(SampleCount.load(), MaxSamples);
        State.SetIterationTime(double(Count) * 128 / 48000);
        BenchStats::Report(State, "callback", std::vector<int64_t>(Samples, Samples + Count));
        State.counters["messages"] = double(Taken);
    }
    Input.Close();
    Router.SetOutput(nullptr);
}
BENCHMARK(BM_CallbackPerPeriod)
    ->Arg(10000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    TJackServer Server;
    const QString Name = QStringLiteral("ondrel-cb-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate() % 100000);
    if (!Server.Start(Name)) {
        fprintf(stderr, "%s\n", qPrintable(Server.ErrorText()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
