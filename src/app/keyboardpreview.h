#pragma once

// A plain drawing of the keyboard model, played with the mouse; the first window of the program
// until the full keyboard widget takes its place.

#include "keyboardmodel.h"

#include <QWidget>

class TKeyboardPreview : public QWidget {
    Q_OBJECT
public:
    explicit TKeyboardPreview(TKeyboardModel &Model, QWidget *Parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

private:
    int NoteAt(QPoint Pos) const;
    QRect KeyRect(int Note) const;

    TKeyboardModel &FModel;
    int FPlaying = -1;
};
