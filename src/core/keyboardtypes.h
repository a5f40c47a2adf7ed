#pragma once

// Vocabulary shared by the keyboard model, the keyboard widget and their owners.

#include <QFlags>
#include <QString>
#include <Qt>

#include "core/midivocabulary.h"

#include <cstdint>
#include <functional>

class QObject;

enum class TChord : uint8_t {
    chNone = 0,
    chMajor = 1,
    chMinor = 2,
    chMajor7 = 3,
    chMinor7 = 4,
    chFifths = 5,
    chOctave = 6,
    chPower = 7,
    chCustom = 8,
};
constexpr int ChordKindCount = 9;

enum class TLanguage : uint8_t { International = 0, German = 1, Italian = 2 };
constexpr int LanguageCount = 3;

enum class TPaintStyle : uint8_t { psDraw = 0, psImage = 1 };

enum class TImageSize : uint8_t { isSmall = 0, isNormal = 1, isBig = 2 };
constexpr int ImageSizeCount = 3;

// Which keys show their note name.
enum class TNoteLabels : uint8_t { nlNone = 0, nlC = 1, nlAll = 2, nlPressed = 3 };
constexpr int NoteLabelsCount = 4;

// The octave number note 60 is named with ("C3" by default).
constexpr int MiddleCOctaveMin = 3;
constexpr int MiddleCOctaveMax = 5;

constexpr int KeyOctaveMin = 0;
constexpr int KeyOctaveMax = 10;

// Where a key the keyboard plays came from: the mouse (or a finger), or one of the two rows of
// computer keys; ksAny lets go of a key whatever played it.
enum class TKeySource : uint8_t { ksMouse, ksLowerRow, ksUpperRow, ksAny };

// How the mouse is currently used on the keyboard.
enum class TMouseMode : uint8_t { None, Normal, Hold, BaseNoteDrag };

enum class TShiftStateFlag : uint8_t {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

// The shift state of a key or mouse event: Shift, Alt, Ctrl and the mouse buttons held.
TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons = {});

// Events: an unassigned std::function is simply not raised.
using TNotifyEvent = std::function<void(QObject *Sender)>;
// Every short message the keyboard produces, as the one value it keeps up to the port.
using TNoteEvent = std::function<void(QObject *Sender, const TShortMessage &Message)>;
using TStringEvent = std::function<void(QObject *Sender, const QString &Text)>;
using TMouseNoteEvent =
    std::function<void(QObject *Sender, int &Note, Qt::MouseButton Button, TShiftState Shift)>;
