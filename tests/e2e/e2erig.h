#pragma once

// What the end-to-end tests of the real program share: an Xvfb, a JACK server with a peer
// client, a fresh settings folder per test, and the program started, played and closed as a
// person would. Every wait is bounded.

#include "jackfixture.h"
#include "xserver.h"

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TE2eRig {
public:
    ~TE2eRig() { Stop(); }

    // Starts Xvfb (a screen of ScreenSize), the server "ondrel-e2e-<Tag>-<pid>" and its peer;
    // false with ErrorText().
    bool Start(const QString &Tag, const QString &ScreenSize = QStringLiteral("1024x768"));
    void Stop();
    QString ErrorText() const { return FError; }
    QString Display() const { return FXvfb.Display(); }

    // The JACK server going away and coming back, as a user restarting it would see.
    void StopJack();
    bool StartJack();
    TJackPeer &Peer() { return *FPeer; }

    // A fresh settings folder; Ini, when given, is written as the store before the first start.
    void FreshConfig(const QByteArray &Ini = QByteArray());
    void WriteStore(const QByteArray &Ini);
    // The fresh folder that holds the settings folder, for other files of a test.
    QString Folder() const;
    QString ConfigHome() const; // XDG_CONFIG_HOME
    QString StoreFile() const;
    QString StoreText() const;

    bool Xdo(const QStringList &Arguments, QString *Output = nullptr);
    // Types the xdotool key names one after another into the focused window.
    bool Keys(const QStringList &Keys);
    // The messages that arrived at the peer as hex text ("90 3c 64"), after waiting for at least
    // Count of them and a short time for any more.
    QStringList Received(int Count);
    // Saves the whole screen as FileName (PNG); for a failed test, beside its working folder.
    bool Screenshot(const QString &FileName);
    // When the current test failed: a screenshot named after the test in the working folder,
    // once (programs take it before they end, the test's cleanup when none did).
    void ScreenshotOnFailure();

    static QString Hex(const TBytes &Message);

private:
    TXvfb FXvfb;
    TJackServer FJack;
    QString FJackName;
    std::unique_ptr<TJackPeer> FPeer;
    std::unique_ptr<QTemporaryDir> FHome;
    QString FError;
    QString FLastShot;
};

// One running program on the rig's display and settings folder.
class TE2eProgram {
public:
    explicit TE2eProgram(TE2eRig &Rig) : FRig(Rig) {}
    ~TE2eProgram();

    // Starts the program and waits for its window (the first not already known to Others), then
    // moves and focuses it. Environment entries in Extra override the rig's.
    bool Start(const QStringList &OtherWindows = {},
               const QProcessEnvironment &Extra = QProcessEnvironment());
    // What Start runs (the program when empty) and the title pattern of the window it waits for.
    QString Executable;
    QStringList Arguments;
    QString Title = QStringLiteral("^Ondrel$");
    // Start leaves the standard output a pipe, for a program that reports on it.
    bool ReadOutput = false;
    // Waits for the program's JACK port "Ondrel" (Client, a pattern, matches the JACK client:
    // "Ondrel", or "Ondrel-01" while a client of that name is still closing) and connects it to
    // the peer's input.
    bool ConnectOutput(const QString &Client = QStringLiteral("Ondrel(-[0-9]+)?"));
    // Focuses Window, the program's main window when empty.
    bool Focus(const QString &Window = QString());
    // Clicks the left button at X, Y of Window (the main window when empty).
    bool Click(int X, int Y, const QString &Window = QString());
    // Closes the notice box shown at start-up with Return; false when none appeared.
    bool DismissNotice();
    // Opens the menu with the Alt key Mnemonic, waits until it is shown, then types Keys into
    // it (xdotool key names); true when the menu closed again.
    bool Menu(const QString &Mnemonic, const QStringList &Keys);
    // Closes through File > Exit, as a user does; true when the program ended normally.
    bool Quit();
    // The y (window coordinates) of the lower part of the white keys, found by playing C1 once
    // (its note on and off are taken from the peer). 0 when no click played.
    int FindKeyboardY();

    QString Window() const { return FWindow; }
    // The window's place inside its frame, in screen coordinates.
    QPoint Position();
    // Start leaves the window where it appears instead of moving it to the screen's corner.
    bool KeepPlace = false;
    bool Running() const { return FProcess.state() != QProcess::NotRunning; }
    QProcess &Process() { return FProcess; }
    // What the program wrote to its standard error in its latest run so far.
    QString ErrorOutput();
    // Visible top-level windows of this program's display with the given WM_NAME pattern.
    QStringList Windows(const QString &NamePattern);
    // The first of them once one is shown; empty when none was within TimeoutMs.
    QString WaitForWindow(const QString &NamePattern, int TimeoutMs = 5000);
    // The visible windows of this program (popups and dialogs too).
    QStringList OwnWindows();

private:
    // Visible windows found by one xdotool search option ("--name", "--pid").
    QStringList Search(const QString &Option, const QString &Value);

    TE2eRig &FRig;
    QProcess FProcess;
    QString FWindow;
    QString FStderrFile;
};
