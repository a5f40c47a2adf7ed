// Renders the keyboard widget in both paint styles at the three sizes, with a chord and a black
// key pressed and the mark note shown, into PNG files: keyboardshots <folder> [pixel ratio]
// Then the same with labels (note names, computer keys), a D major scale, keys held by the
// sustain pedal, and a drum kit's key names: keyboard-labels-<style>-<size>.png, "-x2" added at
// a pixel ratio of 2.

#include "keyboard/keyboard.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

namespace {

struct TSize {
    const char *Name;
    TImageSize Size;
};

QString StyleName(TPaintStyle Style) {
    return Style == TPaintStyle::psDraw ? QStringLiteral("draw") : QStringLiteral("image");
}

bool Save(TKeyboard &Keys, const QString &File, qreal Ratio) {
    QPixmap shot(Keys.size() * Ratio);
    shot.setDevicePixelRatio(Ratio);
    QPainter p(&shot);
    Keys.render(&p);
    p.end();
    return shot.save(File);
}

template <size_t N> bool Labelled(const QString &Folder, qreal Ratio, const TSize (&Sizes)[N]) {
    const QString suffix = Ratio == 1.0 ? QString() : QStringLiteral("-x%1").arg(Ratio);
    QStringList drums;
    for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
        drums << QString();
    drums[35] = QStringLiteral("Acoustic Bass Drum");
    drums[36] = QStringLiteral("Bass Drum");
    drums[37] = QStringLiteral("Side Stick");
    drums[38] = QStringLiteral("Snare");
    drums[39] = QStringLiteral("Hand Clap");
    drums[40] = QStringLiteral("Electric Snare");
    drums[42] = QStringLiteral("Closed Hi-Hat");
    drums[46] = QStringLiteral("Open Hi-Hat");
    for (auto style : {TPaintStyle::psDraw, TPaintStyle::psImage}) {
        for (const auto &s : Sizes) {
            TKeyboard keys;
            keys.SetImageSize(s.Size);
            keys.SetKeyWidth(TKeyboardModel::ImageKeyWidth(s.Size));
            keys.SetPaintStyle(style);
            const int width = 22 * keys.Model().KeyWidth();
            keys.resize(width, 76);
            TKeyboardModel &m = keys.Model();
            m.SetBounds(width, 76);
            m.SetBaseNote(48);
            m.SetNoteLabels(TNoteLabels::nlAll);
            m.SetComputerKeyLabels(true);
            m.SetScale(TScale::scMajor);
            m.SetScaleRoot(2);
            // D and F# held by the pedal, A pressed.
            m.SendChord(0, 62, 100, true);
            m.SendChord(0, 66, 100, true);
            m.SetControllerValue(TKeyboardModel::SustainPedal, 127);
            m.SendChord(0, 62, 0, true);
            m.SendChord(0, 66, 0, true);
            m.SendChord(0, 69, 100, true);
            const QString name = QStringLiteral("%1/keyboard-labels-%2-%3%4.png")
                                     .arg(Folder, StyleName(style), QLatin1String(s.Name), suffix);
            if (!Save(keys, name, Ratio))
                return false;
            // A drum kit's names on the keys.
            m.SetScale(TScale::scChromatic);
            m.SetNoteLabels(TNoteLabels::nlNone);
            m.SetNoteNames(&drums);
            m.SetKeyNamesOnKeys(true);
            m.SetBaseNote(33);
            const QString kit = QStringLiteral("%1/keyboard-drums-%2-%3%4.png")
                                    .arg(Folder, StyleName(style), QLatin1String(s.Name), suffix);
            if (!Save(keys, kit, Ratio))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const qreal ratio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    QDir().mkpath(folder);
    const TSize sizes[] = {{"small", TImageSize::isSmall},
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
    return Labelled(folder, ratio, sizes) ? 0 : 1;
}
