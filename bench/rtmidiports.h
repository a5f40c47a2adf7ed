#pragma once

// The baseline the latency targets name: bare RtMidi ports on JACK, one client each, as another
// program would have them (the program's own JACK ports are not RtMidi's).

#include <RtMidi.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace BenchRtMidi {

// Sends from a port of its own, "<Client>:<Port>".
class TSender {
public:
    TSender(const std::string &Client, const std::string &Port) : FOut(RtMidi::UNIX_JACK, Client) {
        FOut.openVirtualPort(Port);
    }
    ~TSender() {
        // RtMidi frees its queue before closing its client, while JACK's thread may still read
        // it: the port goes first, and a period passes.
        FOut.closePort();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    void Send(const uint8_t *Data, size_t Size) { FOut.sendMessage(Data, Size); }

private:
    RtMidiOut FOut;
};

using TReceiveFunc = void (*)(void *User, const uint8_t *Data, size_t Size);

// Receives on "<Client>:<Port>", connected from the port named Source; every message, system
// exclusive and real-time ones included, goes to Receive on JACK's thread.
class TReceiver {
public:
    TReceiver(const std::string &Client, const std::string &Port, const std::string &Source,
              TReceiveFunc Receive, void *User)
        : FIn(RtMidi::UNIX_JACK, Client), FReceive(Receive), FUser(User) {
        FIn.ignoreTypes(false, false, false);
        FIn.setCallback(&TReceiver::Relay, this);
        for (unsigned i = 0; i < FIn.getPortCount(); ++i) {
            if (FIn.getPortName(i) == Source) {
                FIn.openPort(i, Port);
                return;
            }
        }
        throw std::runtime_error("no JACK port " + Source);
    }
    ~TReceiver() { FIn.closePort(); }

private:
    static void Relay(double, std::vector<unsigned char> *Message, void *Self) {
        auto *Receiver = static_cast<TReceiver *>(Self);
        if (Message && !Message->empty())
            Receiver->FReceive(Receiver->FUser, Message->data(), Message->size());
    }

    RtMidiIn FIn;
    TReceiveFunc FReceive;
    void *FUser;
};

} // namespace BenchRtMidi
