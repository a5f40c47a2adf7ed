#pragma once

// What must hold for any settings file under the per-user store's key paths and its saving
// beside another program, and for any file fed to the imports (chords, knob presets, snapshots,
// keyboard settings). Shared by the store and import fuzzers and their regression rows; each
// check returns an empty text when all is well, else what broke.

#include "core/chordlist.h"
#include "core/inidocument.h"
#include "core/inifile.h"
#include "core/keyboardmodel.h"
#include "core/knoblist.h"
#include "core/registryinifile.h"
#include "textchecks.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

namespace StoreCheck {

// Section and value names folded, as the stores compare them.
using TEntries = QHash<QPair<QString, QString>, QString>;

inline TEntries EntriesOf(const TIniDocument &Doc) {
    TEntries Entries;
    for (const QString &Section : Doc.Sections())
        for (const QString &Ident : Doc.Idents(Section)) {
            QString Value;
            Doc.Value(Section, Ident, Value);
            Entries.insert({Section.toCaseFolded(), Ident.toCaseFolded()}, Value);
        }
    return Entries;
}

// Writes Data as FileName with a time of its own, as another program's save would leave it.
inline bool WriteAs(const QString &FileName, const QByteArray &Data) {
    static qint64 Tick = 1000000000;
    QFile File(FileName);
    return File.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           File.write(Data) == Data.size() && File.flush() &&
           File.setFileTime(QDateTime::fromSecsSinceEpoch(++Tick),
                            QFileDevice::FileModificationTime);
}

// The file Raw's first half under a store of key paths, then another program saving Raw's second
// half over it while this program changes one value: every key path lists only keys that
// exist, and the saved file holds the other program's values with this program's one change.
// Folder: an empty folder of the caller's, emptied again afterwards.
inline QString CheckStoreMerge(const QByteArray &Raw, const QString &Folder) {
    const QString File = Folder + QStringLiteral("/store.ini");
    const QByteArray Before = Raw.left(Raw.size() / 2);
    const QByteArray Other = Raw.mid(Raw.size() / 2);
    const auto Clean = [&Folder] {
        QDir Dir(Folder);
        for (const QString &Name : Dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            Dir.remove(Name);
    };
    Clean();
    if (!WriteAs(File, Before))
        return QStringLiteral("cannot write %1").arg(File);
    TIniDocument OtherDoc;
    QList<qsizetype> Skipped;
    // A file with a NUL is no text: the store sets it aside and keeps nothing of it.
    const bool OtherReadable =
        OtherDoc.LoadText(Other, false, &Skipped) == TIniDocument::TLoadResult::Loaded;
    QString Broken;
    QString Written;
    QString Path;
    const QString Ident = QStringLiteral("FuzzIdent");
    {
        TRegistryIniFile Root(QString(), File);
        int Checked = 0;
        for (const QString &Key : Root.ReadSections() + OtherDoc.Sections()) {
            if (++Checked > 20)
                break;
            const TRegistryIniFile Sub(Key, File);
            for (const QString &Child : Sub.ReadSections())
                if (!Sub.SectionExists(Child))
                    return QStringLiteral("key \"%1\" lists \"%2\", which does not exist")
                        .arg(Key, Child);
        }
        Path = OtherDoc.Sections().value(0, QStringLiteral("K"));
        Written = QString::number(Raw.size());
        if (!WriteAs(File, Other))
            return QStringLiteral("cannot write %1").arg(File);
        Root.WriteString(Path, Ident, Written);
        const bool Held = Root.ReadString(Path, Ident, QString()) == Written;
        try {
            Root.UpdateFile();
        } catch (const EIniFileException &E) {
            Clean();
            return QStringLiteral("saving failed: %1").arg(E.Message());
        }
        TIniDocument Saved;
        Saved.Load(File, false);
        TEntries Got = EntriesOf(Saved);
        const TEntries Expected = OtherReadable ? EntriesOf(OtherDoc) : TEntries();
        for (auto It = Expected.cbegin(); It != Expected.cend(); ++It) {
            // Where this program wrote, its value stands.
            if (It.key().second == Ident.toCaseFolded() && Got.value(It.key()) == Written)
                continue;
            if (Got.value(It.key(), QStringLiteral("<missing>")) != It.value())
                Broken = QStringLiteral("the other program's [%1] %2 became <%3>")
                             .arg(It.key().first, It.key().second,
                                  Got.value(It.key(), QStringLiteral("<missing>")));
        }
        int Mine = 0;
        for (auto It = Got.cbegin(); It != Got.cend() && Broken.isEmpty(); ++It) {
            const bool Theirs =
                Expected.contains(It.key()) && Expected.value(It.key()) == It.value();
            const bool Ours = It.key().second == Ident.toCaseFolded() && It.value() == Written;
            if (Ours && !Theirs)
                ++Mine;
            else if (!Theirs && !Ours)
                Broken = QStringLiteral("[%1] %2 appeared from nowhere")
                             .arg(It.key().first, It.key().second);
        }
        const bool Kept = std::any_of(Got.keyValueBegin(), Got.keyValueEnd(), [&](const auto &E) {
            return E.first.second == Ident.toCaseFolded() && E.second == Written;
        });
        if (Broken.isEmpty() && Held && !Kept)
            Broken = QStringLiteral("the change to [%1] was lost").arg(Path);
        if (Broken.isEmpty() && !Held && Mine != 0)
            Broken = QStringLiteral("a value not held was saved");
    }
    Clean();
    return Broken;
}

inline QStringList ChordContents(const TChordList &List) {
    QStringList Out;
    for (int I = 0; I < List.Count(); ++I)
        Out << List.Items(I).Name() + QLatin1Char('=') + List.Items(I).ToText();
    return Out;
}

// Raw as a file to import: the chords added to three of one's own, every knob preset, the
// snapshots and the keyboard's settings are all within their ranges, and what is stored of them
// reads back the same.
inline QString CheckImport(const QString &FileName) {
    const TIniFile File(FileName);
    auto Store = TRegistryIniFile::InMemory();

    TChordList Chords;
    for (const char *Own : {"Jazz", "Blues", "\xc3\x84rger"})
        Chords.NewChord().FromText(QString::fromUtf8(Own), QStringLiteral("3C0407"));
    const int Added = Chords.LoadFromIni(File, true);
    if (Added < 0 || Chords.Count() > 3 + Added)
        return QStringLiteral("%1 chords added, %2 held").arg(Added).arg(Chords.Count());
    QSet<QString> Names;
    for (int I = 0; I < Chords.Count(); ++I) {
        const TChordEntry &Entry = Chords.Items(I);
        if (Entry.OffsetCount() == 0)
            return QStringLiteral("a chord without notes: %1").arg(Entry.Name());
        if (Names.contains(TChordList::NameKey(Entry.Name())))
            return QStringLiteral("a chord name twice: %1").arg(Entry.Name());
        Names.insert(TChordList::NameKey(Entry.Name()));
        if (const QString Broken = TextCheck::CheckChordText(Entry.ToText()); !Broken.isEmpty())
            return Broken;
    }
    Chords.SaveToIni(*Store);
    TChordList Again;
    Again.LoadFromIni(*Store, false);
    if (ChordContents(Again) != ChordContents(Chords))
        return QStringLiteral("stored chords read back differently");

    QStringList Presets;
    ListKnobPresets(File, Presets);
    const auto PresetsKey = Store->Below(KnobPresetsKey);
    for (const QString &Name : Presets.mid(0, 50)) {
        TKnobList Knobs;
        Knobs.LoadFromIni(File, Name);
        if (Knobs.Count() > Knobs.MaxCount())
            return QStringLiteral("preset %1 has %2 knobs").arg(Name).arg(Knobs.Count());
        for (int I = 0; I < Knobs.Count(); ++I)
            if (Knobs.IUser(I) < 0 || Knobs.IUser(I) > 127 || Knobs.DisplayMode(I) < 0 ||
                Knobs.DisplayMode(I) > 127 || Knobs.Caption(I).isEmpty())
                return QStringLiteral("preset %1, knob %2 out of range").arg(Name).arg(I + 1);
        if (!IsStorablePresetName(Name))
            continue;
        Knobs.SaveToIni(*PresetsKey, Name);
        TKnobList Back;
        Back.LoadFromIni(*PresetsKey, Name);
        if (Back.Count() != Knobs.Count())
            return QStringLiteral("preset %1 reads back %2 knobs of %3")
                .arg(Name)
                .arg(Back.Count())
                .arg(Knobs.Count());
        for (int I = 0; I < Knobs.Count(); ++I)
            if (Back.Caption(I) != Knobs.Caption(I) || Back.IUser(I) != Knobs.IUser(I) ||
                Back.DisplayMode(I) != Knobs.DisplayMode(I) ||
                Back.DefaultValue(I) != Knobs.DefaultValue(I))
                return QStringLiteral("preset %1, knob %2 reads back differently")
                    .arg(Name)
                    .arg(I + 1);
    }

    for (int Slot = 1; Slot <= 8; ++Slot)
        if (const QString Broken = TextCheck::CheckSnapshotText(File.ReadString(
                QStringLiteral("Snapshots"), QStringLiteral("Values%1").arg(Slot), QString()));
            !Broken.isEmpty())
            return Broken;

    TKeyboardModel Keys;
    Keys.LoadKeyboardSettings(File);
    if (Keys.Channel() > 15 || Keys.BaseNote() < 0 || Keys.BaseNote() > 127)
        return QStringLiteral("keyboard values out of range");
    auto First = TRegistryIniFile::InMemory();
    Keys.SaveKeyboardSettings(*First);
    TKeyboardModel Loaded;
    Loaded.LoadKeyboardSettings(*First);
    auto Second = TRegistryIniFile::InMemory();
    Loaded.SaveKeyboardSettings(*Second);
    auto Diff = TRegistryIniFile::InMemory();
    // What differs between the two saves, written into an empty store: nothing.
    if (Second->CopyChangesTo(*First, *Diff, false))
        return QStringLiteral("keyboard settings read back differently");
    return {};
}

} // namespace StoreCheck
