// Renders the main window with 1, 6 and 20 knobs into PNG files:
// knobshots <folder> [pixel ratio]

#include "knobs/guiknoblist.h"
#include "app/mainwindow.h"
#include "keyboard/keyboard.h"
#include "router/midirouter.h"
#include "controls/wheel.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A first start in a settings folder of its own, so nothing of the user's is read or written.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const qreal ratio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    QDir().mkpath(folder);

    TMainWindow w(TMidiApi::maNone, false);
    w.show();
    const std::array<std::tuple<const char *, int, int>, 20> knobs{{
        {"Volume", 7, 100},       {"Pan", 10, 64},
        {"Expression", 11, 127},  {"Reverb", 91, 40},
        {"Chorus", 93, 0},        {"Cutoff", 74, 90},
        {"Resonance", 71, 30},    {"Attack", 73, 10},
        {"Release", 72, 50},      {"Balance", 8, 64},
        {"Foot", 4, 0},           {"Breath", 2, 80},
        {"Portamento", 5, 20},    {"Tremolo", 92, 0},
        {"Celeste", 94, 0},       {"Phaser", 95, 0},
        {"Brightness", 74, 64},   {"Decay", 75, 64},
        {"Vibrato Rate", 76, 64}, {"Vibrato Depth", 77, 64},
    }};
    bool ok = true;
    for (int count : {1, 6, 20}) {
        w.Knobs().Clear();
        for (int i = 0; i < count; ++i) {
            const auto &[caption, controller, value] = knobs[size_t(i)];
            w.Knobs().Add(QString::fromLatin1(caption), controller, i == 1 ? 1 : 0, value);
        }
        QPixmap shot(w.size() * ratio);
        shot.setDevicePixelRatio(ratio);
        shot.fill(Qt::black);
        QPainter p(&shot);
        w.render(&p);
        p.end();
        ok = shot.save(folder + QStringLiteral("/knobs-%1.png").arg(count)) && ok;
    }
    return ok ? 0 : 1;
}
