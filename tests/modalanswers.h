#pragma once

// Answers the modal boxes a test's action opens, in order: each step gets the box as it shows
// and must close it. What the boxes said is kept for the test to compare.

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class TModalAnswers : public QObject {
public:
    TModalAnswers() {
        connect(&FTimer, &QTimer::timeout, this, &TModalAnswers::Poll);
        FTimer.start(10);
    }

    // An input box: its title, prompt and proposed text are kept; Text accepts, none cancels.
    TModalAnswers &Input(std::optional<QString> Text) {
        FSteps.push_back([this, Text](QWidget *w) {
            auto *d = qobject_cast<QInputDialog *>(w);
            if (!d)
                return false;
            Seen.append(d->windowTitle() + QLatin1Char('|') + d->labelText() + QLatin1Char('|') +
                        d->textValue());
            if (Text) {
                d->setTextValue(*Text);
                d->accept();
            } else {
                d->reject();
            }
            return true;
        });
        return *this;
    }
    // A message box: its text is kept and Button pressed.
    TModalAnswers &Box(QMessageBox::StandardButton Button) {
        FSteps.push_back([this, Button](QWidget *w) {
            auto *b = qobject_cast<QMessageBox *>(w);
            if (!b)
                return false;
            Seen.append(b->text());
            Defaults.append(b->defaultButton() ? b->standardButton(b->defaultButton())
                                               : QMessageBox::NoButton);
            if (QAbstractButton *button = b->button(Button))
                button->click();
            else
                b->reject();
            return true;
        });
        return *this;
    }
    bool Done() const { return FNext == FSteps.size(); }

    QStringList Seen;
    // The default button of each message box answered.
    QList<QMessageBox::StandardButton> Defaults;

private:
    void Poll() {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        if (FNext >= FSteps.size() || !FSteps[FNext](w)) {
            // A box nobody expected: close it so the test fails instead of hanging.
            Seen.append(QStringLiteral("unexpected: ") + w->metaObject()->className());
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
            return;
        }
        ++FNext;
    }
    QTimer FTimer;
    std::vector<std::function<bool(QWidget *)>> FSteps;
    size_t FNext = 0;
};
