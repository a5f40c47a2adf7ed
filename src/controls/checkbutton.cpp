#include "controls/checkbutton.h"

TCheckButton::TCheckButton(QWidget *Parent) : TCheckButton(QString(), Parent) {}

TCheckButton::TCheckButton(const QString &Caption, QWidget *Parent) : QPushButton(Caption, Parent) {
    setCheckable(true);
    resize(75, 25);
}

QSize TCheckButton::sizeHint() const {
    return QPushButton::sizeHint().expandedTo(QSize(75, 25));
}
