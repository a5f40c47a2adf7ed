#pragma once

// Where the texts written on one key go: the note name, the computer keys that play it and the
// patch's name of the key (drum kits). Everything lies on the key's face (for a white key the
// part below the black keys), stacked from the front edge up: the note name nearest the player
// with the computer keys above it, or, on a key the patch names, the computer keys first and the
// name along the key above them. A note name that does not fit across the key is written one
// character a line, a key name is shortened with an ellipsis; what fits in no way is left out
// rather than drawn over the neighbours. Pure geometry, so that it can be checked for every key
// size without painting.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

struct TKeyLabel {
    enum TKind { lkNote, lkComputerKey, lkKeyName };
    enum TShape {
        lsLine,    // one line across the key
        lsStacked, // one character a line
        lsAlong,   // turned a quarter left, read from the front edge towards the back
    };
    TKind Kind = lkNote;
    TShape Shape = lsLine;
    QString Text;
    QRectF Rect;         // the room the text takes, in control pixels
    int PixelSize = 0;   // of the font
    bool Framed = false; // a computer key drawn as a key cap
};

namespace KeyLabels {

// Below this size text is no longer readable; labels that would need less are left out.
constexpr int MinPixelSize = 7;
constexpr int MaxPixelSize = 12;

// The font size of the labels of a keyboard whose white keys are KeyWidth wide with faces
// WhiteFaceHeight high; black keys take the same.
int PixelSizeFor(int KeyWidth, qreal WhiteFaceHeight);

// Face: the free face of the key in control pixels; PixelSize: the labels' font size, made
// smaller for one that does not fit (down to MinPixelSize). NoteLabel, ComputerKeys and KeyName
// may be empty; a non-empty KeyName stands in for the note name.
std::vector<TKeyLabel> Layout(const QRectF &Face, int PixelSize, const QString &NoteLabel,
                              const QStringList &ComputerKeys, const QString &KeyName,
                              const QFont &Font);

// Writes one label in Colour; a computer key gets a key cap outline in Frame, or is written in
// Frame where there is no room for the outline.
void Draw(QPainter &P, const TKeyLabel &Label, const QFont &Font, const QColor &Colour,
          const QColor &Frame);

} // namespace KeyLabels
