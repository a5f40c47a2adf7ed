#include "jackmonitor.h"

#include <jack/jack.h>

namespace {

jack_client_t *OpenClient(const char *Name) {
    jack_status_t Status;
    return jack_client_open(Name, JackNoStartServer, &Status);
}

} // namespace

std::unique_ptr<TJackMonitor> TJackMonitor::Open() {
    jack_client_t *Client = OpenClient("Ondrel monitor");
    if (!Client)
        return nullptr;
    std::unique_ptr<TJackMonitor> Monitor(new TJackMonitor(Client));
    jack_on_info_shutdown(
        Client,
        [](jack_status_t, const char *, void *Self) {
            static_cast<TJackMonitor *>(Self)->FGone.store(true, std::memory_order_release);
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
    jack_client_t *Client = OpenClient("Ondrel probe");
    if (!Client)
        return false;
    jack_client_close(Client);
    return true;
}

std::optional<std::vector<std::string>> TJackMonitor::MidiPorts(TSide Side) {
    jack_client_t *Client = OpenClient("Ondrel probe");
    if (!Client)
        return std::nullopt;
    std::vector<std::string> Names;
    const unsigned long Flags = Side == TSide::Sources ? JackPortIsOutput : JackPortIsInput;
    if (const char **Ports = jack_get_ports(Client, nullptr, JACK_DEFAULT_MIDI_TYPE, Flags)) {
        for (const char **Port = Ports; *Port; ++Port)
            Names.emplace_back(*Port);
        jack_free(Ports);
    }
    jack_client_close(Client);
    return Names;
}
