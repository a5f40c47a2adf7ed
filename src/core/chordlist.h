#pragma once

// Custom chords: a root note and up to 16 further notes at fixed distances from it, named by the
// user, and the list of them kept in the "Chords" section of the settings store.
//
// Chord text: two upper-case hex digits of the root, then two per offset as its two's-complement
// byte ("3C0407" is root 60 with offsets 4 and 7). Storage: values Name<n> and Chord<n>, n from 1.

#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

class TCustomIniFile;

// A programming error on the chord list (bad index). Message() is "Index out of bounds";
// what() adds the unit.
class EChordAssertion : public std::logic_error {
public:
    explicit EChordAssertion(const QString &Message);
    const QString &Message() const { return FMessage; }

private:
    QString FMessage;
};

class TChordEntry {
public:
    static constexpr int MaxOffsets = 16;
    // Offsets made by toggling stay within these, so that the root and every note fit a byte.
    static constexpr int MinOffset = -64;
    static constexpr int MaxOffset = 63;

    explicit TChordEntry(const QString &Name);
    TChordEntry(const QString &Name, const QString &Text);

    QString Name() const { return FName; }
    void SetName(const QString &Value) { FName = Value; }
    // The reference note 0..127, -1 for an empty chord.
    int Root() const { return FRoot; }
    int OffsetCount() const { return FCount; }
    // The offsets in the order they were added.
    std::span<const int8_t> Offsets() const { return {FOffsets.data(), size_t(FCount)}; }

    // Empties the chord; the name stays.
    void Reset();
    // Adds the note to the chord or takes it out (the first note becomes the root).
    void ToggleNote(int Note);
    QString ToText() const;
    // Replaces name and chord; malformed text yields fewer offsets (or none).
    void FromText(const QString &Name, const QString &Text);

private:
    QString FName;
    int FRoot = -1;
    int FCount = 0;
    std::array<int8_t, MaxOffsets> FOffsets{};
};

class TChordList {
public:
    static inline const QString Section = QStringLiteral("Chords");
    static inline const QString ValName = QStringLiteral("Name");
    static inline const QString ValChord = QStringLiteral("Chord");
    static inline const QString NewChordName = QStringLiteral("New chord");

    TChordList() = default;
    TChordList(const TChordList &) = delete;
    TChordList &operator=(const TChordList &) = delete;

    int Count() const { return int(FItems.size()); }
    // Raises EChordAssertion for an index outside 0..Count()-1.
    TChordEntry &Items(int Index) const;
    // Index of this entry, or -1.
    int IndexOf(const TChordEntry *Entry) const;
    // Index of the first entry of that name, compared without regard to case, or -1.
    int IndexOfName(const QString &Name) const;
    // What names are compared by: case-folded, composed form.
    static QString NameKey(const QString &Name);

    // Appends an empty chord under the first free name of "New chord", "New chord 2", ...
    TChordEntry &NewChord();
    // Removes and destroys the entry; false if it is not in this list.
    bool DeleteChord(const TChordEntry *Entry);
    void Clear() { FItems.clear(); }

    // Reads the section "Chords"; unless Keep, the list is emptied first. A chord whose name is
    // taken replaces the older one, which leaves its place; chords without offsets are skipped.
    // Returns how many chords were added.
    int LoadFromIni(const TCustomIniFile &Ini, bool Keep);
    // Rewrites the section "Chords" with every chord that has notes beside its root and a name;
    // returns how many were written.
    int SaveToIni(TCustomIniFile &Ini) const;
    // The same on the per-user store. Reading fails only with the store, which reports that itself
    // (TRegistryIniFile::TakeNotice); the list is left as far as it got.
    void LoadFromRegistry();
    // Saves at once what changed in this list since it was read from the per-user store or last
    // saved there, merged with what the store holds now: chords another program added, changed
    // or deleted meanwhile stay so, unless this list changed the same chord. The list becomes
    // the merged one. Returns why saving failed, for the user (the chords stay in memory and
    // the store saves them later), or an empty text.
    QString SaveToRegistry();

private:
    // This list as it was stored: name key to name and chord text.
    void RememberStored();
    // This list's changes since RememberStored applied to Stored; becomes the result.
    void MergeStored(const TChordList &Stored);

    std::vector<std::unique_ptr<TChordEntry>> FItems;
    QHash<QString, QPair<QString, QString>> FStored;
};
