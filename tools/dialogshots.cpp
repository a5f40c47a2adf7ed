// Renders the dialogs and the parts of the main window whose texts depend on the font into PNG
// files: the transpose window, every page of the settings dialog, the main window with a long
// patch name and with 20 knobs.
//
//   dialogshots <folder> [scale]
//
// With a scale other than 1 the files are named "-x<scale>" (transpose-x2.png) and the program
// runs with QT_SCALE_FACTOR set to it, as a user with a high-resolution screen has it.

#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "core/patchlist.h"
#include "dialogs/settings.h"
#include "dialogs/transposeform.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "router/midirouter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cstdio>
#include <tuple>

namespace {

QString Folder;
QString Suffix;
bool Ok = true;

void Save(QWidget &Widget, const QString &Name) {
    QTest::qWait(50); // layouts and deferred repaints settle
    const QString file = QDir(Folder).filePath(Name + Suffix + QStringLiteral(".png"));
    if (!Widget.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        Ok = false;
    }
}

// A script with one mode of programs with long names, as many devices have them.
const char *const Script = "[cubase parse file]\n[parser version 0001]\n[device name] Synth\n"
                           "[define patchnames]\n[mode] Normal\n[g1] Pianos\n"
                           "[p2, 0, 0] Concert Grand Piano \xe2\x80\x93 Bright Stage\n"
                           "[p2, 1, 0] Upright\n[end]\n";

} // namespace

int main(int argc, char *argv[]) {
    const QByteArray scale = argc > 2 ? QByteArray(argv[2]) : QByteArray("1");
    if (scale != "1") {
        qputenv("QT_SCALE_FACTOR", scale);
        Suffix = QStringLiteral("-x") + QString::fromLatin1(scale);
    }
    // A first start in a settings folder of its own, so nothing of the user's is read or written,
    // on a screen of 2560 x 1600 pixels, where no dialog has to shrink.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString screen = config.filePath(QStringLiteral("screen.json"));
    QFile file(screen);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": 2560,
                      "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.toUtf8());
    QApplication app(argc, argv);
    Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(Folder);

    TMainWindow w(TMidiApi::maNone, false);
    w.show();

    w.ShowTranspose();
    Save(*w.TransposeForm(), QStringLiteral("transpose"));
    w.TransposeForm()->close();

    w.ShowSettings();
    TSettings &settings = *w.Settings();
    const std::array<const char *, 6> pages{"general",  "playing",    "controller",
                                            "joystick", "mousewheel", "keys"};
    for (size_t page = 0; page < pages.size(); ++page) {
        settings.ShowPage(TSettings::TPage(page));
        Save(settings, QStringLiteral("settings-") + QString::fromLatin1(pages[page]));
    }
    settings.close();

    w.Patches().SetPatchSet(TPatchList::LoadText(Script, nullptr));
    w.Patches().StepPatch(1);
    Save(w, QStringLiteral("mainwindow-patch"));

    // Knob names as the knob setup offers them, and values of every width.
    w.Knobs().Clear();
    for (int i = 0; i < 20; ++i) {
        const QString name = i % 4 == 0   ? QStringLiteral("Foot Controller %1").arg(i / 4 + 1)
                             : i % 4 == 1 ? QStringLiteral("Pan")
                             : i % 4 == 2 ? QStringLiteral("Expression Controller")
                                          : QStringLiteral("Volume");
        w.Knobs().Add(name, i, i % 4 == 1 ? 1 : 0, i % 2 ? 0 : 127);
    }
    Save(w, QStringLiteral("knobbar-20"));
    w.resize(w.maximumWidth(), w.height());
    Save(w, QStringLiteral("knobbar-20-wide"));
    return Ok ? 0 : 1;
}
