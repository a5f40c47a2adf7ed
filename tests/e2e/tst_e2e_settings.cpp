// The real program and its settings file: what was set survives the program being killed, and
// two programs on one settings file (two keyboards for two synthesizers) keep each other's
// chords, knob presets and settings. Real keys and clicks under Xvfb; every wait is bounded.

#include "core/keyboardmodel.h"
#include "e2erig.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

namespace {

// Where the chord editor's controls sit in its window (as tst_e2e_chords has them).
constexpr QPoint EditorKeyboard(8, 250);
constexpr int EditorKeyboardWidth = 593;
constexpr int EditorKeyboardHeight = TKeyboardModel::ImageHeight;
constexpr int ButtonsY = 341 + 12;
constexpr int NewX = 8 + 37;
constexpr int EditX = 176 + 37;
constexpr int OkX = 365 + 37;
// The knob preset editor's New button, in its window.
constexpr QPoint NewPresetButton(323, 119);

QByteArray Knob(const char *Caption, int Controller) {
    return QByteArray("Caption1=") + Caption + "\nIUser1=" + QByteArray::number(Controller) +
           "\nDisplayMode1=0\nDefaultValue1=64\n";
}

} // namespace

class TestE2eSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void killedProgramKeepsOctaveChordAndPreset();
    void twoProgramsKeepEachOthersChordsAndPresets();

private:
    // Waits until the settings file holds every text of Wanted; false after TimeoutMs.
    bool StoreHolds(const QStringList &Wanted, int TimeoutMs);
    // A chord of the notes (60 and more) named Name, made in the chord editor and kept by OK.
    bool DefineChord(TE2eProgram &P, const QString &Name, const QList<int> &Notes);
    // A knob preset named Name, made with New in the knob preset editor, which then closes.
    bool DefinePreset(TE2eProgram &P, const QString &Name);

    TE2eRig FRig;
};

void TestE2eSettings::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("settings")), qPrintable(FRig.ErrorText()));
}

bool TestE2eSettings::StoreHolds(const QStringList &Wanted, int TimeoutMs) {
    QDeadlineTimer deadline(TimeoutMs);
    for (;;) {
        const QString store = FRig.StoreText();
        if (std::all_of(Wanted.cbegin(), Wanted.cend(),
                        [&store](const QString &w) { return store.contains(w); }))
            return true;
        if (deadline.hasExpired()) {
            qWarning("the settings file holds:\n%s", qPrintable(store));
            return false;
        }
        QThread::msleep(100);
    }
}

bool TestE2eSettings::DefineChord(TE2eProgram &P, const QString &Name, const QList<int> &Notes) {
    if (!P.Focus() || !FRig.Keys({QStringLiteral("ctrl+e")}))
        return false;
    const QString editor = P.WaitForWindow(QStringLiteral("^Chord Editor$"));
    if (editor.isEmpty())
        return false;
    QThread::msleep(300);
    const auto click = [&](int X, int Y) {
        const bool ok = P.Click(X, Y, editor);
        QThread::msleep(150);
        return ok;
    };
    if (!click(NewX, ButtonsY) || !FRig.Keys({QStringLiteral("ctrl+a")}) ||
        !FRig.Xdo({QStringLiteral("type"), Name}) || !FRig.Keys({QStringLiteral("Return")}))
        return false;
    QThread::msleep(200);
    if (!click(EditX, ButtonsY))
        return false;
    // The editor's keyboard: drawn as the main one (small pictures), from C1 on.
    TKeyboardModel geometry;
    geometry.SetImageSize(TImageSize::isSmall);
    geometry.SetPaintStyle(TPaintStyle::psImage);
    geometry.SetBounds(EditorKeyboardWidth, EditorKeyboardHeight);
    geometry.SetBaseNote(24);
    for (int note : Notes) {
        const int x = geometry.KeyLeft(note) - geometry.ScrollOffset() +
                      geometry.KeyPixelWidth(note) / 2 + EditorKeyboard.x();
        if (!click(x, EditorKeyboard.y() + EditorKeyboardHeight - 4))
            return false;
    }
    if (!click(OkX, ButtonsY))
        return false;
    QDeadlineTimer deadline(5000);
    while (!P.Windows(QStringLiteral("^Chord Editor$")).isEmpty() && !deadline.hasExpired())
        QThread::msleep(50);
    return P.Windows(QStringLiteral("^Chord Editor$")).isEmpty();
}

bool TestE2eSettings::DefinePreset(TE2eProgram &P, const QString &Name) {
    const QString title = QStringLiteral("^Knob Preset Editor$");
    if (!P.Menu(QStringLiteral("k"), {QStringLiteral("u")}))
        return false;
    const QString editor = P.WaitForWindow(title);
    if (editor.isEmpty() || !P.Focus(editor))
        return false;
    QThread::msleep(300);
    // The New button of the presets row.
    if (!P.Click(NewPresetButton.x(), NewPresetButton.y(), editor))
        return false;
    const QString ask = P.WaitForWindow(QStringLiteral("^Enter New Preset$"));
    if (ask.isEmpty() || !P.Focus(ask) || !FRig.Keys({QStringLiteral("ctrl+a")}) ||
        !FRig.Xdo({QStringLiteral("type"), Name}) || !FRig.Keys({QStringLiteral("Return")}))
        return false;
    QThread::msleep(300);
    if (!P.Focus(editor) || !FRig.Keys({QStringLiteral("Escape")}))
        return false;
    QDeadlineTimer deadline(5000);
    while (!P.Windows(title).isEmpty() && !deadline.hasExpired())
        QThread::msleep(50);
    return P.Windows(title).isEmpty();
}

// Settings were written only when the window closed: a crash or a killed session lost
// everything set since the start.
void TestE2eSettings::killedProgramKeepsOctaveChordAndPreset() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=(none)\n[KeyboardForm]\nKnob Preset=Default\n"
                     "[KnobPresets\\Organ]\n" +
                     Knob("Drawbar", 20) + "[KnobPresets\\Piano]\n" + Knob("Lid", 21));
    {
        TE2eProgram p(FRig);
        QVERIFY(p.Start());
        // Octave up, the chord box's next chord (Major), the preset Piano from Knobs > Presets
        // (after Default and Organ).
        QVERIFY(FRig.Keys({QStringLiteral("F4"), QStringLiteral("End")}));
        QVERIFY(p.Menu(QStringLiteral("k"), {QStringLiteral("p"), QStringLiteral("Down"),
                                             QStringLiteral("Down"), QStringLiteral("Return")}));
        const QStringList wanted{QStringLiteral("KeyOctave=5"), QStringLiteral("Chord=1"),
                                 QStringLiteral("Knob Preset=Piano")};
        QVERIFY(StoreHolds(wanted, 5000));
        p.Process().kill(); // SIGKILL: nothing of the program's own runs any more
        QVERIFY(p.Process().waitForFinished(5000));
        QVERIFY(StoreHolds(wanted, 0));
    }
    // Started again: the file reads as it was left, no damage reported, and the values stay.
    TE2eProgram again(FRig);
    QVERIFY(again.Start());
    QThread::msleep(500);
    QCOMPARE(again.OwnWindows().size(), 1); // no notice box about the settings file
    QVERIFY(again.Quit());
    QVERIFY(StoreHolds({QStringLiteral("KeyOctave=5"), QStringLiteral("Chord=1"),
                        QStringLiteral("Knob Preset=Piano")},
                       0));
}

// Whichever program saved last erased the chords the other had added, and wrote back its own
// values for everything, the other's changes included.
void TestE2eSettings::twoProgramsKeepEachOthersChordsAndPresets() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=(none)\n");
    TE2eProgram one(FRig);
    QVERIFY(one.Start());
    TE2eProgram two(FRig);
    QVERIFY(two.Start({one.Window()}));

    QVERIFY(DefineChord(one, QStringLiteral("Alpha"), {60, 64}));
    QVERIFY(DefineChord(two, QStringLiteral("Beta"), {60, 67}));
    QVERIFY(DefinePreset(one, QStringLiteral("Aaa")));
    QVERIFY(DefinePreset(two, QStringLiteral("Bbb")));
    // One window changes the octave, the other the chord box.
    QVERIFY(one.Focus() && FRig.Keys({QStringLiteral("F4")}));
    QVERIFY(two.Focus() && FRig.Keys({QStringLiteral("End")}));
    QVERIFY(one.Quit());
    QVERIFY(two.Quit());

    const QString store = FRig.StoreText();
    for (const char *wanted : {"=Alpha", "=3C04", "=Beta", "=3C07", "[KnobPresets\\Aaa]",
                               "[KnobPresets\\Bbb]", "KeyOctave=5", "Chord=1"})
        QVERIFY2(store.contains(QLatin1String(wanted)), qPrintable(wanted + ("\n" + store)));
}

QTEST_GUILESS_MAIN(TestE2eSettings)
#include "tst_e2e_settings.moc"
