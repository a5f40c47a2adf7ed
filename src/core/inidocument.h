#pragma once

// The text of an .ini file held in memory, behind TIniFile and TRegistryIniFile; the only place
// that knows SimpleIni. Names compare without regard to case (also beyond ASCII), sections and
// values keep the order in which they were read or added, values are kept raw. Not thread-safe.

#include <QByteArray>
#include <QList>
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

    // Larger files are not read (Unreadable): settings fill some kilobytes, and a file of
    // gigabytes would fill the memory.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    TIniDocument();
    ~TIniDocument();
    TIniDocument(const TIniDocument &) = delete;
    TIniDocument &operator=(const TIniDocument &) = delete;

    // Replaces the contents with the file's, which must be a regular file (a FIFO or device is
    // Unreadable at once, without waiting) of at most MaxFileSize bytes. Text in UTF-8, UTF-16
    // (with byte-order mark) or, failing UTF-8, Windows-1252 is read; line ends may be CRLF, LF or
    // CR. Lenient reading skips lines that are not .ini lines, and the values below a broken
    // section line (up to the next section); strict reading reports them (and NUL bytes) as
    // Malformed. Given Skipped, lenient reading lists the numbers (from 1) of the lines it skipped
    // there, and a text holding a NUL byte is no text file: Malformed.
    TLoadResult Load(const QString &FileName, bool Strict, QString *Error = nullptr,
                     QList<qsizetype> *Skipped = nullptr);
    // The same from text in memory.
    TLoadResult LoadText(const QByteArray &Raw, bool Strict, QList<qsizetype> *Skipped = nullptr);
    // Makes this document a copy of Other (not modified).
    void Assign(const TIniDocument &Other);

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

    // Changes this document as Before was changed into After: every value set, changed or
    // deleted there, every section added, and every section removed there that has no values
    // left here; what Before and After agree on stays as it is here. With AddMissing, values
    // and sections of After that this document lacks are added as well. True when anything
    // changed.
    bool ApplyChanges(const TIniDocument &Before, const TIniDocument &After,
                      bool AddMissing = false);

    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

private:
    struct TImpl;
    std::unique_ptr<TImpl> d;
    bool FModified = false;
};
