#pragma once

// The knob list: an ordered set of up to 20 knob definitions (caption, controller, display mode,
// default value), and how a named set of them, a knob preset, is stored.
//
// Preset layout: one section per preset, named after it; knob n (from 1, in list order) has the
// values Caption<n>, IUser<n>, DisplayMode<n> and DefaultValue<n>. In the per-user store the
// presets are the keys below "KnobPresets".
//
// Snapshot values text: per knob, in list order, two upper-case hex digits of the controller and
// two of the value; a controller that occurred earlier is skipped ("07640A40").

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

class TCustomIniFile;

// A programming error on the knob list (bad index, an append that did not append). Message() is
// "Index out of bounds" or "Assertion failure"; what() adds the unit.
class EKnobAssertion : public std::logic_error {
public:
    explicit EKnobAssertion(const QString &Message);
    const QString &Message() const { return FMessage; }

private:
    QString FMessage;
};

class TKnobEntry {
public:
    TKnobEntry(const QString &Caption, int IUser, int DisplayMode, int DefaultValue);
    virtual ~TKnobEntry() = default;
    TKnobEntry(const TKnobEntry &) = delete;
    TKnobEntry &operator=(const TKnobEntry &) = delete;

    // The knob's name; an empty caption marks an entry that Assign does not copy.
    virtual QString GetCaption() const { return FCaption; }
    virtual void SetCaption(const QString &Value) { FCaption = Value; }

    // The controller the knob sends (0..127), also the key by which incoming values find it.
    int IUser = 0;
    // 0: the value as 0..127; 1: as -64..+63; others are kept and show the plain value.
    int DisplayMode = 0;
    // The position taken when the knob is created and when it is double-clicked.
    int DefaultValue = 0;

private:
    QString FCaption;
};

class TKnobList {
public:
    static constexpr int DefaultMaxCount = 20;
    // Display modes.
    static constexpr int dmAbsolute = 0;
    static constexpr int dmRelative = 1;

    TKnobList();
    virtual ~TKnobList();
    TKnobList(const TKnobList &) = delete;
    TKnobList &operator=(const TKnobList &) = delete;

    int MaxCount() const { return FMaxCount; }
    int Count() const { return int(FEntries.size()); }
    // Raises EKnobAssertion "Index out of bounds" for an index outside 0..Count()-1.
    TKnobEntry &Entry(int Index) const;
    QString Caption(int Index) const { return Entry(Index).GetCaption(); }
    int IUser(int Index) const { return Entry(Index).IUser; }
    int DisplayMode(int Index) const { return Entry(Index).DisplayMode; }
    int DefaultValue(int Index) const { return Entry(Index).DefaultValue; }

    // Appends a knob; a full list ignores it.
    virtual void AddEntry(const QString &Caption, int IUser, int DisplayMode, int DefaultValue);
    virtual void Add(const QString &Caption, int IUser, int DisplayMode, int DefaultValue);
    // Clear, then a copy of every entry of Source whose caption is not empty, in order.
    virtual void Assign(const TKnobList &Source);
    // Removes and destroys Entry (an entry of another list is left alone).
    virtual void DeleteEntry(TKnobEntry *Entry);
    // Deletes the entries from the last to the first.
    virtual void Clear();
    // Clear, then knobs 1, 2, ... until a caption is empty, a display mode lies outside 0..127,
    // or the list is full. A missing section gives an empty list. A knob whose controller is not
    // 0..127 is left out rather than sent on another controller, and LoadErrors() says so.
    virtual void LoadFromIni(const TCustomIniFile &Ini, const QString &Section);
    // What the latest LoadFromIni left out, one message per knob for the user, naming the preset
    // (Section) and the stored value; empty when every knob was taken.
    const QStringList &LoadErrors() const { return FLoadErrors; }
    // Erases Section, then writes every knob. A Section that is not IsStorablePresetName is
    // refused with EIniFileException before anything is written.
    virtual void SaveToIni(TCustomIniFile &Ini, const QString &Section) const;

    // The same on the per-user store opened on KeyPath ("KnobPresets"); store errors propagate.
    void LoadPreset(const QString &KeyPath, const QString &Name);
    void SavePreset(const QString &KeyPath, const QString &Name) const;

protected:
    // For derived lists that make their own entries.
    void AppendEntry(std::unique_ptr<TKnobEntry> Entry);

private:
    int FMaxCount = DefaultMaxCount;
    std::vector<std::unique_ptr<TKnobEntry>> FEntries;
    QStringList FLoadErrors;
};

// The controller a new knob of List starts on: the first general-purpose controller (16..19,
// 80..83), then the first undefined one, that no knob of List sends yet. These do nothing on
// an instrument that does not listen for them, unlike bank select (0) or the mode messages.
int NewKnobController(const TKnobList &List);

// The key of the presets below the program's root in the per-user store.
inline const QString KnobPresetsKey = QStringLiteral("KnobPresets");
// Reserved preset names: the built-in set and the unsaved knobs stored at exit.
inline const QString DefaultPresetName = QStringLiteral("Default");
inline const QString CurrentPresetName = QStringLiteral("Current");

// The section names of Ini without "Default" and "Current" (any case), in the store's order.
void ListKnobPresets(const TCustomIniFile &Ini, QStringList &Names);
void ListKnobPresetsInRegistry(QStringList &Names, const QString &KeyPath);

// Whether the stores can keep a preset under Name: not empty, no blanks around it, and none of
// the characters a section name cannot hold (']', line breaks) or that would read as a deeper
// key ('\').
bool IsStorablePresetName(const QString &Name);
// A name the user may give a preset: storable and neither "Default" nor "Current".
bool IsValidPresetName(const QString &Name);

// One knob's controller and its current value, for a snapshot.
using TKnobValue = std::pair<int, int>;
QString SnapshotValuesText(std::span<const TKnobValue> Knobs);
// The (controller, value) pairs of a snapshot text: two hex digits per byte, up to the first
// character that is not a hex digit; an odd trailing digit or an unpaired byte is ignored, and
// so is a pair whose byte does not fit MIDI data (above 127).
std::vector<std::pair<uint8_t, uint8_t>> DecodeSnapshotValues(const QString &Text);
