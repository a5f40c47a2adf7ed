#pragma once

// MIDI ports of our own on a JACK server. The ports opened under one client name share one JACK
// client: JACK wakes a thread of every client at every period, so an output and an input cost
// one wake-up instead of two, and the musician's patchbay shows one "Ondrel" with both ports.
// The client also tells when its server goes away (a port then neither sends nor receives).

#include "midi/midisink.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TJackMidiClient;
class TPeriodSource;
class TCaptureTap;

class TJackMidiPort {
public:
    enum class TDirection { Out, In };
    enum class TError {
        None,
        NoServer,   // no JACK server answers
        NoSuchPort, // the port to connect to is not there
        Refused,    // the server refused the port or the connection
        QueueFull,  // the server took nothing for a second
        ServerGone, // the server went away after the port opened
    };
    // Called on JACK's thread for every complete message (system exclusive whole), with the
    // message's frame within the period and when it arrived (its frame on the server's counter).
    using TReceiveFunc = void (*)(void *User, const uint8_t *Data, size_t Size, uint32_t Frame,
                                  const TMidiArrival &At);
    // At most this many events leave an output in one period; the rest wait for the next ones.
    // A burst such as Panic's 2080 messages in one period overflows many receivers.
    static constexpr uint32_t EventsPerPeriod = 64;

    // Opens PortName on the client ClientName (sharing the client with the other ports of that
    // name) and connects it to (Out) or from (In) the port named Peer, unless Peer is empty.
    // OnGone, when given, is called on JACK's thread once the server went away. Null on failure,
    // with Error saying why.
    static std::unique_ptr<TJackMidiPort> Open(TDirection Direction, const std::string &ClientName,
                                               const std::string &PortName, const std::string &Peer,
                                               TReceiveFunc Receive, void *User,
                                               std::function<void()> OnGone, TError &Error);

    // Waits (bounded) for what was queued to leave, and what was sent final after it, then takes
    // the port away; returns only when JACK's thread no longer calls the receive function (or, with
    // a stalled server, leaves the port's memory to the client until JACK's threads stop).
    ~TJackMidiPort();
    TJackMidiPort(const TJackMidiPort &) = delete;
    TJackMidiPort &operator=(const TJackMidiPort &) = delete;

    // Queues one message for the next period. Out ports only; one sending thread. Waits while
    // the queue is full, at most a second (QueueFull).
    TError Send(const uint8_t *Data, size_t Size);
    // The same, to go after everything queued by Send, and never to be dropped: when the queue
    // is too long for a close to wait for (a Panic under way), the queue is dropped instead.
    // For the all-notes-off a close sends. The same thread as Send.
    TError SendFinal(const uint8_t *Data, size_t Size);
    // Queues one message from another thread than Send's, without waiting: meant for JACK's own
    // thread, playing an incoming message through. When the input is on the same client (as
    // ours are), it leaves in the period it came in, at Frame. False when dropped (queue full,
    // server gone).
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept;
    bool ServerGone() const;
    // Out ports: what plays at exact frames (null for nothing), and who hears every message as
    // it leaves (null for nobody). Each returns once JACK's thread no longer uses the previous.
    void SetSource(TPeriodSource *Source);
    void SetCapture(TCaptureTap *Tap);
    // In ports: messages dropped on JACK's thread (a system exclusive message split over
    // several events and longer than the room to join it).
    uint64_t Lost() const;
    // The port's full name, "client:port".
    std::string FullName() const;

private:
    friend class TJackMidiClient;
    struct TState;
    explicit TJackMidiPort(std::unique_ptr<TState> State);
    TError Enqueue(bool Final, const uint8_t *Data, size_t Size);
    std::unique_ptr<TState> F;
};
