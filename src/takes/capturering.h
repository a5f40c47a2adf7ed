#pragma once

// The capture tap on the program's output: every message that leaves, with the time it left,
// handed from the output's own thread to the UI thread through a lock-free ring taken at
// construction. The output's thread copies the message into the ring and wakes the UI thread;
// it never allocates, locks or waits. A message that finds the ring full is counted as lost.
//
// Real-time system messages (timing clock, active sensing, start and stop) are not kept: they
// are no part of what was played, and a MIDI file cannot hold some of them.
//
// Threads: Captured on the output's thread (one at a time: an output calls its tap from one
// thread, or under its own lock); Drain, Lost and the rest on the UI thread.

#include "midi/periodsource.h"
#include "midi/rtring.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

class TWakeup;

class TCaptureRing final : public TCaptureTap {
public:
    // Room for a burst of Panic's size (2080 messages) several times over.
    static constexpr size_t DefaultSlots = 16384;
    // The longest message kept (an output refuses longer ones anyway).
    static constexpr size_t LargestMessage = TMidiEmit::LargestMessage;

    // Wakeup, when given, is signalled after each message stored; it must outlive the ring's
    // use by an output.
    explicit TCaptureRing(TWakeup *Wakeup = nullptr, size_t Slots = DefaultSlots);

    void Captured(int64_t TimeUs, const uint8_t *Data, size_t Size) noexcept override;

    // UI thread: hands each whole message stored so far (within the first MaxSlots slots) to
    // Take(TimeUs, Data, Size), oldest first; returns how many.
    size_t Drain(const std::function<void(int64_t, const uint8_t *, size_t)> &Take,
                 size_t MaxSlots = SIZE_MAX);
    // UI thread: the slots stored now, for a Drain of no more than these.
    size_t Slots() const { return FRing.Size(); }
    // Messages that found the ring full, since the start.
    uint64_t Lost() const { return FLost.load(std::memory_order_relaxed); }
    bool Empty() const { return FRing.Empty(); }

private:
    // A message takes one slot and as many more as its bytes need beyond the first slot's.
    struct TSlot {
        int64_t TimeUs = 0;
        uint32_t Size = 0; // the whole message's, in its first slot
        std::array<uint8_t, 20> Bytes{};
    };
    static constexpr size_t SlotBytes = sizeof(TSlot::Bytes);
    static constexpr size_t SlotsFor(size_t Size) { return (Size + SlotBytes - 1) / SlotBytes; }

    TRtRing<TSlot> FRing;
    TWakeup *FWakeup;
    std::atomic<uint64_t> FLost{0};
    // The UI thread's room for a long message while it is put together again.
    std::array<uint8_t, LargestMessage> FJoined{};
};
