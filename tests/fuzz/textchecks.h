#pragma once

// What must hold for any text fed to the .ini store, the chord text decoder and the snapshot
// values decoder. Shared by the fuzzers and their regression rows; each check returns an empty
// text when all is well, else what broke.

#include "core/chordlist.h"
#include "core/custominifile.h"
#include "core/inidocument.h"
#include "core/knoblist.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace TextCheck {

// Every section, name and value a document holds, in its order.
struct TIniContents {
    QStringList Sections;
    std::vector<std::vector<std::pair<QString, QString>>> Values;
    bool operator==(const TIniContents &) const = default;
};

inline TIniContents ContentsOf(const TIniDocument &Doc) {
    TIniContents Result;
    Result.Sections = Doc.Sections();
    for (const QString &Section : Result.Sections) {
        auto &Values = Result.Values.emplace_back();
        for (const QString &Ident : Doc.Idents(Section)) {
            QString Value;
            if (!Doc.Value(Section, Ident, Value))
                Value = QStringLiteral("<listed but not readable>");
            Values.emplace_back(Ident, Value);
        }
    }
    return Result;
}

inline QString Describe(const TIniContents &Contents) {
    QString Text;
    for (size_t S = 0; S < Contents.Values.size(); ++S) {
        Text += QStringLiteral("[%1]\n").arg(Contents.Sections[qsizetype(S)]);
        for (const auto &[Ident, Value] : Contents.Values[S])
            Text += QStringLiteral("  <%1>=<%2>\n").arg(Ident, Value);
    }
    return Text;
}

// What a document holding Contents reads back as after a save: values outside any section are
// written first, so the nameless section reads back first; with no values it has no line ("[]"
// is not written) and is gone.
inline TIniContents AsSaved(TIniContents Contents) {
    const qsizetype Nameless = Contents.Sections.indexOf(QString());
    if (Nameless < 0)
        return Contents;
    Contents.Sections.move(Nameless, 0);
    std::rotate(Contents.Values.begin(), Contents.Values.begin() + Nameless,
                Contents.Values.begin() + Nameless + 1);
    if (Contents.Values.front().empty()) {
        Contents.Sections.removeFirst();
        Contents.Values.erase(Contents.Values.begin());
    }
    return Contents;
}

// The text written for Doc must read back as exactly what Doc holds, in strict reading too (a
// file we wrote is never taken for a damaged one), and writing it again gives the same lines.
inline QString CheckWrittenReadsBack(const TIniDocument &Doc, const char *Stage) {
    const TIniContents Held = AsSaved(ContentsOf(Doc));
    const QByteArray Written = Doc.Text();
    TIniDocument Again;
    if (Again.LoadText(Written, true) != TIniDocument::TLoadResult::Loaded)
        return QStringLiteral("%1: written text is not read strictly:\n%2")
            .arg(QLatin1String(Stage), QString::fromUtf8(Written));
    const TIniContents Read = ContentsOf(Again);
    if (Read != Held)
        return QStringLiteral(
                   "%1: written text reads back differently\nheld:\n%2read:\n%3text:\n%4")
            .arg(QLatin1String(Stage), Describe(Held), Describe(Read), QString::fromUtf8(Written));
    // Comments are kept as SimpleIni sees fit (some go, blank lines move around them); the rest
    // is written again as it was.
    const auto Lines = [](const QByteArray &Text) {
        QList<QByteArray> List = Text.split('\n');
        List.removeIf([](const QByteArray &Line) {
            return Line.isEmpty() || Line.startsWith(';') || Line.startsWith('#');
        });
        return List;
    };
    if (Lines(Again.Text()) != Lines(Written))
        return QStringLiteral("%1: writing again changes the text").arg(QLatin1String(Stage));
    return {};
}

// Any bytes load leniently (strict reading may refuse them); every listed value reads; what is
// written reads back the same; and names and values taken from the file, stored in new places,
// read back as TIniDocument::Storable makes them.
inline QString CheckIniText(const QByteArray &Raw) {
    TIniDocument Strict;
    const auto StrictResult = Strict.LoadText(Raw, true);
    if (StrictResult != TIniDocument::TLoadResult::Loaded &&
        StrictResult != TIniDocument::TLoadResult::Malformed)
        return QStringLiteral("strict reading gives neither Loaded nor Malformed");
    if (StrictResult == TIniDocument::TLoadResult::Malformed && !Strict.Sections().isEmpty())
        return QStringLiteral("a refused text leaves sections behind");

    TIniDocument Doc;
    if (Doc.LoadText(Raw, false) != TIniDocument::TLoadResult::Loaded)
        return QStringLiteral("lenient reading refuses the text");
    if (StrictResult == TIniDocument::TLoadResult::Loaded && ContentsOf(Strict) != ContentsOf(Doc))
        return QStringLiteral("strict and lenient reading differ on accepted text");
    const TIniContents Loaded = ContentsOf(Doc);
    for (const auto &Values : Loaded.Values)
        for (const auto &[Ident, Value] : Values) {
            int Number = 0;
            TCustomIniFile::ParseInteger(Value, Number);
            if (Ident.isEmpty())
                return QStringLiteral("a value without a name was read");
        }
    if (QString Broken = CheckWrittenReadsBack(Doc, "loaded"); !Broken.isEmpty())
        return Broken;

    // Names and values of the file used the other way round: values become section names,
    // section names value names, value names values. A name the store cannot keep is ignored.
    for (size_t S = 0; S < Loaded.Values.size(); ++S)
        for (const auto &[Ident, Value] : Loaded.Values[S]) {
            const QString NewIdent = Loaded.Sections[qsizetype(S)];
            const QString Name = TIniDocument::Storable(NewIdent);
            const bool Storable = !Name.isEmpty() && !Name.contains(u'=') &&
                                  !Name.startsWith(u'[') && !Name.startsWith(u';') &&
                                  !Name.startsWith(u'#') && !Value.contains(u']');
            QString Before;
            const bool Existed = Doc.Value(Value, NewIdent, Before);
            Doc.SetValue(Value, NewIdent, Ident);
            QString Read;
            const bool Found = Doc.Value(Value, NewIdent, Read);
            if (Storable ? !Found || Read != TIniDocument::Storable(Ident)
                         : Found != Existed || (Found && Read != Before))
                return QStringLiteral("a value set is not read back at once: [%1] <%2>=<%3>")
                    .arg(Value, NewIdent, Ident);
        }
    if (QString Broken = CheckWrittenReadsBack(Doc, "rearranged"); !Broken.isEmpty())
        return Broken;
    return {};
}

// A decoded chord is a note 0..127 with at most MaxOffsets offsets, none of them 0, and its text
// decodes to the same chord.
inline QString CheckChordText(const QString &Text) {
    const TChordEntry Entry(QStringLiteral("Fuzzed"), Text);
    if (Entry.Root() < -1 || Entry.Root() > 127)
        return QStringLiteral("root out of range: %1").arg(Entry.Root());
    if (Entry.OffsetCount() < 0 || Entry.OffsetCount() > TChordEntry::MaxOffsets)
        return QStringLiteral("offset count out of range: %1").arg(Entry.OffsetCount());
    if (Entry.Root() < 0 && Entry.OffsetCount() != 0)
        return QStringLiteral("offsets without a root");
    for (const int8_t Offset : Entry.Offsets())
        if (Offset == 0)
            return QStringLiteral("an offset of 0");
    const QString Written = Entry.ToText();
    const TChordEntry Again(QStringLiteral("Fuzzed"), Written);
    if (Again.Root() != Entry.Root() || !std::ranges::equal(Again.Offsets(), Entry.Offsets()) ||
        Again.ToText() != Written)
        return QStringLiteral("chord text does not read back: %1").arg(Written);
    return {};
}

// Decoded snapshot pairs fit MIDI data; encoding them and decoding again gives each controller's
// first value, in order.
inline QString CheckSnapshotText(const QString &Text) {
    const auto Pairs = DecodeSnapshotValues(Text);
    if (qsizetype(Pairs.size()) > Text.size() / 4)
        return QStringLiteral("more pairs than the text holds");
    std::vector<TKnobValue> Knobs;
    std::vector<std::pair<uint8_t, uint8_t>> FirstOfEach;
    for (const auto &Pair : Pairs) {
        if (Pair.first > 127 || Pair.second > 127)
            return QStringLiteral("a pair outside MIDI data: %1 %2")
                .arg(Pair.first)
                .arg(Pair.second);
        Knobs.emplace_back(Pair.first, Pair.second);
        if (std::ranges::none_of(FirstOfEach, [&](const auto &P) { return P.first == Pair.first; }))
            FirstOfEach.push_back(Pair);
    }
    const QString Written = SnapshotValuesText(Knobs);
    if (DecodeSnapshotValues(Written) != FirstOfEach)
        return QStringLiteral("snapshot text does not read back: %1").arg(Written);
    return {};
}

} // namespace TextCheck
