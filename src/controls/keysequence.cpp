#include "controls/keysequence.h"

#include "hook/keyboardhook.h"

#include <array>

void TKeySequence::AddKeyData(const TKeyData &Data) {
    if (Data.IsAutoRepeat())
        return;
    AddEvent(TKeyEvent(Data));
}

void TKeySequence::AddEvent(const TKeyEvent &Event) {
    if (FOnlyOneChar) {
        if (Event.Released)
            return;
        FKeys.Clear();
    }
    FKeys.Add(Event);
    Changed();
}

void TKeySequence::RemoveLastKey() {
    int press = FKeys.Count() - 1;
    while (press >= 0 && FKeys.At(press).Released)
        --press;
    if (press < 0)
        return;
    const TKeyEvent key = FKeys.At(press);
    for (int i = FKeys.Count() - 1; i > press; --i) {
        const TKeyEvent &e = FKeys.At(i);
        if (e.Released && e.VirtualKey == key.VirtualKey) {
            FKeys.Delete(i);
            break;
        }
    }
    FKeys.Delete(press);
    Changed();
}

void TKeySequence::Clear() {
    FKeys.Clear();
    Changed();
}

void TKeySequence::SetOnlyOneChar(bool Value) {
    FOnlyOneChar = Value;
    if (!Value || FKeys.Count() <= 1)
        return;
    TKeyEvent first = FKeys.At(0);
    first.Released = false;
    FKeys.Clear();
    FKeys.Add(first);
    Changed();
}

QString TKeySequence::SequenceText() const {
    // Which keys are down at each point, by virtual key and extended flag.
    std::array<std::array<bool, 2>, 256> down{};
    TKeyEvent previous;
    previous.Released = true;
    QString text;
    for (int i = 0; i < FKeys.Count(); ++i) {
        const TKeyEvent &e = FKeys.At(i);
        bool &isDown = down[e.VirtualKey][e.Extended ? 1 : 0];
        if (e.Released) {
            if (e.SameKey(previous))
                text += QLatin1Char(' ');
            else if (isDown)
                text += QLatin1Char(')');
        } else {
            if (!previous.Released)
                text += QLatin1Char('(');
            text += e.Name;
        }
        isDown = !e.Released;
        previous = e;
    }
    // Keys still held close their group, except the one pressed last.
    for (int vk = 1; vk < 256; ++vk)
        for (int ext = 0; ext < 2; ++ext)
            if (down[size_t(vk)][size_t(ext)] &&
                !(vk == previous.VirtualKey && (ext == 1) == previous.Extended))
                text += QLatin1Char(')');
    return text;
}

void TKeySequence::Changed() {
    if (OnChange)
        OnChange();
}
