#pragma once

// What a real-time thread uses that another thread may take away: an atomic pointer and a count
// of the uses running now. The real-time side never waits (Use is two atomic operations); the
// side that replaces the target waits until no use of the old one runs, so that it may then
// free it. A use lasts microseconds: the wait is short, and only on the replacing side.
//
// Threads: Use from any threads at once; Set from one thread at a time (the owner's).

#include <atomic>
#include <thread>

template <class T> class TRtGuard {
public:
    class TUse {
    public:
        explicit TUse(TRtGuard &Guard) noexcept : FGuard(Guard) {
            // Counted before the pointer is read: Set, having stored a new pointer, sees this
            // use and waits for it, or this use sees the new pointer.
            FGuard.FUses.fetch_add(1, std::memory_order_seq_cst);
            FTarget = FGuard.FTarget.load(std::memory_order_seq_cst);
        }
        ~TUse() { FGuard.FUses.fetch_sub(1, std::memory_order_release); }
        TUse(const TUse &) = delete;
        TUse &operator=(const TUse &) = delete;

        T *Get() const noexcept { return FTarget; }
        T *operator->() const noexcept { return FTarget; }
        explicit operator bool() const noexcept { return FTarget != nullptr; }

    private:
        TRtGuard &FGuard;
        T *FTarget = nullptr;
    };

    TRtGuard() = default;
    TRtGuard(const TRtGuard &) = delete;
    TRtGuard &operator=(const TRtGuard &) = delete;

    TUse Use() noexcept { return TUse(*this); }

    // Returns once no use of the previous target runs; null stops the uses.
    void Set(T *Target) {
        FTarget.store(Target, std::memory_order_seq_cst);
        WaitForUses();
    }
    // Returns once every use that began before the call has ended.
    void WaitForUses() const {
        while (FUses.load(std::memory_order_seq_cst) != 0)
            std::this_thread::yield();
    }
    // The owner's own look; not for the real-time side (use Use there).
    T *Current() const noexcept { return FTarget.load(std::memory_order_acquire); }

private:
    std::atomic<T *> FTarget{nullptr};
    std::atomic<int> FUses{0};
};
