#pragma once

// Window placement kept in a settings store, for the main window and every dialog that
// remembers where the user left it.

#include <QList>
#include <QMargins>
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

// Frame (a window's outer rectangle, title bar included) moved wholly onto one of Screens: the
// one it overlaps most, else the nearest. A frame larger than that screen keeps its top left
// corner on it. Without screens the frame stays as it is.
QRect KeepOnScreen(QRect Frame, const QList<QRect> &Screens);

// The window manager's frame around Window's client area: its own once it is shown, else that of
// another shown window of the program (they are decorated alike), else none.
QMargins FrameMargins(const QWidget &Window);

// Sets Window's client rectangle to Client moved wholly onto a present screen (the available
// area, without panels), and checks it once more when the window is on screen and the window
// manager's frame is known.
void PlaceOnScreen(QWidget &Window, const QRect &Client);

// Moves Dialog beside Owner's window, where it covers none of it: right of it, else below, left
// or above it, else on its right part; wholly on the screen in every case.
void PlaceBeside(QWidget &Dialog, const QWidget &Owner);

// The position alone (values Prefix + "Top" and "Left") under Section of the per-user store,
// where a dialog keeps it; store errors are ignored, as a lost position is no loss to the user.
void LoadDialogPosition(QWidget &Dialog, const QString &Section, const QString &Prefix);
void SaveDialogPosition(const QWidget &Dialog, const QString &Section, const QString &Prefix);
