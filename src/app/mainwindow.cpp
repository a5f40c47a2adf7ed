#include "app/mainwindow.h"
#include "app/mainwindowparts.h"

#include "app/apppictures.h"
#include "app/errform.h"
#include "app/eximport.h"
#include "app/maintakes.h"
#include "app/mainwindowhosts.h"
#include "app/messageboxes.h"
#include "app/patchselection.h"
#include "app/programbank.h"
#include "app/settingssaver.h"
#include "app/splash.h"
#include "app/statusbar.h"
#include "app/updown.h"
#include "chords/chordeditform.h"
#include "controls/controlpictures.h"
#include "controls/formstate.h"
#include "controls/frameimage.h"
#include "controls/imgcontrol.h"
#include "controls/joystick.h"
#include "controls/wheel.h"
#include "core/chordlist.h"
#include "core/custominifile.h"
#include "core/general.h"
#include "core/knoblist.h"
#include "core/registryinifile.h"
#include "dialogs/settings.h"
#include "dialogs/transposeform.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "midi/mididevices.h"
#include "midi/midimenu.h"
#include "midi/zoneports.h"
#include "patches/patchbox.h"
#include "patches/patchsetchooser.h"
#include "router/midirouter.h"
#include "router/zoneplayer.h"
#include "zones/zoneform.h"

#include <QAbstractSlider>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>

namespace {

QString ReadingPatchList() {
    return QCoreApplication::translate("TMainWindow", "Reading patch list...");
}

// Calls Done once Window is exposed, or after TimeoutMs when it is not (a start minimized). On X11
// a window can show a picture only after the server has exposed it, some time after show().
void WhenExposed(QWidget *Window, const std::function<void()> &Done, int TimeoutMs = 500) {
    const QWindow *handle = Window->windowHandle();
    if (!handle || handle->isExposed() || TimeoutMs <= 0) {
        QTimer::singleShot(0, Window, Done);
        return;
    }
    QTimer::singleShot(5, Window,
                       [Window, Done, TimeoutMs] { WhenExposed(Window, Done, TimeoutMs - 5); });
}

// Why the settings cannot be saved, or an empty text. Permission bits do not stop root, so the
// folder is tried with a file of our own; a read-only settings file is left alone by the save.
QString SettingsWriteProblem(const QString &FileName) {
    const QFileInfo file(FileName);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    QString reason;
    if (!QDir().mkpath(file.absolutePath()))
        reason = QCoreApplication::translate("TMainWindow", "the folder \"%1\" cannot be created")
                     .arg(folder);
    else if (file.exists() &&
             !(file.permissions() &
               (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)))
        reason = QCoreApplication::translate("TMainWindow", "the file \"%1\" is read-only")
                     .arg(QDir::toNativeSeparators(FileName));
    else if (QTemporaryFile probe(file.absolutePath() + QStringLiteral("/.ondrel-XXXXXX"));
             !probe.open())
        reason = QCoreApplication::translate("TMainWindow", "the folder \"%1\" is not writable")
                     .arg(folder);
    return reason.isEmpty()
               ? reason
               : QCoreApplication::translate("TMainWindow", "Settings cannot be saved: %1.")
                     .arg(reason);
}

} // namespace

// --- Building ------------------------------------------------------------------------------------

TMainWindow::TMainWindow(TMidiApi Service, bool ShowSplash, QWidget *Parent)
    : QMainWindow(Parent), FKnobPresetName(DefaultPresetName) {
    if (ShowSplash) {
        FSplash = new TSplashForm(this, true);
        FSplash->InstancePointer = &FSplash;
        FSplash->show();
    }
    FService = Service == TMidiApi::maAuto ? StoredService() : Service;
    setWindowTitle(QStringLiteral("Ondrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ondrel"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    FClient = new TClientArea(this);
    setCentralWidget(FClient);
    QFont font = this->font();
    font.setPointSizeF(8);
    setFont(font);
    FClient->SetBackground(AppPictures::Load(QStringLiteral("BACKGROUND"), devicePixelRatioF()));

    BuildKeyboardArea();
    FRouter = std::make_unique<TMidiRouter>(FKeyboard->Model(), this);
    BuildTakes();
    BuildProgramArea();
    BuildKnobBar();
    BuildExpressionRow();
    BuildZoneRow();
    BuildMenus();
    BuildStatusBar();
    FErrForm = new TErrForm(this);
    FPatches = new TPatchSelection({FPatchBox, FPatchUpDown, FPatchesMenu, FPatchSetSeparator},
                                   *FProgramBank, FKeyboard->Model(), this);
    FPatches->OnModeText = [this](const QString &text) { FStatusBar->SetPanelText(4, text); };
    FPatches->OnLoadMessages = [this](const QStringList &lines) { FErrForm->ShowLines(lines); };
    FPatches->OnChannelChange = [this](int channel) { SetChannelField(channel); };
    FProgramBank->OnSent = [this] { FPatches->FollowProgram(FKeyboard->Model().Channel()); };
    WireRouter();
    WireZones();

    TKeyboardModel &m = FKeyboard->Model();
    m.OnNoteHover = [this](QObject *, const QString &text) { FStatusBar->SetPanelText(1, text); };
    m.OnBaseNoteChange = [this](QObject *, const QString &text) {
        FPanels[2]->setText(tr("Base: %1").arg(text));
    };
    m.OnOctaveChange = [this](QObject *) {
        FPanels[3]->setText(tr("Octave: %1").arg(FKeyboard->Model().KeyOctave() - 2));
    };
    connect(FChordBox, &QComboBox::activated, this, [this] { ChordChosen(); });
    FSaver = new TSettingsSaver(this);
    FSaver->Write = [this](TCustomIniFile &store) { WriteSettings(store); };
    FSaver->OnNotice = [this](const QString &text, bool problem) {
        ShowNotice(text);
        // The user's settings are at stake: said where it cannot be missed, once, unless the
        // start already said that they cannot be saved. Not while closing: a box would keep
        // the program from ending.
        if (problem && !FSaveProblemTold && !FClosing)
            OpenWarning(text);
        FSaveProblemTold = problem;
    };
    FChordList = std::make_unique<TChordList>();
    FChordList->LoadFromRegistry();
    RebuildChordCombo();

    // The device menus ask the MIDI service for its ports now and the deferred start opens the
    // devices: one connection for all of it saves tens of milliseconds before the first paint.
    FStartQueries = MidiBackend::HoldQueries();
    CreateDeviceMenus();
    CreateJoysticks();
    qApp->installEventFilter(this);

    setFocusProxy(FKeyboard);
    // Tab goes round from the keyboard, left to right. The window hands its focus to the
    // keyboard, so a chain that began before it would never reach the controls left of it.
    const std::array<QWidget *, 15> tabOrder{
        FKeyboard,        FChordBox,        FChannelEdit,    FPitchStrip,     FModulationStrip,
        FLeftArrow,       FRightArrow,      FPatchBox,       FVelocitySlider, FPedalButtons[0],
        FPedalButtons[1], FPedalButtons[2], FZoneButtons[0], FZoneButtons[1], FZoneButtons[2]};
    for (size_t i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    UpdateFromKeyboard();
    resize(ClientWidth, 0); // not a move: a first start leaves the place to the window manager
    ApplyWidthLimits();
    resize(ClientWidth, minimumHeight());
}

TMainWindow::~TMainWindow() {
    qApp->removeEventFilter(this);
    delete FChordEditor.data();
    delete FTransposeForm.data();
    delete FSettings.data();
    delete FZoneForm.data();
    // A replay ends (its notes released) while the router and the output are still there.
    FTakes.reset();
    // Nothing may go to a device that is being torn down; the inputs stop calling the router's
    // thru hook before it goes.
    FRouter->SetOutput(nullptr);
    UnlinkZones();
    FRouter->Zones().SetOutputs(nullptr);
    FZonePorts.reset();
    FInMenu.reset();
    FOutMenu.reset();
    FDevices.reset();
    FRouter.reset();
}

void TMainWindow::WireRouter() {
    connect(FRouter.get(), &TMidiRouter::PitchBendChanged, this, &TMainWindow::ShowPitchBend);
    connect(FRouter.get(), &TMidiRouter::ControllerChanged, this, &TMainWindow::ShowController);
    connect(FRouter.get(), &TMidiRouter::ProgramChanged, this, &TMainWindow::ShowProgram);
    connect(FRouter.get(), &TMidiRouter::NotePlayed, this, &TMainWindow::NotePlayed);
    connect(FRouter.get(), &TMidiRouter::SendFailed, this, &TMainWindow::SendFailed);
    connect(FRouter.get(), &TMidiRouter::PanicProgress, this,
            [this](int percent) { SetStatusText(tr("Panic: %1%").arg(percent), false); });
    // Transposed notes do not sound as the keys say: the status bar tells by how much.
    connect(FRouter.get(), &TMidiRouter::PlayRulesChanged, this,
            [this] { FStatusBar->SetTranspose(FKeyboard->Model().Transpose()); });
    connect(FMidiThruAction, &QAction::toggled, FRouter.get(), &TMidiRouter::SetMidiThru);
}

QWidget *TMainWindow::Client() const {
    return FClient;
}

QDialog *TMainWindow::ReadmeWindow() const {
    return FReadme;
}

TChordEditForm *TMainWindow::ChordEditor() const {
    return FChordEditor;
}

TSettings *TMainWindow::Settings() const {
    return FSettings;
}

TTransposeForm *TMainWindow::TransposeForm() const {
    return FTransposeForm;
}

TKnobEditForm *TMainWindow::KnobEditor() const {
    return FKnobEditor;
}

TPatchSetChooser *TMainWindow::PatchSetChooser() const {
    return FPatchSetChooser;
}

// --- Layout --------------------------------------------------------------------------------------

int TMainWindow::MinWidth() const {
    int width = FChannelUpDown->geometry().right() + 1 + 5;
    width = std::max(width, ExpressionRowRight() + 5);
    width = std::max(width, FZoneButtons.back()->geometry().right() + 1 + 5);
    if (FKnobs && FKnobs->Count() > 0) {
        // Two rows of knobs, column by column, right of the patch box (LayOut); a column has
        // room for its knob and the value beside it (20 knobs showed "Vol…" and no values).
        const int columns = (FKnobs->Count() + 1) / 2;
        width = std::max(width, KnobBandLeft() + columns * FKnobs->MinColumnWidth() + 2);
    }
    return width;
}

int TMainWindow::KnobBandLeft() const {
    return FPatchUpDown->geometry().right() + 1 + 6;
}

int TMainWindow::MaxWidth() const {
    // Room for the right arrow too, so the widest window shows the whole strip.
    return TKeyboardModel::WhiteKeyCount * FKeyboard->Model().KeyWidth() +
           FKeyboard->geometry().left() + 5 + (FArrowsVisible ? FRightArrow->width() : 0);
}

void TMainWindow::ApplyWidthLimits() {
    // As tall as designed, or taller, the keys taking the height added.
    const int h = (menuWidget() ? menuWidget()->sizeHint().height() : 0) + ClientHeight;
    setMinimumSize(MinWidth(), h);
    setMaximumSize(MaxWidth(), h + MaxExtraKeyHeight);
}

void TMainWindow::resizeEvent(QResizeEvent *Event) {
    QMainWindow::resizeEvent(Event);
    LayOut();
    if (FSaver)
        FSaver->Changed();
}

void TMainWindow::moveEvent(QMoveEvent *Event) {
    QMainWindow::moveEvent(Event);
    if (FSaver)
        FSaver->Changed();
}

int TMainWindow::KeyboardHeight() const {
    // As designed at the window's least height, and every pixel the window is taller.
    const int extra = minimumHeight() > 0 ? std::max(0, height() - minimumHeight()) : 0;
    return TKeyboardModel::ImageHeight + extra;
}

void TMainWindow::LayOut() {
    const int clientWidth = FClient->width();
    if (FArrowsVisible) {
        FRightArrow->move(clientWidth - FRightArrow->width() - 5, FRightArrow->y());
        FKeyboard->resize(FRightArrow->x() - FKeyboard->x(), KeyboardHeight());
    } else {
        FKeyboard->resize(clientWidth - FKeyboard->x() - 5, KeyboardHeight());
    }
    AlignStrips();
    PlaceExpressionRow();
    PlaceZoneRow();
    if (FKnobs)
        FKnobs->SetArea(KnobBandLeft(), clientWidth - KnobBandLeft() + 4);
}

void TMainWindow::SetArrowsVisible(bool Value) {
    FArrowsVisible = Value;
    FLeftArrow->setVisible(Value);
    FRightArrow->setVisible(Value);
    FKeyboard->move(Value ? FLeftArrow->x() + FLeftArrow->width() : FLeftArrow->x(),
                    FKeyboard->y());
    ApplyWidthLimits();
    LayOut();
}

void TMainWindow::AlignStrips() {
    FKeyboard->resize(FKeyboard->width(), KeyboardHeight());
    // Beside the keys, in the middle of their height: level with them at the designed height.
    for (TImgControl *c : {FPitchStrip, FModulationStrip, FLeftArrow, FRightArrow})
        c->move(c->x(), FKeyboard->y() + std::max(0, (FKeyboard->height() - c->height()) / 2));
}

void TMainWindow::KeyWidthChanged(int Position) {
    if (FSyncingKeyWidth)
        return;
    FKeyboard->SetKeyWidth(int(std::nearbyint(std::exp(Position / 3.0))) + 6);
    const int range = FKeyWidthBar->maximum() - FKeyWidthBar->minimum();
    const int offset = Position - FKeyWidthBar->minimum();
    FKeyboard->SetImageSize(offset < range / 3       ? TImageSize::isSmall
                            : offset < 2 * range / 3 ? TImageSize::isNormal
                                                     : TImageSize::isBig);
    ApplyWidthLimits();
    LayOut();
    AlignStrips();
}

void TMainWindow::SyncKeyWidthBar() {
    const TKeyboardModel &m = FKeyboard->Model();
    const int min = FKeyWidthBar->minimum();
    const int max = FKeyWidthBar->maximum();
    int position;
    if (m.PaintStyle() == TPaintStyle::psImage)
        position = m.ImageSize() == TImageSize::isSmall    ? min
                   : m.ImageSize() == TImageSize::isNormal ? min + (max - min) / 2
                                                           : max;
    else
        position = int(std::nearbyint(3.0 * std::log(std::max(1, m.KeyWidth() - 6))));
    FSyncingKeyWidth = true;
    FKeyWidthBar->setValue(position);
    FSyncingKeyWidth = false;
}

void TMainWindow::UpdateFromKeyboard() {
    SyncKeyWidthBar();
    const TKeyboardModel &m = FKeyboard->Model();
    if (m.Chord() != TChord::chCustom) {
        const QSignalBlocker block(FChordBox);
        FChordBox->setCurrentIndex(int(m.Chord()));
    }
    SetChannelField(m.Channel());
}

void TMainWindow::SetChannelField(int Channel) {
    FChannelEdit->setText(QString::number(Channel + 1));
    FChannelUpDown->SetPosition(Channel + 1);
    if (FRouter) // an arpeggio of the whole keyboard moves to the channel
        FRouter->Zones().Refresh();
}

void TMainWindow::ChannelEdited() {
    bool ok = false;
    const int n = FChannelEdit->text().trimmed().toInt(&ok);
    if (ok && n >= 1 && n <= MidiChannelCount)
        FKeyboard->Model().SetChannel(n - 1);
    SetChannelField(FKeyboard->Model().Channel());
}

// --- What the router reflects
// ---------------------------------------------------------------------

void TMainWindow::ShowPitchBend(int Value) {
    FPitchStrip->SetPosition(Value);
    if (FSettings && FSettings->isVisible())
        FSettings->LearnController(ControllerCode::PitchBend);
}

void TMainWindow::ShowController(int Controller, int Value) {
    FControllerValues[size_t(Controller & 127)] = Value;
    ShowPedal(Controller, Value);
    if (Controller == FModWheelController)
        FModulationStrip->SetPosition(Value);
    if (Controller == FMouseWheelController)
        FWheelValue = Value;
    for (int i = 0; i < FKnobs->Count(); ++i)
        if (FKnobs->IUser(i) == Controller)
            FKnobs->SetKnobPosition(i, Value);
    if (FSettings && FSettings->isVisible())
        FSettings->LearnController(Controller);
    if (FKnobEditor && FKnobEditor->isVisible())
        FKnobEditor->SelectController(Controller);
}

void TMainWindow::ShowProgram(int Channel, int Program, int Msb, int Lsb) {
    if (Msb >= 0 && Lsb >= 0) {
        FProgramBank->ShowBankValue(TProgramBank::Msb, Msb);
        FProgramBank->ShowBankValue(TProgramBank::Lsb, Lsb);
    }
    FProgramBank->SetProgramValue(Program);
    FProgramBank->ShowProgram();
    FPatches->FollowProgram(Channel);
}

void TMainWindow::NotePlayed(int Note, int Velocity) {
    if (FChordEditor && FChordEditor->isVisible())
        FChordEditor->ToggleFromNote(uint8_t(Note), uint8_t(Velocity));
}

// --- Commands ------------------------------------------------------------------------------------

void TMainWindow::Panic() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QPalette saved = FPanicPanel->palette();
    QPalette yellow = saved;
    yellow.setColor(QPalette::Button, Qt::yellow);
    yellow.setColor(QPalette::ButtonText, Qt::black); // readable on yellow in any theme
    FPanicPanel->setPalette(yellow);
    FPanicPanel->repaint();
    // Cursor and colour come back also when a send fails.
    const auto restore = qScopeGuard([this, saved] {
        FPanicPanel->setPalette(saved);
        QApplication::restoreOverrideCursor();
    });
    FTakes->StopReplay();
    FRouter->Panic();
}

bool TMainWindow::MidiThru() const {
    return FMidiThruAction->isChecked();
}

void TMainWindow::SetMidiThru(bool Value) {
    FMidiThruAction->setChecked(Value);
}

void TMainWindow::ChordChosen() {
    const int index = FChordBox->currentIndex();
    TKeyboardModel &m = FKeyboard->Model();
    if (index < BuiltInChords) {
        m.SetChord(TChord(std::max(0, index)));
        return;
    }
    const int i = index - BuiltInChords;
    if (i >= FChordList->Count()) {
        m.SetChord(TChord::chNone);
        FChordBox->setCurrentIndex(0);
        return;
    }
    m.SetCustomChord(FChordList->Items(i).Offsets(), true);
    FCustomChordIndex = i;
}

void TMainWindow::RebuildChordCombo() {
    const int index = FChordBox->currentIndex();
    const QString name = index >= BuiltInChords ? FChordBox->currentText() : QString();
    while (FChordBox->count() > BuiltInChords)
        FChordBox->removeItem(FChordBox->count() - 1);
    for (int i = 0; i < FChordList->Count(); ++i)
        FChordBox->addItem(FChordList->Items(i).Name());
    int select = 0;
    if (!name.isEmpty()) {
        for (int i = BuiltInChords; i < FChordBox->count(); ++i)
            if (FChordBox->itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
                select = i;
                break;
            }
    } else if (index >= 0 && index < BuiltInChords) {
        select = index;
    }
    FChordBox->setCurrentIndex(select);
    ChordChosen();
}

void TMainWindow::ReloadChords() {
    FChordList->LoadFromRegistry();
    RebuildChordCombo();
}

void TMainWindow::StepChord(int Delta) {
    int index = FChordBox->currentIndex() + Delta;
    if (index < 0)
        index = FChordBox->count() - 1;
    else if (index >= FChordBox->count())
        index = 0;
    FChordBox->setCurrentIndex(index);
    ChordChosen();
}

void TMainWindow::StepPatch(int Delta) {
    FPatches->StepPatch(Delta);
}

void TMainWindow::ChoosePatchSet() {
    if (!FPatchSetChooser) {
        FPatchSetChooser = new TPatchSetChooser(this);
        FPatchSetChooser->OnLoadPatchSet = [this](const QString &File) {
            // Loaded on a thread of its own: the window keeps playing meanwhile. Apply comes
            // back when the load failed or was cancelled.
            const QPointer<TPatchSetChooser> chooser = FPatchSetChooser;
            FPatches->StartLoading(File, [chooser](bool loaded) {
                if (chooser && !loaded)
                    chooser->LoadFailed();
            });
            return true;
        };
    }
    if (FPatchSetChooser->isMinimized())
        FPatchSetChooser->showNormal();
    FPatchSetChooser->show();
    FPatchSetChooser->raise();
    FPatchSetChooser->activateWindow();
}

void TMainWindow::ShowSettings() {
    if (!FSettings) {
        if (!FSettingsHost)
            FSettingsHost = std::make_unique<TMainSettingsHost>(*this);
        FSettings = new TSettings(*FSettingsHost, this);
    }
    FSettings->ShowPage(TSettings::pgGeneral);
    FSettings->show();
    FSettings->raise();
    FSettings->activateWindow();
}

void TMainWindow::ShowTranspose() {
    if (!FTransposeForm)
        FTransposeForm = new TTransposeForm(FKeyboard->Model(), this);
    FTransposeForm->show();
    FTransposeForm->raise();
    FTransposeForm->activateWindow();
}

void TMainWindow::ShowChordEditor() {
    if (!FChordEditor) {
        FChordEditor = new TChordEditForm(FKeyboard->Model(), this);
        // The editor's own keyboard goes straight out: reflected, its notes would toggle the
        // chord being edited.
        FChordEditor->OnNote = [this](QObject *, const TShortMessage &Message) {
            FRouter->SendOnly(Message);
        };
        FChordEditor->OnApply = [this] { ReloadChords(); };
    }
    FChordEditor->show();
    FChordEditor->raise();
    FChordEditor->activateWindow();
}

// --- Keys ----------------------------------------------------------------------------------------

bool TMainWindow::WindowKeyDown(QKeyEvent *Event) {
    const Qt::KeyboardModifiers mods = Event->modifiers();
    switch (Event->key()) {
    case Qt::Key_Space:
        if (!(mods & Qt::ControlModifier))
            return false;
        Panic();
        return true;
    case Qt::Key_PageUp:
        if (mods & Qt::ShiftModifier)
            FProgramBank->StepProgram(-1);
        else
            StepPatch(-1);
        return true;
    case Qt::Key_PageDown:
        if (mods & Qt::ShiftModifier)
            FProgramBank->StepProgram(1);
        else
            StepPatch(1);
        return true;
    case Qt::Key_End:
        StepChord(1);
        return true;
    case Qt::Key_Home:
        StepChord(-1);
        return true;
    default:
        return false;
    }
}

bool TMainWindow::eventFilter(QObject *Watched, QEvent *Event) {
    // Whatever the user does may change a setting: it is saved a moment later (if it did).
    switch (Event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::TouchEnd:
        if (FSaver)
            FSaver->Changed();
        break;
    default:
        break;
    }
    if (Watched == FChannelEdit) {
        if (Event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(Event)->key();
            if (key == Qt::Key_Escape) {
                SetChannelField(FKeyboard->Model().Channel());
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Text that is not a channel number stays as typed.
                bool ok = false;
                const int n = FChannelEdit->text().trimmed().toInt(&ok);
                if (ok && n >= 1 && n <= MidiChannelCount) {
                    FKeyboard->Model().SetChannel(n - 1);
                    SetChannelField(FKeyboard->Model().Channel());
                }
                return true;
            }
        } else if (Event->type() == QEvent::FocusOut) {
            ChannelEdited();
        }
    }
    // The window sees keys before the focused control, which then gets them too.
    if (Event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto *key = static_cast<QKeyEvent *>(Event);
        auto *widget = qobject_cast<QWidget *>(Watched);
        // One key event is offered to several receivers on its way up; act once.
        if (widget && widget->window() == this &&
            !(key == FLastKeyEvent && key->timestamp() == FLastKeyTime)) {
            FLastKeyEvent = key;
            FLastKeyTime = key->timestamp();
            // A list box would step its own list with the same key (the chord box to its first
            // or last entry, the patch box once more), a knob reached with Tab would jump to its
            // end or by a page: the window's step is the only one. The pitch and modulation strips
            // reached by Tab move with Home, End and the page keys: those are their own.
            const bool stripKey = (widget == FPitchStrip || widget == FModulationStrip) &&
                                  (key->key() == Qt::Key_Home || key->key() == Qt::Key_End ||
                                   key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown);
            if (!stripKey && WindowKeyDown(key) &&
                (qobject_cast<QComboBox *>(widget) || qobject_cast<TWheel *>(widget) ||
                 qobject_cast<QAbstractSlider *>(widget)))
                return true;
        }
    }
    // The wheel goes to the window first, wherever the pointer is over it, but over a knob it
    // turns that knob.
    if (Event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(Watched);
        if (widget && widget->window() == this && !qobject_cast<TWheel *>(widget) &&
            WheelEvent(static_cast<QWheelEvent *>(Event)))
            return true;
    }
    return QMainWindow::eventFilter(Watched, Event);
}

// --- Window life ---------------------------------------------------------------------------------

bool TMainWindow::event(QEvent *Event) {
    if (Event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent *>(Event)->tip();
        if (!QWidget::mouseGrabber())
            FStatusBar->SetHint(tip);
        return true;
    }
    return QMainWindow::event(Event);
}

void TMainWindow::changeEvent(QEvent *Event) {
    QMainWindow::changeEvent(Event);
    if (Event->type() == QEvent::ActivationChange)
        FKeyboard->SetCaptureKeyboard(isActiveWindow());
}

void TMainWindow::showEvent(QShowEvent *Event) {
    QMainWindow::showEvent(Event);
    if (FStarted)
        return;
    FStarted = true;
    FKeyboard->setFocus();
    LoadSettings();
    if (FGivenChannel >= 0) {
        FKeyboard->Model().SetChannel(FGivenChannel);
        SetChannelField(FKeyboard->Model().Channel());
    }
    FProgramBank->ShowProgram();
    FProgramBank->ShowBankValue(TProgramBank::Msb, FProgramBank->Value(TProgramBank::Msb));
    FProgramBank->ShowBankValue(TProgramBank::Lsb, FProgramBank->Value(TProgramBank::Lsb));
    SelectKnobPreset(FKnobPresetName);
    if (FFirstTime && FKnobs->Count() == 0) {
        FKnobs->Add(QStringLiteral("Volume"), MidiController::MainVolume, 0, 100);
        KnobCountChanged();
    }
    FPanels[3]->setText(tr("Octave: %1").arg(FKeyboard->Model().KeyOctave() - 2));
    // From here on what changes is saved a moment later.
    FSaver->Start();
    // The deferred start paints before its slow part (patch set, devices): that picture shows
    // only once the window is exposed.
    WhenExposed(this, [this] { DeferredStart(); });
}

void TMainWindow::DeferredStart() {
    if (FDeferredDone)
        return;
    FDeferredDone = true;
    repaint();
    // The stored patch set loads on a thread of its own while the devices open; its stored
    // patch is sent when it has loaded, or else the stored program once it cannot be.
    bool patchPending = false;
    try {
        const TRegistryIniFile store;
        FPatchLoading = true;
        patchPending = FPatches->LoadStoredPatchSet(store, WindowSection, [this](bool sent) {
            FPatchLoading = false;
            if (StatusPanelText(0) == ReadingPatchList())
                SetStatusText(QString());
            // An output that opened meanwhile waited for the patch (and its mode's channel).
            if (FSendStateOnOpen && FDevices && FDevices->IsOpen(TMidiDevices::TSide::Output))
                SendShownState(!sent);
            else if (!sent)
                FProgramBank->SendProgram();
        });
        FPatchLoading = patchPending;
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
    }
    SetStatusText(patchPending ? ReadingPatchList() : QString(), false);
    try {
        const TRegistryIniFile store;
        FDevices->Load(store, {FGivenOutput, FGivenInput});
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
    }
    FStartQueries.reset();
    FErrorsToStatus = true;
    // What opening the devices had to say, once both have tried: all of it in the status bar,
    // a failure also in a box that does not hold up the start.
    const QStringList errors = std::exchange(FStartErrors, {});
    if (const QStringList said = errors + std::exchange(FStartNotices, {}); !said.isEmpty())
        ShowNotice(said.join(QLatin1Char(' ')));
    if (!errors.isEmpty())
        OpenWarning(errors.join(QLatin1Char('\n')));
    // The output told what is shown as it opened; without that, the program at least, unless
    // the stored patch is still to come.
    if (!FSendStateOnOpen && !patchPending)
        FProgramBank->SendProgram();
    FRouter->Zones().SendPrograms();
    UpdateJoystickEnable();
    QString notice = TRegistryIniFile::TakeNotice();
    if (notice.isEmpty()) {
        notice = SettingsWriteProblem(ProgramStoreFileName());
        FSaveProblemTold = !notice.isEmpty();
    }
    if (!notice.isEmpty()) {
        ShowNotice(notice);
        // The user's settings are at stake: said where it cannot be missed, once.
        OpenWarning(notice);
    }
    // What Wayland does not allow goes to the status bar only: nothing is lost.
    if (const QString limits = PlacementLimits(); notice.isEmpty() && !limits.isEmpty())
        ShowNotice(limits);
}

void TMainWindow::OpenWarning(const QString &Text) {
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ondrel"), Text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TMainWindow::closeEvent(QCloseEvent *Event) {
    if (!FClosing) {
        FClosing = true;
        if (FChordEditor)
            FChordEditor->close();
        if (FKnobEditor)
            FKnobEditor->close();
        if (FTransposeForm)
            FTransposeForm->close();
        if (FSettings)
            FSettings->close();
        FKeyboard->Model().ResetNotes();
        LiftPedals();
        if (FPatchSetChooser)
            FPatchSetChooser->close();
        FTakes->Close();
        if (!FUninstalled)
            SaveSettings();
        FDevices->Close(TMidiDevices::TSide::Input);
        FDevices->Close(TMidiDevices::TSide::Output);
    }
    QMainWindow::closeEvent(Event);
}

// --- Menu commands -------------------------------------------------------------------------------

bool TMainWindow::StayOnTop() const {
    return FStayOnTopAction->isChecked();
}

QString TMainWindow::PlacementLimits() const {
    if (CanPlaceWindows())
        return QString();
    QStringList said;
    bool placed = false;
    try {
        const TRegistryIniFile store;
        placed = store.ValueExists(WindowSection, QStringLiteral("Left")) ||
                 store.ValueExists(WindowSection, QStringLiteral("Top"));
    } catch (const EIniFileException &) {
    }
    if (placed)
        said << tr("On Wayland the desktop places the window: the place it had is kept for an "
                   "X11 session.");
    if (StayOnTop())
        said << StayOnTopLimit();
    return said.join(QLatin1Char(' '));
}

QString TMainWindow::StayOnTopLimit() {
    return tr("Stay on Top is not available on Wayland, which lets no program keep its window "
              "above the others; the desktop's own window menu may offer it.");
}

void TMainWindow::SetStayOnTop(bool Value) {
    FStayOnTopAction->setChecked(Value);
    // Kept for an X11 session, and said at once when chosen now; at start the deferred start
    // tells it with the rest.
    if (Value && !CanPlaceWindows() && FDeferredDone)
        ShowNotice(StayOnTopLimit());
    // Above other programs' windows for as long as it is checked; the dialogs, transient for
    // this window, are kept above it by the window manager.
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, Value);
    if (flags == windowFlags())
        return;
    // Told to the native window alone (_NET_WM_STATE_ABOVE on X11): QWidget::setWindowFlags
    // would hide the window and show it again, taking the focus, and restore a minimized one.
    overrideWindowFlags(flags);
    if (QWindow *window = windowHandle())
        window->setFlags(flags);
}

void TMainWindow::SetStatusText(const QString &Text, bool Logged) {
    FStatusBar->SetMessage(Text, Logged);
}

QString TMainWindow::StatusPanelText(int Panel) const {
    return FPanels[size_t(Panel)]->text();
}

void TMainWindow::ShowNotice(const QString &Text) {
    FStatusBar->SetMessage(Text);
    qWarning("%s", qPrintable(Text));
}

void TMainWindow::Readme() {
    // Beside the executable in a build folder; installed, with the other documentation.
    const QString dir = QFileInfo(ExePath()).absolutePath();
    const QStringList places{
        dir + QStringLiteral("/Readme.txt"),
        QDir::cleanPath(dir + QStringLiteral("/../share/doc/ondrel/Readme.txt"))};
    QFile file;
    for (const QString &place : places) {
        file.setFileName(place);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            break;
    }
    if (!file.isOpen()) {
        QStringList shown;
        for (const QString &place : places)
            shown << QDir::toNativeSeparators(place);
        QMessageBox::critical(
            this, QStringLiteral("Ondrel"),
            tr("Readme.txt cannot be shown: it is not in %1, nor in %2.").arg(shown[0], shown[1]));
        return;
    }
    // In a window of our own: a desktop without a program for text files (or without a
    // launcher at all) showed nothing but an error.
    if (!FReadme) {
        FReadme = new QDialog(this, Qt::Window);
        FReadme->setAttribute(Qt::WA_DeleteOnClose);
        FReadme->setWindowTitle(tr("Readme"));
        auto *text = new QPlainTextEdit(FReadme);
        text->setObjectName(QStringLiteral("ReadmeText"));
        text->setReadOnly(true);
        text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        text->setPlainText(QString::fromUtf8(file.readAll()));
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, FReadme);
        connect(buttons, &QDialogButtonBox::rejected, FReadme.data(), &QDialog::reject);
        auto *layout = new QVBoxLayout(FReadme);
        layout->addWidget(text);
        layout->addWidget(buttons);
        const QFontMetrics metrics(text->font());
        FReadme->resize(metrics.horizontalAdvance(QLatin1Char('x')) * 84, metrics.height() * 30);
        PlaceOnScreen(*FReadme, QRect(frameGeometry().topLeft(), FReadme->size()));
    }
    FReadme->show();
    FReadme->raise();
    FReadme->activateWindow();
}

void TMainWindow::About() {
    if (!FAbout) {
        FAbout = new TSplashForm(this, false);
        FAbout->InstancePointer = &FAbout;
    }
    FAbout->show();
}

void TMainWindow::Uninstall(bool Ask) {
    const QString file = QDir::toNativeSeparators(ProgramStoreFileName());
    if (Ask && QMessageBox::question(this, QStringLiteral("Ondrel"),
                                     tr("This removes all of Ondrel's settings, its knob presets, "
                                        "snapshots and chords included (the file %1), and closes "
                                        "Ondrel.\n\nDo you want to continue?")
                                         .arg(file),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!DeleteProgramKeys(CompanyKeyName.toString(), ProgramKeyName())) {
        QMessageBox::warning(this, QStringLiteral("Ondrel"),
                             tr("The settings could not be removed:\n%1").arg(file));
        return;
    }
    FUninstalled = true;
    FSaver->Stop();
    if (Ask)
        ShowInfo(this, tr("The settings file %1 has been removed.\n\nTo remove the "
                          "program itself, uninstall its package with your package "
                          "manager; if you installed it from its sources, delete the "
                          "files listed in install_manifest.txt of the build folder.")
                           .arg(file));
    close();
}
