#pragma once

// A splitter between a control aligned to one edge of its parent and the rest. Dragging it sizes
// that neighbour; with ResizeWhileDrag the neighbour follows the pointer at once, otherwise a
// line shows the new edge and the neighbour is sized at the release.
//
// The neighbour is the first visible, enabled sibling just past the splitter's aligned edge (above
// it for alTop, left of it for alLeft, below for alBottom, right for alRight). If the parent has
// a layout, the neighbour gets a fixed size along the axis and the layout moves everything else;
// without one the neighbour's geometry is set and the splitter stays beside it.

#include "core/keyboardtypes.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

class QRubberBand;

enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The edge a widget keeps to in its parent. The splitter's largest size leaves MinSize for the
// parent's space after every sibling aligned along the same axis.
void SetControlAlign(QWidget *Control, TAlign Value);
TAlign ControlAlign(const QWidget *Control);

class TSplitter : public QWidget {
    Q_OBJECT
public:
    using TMouseHandler =
        std::function<void(QObject *Sender, Qt::MouseButton Button, int X, int Y)>;

    explicit TSplitter(QWidget *Parent = nullptr);
    ~TSplitter() override;

    TAlign Align() const { return ControlAlign(this); }
    void SetAlign(TAlign Value);
    // The neighbour is never made smaller than this, nor the space left beside it.
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value);
    bool ResizeWhileDrag() const { return FResizeWhileDrag; }
    void SetResizeWhileDrag(bool Value) { FResizeWhileDrag = Value; }

    // After a drag that sized the neighbour.
    TNotifyEvent OnMoved;
    TMouseHandler OnMouseDown;
    TMouseHandler OnMouseMove;
    TMouseHandler OnMouseUp;

    // The neighbour of the drag under way, if any, and its largest allowed size.
    QWidget *Neighbour() const { return FNeighbour; }
    int MaxSize() const { return FMaxSize; }

protected:
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

private:
    QWidget *FindNeighbour() const;
    int LargestSize() const;
    int NewSize(QPoint P) const;
    void Resize(QPoint P);
    void ShowLine(QPoint P);
    bool Vertical() const; // top or bottom: sizes heights

    int FMinSize = 30;
    bool FResizeWhileDrag = false;
    QPointer<QWidget> FNeighbour;
    QPoint FPress;
    int FMaxSize = 0;
    QRubberBand *FLine = nullptr;
};
