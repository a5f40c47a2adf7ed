#pragma once

// A take or a MIDI file played to the program's output: play, pause, stop, a position to go to,
// a loop. The timing is the output's (the player is its period source); this object starts and
// stops it on the UI thread. Whoever stops the replay (pause, stop, Panic, a device that
// closes, the window closing) gets no stuck note: the note-offs the replay owes are sent at once
// through Release. The notes it plays are shown through ShowNote while they sound.
//
// Threads: a QObject of the UI thread.

#include "takes/take.h"
#include "takes/takeplayer.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QTimer;
class TSourceHost;
class TWakeup;

class TTakeReplay : public QObject {
    Q_OBJECT
public:
    enum class TState { Stopped, Playing, Paused };

    explicit TTakeReplay(QObject *Parent = nullptr);
    ~TTakeReplay() override;

    // Where it plays; a change stops what plays on the previous output first. Null for none.
    void SetOutput(TSourceHost *Output);
    TSourceHost *Output() const { return FOutput; }
    // How the notes it owes leave when it is stopped (the router's send, so that the take
    // captures them too), and how a played note is shown (velocity 0: it ended).
    std::function<void(const uint8_t *Data, size_t Size)> Release;
    std::function<void(int Note, int Velocity)> ShowNote;

    // What to play, stopped at its start.
    void Load(std::shared_ptr<const TTake> Take, const QString &Name);
    std::shared_ptr<const TTake> Take() const { return FTake; }
    QString Name() const { return FName; }

    TState State() const { return FState; }
    bool IsPlaying() const { return FState == TState::Playing; }
    // From the position it stands at; false (nothing changes) without a take or an open output.
    bool Play();
    void Pause();
    // Ends the replay and goes back to the start.
    void Stop();
    // Goes to PositionUs; a playing replay goes on from there.
    void Seek(int64_t PositionUs);
    int64_t PositionUs() const;
    bool Loop() const { return FPlayer.Loop(); }
    // The player on the output's thread, for the capture to know the replay's echo.
    TTakePlayer &Player() { return FPlayer; }
    void SetLoop(bool Value) { FPlayer.SetLoop(Value); }

Q_SIGNALS:
    void StateChanged();
    // While playing, a few times a second, and at each change.
    void PositionChanged(qint64 PositionUs);

private:
    // Takes the player off the output and sends what it owes; keeps its position.
    void Halt();
    void Woken();
    void ShowReported();
    void SetState(TState Value);

    TSourceHost *FOutput = nullptr;
    std::shared_ptr<const TTake> FTake;
    QString FName;
    TWakeup *FWakeup = nullptr;
    TTakePlayer FPlayer;
    QTimer *FTicker = nullptr;
    TState FState = TState::Stopped;
    int64_t FPositionUs = 0;
    // The notes shown, counted per key, to darken when the replay stops.
    std::array<int, 128> FLit{};
};
