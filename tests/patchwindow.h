#pragma once
// The real main window without a MIDI service, for the patch set tests: what the program bank
// would send is recorded instead, and what loading a patch set reports is kept.

#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "app/programbank.h"
#include "core/patchlist.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "router/midirouter.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>
#include <vector>

using Msg = std::tuple<int, int, int>;
using Msgs = std::vector<Msg>;

struct TPatchWindow {
    // Every test starts as a first start: call from init().
    void Reset() {
        FConfig = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
        // No device: a first start would open the built-in synthesizer, which has no sound
        // card here, and say so in a box that takes the focus from the window.
        const QString store = ProgramStoreFileName();
        QDir().mkpath(QFileInfo(store).absolutePath());
        QFile file(store);
        if (file.open(QIODevice::WriteOnly))
            file.write("[MidiDevices]\nMidiOut=(none)\nMidiIn=(none)\n");
        Sent.clear();
        Messages.clear();
    }

    // A shown, exposed window past its deferred start-up, with nothing sent yet.
    std::unique_ptr<TMainWindow> NewWindow() {
        auto w = std::make_unique<TMainWindow>(TMidiApi::maNone, false);
        QObject::connect(&w->Router(), &TMidiRouter::Sent, w.get(), [this](const TShortMessage &m) {
            Sent.emplace_back(m.Status, m.Data1, m.Data2);
        });
        w->Patches().OnLoadMessages = [this](const QStringList &lines) { Messages << lines; };
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get(), 20000)) // patient on a loaded machine
            return nullptr;
        QTest::qWait(30);
        Sent.clear();
        return w;
    }

    // The example patch scripts that come with the program.
    static QString Examples() {
        return qEnvironmentVariable("ONDREL_SOURCE_DIR") + QStringLiteral("/resources/patches");
    }
    static QString Script(const char *Name) {
        return Examples() + QLatin1Char('/') + QLatin1String(Name);
    }

    // The entry at Path (captions from the menu down), or null.
    static QAction *FindAction(QMenu *Menu, const QStringList &Path) {
        for (QAction *a : Menu->actions()) {
            if (a->text() != Path.first())
                continue;
            if (Path.size() == 1)
                return a;
            // Submenus fill themselves as they open.
            TPatchSelection::FillMenuNow(a->menu());
            return a->menu() ? FindAction(a->menu(), Path.mid(1)) : nullptr;
        }
        return nullptr;
    }

    Msgs Sent;
    QStringList Messages;

private:
    std::unique_ptr<QTemporaryDir> FConfig;
};
