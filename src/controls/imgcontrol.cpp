#include "controls/imgcontrol.h"

#include "controls/controlaccessible.h"
#include "controls/imgcontrolrules.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TImgControl::TImgControl(QWidget *Parent) : TImgControlBase(Parent) {
    ControlAccessible::Install();
}

TImgControl::~TImgControl() = default;

// Values

void TImgControl::SetPosition(int Value) {
    if (Value == FPosition)
        return;
    Value = ImgControlRules::Clamp(Value, FMin, FMax);
    if (Value == FPosition)
        return;
    FPosition = Value;
    FCaption = QString::number(Value);
    Redraw();
    DoChange();
    UpdateScrollHint(false);
    ControlAccessible::ValueChanged(this, FPosition);
}

void TImgControl::SetMax(int Value) {
    if (Value != FMax && Value >= FMin) {
        if (Value < FPosition)
            SetPosition(Value);
        FMax = Value;
    }
    update();
}

void TImgControl::SetMin(int Value) {
    if (Value != FMin && Value <= FMax) {
        if (Value > FPosition)
            SetPosition(Value);
        FMin = Value;
    }
    update();
}

void TImgControl::SetMiddleSnap(int Value) {
    if (Value >= 0)
        FMiddleSnap = Value;
}

void TImgControl::SetAutoRepeatInitDelay(int Value) {
    if (Value >= 1)
        FAutoRepeatInitDelay = Value;
}

void TImgControl::SetAutoRepeatDelay(int Value) {
    if (Value >= 1)
        FAutoRepeatDelay = Value;
}

void TImgControl::ScrollTo(int Value) {
    int pos = ImgControlRules::Clamp(Value, FMin, FMax);
    if (OnScroll)
        OnScroll(this, pos);
    SetPosition(pos);
}

int TImgControl::FrameIndex() const {
    if (!FrameImage())
        return -1;
    return ImgControlRules::FrameIndex(FPosition, FMin, FMax, FrameImage()->Count());
}

bool TImgControl::IsButton() const {
    return FrameImage() && FrameImage()->Button();
}

bool TImgControl::IsTwoState() const {
    return FrameImage() && FrameImage()->TwoState();
}

bool TImgControl::Repeating() const {
    return FRepeatTimer && FRepeatTimer->isActive();
}

// Looks

void TImgControl::SetAutoSize(bool Value) {
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    updateGeometry();
    ApplyAutoSize();
}

void TImgControl::SetCaptionShow(bool Value) {
    if (Value == FCaptionShow)
        return;
    FCaptionShow = Value;
    updateGeometry();
    ApplyAutoSize();
    update();
}

void TImgControl::SetCaptionLayout(TCaptionLayout Value) {
    FCaptionLayout = Value;
    update();
}

void TImgControl::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    update();
}

QSize TImgControl::WantedSize() const {
    const TFrameImage *img = FrameImage();
    if (!img || img->Width() <= 0 || img->Height() <= 0)
        return {};
    return QSize(img->Width(), img->Height() + (FCaptionShow ? fontMetrics().height() : 0));
}

QSize TImgControl::sizeHint() const {
    const QSize wanted = FAutoSize ? WantedSize() : QSize();
    return wanted.isValid() ? wanted : QSize(47, 47);
}

void TImgControl::ApplyAutoSize() {
    if (!FAutoSize)
        return;
    const QSize wanted = WantedSize();
    if (wanted.isValid() && wanted != size()) {
        updateGeometry();
        resize(wanted);
    } else {
        update();
    }
}

void TImgControl::ImageChanged() {
    updateGeometry();
    ApplyAutoSize();
    if (!FAutoSize)
        update();
}

void TImgControl::changeEvent(QEvent *Event) {
    TImgControlBase::changeEvent(Event);
    if (Event->type() == QEvent::FontChange) {
        updateGeometry();
        ApplyAutoSize();
    }
}

QRect TImgControl::CaptionRect() const {
    QRect r = rect();
    r.setTop(FrameImage() ? FrameImage()->Height() : 0);
    return r;
}

QRect TImgControl::PictureRect() const {
    // The caption line always gets the background, even where a tall frame would reach.
    QRect r = TImgControlBase::PictureRect();
    if (FCaptionShow && !FCaption.isEmpty())
        r &= QRect(0, 0, width(), CaptionRect().top());
    return r;
}

void TImgControl::Redraw() {
    // Only a new frame needs the picture again; the caption changes with every value.
    if (FrameIndex() != FLastFrame)
        update();
    else if (FCaptionShow)
        update(CaptionRect());
}

void TImgControl::PaintContent(QPainter &Painter) {
    if (const TFrameImage *img = FrameImage()) {
        FLastFrame = FrameIndex();
        const int bottom = FCaptionShow && !FCaption.isEmpty() ? CaptionRect().top() : height();
        img->DrawFrame(Painter, FLastFrame, 0, 0, width(), bottom);
    }
    if (!FCaptionShow || FCaption.isEmpty())
        return;
    const QRect r = CaptionRect();
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    switch (FAlignment) {
    case TAlignment::taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case TAlignment::taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case TAlignment::taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    Painter.setFont(font());
    if (isEnabled()) {
        Painter.setPen(palette().color(QPalette::ButtonText));
        Painter.drawText(r, flags, FCaption);
    } else {
        // Engraved, as disabled text is drawn on buttons.
        Painter.setPen(palette().color(QPalette::Light));
        Painter.drawText(r.translated(1, 1), flags, FCaption);
        Painter.setPen(palette().color(QPalette::Dark));
        Painter.drawText(r, flags, FCaption);
    }
}

// Mouse

bool TImgControl::InsideFrame(QPoint P) const {
    const TFrameImage *img = FrameImage();
    return img && P.x() >= 0 && P.x() < img->Width() && P.y() >= 0 && P.y() < img->Height();
}

void TImgControl::ApplyButtonRule(QPoint P) {
    const int pos =
        ImgControlRules::ButtonPosition(InsideFrame(P), IsTwoState(), FStartPosition, FMin, FMax);
    if (pos != FPosition)
        ScrollTo(pos);
}

void TImgControl::ButtonClick() {
    if (OnButtonClick)
        OnButtonClick(this);
}

void TImgControl::RepeatTick() {
    ButtonClick();
    if (FRepeatTimer)
        FRepeatTimer->setInterval(FAutoRepeatDelay);
}

void TImgControl::StopRepeat() {
    if (FRepeatTimer)
        FRepeatTimer->stop();
}

void TImgControl::CancelDrag() {
    // A repeat that outlived its drag would click on until the next release, and a button left
    // pressed would stay drawn pressed.
    StopRepeat();
    FDragging = false;
    if (IsButton())
        ScrollTo(FStartPosition);
}

void TImgControl::mousePressEvent(QMouseEvent *Event) {
    DoMouseDown(Event);
    if (FDragging)
        CancelDrag();
    if (!AllowUserControl())
        return;
    if (Event->button() == Qt::LeftButton) {
        const QPoint p = Event->position().toPoint();
        FStartPosition = FPosition;
        if (IsButton()) {
            ApplyButtonRule(p);
            if (FAutoRepeat && !IsTwoState()) {
                if (!FRepeatTimer) {
                    FRepeatTimer = new QTimer(this);
                    FRepeatTimer->setTimerType(Qt::PreciseTimer);
                    connect(FRepeatTimer, &QTimer::timeout, this, &TImgControl::RepeatTick);
                }
                FRepeatTimer->setInterval(FAutoRepeatInitDelay);
                FRepeatTimer->start();
                ButtonClick();
            }
        } else {
            FAnchor = p;
            FFine = Event->modifiers() & Qt::ShiftModifier;
        }
        FDragging = true;
        UpdateScrollHint(true);
    }
    if ((focusPolicy() & Qt::ClickFocus) && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TImgControl::mouseMoveEvent(QMouseEvent *Event) {
    DoMouseMove(Event);
    // Qt delivers moves to the pressed control while the button is held: that is its capture.
    if (!FDragging || !(Event->buttons() & Qt::LeftButton))
        return;
    const QPoint p = Event->position().toPoint();
    if (IsButton()) {
        ApplyButtonRule(p);
        return;
    }
    const int delta =
        FKind == TScrollBarKind::sbVertical ? FAnchor.y() - p.y() : p.x() - FAnchor.x();
    const ImgControlRules::TDragStep step =
        ImgControlRules::RelativeDrag({FPosition, FSmallChange, FMiddlePos, FMiddleSnap, FFine},
                                      delta, Event->modifiers() & Qt::ShiftModifier);
    FFine = step.Fine;
    switch (step.Action) {
    case ImgControlRules::TDragStep::TAction::None:
        break;
    case ImgControlRules::TDragStep::TAction::SnapToMiddle:
        ScrollTo(FMiddlePos);
        break;
    case ImgControlRules::TDragStep::TAction::Move:
        FAnchor = p;
        ScrollTo(ImgControlRules::Clamp(int64_t(FPosition) + step.Change, FMin, FMax));
        break;
    }
}

void TImgControl::mouseReleaseEvent(QMouseEvent *Event) {
    DoMouseUp(Event);
    if (AllowUserControl()) {
        if (FHint.IsShowing())
            FHint.HideHint();
        if (FDragging && IsButton()) {
            const QPoint p = Event->position().toPoint();
            const bool hadTimer = FRepeatTimer && FAutoRepeat;
            if (IsTwoState()) {
                ApplyButtonRule(p);
            } else {
                StopRepeat();
                ScrollTo(FMin);
            }
            // A repeating button has clicked already while it was held.
            if (InsideFrame(p) && !hadTimer)
                ButtonClick();
        }
    }
    StopRepeat();
    FDragging = false;
}

// Keys

void TImgControl::keyPressEvent(QKeyEvent *Event) {
    const int key = DoKeyDown(Event);
    if (!AllowUserControl() || key == 0) {
        Event->setAccepted(key == 0);
        return;
    }
    const int64_t pos = FPosition;
    bool handled = true;
    if (key == Qt::Key_Escape) {
        if (!FDragging) {
            Event->ignore();
            return;
        }
        FHint.HideHint();
        CancelDrag();
        ScrollTo(FStartPosition);
        return;
    }
    if (IsButton()) {
        // A held Space presses once; its repeats would flip a toggle back and forth.
        if (key != Qt::Key_Space)
            handled = false;
        else if (!Event->isAutoRepeat())
            ScrollTo(int64_t(FMax) - pos > (int64_t(FMax) - FMin) / 2 ? FMax : FMin);
    } else {
        switch (key) {
        case Qt::Key_PageUp:
            ScrollTo(ImgControlRules::Clamp(pos + FLargeChange, FMin, FMax));
            break;
        case Qt::Key_PageDown:
            ScrollTo(ImgControlRules::Clamp(pos - FLargeChange, FMin, FMax));
            break;
        case Qt::Key_End:
            ScrollTo(FMax);
            break;
        case Qt::Key_Home:
            ScrollTo(FMin);
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            ScrollTo(ImgControlRules::Clamp(pos - FSmallChange, FMin, FMax));
            break;
        case Qt::Key_Up:
        case Qt::Key_Right:
            ScrollTo(ImgControlRules::Clamp(pos + FSmallChange, FMin, FMax));
            break;
        default:
            handled = false;
        }
    }
    Event->setAccepted(handled);
}

void TImgControl::keyReleaseEvent(QKeyEvent *Event) {
    const int key = DoKeyUp(Event);
    // The system's key repeat sends releases too; only the real one clicks.
    if (AllowUserControl() && key == Qt::Key_Space && IsButton() && !Event->isAutoRepeat()) {
        if (!IsTwoState())
            ScrollTo(FMin);
        ButtonClick();
        return;
    }
    Event->setAccepted(key == 0);
}

// Hint

void TImgControl::UpdateScrollHint(bool Force) {
    if (!FShowScrollHint || (!Force && !FHint.IsShowing()))
        return;
    QString text;
    if (OnGetScrollHint)
        OnGetScrollHint(this, text);
    else
        text = QString::number(FPosition);
    FHint.ShowAt(this, text);
}
