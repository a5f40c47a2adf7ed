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

class TMidiThruHook {
public:
    // Called on the service's thread for every incoming message, before it is stored for the UI
    // thread; returns whether the message was played through. Must not block.
    virtual bool Through(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept = 0;

protected:
    ~TMidiThruHook() = default;
};
