#include "app/settingssaver.h"

#include "core/registryinifile.h"

TSettingsSaver::TSettingsSaver(QObject *Parent) : QObject(Parent) {
    FTimer.setSingleShot(true);
    FTimer.setInterval(DelayMs);
    connect(&FTimer, &QTimer::timeout, this, [this] { SaveNow(); });
    FRetryTimer.setSingleShot(true);
    connect(&FRetryTimer, &QTimer::timeout, this, [this] { Retry(); });
}

TSettingsSaver::~TSettingsSaver() = default;

void TSettingsSaver::Start() {
    FSaved = TRegistryIniFile::InMemory();
    if (Write)
        Write(*FSaved);
}

void TSettingsSaver::Changed() {
    // Not restarted by further changes: while the user goes on, a save still comes every
    // DelayMs, so that a crash loses at most that much.
    if (!FStopped && FSaved && !FTimer.isActive())
        FTimer.start();
}

void TSettingsSaver::Stop() {
    FStopped = true;
    FTimer.stop();
    FRetryTimer.stop();
}

bool TSettingsSaver::SaveNow() {
    FTimer.stop();
    if (FStopped || !FSaved || !Write)
        return true;
    auto now = TRegistryIniFile::InMemory();
    Write(*now);
    bool saved = true;
    try {
        TRegistryIniFile store;
        // What is missing in the file (a first start) is written too, so that it holds every
        // value after the first save.
        now->CopyChangesTo(*FSaved, store, true);
        store.UpdateFile();
    } catch (const EIniFileException &) {
        saved = false;
    }
    // The changes are in the store's memory now: it keeps them until a save works.
    FSaved = std::move(now);
    saved = TRegistryIniFile::SaveUnsaved() && saved;
    if (saved && FFailing) {
        FFailing = false;
        FRetryMs = FirstRetryMs;
        FRetryTimer.stop();
        TellNotice();
        if (OnNotice)
            OnNotice(tr("The settings have been saved."), false);
        return true;
    }
    TellNotice();
    if (!saved)
        ScheduleRetry();
    return saved;
}

void TSettingsSaver::Retry() {
    if (FStopped)
        return;
    SaveNow();
}

void TSettingsSaver::ScheduleRetry() {
    if (!FFailing)
        FRetryMs = FirstRetryMs;
    else
        FRetryMs = std::min(FRetryMs * 2, LongestRetryMs);
    FFailing = true;
    FRetryTimer.start(FRetryMs);
}

void TSettingsSaver::TellNotice() {
    const QString notice = TRegistryIniFile::TakeNotice();
    if (!notice.isEmpty() && OnNotice)
        OnNotice(notice, true);
}
