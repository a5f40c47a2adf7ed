#include "core/patchscriptparser.h"

#include "core/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

QString NotAScript() {
    return QCoreApplication::translate("TPatchScriptParser", "Script is not a Cubase Parse File.");
}

// Everything up to the blank counts as white space in a script line, NUL included.
std::string_view Trim(std::string_view Text) {
    size_t Begin = 0;
    size_t End = Text.size();
    while (Begin < End && static_cast<unsigned char>(Text[Begin]) <= 32)
        ++Begin;
    while (End > Begin && static_cast<unsigned char>(Text[End - 1]) <= 32)
        --End;
    return Text.substr(Begin, End - Begin);
}

constexpr char AsciiLower(char C) {
    return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C;
}

// Keywords are ASCII, so folding ASCII letters is enough to compare them without case.
bool StartsWithNoCase(std::string_view Text, std::string_view Word) {
    if (Text.size() < Word.size())
        return false;
    for (size_t I = 0; I < Word.size(); ++I) {
        if (AsciiLower(Text[I]) != AsciiLower(Word[I]))
            return false;
    }
    return true;
}

constexpr bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

// Skipped around the first "[" by the file check: blanks, line ends, tabs and backspace.
constexpr bool IsCheckBlank(char C) {
    return C == ' ' || (C >= 8 && C <= 13);
}

// Bytes 0x80..0x9F of Windows-1252; the five it leaves undefined keep their Latin-1 meaning.
constexpr std::array<char16_t, 32> Cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView Utf16LEBom("\xFF\xFE");
constexpr QByteArrayView Utf16BEBom("\xFE\xFF");

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(QByteArrayView Text) {
    const auto *P = reinterpret_cast<const unsigned char *>(Text.data());
    const auto *End = P + Text.size();
    while (P < End) {
        if (*P < 0x80) {
            ++P;
            continue;
        }
        int Length;
        unsigned char Low = 0x80; // bounds of the second byte
        unsigned char High = 0xBF;
        if (*P >= 0xC2 && *P <= 0xDF) {
            Length = 2;
        } else if (*P >= 0xE0 && *P <= 0xEF) {
            Length = 3;
            if (*P == 0xE0)
                Low = 0xA0;
            else if (*P == 0xED)
                High = 0x9F;
        } else if (*P >= 0xF0 && *P <= 0xF4) {
            Length = 4;
            if (*P == 0xF0)
                Low = 0x90;
            else if (*P == 0xF4)
                High = 0x8F;
        } else {
            return false;
        }
        if (End - P < Length || P[1] < Low || P[1] > High)
            return false;
        for (int I = 2; I < Length; ++I) {
            if (P[I] < 0x80 || P[I] > 0xBF)
                return false;
        }
        P += Length;
    }
    return true;
}

void AppendUtf8(QByteArray &Out, char16_t Code) {
    if (Code < 0x800) {
        Out += static_cast<char>(0xC0 | (Code >> 6));
    } else {
        Out += static_cast<char>(0xE0 | (Code >> 12));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    }
    Out += static_cast<char>(0x80 | (Code & 0x3F));
}

QByteArray AnsiToUtf8(QByteArrayView Text) {
    QByteArray Out;
    Out.reserve(Text.size() + Text.size() / 8);
    for (const char C : Text) {
        const auto Byte = static_cast<unsigned char>(C);
        if (Byte < 0x80)
            Out += C;
        else
            AppendUtf8(Out, Byte < 0xA0 ? Cp1252High[Byte - 0x80] : char16_t{Byte});
    }
    return Out;
}

QByteArray Utf16ToUtf8(QByteArrayView Text, QStringConverter::Encoding Encoding) {
    // The mark is already off; a second one is text.
    QStringDecoder Decoder(Encoding, QStringConverter::Flag::ConvertInitialBom);
    return QString(Decoder.decode(Text)).toUtf8();
}

// The file check on text that is already UTF-8.
void CheckTextStart(QByteArrayView Text) {
    qsizetype I = 0;
    while (I < Text.size() && IsCheckBlank(Text[I]))
        ++I;
    if (I >= Text.size() || Text[I] != '[')
        throw EPatchScriptError(NotAScript());
    ++I;
    while (I < Text.size() && IsCheckBlank(Text[I]))
        ++I;
    if (I >= Text.size() || Text[I] != 'c')
        throw EPatchScriptError(NotAScript());
}

QString LineText(qsizetype LineIndex, const char *Kind, const QString &Message) {
    return QCoreApplication::translate("TPatchScriptParser", "Line ") +
           QString::number(LineIndex + 1) + QLatin1String(": ") + QLatin1String(Kind) +
           QLatin1String(": ") + Message;
}

} // namespace

TPatchScriptParser::TPatchScriptParser(QByteArray Text, QStringList *Log,
                                       TPatchLoadControl *Control)
    : FText(DecodeScript(std::move(Text))), FLog(Log), FControl(Control) {
    if (FControl)
        FControl->Total.store(FText.size(), std::memory_order_relaxed);
}

TPatchScriptParser::TEncoding TPatchScriptParser::DetectEncoding(QByteArrayView Text) {
    if (Text.startsWith(Utf8Bom))
        return TEncoding::Utf8Bom;
    if (Text.startsWith(Utf16LEBom))
        return TEncoding::Utf16LE;
    if (Text.startsWith(Utf16BEBom))
        return TEncoding::Utf16BE;
    // ANSI text with letters beyond ASCII is almost never valid UTF-8 by chance.
    return IsValidUtf8(Text) ? TEncoding::Utf8 : TEncoding::Ansi;
}

QByteArray TPatchScriptParser::DecodeScript(QByteArray Text) {
    switch (DetectEncoding(Text)) {
    case TEncoding::Utf8:
        return Text;
    case TEncoding::Utf8Bom:
        return Text.sliced(Utf8Bom.size());
    case TEncoding::Utf16LE:
        return Utf16ToUtf8(QByteArrayView(Text).sliced(2), QStringConverter::Utf16LE);
    case TEncoding::Utf16BE:
        return Utf16ToUtf8(QByteArrayView(Text).sliced(2), QStringConverter::Utf16BE);
    case TEncoding::Ansi:
        break;
    }
    return AnsiToUtf8(Text);
}

void TPatchScriptParser::CheckScriptStart(QByteArrayView Head) {
    Head = Head.first(std::min(Head.size(), CheckSize));
    // Only a mark changes where the first "[" and "c" stand; ANSI and UTF-8 have them as ASCII.
    if (Head.startsWith(Utf8Bom))
        CheckTextStart(Head.sliced(Utf8Bom.size()));
    else if (Head.startsWith(Utf16LEBom))
        CheckTextStart(Utf16ToUtf8(Head.sliced(2), QStringConverter::Utf16LE));
    else if (Head.startsWith(Utf16BEBom))
        CheckTextStart(Utf16ToUtf8(Head.sliced(2), QStringConverter::Utf16BE));
    else
        CheckTextStart(Head);
}

QByteArray TPatchScriptParser::ReadScriptFile(const QString &FileName, bool HeadOnly,
                                              bool *Truncated) {
    const auto Read = [&FileName](qint64 MaxSize, qint64 Head, bool *Longer) {
        QByteArray Text;
        QString Error;
        switch (ReadRegularFile(FileName, MaxSize, Text, Error, Head, Longer)) {
        case TFileReadResult::Read:
            break;
        case TFileReadResult::Missing:
            throw EPatchFileError(
                QCoreApplication::translate("TPatchScriptParser", "Cannot open \"%1\": %2")
                    .arg(FileName, QString::fromLocal8Bit(std::strerror(ENOENT))));
        case TFileReadResult::Unreadable:
            throw EPatchFileError(
                QCoreApplication::translate("TPatchScriptParser", "Cannot read \"%1\": %2")
                    .arg(FileName, Error));
        case TFileReadResult::TooLarge:
            throw EPatchFileError(
                QCoreApplication::translate(
                    "TPatchScriptParser",
                    "Cannot read \"%1\": %2, and a patch script may have at most %3.")
                    .arg(FileName, Error, FileSizeText(MaxFileSize)));
        }
        return Text;
    };
    // The start first: a file that is no script at all is refused without reading more.
    CheckScriptStart(Read(0, CheckSize, nullptr));
    QByteArray Text = HeadOnly ? Read(0, std::max(HeadSize, CheckSize), Truncated)
                               : Read(MaxFileSize, -1, nullptr);
    // Read through another open: the file may have been replaced meanwhile.
    CheckScriptStart(Text);
    return Text;
}

void TPatchScriptParser::FinishLog() {
    if (!FLog || FDropped == 0)
        return;
    // "12 345": the digits grouped by threes, as the number is read.
    QString Digits = QString::number(FDropped);
    for (qsizetype At = Digits.size() - 3; At > 0; At -= 3)
        Digits.insert(At, QLatin1Char(' '));
    FLog->append(QCoreApplication::translate("TPatchScriptParser", "and %1 more").arg(Digits));
    FDropped = 0;
}

bool TPatchScriptParser::NextLine(std::string_view &Line) {
    const char *Data = FText.constData();
    const size_t Size = static_cast<size_t>(FText.size());
    if (FPos >= Size)
        return false;
    size_t End = FPos;
    while (End < Size && Data[End] != '\n' && Data[End] != '\r')
        ++End;
    Line = std::string_view(Data + FPos, End - FPos);
    // CR, LF and CR LF each end one line.
    if (End + 1 < Size && Data[End] == '\r' && Data[End + 1] == '\n')
        FPos = End + 2;
    else
        FPos = End + 1;
    return true;
}

bool TPatchScriptParser::NextCommand() {
    FCommand = {};
    FRest = {};
    for (;;) {
        std::string_view Line;
        for (;;) {
            if (!NextLine(Line)) {
                FLineIndex = FLinesRead;
                Warning(
                    QCoreApplication::translate("TPatchScriptParser", "[end] command not found."));
                return false;
            }
            FLineIndex = FLinesRead++;
            if (FControl && (FLinesRead & 4095) == 0) {
                FControl->Done.store(qint64(FPos), std::memory_order_relaxed);
                if (FControl->Cancel.load(std::memory_order_relaxed))
                    throw EPatchLoadCancelled();
            }
            Line = Trim(Line);
            if (!Line.empty())
                break;
        }
        const size_t Close = Line.find(']');
        if (Line.front() == '[' && Close != std::string_view::npos && Close >= 2) {
            const std::string_view Command = Trim(Line.substr(1, Close - 1));
            if (StartsWithNoCase(Command, "comment"))
                continue;
            if (StartsWithNoCase(Command, "end"))
                return false;
            FCommand = Command;
            FRest = Trim(Line.substr(Close + 1));
            return true;
        }
        if (FLog)
            Warning(QCoreApplication::translate("TPatchScriptParser", "Syntax error."));
    }
}

bool TPatchScriptParser::CommandStartsWith(std::string_view Word) const {
    return StartsWithNoCase(FCommand, Word);
}

bool TPatchScriptParser::TakeWord(std::string_view Word) {
    if (!StartsWithNoCase(FCommand, Word))
        return false;
    FCommand = Trim(FCommand.substr(Word.size()));
    return true;
}

bool TPatchScriptParser::TakeLevel(char Letter, int &Level) {
    if (FCommand.size() < 2 || FCommand[0] != Letter)
        return false;
    Level = FCommand[1] - '0';
    if (FCommand[1] < '1' || FCommand[1] > '9')
        Error(QCoreApplication::translate("TPatchScriptParser", "Syntax error."));
    FCommand = Trim(FCommand.substr(2));
    return true;
}

int TPatchScriptParser::TakeNumber(bool Remove) {
    constexpr int64_t Limit = int64_t{std::numeric_limits<int>::max()} + 1;
    const bool Negative = !FCommand.empty() && FCommand[0] == '-';
    size_t End = Negative ? 1 : 0;
    const size_t First = End;
    int64_t Value = 0;
    for (; End < FCommand.size() && IsDigit(FCommand[End]); ++End) {
        // Past the limit the exact value no longer matters, only that it does not fit.
        if (Value <= Limit)
            Value = Value * 10 + (FCommand[End] - '0');
    }
    if (End == First)
        Error(QCoreApplication::translate("TPatchScriptParser", "Number expected."));
    if (Negative)
        Value = -Value;
    if (Value > std::numeric_limits<int>::max() || Value < std::numeric_limits<int>::min())
        Error(QCoreApplication::translate("TPatchScriptParser", "Number expected."));
    if (Remove)
        FCommand = Trim(FCommand.substr(End));
    return static_cast<int>(Value);
}

void TPatchScriptParser::Warning(const QString &Message) {
    if (!FLog)
        return;
    // A script of a million bad lines must not make a million lines to show.
    if (FWarnings >= MaxLogLines) {
        ++FDropped;
        return;
    }
    ++FWarnings;
    FLog->append(LineText(FLineIndex, "Warning", Message));
}

void TPatchScriptParser::WarningFormat(const QString &Format, const QString &Argument) {
    if (!FLog)
        return;
    if (FWarnings >= MaxLogLines) {
        ++FDropped;
        return;
    }
    const QString Quoted = Argument.size() > MaxQuotedLength
                               ? Argument.left(MaxQuotedLength) + QLatin1String("...")
                               : Argument;
    QString Message = Format;
    const qsizetype At = Message.indexOf(QLatin1String("%s"));
    if (At >= 0)
        Message.replace(At, 2, Quoted);
    Warning(Message);
}

void TPatchScriptParser::Error(const QString &Message) {
    const QString Text = LineText(FLineIndex, "Error", Message);
    FinishLog();
    if (FLog)
        FLog->append(Text);
    throw TPatchScriptParseException(Text);
}
