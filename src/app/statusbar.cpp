#include "app/statusbar.h"

#include "controls/formstate.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTime>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The message panel: however long its text, it asks for no width, so that a long text neither
// widens the bar nor the window. A text it has no room for ends in an ellipsis rather than
// being cut off mid-letter.
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

QLabel *SunkenPanel(QLabel *Label) {
    Label->setFrameShape(QFrame::Panel);
    Label->setFrameShadow(QFrame::Sunken);
    return Label;
}

} // namespace

TStatusBar::TStatusBar(int LineHeight, QWidget *Parent) : QStatusBar(Parent) {
    setFixedHeight(LineHeight);
    setSizeGripEnabled(false);
    for (size_t i = 0; i < FPanels.size(); ++i)
        FPanels[i] = SunkenPanel(i == 0 ? new TMessagePanel(this) : new QLabel(this));
    addWidget(FPanels[0], 1);
    // The transposition beside the octave: both say which notes the keys play.
    for (int i : {1, 2, 3, TransposePanel, 4})
        addPermanentWidget(FPanels[size_t(i)]);
    const QFontMetrics fm(FPanels[1]->font());
    FPanels[1]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("WWWWWWWWW")));
    FPanels[2]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("Base: WWW")));
    FPanels[3]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("Octave: 122")));
    FPanels[4]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("WWWWWWWWWW")));
    FPanels[TransposePanel]->setFixedWidth(
        fm.horizontalAdvance(tr("Transpose: %1").arg(QStringLiteral("-99"))) +
        fm.horizontalAdvance(QLatin1Char('x')));
    FPanels[TransposePanel]->hide();
    // Fixed in both directions, a panel's new text repaints that panel only; one of free height
    // has the whole bar laid out and repainted again, at every note played. The bar keeps 3
    // pixels above its panels and 2 below.
    for (size_t i = 1; i < FPanels.size(); ++i)
        FPanels[i]->setFixedHeight(LineHeight - 5);

    FAcross = SunkenPanel(new QLabel(this));
    FAcross->setAutoFillBackground(true);
    FAcross->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FAcross->hide();
    // It follows the panels it covers; a click on the message opens the list of messages.
    for (QLabel *l : {FPanels[0], FPanels[1], FAcross})
        l->installEventFilter(this);
}

QString TStatusBar::Text() const {
    return FPanels[0]->text();
}

void TStatusBar::SetMessage(const QString &Text, bool Logged) {
    FMessage = Text;
    FHint.clear();
    if (Logged && !Text.isEmpty()) {
        FLog << QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(' ') + Text;
        if (FLog.size() > LogLength)
            FLog.removeFirst();
        FillList();
    }
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

void TStatusBar::SetTranspose(int Semitones) {
    QLabel *panel = FPanels[TransposePanel];
    panel->setText(Semitones == 0 ? QString()
                                  : tr("Transpose: %1")
                                        .arg(Semitones > 0 ? QStringLiteral("+%1").arg(Semitones)
                                                           : QString::number(Semitones)));
    panel->setVisible(Semitones != 0);
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
    // The note panel's room too, while it shows nothing: the pointer is not over the keys.
    const QLabel *note = FPanels[1];
    const bool beside = note->text().isEmpty();
    const int roomBeside = beside ? Room(FAcross, note->geometry().right() + 1 - left) : room;
    const int width = fm.horizontalAdvance(shown);
    // Whole where it is cut: in the tooltip (and the list of messages).
    FPanels[0]->setToolTip(width <= roomBeside ? QString() : shown);
    FAcross->setToolTip(FPanels[0]->toolTip());
    if (width <= room || !beside) {
        FAcross->hide();
        return;
    }
    FAcross->setText(fm.elidedText(shown, Qt::ElideRight, roomBeside));
    // The whole height the panels may take: the bar keeps 3 pixels above them and 2 below.
    FAcross->setGeometry(QRect(QPoint(left, 3), QPoint(note->geometry().right(), height() - 3)));
    FAcross->show();
    FAcross->raise();
}

void TStatusBar::ShowMessages() {
    if (!FList) {
        FList = new QDialog(window(), Qt::Tool);
        FList->setAttribute(Qt::WA_DeleteOnClose);
        FList->setWindowTitle(tr("Messages"));
        FListText = new QPlainTextEdit(FList);
        FListText->setReadOnly(true);
        FListText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, FList);
        connect(buttons, &QDialogButtonBox::rejected, FList, &QDialog::reject);
        auto *layout = new QVBoxLayout(FList);
        layout->addWidget(FListText);
        layout->addWidget(buttons);
        const QFontMetrics fm(FListText->font());
        FList->resize(fm.horizontalAdvance(QLatin1Char('x')) * 72, fm.height() * 14);
        connect(FList, &QObject::destroyed, this, [this] {
            FList = nullptr;
            FListText = nullptr;
        });
        FillList();
        PlaceBeside(*FList, *window());
    }
    FList->show();
    FList->raise();
    FList->activateWindow();
}

void TStatusBar::FillList() {
    if (!FListText)
        return;
    FListText->setPlainText(FLog.isEmpty() ? tr("No messages yet.") : FLog.join(QLatin1Char('\n')));
    FListText->verticalScrollBar()->setValue(FListText->verticalScrollBar()->maximum());
}

void TStatusBar::resizeEvent(QResizeEvent *Event) {
    QStatusBar::resizeEvent(Event);
    Arrange();
}

bool TStatusBar::eventFilter(QObject *Watched, QEvent *Event) {
    if (Event->type() == QEvent::Resize || Event->type() == QEvent::Move)
        Arrange();
    else if (Event->type() == QEvent::MouseButtonRelease && Watched != FPanels[1])
        ShowMessages();
    return QStatusBar::eventFilter(Watched, Event);
}
