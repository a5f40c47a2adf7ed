#include "core/inifile.h"

#include "core/inidocument.h"

#include <QCoreApplication>
#include <QDir>

TIniFile::TIniFile(const QString &FileName)
    : FFileName(FileName), FDocument(std::make_unique<TIniDocument>()) {
    QString Error;
    if (FDocument->Load(FileName, false, &Error) == TIniDocument::TLoadResult::Unreadable)
        throw EIniFileException(
            QCoreApplication::translate("TCustomIniFile", "Could not read \"%1\": %2")
                .arg(QDir::toNativeSeparators(FileName), Error));
}

TIniFile::~TIniFile() {
    try {
        if (FDocument->Modified())
            UpdateFile();
    } catch (const std::exception &) {
        // The caller that cares has called UpdateFile and seen the error.
    }
}

QString TIniFile::ReadString(const QString &Section, const QString &Ident,
                             const QString &Default) const {
    QString Value;
    return FDocument->Value(Section, Ident, Value) ? Value : Default;
}

void TIniFile::WriteString(const QString &Section, const QString &Ident, const QString &Value) {
    FDocument->SetValue(Section, Ident, Value);
}

bool TIniFile::ValueExists(const QString &Section, const QString &Ident) const {
    QString Value;
    return FDocument->Value(Section, Ident, Value);
}

bool TIniFile::SectionExists(const QString &Section) const {
    return FDocument->HasSection(Section);
}

QStringList TIniFile::ReadSections() const {
    return FDocument->Sections();
}

QStringList TIniFile::ReadSection(const QString &Section) const {
    return FDocument->Idents(Section);
}

void TIniFile::EraseSection(const QString &Section) {
    FDocument->DeleteSection(Section);
}

void TIniFile::DeleteKey(const QString &Section, const QString &Ident) {
    FDocument->DeleteValue(Section, Ident);
}

void TIniFile::UpdateFile() {
    FDocument->Save(FFileName);
    FDocument->SetModified(false);
}
