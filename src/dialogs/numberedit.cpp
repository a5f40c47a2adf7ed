#include "dialogs/numberedit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TNumberEdit::TNumberEdit(int Min, int Max, QWidget *Parent)
    : QWidget(Parent), FEdit(new QLineEdit(this)), FUp(new QToolButton(this)),
      FDown(new QToolButton(this)), FMin(Min), FMax(std::max(Min, Max)) {
    FEdit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    FEdit->setMaxLength(4);
    FEdit->setFixedWidth(41);
    FUp->setArrowType(Qt::UpArrow);
    FDown->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {FUp, FDown}) {
        b->setFixedSize(17, 11);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(FUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(FDown, &QToolButton::clicked, this, [this] { Step(-1); });
    auto *buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(FUp);
    buttons->addWidget(FDown);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(FEdit);
    row->addLayout(buttons);
    row->addStretch();
    setFocusProxy(FEdit);
    FEdit->installEventFilter(this);
    SetPosition(std::clamp(0, FMin, FMax));
}

void TNumberEdit::SetAccessibleNames(const QString &Of) {
    FEdit->setAccessibleName(Of);
    FUp->setAccessibleName(tr("%1 up").arg(Of));
    FDown->setAccessibleName(tr("%1 down").arg(Of));
}

void TNumberEdit::SetPosition(int Value) {
    FPosition = std::clamp(Value, FMin, FMax);
    FEdit->setText(QString::number(FPosition));
}

void TNumberEdit::Step(int Direction) {
    const int old = FPosition;
    SetPosition(FPosition + Direction);
    if (FPosition != old && OnClick)
        OnClick(FPosition);
}

void TNumberEdit::CommitTyped() {
    if (FEdit->isModified())
        Commit();
}

void TNumberEdit::Commit() {
    bool ok = false;
    const int value = FEdit->text().trimmed().toInt(&ok, 10);
    if (!ok)
        return;
    if (OnEntered)
        OnEntered(value);
    else
        SetPosition(value);
}

bool TNumberEdit::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched != FEdit)
        return QWidget::eventFilter(Watched, Event);
    switch (Event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *key = static_cast<QKeyEvent *>(Event);
        const int k = key->key();
        const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
        if (!enter && k != Qt::Key_Escape)
            break;
        // Esc with nothing typed is the dialog's: it closes, as from any other control.
        if (!enter && FEdit->text() == QString::number(OnRevert ? OnRevert() : FPosition))
            break;
        // Taken here, so that the dialog's default and cancel buttons never see them.
        Event->accept();
        if (Event->type() == QEvent::KeyRelease) {
            if (enter)
                Commit();
            else
                SetPosition(OnRevert ? OnRevert() : FPosition);
        }
        return Event->type() != QEvent::ShortcutOverride;
    }
    case QEvent::FocusOut:
        // Only what the user typed: text shown before the value changed elsewhere (or before
        // the window closed and reset it) must not be entered again.
        CommitTyped();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(Watched, Event);
}
