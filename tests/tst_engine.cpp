// The MIDI engine end to end against a real JACK server (dummy driver) of the test's own: what a
// JACK receiver gets from the program's output while its input is played through, thru is
// switched, a Panic runs or a device closes. A plain JACK client plays the synthesizer on the
// other side.

#include "core/keyboardmodel.h"
#include "jackfixture.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <thread>

Q_DECLARE_METATYPE(TBytes)
Q_DECLARE_METATYPE(std::vector<TBytes>)

namespace {

// The notes a receiver would still hold after a stream: per channel and note, note-ons less
// note-offs (a synthesizer ends a note at the first release; counted, a second note-on of a
// sounding note needs a release of its own in most of them).
QStringList StuckNotes(const std::vector<TBytes> &Stream) {
    std::map<std::pair<int, int>, int> Held;
    for (const TBytes &Bytes : Stream) {
        if (Bytes.size() != 3 || (Bytes[0] & 0xE0) != 0x80)
            continue;
        const bool On = (Bytes[0] & 0xF0) == 0x90 && Bytes[2] > 0;
        int &Count = Held[{Bytes[0] & 0x0F, Bytes[1]}];
        Count = On ? Count + 1 : 0;
    }
    QStringList Stuck;
    for (const auto &[Key, Count] : Held)
        if (Count > 0)
            Stuck << QStringLiteral("channel %1 note %2").arg(Key.first + 1).arg(Key.second);
    return Stuck;
}

// The program's engine without a window: a keyboard model, the router, an output to the peer's
// input and an input from the peer's output, played through on JACK's thread.
struct TEngine {
    TKeyboardModel Model;
    TMidiRouter Router{Model};
    TMidiOutput Output{TMidiApi::maJack};
    TMidiInput Input{TMidiApi::maJack};

    bool Open(TJackPeer &Peer) {
        for (int i = 0; i < Output.DeviceCount(); ++i)
            if (Output.NameOf(i) == Peer.InPort())
                Output.SetDeviceID(i);
        for (int i = 0; i < Input.DeviceCount(); ++i)
            if (Input.NameOf(i) == Peer.OutPort())
                Input.SetDeviceID(i);
        if (!Output.Open() || !Input.Open())
            return false;
        Router.SetOutput(&Output);
        Input.SetThruHook(&Router.ThruHook());
        Input.DataHandler = [this](TMidiInput &In) {
            while (const std::optional<TMidiEvent> Event = In.TakeEvent())
                Router.Receive(*Event);
        };
        Input.Start();
        return Peer.WaitCycles();
    }
    ~TEngine() {
        Input.Close();
        Router.SetOutput(nullptr);
    }
};

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void thruSwitchedWhileNotesStreamLeavesNothingSounding_data();
    void thruSwitchedWhileNotesStreamLeavesNothingSounding();
    void systemExclusivePlayedThroughWhole();
    void unterminatedSysexEndsAtTheNextStatusByte_data();
    void unterminatedSysexEndsAtTheNextStatusByte();
    void closeDuringALongPanicStillSendsAllNotesOff();

private:
    QString FServerName;
    TJackServer FServer;
    std::unique_ptr<TJackPeer> FPeer;
};

void TestEngine::initTestCase() {
    FServerName = QStringLiteral("ondrel-engine-%1-%2")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QRandomGenerator::global()->generate() % 100000);
    if (!FServer.Start(FServerName))
        QFAIL(qPrintable(FServer.ErrorText()));
}

void TestEngine::cleanupTestCase() {
    FServer.Stop();
}

void TestEngine::init() {
    FPeer = std::make_unique<TJackPeer>();
    QVERIFY2(FPeer->IsValid(), "the test client cannot join the JACK server");
}

void TestEngine::cleanup() {
    FPeer.reset();
}

void TestEngine::thruSwitchedWhileNotesStreamLeavesNothingSounding_data() {
    QTest::addColumn<int>("chord");
    QTest::addColumn<int>("switchMs");
    QTest::newRow("single notes, thru switched every 3 ms") << int(TChord::chNone) << 3;
    QTest::newRow("major chords, thru switched every 2 ms") << int(TChord::chMajor) << 2;
    QTest::newRow("chord and transposition changing every 5 ms") << int(TChord::chMinor) << 5;
}

// A note-on played through while the UI thread switches thru off (or changes what thru plays)
// must still get its note-off at the receiver.
void TestEngine::thruSwitchedWhileNotesStreamLeavesNothingSounding() {
    QFETCH(int, chord);
    QFETCH(int, switchMs);
    TEngine Engine;
    Engine.Model.SetChord(TChord(chord));
    QVERIFY(Engine.Open(*FPeer));
    Engine.Router.SetMidiThru(true);

    // 1000 messages a second: notes held 2 to 20 ms on four channels, overlapping.
    std::atomic<bool> Done{false};
    std::thread Player([&] {
        QRandomGenerator Random(7);
        using TClock = std::chrono::steady_clock;
        std::multimap<TClock::time_point, TBytes> Releases;
        auto Next = TClock::now();
        for (int i = 0; i < 3000; ++i) {
            const auto Now = TClock::now();
            std::vector<TBytes> Due;
            while (!Releases.empty() && Releases.begin()->first <= Now) {
                Due.push_back(Releases.begin()->second);
                Releases.erase(Releases.begin());
            }
            if (Due.empty()) {
                const uint8_t Channel = uint8_t(Random.bounded(4));
                const uint8_t Note = uint8_t(36 + Random.bounded(48));
                Due.push_back({uint8_t(0x90 | Channel), Note, 100});
                Releases.emplace(Now + std::chrono::milliseconds(2 + Random.bounded(18)),
                                 TBytes{uint8_t(0x80 | Channel), Note, 0});
            }
            FPeer->Send(Due);
            Next += std::chrono::milliseconds(1);
            std::this_thread::sleep_until(Next);
        }
        for (const auto &[When, Release] : Releases)
            FPeer->Send({Release});
        Done = true;
    });
    QTimer Switch;
    int Turn = 0;
    connect(&Switch, &QTimer::timeout, this, [&] {
        ++Turn;
        if (chord == int(TChord::chMinor) && Turn % 2 == 0) {
            Engine.Model.SetTranspose(Turn % 4 == 0 ? 0 : 2);
            Engine.Model.SetChord(Turn % 8 < 4 ? TChord::chMinor : TChord::chMajor7);
        } else {
            Engine.Router.SetMidiThru(!Engine.Router.MidiThru());
        }
    });
    Switch.start(switchMs);
    QTRY_VERIFY_WITH_TIMEOUT(Done.load(), 20000);
    Switch.stop();
    Player.join();
    QVERIFY(FPeer->WaitUntilSent());
    QTest::qWait(100);
    Engine.Router.SetMidiThru(true); // a last release may still have been on its way
    QTest::qWait(100);

    const std::vector<TBytes> Received = FPeer->Received();
    QVERIFY2(Received.size() > 500, qPrintable(QString::number(Received.size())));
    const QStringList Stuck = StuckNotes(Received);
    QVERIFY2(Stuck.isEmpty(), qPrintable(Stuck.join(QStringLiteral(", "))));
}

void TestEngine::systemExclusivePlayedThroughWhole() {
    TEngine Engine;
    QVERIFY(Engine.Open(*FPeer));
    Engine.Router.SetMidiThru(true);
    const TBytes Reset{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    FPeer->Send({Reset, {0x90, 60, 100}});
    QVERIFY(FPeer->WaitForReceived(2));
    QCOMPARE(FPeer->Received(), (std::vector<TBytes>{Reset, {0x90, 60, 100}}));
}

void TestEngine::unterminatedSysexEndsAtTheNextStatusByte_data() {
    QTest::addColumn<std::vector<TBytes>>("sent");     // one JACK event each
    QTest::addColumn<std::vector<TBytes>>("received"); // by the program, in order
    QTest::newRow("end byte lost, a note follows")
        << std::vector<TBytes>{{0xF0, 0x43, 0x10}, {0x90, 60, 100}}
        << std::vector<TBytes>{{0xF0, 0x43, 0x10, 0xF7}, {0x90, 60, 100}};
    QTest::newRow("split over events, a clock between")
        << std::vector<TBytes>{{0xF0, 0x43}, {0xF8}, {0x10, 0x20, 0xF7}, {0x80, 60, 0}}
        << std::vector<TBytes>{{0xF8}, {0xF0, 0x43, 0x10, 0x20, 0xF7}, {0x80, 60, 0}};
    QTest::newRow("a new message starts inside the continuation")
        << std::vector<TBytes>{{0xF0, 0x01}, {0x02, 0xB0, 7, 100}}
        << std::vector<TBytes>{{0xF0, 0x01, 0x02, 0xF7}, {0xB0, 7, 100}};
    QTest::newRow("a new system exclusive message ends the old one")
        << std::vector<TBytes>{{0xF0, 0x01}, {0xF0, 0x02, 0xF7}}
        << std::vector<TBytes>{{0xF0, 0x01, 0xF7}, {0xF0, 0x02, 0xF7}};
}

void TestEngine::unterminatedSysexEndsAtTheNextStatusByte() {
    QFETCH(std::vector<TBytes>, sent);
    QFETCH(std::vector<TBytes>, received);
    TMidiInput Input{TMidiApi::maJack};
    Input.SetTimingClock(true);
    for (int i = 0; i < Input.DeviceCount(); ++i)
        if (Input.NameOf(i) == FPeer->OutPort())
            Input.SetDeviceID(i);
    std::vector<TBytes> Got;
    Input.DataHandler = [&](TMidiInput &In) {
        while (const std::optional<TMidiEvent> Event = In.TakeEvent())
            Got.push_back(Event->IsSysex()
                              ? Event->Sysex
                              : TBytes{Event->MidiMessage, Event->Data1, Event->Data2});
    };
    QVERIFY(Input.Open());
    Input.Start();
    QVERIFY(FPeer->WaitCycles());
    for (const TBytes &Event : sent) {
        FPeer->Send({Event}); // one period each: the parts arrive as separate events
        QVERIFY(FPeer->WaitUntilSent());
        QVERIFY(FPeer->WaitCycles(1));
    }
    QTRY_COMPARE(Got.size(), received.size());
    // Short messages are kept as three bytes.
    for (TBytes &Bytes : received)
        if (Bytes[0] != 0xF0)
            Bytes.resize(3, 0);
    QCOMPARE(Got, received);
}

// A device closed while a long Panic is still leaving: the notes must end all the same.
void TestEngine::closeDuringALongPanicStillSendsAllNotesOff() {
    TEngine Engine;
    QVERIFY(Engine.Open(*FPeer));
    Engine.Router.Play(TShortMessage::NoteOn(0, 60, 100));
    for (int i = 0; i < 4; ++i) // 8320 messages: 130 periods of 64, longer than a close waits
        Engine.Router.Panic();
    Engine.Input.Close();
    Engine.Router.SetOutput(nullptr);
    QVERIFY(Engine.Output.Close());
    QVERIFY(FPeer->WaitForReceived(17));
    QTest::qWait(200);
    std::vector<TBytes> Received = FPeer->Received();
    QVERIFY(Received.size() >= 17);
    QCOMPARE(Received.front(), (TBytes{0x90, 60, 100}));
    std::vector<TBytes> Expected;
    for (uint8_t Channel = 0; Channel < 16; ++Channel)
        Expected.push_back({uint8_t(0xB0 | Channel), 123, 0});
    const std::vector<TBytes> Last(Received.end() - 16, Received.end());
    QCOMPARE(Last, Expected);
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
