// Real X11 key presses (Xvfb, xdotool) into a window with the piano keyboard; the notes are read
// from its MIDI output port on a JACK server of the test's own. The tests run twice: against a
// test window that reports what it sees and takes commands (edit box, second window), and
// against the real program, where the test window's commands are not at hand. Every wait is
// bounded.

#include "e2erig.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

constexpr int EventTimeoutMs = 5000;

QString NoteOn(int Note, int Velocity = 100) {
    return TE2eRig::Hex({0x90, uint8_t(Note), uint8_t(Velocity)});
}
QString NoteOff(int Note) {
    return TE2eRig::Hex({0x90, uint8_t(Note), 0});
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
    void editBoxTypesOnly();
    void otherWindowTakesOverHeldKey();
    void otherProgramTakesOverHeldKey();
    void comingBackWhileHeldLeavesNoSecondRelease();

private:
    // xdotool commands written as one line ("keydown z keyup z").
    bool Do(const QString &Words) { return FRig.Xdo(Words.split(QLatin1Char(' '))); }
    // The next line of the test window's report that starts with Prefix; empty after TimeoutMs.
    QString WaitForLine(const QString &Prefix, int TimeoutMs = EventTimeoutMs);
    void Drain(int Ms) { WaitForLine(QStringLiteral("\x01"), Ms); } // no line starts so
    // Gives the keyboard focus to the other program and waits until the window noticed.
    bool FocusOther();
    // Gives it back to the window; waits for its activation unless it was active already.
    bool FocusMain(bool WasActive);
    void Command(const QString &Line);

    const bool FReal;
    TE2eRig FRig;
    std::unique_ptr<TE2eProgram> FMain;  // the test window or the real program
    std::unique_ptr<TE2eProgram> FOther; // another program's window, to take the focus
    QStringList FLines;
};

void TestE2eKeyboard::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    if (FReal && !QFile::exists(QStringLiteral(ONDREL_PROGRAM)))
        QSKIP("the program is not built");
    QVERIFY2(FRig.Start(FReal ? QStringLiteral("keys-program") : QStringLiteral("keys-window")),
             qPrintable(FRig.ErrorText()));
    // The real program's output is Ondrel's own port (a first start would take the built-in
    // synthesizer).
    FRig.FreshConfig(FReal ? QByteArray("[MidiDevices]\nMidiOut=Ondrel\n") : QByteArray());
    const auto keyplay = [this](const QString &Title) {
        auto p = std::make_unique<TE2eProgram>(FRig);
        p->Executable = QStringLiteral(ONDREL_KEYPLAY);
        p->Title = Title;
        return p;
    };
    FMain = FReal ? std::make_unique<TE2eProgram>(FRig) : keyplay(QStringLiteral("^Ondrel keys$"));
    FMain->ReadOutput = !FReal;
    if (!FMain->Start())
        QFAIL(FMain->Process().readAll().constData()); // the test window tells why
    QVERIFY(FMain->ConnectOutput());
    FOther = keyplay(QStringLiteral("^Other$"));
    FOther->Arguments = {QStringLiteral("--idle")};
    QVERIFY(FOther->Start());
}

void TestE2eKeyboard::cleanupTestCase() {
    // The test window ends at the end of its input, closing its JACK client as it should.
    if (FMain && !FReal) {
        FMain->Process().closeWriteChannel();
        FMain->Process().waitForFinished(EventTimeoutMs);
    }
    FOther.reset();
    FMain.reset();
    FRig.Stop();
}

void TestE2eKeyboard::init() {
    QVERIFY(FMain->Running());
    if (!FReal)
        Command(QStringLiteral("focus keys"));
    QVERIFY(FocusMain(true));
    FRig.Peer().ClearReceived();
    FLines.clear();
}

void TestE2eKeyboard::cleanup() {
    FRig.ScreenshotOnFailure();
    Drain(20);
    QVERIFY2(!FLines.contains(QStringLiteral("shortcut")), "a played key triggered a shortcut");
}

// --- Helpers --------------------------------------------------------------------------------

QString TestE2eKeyboard::WaitForLine(const QString &Prefix, int TimeoutMs) {
    QProcess &program = FMain->Process();
    QDeadlineTimer deadline(TimeoutMs);
    for (;;) {
        while (program.canReadLine()) {
            const QString line = QString::fromUtf8(program.readLine()).trimmed();
            FLines << line;
            if (line.startsWith(Prefix))
                return line;
        }
        if (deadline.hasExpired() || program.state() != QProcess::Running)
            return {};
        program.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
}

// Both focus changes without the rig's pause after them: a key held meanwhile would start
// repeating.
bool TestE2eKeyboard::FocusOther() {
    if (!Do(QStringLiteral("windowfocus --sync ") + FOther->Window()))
        return false;
    // The real program tells nothing: the tests wait for the notes its deactivation ends.
    return FReal || !WaitForLine(QStringLiteral("active 0")).isEmpty();
}

bool TestE2eKeyboard::FocusMain(bool WasActive) {
    if (!Do(QStringLiteral("windowfocus --sync ") + FMain->Window()))
        return false;
    if (FReal) // the server delivers the focus before any key that follows
        return true;
    if (WasActive) {
        Drain(50);
        return true;
    }
    return !WaitForLine(QStringLiteral("active 1")).isEmpty();
}

void TestE2eKeyboard::Command(const QString &Line) {
    FMain->Process().write((Line + QLatin1Char('\n')).toUtf8());
    FMain->Process().waitForBytesWritten(EventTimeoutMs);
}

// --- Tests ----------------------------------------------------------------------------------

void TestE2eKeyboard::lettersPlayTheirNotes() {
    QVERIFY(Do(QStringLiteral("key z s x q")));
    QCOMPARE(FRig.Received(8), (QStringList{NoteOn(Z), NoteOff(Z), NoteOn(S), NoteOff(S), NoteOn(X),
                                            NoteOff(X), NoteOn(Q), NoteOff(Q)}));
}

void TestE2eKeyboard::chordTypedWithSeveralKeys() {
    QVERIFY(Do(QStringLiteral("keydown z keydown s keydown x keyup s keyup z keyup x")));
    QCOMPARE(FRig.Received(6),
             (QStringList{NoteOn(Z), NoteOn(S), NoteOn(X), NoteOff(S), NoteOff(Z), NoteOff(X)}));
}

void TestE2eKeyboard::fastRepeatedKeys() {
    // 50 keystrokes a second, the same key again and again, then two keys in turn.
    QString keys = QStringLiteral("key --delay 20");
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        keys += QStringLiteral(" z");
        expected << NoteOn(Z) << NoteOff(Z);
    }
    for (int i = 0; i < 5; ++i) {
        keys += QStringLiteral(" c x");
        expected << NoteOn(C) << NoteOff(C) << NoteOn(X) << NoteOff(X);
    }
    QVERIFY(Do(keys));
    QCOMPARE(FRig.Received(int(expected.size())), expected);
}

void TestE2eKeyboard::heldKeyRepeatsButPlaysOnce() {
    QVERIFY(Do(QStringLiteral("keydown z sleep 1.2 keyup z")));
    QCOMPARE(FRig.Received(2), (QStringList{NoteOn(Z), NoteOff(Z)}));
    if (FReal)
        return;
    Drain(50);
    QVERIFY2(FLines.contains(QStringLiteral("key + 44 repeat")),
             "the X server sent no auto-repeat: the test proves nothing");
}

void TestE2eKeyboard::modifiedKeys() {
    QVERIFY(Do(QStringLiteral("key ctrl+z alt+z shift+z")));
    // The main window plays Shift with 0.6 of the velocity, the test window with 0.5.
    QCOMPARE(FRig.Received(2), (QStringList{NoteOn(Z, FReal ? 60 : 50), NoteOff(Z)}));
}

void TestE2eKeyboard::editBoxTypesOnly() {
    if (FReal)
        QSKIP("needs the test window's edit box");
    Command(QStringLiteral("focus edit"));
    QVERIFY(Do(QStringLiteral("key z q a")));
    Command(QStringLiteral("text"));
    QCOMPARE(WaitForLine(QStringLiteral("text")), QStringLiteral("text zqa"));
    QCOMPARE(FRig.Received(0), QStringList{});
}

void TestE2eKeyboard::otherWindowTakesOverHeldKey() {
    if (FReal)
        QSKIP("needs the test window's second window");
    QVERIFY(Do(QStringLiteral("keydown z")));
    QVERIFY(FRig.Peer().WaitForReceived(1, EventTimeoutMs));
    Command(QStringLiteral("other"));
    QVERIFY(!WaitForLine(QStringLiteral("active 0")).isEmpty());
    // The release goes to the second window; the note ended when the first lost the keys.
    QVERIFY(Do(QStringLiteral("keyup z")));
    QCOMPARE(FRig.Received(2), (QStringList{NoteOn(Z), NoteOff(Z)}));
    Command(QStringLiteral("main"));
    QVERIFY(!WaitForLine(QStringLiteral("active 1")).isEmpty());
    QVERIFY(Do(QStringLiteral("key x")));
    QCOMPARE(FRig.Received(4), (QStringList{NoteOn(Z), NoteOff(Z), NoteOn(X), NoteOff(X)}));
}

void TestE2eKeyboard::otherProgramTakesOverHeldKey() {
    QVERIFY(Do(QStringLiteral("keydown s keydown z")));
    QVERIFY(FRig.Peer().WaitForReceived(2, EventTimeoutMs));
    QVERIFY(FocusOther());
    // The notes end when the window loses the keys; the releases go to the other program.
    QVERIFY(FRig.Peer().WaitForReceived(4, EventTimeoutMs));
    QVERIFY(Do(QStringLiteral("keyup z keyup s")));
    QStringList got = FRig.Received(4);
    QCOMPARE(got.mid(0, 2), (QStringList{NoteOn(S), NoteOn(Z)}));
    got = got.mid(2);
    std::sort(got.begin(), got.end());
    QCOMPARE(got, (QStringList{NoteOff(Z), NoteOff(S)}));
    QVERIFY(FocusMain(false));
    QVERIFY(Do(QStringLiteral("key x")));
    QCOMPARE(FRig.Received(6).mid(4), (QStringList{NoteOn(X), NoteOff(X)}));
}

void TestE2eKeyboard::comingBackWhileHeldLeavesNoSecondRelease() {
    QVERIFY(Do(QStringLiteral("keydown z")));
    QVERIFY(FRig.Peer().WaitForReceived(1, EventTimeoutMs));
    QVERIFY(FocusOther());
    QVERIFY(FRig.Peer().WaitForReceived(2, EventTimeoutMs)); // ended on leaving
    QVERIFY(FocusMain(false));
    QVERIFY(Do(QStringLiteral("keyup z")));
    QCOMPARE(FRig.Received(2), (QStringList{NoteOn(Z), NoteOff(Z)}));
}

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    TestE2eKeyboard window(false);
    TestE2eKeyboard program(true);
    const int failedInWindow = QTest::qExec(&window, argc, argv);
    return failedInWindow + QTest::qExec(&program, argc, argv);
}
#include "tst_e2e_keyboard.moc"
