#pragma once

// The piano keyboard without a window: per-note counters, chords, transposition, MIDI thru,
// note names and the geometry that maps notes to pixel columns. The TKeyboard widget owns one
// and turns its repaint requests into update() calls; tests drive it directly.

#include "core/keyboardtypes.h"
#include "core/midivocabulary.h"
#include "core/musicscale.h"
#include "core/scancodemap.h"
#include "core/thrumapping.h"
#include "core/velocitycurve.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class TCustomIniFile;

class TKeyboardModel {
public:
    static constexpr int NoteCount = 128;
    static constexpr int WhiteKeyCount = 75; // white keys among notes 0..127
    static constexpr int CustomChordSize = 16;
    static constexpr int DefaultWidth = 100;
    static constexpr int DefaultHeight = 30;
    static constexpr int MinWidth = 10;
    static constexpr int MinHeight = 5;

    TKeyboardModel();

    // The object handed to events as Sender (the widget); may stay null.
    QObject *Sender = nullptr;

    // --- Events -------------------------------------------------------------------------------
    TNoteEvent OnNote;
    TNoteEvent OnDisplayEvent;
    TStringEvent OnBaseNoteChange;
    TStringEvent OnNoteHover;
    TNotifyEvent OnOctaveChange;
    // The chord, custom chord, transposition or one of its options changed: what a played-through
    // note turns into is different from now on.
    TNotifyEvent OnPlayRulesChange;
    // Velocity changed (by code or a dialog): the controls that show it follow.
    TNotifyEvent OnVelocityChange;
    // The notes played through must stop now (their display is cleared: a change of chord or
    // transposition, Clear Display, the octave): the owner silences what it sent for them.
    TNotifyEvent OnReleaseThru;

    // While assigned, the keys played here (mouse, computer keys) go to it one by one instead of
    // being chorded and sent: Note as struck, before chord and transposition, Velocity 0 for
    // the release (from every source for ksAny). The keys still light as played. The zones of
    // the router take the keys this way.
    std::function<void(QObject *Sender, int Note, int Velocity, TKeySource Source)> OnKey;

    // --- Requests to the view ------------------------------------------------------------------
    // Key n may have changed between pressed and released.
    std::function<void(int Note)> OnKeyChanged;
    // Everything may have changed (style, size, many keys).
    std::function<void()> OnRepaintAll;
    // The picture moved from one scroll offset to another (BaseNote set by code or a scroll).
    std::function<void(int OldOffset, int NewOffset)> OnScroll;

    // --- Properties -----------------------------------------------------------------------------
    int ShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(int Value);

    int KeyWidth() const { return FKeyWidth; }
    void SetKeyWidth(int Value);

    int BaseNote() const { return FBaseNote; }
    void SetBaseNote(int Value);

    int MarkNote() const { return FMarkNote; }
    void SetMarkNote(int Value);

    TLanguage Language() const { return FLanguage; }
    void SetLanguage(TLanguage Value) { FLanguage = Value; }

    TChord Chord() const { return FChord; }
    void SetChord(TChord Value);
    // Stores the chord without releasing or re-triggering (used when loading settings).
    void StoreChord(TChord Value) { FChord = Value; }

    uint8_t Channel() const { return FChannel; }
    void SetChannel(int Value);

    uint8_t Velocity() const { return FVelocity; }
    void SetVelocity(int Value);

    float VelocityShiftFactor() const { return FVelocityShiftFactor; }
    void SetVelocityShiftFactor(float Value);
    // The velocity used while Shift is held.
    uint8_t ShiftVelocity() const;
    // Velocity times the shift factor, rounded (halves to even) and clamped to 0..127.
    uint8_t ShiftedVelocity(int Velocity) const;
    // The dynamic levels the velocity steps through (16, 32, ... 112, 127): the next one above
    // (Direction > 0) or below Velocity, staying at the ends.
    static int StepVelocityLevel(int Velocity, int Direction);

    // Whether the mouse and fingers play with the velocity of where they strike a key (else
    // with Velocity, as the computer keys do).
    bool VelocityByPosition() const { return FVelocityByPosition; }
    void SetVelocityByPosition(bool Value) { FVelocityByPosition = Value; }
    const TVelocityCurve &VelocityCurve() const { return FVelocityCurve; }
    void SetVelocityCurve(const TVelocityCurve &Value);
    // How far towards the front of key Note the control pixel row Y lies: 0 at the back (for a
    // white key, level with the black keys' front), 1 at the key's front edge.
    double StrikeDepth(int Note, int Y) const;
    // The velocity of key Note struck at row Y: by the curve when VelocityByPosition, else
    // Velocity; with Shift, times the shift factor.
    uint8_t StrikeVelocity(int Note, int Y, bool Shift) const;
    // Whether finger pressure is sent as polyphonic aftertouch of the notes it holds.
    bool TouchPressure() const { return FTouchPressure; }
    void SetTouchPressure(bool Value) { FTouchPressure = Value; }

    QString RegPath() const { return FRegPath; }
    void SetRegPath(const QString &Value) { FRegPath = Value; }
    QString RegKey() const { return FRegKey; }
    void SetRegKey(const QString &Value) { FRegKey = Value; }

    // Controller codes (TControllerCode) driven by the mouse in hold mode.
    uint8_t UpDownController() const { return FControllerAssign[UpDown]; }
    void SetUpDownController(int Value);
    uint8_t LeftRightController() const { return FControllerAssign[LeftRight]; }
    void SetLeftRightController(int Value);
    // Store an assignment without touching the controller's current value (loading settings).
    void StoreUpDownController(int Value) { FControllerAssign[UpDown] = uint8_t(Value); }
    void StoreLeftRightController(int Value) { FControllerAssign[LeftRight] = uint8_t(Value); }

    int KeyOctave() const { return FKeyOctave; }
    void SetKeyOctave(int Value);
    void OctaveDown();
    void OctaveUp();

    TPaintStyle PaintStyle() const { return FPaintStyle; }
    void SetPaintStyle(TPaintStyle Value);

    TImageSize ImageSize() const { return FImageSize; }
    void SetImageSize(TImageSize Value);

    // False on screens that cannot show the key images, or for good once loading them failed.
    bool ImagesAvailable() const { return FImagesAvailable; }
    void SetImagesAvailable(bool Value);

    uint8_t UpperCScanCode() const { return FUpperCScanCode; }
    void SetUpperCScanCode(int Value);
    uint8_t LowerCScanCode() const { return FLowerCScanCode; }
    void SetLowerCScanCode(int Value);
    static bool IsValidUpperCScanCode(int Value) { return Value >= 16 && Value <= 27; }
    static bool IsValidLowerCScanCode(int Value) { return Value >= 44 && Value <= 53; }

    bool CaptureKeyboard() const { return FCaptureKeyboard; }
    void SetCaptureKeyboard(bool Value) { FCaptureKeyboard = Value; }

    // --- Computer-keyboard play ----------------------------------------------------------------
    const TScanCodeMap &ScanCodeMap() const { return FScanCodeMap; }
    // The note key ScanCode plays now, 12 x KeyOctave + its offset (possibly outside 0..127),
    // or the scale's note of the key's place when ScaleKeysOnly; -1 for a key that plays
    // nothing.
    int ScanCodeNote(int ScanCode) const;
    // A computer key starts a note; the model remembers it so that the key's release ends
    // exactly that note, once.
    void ComputerKeyDown(int ScanCode, int Note, int Velocity);
    // Ends the note the key started and returns it; -1 (and nothing sent) when the key has
    // nothing sounding, e.g. because ReleaseAll already ended it.
    int ComputerKeyUp(int ScanCode);
    // The note the key holds, or -1.
    int ComputerKeyNote(int ScanCode) const;
    // Ends every note held by a computer key (the keyboard will not see their releases).
    void ReleaseComputerKeys();

    int Transpose() const { return FTranspose; }
    void SetTranspose(int Value);

    bool DisplayTransposed() const { return FDisplayTransposed; }
    void SetDisplayTransposed(bool Value);

    bool TransposeThru() const { return FTransposeThru; }
    void SetTransposeThru(bool Value);

    bool EnableSpecialMode() const { return FEnableSpecialMode; }
    void SetEnableSpecialMode(bool Value) { FEnableSpecialMode = Value; }

    bool EnableBaseNoteDrag() const { return FEnableBaseNoteDrag; }
    void SetEnableBaseNoteDrag(bool Value) { FEnableBaseNoteDrag = Value; }

    // --- Labels on the keys ---------------------------------------------------------------------
    TNoteLabels NoteLabels() const { return FNoteLabels; }
    void SetNoteLabels(TNoteLabels Value);
    // Black notes named as flats ("Db") instead of sharps ("C#"), everywhere names are shown.
    bool FlatNames() const { return FFlatNames; }
    void SetFlatNames(bool Value);
    // The octave number of note 60 (3, 4 or 5); the other octaves follow.
    int MiddleCOctave() const { return FMiddleCOctave; }
    void SetMiddleCOctave(int Value);
    // Whether each key shows the computer key that plays it.
    bool ComputerKeyLabels() const { return FComputerKeyLabels; }
    void SetComputerKeyLabels(bool Value);
    // Whether the patch's names of keys (drum kits) are written on the keys; they are always
    // the keys' tooltips.
    bool KeyNamesOnKeys() const { return FKeyNamesOnKeys; }
    void SetKeyNamesOnKeys(bool Value);
    // The note name written on key Note under the NoteLabels choice; empty for none.
    QString NoteLabel(int Note) const;
    // The patch's name of key Note; empty when it has none.
    QString KeyName(int Note) const;
    // The scan codes of the computer keys that play Note now, lowest row first (at most two).
    std::vector<int> ComputerKeysOf(int Note) const;

    // --- Scale ----------------------------------------------------------------------------------
    TScale Scale() const { return FScale; }
    void SetScale(TScale Value);
    // The key note of the scale, 0 (C) .. 11 (B).
    int ScaleRoot() const { return FScaleRoot; }
    void SetScaleRoot(int Value);
    // Whether the computer keys play the scale's notes one after another (a row's C key plays
    // the key note; the black-key rows play nothing); no effect with the chromatic scale.
    bool ScaleKeysOnly() const { return FScaleKeysOnly; }
    void SetScaleKeysOnly(bool Value);
    bool InScale(int Note) const { return MusicScale::Contains(FScale, FScaleRoot, Note); }

    // --- Pedals ---------------------------------------------------------------------------------
    static constexpr int SustainPedal = 64;
    static constexpr int SostenutoPedal = 66;
    static constexpr int SoftPedal = 67;
    static bool IsPedal(int Controller);
    // Whether a pedal is down, as last sent or received (SetControllerValue).
    bool PedalDown(int Controller) const;
    // Presses or lifts a pedal on Channel: the control change goes out through OnNote.
    void SendPedal(int Controller, bool Down);
    // Key Note is not pressed but still sounds because the sustain pedal, or the sostenuto
    // pedal that caught it, is down.
    bool IsSustained(int Note) const;

    // --- Touch ----------------------------------------------------------------------------------
    // A finger Id starts Note, or glides to it: the note it held ends first. Like a computer
    // key's, a finger's note ends once, at its lift or at ReleaseAll, whichever comes first.
    void TouchDown(int Id, int Note, int Velocity);
    // Ends the note of finger Id; returns it, or -1 when it held none.
    int TouchUp(int Id);
    int TouchNote(int Id) const;
    // The pressure (0..127) of finger Id as polyphonic aftertouch of every note its key plays.
    void TouchPressure(int Id, int Pressure);

    // --- Size of the visible window -----------------------------------------------------------
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Clamps the size to what the strip allows and re-applies the base note; returns the
    // size actually taken.
    QSize SetBounds(int Width, int Height);
    int VisibleNoteCount() const;
    int ScrollOffset() const { return FScrollOffset; }
    // Clamps and stores a base note; with Force the scroll offset is recomputed even when the
    // note stays. Returns whether BaseNote changed. Does not scroll the picture.
    bool ApplyBaseNote(int Value, bool Force);

    // The note under control pixel (x, y), clamped to 0..127.
    int HitTest(int X, int Y) const;
    // Base-note drag: the view moves to a pixel offset (clamped to the strip) while the base
    // note follows as the note that was at the left edge; raises OnScroll.
    void DragScrollTo(int Offset);

    int BaseWhiteKey() const;
    void SetBaseWhiteKey(int WhiteKey);

    // --- Playing
    // ----------------------------------------------------------------------------------
    void SendChord(int Channel, int Note, int Velocity, bool Own);
    // Shows an incoming event that was played through: a note lights its chord, transposed by
    // the thru rules, as the router sent it; its release darkens exactly the keys it lit. Other
    // kinds show nothing here. Nothing is sent: playing through is the router's.
    void ShowMidiEvent(const TShortMessage &Message, bool UseEventChannel);
    // The intervals a note plays under the current chord, the root's 0 first.
    TChordIntervals ChordIntervals() const;
    // Those of Chord, with Custom for the custom chord.
    static TChordIntervals ChordIntervals(TChord Chord, std::span<const int8_t> Custom);
    // What a played-through note turns into now (On is left false: thru is the router's).
    TThruRules ThruRules() const;
    void ShowNote(int Note, int Velocity);
    void SendControllerEvent(const TShortMessage &Message);
    void ReleaseAll();
    void ClearDisplay();
    void ResetNotes();
    void ReleaseOwnNotes();
    void ReleaseDisplayedNotes();
    void SetControllerValue(int Controller, int Value);
    void SetCustomChord(std::span<const int8_t> Intervals, bool Select);
    void SetNoteNames(const QStringList *List);

    // --- State read by the widget and tests ---------------------------------------------------
    uint8_t OwnCount(int Note) const { return InRange(Note) ? FOwnCount[Note] : 0; }
    uint8_t DisplayCount(int Note) const { return InRange(Note) ? FDisplayCount[Note] : 0; }
    bool IsPressed(int Note) const { return OwnCount(Note) + DisplayCount(Note) > 0; }
    std::span<const int8_t> CustomChord() const;
    const std::optional<QStringList> &NoteNames() const { return FNoteNames; }

    // Mouse play state (the widget drives it).
    int HeldNote = 0;
    uint8_t HeldVelocity = 0;
    bool Holding = false;
    bool RetriggerPending = false;
    TMouseMode MouseMode = TMouseMode::None;
    // Hold mode ending by any road (the right button let go, with Ctrl or not, or the left one
    // taking over) centres the pitch bend it drove: a bend lasts only while the button is held.
    void SetMouseMode(TMouseMode Value);
    // A centred pitch bend for each hold-mode controller that is a bent pitch bend.
    void CentrePitchBend();
    static constexpr int UpDown = 0;
    static constexpr int LeftRight = 1;
    uint8_t ControllerAssign(int i) const { return FControllerAssign[size_t(i)]; }
    int ControllerValue(int i) const { return FControllerValue[size_t(i)]; }
    void SetControllerValueAt(int i, int Value) { FControllerValue[size_t(i)] = Value; }
    std::array<int, 2> ControllerStart{0, 0};

    // --- Persistence
    // ------------------------------------------------------------------------------ The keyboard's
    // values in section RegKey; a value missing from the store keeps the current one.
    void LoadKeyboardSettings(const TCustomIniFile &Store);
    void SaveKeyboardSettings(TCustomIniFile &Store) const;

    // --- Names ----------------------------------------------------------------------------------
    QString NoteName(int Note) const;
    QString NoteDisplayName(int Note) const;
    static QString NoteName(int Note, TLanguage Language, bool Flats = false,
                            int MiddleCOctave = MiddleCOctaveMin);
    // The name of a pitch class (0..11) without an octave.
    static QString PitchName(int PitchClass, TLanguage Language, bool Flats);

    // --- Geometry
    // ---------------------------------------------------------------------------------
    enum class TUpperHalf { None, Left, Right };
    static bool IsBlack(int Note);
    // White key index 0..74 of a white note, or of the white note just below a black one.
    static int WhiteKeyIndex(int Note);
    static int ImageKeyWidth(TImageSize Size);
    static constexpr int ImageHeight = 76;
    static int ImageBlackX(TImageSize Size, int BlackIndex);
    static int ImageBlackWidth(TImageSize Size);
    static int ImageBlackHeight(TImageSize Size);
    // The key pictures as tall as the control (never shorter than ImageHeight), the black keys
    // in proportion: a taller window has taller keys.
    int ImageKeyHeight() const { return std::max(int(ImageHeight), FHeight); }
    int ImageBlackKeyHeight() const {
        return ImageBlackHeight(FImageSize) * ImageKeyHeight() / ImageHeight;
    }
    // Left edge of note n on the full strip (before ScrollOffset is taken off).
    int KeyLeft(int Note) const;
    int KeyPixelWidth(int Note) const;
    int KeyPixelHeight(int Note) const;
    // The part of a white key above the black keys that is drawn white in psDraw.
    static TUpperHalf WhiteUpperHalf(int Note);

private:
    static bool InRange(int Note) { return Note >= 0 && Note < NoteCount; }
    void SendNote(int Channel, int Note, int Velocity);
    // An own key struck (Velocity > 0) or let go, from Source.
    void PlayKey(int Channel, int Note, int Velocity, TKeySource Source);
    void Retrigger();
    void ReleaseThruNotes();
    void ShowThruChord(int Channel, int Note, int Velocity);
    void KeyChanged(int Note);
    void RepaintAll();
    void RulesChanged();
    // Key Note has just turned pressed: a pedal that is down holds it once it is let go.
    void KeyPressed(int Note);
    void SetPedalDown(int Controller, bool Down);
    void NamesChanged();

    int FShadowWidth = 1;
    int FKeyWidth = 15;
    int FBaseNote = 28;
    int FMarkNote = 60;
    TLanguage FLanguage = TLanguage::International;
    TChord FChord = TChord::chNone;
    uint8_t FChannel = 0;
    uint8_t FVelocity = 100;
    float FVelocityShiftFactor = 0.5f;
    QString FRegPath = QStringLiteral("Company\\Program Name");
    QString FRegKey = QStringLiteral("Keyboard");
    std::array<uint8_t, 2> FControllerAssign{MidiController::Modulation, ControllerCode::PitchBend};
    std::array<int, 2> FControllerValue{0, 0};
    int FKeyOctave = 4;
    TPaintStyle FPaintStyle = TPaintStyle::psDraw;
    TImageSize FImageSize = TImageSize::isSmall;
    bool FImagesAvailable = true;
    uint8_t FUpperCScanCode = 16;
    uint8_t FLowerCScanCode = 44;
    bool FCaptureKeyboard = false;
    int FTranspose = 0;
    bool FDisplayTransposed = false;
    bool FTransposeThru = true;
    bool FEnableSpecialMode = true;
    bool FEnableBaseNoteDrag = true;
    bool FVelocityByPosition = false;
    TVelocityCurve FVelocityCurve;
    bool FTouchPressure = true;
    TNoteLabels FNoteLabels = TNoteLabels::nlNone;
    bool FFlatNames = false;
    int FMiddleCOctave = MiddleCOctaveMin;
    bool FComputerKeyLabels = false;
    bool FKeyNamesOnKeys = false;
    TScale FScale = TScale::scChromatic;
    int FScaleRoot = 0;
    bool FScaleKeysOnly = false;
    std::array<bool, 3> FPedals{}; // sustain, sostenuto, soft
    // Keys pressed while the sustain pedal was down (or before it went down, still pressed
    // then); the sostenuto pedal's keys, those pressed when it went down.
    std::bitset<NoteCount> FSustainKeys;
    std::bitset<NoteCount> FSostenutoKeys;
    // The note each finger holds, by touch point id.
    std::vector<std::pair<int, int>> FTouchNotes;

    int FWidth = DefaultWidth;
    int FHeight = DefaultHeight;
    int FScrollOffset = 0;

    std::array<uint8_t, NoteCount> FOwnCount{};
    std::array<uint8_t, NoteCount> FDisplayCount{};
    // The keys each played-through note lit, by channel and incoming note, so that its release
    // darkens those keys whatever the chord or transposition is by then.
    std::array<std::array<std::bitset<NoteCount>, NoteCount>, MidiChannelCount> FThruShown{};
    std::array<int8_t, CustomChordSize> FCustomChord{};
    std::optional<QStringList> FNoteNames;
    TScanCodeMap FScanCodeMap;
    // The note each held computer key started, by scan code; -1 for none.
    std::array<int16_t, 256> FKeyNotes;
};
