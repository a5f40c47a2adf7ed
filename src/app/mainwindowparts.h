#pragma once

// What the main window's sources share and nobody else sees.

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QWidget>

// The settings store's section of the window (the MIDI devices': TMidiDevices::Section).
inline const QString WindowSection = QStringLiteral("KeyboardForm");

// The client area: black, with the background picture tiled over what is repainted.
class TClientArea : public QWidget {
public:
    explicit TClientArea(QWidget *Parent) : QWidget(Parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        setPalette(p);
    }
    void SetBackground(const QPixmap &Picture) {
        FBackground = Picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent *Event) override {
        QPainter p(this);
        const QRect clip = Event->rect();
        if (FBackground.isNull()) {
            p.fillRect(clip, Qt::black);
            return;
        }
        // Only the tiles that meet the repainted rectangle.
        const QSize tile = FBackground.deviceIndependentSize().toSize();
        for (int col = clip.left() / tile.width(); col <= clip.right() / tile.width(); ++col)
            for (int row = clip.top() / tile.height(); row <= clip.bottom() / tile.height(); ++row)
                p.drawPixmap(col * tile.width(), row * tile.height(), FBackground);
    }

private:
    QPixmap FBackground;
};
