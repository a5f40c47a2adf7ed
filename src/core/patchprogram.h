#pragma once

// One named program of a patch set: program number, bank select and, for drum kits, names of
// single keys. Owned by its group.

#include <QString>
#include <QStringList>

#include <optional>

class TPatchModeGroup;

class TPatchProgram {
public:
    static constexpr int KeyCount = 128;

    // Group is the group that will hold the program (TPatchModeGroup::AddProgram).
    TPatchProgram(TPatchModeGroup &Group, QString Name, int Program, int BankMSB, int BankLSB);
    TPatchProgram(const TPatchProgram &) = delete;
    TPatchProgram &operator=(const TPatchProgram &) = delete;

    TPatchModeGroup *Group() const { return FGroup; }
    const QString &Name() const { return FName; }
    // 0..127.
    int Program() const { return FProgram; }
    // 0..127, or -1 for no bank select byte.
    int BankMSB() const { return FBankMSB; }
    int BankLSB() const { return FBankLSB; }

    // The 128 key names, or null when the script named no key of this program.
    const QStringList *KeyNames() const { return FKeyNames ? &*FKeyNames : nullptr; }
    // Key outside 0..127 raises EPatchAssertion "Assertion failure".
    void SetKeyName(int Key, const QString &Name);

    // The mode (top-level group) that holds the program.
    TPatchModeGroup *Mode() const;
    // "mode\group\…\program": what the main window stores to find the program again.
    QString Path() const;

private:
    TPatchModeGroup *FGroup;
    std::optional<QStringList> FKeyNames;
    QString FName;
    int FProgram;
    int FBankMSB;
    int FBankLSB;
};
