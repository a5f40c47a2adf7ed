#include "knobs/knobeditform.h"

#include "controls/formstate.h"
#include "controls/textinput.h"
#include "core/custominifile.h"
#include "core/midivocabulary.h"
#include "core/registryinifile.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

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

QLabel *FieldLabel(const QString &Text, QWidget *Buddy, QWidget *Parent) {
    auto *label = new QLabel(Text, Parent);
    label->setBuddy(Buddy);
    return label;
}

QLabel *WrappedLabel(const QString &Text, QWidget *Parent) {
    auto *label = new QLabel(Text, Parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The narrowest the dialog gets, so that its help texts wrap into few lines; its rows of
// controls may ask for more.
constexpr int MinimumWidth = 422;

} // namespace

// --- TKnobUpDown ---------------------------------------------------------------------------------

TKnobUpDown::TKnobUpDown(QWidget *Parent) : QSpinBox(Parent) {
    setAlignment(Qt::AlignRight);
    // A typed value counts once entered (Enter, or leaving the box), not at every digit.
    setKeyboardTracking(false);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (OnTyped && value() != FEnteredValue)
            OnTyped(value());
        FEnteredValue = value();
    });
}

void TKnobUpDown::focusInEvent(QFocusEvent *Event) {
    FEnteredValue = value();
    QSpinBox::focusInEvent(Event);
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
    if (ValueOf)
        if (const std::optional<int> v = ValueOf(Text.trimmed()))
            return *v;
    return QSpinBox::valueFromText(Text);
}

QValidator::State TKnobUpDown::validate(QString &Text, int &Pos) const {
    if (TextOf)
        for (int v = minimum(); v <= maximum(); ++v)
            if (TextOf(v) == Text)
                return QValidator::Acceptable;
    if (!ValueOf)
        return QSpinBox::validate(Text, Pos);
    const QString t = Text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+"))
        return QValidator::Intermediate;
    const std::optional<int> v = ValueOf(t);
    return v && *v >= minimum() && *v <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
}

// --- TKnobEditForm -------------------------------------------------------------------------------

TKnobEditForm::TKnobEditForm(TKnobList &KnobBar, QWidget *Owner)
    : QDialog(Owner, Qt::Tool), FKnobBar(KnobBar) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Knob Preset Editor"));

    // Laid out rather than placed, so that larger fonts (a high-DPI desktop) grow the dialog
    // instead of cutting its texts off.
    IntroLabel = WrappedLabel(tr("You can place knobs on the keyboard. These knobs send "
                                 "controller data to your MIDI device or sequencer."),
                              this);
    HelpLabel = WrappedLabel(tr("Here you can define which knobs to display and their "
                                "properties. You can also save presets with sets of "
                                "knobs."),
                             this);

    KnobCountGroup = new QGroupBox(tr("Knob count:"), this);
    KnobCountUpDown = new TKnobUpDown(KnobCountGroup);
    KnobCountUpDown->setRange(0, FWorkingList.MaxCount());
    KnobCountUpDown->OnStep = [this](int direction) { KnobCountStep(direction); };
    KnobCountUpDown->OnTyped = [this](int count) { KnobCountTyped(count); };
    KnobCountEdit = KnobCountUpDown->Edit();
    auto *countRow = new QHBoxLayout(KnobCountGroup);
    countRow->addWidget(KnobCountUpDown);

    KnobPresetsGroup = new QGroupBox(tr("Knob Presets"), this);
    PresetsBox = new QComboBox(KnobPresetsGroup);
    PresetsBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    PresetsBox->setMinimumContentsLength(12);
    connect(PresetsBox, &QComboBox::activated, this, &TKnobEditForm::PresetChosen);
    NewPresetButton = new QPushButton(tr("New"), KnobPresetsGroup);
    connect(NewPresetButton, &QPushButton::clicked, this, [this] { NewPreset(); });
    SavePresetButton = new QPushButton(tr("Save"), KnobPresetsGroup);
    connect(SavePresetButton, &QPushButton::clicked, this, &TKnobEditForm::SaveEditedPreset);
    DeletePresetButton = new QPushButton(tr("Delete"), KnobPresetsGroup);
    connect(DeletePresetButton, &QPushButton::clicked, this, &TKnobEditForm::DeletePreset);
    auto *presetRow = new QHBoxLayout(KnobPresetsGroup);
    presetRow->addWidget(PresetsBox, 1);
    for (QPushButton *b : {NewPresetButton, SavePresetButton, DeletePresetButton})
        presetRow->addWidget(b);

    NoKnobsPanel = new QLabel(tr("No Knobs !"), this);
    NoKnobsPanel->setAlignment(Qt::AlignCenter);
    NoKnobsPanel->setFrameShape(QFrame::StyledPanel);
    QFont big = NoKnobsPanel->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    NoKnobsPanel->setFont(big);

    KnobTabControl = new QWidget(this);
    KnobTabs = new QTabBar(KnobTabControl);
    KnobTabs->setExpanding(false);
    KnobTabs->setUsesScrollButtons(true);
    connect(KnobTabs, &QTabBar::currentChanged, this, [this] { TabChanged(); });
    auto *page = new QFrame(KnobTabControl);
    page->setFrameShape(QFrame::StyledPanel);
    auto *tabColumn = new QVBoxLayout(KnobTabControl);
    tabColumn->setContentsMargins(0, 0, 0, 0);
    tabColumn->setSpacing(0);
    tabColumn->addWidget(KnobTabs);
    tabColumn->addWidget(page, 1);

    KnobNameEdit = new QLineEdit(page);
    connect(KnobNameEdit, &QLineEdit::textEdited, this, [this] {
        if (!FFilling)
            FModified = true;
    });
    KnobControllerBox = new QComboBox(page);
    KnobControllerBox->setMaxVisibleItems(20);
    // As wide as its longest controller name, which it gets only once shown.
    KnobControllerBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(KnobControllerBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!FFilling)
            FModified = true;
    });
    connect(KnobControllerBox, &QComboBox::activated, this, &TKnobEditForm::KnobControllerChosen);

    KnobRangeGroup = new QGroupBox(tr("Display Range"), page);
    KnobPositiveRadio = new QRadioButton(tr("&0 .. 127"), KnobRangeGroup);
    KnobNegativeRadio = new QRadioButton(tr("-&64 .. +63"), KnobRangeGroup);
    connect(KnobPositiveRadio, &QRadioButton::clicked, this, &TKnobEditForm::RangeClicked);
    connect(KnobNegativeRadio, &QRadioButton::clicked, this, &TKnobEditForm::RangeClicked);
    RangeHelpLabel =
        WrappedLabel(tr("This determines, how the values of the Controller are displayed, "
                        "either in absolute values 0 to 127 or relative values from -64 to +63."),
                     KnobRangeGroup);
    auto *ranges = new QVBoxLayout;
    ranges->addWidget(KnobPositiveRadio);
    ranges->addWidget(KnobNegativeRadio);
    ranges->addStretch();
    auto *rangeRow = new QHBoxLayout(KnobRangeGroup);
    rangeRow->addLayout(ranges);
    rangeRow->addWidget(RangeHelpLabel, 1);

    DefaultValueUpDown = new TKnobUpDown(page);
    DefaultValueUpDown->setRange(0, 127);
    DefaultValueUpDown->setAccelerated(true);
    DefaultValueUpDown->TextOf = [this](int value) {
        if (!KnobNegativeRadio->isChecked())
            return QString::number(value);
        return (value > 63 ? QStringLiteral("+") : QString()) + QString::number(value - 64);
    };
    // Typed as it is shown: -64..+63 in the relative range.
    DefaultValueUpDown->ValueOf = [this](const QString &text) -> std::optional<int> {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok)
            return std::nullopt;
        return KnobNegativeRadio->isChecked() ? value + 64 : value;
    };
    DefaultValueUpDown->OnClick = [this](int) {
        FModified = true;
        DefaultValueUpDown->RefreshText();
    };
    DefaultValueUpDown->OnTyped = [this](int) {
        if (FFilling)
            return;
        FModified = true;
        DefaultValueUpDown->RefreshText();
    };
    DefaultValueEdit = DefaultValueUpDown->Edit();
    DefaultValueEdit->setMaxLength(3);

    auto *fields = new QGridLayout(page);
    fields->addWidget(FieldLabel(tr("&Name"), KnobNameEdit, page), 0, 0);
    fields->addWidget(KnobNameEdit, 0, 1);
    fields->addWidget(FieldLabel(tr("&Controller"), KnobControllerBox, page), 1, 0);
    fields->addWidget(KnobControllerBox, 1, 1);
    fields->addWidget(KnobRangeGroup, 2, 0, 1, 3);
    fields->addWidget(FieldLabel(tr("&Default Value"), DefaultValueUpDown, page), 3, 0);
    fields->addWidget(DefaultValueUpDown, 3, 1, Qt::AlignLeft);
    fields->setColumnStretch(2, 1);
    fields->setRowStretch(4, 1);

    OkButton = new QPushButton(tr("&OK"), this);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &TKnobEditForm::AcceptChanges);
    CancelButton = new QPushButton(tr("Cancel"), this);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    ApplyButton = new QPushButton(tr("&Apply"), this);
    connect(ApplyButton, &QPushButton::clicked, this, &TKnobEditForm::ApplyChanges);

    auto *top = new QHBoxLayout;
    top->addWidget(KnobCountGroup);
    top->addWidget(KnobPresetsGroup, 1);
    // The panel and the tab control share one place: the panel shows while there is no knob.
    auto *knobArea = new QGridLayout;
    for (QWidget *w : {static_cast<QWidget *>(NoKnobsPanel), KnobTabControl}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // the dialog keeps its size as knobs come and go
        w->setSizePolicy(policy);
        knobArea->addWidget(w, 0, 0);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {OkButton, CancelButton, ApplyButton})
        buttons->addWidget(b);
    auto *column = new QVBoxLayout(this);
    column->addWidget(IntroLabel);
    column->addWidget(HelpLabel);
    column->addLayout(top);
    column->addLayout(knobArea, 1);
    column->addLayout(buttons);

    UpdateButtons();
    FitSize();
}

TKnobEditForm::~TKnobEditForm() {
    // Hiding the dialog on its way out takes the focus from a number box, which would enter
    // what it holds into a form that is going.
    KnobCountUpDown->OnTyped = nullptr;
    DefaultValueUpDown->OnTyped = nullptr;
}

void TKnobEditForm::FitSize() {
    // Wrapped texts take the height they need at the width the other rows need.
    QLayout *l = layout();
    l->activate();
    const int width = std::max(MinimumWidth, l->minimumSize().width());
    const int height =
        std::max(l->minimumSize().height(),
                 l->hasHeightForWidth() ? l->totalHeightForWidth(width) : l->sizeHint().height());
    setFixedSize(width, height);
}

void TKnobEditForm::showEvent(QShowEvent *Event) {
    if (!FShown) {
        FShown = true;
        LoadPosition();
        PrepareShow();
    }
    QDialog::showEvent(Event);
}

void TKnobEditForm::PrepareShow() {
    FFilling = true;
    KnobControllerBox->clear();
    KnobControllerBox->addItems(MidiTool::ControllerEntries());

    PresetsBox->clear();
    QStringList names;
    try {
        ListKnobPresetsInRegistry(names, KnobPresetsKey);
    } catch (const EIniFileException &e) {
        qWarning("Knob presets not listed: %s", qUtf8Printable(e.Message()));
        names.clear();
    } catch (const std::exception &e) {
        qWarning("Knob presets not listed: %s", e.what());
        names.clear();
    }
    for (const QString &name : names)
        InsertPresetName(name);
    const QString current = CurrentPresetName ? CurrentPresetName() : QString();
    int index = -1;
    for (int i = 0; i < PresetsBox->count(); ++i)
        if (SameName(PresetsBox->itemText(i), current))
            index = i;
    SelectPresetIndex(index);
    FFilling = false;

    FWorkingList.Assign(FKnobBar);
    RebuildTabs();
    if (KnobTabs->count() > 0)
        KnobTabs->setCurrentIndex(0);
    ShowTab();
    FModified = false;
    FitSize();
}

// --- Tabs ---------------------------------------------------------------------------------------

void TKnobEditForm::RebuildTabs() {
    const bool commit = FCommitEnabled;
    FCommitEnabled = false;
    const int count = FWorkingList.Count();
    while (KnobTabs->count() < count)
        KnobTabs->addTab(tr("Knob %1").arg(KnobTabs->count() + 1));
    while (KnobTabs->count() > count) {
        KnobTabs->removeTab(KnobTabs->count() - 1);
        KnobTabs->setCurrentIndex(KnobTabs->count() - 1);
    }
    KnobCountUpDown->setValue(count);
    KnobTabControl->setVisible(count > 0);
    NoKnobsPanel->setVisible(count == 0);
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
        KnobNameEdit->clear();
        KnobControllerBox->setCurrentIndex(-1);
        DefaultValueUpDown->setValue(0);
        DefaultValueEdit->clear();
    } else {
        FShownTab = i;
        const TKnobEntry &entry = FWorkingList.Entry(i);
        FShownController = entry.IUser;
        KnobNameEdit->setText(entry.GetCaption());
        KnobControllerBox->setCurrentIndex(
            std::clamp(entry.IUser, 0, KnobControllerBox->count() - 1));
        KnobPositiveRadio->setChecked(entry.DisplayMode == TKnobList::dmAbsolute);
        KnobNegativeRadio->setChecked(entry.DisplayMode == TKnobList::dmRelative);
        DefaultValueUpDown->setValue(entry.DefaultValue);
        DefaultValueUpDown->RefreshText();
    }
    FCommitEnabled = commit;
    FFilling = false;
}

void TKnobEditForm::CommitTab() {
    if (!FCommitEnabled || FShownTab < 0 || FShownTab >= FWorkingList.Count())
        return;
    FCommitEnabled = false;
    TKnobEntry &entry = FWorkingList.Entry(FShownTab);
    const int iuser = std::max(0, KnobControllerBox->currentIndex());
    const int mode = KnobNegativeRadio->isChecked() ? TKnobList::dmRelative : TKnobList::dmAbsolute;
    // A controller picked by learning changes no flag of its own: it counts once committed.
    if (entry.GetCaption() != KnobNameEdit->text() || entry.IUser != iuser ||
        entry.DisplayMode != mode || entry.DefaultValue != DefaultValueUpDown->value())
        FModified = true;
    entry.SetCaption(KnobNameEdit->text());
    entry.IUser = iuser;
    entry.DisplayMode = mode;
    entry.DefaultValue = DefaultValueUpDown->value();
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
        const int controller = NewKnobController(FWorkingList);
        FWorkingList.Add(ControllerCaption(controller), controller, TKnobList::dmAbsolute, 0);
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
        KnobCountUpDown->setValue(count);
    }
    FCommitEnabled = commit;
    ShowTab();
}

// --- Fields -------------------------------------------------------------------------------------

void TKnobEditForm::KnobControllerChosen(int Index) {
    if (FFilling || Index < 0 || FShownTab < 0)
        return;
    FModified = true;
    // Only the previous controller's own name gives way: "Cutoff" typed by the user stays.
    const QString typed = KnobNameEdit->text();
    const bool ownName = typed.trimmed().isEmpty() ||
                         (FShownController >= 0 && typed == ControllerCaption(FShownController));
    FShownController = Index;
    if (!ownName)
        return;
    const QString caption = ControllerCaption(Index);
    FFilling = true;
    KnobNameEdit->setText(caption);
    FFilling = false;
    FWorkingList.Entry(FShownTab).SetCaption(caption);
}

void TKnobEditForm::KnobCountTyped(int Count) {
    while (FWorkingList.Count() < Count && FWorkingList.Count() < FWorkingList.MaxCount())
        KnobCountStep(1);
    while (FWorkingList.Count() > Count && FWorkingList.Count() > 0)
        KnobCountStep(-1);
}

void TKnobEditForm::RangeClicked() {
    if (FFilling)
        return;
    FModified = true;
    DefaultValueUpDown->RefreshText();
}

void TKnobEditForm::SelectController(int Number) {
    if (!KnobControllerBox->hasFocus() || KnobControllerBox->count() == 0)
        return;
    FFilling = true;
    KnobControllerBox->setCurrentIndex(std::clamp(Number, 0, KnobControllerBox->count() - 1));
    FFilling = false;
}

void TKnobEditForm::UpdateButtons() {
    const bool selected = PresetsBox->currentIndex() >= 0;
    SavePresetButton->setEnabled(selected);
    DeletePresetButton->setEnabled(selected);
}

// --- Presets ------------------------------------------------------------------------------------

int TKnobEditForm::InsertPresetName(const QString &Name) {
    int at = 0;
    while (at < PresetsBox->count() &&
           PresetsBox->itemText(at).compare(Name, Qt::CaseInsensitive) < 0)
        ++at;
    PresetsBox->insertItem(at, Name);
    return at;
}

void TKnobEditForm::SelectPresetIndex(int Index) {
    PresetsBox->setCurrentIndex(Index);
    FPresetIndex = PresetsBox->currentIndex();
    UpdateButtons();
}

bool TKnobEditForm::AskToSave() {
    if (!FModified)
        return true;
    const QString text =
        FPresetIndex >= 0
            ? tr("You have made changes to knob preset \"%1\". Do you want to save "
                 "it ?")
                  .arg(PresetsBox->itemText(FPresetIndex))
            : tr("You have changed the knobs. Do you want to save them as a preset ?");
    const auto answer = QMessageBox::question(
        this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer != QMessageBox::Yes)
        return true;
    if (FPresetIndex >= 0) {
        SaveUnder(PresetsBox->itemText(FPresetIndex));
        return true;
    }
    // Cancelling the name keeps the dialog as it is rather than dropping the changes.
    return NewPreset();
}

bool TKnobEditForm::NewPreset() {
    QString name = tr("New Preset");
    for (;;) {
        bool ok = false;
        name = AskText(this, tr("Enter New Preset"), tr("Enter the name of the new knob preset:"),
                       name, &ok);
        if (!ok)
            return false;
        QString refusal;
        if (SameName(name, DefaultPresetName))
            refusal = tr("You can't name a preset \"%1\".").arg(DefaultPresetName);
        else if (SameName(name, ::CurrentPresetName))
            refusal = tr("You can't name a preset \"%1\".").arg(::CurrentPresetName);
        else if (name.trimmed().isEmpty())
            refusal = tr("Please enter a name for the preset.");
        else if (!IsStorablePresetName(name))
            refusal = tr("A preset name can't begin or end with a blank, nor hold "
                         "\"\\\", \"]\" or a line break.");
        else
            for (int i = 0; i < PresetsBox->count() && refusal.isEmpty(); ++i)
                if (SameName(PresetsBox->itemText(i), name))
                    refusal = tr("A preset with this name already exists !");
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
    } catch (const EIniFileException &e) {
        QMessageBox::critical(this, windowTitle(), e.Message());
        return;
    } catch (const std::exception &e) {
        QMessageBox::critical(this, windowTitle(), QString::fromLocal8Bit(e.what()));
        return;
    }
    if (OnPresetsChanged)
        OnPresetsChanged();
    FModified = false;
}

void TKnobEditForm::SaveEditedPreset() {
    if (PresetsBox->currentIndex() < 0) {
        QMessageBox::critical(this, windowTitle(),
                              tr("You must make a new preset before being able to save it."));
        return;
    }
    SaveUnder(PresetsBox->currentText());
    FPresetIndex = PresetsBox->currentIndex();
}

void TKnobEditForm::DeletePreset() {
    const int index = PresetsBox->currentIndex();
    if (index < 0) {
        QMessageBox::critical(this, windowTitle(), tr("Please select a preset to delete."));
        return;
    }
    const QString name = PresetsBox->itemText(index);
    QMessageBox box(QMessageBox::Critical, windowTitle(),
                    tr("Are you sure to delete preset \"%1\" ?\nThis can't be undone "
                       "later !")
                        .arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() != QMessageBox::Yes)
        return;
    PresetsBox->removeItem(index);
    // The knobs shown belonged to the preset just deleted, not to its neighbour in the box: with
    // the neighbour selected, Save and OK would write them over it.
    SelectPresetIndex(-1);
    try {
        TRegistryIniFile store(KnobPresetsKey);
        store.EraseSection(name);
    } catch (const EIniFileException &e) {
        QMessageBox::critical(this, windowTitle(), e.Message());
    } catch (const std::exception &e) {
        QMessageBox::critical(this, windowTitle(), QString::fromLocal8Bit(e.what()));
    }
    if (OnPresetsChanged)
        OnPresetsChanged();
}

void TKnobEditForm::PresetChosen(int Index) {
    if (Index == FPresetIndex)
        return;
    const QString chosen = PresetsBox->itemText(Index);
    if (!AskToSave()) {
        SelectPresetIndex(FPresetIndex);
        return;
    }
    // Saving through New may have added a name before the chosen one.
    Index = PresetsBox->findText(chosen);
    if (Index < 0)
        return;
    QString error;
    try {
        FWorkingList.LoadPreset(KnobPresetsKey, PresetsBox->itemText(Index));
    } catch (const EIniFileException &e) {
        error = e.Message();
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    SelectPresetIndex(Index);
    const bool commit = FCommitEnabled;
    FCommitEnabled = false;
    RebuildTabs();
    KnobTabs->setCurrentIndex(KnobTabs->count() > 0 ? 0 : -1);
    FCommitEnabled = commit;
    ShowTab();
    FModified = false;
    // Said over the knobs that did load.
    if (!error.isEmpty())
        QMessageBox::critical(this, windowTitle(), error);
    else if (!FWorkingList.LoadErrors().isEmpty())
        QMessageBox::warning(this, windowTitle(), FWorkingList.LoadErrors().join(u'\n'));
}

// --- Apply, OK, close ---------------------------------------------------------------------------

void TKnobEditForm::ApplyChanges() {
    // What the fields show counts, whether or not the tab was left before.
    CommitTab();
    if (FModified) {
        FKnobBar.Assign(FWorkingList);
        if (OnKnobsAssigned)
            OnKnobsAssigned();
    } else if (PresetsBox->currentIndex() >= 0 && OnSelectPreset) {
        OnSelectPreset(PresetsBox->currentText());
    }
}

void TKnobEditForm::AcceptChanges() {
    CommitTab();
    if (!AskToSave())
        return;
    ApplyChanges();
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
