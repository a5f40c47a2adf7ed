// libFuzzer target over the snapshot values decoder: the bytes as UTF-8 and as UTF-16 text
// (textchecks.h).

#include "textchecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const auto *Chars = reinterpret_cast<const char *>(Data);
    const QString Texts[] = {
        QString::fromUtf8(Chars, static_cast<qsizetype>(Size)),
        QString::fromUtf16(reinterpret_cast<const char16_t *>(Data),
                           static_cast<qsizetype>(Size / 2)),
    };
    for (const QString &Text : Texts)
        if (const QString Broken = TextCheck::CheckSnapshotText(Text); !Broken.isEmpty()) {
            std::fprintf(stderr, "snapshot_fuzz: %s\n", qPrintable(Broken));
            std::abort();
        }
    return 0;
}
