#include "core/scancodemap.h"

#include <cstddef>

namespace {

constexpr std::array<int, 7> WhiteSteps{0, 2, 4, 5, 7, 9, 11};

bool IsBlackNote(int Note) {
    const int step = ((Note % 12) + 12) % 12;
    return step == 1 || step == 3 || step == 6 || step == 8 || step == 10;
}

} // namespace

TScanCodeMap::TScanCodeMap() {
    FOffset.fill(Unmapped);
    RebuildRow(Lower, Lower.DefaultC);
    RebuildRow(Upper, Upper.DefaultC);
}

int TScanCodeMap::Offset(int ScanCode) const {
    if (ScanCode < 0 || ScanCode >= int(FOffset.size()))
        return Unmapped;
    return FOffset[std::size_t(ScanCode)];
}

void TScanCodeMap::RebuildRow(const TRow &Row, int CKey) {
    for (int i = Row.BlackFirst; i <= Row.BlackLast; ++i)
        FOffset[std::size_t(i)] = Unmapped;
    // A C key seven or more keys into the row plays the C an octave up: the row then starts
    // with the same notes as from the first key.
    if (CKey >= Row.WhiteFirst + 7)
        CKey -= 7;
    const int into = CKey - Row.WhiteFirst;
    // The first white key plays the white note that many white keys below C.
    int note =
        into == 0 ? Row.BaseOffset : WhiteSteps[std::size_t((7 - into) % 7)] + Row.BaseOffset - 12;
    // The black key to the left of the first white key plays the semitone below, if black.
    if (IsBlackNote(note - 1))
        --note;
    int white = Row.WhiteFirst;
    int black = Row.BlackFirst;
    while (white <= Row.WhiteLast || black <= Row.BlackLast) {
        if (IsBlackNote(note)) {
            if (black >= Row.BlackFirst && black <= Row.BlackLast)
                FOffset[std::size_t(black)] = int16_t(note);
        } else {
            if (white <= Row.WhiteLast)
                FOffset[std::size_t(white)] = int16_t(note);
            ++white;
            ++black;
        }
        ++note;
    }
}
