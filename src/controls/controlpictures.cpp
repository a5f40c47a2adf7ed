#include "controls/controlpictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ControlPictures {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Deg = Pi / 180.0;

// The wheel: a cylinder of radius Radius seen from the front through a slot in the housing;
// its ridges lie RidgeStep apart; the marker turns through +-MarkerSweep.
constexpr double SlotLeft = 4.0;
constexpr double SlotRight = 16.0;
constexpr double SlotTop = 4.0;
constexpr double SlotBottom = 72.0;
constexpr double CentreY = 38.0;
constexpr double Radius = 37.0;
constexpr double RidgeStep = 9.0 * Deg;
constexpr double MarkerHalf = 2.8 * Deg;
const double MarkerSweep = std::asin(29.0 / Radius);

double Smooth(double Edge0, double Edge1, double X) {
    const double t = std::clamp((X - Edge0) / (Edge1 - Edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QRgb Shade(double R, double G, double B) {
    auto c = [](double v) { return std::clamp(int(v + 0.5), 0, 255); };
    return qRgb(c(R), c(G), c(B));
}

// The turned wheel's surface seen through the slot, one device pixel at a time, so the ridges
// stay sharp at any pixel ratio. The marker sits at angle Marker (upward positive).
void ShadeWheel(QImage &Img, int FrameX, double Marker, qreal Dpr) {
    const int x0 = int(std::lround((FrameX + SlotLeft) * Dpr));
    const int x1 = int(std::lround((FrameX + SlotRight) * Dpr));
    const int y0 = int(std::lround(SlotTop * Dpr));
    const int y1 = int(std::lround(SlotBottom * Dpr));
    const double px = 1.0 / Dpr; // one device pixel in logical pixels
    for (int yd = y0; yd < y1; ++yd) {
        const double y = (yd + 0.5) * px;
        const double s = std::clamp((CentreY - y) / Radius, -1.0, 1.0);
        const double angle = std::asin(s); // upward positive
        const double facing = std::cos(angle);
        // Light from above the viewer: the upper half is a little brighter, the ends fall off.
        double light = 0.22 + 0.78 * std::pow(facing, 1.4) + 0.10 * s;
        // Ridges: a sharp groove with a soft rise between two grooves.
        const double phase = (angle - Marker) / RidgeStep;
        const double frac = phase - std::floor(phase + 0.5); // -0.5 .. 0.5, 0 on a groove
        const double gap = std::abs(frac) * RidgeStep * Radius * facing; // pixels to the groove
        const double grooveHalf = 0.55 * std::max(facing, 0.35);
        const double groove = 1.0 - Smooth(grooveHalf - px * 0.5, grooveHalf + px * 0.5, gap);
        // The lit flank just below a groove faces the light.
        const double flank = frac > 0 ? 0.0 : Smooth(0.0, 0.5, -frac) * Smooth(0.5, 0.15, -frac);
        light *= 1.0 - 0.62 * groove;
        light *= 1.0 + 0.22 * flank;
        // The marker: a bright painted band across the wheel.
        const double markerGap = std::abs(angle - Marker) * Radius * facing;
        const double markerHalf = MarkerHalf * Radius * facing;
        const double mark = 1.0 - Smooth(markerHalf - px * 0.5, markerHalf + px * 0.5, markerGap);
        const double halo = (1.0 - Smooth(markerHalf, markerHalf + 1.6, markerGap)) * (1.0 - mark);
        // The housing's lips shade the wheel where it turns away at the slot's ends.
        const double lip =
            Smooth(SlotTop, SlotTop + 5.0, y) * Smooth(SlotBottom, SlotBottom - 5.0, y);
        auto *line = reinterpret_cast<QRgb *>(Img.scanLine(yd));
        for (int xd = x0; xd < x1; ++xd) {
            const double u = ((xd + 0.5) * px - FrameX - SlotLeft) / (SlotRight - SlotLeft);
            const double edge = std::abs(2 * u - 1);
            const double side = 1.0 - 0.55 * edge * edge * edge; // the rim is rounded
            const double l = light * side * (0.35 + 0.65 * lip);
            double r = 20 + 132 * l, g = 22 + 136 * l, b = 26 + 142 * l;
            const double m = mark * (0.6 + 0.4 * facing) * (0.45 + 0.55 * lip) * side;
            const double glow = halo * 0.35 * (0.45 + 0.55 * lip) * side;
            r += (120 - r) * glow;
            g += (170 - g) * glow;
            b += (235 - b) * glow;
            r += (250 - r) * m;
            g += (252 - g) * m;
            b += (255 - b) * m;
            line[xd] = Shade(r, g, b);
        }
    }
}

// The housing of one frame: a dark bezel with a slot and the centre marks either side.
void DrawWheelHousing(QPainter &P, int FrameX) {
    const QRectF outer(FrameX + 0.5, 0.5, WheelFrameWidth - 1.0, WheelHeight - 1.0);
    QLinearGradient body(outer.topLeft(), outer.topRight());
    body.setColorAt(0.0, QColor(0x40, 0x44, 0x4a));
    body.setColorAt(0.5, QColor(0x2a, 0x2d, 0x32));
    body.setColorAt(1.0, QColor(0x1a, 0x1c, 0x1f));
    P.setPen(QPen(QColor(0x0a, 0x0b, 0x0c), 1.0));
    P.setBrush(body);
    P.drawRoundedRect(outer, 3.0, 3.0);
    // The slot, cut into the bezel: a dark rim, lit along its lower edge.
    const QRectF slot(FrameX + SlotLeft, SlotTop, SlotRight - SlotLeft, SlotBottom - SlotTop);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x05, 0x05, 0x06));
    P.drawRoundedRect(slot.adjusted(-1.0, -1.0, 1.0, 1.0), 2.0, 2.0);
    P.setPen(QPen(QColor(0x5c, 0x61, 0x68), 0.8));
    P.drawLine(QPointF(slot.left() - 0.5, slot.bottom() + 1.1),
               QPointF(slot.right() + 0.5, slot.bottom() + 1.1));
    // Centre marks: small pointers on both sides of the slot, where the detent lies.
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xd8, 0xdc, 0xe2));
    const double l = FrameX + 0.8, r = FrameX + WheelFrameWidth - 0.8;
    P.drawPolygon(QPolygonF({QPointF(l, CentreY - 3.0), QPointF(SlotLeft + FrameX - 1.2, CentreY),
                             QPointF(l, CentreY + 3.0)}));
    P.drawPolygon(QPolygonF({QPointF(r, CentreY - 3.0), QPointF(SlotRight + FrameX + 1.2, CentreY),
                             QPointF(r, CentreY + 3.0)}));
}

QPixmap Wheel(qreal Dpr) {
    const int width = WheelFrames * WheelFrameWidth;
    QImage img(QSize(int(std::lround(width * Dpr)), int(std::lround(WheelHeight * Dpr))),
               QImage::Format_RGB32);
    img.fill(Qt::black);
    img.setDevicePixelRatio(Dpr);
    // Every frame has the same housing: drawn once and copied when frames start on whole
    // device pixels (any ratio in steps of 0.05), else drawn for each frame.
    const double frameDevice = WheelFrameWidth * Dpr;
    const int step = int(std::lround(frameDevice));
    const bool copy = std::abs(frameDevice - step) < 1e-6;
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (int f = 0; f < (copy ? 1 : WheelFrames); ++f)
            DrawWheelHousing(p, f * WheelFrameWidth);
    }
    if (copy)
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int f = 1; f < WheelFrames; ++f)
                std::copy(line, line + step, line + f * step);
        }
    for (int f = 0; f < WheelFrames; ++f) {
        const double t = double(f) / (WheelFrames - 1); // 0 bottom .. 1 top
        ShadeWheel(img, f * WheelFrameWidth, (2 * t - 1) * MarkerSweep, Dpr);
    }
    return QPixmap::fromImage(img);
}

// One arrow button frame: raised at rest, sunk and lit when pressed.
void DrawArrowFrame(QPainter &P, int FrameX, bool Left, bool Down) {
    const QRectF outer(FrameX + 0.5, 0.5, ArrowFrameWidth - 1.0, ArrowHeight - 1.0);
    QLinearGradient face(outer.topLeft(), outer.bottomLeft());
    if (Down) {
        face.setColorAt(0.0, QColor(0x1c, 0x1f, 0x23));
        face.setColorAt(1.0, QColor(0x2e, 0x33, 0x3a));
    } else {
        face.setColorAt(0.0, QColor(0x5a, 0x60, 0x68));
        face.setColorAt(0.5, QColor(0x43, 0x48, 0x4f));
        face.setColorAt(1.0, QColor(0x30, 0x34, 0x39));
    }
    P.setPen(QPen(QColor(0x08, 0x09, 0x0a), 1.0));
    P.setBrush(face);
    P.drawRoundedRect(outer, 2.5, 2.5);
    // Bevel: light from the upper left on a raised button, inverted on a pressed one.
    const QRectF in = outer.adjusted(1.0, 1.0, -1.0, -1.0);
    const QColor light = Down ? QColor(0x0c, 0x0d, 0x0f) : QColor(0x8c, 0x93, 0x9c);
    const QColor dark = Down ? QColor(0x48, 0x4f, 0x58) : QColor(0x1d, 0x20, 0x24);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(light, 1.0, Qt::SolidLine, Qt::FlatCap));
    P.drawLine(QPointF(in.left() + 0.5, in.bottom() - 1.5),
               QPointF(in.left() + 0.5, in.top() + 1.5));
    P.drawLine(QPointF(in.left() + 1.5, in.top() + 0.5), QPointF(in.right() - 1.5, in.top() + 0.5));
    P.setPen(QPen(dark, 1.0, Qt::SolidLine, Qt::FlatCap));
    P.drawLine(QPointF(in.right() - 0.5, in.top() + 1.5),
               QPointF(in.right() - 0.5, in.bottom() - 1.5));
    P.drawLine(QPointF(in.left() + 1.5, in.bottom() - 0.5),
               QPointF(in.right() - 1.5, in.bottom() - 0.5));
    // The arrow head, nudged down and right while pressed.
    const double shift = Down ? 0.8 : 0.0;
    const double cx = FrameX + ArrowFrameWidth / 2.0 + shift;
    const double cy = ArrowHeight / 2.0 + shift;
    const double half = 3.5, tall = 6.5;
    const double tip = Left ? cx - half : cx + half;
    const double back = Left ? cx + half : cx - half;
    const QPolygonF head({QPointF(tip, cy), QPointF(back, cy - tall), QPointF(back, cy + tall)});
    P.setPen(Qt::NoPen);
    if (!Down) {
        P.setBrush(QColor(0, 0, 0, 120));
        P.drawPolygon(head.translated(0.7, 0.9));
    }
    P.setBrush(Down ? QColor(0xa6, 0xc8, 0xf4) : QColor(0xe8, 0xeb, 0xef));
    P.drawPolygon(head);
}

QPixmap Arrow(bool Left, qreal Dpr) {
    QPixmap pix(
        QSize(int(std::lround(2 * ArrowFrameWidth * Dpr)), int(std::lround(ArrowHeight * Dpr))));
    pix.setDevicePixelRatio(Dpr);
    pix.fill(Qt::black);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    DrawArrowFrame(p, 0, Left, false);
    DrawArrowFrame(p, ArrowFrameWidth, Left, true);
    return pix;
}

} // namespace

QPixmap Load(const QString &Name, qreal Dpr) {
    if (Dpr <= 0)
        Dpr = 1;
    auto is = [&Name](const char *Word) {
        return Name.compare(QLatin1String(Word), Qt::CaseInsensitive) == 0;
    };
    if (is("WHEEL") || is("WHEEL256"))
        return Wheel(Dpr);
    if (is("LEFTARROW"))
        return Arrow(true, Dpr);
    if (is("RIGHTARROW"))
        return Arrow(false, Dpr);
    return {};
}

} // namespace ControlPictures
