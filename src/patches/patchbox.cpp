#include "patches/patchbox.h"

#include "patches/patchboxmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QListView>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace {

// Lists longer than this drop down below the box.
constexpr int LongList = 1000;

// Where the style opens a box's list over the box (Fusion does), Qt first measures the text of
// every entry, to make the list as wide as the widest: with half a million programs in a mode
// that takes minutes. A long list drops down below the box instead, sized by ListWidth.
class TLongListStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint Hint, const QStyleOption *Option, const QWidget *Widget,
                  QStyleHintReturn *Return) const override {
        if (Hint == SH_ComboBox_Popup)
            if (const auto *box = qobject_cast<const QComboBox *>(Widget);
                box && box->count() > LongList)
                return 0;
        return QProxyStyle::styleHint(Hint, Option, Widget, Return);
    }
};

} // namespace

TPatchBox::TPatchBox(QWidget *Parent) : QComboBox(Parent) {
    // A style of the application's kind, with the one hint above.
    auto *style = new TLongListStyle(QApplication::style()->name());
    style->setParent(this);
    setStyle(style);
    // Neither the box's size nor its list measures every entry: a patch set may list half a
    // million programs in one mode.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setUniformItemSizes(true);
}

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

int TPatchBox::ListWidth() const {
    QAbstractItemView *list = view();
    // The longest names by their number of characters; the widest of them is near enough to
    // the widest of all, found without measuring every one.
    constexpr int Measured = 64;
    int widest = 0;
    if (const auto *programs = qobject_cast<const TPatchBoxModel *>(model());
        programs && count() > Measured) {
        for (int row : programs->LongestRows(Measured))
            widest = std::max(widest, list->sizeHintForIndex(programs->index(row, 0)).width());
    } else {
        widest = list->sizeHintForColumn(0);
    }
    return widest;
}

void TPatchBox::showPopup() {
    QAbstractItemView *list = view();
    const int scrollBar =
        count() > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(ListWidth() + 2 * list->frameWidth() + scrollBar);
    QComboBox::showPopup();
}
