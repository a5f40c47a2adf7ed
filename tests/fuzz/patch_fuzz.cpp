// libFuzzer target over the patch script reader and the patch set model: any bytes must either
// load or fail with a script error, and a loaded set must hold together (patchcheck.h). An
// exception of any other kind escapes and counts as a crash too.

#include "patchcheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const QByteArray Text(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    const QString Broken = PatchCheck::CheckScript(Text);
    if (!Broken.isEmpty()) {
        std::fprintf(stderr, "patch_fuzz: %s\n", qPrintable(Broken));
        std::abort();
    }
    return 0;
}
