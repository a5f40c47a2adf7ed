#include "app/mainwindow.h"

#include "app/apppictures.h"
#include "app/errform.h"
#include "app/eximport.h"
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

#include <cmath>

// The client area: black, with the background picture tiled over what is repainted.
class TClientArea : public QWidget {
public:
    explicit TClientArea(QWidget *Parent) : QWidget(Parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        setPalette(p);
    }
    void SetBackground(const QPixmap &Picture) {
        FBackground = Picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent *Event) override {
        QPainter p(this);
        const QRect clip = Event->rect();
        if (FBackground.isNull()) {
            p.fillRect(clip, Qt::black);
            return;
        }
        // Only the tiles that meet the repainted rectangle.
        const QSize tile = FBackground.deviceIndependentSize().toSize();
        for (int col = clip.left() / tile.width(); col <= clip.right() / tile.width(); ++col)
            for (int row = clip.top() / tile.height(); row <= clip.bottom() / tile.height(); ++row)
                p.drawPixmap(col * tile.width(), row * tile.height(), FBackground);
    }

private:
    QPixmap FBackground;
};

namespace {

const QString WindowSection = QStringLiteral("KeyboardForm");
const QString DevicesSection = QStringLiteral("MidiDevices");
const QString ValModWheelController = QStringLiteral("MWCtrl");
const QString ValShowBasenoteButtons = QStringLiteral("ShowBasenoteButtons");
const QString ValMidiThru = QStringLiteral("Midi Thru");
const QString ValFirstTime = QStringLiteral("First Time");
const QString ValProgram = QStringLiteral("Program");
const QString ValBankMSB = QStringLiteral("Bank MSB");
const QString ValBankLSB = QStringLiteral("Bank LSB");
const QString ValMouseWheelController = QStringLiteral("MouseWheelController");
const QString ValMouseWheelSensitivity = QStringLiteral("MouseWheelSensitivity");
const QString ValKnobPreset = QStringLiteral("Knob Preset");
const QString ValStayOnTop = QStringLiteral("StayOnTop");
const QString ValCustomChord = QStringLiteral("CustomChord");
const std::array<QString, TMainWindow::ExImFlagCount> ExImFlagNames{
    QStringLiteral("DontShowExSettings"),      QStringLiteral("DontShowExKnobPresets"),
    QStringLiteral("DontShowExKnobSnapshots"), QStringLiteral("DontShowExChords"),
    QStringLiteral("DontShowImSettings"),      QStringLiteral("ImKnobPresetsOverwrite"),
    QStringLiteral("DontShowImKnobSnapshots"), QStringLiteral("ImChordsOverwrite")};

constexpr int BuiltInChords = 8;
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
        reason = QStringLiteral("the folder \"%1\" cannot be created").arg(folder);
    else if (file.exists() &&
             !(file.permissions() &
               (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)))
        reason =
            QStringLiteral("the file \"%1\" is read-only").arg(QDir::toNativeSeparators(FileName));
    else if (QTemporaryFile probe(file.absolutePath() + QStringLiteral("/.ondrel-XXXXXX"));
             !probe.open())
        reason = QStringLiteral("the folder \"%1\" is not writable").arg(folder);
    return reason.isEmpty() ? reason : QStringLiteral("Settings cannot be saved: %1.").arg(reason);
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
    BuildProgramArea();
    BuildKnobBar();
    BuildMenus();
    BuildStatusBar();
    FErrForm = new TErrForm(this);
    FPatches = new TPatchSelection({FPatchBox, FPatchUpDown, FPatchesMenu, FPatchSetSeparator},
                                   *FProgramBank, FKeyboard->Model(), this);
    FPatches->OnModeText = [this](const QString &text) { FPanels[4]->setText(text); };
    FPatches->OnLoadMessages = [this](const QStringList &lines) { FErrForm->ShowLines(lines); };
    WireRouter();

    TKeyboardModel &m = FKeyboard->Model();
    m.OnNoteHover = [this](QObject *, const QString &text) { FPanels[1]->setText(text); };
    m.OnBaseNoteChange = [this](QObject *, const QString &text) {
        FPanels[2]->setText(QStringLiteral("Base: %1").arg(text));
    };
    m.OnOctaveChange = [this](QObject *) {
        FPanels[3]->setText(QStringLiteral("Octave: %1").arg(FKeyboard->Model().KeyOctave() - 2));
    };
    connect(FChordBox, &QComboBox::activated, this, [this] { ChordChosen(); });
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
    UpdateFromKeyboard();
    FClient->setFixedHeight(ClientHeight - StatusHeight);
    resize(ClientWidth, 0); // not a move: a first start leaves the place to the window manager
    ApplyWidthLimits();
    resize(ClientWidth, minimumHeight());
}

TMainWindow::~TMainWindow() {
    qApp->removeEventFilter(this);
    delete FChordEditor.data();
    delete FTransposeForm.data();
    delete FSettings.data();
    // Nothing may go to a device that is being torn down; the inputs stop calling the router's
    // thru hook before it goes.
    FRouter->SetOutput(nullptr);
    FInMenu.reset();
    FOutMenu.reset();
    FRouter.reset();
}

void TMainWindow::BuildKeyboardArea() {
    Label(QStringLiteral("Chord"), 8, 8);
    FChordBox = new QComboBox(FClient);
    FChordBox->setObjectName(QStringLiteral("ChordBox"));
    FChordBox->setGeometry(8, 24, 105, 21);
    FChordBox->setToolTip(QStringLiteral("Change Chord (Home/End)"));
    FChordBox->setStatusTip(FChordBox->toolTip());
    FChordBox->addItems({QStringLiteral("None"), QStringLiteral("Major"), QStringLiteral("Minor"),
                         QStringLiteral("Major m7"), QStringLiteral("Minor m7"),
                         QStringLiteral("Fifths"), QStringLiteral("Octave"),
                         QStringLiteral("Power")});

    SmallLabel(QStringLiteral("Channel"), 8, 50);
    FChannelEdit = new QLineEdit(FClient);
    FChannelEdit->setGeometry(8, 61, 33, 18);
    FChannelEdit->installEventFilter(this);
    FChannelUpDown = new TUpDown(FClient);
    FChannelUpDown->setGeometry(41, 61, 15, 18);
    FChannelUpDown->SetRange(1, MidiChannelCount);
    FChannelUpDown->OnClick = [this](int position) {
        FKeyboard->Model().SetChannel(position - 1);
        SetChannelField(FKeyboard->Model().Channel());
    };

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
    FPitchStrip->setToolTip(
        QStringLiteral("Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)"));
    FPitchStrip->OnScroll = [this](QObject *, int &position) { PitchStripMoved(position); };
    FPitchStrip->OnMouseUp = [this](QObject *, Qt::MouseButton, TShiftState shift, int, int) {
        PitchStripReleased(shift);
    };
    FPitchStrip->OnGetScrollHint = [this](QObject *, QString &caption) {
        caption = QStringLiteral("Pitch: %1").arg(FPitchStrip->Position());
    };

    FModulationStrip = new TImgControl(FClient);
    FModulationStrip->SetFrameImage(FWheelImage);
    FModulationStrip->move(36, KeyboardTop);
    FModulationStrip->SetMin(0);
    FModulationStrip->SetMax(127);
    FModulationStrip->SetMiddleSnap(0);
    FModulationStrip->SetShowScrollHint(true);
    FModulationStrip->SetTabStop(false);
    FModulationStrip->setToolTip(QStringLiteral("Modulation wheel (use SHIFT for fine mode)"));
    FModulationStrip->OnScroll = [this](QObject *, int &position) {
        ModulationStripMoved(position);
    };
    FModulationStrip->OnDblClick = [this](QObject *) { ModulationStripReset(); };
    FModulationStrip->OnGetScrollHint = [this](QObject *, QString &caption) {
        caption = QStringLiteral("Modulation: %1").arg(FModulationStrip->Position());
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
        c->setCursor(Qt::PointingHandCursor);
        c->setToolTip(hint);
        c->OnButtonClick = [this, step](QObject *) {
            FKeyboard->Model().SetBaseWhiteKey(FKeyboard->Model().BaseWhiteKey() + step);
        };
        return c;
    };
    FLeftArrow = arrow(FLeftArrowImage, 64, QStringLiteral("Scroll visible keys down"), -1);
    FRightArrow = arrow(FRightArrowImage, 408, QStringLiteral("Scroll visible keys up"), 1);
    for (QWidget *w :
         std::initializer_list<QWidget *>{FPitchStrip, FModulationStrip, FLeftArrow, FRightArrow})
        w->setStatusTip(w->toolTip());

    FKeyboard = new TKeyboard(FClient);
    FKeyboard->setGeometry(KeyboardLeft, KeyboardTop, 329, 76);
    // A tooltip only: over the keyboard, the status bar shows the note under the pointer.
    FKeyboard->setToolTip(
        QStringLiteral("Left Button: normal play mode   Right button: special hold mode"));
    TKeyboardModel &m = FKeyboard->Model();
    m.SetBounds(329, 76);
    m.SetBaseNote(36);
    m.SetMarkNote(60);
    m.SetVelocity(100);
    m.SetVelocityShiftFactor(0.6f);
    FKeyboard->SetPaintStyle(TPaintStyle::psImage);
    FKeyboard->SetImageSize(TImageSize::isSmall);
    m.SetRegKey(QStringLiteral("Keyboard"));
    m.SetRegPath(CompanyKeyName.toString() + QLatin1Char('\\') + ProgramKeyName());

    FKeyWidthBar = new QSlider(Qt::Horizontal, FClient);
    FKeyWidthBar->setRange(1, 10);
    FKeyWidthBar->setValue(3);
    FKeyWidthBar->hide();
    connect(FKeyWidthBar, &QSlider::valueChanged, this, &TMainWindow::KeyWidthChanged);
}

void TMainWindow::BuildProgramArea() {
    // Patch box (filled when a patch set is loaded).
    Label(QStringLiteral("Patch"), 118, 8);
    FPatchBox = new TPatchBox(FClient);
    FPatchBox->setObjectName(QStringLiteral("PatchBox"));
    FPatchBox->setGeometry(118, 24, 131, 21);
    FPatchBox->setToolTip(QStringLiteral("Current Patch (Page Up/Page Down)"));
    FPatchBox->setStatusTip(FPatchBox->toolTip());
    FPatchUpDown = new TUpDown(FClient);
    FPatchUpDown->setGeometry(247, 24, 16, 21);
    FPatchUpDown->SetAccelerated(true);

    // Program and bank.
    SmallLabel(QStringLiteral("Program"), 61, 50);
    auto *eProgram = new QLineEdit(FClient);
    eProgram->setGeometry(61, 61, 33, 18);
    eProgram->setToolTip(QStringLiteral("Current Program number (Shift+PageUp/PageDown)"));
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
    FProgramBank = new TProgramBank({eProgram, udProgram, eMsb, udMsb, eLsb, udLsb, lmsb, llsb},
                                    FKeyboard->Model(), this);
    FProgramBank->Send = [this](int msb, int lsb, int program) {
        FRouter->SendProgram(msb, lsb, program);
    };

    auto *panic = new TPanicPanel(QStringLiteral("Panic!"), FClient);
    panic->setObjectName(QStringLiteral("PanicPanel"));
    panic->setGeometry(216, 60, 47, 21);
    panic->setAlignment(Qt::AlignCenter);
    panic->setFrameShape(QFrame::Panel);
    panic->setFrameShadow(QFrame::Raised);
    panic->setAutoFillBackground(true);
    panic->setCursor(Qt::PointingHandCursor);
    panic->setToolTip(QStringLiteral("Click here to stop all sounds immediately (Ctrl-Space)"));
    panic->setStatusTip(panic->toolTip());
    QPalette pp = panic->palette();
    pp.setColor(QPalette::Window, QColor(0xd4, 0xd0, 0xc8));
    pp.setColor(QPalette::WindowText, Qt::black);
    panic->setPalette(pp);
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
    FKnobName = knobLabel(QStringLiteral("Foot Controller 1"), QRect(310, 7, 43, 11));
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
    FKnobs = std::make_unique<TGUIKnobList>(FKnobName, FKnobValue, FKnobWheel);
    FKnobs->Clear(); // no knob until one is added
    FKnobs->OnKnobChange = [this](QObject *, int controller, int value) {
        FRouter->SendController(controller, value);
    };
}

void TMainWindow::WireRouter() {
    connect(FRouter.get(), &TMidiRouter::PitchBendChanged, this, &TMainWindow::ShowPitchBend);
    connect(FRouter.get(), &TMidiRouter::ControllerChanged, this, &TMainWindow::ShowController);
    connect(FRouter.get(), &TMidiRouter::ProgramChanged, this, &TMainWindow::ShowProgram);
    connect(FRouter.get(), &TMidiRouter::NotePlayed, this, &TMainWindow::NotePlayed);
    connect(FRouter.get(), &TMidiRouter::SendFailed, this, &TMainWindow::SendFailed);
    connect(FRouter.get(), &TMidiRouter::PanicProgress, this,
            [this](int percent) { SetStatusText(QStringLiteral("Panic: %1%").arg(percent)); });
    connect(FMidiThruAction, &QAction::toggled, FRouter.get(), &TMidiRouter::SetMidiThru);
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

QWidget *TMainWindow::Client() const {
    return FClient;
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

void TMainWindow::BuildMenus() {
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    FExImportHost = std::make_unique<TMainExImportHost>(*this);
    FExImport = new TExImport(*FExImportHost, file);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    FMidiInMenu = bar->addMenu(QStringLiteral("Midi &In"));
    FMidiOutMenu = bar->addMenu(QStringLiteral("Midi O&ut"));

    FPatchesMenu = bar->addMenu(QStringLiteral("&Patches"));
    FPatchSetSeparator = FPatchesMenu->addSeparator();
    FPatchSetSeparator->setVisible(false);
    QAction *choose = FPatchesMenu->addAction(QStringLiteral("&Choose Patch Set..."));
    choose->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    connect(choose, &QAction::triggered, this, &TMainWindow::ChoosePatchSet);

    QMenu *knobs = bar->addMenu(QStringLiteral("&Knobs"));
    FPresetsMenu = knobs->addMenu(QStringLiteral("&Presets"));
    FSnapshotsMenu = knobs->addMenu(QStringLiteral("&Snapshots"));
    FSnapshotsMenu->addSeparator();
    FDefineMenu = FSnapshotsMenu->addMenu(QStringLiteral("&Define"));
    FKnobSetupAction = knobs->addAction(QStringLiteral("Set &up..."));
    FKnobSetupAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    connect(FKnobSetupAction, &QAction::triggered, this, &TMainWindow::ShowKnobSetup);
    BuildSnapshotMenus();
    BuildPresetMenu();

    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    const QString octaveHint =
        QStringLiteral("Change the octave when play with the computer keyboard");
    QAction *down = options->addAction(QStringLiteral("Octave Down"), this,
                                       [this] { FKeyboard->Model().OctaveDown(); });
    down->setShortcut(Qt::Key_F3);
    down->setStatusTip(octaveHint);
    QAction *up = options->addAction(QStringLiteral("Octave Up"), this,
                                     [this] { FKeyboard->Model().OctaveUp(); });
    up->setShortcut(Qt::Key_F4);
    up->setStatusTip(octaveHint);
    options->addSeparator();
    FStayOnTopAction = options->addAction(QStringLiteral("Stay &on Top"));
    FStayOnTopAction->setCheckable(true);
    connect(FStayOnTopAction, &QAction::triggered, this, [this](bool v) { SetStayOnTop(v); });
    FMidiThruAction = options->addAction(QStringLiteral("Midi &Thru"));
    FMidiThruAction->setCheckable(true);
    options->addSeparator();
    const auto command = [this, options](const char *text, const char *key, auto slot) {
        QAction *a = options->addAction(QString::fromLatin1(text));
        a->setShortcut(QKeySequence(QString::fromLatin1(key)));
        connect(a, &QAction::triggered, this, slot);
    };
    command("T&ranspose...", "Ctrl+T", &TMainWindow::ShowTranspose);
    command("Chord &Editor...", "Ctrl+E", &TMainWindow::ShowChordEditor);
    command("&Settings...", "Ctrl+S", &TMainWindow::ShowSettings);
    options->addSeparator();
    options->addAction(QStringLiteral("&Uninstall"), this, [this] { Uninstall(); });

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Readme"), this, &TMainWindow::Readme);
    help->addAction(QStringLiteral("&About"), this, &TMainWindow::About);

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
    // A long message takes more lines: the window grows by them while it is shown.
    FStatusBar->OnHeightChange = [this] { ApplyWidthLimits(); };
    for (int i = 0; i < TStatusBar::PanelCount; ++i)
        FPanels[size_t(i)] = FStatusBar->Panel(i);
    FPanels[2]->setText(
        QStringLiteral("Base: %1").arg(FKeyboard->Model().NoteName(FKeyboard->Model().BaseNote())));
}

// --- Layout --------------------------------------------------------------------------------------

int TMainWindow::MinWidth() const {
    int width = FChannelUpDown->geometry().right() + 1 + 5;
    if (FKnobs && FKnobs->Count() > 0) {
        // Two rows of knobs, column by column, right of the patch box (LayOut); a column is at
        // least one knob wide.
        const int columns = (FKnobs->Count() + 1) / 2;
        width = std::max(width, KnobBandLeft() + columns * FKnobWheel->width() + 2);
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
    const int h = (menuWidget() ? menuWidget()->sizeHint().height() : 0) + ClientHeight -
                  StatusHeight + (FStatusBar ? FStatusBar->BarHeight() : StatusHeight);
    setMinimumSize(MinWidth(), h);
    setMaximumSize(MaxWidth(), h);
}

void TMainWindow::resizeEvent(QResizeEvent *Event) {
    QMainWindow::resizeEvent(Event);
    LayOut();
}

void TMainWindow::LayOut() {
    const int clientWidth = FClient->width();
    if (FArrowsVisible) {
        FRightArrow->move(clientWidth - FRightArrow->width() - 5, FRightArrow->y());
        FKeyboard->resize(FRightArrow->x() - FKeyboard->x(), FKeyboard->height());
    } else {
        FKeyboard->resize(clientWidth - FKeyboard->x() - 5, FKeyboard->height());
    }
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
    if (FKeyboard->Model().PaintStyle() == TPaintStyle::psImage)
        FKeyboard->resize(FKeyboard->width(), TKeyboardModel::ImageHeight);
    for (TImgControl *c : {FPitchStrip, FModulationStrip, FLeftArrow, FRightArrow})
        c->move(c->x(), FKeyboard->y());
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

void TMainWindow::ShowProgram(int Program, int Msb, int Lsb) {
    if (Msb >= 0 && Lsb >= 0) {
        FProgramBank->ShowBankValue(TProgramBank::Msb, Msb);
        FProgramBank->ShowBankValue(TProgramBank::Lsb, Lsb);
    }
    FProgramBank->SetProgramValue(Program);
    FProgramBank->ShowProgram();
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
    yellow.setColor(QPalette::Window, Qt::yellow);
    FPanicPanel->setPalette(yellow);
    FPanicPanel->repaint();
    // Cursor and colour come back also when a send fails.
    const auto restore = qScopeGuard([this, saved] {
        FPanicPanel->setPalette(saved);
        QApplication::restoreOverrideCursor();
    });
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
            return FPatches->LoadPatchSet(File);
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
        FChordEditor->OnNote = [this](QObject *, uint8_t t, uint8_t n, uint8_t v) {
            FRouter->SendOnly({t, n, v});
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
            // or last entry, the patch box once more): the window's step is the only one.
            if (WindowKeyDown(key) && qobject_cast<QComboBox *>(widget))
                return true;
        }
    }
    // The wheel goes to the window first, wherever the pointer is over it.
    if (Event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(Watched);
        if (widget && widget->window() == this && WheelEvent(static_cast<QWheelEvent *>(Event)))
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
    FProgramBank->ShowProgram();
    FProgramBank->ShowBankValue(TProgramBank::Msb, FProgramBank->Value(TProgramBank::Msb));
    FProgramBank->ShowBankValue(TProgramBank::Lsb, FProgramBank->Value(TProgramBank::Lsb));
    SelectKnobPreset(FKnobPresetName);
    if (FFirstTime && FKnobs->Count() == 0) {
        FKnobs->Add(QStringLiteral("Volume"), MidiController::MainVolume, 0, 100);
        KnobCountChanged();
    }
    FPanels[3]->setText(QStringLiteral("Octave: %1").arg(FKeyboard->Model().KeyOctave() - 2));
    // The deferred start paints before its slow part (patch set, devices): that picture shows
    // only once the window is exposed.
    WhenExposed(this, [this] { DeferredStart(); });
}

void TMainWindow::DeferredStart() {
    if (FDeferredDone)
        return;
    FDeferredDone = true;
    repaint();
    SetStatusText(QStringLiteral("Reading patch list..."));
    try {
        const TRegistryIniFile store;
        FPatches->LoadStoredPatchSet(store, WindowSection);
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
    }
    SetStatusText(QString());
    try {
        const TRegistryIniFile store;
        Synth::LoadSettings(store, DevicesSection); // the SoundFont of the Midi-Mapper
        FOutMenu->Load(store);
        FInMenu->Load(store);
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
    }
    FStartQueries.reset();
    FErrorsToStatus = true;
    FProgramBank->SendProgram();
    UpdateJoystickEnable();
    QString notice = TRegistryIniFile::TakeNotice();
    if (notice.isEmpty())
        notice = SettingsWriteProblem(ProgramStoreFileName());
    if (!notice.isEmpty()) {
        ShowNotice(notice);
        // The user's settings are at stake: said where it cannot be missed, once, without
        // holding up the start.
        auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ondrel"), notice,
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    // Asks for the lost service only while waiting for it to come back; its going away is told
    // by the output (OnServiceGone).
    FServiceWatch = new QTimer(this);
    FServiceWatch->setInterval(1000);
    connect(FServiceWatch, &QTimer::timeout, this, &TMainWindow::WatchService);
    if (!FLostOut.isEmpty() || !FLostIn.isEmpty())
        FServiceWatch->start();
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
        if (FPatchSetChooser)
            FPatchSetChooser->close();
        if (!FUninstalled)
            SaveSettings();
        FInMenu->CloseWithCursor();
        FOutMenu->CloseWithCursor();
    }
    QMainWindow::closeEvent(Event);
}

// --- Settings ------------------------------------------------------------------------------------

void TMainWindow::LoadSettings() {
    try {
        TRegistryIniFile store;
        ReadSettings(store);
    } catch (const EIniFileException &Error) {
        // The settings read so far stay; the start-up notice says what is wrong with the file.
        qWarning("%s", qPrintable(Error.Message()));
    }
}

void TMainWindow::SaveSettings() {
    try {
        TRegistryIniFile store;
        WriteSettings(store);
        store.UpdateFile();
    } catch (const EIniFileException &Error) {
        // Said at start-up already; a terminal shows it once more.
        qWarning("%s", qPrintable(Error.Message()));
    }
}

void TMainWindow::ReadSettings(TCustomIniFile &Store) {
    ReadWindowSettings(Store);
    ReadSnapshots(Store);
}

void TMainWindow::WriteSettings(TCustomIniFile &Store) {
    if (dynamic_cast<TRegistryIniFile *>(&Store)) {
        FOutMenu->Save(Store);
        FInMenu->Save(Store);
        // Devices waiting for their service are still the user's choice.
        if (!FLostOut.isEmpty())
            Store.WriteString(DevicesSection, FOutMenu->ValueName(), FLostOut);
        if (!FLostIn.isEmpty())
            Store.WriteString(DevicesSection, FInMenu->ValueName(), FLostIn);
        Synth::SaveSettings(Store, DevicesSection);
    }
    WriteWindowSettings(Store);
    WriteSnapshots(Store);
}

void TMainWindow::ReadWindowSettings(TCustomIniFile &Store) {
    const QString &sec = WindowSection;
    FModWheelController = Store.ReadInteger(sec, ValModWheelController, FModWheelController) & 127;
    SetArrowsVisible(Store.ReadBool(sec, ValShowBasenoteButtons, FArrowsVisible));
    FKeyboard->LoadKeyboardSettings(Store);
    // The stored width within the limits of the stored key size, not of the one before.
    ApplyWidthLimits();
    LoadFormState(*this, Store, sec, FormState::Size | FormState::Position | FormState::Maximized);
    LayOut();
    AlignStrips();
    UpdateFromKeyboard();

    SetMidiThru(Store.ReadBool(sec, ValMidiThru, MidiThru()));
    FFirstTime = Store.ReadBool(sec, ValFirstTime, FFirstTime);
    FProgramBank->SetProgramValue(
        std::clamp(Store.ReadInteger(sec, ValProgram, FProgramBank->Value(0)), -1, 127));
    for (auto [index, name] : {std::pair{int(TProgramBank::Msb), &ValBankMSB},
                               std::pair{int(TProgramBank::Lsb), &ValBankLSB}}) {
        const int v =
            std::clamp(Store.ReadInteger(sec, *name, FProgramBank->Value(index)), -1, 127);
        FProgramBank->ShowBankValue(index, v);
    }
    SetWheelController(
        std::clamp(Store.ReadInteger(sec, ValMouseWheelController, FMouseWheelController), 0,
                   ControllerCode::None));
    FMouseWheelSensitivity =
        std::clamp(Store.ReadInteger(sec, ValMouseWheelSensitivity, FMouseWheelSensitivity), 0, 10);
    FKnobPresetName = Store.ReadString(sec, ValKnobPreset, FKnobPresetName);
    SetStayOnTop(Store.ReadBool(sec, ValStayOnTop, StayOnTop()));
    if (FKeyboard->Model().Chord() == TChord::chCustom) {
        int index = Store.ReadInteger(sec, ValCustomChord, FCustomChordIndex);
        if (index < 0 || index >= FChordList->Count())
            index = 0;
        if (index < FChordList->Count() && index + BuiltInChords < FChordBox->count()) {
            FChordBox->setCurrentIndex(index + BuiltInChords);
            FKeyboard->Model().SetCustomChord(FChordList->Items(index).Offsets(), true);
            FCustomChordIndex = index;
        } else {
            FKeyboard->Model().SetChord(TChord::chNone);
            FChordBox->setCurrentIndex(0);
        }
    }
    for (size_t i = 0; i < FExImFlags.size(); ++i)
        FExImFlags[i] = Store.ReadBool(sec, ExImFlagNames[i], FExImFlags[i]);
    FJoystickMap.Read(Store);
}

void TMainWindow::WriteWindowSettings(TCustomIniFile &Store) {
    const QString &sec = WindowSection;
    SaveFormState(*this, Store, sec, FormState::Size | FormState::Position | FormState::Maximized);
    Store.WriteInteger(sec, ValModWheelController, FModWheelController);
    Store.WriteBool(sec, ValShowBasenoteButtons, FArrowsVisible);
    FKeyboard->SaveKeyboardSettings(Store);

    Store.WriteBool(sec, ValMidiThru, MidiThru());
    Store.WriteBool(sec, ValFirstTime, false);
    Store.WriteInteger(sec, ValProgram, FProgramBank->Value(TProgramBank::Program));
    Store.WriteInteger(sec, ValBankMSB, FProgramBank->Value(TProgramBank::Msb));
    Store.WriteInteger(sec, ValBankLSB, FProgramBank->Value(TProgramBank::Lsb));
    Store.WriteInteger(sec, ValMouseWheelController, FMouseWheelController);
    Store.WriteInteger(sec, ValMouseWheelSensitivity, FMouseWheelSensitivity);
    Store.WriteBool(sec, ValStayOnTop, StayOnTop());
    FPatches->WritePatchValues(Store, sec);
    if (FKeyboard->Model().Chord() == TChord::chCustom)
        Store.WriteInteger(sec, ValCustomChord, FCustomChordIndex);
    // Knobs changed by hand since the last preset was chosen are kept as "Current".
    const QAction *checked = FPresetGroup ? FPresetGroup->checkedAction() : nullptr;
    if (checked) {
        FKnobPresetName = checked->text();
    } else {
        FKnobPresetName = CurrentPresetName;
        try {
            FKnobs->SavePreset(KnobPresetsKey, CurrentPresetName);
        } catch (const EIniFileException &Error) {
            qWarning("%s", qPrintable(Error.Message()));
        }
    }
    Store.WriteString(sec, ValKnobPreset, FKnobPresetName);
    for (size_t i = 0; i < FExImFlags.size(); ++i)
        Store.WriteBool(sec, ExImFlagNames[i], FExImFlags[i]);
    FJoystickMap.Write(Store);
}

// --- Menu commands -------------------------------------------------------------------------------

bool TMainWindow::StayOnTop() const {
    return FStayOnTopAction->isChecked();
}

void TMainWindow::SetStayOnTop(bool Value) {
    FStayOnTopAction->setChecked(Value);
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

void TMainWindow::SetStatusText(const QString &Text) {
    FStatusBar->SetMessage(Text, false);
}

QString TMainWindow::StatusPanelText(int Panel) const {
    return FPanels[size_t(Panel)]->text();
}

void TMainWindow::ShowNotice(const QString &Text) {
    FStatusBar->SetMessage(Text, true);
    qWarning("%s", qPrintable(Text));
}

void TMainWindow::Readme() {
    // Beside the executable in a build folder; installed, with the other documentation.
    const QString dir = QFileInfo(ExePath()).absolutePath();
    QString file = dir + QStringLiteral("/Readme.txt");
    if (!QFileInfo::exists(file))
        file = dir + QStringLiteral("/../share/doc/ondrel/Readme.txt");
    if (!QFileInfo::exists(file) || !QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        QMessageBox::critical(this, QStringLiteral("Ondrel"),
                              QStringLiteral("Error showing Readme.txt."));
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
    if (Ask && QMessageBox::question(
                   this, QStringLiteral("Ondrel"),
                   QStringLiteral("This removes all of Ondrel's settings, its knob presets, "
                                  "snapshots and chords included (the file %1), and closes "
                                  "Ondrel.\n\nDo you want to continue?")
                       .arg(file),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!DeleteProgramKeys(CompanyKeyName.toString(), ProgramKeyName())) {
        QMessageBox::warning(this, QStringLiteral("Ondrel"),
                             QStringLiteral("The settings could not be removed:\n%1").arg(file));
        return;
    }
    FUninstalled = true;
    if (Ask)
        ShowInfo(this, QStringLiteral("The settings file %1 has been removed.\n\nTo remove the "
                                      "program itself, uninstall its package with your package "
                                      "manager; if you installed it from its sources, delete the "
                                      "files listed in install_manifest.txt of the build folder.")
                           .arg(file));
    close();
}
