#include "app/apppictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace AppPictures {

namespace {

// Dark brushed metal: fine horizontal grain that tiles seamlessly.
QPixmap Background(qreal dpr) {
    const QSize size(64, 64);
    QImage img(size * dpr, QImage::Format_RGB32);
    QRandomGenerator grain(0x0d4e1);
    for (int y = 0; y < img.height(); ++y) {
        const int row = 22 + int(grain.bounded(7));
        for (int x = 0; x < img.width(); ++x) {
            const int v = row + int(grain.bounded(4));
            img.setPixel(x, y, qRgb(v, v, v + 3));
        }
    }
    QPixmap pix = QPixmap::fromImage(img);
    pix.setDevicePixelRatio(dpr);
    return pix;
}

QPixmap Splash(qreal dpr) {
    const QSize size(320, 160);
    QPixmap pix(size * dpr);
    pix.setDevicePixelRatio(dpr);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0x1c, 0x24, 0x33));
    g.setColorAt(1, QColor(0x07, 0x09, 0x0e));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    // a row of keys along the bottom
    const int top = 100;
    const int w = 20;
    for (int i = 0; i < size.width() / w + 1; ++i) {
        QRectF key(i * w, top, w - 1, size.height() - top);
        QLinearGradient kg(key.topLeft(), key.bottomLeft());
        kg.setColorAt(0, QColor(0xd8, 0xd4, 0xc8));
        kg.setColorAt(1, QColor(0xfb, 0xf9, 0xf2));
        p.fillRect(key, kg);
    }
    static constexpr bool blackAfter[7] = {true, true, false, true, true, true, false};
    for (int i = 0; i < size.width() / w + 1; ++i)
        if (blackAfter[i % 7])
            p.fillRect(QRectF(i * w + w * 0.65, top, w * 0.7, 34), QColor(0x10, 0x10, 0x12));
    QFont title(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(0xee, 0xee, 0xf4));
    p.drawText(QRect(0, 14, size.width(), 50), Qt::AlignHCenter, QStringLiteral("Ondrel"));
    QFont sub(QStringLiteral("DejaVu Sans"), 9);
    p.setFont(sub);
    p.setPen(QColor(0x9d, 0xb4, 0xd2));
    p.drawText(QRect(0, 58, size.width(), 20), Qt::AlignHCenter,
               QStringLiteral("virtual MIDI keyboard"));
    return pix;
}

} // namespace

QPixmap Load(const QString &Name, qreal Dpr) {
    if (Name.compare(QLatin1String("BACKGROUND"), Qt::CaseInsensitive) == 0 ||
        Name.compare(QLatin1String("BACKGROUND256"), Qt::CaseInsensitive) == 0)
        return Background(Dpr);
    if (Name.compare(QLatin1String("SPLASH"), Qt::CaseInsensitive) == 0)
        return Splash(Dpr);
    return {};
}

} // namespace AppPictures
