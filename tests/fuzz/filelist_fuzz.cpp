// libFuzzer target over the file lists other programs hand the file list by drag and drop or the
// clipboard: the bytes as a GNOME copied-files list, a URI list with a KDE cut mark, and plain
// text. Only local, clean, absolute paths may come out, and a cut never without paths.

#include "shellview/systemviewsshared.h"

#include <QDir>
#include <QMimeData>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const QByteArray Bytes(reinterpret_cast<const char *>(Data), qsizetype(Size));
    const qsizetype Half = Bytes.size() / 2;
    QMimeData Gnome;
    Gnome.setData(QStringLiteral("x-special/gnome-copied-files"), Bytes);
    QMimeData Uris;
    Uris.setData(QStringLiteral("text/uri-list"), Bytes.left(Half));
    Uris.setData(QStringLiteral("application/x-kde-cutselection"), Bytes.mid(Half));
    QMimeData Text;
    Text.setText(QString::fromUtf8(Bytes));
    for (const QMimeData *Mime : {&Gnome, &Uris, &Text}) {
        QStringList Paths;
        bool Cut = true;
        const bool Any = FilesOfMimeData(Mime, Paths, Cut);
        if (Any != !Paths.isEmpty() || (Cut && Paths.isEmpty())) {
            std::fputs("filelist_fuzz: the answer does not match the paths\n", stderr);
            std::abort();
        }
        for (const QString &Path : Paths)
            if (!QDir::isAbsolutePath(Path) || QDir::cleanPath(Path) != Path) {
                std::fprintf(stderr, "filelist_fuzz: path \"%s\"\n", qPrintable(Path));
                std::abort();
            }
    }
    return 0;
}
