#pragma once

// Keeps the main window's settings on disk while it runs, not only when it closes: shortly
// after each change, only what the window changed since its last save (so that another window
// on the same settings file keeps what it changed), with a failed save told once and tried
// again until it works. UI thread only.

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class TCustomIniFile;
class TRegistryIniFile;

class TSettingsSaver : public QObject {
    Q_OBJECT
public:
    // A change is on disk at most this long after it was made.
    static constexpr int DelayMs = 1000;
    // Retries after a failed save wait twice as long each time, up to the longest.
    static constexpr int FirstRetryMs = 2000;
    static constexpr int LongestRetryMs = 60000;

    explicit TSettingsSaver(QObject *Parent = nullptr);
    ~TSettingsSaver() override;

    // Writes everything the window keeps into the store given.
    std::function<void(TCustomIniFile &Store)> Write;
    // A message about the settings file for the user: a problem (a save that failed, once until
    // saving works again; lines of the file that were skipped), or that saving works again.
    std::function<void(const QString &Text, bool Problem)> OnNotice;

    // What the window holds now counts as saved: called once the settings were read.
    void Start();
    // Something may have changed: it is saved within DelayMs. Cheap when called often.
    void Changed();
    // Saves now what changed; false when it could not be saved (it stays in memory).
    bool SaveNow();
    // Nothing is saved any more (the settings were removed).
    void Stop();
    bool Started() const { return FSaved != nullptr; }

private:
    void Retry();
    void TellNotice();
    void ScheduleRetry();

    std::unique_ptr<TRegistryIniFile> FSaved; // what the window held at its last save
    QTimer FTimer;
    QTimer FRetryTimer;
    int FRetryMs = FirstRetryMs;
    bool FStopped = false;
    bool FFailing = false;
};
