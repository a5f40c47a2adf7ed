// Real X11 key presses (Xvfb, xdotool) into a window with the piano keyboard; the notes are read
// from its MIDI output port on a JACK server of the test's own. The tests run twice: against a
// test window that reports what it sees and takes commands (edit box, second window), and
// against the real program, where the test window's commands are not at hand. Every wait is
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

#include <algorithm>
#include <memory>

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int EventTimeoutMs = 5000;
// After the expected messages, how long nothing more may arrive.
constexpr int SettleMs = 300;

QString Hex(const TBytes &Message) {
    QStringList bytes;
    for (uint8_t b : Message)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QChar('0'));
    return bytes.join(QLatin1Char(' '));
}

QString NoteOn(int Note, int Velocity = 100) {
    return Hex({0x90, uint8_t(Note), uint8_t(Velocity)});
}
QString NoteOff(int Note) {
    return Hex({0x90, uint8_t(Note), 0});
}
QString Join(const QStringList &Messages) {
    return Messages.join(QStringLiteral(", "));
}

// Computer keys and the notes they play at the keyboard's first octave setting (4).
constexpr int Z = 48, S = 49, X = 50, Q = 60, C = 52;

} // namespace

class TestE2eKeyboard : public QObject {
    Q_OBJECT
public:
    // RealProgram: the tests play the real program instead of the test window.
    explicit TestE2eKeyboard(bool RealProgram) : FReal(RealProgram) {}

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void lettersPlayTheirNotes();
    void chordTypedWithSeveralKeys();
    void fastRepeatedKeys();
    void heldKeyRepeatsButPlaysOnce();
    void modifiedKeys();
    void editBoxPlaysAndTypes();
    void otherWindowTakesOverHeldKey();
    void otherProgramTakesOverHeldKey();
    void comingBackWhileHeldLeavesNoSecondRelease();

private:
    bool StartProgram(QProcess &Program, const QStringList &Arguments, QString &Window);
    bool StartRealProgram();
    QProcessEnvironment Environment() const;
    QString WaitForLine(QProcess &Program, const QString &Prefix, int TimeoutMs = EventTimeoutMs);
    void Drain(QProcess &Program, int Ms);
    bool Xdo(const QStringList &Arguments, QString *Output = nullptr);
    // Gives the keyboard focus to the other program and waits until the window noticed.
    bool FocusOther();
    // Gives it back to the window; waits for its activation unless it was active already.
    bool FocusMain(bool WasActive);
    void Command(const QString &Line);
    // The messages the keyboard sent ("90 30 64, 90 30 00"), once Count have arrived and no
    // more came for a while.
    QString Received(int Count);

    const bool FReal;
    QTemporaryDir FHome;
    TXvfb FXvfb;
    QString FDisplay;
    TJackServer FJack;
    std::unique_ptr<TJackPeer> FPeer;
    QProcess FProgram;
    QProcess FOther;
    QString FMainWindow;
    QString FOtherWindow;
    QStringList FLines;
};

void TestE2eKeyboard::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    if (FReal && !QFile::exists(QStringLiteral(ONDREL_PROGRAM)))
        QSKIP("the program is not built");
    QVERIFY(FHome.isValid());

    // A display number of its own: Xvfb picks a free one and tells it.
    QVERIFY2(FXvfb.Start(StartTimeoutMs), qPrintable(FXvfb.ErrorText()));
    FDisplay = FXvfb.Display();

    const QString server = QStringLiteral("ondrel-e2e-%1").arg(QCoreApplication::applicationPid());
    QVERIFY2(FJack.Start(server), qPrintable(FJack.ErrorText()));
    FPeer = std::make_unique<TJackPeer>(QStringLiteral("ondrel-e2e-peer"));
    QVERIFY(FPeer->IsValid());

    if (FReal)
        QVERIFY(StartRealProgram());
    else
        QVERIFY(StartProgram(FProgram, {}, FMainWindow));
    QString port;
    for (QDeadlineTimer wait(StartTimeoutMs); port.isEmpty() && !wait.hasExpired();
         QThread::msleep(20))
        port = FPeer->FindPort(QStringLiteral("^Ondrel[^:]*:Ondrel$"), JackPortIsOutput);
    QVERIFY2(!port.isEmpty(), "the program's MIDI port is missing");
    QVERIFY(FPeer->Connect(port, FPeer->InPort()));
    QVERIFY(StartProgram(FOther, {QStringLiteral("--idle")}, FOtherWindow));
}

void TestE2eKeyboard::cleanupTestCase() {
    for (QProcess *p : {&FProgram, &FOther}) {
        if (p->state() == QProcess::NotRunning)
            continue;
        if (FReal && p == &FProgram)
            p->terminate();
        p->write("quit\n");
        p->closeWriteChannel();
        if (!p->waitForFinished(EventTimeoutMs)) {
            p->kill();
            p->waitForFinished(EventTimeoutMs);
        }
    }
    FXvfb.Stop();
    FPeer.reset();
    FJack.Stop();
}

void TestE2eKeyboard::init() {
    QVERIFY(FProgram.state() == QProcess::Running);
    if (!FReal)
        Command(QStringLiteral("focus keys"));
    QVERIFY(FocusMain(true));
    FPeer->ClearReceived();
    FLines.clear();
}

void TestE2eKeyboard::cleanup() {
    Drain(FProgram, 20);
    QVERIFY2(!FLines.contains(QStringLiteral("shortcut")), "a played key triggered a shortcut");
}

// --- Helpers --------------------------------------------------------------------------------

QProcessEnvironment TestE2eKeyboard::Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FDisplay);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), FHome.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FHome.path());
    return env;
}

bool TestE2eKeyboard::StartProgram(QProcess &Program, const QStringList &Arguments,
                                   QString &Window) {
    Program.setProcessEnvironment(Environment());
    Program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Program.start(QStringLiteral(ONDREL_KEYPLAY), Arguments);
    if (!Program.waitForStarted(StartTimeoutMs))
        return false;
    const QString ready = WaitForLine(Program, QStringLiteral("ready "), StartTimeoutMs);
    if (ready.isEmpty()) {
        qWarning() << "program did not start:" << FLines;
        return false;
    }
    Window = ready.section(QLatin1Char(' '), 1);
    return true;
}

// The real program with fresh settings but for its output, Ondrel's own port (a first start
// would take the built-in synthesizer); its main window is the one named "Ondrel" (the splash
// has a title of its own).
bool TestE2eKeyboard::StartRealProgram() {
    const QString folder = FHome.filePath(QStringLiteral("config/Tavrel/Ondrel"));
    QFile store(folder + QStringLiteral("/") +
                QFileInfo(QStringLiteral(ONDREL_PROGRAM)).baseName() + QStringLiteral(".ini"));
    if (!QDir().mkpath(folder) || !store.open(QIODevice::WriteOnly) ||
        store.write("[MidiDevices]\nMidiOut=Ondrel\n") < 0)
        return false;
    store.close();
    FProgram.setProcessEnvironment(Environment());
    FProgram.setProcessChannelMode(QProcess::ForwardedChannels);
    FProgram.start(QStringLiteral(ONDREL_PROGRAM), {});
    if (!FProgram.waitForStarted(StartTimeoutMs))
        return false;
    for (QDeadlineTimer deadline(StartTimeoutMs); !deadline.hasExpired(); QThread::msleep(100)) {
        QString windows;
        if (Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), QStringLiteral("^Ondrel$")},
                &windows) &&
            !windows.isEmpty()) {
            FMainWindow = windows.section(QLatin1Char('\n'), 0, 0);
            return true;
        }
    }
    return false;
}

QString TestE2eKeyboard::WaitForLine(QProcess &Program, const QString &Prefix, int TimeoutMs) {
    QDeadlineTimer deadline(TimeoutMs);
    for (;;) {
        while (Program.canReadLine()) {
            const QString line = QString::fromUtf8(Program.readLine()).trimmed();
            FLines << line;
            if (line.startsWith(Prefix))
                return line;
        }
        if (deadline.hasExpired() || Program.state() != QProcess::Running)
            return {};
        Program.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
}

void TestE2eKeyboard::Drain(QProcess &Program, int Ms) {
    WaitForLine(Program, QStringLiteral("\x01"), Ms); // no line starts so: reads for Ms
}

bool TestE2eKeyboard::Xdo(const QStringList &Arguments, QString *Output) {
    return ::Xdo(FDisplay, Arguments, Output, StartTimeoutMs);
}

bool TestE2eKeyboard::FocusOther() {
    if (!Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), FOtherWindow}))
        return false;
    // The real program tells nothing: the tests wait for the notes its deactivation ends.
    return FReal || !WaitForLine(FProgram, QStringLiteral("active 0")).isEmpty();
}

bool TestE2eKeyboard::FocusMain(bool WasActive) {
    if (!Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), FMainWindow}))
        return false;
    if (FReal) // the server delivers the focus before any key that follows
        return true;
    if (WasActive) {
        Drain(FProgram, 50);
        return true;
    }
    return !WaitForLine(FProgram, QStringLiteral("active 1")).isEmpty();
}

void TestE2eKeyboard::Command(const QString &Line) {
    FProgram.write((Line + QLatin1Char('\n')).toUtf8());
    FProgram.waitForBytesWritten(EventTimeoutMs);
}

QString TestE2eKeyboard::Received(int Count) {
    FPeer->WaitForReceived(size_t(Count), EventTimeoutMs);
    QThread::msleep(SettleMs);
    QStringList out;
    for (const TBytes &m : FPeer->Received())
        out << Hex(m);
    return out.join(QStringLiteral(", "));
}

// --- Tests ----------------------------------------------------------------------------------

void TestE2eKeyboard::lettersPlayTheirNotes() {
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("z"), QStringLiteral("s"),
                 QStringLiteral("x"), QStringLiteral("q")}));
    QCOMPARE(Received(8), Join({NoteOn(Z), NoteOff(Z), NoteOn(S), NoteOff(S), NoteOn(X), NoteOff(X),
                                NoteOn(Q), NoteOff(Q)}));
}

void TestE2eKeyboard::chordTypedWithSeveralKeys() {
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("z"), QStringLiteral("keydown"),
                 QStringLiteral("s"), QStringLiteral("keydown"), QStringLiteral("x"),
                 QStringLiteral("keyup"), QStringLiteral("s"), QStringLiteral("keyup"),
                 QStringLiteral("z"), QStringLiteral("keyup"), QStringLiteral("x")}));
    QCOMPARE(Received(6),
             Join({NoteOn(Z), NoteOn(S), NoteOn(X), NoteOff(S), NoteOff(Z), NoteOff(X)}));
}

void TestE2eKeyboard::fastRepeatedKeys() {
    // 50 keystrokes a second, the same key again and again, then two keys in turn.
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20")};
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        args << QStringLiteral("z");
        expected << NoteOn(Z) << NoteOff(Z);
    }
    for (int i = 0; i < 5; ++i) {
        args << QStringLiteral("c") << QStringLiteral("x");
        expected << NoteOn(C) << NoteOff(C) << NoteOn(X) << NoteOff(X);
    }
    QVERIFY(Xdo(args));
    QCOMPARE(Received(int(expected.size())), Join(expected));
}

void TestE2eKeyboard::heldKeyRepeatsButPlaysOnce() {
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("z"), QStringLiteral("sleep"),
                 QStringLiteral("1.2"), QStringLiteral("keyup"), QStringLiteral("z")}));
    QCOMPARE(Received(2), Join({NoteOn(Z), NoteOff(Z)}));
    if (FReal)
        return;
    Drain(FProgram, 50);
    QVERIFY2(FLines.contains(QStringLiteral("key + 44 repeat")),
             "the X server sent no auto-repeat: the test proves nothing");
}

void TestE2eKeyboard::modifiedKeys() {
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("ctrl+z"), QStringLiteral("alt+z"),
                 QStringLiteral("shift+z")}));
    // The main window plays Shift with 0.6 of the velocity, the test window with 0.5.
    QCOMPARE(Received(2), Join({NoteOn(Z, FReal ? 60 : 50), NoteOff(Z)}));
}

void TestE2eKeyboard::editBoxPlaysAndTypes() {
    if (FReal)
        QSKIP("needs the test window's edit box");
    Command(QStringLiteral("focus edit"));
    QVERIFY(Xdo(
        {QStringLiteral("key"), QStringLiteral("z"), QStringLiteral("q"), QStringLiteral("a")}));
    QCOMPARE(Received(4), Join({NoteOn(Z), NoteOff(Z), NoteOn(Q), NoteOff(Q)}));
    Command(QStringLiteral("text"));
    QCOMPARE(WaitForLine(FProgram, QStringLiteral("text")), QStringLiteral("text zqa"));
}

void TestE2eKeyboard::otherWindowTakesOverHeldKey() {
    if (FReal)
        QSKIP("needs the test window's second window");
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("z")}));
    QVERIFY(FPeer->WaitForReceived(1, EventTimeoutMs));
    Command(QStringLiteral("other"));
    QVERIFY(!WaitForLine(FProgram, QStringLiteral("active 0")).isEmpty());
    // The release goes to the second window; the note ended when the first lost the keys.
    QVERIFY(Xdo({QStringLiteral("keyup"), QStringLiteral("z")}));
    QCOMPARE(Received(2), Join({NoteOn(Z), NoteOff(Z)}));
    Command(QStringLiteral("main"));
    QVERIFY(!WaitForLine(FProgram, QStringLiteral("active 1")).isEmpty());
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("x")}));
    QCOMPARE(Received(4), Join({NoteOn(Z), NoteOff(Z), NoteOn(X), NoteOff(X)}));
}

void TestE2eKeyboard::otherProgramTakesOverHeldKey() {
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("s"), QStringLiteral("keydown"),
                 QStringLiteral("z")}));
    QVERIFY(FPeer->WaitForReceived(2, EventTimeoutMs));
    QVERIFY(FocusOther());
    // The notes end when the window loses the keys; the releases go to the other program.
    QVERIFY(FPeer->WaitForReceived(4, EventTimeoutMs));
    QVERIFY(Xdo({QStringLiteral("keyup"), QStringLiteral("z"), QStringLiteral("keyup"),
                 QStringLiteral("s")}));
    QStringList got = Received(4).split(QStringLiteral(", "));
    QCOMPARE(Join(got.mid(0, 2)), Join({NoteOn(S), NoteOn(Z)}));
    got = got.mid(2);
    std::sort(got.begin(), got.end());
    QCOMPARE(Join(got), Join({NoteOff(Z), NoteOff(S)}));
    QVERIFY(FocusMain(false));
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("x")}));
    QCOMPARE(Received(6).split(QStringLiteral(", ")).mid(4).join(QStringLiteral(", ")),
             Join({NoteOn(X), NoteOff(X)}));
}

void TestE2eKeyboard::comingBackWhileHeldLeavesNoSecondRelease() {
    QVERIFY(Xdo({QStringLiteral("keydown"), QStringLiteral("z")}));
    QVERIFY(FPeer->WaitForReceived(1, EventTimeoutMs));
    QVERIFY(FocusOther());
    QVERIFY(FPeer->WaitForReceived(2, EventTimeoutMs)); // ended on leaving
    QVERIFY(FocusMain(false));
    QVERIFY(Xdo({QStringLiteral("keyup"), QStringLiteral("z")}));
    QCOMPARE(Received(2), Join({NoteOn(Z), NoteOff(Z)}));
}

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    TestE2eKeyboard window(false);
    TestE2eKeyboard program(true);
    const int failedInWindow = QTest::qExec(&window, argc, argv);
    return failedInWindow + QTest::qExec(&program, argc, argv);
}
#include "tst_e2e_keyboard.moc"
