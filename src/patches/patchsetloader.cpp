#include "patches/patchsetloader.h"

#include "core/patcherrors.h"
#include "core/patchlist.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>

struct TPatchSetLoader::TJob {
    QString FileName;
    TDone Done;
    TPatchLoadControl Control;
    // Written by the worker, read on the UI thread after it finished.
    std::unique_ptr<TPatchList> Set;
    QStringList Log;
    bool Cancelled = false;
};

TPatchSetLoader::TPatchSetLoader(QWidget *Window, QObject *Parent)
    : QObject(Parent), FWindow(Window) {
    FShowTimer.setSingleShot(true);
    FShowTimer.setInterval(ProgressDelayMs);
    connect(&FShowTimer, &QTimer::timeout, this, [this] { ShowProgress(); });
    FPollTimer.setInterval(100);
    connect(&FPollTimer, &QTimer::timeout, this, [this] { UpdateProgress(); });
}

TPatchSetLoader::~TPatchSetLoader() {
    for (const auto &job : FRunning)
        job->Control.Cancel.store(true);
    for (const QPointer<QThread> &thread : FThreads) {
        if (!thread)
            continue;
        thread->wait();
        delete thread.data();
    }
    delete FProgress.data();
}

QProgressDialog *TPatchSetLoader::Progress() const {
    return FProgress;
}

QString TPatchSetLoader::FileName() const {
    return FJob ? FJob->FileName : QString();
}

void TPatchSetLoader::Start(const QString &FileName, TDone Done) {
    Cancel();
    auto job = std::make_shared<TJob>();
    job->FileName = FileName;
    job->Done = std::move(Done);
    FJob = job;
    FRunning.push_back(job);
    QThread *thread = QThread::create([job] {
        try {
            job->Set = TPatchList::Load(job->FileName, &job->Log, &job->Control);
        } catch (const EPatchLoadCancelled &) {
            job->Cancelled = true;
        } catch (const TPatchScriptParseException &) {
            // already in the log with its line
        } catch (const EPatchScriptError &e) {
            job->Log << e.Message();
        } catch (const std::exception &e) {
            job->Log << QString::fromLocal8Bit(e.what());
        }
    });
    thread->setObjectName(QStringLiteral("patch set loader"));
    std::erase_if(FThreads, [](const QPointer<QThread> &t) { return t.isNull(); });
    FThreads.emplace_back(thread);
    connect(thread, &QThread::finished, this, [this, job, thread] {
        std::erase(FRunning, job);
        thread->deleteLater();
        Finish(job);
    });
    thread->start(QThread::LowPriority);
    FShowTimer.start();
}

void TPatchSetLoader::Cancel() {
    if (!FJob)
        return;
    FJob->Control.Cancel.store(true);
    // Told at once; the thread ends by itself a moment later and its result is dropped.
    const std::shared_ptr<TJob> job = std::exchange(FJob, nullptr);
    HideProgress();
    if (job->Done)
        job->Done(nullptr, {}, true);
}

void TPatchSetLoader::Finish(const std::shared_ptr<TJob> &Job) {
    if (Job != FJob)
        return; // cancelled, or replaced by a newer load: already told
    FJob.reset();
    HideProgress();
    if (Job->Done)
        Job->Done(std::move(Job->Set), Job->Log, Job->Cancelled);
}

void TPatchSetLoader::HideProgress() {
    FShowTimer.stop();
    FPollTimer.stop();
    if (FProgress) {
        FProgress->disconnect(this);
        FProgress->hide();
        FProgress->deleteLater();
    }
}

void TPatchSetLoader::ShowProgress() {
    if (!FJob)
        return;
    if (!FProgress) {
        FProgress = new QProgressDialog(FWindow);
        FProgress->setWindowTitle(tr("Loading Patch Set"));
        FProgress->setCancelButtonText(tr("Cancel"));
        FProgress->setRange(0, 1000);
        FProgress->setMinimumDuration(0);
        // The window stays playable while the set loads.
        FProgress->setWindowModality(Qt::NonModal);
        FProgress->setAutoReset(false);
        FProgress->setAutoClose(false);
        connect(FProgress, &QProgressDialog::canceled, this, [this] { Cancel(); });
    }
    FProgress->setLabelText(
        tr("Loading the patch set \"%1\"...")
            .arg(QDir::toNativeSeparators(QFileInfo(FJob->FileName).fileName())));
    FProgress->setValue(0);
    FProgress->show();
    FPollTimer.start();
}

void TPatchSetLoader::UpdateProgress() {
    if (!FJob || !FProgress)
        return;
    const qint64 total = FJob->Control.Total.load(std::memory_order_relaxed);
    const qint64 done = FJob->Control.Done.load(std::memory_order_relaxed);
    FProgress->setValue(total > 0 ? int(std::min<qint64>(1000, done * 1000 / total)) : 0);
}
