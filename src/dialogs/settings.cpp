#include "settings.h"

#include "keyboard.h"
#include "keyboardhook.h"
#include "keyevent.h"
#include "midivocabulary.h"
#include "numberedit.h"
#include "settingshost.h"
#include "vkedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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
    setWindowTitle(QStringLiteral("Settings"));
    for (auto &axes : FJoystickMap)
        for (auto &states : axes)
            states.fill(NoneCode);
    setObjectName(QStringLiteral("Settings"));

    PageControl = new QTabWidget(this);
    PageControl->addTab(BuildGeneralPage(), QStringLiteral("General"));
    PageControl->addTab(BuildPlayingPage(), QStringLiteral("Playing"));
    PageControl->addTab(BuildControllerPage(), QStringLiteral("Controller"));
    PageControl->addTab(BuildJoystickPage(), QStringLiteral("Joystick"));
    PageControl->addTab(BuildMouseWheelPage(), QStringLiteral("Mouse Wheel"));

    BOK = new QPushButton(QStringLiteral("&OK"), this);
    BCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BApply = new QPushButton(QStringLiteral("&Apply"), this);
    BOK->setDefault(true);
    BCancel->setAutoDefault(false);
    BApply->setAutoDefault(false);
    for (QPushButton *b : {BOK, BCancel, BApply})
        b->setMinimumSize(65, 23);
    connect(BOK, &QPushButton::clicked, this, [this] {
        ApplySettings();
        accept();
    });
    connect(BCancel, &QPushButton::clicked, this, &TSettings::reject);
    connect(BApply, &QPushButton::clicked, this, &TSettings::ApplySettings);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BCancel);
    buttons->addWidget(BApply);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(4, 4, 6, 6);
    main->addWidget(PageControl, 1);
    main->addLayout(buttons);
    FitPages(434);
}

void TSettings::FitPages(int Width) {
    // Wrapped texts need more height with larger fonts: every page gets the height the tallest
    // one needs at this width, so nothing is clipped.
    const int pageWidth = Width - 24;
    int height = 0;
    for (int i = 0; i < PageControl->count(); ++i) {
        QLayout *l = PageControl->widget(i)->layout();
        l->activate();
        height = std::max(height, l->hasHeightForWidth() ? l->totalHeightForWidth(pageWidth)
                                                         : l->totalSizeHint().height());
    }
    for (int i = 0; i < PageControl->count(); ++i)
        PageControl->widget(i)->setMinimumHeight(height);
    layout()->activate();
    resize(std::max(Width, minimumSizeHint().width()), std::max(338, minimumSizeHint().height()));
}

TSettings::~TSettings() {
    ReturnKeyWidthBar();
}

// --- Pages
// ----------------------------------------------------------------------------------------

QWidget *TSettings::BuildGeneralPage() {
    auto *page = new QWidget;
    GBAppearance = new QGroupBox(QStringLiteral("Appearance"));
    LKeyWidth = new QLabel(QStringLiteral("Key Width"));
    CBOldStyle = new QCheckBox(QStringLiteral("Use old style keyboard"));
    CBShowBasenote = new QCheckBox(QStringLiteral("Show keyboard arrow buttons"));
    CBShowBasenote->setToolTip(QStringLiteral(
        "You can use Alt+Mouse dragging to shift the keyboard\nwithout these buttons."));
    // The main window's own bar, lent for as long as the dialog lives; its handler still
    // changes the key width.
    auto *appearance = new QVBoxLayout(GBAppearance);
    appearance->addWidget(LKeyWidth);
    appearance->addSpacing(2);
    appearance->addWidget(FKeyWidthBar);
    FKeyWidthBar->show();
    appearance->addWidget(CBOldStyle);
    appearance->addWidget(CBShowBasenote);
    appearance->addStretch();
    connect(CBOldStyle, &QCheckBox::clicked, this, [this](bool On) {
        FHost.SetPaintStyle(On ? TPaintStyle::psDraw : TPaintStyle::psImage);
    });
    connect(CBShowBasenote, &QCheckBox::clicked, this,
            [this](bool On) { FHost.SetArrowsVisible(On); });

    auto *language = new QGroupBox(QStringLiteral("Note display language"));
    RBNoteInternational = new QRadioButton(QStringLiteral("&International"));
    RBNoteGerman = new QRadioButton(QStringLiteral("&German"));
    RBNoteItalian = new QRadioButton(QStringLiteral("&French / Italian"));
    RBNoteInternational->setChecked(true);
    auto *languages = new QVBoxLayout(language);
    for (QRadioButton *r : {RBNoteInternational, RBNoteGerman, RBNoteItalian})
        languages->addWidget(r);
    languages->addStretch();

    auto *row = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    left->addWidget(GBAppearance);
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
    auto *mapping = new QGroupBox(QStringLiteral("Note-key mapping"));
    VKUpper = new TVKEdit;
    VKLower = new TVKEdit;
    BDefaultUpperKey = new QPushButton(QStringLiteral("Default"));
    BDefaultLowerKey = new QPushButton(QStringLiteral("Default"));
    auto *keys = new QGridLayout(mapping);
    keys->addWidget(Text(QStringLiteral("Here you can specify which key on the computer keyboard "
                                        "corresponds to note \"C\" / \"do\".")),
                    0, 0, 1, 3);
    keys->addWidget(Text(QStringLiteral("Upper manual (second row on computer keyboard):")), 1, 0);
    keys->addWidget(VKUpper, 1, 1);
    keys->addWidget(BDefaultUpperKey, 1, 2);
    keys->addWidget(Text(QStringLiteral("Lower manual (forth row on computer keyboard):")), 2, 0);
    keys->addWidget(VKLower, 2, 1);
    keys->addWidget(BDefaultLowerKey, 2, 2);
    keys->setColumnStretch(0, 1);
    for (auto [edit, valid] : {std::pair{VKUpper, &TKeyboardModel::IsValidUpperCScanCode},
                               std::pair{VKLower, &TKeyboardModel::IsValidLowerCScanCode}}) {
        edit->setFixedSize(40, 21);
        edit->SetWantBackspace(true);
        edit->SetOnlyOneChar(true);
        // Only a key of the edit's own row can be its C key.
        edit->OnKeyEvent = [valid](QObject *, const TKeyData &Key, bool &DoAdd) {
            DoAdd = !Key.Extended && valid(TKeyEvent(Key).EventScanCode());
        };
    }
    connect(BDefaultUpperKey, &QPushButton::clicked, this,
            [this] { SetKeyEdit(*VKUpper, DefaultUpperScanCode); });
    connect(BDefaultLowerKey, &QPushButton::clicked, this,
            [this] { SetKeyEdit(*VKLower, DefaultLowerScanCode); });

    auto *velocity = new QGroupBox(QStringLiteral("Velocity / Dynamic play"));
    UDVelocity = new TNumberEdit(0, 127);
    UDShiftVel = new TNumberEdit(1, 100);
    RBShiftVelLouder = new QRadioButton(QStringLiteral("% &Louder"));
    RBShiftVelQuieter = new QRadioButton(QStringLiteral("% &Quieter"));
    auto *v = new QGridLayout(velocity);
    v->addWidget(Text(QStringLiteral(
                     "The velocity is the volume of a single note. On real music keyboards, this "
                     "is how hard you press a key. In Ondrel, you only have 2 different velocity "
                     "values.")),
                 0, 0, 1, 2);
    v->addWidget(Text(QStringLiteral("Standard velocity (0..127):")), 1, 0);
    v->addWidget(Text(QStringLiteral("Alternate velocity with Shift (in percent):")), 1, 1);
    v->addWidget(UDVelocity, 2, 0);
    auto *shift = new QHBoxLayout;
    shift->addWidget(UDShiftVel);
    auto *direction = new QVBoxLayout;
    direction->addWidget(RBShiftVelLouder);
    direction->addWidget(RBShiftVelQuieter);
    shift->addLayout(direction);
    shift->addStretch();
    v->addLayout(shift, 2, 1);
    v->setColumnStretch(0, 1);
    v->setColumnStretch(1, 1);

    auto *column = new QVBoxLayout(page);
    column->addWidget(mapping);
    column->addWidget(velocity);
    column->addStretch();
    return page;
}

QWidget *TSettings::BuildControllerPage() {
    auto *page = new QWidget;
    CBUpDown = List();
    CBUpDown->setObjectName(QStringLiteral("CBUpDown"));
    CBLeftRight = List();
    CBLeftRight->setObjectName(QStringLiteral("CBLeftRight"));
    CBMW = List();
    CBMW->setObjectName(QStringLiteral("CBMW"));
    auto *keyboard = new QGroupBox(QStringLiteral("Keyboard"));
    auto *k = new QVBoxLayout(keyboard);
    k->addWidget(Caption(QStringLiteral("&Up/Down Controller"), CBUpDown));
    k->addWidget(CBUpDown);
    k->addWidget(Caption(QStringLiteral("&Left/Right Controller"), CBLeftRight));
    k->addWidget(CBLeftRight);
    k->addWidget(Text(QStringLiteral("These are the controllers that are sent when you use the "
                                     "\"special hold mode\" on the keyboard.")));
    k->addStretch();
    auto *wheels = new QGroupBox(QStringLiteral("Wheels"));
    auto *w = new QVBoxLayout(wheels);
    w->addWidget(Caption(QStringLiteral("&Mod Wheel Controller"), CBMW));
    w->addWidget(CBMW);
    w->addWidget(Text(QStringLiteral("These is the controller that is sent by the \"modulation "
                                     "wheel\" at the left side of the keyboard.")));
    w->addStretch();

    auto *column = new QVBoxLayout(page);
    column->addWidget(Text(QStringLiteral(
        "Hint: To easily set up the controller numbers, select a combobox and move the "
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
    CBJoyAction = List();
    CBJoyAction->setMinimumWidth(233);
    CBJoyController = List();
    CBDisableJoySetCtrl = new QCheckBox(QStringLiteral("Disable automatic controller choice"));
    // Any change of the action shows its assignment; only a user's choice of controller stores.
    connect(CBJoyAction, &QComboBox::currentIndexChanged, this,
            [this] { ShowJoystickAssignment(); });
    connect(CBJoyController, &QComboBox::activated, this, &TSettings::CBJoyControllerChange);

    auto *column = new QVBoxLayout(page);
    column->addWidget(Text(QStringLiteral(
        "You can use a joystick to send controller messages. You must have set up your "
        "joystick(s) in the control panel to be able to use them in Ondrel.")));
    auto *grid = new QGridLayout;
    grid->addWidget(Caption(QStringLiteral("&Joystick/Action"), CBJoyAction), 0, 0);
    grid->addWidget(Caption(QStringLiteral("&Controller"), CBJoyController), 0, 1);
    grid->addWidget(CBJoyAction, 1, 0);
    grid->addWidget(CBJoyController, 1, 1);
    grid->setColumnStretch(0, 233);
    grid->setColumnStretch(1, 169);
    column->addLayout(grid);
    column->addWidget(Text(QStringLiteral(
        "To easily set up the controller number, move the slider/knob that you want to control "
        "with it. In case of problems, disable it below.")));
    column->addWidget(CBDisableJoySetCtrl);
    column->addStretch();
    return page;
}

QWidget *TSettings::BuildMouseWheelPage() {
    auto *page = new QWidget;
    CBMouseWheel = List();
    CBMouseWheel->setObjectName(QStringLiteral("CBMouseWheel"));
    auto *controller = new QGroupBox(QStringLiteral("Controller"));
    auto *c = new QVBoxLayout(controller);
    c->addWidget(Text(QStringLiteral(
        "You can use a mouse wheel to send controller messages. Choose a controller below. You "
        "can turn the knob or wheel corresponding to the desired controller on Ondrel or a "
        "connected MIDI device to set the controller.")));
    auto *pick = new QHBoxLayout;
    pick->addWidget(Caption(QStringLiteral("&Controller"), CBMouseWheel));
    pick->addWidget(CBMouseWheel);
    pick->addStretch();
    c->addLayout(pick);

    TBMouseWheelSensitivity = new QSlider(Qt::Horizontal);
    TBMouseWheelSensitivity->setRange(0, 10);
    TBMouseWheelSensitivity->setTickPosition(QSlider::NoTicks);
    TBMouseWheelSensitivity->setPageStep(1);
    TBMouseWheelSensitivity->setFixedWidth(150);
    auto *sensitivity = new QGroupBox(QStringLiteral("Sensitivity"));
    auto *s = new QVBoxLayout(sensitivity);
    s->addWidget(Text(QStringLiteral("The sensitivity defines how much the controller is changed "
                                     "with one \"tick\" of the mousewheel.")));
    s->addWidget(Text(QStringLiteral(
        "\"Slow\" means very fine resolution but you need to turn a lot to change the controller "
        "significantly. On the other hand, \"Fast\" has the effect that little wheel movement "
        "results in big controller changes.")));
    auto *bar = new QHBoxLayout;
    bar->addWidget(Caption(QStringLiteral("&Sensitivity"), TBMouseWheelSensitivity));
    bar->addWidget(new QLabel(QStringLiteral("Slow")));
    bar->addWidget(TBMouseWheelSensitivity);
    bar->addWidget(new QLabel(QStringLiteral("Fast")));
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
        return NoneCode;
    if (Entry == 1)
        return PitchWheelCode;
    return Entry - 2;
}

int TSettings::CodeToEntry(int Code) {
    if (Code == NoneCode)
        return 0;
    if (Code == PitchWheelCode)
        return 1;
    // Codes beyond the list show as its last entry.
    return std::clamp(Code + 2, 0, NoneCode);
}

std::tuple<int, int, int> TSettings::JoystickAction(int Entry) {
    Entry = std::clamp(Entry, 0, JoystickActions - 1);
    return {Entry / 6, Entry / 3 % 2, Entry % 3};
}

void TSettings::FillLists() {
    QStringList codes{QStringLiteral("(none)"), QStringLiteral("Pitch Wheel")};
    const QStringList controllers = MidiTool::ControllerEntries();
    codes += controllers;
    for (QComboBox *c : {CBUpDown, CBLeftRight, CBJoyController, CBMouseWheel}) {
        c->clear();
        c->addItems(codes);
    }
    CBMW->clear();
    CBMW->addItems(controllers);
    CBJoyAction->clear();
    const QString axes[] = {QStringLiteral("Joystick %1 left/right"),
                            QStringLiteral("Joystick %1 up/down"),
                            QStringLiteral("Joystick %1 Z-layer")};
    for (int entry = 0; entry < JoystickActions; ++entry) {
        const auto [button, joystick, axis] = JoystickAction(entry);
        QString text = axes[axis].arg(joystick);
        if (button > 0)
            text += QLatin1Char(' ') + QStringLiteral("button %1 pressed").arg(button);
        CBJoyAction->addItem(text);
    }
    CBJoyAction->setCurrentIndex(0);
    CBJoyController->setCurrentIndex(0);
}

// --- Show, apply, close
// ---------------------------------------------------------------------------

void TSettings::showEvent(QShowEvent *Event) {
    if (!Event->spontaneous())
        FormShow();
    QDialog::showEvent(Event);
}

void TSettings::FormShow() {
    TKeyboardModel &m = FHost.Keyboard().Model();
    CBOldStyle->setEnabled(m.ImagesAvailable());
    CBOldStyle->setChecked(m.PaintStyle() == TPaintStyle::psDraw);
    CBShowBasenote->setChecked(FHost.ArrowsVisible());
    FArrowsVisible = FHost.ArrowsVisible();
    FPaintStyle = int(m.PaintStyle());
    FKeyWidthPosition = FKeyWidthBar->value();

    if (CBUpDown->count() < 2)
        FillLists();
    for (int j = 0; j < 2; ++j)
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 5; ++b)
                FJoystickMap[j][a][b] = FHost.JoystickCode(j, a, b);
    ShowJoystickAssignment();

    CBUpDown->setCurrentIndex(CodeToEntry(m.UpDownController()));
    CBLeftRight->setCurrentIndex(CodeToEntry(m.LeftRightController()));
    SetKeyEdit(*VKUpper, m.UpperCScanCode());
    SetKeyEdit(*VKLower, m.LowerCScanCode());
    CBMW->setCurrentIndex(std::clamp(FHost.ModWheelController(), 0, 127));
    CBMouseWheel->setCurrentIndex(CodeToEntry(FHost.MouseWheelController()));
    TBMouseWheelSensitivity->setValue(FHost.MouseWheelSensitivity());

    switch (m.Language()) {
    case TLanguage::German:
        RBNoteGerman->setChecked(true);
        break;
    case TLanguage::Italian:
        RBNoteItalian->setChecked(true);
        break;
    default:
        RBNoteInternational->setChecked(true);
        break;
    }

    float f = m.VelocityShiftFactor();
    if (f == 0.0f)
        f = 0.01f;
    RBShiftVelLouder->setChecked(f > 1.0f);
    RBShiftVelQuieter->setChecked(!(f > 1.0f));
    UDShiftVel->SetPosition(int(std::lround((f > 1.0f ? f - 1.0 : 1.0 - f) * 100.0)));
    UDVelocity->SetPosition(m.Velocity());
}

void TSettings::ApplySettings() {
    UDVelocity->CommitTyped();
    UDShiftVel->CommitTyped();
    TKeyboardModel &m = FHost.Keyboard().Model();
    m.SetUpDownController(EntryToCode(CBUpDown->currentIndex()));
    m.SetLeftRightController(EntryToCode(CBLeftRight->currentIndex()));
    if (VKUpper->Sequence().Count() == 1)
        m.SetUpperCScanCode(VKUpper->Sequence().EventAt(0).EventScanCode());
    if (VKLower->Sequence().Count() == 1)
        m.SetLowerCScanCode(VKLower->Sequence().EventAt(0).EventScanCode());
    FHost.SetModWheelController(CBMW->currentIndex());
    FHost.SetWheelController(EntryToCode(CBMouseWheel->currentIndex()));
    FHost.SetMouseWheelSensitivity(TBMouseWheelSensitivity->value());
    for (int j = 0; j < 2; ++j)
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 5; ++b)
                FHost.SetJoystickCode(j, a, b, FJoystickMap[j][a][b]);
    FHost.UpdateJoystickEnable();
    m.SetLanguage(RBNoteGerman->isChecked()    ? TLanguage::German
                  : RBNoteItalian->isChecked() ? TLanguage::Italian
                                               : TLanguage::International);
    FHost.Keyboard().update();
    FKeyWidthPosition = FKeyWidthBar->value();
    FPaintStyle = int(m.PaintStyle());
    const float p = float(UDShiftVel->Position()) / 100.0f;
    m.SetVelocityShiftFactor(RBShiftVelLouder->isChecked() ? 1.0f + p : 1.0f - p);
    m.SetVelocity(UDVelocity->Position());
}

void TSettings::reject() {
    // The close box keeps the live options as they are; Cancel and Esc undo them.
    if (!FByCloseBox)
        BCancelClick();
    QDialog::reject();
}

void TSettings::BCancelClick() {
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
    if (CBJoyAction->currentIndex() < 0)
        CBJoyAction->setCurrentIndex(0);
    const auto [b, j, a] = JoystickAction(CBJoyAction->currentIndex());
    CBJoyController->setCurrentIndex(CodeToEntry(FJoystickMap[j][a][b] & 0xFF));
}

void TSettings::CBJoyControllerChange(int Entry) {
    if (CBJoyAction->currentIndex() < 0 || Entry < 0)
        return;
    const auto [b, j, a] = JoystickAction(CBJoyAction->currentIndex());
    FJoystickMap[j][a][b] = EntryToCode(Entry);
}

void TSettings::LearnController(int Code) {
    if (Code < 0 || Code > PitchWheelCode)
        return;
    if (CBUpDown->hasFocus()) {
        CBUpDown->setCurrentIndex(CodeToEntry(Code));
    } else if (CBLeftRight->hasFocus()) {
        CBLeftRight->setCurrentIndex(CodeToEntry(Code));
    } else if (CBMW->hasFocus()) {
        // The modulation strip sends control changes only.
        if (Code < PitchWheelCode)
            CBMW->setCurrentIndex(Code);
    } else if (PageControl->currentIndex() == pgJoystick && !CBDisableJoySetCtrl->isChecked()) {
        CBJoyController->setCurrentIndex(CodeToEntry(Code));
        CBJoyControllerChange(CBJoyController->currentIndex());
    } else if (PageControl->currentIndex() == pgMouseWheel) {
        CBMouseWheel->setCurrentIndex(CodeToEntry(Code));
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
