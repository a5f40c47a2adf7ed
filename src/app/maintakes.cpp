#include "app/maintakes.h"

#include "core/keyboardmodel.h"
#include "router/midirouter.h"
#include "takes/takerecorder.h"
#include "takes/takereplay.h"
#include "takesui/playerform.h"
#include "takesui/savetakeform.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

TMainTakes::TMainTakes(QWidget &Window, TMidiRouter &Router, TKeyboardModel &Keyboard)
    : FWindow(Window), FRouter(Router), FKeyboard(Keyboard),
      FRecorder(std::make_unique<TTakeRecorder>()), FReplay(std::make_unique<TTakeReplay>()) {
    // The notes a stopped replay owes leave like the user's own (and join the take).
    FReplay->Release = [this](const uint8_t *Data, size_t Size) {
        if (Size == 3)
            FRouter.SendOnly(TShortMessage{Data[0], Data[1], Data[2]});
    };
    FReplay->ShowNote = [this](int Note, int Velocity) { FKeyboard.ShowNote(Note, Velocity); };
    FRecorder->SetReplay(&FReplay->Player());
    ApplySettings();
}

TMainTakes::~TMainTakes() {
    FReplay->Stop();
    // The windows use the replay: they go first.
    delete FSaveForm.data();
    delete FPlayer.data();
    SetOutput(nullptr);
    FRecorder->SetReplay(nullptr);
}

TSaveTakeForm *TMainTakes::SaveForm() const {
    return FSaveForm;
}

TPlayerForm *TMainTakes::Player() const {
    return FPlayer;
}

void TMainTakes::AddMenuItems(QMenu &File) {
    FSaveAction = File.addAction(tr("Save Last &Take..."));
    FSaveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    FSaveAction->setStatusTip(tr("Save what you played last as a MIDI file"));
    connect(FSaveAction, &QAction::triggered, this, &TMainTakes::ShowSaveLastTake);
    FPlayAction = File.addAction(tr("P&lay MIDI File..."));
    FPlayAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    FPlayAction->setStatusTip(tr("Play a MIDI file or the last take to the MIDI output"));
    connect(FPlayAction, &QAction::triggered, this, [this] { ShowPlayer(true); });
}

void TMainTakes::SetOutput(TSourceHost *Output) {
    FReplay->SetOutput(Output);
    FRecorder->SetOutput(Output);
}

void TMainTakes::StopReplay() {
    FReplay->Stop();
}

void TMainTakes::Close() {
    FReplay->Stop();
    if (FSaveForm)
        FSaveForm->reject();
    if (FPlayer)
        FPlayer->close();
}

void TMainTakes::ReadSettings(const TCustomIniFile &Store) {
    FSettings.Read(Store);
    ApplySettings();
}

void TMainTakes::WriteSettings(TCustomIniFile &Store) const {
    TTakeSettings settings = FSettings;
    if (FPlayer)
        settings.OpenFolder = FPlayer->OpenFolder;
    settings.Loop = FReplay->Loop();
    settings.Write(Store);
}

void TMainTakes::ApplySettings() {
    FRecorder->Store().SetMemoryCap(size_t(FSettings.MemoryMb) << 20);
    FReplay->SetLoop(FSettings.Loop);
}

std::optional<TTake> TMainTakes::LastTake() const {
    FRecorder->Drain();
    const bool silence = FSettings.SinceSilence;
    TTake take = FRecorder->Store().Take(
        silence ? TTakeStore::TPart::SinceSilence : TTakeStore::TPart::LastMinutes,
        (silence ? int64_t(FSettings.SilenceSeconds) : int64_t(FSettings.Minutes) * 60) * 1000000,
        TTakeRecorder::NowUs());
    if (take.Empty())
        return std::nullopt;
    take.BeatsPerMinute = FSettings.Tempo;
    return take;
}

void TMainTakes::ShowSaveLastTake() {
    if (FSaveForm) {
        FSaveForm->raise();
        FSaveForm->activateWindow();
        return;
    }
    FRecorder->Drain();
    auto *form = new TSaveTakeForm(
        FSettings,
        [this](TTakeStore::TPart Part, int64_t AmountUs, int64_t *StartUs) {
            FRecorder->Drain();
            return FRecorder->Store().Take(Part, AmountUs, TTakeRecorder::NowUs(), StartUs);
        },
        &FWindow);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->SetLost(FRecorder->Lost());
    form->OnSaved = [this](const QString &Text) {
        if (OnStatus)
            OnStatus(Text);
    };
    connect(form, &QDialog::finished, this, [this, form] {
        FSettings = form->Settings();
        ApplySettings();
    });
    FSaveForm = form;
    form->open();
}

void TMainTakes::ShowPlayer(bool ChooseFile) {
    if (!FPlayer) {
        FPlayer = new TPlayerForm(*FReplay, &FWindow);
        FPlayer->setAttribute(Qt::WA_DeleteOnClose);
        FPlayer->OpenFolder = FSettings.OpenFolder;
        FPlayer->LastTake = [this] { return LastTake(); };
        FPlayer->OnStatus = OnStatus;
        connect(FPlayer, &QObject::destroyed, this, [this] { FReplay->Stop(); });
        connect(FPlayer, &QDialog::finished, this, [this] {
            if (FPlayer)
                FSettings.OpenFolder = FPlayer->OpenFolder;
            FSettings.Loop = FReplay->Loop();
        });
    }
    FPlayer->show();
    FPlayer->raise();
    FPlayer->activateWindow();
    if (ChooseFile)
        FPlayer->ChooseFile();
}
