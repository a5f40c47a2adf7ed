#pragma once

// Questions to a JACK server beside our MIDI ports (jackmidi.h): is one running, which MIDI
// ports has it. A monitor is a client without ports that only listens for the server going
// away, for what runs on JACK without a client that would tell (the built-in synthesizer's
// audio goes through FluidSynth's own).

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _jack_client;

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
    // send to, in JACK's order; none when no server answers. Asked of a client that is never
    // activated: cheaper than an RtMidi client, which joins the graph.
    enum class TSide { Sources, Destinations };
    static std::optional<std::vector<std::string>> MidiPorts(TSide Side);

    // While the handle lives, the questions above share one client instead of opening and
    // closing one each (20 to 40 ms apiece). For a burst of questions, such as a window's
    // start-up; not for keeping: a client whose server has gone away is closed only here.
    static std::shared_ptr<void> HoldQueries();

    // Opens a client under exactly this name, trying again a few times: opening under the name
    // of a client that has just closed fails now and then while the server is still tidying
    // up. Null when no server answers (ServerAbsent set) or the opens kept failing.
    static _jack_client *OpenClient(const std::string &Name, bool &ServerAbsent);

private:
    explicit TJackMonitor(_jack_client *Client);
    static std::unique_ptr<TJackMonitor> OpenNamed(const char *Base, std::function<void()> OnGone);
    // The client to ask: the one a query scope keeps, else a new one left in Own; null when no
    // server answers. Called with the query lock held.
    static TJackMonitor *QueryClient(std::unique_ptr<TJackMonitor> &Own);
    _jack_client *FClient;
    std::atomic<bool> FGone{false};
    std::function<void()> FOnGone;
};
