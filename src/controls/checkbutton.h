#pragma once

// A check box that looks like a push button: it stays pressed while checked (the chord editor's
// "&Edit" toggle). Qt's clicked() and toggled() signals report the changes; the user's clicks
// fire clicked(), changes made by code only toggled().

#include <QPushButton>

class TCheckButton : public QPushButton {
    Q_OBJECT
public:
    explicit TCheckButton(QWidget *Parent = nullptr);
    explicit TCheckButton(const QString &Caption, QWidget *Parent = nullptr);

    bool Checked() const { return isChecked(); }
    void SetChecked(bool Value) { setChecked(Value); }
    QString Caption() const { return text(); }
    void SetCaption(const QString &Value) { setText(Value); }

    QSize sizeHint() const override;
};
