// Patch script reading speed: full loads of a large generated script (MB/s), the tokenizer alone,
// and the header preview of a folder of 1000 scripts as the patch set chooser makes it.

#include "core/patchlist.h"
#include "core/patchscriptparser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// About Programs * 45 bytes: modes of nested groups, both bank forms, drum kits with key names,
// comments and CR LF line ends, as scripts from other programs have them.
QByteArray GenerateScript(int Programs, int Variant = 0) {
    QByteArray Text = "[cubase parse file]\r\n[parser version 0001]\r\n"
                      "[comment] generated for the benchmark\r\n"
                      "[creators first name] Ondrel\r\n[device manufacturer] Bench\r\n"
                      "[device name] Device " +
                      QByteArray::number(Variant) +
                      "\r\n[script name] Benchmark script\r\n[bank: do send msb first]\r\n"
                      "[define patchnames]\r\n";
    Text.reserve(Programs * 48);
    int Written = 0;
    for (int Mode = 0; Written < Programs; ++Mode) {
        Text += "[mode " + QByteArray::number(Mode % 17) + "] Mode " + QByteArray::number(Mode) +
                "\r\n";
        for (int Group = 0; Group < 8 && Written < Programs; ++Group) {
            Text += "[g1] Group " + QByteArray::number(Group) + "\r\n";
            if (Group % 3 == 0)
                Text += "[sorted]\r\n";
            Text += "[g2] Bank " + QByteArray::number(Group) + "\r\n";
            for (int P = 0; P < 128 && Written < Programs; ++P, ++Written) {
                if (P % 2)
                    Text += "[p3, " + QByteArray::number(P) + ", " + QByteArray::number(Group) +
                            ", " + QByteArray::number(Mode % 128) + "] Program name " +
                            QByteArray::number(Written) + "\r\n";
                else
                    Text += "[p2, " + QByteArray::number(P) + ", " +
                            QByteArray::number(Written % 16384) + "] Sound " +
                            QByteArray::number(Written) + " bright\r\n";
                if (P % 32 == 0) {
                    for (int Key = 35; Key < 60; ++Key)
                        Text += "[k " + QByteArray::number(Key) + "] Drum " +
                                QByteArray::number(Key) + "\r\n";
                }
            }
        }
    }
    Text += "[end]\r\n";
    return Text;
}

void BM_LoadLargeScript(benchmark::State &State) {
    const QByteArray Text = GenerateScript(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        auto List = TPatchList::LoadText(Text, nullptr);
        benchmark::DoNotOptimize(List.get());
    }
    State.SetBytesProcessed(State.iterations() * Text.size());
    State.counters["script_bytes"] = static_cast<double>(Text.size());
}
BENCHMARK(BM_LoadLargeScript)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_NextCommandOnly(benchmark::State &State) {
    const QByteArray Text = GenerateScript(100000);
    for (auto _ : State) {
        TPatchScriptParser Parser(Text);
        int Commands = 0;
        while (Parser.NextCommand())
            ++Commands;
        benchmark::DoNotOptimize(Commands);
    }
    State.SetBytesProcessed(State.iterations() * Text.size());
}
BENCHMARK(BM_NextCommandOnly)->Unit(benchmark::kMillisecond);

// 1000 scripts of about 20 KB each in a temporary folder, previewed one after the other.
void BM_HeaderPreviewFolder(benchmark::State &State) {
    QTemporaryDir Dir;
    QStringList Files;
    for (int I = 0; I < 1000; ++I) {
        const QString Path = Dir.filePath(QStringLiteral("script%1.txt").arg(I));
        QFile File(Path);
        if (!File.open(QIODevice::WriteOnly) || File.write(GenerateScript(400, I)) < 0) {
            State.SkipWithError("cannot write the scripts");
            return;
        }
        Files << Path;
    }
    for (auto _ : State) {
        int Named = 0;
        for (const QString &Path : Files)
            Named += TPatchList::LoadHeader(Path)->DeviceName().isEmpty() ? 0 : 1;
        benchmark::DoNotOptimize(Named);
    }
    State.counters["files"] = static_cast<double>(Files.size());
}
BENCHMARK(BM_HeaderPreviewFolder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
