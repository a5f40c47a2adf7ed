#include "app/updown.h"

#include <QEvent>
#include <QToolButton>

#include <algorithm>

TUpDown::TUpDown(QWidget *Parent) : QWidget(Parent) {
    FUp = new QToolButton(this);
    FDown = new QToolButton(this);
    for (QToolButton *b : {FUp, FDown}) {
        b->setArrowType(b == FUp ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(80);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(6, 6));
        connect(b, &QToolButton::pressed, this, [this] {
            FHolding = true;
            FHeld.start();
        });
        connect(b, &QToolButton::released, this, [this] { FHolding = false; });
        connect(b, &QToolButton::clicked, this, [this, b] { Step(b == FUp ? 1 : -1); });
    }
}

void TUpDown::SetAccessibleNames(const QString &Of) {
    setAccessibleName(Of);
    setAccessibleDescription(tr("Steps %1 up or down").arg(Of));
    FUp->setAccessibleName(tr("%1 up").arg(Of));
    FUp->setAccessibleDescription(tr("One step up; held, it goes on"));
    FDown->setAccessibleName(tr("%1 down").arg(Of));
    FDown->setAccessibleDescription(tr("One step down; held, it goes on"));
}

void TUpDown::resizeEvent(QResizeEvent *) {
    const int half = height() / 2;
    FUp->setGeometry(0, 0, width(), half);
    FDown->setGeometry(0, half, width(), height() - half);
}

void TUpDown::changeEvent(QEvent *Event) {
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange) {
        FUp->setEnabled(isEnabled());
        FDown->setEnabled(isEnabled());
    }
}

void TUpDown::SetRange(int Min, int Max) {
    FMin = Min;
    FMax = std::max(Min, Max);
    FPosition = std::clamp(FPosition, FMin, FMax);
}

void TUpDown::SetPosition(int Value) {
    FPosition = std::clamp(Value, FMin, FMax);
}

int TUpDown::Increment() const {
    if (!FAccelerated || !FHolding)
        return 1;
    const qint64 ms = FHeld.elapsed();
    return ms >= 5000 ? 10 : ms >= 2000 ? 5 : 1;
}

void TUpDown::Step(int Direction) {
    int p = FPosition + Direction * Increment();
    if (p > FMax)
        p = FWrap ? FMin : FMax;
    else if (p < FMin)
        p = FWrap ? FMax : FMin;
    if (p == FPosition)
        return;
    FPosition = p;
    if (OnClick)
        OnClick(p);
}
