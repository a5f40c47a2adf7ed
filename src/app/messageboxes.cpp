#include "app/messageboxes.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

bool Confirm(QWidget *Parent, const QString &Text) {
    return QMessageBox::question(Parent, QGuiApplication::applicationDisplayName(), Text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void ShowInfo(QWidget *Parent, const QString &Text) {
    QMessageBox::information(Parent, QGuiApplication::applicationDisplayName(), Text);
}

void CenterOnForm(QWidget &Window, const QWidget *Owner) {
    const QScreen *screen =
        Owner && Owner->screen() ? Owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect over = Owner ? Owner->frameGeometry() : area;
    QRect r = Window.frameGeometry();
    r.moveCenter(over.center());
    if (r.right() > area.right())
        r.moveRight(area.right());
    if (r.bottom() > area.bottom())
        r.moveBottom(area.bottom());
    if (r.left() < area.left())
        r.moveLeft(area.left());
    if (r.top() < area.top())
        r.moveTop(area.top());
    Window.move(r.topLeft());
}
