#pragma once

// Deleting for good without following links. What a path names is looked at (lstat) at the
// moment it is removed, not when the list was filled: a link is removed itself, never what it
// points to, and a folder is emptied through a descriptor opened with O_NOFOLLOW, so that a
// folder swapped for a link meanwhile (by another program, or by someone who wants another
// folder emptied) is not entered. Any thread.

#include <QString>

// Removes Path with everything in it. False with Error (the reason, for the user) when
// something could not be removed; what could be removed is gone. A path that no longer exists
// counts as removed.
bool RemovePermanently(const QString &Path, QString &Error);
