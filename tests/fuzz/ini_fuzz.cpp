// libFuzzer target over the .ini store: any bytes load, every value reads, and what is written
// reads back the same (textchecks.h). A file round trip through TIniFile runs too.

#include "core/inifile.h"
#include "textchecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Set on the first run; the exit handler registered then runs before the string goes.
QString FileName;

[[noreturn]] void Fail(const QString &Broken) {
    std::fprintf(stderr, "ini_fuzz: %s\n", qPrintable(Broken));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const QByteArray Raw(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    if (const QString Broken = TextCheck::CheckIniText(Raw); !Broken.isEmpty())
        Fail(Broken);

    // The same through the file store: read, save, read again.
    if (FileName.isEmpty()) {
        FileName = QDir::tempPath() +
                   QStringLiteral("/ini_fuzz_%1.ini").arg(QCoreApplication::applicationPid());
        std::atexit([] { QFile::remove(FileName); });
    }
    QFile File(FileName);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate) || File.write(Raw) != Raw.size())
        Fail(QStringLiteral("cannot write %1").arg(FileName));
    File.close();
    TextCheck::TIniContents Before;
    {
        TIniFile Ini(FileName);
        for (const QString &Section : Ini.ReadSections()) {
            Before.Sections.append(Section);
            auto &Values = Before.Values.emplace_back();
            for (const QString &Ident : Ini.ReadSection(Section)) {
                Values.emplace_back(Ident, Ini.ReadString(Section, Ident, QString()));
                Ini.ReadInteger(Section, Ident, 0);
            }
        }
        Ini.UpdateFile();
    }
    const TIniFile Again(FileName);
    TextCheck::TIniContents After;
    for (const QString &Section : Again.ReadSections()) {
        After.Sections.append(Section);
        auto &Values = After.Values.emplace_back();
        for (const QString &Ident : Again.ReadSection(Section))
            Values.emplace_back(Ident, Again.ReadString(Section, Ident, QString()));
    }
    if (After != TextCheck::AsSaved(Before))
        Fail(QStringLiteral("the saved file reads back differently"));
    return 0;
}
