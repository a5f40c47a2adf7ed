// The program's JACK process callback never allocates, locks or waits: every allocator, lock and
// blocking call of this process is counted while JACK's thread runs the program's callback,
// during thru, keys, knobs and Panic, into a JACK port and into the built-in synthesizer, and
// with a take captured and another replayed on the output meanwhile.
// The counting replaces the C library's entry points in this executable, so it is left out of
// the sanitizer builds, which replace them themselves.

#include "core/keyboardmodel.h"
#include "jackfixture.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "midi/synth.h"
#include "router/midirouter.h"
#include "router/zoneplayer.h"
#include "takes/takerecorder.h"
#include "takes/takereplay.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdarg>
#include <cstring>
#include <memory>
#include <thread>

#include <dlfcn.h>
#include <linux/futex.h>
#include <pthread.h>
#include <sched.h>
#include <semaphore.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ONDREL_COUNTING 0
#else
#define ONDREL_COUNTING 1
#endif

namespace {

enum TKind { kAlloc, kLock, kWait, kKinds };
std::atomic<int> Counts[kKinds];
std::atomic<int> Periods{0};
// The first call of each kind seen inside the callback, for the failure message.
std::atomic<const char *> FirstCall[kKinds];
thread_local bool InCallback = false;

void Note(TKind Kind, const char *Name) {
    if (!InCallback)
        return;
    Counts[Kind].fetch_add(1);
    const char *None = nullptr;
    FirstCall[Kind].compare_exchange_strong(None, Name);
}

// The program's process callbacks, wrapped: the client's own callback runs between the flags.
struct TWrapped {
    JackProcessCallback Callback = nullptr;
    void *Arg = nullptr;
};
TWrapped Wrapped[16];
std::atomic<int> WrappedCount{0};

int Trampoline(jack_nframes_t Frames, void *Arg) {
    const TWrapped &W = *static_cast<TWrapped *>(Arg);
    InCallback = true;
    const int Result = W.Callback(Frames, W.Arg);
    InCallback = false;
    Periods.fetch_add(1, std::memory_order_relaxed);
    return Result;
}

template <class F> F Real(const char *Name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, Name));
}

} // namespace

#if ONDREL_COUNTING
extern "C" {
void *__libc_malloc(size_t);
void *__libc_calloc(size_t, size_t);
void *__libc_realloc(void *, size_t);
void *__libc_memalign(size_t, size_t);
void __libc_free(void *);

void *malloc(size_t Size) {
    Note(kAlloc, "malloc");
    return __libc_malloc(Size);
}
void *calloc(size_t Count, size_t Size) {
    Note(kAlloc, "calloc");
    return __libc_calloc(Count, Size);
}
void *realloc(void *Old, size_t Size) {
    Note(kAlloc, "realloc");
    return __libc_realloc(Old, Size);
}
void *memalign(size_t Align, size_t Size) {
    Note(kAlloc, "memalign");
    return __libc_memalign(Align, Size);
}
void *aligned_alloc(size_t Align, size_t Size) {
    Note(kAlloc, "aligned_alloc");
    return __libc_memalign(Align, Size);
}
int posix_memalign(void **Out, size_t Align, size_t Size) {
    Note(kAlloc, "posix_memalign");
    *Out = __libc_memalign(Align, Size);
    return *Out ? 0 : ENOMEM;
}
void free(void *Block) {
    if (Block)
        Note(kAlloc, "free");
    __libc_free(Block);
}

int pthread_mutex_lock(pthread_mutex_t *Mutex) {
    Note(kLock, "pthread_mutex_lock");
    static const auto Next = Real<int (*)(pthread_mutex_t *)>("pthread_mutex_lock");
    return Next(Mutex);
}
int pthread_mutex_trylock(pthread_mutex_t *Mutex) {
    Note(kLock, "pthread_mutex_trylock");
    static const auto Next = Real<int (*)(pthread_mutex_t *)>("pthread_mutex_trylock");
    return Next(Mutex);
}
int pthread_rwlock_rdlock(pthread_rwlock_t *Lock) {
    Note(kLock, "pthread_rwlock_rdlock");
    static const auto Next = Real<int (*)(pthread_rwlock_t *)>("pthread_rwlock_rdlock");
    return Next(Lock);
}
int pthread_rwlock_wrlock(pthread_rwlock_t *Lock) {
    Note(kLock, "pthread_rwlock_wrlock");
    static const auto Next = Real<int (*)(pthread_rwlock_t *)>("pthread_rwlock_wrlock");
    return Next(Lock);
}
int pthread_cond_wait(pthread_cond_t *Cond, pthread_mutex_t *Mutex) {
    Note(kWait, "pthread_cond_wait");
    static const auto Next =
        Real<int (*)(pthread_cond_t *, pthread_mutex_t *)>("pthread_cond_wait");
    return Next(Cond, Mutex);
}
int pthread_cond_timedwait(pthread_cond_t *Cond, pthread_mutex_t *Mutex, const timespec *At) {
    Note(kWait, "pthread_cond_timedwait");
    static const auto Next = Real<int (*)(pthread_cond_t *, pthread_mutex_t *, const timespec *)>(
        "pthread_cond_timedwait");
    return Next(Cond, Mutex, At);
}
int sem_wait(sem_t *Sem) {
    Note(kWait, "sem_wait");
    static const auto Next = Real<int (*)(sem_t *)>("sem_wait");
    return Next(Sem);
}
int sem_timedwait(sem_t *Sem, const timespec *At) {
    Note(kWait, "sem_timedwait");
    static const auto Next = Real<int (*)(sem_t *, const timespec *)>("sem_timedwait");
    return Next(Sem, At);
}
int nanosleep(const timespec *For, timespec *Left) {
    Note(kWait, "nanosleep");
    static const auto Next = Real<int (*)(const timespec *, timespec *)>("nanosleep");
    return Next(For, Left);
}
int clock_nanosleep(clockid_t Clock, int Flags, const timespec *For, timespec *Left) {
    Note(kWait, "clock_nanosleep");
    static const auto Next =
        Real<int (*)(clockid_t, int, const timespec *, timespec *)>("clock_nanosleep");
    return Next(Clock, Flags, For, Left);
}
int usleep(useconds_t For) {
    Note(kWait, "usleep");
    static const auto Next = Real<int (*)(useconds_t)>("usleep");
    return Next(For);
}
int sched_yield() {
    Note(kWait, "sched_yield");
    static const auto Next = Real<int (*)()>("sched_yield");
    return Next();
}
// Locks that bypass the C library's mutexes (Qt's) wait in the futex system call.
long syscall(long Number, ...) {
    va_list Args;
    va_start(Args, Number);
    long A[6];
    for (long &Arg : A)
        Arg = va_arg(Args, long);
    va_end(Args);
    if (Number == SYS_futex && (A[1] & FUTEX_CMD_MASK) != FUTEX_WAKE)
        Note(kWait, "futex");
    static const auto Next = Real<long (*)(long, ...)>("syscall");
    return Next(Number, A[0], A[1], A[2], A[3], A[4], A[5]);
}

int jack_set_process_callback(jack_client_t *Client, JackProcessCallback Callback, void *Arg) {
    static const auto Next =
        Real<int (*)(jack_client_t *, JackProcessCallback, void *)>("jack_set_process_callback");
    const char *Name = jack_get_client_name(Client);
    // The program's own MIDI client; the test's peer and other clients are not watched.
    const bool Ours =
        Name && std::strncmp(Name, "Ondrel", 6) == 0 && std::strncmp(Name, "Ondrel Synth", 12) != 0;
    const int Slot = Ours ? WrappedCount.fetch_add(1) : 16;
    if (Slot >= 16)
        return Next(Client, Callback, Arg);
    Wrapped[Slot] = {Callback, Arg};
    return Next(Client, &Trampoline, &Wrapped[Slot]);
}
}
#endif

class TestRtCallback : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void processCallbackNeverAllocatesLocksOrWaits_data();
    void processCallbackNeverAllocatesLocksOrWaits();

private:
    QString FServerName;
    TJackServer FServer;
    QTemporaryDir FDir;
};

void TestRtCallback::initTestCase() {
    if (!ONDREL_COUNTING)
        QSKIP("the sanitizers replace the allocator and the locks themselves");
    FServerName = QStringLiteral("ondrel-rt-%1-%2")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QRandomGenerator::global()->generate() % 100000);
    if (!FServer.Start(FServerName))
        QFAIL(qPrintable(FServer.ErrorText()));
}

void TestRtCallback::cleanupTestCase() {
    FServer.Stop();
}

void TestRtCallback::processCallbackNeverAllocatesLocksOrWaits_data() {
    QTest::addColumn<bool>("mapper");
    QTest::addColumn<bool>("zones");
    QTest::addColumn<bool>("takes");
    QTest::newRow("into a JACK port") << false << false << false;
    QTest::newRow("into the built-in synthesizer") << true << false << false;
    QTest::newRow("into a JACK port, captured, a take replayed") << false << false << true;
    QTest::newRow("split, latched and arpeggiated beside a replayed take, into a JACK port")
        << false << true << true;
    QTest::newRow("split, latched and arpeggiated, into the built-in synthesizer")
        << true << true << false;
}

void TestRtCallback::processCallbackNeverAllocatesLocksOrWaits() {
    QFETCH(bool, mapper);
    QFETCH(bool, zones);
    QFETCH(bool, takes);
    TJackPeer Peer;
    QVERIFY(Peer.IsValid());
    Synth::Settings().AudioDrivers = {QStringLiteral("file")};
    Synth::Settings().AudioFileName = FDir.filePath(QStringLiteral("mapper.raw"));

    TKeyboardModel Model;
    Model.SetChord(TChord::chMajor);
    TMidiRouter Router(Model);
    TMidiOutput Output(TMidiApi::maJack);
    TMidiInput Input(TMidiApi::maJack);
    Output.SetDeviceID(TMidiOutput::MidiMapper);
    for (int i = 0; i < Output.DeviceCount() && !mapper; ++i)
        if (Output.NameOf(i) == Peer.InPort())
            Output.SetDeviceID(i);
    for (int i = 0; i < Input.DeviceCount(); ++i)
        if (Input.NameOf(i) == Peer.OutPort())
            Input.SetDeviceID(i);
    Input.SetActiveSensing(true);
    Input.SetTimingClock(true);
    QVERIFY(Output.Open());
    QVERIFY(Input.Open());
    Router.SetOutput(&Output);
    Input.SetThruHook(&Router.ThruHook());
    if (zones) {
        // Two zones, both arpeggiated in 1/32 at 300 BPM, the latch holding what was played;
        // the MIDI clock the peer sends reaches the clock follower.
        TZoneSet Set;
        Set.SetSplitPoints({60});
        Set.SetSplit(true);
        TZone Upper = Set.Zone(1);
        Upper.Arp.On = true;
        Upper.Layer = 4;
        Set.SetZone(1, Upper);
        for (int Zone = 0; Zone < 2; ++Zone) {
            TZone Z = Set.Zone(Zone);
            Z.Arp.Rate = 9;
            Z.Arp.Mode = TArpMode::amRandom;
            Set.SetZone(Zone, Z);
        }
        Set.SetLatch(true);
        Set.SetArpeggiator(true);
        Set.SetTempo(300);
        Router.Zones().Apply(Set);
        QVERIFY(Output.AddSource(&Router.Zones().MainEngine()));
    }
    int Taken = 0;
    Input.DataHandler = [&](TMidiInput &In) {
        while (const std::optional<TMidiEvent> Event = In.TakeEvent()) {
            Router.Receive(*Event);
            ++Taken;
        }
    };
    Router.SetMidiThru(true);
    // The capture of what leaves, and a looped take played on the output's thread.
    TTakeRecorder Recorder;
    TTakeReplay Replay;
    if (takes) {
        Recorder.SetOutput(&Output);
        auto Take = std::make_shared<TTake>();
        for (int i = 0; i < 400; ++i) {
            const uint8_t On[3] = {0x92, uint8_t(30 + i % 20), 80};
            const uint8_t Off[3] = {0x92, uint8_t(30 + i % 20), 0};
            Take->Add(i * 5000, On, 3);
            Take->Add(i * 5000 + 3000, Off, 3);
        }
        Replay.SetOutput(&Output);
        Replay.Release = [&](const uint8_t *Data, size_t Size) {
            Router.SendOnly(TShortMessage{Data[0], Data[1], Size > 2 ? Data[2] : uint8_t(0)});
        };
        Replay.Load(Take, QStringLiteral("loop"));
        Replay.SetLoop(true);
        QVERIFY(Replay.Play());
    }
    Input.Start();
    QVERIFY(Peer.WaitCycles());
    for (int Kind = 0; Kind < kKinds; ++Kind) {
        Counts[Kind] = 0;
        FirstCall[Kind] = nullptr;
    }
    const int PeriodsBefore = Periods.load();

    // Thru: notes, controllers, clock, a system exclusive message and one split over two
    // events, while the UI thread plays keys and knobs and runs a Panic.
    std::atomic<bool> Done{false};
    std::thread Player([&] {
        for (int i = 0; i < 400; ++i) {
            const uint8_t Note = uint8_t(40 + i % 40);
            Peer.Send({{0x90, Note, 90}, {0xB0, 1, uint8_t(i % 128)}, {0xF8}});
            if (i % 50 == 0)
                Peer.Send({{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, {0xF0, 0x43, 0x10}});
            if (i % 50 == 1)
                Peer.Send({{0x4C, 0x00, 0xF7}});
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            Peer.Send({{0x80, Note, 0}});
        }
        Done = true;
    });
    for (int i = 0; !Done.load(); ++i) {
        const int Key = (zones && i % 2 ? 48 : 60) + i % 12; // both zones
        Model.SendChord(0, Key, 100, true);
        Router.SendController(7, i % 128);
        Router.SendPitchBend((i * 97) % 8192);
        QTest::qWait(3);
        Model.SendChord(0, Key, 0, true);
        if (i % 100 == 50)
            Router.Panic();
    }
    Player.join();
    QVERIFY(Peer.WaitUntilSent());
    QTest::qWait(200);

    QVERIFY2(Periods.load() - PeriodsBefore > 100, "the program's callback did not run");
    QVERIFY(Taken > 400);
    if (!mapper)
        QVERIFY(Peer.Received().size() > 1000);
    const auto Says = [](TKind Kind) {
        const char *First = FirstCall[Kind].load();
        return QStringLiteral("%1 calls, the first %2")
            .arg(Counts[Kind].load())
            .arg(QLatin1String(First ? First : "-"));
    };
    QVERIFY2(Counts[kAlloc] == 0, qPrintable(QStringLiteral("allocator: ") + Says(kAlloc)));
    QVERIFY2(Counts[kLock] == 0, qPrintable(QStringLiteral("locks: ") + Says(kLock)));
    QVERIFY2(Counts[kWait] == 0, qPrintable(QStringLiteral("waits: ") + Says(kWait)));
    if (takes) {
        QVERIFY(Replay.IsPlaying());
        Recorder.Drain();
        QVERIFY(Recorder.Store().Count() > 1000);
    }
    Replay.SetOutput(nullptr);
    Recorder.SetOutput(nullptr);

    Input.Close();
    Output.RemoveSource(&Router.Zones().MainEngine());
    Router.SetOutput(nullptr);
    Output.Close();
}

QTEST_GUILESS_MAIN(TestRtCallback)
#include "tst_rtcallback.moc"
