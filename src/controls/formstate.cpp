#include "controls/formstate.h"

#include "core/custominifile.h"
#include "core/registryinifile.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
// A window's place is a convenience: a store that fails costs the user nothing but the place, so
// the failure is logged rather than shown.
void LogFailure(const char *What, const QString &Why) {
    qWarning("%s: %s", What, qUtf8Printable(Why));
}

// The areas windows may take: every screen without its panels.
QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    for (const QScreen *s : QGuiApplication::screens())
        areas << s->availableGeometry();
    return areas;
}

// Looks again once the window is on screen: only then does the window manager's frame have its
// real size, which may push a title bar off the top or a border past an edge.
class TOnScreenCheck : public QObject {
public:
    explicit TOnScreenCheck(QWidget &Window) : QObject(&Window), FWindow(Window) {
        if (Window.isVisible())
            Poll();
        else
            Window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == &FWindow && Event->type() == QEvent::Show) {
            FWindow.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { Poll(); });
        }
        return false;
    }

private:
    void Poll() {
        const QWindow *handle = FWindow.windowHandle();
        if (handle && !handle->isExposed() && ++FTries < 50) {
            QTimer::singleShot(20, this, [this] { Poll(); });
            return;
        }
        if (handle && handle->isExposed() && !(FWindow.windowState() & ~Qt::WindowActive)) {
            const QRect frame = FWindow.frameGeometry();
            const QRect placed = KeepOnScreen(frame, ScreenAreas());
            if (placed != frame)
                FWindow.move(placed.topLeft());
        }
        deleteLater();
    }

    QWidget &FWindow;
    int FTries = 0;
};

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

namespace {

// The screen Frame overlaps most; when it overlaps none, the nearest one.
QRect ScreenOf(const QRect &Frame, const QList<QRect> &Screens) {
    QRect screen = Screens.first();
    qint64 best = -1;
    for (const QRect &s : Screens) {
        const QRect common = s & Frame;
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (area > best) {
            best = area;
            screen = s;
        }
    }
    if (best > 0)
        return screen;
    const auto distance = [&Frame](const QRect &s) {
        const qint64 dx = std::max({0, s.left() - Frame.right(), Frame.left() - s.right()});
        const qint64 dy = std::max({0, s.top() - Frame.bottom(), Frame.top() - s.bottom()});
        return dx * dx + dy * dy;
    };
    for (const QRect &s : Screens)
        if (distance(s) < distance(screen))
            screen = s;
    return screen;
}

} // namespace

QRect KeepOnScreen(QRect Frame, const QList<QRect> &Screens) {
    if (Screens.isEmpty())
        return Frame;
    const QRect screen = ScreenOf(Frame, Screens);
    Frame.moveLeft(
        std::max(screen.left(), std::min(Frame.left(), screen.right() + 1 - Frame.width())));
    Frame.moveTop(
        std::max(screen.top(), std::min(Frame.top(), screen.bottom() + 1 - Frame.height())));
    return Frame;
}

QMargins FrameMargins(const QWidget &Window) {
    const auto of = [](const QWidget &W) {
        const QWindow *handle = W.windowHandle();
        return handle && W.isVisible() ? handle->frameMargins() : QMargins();
    };
    if (const QMargins own = of(Window); !own.isNull())
        return own;
    for (const QWidget *w : QApplication::topLevelWidgets())
        if (w != &Window && !(w->windowFlags() & Qt::FramelessWindowHint))
            if (const QMargins m = of(*w); !m.isNull())
                return m;
    return {};
}

void PlaceOnScreen(QWidget &Window, const QRect &Client) {
    const QMargins frame = FrameMargins(Window);
    Window.setGeometry(
        KeepOnScreen(Client.marginsAdded(frame), ScreenAreas()).marginsRemoved(frame));
    new TOnScreenCheck(Window);
}

void PlaceBeside(QWidget &Dialog, const QWidget &Owner) {
    const QWidget &owner = *Owner.window();
    const QRect beside = owner.frameGeometry();
    const QMargins frame = FrameMargins(Dialog);
    const QSize size = Dialog.size().grownBy(frame);
    const QList<QRect> screens = ScreenAreas();
    if (screens.isEmpty())
        return;
    const QRect area = ScreenOf(beside, screens);
    // Right, below, left, above: the first place with room for the whole dialog.
    const QRect places[] = {
        QRect(QPoint(beside.right() + 1, beside.top()), size),
        QRect(QPoint(beside.left(), beside.bottom() + 1), size),
        QRect(QPoint(beside.left() - size.width(), beside.top()), size),
        QRect(QPoint(beside.left(), beside.top() - size.height()), size),
    };
    QRect chosen(QPoint(beside.right() + 1 - size.width(), beside.top()), size);
    for (const QRect &p : places)
        if (area.contains(p)) {
            chosen = p;
            break;
        }
    PlaceOnScreen(Dialog, KeepOnScreen(chosen, screens).marginsRemoved(frame));
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
            PlaceOnScreen(Window, r);
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
