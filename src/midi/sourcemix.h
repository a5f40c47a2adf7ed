#pragma once

// Several sources on one output: a replay and the arpeggiators play at once. The mix is the
// output's one source and asks each of its sources in turn; their messages are merged by frame
// where they are written (TPeriodEvents keeps a period's messages in time order).
//
// Threads: Period on the output's service thread (never allocates, locks or waits); Add and
// Remove on the owner's thread. Remove returns once the service thread no longer uses the
// source, so that it may then be freed.

#include "midi/periodsource.h"
#include "midi/rtguard.h"

#include <array>

class TSourceMix final : public TPeriodSource {
public:
    static constexpr size_t Slots = 4;

    // False when every slot is taken; true when Source is in the mix (also when it was).
    bool Add(TPeriodSource *Source) {
        if (!Source || Contains(Source))
            return Source != nullptr;
        for (auto &slot : FSlots)
            if (!slot.Current()) {
                slot.Set(Source);
                return true;
            }
        return false;
    }
    void Remove(TPeriodSource *Source) {
        for (auto &slot : FSlots)
            if (Source && slot.Current() == Source)
                slot.Set(nullptr);
    }
    bool Contains(const TPeriodSource *Source) const {
        for (const auto &slot : FSlots)
            if (slot.Current() == Source)
                return true;
        return false;
    }
    size_t Count() const {
        size_t n = 0;
        for (const auto &slot : FSlots)
            n += slot.Current() != nullptr;
        return n;
    }

    void Period(const TPeriod &Period, TMidiEmit &Out) noexcept override {
        for (auto &slot : FSlots)
            if (const auto source = slot.Use())
                source->Period(Period, Out);
    }

private:
    std::array<TRtGuard<TPeriodSource>, Slots> FSlots;
};

// Where sources and the capture tap are put: an output device (midioutput.h), or the owner of
// the program's devices (mididevices.h), which keeps them across every device it opens.
class TSourceHost {
public:
    // False when the output has no room for another source.
    virtual bool AddSource(TPeriodSource *Source) = 0;
    // Returns once the output's thread no longer uses Source.
    virtual void RemoveSource(TPeriodSource *Source) = 0;
    // Null for none; returns once the previous tap is no longer used.
    virtual void SetCapture(TCaptureTap *Tap) = 0;
    // Whether a device is open to play on.
    virtual bool OutputOpen() const = 0;

protected:
    ~TSourceHost() = default;
};
