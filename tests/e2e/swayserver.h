#pragma once

// A headless sway (wlroots, WLR_BACKENDS=headless) for the Wayland end-to-end tests, its window
// tree read through swaymsg, and keys typed through ondrel_vkey's virtual keyboard. Sway refuses
// to run as root: under root it runs as the unprivileged user "ondrel-test" (test.sh makes it)
// in a runtime folder of that user's, and the programs under test, root or not, reach its
// socket by its full path. Every wait is bounded.

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TSway {
public:
    ~TSway() { Stop(); }

    // Whether sway, swaymsg and setpriv are installed.
    static bool Available();
    // False, with ErrorText() saying why, when sway does not start or open its socket.
    bool Start(const QString &Size = QStringLiteral("1024x768"), int TimeoutMs = 15000);
    void Stop();
    QString ErrorText() const { return FError; }
    // The full path of the Wayland socket: WAYLAND_DISPLAY for a client.
    QString Socket() const { return FSocket; }

    // Runs swaymsg with Arguments; true on exit code 0.
    bool Msg(const QStringList &Arguments, QString *Output = nullptr);
    // The windows of the tree (tiled and floating) whose pid is Pid, in tree order; each
    // object as swaymsg tells it ("name", "app_id", "rect", "shell", "focused"...).
    QList<QJsonObject> Windows(qint64 Pid);
    // The output's size.
    QSize OutputSize();
    // Types Keys (ondrel_vkey names: "z", "ctrl+t", "alt+o") into the focused window.
    bool Keys(const QStringList &Keys);

private:
    // The one virtual keyboard of the run, made before any window is there: a keyboard made
    // later would reach a window with its first key held already, which a client ignores.
    bool StartKeyboard();
    QProcess FProcess;
    QProcess FKeyboard;
    std::unique_ptr<QTemporaryDir> FRuntime;
    QString FSocket;
    QString FIpc;
    QString FError;
};
