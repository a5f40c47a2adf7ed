// Zones and the latch without a window, an X server or a MIDI service: which channel, note,
// velocity and port each key of each zone plays, the split points a click sets, what the latch
// keeps and lets go, what the arpeggiators are given, and that Panic, a change of zones and the
// end leave nothing sounding. With no zone in play the keyboard plays as it always has.

#include "core/inifile.h"
#include "core/keyboardmodel.h"
#include "midi/midisink.h"
#include "midi/zoneoutputs.h"
#include "router/midirouter.h"
#include "router/zoneplayer.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

using Msgs = QList<TShortMessage>;

TShortMessage M(int Status, int Data1, int Data2) {
    return {uint8_t(Status), uint8_t(Data1), uint8_t(Data2)};
}

class TRecordingSink final : public TMidiSink {
public:
    void Send(const TShortMessage &Message) override { All << Message; }
    bool SendFromCallback(const uint8_t *, size_t, uint32_t) noexcept override { return false; }
    bool ServiceAlive() const override { return true; }
    Msgs Take() { return std::exchange(All, {}); }
    Msgs All;
};

// Ports of the zones' own, each recording what it is sent.
class TFakePorts final : public TZoneOutputs {
public:
    void SetPorts(const QStringList &Names) override {
        Open = Names;
        for (const QString &name : Names)
            Sinks[name];
    }
    TMidiSink *Sink(const QString &Name) override {
        return Open.contains(Name) ? &Sinks[Name] : nullptr;
    }
    void SetSource(const QString &Name, TPeriodSource *Source) override { Sources[Name] = Source; }
    void SetOpenedHandler(std::function<void(const QString &)> Handler) override {
        Opened = std::move(Handler);
    }
    QStringList Open;
    std::map<QString, TRecordingSink> Sinks;
    std::map<QString, TPeriodSource *> Sources;
    std::function<void(const QString &)> Opened;
};

// The notes left sounding after a stream: (channel << 8 | note) of each note on not ended.
QList<int> Sounding(const Msgs &Stream) {
    std::map<int, bool> on;
    for (const TShortMessage &m : Stream)
        if (m.IsNote())
            on[m.Channel() << 8 | m.Data1] = m.IsNoteOn();
    QList<int> left;
    for (const auto &[key, sounding] : on)
        if (sounding)
            left << key;
    return left;
}

TZoneSet TwoZones(int Split = 60) {
    TZoneSet zones;
    zones.SetSplitPoints({Split});
    zones.SetSplit(true);
    return zones;
}

} // namespace

char *toString(const TShortMessage &Message) {
    return QTest::toString(QStringLiteral("%1 %2 %3")
                               .arg(Message.Status, 2, 16, QLatin1Char('0'))
                               .arg(Message.Data1, 2, 16, QLatin1Char('0'))
                               .arg(Message.Data2, 2, 16, QLatin1Char('0')));
}

class TestZones : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void withoutZonesTheKeyboardPlaysAsBefore();
    void keysPlayTheirZone_data();
    void keysPlayTheirZone();
    void splitAt_data();
    void splitAt();
    void latch_data();
    void latch();
    void latchKeyHeldWhileSwitchedOnStays();
    void zonePortGetsItsNotesAndPrograms();
    void panicAndZoneChangeLeaveNothingSounding();
    void releaseAfterZonesChangedSendsNothing();
    void arpeggiatorsAreGivenTheZonesNotes();
    void settingsKeepEverythingButPortsInExports();

private:
    TZonePlayer &Zones() { return FRouter->Zones(); }
    // Strikes and lets go of a key as the mouse or a row of computer keys does.
    void Down(int Key, TKeySource Source = TKeySource::ksMouse, int Velocity = 100);
    void Up(int Key, TKeySource Source = TKeySource::ksMouse);

    TRecordingSink FSink;
    TFakePorts FPorts;
    std::unique_ptr<TKeyboardModel> FModel;
    std::unique_ptr<TMidiRouter> FRouter;
};

void TestZones::init() {
    FModel = std::make_unique<TKeyboardModel>();
    FRouter = std::make_unique<TMidiRouter>(*FModel);
    FRouter->SetOutput(&FSink);
    FPorts = {};
    Zones().SetOutputs(&FPorts);
    Zones().ChordByName = [](const QString &Name) -> std::optional<TChordIntervals> {
        if (Name == QLatin1String("Major"))
            return TKeyboardModel::ChordIntervals(TChord::chMajor, {});
        if (Name == QLatin1String("Power"))
            return TKeyboardModel::ChordIntervals(TChord::chPower, {});
        return std::nullopt;
    };
    FSink.Take();
}

void TestZones::cleanup() {
    FRouter.reset();
    FModel.reset();
}

void TestZones::Down(int Key, TKeySource Source, int Velocity) {
    if (Source == TKeySource::ksMouse) {
        FModel->SendChord(FModel->Channel(), Key, Velocity, true);
        return;
    }
    // A scan code of the row whose note is Key: C keys at 44 (lower) and 16 (upper).
    const int scan = Source == TKeySource::ksLowerRow ? 44 : 16;
    FModel->SetKeyOctave((Key - (Source == TKeySource::ksUpperRow ? 12 : 0)) / 12);
    QCOMPARE(FModel->ScanCodeNote(scan), Key);
    FModel->ComputerKeyDown(scan, Key, Velocity);
}

void TestZones::Up(int Key, TKeySource Source) {
    if (Source == TKeySource::ksMouse)
        FModel->SendChord(FModel->Channel(), Key, 0, true);
    else
        FModel->ComputerKeyUp(Source == TKeySource::ksLowerRow ? 44 : 16);
}

void TestZones::withoutZonesTheKeyboardPlaysAsBefore() {
    FModel->SetChord(TChord::chMajor);
    FModel->SetChannel(4);
    FModel->SetTranspose(2);
    FSink.Take();
    // Nothing in play (the default), and zones set up but switched off: the model's own road.
    for (bool configured : {false, true}) {
        if (configured) {
            TZoneSet zones = TwoZones();
            TZone z = zones.Zone(1);
            z.Channel = 9;
            zones.SetZone(1, z);
            zones.SetSplit(false);
            Zones().Apply(zones);
            QCOMPARE(FSink.Take(), Msgs{});
        }
        QVERIFY(!Zones().InPlay());
        Down(70);
        Up(70);
        QCOMPARE(FSink.Take(), (Msgs{M(0x94, 72, 100), M(0x94, 76, 100), M(0x94, 79, 100),
                                     M(0x94, 72, 0), M(0x94, 76, 0), M(0x94, 79, 0)}));
    }
}

void TestZones::keysPlayTheirZone_data() {
    QTest::addColumn<QList<int>>("splits");
    QTest::addColumn<int>("zone"); // the zone set up below
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("octave");
    QTest::addColumn<int>("transpose");
    QTest::addColumn<QString>("chord");
    QTest::addColumn<int>("velocity");
    QTest::addColumn<int>("keyboardTranspose");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("source");
    QTest::addColumn<Msgs>("on"); // the offs mirror them
    const int mouse = int(TKeySource::ksMouse), lower = int(TKeySource::ksLowerRow),
              upper = int(TKeySource::ksUpperRow);
    const QList<int> split60{60};
    // Zone i plays on channel i unless set up otherwise.
    QTest::newRow("below the split: the lower zone's channel")
        << split60 << 0 << -1 << 0 << 0 << "" << 0 << 0 << 48 << mouse << Msgs{M(0x90, 48, 100)};
    QTest::newRow("at the split point: the upper zone")
        << split60 << 0 << -1 << 0 << 0 << "" << 0 << 0 << 60 << mouse << Msgs{M(0x91, 60, 100)};
    QTest::newRow("a layer plays on a second channel")
        << split60 << 1 << 5 << 0 << 0 << "" << 0 << 0 << 64 << mouse
        << Msgs{M(0x91, 64, 100), M(0x95, 64, 100)};
    QTest::newRow("octave and transposition of the zone, and the keyboard's")
        << split60 << 0 << -1 << -1 << 2 << "" << 0 << 1 << 50 << mouse << Msgs{M(0x90, 41, 100)};
    QTest::newRow("the zone's own chord")
        << split60 << 0 << -1 << 0 << 0 << "Major" << 0 << 0 << 48 << mouse
        << Msgs{M(0x90, 48, 100), M(0x90, 52, 100), M(0x90, 55, 100)};
    QTest::newRow("a chord name not known plays the root")
        << split60 << 0 << -1 << 0 << 0 << "Gone" << 0 << 0 << 48 << mouse
        << Msgs{M(0x90, 48, 100)};
    QTest::newRow("a fixed velocity")
        << split60 << 1 << -1 << 0 << 0 << "" << 33 << 0 << 72 << mouse << Msgs{M(0x91, 72, 33)};
    QTest::newRow("notes beyond the keyboard are left out")
        << split60 << 1 << -1 << 4 << 0 << "Power" << 0 << 0 << 90 << mouse
        << Msgs{M(0x91, 126, 100)};
    QTest::newRow("the lower row plays the lowest zone, above the split too")
        << split60 << 0 << -1 << 0 << 0 << "" << 0 << 0 << 60 << lower << Msgs{M(0x90, 60, 100)};
    QTest::newRow("the upper row plays the highest zone, below the split too")
        << QList<int>{40, 80} << 2 << -1 << 0 << 0 << "" << 0 << 0 << 48 << upper
        << Msgs{M(0x92, 48, 100)};
    QTest::newRow("four zones: the third") << QList<int>{40, 60, 80} << 2 << -1 << 0 << 0 << "" << 0
                                           << 0 << 79 << mouse << Msgs{M(0x92, 79, 100)};
}

void TestZones::keysPlayTheirZone() {
    QFETCH(QList<int>, splits);
    QFETCH(int, zone);
    QFETCH(int, layer);
    QFETCH(int, octave);
    QFETCH(int, transpose);
    QFETCH(QString, chord);
    QFETCH(int, velocity);
    QFETCH(int, keyboardTranspose);
    QFETCH(int, key);
    QFETCH(int, source);
    QFETCH(Msgs, on);
    FModel->SetChord(TChord::chMinor); // the chord box's chord plays only where a zone has none
    FModel->SetTranspose(keyboardTranspose);
    TZoneSet zones;
    zones.SetSplitPoints(splits);
    zones.SetSplit(true);
    TZone z = zones.Zone(zone);
    z.Layer = layer;
    z.Octave = octave;
    z.Transpose = transpose;
    z.Chord = chord.isEmpty() ? QStringLiteral("None") : chord;
    z.Velocity = velocity;
    zones.SetZone(zone, z);
    for (int other = 0; other < zones.Count(); ++other)
        if (other != zone) {
            TZone o = zones.Zone(other);
            o.Chord = QStringLiteral("None");
            zones.SetZone(other, o);
        }
    Zones().Apply(zones);
    FSink.Take();
    Down(key, TKeySource(source));
    QCOMPARE(FSink.Take(), on);
    QVERIFY(FModel->IsPressed(key)); // the key struck lights
    Up(key, TKeySource(source));
    Msgs offs;
    for (const TShortMessage &m : on)
        offs << TShortMessage::NoteOff(m.Channel(), m.Data1);
    QCOMPARE(FSink.Take(), offs);
    QVERIFY(!FModel->IsPressed(key));
}

void TestZones::splitAt_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("splits");
    QTest::addColumn<QList<int>>("channels"); // of the zones in play
    QTest::newRow("a first click splits in two")
        << QList<int>{60} << QList<int>{60} << QList<int>{0, 1};
    QTest::newRow("a second one adds a zone with a channel of its own")
        << QList<int>{60, 72} << QList<int>{60, 72} << QList<int>{0, 1, 2};
    QTest::newRow("added below: the new zone above the point takes the next free channel")
        << QList<int>{60, 40} << QList<int>{40, 60} << QList<int>{0, 2, 1};
    QTest::newRow("a click on a split point removes it")
        << QList<int>{60, 72, 60} << QList<int>{72} << QList<int>{0, 2};
    QTest::newRow("the last one removed: no split")
        << QList<int>{60, 60} << QList<int>{} << QList<int>{0};
    QTest::newRow("with four zones the nearest point moves")
        << QList<int>{40, 60, 80, 66} << QList<int>{40, 66, 80} << QList<int>{0, 1, 2, 3};
    QTest::newRow("the lowest key cannot split") << QList<int>{0} << QList<int>{} << QList<int>{0};
}

void TestZones::splitAt() {
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, splits);
    QFETCH(QList<int>, channels);
    TZoneSet zones;
    for (const int key : clicks)
        zones.SplitAt(key);
    QCOMPARE(zones.Split() ? zones.SplitPoints() : QList<int>{}, splits);
    QList<int> got;
    for (int i = 0; i < zones.Count(); ++i)
        got << zones.Zone(i).Channel;
    QCOMPARE(got, channels);
    for (int i = 0; i < zones.Count(); ++i) {
        QCOMPARE(zones.ZoneOf(zones.Low(i)), i);
        QCOMPARE(zones.ZoneOf(zones.High(i)), i);
    }
}

void TestZones::latch_data() {
    // Steps: +key strikes, -key lets go (mouse; 100+key: the lower row); "L0"/"L1" latch.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("sounding"); // channel << 8 | note at the end
    QTest::newRow("a chord stays after its keys are let go")
        << QStringList{"+60", "+64", "+67", "-60", "-64", "-67"} << QList<int>{60, 64, 67};
    QTest::newRow("the next chord replaces it")
        << QStringList{"+60", "+64", "-60", "-64", "+62", "+65", "-62", "-65"}
        << QList<int>{62, 65};
    QTest::newRow("a key struck while others are held joins the chord")
        << QStringList{"+60", "+64", "-64", "+67", "-60", "-67"} << QList<int>{60, 64, 67};
    QTest::newRow("latch off lets go of what only it held")
        << QStringList{"S", "+60", "+64", "-60", "L0"} << QList<int>{1 << 8 | 64};
    QTest::newRow("a chord in the other zone does not replace it")
        << QStringList{"S", "+48", "+52", "-48", "-52", "+72", "-72"}
        << QList<int>{48, 52, 1 << 8 | 72};
    QTest::newRow("the computer keys latch too")
        << QStringList{"+148", "-148", "+160", "-160"} << QList<int>{60};
}

void TestZones::latch() {
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, sounding);
    Zones().SetLatch(true);
    Msgs all;
    for (const QString &step : steps) {
        if (step == QLatin1String("S")) {
            TZoneSet zones = TwoZones();
            zones.SetLatch(true);
            Zones().Apply(zones);
            continue;
        }
        if (step.startsWith(QLatin1Char('L'))) {
            Zones().SetLatch(step == QLatin1String("L1"));
            continue;
        }
        const int n = step.mid(1).toInt();
        const TKeySource source = n >= 100 ? TKeySource::ksLowerRow : TKeySource::ksMouse;
        const int key = n % 100;
        if (step.startsWith(QLatin1Char('+')))
            Down(key, source);
        else
            Up(key, source);
        if (!Zones().InPlay())
            break;
    }
    all << FSink.Take();
    QCOMPARE(Sounding(all), sounding);
}

void TestZones::latchKeyHeldWhileSwitchedOnStays() {
    TZoneSet zones = TwoZones();
    Zones().Apply(zones);
    Down(64);
    Zones().SetLatch(true); // the split keeps the zones in play: the key is not cut
    Up(64);
    QCOMPARE(Sounding(FSink.Take()), (QList<int>{1 << 8 | 64}));
    QVERIFY(Zones().Latched(1, 64));
    QVERIFY(!FModel->IsPressed(64));
}

void TestZones::zonePortGetsItsNotesAndPrograms() {
    TZoneSet zones = TwoZones();
    TZone upper = zones.Zone(1);
    upper.Port = QStringLiteral("synth B");
    upper.Program = 40;
    upper.Msb = 2;
    upper.Layer = 7;
    zones.SetZone(1, upper);
    TZone lower = zones.Zone(0);
    lower.Program = 33;
    zones.SetZone(0, lower);
    Zones().Apply(zones);
    QCOMPARE(FPorts.Open, QStringList{QStringLiteral("synth B")});
    // No arpeggiator on: nothing steps the port (on some services that would wake it each
    // millisecond).
    QVERIFY(!FPorts.Sources[QStringLiteral("synth B")]);
    TRecordingSink &port = FPorts.Sinks[QStringLiteral("synth B")];
    const Msgs upperProgram{M(0xB1, 0, 2), M(0xB1, 32, 0), M(0xC1, 40, 0),
                            M(0xB7, 0, 2), M(0xB7, 32, 0), M(0xC7, 40, 0)};
    QCOMPARE(port.Take(), upperProgram);
    QCOMPARE(FSink.Take(), Msgs{M(0xC0, 33, 0)});
    Down(72);
    Down(40);
    QCOMPARE(port.Take(), (Msgs{M(0x91, 72, 100), M(0x97, 72, 100)}));
    QCOMPARE(FSink.Take(), Msgs{M(0x90, 40, 100)});
    Up(72);
    Up(40);
    QCOMPARE(Sounding(port.All), QList<int>{});
    port.Take();
    // The port came back after a synthesizer restart: its program again.
    FPorts.Opened(QStringLiteral("synth B"));
    QCOMPARE(port.Take(), upperProgram);
    // Its zone moved to the program's output: the port closes.
    upper.Port.clear();
    zones.SetZone(1, upper);
    Zones().Apply(zones);
    QCOMPARE(FPorts.Open, QStringList{});
}

void TestZones::panicAndZoneChangeLeaveNothingSounding() {
    for (const bool panic : {true, false}) {
        TZoneSet zones = TwoZones();
        TZone upper = zones.Zone(1);
        upper.Port = QStringLiteral("synth B");
        upper.Chord = QStringLiteral("Major");
        zones.SetZone(1, upper);
        zones.SetLatch(true);
        Zones().Apply(zones);
        TRecordingSink &port = FPorts.Sinks[QStringLiteral("synth B")];
        Msgs main, other;
        Down(48);
        Down(72);
        Up(48);
        Down(49); // held while it happens
        main << FSink.Take();
        other << port.Take();
        QVERIFY(!Sounding(main).isEmpty());
        QVERIFY(!Sounding(other).isEmpty());
        const qsizetype before = other.size();
        if (panic) {
            FRouter->Panic();
        } else {
            zones.SetSplitPoints({50});
            Zones().Apply(zones);
        }
        Up(49); // its release comes after: nothing more to end
        main << FSink.Take();
        other << port.Take();
        QCOMPARE(Sounding(main), QList<int>{});
        QCOMPARE(Sounding(other), QList<int>{});
        if (panic) // the zones' ports get Panic's messages as the program's output does
            QCOMPARE(other.size() - before, qsizetype(2160));
        Zones().Apply(TZoneSet());
        FSink.Take();
    }
}

void TestZones::releaseAfterZonesChangedSendsNothing() {
    Zones().Apply(TwoZones());
    Down(72, TKeySource::ksUpperRow);
    Down(72); // the same key of the same zone: it sounds once
    Msgs sent = FSink.Take();
    QCOMPARE(sent, Msgs{M(0x91, 72, 100)});
    Zones().Apply(TwoZones(70));
    sent << FSink.Take();
    QCOMPARE(Sounding(sent), QList<int>{});
    Up(72, TKeySource::ksUpperRow);
    Up(72);
    QCOMPARE(FSink.Take(), Msgs{});
}

void TestZones::arpeggiatorsAreGivenTheZonesNotes() {
    TZoneSet zones = TwoZones();
    TZone lower = zones.Zone(0);
    lower.Chord = QStringLiteral("Major");
    lower.Octave = 1;
    lower.Layer = 4;
    lower.Arp.Rate = 3;
    zones.SetZone(0, lower);
    TZone upper = zones.Zone(1);
    upper.Port = QStringLiteral("synth B");
    upper.Arp.On = true;
    zones.SetZone(1, upper);
    zones.SetArpeggiator(true);
    zones.SetClock(TArpClock::acTransport);
    zones.SetTempo(96);
    Zones().Apply(zones);
    FSink.Take();
    Down(50);
    Down(43);
    Down(80);
    // Nothing is played directly: the arpeggiators play.
    QCOMPARE(FSink.Take(), Msgs{});
    const TArpPlan &main = Zones().MainEngine().Plan();
    QCOMPARE(main.Clock, TArpClock::acTransport);
    QCOMPARE(main.BeatsPerMinute, 96.0);
    const TArpLane &lane = main.Lane[0];
    QVERIFY(lane.Settings.On);
    QCOMPARE(int(lane.Settings.Rate), 3);
    QCOMPARE(int(lane.Channel), 0);
    QCOMPARE(int(lane.Layer), 4);
    // The chords of both keys, an octave up, in the order played.
    QList<int> held;
    for (const TArpNote &note : lane.Held)
        held << note.Note;
    QCOMPARE(held, (QList<int>{62, 66, 69, 55, 59}));
    QVERIFY(!main.Lane[1].Playing()); // the upper zone plays on its own port's engine
    const uint32_t chord = lane.Chord;
    auto *portEngine = static_cast<TArpEngine *>(FPorts.Sources[QStringLiteral("synth B")]);
    QVERIFY(portEngine);
    QCOMPARE(portEngine->Plan().Lane[1].Held.Count, uint8_t(1));
    QCOMPARE(int(portEngine->Plan().Lane[1].Channel), 1);
    // Let go without the latch: the arpeggio stops.
    Up(50);
    Up(43);
    Up(80);
    QVERIFY(!Zones().MainEngine().Plan().Lane[0].Playing());
    // A new chord begins the pattern anew.
    Down(45);
    QCOMPARE(Zones().MainEngine().Plan().Lane[0].Chord, chord + 1);
    // The master switch off: the arpeggio ends.
    Zones().SetArpeggiator(false);
    QVERIFY(!Zones().MainEngine().Plan().Lane[0].Playing());
}

void TestZones::settingsKeepEverythingButPortsInExports() {
    TZoneSet zones;
    zones.SetSplitPoints({36, 60});
    zones.SetSplit(true);
    TZone z = zones.Zone(2);
    z.Channel = 9;
    z.Layer = 10;
    z.Octave = -2;
    z.Transpose = 5;
    z.Program = 12;
    z.Msb = 1;
    z.Lsb = 2;
    z.Chord = QStringLiteral("My Chord");
    z.Velocity = 80;
    z.Port = QStringLiteral("synth B:in");
    z.Arp.On = true;
    z.Arp.Mode = TArpMode::amRandom;
    z.Arp.Rate = 10;
    z.Arp.Gate = 90;
    z.Arp.Swing = 60;
    z.Arp.Octaves = 3;
    zones.SetZone(2, z);
    zones.SetLatch(true);
    zones.SetArpeggiator(true);
    zones.SetClock(TArpClock::acMidiClock);
    zones.SetTempo(133);
    QTemporaryDir dir;
    for (const bool ports : {true, false}) {
        const QString file = dir.filePath(ports ? "store.ini" : "export.ini");
        {
            TIniFile store(file);
            zones.Save(store, ports);
            store.UpdateFile();
        }
        TIniFile store(file);
        TZoneSet back;
        back.Load(store, true);
        TZoneSet expected = zones;
        if (!ports) {
            TZone noPort = z;
            noPort.Port.clear();
            expected.SetZone(2, noPort);
        }
        QCOMPARE(back == expected, true);
    }
    // Values out of range come back within it; a file without zones keeps what is held.
    QTemporaryDir other;
    TIniFile store(other.filePath("odd.ini"));
    store.WriteString(TZoneSet::ZoneSection(0), "Channel", "40");
    store.WriteString(TZoneSet::ZoneSection(0), "ArpGate", "0");
    store.WriteString(TZoneSet::Section, "SplitPoints", "80,20,x");
    TZoneSet back = zones;
    back.Load(store, true);
    QCOMPARE(back.Zone(0).Channel, 15);
    QCOMPARE(int(back.Zone(0).Arp.Gate), TArpSettings::GateMin);
    QCOMPARE(back.SplitPoints(), QList<int>{80});
    QCOMPARE(back.Zone(2) == z, true);
}

QTEST_GUILESS_MAIN(TestZones)
#include "tst_zones.moc"
