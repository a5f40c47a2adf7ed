#include "shellview/systemlistview.h"

#include "shellview/folderwatchthread.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

EDirectoryError::EDirectoryError(const QString &Message)
    : std::runtime_error(Message.toStdString()), FMessage(Message) {}

namespace {

// The hourglass while a folder is read on the UI thread.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;
};

// The folder above Path; empty at the root.
QString ParentOf(const QString &Path) {
    if (Path.isEmpty() || QDir(Path).isRoot())
        return QString();
    return QFileInfo(Path).path();
}

QString InvalidDirectoryText(const QString &Path) {
    return QCoreApplication::translate("TSystemListView", "Directory %1 is not valid.").arg(Path);
}

} // namespace

TSystemListView::TSystemListView(QWidget *Parent)
    : QWidget(Parent), FModel(new TSystemListModel(this)), FStack(new QStackedWidget(this)),
      FTree(new QTreeView), FList(new QListView), FFileOps(std::make_unique<TFileOperations>()),
      FWatch(std::make_unique<TFolderWatchThread>()) {
    for (auto &Widths : FWidths)
        Widths.fill(-1);

    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addWidget(FStack);
    FStack->addWidget(FTree);
    FStack->addWidget(FList);

    FModel->OnRename = [this](int Row, const QString &NewName) {
        QString Error;
        const bool Ok = RenameItem(Row, NewName, &Error);
        // Shown once the editor is gone: a message box inside the commit would take its focus.
        if (!Ok && !Error.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, Error] { ReportError(Error); }, Qt::QueuedConnection);
        return Ok;
    };

    FTree->setModel(FModel);
    FTree->setRootIsDecorated(false);
    FTree->setItemsExpandable(false);
    FTree->setUniformRowHeights(true);
    FTree->setAllColumnsShowFocus(true);
    FTree->setSortingEnabled(false); // the view sorts by its own rules
    QHeaderView *Header = FTree->header();
    Header->setSectionsClickable(true);
    Header->setSortIndicatorShown(true);
    Header->setStretchLastSection(false);
    Header->setSectionsMovable(false);
    connect(Header, &QHeaderView::sectionClicked, this, &TSystemListView::ColumnClick);

    FList->setModel(FModel);
    QItemSelectionModel *Own = FList->selectionModel();
    FList->setSelectionModel(FTree->selectionModel()); // one selection, whichever style shows
    delete Own;

    for (QAbstractItemView *View :
         {static_cast<QAbstractItemView *>(FTree), static_cast<QAbstractItemView *>(FList)}) {
        View->setSelectionBehavior(QAbstractItemView::SelectRows);
        View->setSelectionMode(QAbstractItemView::ExtendedSelection);
        View->setEditTriggers(QAbstractItemView::NoEditTriggers); // F2 is handled here
        // Drags start in the item view; drops are this view's own business (see HandleDrag).
        View->setDragEnabled(true);
        View->setDragDropMode(QAbstractItemView::DragOnly);
        View->viewport()->setAcceptDrops(true);
        View->viewport()->installEventFilter(this);
        View->setContextMenuPolicy(Qt::CustomContextMenu);
        View->installEventFilter(this);
        connect(View, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &Index) {
            if (Index.isValid())
                DefaultCommand();
        });
        connect(View, &QWidget::customContextMenuRequested, this,
                [this, View](const QPoint &Position) { ContextMenu(View, Position); });
    }
    connect(FTree->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });

    FModel->SetColumns(ColumnSet(FColumnType));
    ApplyWidths();
    ApplyViewStyle();
    BuildMenus();

    Prompt = [this](TPromptKind Kind, const QString &Text) {
        const QString Title = QApplication::applicationDisplayName();
        switch (Kind) {
        case TPromptKind::pkError:
            QMessageBox::warning(this, Title, Text);
            return true;
        case TPromptKind::pkInformation:
            QMessageBox::information(this, Title, Text);
            return true;
        case TPromptKind::pkConfirm:
            return QMessageBox::question(this, Title, Text, QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) == QMessageBox::Yes;
        }
        return false;
    };
    OpenDocument = [](const QString &Path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(Path));
    };

    // The owner's handlers run from here too (OnCanAdd, OnAddListItem, OnChangeDir); what they
    // throw is shown, since it must not unwind through the event loop.
    FWatch->Snapshot = [this] { return Snapshot(); };
    FWatch->OnDifferences = [this](const TFolderDiff &Diff) {
        try {
            ApplyDifferences(Diff);
        } catch (const std::exception &Error) {
            ReportError(QString::fromStdString(Error.what()));
        }
    };
    // Cut items look cut, as in file managers, until another program takes the clipboard.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { ClipboardChanged(); });
    ClipboardChanged();
    FFileOps->OnProgress = [this](const QString &Text) { Status(Text); };
    FFileOps->OnFinished = [this](const TFileJob &Job, const TFileJobResult &Result) {
        try {
            FileJobDone(Job, Result);
        } catch (const std::exception &Error) {
            ReportError(QString::fromStdString(Error.what()));
        }
    };
    FWatch->OnFolderLost = [this](TListError Why) {
        try {
            ShowNearestFolder(FDirectory, Why);
        } catch (const std::exception &Error) {
            ReportError(QString::fromStdString(Error.what()));
        }
    };
}

TSystemListView::~TSystemListView() {
    // Closing an open editor as the widgets go would rename, and selection changes would reach
    // an owner that is being destroyed itself: neither happens during the teardown.
    FModel->OnRename = {};
    FTree->selectionModel()->disconnect(this);
    FWatch.reset();   // waits for a listing under way; no callback reaches this view afterwards
    FFileOps.reset(); // stops a copy under way, likewise
}

// --- Properties

int TSystemListView::ColumnWidth(int Index) const {
    return Index >= 0 && Index < FModel->columnCount() ? FTree->header()->sectionSize(Index) : 0;
}

void TSystemListView::SetColumnWidth(int Index, int Width) {
    if (Index >= 0 && Index < FModel->columnCount() && Width >= 0)
        FTree->header()->resizeSection(Index, Width);
}

void TSystemListView::SetShowHiddenFiles(bool Value) {
    if (Value == FOptions.ShowHidden)
        return;
    FOptions.ShowHidden = Value;
    Refresh();
}

void TSystemListView::SetShowFolders(bool Value) {
    if (Value == FOptions.ShowFolders)
        return;
    FOptions.ShowFolders = Value;
    Refresh();
}

void TSystemListView::SetAllowedExtensions(const QString &Value) {
    const QStringList Extensions = SplitExtensions(Value);
    if (Extensions == FOptions.Extensions)
        return;
    FOptions.Extensions = Extensions;
    Refresh();
}

void TSystemListView::SetDirectory(const QString &Path) {
    const QString Target = ResolvePath(Path);
    if (Target.isEmpty())
        throw EDirectoryError(InvalidDirectoryText(Path));
    if (Target == FDirectory)
        return;
    QString Error;
    if (!ShowFolder(Target, &Error))
        throw EDirectoryError(Error);
}

void TSystemListView::SetViewStyle(TViewStyle Value) {
    if (Value == FViewStyle)
        return;
    FViewStyle = Value;
    ApplyViewStyle();
    if (OnViewStyleChanged)
        OnViewStyleChanged(this);
}

void TSystemListView::SetMultiSelect(bool Value) {
    FMultiSelect = Value;
    const auto Mode =
        Value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
    FTree->setSelectionMode(Mode);
    FList->setSelectionMode(Mode);
    if (!Value && SelectedRows().size() > 1)
        SetSelected(Selected());
}

void TSystemListView::SetAutoArrange(bool Value) {
    FAutoArrange = Value;
    ApplyViewStyle();
}

int TSystemListView::SortColumn() const {
    const int Index = FSortColumns[size_t(FColumnType)];
    return Index >= 0 && Index < FModel->columnCount() ? Index : 0;
}

void TSystemListView::SetSortColumn(int Index) {
    if (Index < 0 || Index >= FModel->columnCount())
        return;
    FSortColumns[size_t(FColumnType)] = Index;
    Resort();
}

void TSystemListView::SetReverseSort(bool Value) {
    FReverse = Value;
    Resort();
}

void TSystemListView::ColumnClick(int Index) {
    if (Index < 0 || Index >= FModel->columnCount())
        return;
    if (Index == SortColumn()) {
        FReverse = !FReverse;
    } else {
        FSortColumns[size_t(FColumnType)] = Index;
        FReverse = false;
    }
    Resort();
}

// --- Items

QStringList TSystemListView::Captions() const {
    QStringList Names;
    for (const TListItemData &Item : FModel->Items())
        Names.append(Item.Entry.Name);
    return Names;
}

QList<int> TSystemListView::SelectedRows() const {
    QList<int> Rows;
    for (const QModelIndex &Index : FTree->selectionModel()->selectedRows())
        Rows.append(Index.row());
    std::sort(Rows.begin(), Rows.end());
    return Rows;
}

int TSystemListView::Selected() const {
    const QList<int> Rows = SelectedRows();
    return Rows.isEmpty() ? -1 : Rows.first();
}

void TSystemListView::SetSelected(int Row) {
    QItemSelectionModel *Selection = FTree->selectionModel();
    if (Row < 0 || Row >= Count()) {
        Selection->clearSelection();
        return;
    }
    const QModelIndex Index = FModel->index(Row, 0);
    Selection->setCurrentIndex(Index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    FTree->scrollTo(Index);
    FList->scrollTo(Index);
}

void TSystemListView::SelectAll() {
    if (FMultiSelect)
        FTree->selectAll();
}

// --- Showing a folder

QString TSystemListView::ResolvePath(const QString &Text) const {
    if (Text.isEmpty())
        return QString();
    QString Path = Text;
    const QUrl Url(Text);
    if (Url.isLocalFile())
        Path = Url.toLocalFile();
    Path = QDir::fromNativeSeparators(Path);
    if (Path == u"~" || Path.startsWith(u"~/"))
        Path = QDir::homePath() + Path.mid(1);
    if (QDir::isRelativePath(Path))
        Path = QDir(FDirectory.isEmpty() ? QDir::currentPath() : FDirectory).filePath(Path);
    return QDir::cleanPath(Path);
}

TListItemData TSystemListView::MakeItem(const TFileEntry &Entry) const {
    TListItemData Item;
    Item.Entry = Entry;
    Item.Path = QDir(FDirectory).filePath(Entry.Name);
    return Item;
}

bool TSystemListView::CanAdd(const TFileEntry &Entry) {
    bool Result = true;
    if (OnCanAdd)
        OnCanAdd(this, Entry, Result);
    return Result;
}

void TSystemListView::AddEntry(const TFileEntry &Entry) {
    FModel->AddItem(MakeItem(Entry));
    if (OnAddListItem)
        OnAddListItem(this, FModel->Items().last());
}

bool TSystemListView::ShowFolder(const QString &Path, QString *Error) {
    FWatch->SetFolder(QString(), TListOptions());
    RaiseToolButtons({});
    TListing Listing;
    {
        TWaitCursor Wait;
        Listing = ListFolder(Path, FOptions);
    }
    if (Listing.Error != TListError::leNone) {
        // The folder shown so far stays, and stays watched.
        if (!FDirectory.isEmpty())
            FWatch->SetFolder(FDirectory, FOptions);
        RaiseToolButtons(EnabledToolButtons());
        if (Error)
            *Error = Listing.Error == TListError::leUnreadable
                         ? tr("The folder %1 cannot be read.").arg(Path)
                         : InvalidDirectoryText(Path);
        return false;
    }

    ApplyColumnType(ColumnTypeFor(Path));
    FDirectory = Path;
    QList<TListItemData> Items;
    const QString Parent = ParentOf(Path);
    if (!Parent.isEmpty()) {
        TListItemData Up;
        Up.Entry.Name = QStringLiteral("..");
        Up.Entry.IsDir = true;
        Up.Entry.TypeName = ReadEntry(Parent).TypeName;
        Up.Path = Parent;
        Up.IsParent = true;
        Items.append(Up);
    }
    for (const TFileEntry &Entry : std::as_const(Listing.Entries))
        if (CanAdd(Entry))
            Items.append(MakeItem(Entry));
    FModel->SetItems(Items);
    if (OnAddListItem)
        for (const TListItemData &Item : std::as_const(Items))
            if (!Item.IsParent)
                OnAddListItem(this, Item);
    Resort();
    FHistory.Visit(Path);
    if (OnChangeDir)
        OnChangeDir(this);
    FWatch->SetFolder(FDirectory, FOptions);
    RaiseToolButtons(EnabledToolButtons());
    return true;
}

void TSystemListView::ShowNearestFolder(const QString &Lost, TListError Why) {
    for (QString Folder = ParentOf(Lost); !Folder.isEmpty(); Folder = ParentOf(Folder)) {
        if (ShowFolder(Folder)) {
            Status((Why == TListError::leUnreadable
                        ? tr("The folder %1 can no longer be read; showing %2.")
                        : tr("The folder %1 is no longer there; showing %2."))
                       .arg(Lost, Folder));
            return;
        }
    }
    // Not even the root can be read: show nothing rather than a stale list.
    FDirectory.clear();
    FModel->SetItems({});
    RaiseToolButtons({});
    Status(tr("The folder %1 is no longer there.").arg(Lost));
}

void TSystemListView::OpenFolder(const QString &Path) {
    QString Error;
    if (!ShowFolder(Path, &Error))
        ReportError(Error);
}

void TSystemListView::Refresh() {
    if (FDirectory.isEmpty())
        return;
    // The selection and the current item survive by name.
    QStringList Chosen;
    for (int Row : SelectedRows())
        Chosen.append(Item(Row).Entry.Name);
    const QModelIndex CurrentIndex = FTree->selectionModel()->currentIndex();
    const QString Current =
        CurrentIndex.isValid() ? Item(CurrentIndex.row()).Entry.Name : QString();

    const QString Shown = FDirectory;
    TListError Why = TListError::leNotFound;
    if (!ShowFolder(Shown)) {
        if (QFileInfo(Shown).isDir())
            Why = TListError::leUnreadable;
        ShowNearestFolder(Shown, Why);
        return;
    }
    QItemSelectionModel *Selection = FTree->selectionModel();
    if (const int Row = FindItem(Current); Row >= 0)
        Selection->setCurrentIndex(FModel->index(Row, 0), QItemSelectionModel::NoUpdate);
    for (const QString &Name : std::as_const(Chosen))
        if (const int Row = FindItem(Name); Row >= 0)
            Selection->select(FModel->index(Row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TSystemListView::Up() {
    const QString Child = FDirectory;
    const QString Parent = ParentOf(Child);
    if (Parent.isEmpty())
        return;
    // A parent that vanished meanwhile: the nearest one that is still there.
    for (QString Folder = Parent; !Folder.isEmpty(); Folder = ParentOf(Folder)) {
        if (ShowFolder(Folder)) {
            // Keep the folder we came from at hand, as file managers do.
            SetSelected(FindItem(QFileInfo(Child).fileName()));
            return;
        }
    }
}

void TSystemListView::Back() {
    if (FHistory.CanBack())
        OpenFolder(FHistory.BackTarget());
}

void TSystemListView::Forward() {
    if (FHistory.CanForward())
        OpenFolder(FHistory.ForwardTarget());
}

void TSystemListView::DefaultCommand() {
    bool DoDefault = true;
    if (OnDefaultCommand)
        OnDefaultCommand(this, DoDefault);
    if (!DoDefault)
        return;
    const QList<int> Rows = SelectedRows();
    if (Rows.size() == 1 && Item(Rows.first()).IsFolder()) {
        const TListItemData Chosen = Item(Rows.first());
        if (Chosen.IsParent)
            Up();
        else
            OpenFolder(Chosen.Path);
        return;
    }
    QStringList Failed;
    for (int Row : Rows) {
        const TListItemData &Chosen = Item(Row);
        if (!Chosen.IsParent && OpenDocument && !OpenDocument(Chosen.Path))
            Failed.append(Chosen.Entry.Name);
    }
    if (!Failed.isEmpty())
        ReportError(tr("No application could open %1.").arg(Failed.join(u", ")));
}

// --- Keeping current

TFolderSnapshot TSystemListView::Snapshot() const {
    TFolderSnapshot Shown;
    Shown.reserve(Count());
    for (const TListItemData &Item : FModel->Items())
        if (!Item.IsParent)
            Shown.insert(Item.Entry.Name, Item.Entry);
    return Shown;
}

void TSystemListView::ApplyDifferences(const TFolderDiff &Diff) {
    // One entry whose handler throws does not hold the others back.
    QStringList Errors;
    auto Each = [&](const auto &Step) {
        try {
            Step();
        } catch (const std::exception &Error) {
            Errors.append(QString::fromStdString(Error.what()));
        }
    };
    // Rows by name, so that a large difference does not search the list for every entry.
    auto RowsByName = [this] {
        QHash<QString, int> Rows;
        Rows.reserve(Count());
        for (int Row = 0; Row < Count(); ++Row)
            if (!Item(Row).IsParent)
                Rows.insert(Item(Row).Entry.Name, Row);
        return Rows;
    };
    QHash<QString, int> Rows = RowsByName();
    QList<int> Gone;
    for (const QString &Name : Diff.Removed)
        if (const auto It = Rows.constFind(Name); It != Rows.constEnd())
            Gone.append(*It);
    for (const TFileEntry &Entry : Diff.Changed) {
        const auto It = Rows.constFind(Entry.Name);
        bool Keep = false;
        bool Asked = false; // a handler that throws leaves the item as it was
        Each([&] {
            Keep = CanAdd(Entry);
            Asked = true;
        });
        if (!Asked || It == Rows.constEnd())
            continue;
        if (Keep)
            FModel->UpdateItem(*It, MakeItem(Entry));
        else
            Gone.append(*It);
    }
    std::sort(Gone.begin(), Gone.end(), std::greater<int>());
    for (int Row : std::as_const(Gone))
        FModel->RemoveItem(Row);
    if (!Gone.isEmpty())
        Rows = RowsByName();
    for (const TFileEntry &Entry : Diff.Added)
        Each([&] {
            if (!Rows.contains(Entry.Name) && CanAdd(Entry)) {
                AddEntry(Entry);
                Rows.insert(Entry.Name, Count() - 1);
            }
        });
    Resort();
    if (!Errors.isEmpty())
        ReportError(Errors.join(u'\n'));
}

// --- Columns and looks

TColumnType TSystemListView::ColumnTypeFor(const QString &Folder) const {
    return FUserColumns.isEmpty() ? ColumnTypeOf(Folder) : TColumnType::ctUser;
}

void TSystemListView::SetUserColumns(const QList<TColumnKind> &Columns) {
    // Name leads: renaming, icons and drags work on the first column.
    QList<TColumnKind> Valid{TColumnKind::ckName};
    for (const TColumnKind Kind : Columns)
        if (!ColumnInfo(Kind).Caption.isEmpty() && !Valid.contains(Kind))
            Valid.append(Kind);
    FUserColumns = Columns.isEmpty() ? QList<TColumnKind>() : Valid;
    if (!FUserColumns.isEmpty())
        ApplyColumnType(TColumnType::ctUser, true);
    else if (FColumnType == TColumnType::ctUser)
        ApplyColumnType(FDirectory.isEmpty() ? TColumnType::ctUnknown : ColumnTypeOf(FDirectory));
}

void TSystemListView::ApplyColumnType(TColumnType Type, bool Rebuild) {
    if (Type == FColumnType && !Rebuild)
        return;
    StoreCurrentWidths();
    FColumnType = Type;
    FModel->SetColumns(Type == TColumnType::ctUser ? FUserColumns : ColumnSet(Type));
    ApplyWidths();
    Resort();
    if (OnCreateColumns)
        OnCreateColumns(this);
}

void TSystemListView::StoreCurrentWidths() {
    const QList<TColumnKind> &Columns = FModel->Columns();
    for (int Index = 0; Index < Columns.size(); ++Index)
        FWidths[size_t(FColumnType)][size_t(Columns[Index])] = FTree->header()->sectionSize(Index);
}

void TSystemListView::ApplyWidths() {
    const QList<TColumnKind> &Columns = FModel->Columns();
    for (int Index = 0; Index < Columns.size(); ++Index) {
        const int Width = FWidths[size_t(FColumnType)][size_t(Columns[Index])];
        FTree->header()->resizeSection(Index, Width < 0 ? DefaultWidth(Columns[Index]) : Width);
    }
}

int TSystemListView::DefaultWidth(TColumnKind Kind) const {
    // The classic widths, widened where the font in use needs more for the caption or for a
    // whole time.
    const QFontMetrics Metrics(FTree->font());
    constexpr int Padding = 16;
    const TColumnInfo Info = ColumnInfo(Kind);
    int Width = std::max(Info.DefaultWidth, Metrics.horizontalAdvance(Info.Caption) + Padding);
    if (Kind == TColumnKind::ckModified)
        Width = std::max(Width, Metrics.horizontalAdvance(
                                    ModifiedText(QDateTime(QDate(2000, 12, 28), QTime(20, 28)))) +
                                    Padding);
    return Width;
}

void TSystemListView::Resort() {
    const int Column = SortColumn();
    if (Column >= FModel->columnCount())
        return;
    FModel->Sort(FModel->Columns()[Column], FReverse);
    FTree->header()->setSortIndicator(Column, FReverse ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TSystemListView::ApplyViewStyle() {
    if (FViewStyle == TViewStyle::vsReport) {
        FStack->setCurrentWidget(FTree);
        setFocusProxy(FTree);
        return;
    }
    const int Small = style()->pixelMetric(QStyle::PM_SmallIconSize);
    switch (FViewStyle) {
    case TViewStyle::vsIcon:
        FList->setViewMode(QListView::IconMode);
        FList->setIconSize(QSize(32, 32));
        FList->setFlow(QListView::LeftToRight);
        FList->setGridSize(QSize(96, 72));
        FList->setWordWrap(true);
        break;
    case TViewStyle::vsSmallIcon:
        FList->setViewMode(QListView::ListMode);
        FList->setIconSize(QSize(Small, Small));
        FList->setFlow(QListView::LeftToRight);
        FList->setGridSize(QSize());
        FList->setWordWrap(false);
        break;
    default:
        FList->setViewMode(QListView::ListMode);
        FList->setIconSize(QSize(Small, Small));
        FList->setFlow(QListView::TopToBottom);
        FList->setGridSize(QSize());
        FList->setWordWrap(false);
        break;
    }
    FList->setWrapping(true);
    FList->setMovement(QListView::Static);
    FList->setUniformItemSizes(FViewStyle != TViewStyle::vsIcon);
    const bool Follow = FAutoArrange || FViewStyle == TViewStyle::vsList;
    FList->setResizeMode(Follow ? QListView::Adjust : QListView::Fixed);
    FStack->setCurrentWidget(FList);
    setFocusProxy(FList);
}

TSystemToolButtons TSystemListView::EnabledToolButtons() const {
    TSystemToolButtons Enable;
    if (FDirectory.isEmpty())
        return Enable;
    if (!ParentOf(FDirectory).isEmpty())
        Enable |= TSystemToolButton::tbUp;
    Enable |= TSystemToolButton::tbPaste;
    if (FHistory.CanBack())
        Enable |= TSystemToolButton::tbBack;
    if (FHistory.CanForward())
        Enable |= TSystemToolButton::tbForward;
    return Enable;
}

void TSystemListView::RaiseToolButtons(TSystemToolButtons Enable) {
    if (OnToolbuttonChange)
        OnToolbuttonChange(this, Enable);
}

void TSystemListView::Status(const QString &Text) {
    if (OnSetStatusBar)
        OnSetStatusBar(this, 0, Text);
}

void TSystemListView::ReportError(const QString &Text) {
    if (Prompt)
        Prompt(TPromptKind::pkError, Text);
}

// --- Input

void TSystemListView::showEvent(QShowEvent *Event) {
    QWidget::showEvent(Event);
    if (FDirectory.isEmpty() && !FStartEmptyDir && FHistory.Position() < 0)
        ShowFolder(QDir::homePath());
}

bool TSystemListView::eventFilter(QObject *Watched, QEvent *Event) {
    if ((Watched == FTree || Watched == FList) && Event->type() == QEvent::KeyPress &&
        HandleKey(static_cast<QKeyEvent *>(Event)))
        return true;
    if (Watched == FTree->viewport())
        return HandleDrag(FTree, Event) || QWidget::eventFilter(Watched, Event);
    if (Watched == FList->viewport())
        return HandleDrag(FList, Event) || QWidget::eventFilter(Watched, Event);
    return QWidget::eventFilter(Watched, Event);
}

bool TSystemListView::HandleKey(QKeyEvent *Event) {
    const Qt::KeyboardModifiers Mods =
        Event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (Event->key()) {
    case Qt::Key_Backspace:
        if (Mods != Qt::NoModifier)
            return false;
        Up();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Without a selection Enter goes on to the dialog's default button.
        if (Selected() < 0)
            return false;
        DefaultCommand();
        return true;
    case Qt::Key_Delete:
        // Shift deletes for good, after asking unless Ctrl is held too; to the trash goes
        // without asking, as on the desktop.
        DeleteSelected(Mods & Qt::ShiftModifier, !(Mods & Qt::ControlModifier));
        return true;
    case Qt::Key_A:
        if (Mods != Qt::ControlModifier)
            return false;
        SelectAll();
        return true;
    case Qt::Key_F2:
        StartRename(FTree->selectionModel()->currentIndex().row());
        return true;
    case Qt::Key_F5:
        Refresh();
        return true;
    case Qt::Key_C:
    case Qt::Key_X:
    case Qt::Key_V:
        // Spelt out: the platform's Cut sequences include Shift+Delete, deleting for good here.
        if (Mods != Qt::ControlModifier)
            return false;
        if (Event->key() == Qt::Key_C)
            CopyToClipboard();
        else if (Event->key() == Qt::Key_X)
            CutToClipboard();
        else
            PasteFiles(false);
        return true;
    case Qt::Key_Escape:
        // Otherwise Esc goes on to the dialog, which closes.
        if (!FileOperationsBusy())
            return false;
        CancelFileOperations();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
        // Alt with an arrow moves as in the desktop's file managers.
        if (Mods != Qt::AltModifier)
            return false;
        if (Event->key() == Qt::Key_Left)
            Back();
        else if (Event->key() == Qt::Key_Right)
            Forward();
        else
            Up();
        return true;
    default:
        return false;
    }
}
