#pragma once

// A patch set: the header values and bank options of one patch script and its tree of modes,
// groups and programs. Built completely by one load and not changed afterwards; the main window
// replaces it as a whole.

#include "core/patcherrors.h"
#include "core/patchmodegroup.h"
#include "core/patchprogram.h"
#include "core/patchscriptparser.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

class TPatchList {
public:
    explicit TPatchList(QString FileName = {});
    ~TPatchList();
    TPatchList(const TPatchList &) = delete;
    TPatchList &operator=(const TPatchList &) = delete;

    // The whole script, with warnings and errors going to Log (may be null); sorted groups are
    // sorted afterwards. Throws EPatchScriptError and its subclasses (see patcherrors.h); a
    // failed load leaves nothing behind. With Control it may run on a thread of its own, tells
    // its progress there and stops when asked (EPatchLoadCancelled).
    static std::unique_ptr<TPatchList> Load(const QString &FileName, QStringList *Log,
                                            TPatchLoadControl *Control = nullptr);
    // The header only, without a log, to preview a file: no modes are read.
    static std::unique_ptr<TPatchList> LoadHeader(const QString &FileName);
    // The same from a script already in memory (the file check runs on its first bytes).
    static std::unique_ptr<TPatchList> LoadText(const QByteArray &Text, QStringList *Log,
                                                const QString &FileName = {},
                                                TPatchLoadControl *Control = nullptr);
    static std::unique_ptr<TPatchList> LoadHeaderText(const QByteArray &Text,
                                                      const QString &FileName = {});

    const QString &FileName() const { return FFileName; }

    int ModeCount() const { return static_cast<int>(FModes.size()); }
    // An index outside 0..ModeCount()-1 raises EPatchAssertion "Index out of bounds".
    TPatchModeGroup *Mode(int Index) const;
    // Takes ownership and appends; Group must be a mode made for this patch set.
    TPatchModeGroup *AddMode(std::unique_ptr<TPatchModeGroup> Group);

    // "mode\group\…\program" as made by TPatchProgram::Path, names ignoring case; null when the
    // path names no program. Where several groups share a name, the first program in script
    // order (after sorting) that has this path.
    TPatchProgram *FindByPath(QStringView Path) const;

    const QString &CreatorFirstName() const { return FCreatorFirstName; }
    const QString &CreatorLastName() const { return FCreatorLastName; }
    const QString &DeviceManufacturer() const { return FDeviceManufacturer; }
    const QString &DeviceName() const { return FDeviceName; }
    const QString &ScriptName() const { return FScriptName; }
    const QString &ScriptVersion() const { return FScriptVersion; }
    // In the "[pN, program, first, second]" form the first bank number is the LSB.
    bool SwapBytes() const { return FSwapBytes; }
    // Bank select is sent MSB first.
    bool MsbFirst() const { return FMsbFirst; }
    // Read from the script but without effect.
    bool OneByteBank() const { return FOneByteBank; }
    bool BankAsProgramChange() const { return FBankAsProgramChange; }

private:
    static std::unique_ptr<TPatchList> Parse(const QByteArray &Text, QStringList *Log,
                                             const QString &FileName, bool HeaderOnly,
                                             TPatchLoadControl *Control = nullptr);
    void ReadHeader(TPatchScriptParser &Parser);
    void ReadPatchNames(TPatchScriptParser &Parser);
    TPatchProgram *ReadProgram(TPatchScriptParser &Parser, TPatchModeGroup &Group);

    QString FFileName;
    std::vector<std::unique_ptr<TPatchModeGroup>> FModes;
    QString FCreatorFirstName;
    QString FCreatorLastName;
    QString FDeviceManufacturer;
    QString FDeviceName;
    QString FScriptName;
    QString FScriptVersion;
    bool FSwapBytes = false;
    bool FMsbFirst = false;
    bool FOneByteBank = false;
    bool FBankAsProgramChange = false;
};
