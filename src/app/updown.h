#pragma once

// A pair of small arrow buttons standing beside an edit field, holding a position in a range.
// Held down it repeats, faster the longer it is held (1 step, then 5 after 2 s, 10 after 5 s).

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget *Parent = nullptr);

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    void SetRange(int Min, int Max);
    int Position() const { return FPosition; }
    // Sets the position without raising OnClick (clamped to the range).
    void SetPosition(int Value);
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value) { FWrap = Value; }
    // Whether the acceleration applies while a button is held.
    void SetAccelerated(bool Value) { FAccelerated = Value; }

    // A click moved the position (by the user).
    std::function<void(int Position)> OnClick;

    // One step up (+1) or down (-1) as a click does.
    void Step(int Direction);
    // What a screen reader calls the pair and its two buttons: Of is the value they step.
    void SetAccessibleNames(const QString &Of);

protected:
    void resizeEvent(QResizeEvent *Event) override;
    void changeEvent(QEvent *Event) override;

private:
    int Increment() const;

    QToolButton *FUp;
    QToolButton *FDown;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    bool FWrap = false;
    bool FAccelerated = false;
    QElapsedTimer FHeld;
    bool FHolding = false;
};
