// The built-in synthesizer: the SoundFont search, sound from a note and silence after release
// or Panic, program and pitch changes, and the Midi-Mapper opened through TMidiOutput with the
// "file" audio driver (no sound card needed) or failing with a text that says what is missing.

#include "core/inifile.h"
#include "midi/midierror.h"
#include "midi/midioutput.h"
#include "midi/synth.h"
#include "midi/synthsoundfont.h"
#include "synthaudio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace SynthAudio;

constexpr double Rate = 48000;
constexpr int Block = 64;
QString InstalledSoundFont() {
    return SynthSoundFont::Find(QString(), SynthSoundFont::SearchFolders());
}

// A synthesizer without audio driver, rendered by hand into the left channel.
class TRendered {
public:
    TRendered() {
        TSynthSettings Settings;
        Settings.SoundFont = InstalledSoundFont();
        Settings.SampleRate = Rate;
        Synth = std::make_unique<TSynth>(Settings, QStringList());
    }
    void Send(uint8_t Typ, uint8_t Data1, uint8_t Data2 = 0) {
        const uint8_t Bytes[3] = {Typ, Data1, Data2};
        Synth->Send(Bytes, sizeof Bytes);
    }
    std::vector<float> Render(double Ms) {
        std::vector<float> Left(size_t(Rate * Ms / 1000)), Right(Left.size());
        Synth->Render(Left.data(), Right.data(), int(Left.size()));
        LastRight = std::move(Right);
        return Left;
    }
    // Renders in blocks until a block is silent; the time that took, or -1 past LimitMs.
    double MsUntilSilent(double LimitMs) {
        for (double Ms = 0; Ms < LimitMs; Ms += Block * 1000 / Rate)
            if (Rms(Render(Block * 1000 / Rate), 0, Block) < SilentRms)
                return Ms;
        return -1;
    }
    std::unique_ptr<TSynth> Synth;
    std::vector<float> LastRight;
};

std::vector<float> ReadFloats(const QString &Path) {
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return {};
    const QByteArray Bytes = File.readAll();
    std::vector<float> Samples(size_t(Bytes.size()) / sizeof(float));
    memcpy(Samples.data(), Bytes.constData(), Samples.size() * sizeof(float));
    return Samples;
}

} // namespace

class TestSynth : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void soundFontSearch_data();
    void soundFontSearch();
    void searchFoldersFollowXdg();
    void soundFontSetting_data();
    void soundFontSetting();

    void noteSounds_data();
    void noteSounds();
    void releaseSilences_data();
    void releaseSilences();
    void programChangeChangesSound_data();
    void programChangeChangesSound();
    void pitchBendMovesPitch();
    void controllersTakeEffect_data();
    void controllersTakeEffect();

    void audioDrivers_data();
    void audioDrivers();

    void mapperPlaysThroughAudioDriver();
    void mapperFailsWithReason_data();
    void mapperFailsWithReason();
    void mapperWithoutAudioOutputFailsQuickly();
    void mapperWithoutAnySoundFont();

private:
    QTemporaryDir FDir;
};

void TestSynth::initTestCase() {
    QVERIFY(FDir.isValid());
    if (InstalledSoundFont().isEmpty())
        QSKIP("no General MIDI SoundFont installed (timgm6mb-soundfont)");
}

void TestSynth::cleanup() {
    Synth::Settings() = TSynthSettings();
}

// --- SoundFont search ---------------------------------------------------------------------

void TestSynth::soundFontSearch_data() {
    // Files as "<folder>/<name>", folders 0 (most personal) to 2; "!" makes a dangling link.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("expected");

    QTest::newRow("only the small set") << QStringList{"2/TimGM6mb.sf2"} << ""
                                        << "2/TimGM6mb.sf2";
    QTest::newRow("the big set wins over a nearer small one")
        << QStringList{"0/TimGM6mb.sf2", "2/FluidR3_GM.sf2"} << ""
        << "2/FluidR3_GM.sf2";
    QTest::newRow("the nearer folder wins for one name")
        << QStringList{"1/TimGM6mb.sf2", "2/TimGM6mb.sf2"} << ""
        << "1/TimGM6mb.sf2";
    QTest::newRow("a dangling default link is skipped")
        << QStringList{"0/default-GM.sf2!", "2/TimGM6mb.sf2"} << ""
        << "2/TimGM6mb.sf2";
    QTest::newRow("the setting wins")
        << QStringList{"0/FluidR3_GM.sf2", "1/Mine.sf3"} << "1/Mine.sf3"
        << "1/Mine.sf3";
    QTest::newRow("a missing chosen file is still named")
        << QStringList{"0/TimGM6mb.sf2"} << "1/Gone.sf2"
        << "1/Gone.sf2";
    QTest::newRow("nothing at all") << QStringList{} << ""
                                    << "";
}

void TestSynth::soundFontSearch() {
    QFETCH(QStringList, files);
    QFETCH(QString, setting);
    QFETCH(QString, expected);
    QTemporaryDir Root;
    QStringList Folders;
    for (int i = 0; i < 3; ++i) {
        Folders << Root.filePath(QString::number(i));
        QVERIFY(QDir().mkpath(Folders.last()));
    }
    for (QString File : std::as_const(files)) {
        if (File.endsWith(QLatin1Char('!'))) {
            File.chop(1);
            QVERIFY(QFile::link(Root.filePath(QStringLiteral("gone.sf2")), Root.filePath(File)));
            continue;
        }
        QFile Out(Root.filePath(File));
        QVERIFY(Out.open(QIODevice::WriteOnly));
    }
    const auto Full = [&](const QString &Name) {
        return Name.isEmpty() ? QString() : Root.filePath(Name);
    };
    QCOMPARE(SynthSoundFont::Find(Full(setting), Folders), Full(expected));
}

void TestSynth::searchFoldersFollowXdg() {
    const QByteArray OldHome = qgetenv("XDG_DATA_HOME"), OldDirs = qgetenv("XDG_DATA_DIRS");
    const auto Restore = qScopeGuard([&] {
        qputenv("XDG_DATA_HOME", OldHome);
        qputenv("XDG_DATA_DIRS", OldDirs);
    });
    qputenv("XDG_DATA_HOME", "/home/u/data");
    qputenv("XDG_DATA_DIRS", "/opt/share:/usr/share");
    const QStringList Folders = SynthSoundFont::SearchFolders();
    QCOMPARE(Folders.mid(0, 6), (QStringList{"/home/u/data/sounds/sf2", "/home/u/data/sounds/sf3",
                                             "/opt/share/sounds/sf2", "/opt/share/sounds/sf3",
                                             "/usr/share/sounds/sf2", "/usr/share/sounds/sf3"}));
    QVERIFY(Folders.contains("/usr/share/soundfonts"));

    qputenv("XDG_DATA_DIRS", "");
    QVERIFY(SynthSoundFont::SearchFolders().contains("/usr/share/sounds/sf2"));
}

void TestSynth::soundFontSetting_data() {
    QTest::addColumn<QString>("stored"); // the file's [MidiDevices] lines
    QTest::addColumn<QString>("before"); // the choice held before loading
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("saved"); // the file's lines after saving again

    QTest::newRow("a chosen file") << "SoundFont=/sf/Mine.sf3\n"
                                   << ""
                                   << "/sf/Mine.sf3"
                                   << "SoundFont=/sf/Mine.sf3";
    QTest::newRow("nothing stored keeps the choice") << "MidiOut=Midi-Mapper\n"
                                                     << "/sf/Old.sf2"
                                                     << "/sf/Old.sf2"
                                                     << "SoundFont=/sf/Old.sf2";
    QTest::newRow("stored empty: search again") << "SoundFont=\n"
                                                << "/sf/Old.sf2"
                                                << ""
                                                << "";
}

void TestSynth::soundFontSetting() {
    QFETCH(QString, stored);
    QFETCH(QString, before);
    QFETCH(QString, loaded);
    QFETCH(QString, saved);
    const QString Path = FDir.filePath(QStringLiteral("store.ini"));
    {
        QFile File(Path);
        QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write(("[MidiDevices]\n" + stored).toUtf8());
    }
    Synth::Settings().SoundFont = before;
    {
        TIniFile Store(Path);
        Synth::LoadSettings(Store, QStringLiteral("MidiDevices"));
        QCOMPARE(Synth::Settings().SoundFont, loaded);
        Synth::SaveSettings(Store, QStringLiteral("MidiDevices"));
        Store.UpdateFile();
    }
    TIniFile Again(Path);
    const QString Value = Again.ReadString(QStringLiteral("MidiDevices"), Synth::SoundFontValue,
                                           QStringLiteral("<none>"));
    QCOMPARE(Value == QStringLiteral("<none>") ? QString() : "SoundFont=" + Value, saved);
}

// --- Sound --------------------------------------------------------------------------------

void TestSynth::noteSounds_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("velocity");

    QTest::newRow("piano middle C") << 0 << 0 << 60 << 100;
    QTest::newRow("soft low note") << 0 << 0 << 36 << 20;
    QTest::newRow("strings on channel 16") << 15 << 48 << 67 << 100;
    QTest::newRow("snare on the drum channel") << 9 << 0 << 38 << 100;
}

void TestSynth::noteSounds() {
    QFETCH(int, channel);
    QFETCH(int, program);
    QFETCH(int, note);
    QFETCH(int, velocity);
    TRendered S;
    QVERIFY(S.Synth->AudioDriver().isEmpty());
    QCOMPARE(S.Synth->SampleRate(), Rate);
    QVERIFY(Rms(S.Render(20), 0, size_t(Rate)) < SilentRms); // idle is silent
    S.Send(uint8_t(0xC0 | channel), uint8_t(program));
    S.Send(uint8_t(0x90 | channel), uint8_t(note), uint8_t(velocity));
    const std::vector<float> Out = S.Render(50);
    QVERIFY2(Rms(Out, 0, Out.size()) > SoundRms,
             qPrintable(QString::number(Rms(Out, 0, Out.size()))));
    size_t First = 0;
    while (First < Out.size() && std::fabs(Out[First]) < 1e-5f)
        ++First;
    // The synthesizer's own share of the note-on latency; the audio driver adds its period.
    qInfo("note-on to first non-silent sample: %.2f ms", First * 1000 / Rate);
    QVERIFY(First * 1000 / Rate < 10);
}

void TestSynth::releaseSilences_data() {
    QTest::addColumn<QList<QByteArray>>("release");
    QTest::addColumn<bool>("cut"); // the voices end at once, only the reverb rings on

    // Each message is three bytes; the note is middle C on channel 1, held 100 ms.
    QByteArray Panic;
    for (int Channel = 0; Channel < 16; ++Channel)
        Panic += QByteArray::fromHex(QByteArray::number(0xB0 + Channel, 16) + "7b00");
    QTest::newRow("note-on with velocity 0")
        << QList<QByteArray>{QByteArray::fromHex("903c00")} << false;
    QTest::newRow("note-off") << QList<QByteArray>{QByteArray::fromHex("803c40")} << false;
    QTest::newRow("all notes off on all channels (Panic, close)")
        << QList<QByteArray>{Panic} << false;
    QTest::newRow("all sound off") << QList<QByteArray>{QByteArray::fromHex("b07800")} << true;
    QTest::newRow("pedal held, then lifted")
        << QList<QByteArray>{QByteArray::fromHex("b0407f903c00"), QByteArray::fromHex("b04000")}
        << false;
}

void TestSynth::releaseSilences() {
    QFETCH(QList<QByteArray>, release);
    QFETCH(bool, cut);
    TRendered S;
    S.Send(0x90, 60, 100);
    S.Render(100);
    for (int Step = 0; Step < release.size(); ++Step) {
        const QByteArray &Bytes = release[Step];
        for (qsizetype i = 0; i + 3 <= Bytes.size(); i += 3)
            S.Synth->Send(reinterpret_cast<const uint8_t *>(Bytes.constData() + i), 3);
        if (Step + 1 < release.size()) {
            // Not yet released: still sounding a while later.
            const std::vector<float> Held = S.Render(300);
            QVERIFY(Rms(Held, Held.size() - Block, Block) > SilentRms);
        }
    }
    if (cut) {
        S.Render(Block * 1000 / Rate);
        QCOMPARE(S.Synth->ActiveVoices(), 0);
    }
    // The release and the reverb tail end within a few seconds.
    QVERIFY2(S.MsUntilSilent(4000) >= 0, "still sounding");
    // A later note sounds again: the release did not leave the channel muted.
    S.Send(0x90, 64, 100);
    QVERIFY(Rms(S.Render(50), 0, size_t(Rate)) > SoundRms);
}

void TestSynth::programChangeChangesSound_data() {
    QTest::addColumn<QByteArray>("change");
    QTest::newRow("flute") << QByteArray::fromHex("c049");
    QTest::newRow("organ") << QByteArray::fromHex("c013");
    QTest::newRow("channel 10 plays drums") << QByteArray::fromHex("");
}

void TestSynth::programChangeChangesSound() {
    QFETCH(QByteArray, change);
    const auto Note = [](const QByteArray &Before, uint8_t Channel) {
        TRendered S;
        S.Synth->Send(reinterpret_cast<const uint8_t *>(Before.constData()), size_t(Before.size()));
        S.Send(uint8_t(0x90 | Channel), 60, 100);
        return S.Render(200);
    };
    const std::vector<float> Piano = Note(QByteArray(), 0);
    const std::vector<float> Other = change.isEmpty() ? Note(QByteArray(), 9) : Note(change, 0);
    double Difference = 0;
    for (size_t i = 0; i < Piano.size(); ++i)
        Difference += std::fabs(Piano[i] - Other[i]);
    QVERIFY(Rms(Other, 0, Other.size()) > SoundRms);
    QVERIFY2(Difference / double(Piano.size()) > 1e-3,
             qPrintable(QString::number(Difference / double(Piano.size()))));
}

void TestSynth::pitchBendMovesPitch() {
    // A flute holds a steady tone; full bend up is two semitones (the default range).
    const auto Pitch = [](uint8_t Low, uint8_t High) {
        TRendered S;
        S.Send(0xC0, 73);
        S.Send(0xE0, Low, High);
        S.Send(0x90, 69, 100);
        S.Render(200);
        return Frequency(S.Render(500), Rate);
    };
    const double Centre = Pitch(0x00, 0x40);
    QVERIFY2(std::fabs(Centre - 440) < 15, qPrintable(QString::number(Centre)));
    const double Up = Pitch(0x7F, 0x7F);
    QVERIFY2(std::fabs(Up / Centre - std::pow(2.0, 2.0 / 12)) < 0.03,
             qPrintable(QString::number(Up)));
    const double Down = Pitch(0x00, 0x00);
    QVERIFY2(std::fabs(Centre / Down - std::pow(2.0, 2.0 / 12)) < 0.03,
             qPrintable(QString::number(Down)));
}

void TestSynth::controllersTakeEffect_data() {
    // Sent before a piano middle C on channel 1; its left and right loudness are compared with
    // those of the plain note.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<double>("leftLow"); // bounds of left RMS / plain left RMS
    QTest::addColumn<double>("leftHigh");
    QTest::addColumn<double>("rightHigh"); // right RMS / plain right RMS at most
    QTest::addColumn<bool>("differs");     // the wave differs from the plain note's

    QTest::newRow("volume 0") << QByteArray::fromHex("b00700") << 0.0 << 0.02 << 0.02 << true;
    QTest::newRow("expression 0") << QByteArray::fromHex("b00b00") << 0.0 << 0.02 << 0.02 << true;
    QTest::newRow("pan hard left, no effects")
        << QByteArray::fromHex("b00a00b05b00b05d00") << 0.5 << 2.0 << 0.05 << true;
    // Reset All Controllers restores expression but, as MIDI asks, leaves the volume alone.
    QTest::newRow("reset all controllers undoes expression 0")
        << QByteArray::fromHex("b00b00b07900") << 0.8 << 1.25 << 1.25 << false;
    QTest::newRow("reset all controllers keeps volume 0")
        << QByteArray::fromHex("b00700b07900") << 0.0 << 0.02 << 0.02 << true;
    QTest::newRow("modulation wheel") << QByteArray::fromHex("b0017f") << 0.5 << 2.0 << 2.0 << true;
    QTest::newRow("a bank the SoundFont lacks still plays")
        << QByteArray::fromHex("b00008b02001c000") << 0.5 << 2.0 << 2.0 << false;
}

void TestSynth::controllersTakeEffect() {
    QFETCH(QByteArray, before);
    QFETCH(double, leftLow);
    QFETCH(double, leftHigh);
    QFETCH(double, rightHigh);
    QFETCH(bool, differs);
    const auto Note = [](const QByteArray &Before, std::vector<float> *Right) {
        TRendered S;
        for (qsizetype i = 0; i + 1 < Before.size(); i += Before.at(i) == char(0xC0) ? 2 : 3)
            S.Synth->Send(reinterpret_cast<const uint8_t *>(Before.constData() + i),
                          Before.at(i) == char(0xC0) ? 2 : 3);
        S.Send(0x90, 60, 100);
        std::vector<float> Left = S.Render(300);
        *Right = S.LastRight;
        return Left;
    };
    std::vector<float> PlainRight, Right;
    const std::vector<float> Plain = Note(QByteArray(), &PlainRight);
    const std::vector<float> Left = Note(before, &Right);
    const double LeftRatio = Rms(Left, 0, Left.size()) / Rms(Plain, 0, Plain.size());
    const double RightRatio = Rms(Right, 0, Right.size()) / Rms(PlainRight, 0, PlainRight.size());
    QVERIFY2(LeftRatio >= leftLow && LeftRatio <= leftHigh, qPrintable(QString::number(LeftRatio)));
    QVERIFY2(RightRatio <= rightHigh, qPrintable(QString::number(RightRatio)));
    double Difference = 0;
    for (size_t i = 0; i < Plain.size(); ++i)
        Difference += std::fabs(Plain[i] - Left[i]);
    QCOMPARE(Difference / double(Plain.size()) > 1e-4, differs);
}

// --- The Midi-Mapper ----------------------------------------------------------------------

void TestSynth::audioDrivers_data() {
    QTest::addColumn<int>("api");
    QTest::addColumn<bool>("jackFirst");
    QTest::newRow("JACK MIDI plays through JACK") << int(TMidiApi::maJack) << true;
    QTest::newRow("ALSA MIDI does not wake JACK") << int(TMidiApi::maAlsa) << false;
    QTest::newRow("no MIDI service") << int(TMidiApi::maNone) << false;
}

void TestSynth::audioDrivers() {
    QFETCH(int, api);
    QFETCH(bool, jackFirst);
    const QStringList Drivers = Synth::AudioDrivers(TMidiApi(api));
    QVERIFY(!Drivers.isEmpty());
    QCOMPARE(Drivers.contains("jack"), jackFirst);
    if (jackFirst)
        QCOMPARE(Drivers.first(), QStringLiteral("jack"));
    // The sound server before bare ALSA, which it would otherwise hold against the server.
    if (Drivers.contains("pulseaudio") && Drivers.contains("alsa"))
        QVERIFY(Drivers.indexOf("pulseaudio") < Drivers.indexOf("alsa"));
}

void TestSynth::mapperPlaysThroughAudioDriver() {
    const QString File = FDir.filePath(QStringLiteral("mapper.raw"));
    QFile::remove(File);
    Synth::Settings().AudioDrivers = {QStringLiteral("file")};
    Synth::Settings().AudioFileName = File;

    // No MIDI service is needed for the built-in synthesizer.
    TMidiOutput Output{TMidiApi::maNone};
    QCOMPARE(Output.DeviceCount(), 0);
    Output.SetDeviceID(TMidiOutput::MidiMapper);
    QCOMPARE(Output.DeviceName(), QStringLiteral("Midi-Mapper"));
    QElapsedTimer Clock;
    Clock.start();
    QVERIFY(Output.Open());
    QVERIFY(!Output.IsClosed());
    const double NoteAtMs = double(Clock.nsecsElapsed()) / 1e6;
    Output.Send(0x90, 60, 100);
    QThread::msleep(300);
    QVERIFY(Output.Close()); // with the note still held
    QVERIFY(Output.IsClosed());

    const std::vector<float> Stereo = ReadFloats(File);
    std::vector<float> Left;
    for (size_t i = 0; i < Stereo.size(); i += 2)
        Left.push_back(Stereo[i]);
    QVERIFY2(Left.size() > size_t(Rate / 5), qPrintable(QString::number(Left.size())));
    // Sound within 50 ms of the note-on (the file driver renders in real time from the open).
    const size_t From = size_t((NoteAtMs + 50) * Rate / 1000);
    QVERIFY(Rms(Left, From, size_t(Rate / 10)) > SoundRms);
    // Closing silenced the held note before the output stopped: no click at the end.
    QVERIFY2(Rms(Left, Left.size() - Block, Block) < SilentRms,
             qPrintable(QString::number(Rms(Left, Left.size() - Block, Block))));

    // Opened again, it starts afresh.
    QFile::remove(File);
    QVERIFY(Output.Open());
    Output.Send(0x90, 64, 100);
    QThread::msleep(100);
    QVERIFY(Output.Close());
    QVERIFY(QFileInfo(File).size() > 0);
}

void TestSynth::mapperFailsWithReason_data() {
    QTest::addColumn<QString>("soundFont"); // "<dir>" is the test's folder
    QTest::addColumn<QStringList>("drivers");
    QTest::addColumn<QString>("expected"); // after "Midi-Mapper could not be opened. "

    QTest::newRow("chosen SoundFont missing") << "<dir>/gone.sf2" << QStringList{"file"}
                                              << "The SoundFont \"<dir>/gone.sf2\" does not exist.";
    QTest::newRow("chosen file is no SoundFont")
        << "<dir>/text.sf2" << QStringList{"file"} << "\"<dir>/text.sf2\" is not a SoundFont.";
    QTest::newRow("no audio output") << "" << QStringList{"nosuchdriver"}
                                     << "No audio output could be opened (tried nosuchdriver)";
}

void TestSynth::mapperFailsWithReason() {
    QFETCH(QString, soundFont);
    QFETCH(QStringList, drivers);
    QFETCH(QString, expected);
    QFile Text(FDir.filePath(QStringLiteral("text.sf2")));
    QVERIFY(Text.open(QIODevice::WriteOnly));
    Text.write("not a RIFF file\n");
    Text.close();
    Synth::Settings().SoundFont = soundFont.replace(QStringLiteral("<dir>"), FDir.path());
    Synth::Settings().AudioDrivers = drivers;
    Synth::Settings().AudioFileName = FDir.filePath(QStringLiteral("failed.raw"));
    expected.replace(QStringLiteral("<dir>"), FDir.path());

    TMidiOutput Output{TMidiApi::maNone};
    Output.SetDeviceID(TMidiOutput::MidiMapper);
    for (int Attempt = 0; Attempt < 2; ++Attempt) {
        try {
            Output.Open();
            QFAIL("the Midi-Mapper opened");
        } catch (const EMidiOutputError &Error) {
            QVERIFY2(Error.Message().startsWith(
                         QStringLiteral("Midi-Mapper could not be opened. ") + expected),
                     qPrintable(Error.Message()));
        }
        QVERIFY(Output.IsClosed());
        Output.Send(0x90, 60, 100); // dropped
        QVERIFY(Output.Close());
    }
}

void TestSynth::mapperWithoutAudioOutputFailsQuickly() {
    // The drivers a real start tries: on a desktop one of them opens; on a machine without any
    // sound (CI) each answers at once and the open fails with a text, never hangs.
    QElapsedTimer Clock;
    Clock.start();
    TMidiOutput Output{TMidiApi::maNone};
    Output.SetDeviceID(TMidiOutput::MidiMapper);
    try {
        QVERIFY(Output.Open());
        QVERIFY(Output.Close());
    } catch (const EMidiOutputError &Error) {
        QVERIFY2(Error.Message().contains(QStringLiteral("No audio output")),
                 qPrintable(Error.Message()));
        QVERIFY(Output.IsClosed());
    }
    QVERIFY2(Clock.elapsed() < 3000, qPrintable(QString::number(Clock.elapsed())));
}

void TestSynth::mapperWithoutAnySoundFont() {
    const QByteArray OldHome = qgetenv("XDG_DATA_HOME"), OldDirs = qgetenv("XDG_DATA_DIRS");
    const auto Restore = qScopeGuard([&] {
        qputenv("XDG_DATA_HOME", OldHome);
        qputenv("XDG_DATA_DIRS", OldDirs);
    });
    qputenv("XDG_DATA_HOME", FDir.path().toUtf8());
    qputenv("XDG_DATA_DIRS", FDir.path().toUtf8());
    if (!InstalledSoundFont().isEmpty())
        QSKIP("a SoundFont lies in a folder searched whatever XDG says");
    Synth::Settings().AudioDrivers = {QStringLiteral("file")};
    Synth::Settings().AudioFileName = FDir.filePath(QStringLiteral("none.raw"));
    TMidiOutput Output{TMidiApi::maNone};
    Output.SetDeviceID(TMidiOutput::MidiMapper);
    try {
        Output.Open();
        QFAIL("the Midi-Mapper opened without a SoundFont");
    } catch (const EMidiOutputError &Error) {
        QCOMPARE(Error.Message(),
                 QStringLiteral("Midi-Mapper could not be opened. No General MIDI SoundFont was "
                                "found. Install fluid-soundfont-gm or timgm6mb-soundfont, or "
                                "choose a SoundFont file."));
    }
    QVERIFY(Output.IsClosed());
    QVERIFY(!QFile::exists(Synth::Settings().AudioFileName)); // no audio output was started
}

QTEST_GUILESS_MAIN(TestSynth)

#include "tst_synth.moc"
