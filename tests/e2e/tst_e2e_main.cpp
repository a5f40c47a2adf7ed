// The real program under Xvfb with a fresh settings folder: a click on a key and a computer key
// play through the port a first start opens, Ctrl+Space sends the whole Panic, and what was set
// comes back after a restart. MIDI is read from a JACK server of the test's own; every wait is
// bounded.

#include "jackfixture.h"
#include "xserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

constexpr int StartTimeoutMs = 15000;
constexpr int EventTimeoutMs = 5000;
constexpr int SettleMs = 300;

QString Hex(const TBytes &Message) {
    QStringList bytes;
    for (uint8_t b : Message)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QChar('0'));
    return bytes.join(QLatin1Char(' '));
}

} // namespace

class TestE2eMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void firstStartPlaysClickAndKey();
    void panicArrivesWhole();
    void settingsComeBackAfterRestart();
    void terminationSavesLikeClosing();
    void versionAndHelpAnswerOnTheTerminal();

private:
    bool Start();
    bool Quit();
    bool Xdo(const QStringList &Arguments, QString *Output = nullptr);
    QStringList Received(int Count);
    QString StoreText() const;

    QTemporaryDir FHome;
    TXvfb FXvfb;
    QString FDisplay;
    TJackServer FJack;
    std::unique_ptr<TJackPeer> FPeer;
    QProcess FProgram;
    QString FWindow;
};

void TestE2eMain::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY(FHome.isValid());
    QVERIFY2(FXvfb.Start(StartTimeoutMs), qPrintable(FXvfb.ErrorText()));
    FDisplay = FXvfb.Display();

    QVERIFY2(
        FJack.Start(QStringLiteral("ondrel-e2e-main-%1").arg(QCoreApplication::applicationPid())),
        qPrintable(FJack.ErrorText()));
    FPeer = std::make_unique<TJackPeer>(QStringLiteral("ondrel-e2e-main-peer"));
    QVERIFY(FPeer->IsValid());
}

void TestE2eMain::cleanupTestCase() {
    if (FProgram.state() != QProcess::NotRunning) {
        FProgram.kill();
        FProgram.waitForFinished(EventTimeoutMs);
    }
    FXvfb.Stop();
    FPeer.reset();
    FJack.Stop();
}

bool TestE2eMain::Xdo(const QStringList &Arguments, QString *Output) {
    return ::Xdo(FDisplay, Arguments, Output, StartTimeoutMs);
}

// Starts the program, waits for its window and its MIDI port, and wires the port to the peer.
bool TestE2eMain::Start() {
    // A first start opens the built-in synthesizer; the user here has chosen Ondrel's own
    // port in Midi Out before, so the notes can be read from it.
    const QString store = FHome.filePath(QStringLiteral("config/Tavrel/Ondrel/ondrel.ini"));
    if (!QFile::exists(store)) {
        QDir().mkpath(QFileInfo(store).absolutePath());
        QFile f(store);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write("[MidiDevices]\nMidiOut=Ondrel\n");
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FDisplay);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), FHome.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FHome.path());
    FProgram.setProcessEnvironment(env);
    FProgram.setProcessChannelMode(QProcess::ForwardedChannels);
    FProgram.start(QStringLiteral(ONDREL_PROGRAM), {});
    if (!FProgram.waitForStarted(StartTimeoutMs))
        return false;
    QDeadlineTimer deadline(StartTimeoutMs);
    while (FWindow.isEmpty() && !deadline.hasExpired()) {
        QString windows;
        if (Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), QStringLiteral("^Ondrel$")},
                &windows) &&
            !windows.isEmpty())
            FWindow = windows.section(QLatin1Char('\n'), 0, 0);
        else
            QThread::msleep(100);
    }
    if (FWindow.isEmpty()) {
        qWarning() << "the program's window did not appear";
        return false;
    }
    QThread::msleep(500); // the deferred start-up and the first paint
    Xdo({QStringLiteral("windowmove"), FWindow, QStringLiteral("0"), QStringLiteral("0")});
    if (!Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), FWindow})) {
        qWarning() << "the program's window took no focus";
        return false;
    }
    QThread::msleep(200);
    const QString pattern = QStringLiteral("^Ondrel[^:]*:Ondrel$");
    QString port = FPeer->FindPort(pattern, JackPortIsOutput);
    while (port.isEmpty() && !deadline.hasExpired()) {
        QThread::msleep(100);
        port = FPeer->FindPort(pattern, JackPortIsOutput);
    }
    if (port.isEmpty() || !FPeer->Connect(port, FPeer->InPort())) {
        qWarning() << "the program's MIDI port" << port << "did not appear or connect";
        return false;
    }
    QThread::msleep(200);
    FPeer->ClearReceived();
    return true;
}

// Closes the program the way a user does, through File > Exit, so it saves its settings.
bool TestE2eMain::Quit() {
    bool ended = false;
    for (int attempt = 0; attempt < 5 && !ended; ++attempt) {
        Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), FWindow});
        Xdo({QStringLiteral("key"), QStringLiteral("Escape"), QStringLiteral("alt+f")});
        QThread::msleep(700);
        Xdo({QStringLiteral("key"), QStringLiteral("x")});
        ended = FProgram.waitForFinished(3000);
    }
    FWindow.clear();
    return ended && FProgram.exitStatus() == QProcess::NormalExit;
}

QStringList TestE2eMain::Received(int Count) {
    FPeer->WaitForReceived(size_t(Count), EventTimeoutMs);
    QThread::msleep(SettleMs);
    QStringList out;
    for (const TBytes &m : FPeer->Received())
        out << Hex(m);
    return out;
}

QString TestE2eMain::StoreText() const {
    QFile f(FHome.filePath(QStringLiteral("config/Tavrel/Ondrel/ondrel.ini")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void TestE2eMain::firstStartPlaysClickAndKey() {
    QVERIFY(Start());
    // The window's first key is C1 (36): a click on the lower part of its white key.
    QString geometry;
    QVERIFY(Xdo({QStringLiteral("getwindowgeometry"), FWindow}, &geometry));
    int clickY = 0;
    for (int y = 150; y <= 200 && clickY == 0; y += 2) {
        // the menu bar's height varies with the font: find the keyboard by playing it
        QVERIFY(Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), FWindow,
                     QStringLiteral("87"), QString::number(y), QStringLiteral("click"),
                     QStringLiteral("1")}));
        if (FPeer->WaitForReceived(2, 150))
            clickY = y;
    }
    QVERIFY2(clickY > 0, "no click on the keyboard played a note");
    QCOMPARE(Received(2), (QStringList{QStringLiteral("90 24 64"), QStringLiteral("90 24 00")}));
    FPeer->ClearReceived();
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("z")}));
    QCOMPARE(Received(2), (QStringList{QStringLiteral("90 30 64"), QStringLiteral("90 30 00")}));
}

void TestE2eMain::panicArrivesWhole() {
    FPeer->ClearReceived();
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("ctrl+space")}));
    QVERIFY(FPeer->WaitForReceived(2080, 10000));
    QThread::msleep(SettleMs);
    const auto got = FPeer->Received();
    QCOMPARE(got.size(), size_t(2080));
    QCOMPARE(got.back(), (TBytes{0xBF, 123, 0}));
}

void TestE2eMain::settingsComeBackAfterRestart() {
    // Channel 5 (typed into the field), octave up (F4), Midi Thru on (Options menu).
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("F4")}));
    QVERIFY(Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), FWindow,
                 QStringLiteral("20"), QString::number(61 + 24 + 8), QStringLiteral("click"),
                 QStringLiteral("--repeat"), QStringLiteral("3"), QStringLiteral("1")}));
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("5"),
                 QStringLiteral("Return")}));
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("alt+o")}));
    QThread::msleep(700);
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("t")}));
    QThread::msleep(300);
    QVERIFY(Quit());
    const QString store = StoreText();
    QVERIFY2(store.contains(QStringLiteral("Channel=4")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("KeyOctave=5")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("Midi Thru=1")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("MidiOut=Ondrel")), qPrintable(store));

    QVERIFY(Start());
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("z")}));
    QCOMPARE(Received(2), (QStringList{QStringLiteral("94 3c 64"), QStringLiteral("94 3c 00")}));
    QVERIFY(Quit());
}

void TestE2eMain::terminationSavesLikeClosing() {
    QVERIFY(Start());
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("F4")}));
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("x")}));
    QVERIFY(FPeer->WaitForReceived(1, EventTimeoutMs));
    FProgram.terminate(); // SIGTERM, as a logout or kill sends
    QVERIFY(FProgram.waitForFinished(StartTimeoutMs));
    Xdo({QStringLiteral("keyup"), QStringLiteral("x")});
    FWindow.clear();
    // the held note was released before the port closed, and the octave was saved
    const QStringList got = Received(2);
    QVERIFY(got.size() >= 2);
    QCOMPARE(got.mid(0, 2), (QStringList{QStringLiteral("94 4a 64"), QStringLiteral("94 4a 00")}));
    QVERIFY2(StoreText().contains(QStringLiteral("KeyOctave=6")), qPrintable(StoreText()));
}

void TestE2eMain::versionAndHelpAnswerOnTheTerminal() {
    for (const char *option : {"--version", "--help"}) {
        QProcess p;
        p.start(QStringLiteral(ONDREL_PROGRAM), {QLatin1String(option)});
        QVERIFY(p.waitForFinished(StartTimeoutMs));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(out.contains(QLatin1String(option[2] == 'v' ? "ondrel " : "Usage: ondrel")),
                 qPrintable(out));
    }
}

QTEST_GUILESS_MAIN(TestE2eMain)
#include "tst_e2e_main.moc"
