#include "core/custominifile.h"
#include "core/inifile.h"
#include "core/knoblist.h"
#include "core/registryinifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// An .ini file with the given text, read as a store.
std::unique_ptr<TIniFile> IniWith(const QTemporaryDir &Dir, const QString &Text) {
    const QString name = Dir.filePath(QStringLiteral("presets.ini"));
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return nullptr;
    f.write(Text.toUtf8());
    f.close();
    return std::make_unique<TIniFile>(name);
}

QString Knob(int N, const QString &Caption, int IUser, int Mode, int Default) {
    return QStringLiteral("Caption%1=%2\nIUser%1=%3\nDisplayMode%1=%4\nDefaultValue%1=%5\n")
        .arg(N)
        .arg(Caption)
        .arg(IUser)
        .arg(Mode)
        .arg(Default);
}

QStringList Captions(const TKnobList &L) {
    QStringList c;
    for (int i = 0; i < L.Count(); ++i)
        c << L.Caption(i);
    return c;
}

} // namespace

class TestKnobList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void loading_data();
    void loading();
    void loadingReplacesTheList();
    void controllerOutsideMidiIsRefusedNotMasked_data();
    void controllerOutsideMidiIsRefusedNotMasked();
    void newKnobControllerIsHarmless_data();
    void newKnobControllerIsHarmless();
    void roundTripThroughAFile();
    void savingFewerKnobsLeavesNoSurplus();
    void presetsInTheUserStore();
    void presetNames_data();
    void presetNames();
    void listKnobPresets_data();
    void listKnobPresets();
    void assignSkipsEmptyCaptions();
    void fullListIgnoresMore();
    void badIndexIsAnAssertion();
    void snapshotText_data();
    void snapshotText();
    void snapshotDecoding_data();
    void snapshotDecoding();

private:
    std::unique_ptr<QTemporaryDir> FDir;
};

void TestKnobList::init() {
    FDir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FDir->path().toUtf8());
}

void TestKnobList::loading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("captions");
    const QString head = QStringLiteral("[Piano]\n");
    QTest::newRow("gap ends the list")
        << head + Knob(1, "A", 7, 0, 100) + Knob(2, "B", 10, 1, 64) + Knob(4, "D", 11, 0, 0)
        << QStringList{"A", "B"};
    QTest::newRow("display mode 200 ends it")
        << head + Knob(1, "A", 7, 0, 100) + Knob(2, "B", 10, 1, 64) + Knob(3, "C", 11, 200, 0)
        << QStringList{"A", "B"};
    QTest::newRow("display mode 127 is kept")
        << head + Knob(1, "A", 7, 127, 100) << QStringList{"A"};
    QTest::newRow("negative display mode ends it")
        << head + Knob(1, "A", 7, -1, 100) << QStringList{};
    QTest::newRow("missing display mode ends it")
        << head + QStringLiteral("Caption1=A\nIUser1=7\n") << QStringList{};
    QTest::newRow("empty caption ends it")
        << head + Knob(1, "", 7, 0, 100) + Knob(2, "B", 7, 0, 100) << QStringList{};
    QTest::newRow("missing section")
        << QStringLiteral("[Other]\n") + Knob(1, "A", 7, 0, 0) << QStringList{};
    QString many = head;
    QStringList first20;
    for (int n = 1; n <= 25; ++n) {
        many += Knob(n, QStringLiteral("K%1").arg(n), n, 0, n);
        if (n <= 20)
            first20 << QStringLiteral("K%1").arg(n);
    }
    QTest::newRow("25 knobs: the first 20") << many << first20;
    QTest::newRow("names without regard to case")
        << QStringLiteral("[PIANO]\ncaption1=A\niuser1=7\nDISPLAYMODE1=0\ndefaultvalue1=3\n")
        << QStringList{"A"};
}

void TestKnobList::loading() {
    QFETCH(QString, text);
    QFETCH(QStringList, captions);
    auto ini = IniWith(*FDir, text);
    QVERIFY(ini);
    TKnobList l;
    l.LoadFromIni(*ini, QStringLiteral("Piano"));
    QCOMPARE(Captions(l), captions);
}

void TestKnobList::loadingReplacesTheList() {
    auto ini = IniWith(*FDir, QStringLiteral("[P]\n") + Knob(1, "Pan", 10, 1, 64));
    TKnobList l;
    l.Add(QStringLiteral("Old 1"), 1, 0, 0);
    l.Add(QStringLiteral("Old 2"), 2, 0, 0);
    l.LoadFromIni(*ini, QStringLiteral("P"));
    QCOMPARE(l.Count(), 1);
    QCOMPARE(l.Caption(0), QStringLiteral("Pan"));
    QCOMPARE(l.IUser(0), 10);
    QCOMPARE(l.DisplayMode(0), 1);
    QCOMPARE(l.DefaultValue(0), 64);
}

void TestKnobList::controllerOutsideMidiIsRefusedNotMasked_data() {
    QTest::addColumn<bool>("userStore"); // else an .ini file being imported
    QTest::addColumn<QString>("iuser");  // of the middle knob "Far"
    QTest::addColumn<QList<int>>("controllers");
    for (bool user : {false, true}) {
        const char *where = user ? "user store" : "imported file";
        QTest::addRow("%s: 135", where) << user << "135" << QList<int>{7, 10};
        QTest::addRow("%s: 128", where) << user << "128" << QList<int>{7, 10};
        QTest::addRow("%s: -1", where) << user << "-1" << QList<int>{7, 10};
        QTest::addRow("%s: not a number", where) << user << "7x" << QList<int>{7, 10};
        QTest::addRow("%s: 127", where) << user << "127" << QList<int>{7, 127, 10};
        QTest::addRow("%s: 0", where) << user << "0" << QList<int>{7, 0, 10};
    }
}

void TestKnobList::controllerOutsideMidiIsRefusedNotMasked() {
    QFETCH(bool, userStore);
    QFETCH(QString, iuser);
    QFETCH(QList<int>, controllers);
    const QString knobs = Knob(1, "Vol", 7, 0, 100) +
                          QStringLiteral("Caption2=Far\nIUser2=%1\nDisplayMode2=0\n").arg(iuser) +
                          Knob(3, "Pan", 10, 1, 64);
    TKnobList l;
    if (userStore) {
        TRegistryIniFile store(KnobPresetsKey);
        for (const QString &line : knobs.split(u'\n', Qt::SkipEmptyParts))
            store.WriteString(QStringLiteral("Wide"), line.section(u'=', 0, 0),
                              line.section(u'=', 1));
        l.LoadPreset(KnobPresetsKey, QStringLiteral("Wide"));
    } else {
        auto ini = IniWith(*FDir, QStringLiteral("[Wide]\n") + knobs);
        QVERIFY(ini);
        l.LoadFromIni(*ini, QStringLiteral("Wide"));
    }
    QList<int> loaded;
    for (int i = 0; i < l.Count(); ++i)
        loaded << l.IUser(i);
    QCOMPARE(loaded, controllers);
    if (controllers.size() == 3) {
        QVERIFY(l.LoadErrors().isEmpty());
    } else {
        QCOMPARE(l.LoadErrors().size(), 1);
        const QString error = l.LoadErrors().first();
        QVERIFY2(error.contains(QStringLiteral("\"Wide\"")) && error.contains(iuser) &&
                     error.contains(QStringLiteral("Far")),
                 qPrintable(error));
    }
}

void TestKnobList::newKnobControllerIsHarmless_data() {
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<int>("controller");
    QTest::newRow("empty list") << QList<int>{} << 16;
    QTest::newRow("volume and pan") << QList<int>{7, 10} << 16;
    QTest::newRow("first ones taken") << QList<int>{16, 17, 19} << 18;
    QTest::newRow("1-4 taken") << QList<int>{16, 17, 18, 19} << 80;
    QTest::newRow("all eight taken") << QList<int>{16, 17, 18, 19, 80, 81, 82, 83} << 3;
}

void TestKnobList::newKnobControllerIsHarmless() {
    QFETCH(QList<int>, used);
    QFETCH(int, controller);
    TKnobList l;
    for (int c : used)
        l.Add(QStringLiteral("K"), c, 0, 0);
    QCOMPARE(NewKnobController(l), controller);
}

void TestKnobList::roundTripThroughAFile() {
    const QString name = FDir->filePath(QStringLiteral("out.ini"));
    TKnobList l;
    l.Add(QStringLiteral("Volume"), 7, 0, 100);
    l.Add(QStringLiteral("Pan = centre; [L/R]"), 10, 1, 64);
    l.Add(QStringLiteral("Reverb"), 91, 0, 0);
    {
        TIniFile ini(name);
        l.SaveToIni(ini, QStringLiteral("Strings"));
        ini.UpdateFile();
    }
    QFile f(name);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    QVERIFY(text.contains(QStringLiteral("Caption1=Volume")));
    QVERIFY(text.contains(QStringLiteral("IUser3=91")));
    QVERIFY(text.contains(QStringLiteral("DisplayMode2=1")));
    QVERIFY(text.contains(QStringLiteral("DefaultValue1=100")));
    TIniFile again(name);
    TKnobList back;
    back.LoadFromIni(again, QStringLiteral("strings"));
    QCOMPARE(Captions(back), Captions(l));
    for (int i = 0; i < l.Count(); ++i) {
        QCOMPARE(back.IUser(i), l.IUser(i));
        QCOMPARE(back.DisplayMode(i), l.DisplayMode(i));
        QCOMPARE(back.DefaultValue(i), l.DefaultValue(i));
    }
}

void TestKnobList::savingFewerKnobsLeavesNoSurplus() {
    auto ini = IniWith(*FDir, QString());
    TKnobList l;
    for (int n = 1; n <= 5; ++n)
        l.Add(QStringLiteral("K%1").arg(n), n, 0, 0);
    l.SaveToIni(*ini, QStringLiteral("P"));
    QCOMPARE(ini->ReadSection(QStringLiteral("P")).size(), 20);
    l.DeleteEntry(&l.Entry(4));
    l.DeleteEntry(&l.Entry(3));
    l.SaveToIni(*ini, QStringLiteral("P"));
    QCOMPARE(ini->ReadSection(QStringLiteral("P")).size(), 12);
    QVERIFY(!ini->ValueExists(QStringLiteral("P"), QStringLiteral("Caption4")));
    QVERIFY(!ini->ValueExists(QStringLiteral("P"), QStringLiteral("IUser5")));
}

void TestKnobList::presetsInTheUserStore() {
    TKnobList l;
    l.Add(QStringLiteral("Cutoff"), 74, 0, 64);
    l.Add(QStringLiteral("Pan"), 10, 1, 64);
    l.SavePreset(KnobPresetsKey, QStringLiteral("Synth"));
    l.SavePreset(KnobPresetsKey, QStringLiteral("Current"));
    QVERIFY(TRegistryIniFile::KeyExists(QStringLiteral("KnobPresets\\Synth")));
    QStringList names{QStringLiteral("stale")};
    ListKnobPresetsInRegistry(names, KnobPresetsKey);
    QCOMPARE(names, QStringList{QStringLiteral("Synth")});
    TKnobList back;
    back.LoadPreset(KnobPresetsKey, QStringLiteral("SYNTH"));
    QCOMPARE(Captions(back), Captions(l));
    QCOMPARE(back.IUser(0), 74);
    // a preset that is not there gives an empty list
    back.LoadPreset(KnobPresetsKey, QStringLiteral("Gone"));
    QCOMPARE(back.Count(), 0);
}

void TestKnobList::presetNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("storable");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "Piano" << true << true;
    QTest::newRow("inner blanks and brackets") << "My [best] knobs" << false << false;
    QTest::newRow("opening bracket only") << "My [best knobs" << true << true;
    QTest::newRow("Default, any case") << "dEFAULT" << true << false;
    QTest::newRow("Current") << "Current" << true << false;
    QTest::newRow("backslash: a deeper key") << "Piano\\Soft" << false << false;
    QTest::newRow("line break") << "Piano\nSoft" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("blank around") << " Piano" << false << false;
}

void TestKnobList::presetNames() {
    QFETCH(QString, name);
    QFETCH(bool, storable);
    QFETCH(bool, valid);
    QCOMPARE(IsStorablePresetName(name), storable);
    QCOMPARE(IsValidPresetName(name), valid);
    TKnobList l;
    l.Add(QStringLiteral("Volume"), 7, 0, 100);
    if (!storable) {
        // refused before anything is written, so no other preset is touched
        TRegistryIniFile store(KnobPresetsKey);
        store.WriteString(QStringLiteral("Other"), QStringLiteral("Caption1"), QStringLiteral("X"));
        QVERIFY_THROWS_EXCEPTION(EIniFileException, l.SaveToIni(store, name));
        QCOMPARE(store.ReadSections(), QStringList{QStringLiteral("Other")});
        return;
    }
    // a storable name comes back from the store as it went in
    l.SavePreset(KnobPresetsKey, name);
    const TRegistryIniFile store(KnobPresetsKey);
    QCOMPARE(store.ReadSections(), QStringList{name});
    TKnobList back;
    back.LoadPreset(KnobPresetsKey, name);
    QCOMPARE(back.Count(), 1);
}

void TestKnobList::listKnobPresets_data() {
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("reserved names left out")
        << QStringList{"Current", "Default", "Piano"} << QStringList{"Piano"};
    QTest::newRow("any case, any order")
        << QStringList{"default", "Piano", "CURRENT"} << QStringList{"Piano"};
    QTest::newRow("store order kept") << QStringList{"Strings", "Default", "Bass", "Piano"}
                                      << QStringList{"Strings", "Bass", "Piano"};
    QTest::newRow("names merely containing them stay")
        << QStringList{"Defaults", "Current 2"} << QStringList{"Defaults", "Current 2"};
}

void TestKnobList::listKnobPresets() {
    QFETCH(QStringList, sections);
    QFETCH(QStringList, expected);
    QString text;
    for (const QString &s : sections)
        text += QStringLiteral("[%1]\n").arg(s) + Knob(1, "A", 7, 0, 0);
    auto ini = IniWith(*FDir, text);
    QStringList names{QStringLiteral("left over")};
    ListKnobPresets(*ini, names);
    QCOMPARE(names, expected);
}

void TestKnobList::assignSkipsEmptyCaptions() {
    TKnobList source;
    source.Add(QStringLiteral("A"), 1, 0, 10);
    source.Add(QString(), 2, 0, 20);
    source.Add(QStringLiteral("C"), 3, 1, 30);
    TKnobList l;
    l.Add(QStringLiteral("Old"), 9, 0, 0);
    l.Assign(source);
    QCOMPARE(Captions(l), (QStringList{"A", "C"}));
    QCOMPARE(l.IUser(1), 3);
    QCOMPARE(l.DisplayMode(1), 1);
    QCOMPARE(l.DefaultValue(1), 30);
    l.Assign(l); // onto itself: nothing lost
    QCOMPARE(l.Count(), 2);
}

void TestKnobList::fullListIgnoresMore() {
    TKnobList l;
    QCOMPARE(l.MaxCount(), 20);
    for (int n = 0; n < 21; ++n)
        l.Add(QStringLiteral("K%1").arg(n), n, 0, 0);
    QCOMPARE(l.Count(), 20);
    QCOMPARE(l.Caption(19), QStringLiteral("K19"));
}

void TestKnobList::badIndexIsAnAssertion() {
    TKnobList l;
    l.Add(QStringLiteral("A"), 1, 0, 0);
    QVERIFY_THROWS_EXCEPTION(EKnobAssertion, l.Entry(1));
    QVERIFY_THROWS_EXCEPTION(EKnobAssertion, l.IUser(-1));
    try {
        l.Caption(5);
    } catch (const EKnobAssertion &e) {
        QCOMPARE(e.Message(), QStringLiteral("Index out of bounds"));
    }
}

void TestKnobList::snapshotText_data() {
    QTest::addColumn<QList<int>>("knobs"); // controller, value, controller, value, ...
    QTest::addColumn<QString>("text");
    QTest::newRow("two knobs") << QList<int>{7, 100, 10, 64} << "07640A40";
    QTest::newRow("7, 7, 10: the second 7 skipped")
        << QList<int>{7, 100, 7, 5, 10, 64} << "07640A40";
    QTest::newRow("upper case, zero padded") << QList<int>{127, 0, 0, 127} << "7F00007F";
    QTest::newRow("no knobs") << QList<int>{} << "";
}

void TestKnobList::snapshotText() {
    QFETCH(QList<int>, knobs);
    QFETCH(QString, text);
    std::vector<TKnobValue> values;
    for (qsizetype i = 0; i + 1 < knobs.size(); i += 2)
        values.emplace_back(knobs[i], knobs[i + 1]);
    QCOMPARE(SnapshotValuesText(values), text);
}

void TestKnobList::snapshotDecoding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("pairs");
    QTest::newRow("two pairs") << "07640A40" << QList<int>{7, 100, 10, 64};
    QTest::newRow("lower case") << "0a7f" << QList<int>{10, 127};
    QTest::newRow("stops at a non-hex character") << "0764X0A40" << QList<int>{7, 100};
    QTest::newRow("stops at a blank") << "0764 0A40" << QList<int>{7, 100};
    QTest::newRow("odd trailing digit ignored") << "07640" << QList<int>{7, 100};
    QTest::newRow("unpaired byte ignored") << "07640A" << QList<int>{7, 100};
    QTest::newRow("bytes above 127 are no MIDI data") << "FF100764" << QList<int>{7, 100};
    QTest::newRow("empty") << "" << QList<int>{};
}

void TestKnobList::snapshotDecoding() {
    QFETCH(QString, text);
    QFETCH(QList<int>, pairs);
    QList<int> got;
    for (const auto &[c, v] : DecodeSnapshotValues(text))
        got << c << v;
    QCOMPARE(got, pairs);
}

QTEST_MAIN(TestKnobList)
#include "tst_knoblist.moc"
