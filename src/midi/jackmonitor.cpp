#include "midi/jackmonitor.h"

#include <jack/jack.h>

#include <chrono>
#include <map>
#include <mutex>
#include <set>
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

// The clients this process opened and has not closed yet. Once their server went away, libjack
// deletes every one of them at the next attempt to open a client, behind its owner's back (who
// then crashes closing it): so while any is still open, no client is opened.
std::mutex ClientLock;
std::set<jack_client_t *> OpenClients; // under ClientLock
bool ServerLost = false;               // under ClientLock

// Questions to the server (is it there, which MIDI ports has it) each open and close a client,
// 20 to 40 ms, unless a query scope or a port watch keeps one open meanwhile.
std::mutex QueryLock;
int QueryScopes = 0;                    // under QueryLock
std::shared_ptr<TJackQueryClient> Kept; // under QueryLock; while a scope or a watch wants it

} // namespace

// The client questions are asked of, and the one the port watches listen on. It has no ports
// and no process callback: activated for the watches, it is told of changes on JACK's
// notification thread and never woken at a period.
class TJackQueryClient {
public:
    // Null when no server answers.
    static std::shared_ptr<TJackQueryClient> Open() {
        jack_client_t *Client = nullptr;
        // Asked every second or so while waiting for a server to come back.
        JackQuietly([&] { Client = OpenUnseenClient("Ondrel probe"); });
        if (!Client)
            return nullptr;
        std::shared_ptr<TJackQueryClient> Query(new TJackQueryClient(Client));
        // Callbacks are set before activation, which only a watch asks for.
        jack_set_port_registration_callback(
            Client, [](jack_port_id_t, int, void *Self) { Changed(Self); }, Query.get());
        jack_set_port_connect_callback(
            Client, [](jack_port_id_t, jack_port_id_t, int, void *Self) { Changed(Self); },
            Query.get());
        jack_set_port_rename_callback(
            Client, [](jack_port_id_t, const char *, const char *, void *Self) { Changed(Self); },
            Query.get());
        jack_on_info_shutdown(Client, &TJackQueryClient::Shutdown, Query.get());
        return Query;
    }

    ~TJackQueryClient() {
        // Closing stops JACK's notification thread: no callback outlives us.
        TJackMonitor::CloseClient(FClient, Gone());
    }
    TJackQueryClient(const TJackQueryClient &) = delete;
    TJackQueryClient &operator=(const TJackQueryClient &) = delete;

    jack_client_t *Handle() const { return FClient; }
    bool Gone() const { return FGone.load(std::memory_order_acquire); }

    int Subscribe(std::function<void()> OnChange, std::function<void()> OnGone) {
        std::lock_guard<std::mutex> Lock(FLock);
        FWatchers.emplace(++FLastId, TWatcher{std::move(OnChange), std::move(OnGone)});
        return FLastId;
    }
    void Unsubscribe(int Id) {
        std::lock_guard<std::mutex> Lock(FLock);
        FWatchers.erase(Id);
    }

    // Under QueryLock.
    bool Active = false;
    int Watches = 0;

private:
    struct TWatcher {
        std::function<void()> OnChange;
        std::function<void()> OnGone;
    };

    explicit TJackQueryClient(jack_client_t *Client) : FClient(Client) {}

    // JACK's notification thread.
    static void Changed(void *Self) {
        auto *Query = static_cast<TJackQueryClient *>(Self);
        std::lock_guard<std::mutex> Lock(Query->FLock);
        for (const auto &[Id, Watcher] : Query->FWatchers)
            if (Watcher.OnChange)
                Watcher.OnChange();
    }
    static void Shutdown(jack_status_t, const char *, void *Self) {
        auto *Query = static_cast<TJackQueryClient *>(Self);
        Query->FGone.store(true, std::memory_order_release);
        TJackMonitor::NoteServerLost();
        std::lock_guard<std::mutex> Lock(Query->FLock);
        for (const auto &[Id, Watcher] : Query->FWatchers)
            if (Watcher.OnGone)
                Watcher.OnGone();
    }

    jack_client_t *FClient;
    std::atomic<bool> FGone{false};
    std::mutex FLock; // the watchers against JACK's notification thread
    std::map<int, TWatcher> FWatchers;
    int FLastId = 0;
};

namespace {

// The client to ask, called with QueryLock held: the kept one while its server is there, else a
// new one, kept when a scope wants it. Null when no server answers.
std::shared_ptr<TJackQueryClient> QueryClient() {
    if (Kept && !Kept->Gone())
        return Kept;
    Kept.reset();
    std::shared_ptr<TJackQueryClient> Query = TJackQueryClient::Open();
    if (QueryScopes > 0)
        Kept = Query;
    return Query;
}

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
    {
        std::lock_guard<std::mutex> Lock(ClientLock);
        if (ServerLost) {
            // Clients of the lost server still open: opening now would delete them.
            ServerAbsent = true;
            return nullptr;
        }
    }
    for (int Attempt = 1;; ++Attempt) {
        jack_status_t Status = jack_status_t(0);
        if (jack_client_t *Client = jack_client_open(Name.c_str(), JackNoStartServer, &Status)) {
            std::lock_guard<std::mutex> Lock(ClientLock);
            OpenClients.insert(Client);
            return Client;
        }
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
        std::shared_ptr<TJackQueryClient> Closing; // closed outside the lock
        std::lock_guard<std::mutex> Lock(QueryLock);
        if (--QueryScopes == 0 && Kept && Kept->Watches == 0)
            Closing = std::move(Kept);
    });
}

std::unique_ptr<TJackMonitor> TJackMonitor::Open(std::function<void()> OnGone) {
    jack_client_t *Client = OpenUnseenClient("Ondrel monitor");
    if (!Client)
        return nullptr;
    std::unique_ptr<TJackMonitor> Monitor(new TJackMonitor(Client));
    Monitor->FOnGone = std::move(OnGone);
    jack_on_info_shutdown(
        Client,
        [](jack_status_t, const char *, void *Self) {
            auto *Monitor = static_cast<TJackMonitor *>(Self);
            Monitor->FGone.store(true, std::memory_order_release);
            NoteServerLost();
            if (Monitor->FOnGone)
                Monitor->FOnGone();
        },
        Monitor.get());
    return Monitor;
}

TJackMonitor::TJackMonitor(jack_client_t *Client) : FClient(Client) {}

TJackMonitor::~TJackMonitor() {
    // Closing stops JACK's notification thread, so the shutdown callback cannot outlive us.
    CloseClient(FClient, ServerGone());
}

void TJackMonitor::CloseClient(_jack_client *Client, bool ServerGone) {
    // After the server went away JACK would complain that it is not running, which we know.
    if (ServerGone)
        JackQuietly([Client] { jack_client_close(Client); });
    else
        jack_client_close(Client);
    std::lock_guard<std::mutex> Lock(ClientLock);
    OpenClients.erase(Client);
    if (OpenClients.empty())
        ServerLost = false;
}

void TJackMonitor::NoteServerLost() {
    std::lock_guard<std::mutex> Lock(ClientLock);
    if (!OpenClients.empty())
        ServerLost = true;
}

bool TJackMonitor::ServerRunning() {
    std::lock_guard<std::mutex> Lock(QueryLock);
    return QueryClient() != nullptr;
}

std::optional<std::vector<std::string>> TJackMonitor::MidiPorts(TSide Side) {
    std::lock_guard<std::mutex> Lock(QueryLock);
    const std::shared_ptr<TJackQueryClient> Query = QueryClient();
    if (!Query)
        return std::nullopt;
    std::vector<std::string> Names;
    const unsigned long Flags = Side == TSide::Sources ? JackPortIsOutput : JackPortIsInput;
    if (const char **Ports =
            jack_get_ports(Query->Handle(), nullptr, JACK_DEFAULT_MIDI_TYPE, Flags)) {
        for (const char **Port = Ports; *Port; ++Port)
            Names.emplace_back(*Port);
        jack_free(Ports);
    }
    return Names;
}

std::optional<std::vector<std::string>> TJackMonitor::Destinations(const std::string &Port) {
    std::lock_guard<std::mutex> Lock(QueryLock);
    const std::shared_ptr<TJackQueryClient> Query = QueryClient();
    if (!Query)
        return std::nullopt;
    std::vector<std::string> Names;
    const jack_port_t *Found = jack_port_by_name(Query->Handle(), Port.c_str());
    if (!Found || !(jack_port_flags(Found) & JackPortIsOutput))
        return Names;
    if (const char **Peers = jack_port_get_all_connections(Query->Handle(), Found)) {
        for (const char **Peer = Peers; *Peer; ++Peer)
            Names.emplace_back(*Peer);
        jack_free(Peers);
    }
    return Names;
}

std::unique_ptr<TJackPortWatch> TJackPortWatch::Open(std::function<void()> OnChange,
                                                     std::function<void()> OnGone) {
    std::lock_guard<std::mutex> Lock(QueryLock);
    std::shared_ptr<TJackQueryClient> Query = QueryClient();
    if (!Query)
        return nullptr;
    if (!Query->Active) {
        if (jack_activate(Query->Handle()) != 0)
            return nullptr;
        Query->Active = true;
    }
    ++Query->Watches;
    Kept = Query;
    const int Id = Query->Subscribe(std::move(OnChange), std::move(OnGone));
    return std::unique_ptr<TJackPortWatch>(new TJackPortWatch(std::move(Query), Id));
}

TJackPortWatch::TJackPortWatch(std::shared_ptr<TJackQueryClient> Client, int Id)
    : FClient(std::move(Client)), FId(Id) {}

TJackPortWatch::~TJackPortWatch() {
    FClient->Unsubscribe(FId);
    std::shared_ptr<TJackQueryClient> Closing; // closed outside the lock, by the last owner
    {
        std::lock_guard<std::mutex> Lock(QueryLock);
        // A client whose server went away goes as soon as it can: closed once another server
        // runs under that name, libjack crashes.
        if (--FClient->Watches == 0 && Kept == FClient && (QueryScopes == 0 || FClient->Gone()))
            Closing = std::move(Kept);
    }
    FClient.reset();
}

bool TJackPortWatch::ServerGone() const {
    return FClient->Gone();
}
