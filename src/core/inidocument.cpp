#include "core/inidocument.h"

#include "core/atomicfile.h"
#include "core/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

// Text is decoded here, before SimpleIni sees it; it only ever holds UTF-8.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION // the template code, for our own comparator
#include <SimpleIni.h>

#include <string>

namespace {

// Names and values as they stand: QString::fromUtf8 would drop a U+FEFF at the start, so that
// a name like that could neither be found again nor told from the name without it.
QString FromUtf8(const char *Text) {
    QStringDecoder Decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return Decoder.decode(QByteArrayView(Text));
}

// Case-insensitive order of UTF-8 names: ASCII fast, everything else through Qt's case folding,
// so that "Flöte" and "FLÖTE" name the same preset.
struct TNoCaseLess {
    static char Lower(unsigned char C) { return char(C >= 'A' && C <= 'Z' ? C - 'A' + 'a' : C); }
    bool operator()(const char *Left, const char *Right) const {
        for (;; ++Left, ++Right) {
            const auto L = static_cast<unsigned char>(*Left);
            const auto R = static_cast<unsigned char>(*Right);
            if ((L | R) & 0x80)
                return FromUtf8(Left).compare(FromUtf8(Right), Qt::CaseInsensitive) < 0;
            if (Lower(L) != Lower(R))
                return Lower(L) < Lower(R);
            if (L == 0)
                return false;
        }
    }
};

using TSimpleIni = CSimpleIniTempl<char, TNoCaseLess, SI_ConvertA<char>>;

// Everything becomes UTF-8 without byte-order mark: .ini files written on Windows come as ANSI
// (Windows-1252), UTF-8 with or without mark, or UTF-16 with mark.
QByteArray ToUtf8(const QByteArray &Raw) {
    const auto Decode = [](QStringDecoder &&Decoder, const QByteArray &Bytes) {
        return QString(Decoder.decode(Bytes)).toUtf8();
    };
    if (Raw.startsWith("\xFF\xFE"))
        return Decode(QStringDecoder(QStringConverter::Utf16LE), Raw.mid(2));
    if (Raw.startsWith("\xFE\xFF"))
        return Decode(QStringDecoder(QStringConverter::Utf16BE), Raw.mid(2));
    const QByteArray Body = Raw.startsWith("\xEF\xBB\xBF") ? Raw.mid(3) : Raw;
    QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString Decoded = Utf8.decode(Body);
    if (!Utf8.hasError())
        return Body;
    QStringDecoder Ansi("windows-1252");
    if (Ansi.isValid())
        return Decode(std::move(Ansi), Body);
    return QString::fromLatin1(Body).toUtf8();
}

// Blank lines, comments, section headers and name=value lines.
bool IsIniLine(QByteArrayView Line) {
    const QByteArrayView Text = Line.trimmed();
    return Text.isEmpty() || Text.startsWith(';') || Text.startsWith('#') ||
           (Text.startsWith('[') && Text.contains(']')) ||
           (!Text.startsWith('[') && Text.indexOf('=') > 0);
}

bool IsSectionLine(QByteArrayView Line) {
    return Line.trimmed().startsWith('[');
}

// Calls Take(line, number from 1) for each line of Text; CR LF, LF and CR each end one.
template <typename F> void ForEachLine(QByteArrayView Text, F Take) {
    qsizetype Start = 0;
    qsizetype Number = 1;
    const qsizetype Size = Text.size();
    while (Start < Size) {
        qsizetype End = Start;
        while (End < Size && Text[End] != '\n' && Text[End] != '\r')
            ++End;
        Take(Text.sliced(Start, End - Start), Number++);
        if (End + 1 < Size && Text[End] == '\r' && Text[End + 1] == '\n')
            ++End;
        Start = End + 1;
    }
}

// Our own files hold nothing but .ini lines; anything else (a file of NUL bytes after a crash, a
// binary file) means the file is damaged.
bool IsIniText(const QByteArray &Utf8) {
    if (Utf8.contains('\0'))
        return false;
    bool Ok = true;
    ForEachLine(Utf8, [&Ok](QByteArrayView Line, qsizetype) { Ok = Ok && IsIniLine(Line); });
    return Ok;
}

// The .ini lines of the text, up to a NUL (where SimpleIni would stop); the numbers of the lines
// left out go to Skipped. Other lines must not reach SimpleIni: after a '[' line without ']' it
// files the next value under a section name that runs on into that value's line. The values
// after such a broken section line are left out too, up to the next section: they belong to a
// section that cannot be read, and filed under the one before they would change it.
QByteArray IniLinesOf(const QByteArray &Utf8, QList<qsizetype> *Skipped) {
    QByteArray Kept;
    Kept.reserve(Utf8.size());
    bool Orphaned = false;
    ForEachLine(QByteArrayView(Utf8).first(qstrnlen(Utf8.constData(), Utf8.size())),
                [&](QByteArrayView Line, qsizetype Number) {
                    const bool Section = IsSectionLine(Line);
                    bool Keep = IsIniLine(Line);
                    if (Section)
                        Orphaned = !Keep;
                    else if (Orphaned && !Line.trimmed().isEmpty() &&
                             !Line.trimmed().startsWith(';') && !Line.trimmed().startsWith('#'))
                        Keep = false;
                    if (Keep) {
                        Kept += Line;
                        Kept += '\n';
                    } else if (Skipped) {
                        Skipped->append(Number);
                    }
                });
    return Kept;
}

// A value name a line of the file reads back as: not empty, no '=' in it, and not starting like a
// comment or a section header.
bool IsStorableIdent(const QByteArray &Name) {
    return !Name.isEmpty() && !Name.contains('=') && !Name.startsWith(';') &&
           !Name.startsWith('#') && !Name.startsWith('[');
}

QByteArray StoredUtf8(const QString &Text) {
    return TIniDocument::Storable(Text).toUtf8();
}

QStringList Names(TSimpleIni::TNamesDepend &List) {
    List.sort(TSimpleIni::Entry::LoadOrder());
    QStringList Result;
    Result.reserve(qsizetype(List.size()));
    for (const auto &Entry : List)
        Result.append(FromUtf8(Entry.pItem));
    return Result;
}

} // namespace

struct TIniDocument::TImpl {
    TSimpleIni Ini;
    TImpl() {
        Ini.SetUnicode(true);
        Ini.SetMultiKey(false);
        Ini.SetMultiLine(false); // "<<<" in a value must stay text, not open a block
        Ini.SetQuotes(false);    // values raw: quotes are part of the value
        Ini.SetSpaces(false);    // name=value, as Windows writes it
        Ini.SetAllowKeyOnly(false);
    }
};

// What a line-based file can hold: no line breaks or NULs inside a name or value, no blanks
// around it. Applying this when writing makes a value read back the same before and after a save.
QString TIniDocument::Storable(const QString &Text) {
    QString Line = Text;
    for (QChar &C : Line)
        if (C == u'\r' || C == u'\n' || C == u'\0')
            C = u' ';
    return Line.trimmed();
}

TIniDocument::TIniDocument() : d(std::make_unique<TImpl>()) {}
TIniDocument::~TIniDocument() = default;

TIniDocument::TLoadResult TIniDocument::Load(const QString &FileName, bool Strict, QString *Error,
                                             QList<qsizetype> *Skipped) {
    Clear();
    if (Skipped)
        Skipped->clear();
    QByteArray Raw;
    QString Reason;
    switch (ReadRegularFile(FileName, MaxFileSize, Raw, Reason)) {
    case TFileReadResult::Missing:
        return TLoadResult::Missing;
    case TFileReadResult::Unreadable:
    case TFileReadResult::TooLarge:
        if (Error)
            *Error = Reason;
        return TLoadResult::Unreadable;
    case TFileReadResult::Read:
        break;
    }
    const TLoadResult Result = LoadText(Raw, Strict, Skipped);
    if (Result == TLoadResult::Malformed && Error)
        *Error = Strict ? QCoreApplication::translate("TIniDocument", "it is not a settings file")
                        : QCoreApplication::translate("TIniDocument", "it is not a text file");
    return Result;
}

TIniDocument::TLoadResult TIniDocument::LoadText(const QByteArray &Raw, bool Strict,
                                                 QList<qsizetype> *Skipped) {
    Clear();
    if (Skipped)
        Skipped->clear();
    const QByteArray Utf8 = ToUtf8(Raw);
    if (Strict && !IsIniText(Utf8))
        return TLoadResult::Malformed;
    // No text file holds a NUL: the file as a whole is damaged (zeros after a crash).
    if (Skipped && Utf8.contains('\0'))
        return TLoadResult::Malformed;
    // Lenient reading keeps the .ini lines before a NUL.
    const QByteArray Lines = IniLinesOf(Utf8, Skipped);
    if (d->Ini.LoadData(Lines.constData(), size_t(Lines.size())) < 0) {
        Clear();
        return TLoadResult::Malformed;
    }
    return TLoadResult::Loaded;
}

QByteArray TIniDocument::Text() const {
    std::string Out;
    TSimpleIni::StringWriter Writer(Out);
    d->Ini.Save(Writer, false);
    // A first name starting with U+FEFF would be read as a byte-order mark and lose it.
    if (Out.starts_with("\xEF\xBB\xBF"))
        Out.insert(0, 1, '\n');
    return QByteArray::fromStdString(Out);
}

void TIniDocument::Save(const QString &FileName) const {
    WriteFileAtomically(FileName, Text());
}

void TIniDocument::Clear() {
    d->Ini.Reset();
    FModified = false;
}

bool TIniDocument::Value(const QString &Section, const QString &Ident, QString &Value) const {
    const char *Found =
        d->Ini.GetValue(StoredUtf8(Section).constData(), StoredUtf8(Ident).constData(), nullptr);
    if (!Found)
        return false;
    Value = FromUtf8(Found);
    return true;
}

void TIniDocument::SetValue(const QString &Section, const QString &Ident, const QString &Value) {
    const QByteArray Name = StoredUtf8(Ident);
    const QByteArray SectionName = StoredUtf8(Section);
    // Such a value would not read back, or would be read into another name or section; a line
    // like "[name=value" would even make the whole file look damaged.
    if (!IsStorableIdent(Name) || SectionName.contains(']'))
        return;
    const QByteArray Text = StoredUtf8(Value);
    const char *Old = d->Ini.GetValue(SectionName.constData(), Name.constData(), nullptr);
    if (Old && Text == Old)
        return;
    d->Ini.SetValue(SectionName.constData(), Name.constData(), Text.constData());
    FModified = true;
}

bool TIniDocument::DeleteValue(const QString &Section, const QString &Ident) {
    const bool Deleted =
        d->Ini.Delete(StoredUtf8(Section).constData(), StoredUtf8(Ident).constData(), false);
    FModified = FModified || Deleted;
    return Deleted;
}

bool TIniDocument::HasSection(const QString &Section) const {
    return d->Ini.GetSection(StoredUtf8(Section).constData()) != nullptr;
}

void TIniDocument::AddSection(const QString &Section) {
    if (HasSection(Section))
        return;
    d->Ini.SetValue(StoredUtf8(Section).constData(), nullptr, nullptr);
    FModified = true;
}

bool TIniDocument::DeleteSection(const QString &Section) {
    const bool Deleted = d->Ini.Delete(StoredUtf8(Section).constData(), nullptr);
    FModified = FModified || Deleted;
    return Deleted;
}

QStringList TIniDocument::Sections() const {
    TSimpleIni::TNamesDepend List;
    d->Ini.GetAllSections(List);
    return Names(List);
}

QStringList TIniDocument::Idents(const QString &Section) const {
    TSimpleIni::TNamesDepend List;
    d->Ini.GetAllKeys(StoredUtf8(Section).constData(), List);
    return Names(List);
}

void TIniDocument::Assign(const TIniDocument &Other) {
    if (&Other == this)
        return;
    const QByteArray Copy = Other.Text();
    Clear();
    d->Ini.LoadData(Copy.constData(), size_t(Copy.size()));
}

bool TIniDocument::ApplyChanges(const TIniDocument &Before, const TIniDocument &After,
                                bool AddMissing) {
    bool Changed = false;
    const auto Set = [&](const QString &Section, const QString &Ident, const QString &Text) {
        QString Old;
        if (Value(Section, Ident, Old) && Old == Storable(Text))
            return;
        SetValue(Section, Ident, Text);
        Changed = true;
    };
    const QStringList AfterSections = After.Sections();
    for (const QString &Section : AfterSections) {
        const bool Known = Before.HasSection(Section);
        if ((!Known || AddMissing) && !HasSection(Section)) {
            AddSection(Section);
            Changed = true;
        }
        for (const QString &Ident : After.Idents(Section)) {
            QString Now;
            QString Was;
            After.Value(Section, Ident, Now);
            if (!Before.Value(Section, Ident, Was) || Was != Now)
                Set(Section, Ident, Now);
            else if (AddMissing && !Value(Section, Ident, Was))
                Set(Section, Ident, Now);
        }
    }
    for (const QString &Section : Before.Sections()) {
        const bool Kept = After.HasSection(Section);
        for (const QString &Ident : Before.Idents(Section)) {
            QString Now;
            if (Kept && After.Value(Section, Ident, Now))
                continue;
            if (DeleteValue(Section, Ident))
                Changed = true;
        }
        if (!Kept && HasSection(Section) && Idents(Section).isEmpty()) {
            DeleteSection(Section);
            Changed = true;
        }
    }
    return Changed;
}
