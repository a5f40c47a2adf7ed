#include "dialogs/transposeform.h"

#include "controls/formstate.h"
#include "core/keyboardmodel.h"
#include "dialogs/numberedit.h"
#include "core/registryinifile.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 267;
constexpr int ClientHeight = 389;
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
    setWindowTitle(QStringLiteral("Transpose"));
    setObjectName(QStringLiteral("TransposeForm"));

    TransposeBevel = new QFrame(this);
    TransposeBevel->setFrameShape(QFrame::Box);
    TransposeBevel->setFrameShadow(QFrame::Sunken);
    TransposeBevel->setGeometry(8, 8, 251, 137);

    HelpLabel = WrappedLabel(QStringLiteral("Number of semi- tones to transpose:"), this);
    HelpLabel->setGeometry(16, 14, 130, 34);
    TransposeUpDown = new TNumberEdit(-TransposeLimit, TransposeLimit, this);
    TransposeUpDown->setGeometry(160, 18, 70, 22);
    TransposeEdit = TransposeUpDown->Edit();
    TransposeEdit->setText(QStringLiteral("0"));
    TransposeUpDown->OnClick = [this](int Position) { FKeyboard.SetTranspose(Position); };
    TransposeUpDown->OnEntered = [this](int Value) { TransposeEntered(Value); };
    TransposeUpDown->OnRevert = [this] { return FKeyboard.Transpose(); };

    DisplayTransposedCheck =
        new QCheckBox(QStringLiteral("Display transposed notes on keyboard"), this);
    TransposeThruCheck = new QCheckBox(QStringLiteral("Transpose MIDI Thru notes"), this);
    TransposeThruCheck->setChecked(true);
    KeepTransposeCheck =
        new QCheckBox(QStringLiteral("Keep transpose when this window is closed."), this);
    int y = 56;
    for (QCheckBox *c : {DisplayTransposedCheck, TransposeThruCheck, KeepTransposeCheck}) {
        c->setGeometry(16, y, 237, 24);
        y += 28;
    }
    connect(DisplayTransposedCheck, &QCheckBox::clicked, this,
            [this](bool On) { FKeyboard.SetDisplayTransposed(On); });
    connect(TransposeThruCheck, &QCheckBox::clicked, this, [this](bool On) { FKeyboard.SetTransposeThru(On); });

    HelpPanel = new QFrame(this);
    HelpPanel->setFrameShape(QFrame::StyledPanel);
    HelpPanel->setGeometry(8, 152, 251, 196);
    auto *help = new QVBoxLayout(HelpPanel);
    help->setContentsMargins(6, 6, 6, 6);
    for (const char *text :
         {"Use this window to transpose all outgoing notes either up (positive) or down "
          "(negative) in semi tones.",
          "Checking \"Display transposed notes on keyboard\" results in transposing before the "
          "notes are displayed on the keyboard. This may seem as playing wrong notes.",
          "Checking \"Transpose MIDI Thru notes\" will transpose also all notes that come in to "
          "the MIDI in port.",
          "When you check \"Keep transpose when this window is closed\", the notes keep on being "
          "transposed even when you have closed this window. Otherwise, closing this window "
          "resets to 0 transpose."}) {
        QLabel *l = WrappedLabel(QString::fromLatin1(text), HelpPanel);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        l->setFont(f);
        help->addWidget(l);
    }
    help->addStretch();

    CloseButton = new QPushButton(QStringLiteral("&Close"), this);
    HelpButton = new QPushButton(QStringLiteral("Hide help"), this);
    CloseButton->setDefault(true);
    HelpButton->setAutoDefault(false);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] { SetHelpVisible(!HelpVisible()); });
    FHideHelpCaption = HelpButton->text();

    setFixedSize(ClientWidth, ClientHeight);
    SetHelpVisible(true);
}

TTransposeForm::~TTransposeForm() = default;

bool TTransposeForm::HelpVisible() const {
    return !HelpPanel->isHidden();
}

void TTransposeForm::SetHelpVisible(bool Value) {
    HelpPanel->setVisible(Value);
    const int y = Value ? HelpPanel->geometry().bottom() + 1 + FGap : HelpPanel->y();
    CloseButton->setGeometry(ClientWidth - 8 - 75, y, 75, 25);
    HelpButton->setGeometry(8, y, 75, 25);
    HelpButton->setText(Value ? FHideHelpCaption : QStringLiteral("Show Help"));
    setFixedSize(ClientWidth, CloseButton->geometry().bottom() + 1 + FGap);
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
        FGap = HelpPanel->y() - (TransposeBevel->geometry().bottom() + 1);
        TransposeUpDown->SetPosition(FKeyboard.Transpose());
        DisplayTransposedCheck->setChecked(FKeyboard.DisplayTransposed());
        TransposeThruCheck->setChecked(FKeyboard.TransposeThru());
        if (QWidget *owner = parentWidget())
            move(owner->window()->frameGeometry().topLeft() + QPoint(10, 10));
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
