#include "core/chordlist.h"
#include "core/inifile.h"
#include "core/registryinifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using TOffsets = QList<int>;

TOffsets OffsetsOf(const TChordEntry &Entry) {
    TOffsets list;
    for (int8_t o : Entry.Offsets())
        list << o;
    return list;
}

// "Name=Text" pairs of the list, in order.
QStringList Contents(const TChordList &List) {
    QStringList out;
    for (int i = 0; i < List.Count(); ++i)
        out << List.Items(i).Name() + QLatin1Char('=') + List.Items(i).ToText();
    return out;
}

void WriteFile(const QString &Path, const QByteArray &Text) {
    QFile f(Path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Text);
}

} // namespace

class TestChordList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();

    void toggleNote_data();
    void toggleNote();
    void fromText_data();
    void fromText();
    void newChordNaming_data();
    void newChordNaming();
    void indexOfNameIgnoresCase_data();
    void indexOfNameIgnoresCase();
    void deleteAndIndexErrors();
    void loadFromIni_data();
    void loadFromIni();
    void saveToIniRewritesTheSection();
    void chordWithoutNotesDoesNotHideLaterOnes();
    void registryRoundTrip();
    void twoWindowsKeepEachOthersChords_data();
    void twoWindowsKeepEachOthersChords();

private:
    std::unique_ptr<QTemporaryDir> FDir;
};

void TestChordList::init() {
    FDir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(FDir->path()));
}

void TestChordList::toggleNote_data() {
    QTest::addColumn<TOffsets>("notes");
    QTest::addColumn<int>("root");
    QTest::addColumn<TOffsets>("offsets");
    QTest::addColumn<QString>("text");

    QTest::newRow("major triad") << TOffsets{60, 64, 67} << 60 << TOffsets{4, 7} << "3C0407";
    QTest::newRow("third out again") << TOffsets{60, 64, 67, 64} << 60 << TOffsets{7} << "3C07";
    QTest::newRow("root while offsets exist")
        << TOffsets{60, 64, 67, 64, 60} << 60 << TOffsets{7} << "3C07";
    QTest::newRow("lone root empties") << TOffsets{60, 60} << -1 << TOffsets{} << "";
    QTest::newRow("emptied chord takes a new root")
        << TOffsets{60, 60, 50} << 50 << TOffsets{} << "32";
    QTest::newRow("removal keeps order")
        << TOffsets{60, 61, 62, 63, 62} << 60 << TOffsets{1, 3} << "3C0103";
    QTest::newRow("64 above refused") << TOffsets{60, 124} << 60 << TOffsets{} << "3C";
    QTest::newRow("63 above taken") << TOffsets{60, 123} << 60 << TOffsets{63} << "3C3F";
    QTest::newRow("64 below taken") << TOffsets{64, 0} << 64 << TOffsets{-64} << "40C0";
    QTest::newRow("65 below refused") << TOffsets{65, 0} << 65 << TOffsets{} << "41";
    QTest::newRow("octave below") << TOffsets{60, 48} << 60 << TOffsets{-12} << "3CF4";
    QTest::newRow("outside the notes")
        << TOffsets{-1, 128, 60, 128, -1} << 60 << TOffsets{} << "3C";

    TOffsets full{40};
    TOffsets sixteen;
    for (int d = 1; d <= 16; ++d) {
        full << 40 + d;
        sixteen << d;
    }
    QTest::newRow("sixteen offsets, then full")
        << (TOffsets(full) << 57) << 40 << sixteen
        << "28" + QStringLiteral("0102030405060708090A0B0C0D0E0F10");
    QTest::newRow("full, one out, another in")
        << (TOffsets(full) << 41 << 57) << 40 << (sixteen.mid(1) << 17)
        << "28" + QStringLiteral("02030405060708090A0B0C0D0E0F1011");
}

void TestChordList::toggleNote() {
    QFETCH(TOffsets, notes);
    QFETCH(int, root);
    QFETCH(TOffsets, offsets);
    QFETCH(QString, text);
    TChordEntry e(QStringLiteral("x"));
    for (int n : notes)
        e.ToggleNote(n);
    QCOMPARE(e.Root(), root);
    QCOMPARE(OffsetsOf(e), offsets);
    QCOMPARE(e.OffsetCount(), int(offsets.size()));
    QCOMPARE(e.ToText(), text);
    // what is written reads back the same
    const TChordEntry back(QStringLiteral("y"), e.ToText());
    QCOMPARE(back.Root(), root);
    QCOMPARE(OffsetsOf(back), offsets);
}

void TestChordList::fromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("root");
    QTest::addColumn<TOffsets>("offsets");
    QTest::addColumn<QString>("written");

    QTest::newRow("lower case") << "3c0407" << 60 << TOffsets{4, 7} << "3C0407";
    QTest::newRow("stops at a bad pair") << "3C04ZZ07" << 60 << TOffsets{4} << "3C04";
    QTest::newRow("root only") << "3C" << 60 << TOffsets{} << "3C";
    QTest::newRow("zero ends the list") << "3C00" << 60 << TOffsets{} << "3C";
    QTest::newRow("zero in the middle") << "3C040007" << 60 << TOffsets{4} << "3C04";
    QTest::newRow("half pair at the end") << "3C040" << 60 << TOffsets{4} << "3C04";
    QTest::newRow("negative offsets") << "3CF4C0" << 60 << TOffsets{-12, -64} << "3CF4C0";
    QTest::newRow("range not enforced") << "3C80" << 60 << TOffsets{-128} << "3C80";
    QTest::newRow("empty") << "" << -1 << TOffsets{} << "";
    QTest::newRow("one character") << "3" << -1 << TOffsets{} << "";
    QTest::newRow("bad root") << "G30407" << -1 << TOffsets{} << "";
    QTest::newRow("root beyond the notes") << "FF0407" << -1 << TOffsets{} << "";
    TOffsets sixteen;
    QString text = QStringLiteral("10");
    for (int d = 1; d <= 17; ++d) {
        text += QStringLiteral("%1").arg(d, 2, 16, QLatin1Char('0'));
        if (d <= 16)
            sixteen << d;
    }
    QTest::newRow("seventeen pairs read as sixteen")
        << text << 16 << sixteen << text.left(34).toUpper();
}

void TestChordList::fromText() {
    QFETCH(QString, text);
    QFETCH(int, root);
    QFETCH(TOffsets, offsets);
    QFETCH(QString, written);
    TChordEntry e(QStringLiteral("old"), QStringLiteral("2A0C"));
    e.FromText(QStringLiteral("Name"), text);
    QCOMPARE(e.Name(), QStringLiteral("Name"));
    QCOMPARE(e.Root(), root);
    QCOMPARE(OffsetsOf(e), offsets);
    QCOMPARE(e.ToText(), written);
}

void TestChordList::newChordNaming_data() {
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty list") << QStringList{} << "New chord";
    QTest::newRow("taken once") << QStringList{"New chord"} << "New chord 2";
    QTest::newRow("taken twice") << QStringList{"New chord", "New chord 2"} << "New chord 3";
    QTest::newRow("taken in other case") << QStringList{"NEW CHORD"} << "New chord 2";
    QTest::newRow("gap is used") << QStringList{"New chord", "New chord 3"} << "New chord 2";
    QTest::newRow("only the numbered one") << QStringList{"New chord 2"} << "New chord";
}

void TestChordList::newChordNaming() {
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    TChordList list;
    for (const QString &name : existing)
        list.NewChord().SetName(name);
    TChordEntry &e = list.NewChord();
    QCOMPARE(e.Name(), expected);
    QCOMPARE(e.Root(), -1);
    QCOMPARE(list.IndexOf(&e), list.Count() - 1);
}

void TestChordList::indexOfNameIgnoresCase_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("exact") << "Jazz" << 1;
    QTest::newRow("upper") << "JAZZ" << 1;
    QTest::newRow("lower") << "jazz" << 1;
    QTest::newRow("non-ASCII letters") << QStringLiteral("ÄRGER") << 2;
    QTest::newRow("prefix only") << "Jaz" << -1;
    QTest::newRow("longer") << "Jazzy" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestChordList::indexOfNameIgnoresCase() {
    QFETCH(QString, name);
    QFETCH(int, index);
    TChordList list;
    list.NewChord().SetName(QStringLiteral("Blues"));
    list.NewChord().SetName(QStringLiteral("Jazz"));
    list.NewChord().SetName(QStringLiteral("Ärger"));
    list.NewChord().SetName(QStringLiteral("jazz")); // only the first counts
    QCOMPARE(list.IndexOfName(name), index);
}

void TestChordList::deleteAndIndexErrors() {
    TChordList list;
    TChordEntry &a = list.NewChord();
    TChordEntry &b = list.NewChord();
    const TChordEntry stranger(QStringLiteral("New chord"));
    QVERIFY(!list.DeleteChord(&stranger));
    QVERIFY(!list.DeleteChord(nullptr));
    QCOMPARE(list.Count(), 2);
    QVERIFY(list.DeleteChord(&a));
    QCOMPARE(list.Count(), 1);
    QCOMPARE(&list.Items(0), &b);
    QVERIFY_THROWS_EXCEPTION(EChordAssertion, list.Items(1));
    QVERIFY_THROWS_EXCEPTION(EChordAssertion, list.Items(-1));
}

void TestChordList::loadFromIni_data() {
    QTest::addColumn<QStringList>("before"); // Name=Text
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("later name replaces earlier")
        << QStringList{}
        << QByteArray("[Chords]\nName1=Jazz\nChord1=3C0407\n"
                      "Name2=jazz\nChord2=3C030A\n")
        << false << 2 << QStringList{"jazz=3C030A"};
    QTest::newRow("stops at the first missing number")
        << QStringList{}
        << QByteArray("[Chords]\nName1=A\nChord1=3C04\nName2=B\nChord2=3C05\n"
                      "Name4=D\nChord4=3C07\n")
        << false << 2 << QStringList{"A=3C04", "B=3C05"};
    QTest::newRow("stops at a missing text")
        << QStringList{}
        << QByteArray("[Chords]\nName1=A\nChord1=3C04\nName2=B\n"
                      "Name3=C\nChord3=3C07\n")
        << false << 1 << QStringList{"A=3C04"};
    QTest::newRow("chords without offsets skipped, reading goes on")
        << QStringList{}
        << QByteArray("[Chords]\nName1=A\nChord1=3C\nName2=B\nChord2=3C00\n"
                      "Name3=C\nChord3=3c0407\nName4=D\nChord4=XX\n")
        << false << 1 << QStringList{"C=3C0407"};
    QTest::newRow("replace clears")
        << QStringList{"Old=3C04"} << QByteArray("[Chords]\nName1=New\nChord1=3C07\n") << false << 1
        << QStringList{"New=3C07"};
    QTest::newRow("keep adds, same name moves to the end")
        << QStringList{"Jazz=3C04", "Blues=3C03"}
        << QByteArray("[Chords]\nName1=JAZZ\nChord1=3C0407\nName2=Pop\nChord2=3C07\n") << true << 2
        << QStringList{"Blues=3C03", "JAZZ=3C0407", "Pop=3C07"};
    QTest::newRow("keep: a bad definition leaves the good one")
        << QStringList{"Jazz=3C04"} << QByteArray("[Chords]\nName1=jazz\nChord1=3C\n") << true << 0
        << QStringList{"Jazz=3C04"};
    QTest::newRow("no section") << QStringList{"Old=3C04"} << QByteArray("[Other]\nName1=A\n")
                                << true << 0 << QStringList{"Old=3C04"};
    QTest::newRow("section name in other case")
        << QStringList{} << QByteArray("[chords]\nname1=A\nCHORD1=3C04\n") << false << 1
        << QStringList{"A=3C04"};
}

void TestChordList::loadFromIni() {
    QFETCH(QStringList, before);
    QFETCH(QByteArray, file);
    QFETCH(bool, keep);
    QFETCH(int, added);
    QFETCH(QStringList, after);
    TChordList list;
    for (const QString &pair : before) {
        TChordEntry &e = list.NewChord();
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        e.FromText(pair.left(eq), pair.mid(eq + 1));
    }
    const QString path = FDir->filePath(QStringLiteral("chords.ini"));
    WriteFile(path, file);
    const TIniFile ini(path);
    QCOMPARE(list.LoadFromIni(ini, keep), added);
    QCOMPARE(Contents(list), after);
}

void TestChordList::saveToIniRewritesTheSection() {
    const QString path = FDir->filePath(QStringLiteral("chords.ini"));
    WriteFile(path, "[Chords]\nName1=Stale\nChord1=3C04\nName5=Stale5\nChord5=3C05\n"
                    "[Other]\nKeep=1\n");
    TChordList list;
    list.NewChord().FromText(QStringLiteral("Dur"), QStringLiteral("3C0407"));
    list.NewChord().FromText(QStringLiteral("Low"), QStringLiteral("3CF4"));
    {
        TIniFile ini(path);
        QCOMPARE(list.SaveToIni(ini), 2);
        ini.UpdateFile();
    }
    const TIniFile ini(path);
    QCOMPARE(ini.ReadSection(QStringLiteral("Chords")),
             (QStringList{"Name1", "Chord1", "Name2", "Chord2"}));
    QCOMPARE(ini.ReadString(QStringLiteral("Chords"), QStringLiteral("Name2"), {}),
             QStringLiteral("Low"));
    QCOMPARE(ini.ReadString(QStringLiteral("Chords"), QStringLiteral("Chord2"), {}),
             QStringLiteral("3CF4"));
    QCOMPARE(ini.ReadString(QStringLiteral("Other"), QStringLiteral("Keep"), {}),
             QStringLiteral("1"));
    TChordList back;
    QCOMPARE(back.LoadFromIni(ini, false), 2);
    QCOMPARE(Contents(back), Contents(list));
}

// Reading ends at the first empty text, so an empty chord written in the middle used to hide
// every chord saved after it.
void TestChordList::chordWithoutNotesDoesNotHideLaterOnes() {
    TChordList list;
    list.NewChord().FromText(QStringLiteral("A"), QStringLiteral("3C04"));
    list.NewChord();                                                             // empty
    list.NewChord().FromText(QStringLiteral("Root only"), QStringLiteral("3C")); // one note
    list.NewChord().FromText(QStringLiteral("B"), QStringLiteral("3C05"));
    const QString path = FDir->filePath(QStringLiteral("chords.ini"));
    {
        TIniFile ini(path);
        QCOMPARE(list.SaveToIni(ini), 2);
        ini.UpdateFile();
    }
    TChordList back;
    QCOMPARE(back.LoadFromIni(TIniFile(path), false), 2);
    QCOMPARE(Contents(back), (QStringList{"A=3C04", "B=3C05"}));
}

void TestChordList::registryRoundTrip() {
    TChordList list;
    list.NewChord().FromText(QStringLiteral("Sus4"), QStringLiteral("3C0507"));
    list.NewChord().FromText(QStringLiteral("Wide \"open\""), QStringLiteral("30F40C13"));
    list.SaveToRegistry();
    // on disk, not only in the shared copy in memory
    QVERIFY(QFile::exists(ProgramStoreFileName()));
    const TIniFile disk(ProgramStoreFileName());
    QCOMPARE(disk.ReadString(QStringLiteral("Chords"), QStringLiteral("Name2"), {}),
             QStringLiteral("Wide \"open\""));

    TChordList back;
    back.NewChord().FromText(QStringLiteral("Gone"), QStringLiteral("3C04"));
    back.LoadFromRegistry();
    QCOMPARE(Contents(back), Contents(list));

    // a list read from the store and emptied empties the stored section
    back.Clear();
    QVERIFY(back.SaveToRegistry().isEmpty());
    back.LoadFromRegistry();
    QCOMPARE(back.Count(), 0);
}

void TestChordList::twoWindowsKeepEachOthersChords_data() {
    QTest::addColumn<QString>("first");  // what the first window does, then saves
    QTest::addColumn<QString>("second"); // what the second does after that, then saves
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("each adds one") << "add B 3C05"
                                   << "add C 3C07" << QStringList{"A=3C04", "B=3C05", "C=3C07"};
    QTest::newRow("one deletes, the other adds") << "delete A"
                                                 << "add C 3C07" << QStringList{"C=3C07"};
    QTest::newRow("one changes, the other adds")
        << "set A 3C0407"
        << "add C 3C07" << QStringList{"A=3C0407", "C=3C07"};
    QTest::newRow("both change one: the later wins") << "set A 3C0407"
                                                     << "set A 3C03" << QStringList{"A=3C03"};
    QTest::newRow("one spells the name anew, the other adds")
        << "rename A a"
        << "add C 3C07" << QStringList{"C=3C07", "a=3C04"};
    QTest::newRow("one renames, the other adds") << "rename A Z"
                                                 << "add C 3C07" << QStringList{"C=3C07", "Z=3C04"};
}

// Two windows on one settings file, each with the chords it read at its start: whichever saves
// last must not erase what the other added (the list was saved whole over the section).
void TestChordList::twoWindowsKeepEachOthersChords() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, stored);
    QDir().mkpath(QFileInfo(ProgramStoreFileName()).absolutePath());
    WriteFile(ProgramStoreFileName(), "[Chords]\nName1=A\nChord1=3C04\n");
    TChordList one;
    TChordList two;
    one.LoadFromRegistry();
    two.LoadFromRegistry();
    const auto Do = [](TChordList &List, const QString &Change) {
        const QStringList w = Change.split(QLatin1Char(' '));
        const int index = List.IndexOfName(w[1]);
        if (w[0] == QLatin1String("add"))
            List.NewChord().FromText(w[1], w[2]);
        else if (w[0] == QLatin1String("delete"))
            List.DeleteChord(&List.Items(index));
        else if (w[0] == QLatin1String("set"))
            List.Items(index).FromText(w[1], w[2]);
        else
            List.Items(index).SetName(w[2]);
        QVERIFY(List.SaveToRegistry().isEmpty());
    };
    Do(one, first);
    Do(two, second);
    TChordList back;
    back.LoadFromRegistry();
    QStringList got = Contents(back);
    got.sort();
    QCOMPARE(got, stored);
    // The window that saved last shows the merged list.
    QStringList shown = Contents(two);
    shown.sort();
    QCOMPARE(shown, stored);
}

QTEST_GUILESS_MAIN(TestChordList)
#include "tst_chordlist.moc"
