#include "controls/imgcontrolbase.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TImgControlBase::TImgControlBase(QWidget *Parent) : QWidget(Parent) {
    setBackgroundRole(QPalette::Button);
    setFocusPolicy(Qt::StrongFocus);
    resize(47, 47);
}

TImgControlBase::~TImgControlBase() {
    if (FFrameImage)
        FFrameImage->DetachControl(this);
}

void TImgControlBase::SetFrameImage(TFrameImage *Value) {
    if (Value == FFrameImage)
        return;
    TFrameImage *old = FFrameImage;
    FFrameImage = Value;
    if (old)
        old->DetachControl(this);
    if (Value)
        Value->AttachControl(this);
}

void TImgControlBase::ImageDestroyed(TSharedImage *Image) {
    if (Image != FFrameImage)
        return;
    FFrameImage = nullptr;
    ImageChanged();
}

void TImgControlBase::ImageChanged() {
    update();
}

void TImgControlBase::SetTransparent(bool Value) {
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    update();
}

void TImgControlBase::SetTabStop(bool Value) {
    setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus);
}

QColor TImgControlBase::Color() const {
    return palette().color(backgroundRole());
}

void TImgControlBase::SetColor(const QColor &Value) {
    QPalette pal = palette();
    pal.setColor(backgroundRole(), Value);
    setPalette(pal);
    update();
}

QRect TImgControlBase::PictureRect() const {
    if (!FFrameImage || FFrameImage->ShowsCross())
        return {};
    return QRect(0, 0, FFrameImage->Width(), FFrameImage->Height()) & rect();
}

void TImgControlBase::DoChange() {
    if (OnChange)
        OnChange(this);
}

void TImgControlBase::DoMouseDown(QMouseEvent *Event) {
    if (!OnMouseDown)
        return;
    TShiftState shift = ShiftStateOf(Event->modifiers(), Event->buttons());
    if (Event->type() == QEvent::MouseButtonDblClick)
        shift |= TShiftStateFlag::ssDouble;
    const QPoint p = Event->position().toPoint();
    OnMouseDown(this, Event->button(), shift, p.x(), p.y());
}

void TImgControlBase::DoMouseMove(QMouseEvent *Event) {
    if (!OnMouseMove)
        return;
    const QPoint p = Event->position().toPoint();
    OnMouseMove(this, Qt::NoButton, ShiftStateOf(Event->modifiers(), Event->buttons()), p.x(),
                p.y());
}

void TImgControlBase::DoMouseUp(QMouseEvent *Event) {
    if (!OnMouseUp)
        return;
    const QPoint p = Event->position().toPoint();
    OnMouseUp(this, Event->button(), ShiftStateOf(Event->modifiers(), Event->buttons()), p.x(),
              p.y());
}

int TImgControlBase::DoKeyDown(QKeyEvent *Event) {
    int key = Event->key();
    if (OnKeyDown)
        OnKeyDown(this, key, ShiftStateOf(Event->modifiers()));
    return key;
}

int TImgControlBase::DoKeyUp(QKeyEvent *Event) {
    int key = Event->key();
    if (OnKeyUp)
        OnKeyUp(this, key, ShiftStateOf(Event->modifiers()));
    return key;
}

void TImgControlBase::paintEvent(QPaintEvent *) {
    QPainter p(this);
    // A picture of a new device pixel ratio is drawn anew rather than scaled.
    if (FFrameImage && devicePixelRatioF() > FFrameImage->PixelRatio())
        FFrameImage->SetPixelRatio(devicePixelRatioF());
    if (!FTransparent) {
        const QRegion uncovered = QRegion(rect()) - PictureRect();
        for (const QRect &r : uncovered)
            p.fillRect(r, Color());
    }
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    PaintContent(p);
    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.backgroundColor = Color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

void TImgControlBase::focusInEvent(QFocusEvent *Event) {
    QWidget::focusInEvent(Event);
    update();
    if (OnEnter)
        OnEnter(this);
}

void TImgControlBase::focusOutEvent(QFocusEvent *Event) {
    QWidget::focusOutEvent(Event);
    update();
    if (OnExit)
        OnExit(this);
}

void TImgControlBase::mouseDoubleClickEvent(QMouseEvent *Event) {
    // The second press of a double click: the owner hears of the double click first, then the
    // press takes its normal course.
    if (OnDblClick)
        OnDblClick(this);
    mousePressEvent(Event);
}
