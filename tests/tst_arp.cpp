// The arpeggiator without a MIDI service: its patterns and its grid as pure functions, and its
// engine driven period by period as an output's thread drives it, on its own tempo, following a
// transport and following MIDI clock; every note it starts ends, also while the UI thread changes
// what it plays from another thread.

#include "router/arpengine.h"
#include "router/arppattern.h"
#include "router/midiclock.h"

#include <QTest>

#include <atomic>
#include <map>
#include <thread>
#include <vector>

namespace {

TArpChord Chord(const QList<int> &Notes, int Velocity = 100) {
    TArpChord chord;
    for (const int note : Notes)
        chord.Add(note, Velocity);
    return chord;
}

QList<int> NotesOf(const TArpChord &Chord) {
    QList<int> notes;
    for (const TArpNote &note : Chord)
        notes << note.Note;
    return notes;
}

// One message an engine emitted, at its absolute frame.
struct TEvent {
    uint64_t Frame;
    uint8_t Status, Note, Velocity;
    bool On() const { return (Status & 0xF0) == 0x90 && Velocity > 0; }
};

// A period's room for messages, as an output gives it: the engine's messages kept in the
// order they leave (TPeriodEvents sorts them by frame), at most Room of them.
class TRecorder final : public TMidiEmit {
public:
    bool Emit(uint32_t Offset, const uint8_t *Data, size_t Size) noexcept override {
        if (Size != 3 || FThis >= Room)
            return false;
        ++FThis;
        return FEvents.Emit(Offset, Data, Size);
    }
    void Run(TArpEngine &Engine, TPeriod &Period) {
        Periods.fetch_add(1, std::memory_order_relaxed);
        FEvents.Clear(Period.Frames);
        FThis = 0;
        Engine.Period(Period, *this);
        while (const TPeriodEvents::TEvent *e = FEvents.NextUntil(Period.Frames)) {
            const uint8_t *b = FEvents.Bytes(*e);
            All.push_back({Period.Start + e->Offset, b[0], b[1], b[2]});
            FEvents.Written();
        }
        Period.Start += Period.Frames;
    }
    std::vector<uint64_t> OnFrames() const {
        std::vector<uint64_t> frames;
        for (const TEvent &e : All)
            if (e.On())
                frames.push_back(e.Frame);
        return frames;
    }
    QList<int> OnNotes() const {
        QList<int> notes;
        for (const TEvent &e : All)
            if (e.On())
                notes << e.Note;
        return notes;
    }
    // Notes on at the end, as (channel << 8 | note).
    QList<int> Sounding(const std::vector<TShortMessage> &More = {}) const {
        std::map<int, int> on;
        for (const TEvent &e : All)
            on[(e.Status & 15) << 8 | e.Note] += e.On() ? 1 : -1;
        for (const TShortMessage &m : More)
            on[m.Channel() << 8 | m.Data1] += m.IsNoteOn() ? 1 : -1;
        QList<int> left;
        for (const auto &[key, count] : on)
            if (count > 0)
                left << key;
        return left;
    }
    std::vector<TEvent> All;
    size_t Room = 64;
    std::atomic<int> Periods{0};

private:
    TPeriodEvents FEvents;
    size_t FThis = 0;
};

TArpPlan OnePlan(const TArpChord &Held, TArpSettings Settings = {}, double Tempo = 120) {
    TArpPlan plan;
    plan.BeatsPerMinute = Tempo;
    Settings.On = true;
    plan.Lane[0].Settings = Settings;
    plan.Lane[0].Held = Held;
    plan.Lane[0].Chord = 1;
    return plan;
}

// A transport master that tells bars and beats exactly, at Bpm in 4/4 from frame 0 on.
void Roll(TPeriod &Period, double Bpm, uint64_t TransportFrame) {
    TTransport &t = Period.Transport;
    t.Valid = t.Rolling = true;
    t.BeatsPerMinute = Bpm;
    t.BeatsPerBar = 4;
    t.BeatType = 4;
    t.TicksPerBeat = 1920;
    const double beats = double(TransportFrame) / Period.Rate * Bpm / 60.0;
    const auto whole = int64_t(beats);
    t.Bar = int32_t(whole / 4 + 1);
    t.Beat = int32_t(whole % 4 + 1);
    t.Tick = std::floor((beats - double(whole)) * 1920); // a master's ticks are whole
}

} // namespace

class TestArp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void patterns_data();
    void patterns();
    void randomStaysWithinTheChordAndRepeats();
    void grid_data();
    void grid();

    void ownTempoStepsOnExactFrames_data();
    void ownTempoStepsOnExactFrames();
    void newChordRestartsThePattern();
    void stoppedLaneEndsItsNotes();
    void detachedEngineOwesItsSoundingNotes();
    void fullPeriodKeepsTheOffForTheNext();
    void followsTransportBarsAndTempo();
    void transportStoppedIsSilentAndRelocationPicksUp();
    void followsMidiClockThroughJitter_data();
    void followsMidiClockThroughJitter();
    void planChangedFromAnotherThreadLeavesNothingSounding();
};

void TestArp::patterns_data() {
    QTest::addColumn<QList<int>>("held"); // in the order played
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("octaves");
    QTest::addColumn<QList<int>>("expected"); // the first step's note on; chords joined as 3-tuples
    const int up = int(TArpMode::amUp), down = int(TArpMode::amDown),
              upDown = int(TArpMode::amUpDown), played = int(TArpMode::amPlayed);
    const QList<int> g = {67, 60, 64};
    QTest::newRow("up sorts what was played") << g << up << 1 << QList<int>{60, 64, 67, 60, 64};
    QTest::newRow("down") << g << down << 1 << QList<int>{67, 64, 60, 67};
    QTest::newRow("up-down turns without playing the ends twice")
        << g << upDown << 1 << QList<int>{60, 64, 67, 64, 60, 64, 67, 64};
    QTest::newRow("up-down of two alternates")
        << QList<int>{64, 60} << upDown << 1 << QList<int>{60, 64, 60, 64};
    QTest::newRow("up-down of one repeats it")
        << QList<int>{60} << upDown << 1 << QList<int>{60, 60, 60};
    QTest::newRow("as played") << g << played << 1 << QList<int>{67, 60, 64, 67};
    QTest::newRow("up over two octaves") << g << up << 2 << QList<int>{60, 64, 67, 72, 76, 79, 60};
    QTest::newRow("down over two octaves")
        << g << down << 2 << QList<int>{79, 76, 72, 67, 64, 60, 79};
    QTest::newRow("up-down over two octaves")
        << QList<int>{60, 64} << upDown << 2 << QList<int>{60, 64, 72, 76, 72, 64, 60, 64};
    QTest::newRow("as played over two octaves")
        << g << played << 2 << QList<int>{67, 60, 64, 79, 72, 76, 67};
    QTest::newRow("notes above 127 are left out")
        << QList<int>{125, 120} << up << 2 << QList<int>{120, 125, 120};
    QTest::newRow("nothing held plays nothing") << QList<int>{} << up << 3 << QList<int>{};
}

void TestArp::patterns() {
    QFETCH(QList<int>, held);
    QFETCH(int, mode);
    QFETCH(int, octaves);
    QFETCH(QList<int>, expected);
    QList<int> got;
    for (int step = 0; step < int(expected.size()) + (expected.isEmpty() ? 2 : 0); ++step)
        got << NotesOf(ArpStepNotes(Chord(held), TArpMode(mode), octaves, uint64_t(step)));
    QCOMPARE(got, expected);
}

void TestArp::randomStaysWithinTheChordAndRepeats() {
    const TArpChord held = Chord({60, 64, 67});
    std::map<int, int> seen;
    for (uint64_t step = 0; step < 300; ++step) {
        const TArpChord notes = ArpStepNotes(held, TArpMode::amRandom, 2, step, 42);
        QCOMPARE(int(notes.Count), 1);
        ++seen[notes.Notes[0].Note];
        // The same seed and step, the same note: a period played again plays the same.
        QCOMPARE(ArpStepNotes(held, TArpMode::amRandom, 2, step, 42), notes);
    }
    QCOMPARE(int(seen.size()), 6); // every note of both octaves, nothing else
    for (const auto &[note, count] : seen) {
        QVERIFY(held.Contains(note) || held.Contains(note - 12));
        QVERIFY2(count > 20, "a note the random mode hardly ever plays");
    }
    // Chord mode: all of them at each step, an octave up at the next.
    QCOMPARE(NotesOf(ArpStepNotes(held, TArpMode::amChord, 2, 0)), (QList<int>{60, 64, 67}));
    QCOMPARE(NotesOf(ArpStepNotes(held, TArpMode::amChord, 2, 1)), (QList<int>{72, 76, 79}));
    QCOMPARE(NotesOf(ArpStepNotes(held, TArpMode::amChord, 2, 2)), (QList<int>{60, 64, 67}));
}

void TestArp::grid_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("swing");
    QTest::addColumn<double>("stepQuarters");
    QTest::addColumn<QList<double>>("starts"); // of steps 0..n
    const int sixteenth = ArpRateSixteenth;
    QTest::newRow("1/16 straight") << sixteenth << 50 << 0.25 << QList<double>{0, 0.25, 0.5, 0.75};
    QTest::newRow("1/16 with 2:1 swing")
        << sixteenth << 66 << 0.25 << QList<double>{0, 0.33, 0.5, 0.83};
    QTest::newRow("1/4") << 0 << 50 << 1.0 << QList<double>{0, 1, 2};
    QTest::newRow("1/8 triplets") << 4 << 50 << 1.0 / 3 << QList<double>{0, 1.0 / 3, 2.0 / 3, 1};
    QTest::newRow("dotted 1/8") << 5 << 50 << 0.75 << QList<double>{0, 0.75, 1.5};
    QTest::newRow("1/32") << 9 << 50 << 0.125 << QList<double>{0, 0.125, 0.25};
}

void TestArp::grid() {
    QFETCH(int, rate);
    QFETCH(int, swing);
    QFETCH(double, stepQuarters);
    QFETCH(QList<double>, starts);
    QCOMPARE(ArpRateQuarters(rate), stepQuarters);
    for (int k = 0; k < starts.size(); ++k) {
        const double start = ArpStepStart(k, stepQuarters, swing);
        QVERIFY2(std::abs(start - starts[k]) < 1e-9,
                 qPrintable(QStringLiteral("step %1 starts at %2").arg(k).arg(start)));
        // Found from its own start, from a hair before (rounding), and from just after the
        // step before it.
        QCOMPARE(ArpFirstStepAt(start, stepQuarters, swing), int64_t(k));
        QCOMPARE(ArpFirstStepAt(start - 1e-12, stepQuarters, swing), int64_t(k));
        if (k > 0)
            QCOMPARE(ArpFirstStepAt(ArpStepStart(k - 1, stepQuarters, swing) + 1e-6, stepQuarters,
                                    swing),
                     int64_t(k));
    }
}

void TestArp::ownTempoStepsOnExactFrames_data() {
    QTest::addColumn<int>("frames"); // per period
    QTest::addColumn<double>("tempo");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("spacing"); // frames between note ons at 48 kHz
    QTest::newRow("120 BPM 1/16, 128-frame periods") << 128 << 120.0 << ArpRateSixteenth << 6000;
    QTest::newRow("120 BPM 1/16, 1024-frame periods") << 1024 << 120.0 << ArpRateSixteenth << 6000;
    QTest::newRow("90 BPM 1/8 triplets, 256-frame periods") << 256 << 90.0 << 4 << 10667;
    QTest::newRow("140 BPM 1/32, 64-frame periods") << 64 << 140.0 << 9 << 2571;
}

void TestArp::ownTempoStepsOnExactFrames() {
    QFETCH(int, frames);
    QFETCH(double, tempo);
    QFETCH(int, rate);
    QFETCH(int, spacing);
    TArpEngine engine;
    TArpSettings s;
    s.Rate = uint8_t(rate);
    engine.SetPlan(OnePlan(Chord({60, 64, 67}), s, tempo));
    TRecorder out;
    TPeriod period{1000000, uint32_t(frames), 48000, 0, {}};
    const uint64_t first = period.Start;
    while (period.Start < first + 48000 * 3)
        out.Run(engine, period);
    const std::vector<uint64_t> ons = out.OnFrames();
    QVERIFY(ons.size() > 10);
    QCOMPARE(ons.front(), first); // at once: the grid starts with the chord
    const double exact = 48000.0 * 60.0 / tempo * ArpRateQuarters(rate);
    for (size_t i = 0; i < ons.size(); ++i) {
        // Each step on its own frame, rounded once: the error never adds up.
        QVERIFY2(std::abs(double(ons[i] - first) - exact * double(i)) <= 0.5,
                 qPrintable(QStringLiteral("step %1 at %2").arg(i).arg(ons[i] - first)));
        if (i > 0)
            QVERIFY(std::abs(int64_t(ons[i] - ons[i - 1]) - spacing) <= 1);
    }
    // Gate 50%: each note ends half a step after it began, before the next one.
    uint64_t lastOn = 0;
    for (const TEvent &e : out.All) {
        if (e.On())
            lastOn = e.Frame;
        else
            QVERIFY(std::abs(double(e.Frame - lastOn) - exact / 2) <= 1.5);
    }
    QCOMPARE(out.OnNotes().mid(0, 4), (QList<int>{60, 64, 67, 60}));
}

void TestArp::newChordRestartsThePattern() {
    TArpEngine engine;
    TArpPlan plan = OnePlan(Chord({60, 64, 67}));
    engine.SetPlan(plan);
    TRecorder out;
    TPeriod period{0, 256, 48000, 0, {}};
    for (int i = 0; i < 40; ++i) // 10240 frames: two steps (0 and 6000)
        out.Run(engine, period);
    QCOMPARE(out.OnNotes(), (QList<int>{60, 64}));
    // A note added to the chord: the pattern goes on where it is.
    plan.Lane[0].Held.Add(72, 100);
    engine.SetPlan(plan);
    while (out.OnNotes().size() < 3)
        out.Run(engine, period);
    QCOMPARE(out.OnNotes().last(), 67);
    // A new chord begun from nothing: from its first step, on the running grid.
    plan.Lane[0].Held = Chord({50, 53});
    ++plan.Lane[0].Chord;
    engine.SetPlan(plan);
    while (out.OnNotes().size() < 5)
        out.Run(engine, period);
    QCOMPARE(out.OnNotes().mid(3), (QList<int>{50, 53}));
    QCOMPARE(out.OnFrames()[4] - out.OnFrames()[3], uint64_t(6000));
}

void TestArp::stoppedLaneEndsItsNotes() {
    TArpEngine engine;
    TArpSettings s;
    s.Gate = 100;
    TArpPlan plan = OnePlan(Chord({60}), s);
    plan.Lane[0].Layer = 3; // and on a second channel
    engine.SetPlan(plan);
    TRecorder out;
    TPeriod period{0, 128, 48000, 0, {}};
    for (int i = 0; i < 100; ++i)
        out.Run(engine, period);
    QVERIFY(engine.Sounding());
    QCOMPARE(out.Sounding(), (QList<int>{0 << 8 | 60, 3 << 8 | 60}));
    // Gate 100%: the next step's note follows its end on the same frame, never before it.
    for (size_t i = 1; i < out.All.size(); ++i)
        if (out.All[i].On() && out.All[i].Note == 60)
            QVERIFY(!out.All[i - 1].On() || out.All[i - 1].Frame < out.All[i].Frame ||
                    (out.All[i - 1].Status & 15) != (out.All[i].Status & 15));
    plan.Lane[0].Held = {};
    engine.SetPlan(plan);
    for (int i = 0; i < 60; ++i)
        out.Run(engine, period);
    QCOMPARE(out.Sounding(), QList<int>{});
    QVERIFY(!engine.Sounding());
}

void TestArp::detachedEngineOwesItsSoundingNotes() {
    TArpEngine engine;
    engine.SetPlan(OnePlan(Chord({60, 64})));
    TRecorder out;
    TPeriod period{0, 128, 48000, 0, {}};
    out.Run(engine, period);
    QCOMPARE(out.Sounding(), (QList<int>{60}));
    // Taken off its output (closed) with a note under way: the owner sends its off.
    const std::vector<TShortMessage> owed = engine.Detached();
    QCOMPARE(out.Sounding(owed), QList<int>{});
    QVERIFY(!engine.Sounding());
    QCOMPARE(engine.Detached().size(), size_t(0));
}

void TestArp::fullPeriodKeepsTheOffForTheNext() {
    TArpEngine engine;
    TArpSettings s;
    s.Mode = TArpMode::amChord;
    s.Gate = 5;
    engine.SetPlan(OnePlan(Chord({60, 62, 64, 65, 67}), s));
    TRecorder out;
    out.Room = 5; // the five note ons take all of the first period
    TPeriod period{0, 1024, 48000, 0, {}};
    out.Run(engine, period);
    QCOMPARE(out.OnNotes().size(), 5);
    out.Room = 2;
    for (int i = 0; i < 4; ++i)
        out.Run(engine, period);
    TArpPlan stop = OnePlan({}, s);
    engine.SetPlan(stop);
    out.Room = 64;
    for (int i = 0; i < 10; ++i)
        out.Run(engine, period);
    QCOMPARE(out.Sounding(), QList<int>{});
}

void TestArp::followsTransportBarsAndTempo() {
    TArpEngine engine;
    TArpPlan plan = OnePlan(Chord({60, 64, 67}));
    plan.Clock = TArpClock::acTransport;
    engine.SetPlan(plan);
    TRecorder out;
    TPeriod period{5000, 128, 48000, 0, {}};
    // 100 BPM from transport frame 0, which this output's frame 5000 is.
    double bpm = 100;
    uint64_t origin = period.Start;
    for (int i = 0; i < 2000; ++i) {
        Roll(period, bpm, period.Start - origin);
        out.Run(engine, period);
    }
    std::vector<uint64_t> ons = out.OnFrames();
    QVERIFY(ons.size() > 10);
    // On the master's sixteenths (each 1/4 beat = 7200 frames from bar 1), within the grain of
    // its whole ticks (15 frames), and 7200 frames apart.
    QCOMPARE(ons.front(), origin);
    for (size_t i = 1; i < ons.size(); ++i)
        QVERIFY(std::abs(int64_t(ons[i] - ons[i - 1]) - 7200) <= 3);
    for (const uint64_t on : ons) {
        const double sixteenths = double(on - origin) / 7200.0;
        QVERIFY2(std::abs(sixteenths - std::round(sixteenths)) * 7200.0 <= 15.0,
                 qPrintable(QStringLiteral("a note on %1 frames off the grid")
                                .arg((sixteenths - std::round(sixteenths)) * 7200.0)));
    }
    // The master's tempo changes to 150 at a bar line (it restarts its count there): the steps
    // follow, 4800 frames apart.
    const size_t before = ons.size();
    bpm = 150;
    origin = period.Start;
    for (int i = 0; i < 2000; ++i) {
        Roll(period, bpm, period.Start - origin);
        out.Run(engine, period);
    }
    ons = out.OnFrames();
    for (size_t i = before + 2; i < ons.size(); ++i)
        QVERIFY2(std::abs(int64_t(ons[i] - ons[i - 1]) - 4800) <= 3,
                 qPrintable(QStringLiteral("%1 frames apart").arg(ons[i] - ons[i - 1])));
}

void TestArp::transportStoppedIsSilentAndRelocationPicksUp() {
    TArpEngine engine;
    TArpPlan plan = OnePlan(Chord({60, 64, 67}));
    plan.Clock = TArpClock::acTransport;
    engine.SetPlan(plan);
    TRecorder out;
    TPeriod period{0, 128, 48000, 0, {}};
    for (int i = 0; i < 100; ++i) // not rolling: nothing
        out.Run(engine, period);
    QVERIFY(out.All.empty());
    for (int i = 0; i < 400; ++i) {
        Roll(period, 120, uint64_t(i) * 128);
        out.Run(engine, period);
    }
    const size_t rolled = out.OnFrames().size();
    QVERIFY(rolled >= 8);
    // Stopped: its notes end, nothing new starts.
    period.Transport.Rolling = false;
    for (int i = 0; i < 100; ++i)
        out.Run(engine, period);
    QCOMPARE(out.OnFrames().size(), rolled);
    QCOMPARE(out.Sounding(), QList<int>{});
    // Located back to the start and rolling again: on at once, on the grid of the new place.
    const uint64_t located = period.Start;
    for (int i = 0; i < 200; ++i) {
        Roll(period, 120, uint64_t(i) * 128);
        out.Run(engine, period);
    }
    const std::vector<uint64_t> ons = out.OnFrames();
    QVERIFY(ons.size() >= rolled + 4);
    QCOMPARE(ons[rolled], located);
    QVERIFY(std::abs(int64_t(ons[rolled + 1] - ons[rolled]) - 6000) <= 3);
}

void TestArp::followsMidiClockThroughJitter_data() {
    QTest::addColumn<bool>("frames");
    QTest::addColumn<int>("lateUs");
    QTest::addColumn<int>("lateFrames");
    QTest::addColumn<int>("tolerance");
    // Ticks timed by the monotonic clock, each up to one 128-frame period late: the steps are
    // 6000 frames apart within a millisecond.
    QTest::newRow("monotonic clock, a period late") << false << 2667 << 0 << 48;
    // Through JACK: the server's cycles wander by 10 ms on the wall clock (a dummy or overloaded
    // server), the ticks' frames are where the sender put them, and the output counts the same
    // frames: the steps are exact.
    QTest::newRow("server frames, wall clock wanders") << true << 10000 << 0 << 1;
    // The same, with the ticks themselves up to a period off their frames.
    QTest::newRow("server frames, ticks a period late") << true << 10000 << 128 << 48;
}

void TestArp::followsMidiClockThroughJitter() {
    QFETCH(bool, frames);
    QFETCH(int, lateUs);
    QFETCH(int, lateFrames);
    QFETCH(int, tolerance);
    TMidiClock clock;
    TArpEngine engine(&clock);
    TArpPlan plan = OnePlan(Chord({60, 64, 67}));
    plan.Clock = TArpClock::acMidiClock;
    engine.SetPlan(plan);
    TRecorder out;
    // 120 BPM: a tick each 20833 us, 1000 frames.
    TPeriod period{0, 128, 48000, 1'000'000, {}, frames};
    const double usPerTick = 60e6 / 120 / 24;
    const double usPerPeriod = 128 * 1e6 / 48000;
    clock.Feed(TMidiClock::StartByte, TMidiArrival{1'000'000, 0, frames});
    int64_t nextTick = 0;
    uint32_t jitter = 12345;
    const auto random = [&](int Range) {
        jitter = jitter * 1103515245u + 12345u;
        return Range > 0 ? int64_t((jitter >> 8) % uint32_t(Range)) : 0;
    };
    for (int i = 0; i < 3000; ++i) {
        while (1'000'000 + double(nextTick) * usPerTick < double(period.StartUs) + usPerPeriod) {
            const TMidiArrival at{int64_t(1'000'000 + double(nextTick) * usPerTick) +
                                      random(lateUs),
                                  uint32_t(nextTick * 1000 + random(lateFrames)), frames};
            clock.Feed(TMidiClock::TickByte, at);
            ++nextTick;
        }
        out.Run(engine, period);
        period.StartUs = int64_t(1'000'000 + double(period.Start) * 1e6 / 48000);
    }
    TMidiClock::TState state;
    QVERIFY(clock.Read(state));
    QVERIFY(std::abs(state.BeatsPerMinute() - 120) < 0.5);
    const std::vector<uint64_t> ons = out.OnFrames();
    QVERIFY(ons.size() > 40);
    // Once the clock's tempo is known (two beats), the steps are 6000 frames apart.
    for (size_t i = 8; i < ons.size(); ++i)
        QVERIFY2(std::abs(int64_t(ons[i] - ons[i - 1]) - 6000) <= tolerance,
                 qPrintable(QStringLiteral("%1 frames apart").arg(ons[i] - ons[i - 1])));
    // Stopped: silent, its notes ended.
    clock.Feed(TMidiClock::StopByte, period.StartUs);
    for (int i = 0; i < 200; ++i)
        out.Run(engine, period);
    QCOMPARE(out.OnFrames().size(), ons.size());
    QCOMPARE(out.Sounding(), QList<int>{});
}

void TestArp::planChangedFromAnotherThreadLeavesNothingSounding() {
    TArpEngine engine;
    std::atomic<bool> done{false};
    TRecorder out;
    // The output's thread, as fast as it goes.
    std::thread output([&] {
        TPeriod period{0, 64, 48000, 0, {}};
        while (!done.load())
            out.Run(engine, period);
        for (int i = 0; i < 2000; ++i) // the last plan's notes end
            out.Run(engine, period);
    });
    TArpSettings s;
    s.Rate = 9;
    s.Gate = 100;
    for (int i = 0; i < 800; ++i) {
        TArpPlan plan = OnePlan(Chord({40 + i % 30, 50 + i % 7, 70 - i % 11}), s, 300);
        plan.Lane[1] = plan.Lane[0];
        plan.Lane[1].Channel = 2;
        plan.Lane[1].Chord = uint32_t(i);
        plan.Lane[0].Settings.Mode = TArpMode(i % ArpModeCount);
        if (i % 5 == 0)
            plan.Lane[0].Held = {};
        engine.SetPlan(plan);
        // A few periods with each plan, as a hand changes them.
        const int seen = out.Periods.load(std::memory_order_relaxed);
        while (out.Periods.load(std::memory_order_relaxed) < seen + 4)
            std::this_thread::yield();
    }
    engine.SetPlan({});
    done = true;
    output.join();
    QVERIFY(out.OnFrames().size() > 100);
    QCOMPARE(out.Sounding(engine.Detached()), QList<int>{});
}

QTEST_GUILESS_MAIN(TestArp)
#include "tst_arp.moc"
