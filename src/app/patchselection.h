#pragma once

// The patch box and the Patches menu: the loaded patch set, the current patch, and how choosing
// a patch sets program and bank together. Sets of any size and shape list at once: the box
// shows its programs through a model, and the menu makes its entries when one of its submenus
// opens, at most MaxMenuEntries to a menu (more go into submenus of ranges).

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QMenu;
class TCustomIniFile;
class TKeyboardModel;
class TPatchBoxModel;
class TPatchList;
class TPatchModeGroup;
class TPatchProgram;
class TPatchSetLoader;
class TProgramBank;
class TUpDown;

class TPatchSelection : public QObject {
    Q_OBJECT
public:
    struct TControls {
        QComboBox *PatchBox;
        TUpDown *PatchUpDown;
        QMenu *PatchesMenu;
        QAction *PatchSetSep;
    };
    // Entries of one menu; a group with more programs gets submenus of ranges of them.
    static constexpr int MaxMenuEntries = 200;

    TPatchSelection(const TControls &Controls, TProgramBank &ProgramBank, TKeyboardModel &Keyboard,
                    QObject *Parent = nullptr);
    ~TPatchSelection() override;

    // Status panel 4: the name of the shown mode.
    std::function<void(const QString &)> OnModeText;
    // Shows the messages of a load (the warnings-and-errors window).
    std::function<void(const QStringList &)> OnLoadMessages;
    // A patch of a mode with a MIDI channel of its own moved the keyboard to that channel.
    std::function<void(int Channel)> OnChannelChange;

    TPatchList *PatchSet() const { return FPatchSet.get(); }
    TPatchProgram *CurrentPatch() const { return FCurrent; }
    // Copied from the set; the bank pair goes out MSB first whatever it says.
    bool MsbFirst() const { return FMsbFirst; }

    void SetPatchSet(std::unique_ptr<TPatchList> Set);
    void UnloadPatchSet();
    // Parses the file and takes the set when it loads; the messages go to OnLoadMessages.
    bool LoadPatchSet(const QString &FileName);
    // The same on a thread of its own, with a progress window and a way to cancel after a
    // moment; Done (may be empty) tells whether the set was taken.
    void StartLoading(const QString &FileName, std::function<void(bool Loaded)> Done);
    TPatchSetLoader &Loader() const { return *FLoader; }
    void SelectPatch(TPatchProgram *Patch, bool Refill, bool Send);
    void StepPatch(int Delta);
    void PatchChosen();
    // The program fields changed, by a program change on Channel that was sent or received: the
    // box shows the patch of the set that the fields name, else "(none)". Nothing is sent.
    void FollowProgram(int Channel);

    // Starts loading the stored patch set and selects the stored patch in it when it has
    // loaded; Done(true) when that patch was chosen (and sent), Done(false) when not (no set,
    // no such patch, a failed or cancelled load). True when a load was started.
    bool LoadStoredPatchSet(const TCustomIniFile &Store, const QString &Section,
                            std::function<void(bool PatchSent)> Done = {});
    void WritePatchValues(TCustomIniFile &Store, const QString &Section) const;

    // Fills a submenu of the Patches menu that was made empty (it fills itself when it opens).
    static void FillMenuNow(QMenu *Menu);

private:
    void FillPatchCombo();
    void SyncPatchCombo();
    void ApplyPatch(bool Send);
    // Entries First..Last-1 of Group (of the modes when Group is null) into Menu, before
    // Before when given.
    void FillMenu(QMenu *Menu, const TPatchModeGroup *Group, int First, int Last,
                  QAction *Before = nullptr);
    QMenu *AddLazyMenu(QMenu *Parent, const QString &Caption, const TPatchModeGroup *Group,
                       int First, int Last, QAction *Before = nullptr);
    int EntryCount(const TPatchModeGroup *Group) const;
    QString EntryName(const TPatchModeGroup *Group, int Index) const;

    TControls C;
    TProgramBank &FProgramBank;
    TKeyboardModel &FKeyboard;
    TPatchBoxModel *FModel;
    TPatchSetLoader *FLoader;
    std::unique_ptr<TPatchList> FPatchSet;
    TPatchProgram *FCurrent = nullptr;
    TPatchModeGroup *FShownMode = nullptr;
    bool FMsbFirst = true;
    // While the stored set loads at start-up: what to keep in the store meanwhile.
    QString FPendingFile;
    QString FPendingPatch;
};
