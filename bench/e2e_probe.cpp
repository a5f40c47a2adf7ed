// End-to-end figures of the real program: it runs under an Xvfb and against a JACK server
// (dummy driver, 128 frames at 48 kHz) of the probe's own, with a fresh settings folder whose
// Midi Out is Ondrel's own JACK port. Keys are pressed through XTest; MIDI is read by RtMidi
// inputs on the JACK server, stamped in their callbacks. Every figure is printed as a row of a
// Markdown table: "| figure | value | target |".
//
// Usage: ondrel_probe <program> [startup|memory|idle|keys|thru|bursts|patchset|all]...
//        [--runs N] [--play-seconds S]

#include "jackfixture.h"
#include "rtmidiports.h"
#include "xserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <jack/jack.h>
#include <jack/midiport.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using TClock = std::chrono::steady_clock;

int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(TClock::now().time_since_epoch())
        .count();
}

void SleepMs(double Ms) {
    std::this_thread::sleep_for(std::chrono::microseconds(int64_t(Ms * 1000)));
}

void Row(const std::string &Figure, const std::string &Value, const std::string &Target) {
    std::printf("| %s | %s | %s |\n", Figure.c_str(), Value.c_str(), Target.c_str());
    std::fflush(stdout);
}

std::string Fmt(const char *Format, ...) __attribute__((format(printf, 1, 2)));
std::string Fmt(const char *Format, ...) {
    char text[512];
    va_list args;
    va_start(args, Format);
    std::vsnprintf(text, sizeof text, Format, args);
    va_end(args);
    return text;
}

struct TStats {
    double P50 = 0, P99 = 0, Max = 0, Min = 0;
    size_t Count = 0;
};

// Of samples in nanoseconds, in milliseconds.
TStats StatsOf(std::vector<int64_t> Samples) {
    TStats s;
    if (Samples.empty())
        return s;
    std::sort(Samples.begin(), Samples.end());
    auto at = [&](double Fraction) {
        const size_t i = size_t(std::ceil(Fraction * double(Samples.size()))) - 1;
        return double(Samples[std::min(i, Samples.size() - 1)]) / 1e6;
    };
    s.P50 = at(0.5);
    s.P99 = at(0.99);
    s.Max = double(Samples.back()) / 1e6;
    s.Min = double(Samples.front()) / 1e6;
    s.Count = Samples.size();
    return s;
}

std::string Dist(const TStats &S) {
    return Fmt("p50 %.2f / p99 %.2f / max %.2f ms (n=%zu)", S.P50, S.P99, S.Max, S.Count);
}

// --- the program's process -------------------------------------------------------------------

// CPU time (ns) and time slices of every thread of a process, from /proc/<pid>/task/*/schedstat.
struct TThreadUse {
    std::string Name;
    int64_t CpuNs = 0;
    int64_t Slices = 0;
};

std::map<int, TThreadUse> ThreadUse(pid_t Pid) {
    std::map<int, TThreadUse> use;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(Pid));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(tid + QStringLiteral("/schedstat")));
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (!stat.open(QIODevice::ReadOnly) || !comm.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> f = stat.readAll().simplified().split(' ');
        if (f.size() < 3)
            continue;
        TThreadUse &t = use[tid.toInt()];
        t.Name = comm.readAll().trimmed().toStdString();
        t.CpuNs = f[0].toLongLong();
        t.Slices = f[2].toLongLong();
    }
    return use;
}

int64_t CpuNsOf(pid_t Pid) {
    int64_t sum = 0;
    for (const auto &[tid, t] : ThreadUse(Pid))
        sum += t.CpuNs;
    return sum;
}

// Resident memory in MB: all of it, the part that is JACK's shared memory (the server's graph
// and port buffers, mapped by every client; resident because the server touched it), and the
// proportional share (PSS), which splits shared pages among the processes using them.
struct TMemory {
    double Rss = 0, JackShm = 0, Pss = 0;
    double Own() const { return Rss - JackShm; }
};

TMemory MemoryOf(pid_t Pid) {
    TMemory m;
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(Pid));
    if (!smaps.open(QIODevice::ReadOnly))
        return m;
    bool jack = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.isEmpty())
            continue;
        if (f[0].contains('-') && !f[0].endsWith(':')) // a mapping's first line
            jack = f.size() >= 6 && f[5].startsWith("/dev/shm/jack");
        else if (f[0] == "Rss:" && f.size() >= 2) {
            m.Rss += f[1].toDouble() / 1024;
            if (jack)
                m.JackShm += f[1].toDouble() / 1024;
        } else if (f[0] == "Pss:" && f.size() >= 2)
            m.Pss += f[1].toDouble() / 1024;
    }
    return m;
}

std::string MemoryText(const TMemory &M) {
    return Fmt("RSS %.1f MB, of it %.1f MB JACK's shared memory: %.1f MB of its own; PSS %.1f MB",
               M.Rss, M.JackShm, M.Own(), M.Pss);
}

// Each thread's CPU time between two readings, as a share of a core over Seconds.
std::string ThreadShares(pid_t Pid, const std::map<int, TThreadUse> &Before,
                         const std::map<int, TThreadUse> &After, double Seconds) {
    std::string text;
    for (const auto &[tid, t] : After) {
        const auto b = Before.find(tid);
        const int64_t ns = t.CpuNs - (b == Before.end() ? 0 : b->second.CpuNs);
        if (ns * 1000 < int64_t(Seconds * 1e9)) // under 0.1%
            continue;
        text += Fmt("%s%s %.2f%%", text.empty() ? "" : ", ",
                    tid == Pid ? "UI thread" : t.Name.c_str(), double(ns) / (Seconds * 1e9) * 100);
    }
    return text;
}

double LoadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').value(0).toDouble() : -1;
}

// The least a JACK client in the middle can do: copy what comes in to its output in the same
// period, at the same frame. A hop through it is the floor for MIDI thru through the program.
class TForwarder {
public:
    bool Open() {
        FClient = jack_client_open("probe-forward", JackNoStartServer, nullptr);
        if (!FClient)
            return false;
        FIn = jack_port_register(FClient, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        FOut = jack_port_register(FClient, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
        jack_set_process_callback(FClient, &TForwarder::Process, this);
        return FIn && FOut && jack_activate(FClient) == 0;
    }
    ~TForwarder() { Close(); }
    void Close() {
        if (FClient)
            jack_client_close(FClient);
        FClient = nullptr;
    }

private:
    static int Process(jack_nframes_t Frames, void *Self) {
        auto *f = static_cast<TForwarder *>(Self);
        void *in = jack_port_get_buffer(f->FIn, Frames);
        void *out = jack_port_get_buffer(f->FOut, Frames);
        jack_midi_clear_buffer(out);
        for (uint32_t i = 0, n = jack_midi_get_event_count(in); i < n; ++i) {
            jack_midi_event_t e;
            if (jack_midi_event_get(&e, in, i) == 0)
                jack_midi_event_write(out, e.time, e.buffer, e.size);
        }
        return 0;
    }

    jack_client_t *FClient = nullptr;
    jack_port_t *FIn = nullptr;
    jack_port_t *FOut = nullptr;
};

class TProbe {
public:
    TProbe(QString Program, QString QtFloor, int Runs, int PlaySeconds)
        : FProgram(std::move(Program)), FQtFloor(std::move(QtFloor)), FRuns(Runs),
          FPlaySeconds(PlaySeconds) {}
    ~TProbe() { Stop(); }

    bool Setup();
    void Startup();
    void Memory();
    void Idle();
    void Keys();
    void Thru();
    void Bursts();
    void PatchSet();

private:
    struct TReceiver {
        std::mutex Lock;
        std::vector<std::pair<int64_t, TBytes>> Got;
        std::unique_ptr<BenchRtMidi::TReceiver> Port;
        static void Receive(void *Self, const uint8_t *Data, size_t Size) {
            const int64_t now = NowNs();
            auto *r = static_cast<TReceiver *>(Self);
            std::lock_guard<std::mutex> lock(r->Lock);
            r->Got.emplace_back(now, TBytes(Data, Data + Size));
        }
        size_t Count() {
            std::lock_guard<std::mutex> lock(Lock);
            return Got.size();
        }
        std::vector<std::pair<int64_t, TBytes>> Take() {
            std::lock_guard<std::mutex> lock(Lock);
            return std::exchange(Got, {});
        }
        // Waits until a message with this first byte and note arrives; its time, or 0.
        int64_t WaitFor(uint8_t First, uint8_t Note, bool On, int TimeoutMs = 2000);
        bool WaitCount(size_t N, int TimeoutMs);
    };

    bool Launch(bool Thru, pid_t *Pid, int64_t *MappedNs = nullptr, int64_t *PaintedNs = nullptr,
                const QString &Program = {}, const QByteArray &Settings = {},
                int64_t *StartNs = nullptr);
    struct TPlayCost {
        int64_t CpuNs = 0;
        double Seconds = 0;
        int Sent = 0;
        std::string Shares;
        double Percent() const { return double(CpuNs) / (Seconds * 1e9) * 100; }
        double UsPerKeystroke() const { return double(CpuNs) / 1000.0 / Sent; }
    };
    TPlayCost PlayKeys(pid_t Pid);
    void Terminate(pid_t Pid);
    bool Painted(Window W);
    bool ConnectReceiver();
    void Press(KeyCode Code, bool Down) {
        XTestFakeKeyEvent(FDpy, Code, Down ? True : False, CurrentTime);
        XFlush(FDpy);
    }
    void Stop();

    QString FProgram;
    QString FQtFloor; // a bare Qt window played like the program, when given
    int FRuns;
    int FPlaySeconds;
    TXvfb FXvfb;
    TJackServer FJack;
    Display *FDpy = nullptr;
    Window FWindow = 0;
    std::unique_ptr<QTemporaryDir> FHome;
    std::unique_ptr<BenchRtMidi::TSender> FSender;
    TReceiver FOut;    // connected from the program's port
    TReceiver FDirect; // connected from the sender's port
    TForwarder FForwarder;
    TReceiver FForwarded; // connected from the forwarder, which the sender feeds
    jack_client_t *FWatch = nullptr;
    int64_t FCpuAtPaintNs = 0; // the program's CPU time when its window was first painted
};

int64_t TProbe::TReceiver::WaitFor(uint8_t First, uint8_t Note, bool On, int TimeoutMs) {
    const int64_t deadline = NowNs() + int64_t(TimeoutMs) * 1000000;
    size_t seen = 0;
    while (NowNs() < deadline) {
        {
            std::lock_guard<std::mutex> lock(Lock);
            for (; seen < Got.size(); ++seen) {
                const TBytes &m = Got[seen].second;
                if (m.size() == 3 && m[0] == First && m[1] == Note && (m[2] > 0) == On)
                    return Got[seen].first;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    return 0;
}

bool TProbe::TReceiver::WaitCount(size_t N, int TimeoutMs) {
    const int64_t deadline = NowNs() + int64_t(TimeoutMs) * 1000000;
    while (Count() < N && NowNs() < deadline)
        SleepMs(1);
    return Count() >= N;
}

bool TProbe::Setup() {
    if (!FXvfb.Start()) {
        std::fprintf(stderr, "Xvfb: %s\n", qPrintable(FXvfb.ErrorText()));
        return false;
    }
    const QString name = QStringLiteral("ondrel-probe-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate() % 100000);
    if (!FJack.Start(name)) {
        std::fprintf(stderr, "JACK: %s\n", qPrintable(FJack.ErrorText()));
        return false;
    }
    FDpy = XOpenDisplay(qPrintable(FXvfb.Display()));
    if (!FDpy)
        return false;
    XSelectInput(FDpy, DefaultRootWindow(FDpy), SubstructureNotifyMask);
    FWatch = jack_client_open("probe-watch", JackNoStartServer, nullptr);
    try {
        FSender = std::make_unique<BenchRtMidi::TSender>("probe-send", "out");
        FDirect.Port = std::make_unique<BenchRtMidi::TReceiver>(
            "probe-direct", "in", "probe-send:out", &TReceiver::Receive, &FDirect);
        if (!FForwarder.Open() || jack_connect(FWatch, "probe-send:out", "probe-forward:in") != 0)
            throw std::runtime_error("forwarder");
        FForwarded.Port = std::make_unique<BenchRtMidi::TReceiver>(
            "probe-fwdrecv", "in", "probe-forward:out", &TReceiver::Receive, &FForwarded);
    } catch (...) {
        std::fprintf(stderr, "the probe's JACK ports did not open\n");
        return false;
    }
    return FWatch != nullptr;
}

void TProbe::Stop() {
    FOut.Port.reset();
    FDirect.Port.reset();
    FForwarded.Port.reset();
    FForwarder.Close();
    FSender.reset();
    if (FWatch)
        jack_client_close(FWatch);
    FWatch = nullptr;
    if (FDpy)
        XCloseDisplay(FDpy);
    FDpy = nullptr;
    FXvfb.Stop();
    FJack.Stop();
}

// A window counts as painted once it shows at least three colours (keys, frames, background).
bool TProbe::Painted(Window W) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(FDpy, W, &a) || a.map_state != IsViewable)
        return false;
    // A band across the lower part, where the keys are: small, so that looking does not take
    // the X server from the program.
    XImage *image =
        XGetImage(FDpy, W, 0, a.height * 3 / 5, unsigned(a.width), 8, AllPlanes, ZPixmap);
    if (!image)
        return false;
    std::set<unsigned long> colours;
    for (int y = 0; y < image->height && colours.size() < 3; ++y)
        for (int x = 0; x < image->width && colours.size() < 3; ++x)
            colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size() >= 3;
}

// Starts the program with a fresh settings folder and waits for its window mapped and painted.
bool TProbe::Launch(bool Thru, pid_t *Pid, int64_t *MappedNs, int64_t *PaintedNs,
                    const QString &Program, const QByteArray &Settings, int64_t *StartNs) {
    FHome = std::make_unique<QTemporaryDir>();
    const QString dir = FHome->filePath(QStringLiteral("config/Tavrel/Ondrel"));
    QDir().mkpath(dir);
    QFile ini(dir + QStringLiteral("/ondrel.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "[MidiDevices]\nMidiOut=Ondrel\n";
    if (Thru)
        text += "MidiIn=probe-send:out\n[KeyboardForm]\nMidi Thru=1\n";
    ini.write(text + Settings);
    ini.close();
    qputenv("DISPLAY", FXvfb.Display().toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("XDG_CONFIG_HOME", FHome->filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", FHome->path().toUtf8());
    while (XPending(FDpy)) { // what earlier runs left
        XEvent e;
        XNextEvent(FDpy, &e);
    }
    const QByteArray program = (Program.isEmpty() ? FProgram : Program).toLocal8Bit();
    char *argv[] = {const_cast<char *>(program.constData()), nullptr};
    const int64_t start = NowNs();
    if (StartNs)
        *StartNs = start;
    if (posix_spawn(Pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        return false;
    FWindow = 0;
    const int64_t deadline = start + 15'000'000'000LL;
    while (FWindow == 0 && NowNs() < deadline) {
        pollfd p{ConnectionNumber(FDpy), POLLIN, 0};
        if (!XPending(FDpy))
            poll(&p, 1, 50);
        while (XPending(FDpy) && FWindow == 0) {
            XEvent e;
            XNextEvent(FDpy, &e);
            if (e.type != MapNotify)
                continue;
            char *name = nullptr;
            if (XFetchName(FDpy, e.xmap.window, &name) && name) {
                if (std::string(name) == "Ondrel")
                    FWindow = e.xmap.window;
                XFree(name);
            }
        }
    }
    if (FWindow == 0)
        return false;
    const int64_t mapped = NowNs();
    while (!Painted(FWindow) && NowNs() < deadline)
        SleepMs(1);
    const int64_t painted = NowNs();
    FCpuAtPaintNs = CpuNsOf(*Pid);
    if (MappedNs)
        *MappedNs = mapped - start;
    if (PaintedNs)
        *PaintedNs = painted - start;
    return painted < deadline;
}

void TProbe::Terminate(pid_t Pid) {
    kill(Pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        int status;
        if (waitpid(Pid, &status, WNOHANG) == Pid)
            return;
        SleepMs(50);
    }
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
}

// Focuses the window and connects the receiver to the program's output once it is there.
bool TProbe::ConnectReceiver() {
    XSetInputFocus(FDpy, FWindow, RevertToParent, CurrentTime);
    XSync(FDpy, False);
    FOut.Port.reset();
    for (int i = 0; i < 100; ++i) {
        const char **ports = jack_get_ports(FWatch, "^Ondrel[^:]*:Ondrel$", JACK_DEFAULT_MIDI_TYPE,
                                            JackPortIsOutput);
        if (ports) {
            const QString port = QString::fromUtf8(ports[0]);
            jack_free(ports);
            try {
                FOut.Port = std::make_unique<BenchRtMidi::TReceiver>(
                    "probe-recv", "in", port.toStdString(), &TReceiver::Receive, &FOut);
            } catch (...) {
                return false;
            }
            SleepMs(300); // new connections carry messages from a later cycle on; focus settles
            FOut.Take();
            FDirect.Take();
            return true;
        }
        SleepMs(50);
    }
    return false;
}

void TProbe::Startup() {
    std::vector<int64_t> mapped, painted, cpu;
    for (int run = 0; run <= FRuns; ++run) {
        pid_t pid = 0;
        int64_t m = 0, p = 0;
        const bool ok = Launch(false, &pid, &m, &p);
        if (pid)
            Terminate(pid);
        if (!ok) {
            Row("start-up", "window did not appear", "< 120 ms");
            return;
        }
        if (run > 0) { // the first start warms the caches
            mapped.push_back(m);
            painted.push_back(p);
            cpu.push_back(FCpuAtPaintNs);
        }
    }
    Row("start-up to window mapped (warm)", Dist(StatsOf(mapped)), "");
    Row("start-up to window mapped and painted (warm)", Dist(StatsOf(painted)), "< 120 ms");
    // What the start-up needs of a core, whatever the load of the machine.
    Row("  the program's CPU time until then", Dist(StatsOf(cpu)), "");
}

void TProbe::Memory() {
    pid_t pid = 0;
    if (!Launch(false, &pid) || !ConnectReceiver()) {
        Row("memory", "the program did not start", "< 50 MB");
        if (pid)
            Terminate(pid);
        return;
    }
    SleepMs(10000);
    const TMemory rested = MemoryOf(pid);
    const double idle = rested.Own();
    Row("memory after 10 s idle", MemoryText(rested), "< 50 MB");
    // Scripted play: 50 keystrokes a second over both rows of keys, a chord change now and then.
    const char *keys = "zxcvbnmsdghjqwertyui23567";
    const KeyCode home = XKeysymToKeycode(FDpy, XK_Home);
    std::vector<double> samples{idle};
    const int64_t start = NowNs();
    int64_t next = start;
    for (int i = 0; NowNs() - start < int64_t(FPlaySeconds) * 1'000'000'000; ++i) {
        const KeyCode code =
            XKeysymToKeycode(FDpy, XStringToKeysym(std::string(1, keys[i % 25]).c_str()));
        Press(code, true);
        SleepMs(8);
        Press(code, false);
        if (i % 200 == 199) {
            Press(home, true);
            Press(home, false);
        }
        if (i % 500 == 499)
            samples.push_back(MemoryOf(pid).Own());
        next += 20'000'000;
        const int64_t wait = next - NowNs();
        if (wait > 0)
            SleepMs(double(wait) / 1e6);
        FOut.Take();
    }
    SleepMs(1000);
    const TMemory after = MemoryOf(pid);
    Terminate(pid);
    Row(Fmt("memory after %d s of scripted play (50 keys/s)", FPlaySeconds), MemoryText(after),
        "< 50 MB");
    Row("  own RSS, every 10 s of play",
        Fmt("%.1f .. %.1f MB (%+.1f MB from idle to the end)",
            *std::min_element(samples.begin(), samples.end()),
            *std::max_element(samples.begin(), samples.end()), after.Own() - idle),
        "no growth");
}

void TProbe::Idle() {
    pid_t pid = 0;
    if (!Launch(false, &pid) || !ConnectReceiver()) {
        Row("idle", "the program did not start", "");
        if (pid)
            Terminate(pid);
        return;
    }
    SleepMs(3000);
    const auto before = ThreadUse(pid);
    SleepMs(10000);
    const auto after = ThreadUse(pid);
    Terminate(pid);
    int64_t cpu = 0, slices = 0;
    std::string threads;
    for (const auto &[tid, t] : after) {
        const auto b = before.find(tid);
        const int64_t c = t.CpuNs - (b == before.end() ? 0 : b->second.CpuNs);
        const int64_t s = t.Slices - (b == before.end() ? 0 : b->second.Slices);
        cpu += c;
        slices += s;
        if (tid == pid)
            threads = Fmt("UI thread %lld", (long long)s) + threads;
        else if (s > 0)
            threads += Fmt(", %s %lld", t.Name.c_str(), (long long)s);
    }
    Row("idle CPU, window open (10 s)", Fmt("%.3f%% of a core", double(cpu) / 1e10 * 100), "0");
    Row("idle wake-ups in 10 s, per thread", threads, "UI thread: Qt's own only");
}

void TProbe::Keys() {
    pid_t pid = 0;
    if (!Launch(false, &pid) || !ConnectReceiver()) {
        Row("keys", "the program did not start", "");
        if (pid)
            Terminate(pid);
        return;
    }
    const KeyCode z = XKeysymToKeycode(FDpy, XK_z);
    std::vector<int64_t> keyLatency, floorLatency;
    int lost = 0;
    for (int i = 0; i < 300; ++i) {
        FOut.Take();
        int64_t t0 = NowNs();
        Press(z, true);
        const int64_t on = FOut.WaitFor(0x90, 48, true);
        Press(z, false);
        if (!on || !FOut.WaitFor(0x90, 48, false))
            ++lost;
        else
            keyLatency.push_back(on - t0);
        // The floor: the same hop between two plain JACK clients, sent at a phase of the JACK
        // period of its own (right after an arrival it would always wait a whole period).
        SleepMs((i % 11) * 0.25);
        FDirect.Take();
        const uint8_t note[3] = {0x90, 60, 100};
        t0 = NowNs();
        FSender->Send(note, 3);
        const int64_t direct = FDirect.WaitFor(0x90, 60, true);
        if (direct)
            floorLatency.push_back(direct - t0);
        SleepMs(2 + (i % 7) * 0.37); // not in step with the JACK period
    }
    const TStats key = StatsOf(keyLatency), floor = StatsOf(floorLatency);
    Row("XTest key press -> note-on at JACK receiver (300)", Dist(key),
        "p99 within 0.5 ms of floor");
    Row("JACK floor, sender client -> receiver, same run", Dist(floor), "");
    Row("  key p99 - floor p99",
        Fmt("%+.2f ms%s", key.P99 - floor.P99, lost ? Fmt(", %d lost", lost).c_str() : ""),
        "< 0.5 ms");

    // 50 keystrokes a second for 10 s: the CPU it costs and every note-on and release arriving.
    SleepMs(500);
    FOut.Take();
    const TPlayCost cost = PlayKeys(pid);
    FOut.WaitCount(size_t(2 * cost.Sent), 2000);
    const size_t arrived = FOut.Take().size();
    Terminate(pid);
    Row("CPU while playing 50 keys/s for 10 s",
        Fmt("%.2f%% of a core (%.0f us per keystroke); %zu of %d messages arrived", cost.Percent(),
            cost.UsPerKeystroke(), arrived, 2 * cost.Sent),
        "< 2%, all arrive");
    Row("  by thread", cost.Shares, "");
    if (FQtFloor.isEmpty())
        return;
    // The same keys to a bare Qt window: what Qt, X11 and the machine cost before any MIDI.
    pid_t floorPid = 0;
    if (!Launch(false, &floorPid, nullptr, nullptr, FQtFloor)) {
        Row("  a bare Qt window, same keys", "it did not start", "");
        if (floorPid)
            Terminate(floorPid);
        return;
    }
    XSetInputFocus(FDpy, FWindow, RevertToParent, CurrentTime);
    XSync(FDpy, False);
    SleepMs(500);
    const TPlayCost bare = PlayKeys(floorPid);
    Terminate(floorPid);
    Row("  a bare Qt window, same keys (floor)",
        Fmt("%.2f%% of a core (%.0f us per keystroke); %s", bare.Percent(), bare.UsPerKeystroke(),
            bare.Shares.c_str()),
        "");
}

// 50 keystrokes a second for 10 s over a row of letters; the CPU the process spent meanwhile.
TProbe::TPlayCost TProbe::PlayKeys(pid_t Pid) {
    const char *row = "zxcvbnm";
    TPlayCost cost;
    const auto threads0 = ThreadUse(Pid);
    const int64_t cpu0 = CpuNsOf(Pid);
    const int64_t start = NowNs();
    int64_t next = start;
    while (NowNs() - start < 10'000'000'000LL) {
        const KeyCode code =
            XKeysymToKeycode(FDpy, XStringToKeysym(std::string(1, row[cost.Sent % 7]).c_str()));
        Press(code, true);
        SleepMs(8);
        Press(code, false);
        ++cost.Sent;
        next += 20'000'000;
        const int64_t wait = next - NowNs();
        if (wait > 0)
            SleepMs(double(wait) / 1e6);
    }
    cost.Seconds = double(NowNs() - start) / 1e9;
    cost.CpuNs = CpuNsOf(Pid) - cpu0;
    cost.Shares = ThreadShares(Pid, threads0, ThreadUse(Pid), cost.Seconds);
    return cost;
}

void TProbe::Thru() {
    pid_t pid = 0;
    if (!Launch(true, &pid) || !ConnectReceiver()) {
        Row("thru", "the program did not start", "");
        if (pid)
            Terminate(pid);
        return;
    }
    std::vector<int64_t> thru, direct, forwarded;
    int lost = 0;
    for (int i = 0; i < 1000; ++i) {
        FOut.Take();
        FDirect.Take();
        FForwarded.Take();
        const uint8_t note = uint8_t(40 + i % 40);
        const uint8_t on[3] = {0x91, note, 100};
        const int64_t t0 = NowNs();
        FSender->Send(on, 3);
        const int64_t d = FDirect.WaitFor(0x91, note, true);
        const int64_t f = FForwarded.WaitFor(0x91, note, true);
        const int64_t t = FOut.WaitFor(0x91, note, true);
        if (!t || !d || !f) {
            ++lost;
        } else {
            thru.push_back(t - t0);
            direct.push_back(d - t0);
            forwarded.push_back(f - t0);
        }
        const uint8_t off[3] = {0x81, note, 0};
        FSender->Send(off, 3);
        FOut.WaitFor(0x91, note, false);
        SleepMs(1 + (i % 5) * 0.53);
    }
    Terminate(pid);
    const TStats t = StatsOf(thru), d = StatsOf(direct), f = StatsOf(forwarded);
    Row("MIDI thru: sent -> thru copy at receiver (1000)", Dist(t), "p99 within 0.2 ms of direct");
    Row("direct RtMidi -> RtMidi hop, same run", Dist(d), "");
    Row("through a bare forwarding JACK client, same run", Dist(f), "");
    Row("  thru p99 - direct p99",
        Fmt("%+.2f ms%s", t.P99 - d.P99, lost ? Fmt(", %d lost", lost).c_str() : ""), "< 0.2 ms");
    Row("  thru p99 - forwarded p99 (the cost of a client in the middle taken off)",
        Fmt("%+.2f ms", t.P99 - f.P99), "");
}

void TProbe::Bursts() {
    pid_t pid = 0;
    if (!Launch(true, &pid) || !ConnectReceiver()) {
        Row("bursts", "the program did not start", "");
        if (pid)
            Terminate(pid);
        return;
    }
    // 1024 messages in one go: note-on and note-off pairs on channel 2, played through.
    for (int i = 0; i < 1024; ++i) {
        const uint8_t m[3] = {uint8_t(i % 2 ? 0x81 : 0x91), uint8_t(30 + (i / 2) % 60), 90};
        FSender->Send(m, 3);
    }
    FOut.WaitCount(1024, 5000);
    SleepMs(300);
    Row("burst of 1024 incoming, played through", Fmt("%zu of 1024 arrived", FOut.Take().size()),
        "none lost");

    // Panic: Ctrl+Space.
    const KeyCode ctrl = XKeysymToKeycode(FDpy, XK_Control_L);
    const KeyCode space = XKeysymToKeycode(FDpy, XK_space);
    Press(ctrl, true);
    SleepMs(15);
    Press(space, true);
    SleepMs(15);
    Press(space, false);
    Press(ctrl, false);
    FOut.WaitCount(2160, 5000);
    SleepMs(500);
    Row("Panic (Ctrl+Space)", Fmt("%zu of 2160 arrived", FOut.Take().size()), "all 2160");

    // 10 000 messages a second for 10 s on channel 2, while a key on channel 1 is pressed
    // every 100 ms: the thru copies must keep pace and the keys must still play promptly.
    SleepMs(500);
    FOut.Take();
    std::vector<int64_t> sentAt;
    sentAt.reserve(100000);
    std::atomic<bool> done{false};
    const int64_t cpu0 = CpuNsOf(pid);
    const int64_t start = NowNs();
    std::thread sender([&] {
        // Ten messages every millisecond.
        for (int i = 0; i < 100000; i += 10) {
            const int64_t due = start + int64_t(i) * 100'000;
            const int64_t wait = due - NowNs();
            if (wait > 0)
                std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
            for (int j = i; j < i + 10; ++j) {
                const uint8_t m[3] = {uint8_t(j % 2 ? 0x81 : 0x91), uint8_t(80 + (j / 2) % 40), 90};
                sentAt.push_back(NowNs());
                FSender->Send(m, 3);
            }
        }
        done = true;
    });
    const KeyCode z = XKeysymToKeycode(FDpy, XK_z);
    std::vector<int64_t> keys;
    int keysLost = 0;
    while (!done) {
        size_t seen = FOut.Count();
        const int64_t t0 = NowNs();
        Press(z, true);
        const int64_t deadline = t0 + 1'000'000'000;
        int64_t on = 0;
        while (!on && NowNs() < deadline) {
            {
                std::lock_guard<std::mutex> lock(FOut.Lock);
                for (; seen < FOut.Got.size() && !on; ++seen)
                    if (FOut.Got[seen].second == TBytes{0x90, 48, 100})
                        on = FOut.Got[seen].first;
            }
            SleepMs(0.1);
        }
        Press(z, false);
        if (on)
            keys.push_back(on - t0);
        else
            ++keysLost;
        SleepMs(100);
    }
    sender.join();
    const double seconds = double(NowNs() - start) / 1e9;
    FOut.WaitCount(100000 + 2 * keys.size(), 5000);
    SleepMs(300);
    const int64_t cpu = CpuNsOf(pid) - cpu0;
    const auto got = FOut.Take();
    Terminate(pid);
    std::vector<int64_t> first, last;
    size_t index = 0;
    for (const auto &[at, m] : got) {
        if (m.empty() || (m[0] & 0x0F) != 1)
            continue;
        if (index < sentAt.size()) {
            const int64_t latency = at - sentAt[index];
            if (sentAt[index] - start < 1'000'000'000)
                first.push_back(latency);
            else if (sentAt[index] - start >= 9'000'000'000LL)
                last.push_back(latency);
        }
        ++index;
    }
    Row("sustained 10 000 msg/s for 10 s, played through",
        Fmt("%zu of %zu arrived; CPU %.1f%% of a core", index, sentAt.size(),
            double(cpu) / (seconds * 1e9) * 100),
        "none lost");
    Row("  thru latency, first second", Dist(StatsOf(first)), "");
    Row("  thru latency, last second", Dist(StatsOf(last)), "no growing queue");
    Row("  key press -> note-on under that load",
        Dist(StatsOf(keys)) + (keysLost ? Fmt(", %d lost", keysLost) : ""), "UI responsive");
}

// The stored patch set of the report that froze the window for minutes at every start: 500 000
// patches in one group (31 MB). From the start to the stored patch's program change at the
// receiver, and a key played while the set loads.
void TProbe::PatchSet() {
    constexpr int Patches = 500000;
    QTemporaryDir scripts;
    const QString path = scripts.filePath(QStringLiteral("onegroup.txt"));
    const auto name = [](int I) {
        return QByteArray("Patch number ") + QByteArray::number(I) + " with a long name";
    };
    {
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly)) {
            Row("stored patch set, one group", "cannot write the script", "");
            return;
        }
        QByteArray text = "[cubase parse file]\n[parser version 0001]\n[device name] Big\n"
                          "[define patchnames]\n[mode] Big\n[g1] All\n";
        for (int i = 0; i < Patches; ++i) {
            text += "[p2, " + QByteArray::number(i % 128) + ", " + QByteArray::number(i % 16384) +
                    "] " + name(i) + '\n';
            if (text.size() > (1 << 20)) {
                script.write(text);
                text.clear();
            }
        }
        script.write(text + "[end]\n");
    }
    const int last = Patches - 1;
    const QByteArray settings =
        "[KeyboardForm]\nPatchScript=" + path.toUtf8() + "\nPatch=Big\\All\\" + name(last) + '\n';
    const KeyCode z = XKeysymToKeycode(FDpy, XK_z);
    std::vector<int64_t> sent, painted, keys;
    int failed = 0;
    for (int run = 0; run < std::max(1, FRuns / 3); ++run) {
        pid_t pid = 0;
        int64_t start = 0, p = 0;
        if (!Launch(false, &pid, nullptr, &p, {}, settings, &start) || !ConnectReceiver()) {
            ++failed;
            if (pid)
                Terminate(pid);
            continue;
        }
        painted.push_back(p);
        // The window plays while the set loads.
        const int64_t t0 = NowNs();
        Press(z, true);
        const int64_t on = FOut.WaitFor(0x90, 48, true, 5000);
        Press(z, false);
        if (on)
            keys.push_back(on - t0);
        const int64_t deadline = NowNs() + 300'000'000'000LL;
        int64_t arrived = 0;
        size_t seen = 0;
        while (!arrived && NowNs() < deadline) {
            {
                std::lock_guard<std::mutex> lock(FOut.Lock);
                for (; seen < FOut.Got.size() && !arrived; ++seen) {
                    const TBytes &m = FOut.Got[seen].second;
                    if (m.size() == 2 && m[0] == 0xC0 && m[1] == last % 128)
                        arrived = FOut.Got[seen].first;
                }
            }
            SleepMs(5);
        }
        Terminate(pid);
        if (arrived)
            sent.push_back(arrived - start);
        else
            ++failed;
    }
    const std::string lost = failed ? Fmt(", %d failed", failed) : "";
    Row("stored patch set of 500 000 patches in one group (31 MB): start to its patch sent",
        Dist(StatsOf(sent)) + lost, "window never blocked");
    Row("  start to window painted meanwhile", Dist(StatsOf(painted)), "");
    Row("  XTest key press -> note-on while the set loads", Dist(StatsOf(keys)), "");
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 10;
    int playSeconds = 60;
    QStringList figures;
    QString program, qtFloor;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            runs = args[++i].toInt();
        else if (args[i] == QLatin1String("--qt-floor") && i + 1 < args.size())
            qtFloor = args[++i];
        else if (args[i] == QLatin1String("--play-seconds") && i + 1 < args.size())
            playSeconds = args[++i].toInt();
        else if (program.isEmpty())
            program = args[i];
        else
            figures << args[i];
    }
    if (program.isEmpty()) {
        std::fprintf(stderr, "usage: ondrel_probe <program> [startup|memory|idle|keys|thru|bursts|"
                             "patchset]"
                             "... [--runs N] [--play-seconds S] [--qt-floor <bare Qt window>]\n");
        return 2;
    }
    if (figures.isEmpty() || figures.contains(QLatin1String("all")))
        figures = {QStringLiteral("startup"), QStringLiteral("idle"),   QStringLiteral("keys"),
                   QStringLiteral("thru"),    QStringLiteral("bursts"), QStringLiteral("memory")};
    TProbe probe(program, qtFloor, runs, playSeconds);
    if (!probe.Setup())
        return 1;
    for (const QString &f : figures) {
        std::fprintf(stderr, "[%s] load average %.2f\n", qPrintable(f), LoadAverage());
        if (f == QLatin1String("startup"))
            probe.Startup();
        else if (f == QLatin1String("memory"))
            probe.Memory();
        else if (f == QLatin1String("idle"))
            probe.Idle();
        else if (f == QLatin1String("keys"))
            probe.Keys();
        else if (f == QLatin1String("thru"))
            probe.Thru();
        else if (f == QLatin1String("bursts"))
            probe.Bursts();
        else if (f == QLatin1String("patchset"))
            probe.PatchSet();
    }
    return 0;
}
