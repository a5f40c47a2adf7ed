// Renders the main window (both keyboard paint styles), the settings dialog and the chord editor
// with the desktop's colours, light and dark (Fusion, as a dark colour scheme gives it), into PNG
// files: themeshots <folder>

#include "darkpalette.h"

#include "app/mainwindow.h"
#include "chords/chordeditform.h"
#include "dialogs/settings.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

bool Save(QWidget &Widget, const QString &File) {
    QTest::qWait(50); // layouts and deferred repaints settle
    if (Widget.grab().save(File))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir config; // a first start: nothing of the user's is read or written
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // No device: the status bar shows the message of the picture, not a missing sound card's.
    QDir().mkpath(config.filePath(QStringLiteral("Tavrel/Ondrel")));
    QFile store(config.filePath(QStringLiteral("Tavrel/Ondrel/themeshots.ini")));
    if (!store.open(QIODevice::WriteOnly) ||
        store.write("[MidiDevices]\nMidiOut=(none)\nMidiIn=(none)\n") < 0)
        return 1;
    store.close();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    const QPalette light = QApplication::style()->standardPalette();
    bool ok = true;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? DarkPalette() : light);
        const QString theme = dark ? QStringLiteral("dark") : QStringLiteral("light");
        const auto file = [&](const QString &Name) {
            return QDir(folder).filePath(Name + QLatin1Char('-') + theme + QStringLiteral(".png"));
        };
        TMainWindow w(TMidiApi::maNone, false);
        w.show();
        QTest::qWaitForWindowExposed(&w);
        w.Knobs().Add(QStringLiteral("Pan"), 10, 1, 64);
        w.Knobs().Add(QStringLiteral("Reverb"), 91, 0, 40);
        w.KnobCountChanged();
        TKeyboardModel &m = w.Keyboard()->Model();
        for (const int note : {48, 52, 55}) // a C major chord played, A# arriving from input
            m.SendChord(m.Channel(), note, 100, true);
        m.ShowNote(58, 100);
        w.SetStatusText(QStringLiteral("Opened Ondrel successfully"));
        ok = Save(w, file(QStringLiteral("mainwindow"))) && ok;
        w.Keyboard()->SetPaintStyle(TPaintStyle::psDraw);
        ok = Save(w, file(QStringLiteral("mainwindow-draw"))) && ok;
        w.Keyboard()->SetPaintStyle(TPaintStyle::psImage);

        w.ShowSettings();
        ok = Save(*w.Settings(), file(QStringLiteral("settings"))) && ok;
        w.Settings()->close();
        w.ShowChordEditor();
        ok = Save(*w.ChordEditor(), file(QStringLiteral("chordeditor"))) && ok;
        for (const int note : {48, 52, 55})
            m.SendChord(m.Channel(), note, 0, true);
        m.ShowNote(58, 0);
    }
    return ok ? 0 : 1;
}
