// The routing rules without a window, an X server or a MIDI service: what the keyboard, the
// controls and an input send, what is played through and on which thread, what the displays are
// told.

#include "core/keyboardmodel.h"
#include "midi/midierror.h"
#include "router/midirouter.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Msgs = QList<TShortMessage>;

// An output that records what it is given, from either thread, in the order it arrived.
class TRecordingSink final : public TMidiSink {
public:
    void Send(const TShortMessage &Message) override {
        if (!FailWith.isEmpty())
            throw EMidiOutputError(FailWith);
        std::lock_guard guard(FLock);
        FAll << Message;
    }
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t) noexcept override {
        std::lock_guard guard(FLock);
        FAll << TShortMessage{Data[0], uint8_t(Size > 1 ? Data[1] : 0),
                              uint8_t(Size > 2 ? Data[2] : 0)};
        ++FromCallback;
        return true;
    }
    bool ServiceAlive() const override { return true; }

    Msgs Take() {
        std::lock_guard guard(FLock);
        return std::exchange(FAll, {});
    }

    QString FailWith;
    std::atomic<int> FromCallback{0};

private:
    std::mutex FLock;
    Msgs FAll;
};

} // namespace

// How a message is shown when a comparison fails.
char *toString(const TShortMessage &Message) {
    return QTest::toString(QStringLiteral("%1 %2 %3")
                               .arg(Message.Status, 2, 16, QLatin1Char('0'))
                               .arg(Message.Data1, 2, 16, QLatin1Char('0'))
                               .arg(Message.Data2, 2, 16, QLatin1Char('0')));
}

namespace {

TShortMessage M(int Status, int Data1, int Data2) {
    return {uint8_t(Status), uint8_t(Data1), uint8_t(Data2)};
}

QList<int> PressedKeys(const TKeyboardModel &Model) {
    QList<int> keys;
    for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
        if (Model.IsPressed(n))
            keys << n;
    return keys;
}

// The notes left sounding after a stream of messages: on per channel and note, counted.
QList<QPair<int, int>> Sounding(const Msgs &Stream) {
    std::map<std::pair<int, int>, bool> on;
    for (const TShortMessage &m : Stream)
        if (m.IsNote())
            on[{m.Channel(), m.Data1}] = m.IsNoteOn();
    QList<QPair<int, int>> left;
    for (const auto &[key, sounding] : on)
        if (sounding)
            left << qMakePair(key.first, key.second);
    return left;
}

} // namespace

class TestRouter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        FModel = std::make_unique<TKeyboardModel>();
        FRouter = std::make_unique<TMidiRouter>(*FModel);
        FRouter->SetOutput(&FSink);
        FSink.Take();
        FSink.FromCallback = 0;
        FSink.FailWith.clear();
    }
    void cleanup() {
        FRouter.reset();
        FModel.reset();
    }

    void thruPlaysThroughChordAndTransposition_data();
    void thruPlaysThroughChordAndTransposition();
    void incomingNoteShownOrPlayedThrough_data();
    void incomingNoteShownOrPlayedThrough();
    void thruReleaseEndsWhatWasSent_data();
    void thruReleaseEndsWhatWasSent();
    void switchingThruOffEndsItsNotes();
    void thruOnTheServiceThreadLeavesNothingSounding();
    void thruSwitchedOffWhileANoteIsOnItsWayEndsIt();
    void systemExclusivePlayedThroughWhole();
    void outputReplacedWhileThruSends();
    void bankThenProgram_data();
    void bankThenProgram();
    void displaysFollowWhatPasses();
    void panicEndsEverythingInOrder();
    void refusedSendIsReported();
    void lossesAreToldOnceThenGathered();

private:
    TRecordingSink FSink;
    std::unique_ptr<TKeyboardModel> FModel;
    std::unique_ptr<TMidiRouter> FRouter;
};

void TestRouter::thruPlaysThroughChordAndTransposition_data() {
    QTest::addColumn<int>("chord");
    QTest::addColumn<int>("transpose");
    QTest::addColumn<bool>("transposeThru");
    QTest::addColumn<bool>("displayTransposed");
    QTest::addColumn<TShortMessage>("in");
    QTest::addColumn<Msgs>("out");
    const int major = int(TChord::chMajor);
    const int power = int(TChord::chPower);
    QTest::newRow("chord on the event's channel, transposed")
        << major << 1 << true << false << M(0x95, 60, 100)
        << Msgs{M(0x95, 61, 100), M(0x95, 65, 100), M(0x95, 68, 100)};
    QTest::newRow("thru not transposed")
        << major << 1 << false << false << M(0x95, 60, 100)
        << Msgs{M(0x95, 60, 100), M(0x95, 64, 100), M(0x95, 67, 100)};
    QTest::newRow("data bytes masked")
        << major << 0 << true << false << M(0x90, 0xBC, 0xE4)
        << Msgs{M(0x90, 60, 100), M(0x90, 64, 100), M(0x90, 67, 100)};
    QTest::newRow("notes beyond the keyboard stay silent")
        << power << 0 << true << false << M(0x90, 120, 90)
        << Msgs{M(0x90, 120, 90), M(0x90, 127, 90), M(0x90, 108, 90)};
    QTest::newRow("transposed past the top, shown untransposed")
        << major << 5 << true << false << M(0x90, 120, 90) << Msgs{M(0x90, 125, 90)};
    QTest::newRow("control change passes unchanged")
        << major << 3 << true << false << M(0xB3, 7, 0x85) << Msgs{M(0xB3, 7, 5)};
    QTest::newRow("program change")
        << major << 3 << true << false << M(0xC2, 9, 0) << Msgs{M(0xC2, 9, 0)};
    QTest::newRow("pitch bend") << major << 3 << true << false << M(0xE0, 0, 64)
                                << Msgs{M(0xE0, 0, 64)};
    QTest::newRow("timing clock is not played through")
        << major << 0 << true << false << M(0xF8, 0, 0) << Msgs{};
    QTest::newRow("stray data byte") << major << 0 << true << false << M(0x40, 1, 2) << Msgs{};
}

void TestRouter::thruPlaysThroughChordAndTransposition() {
    QFETCH(int, chord);
    QFETCH(int, transpose);
    QFETCH(bool, transposeThru);
    QFETCH(bool, displayTransposed);
    QFETCH(TShortMessage, in);
    QFETCH(Msgs, out);
    FModel->SetChord(TChord(chord));
    FModel->SetTranspose(transpose);
    FModel->SetTransposeThru(transposeThru);
    FModel->SetDisplayTransposed(displayTransposed);
    FRouter->SetMidiThru(true);
    FSink.Take();
    FRouter->ReceiveNow(in);
    QCOMPARE(FSink.Take(), out);
    QCOMPARE(FSink.FromCallback.load(), int(out.size())); // all of it on the input's side
}

void TestRouter::incomingNoteShownOrPlayedThrough_data() {
    QTest::addColumn<bool>("thru");
    QTest::newRow("thru off: shown only") << false;
    QTest::newRow("thru on: played through") << true;
}

void TestRouter::incomingNoteShownOrPlayedThrough() {
    QFETCH(bool, thru);
    FRouter->SetMidiThru(thru);
    QSignalSpy played(FRouter.get(), &TMidiRouter::NotePlayed);
    FRouter->ReceiveNow(M(0x92, 64, 90));
    FRouter->ReceiveNow(M(0x93, 64, 90));
    QCOMPARE(int(FModel->DisplayCount(64)), 2);
    FRouter->ReceiveNow(M(0x82, 64, 33)); // a note off is a note on with velocity 0
    QCOMPARE(int(FModel->DisplayCount(64)), 1);
    QCOMPARE(played.size(), 3);
    if (thru)
        QCOMPARE(FSink.Take(), (Msgs{M(0x92, 64, 90), M(0x93, 64, 90), M(0x92, 64, 0)}));
    else
        QVERIFY(FSink.Take().isEmpty());
}

void TestRouter::thruReleaseEndsWhatWasSent_data() {
    QTest::addColumn<QString>("change");
    // a fifth went out on channel 2 for 50 (50 and 57); the rules may change before its release
    QTest::newRow("nothing changes") << "";
    QTest::newRow("chord") << "chord";
    QTest::newRow("transposition") << "transpose";
    QTest::newRow("keyboard channel") << "channel";
}

void TestRouter::thruReleaseEndsWhatWasSent() {
    QFETCH(QString, change);
    FModel->SetChord(TChord::chFifths);
    FRouter->SetMidiThru(true);
    FRouter->ReceiveNow(M(0x92, 50, 80));
    const Msgs ends{M(0x92, 50, 0), M(0x92, 57, 0)};
    QCOMPARE(FSink.Take(), (Msgs{M(0x92, 50, 80), M(0x92, 57, 80)}));
    if (change == "chord")
        FModel->SetChord(TChord::chMajor);
    else if (change == "transpose")
        FModel->SetTranspose(7);
    else if (change == "channel")
        FModel->SetChannel(5);
    // A change ends the notes at once; otherwise their release does. Either way exactly the
    // notes that went out, never those of the new rules, and once.
    QCOMPARE(FSink.Take(), change.isEmpty() ? Msgs{} : ends);
    FRouter->ReceiveNow(M(0x82, 50, 0));
    QCOMPARE(FSink.Take(), change.isEmpty() ? ends : Msgs{});
    QVERIFY(PressedKeys(*FModel).isEmpty());
}

void TestRouter::switchingThruOffEndsItsNotes() {
    FRouter->SetMidiThru(true);
    FRouter->ReceiveNow(M(0x90, 60, 100));
    FSink.Take();
    FRouter->SetMidiThru(false);
    QCOMPARE(FSink.Take(), Msgs{M(0x90, 60, 0)});
    QVERIFY(PressedKeys(*FModel).isEmpty());
    // its release arrives on the other path: nothing more goes out, no key stays lit
    FRouter->ReceiveNow(M(0x80, 60, 0));
    QVERIFY(FSink.Take().isEmpty());
    QVERIFY(PressedKeys(*FModel).isEmpty());
    // and the other way round: a note shown before thru came on is not left lit
    FRouter->ReceiveNow(M(0x90, 62, 100));
    FRouter->SetMidiThru(true);
    FRouter->ReceiveNow(M(0x80, 62, 0));
    QVERIFY(PressedKeys(*FModel).isEmpty());
}

// The service's thread plays through while the UI thread changes chord and transposition, which
// ends the notes played through so far: whatever interleaving, no note is left sounding.
void TestRouter::thruOnTheServiceThreadLeavesNothingSounding() {
    FRouter->SetMidiThru(true);
    TMidiThruHook &hook = FRouter->ThruHook();
    std::atomic<bool> done{false};
    std::thread service([&] {
        for (int i = 0; i < 20000; ++i) {
            const uint8_t note = uint8_t(30 + i % 60);
            const uint8_t channel = uint8_t(i % 3);
            const uint8_t on[3] = {uint8_t(0x90 | channel), note, 100};
            const uint8_t off[3] = {uint8_t(0x80 | channel), note, 0};
            hook.Through(on, 3, 0);
            hook.Through(off, 3, 0);
        }
        done = true;
    });
    const TChord chords[] = {TChord::chMajor, TChord::chPower, TChord::chNone, TChord::chMinor7};
    for (int i = 0; !done; ++i) {
        FModel->SetChord(chords[i % 4]);
        FModel->SetTranspose(i % 5 - 2);
    }
    service.join();
    FModel->SetChord(TChord::chNone); // ends what a note-on without its release left
    QCOMPARE(Sounding(FSink.Take()), (QList<QPair<int, int>>{}));
}

// The UI thread switches thru off while the service's thread is in the middle of playing a
// note-on through: the note must end all the same, once, after it began.
void TestRouter::thruSwitchedOffWhileANoteIsOnItsWayEndsIt() {
    // A sink that holds the first note-on in the middle of its send until told to go on.
    class THoldingSink final : public TMidiSink {
    public:
        void Send(const TShortMessage &Message) override { Record(Message); }
        bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t) noexcept override {
            const TShortMessage m{Data[0], uint8_t(Size > 1 ? Data[1] : 0),
                                  uint8_t(Size > 2 ? Data[2] : 0)};
            Record(m);
            if (m.IsNoteOn() && !Held.exchange(true))
                while (!Go)
                    std::this_thread::yield();
            return true;
        }
        bool ServiceAlive() const override { return true; }
        void Record(const TShortMessage &m) {
            std::lock_guard guard(Lock);
            All << m;
        }
        std::atomic<bool> Held{false};
        std::atomic<bool> Go{false};
        std::mutex Lock;
        Msgs All;
    } sink;
    FRouter->SetOutput(&sink);
    FRouter->SetMidiThru(true);
    const uint8_t on[3] = {0x90, 60, 100};
    const uint8_t off[3] = {0x80, 60, 0};
    std::thread service([&] { FRouter->ThruHook().Through(on, 3, 0); });
    while (!sink.Held)
        std::this_thread::yield();
    std::thread release([&] {
        QThread::msleep(50);
        sink.Go = true;
    });
    FRouter->SetMidiThru(false);
    service.join();
    release.join();
    FRouter->ThruHook().Through(off, 3, 0); // its release arrives with thru off
    FRouter->SetOutput(&FSink);
    QCOMPARE(sink.All, (Msgs{M(0x90, 60, 100), M(0x90, 60, 0)}));
}

void TestRouter::systemExclusivePlayedThroughWhole() {
    std::vector<uint8_t> got;
    class TBytesSink final : public TMidiSink {
    public:
        explicit TBytesSink(std::vector<uint8_t> &Got) : FGot(Got) {}
        void Send(const TShortMessage &) override {}
        bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t) noexcept override {
            FGot.insert(FGot.end(), Data, Data + Size);
            return true;
        }
        bool ServiceAlive() const override { return true; }

    private:
        std::vector<uint8_t> &FGot;
    } sink(got);
    FRouter->SetOutput(&sink);
    FModel->SetChord(TChord::chMajor);
    const std::vector<uint8_t> reset{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    FRouter->SetMidiThru(false);
    QVERIFY(!FRouter->ThruHook().Through(reset.data(), reset.size(), 0));
    FRouter->SetMidiThru(true);
    QVERIFY(FRouter->ThruHook().Through(reset.data(), reset.size(), 0));
    FRouter->SetOutput(&FSink);
    QCOMPARE(got, reset);
}

// Another output is chosen while the service's thread plays through: the old one is not used
// once SetOutput returns (the address sanitizer sees a use after it is gone).
void TestRouter::outputReplacedWhileThruSends() {
    FRouter->SetMidiThru(true);
    std::atomic<bool> stop{false};
    std::thread service([&] {
        const uint8_t cc[3] = {0xB0, 7, 64};
        while (!stop)
            FRouter->ThruHook().Through(cc, 3, 0);
    });
    int usedOthers = 0;
    QElapsedTimer time;
    time.start();
    for (int i = 0; (i < 200 || usedOthers < 20) && time.elapsed() < 5000; ++i) {
        auto other = std::make_unique<TRecordingSink>();
        FRouter->SetOutput(other.get());
        QThread::usleep(50);
        FRouter->SetOutput(&FSink);
        usedOthers += other->FromCallback > 0;
        other.reset();
    }
    stop = true;
    service.join();
    QVERIFY(usedOthers >= 20);
}

void TestRouter::bankThenProgram_data() {
    QTest::addColumn<int>("msb");
    QTest::addColumn<int>("lsb");
    QTest::addColumn<int>("program");
    QTest::addColumn<Msgs>("sent");
    QTest::newRow("bank pair first")
        << 5 << 3 << 10 << Msgs{M(0xB1, 0, 5), M(0xB1, 32, 3), M(0xC1, 10, 0)};
    QTest::newRow("a missing half goes as 0")
        << 5 << -1 << 10 << Msgs{M(0xB1, 0, 5), M(0xB1, 32, 0), M(0xC1, 10, 0)};
    QTest::newRow("no bank") << -1 << -1 << 127 << Msgs{M(0xC1, 127, 0)};
    QTest::newRow("no program") << 5 << 3 << -1 << Msgs{};
}

void TestRouter::bankThenProgram() {
    QFETCH(int, msb);
    QFETCH(int, lsb);
    QFETCH(int, program);
    QFETCH(Msgs, sent);
    FModel->SetChannel(1);
    QSignalSpy shown(FRouter.get(), &TMidiRouter::ProgramChanged);
    FRouter->SendProgram(msb, lsb, program);
    QCOMPARE(FSink.Take(), sent);
    QCOMPARE(shown.size(), 0); // what the fields sent, they show already
}

void TestRouter::displaysFollowWhatPasses() {
    QSignalSpy programs(FRouter.get(), &TMidiRouter::ProgramChanged);
    QSignalSpy bends(FRouter.get(), &TMidiRouter::PitchBendChanged);
    QSignalSpy controllers(FRouter.get(), &TMidiRouter::ControllerChanged);
    // a bank pair belongs to the program change that follows it, once
    for (const TShortMessage &m :
         {M(0xB0, 0, 5), M(0xB0, 32, 3), M(0xC0, 41, 0), M(0xB0, 0, 9), M(0xC0, 7, 0)})
        FRouter->ReceiveNow(m);
    QCOMPARE(programs.size(), 2);
    QCOMPARE(programs[0], (QVariantList{0, 41, 5, 3}));
    QCOMPARE(programs[1], (QVariantList{0, 7, -1, -1}));
    FRouter->ReceiveNow(M(0xE0, 0, 0));
    FRouter->Send(TShortMessage::PitchBend(0, 8191));
    QCOMPARE(bends.size(), 2);
    QCOMPARE(bends[0].at(0).toInt(), -8192);
    QCOMPARE(bends[1].at(0).toInt(), 8191);
    // the hold mode's controllers follow the same controller from anywhere
    FModel->SetUpDownController(74);
    FRouter->SendController(74, 90);
    QCOMPARE(FModel->ControllerValue(TKeyboardModel::UpDown), 90);
    QCOMPARE(controllers.last(), (QVariantList{74, 90}));
}

void TestRouter::panicEndsEverythingInOrder() {
    FRouter->SetMidiThru(true);
    FModel->SendChord(0, 60, 100, true);
    FRouter->ReceiveNow(M(0x93, 70, 100));
    FSink.Take();
    QSignalSpy progress(FRouter.get(), &TMidiRouter::PanicProgress);
    FRouter->Panic();
    const Msgs sent = FSink.Take();
    // the own note and the one played through end first, then every channel in turn
    QCOMPARE(sent.mid(0, 2), (Msgs{M(0x90, 60, 0), M(0x93, 70, 0)}));
    QCOMPARE(sent.size(), 2 + 2112 + 48);
    QCOMPARE(sent[2], M(0x90, 0, 0));
    QCOMPARE(sent[2 + 128], M(0xB0, 120, 0));
    QCOMPARE(sent[2 + 129], M(0xB0, 123, 0));
    QCOMPARE(sent[2 + 130], M(0xE0, 0, 64));
    QCOMPARE(sent[2 + 131], M(0xB0, 121, 0));
    QCOMPARE(sent[2 + 2111], M(0xBF, 121, 0));
    // last, the three pedals of each channel lifted
    QCOMPARE(sent.mid(2 + 2112, 3), (Msgs{M(0xB0, 64, 0), M(0xB0, 66, 0), M(0xB0, 67, 0)}));
    QCOMPARE(sent.last(), M(0xBF, 67, 0));
    QCOMPARE(progress.size(), 17);
    QCOMPARE(progress.first().at(0).toInt(), 0);
    QCOMPARE(progress.last().at(0).toInt(), 100);
    QVERIFY(PressedKeys(*FModel).isEmpty());
}

void TestRouter::refusedSendIsReported() {
    FSink.FailWith = QStringLiteral("The JACK server takes no more MIDI messages.");
    QSignalSpy failed(FRouter.get(), &TMidiRouter::SendFailed);
    QSignalSpy sent(FRouter.get(), &TMidiRouter::Sent);
    FRouter->SendController(7, 100);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed[0].at(0).toString(), FSink.FailWith);
    QCOMPARE(sent.size(), 0);
}

// The real-time side counts what it could not pass on; the user hears of it at once, and of a
// flood once more after a quiet spell with what was lost meanwhile, not once a message.
void TestRouter::lossesAreToldOnceThenGathered() {
    class TFullSink final : public TMidiSink {
    public:
        void Send(const TShortMessage &) override {}
        bool SendFromCallback(const uint8_t *, size_t, uint32_t) noexcept override { return false; }
        bool ServiceAlive() const override { return true; }
    } full;
    QSignalSpy told(FRouter.get(), &TMidiRouter::MessagesLost);
    FRouter->CheckLosses(0);
    QCOMPARE(told.size(), 0);
    FRouter->CheckLosses(12);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].at(0).toString(), QStringLiteral("MIDI input overflowed: 12 messages lost"));
    FRouter->SetOutput(&full);
    FRouter->SetMidiThru(true);
    const uint8_t on[3] = {0x90, 60, 100};
    for (int i = 0; i < 3; ++i)
        FRouter->ThruHook().Through(on, 3, 0);
    FRouter->CheckLosses(20);
    FRouter->CheckLosses(30);
    QCOMPARE(told.size(), 1); // gathered while the first is read
    QTRY_COMPARE_WITH_TIMEOUT(told.size(), 2, 5000);
    QCOMPARE(told[1].at(0).toString(), QStringLiteral("MIDI input overflowed: 18 messages lost; "
                                                      "MIDI thru overflowed: 3 messages lost"));
    FRouter->SetOutput(&FSink);
}

QTEST_GUILESS_MAIN(TestRouter)
#include "tst_router.moc"
