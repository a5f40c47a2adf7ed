#pragma once

// A JACK server of our own for tests and benchmarks (dummy driver, no sound card, no real-time
// rights needed), and a plain JACK client that sends and receives raw MIDI on the other side of
// the ports under test. Every wait here is bounded.

#include <jack/jack.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

using TBytes = std::vector<uint8_t>;

class TJackServer {
public:
    ~TJackServer();

    // Starts `jackd --no-realtime --sync -d dummy` under Name, which also becomes
    // JACK_DEFAULT_SERVER for this process. False, with ErrorText() saying why, when jackd is
    // missing, exits or does not answer within TimeoutMs.
    bool Start(const QString &Name, int PeriodFrames = 128, int TimeoutMs = 10000);
    // Ends the server normally (SIGTERM); kills it when it does not stop within a few seconds.
    // A killed server keeps its slot in JACK's registry of servers (eight in all) until a
    // server of the same name starts again, so tests stop servers, never kill them.
    void Stop();
    QString ErrorText() const { return FError; }
    // The server's process, for a test that stops it where it is (SIGSTOP) to have a server
    // that takes nothing while its clients go on.
    qint64 Pid() const { return FProcess.processId(); }

private:
    static void ReclaimDeadServers();
    bool Launch(const QString &Name, int PeriodFrames, int TimeoutMs);
    QString Log() const;
    QProcess FProcess;
    QTemporaryFile FLog;
    QString FName;
    QString FError;
};

// Ports "<name>:in" and "<name>:out". Sent messages all go out in the next process cycle;
// received ones are collected in arrival order.
class TJackPeer {
public:
    explicit TJackPeer(const QString &Name = QStringLiteral("ondrel-peer"));
    ~TJackPeer();
    TJackPeer(const TJackPeer &) = delete;
    TJackPeer &operator=(const TJackPeer &) = delete;

    bool IsValid() const { return FClient != nullptr; }
    QString InPort() const;
    QString OutPort() const;
    bool Connect(const QString &Source, const QString &Destination);
    // The full name of the first MIDI port matching the pattern, with the given JACK flags.
    QString FindPort(const QString &Pattern, unsigned long Flags) const;
    // The full names of the ports connected to Port (any client's); empty when it is not there.
    QStringList Connections(const QString &Port) const;

    // A new connection carries messages only from a later cycle on: wait a few after making one.
    bool WaitCycles(int Count = 3, int TimeoutMs = 5000);

    void Send(const std::vector<TBytes> &Messages);
    bool WaitUntilSent(int TimeoutMs = 5000);
    std::vector<TBytes> Received() const;
    // For each message received, the frame it arrived at on the server's clock, and that
    // frame's time as JACK tells it (microseconds on the monotonic clock).
    std::vector<uint64_t> ReceivedFrames() const;
    std::vector<int64_t> ReceivedTimesUs() const;
    uint32_t SampleRate() const;
    bool WaitForReceived(size_t Count, int TimeoutMs = 5000);
    void ClearReceived();

private:
    static int Process(jack_nframes_t Frames, void *Self);
    jack_client_t *FClient = nullptr;
    jack_port_t *FIn = nullptr;
    jack_port_t *FOut = nullptr;
    mutable std::mutex FLock;
    std::condition_variable FChanged;
    std::vector<TBytes> FPending;
    std::vector<TBytes> FReceived;
    std::vector<uint64_t> FReceivedFrames;
    std::vector<int64_t> FReceivedTimesUs;
    uint64_t FCycles = 0;
};

// A client that sends MIDI clock at 120 BPM: a start, then a tick every 1000 frames (48 kHz),
// each up to Jitter frames late, as a hardware clock bridged into JACK arrives.
class TJackClockSender {
public:
    explicit TJackClockSender(const char *Name = "ondrel-clock", uint32_t Jitter = 0);
    ~TJackClockSender();
    TJackClockSender(const TJackClockSender &) = delete;
    TJackClockSender &operator=(const TJackClockSender &) = delete;

    QString OutPort() const;
    void Start() { FSending = true; }

private:
    static int Process(jack_nframes_t Frames, void *Self);

    jack_client_t *FClient = nullptr;
    jack_port_t *FOut = nullptr;
    uint32_t FJitter;
    uint32_t FSeed = 1;
    std::atomic<bool> FSending{false};
    uint64_t FNext = 0; // the exact frame of the next tick
    uint64_t FDue = 0;  // where it goes, jitter added
};
