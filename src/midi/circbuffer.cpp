#include "midi/circbuffer.h"

#include "midi/midierror.h"

#include <QCoreApplication>
#include <algorithm>
#include <new>

TCircBuffer::TCircBuffer(int Capacity)
    : FCapacity(std::max(Capacity, 1)), FRing(MakeRing(FCapacity)) {}

TRtRing<TCircEntry> TCircBuffer::MakeRing(int Capacity) {
    try {
        return TRtRing<TCircEntry>(size_t(Capacity));
    } catch (const std::bad_alloc &) {
        throw EMidiInputError(QCoreApplication::translate("TMidiInput", "Out of memory."));
    }
}

bool TCircBuffer::Store(const TCircEntry &Entry) noexcept {
    // The ring rounds its size up; the buffer holds exactly its capacity.
    if (FRing.Size() >= size_t(FCapacity))
        return false;
    return FRing.Push(Entry);
}

std::optional<TCircEntry> TCircBuffer::Peek() const noexcept {
    if (const TCircEntry *Oldest = FRing.Front())
        return *Oldest;
    return std::nullopt;
}

bool TCircBuffer::Remove() noexcept {
    return FRing.Pop();
}
