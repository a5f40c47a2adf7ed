#include "patches/patchboxmodel.h"

#include "core/patchprogram.h"

#include <algorithm>
#include <queue>

TPatchBoxModel::TPatchBoxModel(QObject *Parent) : QAbstractListModel(Parent) {}

void TPatchBoxModel::SetPrograms(std::vector<TPatchProgram *> Programs) {
    beginResetModel();
    FPrograms = std::move(Programs);
    FRows.clear();
    endResetModel();
}

TPatchProgram *TPatchBoxModel::Program(int Row) const {
    if (Row < 1 || Row > int(FPrograms.size()))
        return nullptr;
    return FPrograms[size_t(Row - 1)];
}

int TPatchBoxModel::RowOf(const TPatchProgram *Program) const {
    if (!Program)
        return 0;
    if (FRows.empty() && !FPrograms.empty()) {
        FRows.reserve(FPrograms.size());
        // The first row of a program listed twice, as a search from the top would find it.
        for (size_t i = FPrograms.size(); i-- > 0;)
            FRows[FPrograms[i]] = int(i) + 1;
    }
    const auto found = FRows.find(Program);
    return found == FRows.end() ? 0 : found->second;
}

std::vector<int> TPatchBoxModel::LongestRows(int Count) const {
    // A heap of the longest seen so far, shortest on top: one pass over the names.
    using TEntry = std::pair<qsizetype, int>; // length, row
    std::priority_queue<TEntry, std::vector<TEntry>, std::greater<>> longest;
    longest.emplace(NoneEntry().size(), 0);
    for (size_t i = 0; i < FPrograms.size(); ++i) {
        longest.emplace(FPrograms[i]->Name().size(), int(i) + 1);
        if (int(longest.size()) > Count)
            longest.pop();
    }
    std::vector<int> rows;
    for (; !longest.empty(); longest.pop())
        rows.push_back(longest.top().second);
    return rows;
}

int TPatchBoxModel::rowCount(const QModelIndex &Parent) const {
    return Parent.isValid() ? 0 : int(FPrograms.size()) + 1;
}

QVariant TPatchBoxModel::data(const QModelIndex &Index, int Role) const {
    if (!Index.isValid() || Index.row() < 0 || Index.row() > int(FPrograms.size()))
        return {};
    TPatchProgram *program = Program(Index.row());
    switch (Role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return program ? program->Name() : NoneEntry();
    case Qt::UserRole:
        return program ? QVariant::fromValue(static_cast<void *>(program)) : QVariant();
    default:
        return {};
    }
}
