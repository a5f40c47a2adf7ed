#include "app/patchselection.h"

#include "app/programbank.h"
#include "app/updown.h"
#include "core/custominifile.h"
#include "core/keyboardmodel.h"
#include "core/patchlist.h"
#include "core/patchmodegroup.h"
#include "core/patchprogram.h"
#include "patches/patchsetchooser.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include <functional>

namespace {
const QString ValPatchScript = QStringLiteral("PatchScript");
const QString ValPatch = QStringLiteral("Patch");
const QString NoneEntry = QStringLiteral("(none)");
} // namespace

TPatchSelection::TPatchSelection(const TControls &Controls, TProgramBank &ProgramBank,
                                 TKeyboardModel &Keyboard, QObject *Parent)
    : QObject(Parent), C(Controls), FProgramBank(ProgramBank), FKeyboard(Keyboard) {
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

void TPatchSelection::ResetCombo() {
    if (C.PatchBox->count() != 1 || C.PatchBox->itemText(0) != NoneEntry) {
        C.PatchBox->clear();
        C.PatchBox->addItem(NoneEntry);
    }
}

void TPatchSelection::AppendPrograms(const TPatchModeGroup &Group) {
    for (int i = 0; i < Group.ProgramCount(); ++i) {
        TPatchProgram *p = Group.ProgramAt(i);
        C.PatchBox->addItem(p->Name(), QVariant::fromValue(static_cast<void *>(p)));
    }
    for (int i = 0; i < Group.GroupCount(); ++i)
        AppendPrograms(*Group.GroupAt(i));
}

void TPatchSelection::FillPatchCombo() {
    if (!FCurrent) {
        FShownMode = nullptr;
        ResetCombo();
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
    ResetCombo();
    FShownMode = FCurrent->Mode();
    AppendPrograms(*FShownMode);
    C.PatchUpDown->setEnabled(true);
    C.PatchUpDown->SetRange(0, C.PatchBox->count() - 1);
    if (OnModeText)
        OnModeText(FShownMode->Name());
}

void TPatchSelection::SyncPatchCombo() {
    int index = 0;
    if (FCurrent)
        index =
            std::max(0, C.PatchBox->findData(QVariant::fromValue(static_cast<void *>(FCurrent))));
    C.PatchBox->setCurrentIndex(index);
    C.PatchUpDown->SetPosition(index);
}

void TPatchSelection::PatchChosen() {
    const int index = C.PatchBox->currentIndex();
    C.PatchUpDown->SetPosition(index);
    // "(none)" has no program: no patch is current any more, program and bank stay.
    SelectPatch(static_cast<TPatchProgram *>(C.PatchBox->itemData(index).value<void *>()), false,
                true);
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

void TPatchSelection::FillMenu(QMenu *Menu, const TPatchModeGroup &Group, TPatchProgram *&First) {
    for (int i = 0; i < Group.GroupCount(); ++i) {
        const TPatchModeGroup &sub = *Group.GroupAt(i);
        FillMenu(Menu->addMenu(QString(sub.Name()).replace(QLatin1Char('&'), QStringLiteral("&&"))),
                 sub, First);
    }
    for (int i = 0; i < Group.ProgramCount(); ++i) {
        TPatchProgram *p = Group.ProgramAt(i);
        if (!First)
            First = p;
        Menu->addAction(QString(p->Name()).replace(QLatin1Char('&'), QStringLiteral("&&")), this,
                        [this, p] { SelectPatch(p, true, true); });
    }
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
    for (int m = 0; m < FPatchSet->ModeCount(); ++m) {
        const TPatchModeGroup &mode = *FPatchSet->Mode(m);
        auto *menu = new QMenu(QString(mode.Name()).replace(QLatin1Char('&'), QStringLiteral("&&")),
                               C.PatchesMenu);
        C.PatchesMenu->insertMenu(C.PatchSetSep, menu);
        FillMenu(menu, mode, first);
    }
    // The combo shows the first mode with a program; nothing is selected or sent.
    FCurrent = first;
    FillPatchCombo();
    FCurrent = nullptr;
    if (!first)
        FShownMode = nullptr;
    else
        FShownMode = first->Mode();
    SyncPatchCombo();
    C.PatchSetSep->setVisible(FPatchSet->ModeCount() > 0);
}

bool TPatchSelection::LoadPatchSet(const QString &FileName) {
    return TPatchSetChooser::LoadPatchSet(
        FileName, [this](std::unique_ptr<TPatchList> Set) { SetPatchSet(std::move(Set)); },
        OnLoadMessages);
}

void TPatchSelection::LoadStoredPatchSet(const TCustomIniFile &Store, const QString &Section) {
    try {
        const QString file = Store.ReadString(Section, ValPatchScript, QString());
        if (file.isEmpty() || !LoadPatchSet(file))
            return;
        // No patch (or one no longer in the set): none is selected, and the box keeps listing
        // the set's first mode as the load left it.
        if (TPatchProgram *patch =
                FPatchSet->FindByPath(Store.ReadString(Section, ValPatch, QString())))
            SelectPatch(patch, true, true);
    } catch (const EIniFileException &Error) {
        // The start goes on without the patch set; the store reports its own trouble too.
        qWarning("%s", qPrintable(Error.Message()));
    }
}

void TPatchSelection::WritePatchValues(TCustomIniFile &Store, const QString &Section) const {
    if (FPatchSet) {
        Store.WriteString(Section, ValPatchScript, FPatchSet->FileName());
        Store.WriteString(Section, ValPatch, FCurrent ? FCurrent->Path() : QString());
    } else {
        Store.WriteString(Section, ValPatchScript, QString());
    }
}
