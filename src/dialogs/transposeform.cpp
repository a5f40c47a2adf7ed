#include "dialogs/transposeform.h"

#include "controls/formstate.h"
#include "core/keyboardmodel.h"
#include "core/registryinifile.h"
#include "dialogs/numberedit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ClientWidth = 267;
constexpr int ButtonWidth = 75;
constexpr int TransposeLimit = 99;

QLabel *WrappedLabel(const QString &Text, QWidget *Parent) {
    auto *l = new QLabel(Text, Parent);
    l->setWordWrap(true);
    return l;
}

} // namespace

TTransposeForm::TTransposeForm(TKeyboardModel &Keyboard, QWidget *Owner)
    : QDialog(Owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FKeyboard(Keyboard) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Transpose"));
    setObjectName(QStringLiteral("TransposeForm"));

    // Everything is laid out from the texts' own sizes, so that larger fonts or other wording
    // never cut a text off; the window is no narrower than its designed 267 pixels.
    TransposeBevel = new QFrame(this);
    TransposeBevel->setFrameShape(QFrame::Box);
    TransposeBevel->setFrameShadow(QFrame::Sunken);
    auto *bevel = new QGridLayout(TransposeBevel);
    bevel->setContentsMargins(8, 6, 6, 6);
    bevel->setVerticalSpacing(4);

    HelpLabel = WrappedLabel(tr("Number of semi- tones to transpose:"), TransposeBevel);
    TransposeUpDown = new TNumberEdit(-TransposeLimit, TransposeLimit, TransposeBevel);
    TransposeUpDown->setMinimumWidth(TransposeUpDown->sizeHint().width());
    TransposeEdit = TransposeUpDown->Edit();
    TransposeEdit->setText(QStringLiteral("0"));
    TransposeUpDown->OnClick = [this](int Position) { FKeyboard.SetTranspose(Position); };
    TransposeUpDown->OnEntered = [this](int Value) { TransposeEntered(Value); };
    TransposeUpDown->OnRevert = [this] { return FKeyboard.Transpose(); };
    HelpLabel->setBuddy(TransposeEdit);
    TransposeUpDown->SetAccessibleNames(tr("Transpose"));
    bevel->addWidget(HelpLabel, 0, 0);
    bevel->addWidget(TransposeUpDown, 0, 1, Qt::AlignVCenter);
    bevel->setColumnStretch(0, 1);
    bevel->setRowMinimumHeight(1, 4);

    DisplayTransposedCheck =
        new QCheckBox(tr("Display transposed notes on keyboard"), TransposeBevel);
    TransposeThruCheck = new QCheckBox(tr("Transpose MIDI Thru notes"), TransposeBevel);
    TransposeThruCheck->setChecked(true);
    KeepTransposeCheck =
        new QCheckBox(tr("Keep transpose when this window is closed."), TransposeBevel);
    int row = 2;
    for (QCheckBox *c : {DisplayTransposedCheck, TransposeThruCheck, KeepTransposeCheck})
        bevel->addWidget(c, row++, 0, 1, 2);
    connect(DisplayTransposedCheck, &QCheckBox::clicked, this,
            [this](bool On) { FKeyboard.SetDisplayTransposed(On); });
    connect(TransposeThruCheck, &QCheckBox::clicked, this,
            [this](bool On) { FKeyboard.SetTransposeThru(On); });

    HelpPanel = new QFrame(this);
    HelpPanel->setFrameShape(QFrame::StyledPanel);
    auto *help = new QVBoxLayout(HelpPanel);
    help->setContentsMargins(6, 6, 6, 6);
    for (const char *text :
         {QT_TR_NOOP("Use this window to transpose all outgoing notes either up (positive) or down "
                     "(negative) in semi tones."),
          QT_TR_NOOP(
              "Checking \"Display transposed notes on keyboard\" results in transposing before the "
              "notes are displayed on the keyboard. This may seem as playing wrong notes."),
          QT_TR_NOOP("Checking \"Transpose MIDI Thru notes\" will transpose also all notes that "
                     "come in to "
                     "the MIDI in port."),
          QT_TR_NOOP(
              "When you check \"Keep transpose when this window is closed\", the notes keep on "
              "being "
              "transposed even when you have closed this window. Otherwise, closing this window "
              "resets to 0 transpose.")}) {
        QLabel *l = WrappedLabel(tr(text), HelpPanel);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        l->setFont(f);
        help->addWidget(l);
    }

    CloseButton = new QPushButton(tr("&Close"), this);
    HelpButton = new QPushButton(tr("Hide help"), this);
    // Wide enough for either caption, so that the button keeps its size when it toggles.
    const int helpWidth =
        std::max(HelpButton->sizeHint().width(), QPushButton(tr("Show Help")).sizeHint().width());
    HelpButton->setMinimumWidth(std::max(ButtonWidth, helpWidth));
    CloseButton->setMinimumWidth(std::max(ButtonWidth, CloseButton->sizeHint().width()));
    CloseButton->setDefault(true);
    HelpButton->setAutoDefault(false);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] { SetHelpVisible(!HelpVisible()); });
    FHideHelpCaption = HelpButton->text();

    // The gap below the bevel, below the help and below the buttons is the same.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(HelpButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(8, 8, 8, FGap);
    main->setSpacing(FGap);
    main->addWidget(TransposeBevel);
    main->addWidget(HelpPanel);
    main->addLayout(buttons);

    SetHelpVisible(true);
}

TTransposeForm::~TTransposeForm() = default;

bool TTransposeForm::HelpVisible() const {
    return !HelpPanel->isHidden();
}

void TTransposeForm::SetHelpVisible(bool Value) {
    HelpPanel->setVisible(Value);
    HelpButton->setText(Value ? FHideHelpCaption : tr("Show Help"));
    // The wrapped help texts take the height they need at the window's width.
    QLayout *main = layout();
    main->invalidate();
    const int width = std::max(ClientWidth, main->minimumSize().width());
    setFixedSize(width, main->totalHeightForWidth(width));
    main->activate();
}

void TTransposeForm::TransposeEntered(int Value) {
    if (Value >= -TransposeLimit && Value <= TransposeLimit)
        FKeyboard.SetTranspose(Value);
    // An entry out of range snaps back to what the keyboard has.
    TransposeUpDown->SetPosition(FKeyboard.Transpose());
}

void TTransposeForm::showEvent(QShowEvent *Event) {
    if (!FShown) {
        FShown = true;
        layout()->activate();
        FGap = HelpPanel->y() - (TransposeBevel->geometry().bottom() + 1);
        TransposeUpDown->SetPosition(FKeyboard.Transpose());
        DisplayTransposedCheck->setChecked(FKeyboard.DisplayTransposed());
        TransposeThruCheck->setChecked(FKeyboard.TransposeThru());
        // Beside the main window: over it, it would hide the keys being transposed.
        if (QWidget *owner = parentWidget())
            PlaceBeside(*this, *owner);
        LoadState();
    }
    QDialog::showEvent(Event);
}

void TTransposeForm::LoadState() {
    LoadDialogPosition(*this, StateSection, QStringLiteral("Form"));
    bool showHelp = HelpVisible();
    try {
        showHelp = TRegistryIniFile().ReadBool(StateSection, ValShowHelp, showHelp);
    } catch (const EIniFileException &e) {
        qWarning("Transpose help state not restored: %s", qUtf8Printable(e.Message()));
    } catch (const std::exception &e) {
        qWarning("Transpose help state not restored: %s", e.what());
    }
    SetHelpVisible(showHelp);
}

void TTransposeForm::SaveState() const {
    SaveDialogPosition(*this, StateSection, QStringLiteral("Form"));
    try {
        TRegistryIniFile().WriteBool(StateSection, ValShowHelp, HelpVisible());
    } catch (const EIniFileException &e) {
        qWarning("Transpose help state not saved: %s", qUtf8Printable(e.Message()));
    } catch (const std::exception &e) {
        qWarning("Transpose help state not saved: %s", e.what());
    }
}

void TTransposeForm::done(int Result) {
    if (!FClosing) {
        FClosing = true;
        if (!KeepTransposeCheck->isChecked())
            FKeyboard.SetTranspose(0);
        SaveState();
    }
    QDialog::done(Result);
}
