#pragma once

// The per-user settings store, standing for the registry key
// HKEY_CURRENT_USER\Software\Tavrel\Ondrel\<exe base name> and everything below it: one .ini file,
// $XDG_CONFIG_HOME/Tavrel/Ondrel/<exe base name>.ini (~/.config/... by default). A key below the
// program root is a section named by its key path ("Keyboard", "KnobPresets\Piano"); the root's
// own values are the lines before the first section.
//
// A store is opened on a key path ("" for the root, "KnobPresets" for the presets) and sees the
// keys directly below it as its sections: ReadSections lists the subkeys, SectionExists tells
// whether a key exists (with values or with subkeys of its own), EraseSection deletes a key with
// all its subkeys.
//
// All stores open on the same file share one copy in memory, so what one writes the others read
// at once. The file is read when the first of them opens and saved, atomically, when the last
// one closes or on UpdateFile. A damaged or unreadable file is renamed aside (".corrupt-" and the
// time appended) and reported once through TakeNotice; if it cannot be renamed it is left alone
// and nothing is saved over it. Used on the UI thread only.

#include "core/custominifile.h"

#include <memory>

// The file standing for HKEY_CURRENT_USER\Software\<Company>\<ProgramKeyName>.
QString StoreFileName(const QString &Company, const QString &ProgramKeyName);
// The store of this program: StoreFileName(CompanyKeyName, ProgramKeyName()).
QString ProgramStoreFileName();

class TRegistryIniFile : public TCustomIniFile {
public:
    // A store on KeyPath below this program's root.
    explicit TRegistryIniFile(const QString &KeyPath = QString());
    // A store on KeyPath below the root kept in StoreFile.
    TRegistryIniFile(const QString &KeyPath, const QString &StoreFile);
    // The last store on a file saves it; a failure is reported through TakeNotice.
    ~TRegistryIniFile() override;

    // The key path, backslash-separated without leading or trailing backslash.
    QString KeyPath() const { return FKeyPath; }

    QString FileName() const override;
    QString ReadString(const QString &Section, const QString &Ident,
                       const QString &Default) const override;
    void WriteString(const QString &Section, const QString &Ident, const QString &Value) override;
    bool ValueExists(const QString &Section, const QString &Ident) const override;
    bool SectionExists(const QString &Section) const override;
    QStringList ReadSections() const override;
    QStringList ReadSection(const QString &Section) const override;
    // Deletes the key Section with all its subkeys. An empty Section erases only the values of
    // the store's own key, never the keys below it (a slip that would wipe every preset).
    void EraseSection(const QString &Section) override;
    void DeleteKey(const QString &Section, const QString &Ident) override;
    void UpdateFile() override;

    // Whether the key at KeyPath below this program's root exists.
    static bool KeyExists(const QString &KeyPath);

    // The pending message about the store for the status bar (a damaged file set aside, a failed
    // save), or an empty text; taking it clears it.
    static QString TakeNotice();

    struct TStore;

private:
    QString Path(const QString &Section) const;

    std::shared_ptr<TStore> FStore;
    QString FKeyPath;
};

// Uninstall: removes the store of Company\ProgramKeyName (and copies of it set aside as
// damaged), then each parent folder that has become empty ("Ondrel", then "Tavrel"), never
// more. Stores still open on it are emptied and nothing is saved to it again in this process,
// so closing windows cannot write it back. Returns false if the store could not be removed.
bool DeleteProgramKeys(const QString &Company, const QString &ProgramKeyName);
