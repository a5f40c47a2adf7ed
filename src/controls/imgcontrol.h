#pragma once

// A value Min..Max shown as one frame of a TFrameImage. As a strip it is moved by relative drags
// (Shift for a fine mode, a detent at MiddlePos) and by keys; with a button image it is a push or
// toggle button that can repeat while held. Every change made by the user goes through ScrollTo
// and OnScroll; setting Position from code does not fire OnScroll.

#include "controls/imgcontrolbase.h"
#include "controls/movinghint.h"

class QTimer;

class TImgControl : public TImgControlBase {
    Q_OBJECT
public:
    explicit TImgControl(QWidget *Parent = nullptr);
    ~TImgControl() override;

    // The value, always within Min..Max.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // A Max below Min (or a Min above Max) is refused.
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    // Step of the arrow keys and value units per pixel of drag.
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    // Step of Page Up / Page Down.
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }
    // sbVertical: an upward drag increases; sbHorizontal: a rightward drag increases.
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value) { FKind = Value; }
    // The detent: the value stops at MiddlePos and leaves it only after MiddleSnap more pixels
    // (a negative MiddleSnap is refused).
    int MiddlePos() const { return FMiddlePos; }
    void SetMiddlePos(int Value) { FMiddlePos = Value; }
    int MiddleSnap() const { return FMiddleSnap; }
    void SetMiddleSnap(int Value);

    // Sizes the control to one frame (plus the caption line).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // Shows the value as text below the picture.
    bool CaptionShow() const { return FCaptionShow; }
    void SetCaptionShow(bool Value);
    TCaptionLayout CaptionLayout() const { return FCaptionLayout; }
    void SetCaptionLayout(TCaptionLayout Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    TOnImgScrollEvent OnScroll;
    // A button click, and every repeat while an AutoRepeat button is held.
    TNotifyEvent OnButtonClick;

    // Shows the value (or OnGetScrollHint's text) in a moving hint while dragging.
    bool ShowScrollHint() const { return FShowScrollHint; }
    void SetShowScrollHint(bool Value) { FShowScrollHint = Value; }
    TOnGetScrollHint OnGetScrollHint;

    // A held button clicks at once, again after AutoRepeatInitDelay ms, then every
    // AutoRepeatDelay ms until released (no click at the release). Delays below 1 are refused.
    bool AutoRepeat() const { return FAutoRepeat; }
    void SetAutoRepeat(bool Value) { FAutoRepeat = Value; }
    int AutoRepeatInitDelay() const { return FAutoRepeatInitDelay; }
    void SetAutoRepeatInitDelay(int Value);
    int AutoRepeatDelay() const { return FAutoRepeatDelay; }
    void SetAutoRepeatDelay(int Value);

    // The one path of every change made by the user: clamps, asks OnScroll, sets Position.
    void ScrollTo(int Value);
    // The frame that shows Position; -1 without an image.
    int FrameIndex() const;
    // The caption text: the value in decimal.
    const QString &Caption() const { return FCaption; }
    QRect CaptionRect() const;
    bool Dragging() const { return FDragging; }
    bool Repeating() const;
    const TMovingHint &ScrollHint() const { return FHint; }

    QSize sizeHint() const override;

protected:
    void ImageChanged() override;
    void PaintContent(QPainter &Painter) override;
    QRect PictureRect() const override;

    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void keyReleaseEvent(QKeyEvent *Event) override;
    void changeEvent(QEvent *Event) override;

private:
    bool IsButton() const;
    bool IsTwoState() const;
    bool InsideFrame(QPoint P) const;
    void ApplyButtonRule(QPoint P);
    void ButtonClick();
    void RepeatTick();
    void StopRepeat();
    // Ends a drag the user gave up on (Escape, another button pressed).
    void CancelDrag();
    void UpdateScrollHint(bool Force);
    void Redraw();
    void ApplyAutoSize();
    QSize WantedSize() const;

    int FPosition = 0;
    int FMax = 100;
    int FMin = 0;
    int FSmallChange = 1;
    int FLargeChange = 10;
    TScrollBarKind FKind = TScrollBarKind::sbVertical;
    int FMiddlePos = 0;
    int FMiddleSnap = 5;
    bool FAutoSize = true;
    bool FCaptionShow = false;
    TCaptionLayout FCaptionLayout = TCaptionLayout::caBottom;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FShowScrollHint = false;
    bool FAutoRepeat = false;
    int FAutoRepeatInitDelay = 700;
    int FAutoRepeatDelay = 200;

    QString FCaption = QStringLiteral("0");
    int FStartPosition = 0;
    QPoint FAnchor;
    bool FFine = false;
    bool FDragging = false;
    int FLastFrame = -1;
    TMovingHint FHint;
    QTimer *FRepeatTimer = nullptr;
};
