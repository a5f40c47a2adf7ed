#pragma once

// Zones: the keyboard split at up to three keys into up to four zones, each with its channel
// (and optionally a second one, a layer), octave and transposition, program and bank, chord,
// velocity, an output port of its own and an arpeggiator; and the latch and the arpeggiators'
// clock, which all zones share. Without a split the whole keyboard is one zone that plays as the
// keyboard always has (its channel, chord and transposition); the latch and the first zone's
// arpeggiator still work on it.
//
// The rules are plain data and pure functions, read and written in one place of the settings.
//
// Threads: the UI thread (plain values).

#include "core/keyboardtypes.h"
#include "core/thrumapping.h"
#include "router/arppattern.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class TCustomIniFile;

struct TZone {
    static constexpr int OctaveMin = -4, OctaveMax = 4;
    static constexpr int TransposeMin = -11, TransposeMax = 11;

    int Channel = 0; // 0..15
    int Layer = -1;  // a second channel 0..15, -1 for none
    int Octave = 0;
    int Transpose = 0; // semitones, on top of the octave
    int Program = -1;  // -1 for none, sent with the bank when the zones take effect
    int Msb = -1;
    int Lsb = -1;
    QString Chord;    // a chord's name as the chord box shows it; empty: the chord box's chord
    int Velocity = 0; // 1..127; 0 plays as struck
    QString Port;     // an output port of the zone's own; empty: the program's output
    TArpSettings Arp;

    // Values out of range brought into it.
    TZone Valid() const;
    bool operator==(const TZone &) const = default;
};

// One note a key of a zone plays.
struct TZoneNote {
    uint8_t Channel = 0;
    uint8_t Note = 0;
    uint8_t Velocity = 0;
    bool operator==(const TZoneNote &) const = default;
};

struct TZoneNotes {
    std::array<TZoneNote, 2 * 17> Notes{};
    uint8_t Count = 0;
    const TZoneNote *begin() const { return Notes.data(); }
    const TZoneNote *end() const { return Notes.data() + Count; }
};

// The notes Key plays in Zone struck at Velocity: each interval of the chord, moved by the
// zone's octave and transposition and by Transpose (the keyboard's own), on the zone's channel
// and its layer; notes outside 0..127 are left out.
TZoneNotes ZoneNotes(const TZone &Zone, const TChordIntervals &Chord, int Key, int Velocity,
                     int Transpose);
// The same notes without channels: what an arpeggiator of the zone is given for the key.
TArpChord ZoneChordNotes(const TZone &Zone, const TChordIntervals &Chord, int Key, int Velocity,
                         int Transpose);

class TZoneSet {
public:
    static constexpr int MaxZones = 4;
    static constexpr int MaxSplits = MaxZones - 1;
    static constexpr int DefaultSplit = 60;
    // The settings store's sections: "Zones" and "Zone1" ... "Zone4".
    static const QString Section;
    static QString ZoneSection(int Zone);

    TZoneSet();

    // --- The split ------------------------------------------------------------------------------
    // Whether the keyboard is split; the split points are kept while it is not.
    bool Split() const { return FSplit && FSplitCount > 0; }
    // Switching it on with no split point kept splits at DefaultSplit.
    void SetSplit(bool Value);
    // The first keys of the zones above the first: ascending, 1..127.
    int SplitCount() const { return FSplitCount; }
    int SplitPoint(int Index) const { return FSplits[size_t(Index)]; }
    // Ascending and distinct points are kept, at most MaxSplits; none switches the split off.
    void SetSplitPoints(const QList<int> &Points);
    QList<int> SplitPoints() const;
    // A click on a key that sets split points: on a split point it removes it (the zone above
    // goes, the one below reaches up); elsewhere it adds one there, the new zone above taking
    // over the settings of the zone it came from and the first channel no zone uses; with four
    // zones already the nearest split point moves there instead. Returns whether anything
    // changed.
    bool SplitAt(int Key);

    // The zones in play: SplitCount() + 1 while split, else 1.
    int Count() const { return Split() ? FSplitCount + 1 : 1; }
    // The zone of Key (0 unless split).
    int ZoneOf(int Key) const;
    // The zone a computer key's row plays while split: the lowest zone for the lower row, the
    // highest for the upper one; a mouse key plays the zone it lies in.
    int ZoneOf(int Key, TKeySource Source) const;
    // The keys of zone i.
    int Low(int Zone) const;
    int High(int Zone) const;

    // --- The zones ------------------------------------------------------------------------------
    const TZone &Zone(int Index) const { return FZones[size_t(Index)]; }
    void SetZone(int Index, const TZone &Zone) { FZones[size_t(Index)] = Zone.Valid(); }
    // Zone Index as it plays now: while not split the whole keyboard plays on KeyboardChannel
    // with the chord box's chord and nothing moved, with the first zone's arpeggiator settings.
    TZone Playing(int Index, int KeyboardChannel) const;
    // Whether zone Index arpeggiates now.
    bool Arpeggiates(int Index) const;
    // The ports of the zones in play, each once, without the empty name.
    QStringList Ports() const;

    // --- Shared by the zones --------------------------------------------------------------------
    bool Latch() const { return FLatch; }
    void SetLatch(bool Value) { FLatch = Value; }
    // The arpeggiators' master switch: each zone whose arpeggiator is on arpeggiates while it is.
    bool Arpeggiator() const { return FArpeggiator; }
    void SetArpeggiator(bool Value) { FArpeggiator = Value; }
    TArpClock Clock() const { return FClock; }
    void SetClock(TArpClock Value);
    int Tempo() const { return FTempo; }
    void SetTempo(int Value);

    // --- Settings -------------------------------------------------------------------------------
    // Values missing from the store keep the ones held. The ports only with Ports (the per-user
    // store keeps them with the MIDI devices; exported settings leave the devices out).
    void Load(const TCustomIniFile &Store, bool Ports);
    void Save(TCustomIniFile &Store, bool Ports) const;

    bool operator==(const TZoneSet &) const = default;

private:
    bool FSplit = false;
    std::array<int, MaxSplits> FSplits{};
    int FSplitCount = 0;
    std::array<TZone, MaxZones> FZones;
    bool FLatch = false;
    bool FArpeggiator = false;
    TArpClock FClock = TArpClock::acOwn;
    int FTempo = 120;
};
