// The arpeggiator's timing at a JACK receiver: a latched chord arpeggiated in sixteenths at
// 120 BPM (125 ms, 6000 frames at 48 kHz), the spacing of the note ons as the receiver takes
// them against the 125 ms they should be apart. On the arpeggiator's own tempo; following JACK
// transport with a timebase master that tells bars, beats and whole ticks as JACK has them;
// following MIDI clock that a JACK client sends at exact frames (24 a beat) and the program's
// input receives, and the same clock with each tick up to a period (128 frames) late, as a
// hardware clock bridged into JACK arrives. JACK server of our own: dummy driver, 128 frames at
// 48 kHz.

#include "core/keyboardmodel.h"
#include "jackfixture.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"
#include "router/zoneplayer.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>

#include "benchstats.h"

#include <benchmark/benchmark.h>

#include <jack/transport.h>

#include <cmath>
#include <optional>

namespace {

constexpr double Bpm = 120;
constexpr double StepFrames = 48000.0 * 60.0 / Bpm / 4; // a sixteenth

// A transport master at Bpm in 4/4, bars and beats from the transport's frame, ticks whole as
// jack_position_t holds them.
class TTransportMaster {
public:
    TTransportMaster() {
        FClient = jack_client_open("bench-master", JackNoStartServer, nullptr);
        if (!FClient)
            return;
        FRate = jack_get_sample_rate(FClient);
        jack_set_timebase_callback(FClient, 0, &TTransportMaster::Timebase, this);
        jack_activate(FClient);
    }
    ~TTransportMaster() {
        if (!FClient)
            return;
        jack_transport_stop(FClient);
        jack_release_timebase(FClient);
        jack_client_close(FClient);
    }
    bool Valid() const { return FClient != nullptr; }
    void Start() {
        jack_transport_locate(FClient, 0);
        jack_transport_start(FClient);
    }

private:
    static void Timebase(jack_transport_state_t, jack_nframes_t, jack_position_t *Pos, int,
                         void *Self) {
        const auto *source = static_cast<TTransportMaster *>(Self);
        const double beats = double(Pos->frame) / source->FRate * Bpm / 60.0;
        const auto whole = int64_t(beats);
        Pos->valid = JackPositionBBT;
        Pos->beats_per_bar = 4;
        Pos->beat_type = 4;
        Pos->ticks_per_beat = 1920;
        Pos->beats_per_minute = Bpm;
        Pos->bar = int32_t(whole / 4 + 1);
        Pos->beat = int32_t(whole % 4 + 1);
        Pos->tick = int32_t((beats - double(whole)) * 1920);
        Pos->bar_start_tick = double(whole / 4) * 4 * 1920;
    }
    jack_client_t *FClient = nullptr;
    jack_nframes_t FRate = 48000;
};

void Spacing(benchmark::State &State, TArpClock Clock, uint32_t Jitter) {
    TJackPeer peer(QStringLiteral("bench-peer"));
    const bool followsClock = Clock == TArpClock::acMidiClock;
    std::optional<TTransportMaster> master;
    std::optional<TJackClockSender> clock;
    if (followsClock)
        clock.emplace("bench-clock", Jitter);
    else
        master.emplace();
    TKeyboardModel model;
    TMidiRouter router(model);
    TMidiOutput output(TMidiApi::maJack);
    TMidiInput input(TMidiApi::maJack);
    for (int i = 0; i < output.DeviceCount(); ++i)
        if (output.NameOf(i) == peer.InPort())
            output.SetDeviceID(i);
    if ((master && !master->Valid()) || (clock && clock->OutPort().isEmpty()) || !output.Open()) {
        State.SkipWithError("the ports do not open");
        return;
    }
    router.SetOutput(&output);
    output.AddSource(&router.Zones().MainEngine());
    if (followsClock) {
        for (int i = 0; i < input.DeviceCount(); ++i)
            if (input.NameOf(i) == clock->OutPort())
                input.SetDeviceID(i);
        input.SetTimingClock(true);
        if (!input.Open()) {
            State.SkipWithError("the input does not open");
            return;
        }
        input.SetThruHook(&router.ThruHook());
        input.DataHandler = [](TMidiInput &In) {
            while (In.TakeEvent()) {
            }
        };
        input.Start();
    }
    peer.WaitCycles();
    TZoneSet zones;
    zones.SetLatch(true);
    zones.SetArpeggiator(true);
    zones.SetClock(Clock);
    zones.SetTempo(int(Bpm));
    router.Zones().Apply(zones);
    if (master)
        master->Start();
    if (clock)
        clock->Start();
    for (const int key : {60, 64, 67})
        model.SendChord(0, key, 100, true);
    for (const int key : {60, 64, 67})
        model.SendChord(0, key, 0, true);
    for (auto _ : State) {
        QTest::qWait(2000); // the clock's tempo known, the grid found
        peer.ClearReceived();
        QTest::qWait(20000);
        const std::vector<TBytes> messages = peer.Received();
        const std::vector<uint64_t> frames = peer.ReceivedFrames();
        std::vector<int64_t> errors;
        uint64_t last = 0;
        for (size_t i = 0; i < messages.size(); ++i) {
            if ((messages[i][0] & 0xF0) != 0x90 || messages[i][2] == 0)
                continue;
            if (last != 0)
                errors.push_back(int64_t(
                    std::llround(std::abs(double(frames[i] - last) - StepFrames) / 48000.0 * 1e9)));
            last = frames[i];
        }
        State.SetIterationTime(20);
        BenchStats::Report(State, "spacing_error", errors);
        State.counters["steps"] = double(errors.size());
    }
    output.RemoveSource(&router.Zones().MainEngine());
    input.Close();
    router.SetOutput(nullptr);
}

// Arg 3: MIDI clock whose ticks come up to a period late.
void BM_ArpSpacing(benchmark::State &State) {
    const bool jittered = State.range(0) == 3;
    const auto clock = jittered ? TArpClock::acMidiClock : TArpClock(State.range(0));
    State.SetLabel(clock == TArpClock::acOwn         ? "own tempo, 120 BPM 1/16"
                   : clock == TArpClock::acTransport ? "JACK transport, 120 BPM 1/16"
                   : jittered ? "MIDI clock, ticks up to 128 frames late, 120 BPM 1/16"
                              : "MIDI clock, 120 BPM 1/16");
    Spacing(State, clock, jittered ? 128 : 0);
}
BENCHMARK(BM_ArpSpacing)
    ->Arg(int(TArpClock::acOwn))
    ->Arg(int(TArpClock::acTransport))
    ->Arg(int(TArpClock::acMidiClock))
    ->Arg(3)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TJackServer server;
    const QString name = QStringLiteral("ondrel-arp-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate() % 100000);
    if (!server.Start(name)) {
        fprintf(stderr, "%s\n", qPrintable(server.ErrorText()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
