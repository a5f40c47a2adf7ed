#include "core/registryinifile.h"

#include "core/general.h"
#include "core/inidocument.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <map>

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

struct TRegistryIniFile::TStore {
    QString FileName;
    TIniDocument Document;
    bool Frozen = false; // held in memory only, never saved
    QString FrozenReason;

    ~TStore() {
        try {
            if (Document.Modified() && !Frozen)
                Document.Save(FileName);
        } catch (const EIniFileException &E) {
            PendingNotice() = E.Message();
        } catch (const std::exception &E) {
            PendingNotice() = QStringLiteral("Settings could not be saved: %1")
                                  .arg(QString::fromLocal8Bit(E.what()));
        }
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
            PendingNotice() = QStringLiteral("The settings file \"%1\" could not be read (%2); it "
                                             "was kept as \"%3\" and default settings are used.")
                                  .arg(Native(FileName), Reason, Native(Aside));
            return;
        }
        Frozen = true;
        FrozenReason = QStringLiteral("the damaged settings file \"%1\" is kept as it is")
                           .arg(Native(FileName));
        PendingNotice() = QStringLiteral("The settings file \"%1\" could not be read (%2); it was "
                                         "left as it is and settings will not be saved.")
                              .arg(Native(FileName), Reason);
    }
};

namespace {

using TStorePtr = std::shared_ptr<TRegistryIniFile::TStore>;

std::map<QString, std::weak_ptr<TRegistryIniFile::TStore>> &LiveStores() {
    static std::map<QString, std::weak_ptr<TRegistryIniFile::TStore>> Stores;
    return Stores;
}

TStorePtr OpenStore(const QString &FileName) {
    const QString Key = MapKey(FileName);
    auto &Live = LiveStores()[Key];
    if (TStorePtr Store = Live.lock())
        return Store;
    auto Store = std::make_shared<TRegistryIniFile::TStore>();
    Store->FileName = FileName;
    if (Uninstalled().contains(Key)) {
        Store->Frozen = true;
        Store->FrozenReason = QStringLiteral("the settings were removed by Uninstall");
    } else {
        QString Error;
        using R = TIniDocument::TLoadResult;
        const R Result = Store->Document.Load(FileName, true, &Error);
        if (Result == R::Unreadable || Result == R::Malformed)
            Store->SetAside(Error);
    }
    Live = Store;
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
    : FStore(OpenStore(StoreFile)), FKeyPath(NormalizedKey(KeyPath)) {}

TRegistryIniFile::~TRegistryIniFile() = default;

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
    for (const QString &Section : FStore->Document.Sections()) {
        if (!IsBelow(Section, FKeyPath))
            continue;
        const QString Rest = FKeyPath.isEmpty() ? Section : Section.mid(FKeyPath.size() + 1);
        const QString Child = Rest.section(KeySeparator, 0, 0);
        if (!Child.isEmpty() && !Children.contains(Child, Qt::CaseInsensitive))
            Children.append(Child);
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
    if (FStore->Frozen)
        throw EIniFileException(QStringLiteral("Settings not saved: %1").arg(FStore->FrozenReason));
    FStore->Document.Save(FStore->FileName);
    FStore->Document.SetModified(false);
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
        if (TStorePtr Store = Live->second.lock()) {
            Store->Document.Clear();
            Store->Frozen = true;
            Store->FrozenReason = QStringLiteral("the settings were removed by Uninstall");
        }
    }

    const QFileInfo Info(File);
    if (Info.isDir() && !Info.isSymLink())
        QDir(File).removeRecursively();
    else if (Info.exists() || Info.isSymLink())
        QFile::remove(File);
    QDir Folder = Info.absoluteDir();
    const QString AsidePattern = Info.fileName() + QStringLiteral(".corrupt-*");
    for (const QFileInfo &Aside : Folder.entryInfoList(
             {AsidePattern}, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System)) {
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
