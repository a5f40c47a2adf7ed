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
    static QTemporaryDir Folder;
    const QByteArray Raw(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    if (const QString Broken = StoreCheck::CheckStoreMerge(Raw, Folder.path()); !Broken.isEmpty()) {
        std::fprintf(stderr, "store_fuzz: %s\n", qPrintable(Broken));
        std::abort();
    }
    return 0;
}
