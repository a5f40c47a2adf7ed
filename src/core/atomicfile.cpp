#include "core/atomicfile.h"

#include "core/custominifile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

TAtomicWriteHook &WriteHook() {
    static TAtomicWriteHook Hook;
    return Hook;
}

QString Failure(const QString &FileName, const QString &Reason) {
    return QStringLiteral("Could not save \"%1\": %2")
        .arg(QDir::toNativeSeparators(FileName), Reason);
}

} // namespace

void SetAtomicWriteHook(TAtomicWriteHook Hook) {
    WriteHook() = std::move(Hook);
}

void WriteFileAtomically(const QString &FileName, const QByteArray &Data) {
    const QFileInfo Target(FileName);
    // Permission bits do not stop root, but a file made read-only says "leave me as I am".
    // (WriteUser is not asked: for root it is always set.)
    constexpr auto AnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (Target.exists() && (!(Target.permissions() & AnyWrite) || Target.isDir()))
        throw EIniFileException(Failure(FileName, QStringLiteral("the file is read-only")));
    if (!QDir().mkpath(Target.absolutePath()))
        throw EIniFileException(Failure(FileName, QStringLiteral("cannot create the folder")));

    QSaveFile File(FileName);
    if (!File.open(QIODevice::WriteOnly))
        throw EIniFileException(Failure(FileName, File.errorString()));
    const bool Written =
        WriteHook() ? WriteHook()(File, Data) : File.write(Data) == qint64(Data.size());
    if (!Written) {
        const QString Reason = File.error() != QFileDevice::NoError
                                   ? File.errorString()
                                   : QStringLiteral("the data could not be written");
        File.cancelWriting();
        throw EIniFileException(Failure(FileName, Reason));
    }
    if (!File.commit())
        throw EIniFileException(Failure(FileName, File.errorString()));
}
