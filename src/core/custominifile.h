#pragma once

// The settings store seen by every reader and writer of settings: sections of named values.
// Two implementations are used interchangeably: TIniFile over a text .ini file (export and
// import) and TRegistryIniFile over the per-user store. Section and value names are compared
// without regard to case.
//
// Value encoding: every value is text. Integers are decimal text, booleans "0" or "1"; an integer
// whose text is not a decimal 32-bit number reads as the default, a boolean is read as an integer
// (non-zero is true). A missing value or section reads as the default, so a reader that passes
// the value it holds as the default keeps it.
//
// A value is one line of text: line breaks in it are stored as blanks, and blanks around it are
// not kept. A section name must not contain ']', and a value name must not contain '=' nor start
// with '[', ';' or '#': such values are not written.

#include <QString>
#include <QStringList>

#include <stdexcept>

// A store that could not be read or saved; Message() is meant for the user.
class EIniFileException : public std::runtime_error {
public:
    explicit EIniFileException(const QString &Message);
    QString Message() const { return FMessage; }

private:
    QString FMessage;
};

class TCustomIniFile {
public:
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile &) = delete;
    TCustomIniFile &operator=(const TCustomIniFile &) = delete;

    // The file behind the store.
    virtual QString FileName() const = 0;

    virtual QString ReadString(const QString &Section, const QString &Ident,
                               const QString &Default) const = 0;
    virtual void WriteString(const QString &Section, const QString &Ident,
                             const QString &Value) = 0;

    int ReadInteger(const QString &Section, const QString &Ident, int Default) const;
    void WriteInteger(const QString &Section, const QString &Ident, int Value);
    bool ReadBool(const QString &Section, const QString &Ident, bool Default) const;
    void WriteBool(const QString &Section, const QString &Ident, bool Value);

    virtual bool ValueExists(const QString &Section, const QString &Ident) const = 0;
    virtual bool SectionExists(const QString &Section) const = 0;
    // The section names, in the order the store holds them.
    virtual QStringList ReadSections() const = 0;
    // The value names of one section, in the order the store holds them.
    virtual QStringList ReadSection(const QString &Section) const = 0;
    virtual void EraseSection(const QString &Section) = 0;
    virtual void DeleteKey(const QString &Section, const QString &Ident) = 0;

    // Writes the changes to disk now, atomically; throws EIniFileException when that fails, in
    // which case the file on disk is the last one saved.
    virtual void UpdateFile() = 0;

    // Integer text of the store: decimal with an optional sign, blanks around it allowed.
    static bool ParseInteger(const QString &Text, int &Value);

protected:
    TCustomIniFile() = default;
};
