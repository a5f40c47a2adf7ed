#pragma once

// The knob setup dialog: a tool window that edits a private copy of the knob bar (how many
// knobs, and per knob its name, controller, display range and default value) and manages the
// stored knob presets. The knob bar takes the copy on Apply or OK. Deletes itself when closed.

#include "core/knoblist.h"

#include <QDialog>
#include <QSpinBox>

#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

// Arrows beside a value that may also be typed: a step by the user (arrow, key, wheel) raises
// OnStep instead of moving the value when OnStep is set, else moves it and raises OnClick; a
// value typed and entered (Enter, or leaving the box) raises OnTyped. TextOf shows a value and
// ValueOf reads one back; typing is held to what can become a value of the range.
class TKnobUpDown : public QSpinBox {
    Q_OBJECT
public:
    explicit TKnobUpDown(QWidget *Parent = nullptr);
    QLineEdit *Edit() const { return lineEdit(); }
    // Shows the value again through TextOf.
    void RefreshText();
    void stepBy(int Steps) override;

    std::function<void(int Direction)> OnStep;
    std::function<void(int Position)> OnClick;
    std::function<void(int Value)> OnTyped;
    std::function<QString(int Value)> TextOf;
    std::function<std::optional<int>(const QString &Text)> ValueOf;

protected:
    void focusInEvent(QFocusEvent *Event) override;
    QString textFromValue(int Value) const override;
    int valueFromText(const QString &Text) const override;
    QValidator::State validate(QString &Text, int &Pos) const override;

private:
    int FEnteredValue = 0;
};

class TKnobEditForm : public QDialog {
    Q_OBJECT
public:
    // KnobBar is the list the dialog hands its copy to; it must outlive the dialog.
    explicit TKnobEditForm(TKnobList &KnobBar, QWidget *Owner = nullptr);
    ~TKnobEditForm() override;

    // The owner's current preset name, used to preselect the presets box.
    std::function<QString()> CurrentPresetName;
    // The stored presets changed (saved, created, deleted): the owner rebuilds its menu.
    std::function<void()> OnPresetsChanged;
    // Apply with unchanged knobs and a preset chosen: the owner loads that preset.
    std::function<void(const QString &Name)> OnSelectPreset;
    // Apply handed changed knobs to the knob bar: the owner's knobs belong to no preset now.
    std::function<void()> OnKnobsAssigned;

    // A controller sent or received while the dialog shows: picked in the controller box when
    // that box has the focus.
    void SelectController(int Number);

    TKnobList &WorkingList() { return FWorkingList; }
    bool Modified() const { return FModified; }
    int PresetIndex() const { return FPresetIndex; }

    QLabel *IntroLabel;
    QLabel *HelpLabel;
    QGroupBox *KnobCountGroup;
    TKnobUpDown *KnobCountUpDown;
    QLineEdit *KnobCountEdit;
    QGroupBox *KnobPresetsGroup;
    QComboBox *PresetsBox;
    QPushButton *NewPresetButton;
    QPushButton *SavePresetButton;
    QPushButton *DeletePresetButton;
    QWidget *KnobTabControl;
    QTabBar *KnobTabs;
    QLabel *NoKnobsPanel;
    QLineEdit *KnobNameEdit;
    QComboBox *KnobControllerBox;
    QGroupBox *KnobRangeGroup;
    QRadioButton *KnobPositiveRadio;
    QRadioButton *KnobNegativeRadio;
    QLabel *RangeHelpLabel;
    TKnobUpDown *DefaultValueUpDown;
    QLineEdit *DefaultValueEdit;
    QPushButton *OkButton;
    QPushButton *CancelButton;
    QPushButton *ApplyButton;

    static inline const QString StateSection = QStringLiteral("KnobEditForm");
    static inline const QString ValFormTop = QStringLiteral("FormTop");
    static inline const QString ValFormLeft = QStringLiteral("FormLeft");

public Q_SLOTS:
    void done(int Result) override;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void PrepareShow();
    // Fixes the dialog's size to what its texts need at the current font.
    void FitSize();
    void RebuildTabs();
    void ShowTab();
    void CommitTab();
    void TabChanged();
    void KnobCountStep(int Direction);
    void KnobControllerChosen(int Index);
    // A knob count typed in: knobs are added or taken from the end until there are as many.
    void KnobCountTyped(int Count);
    void RangeClicked();
    void UpdateButtons();
    // False when the user cancelled: the action that asked must stop.
    bool AskToSave();
    bool NewPreset();
    void SaveUnder(const QString &Name);
    void SaveEditedPreset();
    void DeletePreset();
    void PresetChosen(int Index);
    void SelectPresetIndex(int Index);
    int InsertPresetName(const QString &Name);
    void ApplyChanges();
    void AcceptChanges();
    void LoadPosition();
    void SavePosition() const;

    TKnobList &FKnobBar;
    TKnobList FWorkingList;
    bool FModified = false;
    int FPresetIndex = -1;
    bool FFilling = false;
    bool FCommitEnabled = true;
    // The tab whose knob the fields show; -1 for none.
    int FShownTab = -1;
    // The controller the controller box showed before the latest choice: a name that is still
    // that controller's own name follows a new choice, one the user typed stays.
    int FShownController = -1;
    bool FShown = false;
    bool FClosing = false;
};
