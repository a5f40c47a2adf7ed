#include "takes/take.h"

#include <algorithm>

void TTake::Add(int64_t TimeUs, const uint8_t *Data, size_t Size) {
    if (Size == 0)
        return;
    if (!FMessages.empty())
        TimeUs = std::max(TimeUs, FMessages.back().TimeUs);
    FMessages.push_back({TimeUs, uint32_t(FBytes.size()), uint32_t(Size)});
    FBytes.insert(FBytes.end(), Data, Data + Size);
    FLengthUs = std::max(FLengthUs, TimeUs);
}

void TTake::Reserve(size_t Messages, size_t Bytes) {
    FMessages.reserve(Messages);
    FBytes.reserve(Bytes);
}

void TTake::SetLengthUs(int64_t Value) {
    FLengthUs = std::max(Value, FMessages.empty() ? int64_t(0) : FMessages.back().TimeUs);
}

size_t TTake::NoteCount() const {
    return size_t(std::count_if(FMessages.begin(), FMessages.end(), [this](const TTakeMessage &M) {
        const uint8_t *B = Data(M);
        return M.Size == 3 && (B[0] & 0xF0) == 0x90 && B[2] > 0;
    }));
}
