// libFuzzer target over the per-user store: any settings file under its key paths, and a save
// beside another program that saved any other file meanwhile (storechecks.h).

#include "storechecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    // In memory where there is such a folder: every run saves, and syncs, the file.
    static QTemporaryDir Folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/store_fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/store_fuzz-XXXXXX"));
    const QByteArray Raw(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    if (const QString Broken = StoreCheck::CheckStoreMerge(Raw, Folder.path()); !Broken.isEmpty()) {
        std::fprintf(stderr, "store_fuzz: %s\n", qPrintable(Broken));
        std::abort();
    }
    return 0;
}
