// The real program under Xvfb: a chord defined in the chord editor with real clicks and keys,
// chosen in the chord box, and played by one click on the main keyboard; its notes are read
// from a JACK server of the test's own. Every wait is bounded.

#include "core/keyboardmodel.h"
#include "e2erig.h"

#include <QTest>
#include <QThread>

namespace {

// Where the chord editor's controls sit in its window.
constexpr QPoint EditorKeyboard(8, 250);
constexpr int EditorKeyboardWidth = 593;
constexpr int EditorKeyboardHeight = TKeyboardModel::ImageHeight;
constexpr int ButtonsY = 341 + 12;
constexpr int NewX = 8 + 37;
constexpr int EditX = 176 + 37;
constexpr int OkX = 365 + 37;

} // namespace

class TestE2eChords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void defineChooseAndPlay();

private:
    TE2eRig FRig;
};

void TestE2eChords::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("chords")), qPrintable(FRig.ErrorText()));
}

void TestE2eChords::defineChooseAndPlay() {
    // Output to Ondrel's own port, so the notes can be read from it.
    // The mouse plays at one velocity here, so that each note's bytes are known.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n[Keyboard]\nVelocityByPosition=0\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    // The main keyboard's first key is C1 (36).
    const int keysY = p.FindKeyboardY();
    QVERIFY2(keysY > 0, "no click on the keyboard played a note");

    // Options > Chord Editor by its shortcut.
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+e")}));
    const QString editor = p.WaitForWindow(QStringLiteral("^Chord Editor$"));
    QVERIFY2(!editor.isEmpty(), "Ctrl+E opened no chord editor");
    QThread::msleep(300);
    const auto click = [&](int X, int Y) {
        const bool ok = p.Click(X, Y, editor);
        QThread::msleep(150);
        return ok;
    };
    QVERIFY(click(NewX, ButtonsY));
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+a")}));
    QVERIFY(FRig.Xdo({QStringLiteral("type"), QStringLiteral("Sus2")}));
    QVERIFY(FRig.Keys({QStringLiteral("Return")}));
    QThread::msleep(200);
    QVERIFY(click(EditX, ButtonsY));

    // The editor's keyboard: drawn as the main one (small pictures), from C1 on.
    TKeyboardModel geometry;
    geometry.SetImageSize(TImageSize::isSmall);
    geometry.SetPaintStyle(TPaintStyle::psImage);
    geometry.SetBounds(EditorKeyboardWidth, EditorKeyboardHeight);
    geometry.SetBaseNote(24);
    for (int note : {60, 62, 67}) {
        const int x = geometry.KeyLeft(note) - geometry.ScrollOffset() +
                      geometry.KeyPixelWidth(note) / 2 + EditorKeyboard.x();
        QVERIFY(click(x, EditorKeyboard.y() + EditorKeyboardHeight - 4));
    }
    QVERIFY(click(OkX, ButtonsY));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Chord Editor$")).isEmpty(), 5000);
    QVERIFY(p.Running());

    // Home steps back from "None" to the last entry of the chord box: the new chord.
    QVERIFY(p.Focus());
    QVERIFY(FRig.Keys({QStringLiteral("Home")}));
    QThread::msleep(200);
    FRig.Peer().ClearReceived();
    QVERIFY(p.Click(87, keysY));
    QCOMPARE(FRig.Received(6),
             (QStringList{"90 24 64", "90 26 64", "90 2b 64", "90 24 00", "90 26 00", "90 2b 00"}));

    const QString store = FRig.StoreText();
    QVERIFY2(store.contains(QStringLiteral("Name1=Sus2")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("Chord1=3C0207")), qPrintable(store));
}

QTEST_GUILESS_MAIN(TestE2eChords)
#include "tst_e2e_chords.moc"
