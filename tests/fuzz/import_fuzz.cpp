// libFuzzer target over the imports: any file imported as chords, knob presets, snapshots and
// keyboard settings (storechecks.h).

#include "storechecks.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    static QTemporaryDir Folder;
    const QString FileName = Folder.filePath(QStringLiteral("import.ini"));
    QFile File(FileName);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        File.write(reinterpret_cast<const char *>(Data), qint64(Size)) != qint64(Size)) {
        std::fprintf(stderr, "import_fuzz: cannot write %s\n", qPrintable(FileName));
        std::abort();
    }
    File.close();
    if (const QString Broken = StoreCheck::CheckImport(FileName); !Broken.isEmpty()) {
        std::fprintf(stderr, "import_fuzz: %s\n", qPrintable(Broken));
        std::abort();
    }
    return 0;
}
