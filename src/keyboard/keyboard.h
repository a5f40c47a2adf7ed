#pragma once

// The on-screen piano: draws the keyboard model, plays it with the mouse, fingers and computer
// keys, and scrolls it. Everything the keyboard produces leaves through Model().OnNote; the
// owner sends it on. Space holds the sustain pedal while it is down.

#include "core/keyboardmodel.h"
#include "hook/keyboardhook.h"
#include "keyboard/keylabels.h"

#include <QEventPoint>
#include <QHash>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <array>
#include <bitset>
#include <vector>

class QTouchEvent;

class TCustomIniFile;

class TKeyboard : public QWidget {
    Q_OBJECT
public:
    explicit TKeyboard(QWidget *Parent = nullptr);
    ~TKeyboard() override;

    TKeyboardModel &Model() { return FModel; }
    const TKeyboardModel &Model() const { return FModel; }

    // Events of the mouse play; a handler may change Note, or veto a press with a note
    // outside 0..127. With OnMousePress assigned, a finger plays as the mouse does (one note),
    // so that the owner sees it.
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

    // Touch play with plain values: the Qt touch handler calls this for each touch point.
    // Pressure 0..127 where the screen senses it, else -1.
    void TouchPoint(int Id, QEventPoint::State State, QPoint Position, int Pressure, bool Shift);
    // The fingers on the keys now.
    int FingerCount() const { return int(FFingers.size()); }

    // The tooltip over key Note: the patch's name of the key, else the keyboard's own tooltip.
    QString KeyToolTip(int Note) const;

    // Computer-keyboard play: while on, the keys of the whole application play this keyboard
    // (its window switches it on while it is active). Switching it off first releases all.
    bool CaptureKeyboard() const { return FModel.CaptureKeyboard(); }
    void SetCaptureKeyboard(bool Value);
    // The handler of the keyboard hook: plays or releases the note of a key; returns whether
    // the key is swallowed.
    bool KeyHook(const TKeyData &Key, TShiftState Shift);
    const TKeyboardHook &KeyboardHook() const { return FHook; }

    // The zones of a split keyboard, drawn as coloured bands along the top of their keys, and
    // the keys the latch holds, marked in their band. No bands: nothing drawn (the marks too
    // stand on a band of the zone colour of the first).
    struct TZoneBand {
        int First = 0;
        int Last = 127;
        int Colour = 0; // ZoneColour's index
    };
    void SetZoneBands(const QList<TZoneBand> &Bands, const std::bitset<128> &Latched);
    // Colours that stand out on white and black keys alike, in light and dark themes.
    static QColor ZoneColour(int Index);
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
    bool event(QEvent *Event) override;
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
    // Lifts the sustain pedal Space holds, when it holds it.
    void LiftSpaceSustain();
    bool SpaceKey(const TKeyData &Key, TShiftState Shift, bool Edit);
    void TouchEvent(QTouchEvent *Event);
    void EndTouches();

    // Pictures
    void PrepareImages();
    void DropImages();
    void PaintDraw(QPainter &P, int First, int Last);
    void PaintImage(QPainter &P, int First, int Last);
    void DrawKeyDraw(QPainter &P, int Note);
    // The dot of a pressed or marked key, kept above Above (the labels' top).
    void DrawDot(QPainter &P, int Note, int X, qreal Above);
    void DrawKeyImage(QPainter &P, int Note);
    void DrawZoneBands(QPainter &P, const QRect &Area);
    // Sustained and out-of-scale keys, then the labels, over a drawn key.
    void DrawMarks(QPainter &P, int Note, int X);
    // Returns the top of what it wrote (the largest qreal when nothing).
    qreal DrawLabels(QPainter &P, int Note, int X);
    // The face of a key where its labels go, in control pixels.
    QRectF LabelFace(int Note, int X) const;
    // A label drawn once, at its place within its first pixel At.
    QPixmap LabelPicture(const TKeyLabel &Label, const QRectF &At, bool Black);

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
    QList<TZoneBand> FZoneBands;
    std::bitset<128> FLatched;
    bool FSpaceSustain = false;
    // The fingers on the keys: touch point id, the key under it and the pressure last sent.
    struct TFinger {
        int Id;
        int Note;
        int Pressure;
    };
    std::vector<TFinger> FFingers;

    // Key pictures, valid while psImage is active.
    bool FImagesLoaded = false;
    qreal FImagesDpr = 0;
    int FImagesHeight = 0;
    std::array<QPixmap, 7> FWhiteUp;
    std::array<QPixmap, 7> FWhiteDown;
    QPixmap FBlackUp;
    QPixmap FBlackDown;

    TKeyboardHook FHook;

    // Label layouts by face size and texts (relative to the face) and label pictures.
    QHash<QString, std::vector<TKeyLabel>> FLabelLayouts;
    QHash<QString, QPixmap> FLabelPictures;
    qreal FLabelsDpr = 0;
};
