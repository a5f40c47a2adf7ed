#include "keyboard/keyboardaccessible.h"

#include "keyboard/keyboard.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *Text) {
    return QCoreApplication::translate("TKeyboardAccessible", Text);
}

// One key: a button named by its note, pressed while it sounds. It has no object of its own,
// so Qt's cache keeps it until the keyboard's interface deletes it.
class TKeyAccessible : public QAccessibleInterface {
public:
    TKeyAccessible(TKeyboardAccessible *Parent, int Note) : FParent(Parent), FNote(Note) {}

    bool isValid() const override { return FParent->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return FParent->window(); }
    QAccessibleInterface *parent() const override { return FParent; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text Type) const override {
        const TKeyboardModel &m = FParent->Keyboard()->Model();
        switch (Type) {
        case QAccessible::Name:
            return m.NoteDisplayName(FNote);
        case QAccessible::Description:
            return TKeyboardModel::IsBlack(FNote) ? Tr("Black key") : Tr("White key");
        case QAccessible::Value:
            return m.IsPressed(FNote) ? Tr("sounding") : QString();
        default:
            return QString();
        }
    }

    QAccessible::State state() const override {
        const TKeyboard *k = FParent->Keyboard();
        QAccessible::State s;
        s.focusable = true;
        s.pressed = k->Model().IsPressed(FNote);
        s.focused = k->hasFocus() && FParent->FocusNote() == FNote;
        const QRect r = LocalRect();
        if (!r.intersects(k->rect())) {
            s.invisible = true;
            s.offscreen = true;
        }
        return s;
    }

    QRect rect() const override {
        const TKeyboard *k = FParent->Keyboard();
        const QRect r = LocalRect();
        return QRect(k->mapToGlobal(r.topLeft()), r.size());
    }

private:
    QRect LocalRect() const {
        const TKeyboardModel &m = FParent->Keyboard()->Model();
        return QRect(m.KeyLeft(FNote) - m.ScrollOffset(), 0, m.KeyPixelWidth(FNote),
                     m.KeyPixelHeight(FNote));
    }

    TKeyboardAccessible *FParent;
    int FNote;
};

QAccessibleInterface *Factory(const QString &ClassName, QObject *Object) {
    if (ClassName == QLatin1String("TKeyboard") && Object && Object->isWidgetType())
        return new TKeyboardAccessible(static_cast<TKeyboard *>(Object));
    return nullptr;
}

} // namespace

TKeyboardAccessible::TKeyboardAccessible(TKeyboard *Keyboard)
    : QAccessibleWidget(Keyboard, QAccessible::Grouping) {}

TKeyboardAccessible::~TKeyboardAccessible() {
    for (const QAccessible::Id id : FKeys)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

void TKeyboardAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

TKeyboard *TKeyboardAccessible::Keyboard() const {
    return static_cast<TKeyboard *>(widget());
}

void TKeyboardAccessible::KeyChanged(TKeyboard *Keyboard, int Note) {
    if (!QAccessible::isActive() || Note < 0 || Note >= TKeyboardModel::NoteCount)
        return;
    if (auto *self =
            dynamic_cast<TKeyboardAccessible *>(QAccessible::queryAccessibleInterface(Keyboard)))
        self->NoteChanged(Note);
}

void TKeyboardAccessible::NoteChanged(int Note) {
    QAccessibleInterface *key = child(Note);
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent stateEvent(key, changed);
    QAccessible::updateAccessibility(&stateEvent);
    if (Keyboard()->Model().IsPressed(Note) && Note != FFocusNote) {
        FFocusNote = Note;
        if (Keyboard()->hasFocus()) {
            QAccessibleEvent focusEvent(key, QAccessible::Focus);
            QAccessible::updateAccessibility(&focusEvent);
        }
    }
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

QString TKeyboardAccessible::SoundingText() const {
    const TKeyboardModel &m = Keyboard()->Model();
    QStringList names;
    for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
        if (m.IsPressed(n))
            names << m.NoteDisplayName(n);
    return names.isEmpty() ? Tr("No note sounding")
                           : Tr("Sounding: %1").arg(names.join(QLatin1String(", ")));
}

QString TKeyboardAccessible::text(QAccessible::Text Type) const {
    QString s = QAccessibleWidget::text(Type);
    switch (Type) {
    case QAccessible::Name:
        return s.isEmpty() ? Tr("Piano keyboard") : s;
    case QAccessible::Description:
        // How to play it, then what sounds now.
        if (s.isEmpty())
            s = Tr("Play it with the mouse, or with the computer keys Z to / and Q to ] "
                   "(F3 and F4 move them an octave down or up).");
        return s + QLatin1Char(' ') + SoundingText() + QLatin1Char('.');
    case QAccessible::Value:
        return SoundingText();
    default:
        return s;
    }
}

QAccessible::State TKeyboardAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = Keyboard()->focusPolicy() != Qt::NoFocus;
    return s;
}

int TKeyboardAccessible::childCount() const {
    return TKeyboardModel::NoteCount;
}

QAccessibleInterface *TKeyboardAccessible::child(int Index) const {
    if (Index < 0 || Index >= TKeyboardModel::NoteCount)
        return nullptr;
    QAccessible::Id &id = FKeys[size_t(Index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new TKeyAccessible(const_cast<TKeyboardAccessible *>(this), Index));
    return QAccessible::accessibleInterface(id);
}

int TKeyboardAccessible::indexOfChild(const QAccessibleInterface *Child) const {
    for (int i = 0; i < TKeyboardModel::NoteCount; ++i)
        if (FKeys[size_t(i)] != 0 && QAccessible::accessibleInterface(FKeys[size_t(i)]) == Child)
            return i;
    return -1;
}

QAccessibleInterface *TKeyboardAccessible::childAt(int X, int Y) const {
    const QPoint p = Keyboard()->mapFromGlobal(QPoint(X, Y));
    if (!Keyboard()->rect().contains(p))
        return nullptr;
    // Black keys lie over the white ones: they are asked first.
    for (const bool black : {true, false})
        for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
            if (TKeyboardModel::IsBlack(n) == black) {
                QAccessibleInterface *key = child(n);
                if (key->rect().contains(X, Y))
                    return key;
            }
    return nullptr;
}

QAccessibleInterface *TKeyboardAccessible::focusChild() const {
    if (!Keyboard()->hasFocus())
        return nullptr;
    return FFocusNote >= 0 ? child(FFocusNote) : nullptr;
}
