#include "app/eximhelp.h"

#include "app/messageboxes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int DialogWidth = 440;

const std::array<const char *, TExImHelp::epCount> Captions{
    QT_TRANSLATE_NOOP("TExImHelp", "Export Settings"),
    QT_TRANSLATE_NOOP("TExImHelp", "Export Knob Presets"),
    QT_TRANSLATE_NOOP("TExImHelp", "Export Knob Snapshots"),
    QT_TRANSLATE_NOOP("TExImHelp", "Export Chords"),
    QT_TRANSLATE_NOOP("TExImHelp", "Import Settings"),
    QT_TRANSLATE_NOOP("TExImHelp", "Import Knob Presets"),
    QT_TRANSLATE_NOOP("TExImHelp", "Import Knob Snapshots"),
    QT_TRANSLATE_NOOP("TExImHelp", "Import Chords")};

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

    TitleLabel = new QLabel;
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    QFont font = TitleLabel->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    TitleLabel->setFont(font);
    TitleLabel->setContentsMargins(12, 10, 12, 6);
    layout->addWidget(TitleLabel);

    ExportHintPanel = new QFrame;
    ExportHintPanel->setObjectName(QStringLiteral("ExportHintPanel"));
    auto *hint = new QVBoxLayout(ExportHintPanel);
    hint->setContentsMargins(12, 4, 12, 4);
    hint->addWidget(Text(
        tr("This is helpful when you want to transfer your settings to another computer, give them "
           "to a friend, or you have to reinstall your system.")));
    layout->addWidget(ExportHintPanel);

    Pages[epExportSettings] = Pages[epImportSettings] = SettingsPage();
    Pages[epExportKnobPresets] =
        TextPage(tr("All your stored knob presets are written to the ini file, each "
                    "under its own name."),
                 tr("Knobs you changed but did not save as a preset are not "
                    "exported, nor is the built-in preset \"Default\"."));
    Pages[epExportKnobSnapshots] =
        TextPage(tr("The knob snapshots of the Knobs menu are written to the ini "
                    "file with their names and values."),
                 tr("Only the snapshots you have defined are exported."));
    Pages[epExportChords] =
        TextPage(tr("Your custom chords are written to the ini file with their names and "
                    "notes."),
                 tr("The built-in chords (Major, Minor, ...) are not exported."));
    Pages[epImportKnobPresets] =
        ChoicePage(tr("Knob presets are read from a previously exported ini file. A "
                      "preset of the same name as one you have replaces it."),
                   tr("Overwrite existing knob presets"), tr("Add to existing knob presets"),
                   KnobPresetOverwriteRadio, KnobPresetAddRadio);
    Pages[epImportKnobSnapshots] =
        TextPage(tr("Knob snapshots are read from a previously exported ini file."),
                 tr("Each snapshot in the file replaces the one of the same number; "
                    "the other snapshots stay as they are."));
    Pages[epImportChords] =
        ChoicePage(tr("Custom chords are read from a previously exported ini file. "
                      "A chord of the same name as one you have replaces it."),
                   tr("Overwrite existing chords"), tr("Add to existing chords"),
                   ChordOverwriteRadio, ChordAddRadio);
    for (QWidget *page : Pages)
        if (layout->indexOf(page) < 0)
            layout->addWidget(page);

    DontShowCheck = new QCheckBox(tr("Don't show this again"));
    DontShowCheck->setObjectName(QStringLiteral("DontShowCheck"));
    auto *dontShow = new QVBoxLayout;
    dontShow->setContentsMargins(12, 4, 12, 4);
    dontShow->addWidget(DontShowCheck);
    layout->addLayout(dontShow);

    auto *panelBottom = new QFrame;
    panelBottom->setObjectName(QStringLiteral("BottomPanel"));
    panelBottom->setFrameShape(QFrame::StyledPanel);
    auto *bottom = new QVBoxLayout(panelBottom);
    bottom->setContentsMargins(12, 6, 12, 8);
    bottom->addWidget(Text(tr("Click OK to continue, or Cancel to cancel this "
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
    ExportSettingsText = Text(tr("Your settings are written to an ini file. They include:"),
                              QStringLiteral("ExportSettingsText"));
    ImportSettingsText =
        Text(tr("Settings are read from a previously exported ini file. They include:"),
             QStringLiteral("ImportSettingsText"));
    layout->addWidget(ExportSettingsText);
    layout->addWidget(ImportSettingsText);
    auto *list = Text(tr("- Keyboard settings (like key width)\n"
                         "- window size and position\n"
                         "- most other options of the settings dialog.\n"
                         "- mouse wheel assignment\n"
                         "- joystick assignment\n"
                         "- which patch, chord, knob preset is selected"));
    list->setContentsMargins(12, 4, 0, 4);
    layout->addWidget(list);
    ExportSettingsNote = Text(tr("Knob presets, knob snapshots and chords are not part "
                                 "of the settings: export them on their own."),
                              QStringLiteral("ExportSettingsNote"));
    ImportSettingsNote =
        Text(tr("The selected program, bank, knob preset and the joystick assignment "
                "take effect the next time Ondrel starts; the rest at once."),
             QStringLiteral("ImportSettingsNote"));
    layout->addWidget(ExportSettingsNote);
    layout->addWidget(ImportSettingsNote);
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
                               QRadioButton *&OverwriteRadio, QRadioButton *&AddRadio) {
    auto *page = new QWidget;
    QVBoxLayout *layout = PageLayout(page);
    layout->addWidget(::Text(Text));
    OverwriteRadio = new QRadioButton(Overwrite);
    AddRadio = new QRadioButton(Add);
    layout->addWidget(OverwriteRadio);
    layout->addWidget(AddRadio);
    return page;
}

bool TExImHelp::AlwaysShown(int Index) {
    return Index == epImportKnobPresets || Index == epImportChords;
}

QString TExImHelp::PageCaption(int Index) {
    return Index >= 0 && Index < epCount ? tr(Captions[size_t(Index)]) : QString();
}

void TExImHelp::SetPage(int Index, bool Flag) {
    FIndex = std::clamp(Index, 0, epCount - 1);
    DontShowCheck->setChecked(Flag);
    setWindowTitle(tr(Captions[size_t(FIndex)]));
    TitleLabel->setText(tr(Captions[size_t(FIndex)]));
    ExportHintPanel->setVisible(FIndex <= epExportChords);
    for (QWidget *page : Pages)
        page->setVisible(page == Pages[size_t(FIndex)]);
    const bool exporting = FIndex == epExportSettings;
    ExportSettingsText->setVisible(exporting);
    ExportSettingsNote->setVisible(exporting);
    ImportSettingsText->setVisible(!exporting);
    ImportSettingsNote->setVisible(!exporting);
    if (FIndex == epImportKnobPresets) {
        KnobPresetOverwriteRadio->setChecked(Flag);
        KnobPresetAddRadio->setChecked(!Flag);
    } else if (FIndex == epImportChords) {
        ChordOverwriteRadio->setChecked(Flag);
        ChordAddRadio->setChecked(!Flag);
    }
    DontShowCheck->setVisible(!AlwaysShown(FIndex));
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
        Flag = KnobPresetOverwriteRadio->isChecked();
    else if (FIndex == epImportChords)
        Flag = ChordOverwriteRadio->isChecked();
    else
        Flag = DontShowCheck->isChecked();
    return true;
}
