#pragma once

// Window-level helpers: placement kept in a settings store, message boxes, centring.

#include <QRect>
#include <QString>

class QWidget;
class TCustomIniFile;

namespace FormState {
constexpr int Size = 1;
constexpr int Position = 2;
constexpr int Maximized = 4;
constexpr int Minimized = 8;
constexpr int Visibility = 16;
constexpr int Style = 32;
} // namespace FormState

void SaveFormState(const QWidget &Window, TCustomIniFile &Store, const QString &Section, int Flags,
                   const QString &Prefix = QString());
// Returns whether the stored state asks the window to start hidden (flag 16, main window).
bool LoadFormState(QWidget &Window, const TCustomIniFile &Store, const QString &Section, int Flags,
                   const QString &Prefix = QString());

// Moves a window rectangle so that it stays reachable on a screen of the given size.
QRect KeepReachable(QRect Window, QSize Screen);

bool Confirm(QWidget *Parent, const QString &Text);
void ShowInfo(QWidget *Parent, const QString &Text);
void CenterOnForm(QWidget &Window, const QWidget *Owner);
