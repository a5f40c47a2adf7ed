#pragma once

// Saving a file so that it is either the old one or the complete new one, never a part: the
// data goes to a temporary file beside it, is synced to the disk, replaces the old file by a
// rename, and the folder is synced too, so that a power cut right after the save cannot bring
// the old file (or none) back.

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Writes Data to FileName atomically, creating the folder if needed. Refuses to replace a file
// that is read-only (no write permission bit at all), even for root. Throws EIniFileException
// with a message naming the file; the old file is then untouched and no temporary file is left.
void WriteFileAtomically(const QString &FileName, const QByteArray &Data);

// Stands in for the write of the data into the temporary file, so that a test can simulate a
// full disk or an interrupted write; returns whether the write succeeded. An empty hook restores
// the plain write.
using TAtomicWriteHook = std::function<bool(QIODevice &File, const QByteArray &Data)>;
void SetAtomicWriteHook(TAtomicWriteHook Hook);
