#pragma once

// TPathDialog: asks the user for a folder with the platform's folder chooser (QFileDialog in
// its folder mode, the desktop's own dialog where the platform has one) and hands back the
// chosen folder's path. A non-visual object: Execute runs the dialog modally over the owner's
// window. UI thread only.

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QFileDialog;
class QLabel;

// Where the folder tree starts. Both show the whole file system here; the home folder and the
// desktop's places are in the dialog's side bar either way.
enum class TRootItem : uint8_t { riMyComputer, riDesktop };

class TPathDialog : public QObject {
    Q_OBJECT
public:
    using TPDNotifyEvent = std::function<void(TPathDialog *Sender)>;
    // Path is the selected folder's file-system path, empty for a place without one.
    using TSelectEvent = std::function<void(TPathDialog *Sender, const QString &Path)>;
    // Runs the prepared dialog modally and returns QDialog::Accepted or Rejected.
    using TRunner = std::function<int(QFileDialog &Dialog)>;

    explicit TPathDialog(QObject *Owner = nullptr);
    ~TPathDialog() override;

    QString Title() const { return FTitle; }
    void SetTitle(const QString &Value) { FTitle = Value; }
    // The start folder before Execute, the chosen one after it. Setting it drops a trailing
    // separator ("/home/me/Music/" is "/home/me/Music"; "/" stays) and turns an empty text into
    // the current directory; while the dialog runs, it moves there at once.
    QString Directory() const { return FDirectory; }
    void SetDirectory(const QString &Value);
    // A status line under the folders (the dialog is then always Qt's own).
    bool ShowStatus() const { return FShowStatus; }
    void SetShowStatus(bool Value) { FShowStatus = Value; }
    QString StatusText() const { return FStatusText; }
    void SetStatusText(const QString &Value);
    TRootItem RootItem() const { return FRootItem; }
    void SetRootItem(TRootItem Value) { FRootItem = Value; }
    int Tag = 0;

    // Raised once the dialog has opened.
    TPDNotifyEvent OnShow;
    // Raised whenever the selected folder changes (by the user, or by SetDirectory while the
    // dialog runs).
    TSelectEvent OnSelect;

    // True when the user confirmed a folder that exists on the file system; Directory is then
    // that folder. Otherwise false and Directory as it was.
    bool Execute();
    // The dialog while Execute runs, else none.
    QFileDialog *Dialog() const { return FDialog; }

    // Stand-ins for tests: Runner runs the dialog in place of exec() (OnShow comes through the
    // event loop, so a runner that wants it lets events be processed); ShowError shows the
    // message of an exception thrown by OnShow or OnSelect (a warning box by default), after
    // which the dialog goes on.
    TRunner Runner;
    std::function<void(const QString &Message)> ShowError;

private:
    void Guarded(const std::function<void()> &Handler);

    QString FTitle;
    QString FDirectory;
    bool FShowStatus = false;
    QString FStatusText;
    TRootItem FRootItem = TRootItem::riMyComputer;
    QFileDialog *FDialog = nullptr;
    QLabel *FStatusLabel = nullptr;
};
