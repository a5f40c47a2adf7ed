// The real program under Xvfb and JACK, as a musician uses takes: a phrase played with computer
// keys, a chord and a knob is saved with File > Save Last Take and read back by libsmf (another
// program's reader) as the receiver heard it; File > Play MIDI File plays it to the receiver on
// time; a damaged file is refused with nothing played; Panic and closing the window during a
// replay leave nothing sounding. The cases run in order on one program.

#include "e2erig.h"

#include <smf.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>

#include <array>
#include <cmath>
#include <map>

namespace {

struct TTimed {
    int64_t Us = 0;
    TBytes Bytes;
};

// What libsmf reads from a file: its MIDI events with their times.
std::vector<TTimed> ReadWithLibsmf(const QString &FileName) {
    std::vector<TTimed> List;
    smf_t *Smf = smf_load(QFile::encodeName(FileName).constData());
    if (!Smf)
        return List;
    while (smf_event_t *Event = smf_get_next_event(Smf))
        if (!smf_event_is_metadata(Event))
            List.push_back(
                {std::llround(Event->time_seconds * 1e6),
                 TBytes(Event->midi_buffer, Event->midi_buffer + Event->midi_buffer_length)});
    smf_delete(Smf);
    return List;
}

// A file of held notes (and the sustain pedal down), written by libsmf: a replay that is cut
// short owes all of them.
bool WriteHeldNotes(const QString &FileName) {
    smf_t *Smf = smf_new();
    if (!Smf || smf_set_ppqn(Smf, 480) != 0)
        return false;
    smf_track_t *Track = smf_track_new();
    smf_add_track(Smf, Track);
    smf_track_add_event_seconds(Track, smf_event_new_from_bytes(0xB0, 64, 127), 0);
    for (int i = 0; i < 8; ++i) {
        smf_track_add_event_seconds(Track, smf_event_new_from_bytes(0x90, 60 + i, 90), i * 0.25);
        smf_track_add_event_seconds(Track, smf_event_new_from_bytes(0x90, 60 + i, 0), 20 + i);
    }
    const int Result = smf_save(Smf, QFile::encodeName(FileName).constData());
    smf_delete(Smf);
    return Result == 0;
}

// The notes and sustain pedals left down after a stream; only note-offs and pedal releases count
// (not All Notes Off, which a closing port sends anyway).
QStringList Sounding(const std::vector<TBytes> &Stream) {
    std::map<std::pair<int, int>, bool> Held;
    std::array<bool, 16> Pedal{};
    for (const TBytes &B : Stream) {
        if (B.size() != 3)
            continue;
        const int Kind = B[0] & 0xF0;
        if (Kind == 0x90 || Kind == 0x80)
            Held[{B[0] & 0x0F, B[1]}] = Kind == 0x90 && B[2] > 0;
        else if (Kind == 0xB0 && B[1] == 64)
            Pedal[size_t(B[0] & 0x0F)] = B[2] >= 64;
    }
    QStringList Said;
    for (const auto &[Key, On] : Held)
        if (On)
            Said << QStringLiteral("channel %1 note %2").arg(Key.first + 1).arg(Key.second);
    for (int Channel = 0; Channel < 16; ++Channel)
        if (Pedal[size_t(Channel)])
            Said << QStringLiteral("channel %1 sustain").arg(Channel + 1);
    return Said;
}

} // namespace

class TestE2eTakes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase();

    void phraseIsSavedAsItWasHeard();
    void savedTakeReplaysOnTime();
    void damagedFileIsRefusedWithNothingPlayed();
    void panicDuringReplayLeavesNothingSounding();
    void closingDuringReplayLeavesNothingSounding();

private:
    // Types a file's full name into the file dialog titled Title and accepts it.
    bool ChooseFile(const QString &Title, const QString &FileName);
    // File > Play MIDI File with FileName.
    bool PlayFile(const QString &FileName);

    TE2eRig FRig;
    std::unique_ptr<TE2eProgram> FProgram;
    QString FTake;
    std::vector<TBytes> FHeard;
    std::vector<int64_t> FHeardUs;
};

void TestE2eTakes::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("takes")), qPrintable(FRig.ErrorText()));
    // The receiver connects after the output opened: what the opening output was told (the
    // shown program and knobs) would be in the take but never heard.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n[KeyboardForm]\nSend On Open=0\n");
    FProgram = std::make_unique<TE2eProgram>(FRig);
    QVERIFY(FProgram->Start());
    QVERIFY(FProgram->ConnectOutput());
    FTake = QDir(FRig.Folder()).filePath(QStringLiteral("phrase.mid"));
}

void TestE2eTakes::cleanupTestCase() {
    FProgram.reset();
    FRig.Stop();
}

bool TestE2eTakes::ChooseFile(const QString &Title, const QString &FileName) {
    const QString dialog = FProgram->WaitForWindow(QStringLiteral("^%1$").arg(Title));
    if (dialog.isEmpty() || !FProgram->Focus(dialog))
        return false;
    QThread::msleep(300);
    return FRig.Keys({QStringLiteral("ctrl+a")}) &&
           FRig.Xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"),
                     FileName}) &&
           FRig.Keys({QStringLiteral("Return")});
}

bool TestE2eTakes::PlayFile(const QString &FileName) {
    return FProgram->Focus() && FRig.Keys({QStringLiteral("ctrl+o")}) &&
           ChooseFile(QStringLiteral("Open MIDI File"), FileName);
}

void TestE2eTakes::phraseIsSavedAsItWasHeard() {
    TJackPeer &peer = FRig.Peer();
    peer.ClearReceived();
    // Three keys; End chooses the major chord for one more; Home goes back to none.
    QVERIFY(FRig.Keys({QStringLiteral("z"), QStringLiteral("x"), QStringLiteral("c"),
                       QStringLiteral("End"), QStringLiteral("v"), QStringLiteral("Home")}));
    QVERIFY(peer.WaitForReceived(12));
    // The knob: a double-click on the first knob sends its value (the knob bar's first column
    // is right of the Panic button; its height depends on the font).
    for (int y = 24; y <= 100 && peer.Received().size() == 12; y += 6) {
        FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), FProgram->Window(),
                  QStringLiteral("283"), QString::number(y), QStringLiteral("click"),
                  QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("1")});
        QThread::msleep(200);
    }
    QVERIFY2(peer.Received().size() > 12, "no knob sent its value");
    QThread::msleep(500);
    const size_t beforeKey = peer.Received().size();
    QVERIFY(FRig.Keys({QStringLiteral("b")}));
    QVERIFY2(peer.WaitForReceived(beforeKey + 2),
             qPrintable(FRig.Received(0).join(QStringLiteral(", "))));
    QThread::msleep(300);
    FHeard = peer.Received();
    FHeardUs = peer.ReceivedTimesUs();

    QVERIFY(FProgram->Focus());
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+shift+s")}));
    const QString form = FProgram->WaitForWindow(QStringLiteral("^Save Last Take$"));
    QVERIFY2(!form.isEmpty(), "File > Save Last Take did not open");
    QVERIFY(FProgram->Focus(form));
    QVERIFY(FRig.Keys({QStringLiteral("Return")})); // Save...
    QVERIFY(ChooseFile(QStringLiteral("Save Take As"), FTake));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(FTake), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(FProgram->Windows(QStringLiteral("^Save Last Take$")).isEmpty(), 5000);

    const std::vector<TTimed> file = ReadWithLibsmf(FTake);
    QCOMPARE(file.size(), FHeard.size());
    for (size_t i = 0; i < file.size(); ++i) {
        QCOMPARE(file[i].Bytes, FHeard[i]);
        // The time of the frame each left at, within a tick's rounding (0.5 ms at 120 BPM).
        const int64_t heardUs = FHeardUs[i] - FHeardUs[0];
        QVERIFY2(std::abs(file[i].Us - heardUs) <= 1000,
                 qPrintable(QStringLiteral("message %1 at %2 us in the file, heard at %3 us")
                                .arg(i)
                                .arg(file[i].Us)
                                .arg(heardUs)));
    }
}

void TestE2eTakes::savedTakeReplaysOnTime() {
    QVERIFY2(QFile::exists(FTake), "no take was saved");
    const std::vector<TTimed> file = ReadWithLibsmf(FTake);
    TJackPeer &peer = FRig.Peer();
    peer.ClearReceived();
    QVERIFY(PlayFile(FTake));
    QVERIFY(peer.WaitForReceived(file.size(), 10000));
    QThread::msleep(500);
    const std::vector<TBytes> got = peer.Received();
    const std::vector<uint64_t> frames = peer.ReceivedFrames();
    QCOMPARE(got.size(), file.size());
    const double rate = peer.SampleRate();
    for (size_t i = 0; i < got.size(); ++i) {
        QCOMPARE(got[i], file[i].Bytes);
        const double wantFrames = double(file[i].Us - file[0].Us) * rate / 1e6;
        QVERIFY2(std::abs(double(frames[i] - frames[0]) - wantFrames) <= 2,
                 qPrintable(QStringLiteral("message %1 at frame %2, the file says %3")
                                .arg(i)
                                .arg(frames[i] - frames[0])
                                .arg(wantFrames)));
    }
    QVERIFY(FProgram->Focus(FProgram->WaitForWindow(QStringLiteral("^Play MIDI File$"))));
    QVERIFY(FRig.Keys({QStringLiteral("Escape")}));
    QTRY_VERIFY_WITH_TIMEOUT(FProgram->Windows(QStringLiteral("^Play MIDI File$")).isEmpty(), 5000);
}

void TestE2eTakes::damagedFileIsRefusedWithNothingPlayed() {
    QFile good(FTake);
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const QString cut = QDir(FRig.Folder()).filePath(QStringLiteral("cut.mid"));
    QFile damaged(cut);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes.left(bytes.size() - 9)); // the last track cut short
    damaged.close();
    FRig.Peer().ClearReceived();
    QVERIFY(PlayFile(cut));
    // The player and, over it, the box that says why.
    QTRY_COMPARE_WITH_TIMEOUT(FProgram->Windows(QStringLiteral("^Play MIDI File$")).size(), 2,
                              5000);
    QThread::msleep(500);
    QVERIFY(FRig.Peer().Received().empty());
    QVERIFY(FRig.Keys({QStringLiteral("Return")}));
    QTRY_COMPARE_WITH_TIMEOUT(FProgram->Windows(QStringLiteral("^Play MIDI File$")).size(), 1,
                              5000);
    QVERIFY(FRig.Keys({QStringLiteral("Escape")}));
}

void TestE2eTakes::panicDuringReplayLeavesNothingSounding() {
    const QString held = QDir(FRig.Folder()).filePath(QStringLiteral("held.mid"));
    QVERIFY(WriteHeldNotes(held));
    TJackPeer &peer = FRig.Peer();
    peer.ClearReceived();
    QVERIFY(PlayFile(held));
    QVERIFY(peer.WaitForReceived(4, 5000));
    QVERIFY(FProgram->Focus());
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+space")}));
    QVERIFY(peer.WaitForReceived(2080, 10000));
    QThread::msleep(1000);
    const std::vector<TBytes> got = peer.Received();
    QThread::msleep(500);
    QCOMPARE(peer.Received().size(), got.size()); // the replay ended
    const QStringList left = Sounding(got);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(", "))));
}

void TestE2eTakes::closingDuringReplayLeavesNothingSounding() {
    const QString held = QDir(FRig.Folder()).filePath(QStringLiteral("held.mid"));
    TJackPeer &peer = FRig.Peer();
    peer.ClearReceived();
    QVERIFY(PlayFile(held));
    QVERIFY(peer.WaitForReceived(4, 5000));
    QVERIFY(FProgram->Quit());
    QThread::msleep(300);
    const QStringList left = Sounding(peer.Received());
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(TestE2eTakes)
#include "tst_e2e_takes.moc"
