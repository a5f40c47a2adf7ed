#pragma once

// What the patch box lists: "(none)" first, then the programs of one mode in the order the box
// shows them. A model rather than items, so that a mode of half a million programs is listed at
// once and found again without a search. The programs belong to the patch set, which outlives
// the listing (SetPrograms({}) before it goes). UI thread only.

#include <QAbstractListModel>

#include <unordered_map>
#include <vector>

class TPatchProgram;

class TPatchBoxModel : public QAbstractListModel {
    Q_OBJECT
public:
    static QString NoneEntry() { return tr("(none)"); }

    explicit TPatchBoxModel(QObject *Parent = nullptr);

    void SetPrograms(std::vector<TPatchProgram *> Programs);
    // The program of a row; null for "(none)" and rows outside the list.
    TPatchProgram *Program(int Row) const;
    // The row of a listed program; 0 ("(none)") for one that is not listed.
    int RowOf(const TPatchProgram *Program) const;
    // Rows of the longest names (at most Count), for a width that fits them all without
    // measuring every name.
    std::vector<int> LongestRows(int Count) const;

    int rowCount(const QModelIndex &Parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &Index, int Role = Qt::DisplayRole) const override;

private:
    std::vector<TPatchProgram *> FPrograms;
    mutable std::unordered_map<const TPatchProgram *, int> FRows; // filled on the first lookup
};
