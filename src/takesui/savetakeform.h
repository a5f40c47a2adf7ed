#pragma once

// File > Save Last Take: which part of the playing kept in memory is the take (since the last
// silence of some seconds, or the last minutes), the tempo of its file, what it holds, Save...
// to a Standard MIDI File, and a handle to drag it out instead. It also sets how much playing
// is kept in memory. Edits a copy of the take settings, handed back when it closes.
//
// Threads: the UI thread.

#include "takes/take.h"
#include "takes/takesettings.h"
#include "takes/takestore.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TTakeDrag;

class TSaveTakeForm : public QDialog {
    Q_OBJECT
public:
    // What the store holds as the take for a choice, and the time its start left (the monotonic
    // clock, microseconds).
    using TTakeOf =
        std::function<TTake(TTakeStore::TPart Part, int64_t AmountUs, int64_t *StartUs)>;

    TSaveTakeForm(const TTakeSettings &Settings, TTakeOf TakeOf, QWidget *Parent = nullptr);

    const TTakeSettings &Settings() const { return FSettings; }
    // The take as the dialog's choices cut it, at the chosen tempo.
    TTake CurrentTake(int64_t *StartUs = nullptr) const;
    // The file name offered: the take's start, "Take 2024-05-01 21-33.mid".
    QString SuggestedName() const;
    // Asks for a file and writes the take there; false when cancelled or it failed (said).
    bool SaveAs();
    // Writes the take to FileName; false with a message box saying why.
    bool SaveTo(const QString &FileName);
    // Messages that could not be kept (the capture's ring was full): said with the summary.
    void SetLost(uint64_t Count);
    // Told after a file was written (its name and what it holds).
    std::function<void(const QString &Text)> OnSaved;

    QRadioButton *SinceSilenceButton;
    QRadioButton *LastMinutesButton;
    QSpinBox *SilenceEdit;
    QSpinBox *MinutesEdit;
    QSpinBox *TempoEdit;
    QSpinBox *MemoryEdit;
    QLabel *SummaryLabel;
    TTakeDrag *DragHandle;
    QPushButton *SaveButton;
    QPushButton *CloseButton;

private:
    void ChoiceChanged();
    void ShowSummary();

    TTakeSettings FSettings;
    TTakeOf FTakeOf;
    uint64_t FLost = 0;
};
