#include "takes/midifile.h"

#include "midi/periodsource.h"
#include "midi/shortmessage.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace MidiFile {

namespace {

QString Tr(const char *Text) {
    return QCoreApplication::translate("TMidiFile", Text);
}

constexpr uint8_t Meta = 0xFF;
constexpr uint8_t MetaTrackName = 0x03;
constexpr uint8_t MetaEndOfTrack = 0x2F;
constexpr uint8_t MetaTempo = 0x51;
constexpr uint8_t MetaTimeSignature = 0x58;
constexpr uint8_t SysexStart = 0xF0;
constexpr uint8_t SysexEscape = 0xF7;
constexpr uint32_t LargestDelta = 0x0FFFFFFF; // four bytes of seven bits

// --- Writing -------------------------------------------------------------------------------------

class TTrackWriter {
public:
    explicit TTrackWriter(QByteArray &Out) : FOut(Out) {
        FOut.append("MTrk\0\0\0\0", 8);
        FStart = FOut.size();
    }
    void Time(int64_t Tick) {
        int64_t Delta = std::max<int64_t>(Tick - FTick, 0);
        // A wait longer than a delta holds (days at an extreme tempo) goes in steps, each
        // carried by an empty text event.
        for (; Delta > LargestDelta; Delta -= LargestDelta) {
            Number(LargestDelta);
            FOut.append("\xFF\x01\x00", 3);
            FRunning = 0;
        }
        Number(uint32_t(Delta));
        FTick = std::max(FTick, Tick);
    }
    void Number(uint32_t Value) {
        std::array<char, 4> Bytes{};
        int Count = 0;
        do {
            Bytes[size_t(Count++)] = char(Value & 0x7F);
            Value >>= 7;
        } while (Value && Count < 4);
        while (Count-- > 0)
            FOut.append(char(Bytes[size_t(Count)] | (Count ? 0x80 : 0)));
    }
    void MetaEvent(int64_t Tick, uint8_t Type, const QByteArray &Data) {
        Time(Tick);
        FOut.append(char(Meta));
        FOut.append(char(Type));
        Number(uint32_t(Data.size()));
        FOut.append(Data);
        FRunning = 0;
    }
    void Message(int64_t Tick, const uint8_t *Data, size_t Size) {
        Time(Tick);
        if (Data[0] < 0xF0) {
            // Running status: the status byte only when it changes.
            if (Data[0] != FRunning)
                FOut.append(char(Data[0]));
            FRunning = Data[0];
            FOut.append(reinterpret_cast<const char *>(Data) + 1, qsizetype(Size - 1));
            return;
        }
        FRunning = 0;
        if (Data[0] == SysexStart) {
            // F0, the length, then the rest (its F7 included).
            FOut.append(char(SysexStart));
            Number(uint32_t(Size - 1));
            FOut.append(reinterpret_cast<const char *>(Data) + 1, qsizetype(Size - 1));
        } else {
            // Any other system message goes in an escape: F7, the length, the bytes.
            FOut.append(char(SysexEscape));
            Number(uint32_t(Size));
            FOut.append(reinterpret_cast<const char *>(Data), qsizetype(Size));
        }
    }
    void End(int64_t Tick) {
        MetaEvent(Tick, MetaEndOfTrack, QByteArray());
        const qsizetype Length = FOut.size() - FStart;
        for (int i = 0; i < 4; ++i)
            FOut[FStart - 4 + i] = char(uint32_t(Length) >> (24 - 8 * i) & 0xFF);
    }

private:
    QByteArray &FOut;
    qsizetype FStart = 0;
    int64_t FTick = 0;
    uint8_t FRunning = 0;
};

// A message a file can hold as it is: a channel or system message of its length with data bytes
// below 0x80, or a whole system exclusive message. Others (nothing the program sends) are not
// written rather than written so that the file cannot be read.
bool Writable(const uint8_t *Data, size_t Size) {
    if (Size == 0 || !(Data[0] & 0x80))
        return false;
    if (Data[0] == SysexStart)
        return Size >= 2 && Data[Size - 1] == SysexEscape &&
               std::all_of(Data + 1, Data + Size - 1, [](uint8_t B) { return B < 0x80; });
    return size_t(MidiShortMessage::Length(Data[0])) == Size &&
           std::all_of(Data + 1, Data + Size, [](uint8_t B) { return B < 0x80; });
}

void AppendBigEndian(QByteArray &Out, uint32_t Value, int Bytes) {
    for (int i = Bytes - 1; i >= 0; --i)
        Out.append(char(Value >> (8 * i) & 0xFF));
}

// --- Reading -------------------------------------------------------------------------------------

struct TRawEvent {
    uint64_t Tick;
    uint32_t Start; // in the message bytes
    uint32_t Size;
};

struct TTempoChange {
    uint64_t Tick;
    uint32_t UsPerQuarter;
};

class TReader {
public:
    TReader(const uint8_t *Data, size_t Size) : FData(Data), FSize(Size) {}

    std::optional<TTake> Read(QString &Error);

private:
    bool Fail(const QString &Text) {
        FError = Text;
        return false;
    }
    // A text with the track (%1), the byte where the fault is (%2) and what else it names (%3).
    bool Damaged(const char *Text, size_t At, const QString &What = QString()) {
        QString Said = Tr(Text).arg(FTrack).arg(At);
        return Fail(What.isEmpty() ? Said : Said.arg(What));
    }
    uint32_t Big(size_t At, int Bytes) const {
        uint32_t Value = 0;
        for (int i = 0; i < Bytes; ++i)
            Value = Value << 8 | FData[At + size_t(i)];
        return Value;
    }
    // A variable-length number within [Pos, End); false (with the error said) when it runs
    // past the end or over four bytes.
    bool Number(size_t &Pos, size_t End, uint32_t &Value) {
        Value = 0;
        for (int i = 0; i < 4; ++i) {
            if (Pos >= End)
                return Damaged(
                    QT_TRANSLATE_NOOP(
                        "TMidiFile",
                        "Track %1 is damaged: it ends in the middle of an event (byte %2)."),
                    Pos);
            const uint8_t Byte = FData[Pos++];
            Value = Value << 7 | (Byte & 0x7F);
            if (!(Byte & 0x80))
                return true;
        }
        return Damaged(QT_TRANSLATE_NOOP(
                           "TMidiFile",
                           "Track %1 is damaged: the number at byte %2 is longer than four bytes."),
                       Pos - 4);
    }
    bool Track(size_t Pos, size_t End);
    bool AddEvent(uint64_t Tick, const uint8_t *Data, size_t Size);

    const uint8_t *FData;
    size_t FSize;
    QString FError;
    int FTrack = 0;
    std::vector<TRawEvent> FEvents;
    std::vector<uint8_t> FBytes;
    std::vector<TTempoChange> FTempos;
    uint64_t FEndTick = 0;
    size_t FSkipped = 0;
};

bool TReader::AddEvent(uint64_t Tick, const uint8_t *Data, size_t Size) {
    if (FEvents.size() >= MaxMessages)
        return Fail(Tr("The file holds more than %L1 messages; Ondrel plays files of up to that "
                       "many.")
                        .arg(qulonglong(MaxMessages)));
    FEvents.push_back({Tick, uint32_t(FBytes.size()), uint32_t(Size)});
    FBytes.insert(FBytes.end(), Data, Data + Size);
    return true;
}

bool TReader::Track(size_t Pos, size_t End) {
    uint64_t Tick = 0;
    uint8_t Running = 0;
    // A system exclusive message sent in several packets, joined; one longer than a port
    // takes is left out whole.
    std::vector<uint8_t> Sysex;
    bool InSysex = false;
    while (Pos < End) {
        uint32_t Delta = 0;
        if (!Number(Pos, End, Delta))
            return false;
        Tick += Delta;
        if (Pos >= End)
            return Damaged(QT_TRANSLATE_NOOP(
                               "TMidiFile",
                               "Track %1 is damaged: it ends in the middle of an event (byte %2)."),
                           Pos);
        const size_t At = Pos;
        const uint8_t First = FData[Pos];
        if (First == Meta) {
            if (Pos + 2 > End)
                return Damaged(
                    QT_TRANSLATE_NOOP(
                        "TMidiFile",
                        "Track %1 is damaged: it ends in the middle of an event (byte %2)."),
                    At);
            const uint8_t Type = FData[Pos + 1];
            Pos += 2;
            uint32_t Length = 0;
            if (!Number(Pos, End, Length))
                return false;
            if (Length > End - Pos)
                return Damaged(
                    QT_TRANSLATE_NOOP(
                        "TMidiFile",
                        "Track %1 is damaged: it ends in the middle of an event (byte %2)."),
                    At);
            if (Type == MetaTempo) {
                const uint32_t Tempo = Length == 3 ? Big(Pos, 3) : 0;
                if (Tempo == 0)
                    return Damaged(
                        QT_TRANSLATE_NOOP(
                            "TMidiFile",
                            "Track %1 is damaged: the tempo change at byte %2 is not valid."),
                        At);
                FTempos.push_back({Tick, Tempo});
            }
            Pos += Length;
            if (Type == MetaEndOfTrack)
                break; // what follows in the chunk is not part of the track
            continue;
        }
        if (First == SysexStart || First == SysexEscape) {
            ++Pos;
            uint32_t Length = 0;
            if (!Number(Pos, End, Length))
                return false;
            if (Length > End - Pos)
                return Damaged(
                    QT_TRANSLATE_NOOP(
                        "TMidiFile",
                        "Track %1 is damaged: it ends in the middle of an event (byte %2)."),
                    At);
            const uint8_t *Data = FData + Pos;
            Pos += Length;
            if (First == SysexStart) {
                if (InSysex)
                    ++FSkipped; // one that never ended
                Sysex.assign(1, SysexStart);
                InSysex = true;
            } else if (!InSysex) {
                // An escape: a message of its own (a system message other than these), whole.
                if (Length > 0 && size_t(MidiShortMessage::Length(Data[0])) == Length &&
                    std::all_of(Data + 1, Data + Length, [](uint8_t B) { return B < 0x80; })) {
                    if (!AddEvent(Tick, Data, Length))
                        return false;
                } else {
                    ++FSkipped;
                }
                continue;
            }
            if (Sysex.size() <= TMidiEmit::LargestMessage)
                Sysex.insert(
                    Sysex.end(), Data,
                    Data + std::min<size_t>(Length, TMidiEmit::LargestMessage + 1 - Sysex.size()));
            if (Length > 0 && Data[Length - 1] == SysexEscape) {
                InSysex = false;
                // Too long for a port, or broken by a status byte inside: not sent.
                if (Sysex.size() > TMidiEmit::LargestMessage ||
                    !Writable(Sysex.data(), Sysex.size()))
                    ++FSkipped;
                else if (!AddEvent(Tick, Sysex.data(), Sysex.size()))
                    return false;
            }
            continue;
        }
        uint8_t Status = Running;
        if (First & 0x80) {
            if (First >= 0xF0)
                return Damaged(
                    QT_TRANSLATE_NOOP(
                        "TMidiFile",
                        "Track %1 is damaged: byte %2 begins an event that MIDI files do "
                        "not have (%3)."),
                    At, QStringLiteral("0x%1").arg(int(First), 2, 16, QLatin1Char('0')));
            Status = First;
            ++Pos;
        } else if (!Running) {
            return Damaged(
                QT_TRANSLATE_NOOP(
                    "TMidiFile",
                    "Track %1 is damaged: a data byte (byte %2) stands where an event must "
                    "begin."),
                At);
        }
        const size_t DataBytes = (Status & 0xE0) == 0xC0 ? 1 : 2; // program, channel pressure
        if (DataBytes > End - Pos)
            return Damaged(QT_TRANSLATE_NOOP(
                               "TMidiFile",
                               "Track %1 is damaged: it ends in the middle of an event (byte %2)."),
                           At);
        std::array<uint8_t, 3> Message{Status, 0, 0};
        for (size_t i = 0; i < DataBytes; ++i) {
            Message[i + 1] = FData[Pos + i];
            if (Message[i + 1] & 0x80)
                return Damaged(
                    QT_TRANSLATE_NOOP("TMidiFile",
                                      "Track %1 is damaged: the message at byte %2 is cut short by "
                                      "another."),
                    At);
        }
        Pos += DataBytes;
        Running = Status;
        if (!AddEvent(Tick, Message.data(), DataBytes + 1))
            return false;
    }
    if (InSysex)
        ++FSkipped;
    FEndTick = std::max(FEndTick, Tick);
    return true;
}

std::optional<TTake> TReader::Read(QString &Error) {
    const auto Failed = [&] {
        Error = FError;
        return std::nullopt;
    };
    if (qint64(FSize) > MaxFileBytes) {
        Fail(Tr("The file is too large (%1 MB); Ondrel plays MIDI files of up to %2 MB.")
                 .arg(qint64(FSize) >> 20)
                 .arg(MaxFileBytes >> 20));
        return Failed();
    }
    if (FSize < 14 || std::string_view(reinterpret_cast<const char *>(FData), 4) != "MThd") {
        Fail(Tr("This is not a MIDI file: it does not begin with a MIDI file header."));
        return Failed();
    }
    const uint32_t HeaderLength = Big(4, 4);
    const uint32_t Format = Big(8, 2);
    const uint32_t Tracks = Big(10, 2);
    const uint32_t Division = Big(12, 2);
    if (HeaderLength < 6 || HeaderLength > FSize - 8) {
        Fail(Tr("This is not a MIDI file: its header is damaged."));
        return Failed();
    }
    if (Format == 2) {
        Fail(Tr("The file holds separate patterns (MIDI file format 2), which Ondrel cannot "
                "play."));
        return Failed();
    }
    if (Format > 2) {
        Fail(
            Tr("The file's header names a MIDI file format that does not exist (%1).").arg(Format));
        return Failed();
    }
    if (Tracks == 0) {
        Fail(Tr("The file's header says it has no tracks."));
        return Failed();
    }
    // Ticks per quarter note, or (SMPTE) frames per second and ticks per frame.
    double UsPerTickSmpte = 0;
    uint32_t Ppq = 0;
    if (Division & 0x8000) {
        const int Fps = 256 - int(Division >> 8);
        const int PerFrame = int(Division & 0xFF);
        const double Rate = Fps == 29 ? 29.97 : Fps;
        if ((Fps != 24 && Fps != 25 && Fps != 29 && Fps != 30) || PerFrame == 0) {
            Fail(Tr("The file's header gives no valid time division."));
            return Failed();
        }
        UsPerTickSmpte = 1e6 / (Rate * PerFrame);
    } else {
        Ppq = Division;
        if (Ppq == 0) {
            Fail(Tr("The file's header gives no valid time division."));
            return Failed();
        }
    }

    size_t Pos = 8 + HeaderLength;
    for (FTrack = 1; FTrack <= int(Tracks);) {
        if (FSize - Pos < 8) {
            Fail(Tr("The file is cut short: it ends before track %1 of %2.")
                     .arg(FTrack)
                     .arg(Tracks));
            return Failed();
        }
        const uint32_t Length = Big(Pos + 4, 4);
        const bool IsTrack =
            std::string_view(reinterpret_cast<const char *>(FData + Pos), 4) == "MTrk";
        if (Length > FSize - Pos - 8) {
            Fail(IsTrack ? Tr("The file is cut short: it ends in the middle of track %1 of %2.")
                               .arg(FTrack)
                               .arg(Tracks)
                         : Tr("The file is cut short: it ends before track %1 of %2.")
                               .arg(FTrack)
                               .arg(Tracks));
            return Failed();
        }
        // Chunks of other kinds are skipped, as the format asks.
        if (IsTrack) {
            if (!Track(Pos + 8, Pos + 8 + Length))
                return Failed();
            ++FTrack;
        }
        Pos += 8 + size_t(Length);
    }

    // One time line over all tracks: equal ticks keep the order of their tracks.
    std::stable_sort(FEvents.begin(), FEvents.end(),
                     [](const TRawEvent &A, const TRawEvent &B) { return A.Tick < B.Tick; });
    std::stable_sort(FTempos.begin(), FTempos.end(),
                     [](const TTempoChange &A, const TTempoChange &B) { return A.Tick < B.Tick; });
    size_t NextTempo = 0;
    uint64_t TempoTick = 0;
    double TempoUs = 0;
    double UsPerTick = Ppq ? 500000.0 / Ppq : UsPerTickSmpte;
    const auto TimeOf = [&](uint64_t Tick) {
        if (Ppq) {
            while (NextTempo < FTempos.size() && FTempos[NextTempo].Tick <= Tick) {
                TempoUs += double(FTempos[NextTempo].Tick - TempoTick) * UsPerTick;
                TempoTick = FTempos[NextTempo].Tick;
                UsPerTick = double(FTempos[NextTempo].UsPerQuarter) / Ppq;
                ++NextTempo;
            }
        }
        return TempoUs + double(Tick - TempoTick) * UsPerTick;
    };
    TTake Take;
    Take.Reserve(FEvents.size(), FBytes.size());
    for (const TRawEvent &Event : FEvents) {
        const double Us = TimeOf(Event.Tick);
        if (Us > double(MaxLengthUs)) {
            Fail(Tr("The file lasts longer than 24 hours; Ondrel does not play it."));
            return Failed();
        }
        Take.Add(int64_t(std::llround(Us)), FBytes.data() + Event.Start, Event.Size);
    }
    const double EndUs = TimeOf(std::max(FEndTick, FEvents.empty() ? 0 : FEvents.back().Tick));
    if (EndUs > double(MaxLengthUs)) {
        Fail(Tr("The file lasts longer than 24 hours; Ondrel does not play it."));
        return Failed();
    }
    Take.SetLengthUs(int64_t(std::llround(EndUs)));
    if (Ppq && !FTempos.empty() && FTempos.front().Tick == 0)
        Take.BeatsPerMinute = 60e6 / FTempos.front().UsPerQuarter;
    Take.Skipped = FSkipped;
    return Take;
}

} // namespace

QByteArray Write(const TTake &Take) {
    const double Bpm = Take.BeatsPerMinute > 0 ? Take.BeatsPerMinute : 120;
    const uint32_t UsPerQuarter = uint32_t(std::clamp(std::llround(60e6 / Bpm), 1LL, 0xFFFFFFLL));
    const auto TickOf = [&](int64_t Us) {
        return (std::max<int64_t>(Us, 0) * TicksPerQuarter + UsPerQuarter / 2) / UsPerQuarter;
    };
    // The channels in use, and whether there are system messages.
    std::array<bool, 17> Used{};
    for (const TTakeMessage &M : Take.Messages()) {
        const uint8_t *Data = Take.Data(M);
        if (Writable(Data, M.Size))
            Used[Data[0] < 0xF0 ? Data[0] & 0x0F : 16] = true;
    }
    const int Tracks = 1 + int(std::count(Used.begin(), Used.end(), true));
    const int64_t EndTick = TickOf(Take.LengthUs());

    QByteArray Out;
    Out.reserve(qsizetype(128 + Take.Count() * 4));
    Out.append("MThd", 4);
    AppendBigEndian(Out, 6, 4);
    AppendBigEndian(Out, 1, 2);
    AppendBigEndian(Out, uint32_t(Tracks), 2);
    AppendBigEndian(Out, TicksPerQuarter, 2);
    {
        TTrackWriter Tempo(Out);
        Tempo.MetaEvent(0, MetaTrackName, QByteArrayLiteral("Ondrel"));
        Tempo.MetaEvent(0, MetaTimeSignature, QByteArray("\x04\x02\x18\x08", 4));
        QByteArray Quarter;
        AppendBigEndian(Quarter, UsPerQuarter, 3);
        Tempo.MetaEvent(0, MetaTempo, Quarter);
        Tempo.End(EndTick);
    }
    for (int Channel = 0; Channel < 17; ++Channel) {
        if (!Used[size_t(Channel)])
            continue;
        TTrackWriter Track(Out);
        Track.MetaEvent(0, MetaTrackName,
                        Channel < 16 ? QStringLiteral("Channel %1").arg(Channel + 1).toUtf8()
                                     : QByteArrayLiteral("System"));
        for (size_t i = 0; i < Take.Count(); ++i) {
            const TTakeMessage &M = Take.Messages()[i];
            const uint8_t *Data = Take.Data(M);
            const int Belongs = Data[0] < 0xF0 ? Data[0] & 0x0F : 16;
            if (Belongs == Channel && Writable(Data, M.Size))
                Track.Message(TickOf(M.TimeUs), Data, M.Size);
        }
        Track.End(EndTick);
    }
    return Out;
}

bool Save(const TTake &Take, const QString &FileName, QString &Error) {
    QSaveFile File(FileName);
    if (!File.open(QIODevice::WriteOnly)) {
        Error = Tr("The file cannot be written: %1.").arg(File.errorString());
        return false;
    }
    const QByteArray Bytes = Write(Take);
    if (File.write(Bytes) != Bytes.size() || !File.commit()) {
        Error = Tr("The file cannot be written: %1.").arg(File.errorString());
        return false;
    }
    return true;
}

std::optional<TTake> Read(const QByteArray &Bytes, QString &Error) {
    return TReader(reinterpret_cast<const uint8_t *>(Bytes.constData()), size_t(Bytes.size()))
        .Read(Error);
}

std::optional<TTake> Load(const QString &FileName, QString &Error) {
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly)) {
        Error = Tr("The file cannot be read: %1.").arg(File.errorString());
        return std::nullopt;
    }
    // The size first: a huge file is refused before it is read.
    if (File.size() > MaxFileBytes) {
        Error = Tr("The file is too large (%1 MB); Ondrel plays MIDI files of up to %2 MB.")
                    .arg(File.size() >> 20)
                    .arg(MaxFileBytes >> 20);
        return std::nullopt;
    }
    const QByteArray Bytes = File.readAll();
    if (File.error() != QFileDevice::NoError) {
        Error = Tr("The file cannot be read: %1.").arg(File.errorString());
        return std::nullopt;
    }
    return Read(Bytes, Error);
}

} // namespace MidiFile
