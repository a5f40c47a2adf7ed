#include "keyboardpreview.h"

#include <QMouseEvent>
#include <QPainter>

TKeyboardPreview::TKeyboardPreview(TKeyboardModel &Model, QWidget *Parent)
    : QWidget(Parent), FModel(Model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    FModel.OnKeyChanged = [this](int Note) { update(KeyRect(Note)); };
    FModel.OnRepaintAll = [this] { update(); };
    FModel.OnScroll = [this](int, int) { update(); };
}

QSize TKeyboardPreview::sizeHint() const { return {FModel.KeyWidth() * 29, 76}; }

void TKeyboardPreview::resizeEvent(QResizeEvent *) { FModel.SetBounds(width(), height()); }

QRect TKeyboardPreview::KeyRect(int Note) const {
    return {FModel.KeyLeft(Note) - FModel.ScrollOffset(), 0, FModel.KeyPixelWidth(Note),
            TKeyboardModel::IsBlack(Note) ? height() * 3 / 5 : height()};
}

int TKeyboardPreview::NoteAt(QPoint Pos) const {
    for (int pass = 0; pass < 2; ++pass) { // black keys lie on top
        for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
            if (TKeyboardModel::IsBlack(n) == (pass == 0) && KeyRect(n).contains(Pos))
                return n;
    }
    return -1;
}

void TKeyboardPreview::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    for (int pass = 0; pass < 2; ++pass) {
        for (int n = 0; n < TKeyboardModel::NoteCount; ++n) {
            const bool black = TKeyboardModel::IsBlack(n);
            if (black != (pass == 1))
                continue;
            const QRect r = KeyRect(n);
            if (r.right() < 0 || r.left() > width())
                continue;
            QColor face = black ? QColor(Qt::black) : QColor(Qt::white);
            if (FModel.IsPressed(n))
                face = QColor(0x80, 0x80, 0x80);
            p.fillRect(black ? r : r.adjusted(0, 0, -1, 0), face);
            if (n == FModel.MarkNote() && !FModel.IsPressed(n))
                p.fillRect(QRect(r.center().x() - 2, r.bottom() - r.height() / 7 - 2, 5, 5),
                           QColor(0xC0, 0xC0, 0xC0));
        }
    }
}

void TKeyboardPreview::mousePressEvent(QMouseEvent *Event) {
    const int note = NoteAt(Event->position().toPoint());
    if (note < 0)
        return;
    FPlaying = note;
    FModel.SendChord(FModel.Channel(), note, FModel.Velocity(), true);
}

void TKeyboardPreview::mouseReleaseEvent(QMouseEvent *) {
    if (FPlaying < 0)
        return;
    FModel.SendChord(FModel.Channel(), FPlaying, 0, true);
    FPlaying = -1;
}
