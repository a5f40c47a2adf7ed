#include "app/errform.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TErrForm::TErrForm(QWidget *Parent) : QDialog(Parent) {
    setWindowTitle(tr("Warnings and Errors"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QLabel(tr(" The following warnings and/or errors occurred:"), this);
    top->setFrameShape(QFrame::Panel);
    top->setFrameShadow(QFrame::Raised);
    layout->addWidget(top);
    FMemo = new QPlainTextEdit(this);
    FMemo->setReadOnly(true);
    FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(FMemo, 1);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(520, 300);
    close->setFocus();
}

void TErrForm::ShowLines(const QStringList &Lines) {
    FMemo->clear();
    if (Lines.isEmpty())
        return;
    FMemo->setPlainText(Lines.join(QLatin1Char('\n')));
    exec();
    FMemo->clear();
}
