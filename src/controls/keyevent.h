#pragma once

// One key captured by the key edit box: which key, press or release, and its name.

#include <QString>

#include <cstdint>

struct TKeyData;

class TKeyEvent {
public:
    TKeyEvent() = default;
    // From a hook record; a release is a record with both the previous state and the transition.
    explicit TKeyEvent(const TKeyData &Data);
    // From a physical key.
    TKeyEvent(int ScanCode, bool Extended, bool Released);

    uint8_t VirtualKey = 0;
    bool Extended = false;
    bool Released = false;
    QString Name; // empty when the key has no name

    // The scan code of the event's virtual key.
    int EventScanCode() const;

    // Same key (virtual key and extended flag).
    bool SameKey(const TKeyEvent &Other) const {
        return VirtualKey == Other.VirtualKey && Extended == Other.Extended;
    }
};
