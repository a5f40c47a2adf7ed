#pragma once

// The hand-over between the input callback and the UI thread: a fixed ring of entries, first in
// first out. When it is full a new entry is refused (and lost); nothing already stored is
// overwritten.
//
// Threads: every member may be called from any thread. Each one holds the buffer's single lock
// for its whole work; the callback thread stores, the UI thread peeks, removes and counts.

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

struct TMidiInHdr;

struct TCircEntry {
    uint32_t Timestamp = 0;       // milliseconds since the input was started
    uint32_t Message = 0;         // packed short message; 0 for a long buffer
    TMidiInHdr *Header = nullptr; // the long buffer holding system-exclusive bytes, or none
    bool Thru = false;            // played through on the service's thread already
};

class TCircBuffer {
public:
    // Throws EMidiInputError "Out of memory." when the entries cannot be allocated.
    explicit TCircBuffer(int Capacity);

    int Capacity() const { return int(FEntries.size()); }

    // False when full: the entry is lost.
    bool Store(const TCircEntry &Entry);
    // The oldest entry, if any, without taking it out.
    std::optional<TCircEntry> Peek() const;
    // Takes out the oldest entry; false when empty.
    bool Remove();
    int Count() const;

private:
    mutable std::mutex FLock;
    std::vector<TCircEntry> FEntries;
    int FWritePos = 0;
    int FReadPos = 0;
    int FCount = 0;
};
