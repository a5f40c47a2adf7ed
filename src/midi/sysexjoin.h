#pragma once

// Joins a system exclusive message that a sender split over several events, in room taken once,
// so that the program is handed complete messages. Real-time bytes (F8..FF) may come in
// between and are handed on at once; any other status byte ends the message as in the MIDI
// standard (its end byte was lost): it is handed on with an end byte, and what follows is read
// afresh. A message longer than the room is dropped and counted.
//
// Threads: one, the service's (JACK's process callback); nothing here allocates after
// construction.

#include <cstddef>
#include <cstdint>
#include <memory>

class TSysexJoiner {
public:
    explicit TSysexJoiner(size_t Room) : FRoom(Room), FBytes(std::make_unique<uint8_t[]>(Room)) {}

    // One incoming event. Emit(const uint8_t *Data, size_t Size) is called for every complete
    // message in it, in order.
    template <class TEmit> void Feed(const uint8_t *Data, size_t Size, TEmit &&Emit) noexcept {
        while (Size > 0) {
            if (!FJoining) {
                if (Data[0] != 0xF0 || Data[Size - 1] == 0xF7) {
                    Emit(Data, Size);
                    return;
                }
                FJoining = true;
                FTooLong = false;
                FSize = 0;
                Keep(0xF0);
                ++Data;
                --Size;
                continue;
            }
            size_t Taken = 0;
            for (; Taken < Size; ++Taken) {
                const uint8_t Byte = Data[Taken];
                if (Byte >= 0xF8)
                    Emit(Data + Taken, 1);
                else if (Byte < 0x80)
                    Keep(Byte);
                else
                    break;
            }
            if (Taken == Size)
                return; // more to come
            const bool EndByte = Data[Taken] == 0xF7;
            Keep(0xF7);
            if (!FTooLong)
                Emit(FBytes.get(), FSize);
            FJoining = false;
            Taken += EndByte ? 1 : 0;
            Data += Taken;
            Size -= Taken;
        }
    }

    // Messages dropped for want of room.
    uint64_t Lost() const { return FLost; }

private:
    void Keep(uint8_t Byte) noexcept {
        if (FTooLong)
            return;
        if (FSize == FRoom) {
            FTooLong = true;
            ++FLost;
            return;
        }
        FBytes[FSize++] = Byte;
    }

    size_t FRoom;
    std::unique_ptr<uint8_t[]> FBytes;
    size_t FSize = 0;
    bool FJoining = false;
    bool FTooLong = false;
    uint64_t FLost = 0;
};
