#pragma once

// The line tokenizer of patch script files (the patch-name script text format of Cubase).
//
// A script is a list of lines; command lines look like "[command words] rest". The parser walks
// the command lines one by one (NextCommand), and the grammar consumes the command's words from
// the front (TakeWord, TakeLevel, TakeNumber). Bytes are single-byte text (Latin-1), so any file
// decodes; the parser keeps views into the one buffer it owns and allocates nothing per line.

#include "core/patcherrors.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <string_view>

class TPatchScriptParser {
public:
    // How many bytes the file check reads from the start of a file.
    static constexpr qsizetype CheckSize = 512;
    // Longest command text quoted in a warning; longer ones are cut and end in "...".
    static constexpr qsizetype MaxQuotedLength = 200;

    // Takes the whole script. Warnings and errors are appended to Log when it is given; without
    // it warnings are dropped (errors are still raised).
    explicit TPatchScriptParser(QByteArray Text, QStringList *Log = nullptr);

    // The file check made before parsing: Head is the start of the file (at most CheckSize
    // bytes). Throws EPatchScriptError "Script is not a Cubase Parse File." unless it begins,
    // after optional blanks and line ends, with "[", optional blanks and a lower-case "c".
    static void CheckScriptStart(QByteArrayView Head);

    // Opens FileName, runs the file check on its first bytes and returns the whole file, read
    // through one open handle (a file replaced or removed meanwhile cannot mix two versions).
    // Throws EPatchFileError when the file cannot be opened or read, EPatchScriptError from
    // the check.
    static QByteArray ReadScriptFile(const QString &FileName);

    // Advances to the next command line; false at "[end…" or at the end of the script.
    bool NextCommand();
    // Whether Command begins with Word (ignoring case).
    bool CommandStartsWith(std::string_view Word) const;
    // Removes Word from the front of Command (ignoring case) and trims the rest.
    bool TakeWord(std::string_view Word);
    // "<Letter><digit>" at the front of Command (the letter's case matters): Level = the digit,
    // which must be 1..9, else the error "Syntax error.".
    bool TakeLevel(char Letter, int &Level);
    // A decimal number, optionally negative, at the front of Command; "Number expected." when
    // there is none or it does not fit 32 bits. With Remove the number is taken off Command.
    int TakeNumber(bool Remove);
    void ClearCommand() { FCommand = {}; }

    // "Line <n>: Warning: <Message>" into the log, if any.
    void Warning(const QString &Message);
    // Message = Format with its "%s" replaced by Argument (cut to MaxQuotedLength).
    void WarningFormat(const QString &Format, const QString &Argument);
    // "Line <n>: Error: <Message>" into the log, if any, and raised as TPatchScriptParseException.
    [[noreturn]] void Error(const QString &Message);

    // Index of the current line: -1 before the first, the line count after the last.
    qsizetype LineIndex() const { return FLineIndex; }
    // The unconsumed, trimmed text inside the brackets of the current command.
    QString Command() const { return Latin1(FCommand); }
    // The trimmed text after the closing bracket.
    QString Rest() const { return Latin1(FRest); }
    std::string_view CommandText() const { return FCommand; }
    std::string_view RestText() const { return FRest; }
    QStringList *Log() const { return FLog; }

    static QString Latin1(std::string_view Text) {
        return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
    }

private:
    // The next line of the text (without its terminator), or false at the end.
    bool NextLine(std::string_view &Line);

    QByteArray FText;
    QStringList *FLog;
    size_t FPos = 0;          // start of the next unread line in FText
    qsizetype FLinesRead = 0; // lines taken so far
    qsizetype FLineIndex = -1;
    std::string_view FCommand;
    std::string_view FRest;
};
