#include "takesui/savetakeform.h"

#include "takes/midifile.h"
#include "takes/takerecorder.h"
#include "takesui/takedrag.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

constexpr int64_t UsPerSecond = 1000000;

// "1:05.3": minutes, seconds and tenths.
QString Duration(int64_t Us) {
    const int64_t Tenths = (Us + UsPerSecond / 20) / (UsPerSecond / 10);
    return QStringLiteral("%1:%2.%3")
        .arg(Tenths / 600)
        .arg(Tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(Tenths % 10);
}

} // namespace

TSaveTakeForm::TSaveTakeForm(const TTakeSettings &Settings, TTakeOf TakeOf, QWidget *Parent)
    : QDialog(Parent), FSettings(Settings), FTakeOf(std::move(TakeOf)) {
    setWindowTitle(tr("Save Last Take"));
    setObjectName(QStringLiteral("SaveTakeForm"));

    auto *part = new QGroupBox(tr("The take"), this);
    SinceSilenceButton = new QRadioButton(tr("Since the last &silence of at least"), part);
    SilenceEdit = new QSpinBox(part);
    SilenceEdit->setRange(TTakeSettings::MinSilenceSeconds, TTakeSettings::MaxSilenceSeconds);
    SilenceEdit->setSuffix(tr(" s"));
    SilenceEdit->setValue(FSettings.SilenceSeconds);
    LastMinutesButton = new QRadioButton(tr("The &last"), part);
    MinutesEdit = new QSpinBox(part);
    MinutesEdit->setRange(TTakeSettings::MinMinutes, TTakeSettings::MaxMinutes);
    MinutesEdit->setSuffix(tr(" min"));
    MinutesEdit->setValue(FSettings.Minutes);
    (FSettings.SinceSilence ? SinceSilenceButton : LastMinutesButton)->setChecked(true);
    auto *group = new QButtonGroup(this);
    group->addButton(SinceSilenceButton);
    group->addButton(LastMinutesButton);
    auto *partGrid = new QGridLayout(part);
    partGrid->addWidget(SinceSilenceButton, 0, 0);
    partGrid->addWidget(SilenceEdit, 0, 1);
    partGrid->addWidget(LastMinutesButton, 1, 0);
    partGrid->addWidget(MinutesEdit, 1, 1);
    partGrid->setColumnStretch(2, 1);

    TempoEdit = new QSpinBox(this);
    TempoEdit->setRange(TTakeSettings::MinTempo, TTakeSettings::MaxTempo);
    TempoEdit->setSuffix(tr(" BPM"));
    TempoEdit->setValue(FSettings.Tempo);
    TempoEdit->setToolTip(tr("The tempo written in the file: a DAW counts bars in it. The notes "
                             "keep the times they were played at."));
    auto *tempoLabel = new QLabel(tr("&Tempo of the file:"), this);
    tempoLabel->setBuddy(TempoEdit);

    SummaryLabel = new QLabel(this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    SummaryLabel->setWordWrap(true);
    DragHandle = new TTakeDrag(this);
    DragHandle->MakeTake = [this] { return std::optional<TTake>(CurrentTake()); };
    DragHandle->FileName = [this] { return SuggestedName(); };
    DragHandle->OnError = [this](const QString &Error) {
        QMessageBox::warning(this, windowTitle(), Error);
    };
    auto *dragText = new QLabel(tr("Drag the take from here into a DAW or a file manager."), this);
    dragText->setWordWrap(true);
    auto *dragRow = new QHBoxLayout;
    dragRow->addWidget(DragHandle);
    dragRow->addWidget(dragText, 1);

    auto *memory = new QGroupBox(tr("Playing kept in memory"), this);
    MemoryEdit = new QSpinBox(memory);
    MemoryEdit->setRange(TTakeSettings::MinMemoryMb, TTakeSettings::MaxMemoryMb);
    MemoryEdit->setSuffix(tr(" MB"));
    MemoryEdit->setValue(FSettings.MemoryMb);
    auto *memoryLabel = new QLabel(tr("The last 30 minutes, at &most:"), memory);
    memoryLabel->setBuddy(MemoryEdit);
    auto *memoryRow = new QHBoxLayout(memory);
    memoryRow->addWidget(memoryLabel);
    memoryRow->addWidget(MemoryEdit);
    memoryRow->addStretch(1);

    auto *buttons = new QDialogButtonBox(this);
    SaveButton = buttons->addButton(tr("&Save..."), QDialogButtonBox::AcceptRole);
    CloseButton = buttons->addButton(QDialogButtonBox::Close);
    SaveButton->setDefault(true);
    connect(SaveButton, &QPushButton::clicked, this, [this] {
        if (SaveAs())
            accept();
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *tempoRow = new QHBoxLayout;
    tempoRow->addWidget(tempoLabel);
    tempoRow->addWidget(TempoEdit);
    tempoRow->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(part);
    layout->addLayout(tempoRow);
    layout->addWidget(SummaryLabel);
    layout->addLayout(dragRow);
    layout->addWidget(memory);
    layout->addWidget(buttons);

    for (QSpinBox *edit : {SilenceEdit, MinutesEdit, TempoEdit, MemoryEdit})
        connect(edit, &QSpinBox::valueChanged, this, &TSaveTakeForm::ChoiceChanged);
    connect(group, &QButtonGroup::buttonToggled, this, &TSaveTakeForm::ChoiceChanged);
    ShowSummary();
}

void TSaveTakeForm::ChoiceChanged() {
    FSettings.SinceSilence = SinceSilenceButton->isChecked();
    FSettings.SilenceSeconds = SilenceEdit->value();
    FSettings.Minutes = MinutesEdit->value();
    FSettings.Tempo = TempoEdit->value();
    FSettings.MemoryMb = MemoryEdit->value();
    ShowSummary();
}

TTake TSaveTakeForm::CurrentTake(int64_t *StartUs) const {
    const bool silence = FSettings.SinceSilence;
    TTake take =
        FTakeOf(silence ? TTakeStore::TPart::SinceSilence : TTakeStore::TPart::LastMinutes,
                (silence ? int64_t(FSettings.SilenceSeconds) : int64_t(FSettings.Minutes) * 60) *
                    UsPerSecond,
                StartUs);
    take.BeatsPerMinute = FSettings.Tempo;
    return take;
}

QString TSaveTakeForm::SuggestedName() const {
    int64_t startUs = TTakeRecorder::NowUs();
    CurrentTake(&startUs);
    const QDateTime start =
        QDateTime::currentDateTime().addMSecs((startUs - TTakeRecorder::NowUs()) / 1000);
    return tr("Take %1.mid").arg(start.toString(QStringLiteral("yyyy-MM-dd HH-mm")));
}

void TSaveTakeForm::SetLost(uint64_t Count) {
    FLost = Count;
    ShowSummary();
}

void TSaveTakeForm::ShowSummary() {
    int64_t startUs = 0;
    const TTake take = CurrentTake(&startUs);
    const bool empty = take.Empty();
    if (empty) {
        SummaryLabel->setText(FSettings.SinceSilence ? tr("Nothing has been played yet.")
                                                     : tr("Nothing was played in that time."));
    } else {
        const QDateTime start =
            QDateTime::currentDateTime().addMSecs((startUs - TTakeRecorder::NowUs()) / 1000);
        SummaryLabel->setText(tr("Notes: %1, length: %2, played at %3.")
                                  .arg(take.NoteCount())
                                  .arg(Duration(take.LengthUs()),
                                       QLocale().toString(start.time(), QLocale::ShortFormat)));
    }
    if (FLost > 0)
        SummaryLabel->setText(SummaryLabel->text() + QLatin1Char(' ') +
                              tr("Messages sent while the computer was too busy to keep them: "
                                 "%1.")
                                  .arg(FLost));
    SaveButton->setEnabled(!empty);
    DragHandle->setEnabled(!empty);
}

bool TSaveTakeForm::SaveAs() {
    QString folder = FSettings.SaveFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString name = QFileDialog::getSaveFileName(this, tr("Save Take As"),
                                                QDir(folder).filePath(SuggestedName()),
                                                tr("MIDI files (*.mid *.midi)"));
    if (name.isEmpty())
        return false;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".mid");
    FSettings.SaveFolder = QFileInfo(name).absolutePath();
    return SaveTo(name);
}

bool TSaveTakeForm::SaveTo(const QString &FileName) {
    const TTake take = CurrentTake();
    if (take.Empty()) {
        QMessageBox::information(this, windowTitle(), SummaryLabel->text());
        return false;
    }
    QString error;
    if (!MidiFile::Save(take, FileName, error)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The take could not be saved as \"%1\".\n\n%2")
                                 .arg(QDir::toNativeSeparators(FileName), error));
        return false;
    }
    if (OnSaved)
        OnSaved(tr("Take saved as \"%1\" (notes: %2, length: %3).")
                    .arg(QDir::toNativeSeparators(FileName))
                    .arg(take.NoteCount())
                    .arg(Duration(take.LengthUs())));
    return true;
}
