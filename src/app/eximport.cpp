#include "eximport.h"

#include "atomicfile.h"
#include "chordlist.h"
#include "eximhelp.h"
#include "guiknoblist.h"
#include "inidocument.h"
#include "inifile.h"
#include "knoblist.h"
#include "ondrel.h"
#include "registryinifile.h"
#include "vclutil.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>

namespace {

const QString SecKeyboardForm = QStringLiteral("KeyboardForm");
const QString SecKeyboard = QStringLiteral("Keyboard");
const QString SecJoystick = QStringLiteral("Joystick");

const std::array<QString, TExImport::fkCount> DefaultNames{
    QStringLiteral("KeyboardSettings.ini"), QStringLiteral("KeyboardKnobPresets.ini"),
    QStringLiteral("KeyboardSnapshots.ini"), QStringLiteral("KeyboardChords.ini")};

QString Counted(const QString &Text, int Count) {
    return QString(Text).replace(QLatin1String("%d"), QString::number(Count));
}

QString Native(const QString &FileName) {
    return QDir::toNativeSeparators(FileName);
}

} // namespace

QString RunIniFileDialog(QWidget *Parent, const TIniFileRequest &Request) {
    QFileDialog dialog(Parent, Request.Title, Request.Directory);
    dialog.setAcceptMode(Request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(Request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    dialog.setNameFilters({QStringLiteral("Ini files (*.ini)"), QStringLiteral("All files (*)")});
    dialog.selectFile(Request.FileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

TExImport::TExImport(TOndrel2 &Window, QMenu *FileMenu) : QObject(&Window), W(Window) {
    const auto item = [this](QMenu *Menu, const QString &Caption, const QString &Hint,
                             void (TExImport::*Handler)()) {
        QAction *a = Menu->addAction(Caption);
        a->setStatusTip(Hint);
        connect(a, &QAction::triggered, this, Handler);
        return a;
    };
    Import1 = FileMenu->addMenu(QStringLiteral("&Import"));
    Import1->menuAction()->setStatusTip(QStringLiteral("Import previously exported ini file."));
    ImportSettings = item(Import1, QStringLiteral("&Settings"),
                          QStringLiteral("Import settings (as in the settings dialog) from a "
                                         "previously exported ini file."),
                          &TExImport::ImportSettingsClick);
    ImportKnobPresets =
        item(Import1, QStringLiteral("Knob &Presets..."),
             QStringLiteral("Import knob presets from a previously exported ini file."),
             &TExImport::ImportKnobPresetsClick);
    ImportKnobSnapshots =
        item(Import1, QStringLiteral("&Knob Snapshots"),
             QStringLiteral("Import knob snapshots from a previously exported ini file."),
             &TExImport::ImportKnobSnapshotsClick);
    ImportChords = item(Import1, QStringLiteral("&Chords..."),
                        QStringLiteral("Import chords from a previously exported ini file."),
                        &TExImport::ImportChordsClick);

    Export1 = FileMenu->addMenu(QStringLiteral("&Export"));
    Export1->menuAction()->setStatusTip(QStringLiteral("Export to an ini file."));
    connect(Export1, &QMenu::aboutToShow, this, &TExImport::Export1Click);
    ExportSettings = item(Export1, QStringLiteral("&Settings"),
                          QStringLiteral("Export settings (as in the settings dialog) to an ini "
                                         "file."),
                          &TExImport::ExportSettingsClick);
    ExportKnobPresets = item(Export1, QStringLiteral("Knob &Presets"),
                             QStringLiteral("Export knob presets to an ini file."),
                             &TExImport::ExportKnobPresetsClick);
    ExportKnobSnapshots = item(Export1, QStringLiteral("&Knob Snapshots"),
                               QStringLiteral("Export knob snapshots to an ini file."),
                               &TExImport::ExportKnobSnapshotsClick);
    ExportChords = item(Export1, QStringLiteral("&Chords"),
                        QStringLiteral("Export your custom chords to an ini file."),
                        &TExImport::ExportChordsClick);
}

QString TExImport::DefaultFileName(TKind Kind) {
    return DefaultNames[size_t(Kind)];
}

void TExImport::Export1Click() {
    ExportSettings->setEnabled(true);
    ExportKnobPresets->setEnabled(W.KnobList->Count() > 0);
    ExportKnobSnapshots->setEnabled(std::any_of(W.Snapshots.cbegin(), W.Snapshots.cend(),
                                                [](const QString &s) { return !s.isEmpty(); }));
    ExportChords->setEnabled(W.ChordList().Count() > 0);
}

bool TExImport::Explain(int Index) {
    bool &flag = W.ExImFlags[size_t(Index)];
    if (flag && !TExImHelp::AlwaysShown(Index))
        return true;
    if (HelpDialog)
        return HelpDialog(Index, flag);
    TExImHelp help(&W);
    return help.ShowPage(Index, flag);
}

void TExImport::ShowError(const QString &Text) {
    QMessageBox::critical(&W, QGuiApplication::applicationDisplayName(), Text);
}

QString TExImport::Choose(bool Save, QString &LastName, const QString &DefaultName) {
    QString &held = Save ? FSaveDialogFile : FOpenDialogFile;
    TIniFileRequest request;
    request.Save = Save;
    request.Title =
        Save ? QStringLiteral("Select export file") : QStringLiteral("Select import file");
    if (!LastName.isEmpty()) {
        request.FileName = LastName;
        request.Directory = QFileInfo(LastName).absolutePath();
    } else {
        request.Directory = held.isEmpty() ? QDir::homePath() : QFileInfo(held).absolutePath();
        request.FileName = DefaultName;
    }
    const QString chosen = FileChooser ? FileChooser(request) : RunIniFileDialog(&W, request);
    if (chosen.isEmpty())
        return {};
    held = chosen;
    LastName = chosen;
    return chosen;
}

QString TExImport::ChooseExportFile(QString &LastName, const QString &DefaultName) {
    return Choose(true, LastName, DefaultName);
}

std::unique_ptr<TIniFile> TExImport::ChooseImportFile(QString &LastName,
                                                      const QString &DefaultName) {
    const QString path = Choose(false, LastName, DefaultName);
    if (path.isEmpty())
        return nullptr;
    // Checked strictly first, so that a wrong file (a picture, a patch script) is refused before
    // anything is changed; the lenient reader behind TIniFile would make sections of anything.
    TIniDocument check;
    QString error;
    switch (check.Load(path, true, &error)) {
    case TIniDocument::TLoadResult::Loaded:
        break;
    case TIniDocument::TLoadResult::Missing:
        ShowError(QStringLiteral("The file \"%1\" does not exist (any more).").arg(Native(path)));
        return nullptr;
    case TIniDocument::TLoadResult::Unreadable:
        ShowError(QStringLiteral("Could not read \"%1\": %2").arg(Native(path), error));
        return nullptr;
    case TIniDocument::TLoadResult::Malformed:
        ShowError(
            QStringLiteral("\"%1\" is not an ini file. Nothing was imported.").arg(Native(path)));
        return nullptr;
    }
    try {
        return std::make_unique<TIniFile>(path);
    } catch (const EIniFileException &e) {
        ShowError(e.Message());
        return nullptr;
    }
}

void TExImport::Export(int Index, TKind Kind, const std::function<int(TIniFile &)> &Write,
                       const QString &Success, const QString &None) {
    if (!Explain(Index))
        return;
    const QString path = ChooseExportFile(LastFileNames[size_t(Kind)], DefaultFileName(Kind));
    if (path.isEmpty())
        return;
    // The export is made as a new file aside and then replaces the chosen one as a whole: nothing
    // of an older file survives in it, and a failed write leaves the older file as it was.
    QTemporaryDir scratch;
    int count = 0;
    try {
        if (!scratch.isValid())
            throw EIniFileException(QStringLiteral("Could not create a temporary folder: %1")
                                        .arg(scratch.errorString()));
        QByteArray text;
        {
            TIniFile file(scratch.filePath(QStringLiteral("export.ini")));
            count = Write(file);
            if (count == 0) {
                ShowInfo(&W, None);
                return;
            }
            file.UpdateFile();
            QFile written(file.FileName());
            if (!written.open(QIODevice::ReadOnly))
                throw EIniFileException(written.errorString());
            text = written.readAll();
        }
        WriteFileAtomically(path, text);
    } catch (const EIniFileException &e) {
        ShowError(
            QStringLiteral("%1 failed.\n\n%2").arg(TExImHelp::PageCaption(Index), e.Message()));
        return;
    }
    ShowInfo(&W, Counted(Success, count));
}

void TExImport::ExportSettingsClick() {
    Export(TExImHelp::epExportSettings, fkSettings,
           [this](TIniFile &File) {
               // Placement, arrows and keyboard, then the window's own values: no snapshots and no
               // device choice, which belong to this machine.
               W.TOndrel::WriteSettings(File);
               W.WriteMainSettings(File);
               return -1;
           },
           QStringLiteral("Settings saved successfully."), {});
}

void TExImport::ExportKnobPresetsClick() {
    Export(
        TExImHelp::epExportKnobPresets, fkKnobPresets,
        [](TIniFile &File) {
            QStringList names;
            try {
                ListKnobPresetsInRegistry(names, KnobPresetsKey);
            } catch (const EIniFileException &) {
                names.clear();
            }
            int count = 0;
            TKnobList scratch;
            for (const QString &name : names) {
                try {
                    scratch.LoadPreset(KnobPresetsKey, name);
                    scratch.SaveToIni(File, name);
                    ++count;
                } catch (const EIniFileException &) {
                    // A name no .ini section can hold stays behind.
                }
            }
            return count;
        },
        QStringLiteral("%d knob presets saved successfully."),
        QStringLiteral("No knob presets could be saved."));
}

void TExImport::ExportKnobSnapshotsClick() {
    Export(
        TExImHelp::epExportKnobSnapshots, fkKnobSnapshots,
        [this](TIniFile &File) { return W.WriteSnapshots(File); },
        QStringLiteral("%d knob snapshots saved successfully."),
        QStringLiteral("No knob snapshots could be saved."));
}

void TExImport::ExportChordsClick() {
    Export(
        TExImHelp::epExportChords, fkChords,
        [this](TIniFile &File) { return W.ChordList().SaveToIni(File); },
        QStringLiteral("%d custom chords saved successfully."),
        QStringLiteral("No custom chords could be saved."));
}

void TExImport::ImportSettingsClick() {
    if (!Explain(TExImHelp::epImportSettings))
        return;
    const auto file = ChooseImportFile(LastFileNames[fkSettings], DefaultFileName(fkSettings));
    if (!file)
        return;
    // A file of another kind would "load successfully" while changing nothing.
    if (!file->SectionExists(SecKeyboardForm) && !file->SectionExists(SecKeyboard) &&
        !file->SectionExists(SecJoystick)) {
        ShowInfo(&W, QStringLiteral("No settings could be loaded."));
        return;
    }
    const QString preset = W.KnobPresetName;
    W.TOndrel::ReadSettings(*file);
    W.ReadMainSettings(*file);
    // The preset chosen there is chosen here at once when it is stored here too: a name only
    // kept would be replaced by the checked menu item at close. Knobs changed by hand stay.
    const QString imported = std::exchange(W.KnobPresetName, preset);
    const auto stored = [&](const QString &Name) {
        const QList<QAction *> items = W.Presets1->actions();
        return std::any_of(items.cbegin(), items.cend(), [&Name](const QAction *a) {
            return a->text().compare(Name, Qt::CaseInsensitive) == 0;
        });
    };
    if (preset.compare(CurrentPresetName, Qt::CaseInsensitive) != 0 && stored(imported))
        W.SelectKnobPreset(imported);
    ShowInfo(&W, QStringLiteral("Settings loaded successfully."));
}

void TExImport::ImportKnobPresetsClick() {
    bool &overwrite = W.ExImFlags[TExImHelp::epImportKnobPresets];
    if (!Explain(TExImHelp::epImportKnobPresets))
        return;
    const auto file =
        ChooseImportFile(LastFileNames[fkKnobPresets], DefaultFileName(fkKnobPresets));
    if (!file)
        return;
    int count = 0;
    try {
        TRegistryIniFile store(KnobPresetsKey);
        if (overwrite) {
            // "Current" holds the knob bar the user changed by hand, which no import replaces.
            for (const QString &name : store.ReadSections())
                if (name.compare(CurrentPresetName, Qt::CaseInsensitive) != 0)
                    store.EraseSection(name);
        }
        QStringList names;
        ListKnobPresets(*file, names);
        TKnobList scratch;
        for (const QString &name : names) {
            scratch.LoadFromIni(*file, name);
            // A section of another kind of file is no preset.
            if (scratch.Count() == 0)
                continue;
            try {
                scratch.SaveToIni(store, name);
                ++count;
            } catch (const EIniFileException &) {
                // A name the store cannot keep as one preset is left out.
            }
        }
        store.UpdateFile();
    } catch (const EIniFileException &e) {
        ShowError(e.Message());
    }
    W.BuildPresetMenu();
    // Knobs changed by hand are only stored as "Current" at close: loading that now would
    // replace them with older ones.
    if (W.KnobPresetName.compare(CurrentPresetName, Qt::CaseInsensitive) != 0)
        W.SelectKnobPreset(W.KnobPresetName);
    ShowInfo(&W, count ? Counted(QStringLiteral("%d knob presets loaded successfully."), count)
                       : QStringLiteral("No knob presets could be loaded."));
}

void TExImport::ImportKnobSnapshotsClick() {
    if (!Explain(TExImHelp::epImportKnobSnapshots))
        return;
    const auto file =
        ChooseImportFile(LastFileNames[fkKnobSnapshots], DefaultFileName(fkKnobSnapshots));
    if (!file)
        return;
    const int count = W.ReadSnapshots(*file);
    ShowInfo(&W, count ? Counted(QStringLiteral("%d knob snapshots loaded successfully."), count)
                       : QStringLiteral("No knob snapshots could be loaded."));
}

void TExImport::ImportChordsClick() {
    const bool &overwrite = W.ExImFlags[TExImHelp::epImportChords];
    if (!Explain(TExImHelp::epImportChords))
        return;
    const auto file = ChooseImportFile(LastFileNames[fkChords], DefaultFileName(fkChords));
    if (!file)
        return;
    const int count = W.ChordList().LoadFromIni(*file, !overwrite);
    W.RebuildChordCombo();
    // Kept at once: the main window does not save its chords when it closes.
    W.ChordList().SaveToRegistry();
    ShowInfo(&W, count ? Counted(QStringLiteral("%d custom chords loaded successfully."), count)
                       : QStringLiteral("No custom chords could be loaded."));
}
