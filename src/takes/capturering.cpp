#include "takes/capturering.h"

#include "midi/wakeup.h"

#include <algorithm>

TCaptureRing::TCaptureRing(TWakeup *Wakeup, size_t Slots) : FRing(Slots), FWakeup(Wakeup) {}

void TCaptureRing::Captured(int64_t TimeUs, const uint8_t *Data, size_t Size) noexcept {
    if (Size == 0 || Size > LargestMessage || Data[0] >= 0xF8)
        return;
    const size_t Slots = SlotsFor(Size);
    // All of a message or none of it: the UI thread never waits for a missing part.
    if (FRing.Room() < Slots) {
        FLost.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    TSlot Slot;
    Slot.TimeUs = TimeUs;
    Slot.Size = uint32_t(Size);
    for (size_t Done = 0; Done < Size; Done += SlotBytes) {
        const size_t Part = std::min(SlotBytes, Size - Done);
        std::copy(Data + Done, Data + Done + Part, Slot.Bytes.begin());
        FRing.Push(Slot);
    }
    if (FWakeup)
        FWakeup->Signal();
}

size_t TCaptureRing::Drain(const std::function<void(int64_t, const uint8_t *, size_t)> &Take,
                           size_t MaxSlots) {
    size_t Count = 0;
    while (const TSlot *First = FRing.Front()) {
        const size_t Size = First->Size;
        const size_t Slots = SlotsFor(Size);
        if (FRing.Size() < Slots || Slots > MaxSlots)
            break; // the producer pushes every part before it signals; they come with the next
        MaxSlots -= Slots;
        const int64_t TimeUs = First->TimeUs;
        if (Slots == 1) {
            Take(TimeUs, First->Bytes.data(), Size);
            FRing.Pop();
        } else {
            for (size_t Done = 0; Done < Size; Done += SlotBytes) {
                const TSlot *Part = FRing.Front();
                const size_t Length = std::min(SlotBytes, Size - Done);
                std::copy(Part->Bytes.begin(), Part->Bytes.begin() + std::ptrdiff_t(Length),
                          FJoined.begin() + std::ptrdiff_t(Done));
                FRing.Pop();
            }
            Take(TimeUs, FJoined.data(), Size);
        }
        ++Count;
    }
    return Count;
}
