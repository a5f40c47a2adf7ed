#pragma once

// The "Transpose" tool window: edits the main keyboard's transposition (-99..99 semitones) and
// its two transpose options at once. Unless "Keep transpose" is checked, closing it sets the
// transposition back to 0. Its position and whether the help panel shows are kept per user.
// Deletes itself when closed.

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TKeyboardModel;
class TNumberEdit;

class TTransposeForm : public QDialog {
    Q_OBJECT
public:
    // Placed beside Owner's window unless a position is stored.
    explicit TTransposeForm(TKeyboardModel &Keyboard, QWidget *Owner = nullptr);
    ~TTransposeForm() override;

    bool HelpVisible() const;
    void SetHelpVisible(bool Value);
    int Gap() const { return FGap; }

    QLabel *HelpLabel;
    TNumberEdit *TransposeUpDown;
    QLineEdit *TransposeEdit;
    QFrame *TransposeBevel;
    QCheckBox *DisplayTransposedCheck;
    QCheckBox *TransposeThruCheck;
    QCheckBox *KeepTransposeCheck;
    QPushButton *CloseButton;
    QPushButton *HelpButton;
    QFrame *HelpPanel;

    static inline const QString StateSection = QStringLiteral("TransposeForm");
    static inline const QString ValFormTop = QStringLiteral("FormTop");
    static inline const QString ValFormLeft = QStringLiteral("FormLeft");
    static inline const QString ValShowHelp = QStringLiteral("ShowHelp");

public Q_SLOTS:
    void done(int Result) override;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void TransposeEntered(int Value);
    void LoadState();
    void SaveState() const;

    TKeyboardModel &FKeyboard;
    QString FHideHelpCaption;
    int FGap = 7;
    bool FShown = false;
    bool FClosing = false;
};
