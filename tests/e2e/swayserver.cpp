#include "swayserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace {

const char *const TestUser = "ondrel-test";

void CollectWindows(const QJsonObject &Node, qint64 Pid, QList<QJsonObject> &Found) {
    if (Node.value(QStringLiteral("pid")).toInteger(-1) == Pid)
        Found << Node;
    for (const char *kind : {"nodes", "floating_nodes"})
        for (const QJsonValue &child : Node.value(QLatin1String(kind)).toArray())
            CollectWindows(child.toObject(), Pid, Found);
}

} // namespace

bool TSway::Available() {
    for (const char *tool : {"sway", "swaymsg", "setpriv"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    return true;
}

bool TSway::Start(const QString &Size, int TimeoutMs) {
    const bool root = geteuid() == 0;
    const passwd *user = root ? getpwnam(TestUser) : nullptr;
    if (root && !user) {
        FError = QStringLiteral("sway does not run as root and there is no user \"%1\" to run it "
                                "(./test.sh makes it)")
                     .arg(QLatin1String(TestUser));
        return false;
    }
    FRuntime = std::make_unique<QTemporaryDir>();
    const QString dir = FRuntime->path();
    QFile config(dir + QStringLiteral("/config"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    // One output of the given size; no bar, no wallpaper, nothing but the windows under test.
    config.write(QStringLiteral("output HEADLESS-1 resolution %1\n").arg(Size).toUtf8());
    // Windows float at their own size and place, as on GNOME and KDE: a tiling layout would
    // stretch every window over its tile, which no musician's main desktop does.
    config.write("for_window [app_id=\".*\"] floating enable\n");
    config.close();
    if (root && (chown(QFile::encodeName(dir).constData(), user->pw_uid, user->pw_gid) != 0 ||
                 chown(QFile::encodeName(config.fileName()).constData(), user->pw_uid,
                       user->pw_gid) != 0)) {
        FError = QStringLiteral("cannot hand the runtime folder to %1").arg(TestUser);
        return false;
    }
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    env.insert(QStringLiteral("HOME"), dir);
    FProcess.setProcessEnvironment(env);
    FProcess.setStandardOutputFile(dir + QStringLiteral("/sway.log"));
    FProcess.setStandardErrorFile(dir + QStringLiteral("/sway.log"));
    const QStringList sway{QStandardPaths::findExecutable(QStringLiteral("sway")),
                           QStringLiteral("-c"), config.fileName()};
    if (root)
        FProcess.start(QStandardPaths::findExecutable(QStringLiteral("setpriv")),
                       QStringList{QStringLiteral("--reuid=%1").arg(user->pw_uid),
                                   QStringLiteral("--regid=%1").arg(user->pw_gid),
                                   QStringLiteral("--clear-groups")} +
                           sway);
    else
        FProcess.start(sway.first(), sway.mid(1));
    if (!FProcess.waitForStarted(TimeoutMs)) {
        FError = FProcess.errorString();
        return false;
    }
    QDeadlineTimer deadline(TimeoutMs);
    while (!deadline.hasExpired() && FProcess.state() == QProcess::Running) {
        const QDir d(dir);
        const QStringList sockets = d.entryList({QStringLiteral("wayland-*")}, QDir::System);
        const QStringList ipc = d.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        for (const QString &s : sockets)
            if (!s.endsWith(QLatin1String(".lock")))
                FSocket = d.filePath(s);
        if (!FSocket.isEmpty() && !ipc.isEmpty()) {
            FIpc = d.filePath(ipc.first());
            if (Msg({QStringLiteral("-t"), QStringLiteral("get_version")}))
                return StartKeyboard();
        }
        QThread::msleep(50);
    }
    QFile log(dir + QStringLiteral("/sway.log"));
    log.open(QIODevice::ReadOnly);
    FError = QStringLiteral("sway did not open its socket: ") + QString::fromUtf8(log.readAll());
    return false;
}

bool TSway::StartKeyboard() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), FSocket);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FRuntime->path());
    FKeyboard.setProcessEnvironment(env);
    FKeyboard.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A pause between keys, as a hand makes: a key may open a menu or a box the next one is for.
    FKeyboard.start(QStringLiteral(ONDREL_VKEY), {QStringLiteral("--delay"), QStringLiteral("80")});
    QDeadlineTimer deadline(10000);
    while (!FKeyboard.canReadLine() && !deadline.hasExpired() &&
           FKeyboard.state() != QProcess::NotRunning)
        FKeyboard.waitForReadyRead(100);
    if (FKeyboard.readLine().trimmed() != "ready") {
        FError = QStringLiteral("the virtual keyboard did not start");
        return false;
    }
    return true;
}

void TSway::Stop() {
    if (FKeyboard.state() != QProcess::NotRunning) {
        FKeyboard.closeWriteChannel();
        if (!FKeyboard.waitForFinished(5000))
            FKeyboard.kill();
        FKeyboard.waitForFinished(5000);
    }
    if (FProcess.state() != QProcess::NotRunning) {
        FProcess.terminate();
        if (!FProcess.waitForFinished(5000)) {
            FProcess.kill();
            FProcess.waitForFinished(5000);
        }
    }
    FRuntime.reset();
}

bool TSway::Msg(const QStringList &Arguments, QString *Output) {
    QProcess msg;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SWAYSOCK"), FIpc);
    msg.setProcessEnvironment(env);
    msg.start(QStandardPaths::findExecutable(QStringLiteral("swaymsg")), Arguments);
    if (!msg.waitForFinished(10000)) {
        msg.kill();
        msg.waitForFinished();
        return false;
    }
    if (Output)
        *Output = QString::fromUtf8(msg.readAllStandardOutput());
    return msg.exitStatus() == QProcess::NormalExit && msg.exitCode() == 0;
}

QList<QJsonObject> TSway::Windows(qint64 Pid) {
    QString tree;
    QList<QJsonObject> found;
    if (Msg({QStringLiteral("-t"), QStringLiteral("get_tree")}, &tree))
        CollectWindows(QJsonDocument::fromJson(tree.toUtf8()).object(), Pid, found);
    return found;
}

QSize TSway::OutputSize() {
    QString text;
    if (!Msg({QStringLiteral("-t"), QStringLiteral("get_outputs")}, &text))
        return QSize();
    const QJsonObject rect = QJsonDocument::fromJson(text.toUtf8())
                                 .array()
                                 .first()
                                 .toObject()
                                 .value(QStringLiteral("rect"))
                                 .toObject();
    return QSize(rect.value(QStringLiteral("width")).toInt(),
                 rect.value(QStringLiteral("height")).toInt());
}

bool TSway::Keys(const QStringList &Keys) {
    if (FKeyboard.state() != QProcess::Running)
        return false;
    FKeyboard.write((Keys.join(QLatin1Char(' ')) + QLatin1Char('\n')).toUtf8());
    QDeadlineTimer deadline(20000);
    while (!FKeyboard.canReadLine() && !deadline.hasExpired() &&
           FKeyboard.state() == QProcess::Running)
        FKeyboard.waitForReadyRead(100);
    const QByteArray answer = FKeyboard.readLine().trimmed();
    if (answer != "ok")
        qWarning("the virtual keyboard: %s", answer.constData());
    return answer == "ok";
}
