#include "takes/takestore.h"

#include <algorithm>

namespace {

// A message that starts or keeps up sound, as opposed to one that only ends it (a note-off,
// All Notes Off and the other channel mode messages): after a silence it begins a new take.
bool IsPlaying(const uint8_t *Data, size_t Size) {
    if (Size == 0)
        return false;
    const uint8_t Kind = Data[0] & 0xF0;
    if (Kind == 0x80 || (Kind == 0x90 && Size == 3 && Data[2] == 0))
        return false;
    return !(Kind == 0xB0 && Size == 3 && Data[1] >= 120 && Data[0] < 0xF0);
}

} // namespace

TTakeStore::TTakeStore(size_t MemoryCap) : FMemoryCap(std::max(MemoryCap, EventBytes * 1024)) {}

void TTakeStore::SetMemoryCap(size_t Bytes) {
    FMemoryCap = std::max(Bytes, EventBytes * 1024);
    if (!FEvents.empty())
        Trim(FEvents.back().TimeUs);
}

void TTakeStore::Clear() {
    FEvents.clear();
    FLong.clear();
    FLongBase = FLongNext = 0;
    FBefore.Clear();
    FMemoryUsed = 0;
    FCapReached = false;
}

void TTakeStore::Add(int64_t TimeUs, const uint8_t *Data, size_t Size) {
    if (Size == 0)
        return;
    if (!FEvents.empty())
        TimeUs = std::max(TimeUs, FEvents.back().TimeUs);
    TEvent Event{TimeUs, uint8_t(std::min<size_t>(Size, 255)), {}, 0};
    if (Size <= 3) {
        std::copy(Data, Data + Size, Event.Short.begin());
    } else {
        Event.Size = 4;
        Event.Long = FLongNext++;
        FLong.emplace_back(Data, Data + Size);
    }
    FEvents.push_back(Event);
    FMemoryUsed += Cost(Size);
    Trim(TimeUs);
}

void TTakeStore::DropOldest() {
    const TEvent &Oldest = FEvents.front();
    const size_t Size = SizeOf(Oldest);
    FBefore.Apply(Bytes(Oldest), Size);
    FMemoryUsed -= Cost(Size);
    if (Oldest.Size > 3) {
        FLong.pop_front();
        ++FLongBase;
    }
    FEvents.pop_front();
}

void TTakeStore::Trim(int64_t NewestUs) {
    while (!FEvents.empty() && FEvents.front().TimeUs < NewestUs - KeepUs)
        DropOldest();
    while (!FEvents.empty() && FMemoryUsed > FMemoryCap) {
        DropOldest();
        FCapReached = true;
    }
}

TTake TTakeStore::Take(TPart Part, int64_t AmountUs, int64_t NowUs, int64_t *StartUs) const {
    TTake Result;
    // Nothing from before the last 30 minutes, whatever was asked.
    const int64_t Earliest =
        NowUs - (Part == TPart::LastMinutes ? std::min(AmountUs, KeepUs) : KeepUs);
    size_t First = 0;
    while (First < FEvents.size() && FEvents[First].TimeUs < Earliest)
        ++First;

    // Where the take begins: the first playing message after the last silence (or of the
    // window); where it ends: after the last message that plays or ends a sounding note.
    TChannelState State = FBefore;
    size_t Begin = FEvents.size();
    size_t End = 0;
    int64_t QuietSince = INT64_MIN;
    for (size_t i = 0; i < FEvents.size(); ++i) {
        const TEvent &Event = FEvents[i];
        const uint8_t *Data = Bytes(Event);
        const size_t Size = SizeOf(Event);
        const bool Playing = IsPlaying(Data, Size);
        if (i >= First && Playing) {
            const bool AfterSilence =
                State.SoundingCount() == 0 &&
                (QuietSince == INT64_MIN || Event.TimeUs - QuietSince >= AmountUs);
            if (Begin == FEvents.size() || (Part == TPart::SinceSilence && AfterSilence))
                Begin = i;
        }
        const bool Ends = !Playing && State.SoundingCount() > 0 && !State.IsIdleRelease(Data, Size);
        State.Apply(Data, Size);
        if (i >= Begin && Begin < FEvents.size() && (Playing || Ends))
            End = i + 1;
        QuietSince = Event.TimeUs;
    }
    if (Begin >= FEvents.size() || End <= Begin)
        return Result;

    // The state before it, then its messages (releases of silent notes left out), then the
    // release of what it leaves sounding.
    State = FBefore;
    for (size_t i = 0; i < Begin; ++i)
        State.Apply(Bytes(FEvents[i]), SizeOf(FEvents[i]));
    const int64_t Origin = FEvents[Begin].TimeUs;
    if (StartUs)
        *StartUs = Origin;
    Result.Reserve(End - Begin + 64, (End - Begin) * 3 + 256);
    State.Restore([&](const uint8_t *Data, size_t Size) { Result.Add(0, Data, Size); });
    for (size_t i = Begin; i < End; ++i) {
        const uint8_t *Data = Bytes(FEvents[i]);
        const size_t Size = SizeOf(FEvents[i]);
        if (State.IsIdleRelease(Data, Size))
            continue;
        State.Apply(Data, Size);
        Result.Add(FEvents[i].TimeUs - Origin, Data, Size);
    }
    const int64_t Last = FEvents[End - 1].TimeUs - Origin;
    State.Release([&](const uint8_t *Data, size_t Size) { Result.Add(Last, Data, Size); });
    return Result;
}
