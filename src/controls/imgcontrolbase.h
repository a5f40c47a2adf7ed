#pragma once

// The common base of the picture-strip controls: it shows a TFrameImage shared with other
// controls, paints the background and the focus rectangle, and fires the owner's mouse, key and
// focus events. TImgControl adds the value and its behaviour.

#include "controls/frameimage.h"
#include "controls/imgcontroltypes.h"

#include <QColor>
#include <QWidget>

class QMouseEvent;
class QKeyEvent;
class QPainter;

class TImgControlBase : public QWidget {
    Q_OBJECT
public:
    explicit TImgControlBase(QWidget *Parent = nullptr);
    ~TImgControlBase() override;

    // The image shown (not owned); destroying the image sets this back to null.
    TFrameImage *FrameImage() const { return FFrameImage; }
    void SetFrameImage(TFrameImage *Value);

    // Without a background of its own: the parent shows where the picture does not cover.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // When off, mouse and keys change nothing (the owner's events still fire).
    bool AllowUserControl() const { return FAllowUserControl; }
    void SetAllowUserControl(bool Value) { FAllowUserControl = Value; }
    // Takes the focus by Tab and by a click, and then shows a focus rectangle.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool Value);
    // The background colour, shown where the picture does not cover.
    QColor Color() const;
    void SetColor(const QColor &Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TControlMouseEvent OnMouseDown;
    TControlMouseEvent OnMouseMove;
    TControlMouseEvent OnMouseUp;
    TControlKeyEvent OnKeyDown;
    TControlKeyEvent OnKeyUp;

protected:
    friend class TSharedImage;
    // The image or its frames changed, or the image was attached or detached.
    virtual void ImageChanged();
    // Draws what the control shows over the background.
    virtual void PaintContent(QPainter &Painter) = 0;
    // The area the picture covers, so the background is not painted under it.
    virtual QRect PictureRect() const;

    void DoChange();
    void DoMouseDown(QMouseEvent *Event);
    void DoMouseMove(QMouseEvent *Event);
    void DoMouseUp(QMouseEvent *Event);
    // Fires OnKeyDown / OnKeyUp; returns the key as the handler left it (0: swallowed).
    int DoKeyDown(QKeyEvent *Event);
    int DoKeyUp(QKeyEvent *Event);

    void paintEvent(QPaintEvent *Event) override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;

private:
    void ImageDestroyed(TSharedImage *Image);

    TFrameImage *FFrameImage = nullptr;
    bool FTransparent = false;
    bool FAllowUserControl = true;
};
