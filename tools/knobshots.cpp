// Renders the main window with 1, 6 and 20 knobs into PNG files, and the knob setup dialog as
// it shows at the usual settings (knobsetup.png) and on a desktop with QT_SCALE_FACTOR=2 and
// QT_FONT_DPI=144 (knobsetup-x2.png):
// knobshots <folder> [pixel ratio]
// The second dialog picture comes from the tool run again on a screen of 144 DPI:
// knobshots --setup <file>

#include "app/mainwindow.h"
#include "controls/wheel.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "router/midirouter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <array>
#include <tuple>

namespace {

const std::array<std::tuple<const char *, int, int>, 20> Knobs{{
    {"Volume", 7, 100},     {"Pan", 10, 64},    {"Expression", 11, 127},  {"Reverb", 91, 40},
    {"Chorus", 93, 0},      {"Cutoff", 74, 90}, {"Resonance", 71, 30},    {"Attack", 73, 10},
    {"Release", 72, 50},    {"Balance", 8, 64}, {"Foot", 4, 0},           {"Breath", 2, 80},
    {"Portamento", 5, 20},  {"Tremolo", 92, 0}, {"Celeste", 94, 0},       {"Phaser", 95, 0},
    {"Brightness", 74, 64}, {"Decay", 75, 64},  {"Vibrato Rate", 76, 64}, {"Vibrato Depth", 77, 64},
}};

void ShowKnobs(TMainWindow &W, int Count) {
    W.Knobs().Clear();
    for (int i = 0; i < Count; ++i) {
        const auto &[caption, controller, value] = Knobs[size_t(i)];
        W.Knobs().Add(QString::fromLatin1(caption), controller, i == 1 ? 1 : 0, value);
    }
}

bool Save(QWidget &Widget, const QString &FileName, qreal Ratio) {
    QPixmap shot(Widget.size() * Ratio);
    shot.setDevicePixelRatio(Ratio);
    shot.fill(Qt::black);
    QPainter p(&shot);
    Widget.render(&p);
    p.end();
    return shot.save(FileName);
}

// The setup dialog over six knobs and two stored presets, the first of them chosen, drawn at
// the pixel ratio of its screen.
bool SaveSetup(TMainWindow &W, const QString &FileName) {
    for (const char *name : {"Piano", "Synth"}) {
        TKnobList preset;
        preset.Add(QString::fromLatin1(name), 7, 0, 100);
        preset.SavePreset(KnobPresetsKey, QString::fromLatin1(name));
    }
    ShowKnobs(W, 6);
    auto *setup = new TKnobEditForm(W.Knobs(), &W);
    setup->CurrentPresetName = [] { return QStringLiteral("Piano"); };
    setup->show();
    QCoreApplication::processEvents(); // the layout as on screen
    const bool ok = Save(*setup, FileName, setup->devicePixelRatioF());
    setup->close();
    return ok;
}

// Runs this tool again for the setup dialog on a screen as QT_FONT_DPI=144 makes it on X11 (the
// offscreen platform reads its DPI from a screen description), at twice the pixels.
bool SaveSetupX2(const QString &FileName) {
    QTemporaryDir dir;
    const QString screens = dir.filePath(QStringLiteral("screens.json"));
    QFile f(screens);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(R"({"screens": [{"name": "x2", "x": 0, "y": 0, "width": 1920, "height": 1200,
                "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               QStringLiteral("offscreen:configfile=") + screens);
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--setup"), FileName});
    return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

} // namespace

int main(int argc, char *argv[]) {
    const bool setupOnly = argc > 2 && qstrcmp(argv[1], "--setup") == 0;
    if (!setupOnly || !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A first start in a settings folder of its own, so nothing of the user's is read or written.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    TMainWindow w(TMidiApi::maNone, false);
    w.show();
    if (setupOnly)
        return SaveSetup(w, QString::fromLocal8Bit(argv[2])) ? 0 : 1;

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const qreal ratio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    QDir().mkpath(folder);
    bool ok = true;
    for (int count : {1, 6, 20}) {
        ShowKnobs(w, count);
        ok = Save(w, folder + QStringLiteral("/knobs-%1.png").arg(count), ratio) && ok;
    }
    ok = SaveSetup(w, folder + QStringLiteral("/knobsetup.png")) && ok;
    ok = SaveSetupX2(QDir(folder).absoluteFilePath(QStringLiteral("knobsetup-x2.png"))) && ok;
    return ok ? 0 : 1;
}
