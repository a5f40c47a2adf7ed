#include "controls/textinput.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>

#include <algorithm>

int TitleWidth(const QWidget &Window, const QString &Title) {
    QString shown = Title;
    const QString program = QGuiApplication::applicationDisplayName();
    if (!program.isEmpty() && !Title.contains(program))
        shown += QStringLiteral(" \u2014 ") + program;
    // Title bars use a bold font, often larger than the window's; the close, minimize and menu
    // buttons take about a line's height each.
    QFont font = Window.font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), QApplication::font().pointSizeF()) * 1.1);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(shown) + 5 * metrics.height();
}

QString AskText(QWidget *Parent, const QString &Title, const QString &Label, const QString &Text,
                bool *Ok) {
    QInputDialog dialog(Parent);
    dialog.setWindowTitle(Title);
    dialog.setLabelText(Label);
    dialog.setTextValue(Text);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.ensurePolished();
    // The dialog's layout sets its size from its contents: the text field makes it wide.
    const int width = TitleWidth(dialog, Title);
    if (auto *edit = dialog.findChild<QLineEdit *>()) {
        const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
        edit->setMinimumWidth(width - margins.left() - margins.right());
    }
    dialog.setMinimumWidth(width);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (Ok)
        *Ok = accepted;
    return accepted ? dialog.textValue() : QString();
}
