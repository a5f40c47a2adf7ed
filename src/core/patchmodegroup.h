#pragma once

// A mode (a top-level group of a patch set) or a group inside one. Each group owns its programs
// and sub-groups; the back references to the parent and the patch set are plain pointers.

#include "core/patchprogram.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class TPatchList;

class TPatchModeGroup {
public:
    // Parent is null for a mode. The group is added to its parent (AddGroup) or, as a mode, to
    // the patch set (TPatchList::AddMode) by the caller.
    TPatchModeGroup(TPatchList &PatchList, TPatchModeGroup *Parent, QString Name);
    ~TPatchModeGroup();
    TPatchModeGroup(const TPatchModeGroup &) = delete;
    TPatchModeGroup &operator=(const TPatchModeGroup &) = delete;

    TPatchModeGroup *Parent() const { return FParent; }
    TPatchList *PatchList() const { return FPatchList; }
    const QString &Name() const { return FName; }
    bool IsMode() const { return FParent == nullptr; }

    // Set by the script's "sorted" command; SortTree then orders this group's entries by name.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value) { FSorted = Value; }

    // MIDI channel 0..15 given on a mode line, or -1. Kept for the user to see, not used to send.
    int Channel() const { return FChannel; }
    void SetChannel(int Value) { FChannel = Value; }

    int ProgramCount() const { return static_cast<int>(FPrograms.size()); }
    int GroupCount() const { return static_cast<int>(FGroups.size()); }
    // An index outside the list raises EPatchAssertion "Index out of bounds".
    TPatchProgram *ProgramAt(int Index) const;
    TPatchModeGroup *GroupAt(int Index) const;

    // Takes ownership and appends. A program or group made for another group raises
    // EPatchAssertion "Assertion failure".
    TPatchProgram *AddProgram(std::unique_ptr<TPatchProgram> Program);
    TPatchModeGroup *AddGroup(std::unique_ptr<TPatchModeGroup> Group);

    // The first program / sub-group with this name, ignoring case, or null.
    TPatchProgram *FindProgram(QStringView Name) const;
    TPatchModeGroup *FindGroup(QStringView Name) const;

    // Orders the entries of sorted groups by name (ASCII letters without case), this group and
    // every group below it; unsorted groups keep script order.
    void SortTree();

private:
    TPatchList *FPatchList;
    TPatchModeGroup *FParent;
    QString FName;
    bool FSorted = false;
    int FChannel = -1;
    std::vector<std::unique_ptr<TPatchProgram>> FPrograms;
    std::vector<std::unique_ptr<TPatchModeGroup>> FGroups;
};
