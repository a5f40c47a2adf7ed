#include "shellview/folderwatchthread.h"

#include <QDir>
#include <QSet>

namespace {

// One listing asked of the worker: everything it needs, copied.
struct TListRequest {
    quint64 Generation = 0;
    QString Folder;
    TListOptions Options;
    TFolderSnapshot Shown;
    std::function<void()> Hook;
    std::function<void(quint64 Generation, TListError Error, TFolderDiff Diff)> Reply;
};

} // namespace

// Lives on the worker thread and only lists.
class TFolderLister : public QObject {
public:
    explicit TFolderLister(std::shared_ptr<const std::atomic<quint64>> Wanted)
        : FWanted(std::move(Wanted)) {}

    void List(const TListRequest &Request) const {
        if (Request.Hook)
            Request.Hook();
        const TListing Listing = ListFolder(Request.Folder, Request.Options, [&] {
            return FWanted->load(std::memory_order_relaxed) != Request.Generation;
        });
        TFolderDiff Diff;
        if (Listing.Error == TListError::leNone)
            Diff = DiffListing(Request.Shown, Listing.Entries);
        Request.Reply(Request.Generation, Listing.Error, std::move(Diff));
    }

private:
    std::shared_ptr<const std::atomic<quint64>> FWanted;
};

TFolderWatchThread::TFolderWatchThread(QObject *Parent)
    : QObject(Parent), FWanted(std::make_shared<std::atomic<quint64>>(FGeneration)) {
    FQuiet.setSingleShot(true);
    FQuiet.setInterval(QuietTime);
    connect(&FQuiet, &QTimer::timeout, this, &TFolderWatchThread::QuietTimeOver);
    connect(&FWatcher, &QFileSystemWatcher::directoryChanged, this, &TFolderWatchThread::Changed);
    connect(&FWatcher, &QFileSystemWatcher::fileChanged, this, &TFolderWatchThread::Changed);

    FLister = new TFolderLister(FWanted);
    FLister->moveToThread(&FThread);
    // Deleted on the worker thread as it ends.
    connect(&FThread, &QThread::finished, FLister, &QObject::deleteLater);
    FThread.setObjectName(QStringLiteral("FolderWatch"));
    FThread.start(QThread::LowPriority);
}

TFolderWatchThread::~TFolderWatchThread() {
    FWanted->store(0); // no generation is 0: the listing under way stops at its next entry
    FThread.quit();
    FThread.wait();
    // An answer already posted to this object is dropped by ~QObject.
}

void TFolderWatchThread::SetFolder(const QString &Path, const TListOptions &Options) {
    Advance();
    FQuiet.stop();
    FDirty = false;
    const QStringList Watched = FWatcher.files() + FWatcher.directories();
    if (!Watched.isEmpty())
        FWatcher.removePaths(Watched);
    FFolder = Path;
    FOptions = Options;
    if (!FFolder.isEmpty()) {
        FWatcher.addPath(FFolder);
        WatchFiles();
    }
}

void TFolderWatchThread::Pause() {
    if (FPauseCount++ == 0)
        FQuiet.stop();
    Advance();
}

void TFolderWatchThread::Resume() {
    if (FPauseCount == 0 || --FPauseCount > 0)
        return;
    if (FDirty && !FInFlight && !FFolder.isEmpty())
        FQuiet.start();
}

void TFolderWatchThread::ItemsChanged() {
    Advance();
    WatchFiles();
}

void TFolderWatchThread::Changed() {
    if (FFolder.isEmpty())
        return;
    FDirty = true;
    // Each change starts the quiet time again; a listing under way picks FDirty up when it ends.
    if (!Paused())
        FQuiet.start();
}

void TFolderWatchThread::QuietTimeOver() {
    if (FFolder.isEmpty() || Paused() || FInFlight || !FDirty)
        return;
    FDirty = false;
    FInFlight = true;
    ++FListingCount;
    TListRequest Request;
    Request.Generation = FGeneration;
    Request.Folder = FFolder;
    Request.Options = FOptions;
    if (Snapshot)
        Request.Shown = Snapshot();
    Request.Hook = ListingHook;
    // Runs on the worker thread; this object outlives the thread (see the destructor).
    Request.Reply = [this](quint64 Generation, TListError Error, TFolderDiff Diff) {
        QMetaObject::invokeMethod(
            this,
            [this, Generation, Error, Diff = std::move(Diff)] {
                Answered(Generation, Error, Diff);
            },
            Qt::QueuedConnection);
    };
    TFolderLister *Lister = FLister;
    QMetaObject::invokeMethod(
        Lister, [Lister, Request = std::move(Request)] { Lister->List(Request); },
        Qt::QueuedConnection);
}

void TFolderWatchThread::Answered(quint64 Generation, TListError Error, const TFolderDiff &Diff) {
    FInFlight = false;
    if (Generation != FGeneration || Paused() || Error == TListError::leCancelled) {
        // Overtaken: what is shown changed meanwhile, so this comparison means nothing.
        FDirty = true;
    } else if (Error != TListError::leNone) {
        SetFolder(QString(), TListOptions());
        if (OnFolderLost)
            OnFolderLost(Error);
        return;
    } else if (!Diff.IsEmpty()) {
        Advance();
        if (OnDifferences)
            OnDifferences(Diff);
        WatchFiles();
    }
    if (FDirty && !Paused() && !FFolder.isEmpty())
        FQuiet.start();
}

void TFolderWatchThread::Advance() {
    ++FGeneration;
    FWanted->store(FGeneration, std::memory_order_relaxed);
}

void TFolderWatchThread::WatchFiles() {
    if (FFolder.isEmpty())
        return;
    const QDir Folder(FFolder);
    QSet<QString> Wanted;
    if (Snapshot) {
        const TFolderSnapshot Shown = Snapshot();
        for (const TFileEntry &Entry : Shown) {
            if (Wanted.size() >= MaxWatchedFiles)
                break;
            if (!Entry.IsDir && !(Entry.Attributes & TFileAttribute::faSpecial))
                Wanted.insert(Folder.filePath(Entry.Name));
        }
    }
    const QStringList Current = FWatcher.files();
    QStringList Drop;
    for (const QString &Path : Current)
        if (!Wanted.remove(Path))
            Drop.append(Path);
    if (!Drop.isEmpty())
        FWatcher.removePaths(Drop);
    if (!Wanted.isEmpty())
        FWatcher.addPaths(QStringList(Wanted.begin(), Wanted.end()));
}
