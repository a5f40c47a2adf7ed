// The row below the keyboard: the velocity of the computer keys (and of the mouse when it plays
// at one velocity) and the three pedals. A pedal's button shows the pedal as the last message
// that passed left it, sent from here, held by Space or arriving at Midi In.

#include "app/mainwindow.h"
#include "app/mainwindowparts.h"

#include "app/statusbar.h"
#include "keyboard/keyboard.h"
#include "router/midirouter.h"

#include <QLabel>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int RowTop = 170;
constexpr int RowHeight = 19;

constexpr std::array<int, 3> Pedals{TKeyboardModel::SustainPedal, TKeyboardModel::SostenutoPedal,
                                    TKeyboardModel::SoftPedal};

int PedalIndex(int Controller) {
    for (size_t i = 0; i < Pedals.size(); ++i)
        if (Pedals[i] == Controller)
            return int(i);
    return -1;
}

} // namespace

void TMainWindow::BuildExpressionRow() {
    QLabel *caption = SmallLabel(tr("Velocity"), 8, RowTop + 4);
    FVelocityCaption = caption;
    FVelocitySlider = new QSlider(Qt::Horizontal, FClient);
    FVelocitySlider->setObjectName(QStringLiteral("VelocitySlider"));
    FVelocitySlider->setRange(1, 127);
    FVelocitySlider->setPageStep(16);
    // Reached with Tab; a click leaves the keys with the keyboard.
    FVelocitySlider->setFocusPolicy(Qt::TabFocus);
    FVelocitySlider->setAccessibleName(tr("Velocity"));
    FVelocitySlider->setGeometry(caption->geometry().right() + 4, RowTop, 64, RowHeight);
    FVelocitySlider->setToolTip(tr("Velocity of the computer keys, and of the mouse when it "
                                   "plays at one velocity (F1 softer, F2 louder)"));
    FVelocitySlider->setStatusTip(FVelocitySlider->toolTip());
    FVelocitySlider->setAccessibleDescription(FVelocitySlider->toolTip());
    FVelocityValue = new QLabel(FClient);
    const int valueWidth = FVelocityValue->fontMetrics().horizontalAdvance(QStringLiteral("127"));
    FVelocityValue->setGeometry(FVelocitySlider->geometry().right() + 3, RowTop, valueWidth + 2,
                                RowHeight);
    FVelocityValue->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(FVelocitySlider, &QSlider::valueChanged, this, &TMainWindow::VelocityMoved);

    const std::array<QString, 3> names{tr("Sustain"), tr("Sostenuto"), tr("Soft")};
    const std::array<QString, 3> tips{
        tr("Sustain pedal (controller 64): notes go on sounding after their keys are let go; "
           "hold Space to hold it"),
        tr("Sostenuto pedal (controller 66): the notes down when it is pressed go on sounding"),
        tr("Soft pedal (controller 67)")};
    int x = FVelocityValue->geometry().right() + 6;
    for (size_t i = 0; i < Pedals.size(); ++i) {
        auto *button = new QToolButton(FClient);
        button->setText(names[i]);
        button->setObjectName(QStringLiteral("Pedal%1").arg(Pedals[i]));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->setToolTip(tips[i]);
        button->setAccessibleDescription(tips[i]);
        button->setStatusTip(tips[i]);
        button->adjustSize();
        button->setGeometry(x, RowTop, button->width(), RowHeight);
        x += button->width() + 3;
        const int pedal = Pedals[i];
        connect(button, &QToolButton::clicked, this,
                [this, pedal](bool Down) { FKeyboard->Model().SendPedal(pedal, Down); });
        FPedalButtons[i] = button;
    }
    FKeyboard->Model().OnVelocityChange = [this](QObject *) { ShowVelocity(); };
    ShowVelocity();
}

void TMainWindow::PlaceExpressionRow() {
    // As far below the keys as at the window's least height, where they are as tall as designed.
    const int top = RowTop + FKeyboard->height() - TKeyboardModel::ImageHeight;
    FVelocityCaption->move(FVelocityCaption->x(), top + 4);
    for (QWidget *w : std::initializer_list<QWidget *>{
             FVelocitySlider, FVelocityValue, FPedalButtons[0], FPedalButtons[1], FPedalButtons[2]})
        w->move(w->x(), top);
}

int TMainWindow::ExpressionRowRight() const {
    return FPedalButtons.back()->geometry().right() + 1;
}

QAbstractButton *TMainWindow::PedalButton(int Controller) const {
    const int i = PedalIndex(Controller);
    return i < 0 ? nullptr : FPedalButtons[size_t(i)];
}

void TMainWindow::ShowVelocity() {
    const int v = FKeyboard->Model().Velocity();
    const QSignalBlocker block(FVelocitySlider);
    FVelocitySlider->setValue(std::max(v, 1));
    FVelocityValue->setText(QString::number(v));
}

void TMainWindow::VelocityMoved(int Value) {
    FKeyboard->Model().SetVelocity(Value);
    SetStatusText(tr("Velocity: %1").arg(FKeyboard->Model().Velocity()));
}

void TMainWindow::StepVelocity(int Direction) {
    TKeyboardModel &m = FKeyboard->Model();
    m.SetVelocity(std::clamp(TKeyboardModel::StepVelocityLevel(m.Velocity(), Direction), 1, 127));
    SetStatusText(tr("Velocity: %1").arg(m.Velocity()));
}

void TMainWindow::ShowPedal(int Controller, int Value) {
    if (QAbstractButton *button = PedalButton(Controller)) {
        const QSignalBlocker block(button);
        button->setChecked(Value >= 64);
    }
}

void TMainWindow::LiftPedals() {
    TKeyboardModel &m = FKeyboard->Model();
    for (int pedal : Pedals)
        if (m.PedalDown(pedal))
            m.SendPedal(pedal, false);
}
