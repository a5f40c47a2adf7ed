#include "midi/midiinhdr.h"

TMidiInHdrPool::TMidiInHdrPool(int Count, size_t Size) : FSize(Size) {
    FAll.reserve(size_t(Count));
    FFree.reserve(size_t(Count));
    for (int i = 0; i < Count; ++i) {
        FAll.push_back(std::make_unique<TMidiInHdr>(Size));
        FFree.push_back(FAll.back().get());
    }
}

TMidiInHdr *TMidiInHdrPool::Take() {
    std::lock_guard Guard(FLock);
    if (FFree.empty())
        return nullptr;
    TMidiInHdr *Header = FFree.back();
    FFree.pop_back();
    Header->Recorded = 0;
    return Header;
}

void TMidiInHdrPool::GiveBack(TMidiInHdr *Header) {
    if (!Header)
        return;
    std::lock_guard Guard(FLock);
    FFree.push_back(Header);
}

int TMidiInHdrPool::FreeCount() const {
    std::lock_guard Guard(FLock);
    return int(FFree.size());
}
