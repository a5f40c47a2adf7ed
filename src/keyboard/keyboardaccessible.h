#pragma once

// What a screen reader learns of the piano keyboard: the keyboard is a group of 128 keys, each
// named by its note ("C3") and pressed while it sounds, whether played here or arriving from
// MIDI input. The key that last began to sound is the one under focus, so that a reader
// following the focus names each note as it is played. UI thread only.

#include <QAccessibleWidget>

#include <array>

class TKeyboard;

class TKeyboardAccessible : public QAccessibleWidget {
public:
    explicit TKeyboardAccessible(TKeyboard *Keyboard);
    ~TKeyboardAccessible() override;

    // Makes Qt ask for this interface for every TKeyboard; once per program.
    static void Install();
    // Key Note of Keyboard began or stopped sounding: the reader is told (when one listens).
    static void KeyChanged(TKeyboard *Keyboard, int Note);

    QString text(QAccessible::Text Type) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int Index) const override;
    int indexOfChild(const QAccessibleInterface *Child) const override;
    QAccessibleInterface *childAt(int X, int Y) const override;
    QAccessibleInterface *focusChild() const override;

    // The note under focus: the latest key that began to sound; -1 before any.
    int FocusNote() const { return FFocusNote; }
    TKeyboard *Keyboard() const;

private:
    void NoteChanged(int Note);
    // The names of the sounding notes, lowest first.
    QString SoundingText() const;

    mutable std::array<QAccessible::Id, 128> FKeys{};
    int FFocusNote = -1;
};
