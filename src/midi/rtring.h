#pragma once

// A ring of values handed from one thread to one other without a lock: the hand-over between a
// real-time thread (JACK's process callback, an input's service thread, an audio callback) and
// the UI thread. Its memory is taken once, at construction; Push and Pop never allocate, lock
// or wait. A full ring refuses a new value (the caller counts it); nothing stored is
// overwritten.
//
// Threads: Push from one producer thread, Front/Pop from one consumer thread, Size from either
// (an instant's answer). Construction and destruction while neither runs.

#include <atomic>
#include <bit>
#include <cstddef>
#include <memory>
#include <optional>

template <class T> class TRtRing {
public:
    // Capacity is rounded up to a power of two.
    explicit TRtRing(size_t Capacity)
        : FMask(std::bit_ceil(Capacity < 2 ? size_t(2) : Capacity) - 1),
          FSlots(std::make_unique<T[]>(FMask + 1)) {}
    TRtRing(const TRtRing &) = delete;
    TRtRing &operator=(const TRtRing &) = delete;

    size_t Capacity() const { return FMask + 1; }

    // Producer. False when full: the value is not stored.
    bool Push(const T &Value) noexcept {
        const size_t Tail = FTail.load(std::memory_order_relaxed);
        if (Tail - FHeadSeen == Capacity()) {
            FHeadSeen = FHead.load(std::memory_order_acquire);
            if (Tail - FHeadSeen == Capacity())
                return false;
        }
        FSlots[Tail & FMask] = Value;
        FTail.store(Tail + 1, std::memory_order_release);
        return true;
    }
    // Producer: the free room, at least; more may come free meanwhile.
    size_t Room() const noexcept {
        return Capacity() -
               (FTail.load(std::memory_order_relaxed) - FHead.load(std::memory_order_acquire));
    }

    // Consumer: the oldest value, without taking it out; null when empty.
    const T *Front() const noexcept {
        const size_t Head = FHead.load(std::memory_order_relaxed);
        if (Head == FTail.load(std::memory_order_acquire))
            return nullptr;
        return &FSlots[Head & FMask];
    }
    // Consumer: takes the oldest value out; false when empty.
    bool Pop() noexcept {
        const size_t Head = FHead.load(std::memory_order_relaxed);
        if (Head == FTail.load(std::memory_order_acquire))
            return false;
        FHead.store(Head + 1, std::memory_order_release);
        return true;
    }
    std::optional<T> Take() noexcept {
        const T *Oldest = Front();
        if (!Oldest)
            return std::nullopt;
        std::optional<T> Value(*Oldest);
        Pop();
        return Value;
    }

    size_t Size() const noexcept {
        return FTail.load(std::memory_order_acquire) - FHead.load(std::memory_order_acquire);
    }
    bool Empty() const noexcept { return Size() == 0; }

private:
    // Producer and consumer each write their own line: no false sharing between the threads.
    static constexpr size_t Line = 64;
    const size_t FMask;
    std::unique_ptr<T[]> FSlots;
    alignas(Line) std::atomic<size_t> FHead{0}; // written by the consumer
    alignas(Line) std::atomic<size_t> FTail{0}; // written by the producer
    size_t FHeadSeen = 0;                       // producer's last look at FHead
};

// The same for several producer threads and one consumer (the built-in synthesizer's audio
// thread fed by the UI thread and a thru thread): values leave in the order their Push calls
// took their places, so a value pushed after another's Push returned comes out after it. Each
// place carries a turn number: a producer claims a place with one compare-and-swap and
// publishes it by advancing its turn; the consumer takes places in order and stops at one that
// is claimed but not yet written. No lock, no wait; a full ring refuses.
template <class T> class TRtSharedRing {
public:
    explicit TRtSharedRing(size_t Capacity)
        : FMask(std::bit_ceil(Capacity < 2 ? size_t(2) : Capacity) - 1),
          FPlaces(std::make_unique<TPlace[]>(FMask + 1)) {
        for (size_t i = 0; i <= FMask; ++i)
            FPlaces[i].Turn.store(i, std::memory_order_relaxed);
    }
    TRtSharedRing(const TRtSharedRing &) = delete;
    TRtSharedRing &operator=(const TRtSharedRing &) = delete;

    size_t Capacity() const { return FMask + 1; }

    // Any producer thread. False when full.
    bool Push(const T &Value) noexcept {
        size_t Pos = FTail.load(std::memory_order_relaxed);
        for (;;) {
            TPlace &Place = FPlaces[Pos & FMask];
            const size_t Turn = Place.Turn.load(std::memory_order_acquire);
            const auto Lead = static_cast<std::ptrdiff_t>(Turn - Pos);
            if (Lead == 0) {
                if (FTail.compare_exchange_weak(Pos, Pos + 1, std::memory_order_relaxed)) {
                    Place.Value = Value;
                    Place.Turn.store(Pos + 1, std::memory_order_release);
                    return true;
                }
            } else if (Lead < 0) {
                return false; // the consumer has not freed this place yet
            } else {
                Pos = FTail.load(std::memory_order_relaxed);
            }
        }
    }

    // The consumer: the oldest value, taken out; none when empty (or the oldest is still being
    // written).
    std::optional<T> Take() noexcept {
        TPlace &Place = FPlaces[FHead & FMask];
        if (Place.Turn.load(std::memory_order_acquire) != FHead + 1)
            return std::nullopt;
        std::optional<T> Value(Place.Value);
        Place.Turn.store(FHead + FMask + 1, std::memory_order_release);
        ++FHead;
        return Value;
    }

private:
    struct TPlace {
        std::atomic<size_t> Turn{0};
        T Value{};
    };
    static constexpr size_t Line = 64;
    const size_t FMask;
    std::unique_ptr<TPlace[]> FPlaces;
    alignas(Line) std::atomic<size_t> FTail{0};
    alignas(Line) size_t FHead = 0; // the consumer's own
};
