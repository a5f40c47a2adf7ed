#include "takesui/playerform.h"

#include "takes/midifile.h"
#include "takes/takereplay.h"
#include "takesui/takedrag.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int64_t UsPerMs = 1000;

// "1:05.3", or "1:02:05.3" from an hour on.
QString Clock(int64_t Us) {
    const int64_t Tenths = Us / 100000;
    const QString Seconds =
        QStringLiteral("%1.%2").arg(Tenths / 10 % 60, 2, 10, QLatin1Char('0')).arg(Tenths % 10);
    if (Tenths >= 36000)
        return QStringLiteral("%1:%2:%3")
            .arg(Tenths / 36000)
            .arg(Tenths / 600 % 60, 2, 10, QLatin1Char('0'))
            .arg(Seconds);
    return QStringLiteral("%1:%2").arg(Tenths / 600).arg(Seconds);
}

} // namespace

TPlayerForm::TPlayerForm(TTakeReplay &Replay, QWidget *Parent) : QDialog(Parent), FReplay(Replay) {
    setWindowTitle(tr("Play MIDI File"));
    setObjectName(QStringLiteral("PlayerForm"));

    NameLabel = new QLabel(this);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    NameLabel->setTextFormat(Qt::PlainText);
    NameLabel->setMinimumWidth(260);
    OpenButton = new QPushButton(tr("Op&en..."), this);
    LastTakeButton = new QPushButton(tr("&Last Take"), this);
    LastTakeButton->setToolTip(tr("Play what you played last (since the last silence)"));

    PositionBar = new QSlider(Qt::Horizontal, this);
    PositionBar->setObjectName(QStringLiteral("PositionBar"));
    PositionBar->setToolTip(tr("Position: drag to go elsewhere in the piece"));
    TimeLabel = new QLabel(this);
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));

    PlayButton = new QPushButton(this);
    PlayButton->setObjectName(QStringLiteral("PlayButton"));
    StopButton = new QPushButton(style()->standardIcon(QStyle::SP_MediaStop), tr("&Stop"), this);
    StopButton->setObjectName(QStringLiteral("StopButton"));
    LoopCheck = new QCheckBox(tr("L&oop"), this);
    LoopCheck->setChecked(FReplay.Loop());
    DragHandle = new TTakeDrag(this);
    DragHandle->MakeTake = [this]() -> std::optional<TTake> {
        if (!FReplay.Take())
            return std::nullopt;
        return *FReplay.Take();
    };
    DragHandle->FileName = [this] {
        const QString name = QFileInfo(FReplay.Name()).fileName();
        return name.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive)
                   ? name
                   : name + QStringLiteral(".mid");
    };
    DragHandle->OnError = [this](const QString &Error) {
        QMessageBox::warning(this, windowTitle(), Error);
    };
    NoteLabel = new QLabel(this);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    NoteLabel->setWordWrap(true);

    auto *top = new QHBoxLayout;
    top->addWidget(NameLabel, 1);
    top->addWidget(OpenButton);
    top->addWidget(LastTakeButton);
    auto *bar = new QHBoxLayout;
    bar->addWidget(PositionBar, 1);
    bar->addWidget(TimeLabel);
    auto *controls = new QHBoxLayout;
    controls->addWidget(PlayButton);
    controls->addWidget(StopButton);
    controls->addWidget(LoopCheck);
    controls->addStretch(1);
    controls->addWidget(DragHandle);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bar);
    layout->addLayout(controls);
    layout->addWidget(NoteLabel);

    connect(OpenButton, &QPushButton::clicked, this, &TPlayerForm::ChooseFile);
    connect(LastTakeButton, &QPushButton::clicked, this, &TPlayerForm::PlayLastTake);
    connect(PlayButton, &QPushButton::clicked, this, &TPlayerForm::PlayPause);
    connect(StopButton, &QPushButton::clicked, &FReplay, &TTakeReplay::Stop);
    connect(LoopCheck, &QCheckBox::toggled, this, [this](bool on) { FReplay.SetLoop(on); });
    connect(PositionBar, &QSlider::sliderPressed, this, [this] { FDragging = true; });
    connect(PositionBar, &QSlider::sliderReleased, this, [this] {
        FDragging = false;
        FReplay.Seek(int64_t(PositionBar->value()) * UsPerMs);
    });
    // Clicks and keys on the bar move it without a drag.
    connect(PositionBar, &QSlider::actionTriggered, this, [this](int Action) {
        if (Action != QAbstractSlider::SliderMove && !FDragging)
            QMetaObject::invokeMethod(
                this, [this] { FReplay.Seek(int64_t(PositionBar->value()) * UsPerMs); },
                Qt::QueuedConnection);
    });
    connect(PositionBar, &QSlider::sliderMoved, this, [this](int Ms) {
        if (FReplay.Take())
            TimeLabel->setText(
                tr("%1 / %2").arg(Clock(Ms * UsPerMs), Clock(FReplay.Take()->LengthUs())));
    });
    connect(&FReplay, &TTakeReplay::StateChanged, this, &TPlayerForm::ShowState);
    connect(&FReplay, &TTakeReplay::PositionChanged, this, &TPlayerForm::ShowPosition);
    ShowState();
    ShowPosition(FReplay.PositionUs());
}

TPlayerForm::~TPlayerForm() {
    // The replay outlives this window and is stopped again as the window goes (the owner
    // hears it destroyed): what it says then must not reach a window half torn down.
    FReplay.disconnect(this);
    FReplay.Stop();
}

void TPlayerForm::done(int Result) {
    FReplay.Stop();
    QDialog::done(Result);
}

void TPlayerForm::ChooseFile() {
    QString folder = OpenFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    const QString name =
        QFileDialog::getOpenFileName(this, tr("Open MIDI File"), folder,
                                     tr("MIDI files (*.mid *.midi *.smf *.kar);;All files (*)"));
    if (!name.isEmpty())
        PlayFile(name);
}

bool TPlayerForm::PlayFile(const QString &FileName) {
    OpenFolder = QFileInfo(FileName).absolutePath();
    QString error;
    std::optional<TTake> take = MidiFile::Load(FileName, error);
    if (take && take->Empty())
        error = tr("The file holds nothing to play.");
    if (!take || take->Empty()) {
        QMessageBox::warning(
            this, windowTitle(),
            tr("\"%1\" cannot be played.\n\n%2").arg(QDir::toNativeSeparators(FileName), error));
        return false;
    }
    const QString note = take->Skipped
                             ? tr("System exclusive messages left out (too long to send, or "
                                  "incomplete): %1.")
                                   .arg(take->Skipped)
                             : QString();
    Start(std::make_shared<const TTake>(std::move(*take)), FileName, note);
    return true;
}

bool TPlayerForm::PlayLastTake() {
    std::optional<TTake> take = LastTake ? LastTake() : std::nullopt;
    if (!take || take->Empty()) {
        NoteLabel->setText(tr("Nothing has been played yet."));
        return false;
    }
    Start(std::make_shared<const TTake>(std::move(*take)), tr("Last take"), QString());
    return true;
}

void TPlayerForm::Start(std::shared_ptr<const TTake> Take, const QString &Name,
                        const QString &Note) {
    FReplay.Load(std::move(Take), Name);
    NoteLabel->setText(Note);
    PlayPause();
}

void TPlayerForm::PlayPause() {
    if (FReplay.IsPlaying()) {
        FReplay.Pause();
        return;
    }
    if (!FReplay.Take()) {
        ChooseFile();
        return;
    }
    if (!FReplay.Play())
        NoteLabel->setText(tr("No MIDI output is open: choose one in the Midi Out menu."));
}

void TPlayerForm::ShowState() {
    const bool loaded = FReplay.Take() != nullptr;
    const bool playing = FReplay.IsPlaying();
    NameLabel->setText(loaded ? QFileInfo(FReplay.Name()).fileName() : tr("Nothing loaded"));
    NameLabel->setToolTip(loaded ? QDir::toNativeSeparators(FReplay.Name()) : QString());
    PlayButton->setText(playing ? tr("&Pause") : tr("&Play"));
    PlayButton->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    StopButton->setEnabled(loaded && FReplay.State() != TTakeReplay::TState::Stopped);
    PositionBar->setEnabled(loaded);
    PositionBar->setRange(0, loaded ? int(FReplay.Take()->LengthUs() / UsPerMs) : 0);
    DragHandle->setEnabled(loaded);
    ShowPosition(FReplay.PositionUs());
}

void TPlayerForm::ShowPosition(qint64 PositionUs) {
    const int64_t length = FReplay.Take() ? FReplay.Take()->LengthUs() : 0;
    if (!FDragging) {
        const QSignalBlocker quiet(PositionBar);
        PositionBar->setValue(int(PositionUs / UsPerMs));
    }
    TimeLabel->setText(tr("%1 / %2").arg(Clock(PositionUs), Clock(length)));
}
