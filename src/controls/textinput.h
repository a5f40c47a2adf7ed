#pragma once

// A one-line text asked for in a small dialog, as QInputDialog::getText does, but wide enough
// that the window manager shows its whole title ("Snapshot name — Ondrel"), not a cut one.

#include <QString>

class QWidget;

// The text entered; Ok tells whether the user confirmed it (false on Cancel or Esc).
QString AskText(QWidget *Parent, const QString &Title, const QString &Label, const QString &Text,
                bool *Ok);

// The width a top-level window needs for Title in its title bar: the title as the window manager
// shows it (with the program's name after it) and room for the buttons beside it.
int TitleWidth(const QWidget &Window, const QString &Title);
