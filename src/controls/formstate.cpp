#include "controls/formstate.h"

#include "core/custominifile.h"
#include "core/registryinifile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// A window's place is a convenience: a store that fails costs the user nothing but the place, so
// the failure is logged rather than shown.
void LogFailure(const char *What, const QString &Why) {
    qWarning("%s: %s", What, qUtf8Printable(Why));
}

// All screens together: a window left on a second screen stays there.
QRect Desktop(const QWidget &w) {
    const QScreen *s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return s ? s->virtualGeometry() : QRect(0, 0, 1024, 768);
}
} // namespace

bool CanPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SaveFormState(const QWidget &Window, TCustomIniFile &Store, const QString &Section, int Flags,
                   const QString &Prefix) {
    if (!CanPlaceWindows())
        Flags &= ~FormState::Position;
    try {
        // The normal placement, also while maximized or minimized; inside the frame, as
        // setGeometry() takes it back (frame places would let the window creep by its title bar
        // at every start, in a direction that depends on the window manager).
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
    } catch (const EIniFileException &e) {
        LogFailure("Window state not saved", e.Message());
    } catch (const std::exception &e) {
        LogFailure("Window state not saved", QString::fromLocal8Bit(e.what()));
    }
}

QRect KeepReachable(QRect r, const QRect &Desktop) {
    const int right = Desktop.left() + Desktop.width();
    const int bottom = Desktop.top() + Desktop.height();
    if (r.left() > right)
        r.moveLeft(right - 30);
    if (r.left() + r.width() < Desktop.left())
        r.moveLeft(Desktop.left() + 30 - r.width());
    if (r.top() > bottom)
        r.moveTop(bottom - 30);
    if (r.top() < Desktop.top())
        r.moveTop(Desktop.top());
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
        // Nothing kept yet: the window manager places a new window where it sees fit (at the
        // origin its title bar would be off the screen).
        const bool placed = (Flags & FormState::Position) &&
                            (Store.ValueExists(Section, Prefix + QStringLiteral("Top")) ||
                             Store.ValueExists(Section, Prefix + QStringLiteral("Left")));
        if (placed || Window.testAttribute(Qt::WA_Moved))
            Window.setGeometry(KeepReachable(r, Desktop(Window)));
        else
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
    } catch (const EIniFileException &e) {
        LogFailure("Window state not restored", e.Message());
    } catch (const std::exception &e) {
        LogFailure("Window state not restored", QString::fromLocal8Bit(e.what()));
    }
    return startHidden;
}

// Opening the per-user store throws nothing (a damaged file is set aside and reported through
// TRegistryIniFile::TakeNotice), and the state functions catch the store's failures.
void LoadDialogPosition(QWidget &Dialog, const QString &Section, const QString &Prefix) {
    const TRegistryIniFile store;
    LoadFormState(Dialog, store, Section, FormState::Position, Prefix);
}

void SaveDialogPosition(const QWidget &Dialog, const QString &Section, const QString &Prefix) {
    TRegistryIniFile store;
    SaveFormState(Dialog, store, Section, FormState::Position, Prefix);
}
