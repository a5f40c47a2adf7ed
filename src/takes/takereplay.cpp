#include "takes/takereplay.h"

#include "midi/sourcemix.h"
#include "midi/wakeup.h"
#include "takes/channelstate.h"

#include <QTimer>

#include <algorithm>

namespace {

// How often the position is told while playing: often enough for a smooth bar.
constexpr int TickMs = 50;

} // namespace

TTakeReplay::TTakeReplay(QObject *Parent)
    : QObject(Parent), FWakeup(new TWakeup([this] { Woken(); }, this)), FPlayer(FWakeup),
      FTicker(new QTimer(this)) {
    FTicker->setInterval(TickMs);
    connect(FTicker, &QTimer::timeout, this, [this] { Q_EMIT PositionChanged(PositionUs()); });
}

TTakeReplay::~TTakeReplay() {
    Halt();
}

void TTakeReplay::SetOutput(TSourceHost *Output) {
    if (Output == FOutput)
        return;
    if (FState == TState::Playing) {
        Halt();
        SetState(TState::Paused);
    }
    FOutput = Output;
}

void TTakeReplay::Load(std::shared_ptr<const TTake> Take, const QString &Name) {
    Stop();
    FTake = std::move(Take);
    FName = Name;
    Q_EMIT StateChanged();
    Q_EMIT PositionChanged(0);
}

bool TTakeReplay::Play() {
    if (FState == TState::Playing)
        return true;
    if (!FTake || !FOutput || !FOutput->OutputOpen())
        return false;
    if (FPositionUs >= FTake->LengthUs())
        FPositionUs = 0;
    // Going on from the middle: the program, controllers and pitch bend in effect there first.
    TTake Lead;
    if (FPositionUs > 0) {
        TChannelState State;
        for (const TTakeMessage &M : FTake->Messages()) {
            if (M.TimeUs >= FPositionUs)
                break;
            State.Apply(FTake->Data(M), M.Size);
        }
        State.Restore([&](const uint8_t *Data, size_t Size) { Lead.Add(0, Data, Size); }, false);
    }
    FPlayer.Prepare(FTake, FPositionUs, std::move(Lead));
    if (!FOutput->AddSource(&FPlayer))
        return false; // the output plays as many sources as it can already
    FTicker->start();
    SetState(TState::Playing);
    return true;
}

void TTakeReplay::Halt() {
    if (FState != TState::Playing)
        return;
    FTicker->stop();
    // Returns once the output's thread is done with the player: its notes are ours to read.
    if (FOutput)
        FOutput->RemoveSource(&FPlayer);
    FPositionUs = FPlayer.PositionUs();
    ShowReported();
    if (Release)
        for (const auto &Message : FPlayer.Owed())
            Release(Message.data(), Message.size());
    FPlayer.Reset();
    for (int Note = 0; Note < int(FLit.size()); ++Note)
        for (; FLit[size_t(Note)] > 0; --FLit[size_t(Note)])
            if (ShowNote)
                ShowNote(Note, 0);
}

void TTakeReplay::Pause() {
    if (FState != TState::Playing)
        return;
    Halt();
    SetState(TState::Paused);
    Q_EMIT PositionChanged(FPositionUs);
}

void TTakeReplay::Stop() {
    Halt();
    FPositionUs = 0;
    SetState(TState::Stopped);
    Q_EMIT PositionChanged(0);
}

void TTakeReplay::Seek(int64_t PositionUs) {
    const int64_t To = std::clamp<int64_t>(PositionUs, 0, FTake ? FTake->LengthUs() : 0);
    if (FState == TState::Playing) {
        Halt();
        FPositionUs = To;
        SetState(TState::Paused);
        Play();
    } else {
        FPositionUs = To;
    }
    Q_EMIT PositionChanged(To);
}

int64_t TTakeReplay::PositionUs() const {
    return FState == TState::Playing ? FPlayer.PositionUs() : FPositionUs;
}

void TTakeReplay::Woken() {
    ShowReported();
    if (FState == TState::Playing && FPlayer.State() == TTakePlayer::TState::Finished) {
        // It let go of its notes itself, in its last period.
        Halt();
        FPositionUs = 0;
        SetState(TState::Stopped);
        Q_EMIT PositionChanged(0);
    }
}

void TTakeReplay::ShowReported() {
    while (const std::optional<TTakePlayer::TShown> Shown = FPlayer.TakeShown()) {
        int &Lit = FLit[Shown->Note & 127];
        if (Shown->Velocity == 0 && Lit == 0)
            continue;
        Lit += Shown->Velocity ? 1 : -1;
        if (ShowNote)
            ShowNote(Shown->Note, Shown->Velocity);
    }
}

void TTakeReplay::SetState(TState Value) {
    if (Value == FState)
        return;
    FState = Value;
    Q_EMIT StateChanged();
}
