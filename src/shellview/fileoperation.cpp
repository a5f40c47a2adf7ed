#include "shellview/fileoperation.h"

#include "shellview/saferemove.h"
#include "shellview/systemviewsshared.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

bool Taken(const QString &Path) {
    const QFileInfo Info(Path);
    return Info.exists() || Info.isSymLink(); // a link whose target is gone still takes its name
}

bool IsFolder(const QFileInfo &Info) {
    return Info.isDir() && !Info.isSymLink();
}

// Whether Folder is Outer or lies within it, also by way of symbolic links.
bool Within(const QString &Folder, const QString &Outer) {
    auto Inside = [](const QString &A, const QString &B) {
        return !A.isEmpty() && !B.isEmpty() && (A == B || A.startsWith(B + u'/'));
    };
    return Inside(Folder, Outer) ||
           Inside(QFileInfo(Folder).canonicalFilePath(), QFileInfo(Outer).canonicalFilePath());
}

QString ErrnoText(int Code) {
    return QString::fromLocal8Bit(std::strerror(Code));
}

// One job under way: copies with progress and cancellation.
class TJobRun {
public:
    TJobRun(const std::function<bool()> &Cancelled,
            const std::function<void(const QString &)> &Progress)
        : FCancelled(Cancelled), FProgress(Progress) {
        FClock.start();
    }

    bool Cancelled() {
        if (!FStopped && FCancelled && FCancelled())
            FStopped = true;
        return FStopped;
    }

    void Begin(const QString &Verb, const QStringList &Sources, const QString &Target) {
        FVerb = Verb;
        FWhat = Sources.size() == 1 ? QCoreApplication::translate("TFileOperations", "\"%1\"")
                                          .arg(QFileInfo(Sources[0]).fileName())
                                    : QCoreApplication::translate("TFileOperations", "%n items",
                                                                  nullptr, int(Sources.size()));
        FWhere = QFileInfo(Target).fileName();
        if (FWhere.isEmpty())
            FWhere = Target;
        for (const QString &Source : Sources)
            FTotal += BytesOf(Source);
    }

    // Copies a file to To, which must not exist yet.
    bool CopyFile(const QString &From, const QString &To, QString &Error) {
        QFile In(From);
        if (!In.open(QIODevice::ReadOnly)) {
            Error = In.errorString();
            return false;
        }
        QFile Out(To);
        // NewOnly: a file another program made meanwhile is never written over.
        if (!Out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            Error = Out.errorString();
            return false;
        }
        constexpr qint64 Chunk = 1 << 20;
        QByteArray Buffer(Chunk, Qt::Uninitialized);
        bool Ok = true;
        for (;;) {
            if (Cancelled()) {
                Ok = false;
                break;
            }
            const qint64 Read = In.read(Buffer.data(), Chunk);
            if (Read < 0) {
                Error = In.errorString();
                Ok = false;
                break;
            }
            if (Read == 0)
                break;
            if (Out.write(Buffer.constData(), Read) != Read) {
                Error = Out.errorString();
                Ok = false;
                break;
            }
            FDone += Read;
            Report();
        }
        if (Ok && !Out.flush()) { // before the time is set, or the last write would be now
            Error = Out.errorString();
            Ok = false;
        }
        if (Ok) {
            Out.setPermissions(In.permissions());
            Out.setFileTime(QFileInfo(From).lastModified(), QFileDevice::FileModificationTime);
        }
        Out.close();
        if (Ok && Out.error() != QFileDevice::NoError) {
            Error = Out.errorString();
            Ok = false;
        }
        if (!Ok)
            Out.remove();
        return Ok;
    }

    // Copies a file, a link (as a link) or a whole folder to To, which must not exist yet.
    // A copy that fails leaves nothing behind.
    bool Copy(const QString &From, const QString &To, QString &Error) {
        const QFileInfo Info(From);
        if (Info.isSymLink()) {
            std::error_code Code;
            const auto Link =
                std::filesystem::read_symlink(QFile::encodeName(From).toStdString(), Code);
            if (Code) {
                Error = QString::fromStdString(Code.message());
                return false;
            }
            // Relative links stay relative.
            if (!QFile::link(QFile::decodeName(QByteArray::fromStdString(Link.string())), To)) {
                Error = QCoreApplication::translate("TFileOperations", "the link cannot be made");
                return false;
            }
            return true;
        }
        if (Info.isFile())
            return CopyFile(From, To, Error);
        if (!Info.isDir()) {
            // Reading a pipe would wait for a writer for ever.
            Error =
                QCoreApplication::translate("TFileOperations", "it is a device, pipe or socket");
            return false;
        }
        if (!QDir().mkdir(To)) {
            Error = QCoreApplication::translate("TFileOperations", "the folder cannot be made");
            return false;
        }
        QDirIterator It(From,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        bool Ok = true;
        while (Ok && It.hasNext()) {
            It.next();
            Ok = Copy(It.filePath(), QDir(To).filePath(It.fileName()), Error);
        }
        QString Ignored;
        if (Ok)
            QFile::setPermissions(To, Info.permissions());
        else
            RemovePermanently(To, Ignored);
        return Ok;
    }

    bool Move(const QString &From, const QString &To, QString &Error) {
        const QByteArray Old = QFile::encodeName(From);
        const QByteArray New = QFile::encodeName(To);
#ifdef Q_OS_LINUX
        // Never over an existing name, even one made an instant ago.
        if (::renameat2(AT_FDCWD, Old.constData(), AT_FDCWD, New.constData(), RENAME_NOREPLACE) ==
            0)
            return true;
        int Code = errno;
        if (Code == EINVAL || Code == ENOSYS) { // a file system without that flag
            if (Taken(To)) {
                Error = ErrnoText(EEXIST);
                return false;
            }
            if (std::rename(Old.constData(), New.constData()) == 0)
                return true;
            Code = errno;
        }
#else
        if (!Taken(To) && std::rename(Old.constData(), New.constData()) == 0)
            return true;
        const int Code = Taken(To) ? EEXIST : EXDEV;
#endif
        if (Code != EXDEV) {
            Error = ErrnoText(Code);
            return false;
        }
        // Another file system: copy, and remove the source once the copy is whole.
        if (!Copy(From, To, Error))
            return false;
        // Without following links: a source folder swapped for a link meanwhile loses the link.
        QString Reason;
        const bool Removed = RemovePermanently(From, Reason);
        if (!Removed)
            Error = QCoreApplication::translate("TFileOperations",
                                                "copied, but the original cannot be removed");
        return Removed;
    }

private:
    static qint64 BytesOf(const QString &Path) {
        const QFileInfo Info(Path);
        if (Info.isSymLink())
            return 0;
        if (!Info.isDir())
            return Info.size();
        qint64 Bytes = 0;
        QDirIterator It(Path, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                        QDirIterator::Subdirectories);
        while (It.hasNext()) {
            It.next();
            Bytes += It.fileInfo().size();
        }
        return Bytes;
    }

    void Report() {
        if (!FProgress || FClock.elapsed() < FNextReport)
            return;
        FNextReport = FClock.elapsed() + TFileOperations::ProgressInterval;
        const int Percent = FTotal > 0 ? int(FDone * 100 / FTotal) : 0;
        FProgress(QCoreApplication::translate("TFileOperations", "%1 %2 to %3: %4%")
                      .arg(FVerb, FWhat, FWhere)
                      .arg(Percent));
    }

    const std::function<bool()> &FCancelled;
    const std::function<void(const QString &)> &FProgress;
    QElapsedTimer FClock;
    qint64 FNextReport = TFileOperations::ProgressInterval; // short jobs say nothing
    qint64 FTotal = 0;
    qint64 FDone = 0;
    bool FStopped = false;
    QString FVerb;
    QString FWhat;
    QString FWhere;
};

} // namespace

TFileJobResult RunFileJob(const TFileJob &Job, const std::function<bool()> &Cancelled,
                          const std::function<void(const QString &Text)> &Progress) {
    TFileJobResult Result;
    TJobRun Run(Cancelled, Progress);
    const QString Target = QDir::cleanPath(Job.Target);
    const QString Verb =
        Job.Op == TFileOp::foCopy   ? QCoreApplication::translate("TFileOperations", "Copying")
        : Job.Op == TFileOp::foMove ? QCoreApplication::translate("TFileOperations", "Moving")
                                    : QCoreApplication::translate("TFileOperations", "Linking");
    Run.Begin(Verb, Job.Sources, Target);
    const QString Failure =
        Job.Op == TFileOp::foCopy
            ? QCoreApplication::translate("TFileOperations", "Could not copy \"%1\"")
        : Job.Op == TFileOp::foMove
            ? QCoreApplication::translate("TFileOperations", "Could not move \"%1\"")
            : QCoreApplication::translate("TFileOperations", "Could not make a link to \"%1\"");
    auto Fail = [&](const QString &Name, const QString &Reason) {
        Result.Errors.append(Failure.arg(Name) + QStringLiteral(": ") + Reason + u'.');
    };
    if (!QFileInfo(Target).isDir()) {
        Result.Errors.append(
            QCoreApplication::translate("TFileOperations", "The folder %1 is not there.")
                .arg(Target));
        return Result;
    }
    for (const QString &Given : Job.Sources) {
        if (Run.Cancelled())
            break;
        const QString Source = QDir::cleanPath(QFileInfo(Given).absoluteFilePath());
        const QFileInfo Info(Source);
        const QString Name = Info.fileName();
        if (!Taken(Source)) {
            Fail(Name, QCoreApplication::translate("TFileOperations", "it is no longer there"));
            continue;
        }
        // Moved where it already is: nothing to do.
        if (Job.Op == TFileOp::foMove && QDir::cleanPath(Info.absolutePath()) == Target)
            continue;
        if (Job.Op != TFileOp::foLink && IsFolder(Info) && Within(Target, Source)) {
            Fail(Name,
                 QCoreApplication::translate("TFileOperations", "a folder cannot go into itself"));
            continue;
        }
        QString Into = Name;
        if (Taken(QDir(Target).filePath(Into))) {
            Into = UniqueName(Name, IsFolder(Info), [&](const QString &Candidate) {
                return Taken(QDir(Target).filePath(Candidate));
            });
            if (Into.isEmpty()) {
                Fail(Name, QCoreApplication::translate("TFileOperations", "no free name is left"));
                continue;
            }
            Result.Renamed.append({Name, Into});
        }
        const QString Dest = QDir(Target).filePath(Into);
        QString Error;
        bool Done = false;
        switch (Job.Op) {
        case TFileOp::foCopy:
            Done = Run.Copy(Source, Dest, Error);
            break;
        case TFileOp::foMove:
            Done = Run.Move(Source, Dest, Error);
            break;
        case TFileOp::foLink:
            Done = QFile::link(Source, Dest);
            if (!Done)
                Error = QCoreApplication::translate("TFileOperations", "the link cannot be made");
            break;
        }
        if (Done) {
            Result.Created.append(Into);
        } else if (Run.Cancelled()) {
            if (!Result.Renamed.isEmpty() && Result.Renamed.last().second == Into)
                Result.Renamed.removeLast();
            break;
        } else {
            if (!Result.Renamed.isEmpty() && Result.Renamed.last().second == Into)
                Result.Renamed.removeLast();
            Fail(Name, Error.isEmpty()
                           ? QCoreApplication::translate("TFileOperations", "unknown error")
                           : Error);
        }
    }
    Result.Cancelled = Run.Cancelled();
    return Result;
}

TFileOperations::TFileOperations(QObject *Parent)
    : QObject(Parent), FGeneration(std::make_shared<std::atomic<quint64>>(1)) {
    FWorker = new QObject;
    FWorker->moveToThread(&FThread);
    connect(&FThread, &QThread::finished, FWorker, &QObject::deleteLater);
    FThread.setObjectName(QStringLiteral("FileOperations"));
    FThread.start();
}

TFileOperations::~TFileOperations() {
    Cancel();
    FThread.quit();
    FThread.wait();
    // Answers already posted to this object are dropped by ~QObject.
}

void TFileOperations::Start(const TFileJob &Job) {
    ++FPending;
    const quint64 Generation = FGeneration->load();
    auto Wanted = FGeneration;
    auto Hook = JobHook;
    // Progress and the answer come back through the event loop; this object outlives the
    // worker thread (see the destructor), so the queued calls are safe.
    auto Progress = [this](const QString &Text) {
        QMetaObject::invokeMethod(
            this,
            [this, Text] {
                if (OnProgress)
                    OnProgress(Text);
            },
            Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(
        FWorker,
        [this, Job, Generation, Wanted, Hook, Progress] {
            if (Hook)
                Hook();
            const TFileJobResult Result = RunFileJob(
                Job, [&] { return Wanted->load() != Generation; }, Progress);
            QMetaObject::invokeMethod(
                this,
                [this, Job, Result] {
                    --FPending;
                    if (OnFinished)
                        OnFinished(Job, Result);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void TFileOperations::Cancel() {
    FGeneration->fetch_add(1);
}
