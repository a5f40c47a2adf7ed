#pragma once

// Window-level helpers: message boxes and centring; the placement lives in formstate.h.

#include "controls/formstate.h"

#include <QString>

class QWidget;

bool Confirm(QWidget *Parent, const QString &Text);
void ShowInfo(QWidget *Parent, const QString &Text);
void CenterOnForm(QWidget &Window, const QWidget *Owner);
