#include "shellview/systemviewsshared.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMimeData>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include <algorithm>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

TColumnInfo ColumnInfo(TColumnKind Kind) {
    switch (Kind) {
    case TColumnKind::ckName:
        return {QCoreApplication::translate("TSystemListView", "Name"), 140, false};
    case TColumnKind::ckSize:
        return {QCoreApplication::translate("TSystemListView", "Size"), 60, true};
    case TColumnKind::ckType:
        return {QCoreApplication::translate("TSystemListView", "Type"), 130, false};
    case TColumnKind::ckModified:
        return {QCoreApplication::translate("TSystemListView", "Modified"), 110, false};
    case TColumnKind::ckAttributes:
        return {QCoreApplication::translate("TSystemListView", "Attributes"), 50, true};
    case TColumnKind::ckComment:
        return {QCoreApplication::translate("TSystemListView", "Comment"), 200, false};
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
    case TColumnType::ctImages:
    case TColumnType::ctAudio:
        return {ckName, ckSize, ckType, ckModified};
    default:
        return {ckName};
    }
}

namespace {

// Whether Folder is Base or lies within it.
bool Within(const QString &Folder, const QString &Base) {
    return Folder == Base || Folder.startsWith(Base.endsWith(u'/') ? Base : Base + u'/');
}

// A standard folder of the user's; none when it is missing, or is the home folder or the root
// (where a desktop without such folders points them).
QString UserFolder(QStandardPaths::StandardLocation Location) {
    const QString Path = QDir::cleanPath(QStandardPaths::writableLocation(Location));
    if (Path.isEmpty() || Path == QDir::cleanPath(QDir::homePath()) || QDir(Path).isRoot() ||
        !QFileInfo(Path).isDir())
        return QString();
    return Path;
}

} // namespace

bool IsNetworkFolder(const QString &Folder) {
    const QString Runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !Runtime.isEmpty() &&
           QDir::cleanPath(Folder) == QDir::cleanPath(Runtime + QStringLiteral("/gvfs"));
}

TColumnType ColumnTypeOf(const QString &Folder) {
    const QString Path = QDir::cleanPath(Folder);
    if (IsNetworkFolder(Path))
        return TColumnType::ctNetwork;
    if (const QString Pictures = UserFolder(QStandardPaths::PicturesLocation);
        !Pictures.isEmpty() && Within(Path, Pictures))
        return TColumnType::ctImages;
    if (const QString Music = UserFolder(QStandardPaths::MusicLocation);
        !Music.isEmpty() && Within(Path, Music))
        return TColumnType::ctAudio;
    return TColumnType::ctFileSystem;
}

QString ShareDescription(const QString &Name) {
    const qsizetype Colon = Name.indexOf(u':');
    if (Colon <= 0)
        return QString();
    QString Scheme = Name.left(Colon);
    if (Scheme.endsWith(QStringLiteral("-share")))
        Scheme.chop(6);
    QHash<QString, QString> Values;
    for (const QString &Pair : Name.mid(Colon + 1).split(u',', Qt::SkipEmptyParts)) {
        const qsizetype Equals = Pair.indexOf(u'=');
        if (Equals <= 0)
            return QString();
        Values.insert(Pair.left(Equals), QUrl::fromPercentEncoding(Pair.mid(Equals + 1).toUtf8()));
    }
    QString Host = Values.value(QStringLiteral("server"), Values.value(QStringLiteral("host")));
    if (Host.isEmpty())
        return QString();
    if (const QString User = Values.value(QStringLiteral("user")); !User.isEmpty())
        Host = User + u'@' + Host;
    const QString Share = Values.value(QStringLiteral("share"));
    return (Share.isEmpty()
                ? Host
                : QCoreApplication::translate("TSystemListView", "%1 on %2").arg(Share, Host)) +
           QStringLiteral(" (%1)").arg(Scheme);
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
        Entry.TypeName = Comment.isEmpty()
                             ? QCoreApplication::translate("TSystemListView", "Folder")
                             : Capitalized(Comment);
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
    const bool Shares = IsNetworkFolder(Path);
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
        if (Shares)
            Entry.Comment = ShareDescription(Entry.Name);
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
        return QCoreApplication::translate("TSystemListView", "File");
    return QCoreApplication::translate("TSystemListView", "File ") + Name.mid(Dot + 1).toUpper();
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
        Text += QCoreApplication::translate("TSystemListView", " link");
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
        return Entry.Comment;
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

int CompareEntries(const TFileEntry &A, bool AParent, const TFileEntry &B, bool ParentButton,
                   TColumnKind Kind, bool Reverse, const QCollator &Names) {
    int Result = 0;
    if (AParent != ParentButton)
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
            Result =
                Sign(Names.compare(CellText(A, AParent, Kind), CellText(B, ParentButton, Kind)));
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

QString UniqueName(const QString &Name, bool IsDir,
                   const std::function<bool(const QString &Name)> &Exists) {
    static const QMimeDatabase Mime;
    QString Suffix;
    if (!IsDir) {
        // "tar.gz" as a whole where the MIME database knows it, else the last one; a dot-file's
        // leading dot starts no extension.
        const qsizetype Known = Mime.suffixForFileName(Name).size();
        const qsizetype Dot = Name.lastIndexOf(u'.');
        if (Known > 0 && Known < Name.size() - 1)
            Suffix = Name.right(Known + 1);
        else if (Dot > 0 && Dot < Name.size() - 1)
            Suffix = Name.mid(Dot);
    }
    QString Stem = Name.left(Name.size() - Suffix.size());
    static const QRegularExpression Numbered(QStringLiteral(" \\(\\d+\\)$"));
    Stem.remove(Numbered);
    for (int Number = 1; Number < 100000; ++Number) {
        const QString Candidate = QStringLiteral("%1 (%2)%3").arg(Stem).arg(Number).arg(Suffix);
        if (!Exists(Candidate))
            return Candidate;
    }
    return QString();
}

bool ValidFileName(const QString &Name, QString &Error) {
    if (Name.trimmed().isEmpty()) {
        Error = QCoreApplication::translate("TSystemListView", "A name cannot be empty.");
        return false;
    }
    if (Name == u"." || Name == u"..") {
        Error =
            QCoreApplication::translate("TSystemListView", "\"%1\" is not a valid name.").arg(Name);
        return false;
    }
#ifdef Q_OS_WIN
    const QString Forbidden = QStringLiteral("\\/:*?\"<>|");
#else
    const QString Forbidden = QStringLiteral("/");
#endif
    for (const QChar C : Name) {
        if (C == QChar(0) || Forbidden.contains(C)) {
            Error = C == QChar(0) ? QCoreApplication::translate("TSystemListView",
                                                                "\"%1\" is not a valid name.")
                                        .arg(Name)
                                  : QCoreApplication::translate("TSystemListView",
                                                                "A name cannot contain \"%1\".")
                                        .arg(C);
            return false;
        }
    }
    if (Name.toUtf8().size() > 255) {
        Error = QCoreApplication::translate("TSystemListView", "The name \"%1\" is too long.")
                    .arg(Name);
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

namespace {

const QString GnomeFilesFormat = QStringLiteral("x-special/gnome-copied-files");
const QString KdeCutFormat = QStringLiteral("application/x-kde-cutselection");

} // namespace

QMimeData *FilesMimeData(const QStringList &Paths, bool Cut) {
    QList<QUrl> Urls;
    QByteArray Gnome = Cut ? "cut" : "copy";
    for (const QString &Path : Paths) {
        Urls.append(QUrl::fromLocalFile(Path));
        Gnome += '\n' + Urls.last().toEncoded();
    }
    auto *Data = new QMimeData;
    Data->setUrls(Urls);
    Data->setText(Paths.join(u'\n'));
    Data->setData(GnomeFilesFormat, Gnome);
    Data->setData(KdeCutFormat, Cut ? "1" : "0");
    return Data;
}

bool FilesOfMimeData(const QMimeData *Data, QStringList &Paths, bool &Cut) {
    Paths.clear();
    Cut = false;
    if (!Data)
        return false;
    QList<QUrl> Urls;
    if (Data->hasFormat(GnomeFilesFormat)) {
        QList<QByteArray> Lines = Data->data(GnomeFilesFormat).split('\n');
        const QByteArray Verb = Lines.isEmpty() ? QByteArray() : Lines.takeFirst().trimmed();
        Cut = Verb == "cut";
        for (const QByteArray &Line : std::as_const(Lines))
            if (!Line.trimmed().isEmpty())
                Urls.append(QUrl::fromEncoded(Line.trimmed()));
    } else if (Data->hasUrls()) {
        Urls = Data->urls();
        Cut = Data->data(KdeCutFormat).trimmed() == "1";
    }
    // Only whole paths: a relative one would name a file wherever the program was started.
    for (const QUrl &Url : std::as_const(Urls))
        if (const QString Path = Url.toLocalFile(); Url.isLocalFile() && QDir::isAbsolutePath(Path))
            Paths.append(QDir::cleanPath(Path));
    if (Paths.isEmpty())
        Cut = false;
    return !Paths.isEmpty();
}

Qt::DropAction ChooseDropAction(Qt::KeyboardModifiers Modifiers, Qt::DropActions Possible,
                                bool SameFileSystem) {
    const bool Ctrl = Modifiers & Qt::ControlModifier;
    const bool Shift = Modifiers & Qt::ShiftModifier;
    if (Ctrl || Shift) {
        const Qt::DropAction Wanted = Ctrl && Shift ? Qt::LinkAction
                                      : Ctrl        ? Qt::CopyAction
                                                    : Qt::MoveAction;
        return Possible & Wanted ? Wanted : Qt::IgnoreAction;
    }
    for (const Qt::DropAction Action :
         {SameFileSystem ? Qt::MoveAction : Qt::CopyAction, Qt::CopyAction, Qt::MoveAction})
        if (Possible & Action)
            return Action;
    return Qt::IgnoreAction;
}

bool SameFileSystem(const QString &A, const QString &B) {
#ifdef Q_OS_UNIX
    struct stat First {};
    struct stat Second {};
    if (::lstat(QFile::encodeName(A).constData(), &First) != 0 ||
        ::lstat(QFile::encodeName(B).constData(), &Second) != 0)
        return false;
    return First.st_dev == Second.st_dev;
#else
    return QStorageInfo(A).rootPath() == QStorageInfo(B).rootPath();
#endif
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
