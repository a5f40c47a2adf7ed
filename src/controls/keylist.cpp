#include "controls/keylist.h"

#include <cstddef>
#include <stdexcept>

namespace {

void CheckIndex(int Index, int Count) {
    if (Index < 0 || Index >= Count)
        throw std::out_of_range("keylist: Index out of bounds");
}

} // namespace

const TKeyEvent &TKeyList::At(int Index) const {
    CheckIndex(Index, Count());
    return FEvents[std::size_t(Index)];
}

void TKeyList::Delete(int Index) {
    CheckIndex(Index, Count());
    FEvents.erase(FEvents.begin() + Index);
}
