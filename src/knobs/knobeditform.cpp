#include "knobeditform.h"

#include "custominifile.h"
#include "midivocabulary.h"
#include "formstate.h"
#include "registryinifile.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>
#include <exception>

namespace {

bool SameName(const QString &A, const QString &B) {
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

// The controller's name as a knob caption: its list entry without the number in front.
QString ControllerCaption(int Number) {
    return MidiTool::ControllerEntry(Number).mid(4);
}

QLabel *FieldLabel(const QString &Text, QWidget *Buddy, const QRect &Place, QWidget *Parent) {
    auto *label = new QLabel(Text, Parent);
    label->setGeometry(Place);
    label->setBuddy(Buddy);
    return label;
}

} // namespace

// --- TKnobUpDown ---------------------------------------------------------------------------------

TKnobUpDown::TKnobUpDown(QWidget *Parent) : QSpinBox(Parent) {
    lineEdit()->setReadOnly(true);
    setAlignment(Qt::AlignRight);
}

void TKnobUpDown::RefreshText() {
    // Quietly, or the box would read the text back as a value typed in.
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(textFromValue(value()));
}

void TKnobUpDown::stepBy(int Steps) {
    if (OnStep) {
        OnStep(Steps > 0 ? 1 : -1);
        return;
    }
    const int before = value();
    QSpinBox::stepBy(Steps);
    if (value() != before && OnClick)
        OnClick(value());
}

QString TKnobUpDown::textFromValue(int Value) const {
    return TextOf ? TextOf(Value) : QSpinBox::textFromValue(Value);
}

int TKnobUpDown::valueFromText(const QString &Text) const {
    if (TextOf)
        for (int v = minimum(); v <= maximum(); ++v)
            if (TextOf(v) == Text)
                return v;
    return QSpinBox::valueFromText(Text);
}

QValidator::State TKnobUpDown::validate(QString &Text, int &Pos) const {
    if (TextOf)
        for (int v = minimum(); v <= maximum(); ++v)
            if (TextOf(v) == Text)
                return QValidator::Acceptable;
    return QSpinBox::validate(Text, Pos);
}

// --- TKnobEditForm -------------------------------------------------------------------------------

TKnobEditForm::TKnobEditForm(TKnobList &KnobBar, QWidget *Owner)
    : QDialog(Owner, Qt::Tool), FKnobBar(KnobBar) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Knob Preset Editor"));
    setFixedSize(422, 357);

    Label9 = new QLabel(QStringLiteral("You can place knobs on the keyboard. These knobs send "
                                       "controller data to your MIDI device or sequencer."),
                        this);
    Label9->setGeometry(8, 4, 406, 30);
    Label9->setWordWrap(true);
    Label1 = new QLabel(QStringLiteral("Here you can define which knobs to display and their "
                                       "properties. You can also save presets with sets of knobs."),
                        this);
    Label1->setGeometry(8, 34, 406, 30);
    Label1->setWordWrap(true);

    GBKnobCount = new QGroupBox(QStringLiteral("Knob count:"), this);
    GBKnobCount->setGeometry(8, 66, 100, 50);
    UDKnobCount = new TKnobUpDown(GBKnobCount);
    UDKnobCount->setGeometry(10, 20, 80, 24);
    UDKnobCount->setRange(0, FWorkingList.MaxCount());
    UDKnobCount->OnStep = [this](int direction) { KnobCountStep(direction); };
    EKnobCount = UDKnobCount->Edit();

    GBKnobPresets = new QGroupBox(QStringLiteral("Knob Presets"), this);
    GBKnobPresets->setGeometry(116, 66, 298, 50);
    CBPresets = new QComboBox(GBKnobPresets);
    CBPresets->setGeometry(8, 20, 122, 24);
    connect(CBPresets, &QComboBox::activated, this, &TKnobEditForm::CBPresetsChosen);
    BNewPreset = new QPushButton(QStringLiteral("New"), GBKnobPresets);
    BNewPreset->setGeometry(136, 20, 50, 24);
    connect(BNewPreset, &QPushButton::clicked, this, [this] { NewPreset(); });
    BSavePreset = new QPushButton(QStringLiteral("Save"), GBKnobPresets);
    BSavePreset->setGeometry(190, 20, 50, 24);
    connect(BSavePreset, &QPushButton::clicked, this, &TKnobEditForm::BSavePresetClick);
    BDeletePreset = new QPushButton(QStringLiteral("Delete"), GBKnobPresets);
    BDeletePreset->setGeometry(244, 20, 50, 24);
    connect(BDeletePreset, &QPushButton::clicked, this, &TKnobEditForm::BDeletePresetClick);

    const QRect tabArea(8, 122, 406, 196);
    Panel1 = new QLabel(QStringLiteral("No Knobs !"), this);
    Panel1->setGeometry(tabArea);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::StyledPanel);
    QFont big = Panel1->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    Panel1->setFont(big);

    KnobTabControl = new QWidget(this);
    KnobTabControl->setGeometry(tabArea);
    KnobTabs = new QTabBar(KnobTabControl);
    KnobTabs->setGeometry(0, 0, tabArea.width(), 26);
    KnobTabs->setExpanding(false);
    KnobTabs->setUsesScrollButtons(true);
    connect(KnobTabs, &QTabBar::currentChanged, this, [this] { TabChanged(); });
    auto *page = new QFrame(KnobTabControl);
    page->setFrameShape(QFrame::StyledPanel);
    page->setGeometry(0, 26, tabArea.width(), tabArea.height() - 26);

    EKnobName = new QLineEdit(page);
    EKnobName->setGeometry(100, 8, 160, 24);
    FieldLabel(QStringLiteral("&Name"), EKnobName, QRect(10, 8, 88, 24), page);
    connect(EKnobName, &QLineEdit::textEdited, this, [this] {
        if (!FFilling)
            FModified = true;
    });
    CBKnobCtrl = new QComboBox(page);
    CBKnobCtrl->setGeometry(100, 38, 200, 24);
    CBKnobCtrl->setMaxVisibleItems(20);
    FieldLabel(QStringLiteral("&Controller"), CBKnobCtrl, QRect(10, 38, 88, 24), page);
    connect(CBKnobCtrl, &QComboBox::currentIndexChanged, this, [this] {
        if (!FFilling)
            FModified = true;
    });
    connect(CBKnobCtrl, &QComboBox::activated, this, &TKnobEditForm::KnobCtrlChosen);

    GBKnobRange = new QGroupBox(QStringLiteral("Display Range"), page);
    GBKnobRange->setGeometry(10, 66, 384, 68);
    RBKnobPos = new QRadioButton(QStringLiteral("&0 .. 127"), GBKnobRange);
    RBKnobPos->setGeometry(10, 18, 110, 22);
    RBKnobNeg = new QRadioButton(QStringLiteral("-&64 .. +63"), GBKnobRange);
    RBKnobNeg->setGeometry(10, 40, 110, 22);
    connect(RBKnobPos, &QRadioButton::clicked, this, &TKnobEditForm::RangeClicked);
    connect(RBKnobNeg, &QRadioButton::clicked, this, &TKnobEditForm::RangeClicked);
    Label10 = new QLabel(QStringLiteral("This determines, how the values of the Controller are "
                                        "displayed, either in absolute values 0 to 127 or "
                                        "relative values from -64 to +64."),
                         GBKnobRange);
    Label10->setGeometry(124, 14, 252, 50);
    Label10->setWordWrap(true);

    UDDefaultValue = new TKnobUpDown(page);
    UDDefaultValue->setGeometry(110, 140, 70, 24);
    UDDefaultValue->setRange(0, 127);
    UDDefaultValue->setAccelerated(true);
    UDDefaultValue->TextOf = [this](int value) {
        if (!RBKnobNeg->isChecked())
            return QString::number(value);
        return (value > 63 ? QStringLiteral("+") : QString()) + QString::number(value - 64);
    };
    UDDefaultValue->OnClick = [this](int) {
        FModified = true;
        UDDefaultValue->RefreshText();
    };
    EDefaultValue = UDDefaultValue->Edit();
    EDefaultValue->setMaxLength(3);
    FieldLabel(QStringLiteral("&Default Value"), UDDefaultValue, QRect(10, 140, 98, 24), page);

    BOK = new QPushButton(QStringLiteral("&OK"), this);
    BOK->setGeometry(170, 326, 76, 25);
    BOK->setDefault(true);
    connect(BOK, &QPushButton::clicked, this, &TKnobEditForm::BOKClick);
    BCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BCancel->setGeometry(252, 326, 76, 25);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    BApply = new QPushButton(QStringLiteral("&Apply"), this);
    BApply->setGeometry(334, 326, 76, 25);
    connect(BApply, &QPushButton::clicked, this, &TKnobEditForm::BApplyClick);

    UpdateButtons();
}

TKnobEditForm::~TKnobEditForm() = default;

void TKnobEditForm::showEvent(QShowEvent *Event) {
    if (!FShown) {
        FShown = true;
        LoadPosition();
        FormShow();
    }
    QDialog::showEvent(Event);
}

void TKnobEditForm::FormShow() {
    FFilling = true;
    CBKnobCtrl->clear();
    CBKnobCtrl->addItems(MidiTool::ControllerEntries());

    CBPresets->clear();
    QStringList names;
    try {
        ListKnobPresetsInRegistry(names, KnobPresetsKey);
    } catch (...) {
        names.clear();
    }
    for (const QString &name : names)
        InsertPresetName(name);
    const QString current = CurrentPresetName ? CurrentPresetName() : QString();
    int index = -1;
    for (int i = 0; i < CBPresets->count(); ++i)
        if (SameName(CBPresets->itemText(i), current))
            index = i;
    SelectPresetIndex(index);
    FFilling = false;

    FWorkingList.Assign(FKnobBar);
    RebuildTabs();
    if (KnobTabs->count() > 0)
        KnobTabs->setCurrentIndex(0);
    ShowTab();
    FModified = false;
}

// --- Tabs ---------------------------------------------------------------------------------------

void TKnobEditForm::RebuildTabs() {
    const bool commit = FCommitEnabled;
    FCommitEnabled = false;
    const int count = FWorkingList.Count();
    while (KnobTabs->count() < count)
        KnobTabs->addTab(QStringLiteral("Knob %1").arg(KnobTabs->count() + 1));
    while (KnobTabs->count() > count) {
        KnobTabs->removeTab(KnobTabs->count() - 1);
        KnobTabs->setCurrentIndex(KnobTabs->count() - 1);
    }
    UDKnobCount->setValue(count);
    KnobTabControl->setVisible(count > 0);
    Panel1->setVisible(count == 0);
    FCommitEnabled = commit;
    ShowTab();
}

void TKnobEditForm::ShowTab() {
    const bool commit = FCommitEnabled;
    FFilling = true;
    FCommitEnabled = false;
    const int i = KnobTabs->currentIndex();
    if (i < 0 || i >= FWorkingList.Count()) {
        FShownTab = -1;
        EKnobName->clear();
        CBKnobCtrl->setCurrentIndex(-1);
        UDDefaultValue->setValue(0);
        EDefaultValue->clear();
    } else {
        FShownTab = i;
        const TKnobEntry &entry = FWorkingList.Entry(i);
        EKnobName->setText(entry.GetCaption());
        CBKnobCtrl->setCurrentIndex(std::clamp(entry.IUser, 0, CBKnobCtrl->count() - 1));
        RBKnobPos->setChecked(entry.DisplayMode == TKnobList::dmAbsolute);
        RBKnobNeg->setChecked(entry.DisplayMode == TKnobList::dmRelative);
        UDDefaultValue->setValue(entry.DefaultValue);
        UDDefaultValue->RefreshText();
    }
    FCommitEnabled = commit;
    FFilling = false;
}

void TKnobEditForm::CommitTab() {
    if (!FCommitEnabled || FShownTab < 0 || FShownTab >= FWorkingList.Count())
        return;
    FCommitEnabled = false;
    TKnobEntry &entry = FWorkingList.Entry(FShownTab);
    const int iuser = std::max(0, CBKnobCtrl->currentIndex());
    const int mode = RBKnobNeg->isChecked() ? TKnobList::dmRelative : TKnobList::dmAbsolute;
    // A controller picked by learning changes no flag of its own: it counts once committed.
    if (entry.GetCaption() != EKnobName->text() || entry.IUser != iuser ||
        entry.DisplayMode != mode || entry.DefaultValue != UDDefaultValue->value())
        FModified = true;
    entry.SetCaption(EKnobName->text());
    entry.IUser = iuser;
    entry.DisplayMode = mode;
    entry.DefaultValue = UDDefaultValue->value();
    FCommitEnabled = true;
}

void TKnobEditForm::TabChanged() {
    if (!FCommitEnabled)
        return;
    CommitTab();
    ShowTab();
}

void TKnobEditForm::KnobCountStep(int Direction) {
    CommitTab();
    const bool commit = FCommitEnabled;
    FCommitEnabled = false;
    const int count = FWorkingList.Count();
    if (Direction > 0 && count < FWorkingList.MaxCount()) {
        FWorkingList.Add(ControllerCaption(0), 0, TKnobList::dmAbsolute, 0);
        RebuildTabs();
        KnobTabs->setCurrentIndex(KnobTabs->count() - 1);
        FModified = true;
    } else if (Direction < 0 && count > 0) {
        const int selected = KnobTabs->currentIndex();
        FWorkingList.DeleteEntry(&FWorkingList.Entry(count - 1));
        RebuildTabs();
        KnobTabs->setCurrentIndex(selected < KnobTabs->count() ? selected : KnobTabs->count() - 1);
        FModified = true;
    } else {
        UDKnobCount->setValue(count);
    }
    FCommitEnabled = commit;
    ShowTab();
}

// --- Fields -------------------------------------------------------------------------------------

void TKnobEditForm::KnobCtrlChosen(int Index) {
    if (FFilling || Index < 0 || FShownTab < 0)
        return;
    FModified = true;
    const QString caption = ControllerCaption(Index);
    FFilling = true;
    EKnobName->setText(caption);
    FFilling = false;
    FWorkingList.Entry(FShownTab).SetCaption(caption);
}

void TKnobEditForm::RangeClicked() {
    if (FFilling)
        return;
    FModified = true;
    UDDefaultValue->RefreshText();
}

void TKnobEditForm::SelectController(int Number) {
    if (!CBKnobCtrl->hasFocus() || CBKnobCtrl->count() == 0)
        return;
    FFilling = true;
    CBKnobCtrl->setCurrentIndex(std::clamp(Number, 0, CBKnobCtrl->count() - 1));
    FFilling = false;
}

void TKnobEditForm::UpdateButtons() {
    const bool selected = CBPresets->currentIndex() >= 0;
    BSavePreset->setEnabled(selected);
    BDeletePreset->setEnabled(selected);
}

// --- Presets ------------------------------------------------------------------------------------

int TKnobEditForm::InsertPresetName(const QString &Name) {
    int at = 0;
    while (at < CBPresets->count() &&
           CBPresets->itemText(at).compare(Name, Qt::CaseInsensitive) < 0)
        ++at;
    CBPresets->insertItem(at, Name);
    return at;
}

void TKnobEditForm::SelectPresetIndex(int Index) {
    CBPresets->setCurrentIndex(Index);
    FPresetIndex = CBPresets->currentIndex();
    UpdateButtons();
}

bool TKnobEditForm::AskToSave() {
    if (!FModified)
        return true;
    const QString text =
        FPresetIndex >= 0
            ? QStringLiteral("You have made changes to knob preset \"%1\". Do you want to save "
                             "it ?")
                  .arg(CBPresets->itemText(FPresetIndex))
            : QStringLiteral("You have changed the knobs. Do you want to save them as a preset ?");
    const auto answer = QMessageBox::question(
        this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer != QMessageBox::Yes)
        return true;
    if (FPresetIndex >= 0) {
        SaveUnder(CBPresets->itemText(FPresetIndex));
        return true;
    }
    // Cancelling the name keeps the dialog as it is rather than dropping the changes.
    return NewPreset();
}

bool TKnobEditForm::NewPreset() {
    QString name = QStringLiteral("New Preset");
    for (;;) {
        bool ok = false;
        name = QInputDialog::getText(this, QStringLiteral("Enter New Preset"),
                                     QStringLiteral("Enter the name of the new knob preset:"),
                                     QLineEdit::Normal, name, &ok);
        if (!ok)
            return false;
        QString refusal;
        if (SameName(name, DefaultPresetName))
            refusal = QStringLiteral("You can't name a preset \"%1\".").arg(DefaultPresetName);
        else if (SameName(name, ::CurrentPresetName))
            refusal = QStringLiteral("You can't name a preset \"%1\".").arg(::CurrentPresetName);
        else if (name.trimmed().isEmpty())
            refusal = QStringLiteral("Please enter a name for the preset.");
        else if (!IsStorablePresetName(name))
            refusal = QStringLiteral("A preset name can't begin or end with a blank, nor hold "
                                     "\"\\\", \"]\" or a line break.");
        else
            for (int i = 0; i < CBPresets->count() && refusal.isEmpty(); ++i)
                if (SameName(CBPresets->itemText(i), name))
                    refusal = QStringLiteral("A preset with this name already exists !");
        if (refusal.isEmpty())
            break;
        QMessageBox::critical(this, windowTitle(), refusal);
    }
    SelectPresetIndex(InsertPresetName(name));
    SaveUnder(name);
    return true;
}

void TKnobEditForm::SaveUnder(const QString &Name) {
    CommitTab();
    try {
        FWorkingList.SavePreset(KnobPresetsKey, Name);
    } catch (const std::exception &e) {
        QMessageBox::critical(this, windowTitle(), QString::fromLocal8Bit(e.what()));
        return;
    }
    if (OnPresetsChanged)
        OnPresetsChanged();
    FModified = false;
}

void TKnobEditForm::BSavePresetClick() {
    if (CBPresets->currentIndex() < 0) {
        QMessageBox::critical(
            this, windowTitle(),
            QStringLiteral("You must make a new preset before being able to save it."));
        return;
    }
    SaveUnder(CBPresets->currentText());
    FPresetIndex = CBPresets->currentIndex();
}

void TKnobEditForm::BDeletePresetClick() {
    const int index = CBPresets->currentIndex();
    if (index < 0) {
        QMessageBox::critical(this, windowTitle(),
                              QStringLiteral("Please select a preset to delete."));
        return;
    }
    const QString name = CBPresets->itemText(index);
    QMessageBox box(QMessageBox::Critical, windowTitle(),
                    QStringLiteral("Are you sure to delete preset \"%1\" ?\nThis can't be undone "
                                   "later !")
                        .arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() != QMessageBox::Yes)
        return;
    CBPresets->removeItem(index);
    SelectPresetIndex(std::min(index, CBPresets->count() - 1));
    try {
        TRegistryIniFile store(KnobPresetsKey);
        store.EraseSection(name);
    } catch (const std::exception &e) {
        QMessageBox::critical(this, windowTitle(), QString::fromLocal8Bit(e.what()));
    }
    if (OnPresetsChanged)
        OnPresetsChanged();
}

void TKnobEditForm::CBPresetsChosen(int Index) {
    if (Index == FPresetIndex)
        return;
    const QString chosen = CBPresets->itemText(Index);
    if (!AskToSave()) {
        SelectPresetIndex(FPresetIndex);
        return;
    }
    // Saving through New may have added a name before the chosen one.
    Index = CBPresets->findText(chosen);
    if (Index < 0)
        return;
    try {
        FWorkingList.LoadPreset(KnobPresetsKey, CBPresets->itemText(Index));
    } catch (const std::exception &e) {
        QMessageBox::critical(this, windowTitle(), QString::fromLocal8Bit(e.what()));
    }
    SelectPresetIndex(Index);
    const bool commit = FCommitEnabled;
    FCommitEnabled = false;
    RebuildTabs();
    KnobTabs->setCurrentIndex(KnobTabs->count() > 0 ? 0 : -1);
    FCommitEnabled = commit;
    ShowTab();
    FModified = false;
}

// --- Apply, OK, close ---------------------------------------------------------------------------

void TKnobEditForm::BApplyClick() {
    // What the fields show counts, whether or not the tab was left before.
    CommitTab();
    if (FModified) {
        FKnobBar.Assign(FWorkingList);
        if (OnKnobsAssigned)
            OnKnobsAssigned();
    } else if (CBPresets->currentIndex() >= 0 && OnSelectPreset) {
        OnSelectPreset(CBPresets->currentText());
    }
}

void TKnobEditForm::BOKClick() {
    CommitTab();
    if (!AskToSave())
        return;
    BApplyClick();
    accept();
}

void TKnobEditForm::done(int Result) {
    if (!FClosing) {
        FClosing = true;
        SavePosition();
    }
    QDialog::done(Result);
}

void TKnobEditForm::LoadPosition() {
    if (QWidget *owner = parentWidget())
        move(owner->window()->frameGeometry().topLeft() + QPoint(20, 20));
    LoadDialogPosition(*this, StateSection, QStringLiteral("Form"));
}

void TKnobEditForm::SavePosition() const {
    SaveDialogPosition(*this, StateSection, QStringLiteral("Form"));
}
