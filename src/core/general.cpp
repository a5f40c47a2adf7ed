#include "core/general.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ExePath() {
    static const QString Path = [] {
        if (QCoreApplication::instance())
            return QCoreApplication::applicationFilePath();
        // Before the application object exists (and in tools without one).
        return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    }();
    return Path;
}

QString ProgramKeyNameOf(const QString &ExeFile) {
    QString Base = QFileInfo(ExeFile).completeBaseName();
    Base.replace(u'\\', u'_');
    if (Base.isEmpty())
        Base = ProgramName.toString();
    return ProgramName.toString() + u'\\' + Base;
}

namespace {
QString &Profile() {
    static QString Name;
    return Name;
}
} // namespace

QString ProfileName() {
    return Profile();
}

void SetProfileName(const QString &Name) {
    Profile() = Name;
}

QString ProgramKeyName() {
    const QString Key = ProgramKeyNameOf(ExePath());
    return Profile().isEmpty() ? Key : Key + u'-' + Profile();
}

QString FileVersionText() {
    QString Version = QStringLiteral(ONDREL_VERSION);
    while (Version.count(u'.') < 3)
        Version += QStringLiteral(".0");
    return Version;
}

QString VersionText(const QString &FileVersion) {
    const qsizetype Last = FileVersion.lastIndexOf(u'.');
    if (Last < 0)
        return FileVersion;
    QString Version = FileVersion.left(Last);
    const qsizetype Dot = Version.lastIndexOf(u'.');
    if (Dot >= 0)
        Version.remove(Dot, 1);
    return Version;
}

QString BuildText(const QString &FileVersion) {
    const qsizetype Last = FileVersion.lastIndexOf(u'.');
    return Last < 0 ? QString() : FileVersion.mid(Last + 1);
}

QString VersionText() {
    return VersionText(FileVersionText());
}
QString BuildText() {
    return BuildText(FileVersionText());
}

QString ZeroPaddedNumber(int Number, int Length) {
    const QString Digits = QString::number(qAbs(qint64(Number)));
    const QString Sign = Number < 0 ? QStringLiteral("-") : QString();
    const qsizetype Zeros = qMax<qsizetype>(0, Length - Sign.size() - Digits.size());
    return Sign + QString(Zeros, u'0') + Digits;
}

bool HexToByte(QStringView Text, qsizetype Position, uint8_t &Value) {
    if (Position < 0 || Position + 1 >= Text.size())
        return false;
    const auto Digit = [](QChar C) {
        const char16_t U = C.unicode();
        if (U >= u'0' && U <= u'9')
            return int(U - u'0');
        if (U >= u'a' && U <= u'f')
            return int(U - u'a' + 10);
        if (U >= u'A' && U <= u'F')
            return int(U - u'A' + 10);
        return -1;
    };
    const int High = Digit(Text[Position]);
    const int Low = Digit(Text[Position + 1]);
    if (High < 0 || Low < 0)
        return false;
    Value = uint8_t(High * 16 + Low);
    return true;
}

bool DirectoryExists(const QString &Path) {
    return !Path.isEmpty() && QFileInfo(Path).isDir();
}
