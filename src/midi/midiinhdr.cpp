#include "midi/midiinhdr.h"

TMidiInHdrPool::TMidiInHdrPool(int Count, size_t Size) : FSize(Size), FFree(size_t(Count)) {
    FAll.reserve(size_t(Count));
    for (int i = 0; i < Count; ++i) {
        FAll.push_back(std::make_unique<TMidiInHdr>(Size));
        FFree.Push(FAll.back().get());
    }
}

TMidiInHdr *TMidiInHdrPool::Take() noexcept {
    const std::optional<TMidiInHdr *> Header = FFree.Take();
    if (!Header)
        return nullptr;
    (*Header)->Recorded = 0;
    return *Header;
}

void TMidiInHdrPool::GiveBack(TMidiInHdr *Header) noexcept {
    // The ring holds every buffer of the pool: giving one back always finds room.
    if (Header)
        FFree.Push(Header);
}
