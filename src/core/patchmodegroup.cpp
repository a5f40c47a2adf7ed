#include "core/patchmodegroup.h"

#include "core/patcherrors.h"

#include <algorithm>

namespace {

constexpr char16_t AsciiLower(char16_t C) {
    return C >= u'A' && C <= u'Z' ? static_cast<char16_t>(C + 32) : C;
}

// Only ASCII letters are folded, as strcasecmp does in the C locale: names sort the same way
// whatever the user's locale.
bool NameLess(const QString &A, const QString &B) {
    const qsizetype Common = std::min(A.size(), B.size());
    for (qsizetype I = 0; I < Common; ++I) {
        const char16_t X = AsciiLower(A[I].unicode());
        const char16_t Y = AsciiLower(B[I].unicode());
        if (X != Y)
            return X < Y;
    }
    return A.size() < B.size();
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
        const auto ByName = [](const auto &A, const auto &B) {
            return NameLess(A->Name(), B->Name());
        };
        std::stable_sort(FGroups.begin(), FGroups.end(), ByName);
        std::stable_sort(FPrograms.begin(), FPrograms.end(), ByName);
    }
    for (const auto &Group : FGroups)
        Group->SortTree();
}
