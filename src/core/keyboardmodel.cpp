#include "core/keyboardmodel.h"

#include "core/custominifile.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<const char *, 12> InternationalNames{"C",  "C#", "D",  "D#", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "A#", "B"};
constexpr std::array<const char *, 12> GermanNames{"C",   "Cis", "D",   "Dis", "E",   "F",
                                                   "Fis", "G",   "Gis", "A",   "Ais", "H"};
constexpr std::array<const char *, 12> ItalianNames{"Do",  "Do#", "Re",   "Re#", "Mi",  "Fa",
                                                    "Fa#", "Sol", "Sol#", "La",  "La#", "Si"};
// The same names with the black notes as flats; German names B flat "B" (and B "H").
constexpr std::array<const char *, 12> InternationalFlatNames{"C",  "Db", "D",  "Eb", "E",  "F",
                                                              "Gb", "G",  "Ab", "A",  "Bb", "B"};
constexpr std::array<const char *, 12> GermanFlatNames{"C",   "Des", "D",  "Es", "E", "F",
                                                       "Ges", "G",   "As", "A",  "B", "H"};
constexpr std::array<const char *, 12> ItalianFlatNames{"Do",   "Reb", "Re",  "Mib", "Mi",  "Fa",
                                                        "Solb", "Sol", "Lab", "La",  "Sib", "Si"};

// Dynamic levels, ppp to fff, that the velocity keys step through.
constexpr std::array<int, 8> VelocityLevels{16, 32, 48, 64, 80, 96, 112, 127};

constexpr std::array<bool, 12> BlackStep{false, true,  false, true,  false, false,
                                         true,  false, true,  false, true,  false};
// White key index within the octave of a white step, or of the white key just below a black one.
constexpr std::array<int, 12> WhiteBelow{0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
constexpr std::array<int, 12> BlackIndexOfStep{-1, 0, -1, 1, -1, -1, 2, -1, 3, -1, 4, -1};
constexpr std::array<int, 7> WhiteSteps{0, 2, 4, 5, 7, 9, 11};

// Black-key positions and sizes inside the octave images, per image size.
constexpr std::array<std::array<int, 5>, ImageSizeCount> ImageBX{{
    {9, 28, 54, 71, 88},
    {12, 37, 72, 95, 117},
    {16, 50, 97, 128, 158},
}};
constexpr std::array<int, ImageSizeCount> ImageBW{8, 11, 15};
constexpr std::array<int, ImageSizeCount> ImageBH{41, 41, 41};
constexpr std::array<int, ImageSizeCount> ImageOctaveWidth{105, 140, 189};

constexpr int TransposeMax = 99;
constexpr int KeyWidthMin = 4;
constexpr int KeyWidthMax = 100;

// Counters are bytes; saturate rather than wrap so 256 presses cannot make a key look released.
void Increment(uint8_t &Count) {
    if (Count < 255)
        ++Count;
}
void Decrement(uint8_t &Count) {
    if (Count > 0)
        --Count;
}

size_t SizeIndex(TImageSize Size) {
    return static_cast<size_t>(Size);
}

// The row of computer keys a scan code belongs to (with the black keys above it).
TKeySource RowOf(int ScanCode) {
    const auto in = [ScanCode](const TScanCodeMap::TRow &Row) {
        return (ScanCode >= Row.WhiteFirst && ScanCode <= Row.WhiteLast) ||
               (ScanCode >= Row.BlackFirst && ScanCode <= Row.BlackLast);
    };
    return in(TScanCodeMap::Upper) ? TKeySource::ksUpperRow : TKeySource::ksLowerRow;
}

} // namespace

TKeyboardModel::TKeyboardModel() {
    FScrollOffset = KeyLeft(FBaseNote);
    FKeyNotes.fill(-1);
}

// --- Properties ---------------------------------------------------------------------------------

void TKeyboardModel::SetShadowWidth(int Value) {
    if (Value < 0)
        Value = 0;
    // A shadow wider than the key leaves no key to see; such values mean "all shadow".
    if (Value > FKeyWidth - 2)
        Value = FKeyWidth;
    FShadowWidth = Value;
    RepaintAll();
}

void TKeyboardModel::SetKeyWidth(int Value) {
    if (FPaintStyle == TPaintStyle::psImage)
        return; // the images fix the width
    Value = std::clamp(Value, KeyWidthMin, KeyWidthMax);
    if (Value == FKeyWidth)
        return;
    FKeyWidth = Value;
    ApplyBaseNote(FBaseNote, true);
    SetBounds(FWidth, FHeight);
    RepaintAll();
}

void TKeyboardModel::SetBaseNote(int Value) {
    const int oldOffset = FScrollOffset;
    if (ApplyBaseNote(Value, true) && OnScroll)
        OnScroll(oldOffset, FScrollOffset);
}

void TKeyboardModel::SetMarkNote(int Value) {
    const int old = FMarkNote;
    FMarkNote = std::clamp(Value, 0, NoteCount - 1);
    KeyChanged(old);
    KeyChanged(FMarkNote);
}

void TKeyboardModel::SetChord(TChord Value) {
    RetriggerPending = Holding;
    Holding = false;
    ReleaseOwnNotes();
    ReleaseThruNotes();
    FChord = Value;
    RulesChanged();
    Retrigger();
}

void TKeyboardModel::SetChannel(int Value) {
    ResetNotes();
    FChannel = static_cast<uint8_t>(Value & 15);
}

void TKeyboardModel::SetVelocity(int Value) {
    const auto v = static_cast<uint8_t>(Value & 127);
    if (v == FVelocity)
        return;
    FVelocity = v;
    if (OnVelocityChange)
        OnVelocityChange(Sender);
}

void TKeyboardModel::SetVelocityShiftFactor(float Value) {
    if (!(Value >= 0.01f)) // also catches NaN
        Value = 0.01f;
    FVelocityShiftFactor = Value;
}

uint8_t TKeyboardModel::ShiftVelocity() const {
    return ShiftedVelocity(FVelocity);
}

uint8_t TKeyboardModel::ShiftedVelocity(int Velocity) const {
    // nearbyint rounds halves to even in the default rounding mode.
    const double v = std::nearbyint(double(Velocity) * double(FVelocityShiftFactor));
    return static_cast<uint8_t>(std::clamp(v, 0.0, 127.0));
}

int TKeyboardModel::StepVelocityLevel(int Velocity, int Direction) {
    if (Direction > 0) {
        for (int level : VelocityLevels)
            if (level > Velocity)
                return level;
        return std::max(Velocity, VelocityLevels.back());
    }
    if (Direction < 0)
        for (auto it = VelocityLevels.rbegin(); it != VelocityLevels.rend(); ++it)
            if (*it < Velocity)
                return *it;
    return Velocity;
}

void TKeyboardModel::SetVelocityCurve(const TVelocityCurve &Value) {
    FVelocityCurve = Value;
    FVelocityCurve.Normalize();
}

double TKeyboardModel::StrikeDepth(int Note, int Y) const {
    // A black key from its back edge to its front; a white key only over the part before the
    // black keys, where every white key can be struck (its back beside them counts as the back).
    const int front = KeyPixelHeight(Note) - 1;
    const int back = IsBlack(Note) ? 0 : KeyPixelHeight(1);
    if (front <= back)
        return 1.0;
    return std::clamp(double(Y - back) / double(front - back), 0.0, 1.0);
}

uint8_t TKeyboardModel::StrikeVelocity(int Note, int Y, bool Shift) const {
    const int v =
        FVelocityByPosition ? FVelocityCurve.Velocity(StrikeDepth(Note, Y)) : int(FVelocity);
    return Shift ? ShiftedVelocity(v) : uint8_t(v);
}

void TKeyboardModel::SetUpDownController(int Value) {
    FControllerAssign[UpDown] = static_cast<uint8_t>(Value);
    FControllerValue[UpDown] = 0;
}

void TKeyboardModel::SetLeftRightController(int Value) {
    FControllerAssign[LeftRight] = static_cast<uint8_t>(Value);
    FControllerValue[LeftRight] = 0;
}

void TKeyboardModel::SetKeyOctave(int Value) {
    if (Value < KeyOctaveMin || Value > KeyOctaveMax || Value == FKeyOctave)
        return;
    ReleaseDisplayedNotes();
    ReleaseAll();
    FKeyOctave = Value;
    if (OnOctaveChange)
        OnOctaveChange(Sender);
}

void TKeyboardModel::OctaveDown() {
    if (FKeyOctave > KeyOctaveMin)
        SetKeyOctave(FKeyOctave - 1);
}

void TKeyboardModel::OctaveUp() {
    if (FKeyOctave < KeyOctaveMax)
        SetKeyOctave(FKeyOctave + 1);
}

void TKeyboardModel::SetPaintStyle(TPaintStyle Value) {
    if (!FImagesAvailable)
        Value = TPaintStyle::psDraw;
    if (Value == FPaintStyle)
        return;
    FPaintStyle = Value;
    const int oldKeyWidth = FKeyWidth;
    if (Value == TPaintStyle::psImage)
        FKeyWidth = ImageKeyWidth(FImageSize);
    if (FKeyWidth != oldKeyWidth)
        SetBounds(FWidth, FHeight);
    ApplyBaseNote(FBaseNote, FKeyWidth != oldKeyWidth);
    RepaintAll();
}

void TKeyboardModel::SetImageSize(TImageSize Value) {
    if (Value == FImageSize)
        return;
    FImageSize = Value;
    if (FPaintStyle == TPaintStyle::psImage) {
        FKeyWidth = ImageKeyWidth(Value);
        SetBounds(FWidth, FHeight);
        ApplyBaseNote(FBaseNote, true);
        RepaintAll();
    }
}

void TKeyboardModel::SetImagesAvailable(bool Value) {
    if (Value)
        return; // once lost, the images stay unavailable
    FImagesAvailable = false;
    if (FPaintStyle == TPaintStyle::psImage) {
        FPaintStyle = TPaintStyle::psDraw;
        RepaintAll();
    }
}

void TKeyboardModel::SetUpperCScanCode(int Value) {
    if (Value == FUpperCScanCode || !IsValidUpperCScanCode(Value))
        return;
    FUpperCScanCode = static_cast<uint8_t>(Value);
    FScanCodeMap.RebuildRow(TScanCodeMap::Upper, Value);
    if (FComputerKeyLabels)
        RepaintAll();
}

void TKeyboardModel::SetLowerCScanCode(int Value) {
    if (Value == FLowerCScanCode || !IsValidLowerCScanCode(Value))
        return;
    FLowerCScanCode = static_cast<uint8_t>(Value);
    FScanCodeMap.RebuildRow(TScanCodeMap::Lower, Value);
    if (FComputerKeyLabels)
        RepaintAll();
}

int TKeyboardModel::ScanCodeNote(int ScanCode) const {
    const int offset = FScanCodeMap.Offset(ScanCode);
    if (offset == TScanCodeMap::Unmapped)
        return -1;
    if (!FScaleKeysOnly || FScale == TScale::scChromatic)
        return 12 * FKeyOctave + offset;
    // The white-key rows play the scale's degrees in turn, each row's C key the key note (the
    // upper row's an octave of the scale higher); the black-key rows have no notes left.
    const auto in = [ScanCode](const TScanCodeMap::TRow &Row) {
        return ScanCode >= Row.WhiteFirst && ScanCode <= Row.WhiteLast;
    };
    const bool upper = in(TScanCodeMap::Upper);
    if (!upper && !in(TScanCodeMap::Lower))
        return -1;
    const auto whiteIndex = [](int Offset) {
        const int octave = Offset >= 0 ? Offset / 12 : -((-Offset + 11) / 12);
        return 7 * octave + WhiteBelow[size_t(Offset - 12 * octave)];
    };
    const int base = upper ? TScanCodeMap::Upper.BaseOffset : TScanCodeMap::Lower.BaseOffset;
    const int degree =
        whiteIndex(offset) - whiteIndex(base) + (upper ? int(MusicScale::Steps(FScale).size()) : 0);
    return 12 * FKeyOctave + MusicScale::DegreeNote(FScale, FScaleRoot, degree);
}

void TKeyboardModel::ComputerKeyDown(int ScanCode, int Note, int Velocity) {
    if (ScanCode < 0 || ScanCode >= int(FKeyNotes.size()) || !InRange(Note))
        return;
    ComputerKeyUp(ScanCode); // a press whose release never came
    PlayKey(FChannel, Note, Velocity, RowOf(ScanCode));
    FKeyNotes[size_t(ScanCode)] = int16_t(Note);
}

int TKeyboardModel::ComputerKeyUp(int ScanCode) {
    const int note = ComputerKeyNote(ScanCode);
    if (note < 0)
        return -1;
    FKeyNotes[size_t(ScanCode)] = -1;
    PlayKey(FChannel, note, 0, RowOf(ScanCode));
    return note;
}

int TKeyboardModel::ComputerKeyNote(int ScanCode) const {
    if (ScanCode < 0 || ScanCode >= int(FKeyNotes.size()))
        return -1;
    return FKeyNotes[size_t(ScanCode)];
}

void TKeyboardModel::ReleaseComputerKeys() {
    for (int scan = 0; scan < int(FKeyNotes.size()); ++scan)
        ComputerKeyUp(scan);
}

void TKeyboardModel::SetTranspose(int Value) {
    Value = std::clamp(Value, -TransposeMax, TransposeMax);
    if (Value == FTranspose)
        return;
    ResetNotes();
    FTranspose = Value;
    RulesChanged();
    Retrigger();
}

void TKeyboardModel::SetDisplayTransposed(bool Value) {
    if (Value == FDisplayTransposed)
        return;
    ResetNotes();
    FDisplayTransposed = Value;
    RulesChanged();
    Retrigger();
}

void TKeyboardModel::SetTransposeThru(bool Value) {
    if (Value == FTransposeThru)
        return;
    ClearDisplay(); // silences thru notes under the old mapping first
    FTransposeThru = Value;
    RulesChanged();
}

// --- Size and scrolling ------------------------------------------------------------------------

QSize TKeyboardModel::SetBounds(int Width, int Height) {
    FWidth = std::max(std::min(Width, WhiteKeyCount * FKeyWidth), MinWidth);
    FHeight = std::max(Height, MinHeight);
    ApplyBaseNote(FBaseNote, false);
    return {FWidth, FHeight};
}

int TKeyboardModel::VisibleNoteCount() const {
    return std::min(NoteCount, FWidth * 12 / (7 * FKeyWidth));
}

bool TKeyboardModel::ApplyBaseNote(int Value, bool Force) {
    Value = std::clamp(Value, 0, NoteCount - VisibleNoteCount());
    if (Value == FBaseNote && !Force)
        return false;
    const bool changed = Value != FBaseNote;
    FBaseNote = Value;
    FScrollOffset = KeyLeft(Value);
    if (changed && OnBaseNoteChange)
        OnBaseNoteChange(Sender, NoteName(Value));
    return changed;
}

int TKeyboardModel::HitTest(int X, int Y) const {
    const int w = FKeyWidth;
    const int octaveWidth = 7 * w;
    const int pos = X + FScrollOffset;
    int octave = pos / octaveWidth;
    if (pos < 0 && pos % octaveWidth != 0)
        --octave; // floor division: left of the strip is the octave below
    const int r = pos - octave * octaveWidth;
    int step;
    if (FPaintStyle == TPaintStyle::psImage) {
        const size_t size = SizeIndex(FImageSize);
        // Below the black keys only the white key counts: look at its middle column.
        const int col =
            Y > ImageBH[size] * ImageKeyHeight() / ImageHeight ? w * (r / w) + w / 2 : r;
        step = WhiteSteps[size_t(std::min(col / w, 6))];
        for (size_t k = 0; k < 5; ++k) {
            if (col >= ImageBX[size][k] && col < ImageBX[size][k] + ImageBW[size]) {
                step = int(k < 2 ? 2 * k + 1 : 2 * k + 2); // 1, 3, 6, 8, 10
                break;
            }
        }
    } else if (Y > FHeight * 3 / 5) {
        step = WhiteSteps[size_t(r / w)];
    } else {
        // Each white key split in halves; a black key takes the halves beside its boundary.
        static constexpr std::array<int, 14> HalfSteps{0, 1, 1, 3, 3, 4, 5, 6, 6, 8, 8, 10, 10, 11};
        step = HalfSteps[size_t(2 * r / w)];
    }
    return std::clamp(12 * octave + step, 0, NoteCount - 1);
}

void TKeyboardModel::DragScrollTo(int Offset) {
    const int stripWidth = WhiteKeyCount * FKeyWidth;
    if (Offset < 0)
        Offset = 0;
    else if (stripWidth - Offset < FWidth)
        Offset = stripWidth - FWidth;
    const int old = FScrollOffset;
    if (Offset == old)
        return;
    ApplyBaseNote(HitTest(0, FHeight), false);
    FScrollOffset = Offset;
    if (OnScroll)
        OnScroll(old, Offset);
}

int TKeyboardModel::BaseWhiteKey() const {
    return WhiteKeyIndex(FBaseNote);
}

void TKeyboardModel::SetBaseWhiteKey(int WhiteKey) {
    WhiteKey = std::clamp(WhiteKey, 0, WhiteKeyCount - 1);
    SetBaseNote(12 * (WhiteKey / 7) + WhiteSteps[size_t(WhiteKey % 7)]);
}

// --- Playing -----------------------------------------------------------------------------------

void TKeyboardModel::SendNote(int Channel, int Note, int Velocity) {
    const int key = FDisplayTransposed ? Note + FTranspose : Note;
    if (!InRange(key))
        return;
    const uint8_t vel = static_cast<uint8_t>(Velocity & 127);
    if (OnNote) {
        const int sent = Note + FTranspose;
        if (InRange(sent)) {
            const TShortMessage m = TShortMessage::NoteOn(Channel, sent, vel);
            OnNote(Sender, m);
        }
    }
    uint8_t &count = FOwnCount[size_t(key)];
    if (vel >= 1) {
        Increment(count);
        KeyPressed(key);
    } else {
        Decrement(count);
    }
    // Repaint only when the key may have turned from released to pressed or back.
    const int total = FOwnCount[size_t(key)] + FDisplayCount[size_t(key)];
    if (total == (vel >= 1 ? 1 : 0))
        KeyChanged(key);
}

TChordIntervals TKeyboardModel::ChordIntervals() const {
    return ChordIntervals(FChord, CustomChord());
}

TChordIntervals TKeyboardModel::ChordIntervals(TChord Chord, std::span<const int8_t> Custom) {
    TChordIntervals result;
    auto add = [&result](std::initializer_list<int> intervals) {
        for (int interval : intervals)
            result.Values[result.Count++] = int8_t(interval);
    };
    add({0});
    switch (Chord) {
    case TChord::chNone:
        break;
    case TChord::chMajor:
        add({4, 7});
        break;
    case TChord::chMinor:
        add({3, 7});
        break;
    case TChord::chMajor7:
        add({4, 7, 10});
        break;
    case TChord::chMinor7:
        add({3, 7, 10});
        break;
    case TChord::chFifths:
        add({7});
        break;
    case TChord::chOctave:
        add({12});
        break;
    case TChord::chPower:
        add({7, 12, -12});
        break;
    case TChord::chCustom:
        // As SetCustomChord keeps them: up to the first 0, each interval once.
        for (int8_t interval : Custom) {
            if (interval == 0 || result.Count > CustomChordSize)
                break;
            if (std::find(result.begin(), result.end(), interval) == result.end())
                result.Values[result.Count++] = interval;
        }
        break;
    }
    return result;
}

TThruRules TKeyboardModel::ThruRules() const {
    TThruRules rules;
    rules.TransposeThru = FTransposeThru;
    rules.DisplayTransposed = FDisplayTransposed;
    rules.Transpose = FTranspose;
    rules.Intervals = ChordIntervals();
    return rules;
}

void TKeyboardModel::SendChord(int Channel, int Note, int Velocity, bool Own) {
    if (!Own) {
        ShowThruChord(Channel, Note, Velocity);
        return;
    }
    PlayKey(Channel, Note, Velocity, TKeySource::ksMouse);
}

void TKeyboardModel::PlayKey(int Channel, int Note, int Velocity, TKeySource Source) {
    if (!OnKey) {
        for (int interval : ChordIntervals())
            SendNote(Channel, Note + interval, Velocity);
        return;
    }
    // The key as struck lights; what it plays is the handler's.
    if (!InRange(Note))
        return;
    OnKey(Sender, Note, Velocity & 127, Source);
    uint8_t &count = FOwnCount[size_t(Note)];
    if ((Velocity & 127) >= 1)
        Increment(count);
    else
        Decrement(count);
    if (count + FDisplayCount[size_t(Note)] == ((Velocity & 127) >= 1 ? 1 : 0))
        KeyChanged(Note);
}

void TKeyboardModel::ShowThruChord(int Channel, int Note, int Velocity) {
    std::bitset<NoteCount> &shown = FThruShown[size_t(Channel & 15)][size_t(Note & 127)];
    // A second note-on of a note still shown replaces what the first lit.
    for (int key = 0; key < NoteCount; ++key) {
        if (!shown.test(size_t(key)))
            continue;
        uint8_t &count = FDisplayCount[size_t(key)];
        Decrement(count);
        if (count + FOwnCount[size_t(key)] == 0)
            KeyChanged(key);
    }
    shown.reset();
    if (Velocity <= 0)
        return;
    for (const TThruNote &note : ThruChord(ThruRules(), Note)) {
        if (shown.test(note.Key))
            continue;
        shown.set(note.Key);
        uint8_t &count = FDisplayCount[note.Key];
        Increment(count);
        KeyPressed(note.Key);
        if (count + FOwnCount[note.Key] == 1)
            KeyChanged(note.Key);
    }
}

void TKeyboardModel::ShowMidiEvent(const TShortMessage &m, bool UseEventChannel) {
    if (!m.IsChannelMessage() || !m.IsNote())
        return;
    const int channel = UseEventChannel ? m.Channel() : FChannel;
    SendChord(channel, m.Data1 & 127, m.IsNoteOn() ? m.Data2 & 127 : 0, false);
}

void TKeyboardModel::ShowNote(int Note, int Velocity) {
    const size_t key = size_t(Note & 127);
    if (Velocity > 0) {
        Increment(FDisplayCount[key]);
        KeyPressed(int(key));
    } else
        Decrement(FDisplayCount[key]);
    KeyChanged(int(key));
}

void TKeyboardModel::SendControllerEvent(const TShortMessage &Message) {
    if (OnNote)
        OnNote(Sender, Message);
    if (OnDisplayEvent)
        OnDisplayEvent(Sender, Message);
}

void TKeyboardModel::ReleaseOwnNotes() {
    // Every own note ends here, those of held computer keys and fingers too: their releases must
    // not end them a second time.
    FKeyNotes.fill(-1);
    FTouchNotes.clear();
    for (int key = 0; key < NoteCount; ++key) {
        if (FOwnCount[size_t(key)] == 0)
            continue;
        if (OnKey) {
            OnKey(Sender, key, 0, TKeySource::ksAny);
            FOwnCount[size_t(key)] = 0;
            KeyChanged(key);
            continue;
        }
        // The counters are kept per displayed key; take the display transposition off again.
        SendNote(FChannel, FDisplayTransposed ? key - FTranspose : key, 0);
        FOwnCount[size_t(key)] = 0;
        KeyChanged(key);
    }
}

void TKeyboardModel::ReleaseAll() {
    ReleaseOwnNotes();
    CentrePitchBend();
    FControllerValue = {0, 0};
    RetriggerPending = Holding;
    Holding = false;
    MouseMode = TMouseMode::None;
    RepaintAll();
}

void TKeyboardModel::CentrePitchBend() {
    for (size_t i = 0; i < 2; ++i) {
        if (FControllerAssign[i] == ControllerCode::PitchBend && FControllerValue[i] != 0) {
            SendControllerEvent(TShortMessage::PitchBend(FChannel, 0));
            FControllerValue[i] = 0;
        }
    }
}

void TKeyboardModel::SetMouseMode(TMouseMode Value) {
    if (MouseMode == TMouseMode::Hold && Value != TMouseMode::Hold)
        CentrePitchBend();
    MouseMode = Value;
}

void TKeyboardModel::ClearDisplay() {
    ReleaseThruNotes();
    FDisplayCount.fill(0);
    RepaintAll();
}

void TKeyboardModel::ResetNotes() {
    ClearDisplay();
    ReleaseAll();
}

void TKeyboardModel::ReleaseDisplayedNotes() {
    // Notes only shown were never sent: nothing to release for them.
    ReleaseThruNotes();
    FDisplayCount.fill(0);
    RepaintAll();
}

// A thru note goes out transposed and chorded as the settings stand when it arrives. Before those
// settings change, the notes played through so far are released and their keys darkened, so
// that none is left sounding or lit.
void TKeyboardModel::ReleaseThruNotes() {
    for (auto &channel : FThruShown) {
        for (std::bitset<NoteCount> &shown : channel) {
            if (shown.none())
                continue;
            for (int key = 0; key < NoteCount; ++key) {
                if (!shown.test(size_t(key)))
                    continue;
                Decrement(FDisplayCount[size_t(key)]);
                KeyChanged(key);
            }
            shown.reset();
        }
    }
    if (OnReleaseThru)
        OnReleaseThru(Sender);
}

void TKeyboardModel::RulesChanged() {
    if (OnPlayRulesChange)
        OnPlayRulesChange(Sender);
}

void TKeyboardModel::Retrigger() {
    if (!RetriggerPending)
        return;
    SendChord(FChannel, HeldNote, HeldVelocity, true);
    Holding = true;
    SetMouseMode(TMouseMode::None);
    RetriggerPending = false;
}

void TKeyboardModel::SetControllerValue(int Controller, int Value) {
    if (!ControllerCode::IsControlChange(Controller))
        return;
    if (IsPedal(Controller))
        SetPedalDown(Controller, (Value & 127) >= 64);
    for (size_t i = 0; i < 2; ++i)
        if (FControllerAssign[i] == Controller)
            FControllerValue[i] = Value & 127;
}

void TKeyboardModel::SetCustomChord(std::span<const int8_t> Intervals, bool Select) {
    std::array<int8_t, CustomChordSize> chord{};
    size_t kept = 0;
    for (int8_t interval : Intervals) {
        if (interval == 0 || kept == chord.size())
            break;
        if (std::find(chord.begin(), chord.begin() + long(kept), interval) !=
            chord.begin() + long(kept))
            continue;
        chord[kept++] = interval;
    }
    FCustomChord = chord;
    if (Select)
        SetChord(TChord::chCustom);
    else if (FChord == TChord::chCustom)
        RulesChanged();
}

std::span<const int8_t> TKeyboardModel::CustomChord() const {
    const auto end = std::find(FCustomChord.begin(), FCustomChord.end(), int8_t(0));
    return {FCustomChord.begin(), end};
}

void TKeyboardModel::SetNoteNames(const QStringList *List) {
    if (List && List->size() >= NoteCount)
        FNoteNames = *List;
    else
        FNoteNames.reset();
}

// --- Labels and scale ------------------------------------------------------------------------

void TKeyboardModel::SetNoteLabels(TNoteLabels Value) {
    FNoteLabels = Value;
    RepaintAll();
}

void TKeyboardModel::SetFlatNames(bool Value) {
    if (Value == FFlatNames)
        return;
    FFlatNames = Value;
    NamesChanged();
}

void TKeyboardModel::SetMiddleCOctave(int Value) {
    Value = std::clamp(Value, MiddleCOctaveMin, MiddleCOctaveMax);
    if (Value == FMiddleCOctave)
        return;
    FMiddleCOctave = Value;
    NamesChanged();
}

void TKeyboardModel::NamesChanged() {
    // The names shown elsewhere (the base note in the status bar) follow too.
    if (OnBaseNoteChange)
        OnBaseNoteChange(Sender, NoteName(FBaseNote));
    RepaintAll();
}

void TKeyboardModel::SetComputerKeyLabels(bool Value) {
    FComputerKeyLabels = Value;
    RepaintAll();
}

void TKeyboardModel::SetKeyNamesOnKeys(bool Value) {
    FKeyNamesOnKeys = Value;
    RepaintAll();
}

QString TKeyboardModel::NoteLabel(int Note) const {
    if (!InRange(Note))
        return {};
    const bool isC = Note % 12 == 0;
    switch (FNoteLabels) {
    case TNoteLabels::nlNone:
        return {};
    case TNoteLabels::nlC:
        return isC ? NoteName(Note) : QString();
    case TNoteLabels::nlAll:
        // The octave on the C keys only: it would not fit on the others, and C is enough to
        // tell the octaves apart.
        return isC ? NoteName(Note) : PitchName(Note % 12, FLanguage, FFlatNames);
    case TNoteLabels::nlPressed:
        return IsPressed(Note) ? NoteName(Note) : QString();
    }
    return {};
}

QString TKeyboardModel::KeyName(int Note) const {
    if (!InRange(Note) || !FNoteNames)
        return {};
    return FNoteNames->at(Note);
}

std::vector<int> TKeyboardModel::ComputerKeysOf(int Note) const {
    std::vector<int> keys;
    if (!InRange(Note))
        return keys;
    // The lower row first: it is the one nearer to the player.
    for (const auto *row : {&TScanCodeMap::Lower, &TScanCodeMap::Upper})
        for (int scan : {row->WhiteFirst, row->BlackFirst})
            for (int code = scan;
                 code <= (scan == row->WhiteFirst ? row->WhiteLast : row->BlackLast); ++code)
                if (ScanCodeNote(code) == Note && keys.size() < 2)
                    keys.push_back(code);
    return keys;
}

void TKeyboardModel::SetScale(TScale Value) {
    FScale = Value;
    RepaintAll();
}

void TKeyboardModel::SetScaleRoot(int Value) {
    FScaleRoot = ((Value % 12) + 12) % 12;
    RepaintAll();
}

void TKeyboardModel::SetScaleKeysOnly(bool Value) {
    FScaleKeysOnly = Value;
    if (FComputerKeyLabels)
        RepaintAll();
}

// --- Pedals --------------------------------------------------------------------------------------

namespace {
int PedalIndex(int Controller) {
    switch (Controller) {
    case TKeyboardModel::SustainPedal:
        return 0;
    case TKeyboardModel::SostenutoPedal:
        return 1;
    case TKeyboardModel::SoftPedal:
        return 2;
    default:
        return -1;
    }
}
} // namespace

bool TKeyboardModel::IsPedal(int Controller) {
    return PedalIndex(Controller) >= 0;
}

bool TKeyboardModel::PedalDown(int Controller) const {
    const int i = PedalIndex(Controller);
    return i >= 0 && FPedals[size_t(i)];
}

void TKeyboardModel::SendPedal(int Controller, bool Down) {
    if (!IsPedal(Controller))
        return;
    SetPedalDown(Controller, Down);
    if (OnNote) {
        const TShortMessage m = TShortMessage::ControlChange(FChannel, Controller, Down ? 127 : 0);
        OnNote(Sender, m);
    }
}

void TKeyboardModel::SetPedalDown(int Controller, bool Down) {
    const int i = PedalIndex(Controller);
    if (i < 0 || FPedals[size_t(i)] == Down)
        return;
    FPedals[size_t(i)] = Down;
    std::bitset<NoteCount> *keys = Controller == SustainPedal     ? &FSustainKeys
                                   : Controller == SostenutoPedal ? &FSostenutoKeys
                                                                  : nullptr;
    if (!keys)
        return;
    if (Down) {
        // What sounds now goes on sounding when let go.
        keys->reset();
        for (int key = 0; key < NoteCount; ++key)
            if (IsPressed(key))
                keys->set(size_t(key));
        return;
    }
    const std::bitset<NoteCount> held = *keys;
    keys->reset();
    for (int key = 0; key < NoteCount; ++key)
        if (held.test(size_t(key)))
            KeyChanged(key);
}

void TKeyboardModel::KeyPressed(int Note) {
    if (FPedals[0] && InRange(Note))
        FSustainKeys.set(size_t(Note));
}

bool TKeyboardModel::IsSustained(int Note) const {
    if (!InRange(Note) || IsPressed(Note))
        return false;
    return (FPedals[0] && FSustainKeys.test(size_t(Note))) ||
           (FPedals[1] && FSostenutoKeys.test(size_t(Note)));
}

// --- Touch ---------------------------------------------------------------------------------------

void TKeyboardModel::TouchDown(int Id, int Note, int Velocity) {
    if (!InRange(Note))
        return;
    TouchUp(Id);
    SendChord(FChannel, Note, Velocity, true);
    FTouchNotes.emplace_back(Id, Note);
}

int TKeyboardModel::TouchUp(int Id) {
    const auto it = std::find_if(FTouchNotes.begin(), FTouchNotes.end(),
                                 [Id](const auto &Touch) { return Touch.first == Id; });
    if (it == FTouchNotes.end())
        return -1;
    const int note = it->second;
    FTouchNotes.erase(it);
    SendChord(FChannel, note, 0, true);
    return note;
}

int TKeyboardModel::TouchNote(int Id) const {
    for (const auto &[id, note] : FTouchNotes)
        if (id == Id)
            return note;
    return -1;
}

void TKeyboardModel::TouchPressure(int Id, int Pressure) {
    const int note = TouchNote(Id);
    if (note < 0 || !OnNote)
        return;
    // Each note the key sounds, as SendNote sent it.
    for (int interval : ChordIntervals()) {
        const int played = note + interval;
        const int key = FDisplayTransposed ? played + FTranspose : played;
        const int sent = played + FTranspose;
        if (!InRange(key) || !InRange(sent))
            continue;
        const TShortMessage m =
            TShortMessage::Make(TMessageKind::KeyPressure, FChannel, sent, Pressure & 127);
        OnNote(Sender, m);
    }
}

void TKeyboardModel::KeyChanged(int Note) {
    if (OnKeyChanged && InRange(Note))
        OnKeyChanged(Note);
}

void TKeyboardModel::RepaintAll() {
    if (OnRepaintAll)
        OnRepaintAll();
}

// --- Persistence
// ----------------------------------------------------------------------------------

namespace {
const QString ValBaseNote = QStringLiteral("BaseNote");
const QString ValChannel = QStringLiteral("Channel");
const QString ValChord = QStringLiteral("Chord");
const QString ValKeyWidth = QStringLiteral("KeyWidth");
const QString ValLanguage = QStringLiteral("Language");
const QString ValMarkNote = QStringLiteral("MarkNote");
const QString ValShadowWidth = QStringLiteral("ShadowWidth");
const QString ValVelShiftFactor = QStringLiteral("VelShiftFactor");
const QString ValVelocity = QStringLiteral("Velocity");
const QString ValUpDownController = QStringLiteral("UpDownController");
const QString ValLeftRightController = QStringLiteral("LeftRightController");
const QString ValKeyOctave = QStringLiteral("KeyOctave");
const QString ValImageSize = QStringLiteral("ImageSize");
const QString ValLowerCKey = QStringLiteral("LowerCKey");
const QString ValUpperCKey = QStringLiteral("UpperCKey");
const QString ValPaintStyle = QStringLiteral("PaintStyle");
const QString ValVelocityByPosition = QStringLiteral("VelocityByPosition");
const QString ValVelocityMin = QStringLiteral("VelocityMin");
const QString ValVelocityMax = QStringLiteral("VelocityMax");
const QString ValVelocityCurve = QStringLiteral("VelocityCurve");
const QString ValTouchPressure = QStringLiteral("TouchPressure");
const QString ValNoteLabels = QStringLiteral("NoteLabels");
const QString ValFlatNames = QStringLiteral("FlatNames");
const QString ValMiddleC = QStringLiteral("MiddleC");
const QString ValComputerKeyLabels = QStringLiteral("ComputerKeyLabels");
const QString ValKeyNamesOnKeys = QStringLiteral("KeyNamesOnKeys");
const QString ValScale = QStringLiteral("Scale");
const QString ValScaleRoot = QStringLiteral("ScaleRoot");
const QString ValScaleKeysOnly = QStringLiteral("ScaleKeysOnly");

int FactorPercent(float Factor) {
    return int(std::nearbyint(double(Factor) * 100.0));
}
} // namespace

void TKeyboardModel::LoadKeyboardSettings(const TCustomIniFile &Store) {
    const QString &sec = FRegKey;
    SetBaseNote(Store.ReadInteger(sec, ValBaseNote, FBaseNote));
    // A channel out of range keeps the one there is (Channel=44 played on channel 13).
    if (const int channel = Store.ReadInteger(sec, ValChannel, FChannel);
        channel >= 0 && channel < MidiChannelCount)
        SetChannel(channel);
    // Stored values outside an enumeration are ignored rather than cast blindly.
    const int chord = Store.ReadInteger(sec, ValChord, int(FChord));
    if (chord >= 0 && chord < ChordKindCount)
        FChord = TChord(chord);
    SetKeyWidth(Store.ReadInteger(sec, ValKeyWidth, FKeyWidth));
    const int language = Store.ReadInteger(sec, ValLanguage, int(FLanguage));
    if (language >= 0 && language < LanguageCount)
        FLanguage = TLanguage(language);
    SetMarkNote(Store.ReadInteger(sec, ValMarkNote, FMarkNote));
    SetShadowWidth(Store.ReadInteger(sec, ValShadowWidth, FShadowWidth));
    SetVelocityShiftFactor(
        float(Store.ReadInteger(sec, ValVelShiftFactor, FactorPercent(FVelocityShiftFactor))) /
        100.0f);
    SetVelocity(Store.ReadInteger(sec, ValVelocity, FVelocity));
    for (auto [index, name] :
         {std::pair{UpDown, &ValUpDownController}, std::pair{LeftRight, &ValLeftRightController}}) {
        const int code = Store.ReadInteger(sec, *name, FControllerAssign[size_t(index)]);
        if (ControllerCode::IsValid(code))
            FControllerAssign[size_t(index)] = uint8_t(code);
    }
    SetKeyOctave(Store.ReadInteger(sec, ValKeyOctave, FKeyOctave));
    const int size = Store.ReadInteger(sec, ValImageSize, int(FImageSize));
    if (size >= 0 && size < ImageSizeCount)
        SetImageSize(TImageSize(size));
    SetLowerCScanCode(Store.ReadInteger(sec, ValLowerCKey, FLowerCScanCode));
    SetUpperCScanCode(Store.ReadInteger(sec, ValUpperCKey, FUpperCScanCode));
    const int style = Store.ReadInteger(sec, ValPaintStyle, int(FPaintStyle));
    if (style == int(TPaintStyle::psDraw) || style == int(TPaintStyle::psImage))
        SetPaintStyle(TPaintStyle(style));

    FVelocityByPosition = Store.ReadBool(sec, ValVelocityByPosition, FVelocityByPosition);
    TVelocityCurve curve = FVelocityCurve;
    curve.Min = Store.ReadInteger(sec, ValVelocityMin, curve.Min);
    curve.Max = Store.ReadInteger(sec, ValVelocityMax, curve.Max);
    curve.Curve = Store.ReadInteger(sec, ValVelocityCurve, curve.Curve);
    SetVelocityCurve(curve);
    FTouchPressure = Store.ReadBool(sec, ValTouchPressure, FTouchPressure);
    const int labels = Store.ReadInteger(sec, ValNoteLabels, int(FNoteLabels));
    if (labels >= 0 && labels < NoteLabelsCount)
        FNoteLabels = TNoteLabels(labels);
    SetFlatNames(Store.ReadBool(sec, ValFlatNames, FFlatNames));
    SetMiddleCOctave(Store.ReadInteger(sec, ValMiddleC, FMiddleCOctave));
    FComputerKeyLabels = Store.ReadBool(sec, ValComputerKeyLabels, FComputerKeyLabels);
    FKeyNamesOnKeys = Store.ReadBool(sec, ValKeyNamesOnKeys, FKeyNamesOnKeys);
    const int scale = Store.ReadInteger(sec, ValScale, int(FScale));
    if (scale >= 0 && scale < ScaleCount)
        FScale = TScale(scale);
    const int root = Store.ReadInteger(sec, ValScaleRoot, FScaleRoot);
    if (root >= 0 && root < 12)
        FScaleRoot = root;
    FScaleKeysOnly = Store.ReadBool(sec, ValScaleKeysOnly, FScaleKeysOnly);
    RepaintAll();
}

void TKeyboardModel::SaveKeyboardSettings(TCustomIniFile &Store) const {
    const QString &sec = FRegKey;
    Store.WriteInteger(sec, ValBaseNote, FBaseNote);
    Store.WriteInteger(sec, ValChannel, FChannel);
    Store.WriteInteger(sec, ValChord, int(FChord));
    Store.WriteInteger(sec, ValKeyWidth, FKeyWidth);
    Store.WriteInteger(sec, ValLanguage, int(FLanguage));
    Store.WriteInteger(sec, ValMarkNote, FMarkNote);
    Store.WriteInteger(sec, ValShadowWidth, FShadowWidth);
    Store.WriteInteger(sec, ValVelShiftFactor, FactorPercent(FVelocityShiftFactor));
    Store.WriteInteger(sec, ValVelocity, FVelocity);
    Store.WriteInteger(sec, ValUpDownController, FControllerAssign[UpDown]);
    Store.WriteInteger(sec, ValLeftRightController, FControllerAssign[LeftRight]);
    Store.WriteInteger(sec, ValKeyOctave, FKeyOctave);
    Store.WriteInteger(sec, ValImageSize, int(FImageSize));
    Store.WriteInteger(sec, ValLowerCKey, FLowerCScanCode);
    Store.WriteInteger(sec, ValUpperCKey, FUpperCScanCode);
    Store.WriteInteger(sec, ValPaintStyle, int(FPaintStyle));
    Store.WriteBool(sec, ValVelocityByPosition, FVelocityByPosition);
    Store.WriteInteger(sec, ValVelocityMin, FVelocityCurve.Min);
    Store.WriteInteger(sec, ValVelocityMax, FVelocityCurve.Max);
    Store.WriteInteger(sec, ValVelocityCurve, FVelocityCurve.Curve);
    Store.WriteBool(sec, ValTouchPressure, FTouchPressure);
    Store.WriteInteger(sec, ValNoteLabels, int(FNoteLabels));
    Store.WriteBool(sec, ValFlatNames, FFlatNames);
    Store.WriteInteger(sec, ValMiddleC, FMiddleCOctave);
    Store.WriteBool(sec, ValComputerKeyLabels, FComputerKeyLabels);
    Store.WriteBool(sec, ValKeyNamesOnKeys, FKeyNamesOnKeys);
    Store.WriteInteger(sec, ValScale, int(FScale));
    Store.WriteInteger(sec, ValScaleRoot, FScaleRoot);
    Store.WriteBool(sec, ValScaleKeysOnly, FScaleKeysOnly);
}

// --- Names ---------------------------------------------------------------------------------------

QString TKeyboardModel::PitchName(int PitchClass, TLanguage Language, bool Flats) {
    const auto &names = Language == TLanguage::German ? (Flats ? GermanFlatNames : GermanNames)
                        : Language == TLanguage::Italian
                            ? (Flats ? ItalianFlatNames : ItalianNames)
                            : (Flats ? InternationalFlatNames : InternationalNames);
    return QString::fromLatin1(names[size_t(((PitchClass % 12) + 12) % 12)]);
}

QString TKeyboardModel::NoteName(int Note, TLanguage Language, bool Flats, int MiddleCOctave) {
    Note = std::clamp(Note, 0, NoteCount - 1);
    MiddleCOctave = std::clamp(MiddleCOctave, MiddleCOctaveMin, MiddleCOctaveMax);
    return PitchName(Note % 12, Language, Flats) + QString::number(Note / 12 - 5 + MiddleCOctave);
}

QString TKeyboardModel::NoteName(int Note) const {
    return NoteName(Note, FLanguage, FFlatNames, FMiddleCOctave);
}

QString TKeyboardModel::NoteDisplayName(int Note) const {
    Note = std::clamp(Note, 0, NoteCount - 1);
    if (FNoteNames && !FNoteNames->at(Note).isEmpty())
        return FNoteNames->at(Note);
    return NoteName(Note);
}

// --- Geometry ----------------------------------------------------------------------------------

bool TKeyboardModel::IsBlack(int Note) {
    return BlackStep[size_t(((Note % 12) + 12) % 12)];
}

int TKeyboardModel::WhiteKeyIndex(int Note) {
    Note = std::clamp(Note, 0, NoteCount - 1);
    return 7 * (Note / 12) + WhiteBelow[size_t(Note % 12)];
}

int TKeyboardModel::ImageKeyWidth(TImageSize Size) {
    return ImageOctaveWidth[SizeIndex(Size)] / 7;
}

int TKeyboardModel::ImageBlackX(TImageSize Size, int BlackIndex) {
    return ImageBX[SizeIndex(Size)][size_t(std::clamp(BlackIndex, 0, 4))];
}

int TKeyboardModel::ImageBlackWidth(TImageSize Size) {
    return ImageBW[SizeIndex(Size)];
}

int TKeyboardModel::ImageBlackHeight(TImageSize Size) {
    return ImageBH[SizeIndex(Size)];
}

int TKeyboardModel::KeyLeft(int Note) const {
    Note = std::clamp(Note, 0, NoteCount - 1);
    const int octave = Note / 12;
    const int step = Note % 12;
    if (!BlackStep[size_t(step)])
        return WhiteKeyIndex(Note) * FKeyWidth;
    if (FPaintStyle == TPaintStyle::psImage)
        return 7 * octave * FKeyWidth + ImageBlackX(FImageSize, BlackIndexOfStep[size_t(step)]);
    return WhiteKeyIndex(Note) * FKeyWidth + FKeyWidth / 2;
}

int TKeyboardModel::KeyPixelWidth(int Note) const {
    if (IsBlack(Note) && FPaintStyle == TPaintStyle::psImage)
        return ImageBlackWidth(FImageSize);
    return FKeyWidth;
}

int TKeyboardModel::KeyPixelHeight(int Note) const {
    if (FPaintStyle == TPaintStyle::psImage)
        return IsBlack(Note) ? ImageBlackKeyHeight() : ImageKeyHeight();
    return IsBlack(Note) ? FHeight * 3 / 5 : FHeight;
}

TKeyboardModel::TUpperHalf TKeyboardModel::WhiteUpperHalf(int Note) {
    if (Note == NoteCount - 1)
        return TUpperHalf::Right; // the last key has no black key above it
    switch (((Note % 12) + 12) % 12) {
    case 0:
    case 5:
        return TUpperHalf::Left;
    case 4:
    case 11:
        return TUpperHalf::Right;
    default:
        return TUpperHalf::None;
    }
}
