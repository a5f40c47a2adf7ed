#pragma once

// "Warnings and Errors": the messages of a patch script load, shown when there are any.

#include <QDialog>

class QPlainTextEdit;

class TErrForm : public QDialog {
    Q_OBJECT
public:
    explicit TErrForm(QWidget *Parent = nullptr);

    QPlainTextEdit *MessageList() const { return FMemo; }
    // Shows Lines modally when there is at least one, then clears the memo.
    void ShowLines(const QStringList &Lines);

private:
    QPlainTextEdit *FMemo;
};
