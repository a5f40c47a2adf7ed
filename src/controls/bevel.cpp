#include "controls/bevel.h"

#include <QPainter>

TBevel::TBevel(QWidget *Parent) : QWidget(Parent) {
    resize(50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
    if (Value == FShape)
        return;
    FShape = Value;
    update();
}

void TBevel::SetStyle(TBevelStyle Value) {
    if (Value == FStyle)
        return;
    FStyle = Value;
    update();
}

void TBevel::SetNoBevel(bool Value) {
    if (Value == FNoBevel)
        return;
    FNoBevel = Value;
    update();
}

void TBevel::paintEvent(QPaintEvent *) {
    if (FNoBevel || FShape == TBevelShape::bsSpacer)
        return;
    QPainter p(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    // Lowered: shadow on the upper and left edges, light on the lower and right ones.
    const QColor first = FStyle == TBevelStyle::bsLowered ? shadow : light;
    const QColor second = FStyle == TBevelStyle::bsLowered ? light : shadow;
    const int w = width(), h = height();
    auto box = [&p](const QColor &TopLeft, const QColor &BottomRight, int L, int T, int R, int B) {
        p.setPen(TopLeft);
        p.drawLine(L, B, L, T);
        p.drawLine(L, T, R, T);
        p.setPen(BottomRight);
        p.drawLine(R, T, R, B);
        p.drawLine(R, B, L, B);
    };
    auto line = [&p](const QColor &C, int X1, int Y1, int X2, int Y2) {
        p.setPen(C);
        p.drawLine(X1, Y1, X2, Y2);
    };
    switch (FShape) {
    case TBevelShape::bsBox:
        box(first, second, 0, 0, w - 1, h - 1);
        break;
    case TBevelShape::bsFrame:
        // Two nested boxes: a groove when lowered, a ridge when raised.
        box(second, second, 1, 1, w - 1, h - 1);
        box(first, first, 0, 0, w - 2, h - 2);
        break;
    case TBevelShape::bsTopLine:
        line(first, 0, 0, w - 1, 0);
        line(second, 0, 1, w - 1, 1);
        break;
    case TBevelShape::bsBottomLine:
        line(first, 0, h - 2, w - 1, h - 2);
        line(second, 0, h - 1, w - 1, h - 1);
        break;
    case TBevelShape::bsLeftLine:
        line(first, 0, 0, 0, h - 1);
        line(second, 1, 0, 1, h - 1);
        break;
    case TBevelShape::bsRightLine:
        line(first, w - 2, 0, w - 2, h - 1);
        line(second, w - 1, 0, w - 1, h - 1);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}
