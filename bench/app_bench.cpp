// The main window in process, against a JACK server of our own (dummy driver, 128 frames at
// 48 kHz): a computer key or a mouse press delivered to the window, with a major chord and a
// transposition of +5 on, until the third note-on has been handed to the output port ("Ondrel",
// open on JACK). Figures are p50, p99 and max in microseconds; the release that follows each
// press is measured as well, apart.

#include "app/mainwindow.h"
#include "keyboard/keyboard.h"
#include "mainfixture.h"
#include "router/midirouter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include "benchstats.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace {

using BenchStats::NowNs;
using BenchStats::Report;
using BenchStats::TClock;

TMainFixture *Fixture = nullptr;

// A window playing into the JACK port with the chord and transposition on; the router tells the
// moment each message has been handed to the port.
struct TPlayingWindow {
    std::unique_ptr<TMainWindow> Window;
    int Handed = 0;
    int64_t LastHandedNs = 0;

    bool Open() {
        Fixture->FreshConfig();
        Window = Fixture->NewWindow();
        if (!Window || !Fixture->ConnectPeer(*Window))
            return false;
        TKeyboardModel &m = Window->Keyboard()->Model();
        m.SetChord(TChord::chMajor);
        m.SetTranspose(5);
        // The window captures keys while active; the offscreen platform may not activate it.
        Window->Keyboard()->SetCaptureKeyboard(true);
        QObject::connect(&Window->Router(), &TMidiRouter::Sent, Window.get(),
                         [this](const TShortMessage &) {
                             LastHandedNs = NowNs();
                             ++Handed;
                         });
        return true;
    }
};

// Measures Act (a press, then a release) until three messages each were handed over; paced so
// that JACK drains RtMidi's ring buffer now and then, as a player's pace would.
template <class Press, class Release>
void MeasurePlay(benchmark::State &State, TPlayingWindow &W, Press &&DoPress, Release &&DoRelease) {
    std::vector<int64_t> Presses, Releases;
    int Count = 0;
    for (auto _ : State) {
        W.Handed = 0;
        int64_t Start = NowNs();
        DoPress();
        if (W.Handed != 3) {
            State.SkipWithError(
                ("a press handed " + std::to_string(W.Handed) + " messages to the port, not 3")
                    .c_str());
            return;
        }
        Presses.push_back(W.LastHandedNs - Start);
        State.SetIterationTime(double(W.LastHandedNs - Start) / 1e9);
        W.Handed = 0;
        Start = NowNs();
        DoRelease();
        if (W.Handed != 3) {
            State.SkipWithError("a release did not hand 3 messages to the port");
            return;
        }
        Releases.push_back(W.LastHandedNs - Start);
        if (++Count % 32 == 0)
            QTest::qWait(3); // > one JACK period; lets queued events run too
    }
    Report(State, "press", Presses);
    Report(State, "release", Releases);
    Fixture->Peer().WaitForReceived(size_t(6 * Count), 2000);
    const auto received = Fixture->Peer().Received().size();
    State.counters["arrived"] = double(received);
}

void BM_KeyToPort(benchmark::State &State) {
    TPlayingWindow W;
    if (!W.Open()) {
        State.SkipWithError("the window or its JACK port did not open");
        return;
    }
    // Keys arrive at the window first, where the keyboard hook takes them, as from the platform.
    QWindow *target = W.Window->windowHandle();
    // Z on the offscreen platform: PC scan code 0x2C, the C of the lower row.
    auto key = [&](QEvent::Type Type) {
        QKeyEvent e(Type, Qt::Key_Z, Qt::NoModifier, 0x2C, 'Z', 0, QStringLiteral("z"));
        QApplication::sendEvent(target, &e);
    };
    MeasurePlay(
        State, W, [&] { key(QEvent::KeyPress); }, [&] { key(QEvent::KeyRelease); });
}
BENCHMARK(BM_KeyToPort)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

void BM_MouseToPort(benchmark::State &State) {
    TPlayingWindow W;
    if (!W.Open()) {
        State.SkipWithError("the window or its JACK port did not open");
        return;
    }
    TKeyboard *keys = W.Window->Keyboard();
    const QPointF at(keys->Model().KeyLeft(keys->Model().BaseNote() + 2) -
                         keys->Model().ScrollOffset() + 4,
                     keys->height() - 8);
    const QPointF global = keys->mapToGlobal(at);
    MeasurePlay(
        State, W,
        [&] {
            QMouseEvent e(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(keys, &e);
        },
        [&] {
            QMouseEvent e(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
            QApplication::sendEvent(keys, &e);
        });
}
BENCHMARK(BM_MouseToPort)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    TMainFixture fixture;
    if (!fixture.Start(QStringLiteral("bench-app"))) {
        fprintf(stderr, "%s\n", qPrintable(fixture.ErrorText()));
        return 1;
    }
    Fixture = &fixture;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Fixture = nullptr;
    return 0;
}
