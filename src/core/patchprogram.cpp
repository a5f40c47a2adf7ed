#include "core/patchprogram.h"

#include "core/patcherrors.h"
#include "core/patchmodegroup.h"

#include <QStringList>

TPatchProgram::TPatchProgram(TPatchModeGroup &Group, QString Name, int Program, int BankMSB,
                             int BankLSB)
    : FGroup(&Group), FName(std::move(Name)), FProgram(Program), FBankMSB(BankMSB),
      FBankLSB(BankLSB) {}

void TPatchProgram::SetKeyName(int Key, const QString &Name) {
    if (Key < 0 || Key >= KeyCount)
        throw EPatchAssertion(QStringLiteral("Assertion failure"));
    if (!FKeyNames)
        FKeyNames.emplace(KeyCount, QString());
    (*FKeyNames)[Key] = Name;
}

TPatchModeGroup *TPatchProgram::Mode() const {
    TPatchModeGroup *Group = FGroup;
    while (Group->Parent())
        Group = Group->Parent();
    return Group;
}

QString TPatchProgram::Path() const {
    QString Result = FName;
    for (const TPatchModeGroup *Group = FGroup; Group; Group = Group->Parent())
        Result.prepend(Group->Name() + QLatin1Char('\\'));
    return Result;
}
