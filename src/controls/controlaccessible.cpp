#include "controls/controlaccessible.h"

#include "controls/frameimage.h"
#include "controls/imgcontrol.h"
#include "controls/wheel.h"

#include <QAccessibleWidget>

namespace {

// Position, range and role of one kind of control.
template <typename TControl> struct TValueOf;

template <> struct TValueOf<TImgControl> {
    static int Position(const TImgControl *C) { return C->Position(); }
    static int Min(const TImgControl *C) { return C->Min(); }
    static int Max(const TImgControl *C) { return C->Max(); }
    static QAccessible::Role Role(const TImgControl *C) {
        return C->FrameImage() && C->FrameImage()->Button() ? QAccessible::Button
                                                            : QAccessible::Slider;
    }
};

template <> struct TValueOf<TWheel> {
    static int Position(const TWheel *C) { return C->Position(); }
    static int Min(const TWheel *C) { return C->PositionMin(); }
    static int Max(const TWheel *C) { return C->PositionMax(); }
    static QAccessible::Role Role(const TWheel *) { return QAccessible::Dial; }
};

// The value is read only: the user changes it with the control's own keys, which also send it.
template <typename TControl>
class TValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TValueAccessible(TControl *Control)
        : QAccessibleWidget(Control, TValueOf<TControl>::Role(Control)) {}

    void *interface_cast(QAccessible::InterfaceType Type) override {
        if (Type == QAccessible::ValueInterface && role() != QAccessible::Button)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(Type);
    }
    QAccessible::Role role() const override { return TValueOf<TControl>::Role(Control()); }
    QString text(QAccessible::Text Type) const override {
        if (Type == QAccessible::Value && role() != QAccessible::Button)
            return QString::number(TValueOf<TControl>::Position(Control()));
        return QAccessibleWidget::text(Type);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = widget()->focusPolicy() != Qt::NoFocus;
        return s;
    }

    QVariant currentValue() const override { return TValueOf<TControl>::Position(Control()); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return TValueOf<TControl>::Max(Control()); }
    QVariant minimumValue() const override { return TValueOf<TControl>::Min(Control()); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TControl *Control() const { return static_cast<TControl *>(widget()); }
};

QAccessibleInterface *Factory(const QString &ClassName, QObject *Object) {
    if (!Object || !Object->isWidgetType())
        return nullptr;
    if (ClassName == QLatin1String("TImgControl"))
        return new TValueAccessible<TImgControl>(static_cast<TImgControl *>(Object));
    if (ClassName == QLatin1String("TWheel"))
        return new TValueAccessible<TWheel>(static_cast<TWheel *>(Object));
    return nullptr;
}

} // namespace

namespace ControlAccessible {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void ValueChanged(QWidget *Control, int Value) {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(Control, Value);
    QAccessible::updateAccessibility(&event);
}

} // namespace ControlAccessible
