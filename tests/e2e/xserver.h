#pragma once

// The X side of the end-to-end tests: an Xvfb on a display number of its own (without server
// reset, so a program started right after another one closed can connect) and xdotool against
// it. Every wait is bounded.

#include <QProcess>
#include <QString>
#include <QStringList>

class TXvfb {
public:
    ~TXvfb() { Stop(); }
    // False, with ErrorText() saying why, when Xvfb does not start or tell its display.
    bool Start(int TimeoutMs = 15000);
    void Stop();
    QString Display() const { return FDisplay; }
    QString ErrorText() const { return FError; }

private:
    QProcess FProcess;
    QString FDisplay;
    QString FError;
};

// Whether Xvfb and xdotool are installed.
bool XToolsAvailable();

// Runs xdotool on Display; true when it ended normally with exit code 0. Output, when given,
// receives its standard output trimmed.
bool Xdo(const QString &Display, const QStringList &Arguments, QString *Output = nullptr,
         int TimeoutMs = 15000);
