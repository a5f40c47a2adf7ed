#pragma once

// The items of TSystemListView as a table for Qt's item views: one row per entry of the shown
// folder (the parent entry ".." included), one column per kind of the column set in use. Both
// of the view's item views (the report and the icon/list one) show this one model through one
// selection model. UI thread only.

#include "shellview/systemviewsshared.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QSet>

#include <functional>

// One item of the list.
struct TListItemData {
    TFileEntry Entry;
    QString Path;          // full path
    bool IsParent = false; // the ".." entry

    bool IsFolder() const { return IsParent || Entry.IsDir; }
    bool IsFile() const { return !IsFolder(); }
};

class TSystemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TSystemListModel(QObject *Parent = nullptr);

    // Renames the item of a row to a new name; false leaves the old name (set by the view).
    std::function<bool(int Row, const QString &NewName)> OnRename;

    const QList<TColumnKind> &Columns() const { return FColumns; }
    void SetColumns(const QList<TColumnKind> &Columns);
    int ColumnOf(TColumnKind Kind) const { return int(FColumns.indexOf(Kind)); }

    const QList<TListItemData> &Items() const { return FItems; }
    const TListItemData &Item(int Row) const { return FItems[Row]; }
    void SetItems(QList<TListItemData> Items);
    int FindItem(const QString &Name) const;
    void AddItem(TListItemData Item);
    void RemoveItem(int Row);
    void UpdateItem(int Row, TListItemData Item);

    // Items cut to the clipboard (full paths), drawn dimmed until they are pasted.
    void SetCutPaths(const QSet<QString> &Paths);

    // The folder row a drop would go into, drawn highlighted; -1 for none.
    void SetDropRow(int Row);

    // Orders the rows by the rules of CompareEntries; selection and current item follow.
    void Sort(TColumnKind Kind, bool Reverse);

    int rowCount(const QModelIndex &Parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &Parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &Index, int Role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role = Qt::EditRole) override;
    QVariant headerData(int Section, Qt::Orientation Orientation,
                        int Role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &Indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    QIcon IconOf(const TListItemData &Item) const;

    QList<TColumnKind> FColumns;
    QList<TListItemData> FItems;
    int FDropRow = -1;
    QSet<QString> FCutPaths;
    QCollator FNames;
    QFileIconProvider FIcons;
    mutable QHash<QString, QIcon> FIconCache; // by MIME type; "" for folders
};
