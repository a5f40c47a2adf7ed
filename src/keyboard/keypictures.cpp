#include "keyboard/keypictures.h"

#include "core/keyboardmodel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace KeyPictures {

namespace {

void DrawWhiteKey(QPainter &p, const QRectF &r, bool down) {
    // Ivory with a lip at the front; a pressed key sinks: darker, tinted, shorter lip and a
    // shadow from its neighbours along the top.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (down) {
        g.setColorAt(0.0, QColor(0x9f, 0xb6, 0xd0));
        g.setColorAt(0.15, QColor(0xc4, 0xd5, 0xe8));
        g.setColorAt(1.0, QColor(0xb3, 0xc7, 0xde));
    } else {
        g.setColorAt(0.0, QColor(0xe9, 0xe6, 0xdc));
        g.setColorAt(0.08, QColor(0xfd, 0xfc, 0xf6));
        g.setColorAt(1.0, QColor(0xf2, 0xef, 0xe4));
    }
    p.fillRect(r, g);
    const qreal lip = down ? 2.0 : 4.0;
    QRectF front(r.left(), r.bottom() - lip, r.width(), lip);
    QLinearGradient lg(front.topLeft(), front.bottomLeft());
    lg.setColorAt(0, down ? QColor(0x8d, 0xa3, 0xbd) : QColor(0xd9, 0xd4, 0xc4));
    lg.setColorAt(1, down ? QColor(0x6f, 0x86, 0xa2) : QColor(0xb0, 0xaa, 0x98));
    p.fillRect(front, lg);
    // the gap to the next key
    p.fillRect(QRectF(r.right() - 1.0, r.top(), 1.0, r.height()), QColor(0x55, 0x55, 0x55));
    p.fillRect(QRectF(r.left(), r.top(), 1.0, r.height()),
               down ? QColor(0x88, 0x9c, 0xb4) : QColor(0xff, 0xff, 0xff));
}

void DrawBlackKey(QPainter &p, const QRectF &r, bool down) {
    p.fillRect(r, QColor(0x0b, 0x0b, 0x0c));
    // the top face, with a bevel: the front slope is longer on a released key
    const qreal side = std::max(1.0, r.width() / 8.0);
    const qreal front = down ? 3.0 : 7.0;
    QRectF face(r.left() + side, r.top(), r.width() - 2 * side, r.height() - front);
    QLinearGradient g(face.topLeft(), face.topRight());
    if (down) {
        g.setColorAt(0, QColor(0x2f, 0x52, 0x7e));
        g.setColorAt(0.5, QColor(0x4a, 0x74, 0xa8));
        g.setColorAt(1, QColor(0x2a, 0x4a, 0x72));
    } else {
        g.setColorAt(0, QColor(0x2a, 0x2a, 0x2c));
        g.setColorAt(0.5, QColor(0x44, 0x44, 0x47));
        g.setColorAt(1, QColor(0x22, 0x22, 0x24));
    }
    p.fillRect(face, g);
    QRectF slope(face.left(), face.bottom(), face.width(), front - 1);
    QLinearGradient sg(slope.topLeft(), slope.bottomLeft());
    sg.setColorAt(0, down ? QColor(0x6a, 0x8e, 0xbc) : QColor(0x6a, 0x6a, 0x6e));
    sg.setColorAt(1, down ? QColor(0x1c, 0x2a, 0x3c) : QColor(0x1a, 0x1a, 0x1c));
    p.fillRect(slope, sg);
}

QPixmap Octave(bool down, TImageSize size, qreal dpr, int Height) {
    const int keyWidth = TKeyboardModel::ImageKeyWidth(size);
    const int width = 7 * keyWidth;
    QPixmap pix(QSize(qRound(width * dpr), qRound(Height * dpr)));
    pix.setDevicePixelRatio(dpr);
    pix.fill(Qt::black);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 7; ++i)
        DrawWhiteKey(p, QRectF(i * keyWidth, 0, keyWidth, Height), down);
    // a felt strip shadow along the top
    QLinearGradient shade(0, 0, 0, 4);
    shade.setColorAt(0, QColor(0, 0, 0, 140));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, width, 4), shade);
    const int bw = TKeyboardModel::ImageBlackWidth(size);
    const int bh = TKeyboardModel::ImageBlackHeight(size) * Height / TKeyboardModel::ImageHeight;
    for (int k = 0; k < 5; ++k)
        DrawBlackKey(p, QRectF(TKeyboardModel::ImageBlackX(size, k), 0, bw, bh), down);
    return pix;
}

} // namespace

QString Name(bool Down, TImageSize Size, bool LowColour) {
    static const char *const words[] = {"SMALL", "NORMAL", "BIG"};
    return QLatin1String(Down ? "DOWN" : "UP") + QLatin1String(words[int(Size)]) +
           (LowColour ? QStringLiteral("256") : QString());
}

QPixmap Load(const QString &Name, qreal Dpr, int Height) {
    for (int down = 0; down < 2; ++down)
        for (int s = 0; s < ImageSizeCount; ++s)
            for (int low = 0; low < 2; ++low)
                if (Name.compare(KeyPictures::Name(down, TImageSize(s), low),
                                 Qt::CaseInsensitive) == 0)
                    return Octave(down, TImageSize(s), Dpr,
                                  std::max(int(TKeyboardModel::ImageHeight), Height));
    return {};
}

} // namespace KeyPictures
