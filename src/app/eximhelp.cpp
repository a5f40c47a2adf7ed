#include "eximhelp.h"

#include "vclutil.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int DialogWidth = 440;

const std::array<QString, TExImHelp::epCount> Captions{
    QStringLiteral("Export Settings"),       QStringLiteral("Export Knob Presets"),
    QStringLiteral("Export Knob Snapshots"), QStringLiteral("Export Chords"),
    QStringLiteral("Import Settings"),       QStringLiteral("Import Knob Presets"),
    QStringLiteral("Import Knob Snapshots"), QStringLiteral("Import Chords")};

QLabel *Text(const QString &Text, const QString &Name = QString()) {
    auto *label = new QLabel(Text);
    label->setWordWrap(true);
    label->setObjectName(Name);
    return label;
}

QVBoxLayout *PageLayout(QWidget *Page) {
    auto *layout = new QVBoxLayout(Page);
    layout->setContentsMargins(12, 8, 12, 4);
    return layout;
}

} // namespace

TExImHelp::TExImHelp(QWidget *Owner) : QDialog(Owner) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedWidth(DialogWidth);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    LTitle = new QLabel;
    LTitle->setObjectName(QStringLiteral("LTitle"));
    QFont font = LTitle->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    LTitle->setFont(font);
    LTitle->setContentsMargins(12, 10, 12, 6);
    layout->addWidget(LTitle);

    PanelExportHint = new QFrame;
    PanelExportHint->setObjectName(QStringLiteral("PanelExportHint"));
    auto *hint = new QVBoxLayout(PanelExportHint);
    hint->setContentsMargins(12, 4, 12, 4);
    hint->addWidget(Text(QStringLiteral(
        "This is helpful when you want to transfer your settings to another computer, give them "
        "to a friend, or you have to reinstall Windows.")));
    layout->addWidget(PanelExportHint);

    Pages[epExportSettings] = Pages[epImportSettings] = SettingsPage();
    Pages[epExportKnobPresets] =
        TextPage(QStringLiteral("All your stored knob presets are written to the ini file, each "
                                "under its own name."),
                 QStringLiteral("Knobs you changed but did not save as a preset are not "
                                "exported, nor is the built-in preset \"Default\"."));
    Pages[epExportKnobSnapshots] =
        TextPage(QStringLiteral("The knob snapshots of the Knobs menu are written to the ini "
                                "file with their names and values."),
                 QStringLiteral("Only the snapshots you have defined are exported."));
    Pages[epExportChords] = TextPage(
        QStringLiteral("Your custom chords are written to the ini file with their names and "
                       "notes."),
        QStringLiteral("The built-in chords (Major, Minor, ...) are not exported."));
    Pages[epImportKnobPresets] = ChoicePage(
        QStringLiteral("Knob presets are read from a previously exported ini file. A "
                       "preset of the same name as one you have replaces it."),
        QStringLiteral("Overwrite existing knob presets"),
        QStringLiteral("Add to existing knob presets"), RBKnobPresetOverwrite, RBKnobPresetAdd);
    Pages[epImportKnobSnapshots] =
        TextPage(QStringLiteral("Knob snapshots are read from a previously exported ini file."),
                 QStringLiteral("Each snapshot in the file replaces the one of the same number; "
                                "the other snapshots stay as they are."));
    Pages[epImportChords] =
        ChoicePage(QStringLiteral("Custom chords are read from a previously exported ini file. "
                                  "A chord of the same name as one you have replaces it."),
                   QStringLiteral("Overwrite existing chords"),
                   QStringLiteral("Add to existing chords"), RBChordOverwrite, RBChordAdd);
    for (QWidget *page : Pages)
        if (layout->indexOf(page) < 0)
            layout->addWidget(page);

    CBDontShow = new QCheckBox(QStringLiteral("Don't show this again"));
    CBDontShow->setObjectName(QStringLiteral("CBDontShow"));
    auto *dontShow = new QVBoxLayout;
    dontShow->setContentsMargins(12, 4, 12, 4);
    dontShow->addWidget(CBDontShow);
    layout->addLayout(dontShow);

    auto *panelBottom = new QFrame;
    panelBottom->setObjectName(QStringLiteral("PanelBottom"));
    panelBottom->setFrameShape(QFrame::StyledPanel);
    auto *bottom = new QVBoxLayout(panelBottom);
    bottom->setContentsMargins(12, 6, 12, 8);
    bottom->addWidget(Text(QStringLiteral("Click OK to continue, or Cancel to cancel this "
                                          "operation.")));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addWidget(panelBottom);
}

QWidget *TExImHelp::SettingsPage() {
    auto *page = new QWidget;
    QVBoxLayout *layout = PageLayout(page);
    LExportSettings1 =
        Text(QStringLiteral("Your settings are written to an ini file. They include:"),
             QStringLiteral("LExportSettings1"));
    LImportSettings1 =
        Text(QStringLiteral("Settings are read from a previously exported ini file. They include:"),
             QStringLiteral("LImportSettings1"));
    layout->addWidget(LExportSettings1);
    layout->addWidget(LImportSettings1);
    auto *list = Text(QStringLiteral("- Keyboard settings (like key width)\n"
                                     "- window size and position\n"
                                     "- most other options of the settings dialog.\n"
                                     "- mouse wheel assignment\n"
                                     "- joystick assignment\n"
                                     "- which patch, chord, knob preset is selected"));
    list->setContentsMargins(12, 4, 0, 4);
    layout->addWidget(list);
    LExportSettings2 = Text(QStringLiteral("Knob presets, knob snapshots and chords are not part "
                                           "of the settings: export them on their own."),
                            QStringLiteral("LExportSettings2"));
    LImportSettings2 =
        Text(QStringLiteral("The selected program, bank, knob preset and the joystick assignment "
                            "take effect the next time Ondrel starts; the rest at once."),
             QStringLiteral("LImportSettings2"));
    layout->addWidget(LExportSettings2);
    layout->addWidget(LImportSettings2);
    return page;
}

QWidget *TExImHelp::TextPage(const QString &Text, const QString &Bottom) {
    auto *page = new QWidget;
    QVBoxLayout *layout = PageLayout(page);
    layout->addWidget(::Text(Text));
    layout->addWidget(::Text(Bottom));
    return page;
}

QWidget *TExImHelp::ChoicePage(const QString &Text, const QString &Overwrite, const QString &Add,
                               QRadioButton *&RBOverwrite, QRadioButton *&RBAdd) {
    auto *page = new QWidget;
    QVBoxLayout *layout = PageLayout(page);
    layout->addWidget(::Text(Text));
    RBOverwrite = new QRadioButton(Overwrite);
    RBAdd = new QRadioButton(Add);
    layout->addWidget(RBOverwrite);
    layout->addWidget(RBAdd);
    return page;
}

bool TExImHelp::AlwaysShown(int Index) {
    return Index == epImportKnobPresets || Index == epImportChords;
}

QString TExImHelp::PageCaption(int Index) {
    return Index >= 0 && Index < epCount ? Captions[size_t(Index)] : QString();
}

void TExImHelp::SetPage(int Index, bool Flag) {
    FIndex = std::clamp(Index, 0, epCount - 1);
    CBDontShow->setChecked(Flag);
    setWindowTitle(Captions[size_t(FIndex)]);
    LTitle->setText(Captions[size_t(FIndex)]);
    PanelExportHint->setVisible(FIndex <= epExportChords);
    for (QWidget *page : Pages)
        page->setVisible(page == Pages[size_t(FIndex)]);
    const bool exporting = FIndex == epExportSettings;
    LExportSettings1->setVisible(exporting);
    LExportSettings2->setVisible(exporting);
    LImportSettings1->setVisible(!exporting);
    LImportSettings2->setVisible(!exporting);
    if (FIndex == epImportKnobPresets) {
        RBKnobPresetOverwrite->setChecked(Flag);
        RBKnobPresetAdd->setChecked(!Flag);
    } else if (FIndex == epImportChords) {
        RBChordOverwrite->setChecked(Flag);
        RBChordAdd->setChecked(!Flag);
    }
    CBDontShow->setVisible(!AlwaysShown(FIndex));
    // The window is as high as what the page shows, no more.
    layout()->invalidate();
    layout()->activate();
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(DialogWidth)
                                                     : layout()->totalSizeHint().height();
    setFixedHeight(height);
}

bool TExImHelp::ShowPage(int Index, bool &Flag) {
    SetPage(Index, Flag);
    CenterOnForm(*this, parentWidget());
    if (exec() != QDialog::Accepted)
        return false;
    if (FIndex == epImportKnobPresets)
        Flag = RBKnobPresetOverwrite->isChecked();
    else if (FIndex == epImportChords)
        Flag = RBChordOverwrite->isChecked();
    else
        Flag = CBDontShow->isChecked();
    return true;
}
