#pragma once

// Copies, moves and links files and folders into a folder on a worker thread of its own, so
// that a large file never holds up the window nor the folder watcher. Nothing is ever replaced:
// an item whose name is taken in the target folder gets the next free name ("a (1).txt"), as
// file managers name copies. A copy either completes or leaves nothing behind (a failed or
// cancelled one is removed); a move across file systems removes its source only after the copy
// completed.
//
// Threading contract:
// - Start, Cancel, Busy and the destructor are called on the UI thread, and the callbacks
//   (OnProgress, OnFinished) run there.
// - The worker thread only touches the file system and the job it was handed (a copy). Jobs run
//   one after the other in the order they were started.
// - The destructor cancels every job, waits for the worker thread to end and drops any answer
//   still queued: no callback runs after it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

enum class TFileOp : uint8_t { foCopy, foMove, foLink };

struct TFileJob {
    TFileOp Op = TFileOp::foCopy;
    QStringList Sources; // absolute paths of files, folders and links
    QString Target;      // the folder they go into
};

struct TFileJobResult {
    QStringList Created;                        // new names in the target folder
    QList<std::pair<QString, QString>> Renamed; // a source's name and the free one it took
    QStringList Errors;                         // for the user, one for each item that failed
    bool Cancelled = false;
};

// Runs Job on the calling thread. Cancelled is asked between items and between chunks of a
// file; Progress, when given, hears how far the job has come at most every ProgressInterval.
TFileJobResult RunFileJob(const TFileJob &Job, const std::function<bool()> &Cancelled,
                          const std::function<void(const QString &Text)> &Progress = {});

class TFileOperations : public QObject {
    Q_OBJECT
public:
    static constexpr int ProgressInterval = 200; // ms

    explicit TFileOperations(QObject *Parent = nullptr);
    ~TFileOperations() override;

    // Queues Job behind the jobs under way.
    void Start(const TFileJob &Job);
    // Stops the job under way and the queued ones; each still reports, as cancelled.
    void Cancel();
    // Whether a job is under way or queued.
    bool Busy() const { return FPending > 0; }

    std::function<void(const QString &Text)> OnProgress;
    std::function<void(const TFileJob &Job, const TFileJobResult &Result)> OnFinished;
    // Tests only: runs on the worker thread as each job starts.
    std::function<void()> JobHook;

private:
    int FPending = 0;
    // Advanced by Cancel; a job started under an older value stops. Read by the worker.
    std::shared_ptr<std::atomic<quint64>> FGeneration;
    QThread FThread;
    QObject *FWorker = nullptr; // lives on FThread
};
