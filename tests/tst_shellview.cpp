// The file list view, its folder watcher and the folder picker, on temporary folders. HOME and
// the XDG folders point into a temporary folder too, so the trash and the home folder the view
// falls back to are never the real ones.

#include "core/inifile.h"
#include "core/registryinifile.h"
#include "shellview/fileoperation.h"
#include "shellview/folderwatchthread.h"
#include "shellview/pathdialog.h"
#include "shellview/systemlistview.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDirIterator>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include <QScopeGuard>

#include <filesystem>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TViewStyle)
Q_DECLARE_METATYPE(TColumnType)
Q_DECLARE_METATYPE(TFileOp)

namespace {

enum class TStoreKind { File, Registry };

QString Environment(const char *Name) {
    return QString::fromLocal8Bit(qgetenv(Name));
}

void WriteFile(const QString &Path, const QByteArray &Data = "x") {
    QDir().mkpath(QFileInfo(Path).absolutePath());
    QFile File(Path);
    QVERIFY2(File.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(Path));
    QCOMPARE(File.write(Data), Data.size());
}

QByteArray ReadFile(const QString &Path) {
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray("<missing>");
}

void SetTime(const QString &Path, const QDateTime &Time) {
    QFile File(Path);
    QVERIFY(File.open(QIODevice::ReadWrite));
    QVERIFY(File.setFileTime(Time, QFileDevice::FileModificationTime));
}

// A shell command run by another process in Folder, as a user's other programs would.
void RunOutside(const QString &Folder, const QString &Command) {
    QProcess Shell;
    Shell.setWorkingDirectory(Folder);
    Shell.start(u"sh"_s, {u"-c"_s, Command});
    QVERIFY(Shell.waitForFinished(5000));
    QCOMPARE(Shell.exitCode(), 0);
}

QString Cell(const TSystemListView &View, int Row, TColumnKind Kind) {
    const int Column = int(View.Columns().indexOf(Kind));
    if (Row < 0 || Column < 0)
        return u"<none>"_s;
    const QAbstractItemModel *Model = View.ReportView()->model();
    return Model->data(Model->index(Row, Column)).toString();
}

QAction *MenuAction(QMenu *Menu, const QString &Text) {
    for (QAction *Action : Menu->findChildren<QAction *>())
        if (Action->text() == Text)
            return Action;
    return nullptr;
}

// The in-place editor open on View, if any.
QLineEdit *OpenEditor(const QAbstractItemView *View) {
    for (QLineEdit *Editor : View->viewport()->findChildren<QLineEdit *>())
        if (Editor->isVisible())
            return Editor;
    return nullptr;
}

QStringList TrashedNames() {
    return QDir(Environment("XDG_DATA_HOME") + u"/Trash/files"_s)
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

Q_DECLARE_METATYPE(TStoreKind)

class TestShellView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void listingFilters_data();
    void listingFilters();
    void cellTexts_data();
    void cellTexts();
    void columnSets();
    void columnSetsByFolder_data();
    void columnSetsByFolder();
    void sorting_data();
    void sorting();

    void history_data();
    void history();
    void invalidDirectory_data();
    void invalidDirectory();
    void defaultCommand_data();
    void defaultCommand();
    void keys_data();
    void keys();

    void rename_data();
    void rename();
    void renameInPlace();
    void deleting_data();
    void deleting();
    void permanentDeleteOfLinkKeepsTarget();
    void folderSwappedForLinkKeepsTheLinkedFolder();
    void newFolder_data();
    void newFolder();
    void backgroundMenu_data();
    void backgroundMenu();
    void uniqueName_data();
    void uniqueName();
    void clipboardFormats_data();
    void clipboardFormats();
    void paste_data();
    void paste();
    void chooseDropAction_data();
    void chooseDropAction();
    void drops_data();
    void drops();
    void userDrop();
    void fileJobs_data();
    void fileJobs();
    void watcherGoesOnDuringCopy_data();
    void watcherGoesOnDuringCopy();

    void watcherFollowsOtherPrograms_data();
    void watcherFollowsOtherPrograms();
    void watcherWaitsWhilePaused();
    void folderGoneShowsNearestParent_data();
    void folderGoneShowsNearestParent();
    void startEmptyDir_data();
    void startEmptyDir();
    void handlerExceptionFromWatcherIsShown();
    void overtakenListingIsDropped();
    void destroyedWhileListing();

    void stateRoundTrip_data();
    void stateRoundTrip();
    void loadState_data();
    void loadState();

    void pathDialogDirectory_data();
    void pathDialogDirectory();
    void pathDialogExecute_data();
    void pathDialogExecute();
    void pathDialogHandlers();

private:
    std::unique_ptr<TSystemListView> NewView(const QString &Folder);
    QString Path(const QString &Relative) const { return FDir->path() + u'/' + Relative; }
    void CheckFiles(const QStringList &After);

    std::unique_ptr<QTemporaryDir> FDir;
    QStringList FErrors;
    QStringList FQuestions;
    QStringList FOpened;
    QStringList FStatus;
    bool FAnswer = true;
};

void TestShellView::init() {
    FDir = std::make_unique<QTemporaryDir>(Environment("HOME") + u"/work-XXXXXX"_s);
    QVERIFY(FDir->isValid());
    FErrors.clear();
    FQuestions.clear();
    FOpened.clear();
    FStatus.clear();
    FAnswer = true;
    QDir(Environment("XDG_DATA_HOME") + u"/Trash"_s).removeRecursively();
}

void TestShellView::cleanup() {
    // Let read-only leftovers of a test go with the folder.
    QDirIterator It(FDir->path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (It.hasNext())
        QFile::setPermissions(It.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    FDir.reset();
}

std::unique_ptr<TSystemListView> TestShellView::NewView(const QString &Folder) {
    auto View = std::make_unique<TSystemListView>();
    View->Prompt = [this](TSystemListView::TPromptKind Kind, const QString &Text) {
        if (Kind == TSystemListView::TPromptKind::pkConfirm)
            FQuestions.append(Text);
        else if (Kind == TSystemListView::TPromptKind::pkError)
            FErrors.append(Text);
        return FAnswer;
    };
    View->OpenDocument = [this](const QString &File) {
        FOpened.append(File);
        return true;
    };
    View->OnSetStatusBar = [this](TSystemListView *, int, const QString &Text) {
        if (!Text.isEmpty())
            FStatus.append(Text);
    };
    View->resize(640, 400);
    if (!Folder.isEmpty())
        View->SetDirectory(Folder);
    return View;
}

// --- Listing ----------------------------------------------------------------------------------

void TestShellView::listingFilters_data() {
    QTest::addColumn<QString>("extensions");
    QTest::addColumn<bool>("folders");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QString>("joined");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("txt: a.TXT and the folder, not b.ini")
        << u"txt"_s << true << false << u"txt"_s << QStringList{u".."_s, u"c"_s, u"a.TXT"_s};
    QTest::newRow("no extensions: every file")
        << QString() << true << false << QString()
        << QStringList{u".."_s, u"c"_s, u"a.TXT"_s, u"b.ini"_s, u"noext"_s};
    QTest::newRow("repeated blanks") << u"  INI   txt "_s << true << false << u"INI txt"_s
                                     << QStringList{u".."_s, u"c"_s, u"a.TXT"_s, u"b.ini"_s};
    QTest::newRow("no folders") << u"txt"_s << false << false << u"txt"_s
                                << QStringList{u".."_s, u"a.TXT"_s};
    QTest::newRow("hidden files") << u"txt"_s << true << true << u"txt"_s
                                  << QStringList{u".."_s, u".hid"_s, u"c"_s, u".h.txt"_s,
                                                 u"a.TXT"_s};
    QTest::newRow("extension must follow a dot")
        << u"ext"_s << true << false << u"ext"_s << QStringList{u".."_s, u"c"_s};
}

void TestShellView::listingFilters() {
    QFETCH(QString, extensions);
    QFETCH(bool, folders);
    QFETCH(bool, hidden);
    QFETCH(QString, joined);
    QFETCH(QStringList, listed);
    WriteFile(Path(u"a.TXT"_s));
    WriteFile(Path(u"b.ini"_s));
    WriteFile(Path(u"noext"_s));
    WriteFile(Path(u".h.txt"_s));
    QVERIFY(QDir().mkpath(Path(u"c"_s)));
    QVERIFY(QDir().mkpath(Path(u".hid"_s)));
    QVERIFY(QFile::link(Path(u"gone"_s), Path(u"dangling.txt"_s))); // no target: never listed
                                                                    // under a filter
    auto View = NewView(FDir->path());
    View->SetAllowedExtensions(extensions);
    View->SetShowFolders(folders);
    View->SetShowHiddenFiles(hidden);
    QCOMPARE(View->AllowedExtensions(), joined);
    QStringList Shown = View->Captions();
    if (extensions.isEmpty()) // the dangling link is a file like any other without a filter
        QVERIFY(Shown.removeOne(u"dangling.txt"_s));
    QCOMPARE(Shown, listed);
}

void TestShellView::cellTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<TColumnKind>("kind");
    QTest::addColumn<QString>("text");
    using enum TColumnKind;
    QTest::newRow("0 bytes") << u"empty.zzq"_s << ckSize << u"0KB"_s;
    QTest::newRow("1 byte") << u"one.zzq"_s << ckSize << u"1KB"_s;
    QTest::newRow("1024 bytes") << u"k.zzq"_s << ckSize << u"1KB"_s;
    QTest::newRow("1025 bytes") << u"k1.zzq"_s << ckSize << u"2KB"_s;
    QTest::newRow("folder has no size") << u"dir"_s << ckSize << QString();
    QTest::newRow("unknown extension") << u"k.zzq"_s << ckType << u"File ZZQ"_s;
    QTest::newRow("no extension") << u"noext"_s << ckType << u"File"_s;
    QTest::newRow("dot-file has no extension") << u".profile"_s << ckType << u"File"_s;
    QTest::newRow("hidden") << u".profile"_s << ckAttributes << u"H"_s;
    QTest::newRow("executable") << u"run"_s << ckAttributes << u"X"_s;
    QTest::newRow("link") << u"link.zzq"_s << ckAttributes << u" link"_s;
    QTest::newRow("FIFO") << u"fifo"_s << ckAttributes << u"S"_s;
    QTest::newRow("plain file") << u"one.zzq"_s << ckAttributes << QString();
    QTest::newRow("parent entry") << u".."_s << ckModified << QString();
}

void TestShellView::cellTexts() {
    QFETCH(QString, name);
    QFETCH(TColumnKind, kind);
    QFETCH(QString, text);
    WriteFile(Path(u"empty.zzq"_s), QByteArray());
    WriteFile(Path(u"one.zzq"_s), "1");
    WriteFile(Path(u"k.zzq"_s), QByteArray(1024, 'k'));
    WriteFile(Path(u"k1.zzq"_s), QByteArray(1025, 'k'));
    WriteFile(Path(u"noext"_s));
    WriteFile(Path(u".profile"_s));
    WriteFile(Path(u"run"_s));
    QVERIFY(QFile::setPermissions(Path(u"run"_s),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(QFile::link(Path(u"one.zzq"_s), Path(u"link.zzq"_s)));
    QCOMPARE(mkfifo(QFile::encodeName(Path(u"fifo"_s)).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(Path(u"dir"_s)));
    auto View = NewView(FDir->path());
    View->SetShowHiddenFiles(true);
    const int Row = name == u".." ? 0 : View->FindItem(name);
    QVERIFY(Row >= 0);
    QCOMPARE(Cell(*View, Row, kind), text);
}

void TestShellView::columnSets() {
    TSystemListView View;
    int Created = 0;
    View.OnCreateColumns = [&](TSystemListView *) { ++Created; };
    QCOMPARE(View.ColumnType(), TColumnType::ctUnknown);
    QCOMPARE(View.Columns(), QList<TColumnKind>{TColumnKind::ckName});
    QVERIFY(View.Directory().isEmpty());
    View.SetDirectory(FDir->path());
    QCOMPARE(View.ColumnType(), TColumnType::ctFileSystem);
    QStringList Captions;
    for (int Column = 0; Column < View.Columns().size(); ++Column)
        Captions << View.ReportView()->model()->headerData(Column, Qt::Horizontal).toString();
    QCOMPARE(Captions,
             (QStringList{u"Name"_s, u"Size"_s, u"Type"_s, u"Modified"_s, u"Attributes"_s}));
    QCOMPARE(View.ColumnWidth(0), 140);
    QCOMPARE(Created, 1);
    // Showing the next folder keeps the set and the widths the user gave it.
    View.SetColumnWidth(2, 222);
    QVERIFY(QDir().mkpath(Path(u"sub"_s)));
    View.SetDirectory(Path(u"sub"_s));
    QCOMPARE(Created, 1);
    QCOMPARE(View.ColumnWidth(2), 222);
    // The owner's own set leads with Name and stays from folder to folder, until it is dropped.
    using enum TColumnKind;
    View.SetUserColumns({ckModified, ckSize, ckModified});
    QCOMPARE(View.ColumnType(), TColumnType::ctUser);
    QCOMPARE(View.Columns(), (QList<TColumnKind>{ckName, ckModified, ckSize}));
    View.SetDirectory(FDir->path());
    QCOMPARE(View.Columns(), (QList<TColumnKind>{ckName, ckModified, ckSize}));
    View.SetUserColumns({});
    QCOMPARE(View.ColumnType(), TColumnType::ctFileSystem);
    QCOMPARE(View.ColumnWidth(2), 222);
}

void TestShellView::columnSetsByFolder_data() {
    QTest::addColumn<QString>("folder");   // "~" is the home folder, "%" the runtime folder
    QTest::addColumn<QString>("userDirs"); // user-dirs.dirs, when the desktop has one
    QTest::addColumn<TColumnType>("type");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("comments"); // name=comment
    const QStringList Files{u"Name"_s, u"Size"_s, u"Type"_s, u"Modified"_s, u"Attributes"_s};
    const QStringList Media{u"Name"_s, u"Size"_s, u"Type"_s, u"Modified"_s};
    QTest::newRow("an ordinary folder")
        << u"@/plain"_s << QString() << TColumnType::ctFileSystem << Files << QStringList{};
    QTest::newRow("within the pictures folder")
        << u"~/Pictures/Holiday"_s << QString() << TColumnType::ctImages << Media << QStringList{};
    QTest::newRow("the music folder")
        << u"~/Music"_s << QString() << TColumnType::ctAudio << Media << QStringList{};
    QTest::newRow("a music folder of the desktop's own")
        << u"~/Sound/Midi"_s << u"XDG_MUSIC_DIR=\"$HOME/Sound\""_s << TColumnType::ctAudio << Media
        << QStringList{};
    QTest::newRow("a pictures folder pointed at home is none")
        << u"~/Pictures"_s << u"XDG_PICTURES_DIR=\"$HOME/\""_s << TColumnType::ctFileSystem << Files
        << QStringList{};
    QTest::newRow("the network shares")
        << u"%/gvfs"_s << QString() << TColumnType::ctNetwork
        << QStringList{u"Name"_s, u"Comment"_s}
        << QStringList{u"smb-share:server=nas,share=my%20music=my music on nas (smb)"_s,
                       u"sftp:host=example.com,user=me=me@example.com (sftp)"_s, u"plain=<none>"_s};
}

void TestShellView::columnSetsByFolder() {
    QFETCH(QString, folder);
    QFETCH(QString, userDirs);
    QFETCH(TColumnType, type);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, comments);
    const QString Home = Environment("HOME");
    const QString Runtime = Environment("XDG_RUNTIME_DIR");
    const QString UserDirs = Environment("XDG_CONFIG_HOME") + u"/user-dirs.dirs"_s;
    auto Tidy = qScopeGuard([&] {
        for (const QString &Made :
             {Home + u"/Pictures"_s, Home + u"/Music"_s, Home + u"/Sound"_s, Runtime + u"/gvfs"_s})
            QDir(Made).removeRecursively();
        QFile::remove(UserDirs);
    });
    if (!userDirs.isEmpty())
        WriteFile(UserDirs, userDirs.toUtf8() + '\n');
    folder.replace(u'@', FDir->path()).replace(u'~', Home).replace(u'%', Runtime);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir().mkpath(Path(u"plain"_s)));
    for (const QString &Comment : std::as_const(comments))
        QVERIFY(QDir().mkpath(folder + u'/' + Comment.section(u'=', 0, -2)));
    WriteFile(folder + u"/song.mid"_s);

    auto View = NewView(Path(u"plain"_s));
    View->SetColumnWidth(0, 222);
    View->SetDirectory(folder);
    QCOMPARE(View->ColumnType(), type);
    QStringList Shown;
    for (int Column = 0; Column < View->Columns().size(); ++Column)
        Shown << View->ReportView()->model()->headerData(Column, Qt::Horizontal).toString();
    QCOMPARE(Shown, captions);
    for (const QString &Comment : std::as_const(comments)) {
        const QString Text =
            Cell(*View, View->FindItem(Comment.section(u'=', 0, -2)), TColumnKind::ckComment);
        QCOMPARE(Text.isEmpty() ? u"<none>"_s : Text, Comment.section(u'=', -1));
    }
    // Each set keeps its own widths.
    if (type != TColumnType::ctFileSystem) {
        QCOMPARE(View->ColumnWidth(0), 140);
        View->SetColumnWidth(0, 250);
    }
    View->Back();
    QCOMPARE(View->ColumnWidth(0), 222);
    View->Forward();
    QCOMPARE(View->ColumnWidth(0), type == TColumnType::ctFileSystem ? 222 : 250);
}

void TestShellView::sorting_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QStringList>("order");
    const QStringList ByName{u".."_s,    u"d1"_s,    u"D2"_s,        u"a.txt"_s,
                             u"b.txt"_s, u"c.zzq"_s, u"file9.txt"_s, u"file10.txt"_s};
    QStringList Reversed = ByName;
    std::reverse(Reversed.begin(), Reversed.end());
    QTest::newRow("name") << QList<int>{} << 0 << false << ByName;
    QTest::newRow("name reversed: .. and folders last") << QList<int>{0} << 0 << true << Reversed;
    QTest::newRow("name, clicked twice") << QList<int>{0, 0} << 0 << false << ByName;
    QTest::newRow("size") << QList<int>{1} << 1 << false
                          << QStringList{u".."_s,         u"d1"_s,    u"D2"_s,    u"file9.txt"_s,
                                         u"file10.txt"_s, u"a.txt"_s, u"c.zzq"_s, u"b.txt"_s};
    QTest::newRow("size reversed")
        << QList<int>{1, 1} << 1 << true
        << QStringList{u"b.txt"_s,     u"c.zzq"_s, u"a.txt"_s, u"file10.txt"_s,
                       u"file9.txt"_s, u"D2"_s,    u"d1"_s,    u".."_s};
    QTest::newRow("another column starts unreversed")
        << QList<int>{1, 1, 3} << 3 << false
        << QStringList{u".."_s,    u"D2"_s,    u"d1"_s,        u"a.txt"_s,
                       u"c.zzq"_s, u"b.txt"_s, u"file9.txt"_s, u"file10.txt"_s};
    QTest::newRow("type, then name")
        << QList<int>{2} << 2 << false
        << QStringList{u".."_s,    u"d1"_s,    u"D2"_s,        u"c.zzq"_s,
                       u"a.txt"_s, u"b.txt"_s, u"file9.txt"_s, u"file10.txt"_s};
}

void TestShellView::sorting() {
    QFETCH(QList<int>, clicks);
    QFETCH(int, column);
    QFETCH(bool, reverse);
    QFETCH(QStringList, order);
    const QDateTime Base = QDateTime::currentDateTimeUtc().addDays(-10);
    WriteFile(Path(u"a.txt"_s), QByteArray(10, 'a'));
    WriteFile(Path(u"b.txt"_s), QByteArray(3000, 'b'));
    WriteFile(Path(u"c.zzq"_s), QByteArray(1500, 'c'));
    WriteFile(Path(u"file9.txt"_s), QByteArray(5, 'f'));
    WriteFile(Path(u"file10.txt"_s), QByteArray(5, 'f'));
    QVERIFY(QDir().mkpath(Path(u"d1"_s)));
    QVERIFY(QDir().mkpath(Path(u"D2"_s)));
    SetTime(Path(u"a.txt"_s), Base.addSecs(500));
    SetTime(Path(u"c.zzq"_s), Base.addSecs(400));
    SetTime(Path(u"b.txt"_s), Base.addSecs(300));
    SetTime(Path(u"file9.txt"_s), Base.addSecs(200));
    SetTime(Path(u"file10.txt"_s), Base.addSecs(100));
    // Folder times: D2 is newer than d1.
    QProcess::execute(u"touch"_s, {u"-d"_s, u"@1000000"_s, Path(u"d1"_s)});
    QProcess::execute(u"touch"_s, {u"-d"_s, u"@2000000"_s, Path(u"D2"_s)});

    auto View = NewView(FDir->path());
    for (int Click : clicks)
        View->ColumnClick(Click);
    QCOMPARE(View->SortColumn(), column);
    QCOMPARE(View->ReverseSort(), reverse);
    QCOMPARE(View->Captions(), order);
    QCOMPARE(View->ReportView()->header()->sortIndicatorSection(), column);
}

// --- Navigation -------------------------------------------------------------------------------

void TestShellView::history_data() {
    // Steps: "go X" sets Directory to folder X ("" is the root of the test), "open X" runs the
    // default command on item X, then back, forward, up, backspace.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("buttons");
    const QStringList ABC{u"go A"_s, u"go A/B"_s, u"go A/B/C"_s};
    QTest::newRow("three folders")
        << ABC << u"A/B/C"_s << QStringList{u"A"_s, u"A/B"_s, u"A/B/C"_s} << 2 << u"BUP"_s;
    QTest::newRow("back twice") << ABC + QStringList{u"back"_s, u"back"_s} << u"A"_s
                                << QStringList{u"A"_s, u"A/B"_s, u"A/B/C"_s} << 0 << u"FUP"_s;
    QTest::newRow("back, forward")
        << ABC + QStringList{u"back"_s, u"back"_s, u"forward"_s} << u"A/B"_s
        << QStringList{u"A"_s, u"A/B"_s, u"A/B/C"_s} << 1 << u"BFUP"_s;
    QTest::newRow("a new folder drops the forward entries")
        << ABC + QStringList{u"back"_s, u"back"_s, u"go D"_s} << u"D"_s
        << QStringList{u"A"_s, u"D"_s} << 1 << u"BUP"_s;
    QTest::newRow("up is a move back when it is the previous folder")
        << ABC + QStringList{u"up"_s} << u"A/B"_s << QStringList{u"A"_s, u"A/B"_s, u"A/B/C"_s} << 1
        << u"BFUP"_s;
    QTest::newRow("backspace goes up") << QStringList{u"go A/B"_s, u"backspace"_s} << u"A"_s
                                       << QStringList{u"A/B"_s, u"A"_s} << 1 << u"BUP"_s;
    QTest::newRow("open a folder, then ..")
        << QStringList{u"go A"_s, u"open B"_s, u"open .."_s} << u"A"_s
        << QStringList{u"A"_s, u"A/B"_s} << 0 << u"FUP"_s;
    QTest::newRow("the same folder again changes nothing")
        << QStringList{u"go A"_s, u"go A/"_s, u"go A/B/.."_s} << u"A"_s << QStringList{u"A"_s} << 0
        << u"UP"_s;
    QTest::newRow("letter case makes another folder")
        << QStringList{u"go A"_s, u"go a"_s} << u"a"_s << QStringList{u"A"_s, u"a"_s} << 1
        << u"BUP"_s;
}

void TestShellView::history() {
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(QStringList, entries);
    QFETCH(int, position);
    QFETCH(QString, buttons);
    QVERIFY(QDir().mkpath(Path(u"A/B/C"_s)));
    QVERIFY(QDir().mkpath(Path(u"D"_s)));
    QVERIFY(QDir().mkpath(Path(u"a"_s)));
    auto View = NewView(QString());
    TSystemToolButtons Enabled;
    View->OnToolbuttonChange = [&](TSystemListView *, TSystemToolButtons Enable) {
        Enabled = Enable;
    };
    for (const QString &Step : std::as_const(steps)) {
        const QString Verb = Step.section(u' ', 0, 0);
        const QString Object = Step.section(u' ', 1);
        if (Verb == u"go") {
            View->SetDirectory(Path(Object));
        } else if (Verb == u"open") {
            View->SetSelected(Object == u".." ? 0 : View->FindItem(Object));
            View->DefaultCommand();
        } else if (Verb == u"back") {
            View->Back();
        } else if (Verb == u"forward") {
            View->Forward();
        } else if (Verb == u"up") {
            View->Up();
        } else if (Verb == u"backspace") {
            QTest::keyClick(View->IconView(), Qt::Key_Backspace);
        }
    }
    QCOMPARE(View->Directory(), Path(shown));
    QStringList Expected;
    for (const QString &Entry : std::as_const(entries))
        Expected << Path(Entry);
    QCOMPARE(View->History().Entries(), Expected);
    QCOMPARE(View->History().Position(), position);
    QString Letters;
    if (Enabled & TSystemToolButton::tbBack)
        Letters += u'B';
    if (Enabled & TSystemToolButton::tbForward)
        Letters += u'F';
    if (Enabled & TSystemToolButton::tbUp)
        Letters += u'U';
    if (Enabled & TSystemToolButton::tbPaste)
        Letters += u'P';
    QCOMPARE(Letters, buttons);
    QVERIFY(FErrors.isEmpty());
}

void TestShellView::invalidDirectory_data() {
    QTest::addColumn<QString>("given"); // "@" is the test folder
    QTest::newRow("no such folder") << u"@/missing"_s;
    QTest::newRow("a file") << u"@/file.txt"_s;
    QTest::newRow("empty") << QString();
}

void TestShellView::invalidDirectory() {
    QFETCH(QString, given);
    given.replace(u'@', FDir->path());
    WriteFile(Path(u"file.txt"_s));
    auto View = NewView(FDir->path());
    try {
        View->SetDirectory(given);
        QFAIL("no error");
    } catch (const EDirectoryError &Error) {
        QCOMPARE(Error.Message(), u"Directory %1 is not valid."_s.arg(given));
    }
    QCOMPARE(View->Directory(), FDir->path());
    QCOMPARE(View->History().Entries(), QStringList{FDir->path()});
    // The folder shown is still watched.
    RunOutside(FDir->path(), u"touch later.txt"_s);
    QTRY_VERIFY_WITH_TIMEOUT(View->FindItem(u"later.txt"_s) >= 0, 5000);
}

void TestShellView::defaultCommand_data() {
    QTest::addColumn<QStringList>("select");
    QTest::addColumn<bool>("suppress");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("folder") << QStringList{u"sub"_s} << false << u"sub"_s << QStringList{};
    QTest::newRow("folder, suppressed")
        << QStringList{u"sub"_s} << true << QString() << QStringList{};
    QTest::newRow("file") << QStringList{u"a.txt"_s} << false << QString()
                          << QStringList{u"a.txt"_s};
    QTest::newRow("file, suppressed")
        << QStringList{u"a.txt"_s} << true << QString() << QStringList{};
    QTest::newRow("several, folder among them")
        << QStringList{u"sub"_s, u"a.txt"_s, u"b.txt"_s} << false << QString()
        << QStringList{u"sub"_s, u"a.txt"_s, u"b.txt"_s};
}

void TestShellView::defaultCommand() {
    QFETCH(QStringList, select);
    QFETCH(bool, suppress);
    QFETCH(QString, shown);
    QFETCH(QStringList, opened);
    WriteFile(Path(u"a.txt"_s));
    WriteFile(Path(u"b.txt"_s));
    QVERIFY(QDir().mkpath(Path(u"sub"_s)));
    auto View = NewView(FDir->path());
    int Asked = 0;
    View->OnDefaultCommand = [&](TSystemListView *, bool &DoDefault) {
        ++Asked;
        DoDefault = !suppress;
    };
    QItemSelectionModel *Selection = View->ReportView()->selectionModel();
    for (const QString &Name : std::as_const(select))
        Selection->select(View->ReportView()->model()->index(View->FindItem(Name), 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(View->IconView(), Qt::Key_Return);
    QCOMPARE(Asked, 1);
    QCOMPARE(View->Directory(), shown.isEmpty() ? FDir->path() : Path(shown));
    QStringList Expected;
    for (const QString &Name : std::as_const(opened))
        Expected << Path(Name);
    QCOMPARE(FOpened, Expected);
}

void TestShellView::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("multiSelect");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("editing");
    QTest::newRow("Ctrl+A selects all")
        << int(Qt::Key_A) << int(Qt::ControlModifier) << true << 4 << false;
    QTest::newRow("Ctrl+A with single selection")
        << int(Qt::Key_A) << int(Qt::ControlModifier) << false << 1 << false;
    QTest::newRow("F2 renames") << int(Qt::Key_F2) << 0 << true << 1 << true;
    QTest::newRow("F5 reads the folder again") << int(Qt::Key_F5) << 0 << true << 1 << false;
}

void TestShellView::keys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, multiSelect);
    QFETCH(int, selected);
    QFETCH(bool, editing);
    WriteFile(Path(u"a.txt"_s));
    WriteFile(Path(u"b.txt"_s));
    QVERIFY(QDir().mkpath(Path(u"sub"_s)));
    auto View = NewView(FDir->path());
    View->SetViewStyle(TViewStyle::vsReport);
    View->SetMultiSelect(multiSelect);
    View->show();
    QVERIFY(QTest::qWaitForWindowExposed(View.get()));
    View->SetSelected(View->FindItem(u"a.txt"_s));
    // Written while the watcher waits: only F5 can show it now.
    View->Watcher().Pause();
    WriteFile(Path(u"new.txt"_s));
    QTest::keyClick(View->ReportView(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (key == Qt::Key_F5)
        QVERIFY(View->FindItem(u"new.txt"_s) >= 0);
    QCOMPARE(View->SelectedRows().size(), selected);
    QCOMPARE(OpenEditor(View->ReportView()) != nullptr, editing);
    View->Watcher().Resume();
}

// --- Changing the folder ----------------------------------------------------------------------

void TestShellView::rename_data() {
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result"); // the name afterwards; empty: the item left the list
    QTest::addColumn<QString>("error");  // part of the message, empty when it worked
    QTest::newRow("plain") << u"z.txt"_s << u"z.txt"_s << QString();
    QTest::newRow("letter case alone") << u"A.txt"_s << u"A.txt"_s << QString();
    QTest::newRow("blanks around are dropped") << u"  q.txt "_s << u"q.txt"_s << QString();
    QTest::newRow("same name") << u"a.txt"_s << u"a.txt"_s << QString();
    QTest::newRow("out of the filter") << u"a.ini"_s << QString() << QString();
    QTest::newRow("taken by a file") << u"b.txt"_s << u"a.txt"_s << u"already an item"_s;
    QTest::newRow("taken by a folder") << u"sub"_s << u"a.txt"_s << u"already an item"_s;
    QTest::newRow("taken by a dangling link")
        << u"dangling"_s << u"a.txt"_s << u"already an item"_s;
    QTest::newRow("slash") << u"x/y.txt"_s << u"a.txt"_s << u"cannot contain \"/\""_s;
    QTest::newRow("dot dot") << u".."_s << u"a.txt"_s << u"not a valid name"_s;
    QTest::newRow("blank") << u"   "_s << u"a.txt"_s << u"cannot be empty"_s;
    QTest::newRow("too long") << QString(256, u'n') << u"a.txt"_s << u"too long"_s;
}

void TestShellView::rename() {
    QFETCH(QString, to);
    QFETCH(QString, result);
    QFETCH(QString, error);
    WriteFile(Path(u"a.txt"_s), "content of a");
    WriteFile(Path(u"b.txt"_s), "content of b");
    QVERIFY(QDir().mkpath(Path(u"sub"_s)));
    QVERIFY(QFile::link(Path(u"nowhere"_s), Path(u"dangling"_s)));
    auto View = NewView(FDir->path());
    View->SetAllowedExtensions(u"txt"_s);
    QStringList Renamed;
    View->OnRenameFile = [&](TSystemListView *, const TListItemData &Item) {
        Renamed << Item.Entry.Name;
    };
    QString Message;
    const bool Ok = View->RenameItem(View->FindItem(u"a.txt"_s), to, &Message);
    QCOMPARE(Ok, error.isEmpty());
    QVERIFY2(Message.contains(error), qPrintable(Message));
    const QString OnDisk = result.isEmpty() ? to : result;
    QCOMPARE(ReadFile(Path(OnDisk)), QByteArray("content of a"));
    QCOMPARE(ReadFile(Path(u"b.txt"_s)), QByteArray("content of b"));
    QVERIFY(QFileInfo(Path(u"sub"_s)).isDir());
    QVERIFY(QFileInfo(Path(u"dangling"_s)).isSymLink());
    if (OnDisk != u"a.txt")
        QVERIFY(!QFileInfo::exists(Path(u"a.txt"_s)));
    QCOMPARE(View->FindItem(result) >= 0, !result.isEmpty());
    if (error.isEmpty() && OnDisk != u"a.txt")
        QCOMPARE(Renamed, QStringList{OnDisk});
    else
        QVERIFY(Renamed.isEmpty());
    QVERIFY(FErrors.isEmpty()); // the message went to the caller
}

void TestShellView::renameInPlace() {
    WriteFile(Path(u"a.txt"_s), "a");
    WriteFile(Path(u"b.txt"_s), "b");
    auto View = NewView(FDir->path());
    View->SetViewStyle(TViewStyle::vsReport);
    View->show();
    QVERIFY(QTest::qWaitForWindowExposed(View.get()));
    auto Edit = [&](const QString &Name, const QString &Text) {
        View->SetSelected(View->FindItem(Name));
        QTest::keyClick(View->ReportView(), Qt::Key_F2);
        QLineEdit *Editor = OpenEditor(View->ReportView());
        QVERIFY(Editor);
        QCOMPARE(Editor->text(), Name);
        Editor->setText(Text);
        QTest::keyClick(Editor, Qt::Key_Return);
    };
    Edit(u"a.txt"_s, u"edited.txt"_s);
    // The editor hands its text over through the event loop.
    QTRY_COMPARE(ReadFile(Path(u"edited.txt"_s)), QByteArray("a"));
    QVERIFY(View->FindItem(u"edited.txt"_s) >= 0);
    // A taken name: told once the editor has closed, and nothing is lost.
    Edit(u"edited.txt"_s, u"b.txt"_s);
    QTRY_COMPARE(FErrors.size(), 1);
    QVERIFY(FErrors.first().contains(u"b.txt"_s));
    QCOMPARE(ReadFile(Path(u"edited.txt"_s)), QByteArray("a"));
    QCOMPARE(ReadFile(Path(u"b.txt"_s)), QByteArray("b"));
    QVERIFY(View->FindItem(u"edited.txt"_s) >= 0);
}

void TestShellView::deleting_data() {
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("gone");
    QTest::addColumn<bool>("trashed");
    QTest::newRow("Delete: to the trash, no question") << false << false << false << true << true;
    QTest::newRow("Shift+Delete, confirmed: gone for good")
        << true << false << true << true << false;
    QTest::newRow("Shift+Delete, refused: nothing happens")
        << true << false << false << false << false;
    QTest::newRow("Ctrl+Delete: to the trash, no question")
        << false << true << false << true << true;
    QTest::newRow("Ctrl+Shift+Delete: gone for good without asking")
        << true << true << false << true << false;
}

void TestShellView::deleting() {
    QFETCH(bool, shift);
    QFETCH(bool, ctrl);
    QFETCH(bool, answer);
    QFETCH(bool, gone);
    QFETCH(bool, trashed);
    WriteFile(Path(u"doomed.txt"_s));
    WriteFile(Path(u"folder/inner.txt"_s));
    WriteFile(Path(u"keep.txt"_s));
    auto View = NewView(FDir->path());
    FAnswer = answer;
    QItemSelectionModel *Selection = View->ReportView()->selectionModel();
    for (const QString &Name : {u"doomed.txt"_s, u"folder"_s})
        Selection->select(View->ReportView()->model()->index(View->FindItem(Name), 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Selection->select(View->ReportView()->model()->index(0, 0), // ".." is never deleted
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Qt::KeyboardModifiers mods;
    mods.setFlag(Qt::ShiftModifier, shift);
    mods.setFlag(Qt::ControlModifier, ctrl);
    QTest::keyClick(View->IconView(), Qt::Key_Delete, mods);
    QCOMPARE(FQuestions.size(), shift && !ctrl ? 1 : 0);
    QCOMPARE(QFileInfo::exists(Path(u"doomed.txt"_s)), !gone);
    QCOMPARE(QFileInfo::exists(Path(u"folder"_s)), !gone);
    QCOMPARE(View->FindItem(u"doomed.txt"_s) < 0, gone);
    QVERIFY(QFileInfo::exists(Path(u"keep.txt"_s)));
    QVERIFY(QFileInfo::exists(FDir->path()));
    const QStringList Trash = TrashedNames();
    QCOMPARE(Trash.contains(u"doomed.txt"_s), trashed);
    QCOMPARE(Trash.contains(u"folder"_s), trashed);
    if (trashed)
        QCOMPARE(ReadFile(Environment("XDG_DATA_HOME") + u"/Trash/files/folder/inner.txt"_s),
                 QByteArray("x"));
    QVERIFY2(FErrors.isEmpty(), qPrintable(FErrors.join(u'\n')));
}

void TestShellView::permanentDeleteOfLinkKeepsTarget() {
    WriteFile(Path(u"target/precious.txt"_s), "precious");
    QVERIFY(QFile::link(Path(u"target"_s), Path(u"link"_s)));
    auto View = NewView(FDir->path());
    View->SetSelected(View->FindItem(u"link"_s));
    View->DeleteSelected(true);
    QVERIFY(!QFileInfo(Path(u"link"_s)).isSymLink());
    QCOMPARE(ReadFile(Path(u"target/precious.txt"_s)), QByteArray("precious"));
}

// The kind read when the list was filled was trusted: a folder swapped for a link to another
// folder before the deletion had that other folder emptied.
void TestShellView::folderSwappedForLinkKeepsTheLinkedFolder() {
    WriteFile(Path(u"doomed/inner.txt"_s));
    WriteFile(Path(u"elsewhere/deeper/precious.txt"_s), "precious");
    auto View = NewView(FDir->path());
    View->SetSelected(View->FindItem(u"doomed"_s));
    QVERIFY(QDir(Path(u"doomed"_s)).removeRecursively());
    QVERIFY(QFile::link(Path(u"elsewhere"_s), Path(u"doomed"_s)));
    View->DeleteSelected(true, false);
    QVERIFY(!QFileInfo(Path(u"doomed"_s)).isSymLink());
    QVERIFY(!QFileInfo::exists(Path(u"doomed"_s)));
    QCOMPARE(ReadFile(Path(u"elsewhere/deeper/precious.txt"_s)), QByteArray("precious"));
    QVERIFY2(FErrors.isEmpty(), qPrintable(FErrors.join(u'\n')));
}

void TestShellView::newFolder_data() {
    QTest::addColumn<QStringList>("existing"); // a trailing "/" makes a folder
    QTest::addColumn<QString>("created");
    QTest::newRow("free") << QStringList{} << u"New Folder"_s;
    QTest::newRow("taken") << QStringList{u"New Folder/"_s} << u"New Folder (0)"_s;
    QTest::newRow("two taken") << QStringList{u"New Folder/"_s, u"New Folder (0)/"_s}
                               << u"New Folder (1)"_s;
    QTest::newRow("first gap") << QStringList{u"New Folder/"_s, u"New Folder (1)/"_s}
                               << u"New Folder (0)"_s;
    QTest::newRow("a file takes the name too")
        << QStringList{u"New Folder"_s} << u"New Folder (0)"_s;
}

void TestShellView::newFolder() {
    QFETCH(QStringList, existing);
    QFETCH(QString, created);
    for (const QString &Name : std::as_const(existing)) {
        if (Name.endsWith(u'/'))
            QVERIFY(QDir().mkpath(Path(Name)));
        else
            WriteFile(Path(Name));
    }
    auto View = NewView(FDir->path());
    View->SetViewStyle(TViewStyle::vsReport);
    View->show();
    QVERIFY(QTest::qWaitForWindowExposed(View.get()));
    QAction *Action = MenuAction(View->PrepareBackgroundMenu(), u"&Folder"_s);
    QVERIFY(Action && Action->isEnabled());
    Action->trigger();
    QVERIFY(QFileInfo(Path(created)).isDir());
    const int Row = View->FindItem(created);
    QVERIFY(Row >= 0);
    QCOMPARE(View->Selected(), Row);
    QVERIFY(OpenEditor(View->ReportView()));
}

void TestShellView::backgroundMenu_data() {
    QTest::addColumn<TViewStyle>("style");
    QTest::addColumn<bool>("iconEntries");
    QTest::newRow("large icons") << TViewStyle::vsIcon << true;
    QTest::newRow("small icons") << TViewStyle::vsSmallIcon << true;
    QTest::newRow("list") << TViewStyle::vsList << false;
    QTest::newRow("details") << TViewStyle::vsReport << false;
}

void TestShellView::backgroundMenu() {
    QFETCH(TViewStyle, style);
    QFETCH(bool, iconEntries);
    WriteFile(Path(u"small.txt"_s), "1");
    WriteFile(Path(u"big.txt"_s), QByteArray(5000, 'b'));
    QGuiApplication::clipboard()->clear();
    auto View = NewView(FDir->path());
    View->SetViewStyle(style);
    int Popups = 0;
    View->OnPopupPopup = [&](TSystemListView *) { ++Popups; };
    int StyleChanges = 0;
    View->OnViewStyleChanged = [&](TSystemListView *) { ++StyleChanges; };
    QMenu *Menu = View->PrepareBackgroundMenu();
    QCOMPARE(Popups, 1);
    QVERIFY(MenuAction(Menu, QStringList{u"Lar&ge Icons"_s, u"S&mall Icons"_s, u"&List"_s,
                                         u"&Details"_s}[int(style)])
                ->isChecked());
    QCOMPARE(MenuAction(Menu, u"&Auto Arrange"_s)->isEnabled(), iconEntries);
    QCOMPARE(MenuAction(Menu, u"Line &Up Icons"_s)->isEnabled(), iconEntries);
    QVERIFY(!MenuAction(Menu, u"&Paste"_s)->isEnabled()); // nothing on the clipboard

    // Each entry says what it does in the status bar.
    QAction *BySize = MenuAction(Menu, u"by Si&ze"_s);
    emit qobject_cast<QMenu *>(BySize->parent())->hovered(BySize);
    QVERIFY(!FStatus.isEmpty() && FStatus.last().startsWith(u"Sorts items by size"_s));
    BySize->trigger();
    QCOMPARE(View->Columns()[View->SortColumn()], TColumnKind::ckSize);
    QCOMPARE(View->Captions().mid(1), (QStringList{u"small.txt"_s, u"big.txt"_s}));
    MenuAction(Menu, u"&Details"_s)->trigger();
    QCOMPARE(View->ViewStyle(), TViewStyle::vsReport);
    QCOMPARE(StyleChanges, style == TViewStyle::vsReport ? 0 : 1);

    // Refresh reads what the paused watcher has not.
    View->Watcher().Pause();
    WriteFile(Path(u"late.txt"_s));
    MenuAction(Menu, u"Re&fresh"_s)->trigger();
    QVERIFY(View->FindItem(u"late.txt"_s) >= 0);
    View->Watcher().Resume();

    auto *Data = new QMimeData;
    Data->setUrls({QUrl::fromLocalFile(Path(u"small.txt"_s))});
    QGuiApplication::clipboard()->setMimeData(Data);
    QVERIFY(MenuAction(View->PrepareBackgroundMenu(), u"&Paste"_s)->isEnabled());
    QGuiApplication::clipboard()->clear();
}

void TestShellView::CheckFiles(const QStringList &After) {
    // "a/b=text": a file holding text; "a/b/": a folder; "a/b@to": a link to "to"; "!a/b": none.
    for (QString Check : After) {
        if (Check.startsWith(u'!')) {
            QVERIFY2(!QFileInfo(Path(Check.mid(1))).exists() &&
                         !QFileInfo(Path(Check.mid(1))).isSymLink(),
                     qPrintable(Check));
        } else if (Check.endsWith(u'/')) {
            QVERIFY2(QFileInfo(Path(Check)).isDir(), qPrintable(Check));
        } else if (Check.contains(u'@')) {
            const QString Link = Path(Check.section(u'@', 0, 0));
            QVERIFY2(QFileInfo(Link).isSymLink(), qPrintable(Check));
            QCOMPARE(
                QString::fromStdString(
                    std::filesystem::read_symlink(QFile::encodeName(Link).toStdString()).string()),
                Check.section(u'@', 1).replace(u'%', FDir->path()));
        } else {
            QCOMPARE(ReadFile(Path(Check.section(u'=', 0, 0))), Check.section(u'=', 1).toUtf8());
        }
    }
}

void TestShellView::uniqueName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("unique");
    QTest::newRow("first copy") << u"a.txt"_s << false << QStringList{u"a.txt"_s} << u"a (1).txt"_s;
    QTest::newRow("next free number")
        << u"a.txt"_s << false << QStringList{u"a.txt"_s, u"a (1).txt"_s} << u"a (2).txt"_s;
    QTest::newRow("a copy of a copy is not numbered twice")
        << u"a (1).txt"_s << false << QStringList{u"a (1).txt"_s} << u"a (2).txt"_s;
    QTest::newRow("compound extension")
        << u"b.tar.gz"_s << false << QStringList{u"b.tar.gz"_s} << u"b (1).tar.gz"_s;
    QTest::newRow("dots inside the name")
        << u"v1.2 notes.TXT"_s << false << QStringList{} << u"v1.2 notes (1).TXT"_s;
    QTest::newRow("folder: no extension") << u"set.d"_s << true << QStringList{} << u"set.d (1)"_s;
    QTest::newRow("dot-file") << u".bashrc"_s << false << QStringList{} << u".bashrc (1)"_s;
    QTest::newRow("no extension") << u"README"_s << false << QStringList{} << u"README (1)"_s;
}

void TestShellView::uniqueName() {
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(QStringList, taken);
    QFETCH(QString, unique);
    QCOMPARE(UniqueName(name, folder, [&](const QString &Name) { return taken.contains(Name); }),
             unique);
}

void TestShellView::clipboardFormats_data() {
    QTest::addColumn<QStringList>("formats"); // format=data
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("cut");
    QTest::newRow("GNOME cut") << QStringList{u"x-special/gnome-copied-files=cut\n"
                                              "file:///tmp/a%20b.txt\nfile:///tmp/c"_s}
                               << QStringList{u"/tmp/a b.txt"_s, u"/tmp/c"_s} << true;
    QTest::newRow("GNOME copy, line ends of another kind")
        << QStringList{u"x-special/gnome-copied-files=copy\r\nfile:///tmp/a\r\n"_s}
        << QStringList{u"/tmp/a"_s} << false;
    QTest::newRow("GNOME copy, only remote files")
        << QStringList{u"x-special/gnome-copied-files=copy\nsftp://host/a"_s} << QStringList{}
        << false;
    QTest::newRow("URLs cut by KDE")
        << QStringList{u"text/uri-list=file:///tmp/a\r\n"_s, u"application/x-kde-cutselection=1"_s}
        << QStringList{u"/tmp/a"_s} << true;
    QTest::newRow("URLs alone are copied")
        << QStringList{u"text/uri-list=file:///tmp/a\r\nhttps://example.com/b\r\n"_s}
        << QStringList{u"/tmp/a"_s} << false;
    QTest::newRow("text is no file")
        << QStringList{u"text/plain=/tmp/a"_s} << QStringList{} << false;
    // Found by filelist_fuzz: a file URL without a root named a path relative to wherever the
    // program was started.
    QTest::newRow("file URL without a root")
        << QStringList{u"x-special/gnome-copied-files=cut\nfile:tmp/a\nfile:///tmp/b"_s}
        << QStringList{u"/tmp/b"_s} << true;
}

void TestShellView::clipboardFormats() {
    QFETCH(QStringList, formats);
    QFETCH(QStringList, paths);
    QFETCH(bool, cut);
    QMimeData Given;
    for (const QString &Format : std::as_const(formats))
        Given.setData(Format.section(u'=', 0, 0), Format.section(u'=', 1).toUtf8());
    QStringList Read;
    bool WasCut = !cut;
    QCOMPARE(FilesOfMimeData(&Given, Read, WasCut), !paths.isEmpty());
    QCOMPARE(Read, paths);
    QCOMPARE(WasCut, cut);
    if (paths.isEmpty())
        return;
    // What this program writes, the file managers read: the same files, the same verb.
    std::unique_ptr<QMimeData> Written(FilesMimeData(paths, cut));
    QByteArray Gnome = cut ? "cut" : "copy";
    for (const QString &Path : std::as_const(paths))
        Gnome += '\n' + QUrl::fromLocalFile(Path).toEncoded();
    QCOMPARE(Written->data(u"x-special/gnome-copied-files"_s), Gnome);
    QCOMPARE(Written->urls().size(), paths.size());
    QCOMPARE(Written->text(), paths.join(u'\n'));
    QCOMPARE(Written->data(u"application/x-kde-cutselection"_s), QByteArray(cut ? "1" : "0"));
}

void TestShellView::paste_data() {
    // The view shows "from"; source is selected, copied (or cut) with the keys, and pasted with
    // Ctrl+V in the folder "into" (or by Paste Shortcut).
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<bool>("links");
    QTest::addColumn<QString>("into");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("selected"); // in "into" after the paste
    QTest::addColumn<bool>("clipboardKept");
    QTest::addColumn<QString>("error");
    QTest::newRow("copy elsewhere") << u"a.txt"_s << false << false << u"to"_s
                                    << QStringList{u"to/a.txt=new a"_s, u"from/a.txt=new a"_s}
                                    << u"a.txt"_s << true << QString();
    QTest::newRow("cut: moved, and the clipboard is used up")
        << u"a.txt"_s << true << false << u"to"_s
        << QStringList{u"to/a.txt=new a"_s, u"!from/a.txt"_s} << u"a.txt"_s << false << QString();
    QTest::newRow("a name taken there: both kept")
        << u"b.txt"_s << false << false << u"to"_s
        << QStringList{u"to/b.txt=old b"_s, u"to/b (1).txt=new b"_s} << u"b (1).txt"_s << true
        << QString();
    QTest::newRow("cut onto a taken name: both kept")
        << u"b.txt"_s << true << false << u"to"_s
        << QStringList{u"to/b.txt=old b"_s, u"to/b (1).txt=new b"_s, u"!from/b.txt"_s}
        << u"b (1).txt"_s << false << QString();
    QTest::newRow("copy into its own folder: a duplicate")
        << u"a.txt"_s << false << false << u"from"_s
        << QStringList{u"from/a.txt=new a"_s, u"from/a (1).txt=new a"_s} << u"a (1).txt"_s << true
        << QString();
    QTest::newRow("a folder, whole")
        << u"tree"_s << false << false << u"to"_s
        << QStringList{u"to/tree/deep.txt=deep"_s, u"to/tree/.hidden=h"_s,
                       u"from/tree/deep.txt=deep"_s}
        << u"tree"_s << true << QString();
    QTest::newRow("a folder into itself is refused")
        << u"tree"_s << false << false << u"from/tree"_s
        << QStringList{u"!from/tree/tree"_s, u"from/tree/deep.txt=deep"_s} << QString() << true
        << u"Could not copy \"tree\": a folder cannot go into itself."_s;
    QTest::newRow("cut and pasted where it is: nothing happens")
        << u"a.txt"_s << true << false << u"from"_s
        << QStringList{u"from/a.txt=new a"_s, u"!from/a (1).txt"_s} << QString() << true
        << QString();
    QTest::newRow("Paste Shortcut")
        << u"a.txt"_s << false << true << u"to"_s
        << QStringList{u"to/a.txt@%/from/a.txt"_s, u"from/a.txt=new a"_s} << u"a.txt"_s << true
        << QString();
}

void TestShellView::paste() {
    QFETCH(QString, source);
    QFETCH(bool, cut);
    QFETCH(bool, links);
    QFETCH(QString, into);
    QFETCH(QStringList, after);
    QFETCH(QString, selected);
    QFETCH(bool, clipboardKept);
    QFETCH(QString, error);
    WriteFile(Path(u"from/a.txt"_s), "new a");
    WriteFile(Path(u"from/b.txt"_s), "new b");
    WriteFile(Path(u"from/tree/deep.txt"_s), "deep");
    WriteFile(Path(u"from/tree/.hidden"_s), "h");
    WriteFile(Path(u"to/b.txt"_s), "old b");
    QGuiApplication::clipboard()->clear();
    auto View = NewView(Path(u"from"_s));
    View->SetSelected(View->FindItem(source));
    QTest::keyClick(View->IconView(), cut ? Qt::Key_X : Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!FStatus.isEmpty() && FStatus.last().contains(source));
    // A cut item looks cut; a copied one as before.
    auto LooksCut = [&](const QString &Name) {
        const QAbstractItemModel *Model = View->ReportView()->model();
        return Model->index(View->FindItem(Name), 0).data(Qt::ForegroundRole).isValid();
    };
    QCOMPARE(LooksCut(source), cut);
    QVERIFY(!LooksCut(source == u"a.txt" ? u"b.txt"_s : u"a.txt"_s));
    View->SetDirectory(Path(into));
    if (links)
        MenuAction(View->PrepareBackgroundMenu(), u"Paste &Shortcut"_s)->trigger();
    else
        QTest::keyClick(View->IconView(), Qt::Key_V, Qt::ControlModifier);
    QTRY_VERIFY(!View->FileOperationsBusy());
    CheckFiles(after);
    if (!selected.isEmpty())
        QCOMPARE(View->Selected(), View->FindItem(selected));
    QStringList OnClipboard;
    bool WasCut = false;
    FilesOfMimeData(QGuiApplication::clipboard()->mimeData(), OnClipboard, WasCut);
    QCOMPARE(!OnClipboard.isEmpty(), clipboardKept);
    if (into == u"from" && View->FindItem(source) >= 0)
        QCOMPARE(LooksCut(source), clipboardKept && cut);
    QCOMPARE(FErrors, error.isEmpty() ? QStringList{} : QStringList{error});
    QGuiApplication::clipboard()->clear();
}

void TestShellView::chooseDropAction_data() {
    // What the drops below cannot show: another file system, and sources that limit the choice.
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("possible");
    QTest::addColumn<bool>("same");
    QTest::addColumn<int>("action");
    const int All = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QTest::newRow("another file system: copied") << 0 << All << false << int(Qt::CopyAction);
    QTest::newRow("Shift moves there too")
        << int(Qt::ShiftModifier) << All << false << int(Qt::MoveAction);
    QTest::newRow("a source that only moves")
        << 0 << int(Qt::MoveAction) << false << int(Qt::MoveAction);
    QTest::newRow("no key, only links allowed")
        << 0 << int(Qt::LinkAction) << true << int(Qt::IgnoreAction);
}

void TestShellView::chooseDropAction() {
    QFETCH(int, modifiers);
    QFETCH(int, possible);
    QFETCH(bool, same);
    QFETCH(int, action);
    QCOMPARE(
        int(ChooseDropAction(Qt::KeyboardModifiers(modifiers), Qt::DropActions(possible), same)),
        action);
}

void TestShellView::drops_data() {
    // The view shows "to" (with the folder "sub" and "here.txt"); the sources are dropped on
    // the item named by target (empty: on no item).
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("possible");
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("after");
    const int All = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    const int Ctrl = Qt::ControlModifier;
    const int Shift = Qt::ShiftModifier;
    QTest::newRow("plain drop: moved")
        << QStringList{u"from/a.txt"_s} << QString() << 0 << All << int(Qt::MoveAction)
        << QStringList{u"to/a.txt=a"_s, u"!from/a.txt"_s};
    QTest::newRow("Ctrl: copied") << QStringList{u"from/a.txt"_s} << QString() << Ctrl << All
                                  << int(Qt::CopyAction)
                                  << QStringList{u"to/a.txt=a"_s, u"from/a.txt=a"_s};
    QTest::newRow("Ctrl+Shift: linked")
        << QStringList{u"from/a.txt"_s} << QString() << Ctrl + Shift << All << int(Qt::LinkAction)
        << QStringList{u"to/a.txt@%/from/a.txt"_s, u"from/a.txt=a"_s};
    QTest::newRow("on a folder item: into it")
        << QStringList{u"from/a.txt"_s, u"from/tree"_s} << u"sub"_s << 0 << All
        << int(Qt::MoveAction)
        << QStringList{u"to/sub/a.txt=a"_s, u"to/sub/tree/deep.txt=deep"_s, u"!from/tree"_s};
    QTest::newRow("on the parent entry: into the parent")
        << QStringList{u"from/a.txt"_s} << u".."_s << Ctrl << All << int(Qt::CopyAction)
        << QStringList{u"a.txt=a"_s};
    QTest::newRow("on a file item: into the shown folder")
        << QStringList{u"from/a.txt"_s} << u"here.txt"_s << Ctrl << All << int(Qt::CopyAction)
        << QStringList{u"to/a.txt=a"_s, u"to/here.txt=here"_s};
    QTest::newRow("a taken name: both kept")
        << QStringList{u"from/here.txt"_s} << QString() << Ctrl << All << int(Qt::CopyAction)
        << QStringList{u"to/here.txt=here"_s, u"to/here (1).txt=other"_s};
    QTest::newRow("a source that only copies")
        << QStringList{u"from/a.txt"_s} << QString() << 0 << int(Qt::CopyAction)
        << int(Qt::CopyAction) << QStringList{u"to/a.txt=a"_s, u"from/a.txt=a"_s};
    QTest::newRow("Shift where only copying is allowed: refused")
        << QStringList{u"from/a.txt"_s} << QString() << Shift << int(Qt::CopyAction)
        << int(Qt::IgnoreAction) << QStringList{u"!to/a.txt"_s, u"from/a.txt=a"_s};
    QTest::newRow("moved where it is: refused")
        << QStringList{u"to/here.txt"_s} << QString() << 0 << All << int(Qt::IgnoreAction)
        << QStringList{u"to/here.txt=here"_s, u"!to/here (1).txt"_s};
    QTest::newRow("a folder on itself: refused")
        << QStringList{u"to/sub"_s} << u"sub"_s << Ctrl << All << int(Qt::IgnoreAction)
        << QStringList{u"!to/sub/sub"_s};
}

void TestShellView::drops() {
    QFETCH(QStringList, sources);
    QFETCH(QString, target);
    QFETCH(int, modifiers);
    QFETCH(int, possible);
    QFETCH(int, action);
    QFETCH(QStringList, after);
    WriteFile(Path(u"from/a.txt"_s), "a");
    WriteFile(Path(u"from/here.txt"_s), "other");
    WriteFile(Path(u"from/tree/deep.txt"_s), "deep");
    WriteFile(Path(u"to/here.txt"_s), "here");
    QVERIFY(QDir().mkpath(Path(u"to/sub"_s)));
    auto View = NewView(Path(u"to"_s));
    View->SetViewStyle(TViewStyle::vsReport);
    View->show();
    QVERIFY(QTest::qWaitForWindowExposed(View.get()));
    QTreeView *Tree = View->ReportView();
    const int Row = target.isEmpty() ? -1 : target == u".." ? 0 : View->FindItem(target);
    const QPoint At = Row >= 0 ? Tree->visualRect(Tree->model()->index(Row, 0)).center()
                               : QPoint(20, Tree->viewport()->height() - 5);
    QStringList Paths;
    for (const QString &Source : std::as_const(sources))
        Paths << Path(Source);
    std::unique_ptr<QMimeData> Data(FilesMimeData(Paths, false));
    const auto Actions = Qt::DropActions(possible);
    const auto Keys = Qt::KeyboardModifiers(modifiers);
    QDragEnterEvent Enter(At, Actions, Data.get(), Qt::LeftButton, Keys);
    QApplication::sendEvent(Tree->viewport(), &Enter);
    // Files are taken in as they enter, wherever they may go (they may go further on).
    QVERIFY(Enter.isAccepted());
    QDragMoveEvent Move(At, Actions, Data.get(), Qt::LeftButton, Keys);
    QApplication::sendEvent(Tree->viewport(), &Move);
    QCOMPARE(Move.isAccepted(), action != int(Qt::IgnoreAction));
    // The folder a drop goes into is marked while the pointer is over it.
    const bool Marked =
        Tree->model()->index(std::max(Row, 0), 0).data(Qt::BackgroundRole).isValid();
    QCOMPARE(Marked, Move.isAccepted() && Row >= 0 && View->Item(Row).IsFolder());
    QDropEvent Drop(At, Actions, Data.get(), Qt::LeftButton, Keys);
    QApplication::sendEvent(Tree->viewport(), &Drop);
    QCOMPARE(Drop.isAccepted(), action != int(Qt::IgnoreAction));
    if (Drop.isAccepted())
        QCOMPARE(int(Drop.dropAction()), action);
    QVERIFY(!Tree->model()->index(std::max(Row, 0), 0).data(Qt::BackgroundRole).isValid());
    QTRY_VERIFY(!View->FileOperationsBusy());
    CheckFiles(after);
    QVERIFY2(FErrors.isEmpty(), qPrintable(FErrors.join(u'\n')));
}

void TestShellView::userDrop() {
    QVERIFY(QDir().mkpath(Path(u"sub"_s)));
    auto View = NewView(FDir->path());
    View->SetViewStyle(TViewStyle::vsReport);
    View->show();
    QVERIFY(QTest::qWaitForWindowExposed(View.get()));
    const QString Format = u"application/x-ondrel-patch"_s;
    QMimeData Data;
    Data.setData(Format, "patch");
    QTreeView *Tree = View->ReportView();
    const QPoint OnSub =
        Tree->visualRect(Tree->model()->index(View->FindItem(u"sub"_s), 0)).center();
    auto DropAt = [&](const QPoint &At) {
        // The drop goes to the widget that took the drag as it entered.
        QDragEnterEvent Enter(At, Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Tree->viewport(), &Enter);
        QDropEvent Drop(At, Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Tree->viewport(), &Drop);
        return Drop.isAccepted();
    };
    QVERIFY(!DropAt(OnSub)); // no format set: data of no interest
    View->SetUserDropFormat(Format);
    QVERIFY(!DropAt(OnSub)); // nobody to take it
    QStringList Dropped;
    View->OnUserDrop = [&](TSystemListView *, const QString &Dir, const QMimeData *Given) {
        Dropped << Dir + u'=' + QString::fromUtf8(Given->data(Format));
    };
    QVERIFY(DropAt(OnSub));
    QVERIFY(DropAt(QPoint(20, Tree->viewport()->height() - 5)));
    QCOMPARE(Dropped, (QStringList{Path(u"sub=patch"_s), FDir->path() + u"=patch"_s}));
}

void TestShellView::fileJobs_data() {
    // RunFileJob on its own: Sources are in "from" (or, with "shm:", on another file system),
    // Target is "to"; cancelAt is the call of Cancelled that says yes (0: never).
    QTest::addColumn<TFileOp>("op");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("sourceKept");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("toLink"); // "to" is a link to this folder
    QTest::newRow("copy") << TFileOp::foCopy << u"big.bin"_s << 0
                          << QStringList{u"to/big.bin="_s + QString(3 << 20, u'b')} << true << false
                          << QString() << QString();
    QTest::newRow("copy stopped within the file: nothing left")
        << TFileOp::foCopy << u"big.bin"_s << 3 << QStringList{u"!to/big.bin"_s} << true << true
        << QString() << QString();
    QTest::newRow("copy of a folder stopped within: nothing left")
        << TFileOp::foCopy << u"tree"_s << 4 << QStringList{u"!to/tree"_s} << true << true
        << QString() << QString();
    QTest::newRow("a link stays a link, relative")
        << TFileOp::foCopy << u"rel"_s << 0 << QStringList{u"to/rel@big.bin"_s} << true << false
        << QString() << QString();
    QTest::newRow("move to another file system")
        << TFileOp::foMove << u"shm:moved.txt"_s << 0 << QStringList{u"to/moved.txt=far"_s} << false
        << false << QString() << QString();
    QTest::newRow("move of a folder to another file system")
        << TFileOp::foMove << u"shm:dir"_s << 0 << QStringList{u"to/dir/inner.txt=in"_s} << false
        << false << QString() << QString();
    QTest::newRow("move to another file system stopped: the source stays")
        << TFileOp::foMove << u"shm:dir"_s << 3 << QStringList{u"!to/dir"_s} << true << true
        << QString() << QString();
    QTest::newRow("a folder into itself by way of a link")
        << TFileOp::foCopy << u"tree"_s << 0 << QStringList{u"!from/tree/tree"_s} << true << false
        << u"Could not copy \"tree\": a folder cannot go into itself."_s << u"from/tree"_s;
    QTest::newRow("a pipe is not read")
        << TFileOp::foCopy << u"fifo"_s << 0 << QStringList{u"!to/fifo"_s} << true << false
        << u"Could not copy \"fifo\": it is a device, pipe or socket."_s << QString();
}

void TestShellView::fileJobs() {
    QFETCH(TFileOp, op);
    QFETCH(QString, source);
    QFETCH(int, cancelAt);
    QFETCH(QStringList, after);
    QFETCH(bool, sourceKept);
    QFETCH(bool, cancelled);
    QFETCH(QString, error);
    QFETCH(QString, toLink);
    WriteFile(Path(u"from/big.bin"_s), QByteArray(3 << 20, 'b'));
    QCOMPARE(mkfifo(QFile::encodeName(Path(u"from/fifo"_s)).constData(), 0600), 0);
    for (const char *Name : {"one", "two", "three"})
        WriteFile(Path(u"from/tree/"_s + QLatin1String(Name)), QByteArray(1 << 20, 'x'));
    QVERIFY(QFile::link(u"big.bin"_s, Path(u"from/rel"_s)));
    QVERIFY(QDir().mkpath(Path(u"to"_s)));
    std::unique_ptr<QTemporaryDir> Far;
    QString From = Path(u"from/"_s + source);
    if (source.startsWith(u"shm:")) {
        Far = std::make_unique<QTemporaryDir>(u"/dev/shm/ondrel-XXXXXX"_s);
        if (!Far->isValid() || SameFileSystem(Far->path(), FDir->path()))
            QSKIP("no second file system at /dev/shm");
        WriteFile(Far->path() + u"/moved.txt"_s, "far");
        WriteFile(Far->path() + u"/dir/inner.txt"_s, "in");
        WriteFile(Far->path() + u"/dir/big.bin"_s, QByteArray(3 << 20, 'b'));
        From = Far->path() + u'/' + source.mid(4);
    }
    const QDateTime Time = QDateTime::currentDateTimeUtc().addDays(-3);
    if (QFileInfo(From).isFile() && !QFileInfo(From).isSymLink())
        SetTime(From, Time);
    TFileJob Job;
    Job.Op = op;
    Job.Sources = {From};
    Job.Target = Path(u"to"_s);
    if (!toLink.isEmpty()) {
        QVERIFY(QDir().rmdir(Path(u"to"_s)));
        QVERIFY(QFile::link(Path(toLink), Path(u"to"_s)));
    }
    int Calls = 0;
    const TFileJobResult Result =
        RunFileJob(Job, [&] { return cancelAt > 0 && ++Calls >= cancelAt; });
    QCOMPARE(Result.Cancelled, cancelled);
    QCOMPARE(Result.Errors, error.isEmpty() ? QStringList{} : QStringList{error});
    CheckFiles(after);
    QCOMPARE(QFileInfo::exists(From) || QFileInfo(From).isSymLink(), sourceKept);
    const QString Made = Path(u"to/"_s + QFileInfo(From).fileName());
    if (!cancelled && QFileInfo(Made).isFile() && !QFileInfo(Made).isSymLink())
        QCOMPARE(QFileInfo(Made).lastModified().toUTC().toSecsSinceEpoch(),
                 Time.toSecsSinceEpoch());
}

void TestShellView::watcherGoesOnDuringCopy_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("the copy ends") << false;
    QTest::newRow("Esc stops it: nothing left") << true;
}

void TestShellView::watcherGoesOnDuringCopy() {
    QFETCH(bool, escape);
    WriteFile(Path(u"from/big.bin"_s), QByteArray(1 << 20, 'b'));
    auto View = NewView(Path(u"from"_s));
    QSemaphore Entered;
    QSemaphore Release;
    View->FileOperations().JobHook = [&] {
        Entered.release();
        Release.tryAcquire(1, 10000);
    };
    View->TransferFiles(TFileOp::foCopy, {Path(u"from/big.bin"_s)}, Path(u"from"_s));
    QTRY_VERIFY(Entered.available() > 0);
    // The copy waits on its thread; the window and the watcher go on.
    RunOutside(Path(u"from"_s), u"touch meanwhile.txt"_s);
    QTRY_VERIFY_WITH_TIMEOUT(View->FindItem(u"meanwhile.txt"_s) >= 0, 5000);
    QVERIFY(View->FileOperationsBusy());
    if (escape)
        QTest::keyClick(View->IconView(), Qt::Key_Escape);
    Release.release();
    QTRY_VERIFY(!View->FileOperationsBusy());
    QCOMPARE(QFileInfo::exists(Path(u"from/big (1).bin"_s)), !escape);
    QCOMPARE(View->FindItem(u"big (1).bin"_s) >= 0, !escape);
    QVERIFY(!FStatus.isEmpty());
    QVERIFY2(escape ? FStatus.last().startsWith(u"Stopped."_s)
                    : FStatus.last().contains(u"\"big (1).bin\""_s),
             qPrintable(FStatus.last()));
}

// --- Watching ---------------------------------------------------------------------------------

void TestShellView::watcherFollowsOtherPrograms_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QString>("sizeOfA");
    QTest::newRow("created") << u"printf new > new.txt"_s << QStringList{u"new.txt"_s}
                             << QStringList{} << u"1KB"_s;
    QTest::newRow("renamed") << u"mv a.txt moved.txt"_s << QStringList{u"moved.txt"_s}
                             << QStringList{u"a.txt"_s} << QString();
    QTest::newRow("deleted") << u"rm a.txt"_s << QStringList{} << QStringList{u"a.txt"_s}
                             << QString();
    QTest::newRow("written into") << u"head -c 3000 /dev/zero >> a.txt"_s << QStringList{}
                                  << QStringList{} << u"3KB"_s;
    QTest::newRow("folder made") << u"mkdir made"_s << QStringList{u"made"_s} << QStringList{}
                                 << u"1KB"_s;
    QTest::newRow("filtered and hidden files stay out")
        << u"touch n.ini .n.txt; sleep 0.2; touch n.txt"_s << QStringList{u"n.txt"_s}
        << QStringList{u"n.ini"_s, u".n.txt"_s} << u"1KB"_s;
}

void TestShellView::watcherFollowsOtherPrograms() {
    QFETCH(QString, command);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    QFETCH(QString, sizeOfA);
    WriteFile(Path(u"a.txt"_s), "a");
    auto View = NewView(FDir->path());
    View->SetAllowedExtensions(u"txt"_s);
    View->SetSelected(View->FindItem(u"a.txt"_s));
    QElapsedTimer Clock;
    RunOutside(FDir->path(), command);
    Clock.start();
    auto Done = [&] {
        for (const QString &Name : std::as_const(present))
            if (View->FindItem(Name) < 0)
                return false;
        for (const QString &Name : std::as_const(absent))
            if (View->FindItem(Name) >= 0)
                return false;
        return sizeOfA.isEmpty() ||
               Cell(*View, View->FindItem(u"a.txt"_s), TColumnKind::ckSize) == sizeOfA;
    };
    // Not before the quiet time, and within a moment after it.
    QTest::qWait(250);
    QVERIFY(!Done() || (present.isEmpty() && absent.isEmpty() && sizeOfA == u"1KB"));
    QTRY_VERIFY_WITH_TIMEOUT(Done(), 5000);
    qInfo("seen after %lld ms", Clock.elapsed());
    // The selection stays on a.txt while it is there.
    if (View->FindItem(u"a.txt"_s) >= 0)
        QCOMPARE(View->Selected(), View->FindItem(u"a.txt"_s));
}

void TestShellView::watcherWaitsWhilePaused() {
    auto View = NewView(FDir->path());
    TFolderWatchThread &Watch = View->Watcher();
    const int Listings = Watch.ListingCount();
    Watch.Pause();
    RunOutside(FDir->path(), u"touch during.txt"_s);
    QTest::qWait(1200);
    QCOMPARE(Watch.ListingCount(), Listings);
    QCOMPARE(View->FindItem(u"during.txt"_s), -1);
    Watch.Resume();
    QTRY_VERIFY_WITH_TIMEOUT(View->FindItem(u"during.txt"_s) >= 0, 5000);
}

void TestShellView::folderGoneShowsNearestParent_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("goneListed");
    QTest::newRow("removed") << u"rm -r keep/gone"_s << u"keep"_s << u"no longer there"_s << false;
    QTest::newRow("made unreadable")
        << u"chmod 0 keep/gone/deeper"_s << u"keep/gone"_s << u"can no longer be read"_s << true;
}

void TestShellView::folderGoneShowsNearestParent() {
    QFETCH(QString, command);
    QFETCH(QString, shown);
    QFETCH(QString, status);
    QFETCH(bool, goneListed);
    if (command.startsWith(u"chmod") && geteuid() == 0)
        QSKIP("permissions do not hold for root");
    QVERIFY(QDir().mkpath(Path(u"keep/gone/deeper"_s)));
    auto View = NewView(Path(u"keep/gone/deeper"_s));
    RunOutside(FDir->path(), command);
    QTRY_COMPARE_WITH_TIMEOUT(View->Directory(), Path(shown), 5000);
    QVERIFY(!FStatus.isEmpty() && FStatus.last().contains(status));
    QCOMPARE(View->FindItem(u"deeper"_s) >= 0, goneListed);
    // Still usable, and still watched.
    RunOutside(Path(shown), u"touch after.txt"_s);
    QTRY_VERIFY_WITH_TIMEOUT(View->FindItem(u"after.txt"_s) >= 0, 5000);
}

void TestShellView::startEmptyDir_data() {
    QTest::addColumn<bool>("startEmpty");
    QTest::newRow("the home folder when shown") << false;
    QTest::newRow("empty until a folder is set") << true;
}

void TestShellView::startEmptyDir() {
    QFETCH(bool, startEmpty);
    TSystemListView View;
    View.SetStartEmptyDir(startEmpty);
    View.show();
    QVERIFY(QTest::qWaitForWindowExposed(&View));
    QCOMPARE(View.Directory(), startEmpty ? QString() : QDir::homePath());
    QCOMPARE(View.Count() == 0, startEmpty);
    View.SetDirectory(FDir->path());
    QCOMPARE(View.Directory(), FDir->path());
}

void TestShellView::handlerExceptionFromWatcherIsShown() {
    auto View = NewView(FDir->path());
    View->OnCanAdd = [](TSystemListView *, const TFileEntry &Data, bool &) {
        if (Data.Name == u"bad.txt")
            throw std::runtime_error("cannot add bad.txt");
    };
    RunOutside(FDir->path(), u"touch bad.txt good.txt"_s);
    QTRY_VERIFY_WITH_TIMEOUT(View->FindItem(u"good.txt"_s) >= 0, 5000);
    QCOMPARE(FErrors, QStringList{u"cannot add bad.txt"_s});
    QCOMPARE(View->FindItem(u"bad.txt"_s), -1);
}

void TestShellView::overtakenListingIsDropped() {
    WriteFile(Path(u"A/a.txt"_s));
    WriteFile(Path(u"B/b.txt"_s));
    auto View = NewView(Path(u"A"_s));
    QSemaphore Entered;
    QSemaphore Release;
    View->Watcher().ListingHook = [&] {
        Entered.release();
        Release.tryAcquire(1, 10000);
    };
    RunOutside(Path(u"A"_s), u"touch new.txt"_s);
    QTRY_VERIFY_WITH_TIMEOUT(Entered.available() > 0, 5000);
    View->Watcher().ListingHook = {};
    // The listing of A is under way; the user goes to B meanwhile.
    View->SetDirectory(Path(u"B"_s));
    Release.release();
    QTRY_VERIFY(!View->Watcher().Listing());
    QTest::qWait(TFolderWatchThread::QuietTime + 300);
    QCOMPARE(View->Directory(), Path(u"B"_s));
    QCOMPARE(View->Captions(), (QStringList{u".."_s, u"b.txt"_s}));
}

void TestShellView::destroyedWhileListing() {
    WriteFile(Path(u"a.txt"_s));
    auto View = NewView(FDir->path());
    int Changes = 0;
    View->OnChangeDir = [&](TSystemListView *) { ++Changes; };
    QSemaphore Entered;
    View->Watcher().ListingHook = [&] {
        Entered.release();
        QThread::msleep(300);
    };
    RunOutside(FDir->path(), u"touch b.txt"_s);
    QTRY_VERIFY_WITH_TIMEOUT(Entered.available() > 0, 5000);
    QElapsedTimer Clock;
    Clock.start();
    View.reset(); // waits for the worker
    QVERIFY(Clock.elapsed() < 5000);
    QTest::qWait(200); // any answer still queued must not reach the dead view
    QCOMPARE(Changes, 0);
}

// --- View state -------------------------------------------------------------------------------

void TestShellView::stateRoundTrip_data() {
    QTest::addColumn<TStoreKind>("kind");
    QTest::newRow(".ini file") << TStoreKind::File;
    QTest::newRow("per-user store") << TStoreKind::Registry;
}

void TestShellView::stateRoundTrip() {
    QFETCH(TStoreKind, kind);
    const QString Section = u"PatchSetDialog"_s;
    const QString StoreFile = Path(u"store.ini"_s);
    auto Open = [&]() -> std::unique_ptr<TCustomIniFile> {
        if (kind == TStoreKind::File)
            return std::make_unique<TIniFile>(StoreFile);
        return std::make_unique<TRegistryIniFile>(QString(), StoreFile);
    };
    WriteFile(Path(u"sub/.hidden"_s));
    WriteFile(Path(u"sub/small.txt"_s), "1");
    WriteFile(Path(u"sub/big.txt"_s), QByteArray(5000, 'b'));
    auto Store = Open();
    // Widths of column sets this view never shows are left over from elsewhere.
    Store->WriteInteger(Section, u"w11"_s, 77);
    Store->WriteInteger(Section, u"w31"_s, 55);
    Store->WriteInteger(Section, u"s1"_s, 1);
    QStringList Widths; // of the file-system set, as the view has them when it saves
    {
        auto View = NewView(QString());
        View->SetColumnWidth(0, 180); // the Name column of the set shown before any folder
        View->SetDirectory(Path(u"sub"_s));
        View->SetViewStyle(TViewStyle::vsReport);
        View->SetColumnWidth(0, 200);
        View->SetColumnWidth(2, 99);
        View->ColumnClick(1);
        View->ColumnClick(1);
        View->SetShowHiddenFiles(true);
        View->SetAutoArrange(false);
        for (int Column = 0; Column < 5; ++Column)
            Widths << QString::number(View->ColumnWidth(Column));
        View->SaveState(*Store, Section);
    }
    QCOMPARE(Widths.mid(0, 3), (QStringList{u"200"_s, u"60"_s, u"99"_s}));
    const QList<std::pair<QString, QString>> Written{
        {u"ViewStyle"_s, u"3"_s},
        {u"w01"_s, Widths[0]},
        {u"w02"_s, Widths[1]},
        {u"w03"_s, Widths[2]},
        {u"w04"_s, Widths[3]},
        {u"w05"_s, Widths[4]},
        {u"w51"_s, u"180"_s},
        {u"s0"_s, u"1"_s},
        {u"DisplayMode"_s, u"0"_s},
        {u"ReverseSort"_s, u"1"_s},
        {u"ShowHiddenFiles"_s, u"1"_s},
        {u"AutoArrange"_s, u"0"_s},
        {u"LastPIDL"_s, Path(u"sub"_s)},
    };
    for (const auto &[Name, Value] : Written)
        QCOMPARE(Store->ReadString(Section, Name, u"<none>"_s), Value);
    for (const QString &Name : {u"w11"_s, u"w31"_s, u"w06"_s, u"w52"_s, u"s1"_s, u"s5"_s})
        QVERIFY2(!Store->ValueExists(Section, Name), qPrintable(Name));

    Store->UpdateFile();
    Store.reset();
    Store = Open();
    auto View = NewView(QString());
    View->LoadState(*Store, Section);
    QCOMPARE(View->Directory(), Path(u"sub"_s));
    QCOMPARE(View->ViewStyle(), TViewStyle::vsReport);
    QCOMPARE(View->ColumnWidth(0), 200);
    QCOMPARE(View->ColumnWidth(2), 99);
    QCOMPARE(View->SortColumn(), 1);
    QVERIFY(View->ReverseSort());
    QVERIFY(View->ShowHiddenFiles());
    QVERIFY(!View->AutoArrange());
    QCOMPARE(View->Captions(), (QStringList{u"big.txt"_s, u"small.txt"_s, u".hidden"_s, u".."_s}));
}

void TestShellView::loadState_data() {
    QTest::addColumn<QStringList>("values"); // name=value
    QTest::addColumn<QString>("shown");      // relative to the test folder, "~" for home
    QTest::addColumn<TViewStyle>("style");
    QTest::addColumn<int>("nameWidth");
    QTest::addColumn<QString>("status");
    QTest::newRow("no folder: the current directory")
        << QStringList{} << u"cwd"_s << TViewStyle::vsIcon << 140 << QString();
    QTest::newRow("an empty folder: the desktop")
        << QStringList{u"LastPIDL="_s} << u"~"_s << TViewStyle::vsIcon << 140 << QString();
    QTest::newRow("a folder") << QStringList{u"LastPIDL=@/kept"_s, u"ViewStyle=2"_s} << u"kept"_s
                              << TViewStyle::vsList << 140 << QString();
    QTest::newRow("a folder gone: its nearest parent")
        << QStringList{u"LastPIDL=@/kept/gone/deeper"_s} << u"kept"_s << TViewStyle::vsIcon << 140
        << u"no longer there"_s;
    QTest::newRow("values out of range are ignored")
        << QStringList{u"ViewStyle=4"_s, u"w01=0"_s, u"s0=99"_s, u"LastPIDL=@/kept"_s} << u"kept"_s
        << TViewStyle::vsIcon << 140 << QString();
    QTest::newRow("values of the wrong form are ignored")
        << QStringList{u"ViewStyle=report"_s, u"w01=wide"_s, u"LastPIDL=@/kept"_s} << u"kept"_s
        << TViewStyle::vsIcon << 140 << QString();
    QTest::newRow("a width") << QStringList{u"w01=321"_s, u"LastPIDL=@/kept"_s} << u"kept"_s
                             << TViewStyle::vsIcon << 321 << QString();
}

void TestShellView::loadState() {
    QFETCH(QStringList, values);
    QFETCH(QString, shown);
    QFETCH(TViewStyle, style);
    QFETCH(int, nameWidth);
    QFETCH(QString, status);
    QVERIFY(QDir().mkpath(Path(u"kept"_s)));
    QVERIFY(QDir().mkpath(Path(u"cwd"_s)));
    const QString Before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Path(u"cwd"_s)));
    TIniFile Store(Path(u"store.ini"_s));
    for (const QString &Value : std::as_const(values))
        Store.WriteString(u"PatchSetDialog"_s, Value.section(u'=', 0, 0),
                          Value.section(u'=', 1).replace(u'@', FDir->path()));
    auto View = NewView(QString());
    View->LoadState(Store, u"PatchSetDialog"_s);
    QDir::setCurrent(Before);
    QCOMPARE(View->Directory(), shown == u"~" ? QDir::homePath() : Path(shown));
    QCOMPARE(View->ViewStyle(), style);
    QCOMPARE(View->ColumnWidth(0), nameWidth);
    QCOMPARE(View->SortColumn(), 0);
    if (status.isEmpty())
        QVERIFY(FStatus.isEmpty());
    else
        QVERIFY(!FStatus.isEmpty() && FStatus.last().contains(status));
}

// --- Folder picker ----------------------------------------------------------------------------

void TestShellView::pathDialogDirectory_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("kept"); // "cwd": the current directory
    QTest::newRow("trailing separator goes") << u"/home/me/Music/"_s << u"/home/me/Music"_s;
    QTest::newRow("several trailing separators") << u"/home/me/Music//"_s << u"/home/me/Music"_s;
    QTest::newRow("the root stays") << u"/"_s << u"/"_s;
    QTest::newRow("empty: the current directory") << QString() << u"cwd"_s;
}

void TestShellView::pathDialogDirectory() {
    QFETCH(QString, given);
    QFETCH(QString, kept);
    TPathDialog Dialog;
    Dialog.SetDirectory(given);
    QCOMPARE(Dialog.Directory(), kept == u"cwd" ? QDir::currentPath() : kept);
}

void TestShellView::pathDialogExecute_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("choose"); // relative to the test folder
    QTest::addColumn<bool>("removeFirst");
    QTest::addColumn<bool>("ok");
    QTest::newRow("confirmed") << int(QDialog::Accepted) << u"chosen"_s << false << true;
    QTest::newRow("cancelled") << int(QDialog::Rejected) << u"chosen"_s << false << false;
    QTest::newRow("a folder that is not there any more")
        << int(QDialog::Accepted) << u"chosen"_s << true << false;
}

void TestShellView::pathDialogExecute() {
    QFETCH(int, result);
    QFETCH(QString, choose);
    QFETCH(bool, removeFirst);
    QFETCH(bool, ok);
    QVERIFY(QDir().mkpath(Path(u"start"_s)));
    QVERIFY(QDir().mkpath(Path(choose)));
    TPathDialog Dialog;
    Dialog.SetTitle(u"Choose a directory"_s);
    Dialog.SetRootItem(TRootItem::riDesktop);
    Dialog.SetDirectory(Path(u"start/"_s));
    bool Ran = false;
    Dialog.Runner = [&](QFileDialog &Shown) {
        Ran = true;
        [&] {
            QCOMPARE(Dialog.Dialog(), &Shown);
            QCOMPARE(Shown.windowTitle(), u"Choose a directory"_s);
            QCOMPARE(Shown.directory().absolutePath(), Path(u"start"_s));
            QCOMPARE(Shown.fileMode(), QFileDialog::Directory);
        }();
        Shown.setDirectory(Path(choose));
        if (removeFirst)
            QDir(Path(choose)).removeRecursively();
        return result;
    };
    QCOMPARE(Dialog.Execute(), ok);
    QVERIFY(Ran);
    QVERIFY(!Dialog.Dialog());
    QCOMPARE(Dialog.Directory(), ok ? Path(choose) : Path(u"start"_s));
}

void TestShellView::pathDialogHandlers() {
    QVERIFY(QDir().mkpath(Path(u"one"_s)));
    QVERIFY(QDir().mkpath(Path(u"two"_s)));
    TPathDialog Dialog;
    Dialog.SetShowStatus(true);
    Dialog.SetStatusText(u"first"_s);
    Dialog.SetDirectory(FDir->path());
    int Shown = 0;
    QStringList Selected;
    QStringList Errors;
    Dialog.OnShow = [&](TPathDialog *) {
        ++Shown;
        throw std::runtime_error("handler failed");
    };
    Dialog.OnSelect = [&](TPathDialog *, const QString &Path) { Selected << Path; };
    Dialog.ShowError = [&](const QString &Message) { Errors << Message; };
    Dialog.Runner = [&](QFileDialog &Running) {
        QTest::qWait(50); // the dialog's loop: OnShow
        QLabel *Status = nullptr;
        for (QLabel *Label : Running.findChildren<QLabel *>())
            if (Label->text() == u"first")
                Status = Label;
        [&] {
            QVERIFY(Status);
            Dialog.SetStatusText(u"second"_s);
            QCOMPARE(Status->text(), u"second"_s);
            // Setting Directory while it runs moves the dialog there, and that is a selection.
            Dialog.SetDirectory(Path(u"one/"_s));
            QCOMPARE(Running.directory().absolutePath(), Path(u"one"_s));
            QCOMPARE(Selected, QStringList{Path(u"one"_s)});
        }();
        return int(QDialog::Rejected);
    };
    QVERIFY(!Dialog.Execute());
    QCOMPARE(Shown, 1);
    QCOMPARE(Errors, QStringList{u"handler failed"_s});
    QCOMPARE(Selected, QStringList{Path(u"one"_s)});
}

int main(int argc, char *argv[]) {
    // Home, trash, configuration and caches of the whole run live in one temporary folder.
    QTemporaryDir Environment;
    if (!Environment.isValid())
        return 1;
    const QList<std::pair<const char *, QString>> Folders{
        {"HOME", u"/home"_s},
        {"XDG_DATA_HOME", u"/data"_s},
        {"XDG_CONFIG_HOME", u"/config"_s},
        {"XDG_CACHE_HOME", u"/cache"_s},
        {"XDG_RUNTIME_DIR", u"/runtime"_s},
    };
    for (const auto &[Name, Folder] : Folders) {
        const QString Path = Environment.path() + Folder;
        QDir().mkpath(Path);
        QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(Name, QFile::encodeName(Path));
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    TestShellView Test;
    return QTest::qExec(&Test, argc, argv);
}

#include "tst_shellview.moc"
