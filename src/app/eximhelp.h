#pragma once

// The explanation shown before each export and import. For the two imports that merge into what
// is stored it also asks whether to overwrite or add; for the others it offers to stay away.

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;
class QWidget;

class TExImHelp : public QDialog {
    Q_OBJECT
public:
    // The operations, in the order of their flags; the index is also the page shown.
    enum TPage {
        epExportSettings,
        epExportKnobPresets,
        epExportKnobSnapshots,
        epExportChords,
        epImportSettings,
        epImportKnobPresets,
        epImportKnobSnapshots,
        epImportChords,
        epCount
    };

    explicit TExImHelp(QWidget *Owner);

    // Shows the page of operation Index modally, centred over the owner. True for OK, which also
    // updates Flag: overwrite (not add) for the two merging imports, "Don't show this again"
    // otherwise. Cancel leaves Flag alone.
    bool ShowPage(int Index, bool &Flag);
    // Prepares the page without showing it (ShowPage's first steps).
    void SetPage(int Index, bool Flag);
    // Whether the dialog is skipped while Flag is true; the merging imports always ask.
    static bool AlwaysShown(int Index);
    static QString PageCaption(int Index);

    QLabel *TitleLabel = nullptr;
    QWidget *ExportHintPanel = nullptr;
    QCheckBox *DontShowCheck = nullptr;
    QRadioButton *KnobPresetOverwriteRadio = nullptr;
    QRadioButton *KnobPresetAddRadio = nullptr;
    QRadioButton *ChordOverwriteRadio = nullptr;
    QRadioButton *ChordAddRadio = nullptr;
    QLabel *ExportSettingsText = nullptr;
    QLabel *ExportSettingsNote = nullptr;
    QLabel *ImportSettingsText = nullptr;
    QLabel *ImportSettingsNote = nullptr;
    // The page widget of each operation (settings export and import share one).
    std::array<QWidget *, epCount> Pages{};

private:
    QWidget *SettingsPage();
    QWidget *TextPage(const QString &Text, const QString &Bottom);
    QWidget *ChoicePage(const QString &Text, const QString &Overwrite, const QString &Add,
                        QRadioButton *&OverwriteRadio, QRadioButton *&AddRadio);

    int FIndex = 0;
};
