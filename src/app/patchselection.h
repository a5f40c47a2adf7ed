#pragma once

// The patch box and the Patches menu: the loaded patch set, the current patch, and how choosing
// a patch sets program and bank together.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QMenu;
class TCustomIniFile;
class TKeyboardModel;
class TPatchList;
class TPatchModeGroup;
class TPatchProgram;
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
    void SelectPatch(TPatchProgram *Patch, bool Refill, bool Send);
    void StepPatch(int Delta);
    void PatchChosen();
    // The program fields changed, by a program change on Channel that was sent or received: the
    // box shows the patch of the set that the fields name, else "(none)". Nothing is sent.
    void FollowProgram(int Channel);

    void LoadStoredPatchSet(const TCustomIniFile &Store, const QString &Section);
    void WritePatchValues(TCustomIniFile &Store, const QString &Section) const;

private:
    void FillPatchCombo();
    void SyncPatchCombo();
    void ApplyPatch(bool Send);
    void ResetCombo();
    void AppendPrograms(const TPatchModeGroup &Group);
    void FillMenu(QMenu *Menu, const TPatchModeGroup &Group, TPatchProgram *&First);

    TControls C;
    TProgramBank &FProgramBank;
    TKeyboardModel &FKeyboard;
    std::unique_ptr<TPatchList> FPatchSet;
    TPatchProgram *FCurrent = nullptr;
    TPatchModeGroup *FShownMode = nullptr;
    bool FMsbFirst = true;
};
