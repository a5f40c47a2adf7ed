#pragma once

// Questions to a JACK server beside our MIDI ports (jackmidi.h): is one running, which MIDI
// ports has it, how are they connected, and word of their changes. A monitor is a client without
// ports that only listens for the server going away, for what runs on JACK without a client that
// would tell (the built-in synthesizer's audio goes through FluidSynth's own).

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _jack_client;
class TJackQueryClient;

// Runs Do with JACK's own complaints silenced: where an absent or lost server is an answer, not
// an error, JACK would otherwise print one at every question.
void JackQuietly(const std::function<void()> &Do);

class TJackMonitor {
public:
    // Null when no JACK server answers (the one named by JACK_DEFAULT_SERVER, or the default).
    // OnGone, when given, is called on JACK's own thread once the server has gone away.
    static std::unique_ptr<TJackMonitor> Open(std::function<void()> OnGone = {});
    ~TJackMonitor();
    TJackMonitor(const TJackMonitor &) = delete;
    TJackMonitor &operator=(const TJackMonitor &) = delete;

    // Set from JACK's own thread when the server shuts down or the connection breaks.
    bool ServerGone() const { return FGone.load(std::memory_order_acquire); }

    // Whether a JACK server answers now; never starts one.
    static bool ServerRunning();

    // The full names of the MIDI ports of other clients that we can receive from (Sources) or
    // send to, in JACK's order; none when no server answers. Asked of a client without ports
    // and without a process callback: cheaper than an RtMidi client, which joins the graph.
    enum class TSide { Sources, Destinations };
    static std::optional<std::vector<std::string>> MidiPorts(TSide Side);
    // The full names of the ports the output port Port sends to (nothing for an input port or
    // an unknown one); none when no server answers.
    static std::optional<std::vector<std::string>> Destinations(const std::string &Port);

    // While the handle lives, the questions above share one client instead of opening and
    // closing one each (20 to 40 ms apiece). For a burst of questions, such as a window's
    // start-up; not for keeping: a client whose server has gone away is closed only here.
    static std::shared_ptr<void> HoldQueries();

    // Opens a client under exactly this name, trying again a few times: opening under the name
    // of a client that has just closed fails now and then while the server is still tidying
    // up. Null when no server answers (ServerAbsent set) or the opens kept failing. Every client
    // of ours opens here and closes through CloseClient: once a server went away, libjack
    // deletes the clients still open at the next attempt to open one, so none is opened until
    // all of them are closed (ServerAbsent meanwhile).
    static _jack_client *OpenClient(const std::string &Name, bool &ServerAbsent);
    // Closes a client opened by OpenClient; quietly when its server is gone.
    static void CloseClient(_jack_client *Client, bool ServerGone);
    // Called from a shutdown callback: a server of our clients went away.
    static void NoteServerLost();

private:
    explicit TJackMonitor(_jack_client *Client);
    _jack_client *FClient;
    std::atomic<bool> FGone{false};
    std::function<void()> FOnGone;
};

// Word of the server's MIDI wiring changing: a port registered, unregistered or renamed, ports
// connected or disconnected. The watches share the client that answers the questions above,
// kept open while any watch lives; it is activated without a process callback, so JACK never
// wakes it at a period, only when there is news.
class TJackPortWatch {
public:
    // Null when no JACK server answers. OnChange and OnGone are called on JACK's notification
    // thread, never again once the watch is destroyed; OnGone once the server has gone away.
    // Destroy the watch soon after OnGone: libjack crashes closing a client whose server went
    // away once a new server runs under its name.
    static std::unique_ptr<TJackPortWatch> Open(std::function<void()> OnChange,
                                                std::function<void()> OnGone);
    ~TJackPortWatch();
    TJackPortWatch(const TJackPortWatch &) = delete;
    TJackPortWatch &operator=(const TJackPortWatch &) = delete;

    bool ServerGone() const;

private:
    TJackPortWatch(std::shared_ptr<TJackQueryClient> Client, int Id);
    std::shared_ptr<TJackQueryClient> FClient;
    int FId;
};
