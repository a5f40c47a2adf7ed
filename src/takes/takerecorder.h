#pragma once

// The always-on capture: a tap on the program's output hands every message that leaves, with
// the time it left, through a lock-free ring to the UI thread, which keeps it in the take store
// (the last 30 minutes, within the memory cap). Nothing is asked of the user to record; the last
// take is there to save or replay.
//
// Threads: a QObject of the UI thread; only the tap (Tap) is used on the output's thread.

#include "takes/capturering.h"
#include "takes/takeplayer.h"
#include "takes/takestore.h"

#include <QObject>

#include <cstdint>
#include <deque>

class TSourceHost;
class TWakeup;

class TTakeRecorder : public QObject {
    Q_OBJECT
public:
    explicit TTakeRecorder(QObject *Parent = nullptr);
    ~TTakeRecorder() override;

    // Captures what leaves Output from now on; null stops. The previous output no longer
    // calls the tap when this returns.
    void SetOutput(TSourceHost *Output);
    TSourceHost *Output() const { return FOutput; }
    TCaptureTap &Tap() { return FRing; }

    // A replay on the same output: what it sends is its echo, not playing, and is not kept
    // (a looped replay would push the playing out of memory, and a take saved after listening
    // to it would hold it twice). Null for none; it must outlive its use here.
    void SetReplay(TTakePlayer *Player) { FReplay = Player; }

    // Moves what the ring holds into the store (also done by itself as messages arrive).
    void Drain();
    TTakeStore &Store() { return FStore; }
    const TTakeStore &Store() const { return FStore; }
    // Messages that left while the ring was full and are missing from the takes.
    uint64_t Lost() const { return FRing.Lost(); }

    // The monotonic clock the output's times are on, in microseconds.
    static int64_t NowUs();

private:
    // How far apart the replay's time of a message and its capture's may be: on services
    // without periods the port's thread may send late.
    static constexpr int64_t EchoPatienceUs = 200000;
    bool IsEcho(int64_t TimeUs, const uint8_t *Data, size_t Size);

    TWakeup *FWakeup;
    TCaptureRing FRing;
    TTakeStore FStore;
    TSourceHost *FOutput = nullptr;
    TTakePlayer *FReplay = nullptr;
    // What the replay sent and the capture has not shown yet, oldest first.
    std::deque<TTakePlayer::TEcho> FEchoes;
};
