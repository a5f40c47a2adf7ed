#include "core/atomicfile.h"
#include "core/general.h"
#include "core/inifile.h"
#include "core/registryinifile.h"
#include "fuzz/storechecks.h"
#include "fuzz/textchecks.h"

#include "core/inidocument.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <climits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class TKind { File, Registry };

QByteArray ReadAll(const QString &FileName) {
    QFile File(FileName);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void WriteAll(const QString &FileName, const QByteArray &Data) {
    QDir().mkpath(QFileInfo(FileName).absolutePath());
    QFile File(FileName);
    QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(File.write(Data), Data.size());
}

QStringList Entries(const QString &Folder) {
    return QDir(Folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

Q_DECLARE_METATYPE(TKind)

class TestStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { SetAtomicWriteHook({}); }

    void roundTrip_data();
    void roundTrip();
    void partialFileChangesOnlyWhatItHolds_data() { AddKinds(); }
    void partialFileChangesOnlyWhatItHolds();
    void wrongFormReadsAsDefault_data();
    void wrongFormReadsAsDefault();
    void eraseAndDelete_data() { AddKinds(); }
    void eraseAndDelete();

    void keyPathsAndSubkeys();
    void erasingKeys();
    void storesOnOneFileShareOneCopy();

    void saveFailureKeepsLastGoodFile_data();
    void saveFailureKeepsLastGoodFile();
    void unwritableFolder();
    void damagedStoreIsKeptAside_data();
    void damagedStoreIsKeptAside();
    void damagedLinesAreSkippedAndNamed_data();
    void damagedLinesAreSkippedAndNamed();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();

    void twoProgramsKeepEachOthersChanges_data();
    void twoProgramsKeepEachOthersChanges();
    void failedSaveIsToldOnceAndTriedAgain();
    void staleLockOfAKilledProgramDoesNotBlockSaving();
    void windowWritesOnlyWhatItChanged();
    void windowsWrittenIni_data();
    void windowsWrittenIni();
    void unstorableNamesAreNotWritten_data();
    void unstorableNamesAreNotWritten();
    void fuzzedIniText_data();
    void fuzzedIniText();
    void fuzzedStoreAndImport_data();
    void fuzzedStoreAndImport();

    void uninstallRemovesExactlyTheProgramTree_data();
    void uninstallRemovesExactlyTheProgramTree();
    void uninstallIsNotUndoneByOpenStores();
    void renamedExecutableGetsFreshSettings_data();
    void renamedExecutableGetsFreshSettings();

    void smallConversions();

private:
    static void AddKinds();
    std::unique_ptr<TCustomIniFile> Open(TKind Kind) const;
    QString StoreFile(TKind Kind) const {
        return Kind == TKind::File ? FIniFile : ProgramStoreFileName();
    }
    // Closes the store, saving it, and opens it again from disk.
    void Reopen(std::unique_ptr<TCustomIniFile> &Store, TKind Kind) const;
    QString Config() const { return FHome->path() + u"/config"_s; }

    std::unique_ptr<QTemporaryDir> FHome;
    QString FIniFile;
};

void TestStore::init() {
    // Every test gets a configuration folder of its own; the real home is never touched.
    FHome = std::make_unique<QTemporaryDir>();
    QVERIFY(FHome->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Config()));
    FIniFile = FHome->path() + u"/export.ini"_s;
    TRegistryIniFile::TakeNotice();
}

void TestStore::AddKinds() {
    QTest::addColumn<TKind>("kind");
    QTest::newRow(".ini file") << TKind::File;
    QTest::newRow("per-user store") << TKind::Registry;
}

std::unique_ptr<TCustomIniFile> TestStore::Open(TKind Kind) const {
    if (Kind == TKind::File)
        return std::make_unique<TIniFile>(FIniFile);
    return std::make_unique<TRegistryIniFile>();
}

void TestStore::Reopen(std::unique_ptr<TCustomIniFile> &Store, TKind Kind) const {
    if (Kind == TKind::File)
        Store->UpdateFile();
    Store.reset();
    Store = Open(Kind);
}

// --- Both stores ------------------------------------------------------------------------------

void TestStore::roundTrip_data() {
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    const QList<std::tuple<const char *, QString, QString>> Cases{
        {"backslashes", u"C:\\Patches\\a.txt"_s, u"C:\\Patches\\a.txt"_s},
        {"quotes stay raw", u"\"a \\\"b\\\"\""_s, u"\"a \\\"b\\\"\""_s},
        {"ini syntax inside", u"a=b;c [S]"_s, u"a=b;c [S]"_s},
        {"heredoc marker stays text", u"<<<END"_s, u"<<<END"_s},
        {"non-ASCII", u"Flöte ♯"_s, u"Flöte ♯"_s},
        {"empty", QString(), QString()},
        {"line break cannot add a section", u"a\n[Evil]\r\nb=1"_s, u"a [Evil]  b=1"_s},
        {"blanks around go", u"  a b  "_s, u"a b"_s},
    };
    for (TKind Kind : {TKind::File, TKind::Registry})
        for (const auto &[Name, Value, Stored] : Cases)
            QTest::addRow("%s, %s", Kind == TKind::File ? "file" : "per-user", Name)
                << Kind << Value << Stored;
}

void TestStore::roundTrip() {
    QFETCH(TKind, kind);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    auto Store = Open(kind);
    Store->WriteString(u"KnobPresets\\Flöte"_s, u"Caption1"_s, u"Old"_s);
    Store->WriteString(u"KNOBPRESETS\\FLÖTE"_s, u"CAPTION1"_s, value);
    Store->WriteInteger(u"KeyboardForm"_s, u"Top"_s, INT_MIN);
    Store->WriteInteger(u"KeyboardForm"_s, u"Left"_s, INT_MAX);
    Store->WriteBool(u"KeyboardForm"_s, u"Midi Thru"_s, true);
    Store->WriteBool(u"KeyboardForm"_s, u"First Time"_s, false);
    // What is read before a save is what is read after it.
    QCOMPARE(Store->ReadString(u"KnobPresets\\Flöte"_s, u"Caption1"_s, u"?"_s), stored);
    Reopen(Store, kind);
    // Names of any case, also beyond ASCII, name the same section and value.
    QCOMPARE(Store->ReadString(u"knobpresets\\flöte"_s, u"caption1"_s, u"?"_s), stored);
    QCOMPARE(Store->ReadSection(u"KnobPresets\\FLÖTE"_s), QStringList{u"Caption1"_s});
    QCOMPARE(Store->ReadInteger(u"keyboardform"_s, u"TOP"_s, 0), INT_MIN);
    QCOMPARE(Store->ReadInteger(u"KeyboardForm"_s, u"Left"_s, 0), INT_MAX);
    QCOMPARE(Store->ReadString(u"KeyboardForm"_s, u"Midi Thru"_s, {}), u"1"_s);
    QCOMPARE(Store->ReadBool(u"KeyboardForm"_s, u"First Time"_s, true), false);
    QCOMPARE(Store->ReadSections().size(), 2);
    QCOMPARE(Store->ReadSection(u"KeyboardForm"_s),
             (QStringList{u"Top"_s, u"Left"_s, u"Midi Thru"_s, u"First Time"_s}));
}

void TestStore::partialFileChangesOnlyWhatItHolds() {
    QFETCH(TKind, kind);
    WriteAll(StoreFile(kind), "[KeyboardForm]\nProgram=12\n[Joystick]\n");
    auto Store = Open(kind);
    // Readers pass the values they hold as defaults.
    QCOMPARE(Store->ReadInteger(u"KeyboardForm"_s, u"Program"_s, -1), 12);
    QCOMPARE(Store->ReadInteger(u"KeyboardForm"_s, u"Bank MSB"_s, 3), 3);
    QCOMPARE(Store->ReadBool(u"KeyboardForm"_s, u"Midi Thru"_s, true), true);
    QCOMPARE(Store->ReadString(u"KeyboardForm"_s, u"Knob Preset"_s, u"Piano"_s), u"Piano"_s);
    QCOMPARE(Store->ReadInteger(u"Missing"_s, u"MouseWheelSensitivity"_s, 4), 4);
    QVERIFY(Store->SectionExists(u"Joystick"_s));
    QVERIFY(!Store->SectionExists(u"Missing"_s));
}

void TestStore::wrongFormReadsAsDefault_data() {
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");  // default 77
    QTest::addColumn<bool>("boolean"); // default true
    const QList<std::tuple<const char *, QString, int, bool>> Cases{
        {"zero", u"0"_s, 0, false},
        {"negative", u"-8192"_s, -8192, true},
        {"blanks around", u" 7 "_s, 7, true},
        {"word", u"abc"_s, 77, true},
        {"number then text", u"12abc"_s, 77, true},
        {"fraction", u"1.5"_s, 77, true},
        {"empty", QString(), 77, true},
        {"beyond 32 bits", u"4294967296"_s, 77, true},
        {"false as a word", u"false"_s, 77, true},
    };
    for (TKind Kind : {TKind::File, TKind::Registry})
        for (const auto &[Name, Text, Integer, Boolean] : Cases)
            QTest::addRow("%s, %s", Kind == TKind::File ? "file" : "per-user", Name)
                << Kind << Text << Integer << Boolean;
}

void TestStore::wrongFormReadsAsDefault() {
    QFETCH(TKind, kind);
    QFETCH(QString, text);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    auto Store = Open(kind);
    Store->WriteString(u"S"_s, u"V"_s, text);
    QCOMPARE(Store->ReadInteger(u"S"_s, u"V"_s, 77), integer);
    QCOMPARE(Store->ReadBool(u"S"_s, u"V"_s, true), boolean);
}

void TestStore::eraseAndDelete() {
    QFETCH(TKind, kind);
    auto Store = Open(kind);
    for (int N = 1; N <= 5; ++N)
        Store->WriteInteger(u"Piano"_s, u"IUser%1"_s.arg(N), N);
    Store->WriteString(u"Strings"_s, u"Caption1"_s, u"Vol"_s);
    Store->EraseSection(u"PIANO"_s);
    Store->WriteInteger(u"Piano"_s, u"IUser1"_s, 9);
    Store->DeleteKey(u"Strings"_s, u"caption1"_s);
    Reopen(Store, kind);
    QCOMPARE(Store->ReadSection(u"Piano"_s), QStringList{u"IUser1"_s});
    QCOMPARE(Store->ReadInteger(u"Piano"_s, u"IUser1"_s, 0), 9);
    QVERIFY(Store->ReadSection(u"Strings"_s).isEmpty());
    QVERIFY(!Store->ValueExists(u"Strings"_s, u"Caption1"_s));
}

// --- Per-user store: key paths ----------------------------------------------------------------

void TestStore::keyPathsAndSubkeys() {
    {
        TRegistryIniFile Root;
        Root.WriteInteger(u"KeyboardForm"_s, u"Top"_s, 10);
        Root.WriteString(u"KnobPresets\\Piano"_s, u"Caption1"_s, u"Volume"_s);
        Root.WriteString(u"KnobPresets\\Strings\\Deeper"_s, u"X"_s, u"1"_s);
    }
    const QByteArray Text = ReadAll(Config() + u"/Tavrel/Ondrel/tst_store.ini"_s);
    QVERIFY2(Text.contains("[KnobPresets\\Piano]\nCaption1=Volume\n"), Text.constData());

    // Keys holding nothing but subkeys exist and are listed.
    TRegistryIniFile Root;
    QCOMPARE(Root.ReadSections(), (QStringList{u"KeyboardForm"_s, u"KnobPresets"_s}));
    QVERIFY(Root.SectionExists(u"KnobPresets"_s));
    QVERIFY(!Root.SectionExists(u"Knob"_s));
    TRegistryIniFile Presets(u"\\KnobPresets\\"_s);
    QCOMPARE(Presets.KeyPath(), u"KnobPresets"_s);
    QCOMPARE(Presets.ReadSections(), (QStringList{u"Piano"_s, u"Strings"_s}));
    QCOMPARE(Presets.ReadString(u"piano"_s, u"Caption1"_s, {}), u"Volume"_s);
    QVERIFY(TRegistryIniFile::KeyExists(u"knobpresets\\strings\\deeper"_s));
    QVERIFY(TRegistryIniFile::KeyExists(u"KnobPresets\\Strings"_s));
    QVERIFY(!TRegistryIniFile::KeyExists(u"KnobPresets\\Pian"_s));
    // A store on a key reads the key's own values as its section "".
    QCOMPARE(TRegistryIniFile(u"KnobPresets\\Piano"_s).ReadString({}, u"Caption1"_s, {}),
             u"Volume"_s);
}

void TestStore::erasingKeys() {
    TRegistryIniFile Presets(u"KnobPresets"_s);
    Presets.WriteString({}, u"Caption1"_s, u"stray"_s);
    Presets.WriteString(u"Piano"_s, u"Caption1"_s, u"A"_s);
    Presets.WriteString(u"Piano\\Sub"_s, u"X"_s, u"B"_s);
    Presets.WriteString(u"Piano2"_s, u"Caption1"_s, u"C"_s);
    Presets.EraseSection(u"PIANO"_s);
    QCOMPARE(Presets.ReadSections(), QStringList{u"Piano2"_s});
    QVERIFY(!TRegistryIniFile::KeyExists(u"KnobPresets\\Piano\\Sub"_s));
    // A preset saved under an empty name erases section "" first: that must not wipe the others.
    Presets.EraseSection(QString());
    QVERIFY(!Presets.ValueExists({}, u"Caption1"_s));
    QCOMPARE(Presets.ReadSections(), QStringList{u"Piano2"_s});
}

void TestStore::storesOnOneFileShareOneCopy() {
    auto Root = std::make_unique<TRegistryIniFile>();
    TRegistryIniFile(u"KnobPresets"_s).WriteInteger(u"Piano"_s, u"IUser1"_s, 7);
    QCOMPARE(Root->ReadInteger(u"KnobPresets\\Piano"_s, u"IUser1"_s, 0), 7);
    // Saved when the last store on the file closes.
    QVERIFY(!QFileInfo::exists(ProgramStoreFileName()));
    Root.reset();
    QCOMPARE(TRegistryIniFile(u"KnobPresets\\Piano"_s).ReadInteger({}, u"IUser1"_s, 0), 7);
}

// --- Saving and damaged files -----------------------------------------------------------------

void TestStore::saveFailureKeepsLastGoodFile_data() {
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<QString>("failure");
    for (TKind Kind : {TKind::File, TKind::Registry})
        for (const char *Failure : {"disk full", "crash while writing", "read-only file"})
            QTest::addRow("%s, %s", Kind == TKind::File ? "file" : "per-user", Failure)
                << Kind << QString::fromLatin1(Failure);
}

void TestStore::saveFailureKeepsLastGoodFile() {
    QFETCH(TKind, kind);
    QFETCH(QString, failure);
    const QString File = StoreFile(kind);
    const QByteArray Good = "[KeyboardForm]\nProgram=5\n";
    WriteAll(File, Good);
    if (failure == "disk full"_L1) {
        SetAtomicWriteHook([](QIODevice &Device, const QByteArray &Data) {
            Device.write(Data.left(Data.size() / 2));
            return false;
        });
    } else if (failure == "crash while writing"_L1) {
        SetAtomicWriteHook([](QIODevice &Device, const QByteArray &Data) -> bool {
            Device.write(Data.left(3));
            throw std::runtime_error("crash");
        });
    } else {
        // Permission bits do not stop root; the store itself must respect them.
        QVERIFY(QFile::setPermissions(File, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
    auto Store = Open(kind);
    for (int N = 0; N < 200; ++N)
        Store->WriteInteger(u"KeyboardForm"_s, u"V%1"_s.arg(N), N);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, Store->UpdateFile());
    Store.reset();
    QCOMPARE(ReadAll(File), Good);
    QCOMPARE(Entries(QFileInfo(File).absolutePath()), QStringList{QFileInfo(File).fileName()});
    if (kind == TKind::Registry)
        QVERIFY(!TRegistryIniFile::TakeNotice().isEmpty());
}

void TestStore::unwritableFolder() {
    // A regular file where the company folder should be.
    WriteAll(Config() + u"/Tavrel"_s, "not a folder");
    TRegistryIniFile(u"KnobPresets"_s).WriteInteger(u"Piano"_s, u"IUser1"_s, 1);
    QVERIFY(TRegistryIniFile::TakeNotice().contains(ProgramStoreFileName()));
    QVERIFY(TRegistryIniFile::TakeNotice().isEmpty());
    QCOMPARE(ReadAll(Config() + u"/Tavrel"_s), QByteArray("not a folder"));
    TIniFile Export(Config() + u"/Tavrel/export.ini"_s);
    Export.WriteInteger(u"S"_s, u"V"_s, 1);
    QVERIFY_THROWS_EXCEPTION(EIniFileException, Export.UpdateFile());
}

void TestStore::damagedStoreIsKeptAside_data() {
    QTest::addColumn<QByteArray>("content"); // empty: a folder in its place
    QTest::addColumn<bool>("damaged");
    QTest::newRow("NUL bytes after a crash") << QByteArray(4096, '\0') << true;
    QTest::newRow("NULs after good lines") << QByteArray("[A]\nTop=1\n\0\0", 12) << true;
    QTest::newRow("binary") << QByteArray("\x7f"
                                          "ELF\x02\x01\x01\0\0\0\0\xff\xfe junk\n",
                                          18)
                            << true;
    QTest::newRow("a folder in its place") << QByteArray() << true;
    QTest::newRow("comments and blanks are fine")
        << QByteArray("; by hand\r\n\r\n# also\n[A]\r\n Top = 1 \r\n[Empty]\n") << false;
}

void TestStore::damagedStoreIsKeptAside() {
    QFETCH(QByteArray, content);
    QFETCH(bool, damaged);
    const QString File = ProgramStoreFileName();
    const QString Folder = QFileInfo(File).absolutePath();
    if (content.isEmpty())
        QVERIFY(QDir().mkpath(File));
    else
        WriteAll(File, content);
    {
        TRegistryIniFile Root;
        QCOMPARE(Root.ReadInteger(u"A"_s, u"Top"_s, -5), damaged ? -5 : 1);
        Root.WriteInteger(u"A"_s, u"Top"_s, 2);
    }
    const QString Notice = TRegistryIniFile::TakeNotice();
    QVERIFY(TRegistryIniFile::TakeNotice().isEmpty());
    const QStringList Aside =
        QDir(Folder).entryList({QFileInfo(File).fileName() + ".corrupt-*"}, QDir::AllEntries);
    QCOMPARE(Aside.size(), damaged ? 1 : 0);
    if (damaged) {
        QVERIFY(Notice.contains(Folder + u'/' + Aside.first()));
        if (!content.isEmpty())
            QCOMPARE(ReadAll(Folder + u'/' + Aside.first()), content);
    } else {
        QVERIFY(Notice.isEmpty());
    }
    QCOMPARE(TRegistryIniFile().ReadInteger(u"A"_s, u"Top"_s, 0), 2);
    QVERIFY(TRegistryIniFile::TakeNotice().isEmpty());
}

void TestStore::damagedLinesAreSkippedAndNamed_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("values"); // "Section|Ident=Value", all that is read
    QTest::addColumn<QString>("notice");
    QTest::newRow("a line without '='")
        << QByteArray("[KeyboardForm]\nProgram=5\nthis is not a setting\nTop=3\n")
        << QStringList{u"KeyboardForm|Program=5"_s, u"KeyboardForm|Top=3"_s}
        << u"Line 3 of %1 is not a setting; it was ignored."_s;
    QTest::newRow("CR LF lines counted once")
        << QByteArray("[A]\r\nx=1\r\n\r\nbad\r\ny=2\r\n") << QStringList{u"A|x=1"_s, u"A|y=2"_s}
        << u"Line 4 of %1 is not a setting; it was ignored."_s;
    // Filed under the section before, the knobs of "Piano" would change "KeyboardForm".
    QTest::newRow("a broken section line takes its values along")
        << QByteArray("[KeyboardForm]\nProgram=5\n[KnobPresets\\Piano\nCaption1=X\n"
                      "; a comment\n[Keyboard]\nKeyWidth=9\n")
        << QStringList{u"KeyboardForm|Program=5"_s, u"Keyboard|KeyWidth=9"_s}
        << u"Lines 3 and 4 of %1 are not settings; they were ignored."_s;
    QTest::newRow("many named by the first")
        << QByteArray("[A]\na\nb\nc\nx=1\nd\ne\nf\ng\n") << QStringList{u"A|x=1"_s}
        << u"Lines 2, 3, 4, 6, 7 and 2 more of %1 are not settings; they were ignored."_s;
}

// One damaged line no longer costs every setting: it is skipped and named, nothing is set
// aside, and the next save writes the file without it.
void TestStore::damagedLinesAreSkippedAndNamed() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, values);
    QFETCH(QString, notice);
    const QString File = ProgramStoreFileName();
    WriteAll(File, content);
    const auto Read = [](const TCustomIniFile &Store) {
        QStringList Found;
        const QStringList Sections = Store.ReadSections();
        for (const QString &Section : Sections)
            for (const QString &Ident : Store.ReadSection(Section))
                Found << Section + u'|' + Ident + u'=' + Store.ReadString(Section, Ident, {});
        Found.sort();
        return Found;
    };
    {
        TRegistryIniFile Root;
        QCOMPARE(Read(Root), values);
        Root.WriteInteger(u"Z"_s, u"New"_s, 1);
    }
    // Named after the executable: "ondrel.ini" for the program itself.
    QCOMPARE(TRegistryIniFile::TakeNotice(), notice.arg(QFileInfo(File).fileName()));
    QVERIFY(QDir(QFileInfo(File).absolutePath()).entryList({u"*.corrupt-*"_s}).isEmpty());
    const TIniFile Saved(File);
    QCOMPARE(Read(Saved), QStringList(values) << u"Z|New=1"_s);
    QVERIFY(TRegistryIniFile::TakeNotice().isEmpty());
}

void TestStore::onlyRegularFilesAreRead_data() {
    QTest::addColumn<QString>("path"); // "fifo", "big" or a path
    QTest::addColumn<QString>("reason");
    QTest::newRow("a FIFO does not block") << u"fifo"_s << u"not a regular file"_s;
    QTest::newRow("a device does not read for ever") << u"/dev/zero"_s << u"not a regular file"_s;
    QTest::newRow("a folder") << u"folder"_s << u"folder"_s;
    QTest::newRow("larger than 16 MB") << u"big"_s << u"larger than 16 MB"_s;
}

// Reading an .ini file (an import, the settings) answers at once for what is no regular file,
// and does not fill the memory with a huge one.
void TestStore::onlyRegularFilesAreRead() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QString File = path;
    if (path == "fifo"_L1) {
        File = FHome->filePath(u"pipe.ini"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(File).constData(), 0600), 0);
    } else if (path == "folder"_L1) {
        File = FHome->filePath(u"folder.ini"_s);
        QVERIFY(QDir().mkpath(File));
    } else if (path == "big"_L1) {
        File = FHome->filePath(u"big.ini"_s);
        QFile Big(File);
        QVERIFY(Big.open(QIODevice::WriteOnly));
        QVERIFY(Big.write("[A]\nx=1\n") > 0);
        QVERIFY(Big.resize(TIniDocument::MaxFileSize + 1)); // sparse: no disk space taken
    }
    try {
        TIniFile Ini(File);
        QFAIL("the file was read");
    } catch (const EIniFileException &E) {
        QVERIFY2(E.Message().contains(reason), qPrintable(E.Message()));
    }
}

// --- Several programs on one file -------------------------------------------------------------

void TestStore::twoProgramsKeepEachOthersChanges_data() {
    QTest::addColumn<QByteArray>("before");  // the file both programs read
    QTest::addColumn<QByteArray>("other");   // what the other program saved meanwhile
    QTest::addColumn<QString>("change");     // what this program does: see the test
    QTest::addColumn<QStringList>("result"); // "Section|Ident=Value", sorted
    QTest::newRow("different values")
        << QByteArray("[K]\nA=1\nB=1\n") << QByteArray("[K]\nA=1\nB=2\n") << u"set K A 3"_s
        << QStringList{u"K|A=3"_s, u"K|B=2"_s};
    QTest::newRow("a preset each")
        << QByteArray() << QByteArray("[KnobPresets\\Organ]\nCaption1=O\n")
        << u"set KnobPresets\\Piano Caption1 P"_s
        << QStringList{u"KnobPresets\\Organ|Caption1=O"_s, u"KnobPresets\\Piano|Caption1=P"_s};
    QTest::newRow("the other's deletion stays")
        << QByteArray("[K]\nA=1\nB=1\n") << QByteArray("[K]\nB=1\n") << u"set K B 5"_s
        << QStringList{u"K|B=5"_s};
    QTest::newRow("the same value: the later save wins")
        << QByteArray("[K]\nA=1\n") << QByteArray("[K]\nA=2\n") << u"set K A 3"_s
        << QStringList{u"K|A=3"_s};
    QTest::newRow("an erased key keeps what the other added to it")
        << QByteArray("[P]\nX=1\n[Q]\nZ=1\n") << QByteArray("[P]\nX=1\nY=2\n[Q]\nZ=1\n")
        << u"erase P"_s << QStringList{u"P|Y=2"_s, u"Q|Z=1"_s};
    QTest::newRow("a value written unchanged is no change")
        << QByteArray("[K]\nA=1\n") << QByteArray("[K]\nA=2\n") << u"set K A 1"_s
        << QStringList{u"K|A=2"_s};
}

void TestStore::twoProgramsKeepEachOthersChanges() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, other);
    QFETCH(QString, change);
    QFETCH(QStringList, result);
    const QString File = ProgramStoreFileName();
    WriteAll(File, before);
    const auto Contents = [](const TCustomIniFile &Store) {
        QStringList Found;
        for (const QString &Section : Store.ReadSections())
            for (const QString &Ident : Store.ReadSection(Section))
                Found << Section + u'|' + Ident + u'=' + Store.ReadString(Section, Ident, {});
        Found.sort();
        return Found;
    };
    TRegistryIniFile Root;
    QVERIFY(Root.ReadSections().size() >= 0); // read now, as a window does at start
    // The other program saves as this one does: a new file in the old one's place.
    const QString Aside = File + u".other"_s;
    WriteAll(Aside, other);
    QVERIFY(QFile::remove(File) || before.isEmpty());
    QVERIFY(QFile::rename(Aside, File));
    const QStringList Words = change.split(u' ');
    if (Words[0] == "set"_L1)
        Root.WriteString(Words[1], Words[2], Words[3]);
    else
        Root.EraseSection(Words[1]);
    Root.UpdateFile();
    QCOMPARE(Contents(TIniFile(File)), result);
    // What the other program saved is what this one reads now too.
    for (const QString &Entry : result) {
        const QString Section = Entry.section(u'|', 0, 0);
        const QString Ident = Entry.section(u'|', 1).section(u'=', 0, 0);
        QCOMPARE(Root.ReadString(Section, Ident, u"?"_s), Entry.section(u'=', 1));
    }
}

void TestStore::failedSaveIsToldOnceAndTriedAgain() {
    SetAtomicWriteHook([](QIODevice &, const QByteArray &) { return false; });
    {
        TRegistryIniFile Root;
        Root.WriteInteger(u"KeyboardForm"_s, u"Program"_s, 5);
        QVERIFY_THROWS_EXCEPTION(EIniFileException, Root.UpdateFile());
    }
    QVERIFY(TRegistryIniFile::TakeNotice().contains(u"tried again"_s));
    {
        TRegistryIniFile Root;
        QCOMPARE(Root.ReadInteger(u"KeyboardForm"_s, u"Program"_s, -1), 5); // kept in memory
        Root.WriteInteger(u"KeyboardForm"_s, u"Top"_s, 7);
    }
    QVERIFY(!TRegistryIniFile::SaveUnsaved());
    QVERIFY(TRegistryIniFile::TakeNotice().isEmpty()); // told once
    QVERIFY(TRegistryIniFile::Unsaved());
    SetAtomicWriteHook({});
    QVERIFY(TRegistryIniFile::SaveUnsaved());
    QVERIFY(!TRegistryIniFile::Unsaved());
    const TIniFile Saved(ProgramStoreFileName());
    QCOMPARE(Saved.ReadInteger(u"KeyboardForm"_s, u"Program"_s, -1), 5);
    QCOMPARE(Saved.ReadInteger(u"KeyboardForm"_s, u"Top"_s, -1), 7);
    // A new failure after one that was overcome is told again.
    SetAtomicWriteHook([](QIODevice &, const QByteArray &) { return false; });
    TRegistryIniFile().WriteInteger(u"KeyboardForm"_s, u"Top"_s, 8);
    QVERIFY(!TRegistryIniFile::TakeNotice().isEmpty());
}

void TestStore::staleLockOfAKilledProgramDoesNotBlockSaving() {
    // The lock a program killed while saving leaves behind: its process is gone.
    QProcess Gone;
    Gone.start(u"true"_s, QStringList());
    QVERIFY(Gone.waitForStarted(5000));
    const qint64 Pid = Gone.processId();
    QVERIFY(Gone.waitForFinished(5000));
    const QString File = ProgramStoreFileName();
    WriteAll(File + u".lock"_s,
             QByteArray::number(Pid) + "\nondrel\n" + QSysInfo::machineHostName().toUtf8() + '\n');
    {
        TRegistryIniFile Root;
        Root.WriteInteger(u"KeyboardForm"_s, u"Program"_s, 9);
        Root.UpdateFile();
    }
    QCOMPARE(TIniFile(File).ReadInteger(u"KeyboardForm"_s, u"Program"_s, -1), 9);
    QVERIFY(!QFileInfo::exists(File + u".lock"_s));
}

// The main window's way: its settings written into memory, and only what differs from its
// last save copied into the store, so that what another window saved stays.
void TestStore::windowWritesOnlyWhatItChanged() {
    WriteAll(ProgramStoreFileName(), "[KeyboardForm]\nProgram=5\nTop=1\n");
    const auto Write = [](TRegistryIniFile &Store, int Top) {
        Store.WriteInteger(u"KeyboardForm"_s, u"Program"_s, 5);
        Store.WriteInteger(u"KeyboardForm"_s, u"Top"_s, Top);
        Store.WriteInteger(u"Keyboard"_s, u"KeyWidth"_s, 12);
    };
    auto Saved = TRegistryIniFile::InMemory();
    Write(*Saved, 1);
    // Meanwhile another window chose program 7.
    WriteAll(ProgramStoreFileName(), "[KeyboardForm]\nProgram=7\nTop=1\n");
    auto Now = TRegistryIniFile::InMemory();
    Write(*Now, 2);
    {
        TRegistryIniFile Store;
        QVERIFY(Now->CopyChangesTo(*Saved, Store, true));
        Store.UpdateFile();
    }
    const TIniFile File(ProgramStoreFileName());
    QCOMPARE(File.ReadInteger(u"KeyboardForm"_s, u"Program"_s, -1), 7); // not changed here
    QCOMPARE(File.ReadInteger(u"KeyboardForm"_s, u"Top"_s, -1), 2);     // changed here
    QCOMPARE(File.ReadInteger(u"Keyboard"_s, u"KeyWidth"_s, -1), 12);   // missing there
}

void TestStore::windowsWrittenIni_data() {
    QTest::addColumn<QByteArray>("content");
    const QString Text =
        u"; Exported\r\n[KeyboardForm]\r\nProgram = 12\r\n  Knob Preset=Piéno \r\n"
        "PatchScript=C:\\P\\\"GM\".txt\r\n\r\n[KnobPresets\\Piano]\r\nCaption1=V\r\n"_s;
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + Text.toUtf8();
    QTest::newRow("ANSI") << Text.toLatin1();
    QByteArray Utf16("\xFF\xFE");
    for (QChar C : Text)
        Utf16.append(char(C.unicode() & 0xff)).append(char(C.unicode() >> 8));
    QTest::newRow("UTF-16 with BOM") << Utf16;
    QTest::newRow("CR line ends") << Text.toUtf8().replace("\r\n", "\r");
}

void TestStore::windowsWrittenIni() {
    QFETCH(QByteArray, content);
    WriteAll(FIniFile, content);
    TIniFile Ini(FIniFile);
    QCOMPARE(Ini.ReadSections(), (QStringList{u"KeyboardForm"_s, u"KnobPresets\\Piano"_s}));
    QCOMPARE(Ini.ReadInteger(u"KeyboardForm"_s, u"Program"_s, -1), 12);
    QCOMPARE(Ini.ReadString(u"keyboardform"_s, u"knob preset"_s, {}), u"Piéno"_s);
    QCOMPARE(Ini.ReadString(u"KeyboardForm"_s, u"PatchScript"_s, {}), u"C:\\P\\\"GM\".txt"_s);
    QCOMPARE(Ini.ReadString(u"KnobPresets\\Piano"_s, u"Caption1"_s, {}), u"V"_s);
}

void TestStore::unstorableNamesAreNotWritten_data() {
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("ident");
    const QList<std::tuple<const char *, QString, QString>> Cases{
        {"name opening a section", u"A"_s, u" [B"_s},   {"name like a comment", u"A"_s, u";x"_s},
        {"name like a shell comment", u"A"_s, u"#x"_s}, {"name holding '='", u"A"_s, u"a=b"_s},
        {"section holding ']'", u"A]B"_s, u"x"_s},
    };
    for (TKind Kind : {TKind::File, TKind::Registry})
        for (const auto &[Name, Section, Ident] : Cases)
            QTest::addRow("%s, %s", Kind == TKind::File ? "file" : "per-user", Name)
                << Kind << Section << Ident;
}

// Such a value would come back under another name or section, or (a line "[B=v") make the next
// start take the whole store for a damaged file.
void TestStore::unstorableNamesAreNotWritten() {
    QFETCH(TKind, kind);
    QFETCH(QString, section);
    QFETCH(QString, ident);
    auto Store = Open(kind);
    Store->WriteInteger(u"A"_s, u"Top"_s, 1);
    Store->WriteString(section, ident, u"v"_s);
    QVERIFY(!Store->ValueExists(section, ident));
    Reopen(Store, kind);
    QVERIFY(TRegistryIniFile::TakeNotice().isEmpty());
    QCOMPARE(Store->ReadInteger(u"A"_s, u"Top"_s, 0), 1);
    QCOMPARE(Store->ReadSections(), QStringList{u"A"_s});
    QCOMPARE(Store->ReadSection(u"A"_s), QStringList{u"Top"_s});
}

void TestStore::fuzzedIniText_data() {
    QTest::addColumn<QByteArray>("content");
    // SimpleIni filed the value after it under a section name running on into that line.
    QTest::newRow("section header without ']' before a value")
        << QByteArray("[A]\nx=1\n[Snapsho\x8c\xf9Name1=Soft\nValues1=07400A40\n");
    // Decoding dropped a U+FEFF at the start of a name, which then named nothing.
    QTest::newRow("name that is a byte-order mark") << QByteArray("[A]\n\xEF\xBB\xBF=7\nx=1\n");
    QTest::newRow("first name starts with a byte-order mark") << QByteArray("\n\xEF\xBB\xBFN=1\n");
    QTest::newRow("empty nameless section, UTF-16") << QByteArray("\xFF\xFE[\0]\0\n\0a\xEB", 10);
    const QDir Seeds(QString::fromLocal8Bit(qgetenv("ONDREL_SOURCE_DIR")) +
                     u"/tests/fuzz/corpus/ini"_s);
    for (const QString &Name : Seeds.entryList(QDir::Files))
        QTest::addRow("seed %s", qPrintable(Name)) << ReadAll(Seeds.filePath(Name));
}

// Any bytes load, and what is written reads back the same (the ini fuzzer's check).
void TestStore::fuzzedIniText() {
    QFETCH(QByteArray, content);
    const QString Broken = TextCheck::CheckIniText(content);
    QVERIFY2(Broken.isEmpty(), qPrintable(Broken));
}

void TestStore::fuzzedStoreAndImport_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("the other's file is no text") << QByteArray("[A]\nx=1\n[B]\ny\0=2\n", 18);
    QTest::newRow("nested keys, one broken")
        << QByteArray("[K\\A]\nx=1\n[K\\A\\B\nz=1\n[K]\nv=0\n[K\\C]\nx=2\n");
    QTest::newRow("chords named alike, a preset, snapshots, keys")
        << QByteArray("[Chords]\nName1=Jazz\nChord1=3C0407\nName2=JAZZ\nChord2=3C04\n"
                      "Name3=x\nChord3=3C00\n[P]\nCaption1=V\nIUser1=300\nDisplayMode1=0\n"
                      "[Snapshots]\nValues1=07FF0A40\n[Keyboard]\nChannel=99\nBaseNote=-4\n");
    const QDir Seeds(QString::fromLocal8Bit(qgetenv("ONDREL_SOURCE_DIR")) +
                     u"/tests/fuzz/corpus/ini"_s);
    for (const QString &Name : Seeds.entryList(QDir::Files))
        QTest::addRow("seed %s", qPrintable(Name)) << ReadAll(Seeds.filePath(Name));
}

// What the store and import fuzzers check, for inputs that once broke them.
void TestStore::fuzzedStoreAndImport() {
    QFETCH(QByteArray, content);
    const QString Folder = FHome->filePath(u"fuzz"_s);
    QVERIFY(QDir().mkpath(Folder));
    const QString Merge = StoreCheck::CheckStoreMerge(content, Folder);
    QVERIFY2(Merge.isEmpty(), qPrintable(Merge));
    const QString File = FHome->filePath(u"import.ini"_s);
    WriteAll(File, content);
    const QString Import = StoreCheck::CheckImport(File);
    QVERIFY2(Import.isEmpty(), qPrintable(Import));
}

// --- Uninstall and the program's name ---------------------------------------------------------

void TestStore::uninstallRemovesExactlyTheProgramTree_data() {
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<QStringList>("remainingFolders");
    QTest::newRow("alone") << QStringList{} << QStringList{};
    QTest::newRow("another executable's settings") << QStringList{u"Tavrel/Ondrel/ondrel-old.ini"_s}
                                                   << QStringList{u"Tavrel"_s, u"Tavrel/Ondrel"_s};
    QTest::newRow("another program of the company")
        << QStringList{u"Tavrel/Other/other.ini"_s} << QStringList{u"Tavrel"_s};
    QTest::newRow("other companies")
        << QStringList{u"Tavrelx/Ondrel/ondrel.ini"_s, u"Ondrel/ondrel.ini"_s} << QStringList{};
}

void TestStore::uninstallRemovesExactlyTheProgramTree() {
    QFETCH(QStringList, others);
    QFETCH(QStringList, remainingFolders);
    const QString Key = u"Ondrel\\ondrel"_s;
    const QString File = StoreFileName(u"Tavrel"_s, Key);
    QCOMPARE(File, Config() + u"/Tavrel/Ondrel/ondrel.ini"_s);
    TRegistryIniFile(QString(), File).WriteString(u"KnobPresets\\Piano"_s, u"Caption1"_s, u"A"_s);
    WriteAll(File + u".corrupt-20240101-000000"_s, "old damage");
    for (const QString &Other : others)
        WriteAll(Config() + u'/' + Other, "[S]\nV=1\n");

    QVERIFY(DeleteProgramKeys(u"Tavrel"_s, Key));
    for (const QString &Other : others)
        QVERIFY2(QFileInfo::exists(Config() + u'/' + Other), qPrintable(Other));
    QVERIFY(QFileInfo(Config()).isDir());
    QCOMPARE(QDir(Config()).exists(u"Tavrel"_s), remainingFolders.contains(u"Tavrel"_s));
    QCOMPARE(Entries(Config() + u"/Tavrel/Ondrel"_s),
             others.filter(u"Tavrel/Ondrel/"_s).replaceInStrings(u"Tavrel/Ondrel/"_s, QString()));
}

void TestStore::uninstallIsNotUndoneByOpenStores() {
    auto Dialog = std::make_unique<TRegistryIniFile>(u"PatchSetDialog"_s);
    Dialog->WriteInteger({}, u"DlgTop"_s, 5);
    Dialog->UpdateFile();
    QVERIFY(DeleteProgramKeys(CompanyKeyName.toString(), ProgramKeyName()));
    QVERIFY(!QFileInfo::exists(Config() + u"/Tavrel"_s));
    // Windows closing after Uninstall write their state and close their stores.
    Dialog->WriteInteger({}, u"DlgLeft"_s, 6);
    Dialog.reset();
    TRegistryIniFile Root;
    QVERIFY(Root.ReadSections().isEmpty());
    Root.WriteInteger(u"KeyboardForm"_s, u"Top"_s, 1);
    QVERIFY_THROWS_EXCEPTION(EIniFileException, Root.UpdateFile());
    QVERIFY(!QFileInfo::exists(Config() + u"/Tavrel"_s));
}

void TestStore::renamedExecutableGetsFreshSettings_data() {
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("key");
    QTest::newRow("plain") << "/usr/bin/ondrel"
                           << "Ondrel\\ondrel";
    QTest::newRow("renamed") << "/opt/x/MyKeys"
                             << "Ondrel\\MyKeys";
    QTest::newRow("last extension dropped") << "C:/Tools/ondrel.2.exe"
                                            << "Ondrel\\ondrel.2";
    QTest::newRow("backslash is no key step") << "/tmp/a\\b"
                                              << "Ondrel\\a_b";
}

void TestStore::renamedExecutableGetsFreshSettings() {
    QFETCH(QString, exe);
    QFETCH(QString, key);
    QCOMPARE(ProgramKeyNameOf(exe), key);
    QCOMPARE(QFileInfo(StoreFileName(u"Tavrel"_s, key)).absolutePath(),
             Config() + u"/Tavrel/Ondrel"_s);
    QCOMPARE(ProgramStoreFileName(), StoreFileName(u"Tavrel"_s, ProgramKeyNameOf(ExePath())));
}

// --- Utilities --------------------------------------------------------------------------------

void TestStore::smallConversions() {
    QCOMPARE(VersionText(u"1.5.0.12"_s), u"1.50"_s);
    QCOMPARE(BuildText(u"1.5.0.12"_s), u"12"_s);
    QCOMPARE(VersionText(u"7"_s) + BuildText(u"7"_s), u"7"_s);
    QCOMPARE(FileVersionText().count(u'.'), 3);
    QVERIFY(FileVersionText().startsWith(QStringLiteral(ONDREL_VERSION)));
    QCOMPARE(ZeroPaddedNumber(7, 3), u"007"_s);
    QCOMPARE(ZeroPaddedNumber(12345, 3), u"12345"_s);
    QCOMPARE(ZeroPaddedNumber(-7, 4), u"-007"_s);
    uint8_t Byte = 0;
    QVERIFY(HexToByte(u"07640a40", 4, Byte) && Byte == 0x0A);
    QVERIFY(!HexToByte(u"0G", 0, Byte) && Byte == 0x0A);
    QVERIFY(!HexToByte(u"074", 2, Byte));          // an odd trailing digit
    QVERIFY(!HexToByte(u"\uff10\uff11", 0, Byte)); // full-width digits are no hex
    WriteAll(FHome->path() + u"/file"_s, "x");
    QVERIFY(QFile::link(FHome->path(), FHome->path() + u"/link"_s));
    QVERIFY(DirectoryExists(FHome->path() + u"/link"_s));
    QVERIFY(!DirectoryExists(FHome->path() + u"/file"_s));
    QVERIFY(!DirectoryExists(FHome->path() + u"/missing"_s));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
