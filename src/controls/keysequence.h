#pragma once

// The keys a key edit box has captured, and the text that shows them: "Q" for a single press,
// "A B " for A and B typed one after the other, "Shift(A )" for A typed with Shift held.

#include "controls/keylist.h"

#include <QString>

#include <functional>

struct TKeyData;

class TKeySequence {
public:
    // Called after every change of the list.
    std::function<void()> OnChange;

    // Adds the key of a hook record; an auto-repeated press adds nothing.
    void AddKeyData(const TKeyData &Data);
    // Appends the event; with OnlyOneChar a press replaces the list and a release is dropped.
    void AddEvent(const TKeyEvent &Event);
    // Index within 0..Count - 1.
    const TKeyEvent &EventAt(int Index) const { return FKeys.At(Index); }
    // Removes the last press and its release, if any.
    void RemoveLastKey();
    void Clear();
    int Count() const { return FKeys.Count(); }
    QString SequenceText() const;

    bool OnlyOneChar() const { return FOnlyOneChar; }
    // Turning it on keeps only the first event, as a press.
    void SetOnlyOneChar(bool Value);

private:
    void Changed();

    TKeyList FKeys;
    bool FOnlyOneChar = false;
};
