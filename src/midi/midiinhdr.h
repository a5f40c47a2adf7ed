#pragma once

// The long buffers of an open input: system-exclusive bytes land in them on the service's thread
// and are copied out on the UI thread. The set is fixed when the input opens, so the callback
// never allocates; a block that finds no free buffer is lost (and reported as an overflow).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

struct TMidiInHdr {
    explicit TMidiInHdr(size_t Size) : Data(Size) {}
    std::vector<uint8_t> Data; // capacity of the buffer
    size_t Recorded = 0;       // bytes filled
};

// Thread-safe: Take runs on the callback thread, GiveBack on the UI thread.
class TMidiInHdrPool {
public:
    TMidiInHdrPool(int Count, size_t Size);

    // A free buffer lent to the caller, or null when all are in use.
    TMidiInHdr *Take();
    // Returns a buffer taken from this pool.
    void GiveBack(TMidiInHdr *Header);

    int FreeCount() const;
    size_t BufferSize() const { return FSize; }

private:
    mutable std::mutex FLock;
    size_t FSize;
    std::vector<std::unique_ptr<TMidiInHdr>> FAll;
    std::vector<TMidiInHdr *> FFree; // reserved for all buffers: no allocation in GiveBack
};
