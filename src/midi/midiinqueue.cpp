#include "midi/midiinqueue.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint8_t SysexStart = 0xF0;

} // namespace

TMidiInQueue::TMidiInQueue(int Capacity, int LongBufferCount, size_t LongBufferSize)
    : FBuffer(Capacity), FLongBuffers(LongBufferCount, LongBufferSize) {}

bool TMidiInQueue::Store(const uint8_t *Data, size_t Size, uint32_t Time, bool Thru) noexcept {
    if (Size == 0)
        return true;
    if (Data[0] != SysexStart) {
        const TShortMessage Message{Data[0], uint8_t(Size > 1 ? Data[1] : 0),
                                    uint8_t(Size > 2 ? Data[2] : 0)};
        return FBuffer.Store({Time, Message, nullptr, Thru});
    }
    // Whole or not at all: the entries it needs must all find room. This thread is the only one
    // that stores, so the room counted here can only grow meanwhile.
    const size_t Each = FLongBuffers.BufferSize();
    const size_t Needed = (Size + Each - 1) / Each;
    if (Needed > size_t(FBuffer.Capacity() - FBuffer.Count()) ||
        Needed > size_t(FLongBuffers.FreeCount()))
        return false;
    for (size_t Pos = 0; Pos < Size;) {
        TMidiInHdr *Header = FLongBuffers.Take();
        const size_t Count = std::min(Size - Pos, Header->Data.size());
        std::memcpy(Header->Data.data(), Data + Pos, Count);
        Header->Recorded = Count;
        Pos += Count;
        FBuffer.Store({Time, {}, Header, Thru});
    }
    return true;
}

std::optional<TMidiEvent> TMidiInQueue::Take() {
    const std::optional<TCircEntry> Entry = FBuffer.Peek();
    if (!Entry)
        return std::nullopt;
    TMidiEvent Event;
    Event.Time = Entry->Timestamp;
    Event.Thru = Entry->Thru;
    if (TMidiInHdr *Header = Entry->Header) {
        Event.MidiMessage = SysexStart;
        Event.Sysex.assign(Header->Data.begin(),
                           Header->Data.begin() + std::ptrdiff_t(Header->Recorded));
        FLongBuffers.GiveBack(Header);
    } else {
        Event.MidiMessage = Entry->Message.Status;
        Event.Data1 = Entry->Message.Data1;
        Event.Data2 = Entry->Message.Data2;
    }
    FBuffer.Remove();
    return Event;
}
