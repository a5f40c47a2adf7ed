#include "controls/movinghint.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int Margin = 3;

// A tool-tip look with the text drawn by the same wrapping rule that sized the window.
class THintWindow : public QWidget {
public:
    explicit THintWindow(QWidget *Owner) : QWidget(Owner, Qt::ToolTip | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
    }
    static constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QString Text;

    QSize SizeFor(const QString &S) const {
        const QRect r =
            fontMetrics().boundingRect(QRect(0, 0, TMovingHint::MaxWidth, 1 << 20), Flags, S);
        return r.size() + QSize(2 * Margin, 2 * Margin);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        QStyleOptionFrame opt;
        opt.initFrom(this);
        style()->drawPrimitive(QStyle::PE_PanelTipLabel, &opt, &p, this);
        p.setPen(palette().color(QPalette::ToolTipText));
        p.drawText(rect().adjusted(Margin, Margin, -Margin, -Margin), Flags, Text);
    }
};

} // namespace

TMovingHint::TMovingHint() = default;
TMovingHint::~TMovingHint() {
    delete FWindow;
}

bool TMovingHint::IsShowing() const {
    return FWindow && FWindow->isVisible();
}

QWidget *TMovingHint::Window() const {
    return FWindow;
}

void TMovingHint::ShowAt(const QWidget *Control, const QString &Text) {
    const QPoint corner = Control->mapToGlobal(QPoint(Control->width(), 0));
    if (FOwner != Control->window()) {
        delete FWindow;
        FOwner = Control->window();
    }
    FPos = QPoint(corner.x() + 2, corner.y());
    FText = Text;
    Show(true);
}

void TMovingHint::HideHint() {
    delete FWindow;
}

void TMovingHint::SetShowing(bool Value) {
    if (Value == IsShowing())
        return;
    if (Value)
        Show(true);
    else
        HideHint();
}

void TMovingHint::Show(bool Force) {
    if (!Force && !IsShowing())
        return;
    if (!FWindow)
        FWindow = new THintWindow(FOwner);
    auto *w = static_cast<THintWindow *>(FWindow.data());
    w->Text = FText;
    w->setGeometry(QRect(FPos, w->SizeFor(FText)));
    w->show();
    w->update();
}
