#pragma once

// The on-screen piano: draws the keyboard model, plays it with the mouse and scrolls it.
// Everything the keyboard produces leaves through Model().OnNote; the owner sends it on.

#include "core/keyboardmodel.h"
#include "hook/keyboardhook.h"

#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <array>

class TCustomIniFile;

class TKeyboard : public QWidget {
    Q_OBJECT
public:
    explicit TKeyboard(QWidget *Parent = nullptr);
    ~TKeyboard() override;

    TKeyboardModel &Model() { return FModel; }
    const TKeyboardModel &Model() const { return FModel; }

    // Events of the mouse play; a handler may change Note, or veto a press with a note
    // outside 0..127.
    TMouseNoteEvent OnMousePress;
    TMouseNoteEvent OnMouseDrag;
    TMouseNoteEvent OnMouseRelease;

    // Whether the keyboard takes the focus when clicked and draws the focus rectangle.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool Value);

    // Style changes that also prepare or drop the key pictures.
    void SetPaintStyle(TPaintStyle Value);
    void SetImageSize(TImageSize Value);
    void SetKeyWidth(int Value);

    // The keyboard's values in section Model().RegKey() of a settings store.
    void LoadKeyboardSettings(const TCustomIniFile &Store);
    void SaveKeyboardSettings(TCustomIniFile &Store) const;

    // Mouse play with plain values: the Qt event handlers call these.
    void MousePress(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseRelease(Qt::MouseButton Button, TShiftState Shift, int X, int Y);

    // Computer-keyboard play: while on, the keys of the whole application play this keyboard
    // (its window switches it on while it is active). Switching it off first releases all.
    bool CaptureKeyboard() const { return FModel.CaptureKeyboard(); }
    void SetCaptureKeyboard(bool Value);
    // The handler of the keyboard hook: plays or releases the note of a key; returns whether
    // the key is swallowed.
    bool KeyHook(const TKeyData &Key, TShiftState Shift);
    const TKeyboardHook &KeyboardHook() const { return FHook; }

    // While on (the default), a key that goes down out of sight, played or arriving from MIDI,
    // scrolls the keyboard just far enough to show it (and the other keys down, if they fit).
    bool FollowNotes() const { return FFollowNotes; }
    void SetFollowNotes(bool Value) { FFollowNotes = Value; }

    int LastHit() const { return FLastHit; }
    // The region the latest paint covered (lets tests see that a scroll painted only a band).
    QRegion LastPaintedRegion() const { return FLastPainted; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void showEvent(QShowEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void enterEvent(QEnterEvent *Event) override;
    void leaveEvent(QEvent *Event) override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;

private:
    int HitTest(int X, int Y);
    uint8_t PlayVelocity(TShiftState Shift) const;
    void DriveControllers(int X, int Y);
    void UpdateCursor(TShiftState Shift);
    void Hover(const QString &Text);
    void KeyChanged(int Note);
    // Scrolls to the keys down that are out of sight (after the event that pressed them, so
    // that a chord scrolls once).
    void FollowPressed();
    void Scroll(int OldOffset, int NewOffset);
    void ApplyWidthLimit();
    void KeyboardLost();

    // Pictures
    void PrepareImages();
    void DropImages();
    void PaintDraw(QPainter &P, int First, int Last);
    void PaintImage(QPainter &P, int First, int Last);
    void DrawKeyDraw(QPainter &P, int Note);
    void DrawDot(QPainter &P, int Note, int X);
    void DrawKeyImage(QPainter &P, int Note);

    TKeyboardModel FModel;
    Qt::MouseButtons FButtonsDown;
    int FPressX = 0;
    int FPressY = 0;
    int FDragX = 0;
    int FDragOffset = 0;
    int FLastHit = 0;
    int FLastMoveNote = -1;
    bool FHandCursor = false;
    bool FFollowNotes = true;
    bool FFollowPending = false;
    int FFollowLatest = -1;
    QRegion FLastPainted;

    // Key pictures, valid while psImage is active.
    bool FImagesLoaded = false;
    qreal FImagesDpr = 0;
    int FImagesHeight = 0;
    std::array<QPixmap, 7> FWhiteUp;
    std::array<QPixmap, 7> FWhiteDown;
    QPixmap FBlackUp;
    QPixmap FBlackDown;

    TKeyboardHook FHook;
};
