#pragma once

// The main window's takes: the always-on capture of its output, File > Save Last Take and File >
// Play MIDI File, the replay's notes on the keyboard, and the take settings in the store. The
// main window links it to its output in one place and stops the replay before a Panic, before
// the output closes and when it closes itself.
//
// Threads: the UI thread.

#include "takes/take.h"
#include "takes/takesettings.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QWidget;
class TCustomIniFile;
class TKeyboardModel;
class TSourceHost;
class TMidiRouter;
class TPlayerForm;
class TSaveTakeForm;
class TTakeRecorder;
class TTakeReplay;

class TMainTakes : public QObject {
    Q_OBJECT
public:
    TMainTakes(QWidget &Window, TMidiRouter &Router, TKeyboardModel &Keyboard);
    ~TMainTakes() override;

    // Adds "Save Last Take..." and "Play MIDI File..." to the File menu.
    void AddMenuItems(QMenu &File);
    // The output everything leaves through: captured, and where replays play. Null before the
    // output goes away.
    void SetOutput(TSourceHost *Output);
    // Ends a replay, releasing its notes (Panic, a device closing).
    void StopReplay();
    // The window closes: the replay ends and the take windows close.
    void Close();

    void ReadSettings(const TCustomIniFile &Store);
    void WriteSettings(TCustomIniFile &Store) const;
    const TTakeSettings &Settings() const { return FSettings; }

    // The last take as the settings cut it; none when nothing was played.
    std::optional<TTake> LastTake() const;
    void ShowSaveLastTake();
    void ShowPlayer(bool ChooseFile);

    TTakeRecorder &Recorder() const { return *FRecorder; }
    TTakeReplay &Replay() const { return *FReplay; }
    // The open windows, null while closed.
    TSaveTakeForm *SaveForm() const;
    TPlayerForm *Player() const;
    QAction *SaveAction() const { return FSaveAction; }
    QAction *PlayAction() const { return FPlayAction; }

    // Told what to show in the status bar.
    std::function<void(const QString &Text)> OnStatus;

private:
    void ApplySettings();

    QWidget &FWindow;
    TMidiRouter &FRouter;
    TKeyboardModel &FKeyboard;
    TTakeSettings FSettings;
    std::unique_ptr<TTakeRecorder> FRecorder;
    std::unique_ptr<TTakeReplay> FReplay;
    QPointer<TSaveTakeForm> FSaveForm;
    QPointer<TPlayerForm> FPlayer;
    QAction *FSaveAction = nullptr;
    QAction *FPlayAction = nullptr;
};
