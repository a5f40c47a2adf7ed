// The Midi-Mapper playing into a real JACK server (dummy driver), as it does when JACK is the
// MIDI service: its audio ports appear and are wired to the playback ports, a note is heard
// within 50 ms at the server's own rate, and release plus Panic bring back silence.

#include "jackfixture.h"
#include "midi/midioutput.h"
#include "midi/synth.h"
#include "midi/synthsoundfont.h"
#include "synthaudio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

#include <jack/jack.h>

#include <cmath>
#include <mutex>
#include <vector>

namespace {

using namespace SynthAudio;

// A JACK client with one audio input that keeps everything it hears, and when each cycle ran.
class TListener {
public:
    TListener() {
        jack_status_t Status;
        FClient = jack_client_open("synth-listener", JackNoStartServer, &Status);
        if (!FClient)
            return;
        FIn = jack_port_register(FClient, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(FClient, Process, this);
        jack_activate(FClient);
    }
    ~TListener() {
        if (FClient)
            jack_client_close(FClient);
    }
    TListener(const TListener &) = delete;
    TListener &operator=(const TListener &) = delete;

    bool IsValid() const { return FClient && FIn; }
    jack_client_t *Client() const { return FClient; }
    QString InPort() const { return QString::fromUtf8(jack_port_name(FIn)); }
    double Rate() const { return jack_get_sample_rate(FClient); }

    void Clear() {
        const std::lock_guard Lock(FLock);
        FSamples.clear();
        FCycleTimes.clear();
    }
    // When (jack_get_time) the cycle that delivered sample Index ran.
    jack_time_t DeliveredAt(size_t Index) const {
        const std::lock_guard Lock(FLock);
        const size_t Cycle = Index / FFrames;
        return Cycle < FCycleTimes.size() ? FCycleTimes[Cycle] : 0;
    }
    // The samples heard since Clear().
    std::vector<float> Heard() const {
        const std::lock_guard Lock(FLock);
        return FSamples;
    }

private:
    static int Process(jack_nframes_t Frames, void *Data) {
        auto *Self = static_cast<TListener *>(Data);
        const auto *In = static_cast<const float *>(jack_port_get_buffer(Self->FIn, Frames));
        const std::lock_guard Lock(Self->FLock);
        Self->FSamples.insert(Self->FSamples.end(), In, In + Frames);
        Self->FCycleTimes.push_back(jack_get_time());
        Self->FFrames = Frames;
        return 0;
    }
    jack_client_t *FClient = nullptr;
    jack_port_t *FIn = nullptr;
    mutable std::mutex FLock;
    std::vector<float> FSamples;
    std::vector<jack_time_t> FCycleTimes;
    size_t FFrames = 1;
};

QStringList Ports(jack_client_t *Client, const char *Pattern, unsigned long Flags) {
    QStringList Names;
    if (const char **List = jack_get_ports(Client, Pattern, JACK_DEFAULT_AUDIO_TYPE, Flags)) {
        for (const char **Name = List; *Name; ++Name)
            Names << QString::fromUtf8(*Name);
        jack_free(List);
    }
    return Names;
}

} // namespace

class TestSynthJack : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void playsIntoJack_data();
    void playsIntoJack();

private:
    TJackServer FServer;
};

void TestSynthJack::initTestCase() {
    if (SynthSoundFont::Find(QString(), SynthSoundFont::SearchFolders()).isEmpty())
        QSKIP("no General MIDI SoundFont installed (timgm6mb-soundfont)");
    if (!FServer.Start(QStringLiteral("ondrel-synth-%1").arg(QCoreApplication::applicationPid())))
        QFAIL(qPrintable(FServer.ErrorText()));
}

void TestSynthJack::cleanupTestCase() {
    FServer.Stop();
}

void TestSynthJack::playsIntoJack_data() {
    QTest::addColumn<double>("askedRate");
    QTest::newRow("the server's rate") << 48000.0;
    QTest::newRow("another rate asked, the server's taken") << 44100.0;
}

void TestSynthJack::playsIntoJack() {
    QFETCH(double, askedRate);
    Synth::Settings() = TSynthSettings();
    Synth::Settings().SampleRate = askedRate;
    TListener Listener;
    QVERIFY(Listener.IsValid());
    const double Rate = Listener.Rate();

    TMidiOutput Output(TMidiApi::maJack);
    Output.SetDeviceID(TMidiOutput::MidiMapper);
    QVERIFY(Output.Open());
    const QStringList Outs = Ports(Listener.Client(), "^Ondrel Synth:", JackPortIsOutput);
    QCOMPARE(Outs.size(), 2);
    // Heard at once: wired to the server's playback ports.
    jack_port_t *Left = jack_port_by_name(Listener.Client(), Outs[0].toUtf8().constData());
    QVERIFY(Left);
    // (The listener sees a new connection once the server told it; wait for that.)
    QDeadlineTimer Wired(3000);
    while (jack_port_connected(Left) == 0 && !Wired.hasExpired())
        QThread::msleep(10);
    QVERIFY(jack_port_connected(Left) > 0);
    QCOMPARE(jack_connect(Listener.Client(), Outs[0].toUtf8().constData(),
                          Listener.InPort().toUtf8().constData()),
             0);
    QThread::msleep(50);
    Listener.Clear();

    // A flute's A: sound within 50 ms, at 440 Hz at the server's rate.
    Output.Send(0xC0, 73, 0);
    QThread::msleep(20);
    const jack_time_t NoteTime = jack_get_time();
    Output.Send(0x90, 69, 100);
    // Half a second of sound, however fast the dummy server's clock runs.
    std::vector<float> Heard;
    QDeadlineTimer Enough(5000);
    do {
        QThread::msleep(50);
        Heard = Listener.Heard();
    } while (Heard.size() < size_t(Rate * 0.7) && !Enough.hasExpired());
    size_t First = 0;
    while (First < Heard.size() && std::fabs(Heard[First]) < 1e-5f)
        ++First;
    QVERIFY(First < Heard.size());
    // Nothing sounded before the note: the first sound came in a cycle that ran after it.
    const jack_time_t Delivered = Listener.DeliveredAt(First);
    QVERIFY(Delivered >= NoteTime);
    const double LatencyMs = double(Delivered - NoteTime) / 1000;
    qInfo("note-on to the first non-silent sample handed over by JACK (128 frames at %.0f Hz): "
          "%.2f ms",
          Rate, LatencyMs);
    QVERIFY2(LatencyMs < 50, qPrintable(QString::number(LatencyMs)));
    QVERIFY(Rms(Heard, First, size_t(Rate / 20)) > SoundRms);
    QVERIFY(First + size_t(Rate / 2) <= Heard.size());
    const std::vector<float> Steady(Heard.begin() + qsizetype(First + size_t(Rate / 5)),
                                    Heard.begin() + qsizetype(First + size_t(Rate / 2)));
    const double Pitch = Frequency(Steady, Rate);
    QVERIFY2(std::fabs(Pitch - 440) < 5, qPrintable(QString::number(Pitch)));

    // Release plus Panic: silent again within a few seconds (release and reverb tail).
    Output.Send(0x90, 69, 0);
    for (uint8_t Channel = 0; Channel < 16; ++Channel)
        Output.Send(uint8_t(0xB0 | Channel), 123, 0);
    QDeadlineTimer Deadline(4000);
    bool Silent = false;
    while (!Silent && !Deadline.hasExpired()) {
        QThread::msleep(50);
        Heard = Listener.Heard();
        Silent = Rms(Heard, Heard.size() - 256, 256) < SilentRms;
    }
    QVERIFY2(Silent, "still sounding after release and Panic");
    QVERIFY(Output.Close());
    QVERIFY(Ports(Listener.Client(), "^Ondrel Synth:", 0).isEmpty());
}

QTEST_GUILESS_MAIN(TestSynthJack)

#include "tst_synthjack.moc"
