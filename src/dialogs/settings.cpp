#include "dialogs/settings.h"

#include "controls/keyevent.h"
#include "controls/vkedit.h"
#include "core/midivocabulary.h"
#include "dialogs/numberedit.h"
#include "dialogs/settingshost.h"
#include "hook/keyboardhook.h"
#include "keyboard/keyboard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int DefaultUpperScanCode = 16; // Q
constexpr int DefaultLowerScanCode = 44; // Z
constexpr int ListWidth = 169;

QLabel *Text(const QString &Text, QWidget *Parent = nullptr) {
    auto *l = new QLabel(Text, Parent);
    l->setWordWrap(true);
    return l;
}

QComboBox *List(QWidget *Parent = nullptr) {
    auto *c = new QComboBox(Parent);
    c->setMinimumWidth(ListWidth);
    c->setMaxVisibleItems(20);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

// A page in a view that scrolls when the dialog is smaller than the page (a small screen).
QScrollArea *Scrolled(QWidget *Page) {
    auto *area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(Page);
    Page->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    return area;
}

// The entries of the controller code lists.
QStringList ControllerCodeTexts() {
    return QStringList{QCoreApplication::translate("TSettings", "(none)"),
                       QCoreApplication::translate("TSettings", "Pitch Wheel")} +
           MidiTool::ControllerEntries();
}

QStringList JoystickActionTexts() {
    const QString axes[] = {QCoreApplication::translate("TSettings", "Joystick %1 left/right"),
                            QCoreApplication::translate("TSettings", "Joystick %1 up/down"),
                            QCoreApplication::translate("TSettings", "Joystick %1 Z-layer")};
    QStringList texts;
    for (int entry = 0; entry < TSettings::JoystickActions; ++entry) {
        const auto [button, joystick, axis] = TSettings::JoystickAction(entry);
        QString text = axes[axis].arg(joystick);
        if (button > 0)
            text += QLatin1Char(' ') +
                    QCoreApplication::translate("TSettings", "button %1 pressed").arg(button);
        texts << text;
    }
    return texts;
}

// "&Caption" above its list, the label as the list's buddy.
QLabel *Caption(const QString &Text, QWidget *Buddy) {
    auto *l = new QLabel(Text);
    l->setBuddy(Buddy);
    return l;
}

} // namespace

TSettings::TSettings(TSettingsHost &Host, QWidget *Owner)
    : QDialog(Owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FHost(Host), FKeyWidthBar(&Host.KeyWidthBar()), FKeyWidthHome(FKeyWidthBar->parentWidget()),
      FKeyWidthPlace(FKeyWidthBar->geometry()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Settings"));
    for (auto &axes : FJoystickMap)
        for (auto &states : axes)
            states.fill(ControllerCode::None);
    setObjectName(QStringLiteral("Settings"));

    PageControl = new QTabWidget(this);
    PageControl->addTab(Scrolled(BuildGeneralPage()), tr("General"));
    PageControl->addTab(Scrolled(BuildPlayingPage()), tr("Playing"));
    PageControl->addTab(Scrolled(BuildControllerPage()), tr("Controller"));
    PageControl->addTab(Scrolled(BuildJoystickPage()), tr("Joystick"));
    PageControl->addTab(Scrolled(BuildMouseWheelPage()), tr("Mouse Wheel"));
    PageControl->addTab(Scrolled(BuildLabelsPage()), tr("Keys"));
    FitListWidths();

    OkButton = new QPushButton(tr("&OK"), this);
    CancelButton = new QPushButton(tr("Cancel"), this);
    ApplyButton = new QPushButton(tr("&Apply"), this);
    OkButton->setDefault(true);
    CancelButton->setAutoDefault(false);
    ApplyButton->setAutoDefault(false);
    for (QPushButton *b : {OkButton, CancelButton, ApplyButton})
        b->setMinimumSize(65, 23);
    connect(OkButton, &QPushButton::clicked, this, [this] {
        ApplySettings();
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &TSettings::reject);
    connect(ApplyButton, &QPushButton::clicked, this, &TSettings::ApplySettings);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(ApplyButton);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(4, 4, 6, 6);
    main->addWidget(PageControl, 1);
    main->addLayout(buttons);
    FitPages(434);
}

void TSettings::FitListWidths() {
    // The lists are filled at the first show; they are made wide enough for their longest
    // entry now, while the pages are laid out.
    const auto fit = [](QComboBox *List, const QStringList &Texts) {
        QComboBox probe;
        probe.setFont(List->font());
        probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
        probe.addItems(Texts);
        List->setMinimumWidth(std::max(List->minimumWidth(), probe.sizeHint().width()));
    };
    const QStringList codes = ControllerCodeTexts();
    for (QComboBox *c : {UpDownBox, LeftRightBox, JoystickControllerBox, MouseWheelBox})
        fit(c, codes);
    fit(ModulationWheelBox, MidiTool::ControllerEntries());
    fit(JoystickActionBox, JoystickActionTexts());
}

void TSettings::FitPages(int Width) {
    // Wrapped texts need more height with larger fonts: every page gets the height the tallest
    // one needs at this width, so nothing is clipped.
    const int pageWidth = Width - 24;
    std::vector<QScrollArea *> areas;
    int height = 0;
    for (int i = 0; i < PageControl->count(); ++i) {
        auto *area = static_cast<QScrollArea *>(PageControl->widget(i));
        areas.push_back(area);
        QLayout *l = area->widget()->layout();
        l->activate();
        height = std::max(height, l->hasHeightForWidth() ? l->totalHeightForWidth(pageWidth)
                                                         : l->totalSizeHint().height());
    }
    // The size the dialog wants is that of its whole pages; the views that hold them may be
    // smaller where the screen is (PlaceOnScreen), and then scroll.
    for (QScrollArea *area : areas)
        area->setMinimumSize(area->widget()->minimumSizeHint().expandedTo(QSize(0, height)));
    layout()->activate();
    // Wide enough for every page's tab, so that none hides behind the tab bar's arrows.
    const int tabs = PageControl->tabBar()->sizeHint().width() + 2 * PageControl->x() + 4;
    FPreferredSize = QSize(std::max({Width, minimumSizeHint().width(), tabs}),
                           std::max(338, minimumSizeHint().height()));
    for (QScrollArea *area : areas)
        area->setMinimumSize(0, 0);
    layout()->invalidate();
    layout()->activate();
    resize(FPreferredSize);
}

void TSettings::PlaceOnScreen() {
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    // The window manager's frame, as the owner has it, must fit on the screen too.
    QMargins frame;
    if (owner && owner->isVisible()) {
        const QRect outer = owner->frameGeometry();
        const QRect inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    // The pages' views may be smaller than the pages now: the minimum shrinks with them.
    layout()->invalidate();
    layout()->activate();
    const QRect area = screen->availableGeometry();
    const QSize room = area.marginsRemoved(frame).size();
    resize(FPreferredSize.boundedTo(room).expandedTo(minimumSizeHint()));
    QRect outer(QPoint(), size().grownBy(frame));
    outer.moveCenter(area.center());
    // Too large for the screen after all: its top left corner stays on it.
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    move(outer.topLeft());
}

TSettings::~TSettings() {
    ReturnKeyWidthBar();
}

// --- Pages
// ----------------------------------------------------------------------------------------

QWidget *TSettings::BuildGeneralPage() {
    auto *page = new QWidget;
    AppearanceGroup = new QGroupBox(tr("Appearance"));
    KeyWidthLabel = new QLabel(tr("Key Width"));
    OldStyleCheck = new QCheckBox(tr("Use old style keyboard"));
    ShowArrowsCheck = new QCheckBox(tr("Show keyboard arrow buttons"));
    ShowArrowsCheck->setToolTip(
        tr("You can use Alt+Mouse dragging to shift the keyboard\nwithout these buttons."));
    // The main window's own bar, lent for as long as the dialog lives; its handler still
    // changes the key width.
    auto *appearance = new QVBoxLayout(AppearanceGroup);
    appearance->addWidget(KeyWidthLabel);
    appearance->addSpacing(2);
    appearance->addWidget(FKeyWidthBar);
    FKeyWidthBar->show();
    appearance->addWidget(OldStyleCheck);
    appearance->addWidget(ShowArrowsCheck);
    FollowNotesCheck = new QCheckBox(tr("Scroll to keys played out of sight"));
    FollowNotesCheck->setToolTip(tr("Notes played with the computer keys or arriving from MIDI "
                                    "are always shown on the keyboard."));
    appearance->addWidget(FollowNotesCheck);
    appearance->addStretch();
    connect(OldStyleCheck, &QCheckBox::clicked, this, [this](bool On) {
        FHost.SetPaintStyle(On ? TPaintStyle::psDraw : TPaintStyle::psImage);
    });
    connect(ShowArrowsCheck, &QCheckBox::clicked, this,
            [this](bool On) { FHost.SetArrowsVisible(On); });

    auto *language = new QGroupBox(tr("Note display language"));
    InternationalNamesRadio = new QRadioButton(tr("&International"));
    GermanNamesRadio = new QRadioButton(tr("&German"));
    ItalianNamesRadio = new QRadioButton(tr("&French / Italian"));
    InternationalNamesRadio->setChecked(true);
    auto *languages = new QVBoxLayout(language);
    for (QRadioButton *r : {InternationalNamesRadio, GermanNamesRadio, ItalianNamesRadio})
        languages->addWidget(r);
    languages->addStretch();

    auto *row = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    left->addWidget(AppearanceGroup);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(language);
    right->addStretch();
    row->addLayout(left, 185);
    row->addSpacing(30);
    row->addLayout(right, 161);
    return page;
}

QWidget *TSettings::BuildPlayingPage() {
    auto *page = new QWidget;
    auto *mapping = new QGroupBox(tr("Note-key mapping"));
    UpperKeyEdit = new TVKEdit;
    LowerKeyEdit = new TVKEdit;
    DefaultUpperKeyButton = new QPushButton(tr("Default"));
    DefaultLowerKeyButton = new QPushButton(tr("Default"));
    auto *keys = new QGridLayout(mapping);
    keys->addWidget(Text(tr("Here you can specify which key on the computer keyboard "
                            "corresponds to note \"C\" / \"do\".")),
                    0, 0, 1, 3);
    keys->addWidget(Text(tr("Upper manual (second row on computer keyboard):")), 1, 0);
    keys->addWidget(UpperKeyEdit, 1, 1);
    keys->addWidget(DefaultUpperKeyButton, 1, 2);
    keys->addWidget(Text(tr("Lower manual (fourth row on computer keyboard):")), 2, 0);
    keys->addWidget(LowerKeyEdit, 2, 1);
    keys->addWidget(DefaultLowerKeyButton, 2, 2);
    keys->setColumnStretch(0, 1);
    for (auto [edit, valid] : {std::pair{UpperKeyEdit, &TKeyboardModel::IsValidUpperCScanCode},
                               std::pair{LowerKeyEdit, &TKeyboardModel::IsValidLowerCScanCode}}) {
        edit->setFixedSize(40, 21);
        edit->SetWantBackspace(true);
        edit->SetOnlyOneChar(true);
        // Only a key of the edit's own row can be its C key.
        edit->OnKeyEvent = [valid](QObject *, const TKeyData &Key, bool &DoAdd) {
            DoAdd = !Key.Extended && valid(TKeyEvent(Key).EventScanCode());
        };
    }
    connect(DefaultUpperKeyButton, &QPushButton::clicked, this,
            [this] { SetKeyEdit(*UpperKeyEdit, DefaultUpperScanCode); });
    connect(DefaultLowerKeyButton, &QPushButton::clicked, this,
            [this] { SetKeyEdit(*LowerKeyEdit, DefaultLowerScanCode); });

    auto *velocity = new QGroupBox(tr("Velocity / Dynamic play"));
    VelocityUpDown = new TNumberEdit(0, 127);
    ShiftVelocityUpDown = new TNumberEdit(1, 100);
    VelocityUpDown->SetAccessibleNames(tr("Standard velocity"));
    ShiftVelocityUpDown->SetAccessibleNames(tr("Alternate velocity with Shift"));
    ShiftLouderRadio = new QRadioButton(tr("% &Louder"));
    ShiftQuieterRadio = new QRadioButton(tr("% &Quieter"));
    auto *v = new QGridLayout(velocity);
    v->addWidget(Text(tr("The velocity is the volume of a single note. On real music keyboards, "
                         "this is how hard you press a key. The computer keys play with the "
                         "standard velocity (F1 and F2 step it), the mouse too unless it plays "
                         "by where a key is struck.")),
                 0, 0, 1, 2);
    v->addWidget(Text(tr("Standard velocity (0..127):")), 1, 0);
    v->addWidget(Text(tr("Alternate velocity with Shift (in percent):")), 1, 1);
    v->addWidget(VelocityUpDown, 2, 0);
    auto *shift = new QHBoxLayout;
    shift->addWidget(ShiftVelocityUpDown);
    auto *direction = new QVBoxLayout;
    direction->addWidget(ShiftLouderRadio);
    direction->addWidget(ShiftQuieterRadio);
    shift->addLayout(direction);
    shift->addStretch();
    v->addLayout(shift, 2, 1);
    v->setColumnStretch(0, 1);
    v->setColumnStretch(1, 1);

    SendOnOpenCheck = new QCheckBox(tr("Send program, bank and knob values when an output opens"));
    SendOnOpenCheck->setToolTip(tr("A synthesizer started or restarted later plays the sound "
                                   "the window shows."));
    auto *strike = new QGroupBox(tr("Where a key is struck"));
    VelocityByPositionCheck = new QCheckBox(tr("Louder towards the &front of a key"));
    VelocityByPositionCheck->setToolTip(
        tr("The mouse and fingers play softer near the back of a key, louder near its front; "
           "without it they play with the standard velocity."));
    SoftestVelocityUpDown = new TNumberEdit(1, 127);
    LoudestVelocityUpDown = new TNumberEdit(1, 127);
    SoftestVelocityUpDown->SetAccessibleNames(tr("Velocity at the back"));
    LoudestVelocityUpDown->SetAccessibleNames(tr("Velocity at the front"));
    VelocityCurveBar = new QSlider(Qt::Horizontal);
    VelocityCurveBar->setRange(TVelocityCurve::CurveMin, TVelocityCurve::CurveMax);
    VelocityCurveBar->setSingleStep(10);
    VelocityCurveBar->setPageStep(50);
    VelocityCurveBar->setFixedWidth(120);
    VelocityCurveBar->setToolTip(tr("Hard: loud only near the front. Soft: loud soon."));
    TouchPressureCheck = new QCheckBox(tr("Finger &pressure as aftertouch"));
    TouchPressureCheck->setToolTip(tr("On touch screens that sense it, how hard a finger presses "
                                      "goes out as polyphonic aftertouch of its notes."));
    auto *k = new QGridLayout(strike);
    k->addWidget(VelocityByPositionCheck, 0, 0, 1, 3);
    auto *range = new QHBoxLayout;
    range->addWidget(new QLabel(tr("At the back:")));
    range->addWidget(SoftestVelocityUpDown);
    range->addSpacing(12);
    range->addWidget(new QLabel(tr("At the front:")));
    range->addWidget(LoudestVelocityUpDown);
    range->addStretch();
    k->addLayout(range, 1, 0, 1, 3);
    auto *curve = new QHBoxLayout;
    curve->addWidget(Caption(tr("&Touch:"), VelocityCurveBar));
    curve->addWidget(new QLabel(tr("Hard")));
    curve->addWidget(VelocityCurveBar);
    curve->addWidget(new QLabel(tr("Soft")));
    curve->addStretch();
    k->addLayout(curve, 2, 0, 1, 3);
    k->addWidget(TouchPressureCheck, 3, 0, 1, 3);
    k->setColumnStretch(2, 1);

    auto *column = new QVBoxLayout(page);
    column->addWidget(mapping);
    column->addWidget(velocity);
    column->addWidget(SendOnOpenCheck);
    column->addWidget(strike);
    column->addStretch();
    return page;
}

QWidget *TSettings::BuildLabelsPage() {
    auto *page = new QWidget;
    auto *labels = new QGroupBox(tr("Labels on the keys"));
    NoteLabelsBox = new QComboBox;
    NoteLabelsBox->setObjectName(QStringLiteral("NoteLabelsBox"));
    NoteLabelsBox->addItems(
        {tr("None"), tr("On the C keys"), tr("On every key"), tr("On the keys being played")});
    SharpsRadio = new QRadioButton(tr("&Sharps (C#)"));
    FlatsRadio = new QRadioButton(tr("&Flats (Db)"));
    auto *accidentals = new QButtonGroup(page);
    accidentals->addButton(SharpsRadio);
    accidentals->addButton(FlatsRadio);
    MiddleCBox = new QComboBox;
    for (int octave = MiddleCOctaveMin; octave <= MiddleCOctaveMax; ++octave)
        MiddleCBox->addItem(QStringLiteral("C%1").arg(octave));
    ComputerKeyLabelsCheck = new QCheckBox(tr("The &computer key that plays each note"));
    KeyNamesOnKeysCheck = new QCheckBox(tr("The patch's names of the keys (drum &kits)"));
    KeyNamesOnKeysCheck->setToolTip(tr("They are the keys' tooltips in any case."));
    auto *l = new QGridLayout(labels);
    l->addWidget(Caption(tr("&Note names:"), NoteLabelsBox), 0, 0);
    l->addWidget(NoteLabelsBox, 0, 1);
    auto *names = new QHBoxLayout;
    names->addWidget(SharpsRadio);
    names->addWidget(FlatsRadio);
    names->addStretch();
    l->addWidget(new QLabel(tr("Black keys:")), 1, 0);
    l->addLayout(names, 1, 1);
    l->addWidget(Caption(tr("&Middle C (note 60):"), MiddleCBox), 2, 0);
    l->addWidget(MiddleCBox, 2, 1, Qt::AlignLeft);
    l->addWidget(ComputerKeyLabelsCheck, 3, 0, 1, 3);
    l->addWidget(KeyNamesOnKeysCheck, 4, 0, 1, 3);
    l->setColumnStretch(2, 1);

    auto *scale = new QGroupBox(tr("Scale"));
    ScaleRootBox = new QComboBox;
    ScaleRootBox->setObjectName(QStringLiteral("ScaleRootBox"));
    ScaleBox = new QComboBox;
    ScaleBox->setObjectName(QStringLiteral("ScaleBox"));
    ScaleBox->addItems({tr("Chromatic (every note)"), tr("Major"), tr("Minor"),
                        tr("Harmonic minor"), tr("Melodic minor"), tr("Dorian"), tr("Phrygian"),
                        tr("Lydian"), tr("Mixolydian"), tr("Locrian"), tr("Major pentatonic"),
                        tr("Minor pentatonic"), tr("Blues")});
    ScaleKeysOnlyCheck = new QCheckBox(tr("The computer keys &play only the scale's notes"));
    ScaleKeysOnlyCheck->setToolTip(tr("The letter rows play the notes of the scale one after "
                                      "another, each row's C key the key note; the rows above "
                                      "them play nothing."));
    auto *c = new QGridLayout(scale);
    c->addWidget(Caption(tr("Ke&y:"), ScaleRootBox), 0, 0);
    c->addWidget(ScaleRootBox, 0, 1);
    c->addWidget(Caption(tr("Scal&e:"), ScaleBox), 0, 2);
    c->addWidget(ScaleBox, 0, 3);
    c->addWidget(Text(tr("Notes outside the scale are dimmed on the keyboard.")), 1, 0, 1, 5);
    c->addWidget(ScaleKeysOnlyCheck, 2, 0, 1, 5);
    c->setColumnStretch(4, 1);

    auto *column = new QVBoxLayout(page);
    column->addWidget(labels);
    column->addWidget(scale);
    column->addStretch();
    return page;
}

QWidget *TSettings::BuildControllerPage() {
    auto *page = new QWidget;
    UpDownBox = List();
    UpDownBox->setObjectName(QStringLiteral("UpDownBox"));
    LeftRightBox = List();
    LeftRightBox->setObjectName(QStringLiteral("LeftRightBox"));
    ModulationWheelBox = List();
    ModulationWheelBox->setObjectName(QStringLiteral("ModulationWheelBox"));
    auto *keyboard = new QGroupBox(tr("Keyboard"));
    auto *k = new QVBoxLayout(keyboard);
    k->addWidget(Caption(tr("&Up/Down Controller"), UpDownBox));
    k->addWidget(UpDownBox);
    k->addWidget(Caption(tr("&Left/Right Controller"), LeftRightBox));
    k->addWidget(LeftRightBox);
    k->addWidget(Text(tr("These are the controllers that are sent when you use the "
                         "\"special hold mode\" on the keyboard.")));
    k->addStretch();
    auto *wheels = new QGroupBox(tr("Wheels"));
    auto *w = new QVBoxLayout(wheels);
    w->addWidget(Caption(tr("&Mod Wheel Controller"), ModulationWheelBox));
    w->addWidget(ModulationWheelBox);
    w->addWidget(Text(tr("This is the controller that is sent by the \"modulation "
                         "wheel\" at the left side of the keyboard.")));
    w->addStretch();

    auto *column = new QVBoxLayout(page);
    column->addWidget(
        Text(tr("Hint: To easily set up the controller numbers, select a combobox and move the "
                "slider/knob that you want to control with it.")));
    auto *row = new QHBoxLayout;
    row->addWidget(keyboard, 193, Qt::AlignTop);
    row->addWidget(wheels, 193, Qt::AlignTop);
    column->addLayout(row);
    column->addStretch();
    return page;
}

QWidget *TSettings::BuildJoystickPage() {
    auto *page = new QWidget;
    JoystickActionBox = List();
    JoystickActionBox->setMinimumWidth(233);
    JoystickControllerBox = List();
    DisableJoystickSetupCheck = new QCheckBox(tr("Disable automatic controller choice"));
    // Any change of the action shows its assignment; only a user's choice of controller stores.
    connect(JoystickActionBox, &QComboBox::currentIndexChanged, this,
            [this] { ShowJoystickAssignment(); });
    connect(JoystickControllerBox, &QComboBox::activated, this,
            &TSettings::JoystickControllerChanged);

    auto *column = new QVBoxLayout(page);
    column->addWidget(Text(
        tr("You can use a joystick to send controller messages. It must be connected and its "
           "device (/dev/input/js* or /dev/input/event*) readable by you to be used in Ondrel.")));
    auto *grid = new QGridLayout;
    grid->addWidget(Caption(tr("&Joystick/Action"), JoystickActionBox), 0, 0);
    grid->addWidget(Caption(tr("&Controller"), JoystickControllerBox), 0, 1);
    grid->addWidget(JoystickActionBox, 1, 0);
    grid->addWidget(JoystickControllerBox, 1, 1);
    grid->setColumnStretch(0, 233);
    grid->setColumnStretch(1, 169);
    column->addLayout(grid);
    column->addWidget(Text(
        tr("To easily set up the controller number, move the slider/knob that you want to control "
           "with it. In case of problems, disable it below.")));
    column->addWidget(DisableJoystickSetupCheck);
    column->addStretch();
    return page;
}

QWidget *TSettings::BuildMouseWheelPage() {
    auto *page = new QWidget;
    MouseWheelBox = List();
    MouseWheelBox->setObjectName(QStringLiteral("MouseWheelBox"));
    auto *controller = new QGroupBox(tr("Controller"));
    auto *c = new QVBoxLayout(controller);
    c->addWidget(Text(
        tr("You can use a mouse wheel to send controller messages. Choose a controller below. You "
           "can turn the knob or wheel corresponding to the desired controller on Ondrel or a "
           "connected MIDI device to set the controller.")));
    auto *pick = new QHBoxLayout;
    pick->addWidget(Caption(tr("&Controller"), MouseWheelBox));
    pick->addWidget(MouseWheelBox);
    pick->addStretch();
    c->addLayout(pick);

    MouseWheelSensitivityBar = new QSlider(Qt::Horizontal);
    MouseWheelSensitivityBar->setRange(0, 10);
    MouseWheelSensitivityBar->setTickPosition(QSlider::NoTicks);
    MouseWheelSensitivityBar->setPageStep(1);
    MouseWheelSensitivityBar->setFixedWidth(150);
    auto *sensitivity = new QGroupBox(tr("Sensitivity"));
    auto *s = new QVBoxLayout(sensitivity);
    s->addWidget(Text(tr("The sensitivity defines how much the controller is changed "
                         "with one \"tick\" of the mousewheel.")));
    s->addWidget(Text(tr(
        "\"Slow\" means very fine resolution but you need to turn a lot to change the controller "
        "significantly. On the other hand, \"Fast\" has the effect that little wheel movement "
        "results in big controller changes.")));
    auto *bar = new QHBoxLayout;
    bar->addWidget(Caption(tr("&Sensitivity"), MouseWheelSensitivityBar));
    bar->addWidget(new QLabel(tr("Slow")));
    bar->addWidget(MouseWheelSensitivityBar);
    bar->addWidget(new QLabel(tr("Fast")));
    bar->addStretch();
    s->addLayout(bar);

    auto *column = new QVBoxLayout(page);
    column->addWidget(controller);
    column->addWidget(sensitivity);
    column->addStretch();
    return page;
}

// --- Codes
// ----------------------------------------------------------------------------------------

int TSettings::EntryToCode(int Entry) {
    if (Entry <= 0)
        return ControllerCode::None;
    if (Entry == 1)
        return ControllerCode::PitchBend;
    return Entry - 2;
}

int TSettings::CodeToEntry(int Code) {
    if (Code == ControllerCode::None)
        return 0;
    if (Code == ControllerCode::PitchBend)
        return 1;
    // Codes beyond the list show as its last entry.
    return std::clamp(Code + 2, 0, ControllerCode::None);
}

std::tuple<int, int, int> TSettings::JoystickAction(int Entry) {
    Entry = std::clamp(Entry, 0, JoystickActions - 1);
    return {Entry / 6, Entry / 3 % 2, Entry % 3};
}

void TSettings::FillLists() {
    const QStringList codes = ControllerCodeTexts();
    for (QComboBox *c : {UpDownBox, LeftRightBox, JoystickControllerBox, MouseWheelBox}) {
        c->clear();
        c->addItems(codes);
    }
    ModulationWheelBox->clear();
    ModulationWheelBox->addItems(MidiTool::ControllerEntries());
    JoystickActionBox->clear();
    JoystickActionBox->addItems(JoystickActionTexts());
    JoystickActionBox->setCurrentIndex(0);
    JoystickControllerBox->setCurrentIndex(0);
}

// --- Show, apply, close
// ---------------------------------------------------------------------------

void TSettings::showEvent(QShowEvent *Event) {
    if (!Event->spontaneous()) {
        if (!FPlaced) {
            FPlaced = true;
            PlaceOnScreen();
        }
        PrepareShow();
    }
    QDialog::showEvent(Event);
}

void TSettings::PrepareShow() {
    TKeyboardModel &m = FHost.Keyboard().Model();
    OldStyleCheck->setEnabled(m.ImagesAvailable());
    OldStyleCheck->setChecked(m.PaintStyle() == TPaintStyle::psDraw);
    ShowArrowsCheck->setChecked(FHost.ArrowsVisible());
    FollowNotesCheck->setChecked(FHost.Keyboard().FollowNotes());
    SendOnOpenCheck->setChecked(FHost.SendStateOnOpen());
    FArrowsVisible = FHost.ArrowsVisible();
    FPaintStyle = int(m.PaintStyle());
    FKeyWidthPosition = FKeyWidthBar->value();

    if (UpDownBox->count() < 2)
        FillLists();
    for (int j = 0; j < 2; ++j)
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 5; ++b)
                FJoystickMap[j][a][b] = FHost.JoystickCode(j, a, b);
    ShowJoystickAssignment();

    UpDownBox->setCurrentIndex(CodeToEntry(m.UpDownController()));
    LeftRightBox->setCurrentIndex(CodeToEntry(m.LeftRightController()));
    SetKeyEdit(*UpperKeyEdit, m.UpperCScanCode());
    SetKeyEdit(*LowerKeyEdit, m.LowerCScanCode());
    ModulationWheelBox->setCurrentIndex(std::clamp(FHost.ModWheelController(), 0, 127));
    MouseWheelBox->setCurrentIndex(CodeToEntry(FHost.MouseWheelController()));
    MouseWheelSensitivityBar->setValue(FHost.MouseWheelSensitivity());

    switch (m.Language()) {
    case TLanguage::German:
        GermanNamesRadio->setChecked(true);
        break;
    case TLanguage::Italian:
        ItalianNamesRadio->setChecked(true);
        break;
    default:
        InternationalNamesRadio->setChecked(true);
        break;
    }

    float f = m.VelocityShiftFactor();
    if (f == 0.0f)
        f = 0.01f;
    ShiftLouderRadio->setChecked(f > 1.0f);
    ShiftQuieterRadio->setChecked(!(f > 1.0f));
    ShiftVelocityUpDown->SetPosition(int(std::lround((f > 1.0f ? f - 1.0 : 1.0 - f) * 100.0)));
    VelocityUpDown->SetPosition(m.Velocity());
    ShowExpression();
}

void TSettings::ShowExpression() {
    const TKeyboardModel &m = FHost.Keyboard().Model();
    VelocityByPositionCheck->setChecked(m.VelocityByPosition());
    SoftestVelocityUpDown->SetPosition(m.VelocityCurve().Min);
    LoudestVelocityUpDown->SetPosition(m.VelocityCurve().Max);
    VelocityCurveBar->setValue(m.VelocityCurve().Curve);
    TouchPressureCheck->setChecked(m.TouchPressure());
    NoteLabelsBox->setCurrentIndex(int(m.NoteLabels()));
    (m.FlatNames() ? FlatsRadio : SharpsRadio)->setChecked(true);
    MiddleCBox->setCurrentIndex(m.MiddleCOctave() - MiddleCOctaveMin);
    ComputerKeyLabelsCheck->setChecked(m.ComputerKeyLabels());
    KeyNamesOnKeysCheck->setChecked(m.KeyNamesOnKeys());
    // Key names as the keyboard names notes now.
    ScaleRootBox->clear();
    for (int pitch = 0; pitch < 12; ++pitch)
        ScaleRootBox->addItem(TKeyboardModel::PitchName(pitch, m.Language(), m.FlatNames()));
    ScaleRootBox->setCurrentIndex(m.ScaleRoot());
    ScaleBox->setCurrentIndex(int(m.Scale()));
    ScaleKeysOnlyCheck->setChecked(m.ScaleKeysOnly());
}

void TSettings::ApplyExpression() {
    SoftestVelocityUpDown->CommitTyped();
    LoudestVelocityUpDown->CommitTyped();
    TKeyboardModel &m = FHost.Keyboard().Model();
    m.SetVelocityByPosition(VelocityByPositionCheck->isChecked());
    TVelocityCurve curve;
    curve.Min = SoftestVelocityUpDown->Position();
    curve.Max = LoudestVelocityUpDown->Position();
    curve.Curve = VelocityCurveBar->value();
    m.SetVelocityCurve(curve);
    m.SetTouchPressure(TouchPressureCheck->isChecked());
    m.SetNoteLabels(TNoteLabels(std::clamp(NoteLabelsBox->currentIndex(), 0, NoteLabelsCount - 1)));
    m.SetFlatNames(FlatsRadio->isChecked());
    m.SetMiddleCOctave(MiddleCBox->currentIndex() + MiddleCOctaveMin);
    m.SetComputerKeyLabels(ComputerKeyLabelsCheck->isChecked());
    m.SetKeyNamesOnKeys(KeyNamesOnKeysCheck->isChecked());
    m.SetScaleRoot(std::max(0, ScaleRootBox->currentIndex()));
    m.SetScale(TScale(std::clamp(ScaleBox->currentIndex(), 0, ScaleCount - 1)));
    m.SetScaleKeysOnly(ScaleKeysOnlyCheck->isChecked());
}

void TSettings::ApplySettings() {
    VelocityUpDown->CommitTyped();
    ShiftVelocityUpDown->CommitTyped();
    TKeyboardModel &m = FHost.Keyboard().Model();
    FHost.Keyboard().SetFollowNotes(FollowNotesCheck->isChecked());
    FHost.SetSendStateOnOpen(SendOnOpenCheck->isChecked());
    m.SetUpDownController(EntryToCode(UpDownBox->currentIndex()));
    m.SetLeftRightController(EntryToCode(LeftRightBox->currentIndex()));
    if (UpperKeyEdit->Sequence().Count() == 1)
        m.SetUpperCScanCode(UpperKeyEdit->Sequence().EventAt(0).EventScanCode());
    if (LowerKeyEdit->Sequence().Count() == 1)
        m.SetLowerCScanCode(LowerKeyEdit->Sequence().EventAt(0).EventScanCode());
    FHost.SetModWheelController(ModulationWheelBox->currentIndex());
    FHost.SetWheelController(EntryToCode(MouseWheelBox->currentIndex()));
    FHost.SetMouseWheelSensitivity(MouseWheelSensitivityBar->value());
    for (int j = 0; j < 2; ++j)
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 5; ++b)
                FHost.SetJoystickCode(j, a, b, FJoystickMap[j][a][b]);
    FHost.UpdateJoystickEnable();
    m.SetLanguage(GermanNamesRadio->isChecked()    ? TLanguage::German
                  : ItalianNamesRadio->isChecked() ? TLanguage::Italian
                                                   : TLanguage::International);
    FHost.Keyboard().update();
    FKeyWidthPosition = FKeyWidthBar->value();
    FPaintStyle = int(m.PaintStyle());
    const float p = float(ShiftVelocityUpDown->Position()) / 100.0f;
    m.SetVelocityShiftFactor(ShiftLouderRadio->isChecked() ? 1.0f + p : 1.0f - p);
    m.SetVelocity(VelocityUpDown->Position());
    ApplyExpression();
}

void TSettings::reject() {
    // The close box keeps the live options as they are; Cancel and Esc undo them.
    if (!FByCloseBox)
        CancelChanges();
    QDialog::reject();
}

void TSettings::CancelChanges() {
    FKeyWidthBar->setValue(FKeyWidthPosition);
    FHost.SetArrowsVisible(FArrowsVisible);
    if (int(FHost.Keyboard().Model().PaintStyle()) != FPaintStyle)
        FHost.SetPaintStyle(TPaintStyle(FPaintStyle));
}

void TSettings::closeEvent(QCloseEvent *Event) {
    FByCloseBox = true;
    QDialog::closeEvent(Event);
    FByCloseBox = false;
}

void TSettings::done(int Result) {
    if (!FClosing) {
        FClosing = true;
        ReturnKeyWidthBar();
    }
    QDialog::done(Result);
}

void TSettings::ReturnKeyWidthBar() {
    if (!FKeyWidthBar || FKeyWidthBar->parentWidget() == FKeyWidthHome)
        return;
    FKeyWidthBar->hide();
    if (FKeyWidthHome) {
        FKeyWidthBar->setParent(FKeyWidthHome);
        FKeyWidthBar->setGeometry(FKeyWidthPlace);
    } else {
        FKeyWidthBar->setParent(nullptr);
    }
}

// --- Joystick page and learning
// -------------------------------------------------------------------

int TSettings::JoystickCopy(int Joystick, int Axis, int ButtonState) const {
    return FJoystickMap.at(size_t(Joystick)).at(size_t(Axis)).at(size_t(ButtonState));
}

void TSettings::ShowJoystickAssignment() {
    if (JoystickActionBox->currentIndex() < 0)
        JoystickActionBox->setCurrentIndex(0);
    const auto [b, j, a] = JoystickAction(JoystickActionBox->currentIndex());
    JoystickControllerBox->setCurrentIndex(CodeToEntry(FJoystickMap[j][a][b] & 0xFF));
}

void TSettings::JoystickControllerChanged(int Entry) {
    if (JoystickActionBox->currentIndex() < 0 || Entry < 0)
        return;
    const auto [b, j, a] = JoystickAction(JoystickActionBox->currentIndex());
    FJoystickMap[j][a][b] = EntryToCode(Entry);
}

void TSettings::LearnController(int Code) {
    if (Code < 0 || Code > ControllerCode::PitchBend)
        return;
    if (UpDownBox->hasFocus()) {
        UpDownBox->setCurrentIndex(CodeToEntry(Code));
    } else if (LeftRightBox->hasFocus()) {
        LeftRightBox->setCurrentIndex(CodeToEntry(Code));
    } else if (ModulationWheelBox->hasFocus()) {
        // The modulation strip sends control changes only.
        if (Code < ControllerCode::PitchBend)
            ModulationWheelBox->setCurrentIndex(Code);
    } else if (PageControl->currentIndex() == pgJoystick &&
               !DisableJoystickSetupCheck->isChecked()) {
        JoystickControllerBox->setCurrentIndex(CodeToEntry(Code));
        JoystickControllerChanged(JoystickControllerBox->currentIndex());
    } else if (PageControl->currentIndex() == pgMouseWheel) {
        MouseWheelBox->setCurrentIndex(CodeToEntry(Code));
    }
}

void TSettings::ShowPage(TPage Page) {
    PageControl->setCurrentIndex(int(Page));
}

// --- Key edits
// ------------------------------------------------------------------------------------

void TSettings::SetKeyEdit(TVKEdit &Edit, int ScanCode) {
    Edit.Clear();
    Edit.Sequence().AddEvent(TKeyEvent(ScanCode, false, false));
}
