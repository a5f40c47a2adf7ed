#include "core/patchmodegroup.h"

#include "core/patcherrors.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {

// Names in the order of the user's language, letter case aside: "Église Principal" comes
// with the E's, not after "Rock Drawbars". Without a language (the C locale) the order is
// Unicode's own, which serves most languages written in Latin letters.
QCollator NameCollator() {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

template <typename T> T *CheckedAt(const std::vector<std::unique_ptr<T>> &List, int Index) {
    if (Index < 0 || static_cast<size_t>(Index) >= List.size())
        throw EPatchAssertion(QStringLiteral("Index out of bounds"));
    return List[static_cast<size_t>(Index)].get();
}

template <typename T> T *FindByName(const std::vector<std::unique_ptr<T>> &List, QStringView Name) {
    for (const auto &Entry : List) {
        if (QStringView(Entry->Name()).compare(Name, Qt::CaseInsensitive) == 0)
            return Entry.get();
    }
    return nullptr;
}

} // namespace

TPatchModeGroup::TPatchModeGroup(TPatchList &PatchList, TPatchModeGroup *Parent, QString Name)
    : FPatchList(&PatchList), FParent(Parent), FName(std::move(Name)) {}

TPatchModeGroup::~TPatchModeGroup() = default;

TPatchProgram *TPatchModeGroup::ProgramAt(int Index) const {
    return CheckedAt(FPrograms, Index);
}

TPatchModeGroup *TPatchModeGroup::GroupAt(int Index) const {
    return CheckedAt(FGroups, Index);
}

TPatchProgram *TPatchModeGroup::AddProgram(std::unique_ptr<TPatchProgram> Program) {
    if (!Program || Program->Group() != this)
        throw EPatchAssertion(QStringLiteral("Assertion failure"));
    FPrograms.push_back(std::move(Program));
    return FPrograms.back().get();
}

TPatchModeGroup *TPatchModeGroup::AddGroup(std::unique_ptr<TPatchModeGroup> Group) {
    if (!Group || Group->Parent() != this || Group->PatchList() != FPatchList)
        throw EPatchAssertion(QStringLiteral("Assertion failure"));
    FGroups.push_back(std::move(Group));
    return FGroups.back().get();
}

TPatchProgram *TPatchModeGroup::FindProgram(QStringView Name) const {
    return FindByName(FPrograms, Name);
}

TPatchModeGroup *TPatchModeGroup::FindGroup(QStringView Name) const {
    return FindByName(FGroups, Name);
}

void TPatchModeGroup::SortTree() {
    if (FSorted) {
        const QCollator collator = NameCollator();
        const auto ByName = [&collator](const auto &A, const auto &B) {
            return collator.compare(A->Name(), B->Name()) < 0;
        };
        std::stable_sort(FGroups.begin(), FGroups.end(), ByName);
        std::stable_sort(FPrograms.begin(), FPrograms.end(), ByName);
    }
    for (const auto &Group : FGroups)
        Group->SortTree();
}
