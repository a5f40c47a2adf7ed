// Building the main window: the keyboard with its strips and arrows, the chord box and channel,
// the program and bank fields, the patch box and Panic, the knob bar, the menus and the status
// bar.

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
#include "app/splash.h"
#include "app/statusbar.h"
#include "app/updown.h"
#include "chords/chordeditform.h"
#include "controls/controlpictures.h"
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
#include "midi/midimenu.h"
#include "midi/synth.h"
#include "patches/patchbox.h"
#include "patches/patchsetchooser.h"
#include "router/midirouter.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace {

constexpr int KeyboardLeft = 80;
constexpr int KeyboardTop = 88;

// The Panic panel: a click anywhere on it.
class TPanicPanel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent *) override {
        if (OnClick)
            OnClick();
    }
};

} // namespace

void TMainWindow::BuildKeyboardArea() {
    QLabel *chordLabel = Label(tr("Chord"), 8, 8);
    FChordBox = new QComboBox(FClient);
    FChordBox->setObjectName(QStringLiteral("ChordBox"));
    FChordBox->setGeometry(8, 24, 105, 21);
    FChordBox->setToolTip(tr("Change Chord (Home/End)"));
    FChordBox->setStatusTip(FChordBox->toolTip());
    FChordBox->addItems({tr("None"), tr("Major"), tr("Minor"), tr("Major m7"), tr("Minor m7"),
                         tr("Fifths"), tr("Octave"), tr("Power")});

    QLabel *channelLabel = SmallLabel(tr("Channel"), 8, 50);
    FChannelEdit = new QLineEdit(FClient);
    FChannelEdit->setGeometry(8, 61, 33, 18);
    FChannelEdit->installEventFilter(this);
    FChannelEdit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    FChannelUpDown = new TUpDown(FClient);
    FChannelUpDown->setGeometry(41, 61, 15, 18);
    FChannelUpDown->SetRange(1, MidiChannelCount);
    FChannelUpDown->OnClick = [this](int position) {
        FKeyboard->Model().SetChannel(position - 1);
        SetChannelField(FKeyboard->Model().Channel());
    };
    // A screen reader reads a field's label with it.
    chordLabel->setBuddy(FChordBox);
    channelLabel->setBuddy(FChannelEdit);
    FChordBox->setAccessibleName(tr("Chord"));
    FChannelEdit->setAccessibleName(tr("Channel"));
    FChannelEdit->setAccessibleDescription(tr("The MIDI channel of what is played, 1 to 16"));
    FChannelUpDown->SetAccessibleNames(tr("Channel"));

    // The pitch and modulation strips and the two scroll arrows.
    FWheelImage = new TFrameImage(this);
    FWheelImage->SetResBitmap256(QStringLiteral("WHEEL256"));
    FWheelImage->SetResBitmap(QStringLiteral("WHEEL"));
    FWheelImage->SetCount(ControlPictures::WheelFrames);
    const auto arrowImage = [this](const QString &name) {
        auto *image = new TFrameImage(this);
        image->SetResBitmap(name);
        image->SetCount(2);
        image->SetButton(true);
        return image;
    };
    FLeftArrowImage = arrowImage(QStringLiteral("LEFTARROW"));
    FRightArrowImage = arrowImage(QStringLiteral("RIGHTARROW"));

    FPitchStrip = new TImgControl(FClient);
    FPitchStrip->SetFrameImage(FWheelImage);
    FPitchStrip->move(8, KeyboardTop);
    FPitchStrip->SetMin(PitchBendMin);
    FPitchStrip->SetMax(PitchBendMax);
    FPitchStrip->SetSmallChange(96);
    FPitchStrip->SetLargeChange(512);
    FPitchStrip->SetMiddleSnap(5);
    FPitchStrip->SetShowScrollHint(true);
    FPitchStrip->SetTabStop(false);
    FPitchStrip->setFocusPolicy(Qt::TabFocus); // below
    FPitchStrip->setToolTip(
        tr("Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)"));
    FPitchStrip->OnScroll = [this](QObject *, int &position) { PitchStripMoved(position); };
    FPitchStrip->OnMouseUp = [this](QObject *, Qt::MouseButton, TShiftState shift, int, int) {
        PitchStripReleased(shift);
    };
    FPitchStrip->OnGetScrollHint = [this](QObject *, QString &caption) {
        caption = tr("Pitch: %1").arg(FPitchStrip->Position());
    };

    FModulationStrip = new TImgControl(FClient);
    FModulationStrip->SetFrameImage(FWheelImage);
    FModulationStrip->move(36, KeyboardTop);
    FModulationStrip->SetMin(0);
    FModulationStrip->SetMax(127);
    FModulationStrip->SetMiddleSnap(0);
    FModulationStrip->SetShowScrollHint(true);
    FModulationStrip->SetTabStop(false);
    FModulationStrip->setFocusPolicy(Qt::TabFocus);
    FModulationStrip->setToolTip(tr("Modulation wheel (use SHIFT for fine mode)"));
    FModulationStrip->OnScroll = [this](QObject *, int &position) {
        ModulationStripMoved(position);
    };
    FModulationStrip->OnDblClick = [this](QObject *) { ModulationStripReset(); };
    FModulationStrip->OnGetScrollHint = [this](QObject *, QString &caption) {
        caption = tr("Modulation: %1").arg(FModulationStrip->Position());
    };

    const auto arrow = [this](TFrameImage *image, int x, const QString &hint, int step) {
        auto *c = new TImgControl(FClient);
        c->SetFrameImage(image);
        c->move(x, KeyboardTop);
        c->SetMax(1);
        c->SetAutoRepeat(true);
        c->SetAutoRepeatInitDelay(500);
        c->SetAutoRepeatDelay(60);
        c->SetTabStop(false);
        c->setFocusPolicy(Qt::TabFocus);
        c->setCursor(Qt::PointingHandCursor);
        c->setToolTip(hint);
        c->OnButtonClick = [this, step](QObject *) {
            FKeyboard->Model().SetBaseWhiteKey(FKeyboard->Model().BaseWhiteKey() + step);
        };
        return c;
    };
    FLeftArrow = arrow(FLeftArrowImage, 64, tr("Scroll visible keys down"), -1);
    FRightArrow = arrow(FRightArrowImage, 408, tr("Scroll visible keys up"), 1);
    for (QWidget *w :
         std::initializer_list<QWidget *>{FPitchStrip, FModulationStrip, FLeftArrow, FRightArrow})
        w->setStatusTip(w->toolTip());
    // Reached by Tab, so that they have keys too (arrows, Page Up/Down, Home/End; Space on an
    // arrow); a click leaves the focus where it was, on the keyboard.
    FPitchStrip->setAccessibleName(tr("Pitch wheel"));
    FModulationStrip->setAccessibleName(tr("Modulation wheel"));
    FLeftArrow->setAccessibleName(tr("Scroll down"));
    FRightArrow->setAccessibleName(tr("Scroll up"));

    FKeyboard = new TKeyboard(FClient);
    FKeyboard->setGeometry(KeyboardLeft, KeyboardTop, 329, 76);
    // A tooltip only: over the keyboard, the status bar shows the note under the pointer.
    FKeyboard->setToolTip(tr("Left Button: normal play mode   Right button: special hold mode"));
    FKeyboard->setAccessibleName(tr("Piano keyboard"));
    FKeyboard->setAccessibleDescription(
        tr("Play it with the mouse, or with the computer keys Z to / and Q to ] (F3 and F4 move "
           "them an octave down or up)."));
    TKeyboardModel &m = FKeyboard->Model();
    m.SetBounds(329, 76);
    m.SetBaseNote(36);
    m.SetMarkNote(60);
    m.SetVelocity(100);
    m.SetVelocityShiftFactor(0.6f);
    m.SetVelocityByPosition(true); // the mouse plays louder towards the front of a key
    FKeyboard->SetPaintStyle(TPaintStyle::psImage);
    FKeyboard->SetImageSize(TImageSize::isSmall);
    m.SetRegKey(QStringLiteral("Keyboard"));
    m.SetRegPath(CompanyKeyName.toString() + QLatin1Char('\\') + ProgramKeyName());

    FKeyWidthBar = new QSlider(Qt::Horizontal, FClient);
    FKeyWidthBar->setRange(1, 10);
    FKeyWidthBar->setValue(3);
    FKeyWidthBar->hide();
    FKeyWidthBar->setAccessibleName(tr("Key width"));
    connect(FKeyWidthBar, &QSlider::valueChanged, this, &TMainWindow::KeyWidthChanged);
}

void TMainWindow::BuildProgramArea() {
    // Patch box (filled when a patch set is loaded).
    QLabel *patchLabel = Label(tr("Patch"), 118, 8);
    FPatchBox = new TPatchBox(FClient);
    FPatchBox->setObjectName(QStringLiteral("PatchBox"));
    FPatchBox->setGeometry(118, 24, 131, 21);
    FPatchBox->setToolTip(tr("Current Patch (Page Up/Page Down)"));
    FPatchBox->setStatusTip(FPatchBox->toolTip());
    FPatchUpDown = new TUpDown(FClient);
    FPatchUpDown->setGeometry(247, 24, 16, 21);
    FPatchUpDown->SetAccelerated(true);
    patchLabel->setBuddy(FPatchBox);
    FPatchBox->setAccessibleName(tr("Patch"));
    FPatchUpDown->SetAccessibleNames(tr("Patch"));

    // Program and bank.
    QLabel *programLabel = SmallLabel(tr("Program"), 61, 50);
    auto *eProgram = new QLineEdit(FClient);
    eProgram->setGeometry(61, 61, 33, 18);
    eProgram->setToolTip(tr("Current Program number (Shift+PageUp/PageDown)"));
    eProgram->setStatusTip(eProgram->toolTip());
    auto *udProgram = new TUpDown(FClient);
    udProgram->setGeometry(94, 61, 15, 18);
    QLabel *lmsb = SmallLabel(QStringLiteral("MSB"), 114, 50);
    auto *eMsb = new QLineEdit(FClient);
    eMsb->setGeometry(114, 61, 33, 18);
    auto *udMsb = new TUpDown(FClient);
    udMsb->setGeometry(147, 61, 15, 18);
    QLabel *llsb = SmallLabel(QStringLiteral("LSB"), 166, 50);
    auto *eLsb = new QLineEdit(FClient);
    eLsb->setGeometry(166, 61, 33, 18);
    auto *udLsb = new TUpDown(FClient);
    udLsb->setGeometry(199, 61, 15, 18);
    programLabel->setBuddy(eProgram);
    lmsb->setBuddy(eMsb);
    llsb->setBuddy(eLsb);
    eProgram->setAccessibleName(tr("Program"));
    udProgram->SetAccessibleNames(tr("Program"));
    eMsb->setAccessibleName(tr("Bank MSB"));
    eMsb->setAccessibleDescription(tr("Bank select, most significant byte"));
    udMsb->SetAccessibleNames(tr("Bank MSB"));
    eLsb->setAccessibleName(tr("Bank LSB"));
    eLsb->setAccessibleDescription(tr("Bank select, least significant byte"));
    udLsb->SetAccessibleNames(tr("Bank LSB"));
    // Number fields: a digit typed into one types, it does not play.
    for (QLineEdit *e : {eProgram, eMsb, eLsb})
        e->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    FProgramBank = new TProgramBank({eProgram, udProgram, eMsb, udMsb, eLsb, udLsb, lmsb, llsb},
                                    FKeyboard->Model(), this);
    FProgramBank->Send = [this](int msb, int lsb, int program) {
        FRouter->SendProgram(msb, lsb, program);
    };

    auto *panic = new TPanicPanel(tr("Panic!"), FClient);
    panic->setObjectName(QStringLiteral("PanicPanel"));
    panic->setGeometry(216, 60, 47, 21);
    panic->setAlignment(Qt::AlignCenter);
    panic->setFrameShape(QFrame::Panel);
    panic->setFrameShadow(QFrame::Raised);
    panic->setAutoFillBackground(true);
    panic->setCursor(Qt::PointingHandCursor);
    panic->setToolTip(tr("Click here to stop all sounds immediately (Ctrl-Space)"));
    panic->setStatusTip(panic->toolTip());
    panic->setAccessibleName(tr("Panic"));
    // A button's face in the desktop's colours, light or dark.
    panic->setBackgroundRole(QPalette::Button);
    panic->setForegroundRole(QPalette::ButtonText);
    panic->OnClick = [this] { Panic(); };
    FPanicPanel = panic;
}

void TMainWindow::BuildKnobBar() {
    // Right of the patch box; its prototypes are the first knob.
    const auto knobLabel = [this](const QString &text, const QRect &r) {
        auto *l = new QLabel(text, FClient);
        QFont f = l->font();
        f.setPixelSize(9);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
        l->setGeometry(r);
        return l;
    };
    FKnobName = knobLabel(tr("Foot Controller 1"), QRect(310, 7, 43, 11));
    FKnobValue = knobLabel(QStringLiteral("777"), QRect(348, 31, 19, 13));
    FKnobValue->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    FKnobWheel = new TWheel(FClient);
    FKnobWheel->SetBounds(320, 17, 27, 27);
    FKnobWheel->SetFocusAction(TFocusAction::faFocusColor);
    FKnobWheel->SetPositionMax(127);
    FKnobWheel->SetPointerDistance(0);
    FKnobWheel->SetScale(false);
    FKnobWheel->SetScaleColor(Qt::white);
    FKnobWheel->SetScaleLength(1);
    FKnobWheel->SetWheelColor(Qt::black);
    FKnobWheel->SetFocusColor(Qt::blue);
    FKnobWheel->SetShowTrackHint(true);
    // Reached with Tab, never taken by a click: the window's playing keys (Home, End, the page
    // keys) must not also turn the knob last clicked.
    FKnobWheel->setFocusPolicy(Qt::TabFocus);
    FKnobs = std::make_unique<TGUIKnobList>(FKnobName, FKnobValue, FKnobWheel);
    FKnobs->Clear(); // no knob until one is added
    FKnobs->OnKnobChange = [this](QObject *, int controller, int value) {
        FRouter->SendController(controller, value);
    };
}

QLabel *TMainWindow::Label(const QString &Text, int X, int Y) {
    auto *l = new QLabel(Text, FClient);
    l->move(X, Y);
    l->adjustSize();
    return l;
}

QLabel *TMainWindow::SmallLabel(const QString &Text, int X, int Y) {
    QLabel *l = Label(Text, X, Y);
    QFont f = l->font();
    f.setPointSizeF(6.5);
    l->setFont(f);
    l->adjustSize();
    return l;
}

void TMainWindow::BuildMenus() {
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(tr("&File"));
    FExImportHost = std::make_unique<TMainExImportHost>(*this);
    FExImport = new TExImport(*FExImportHost, file);
    file->addSeparator();
    FTakes->AddMenuItems(*file);
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &QWidget::close);

    FMidiInMenu = bar->addMenu(tr("Midi &In"));
    FMidiOutMenu = bar->addMenu(tr("Midi O&ut"));

    FPatchesMenu = bar->addMenu(tr("&Patches"));
    FPatchSetSeparator = FPatchesMenu->addSeparator();
    FPatchSetSeparator->setVisible(false);
    QAction *choose = FPatchesMenu->addAction(tr("&Choose Patch Set..."));
    choose->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    connect(choose, &QAction::triggered, this, &TMainWindow::ChoosePatchSet);

    QMenu *knobs = bar->addMenu(tr("&Knobs"));
    FPresetsMenu = knobs->addMenu(tr("&Presets"));
    FSnapshotsMenu = knobs->addMenu(tr("&Snapshots"));
    FSnapshotsMenu->addSeparator();
    FDefineMenu = FSnapshotsMenu->addMenu(tr("&Define"));
    FKnobSetupAction = knobs->addAction(tr("Set &up..."));
    FKnobSetupAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    connect(FKnobSetupAction, &QAction::triggered, this, &TMainWindow::ShowKnobSetup);
    BuildSnapshotMenus();
    BuildPresetMenu();

    QMenu *options = bar->addMenu(tr("&Options"));
    const QString octaveHint = tr("Change the octave when play with the computer keyboard");
    QAction *down =
        options->addAction(tr("Octave Down"), this, [this] { FKeyboard->Model().OctaveDown(); });
    down->setShortcut(Qt::Key_F3);
    down->setStatusTip(octaveHint);
    QAction *up =
        options->addAction(tr("Octave Up"), this, [this] { FKeyboard->Model().OctaveUp(); });
    up->setShortcut(Qt::Key_F4);
    up->setStatusTip(octaveHint);
    const QString velocityHint = tr("Change the velocity of the computer keyboard's notes");
    QAction *softer = options->addAction(tr("Velocity Down"), this, [this] { StepVelocity(-1); });
    softer->setShortcut(Qt::Key_F1);
    softer->setStatusTip(velocityHint);
    QAction *louder = options->addAction(tr("Velocity Up"), this, [this] { StepVelocity(1); });
    louder->setShortcut(Qt::Key_F2);
    louder->setStatusTip(velocityHint);
    options->addSeparator();
    FStayOnTopAction = options->addAction(tr("Stay &on Top"));
    FStayOnTopAction->setCheckable(true);
    connect(FStayOnTopAction, &QAction::triggered, this, [this](bool v) { SetStayOnTop(v); });
    FMidiThruAction = options->addAction(tr("Midi &Thru"));
    FMidiThruAction->setCheckable(true);
    BuildZoneMenu(options);
    options->addSeparator();
    const auto command = [this, options](const char *text, const char *key, auto slot) {
        QAction *a = options->addAction(tr(text));
        a->setShortcut(QKeySequence(QString::fromLatin1(key)));
        connect(a, &QAction::triggered, this, slot);
    };
    command(QT_TR_NOOP("T&ranspose..."), "Ctrl+T", &TMainWindow::ShowTranspose);
    command(QT_TR_NOOP("Chord &Editor..."), "Ctrl+E", &TMainWindow::ShowChordEditor);
    command(QT_TR_NOOP("&Settings..."), "Ctrl+S", &TMainWindow::ShowSettings);
    options->addSeparator();
    options->addAction(tr("&Uninstall"), this, [this] { Uninstall(); });

    QMenu *help = bar->addMenu(tr("&Help"));
    help->addAction(tr("&Readme"), this, &TMainWindow::Readme);
    help->addAction(tr("&Messages..."), this, [this] { FStatusBar->ShowMessages(); });
    help->addAction(tr("&About"), this, &TMainWindow::About);

    // Menu keys must not play notes: the capture pauses while a menu is open.
    for (QAction *a : bar->actions()) {
        if (QMenu *menu = a->menu()) {
            connect(menu, &QMenu::aboutToShow, this,
                    [this] { FKeyboard->SetCaptureKeyboard(false); });
            connect(menu, &QMenu::aboutToHide, this, [this] {
                QTimer::singleShot(0, this, [this] {
                    if (isActiveWindow() && !QApplication::activePopupWidget())
                        FKeyboard->SetCaptureKeyboard(true);
                });
            });
        }
    }
}

void TMainWindow::BuildStatusBar() {
    FStatusBar = new TStatusBar(StatusHeight, this);
    setStatusBar(FStatusBar);
    for (int i = 0; i < TStatusBar::PanelCount; ++i)
        FPanels[size_t(i)] = FStatusBar->Panel(i);
    FPanels[2]->setText(
        tr("Base: %1").arg(FKeyboard->Model().NoteName(FKeyboard->Model().BaseNote())));
}
