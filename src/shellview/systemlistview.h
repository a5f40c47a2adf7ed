#pragma once

// TSystemListView: the items of one folder with the desktop's icons, in four view styles, sorted
// by column with the parent entry and folders first, with navigation and a history, renaming in
// place, deleting to the desktop trash, new folders and a background menu, kept current by a
// folder watcher while files change on disk. Files are cut, copied and pasted through the
// clipboard and dragged in and out as Linux file managers do; copying and moving run on a worker
// thread (TFileOperations) and never replace an existing item. Its view state lives in a section
// of a settings store (LoadState, SaveState).
//
// The file system is the namespace: "/" is its root (Up stops there), and the home folder
// stands for the desktop: it is shown when no folder has been given.
//
// Threads: the UI thread only. The watcher's worker thread never reaches this object; it hands
// its differences over through TFolderWatchThread, which runs every callback on this thread.
//
// Errors: setting Directory to a folder that cannot be shown throws EDirectoryError. Failures
// of the user's own actions (opening a folder, renaming, deleting, creating) go through Prompt;
// news of the shown folder (it disappeared) goes to OnSetStatusBar.

#include "shellview/fileoperation.h"
#include "shellview/systemlistmodel.h"
#include "shellview/systemviewsshared.h"

#include <QFlags>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <stdexcept>

class QAction;
class QActionGroup;
class QAbstractItemView;
class QDropEvent;
class QListView;
class QMimeData;
class QMenu;
class QStackedWidget;
class QTreeView;
class TCustomIniFile;
class TFolderWatchThread;

enum class TViewStyle : uint8_t { vsIcon = 0, vsSmallIcon = 1, vsList = 2, vsReport = 3 };
enum class TDisplayMode : uint8_t { dmAll = 0 };

// The navigation buttons an owner's toolbar may enable.
enum class TSystemToolButton : uint8_t {
    tbBack = 0x01,
    tbForward = 0x02,
    tbUp = 0x04,
    tbPaste = 0x08,
};
Q_DECLARE_FLAGS(TSystemToolButtons, TSystemToolButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSystemToolButtons)

// A folder that cannot be shown; Message() is meant for the user.
class EDirectoryError : public std::runtime_error {
public:
    explicit EDirectoryError(const QString &Message);
    QString Message() const { return FMessage; }

private:
    QString FMessage;
};

class TSystemListView : public QWidget {
    Q_OBJECT
public:
    using TSLVNotifyEvent = std::function<void(TSystemListView *Sender)>;
    using TSLVItemEvent = std::function<void(TSystemListView *Sender, const TListItemData &Item)>;
    using TSLVStatusEvent =
        std::function<void(TSystemListView *Sender, int Index, const QString &Text)>;
    using TSLVToolButtonEvent =
        std::function<void(TSystemListView *Sender, TSystemToolButtons Enable)>;
    using TSLVOnDefaultCommand = std::function<void(TSystemListView *Sender, bool &DoDefault)>;
    using TSLVOnCanAdd =
        std::function<void(TSystemListView *Sender, const TFileEntry &Data, bool &CanAdd)>;
    // Dir is the folder the data was dropped on (a folder item, or the shown folder).
    using TSLVOnUserDrop =
        std::function<void(TSystemListView *Sender, const QString &Dir, const QMimeData *Data)>;

    enum class TPromptKind : uint8_t { pkError, pkInformation, pkConfirm };

    explicit TSystemListView(QWidget *Parent = nullptr);
    ~TSystemListView() override;

    // --- Properties
    TColumnType ColumnType() const { return FColumnType; }
    QList<TColumnKind> Columns() const { return FModel->Columns(); }
    // The owner's own columns (ctUser), kept for every folder; Name always comes first. An
    // empty list gives each folder its own column set again.
    QList<TColumnKind> UserColumns() const { return FUserColumns; }
    void SetUserColumns(const QList<TColumnKind> &Columns);
    int ColumnWidth(int Index) const;
    void SetColumnWidth(int Index, int Width);

    bool ShowHiddenFiles() const { return FOptions.ShowHidden; }
    void SetShowHiddenFiles(bool Value);
    bool ShowFolders() const { return FOptions.ShowFolders; }
    void SetShowFolders(bool Value);
    // Blank-separated extensions without dots, compared without regard to case; empty shows
    // every file. Folders are listed whatever the extensions.
    QString AllowedExtensions() const { return FOptions.Extensions.join(u' '); }
    void SetAllowedExtensions(const QString &Value);

    // The shown folder, a clean absolute path; empty while none is shown.
    QString Directory() const { return FDirectory; }
    // Shows Path: absolute, relative to the shown folder, "~/..." or a file: URL. Nothing
    // happens when it is the shown folder. Throws EDirectoryError ("Directory %s is not
    // valid.", or why the folder cannot be read) and keeps the shown folder then.
    void SetDirectory(const QString &Path);
    // The file-system path of the shown folder (every folder here has one).
    QString RealDirectory() const { return FDirectory; }

    // The view stays empty until a folder is set.
    bool StartEmptyDir() const { return FStartEmptyDir; }
    void SetStartEmptyDir(bool Value) { FStartEmptyDir = Value; }

    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value);
    TDisplayMode DisplayMode() const { return FDisplayMode; }
    void SetDisplayMode(TDisplayMode Value) { FDisplayMode = Value; }
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    // Icons follow the window's width (the two icon styles).
    bool AutoArrange() const { return FAutoArrange; }
    void SetAutoArrange(bool Value);

    // The sort column, an index into Columns(), and the flag that turns the order round.
    int SortColumn() const;
    void SetSortColumn(int Index);
    bool ReverseSort() const { return FReverse; }
    void SetReverseSort(bool Value);
    // What a click on a column header does: the sort column again turns the order round,
    // another column becomes the sort column in its own order.
    void ColumnClick(int Index);

    // --- Items, in display order
    int Count() const { return int(FModel->Items().size()); }
    const TListItemData &Item(int Row) const { return FModel->Item(Row); }
    // The row of the entry named Name (never the parent entry), or -1.
    int FindItem(const QString &Name) const { return FModel->FindItem(Name); }
    QStringList Captions() const;
    // The first selected row, or -1.
    int Selected() const;
    QList<int> SelectedRows() const;
    // Selects Row alone and makes it the current item; -1 clears the selection.
    void SetSelected(int Row);
    void ClearSelection() { SetSelected(-1); }
    void SelectAll();

    // --- Commands
    void Refresh();
    void Up();
    void Back();
    void Forward();
    const TFolderHistory &History() const { return FHistory; }
    // Enter or a double-click: OnDefaultCommand may refuse; a single folder (or "..") is opened,
    // other items are opened by the desktop.
    void DefaultCommand();
    // Renames the entry of Row to NewName (surrounding blanks dropped). Refuses names that are
    // not valid and names already taken, never replacing anything. On failure Error (or,
    // without it, Prompt) says why and the item keeps its name.
    bool RenameItem(int Row, const QString &NewName, QString *Error = nullptr);
    // Starts renaming Row in place.
    void StartRename(int Row);
    // Creates "New Folder" (or "New Folder (0)", ...) in the shown folder, lists it and starts
    // renaming it; the new row, or -1.
    int NewFolder();
    // The selected entries to the desktop trash, or deleted for good after a confirmation
    // (unless Confirm is false). Each entry is looked at again as it is deleted: a folder that
    // has become a link since the list was filled loses the link, never the linked folder's
    // contents.
    void DeleteSelected(bool Permanently, bool Confirm = true);
    // The selected items to the clipboard, to be copied, or moved (cut) by the next paste.
    void CopyToClipboard();
    void CutToClipboard();
    // Copies the files on the clipboard into the shown folder, moves them when they were cut,
    // or makes links to them; on the worker thread.
    void PasteFiles(bool AsLinks);
    // Copies, moves or links Sources into the folder Target on the worker thread. Names taken
    // there get the next free one ("a (1).txt"); the status bar tells of progress and result,
    // Prompt of failures.
    void TransferFiles(TFileOp Op, const QStringList &Sources, const QString &Target);
    // Whether a copy or move is under way; Esc (or this) stops it.
    bool FileOperationsBusy() const { return FFileOps->Busy(); }
    void CancelFileOperations() { FFileOps->Cancel(); }
    TFileOperations &FileOperations() { return *FFileOps; }

    // Drops: files (local URLs) are copied, moved or linked by ChooseDropAction into the folder
    // item under the pointer or the shown folder. Data of UserDropFormat (a MIME type; empty for
    // none) goes to OnUserDrop instead.
    QString UserDropFormat() const { return FUserDropFormat; }
    void SetUserDropFormat(const QString &Value) { FUserDropFormat = Value; }
    void ShowProperties();

    // --- View state in Section of Store: "ViewStyle", the widths "wXX" and sort columns "sX"
    // per column set, "DisplayMode", "ReverseSort", "ShowHiddenFiles", "AutoArrange" and the
    // shown folder's path as "LastPIDL". Loading shows that folder (the desktop when it is
    // empty, the current directory without it, the nearest existing parent of a folder gone).
    void LoadState(const TCustomIniFile &Store, const QString &Section);
    void SaveState(TCustomIniFile &Store, const QString &Section);

    // --- Parts, for owners and tests
    // The background menu, its entries enabled and checked for now; raises OnPopupPopup.
    QMenu *PrepareBackgroundMenu();
    QMenu *PrepareItemMenu();
    QTreeView *ReportView() const { return FTree; }
    QListView *IconView() const { return FList; }
    TFolderWatchThread &Watcher() { return *FWatch; }

    // --- Events (an unassigned one is not raised)
    TSLVNotifyEvent OnCreateColumns;
    TSLVItemEvent OnAddListItem;
    TSLVNotifyEvent OnChangeDir;
    TSLVItemEvent OnRenameFile;
    TSLVStatusEvent OnSetStatusBar;
    TSLVNotifyEvent OnPopupPopup;
    TSLVToolButtonEvent OnToolbuttonChange;
    TSLVNotifyEvent OnViewStyleChanged;
    TSLVOnDefaultCommand OnDefaultCommand;
    TSLVOnCanAdd OnCanAdd;
    TSLVOnUserDrop OnUserDrop;
    // The selection changed.
    TSLVNotifyEvent OnChange;

    // Ways to the user and the desktop (message boxes and the desktop's default application
    // by default); tests put stand-ins here. Prompt returns the answer to pkConfirm.
    std::function<bool(TPromptKind Kind, const QString &Text)> Prompt;
    std::function<bool(const QString &Path)> OpenDocument;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void showEvent(QShowEvent *Event) override;

private:
    bool ShowFolder(const QString &Path, QString *Error = nullptr);
    void ShowNearestFolder(const QString &Lost, TListError Why);
    QString ResolvePath(const QString &Text) const;
    TListItemData MakeItem(const TFileEntry &Entry) const;
    bool CanAdd(const TFileEntry &Entry);
    void AddEntry(const TFileEntry &Entry);
    TFolderSnapshot Snapshot() const;
    void ApplyDifferences(const TFolderDiff &Diff);
    void OpenFolder(const QString &Path);

    void ApplyColumnType(TColumnType Type, bool Rebuild = false);
    TColumnType ColumnTypeFor(const QString &Folder) const;
    void ClipboardSelection(bool Cut);
    void ClipboardChanged();
    void FileJobDone(const TFileJob &Job, const TFileJobResult &Result);
    bool HandleDrag(QAbstractItemView *View, QEvent *Event);
    QString DropFolder(QAbstractItemView *View, const QPoint &Position) const;
    Qt::DropAction DropAction(const QDropEvent &Event, const QString &Folder) const;
    bool DropInterest(const QMimeData *Data) const;
    void StoreCurrentWidths();
    void ApplyWidths();
    int DefaultWidth(TColumnKind Kind) const;
    void Resort();
    void ApplyViewStyle();
    void RaiseToolButtons(TSystemToolButtons Enable);
    TSystemToolButtons EnabledToolButtons() const;
    bool HandleKey(QKeyEvent *Event);
    void ContextMenu(QWidget *View, const QPoint &Position);
    void BuildMenus();
    void Status(const QString &Text);
    void ReportError(const QString &Text);

    TSystemListModel *FModel;
    QStackedWidget *FStack;
    QTreeView *FTree;
    QListView *FList;

    QString FDirectory;
    TListOptions FOptions;
    TFolderHistory FHistory;
    TColumnType FColumnType = TColumnType::ctUnknown;
    // Remembered widths per column type and kind (1..ColumnKindCount); -1 is the default.
    std::array<std::array<int, ColumnKindCount + 1>, ColumnTypeCount> FWidths;
    std::array<int, ColumnTypeCount> FSortColumns{};
    bool FReverse = false;
    TViewStyle FViewStyle = TViewStyle::vsIcon;
    TDisplayMode FDisplayMode = TDisplayMode::dmAll;
    bool FMultiSelect = true;
    bool FAutoArrange = true;
    bool FStartEmptyDir = false;
    QList<TColumnKind> FUserColumns;
    QString FUserDropFormat;
    QString FPastedCut; // the clipboard of a cut that is being pasted (ClipboardKey)

    QMenu *FMenu = nullptr;
    QActionGroup *FStyleGroup = nullptr;
    std::array<QAction *, 4> FStyleActions{};
    std::array<QAction *, 4> FArrangeActions{};
    QAction *FAutoArrangeAction = nullptr;
    QAction *FLineUpAction = nullptr;
    QAction *FRefreshAction = nullptr;
    QAction *FPasteAction = nullptr;
    QAction *FPasteLinkAction = nullptr;
    QAction *FNewFolderAction = nullptr;
    QAction *FPropertiesAction = nullptr;
    QMenu *FItemMenu = nullptr;
    QAction *FOpenAction = nullptr;
    QAction *FRenameAction = nullptr;
    QAction *FCutAction = nullptr;
    QAction *FCopyAction = nullptr;
    QAction *FTrashAction = nullptr;
    QAction *FDeleteAction = nullptr;

    // Last, so that they go first: no callback of theirs can reach a half-destroyed view. A
    // copy under way is stopped and its partial result removed.
    std::unique_ptr<TFileOperations> FFileOps;
    std::unique_ptr<TFolderWatchThread> FWatch;
};
