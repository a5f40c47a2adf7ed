// The real program split, latched and arpeggiated as a musician does it, each case from a fresh
// settings folder: a split point set with Ctrl + middle button on a key, the two rows of computer
// keys and the mouse playing two zones on two channels, the split button and a restart; a chord
// latched with Insert and replaced by the next; an arpeggio that waits for JACK transport, runs
// in its tempo when `jack_transport` starts it, follows its tempo change and stops with it. The
// bytes, and their frames, are read from a JACK peer.

#include "e2erig.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {

// The master's sixteenth in frames: jack_transport adds whole ticks (1920 a beat) each period
// of 128 frames at 48 kHz and drops the fraction, so its beat runs slow by what it drops.
double MasterSixteenth(double Bpm) {
    const double ticks = 128.0 * 1920.0 * Bpm / (48000.0 * 60.0);
    return 48000.0 * 60.0 / Bpm / 4 * ticks / std::floor(ticks);
}

QString Msg(int Status, int Data1, int Data2) {
    return TE2eRig::Hex({uint8_t(Status), uint8_t(Data1), uint8_t(Data2)});
}

// Keyboard x of the white keys C1 (note 36) and C3 (note 60) in window pixels.
constexpr int C1X = 87, C3X = 297;

// The frames of the note ons the peer received, and the median spacing of the last of them.
std::vector<uint64_t> NoteOnFrames(const TJackPeer &Peer) {
    const std::vector<TBytes> messages = Peer.Received();
    const std::vector<uint64_t> frames = Peer.ReceivedFrames();
    std::vector<uint64_t> ons;
    for (size_t i = 0; i < messages.size() && i < frames.size(); ++i)
        if (messages[i].size() == 3 && (messages[i][0] & 0xF0) == 0x90 && messages[i][2] > 0)
            ons.push_back(frames[i]);
    return ons;
}

double MedianSpacing(const std::vector<uint64_t> &Ons, size_t From) {
    std::vector<int64_t> gaps;
    for (size_t i = From + 1; i < Ons.size(); ++i)
        gaps.push_back(int64_t(Ons[i] - Ons[i - 1]));
    if (gaps.empty())
        return 0;
    std::nth_element(gaps.begin(), gaps.begin() + std::ptrdiff_t(gaps.size() / 2), gaps.end());
    return double(gaps[gaps.size() / 2]);
}

// Notes a receiver still holds: note on without its note off (or All Notes Off).
QStringList Stuck(const std::vector<TBytes> &Stream) {
    std::map<std::pair<int, int>, bool> held;
    for (const TBytes &b : Stream) {
        if (b.size() != 3)
            continue;
        if ((b[0] & 0xF0) == 0xB0 && (b[1] == 120 || b[1] == 123)) {
            for (auto &[key, on] : held)
                on = on && key.first != (b[0] & 15);
        } else if ((b[0] & 0xE0) == 0x80) {
            held[{b[0] & 15, b[1]}] = (b[0] & 0xF0) == 0x90 && b[2] > 0;
        }
    }
    QStringList stuck;
    for (const auto &[key, on] : held)
        if (on)
            stuck << Msg(0x90 | key.first, key.second, 0);
    return stuck;
}

} // namespace

class TestE2eZones : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { FRig.Stop(); }

    void splitPlaysTwoZonesOnTwoChannels();
    void latchedChordFromTheKeys();
    void arpeggioFollowsJackTransport();

private:
    bool StartAndConnect();
    bool Xdo(const QStringList &Arguments) { return FRig.Xdo(Arguments); }
    TE2eRig FRig;
    std::unique_ptr<TE2eProgram> FProgram;
    int FKeysY = 0;
};

void TestE2eZones::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("zones")), qPrintable(FRig.ErrorText()));
}

void TestE2eZones::init() {
    // The mouse at one velocity, as the computer keys.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=(none)\n"
                     "[Keyboard]\nVelocityByPosition=0\n");
    FProgram = std::make_unique<TE2eProgram>(FRig);
}

void TestE2eZones::cleanup() {
    FRig.ScreenshotOnFailure();
    FProgram.reset();
}

bool TestE2eZones::StartAndConnect() {
    if (!FProgram->Start() || !FProgram->ConnectOutput())
        return false;
    FKeysY = FProgram->FindKeyboardY();
    return FKeysY > 0;
}

void TestE2eZones::splitPlaysTwoZonesOnTwoChannels() {
    QVERIFY(StartAndConnect());
    // Ctrl + middle button on C3: the keyboard splits there; C3 starts the upper zone.
    QVERIFY(Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), FProgram->Window(),
                 QString::number(C3X), QString::number(FKeysY), QStringLiteral("keydown"),
                 QStringLiteral("ctrl"), QStringLiteral("click"), QStringLiteral("2"),
                 QStringLiteral("keyup"), QStringLiteral("ctrl")}));
    QThread::msleep(200);
    QCOMPARE(FRig.Received(0), QStringList()); // the click played nothing
    // The lower row plays the lower zone (channel 1), the upper row the upper one (channel 2),
    // and so does the mouse on each side of the split.
    QVERIFY(FRig.Keys({QStringLiteral("z"), QStringLiteral("q")}));
    QVERIFY(FProgram->Click(C1X, FKeysY));
    QVERIFY(FProgram->Click(C3X, FKeysY));
    QCOMPARE(
        FRig.Received(8),
        (QStringList{Msg(0x90, 48, 100), Msg(0x90, 48, 0), Msg(0x91, 60, 100), Msg(0x91, 60, 0),
                     Msg(0x90, 36, 100), Msg(0x90, 36, 0), Msg(0x91, 60, 100), Msg(0x91, 60, 0)}));
    FRig.Peer().ClearReceived();
    // Kept across a restart.
    QVERIFY(FProgram->Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("SplitPoints=60")),
             qPrintable(FRig.StoreText()));
    QVERIFY(FProgram->Start());
    QVERIFY(FProgram->ConnectOutput());
    QVERIFY(FRig.Keys({QStringLiteral("q")}));
    QCOMPARE(FRig.Received(2), (QStringList{Msg(0x91, 60, 100), Msg(0x91, 60, 0)}));
    FRig.Peer().ClearReceived();
    // Options > Split Keyboard off: the whole keyboard plays on the keyboard's channel again.
    QVERIFY(FProgram->Menu(QStringLiteral("o"), {QStringLiteral("k")}));
    QVERIFY(FRig.Keys({QStringLiteral("q")}));
    QCOMPARE(FRig.Received(2), (QStringList{Msg(0x90, 60, 100), Msg(0x90, 60, 0)}));
}

void TestE2eZones::latchedChordFromTheKeys() {
    QVERIFY(StartAndConnect());
    QVERIFY(FRig.Keys({QStringLiteral("Insert")}));
    // C E G held together and let go: they sound on.
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("z"), QStringLiteral("keydown"),
                 QStringLiteral("c"), QStringLiteral("keydown"), QStringLiteral("b")}));
    QThread::msleep(100);
    QVERIFY(Xdo({QStringLiteral("keyup"), QStringLiteral("z"), QStringLiteral("keyup"),
                 QStringLiteral("c"), QStringLiteral("keyup"), QStringLiteral("b")}));
    QCOMPARE(FRig.Received(3),
             (QStringList{Msg(0x90, 48, 100), Msg(0x90, 52, 100), Msg(0x90, 55, 100)}));
    FRig.Peer().ClearReceived();
    // The next chord replaces it.
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("x"), QStringLiteral("keydown"),
                 QStringLiteral("v")}));
    QThread::msleep(100);
    QVERIFY(Xdo({QStringLiteral("keyup"), QStringLiteral("x"), QStringLiteral("keyup"),
                 QStringLiteral("v")}));
    QCOMPARE(FRig.Received(5), (QStringList{Msg(0x90, 48, 0), Msg(0x90, 52, 0), Msg(0x90, 55, 0),
                                            Msg(0x90, 50, 100), Msg(0x90, 53, 100)}));
    FRig.Peer().ClearReceived();
    // Latch off: it ends.
    QVERIFY(FRig.Keys({QStringLiteral("Insert")}));
    QCOMPARE(FRig.Received(2), (QStringList{Msg(0x90, 50, 0), Msg(0x90, 53, 0)}));
}

void TestE2eZones::arpeggioFollowsJackTransport() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("jack_transport"));
    if (tool.isEmpty())
        QSKIP("jack_transport is not installed (Debian: jackd2)");
    // The arpeggiator's own tempo is 60: what it plays in 120 and 150 is the transport's.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=(none)\n"
                     "[Zones]\nArpClock=1\nTempo=60\n");
    QProcess transport;
    transport.start(tool, {});
    QVERIFY(transport.waitForStarted());
    const auto say = [&](const QByteArray &Command) {
        transport.write(Command + '\n');
        transport.waitForBytesWritten();
        QThread::msleep(100);
    };
    const auto quit = qScopeGuard([&] {
        say("stop");
        say("quit");
        transport.closeWriteChannel();
        if (!transport.waitForFinished(3000))
            transport.kill();
    });
    say("master");
    say("tempo 120");
    say("stop");
    say("locate 0");
    QVERIFY(StartAndConnect());
    // Latch (Insert) and Options > Arpeggiator, then a chord from the keys.
    QVERIFY(FRig.Keys({QStringLiteral("Insert")}));
    QVERIFY(FProgram->Menu(QStringLiteral("o"), {QStringLiteral("a")}));
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("z"), QStringLiteral("keydown"),
                 QStringLiteral("c"), QStringLiteral("keydown"), QStringLiteral("b")}));
    QThread::msleep(100);
    QVERIFY(Xdo({QStringLiteral("keyup"), QStringLiteral("z"), QStringLiteral("keyup"),
                 QStringLiteral("c"), QStringLiteral("keyup"), QStringLiteral("b")}));
    QThread::msleep(600);
    QCOMPARE(FRig.Received(0), QStringList()); // the transport stands: the arpeggio waits
    say("play");
    QThread::msleep(2000);
    std::vector<uint64_t> ons = NoteOnFrames(FRig.Peer());
    QVERIFY2(ons.size() >= 10, qPrintable(QString::number(ons.size())));
    // Sixteenths of the master's 120 BPM, not the arpeggiator's own 60.
    const double at120 = MedianSpacing(ons, 1);
    QVERIFY2(std::abs(at120 - MasterSixteenth(120)) < 30, qPrintable(QString::number(at120)));
    QStringList first;
    for (const TBytes &b : FRig.Peer().Received())
        if (b[2] > 0 && first.size() < 4)
            first << TE2eRig::Hex(b);
    QCOMPARE(first, (QStringList{Msg(0x90, 48, 100), Msg(0x90, 52, 100), Msg(0x90, 55, 100),
                                 Msg(0x90, 48, 100)}));
    say("tempo 150");
    QThread::msleep(300);
    const size_t before = NoteOnFrames(FRig.Peer()).size();
    QThread::msleep(1500);
    ons = NoteOnFrames(FRig.Peer());
    const double at150 = MedianSpacing(ons, before);
    QVERIFY2(std::abs(at150 - MasterSixteenth(150)) < 30, qPrintable(QString::number(at150)));
    // Stopped: the arpeggio stops with it and leaves nothing sounding.
    say("stop");
    QThread::msleep(400);
    const size_t stopped = NoteOnFrames(FRig.Peer()).size();
    QThread::msleep(500);
    QCOMPARE(NoteOnFrames(FRig.Peer()).size(), stopped);
    QCOMPARE(Stuck(FRig.Peer().Received()), QStringList());
    // Rolling again it goes on; Panic (Ctrl+Space) ends it for good.
    say("play");
    QThread::msleep(800);
    QVERIFY(NoteOnFrames(FRig.Peer()).size() > stopped);
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+space")}));
    QThread::msleep(800);
    const size_t panicked = FRig.Peer().Received().size();
    QCOMPARE(Stuck(FRig.Peer().Received()), QStringList());
    QThread::msleep(500);
    QCOMPARE(FRig.Peer().Received().size(), panicked);
}

QTEST_GUILESS_MAIN(TestE2eZones)
#include "tst_e2e_zones.moc"
