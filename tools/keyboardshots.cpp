// Renders the keyboard widget in both paint styles at the three sizes, with a chord and a black
// key pressed and the mark note shown, into PNG files: keyboardshots <folder> [pixel ratio]

#include "keyboard/keyboard.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const qreal ratio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    QDir().mkpath(folder);
    const struct {
        const char *Name;
        TImageSize Size;
    } sizes[] = {{"small", TImageSize::isSmall},
                 {"normal", TImageSize::isNormal},
                 {"big", TImageSize::isBig}};
    for (auto style : {TPaintStyle::psDraw, TPaintStyle::psImage}) {
        for (const auto &s : sizes) {
            TKeyboard keys;
            keys.SetImageSize(s.Size);
            keys.SetKeyWidth(TKeyboardModel::ImageKeyWidth(s.Size));
            keys.SetPaintStyle(style);
            const int width = 22 * keys.Model().KeyWidth();
            keys.resize(width, 76);
            keys.Model().SetBounds(width, 76);
            keys.Model().SetBaseNote(48);
            keys.Model().SetChord(TChord::chMajor);
            keys.Model().SendChord(0, 60, 100, true); // C E G
            keys.Model().ShowNote(70, 100);           // A# from MIDI input
            keys.Model().SetMarkNote(72);
            QPixmap shot(QSize(width, 76) * ratio);
            shot.setDevicePixelRatio(ratio);
            QPainter p(&shot);
            keys.render(&p);
            p.end();
            const QString file = QStringLiteral("%1/keyboard-%2-%3.png")
                                     .arg(folder,
                                          style == TPaintStyle::psDraw ? QStringLiteral("draw")
                                                                       : QStringLiteral("image"),
                                          QLatin1String(s.Name));
            if (!shot.save(file))
                return 1;
        }
    }
    return 0;
}
