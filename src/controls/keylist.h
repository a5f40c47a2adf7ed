#pragma once

// The captured keys of a key edit box, in order of arrival; the list owns its events.

#include "controls/keyevent.h"

#include <vector>

class TKeyList {
public:
    int Count() const { return int(FEvents.size()); }
    // Index must lie within 0..Count - 1; anything else is a programming error.
    const TKeyEvent &At(int Index) const;
    void Add(const TKeyEvent &Event) { FEvents.push_back(Event); }
    void Delete(int Index);
    void Clear() { FEvents.clear(); }

private:
    std::vector<TKeyEvent> FEvents;
};
