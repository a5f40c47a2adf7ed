#pragma once

// Where routed MIDI leaves, and the hook through which the service's own thread may play an
// incoming message through before the UI thread sees it. TMidiOutput is a sink, TMidiInput
// calls a thru hook; tests stand in for either.

#include "core/midivocabulary.h"

#include <cstddef>
#include <cstdint>

class TMidiSink {
public:
    // UI thread. Throws EMidiOutputError when the service refuses the message; a sink with no
    // open port drops it.
    virtual void Send(const TShortMessage &Message) = 0;
    // The service's callback thread (thru): never blocks, never throws. Frame is the offset of
    // the incoming message within the service's current period (0 where there are none), so
    // that the copy leaves with the same timing. False when the message was dropped.
    virtual bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept = 0;
    // False once the service under the open port went away.
    virtual bool ServiceAlive() const = 0;

protected:
    ~TMidiSink() = default;
};

// When an incoming message arrived: on the monotonic clock, and where the service counts frames
// (JACK), on the server's frame counter, which every client of that server shares (32 bits: it
// wraps after a day at 48 kHz, so frames are compared by their difference).
struct TMidiArrival {
    int64_t TimeUs = 0;
    uint32_t Frame = 0;
    bool HasFrame = false;
};

class TMidiThruHook {
public:
    // Called on the service's thread for every incoming message, before it is stored for the UI
    // thread; returns whether the message was played through. Must not block. MIDI clock
    // (0xF8, 0xFA, 0xFB, 0xFC) goes to Clock instead.
    virtual bool Through(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept = 0;
    virtual void Clock(uint8_t Status, const TMidiArrival &At) noexcept {
        (void)Status;
        (void)At;
    }

protected:
    ~TMidiThruHook() = default;
};
