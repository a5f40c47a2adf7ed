#include "midi/synth.h"

#include "core/custominifile.h"
#include "midi/midierror.h"
#include "midi/synthsoundfont.h"

#include "midi/periodsource.h"
#include "midi/rtguard.h"
#include "midi/rtring.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

QString MapperFailed() {
    return QCoreApplication::translate("TSynth", "Midi-Mapper could not be opened. ");
}
const char *const JackClientName = "Ondrel Synth";
// Panic's 2080 messages fit, with room for what is played meanwhile.
constexpr size_t QueueSize = 8192;
constexpr auto SendPatience = std::chrono::seconds(1);

// What the audio thread is told: a MIDI message, or (closing) a new gain and the effects off.
struct TSynthCommand {
    std::array<uint8_t, 3> Bytes{};
    uint8_t Size = 0;
    float Gain = -1; // >= 0: set the gain instead
    bool EffectsOff = false;
};

// FluidSynth reports its failures through its log. While a synth is being opened, the errors of
// the opening thread are collected so that the exception can say what went wrong; other errors
// (from an audio thread) go to Qt's log, and warnings and chatter are dropped.
thread_local QStringList *Collected = nullptr;

void LogMessage(int Level, const char *Message, void *) {
    if (Level > FLUID_ERR)
        return;
    if (Collected)
        Collected->append(QString::fromUtf8(Message));
    else
        qWarning("FluidSynth: %s", Message);
}

void InstallLog() {
    static std::once_flag Once;
    std::call_once(Once, [] {
        fluid_set_log_function(FLUID_PANIC, LogMessage, nullptr);
        fluid_set_log_function(FLUID_ERR, LogMessage, nullptr);
        fluid_set_log_function(FLUID_WARN, LogMessage, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    });
}

class TLogScope {
public:
    TLogScope() { Collected = &FLines; }
    ~TLogScope() { Collected = nullptr; }
    TLogScope(const TLogScope &) = delete;
    TLogScope &operator=(const TLogScope &) = delete;
    // " (what FluidSynth said)" when it said something.
    QString Reason() const {
        return FLines.isEmpty()
                   ? QString()
                   : QCoreApplication::translate("TSynth", " (%1)").arg(FLines.last().trimmed());
    }

private:
    QStringList FLines;
};

// A period of about 5 ms (at most 10 ms) where the driver takes our size.
int PeriodFrames(double Rate) {
    int Frames = 64;
    while (Frames * 2 <= Rate / 100)
        Frames *= 2;
    return Frames;
}

void CollectOption(void *Data, const char *, const char *Option) {
    static_cast<QStringList *>(Data)->append(QString::fromUtf8(Option));
}

QStringList CompiledDrivers() {
    fluid_settings_t *Settings = new_fluid_settings();
    QStringList Names;
    if (Settings) {
        fluid_settings_foreach_option(Settings, "audio.driver", &Names, CollectOption);
        delete_fluid_settings(Settings);
    }
    return Names;
}

// The output port the Midi-Mapper hands out: messages go straight into the synthesizer.
class TSynthPort final : public MidiBackend::TOutPort {
public:
    explicit TSynthPort(std::unique_ptr<TSynth> Synth, std::function<void()> OnServiceGone)
        : FSynth(std::move(Synth)) {
        // Through JACK, the sound stops with the server: the owner is told as for a JACK port.
        if (FSynth->AudioDriver() == QLatin1String("jack"))
            FWatch.Start(TMidiApi::maJack, std::move(OnServiceGone));
    }
    void Send(const uint8_t *Data, size_t Size) override { FSynth->Send(Data, Size); }
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t) noexcept override {
        return FSynth->SendFromCallback(Data, Size);
    }
    bool ServiceAlive() const override { return FWatch.Alive(); }
    void SetSource(TPeriodSource *Source) override { FSynth->SetSource(Source); }
    void SetCapture(TCaptureTap *Tap) override { FSynth->SetCapture(Tap); }

private:
    MidiBackend::TServiceWatch FWatch;
    std::unique_ptr<TSynth> FSynth;
};

} // namespace

struct TSynth::TImpl {
    fluid_settings_t *Settings = nullptr;
    fluid_synth_t *Synth = nullptr;
    fluid_audio_driver_t *Driver = nullptr;
    QString SoundFont;
    QString DriverName;
    float Gain = 0.5f;
    TRtSharedRing<TSynthCommand> Queue{QueueSize};
    std::atomic<int> Voices{0};
    TRtGuard<TPeriodSource> Source;
    TRtGuard<TCaptureTap> Capture;
    TPeriodEvents SourceEvents;
    uint64_t FramesRendered = 0;       // the audio thread's
    std::atomic<uint32_t> Rate{48000}; // the JACK driver takes its server's

    // FluidSynth's file driver takes no callback: the file is rendered by a thread of ours.
    std::thread FileWriter;
    std::atomic<bool> StopWriting{false};

    bool Rendering() const { return Driver || FileWriter.joinable(); }
    void StopRendering() {
        if (Driver)
            delete_fluid_audio_driver(Driver);
        Driver = nullptr;
        if (FileWriter.joinable()) {
            StopWriting = true;
            FileWriter.join();
        }
    }

    ~TImpl() {
        StopRendering();
        if (Synth)
            delete_fluid_synth(Synth);
        if (Settings)
            delete_fluid_settings(Settings);
    }

    void Apply(const uint8_t *Data, size_t Size);
    // Renders Frames frames into the buffers from Offset on.
    int RenderPart(int Offset, int Frames, int FxCount, float *Fx[], int OutCount, float *Out[]);
    // The audio thread, once per block: what was sent, then the sound.
    static int Process(void *Self, int Frames, int FxCount, float *Fx[], int OutCount,
                       float *Out[]);
    bool StartFileWriter(const QString &FileName, double Rate, int Period);
};

void TSynth::TImpl::Apply(const uint8_t *Data, size_t Size) {
    if (Size < 2 || Data[0] < 0x80 || Data[0] >= 0xF0)
        return;
    const int Channel = Data[0] & 0x0F;
    const int Data1 = Data[1] & 0x7F;
    const int Data2 = Size >= 3 ? Data[2] & 0x7F : 0;
    fluid_synth_t *S = Synth;
    switch (Data[0] & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(S, Channel, Data1);
        break;
    case 0x90:
        // Velocity 0 is a release.
        if (Data2 == 0)
            fluid_synth_noteoff(S, Channel, Data1);
        else
            fluid_synth_noteon(S, Channel, Data1, Data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(S, Channel, Data1, Data2);
        break;
    case 0xB0:
        fluid_synth_cc(S, Channel, Data1, Data2);
        break;
    case 0xC0:
        fluid_synth_program_change(S, Channel, Data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(S, Channel, Data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(S, Channel, Data1 | Data2 << 7);
        break;
    default:
        break;
    }
}

int TSynth::TImpl::RenderPart(int Offset, int Frames, int FxCount, float *Fx[], int OutCount,
                              float *Out[]) {
    constexpr int MaxBuffers = 32;
    if (Frames <= 0 || FxCount > MaxBuffers || OutCount > MaxBuffers)
        return FLUID_OK;
    std::array<float *, MaxBuffers> FxFrom{};
    std::array<float *, MaxBuffers> OutFrom{};
    for (int i = 0; i < OutCount; ++i)
        OutFrom[size_t(i)] = Out[i] + Offset;
    for (int i = 0; i < FxCount && Fx; ++i)
        FxFrom[size_t(i)] = Fx[i] + Offset;
    // A driver without effect buffers gets the reverb and chorus mixed into its output.
    return Fx ? fluid_synth_process(Synth, Frames, FxCount, FxFrom.data(), OutCount, OutFrom.data())
              : fluid_synth_process(Synth, Frames, OutCount, OutFrom.data(), OutCount,
                                    OutFrom.data());
}

int TSynth::TImpl::Process(void *Self, int Frames, int FxCount, float *Fx[], int OutCount,
                           float *Out[]) {
    auto *Impl = static_cast<TImpl *>(Self);
    const auto Tap = Impl->Capture.Use();
    const int64_t NowUs = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
    while (const std::optional<TSynthCommand> Command = Impl->Queue.Take()) {
        if (Command->EffectsOff) {
            fluid_synth_reverb_on(Impl->Synth, -1, 0);
            fluid_synth_chorus_on(Impl->Synth, -1, 0);
        } else if (Command->Gain >= 0) {
            fluid_synth_set_gain(Impl->Synth, Command->Gain);
        } else {
            Impl->Apply(Command->Bytes.data(), Command->Size);
            if (Tap)
                Tap->Captured(NowUs, Command->Bytes.data(), Command->Size);
        }
    }
    // What plays at exact frames: the block is rendered in parts between its messages.
    Impl->SourceEvents.Clear(uint32_t(Frames));
    if (const auto Playing = Impl->Source.Use())
        Playing->Period({Impl->FramesRendered, uint32_t(Frames), Impl->Rate.load(), NowUs, {}},
                        Impl->SourceEvents);
    Impl->FramesRendered += uint64_t(Frames);
    int Done = 0;
    int Result = FLUID_OK;
    while (const TPeriodEvents::TEvent *Event = Impl->SourceEvents.NextUntil(uint32_t(Frames))) {
        const int At = int(Event->Offset);
        if (At > Done) {
            Result = Impl->RenderPart(Done, At - Done, FxCount, Fx, OutCount, Out);
            Done = At;
        }
        Impl->Apply(Impl->SourceEvents.Bytes(*Event), Event->Size);
        if (Tap)
            Tap->Captured(NowUs + int64_t(At) * 1'000'000 / Impl->Rate.load(),
                          Impl->SourceEvents.Bytes(*Event), Event->Size);
        Impl->SourceEvents.Written();
    }
    if (Done < Frames)
        Result = Impl->RenderPart(Done, Frames - Done, FxCount, Fx, OutCount, Out);
    Impl->Voices.store(fluid_synth_get_active_voice_count(Impl->Synth), std::memory_order_relaxed);
    return Result;
}

bool TSynth::TImpl::StartFileWriter(const QString &FileName, double Rate, int Period) {
    FILE *File = std::fopen(QFile::encodeName(FileName).constData(), "wb");
    if (!File)
        return false;
    FileWriter = std::thread([this, File, Rate, Period] {
        const auto Size = static_cast<size_t>(Period);
        std::vector<float> Left(Size), Right(Size), Frames(2 * Size);
        const auto Step = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(Period / Rate));
        auto Next = std::chrono::steady_clock::now();
        while (!StopWriting.load()) {
            std::fill(Left.begin(), Left.end(), 0.0f);
            std::fill(Right.begin(), Right.end(), 0.0f);
            float *Out[2] = {Left.data(), Right.data()};
            Process(this, Period, 0, nullptr, 2, Out);
            for (size_t i = 0; i < Left.size(); ++i) {
                Frames[2 * i] = Left[i];
                Frames[2 * i + 1] = Right[i];
            }
            std::fwrite(Frames.data(), sizeof(float), Frames.size(), File);
            Next += Step;
            std::this_thread::sleep_until(Next);
        }
        std::fclose(File);
    });
    return true;
}

TSynth::TSynth(const TSynthSettings &Settings, const QStringList &Drivers)
    : F(std::make_unique<TImpl>()) {
    InstallLog();
    const TLogScope Log;

    const QString Path = SynthSoundFont::Find(Settings.SoundFont, SynthSoundFont::SearchFolders());
    if (Path.isEmpty())
        throw EMidiOutputError(QCoreApplication::translate(
            "TSynth", "No General MIDI SoundFont was found. Install fluid-soundfont-gm or "
                      "timgm6mb-soundfont, or choose a SoundFont file."));
    if (!QFileInfo(Path).isFile())
        throw EMidiOutputError(
            QCoreApplication::translate("TSynth", "The SoundFont \"%1\" does not exist.")
                .arg(Path));
    const QByteArray NativePath = QFile::encodeName(Path);
    if (!fluid_is_soundfont(NativePath.constData()))
        throw EMidiOutputError(
            QCoreApplication::translate("TSynth", "\"%1\" is not a SoundFont.").arg(Path));
    F->SoundFont = Path;
    F->Gain = Settings.Gain;

    F->Settings = new_fluid_settings();
    if (!F->Settings)
        throw EMidiOutputError(
            QCoreApplication::translate("TSynth", "FluidSynth could not be started."));
    fluid_settings_setnum(F->Settings, "synth.sample-rate", Settings.SampleRate);
    fluid_settings_setnum(F->Settings, "synth.gain", double(Settings.Gain));
    // Once rendering runs, only the audio thread calls into the synthesizer: no lock needed.
    fluid_settings_setint(F->Settings, "synth.threadsafe-api", 0);
    fluid_settings_setint(F->Settings, "audio.period-size", PeriodFrames(Settings.SampleRate));
    fluid_settings_setint(F->Settings, "audio.periods", 2);
    fluid_settings_setstr(F->Settings, "audio.jack.id", JackClientName);
    // Heard at once, like the mapper of other systems: on the server's playback ports.
    fluid_settings_setint(F->Settings, "audio.jack.autoconnect", 1);
    if (!Settings.AudioFileName.isEmpty()) {
        fluid_settings_setstr(F->Settings, "audio.file.name",
                              QFile::encodeName(Settings.AudioFileName).constData());
        fluid_settings_setstr(F->Settings, "audio.file.type", "raw");
        fluid_settings_setstr(F->Settings, "audio.file.format", "float");
        fluid_settings_setstr(F->Settings, "audio.file.endian", "cpu");
    }

    F->Synth = new_fluid_synth(F->Settings);
    if (!F->Synth)
        throw EMidiOutputError(
            QCoreApplication::translate("TSynth", "FluidSynth could not be started") +
            Log.Reason() + QLatin1Char('.'));
    if (fluid_synth_sfload(F->Synth, NativePath.constData(), 1) == FLUID_FAILED)
        throw EMidiOutputError(
            QCoreApplication::translate("TSynth", "The SoundFont \"%1\" could not be loaded")
                .arg(Path) +
            Log.Reason() + QLatin1Char('.'));

    for (const QString &Name : Drivers) {
        if (Name == QLatin1String("file")) {
            F->Rate = uint32_t(Settings.SampleRate);
            if (F->StartFileWriter(Settings.AudioFileName, Settings.SampleRate,
                                   PeriodFrames(Settings.SampleRate))) {
                F->DriverName = Name;
                break;
            }
            continue;
        }
        if (fluid_settings_setstr(F->Settings, "audio.driver", Name.toUtf8().constData()) !=
            FLUID_OK)
            continue;
        F->Rate = uint32_t(Settings.SampleRate);
        F->Driver = new_fluid_audio_driver2(F->Settings, &TImpl::Process, F.get());
        if (F->Driver) {
            F->DriverName = Name;
            F->Rate = uint32_t(SampleRate());
            break;
        }
    }
    if (Drivers.isEmpty())
        F->Rate = uint32_t(Settings.SampleRate);
    if (!Drivers.isEmpty() && !F->Rendering())
        throw EMidiOutputError(
            QCoreApplication::translate("TSynth", "No audio output could be opened (tried %1)")
                .arg(Drivers.join(QStringLiteral(", "))) +
            Log.Reason() + QLatin1Char('.'));
}

TSynth::~TSynth() {
    if (!F->Rendering())
        return;
    // Stopping the driver while a note sounds would end the stream on a click: fade the voices
    // out over a few periods, then drop the reverb and chorus tails, already far down by then.
    int Period = 0;
    fluid_settings_getint(F->Settings, "audio.period-size", &Period);
    const int PeriodMs = std::max(1, int(1000.0 * Period / SampleRate()) + 1);
    if (F->Voices.load() > 0) {
        constexpr int Steps = 4;
        for (int Step = Steps - 1; Step >= 0; --Step) {
            F->Queue.Push({{}, 0, F->Gain * float(Step) / Steps});
            QThread::msleep(PeriodMs);
        }
        F->Queue.Push({{}, 0, -1, true});
        QThread::msleep(2 * PeriodMs);
    }
    F->StopRendering();
}

void TSynth::Send(const uint8_t *Data, size_t Size) {
    if (!F->Rendering()) {
        F->Apply(Data, Size);
        return;
    }
    if (Size < 2 || Size > 3)
        return; // only channel messages take effect
    TSynthCommand Command;
    std::copy(Data, Data + Size, Command.Bytes.begin());
    Command.Size = uint8_t(Size);
    // The audio thread empties the queue every few milliseconds; a synthesizer that takes
    // nothing for a second is stuck.
    const auto Deadline = std::chrono::steady_clock::now() + SendPatience;
    while (!F->Queue.Push(Command)) {
        if (std::chrono::steady_clock::now() >= Deadline)
            throw EMidiOutputError(QCoreApplication::translate(
                "TSynth", "The built-in synthesizer takes no more MIDI messages."));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool TSynth::SendFromCallback(const uint8_t *Data, size_t Size) noexcept {
    if (!F->Rendering() || Size < 2 || Size > 3)
        return false;
    TSynthCommand Command;
    std::copy(Data, Data + Size, Command.Bytes.begin());
    Command.Size = uint8_t(Size);
    return F->Queue.Push(Command);
}

void TSynth::Render(float *Left, float *Right, int Frames) {
    if (F->Rendering() || Frames <= 0)
        return;
    std::fill(Left, Left + Frames, 0.0f);
    std::fill(Right, Right + Frames, 0.0f);
    float *Out[2] = {Left, Right};
    TImpl::Process(F.get(), Frames, 0, nullptr, 2, Out);
}

QString TSynth::SoundFont() const {
    return F->SoundFont;
}

QString TSynth::AudioDriver() const {
    return F->DriverName;
}

double TSynth::SampleRate() const {
    double Rate = 0;
    fluid_settings_getnum(F->Settings, "synth.sample-rate", &Rate);
    return Rate;
}

void TSynth::SetSource(TPeriodSource *Source) {
    F->Source.Set(Source);
}

void TSynth::SetCapture(TCaptureTap *Tap) {
    F->Capture.Set(Tap);
}

int TSynth::ActiveVoices() const {
    return F->Rendering() ? F->Voices.load() : fluid_synth_get_active_voice_count(F->Synth);
}

namespace Synth {

const QString SoundFontValue = QStringLiteral("SoundFont");

TSynthSettings &Settings() {
    static TSynthSettings Instance;
    return Instance;
}

void LoadSettings(const TCustomIniFile &Store, const QString &Section) {
    try {
        if (Store.ValueExists(Section, SoundFontValue))
            Settings().SoundFont = Store.ReadString(Section, SoundFontValue, QString()).trimmed();
    } catch (const std::exception &) {
        // The choice made so far stays.
    }
}

void SaveSettings(TCustomIniFile &Store, const QString &Section) {
    try {
        if (Settings().SoundFont.isEmpty())
            Store.DeleteKey(Section, SoundFontValue);
        else
            Store.WriteString(Section, SoundFontValue, Settings().SoundFont);
    } catch (const std::exception &) {
        // Kept in memory; the next save tries again.
    }
}

QStringList AudioDrivers(TMidiApi Api) {
    QStringList Wanted = {QStringLiteral("pipewire"), QStringLiteral("pulseaudio"),
                          QStringLiteral("alsa")};
    // Only when the MIDI service is JACK is its server known to run; asking a JACK server that
    // is not there costs seconds while the client library tries to start one.
    if (Api == TMidiApi::maJack)
        Wanted.prepend(QStringLiteral("jack"));
#if defined(Q_OS_WIN)
    Wanted = {QStringLiteral("wasapi"), QStringLiteral("dsound"), QStringLiteral("waveout")};
#elif defined(Q_OS_MACOS)
    Wanted = {QStringLiteral("coreaudio")};
#endif
    const QStringList Compiled = CompiledDrivers();
    QStringList Drivers;
    for (const QString &Name : std::as_const(Wanted))
        if (Compiled.contains(Name))
            Drivers << Name;
    return Drivers;
}

std::unique_ptr<MidiBackend::TOutPort> OpenMidiMapper(TMidiApi Api,
                                                      std::function<void()> OnServiceGone) {
    const TSynthSettings &Chosen = Settings();
    const QStringList Drivers =
        Chosen.AudioDrivers.isEmpty() ? AudioDrivers(Api) : Chosen.AudioDrivers;
    if (Drivers.isEmpty())
        throw EMidiOutputError(MapperFailed() +
                               QCoreApplication::translate(
                                   "TSynth", "FluidSynth has no audio output for this system."));
    try {
        return std::make_unique<TSynthPort>(std::make_unique<TSynth>(Chosen, Drivers),
                                            std::move(OnServiceGone));
    } catch (const EMidiOutputError &Error) {
        throw EMidiOutputError(MapperFailed() + Error.Message());
    }
}

} // namespace Synth
