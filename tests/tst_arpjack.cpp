// The arpeggiator as a JACK receiver hears it, against a JACK server of the test's own (dummy
// driver): its steps on exact frames on its own tempo, in step with JACK transport when
// `jack_transport` is the transport master and starts, changes tempo and stops, in step with MIDI
// clock that another client sends on exact frames, and nothing left
// sounding after Panic, a change of zones or the closing of the output. The keys are played
// into the keyboard model with the latch on, as a musician plays them.

#include "core/keyboardmodel.h"
#include "jackfixture.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"
#include "router/zoneplayer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <map>

namespace {

// The master's sixteenth in frames: jack_transport adds whole ticks (1920 a beat) each period
// of 128 frames at 48 kHz and drops the fraction, so its beat runs slow by what it drops.
double MasterSixteenth(double Bpm) {
    const double ticks = 128.0 * 1920.0 * Bpm / (48000.0 * 60.0);
    return 48000.0 * 60.0 / Bpm / 4 * ticks / std::floor(ticks);
}

// The notes a receiver still holds after a stream: a note on holds its note until its note off,
// or an All Notes Off or All Sound Off of its channel.
QStringList StuckNotes(const std::vector<TBytes> &Stream) {
    std::map<std::pair<int, int>, bool> held;
    for (const TBytes &b : Stream) {
        if (b.size() != 3)
            continue;
        const int channel = b[0] & 15;
        if ((b[0] & 0xF0) == 0xB0 && (b[1] == 120 || b[1] == 123)) {
            for (auto &[key, on] : held)
                if (key.first == channel)
                    on = false;
        } else if ((b[0] & 0xE0) == 0x80) {
            held[{channel, b[1]}] = (b[0] & 0xF0) == 0x90 && b[2] > 0;
        }
    }
    QStringList stuck;
    for (const auto &[key, on] : held)
        if (on)
            stuck << QStringLiteral("channel %1 note %2").arg(key.first + 1).arg(key.second);
    return stuck;
}

// The frames the note ons arrived at.
std::vector<uint64_t> NoteOnFrames(const TJackPeer &Peer) {
    const std::vector<TBytes> messages = Peer.Received();
    const std::vector<uint64_t> frames = Peer.ReceivedFrames();
    std::vector<uint64_t> ons;
    for (size_t i = 0; i < messages.size() && i < frames.size(); ++i)
        if (messages[i].size() == 3 && (messages[i][0] & 0xF0) == 0x90 && messages[i][2] > 0)
            ons.push_back(frames[i]);
    return ons;
}

// The median spacing of the note ons from the Skip-th on, in frames.
double MedianSpacing(const std::vector<uint64_t> &Ons, size_t Skip = 2) {
    std::vector<int64_t> gaps;
    for (size_t i = Skip + 1; i < Ons.size(); ++i)
        gaps.push_back(int64_t(Ons[i] - Ons[i - 1]));
    if (gaps.empty())
        return 0;
    std::nth_element(gaps.begin(), gaps.begin() + std::ptrdiff_t(gaps.size() / 2), gaps.end());
    return double(gaps[gaps.size() / 2]);
}

// The keyboard, the router with its zones and an output to the peer, the arpeggiators on it.
struct TRig {
    TKeyboardModel Model;
    TMidiRouter Router{Model};
    TMidiOutput Output{TMidiApi::maJack};

    bool Open(TJackPeer &Peer) {
        for (int i = 0; i < Output.DeviceCount(); ++i)
            if (Output.NameOf(i) == Peer.InPort())
                Output.SetDeviceID(i);
        if (!Output.Open())
            return false;
        Router.SetOutput(&Output);
        Output.AddSource(&Router.Zones().MainEngine());
        return Peer.WaitCycles();
    }
    // A chord struck and let go: the latch keeps it.
    void Chord(std::initializer_list<int> Keys) {
        for (const int key : Keys)
            Model.SendChord(0, key, 100, true);
        for (const int key : Keys)
            Model.SendChord(0, key, 0, true);
    }
    ~TRig() {
        Output.RemoveSource(&Router.Zones().MainEngine());
        Router.SetOutput(nullptr);
    }
};

TZoneSet Arpeggio(TArpClock Clock, int Tempo = 120) {
    TZoneSet zones;
    zones.SetLatch(true);
    zones.SetArpeggiator(true);
    zones.SetClock(Clock);
    zones.SetTempo(Tempo);
    return zones;
}

} // namespace

class TestArpJack : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { FServer.Stop(); }
    void ownTempoStepsArriveOnExactFrames();
    void followsJackTransportAsItStartsChangesTempoAndStops();
    void followsMidiClockOnItsFrames();
    void nothingSoundsAfter_data();
    void nothingSoundsAfter();

private:
    TJackServer FServer;
};

void TestArpJack::initTestCase() {
    const QString name = QStringLiteral("ondrel-arp-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate() % 100000);
    QVERIFY2(FServer.Start(name), qPrintable(FServer.ErrorText()));
}

void TestArpJack::ownTempoStepsArriveOnExactFrames() {
    TJackPeer peer;
    QVERIFY(peer.IsValid());
    TRig rig;
    QVERIFY(rig.Open(peer));
    rig.Router.Zones().Apply(Arpeggio(TArpClock::acOwn, 120));
    rig.Chord({60, 64, 67});
    QTest::qWait(2000);
    const std::vector<uint64_t> ons = NoteOnFrames(peer);
    QVERIFY2(ons.size() >= 12, qPrintable(QString::number(ons.size())));
    // 120 BPM in sixteenths at 48 kHz: 6000 frames, each step on its frame.
    for (size_t i = 1; i < ons.size(); ++i)
        QVERIFY2(std::abs(int64_t(ons[i] - ons[i - 1]) - 6000) <= 1,
                 qPrintable(QStringLiteral("step %1: %2 frames").arg(i).arg(ons[i] - ons[i - 1])));
    std::vector<int> notes;
    for (const TBytes &b : peer.Received())
        if ((b[0] & 0xF0) == 0x90 && b[2] > 0)
            notes.push_back(b[1]);
    QCOMPARE(std::vector<int>(notes.begin(), notes.begin() + 4),
             (std::vector<int>{60, 64, 67, 60}));
}

void TestArpJack::followsJackTransportAsItStartsChangesTempoAndStops() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("jack_transport"));
    if (tool.isEmpty())
        QSKIP("jack_transport is not installed (Debian: jackd2)");
    TJackPeer peer;
    QVERIFY(peer.IsValid());
    TRig rig;
    QVERIFY(rig.Open(peer));
    QProcess transport;
    transport.start(tool, {});
    QVERIFY(transport.waitForStarted());
    const auto say = [&](const char *Command) {
        transport.write(Command);
        transport.write("\n");
        transport.waitForBytesWritten();
    };
    say("master");
    say("tempo 120");
    say("stop");
    say("locate 0");
    QTest::qWait(300);
    rig.Router.Zones().Apply(Arpeggio(TArpClock::acTransport, 60));
    rig.Chord({60, 64, 67});
    QTest::qWait(500);
    QCOMPARE(NoteOnFrames(peer).size(), size_t(0)); // the transport stands still
    say("play");
    QTest::qWait(2000);
    std::vector<uint64_t> ons = NoteOnFrames(peer);
    QVERIFY2(ons.size() >= 10, qPrintable(QString::number(ons.size())));
    // The master's sixteenths at its 120 BPM, not the arpeggiator's own 60.
    const double at120 = MedianSpacing(ons);
    QVERIFY2(std::abs(at120 - MasterSixteenth(120)) < 30, qPrintable(QString::number(at120)));
    say("tempo 150");
    QTest::qWait(300);
    const size_t before = NoteOnFrames(peer).size();
    QTest::qWait(2000);
    ons = NoteOnFrames(peer);
    const double at150 =
        MedianSpacing(std::vector<uint64_t>(ons.begin() + std::ptrdiff_t(before), ons.end()));
    QVERIFY2(std::abs(at150 - MasterSixteenth(150)) < 30, qPrintable(QString::number(at150)));
    // Each step on the master's grid: the spacings spread no wider than its ticks' grain.
    for (size_t i = before + 2; i < ons.size(); ++i)
        QVERIFY2(std::abs(double(ons[i] - ons[i - 1]) - at150) <= 16,
                 qPrintable(QStringLiteral("%1 frames apart").arg(ons[i] - ons[i - 1])));
    say("stop");
    QTest::qWait(400);
    const size_t stopped = NoteOnFrames(peer).size();
    QTest::qWait(500);
    QCOMPARE(NoteOnFrames(peer).size(), stopped);
    QCOMPARE(StuckNotes(peer.Received()), QStringList());
    say("quit");
    transport.closeWriteChannel();
    if (!transport.waitForFinished(3000))
        transport.kill();
}

// The clock's ticks are where the sender put them on the server's frames; the steps follow them
// to the frame, however the server's cycles fall on the wall clock.
void TestArpJack::followsMidiClockOnItsFrames() {
    TJackPeer peer;
    QVERIFY(peer.IsValid());
    TJackClockSender clock;
    QVERIFY(!clock.OutPort().isEmpty());
    TRig rig;
    QVERIFY(rig.Open(peer));
    TMidiInput input(TMidiApi::maJack);
    for (int i = 0; i < input.DeviceCount(); ++i)
        if (input.NameOf(i) == clock.OutPort())
            input.SetDeviceID(i);
    input.SetTimingClock(true);
    QVERIFY(input.Open());
    input.SetThruHook(&rig.Router.ThruHook());
    input.DataHandler = [](TMidiInput &In) {
        while (In.TakeEvent()) {
        }
    };
    input.Start();
    rig.Router.Zones().Apply(Arpeggio(TArpClock::acMidiClock, 60));
    rig.Chord({60, 64, 67});
    clock.Start();
    QTest::qWait(1500); // two beats: the clock's tempo known
    peer.ClearReceived();
    QTest::qWait(2000);
    const std::vector<uint64_t> ons = NoteOnFrames(peer);
    QVERIFY2(ons.size() >= 12, qPrintable(QString::number(ons.size())));
    // The clock's 120 BPM, not the arpeggiator's own 60: sixteenths of 6000 frames.
    for (size_t i = 1; i < ons.size(); ++i)
        QVERIFY2(std::abs(int64_t(ons[i] - ons[i - 1]) - 6000) <= 1,
                 qPrintable(QStringLiteral("step %1: %2 frames").arg(i).arg(ons[i] - ons[i - 1])));
    input.Close();
}

void TestArpJack::nothingSoundsAfter_data() {
    QTest::addColumn<QString>("what");
    QTest::newRow("Panic") << QStringLiteral("panic");
    QTest::newRow("a change of zones") << QStringLiteral("zones");
    QTest::newRow("the output closing") << QStringLiteral("close");
    QTest::newRow("the arpeggiator switched off") << QStringLiteral("off");
}

void TestArpJack::nothingSoundsAfter() {
    QFETCH(QString, what);
    TJackPeer peer;
    QVERIFY(peer.IsValid());
    TRig rig;
    QVERIFY(rig.Open(peer));
    TZoneSet zones = Arpeggio(TArpClock::acOwn, 300);
    zones.SetSplitPoints({60});
    zones.SetSplit(true);
    TZone upper = zones.Zone(1);
    upper.Arp.On = true;
    upper.Arp.Gate = 100;
    upper.Arp.Rate = 9; // 1/32
    upper.Layer = 5;
    zones.SetZone(1, upper);
    rig.Router.Zones().Apply(zones);
    rig.Chord({48, 52, 55});
    rig.Chord({72, 76});
    rig.Model.SendChord(0, 79, 100, true); // a key still held
    QTest::qWait(700);
    QVERIFY(NoteOnFrames(peer).size() > 10);
    if (what == QLatin1String("panic")) {
        rig.Router.Panic();
    } else if (what == QLatin1String("zones")) {
        zones.SetSplitPoints({50});
        rig.Router.Zones().Apply(zones);
    } else if (what == QLatin1String("close")) {
        rig.Output.Close();
    } else {
        rig.Router.Zones().SetArpeggiator(false);
    }
    QTest::qWait(600);
    const size_t after = peer.Received().size();
    QCOMPARE(StuckNotes(peer.Received()), QStringList());
    QTest::qWait(300);
    QCOMPARE(peer.Received().size(), after); // and nothing more starts
    rig.Model.SendChord(0, 79, 0, true);
    if (what != QLatin1String("close"))
        QCOMPARE(StuckNotes(peer.Received()), QStringList());
}

QTEST_GUILESS_MAIN(TestArpJack)
#include "tst_arpjack.moc"
