#pragma once

// The base of controls that may let their parent's picture show through (the rotary knob).

#include "core/keyboardtypes.h"

#include <QWidget>

class TTransparent : public QWidget {
    Q_OBJECT
public:
    explicit TTransparent(QWidget *Parent = nullptr);

    // On: no background of its own, the parent shows wherever the control does not paint.
    // Off: the control's background colour fills it before it paints.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

protected:
    // Fired by descendants when their look changes.
    TNotifyEvent OnChange;
    void Changed();

private:
    bool FTransparent = true;
};
