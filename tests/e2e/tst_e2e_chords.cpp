// The real program under Xvfb: a chord defined in the chord editor with real clicks and keys,
// chosen in the chord box, and played by one click on the main keyboard; its notes are read
// from a JACK server of the test's own. Every wait is bounded.

#include "jackfixture.h"
#include "keyboardmodel.h"
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

// Where the chord editor's controls sit in its window.
constexpr QPoint EditorKeyboard(8, 250);
constexpr int EditorKeyboardWidth = 593;
constexpr int EditorKeyboardHeight = 41;
constexpr int ButtonsY = 306 + 12;
constexpr int NewX = 8 + 37;
constexpr int EditX = 176 + 37;
constexpr int OkX = 365 + 37;

QString Hex(const TBytes &Message) {
    QStringList bytes;
    for (uint8_t b : Message)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QChar('0'));
    return bytes.join(QLatin1Char(' '));
}

} // namespace

class TestE2eChords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void defineChooseAndPlay();

private:
    bool Xdo(const QStringList &Arguments, QString *Output = nullptr);
    QString WaitForWindow(const QString &NamePattern);
    bool WindowShown(const QString &NamePattern);
    bool Click(const QString &Window, int X, int Y);
    QStringList Received(int Count);

    QTemporaryDir FHome;
    TXvfb FXvfb;
    QString FDisplay;
    TJackServer FJack;
    std::unique_ptr<TJackPeer> FPeer;
    QProcess FProgram;
};

void TestE2eChords::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY(FHome.isValid());
    QVERIFY2(FXvfb.Start(StartTimeoutMs), qPrintable(FXvfb.ErrorText()));
    FDisplay = FXvfb.Display();
    QVERIFY2(
        FJack.Start(QStringLiteral("ondrel-e2e-chords-%1").arg(QCoreApplication::applicationPid())),
        qPrintable(FJack.ErrorText()));
    FPeer = std::make_unique<TJackPeer>(QStringLiteral("ondrel-e2e-chords-peer"));
    QVERIFY(FPeer->IsValid());
}

void TestE2eChords::cleanupTestCase() {
    if (FProgram.state() != QProcess::NotRunning) {
        FProgram.kill();
        FProgram.waitForFinished(EventTimeoutMs);
    }
    FXvfb.Stop();
    FPeer.reset();
    FJack.Stop();
}

bool TestE2eChords::Xdo(const QStringList &Arguments, QString *Output) {
    return ::Xdo(FDisplay, Arguments, Output, StartTimeoutMs);
}

QString TestE2eChords::WaitForWindow(const QString &NamePattern) {
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!deadline.hasExpired()) {
        QString windows;
        if (Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), NamePattern},
                &windows) &&
            !windows.isEmpty())
            return windows.section(QLatin1Char('\n'), 0, 0);
        QThread::msleep(100);
    }
    return {};
}

bool TestE2eChords::WindowShown(const QString &NamePattern) {
    QString windows;
    return Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                NamePattern},
               &windows) &&
           !windows.isEmpty();
}

bool TestE2eChords::Click(const QString &Window, int X, int Y) {
    const bool ok =
        Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), Window, QString::number(X),
             QString::number(Y), QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(150);
    return ok;
}

QStringList TestE2eChords::Received(int Count) {
    FPeer->WaitForReceived(size_t(Count), EventTimeoutMs);
    QThread::msleep(SettleMs);
    QStringList out;
    for (const TBytes &m : FPeer->Received())
        out << Hex(m);
    return out;
}

void TestE2eChords::defineChooseAndPlay() {
    // Output to Ondrel's own port, so the notes can be read from it.
    const QString storeFile = FHome.filePath(QStringLiteral("config/Tavrel/Ondrel/ondrel.ini"));
    QDir().mkpath(QFileInfo(storeFile).absolutePath());
    {
        QFile f(storeFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
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
    QVERIFY(FProgram.waitForStarted(StartTimeoutMs));
    const QString main = WaitForWindow(QStringLiteral("^Ondrel$"));
    QVERIFY2(!main.isEmpty(), "the program's window did not appear");
    QThread::msleep(500); // the deferred start-up and the first paint
    Xdo({QStringLiteral("windowmove"), main, QStringLiteral("0"), QStringLiteral("0")});
    QVERIFY(Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main}));
    QThread::msleep(200);
    const QString pattern = QStringLiteral("^Ondrel[^:]*:Ondrel$");
    QDeadlineTimer deadline(StartTimeoutMs);
    QString port = FPeer->FindPort(pattern, JackPortIsOutput);
    while (port.isEmpty() && !deadline.hasExpired()) {
        QThread::msleep(100);
        port = FPeer->FindPort(pattern, JackPortIsOutput);
    }
    QVERIFY(FPeer->Connect(port, FPeer->InPort()));
    QThread::msleep(200);

    // The main keyboard's first key is C1 (36); the menu bar's height varies with the font,
    // so find the keyboard by playing it.
    int clickY = 0;
    for (int y = 150; y <= 200 && clickY == 0; y += 2) {
        FPeer->ClearReceived();
        QVERIFY(Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), main,
                     QStringLiteral("87"), QString::number(y), QStringLiteral("click"),
                     QStringLiteral("1")}));
        if (FPeer->WaitForReceived(2, 150))
            clickY = y;
    }
    QVERIFY2(clickY > 0, "no click on the keyboard played a note");
    QThread::msleep(SettleMs);

    // Options > Chord Editor by its shortcut.
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("ctrl+e")}));
    const QString editor = WaitForWindow(QStringLiteral("^Chord Editor$"));
    QVERIFY2(!editor.isEmpty(), "Ctrl+E opened no chord editor");
    QThread::msleep(300);
    QVERIFY(Click(editor, NewX, ButtonsY));
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("ctrl+a")}));
    QVERIFY(Xdo({QStringLiteral("type"), QStringLiteral("Sus2")}));
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("Return")}));
    QThread::msleep(200);
    QVERIFY(Click(editor, EditX, ButtonsY));

    // The editor's keyboard: key width 10 from note 10 on.
    TKeyboardModel geometry;
    geometry.SetKeyWidth(10);
    geometry.SetBounds(EditorKeyboardWidth, EditorKeyboardHeight);
    geometry.SetBaseNote(10);
    for (int note : {60, 62, 67}) {
        const int x = geometry.KeyLeft(note) - geometry.ScrollOffset() +
                      geometry.KeyPixelWidth(note) / 2 + EditorKeyboard.x();
        QVERIFY(Click(editor, x, EditorKeyboard.y() + EditorKeyboardHeight - 4));
    }
    FPeer->ClearReceived();
    QVERIFY(Click(editor, OkX, ButtonsY));
    QTRY_VERIFY_WITH_TIMEOUT(!WindowShown(QStringLiteral("^Chord Editor$")), EventTimeoutMs);
    QVERIFY(FProgram.state() == QProcess::Running);

    // Home steps back from "None" to the last entry of the chord box: the new chord.
    QVERIFY(Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main}));
    QThread::msleep(200);
    QVERIFY(Xdo({QStringLiteral("key"), QStringLiteral("Home")}));
    QThread::msleep(200);
    FPeer->ClearReceived();
    QVERIFY(
        Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), main, QStringLiteral("87"),
             QString::number(clickY), QStringLiteral("click"), QStringLiteral("1")}));
    QCOMPARE(Received(6),
             (QStringList{"90 24 64", "90 26 64", "90 2b 64", "90 24 00", "90 26 00", "90 2b 00"}));

    QFile f(storeFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString store = QString::fromUtf8(f.readAll());
    QVERIFY2(store.contains(QStringLiteral("Name1=Sus2")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("Chord1=3C0207")), qPrintable(store));
}

QTEST_GUILESS_MAIN(TestE2eChords)
#include "tst_e2e_chords.moc"
