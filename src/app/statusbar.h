#pragma once

// The main window's status bar: the message panel and four panels of fixed width (the note
// under the pointer, the base note, the octave, the patch mode). The message panel takes the
// width the others leave; a text longer than that is shown whole across the bar, over the other
// panels:
// - a notice for as long as it is current, wrapped when it is longer than the bar, which then
//   grows by the lines it needs;
// - another message for the time it takes to read it, then back in its panel, which takes the
//   room of the note panel beside it while that is empty; only when the text is longer than
//   both is it shortened with an ellipsis (and whole in the panel's tooltip);
// - a hint (the status tip of the control under the pointer) while the pointer is there, in the
//   lines the bar has, so that the window does not change its height as the pointer moves.

#include <QStatusBar>

#include <array>
#include <functional>

class QLabel;
class QTimer;

class TStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PanelCount = 5;

    // LineHeight: the bar's height with one line of text.
    TStatusBar(int LineHeight, QWidget *Parent);

    QLabel *Panel(int Index) const { return FPanels[size_t(Index)]; }
    // Sets a panel's text; use it rather than the label's own setText for the note panel (1),
    // whose room the message takes while it is empty.
    void SetPanelText(int Index, const QString &Text);
    // The message panel's text until the next message; a Lasting one (a notice) is shown
    // whole all that time.
    void SetMessage(const QString &Text, bool Lasting);
    // Shown over the message while the pointer rests on a control; empty: the message again.
    void SetHint(const QString &Text);
    // What the message panel shows now: the hint, else the message.
    QString Text() const;
    // The height the bar asks for: one line, or the lines of a long message.
    int BarHeight() const { return FBarHeight; }

    // The bar's height changed (a message took or gave back lines).
    std::function<void()> OnHeightChange;

protected:
    void resizeEvent(QResizeEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    // Places the text: in the message panel, or across the bar; and the bar's height.
    void Arrange();
    // The room for text in a label of Width.
    int Room(const QLabel *Label, int Width) const;

    int FLineHeight;
    int FBarHeight;
    std::array<QLabel *, PanelCount> FPanels{};
    QLabel *FAcross;  // over the other panels, from the message panel's left to the last's right
    QTimer *FReading; // while it runs, a message that is not lasting is shown whole
    QString FMessage;
    bool FLasting = false;
    QString FHint;
};
