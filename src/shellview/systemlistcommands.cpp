// TSystemListView: what changes the folder (renaming, new folders, deleting, the clipboard,
// drops) and the two menus.

#include "shellview/folderwatchthread.h"
#include "shellview/saferemove.h"
#include "shellview/systemlistview.h"

#include <QActionGroup>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QStorageInfo>
#include <QTreeView>
#include <QUrl>

namespace {

bool Taken(const QString &Path) {
    const QFileInfo Info(Path);
    return Info.exists() || Info.isSymLink(); // a link whose target is gone still takes its name
}

// The local files on the clipboard, and whether they were cut.
QStringList ClipboardFiles(bool *Cut = nullptr) {
    QStringList Files;
    bool WasCut = false;
    FilesOfMimeData(QGuiApplication::clipboard()->mimeData(), Files, WasCut);
    if (Cut)
        *Cut = WasCut;
    return Files;
}

// What the clipboard holds, as far as files go: whether they were cut, and which.
QString ClipboardKey() {
    bool Cut = false;
    const QStringList Files = ClipboardFiles(&Cut);
    return Files.isEmpty() ? QString() : (Cut ? u'-' : u'+') + Files.join(u'\n');
}

QString WithReason(const QString &Text, const QString &Reason) {
    return Reason.isEmpty() ? Text + u'.' : Text + QStringLiteral(": ") + Reason + u'.';
}

// Whether the options let Entry be listed (as a listing of the folder would).
bool Listable(const TFileEntry &Entry, const TListOptions &Options) {
    if (!Options.ShowHidden && (Entry.Attributes & TFileAttribute::faHidden))
        return false;
    if (Entry.IsDir)
        return Options.ShowFolders;
    return Options.Extensions.isEmpty() || HasExtension(Entry.Name, Options.Extensions);
}

} // namespace

bool TSystemListView::RenameItem(int Row, const QString &NewName, QString *Error) {
    auto Fail = [&](const QString &Text) {
        if (Error)
            *Error = Text;
        else
            ReportError(Text);
        return false;
    };
    if (Row < 0 || Row >= Count() || Item(Row).IsParent)
        return false;
    const TListItemData Old = Item(Row);
    const QString Name = NewName.trimmed();
    // Exact comparison: on Linux "readme" to "README" is a rename.
    if (Name == Old.Entry.Name)
        return true;
    QString Why;
    if (!ValidFileName(Name, Why))
        return Fail(Why);
    const QString Target = QDir(FDirectory).filePath(Name);
    if (Taken(Target))
        return Fail(tr("There is already an item named \"%1\" in this folder. "
                       "Please choose another name.")
                        .arg(Name));

    TWatchPause Pause(*FWatch);
    QFile File(Old.Path);
    // QFile::rename never replaces an existing file.
    if (!File.rename(Target))
        return Fail(WithReason(tr("Could not rename \"%1\" to \"%2\"").arg(Old.Entry.Name, Name),
                               File.errorString()));
    bool Ok = false;
    TFileEntry Entry = ReadEntry(Target, &Ok);
    if (!Ok) {
        Entry = Old.Entry;
        Entry.Name = Name;
    }
    FModel->UpdateItem(Row, MakeItem(Entry));
    if (OnRenameFile)
        OnRenameFile(this, Item(Row));
    // A name the list does not show (another extension, a leading dot) leaves the list.
    if (!Listable(Entry, FOptions))
        FModel->RemoveItem(Row);
    FWatch->ItemsChanged();
    Resort();
    return true;
}

void TSystemListView::StartRename(int Row) {
    if (Row < 0 || Row >= Count() || Item(Row).IsParent)
        return;
    QAbstractItemView *View =
        FViewStyle == TViewStyle::vsReport ? static_cast<QAbstractItemView *>(FTree) : FList;
    const QModelIndex Index = FModel->index(Row, 0);
    View->scrollTo(Index);
    View->edit(Index);
}

int TSystemListView::NewFolder() {
    if (FDirectory.isEmpty())
        return -1;
    TWatchPause Pause(*FWatch);
    const QDir Folder(FDirectory);
    QString Name;
    bool Created = false;
    // Another program may take the chosen name before mkdir: then the next free one.
    for (int Attempt = 0; Attempt < 10 && !Created; ++Attempt) {
        Name = NewFolderName(
            [&](const QString &Candidate) { return Taken(Folder.filePath(Candidate)); });
        if (Name.isEmpty())
            break;
        Created = Folder.mkdir(Name);
        if (!Created && !Taken(Folder.filePath(Name)))
            break;
    }
    if (!Created) {
        ReportError(tr("Could not create a new folder in %1.").arg(FDirectory));
        return -1;
    }
    const TFileEntry Entry = ReadEntry(Folder.filePath(Name));
    if (!Listable(Entry, FOptions) || !CanAdd(Entry))
        return -1;
    AddEntry(Entry);
    FWatch->ItemsChanged();
    Resort();
    const int Row = FindItem(Name);
    SetSelected(Row);
    StartRename(Row);
    return Row;
}

void TSystemListView::DeleteSelected(bool Permanently, bool Confirm) {
    QList<TListItemData> Chosen;
    for (int Row : SelectedRows())
        if (!Item(Row).IsParent)
            Chosen.append(Item(Row));
    if (Chosen.isEmpty())
        return;
    if (Permanently && Confirm) {
        const QString Question =
            Chosen.size() == 1
                ? tr("Delete \"%1\" permanently?").arg(Chosen.first().Entry.Name)
                : tr("Delete these %n items permanently?", nullptr, int(Chosen.size()));
        if (!Prompt || !Prompt(TPromptKind::pkConfirm, Question))
            return;
    }

    TWatchPause Pause(*FWatch);
    const int FirstRow = FindItem(Chosen.first().Entry.Name);
    QStringList Errors;
    for (const TListItemData &Doomed : std::as_const(Chosen)) {
        bool Done = false;
        QString Reason;
        if (Permanently) {
            // What the entry is now, not what it was when listed.
            Done = RemovePermanently(Doomed.Path, Reason);
        } else {
            QFile File(Doomed.Path);
            Done = File.moveToTrash();
            Reason = File.errorString();
        }
        if (Done) {
            if (const int Row = FindItem(Doomed.Entry.Name); Row >= 0)
                FModel->RemoveItem(Row);
        } else {
            Errors.append(WithReason((Permanently ? tr("Could not delete \"%1\"")
                                                  : tr("Could not move \"%1\" to the trash"))
                                         .arg(Doomed.Entry.Name),
                                     Reason));
        }
    }
    FWatch->ItemsChanged();
    // The item after the deleted ones becomes the current one.
    if (FirstRow >= 0 && Count() > 0)
        SetSelected(std::min(FirstRow, Count() - 1));
    if (!Errors.isEmpty())
        ReportError(Errors.join(u'\n'));
}

void TSystemListView::ClipboardSelection(bool Cut) {
    QStringList Paths;
    for (int Row : SelectedRows())
        if (!Item(Row).IsParent)
            Paths.append(Item(Row).Path);
    if (Paths.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(FilesMimeData(Paths, Cut));
    const QString What = Paths.size() == 1 ? tr("\"%1\"").arg(QFileInfo(Paths.first()).fileName())
                                           : tr("%n items", nullptr, int(Paths.size()));
    Status(Cut ? tr("%1 will be moved by the next Paste.").arg(What) : tr("%1 copied.").arg(What));
}

void TSystemListView::ClipboardChanged() {
    bool Cut = false;
    const QStringList Files = ClipboardFiles(&Cut);
    FModel->SetCutPaths(Cut ? QSet<QString>(Files.begin(), Files.end()) : QSet<QString>());
}

void TSystemListView::CopyToClipboard() {
    ClipboardSelection(false);
}

void TSystemListView::CutToClipboard() {
    ClipboardSelection(true);
}

void TSystemListView::PasteFiles(bool AsLinks) {
    bool Cut = false;
    const QStringList Files = ClipboardFiles(&Cut);
    if (FDirectory.isEmpty() || Files.isEmpty())
        return;
    const TFileOp Op = AsLinks ? TFileOp::foLink : Cut ? TFileOp::foMove : TFileOp::foCopy;
    if (Op == TFileOp::foMove)
        FPastedCut = ClipboardKey();
    TransferFiles(Op, Files, FDirectory);
}

void TSystemListView::TransferFiles(TFileOp Op, const QStringList &Sources, const QString &Target) {
    if (Sources.isEmpty() || Target.isEmpty())
        return;
    TFileJob Job;
    Job.Op = Op;
    Job.Sources = Sources;
    Job.Target = QDir::cleanPath(Target);
    FFileOps->Start(Job);
}

void TSystemListView::FileJobDone(const TFileJob &Job, const TFileJobResult &Result) {
    // What the job made in the shown folder is listed and selected at once; the watcher would
    // list it too, but only after its quiet time.
    if (Job.Target == FDirectory && !Result.Created.isEmpty()) {
        QList<int> Rows;
        for (const QString &Name : Result.Created) {
            bool Ok = false;
            const TFileEntry Entry = ReadEntry(QDir(FDirectory).filePath(Name), &Ok);
            if (Ok && FindItem(Name) < 0 && Listable(Entry, FOptions) && CanAdd(Entry))
                AddEntry(Entry);
        }
        Resort();
        QItemSelectionModel *Selection = FTree->selectionModel();
        Selection->clearSelection();
        for (const QString &Name : Result.Created) {
            const int Row = FindItem(Name);
            if (Row < 0)
                continue;
            if (Rows.isEmpty())
                SetSelected(Row);
            else if (FMultiSelect)
                Selection->select(FModel->index(Row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
            Rows.append(Row);
        }
    }
    // What moved away leaves the list.
    if (Job.Op == TFileOp::foMove) {
        for (const QString &Source : Job.Sources) {
            const QFileInfo Info(Source);
            if (QDir::cleanPath(Info.absolutePath()) != FDirectory || Taken(Source))
                continue;
            if (const int Row = FindItem(Info.fileName()); Row >= 0)
                FModel->RemoveItem(Row);
        }
        // A pasted cut is used up, as in file managers; a newer clipboard stays.
        if (!FPastedCut.isEmpty() && ClipboardKey() == FPastedCut && !Result.Created.isEmpty() &&
            Result.Errors.isEmpty() && !Result.Cancelled)
            QGuiApplication::clipboard()->clear();
        FPastedCut.clear();
    }
    if (!FDirectory.isEmpty())
        FWatch->ItemsChanged();

    const int Count = int(Result.Created.size());
    const QString What = Count == 1 ? QStringLiteral("\"%1\"").arg(Result.Created.first())
                                    : tr("%n items", nullptr, int(Count));
    QString Where = QFileInfo(Job.Target).fileName();
    if (Where.isEmpty())
        Where = Job.Target;
    QString Text;
    if (Count > 0) {
        Text = (Job.Op == TFileOp::foCopy   ? tr("Copied %1 to %2.")
                : Job.Op == TFileOp::foMove ? tr("Moved %1 to %2.")
                                            : tr("Made links to %1 in %2."))
                   .arg(What, Where);
        for (const auto &[Old, New] : Result.Renamed)
            Text += tr(" \"%1\" was taken there, so it is \"%2\".").arg(Old, New);
    }
    if (Result.Cancelled)
        Text = tr("Stopped. ") + Text;
    Status(Text.trimmed());
    if (!Result.Errors.isEmpty())
        ReportError(Result.Errors.join(u'\n'));
}

// --- Drops

QString TSystemListView::DropFolder(QAbstractItemView *View, const QPoint &Position) const {
    const QModelIndex Index = View->indexAt(Position);
    if (Index.isValid() && Item(Index.row()).IsFolder())
        return Item(Index.row()).Path;
    return FDirectory;
}

Qt::DropAction TSystemListView::DropAction(const QDropEvent &Event, const QString &Folder) const {
    const QMimeData *Data = Event.mimeData();
    if (Folder.isEmpty() || !Data)
        return Qt::IgnoreAction;
    if (!FUserDropFormat.isEmpty() && Data->hasFormat(FUserDropFormat)) {
        if (!OnUserDrop)
            return Qt::IgnoreAction;
        const Qt::DropAction Proposed = Event.proposedAction();
        return Event.possibleActions() & Proposed ? Proposed : Qt::CopyAction;
    }
    QStringList Files;
    bool Cut = false;
    if (!FilesOfMimeData(Data, Files, Cut))
        return Qt::IgnoreAction;
    bool Same = true;
    bool AllHere = true;
    for (const QString &File : std::as_const(Files)) {
        // A folder never goes into itself.
        if (Folder == File || Folder.startsWith(File + u'/'))
            return Qt::IgnoreAction;
        Same = Same && SameFileSystem(File, Folder);
        AllHere = AllHere && QDir::cleanPath(QFileInfo(File).absolutePath()) == Folder;
    }
    const Qt::DropAction Action =
        ChooseDropAction(Event.modifiers(), Event.possibleActions(), Same);
    // Moving items to where they are does nothing; say so with the pointer.
    return Action == Qt::MoveAction && AllHere ? Qt::IgnoreAction : Action;
}

bool TSystemListView::DropInterest(const QMimeData *Data) const {
    if (FDirectory.isEmpty() || !Data)
        return false;
    if (!FUserDropFormat.isEmpty() && Data->hasFormat(FUserDropFormat))
        return bool(OnUserDrop);
    QStringList Files;
    bool Cut = false;
    return FilesOfMimeData(Data, Files, Cut);
}

bool TSystemListView::HandleDrag(QAbstractItemView *View, QEvent *Event) {
    switch (Event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *Drop = static_cast<QDropEvent *>(Event);
        const QPoint Position = Drop->position().toPoint();
        const QString Folder = DropFolder(View, Position);
        const Qt::DropAction Action = DropAction(*Drop, Folder);
        if (Action == Qt::IgnoreAction) {
            FModel->SetDropRow(-1);
            // Qt sends the moves of a drag only to a widget that took it as it entered: data of
            // interest is taken there even where it cannot go, so that it can go further on.
            if (Event->type() == QEvent::DragEnter && DropInterest(Drop->mimeData()))
                Drop->acceptProposedAction();
            else
                Drop->ignore();
            return true;
        }
        Drop->setDropAction(Action);
        Drop->accept();
        const QModelIndex Index = View->indexAt(Position);
        const bool OnFolder = Index.isValid() && Item(Index.row()).IsFolder();
        if (Event->type() != QEvent::Drop) {
            FModel->SetDropRow(OnFolder ? Index.row() : -1);
            return true;
        }
        FModel->SetDropRow(-1);
        const QMimeData *Data = Drop->mimeData();
        if (!FUserDropFormat.isEmpty() && Data->hasFormat(FUserDropFormat)) {
            OnUserDrop(this, Folder, Data);
            return true;
        }
        QStringList Files;
        bool Cut = false;
        FilesOfMimeData(Data, Files, Cut);
        TransferFiles(Action == Qt::MoveAction   ? TFileOp::foMove
                      : Action == Qt::LinkAction ? TFileOp::foLink
                                                 : TFileOp::foCopy,
                      Files, Folder);
        return true;
    }
    case QEvent::DragLeave:
        FModel->SetDropRow(-1);
        return true;
    default:
        return false;
    }
}

void TSystemListView::ShowProperties() {
    if (FDirectory.isEmpty() || !Prompt)
        return;
    int Folders = 0;
    int Files = 0;
    qint64 Bytes = 0;
    for (const TListItemData &Shown : FModel->Items()) {
        if (Shown.IsParent)
            continue;
        if (Shown.Entry.IsDir) {
            ++Folders;
        } else {
            ++Files;
            Bytes += Shown.Entry.Size;
        }
    }
    const QStorageInfo Storage(FDirectory);
    QString Text = tr("%1\n\nShown: %2, %3 (%4)")
                       .arg(FDirectory)
                       .arg(Folders == 1 ? tr("1 folder") : tr("%n folders", nullptr, int(Folders)))
                       .arg(Files == 1 ? tr("1 file") : tr("%n files", nullptr, int(Files)))
                       .arg(SizeText(Bytes));
    if (Storage.isValid())
        Text += tr("\nFree space: %1").arg(SizeText(Storage.bytesAvailable()));
    Prompt(TPromptKind::pkInformation, Text);
}

// --- Menus

void TSystemListView::BuildMenus() {
    auto Add = [this](QMenu *Menu, const QString &Caption, const QString &Hint, auto Slot) {
        QAction *Action = Menu->addAction(Caption);
        Action->setStatusTip(Hint);
        connect(Action, &QAction::triggered, this, Slot);
        return Action;
    };

    FMenu = new QMenu(this);
    QMenu *View = FMenu->addMenu(tr("&View"));
    FStyleGroup = new QActionGroup(FMenu);
    const std::array<std::pair<QString, QString>, 4> Styles{{
        {tr("Lar&ge Icons"), tr("Shows the items as large icons.")},
        {tr("S&mall Icons"), tr("Shows the items as small icons.")},
        {tr("&List"), tr("Shows the items in a list.")},
        {tr("&Details"), tr("Shows each item with its size, type, time and attributes.")},
    }};
    for (size_t Style = 0; Style < Styles.size(); ++Style) {
        FStyleActions[Style] = Add(View, Styles[Style].first, Styles[Style].second,
                                   [this, Style] { SetViewStyle(TViewStyle(Style)); });
        FStyleActions[Style]->setCheckable(true);
        FStyleGroup->addAction(FStyleActions[Style]);
    }

    QMenu *Arrange = FMenu->addMenu(tr("Arrange &Icons"));
    const std::array<std::tuple<QString, QString, TColumnKind>, 4> Orders{{
        {tr("by &Name"), tr("Sorts items alphabetically by name."), TColumnKind::ckName},
        {tr("by &Type"), tr("Sorts items by type."), TColumnKind::ckType},
        {tr("by Si&ze"), tr("Sorts items by size."), TColumnKind::ckSize},
        {tr("by &Date"), tr("Sorts items by date, newest first."), TColumnKind::ckModified},
    }};
    for (size_t Order = 0; Order < Orders.size(); ++Order) {
        const TColumnKind Kind = std::get<2>(Orders[Order]);
        FArrangeActions[Order] =
            Add(Arrange, std::get<0>(Orders[Order]), std::get<1>(Orders[Order]), [this, Kind] {
                const int Column = FModel->ColumnOf(Kind);
                if (Column < 0 || Column == SortColumn())
                    return;
                FSortColumns[size_t(FColumnType)] = Column;
                FReverse = false;
                Resort();
            });
    }
    Arrange->addSeparator();
    FAutoArrangeAction =
        Add(Arrange, tr("&Auto Arrange"), tr("Arranges the icons to fit the window."),
            [this] { SetAutoArrange(!FAutoArrange); });
    FAutoArrangeAction->setCheckable(true);
    FLineUpAction = Add(FMenu, tr("Line &Up Icons"), tr("Lines the icons up on a grid."),
                        [this] { FList->doItemsLayout(); });
    FMenu->addSeparator();
    FRefreshAction =
        Add(FMenu, tr("Re&fresh"), tr("Reads the folder again."), [this] { Refresh(); });
    FMenu->addSeparator();
    FPasteAction = Add(FMenu, tr("&Paste"),
                       tr("Copies the files on the clipboard into this folder, or "
                          "moves them when they were cut."),
                       [this] { PasteFiles(false); });
    FPasteLinkAction = Add(FMenu, tr("Paste &Shortcut"),
                           tr("Makes links to the files on the clipboard in this folder."),
                           [this] { PasteFiles(true); });
    FMenu->addSeparator();
    QMenu *New = FMenu->addMenu(tr("&New"));
    FNewFolderAction =
        Add(New, tr("&Folder"), tr("Creates a new folder."), [this] { NewFolder(); });
    FMenu->addSeparator();
    FPropertiesAction = Add(FMenu, tr("P&roperties"), tr("Shows what this folder holds."),
                            [this] { ShowProperties(); });

    for (QMenu *Menu : {FMenu, View, Arrange, New}) {
        connect(Menu, &QMenu::hovered, this,
                [this](QAction *Action) { Status(Action->statusTip()); });
    }
    connect(FMenu, &QMenu::aboutToHide, this, [this] { Status(QString()); });

    FItemMenu = new QMenu(this);
    FOpenAction = Add(FItemMenu, tr("&Open"), tr("Opens the item."), [this] { DefaultCommand(); });
    FItemMenu->setDefaultAction(FOpenAction);
    FRenameAction =
        Add(FItemMenu, tr("Re&name"), tr("Renames the item."), [this] { StartRename(Selected()); });
    FItemMenu->addSeparator();
    FCutAction = Add(FItemMenu, tr("Cu&t"), tr("Moves the selected items by the next Paste."),
                     [this] { CutToClipboard(); });
    FCopyAction = Add(FItemMenu, tr("&Copy"), tr("Copies the selected items by the next Paste."),
                      [this] { CopyToClipboard(); });
    FItemMenu->addSeparator();
    FTrashAction =
        Add(FItemMenu, tr("Move to &Trash"), tr("Moves the selected items to the trash."),
            [this] { DeleteSelected(false); });
    FDeleteAction =
        Add(FItemMenu, tr("&Delete Permanently"), tr("Deletes the selected items for good."),
            [this] { DeleteSelected(true); });
    connect(FItemMenu, &QMenu::hovered, this,
            [this](QAction *Action) { Status(Action->statusTip()); });
    connect(FItemMenu, &QMenu::aboutToHide, this, [this] { Status(QString()); });
}

QMenu *TSystemListView::PrepareBackgroundMenu() {
    const bool Shown = !FDirectory.isEmpty();
    const bool Icons = FViewStyle == TViewStyle::vsIcon || FViewStyle == TViewStyle::vsSmallIcon;
    FStyleActions[size_t(FViewStyle)]->setChecked(true);
    const std::array<TColumnKind, 4> Kinds{TColumnKind::ckName, TColumnKind::ckType,
                                           TColumnKind::ckSize, TColumnKind::ckModified};
    for (size_t Order = 0; Order < Kinds.size(); ++Order)
        FArrangeActions[Order]->setEnabled(FModel->ColumnOf(Kinds[Order]) >= 0);
    FAutoArrangeAction->setEnabled(Icons);
    FAutoArrangeAction->setChecked(FAutoArrange);
    FLineUpAction->setEnabled(Icons);
    FRefreshAction->setEnabled(Shown);
    const bool CanPaste = Shown && !ClipboardFiles().isEmpty();
    FPasteAction->setEnabled(CanPaste);
    FPasteLinkAction->setEnabled(CanPaste);
    FNewFolderAction->setEnabled(Shown && FOptions.ShowFolders);
    FPropertiesAction->setEnabled(Shown);
    if (OnPopupPopup)
        OnPopupPopup(this);
    return FMenu;
}

QMenu *TSystemListView::PrepareItemMenu() {
    int Items = 0;
    for (int Row : SelectedRows())
        if (!Item(Row).IsParent)
            ++Items;
    FOpenAction->setEnabled(Selected() >= 0);
    FRenameAction->setEnabled(Items == 1 && SelectedRows().size() == 1);
    FCutAction->setEnabled(Items > 0);
    FCopyAction->setEnabled(Items > 0);
    FTrashAction->setEnabled(Items > 0);
    FDeleteAction->setEnabled(Items > 0);
    return FItemMenu;
}

void TSystemListView::ContextMenu(QWidget *View, const QPoint &Position) {
    auto *ItemView = static_cast<QAbstractItemView *>(View);
    const QModelIndex Index = ItemView->indexAt(Position);
    const QPoint Global = ItemView->viewport()->mapToGlobal(Position);
    if (Index.isValid()) {
        if (!ItemView->selectionModel()->isRowSelected(Index.row(), QModelIndex()))
            SetSelected(Index.row());
        PrepareItemMenu()->popup(Global);
    } else {
        PrepareBackgroundMenu()->popup(Global);
    }
}
