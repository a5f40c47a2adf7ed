#include "vclutil.h"

#include "custominifile.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

namespace {
QSize ScreenSize(const QWidget &w) {
    const QScreen *s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}
} // namespace

void SaveFormState(const QWidget &Window, TCustomIniFile &Store, const QString &Section, int Flags,
                   const QString &Prefix) {
    try {
        // The normal placement, also while maximized or minimized.
        const QRect r =
            Window.normalGeometry().isValid() ? Window.normalGeometry() : Window.geometry();
        if (Flags & FormState::Position) {
            Store.WriteInteger(Section, Prefix + QStringLiteral("Top"), r.top());
            Store.WriteInteger(Section, Prefix + QStringLiteral("Left"), r.left());
        }
        if (Flags & FormState::Size) {
            Store.WriteInteger(Section, Prefix + QStringLiteral("Height"), r.height());
            Store.WriteInteger(Section, Prefix + QStringLiteral("Width"), r.width());
        }
        if (Flags & (FormState::Maximized | FormState::Minimized)) {
            int state = 0;
            if (Window.isMinimized() && (Flags & FormState::Minimized))
                state = 1;
            else if (Window.isMaximized() && (Flags & FormState::Maximized))
                state = 2;
            Store.WriteInteger(Section, Prefix + QStringLiteral("State"), state);
        }
        if (Flags & FormState::Visibility)
            Store.WriteBool(Section, Prefix + QStringLiteral("Visible"), Window.isVisible());
        if (Flags & FormState::Style)
            Store.WriteInteger(Section, Prefix + QStringLiteral("Style"),
                               int(Window.windowFlags() & Qt::WindowStaysOnTopHint ? 1 : 0));
    } catch (...) {
    }
}

QRect KeepReachable(QRect r, QSize Screen) {
    if (r.left() > Screen.width())
        r.moveLeft(Screen.width() - 30);
    if (r.left() + r.width() < 0)
        r.moveLeft(30 - r.width());
    if (r.top() > Screen.height())
        r.moveTop(Screen.height() - 30);
    if (r.top() + r.height() < 0)
        r.moveTop(30 - r.height());
    return r;
}

bool LoadFormState(QWidget &Window, const TCustomIniFile &Store, const QString &Section, int Flags,
                   const QString &Prefix) {
    bool startHidden = false;
    try {
        QRect r = Window.geometry();
        if (Flags & FormState::Position) {
            r.moveTop(Store.ReadInteger(Section, Prefix + QStringLiteral("Top"), r.top()));
            r.moveLeft(Store.ReadInteger(Section, Prefix + QStringLiteral("Left"), r.left()));
        }
        if (Flags & FormState::Size) {
            r.setHeight(Store.ReadInteger(Section, Prefix + QStringLiteral("Height"), r.height()));
            r.setWidth(Store.ReadInteger(Section, Prefix + QStringLiteral("Width"), r.width()));
        }
        r = KeepReachable(r, ScreenSize(Window));
        Window.move(r.topLeft());
        Window.resize(r.size());
        if (Flags & (FormState::Maximized | FormState::Minimized)) {
            const int current = Window.isMinimized() ? 1 : Window.isMaximized() ? 2 : 0;
            const int state = Store.ReadInteger(Section, Prefix + QStringLiteral("State"), current);
            if (state == 1 && (Flags & FormState::Minimized))
                Window.setWindowState(Window.windowState() | Qt::WindowMinimized);
            else if (state == 2 && (Flags & FormState::Maximized))
                Window.setWindowState(Window.windowState() | Qt::WindowMaximized);
        }
        if (Flags & FormState::Visibility) {
            const bool main = Window.isWindow() && !Window.parentWidget();
            const bool visible = Store.ReadBool(Section, Prefix + QStringLiteral("Visible"), main);
            if (main)
                startHidden = !visible;
            else
                Window.setVisible(visible);
        }
    } catch (...) {
    }
    return startHidden;
}

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
