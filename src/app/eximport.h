#pragma once

// File > Export and File > Import of the main window: settings, knob presets, knob snapshots and
// custom chords to and from plain .ini files that other programs and editors can read.
//
// Every command runs the same way: the explanation (TExImHelp) unless the user turned it off,
// the file dialog, the operation, and a message with the result. Cancel anywhere ends the command
// without a word. A file that cannot be read or written is reported in a message box and leaves
// everything as it was; an export replaces the whole file, atomically.

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;
class TIniFile;
class TExImportHost;

// What the file dialog is asked for.
struct TIniFileRequest {
    bool Save = false; // a save dialog that confirms overwriting, else an open dialog
    QString Title;     // "Select export file" or "Select import file"
    QString Directory; // the folder to start in
    QString FileName;  // the name proposed (a full path for a name chosen before)
};

// Runs the platform's file dialog for Request; the chosen file, or an empty text for Cancel.
QString RunIniFileDialog(QWidget *Parent, const TIniFileRequest &Request);

class TExImport : public QObject {
    Q_OBJECT
public:
    // The kinds of file, each with its own last file name.
    enum TKind { fkSettings, fkKnobPresets, fkKnobSnapshots, fkChords, fkCount };

    // Adds the Import and Export submenus to FileMenu.
    TExImport(TExImportHost &Host, QMenu *FileMenu);

    QMenu *ImportMenu = nullptr;
    QAction *ImportSettingsAction = nullptr;
    QAction *ImportKnobPresetsAction = nullptr;
    QAction *ImportKnobSnapshotsAction = nullptr;
    QAction *ImportChordsAction = nullptr;
    QMenu *ExportMenu = nullptr;
    QAction *ExportSettingsAction = nullptr;
    QAction *ExportKnobPresetsAction = nullptr;
    QAction *ExportKnobSnapshotsAction = nullptr;
    QAction *ExportChordsAction = nullptr;

    // Enables the exports that have something to export (when the submenu opens).
    void EnableExports();
    void ExportSettings();
    void ExportKnobPresets();
    void ExportKnobSnapshots();
    void ExportChords();
    void ImportSettings();
    void ImportKnobPresets();
    void ImportKnobSnapshots();
    void ImportChords();

    // The file dialog; tests put their own answer here. Gets the request, returns the chosen
    // file or an empty text for Cancel.
    std::function<QString(const TIniFileRequest &)> FileChooser;
    // The explanation dialog; tests may answer it here instead of on screen. Same contract as
    // TExImHelp::ShowPage.
    std::function<bool(int Index, bool &Flag)> HelpDialog;

    // The file last chosen for each kind (shared by its export and import); empty at start.
    std::array<QString, fkCount> LastFileNames;
    static QString DefaultFileName(TKind Kind);

    // Asks for the file to export to: the path, or an empty text when cancelled.
    QString ChooseExportFile(QString &LastName, const QString &DefaultName);
    // Asks for the file to import and opens it; null when cancelled or when it cannot be read
    // as an .ini file (the user has been told why).
    std::unique_ptr<TIniFile> ChooseImportFile(QString &LastName, const QString &DefaultName);

private:
    // The explanation step; false when the user cancelled.
    bool Explain(int Index);
    // Writes a fresh file through Write, which returns the count or -1 for "no count"; shows the
    // result text (Success, untranslated, with the count; or None for 0) or the error.
    void Export(int Index, TKind Kind, const std::function<int(TIniFile &)> &Write,
                const char *Success, const QString &None);
    QString Choose(bool Save, QString &LastName, const QString &DefaultName);
    void ShowError(const QString &Text);

    TExImportHost &W;
    // What each file dialog held last, so the other kinds start in the same folder.
    QString FSaveDialogFile;
    QString FOpenDialogFile;
};
