#pragma once

// What the program sent lately, in memory: the last 30 minutes of messages with the times they
// left, or less when the memory cap is reached first (the oldest go first). From it the last
// take is cut: the stretch of playing since the last silence of some seconds, or the last
// minutes; it begins with the state the earlier messages left (program, controllers, notes
// still held) and ends every note it leaves sounding.
//
// Threads: the UI thread.

#include "takes/channelstate.h"
#include "takes/take.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

class TTakeStore {
public:
    static constexpr int64_t KeepUs = 30LL * 60 * 1000000;
    static constexpr size_t DefaultMemoryCap = size_t(16) << 20;
    // What one short message takes in memory.
    static constexpr size_t EventBytes = 16;

    explicit TTakeStore(size_t MemoryCap = DefaultMemoryCap);

    size_t MemoryCap() const { return FMemoryCap; }
    // Lets the oldest messages go at once when the new cap is below what is kept.
    void SetMemoryCap(size_t Bytes);
    size_t MemoryUsed() const { return FMemoryUsed; }
    size_t Count() const { return FEvents.size(); }
    bool Empty() const { return FEvents.empty(); }
    // Whether messages were let go for the memory cap (so a take may have lost its start).
    bool CapReached() const { return FCapReached; }

    // A message that left at TimeUs (monotonic microseconds); a time before the last one's is
    // moved up to it. Messages older than 30 minutes before it are let go.
    void Add(int64_t TimeUs, const uint8_t *Data, size_t Size);
    void Clear();

    enum class TPart { SinceSilence, LastMinutes };
    // The last take as of NowUs: with SinceSilence the playing since the last silence of at
    // least Amount microseconds (no note sounding, nothing sent), with LastMinutes what was
    // sent in the last Amount microseconds. Empty when nothing was played in it. Its times
    // count from its first message; StartUs, when given, receives that message's time.
    TTake Take(TPart Part, int64_t AmountUs, int64_t NowUs, int64_t *StartUs = nullptr) const;

private:
    struct TEvent {
        int64_t TimeUs;
        uint8_t Size; // up to 3 in Short; else Long holds the bytes
        std::array<uint8_t, 3> Short;
        uint32_t Long; // the message's place in FLong, counted from FLongBase
    };
    static_assert(sizeof(TEvent) == EventBytes);
    const uint8_t *Bytes(const TEvent &Event) const {
        return Event.Size > 3 ? FLong[Event.Long - FLongBase].data() : Event.Short.data();
    }
    size_t SizeOf(const TEvent &Event) const {
        return Event.Size > 3 ? FLong[Event.Long - FLongBase].size() : Event.Size;
    }
    static size_t Cost(size_t Size) { return EventBytes + (Size > 3 ? Size + 32 : 0); }
    void DropOldest();
    void Trim(int64_t NewestUs);

    std::deque<TEvent> FEvents;
    std::deque<std::vector<uint8_t>> FLong;
    uint32_t FLongBase = 0;
    uint32_t FLongNext = 0;
    // What the messages let go left in effect, for the state a take begins with.
    TChannelState FBefore;
    size_t FMemoryCap;
    size_t FMemoryUsed = 0;
    bool FCapReached = false;
};
