#pragma once

// What must hold for any bytes fed to the patch script reader: the load succeeds or fails with a
// script error, a failure with a line is in the log, and a loaded set holds together (back
// references, value ranges, every findable path found again). Shared by the fuzzer and the
// regression tests; returns an empty text when all is well, else what broke.

#include "core/patchlist.h"
#include "core/patchscriptparser.h"

#include <QString>

namespace PatchCheck {

// A path can be found again unless a name on it is empty or holds a backslash.
inline bool Findable(const TPatchProgram &Program) {
    if (Program.Name().isEmpty() || Program.Name().contains(QLatin1Char('\\')))
        return false;
    for (const TPatchModeGroup *Group = Program.Group(); Group; Group = Group->Parent()) {
        if (Group->Name().isEmpty() || Group->Name().contains(QLatin1Char('\\')))
            return false;
    }
    return true;
}

inline QString CheckGroup(const TPatchList &List, const TPatchModeGroup &Group, int Depth) {
    if (Depth > 10)
        return QStringLiteral("groups nested deeper than the level table");
    if (Group.PatchList() != &List)
        return QStringLiteral("group of another patch set");
    for (int I = 0; I < Group.ProgramCount(); ++I) {
        const TPatchProgram &Program = *Group.ProgramAt(I);
        if (Program.Group() != &Group)
            return QStringLiteral("program's group is not its holder");
        if (Program.Program() < 0 || Program.Program() > 127 || Program.BankMSB() < -1 ||
            Program.BankMSB() > 127 || Program.BankLSB() < -1 || Program.BankLSB() > 127)
            return QStringLiteral("program or bank out of range: ") + Program.Path();
        if (!Program.Mode()->IsMode())
            return QStringLiteral("Mode is not a mode");
        if (Program.KeyNames() && Program.KeyNames()->size() != TPatchProgram::KeyCount)
            return QStringLiteral("key name count");
        if (Findable(Program)) {
            const TPatchProgram *Found = List.FindByPath(Program.Path());
            if (!Found)
                return QStringLiteral("path not found again: ") + Program.Path();
            if (Found->Path().compare(Program.Path(), Qt::CaseInsensitive) != 0)
                return QStringLiteral("path found another program: ") + Program.Path();
        }
    }
    for (int I = 0; I < Group.GroupCount(); ++I) {
        if (Group.GroupAt(I)->Parent() != &Group)
            return QStringLiteral("sub-group's parent");
        const QString Broken = CheckGroup(List, *Group.GroupAt(I), Depth + 1);
        if (!Broken.isEmpty())
            return Broken;
    }
    return {};
}

inline QString CheckScript(const QByteArray &Text) {
    QStringList Log;
    QString Broken;
    try {
        const auto List = TPatchList::LoadText(Text, &Log);
        for (int I = 0; I < List->ModeCount() && Broken.isEmpty(); ++I) {
            if (!List->Mode(I)->IsMode())
                return QStringLiteral("mode with a parent");
            Broken = CheckGroup(*List, *List->Mode(I), 0);
        }
    } catch (const TPatchScriptParseException &E) {
        if (Log.isEmpty() || Log.last() != E.Message())
            return QStringLiteral("error line missing from the log");
    } catch (const EPatchScriptError &) {
    }
    if (!Broken.isEmpty())
        return Broken;
    // Every line names its line of the script, but the count of the warnings left out, which
    // comes once, after the most the log keeps, and before an error.
    qsizetype Warnings = 0;
    for (qsizetype I = 0; I < Log.size(); ++I) {
        const QString &Line = Log[I];
        if (Line.startsWith(QLatin1String("and ")) && Line.endsWith(QLatin1String(" more"))) {
            if (Warnings != TPatchScriptParser::MaxLogLines ||
                (I + 1 < Log.size() && !Log[I + 1].contains(QLatin1String(": Error: "))) ||
                I + 2 < Log.size())
                return QStringLiteral("the count of the warnings left out out of place");
            continue;
        }
        if (!Line.startsWith(QLatin1String("Line ")))
            return QStringLiteral("log line without a line number: ") + Line;
        if (Line.contains(QLatin1String(": Warning: ")) &&
            ++Warnings > TPatchScriptParser::MaxLogLines)
            return QStringLiteral("more warnings than the log keeps");
    }
    try {
        if (TPatchList::LoadHeaderText(Text)->ModeCount() != 0)
            return QStringLiteral("the preview read modes");
    } catch (const EPatchScriptError &) {
    }
    return {};
}

} // namespace PatchCheck
