// The real program under Xvfb: a patch script chosen in "Choose Patch Set" with the keyboard
// becomes the patch set without sending anything, and a drum kit picked from the Patches menu
// arrives at a JACK port as bank select and program change.

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
constexpr int MenuMs = 700;

QString Hex(const TBytes &Message) {
    QStringList bytes;
    for (uint8_t b : Message)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QChar('0'));
    return bytes.join(QLatin1Char(' '));
}

} // namespace

class TestE2ePatches : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void chooseScriptThenDrumKit();

private:
    bool Start();
    bool Xdo(const QStringList &Arguments, QString *Output = nullptr);
    QString FindWindow(const QString &Name, int TimeoutMs);
    bool Keys(const QStringList &Keys);
    QString StoreText() const;

    QTemporaryDir FHome;
    TXvfb FXvfb;
    QString FDisplay;
    TJackServer FJack;
    std::unique_ptr<TJackPeer> FPeer;
    QProcess FProgram;
    QString FWindow;
};

void TestE2ePatches::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY(FHome.isValid());
    QVERIFY2(FXvfb.Start(StartTimeoutMs), qPrintable(FXvfb.ErrorText()));
    FDisplay = FXvfb.Display();
    QVERIFY2(FJack.Start(
                 QStringLiteral("ondrel-e2e-patches-%1").arg(QCoreApplication::applicationPid())),
             qPrintable(FJack.ErrorText()));
    FPeer = std::make_unique<TJackPeer>(QStringLiteral("ondrel-e2e-patches-peer"));
    QVERIFY(FPeer->IsValid());
}

void TestE2ePatches::cleanupTestCase() {
    if (FProgram.state() != QProcess::NotRunning) {
        FProgram.kill();
        FProgram.waitForFinished(EventTimeoutMs);
    }
    FXvfb.Stop();
    FPeer.reset();
    FJack.Stop();
}

bool TestE2ePatches::Xdo(const QStringList &Arguments, QString *Output) {
    return ::Xdo(FDisplay, Arguments, Output, StartTimeoutMs);
}

QString TestE2ePatches::FindWindow(const QString &Name, int TimeoutMs) {
    QDeadlineTimer deadline(TimeoutMs);
    do {
        QString windows;
        if (Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), Name},
                &windows) &&
            !windows.isEmpty())
            return windows.section(QLatin1Char('\n'), 0, 0);
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return {};
}

// Each key on its own, with time for menus to open.
bool TestE2ePatches::Keys(const QStringList &Keys) {
    for (const QString &key : Keys) {
        if (!Xdo({QStringLiteral("key"), key}))
            return false;
        QThread::msleep(MenuMs);
    }
    return true;
}

bool TestE2ePatches::Start() {
    // Ondrel's own port in Midi Out, and a chooser that last showed the folder of the script.
    const QString scripts = FHome.filePath(QStringLiteral("scripts"));
    QDir().mkpath(scripts);
    const QString script = QStringLiteral("%1/resources/patches/Example Workstation.txt")
                               .arg(QStringLiteral(ONDREL_SOURCE));
    if (!QFile::copy(script, scripts + QStringLiteral("/Workstation.txt")))
        return false;
    const QString store = FHome.filePath(QStringLiteral("config/Tavrel/Ondrel/ondrel.ini"));
    QDir().mkpath(QFileInfo(store).absolutePath());
    QFile f(store);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("[MidiDevices]\nMidiOut=Ondrel\n[PatchSetDialog]\nLastPIDL=" + scripts.toUtf8() + "\n");
    f.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FDisplay);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), FHome.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FHome.path());
    env.insert(QStringLiteral("HOME"), FHome.path());
    FProgram.setProcessEnvironment(env);
    FProgram.setProcessChannelMode(QProcess::ForwardedChannels);
    FProgram.start(QStringLiteral(ONDREL_PROGRAM), {});
    if (!FProgram.waitForStarted(StartTimeoutMs))
        return false;
    FWindow = FindWindow(QStringLiteral("^Ondrel$"), StartTimeoutMs);
    if (FWindow.isEmpty()) {
        qWarning() << "the program's window did not appear";
        return false;
    }
    QThread::msleep(500); // the deferred start-up and the first paint
    Xdo({QStringLiteral("windowmove"), FWindow, QStringLiteral("0"), QStringLiteral("0")});
    if (!Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), FWindow}))
        return false;
    QThread::msleep(200);
    const QString pattern = QStringLiteral("^Ondrel[^:]*:Ondrel$");
    QDeadlineTimer deadline(StartTimeoutMs);
    QString port = FPeer->FindPort(pattern, JackPortIsOutput);
    while (port.isEmpty() && !deadline.hasExpired()) {
        QThread::msleep(100);
        port = FPeer->FindPort(pattern, JackPortIsOutput);
    }
    if (port.isEmpty() || !FPeer->Connect(port, FPeer->InPort())) {
        qWarning() << "the program's MIDI port" << port << "did not appear or connect";
        return false;
    }
    FPeer->WaitCycles();
    QThread::msleep(200);
    FPeer->ClearReceived();
    return true;
}

QString TestE2ePatches::StoreText() const {
    QFile f(FHome.filePath(QStringLiteral("config/Tavrel/Ondrel/ondrel.ini")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void TestE2ePatches::chooseScriptThenDrumKit() {
    QVERIFY(Start());
    // Patches > Choose Patch Set...
    QVERIFY(Keys({QStringLiteral("alt+p"), QStringLiteral("c")}));
    const QString chooser = FindWindow(QStringLiteral("^Choose Patch Set$"), EventTimeoutMs);
    QVERIFY2(!chooser.isEmpty(), "the chooser did not appear");
    QVERIFY(Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), chooser}));
    QThread::msleep(SettleMs);
    // The one script is the last entry; Enter on it applies it. Loading sends nothing.
    QVERIFY(Keys({QStringLiteral("End"), QStringLiteral("Return")}));
    QThread::msleep(SettleMs);
    QVERIFY(FPeer->Received().empty());
    QVERIFY(Keys({QStringLiteral("Escape")}));
    QVERIFY(FindWindow(QStringLiteral("^Choose Patch Set$"), 300).isEmpty());

    // Patches > Drums > Kits > the first kit (sorted: "Analog 808", program 26, bank 120/0).
    QVERIFY(Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), FWindow}));
    QThread::msleep(SettleMs);
    QVERIFY(Keys({QStringLiteral("alt+p"), QStringLiteral("Down"), QStringLiteral("Right"),
                  QStringLiteral("Right"), QStringLiteral("Return")}));
    QVERIFY(FPeer->WaitForReceived(3, EventTimeoutMs));
    QThread::msleep(SettleMs);
    QStringList got;
    for (const TBytes &m : FPeer->Received())
        got << Hex(m);
    QCOMPARE(got, (QStringList{QStringLiteral("b0 00 78"), QStringLiteral("b0 20 00"),
                               QStringLiteral("c0 19")}));

    // File > Exit keeps the script and the patch for the next start.
    for (int attempt = 0; attempt < 5 && FProgram.state() != QProcess::NotRunning; ++attempt) {
        Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), FWindow});
        Keys({QStringLiteral("Escape"), QStringLiteral("alt+f"), QStringLiteral("x")});
        FProgram.waitForFinished(3000);
    }
    QCOMPARE(FProgram.state(), QProcess::NotRunning);
    const QString store = StoreText();
    QVERIFY2(store.contains(QStringLiteral("Workstation.txt")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("Drums\\\\Kits\\\\Analog 808")) ||
                 store.contains(QStringLiteral("Drums\\Kits\\Analog 808")),
             qPrintable(store));
}

QTEST_GUILESS_MAIN(TestE2ePatches)
#include "tst_e2e_patches.moc"
