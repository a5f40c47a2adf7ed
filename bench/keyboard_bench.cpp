// Drawing the keyboard: a full repaint and the repaint of one key after a note event, in both
// paint styles at the three sizes, and the in-process path of a mouse press to the bytes handed
// to the output sink with a 3-note chord and transposition on.

#include "keyboard/keyboard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

struct TSetup {
    TPaintStyle Style;
    TImageSize Size;
    const char *Name;
};

constexpr TSetup Setups[] = {
    {TPaintStyle::psDraw, TImageSize::isSmall, "draw/small"},
    {TPaintStyle::psDraw, TImageSize::isNormal, "draw/normal"},
    {TPaintStyle::psDraw, TImageSize::isBig, "draw/big"},
    {TPaintStyle::psImage, TImageSize::isSmall, "image/small"},
    {TPaintStyle::psImage, TImageSize::isNormal, "image/normal"},
    {TPaintStyle::psImage, TImageSize::isBig, "image/big"},
};
constexpr int SetupCount = int(std::size(Setups));

void Prepare(TKeyboard &Keys, const TSetup &S) {
    Keys.SetImageSize(S.Size);
    Keys.SetPaintStyle(S.Style);
    Keys.resize(329, 76);
    Keys.Model().SetBounds(329, 76);
    Keys.Model().SetBaseNote(36);
}

void FullRepaint(benchmark::State &State) {
    TKeyboard keys;
    Prepare(keys, Setups[State.range(0)]);
    State.SetLabel(Setups[State.range(0)].Name);
    QImage target(keys.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        QPainter p(&target);
        keys.render(&p);
    }
}
BENCHMARK(FullRepaint)->DenseRange(0, SetupCount - 1)->Unit(benchmark::kMicrosecond);

// The same with everything written and marked: note names on every key, the computer keys, a
// scale dimming five keys an octave and two keys held by the sustain pedal.
void FullRepaintLabelled(benchmark::State &State) {
    TKeyboard keys;
    Prepare(keys, Setups[State.range(0)]);
    State.SetLabel(Setups[State.range(0)].Name);
    TKeyboardModel &m = keys.Model();
    m.SetNoteLabels(TNoteLabels::nlAll);
    m.SetComputerKeyLabels(true);
    m.SetKeyOctave(3);
    m.SetScale(TScale::scMajor);
    m.SetScaleRoot(2);
    m.SendChord(0, 50, 100, true);
    m.SendChord(0, 54, 100, true);
    m.SetControllerValue(TKeyboardModel::SustainPedal, 127);
    m.SendChord(0, 50, 0, true);
    m.SendChord(0, 54, 0, true);
    QImage target(keys.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        QPainter p(&target);
        keys.render(&p);
    }
}
BENCHMARK(FullRepaintLabelled)->DenseRange(0, SetupCount - 1)->Unit(benchmark::kMicrosecond);

void OneKeyRepaint(benchmark::State &State) {
    TKeyboard keys;
    Prepare(keys, Setups[State.range(0)]);
    State.SetLabel(Setups[State.range(0)].Name);
    QImage target(keys.size(), QImage::Format_ARGB32_Premultiplied);
    const TKeyboardModel &m = keys.Model();
    const int w = m.KeyWidth();
    const QRegion key(QRect(m.KeyLeft(60) - m.ScrollOffset() - w, 0, 3 * w, 76));
    for (auto _ : State) {
        QPainter p(&target);
        keys.render(&p, QPoint(), key);
    }
}
BENCHMARK(OneKeyRepaint)->DenseRange(0, SetupCount - 1)->Unit(benchmark::kMicrosecond);

// A scroll by one key on a shown keyboard, as the arrows do it: the picture is copied and only
// the uncovered band is painted, up to the backing store.
void ScrollByOneKey(benchmark::State &State) {
    TKeyboard keys;
    Prepare(keys, Setups[State.range(0)]);
    State.SetLabel(Setups[State.range(0)].Name);
    keys.show();
    QCoreApplication::processEvents();
    TKeyboardModel &m = keys.Model();
    const int base = m.BaseNote();
    bool up = true;
    for (auto _ : State) {
        m.SetBaseNote(up ? base + 2 : base); // the next white key and back
        up = !up;
        // The band now, as the event loop would paint it: scrolled picture plus band.
        QCoreApplication::sendPostedEvents(&keys, QEvent::UpdateRequest);
    }
}
BENCHMARK(ScrollByOneKey)->DenseRange(0, SetupCount - 1)->Unit(benchmark::kMicrosecond);

void MousePressToSink(benchmark::State &State) {
    TKeyboard keys;
    Prepare(keys, Setups[0]);
    keys.Model().SetChord(TChord::chMajor);
    keys.Model().SetTranspose(5);
    int bytes = 0;
    keys.Model().OnNote = [&bytes](QObject *, const TShortMessage &) { bytes += 3; };
    const QPointF at(100, 60);
    for (auto _ : State) {
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&keys, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(&keys, &release);
    }
    benchmark::DoNotOptimize(bytes);
    State.counters["messages"] = benchmark::Counter(double(bytes / 3), benchmark::Counter::kIsRate);
}
BENCHMARK(MousePressToSink)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
