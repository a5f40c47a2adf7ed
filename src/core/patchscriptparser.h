#pragma once

// The line tokenizer of patch script files (the patch-name script text format of Cubase).
//
// A script is a list of lines; command lines look like "[command words] rest". The parser walks
// the command lines one by one (NextCommand), and the grammar consumes the command's words from
// the front (TakeWord, TakeLevel, TakeNumber). The parser keeps views into the one buffer it owns
// and allocates nothing per line.
//
// Scripts come from many programs and systems: ANSI text (Windows-1252, of which Latin-1 is a
// part), UTF-8 with or without a byte-order mark, and UTF-16 with a mark. The parser decodes
// them all into UTF-8 first (DecodeScript); the grammar's words are ASCII in every one of them.

#include "core/patcherrors.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <atomic>
#include <string_view>

// Shared between a load on a worker thread and the window that shows it: how far the parser
// got, and a request to stop, which it meets within a few thousand lines.
struct TPatchLoadControl {
    std::atomic<qint64> Done{0};  // bytes of the script's text parsed
    std::atomic<qint64> Total{0}; // bytes of the script's text
    std::atomic<bool> Cancel{false};
};

class TPatchScriptParser {
public:
    // How many bytes the file check reads from the start of a file.
    static constexpr qsizetype CheckSize = 512;
    // Longest command text quoted in a warning; longer ones are cut and end in "...".
    static constexpr qsizetype MaxQuotedLength = 200;
    // Larger files are refused: real scripts are kilobytes to a few megabytes.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
    // How much of a file the header preview reads.
    static constexpr qint64 HeadSize = 256 * 1024;
    // Warnings kept in the log; for the rest one line counts them ("and 12 345 more"). An error
    // is always kept.
    static constexpr qsizetype MaxLogLines = 200;

    // Takes the whole script, in any of the encodings above. Warnings and errors are appended to
    // Log when it is given; without it warnings are dropped (errors are still raised).
    explicit TPatchScriptParser(QByteArray Text, QStringList *Log = nullptr,
                                TPatchLoadControl *Control = nullptr);

    enum class TEncoding { Ansi, Utf8, Utf8Bom, Utf16LE, Utf16BE };

    // How Text is encoded: a byte-order mark decides; without one, text that is valid UTF-8 and
    // not plain ASCII is UTF-8, anything else ANSI (Windows-1252).
    static TEncoding DetectEncoding(QByteArrayView Text);
    // Text as UTF-8 without a byte-order mark, whatever it was. Plain ASCII and valid UTF-8 are
    // returned as they are, without a copy.
    static QByteArray DecodeScript(QByteArray Text);

    // The file check made before parsing: Head is the start of the file (at most CheckSize
    // bytes, in any of the encodings above). Throws EPatchScriptError "Script is not a Cubase
    // Parse File." unless its text begins, after optional blanks and line ends, with "[",
    // optional blanks and a lower-case "c".
    static void CheckScriptStart(QByteArrayView Head);

    // Runs the file check on the first bytes of FileName and returns the whole file (at most
    // MaxFileSize bytes), or with HeadOnly its first HeadSize bytes (Truncated: whether there
    // is more). Only a regular file is read; a FIFO or device is refused without waiting.
    // Throws EPatchFileError when the file cannot be opened or read or is too large,
    // EPatchScriptError from the check.
    static QByteArray ReadScriptFile(const QString &FileName, bool HeadOnly = false,
                                     bool *Truncated = nullptr);

    // Advances to the next command line; false at "[end…" or at the end of the script. Throws
    // EPatchLoadCancelled when the control asks to stop.
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
    // Ends the log: the count of the warnings left out, if any ("and 12 345 more").
    void FinishLog();

    // Index of the current line: -1 before the first, the line count after the last.
    qsizetype LineIndex() const { return FLineIndex; }
    // The unconsumed, trimmed text inside the brackets of the current command.
    QString Command() const { return Utf8(FCommand); }
    // The trimmed text after the closing bracket.
    QString Rest() const { return Utf8(FRest); }
    std::string_view CommandText() const { return FCommand; }
    std::string_view RestText() const { return FRest; }
    QStringList *Log() const { return FLog; }

    // For the grammar's own words, which are ASCII.
    static QString Latin1(std::string_view Text) {
        return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
    }
    // For the script's text: the parser holds it as UTF-8.
    static QString Utf8(std::string_view Text) {
        return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
    }

private:
    // The next line of the text (without its terminator), or false at the end.
    bool NextLine(std::string_view &Line);

    QByteArray FText;
    QStringList *FLog;
    TPatchLoadControl *FControl;
    size_t FPos = 0;          // start of the next unread line in FText
    qsizetype FLinesRead = 0; // lines taken so far
    qsizetype FLineIndex = -1;
    qsizetype FWarnings = 0; // in the log
    qsizetype FDropped = 0;  // left out of it
    std::string_view FCommand;
    std::string_view FRest;
};
