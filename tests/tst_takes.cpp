// Takes without a MIDI service: what the capture ring hands over, which stretch of the playing
// the take store gives as the last take, a take written as a MIDI file and read back by libsmf
// (another program's reader) and by our own, files that are damaged in every way a reader meets,
// and the replay's scheduling at frames, period by period.

#include "takes/capturering.h"
#include "takes/midifile.h"
#include "takes/takeplayer.h"
#include "takes/takestore.h"

#include <smf.h>

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

using TBytes = std::vector<uint8_t>;

// A message at a time in microseconds.
struct TTimed {
    int64_t Us = 0;
    TBytes Bytes;
    bool operator==(const TTimed &) const = default;
};
using TTimedList = std::vector<TTimed>;

constexpr int64_t Ms = 1000;
constexpr int64_t Second = 1000 * Ms;

TTimed On(int64_t AtMs, int Note, int Velocity = 100, int Channel = 0) {
    return {AtMs * Ms, {uint8_t(0x90 | Channel), uint8_t(Note), uint8_t(Velocity)}};
}
TTimed Off(int64_t AtMs, int Note, int Channel = 0) {
    return {AtMs * Ms, {uint8_t(0x90 | Channel), uint8_t(Note), 0}};
}
TTimed Cc(int64_t AtMs, int Controller, int Value, int Channel = 0) {
    return {AtMs * Ms, {uint8_t(0xB0 | Channel), uint8_t(Controller), uint8_t(Value)}};
}
TTimed Program(int64_t AtMs, int Value, int Channel = 0) {
    return {AtMs * Ms, {uint8_t(0xC0 | Channel), uint8_t(Value)}};
}
TTimed Bend(int64_t AtMs, int Value, int Channel = 0) {
    const int V = Value + 8192;
    return {AtMs * Ms, {uint8_t(0xE0 | Channel), uint8_t(V & 127), uint8_t(V >> 7)}};
}

TTimedList FromTake(const TTake &Take) {
    TTimedList List;
    for (size_t i = 0; i < Take.Count(); ++i) {
        const auto Bytes = Take.Bytes(i);
        List.push_back({Take.Messages()[i].TimeUs, TBytes(Bytes.begin(), Bytes.end())});
    }
    return List;
}

// What libsmf reads from a file: every MIDI event with its time.
TTimedList ReadWithLibsmf(const QString &FileName, int &Format, int &Ppqn) {
    TTimedList List;
    smf_t *Smf = smf_load(QFile::encodeName(FileName).constData());
    if (!Smf)
        return List;
    Format = Smf->format;
    Ppqn = Smf->ppqn;
    while (smf_event_t *Event = smf_get_next_event(Smf)) {
        if (smf_event_is_metadata(Event))
            continue;
        List.push_back(
            {std::llround(Event->time_seconds * 1e6),
             TBytes(Event->midi_buffer, Event->midi_buffer + Event->midi_buffer_length)});
    }
    smf_delete(Smf);
    return List;
}

// The messages of one channel (16: system messages) in order: tracks keep the order within a
// channel, merged time lines may interleave channels at equal times either way.
TTimedList OfChannel(const TTimedList &List, int Channel) {
    TTimedList Of;
    for (const TTimed &M : List)
        if ((M.Bytes[0] < 0xF0 ? M.Bytes[0] & 0x0F : 16) == Channel)
            Of.push_back(M);
    return Of;
}

// Same messages per channel, each within ToleranceUs of its time; empty when so.
QString Differences(const TTimedList &Want, const TTimedList &Got, int64_t ToleranceUs) {
    for (int Channel = 0; Channel <= 16; ++Channel) {
        const TTimedList W = OfChannel(Want, Channel);
        const TTimedList G = OfChannel(Got, Channel);
        if (W.size() != G.size())
            return QStringLiteral("channel %1: %2 messages instead of %3")
                .arg(Channel + 1)
                .arg(G.size())
                .arg(W.size());
        for (size_t i = 0; i < W.size(); ++i) {
            if (W[i].Bytes != G[i].Bytes)
                return QStringLiteral("channel %1 message %2 differs").arg(Channel + 1).arg(i);
            if (std::abs(W[i].Us - G[i].Us) > ToleranceUs)
                return QStringLiteral("channel %1 message %2 at %3 us instead of %4 us")
                    .arg(Channel + 1)
                    .arg(i)
                    .arg(G[i].Us)
                    .arg(W[i].Us);
        }
    }
    return QString();
}

// The store after the phrase left the output, its times from Base.
constexpr int64_t Base = 5000 * Second;
void Capture(TTakeStore &Store, const TTimedList &Phrase) {
    TCaptureRing Ring;
    for (const TTimed &M : Phrase)
        Ring.Captured(Base + M.Us, M.Bytes.data(), M.Bytes.size());
    Ring.Drain(
        [&](int64_t TimeUs, const uint8_t *Data, size_t Size) { Store.Add(TimeUs, Data, Size); });
}

// --- Files built byte by byte -------------------------------------------------------------------

QByteArray Be(uint32_t Value, int Bytes) {
    QByteArray Out;
    for (int i = Bytes - 1; i >= 0; --i)
        Out.append(char(Value >> (8 * i) & 0xFF));
    return Out;
}
QByteArray Header(int Format, int Tracks, int Division = 480) {
    return "MThd" + Be(6, 4) + Be(uint32_t(Format), 2) + Be(uint32_t(Tracks), 2) +
           Be(uint32_t(Division), 2);
}
QByteArray Chunk(const char *Id, const QByteArray &Body, qint64 Declared = -1) {
    return QByteArray(Id, 4) + Be(uint32_t(Declared < 0 ? Body.size() : Declared), 4) + Body;
}
QByteArray Track(const QByteArray &Events, bool EndOfTrack = true) {
    return Chunk("MTrk", Events + (EndOfTrack ? QByteArray("\x00\xFF\x2F\x00", 4) : QByteArray()));
}
QByteArray Bytes(std::initializer_list<int> Values) {
    QByteArray Out;
    for (int V : Values)
        Out.append(char(V));
    return Out;
}

// A fake output for the player: what it emits in each period, at absolute frames.
class TRecordingEmit final : public TMidiEmit {
public:
    bool Emit(uint32_t Offset, const uint8_t *Data, size_t Size) noexcept override {
        if (Room == 0)
            return false;
        --Room;
        Got.push_back({int64_t(Start + Offset), TBytes(Data, Data + Size)});
        return true;
    }
    uint64_t Start = 0;
    size_t Room = 64;
    TTimedList Got; // Us holds the frame here
};

// Runs the player period by period (128 frames at 48 kHz) until it finished or Periods ran.
TTimedList RunPlayer(TTakePlayer &Player, int Periods, size_t RoomPerPeriod = 64,
                     uint64_t FirstFrame = 1000) {
    TRecordingEmit Out;
    for (int i = 0; i < Periods && Player.State() != TTakePlayer::TState::Finished; ++i) {
        Out.Start = FirstFrame + uint64_t(i) * 128;
        Out.Room = RoomPerPeriod;
        Player.Period({Out.Start, 128, 48000, 0, {}}, Out);
    }
    return Out.Got;
}

} // namespace

Q_DECLARE_METATYPE(TTimedList)

class TestTakes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedTakeReadsBackAsPlayed_data();
    void savedTakeReadsBackAsPlayed();
    void lastTakeIsTheLatestPlaying_data();
    void lastTakeIsTheLatestPlaying();
    void memoryCapLetsTheOldestGoButKeepsTheirState();
    void playingOlderThanThirtyMinutesIsLetGo();
    void captureRingHandsOverWholeMessagesOnly();
    void damagedFilesAreRefusedWhole_data();
    void damagedFilesAreRefusedWhole();
    void filesOfOtherWritersRead_data();
    void filesOfOtherWritersRead();
    void playerSendsEachMessageAtItsFrame_data();
    void playerSendsEachMessageAtItsFrame();
    void playerStoppedEarlyOwesItsNotes();
};

// --- Capture, save, read back -------------------------------------------------------------------

void TestTakes::savedTakeReadsBackAsPlayed_data() {
    QTest::addColumn<TTimedList>("phrase");
    QTest::addColumn<int>("tempo");
    const TTimedList keysAndChord{On(0, 60),        Off(180, 60), On(400, 60),  On(400, 64),
                                  On(400, 67),      Off(900, 60), Off(900, 64), Off(900, 67),
                                  On(1234, 62, 37), Off(1500, 62)};
    QTest::newRow("keys and a chord") << keysAndChord << 120;
    QTest::newRow("keys and a chord at 93 BPM") << keysAndChord << 93;
    TTimedList knob{On(0, 48)};
    for (int i = 0; i < 40; ++i) {
        knob.push_back(Cc(3 + i * 7, 7, 100 - i));
        knob.push_back(Bend(5 + i * 7, i * 200 - 4000));
        knob.push_back(Cc(6 + i * 7, 1, i * 3));
    }
    knob.push_back(Off(400, 48));
    QTest::newRow("a knob and both wheels") << knob << 120;
    QTest::newRow("bank, program and running status")
        << TTimedList{Cc(0, 0, 1), Cc(0, 32, 2), Program(0, 41), On(10, 60), On(20, 62),
                      Off(30, 60), Off(40, 62),  Program(50, 5), On(60, 60), Off(70, 60)}
        << 120;
    QTest::newRow("two channels") << TTimedList{On(0, 36, 90, 9),   On(1, 60, 80, 0),
                                                Off(120, 36, 9),    Off(121, 60, 0),
                                                On(250, 38, 90, 9), Off(300, 38, 9)}
                                  << 140;
    QTest::newRow("system exclusive")
        << TTimedList{{0, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}}, On(100, 60), Off(200, 60)} << 120;
    TTimedList Long;
    for (int i = 0; i < 1200; ++i) {
        Long.push_back(On(i * 250 + i % 7, 40 + i % 40, 1 + i % 127));
        Long.push_back(Off(i * 250 + 120, 40 + i % 40));
    }
    QTest::newRow("five minutes without drift") << Long << 120;
}

void TestTakes::savedTakeReadsBackAsPlayed() {
    QFETCH(TTimedList, phrase);
    QFETCH(int, tempo);
    TTakeStore Store;
    Capture(Store, phrase);
    TTake Take =
        Store.Take(TTakeStore::TPart::SinceSilence, 5 * Second, Base + phrase.back().Us + Second);
    Take.BeatsPerMinute = tempo;
    QCOMPARE(FromTake(Take), phrase);

    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("take.mid"));
    QString Error;
    QVERIFY2(MidiFile::Save(Take, File, Error), qPrintable(Error));
    int Format = -1;
    int Ppqn = -1;
    const TTimedList Library = ReadWithLibsmf(File, Format, Ppqn);
    QCOMPARE(Format, 1);
    QCOMPARE(Ppqn, 480);
    // A tick is 1.04 ms at 120 BPM: a time is off by half a tick at most.
    const QString Said = Differences(phrase, Library, 1 * Ms);
    QVERIFY2(Said.isEmpty(), qPrintable(QStringLiteral("libsmf: ") + Said));
    const std::optional<TTake> Ours = MidiFile::Load(File, Error);
    QVERIFY2(Ours, qPrintable(Error));
    const QString OursSaid = Differences(phrase, FromTake(*Ours), 1 * Ms);
    QVERIFY2(OursSaid.isEmpty(), qPrintable(QStringLiteral("ours: ") + OursSaid));
    QCOMPARE(qRound(Ours->BeatsPerMinute), tempo);
}

// --- Which playing is the last take --------------------------------------------------------------

void TestTakes::lastTakeIsTheLatestPlaying_data() {
    QTest::addColumn<TTimedList>("playing");
    QTest::addColumn<bool>("sinceSilence");
    QTest::addColumn<int>("amountSeconds");
    QTest::addColumn<int>("nowMs");
    QTest::addColumn<TTimedList>("take");

    const TTimedList twoPhrases{On(0, 60),    Off(300, 60),  On(400, 62),  Off(500, 62),
                                On(6500, 64), Off(6800, 64), On(7000, 65), Off(7100, 65)};
    QTest::newRow("a silence of N seconds begins it")
        << twoPhrases << true << 5 << 8000
        << TTimedList{On(0, 64), Off(300, 64), On(500, 65), Off(600, 65)};
    QTest::newRow("a shorter pause is part of it")
        << twoPhrases << true << 10 << 8000 << twoPhrases;
    QTest::newRow("a note held through the pause is no silence")
        << TTimedList{On(0, 48),    On(100, 60),   Off(200, 60),
                      On(7000, 62), Off(7200, 62), Off(8000, 48)}
        << true << 5 << 9000 << TTimedList{On(0, 48),    On(100, 60),   Off(200, 60),
                                           On(7000, 62), Off(7200, 62), Off(8000, 48)};
    // A Panic after the playing: its releases of silent notes and its all-notes-offs are no
    // take of their own, and no part of the one before.
    TTimedList panic{On(0, 60), Off(300, 60)};
    for (int n = 0; n < 128; ++n)
        panic.push_back(Off(9000, n));
    panic.push_back(Cc(9000, 120, 0));
    panic.push_back(Cc(9000, 123, 0));
    QTest::newRow("a Panic afterwards is left out")
        << panic << true << 5 << 10000 << TTimedList{On(0, 60), Off(300, 60)};
    QTest::newRow("the last minutes begin with the notes still held")
        << TTimedList{On(0, 50),     Off(200, 50),   On(30000, 52),
                      On(90000, 60), Off(91000, 60), Off(95000, 52)}
        << false << 60 << 100500 << TTimedList{On(0, 52), On(0, 60), Off(1000, 60), Off(5000, 52)};
    QTest::newRow("it begins with the bank, program and controllers in effect")
        << TTimedList{Program(0, 12), Cc(5, 0, 1),   Cc(10, 7, 90),
                      Cc(20, 64, 0),  On(10000, 60), Off(10500, 60)}
        << true << 5 << 11000 << TTimedList{Cc(0, 0, 1),  Program(0, 12), Cc(0, 7, 90),
                                            Cc(0, 64, 0), On(0, 60),      Off(500, 60)};
    QTest::newRow("what it leaves sounding is released at its end")
        << TTimedList{Cc(0, 64, 127), On(100, 60), Off(200, 60), On(300, 62)} << true << 5 << 1000
        << TTimedList{Cc(0, 64, 127), On(100, 60),  Off(200, 60),
                      On(300, 62),    Off(300, 62), Cc(300, 64, 0)};
    QTest::newRow("nothing played in the last minutes")
        << TTimedList{On(0, 60), Off(100, 60)} << false << 1 << 200000 << TTimedList{};
}

void TestTakes::lastTakeIsTheLatestPlaying() {
    QFETCH(TTimedList, playing);
    QFETCH(bool, sinceSilence);
    QFETCH(int, amountSeconds);
    QFETCH(int, nowMs);
    QFETCH(TTimedList, take);
    TTakeStore Store;
    Capture(Store, playing);
    const TTake Got =
        Store.Take(sinceSilence ? TTakeStore::TPart::SinceSilence : TTakeStore::TPart::LastMinutes,
                   amountSeconds * Second, Base + nowMs * Ms);
    QCOMPARE(FromTake(Got), take);
}

void TestTakes::memoryCapLetsTheOldestGoButKeepsTheirState() {
    TTakeStore Store(0); // the smallest cap: 1024 short messages
    TTimedList Playing{Program(0, 33), Cc(1, 7, 77)};
    for (int i = 0; i < 2000; ++i) {
        Playing.push_back(On(10 + i * 10, 60 + i % 12));
        Playing.push_back(Off(15 + i * 10, 60 + i % 12));
    }
    Capture(Store, Playing);
    QVERIFY(Store.MemoryUsed() <= Store.MemoryCap());
    QVERIFY(Store.CapReached());
    QCOMPARE(Store.Count(), size_t(1024));
    const TTimedList Got =
        FromTake(Store.Take(TTakeStore::TPart::LastMinutes, 60 * Second, Base + 20100 * Ms));
    QVERIFY(Got.size() > 2);
    QCOMPARE(Got[0], Program(0, 33));
    QCOMPARE(Got[1], Cc(0, 7, 77));
    QCOMPARE(Got.back().Bytes, Off(0, 60 + 1999 % 12).Bytes);
}

void TestTakes::playingOlderThanThirtyMinutesIsLetGo() {
    TTakeStore Store;
    Capture(Store, {On(0, 60), Off(100, 60), On(31 * 60000, 62), Off(31 * 60000 + 100, 62)});
    QCOMPARE(Store.Count(), size_t(2));
    // Even asked for since a silence longer than all of it, the take is the last 30 minutes.
    const TTimedList Got = FromTake(Store.Take(TTakeStore::TPart::SinceSilence, 3600 * Second,
                                               Base + 31 * 60 * Second + Second));
    QCOMPARE(Got, (TTimedList{On(0, 62), Off(100, 62)}));
}

void TestTakes::captureRingHandsOverWholeMessagesOnly() {
    TCaptureRing Ring(nullptr, 16);
    TBytes Sysex(70, 0x11);
    Sysex.front() = 0xF0;
    Sysex.back() = 0xF7;
    const TBytes Note{0x90, 60, 100};
    const TBytes Clock{0xF8};
    TTimedList Sent;
    int Offered = 0;
    // Four slots a system exclusive message, one a note: the ring fills and refuses whole
    // messages, never a part of one.
    for (int i = 0; i < 12; ++i) {
        const TBytes &M = i % 3 == 0 ? Sysex : Note;
        Ring.Captured(i, M.data(), M.size());
        ++Offered;
        Sent.push_back({i, M});
        Ring.Captured(i, Clock.data(), Clock.size());
    }
    TTimedList Got;
    Ring.Drain([&](int64_t TimeUs, const uint8_t *Data, size_t Size) {
        Got.push_back({TimeUs, TBytes(Data, Data + Size)});
    });
    QCOMPARE(int(Got.size() + Ring.Lost()), Offered);
    QVERIFY(Ring.Lost() > 0);
    for (const TTimed &M : Got) {
        QVERIFY(M.Bytes == Sysex || M.Bytes == Note);
        QCOMPARE(M.Bytes, Sent[size_t(M.Us)].Bytes);
    }
    // Room again once drained.
    Ring.Captured(99, Sysex.data(), Sysex.size());
    Got.clear();
    Ring.Drain([&](int64_t TimeUs, const uint8_t *Data, size_t Size) {
        Got.push_back({TimeUs, TBytes(Data, Data + Size)});
    });
    QCOMPARE(Got, (TTimedList{{99, Sysex}}));
}

// --- Files --------------------------------------------------------------------------------------

void TestTakes::damagedFilesAreRefusedWhole_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("said");
    const QByteArray Note = Bytes({0x00, 0x90, 60, 100, 0x60, 0x90, 60, 0});
    QTest::newRow("empty") << QByteArray() << QStringLiteral("not a MIDI file");
    QTest::newRow("a text file") << QByteArray("MTh is not a header, nor this")
                                 << QStringLiteral("not a MIDI file");
    QTest::newRow("header length beyond the file")
        << QByteArray("MThd" + Be(1000, 4) + Be(1, 2) + Be(1, 2) + Be(480, 2))
        << QStringLiteral("header is damaged");
    QTest::newRow("format 2") << Header(2, 1) + Track(Note) << QStringLiteral("format 2");
    QTest::newRow("format 7") << Header(7, 1) + Track(Note) << QStringLiteral("does not exist");
    QTest::newRow("no tracks") << Header(1, 0) << QStringLiteral("no tracks");
    QTest::newRow("time division 0")
        << Header(1, 1, 0) + Track(Note) << QStringLiteral("time division");
    QTest::newRow("23 frames a second")
        << Header(1, 1, (256 - 23) << 8 | 40) + Track(Note) << QStringLiteral("time division");
    QTest::newRow("header alone") << Header(1, 1) << QStringLiteral("ends before track 1 of 1");
    QTest::newRow("second track missing")
        << Header(1, 2) + Track(Note) << QStringLiteral("ends before track 2 of 2");
    QTest::newRow("cut in the middle of a track")
        << Header(0, 1) + Chunk("MTrk", Note, 40) << QStringLiteral("middle of track 1 of 1");
    // libsmf 1.3 reads past its buffer here (and crashes on a short header).
    QTest::newRow("track length of almost 2 GB")
        << Header(0, 1) + Chunk("MTrk", Note, 0x7FFFFFF0) << QStringLiteral("middle of track 1");
    QTest::newRow("track length of almost 4 GB")
        << Header(0, 1) + Chunk("MTrk", Note, 0xFFFFFFF0) << QStringLiteral("middle of track 1");
    QTest::newRow("event cut at its track's end")
        << Header(0, 1) + Track(Bytes({0x00, 0x90, 60}), false)
        << QStringLiteral("ends in the middle of an event");
    QTest::newRow("time longer than four bytes")
        << Header(0, 1) + Track(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100}))
        << QStringLiteral("longer than four bytes");
    QTest::newRow("data byte without a status")
        << Header(0, 1) + Track(Bytes({0x00, 60, 100})) << QStringLiteral("data byte (byte 23)");
    QTest::newRow("a system common byte as an event")
        << Header(0, 1) + Track(Bytes({0x00, 0xF1, 0x00}))
        << QStringLiteral("an event that MIDI files do not have (0xf1)");
    QTest::newRow("message cut short by another")
        << Header(0, 1) + Track(Bytes({0x00, 0x90, 60, 0x80, 60, 0}))
        << QStringLiteral("cut short by another");
    QTest::newRow("text longer than its track")
        << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x01, 0x7F, 'a'}), false)
        << QStringLiteral("ends in the middle of an event");
    QTest::newRow("system exclusive longer than its track")
        << Header(0, 1) + Track(Bytes({0x00, 0xF0, 0x81, 0x00, 0x7E}), false)
        << QStringLiteral("ends in the middle of an event");
    QTest::newRow("tempo of two bytes")
        << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}))
        << QStringLiteral("tempo change at byte 23");
    QTest::newRow("tempo of zero") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0, 0, 0}))
                                   << QStringLiteral("tempo change");
    // One quarter note of 16.8 s and 2^28 ticks of it: years.
    QTest::newRow("longer than a day")
        << Header(0, 1, 1) + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                          0xFF, 0x7F, 0x90, 60, 100}))
        << QStringLiteral("24 hours");
    QTest::newRow("too large") << Header(0, 1) +
                                      Track(QByteArray(int(MidiFile::MaxFileBytes), '\0'))
                               << QStringLiteral("too large");
}

void TestTakes::damagedFilesAreRefusedWhole() {
    QFETCH(QByteArray, file);
    QFETCH(QString, said);
    QString Error;
    const std::optional<TTake> Take = MidiFile::Read(file, Error);
    QVERIFY2(!Take, "a damaged file gave a take");
    QVERIFY2(Error.contains(said, Qt::CaseInsensitive), qPrintable(Error));
}

void TestTakes::filesOfOtherWritersRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<TTimedList>("messages");
    QTest::addColumn<qint64>("lengthUs");
    QTest::addColumn<int>("skipped");
    QTest::newRow("running status across a text event")
        << Header(0, 1) +
               Track(Bytes({0x00, 0x90, 60, 100, 0x83, 0x60, 0xFF, 0x01, 0x00, 0x00, 62, 100}))
        << TTimedList{On(0, 60), On(500, 62)} << qint64(500 * Ms) << 0;
    QTest::newRow("tempo doubled halfway")
        << Header(0, 1) + Track(Bytes({0x83, 0x60, 0x90, 60, 100, 0x00, 0xFF, 0x51, 0x03, 0x03,
                                       0xD0, 0x90, 0x83, 0x60, 0x90, 62, 100}))
        << TTimedList{On(500, 60), On(750, 62)} << qint64(750 * Ms) << 0;
    QTest::newRow("the tempo track's tempo rules the other tracks")
        << Header(1, 2) + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40})) +
               Track(Bytes({0x83, 0x60, 0x91, 60, 100, 0x83, 0x60, 0x81, 60, 0}))
        << TTimedList{On(1000, 60, 100, 1), {2000 * Ms, {0x81, 60, 0}}} << qint64(2000 * Ms) << 0;
    QTest::newRow("25 frames of 40 ticks a second")
        << Header(0, 1, (256 - 25) << 8 | 40) + Track(Bytes({0x87, 0x68, 0x90, 60, 100}))
        << TTimedList{On(1000, 60)} << qint64(1000 * Ms) << 0;
    QTest::newRow("system exclusive in two packets")
        << Header(0, 1) +
               Track(Bytes({0x00, 0xF0, 0x03, 0x7E, 0x7F, 0x09, 0x60, 0xF7, 0x02, 0x01, 0xF7}))
        << TTimedList{{100 * Ms, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}}} << qint64(100 * Ms) << 0;
    QTest::newRow("a song position in an escape")
        << Header(0, 1) + Track(Bytes({0x00, 0xF7, 0x03, 0xF2, 0x10, 0x00}))
        << TTimedList{{0, {0xF2, 0x10, 0x00}}} << qint64(0) << 0;
    QTest::newRow("chunks of other kinds and no end of track")
        << Header(0, 1) + Chunk("XFIH", "whatever") + Track(Bytes({0x00, 0x90, 60, 100}), false)
        << TTimedList{On(0, 60)} << qint64(0) << 0;
    QByteArray Huge = Bytes({0x00, 0xF0, 0xA7, 0x10}); // 5008 bytes
    Huge.append(QByteArray(5007, 0x01));
    Huge.append(char(0xF7));
    QTest::newRow("system exclusive too long to send is left out, and said")
        << Header(0, 1) + Track(Huge + Bytes({0x00, 0x90, 60, 100})) << TTimedList{On(0, 60)}
        << qint64(0) << 1;
    QTest::newRow("the end of track sets the length")
        << Header(0, 1) + Chunk("MTrk", Bytes({0x00, 0x90, 60, 100, 0x8F, 0x00, 0xFF, 0x2F, 0x00}))
        << TTimedList{On(0, 60)} << qint64(2000 * Ms) << 0;
}

void TestTakes::filesOfOtherWritersRead() {
    QFETCH(QByteArray, file);
    QFETCH(TTimedList, messages);
    QFETCH(qint64, lengthUs);
    QFETCH(int, skipped);
    QString Error;
    const std::optional<TTake> Take = MidiFile::Read(file, Error);
    QVERIFY2(Take, qPrintable(Error));
    QCOMPARE(FromTake(*Take), messages);
    QCOMPARE(Take->LengthUs(), lengthUs);
    QCOMPARE(int(Take->Skipped), skipped);
}

// --- The replay's scheduling
// ----------------------------------------------------------------------

void TestTakes::playerSendsEachMessageAtItsFrame_data() {
    QTest::addColumn<TTimedList>("take");
    QTest::addColumn<qint64>("lengthUs");
    QTest::addColumn<qint64>("fromUs");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("room");
    QTest::addColumn<TTimedList>("frames"); // Us: the frame after the first period's start

    const TTimedList Notes{
        On(0, 60), {1010, {0x90, 60, 0}}, {10400, {0x90, 62, 90}}, {100000, {0x90, 62, 0}}};
    QTest::newRow("as written") << Notes << qint64(200 * Ms) << qint64(0) << false << 64
                                << TTimedList{{0, {0x90, 60, 100}},
                                              {48, {0x90, 60, 0}},
                                              {499, {0x90, 62, 90}},
                                              {4800, {0x90, 62, 0}}};
    QTest::newRow("from the middle, the notes there")
        << Notes << qint64(200 * Ms) << qint64(50 * Ms) << false << 64
        << TTimedList{{2400, {0x90, 62, 0}}};
    QTest::newRow("looped") << TTimedList{On(0, 60), Off(10, 60)} << qint64(20 * Ms) << qint64(0)
                            << true << 64
                            << TTimedList{{0, {0x90, 60, 100}},    {480, {0x90, 60, 0}},
                                          {960, {0x90, 60, 100}},  {1440, {0x90, 60, 0}},
                                          {1920, {0x90, 60, 100}}, {2400, {0x90, 60, 0}}};
    TTimedList Chord;
    for (int n = 0; n < 6; ++n)
        Chord.push_back(On(0, 60 + n));
    // Two messages a period: the chord over three periods, then its release (the take ends
    // with it sounding) over three more.
    TTimedList ChordFrames;
    for (int n = 0; n < 6; ++n)
        ChordFrames.push_back({(n / 2) * 128, {0x90, uint8_t(60 + n), 100}});
    for (int n = 0; n < 6; ++n)
        ChordFrames.push_back({384 + (n / 2) * 128, {0x90, uint8_t(60 + n), 0}});
    QTest::newRow("a full period leaves the rest for the next, none lost")
        << Chord << qint64(0) << qint64(0) << false << 2 << ChordFrames;
    QTest::newRow("the end lets go of what the take left sounding")
        << TTimedList{Cc(0, 64, 127), On(1, 60)} << qint64(5 * Ms) << qint64(0) << false << 64
        << TTimedList{{0, {0xB0, 64, 127}},
                      {48, {0x90, 60, 100}},
                      {240, {0x90, 60, 0}},
                      {240, {0xB0, 64, 0}}};
}

void TestTakes::playerSendsEachMessageAtItsFrame() {
    QFETCH(TTimedList, take);
    QFETCH(qint64, lengthUs);
    QFETCH(qint64, fromUs);
    QFETCH(bool, loop);
    QFETCH(int, room);
    QFETCH(TTimedList, frames);
    auto Take = std::make_shared<TTake>();
    for (const TTimed &M : take)
        Take->Add(M.Us, M.Bytes.data(), M.Bytes.size());
    Take->SetLengthUs(lengthUs);
    TTakePlayer Player;
    Player.SetLoop(loop);
    Player.Prepare(Take, fromUs);
    TTimedList Got = RunPlayer(Player, loop ? 20 : 200, size_t(room));
    for (TTimed &M : Got)
        M.Us -= 1000; // the first period's start
    if (loop)
        Got.resize(std::min(Got.size(), frames.size()));
    QCOMPARE(Got, frames);
    if (!loop)
        QCOMPARE(Player.State(), TTakePlayer::TState::Finished);
}

void TestTakes::playerStoppedEarlyOwesItsNotes() {
    auto Take = std::make_shared<TTake>();
    for (const TTimed &M : {Cc(0, 64, 100), On(0, 60), On(0, 64), Off(1, 60), On(500, 67)})
        Take->Add(M.Us, M.Bytes.data(), M.Bytes.size());
    TTakePlayer Player;
    Player.Prepare(Take, 0);
    RunPlayer(Player, 10);
    QCOMPARE(Player.State(), TTakePlayer::TState::Playing);
    const auto Owed = Player.Owed();
    QCOMPARE(Owed, (std::vector<std::array<uint8_t, 3>>{{0x90, 64, 0}, {0xB0, 64, 0}}));
    std::vector<TTakePlayer::TShown> Shown;
    while (const auto S = Player.TakeShown())
        Shown.push_back(*S);
    QCOMPARE(Shown.size(), size_t(3)); // 60 down, 64 down, 60 up
}

QTEST_GUILESS_MAIN(TestTakes)
#include "tst_takes.moc"
