#pragma once

// Which computer key plays which note. Two rows of a PC keyboard (set 1 scan codes) play the
// white notes of two octaves, the row above each the black notes between them. The map holds
// the note offset of each key relative to 12 x KeyOctave; the C key of each row can be moved.

#include <array>
#include <cstdint>

class TScanCodeMap {
public:
    // Marks a key that plays nothing.
    static constexpr int Unmapped = 255;

    struct TRow {
        int WhiteFirst, WhiteLast; // scan codes of the white keys
        int BlackFirst, BlackLast; // scan codes of the black keys, the row above
        int BaseOffset;            // the note of the default C key
        int DefaultC;
    };
    // Z X C V B N M , . /  under  A S D F G H J K L ; '
    static constexpr TRow Lower{44, 53, 30, 40, 0, 44};
    // Q W E R T Y U I O P [ ]  under  1 2 3 4 5 6 7 8 9 0 - =
    static constexpr TRow Upper{16, 27, 2, 13, 12, 16};

    TScanCodeMap();

    // The offset key ScanCode plays, or Unmapped.
    int Offset(int ScanCode) const;

    // Rebuilds one row so that the white key at scan code CKey plays the row's C. CKey must lie
    // within the row's white keys (callers validate).
    void RebuildRow(const TRow &Row, int CKey);

private:
    std::array<int16_t, 256> FOffset{};
};
