#include "keyboard/keylabels.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace KeyLabels {

namespace {

QFont Sized(const QFont &Font, int PixelSize) {
    QFont f = Font;
    f.setPixelSize(PixelSize);
    return f;
}

// The height of one written line: capitals and the small letters of note names have no
// descenders worth the room, so a line is a little more than a capital.
qreal LineHeight(const QFontMetricsF &Metrics) {
    return std::ceil(Metrics.capHeight()) + 2;
}

// The room a key name takes across the key, written along it: capitals and half the descenders.
qreal AlongThickness(const QFontMetricsF &Metrics) {
    return std::ceil(Metrics.capHeight() + Metrics.descent() / 2);
}

// Room on the face, used from the front edge (Bottom) towards the back (Top).
struct TRoom {
    qreal Left, Width, Top, Bottom;
    qreal Height() const { return Bottom - Top; }
};

bool PlaceLine(TRoom &Room, TKeyLabel::TKind Kind, const QString &Text, int Size, const QFont &Font,
               std::vector<TKeyLabel> &Out) {
    // Across the key at the size asked for, else one character a line at it (the names on
    // black keys alike), else the same smaller, down to the readable least.
    for (int s = Size; s >= MinPixelSize; --s) {
        const QFontMetricsF m(Sized(Font, s));
        const qreal w = m.horizontalAdvance(Text);
        const qreal h = LineHeight(m);
        if (w <= Room.Width && h <= Room.Height()) {
            Out.push_back({Kind, TKeyLabel::lsLine, Text,
                           QRectF(Room.Left + (Room.Width - w) / 2, Room.Bottom - h, w, h), s});
            Room.Bottom -= h + 1;
            return true;
        }
        if (Text.size() < 2)
            continue;
        qreal widest = 0;
        for (const QChar c : Text)
            widest = std::max(widest, m.horizontalAdvance(c));
        const qreal tall = h * qreal(Text.size());
        if (widest <= Room.Width && tall <= Room.Height()) {
            Out.push_back(
                {Kind, TKeyLabel::lsStacked, Text,
                 QRectF(Room.Left + (Room.Width - widest) / 2, Room.Bottom - tall, widest, tall),
                 s});
            Room.Bottom -= tall + 1;
            return true;
        }
    }
    return false;
}

bool PlaceCap(TRoom &Room, const QString &Text, int Size, const QFont &Font,
              std::vector<TKeyLabel> &Out) {
    // The cap: a line round the character, with a pixel of air above and below it; on a key
    // too narrow for the line, the character alone.
    for (const bool framed : {true, false}) {
        for (int s = Size; s >= MinPixelSize; --s) {
            const QFontMetricsF m(Sized(Font, s));
            const qreal w =
                framed ? std::ceil(m.horizontalAdvance(Text)) + 2 : m.horizontalAdvance(Text);
            const qreal h = std::ceil(m.capHeight()) + (framed ? 4 : 2);
            if (w <= Room.Width && h <= Room.Height()) {
                TKeyLabel label{TKeyLabel::lkComputerKey, TKeyLabel::lsLine, Text,
                                QRectF(Room.Left + (Room.Width - w) / 2, Room.Bottom - h, w, h), s};
                label.Framed = framed;
                Out.push_back(label);
                Room.Bottom -= h + 1;
                return true;
            }
        }
    }
    return false;
}

bool PlaceAlong(TRoom &Room, const QString &Text, int Size, const QFont &Font,
                std::vector<TKeyLabel> &Out) {
    // The largest size that shows the whole name; else the smallest, that shows most of it.
    for (int s = Size; s >= MinPixelSize; --s) {
        const QFontMetricsF m(Sized(Font, s));
        const qreal thickness = AlongThickness(m);
        if (thickness > Room.Width)
            continue;
        const QString shown = m.elidedText(Text, Qt::ElideRight, Room.Height());
        if (shown != Text && s > MinPixelSize)
            continue;
        // An ellipsis alone, or one letter and it, says nothing.
        if (shown.size() < 3 && shown != Text)
            return false;
        const qreal length = m.horizontalAdvance(shown);
        Out.push_back({TKeyLabel::lkKeyName, TKeyLabel::lsAlong, shown,
                       QRectF(Room.Left + (Room.Width - thickness) / 2, Room.Bottom - length,
                              thickness, length),
                       s});
        Room.Bottom -= length + 1;
        return true;
    }
    return false;
}

} // namespace

int PixelSizeFor(int KeyWidth, qreal WhiteFaceHeight) {
    // A quarter of a white key's face leaves room for a name and two keys.
    return std::clamp(std::min(KeyWidth * 11 / 20, int(WhiteFaceHeight / 4)), MinPixelSize,
                      MaxPixelSize);
}

std::vector<TKeyLabel> Layout(const QRectF &Face, int PixelSize, const QString &NoteLabel,
                              const QStringList &ComputerKeys, const QString &KeyName,
                              const QFont &Font) {
    std::vector<TKeyLabel> out;
    const int size = std::max(PixelSize, MinPixelSize);
    // Half a pixel from each side; two from the front edge, which the key pictures shade.
    TRoom room{Face.left() + 0.5, Face.width() - 1, Face.top() + 1, Face.bottom() - 2};
    if (room.Width <= 0 || room.Height() <= 0)
        return out;
    const auto caps = [&] {
        for (const QString &key : ComputerKeys)
            if (!key.isEmpty() && !PlaceCap(room, key, size, Font, out))
                break;
    };
    if (!KeyName.isEmpty()) {
        caps();
        PlaceAlong(room, KeyName, size, Font, out);
    } else {
        if (!NoteLabel.isEmpty())
            PlaceLine(room, TKeyLabel::lkNote, NoteLabel, size, Font, out);
        caps();
    }
    return out;
}

void Draw(QPainter &P, const TKeyLabel &Label, const QFont &Font, const QColor &Colour,
          const QColor &Frame) {
    const QFont font = Sized(Font, Label.PixelSize);
    const QFontMetricsF m(font);
    P.save();
    P.setFont(font);
    P.setPen(Colour);
    const QRectF &r = Label.Rect;
    switch (Label.Shape) {
    case TKeyLabel::lsLine:
        if (Label.Kind == TKeyLabel::lkComputerKey) {
            if (Label.Framed) {
                P.setRenderHint(QPainter::Antialiasing, true);
                P.setPen(QPen(Frame, 1));
                P.setBrush(Qt::NoBrush);
                P.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
                P.setPen(Colour);
            } else {
                P.setPen(Frame); // without its line, a key is told from a note by its colour
            }
            P.drawText(QPointF(r.left() + (r.width() - m.horizontalAdvance(Label.Text)) / 2,
                               r.bottom() - (Label.Framed ? 2 : 1)),
                       Label.Text);
        } else {
            P.drawText(QPointF(r.left(), r.bottom() - (r.height() - m.capHeight()) / 2),
                       Label.Text);
        }
        break;
    case TKeyLabel::lsStacked: {
        const qreal line = r.height() / qreal(Label.Text.size());
        for (qsizetype i = 0; i < Label.Text.size(); ++i) {
            const QString c(Label.Text.at(i));
            const qreal x = r.left() + (r.width() - m.horizontalAdvance(c)) / 2;
            const qreal bottom = r.top() + line * qreal(i + 1);
            P.drawText(QPointF(x, bottom - (line - m.capHeight()) / 2), c);
        }
        break;
    }
    case TKeyLabel::lsAlong:
        // Turned a quarter left: the text runs from the front edge up the key, the tops of its
        // capitals to the left.
        P.translate(r.left() + (r.width() - AlongThickness(m)) / 2 + m.capHeight(), r.bottom());
        P.rotate(-90);
        P.drawText(QPointF(0, 0), Label.Text);
        break;
    }
    P.restore();
}

} // namespace KeyLabels
