#pragma once

// What an open input keeps for the UI thread: the incoming messages in arrival order, system
// exclusive ones in long buffers taken from a fixed pool. Stored on the service's thread, taken
// out on the UI thread, without a lock and without allocating after construction.
//
// Threads: Store on the service's thread only; Take, Count and FreeLongBuffers on the UI thread.

#include "midi/circbuffer.h"
#include "midi/midievent.h"
#include "midi/midiinhdr.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class TMidiInQueue {
public:
    // Throws EMidiInputError "Out of memory." when the room cannot be taken.
    TMidiInQueue(int Capacity, int LongBufferCount, size_t LongBufferSize);

    // One complete message (a system exclusive one whole: in as many long buffers as it needs,
    // or not at all). False when it was lost: no room.
    bool Store(const uint8_t *Data, size_t Size, uint32_t Time, bool Thru) noexcept;

    // The oldest message, taken out (a long buffer goes back to the pool before its bytes are
    // handed out); none when nothing waits.
    std::optional<TMidiEvent> Take();
    int Count() const { return FBuffer.Count(); }
    int FreeLongBuffers() const { return FLongBuffers.FreeCount(); }

private:
    TCircBuffer FBuffer;
    TMidiInHdrPool FLongBuffers;
};
