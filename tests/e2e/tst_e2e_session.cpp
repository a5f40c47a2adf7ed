// An evening of playing the real program with a synthesizer, a patch set and knobs, as a
// musician meets it: the window's playing keys after a click on a knob, a program number typed
// in, what a synthesizer that opens (or opens again) is told, knob values through the knob setup
// and a restart, program changes arriving from MIDI, the keyboard following the notes, a long
// message, the transpose window, Help > Readme. What the program sends is read at JACK peers.

#include "e2erig.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

QString Msg(int Status, int Data1, int Data2) {
    return TE2eRig::Hex({uint8_t(Status), uint8_t(Data1), uint8_t(Data2)});
}

QString Msg(int Status, int Data1) {
    return TE2eRig::Hex({uint8_t(Status), uint8_t(Data1)});
}

// Client coordinates (below the menu bar) of the window's controls.
constexpr int KnobX = 283;   // the first knob's wheel, right of the patch box
constexpr int ProgramX = 77; // the program field
constexpr int ProgramY = 70; // ... and the channel, MSB and LSB fields
constexpr int ClientHeight = 211;

// A synthesizer's patch set: a normal mode, and drum kits on MIDI channel 10.
const QByteArray Script = "[cubase parse file]\n[parser version 0001]\n[device name] Synth\n"
                          "[define patchnames]\n[mode] Normal\n[g1] Sounds\n"
                          "[p2, 10, -1] Alpha\n[p2, 11, -1] Beta\n[p2, 12, -1] Gamma\n"
                          "[p2, 13, -1] Delta\n[p2, 14, -1] Epsilon\n"
                          "[mode 10] Drums\n[g1] Kits\n[p2, 0, 120, 0] Standard Kit\n"
                          "[p2, 5, 120, 0] Studio Kit\n[end]\n";

const QString PeerOut = QStringLiteral("ondrel-e2e-peer:out");

} // namespace

class TestE2eSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void clickedKnobLeavesThePlayingKeysToTheWindow();
    void typedProgramNumberPlaysNoNote();
    void openingOutputIsToldWhatTheWindowShows();
    void knobValuesKeptThroughSetupAndRestart();
    void incomingProgramChangeMovesThePatchBox();
    void keyboardFollowsNotesPlayedOutOfSight();
    void longMessageLeavesTheWindowAsItIs();
    void transposeWindowBesideAndEscapeCloses();
    void readmeShownInAWindowOfItsOwn();

private:
    // The patch script written into the fresh folder; its path.
    QString WriteScript();
    // The height of the program's menu bar: the window's height above its designed client.
    int MenuHeight(TE2eProgram &P);
    // Clicks down the knob column until the knob sends; the knob's y, 0 when none did.
    int ClickKnob(TE2eProgram &P);
    QStringList Take(int Count);

    TE2eRig FRig;
};

void TestE2eSession::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("session")), qPrintable(FRig.ErrorText()));
}

QString TestE2eSession::WriteScript() {
    const QString file = FRig.Folder() + QStringLiteral("/synth.txt");
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(Script);
    return file;
}

int TestE2eSession::MenuHeight(TE2eProgram &P) {
    QString text;
    FRig.Xdo({QStringLiteral("getwindowgeometry"), P.Window()}, &text);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(text);
    return m.hasMatch() ? m.captured(2).toInt() - ClientHeight : 0;
}

int TestE2eSession::ClickKnob(TE2eProgram &P) {
    FRig.Peer().ClearReceived();
    const int menu = MenuHeight(P);
    for (int y = menu + 20; y <= menu + 44; y += 4) {
        P.Click(KnobX, y);
        if (FRig.Peer().WaitForReceived(1, 300)) {
            QThread::msleep(200);
            FRig.Peer().ClearReceived();
            return y;
        }
    }
    return 0;
}

QStringList TestE2eSession::Take(int Count) {
    const QStringList got = FRig.Received(Count);
    FRig.Peer().ClearReceived();
    return got;
}

void TestE2eSession::clickedKnobLeavesThePlayingKeysToTheWindow() {
    // After a click on Volume, Home sent volume 0, End volume 127, and each Page Down lowered
    // the volume by 10 besides stepping the patch.
    FRig.FreshConfig();
    FRig.WriteStore("[MidiDevices]\nMidiOut=Ondrel\n[KeyboardForm]\nPatchScript=" +
                    WriteScript().toUtf8() + "\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    QVERIFY2(ClickKnob(p) > 0, "no click on the knob column sent a control change");
    QVERIFY(FRig.Keys({QStringLiteral("Next"), QStringLiteral("Next"), QStringLiteral("End"),
                       QStringLiteral("Home")}));
    // Two patches stepped (Alpha, Beta), nothing else.
    QCOMPARE(Take(2), (QStringList{Msg(0xC0, 10), Msg(0xC0, 11)}));
    QVERIFY(p.Quit());
}

void TestE2eSession::typedProgramNumberPlaysNoNote() {
    // Typing "12" into the program field sent C#3 before the program change. The settings file
    // also holds a channel out of range: it played on channel 13 instead of the default.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n[Keyboard]\nChannel=44\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    QVERIFY(p.Click(ProgramX, MenuHeight(p) + ProgramY));
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+a"), QStringLiteral("1"), QStringLiteral("2"),
                       QStringLiteral("Return")}));
    QCOMPARE(Take(1), QStringList{Msg(0xC0, 11)});
    // Letters are no number: they go on playing, on the first channel.
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QCOMPARE(Take(2), (QStringList{Msg(0x90, 48, 100), Msg(0x90, 48, 0)}));
    QVERIFY(p.Quit());
}

void TestE2eSession::openingOutputIsToldWhatTheWindowShows() {
    // The synthesizer played program 1 while the window showed Studio Kit, MSB 120, program 6:
    // nothing was sent when its port opened, at start-up or again after it came back. The kit's
    // mode has channel 10, which was parsed and then ignored.
    FRig.FreshConfig();
    const QString script = WriteScript();
    auto synth = std::make_unique<TJackPeer>(QStringLiteral("synth"));
    QVERIFY(synth->IsValid());
    FRig.WriteStore("[MidiDevices]\nMidiOut=synth:in\n[KeyboardForm]\nPatchScript=" +
                    script.toUtf8() + "\nPatch=Drums\\Kits\\Studio Kit\nKnob Values=0750\n");
    const QStringList told{Msg(0xB9, 0, 120), Msg(0xB9, 32, 0), Msg(0xC9, 5), Msg(0xB9, 7, 0x50)};
    const auto received = [&synth](size_t Count) {
        synth->WaitForReceived(Count, 5000);
        QThread::msleep(300);
        QStringList out;
        for (const TBytes &m : synth->Received())
            out << TE2eRig::Hex(m);
        synth->ClearReceived();
        return out;
    };
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QCOMPARE(received(4), told);
    // Played on the kit's channel.
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QCOMPARE(received(2), (QStringList{Msg(0x99, 48, 100), Msg(0x99, 48, 0)}));

    // The synthesizer restarts: its port goes and comes back.
    synth.reset();
    QTRY_VERIFY2_WITH_TIMEOUT(p.ErrorOutput().contains(QStringLiteral("went away")),
                              qPrintable(p.ErrorOutput()), 5000);
    synth = std::make_unique<TJackPeer>(QStringLiteral("synth"));
    QVERIFY(synth->IsValid());
    QCOMPARE(received(4), told);
    QVERIFY(p.Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("Knob Values=0750")),
             qPrintable(FRig.StoreText()));
}

void TestE2eSession::knobValuesKeptThroughSetupAndRestart() {
    // Knob Setup > Apply put every knob back to its default without sending it, and the values
    // were lost at a restart: the next turn made the sound jump. Turned with the mouse wheel
    // over the knob (it moved the modulation instead).
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    const int knobY = ClickKnob(p);
    QVERIFY2(knobY > 0, "no click on the knob column sent a control change");
    const auto wheel = [&](const char *Button) {
        return FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), p.Window(),
                         QString::number(KnobX), QString::number(knobY), QStringLiteral("click"),
                         QLatin1String(Button)});
    };
    QVERIFY(wheel("5")); // down a step of 10: 100 to 90
    QCOMPARE(Take(1), QStringList{Msg(0xB0, 7, 90)});

    QVERIFY(p.Menu(QStringLiteral("k"), {QStringLiteral("u")}));
    const QString editor = p.WaitForWindow(QStringLiteral("^Knob Preset Editor"));
    QVERIFY2(!editor.isEmpty(), "Knobs > Set up opened no editor");
    QVERIFY(p.Focus(editor));
    QVERIFY(FRig.Keys({QStringLiteral("alt+a"), QStringLiteral("Escape")}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Knob Preset Editor")).isEmpty(), 5000);
    QVERIFY(p.Focus());
    QVERIFY(wheel("4")); // up from where it was
    QCOMPARE(Take(1), QStringList{Msg(0xB0, 7, 100)});
    QVERIFY(wheel("5"));
    QCOMPARE(Take(1), QStringList{Msg(0xB0, 7, 90)});
    QVERIFY(p.Quit());

    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    QVERIFY(wheel("5"));
    QCOMPARE(Take(1), QStringList{Msg(0xB0, 7, 80)});
    QVERIFY(p.Quit());
}

void TestE2eSession::incomingProgramChangeMovesThePatchBox() {
    // A program change from MIDI left the patch box on the patch before: Page Down then went on
    // from there instead of from the patch that sounds.
    FRig.FreshConfig();
    FRig.WriteStore("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=" + PeerOut.toUtf8() +
                    "\n[KeyboardForm]\nPatchScript=" + WriteScript().toUtf8() + "\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    QTRY_VERIFY_WITH_TIMEOUT(FRig.Peer().Connections(PeerOut).contains(QStringLiteral("Ondrel:in")),
                             5000);
    FRig.Peer().Send({{0xC0, 12}}); // Gamma
    QThread::msleep(500);
    QVERIFY(FRig.Keys({QStringLiteral("Next")}));
    QCOMPARE(Take(1), QStringList{Msg(0xC0, 13)}); // Delta
    // One the set does not name: "(none)", and Page Down starts at the first patch.
    FRig.Peer().Send({{0xC0, 90}});
    QThread::msleep(500);
    QVERIFY(FRig.Keys({QStringLiteral("Next")}));
    QCOMPARE(Take(1), QStringList{Msg(0xC0, 10)}); // Alpha
    QVERIFY(p.Quit());
}

void TestE2eSession::keyboardFollowsNotesPlayedOutOfSight() {
    // At octave 8 the computer keys played notes the keyboard did not show.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n[Keyboard]\nKeyOctave=8\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    const int keysY = p.FindKeyboardY(); // plays C1 at the left end
    QVERIFY(keysY > 0);
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QCOMPARE(Take(2), (QStringList{Msg(0x90, 96, 100), Msg(0x90, 96, 0)}));
    // The left end now shows one of the octaves below C6, no longer C1: C6 is in sight.
    QVERIFY(p.Click(87, keysY));
    const QStringList clicked = Take(2);
    QCOMPARE(clicked.size(), 2);
    const int note = clicked[0].split(QLatin1Char(' ')).value(1).toInt(nullptr, 16);
    QVERIFY2(note > 36 && note <= 96 && 96 - note < 48, qPrintable(clicked.join(QLatin1Char(','))));
    QVERIFY(p.Quit());
}

void TestE2eSession::longMessageLeavesTheWindowAsItIs() {
    // A long status message grew the window by lines and hid the Base and Octave panels.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=a-synthesizer-with-a-rather-long-name:midi_in\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QTRY_VERIFY_WITH_TIMEOUT(p.ErrorOutput().contains(QStringLiteral("a-synthesizer")), 5000);
    QThread::msleep(300);
    const int menu = MenuHeight(p);
    QVERIFY2(menu > 0 && menu < 40, qPrintable(QString::number(menu)));
    // The whole text is in the list of messages.
    QVERIFY(p.Menu(QStringLiteral("h"), {QStringLiteral("m")}));
    QVERIFY(!p.WaitForWindow(QStringLiteral("^Messages")).isEmpty());
    QVERIFY(p.Quit());
}

void TestE2eSession::transposeWindowBesideAndEscapeCloses() {
    // Esc did nothing while the number field had the focus.
    FRig.FreshConfig();
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+t")}));
    const QString transpose = p.WaitForWindow(QStringLiteral("^Transpose"));
    QVERIFY2(!transpose.isEmpty(), "the transpose window did not appear");
    QVERIFY(p.Focus(transpose));
    QVERIFY(FRig.Keys({QStringLiteral("Escape")}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Transpose")).isEmpty(), 5000);
    QVERIFY(p.Quit());
}

void TestE2eSession::readmeShownInAWindowOfItsOwn() {
    // Without a program to open text files it said only "Error showing Readme.txt.".
    FRig.FreshConfig();
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.Menu(QStringLiteral("h"), {QStringLiteral("r")}));
    QVERIFY2(!p.WaitForWindow(QStringLiteral("^Readme")).isEmpty(), "no Readme window");
    QVERIFY(p.Quit());
}

QTEST_GUILESS_MAIN(TestE2eSession)
#include "tst_e2e_session.moc"
