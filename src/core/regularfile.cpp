#include "core/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

QString Text(const char *Source) {
    return QCoreApplication::translate("ReadRegularFile", Source);
}

} // namespace

QString FileSizeText(qint64 Bytes) {
    constexpr qint64 KiB = 1024;
    constexpr qint64 MiB = 1024 * KiB;
    if (Bytes < MiB)
        return Text("%1 KB").arg((Bytes + KiB - 1) / KiB);
    return Text("%1 MB").arg((Bytes + MiB - 1) / MiB);
}

TFileReadResult ReadRegularFile(const QString &FileName, qint64 MaxSize, QByteArray &Data,
                                QString &Error, qint64 HeadSize, bool *Truncated) {
    Data.clear();
    if (Truncated)
        *Truncated = false;
    QFile File;
    qint64 Size = 0;
#ifdef Q_OS_UNIX
    // Not blocking: opening a FIFO without a writer would wait for ever.
    const int Fd = ::open(QFile::encodeName(FileName).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (Fd < 0) {
        const int Code = errno;
        // A path through a file (ENOTDIR) names nothing either.
        if ((Code == ENOENT || Code == ENOTDIR) && !QFileInfo(FileName).isSymLink())
            return TFileReadResult::Missing;
        Error = QString::fromLocal8Bit(std::strerror(Code));
        return TFileReadResult::Unreadable;
    }
    struct stat Info {};
    if (::fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode)) {
        const bool Folder = S_ISDIR(Info.st_mode);
        ::close(Fd);
        Error = Folder ? Text("it is a folder") : Text("it is not a regular file");
        return TFileReadResult::Unreadable;
    }
    Size = qint64(Info.st_size);
    ::fcntl(Fd, F_SETFL, ::fcntl(Fd, F_GETFL) & ~O_NONBLOCK);
    if (!File.open(Fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(Fd);
        Error = File.errorString();
        return TFileReadResult::Unreadable;
    }
#else
    const QFileInfo Info(FileName);
    if (!Info.exists() && !Info.isSymLink())
        return TFileReadResult::Missing;
    if (!Info.isFile()) {
        Error = Info.isDir() ? Text("it is a folder") : Text("it is not a regular file");
        return TFileReadResult::Unreadable;
    }
    File.setFileName(FileName);
    if (!File.open(QIODevice::ReadOnly)) {
        Error = File.errorString();
        return TFileReadResult::Unreadable;
    }
    Size = File.size();
#endif
    const bool Head = HeadSize >= 0;
    if (!Head && Size > MaxSize) {
        Error = Text("it is larger than %1").arg(FileSizeText(MaxSize));
        return TFileReadResult::TooLarge;
    }
    // A file that grows while it is read is cut at the limit all the same.
    const qint64 Wanted = Head ? HeadSize : MaxSize + 1;
    Data = File.read(Wanted);
    if (File.error() != QFileDevice::NoError) {
        Error = File.errorString();
        Data.clear();
        return TFileReadResult::Unreadable;
    }
    if (Head) {
        if (Truncated)
            *Truncated = !File.atEnd() || Size > HeadSize;
    } else if (Data.size() > MaxSize) {
        Error = Text("it is larger than %1").arg(FileSizeText(MaxSize));
        Data.clear();
        return TFileReadResult::TooLarge;
    }
    return TFileReadResult::Read;
}
