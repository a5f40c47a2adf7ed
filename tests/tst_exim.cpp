// File > Export and Import on the real main window (no MIDI service needed), and the
// explanation dialog shown before each of them.

#include "app/controllermapping.h"
#include "app/eximhelp.h"
#include "app/eximport.h"
#include "app/mainwindow.h"
#include "app/programbank.h"
#include "app/translations.h"
#include "core/chordlist.h"
#include "core/inifile.h"
#include "core/knoblist.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "modalanswers.h"
#include "router/midirouter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <sys/stat.h>

namespace {

enum TCommand {
    ExSettings,
    ExPresets,
    ExSnapshots,
    ExChords,
    ImSettings,
    ImPresets,
    ImSnapshots,
    ImChords
};

void Run(TExImport &E, int Command) {
    using F = void (TExImport::*)();
    static constexpr F Handlers[] = {&TExImport::ExportSettings,      &TExImport::ExportKnobPresets,
                                     &TExImport::ExportKnobSnapshots, &TExImport::ExportChords,
                                     &TExImport::ImportSettings,      &TExImport::ImportKnobPresets,
                                     &TExImport::ImportKnobSnapshots, &TExImport::ImportChords};
    (E.*Handlers[Command])();
}

QByteArray ReadAll(const QString &Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString &Path, const QByteArray &Data) {
    QFile f(Path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Data);
}

QStringList ChordNames(TMainWindow &W) {
    QStringList names;
    for (int i = 0; i < W.ChordList().Count(); ++i)
        names << W.ChordList().Items(i).Name() + QLatin1Char('=') + W.ChordList().Items(i).ToText();
    return names;
}

QStringList PresetMenu(TMainWindow &W) {
    QStringList names;
    for (const QAction *a : W.PresetsMenu()->actions())
        names << a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
    return names;
}

void StorePreset(const QString &Name, int Knobs) {
    TKnobList list;
    for (int i = 0; i < Knobs; ++i)
        list.Add(QStringLiteral("K%1").arg(i + 1), 20 + i, i % 2, 10 * i);
    list.SavePreset(KnobPresetsKey, Name);
}

} // namespace

class TestExIm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void helpPages_data();
    void helpPages();
    void fileDialog_data();
    void fileDialog();
    void roundTrip_data();
    void roundTrip();
    void dontShowAgain();
    void overwriteWithOnlyDefaultDeletesAllPresets();
    void importKeepsHandChangedKnobs();
    void disabledExports();
    void lastFileNamePerKind();
    void badImportChangesNothing_data();
    void badImportChangesNothing();
    void garbageValuesAreClamped();
    void importedProgramAndBankAreHeldNotShown();
    void importedPresetChosenWhenStored_data();
    void importedPresetChosenWhenStored();
    void failedExportKeepsOldFile_data();
    void failedExportKeepsOldFile();
    void windowsStyleFileImports();

private:
    std::unique_ptr<TMainWindow> NewWindow();
    // Answers the file dialog with Path (empty: Cancel) and the explanation with OK.
    void Answer(TMainWindow &W, const QString &Path);
    // Runs Command so, answering its message boxes with OK; returns what they said.
    QStringList Do(TMainWindow &W, int Command, const QString &Path, int Boxes = 1);
    QString File(const QString &Name) const { return FDir->filePath(Name); }

    std::unique_ptr<QTemporaryDir> FConfig;
    std::unique_ptr<QTemporaryDir> FDir;
    QList<TIniFileRequest> FRequests;
    QList<int> FHelpShown;
};

// As the program starts on an English desktop: the singular forms ("1 knob preset") come from
// its English catalogue.
void TestExIm::initTestCase() {
    InstallTranslations(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestExIm::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    FDir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    FRequests.clear();
    FHelpShown.clear();
}

void TestExIm::cleanup() {
    QFile::setPermissions(File(QStringLiteral("old.ini")), QFile::ReadOwner | QFile::WriteOwner);
}

std::unique_ptr<TMainWindow> TestExIm::NewWindow() {
    auto w = std::make_unique<TMainWindow>(TMidiApi::maNone, false);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get(), 20000))
        return nullptr;
    QTest::qWait(30);
    return w;
}

void TestExIm::Answer(TMainWindow &W, const QString &Path) {
    W.ExImport().FileChooser = [this, Path](const TIniFileRequest &R) {
        FRequests << R;
        return Path;
    };
    W.ExImport().HelpDialog = [this](int Index, bool &) {
        FHelpShown << Index;
        return true;
    };
}

QStringList TestExIm::Do(TMainWindow &W, int Command, const QString &Path, int Boxes) {
    Answer(W, Path);
    TModalAnswers answers;
    for (int i = 0; i < Boxes; ++i)
        answers.Box(QMessageBox::Ok);
    Run(W.ExImport(), Command);
    return answers.Seen;
}

// --- The explanation dialog ----------------------------------------------------------------------

void TestExIm::helpPages_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("flagIn");
    QTest::addColumn<bool>("toggle"); // click the box or the other radio button before closing
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("flagOut");
    QTest::addColumn<QString>("visibleText"); // a label that must show on this page

    QTest::newRow("export settings, box checked, OK")
        << 0 << false << true << true << true << "Your settings are written";
    QTest::newRow("export settings, box checked, Cancel")
        << 0 << false << true << false << false << "They include";
    QTest::newRow("import settings shares the page")
        << 4 << true << false << true << true << "take effect the next time";
    QTest::newRow("export snapshots") << 2 << false << true << true << true << "you have defined";
    QTest::newRow("export chords") << 3 << false << false << true << false << "built-in chords";
    QTest::newRow("import presets: add chosen")
        << 5 << true << true << true << false << "Add to existing knob presets";
    QTest::newRow("import presets: Cancel keeps")
        << 5 << true << true << false << true << "replaces it";
    QTest::newRow("import snapshots") << 6 << false << true << true << true << "same number";
    QTest::newRow("import chords: overwrite chosen")
        << 7 << false << true << true << true << "Overwrite existing chords";
}

void TestExIm::helpPages() {
    QFETCH(int, index);
    QFETCH(bool, flagIn);
    QFETCH(bool, toggle);
    QFETCH(bool, ok);
    QFETCH(bool, flagOut);
    QFETCH(QString, visibleText);

    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    TExImHelp help(&owner);
    QStringList seen;
    QTimer::singleShot(0, &help, [&] {
        QTRY_VERIFY(help.isVisible());
        seen << help.windowTitle() << help.TitleLabel->text();
        // Everything shown lies inside the window, and what is hidden takes no room.
        for (const QLabel *l : help.findChildren<QLabel *>()) {
            if (!l->isVisible())
                continue;
            const QRect r(l->mapTo(&help, QPoint(0, 0)), l->size());
            if (r.bottom() >= help.height())
                seen << QStringLiteral("cut: ") + l->text();
            if (l->text().contains(visibleText))
                seen << QStringLiteral("found");
        }
        for (const QRadioButton *b : help.findChildren<QRadioButton *>())
            if (b->isVisible() && b->text().contains(visibleText))
                seen << QStringLiteral("found");
        seen << (help.ExportHintPanel->isVisible() ? "hint" : "no hint")
             << (help.DontShowCheck->isVisible() ? "box" : "no box");
        if (toggle) {
            if (index == 5 || index == 7) {
                QRadioButton *other =
                    index == 5 ? (flagIn ? help.KnobPresetAddRadio : help.KnobPresetOverwriteRadio)
                               : (flagIn ? help.ChordAddRadio : help.ChordOverwriteRadio);
                other->click();
            } else {
                help.DontShowCheck->click();
            }
        }
        ok ? help.accept() : help.reject();
    });
    bool flag = flagIn;
    QCOMPARE(help.ShowPage(index, flag), ok);
    QCOMPARE(flag, flagOut);
    const QString caption = TExImHelp::PageCaption(index);
    const bool merging = index == 5 || index == 7;
    QCOMPARE(seen, (QStringList{caption, caption, QStringLiteral("found"),
                                index <= 3 ? "hint" : "no hint", merging ? "no box" : "box"}));
}

// --- The file dialog ----------------------------------------------------------------------------

void TestExIm::fileDialog_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("save adds .ini") << true << "mine"
                                    << "mine.ini";
    QTest::newRow("save keeps own extension") << true << "mine.txt"
                                              << "mine.txt";
    QTest::newRow("open cancelled") << false << ""
                                    << "";
}

void TestExIm::fileDialog() {
    QFETCH(bool, save);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TIniFileRequest request{save, save ? "Select export file" : "Select import file", FDir->path(),
                            QStringLiteral("KeyboardChords.ini")};
    QStringList seen;
    QTimer::singleShot(0, [&] {
        QFileDialog *d = nullptr;
        QTRY_VERIFY((d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())));
        seen << d->windowTitle() << d->defaultSuffix() << d->nameFilters().join(QLatin1Char('|'))
             << QFileInfo(d->selectedFiles().value(0)).fileName()
             << (d->acceptMode() == QFileDialog::AcceptSave ? "save" : "open");
        if (typed.isEmpty()) {
            d->reject();
        } else {
            d->selectFile(FDir->filePath(typed));
            QMetaObject::invokeMethod(d, "accept");
        }
    });
    const QString chosen = RunIniFileDialog(nullptr, request);
    QCOMPARE(seen, (QStringList{request.Title, "ini", "Ini files (*.ini)|All files (*)",
                                "KeyboardChords.ini", save ? "save" : "open"}));
    QCOMPARE(chosen, expected.isEmpty() ? QString() : FDir->filePath(expected));
}

// --- Round trips ---------------------------------------------------------------------------------

void TestExIm::roundTrip_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("settings") << 0 << "Settings saved successfully."
                              << "Settings loaded successfully.";
    QTest::newRow("knob presets") << 1 << "2 knob presets saved successfully."
                                  << "2 knob presets loaded successfully.";
    QTest::newRow("snapshots") << 2 << "3 knob snapshots saved successfully."
                               << "3 knob snapshots loaded successfully.";
    QTest::newRow("chords") << 3 << "3 custom chords saved successfully."
                            << "3 custom chords loaded successfully.";
}

void TestExIm::roundTrip() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, loaded);
    const QString first = File(QStringLiteral("first.ini"));
    const QString again = File(QStringLiteral("again.ini"));
    {
        StorePreset(QStringLiteral("Piano"), 3);
        StorePreset(QStringLiteral("Flöte; x=1"), 20);
        QFile(File(QStringLiteral("chords.ini"))).remove();
        auto w = NewWindow();
        QVERIFY(w);
        TKeyboardModel &k = w->Keyboard()->Model();
        k.SetKeyWidth(14);
        k.SetChannel(9);
        k.SetVelocity(77);
        k.SetUpDownController(74);
        w->SetMidiThru(true);
        w->SetWheelController(128);
        w->SetMouseWheelSensitivity(9);
        w->ProgramBank().SetProgramValue(41);
        for (int i = 0; i < TMainWindow::ExImFlagCount; ++i)
            w->SetExImFlag(i, i == 0 || i == 2 || i == 5 || i == 7);
        TJoystickMap map = w->JoystickMap();
        map.Set(1, 2, 3, 64);
        w->SetJoystickMap(map);
        for (auto [name, text] : {std::pair{"Jazz", "3C040A0E"}, std::pair{"Low", "30F4E8"},
                                  std::pair{"=weird name=", "3C0C"}}) {
            TChordEntry &c = w->ChordList().NewChord();
            c.FromText(QString::fromUtf8(name), QString::fromLatin1(text));
        }
        w->RebuildChordCombo();
        w->Knobs().Clear();
        w->Knobs().Add(QStringLiteral("Cut"), 74, 0, 30);
        w->Knobs().Add(QStringLiteral("Res"), 71, 1, 64);
        w->DefineSnapshot(-1); // ignored
        {
            TModalAnswers names;
            names.Input(QStringLiteral("Soft")).Input(QStringLiteral("Loud; & \"q\""));
            w->DefineSnapshot(2);
            w->DefineSnapshot(7);
            QVERIFY(names.Done());
        }
        w->SetSnapshot(0, QStringLiteral("0764")); // kept out of the settings file
        QCOMPARE(Do(*w, kind, first), QStringList{message});
    }
    // A fresh store, and the file read back there.
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    auto w = NewWindow();
    QVERIFY(w);
    w->SetExImFlag(5, true);
    w->SetExImFlag(7, true);
    QCOMPARE(Do(*w, kind + ImSettings, first), QStringList{loaded});
    // Import Settings brings the flags; the merging imports overwrite in the others.
    w->SetExImFlag(5, true);
    w->SetExImFlag(7, true);
    QCOMPARE(Do(*w, kind, again), QStringList{message});
    QCOMPARE(ReadAll(again), ReadAll(first));
    QVERIFY(ReadAll(first).size() > 20);
    if (kind != ExSettings)
        return;
    // No snapshots, devices or knob presets: they belong to this machine or have their own files.
    // The zones travel with the settings (Zones, and Zone1 ... of each zone).
    const TIniFile file(first);
    const QStringList exported{"KeyboardForm", "Keyboard", "Joystick", "Takes"};
    for (const QString &section : file.ReadSections())
        QVERIFY2(exported.contains(section) || section.startsWith(QStringLiteral("Zone")),
                 qPrintable(section));
    QCOMPARE(file.ReadString("KeyboardForm", "First Time", "?"), QStringLiteral("0"));
    QVERIFY(file.ValueExists("KeyboardForm", "PatchScript"));
}

// --- Edge cases of export and import ---------------------------------------------------------

void TestExIm::dontShowAgain() {
    auto w = NewWindow();
    QVERIFY(w);
    w->ExImport().FileChooser = [this](const TIniFileRequest &R) {
        FRequests << R;
        return QString(); // the file dialog is cancelled each time
    };
    // Cancel with the box checked: nothing changes and no file dialog follows.
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<TExImHelp *>(QApplication::activeModalWidget()));
        auto *help = qobject_cast<TExImHelp *>(QApplication::activeModalWidget());
        help->DontShowCheck->setChecked(true);
        help->reject();
    });
    w->ExImport().ExportKnobSnapshots();
    QCOMPARE(w->ExImFlag(2), false);
    QCOMPARE(FRequests.size(), 0);
    // OK with the box checked: the dialog is skipped from then on.
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<TExImHelp *>(QApplication::activeModalWidget()));
        auto *help = qobject_cast<TExImHelp *>(QApplication::activeModalWidget());
        help->DontShowCheck->setChecked(true);
        help->accept();
    });
    w->ExImport().ExportKnobSnapshots();
    QCOMPARE(w->ExImFlag(2), true);
    QCOMPARE(FRequests.size(), 1);
    w->ExImport().ExportKnobSnapshots(); // an unexpected dialog would hang here
    QCOMPARE(FRequests.size(), 2);
    // The flag is kept at close.
    w->close();
    w.reset();
    QCOMPARE(TRegistryIniFile().ReadBool("KeyboardForm", "DontShowExKnobSnapshots", false), true);
    // The merging imports ask every time, whatever their flag.
    w = NewWindow();
    Answer(*w, QString());
    w->SetExImFlag(5, true);
    w->SetExImFlag(7, true);
    w->ExImport().ImportKnobPresets();
    w->ExImport().ImportChords();
    w->ExImport().ExportKnobSnapshots();
    QCOMPARE(FHelpShown, (QList<int>{5, 7}));
}

void TestExIm::overwriteWithOnlyDefaultDeletesAllPresets() {
    StorePreset(QStringLiteral("Piano"), 2);
    StorePreset(QStringLiteral("Organ"), 1);
    WriteAll(File(QStringLiteral("d.ini")), "[Default]\nCaption1=Vol\nIUser1=7\nDisplayMode1=0\n");
    auto w = NewWindow();
    QVERIFY(w);
    w->SelectKnobPreset(QStringLiteral("Piano"));
    QCOMPARE(PresetMenu(*w), (QStringList{"Default", "Organ", "Piano*"}));
    w->SetExImFlag(5, true);
    QCOMPARE(Do(*w, ImPresets, File(QStringLiteral("d.ini"))),
             QStringList{"No knob presets could be loaded."});
    QCOMPARE(PresetMenu(*w), QStringList{"Default*"});
    QCOMPARE(w->Knobs().Count(), 1);
    QStringList stored;
    ListKnobPresetsInRegistry(stored, KnobPresetsKey);
    QVERIFY(stored.isEmpty());
}

// Regression: reselecting "Current" after an import loaded the knobs stored at the last close
// (or none) over the ones the user had just set up.
void TestExIm::importKeepsHandChangedKnobs() {
    StorePreset(QStringLiteral("Current"), 1);
    WriteAll(File(QStringLiteral("p.ini")),
             "[Strings]\nCaption1=Att\nIUser1=73\nDisplayMode1=0\nDefaultValue1=5\n");
    auto w = NewWindow();
    QVERIFY(w);
    w->Knobs().Clear();
    w->Knobs().Add(QStringLiteral("Mine"), 1, 0, 0);
    w->Knobs().Add(QStringLiteral("Mine too"), 2, 0, 0);
    w->UncheckKnobPresets();
    for (bool overwrite : {false, true}) {
        w->SetExImFlag(5, overwrite);
        QCOMPARE(Do(*w, ImPresets, File(QStringLiteral("p.ini"))),
                 QStringList{"1 knob preset loaded successfully."});
        QCOMPARE(w->Knobs().Count(), 2);
        QCOMPARE(PresetMenu(*w), (QStringList{"Default", "Strings"}));
    }
}

void TestExIm::disabledExports() {
    StorePreset(QStringLiteral("Piano"), 2);
    auto w = NewWindow();
    QVERIFY(w);
    TExImport &e = w->ExImport();
    const auto enabled = [&] {
        emit e.ExportMenu->aboutToShow();
        return QList<bool>{
            e.ExportSettingsAction->isEnabled(), e.ExportKnobPresetsAction->isEnabled(),
            e.ExportKnobSnapshotsAction->isEnabled(), e.ExportChordsAction->isEnabled()};
    };
    QCOMPARE(enabled(), (QList<bool>{true, true, false, false}));
    w->Knobs().Clear(); // presets stored, but no knob on the bar
    QCOMPARE(enabled(), (QList<bool>{true, false, false, false}));
    w->SetSnapshot(4, QStringLiteral("0764"));
    w->ChordList().NewChord().FromText(QStringLiteral("C"), QStringLiteral("3C04"));
    QCOMPARE(enabled(), (QList<bool>{true, false, true, true}));
    for (QAction *a : e.ImportMenu->actions())
        QVERIFY(a->isEnabled());
    QCOMPARE(e.ImportMenu->menuAction()->statusTip(),
             QStringLiteral("Import previously exported ini file."));
    QCOMPARE(e.ExportChordsAction->statusTip(),
             QStringLiteral("Export your custom chords to an ini file."));
}

void TestExIm::lastFileNamePerKind() {
    auto w = NewWindow();
    QVERIFY(w);
    w->SetSnapshot(0, QStringLiteral("0764"));
    Do(*w, ExSettings, File(QStringLiteral("sub/mine.ini")));
    for (int command : {ExSettings, ExSnapshots, ImSettings})
        QCOMPARE(Do(*w, command, File(QStringLiteral("other.ini"))).size(), 1);
    QCOMPARE(FRequests.size(), 4);
    const auto request = [this](int i) {
        const TIniFileRequest &r = FRequests[i];
        return QStringList{
            r.Save ? "save" : "open", r.Title, QDir(FDir->path()).relativeFilePath(r.Directory),
            QDir(FDir->path()).relativeFilePath(QFileInfo(r.Directory, r.FileName).filePath())};
    };
    QCOMPARE(request(0).mid(0, 2), (QStringList{"save", "Select export file"}));
    QCOMPARE(request(0).value(3).endsWith("KeyboardSettings.ini"), true);
    // The second settings export offers the first file; the snapshots their default name in
    // the folder last chosen; the settings import the settings file.
    QCOMPARE(request(1), (QStringList{"save", "Select export file", "sub", "sub/mine.ini"}));
    QCOMPARE(request(2), (QStringList{"save", "Select export file", ".", "KeyboardSnapshots.ini"}));
    QCOMPARE(request(3), (QStringList{"open", "Select import file", ".", "other.ini"}));
}

// --- Bad input -----------------------------------------------------------------------------------

void TestExIm::badImportChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: no file at all; "dir": a folder
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("overwrite"); // a wrong file must not wipe anything even so
    const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR[x]\0", 20);
    QTest::newRow("gone before reading")
        << "gone.ini" << QByteArray() << int(ImChords) << "does not exist" << true;
    QTest::newRow("a folder") << "dir.ini" << QByteArray("dir") << int(ImPresets)
                              << "it is a folder" << true;
    QTest::newRow("binary as chords")
        << "b.ini" << binary << int(ImChords) << "is not an ini file" << true;
    QTest::newRow("binary as settings")
        << "b.ini" << binary << int(ImSettings) << "is not an ini file" << true;
    QTest::newRow("text as snapshots") << "t.ini" << QByteArray("Dear friend,\nhere it is.\n")
                                       << int(ImSnapshots) << "is not an ini file" << true;
    QTest::newRow("chords file as settings")
        << "c.ini" << QByteArray("[Chords]\nName1=X\nChord1=3C04\n") << int(ImSettings)
        << "No settings could be loaded." << true;
    QTest::newRow("a FIFO, refused at once")
        << "pipe.ini" << QByteArray("fifo") << int(ImSettings) << "not a regular file" << true;
    QTest::newRow("a device, refused at once")
        << "/dev/zero" << QByteArray() << int(ImChords) << "not a regular file" << true;
    QTest::newRow("settings file as presets")
        << "s.ini" << QByteArray("[KeyboardForm]\nMidi Thru=1\n[Keyboard]\nKeyWidth=20\n")
        << int(ImPresets) << "No knob presets could be loaded." << false;
}

void TestExIm::badImportChangesNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, command);
    QFETCH(QString, message);
    QFETCH(bool, overwrite);
    const QString path = name.startsWith(QLatin1Char('/')) ? name : File(name);
    if (content == "dir")
        QVERIFY(QDir().mkpath(path));
    else if (content == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (!content.isNull())
        WriteAll(path, content);
    StorePreset(QStringLiteral("Piano"), 2);
    auto w = NewWindow();
    QVERIFY(w);
    w->ChordList().NewChord().FromText(QStringLiteral("Mine"), QStringLiteral("3C0407"));
    w->RebuildChordCombo();
    w->SetSnapshot(1, QStringLiteral("0764"));
    const int width = w->Keyboard()->Model().KeyWidth();
    w->SetExImFlag(5, overwrite);
    w->SetExImFlag(7, overwrite);
    const QStringList seen = Do(*w, command, path);
    QVERIFY2(seen.size() == 1 && seen[0].contains(message), qPrintable(seen.join('|')));
    QCOMPARE(ChordNames(*w), QStringList{"Mine=3C0407"});
    QCOMPARE(w->Snapshot(1), QStringLiteral("0764"));
    QCOMPARE(w->Keyboard()->Model().KeyWidth(), width);
    QCOMPARE(w->MidiThru(), false);
    QCOMPARE(PresetMenu(*w), (QStringList{"Default*", "Piano"}));
    // The file name is kept all the same, to be offered again.
    QVERIFY(std::ranges::count(w->ExImport().LastFileNames, path) == 1);
}

void TestExIm::garbageValuesAreClamped() {
    WriteAll(File(QStringLiteral("g.ini")),
             "[KeyboardForm]\nMouseWheelController=999\nMouseWheelSensitivity=-40\n"
             "Program=500\nBank MSB=abc\nMWCtrl=300\nLeft=999999\nWidth=-5\n"
             "[Joystick]\nJ1X0=77777\n");
    auto w = NewWindow();
    QVERIFY(w);
    QCOMPARE(Do(*w, ImSettings, File(QStringLiteral("g.ini"))),
             QStringList{"Settings loaded successfully."});
    QCOMPARE(w->MouseWheelController(), 129);
    QCOMPARE(w->MouseWheelSensitivity(), 0);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 127);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Msb), -1);
    QVERIFY(w->ModWheelController() <= 127);
    QVERIFY(w->x() < 5000);
}

// Import Settings showed the imported bank beside the old program, values never sent together.
// They are held for the next start: neither shown nor sent now, written to the settings.
void TestExIm::importedProgramAndBankAreHeldNotShown() {
    WriteAll(File(QStringLiteral("p.ini")), "[KeyboardForm]\nProgram=20\nBank MSB=3\nBank LSB=7\n");
    auto w = NewWindow();
    QVERIFY(w);
    TProgramBank &bank = w->ProgramBank();
    bank.SetProgramValue(4);
    bank.ShowProgram();
    const QStringList shown{bank.Controls().ProgramEdit->text(), bank.Controls().MsbEdit->text(),
                            bank.Controls().LsbEdit->text()};
    int sent = 0;
    connect(&w->Router(), &TMidiRouter::Sent, w.get(), [&sent] { ++sent; });
    QCOMPARE(Do(*w, ImSettings, File(QStringLiteral("p.ini"))),
             QStringList{"Settings loaded successfully."});
    QCOMPARE(bank.Value(TProgramBank::Program), 20);
    QCOMPARE(bank.Value(TProgramBank::Msb), 3);
    QCOMPARE(bank.Value(TProgramBank::Lsb), 7);
    QCOMPARE((QStringList{bank.Controls().ProgramEdit->text(), bank.Controls().MsbEdit->text(),
                          bank.Controls().LsbEdit->text()}),
             shown);
    QCOMPARE(sent, 0);
    w->close();
    const TIniFile stored(ProgramStoreFileName());
    QCOMPARE(stored.ReadInteger("KeyboardForm", "Program", -1), 20);
    QCOMPARE(stored.ReadInteger("KeyboardForm", "Bank MSB", -1), 3);
}

void TestExIm::importedPresetChosenWhenStored_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("handChanged"); // knobs set up by hand before the import
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<int>("knobs");
    QTest::newRow("stored here") << "piano" << false << QStringList{"Default", "Organ", "Piano*"}
                                 << 2;
    QTest::newRow("not stored here")
        << "Strings" << false << QStringList{"Default", "Organ*", "Piano"} << 1;
    QTest::newRow("knobs of the other machine")
        << "Current" << false << QStringList{"Default", "Organ*", "Piano"} << 1;
    QTest::newRow("own knobs kept")
        << "Piano" << true << QStringList{"Default", "Organ", "Piano"} << 3;
}

void TestExIm::importedPresetChosenWhenStored() {
    QFETCH(QString, name);
    QFETCH(bool, handChanged);
    QFETCH(QStringList, menu);
    QFETCH(int, knobs);
    StorePreset(QStringLiteral("Piano"), 2);
    StorePreset(QStringLiteral("Organ"), 1);
    StorePreset(QStringLiteral("Current"), 5);
    WriteAll(File(QStringLiteral("k.ini")), "[KeyboardForm]\nKnob Preset=" + name.toUtf8() + "\n");
    auto w = NewWindow();
    QVERIFY(w);
    w->SelectKnobPreset(QStringLiteral("Organ"));
    if (handChanged) {
        for (int i = 0; i < 2; ++i)
            w->Knobs().Add(QStringLiteral("Mine"), 1, 0, 0);
        w->UncheckKnobPresets();
    }
    QCOMPARE(Do(*w, ImSettings, File(QStringLiteral("k.ini"))).size(), 1);
    QCOMPARE(PresetMenu(*w), menu);
    QCOMPARE(w->Knobs().Count(), knobs);
}

void TestExIm::failedExportKeepsOldFile_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("read-only file") << "old.ini";
    QTest::newRow("folder is a file") << "old.ini/new.ini";
}

void TestExIm::failedExportKeepsOldFile() {
    QFETCH(QString, target);
    WriteAll(File(QStringLiteral("old.ini")), "[Keep]\nMe=1\n");
    QVERIFY(QFile::setPermissions(File(QStringLiteral("old.ini")), QFile::ReadOwner));
    auto w = NewWindow();
    QVERIFY(w);
    const QStringList seen = Do(*w, ExSettings, File(target));
    QVERIFY2(seen.size() == 1 && seen[0].startsWith("Export Settings failed."),
             qPrintable(seen.join('|')));
    QCOMPARE(ReadAll(File(QStringLiteral("old.ini"))), QByteArray("[Keep]\nMe=1\n"));
}

// --- Files from elsewhere ------------------------------------------------------------------------

void TestExIm::windowsStyleFileImports() {
    WriteAll(File(QStringLiteral("win.ini")),
             "\xEF\xBB\xBF; written by hand on Windows\r\n"
             "[CHORDS]\r\nname1=Sus4\r\nCHORD1=3c0507\r\n; a comment between\r\n"
             "NAME2=Über\r\nchord2=3C0C13\r\n\r\n"
             "[snapshots]\r\nname3=&3 Hand made\r\nVALUES3=07400A7F\r\n"
             "[Piano Soft]\r\ncaption1=Volume\r\niuser1=7\r\ndisplaymode1=0\r\n"
             "DEFAULTVALUE1=90\r\n"
             "[keyboardform]\r\nmidi thru=1\r\nmousewheelsensitivity= 6 \r\n");
    auto w = NewWindow();
    QVERIFY(w);
    w->SetExImFlag(5, false);
    w->SetExImFlag(7, false);
    QStringList seen;
    for (int command : {ImChords, ImSnapshots, ImPresets, ImSettings})
        seen << Do(*w, command, File(QStringLiteral("win.ini")));
    QCOMPARE(
        seen,
        (QStringList{"2 custom chords loaded successfully.", "1 knob snapshot loaded successfully.",
                     "1 knob preset loaded successfully.", "Settings loaded successfully."}));
    QCOMPARE(ChordNames(*w), (QStringList{"Sus4=3C0507", "Über=3C0C13"}));
    QCOMPARE(w->ChordBox()->itemText(9), QStringLiteral("Über"));
    QCOMPARE(w->SnapshotAction(2)->text(), QStringLiteral("&3 Hand made"));
    QVERIFY(w->SnapshotAction(2)->isEnabled());
    QCOMPARE(PresetMenu(*w), (QStringList{"Default*", "Piano Soft"}));
    QCOMPARE(w->MidiThru(), true);
    QCOMPARE(w->MouseWheelSensitivity(), 6);
    // Imported chords are kept at once.
    TChordList stored;
    stored.LoadFromRegistry();
    QCOMPARE(stored.Count(), 2);
}

QTEST_MAIN(TestExIm)
#include "tst_exim.moc"
