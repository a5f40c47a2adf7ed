#pragma once

// The long buffers of an open input: system-exclusive bytes land in them on the service's thread
// and are copied out on the UI thread. The set is fixed when the input opens, so the callback
// never allocates; a block that finds no free buffer is lost (and counted as an overflow).
// The free buffers go round in a lock-free ring: the service's thread takes them, the UI thread
// gives them back.

#include "midi/rtring.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct TMidiInHdr {
    explicit TMidiInHdr(size_t Size) : Data(Size) {}
    std::vector<uint8_t> Data; // capacity of the buffer
    size_t Recorded = 0;       // bytes filled
};

// Threads: Take on the service's thread only, GiveBack on the UI thread only.
class TMidiInHdrPool {
public:
    TMidiInHdrPool(int Count, size_t Size);

    // A free buffer lent to the caller, or null when all are in use.
    TMidiInHdr *Take() noexcept;
    // Returns a buffer taken from this pool.
    void GiveBack(TMidiInHdr *Header) noexcept;

    int FreeCount() const { return int(FFree.Size()); }
    size_t BufferSize() const { return FSize; }

private:
    size_t FSize;
    std::vector<std::unique_ptr<TMidiInHdr>> FAll;
    TRtRing<TMidiInHdr *> FFree;
};
