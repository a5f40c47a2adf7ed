// The real program's command line: what it refuses (status 2 and a message on the standard
// error, before any window and without touching the settings), --help and --version, and two
// keyboards started with profiles of their own, each playing its own synthesizer on JACK.

#include "e2erig.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString SynthA = QStringLiteral("Synth A");
const QString SynthB = QStringLiteral("Synth B");

QStringList Note(uint8_t Status) {
    return {TE2eRig::Hex({Status, 0x30, 100}), TE2eRig::Hex({Status, 0x30, 0})};
}

QStringList Hex(const std::vector<TBytes> &Messages) {
    QStringList List;
    for (const TBytes &Message : Messages)
        List << TE2eRig::Hex(Message);
    return List;
}

} // namespace

class TestE2eCmdline : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void options_data();
    void options();
    void twoProfilesPlayTwoSynthesizers();

private:
    TE2eRig FRig;
};

void TestE2eCmdline::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("cmdline")), qPrintable(FRig.ErrorText()));
}

void TestE2eCmdline::options_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // on the standard error for 2, the standard output else

    const QString Try = QStringLiteral("\nTry \"ondrel --help\" for the options.");
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << 2 << "ondrel: unknown option \"--bogus\"." + Try;
    QTest::newRow("unknown option with a value")
        << QStringList{"--bogus=1"} << 2 << "ondrel: unknown option \"--bogus\"." + Try;
    QTest::newRow("unknown short option, after Qt's")
        << QStringList{"-x"} << 2 << "ondrel: unknown option \"-x\"." + Try;
    QTest::newRow("stray argument")
        << QStringList{"synth"} << 2 << "ondrel: unexpected argument \"synth\"." + Try;
    QTest::newRow("a wrong option before --help")
        << QStringList{"--bogus", "--help"} << 2 << "ondrel: unknown option \"--bogus\"." + Try;
    QTest::newRow("channel 0") << QStringList{"--channel", "0"} << 2
                               << "ondrel: --channel: \"0\" is not a MIDI channel from 1 to 16.";
    QTest::newRow("channel 17") << QStringList{"--channel=17"} << 2
                                << "ondrel: --channel: \"17\" is not a MIDI channel from 1 to 16.";
    QTest::newRow("channel not a number")
        << QStringList{"--channel", "five"} << 2
        << "ondrel: --channel: \"five\" is not a MIDI channel from 1 to 16.";
    QTest::newRow("channel without a value")
        << QStringList{"--channel"} << 2 << "ondrel: the option --channel needs a value." + Try;
    QTest::newRow("the value is the next option")
        << QStringList{"--midi-out", "--channel", "3"} << 2
        << "ondrel: the option --midi-out needs a value." + Try;
    QTest::newRow("empty port") << QStringList{"--midi-in="} << 2
                                << "ondrel: --midi-in: the port name is empty.";
    QTest::newRow("unknown service") << QStringList{"--service", "oss"} << 2
                                     << "ondrel: --service: \"oss\" is not a MIDI service";
    QTest::newRow("profile leaving its folder")
        << QStringList{"--profile", "../x"} << 2
        << "ondrel: --profile: \"../x\" is not a profile name: letters, digits, \"-\" and \"_\", "
           "at most 32 of them.";
    QTest::newRow("profile too long")
        << QStringList{"--profile", QString(33, u'p')} << 2 << "is not a profile name";
    QTest::newRow("help lists the options")
        << QStringList{"--channel", "3", "--help"} << 0 << "--profile NAME";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "ondrel ";
}

void TestE2eCmdline::options() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);

    FRig.FreshConfig();
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // What Qt leaves is refused only once the application object exists: no desktop needed.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), FRig.ConfigHome());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FRig.Folder());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ONDREL_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError()).trimmed();
    if (status == 2) {
        QVERIFY2(err.contains(said), qPrintable(err));
        QVERIFY(out.isEmpty());
    } else {
        QVERIFY2(out.contains(said), qPrintable(out));
    }
    // Nothing was started, so nothing was kept.
    QVERIFY(!QDir(FRig.ConfigHome()).exists());
}

void TestE2eCmdline::twoProfilesPlayTwoSynthesizers() {
    FRig.FreshConfig();
    TJackPeer synthA(SynthA), synthB(SynthB), keys(QStringLiteral("Keys A"));
    QVERIFY(synthA.IsValid() && synthB.IsValid() && keys.IsValid());
    TE2eProgram a(FRig);
    a.Arguments = {"--profile",    "a",         "--service", "jack", "--midi-out",
                   SynthA + ":in", "--midi-in", "Keys A:out"};
    a.Title = QStringLiteral("^Ondrel \\(a\\)$");
    // Qt's own options still reach Qt.
    TE2eProgram b(FRig);
    b.Arguments = {"--profile=b",
                   "--service=jack",
                   "--midi-out=" + SynthB + ":in",
                   "--midi-in=none",
                   "--channel",
                   "2",
                   "-platform",
                   "xcb"};
    b.Title = QStringLiteral("^Ondrel \\(b\\)$");
    QVERIFY(a.Start());
    QVERIFY(b.Start({a.Window()}));

    // Each is a JACK client of its own, connected where its command line said.
    QTRY_COMPARE(synthA.Connections(SynthA + ":in"), QStringList{"Ondrel-a:Ondrel"});
    QTRY_COMPARE(synthB.Connections(SynthB + ":in"), QStringList{"Ondrel-b:Ondrel"});
    QTRY_COMPARE(keys.Connections(QStringLiteral("Keys A:out")), QStringList{"Ondrel-a:in"});
    QVERIFY(synthA.WaitCycles() && synthB.WaitCycles());

    QVERIFY(a.Focus());
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QVERIFY(synthA.WaitForReceived(3));
    QVERIFY(b.Focus());
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QVERIFY(synthB.WaitForReceived(3));
    QTest::qWait(300);
    // Each output was told the shown knob (Volume 100) as it opened, on its own channel.
    QCOMPARE(Hex(synthA.Received()), QStringList{QStringLiteral("b0 07 64")} + Note(0x90));
    QCOMPARE(Hex(synthB.Received()), QStringList{QStringLiteral("b1 07 64")} + Note(0x91));

    QVERIFY(a.Quit());
    QVERIFY(b.Quit());
    // Settings of their own; the usual file is left alone.
    const QString folder = FRig.ConfigHome() + QStringLiteral("/Tavrel/Ondrel/");
    const auto text = [&](const QString &Name) {
        QFile f(folder + Name);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    QVERIFY2(text("ondrel-a.ini").contains("MidiOut=" + SynthA + ":in"),
             qPrintable(text("ondrel-a.ini")));
    QVERIFY2(text("ondrel-a.ini").contains("Service=jack"), qPrintable(text("ondrel-a.ini")));
    QVERIFY2(text("ondrel-b.ini").contains("MidiOut=" + SynthB + ":in"),
             qPrintable(text("ondrel-b.ini")));
    QVERIFY(!QFile::exists(FRig.StoreFile()));
}

QTEST_GUILESS_MAIN(TestE2eCmdline)
#include "tst_e2e_cmdline.moc"
