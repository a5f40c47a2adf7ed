#include "takes/channelstate.h"

namespace {

constexpr uint8_t NoteOff = 0x80;
constexpr uint8_t NoteOn = 0x90;
constexpr uint8_t ControlChange = 0xB0;
constexpr uint8_t ProgramChange = 0xC0;
constexpr uint8_t PitchBend = 0xE0;
constexpr uint8_t BankSelect = 0;
constexpr uint8_t BankSelectLsb = 32;
constexpr uint8_t Pedals[] = {64, 66, 67}; // sustain, sostenuto, soft
constexpr uint8_t AllSoundOff = 120;
constexpr uint8_t AllNotesOff = 123;

bool IsNoteOff(const uint8_t *Data, size_t Size) {
    return Size == 3 && ((Data[0] & 0xF0) == NoteOff || ((Data[0] & 0xF0) == NoteOn && !Data[2]));
}

} // namespace

void TChannelState::Clear() {
    for (TChannel &C : FChannels) {
        C.Controllers.fill(-1);
        C.Program = -1;
        C.PitchBend = -1;
        C.Velocity.fill(0);
    }
    FSounding = 0;
}

void TChannelState::Apply(const uint8_t *Data, size_t Size) {
    if (Size < 2 || Data[0] >= 0xF0)
        return;
    TChannel &C = FChannels[Data[0] & 0x0F];
    const uint8_t Kind = Data[0] & 0xF0;
    const uint8_t D1 = Data[1] & 127;
    if (Kind == ProgramChange) {
        C.Program = D1;
        return;
    }
    if (Size < 3)
        return;
    const uint8_t D2 = Data[2] & 127;
    if (IsNoteOff(Data, Size)) {
        if (C.Velocity[D1]) {
            C.Velocity[D1] = 0;
            --FSounding;
        }
    } else if (Kind == NoteOn) {
        if (!C.Velocity[D1])
            ++FSounding;
        C.Velocity[D1] = D2;
    } else if (Kind == ControlChange) {
        if (D1 < C.Controllers.size()) {
            C.Controllers[D1] = D2;
        } else if (D1 == AllSoundOff || D1 == AllNotesOff) {
            for (uint8_t &V : C.Velocity)
                if (V) {
                    V = 0;
                    --FSounding;
                }
        }
    } else if (Kind == PitchBend) {
        C.PitchBend = int16_t(D2 * 128 + D1);
    }
}

bool TChannelState::IsIdleRelease(const uint8_t *Data, size_t Size) const {
    return IsNoteOff(Data, Size) && !FChannels[Data[0] & 0x0F].Velocity[Data[1] & 127];
}

void TChannelState::Restore(const TEmit &Emit, bool Notes) const {
    for (int Ch = 0; Ch < Channels; ++Ch) {
        const TChannel &C = FChannels[size_t(Ch)];
        const auto Send = [&](uint8_t Kind, int D1, int D2, size_t Size) {
            const uint8_t Bytes[3] = {uint8_t(Kind | Ch), uint8_t(D1), uint8_t(D2)};
            Emit(Bytes, Size);
        };
        // The bank before the program it chooses from, the program before the controllers
        // (a program change may reset some in a synthesizer).
        for (const uint8_t Bank : {BankSelect, BankSelectLsb})
            if (C.Controllers[Bank] >= 0)
                Send(ControlChange, Bank, C.Controllers[Bank], 3);
        if (C.Program >= 0)
            Send(ProgramChange, C.Program, 0, 2);
        for (size_t Cc = 0; Cc < C.Controllers.size(); ++Cc)
            if (C.Controllers[Cc] >= 0 && Cc != BankSelect && Cc != BankSelectLsb)
                Send(ControlChange, int(Cc), C.Controllers[Cc], 3);
        if (C.PitchBend >= 0)
            Send(PitchBend, C.PitchBend & 127, C.PitchBend >> 7, 3);
        for (int Note = 0; Note < 128 && Notes; ++Note)
            if (C.Velocity[size_t(Note)])
                Send(NoteOn, Note, C.Velocity[size_t(Note)], 3);
    }
}

void TChannelState::Release(const TEmit &Emit) const {
    for (int Ch = 0; Ch < Channels; ++Ch) {
        const TChannel &C = FChannels[size_t(Ch)];
        for (int Note = 0; Note < 128; ++Note)
            if (C.Velocity[size_t(Note)]) {
                const uint8_t Bytes[3] = {uint8_t(NoteOn | Ch), uint8_t(Note), 0};
                Emit(Bytes, 3);
            }
        for (const uint8_t Pedal : Pedals)
            if (C.Controllers[Pedal] >= 64) {
                const uint8_t Bytes[3] = {uint8_t(ControlChange | Ch), Pedal, 0};
                Emit(Bytes, 3);
            }
    }
}
