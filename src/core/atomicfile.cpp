#include "core/atomicfile.h"

#include "core/custominifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

TAtomicWriteHook &WriteHook() {
    static TAtomicWriteHook Hook;
    return Hook;
}

QString Failure(const QString &FileName, const QString &Reason) {
    return QCoreApplication::translate("TAtomicFile", "Could not save \"%1\": %2")
        .arg(QDir::toNativeSeparators(FileName), Reason);
}

bool WriteData(QIODevice &File, const QByteArray &Data) {
    return WriteHook() ? WriteHook()(File, Data) : File.write(Data) == qint64(Data.size());
}

#ifdef Q_OS_UNIX

QString ErrnoText(int Code) {
    return QString::fromLocal8Bit(std::strerror(Code));
}

// A descriptor closed when it goes out of scope.
class TFd {
public:
    explicit TFd(int Fd = -1) : FFd(Fd) {}
    ~TFd() { Close(); }
    TFd(const TFd &) = delete;
    TFd &operator=(const TFd &) = delete;
    int Get() const { return FFd; }
    void Reset(int Fd) {
        Close();
        FFd = Fd;
    }
    int Close() {
        const int Result = FFd >= 0 ? ::close(FFd) : 0;
        FFd = -1;
        return Result;
    }

private:
    int FFd;
};

void WriteUnix(const QString &FileName, const QString &Folder, const QByteArray &Data) {
    const QByteArray Name = QFile::encodeName(QFileInfo(FileName).fileName());
    const TFd Dir(
        ::open(QFile::encodeName(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (Dir.Get() < 0)
        throw EIniFileException(Failure(FileName, ErrnoText(errno)));
    // The new file keeps the old one's permissions; a new one gets what the umask allows.
    struct stat Old {};
    const bool Replaces = ::fstatat(Dir.Get(), Name.constData(), &Old, 0) == 0;
    const mode_t Mode = Replaces ? (Old.st_mode & 07777) : 0666;

    QByteArray Temp;
    TFd Fd;
    for (int Attempt = 0; Attempt < 100 && Fd.Get() < 0; ++Attempt) {
        Temp = '.' + Name + '-' +
               QByteArray::number(QRandomGenerator::global()->generate() & 0xFFFFFF, 36);
        Fd.Reset(
            ::openat(Dir.Get(), Temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode));
        if (Fd.Get() < 0 && errno != EEXIST)
            throw EIniFileException(Failure(FileName, ErrnoText(errno)));
    }
    if (Fd.Get() < 0)
        throw EIniFileException(Failure(FileName, ErrnoText(EEXIST)));
    // Whatever goes wrong from here on, the temporary file goes.
    struct TRemoveTemp {
        int Dir;
        const QByteArray &Name;
        bool Keep = false;
        ~TRemoveTemp() {
            if (!Keep)
                ::unlinkat(Dir, Name.constData(), 0);
        }
    } RemoveTemp{Dir.Get(), Temp};
    if (Replaces)
        ::fchmod(Fd.Get(), Mode); // the umask may have taken bits away

    QFile File;
    if (!File.open(Fd.Get(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        throw EIniFileException(Failure(FileName, File.errorString()));
    if (!WriteData(File, Data) || !File.flush()) {
        const QString Reason =
            File.error() != QFileDevice::NoError
                ? File.errorString()
                : QCoreApplication::translate("TAtomicFile", "the data could not be written");
        throw EIniFileException(Failure(FileName, Reason));
    }
    File.close();
    if (::fsync(Fd.Get()) != 0 || Fd.Close() != 0)
        throw EIniFileException(Failure(FileName, ErrnoText(errno)));
    if (::renameat(Dir.Get(), Temp.constData(), Dir.Get(), Name.constData()) != 0)
        throw EIniFileException(Failure(FileName, ErrnoText(errno)));
    RemoveTemp.Keep = true;
    // The rename itself is on the disk only once the folder is.
    ::fsync(Dir.Get());
}

#endif

} // namespace

void SetAtomicWriteHook(TAtomicWriteHook Hook) {
    WriteHook() = std::move(Hook);
}

void WriteFileAtomically(const QString &FileName, const QByteArray &Data) {
    QFileInfo Target(FileName);
    // A link (as dotfile managers make) stays a link: its file is the one replaced.
    QString RealName = FileName;
    if (Target.isSymLink() && Target.exists()) {
        RealName = Target.canonicalFilePath();
        Target = QFileInfo(RealName);
    }
    // Permission bits do not stop root, but a file made read-only says "leave me as I am".
    // (WriteUser is not asked: for root it is always set.)
    constexpr auto AnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (Target.exists() && (!(Target.permissions() & AnyWrite) || Target.isDir()))
        throw EIniFileException(
            Failure(FileName, QCoreApplication::translate("TAtomicFile", "the file is read-only")));
    if (!QDir().mkpath(Target.absolutePath()))
        throw EIniFileException(Failure(
            FileName, QCoreApplication::translate("TAtomicFile", "cannot create the folder")));

#ifdef Q_OS_UNIX
    WriteUnix(RealName, Target.absolutePath(), Data);
#else
    QSaveFile File(RealName);
    if (!File.open(QIODevice::WriteOnly))
        throw EIniFileException(Failure(FileName, File.errorString()));
    if (!WriteData(File, Data)) {
        const QString Reason =
            File.error() != QFileDevice::NoError
                ? File.errorString()
                : QCoreApplication::translate("TAtomicFile", "the data could not be written");
        File.cancelWriting();
        throw EIniFileException(Failure(FileName, Reason));
    }
    if (!File.commit())
        throw EIniFileException(Failure(FileName, File.errorString()));
#endif
}
