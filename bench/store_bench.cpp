// The settings files: importing a chord file of 10 000 chords (a search over all chords per
// entry made it quadratic), and one save of the per-user store as the window makes it a moment
// after a change (the file's lock, reading it again, merging, writing, syncing file and folder).

#include "core/chordlist.h"
#include "core/inifile.h"
#include "core/registryinifile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray ChordFile(int Count) {
    QByteArray Text = "[Chords]\n";
    for (int I = 1; I <= Count; ++I)
        Text += "Name" + QByteArray::number(I) + "=Chord " + QByteArray::number(I) + " \xc3\xa4\n" +
                "Chord" + QByteArray::number(I) + "=3C0407" + QByteArray::number(I % 9 + 1, 16) +
                "\n";
    return Text;
}

// The import as File > Import > Chords makes it: the file read, its chords added to the user's
// own (a hundred of them), half of them under a name already taken.
void BM_ImportChords(benchmark::State &State) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("KeyboardChords.ini"));
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly) || File.write(ChordFile(int(State.range(0)))) < 0) {
        State.SkipWithError("cannot write the chord file");
        return;
    }
    File.close();
    for (auto _ : State) {
        State.PauseTiming();
        TChordList List;
        for (int I = 0; I < 100; ++I)
            List.NewChord().FromText(QStringLiteral("Chord %1 \u00e4").arg(I * 2 + 1),
                                     QStringLiteral("3C04"));
        State.ResumeTiming();
        const TIniFile Ini(Path);
        benchmark::DoNotOptimize(List.LoadFromIni(Ini, true));
    }
}
BENCHMARK(BM_ImportChords)->Arg(10000)->Unit(benchmark::kMillisecond);

// A changed value saved into a settings file of some hundred values and 200 chords.
void BM_SaveSettings(benchmark::State &State) {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("ondrel.ini"));
    {
        QByteArray Text = ChordFile(200) + "[KeyboardForm]\n";
        for (int I = 0; I < 100; ++I)
            Text += "Value" + QByteArray::number(I) + '=' + QByteArray::number(I) + '\n';
        QFile File(Path);
        if (!File.open(QIODevice::WriteOnly) || File.write(Text) < 0) {
            State.SkipWithError("cannot write the settings file");
            return;
        }
    }
    int N = 0;
    for (auto _ : State) {
        TRegistryIniFile Store(QString(), Path);
        Store.WriteInteger(QStringLiteral("KeyboardForm"), QStringLiteral("Top"), ++N);
        Store.UpdateFile();
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
