// The real program played as a person plays it, each case from a fresh settings folder: the
// mouse in normal and hold mode, the key rows with the octave keys and a chord, MIDI from
// another JACK program played through, and a device chosen in the Midi Out menu that is still
// chosen, with the rest, after a restart. The bytes are read in order from a JACK peer.

#include "e2erig.h"

#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace {

QString Msg(int Status, int Data1, int Data2) {
    return TE2eRig::Hex({uint8_t(Status), uint8_t(Data1), uint8_t(Data2)});
}

// Keyboard x of the white keys C1, D1, E1 in window pixels (key width 15 from x 80).
constexpr int C1X = 87, D1X = 102, E1X = 117;

} // namespace

class TestE2ePlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { FRig.Stop(); }

    void mouse_data();
    void mouse();
    void keys_data();
    void keys();
    void thruFromAnotherProgram();
    void menuChoicesComeBackAfterRestart();
    void placeComesBackUnderAWindowManager(); // last: it leaves a window manager running

private:
    // Starts the program on the fresh folder; with the own port chosen, connects it and finds
    // the keyboard.
    bool StartAndConnect(bool Connect = true);
    TE2eRig FRig;
    std::unique_ptr<TE2eProgram> FProgram;
    int FKeysY = 0;
};

void TestE2ePlay::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("play")), qPrintable(FRig.ErrorText()));
}

void TestE2ePlay::init() {
    // The mouse plays at one velocity here: these cases are about which notes it plays.
    FRig.FreshConfig(
        "[MidiDevices]\nMidiOut=Ondrel\nMidiIn=(none)\n[Keyboard]\nVelocityByPosition=0\n");
    FProgram = std::make_unique<TE2eProgram>(FRig);
}

void TestE2ePlay::cleanup() {
    FRig.ScreenshotOnFailure();
    FProgram.reset();
}

bool TestE2ePlay::StartAndConnect(bool Connect) {
    if (!FProgram->Start())
        return false;
    if (!Connect)
        return true;
    if (!FProgram->ConnectOutput())
        return false;
    FKeysY = FProgram->FindKeyboardY();
    return FKeysY > 0;
}

void TestE2ePlay::mouse_data() {
    // Steps: xdotool arguments; "W" is the window, "X:<x>,<dy>" moves to x and the keys' y + dy.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("normal: the note follows a drag over three keys")
        << QStringList{QStringLiteral("X:%1,0").arg(C1X), QStringLiteral("mousedown 1"),
                       QStringLiteral("X:%1,0").arg(D1X), QStringLiteral("X:%1,0").arg(E1X),
                       QStringLiteral("mouseup 1")}
        << QStringList{Msg(0x90, 36, 100), Msg(0x90, 36, 0),   Msg(0x90, 38, 100),
                       Msg(0x90, 38, 0),   Msg(0x90, 40, 100), Msg(0x90, 40, 0)};
    QTest::newRow("hold: the note stays, upward motion drives modulation")
        << QStringList{QStringLiteral("X:%1,0").arg(C1X), QStringLiteral("mousedown 3"),
                       QStringLiteral("X:%1,-20").arg(C1X), QStringLiteral("mouseup 3")}
        << QStringList{Msg(0x90, 36, 100), Msg(0xB0, 1, 16), Msg(0x90, 36, 0)};
    QTest::newRow("Ctrl at release keeps the note until the next press")
        << QStringList{QStringLiteral("X:%1,0").arg(C1X), QStringLiteral("mousedown 1"),
                       QStringLiteral("keydown ctrl"),    QStringLiteral("mouseup 1"),
                       QStringLiteral("keyup ctrl"),      QStringLiteral("X:%1,0").arg(E1X),
                       QStringLiteral("click 1")}
        << QStringList{Msg(0x90, 36, 100), Msg(0x90, 36, 0), Msg(0x90, 40, 100), Msg(0x90, 40, 0)};
}

void TestE2ePlay::mouse() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QVERIFY(StartAndConnect());
    for (const QString &step : steps) {
        QStringList args;
        if (step.startsWith(QLatin1String("X:"))) {
            const QStringList xy = step.mid(2).split(QLatin1Char(','));
            args = {QStringLiteral("mousemove"), QStringLiteral("--window"), FProgram->Window(),
                    xy[0], QString::number(FKeysY + xy[1].toInt())};
        } else {
            args = step.split(QLatin1Char(' '));
        }
        QVERIFY(FRig.Xdo(args));
        QThread::msleep(60); // one motion event each, as a hand makes them
    }
    QCOMPARE(FRig.Received(int(expected.size())), expected);
}

void TestE2ePlay::keys_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("expected");
    // z and q are the C keys of the lower and upper row, at octaves 4 and 5 after a first start.
    QTest::newRow("lower and upper row")
        << QStringList{QStringLiteral("z"), QStringLiteral("q")}
        << QStringList{Msg(0x90, 48, 100), Msg(0x90, 48, 0), Msg(0x90, 60, 100), Msg(0x90, 60, 0)};
    QTest::newRow("octave up, then twice down")
        << QStringList{QStringLiteral("F4"), QStringLiteral("z"), QStringLiteral("F3"),
                       QStringLiteral("F3"), QStringLiteral("z")}
        << QStringList{Msg(0x90, 60, 100), Msg(0x90, 60, 0), Msg(0x90, 36, 100), Msg(0x90, 36, 0)};
    QTest::newRow("End chooses the major chord, one key plays it")
        << QStringList{QStringLiteral("End"), QStringLiteral("z")}
        << QStringList{Msg(0x90, 48, 100), Msg(0x90, 52, 100), Msg(0x90, 55, 100),
                       Msg(0x90, 48, 0),   Msg(0x90, 52, 0),   Msg(0x90, 55, 0)};
}

void TestE2ePlay::keys() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, expected);
    QVERIFY(StartAndConnect());
    QVERIFY(FRig.Keys(keys));
    QCOMPARE(FRig.Received(int(expected.size())), expected);
}

void TestE2ePlay::thruFromAnotherProgram() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=ondrel-e2e-peer:out\n");
    QVERIFY(StartAndConnect(false));
    QVERIFY(FProgram->ConnectOutput());
    // Midi Thru is off at a first start: what arrives is only shown.
    TJackPeer &peer = FRig.Peer();
    peer.Send({{0x92, 64, 80}, {0x82, 64, 10}});
    QVERIFY(peer.WaitUntilSent());
    QCOMPARE(FRig.Received(0), QStringList());
    QVERIFY(FProgram->Menu(QStringLiteral("o"), {QStringLiteral("t")}));
    // Played through on its own channel; a note off leaves as a note on with velocity 0.
    peer.Send({{0x92, 64, 80}, {0x82, 64, 10}});
    QCOMPARE(FRig.Received(2), (QStringList{Msg(0x92, 64, 80), Msg(0x92, 64, 0)}));
}

void TestE2ePlay::menuChoicesComeBackAfterRestart() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=(none)\nMidiIn=(none)\n");
    QVERIFY(StartAndConnect(false));
    // Midi Out: "none", then the Midi-Mapper, then the own port "Ondrel".
    QVERIFY(FProgram->Menu(QStringLiteral("u"), {QStringLiteral("Down"), QStringLiteral("Down"),
                                                 QStringLiteral("Return")}));
    QVERIFY(FProgram->ConnectOutput());
    // An octave up and the major chord, then Midi Thru on, as a user leaves them.
    QVERIFY(FRig.Keys({QStringLiteral("F4"), QStringLiteral("End")}));
    QVERIFY(FProgram->Menu(QStringLiteral("o"), {QStringLiteral("t")}));
    QVERIFY(FProgram->Quit());

    QVERIFY(FProgram->Start());
    QVERIFY(FProgram->ConnectOutput());
    QVERIFY(FRig.Xdo({QStringLiteral("key"), QStringLiteral("z")}));
    QCOMPARE(FRig.Received(6),
             (QStringList{Msg(0x90, 60, 100), Msg(0x90, 64, 100), Msg(0x90, 67, 100),
                          Msg(0x90, 60, 0), Msg(0x90, 64, 0), Msg(0x90, 67, 0)}));
    QVERIFY(FProgram->Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("Midi Thru=1")),
             qPrintable(FRig.StoreText()));
}

void TestE2ePlay::placeComesBackUnderAWindowManager() {
    // Only a window manager with frames shows whether places are kept inside or outside them.
    if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
        QSKIP("openbox is not installed (Debian: openbox)");
    QProcess wm;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FRig.Display());
    wm.setProcessEnvironment(env);
    wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY(wm.waitForStarted());
    const auto stopWm = qScopeGuard([&] {
        wm.terminate();
        wm.waitForFinished(3000);
    });
    QThread::msleep(700); // managing windows
    FProgram->KeepPlace = true;
    QVERIFY(StartAndConnect(false));
    QVERIFY(FRig.Xdo({QStringLiteral("windowmove"), FProgram->Window(), QStringLiteral("200"),
                      QStringLiteral("150")}));
    QThread::msleep(300);
    const QPoint left = FProgram->Position();
    QVERIFY(FProgram->Quit());
    // Twice: a place kept off by the frame would creep at every start.
    for (int start = 0; start < 2; ++start) {
        QVERIFY(StartAndConnect(false));
        QCOMPARE(FProgram->Position(), left);
        QVERIFY(FProgram->Quit());
    }
}

QTEST_GUILESS_MAIN(TestE2ePlay)
#include "tst_e2e_play.moc"
