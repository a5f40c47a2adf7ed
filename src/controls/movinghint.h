#pragma once

// The small value hint that follows a strip or knob while it is dragged: a tool-tip window just
// right of the control's top-right corner, its text wrapped at 100 pixels. The window exists only
// while it shows.

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class TMovingHint {
public:
    static constexpr int MaxWidth = 100;

    TMovingHint();
    ~TMovingHint();
    TMovingHint(const TMovingHint &) = delete;
    TMovingHint &operator=(const TMovingHint &) = delete;

    bool IsShowing() const;
    // Places the hint at Control's top-right corner (2 pixels to the right) and shows Text;
    // every call places and shows it anew.
    void ShowAt(const QWidget *Control, const QString &Text);
    // Closes the hint window; the next show creates it again.
    void HideHint();
    // Showing it again when it already shows does nothing.
    void SetShowing(bool Value);

    const QString &Text() const { return FText; }
    // The hint window while it exists.
    QWidget *Window() const;

private:
    void Show(bool Force);

    QString FText;
    QPoint FPos;
    // The hint belongs to the control's window, so the window system can place it beside it
    // (Wayland places tool-tips only relative to a parent) and it goes away with it.
    QPointer<QWidget> FOwner;
    QPointer<QWidget> FWindow;
};
