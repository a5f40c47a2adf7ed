#include "patches/patchbox.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

TPatchBox::TPatchBox(QWidget *Parent) : QComboBox(Parent) {}

QString TPatchBox::DisplayText() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The style draws the label one pixel in from both sides of the field.
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, field.width() - 2);
}

void TPatchBox::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = DisplayText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool TPatchBox::event(QEvent *Event) {
    if (Event->type() == QEvent::ToolTip && DisplayText() != currentText()) {
        const QString tip = toolTip().isEmpty() ? currentText() : currentText() + u'\n' + toolTip();
        QToolTip::showText(static_cast<QHelpEvent *>(Event)->globalPos(), tip, this);
        return true;
    }
    return QComboBox::event(Event);
}

void TPatchBox::showPopup() {
    QAbstractItemView *list = view();
    const int scrollBar =
        count() > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar);
    QComboBox::showPopup();
}
