#include "shellview/saferemove.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>
#endif

#ifdef Q_OS_UNIX

namespace {

// Folders nested deeper are left (one descriptor is open per level).
constexpr int MaxDepth = 256;

QString ErrnoText(int Code) {
    return QString::fromLocal8Bit(std::strerror(Code));
}

// Removes Name in the folder ParentFd; the first failure's reason goes to Error.
bool RemoveAt(int ParentFd, const QByteArray &Name, int Depth, QString &Error) {
    const auto Fail = [&Error](int Code) {
        if (Error.isEmpty())
            Error = ErrnoText(Code);
        return false;
    };
    struct stat Info {};
    if (::fstatat(ParentFd, Name.constData(), &Info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT || Fail(errno);
    if (!S_ISDIR(Info.st_mode)) {
        if (::unlinkat(ParentFd, Name.constData(), 0) == 0 || errno == ENOENT)
            return true;
        return Fail(errno);
    }
    if (Depth >= MaxDepth) {
        if (Error.isEmpty())
            Error = QCoreApplication::translate("TSystemListView", "folders nested too deeply");
        return false;
    }
    // Never through a link: a folder that became one since the look above is not entered.
    const int Fd =
        ::openat(ParentFd, Name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (Fd < 0) {
        if (errno == ELOOP || errno == ENOTDIR) // swapped for a link or a file: remove that
            return RemoveAt(ParentFd, Name, MaxDepth, Error);
        return errno == ENOENT || Fail(errno);
    }
    DIR *Dir = ::fdopendir(Fd);
    if (!Dir) {
        const int Code = errno;
        ::close(Fd);
        return Fail(Code);
    }
    // The names first: removing while reading may skip entries.
    std::vector<QByteArray> Names;
    while (const dirent *Entry = ::readdir(Dir)) {
        const QByteArray Child(Entry->d_name);
        if (Child != "." && Child != "..")
            Names.push_back(Child);
    }
    bool Ok = true;
    for (const QByteArray &Child : Names)
        Ok = RemoveAt(::dirfd(Dir), Child, Depth + 1, Error) && Ok;
    ::closedir(Dir);
    if (!Ok)
        return false;
    if (::unlinkat(ParentFd, Name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT)
        return true;
    return Fail(errno);
}

} // namespace

bool RemovePermanently(const QString &Path, QString &Error) {
    Error.clear();
    const QFileInfo Info(Path);
    const QByteArray Parent = QFile::encodeName(Info.absolutePath());
    const QByteArray Name = QFile::encodeName(Info.fileName());
    if (Name.isEmpty() || Name == "." || Name == "..") {
        Error = ErrnoText(EINVAL);
        return false;
    }
    const int ParentFd = ::open(Parent.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ParentFd < 0) {
        const int Code = errno;
        if (Code == ENOENT)
            return true;
        Error = ErrnoText(Code);
        return false;
    }
    const bool Ok = RemoveAt(ParentFd, Name, 0, Error);
    ::close(ParentFd);
    return Ok;
}

#else

bool RemovePermanently(const QString &Path, QString &Error) {
    Error.clear();
    const QFileInfo Info(Path);
    if (!Info.exists() && !Info.isSymLink())
        return true;
    // A link or junction is removed itself; only a real folder is emptied.
    bool Ok = Info.isDir() && !Info.isSymLink() && !Info.isJunction()
                  ? QDir(Path).removeRecursively()
                  : QFile::remove(Path) || QDir().rmdir(Path);
    if (!Ok)
        Error = QCoreApplication::translate("TSystemListView", "it could not be removed");
    return Ok;
}

#endif
