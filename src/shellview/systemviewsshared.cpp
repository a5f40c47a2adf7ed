#include "systemviewsshared.h"

#include <QCollator>
#include <QDirIterator>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSet>

#include <algorithm>
#include <limits>

TColumnInfo ColumnInfo(TColumnKind Kind) {
    switch (Kind) {
    case TColumnKind::ckName:
        return {QStringLiteral("Name"), 140, false};
    case TColumnKind::ckSize:
        return {QStringLiteral("Size"), 60, true};
    case TColumnKind::ckType:
        return {QStringLiteral("Type"), 130, false};
    case TColumnKind::ckModified:
        return {QStringLiteral("Modified"), 110, false};
    case TColumnKind::ckAttributes:
        return {QStringLiteral("Attributes"), 50, true};
    case TColumnKind::ckComment:
        return {QStringLiteral("Comment"), 200, false};
    }
    return {QString(), 100, false};
}

QList<TColumnKind> ColumnSet(TColumnType Type) {
    using enum TColumnKind;
    switch (Type) {
    case TColumnType::ctFileSystem:
        return {ckName, ckSize, ckType, ckModified, ckAttributes};
    case TColumnType::ctNetwork:
        return {ckName, ckComment};
    default:
        return {ckName};
    }
}

namespace {

QString Capitalized(QString Text) {
    if (!Text.isEmpty())
        Text[0] = Text[0].toUpper();
    return Text;
}

TFileEntry EntryOf(const QFileInfo &Info) {
    static const QMimeDatabase Mime; // thread-safe, and cheap to keep
    TFileEntry Entry;
    Entry.Name = Info.fileName();
    Entry.IsDir = Info.isDir();
    const bool Exists = Info.exists(); // false for a link whose target is gone
    Entry.Size = Entry.IsDir || !Exists ? 0 : Info.size();
    if (Exists)
        Entry.Modified = Info.lastModified().toUTC();
    if (Exists && !Info.isWritable())
        Entry.Attributes |= TFileAttribute::faReadOnly;
    if (Entry.Name.startsWith(u'.'))
        Entry.Attributes |= TFileAttribute::faHidden;
    if (Exists && !Entry.IsDir && !Info.isFile())
        Entry.Attributes |= TFileAttribute::faSpecial;
    if (Info.isFile() && Info.isExecutable())
        Entry.Attributes |= TFileAttribute::faExecutable;
    if (Info.isSymLink())
        Entry.Attributes |= TFileAttribute::faSymLink;
    if (Entry.IsDir) {
        const QString Comment = Mime.mimeTypeForName(QStringLiteral("inode/directory")).comment();
        Entry.TypeName = Comment.isEmpty() ? QStringLiteral("Folder") : Capitalized(Comment);
    } else {
        // By the name alone: reading every file's first bytes would make listing slow.
        const QMimeType Type = Mime.mimeTypeForFile(Entry.Name, QMimeDatabase::MatchExtension);
        Entry.MimeName = Type.name();
        Entry.TypeName = Type.isDefault() || Type.comment().isEmpty() ? FallbackTypeName(Entry.Name)
                                                                      : Capitalized(Type.comment());
    }
    return Entry;
}

} // namespace

TFileEntry ReadEntry(const QString &Path, bool *Ok) {
    const QFileInfo Info(Path);
    if (Ok)
        *Ok = Info.exists() || Info.isSymLink();
    return EntryOf(Info);
}

TListing ListFolder(const QString &Path, const TListOptions &Options,
                    const std::function<bool()> &Cancelled) {
    TListing Result;
    const QFileInfo Folder(Path);
    if (!Folder.isDir()) {
        Result.Error = TListError::leNotFound;
        return Result;
    }
    if (!Folder.isReadable() || !Folder.isExecutable()) {
        Result.Error = TListError::leUnreadable;
        return Result;
    }
    // System brings FIFOs, sockets, devices and links whose target is gone.
    QDir::Filters Filters = QDir::Files | QDir::System | QDir::NoDotAndDotDot;
    if (Options.ShowFolders)
        Filters |= QDir::Dirs;
    if (Options.ShowHidden)
        Filters |= QDir::Hidden;
    QDirIterator It(Path, Filters);
    while (It.hasNext()) {
        if (Cancelled && Cancelled()) {
            Result.Error = TListError::leCancelled;
            Result.Entries.clear();
            return Result;
        }
        It.next();
        const QFileInfo Info = It.fileInfo();
        TFileEntry Entry = EntryOf(Info);
        if (!Entry.IsDir && !Options.Extensions.isEmpty() &&
            (!Info.exists() || !HasExtension(Entry.Name, Options.Extensions)))
            continue;
        Result.Entries.append(std::move(Entry));
    }
    // A folder removed while it was read lists as empty; that is not its content.
    if (!QFileInfo(Path).isDir()) {
        Result.Error = TListError::leNotFound;
        Result.Entries.clear();
    }
    return Result;
}

QStringList SplitExtensions(const QString &Text) {
    return Text.split(u' ', Qt::SkipEmptyParts);
}

bool HasExtension(const QString &Name, const QStringList &Extensions) {
    return std::any_of(Extensions.begin(), Extensions.end(), [&](const QString &Extension) {
        return Name.size() > Extension.size() && Name[Name.size() - Extension.size() - 1] == u'.' &&
               Name.endsWith(Extension, Qt::CaseInsensitive);
    });
}

QString SizeText(qint64 Bytes) {
    return QString::number((std::max<qint64>(Bytes, 0) + 1023) / 1024) + QStringLiteral("KB");
}

QString FallbackTypeName(const QString &Name) {
    const qsizetype Dot = Name.lastIndexOf(u'.');
    // A dot-file such as ".profile" has no extension.
    if (Dot <= 0 || Dot == Name.size() - 1)
        return QStringLiteral("File");
    return QStringLiteral("File ") + Name.mid(Dot + 1).toUpper();
}

QString AttributeText(TFileAttributes Attributes) {
    QString Text;
    if (Attributes & TFileAttribute::faReadOnly)
        Text += u'R';
    if (Attributes & TFileAttribute::faHidden)
        Text += u'H';
    if (Attributes & TFileAttribute::faSpecial)
        Text += u'S';
    if (Attributes & TFileAttribute::faExecutable)
        Text += u'X';
    if (Attributes & TFileAttribute::faSymLink)
        Text += QStringLiteral(" link");
    return Text;
}

QString ModifiedText(const QDateTime &Time) {
    if (!Time.isValid())
        return QString();
    // Compact enough for the column's 110 pixels, and the same in every locale.
    return Time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString CellText(const TFileEntry &Entry, bool IsParent, TColumnKind Kind) {
    switch (Kind) {
    case TColumnKind::ckName:
        return Entry.Name;
    case TColumnKind::ckSize:
        return Entry.IsDir || IsParent ? QString() : SizeText(Entry.Size);
    case TColumnKind::ckType:
        return Entry.TypeName;
    case TColumnKind::ckModified:
        return IsParent ? QString() : ModifiedText(Entry.Modified);
    case TColumnKind::ckAttributes:
        return IsParent ? QString() : AttributeText(Entry.Attributes);
    case TColumnKind::ckComment:
        return QString();
    }
    return QString();
}

namespace {

int Sign(qint64 Value) {
    return (Value > 0) - (Value < 0);
}

// As file managers order names: "file9" before "file10" (the collator's own numeric mode does
// nothing in the C locale), the rest by the collator.
int NaturalCompare(QStringView A, QStringView B, const QCollator &Names) {
    qsizetype I = 0;
    qsizetype J = 0;
    while (I < A.size() && J < B.size()) {
        const bool Digits = A[I].isDigit() && B[J].isDigit();
        qsizetype EndA = I;
        qsizetype EndB = J;
        while (EndA < A.size() && A[EndA].isDigit() == Digits)
            ++EndA;
        while (EndB < B.size() && B[EndB].isDigit() == Digits)
            ++EndB;
        int Result = 0;
        if (Digits) {
            while (I < EndA - 1 && A[I] == u'0') // leading zeros do not count
                ++I;
            while (J < EndB - 1 && B[J] == u'0')
                ++J;
            Result = EndA - I != EndB - J
                         ? (EndA - I < EndB - J ? -1 : 1)
                         : Sign(A.sliced(I, EndA - I).compare(B.sliced(J, EndB - J)));
        } else {
            Result = Sign(Names.compare(A.sliced(I, EndA - I), B.sliced(J, EndB - J)));
        }
        if (Result != 0)
            return Result;
        I = EndA;
        J = EndB;
    }
    return Sign(qsizetype(I < A.size()) - qsizetype(J < B.size()));
}

int CompareNames(const TFileEntry &A, const TFileEntry &B, const QCollator &Names) {
    const int Result = NaturalCompare(A.Name, B.Name, Names);
    // Names equal to the collator ("a" and "A") still need one fixed order.
    return Result != 0 ? Result : Sign(A.Name.compare(B.Name));
}

qint64 TimeKey(const QDateTime &Time) {
    return Time.isValid() ? Time.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

} // namespace

int CompareEntries(const TFileEntry &A, bool AParent, const TFileEntry &B, bool BParent,
                   TColumnKind Kind, bool Reverse, const QCollator &Names) {
    int Result = 0;
    if (AParent != BParent)
        Result = AParent ? -1 : 1;
    else if (A.IsDir != B.IsDir)
        Result = A.IsDir ? -1 : 1;
    else {
        switch (Kind) {
        case TColumnKind::ckName:
            break;
        case TColumnKind::ckSize:
            Result = Sign(A.Size - B.Size);
            break;
        case TColumnKind::ckModified:
            Result = Sign(TimeKey(B.Modified) - TimeKey(A.Modified));
            break;
        default:
            Result = Sign(Names.compare(CellText(A, AParent, Kind), CellText(B, BParent, Kind)));
            break;
        }
        if (Result == 0)
            Result = CompareNames(A, B, Names);
    }
    return Reverse ? -Result : Result;
}

QString NewFolderName(const std::function<bool(const QString &Name)> &Exists) {
    const QString Base = QStringLiteral("New Folder");
    if (!Exists(Base))
        return Base;
    for (int Number = 0; Number < 100000; ++Number) {
        const QString Name = QStringLiteral("%1 (%2)").arg(Base).arg(Number);
        if (!Exists(Name))
            return Name;
    }
    return QString();
}

bool ValidFileName(const QString &Name, QString &Error) {
    if (Name.trimmed().isEmpty()) {
        Error = QStringLiteral("A name cannot be empty.");
        return false;
    }
    if (Name == u"." || Name == u"..") {
        Error = QStringLiteral("\"%1\" is not a valid name.").arg(Name);
        return false;
    }
#ifdef Q_OS_WIN
    const QString Forbidden = QStringLiteral("\\/:*?\"<>|");
#else
    const QString Forbidden = QStringLiteral("/");
#endif
    for (const QChar C : Name) {
        if (C == QChar(0) || Forbidden.contains(C)) {
            Error = C == QChar(0) ? QStringLiteral("\"%1\" is not a valid name.").arg(Name)
                                  : QStringLiteral("A name cannot contain \"%1\".").arg(C);
            return false;
        }
    }
    if (Name.toUtf8().size() > 255) {
        Error = QStringLiteral("The name \"%1\" is too long.").arg(Name);
        return false;
    }
    return true;
}

TFolderDiff DiffListing(const TFolderSnapshot &Shown, const QList<TFileEntry> &Listed) {
    TFolderDiff Diff;
    QSet<QString> Seen;
    Seen.reserve(Listed.size());
    for (const TFileEntry &Entry : Listed) {
        Seen.insert(Entry.Name);
        const auto It = Shown.constFind(Entry.Name);
        if (It == Shown.constEnd())
            Diff.Added.append(Entry);
        else if (!(*It == Entry))
            Diff.Changed.append(Entry);
    }
    for (auto It = Shown.constBegin(); It != Shown.constEnd(); ++It)
        if (!Seen.contains(It.key()))
            Diff.Removed.append(It.key());
    Diff.Removed.sort();
    return Diff;
}

void TFolderHistory::Visit(const QString &Path) {
    if (FPosition >= 0 && FEntries[FPosition] == Path)
        return;
    if (FPosition > 0 && FEntries[FPosition - 1] == Path) {
        --FPosition;
        return;
    }
    if (FPosition + 1 < FEntries.size() && FEntries[FPosition + 1] == Path) {
        ++FPosition;
        return;
    }
    FEntries.resize(FPosition + 1);
    FEntries.append(Path);
    FPosition = int(FEntries.size()) - 1;
}
