#include "app/eximport.h"

#include "app/eximhelp.h"
#include "app/eximporthost.h"
#include "app/messageboxes.h"
#include "core/atomicfile.h"
#include "core/chordlist.h"
#include "core/inidocument.h"
#include "core/inifile.h"
#include "core/knoblist.h"
#include "core/registryinifile.h"
#include "knobs/guiknoblist.h"

#include <QCoreApplication>
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

// "%n knob presets saved successfully." with the count, in the form the language says that
// count in ("1 knob preset saved successfully."); English forms come from the English catalogue.
QString Counted(const char *Text, int Count) {
    return QCoreApplication::translate("TExImport", Text, nullptr, Count);
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
    dialog.setNameFilters({QCoreApplication::translate("TExImport", "Ini files (*.ini)"),
                           QCoreApplication::translate("TExImport", "All files (*)")});
    dialog.selectFile(Request.FileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

TExImport::TExImport(TExImportHost &Host, QMenu *FileMenu) : QObject(Host.Window()), W(Host) {
    const auto item = [this](QMenu *Menu, const QString &Caption, const QString &Hint,
                             void (TExImport::*Handler)()) {
        QAction *a = Menu->addAction(Caption);
        a->setStatusTip(Hint);
        connect(a, &QAction::triggered, this, Handler);
        return a;
    };
    ImportMenu = FileMenu->addMenu(tr("&Import"));
    ImportMenu->menuAction()->setStatusTip(tr("Import previously exported ini file."));
    ImportSettingsAction = item(ImportMenu, tr("&Settings"),
                                tr("Import settings (as in the settings dialog) from a "
                                   "previously exported ini file."),
                                &TExImport::ImportSettings);
    ImportKnobPresetsAction = item(ImportMenu, tr("Knob &Presets..."),
                                   tr("Import knob presets from a previously exported ini file."),
                                   &TExImport::ImportKnobPresets);
    ImportKnobSnapshotsAction =
        item(ImportMenu, tr("&Knob Snapshots"),
             tr("Import knob snapshots from a previously exported ini file."),
             &TExImport::ImportKnobSnapshots);
    ImportChordsAction =
        item(ImportMenu, tr("&Chords..."), tr("Import chords from a previously exported ini file."),
             &TExImport::ImportChords);

    ExportMenu = FileMenu->addMenu(tr("&Export"));
    ExportMenu->menuAction()->setStatusTip(tr("Export to an ini file."));
    connect(ExportMenu, &QMenu::aboutToShow, this, &TExImport::EnableExports);
    ExportSettingsAction = item(ExportMenu, tr("&Settings"),
                                tr("Export settings (as in the settings dialog) to an ini "
                                   "file."),
                                &TExImport::ExportSettings);
    ExportKnobPresetsAction =
        item(ExportMenu, tr("Knob &Presets"), tr("Export knob presets to an ini file."),
             &TExImport::ExportKnobPresets);
    ExportKnobSnapshotsAction =
        item(ExportMenu, tr("&Knob Snapshots"), tr("Export knob snapshots to an ini file."),
             &TExImport::ExportKnobSnapshots);
    ExportChordsAction =
        item(ExportMenu, tr("&Chords"), tr("Export your custom chords to an ini file."),
             &TExImport::ExportChords);
}

QString TExImport::DefaultFileName(TKind Kind) {
    return DefaultNames[size_t(Kind)];
}

void TExImport::EnableExports() {
    ExportSettingsAction->setEnabled(true);
    ExportKnobPresetsAction->setEnabled(W.KnobCount() > 0);
    ExportKnobSnapshotsAction->setEnabled(W.HasSnapshots());
    ExportChordsAction->setEnabled(W.ChordList().Count() > 0);
}

bool TExImport::Explain(int Index) {
    bool flag = W.ExImFlag(Index);
    if (flag && !TExImHelp::AlwaysShown(Index))
        return true;
    bool ok = false;
    if (HelpDialog) {
        ok = HelpDialog(Index, flag);
    } else {
        TExImHelp help(W.Window());
        ok = help.ShowPage(Index, flag);
    }
    W.SetExImFlag(Index, flag);
    return ok;
}

void TExImport::ShowError(const QString &Text) {
    QMessageBox::critical(W.Window(), QGuiApplication::applicationDisplayName(), Text);
}

QString TExImport::Choose(bool Save, QString &LastName, const QString &DefaultName) {
    QString &held = Save ? FSaveDialogFile : FOpenDialogFile;
    TIniFileRequest request;
    request.Save = Save;
    request.Title = Save ? tr("Select export file") : tr("Select import file");
    if (!LastName.isEmpty()) {
        request.FileName = LastName;
        request.Directory = QFileInfo(LastName).absolutePath();
    } else {
        request.Directory = held.isEmpty() ? QDir::homePath() : QFileInfo(held).absolutePath();
        request.FileName = DefaultName;
    }
    const QString chosen =
        FileChooser ? FileChooser(request) : RunIniFileDialog(W.Window(), request);
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
        ShowError(tr("The file \"%1\" does not exist (any more).").arg(Native(path)));
        return nullptr;
    case TIniDocument::TLoadResult::Unreadable:
        ShowError(tr("Could not read \"%1\": %2").arg(Native(path), error));
        return nullptr;
    case TIniDocument::TLoadResult::Malformed:
        ShowError(tr("\"%1\" is not an ini file. Nothing was imported.").arg(Native(path)));
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
                       const char *Success, const QString &None) {
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
            throw EIniFileException(
                tr("Could not create a temporary folder: %1").arg(scratch.errorString()));
        QByteArray text;
        {
            TIniFile file(scratch.filePath(QStringLiteral("export.ini")));
            count = Write(file);
            if (count == 0) {
                ShowInfo(W.Window(), None);
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
        ShowError(tr("%1 failed.\n\n%2").arg(TExImHelp::PageCaption(Index), e.Message()));
        return;
    }
    ShowInfo(W.Window(), Counted(Success, count));
}

void TExImport::ExportSettings() {
    Export(TExImHelp::epExportSettings, fkSettings,
           [this](TIniFile &File) {
               // Placement, arrows and keyboard, then the window's own values: no snapshots and no
               // device choice, which belong to this machine.
               W.WriteSettings(File);
               return -1;
           },
           QT_TR_NOOP("Settings saved successfully."), {});
}

void TExImport::ExportKnobPresets() {
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
        QT_TR_N_NOOP("%n knob presets saved successfully."), tr("No knob presets could be saved."));
}

void TExImport::ExportKnobSnapshots() {
    Export(
        TExImHelp::epExportKnobSnapshots, fkKnobSnapshots,
        [this](TIniFile &File) { return W.WriteSnapshots(File); },
        QT_TR_N_NOOP("%n knob snapshots saved successfully."),
        tr("No knob snapshots could be saved."));
}

void TExImport::ExportChords() {
    Export(
        TExImHelp::epExportChords, fkChords,
        [this](TIniFile &File) { return W.ChordList().SaveToIni(File); },
        QT_TR_N_NOOP("%n custom chords saved successfully."),
        tr("No custom chords could be saved."));
}

void TExImport::ImportSettings() {
    if (!Explain(TExImHelp::epImportSettings))
        return;
    const auto file = ChooseImportFile(LastFileNames[fkSettings], DefaultFileName(fkSettings));
    if (!file)
        return;
    // A file of another kind would "load successfully" while changing nothing.
    if (!file->SectionExists(SecKeyboardForm) && !file->SectionExists(SecKeyboard) &&
        !file->SectionExists(SecJoystick)) {
        ShowInfo(W.Window(), tr("No settings could be loaded."));
        return;
    }
    W.ReadSettings(*file);
    ShowInfo(W.Window(), tr("Settings loaded successfully."));
}

void TExImport::ImportKnobPresets() {
    if (!Explain(TExImHelp::epImportKnobPresets))
        return;
    const bool overwrite = W.ExImFlag(TExImHelp::epImportKnobPresets);
    const auto file =
        ChooseImportFile(LastFileNames[fkKnobPresets], DefaultFileName(fkKnobPresets));
    if (!file)
        return;
    int count = 0;
    QStringList refused;
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
            refused << scratch.LoadErrors();
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
    W.KnobPresetsChanged();
    QString result = count ? Counted(QT_TR_N_NOOP("%n knob presets loaded successfully."), count)
                           : tr("No knob presets could be loaded.");
    if (!refused.isEmpty())
        result += QStringLiteral("\n\n") + refused.join(QLatin1Char('\n'));
    ShowInfo(W.Window(), result);
}

void TExImport::ImportKnobSnapshots() {
    if (!Explain(TExImHelp::epImportKnobSnapshots))
        return;
    const auto file =
        ChooseImportFile(LastFileNames[fkKnobSnapshots], DefaultFileName(fkKnobSnapshots));
    if (!file)
        return;
    const int count = W.ReadSnapshots(*file);
    ShowInfo(W.Window(),
             count ? Counted(QT_TR_N_NOOP("%n knob snapshots loaded successfully."), count)
                   : tr("No knob snapshots could be loaded."));
}

void TExImport::ImportChords() {
    if (!Explain(TExImHelp::epImportChords))
        return;
    const bool overwrite = W.ExImFlag(TExImHelp::epImportChords);
    const auto file = ChooseImportFile(LastFileNames[fkChords], DefaultFileName(fkChords));
    if (!file)
        return;
    const int count = W.ChordList().LoadFromIni(*file, !overwrite);
    // Kept at once (the main window does not save its chords when it closes), merged with what
    // another window stored meanwhile; the chord box then shows the merged list.
    const QString error = W.ChordList().SaveToRegistry();
    W.ChordsChanged();
    if (!error.isEmpty())
        ShowError(error);
    ShowInfo(W.Window(), count
                             ? Counted(QT_TR_N_NOOP("%n custom chords loaded successfully."), count)
                             : tr("No custom chords could be loaded."));
}
