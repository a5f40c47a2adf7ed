#pragma once

// The hand-over between the input callback and the UI thread: a fixed ring of entries, first in
// first out, without a lock. When it is full a new entry is refused (and lost); nothing already
// stored is overwritten.
//
// Threads: Store from the service's thread (the one producer), Peek and Remove from the UI
// thread (the one consumer), Count from either.

#include "core/midivocabulary.h"
#include "midi/rtring.h"

#include <cstdint>
#include <optional>

struct TMidiInHdr;

struct TCircEntry {
    uint32_t Timestamp = 0;       // milliseconds since the input was started
    TShortMessage Message;        // empty for a long buffer
    TMidiInHdr *Header = nullptr; // the long buffer holding system-exclusive bytes, or none
    bool Thru = false;            // played through on the service's thread already
};

class TCircBuffer {
public:
    // Throws EMidiInputError "Out of memory." when the entries cannot be allocated.
    explicit TCircBuffer(int Capacity);

    int Capacity() const { return FCapacity; }

    // False when full: the entry is lost.
    bool Store(const TCircEntry &Entry) noexcept;
    // The oldest entry, if any, without taking it out.
    std::optional<TCircEntry> Peek() const noexcept;
    // Takes out the oldest entry; false when empty.
    bool Remove() noexcept;
    int Count() const noexcept { return int(FRing.Size()); }

private:
    static TRtRing<TCircEntry> MakeRing(int Capacity);
    int FCapacity;
    TRtRing<TCircEntry> FRing; // at least FCapacity entries
};
