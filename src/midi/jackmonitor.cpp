#include "midi/jackmonitor.h"

#include <jack/jack.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

jack_client_t *OpenUnseenClient(const char *Base) {
    // JACK binds a client's notification socket under the client's name alone
    // (/dev/shm/jack_<name>_<uid>_0), and two programs opening one name at the same moment can
    // both be offered "<name>-01": the server then talks to the wrong program, and waits for it
    // at every close. These clients have no ports and nobody sees them, so their names carry the
    // process id; within the process they open one after another.
    bool ServerAbsent = false;
    return TJackMonitor::OpenClient(std::string(Base) + ' ' + std::to_string(getpid()),
                                    ServerAbsent);
}

// Questions to the server (is it there, which MIDI ports has it) each open and close a client,
// 20 to 40 ms, unless a query scope keeps one open for the questions asked meanwhile.
std::mutex QueryLock;
int QueryScopes = 0;                // under QueryLock
std::unique_ptr<TJackMonitor> Kept; // under QueryLock; only while a scope is open

} // namespace

void JackQuietly(const std::function<void()> &Do) {
    void (*const Complain)(const char *) = jack_error_callback;
    void (*const Tell)(const char *) = jack_info_callback;
    jack_set_error_function([](const char *) {});
    jack_set_info_function([](const char *) {});
    Do();
    jack_set_error_function(Complain);
    jack_set_info_function(Tell);
}

jack_client_t *TJackMonitor::OpenClient(const std::string &Name, bool &ServerAbsent) {
    ServerAbsent = false;
    for (int Attempt = 1;; ++Attempt) {
        jack_status_t Status = jack_status_t(0);
        if (jack_client_t *Client = jack_client_open(Name.c_str(), JackNoStartServer, &Status))
            return Client;
        ServerAbsent = (Status & JackServerFailed) != 0;
        if (ServerAbsent || Attempt == 4)
            return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(5 * Attempt));
    }
}

std::shared_ptr<void> TJackMonitor::HoldQueries() {
    {
        std::lock_guard<std::mutex> Lock(QueryLock);
        ++QueryScopes;
    }
    return std::shared_ptr<void>(&QueryScopes, [](void *) {
        std::unique_ptr<TJackMonitor> Closing; // closed outside the lock
        std::lock_guard<std::mutex> Lock(QueryLock);
        if (--QueryScopes == 0)
            Closing = std::move(Kept);
    });
}

TJackMonitor *TJackMonitor::QueryClient(std::unique_ptr<TJackMonitor> &Own) {
    if (Kept && !Kept->ServerGone())
        return Kept.get();
    Kept.reset();
    // Asked every few seconds while waiting for a server to come back.
    JackQuietly([&] { Own = OpenNamed("Ondrel probe", {}); });
    if (QueryScopes == 0)
        return Own.get();
    Kept = std::move(Own);
    return Kept.get();
}

std::unique_ptr<TJackMonitor> TJackMonitor::Open(std::function<void()> OnGone) {
    return OpenNamed("Ondrel monitor", std::move(OnGone));
}

std::unique_ptr<TJackMonitor> TJackMonitor::OpenNamed(const char *Base,
                                                      std::function<void()> OnGone) {
    jack_client_t *Client = OpenUnseenClient(Base);
    if (!Client)
        return nullptr;
    std::unique_ptr<TJackMonitor> Monitor(new TJackMonitor(Client));
    Monitor->FOnGone = std::move(OnGone);
    jack_on_info_shutdown(
        Client,
        [](jack_status_t, const char *, void *Self) {
            auto *Monitor = static_cast<TJackMonitor *>(Self);
            Monitor->FGone.store(true, std::memory_order_release);
            if (Monitor->FOnGone)
                Monitor->FOnGone();
        },
        Monitor.get());
    return Monitor;
}

TJackMonitor::TJackMonitor(jack_client_t *Client) : FClient(Client) {}

TJackMonitor::~TJackMonitor() {
    // Closing stops JACK's notification thread, so the shutdown callback cannot outlive us.
    jack_client_close(FClient);
}

bool TJackMonitor::ServerRunning() {
    std::lock_guard<std::mutex> Lock(QueryLock);
    std::unique_ptr<TJackMonitor> Own;
    return QueryClient(Own) != nullptr;
}

std::optional<std::vector<std::string>> TJackMonitor::MidiPorts(TSide Side) {
    std::lock_guard<std::mutex> Lock(QueryLock);
    std::unique_ptr<TJackMonitor> Own;
    TJackMonitor *Query = QueryClient(Own);
    if (!Query)
        return std::nullopt;
    std::vector<std::string> Names;
    const unsigned long Flags = Side == TSide::Sources ? JackPortIsOutput : JackPortIsInput;
    if (const char **Ports =
            jack_get_ports(Query->FClient, nullptr, JACK_DEFAULT_MIDI_TYPE, Flags)) {
        for (const char **Port = Ports; *Port; ++Port)
            Names.emplace_back(*Port);
        jack_free(Ports);
    }
    return Names;
}
