#include "controls/transparent.h"

TTransparent::TTransparent(QWidget *Parent) : QWidget(Parent) {
    setAutoFillBackground(false);
}

void TTransparent::SetTransparent(bool Value) {
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    setAutoFillBackground(!Value);
    update();
}

void TTransparent::Changed() {
    if (OnChange)
        OnChange(this);
}
