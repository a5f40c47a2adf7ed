#pragma once

// Window placement kept in a settings store, for the main window and every dialog that
// remembers where the user left it.

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

// Whether a program can place its windows and learn where they are: not on Wayland, where the
// desktop alone places every window. There a position is neither set nor saved (the one kept
// from an X11 session stays in the store).
bool CanPlaceWindows();

void SaveFormState(const QWidget &Window, TCustomIniFile &Store, const QString &Section, int Flags,
                   const QString &Prefix = QString());
// Returns whether the stored state asks the window to start hidden (flag 16, main window).
bool LoadFormState(QWidget &Window, const TCustomIniFile &Store, const QString &Section, int Flags,
                   const QString &Prefix = QString());

// Moves a window rectangle so that it stays reachable on the desktop (all screens): a place
// kept from a larger or a detached screen must not leave the window out of sight, nor its
// title bar above the top edge where it cannot be dragged.
QRect KeepReachable(QRect Window, const QRect &Desktop);

// The position alone (values Prefix + "Top" and "Left") under Section of the per-user store,
// where a dialog keeps it; store errors are ignored, as a lost position is no loss to the user.
void LoadDialogPosition(QWidget &Dialog, const QString &Section, const QString &Prefix);
void SaveDialogPosition(const QWidget &Dialog, const QString &Section, const QString &Prefix);
