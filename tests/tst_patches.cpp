#include "core/patchlist.h"
#include "core/patchscriptparser.h"
#include "fuzz/patchcheck.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QByteArray Lines(std::initializer_list<const char *> List) {
    QByteArray Result;
    for (const char *Line : List)
        Result += QByteArray(Line) + '\n';
    return Result;
}

// Four lines; a body line i is script line 4 + i.
const QByteArray Header = Lines({"[cubase parse file]", "[parser version 0001]",
                                 "[device name] Synth 1", "[define patchnames]"});

struct TOutcome {
    std::unique_ptr<TPatchList> List;
    QString Error;          // empty after a successful load
    bool LineError = false; // the error was a TPatchScriptParseException
    bool InLog = false;     // the error text is the last log line
    QStringList Log;
};

TOutcome LoadScript(const QByteArray &Text, bool HeaderOnly = false) {
    TOutcome Result;
    try {
        Result.List =
            HeaderOnly ? TPatchList::LoadHeaderText(Text) : TPatchList::LoadText(Text, &Result.Log);
    } catch (const TPatchScriptParseException &E) {
        Result.Error = E.Message();
        Result.LineError = true;
    } catch (const EPatchScriptError &E) {
        Result.Error = E.Message();
    }
    if (!Result.Error.isEmpty() && !Result.Log.isEmpty() && Result.Log.last() == Result.Error) {
        Result.InLog = true;
        Result.Log.removeLast();
    }
    return Result;
}

void DumpGroup(const TPatchModeGroup &Group, int Depth, QStringList &Out) {
    const QString Indent(Depth * 2, QLatin1Char(' '));
    for (int I = 0; I < Group.ProgramCount(); ++I) {
        const TPatchProgram &P = *Group.ProgramAt(I);
        QString Line =
            Indent + P.Name() +
            QStringLiteral(" [%1 %2 %3]").arg(P.Program()).arg(P.BankMSB()).arg(P.BankLSB());
        if (const QStringList *Keys = P.KeyNames()) {
            for (int K = 0; K < Keys->size(); ++K) {
                if (!Keys->at(K).isEmpty())
                    Line += QStringLiteral(" %1=").arg(K) + Keys->at(K);
            }
        }
        Out << Line;
    }
    for (int I = 0; I < Group.GroupCount(); ++I) {
        const TPatchModeGroup &Sub = *Group.GroupAt(I);
        Out << Indent + QStringLiteral("+ ") + Sub.Name() +
                   (Sub.Sorted() ? QStringLiteral(" (sorted)") : QString());
        DumpGroup(Sub, Depth + 1, Out);
    }
}

// The tree as text: modes, then per group its programs ("name [program msb lsb]") and its
// sub-groups ("+ name").
QStringList Dump(const TPatchList &List) {
    QStringList Out;
    for (int I = 0; I < List.ModeCount(); ++I) {
        const TPatchModeGroup &Mode = *List.Mode(I);
        Out << QStringLiteral("mode ") + Mode.Name() + QStringLiteral(" ch %1").arg(Mode.Channel());
        DumpGroup(Mode, 1, Out);
    }
    return Out;
}

QString SourcePath(const QString &Relative) {
    return qEnvironmentVariable("ONDREL_SOURCE_DIR", QStringLiteral(".")) + QLatin1Char('/') +
           Relative;
}

QByteArray ReadFile(const QString &Path) {
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return {};
    return File.readAll();
}

bool WriteFile(const QString &Path, const QByteArray &Data) {
    QFile File(Path);
    return File.open(QIODevice::WriteOnly) && File.write(Data) == Data.size();
}

// A parser positioned on the first command of "[Command] x".
struct TCommandParser {
    explicit TCommandParser(const QByteArray &Command)
        : Parser(QByteArray("[") + Command + "] x\n", &Log) {
        Ok = Parser.NextCommand();
    }
    QStringList Log;
    TPatchScriptParser Parser;
    bool Ok;
};

} // namespace

class TestPatches : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nextCommand_data();
    void nextCommand();
    void warningsNeedALog();
    void takeNumber_data();
    void takeNumber();
    void takeLevel_data();
    void takeLevel();
    void longCommandsAreCutInWarnings();
    void fileCheck_data();
    void fileCheck();
    void header_data();
    void header();
    void headerValues();
    void headerOptions_data();
    void headerOptions();
    void loadHeaderSkipsABrokenPatchSection();
    void bankForms_data();
    void bankForms();
    void patchNames_data();
    void patchNames();
    void latin1NamesDecode();
    void encodingsFoundInTheWild_data();
    void encodingsFoundInTheWild();
    void findByPath_data();
    void findByPath();
    void backslashInNameIsNotFoundAgain();
    void sortedGroups();
    void keyNames();
    void modeAndPathOfNestedProgram();
    void assertions_data();
    void assertions();
    void addChecksOwnership();
    void loadFromFile();
    void fileErrors();
    void fifoIsRefusedWithoutBlocking();
    void fileCheckReadsOnlyTheStart();
    void hundredThousandPrograms();
    void hugeScriptIsRefusedButPreviewed();
    void warningsAreCappedWithACount_data();
    void warningsAreCappedWithACount();
    void loadStopsWhenCancelled();
    void shippedScriptsLoadCleanly_data();
    void shippedScriptsLoadCleanly();
    void workstationGolden();
    void hostileInputs_data();
    void hostileInputs();
    void mutatedScriptsNeverEscape();
    void fuzzRegressions();
};

// --- Tokenizer -----------------------------------------------------------------------------------

void TestPatches::nextCommand_data() {
    QTest::addColumn<QByteArray>("text");
    // Each command as "line|command|rest".
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("log");

    const QString NoEnd = QStringLiteral("Line %1: Warning: [end] command not found.");
    QTest::newRow("LF") << QByteArray("[a] 1\n[b] 2\n") << QStringList{"1|a|1", "2|b|2"}
                        << QStringList{NoEnd.arg(3)};
    QTest::newRow("CR") << QByteArray("[a] 1\r[b] 2\r") << QStringList{"1|a|1", "2|b|2"}
                        << QStringList{NoEnd.arg(3)};
    QTest::newRow("CR LF is one line end")
        << QByteArray("[a] 1\r\n[b] 2\r\n") << QStringList{"1|a|1", "2|b|2"}
        << QStringList{NoEnd.arg(3)};
    QTest::newRow("LF CR is two") << QByteArray("[a] 1\n\r[b] 2") << QStringList{"1|a|1", "3|b|2"}
                                  << QStringList{NoEnd.arg(4)};
    QTest::newRow("no line end at the end")
        << QByteArray("[a] 1") << QStringList{"1|a|1"} << QStringList{NoEnd.arg(2)};
    QTest::newRow("trailing blank line counts")
        << QByteArray("[a] 1\n\n") << QStringList{"1|a|1"} << QStringList{NoEnd.arg(3)};
    QTest::newRow("blank lines of control bytes are empty")
        << QByteArray("\t \x01\n[a] 1\n\x1f", 11) << QStringList{"2|a|1"}
        << QStringList{NoEnd.arg(4)};
    QTest::newRow("trimmed both sides")
        << QByteArray("  \t[ a b ]\t rest  text \t") << QStringList{"1|a b|rest  text"}
        << QStringList{NoEnd.arg(2)};
    QTest::newRow("first bracket closes")
        << QByteArray("[a] b ] c\n[d]]") << QStringList{"1|a|b ] c", "2|d|]"}
        << QStringList{NoEnd.arg(3)};
    QTest::newRow("blank command")
        << QByteArray("[ ] x") << QStringList{"1||x"} << QStringList{NoEnd.arg(2)};
    QTest::newRow("comments skipped")
        << QByteArray("[comment] [a] 1\n[Comments]\n[COMMENTARY] x\n[b] 2") << QStringList{"4|b|2"}
        << QStringList{NoEnd.arg(5)};
    QTest::newRow("end ends") << QByteArray("[a] 1\n[end]\n[b] 2") << QStringList{"1|a|1"}
                              << QStringList{};
    QTest::newRow("end is a prefix, any case")
        << QByteArray("[a] 1\n[ENDLESS] x\n[b] 2") << QStringList{"1|a|1"} << QStringList{};
    QTest::newRow("syntax errors skipped")
        << QByteArray("text\n[]\n[x\nx]\n[b] 2\n[]x") << QStringList{"5|b|2"}
        << QStringList{"Line 1: Warning: Syntax error.", "Line 2: Warning: Syntax error.",
                       "Line 3: Warning: Syntax error.", "Line 4: Warning: Syntax error.",
                       "Line 6: Warning: Syntax error.", NoEnd.arg(7)};
    QTest::newRow("NUL bytes are kept inside")
        << QByteArray("[a\0b] c\0d\0", 10)
        << QStringList{QStringLiteral("1|a") + QChar(0) + QStringLiteral("b|c") + QChar(0) +
                       QStringLiteral("d")}
        << QStringList{NoEnd.arg(2)};
    QTest::newRow("empty text") << QByteArray() << QStringList{} << QStringList{NoEnd.arg(1)};
}

void TestPatches::nextCommand() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, log);
    QStringList Log;
    TPatchScriptParser Parser(text, &Log);
    QCOMPARE(Parser.LineIndex(), -1);
    QStringList Seen;
    while (Parser.NextCommand())
        Seen << QStringLiteral("%1|").arg(Parser.LineIndex() + 1) + Parser.Command() +
                    QLatin1Char('|') + Parser.Rest();
    QCOMPARE(Seen, commands);
    QCOMPARE(Log, log);
    QVERIFY(Parser.Command().isEmpty());
    QVERIFY(Parser.Rest().isEmpty());
}

void TestPatches::warningsNeedALog() {
    TPatchScriptParser Parser(QByteArray("junk\n[a] b\n"));
    QVERIFY(Parser.NextCommand());
    QCOMPARE(Parser.Command(), QStringLiteral("a"));
    Parser.Warning(QStringLiteral("dropped"));
    QVERIFY(!Parser.NextCommand());
    QCOMPARE(Parser.LineIndex(), 2);
    // Errors are raised all the same.
    QVERIFY_THROWS_EXCEPTION(TPatchScriptParseException, Parser.Error(QStringLiteral("x")));
}

void TestPatches::takeNumber_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("rest"); // what Command holds after the number is removed
    QTest::addColumn<bool>("fails");
    QTest::newRow("plain") << QByteArray("12") << 12 << "" << false;
    QTest::newRow("negative") << QByteArray("-5, 3") << -5 << ", 3" << false;
    QTest::newRow("leading zeros") << QByteArray("0001") << 1 << "" << false;
    QTest::newRow("stops at a letter") << QByteArray("12abc") << 12 << "abc" << false;
    QTest::newRow("rest trimmed") << QByteArray("7 \t , 8") << 7 << ", 8" << false;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647 << "" << false;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483647 - 1) << "" << false;
    QTest::newRow("lone minus") << QByteArray("-") << 0 << "" << true;
    QTest::newRow("double minus") << QByteArray("--1") << 0 << "" << true;
    QTest::newRow("plus sign") << QByteArray("+1") << 0 << "" << true;
    QTest::newRow("empty") << QByteArray(" ") << 0 << "" << true;
    QTest::newRow("too large") << QByteArray("2147483648") << 0 << "" << true;
    QTest::newRow("too small") << QByteArray("-2147483649") << 0 << "" << true;
    QTest::newRow("huge") << QByteArray("99999999999999999999999999") << 0 << "" << true;
}

void TestPatches::takeNumber() {
    QFETCH(QByteArray, command);
    QFETCH(int, value);
    QFETCH(QString, rest);
    QFETCH(bool, fails);
    TCommandParser P(command);
    QVERIFY(P.Ok);
    const QString Before = P.Parser.Command();
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(TPatchScriptParseException, P.Parser.TakeNumber(true));
        QCOMPARE(P.Log, QStringList{"Line 1: Error: Number expected."});
        return;
    }
    QCOMPARE(P.Parser.TakeNumber(false), value);
    QCOMPARE(P.Parser.Command(), Before);
    QCOMPARE(P.Parser.TakeNumber(true), value);
    QCOMPARE(P.Parser.Command(), rest);
}

void TestPatches::takeLevel_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<char>("letter");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<bool>("fails");
    QTest::newRow("p1") << QByteArray("p1, 0, 0") << 'p' << true << 1 << ", 0, 0" << false;
    QTest::newRow("g9") << QByteArray("g9") << 'g' << true << 9 << "" << false;
    QTest::newRow("p10 takes one digit") << QByteArray("p10") << 'p' << true << 1 << "0" << false;
    QTest::newRow("p0") << QByteArray("p0, 1, 1") << 'p' << true << 0 << "" << true;
    QTest::newRow("px") << QByteArray("px, 1, 1") << 'p' << true << 0 << "" << true;
    QTest::newRow("word starting with p")
        << QByteArray("program 5") << 'p' << true << 0 << "" << true;
    QTest::newRow("upper case letter")
        << QByteArray("P1, 0, 0") << 'p' << false << 0 << "P1, 0, 0" << false;
    QTest::newRow("other letter") << QByteArray("g1") << 'p' << false << 0 << "g1" << false;
    QTest::newRow("too short") << QByteArray("p") << 'p' << false << 0 << "p" << false;
}

void TestPatches::takeLevel() {
    QFETCH(QByteArray, command);
    QFETCH(char, letter);
    QFETCH(bool, taken);
    QFETCH(int, level);
    QFETCH(QString, rest);
    QFETCH(bool, fails);
    TCommandParser P(command);
    int Level = -7;
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(TPatchScriptParseException, P.Parser.TakeLevel(letter, Level));
        QCOMPARE(P.Log, QStringList{"Line 1: Error: Syntax error."});
        return;
    }
    QCOMPARE(P.Parser.TakeLevel(letter, Level), taken);
    if (taken)
        QCOMPARE(Level, level);
    QCOMPARE(P.Parser.Command(), rest);
}

void TestPatches::longCommandsAreCutInWarnings() {
    const QByteArray Long(100000, 'x');
    const auto Out = LoadScript(Header + "[mode] M\n[" + Long + "] name\n");
    QVERIFY(Out.Error.isEmpty());
    QCOMPARE(Out.Log.size(), 2);
    const QString Expected = QStringLiteral("Line 6: Warning: Unknown command \"") +
                             QString(TPatchScriptParser::MaxQuotedLength, QLatin1Char('x')) +
                             QStringLiteral("...\" is ignored.");
    QCOMPARE(Out.Log.first(), Expected);
}

// --- File check and header -----------------------------------------------------------------------

void TestPatches::fileCheck_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<bool>("passes");
    QTest::newRow("plain") << QByteArray("[cubase parse file]") << true;
    QTest::newRow("upper-case C") << QByteArray("[Cubase parse file]") << false;
    QTest::newRow("blanks and line ends first") << QByteArray(" \r\n \n[ \r\nc") << true;
    QTest::newRow("backspace both sides") << QByteArray("\b[\bc") << true;
    QTest::newRow("tab both sides") << QByteArray("\t[\tc") << true;
    QTest::newRow("other control byte") << QByteArray("\x01[c") << false;
    QTest::newRow("NUL first") << QByteArray("\0[c", 3) << false;
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF[c") << true;
    QTest::newRow("UTF-8 BOM, upper-case C") << QByteArray("\xEF\xBB\xBF[C") << false;
    QTest::newRow("UTF-16 LE BOM") << QByteArray("\xFF\xFE \0\n\0[\0c\0", 10) << true;
    QTest::newRow("UTF-16 BE BOM") << QByteArray("\xFE\xFF\0[\0 \0c", 8) << true;
    QTest::newRow("UTF-16 BE BOM, text first") << QByteArray("\xFE\xFF\0x\0[\0c", 8) << false;
    QTest::newRow("UTF-16 without BOM") << QByteArray("[\0c\0", 4) << false;
    QTest::newRow("text first") << QByteArray("x[c") << false;
    QTest::newRow("only [") << QByteArray("[") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("only blank lines") << QByteArray("\n\n \r\n") << false;
    QTest::newRow("c at byte 512") << QByteArray(510, ' ') + "[c" << true;
    QTest::newRow("c at byte 513") << QByteArray(511, ' ') + "[c" << false;
    QTest::newRow("[ at byte 513") << QByteArray(512, '\n') + "[c" << false;
}

void TestPatches::fileCheck() {
    QFETCH(QByteArray, head);
    QFETCH(bool, passes);
    try {
        TPatchScriptParser::CheckScriptStart(head);
        QVERIFY(passes);
    } catch (const EPatchScriptError &E) {
        QVERIFY(!passes);
        QCOMPARE(E.Message(), QStringLiteral("Script is not a Cubase Parse File."));
    }
}

void TestPatches::header_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("error");   // empty: loads
    QTest::addColumn<bool>("lineError");  // the error carries a line and is in the log
    QTest::addColumn<QStringList>("log"); // warnings before the error

    const QString NotScript = QStringLiteral("Script is not a Cubase Parse File.");
    const QString NoSection = QStringLiteral("No \"define patchnames\" section !");
    QTest::newRow("minimal") << Header << QString() << false
                             << QStringList{"Line 5: Warning: [end] command not found."};
    QTest::newRow("only comments")
        << Lines({"[comment] one", "[comment] two"}) << "Line 3: Error: Empty patch script file."
        << true << QStringList{"Line 3: Warning: [end] command not found."};
    QTest::newRow("only blank lines")
        << QByteArray("\n\n\n") << NotScript << false << QStringList{};
    QTest::newRow("upper-case first letter")
        << Lines({"[Cubase parse file]", "[parser version 1]", "[define patchnames]", "[end]"})
        << NotScript << false << QStringList{};
    QTest::newRow("upper-case rest")
        << Lines({"[cubase PARSE FILE]", "[PARSER VERSION 1]", "[DEFINE PATCHNAMES]", "[end]"})
        << QString() << false << QStringList{};
    QTest::newRow("other first command")
        << Lines({"[copyright] me", "[cubase parse file]"})
        << "Line 1: Error: Script is not a Cubase Parse File." << true << QStringList{};
    QTest::newRow("ends after the first line")
        << Lines({"[cubase parse file]"}) << "Line 2: Error: Premature end of Cubase Parse File."
        << true << QStringList{"Line 2: Warning: [end] command not found."};
    QTest::newRow("end after the first line")
        << Lines({"[cubase parse file]", "", "[end]"})
        << "Line 3: Error: Premature end of Cubase Parse File." << true << QStringList{};
    QTest::newRow("no version") << Lines({"[cubase parse file]", "[device name] X"})
                                << "Line 2: Error: Version Number not found." << true
                                << QStringList{};
    QTest::newRow("version 2") << Lines({"[cubase parse file]", "[parser version 2]"})
                               << "Line 2: Error: Wrong version number." << true << QStringList{};
    QTest::newRow("version 0") << Lines({"[cubase parse file]", "[parser version 0]"})
                               << "Line 2: Error: Wrong version number." << true << QStringList{};
    QTest::newRow("version without number")
        << Lines({"[cubase parse file]", "[parser version]"}) << "Line 2: Error: Number expected."
        << true << QStringList{};
    QTest::newRow("version 1.0") << Lines({"[cubase parse file]", "[parser version 1.0]",
                                           "[define patchnames]", "[end]"})
                                 << QString() << false << QStringList{};
    QTest::newRow("no patch names")
        << Lines({"[cubase parse file]", "[parser version 1]", "[device name] X"}) << NoSection
        << false << QStringList{"Line 4: Warning: [end] command not found."};
    QTest::newRow("end before patch names")
        << Lines({"[cubase parse file]", "[parser version 1]", "[end]", "[define patchnames]"})
        << NoSection << false << QStringList{};
    QTest::newRow("warnings in the header")
        << Lines({"[cubase parse file]", "[parser version 1]", "stray text", "[whatever] x",
                  "[bank: do send only one byte]", "[bank: don't send as program change]",
                  "[define patchnames]", "[end]"})
        << QString() << false
        << QStringList{"Line 3: Warning: Syntax error.",
                       "Line 4: Warning: Unknown command \"whatever\" is ignored.",
                       "Line 5: Warning: Function [bank: do send only one byte] is not "
                       "implemented and ignored.",
                       "Line 6: Warning: Function [bank: don't send as program change] is not "
                       "implemented and ignored."};
    QTest::newRow("CR LF line numbers")
        << QByteArray("[cubase parse file]\r\n\r\n[parser version 1]\r\nx\r\n[define patchnames]")
        << QString() << false
        << QStringList{"Line 4: Warning: Syntax error.",
                       "Line 6: Warning: [end] command not found."};
    QTest::newRow("CR line numbers")
        << QByteArray("[cubase parse file]\r\r[parser version 1]\rx\r[define patchnames]\r")
        << QString() << false
        << QStringList{"Line 4: Warning: Syntax error.",
                       "Line 6: Warning: [end] command not found."};
}

void TestPatches::header() {
    QFETCH(QByteArray, script);
    QFETCH(QString, error);
    QFETCH(bool, lineError);
    QFETCH(QStringList, log);
    const auto Out = LoadScript(script);
    QCOMPARE(Out.Error, error);
    QCOMPARE(Out.List == nullptr, !error.isEmpty());
    QCOMPARE(Out.LineError, lineError);
    QCOMPARE(Out.InLog, lineError);
    QCOMPARE(Out.Log, log);
    // The preview runs the same header grammar.
    const auto Preview = LoadScript(script, true);
    QCOMPARE(Preview.Error, error);
    QVERIFY(Preview.Log.isEmpty());
}

void TestPatches::headerValues() {
    const QByteArray Script = Lines(
        {"[cubase parse file]", "[parser version 1]", "[Creators First Name]  Ada ",
         "[creators last name] Byron", "[device manufacturer] Acme Instruments",
         "[device name] Synth 1", "[script name] Acme Synth 1 factory set", "[script version] 2.1b",
         "[device name]", "[script version of today] 3", "[define patchnames]", "[end]"});
    QStringList Log;
    const auto List = TPatchList::LoadText(Script, &Log, QStringLiteral("/x/acme.txt"));
    QCOMPARE(Log, QStringList{});
    QCOMPARE(List->FileName(), QStringLiteral("/x/acme.txt"));
    QCOMPARE(List->CreatorFirstName(), QStringLiteral("Ada"));
    QCOMPARE(List->CreatorLastName(), QStringLiteral("Byron"));
    QCOMPARE(List->DeviceManufacturer(), QStringLiteral("Acme Instruments"));
    // A later line wins, even an empty one; keywords match as prefixes.
    QCOMPARE(List->DeviceName(), QString());
    QCOMPARE(List->ScriptName(), QStringLiteral("Acme Synth 1 factory set"));
    QCOMPARE(List->ScriptVersion(), QStringLiteral("3"));
    QCOMPARE(List->ModeCount(), 0);
}

void TestPatches::headerOptions_data() {
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QList<bool>>("flags"); // swap, msb first, one byte, as program change
    QTest::addColumn<int>("warnings");
    QTest::newRow("none") << QByteArray() << QList<bool>{false, false, false, false} << 0;
    QTest::newRow("swap") << QByteArray("[bank: do swap value bytes]\n")
                          << QList<bool>{true, false, false, false} << 0;
    QTest::newRow("swap then not") << QByteArray("[bank: do swap value bytes]\n"
                                                 "[Bank: Don't Swap Value Bytes]\n")
                                   << QList<bool>{false, false, false, false} << 0;
    QTest::newRow("msb first") << QByteArray("[BANK: DO SEND MSB FIRST]\n")
                               << QList<bool>{false, true, false, false} << 0;
    QTest::newRow("one byte") << QByteArray("[bank: do send only one byte]\n")
                              << QList<bool>{false, false, true, false} << 1;
    QTest::newRow("as program change") << QByteArray("[bank: do send as program change]\n")
                                       << QList<bool>{false, false, false, true} << 1;
    QTest::newRow("all on, two off")
        << QByteArray("[bank: do swap value bytes]\n[bank: do send msb first]\n"
                      "[bank: do send only one byte]\n[bank: do send as program change]\n"
                      "[bank: don't send only one byte]\n[bank: don't swap value bytes]\n")
        << QList<bool>{false, true, false, true} << 3;
}

void TestPatches::headerOptions() {
    QFETCH(QByteArray, options);
    QFETCH(QList<bool>, flags);
    QFETCH(int, warnings);
    QStringList Log;
    const auto List = TPatchList::LoadText(
        "[cubase parse file]\n[parser version 1]\n" + options + "[define patchnames]\n[end]", &Log);
    QCOMPARE(QList<bool>({List->SwapBytes(), List->MsbFirst(), List->OneByteBank(),
                          List->BankAsProgramChange()}),
             flags);
    QCOMPARE(Log.size(), warnings);
}

void TestPatches::loadHeaderSkipsABrokenPatchSection() {
    const QByteArray Script = Header + Lines({"[p1, 999, 0] Broken", "[g7] nowhere"});
    QVERIFY_THROWS_EXCEPTION(TPatchScriptParseException, TPatchList::LoadText(Script, nullptr));
    const auto List = TPatchList::LoadHeaderText(Script, QStringLiteral("f.txt"));
    QCOMPARE(List->DeviceName(), QStringLiteral("Synth 1"));
    QCOMPARE(List->FileName(), QStringLiteral("f.txt"));
    QCOMPARE(List->ModeCount(), 0);
}

// --- Patch-name section
// ----------------------------------------------------------------------------

void TestPatches::bankForms_data() {
    QTest::addColumn<bool>("swap");
    QTest::addColumn<QByteArray>("numbers"); // after "[p2, "
    QTest::addColumn<int>("msb");
    QTest::addColumn<int>("lsb");
    QTest::addColumn<QString>("message"); // error, or the warning about left-over text
    const QString Bank = QStringLiteral("Bank number out of bounds (0..16383)");
    const QString Msb = QStringLiteral("MSB out of bounds (-1..127)");
    const QString Lsb = QStringLiteral("LSB out of bounds (-1..127)");
    const QString Program = QStringLiteral("Program number out of bounds (0..127)");
    QTest::newRow("bank 0") << false << QByteArray("5, 0") << 0 << 0 << "";
    QTest::newRow("bank -1 is none") << false << QByteArray("5, -1") << -1 << -1 << "";
    QTest::newRow("bank 129") << false << QByteArray("5, 129") << 1 << 1 << "";
    QTest::newRow("bank 16383") << false << QByteArray("5, 16383") << 127 << 127 << "";
    QTest::newRow("bank 16384") << false << QByteArray("5, 16384") << 0 << 0 << Bank;
    QTest::newRow("bank -2") << false << QByteArray("5, -2") << 0 << 0 << Bank;
    QTest::newRow("bank form ignores swap") << true << QByteArray("5, 130") << 1 << 2 << "";
    QTest::newRow("msb, lsb") << false << QByteArray("5, 1, 2") << 1 << 2 << "";
    QTest::newRow("swapped") << true << QByteArray("5, 1, 2") << 2 << 1 << "";
    QTest::newRow("msb none") << false << QByteArray("5, -1, 5") << -1 << 5 << "";
    QTest::newRow("msb 128") << false << QByteArray("5, 128, 0") << 0 << 0 << Msb;
    QTest::newRow("lsb 128") << false << QByteArray("5, 0, 128") << 0 << 0 << Lsb;
    QTest::newRow("swapped first 128") << true << QByteArray("5, 128, 0") << 0 << 0 << Lsb;
    QTest::newRow("swapped second -2") << true << QByteArray("5, 0, -2") << 0 << 0 << Msb;
    QTest::newRow("program 127") << false << QByteArray("127, 0") << 0 << 0 << "";
    QTest::newRow("program 128") << false << QByteArray("128, 0") << 0 << 0 << Program;
    QTest::newRow("program -1") << false << QByteArray("-1, 0") << 0 << 0 << Program;
    QTest::newRow("no spaces") << false << QByteArray("5,1,2") << 1 << 2 << "";
    QTest::newRow("missing comma") << false << QByteArray("5 0") << 0 << 0 << "Syntax error.";
    QTest::newRow("missing bank") << false << QByteArray("5") << 0 << 0 << "Syntax error.";
    QTest::newRow("comma, no bank") << false << QByteArray("5,") << 0 << 0 << "Number expected.";
    QTest::newRow("junk after bank")
        << false << QByteArray("5, 0 junk") << 0 << 0 << "Ignoring remaining \"junk\" in command.";
    QTest::newRow("fourth number")
        << false << QByteArray("5, 1, 2, 3") << 1 << 2 << "Ignoring remaining \", 3\" in command.";
}

void TestPatches::bankForms() {
    QFETCH(bool, swap);
    QFETCH(QByteArray, numbers);
    QFETCH(int, msb);
    QFETCH(int, lsb);
    QFETCH(QString, message);
    const QByteArray Script = "[cubase parse file]\n[parser version 1]\n" +
                              QByteArray(swap ? "[bank: do swap value bytes]\n" : "\n") +
                              "[define patchnames]\n[mode] M\n[g1] G\n[p2, " + numbers +
                              "] X\n[end]\n";
    const auto Out = LoadScript(Script);
    const bool Fails = !message.isEmpty() && !message.startsWith(QLatin1String("Ignoring"));
    if (Fails) {
        QCOMPARE(Out.Error, QStringLiteral("Line 7: Error: ") + message);
        QVERIFY(Out.InLog);
        return;
    }
    QVERIFY2(Out.Error.isEmpty(), qPrintable(Out.Error));
    QCOMPARE(Out.Log, message.isEmpty()
                          ? QStringList{}
                          : QStringList{QStringLiteral("Line 7: Warning: ") + message});
    const TPatchProgram *P = Out.List->Mode(0)->GroupAt(0)->ProgramAt(0);
    QCOMPARE(P->BankMSB(), msb);
    QCOMPARE(P->BankLSB(), lsb);
    QCOMPARE(P->Name(), QStringLiteral("X"));
}

void TestPatches::patchNames_data() {
    QTest::addColumn<QByteArray>("body"); // after the four header lines
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("example") << Lines({"[mode] Normal", "[g1] Pianos", "[p2, 0, 0, 0] Grand",
                                       "[p2, 1, 0, 1] Bright Grand", "[g1] Drums", "[sorted]",
                                       "[p2, 0, 129] Standard Kit", "[k 36] Kick", "[end]"})
                             << QStringList{"mode Normal ch -1",
                                            "  + Pianos",
                                            "    Grand [0 0 0]",
                                            "    Bright Grand [1 0 1]",
                                            "  + Drums (sorted)",
                                            "    Standard Kit [0 1 1] 36=Kick"}
                             << "" << QStringList{};
    QTest::newRow("group before any mode takes the device name")
        << Lines({"[g1] Pianos", "[p2, 0, 0] Grand", "[end]"})
        << QStringList{"mode Synth 1 ch -1", "  + Pianos", "    Grand [0 0 0]"} << ""
        << QStringList{};
    QTest::newRow("program directly in a mode")
        << Lines({"[mode] M", "[p1, 3, -1] Solo", "[end]"})
        << QStringList{"mode M ch -1", "  Solo [3 -1 -1]"} << "" << QStringList{};
    QTest::newRow("program below a missing group")
        << Lines({"[mode] M", "[p2, 0, 0] X"}) << QStringList{}
        << "Line 6: Error: Sub group does not exist. Lower the level." << QStringList{};
    QTest::newRow("program before any mode")
        << Lines({"[p1, 0, 0] X"}) << QStringList{}
        << "Line 5: Error: Sub group does not exist. Lower the level." << QStringList{};
    QTest::newRow("p0") << Lines({"[mode] M", "[p0, 1, 1] X"}) << QStringList{}
                        << "Line 6: Error: Syntax error." << QStringList{};
    QTest::newRow("px") << Lines({"[mode] M", "[px, 1, 1] X"}) << QStringList{}
                        << "Line 6: Error: Syntax error." << QStringList{};
    QTest::newRow("mode channels")
        << Lines({"[mode 0] A", "[mode 1] B", "[Mode 16] C", "[MODE] D", "[end]"})
        << QStringList{"mode A ch -1", "mode B ch 0", "mode C ch 15", "mode D ch -1"} << ""
        << QStringList{};
    QTest::newRow("mode 17") << Lines({"[mode 17] X"}) << QStringList{}
                             << "Line 5: Error: Midi channel out of bounds." << QStringList{};
    QTest::newRow("mode -1") << Lines({"[mode -1] X"}) << QStringList{}
                             << "Line 5: Error: Midi channel out of bounds." << QStringList{};
    QTest::newRow("text after mode")
        << Lines({"[modes] A", "[mode 2 x] B", "[end]"})
        << QStringList{"mode A ch -1", "mode B ch 1"} << ""
        << QStringList{"Line 5: Warning: Ignoring remaining \"s\" in command.",
                       "Line 6: Warning: Ignoring remaining \"x\" in command."};
    QTest::newRow("group without a name") << Lines({"[mode] M", "[g1]"}) << QStringList{}
                                          << "Line 6: Error: Name is missing." << QStringList{};
    QTest::newRow("unknown command without a name")
        << Lines({"[mode] M", "[bank: do swap value bytes]"}) << QStringList{}
        << "Line 6: Error: Name is missing." << QStringList{};
    QTest::newRow("sorted without a name, any case")
        << Lines({"[mode] M", "[g1] G", "[SORTED]", "[g1] H", "[sorted] whatever", "[end]"})
        << QStringList{"mode M ch -1", "  + G (sorted)", "  + H (sorted)"} << "" << QStringList{};
    QTest::newRow("sorted before any group")
        << Lines({"[sorted]", "[mode] M", "[g1] G", "[mode] N", "[sorted]", "[end]"})
        << QStringList{"mode M ch -1", "  + G", "mode N ch -1"} << ""
        << QStringList{"Line 5: Warning: No group defined for sorted property. Ignored.",
                       "Line 9: Warning: No group defined for sorted property. Ignored."};
    QTest::newRow("junk after the numbers")
        << Lines({"[mode] M", "[p1, 0, 0 junk] X", "[end]"})
        << QStringList{"mode M ch -1", "  X [0 0 0]"} << ""
        << QStringList{"Line 6: Warning: Ignoring remaining \"junk\" in command."};
    QTest::newRow("letters of p and g are lower case")
        << Lines({"[mode] M", "[P1, 0, 0] X", "[G1] Y", "[end]"}) << QStringList{"mode M ch -1"}
        << ""
        << QStringList{"Line 6: Warning: Unknown command \"P1, 0, 0\" is ignored.",
                       "Line 7: Warning: Unknown command \"G1\" is ignored."};
    QTest::newRow("short and unknown commands")
        << Lines({"[mode] M", "[x] a", "[k] b", "[device name] c", "[end]"})
        << QStringList{"mode M ch -1"} << ""
        << QStringList{"Line 6: Warning: Unknown command \"x\" is ignored.",
                       "Line 7: Warning: Unknown command \"k\" is ignored.",
                       "Line 8: Warning: Unknown command \"device name\" is ignored."};
    QTest::newRow("key names, word in any case")
        << Lines({"[mode] M", "[p1, 0, 0] Kit", "[k 36] Kick", "[K 38] Snare", "[k127] Top",
                  "[k 0] Bottom", "[k 36] Kick 2", "[p1, 1, 0] Next", "[k 40] E", "[end]"})
        << QStringList{"mode M ch -1", "  Kit [0 0 0] 0=Bottom 36=Kick 2 38=Snare 127=Top",
                       "  Next [1 0 0] 40=E"}
        << "" << QStringList{};
    QTest::newRow("key 128") << Lines({"[mode] M", "[p1, 0, 0] Kit", "[k 128] X"}) << QStringList{}
                             << "Line 7: Error: Key out of bounds (0..127)" << QStringList{};
    QTest::newRow("key -1") << Lines({"[mode] M", "[p1, 0, 0] Kit", "[k -1] X"}) << QStringList{}
                            << "Line 7: Error: Key out of bounds (0..127)" << QStringList{};
    QTest::newRow("key without a number")
        << Lines({"[mode] M", "[p1, 0, 0] Kit", "[kit] X"}) << QStringList{}
        << "Line 7: Error: Number expected." << QStringList{};
    QTest::newRow("key before any program")
        << Lines({"[mode] M", "[k 36] Kick"}) << QStringList{}
        << "Line 6: Error: No program defined for key." << QStringList{};
    QTest::newRow("a group line ends the program's keys")
        << Lines({"[mode] M", "[g1] A", "[p2, 0, 0] Kit", "[g1] B", "[k 36] Kick"}) << QStringList{}
        << "Line 9: Error: No program defined for key." << QStringList{};
    QTest::newRow("a mode line ends the program's keys")
        << Lines({"[mode] M", "[p1, 0, 0] Kit", "[mode] N", "[k 36] Kick"}) << QStringList{}
        << "Line 8: Error: No program defined for key." << QStringList{};
    QTest::newRow("a mode line clears the levels")
        << Lines({"[mode] A", "[g1] G", "[mode] B", "[p2, 0, 0] X"}) << QStringList{}
        << "Line 8: Error: Sub group does not exist. Lower the level." << QStringList{};
    QTest::newRow("skipping a level")
        << Lines({"[mode] M", "[g2] X"}) << QStringList{}
        << "Line 6: Error: Sub group does not exist. Lower the level." << QStringList{};
    QTest::newRow("nine levels deep")
        << Lines({"[mode] M", "[g1] 1", "[g2] 2", "[g3] 3", "[g4] 4", "[g5] 5", "[g6] 6", "[g7] 7",
                  "[g8] 8", "[g9] 9", "[p9, 9, 0] in 8", "[p1, 1, 0] in M", "[end]"})
        << QStringList{"mode M ch -1",
                       "  in M [1 0 0]",
                       "  + 1",
                       "    + 2",
                       "      + 3",
                       "        + 4",
                       "          + 5",
                       "            + 6",
                       "              + 7",
                       "                + 8",
                       "                  in 8 [9 0 0]",
                       "                  + 9"}
        << "" << QStringList{};
    QTest::newRow("deeper slots keep their groups")
        << Lines({"[mode] M", "[g1] A", "[g2] B", "[g1] C", "[p3, 0, 0] in B", "[end]"})
        << QStringList{"mode M ch -1", "  + A", "    + B", "      in B [0 0 0]", "  + C"} << ""
        << QStringList{};
    QTest::newRow("stray lines and comments")
        << Lines({"[mode] M", "hello", "[comment] [p1, 0, 0] hidden", "[]", "[end"})
        << QStringList{"mode M ch -1"} << ""
        << QStringList{"Line 6: Warning: Syntax error.", "Line 8: Warning: Syntax error.",
                       "Line 9: Warning: Syntax error.",
                       "Line 10: Warning: [end] command not found."};
    QTest::newRow("endless ends the section") << Lines({"[mode] M", "[endless] x", "[mode] N"})
                                              << QStringList{"mode M ch -1"} << "" << QStringList{};
    QTest::newRow("no end") << Lines({"[mode] M"}) << QStringList{"mode M ch -1"} << ""
                            << QStringList{"Line 6: Warning: [end] command not found."};
    QTest::newRow("empty section") << Lines({"[end]"}) << QStringList{} << "" << QStringList{};
    QTest::newRow("name keeps inner brackets")
        << Lines({"[mode] M", "[p1, 0, 0] Pad [soft]", "[end]"})
        << QStringList{"mode M ch -1", "  Pad [soft] [0 0 0]"} << "" << QStringList{};
}

void TestPatches::patchNames() {
    QFETCH(QByteArray, body);
    QFETCH(QStringList, tree);
    QFETCH(QString, error);
    QFETCH(QStringList, log);
    const auto Out = LoadScript(Header + body);
    QCOMPARE(Out.Error, error);
    QCOMPARE(Out.InLog, !error.isEmpty());
    QCOMPARE(Out.Log, log);
    if (error.isEmpty())
        QCOMPARE(Dump(*Out.List), tree);
}

void TestPatches::latin1NamesDecode() {
    const auto Out = LoadScript(Header + "[mode] Orgue\n[p1, 0, 0] Cor Angl\xe9 \xbd\n[end]\n");
    QVERIFY(Out.Error.isEmpty());
    QCOMPARE(Out.List->Mode(0)->ProgramAt(0)->Name(), QString::fromUtf8("Cor Anglé \xc2\xbd"));
}

void TestPatches::encodingsFoundInTheWild_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("program");

    const auto Script = [](const QByteArray &Device, const QByteArray &Program) {
        return "[cubase parse file]\r\n[parser version 0001]\r\n[device name] " + Device +
               "\r\n[define patchnames]\r\n[mode] Normal\r\n[p1, 0, 0] " + Program +
               "\r\n[end]\r\n";
    };
    const QString Device = QString::fromUtf8("Synth\u00e9 \u2013 \u00d6");
    const QString Program = QString::fromUtf8("Grand \u20ac \u2019 \u2026 \u2014 \u0160\u0153");
    const QByteArray Utf8 = Script(Device.toUtf8(), Program.toUtf8());
    const auto Utf16 = [&](QStringConverter::Encoding Encoding) {
        QStringEncoder Encoder(Encoding, QStringConverter::Flag::WriteBom);
        return QByteArray(Encoder.encode(QString::fromUtf8(Utf8)));
    };

    QTest::newRow("ASCII") << Script("Synth 1", "Grand") << "Synth 1"
                           << "Grand";
    QTest::newRow("Latin-1") << Script("Synth\xe9", "Cor Angl\xe9 \xbd")
                             << QString::fromUtf8("Synthé") << QString::fromUtf8("Cor Anglé ½");
    QTest::newRow("Windows-1252") << Script("Synth\xe9 \x96 \xd6",
                                            "Grand \x80 \x92 \x85 \x97 \x8a\x9c")
                                  << Device << Program;
    QTest::newRow("Windows-1252, undefined bytes")
        << Script("A\x81\x8d", "B\x8f\x90\x9d") << QString::fromUtf8("A\u0081\u008d")
        << QString::fromUtf8("B\u008f\u0090\u009d");
    QTest::newRow("UTF-8") << Utf8 << Device << Program;
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + Utf8 << Device << Program;
    QTest::newRow("UTF-16 LE with BOM") << Utf16(QStringConverter::Utf16LE) << Device << Program;
    QTest::newRow("UTF-16 BE with BOM") << Utf16(QStringConverter::Utf16BE) << Device << Program;
    QTest::newRow("UTF-8 cut in a letter is ANSI")
        << Script("Synth\xc3", "Grand") << QString::fromUtf8("Synth\u00c3") << "Grand";
}

void TestPatches::encodingsFoundInTheWild() {
    QFETCH(QByteArray, text);
    QFETCH(QString, device);
    QFETCH(QString, program);
    // The chooser's way: the file check on the start of the file, then the header; the main
    // window's way: the whole script.
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("script.txt"));
    QVERIFY(WriteFile(Path, text));
    try {
        QCOMPARE(TPatchList::LoadHeader(Path)->DeviceName(), device);
        QStringList Log;
        const auto List = TPatchList::Load(Path, &Log);
        QCOMPARE(Log, QStringList());
        QCOMPARE(List->Mode(0)->ProgramAt(0)->Name(), program);
    } catch (const EPatchScriptError &E) {
        QFAIL(qPrintable(E.Message()));
    }
}

// --- Model ---------------------------------------------------------------------------------------

void TestPatches::findByPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("found"); // the found program's Path and number, or empty
    QTest::newRow("full path") << "Normal\\Pianos\\Grand"
                               << "Normal\\Pianos\\Grand 0";
    QTest::newRow("any case") << "normal\\PIANOS\\grand"
                              << "Normal\\Pianos\\Grand 0";
    QTest::newRow("Latin-1 letters any case")
        << QString::fromUtf8("NORMAL\\PIANOS\\ÉCHO") << QString::fromUtf8("Normal\\Pianos\\écho 3");
    QTest::newRow("program in the mode") << "Normal\\Grand"
                                         << "Normal\\Grand 5";
    QTest::newRow("first of equal names") << "Normal\\Pianos\\Twin"
                                          << "Normal\\Pianos\\Twin 1";
    QTest::newRow("second mode") << "Drums\\Kits\\Room"
                                 << "Drums\\Kits\\Room 0";
    QTest::newRow("in a repeated group") << "Normal\\Pianos\\Late"
                                         << "Normal\\Pianos\\Late 4";
    QTest::newRow("in a repeated mode") << "NORMAL\\Other"
                                        << "normal\\Other 6";
    QTest::newRow("mode alone") << "Normal"
                                << "";
    QTest::newRow("mode and backslash") << "Normal\\"
                                        << "";
    QTest::newRow("trailing backslash") << "Normal\\Pianos\\Grand\\"
                                        << "";
    QTest::newRow("group, not a program") << "Normal\\Pianos"
                                          << "";
    QTest::newRow("empty part") << "Normal\\\\Grand"
                                << "";
    QTest::newRow("leading backslash") << "\\Pianos\\Grand"
                                       << "";
    QTest::newRow("unknown mode") << "Nope\\Pianos\\Grand"
                                  << "";
    QTest::newRow("unknown group") << "Normal\\Strings\\Grand"
                                   << "";
    QTest::newRow("unknown program") << "Normal\\Pianos\\Harp"
                                     << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestPatches::findByPath() {
    QFETCH(QString, path);
    QFETCH(QString, found);
    const auto Out = LoadScript(
        Header + Lines({"[mode] Normal", "[p1, 5, 0] Grand", "[g1] Pianos", "[p2, 0, 0] Grand",
                        "[p2, 1, 1] Twin", "[p2, 2, 2] twin", "[p2, 3, 0] \xe9\x63ho",
                        "[mode] Drums", "[g1] Kits", "[p2, 0, 0] Room", "[mode] Normal",
                        "[g1] Pianos", "[p2, 4, 0] Late", "[mode] normal", "[p1, 6, 0] Other"}));
    QVERIFY(Out.Error.isEmpty());
    const TPatchProgram *P = Out.List->FindByPath(path);
    QCOMPARE(P ? P->Path() + QStringLiteral(" %1").arg(P->Program()) : QString(), found);
}

void TestPatches::backslashInNameIsNotFoundAgain() {
    const auto Out = LoadScript(Header + "[mode] M\n[p1, 0, 0] AC\\DC\n");
    QVERIFY(Out.Error.isEmpty());
    const TPatchProgram *P = Out.List->Mode(0)->ProgramAt(0);
    QCOMPARE(P->Name(), QStringLiteral("AC\\DC"));
    QCOMPARE(P->Path(), QStringLiteral("M\\AC\\DC"));
    QCOMPARE(Out.List->FindByPath(P->Path()), nullptr);
}

void TestPatches::sortedGroups() {
    const auto Out =
        LoadScript(Header + Lines({"[mode] Z mode",    "[p1, 0, 0] zulu",  "[p1, 1, 0] Alpha",
                                   "[g1] Sorted",      "[sorted]",         "[p2, 0, 0] gamma",
                                   "[p2, 1, 0] alpha", "[p2, 2, 0] Beta",  "[g2] Zed",
                                   "[p3, 0, 0] b",     "[p3, 1, 0] a",     "[g2] ant",
                                   "[sorted]",         "[p3, 0, 0] Y",     "[p3, 1, 0] x",
                                   "[g1] Plain",       "[p2, 0, 0] gamma", "[p2, 1, 0] alpha",
                                   "[p2, 2, 0] Beta",  "[mode] A mode",    "[end]"}));
    QVERIFY(Out.Error.isEmpty());
    QCOMPARE(Dump(*Out.List),
             QStringList({"mode Z mode ch -1", "  zulu [0 0 0]", "  Alpha [1 0 0]",
                          "  + Sorted (sorted)", "    alpha [1 0 0]", "    Beta [2 0 0]",
                          "    gamma [0 0 0]", "    + ant (sorted)", "      x [1 0 0]",
                          "      Y [0 0 0]", "    + Zed", "      b [0 0 0]", "      a [1 0 0]",
                          "  + Plain", "    gamma [0 0 0]", "    alpha [1 0 0]", "    Beta [2 0 0]",
                          "mode A mode ch -1"}));
    // The preview reads no groups, so it has nothing to sort.
    QCOMPARE(TPatchList::LoadHeaderText(Header + "[mode] M\n")->ModeCount(), 0);

    // Sorted as the user's language sorts: an accented letter with its plain one ("\u00c9glise"
    // went after "Rock Drawbars").
    const auto Organs = LoadScript(
        Header + Lines({"[mode] M", "[g1] Organs", "[sorted]", "[p2, 0, 0] Rock Drawbars",
                        "[p2, 1, 0] \xc3\x89glise Principal", "[p2, 2, 0] cathedral", "[end]"}));
    QVERIFY(Organs.Error.isEmpty());
    QCOMPARE(Dump(*Organs.List),
             QStringList({"mode M ch -1", "  + Organs (sorted)", "    cathedral [2 0 0]",
                          QStringLiteral("    \u00c9glise Principal [1 0 0]"),
                          "    Rock Drawbars [0 0 0]"}));
}

void TestPatches::keyNames() {
    TPatchList List;
    auto *Mode = List.AddMode(std::make_unique<TPatchModeGroup>(List, nullptr, "M"));
    auto *P = Mode->AddProgram(std::make_unique<TPatchProgram>(*Mode, "Kit", 0, -1, -1));
    QCOMPARE(P->KeyNames(), nullptr);
    P->SetKeyName(127, QStringLiteral("Top"));
    QVERIFY(P->KeyNames());
    QCOMPARE(P->KeyNames()->size(), 128);
    QCOMPARE(P->KeyNames()->at(127), QStringLiteral("Top"));
    QVERIFY(P->KeyNames()->at(0).isEmpty());
}

void TestPatches::modeAndPathOfNestedProgram() {
    const auto Out = LoadScript(Header + Lines({"[mode] Multi", "[g1] Layers", "[g2] Soft",
                                                "[g3] Pads", "[p4, 10, 0] Warm"}));
    QVERIFY(Out.Error.isEmpty());
    const TPatchModeGroup *Pads = Out.List->Mode(0)->GroupAt(0)->GroupAt(0)->GroupAt(0);
    const TPatchProgram *P = Pads->ProgramAt(0);
    QCOMPARE(P->Mode(), Out.List->Mode(0));
    QCOMPARE(P->Group(), Pads);
    QCOMPARE(P->Path(), QStringLiteral("Multi\\Layers\\Soft\\Pads\\Warm"));
    QCOMPARE(Out.List->FindByPath(P->Path()), P);
    QVERIFY(Out.List->Mode(0)->IsMode());
    QVERIFY(!Pads->IsMode());
    QCOMPARE(Pads->PatchList(), Out.List.get());
}

void TestPatches::assertions_data() {
    QTest::addColumn<int>("what");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("message");
    const QString Index = QStringLiteral("Index out of bounds");
    const QString Assert = QStringLiteral("Assertion failure");
    QTest::newRow("Mode -1") << 0 << -1 << Index;
    QTest::newRow("Mode count") << 0 << 1 << Index;
    QTest::newRow("ProgramAt -1") << 1 << -1 << Index;
    QTest::newRow("ProgramAt count") << 1 << 2 << Index;
    QTest::newRow("GroupAt -1") << 2 << -1 << Index;
    QTest::newRow("GroupAt count") << 2 << 1 << Index;
    QTest::newRow("GroupAt of a group without groups") << 3 << 0 << Index;
    QTest::newRow("SetKeyName -1") << 4 << -1 << Assert;
    QTest::newRow("SetKeyName 128") << 4 << 128 << Assert;
}

void TestPatches::assertions() {
    QFETCH(int, what);
    QFETCH(int, index);
    QFETCH(QString, message);
    const auto Out =
        LoadScript(Header + Lines({"[mode] M", "[p1, 0, 0] A", "[p1, 1, 0] B", "[g1] G"}));
    QVERIFY(Out.Error.isEmpty());
    TPatchModeGroup *Mode = Out.List->Mode(0);
    try {
        switch (what) {
        case 0:
            Out.List->Mode(index);
            break;
        case 1:
            Mode->ProgramAt(index);
            break;
        case 2:
            Mode->GroupAt(index);
            break;
        case 3:
            Mode->GroupAt(0)->GroupAt(index);
            break;
        default:
            Mode->ProgramAt(0)->SetKeyName(index, QStringLiteral("x"));
            break;
        }
        QFAIL("no assertion failure");
    } catch (const EPatchAssertion &E) {
        QCOMPARE(E.Message(), message);
        QCOMPARE(E.Unit(), QStringLiteral("UPatchList"));
    }
    QCOMPARE(Mode->ProgramAt(0)->KeyNames(), nullptr);
}

void TestPatches::addChecksOwnership() {
    TPatchList List;
    TPatchList Other;
    auto *Mode = List.AddMode(std::make_unique<TPatchModeGroup>(List, nullptr, "M"));
    auto *Group = Mode->AddGroup(std::make_unique<TPatchModeGroup>(List, Mode, "G"));
    // Made for another group, another patch set, or not a mode: the tree would lie.
    QVERIFY_THROWS_EXCEPTION(
        EPatchAssertion, Mode->AddProgram(std::make_unique<TPatchProgram>(*Group, "P", 0, 0, 0)));
    QVERIFY_THROWS_EXCEPTION(EPatchAssertion,
                             Mode->AddGroup(std::make_unique<TPatchModeGroup>(List, Group, "H")));
    QVERIFY_THROWS_EXCEPTION(EPatchAssertion,
                             Mode->AddGroup(std::make_unique<TPatchModeGroup>(Other, Mode, "H")));
    QVERIFY_THROWS_EXCEPTION(EPatchAssertion,
                             List.AddMode(std::make_unique<TPatchModeGroup>(List, Mode, "N")));
    QVERIFY_THROWS_EXCEPTION(EPatchAssertion,
                             List.AddMode(std::make_unique<TPatchModeGroup>(Other, nullptr, "N")));
    QCOMPARE(Mode->ProgramCount(), 0);
    QCOMPARE(Mode->GroupCount(), 1);
    QCOMPARE(List.ModeCount(), 1);
}

// --- Files ---------------------------------------------------------------------------------------

void TestPatches::loadFromFile() {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("synth.txt"));
    QVERIFY(WriteFile(Path, Header + "[mode] M\n[p1, 0, 0] A\n[end]\n"));
    QStringList Log;
    const auto List = TPatchList::Load(Path, &Log);
    QCOMPARE(List->FileName(), Path);
    QCOMPARE(List->Mode(0)->ProgramAt(0)->Name(), QStringLiteral("A"));
    QCOMPARE(Log, QStringList{});
    const auto Preview = TPatchList::LoadHeader(Path);
    QCOMPARE(Preview->DeviceName(), QStringLiteral("Synth 1"));
    QCOMPARE(Preview->FileName(), Path);
    // No log at all is fine too.
    QVERIFY(TPatchList::Load(Path, nullptr));
}

void TestPatches::fileErrors() {
    QTemporaryDir Dir;
    const QString Missing = Dir.filePath(QStringLiteral("gone.txt"));
    try {
        TPatchList::Load(Missing, nullptr);
        QFAIL("loaded a missing file");
    } catch (const EPatchFileError &E) {
        QVERIFY2(E.Message().contains(Missing), qPrintable(E.Message()));
    }
    QVERIFY_THROWS_EXCEPTION(EPatchFileError, TPatchList::LoadHeader(Dir.path()));

    const QString Empty = Dir.filePath(QStringLiteral("empty.txt"));
    QVERIFY(WriteFile(Empty, {}));
    QStringList Log;
    try {
        TPatchList::Load(Empty, &Log);
        QFAIL("loaded an empty file");
    } catch (const EPatchFileError &) {
        QFAIL("an empty file is not a file error");
    } catch (const TPatchScriptParseException &) {
        QFAIL("the file check has no line");
    } catch (const EPatchScriptError &E) {
        QCOMPARE(E.Message(), QStringLiteral("Script is not a Cubase Parse File."));
    }
    QVERIFY(Log.isEmpty());
}

void TestPatches::fifoIsRefusedWithoutBlocking() {
#ifdef Q_OS_UNIX
    // Opening a FIFO without a writer would block for ever, reading one would never end.
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("pipe.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(Path).constData(), 0600), 0);
    try {
        TPatchList::LoadHeader(Path);
        QFAIL("loaded a FIFO");
    } catch (const EPatchFileError &E) {
        QVERIFY2(E.Message().contains(QLatin1String("not a regular file")),
                 qPrintable(E.Message()));
    }
#else
    QSKIP("no FIFOs here");
#endif
}

void TestPatches::fileCheckReadsOnlyTheStart() {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("late.txt"));
    QVERIFY(WriteFile(Path, QByteArray(600, '\n') + Header));
    QVERIFY_THROWS_EXCEPTION(EPatchScriptError, TPatchList::LoadHeader(Path));
    QVERIFY(WriteFile(Path, QByteArray(500, '\n') + Header));
    QCOMPARE(TPatchList::LoadHeader(Path)->DeviceName(), QStringLiteral("Synth 1"));
}

void TestPatches::hundredThousandPrograms() {
    QByteArray Script = Header + "[mode] Big\n[g1] All\n[sorted]\n";
    constexpr int Count = 100000;
    for (int I = Count - 1; I >= 0; --I)
        Script += "[p2, " + QByteArray::number(I % 128) + ", " + QByteArray::number(I % 16384) +
                  "] Program " + QByteArray::number(I).rightJustified(6, '0') + "\n[k 36] K\n";
    QStringList Log;
    const auto List = TPatchList::LoadText(Script, &Log);
    QCOMPARE(Log, QStringList{"Line 200008: Warning: [end] command not found."});
    const TPatchModeGroup *All = List->Mode(0)->GroupAt(0);
    QCOMPARE(All->ProgramCount(), Count);
    QCOMPARE(All->ProgramAt(0)->Name(), QStringLiteral("Program 000000"));
    QCOMPARE(All->ProgramAt(Count - 1)->Name(), QStringLiteral("Program 099999"));
    QCOMPARE(All->ProgramAt(Count - 1)->BankLSB(), 99999 % 16384 % 128);
    QCOMPARE(List->FindByPath(u"big\\all\\program 054321")->Program(), 54321 % 128);
}

// A script was read whole with no cap, the chooser's preview too, on every selection.
void TestPatches::hugeScriptIsRefusedButPreviewed() {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("huge.txt"));
    {
        QFile File(Path);
        QVERIFY(File.open(QIODevice::WriteOnly));
        QVERIFY(File.write(Header) == Header.size());
        // Sparse: the size without the disk space.
        QVERIFY(File.resize(TPatchScriptParser::MaxFileSize + 1));
    }
    QCOMPARE(TPatchList::LoadHeader(Path)->DeviceName(), QStringLiteral("Synth 1"));
    QStringList Log;
    try {
        TPatchList::Load(Path, &Log);
        QFAIL("a script over the limit loaded");
    } catch (const EPatchFileError &E) {
        QVERIFY2(E.Message().contains(QLatin1String("64 MB")), qPrintable(E.Message()));
    }
    QVERIFY(Log.isEmpty());
    // A header that does not end within the part the preview reads says so.
    QVERIFY(QFile::remove(Path));
    QFile File(Path);
    QVERIFY(File.open(QIODevice::WriteOnly));
    File.write(Lines({"[cubase parse file]", "[parser version 0001]"}));
    File.write(QByteArray(int(TPatchScriptParser::HeadSize), '\n'));
    File.write(Lines({"[define patchnames]"}));
    File.close();
    try {
        TPatchList::LoadHeader(Path);
        QFAIL("a header beyond the preview's part was read");
    } catch (const EPatchScriptError &E) {
        QVERIFY2(E.Message().contains(QLatin1String("first")), qPrintable(E.Message()));
    }
}

void TestPatches::warningsAreCappedWithACount_data() {
    QTest::addColumn<int>("warnings");
    QTest::addColumn<bool>("error"); // a broken line after the warnings
    QTest::addColumn<QString>("last");
    QTest::newRow("up to the cap: all of them") << int(TPatchScriptParser::MaxLogLines) - 1 << false
                                                << "Line 205: Warning: [end] command not found.";
    QTest::newRow("beyond: counted") << 12544 << false << "and 12 345 more";
    QTest::newRow("an error after them is kept") << 500 << true << "Line 506: Error: Syntax error.";
}

// Every bad line gave a warning, all of them joined into one text box.
void TestPatches::warningsAreCappedWithACount() {
    QFETCH(int, warnings);
    QFETCH(bool, error);
    QFETCH(QString, last);
    QByteArray Script = Header + "[mode] M\n";
    for (int I = 0; I < warnings; ++I)
        Script += "[zz] unknown\n";
    if (error)
        Script += "[p1] No comma\n";
    QStringList Log;
    try {
        TPatchList::LoadText(Script, &Log);
        QVERIFY(!error);
    } catch (const TPatchScriptParseException &) {
        QVERIFY(error);
    }
    QVERIFY(Log.size() <= int(TPatchScriptParser::MaxLogLines) + 2);
    QCOMPARE(Log.last(), last);
    QVERIFY(Log.first().startsWith(QLatin1String("Line 6: Warning:")));
}

void TestPatches::loadStopsWhenCancelled() {
    QByteArray Script = Header + "[mode] M\n[g1] G\n";
    for (int I = 0; I < 20000; ++I)
        Script += "[p2, 1, 0] P\n";
    TPatchLoadControl Control;
    Control.Cancel = true;
    QStringList Log;
    QVERIFY_THROWS_EXCEPTION(EPatchLoadCancelled, TPatchList::LoadText(Script, &Log, {}, &Control));
    QVERIFY(Log.isEmpty());
    TPatchLoadControl Running;
    QVERIFY(TPatchList::LoadText(Script, &Log, {}, &Running));
    QCOMPARE(Running.Total.load(), Script.size());
    QVERIFY(Running.Done.load() > 0);
}

// --- Shipped scripts
// -------------------------------------------------------------------------------

void TestPatches::shippedScriptsLoadCleanly_data() {
    QTest::addColumn<QString>("path");
    const QDir Dir(SourcePath(QStringLiteral("resources/patches")));
    const QStringList Files = Dir.entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY2(Files.size() >= 2, qPrintable(Dir.path()));
    for (const QString &File : Files)
        QTest::newRow(qPrintable(File)) << Dir.filePath(File);
}

void TestPatches::shippedScriptsLoadCleanly() {
    QFETCH(QString, path);
    QStringList Log;
    const auto List = TPatchList::Load(path, &Log);
    QCOMPARE(Log, QStringList{});
    QVERIFY(List->ModeCount() > 0);
    QVERIFY(!List->DeviceName().isEmpty());
    // Every program can be found again by its path (the main window relies on it at start).
    int Programs = 0;
    std::function<void(const TPatchModeGroup &)> Walk = [&](const TPatchModeGroup &G) {
        for (int I = 0; I < G.ProgramCount(); ++I, ++Programs) {
            const TPatchProgram *P = G.ProgramAt(I);
            const TPatchProgram *Found = List->FindByPath(P->Path());
            QVERIFY2(Found && Found->Path() == P->Path(), qPrintable(P->Path()));
        }
        for (int I = 0; I < G.GroupCount(); ++I)
            Walk(*G.GroupAt(I));
    };
    for (int I = 0; I < List->ModeCount(); ++I)
        Walk(*List->Mode(I));
    QVERIFY(Programs >= 20);
}

void TestPatches::workstationGolden() {
    const auto List = TPatchList::Load(
        SourcePath(QStringLiteral("resources/patches/Example Workstation.txt")), nullptr);
    QString Expected = QString::fromUtf8(
        ReadFile(SourcePath(QStringLiteral("tests/data/patches/workstation.tree"))));
    QStringList ExpectedLines = Expected.split(QLatin1Char('\n'));
    if (!ExpectedLines.isEmpty() && ExpectedLines.last().isEmpty())
        ExpectedLines.removeLast();
    QCOMPARE(Dump(*List), ExpectedLines);
    QVERIFY(List->SwapBytes());
    QVERIFY(List->MsbFirst());
}

// --- Hostile input
// ---------------------------------------------------------------------------------

void TestPatches::hostileInputs_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error"); // what the full load reports
    QTest::newRow("only [") << QByteArray("[") << "Script is not a Cubase Parse File.";
    QTest::newRow("only [c") << QByteArray("[c") << "Line 2: Error: Empty patch script file.";
    QTest::newRow("NUL bytes") << QByteArray(4096, '\0') << "Script is not a Cubase Parse File.";
    QTest::newRow("NULs after [c")
        << QByteArray("[c") + QByteArray(4096, '\0') << "Line 2: Error: Empty patch script file.";
    QTest::newRow("endless first line")
        << QByteArray("[cubase parse file") + QByteArray(4 << 20, 'a')
        << "Line 2: Error: Empty patch script file.";
    QTest::newRow("endless name") << Header + "[mode] " + QByteArray(4 << 20, 'n') << "";
    QTest::newRow("only brackets") << QByteArray("[c]") + QByteArray(100000, ']')
                                   << "Line 1: Error: Script is not a Cubase Parse File.";
    QTest::newRow("a million empty lines") << QByteArray("[c") + QByteArray(1000000, '\r')
                                           << "Line 1000001: Error: Empty patch script file.";
    QTest::newRow("number with a thousand digits")
        << Header + "[mode] M\n[p1, " + QByteArray(1000, '9') + ", 0] X"
        << "Line 6: Error: Number expected.";
}

void TestPatches::hostileInputs() {
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QCOMPARE(LoadScript(text).Error, error);
    LoadScript(text, true);
}

// Thousands of damaged variants of a realistic script: each loads or fails with a script error,
// nothing else escapes, and what loads holds together.
void TestPatches::mutatedScriptsNeverEscape() {
    const QByteArray Seed =
        ReadFile(SourcePath(QStringLiteral("resources/patches/Example Workstation.txt")));
    QVERIFY(!Seed.isEmpty());
    const QByteArray Tokens[] = {
        "[",  "]", ",",      "-",     "\r",       "\n",     "\0",           "g9",
        "p1", "k", "[mode]", "[end]", "[sorted]", "[g1] x", "[p2, 1, 2] y", "[k 300] z"};
    QRandomGenerator Random(20240611);
    int Loaded = 0;
    for (int Round = 0; Round < 3000; ++Round) {
        QByteArray Text = Seed;
        const int Edits = 1 + Random.bounded(8);
        for (int E = 0; E < Edits; ++E) {
            const int At = Random.bounded(int(Text.size()) + 1);
            switch (Random.bounded(4)) {
            case 0:
                Text.insert(At, Tokens[Random.bounded(int(std::size(Tokens)))]);
                break;
            case 1:
                Text.remove(At, Random.bounded(40));
                break;
            case 2:
                if (At < Text.size())
                    Text[At] = char(Random.bounded(256));
                break;
            default:
                Text.truncate(At);
                break;
            }
        }
        const QString Broken = PatchCheck::CheckScript(Text);
        QVERIFY2(Broken.isEmpty(), qPrintable(Broken));
        try {
            TPatchList::LoadText(Text, nullptr);
            ++Loaded;
        } catch (const EPatchScriptError &) {
        }
    }
    QVERIFY(Loaded > 0);
}

// Inputs the fuzzer once found a fault with.
void TestPatches::fuzzRegressions() {
    const QDir Dir(SourcePath(QStringLiteral("tests/data/patches/regressions")));
    const QStringList Files = Dir.entryList(QDir::Files);
    QVERIFY(!Files.isEmpty());
    for (const QString &File : Files) {
        const QString Broken = PatchCheck::CheckScript(ReadFile(Dir.filePath(File)));
        QVERIFY2(Broken.isEmpty(), qPrintable(File + QStringLiteral(": ") + Broken));
    }
}

QTEST_GUILESS_MAIN(TestPatches)
#include "tst_patches.moc"
