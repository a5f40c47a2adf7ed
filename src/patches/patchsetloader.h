#pragma once

// Loads a patch set on a thread of its own, so that the window keeps answering (and playing)
// while a large script is read. After a moment a progress window shows how far it got, with a
// button that cancels the load. One load at a time: a new one cancels the one under way.
// Used on the UI thread; the worker thread touches only the load's own data.

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QThread;
class TPatchList;

class TPatchSetLoader : public QObject {
    Q_OBJECT
public:
    // The progress window appears only for a load that takes longer than this.
    static constexpr int ProgressDelayMs = 400;

    // Set: the loaded patch set, null when it failed or was cancelled. Log: the warnings and
    // errors of the load (nothing for a cancelled one).
    using TDone = std::function<void(std::unique_ptr<TPatchList> Set, const QStringList &Log,
                                     bool Cancelled)>;

    // The progress window belongs to Window.
    TPatchSetLoader(QWidget *Window, QObject *Parent);
    // Cancels a load under way and waits for its thread.
    ~TPatchSetLoader() override;

    // Starts loading FileName; Done is called on this thread when it has finished.
    void Start(const QString &FileName, TDone Done);
    // Stops the load under way: its Done comes with Cancelled.
    void Cancel();
    bool Busy() const { return FJob != nullptr; }
    // The file being loaded, empty when none is.
    QString FileName() const;
    // The progress window while it is shown, else null.
    QProgressDialog *Progress() const;

private:
    struct TJob;
    void Finish(const std::shared_ptr<TJob> &Job);
    void ShowProgress();
    void HideProgress();
    void UpdateProgress();

    QWidget *FWindow;
    std::shared_ptr<TJob> FJob;
    std::vector<QPointer<QThread>> FThreads;
    std::vector<std::shared_ptr<TJob>> FRunning;
    QPointer<QProgressDialog> FProgress;
    QTimer FShowTimer;
    QTimer FPollTimer;
};
