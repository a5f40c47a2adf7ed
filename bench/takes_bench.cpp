// Takes: what the capture costs the output's thread per message; cutting and saving a
// 30-minute take (busy playing, and a store at its default memory cap) and reading such a file
// back; libsmf's writer beside ours on the same takes; and the replay's timing at a JACK
// receiver against the file's times (its own JACK server, dummy driver, 128 frames at 48 kHz).

#include "benchstats.h"
#include "jackfixture.h"
#include "midi/midioutput.h"
#include "takes/capturering.h"
#include "takes/midifile.h"
#include "takes/takereplay.h"
#include "takes/takestore.h"

#include <smf.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using namespace BenchStats;

constexpr int64_t Second = 1000000;

// Playing for Seconds: a knob and the pitch wheel moving every StepMs, chords of three notes
// four times a second. A step of 50 ms is busy playing (about 64 messages a second); one of
// 4 ms fills the store to its default cap (16 MB, about a million messages) in 30 minutes.
void Play(TTakeStore &Store, int64_t Seconds, int StepMs) {
    std::vector<std::pair<int64_t, std::array<uint8_t, 3>>> Messages;
    for (int64_t Ms = 0; Ms < Seconds * 1000; Ms += StepMs) {
        const auto Step = uint8_t(Ms / StepMs % 128);
        Messages.push_back({Ms * 1000, {0xB0, 7, Step}});
        Messages.push_back({Ms * 1000 + 10, {0xE0, 0, uint8_t(64 + Step % 32)}});
    }
    for (int64_t Ms = 0; Ms < Seconds * 1000; Ms += 250)
        for (int n : {0, 4, 7}) {
            const auto Note = uint8_t(48 + Ms / 250 % 24 + n);
            Messages.push_back({Ms * 1000 + 20, {0x90, Note, 100}});
            Messages.push_back({Ms * 1000 + 200000, {0x90, Note, 0}});
        }
    std::stable_sort(Messages.begin(), Messages.end(),
                     [](const auto &A, const auto &B) { return A.first < B.first; });
    for (const auto &[Us, Bytes] : Messages)
        Store.Add(Us, Bytes.data(), Bytes.size());
}

constexpr int64_t HalfHour = 30 * 60;

// The capture tap as the output's thread calls it, a period of 64 messages at a time; the UI
// thread drains between periods (not timed).
void BM_CaptureMessage(benchmark::State &State) {
    TCaptureRing Ring;
    std::vector<int64_t> Samples;
    const uint8_t Note[3] = {0x90, 60, 100};
    int64_t Time = 0;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        for (int i = 0; i < 64; ++i)
            Ring.Captured(++Time, Note, 3);
        const int64_t Took = NowNs() - Start;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took / 64);
        Ring.Drain([](int64_t, const uint8_t *, size_t) {});
    }
    Report(State, "per_message", Samples);
    State.counters["lost"] = double(Ring.Lost());
}
BENCHMARK(BM_CaptureMessage)->UseManualTime()->Iterations(20000)->Unit(benchmark::kNanosecond);

// Cutting the last take out of the store and writing it as a file: 30 minutes of busy playing,
// and a store full at its default cap (16 MB: about a million messages).
void BM_SaveThirtyMinuteTake(benchmark::State &State) {
    TTakeStore Store;
    Play(Store, HalfHour, int(State.range(0)));
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("take.mid"));
    std::vector<int64_t> Samples;
    size_t Messages = 0;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        const TTake Take =
            Store.Take(TTakeStore::TPart::LastMinutes, HalfHour * Second, HalfHour * Second);
        QString Error;
        if (!MidiFile::Save(Take, File, Error))
            State.SkipWithError(qPrintable(Error));
        const int64_t Took = NowNs() - Start;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
        Messages = Take.Count();
    }
    Report(State, "save", Samples);
    State.counters["messages"] = double(Messages);
    State.counters["file_kb"] = double(QFileInfo(File).size()) / 1024;
}
BENCHMARK(BM_SaveThirtyMinuteTake)
    ->Arg(50)
    ->Arg(4)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// Reading such a file back for a replay.
void BM_ReadThirtyMinuteFile(benchmark::State &State) {
    TTakeStore Store;
    Play(Store, HalfHour, int(State.range(0)));
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("take.mid"));
    QString Error;
    MidiFile::Save(Store.Take(TTakeStore::TPart::LastMinutes, HalfHour * Second, HalfHour * Second),
                   File, Error);
    std::vector<int64_t> Samples;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        const std::optional<TTake> Take = MidiFile::Load(File, Error);
        const int64_t Took = NowNs() - Start;
        if (!Take)
            State.SkipWithError(qPrintable(Error));
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
    }
    Report(State, "read", Samples);
}
BENCHMARK(BM_ReadThirtyMinuteFile)
    ->Arg(50)
    ->Arg(4)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// libsmf's writer on the same kind of take: building its events, saving, freeing (its
// smf_delete, also called inside smf_save, takes each event out of a list one by one).
void BM_LibsmfSave(benchmark::State &State) {
    // The first minutes of busy playing, as many messages as asked.
    TTakeStore Store;
    Play(Store, State.range(0) / 64 + 1, 50);
    const int64_t Length = (State.range(0) / 64 + 1) * Second;
    const TTake Take = Store.Take(TTakeStore::TPart::LastMinutes, HalfHour * Second, Length);
    QTemporaryDir Dir;
    const QByteArray File = QFile::encodeName(Dir.filePath(QStringLiteral("libsmf.mid")));
    std::vector<int64_t> Samples;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        smf_t *Smf = smf_new();
        if (smf_set_ppqn(Smf, 480) != 0)
            State.SkipWithError("smf_set_ppqn");
        smf_track_t *Track = smf_track_new();
        smf_add_track(Smf, Track);
        for (const TTakeMessage &M : Take.Messages()) {
            smf_event_t *Event =
                smf_event_new_from_pointer(const_cast<uint8_t *>(Take.Data(M)), int(M.Size));
            smf_track_add_event_pulses(Track, Event, int(M.TimeUs * 480 / 500000));
        }
        if (smf_save(Smf, File.constData()) != 0)
            State.SkipWithError("smf_save");
        smf_delete(Smf);
        const int64_t Took = NowNs() - Start;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
    }
    Report(State, "save", Samples);
    State.counters["messages"] = double(Take.Count());
}
BENCHMARK(BM_LibsmfSave)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// A file of 2000 messages at uneven times over 20 s replayed to a JACK receiver: how far from
// the file's time (against the first message) each arrives.
void BM_ReplayTiming(benchmark::State &State) {
    TJackPeer Peer;
    TMidiOutput Output(TMidiApi::maJack);
    for (int i = 0; i < Output.DeviceCount(); ++i)
        if (Output.NameOf(i) == Peer.InPort())
            Output.SetDeviceID(i);
    if (!Peer.IsValid() || !Output.Open()) {
        State.SkipWithError("no JACK port");
        return;
    }
    Peer.WaitCycles();
    TTake Written;
    QRandomGenerator Random(35);
    int64_t At = 0;
    for (int i = 0; i < 1000; ++i) {
        At += Random.bounded(1, 40000);
        const uint8_t On[3] = {0x90, uint8_t(36 + i % 60), 100};
        const uint8_t Off[3] = {0x90, uint8_t(36 + i % 60), 0};
        Written.Add(At, On, 3);
        Written.Add(At + Random.bounded(1000, 30000), Off, 3);
    }
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("replay.mid"));
    QString Error;
    MidiFile::Save(Written, File, Error);
    std::optional<TTake> Read = MidiFile::Load(File, Error);
    if (!Read) {
        State.SkipWithError(qPrintable(Error));
        return;
    }
    auto Take = std::make_shared<const TTake>(std::move(*Read));
    TTakeReplay Replay;
    Replay.SetOutput(&Output);
    std::vector<int64_t> Samples;
    for (auto _ : State) {
        Peer.ClearReceived();
        Replay.Load(Take, QStringLiteral("replay.mid"));
        Replay.Play();
        QElapsedTimer Waited;
        Waited.start();
        while (Replay.State() == TTakeReplay::TState::Playing && Waited.elapsed() < 60000) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        Peer.WaitForReceived(Take->Count(), 5000);
        const std::vector<uint64_t> Frames = Peer.ReceivedFrames();
        const double Rate = Peer.SampleRate();
        if (Frames.size() != Take->Count()) {
            State.SkipWithError("messages lost");
            break;
        }
        for (size_t i = 0; i < Frames.size(); ++i) {
            const double HeardUs = double(Frames[i] - Frames[0]) * 1e6 / Rate;
            const double FileUs = double(Take->Messages()[i].TimeUs - Take->Messages()[0].TimeUs);
            Samples.push_back(std::llround(std::abs(HeardUs - FileUs) * 1000));
        }
        State.SetIterationTime(double(Take->LengthUs()) / 1e6);
    }
    Replay.SetOutput(nullptr);
    Report(State, "error", Samples);
    State.counters["messages"] = double(Samples.size());
}
BENCHMARK(BM_ReplayTiming)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    TJackServer Server;
    const QString Name = QStringLiteral("ondrel-takes-bench-%1-%2")
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
