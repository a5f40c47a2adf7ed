// The real program under Xvfb: a patch script chosen in "Choose Patch Set" with the keyboard
// becomes the patch set without sending anything, and a drum kit picked from the Patches menu
// arrives at a JACK port as bank select and program change on the drum mode's channel.

#include "e2erig.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>

class TestE2ePatches : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }
    void chooseScriptThenDrumKit();

private:
    TE2eRig FRig;
};

void TestE2ePatches::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("patches")), qPrintable(FRig.ErrorText()));
}

void TestE2ePatches::chooseScriptThenDrumKit() {
    // Ondrel's own port in Midi Out, and a chooser that last showed the folder of the script.
    FRig.FreshConfig();
    const QString scripts = FRig.Folder() + QStringLiteral("/scripts");
    QVERIFY(QDir().mkpath(scripts));
    QVERIFY(QFile::copy(QStringLiteral(ONDREL_SOURCE "/resources/patches/Example Workstation.txt"),
                        scripts + QStringLiteral("/Workstation.txt")));
    FRig.WriteStore(
        "[MidiDevices]\nMidiOut=Ondrel\n[PatchSetDialog]\nLastPIDL=" + scripts.toUtf8() + "\n");
    QProcessEnvironment home;
    home.insert(QStringLiteral("HOME"), FRig.Folder());
    TE2eProgram p(FRig);
    QVERIFY(p.Start({}, home));
    QVERIFY(p.ConnectOutput());

    // Patches > Choose Patch Set...
    QVERIFY(p.Menu(QStringLiteral("p"), {QStringLiteral("c")}));
    const QString chooser = p.WaitForWindow(QStringLiteral("^Choose Patch Set$"));
    QVERIFY2(!chooser.isEmpty(), "the chooser did not appear");
    QVERIFY(p.Focus(chooser));
    QThread::msleep(300);
    // The one script is the last entry; Enter on it applies it. Loading sends nothing.
    QVERIFY(FRig.Keys({QStringLiteral("End"), QStringLiteral("Return")}));
    QThread::msleep(1000);
    QVERIFY(FRig.Peer().Received().empty());
    QVERIFY(FRig.Keys({QStringLiteral("Escape")}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Choose Patch Set$")).isEmpty(), 5000);

    // Patches > Drums > Kits > the first kit (sorted: "Analog 808", program 26, bank 120/0), on
    // the channel of its mode, "[mode 10] Drums".
    QVERIFY(p.Menu(QStringLiteral("p"), {QStringLiteral("Down"), QStringLiteral("Right"),
                                         QStringLiteral("Right"), QStringLiteral("Return")}));
    QCOMPARE(FRig.Received(3), (QStringList{QStringLiteral("b9 00 78"), QStringLiteral("b9 20 00"),
                                            QStringLiteral("c9 19")}));

    // File > Exit keeps the script and the patch for the next start.
    QVERIFY(p.Quit());
    const QString store = FRig.StoreText();
    QVERIFY2(store.contains(QStringLiteral("Workstation.txt")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("Drums\\\\Kits\\\\Analog 808")) ||
                 store.contains(QStringLiteral("Drums\\Kits\\Analog 808")),
             qPrintable(store));
}

QTEST_GUILESS_MAIN(TestE2ePatches)
#include "tst_e2e_patches.moc"
