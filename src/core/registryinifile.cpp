#include "core/registryinifile.h"

#include "core/atomicfile.h"
#include "core/general.h"
#include "core/inidocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <map>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr QChar KeySeparator = u'\\';

QString ConfigRoot() {
    QString Root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (Root.isEmpty())
        Root = QDir::homePath() + QStringLiteral("/.config");
    return Root;
}

// Key paths compare as the document stores names, without empty components.
QStringList KeyComponents(const QString &Path) {
    QStringList Parts;
    for (const QString &Part : Path.split(KeySeparator)) {
        const QString Name = TIniDocument::Storable(Part);
        if (!Name.isEmpty())
            Parts.append(Name);
    }
    return Parts;
}

QString NormalizedKey(const QString &Path) {
    return KeyComponents(Path).join(KeySeparator);
}

bool IsBelow(const QString &Section, const QString &Key) {
    return Key.isEmpty()
               ? !Section.isEmpty()
               : Section.size() > Key.size() + 1 && Section.startsWith(Key, Qt::CaseInsensitive) &&
                     Section[Key.size()] == KeySeparator;
}

QString MapKey(const QString &FileName) {
    return QDir::cleanPath(QFileInfo(FileName).absoluteFilePath());
}

QString &PendingNotice() {
    static QString Notice;
    return Notice;
}

// Files whose program was uninstalled in this process: never read or written again.
QSet<QString> &Uninstalled() {
    static QSet<QString> Files;
    return Files;
}

QString Native(const QString &FileName) {
    return QDir::toNativeSeparators(FileName);
}

} // namespace

namespace {

// What tells a file's versions apart: another program's save replaces it (a new inode), a hand
// edit changes its time or size.
struct TFileStamp {
    bool Exists = false;
    qint64 Size = 0;
    qint64 Time = 0; // nanoseconds
    quint64 Inode = 0;
    quint64 Device = 0;
    bool operator==(const TFileStamp &) const = default;
};

TFileStamp StampOf(const QString &FileName) {
    TFileStamp Stamp;
#ifdef Q_OS_UNIX
    struct stat Info {};
    if (::stat(QFile::encodeName(FileName).constData(), &Info) != 0)
        return Stamp;
    Stamp.Exists = true;
    Stamp.Size = qint64(Info.st_size);
    Stamp.Time = qint64(Info.st_mtim.tv_sec) * 1000000000 + Info.st_mtim.tv_nsec;
    Stamp.Inode = quint64(Info.st_ino);
    Stamp.Device = quint64(Info.st_dev);
#else
    const QFileInfo Info(FileName);
    Stamp.Exists = Info.exists();
    Stamp.Size = Info.size();
    Stamp.Time = Info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return Stamp;
}

// "Line 12 of ondrel.ini is not a setting; it was ignored." for the lines skipped in reading.
QString SkippedNotice(const QString &FileName, const QList<qsizetype> &Lines) {
    const QString Name = QFileInfo(FileName).fileName();
    if (Lines.size() == 1)
        return QCoreApplication::translate("TCustomIniFile",
                                           "Line %1 of %2 is not a setting; it was ignored.")
            .arg(Lines.first())
            .arg(Name);
    constexpr qsizetype Named = 5;
    QStringList Numbers;
    for (qsizetype I = 0; I < std::min(Named, Lines.size()); ++I)
        Numbers.append(QString::number(Lines[I]));
    QString List;
    if (Lines.size() > Named)
        List = QCoreApplication::translate("TCustomIniFile", "%1 and %2 more")
                   .arg(Numbers.join(QStringLiteral(", ")))
                   .arg(Lines.size() - Named);
    else
        List =
            QCoreApplication::translate("TCustomIniFile", "%1 and %2")
                .arg(Numbers.mid(0, Numbers.size() - 1).join(QStringLiteral(", ")), Numbers.last());
    return QCoreApplication::translate("TCustomIniFile",
                                       "Lines %1 of %2 are not settings; they were ignored.")
        .arg(List, Name);
}

// How long a save waits for another program that is saving the same file.
constexpr int LockWaitMs = 3000;

} // namespace

struct TRegistryIniFile::TStore {
    QString FileName;       // empty for a store held in memory only
    TIniDocument Document;  // what the program reads and changes
    TIniDocument Base;      // the file as last read or saved: what Document changed is saved
    TFileStamp Stamp;       // of the file when Base was read or saved
    TFileStamp SkippedTold; // the version of the file whose damaged lines were last told
    int Handles = 0;        // open TRegistryIniFile objects
    bool Frozen = false;    // held in memory only, never saved
    bool Removed = false;   // by Uninstall: what is written goes as the last store closes
    QString FrozenReason;
    bool Failing = false; // the last save failed; told once until one succeeds

    bool InMemory() const { return FileName.isEmpty(); }
    bool Unsaved() const { return !InMemory() && !Frozen && Document.Modified(); }

    // Reads the file into Base; Document becomes what the file holds now with this program's
    // unsaved changes on top, so that what another program saved meanwhile is kept.
    void Read() {
        const bool Changed = Document.Modified();
        TIniDocument Disk;
        QString Error;
        QList<qsizetype> Skipped;
        Stamp = StampOf(FileName);
        using R = TIniDocument::TLoadResult;
        const R Result = Disk.Load(FileName, false, &Error, &Skipped);
        if (Result == R::Unreadable || Result == R::Malformed) {
            SetAside(Error);
            Disk.Clear();
            Stamp = StampOf(FileName);
        } else if (!Skipped.isEmpty() && Stamp != SkippedTold) {
            // Once per version of the file: a save reads it again before it writes it anew.
            SkippedTold = Stamp;
            PendingNotice() = SkippedNotice(FileName, Skipped);
        }
        if (Changed) {
            TIniDocument Merged;
            Merged.Assign(Disk);
            Merged.ApplyChanges(Base, Document);
            Document.Assign(Merged);
            Document.SetModified(true);
        } else {
            Document.Assign(Disk);
        }
        Base.Assign(Disk);
    }

    // Reads the file again when another program (or a hand) changed it since.
    void Refresh() {
        if (!InMemory() && !Frozen && StampOf(FileName) != Stamp)
            Read();
    }

    // Saves what this program changed, merged into what the file holds now; the file's lock
    // must be held.
    void SaveLocked() {
        Read();
        if (Frozen)
            throw EIniFileException(
                QCoreApplication::translate("TCustomIniFile", "Settings not saved: %1")
                    .arg(FrozenReason));
        const QByteArray Text = Document.Text();
        if (Text != Base.Text() || !Stamp.Exists)
            WriteFileAtomically(FileName, Text);
        Base.Assign(Document);
        Document.SetModified(false);
        Stamp = StampOf(FileName);
    }

    // Throws EIniFileException when the file's lock cannot be had.
    void Lock(QLockFile &File) const {
        const auto Text = [](const char *Source) {
            return QCoreApplication::translate("TCustomIniFile", Source);
        };
        if (!QDir().mkpath(QFileInfo(FileName).absolutePath()))
            throw EIniFileException(
                Text("Could not save \"%1\": cannot create the folder").arg(Native(FileName)));
        File.setStaleLockTime(10000);
        if (File.tryLock(LockWaitMs))
            return;
        const QString Reason = File.error() == QLockFile::LockFailedError
                                   ? Text("another program is saving it and does not finish")
                                   : Text("its lock file \"%1\" cannot be made")
                                         .arg(Native(FileName + QStringLiteral(".lock")));
        throw EIniFileException(Text("Could not save \"%1\": %2").arg(Native(FileName), Reason));
    }

    // Runs Work under the file's lock; a failure is told once (TakeNotice) until a save
    // succeeds, and the changes stay in memory to be saved later.
    template <typename F> void Locked(F Work) {
        if (Frozen)
            throw EIniFileException(
                QCoreApplication::translate("TCustomIniFile", "Settings not saved: %1")
                    .arg(FrozenReason));
        try {
            QLockFile File(FileName + QStringLiteral(".lock"));
            Lock(File);
            Work();
            Failing = false;
        } catch (const EIniFileException &E) {
            Failed(E.Message());
            throw;
        } catch (const std::exception &E) {
            Failed(QCoreApplication::translate("TCustomIniFile", "Settings could not be saved: %1")
                       .arg(QString::fromLocal8Bit(E.what())));
            throw;
        }
    }

    void Save() {
        if (Unsaved())
            Locked([this] { SaveLocked(); });
    }

    void Failed(const QString &Message) {
        if (!Failing)
            PendingNotice() =
                QCoreApplication::translate(
                    "TCustomIniFile", "%1\nThe settings are kept, and saving them is tried again.")
                    .arg(Message);
        Failing = true;
    }

    // A damaged file is never overwritten without trace: it is renamed aside, or, if that fails,
    // left as it is and the store is not saved.
    void SetAside(const QString &Reason) {
        const QString Stamp =
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString Aside = FileName + QStringLiteral(".corrupt-") + Stamp;
        for (int N = 1; QFileInfo::exists(Aside); ++N)
            Aside = FileName + QStringLiteral(".corrupt-") + Stamp + u'-' + QString::number(N);
        if (QDir().rename(FileName, Aside)) {
            PendingNotice() =
                QCoreApplication::translate("TCustomIniFile",
                                            "The settings file \"%1\" could not be read (%2); it "
                                            "was kept as \"%3\" and default settings are used.")
                    .arg(Native(FileName), Reason, Native(Aside));
            return;
        }
        Frozen = true;
        FrozenReason = QCoreApplication::translate(
                           "TCustomIniFile", "the damaged settings file \"%1\" is kept as it is")
                           .arg(Native(FileName));
        PendingNotice() =
            QCoreApplication::translate("TCustomIniFile",
                                        "The settings file \"%1\" could not be read (%2); it was "
                                        "left as it is and settings will not be saved.")
                .arg(Native(FileName), Reason);
    }
};

namespace {

using TStorePtr = std::shared_ptr<TRegistryIniFile::TStore>;

// Stores stay for the whole run: unsaved changes are kept when a save fails, to be saved later.
std::map<QString, TStorePtr> &LiveStores() {
    static std::map<QString, TStorePtr> Stores;
    return Stores;
}

TStorePtr OpenStore(const QString &FileName) {
    if (FileName.isEmpty())
        return std::make_shared<TRegistryIniFile::TStore>();
    const QString Key = MapKey(FileName);
    TStorePtr &Store = LiveStores()[Key];
    if (Store) {
        Store->Refresh();
        return Store;
    }
    Store = std::make_shared<TRegistryIniFile::TStore>();
    Store->FileName = FileName;
    if (Uninstalled().contains(Key)) {
        Store->Frozen = true;
        Store->Removed = true;
        Store->FrozenReason =
            QCoreApplication::translate("TCustomIniFile", "the settings were removed by Uninstall");
    } else {
        Store->Read();
    }
    return Store;
}

} // namespace

QString StoreFileName(const QString &Company, const QString &ProgramKeyName) {
    return ConfigRoot() + u'/' + Company + u'/' + KeyComponents(ProgramKeyName).join(u'/') +
           QStringLiteral(".ini");
}

QString ProgramStoreFileName() {
    return StoreFileName(CompanyKeyName.toString(), ProgramKeyName());
}

TRegistryIniFile::TRegistryIniFile(const QString &KeyPath)
    : TRegistryIniFile(KeyPath, ProgramStoreFileName()) {}

TRegistryIniFile::TRegistryIniFile(const QString &KeyPath, const QString &StoreFile)
    : TRegistryIniFile(OpenStore(StoreFile), KeyPath) {}

TRegistryIniFile::TRegistryIniFile(std::shared_ptr<TStore> Store, const QString &KeyPath)
    : FStore(std::move(Store)), FKeyPath(NormalizedKey(KeyPath)) {
    ++FStore->Handles;
}

TRegistryIniFile::~TRegistryIniFile() {
    if (--FStore->Handles == 0 && FStore->Removed)
        FStore->Document.Clear();
    if (FStore->Handles > 0 || !FStore->Unsaved())
        return;
    try {
        FStore->Save();
    } catch (const std::exception &) {
        // Told through TakeNotice; the changes wait for the next save.
    }
}

std::unique_ptr<TRegistryIniFile> TRegistryIniFile::InMemory() {
    return std::unique_ptr<TRegistryIniFile>(new TRegistryIniFile(OpenStore(QString()), {}));
}

std::unique_ptr<TRegistryIniFile> TRegistryIniFile::Below(const QString &KeyPath) const {
    return std::unique_ptr<TRegistryIniFile>(new TRegistryIniFile(FStore, Path(KeyPath)));
}

bool TRegistryIniFile::CopyChangesTo(const TRegistryIniFile &Before, TRegistryIniFile &Target,
                                     bool AddMissing) const {
    return Target.FStore->Document.ApplyChanges(Before.FStore->Document, FStore->Document,
                                                AddMissing);
}

void TRegistryIniFile::Update(const std::function<void(TRegistryIniFile &Store)> &Change,
                              const QString &KeyPath, const QString &StoreFile) {
    // Declared first, so that the lock is gone before the store saves what is left on closing.
    TRegistryIniFile Store(KeyPath, StoreFile.isEmpty() ? ProgramStoreFileName() : StoreFile);
    TStore &S = *Store.FStore;
    S.Locked([&] {
        S.Read();
        Change(Store);
        S.SaveLocked();
    });
}

bool TRegistryIniFile::SaveUnsaved(QString *Error) {
    const auto Live = LiveStores().find(MapKey(ProgramStoreFileName()));
    if (Live == LiveStores().end())
        return true;
    try {
        Live->second->Save();
    } catch (const EIniFileException &E) {
        if (Error)
            *Error = E.Message();
        return false;
    } catch (const std::exception &E) {
        if (Error)
            *Error = QString::fromLocal8Bit(E.what());
        return false;
    }
    return true;
}

bool TRegistryIniFile::Unsaved() {
    const auto Live = LiveStores().find(MapKey(ProgramStoreFileName()));
    return Live != LiveStores().end() && Live->second->Unsaved();
}

QString TRegistryIniFile::Path(const QString &Section) const {
    const QString Below = NormalizedKey(Section);
    if (FKeyPath.isEmpty())
        return Below;
    return Below.isEmpty() ? FKeyPath : FKeyPath + KeySeparator + Below;
}

QString TRegistryIniFile::FileName() const {
    return FStore->FileName;
}

QString TRegistryIniFile::ReadString(const QString &Section, const QString &Ident,
                                     const QString &Default) const {
    QString Value;
    return FStore->Document.Value(Path(Section), Ident, Value) ? Value : Default;
}

void TRegistryIniFile::WriteString(const QString &Section, const QString &Ident,
                                   const QString &Value) {
    FStore->Document.SetValue(Path(Section), Ident, Value);
}

bool TRegistryIniFile::ValueExists(const QString &Section, const QString &Ident) const {
    QString Value;
    return FStore->Document.Value(Path(Section), Ident, Value);
}

bool TRegistryIniFile::SectionExists(const QString &Section) const {
    const QString Key = Path(Section);
    const QStringList All = FStore->Document.Sections();
    if (Key.isEmpty())
        return !All.isEmpty();
    return FStore->Document.HasSection(Key) ||
           std::any_of(All.begin(), All.end(), [&](const QString &S) { return IsBelow(S, Key); });
}

QStringList TRegistryIniFile::ReadSections() const {
    QStringList Children;
    QSet<QString> Seen;
    for (const QString &Section : FStore->Document.Sections()) {
        if (!IsBelow(Section, FKeyPath))
            continue;
        const QString Rest = FKeyPath.isEmpty() ? Section : Section.mid(FKeyPath.size() + 1);
        const QString Child = Rest.section(KeySeparator, 0, 0);
        if (Child.isEmpty())
            continue;
        const QString Key = Child.toCaseFolded();
        if (!Seen.contains(Key)) {
            Seen.insert(Key);
            Children.append(Child);
        }
    }
    return Children;
}

QStringList TRegistryIniFile::ReadSection(const QString &Section) const {
    return FStore->Document.Idents(Path(Section));
}

void TRegistryIniFile::EraseSection(const QString &Section) {
    const QString Key = Path(Section);
    FStore->Document.DeleteSection(Key);
    if (NormalizedKey(Section).isEmpty())
        return;
    for (const QString &S : FStore->Document.Sections())
        if (IsBelow(S, Key))
            FStore->Document.DeleteSection(S);
}

void TRegistryIniFile::DeleteKey(const QString &Section, const QString &Ident) {
    FStore->Document.DeleteValue(Path(Section), Ident);
}

void TRegistryIniFile::UpdateFile() {
    if (FStore->InMemory())
        return;
    if (FStore->Frozen)
        throw EIniFileException(
            QCoreApplication::translate("TCustomIniFile", "Settings not saved: %1")
                .arg(FStore->FrozenReason));
    // Nothing to save: what another program saved meanwhile is read all the same.
    if (!FStore->Unsaved())
        FStore->Refresh();
    FStore->Save();
}

bool TRegistryIniFile::KeyExists(const QString &KeyPath) {
    return TRegistryIniFile().SectionExists(KeyPath);
}

QString TRegistryIniFile::TakeNotice() {
    return std::exchange(PendingNotice(), QString());
}

bool DeleteProgramKeys(const QString &Company, const QString &ProgramKeyName) {
    const QString File = StoreFileName(Company, ProgramKeyName);
    const QString Key = MapKey(File);
    Uninstalled().insert(Key);
    if (auto Live = LiveStores().find(Key); Live != LiveStores().end()) {
        TRegistryIniFile::TStore &Store = *Live->second;
        Store.Document.Clear();
        Store.Frozen = true;
        Store.Removed = true;
        Store.FrozenReason = QStringLiteral("the settings were removed by Uninstall");
    }

    const QFileInfo Info(File);
    if (Info.isDir() && !Info.isSymLink())
        QDir(File).removeRecursively();
    else if (Info.exists() || Info.isSymLink())
        QFile::remove(File);
    QDir Folder = Info.absoluteDir();
    // Copies set aside as damaged, a lock and a half-written file left by a killed program.
    const QStringList Leftovers{Info.fileName() + QStringLiteral(".corrupt-*"),
                                Info.fileName() + QStringLiteral(".lock"),
                                u'.' + Info.fileName() + QStringLiteral("-*")};
    for (const QFileInfo &Aside :
         Folder.entryInfoList(Leftovers, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System)) {
        if (Aside.isDir() && !Aside.isSymLink())
            QDir(Aside.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(Aside.absoluteFilePath());
    }
    const bool Removed = !QFileInfo(File).exists() && !QFileInfo(File).isSymLink();

    // The folders between the configuration folder and the file: "Tavrel\Ondrel", deepest first.
    QStringList Parents = KeyComponents(Company) + KeyComponents(ProgramKeyName);
    Parents.removeLast();
    const QString Root = ConfigRoot();
    while (!Parents.isEmpty()) {
        const QString Path = Root + u'/' + Parents.join(u'/');
        if (QFileInfo(Path).isDir() && !QDir(Root).rmdir(Parents.join(u'/')))
            break; // not empty: it holds something else
        Parents.removeLast();
    }
    return Removed;
}
