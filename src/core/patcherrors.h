#pragma once

// Exceptions of the patch script reader and the patch set model.
//
// A caller loading a script catches EPatchScriptError. A TPatchScriptParseException is already
// in the parser's log (with its line number); any other EPatchScriptError (file errors, "Script
// is not a Cubase Parse File.", a missing patch-name section) is not, and the caller adds its
// Message() to the log itself.

#include <QString>

#include <stdexcept>

class EPatchScriptError : public std::runtime_error {
public:
    explicit EPatchScriptError(const QString &Message)
        : std::runtime_error(Message.toStdString()), FMessage(Message) {}
    const QString &Message() const { return FMessage; }

private:
    QString FMessage;
};

// The file could not be opened or read; the message names the file and the reason.
class EPatchFileError : public EPatchScriptError {
public:
    using EPatchScriptError::EPatchScriptError;
};

// An error at a line of the script: "Line 12: Error: Syntax error.".
class TPatchScriptParseException : public EPatchScriptError {
public:
    using EPatchScriptError::EPatchScriptError;
};

// The load was cancelled (TPatchLoadControl::Cancel); nothing is in the log.
class EPatchLoadCancelled : public EPatchScriptError {
public:
    EPatchLoadCancelled() : EPatchScriptError(QStringLiteral("Loading was cancelled.")) {}
};

// A programming error on the patch set's lists (bad index, bad argument). Message() is
// "Index out of bounds" or "Assertion failure"; what() adds the unit.
class EPatchAssertion : public std::logic_error {
public:
    explicit EPatchAssertion(const QString &Message,
                             const QString &Unit = QStringLiteral("UPatchList"))
        : std::logic_error(QStringLiteral("%1 (%2)").arg(Message, Unit).toStdString()),
          FMessage(Message), FUnit(Unit) {}
    const QString &Message() const { return FMessage; }
    const QString &Unit() const { return FUnit; }

private:
    QString FMessage;
    QString FUnit;
};
