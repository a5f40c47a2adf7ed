#pragma once

// Windows virtual-key codes of the keys of a PC keyboard, derived from their set 1 scan codes
// as a US layout places them. Key records carry these codes on every platform, so that a key
// is the same physical key whatever the layout, and settings and key lists travel unchanged.

#include <QString>

#include <cstdint>

namespace VirtualKeys {

constexpr uint8_t vkBack = 0x08;
constexpr uint8_t vkTab = 0x09;
constexpr uint8_t vkClear = 0x0C;
constexpr uint8_t vkReturn = 0x0D;
constexpr uint8_t vkShift = 0x10;
constexpr uint8_t vkControl = 0x11;
constexpr uint8_t vkMenu = 0x12; // Alt
constexpr uint8_t vkPause = 0x13;
constexpr uint8_t vkCapital = 0x14;
constexpr uint8_t vkEscape = 0x1B;
constexpr uint8_t vkSpace = 0x20;
constexpr uint8_t vkPrior = 0x21;
constexpr uint8_t vkNext = 0x22;
constexpr uint8_t vkEnd = 0x23;
constexpr uint8_t vkHome = 0x24;
constexpr uint8_t vkLeft = 0x25;
constexpr uint8_t vkUp = 0x26;
constexpr uint8_t vkRight = 0x27;
constexpr uint8_t vkDown = 0x28;
constexpr uint8_t vkSnapshot = 0x2C;
constexpr uint8_t vkInsert = 0x2D;
constexpr uint8_t vkDelete = 0x2E;
constexpr uint8_t vkLWin = 0x5B;
constexpr uint8_t vkRWin = 0x5C;
constexpr uint8_t vkApps = 0x5D;
constexpr uint8_t vkNumpad0 = 0x60;
constexpr uint8_t vkMultiply = 0x6A;
constexpr uint8_t vkAdd = 0x6B;
constexpr uint8_t vkSubtract = 0x6D;
constexpr uint8_t vkDecimal = 0x6E;
constexpr uint8_t vkDivide = 0x6F;
constexpr uint8_t vkF1 = 0x70;
constexpr uint8_t vkNumLock = 0x90;
constexpr uint8_t vkScroll = 0x91;
constexpr uint8_t vkOem1 = 0xBA; // ;
constexpr uint8_t vkOemPlus = 0xBB;
constexpr uint8_t vkOemComma = 0xBC;
constexpr uint8_t vkOemMinus = 0xBD;
constexpr uint8_t vkOemPeriod = 0xBE;
constexpr uint8_t vkOem2 = 0xBF; // /
constexpr uint8_t vkOem3 = 0xC0; // `
constexpr uint8_t vkOem4 = 0xDB; // [
constexpr uint8_t vkOem5 = 0xDC; // backslash
constexpr uint8_t vkOem6 = 0xDD; // ]
constexpr uint8_t vkOem7 = 0xDE; // '
constexpr uint8_t vkOem102 = 0xE2;

// The virtual key of a scan code; keypad keys give their NumLock-off keys (Home, Up, ...).
// 0 for a code no key of the layout has.
uint8_t FromScanCode(int ScanCode, bool Extended);

// The scan code of a virtual key (without the extended flag), 0 if no key produces it.
uint8_t ToScanCode(uint8_t VirtualKey);

// Whether the key is one of the numeric keypad.
bool IsKeypad(int ScanCode, bool Extended);

// The keypad's digit or decimal-point key for its NumLock-off key, 0 for other codes.
uint8_t NumpadKeyOf(int ScanCode, bool Extended);

// The character the key produces without modifiers on a US layout (letters in capitals, as
// Windows reports them); empty if none.
QString Character(uint8_t VirtualKey);

// The Qt key of a virtual key (Qt::Key_unknown if there is none).
int QtKey(uint8_t VirtualKey);

// The virtual key of a Qt key, for key events that carry no scan code (0 if none).
uint8_t FromQtKey(int Key, bool Keypad);

} // namespace VirtualKeys
