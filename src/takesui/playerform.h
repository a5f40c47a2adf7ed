#pragma once

// File > Play MIDI File: plays a MIDI file, or the last take, to the program's output. A
// position bar to follow and move it, Play/Pause, Stop and Loop, and a handle to drag what is
// loaded out as a .mid file. A file that cannot be played is refused whole with a message that
// says why. Closing the window ends the replay (its notes released).
//
// Threads: the UI thread.

#include "takes/take.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class TTakeDrag;
class TTakeReplay;

class TPlayerForm : public QDialog {
    Q_OBJECT
public:
    TPlayerForm(TTakeReplay &Replay, QWidget *Parent = nullptr);
    ~TPlayerForm() override;

    // The last take (none when nothing was played), for the "Last Take" button.
    std::function<std::optional<TTake>()> LastTake;
    // The folder the file chooser opens in; set to the folder of each file opened.
    QString OpenFolder;
    // A text for the main window's status bar.
    std::function<void(const QString &Text)> OnStatus;

    // Asks for a file and plays it.
    void ChooseFile();
    // Loads the file and plays it; false (said in a message box) when it cannot be played.
    bool PlayFile(const QString &FileName);
    // Loads the last take and plays it; false when there is none.
    bool PlayLastTake();

    QLabel *NameLabel;
    QSlider *PositionBar;
    QLabel *TimeLabel;
    QPushButton *PlayButton;
    QPushButton *StopButton;
    QCheckBox *LoopCheck;
    QPushButton *OpenButton;
    QPushButton *LastTakeButton;
    QLabel *NoteLabel;
    TTakeDrag *DragHandle;

public Q_SLOTS:
    // Closed (Escape, the close button, the program ending): the replay ends.
    void done(int Result) override;

private:
    void Start(std::shared_ptr<const TTake> Take, const QString &Name, const QString &Note);
    void PlayPause();
    void ShowState();
    void ShowPosition(qint64 PositionUs);

    TTakeReplay &FReplay;
    bool FDragging = false;
};
