#pragma once

// A number typed into an edit box with a pair of step buttons beside it. The typed text counts
// only when Enter is pressed or the edit loses the focus; Esc puts the last position back.
// Both keys are consumed then, so they never reach the dialog's default or cancel button; Esc
// with nothing to put back goes on to the dialog (its cancel button closes it).

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

class TNumberEdit : public QWidget {
    Q_OBJECT
public:
    explicit TNumberEdit(int Min, int Max, QWidget *Parent = nullptr);

    QLineEdit *Edit() const { return FEdit; }
    QToolButton *UpButton() const { return FUp; }
    QToolButton *DownButton() const { return FDown; }

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    // Clamps to the range and shows the value; raises nothing.
    void SetPosition(int Value);

    // What a screen reader calls the edit and its two buttons: Of is the number they hold.
    void SetAccessibleNames(const QString &Of);

    // Enters text typed but not yet entered (a button pressed by its shortcut takes no focus).
    void CommitTyped();

    // A step button moved the position.
    std::function<void(int Position)> OnClick;
    // Text committed by Enter or by leaving the edit, already read as an integer (not clamped).
    // Without a handler the value is clamped into the position. Text that is no integer never
    // arrives here.
    std::function<void(int Value)> OnEntered;
    // Esc: what to show again; without a handler the position.
    std::function<int()> OnRevert;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void Commit();
    void Step(int Direction);

    QLineEdit *FEdit;
    QToolButton *FUp;
    QToolButton *FDown;
    int FMin;
    int FMax;
    int FPosition = 0;
};
