#include "app/statusbar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

// The message panel: however long its text, it asks for no width, so that a long text neither
// widens the bar nor the window. A text it has no room for ends in an ellipsis rather than
// being cut off mid-letter (when it is not shown across the bar instead).
class TMessagePanel final : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        drawFrame(&painter);
        // Where QLabel puts the text of a framed panel, as the other panels have it.
        const int inset =
            margin() + (indent() >= 0 ? indent() : fontMetrics().horizontalAdvance(u'x') / 2);
        const QRect area = contentsRect().adjusted(inset, 0, -margin(), 0);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, int(Qt::AlignLeft | Qt::AlignVCenter),
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

// How long a message stays whole across the bar: time to read it.
int ReadingMs(const QString &Text) {
    return std::max(3000, 60 * int(Text.size()));
}

QLabel *SunkenPanel(QLabel *Label) {
    Label->setFrameShape(QFrame::Panel);
    Label->setFrameShadow(QFrame::Sunken);
    return Label;
}

} // namespace

TStatusBar::TStatusBar(int LineHeight, QWidget *Parent)
    : QStatusBar(Parent), FLineHeight(LineHeight), FBarHeight(LineHeight) {
    setFixedHeight(LineHeight);
    setSizeGripEnabled(false);
    for (size_t i = 0; i < FPanels.size(); ++i) {
        FPanels[i] = SunkenPanel(i == 0 ? new TMessagePanel(this) : new QLabel(this));
        if (i == 0)
            addWidget(FPanels[i], 1);
        else
            addPermanentWidget(FPanels[i]);
    }
    const QFontMetrics fm(FPanels[1]->font());
    FPanels[1]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("WWWWWWWWW")));
    FPanels[2]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("Base: WWW")));
    FPanels[3]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("Octave: 122")));
    FPanels[4]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("WWWWWWWWWW")));
    // Fixed in both directions, a panel's new text repaints that panel only; one of free height
    // has the whole bar laid out and repainted again, at every note played. The bar keeps 3
    // pixels above its panels and 2 below.
    for (size_t i = 1; i < FPanels.size(); ++i)
        FPanels[i]->setFixedHeight(LineHeight - 5);

    FAcross = SunkenPanel(new QLabel(this));
    FAcross->setAutoFillBackground(true);
    FAcross->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FAcross->hide();
    FReading = new QTimer(this);
    FReading->setSingleShot(true);
    connect(FReading, &QTimer::timeout, this, [this] { Arrange(); });
    // It follows the panels it covers.
    FPanels[0]->installEventFilter(this);
    FPanels[4]->installEventFilter(this);
}

QString TStatusBar::Text() const {
    return FPanels[0]->text();
}

void TStatusBar::SetMessage(const QString &Text, bool Lasting) {
    FMessage = Text;
    FLasting = Lasting;
    FHint.clear();
    FReading->start(ReadingMs(Text));
    Arrange();
    // Long operations report their progress before they return to the event loop.
    (FAcross->isVisible() ? FAcross : FPanels[0])->repaint();
}

void TStatusBar::SetPanelText(int Index, const QString &Text) {
    QLabel *panel = FPanels[size_t(Index)];
    const bool wasEmpty = panel->text().isEmpty();
    panel->setText(Text);
    // Only when the note panel is emptied or filled: a new note name is its own repaint alone.
    if (Index == 1 && wasEmpty != Text.isEmpty())
        Arrange();
}

void TStatusBar::SetHint(const QString &Text) {
    FHint = Text;
    Arrange();
}

int TStatusBar::Room(const QLabel *Label, int Width) const {
    // As QLabel places its text: inside the frame and margin, and half an "x" in from the left.
    const int indent = Label->indent() >= 0
                           ? Label->indent()
                           : Label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    return Width - 2 * Label->frameWidth() - 2 * Label->margin() - indent;
}

void TStatusBar::Arrange() {
    const QString shown = FHint.isEmpty() ? FMessage : FHint;
    FPanels[0]->setText(shown);
    const QFontMetrics fm = FAcross->fontMetrics();
    const int left = FPanels[0]->x();
    const int room = Room(FPanels[0], FPanels[0]->width());
    const int roomAcross = Room(FAcross, FPanels[4]->geometry().right() + 1 - left);
    // The note panel's room too, while it shows nothing: the pointer is not over the keys.
    const QLabel *note = FPanels[1];
    const int roomBeside =
        note->text().isEmpty() ? Room(FAcross, note->geometry().right() + 1 - left) : room;

    // The message decides the height, while it is shown whole: wrapped across the bar when it is
    // longer than that.
    const bool whole = FLasting || FReading->isActive();
    int barHeight = FLineHeight;
    if (whole && fm.horizontalAdvance(FMessage) > roomAcross) {
        const QRect wrapped = fm.boundingRect(QRect(0, 0, std::max(1, roomAcross), 1 << 20),
                                              Qt::TextWordWrap, FMessage);
        barHeight += std::max(0, wrapped.height() - fm.height());
    }
    if (barHeight != FBarHeight) {
        FBarHeight = barHeight;
        setFixedHeight(barHeight);
        if (OnHeightChange)
            OnHeightChange();
    }

    const bool wraps = barHeight > FLineHeight;
    const int width = fm.horizontalAdvance(shown);
    const bool fits = width <= room;
    const bool fitsBeside = !wraps && width <= roomBeside;
    FPanels[0]->setToolTip(fitsBeside ? QString() : shown);
    if (!wraps && (fits || (FHint.isEmpty() && !whole && !fitsBeside))) {
        FAcross->hide();
        return;
    }
    FAcross->setWordWrap(wraps);
    // A hint longer than the bar of a narrow window keeps to the line it has.
    FAcross->setText(wraps || fitsBeside ? shown
                                         : fm.elidedText(shown, Qt::ElideRight, roomAcross));
    // The whole height the panels may take: the bar keeps 3 pixels above them and 2 below.
    const int right = fitsBeside ? note->geometry().right() : FPanels[4]->geometry().right();
    FAcross->setGeometry(QRect(QPoint(left, 3), QPoint(right, height() - 3)));
    FAcross->show();
    FAcross->raise();
}

void TStatusBar::resizeEvent(QResizeEvent *Event) {
    QStatusBar::resizeEvent(Event);
    Arrange();
}

bool TStatusBar::eventFilter(QObject *Watched, QEvent *Event) {
    if (Event->type() == QEvent::Resize || Event->type() == QEvent::Move)
        Arrange();
    return QStatusBar::eventFilter(Watched, Event);
}
