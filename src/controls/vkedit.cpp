#include "controls/vkedit.h"

#include "core/virtualkeys.h"

TVKEdit::TVKEdit(QWidget *Parent) : QLineEdit(Parent) {
    setReadOnly(true);
    FSequence.OnChange = [this] { RefreshText(); };
    FHook.SetHandler(
        [this](TKeyboardHook *, const TKeyData &Key, bool &Handled) { Handled = KeyHook(Key); });
}

TVKEdit::~TVKEdit() {
    FHook.Remove();
}

bool TVKEdit::KeyHook(const TKeyData &Key) {
    using namespace VirtualKeys;
    if (Key.VirtualKey == vkTab && !FWantTab)
        return false; // the window moves the focus on
    bool handled = true;
    bool accept = true;
    if (Key.VirtualKey == vkBack && !FWantBackspace) {
        accept = false;
        if (!Key.PreviousState)
            FSequence.RemoveLastKey();
    }
    if (Key.VirtualKey >= vkEnd && Key.VirtualKey <= vkDown && !FWantSpecialChars) {
        accept = false;
        handled = false;
    }
    if (accept) {
        if (OnKeyEvent)
            OnKeyEvent(this, Key, accept);
        if (accept)
            FSequence.AddKeyData(Key);
    }
    if (OnDebug)
        OnDebug(this, QStringLiteral("List count=%1").arg(FSequence.Count()));
    if (handled && !accept)
        RefreshText();
    return handled;
}

void TVKEdit::focusInEvent(QFocusEvent *Event) {
    QLineEdit::focusInEvent(Event);
    FHook.Add();
}

void TVKEdit::focusOutEvent(QFocusEvent *Event) {
    FHook.Remove();
    QLineEdit::focusOutEvent(Event);
}

void TVKEdit::RefreshText() {
    setText(FSequence.SequenceText());
}
