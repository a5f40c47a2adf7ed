#include "app/patchselection.h"

#include "app/programbank.h"
#include "app/updown.h"
#include "core/custominifile.h"
#include "core/keyboardmodel.h"
#include "core/patcherrors.h"
#include "core/patchlist.h"
#include "core/patchmodegroup.h"
#include "core/patchprogram.h"
#include "patches/patchboxmodel.h"
#include "patches/patchsetchooser.h"
#include "patches/patchsetloader.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPointer>

#include <functional>

namespace {
const QString ValPatchScript = QStringLiteral("PatchScript");
const QString ValPatch = QStringLiteral("Patch");

QString MenuCaption(const QString &Name) {
    return QString(Name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The programs of a group and its sub-groups, depth first, the group's own programs first.
void CollectPrograms(const TPatchModeGroup &Group, std::vector<TPatchProgram *> &Programs) {
    for (int i = 0; i < Group.ProgramCount(); ++i)
        Programs.push_back(Group.ProgramAt(i));
    for (int i = 0; i < Group.GroupCount(); ++i)
        CollectPrograms(*Group.GroupAt(i), Programs);
}

// Fills the menu the first time it opens.
constexpr const char *FillProperty = "ondrelFill";
} // namespace

TPatchSelection::TPatchSelection(const TControls &Controls, TProgramBank &ProgramBank,
                                 TKeyboardModel &Keyboard, QObject *Parent)
    : QObject(Parent), C(Controls), FProgramBank(ProgramBank), FKeyboard(Keyboard),
      FModel(new TPatchBoxModel(this)), FLoader(new TPatchSetLoader(C.PatchBox->window(), this)) {
    C.PatchBox->setModel(FModel);
    C.PatchUpDown->SetWrap(true);
    C.PatchUpDown->OnClick = [this](int position) {
        C.PatchBox->setCurrentIndex(position);
        PatchChosen();
    };
    connect(C.PatchBox, &QComboBox::activated, this, [this] { PatchChosen(); });
    FillPatchCombo();
}

TPatchSelection::~TPatchSelection() = default;

void TPatchSelection::SelectPatch(TPatchProgram *Patch, bool Refill, bool Send) {
    FCurrent = Patch;
    if (Refill) {
        FillPatchCombo();
        SyncPatchCombo();
    }
    ApplyPatch(Send);
    FKeyboard.SetNoteNames(Patch ? Patch->KeyNames() : nullptr);
}

void TPatchSelection::ApplyPatch(bool Send) {
    if (!FCurrent)
        return;
    // A mode given a MIDI channel ("[mode 10] Drums") plays on it: its kits would sound as
    // programs of another instrument on the channel before.
    if (const int channel = FCurrent->Mode()->Channel();
        channel >= 0 && channel != FKeyboard.Channel()) {
        FKeyboard.SetChannel(channel);
        if (OnChannelChange)
            OnChannelChange(channel);
    }
    FProgramBank.SetProgramValue(FCurrent->Program());
    FProgramBank.ShowProgram();
    FProgramBank.ShowBankValue(TProgramBank::Msb, FCurrent->BankMSB());
    FProgramBank.ShowBankValue(TProgramBank::Lsb, FCurrent->BankLSB());
    // A patch with a bank is sent even when sending was not asked for.
    if ((Send && FCurrent->Program() >= 0) || FCurrent->BankMSB() >= 0 || FCurrent->BankLSB() >= 0)
        FProgramBank.SendProgram();
}

void TPatchSelection::FillPatchCombo() {
    if (!FCurrent) {
        FShownMode = nullptr;
        if (FModel->rowCount() != 1)
            FModel->SetPrograms({});
        C.PatchUpDown->SetRange(0, 0);
        C.PatchUpDown->SetPosition(0);
        C.PatchUpDown->setEnabled(false);
        C.PatchBox->setCurrentIndex(0);
        if (OnModeText)
            OnModeText(QString());
        return;
    }
    if (FCurrent->Mode() == FShownMode)
        return;
    FShownMode = FCurrent->Mode();
    std::vector<TPatchProgram *> programs;
    CollectPrograms(*FShownMode, programs);
    FModel->SetPrograms(std::move(programs));
    C.PatchUpDown->setEnabled(true);
    C.PatchUpDown->SetRange(0, C.PatchBox->count() - 1);
    if (OnModeText)
        OnModeText(FShownMode->Name());
}

void TPatchSelection::SyncPatchCombo() {
    const int index = FModel->RowOf(FCurrent);
    C.PatchBox->setCurrentIndex(index);
    C.PatchUpDown->SetPosition(index);
}

void TPatchSelection::PatchChosen() {
    const int index = C.PatchBox->currentIndex();
    C.PatchUpDown->SetPosition(index);
    // "(none)" has no program: no patch is current any more, program and bank stay.
    SelectPatch(FModel->Program(index), false, true);
}

void TPatchSelection::FollowProgram(int Channel) {
    if (!FPatchSet)
        return;
    const int program = FProgramBank.Value(TProgramBank::Program);
    const int msb = FProgramBank.Value(TProgramBank::Msb);
    const int lsb = FProgramBank.Value(TProgramBank::Lsb);
    // How well a patch names what the fields show on the keyboard's channel; 0 when it does not.
    // A patch without a bank fits any bank, one with the bank shown fits better; then a mode
    // with this very channel, then the mode the box shows.
    const auto fit = [&](const TPatchProgram *P) {
        const int modeChannel = P->Mode()->Channel();
        if (program < 0 || Channel != FKeyboard.Channel() || P->Program() != program ||
            (modeChannel >= 0 && modeChannel != Channel))
            return 0;
        const bool msbFits = P->BankMSB() < 0 || P->BankMSB() == msb;
        const bool lsbFits = P->BankLSB() < 0 || P->BankLSB() == lsb;
        if (!msbFits || !lsbFits)
            return 0;
        return 1 + (P->BankMSB() == msb && P->BankLSB() == lsb ? 4 : 0) +
               (modeChannel == Channel ? 2 : 0) + (P->Mode() == FShownMode ? 1 : 0);
    };
    if (FCurrent && (fit(FCurrent) > 0 || (program < 0 && FCurrent->Program() < 0)))
        return;
    TPatchProgram *best = nullptr;
    int bestFit = 0;
    const std::function<void(const TPatchModeGroup &)> search = [&](const TPatchModeGroup &G) {
        for (int i = 0; i < G.ProgramCount(); ++i)
            if (const int f = fit(G.ProgramAt(i)); f > bestFit) {
                bestFit = f;
                best = G.ProgramAt(i);
            }
        for (int i = 0; i < G.GroupCount(); ++i)
            search(*G.GroupAt(i));
    };
    for (int m = 0; m < FPatchSet->ModeCount(); ++m)
        search(*FPatchSet->Mode(m));
    if (best == FCurrent)
        return;
    FCurrent = best;
    // The box keeps listing its mode when nothing fits.
    if (best)
        FillPatchCombo();
    SyncPatchCombo();
    FKeyboard.SetNoteNames(best ? best->KeyNames() : nullptr);
}

void TPatchSelection::StepPatch(int Delta) {
    const int count = C.PatchBox->count();
    if (count == 0)
        return;
    int index = C.PatchBox->currentIndex() + Delta;
    if (index < 0)
        index = count - 1;
    else if (index >= count)
        index = 0;
    C.PatchBox->setCurrentIndex(index);
    PatchChosen();
}

void TPatchSelection::UnloadPatchSet() {
    FCurrent = nullptr;
    FShownMode = nullptr;
    const QList<QAction *> actions = C.PatchesMenu->actions();
    for (int i = 0; i + 2 < actions.size(); ++i) {
        C.PatchesMenu->removeAction(actions[i]);
        if (actions[i]->menu())
            actions[i]->menu()->deleteLater();
        else
            actions[i]->deleteLater();
    }
    C.PatchSetSep->setVisible(false);
    FillPatchCombo();
    FKeyboard.SetNoteNames(nullptr);
    FPatchSet.reset();
}

int TPatchSelection::EntryCount(const TPatchModeGroup *Group) const {
    if (!Group)
        return FPatchSet ? FPatchSet->ModeCount() : 0;
    return Group->GroupCount() + Group->ProgramCount();
}

QString TPatchSelection::EntryName(const TPatchModeGroup *Group, int Index) const {
    if (!Group)
        return FPatchSet->Mode(Index)->Name();
    // Sub-groups first, then the programs.
    return Index < Group->GroupCount() ? Group->GroupAt(Index)->Name()
                                       : Group->ProgramAt(Index - Group->GroupCount())->Name();
}

QMenu *TPatchSelection::AddLazyMenu(QMenu *Parent, const QString &Caption,
                                    const TPatchModeGroup *Group, int First, int Last,
                                    QAction *Before) {
    auto *menu = new QMenu(MenuCaption(Caption), Parent);
    if (Before)
        Parent->insertMenu(Before, menu);
    else
        Parent->addMenu(menu);
    // The set owns the groups; the menu goes with the set (UnloadPatchSet).
    const QPointer<QMenu> guard(menu);
    const std::function<void()> fill = [this, guard, Group, First, Last] {
        if (guard && guard->actions().isEmpty())
            FillMenu(guard, Group, First, Last);
    };
    menu->setProperty(FillProperty, true);
    connect(menu, &QMenu::aboutToShow, this, fill);
    return menu;
}

void TPatchSelection::FillMenuNow(QMenu *Menu) {
    if (Menu && Menu->property(FillProperty).isValid())
        Q_EMIT Menu->aboutToShow();
}

void TPatchSelection::FillMenu(QMenu *Menu, const TPatchModeGroup *Group, int First, int Last,
                               QAction *Before) {
    const int count = Last - First;
    if (count > MaxMenuEntries) {
        // Ranges of equal size, as few as fit one menu: each a submenu named by its first and
        // last entry.
        int size = MaxMenuEntries;
        while ((count + size - 1) / size > MaxMenuEntries)
            size *= MaxMenuEntries;
        for (int from = First; from < Last; from += size) {
            const int to = std::min(Last, from + size);
            AddLazyMenu(Menu,
                        QStringLiteral("%1 \u2026 %2")
                            .arg(EntryName(Group, from), EntryName(Group, to - 1)),
                        Group, from, to, Before);
        }
        return;
    }
    for (int i = First; i < Last; ++i) {
        if (!Group) {
            const TPatchModeGroup *mode = FPatchSet->Mode(i);
            AddLazyMenu(Menu, mode->Name(), mode, 0, EntryCount(mode), Before);
        } else if (i < Group->GroupCount()) {
            const TPatchModeGroup *sub = Group->GroupAt(i);
            AddLazyMenu(Menu, sub->Name(), sub, 0, EntryCount(sub));
        } else {
            TPatchProgram *p = Group->ProgramAt(i - Group->GroupCount());
            Menu->addAction(MenuCaption(p->Name()), this,
                            [this, p] { SelectPatch(p, true, true); });
        }
    }
}

// The first program of the set in menu order: sub-groups before a group's own programs.
static TPatchProgram *FirstInMenuOrder(const TPatchModeGroup &Group) {
    for (int i = 0; i < Group.GroupCount(); ++i)
        if (TPatchProgram *p = FirstInMenuOrder(*Group.GroupAt(i)))
            return p;
    return Group.ProgramCount() > 0 ? Group.ProgramAt(0) : nullptr;
}

void TPatchSelection::SetPatchSet(std::unique_ptr<TPatchList> Set) {
    UnloadPatchSet();
    FPatchSet = std::move(Set);
    if (!FPatchSet) {
        FillPatchCombo();
        SyncPatchCombo();
        return;
    }
    FMsbFirst = FPatchSet->MsbFirst();
    TPatchProgram *first = nullptr;
    const int modes = FPatchSet->ModeCount();
    // A submenu per mode (ranges of them for very many), above the menu's own items.
    FillMenu(C.PatchesMenu, nullptr, 0, modes, C.PatchSetSep);
    for (int m = 0; m < modes && !first; ++m)
        first = FirstInMenuOrder(*FPatchSet->Mode(m));
    // The combo shows the first mode with a program; nothing is selected or sent.
    FCurrent = first;
    FillPatchCombo();
    FCurrent = nullptr;
    if (!first)
        FShownMode = nullptr;
    else
        FShownMode = first->Mode();
    SyncPatchCombo();
    C.PatchSetSep->setVisible(modes > 0);
}

bool TPatchSelection::LoadPatchSet(const QString &FileName) {
    FLoader->Cancel();
    return TPatchSetChooser::LoadPatchSet(
        FileName, [this](std::unique_ptr<TPatchList> Set) { SetPatchSet(std::move(Set)); },
        OnLoadMessages);
}

void TPatchSelection::StartLoading(const QString &FileName, std::function<void(bool Loaded)> Done) {
    if (FileName.isEmpty()) {
        if (Done)
            Done(false);
        return;
    }
    FLoader->Start(FileName, [this, Done](std::unique_ptr<TPatchList> Set, const QStringList &Log,
                                          bool Cancelled) {
        const bool loaded = Set != nullptr && !Cancelled;
        if (loaded)
            SetPatchSet(std::move(Set));
        if (!Log.isEmpty() && OnLoadMessages)
            OnLoadMessages(Log);
        if (Done)
            Done(loaded);
    });
}

bool TPatchSelection::LoadStoredPatchSet(const TCustomIniFile &Store, const QString &Section,
                                         std::function<void(bool PatchSent)> Done) {
    QString file;
    QString path;
    try {
        file = Store.ReadString(Section, ValPatchScript, QString());
        path = Store.ReadString(Section, ValPatch, QString());
    } catch (const EIniFileException &Error) {
        // The start goes on without the patch set; the store reports its own trouble too.
        qWarning("%s", qPrintable(Error.Message()));
        return false;
    }
    if (file.isEmpty())
        return false;
    FPendingFile = file;
    FPendingPatch = path;
    StartLoading(file, [this, path, Done](bool loaded) {
        FPendingFile.clear();
        FPendingPatch.clear();
        // No patch (or one no longer in the set): none is selected, and the box keeps listing
        // the set's first mode as the load left it.
        TPatchProgram *patch = loaded ? FPatchSet->FindByPath(path) : nullptr;
        if (patch)
            SelectPatch(patch, true, true);
        if (Done)
            Done(patch != nullptr);
    });
    return true;
}

void TPatchSelection::WritePatchValues(TCustomIniFile &Store, const QString &Section) const {
    if (!FPendingFile.isEmpty()) {
        // Still loading at start-up: what is stored stays.
        Store.WriteString(Section, ValPatchScript, FPendingFile);
        Store.WriteString(Section, ValPatch, FPendingPatch);
    } else if (FPatchSet) {
        Store.WriteString(Section, ValPatchScript, FPatchSet->FileName());
        Store.WriteString(Section, ValPatch, FCurrent ? FCurrent->Path() : QString());
    } else {
        Store.WriteString(Section, ValPatchScript, QString());
    }
}
