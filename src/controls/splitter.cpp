#include "controls/splitter.h"

#include <QLayout>
#include <QMouseEvent>
#include <QRubberBand>

#include <algorithm>

namespace {

const char *const AlignProperty = "ondrelAlign";

} // namespace

void SetControlAlign(QWidget *Control, TAlign Value) {
    Control->setProperty(AlignProperty, int(Value));
}

TAlign ControlAlign(const QWidget *Control) {
    const QVariant v = Control->property(AlignProperty);
    return v.isValid() ? TAlign(v.toInt()) : TAlign::alNone;
}

TSplitter::TSplitter(QWidget *Parent) : QWidget(Parent) {
    SetAlign(TAlign::alLeft);
    resize(3, 100);
}

TSplitter::~TSplitter() {
    delete FLine;
}

void TSplitter::SetAlign(TAlign Value) {
    SetControlAlign(this, Value);
    setCursor(Vertical() ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

void TSplitter::SetMinSize(int Value) {
    if (Value >= 0)
        FMinSize = Value;
}

bool TSplitter::Vertical() const {
    return Align() == TAlign::alTop || Align() == TAlign::alBottom;
}

QWidget *TSplitter::FindNeighbour() const {
    const QWidget *parent = parentWidget();
    if (!parent)
        return nullptr;
    const QRect g = geometry();
    QPoint probe;
    switch (Align()) {
    case TAlign::alTop:
        probe = QPoint(g.left(), g.top() - 1);
        break;
    case TAlign::alBottom:
        probe = QPoint(g.left(), g.top() + g.height());
        break;
    case TAlign::alLeft:
        probe = QPoint(g.left() - 1, g.top());
        break;
    case TAlign::alRight:
        probe = QPoint(g.left() + g.width(), g.top());
        break;
    default:
        return nullptr;
    }
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && w != this && !w->isWindow() && !w->isHidden() && w->isEnabled() &&
            w->geometry().contains(probe))
            return w;
    }
    return nullptr;
}

int TSplitter::LargestSize() const {
    const QWidget *parent = parentWidget();
    const bool vertical = Vertical();
    int room = vertical ? parent->contentsRect().height() : parent->contentsRect().width();
    room -= FMinSize;
    // Everything else kept to an edge on this axis takes its room first.
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w == FNeighbour || w->isWindow() || w->isHidden())
            continue;
        const TAlign a = ControlAlign(w);
        if (vertical && (a == TAlign::alTop || a == TAlign::alBottom))
            room -= w->height();
        else if (!vertical && (a == TAlign::alLeft || a == TAlign::alRight))
            room -= w->width();
    }
    return room;
}

int TSplitter::NewSize(QPoint P) const {
    int size = 0;
    switch (Align()) {
    case TAlign::alTop:
        size = FNeighbour->height() + (P.y() - FPress.y());
        break;
    case TAlign::alBottom:
        size = FNeighbour->height() - (P.y() - FPress.y());
        break;
    case TAlign::alLeft:
        size = FNeighbour->width() + (P.x() - FPress.x());
        break;
    case TAlign::alRight:
        size = FNeighbour->width() - (P.x() - FPress.x());
        break;
    default:
        break;
    }
    // The smallest size wins where the parent is too small for both limits.
    return std::max(std::min(size, FMaxSize), FMinSize);
}

void TSplitter::Resize(QPoint P) {
    QWidget *n = FNeighbour;
    const int size = NewSize(P);
    QWidget *parent = parentWidget();
    if (QLayout *layout = parent->layout(); layout && layout->indexOf(n) >= 0) {
        if (Vertical())
            n->setFixedHeight(size);
        else
            n->setFixedWidth(size);
        layout->activate();
        return;
    }
    QRect g = n->geometry();
    switch (Align()) {
    case TAlign::alTop:
        g.setHeight(size);
        move(x(), g.bottom() + 1);
        break;
    case TAlign::alBottom:
        g.setTop(g.bottom() + 1 - size); // the bottom edge stays
        move(x(), g.top() - height());
        break;
    case TAlign::alLeft:
        g.setWidth(size);
        move(g.right() + 1, y());
        break;
    case TAlign::alRight:
        g.setLeft(g.right() + 1 - size); // the right edge stays
        move(g.left() - width(), y());
        break;
    default:
        break;
    }
    n->setGeometry(g);
}

void TSplitter::ShowLine(QPoint P) {
    // Where the splitter would go if released here.
    const int change = NewSize(P) - (Vertical() ? FNeighbour->height() : FNeighbour->width());
    QRect g = geometry();
    switch (Align()) {
    case TAlign::alTop:
        g.translate(0, change);
        break;
    case TAlign::alBottom:
        g.translate(0, -change);
        break;
    case TAlign::alLeft:
        g.translate(change, 0);
        break;
    case TAlign::alRight:
        g.translate(-change, 0);
        break;
    default:
        break;
    }
    if (!FLine)
        FLine = new QRubberBand(QRubberBand::Line, parentWidget());
    FLine->setGeometry(g);
    FLine->show();
}

void TSplitter::mousePressEvent(QMouseEvent *Event) {
    const QPoint p = Event->position().toPoint();
    if (Event->button() == Qt::LeftButton) {
        FNeighbour = FindNeighbour();
        FPress = p;
        if (FNeighbour) {
            FMaxSize = LargestSize();
            if (FResizeWhileDrag)
                Resize(p);
            else
                ShowLine(p);
        }
    }
    if (OnMouseDown)
        OnMouseDown(this, Event->button(), p.x(), p.y());
}

void TSplitter::mouseMoveEvent(QMouseEvent *Event) {
    const QPoint p = Event->position().toPoint();
    if ((Event->buttons() & Qt::LeftButton) && FNeighbour) {
        if (FResizeWhileDrag)
            Resize(p);
        else
            ShowLine(p);
    }
    if (OnMouseMove)
        OnMouseMove(this, Qt::NoButton, p.x(), p.y());
}

void TSplitter::mouseReleaseEvent(QMouseEvent *Event) {
    const QPoint p = Event->position().toPoint();
    if (Event->button() == Qt::LeftButton && FNeighbour) {
        if (FLine)
            FLine->hide();
        Resize(p);
        FNeighbour = nullptr;
        if (OnMoved)
            OnMoved(this);
    }
    if (OnMouseUp)
        OnMouseUp(this, Event->button(), p.x(), p.y());
}
