#include "controls/wheel.h"

#include "controls/controlaccessible.h"
#include "controls/wheelrules.h"

#include <QConicalGradient>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

QColor Mix(const QColor &A, const QColor &B, double T) {
    const auto mix = [T](int a, int b) { return int(std::lround(a + (b - a) * T)); };
    return QColor(mix(A.red(), B.red()), mix(A.green(), B.green()), mix(A.blue(), B.blue()),
                  A.alpha());
}

// The rectangle of a one-pixel ring whose outer edge is Inset pixels inside the knob.
QRectF RingRect(QSizeF Size, int Inset) {
    return QRectF(Inset + 0.5, Inset + 0.5, Size.width() - 2 * Inset - 1,
                  Size.height() - 2 * Inset - 1);
}

} // namespace

TWheel::TWheel(QWidget *Parent) : TTransparent(Parent) {
    ControlAccessible::Install();
    setFocusPolicy(Qt::StrongFocus);
    FWheelColor = palette().color(QPalette::Button);
    FDisabledColor = palette().color(QPalette::Disabled, QPalette::Text);
    FFocusColor = palette().color(QPalette::Highlight);
    resize(DefaultSize, DefaultSize);
}

TWheel::~TWheel() = default;

// --- Values ----------------------------------------------------------------------------------

void TWheel::SetPosition(int Value) {
    if (Value == FPosition) {
        DoPosChange();
        return;
    }
    ApplyPosition(Value);
}

void TWheel::ApplyPosition(int64_t Value) {
    const int v = WheelRules::Snap(Value, FPositionMin, FPositionMax, FPositionStep);
    if (v == FPosition)
        return;
    FPosition = v;
    update();
    DoPosChange();
    ControlAccessible::ValueChanged(this, FPosition);
}

void TWheel::ApplyStepLimit() {
    const int64_t range = int64_t(FPositionMax) - FPositionMin;
    if (range < FPositionStep)
        FPositionStep = int(std::max<int64_t>(1, range));
}

void TWheel::SetPositionMax(int Value) {
    if (Value == FPositionMax || (FBalance && Value == 0))
        return;
    if (Value <= FPositionMin)
        return;
    FPositionMax = Value;
    if (FBalance) {
        const int m = int(std::min<int64_t>(std::abs(int64_t(Value)), WheelRules::MaxBalance));
        FPositionMax = m;
        FPositionMin = -m;
    }
    ApplyStepLimit();
    ApplyPosition(FPosition);
    FaceChanged();
}

void TWheel::SetPositionMin(int Value) {
    if (Value == FPositionMin || (FBalance && Value == 0))
        return;
    if (Value >= FPositionMax)
        return;
    FPositionMin = Value;
    if (FBalance) {
        const int m = int(std::min<int64_t>(std::abs(int64_t(Value)), WheelRules::MaxBalance));
        FPositionMax = m;
        FPositionMin = -m;
    }
    ApplyPosition(FPosition);
    ApplyStepLimit();
    FaceChanged();
}

void TWheel::SetPositionStep(int Value) {
    if (Value == FPositionStep)
        return;
    const int64_t range = int64_t(FPositionMax) - FPositionMin;
    if (Value > 0 && Value <= range && range % Value == 0)
        FPositionStep = Value;
    update();
}

void TWheel::SetBalance(bool Value) {
    if (Value == FBalance)
        return;
    FBalance = Value;
    if (Value) {
        const int m = WheelRules::BalanceBound(FPositionMin, FPositionMax);
        FPositionMin = -m;
        FPositionMax = m;
        ApplyStepLimit();
        // A narrower range must not leave the knob outside it.
        ApplyPosition(FPosition);
    }
    FaceChanged();
}

// --- Looks -----------------------------------------------------------------------------------

int TWheel::FrameInset() const {
    switch (FWheelFrame) {
    case TFaceStyle::fsWin95:
    case TFaceStyle::fsSpeedButton:
        return 2;
    case TFaceStyle::fsWin31:
        return 3;
    case TFaceStyle::fsSingleBevel:
        return 0;
    }
    return 0;
}

int TWheel::SquareSide() const {
    return FForceSquare ? height() : std::min(width(), height());
}

void TWheel::SetForceSquare(bool Value) {
    FForceSquare = Value;
    SetBounds(x(), y(), width(), height());
}

void TWheel::SetFocusAction(TFocusAction Value) {
    FFocusAction = Value;
    FaceChanged();
}

void TWheel::SetPointerDistance(int Value) {
    const int r = FScale ? WheelRules::RoundEven(FScaleWidth * 1.5 + FScaleLength)
                         : WheelRules::RoundEven(FScaleWidth * 0.5);
    FPointerDistance = std::clamp(std::min(Value, SquareSide() - FrameInset() - r), 0, 255);
    FaceChanged();
}

void TWheel::LimitPointerDistance() {
    SetPointerDistance(FPointerDistance);
}

void TWheel::SetScale(bool Value) {
    FScale = Value;
    LimitPointerDistance();
}

void TWheel::SetScaleColor(const QColor &Value) {
    FScaleColor = Value;
    FaceChanged();
}

void TWheel::SetScaleLength(int Value) {
    if (Value <= 0)
        return;
    const int limit =
        SquareSide() - FrameInset() - FPointerDistance - WheelRules::RoundEven(FScaleWidth * 1.5);
    FScaleLength = std::clamp(std::min(Value, limit), 0, 255);
    FaceChanged();
}

void TWheel::SetScaleWidth(int Value) {
    if (Value <= 0)
        return;
    const int a = std::min(width(), height()) / 2 - FScaleLength - FrameInset() - FPointerDistance;
    const int v = FScaleLength < a ? std::min(a, Value) : std::min(FScaleLength, Value);
    FScaleWidth = std::clamp(v, 1, 255);
    FaceChanged();
}

void TWheel::SetScaleDegrees(int Value) {
    if (Value < 1 || Value > 360)
        return;
    FScaleDegrees = Value;
    FaceChanged();
}

void TWheel::SetScaleTicks(int Value) {
    if (Value <= 1)
        return;
    FScaleTicks = Value;
    FaceChanged();
}

void TWheel::SetWheelStyle(TFillScheme Value) {
    FWheelStyle = Value;
    FaceChanged();
}

void TWheel::SetWheelFrame(TFaceStyle Value) {
    FWheelFrame = Value;
    LimitPointerDistance();
}

void TWheel::SetWheelColor(const QColor &Value) {
    FWheelColor = Value;
    FaceChanged();
}

void TWheel::SetDisabledColor(const QColor &Value) {
    FDisabledColor = Value;
    FaceChanged();
}

void TWheel::SetFocusColor(const QColor &Value) {
    FFocusColor = Value;
    FaceChanged();
}

void TWheel::SetTabStop(bool Value) {
    setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus);
}

QColor TWheel::Color() const {
    return palette().color(QPalette::Window);
}

void TWheel::SetColor(const QColor &Value) {
    QPalette p = palette();
    p.setColor(QPalette::Window, Value);
    setPalette(p);
    FaceChanged();
}

bool TWheel::ShowsFocusColor() const {
    return hasFocus() &&
           (FFocusAction == TFocusAction::faFocusColor || FFocusAction == TFocusAction::faBoth);
}

bool TWheel::ShowsFocusRect() const {
    return hasFocus() &&
           (FFocusAction == TFocusAction::faFocusRect || FFocusAction == TFocusAction::faBoth);
}

QColor TWheel::FaceColor() const {
    if (!isEnabled())
        return FDisabledColor;
    return ShowsFocusColor() ? FFocusColor : FWheelColor;
}

void TWheel::FaceChanged() {
    FFaceValid = false;
    update();
}

// --- Size ------------------------------------------------------------------------------------

void TWheel::SetBounds(int Left, int Top, int Width, int Height) {
    const QSize s = WheelRules::SquareBounds(size(), QSize(Width, Height), FForceSquare);
    FSizing = true;
    setGeometry(Left, Top, s.width(), s.height());
    FSizing = false;
    FaceChanged();
}

void TWheel::resizeEvent(QResizeEvent *Event) {
    TTransparent::resizeEvent(Event);
    FFaceValid = false;
    if (FSizing)
        return;
    // A plain resize() still keeps the knob square and odd.
    const QSize old = Event->oldSize().isValid() ? Event->oldSize() : QSize(-1, -1);
    const QSize want = WheelRules::SquareBounds(old, size(), FForceSquare);
    if (want != size()) {
        FSizing = true;
        resize(want);
        FSizing = false;
    }
}

QPoint TWheel::Centre() const {
    return {width() / 2, height() / 2};
}

QPoint TWheel::PointerTip() const {
    const QPoint c = Centre();
    const int inner = FScaleLength + FPointerDistance + FScaleWidth / 2 + 3;
    const double percent = WheelRules::PositionPercent(FPosition, FPositionMin, FPositionMax);
    return WheelRules::PointAt(c, WheelRules::KnobAngle(percent, FScaleDegrees), c.x() - inner,
                               c.y() - inner);
}

// --- Painting --------------------------------------------------------------------------------

void TWheel::RenderFace(qreal Ratio) {
    const QSize px = (QSizeF(size()) * Ratio).toSize();
    FFace = QPixmap(px.isEmpty() ? QSize(1, 1) : px);
    FFace.setDevicePixelRatio(Ratio);
    FFace.fill(Qt::transparent);
    QPainter p(&FFace);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF s = size();
    const QPointF c(width() / 2 + 0.5, height() / 2 + 0.5);
    const int L = FScaleLength;

    if (FScale) {
        // Ticks run from the knob's edge inward by ScaleLength.
        QPen pen(FScaleColor, FScaleWidth, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        const double rx = width() / 2;
        const double ry = height() / 2;
        const double ix = rx + FScaleWidth / 2 - L;
        const double iy = ry + FScaleWidth / 2 - L;
        for (int percent : WheelRules::TickPercents(FScaleTicks, FBalance)) {
            const double a =
                WheelRules::KnobAngle(percent, FScaleDegrees) * std::numbers::pi / 180.0;
            const double ca = std::cos(a);
            const double sa = std::sin(a);
            p.drawLine(QPointF(c.x() + ca * ix, c.y() + sa * iy),
                       QPointF(c.x() + ca * rx, c.y() + sa * ry));
        }
    }

    const QPalette &pal = palette();
    const QColor face = pal.color(QPalette::Button);
    const QColor light = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor frame = pal.color(QPalette::Shadow);
    const QColor fill = FaceColor();
    const bool lowered = FWheelStyle == TFillScheme::Lowered;

    // A soft light from the upper left makes the face read as a dome (or a dish when lowered).
    const auto faceBrush = [&](int Inset) -> QBrush {
        if (FWheelStyle == TFillScheme::Flat)
            return fill;
        const QRectF r = RingRect(s, Inset);
        QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.8);
        const QColor bright = Mix(fill, Qt::white, 0.22);
        const QColor dark = Mix(fill, Qt::black, 0.12);
        g.setColorAt(0, lowered ? dark : bright);
        g.setColorAt(1, lowered ? bright : dark);
        return g;
    };
    const auto disc = [&](int Inset, const QColor &Outline) {
        p.setPen(QPen(Outline, 1));
        p.setBrush(faceBrush(Inset));
        p.drawEllipse(RingRect(s, Inset));
        p.setBrush(Qt::NoBrush);
    };
    // Upper-left half in one colour, lower-right in the other, blended where they meet.
    const auto ring = [&](int Inset, const QColor &UpperLeft, const QColor &LowerRight) {
        QConicalGradient g(c, 135);
        g.setColorAt(0, UpperLeft);
        g.setColorAt(0.25, UpperLeft);
        g.setColorAt(0.5, LowerRight);
        g.setColorAt(0.75, LowerRight);
        g.setColorAt(1, UpperLeft);
        p.setPen(QPen(QBrush(g), 1));
        p.drawEllipse(RingRect(s, Inset));
    };

    if (FWheelStyle == TFillScheme::Flat) {
        disc(L, frame);
    } else {
        switch (FWheelFrame) {
        case TFaceStyle::fsWin95:
            disc(L + 2, fill);
            ring(L, lowered ? shadow : face, lowered ? light : frame);
            ring(L + 1, lowered ? frame : light, lowered ? face : shadow);
            break;
        case TFaceStyle::fsSpeedButton:
            disc(L, frame);
            ring(L + 1, lowered ? shadow : light, lowered ? light : shadow);
            break;
        case TFaceStyle::fsWin31:
            disc(L, frame);
            ring(L + 1, lowered ? shadow : light, lowered ? light : shadow);
            ring(L + 2, lowered ? shadow : light, lowered ? light : shadow);
            break;
        case TFaceStyle::fsSingleBevel:
            ring(L, lowered ? shadow : light, lowered ? light : shadow);
            break;
        }
    }
    FFaceValid = true;
}

void TWheel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    // The device painted on, which is a grab or print at its own ratio, not always the screen.
    const qreal ratio = p.device()->devicePixelRatioF();
    if (!Transparent())
        p.fillRect(rect(), Color());
    if (!FFaceValid || FFace.devicePixelRatio() != ratio)
        RenderFace(ratio);
    p.drawPixmap(0, 0, FFace);

    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(width() / 2 + 0.5, height() / 2 + 0.5);
    const int inner = FScaleLength + FPointerDistance + FScaleWidth / 2 + 3;
    const double percent = WheelRules::PositionPercent(FPosition, FPositionMin, FPositionMax);
    const double a = WheelRules::KnobAngle(percent, FScaleDegrees) * std::numbers::pi / 180.0;
    const QPointF tip(c.x() + std::cos(a) * (width() / 2 - inner),
                      c.y() + std::sin(a) * (height() / 2 - inner));
    p.setPen(QPen(FScaleColor, FScaleWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, tip);

    if (ShowsFocusRect()) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.backgroundColor = Color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

void TWheel::changeEvent(QEvent *Event) {
    TTransparent::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange || Event->type() == QEvent::PaletteChange)
        FaceChanged();
}

void TWheel::focusInEvent(QFocusEvent *Event) {
    TTransparent::focusInEvent(Event);
    if (ShowsFocusColor())
        FFaceValid = false;
    update();
    if (OnEnter)
        OnEnter(this);
}

void TWheel::focusOutEvent(QFocusEvent *Event) {
    TTransparent::focusOutEvent(Event);
    FFaceValid = false;
    update();
    if (OnExit)
        OnExit(this);
}

// --- Events ----------------------------------------------------------------------------------

void TWheel::DoTrack() {
    if (FShowTrackHint && FDragging) {
        QString text;
        if (OnGetTrackHint)
            OnGetTrackHint(this, text);
        if (text.isEmpty())
            text = QString::number(FPosition);
        FHint.ShowAt(this, text);
    }
    if (OnTrack)
        OnTrack(this);
}

void TWheel::DoSelect() {
    DoTrack();
    if (FHint.IsShowing())
        FHint.HideHint();
    if (OnSelect)
        OnSelect(this);
}

void TWheel::DoPosChange() {
    if (OnPosChange)
        OnPosChange(this);
}

// --- Mouse and keys --------------------------------------------------------------------------

void TWheel::mousePressEvent(QMouseEvent *Event) {
    const QPoint pt = Event->position().toPoint();
    if (OnMouseDown) {
        TShiftState shift = ShiftStateOf(Event->modifiers(), Event->buttons());
        if (Event->type() == QEvent::MouseButtonDblClick)
            shift |= TShiftStateFlag::ssDouble;
        OnMouseDown(this, Event->button(), shift, pt.x(), pt.y());
    }
    if (FDragging)
        return; // a second button joins the drag that is on
    FStartPosition = FPosition;
    // A knob reached only with Tab (Qt::TabFocus) leaves the focus where it is when clicked.
    if ((focusPolicy() & Qt::ClickFocus) && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    FDragging = true;
    FAnchorY = pt.y();
    DoTrack();
}

void TWheel::mouseMoveEvent(QMouseEvent *Event) {
    // Qt sends the moves to the pressed widget while a button is held: that is its capture.
    if (!FDragging || Event->buttons() == Qt::NoButton)
        return;
    ApplyPosition(int64_t(FStartPosition) + FAnchorY - Event->position().toPoint().y());
    DoTrack();
}

void TWheel::mouseReleaseEvent(QMouseEvent *Event) {
    if (FDragging) {
        FDragging = false;
        DoSelect();
    }
    if (OnMouseUp) {
        const QPoint pt = Event->position().toPoint();
        OnMouseUp(this, Event->button(), ShiftStateOf(Event->modifiers(), Event->buttons()), pt.x(),
                  pt.y());
    }
}

void TWheel::mouseDoubleClickEvent(QMouseEvent *Event) {
    // The second press of a double click: the owner hears of the double click, then the press
    // takes its normal course.
    if (OnDblClick)
        OnDblClick(this);
    mousePressEvent(Event);
}

void TWheel::keyPressEvent(QKeyEvent *Event) {
    int key = Event->key();
    if (OnKeyDown)
        OnKeyDown(this, key, ShiftStateOf(Event->modifiers()));
    const int64_t pos = FPosition;
    switch (key) {
    case Qt::Key_PageUp:
        SetPosition(int(std::clamp<int64_t>(pos + FPosLargeStep, INT32_MIN, INT32_MAX)));
        break;
    case Qt::Key_PageDown:
        SetPosition(int(std::clamp<int64_t>(pos - FPosLargeStep, INT32_MIN, INT32_MAX)));
        break;
    case Qt::Key_End:
        SetPosition(FPositionMax);
        break;
    case Qt::Key_Home:
        SetPosition(FPositionMin);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        SetPosition(int(std::clamp<int64_t>(pos - FPositionStep, INT32_MIN, INT32_MAX)));
        break;
    case Qt::Key_Up:
    case Qt::Key_Right:
        SetPosition(int(std::clamp<int64_t>(pos + FPositionStep, INT32_MIN, INT32_MAX)));
        break;
    case Qt::Key_Escape:
        // Outside a drag Escape belongs to the window (a dialog closes on it).
        if (!FDragging) {
            Event->ignore();
            return;
        }
        FDragging = false;
        SetPosition(FStartPosition);
        break;
    default:
        Event->ignore();
        return;
    }
    Event->accept();
    DoSelect();
}

void TWheel::wheelEvent(QWheelEvent *Event) {
    int delta = Event->angleDelta().y();
    if (delta == 0)
        delta = Event->angleDelta().x(); // some systems turn Shift+wheel sideways
    const int step = (Event->modifiers() & Qt::ShiftModifier) ? FPositionStep : FPosLargeStep;
    const int change = WheelRules::RoundEven(delta / 120.0 * step);
    SetPosition(int(std::clamp<int64_t>(int64_t(FPosition) + change, INT32_MIN, INT32_MAX)));
    DoSelect();
    Event->accept();
}
