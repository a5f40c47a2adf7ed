// The replay and the capture against a real JACK server (dummy driver) of the test's own: a
// MIDI file played to a JACK receiver arrives at the frames of its times; however a replay is
// ended (stop, pause, Panic, the output closing, the take's own end) nothing is left sounding
// and no key stays lit; what the program sends is captured with the times it left at.

#include "core/keyboardmodel.h"
#include "jackfixture.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"
#include "takes/midifile.h"
#include "takes/takerecorder.h"
#include "takes/takereplay.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace {

// The notes (and the sustain pedal) a receiver would still hold after a stream.
QStringList Sounding(const std::vector<TBytes> &Stream) {
    std::map<std::pair<int, int>, bool> Held;
    std::array<bool, 16> Pedal{};
    for (const TBytes &Bytes : Stream) {
        if (Bytes.size() != 3)
            continue;
        const int Kind = Bytes[0] & 0xF0;
        const int Channel = Bytes[0] & 0x0F;
        if (Kind == 0x90 || Kind == 0x80)
            Held[{Channel, Bytes[1]}] = Kind == 0x90 && Bytes[2] > 0;
        else if (Kind == 0xB0 && Bytes[1] == 64)
            Pedal[size_t(Channel)] = Bytes[2] >= 64;
        else if (Kind == 0xB0 && (Bytes[1] == 120 || Bytes[1] == 123))
            for (auto &[Key, On] : Held)
                if (Key.first == Channel)
                    On = false;
    }
    QStringList Said;
    for (const auto &[Key, On] : Held)
        if (On)
            Said << QStringLiteral("channel %1 note %2").arg(Key.first + 1).arg(Key.second);
    for (int Channel = 0; Channel < 16; ++Channel)
        if (Pedal[size_t(Channel)])
            Said << QStringLiteral("channel %1 sustain").arg(Channel + 1);
    return Said;
}

// The program's output to the peer, with the capture and the replay on it, as the main window
// links them.
struct TRig {
    TKeyboardModel Model;
    TMidiRouter Router{Model};
    TMidiOutput Output{TMidiApi::maJack};
    TTakeRecorder Recorder;
    TTakeReplay Replay;
    std::array<int, 128> Lit{};

    bool Open(TJackPeer &Peer) {
        for (int i = 0; i < Output.DeviceCount(); ++i)
            if (Output.NameOf(i) == Peer.InPort())
                Output.SetDeviceID(i);
        if (!Output.Open())
            return false;
        Router.SetOutput(&Output);
        Recorder.SetOutput(&Output);
        Replay.SetOutput(&Output);
        Replay.Release = [this](const uint8_t *Data, size_t Size) {
            if (Size == 3)
                Router.SendOnly(TShortMessage{Data[0], Data[1], Data[2]});
        };
        Replay.ShowNote = [this](int Note, int Velocity) {
            Lit[size_t(Note)] += Velocity ? 1 : -1;
        };
        return Peer.WaitCycles();
    }
    int LitKeys() const {
        int Count = 0;
        for (int N : Lit)
            Count += N != 0;
        return Count;
    }
};

std::shared_ptr<const TTake> Loaded(const TTake &Take, QString &Error) {
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("take.mid"));
    if (!MidiFile::Save(Take, File, Error))
        return nullptr;
    std::optional<TTake> Read = MidiFile::Load(File, Error);
    return Read ? std::make_shared<const TTake>(std::move(*Read)) : nullptr;
}

} // namespace

class TestReplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { FServer.Stop(); }

    void replayKeepsTheFilesTimingAtAJackReceiver();
    void endingTheReplayLeavesNothingSounding_data();
    void endingTheReplayLeavesNothingSounding();
    void captureKeepsTheTimesMessagesLeftAt();
    void replayIsNotTakenForPlaying();

private:
    TJackServer FServer;
};

void TestReplay::initTestCase() {
    const QString Name = QStringLiteral("ondrel-replay-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate() % 100000);
    if (!FServer.Start(Name))
        QFAIL(qPrintable(FServer.ErrorText()));
}

void TestReplay::replayKeepsTheFilesTimingAtAJackReceiver() {
    TJackPeer Peer;
    QVERIFY(Peer.IsValid());
    TRig Rig;
    QVERIFY(Rig.Open(Peer));
    // Uneven times over three seconds, chords among them.
    TTake Written;
    for (int i = 0; i < 150; ++i) {
        const int64_t At = i * 19700 + (i * 7919 % 13) * 1000 - (i % 5 == 0 ? 19700 : 0);
        const uint8_t On[3] = {0x90, uint8_t(40 + i % 50), uint8_t(1 + i % 127)};
        const uint8_t Off[3] = {0x90, uint8_t(40 + i % 50), 0};
        Written.Add(At, On, 3);
        Written.Add(At + 15000, Off, 3);
    }
    QString Error;
    const std::shared_ptr<const TTake> Take = Loaded(Written, Error);
    QVERIFY2(Take, qPrintable(Error));
    Rig.Replay.Load(Take, QStringLiteral("take.mid"));
    QVERIFY(Rig.Replay.Play());
    QVERIFY(Peer.WaitForReceived(Take->Count(), 15000));
    QTRY_COMPARE_WITH_TIMEOUT(Rig.Replay.State(), TTakeReplay::TState::Stopped, 5000);

    const std::vector<TBytes> Got = Peer.Received();
    const std::vector<uint64_t> Frames = Peer.ReceivedFrames();
    QCOMPARE(Got.size(), Take->Count());
    const double Rate = Peer.SampleRate();
    int64_t Worst = 0;
    for (size_t i = 0; i < Got.size(); ++i) {
        const auto Want = Take->Bytes(i);
        QCOMPARE(Got[i], TBytes(Want.begin(), Want.end()));
        const int64_t Expected = std::llround(
            double(Take->Messages()[i].TimeUs - Take->Messages()[0].TimeUs) * Rate / 1e6);
        Worst = std::max(Worst, std::abs(int64_t(Frames[i] - Frames[0]) - Expected));
    }
    // A frame of rounding at most: the file's times, not the UI thread's, rule the replay.
    QVERIFY2(Worst <= 1, qPrintable(QStringLiteral("%1 frames off").arg(Worst)));
    QCOMPARE(Rig.LitKeys(), 0);
}

void TestReplay::endingTheReplayLeavesNothingSounding_data() {
    QTest::addColumn<QString>("how");
    for (const char *How : {"Stop", "Pause", "Panic", "the output closing", "its own end"})
        QTest::newRow(How) << QString::fromLatin1(How);
}

void TestReplay::endingTheReplayLeavesNothingSounding() {
    QFETCH(QString, how);
    TJackPeer Peer;
    QVERIFY(Peer.IsValid());
    TRig Rig;
    QVERIFY(Rig.Open(Peer));
    // The pedal down and overlapping chords; at its own end it leaves a chord and the pedal
    // down.
    std::vector<std::pair<int64_t, std::array<uint8_t, 3>>> Messages{{0, {0xB1, 64, 127}}};
    for (int i = 0; i < 20; ++i)
        for (int n : {0, 4, 7}) {
            const uint8_t Note = uint8_t(48 + i + n);
            Messages.push_back({i * 100000, {0x91, Note, 90}});
            if (i < 19)
                Messages.push_back({i * 100000 + 250000, {0x81, Note, 0}});
        }
    std::stable_sort(Messages.begin(), Messages.end(),
                     [](const auto &A, const auto &B) { return A.first < B.first; });
    TTake Take;
    for (const auto &[At, Bytes] : Messages)
        Take.Add(At, Bytes.data(), Bytes.size());
    Rig.Replay.Load(std::make_shared<const TTake>(Take), QStringLiteral("chords"));
    QVERIFY(Rig.Replay.Play());
    QVERIFY(Peer.WaitForReceived(10, 10000));
    QTRY_VERIFY(Rig.LitKeys() > 0);
    if (how == QLatin1String("Stop")) {
        Rig.Replay.Stop();
    } else if (how == QLatin1String("Pause")) {
        Rig.Replay.Pause();
    } else if (how == QLatin1String("Panic")) {
        // As the window does it.
        Rig.Replay.Stop();
        Rig.Router.Panic();
    } else if (how == QLatin1String("the output closing")) {
        Rig.Replay.SetOutput(nullptr);
        Rig.Router.SetOutput(nullptr);
        Rig.Output.Close();
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(Rig.Replay.State(), TTakeReplay::TState::Stopped, 10000);
    }
    QVERIFY(Rig.Replay.State() != TTakeReplay::TState::Playing);
    QTest::qWait(300);
    const size_t After = Peer.Received().size();
    QTest::qWait(300);
    QCOMPARE(Peer.Received().size(), After); // nothing more plays
    const QStringList Left = Sounding(Peer.Received());
    QVERIFY2(Left.isEmpty(), qPrintable(Left.join(QStringLiteral(", "))));
    QCOMPARE(Rig.LitKeys(), 0);
}

// On JACK a message's time is the time of the frame it left at, as JACK tells it (not when the
// UI thread sent it or took it from the capture).
void TestReplay::captureKeepsTheTimesMessagesLeftAt() {
    TJackPeer Peer;
    QVERIFY(Peer.IsValid());
    TRig Rig;
    QVERIFY(Rig.Open(Peer));
    for (int i = 0; i < 40; ++i) {
        Rig.Router.SendController(7, i);
        Rig.Router.Play(TShortMessage::NoteOn(0, 60 + i % 12, 100));
        QTest::qWait(7 + i % 11);
        Rig.Router.Play(TShortMessage::NoteOff(0, 60 + i % 12));
    }
    QVERIFY(Peer.WaitForReceived(120));
    QTest::qWait(100);
    Rig.Recorder.Drain();
    const TTake Take =
        Rig.Recorder.Store().Take(TTakeStore::TPart::LastMinutes, 60000000, TTakeRecorder::NowUs());
    const std::vector<TBytes> Got = Peer.Received();
    const std::vector<int64_t> Times = Peer.ReceivedTimesUs();
    QCOMPARE(Take.Count(), Got.size());
    int64_t Worst = 0;
    for (size_t i = 0; i < Got.size(); ++i) {
        const auto Kept = Take.Bytes(i);
        QCOMPARE(TBytes(Kept.begin(), Kept.end()), Got[i]);
        const int64_t LeftUs = Take.Messages()[i].TimeUs;
        Worst = std::max(Worst, std::abs(LeftUs - (Times[i] - Times[0])));
    }
    QVERIFY2(Worst <= 100, qPrintable(QStringLiteral("%1 us off").arg(Worst)));
}

// A replay sends through the same output as the user's playing: the capture keeps the playing
// alone, or a looped replay would push it out of memory and a take saved after listening to it
// would hold it twice.
void TestReplay::replayIsNotTakenForPlaying() {
    TJackPeer Peer;
    QVERIFY(Peer.IsValid());
    TRig Rig;
    QVERIFY(Rig.Open(Peer));
    Rig.Recorder.SetReplay(&Rig.Replay.Player());
    auto Take = std::make_shared<TTake>();
    for (int i = 0; i < 100; ++i) {
        const uint8_t On[3] = {0x90, 60, 100};
        const uint8_t Off[3] = {0x90, 60, 0};
        Take->Add(i * 10000, On, 3);
        Take->Add(i * 10000 + 5000, Off, 3);
    }
    Rig.Replay.Load(Take, QStringLiteral("sixty"));
    Rig.Replay.SetLoop(true);
    QVERIFY(Rig.Replay.Play());
    for (int i = 0; i < 20; ++i) {
        Rig.Router.Play(TShortMessage::NoteOn(0, 72, 90));
        QTest::qWait(15);
        Rig.Router.Play(TShortMessage::NoteOff(0, 72));
        QTest::qWait(10);
    }
    Rig.Replay.Stop();
    QTest::qWait(200);
    Rig.Recorder.Drain();
    const auto Heard = Peer.Received();
    const auto Replayed =
        std::count_if(Heard.begin(), Heard.end(), [](const TBytes &M) { return M[1] == 60; });
    QVERIFY2(Replayed >= 40, "the replay did not play meanwhile");
    const TTake Kept =
        Rig.Recorder.Store().Take(TTakeStore::TPart::LastMinutes, 60000000, TTakeRecorder::NowUs());
    QCOMPARE(Kept.Count(), size_t(40));
    for (size_t i = 0; i < Kept.Count(); ++i)
        QCOMPARE(int(Kept.Bytes(i)[1]), 72);
    Rig.Recorder.SetReplay(nullptr);
}

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
