// The real program as a native Wayland client of a headless sway: its windows in the
// compositor's tree, the computer keys of a PC keyboard (the standard US keymap) playing notes
// that arrive at a JACK peer, menus and dialogs opened from the keyboard, and what Wayland does
// not let a program do (keep its window on top, place it) said instead of done, without the
// stored place being lost.

#include "jackfixture.h"
#include "swayserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

QString Msg(int Status, int Data1, int Data2) {
    return QStringLiteral("%1 %2 %3")
        .arg(Status, 2, 16, QChar('0'))
        .arg(Data1, 2, 16, QChar('0'))
        .arg(Data2, 2, 16, QChar('0'));
}

template <typename F> bool WaitFor(F Done, int TimeoutMs = 10000) {
    QDeadlineTimer deadline(TimeoutMs);
    while (!Done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

QString Name(const QJsonObject &Window) {
    return Window.value(QStringLiteral("name")).toString();
}

QRect Rect(const QJsonObject &Window) {
    const QJsonObject r = Window.value(QStringLiteral("rect")).toObject();
    return QRect(r.value(QStringLiteral("x")).toInt(), r.value(QStringLiteral("y")).toInt(),
                 r.value(QStringLiteral("width")).toInt(),
                 r.value(QStringLiteral("height")).toInt());
}

} // namespace

class TestE2eWayland : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void aNativeWaylandWindow();
    void computerKeysPlayNotes_data();
    void computerKeysPlayNotes();
    void menusAndDialogsFromTheKeyboard_data();
    void menusAndDialogsFromTheKeyboard();
    void stayOnTopSaysWhyNot();
    void storedPlaceIsNotLostOnWayland();

private:
    bool StartProgram();
    bool ConnectOutput();
    // The program's window named Title; an empty object when none appeared in time.
    QJsonObject WaitForWindow(const QString &Title, int TimeoutMs = 10000);
    // Ends the program through File > Exit; true when it ended normally.
    bool Quit();
    QString ErrorOutput() const;
    QStringList Received(int Count);
    void WriteStore(const QByteArray &Ini);
    QString StoreText() const;

    TSway FSway;
    TJackServer FJack;
    std::unique_ptr<TJackPeer> FPeer;
    std::unique_ptr<QTemporaryDir> FHome;
    QProcess FProgram;
};

void TestE2eWayland::initTestCase() {
    if (!TSway::Available())
        QSKIP("sway, swaymsg or setpriv is not installed (scripts/deps.sh lists them)");
    QVERIFY2(FSway.Start(), qPrintable(FSway.ErrorText()));
    QVERIFY2(FJack.Start(
                 QStringLiteral("ondrel-e2e-wayland-%1").arg(QCoreApplication::applicationPid())),
             qPrintable(FJack.ErrorText()));
    FPeer = std::make_unique<TJackPeer>(QStringLiteral("ondrel-e2e-peer"));
    QVERIFY(FPeer->IsValid());
}

void TestE2eWayland::cleanupTestCase() {
    FPeer.reset();
    FJack.Stop();
    FSway.Stop();
}

void TestE2eWayland::init() {
    FHome = std::make_unique<QTemporaryDir>();
    // Its own runtime folder, as a user session has one; the socket is named by its full path.
    QFile::setPermissions(FHome->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    WriteStore("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=(none)\n");
}

void TestE2eWayland::cleanup() {
    if (FProgram.state() != QProcess::NotRunning) {
        if (QTest::currentTestFailed())
            qWarning().noquote() << "the program said:" << ErrorOutput();
        FProgram.terminate();
        if (!FProgram.waitForFinished(10000)) {
            FProgram.kill();
            FProgram.waitForFinished(5000);
        }
    }
    FHome.reset();
}

void TestE2eWayland::WriteStore(const QByteArray &Ini) {
    const QString file = FHome->filePath(QStringLiteral("config/Tavrel/Ondrel/ondrel.ini"));
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(Ini);
}

QString TestE2eWayland::StoreText() const {
    QFile f(FHome->filePath(QStringLiteral("config/Tavrel/Ondrel/ondrel.ini")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString TestE2eWayland::ErrorOutput() const {
    QFile f(FHome->filePath(QStringLiteral("stderr.log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool TestE2eWayland::StartProgram() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), FSway.Socket());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FHome->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), FHome->filePath(QStringLiteral("config")));
    FProgram.setProcessEnvironment(env);
    FProgram.setStandardOutputFile(QProcess::nullDevice());
    FProgram.setStandardErrorFile(FHome->filePath(QStringLiteral("stderr.log")));
    FProgram.start(QStringLiteral(ONDREL_PROGRAM), {});
    if (!FProgram.waitForStarted(10000))
        return false;
    if (WaitForWindow(QStringLiteral("Ondrel"), 20000).isEmpty()) {
        qWarning().noquote() << "no window of the program in sway's tree;" << ErrorOutput();
        return false;
    }
    // The version splash closes by itself; the keyboard is then the main window's.
    const bool ready = WaitFor([&] {
        return WaitForWindow(QStringLiteral("About Ondrel"), 0).isEmpty() &&
               WaitForWindow(QStringLiteral("Ondrel"), 0).value(QStringLiteral("focused")).toBool();
    });
    QThread::msleep(300); // the deferred start-up
    return ready;
}

QJsonObject TestE2eWayland::WaitForWindow(const QString &Title, int TimeoutMs) {
    QJsonObject found;
    WaitFor(
        [&] {
            // A dialog's title carries the program's name: "Transpose — Ondrel".
            for (const QJsonObject &w : FSway.Windows(FProgram.processId()))
                if (Name(w) == Title || Name(w).startsWith(Title + QStringLiteral(" \u2014 ")))
                    found = w;
            return !found.isEmpty() || FProgram.state() == QProcess::NotRunning;
        },
        TimeoutMs);
    return found;
}

bool TestE2eWayland::ConnectOutput() {
    QString port;
    WaitFor([&] {
        port = FPeer->FindPort(QStringLiteral("^Ondrel(-[0-9]+)?:Ondrel$"), JackPortIsOutput);
        return !port.isEmpty();
    });
    if (port.isEmpty() || !FPeer->Connect(port, FPeer->InPort()))
        return false;
    FPeer->WaitCycles();
    FPeer->ClearReceived();
    return true;
}

QStringList TestE2eWayland::Received(int Count) {
    FPeer->WaitForReceived(size_t(Count), 5000);
    QThread::msleep(300);
    QStringList out;
    for (const TBytes &m : FPeer->Received())
        out << Msg(m[0], m.size() > 1 ? m[1] : 0, m.size() > 2 ? m[2] : 0);
    return out;
}

bool TestE2eWayland::Quit() {
    // File > Exit from the keyboard, the menu drawn as a Wayland popup.
    if (!FSway.Keys({QStringLiteral("alt+f"), QStringLiteral("sleep:400"), QStringLiteral("x")}))
        return false;
    return FProgram.waitForFinished(15000) && FProgram.exitStatus() == QProcess::NormalExit &&
           FProgram.exitCode() == 0;
}

void TestE2eWayland::aNativeWaylandWindow() {
    QVERIFY(StartProgram());
    const QJsonObject w = WaitForWindow(QStringLiteral("Ondrel"));
    // A client of the compositor itself: there is no X server here for it to fall back on.
    QCOMPARE(w.value(QStringLiteral("shell")).toString(), QStringLiteral("xdg_shell"));
    QCOMPARE(w.value(QStringLiteral("app_id")).toString(), QStringLiteral("org.tavrel.Ondrel"));
    // Shown whole on the output, at the window's own height rather than stretched over it.
    const QRect r = Rect(w);
    const QRect output(QPoint(0, 0), FSway.OutputSize());
    QVERIFY2(
        output.contains(r),
        qPrintable(
            QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
    QVERIFY2(r.height() < output.height() / 2, qPrintable(QString::number(r.height())));
    QVERIFY(Quit());
}

void TestE2eWayland::computerKeysPlayNotes_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("expected");
    // z and q are the C keys of the lower and upper row, at octaves 4 and 5 after a first start;
    // comma is a key whose character differs between layouts, its code does not.
    QTest::newRow("lower and upper row")
        << QStringList{QStringLiteral("z"), QStringLiteral("q"), QStringLiteral("comma")}
        << QStringList{Msg(0x90, 48, 100), Msg(0x90, 48, 0),   Msg(0x90, 60, 100),
                       Msg(0x90, 60, 0),   Msg(0x90, 60, 100), Msg(0x90, 60, 0)};
    QTest::newRow("octave keys") << QStringList{QStringLiteral("F4"), QStringLiteral("z"),
                                                QStringLiteral("F3"), QStringLiteral("F3"),
                                                QStringLiteral("z")}
                                 << QStringList{Msg(0x90, 60, 100), Msg(0x90, 60, 0),
                                                Msg(0x90, 36, 100), Msg(0x90, 36, 0)};
    QTest::newRow("held keys make a chord")
        << QStringList{QStringLiteral("+z"), QStringLiteral("+c"), QStringLiteral("-c"),
                       QStringLiteral("-z")}
        << QStringList{Msg(0x90, 48, 100), Msg(0x90, 52, 100), Msg(0x90, 52, 0), Msg(0x90, 48, 0)};
}

void TestE2eWayland::computerKeysPlayNotes() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, expected);
    QVERIFY(StartProgram());
    QVERIFY(ConnectOutput());
    QVERIFY(FSway.Keys(keys));
    QCOMPARE(Received(int(expected.size())), expected);
    QVERIFY(Quit());
}

void TestE2eWayland::menusAndDialogsFromTheKeyboard_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("close");
    // The transpose window's Escape gives the edit its value back; its Close button closes it.
    QTest::newRow("Options > Transpose by its shortcut")
        << QStringList{QStringLiteral("ctrl+t")} << QStringLiteral("Transpose")
        << QStringLiteral("alt+c");
    QTest::newRow("Options > Chord Editor through the menu")
        << QStringList{QStringLiteral("alt+o"), QStringLiteral("sleep:400"), QStringLiteral("e")}
        << QStringLiteral("Chord Editor") << QStringLiteral("Escape");
    QTest::newRow("Options > Settings through the menu")
        << QStringList{QStringLiteral("alt+o"), QStringLiteral("sleep:400"), QStringLiteral("s")}
        << QStringLiteral("Settings") << QStringLiteral("Escape");
    QTest::newRow("Knobs > Set up by its shortcut")
        << QStringList{QStringLiteral("ctrl+k")} << QStringLiteral("Knob Preset Editor")
        << QStringLiteral("Escape");
}

void TestE2eWayland::menusAndDialogsFromTheKeyboard() {
    QFETCH(QStringList, keys);
    QFETCH(QString, title);
    QFETCH(QString, close);
    QVERIFY(StartProgram());
    const QRect main = Rect(WaitForWindow(QStringLiteral("Ondrel")));
    QVERIFY(FSway.Keys(keys));
    const QJsonObject dialog = WaitForWindow(title);
    QVERIFY2(!dialog.isEmpty(), qPrintable(title + QStringLiteral(" did not open")));
    // A dialog of the main window floats whole on the output, over its parent, and has the
    // keyboard; closed from the keyboard, it gives the keyboard back.
    const QRect r = Rect(dialog);
    QVERIFY(QRect(QPoint(0, 0), FSway.OutputSize()).contains(r));
    QVERIFY(dialog.value(QStringLiteral("type")).toString() == QStringLiteral("floating_con"));
    QVERIFY2(r.center().x() >= main.left() && r.center().x() <= main.right(),
             qPrintable(QStringLiteral("dialog at x %1..%2, window at %3..%4")
                            .arg(r.left())
                            .arg(r.right())
                            .arg(main.left())
                            .arg(main.right())));
    QVERIFY(
        WaitFor([&] { return WaitForWindow(title, 0).value(QStringLiteral("focused")).toBool(); }));
    QVERIFY(FSway.Keys({close}));
    QVERIFY(WaitFor([&] { return WaitForWindow(title, 0).isEmpty(); }));
    QVERIFY(WaitFor([&] {
        return WaitForWindow(QStringLiteral("Ondrel"), 0).value(QStringLiteral("focused")).toBool();
    }));
    QVERIFY(Quit());
}

void TestE2eWayland::stayOnTopSaysWhyNot() {
    QVERIFY(StartProgram());
    // Options > Stay on Top: checked, and the user told that Wayland does not allow it.
    QVERIFY(
        FSway.Keys({QStringLiteral("alt+o"), QStringLiteral("sleep:400"), QStringLiteral("o")}));
    QVERIFY2(WaitFor([&] {
                 return ErrorOutput().contains(
                     QLatin1String("Stay on Top is not available on Wayland"));
             }),
             qPrintable(ErrorOutput()));
    QVERIFY(Quit());
    // The choice is kept for an X11 session, and said again at the next start.
    QVERIFY(StoreText().contains(QLatin1String("StayOnTop=1")));
    QFile::remove(FHome->filePath(QStringLiteral("stderr.log")));
    QVERIFY(StartProgram());
    QVERIFY2(WaitFor([&] {
                 return ErrorOutput().contains(
                     QLatin1String("Stay on Top is not available on Wayland"));
             }),
             qPrintable(ErrorOutput()));
    QVERIFY(Quit());
}

void TestE2eWayland::storedPlaceIsNotLostOnWayland() {
    // A place kept in an X11 session: Wayland cannot use it, the program says so, and closing
    // leaves it for the next X11 session (a window here cannot learn where it is).
    WriteStore("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=(none)\n"
               "[KeyboardForm]\nTop=211\nLeft=307\nWidth=500\n");
    QVERIFY(StartProgram());
    QVERIFY2(WaitFor([&] {
                 return ErrorOutput().contains(
                     QLatin1String("On Wayland the desktop places the window"));
             }),
             qPrintable(ErrorOutput()));
    QVERIFY(Quit());
    const QString store = StoreText();
    QVERIFY2(store.contains(QLatin1String("Top=211")) && store.contains(QLatin1String("Left=307")),
             qPrintable(store));
    // The size is the window's own, kept as on X11.
    QVERIFY2(store.contains(QLatin1String("Width=500")), qPrintable(store));
}

QTEST_GUILESS_MAIN(TestE2eWayland)
#include "tst_e2e_wayland.moc"
