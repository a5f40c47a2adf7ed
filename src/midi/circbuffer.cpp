#include "midi/circbuffer.h"

#include "midi/midierror.h"

#include <algorithm>
#include <new>

TCircBuffer::TCircBuffer(int Capacity) {
    try {
        FEntries.resize(size_t(std::max(Capacity, 1)));
    } catch (const std::bad_alloc &) {
        throw EMidiInputError(QStringLiteral("Out of memory."));
    } catch (const std::length_error &) {
        throw EMidiInputError(QStringLiteral("Out of memory."));
    }
}

bool TCircBuffer::Store(const TCircEntry &Entry) {
    std::lock_guard Guard(FLock);
    if (FCount >= Capacity())
        return false;
    FEntries[size_t(FWritePos)] = Entry;
    FWritePos = (FWritePos + 1) % Capacity();
    ++FCount;
    return true;
}

std::optional<TCircEntry> TCircBuffer::Peek() const {
    std::lock_guard Guard(FLock);
    if (FCount == 0)
        return std::nullopt;
    return FEntries[size_t(FReadPos)];
}

bool TCircBuffer::Remove() {
    std::lock_guard Guard(FLock);
    if (FCount == 0)
        return false;
    FReadPos = (FReadPos + 1) % Capacity();
    --FCount;
    return true;
}

int TCircBuffer::Count() const {
    std::lock_guard Guard(FLock);
    return FCount;
}
