#pragma once

// The main window's status bar: the message panel and five panels of fixed width (the note
// under the pointer, the base note, the octave, the patch mode, and the transposition while
// there is one). The message panel takes the width the others leave, and the room of the note
// panel beside it while that is empty. A message never changes the bar's height nor covers the
// base, octave and mode panels: a text longer than its room ends with an ellipsis, and is whole
// in the panel's tooltip and in the list of messages, which a click on the panel opens.

#include <QStatusBar>
#include <QStringList>

#include <array>

class QDialog;
class QLabel;
class QPlainTextEdit;

class TStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PanelCount = 6;
    static constexpr int TransposePanel = 5;
    // The list keeps this many of the latest messages.
    static constexpr int LogLength = 200;

    // LineHeight: the bar's height.
    TStatusBar(int LineHeight, QWidget *Parent);

    QLabel *Panel(int Index) const { return FPanels[size_t(Index)]; }
    // Sets a panel's text; use it rather than the label's own setText for the note panel (1),
    // whose room the message takes while it is empty.
    void SetPanelText(int Index, const QString &Text);
    // The transposition in semitones: its panel shows while it is not 0.
    void SetTranspose(int Semitones);
    // The message panel's text until the next message; a Logged one joins the list of messages
    // (progress texts do not).
    void SetMessage(const QString &Text, bool Logged = true);
    // Shown over the message while the pointer rests on a control; empty: the message again.
    void SetHint(const QString &Text);
    // What the message panel shows now: the hint, else the message.
    QString Text() const;
    // The messages so far, oldest first, each after the time it came ("14:03:12 Opened ...").
    const QStringList &Messages() const { return FLog; }
    // Opens the list of messages (a window of its own, kept up to date while open).
    void ShowMessages();
    QDialog *MessageList() const { return FList; }

protected:
    void resizeEvent(QResizeEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    // Places the text: in the message panel, or over it and the empty note panel.
    void Arrange();
    // The room for text in a label of Width.
    int Room(const QLabel *Label, int Width) const;
    void FillList();

    std::array<QLabel *, PanelCount> FPanels{};
    QLabel *FAcross; // over the message panel and the empty note panel beside it
    QString FMessage;
    QString FHint;
    QStringList FLog;
    QDialog *FList = nullptr;
    QPlainTextEdit *FListText = nullptr;
};
