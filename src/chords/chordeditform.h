#pragma once

// The chord editor: a tool window that edits a private copy of the custom chords (loaded from
// the per-user store) and stores it on Apply or OK. Notes of the selected chord are toggled on
// its own small keyboard while edit mode is on, or by notes the owner passes to ToggleFromNote
// (the main keyboard, MIDI input); with edit mode off the small keyboard plays the chord.
// Deletes itself when closed.

#include "core/chordlist.h"
#include "core/keyboardtypes.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TCheckButton;
class TKeyboard;
class TKeyboardModel;

class TChordEditForm : public QDialog {
    Q_OBJECT
public:
    // Takes the main keyboard's language and channel.
    explicit TChordEditForm(const TKeyboardModel &MainKeyboard, QWidget *Owner = nullptr);
    ~TChordEditForm() override;

    // The notes of the dialog's keyboard, to be sent on the main output unchanged.
    TNoteEvent OnNote;
    // Runs after Apply stored the chords: the owner reloads its own list.
    std::function<void()> OnApply;

    // A note-on played elsewhere: in edit mode it toggles that note in the selected chord.
    void ToggleFromNote(int Note, int Velocity);

    TChordList &WorkingList() { return FWorkingList; }
    // The chord of the selected row, or null.
    TChordEntry *Selected() const;
    int GestureNote() const { return FGestureNote; }
    int PendingRefresh() const { return FPendingRefresh; }
    // The end of renaming a chord in place: a name that is taken is refused with a message.
    void RenameChord(TChordEntry *Entry, const QString &Name);

    QLabel *IntroLabel;
    QLabel *HelpLabel;
    QTreeWidget *ChordView;
    TKeyboard *Keyboard;
    QPushButton *NewButton;
    QPushButton *DeleteButton;
    TCheckButton *EditCheck;
    QPushButton *ResetButton;
    QPushButton *OkButton;
    QPushButton *CancelButton;
    QPushButton *ApplyButton;

    static inline const QString StateSection = QStringLiteral("ChordEditForm");
    static inline const QString ValFormTop = QStringLiteral("FormTop");
    static inline const QString ValFormLeft = QStringLiteral("FormLeft");

public Q_SLOTS:
    void done(int Result) override;

protected:
    void showEvent(QShowEvent *Event) override;
    bool event(QEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    enum TRefresh { rfNone = 0, rfRow = 1, rfRowAndKeyboard = 2 };

    void FillList();
    QTreeWidgetItem *AddRow(TChordEntry &Entry);
    QTreeWidgetItem *RowOf(const TChordEntry *Entry) const;
    void UpdateRow(QTreeWidgetItem *Item);
    void ShowChord(const TChordEntry *Entry);
    void SelectionChanged();
    void RequestRefresh(TRefresh Level);
    void GestureStep(int &Note);
    void AddNewChord();
    void DeleteSelectedChord();
    void ResetChord();
    void ApplyChanges();
    void LoadPosition();
    void SavePosition() const;

    TChordList FWorkingList;
    int FGestureNote = -1;
    int FPendingRefresh = rfNone;
    bool FPlaced = false;
    bool FClosing = false;
};
