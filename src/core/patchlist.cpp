#include "core/patchlist.h"

#include "core/patchscriptparser.h"
#include "core/regularfile.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace {

QString UnknownCommand() {
    return QCoreApplication::translate("TPatchList", "Unknown command \"%s\" is ignored.");
}
QString SubGroupMissing() {
    return QCoreApplication::translate("TPatchList", "Sub group does not exist. Lower the level.");
}
QString SyntaxError() {
    return QCoreApplication::translate("TPatchList", "Syntax error.");
}

// Slots 1..10 of the level table: slot 1 the mode, slot n + 1 the group of the last "gn".
constexpr int LevelSlots = 11;

struct THeaderOption {
    std::string_view Word;
    bool TPatchList::*Field;
    bool Value;
    bool Implemented;
};

} // namespace

TPatchList::TPatchList(QString FileName) : FFileName(std::move(FileName)) {}

TPatchList::~TPatchList() = default;

std::unique_ptr<TPatchList> TPatchList::Load(const QString &FileName, QStringList *Log,
                                             TPatchLoadControl *Control) {
    return Parse(TPatchScriptParser::ReadScriptFile(FileName), Log, FileName, false, Control);
}

std::unique_ptr<TPatchList> TPatchList::LoadHeader(const QString &FileName) {
    bool Truncated = false;
    const QByteArray Head = TPatchScriptParser::ReadScriptFile(FileName, true, &Truncated);
    try {
        return Parse(Head, nullptr, FileName, true);
    } catch (const TPatchScriptParseException &) {
        throw;
    } catch (const EPatchScriptError &) {
        if (!Truncated)
            throw;
        // The patch names begin further on than a header ever reaches.
        throw EPatchScriptError(
            QCoreApplication::translate("TPatchList",
                                        "No \"define patchnames\" section in the first %1.")
                .arg(FileSizeText(TPatchScriptParser::HeadSize)));
    }
}

std::unique_ptr<TPatchList> TPatchList::LoadText(const QByteArray &Text, QStringList *Log,
                                                 const QString &FileName,
                                                 TPatchLoadControl *Control) {
    return Parse(Text, Log, FileName, false, Control);
}

std::unique_ptr<TPatchList> TPatchList::LoadHeaderText(const QByteArray &Text,
                                                       const QString &FileName) {
    return Parse(Text, nullptr, FileName, true);
}

std::unique_ptr<TPatchList> TPatchList::Parse(const QByteArray &Text, QStringList *Log,
                                              const QString &FileName, bool HeaderOnly,
                                              TPatchLoadControl *Control) {
    TPatchScriptParser::CheckScriptStart(Text);
    auto List = std::make_unique<TPatchList>(FileName);
    TPatchScriptParser Parser(Text, Log, Control);
    try {
        List->ReadHeader(Parser);
        if (!HeaderOnly) {
            List->ReadPatchNames(Parser);
            for (const auto &Mode : List->FModes)
                Mode->SortTree();
        }
    } catch (const EPatchLoadCancelled &) {
        throw;
    } catch (...) {
        // The count of the warnings left out comes before the error the caller adds.
        Parser.FinishLog();
        throw;
    }
    Parser.FinishLog();
    return List;
}

TPatchModeGroup *TPatchList::Mode(int Index) const {
    if (Index < 0 || static_cast<size_t>(Index) >= FModes.size())
        throw EPatchAssertion(QStringLiteral("Index out of bounds"));
    return FModes[static_cast<size_t>(Index)].get();
}

TPatchModeGroup *TPatchList::AddMode(std::unique_ptr<TPatchModeGroup> Group) {
    if (!Group || !Group->IsMode() || Group->PatchList() != this)
        throw EPatchAssertion(QStringLiteral("Assertion failure"));
    FModes.push_back(std::move(Group));
    return FModes.back().get();
}

namespace {

// Every group of the given name is tried in turn: scripts often repeat a group line to add
// programs to a group, and a program of the second group must be found again as well.
TPatchProgram *FindBelow(const TPatchModeGroup &Group, QStringView Path) {
    const qsizetype Cut = Path.indexOf(QLatin1Char('\\'));
    const QStringView Part = Cut < 0 ? Path : Path.left(Cut);
    if (Part.isEmpty())
        return nullptr;
    if (Cut < 0)
        return Group.FindProgram(Part);
    for (int I = 0; I < Group.GroupCount(); ++I) {
        const TPatchModeGroup &Sub = *Group.GroupAt(I);
        if (QStringView(Sub.Name()).compare(Part, Qt::CaseInsensitive) != 0)
            continue;
        if (TPatchProgram *Found = FindBelow(Sub, Path.mid(Cut + 1)))
            return Found;
    }
    return nullptr;
}

} // namespace

TPatchProgram *TPatchList::FindByPath(QStringView Path) const {
    const qsizetype Cut = Path.indexOf(QLatin1Char('\\'));
    if (Cut <= 0)
        return nullptr;
    const QStringView First = Path.left(Cut);
    for (const auto &Mode : FModes) {
        if (QStringView(Mode->Name()).compare(First, Qt::CaseInsensitive) != 0)
            continue;
        if (TPatchProgram *Found = FindBelow(*Mode, Path.mid(Cut + 1)))
            return Found;
    }
    return nullptr;
}

void TPatchList::ReadHeader(TPatchScriptParser &Parser) {
    if (!Parser.NextCommand())
        Parser.Error(QCoreApplication::translate("TPatchList", "Empty patch script file."));
    if (!Parser.CommandStartsWith("cubase parse file"))
        Parser.Error(
            QCoreApplication::translate("TPatchList", "Script is not a Cubase Parse File."));
    if (!Parser.NextCommand())
        Parser.Error(
            QCoreApplication::translate("TPatchList", "Premature end of Cubase Parse File."));
    if (!Parser.TakeWord("parser version"))
        Parser.Error(QCoreApplication::translate("TPatchList", "Version Number not found."));
    if (Parser.TakeNumber(false) != 1)
        Parser.Error(QCoreApplication::translate("TPatchList", "Wrong version number."));

    const std::array<std::pair<std::string_view, QString *>, 6> Values{{
        {"creators first name", &FCreatorFirstName},
        {"creators last name", &FCreatorLastName},
        {"device manufacturer", &FDeviceManufacturer},
        {"device name", &FDeviceName},
        {"script name", &FScriptName},
        {"script version", &FScriptVersion},
    }};
    static constexpr std::array<THeaderOption, 8> Options{{
        {"bank: do swap value bytes", &TPatchList::FSwapBytes, true, true},
        {"bank: don't swap value bytes", &TPatchList::FSwapBytes, false, true},
        {"bank: do send msb first", &TPatchList::FMsbFirst, true, true},
        {"bank: don't send msb first", &TPatchList::FMsbFirst, false, true},
        {"bank: do send only one byte", &TPatchList::FOneByteBank, true, false},
        {"bank: don't send only one byte", &TPatchList::FOneByteBank, false, false},
        {"bank: do send as program change", &TPatchList::FBankAsProgramChange, true, false},
        {"bank: don't send as program change", &TPatchList::FBankAsProgramChange, false, false},
    }};

    for (;;) {
        if (!Parser.NextCommand())
            throw EPatchScriptError(
                QCoreApplication::translate("TPatchList", "No \"define patchnames\" section !"));
        if (Parser.CommandStartsWith("define patchnames"))
            return;
        bool Known = false;
        for (const auto &[Word, Field] : Values) {
            if (Parser.CommandStartsWith(Word)) {
                *Field = Parser.Rest();
                Known = true;
                break;
            }
        }
        for (size_t I = 0; !Known && I < Options.size(); ++I) {
            const THeaderOption &Option = Options[I];
            if (Parser.CommandStartsWith(Option.Word)) {
                this->*Option.Field = Option.Value;
                if (!Option.Implemented)
                    Parser.WarningFormat(
                        QCoreApplication::translate(
                            "TPatchList", "Function [%s] is not implemented and ignored."),
                        TPatchScriptParser::Latin1(Option.Word));
                Known = true;
            }
        }
        if (!Known)
            Parser.WarningFormat(UnknownCommand(), Parser.Command());
    }
}

void TPatchList::ReadPatchNames(TPatchScriptParser &Parser) {
    // Slot 0 of the level table, the target of key names, is kept apart as Current.
    std::array<TPatchModeGroup *, LevelSlots> Levels{};
    TPatchProgram *Current = nullptr;
    TPatchModeGroup *LastGroup = nullptr; // target of "sorted"

    while (Parser.NextCommand()) {
        if (Parser.RestText().empty() && !Parser.CommandStartsWith("sorted"))
            Parser.Error(QCoreApplication::translate("TPatchList", "Name is missing."));
        if (Parser.CommandText().size() < 2) {
            Parser.WarningFormat(UnknownCommand(), Parser.Command());
            continue;
        }
        int Level = 0;
        if (Parser.TakeLevel('p', Level)) {
            if (!Levels[Level])
                Parser.Error(SubGroupMissing());
            Current = ReadProgram(Parser, *Levels[Level]);
        } else if (Parser.TakeWord("k")) {
            const int Key = Parser.TakeNumber(true);
            if (Key < 0 || Key >= TPatchProgram::KeyCount)
                Parser.Error(QStringLiteral("Key out of bounds (0..127)"));
            if (!Current)
                Parser.Error(
                    QCoreApplication::translate("TPatchList", "No program defined for key."));
            Current->SetKeyName(Key, Parser.Rest());
        } else if (Parser.TakeWord("mode")) {
            Levels.fill(nullptr);
            Current = nullptr;
            LastGroup = nullptr;
            TPatchModeGroup *Mode =
                AddMode(std::make_unique<TPatchModeGroup>(*this, nullptr, Parser.Rest()));
            Levels[1] = Mode;
            // "[mode 10] Drums": channels 1..16 as the user counts them, 0 for none. Other text
            // after the word is left for the warning below.
            const std::string_view After = Parser.CommandText();
            if (!After.empty() && (After[0] == '-' || (After[0] >= '0' && After[0] <= '9'))) {
                const int Channel = Parser.TakeNumber(true);
                if (Channel < 0 || Channel > 16)
                    Parser.Error(QStringLiteral("Midi channel out of bounds."));
                Mode->SetChannel(Channel - 1);
            }
        } else if (Parser.TakeLevel('g', Level)) {
            if (!Levels[Level]) {
                if (Level != 1)
                    Parser.Error(SubGroupMissing());
                // Groups without a mode line go into a mode named after the device.
                Levels[1] = AddMode(std::make_unique<TPatchModeGroup>(*this, nullptr, FDeviceName));
            }
            TPatchModeGroup &Parent = *Levels[Level];
            LastGroup =
                Parent.AddGroup(std::make_unique<TPatchModeGroup>(*this, &Parent, Parser.Rest()));
            Levels[Level + 1] = LastGroup;
            Current = nullptr;
        } else if (Parser.TakeWord("sorted")) {
            if (LastGroup)
                LastGroup->SetSorted(true);
            else
                Parser.Warning(QCoreApplication::translate(
                    "TPatchList", "No group defined for sorted property. Ignored."));
        } else {
            Parser.WarningFormat(UnknownCommand(), Parser.Command());
            Parser.ClearCommand();
        }
        if (!Parser.CommandText().empty())
            Parser.WarningFormat(
                QCoreApplication::translate("TPatchList", "Ignoring remaining \"%s\" in command."),
                Parser.Command());
    }
}

TPatchProgram *TPatchList::ReadProgram(TPatchScriptParser &Parser, TPatchModeGroup &Group) {
    if (!Parser.TakeWord(","))
        Parser.Error(SyntaxError());
    const int Program = Parser.TakeNumber(true);
    if (Program < 0 || Program > 127)
        Parser.Error(QStringLiteral("Program number out of bounds (0..127)"));
    if (!Parser.TakeWord(","))
        Parser.Error(SyntaxError());
    const int First = Parser.TakeNumber(true);
    int BankMSB = -1;
    int BankLSB = -1;
    if (Parser.TakeWord(",")) {
        const int Second = Parser.TakeNumber(true);
        const QString MsbRange =
            QCoreApplication::translate("TPatchList", "MSB out of bounds (-1..127)");
        const QString LsbRange =
            QCoreApplication::translate("TPatchList", "LSB out of bounds (-1..127)");
        if (First < -1 || First > 127)
            Parser.Error(FSwapBytes ? LsbRange : MsbRange);
        if (Second < -1 || Second > 127)
            Parser.Error(FSwapBytes ? MsbRange : LsbRange);
        BankMSB = FSwapBytes ? Second : First;
        BankLSB = FSwapBytes ? First : Second;
    } else {
        if (First < -1 || First > 16383)
            Parser.Error(QStringLiteral("Bank number out of bounds (0..16383)"));
        if (First >= 0) {
            BankMSB = First / 128;
            BankLSB = First % 128;
        }
    }
    return Group.AddProgram(
        std::make_unique<TPatchProgram>(Group, Parser.Rest(), Program, BankMSB, BankLSB));
}
