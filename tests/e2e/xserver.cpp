#include "xserver.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>

bool XToolsAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

bool TXvfb::Start(int TimeoutMs, const QString &Size) {
    FProcess.start(QStandardPaths::findExecutable(QStringLiteral("Xvfb")),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), Size + QStringLiteral("x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!FProcess.waitForStarted(TimeoutMs)) {
        FError = FProcess.errorString();
        return false;
    }
    QDeadlineTimer deadline(TimeoutMs);
    while (!FProcess.canReadLine() && !deadline.hasExpired() &&
           FProcess.state() == QProcess::Running)
        FProcess.waitForReadyRead(int(deadline.remainingTime()));
    const QString number = QString::fromUtf8(FProcess.readLine()).trimmed();
    if (number.isEmpty()) {
        FError = QStringLiteral("Xvfb did not tell its display");
        return false;
    }
    FDisplay = QStringLiteral(":") + number;
    return true;
}

void TXvfb::Stop() {
    if (FProcess.state() == QProcess::NotRunning)
        return;
    FProcess.terminate();
    if (!FProcess.waitForFinished(5000)) {
        FProcess.kill();
        FProcess.waitForFinished(5000);
    }
}

bool Xdo(const QString &Display, const QStringList &Arguments, QString *Output, int TimeoutMs) {
    return RunX(Display, QStringLiteral("xdotool"), Arguments, Output, TimeoutMs);
}

bool RunX(const QString &Display, const QString &Program, const QStringList &Arguments,
          QString *Output, int TimeoutMs) {
    QProcess xdo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), Display);
    xdo.setProcessEnvironment(env);
    const QString path = QStandardPaths::findExecutable(Program);
    if (path.isEmpty())
        return false;
    xdo.start(path, Arguments);
    if (!xdo.waitForFinished(TimeoutMs)) {
        xdo.kill();
        xdo.waitForFinished();
        return false;
    }
    if (Output)
        *Output = QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
    return xdo.exitStatus() == QProcess::NormalExit && xdo.exitCode() == 0;
}
