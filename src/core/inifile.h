#pragma once

// The settings store over a text .ini file: exported and imported settings, knob presets,
// snapshots and chords. Sections are flat (a backslash in a section name is just a character).

#include "core/custominifile.h"

#include <memory>

class TIniDocument;

class TIniFile : public TCustomIniFile {
public:
    // Reads the file; a missing file is an empty store that UpdateFile creates. Throws
    // EIniFileException when the file exists but cannot be read. Lines that are not .ini lines
    // are skipped, as Windows does.
    explicit TIniFile(const QString &FileName);
    // Saves unsaved changes, quietly: call UpdateFile to learn whether saving worked.
    ~TIniFile() override;

    QString FileName() const override { return FFileName; }
    QString ReadString(const QString &Section, const QString &Ident,
                       const QString &Default) const override;
    void WriteString(const QString &Section, const QString &Ident, const QString &Value) override;
    bool ValueExists(const QString &Section, const QString &Ident) const override;
    bool SectionExists(const QString &Section) const override;
    QStringList ReadSections() const override;
    QStringList ReadSection(const QString &Section) const override;
    void EraseSection(const QString &Section) override;
    void DeleteKey(const QString &Section, const QString &Ident) override;
    void UpdateFile() override;

private:
    QString FFileName;
    std::unique_ptr<TIniDocument> FDocument;
};
