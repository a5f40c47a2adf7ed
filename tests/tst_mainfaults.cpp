// The main window when things go wrong beneath it: the JACK server of its output stopping and
// coming back, and the notices about settings that are damaged or cannot be saved.

#include "app/mainwindow.h"
#include "core/custominifile.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "mainfixture.h"
#include "midi/mididevices.h"
#include "router/midirouter.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QTest>

using TSide = TMidiDevices::TSide;

class TestMainFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(F.Start(Tag), qPrintable(F.ErrorText())); }
    void init() { F.FreshConfig(); }
    void cleanupTestCase() { F.Stop(); }

    void serverLossLetsGoAndReopens();
    void oneDeviceTellsOfServerLoss_data();
    void oneDeviceTellsOfServerLoss();
    void inputChosenAgainAfterItsSourceCameBack();
    void thruRefusesOutputConnectedToInput();
    void settingsNotice_data();
    void settingsNotice();

private:
    const QString Tag = QStringLiteral("mainfaults");
    TMainFixture F;
};

void TestMainFaults::serverLossLetsGoAndReopens() {
    auto w = F.NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    TKeyboardModel &m = w->Keyboard()->Model();
    constexpr int ScanZ = 44;
    m.ComputerKeyDown(ScanZ, 48, 100);
    QTRY_COMPARE(F.Received(), QStringList{QStringLiteral("90 30 64")});

    F.Stop();
    QTRY_COMPARE_WITH_TIMEOUT(w->Devices().Awaited(TSide::Output), QStringLiteral("Ondrel"), 5000);
    QVERIFY(!w->Devices().IsOpen(TSide::Output));
    QCOMPARE(m.OwnCount(48), 0);
    QCOMPARE(m.ComputerKeyNote(ScanZ), -1);
    const QString notice = w->StatusPanelText(0);
    QVERIFY2(notice.contains(QStringLiteral("The JACK server is no longer running.")),
             qPrintable(notice));
    // A control's status tip covers the notice only while the pointer is on it.
    QStatusTipEvent tip(QStringLiteral("a tip"));
    QCoreApplication::sendEvent(w.get(), &tip);
    QCOMPARE(w->StatusPanelText(0), QStringLiteral("a tip"));
    QStatusTipEvent gone{QString()};
    QCoreApplication::sendEvent(w.get(), &gone);
    QCOMPARE(w->StatusPanelText(0), notice);
    // Played meanwhile: dropped. Saved meanwhile: the device is still the user's choice.
    w->Router().Play({0x90, 60, 100});
    {
        TRegistryIniFile store;
        w->WriteSettings(store);
        QCOMPARE(store.ReadString(QStringLiteral("MidiDevices"), QStringLiteral("MidiOut"), {}),
                 QStringLiteral("Ondrel"));
    }

    QVERIFY2(F.Start(Tag), qPrintable(F.ErrorText()));
    QTRY_VERIFY_WITH_TIMEOUT(w->Devices().IsOpen(TSide::Output), 5000);
    QVERIFY(w->Devices().Awaited(TSide::Output).isEmpty());
    QCOMPARE(w->Devices().DeviceName(TSide::Output), QStringLiteral("Ondrel"));
    const QString port = F.Peer().FindPort(QStringLiteral("^Ondrel:Ondrel$"), JackPortIsOutput);
    QVERIFY(F.Peer().Connect(port, F.Peer().InPort()));
    QVERIFY(F.Peer().WaitCycles());
    w->Router().Play({0x90, 62, 90});
    // The note played while it was gone stays dropped; what the window shows (the Volume knob)
    // may come before, told as the output opened again.
    QTRY_COMPARE(F.Received().value(F.Received().size() - 1), QStringLiteral("90 3e 5a"));
    QVERIFY(!F.Received().contains(QStringLiteral("90 3c 64")));
}

void TestMainFaults::oneDeviceTellsOfServerLoss_data() {
    QTest::addColumn<bool>("input");
    QTest::newRow("Midi In alone") << true;
    QTest::newRow("Midi-Mapper playing through JACK") << false;
}

void TestMainFaults::oneDeviceTellsOfServerLoss() {
    // Only one device on the server, the other closed: that one must notice by itself.
    QFETCH(bool, input);
    auto w = F.NewWindow();
    QVERIFY(w);
    TMidiDevices &devices = w->Devices();
    const TSide on = input ? TSide::Input : TSide::Output;
    const TSide off = input ? TSide::Output : TSide::Input;
    devices.Close(off);
    const QString name = input ? F.Peer().OutPort() : QStringLiteral("Midi-Mapper");
    QVERIFY(devices.OpenByName(on, name));

    F.Stop();
    QTRY_COMPARE_WITH_TIMEOUT(devices.Awaited(on), name, 5000);
    QVERIFY(!devices.IsOpen(on));
    QVERIFY(devices.Awaited(off).isEmpty());
    const QString notice = w->StatusPanelText(0);
    QVERIFY2(notice.contains(name + QStringLiteral(" was closed; it opens again")),
             qPrintable(notice));
    w->Router().Play({0x90, 60, 100}); // nowhere to go, and no harm

    QVERIFY2(F.Start(Tag), qPrintable(F.ErrorText()));
    QTRY_VERIFY_WITH_TIMEOUT(devices.IsOpen(on), 10000);
    QVERIFY(devices.Awaited(on).isEmpty());
    QCOMPARE(devices.DeviceName(on), name);
    QVERIFY(!devices.IsOpen(off));
    if (input) {
        QVERIFY(F.Peer().WaitCycles());
        F.Peer().Send({{0x90, 64, 100}});
        QTRY_VERIFY(w->Keyboard()->Model().IsPressed(64));
    }
}

void TestMainFaults::inputChosenAgainAfterItsSourceCameBack() {
    // The program Midi In listens to quits and starts again; the user picks it once more. Its
    // notes arrive, and the server's cycles go on.
    auto w = F.NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    auto source = std::make_unique<TJackPeer>(QStringLiteral("mainfaults-source"));
    QVERIFY(source->IsValid());
    const QString name = source->OutPort();
    QVERIFY(source->WaitCycles());
    w->Devices().Refresh(); // as the menu does when it opens
    QVERIFY(w->Devices().OpenByName(TSide::Input, name));
    source.reset();
    QTRY_COMPARE(w->Devices().Awaited(TSide::Input), name);
    source = std::make_unique<TJackPeer>(QStringLiteral("mainfaults-source"));
    QVERIFY(source->IsValid() && source->WaitCycles());
    w->Devices().Refresh();
    QVERIFY(w->Devices().OpenByName(TSide::Input, name));
    QVERIFY(source->WaitCycles());
    source->Send({{0x90, 64, 100}});
    QTRY_VERIFY(w->Keyboard()->Model().IsPressed(64));
    QVERIFY(F.Peer().WaitCycles(20, 2000));
}

void TestMainFaults::thruRefusesOutputConnectedToInput() {
    // A patchbay connects the program's output straight to its input while Midi Thru plays
    // what arrives: every note would come back for ever.
    auto w = F.NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    w->SetMidiThru(true);
    QVERIFY(w->Devices().OpenByName(TSide::Input, F.Peer().OutPort()));
    QVERIFY(F.Peer().Connect(QStringLiteral("Ondrel:Ondrel"), QStringLiteral("Ondrel:in")));
    QTRY_VERIFY(!w->Devices().IsOpen(TSide::Input));
    const QString said = w->StatusPanelText(0);
    QVERIFY2(said.contains(QStringLiteral("Ondrel:Ondrel -> Ondrel:in")), qPrintable(said));
    QVERIFY(F.Peer().WaitCycles());
    F.Peer().ClearReceived();
    w->Router().Play({0x90, 60, 100});
    QTRY_COMPARE(F.Received(), QStringList{QStringLiteral("90 3c 64")});
    QTest::qWait(100);
    QCOMPARE(F.Received().size(), 1);
}

void TestMainFaults::settingsNotice_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("blockFolder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all well") << QByteArray("[Keyboard]\nKeyOctave=5\n") << false << QString();
    QTest::newRow("damaged file") << QByteArray("[Keyboard]\n\0\0\0", 14) << false
                                  << QStringLiteral("could not be read");
    QTest::newRow("folder blocked by a file")
        << QByteArray() << true << QStringLiteral("Settings cannot be saved: the folder");
}

void TestMainFaults::settingsNotice() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, blockFolder);
    QFETCH(QString, expected);
    const QString file = ProgramStoreFileName();
    if (blockFolder) {
        QFile blocker(F.ConfigPath() + QStringLiteral("/Tavrel"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(stored);
    }
    auto w = F.NewWindow();
    QVERIFY(w);
    const QString text = w->StatusPanelText(0);
    if (expected.isEmpty())
        QVERIFY2(!text.contains(QStringLiteral("could not")) &&
                     !text.contains(QStringLiteral("cannot")),
                 qPrintable(text));
    else
        QVERIFY2(text.contains(expected), qPrintable(text));
    // Said once more where it cannot be missed, in a box that does not hold up the start.
    const auto boxes = w->findChildren<QMessageBox *>();
    QCOMPARE(boxes.size(), expected.isEmpty() ? 0 : 1);
    if (!expected.isEmpty())
        QCOMPARE(boxes.first()->text(), text);
}

QTEST_MAIN(TestMainFaults)
#include "tst_mainfaults.moc"
