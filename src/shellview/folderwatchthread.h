#pragma once

// Keeps a shown folder current. The system tells of changes (QFileSystemWatcher on the folder,
// and on up to MaxWatchedFiles of its files, since a folder watch misses writes into files that
// already exist); once QuietTime has passed without a further change, a worker thread lists the
// folder again and compares the listing with a snapshot of what is shown; the differences come
// back to the UI thread, which applies them.
//
// Threading contract:
// - Every member function is called on the UI thread, and every callback (Snapshot,
//   OnDifferences, OnFolderLost) runs there.
// - The worker thread only reads the file system and the request it was handed, a copy of the
//   folder, its options and the snapshot; it never touches the view. Its answer is a queued call
//   to this object.
// - Every request carries a generation. Whatever changes what is shown advances it: SetFolder,
//   Pause (the owner is about to rename, delete or create) and every applied difference. An
//   answer of an older generation is dropped and the folder listed again later; the worker
//   also reads the current generation (an atomic) between entries and abandons a listing
//   nobody wants any more. At most one listing is under way at a time.
// - The destructor abandons the listing under way, waits for the worker thread to end, and
//   drops any answer still queued: no callback runs after it.

#include "shellview/systemviewsshared.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class TFolderLister;

class TFolderWatchThread : public QObject {
    Q_OBJECT
public:
    static constexpr int QuietTime = 500; // ms without a change before the folder is listed
    static constexpr int MaxWatchedFiles = 1000;

    explicit TFolderWatchThread(QObject *Parent = nullptr);
    ~TFolderWatchThread() override;

    // What the owner shows now, by file name (its parent entry left out).
    std::function<TFolderSnapshot()> Snapshot;
    // The differences between the snapshot and the folder on disk; the owner applies them.
    std::function<void(const TFolderDiff &Diff)> OnDifferences;
    // The folder is gone or can no longer be read; watching has stopped.
    std::function<void(TListError Error)> OnFolderLost;
    // Tests only: runs on the worker thread as each listing starts.
    std::function<void()> ListingHook;

    // Watches Path (listed with Options) from now on; an empty Path stops watching. Changes not
    // yet listed are forgotten: the owner has just listed the folder itself.
    void SetFolder(const QString &Path, const TListOptions &Options);
    QString Folder() const { return FFolder; }

    // Pause and Resume nest. While paused nothing is listed and no answer is applied; changes
    // seen meanwhile are listed after the last Resume.
    void Pause();
    void Resume();
    bool Paused() const { return FPauseCount > 0; }

    // The owner changed its items without a listing (added or removed one itself): watch the
    // files it shows now.
    void ItemsChanged();

    // Whether a listing is under way, and how many have been started (for tests and status).
    bool Listing() const { return FInFlight; }
    int ListingCount() const { return FListingCount; }

private:
    void Changed();
    void QuietTimeOver();
    void Answered(quint64 Generation, TListError Error, const TFolderDiff &Diff);
    void Advance();
    void WatchFiles();

    QFileSystemWatcher FWatcher;
    QTimer FQuiet;
    QString FFolder;
    TListOptions FOptions;
    int FPauseCount = 0;
    bool FDirty = false;    // a change not yet listed
    bool FInFlight = false; // a listing is under way
    int FListingCount = 0;
    quint64 FGeneration = 1;
    // Read by the worker between entries; written on the UI thread only.
    std::shared_ptr<std::atomic<quint64>> FWanted;
    QThread FThread;
    TFolderLister *FLister = nullptr; // lives on FThread
};

// Pauses a watcher for the lifetime of a scope.
class TWatchPause {
public:
    explicit TWatchPause(TFolderWatchThread &Watch) : FWatch(Watch) { FWatch.Pause(); }
    ~TWatchPause() { FWatch.Resume(); }
    TWatchPause(const TWatchPause &) = delete;
    TWatchPause &operator=(const TWatchPause &) = delete;

private:
    TFolderWatchThread &FWatch;
};
