#pragma once

// The text of an .ini file held in memory, behind TIniFile and TRegistryIniFile; the only place
// that knows SimpleIni. Names compare without regard to case (also beyond ASCII), sections and
// values keep the order in which they were read or added, values are kept raw. Not thread-safe.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class TIniDocument {
public:
    enum class TLoadResult {
        Loaded,     // read (possibly empty)
        Missing,    // no file: the document is empty
        Unreadable, // the file exists but cannot be read: the document is empty
        Malformed,  // only with strict reading: the text is not .ini text; the document is empty
    };

    TIniDocument();
    ~TIniDocument();
    TIniDocument(const TIniDocument &) = delete;
    TIniDocument &operator=(const TIniDocument &) = delete;

    // Replaces the contents with the file's. Text in UTF-8, UTF-16 (with byte-order mark) or,
    // failing UTF-8, Windows-1252 is read; line ends may be CRLF, LF or CR. Lenient reading skips
    // lines that are not .ini lines; strict reading reports them (and NUL bytes) as Malformed.
    TLoadResult Load(const QString &FileName, bool Strict, QString *Error = nullptr);
    // The same from text in memory.
    TLoadResult LoadText(const QByteArray &Raw, bool Strict);

    // The text as it would be saved: UTF-8 without byte-order mark, the platform's line ends.
    QByteArray Text() const;
    // Writes Text() atomically; throws EIniFileException.
    void Save(const QString &FileName) const;

    void Clear();

    // A name or value as the document keeps it: line breaks and NULs become blanks, blanks
    // around it go. Reading back gives exactly this.
    static QString Storable(const QString &Text);

    bool Value(const QString &Section, const QString &Ident, QString &Value) const;
    // Ignored for a name that a line cannot hold (empty, holding '=', or starting with '[', ';'
    // or '#') and for a section name holding ']'.
    void SetValue(const QString &Section, const QString &Ident, const QString &Value);
    bool DeleteValue(const QString &Section, const QString &Ident);
    bool HasSection(const QString &Section) const;
    void AddSection(const QString &Section);
    bool DeleteSection(const QString &Section);
    QStringList Sections() const;
    QStringList Idents(const QString &Section) const;

    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

private:
    struct TImpl;
    std::unique_ptr<TImpl> d;
    bool FModified = false;
};
