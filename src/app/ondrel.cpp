#include "ondrel.h"
#include "mainsettingshost.h"

#include "apppictures.h"
#include "custominifile.h"
#include "errform.h"
#include "eximport.h"
#include "general.h"
#include "guiknoblist.h"
#include "imgcontrol.h"
#include "knobeditform.h"
#include "midierror.h"
#include "midiinput.h"
#include "midimenu.h"
#include "midioutput.h"
#include "patchlist.h"
#include "patchselection.h"
#include "patchsetchooser.h"
#include "programbank.h"
#include "registryinifile.h"
#include "splash.h"
#include "synth.h"
#include "updown.h"
#include "vclutil.h"
#include "wheel.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <cmath>

namespace {

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
const std::array<QString, 8> ExImFlagNames{
    QStringLiteral("DontShowExSettings"),      QStringLiteral("DontShowExKnobPresets"),
    QStringLiteral("DontShowExKnobSnapshots"), QStringLiteral("DontShowExChords"),
    QStringLiteral("DontShowImSettings"),      QStringLiteral("ImKnobPresetsOverwrite"),
    QStringLiteral("DontShowImKnobSnapshots"), QStringLiteral("ImChordsOverwrite")};

constexpr int BuiltInChords = 8;

// The first status panel: hints, notices and progress, often longer than the panel. A plain
// label would cut a long text off mid-letter and ask the bar, and so the window, to be as wide
// as the text; this one ends it with an ellipsis in whatever width it has.
class TStatusPanel final : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        drawFrame(&painter);
        int inset = indent();
        if (inset < 0) // where QLabel puts the text of a framed panel, as the others have it
            inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        inset += margin();
        const QRect area = contentsRect().adjusted(inset, 0, -inset, 0);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, int(Qt::AlignLeft | Qt::AlignVCenter),
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
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
    QTimer::singleShot(5, Window, [Window, Done, TimeoutMs] {
        WhenExposed(Window, Done, TimeoutMs - 5);
    });
}

// Why the settings cannot be saved, or an empty text. Permission bits do not stop root, so the
// folder is tried with a file of our own; a read-only settings file is left alone by the save.
QString SettingsWriteProblem(const QString &FileName) {
    const QFileInfo file(FileName);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    QString reason;
    if (!QDir().mkpath(file.absolutePath()))
        reason = QStringLiteral("the folder \"%1\" cannot be created").arg(folder);
    else if (file.exists() && !(file.permissions() & (QFileDevice::WriteOwner |
                                                      QFileDevice::WriteGroup |
                                                      QFileDevice::WriteOther)))
        reason = QStringLiteral("the file \"%1\" is read-only")
                     .arg(QDir::toNativeSeparators(FileName));
    else if (QTemporaryFile probe(file.absolutePath() + QStringLiteral("/.ondrel-XXXXXX"));
             !probe.open())
        reason = QStringLiteral("the folder \"%1\" is not writable").arg(folder);
    return reason.isEmpty() ? reason
                            : QStringLiteral("Settings cannot be saved: %1.").arg(reason);
}

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

TOndrel2::TOndrel2(TMidiApi Service, bool ShowSplash, QWidget *Parent) : TOndrel(Parent) {
    if (ShowSplash) {
        FSplash = new TSplashForm(this, true);
        FSplash->InstancePointer = &FSplash;
        FSplash->show();
    }
    FService = Service == TMidiApi::maAuto ? StoredService() : Service;
    setWindowTitle(QStringLiteral("Ondrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ondrel"));
    FClient->SetBackground(AppPictures::Load(QStringLiteral("BACKGROUND"), devicePixelRatioF()));

    // Patch box (filled when a patch set is loaded).
    Label(QStringLiteral("Patch"), 118, 8);
    FPatchCombo = new QComboBox(FClient);
    FPatchCombo->setObjectName(QStringLiteral("CBProgramPatch"));
    FPatchCombo->setGeometry(118, 24, 131, 21);
    FPatchCombo->setToolTip(QStringLiteral("Current Patch (Page Up/Page Down)"));
    FPatchCombo->setStatusTip(FPatchCombo->toolTip());
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
                                    Keyboard1->Model(), this);
    FProgramBank->Send = [this](uint8_t s, uint8_t d1, uint8_t d2) { SendOut(s, d1, d2); };

    auto *panic = new TPanicPanel(QStringLiteral("Panic!"), FClient);
    panic->setObjectName(QStringLiteral("PPanic"));
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
    panic->OnClick = [this] { BPanicClick(); };
    PPanic = panic;

    // The knob bar, right of the patch box; its prototypes are the first knob.
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
    LKnob1 = knobLabel(QStringLiteral("Foot Controller 1"), QRect(310, 7, 43, 11));
    LKnobCap1 = knobLabel(QStringLiteral("777"), QRect(348, 31, 19, 13));
    LKnobCap1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Wheel1 = new TWheel(FClient);
    Wheel1->SetBounds(320, 17, 27, 27);
    Wheel1->SetFocusAction(TFocusAction::faFocusColor);
    Wheel1->SetPositionMax(127);
    Wheel1->SetPointerDistance(0);
    Wheel1->SetScale(false);
    Wheel1->SetScaleColor(Qt::white);
    Wheel1->SetScaleLength(1);
    Wheel1->SetWheelColor(Qt::black);
    Wheel1->SetFocusColor(Qt::blue);
    Wheel1->SetShowTrackHint(true);
    KnobList = std::make_unique<TGUIKnobList>(LKnob1, LKnobCap1, Wheel1);
    KnobList->Clear(); // no knob until one is added
    KnobList->OnKnobChange = [this](QObject *, int controller, int value) {
        KnobChange(uint8_t(controller), uint8_t(value));
    };

    BuildMenus();
    BuildStatusBar();
    FErrForm = new TErrForm(this);
    FPatches = new TPatchSelection({FPatchCombo, FPatchUpDown, Patches1, FPatchSetSep},
                                   *FProgramBank, Keyboard1->Model(), this);
    FPatches->OnModeText = [this](const QString &text) { FPanels[4]->setText(text); };
    FPatches->OnLoadMessages = [this](const QStringList &lines) { FErrForm->ShowLines(lines); };

    PutShort = [this](uint8_t s, uint8_t d1, uint8_t d2) { SendToOutput(s, d1, d2); };
    TKeyboardModel &m = Keyboard1->Model();
    m.OnNote = [this](QObject *, uint8_t t, uint8_t n, uint8_t v) { Keyboard1Note(t, n, v); };
    m.OnDisplayEvent = [this](QObject *, uint8_t t, uint8_t n, uint8_t v) {
        ReflectEvent(t, n, v);
    };
    m.OnNoteHover = [this](QObject *, const QString &text) { FPanels[1]->setText(text); };
    m.OnBaseNoteChange = [this](QObject *, const QString &text) {
        FPanels[2]->setText(QStringLiteral("Base: %1").arg(text));
    };
    m.OnOctaveChange = [this](QObject *) {
        FPanels[3]->setText(QStringLiteral("Octave: %1").arg(Keyboard1->Model().KeyOctave() - 2));
    };
    connect(CBChord, &QComboBox::activated, this, [this] { CBChordClick(); });
    FChordList = std::make_unique<TChordList>();
    FChordList->LoadFromRegistry();
    RebuildChordCombo();

    // The device menus ask the MIDI service for its ports now and the deferred start opens the
    // devices: one connection for all of it saves tens of milliseconds before the first paint.
    FStartQueries = MidiBackend::HoldQueries();
    CreateDeviceMenus();
    CreateJoysticks();
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &TOndrel2::ApplicationStateChanged);
    qApp->installEventFilter(this);

    FClient->setFixedHeight(ClientHeight - StatusHeight);
    resize(ClientWidth, 0); // not a move: a first start leaves the place to the window manager
    ApplyWidthLimits();
    resize(ClientWidth, minimumHeight());
}

TOndrel2::~TOndrel2() {
    qApp->removeEventFilter(this);
    delete FChordEditor.data();
    delete FTransposeForm.data();
    delete FSettings.data();
    // Notes must not go to a device that is being torn down.
    Keyboard1->Model().OnNote = nullptr;
    Keyboard1->Model().OnDisplayEvent = nullptr;
    PutShort = nullptr;
    FInMenu.reset();
    FOutMenu.reset();
}

// --- Building
// -------------------------------------------------------------------------------------

void TOndrel2::BuildMenus() {
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    FExImport = new TExImport(*this, file);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    MidiIn1 = bar->addMenu(QStringLiteral("Midi &In"));
    MidiOut1 = bar->addMenu(QStringLiteral("Midi O&ut"));

    Patches1 = bar->addMenu(QStringLiteral("&Patches"));
    FPatchSetSep = Patches1->addSeparator();
    FPatchSetSep->setVisible(false);
    QAction *choose = Patches1->addAction(QStringLiteral("&Choose Patch Set..."));
    choose->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    connect(choose, &QAction::triggered, this, &TOndrel2::ChoosePatchSet);

    QMenu *knobs = bar->addMenu(QStringLiteral("&Knobs"));
    Presets1 = knobs->addMenu(QStringLiteral("&Presets"));
    Snapshots1 = knobs->addMenu(QStringLiteral("&Snapshots"));
    Snapshots1->addSeparator();
    Define1 = Snapshots1->addMenu(QStringLiteral("&Define"));
    Setup1 = knobs->addAction(QStringLiteral("Set &up..."));
    Setup1->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    connect(Setup1, &QAction::triggered, this, [this] { Setup1Click(); });
    BuildSnapshotMenus();
    BuildPresetMenu();

    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    const QString octaveHint =
        QStringLiteral("Change the octave when play with the computer keyboard");
    QAction *down = options->addAction(QStringLiteral("Octave Down"), this,
                                       [this] { Keyboard1->Model().OctaveDown(); });
    down->setShortcut(Qt::Key_F3);
    down->setStatusTip(octaveHint);
    QAction *up = options->addAction(QStringLiteral("Octave Up"), this,
                                     [this] { Keyboard1->Model().OctaveUp(); });
    up->setShortcut(Qt::Key_F4);
    up->setStatusTip(octaveHint);
    options->addSeparator();
    StayonTop1 = options->addAction(QStringLiteral("Stay &on Top"));
    StayonTop1->setCheckable(true);
    connect(StayonTop1, &QAction::triggered, this, [this](bool v) { SetStayOnTop(v); });
    MidiThru1 = options->addAction(QStringLiteral("Midi &Thru"));
    MidiThru1->setCheckable(true);
    options->addSeparator();
    for (auto [text, key] :
         {std::pair{"T&ranspose...", "Ctrl+T"}, std::pair{"Chord &Editor...", "Ctrl+E"},
          std::pair{"&Settings...", "Ctrl+S"}}) {
        QAction *a = options->addAction(QString::fromLatin1(text));
        a->setShortcut(QKeySequence(QString::fromLatin1(key)));
        a->setEnabled(false);
    }
    for (QAction *a : options->actions())
        if (a->text() == QLatin1String("Chord &Editor...")) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, [this] { ChordEditor1Click(); });
        }
        else if (a->text() == QLatin1String("T&ranspose...")) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, [this] { Transpose1Click(); });
        }
        else if (a->text() == QLatin1String("&Settings...")) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, [this] { Settings1Click(); });
        }
    options->addSeparator();
    options->addAction(QStringLiteral("&Uninstall"), this, [this] { Uninstall(); });

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Readme"), this, &TOndrel2::Readme);
    help->addAction(QStringLiteral("&About"), this, &TOndrel2::About);

    // Menu keys must not play notes: the capture pauses while a menu is open.
    for (QAction *a : bar->actions()) {
        if (QMenu *menu = a->menu()) {
            connect(menu, &QMenu::aboutToShow, this,
                    [this] { Keyboard1->SetCaptureKeyboard(false); });
            connect(menu, &QMenu::aboutToHide, this, [this] {
                QTimer::singleShot(0, this, [this] {
                    if (isActiveWindow() && !QApplication::activePopupWidget())
                        Keyboard1->SetCaptureKeyboard(true);
                });
            });
        }
    }
}

void TOndrel2::BuildStatusBar() {
    QStatusBar *bar = statusBar();
    bar->setFixedHeight(StatusHeight);
    bar->setSizeGripEnabled(false);
    for (size_t i = 0; i < FPanels.size(); ++i) {
        FPanels[i] = i == 0 ? new TStatusPanel(bar) : new QLabel(bar);
        FPanels[i]->setFrameShape(QFrame::Panel);
        FPanels[i]->setFrameShadow(QFrame::Sunken);
        if (i == 0)
            bar->addWidget(FPanels[i], 1);
        else
            bar->addPermanentWidget(FPanels[i]);
    }
    const QFontMetrics fm(FPanels[1]->font());
    FPanels[1]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("WWWWWWWWW")));
    FPanels[2]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("Base: WWW")));
    FPanels[3]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("Octave: 122")));
    FPanels[4]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("WWWWWWWWWW")));
    // Fixed in both directions, a panel's new text repaints that panel only; one of free height
    // has the whole bar laid out and repainted again, at every note played. The bar keeps 3
    // pixels above its panels and 2 below.
    for (size_t i = 1; i < FPanels.size(); ++i)
        FPanels[i]->setFixedHeight(StatusHeight - 5);
    FPanelsMeasured = true;
    FPanels[2]->setText(
        QStringLiteral("Base: %1").arg(Keyboard1->Model().NoteName(Keyboard1->Model().BaseNote())));
}

void TOndrel2::FormResize() {
    TOndrel::FormResize();
    if (KnobList) {
        const int right = FPatchUpDown->geometry().right() + 1;
        KnobList->SetArea(right + 6, FClient->width() - right - 2);
    }
}

void TOndrel2::SetStatusText(const QString &Text) {
    if (!FNotice.isEmpty())
        FPanels[0]->setToolTip(QString());
    FNotice.clear();
    FPanels[0]->setText(Text);
    FPanels[0]->repaint(); // long operations report progress before they return
    if (OnStatusText)
        OnStatusText(Text);
}

QString TOndrel2::StatusPanelText(int Panel) const {
    return FPanels[size_t(Panel)]->text();
}

// --- Chords, patches and the dialogs ------------------------------------------------------------

void TOndrel2::ShowNotice(const QString &Text) {
    SetStatusText(Text);
    FNotice = Text;
    FPanels[0]->setToolTip(Text); // the panel shows only the start of a long text
    qWarning("%s", qPrintable(Text));
}

void TOndrel2::CBChordClick() {
    const int index = CBChord->currentIndex();
    TKeyboardModel &m = Keyboard1->Model();
    if (index < BuiltInChords) {
        m.SetChord(TChord(std::max(0, index)));
        return;
    }
    const int i = index - BuiltInChords;
    if (i >= FChordList->Count()) {
        m.SetChord(TChord::chNone);
        CBChord->setCurrentIndex(0);
        return;
    }
    m.SetCustomChord(FChordList->Items(i).Offsets(), true);
    CustomChordIndex = i;
}

void TOndrel2::ReloadChords() {
    FChordList->LoadFromRegistry();
    RebuildChordCombo();
}

void TOndrel2::Settings1Click() {
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

void TOndrel2::Transpose1Click() {
    if (!FTransposeForm)
        FTransposeForm = new TTransposeForm(Keyboard1->Model(), this);
    FTransposeForm->show();
    FTransposeForm->raise();
    FTransposeForm->activateWindow();
}

void TOndrel2::ChordEditor1Click() {
    if (!FChordEditor) {
        FChordEditor = new TChordEditForm(Keyboard1->Model(), this);
        // The editor's own keyboard goes straight to the device: through SendToOutput its
        // notes would toggle the chord being edited.
        FChordEditor->OnNote = [this](QObject *, uint8_t t, uint8_t n, uint8_t v) {
            SendOut(t, n, v);
        };
        FChordEditor->OnApply = [this] { ReloadChords(); };
    }
    FChordEditor->show();
    FChordEditor->raise();
    FChordEditor->activateWindow();
}

void TOndrel2::RebuildChordCombo() {
    const int index = CBChord->currentIndex();
    const QString name = index >= BuiltInChords ? CBChord->currentText() : QString();
    while (CBChord->count() > BuiltInChords)
        CBChord->removeItem(CBChord->count() - 1);
    for (int i = 0; i < FChordList->Count(); ++i)
        CBChord->addItem(FChordList->Items(i).Name());
    int select = 0;
    if (!name.isEmpty()) {
        for (int i = BuiltInChords; i < CBChord->count(); ++i)
            if (CBChord->itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
                select = i;
                break;
            }
    } else if (index >= 0 && index < BuiltInChords) {
        select = index;
    }
    CBChord->setCurrentIndex(select);
    CBChordClick();
}

void TOndrel2::StepChord(int Delta) {
    int index = CBChord->currentIndex() + Delta;
    if (index < 0)
        index = CBChord->count() - 1;
    else if (index >= CBChord->count())
        index = 0;
    CBChord->setCurrentIndex(index);
    CBChordClick();
}

void TOndrel2::StepPatch(int Delta) { FPatches->StepPatch(Delta); }

void TOndrel2::ChoosePatchSet() {
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

// --- Keys ----------------------------------------------------------------------------------------

void TOndrel2::FormKeyDown(QKeyEvent *Event) {
    const Qt::KeyboardModifiers mods = Event->modifiers();
    switch (Event->key()) {
    case Qt::Key_Space:
        if (mods & Qt::ControlModifier)
            BPanicClick();
        break;
    case Qt::Key_PageUp:
        if (mods & Qt::ShiftModifier)
            FProgramBank->StepProgram(-1);
        else
            StepPatch(-1);
        break;
    case Qt::Key_PageDown:
        if (mods & Qt::ShiftModifier)
            FProgramBank->StepProgram(1);
        else
            StepPatch(1);
        break;
    case Qt::Key_End:
        StepChord(1);
        break;
    case Qt::Key_Home:
        StepChord(-1);
        break;
    default:
        break;
    }
}

bool TOndrel2::eventFilter(QObject *Watched, QEvent *Event) {
    // The window sees keys before the focused control, which then gets them too.
    if (Event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto *key = static_cast<QKeyEvent *>(Event);
        auto *widget = qobject_cast<QWidget *>(Watched);
        // One key event is offered to several receivers on its way up; act once.
        if (widget && widget->window() == this &&
            !(key == FLastKeyEvent && key->timestamp() == FLastKeyTime)) {
            FLastKeyEvent = key;
            FLastKeyTime = key->timestamp();
            FormKeyDown(key);
        }
    }
    // The wheel goes to the window first, wherever the pointer is over it.
    if (Event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(Watched);
        if (widget && widget->window() == this && WheelEvent(static_cast<QWheelEvent *>(Event)))
            return true;
    }
    return TOndrel::eventFilter(Watched, Event);
}

// --- Window life ---------------------------------------------------------------------------------

bool TOndrel2::event(QEvent *Event) {
    if (Event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent *>(Event)->tip();
        if (!QWidget::mouseGrabber())
            FPanels[0]->setText(tip.isEmpty() ? FNotice : tip);
        return true;
    }
    return TOndrel::event(Event);
}

void TOndrel2::changeEvent(QEvent *Event) {
    TOndrel::changeEvent(Event);
    if (Event->type() == QEvent::ActivationChange)
        Keyboard1->SetCaptureKeyboard(isActiveWindow());
}

void TOndrel2::showEvent(QShowEvent *Event) {
    TOndrel::showEvent(Event);
    if (FStarted)
        return;
    FStarted = true;
    Keyboard1->setFocus();
    LoadSettings();
    FProgramBank->ShowProgram();
    FProgramBank->ShowBankValue(TProgramBank::Msb, FProgramBank->Value(TProgramBank::Msb));
    FProgramBank->ShowBankValue(TProgramBank::Lsb, FProgramBank->Value(TProgramBank::Lsb));
    SelectKnobPreset(KnobPresetName);
    if (FFirstTime && KnobList->Count() == 0)
        KnobList->Add(QStringLiteral("Volume"), 7, 0, 100);
    FPanels[3]->setText(QStringLiteral("Octave: %1").arg(Keyboard1->Model().KeyOctave() - 2));
    // The deferred start paints before its slow part (patch set, devices): that picture shows
    // only once the window is exposed.
    WhenExposed(this, [this] { DeferredStart(); });
}

void TOndrel2::DeferredStart() {
    if (FDeferredDone)
        return;
    FDeferredDone = true;
    repaint();
    SetStatusText(QStringLiteral("Reading patch list..."));
    try {
        const TRegistryIniFile store;
        FPatches->LoadStoredPatchSet(store, RegKey);
    } catch (...) {
    }
    SetStatusText(QString());
    try {
        const TRegistryIniFile store;
        Synth::LoadSettings(store, SecDevices); // the SoundFont of the Midi-Mapper
        FOutMenu->Load(store);
        FInMenu->Load(store);
    } catch (...) {
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
    connect(FServiceWatch, &QTimer::timeout, this, &TOndrel2::WatchService);
    if (!FLostOut.isEmpty() || !FLostIn.isEmpty())
        FServiceWatch->start();
}

void TOndrel2::closeEvent(QCloseEvent *Event) {
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
        Keyboard1->Model().ResetNotes();
        if (FPatchSetChooser)
            FPatchSetChooser->close();
        if (!FUninstalled)
            SaveSettings();
        FInMenu->CloseWithCursor();
        FOutMenu->CloseWithCursor();
    }
    TOndrel::closeEvent(Event);
}

void TOndrel2::LoadSettings() {
    try {
        TRegistryIniFile store;
        ReadSettings(store);
    } catch (...) {
    }
}

void TOndrel2::SaveSettings() {
    try {
        TRegistryIniFile store;
        WriteSettings(store);
        store.UpdateFile();
    } catch (const EIniFileException &Error) {
        // Said at start-up already; a terminal shows it once more.
        qWarning("%s", qPrintable(Error.Message()));
    } catch (...) {
    }
}

void TOndrel2::ReadSettings(TCustomIniFile &Store) {
    TOndrel::ReadSettings(Store);
    ReadMainSettings(Store);
    ReadSnapshots(Store);
}

void TOndrel2::ReadMainSettings(TCustomIniFile &Store) {
    SetMidiThru(Store.ReadBool(RegKey, ValMidiThru, MidiThru()));
    FFirstTime = Store.ReadBool(RegKey, ValFirstTime, FFirstTime);
    FProgramBank->SetProgramValue(
        std::clamp(Store.ReadInteger(RegKey, ValProgram, FProgramBank->Value(0)), -1, 127));
    for (auto [index, name] : {std::pair{int(TProgramBank::Msb), &ValBankMSB},
                               std::pair{int(TProgramBank::Lsb), &ValBankLSB}}) {
        const int v =
            std::clamp(Store.ReadInteger(RegKey, *name, FProgramBank->Value(index)), -1, 127);
        FProgramBank->ShowBankValue(index, v);
    }
    SetWheelController(std::clamp(
        Store.ReadInteger(RegKey, ValMouseWheelController, MouseWheelController), 0, 129));
    MouseWheelSensitivity = std::clamp(
        Store.ReadInteger(RegKey, ValMouseWheelSensitivity, MouseWheelSensitivity), 0, 10);
    KnobPresetName = Store.ReadString(RegKey, ValKnobPreset, KnobPresetName);
    SetStayOnTop(Store.ReadBool(RegKey, ValStayOnTop, StayOnTop()));
    if (Keyboard1->Model().Chord() == TChord::chCustom) {
        int index = Store.ReadInteger(RegKey, ValCustomChord, CustomChordIndex);
        if (index < 0 || index >= FChordList->Count())
            index = 0;
        if (index < FChordList->Count() && index + BuiltInChords < CBChord->count()) {
            CBChord->setCurrentIndex(index + BuiltInChords);
            Keyboard1->Model().SetCustomChord(FChordList->Items(index).Offsets(), true);
            CustomChordIndex = index;
        } else {
            Keyboard1->Model().SetChord(TChord::chNone);
            CBChord->setCurrentIndex(0);
        }
    }
    for (size_t i = 0; i < ExImFlags.size(); ++i)
        ExImFlags[i] = Store.ReadBool(RegKey, ExImFlagNames[i], ExImFlags[i]);
    ReadJoystickMap(Store);
}

void TOndrel2::WriteSettings(TCustomIniFile &Store) {
    TOndrel::WriteSettings(Store);
    if (dynamic_cast<TRegistryIniFile *>(&Store)) {
        FOutMenu->Save(Store);
        FInMenu->Save(Store);
        // Devices waiting for their service are still the user's choice.
        if (!FLostOut.isEmpty())
            Store.WriteString(SecDevices, FOutMenu->ValueName(), FLostOut);
        if (!FLostIn.isEmpty())
            Store.WriteString(SecDevices, FInMenu->ValueName(), FLostIn);
        Synth::SaveSettings(Store, SecDevices);
    }
    WriteMainSettings(Store);
    WriteSnapshots(Store);
}

void TOndrel2::WriteMainSettings(TCustomIniFile &Store) {
    Store.WriteBool(RegKey, ValMidiThru, MidiThru());
    Store.WriteBool(RegKey, ValFirstTime, false);
    Store.WriteInteger(RegKey, ValProgram, FProgramBank->Value(TProgramBank::Program));
    Store.WriteInteger(RegKey, ValBankMSB, FProgramBank->Value(TProgramBank::Msb));
    Store.WriteInteger(RegKey, ValBankLSB, FProgramBank->Value(TProgramBank::Lsb));
    Store.WriteInteger(RegKey, ValMouseWheelController, MouseWheelController);
    Store.WriteInteger(RegKey, ValMouseWheelSensitivity, MouseWheelSensitivity);
    Store.WriteBool(RegKey, ValStayOnTop, StayOnTop());
    FPatches->WritePatchValues(Store, RegKey);
    if (Keyboard1->Model().Chord() == TChord::chCustom)
        Store.WriteInteger(RegKey, ValCustomChord, CustomChordIndex);
    // Knobs changed by hand since the last preset was chosen are kept as "Current".
    const QAction *checked = FPresetGroup ? FPresetGroup->checkedAction() : nullptr;
    if (checked) {
        KnobPresetName = checked->text();
    } else {
        KnobPresetName = CurrentPresetName;
        try {
            KnobList->SavePreset(KnobPresetsKey, CurrentPresetName);
        } catch (...) {
        }
    }
    Store.WriteString(RegKey, ValKnobPreset, KnobPresetName);
    for (size_t i = 0; i < ExImFlags.size(); ++i)
        Store.WriteBool(RegKey, ExImFlagNames[i], ExImFlags[i]);
    WriteJoystickMap(Store);
}

// --- Menu commands ------------------------------------------------------------------------------

bool TOndrel2::StayOnTop() const {
    return StayonTop1->isChecked();
}

void TOndrel2::SetStayOnTop(bool Value) {
    StayonTop1->setChecked(Value);
    if (Value && QGuiApplication::applicationState() != Qt::ApplicationActive)
        ApplyTopmost(true);
}

void TOndrel2::ApplicationStateChanged(Qt::ApplicationState State) {
    // On top only while another program is in front, so dialogs of this one are never hidden.
    if (State == Qt::ApplicationActive)
        ApplyTopmost(false);
    else if (StayOnTop())
        ApplyTopmost(true);
}

void TOndrel2::ApplyTopmost(bool Topmost) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == Topmost)
        return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, Topmost);
    if (visible)
        showNormal();
}

void TOndrel2::Readme() {
    // Beside the executable in a build folder; installed, with the other documentation.
    const QString dir = QFileInfo(ExePath()).absolutePath();
    QString file = dir + QStringLiteral("/Readme.txt");
    if (!QFileInfo::exists(file))
        file = dir + QStringLiteral("/../share/doc/ondrel/Readme.txt");
    if (!QFileInfo::exists(file) || !QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        QMessageBox::critical(this, QStringLiteral("Ondrel"),
                              QStringLiteral("Error showing Readme.txt."));
}

void TOndrel2::About() {
    if (!FAbout) {
        FAbout = new TSplashForm(this, false);
        FAbout->InstancePointer = &FAbout;
    }
    FAbout->show();
}

void TOndrel2::Uninstall(bool Ask) {
    if (Ask &&
        !Confirm(this, QStringLiteral("This will uninstall Ondrel.\nDo you want to continue ?")))
        return;
    if (!DeleteProgramKeys(CompanyKeyName.toString(), ProgramKeyName())) {
        QMessageBox::warning(
            this, QStringLiteral("Ondrel"),
            QStringLiteral("The settings could not be removed:\n%1").arg(ProgramStoreFileName()));
        return;
    }
    FUninstalled = true;
    if (Ask)
        ShowInfo(this, QStringLiteral("Registry has been cleaned.\r\nAfter having pressed on OK, "
                                      "you must delete the folder\r\n") +
                           QFileInfo(ExePath()).absolutePath() +
                           QStringLiteral("\r\nto complete uninstallation."));
    close();
}
