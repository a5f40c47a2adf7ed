#pragma once

// The main window's patch box: a drop-down list of the programs of a patch set. Program names
// are often longer than the box; the shown name then ends in an ellipsis instead of being cut
// off mid-letter, its tooltip gives the whole name, and the opened list is as wide as the
// longest name.

#include <QComboBox>

class TPatchBox : public QComboBox {
    Q_OBJECT
public:
    explicit TPatchBox(QWidget *Parent = nullptr);

    // The current entry as the box shows it: shortened to the box's text field.
    QString DisplayText() const;

    void showPopup() override;

    // The width the opened list needs for its names.
    int ListWidth() const;

protected:
    bool event(QEvent *Event) override;
    void paintEvent(QPaintEvent *Event) override;
};
