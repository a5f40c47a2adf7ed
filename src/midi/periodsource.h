#pragma once

// What plays on an output's own real-time thread at exact times: the replay of a take, an
// arpeggiator. Once per period the output asks its source for the messages due within it and
// sends each at its frame, in order with what else leaves in that period (the UI thread's
// messages, thru). And what every output hands out as it leaves, with the time it left, for
// the capture of takes.
//
// Threads: Period and Captured run on the output's service thread (JACK's process callback,
// the built-in synthesizer's audio thread, the sending thread of the other services): they
// never allocate, lock or wait.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

// Where a transport master (JACK transport) stands at the start of a period; Valid only while
// one runs and tells bars and beats.
struct TTransport {
    bool Valid = false;
    bool Rolling = false;
    double BeatsPerMinute = 120;
    float BeatsPerBar = 4;
    float BeatType = 4;
    int32_t Bar = 1;  // from 1
    int32_t Beat = 1; // from 1, within the bar
    double Tick = 0;  // within the beat
    double TicksPerBeat = 1920;
};

// One period of an output's clock.
struct TPeriod {
    uint64_t Start = 0;        // the period's first frame, counted by the output's clock
    uint32_t Frames = 0;       // its length
    uint32_t Rate = 48000;     // frames a second
    int64_t StartUs = 0;       // when its first frame leaves, on the monotonic clock (microseconds)
    TTransport Transport;      // the service's transport (JACK), where there is one
    bool ServerFrames = false; // Start counts the JACK server's frames (TMidiArrival::Frame)
};

class TMidiEmit {
public:
    // The longest message a source may emit; longer ones are refused.
    static constexpr size_t LargestMessage = 4096;
    // Offset: the frame within the period (clamped to it). False when the period is full: the
    // source should try that message again in the next period.
    virtual bool Emit(uint32_t Offset, const uint8_t *Data, size_t Size) noexcept = 0;

protected:
    ~TMidiEmit() = default;
};

class TPeriodSource {
public:
    virtual void Period(const TPeriod &Period, TMidiEmit &Out) noexcept = 0;

protected:
    ~TPeriodSource() = default;
};

class TCaptureTap {
public:
    // One message as it left the output, at TimeUs on the monotonic clock (microseconds).
    virtual void Captured(int64_t TimeUs, const uint8_t *Data, size_t Size) noexcept = 0;

protected:
    ~TCaptureTap() = default;
};

// A period's messages from a source, kept in time order in room of their own, until they are
// written with the rest of the period. At most 64 messages and 16 KiB a period.
class TPeriodEvents final : public TMidiEmit {
public:
    struct TEvent {
        uint32_t Offset;
        uint32_t Start; // in the bytes
        uint32_t Size;
    };

    void Clear(uint32_t Frames) {
        FCount = 0;
        FUsed = 0;
        FNext = 0;
        FFrames = Frames;
    }
    bool Emit(uint32_t Offset, const uint8_t *Data, size_t Size) noexcept override {
        if (Size == 0 || Size > LargestMessage || FCount == FEvents.size() ||
            FUsed + Size > FBytes.size())
            return false;
        std::copy(Data, Data + Size, FBytes.begin() + std::ptrdiff_t(FUsed));
        // Sorted as they come (a source emits in order as a rule): stable, nothing allocated.
        size_t At = FCount++;
        const uint32_t Time = std::min(Offset, FFrames > 0 ? FFrames - 1 : 0);
        while (At > 0 && FEvents[At - 1].Offset > Time) {
            FEvents[At] = FEvents[At - 1];
            --At;
        }
        FEvents[At] = {Time, uint32_t(FUsed), uint32_t(Size)};
        FUsed += Size;
        return true;
    }
    // The next message not written yet, if it is due at or before Time.
    const TEvent *NextUntil(uint32_t Time) const {
        return FNext < FCount && FEvents[FNext].Offset <= Time ? &FEvents[FNext] : nullptr;
    }
    void Written() { ++FNext; }
    const uint8_t *Bytes(const TEvent &Event) const { return FBytes.data() + Event.Start; }

private:
    std::array<TEvent, 64> FEvents{};
    std::array<uint8_t, 16 * 1024> FBytes{};
    size_t FCount = 0;
    size_t FUsed = 0;
    size_t FNext = 0;
    uint32_t FFrames = 0;
};
