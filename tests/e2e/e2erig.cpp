#include "e2erig.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

namespace {

constexpr int StartTimeoutMs = 20000;
constexpr int EventTimeoutMs = 5000;
constexpr int SettleMs = 300;

// Polls Done every 50 ms until it holds or TimeoutMs passed.
template <typename F> bool WaitFor(F Done, int TimeoutMs) {
    QDeadlineTimer deadline(TimeoutMs);
    while (!Done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

} // namespace

// --- TE2eRig -------------------------------------------------------------------------------------

bool TE2eRig::Start(const QString &Tag, const QString &ScreenSize) {
    if (!FXvfb.Start(StartTimeoutMs, ScreenSize)) {
        FError = FXvfb.ErrorText();
        return false;
    }
    FJackName = QStringLiteral("ondrel-e2e-%1-%2").arg(Tag).arg(QCoreApplication::applicationPid());
    return StartJack();
}

void TE2eRig::Stop() {
    FXvfb.Stop();
    StopJack();
}

void TE2eRig::StopJack() {
    FPeer.reset();
    FJack.Stop();
}

bool TE2eRig::StartJack() {
    if (!FJack.Start(FJackName)) {
        FError = FJack.ErrorText();
        return false;
    }
    FPeer = std::make_unique<TJackPeer>(QStringLiteral("ondrel-e2e-peer"));
    if (!FPeer->IsValid()) {
        FError = QStringLiteral("the peer client did not open");
        return false;
    }
    return true;
}

void TE2eRig::FreshConfig(const QByteArray &Ini) {
    FHome = std::make_unique<QTemporaryDir>();
    if (!Ini.isEmpty())
        WriteStore(Ini);
}

void TE2eRig::WriteStore(const QByteArray &Ini) {
    QDir().mkpath(QFileInfo(StoreFile()).absolutePath());
    QFile f(StoreFile());
    if (f.open(QIODevice::WriteOnly))
        f.write(Ini);
}

QString TE2eRig::Folder() const {
    return FHome->path();
}

QString TE2eRig::ConfigHome() const {
    return FHome->filePath(QStringLiteral("config"));
}

QString TE2eRig::StoreFile() const {
    return ConfigHome() + QStringLiteral("/Tavrel/Ondrel/ondrel.ini");
}

QString TE2eRig::StoreText() const {
    QFile f(StoreFile());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool TE2eRig::Xdo(const QStringList &Arguments, QString *Output) {
    return ::Xdo(Display(), Arguments, Output, StartTimeoutMs);
}

bool TE2eRig::Keys(const QStringList &Keys) {
    // A pause between keys, as a hand makes: a key may open a menu or a box the next one is for.
    return Xdo(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")} +
               Keys);
}

QString TE2eRig::Hex(const TBytes &Message) {
    QStringList bytes;
    for (uint8_t b : Message)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QChar('0'));
    return bytes.join(QLatin1Char(' '));
}

QStringList TE2eRig::Received(int Count) {
    FPeer->WaitForReceived(size_t(Count), EventTimeoutMs);
    QThread::msleep(SettleMs);
    QStringList out;
    for (const TBytes &m : FPeer->Received())
        out << Hex(m);
    return out;
}

bool TE2eRig::Screenshot(const QString &FileName) {
    QProcess import;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), Display());
    import.setProcessEnvironment(env);
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-window"), QStringLiteral("root"), FileName});
    return import.waitForFinished(StartTimeoutMs) && import.exitCode() == 0;
}

void TE2eRig::ScreenshotOnFailure() {
    if (!QTest::currentTestFailed())
        return;
    QString name = QStringLiteral("%1-%2").arg(
        QFileInfo(QString::fromLocal8Bit(QTest::currentAppName())).fileName(),
        QString::fromLatin1(QTest::currentTestFunction()));
    if (const char *row = QTest::currentDataTag())
        name += QLatin1Char('-') + QString::fromUtf8(row);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("_"));
    const QString file = QDir::current().absoluteFilePath(name + QStringLiteral(".png"));
    if (file == FLastShot)
        return; // taken while the program still ran
    FLastShot = file;
    if (Screenshot(file))
        qWarning("screenshot of the failure: %s", qPrintable(file));
}

// --- TE2eProgram ---------------------------------------------------------------------------------

TE2eProgram::~TE2eProgram() {
    if (QTest::currentTestFailed())
        qWarning().noquote() << "PROGRAM STDERR:" << ErrorOutput() << "running" << Running();
    // Ended the normal way (SIGTERM closes the window): a killed JACK client keeps the server
    // busy for a while, and the next program would wait for it.
    if (Running()) {
        FRig.ScreenshotOnFailure();
        FProcess.terminate();
        if (!FProcess.waitForFinished(StartTimeoutMs)) {
            FProcess.kill();
            FProcess.waitForFinished(EventTimeoutMs);
        }
    }
}

QStringList TE2eProgram::Search(const QString &Option, const QString &Value) {
    QString found;
    FRig.Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), Option, Value}, &found);
    return found.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList TE2eProgram::Windows(const QString &NamePattern) {
    return Search(QStringLiteral("--name"), NamePattern);
}

QStringList TE2eProgram::OwnWindows() {
    return Search(QStringLiteral("--pid"), QString::number(FProcess.processId()));
}

QString TE2eProgram::WaitForWindow(const QString &NamePattern, int TimeoutMs) {
    QStringList found;
    WaitFor(
        [&] {
            found = Windows(NamePattern);
            return !found.isEmpty();
        },
        TimeoutMs);
    return found.value(0);
}

bool TE2eProgram::Start(const QStringList &OtherWindows, const QProcessEnvironment &Extra) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FRig.Display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), FRig.ConfigHome());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FRig.Folder());
    for (const QString &key : Extra.keys())
        env.insert(key, Extra.value(key));
    FProcess.setProcessEnvironment(env);
    // Into a file: a pipe nobody reads while the test waits could fill up and stop the program.
    static int started = 0;
    FStderrFile = FRig.Folder() + QStringLiteral("/stderr-%1.log").arg(++started);
    if (!ReadOutput)
        FProcess.setStandardOutputFile(QProcess::nullDevice());
    FProcess.setStandardErrorFile(FStderrFile);
    FWindow.clear();
    FProcess.start(Executable.isEmpty() ? QStringLiteral(ONDREL_PROGRAM) : Executable, Arguments);
    if (!FProcess.waitForStarted(StartTimeoutMs))
        return false;
    const bool shown = WaitFor(
        [&] {
            // The first new one: a notice box shown at start-up has the same title.
            for (const QString &w : Windows(Title))
                if (!OtherWindows.contains(w) &&
                    (FWindow.isEmpty() || w.toULongLong() < FWindow.toULongLong()))
                    FWindow = w;
            return !FWindow.isEmpty() || !Running();
        },
        StartTimeoutMs);
    if (!shown || FWindow.isEmpty()) {
        qWarning() << "the program's window did not appear; running:" << Running()
                   << "exit code:" << FProcess.exitCode() << ErrorOutput();
        return false;
    }
    QThread::msleep(500); // the deferred start-up and the first paint
    if (!KeepPlace)
        FRig.Xdo({QStringLiteral("windowmove"), FWindow, QStringLiteral("0"), QStringLiteral("0")});
    return Focus();
}

QPoint TE2eProgram::Position() {
    QString text;
    if (!FRig.Xdo({QStringLiteral("getwindowgeometry"), FWindow}, &text))
        return QPoint(-1, -1);
    // "Position: 200,150 (screen: 0)"
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Position: (-?\\d+),(-?\\d+)")).match(text);
    return m.hasMatch() ? QPoint(m.captured(1).toInt(), m.captured(2).toInt()) : QPoint(-1, -1);
}

bool TE2eProgram::DismissNotice() {
    QString box;
    const auto find = [&] {
        box.clear();
        for (const QString &w : OwnWindows())
            if (w != FWindow)
                box = w;
        return !box.isEmpty();
    };
    if (!WaitFor(find, EventTimeoutMs)) {
        qWarning() << "no notice box appeared";
        return false;
    }
    const QString shown = box;
    for (int attempt = 0; attempt < 3 && find() && box == shown; ++attempt) {
        FRig.Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), shown});
        QThread::msleep(200);
        FRig.Xdo({QStringLiteral("key"), QStringLiteral("Return")});
        WaitFor([&] { return !find() || box != shown; }, 2000);
    }
    return (!find() || box != shown) && Focus();
}

bool TE2eProgram::Focus(const QString &Window) {
    const QString window = Window.isEmpty() ? FWindow : Window;
    if (!FRig.Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})) {
        qWarning() << "the window" << window << "took no focus";
        return false;
    }
    QThread::msleep(200);
    return true;
}

bool TE2eProgram::Click(int X, int Y, const QString &Window) {
    return FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"),
                     Window.isEmpty() ? FWindow : Window, QString::number(X), QString::number(Y),
                     QStringLiteral("click"), QStringLiteral("1")});
}

bool TE2eProgram::ConnectOutput(const QString &Client) {
    const QString pattern = QStringLiteral("^%1:Ondrel$").arg(Client);
    QString port;
    WaitFor(
        [&] {
            port = FRig.Peer().FindPort(pattern, JackPortIsOutput);
            return !port.isEmpty();
        },
        StartTimeoutMs);
    if (port.isEmpty() || !FRig.Peer().Connect(port, FRig.Peer().InPort())) {
        qWarning() << "the program's MIDI port" << pattern << "did not appear or connect";
        return false;
    }
    FRig.Peer().WaitCycles();
    FRig.Peer().ClearReceived();
    return true;
}

bool TE2eProgram::Menu(const QString &Mnemonic, const QStringList &Keys) {
    // A popup menu is a window of its own: keys typed before it is mapped and has grabbed the
    // keyboard go to the main window instead. So wait for it, and for it to go again. It is
    // told by its id, not by a count: the splash closes on its own meanwhile.
    const QStringList before = OwnWindows();
    QString popup;
    for (int attempt = 0; attempt < 3; ++attempt) {
        Focus();
        FRig.Xdo({QStringLiteral("key"), QStringLiteral("alt+") + Mnemonic});
        const auto opened = [&] {
            for (const QString &w : OwnWindows())
                if (!before.contains(w))
                    popup = w;
            return !popup.isEmpty();
        };
        if (!WaitFor(opened, 3000))
            continue; // the Alt key went astray (a focus change under way): again
        QThread::msleep(100);
        FRig.Keys(Keys);
        return WaitFor([&] { return !Running() || !OwnWindows().contains(popup); }, EventTimeoutMs);
    }
    qWarning() << "the menu" << Mnemonic << "did not open";
    return false;
}

bool TE2eProgram::Quit() {
    if (!Menu(QStringLiteral("f"), {QStringLiteral("x")}))
        return false;
    const bool ended = FProcess.waitForFinished(StartTimeoutMs);
    FWindow.clear();
    if (ended && FProcess.exitStatus() == QProcess::NormalExit && FProcess.exitCode() == 0)
        return true;
    qWarning() << "the program did not end normally: ended" << ended << "status"
               << FProcess.exitStatus() << "code" << FProcess.exitCode() << ErrorOutput();
    return false;
}

int TE2eProgram::FindKeyboardY() {
    // The menu bar's height varies with the font: find the keyboard by playing C1 (x 87).
    for (int y = 150; y <= 210; y += 3) {
        Click(87, y);
        if (FRig.Peer().WaitForReceived(2, 200)) {
            QThread::msleep(300);
            FRig.Peer().ClearReceived();
            return y;
        }
    }
    return 0;
}

QString TE2eProgram::ErrorOutput() {
    QFile f(FStderrFile);
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}
