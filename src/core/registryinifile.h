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
// at once. The file is read when the first of them opens, and again when a store opens after
// another program (or a hand) changed it. It is saved when the last store closes, on UpdateFile
// and by SaveUnsaved; a save takes the file's lock (QLockFile, "<file>.lock"), reads the file again
// and writes it with only the values and sections this program changed since it last read or
// saved it, so that several programs on one file keep each other's changes. A failed save keeps
// the changes in memory for the next one and is told once through TakeNotice until a save
// succeeds.
//
// A line of the file that is not a setting is skipped and named through TakeNotice; only a file
// that cannot be read (or is no text at all) is renamed aside (".corrupt-" and the time
// appended); if it cannot be renamed it is left alone and nothing is saved over it. Used on the
// UI thread only.

#include "core/custominifile.h"

#include <functional>
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

    // A store of the same kind held in memory only, never read from or saved to a file: the
    // main window writes its settings into one to learn what changed since it last saved.
    static std::unique_ptr<TRegistryIniFile> InMemory();
    // A store on KeyPath below this one's key, on the same content (in memory too).
    std::unique_ptr<TRegistryIniFile> Below(const QString &KeyPath) const;
    // Writes into Target what this store's content changed from Before's: values set, changed
    // or deleted, sections added or removed; with AddMissing also what Target lacks. True when
    // Target changed.
    bool CopyChangesTo(const TRegistryIniFile &Before, TRegistryIniFile &Target,
                       bool AddMissing) const;

    // Runs Change on a store on KeyPath with the file's latest content, under the file's lock,
    // and saves: for a change made from what the file holds now (a list merged with what
    // another program added). StoreFile empty: this program's store. Throws EIniFileException
    // when it cannot be saved; the change is then kept in memory.
    static void Update(const std::function<void(TRegistryIniFile &Store)> &Change,
                       const QString &KeyPath = QString(), const QString &StoreFile = QString());
    // Saves this program's store when it holds changes not saved yet (a save that failed);
    // false, with the reason in Error, when it still cannot be saved (the changes stay in
    // memory).
    static bool SaveUnsaved(QString *Error = nullptr);
    // Whether this program's store holds changes not saved yet.
    static bool Unsaved();

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

    // The pending message about the store for the status bar (a damaged file set aside, lines
    // skipped, a failed save), or an empty text; taking it clears it.
    static QString TakeNotice();

    struct TStore;

private:
    TRegistryIniFile(std::shared_ptr<TStore> Store, const QString &KeyPath);
    QString Path(const QString &Section) const;

    std::shared_ptr<TStore> FStore;
    QString FKeyPath;
};

// Uninstall: removes the store of Company\ProgramKeyName (and copies of it set aside as
// damaged), then each parent folder that has become empty ("Ondrel", then "Tavrel"), never
// more. Stores still open on it are emptied and nothing is saved to it again in this process,
// so closing windows cannot write it back. Returns false if the store could not be removed.
bool DeleteProgramKeys(const QString &Company, const QString &ProgramKeyName);
