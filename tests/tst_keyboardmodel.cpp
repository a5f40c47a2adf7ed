#include "core/custominifile.h"
#include "core/keyboardmodel.h"

#include <QMap>

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

using Msg = std::tuple<int, int, int>; // status, data 1, data 2

// Records everything the model hands out: messages, display events and repaint requests.
struct Recorder {
    std::vector<Msg> Notes;
    std::vector<Msg> Display;
    std::vector<int> Repainted;
    QStringList BaseNoteNames;
    int FullRepaints = 0;
    int OctaveChanges = 0;

    explicit Recorder(TKeyboardModel &m) {
        m.OnNote = [this](QObject *, const TShortMessage &M) {
            Notes.emplace_back(M.Status, M.Data1, M.Data2);
        };
        m.OnDisplayEvent = [this](QObject *, const TShortMessage &M) {
            Display.emplace_back(M.Status, M.Data1, M.Data2);
        };
        m.OnKeyChanged = [this](int n) { Repainted.push_back(n); };
        m.OnRepaintAll = [this] { ++FullRepaints; };
        m.OnBaseNoteChange = [this](QObject *, const QString &s) { BaseNoteNames << s; };
        m.OnOctaveChange = [this](QObject *) { ++OctaveChanges; };
    }
    void Clear() {
        Notes.clear();
        Display.clear();
        Repainted.clear();
        BaseNoteNames.clear();
        FullRepaints = 0;
    }
    QList<int> SentNotes(int velocity) const {
        QList<int> out;
        for (auto [t, n, v] : Notes)
            if ((t & 0xF0) == 0x90 && (velocity < 0 ? v > 0 : v == velocity))
                out << n;
        return out;
    }
};

// A store held in memory, enough to see what the keyboard reads and writes.
class TMemoryStore : public TCustomIniFile {
public:
    QMap<QString, QMap<QString, QString>> Data; // keys kept lower-case: names ignore case
    QString FileName() const override { return {}; }
    QString ReadString(const QString &s, const QString &i, const QString &d) const override {
        return Data.value(s.toLower()).value(i.toLower(), d);
    }
    void WriteString(const QString &s, const QString &i, const QString &v) override {
        Data[s.toLower()][i.toLower()] = v;
    }
    bool ValueExists(const QString &s, const QString &i) const override {
        return Data.value(s.toLower()).contains(i.toLower());
    }
    bool SectionExists(const QString &s) const override { return Data.contains(s.toLower()); }
    QStringList ReadSections() const override { return Data.keys(); }
    QStringList ReadSection(const QString &s) const override {
        return Data.value(s.toLower()).keys();
    }
    void EraseSection(const QString &s) override { Data.remove(s.toLower()); }
    void DeleteKey(const QString &s, const QString &i) override {
        Data[s.toLower()].remove(i.toLower());
    }
    void UpdateFile() override {}
};

QList<int> PressedKeys(const TKeyboardModel &m) {
    QList<int> out;
    for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
        if (m.IsPressed(n))
            out << n;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(TChord)
Q_DECLARE_METATYPE(TLanguage)
Q_DECLARE_METATYPE(TImageSize)
Q_DECLARE_METATYPE(TNoteLabels)
Q_DECLARE_METATYPE(TScale)
Q_DECLARE_METATYPE(TPaintStyle)

class TestKeyboardModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chordPlayAndRelease_data();
    void chordPlayAndRelease();
    void customChordList_data();
    void customChordList();
    void releaseAllTakesDisplayTranspositionOff();
    void outOfRangeSentNoteStillLightsKey();
    void doubleInputNoteOnNeedsBothReleases();
    void ownNoteReleasedOnceHoweverOftenPressed();
    void counterSaturatesInsteadOfWrapping();
    void propertyClamps_data();
    void propertyClamps();
    void shiftVelocityRoundsHalfToEven_data();
    void shiftVelocityRoundsHalfToEven();
    void noteNames_data();
    void noteNames();
    void customNoteNamesNeedAFullList();
    void showMidiEvent_data();
    void showMidiEvent();
    void chordChangeRetriggersHeldNote();
    void transposeChangeRetriggersHeldNote();
    void channelChangeLeavesRetriggerPending();
    void releaseAllCentresPitchBendOnce();
    void setControllerValue_data();
    void setControllerValue();
    void keyOctaveChangeReleasesEverything();
    void transposeChangeSilencesThruNotes();
    void chordChangeSilencesThruNotesOnTheirChannel();
    void clearDisplaySilencesThruNotesOnly();
    void repaintOnlyWhenPressedStateMayChange();
    void geometryDraw_data();
    void geometryDraw();
    void geometryImage_data();
    void geometryImage();
    void whiteUpperHalves();
    void visibleNoteCountAndBaseNoteClamp_data();
    void visibleNoteCountAndBaseNoteClamp();
    void baseNoteEventsOnlyOnChange();
    void baseWhiteKey_data();
    void baseWhiteKey();
    void boundsClampToTheStrip();
    void imageSizeChangeResizesKeysAndReclampsBase();
    void imagesUnavailableKeepsDrawStyle();
    void keyWidthIgnoredWhileImages();
    void settingsRoundTrip();
    void settingsLoadKeepsWhatIsMissingOrInvalid();
    // Expression
    void velocityCurve_data();
    void velocityCurve();
    void velocityCurveRisesFromBackToFront();
    void strikeVelocity_data();
    void strikeVelocity();
    void velocityLevelSteps_data();
    void velocityLevelSteps();
    void namesWithFlatsAndMiddleC_data();
    void namesWithFlatsAndMiddleC();
    void noteLabels_data();
    void noteLabels();
    void scaleMembership_data();
    void scaleMembership();
    void scaleKeysPlayTheScaleInTurn_data();
    void scaleKeysPlayTheScaleInTurn();
    void computerKeysOfANote_data();
    void computerKeysOfANote();
    void sustainHoldsKeysLetGoUntilLifted();
    void sostenutoHoldsOnlyKeysDownWhenPressed();
    void pedalSentOnTheChannel();
    void fingersPlayGlideAndEndOnce();
    void fingerPressureFollowsChordAndTranspose();
};

// --- Chords -------------------------------------------------------------------------------------

void TestKeyboardModel::chordPlayAndRelease_data() {
    QTest::addColumn<TChord>("chord");
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("transpose");
    QTest::addColumn<bool>("displayTransposed");
    QTest::addColumn<QList<int>>("sent");
    QTest::addColumn<QList<int>>("lit");

    QTest::newRow("none") << TChord::chNone << 60 << 0 << false << QList<int>{60} << QList<int>{60};
    QTest::newRow("major") << TChord::chMajor << 60 << 0 << false << QList<int>{60, 64, 67}
                           << QList<int>{60, 64, 67};
    QTest::newRow("minor") << TChord::chMinor << 60 << 0 << false << QList<int>{60, 63, 67}
                           << QList<int>{60, 63, 67};
    QTest::newRow("major7") << TChord::chMajor7 << 60 << 0 << false << QList<int>{60, 64, 67, 70}
                            << QList<int>{60, 64, 67, 70};
    QTest::newRow("minor7") << TChord::chMinor7 << 60 << 0 << false << QList<int>{60, 63, 67, 70}
                            << QList<int>{60, 63, 67, 70};
    QTest::newRow("fifths") << TChord::chFifths << 60 << 0 << false << QList<int>{60, 67}
                            << QList<int>{60, 67};
    QTest::newRow("octave") << TChord::chOctave << 60 << 0 << false << QList<int>{60, 72}
                            << QList<int>{60, 72};
    QTest::newRow("power at 5 drops -7")
        << TChord::chPower << 5 << 0 << false << QList<int>{5, 12, 17} << QList<int>{5, 12, 17};
    QTest::newRow("octave above top dropped")
        << TChord::chOctave << 120 << 0 << false << QList<int>{120} << QList<int>{120};
    QTest::newRow("major transposed, shown at played keys")
        << TChord::chMajor << 60 << 2 << false << QList<int>{62, 66, 69} << QList<int>{60, 64, 67};
    QTest::newRow("major transposed, shown transposed")
        << TChord::chMajor << 60 << 2 << true << QList<int>{62, 66, 69} << QList<int>{62, 66, 69};
    QTest::newRow("transposed chord crossing the top")
        << TChord::chMajor << 118 << 5 << true << QList<int>{123, 127} << QList<int>{123, 127};
}

void TestKeyboardModel::chordPlayAndRelease() {
    QFETCH(TChord, chord);
    QFETCH(int, root);
    QFETCH(int, transpose);
    QFETCH(bool, displayTransposed);
    QFETCH(QList<int>, sent);
    QFETCH(QList<int>, lit);

    TKeyboardModel m;
    m.SetChord(chord);
    m.SetTranspose(transpose);
    m.SetDisplayTransposed(displayTransposed);
    Recorder r(m);
    m.SendChord(3, root, 90, true);
    QCOMPARE(r.SentNotes(90), sent);
    for (auto [t, n, v] : r.Notes)
        QCOMPARE(t, 0x93);
    QCOMPARE(PressedKeys(m), [&] {
        QList<int> s = lit;
        std::sort(s.begin(), s.end());
        return s;
    }());

    r.Clear();
    m.SendChord(3, root, 0, true);
    QCOMPARE(r.SentNotes(0), sent);
    QVERIFY(PressedKeys(m).isEmpty());
}

void TestKeyboardModel::customChordList_data() {
    QTest::addColumn<QList<int>>("given");
    QTest::addColumn<QList<int>>("kept");
    QTest::newRow("duplicate dropped, ends at 0") << QList<int>{4, 7, 4, 0, 12} << QList<int>{4, 7};
    QTest::newRow("negative intervals") << QList<int>{-12, -5, 3} << QList<int>{-12, -5, 3};
    QTest::newRow("empty") << QList<int>{} << QList<int>{};
    QTest::newRow("leading 0") << QList<int>{0, 4} << QList<int>{};
    QList<int> twenty;
    for (int i = 1; i <= 20; ++i)
        twenty << i;
    QTest::newRow("at most 16") << twenty << twenty.mid(0, 16);
}

void TestKeyboardModel::customChordList() {
    QFETCH(QList<int>, given);
    QFETCH(QList<int>, kept);
    TKeyboardModel m;
    std::vector<int8_t> bytes(given.begin(), given.end());
    m.SetCustomChord(bytes, true);
    QCOMPARE(m.Chord(), TChord::chCustom);
    const auto chord = m.CustomChord();
    QCOMPARE(QList<int>(chord.begin(), chord.end()), kept);

    Recorder r(m);
    m.SendChord(0, 60, 100, true);
    QList<int> expected{60};
    for (int i : kept)
        expected << 60 + i;
    QCOMPARE(r.SentNotes(100), expected);
}

// --- Transposition and counters -----------------------------------------------------------------

void TestKeyboardModel::releaseAllTakesDisplayTranspositionOff() {
    TKeyboardModel m;
    m.SetTranspose(12);
    m.SetDisplayTransposed(true);
    Recorder r(m);
    m.SendChord(0, 60, 100, true);
    QCOMPARE(r.SentNotes(100), QList<int>{72});
    QCOMPARE(PressedKeys(m), QList<int>{72});
    r.Clear();
    m.ReleaseAll();
    QCOMPARE(r.SentNotes(0), QList<int>{72});
    QVERIFY(PressedKeys(m).isEmpty());
}

void TestKeyboardModel::outOfRangeSentNoteStillLightsKey() {
    TKeyboardModel m;
    m.SetTranspose(12);
    Recorder r(m);
    m.SendChord(0, 120, 100, true);
    QVERIFY(r.Notes.empty());
    QCOMPARE(PressedKeys(m), QList<int>{120});
    m.SendChord(0, 120, 0, true);
    QVERIFY(r.Notes.empty());
    QVERIFY(PressedKeys(m).isEmpty());
}

void TestKeyboardModel::doubleInputNoteOnNeedsBothReleases() {
    TKeyboardModel m;
    Recorder r(m);
    m.ShowMidiEvent({0x90, 64, 100}, true);
    m.ShowMidiEvent({0x91, 64, 100}, true);
    QCOMPARE(m.DisplayCount(64), 2);
    m.ShowMidiEvent({0x80, 64, 0}, true);
    QVERIFY(m.IsPressed(64));
    m.ShowMidiEvent({0x91, 64, 0}, true); // a note-on with velocity 0 is a release
    QVERIFY(!m.IsPressed(64));
    QCOMPARE(r.Repainted, (std::vector<int>{64, 64}));
}

void TestKeyboardModel::ownNoteReleasedOnceHoweverOftenPressed() {
    TKeyboardModel m;
    Recorder r(m);
    for (int i = 0; i < 3; ++i)
        m.SendChord(0, 50, 100, true);
    QCOMPARE(m.OwnCount(50), 3);
    r.Clear();
    m.ReleaseOwnNotes();
    QCOMPARE(r.SentNotes(0), QList<int>{50});
    QCOMPARE(m.OwnCount(50), 0);
    QVERIFY(std::find(r.Repainted.begin(), r.Repainted.end(), 50) != r.Repainted.end());
}

void TestKeyboardModel::counterSaturatesInsteadOfWrapping() {
    TKeyboardModel m;
    for (int i = 0; i < 300; ++i)
        m.ShowNote(10, 100);
    QCOMPARE(m.DisplayCount(10), 255);
    QVERIFY(m.IsPressed(10));
    m.ShowNote(10 + 128, 0); // note numbers are taken modulo 128
    QCOMPARE(m.DisplayCount(10), 254);
    for (int i = 0; i < 300; ++i)
        m.ShowNote(10, 0);
    QCOMPARE(m.DisplayCount(10), 0);
}

// --- Properties ---------------------------------------------------------------------------------

void TestKeyboardModel::propertyClamps_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("shadow 14 with key 15 becomes 15") << "ShadowWidth" << 14 << 15;
    QTest::newRow("shadow 13 stays") << "ShadowWidth" << 13 << 13;
    QTest::newRow("shadow negative") << "ShadowWidth" << -3 << 0;
    QTest::newRow("transpose 150") << "Transpose" << 150 << 99;
    QTest::newRow("transpose 100") << "Transpose" << 100 << 99;
    QTest::newRow("transpose -100") << "Transpose" << -100 << -99;
    QTest::newRow("transpose -99") << "Transpose" << -99 << -99;
    QTest::newRow("key width 2") << "KeyWidth" << 2 << 4;
    QTest::newRow("key width 200") << "KeyWidth" << 200 << 100;
    QTest::newRow("mark note -1") << "MarkNote" << -1 << 0;
    QTest::newRow("mark note 128") << "MarkNote" << 128 << 127;
    QTest::newRow("channel 17") << "Channel" << 17 << 1;
    QTest::newRow("velocity 200") << "Velocity" << 200 << 72;
    QTest::newRow("key octave 11 ignored") << "KeyOctave" << 11 << 4;
    QTest::newRow("key octave -1 ignored") << "KeyOctave" << -1 << 4;
    QTest::newRow("key octave 10") << "KeyOctave" << 10 << 10;
    QTest::newRow("upper C 30 ignored") << "UpperCScanCode" << 30 << 16;
    QTest::newRow("upper C 27") << "UpperCScanCode" << 27 << 27;
    QTest::newRow("lower C 46") << "LowerCScanCode" << 46 << 46;
    QTest::newRow("lower C 43 ignored") << "LowerCScanCode" << 43 << 44;
}

void TestKeyboardModel::propertyClamps() {
    QFETCH(QString, property);
    QFETCH(int, value);
    QFETCH(int, expected);
    TKeyboardModel m;
    int actual = 0;
    if (property == "ShadowWidth") {
        m.SetShadowWidth(value);
        actual = m.ShadowWidth();
    } else if (property == "Transpose") {
        m.SetTranspose(value);
        actual = m.Transpose();
    } else if (property == "KeyWidth") {
        m.SetKeyWidth(value);
        actual = m.KeyWidth();
    } else if (property == "MarkNote") {
        m.SetMarkNote(value);
        actual = m.MarkNote();
    } else if (property == "Channel") {
        m.SetChannel(value);
        actual = m.Channel();
    } else if (property == "Velocity") {
        m.SetVelocity(value);
        actual = m.Velocity();
    } else if (property == "KeyOctave") {
        m.SetKeyOctave(value);
        actual = m.KeyOctave();
    } else if (property == "UpperCScanCode") {
        m.SetUpperCScanCode(value);
        actual = m.UpperCScanCode();
    } else if (property == "LowerCScanCode") {
        m.SetLowerCScanCode(value);
        actual = m.LowerCScanCode();
    } else {
        QFAIL("unknown property");
    }
    QCOMPARE(actual, expected);
}

void TestKeyboardModel::shiftVelocityRoundsHalfToEven_data() {
    QTest::addColumn<int>("velocity");
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.6 of 100") << 100 << 0.6f << 60;
    QTest::newRow("half of 101 rounds down to even") << 101 << 0.5f << 50;
    QTest::newRow("half of 103 rounds up to even") << 103 << 0.5f << 52;
    QTest::newRow("double of 127 clamps") << 127 << 2.0f << 127;
    QTest::newRow("factor below 0.01 becomes 0.01") << 100 << 0.0f << 1;
    QTest::newRow("negative factor becomes 0.01") << 100 << -5.0f << 1;
}

void TestKeyboardModel::shiftVelocityRoundsHalfToEven() {
    QFETCH(int, velocity);
    QFETCH(float, factor);
    QFETCH(int, expected);
    TKeyboardModel m;
    m.SetVelocity(velocity);
    m.SetVelocityShiftFactor(factor);
    QVERIFY(m.VelocityShiftFactor() >= 0.01f);
    QCOMPARE(int(m.ShiftVelocity()), expected);
}

void TestKeyboardModel::noteNames_data() {
    QTest::addColumn<TLanguage>("language");
    QTest::addColumn<int>("note");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << TLanguage::International << 0 << "C-2";
    QTest::newRow("-5 clamps") << TLanguage::International << -5 << "C-2";
    QTest::newRow("200 clamps") << TLanguage::International << 200 << "G8";
    QTest::newRow("60") << TLanguage::International << 60 << "C3";
    QTest::newRow("23 is octave -1") << TLanguage::International << 23 << "B-1";
    QTest::newRow("61 sharp") << TLanguage::International << 61 << "C#3";
    QTest::newRow("German 71") << TLanguage::German << 71 << "H3";
    QTest::newRow("German 70") << TLanguage::German << 70 << "Ais3";
    QTest::newRow("German 61") << TLanguage::German << 61 << "Cis3";
    QTest::newRow("Italian -5") << TLanguage::Italian << -5 << "Do-2";
    QTest::newRow("Italian 200") << TLanguage::Italian << 200 << "Sol8";
    QTest::newRow("Italian 68") << TLanguage::Italian << 68 << "Sol#3";
    QTest::newRow("Italian 71") << TLanguage::Italian << 71 << "Si3";
}

void TestKeyboardModel::noteNames() {
    QFETCH(TLanguage, language);
    QFETCH(int, note);
    QFETCH(QString, name);
    TKeyboardModel m;
    m.SetLanguage(language);
    QCOMPARE(m.NoteName(note), name);
    QCOMPARE(m.NoteDisplayName(note), name);
}

void TestKeyboardModel::customNoteNamesNeedAFullList() {
    TKeyboardModel m;
    QStringList names;
    for (int i = 0; i < 127; ++i)
        names << QStringLiteral("n%1").arg(i);
    m.SetNoteNames(&names);
    QVERIFY(!m.NoteNames().has_value());
    names << QString(); // 128 entries, the last empty
    names[60] = QStringLiteral("Snare");
    m.SetNoteNames(&names);
    QCOMPARE(m.NoteDisplayName(60), QStringLiteral("Snare"));
    QCOMPARE(m.NoteDisplayName(127), QStringLiteral("G8")); // empty entry falls back
    QCOMPARE(m.NoteDisplayName(500), QStringLiteral("G8"));
    m.SetNoteNames(nullptr);
    QCOMPARE(m.NoteDisplayName(60), QStringLiteral("C3"));
}

// --- MIDI thru
// ------------------------------------------------------------------------------------

void TestKeyboardModel::showMidiEvent_data() {
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("data1");
    QTest::addColumn<int>("data2");
    QTest::addColumn<bool>("useEventChannel");
    QTest::addColumn<QList<int>>("lit");
    // the keyboard plays a major chord on channel 2, transposed by 1; what went out is the
    // router's, the keyboard only shows it
    QTest::newRow("note-on on event channel")
        << 0x95 << 60 << 100 << true << QList<int>{60, 64, 67};
    QTest::newRow("note-on on keyboard channel")
        << 0x95 << 60 << 100 << false << QList<int>{60, 64, 67};
    QTest::newRow("data bytes masked") << 0x90 << 0xBC << 0xE4 << true << QList<int>{60, 64, 67};
    QTest::newRow("control change shows nothing") << 0xB3 << 7 << 0x85 << false << QList<int>{};
    QTest::newRow("timing clock ignored") << 0xF8 << 0 << 0 << true << QList<int>{};
    QTest::newRow("stray data byte ignored") << 0x40 << 1 << 2 << true << QList<int>{};
}

void TestKeyboardModel::showMidiEvent() {
    QFETCH(int, typ);
    QFETCH(int, data1);
    QFETCH(int, data2);
    QFETCH(bool, useEventChannel);
    QFETCH(QList<int>, lit);
    TKeyboardModel m;
    m.SetChannel(2);
    m.SetChord(TChord::chMajor);
    m.SetTranspose(1);
    Recorder r(m);
    m.ShowMidiEvent({uint8_t(typ), uint8_t(data1), uint8_t(data2)}, useEventChannel);
    QVERIFY(r.Notes.empty());
    QCOMPARE(PressedKeys(m), lit);
    for (int k : lit)
        QCOMPARE(m.OwnCount(k), 0); // incoming notes are never counted as own
}

// A note shown as played through darkens, on its release, exactly the keys it lit, whatever the
// chord or transposition is by then; changing them ends the notes played through.
void TestKeyboardModel::transposeChangeSilencesThruNotes() {
    TKeyboardModel m;
    m.SetTranspose(2);
    int releases = 0;
    m.OnReleaseThru = [&](QObject *) { ++releases; };
    m.SetDisplayTransposed(true);
    releases = 0;
    m.ShowMidiEvent({0x94, 60, 100}, true);
    QCOMPARE(PressedKeys(m), QList<int>{62});
    m.SetTranspose(5);
    QCOMPARE(releases, 1);
    QVERIFY(PressedKeys(m).isEmpty());
    m.ShowMidiEvent({0x94, 61, 100}, true); // lights 66 under the new transposition
    m.ShowMidiEvent({0x84, 60, 0}, true);   // the late release of the old note darkens nothing
    QCOMPARE(PressedKeys(m), QList<int>{66});
}

void TestKeyboardModel::chordChangeSilencesThruNotesOnTheirChannel() {
    TKeyboardModel m;
    m.SetChannel(0);
    m.SetChord(TChord::chFifths);
    Recorder r(m);
    int releases = 0;
    m.OnReleaseThru = [&](QObject *) { ++releases; };
    m.ShowMidiEvent({0x99, 40, 100}, true);
    m.SendChord(0, 70, 100, true); // an own note is released by the chord change as before
    QCOMPARE(PressedKeys(m), (QList<int>{40, 47, 70, 77}));
    r.Clear();
    m.SetChord(TChord::chNone);
    QList<Msg> released(r.Notes.begin(), r.Notes.end());
    std::sort(released.begin(), released.end());
    QCOMPARE(released, (QList<Msg>{{0x90, 70, 0}, {0x90, 77, 0}}));
    QCOMPARE(releases, 1);
    QVERIFY(PressedKeys(m).isEmpty());

    // the same applies when the keyboard loses focus or changes octave
    m.ShowMidiEvent({0x9A, 30, 100}, true);
    m.ReleaseDisplayedNotes();
    QCOMPARE(releases, 2);
    QVERIFY(PressedKeys(m).isEmpty());
}

void TestKeyboardModel::clearDisplaySilencesThruNotesOnly() {
    TKeyboardModel m;
    Recorder r(m);
    int releases = 0;
    m.OnReleaseThru = [&](QObject *) { ++releases; };
    m.ShowNote(50, 100);                    // only shown (thru off): never went out
    m.ShowMidiEvent({0x90, 52, 100}, true); // thru: went out
    r.Clear();
    m.ClearDisplay();
    QVERIFY(r.Notes.empty());
    QCOMPARE(releases, 1);
    QVERIFY(PressedKeys(m).isEmpty());
}

// --- Holding and re-trigger ----------------------------------------------------------------------

void TestKeyboardModel::chordChangeRetriggersHeldNote() {
    TKeyboardModel m;
    Recorder r(m);
    m.HeldNote = 60;
    m.HeldVelocity = 80;
    m.SendChord(0, 60, 80, true);
    m.Holding = true;
    r.Clear();
    m.SetChord(TChord::chMajor);
    QCOMPARE(r.SentNotes(0), QList<int>{60});
    QCOMPARE(r.SentNotes(80), (QList<int>{60, 64, 67}));
    QVERIFY(m.Holding);
    QVERIFY(!m.RetriggerPending);
    QCOMPARE(PressedKeys(m), (QList<int>{60, 64, 67}));

    r.Clear();
    m.SetChord(TChord::chMajor); // the same chord re-voices too
    QCOMPARE(r.SentNotes(0).size(), 3);
    QCOMPARE(r.SentNotes(80).size(), 3);
}

void TestKeyboardModel::transposeChangeRetriggersHeldNote() {
    TKeyboardModel m;
    Recorder r(m);
    m.HeldNote = 60;
    m.HeldVelocity = 70;
    m.SendChord(0, 60, 70, true);
    m.Holding = true;
    r.Clear();
    m.SetTranspose(3);
    QCOMPARE(r.SentNotes(0), QList<int>{60});
    QCOMPARE(r.SentNotes(70), QList<int>{63});
    r.Clear();
    m.SetTranspose(3); // unchanged: nothing happens
    QVERIFY(r.Notes.empty());
}

void TestKeyboardModel::channelChangeLeavesRetriggerPending() {
    TKeyboardModel m;
    Recorder r(m);
    m.HeldNote = 60;
    m.HeldVelocity = 70;
    m.SendChord(0, 60, 70, true);
    m.Holding = true;
    r.Clear();
    m.SetChannel(4);
    QVERIFY(m.RetriggerPending);
    QVERIFY(!m.Holding);
    QVERIFY(PressedKeys(m).isEmpty());
    QCOMPARE(r.SentNotes(0), QList<int>{60});
    QCOMPARE(r.SentNotes(-1), QList<int>{});
}

void TestKeyboardModel::releaseAllCentresPitchBendOnce() {
    TKeyboardModel m;
    m.SetChannel(3);
    m.SetControllerValueAt(TKeyboardModel::LeftRight, -200); // pitch bend moved by a drag
    m.SetControllerValueAt(TKeyboardModel::UpDown, 90);      // modulation
    Recorder r(m);
    m.ReleaseAll();
    QCOMPARE(QList<Msg>(r.Notes.begin(), r.Notes.end()), (QList<Msg>{{0xE3, 0, 64}}));
    QCOMPARE(QList<Msg>(r.Display.begin(), r.Display.end()), (QList<Msg>{{0xE3, 0, 64}}));
    QCOMPARE(m.ControllerValue(0), 0);
    QCOMPARE(m.ControllerValue(1), 0);
    r.Clear();
    m.ReleaseAll();
    QVERIFY(r.Notes.empty());
}

void TestKeyboardModel::setControllerValue_data() {
    QTest::addColumn<int>("upDown");
    QTest::addColumn<int>("leftRight");
    QTest::addColumn<int>("controller");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("upDownValue");
    QTest::addColumn<int>("leftRightValue");
    QTest::newRow("modulation") << 1 << 128 << 1 << 100 << 100 << 0;
    QTest::newRow("masked") << 1 << 128 << 1 << 200 << 72 << 0;
    QTest::newRow("pitch bend ignored") << 1 << 128 << 128 << 5 << 0 << 0;
    QTest::newRow("both assigned") << 7 << 7 << 7 << 3 << 3 << 3;
    QTest::newRow("unassigned") << 1 << 128 << 2 << 9 << 0 << 0;
}

void TestKeyboardModel::setControllerValue() {
    QFETCH(int, upDown);
    QFETCH(int, leftRight);
    QFETCH(int, controller);
    QFETCH(int, value);
    QFETCH(int, upDownValue);
    QFETCH(int, leftRightValue);
    TKeyboardModel m;
    m.SetUpDownController(upDown);
    m.SetLeftRightController(leftRight);
    m.SetControllerValue(controller, value);
    QCOMPARE(m.ControllerValue(TKeyboardModel::UpDown), upDownValue);
    QCOMPARE(m.ControllerValue(TKeyboardModel::LeftRight), leftRightValue);
    m.SetUpDownController(upDown); // assigning zeroes the value
    QCOMPARE(m.ControllerValue(TKeyboardModel::UpDown), 0);
}

void TestKeyboardModel::keyOctaveChangeReleasesEverything() {
    TKeyboardModel m;
    Recorder r(m);
    m.SendChord(0, 48, 100, true);
    m.ShowNote(70, 100);
    m.SetKeyOctave(4); // unchanged
    QCOMPARE(r.OctaveChanges, 0);
    r.Clear();
    m.OctaveUp();
    QCOMPARE(m.KeyOctave(), 5);
    QCOMPARE(r.OctaveChanges, 1);
    // Only the own note goes out: the shown one was never sent.
    QCOMPARE(r.SentNotes(0), QList<int>{48});
    QVERIFY(PressedKeys(m).isEmpty());
    for (int i = 0; i < 12; ++i)
        m.OctaveUp();
    QCOMPARE(m.KeyOctave(), 10);
    for (int i = 0; i < 12; ++i)
        m.OctaveDown();
    QCOMPARE(m.KeyOctave(), 0);
}

void TestKeyboardModel::repaintOnlyWhenPressedStateMayChange() {
    TKeyboardModel m;
    Recorder r(m);
    m.SendChord(0, 60, 100, true);
    m.SendChord(0, 60, 100, true);
    m.ShowMidiEvent({0x90, 60, 100}, true);
    m.SendChord(0, 60, 0, true);
    m.SendChord(0, 60, 0, true);
    m.ShowMidiEvent({0x80, 60, 0}, true);
    QCOMPARE(r.Repainted, (std::vector<int>{60, 60}));
}

// --- Geometry
// -------------------------------------------------------------------------------------

void TestKeyboardModel::geometryDraw_data() {
    QTest::addColumn<int>("keyWidth");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    // control height 76: black keys 45 high
    QTest::newRow("C-2") << 15 << 0 << 0 << 15 << 76;
    QTest::newRow("C#-2") << 15 << 1 << 7 << 15 << 45;
    QTest::newRow("E-2") << 15 << 4 << 30 << 15 << 76;
    QTest::newRow("F#-2") << 15 << 6 << 52 << 15 << 45;
    QTest::newRow("A#-2") << 15 << 10 << 82 << 15 << 45;
    QTest::newRow("C3") << 15 << 60 << 525 << 15 << 76;
    QTest::newRow("G8 last") << 15 << 127 << 74 * 15 << 15 << 76;
    QTest::newRow("odd width black") << 9 << 13 << 63 + 4 << 9 << 45;
}

void TestKeyboardModel::geometryDraw() {
    QFETCH(int, keyWidth);
    QFETCH(int, note);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(int, height);
    TKeyboardModel m;
    m.SetKeyWidth(keyWidth);
    m.SetBounds(300, 76);
    QCOMPARE(m.KeyLeft(note), left);
    QCOMPARE(m.KeyPixelWidth(note), width);
    QCOMPARE(m.KeyPixelHeight(note), height);
}

void TestKeyboardModel::geometryImage_data() {
    QTest::addColumn<TImageSize>("size");
    QTest::addColumn<int>("keyWidth");
    QTest::addColumn<QList<int>>("blackX"); // of C# D# F# G# A# in the second octave
    QTest::addColumn<int>("blackWidth");
    QTest::newRow("small") << TImageSize::isSmall << 15
                           << QList<int>{105 + 9, 105 + 28, 105 + 54, 105 + 71, 105 + 88} << 8;
    QTest::newRow("normal") << TImageSize::isNormal << 20
                            << QList<int>{140 + 12, 140 + 37, 140 + 72, 140 + 95, 140 + 117} << 11;
    QTest::newRow("big") << TImageSize::isBig << 27
                         << QList<int>{189 + 16, 189 + 50, 189 + 97, 189 + 128, 189 + 158} << 15;
}

void TestKeyboardModel::geometryImage() {
    QFETCH(TImageSize, size);
    QFETCH(int, keyWidth);
    QFETCH(QList<int>, blackX);
    QFETCH(int, blackWidth);
    TKeyboardModel m;
    m.SetImageSize(size);
    m.SetPaintStyle(TPaintStyle::psImage);
    QCOMPARE(m.KeyWidth(), keyWidth);
    const QList<int> blacks{13, 15, 18, 20, 22};
    for (int i = 0; i < blacks.size(); ++i) {
        QCOMPARE(m.KeyLeft(blacks[i]), blackX[i]);
        QCOMPARE(m.KeyPixelWidth(blacks[i]), blackWidth);
        QCOMPARE(m.KeyPixelHeight(blacks[i]), 41);
    }
    QCOMPARE(m.KeyLeft(14), 8 * keyWidth); // D in the second octave
    QCOMPARE(m.KeyPixelHeight(14), 76);
    // every black key lies inside the octave between its two white neighbours
    for (int n = 0; n < 128; ++n) {
        if (!TKeyboardModel::IsBlack(n))
            continue;
        QVERIFY(m.KeyLeft(n) > m.KeyLeft(n - 1));
        QVERIFY(m.KeyLeft(n) + m.KeyPixelWidth(n) < m.KeyLeft(n + 1) + keyWidth);
    }
}

void TestKeyboardModel::whiteUpperHalves() {
    using H = TKeyboardModel::TUpperHalf;
    const QList<H> octave{H::Left, H::None, H::None, H::None, H::Right, H::Left,
                          H::None, H::None, H::None, H::None, H::None,  H::Right};
    for (int n = 0; n < 127; ++n)
        QCOMPARE(TKeyboardModel::WhiteUpperHalf(n), octave[n % 12]);
    QCOMPARE(TKeyboardModel::WhiteUpperHalf(127), H::Right);
}

void TestKeyboardModel::visibleNoteCountAndBaseNoteClamp_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("keyWidth");
    QTest::addColumn<int>("visible");
    QTest::addColumn<int>("maxBase");
    QTest::newRow("main window 329 at 15") << 329 << 15 << 37 << 91;
    QTest::newRow("default 100 at 15") << 100 << 15 << 11 << 117;
    QTest::newRow("whole strip") << 1125 << 15 << 128 << 0;
    QTest::newRow("narrowest") << 10 << 15 << 1 << 127;
    QTest::newRow("4 pixel keys") << 300 << 4 << 128 << 0;
}

void TestKeyboardModel::visibleNoteCountAndBaseNoteClamp() {
    QFETCH(int, width);
    QFETCH(int, keyWidth);
    QFETCH(int, visible);
    QFETCH(int, maxBase);
    TKeyboardModel m;
    m.SetKeyWidth(keyWidth);
    m.SetBounds(width, 76);
    QCOMPARE(m.VisibleNoteCount(), visible);
    m.SetBaseNote(500);
    QCOMPARE(m.BaseNote(), maxBase);
    QCOMPARE(m.ScrollOffset(), m.KeyLeft(maxBase));
    m.SetBaseNote(-20);
    QCOMPARE(m.BaseNote(), 0);
    QCOMPARE(m.ScrollOffset(), 0);
}

void TestKeyboardModel::baseNoteEventsOnlyOnChange() {
    TKeyboardModel m;
    m.SetBounds(329, 76);
    Recorder r(m);
    std::vector<std::pair<int, int>> scrolls;
    m.OnScroll = [&](int a, int b) { scrolls.emplace_back(a, b); };
    m.SetBaseNote(36);
    QCOMPARE(r.BaseNoteNames, QStringList{"C1"});
    QCOMPARE(scrolls, (std::vector<std::pair<int, int>>{{28 / 12 * 105 + 2 * 15, 315}}));
    m.SetBaseNote(36);
    QCOMPARE(r.BaseNoteNames.size(), 1);
    QCOMPARE(scrolls.size(), size_t(1));
    m.SetBaseNote(37); // a black base note scrolls to the black key's edge
    QCOMPARE(m.ScrollOffset(), 315 + 7);
    QCOMPARE(r.BaseNoteNames.last(), QStringLiteral("C#1"));
}

void TestKeyboardModel::baseWhiteKey_data() {
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("white");
    QTest::addColumn<int>("next");
    QTest::newRow("C1") << 36 << 21 << 38;
    QTest::newRow("black C#1 counts as C1") << 37 << 21 << 38;
    QTest::newRow("B0") << 35 << 20 << 36;
    QTest::newRow("0") << 0 << 0 << 2;
}

void TestKeyboardModel::baseWhiteKey() {
    QFETCH(int, base);
    QFETCH(int, white);
    QFETCH(int, next);
    TKeyboardModel m;
    m.SetBounds(329, 76);
    m.SetBaseNote(base);
    QCOMPARE(m.BaseWhiteKey(), white);
    m.SetBaseWhiteKey(white + 1);
    QCOMPARE(m.BaseNote(), next);
    m.SetBaseWhiteKey(-1); // the scroll button below the first key
    QCOMPARE(m.BaseNote(), 0);
}

void TestKeyboardModel::boundsClampToTheStrip() {
    TKeyboardModel m;
    QCOMPARE(m.SetBounds(5000, 2), QSize(75 * 15, 5));
    QCOMPARE(m.SetBounds(3, 60), QSize(10, 60));
    m.SetBounds(329, 76);
    m.SetBaseNote(91);
    m.SetBounds(600, 76); // more notes visible: the base note moves down
    QCOMPARE(m.BaseNote(), 128 - m.VisibleNoteCount());
}

void TestKeyboardModel::imageSizeChangeResizesKeysAndReclampsBase() {
    TKeyboardModel m;
    m.SetBounds(329, 76);
    m.SetPaintStyle(TPaintStyle::psImage);
    m.SetBaseNote(91);
    QCOMPARE(m.BaseNote(), 91);
    m.SetImageSize(TImageSize::isBig);
    QCOMPARE(m.KeyWidth(), 27);
    QCOMPARE(m.VisibleNoteCount(), 329 * 12 / (7 * 27));
    QCOMPARE(m.BaseNote(), 91);
    QCOMPARE(m.ScrollOffset(), m.KeyLeft(91));    // recomputed for the wider keys
    QCOMPARE(m.ScrollOffset(), (7 * 7 + 4) * 27); // G6 is white key 53
    m.SetBaseNote(127);
    QCOMPARE(m.BaseNote(), 108);
    m.SetImageSize(TImageSize::isSmall); // more notes fit: the base note comes down
    QCOMPARE(m.KeyWidth(), 15);
    QCOMPARE(m.BaseNote(), 91);
    QCOMPARE(m.ScrollOffset(), m.KeyLeft(91));
}

void TestKeyboardModel::imagesUnavailableKeepsDrawStyle() {
    TKeyboardModel m;
    m.SetImagesAvailable(false);
    m.SetPaintStyle(TPaintStyle::psImage);
    QCOMPARE(m.PaintStyle(), TPaintStyle::psDraw);
    m.SetImagesAvailable(true); // lost for good
    m.SetPaintStyle(TPaintStyle::psImage);
    QCOMPARE(m.PaintStyle(), TPaintStyle::psDraw);

    TKeyboardModel n;
    n.SetPaintStyle(TPaintStyle::psImage);
    n.SetImagesAvailable(false); // loading failed while in use
    QCOMPARE(n.PaintStyle(), TPaintStyle::psDraw);
}

void TestKeyboardModel::keyWidthIgnoredWhileImages() {
    TKeyboardModel m;
    m.SetKeyWidth(30);
    m.SetImageSize(TImageSize::isNormal);
    m.SetPaintStyle(TPaintStyle::psImage);
    QCOMPARE(m.KeyWidth(), 20);
    m.SetKeyWidth(40);
    QCOMPARE(m.KeyWidth(), 20);
    m.SetPaintStyle(TPaintStyle::psDraw);
    m.SetKeyWidth(40);
    QCOMPARE(m.KeyWidth(), 40);
}

void TestKeyboardModel::settingsRoundTrip() {
    TKeyboardModel a;
    a.SetBounds(329, 76);
    a.SetBaseNote(40);
    a.SetChannel(9);
    a.SetChord(TChord::chMinor7);
    a.SetKeyWidth(18);
    a.SetLanguage(TLanguage::German);
    a.SetMarkNote(64);
    a.SetShadowWidth(3);
    a.SetVelocityShiftFactor(0.6f);
    a.SetVelocity(90);
    a.SetUpDownController(7);
    a.SetLeftRightController(129);
    a.SetKeyOctave(3);
    a.SetImageSize(TImageSize::isBig);
    a.SetLowerCScanCode(46);
    a.SetUpperCScanCode(20);
    a.SetVelocityByPosition(true);
    a.SetVelocityCurve({20, 110, -40});
    a.SetTouchPressure(false);
    a.SetNoteLabels(TNoteLabels::nlPressed);
    a.SetFlatNames(true);
    a.SetMiddleCOctave(4);
    a.SetComputerKeyLabels(true);
    a.SetKeyNamesOnKeys(true);
    a.SetScale(TScale::scDorian);
    a.SetScaleRoot(9);
    a.SetScaleKeysOnly(true);
    TMemoryStore store;
    a.SaveKeyboardSettings(store);
    QCOMPARE(store.ReadString("keyboard", "velshiftfactor", {}), QStringLiteral("60"));
    QCOMPARE(store.ReadSection("Keyboard").size(), 16 + 13);

    TKeyboardModel b;
    b.SetBounds(329, 76);
    b.LoadKeyboardSettings(store);
    QCOMPARE(b.BaseNote(), 40);
    QCOMPARE(int(b.Channel()), 9);
    QCOMPARE(b.Chord(), TChord::chMinor7);
    QCOMPARE(b.KeyWidth(), 18);
    QCOMPARE(b.Language(), TLanguage::German);
    QCOMPARE(b.MarkNote(), 64);
    QCOMPARE(b.ShadowWidth(), 3);
    QCOMPARE(b.VelocityShiftFactor(), 0.6f);
    QCOMPARE(int(b.Velocity()), 90);
    QCOMPARE(int(b.UpDownController()), 7);
    QCOMPARE(int(b.LeftRightController()), 129);
    QCOMPARE(b.KeyOctave(), 3);
    QCOMPARE(b.ImageSize(), TImageSize::isBig);
    QCOMPARE(int(b.LowerCScanCode()), 46);
    QCOMPARE(int(b.UpperCScanCode()), 20);
    QCOMPARE(b.PaintStyle(), TPaintStyle::psDraw);
    QVERIFY(b.VelocityByPosition());
    QCOMPARE(b.VelocityCurve(), (TVelocityCurve{20, 110, -40}));
    QVERIFY(!b.TouchPressure());
    QCOMPARE(b.NoteLabels(), TNoteLabels::nlPressed);
    QVERIFY(b.FlatNames());
    QCOMPARE(b.MiddleCOctave(), 4);
    QVERIFY(b.ComputerKeyLabels());
    QVERIFY(b.KeyNamesOnKeys());
    QCOMPARE(b.Scale(), TScale::scDorian);
    QCOMPARE(b.ScaleRoot(), 9);
    QVERIFY(b.ScaleKeysOnly());
}

void TestKeyboardModel::settingsLoadKeepsWhatIsMissingOrInvalid() {
    TMemoryStore store;
    store.WriteString("Keyboard", "Chord", "42");
    store.WriteString("Keyboard", "Language", "-1");
    store.WriteString("Keyboard", "PaintStyle", "7");
    store.WriteString("Keyboard", "UpDownController", "300");
    store.WriteString("Keyboard", "Velocity", "abc");
    store.WriteString("Keyboard", "UpperCKey", "30");
    store.WriteString("Keyboard", "PaintStyle", "1");
    TKeyboardModel m;
    m.SetChord(TChord::chMajor);
    m.LoadKeyboardSettings(store);
    QCOMPARE(m.Chord(), TChord::chMajor);
    QCOMPARE(m.Language(), TLanguage::International);
    QCOMPARE(int(m.UpDownController()), 1);
    QCOMPARE(int(m.Velocity()), 100);
    QCOMPARE(int(m.UpperCScanCode()), 16);
    QCOMPARE(m.BaseNote(), 28);
    QCOMPARE(m.PaintStyle(), TPaintStyle::psImage); // the last word on the style
    QCOMPARE(m.KeyWidth(), 15);

    // hand-edited values of the expression options
    store.WriteString("Keyboard", "VelocityMin", "0");
    store.WriteString("Keyboard", "VelocityMax", "500");
    store.WriteString("Keyboard", "VelocityCurve", "-1000");
    store.WriteString("Keyboard", "NoteLabels", "9");
    store.WriteString("Keyboard", "MiddleC", "8");
    store.WriteString("Keyboard", "Scale", "13");
    store.WriteString("Keyboard", "ScaleRoot", "12");
    m.LoadKeyboardSettings(store);
    QCOMPARE(m.VelocityCurve(), (TVelocityCurve{1, 127, TVelocityCurve::CurveMin}));
    QCOMPARE(m.NoteLabels(), TNoteLabels::nlNone);
    QCOMPARE(m.MiddleCOctave(), MiddleCOctaveMax);
    QCOMPARE(m.Scale(), TScale::scChromatic);
    QCOMPARE(m.ScaleRoot(), 0);
}

// --- Expression ---------------------------------------------------------------------------------

void TestKeyboardModel::velocityCurve_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("curve");
    QTest::addColumn<double>("depth");
    QTest::addColumn<int>("velocity");
    QTest::newRow("straight, back") << 30 << 127 << 0 << 0.0 << 30;
    QTest::newRow("straight, front") << 30 << 127 << 0 << 1.0 << 127;
    QTest::newRow("straight, middle") << 30 << 127 << 0 << 0.5 << 79;   // 78.5 rounds up
    QTest::newRow("hardest, middle") << 30 << 127 << -100 << 0.5 << 36; // 30 + 97 / 16
    QTest::newRow("softest, middle") << 30 << 127 << 100 << 0.5 << 112; // 30 + 97 x 0.84
    QTest::newRow("behind the back") << 30 << 127 << 0 << -0.5 << 30;
    QTest::newRow("before the front") << 30 << 127 << 0 << 3.0 << 127;
    QTest::newRow("not a number") << 30 << 127 << 0 << std::nan("") << 30;
    QTest::newRow("front softer than back") << 100 << 20 << 0 << 1.0 << 20;
    QTest::newRow("never a release") << 0 << 0 << 0 << 0.5 << 1;
    QTest::newRow("out of range ends") << -20 << 300 << 0 << 1.0 << 127;
}

void TestKeyboardModel::velocityCurve() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, curve);
    QFETCH(double, depth);
    QFETCH(int, velocity);
    QCOMPARE(int(TVelocityCurve{min, max, curve}.Velocity(depth)), velocity);
}

void TestKeyboardModel::velocityCurveRisesFromBackToFront() {
    // Whatever the touch, louder towards the front and the range's ends reached at the edges.
    for (int curve = TVelocityCurve::CurveMin; curve <= TVelocityCurve::CurveMax; curve += 25) {
        const TVelocityCurve c{10, 120, curve};
        int last = 0;
        for (int step = 0; step <= 100; ++step) {
            const int v = c.Velocity(step / 100.0);
            QVERIFY2(v >= last, qPrintable(QStringLiteral("curve %1 at %2").arg(curve).arg(step)));
            last = v;
        }
        QCOMPARE(int(c.Velocity(0.0)), 10);
        QCOMPARE(int(c.Velocity(1.0)), 120);
    }
}

void TestKeyboardModel::strikeVelocity_data() {
    QTest::addColumn<TPaintStyle>("style");
    QTest::addColumn<bool>("byPosition");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("velocity");
    // Keys 76 high; black keys 45 (drawn) or 41 (pictures). The curve: 30..127, straight. White
    // keys count from the black keys' front to their own.
    QTest::newRow("white key, back") << TPaintStyle::psDraw << true << 60 << 0 << false << 30;
    QTest::newRow("white key, level with the black keys")
        << TPaintStyle::psDraw << true << 60 << 45 << false << 30;
    QTest::newRow("white key, middle of its front part")
        << TPaintStyle::psDraw << true << 60 << 60 << false << 79;
    QTest::newRow("white key, front") << TPaintStyle::psDraw << true << 60 << 75 << false << 127;
    QTest::newRow("white key, below it") << TPaintStyle::psDraw << true << 60 << 90 << false << 127;
    QTest::newRow("black key, its own front")
        << TPaintStyle::psDraw << true << 61 << 44 << false << 127;
    QTest::newRow("black picture, its own front")
        << TPaintStyle::psImage << true << 61 << 40 << false << 127;
    QTest::newRow("white picture, middle")
        << TPaintStyle::psImage << true << 60 << 58 << false << 79;
    QTest::newRow("with Shift, times the factor")
        << TPaintStyle::psDraw << true << 60 << 75 << true << 64; // 127 x 0.5 to even
    QTest::newRow("one velocity") << TPaintStyle::psDraw << false << 60 << 0 << false << 100;
    QTest::newRow("one velocity, Shift") << TPaintStyle::psDraw << false << 60 << 75 << true << 50;
}

void TestKeyboardModel::strikeVelocity() {
    QFETCH(TPaintStyle, style);
    QFETCH(bool, byPosition);
    QFETCH(int, note);
    QFETCH(int, y);
    QFETCH(bool, shift);
    QFETCH(int, velocity);
    TKeyboardModel m;
    m.SetBounds(329, 76);
    m.SetPaintStyle(style);
    m.SetVelocityByPosition(byPosition);
    QCOMPARE(int(m.StrikeVelocity(note, y, shift)), velocity);
}

void TestKeyboardModel::velocityLevelSteps_data() {
    QTest::addColumn<int>("velocity");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("next");
    QTest::newRow("up from between") << 100 << 1 << 112;
    QTest::newRow("down from between") << 100 << -1 << 96;
    QTest::newRow("down from a level") << 96 << -1 << 80;
    QTest::newRow("up to the top") << 120 << 1 << 127;
    QTest::newRow("up at the top") << 127 << 1 << 127;
    QTest::newRow("down at the bottom") << 16 << -1 << 16;
    QTest::newRow("down below the bottom") << 5 << -1 << 5;
    QTest::newRow("up from below the bottom") << 5 << 1 << 16;
}

void TestKeyboardModel::velocityLevelSteps() {
    QFETCH(int, velocity);
    QFETCH(int, direction);
    QFETCH(int, next);
    QCOMPARE(TKeyboardModel::StepVelocityLevel(velocity, direction), next);
}

void TestKeyboardModel::namesWithFlatsAndMiddleC_data() {
    QTest::addColumn<TLanguage>("language");
    QTest::addColumn<bool>("flats");
    QTest::addColumn<int>("middleC");
    QTest::addColumn<int>("note");
    QTest::addColumn<QString>("name");
    QTest::newRow("sharp") << TLanguage::International << false << 3 << 61 << "C#3";
    QTest::newRow("flat") << TLanguage::International << true << 3 << 61 << "Db3";
    QTest::newRow("German B flat is B") << TLanguage::German << true << 3 << 70 << "B3";
    QTest::newRow("German B stays H") << TLanguage::German << true << 3 << 71 << "H3";
    QTest::newRow("German E flat") << TLanguage::German << true << 3 << 63 << "Es3";
    QTest::newRow("Italian A flat") << TLanguage::Italian << true << 3 << 68 << "Lab3";
    QTest::newRow("middle C as C4") << TLanguage::International << false << 4 << 60 << "C4";
    QTest::newRow("middle C as C5") << TLanguage::International << false << 5 << 60 << "C5";
    QTest::newRow("lowest with C4") << TLanguage::International << false << 4 << 0 << "C-1";
    QTest::newRow("highest with C5") << TLanguage::International << true << 5 << 127 << "G10";
}

void TestKeyboardModel::namesWithFlatsAndMiddleC() {
    QFETCH(TLanguage, language);
    QFETCH(bool, flats);
    QFETCH(int, middleC);
    QFETCH(int, note);
    QFETCH(QString, name);
    TKeyboardModel m;
    Recorder r(m);
    m.SetLanguage(language);
    m.SetFlatNames(flats);
    m.SetMiddleCOctave(middleC);
    QCOMPARE(m.NoteName(note), name);
    // The base note's name in the status bar follows a change of naming.
    if (flats || middleC != 3)
        QCOMPARE(r.BaseNoteNames.last(), m.NoteName(m.BaseNote()));
}

void TestKeyboardModel::noteLabels_data() {
    QTest::addColumn<TNoteLabels>("labels");
    QTest::addColumn<int>("note");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QString>("label");
    QTest::newRow("none") << TNoteLabels::nlNone << 60 << true << "";
    QTest::newRow("C only, on C") << TNoteLabels::nlC << 48 << false << "C2";
    QTest::newRow("C only, on D") << TNoteLabels::nlC << 50 << false << "";
    QTest::newRow("all, C with its octave") << TNoteLabels::nlAll << 72 << false << "C4";
    QTest::newRow("all, others without") << TNoteLabels::nlAll << 73 << false << "C#";
    QTest::newRow("pressed, not pressed") << TNoteLabels::nlPressed << 62 << false << "";
    QTest::newRow("pressed, pressed") << TNoteLabels::nlPressed << 62 << true << "D3";
}

void TestKeyboardModel::noteLabels() {
    QFETCH(TNoteLabels, labels);
    QFETCH(int, note);
    QFETCH(bool, pressed);
    QFETCH(QString, label);
    TKeyboardModel m;
    m.SetNoteLabels(labels);
    if (pressed)
        m.SendChord(0, note, 100, true);
    QCOMPARE(m.NoteLabel(note), label);
}

void TestKeyboardModel::scaleMembership_data() {
    QTest::addColumn<TScale>("scale");
    QTest::addColumn<int>("root");
    QTest::addColumn<QList<int>>("inside"); // of the octave from note 60
    QTest::newRow("chromatic") << TScale::scChromatic << 5
                               << QList<int>{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71};
    QTest::newRow("D major") << TScale::scMajor << 2 << QList<int>{61, 62, 64, 66, 67, 69, 71};
    QTest::newRow("A minor") << TScale::scMinor << 9 << QList<int>{60, 62, 64, 65, 67, 69, 71};
    QTest::newRow("E phrygian") << TScale::scPhrygian << 4
                                << QList<int>{60, 62, 64, 65, 67, 69, 71};
    QTest::newRow("G mixolydian") << TScale::scMixolydian << 7
                                  << QList<int>{60, 62, 64, 65, 67, 69, 71};
    QTest::newRow("A minor pentatonic")
        << TScale::scMinorPentatonic << 9 << QList<int>{60, 62, 64, 67, 69};
    QTest::newRow("A blues") << TScale::scBlues << 9 << QList<int>{60, 62, 63, 64, 67, 69};
    QTest::newRow("B harmonic minor")
        << TScale::scHarmonicMinor << 11 << QList<int>{61, 62, 64, 66, 67, 70, 71};
}

void TestKeyboardModel::scaleMembership() {
    QFETCH(TScale, scale);
    QFETCH(int, root);
    QFETCH(QList<int>, inside);
    TKeyboardModel m;
    Recorder r(m);
    m.SetScale(scale);
    m.SetScaleRoot(root + 12); // a key note given as any note
    QVERIFY(r.FullRepaints > 0);
    QList<int> in;
    for (int n = 60; n < 72; ++n)
        if (m.InScale(n))
            in << n;
    QCOMPARE(in, inside);
    // the same in every octave
    for (int n : inside)
        QVERIFY(m.InScale(n - 48) && m.InScale(n + 48));
}

void TestKeyboardModel::scaleKeysPlayTheScaleInTurn_data() {
    QTest::addColumn<TScale>("scale");
    QTest::addColumn<int>("root");
    QTest::addColumn<int>("lowerC");
    QTest::addColumn<QList<int>>("scanCodes");
    QTest::addColumn<QList<int>>("notes");
    // Octave 4: the lower row's C key is note 48 without a scale.
    const QList<int> lower{44, 45, 46, 47, 48, 49, 50, 51};
    QTest::newRow("D major, lower row")
        << TScale::scMajor << 2 << 44 << lower << QList<int>{50, 52, 54, 55, 57, 59, 61, 62};
    QTest::newRow("A minor pentatonic, lower row") << TScale::scMinorPentatonic << 9 << 44 << lower
                                                   << QList<int>{57, 60, 62, 64, 67, 69, 72, 74};
    // The upper row starts an octave of the scale higher, at its own C key Q.
    QTest::newRow("D major, upper row")
        << TScale::scMajor << 2 << 44 << QList<int>{16, 17, 27} << QList<int>{62, 64, 81};
    QTest::newRow("blues, upper row: six notes an octave")
        << TScale::scBlues << 0 << 44 << QList<int>{16, 22} << QList<int>{60, 72};
    // A moved C key plays the key note; the keys left of it the notes below.
    QTest::newRow("D major, C key on C")
        << TScale::scMajor << 2 << 46 << QList<int>{44, 45, 46} << QList<int>{47, 49, 50};
    QTest::newRow("black-key rows play nothing")
        << TScale::scMajor << 0 << 44 << QList<int>{31, 32, 3} << QList<int>{-1, -1, -1};
    QTest::newRow("chromatic: the plain map")
        << TScale::scChromatic << 2 << 44 << QList<int>{44, 31, 16} << QList<int>{48, 49, 60};
}

void TestKeyboardModel::scaleKeysPlayTheScaleInTurn() {
    QFETCH(TScale, scale);
    QFETCH(int, root);
    QFETCH(int, lowerC);
    QFETCH(QList<int>, scanCodes);
    QFETCH(QList<int>, notes);
    TKeyboardModel m;
    m.SetLowerCScanCode(lowerC);
    m.SetScale(scale);
    m.SetScaleRoot(root);
    QList<int> plain;
    for (int scan : scanCodes)
        plain << m.ScanCodeNote(scan);
    m.SetScaleKeysOnly(true);
    QList<int> played;
    for (int scan : scanCodes)
        played << m.ScanCodeNote(scan);
    QCOMPARE(played, notes);
    // Off again, the keys play as they always did.
    m.SetScaleKeysOnly(false);
    QList<int> again;
    for (int scan : scanCodes)
        again << m.ScanCodeNote(scan);
    QCOMPARE(again, plain);
}

void TestKeyboardModel::computerKeysOfANote_data() {
    QTest::addColumn<bool>("scaleKeys");
    QTest::addColumn<int>("note");
    QTest::addColumn<QList<int>>("keys");
    QTest::newRow("Z plays C2") << false << 48 << QList<int>{44};
    QTest::newRow("S plays C#2") << false << 49 << QList<int>{31};
    QTest::newRow("both rows play C3, the lower first") << false << 60 << QList<int>{51, 16};
    QTest::newRow("no key below the rows") << false << 47 << QList<int>{};
    QTest::newRow("scale keys: M plays C#3") << true << 61 << QList<int>{50};
    QTest::newRow("scale keys: no key for a note outside") << true << 63 << QList<int>{};
}

void TestKeyboardModel::computerKeysOfANote() {
    QFETCH(bool, scaleKeys);
    QFETCH(int, note);
    QFETCH(QList<int>, keys);
    TKeyboardModel m;
    m.SetScale(TScale::scMajor);
    m.SetScaleRoot(2);
    m.SetScaleKeysOnly(scaleKeys);
    const std::vector<int> got = m.ComputerKeysOf(note);
    QCOMPARE(QList<int>(got.begin(), got.end()), keys);
}

void TestKeyboardModel::sustainHoldsKeysLetGoUntilLifted() {
    TKeyboardModel m;
    Recorder r(m);
    m.SendChord(0, 55, 100, true);
    m.SendChord(0, 55, 0, true); // let go before the pedal: not held
    m.SendChord(0, 60, 100, true);
    m.SetControllerValue(TKeyboardModel::SustainPedal, 127);
    QVERIFY(m.PedalDown(TKeyboardModel::SustainPedal));
    m.SendChord(0, 60, 0, true);
    m.SendChord(0, 62, 100, true);
    m.SendChord(0, 62, 0, true);
    m.ShowNote(64, 100); // from the input: held the same way
    m.ShowNote(64, 0);
    QCOMPARE(
        (QList<bool>{m.IsSustained(55), m.IsSustained(60), m.IsSustained(62), m.IsSustained(64)}),
        (QList<bool>{false, true, true, true}));
    QVERIFY(!m.IsPressed(60));
    // Pressed again it is pressed, not held; let go it is held again.
    m.SendChord(0, 60, 100, true);
    QVERIFY(!m.IsSustained(60));
    m.SendChord(0, 60, 0, true);
    QVERIFY(m.IsSustained(60));
    r.Clear();
    m.SetControllerValue(TKeyboardModel::SustainPedal, 63); // below half is up
    for (int n : {60, 62, 64})
        QVERIFY(!m.IsSustained(n));
    QList<int> repainted(r.Repainted.begin(), r.Repainted.end());
    std::sort(repainted.begin(), repainted.end());
    QCOMPARE(repainted, (QList<int>{60, 62, 64}));
}

void TestKeyboardModel::sostenutoHoldsOnlyKeysDownWhenPressed() {
    TKeyboardModel m;
    m.SendChord(0, 60, 100, true);
    m.SetControllerValue(TKeyboardModel::SostenutoPedal, 127);
    m.SendChord(0, 64, 100, true);
    m.SendChord(0, 60, 0, true);
    m.SendChord(0, 64, 0, true);
    QVERIFY(m.IsSustained(60));
    QVERIFY(!m.IsSustained(64));
    m.SetControllerValue(TKeyboardModel::SostenutoPedal, 0);
    QVERIFY(!m.IsSustained(60));
    // The soft pedal holds nothing.
    m.SendChord(0, 60, 100, true);
    m.SetControllerValue(TKeyboardModel::SoftPedal, 127);
    m.SendChord(0, 60, 0, true);
    QVERIFY(m.PedalDown(TKeyboardModel::SoftPedal));
    QVERIFY(!m.IsSustained(60));
}

void TestKeyboardModel::pedalSentOnTheChannel() {
    TKeyboardModel m;
    Recorder r(m);
    m.SetChannel(3);
    m.SendPedal(TKeyboardModel::SustainPedal, true);
    m.SendPedal(TKeyboardModel::SoftPedal, true);
    m.SendPedal(TKeyboardModel::SustainPedal, false);
    m.SendPedal(7, true); // no pedal
    QCOMPARE(QList<Msg>(r.Notes.begin(), r.Notes.end()),
             (QList<Msg>{{0xB3, 64, 127}, {0xB3, 67, 127}, {0xB3, 64, 0}}));
    QVERIFY(!m.PedalDown(TKeyboardModel::SustainPedal));
    QVERIFY(m.PedalDown(TKeyboardModel::SoftPedal));
}

void TestKeyboardModel::fingersPlayGlideAndEndOnce() {
    TKeyboardModel m;
    Recorder r(m);
    m.TouchDown(1, 60, 90);
    m.TouchDown(2, 64, 80);
    m.TouchDown(1, 62, 70); // finger 1 slides on
    QCOMPARE(m.TouchUp(2), 64);
    QCOMPARE(m.TouchUp(2), -1);
    QCOMPARE(
        QList<Msg>(r.Notes.begin(), r.Notes.end()),
        (QList<Msg>{{0x90, 60, 90}, {0x90, 64, 80}, {0x90, 60, 0}, {0x90, 62, 70}, {0x90, 64, 0}}));
    r.Clear();
    // A chord change ends what the finger holds; its lift must not end it again.
    m.SetChord(TChord::chOctave);
    QCOMPARE(m.TouchUp(1), -1);
    QCOMPARE(QList<Msg>(r.Notes.begin(), r.Notes.end()), (QList<Msg>{{0x90, 62, 0}}));
    QVERIFY(PressedKeys(m).isEmpty());
}

void TestKeyboardModel::fingerPressureFollowsChordAndTranspose() {
    TKeyboardModel m;
    Recorder r(m);
    m.SetChannel(1);
    m.SetChord(TChord::chMajor);
    m.SetTranspose(2);
    m.TouchDown(7, 60, 100);
    r.Clear();
    m.TouchPressure(7, 50);
    m.TouchPressure(8, 50); // no such finger
    QCOMPARE(QList<Msg>(r.Notes.begin(), r.Notes.end()),
             (QList<Msg>{{0xA1, 62, 50}, {0xA1, 66, 50}, {0xA1, 69, 50}}));
}

QTEST_GUILESS_MAIN(TestKeyboardModel)
#include "tst_keyboardmodel.moc"
