#pragma once

// Reading a file that comes from outside (a settings file, an import, a patch script) without
// being held up by what is not a file: a FIFO would block the open, a device might never end,
// and a file of gigabytes would fill the memory. Only a regular file is read, and only up to a
// limit; the kind is checked on the open handle, so a file swapped for a FIFO meanwhile is
// refused too.

#include <QByteArray>
#include <QString>

enum class TFileReadResult {
    Read,       // Data holds the file (or its head)
    Missing,    // no such file (a dangling link is Unreadable)
    Unreadable, // a folder, a FIFO or device, or a read error: Error says which
    TooLarge,   // larger than the limit: Error says so
};

// Reads FileName whole into Data. A file larger than MaxSize is refused ("it is larger than
// ..."). With HeadSize >= 0 only the first HeadSize bytes are read, and the size limit does not
// apply; Truncated then says whether the file is longer.
TFileReadResult ReadRegularFile(const QString &FileName, qint64 MaxSize, QByteArray &Data,
                                QString &Error, qint64 HeadSize = -1, bool *Truncated = nullptr);

// "16 MB" for a size in bytes (whole mebibytes, rounded up), "256 KB" below a mebibyte.
QString FileSizeText(qint64 Bytes);
