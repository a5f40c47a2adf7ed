// The real program under Xvfb with a fresh settings folder: a click on a key and a computer key
// play through the port a first start opens, Ctrl+Space sends the whole Panic, and what was set
// comes back after a restart. The cases run in order on one settings folder.

#include "e2erig.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <algorithm>

class TestE2eMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase();

    void firstStartPlaysClickAndKey();
    void panicArrivesWhole();
    void panicArrivesWholeAtAMonitor();
    void settingsComeBackAfterRestart();
    void terminationSavesLikeClosing();
    void versionAndHelpAnswerOnTheTerminal_data();
    void versionAndHelpAnswerOnTheTerminal();

private:
    bool Start() { return FProgram->Start() && FProgram->ConnectOutput(); }

    TE2eRig FRig;
    std::unique_ptr<TE2eProgram> FProgram;
};

void TestE2eMain::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("main")), qPrintable(FRig.ErrorText()));
    // A first start opens the built-in synthesizer; the user here has chosen Ondrel's own port
    // in Midi Out before, so the notes can be read from it.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n");
    FProgram = std::make_unique<TE2eProgram>(FRig);
}

void TestE2eMain::cleanupTestCase() {
    FProgram.reset();
    FRig.Stop();
}

void TestE2eMain::firstStartPlaysClickAndKey() {
    QVERIFY(Start());
    // The window's first key is C1 (36): a click on the lower part of its white key.
    const int keysY = FProgram->FindKeyboardY();
    QVERIFY2(keysY > 0, "no click on the keyboard played a note");
    QVERIFY(FProgram->Click(87, keysY));
    // The velocity is that of where the key was struck.
    const QStringList clicked = FRig.Received(2);
    QCOMPARE(clicked.size(), 2);
    QVERIFY2(clicked[0].startsWith(QLatin1String("90 24 ")) && clicked[0] != "90 24 00",
             qPrintable(clicked.join(QLatin1Char(','))));
    QCOMPARE(clicked[1], QStringLiteral("90 24 00"));
    FRig.Peer().ClearReceived();
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QCOMPARE(FRig.Received(2),
             (QStringList{QStringLiteral("90 30 64"), QStringLiteral("90 30 00")}));
}

void TestE2eMain::panicArrivesWhole() {
    TJackPeer &peer = FRig.Peer();
    peer.ClearReceived();
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+space")}));
    QVERIFY(peer.WaitForReceived(2160, 10000));
    QThread::msleep(300);
    const auto got = peer.Received();
    QCOMPARE(got.size(), size_t(2160)); // 16 x (128 notes, 4 resets), then 16 x 3 pedals
    // After its notes, each channel's pitch bend is centred and its controllers reset: a synth
    // left bent or with a pedal held plays the next notes wrong.
    for (uint8_t channel = 0; channel < 16; ++channel) {
        const size_t end = 132 * (channel + 1);
        QCOMPARE(got[end - 3], (TBytes{uint8_t(0xB0 | channel), 123, 0}));
        QCOMPARE(got[end - 2], (TBytes{uint8_t(0xE0 | channel), 0, 64}));
        QCOMPARE(got[end - 1], (TBytes{uint8_t(0xB0 | channel), 121, 0}));
    }
    QCOMPARE(got.back(), (TBytes{0xBF, 67, 0}));
}

// A receiver that buffers a few hundred messages between its periods, as JACK's own MIDI monitor
// does, loses most of a Panic that comes in one period: it must arrive spread over periods.
void TestE2eMain::panicArrivesWholeAtAMonitor() {
    const QString dump = QStandardPaths::findExecutable(QStringLiteral("jack_midi_dump"));
    if (dump.isEmpty())
        QSKIP("jack_midi_dump is not installed (Debian: jackd2)");
    QTemporaryFile out;
    QVERIFY(out.open());
    QProcess monitor;
    monitor.setStandardOutputFile(out.fileName());
    monitor.start(dump, {QStringLiteral("-a")});
    QVERIFY(monitor.waitForStarted());
    const auto connected = [] {
        QProcess::execute(QStringLiteral("jack_connect"),
                          {QStringLiteral("Ondrel:Ondrel"), QStringLiteral("midi-monitor:input")});
        QProcess list;
        list.start(QStringLiteral("jack_lsp"),
                   {QStringLiteral("-c"), QStringLiteral("Ondrel:Ondrel")});
        return list.waitForFinished(5000) &&
               list.readAllStandardOutput().contains("midi-monitor:input");
    };
    QTRY_VERIFY_WITH_TIMEOUT(connected(), 5000);
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+space")}));
    QVERIFY(FRig.Peer().WaitForReceived(2160, 10000));
    QThread::msleep(500); // the monitor writes what it took a moment later
    monitor.terminate();
    QVERIFY(monitor.waitForFinished(5000));
    const QStringList lines = QString::fromLocal8Bit(out.readAll()).split(QLatin1Char('\n'));
    const qsizetype messages = std::count_if(lines.cbegin(), lines.cend(), [](const QString &line) {
        // A pitch bend has no description: its bytes ("e3 00 40") after the time.
        static const QRegularExpression bend(
            QStringLiteral(":\\s+e[0-9a-f] [0-9a-f]{2} [0-9a-f]{2}"));
        return line.contains(QLatin1String("note on")) ||
               line.contains(QLatin1String("control change")) || bend.match(line).hasMatch();
    });
    QCOMPARE(messages, qsizetype(2160));
}

void TestE2eMain::settingsComeBackAfterRestart() {
    // Channel 5 (typed into the field), octave up (F4), Midi Thru on (Options menu).
    QVERIFY(FRig.Keys({QStringLiteral("F4")}));
    QVERIFY(FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), FProgram->Window(),
                      QStringLiteral("20"), QString::number(61 + 24 + 8), QStringLiteral("click"),
                      QStringLiteral("--repeat"), QStringLiteral("3"), QStringLiteral("1")}));
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+a"), QStringLiteral("5"), QStringLiteral("Return")}));
    QVERIFY(FProgram->Menu(QStringLiteral("o"), {QStringLiteral("t")}));
    QVERIFY(FProgram->Quit());
    const QString store = FRig.StoreText();
    QVERIFY2(store.contains(QStringLiteral("Channel=4")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("KeyOctave=5")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("Midi Thru=1")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("MidiOut=Ondrel")), qPrintable(store));

    QVERIFY(Start());
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QCOMPARE(FRig.Received(2),
             (QStringList{QStringLiteral("94 3c 64"), QStringLiteral("94 3c 00")}));
    QVERIFY(FProgram->Quit());
}

void TestE2eMain::terminationSavesLikeClosing() {
    QVERIFY(Start());
    QVERIFY(FRig.Keys({QStringLiteral("F4")}));
    QVERIFY(FRig.Xdo({QStringLiteral("keydown"), QStringLiteral("x")}));
    QVERIFY(FRig.Peer().WaitForReceived(1));
    FProgram->Process().terminate(); // SIGTERM, as a logout or kill sends
    QVERIFY(FProgram->Process().waitForFinished(15000));
    FRig.Xdo({QStringLiteral("keyup"), QStringLiteral("x")});
    // the held note was released before the port closed, and the octave was saved
    const QStringList got = FRig.Received(2);
    QVERIFY(got.size() >= 2);
    QCOMPARE(got.mid(0, 2), (QStringList{QStringLiteral("94 4a 64"), QStringLiteral("94 4a 00")}));
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("KeyOctave=6")),
             qPrintable(FRig.StoreText()));
}

void TestE2eMain::versionAndHelpAnswerOnTheTerminal_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("answer");
    QTest::newRow("version") << QStringLiteral("--version") << QStringLiteral("ondrel ");
    QTest::newRow("help") << QStringLiteral("--help") << QStringLiteral("Usage: ondrel");
}

void TestE2eMain::versionAndHelpAnswerOnTheTerminal() {
    QFETCH(QString, option);
    QFETCH(QString, answer);
    QProcess p;
    p.start(QStringLiteral(ONDREL_PROGRAM), {option});
    QVERIFY(p.waitForFinished(15000));
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(out.contains(answer), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestE2eMain)
#include "tst_e2e_main.moc"
