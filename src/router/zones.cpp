#include "router/zones.h"

#include "core/custominifile.h"

#include <algorithm>

namespace {

// The zone values of the settings store.
const QString ValSplit = QStringLiteral("Split");
const QString ValSplitPoints = QStringLiteral("SplitPoints");
const QString ValLatch = QStringLiteral("Latch");
const QString ValArpeggiator = QStringLiteral("Arpeggiator");
const QString ValClock = QStringLiteral("ArpClock");
const QString ValTempo = QStringLiteral("Tempo");
const QString ValChannel = QStringLiteral("Channel");
const QString ValLayer = QStringLiteral("Layer");
const QString ValOctave = QStringLiteral("Octave");
const QString ValTranspose = QStringLiteral("Transpose");
const QString ValProgram = QStringLiteral("Program");
const QString ValMsb = QStringLiteral("Bank MSB");
const QString ValLsb = QStringLiteral("Bank LSB");
const QString ValChord = QStringLiteral("Chord");
const QString ValVelocity = QStringLiteral("Velocity");
const QString ValPort = QStringLiteral("Port");
const QString ValArp = QStringLiteral("Arp");
const QString ValArpMode = QStringLiteral("ArpMode");
const QString ValArpRate = QStringLiteral("ArpRate");
const QString ValArpGate = QStringLiteral("ArpGate");
const QString ValArpSwing = QStringLiteral("ArpSwing");
const QString ValArpOctaves = QStringLiteral("ArpOctaves");

constexpr int OctaveSpan = 12;

// Adds the notes of Key under the chord and the moves, as Add(note) for each in 0..127.
template <class F>
void ForEachChordNote(const TZone &Zone, const TChordIntervals &Chord, int Key, int Transpose,
                      F &&Add) {
    const int shift = OctaveSpan * Zone.Octave + Zone.Transpose + Transpose;
    for (const int interval : Chord) {
        const int note = Key + interval + shift;
        if (note >= 0 && note <= 127)
            Add(note);
    }
}

int PlayedVelocity(const TZone &Zone, int Velocity) {
    return Zone.Velocity > 0 ? Zone.Velocity : std::clamp(Velocity, 1, 127);
}

} // namespace

const QString TZoneSet::Section = QStringLiteral("Zones");

QString TZoneSet::ZoneSection(int Zone) {
    return QStringLiteral("Zone%1").arg(Zone + 1);
}

TZone TZone::Valid() const {
    TZone z = *this;
    z.Channel = std::clamp(z.Channel, 0, 15);
    if (z.Layer < -1 || z.Layer > 15)
        z.Layer = -1;
    z.Octave = std::clamp(z.Octave, OctaveMin, OctaveMax);
    z.Transpose = std::clamp(z.Transpose, TransposeMin, TransposeMax);
    z.Program = std::clamp(z.Program, -1, 127);
    z.Msb = std::clamp(z.Msb, -1, 127);
    z.Lsb = std::clamp(z.Lsb, -1, 127);
    z.Velocity = std::clamp(z.Velocity, 0, 127);
    z.Port = z.Port.trimmed();
    z.Arp = z.Arp.Valid();
    return z;
}

TZoneNotes ZoneNotes(const TZone &Zone, const TChordIntervals &Chord, int Key, int Velocity,
                     int Transpose) {
    TZoneNotes notes;
    const uint8_t velocity = uint8_t(PlayedVelocity(Zone, Velocity));
    for (const int channel : {Zone.Channel, Zone.Layer}) {
        if (channel < 0 || (channel == Zone.Layer && Zone.Layer == Zone.Channel))
            continue;
        ForEachChordNote(Zone, Chord, Key, Transpose, [&](int Note) {
            const TZoneNote note{uint8_t(channel), uint8_t(Note), velocity};
            if (std::find(notes.begin(), notes.end(), note) == notes.end() &&
                notes.Count < notes.Notes.size())
                notes.Notes[notes.Count++] = note;
        });
    }
    return notes;
}

TArpChord ZoneChordNotes(const TZone &Zone, const TChordIntervals &Chord, int Key, int Velocity,
                         int Transpose) {
    TArpChord notes;
    const int velocity = PlayedVelocity(Zone, Velocity);
    ForEachChordNote(Zone, Chord, Key, Transpose, [&](int Note) { notes.Add(Note, velocity); });
    return notes;
}

TZoneSet::TZoneSet() {
    for (int i = 0; i < MaxZones; ++i)
        FZones[size_t(i)].Channel = i;
    FZones[0].Arp.On = true;
}

void TZoneSet::SetSplit(bool Value) {
    FSplit = Value;
    if (Value && FSplitCount == 0) {
        FSplits[0] = DefaultSplit;
        FSplitCount = 1;
    }
}

void TZoneSet::SetSplitPoints(const QList<int> &Points) {
    FSplitCount = 0;
    int last = 0;
    for (const int point : Points) {
        if (point <= last || point > 127 || FSplitCount == MaxSplits)
            continue;
        FSplits[size_t(FSplitCount++)] = point;
        last = point;
    }
    if (FSplitCount == 0)
        FSplit = false;
}

QList<int> TZoneSet::SplitPoints() const {
    QList<int> points;
    for (int i = 0; i < FSplitCount; ++i)
        points << FSplits[size_t(i)];
    return points;
}

bool TZoneSet::SplitAt(int Key) {
    if (Key <= 0 || Key > 127)
        return false;
    if (!Split()) {
        FSplit = true;
        FSplits[0] = Key;
        FSplitCount = 1;
        return true;
    }
    const auto begin = FSplits.begin();
    const auto end = begin + FSplitCount;
    if (const auto at = std::find(begin, end, Key); at != end) {
        // The zone above the point goes; its settings wait at the end for a zone to come back.
        const int zone = int(at - begin) + 1;
        std::rotate(FZones.begin() + zone, FZones.begin() + zone + 1, FZones.end());
        std::copy(at + 1, end, at);
        if (--FSplitCount == 0)
            FSplit = false;
        return true;
    }
    if (FSplitCount == MaxSplits) {
        const auto nearest = std::min_element(
            begin, end, [Key](int A, int B) { return std::abs(A - Key) < std::abs(B - Key); });
        *nearest = Key;
        return true;
    }
    const int zone = ZoneOf(Key);
    TZone added = FZones[size_t(zone)];
    added.Arp.On = false;
    for (int channel = 0; channel < 16; ++channel) {
        bool used = false;
        for (int i = 0; i < Count(); ++i)
            used = used || FZones[size_t(i)].Channel == channel;
        if (!used) {
            added.Channel = channel;
            break;
        }
    }
    std::rotate(FZones.begin() + zone + 1, FZones.end() - 1, FZones.end());
    FZones[size_t(zone + 1)] = added;
    FSplits[size_t(FSplitCount++)] = Key;
    std::sort(FSplits.begin(), FSplits.begin() + FSplitCount);
    return true;
}

int TZoneSet::ZoneOf(int Key) const {
    if (!Split())
        return 0;
    int zone = 0;
    while (zone < FSplitCount && Key >= FSplits[size_t(zone)])
        ++zone;
    return zone;
}

int TZoneSet::ZoneOf(int Key, TKeySource Source) const {
    if (!Split())
        return 0;
    switch (Source) {
    case TKeySource::ksLowerRow:
        return 0;
    case TKeySource::ksUpperRow:
        return Count() - 1;
    default:
        return ZoneOf(Key);
    }
}

int TZoneSet::Low(int Zone) const {
    return Zone <= 0 || !Split() ? 0 : FSplits[size_t(std::min(Zone, FSplitCount) - 1)];
}

int TZoneSet::High(int Zone) const {
    return !Split() || Zone >= FSplitCount ? 127 : FSplits[size_t(std::max(Zone, 0))] - 1;
}

TZone TZoneSet::Playing(int Index, int KeyboardChannel) const {
    if (Split())
        return FZones[size_t(std::clamp(Index, 0, MaxZones - 1))];
    TZone whole;
    whole.Channel = KeyboardChannel & 15;
    whole.Arp = FZones[0].Arp;
    return whole;
}

bool TZoneSet::Arpeggiates(int Index) const {
    if (!FArpeggiator || Index < 0 || Index >= Count())
        return false;
    return !Split() || FZones[size_t(Index)].Arp.On;
}

QStringList TZoneSet::Ports() const {
    QStringList ports;
    if (!Split())
        return ports;
    for (int i = 0; i < Count(); ++i) {
        const QString &port = FZones[size_t(i)].Port;
        if (!port.isEmpty() && !ports.contains(port))
            ports << port;
    }
    return ports;
}

void TZoneSet::SetClock(TArpClock Value) {
    if (int(Value) < ArpClockCount)
        FClock = Value;
}

void TZoneSet::SetTempo(int Value) {
    FTempo = std::clamp(Value, 20, 300);
}

void TZoneSet::Load(const TCustomIniFile &Store, bool Ports) {
    const QString &sec = Section;
    if (Store.ValueExists(sec, ValSplitPoints)) {
        QList<int> points;
        for (const QString &text :
             Store.ReadString(sec, ValSplitPoints, QString()).split(QLatin1Char(',')))
            if (int point = 0; TCustomIniFile::ParseInteger(text, point))
                points << point;
        SetSplitPoints(points);
    }
    FSplit = Store.ReadBool(sec, ValSplit, FSplit) && FSplitCount > 0;
    FLatch = Store.ReadBool(sec, ValLatch, FLatch);
    FArpeggiator = Store.ReadBool(sec, ValArpeggiator, FArpeggiator);
    const int clock = Store.ReadInteger(sec, ValClock, int(FClock));
    if (clock >= 0 && clock < ArpClockCount)
        FClock = TArpClock(clock);
    SetTempo(Store.ReadInteger(sec, ValTempo, FTempo));
    for (int i = 0; i < MaxZones; ++i) {
        const QString zoneSec = ZoneSection(i);
        TZone z = FZones[size_t(i)];
        z.Channel = Store.ReadInteger(zoneSec, ValChannel, z.Channel);
        z.Layer = Store.ReadInteger(zoneSec, ValLayer, z.Layer);
        z.Octave = Store.ReadInteger(zoneSec, ValOctave, z.Octave);
        z.Transpose = Store.ReadInteger(zoneSec, ValTranspose, z.Transpose);
        z.Program = Store.ReadInteger(zoneSec, ValProgram, z.Program);
        z.Msb = Store.ReadInteger(zoneSec, ValMsb, z.Msb);
        z.Lsb = Store.ReadInteger(zoneSec, ValLsb, z.Lsb);
        z.Chord = Store.ReadString(zoneSec, ValChord, z.Chord);
        z.Velocity = Store.ReadInteger(zoneSec, ValVelocity, z.Velocity);
        if (Ports)
            z.Port = Store.ReadString(zoneSec, ValPort, z.Port);
        z.Arp.On = Store.ReadBool(zoneSec, ValArp, z.Arp.On);
        const int mode = Store.ReadInteger(zoneSec, ValArpMode, int(z.Arp.Mode));
        if (mode >= 0 && mode < ArpModeCount)
            z.Arp.Mode = TArpMode(mode);
        z.Arp.Rate = uint8_t(
            std::clamp(Store.ReadInteger(zoneSec, ValArpRate, z.Arp.Rate), 0, ArpRateCount - 1));
        z.Arp.Gate =
            uint8_t(std::clamp(Store.ReadInteger(zoneSec, ValArpGate, z.Arp.Gate), 0, 255));
        z.Arp.Swing =
            uint8_t(std::clamp(Store.ReadInteger(zoneSec, ValArpSwing, z.Arp.Swing), 0, 255));
        z.Arp.Octaves =
            uint8_t(std::clamp(Store.ReadInteger(zoneSec, ValArpOctaves, z.Arp.Octaves), 0, 255));
        FZones[size_t(i)] = z.Valid();
    }
}

void TZoneSet::Save(TCustomIniFile &Store, bool Ports) const {
    const QString &sec = Section;
    Store.WriteBool(sec, ValSplit, FSplit);
    QStringList points;
    for (int i = 0; i < FSplitCount; ++i)
        points << QString::number(FSplits[size_t(i)]);
    Store.WriteString(sec, ValSplitPoints, points.join(QLatin1Char(',')));
    Store.WriteBool(sec, ValLatch, FLatch);
    Store.WriteBool(sec, ValArpeggiator, FArpeggiator);
    Store.WriteInteger(sec, ValClock, int(FClock));
    Store.WriteInteger(sec, ValTempo, FTempo);
    for (int i = 0; i < MaxZones; ++i) {
        const QString zoneSec = ZoneSection(i);
        const TZone &z = FZones[size_t(i)];
        Store.WriteInteger(zoneSec, ValChannel, z.Channel);
        Store.WriteInteger(zoneSec, ValLayer, z.Layer);
        Store.WriteInteger(zoneSec, ValOctave, z.Octave);
        Store.WriteInteger(zoneSec, ValTranspose, z.Transpose);
        Store.WriteInteger(zoneSec, ValProgram, z.Program);
        Store.WriteInteger(zoneSec, ValMsb, z.Msb);
        Store.WriteInteger(zoneSec, ValLsb, z.Lsb);
        Store.WriteString(zoneSec, ValChord, z.Chord);
        Store.WriteInteger(zoneSec, ValVelocity, z.Velocity);
        if (Ports)
            Store.WriteString(zoneSec, ValPort, z.Port);
        Store.WriteBool(zoneSec, ValArp, z.Arp.On);
        Store.WriteInteger(zoneSec, ValArpMode, int(z.Arp.Mode));
        Store.WriteInteger(zoneSec, ValArpRate, z.Arp.Rate);
        Store.WriteInteger(zoneSec, ValArpGate, z.Arp.Gate);
        Store.WriteInteger(zoneSec, ValArpSwing, z.Arp.Swing);
        Store.WriteInteger(zoneSec, ValArpOctaves, z.Arp.Octaves);
    }
}
