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
    // False, with ErrorText() saying why, when Xvfb does not start or tell its display. Size:
    // the screen's, "<width>x<height>".
    bool Start(int TimeoutMs = 15000, const QString &Size = QStringLiteral("1024x768"));
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

// Runs the X client Program (xdotool, xprop, xwininfo...) on Display; true when it ended
// normally with exit code 0. Output, when given, receives its standard output trimmed.
bool RunX(const QString &Display, const QString &Program, const QStringList &Arguments,
          QString *Output = nullptr, int TimeoutMs = 15000);
// RunX of xdotool.
bool Xdo(const QString &Display, const QStringList &Arguments, QString *Output = nullptr,
         int TimeoutMs = 15000);
