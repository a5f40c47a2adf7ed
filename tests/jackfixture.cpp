#include "jackfixture.h"

#include <jack/midiport.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>

namespace {

void Quiet(const char *) {}

// Whether a server answers, without libjack's complaints while it is still starting.
bool ServerAnswers() {
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
    jack_status_t Status;
    jack_client_t *Client = jack_client_open("ondrel-probe", JackNoStartServer, &Status);
    if (Client)
        jack_client_close(Client);
    jack_set_error_function(nullptr);
    jack_set_info_function(nullptr);
    return Client != nullptr;
}

// JACK names a client's socket after the client alone (/dev/shm/jack_<client>_<uid>_0), whatever
// its server, so two test programs opening "Ondrel" at once, each on a server of its own,
// take each other's socket. CTest keeps its own tests apart (resource lock "jack"); this keeps
// apart the test programs of different runs on one machine. Held until the process ends.
void TakeTheMachinesJackTurn() {
    static int Fd = -1;
    if (Fd >= 0)
        return;
    Fd = open("/tmp/ondrel-jack-tests.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (Fd < 0 || flock(Fd, LOCK_EX | LOCK_NB) == 0)
        return;
    std::fputs("Waiting for the JACK tests of another run on this machine to end...\n", stderr);
    while (flock(Fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

} // namespace

TJackServer::~TJackServer() {
    Stop();
}

bool TJackServer::Start(const QString &Name, int PeriodFrames, int TimeoutMs) {
    TakeTheMachinesJackTurn();
    ReclaimDeadServers();
    return Launch(Name, PeriodFrames, TimeoutMs);
}

// jackd keeps a registry of at most eight servers in shared memory, and one that was killed
// (a test killed by its timeout, a crash) keeps its entry until a server of the same name
// starts again; enough of them and no server starts at all. So the entries of our own servers
// (names starting with "ondrel-") whose process is gone are freed by starting and stopping a
// server under each name once.
void TJackServer::ReclaimDeadServers() {
    QFile Registry(QStringLiteral("/dev/shm/jack-shm-registry"));
    if (!Registry.open(QIODevice::ReadOnly))
        return;
    const QByteArray Data = Registry.read(64 * 1024);
    // Each entry is the server's pid (32 bits) followed by "jack-<uid>:<name>:".
    static const QRegularExpression Entry(QStringLiteral("jack-\\d+:(ondrel-[^:\\x00]+):"));
    QRegularExpressionMatchIterator Matches = Entry.globalMatch(QString::fromLatin1(Data));
    while (Matches.hasNext()) {
        const QRegularExpressionMatch Match = Matches.next();
        const qsizetype At = Match.capturedStart(0);
        if (At < 4)
            continue;
        int32_t Pid = 0;
        std::memcpy(&Pid, Data.constData() + At - 4, sizeof Pid);
        if (Pid <= 0 || kill(Pid, 0) == 0 || errno != ESRCH)
            continue; // alive, or not ours to judge
        TJackServer Reclaim;
        Reclaim.Launch(Match.captured(1), 1024, 5000);
    }
}

bool TJackServer::Launch(const QString &Name, int PeriodFrames, int TimeoutMs) {
    FError.clear();
    FName = Name;
    qputenv("JACK_DEFAULT_SERVER", Name.toUtf8());
    qputenv("JACK_NO_START_SERVER", "1");
    const QString Jackd = QStandardPaths::findExecutable(QStringLiteral("jackd"));
    if (Jackd.isEmpty()) {
        FError = QStringLiteral("jackd not found (Debian package jackd2)");
        return false;
    }
    if (!FLog.isOpen() && !FLog.open()) {
        FError = QStringLiteral("cannot create a log file for jackd");
        return false;
    }
    FProcess.setProgram(Jackd);
    // Synchronous: without real-time rights, on a busy machine, a client thread can miss a
    // cycle, and in JACK's default mode whatever reached its ports in that cycle is dropped.
    FProcess.setArguments({QStringLiteral("--name"), Name, QStringLiteral("--no-realtime"),
                           QStringLiteral("--sync"), QStringLiteral("-d"), QStringLiteral("dummy"),
                           QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-p"),
                           QString::number(PeriodFrames)});
    // A test that crashes or is killed by its timeout must not leave the server behind.
    FProcess.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    FProcess.setStandardInputFile(QProcess::nullDevice());
    // A file, not a pipe: nobody reads while the tests run, and a full pipe would stall jackd.
    FProcess.setStandardOutputFile(FLog.fileName(), QIODevice::Append);
    FProcess.setStandardErrorFile(FLog.fileName(), QIODevice::Append);
    FProcess.start();
    if (!FProcess.waitForStarted(5000)) {
        FError = QStringLiteral("jackd did not start: %1").arg(FProcess.errorString());
        return false;
    }
    QDeadlineTimer Deadline(TimeoutMs);
    while (!Deadline.hasExpired()) {
        if (ServerAnswers())
            return true;
        if (FProcess.waitForFinished(50)) {
            FError = QStringLiteral("jackd exited with code %1:\n%2")
                         .arg(FProcess.exitCode())
                         .arg(Log());
            return false;
        }
    }
    FError = QStringLiteral("jackd did not answer within %1 ms:\n%2").arg(TimeoutMs).arg(Log());
    Stop();
    return false;
}

void TJackServer::Stop() {
    if (FProcess.state() == QProcess::NotRunning)
        return;
    FProcess.terminate();
    if (!FProcess.waitForFinished(5000)) {
        FProcess.kill();
        FProcess.waitForFinished(5000);
    }
    // Clients still connected when the server went away cannot remove their semaphores.
    QDir Shm(QStringLiteral("/dev/shm"));
    for (const QString &File :
         Shm.entryList({QStringLiteral("jack_sem.*_%1_*").arg(FName)}, QDir::Files | QDir::System))
        Shm.remove(File);
}

QString TJackServer::Log() const {
    QFile File(FLog.fileName());
    return File.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(File.readAll()) : QString();
}

TJackPeer::TJackPeer(const QString &Name) {
    jack_status_t Status;
    FClient = jack_client_open(Name.toUtf8().constData(),
                               jack_options_t(JackNoStartServer | JackUseExactName), &Status);
    if (!FClient)
        return;
    FIn = jack_port_register(FClient, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    FOut = jack_port_register(FClient, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(FClient, &TJackPeer::Process, this);
    if (!FIn || !FOut || jack_activate(FClient) != 0) {
        jack_client_close(FClient);
        FClient = nullptr;
    }
}

TJackPeer::~TJackPeer() {
    if (FClient)
        jack_client_close(FClient);
}

QString TJackPeer::InPort() const {
    return FIn ? QString::fromUtf8(jack_port_name(FIn)) : QString();
}

QString TJackPeer::OutPort() const {
    return FOut ? QString::fromUtf8(jack_port_name(FOut)) : QString();
}

bool TJackPeer::Connect(const QString &Source, const QString &Destination) {
    return FClient && jack_connect(FClient, Source.toUtf8().constData(),
                                   Destination.toUtf8().constData()) == 0;
}

QString TJackPeer::FindPort(const QString &Pattern, unsigned long Flags) const {
    if (!FClient)
        return {};
    const char **Ports =
        jack_get_ports(FClient, Pattern.toUtf8().constData(), JACK_DEFAULT_MIDI_TYPE, Flags);
    if (!Ports)
        return {};
    const QString Name = Ports[0] ? QString::fromUtf8(Ports[0]) : QString();
    jack_free(Ports);
    return Name;
}

QStringList TJackPeer::Connections(const QString &Port) const {
    QStringList Names;
    const jack_port_t *Found =
        FClient ? jack_port_by_name(FClient, Port.toUtf8().constData()) : nullptr;
    if (!Found)
        return Names;
    if (const char **Peers = jack_port_get_all_connections(FClient, Found)) {
        for (const char **Peer = Peers; *Peer; ++Peer)
            Names << QString::fromUtf8(*Peer);
        jack_free(Peers);
    }
    return Names;
}

bool TJackPeer::WaitCycles(int Count, int TimeoutMs) {
    std::unique_lock Guard(FLock);
    const uint64_t Until = FCycles + uint64_t(Count);
    return FChanged.wait_for(Guard, std::chrono::milliseconds(TimeoutMs),
                             [&] { return FCycles >= Until; });
}

void TJackPeer::Send(const std::vector<TBytes> &Messages) {
    std::lock_guard Guard(FLock);
    FPending.insert(FPending.end(), Messages.begin(), Messages.end());
}

bool TJackPeer::WaitUntilSent(int TimeoutMs) {
    std::unique_lock Guard(FLock);
    return FChanged.wait_for(Guard, std::chrono::milliseconds(TimeoutMs),
                             [this] { return FPending.empty(); });
}

std::vector<TBytes> TJackPeer::Received() const {
    std::lock_guard Guard(FLock);
    return FReceived;
}

std::vector<uint64_t> TJackPeer::ReceivedFrames() const {
    std::lock_guard Guard(FLock);
    return FReceivedFrames;
}

std::vector<int64_t> TJackPeer::ReceivedTimesUs() const {
    std::lock_guard Guard(FLock);
    return FReceivedTimesUs;
}

uint32_t TJackPeer::SampleRate() const {
    return FClient ? jack_get_sample_rate(FClient) : 0;
}

bool TJackPeer::WaitForReceived(size_t Count, int TimeoutMs) {
    std::unique_lock Guard(FLock);
    return FChanged.wait_for(Guard, std::chrono::milliseconds(TimeoutMs),
                             [&] { return FReceived.size() >= Count; });
}

void TJackPeer::ClearReceived() {
    std::lock_guard Guard(FLock);
    FReceived.clear();
    FReceivedFrames.clear();
    FReceivedTimesUs.clear();
}

int TJackPeer::Process(jack_nframes_t Frames, void *Self) {
    auto *Peer = static_cast<TJackPeer *>(Self);
    void *Out = jack_port_get_buffer(Peer->FOut, Frames);
    void *In = jack_port_get_buffer(Peer->FIn, Frames);
    jack_midi_clear_buffer(Out);
    {
        std::lock_guard Guard(Peer->FLock);
        size_t Written = 0;
        for (const TBytes &Message : Peer->FPending) {
            if (jack_midi_event_write(Out, 0, Message.data(), Message.size()) != 0)
                break; // the rest goes out in the next cycle
            ++Written;
        }
        Peer->FPending.erase(Peer->FPending.begin(),
                             Peer->FPending.begin() + std::ptrdiff_t(Written));
        ++Peer->FCycles;
        const jack_nframes_t Count = jack_midi_get_event_count(In);
        jack_nframes_t Start = 0;
        jack_time_t StartUs = 0;
        jack_time_t NextUs = 0;
        float PeriodUs = 0;
        jack_get_cycle_times(Peer->FClient, &Start, &StartUs, &NextUs, &PeriodUs);
        for (jack_nframes_t i = 0; i < Count; ++i) {
            jack_midi_event_t Event;
            if (jack_midi_event_get(&Event, In, i) == 0) {
                Peer->FReceived.emplace_back(Event.buffer, Event.buffer + Event.size);
                Peer->FReceivedFrames.push_back(uint64_t(Start) + Event.time);
                Peer->FReceivedTimesUs.push_back(
                    int64_t(StartUs) + int64_t(float(Event.time) * PeriodUs / float(Frames)));
            }
        }
    }
    Peer->FChanged.notify_all();
    return 0;
}

TJackClockSender::TJackClockSender(const char *Name, uint32_t Jitter) : FJitter(Jitter) {
    FClient = jack_client_open(Name, JackNoStartServer, nullptr);
    if (!FClient)
        return;
    FOut = jack_port_register(FClient, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(FClient, &TJackClockSender::Process, this);
    jack_activate(FClient);
}

TJackClockSender::~TJackClockSender() {
    if (FClient)
        jack_client_close(FClient);
}

QString TJackClockSender::OutPort() const {
    return FOut ? QString::fromUtf8(jack_port_name(FOut)) : QString();
}

int TJackClockSender::Process(jack_nframes_t Frames, void *Self) {
    auto *sender = static_cast<TJackClockSender *>(Self);
    void *buffer = jack_port_get_buffer(sender->FOut, Frames);
    jack_midi_clear_buffer(buffer);
    if (!sender->FSending.load())
        return 0;
    const jack_nframes_t start = jack_last_frame_time(sender->FClient);
    if (sender->FNext == 0) {
        sender->FNext = sender->FDue = start;
        const uint8_t go = 0xFA;
        jack_midi_event_write(buffer, 0, &go, 1);
    }
    while (sender->FDue < uint64_t(start) + Frames) {
        const uint8_t tick = 0xF8;
        jack_midi_event_write(buffer, jack_nframes_t(sender->FDue - start), &tick, 1);
        sender->FNext += 1000;
        sender->FSeed = sender->FSeed * 1103515245u + 12345u;
        sender->FDue =
            sender->FNext + (sender->FJitter ? (sender->FSeed >> 8) % sender->FJitter : 0);
    }
    return 0;
}
