#pragma once

// A read-only edit box that captures keys instead of text: while it has the focus, every key
// press and release of the application reaches it through the keyboard hook, is offered to the
// owner and recorded; the text names the recorded keys. With OnlyOneChar it picks one key (the
// settings dialog picks the C key of each row this way).

#include "controls/keysequence.h"
#include "hook/keyboardhook.h"

#include <QLineEdit>

#include <functional>

class TVKEdit : public QLineEdit {
    Q_OBJECT
public:
    using TVKEditStringEvent = std::function<void(QObject *Sender, const QString &S)>;
    using TVKEditAllowEvent =
        std::function<void(QObject *Sender, const TKeyData &KeyData, bool &DoAdd)>;

    explicit TVKEdit(QWidget *Parent = nullptr);
    ~TVKEdit() override;

    // A diagnostic text after each key.
    TVKEditStringEvent OnDebug;
    // Lets the owner refuse a key (DoAdd false); a refused key is still swallowed.
    TVKEditAllowEvent OnKeyEvent;

    // Tab is captured instead of moving the focus.
    bool WantTab() const { return FWantTab; }
    void SetWantTab(bool Value) { FWantTab = Value; }
    // Backspace is captured instead of deleting the last key.
    bool WantBackspace() const { return FWantBackspace; }
    void SetWantBackspace(bool Value) { FWantBackspace = Value; }
    // End, Home and the arrow keys are captured instead of passed on.
    bool WantSpecialChars() const { return FWantSpecialChars; }
    void SetWantSpecialChars(bool Value) { FWantSpecialChars = Value; }
    // Keep only the latest key press.
    bool OnlyOneChar() const { return FSequence.OnlyOneChar(); }
    void SetOnlyOneChar(bool Value) { FSequence.SetOnlyOneChar(Value); }

    const TKeySequence &Sequence() const { return FSequence; }
    TKeySequence &Sequence() { return FSequence; }
    // Empties the sequence (and the text).
    void Clear() { FSequence.Clear(); }

    // The hook's handler; returns whether the key is swallowed.
    bool KeyHook(const TKeyData &Key);
    const TKeyboardHook &KeyboardHook() const { return FHook; }

protected:
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;

private:
    void RefreshText();

    bool FWantTab = false;
    bool FWantBackspace = false;
    bool FWantSpecialChars = true;
    TKeySequence FSequence;
    TKeyboardHook FHook;
};
