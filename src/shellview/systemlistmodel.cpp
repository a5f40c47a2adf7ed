#include "shellview/systemlistmodel.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPalette>
#include <QUrl>

#include <algorithm>
#include <numeric>

TSystemListModel::TSystemListModel(QObject *Parent) : QAbstractTableModel(Parent) {
    FNames.setCaseSensitivity(Qt::CaseInsensitive);
}

void TSystemListModel::SetColumns(const QList<TColumnKind> &Columns) {
    if (Columns == FColumns)
        return;
    beginResetModel();
    FColumns = Columns;
    endResetModel();
}

void TSystemListModel::SetItems(QList<TListItemData> Items) {
    // Rows out and in rather than a reset, which would also reset the header's column widths.
    FDropRow = -1;
    if (!FItems.isEmpty()) {
        beginRemoveRows(QModelIndex(), 0, int(FItems.size()) - 1);
        FItems.clear();
        endRemoveRows();
    }
    if (!Items.isEmpty()) {
        beginInsertRows(QModelIndex(), 0, int(Items.size()) - 1);
        FItems = std::move(Items);
        endInsertRows();
    }
}

int TSystemListModel::FindItem(const QString &Name) const {
    for (int Row = 0; Row < FItems.size(); ++Row)
        if (!FItems[Row].IsParent && FItems[Row].Entry.Name == Name)
            return Row;
    return -1;
}

void TSystemListModel::AddItem(TListItemData Item) {
    const int Row = int(FItems.size());
    beginInsertRows(QModelIndex(), Row, Row);
    FItems.append(std::move(Item));
    endInsertRows();
}

void TSystemListModel::RemoveItem(int Row) {
    beginRemoveRows(QModelIndex(), Row, Row);
    FItems.removeAt(Row);
    endRemoveRows();
}

void TSystemListModel::UpdateItem(int Row, TListItemData Item) {
    FItems[Row] = std::move(Item);
    emit dataChanged(index(Row, 0), index(Row, columnCount() - 1));
}

void TSystemListModel::SetCutPaths(const QSet<QString> &Paths) {
    if (Paths == FCutPaths)
        return;
    FCutPaths = Paths;
    if (!FItems.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole});
}

void TSystemListModel::SetDropRow(int Row) {
    if (Row == FDropRow)
        return;
    const int Old = FDropRow;
    FDropRow = Row >= 0 && Row < FItems.size() ? Row : -1;
    for (const int Changed : {Old, FDropRow})
        if (Changed >= 0 && Changed < FItems.size())
            emit dataChanged(index(Changed, 0), index(Changed, columnCount() - 1),
                             {Qt::BackgroundRole});
}

void TSystemListModel::Sort(TColumnKind Kind, bool Reverse) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> Order(FItems.size());
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) {
        const TListItemData &X = FItems[A];
        const TListItemData &Y = FItems[B];
        return CompareEntries(X.Entry, X.IsParent, Y.Entry, Y.IsParent, Kind, Reverse, FNames) < 0;
    });
    QList<TListItemData> Sorted;
    Sorted.reserve(FItems.size());
    std::vector<int> NewRow(FItems.size());
    for (int Row = 0; Row < int(Order.size()); ++Row) {
        NewRow[Order[Row]] = Row;
        Sorted.append(std::move(FItems[Order[Row]]));
    }
    FItems = std::move(Sorted);
    const QModelIndexList Old = persistentIndexList();
    QModelIndexList New;
    New.reserve(Old.size());
    for (const QModelIndex &Index : Old)
        New.append(index(NewRow[Index.row()], Index.column()));
    changePersistentIndexList(Old, New);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TSystemListModel::rowCount(const QModelIndex &Parent) const {
    return Parent.isValid() ? 0 : int(FItems.size());
}

int TSystemListModel::columnCount(const QModelIndex &Parent) const {
    return Parent.isValid() ? 0 : int(FColumns.size());
}

QVariant TSystemListModel::data(const QModelIndex &Index, int Role) const {
    if (!Index.isValid() || Index.row() >= FItems.size() || Index.column() >= FColumns.size())
        return QVariant();
    const TListItemData &Item = FItems[Index.row()];
    const TColumnKind Kind = FColumns[Index.column()];
    switch (Role) {
    case Qt::DisplayRole:
        return CellText(Item.Entry, Item.IsParent, Kind);
    case Qt::EditRole:
        return Item.Entry.Name;
    case Qt::DecorationRole:
        return Index.column() == 0 ? QVariant(IconOf(Item)) : QVariant();
    case Qt::TextAlignmentRole:
        return ColumnInfo(Kind).RightAligned ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                             : QVariant();
    case Qt::BackgroundRole:
        return Index.row() == FDropRow
                   ? QVariant(QGuiApplication::palette().highlight().color().lighter(160))
                   : QVariant();
    case Qt::ForegroundRole:
        return !Item.IsParent && FCutPaths.contains(Item.Path)
                   ? QVariant(QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text))
                   : QVariant();
    case Qt::ToolTipRole:
        return Index.column() == 0 && !Item.IsParent ? QVariant(Item.Path) : QVariant();
    default:
        return QVariant();
    }
}

bool TSystemListModel::setData(const QModelIndex &Index, const QVariant &Value, int Role) {
    if (Role != Qt::EditRole || !Index.isValid() || Index.column() != 0 || !OnRename)
        return false;
    // OnRename updates the item itself on success.
    return OnRename(Index.row(), Value.toString());
}

QVariant TSystemListModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Orientation != Qt::Horizontal || Section < 0 || Section >= FColumns.size())
        return QVariant();
    const TColumnInfo Info = ColumnInfo(FColumns[Section]);
    if (Role == Qt::DisplayRole)
        return Info.Caption;
    if (Role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::Alignment(Info.RightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags TSystemListModel::flags(const QModelIndex &Index) const {
    if (!Index.isValid() || Index.row() >= FItems.size())
        return Qt::NoItemFlags;
    Qt::ItemFlags Flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!FItems[Index.row()].IsParent) {
        Flags |= Qt::ItemIsDragEnabled;
        if (Index.column() == 0)
            Flags |= Qt::ItemIsEditable;
    }
    return Flags;
}

QStringList TSystemListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData *TSystemListModel::mimeData(const QModelIndexList &Indexes) const {
    QStringList Paths;
    for (const QModelIndex &Index : Indexes) {
        if (Index.column() != 0 || Index.row() >= FItems.size() || FItems[Index.row()].IsParent)
            continue;
        Paths.append(FItems[Index.row()].Path);
    }
    return FilesMimeData(Paths, false);
}

Qt::DropActions TSystemListModel::supportedDragActions() const {
    // The target chooses, as file managers do (see ChooseDropAction).
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

QIcon TSystemListModel::IconOf(const TListItemData &Item) const {
    const QString Key = Item.IsFolder() ? QString() : Item.Entry.MimeName;
    auto It = FIconCache.constFind(Key);
    if (It != FIconCache.constEnd())
        return *It;
    QIcon Icon;
    if (Item.IsFolder()) {
        Icon = FIcons.icon(QAbstractFileIconProvider::Folder);
    } else {
        const QMimeType Type = QMimeDatabase().mimeTypeForName(Key);
        const QIcon Plain = FIcons.icon(QAbstractFileIconProvider::File);
        Icon = Type.isValid() ? QIcon::fromTheme(Type.iconName(),
                                                 QIcon::fromTheme(Type.genericIconName(), Plain))
                              : Plain;
    }
    FIconCache.insert(Key, Icon);
    return Icon;
}
