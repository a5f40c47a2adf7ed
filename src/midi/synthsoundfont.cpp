#include "midi/synthsoundfont.h"

#include <QDir>
#include <QFileInfo>

namespace SynthSoundFont {

QStringList SearchFolders() {
    QString DataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (DataHome.isEmpty())
        DataHome = QDir::homePath() + QStringLiteral("/.local/share");
    QStringList DataDirs =
        qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (DataDirs.isEmpty())
        DataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    DataDirs.prepend(DataHome);

    QStringList Folders;
    for (const QString &Dir : std::as_const(DataDirs)) {
        Folders << Dir + QStringLiteral("/sounds/sf2") << Dir + QStringLiteral("/sounds/sf3");
    }
    Folders << QStringLiteral("/usr/share/soundfonts")
            << QStringLiteral("/usr/local/share/soundfonts");
    Folders.removeDuplicates();
    return Folders;
}

QStringList KnownNames() {
    return {QStringLiteral("FluidR3_GM.sf2"), QStringLiteral("FluidR3_GM.sf3"),
            QStringLiteral("TimGM6mb.sf2"),   QStringLiteral("default-GM.sf2"),
            QStringLiteral("default-GM.sf3"), QStringLiteral("default.sf2")};
}

QString Find(const QString &Setting, const QStringList &Folders) {
    if (!Setting.trimmed().isEmpty())
        return Setting.trimmed();
    const QStringList Names = KnownNames();
    for (const QString &Name : Names) {
        for (const QString &Folder : Folders) {
            const QFileInfo File(QDir(Folder).filePath(Name));
            // A dangling default-GM.sf2 link (its package removed) is no SoundFont.
            if (File.isFile() && File.isReadable())
                return File.absoluteFilePath();
        }
    }
    return QString();
}

bool HasSoundFontSuffix(const QString &Path) {
    const QString Suffix = QFileInfo(Path).suffix().toLower();
    return Suffix == QLatin1String("sf2") || Suffix == QLatin1String("sf3");
}

} // namespace SynthSoundFont
