// Renders the pitch and modulation strips and the two arrows, at rest and moved, into PNG files:
// stripshots <folder> [pixel ratio]

#include "controls/controlpictures.h"
#include "controls/frameimage.h"
#include "controls/imgcontrol.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

namespace {

// A row like the main window's: pitch, modulation, left arrow, a gap for the keys, right arrow.
QPixmap Row(TFrameImage &Wheel, TFrameImage &Left, TFrameImage &Right, int Pitch, int Mod,
            bool LeftDown, qreal Ratio) {
    QWidget row;
    row.setAutoFillBackground(true);
    QPalette pal = row.palette();
    pal.setColor(QPalette::Window, Qt::black);
    row.setPalette(pal);
    row.resize(120, 92);
    TImgControl pitch(&row), mod(&row), left(&row), right(&row);
    for (TImgControl *c : {&pitch, &mod, &left, &right})
        c->SetTabStop(false);
    pitch.SetFrameImage(&Wheel);
    pitch.SetMin(-8192);
    pitch.SetMax(8191);
    pitch.move(8, 8);
    mod.SetFrameImage(&Wheel);
    mod.SetMax(127);
    mod.move(36, 8);
    left.SetFrameImage(&Left);
    left.SetMax(1);
    left.move(64, 8);
    right.SetFrameImage(&Right);
    right.SetMax(1);
    right.move(96, 8);
    pitch.SetPosition(Pitch);
    mod.SetPosition(Mod);
    left.SetPosition(LeftDown ? 1 : 0);
    QPixmap shot(row.size() * Ratio);
    shot.setDevicePixelRatio(Ratio);
    QPainter p(&shot);
    row.render(&p);
    return shot;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const qreal ratio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    QDir().mkpath(folder);
    TFrameImage wheel, left, right;
    for (TFrameImage *img : {&wheel, &left, &right})
        img->SetPixelRatio(ratio);
    wheel.SetResBitmap(QStringLiteral("WHEEL"));
    wheel.SetCount(ControlPictures::WheelFrames);
    left.SetResBitmap(QStringLiteral("LEFTARROW"));
    left.SetCount(2);
    left.SetButton(true);
    right.SetResBitmap(QStringLiteral("RIGHTARROW"));
    right.SetCount(2);
    right.SetButton(true);
    bool ok = Row(wheel, left, right, 0, 0, false, ratio)
                  .save(folder + QStringLiteral("/strips-rest.png"));
    ok = Row(wheel, left, right, 5000, 100, true, ratio)
             .save(folder + QStringLiteral("/strips-moved.png")) &&
         ok;
    return ok ? 0 : 1;
}
