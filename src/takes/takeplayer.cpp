#include "takes/takeplayer.h"

#include "midi/wakeup.h"

#include <algorithm>

TTakePlayer::TTakePlayer(TWakeup *Wakeup) : FWakeup(Wakeup) {}

void TTakePlayer::Prepare(std::shared_ptr<const TTake> Take, int64_t FromUs, TTake Lead) {
    Reset();
    FTake = std::move(Take);
    FLead = std::move(Lead);
    const int64_t From = std::clamp<int64_t>(FromUs, 0, FTake ? FTake->LengthUs() : 0);
    FBaseUs = From;
    if (FTake) {
        const auto &Messages = FTake->Messages();
        FCursor = size_t(
            std::lower_bound(Messages.begin(), Messages.end(), From,
                             [](const TTakeMessage &M, int64_t Us) { return M.TimeUs < Us; }) -
            Messages.begin());
    }
    FPositionUs.store(From, std::memory_order_relaxed);
    FState.store(FTake ? TState::Playing : TState::Idle, std::memory_order_release);
}

void TTakePlayer::Reset() {
    FCursor = 0;
    FLeadCursor = 0;
    FAnchored = false;
    for (auto &Channel : FVelocity)
        Channel.fill(0);
    for (auto &Channel : FPedalDown)
        Channel.fill(false);
    FState.store(TState::Idle, std::memory_order_release);
    while (FShown.Take()) {
    }
}

std::vector<std::array<uint8_t, 3>> TTakePlayer::Owed() const {
    std::vector<std::array<uint8_t, 3>> Messages;
    for (int Ch = 0; Ch < Channels; ++Ch) {
        for (int Note = 0; Note < 128; ++Note)
            if (FVelocity[size_t(Ch)][size_t(Note)])
                Messages.push_back({uint8_t(0x90 | Ch), uint8_t(Note), 0});
        for (size_t i = 0; i < Pedals.size(); ++i)
            if (FPedalDown[size_t(Ch)][i])
                Messages.push_back({uint8_t(0xB0 | Ch), Pedals[i], 0});
    }
    return Messages;
}

uint64_t TTakePlayer::Digest(const uint8_t *Data, size_t Size) {
    uint64_t Hash = 14695981039346656037ULL; // FNV-1a
    for (size_t i = 0; i < Size; ++i)
        Hash = (Hash ^ Data[i]) * 1099511628211ULL;
    return Hash;
}

uint64_t TTakePlayer::FrameOf(int64_t TimeUs) const {
    const int64_t Us = std::max<int64_t>(TimeUs - FBaseUs, 0);
    // Rounded to the nearest frame; in two parts, so that a day of microseconds times the rate
    // does not overflow.
    const int64_t Seconds = Us / 1000000;
    const int64_t Rest = Us % 1000000;
    return FOriginFrame + uint64_t(Seconds) * FRate +
           uint64_t((Rest * int64_t(FRate) + 500000) / 1000000);
}

bool TTakePlayer::Send(TMidiEmit &Out, uint32_t Offset, const uint8_t *Data, size_t Size) noexcept {
    if (Size > TMidiEmit::LargestMessage)
        return true; // no port takes it: passed over
    if (!Out.Emit(Offset, Data, Size))
        return false;
    FEchoes.Push({FPeriodStartUs + int64_t(Offset) * 1000000 / int64_t(FRate), uint32_t(Size),
                  Digest(Data, Size)});
    if (Size == 3 && Data[0] < 0xF0) {
        const size_t Ch = Data[0] & 0x0F;
        const uint8_t Kind = Data[0] & 0xF0;
        const uint8_t Note = Data[1] & 127;
        if (Kind == 0x90 || Kind == 0x80) {
            const uint8_t Velocity = Kind == 0x90 ? Data[2] & 127 : 0;
            const bool Was = FVelocity[Ch][Note] != 0;
            FVelocity[Ch][Note] = Velocity;
            // Shown when a key goes down or up, not again for a note struck anew.
            if (Was != (Velocity != 0)) {
                FShown.Push({uint8_t(Ch), Note, Velocity});
                if (FWakeup)
                    FWakeup->Signal();
            }
        } else if (Kind == 0xB0) {
            const auto Pedal = std::find(Pedals.begin(), Pedals.end(), Note);
            if (Pedal != Pedals.end())
                FPedalDown[Ch][size_t(Pedal - Pedals.begin())] = (Data[2] & 127) >= 64;
            else if (Note == 120 || Note == 123) // all sound off, all notes off
                for (uint8_t N = 0; N < 128; ++N)
                    if (FVelocity[Ch][N]) {
                        FVelocity[Ch][N] = 0;
                        FShown.Push({uint8_t(Ch), N, 0});
                        if (FWakeup)
                            FWakeup->Signal();
                    }
        }
    }
    return true;
}

bool TTakePlayer::ReleaseAll(TMidiEmit &Out, uint32_t Offset) noexcept {
    for (int Ch = 0; Ch < Channels; ++Ch) {
        for (int Note = 0; Note < 128; ++Note) {
            if (!FVelocity[size_t(Ch)][size_t(Note)])
                continue;
            const uint8_t Off[3] = {uint8_t(0x90 | Ch), uint8_t(Note), 0};
            if (!Send(Out, Offset, Off, 3))
                return false;
        }
        for (size_t i = 0; i < Pedals.size(); ++i) {
            if (!FPedalDown[size_t(Ch)][i])
                continue;
            const uint8_t Up[3] = {uint8_t(0xB0 | Ch), Pedals[i], 0};
            if (!Send(Out, Offset, Up, 3))
                return false;
        }
    }
    return true;
}

void TTakePlayer::Period(const TPeriod &Period, TMidiEmit &Out) noexcept {
    TState State = FState.load(std::memory_order_acquire);
    if (State == TState::Idle || State == TState::Finished || !FTake)
        return;
    FPeriodStartUs = Period.StartUs;
    if (!FAnchored) {
        // The take's time FBaseUs plays at the first frame of the first period.
        FAnchored = true;
        FOriginFrame = Period.Start;
        FRate = Period.Rate ? Period.Rate : 48000;
    }
    const uint64_t End = Period.Start + Period.Frames;
    const auto OffsetOf = [&](uint64_t Frame) {
        return Frame > Period.Start ? uint32_t(Frame - Period.Start) : uint32_t(0);
    };
    while (FLeadCursor < FLead.Count()) {
        const TTakeMessage &M = FLead.Messages()[FLeadCursor];
        if (!Send(Out, 0, FLead.Data(M), M.Size))
            return;
        ++FLeadCursor;
    }
    const std::vector<TTakeMessage> &Messages = FTake->Messages();
    // Two rounds at most: the end of a looped take and its start may fall in one period.
    for (int Round = 0; Round < 2 && State == TState::Playing; ++Round) {
        bool Full = false;
        while (FCursor < Messages.size()) {
            const TTakeMessage &M = Messages[FCursor];
            const uint64_t Frame = FrameOf(M.TimeUs);
            if (Frame >= End)
                break;
            if (!Send(Out, OffsetOf(Frame), FTake->Data(M), M.Size)) {
                Full = true; // the rest in the next period, late rather than lost
                break;
            }
            ++FCursor;
        }
        if (Full || FCursor < Messages.size())
            break;
        const uint64_t EndFrame = FrameOf(FTake->LengthUs());
        if (EndFrame >= End)
            break;
        if (!FLoop.load(std::memory_order_relaxed) || FTake->LengthUs() <= 0) {
            State = TState::Releasing;
            FState.store(State, std::memory_order_release);
            break;
        }
        // Round again: what the take left sounding ends where it starts anew.
        if (!ReleaseAll(Out, OffsetOf(EndFrame)))
            break;
        FOriginFrame = EndFrame;
        FBaseUs = 0;
        FCursor = 0;
    }
    if (State == TState::Releasing &&
        ReleaseAll(Out, OffsetOf(std::min(FrameOf(FTake->LengthUs()), End - 1)))) {
        State = TState::Finished;
        FState.store(State, std::memory_order_release);
        if (FWakeup)
            FWakeup->Signal();
    }
    const uint64_t Played = End > FOriginFrame ? End - FOriginFrame : 0;
    const int64_t Position =
        FBaseUs + int64_t(Played / FRate) * 1000000 + int64_t(Played % FRate) * 1000000 / FRate;
    FPositionUs.store(std::min(Position, FTake->LengthUs()), std::memory_order_relaxed);
}
