#pragma once

// "Choose Patch Set": a non-modal tool window with the patch script files of a folder on the left
// and the header of the selected file on the right. Apply hands the file to OnLoadPatchSet, which
// makes it the main window's patch set. The window keeps its place, the preview's width and the
// file list's view state in the per-user store, and deletes itself when closed.
//
// LoadPatchSet is the loading routine shared by Apply and the main window's start-up.
// UI thread only.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCustomIniFile;
class TBevel;
class TSplitter;
class TPatchList;
class TPathDialog;
class TSystemListView;

class TPatchSetChooser : public QWidget {
    Q_OBJECT
public:
    using TSetPatchSetEvent = std::function<void(std::unique_ptr<TPatchList> Set)>;
    using TShowLinesEvent = std::function<void(const QStringList &Lines)>;

    explicit TPatchSetChooser(QWidget *Owner = nullptr);
    ~TPatchSetChooser() override;

    // Parses FileName completely and hands the set to SetPatchSet; the warnings and errors of
    // the load go to ShowLines once, when there are any. True when the set was handed over;
    // after a failure (also for an empty name, which shows nothing) the old set stays.
    static bool LoadPatchSet(const QString &FileName, const TSetPatchSetEvent &SetPatchSet,
                             const TShowLinesEvent &ShowLines);

    // Loads the file as the patch set (normally through LoadPatchSet); true when it loaded or
    // its load has started (LoadFailed then tells when it failed after all).
    std::function<bool(const QString &FileName)> OnLoadPatchSet;
    // Shows why a folder typed in FolderEdit cannot be shown (a warning box by default).
    std::function<void(const QString &Message)> ShowError;

    QString SelectedFile() const { return FSelectedFile; }
    QString PreviewedFile() const { return FPreviewedFile; }
    QString EnteredDir() const { return FEnteredDir; }
    // Where "Home" goes: the folder of the shipped scripts beside the program, else the
    // program's own folder.
    QString HomeFolder;
    static QString DefaultHomeFolder();

    // The header of File in the four fields; nothing happens for the file already shown.
    void Preview(const QString &File);
    // "First Last" when the names differ and neither holds the other, else the first name.
    static QString CreatorText(const QString &First, const QString &Last);

    void ApplyChanges();
    // The load that Apply started (OnLoadPatchSet returned true for it) failed or was
    // cancelled: Apply can be pressed again.
    void LoadFailed();
    void AcceptChanges();
    void CancelChanges();
    void ChooseFolder();
    void GoHome();
    // Shows Folder in the list; false (after ShowError) when it cannot be shown.
    bool ChangeDirectory(const QString &Folder);

    static inline const QString StateSection = QStringLiteral("PatchSetDialog");
    static inline const QString ValRightPanelWidth = QStringLiteral("RightPanelWidth");

    QWidget *MainLeftPanel;
    QWidget *NorthPanel;
    QLineEdit *FolderEdit;
    QPushButton *FolderButton;
    QPushButton *HomeButton;
    TBevel *NorthBevel;
    TSystemListView *SystemListView;
    TSplitter *Splitter;
    QWidget *MainRightPanel;
    QLabel *FilenamePanel;
    TBevel *NorthRightBevel;
    QWidget *RightPanel;
    QLineEdit *ScriptNameEdit;
    QLineEdit *DeviceNameEdit;
    QLineEdit *DeviceManufacturerEdit;
    QLineEdit *CreatorNameEdit;
    QWidget *MainSouthPanel;
    QComboBox *FileTypeBox;
    QWidget *ButtonPanel;
    QPushButton *OkButton;
    QPushButton *CancelButton;
    QPushButton *ApplyButton;
    TPathDialog *FolderDialog;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void showEvent(QShowEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;

private:
    void PrepareShow();
    void LoadState(const TCustomIniFile &Store);
    void SaveState(TCustomIniFile &Store);
    void SetRightPanelWidth(int Width);
    void FileTypeChanged();
    void FileSelectionChanged();
    void SystemListViewChangeDir();
    void SystemListViewDefaultCommand(bool &DoDefault);
    void ClearSelection();
    void FolderEntered();
    void FolderEditDone();

    QString FSelectedFile;
    QString FPreviewedFile = QStringLiteral("dummy");
    QString FEnteredDir;
    bool FShown = false;
    bool FStateSaved = false;
};
