#include "core/virtualkeys.h"

#include <Qt>

#include <array>
#include <utility>

namespace VirtualKeys {

namespace {

// Scan codes 0x00..0x58 of the main block and keypad, US layout.
constexpr std::array<uint8_t, 0x59> MainBlock{
    0,         vkEscape, '1',        '2',        '3',         '4',       '5',      '6',
    '7',       '8',      '9',        '0',        vkOemMinus,  vkOemPlus, vkBack,   vkTab,
    'Q',       'W',      'E',        'R',        'T',         'Y',       'U',      'I',
    'O',       'P',      vkOem4,     vkOem6,     vkReturn,    vkControl, 'A',      'S',
    'D',       'F',      'G',        'H',        'J',         'K',       'L',      vkOem1,
    vkOem7,    vkOem3,   vkShift,    vkOem5,     'Z',         'X',       'C',      'V',
    'B',       'N',      'M',        vkOemComma, vkOemPeriod, vkOem2,    vkShift,  vkMultiply,
    vkMenu,    vkSpace,  vkCapital,  vkF1,       vkF1 + 1,    vkF1 + 2,  vkF1 + 3, vkF1 + 4,
    vkF1 + 5,  vkF1 + 6, vkF1 + 7,   vkF1 + 8,   vkF1 + 9,    vkPause,   vkScroll, vkHome,
    vkUp,      vkPrior,  vkSubtract, vkLeft,     vkClear,     vkRight,   vkAdd,    vkEnd,
    vkDown,    vkNext,   vkInsert,   vkDelete,   0,           0,         vkOem102, vkF1 + 10,
    vkF1 + 11,
};

// Keys whose scan code carries the extended flag.
constexpr std::pair<uint8_t, uint8_t> ExtendedBlock[]{
    {0x1C, vkReturn},  {0x1D, vkControl}, {0x35, vkDivide}, {0x37, vkSnapshot}, {0x38, vkMenu},
    {0x45, vkNumLock}, {0x47, vkHome},    {0x48, vkUp},     {0x49, vkPrior},    {0x4B, vkLeft},
    {0x4D, vkRight},   {0x4F, vkEnd},     {0x50, vkDown},   {0x51, vkNext},     {0x52, vkInsert},
    {0x53, vkDelete},  {0x5B, vkLWin},    {0x5C, vkRWin},   {0x5D, vkApps},
};

// NumLock-on keys of the keypad, scan codes 0x47..0x53 (0: the key has none).
constexpr std::array<uint8_t, 13> KeypadDigits{
    vkNumpad0 + 7, vkNumpad0 + 8, vkNumpad0 + 9, 0,
    vkNumpad0 + 4, vkNumpad0 + 5, vkNumpad0 + 6, 0,
    vkNumpad0 + 1, vkNumpad0 + 2, vkNumpad0 + 3, vkNumpad0,
    vkDecimal,
};

constexpr std::pair<uint8_t, char> OemCharacters[]{
    {vkOem1, ';'},      {vkOemPlus, '='}, {vkOemComma, ','}, {vkOemMinus, '-'},
    {vkOemPeriod, '.'}, {vkOem2, '/'},    {vkOem3, '`'},     {vkOem4, '['},
    {vkOem5, '\\'},     {vkOem6, ']'},    {vkOem7, '\''},
};

constexpr std::pair<uint8_t, int> QtKeys[]{
    {vkBack, Qt::Key_Backspace},
    {vkTab, Qt::Key_Tab},
    {vkClear, Qt::Key_Clear},
    {vkReturn, Qt::Key_Return},
    {vkShift, Qt::Key_Shift},
    {vkControl, Qt::Key_Control},
    {vkMenu, Qt::Key_Alt},
    {vkPause, Qt::Key_Pause},
    {vkCapital, Qt::Key_CapsLock},
    {vkEscape, Qt::Key_Escape},
    {vkSpace, Qt::Key_Space},
    {vkPrior, Qt::Key_PageUp},
    {vkNext, Qt::Key_PageDown},
    {vkEnd, Qt::Key_End},
    {vkHome, Qt::Key_Home},
    {vkLeft, Qt::Key_Left},
    {vkUp, Qt::Key_Up},
    {vkRight, Qt::Key_Right},
    {vkDown, Qt::Key_Down},
    {vkSnapshot, Qt::Key_Print},
    {vkInsert, Qt::Key_Insert},
    {vkDelete, Qt::Key_Delete},
    {vkLWin, Qt::Key_Meta},
    {vkRWin, Qt::Key_Meta},
    {vkApps, Qt::Key_Menu},
    {vkMultiply, Qt::Key_Asterisk},
    {vkAdd, Qt::Key_Plus},
    {vkSubtract, Qt::Key_Minus},
    {vkDecimal, Qt::Key_Period},
    {vkDivide, Qt::Key_Slash},
    {vkNumLock, Qt::Key_NumLock},
    {vkScroll, Qt::Key_ScrollLock},
    {vkOem1, Qt::Key_Semicolon},
    {vkOemPlus, Qt::Key_Equal},
    {vkOemComma, Qt::Key_Comma},
    {vkOemMinus, Qt::Key_Minus},
    {vkOemPeriod, Qt::Key_Period},
    {vkOem2, Qt::Key_Slash},
    {vkOem3, Qt::Key_QuoteLeft},
    {vkOem4, Qt::Key_BracketLeft},
    {vkOem5, Qt::Key_Backslash},
    {vkOem6, Qt::Key_BracketRight},
    {vkOem7, Qt::Key_Apostrophe},
    {vkOem102, Qt::Key_Backslash},
    {0xA0, Qt::Key_Shift},
    {0xA2, Qt::Key_Control},
    {0xA4, Qt::Key_Alt},
};

bool IsKeypadNavigation(int ScanCode) {
    return ScanCode >= 0x47 && ScanCode <= 0x53;
}

} // namespace

uint8_t FromScanCode(int ScanCode, bool Extended) {
    if (Extended) {
        for (const auto &[scan, vk] : ExtendedBlock)
            if (scan == ScanCode)
                return vk;
        return 0;
    }
    if (ScanCode < 0 || ScanCode >= int(MainBlock.size()))
        return 0;
    return MainBlock[size_t(ScanCode)];
}

uint8_t ToScanCode(uint8_t VirtualKey) {
    if (VirtualKey == 0)
        return 0;
    for (size_t i = 0; i < MainBlock.size(); ++i)
        if (MainBlock[i] == VirtualKey)
            return uint8_t(i);
    for (const auto &[scan, vk] : ExtendedBlock)
        if (vk == VirtualKey)
            return scan;
    for (size_t i = 0; i < KeypadDigits.size(); ++i)
        if (KeypadDigits[i] != 0 && KeypadDigits[i] == VirtualKey)
            return uint8_t(0x47 + i);
    return 0;
}

bool IsKeypad(int ScanCode, bool Extended) {
    if (Extended)
        return ScanCode == 0x1C || ScanCode == 0x35;
    return ScanCode == 0x37 || IsKeypadNavigation(ScanCode);
}

uint8_t NumpadKeyOf(int ScanCode, bool Extended) {
    if (Extended || !IsKeypadNavigation(ScanCode))
        return 0;
    return KeypadDigits[size_t(ScanCode - 0x47)];
}

QString Character(uint8_t VirtualKey) {
    const auto one = [](char c) { return QString(QChar(c)); };
    if ((VirtualKey >= '0' && VirtualKey <= '9') || (VirtualKey >= 'A' && VirtualKey <= 'Z'))
        return one(char(VirtualKey));
    if (VirtualKey >= vkNumpad0 && VirtualKey <= vkNumpad0 + 9)
        return one(char('0' + VirtualKey - vkNumpad0));
    for (const auto &[vk, c] : OemCharacters)
        if (vk == VirtualKey)
            return one(c);
    switch (VirtualKey) {
    case vkSpace:
        return one(' ');
    case vkMultiply:
        return one('*');
    case vkAdd:
        return one('+');
    case vkSubtract:
        return one('-');
    case vkDecimal:
        return one('.');
    case vkDivide:
        return one('/');
    case vkOem102:
        return one('\\');
    case vkBack:
    case vkTab:
    case vkReturn:
    case vkEscape:
        return one(char(VirtualKey)); // control characters, as the system gives them
    default:
        return {};
    }
}

int QtKey(uint8_t VirtualKey) {
    if ((VirtualKey >= '0' && VirtualKey <= '9') || (VirtualKey >= 'A' && VirtualKey <= 'Z'))
        return VirtualKey; // Qt::Key_0.., Qt::Key_A.. have the same codes
    if (VirtualKey >= vkNumpad0 && VirtualKey <= vkNumpad0 + 9)
        return Qt::Key_0 + (VirtualKey - vkNumpad0);
    if (VirtualKey >= vkF1 && VirtualKey <= vkF1 + 23)
        return Qt::Key_F1 + (VirtualKey - vkF1);
    for (const auto &[vk, key] : QtKeys)
        if (vk == VirtualKey)
            return key;
    return Qt::Key_unknown;
}

uint8_t FromQtKey(int Key, bool Keypad) {
    if (Keypad) {
        if (Key >= Qt::Key_0 && Key <= Qt::Key_9)
            return uint8_t(vkNumpad0 + (Key - Qt::Key_0));
        switch (Key) {
        case Qt::Key_Asterisk:
            return vkMultiply;
        case Qt::Key_Plus:
            return vkAdd;
        case Qt::Key_Minus:
            return vkSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return vkDecimal;
        case Qt::Key_Slash:
            return vkDivide;
        case Qt::Key_Enter:
            return vkReturn;
        default:
            break;
        }
    }
    if ((Key >= Qt::Key_0 && Key <= Qt::Key_9) || (Key >= Qt::Key_A && Key <= Qt::Key_Z))
        return uint8_t(Key);
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24)
        return uint8_t(vkF1 + (Key - Qt::Key_F1));
    switch (Key) {
    case Qt::Key_Backtab:
        return vkTab;
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_AltGr:
        return vkMenu;
    case Qt::Key_Minus:
        return vkOemMinus;
    case Qt::Key_Slash:
        return vkOem2;
    case Qt::Key_Period:
        return vkOemPeriod;
    case Qt::Key_Backslash:
        return vkOem5;
    default:
        break;
    }
    for (const auto &[vk, key] : QtKeys)
        if (key == Key)
            return vk;
    return 0;
}

} // namespace VirtualKeys
