// The device menus of the real program as a new user on JACK meets them: what the menus offer
// (never the program's own ports, also what started after it), a chosen device that is not there
// yet, the JACK server restarting under both devices, and no MIDI service at all. What the menus
// hold is read through the program: an entry is chosen with the keyboard, and the JACK
// connections it made are looked at.

#include "e2erig.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

const QString PeerIn = QStringLiteral("ondrel-e2e-peer:in");
const QString PeerOut = QStringLiteral("ondrel-e2e-peer:out");
const QString OwnIn = QStringLiteral("Ondrel:in");

QStringList Note(int Key) {
    return {TE2eRig::Hex({0x90, uint8_t(Key), 100}), TE2eRig::Hex({0x90, uint8_t(Key), 0})};
}

// The menu keys that choose the entry Steps below "none" (the first entry, active when the
// menu opens from the keyboard). Escapes close what a step onto a submenu opened.
QStringList Entry(int Steps) {
    QStringList keys;
    for (int i = 0; i < Steps; ++i)
        keys << QStringLiteral("Down");
    return keys << QStringLiteral("Return") << QStringLiteral("Escape") << QStringLiteral("Escape");
}

} // namespace

class TestE2ePorts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void ownPortsAreNeverOffered();
    void programStartedLaterIsOffered();
    void missingDevicesAreKeptAndOpenWhenTheyAppear();
    void devicesThatGoAwayOpenWhenTheyComeBack();
    void serverRestartReopensOutputAndInput();
    void withoutServiceMidiMapperIsOfferedAndSwitchingSaysWhy();

private:
    // What our input port receives from and our output port sends to, as JACK connects them.
    QStringList InputSources() { return FRig.Peer().Connections(OwnIn); }
    TE2eRig FRig;
};

void TestE2ePorts::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("ports")), qPrintable(FRig.ErrorText()));
}

void TestE2ePorts::ownPortsAreNeverOffered() {
    // After a restart of the JACK server Midi In offered the program's own output; chosen with
    // Midi Thru on, every note went round for ever, hundreds of thousands of messages a second.
    FRig.FreshConfig(
        ("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=" + PeerOut + "\n[KeyboardForm]\nMidi Thru=1\n")
            .toUtf8());
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    QTRY_COMPARE(InputSources(), QStringList{PeerOut});
    FRig.StopJack();
    QTRY_VERIFY_WITH_TIMEOUT(p.ErrorOutput().contains(QStringLiteral("open again")), 10000);
    QVERIFY2(FRig.StartJack(), qPrintable(FRig.ErrorText()));
    QVERIFY(p.ConnectOutput());

    QStringList offered;
    for (int steps = 1; steps <= 3; ++steps) {
        QVERIFY(p.Menu(QStringLiteral("i"), Entry(steps)));
        QThread::msleep(200);
        offered << InputSources();
    }
    offered.removeDuplicates();
    QCOMPARE(offered, QStringList{PeerOut});

    // Midi Out, while the input port is there: its entries after the peer's.
    QVERIFY(p.Menu(QStringLiteral("i"), Entry(1)));
    QTRY_COMPARE(InputSources(), QStringList{PeerOut});
    for (int steps = 3; steps <= 5; ++steps) {
        QVERIFY(p.Menu(QStringLiteral("u"), Entry(steps)));
        QThread::msleep(200);
        QCOMPARE(InputSources(), QStringList{PeerOut});
    }
    QVERIFY(p.Menu(QStringLiteral("u"), Entry(2))); // back to the own port "Ondrel"
    QVERIFY(p.ConnectOutput());
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QCOMPARE(FRig.Received(2), Note(0x30));
    QVERIFY(p.Quit());
}

void TestE2ePorts::programStartedLaterIsOffered() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=(none)\nMidiIn=(none)\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    TJackPeer late(QStringLiteral("Late Synth"));
    QVERIFY(late.IsValid());
    // JACK's clients see a new port from the server's next cycle on; a user is never quicker.
    QVERIFY(late.WaitCycles());
    // Midi Out: none, Midi-Mapper, Ondrel, the rig's peer, then the synth started last.
    QVERIFY(p.Menu(QStringLiteral("u"), Entry(4)));
    QTRY_COMPARE(late.Connections(QStringLiteral("Late Synth:in")).size(), 1);
    QVERIFY(late.WaitCycles());
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QVERIFY(late.WaitForReceived(2));
    QVERIFY(p.Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("MidiOut=Late Synth:in")),
             qPrintable(FRig.StoreText()));
}

void TestE2ePorts::missingDevicesAreKeptAndOpenWhenTheyAppear() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Late Synth:in\nMidiIn=Late Synth:out\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    for (const QString &said : {QStringLiteral("Midi Out \"Late Synth:in\" is not there"),
                                QStringLiteral("Midi In \"Late Synth:out\" is not there")})
        QTRY_VERIFY2_WITH_TIMEOUT(p.ErrorOutput().contains(said), qPrintable(p.ErrorOutput()),
                                  5000);
    QVERIFY(p.Quit());
    for (const QString &kept :
         {QStringLiteral("MidiOut=Late Synth:in"), QStringLiteral("MidiIn=Late Synth:out")})
        QVERIFY2(FRig.StoreText().contains(kept), qPrintable(FRig.StoreText()));

    // Started again, the program waits; the synth comes, and both open without a click.
    QVERIFY(p.Start());
    TJackPeer late(QStringLiteral("Late Synth"));
    QVERIFY(late.IsValid());
    QTRY_COMPARE_WITH_TIMEOUT(late.Connections(QStringLiteral("Late Synth:in")).size(), 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(InputSources(), QStringList{QStringLiteral("Late Synth:out")}, 5000);
    QVERIFY(late.WaitCycles());
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QVERIFY(late.WaitForReceived(2));
    QVERIFY(p.Quit());
}

void TestE2ePorts::devicesThatGoAwayOpenWhenTheyComeBack() {
    // A synth restarted mid-session left the program playing into nothing until both devices
    // were chosen again by hand.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Late Synth:in\nMidiIn=Late Synth:out\n");
    auto late = std::make_unique<TJackPeer>(QStringLiteral("Late Synth"));
    QVERIFY(late->IsValid());
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QTRY_COMPARE_WITH_TIMEOUT(late->Connections(QStringLiteral("Late Synth:in")).size(), 1, 5000);

    late.reset();
    for (const QString &said : {QStringLiteral("Midi Out \"Late Synth:in\" went away"),
                                QStringLiteral("Midi In \"Late Synth:out\" went away")})
        QTRY_VERIFY2_WITH_TIMEOUT(p.ErrorOutput().contains(said), qPrintable(p.ErrorOutput()),
                                  5000);
    late = std::make_unique<TJackPeer>(QStringLiteral("Late Synth"));
    QVERIFY(late->IsValid());
    QTRY_COMPARE_WITH_TIMEOUT(late->Connections(QStringLiteral("Late Synth:in")).size(), 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(InputSources(), QStringList{QStringLiteral("Late Synth:out")}, 5000);
    QVERIFY(late->WaitCycles());
    QVERIFY(FRig.Keys({QStringLiteral("z")}));
    QVERIFY(late->WaitForReceived(2));

    // Gone when the program ends, they are still the devices it opens next time.
    late.reset();
    QTRY_VERIFY_WITH_TIMEOUT(p.ErrorOutput().count(QStringLiteral("went away")) >= 4, 5000);
    QVERIFY(p.Quit());
    for (const QString &kept :
         {QStringLiteral("MidiOut=Late Synth:in"), QStringLiteral("MidiIn=Late Synth:out")})
        QVERIFY2(FRig.StoreText().contains(kept), qPrintable(FRig.StoreText()));
}

void TestE2ePorts::serverRestartReopensOutputAndInput() {
    // The input's source is a program that comes back a little after the server, as a
    // bridge or a keyboard program started by hand does.
    const QString keys = QStringLiteral("Late Keys:out");
    FRig.FreshConfig(("[MidiDevices]\nMidiOut=" + PeerIn + "\nMidiIn=" + keys + "\n").toUtf8());
    auto source = std::make_unique<TJackPeer>(QStringLiteral("Late Keys"));
    QVERIFY(source->IsValid());
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QTRY_COMPARE(InputSources(), QStringList{keys});
    QTRY_COMPARE(FRig.Peer().Connections(PeerIn).size(), 1);

    source.reset(); // a client of a server that went away must not outlive it
    FRig.StopJack();
    const QString notice =
        QStringLiteral("were closed; they open again when the JACK server is back");
    QTRY_VERIFY_WITH_TIMEOUT(p.ErrorOutput().contains(notice), 10000);
    QVERIFY2(FRig.StartJack(), qPrintable(FRig.ErrorText()));
    QTRY_COMPARE_WITH_TIMEOUT(FRig.Peer().Connections(PeerIn).size(), 1, 10000);
    QThread::msleep(1500);
    source = std::make_unique<TJackPeer>(QStringLiteral("Late Keys"));
    QVERIFY(source->IsValid());
    QTRY_COMPARE_WITH_TIMEOUT(InputSources(), QStringList{keys}, 10000);
    QVERIFY(p.Quit());
}

void TestE2ePorts::withoutServiceMidiMapperIsOfferedAndSwitchingSaysWhy() {
    // No ALSA sequencer here, and JACK asked for a server that does not run.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=(none)\nMidiIn=(none)\n");
    QProcessEnvironment env;
    env.insert(QStringLiteral("JACK_DEFAULT_SERVER"),
               QStringLiteral("ondrel-e2e-absent-%1").arg(QCoreApplication::applicationPid()));
    TE2eProgram p(FRig);
    QVERIFY(p.Start({}, env));
    // The first device entry is the built-in synthesizer. Without sound here it may not open,
    // and then says why; either way it was offered.
    QVERIFY(p.Menu(QStringLiteral("u"), Entry(1)));
    QVERIFY(p.Quit());
    QVERIFY2(p.ErrorOutput().contains(QStringLiteral("Midi-Mapper could not be opened")) ||
                 FRig.StoreText().contains(QStringLiteral("MidiOut=Midi-Mapper")),
             qPrintable(p.ErrorOutput() + FRig.StoreText()));

    // Midi Out > MIDI Service > JACK (after ALSA).
    QVERIFY(p.Start({}, env));
    QVERIFY(p.Menu(QStringLiteral("u"),
                   {QStringLiteral("s"), QStringLiteral("Down"), QStringLiteral("Return")}));
    const QString advice = QStringLiteral("The JACK server is not running: start it");
    QTRY_VERIFY2_WITH_TIMEOUT(p.ErrorOutput().contains(advice), qPrintable(p.ErrorOutput()), 5000);
    QVERIFY(p.Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("Service=jack")),
             qPrintable(FRig.StoreText()));
}

QTEST_GUILESS_MAIN(TestE2ePorts)
#include "tst_e2e_ports.moc"
