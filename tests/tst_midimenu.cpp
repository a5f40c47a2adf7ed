// The device owner (TMidiDevices) against a real JACK server (dummy driver) that this test starts
// under a name of its own, and the Midi In and Midi Out menus as views of it. A JACK client
// "Foo Synth" stands for a synthesizer: its "in" port is an output device, its "out" port an
// input device.

#include "core/inifile.h"
#include "jackfixture.h"
#include "midi/mididevices.h"
#include "midi/midierror.h"
#include "midi/midiinput.h"
#include "midi/midimenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <signal.h>

Q_DECLARE_METATYPE(TMidiApi)

using TSide = TMidiDevices::TSide;

namespace {

constexpr TSide Out = TSide::Output;
constexpr TSide In = TSide::Input;

const QString Peer = QStringLiteral("Foo Synth");
const QString PeerIn = Peer + QStringLiteral(":in");
const QString PeerOut = Peer + QStringLiteral(":out");
const QString Section = QStringLiteral("MidiDevices");

QString ValueName(TSide Side) {
    return Side == Out ? QStringLiteral("MidiOut") : QStringLiteral("MidiIn");
}

// Devices and menu entries as "name=id", the separator as "-".
QStringList Layout(const QList<TMidiDevices::TDevice> &Devices) {
    QStringList Items;
    for (const TMidiDevices::TDevice &Device : Devices)
        Items << QStringLiteral("%1=%2").arg(Device.Name).arg(Device.Id);
    return Items;
}

QStringList Layout(const QList<QAction *> &Actions) {
    QStringList Items;
    for (const QAction *Action : Actions)
        Items << (Action->isSeparator()
                      ? QStringLiteral("-")
                      : QStringLiteral("%1=%2").arg(Action->text()).arg(Action->data().toInt()));
    return Items;
}

QStringList Checked(const TMidiMenuBase &Menu) {
    QStringList Captions;
    for (const QAction *Entry : Menu.Entries())
        if (Entry->isChecked())
            Captions << Entry->text();
    return Captions;
}

QAction *Entry(const TMidiMenuBase &Menu, const QString &Caption) {
    for (QAction *Action : Menu.Entries())
        if (Action->text() == Caption)
            return Action;
    return nullptr;
}

int IdOf(const TMidiDevices &Devices, TSide Side, const QString &Name) {
    for (const TMidiDevices::TDevice &Device : Devices.Devices(Side))
        if (Device.Name == Name)
            return Device.Id;
    return TMidiDevices::NoDevice;
}

// Everything the owner tells, in order. A device about to close must still be open.
void Attach(TMidiDevices &Devices, QStringList &Log) {
    QObject::connect(&Devices, &TMidiDevices::TextMessage, &Devices,
                     [&Log](const QString &Text) { Log << Text; });
    QObject::connect(&Devices, &TMidiDevices::Error, &Devices,
                     [&Log](const QString &Text) { Log << "error: " + Text; });
    QObject::connect(&Devices, &TMidiDevices::Notice, &Devices,
                     [&Log](const QString &Text) { Log << "notice: " + Text; });
    for (TSide Side : {Out, In}) {
        const QString Tag = Side == Out ? QStringLiteral("out ") : QStringLiteral("in ");
        const auto Opened = [&Log, Tag](const QString &Name) { Log << Tag + "opened " + Name; };
        const auto Closing = [&Log, &Devices, Side, Tag](const QString &Name) {
            Log << Tag + (Devices.IsOpen(Side) ? "closing " : "closing too late ") + Name;
        };
        const auto Closed = [&Log, Tag](const QString &Name) { Log << Tag + "closed " + Name; };
        if (Side == Out) {
            QObject::connect(&Devices, &TMidiDevices::OutputOpened, &Devices, Opened);
            QObject::connect(&Devices, &TMidiDevices::OutputClosing, &Devices, Closing);
            QObject::connect(&Devices, &TMidiDevices::OutputClosed, &Devices, Closed);
        } else {
            QObject::connect(&Devices, &TMidiDevices::InputOpened, &Devices, Opened);
            QObject::connect(&Devices, &TMidiDevices::InputClosing, &Devices, Closing);
            QObject::connect(&Devices, &TMidiDevices::InputClosed, &Devices, Closed);
        }
    }
}

QStringList Closes(TSide Side, const QString &Name) {
    const QString Tag = Side == Out ? QStringLiteral("out ") : QStringLiteral("in ");
    return {"Closing " + Name + " ...", Tag + "closing " + Name,
            "Closed " + Name + " successfully.", Tag + "closed " + Name};
}

QStringList Opens(TSide Side, const QString &Name) {
    return {"Opened " + Name + " successfully.",
            (Side == Out ? QStringLiteral("out opened ") : QStringLiteral("in opened ")) + Name};
}

// Collects the status bytes of what arrives at the input.
void Collect(TMidiDevices &Devices, QList<uint8_t> &Statuses) {
    QObject::connect(&Devices, &TMidiDevices::InputWaiting, &Devices, [&Statuses](TMidiInput &I) {
        while (const std::optional<TMidiEvent> Event = I.TakeEvent())
            Statuses << Event->MidiMessage;
    });
}

class TCountingHook final : public TMidiThruHook {
public:
    bool Through(const uint8_t *, size_t, uint32_t) noexcept override {
        Calls.fetch_add(1);
        return false;
    }
    std::atomic<int> Calls{0};
};

} // namespace

Q_DECLARE_METATYPE(TSide)

class TestMidiDevices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void lists_data();
    void lists();
    void nameKey_data();
    void nameKey();
    void load_data();
    void load();
    void openAndClose();
    void failures_data();
    void failures();
    void closeBehindAFullQueueCloses();
    void saveAndLoadBack_data();
    void saveAndLoadBack();
    void loadedInputDeliversWithStoredFilters();
    void ownPortsAreNotOffered();
    void listFollowsPortsKeepingTheOpenDevice();
    void missingDeviceIsKeptAndOpensWhenItAppears_data();
    void missingDeviceIsKeptAndOpensWhenItAppears();
    void vanishedPortIsAwaitedAndReopens_data();
    void vanishedPortIsAwaitedAndReopens();
    void serverLossClosesBothAndReopensThem();
    void serviceChangeKeepsChoiceSinkAndThruHook();
    void menusFollowTheOwner();

private:
    bool StartServer();

    TJackServer FServer;
    QString FServerName;
    std::unique_ptr<TJackPeer> FPeer;
    std::unique_ptr<QTemporaryDir> FDir;
};

bool TestMidiDevices::StartServer() {
    if (!FServer.Start(FServerName))
        return false;
    FPeer = std::make_unique<TJackPeer>(Peer);
    return FPeer->IsValid();
}

void TestMidiDevices::initTestCase() {
    FServerName = QStringLiteral("ondrel-devices-%1").arg(QCoreApplication::applicationPid());
    QVERIFY2(StartServer(), qPrintable(FServer.ErrorText()));
}

void TestMidiDevices::cleanupTestCase() {
    FPeer.reset();
    FServer.Stop();
}

void TestMidiDevices::init() {
    if (!FPeer)
        QVERIFY2(StartServer(), qPrintable(FServer.ErrorText()));
    FPeer->ClearReceived();
    FDir = std::make_unique<QTemporaryDir>();
}

void TestMidiDevices::cleanup() {
    FDir.reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestMidiDevices::lists_data() {
    QTest::addColumn<TSide>("side");
    QTest::addColumn<TMidiApi>("api");
    QTest::addColumn<QStringList>("layout");

    // The built-in synthesizer needs no MIDI service.
    QTest::newRow("output, no service") << Out << TMidiApi::maNone << QStringList{"Midi-Mapper=-1"};
    QTest::newRow("input, no service") << In << TMidiApi::maNone << QStringList{};
    QTest::newRow("output on JACK")
        << Out << TMidiApi::maJack << QStringList{"Midi-Mapper=-1", "Ondrel=0", PeerIn + "=1"};
    QTest::newRow("input on JACK") << In << TMidiApi::maJack << QStringList{PeerOut + "=0"};
}

void TestMidiDevices::lists() {
    QFETCH(TSide, side);
    QFETCH(TMidiApi, api);
    QFETCH(QStringList, layout);
    TMidiDevices Devices(api);
    QCOMPARE(Layout(Devices.Devices(side)), layout);
    QVERIFY(!Devices.IsOpen(side));
    QCOMPARE(Devices.DeviceID(side), TMidiDevices::NoDevice);
}

void TestMidiDevices::nameKey_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("same");
    QTest::newRow("blanks and case") << "FOO synth"
                                     << "FooSynth" << true;
    QTest::newRow("tabs and double blanks") << "Foo\t  Synth"
                                            << "foo synth" << true;
    QTest::newRow("ALSA numbers changed") << "Midi Through:Midi Through Port-0 14:0"
                                          << "Midi Through:Midi Through Port-0 128:0" << true;
    QTest::newRow("ALSA numbers on one side") << "FLUID Synth:Synth input port 130:0"
                                              << "FLUID Synth:Synth input port" << true;
    QTest::newRow("numbers that are part of the name") << "system:midi_playback_1"
                                                       << "system:midi_playback_2" << false;
    QTest::newRow("trailing number is no address") << "Synth 1"
                                                   << "Synth 2" << false;
}

void TestMidiDevices::nameKey() {
    QFETCH(QString, stored);
    QFETCH(QString, caption);
    QFETCH(bool, same);
    QCOMPARE(TMidiDevices::NameKey(stored) == TMidiDevices::NameKey(caption), same);
}

void TestMidiDevices::load_data() {
    QTest::addColumn<TSide>("side");
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("defaultMapper");
    QTest::addColumn<QString>("opened"); // empty: none
    QTest::addColumn<QString>("awaited");

    QTest::newRow("case and blanks differ")
        << Out << "foosynth:IN" << QString() << false << PeerIn << QString();
    QTest::newRow("ALSA numbers in the stored name")
        << Out << "Foo Synth:in 130:0" << QString() << false << PeerIn << QString();
    QTest::newRow("stored (none) beats the default")
        << Out << "(none)" << QString() << true << QString() << QString();
    QTest::newRow("nothing stored, default mapper")
        << Out << QString() << QString() << true << "Midi-Mapper" << QString();
    QTest::newRow("nothing stored, no default")
        << Out << QString() << QString() << false << QString() << QString();
    QTest::newRow("not there: awaited, no fallback")
        << Out << "Bar Synth:in" << QString() << true << QString() << "Bar Synth:in";
    QTest::newRow("given beats stored") << Out << "(none)" << PeerIn << true << PeerIn << QString();
    QTest::newRow("input: case and blanks differ")
        << In << "FOOSYNTH:Out" << QString() << false << PeerOut << QString();
    QTest::newRow("input: nothing stored, default is the first device")
        << In << QString() << QString() << true << PeerOut << QString();
    QTest::newRow("input: given, not there")
        << In << PeerOut << "Bar Synth:out" << false << QString() << "Bar Synth:out";
}

void TestMidiDevices::load() {
    QFETCH(TSide, side);
    QFETCH(QString, stored);
    QFETCH(QString, given);
    QFETCH(bool, defaultMapper);
    QFETCH(QString, opened);
    QFETCH(QString, awaited);

    TIniFile Store(FDir->filePath(QStringLiteral("settings.ini")));
    const TSide Other = side == Out ? In : Out;
    Store.WriteString(Section, ValueName(Other), TMidiDevices::NoneValue);
    if (!stored.isNull())
        Store.WriteString(Section, ValueName(side), stored);
    TMidiDevices Devices(TMidiApi::maJack);
    Devices.SetDefaultMidiMapper(defaultMapper);
    QStringList Log;
    Attach(Devices, Log);
    TMidiDevices::TChoice Given;
    (side == Out ? Given.Output : Given.Input) = given;

    Devices.Load(Store, Given);
    QCOMPARE(Devices.IsOpen(side), !opened.isEmpty());
    QCOMPARE(Devices.DeviceName(side), opened);
    QCOMPARE(Devices.Awaited(side), awaited);
    QVERIFY(!Devices.IsOpen(Other));
    if (!opened.isEmpty())
        QCOMPARE(Log, Opens(side, opened));
    else if (!awaited.isEmpty())
        QCOMPARE(Log, QStringList{"notice: " + TMidiDevices::Title(side) + " \"" + awaited +
                                  "\" is not there; it opens as soon as it appears."});
    else
        QCOMPARE(Log, QStringList());
}

void TestMidiDevices::openAndClose() {
    QStringList Log;
    TMidiDevices Devices(TMidiApi::maJack);
    Attach(Devices, Log);
    QVERIFY(Devices.Open(Out, 0)); // our own port "Ondrel"
    QVERIFY(Devices.Open(Out, IdOf(Devices, Out, PeerIn)));
    QCOMPARE(Log, Opens(Out, "Ondrel") + Closes(Out, "Ondrel") + Opens(Out, PeerIn));

    // The open device once more: nothing happens.
    Log.clear();
    QVERIFY(Devices.OpenByName(Out, PeerIn));
    QCOMPARE(Log, QStringList());

    // Closing lets the notes still held go out before the All Notes Off. (A new connection
    // carries messages from a later cycle on.)
    QVERIFY(FPeer->WaitCycles());
    connect(&Devices, &TMidiDevices::OutputClosing, this,
            [&] { Devices.Send(TShortMessage::NoteOff(0, 60)); });
    Devices.Close(Out);
    QCOMPARE(Log, Closes(Out, PeerIn));
    QVERIFY(!Devices.IsOpen(Out));
    QCOMPARE(Devices.DeviceID(Out), TMidiDevices::NoDevice);
    QVERIFY(FPeer->WaitForReceived(1 + 16)); // the release, then All Notes Off on 16 channels
    QCOMPARE(FPeer->Received().front(), (TBytes{0x90, 60, 0}));

    Log.clear();
    Devices.Close(Out); // nothing open: nothing said
    QCOMPARE(Log, QStringList());
}

void TestMidiDevices::failures_data() {
    QTest::addColumn<TSide>("side");
    QTest::addColumn<bool>("portGoesFirst"); // else a device number past the list
    QTest::addColumn<QString>("error");
    QTest::newRow("output: no such device") << Out << false << "Invalid Device ID ?!";
    QTest::newRow("input: no such device") << In << false << "Invalid Device ID ?!";
    QTest::newRow("output: port gone before the click") << Out << true << "Gone Synth:in";
    QTest::newRow("input: port gone before the click") << In << true << "Gone Synth:out";
}

void TestMidiDevices::failures() {
    QFETCH(TSide, side);
    QFETCH(bool, portGoesFirst);
    QFETCH(QString, error);

    auto Gone = std::make_unique<TJackPeer>(QStringLiteral("Gone Synth"));
    QVERIFY(Gone->IsValid());
    TMidiDevices Devices(TMidiApi::maJack);
    const QString Working = side == Out ? PeerIn : PeerOut;
    QVERIFY(Devices.OpenByName(side, Working));
    int Device = 99;
    if (portGoesFirst) {
        Device = IdOf(Devices, side, side == Out ? "Gone Synth:in" : "Gone Synth:out");
        QVERIFY(Device != TMidiDevices::NoDevice);
        Gone.reset(); // the list has not heard of it yet
    }
    QStringList Log;
    Attach(Devices, Log);

    QVERIFY(!Devices.Open(side, Device));
    QCOMPARE(Log.mid(0, 4), Closes(side, Working));
    QCOMPARE(Log.size(), 5);
    QVERIFY2(Log.last().startsWith("error: ") && Log.last().contains(error),
             qPrintable(Log.last()));
    QVERIFY(!Devices.IsOpen(side));
    QCOMPARE(Devices.DeviceID(side), TMidiDevices::NoDevice);
    QVERIFY(Devices.Awaited(side).isEmpty());
    // Nothing stuck half-open: the next choice opens.
    QVERIFY(Devices.OpenByName(side, Working));
}

void TestMidiDevices::closeBehindAFullQueueCloses() {
    // A server that takes nothing more (stopped where it is) while the program still sends: the
    // queue fills. The close puts its All Notes Off ahead of that backlog (which it drops) and
    // closes; the device can be opened again.
    TMidiDevices Devices(TMidiApi::maJack);
    QVERIFY(Devices.OpenByName(Out, PeerIn));
    QStringList Log;
    Attach(Devices, Log);
    const pid_t Server = pid_t(FServer.Pid());
    QVERIFY(Server > 0 && kill(Server, SIGSTOP) == 0);
    bool Full = false;
    for (int i = 0; i < 100000 && !Full; ++i) {
        try {
            Devices.Send(TShortMessage::NoteOff(0, 60));
        } catch (const EMidiError &) {
            Full = true;
        }
    }
    // The close waits for the server to let go of the port.
    std::thread Resume([Server] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        kill(Server, SIGCONT);
    });
    Devices.Close(Out);
    Resume.join();
    QVERIFY(Full);

    QCOMPARE(Log.mid(0, 2), (QStringList{"Closing " + PeerIn + " ...", "out closing " + PeerIn}));
    QVERIFY2(Log.contains("Closed " + PeerIn + " successfully."), qPrintable(Log.join('\n')));
    QVERIFY(Log.contains("out closed " + PeerIn));
    QVERIFY(!Devices.IsOpen(Out));
    QCOMPARE(Devices.DeviceID(Out), TMidiDevices::NoDevice);
    QVERIFY(Devices.OpenByName(Out, PeerIn));
}

void TestMidiDevices::saveAndLoadBack_data() {
    QTest::addColumn<TSide>("side");
    QTest::addColumn<QString>("open");
    QTest::addColumn<bool>("activeSensing");
    QTest::addColumn<bool>("timingClock");
    QTest::addColumn<QString>("value");

    QTest::newRow("output closed") << Out << QString() << false << false << "(none)";
    QTest::newRow("output device") << Out << PeerIn << false << false << PeerIn;
    QTest::newRow("input closed, filters off") << In << QString() << false << false << "(none)";
    QTest::newRow("input device, both filters on") << In << PeerOut << true << true << PeerOut;
    QTest::newRow("input, only timing clock") << In << PeerOut << false << true << PeerOut;
}

void TestMidiDevices::saveAndLoadBack() {
    QFETCH(TSide, side);
    QFETCH(QString, open);
    QFETCH(bool, activeSensing);
    QFETCH(bool, timingClock);
    QFETCH(QString, value);

    const QString File = FDir->filePath(QStringLiteral("export.ini"));
    {
        TMidiDevices Devices(TMidiApi::maJack);
        Devices.SetActiveSensing(activeSensing);
        Devices.SetTimingClock(timingClock);
        if (!open.isEmpty())
            QVERIFY(Devices.OpenByName(side, open));
        TIniFile Store(File);
        Devices.Save(Store);
        Store.UpdateFile();
    }
    TIniFile Store(File);
    QCOMPARE(Store.ReadString(Section, ValueName(side), "missing"), value);
    QCOMPARE(Store.ReadBool(Section, "ActiveSensing", !activeSensing), activeSensing);
    QCOMPARE(Store.ReadBool(Section, "TimingClock", !timingClock), timingClock);
    QCOMPARE(TMidiDevices::StoredApi(Store), TMidiApi::maJack);

    // Loading brings back the same choice, also against the default that "(none)" must beat.
    TMidiDevices Devices(TMidiApi::maJack);
    Devices.SetDefaultMidiMapper(true);
    Devices.SetActiveSensing(!activeSensing);
    Devices.SetTimingClock(!timingClock);
    Devices.Load(Store);
    QCOMPARE(Devices.DeviceName(side), open);
    QCOMPARE(Devices.ActiveSensing(), activeSensing);
    QCOMPARE(Devices.TimingClock(), timingClock);
}

void TestMidiDevices::loadedInputDeliversWithStoredFilters() {
    TIniFile Store(FDir->filePath(QStringLiteral("settings.ini")));
    Store.WriteString(Section, QStringLiteral("MidiOut"), TMidiDevices::NoneValue);
    Store.WriteString(Section, QStringLiteral("MidiIn"), PeerOut);
    Store.WriteBool(Section, QStringLiteral("ActiveSensing"), true);
    TMidiDevices Devices(TMidiApi::maJack);
    QList<uint8_t> Statuses;
    Collect(Devices, Statuses);

    Devices.Load(Store);
    QVERIFY(Devices.IsOpen(In));
    QVERIFY(FPeer->WaitCycles()); // a new connection carries messages from a later cycle on
    // Timing clock stays filtered, active sensing passes as stored; nothing at all would arrive
    // had the open not started the input.
    FPeer->Send({{0xF8}, {0xFE}, {0x90, 60, 100}});
    QTRY_COMPARE(Statuses, (QList<uint8_t>{0xFE, 0x90}));
}

void TestMidiDevices::ownPortsAreNotOffered() {
    // Our output feeding our input: with Midi Thru a note went round for ever.
    TMidiDevices Devices(TMidiApi::maJack);
    QVERIFY(Devices.Open(Out, 0)); // "Ondrel"
    QVERIFY(Devices.OpenByName(In, PeerOut));
    TMidiDevices Second(TMidiApi::maJack);
    QCOMPARE(Layout(Second.Devices(In)), QStringList{PeerOut + "=0"});
    QCOMPARE(Layout(Second.Devices(Out)),
             (QStringList{"Midi-Mapper=-1", "Ondrel=0", PeerIn + "=1"}));
}

void TestMidiDevices::listFollowsPortsKeepingTheOpenDevice() {
    TMidiDevices Devices(TMidiApi::maJack);
    auto First = std::make_unique<TJackPeer>(QStringLiteral("First Synth"));
    TJackPeer Second(QStringLiteral("Second Synth"));
    QVERIFY(First->IsValid() && Second.IsValid());
    QTRY_VERIFY(IdOf(Devices, Out, "First Synth:in") != TMidiDevices::NoDevice);
    QVERIFY(Devices.OpenByName(Out, "Second Synth:in"));
    const int Before = Devices.DeviceID(Out);
    QStringList Log;
    Attach(Devices, Log);
    QSignalSpy Lists(&Devices, &TMidiDevices::ListsChanged);

    First.reset(); // told by JACK, without asking
    QTRY_COMPARE(IdOf(Devices, Out, "First Synth:in"), TMidiDevices::NoDevice);
    QVERIFY(Lists.count() > 0);
    QCOMPARE(Log, QStringList()); // neither closed nor opened again
    QCOMPARE(Devices.DeviceName(Out), QStringLiteral("Second Synth:in"));
    QCOMPARE(Devices.DeviceID(Out), Before - 1);
    QCOMPARE(IdOf(Devices, Out, "Second Synth:in"), Devices.DeviceID(Out));
    Devices.Send({0x90, 60, 100});
    QVERIFY(Second.WaitForReceived(1));
}

void TestMidiDevices::missingDeviceIsKeptAndOpensWhenItAppears_data() {
    QTest::addColumn<TSide>("side");
    QTest::addColumn<QString>("name");
    QTest::newRow("output") << Out << "Late Synth:in";
    QTest::newRow("input") << In << "Late Synth:out";
}

void TestMidiDevices::missingDeviceIsKeptAndOpensWhenItAppears() {
    QFETCH(TSide, side);
    QFETCH(QString, name);
    TIniFile Store(FDir->filePath(QStringLiteral("settings.ini")));
    Store.WriteString(Section, ValueName(side == Out ? In : Out), TMidiDevices::NoneValue);
    Store.WriteString(Section, ValueName(side), name);
    TMidiDevices Devices(TMidiApi::maJack);
    Devices.SetDefaultMidiMapper(true);
    Devices.Load(Store);
    QVERIFY(!Devices.IsOpen(side));
    TIniFile Saved(FDir->filePath(QStringLiteral("saved.ini")));
    Devices.Save(Saved);
    QCOMPARE(Saved.ReadString(Section, ValueName(side), QString()), name);

    TJackPeer Late(QStringLiteral("Late Synth"));
    QVERIFY(Late.IsValid());
    QTRY_VERIFY(Devices.IsOpen(side));
    QCOMPARE(Devices.DeviceName(side), name);
    QVERIFY(Devices.Awaited(side).isEmpty());
}

void TestMidiDevices::vanishedPortIsAwaitedAndReopens_data() {
    QTest::addColumn<TSide>("side");
    QTest::addColumn<QString>("name");
    QTest::newRow("output") << Out << "Late Synth:in";
    QTest::newRow("input") << In << "Late Synth:out";
}

void TestMidiDevices::vanishedPortIsAwaitedAndReopens() {
    // A synthesizer restarted mid-session left the program playing into nothing until the
    // device was chosen again by hand.
    QFETCH(TSide, side);
    QFETCH(QString, name);
    auto Late = std::make_unique<TJackPeer>(QStringLiteral("Late Synth"));
    QVERIFY(Late->IsValid());
    TMidiDevices Devices(TMidiApi::maJack);
    QVERIFY(Devices.OpenByName(side, name));
    QStringList Log;
    Attach(Devices, Log);

    Late.reset();
    QTRY_COMPARE(Devices.Awaited(side), name);
    QVERIFY(!Devices.IsOpen(side));
    QCOMPARE(Log, Closes(side, name) << "notice: " + TMidiDevices::Title(side) + " \"" + name +
                                            "\" went away; it opens again as soon as it appears.");

    Late = std::make_unique<TJackPeer>(QStringLiteral("Late Synth"));
    QVERIFY(Late->IsValid());
    QTRY_VERIFY(Devices.IsOpen(side));
    QCOMPARE(Devices.DeviceName(side), name);
    QVERIFY(Devices.Awaited(side).isEmpty());
}

void TestMidiDevices::serverLossClosesBothAndReopensThem() {
    TMidiDevices Devices(TMidiApi::maJack);
    QVERIFY(Devices.OpenByName(Out, PeerIn));
    QVERIFY(Devices.OpenByName(In, PeerOut));
    QStringList Log;
    Attach(Devices, Log);

    FPeer.reset(); // a client of a server that went away must not outlive it
    FServer.Stop();
    QTRY_COMPARE_WITH_TIMEOUT(Devices.Awaited(Out), PeerIn, 5000);
    QCOMPARE(Devices.Awaited(In), PeerOut);
    QVERIFY(!Devices.IsOpen(Out) && !Devices.IsOpen(In));
    QVERIFY2(Log.contains("notice: The JACK server is no longer running. " + PeerIn + " and " +
                          PeerOut + " were closed; they open again when the JACK server is back."),
             qPrintable(Log.join('\n')));
    Devices.Send({0x90, 60, 100}); // nowhere to go, and no harm

    QVERIFY2(StartServer(), qPrintable(FServer.ErrorText()));
    QTRY_VERIFY_WITH_TIMEOUT(Devices.IsOpen(Out) && Devices.IsOpen(In), 10000);
    QCOMPARE(Devices.DeviceName(Out), PeerIn);
    QCOMPARE(Devices.DeviceName(In), PeerOut);
    QList<uint8_t> Statuses;
    Collect(Devices, Statuses);
    QVERIFY(FPeer->WaitCycles());
    FPeer->Send({{0x90, 64, 100}});
    QTRY_COMPARE(Statuses, QList<uint8_t>{0x90});
    Devices.Send({0x90, 62, 90});
    QVERIFY(FPeer->WaitForReceived(1));
}

void TestMidiDevices::serviceChangeKeepsChoiceSinkAndThruHook() {
    // Whoever holds the owner (the router, as its output) keeps holding it: after the change the
    // same owner sends on the new output, and the new input plays through the same hook.
    TCountingHook Hook;
    TMidiDevices Devices(TMidiApi::maJack);
    Devices.SetThruHook(&Hook);
    QVERIFY(Devices.OpenByName(Out, PeerIn));
    QVERIFY(Devices.OpenByName(In, PeerOut));
    QStringList Log;
    Attach(Devices, Log);
    QSignalSpy Service(&Devices, &TMidiDevices::ServiceChanged);

    Devices.SetService(TMidiApi::maNone);
    QCOMPARE(Devices.Api(), TMidiApi::maNone);
    QCOMPARE(Service.count(), 1);
    QCOMPARE(Layout(Devices.Devices(Out)), QStringList{"Midi-Mapper=-1"});
    const QString Missing = "\" is not there; it opens as soon as it appears. " +
                            MidiBackend::NotRunningText(TMidiApi::maNone);
    const QStringList Notices = {"notice: Midi Out \"" + PeerIn + Missing,
                                 "notice: Midi In \"" + PeerOut + Missing};
    QCOMPARE(Log, Closes(In, PeerOut) + Closes(Out, PeerIn) + Notices);
    QCOMPARE(Devices.Awaited(Out), PeerIn);
    QCOMPARE(Devices.Awaited(In), PeerOut);

    Log.clear();
    Devices.SetService(TMidiApi::maJack);
    QCOMPARE(Service.count(), 2);
    QCOMPARE(Log, Opens(Out, PeerIn) + Opens(In, PeerOut));
    QVERIFY(FPeer->WaitCycles());
    FPeer->Send({{0x90, 64, 100}});
    QTRY_COMPARE(Hook.Calls.load(), 1);
    Devices.Send({0x90, 62, 90});
    QVERIFY(FPeer->WaitForReceived(1));

    Log.clear();
    Devices.SetService(TMidiApi::maJack); // the service in use: nothing happens
    QCOMPARE(Log, QStringList());
    QCOMPARE(Service.count(), 2);
}

void TestMidiDevices::menusFollowTheOwner() {
    QMenuBar Bar;
    QMenu *InBase = Bar.addMenu(QStringLiteral("Midi In"));
    QMenu *OutBase = Bar.addMenu(QStringLiteral("Midi Out"));
    QAction *Before = OutBase->addAction(QStringLiteral("before"));
    TMidiDevices Devices(TMidiApi::maJack);
    TMidiInMenu InMenu(Devices, InBase);
    TMidiOutMenu OutMenu(Devices, OutBase);
    QAction *After = OutBase->addAction(QStringLiteral("after"));
    const auto InPlace = [&] {
        return OutBase->actions() == QList<QAction *>{Before} + OutMenu.Entries() + QList{After};
    };
    QCOMPARE(Layout(OutMenu.Entries()),
             (QStringList{"none=30000", "-", "Midi-Mapper=-1", "Ondrel=0", PeerIn + "=1"}));
    QCOMPARE(Layout(InMenu.Entries()), (QStringList{"none=30000", "-", PeerOut + "=0"}));
    QVERIFY(InPlace());
    for (const QAction *Entry : OutMenu.Entries())
        QCOMPARE(Entry->isCheckable(), !Entry->isSeparator());
    QCOMPARE(Checked(OutMenu), QStringList{"none"});

    // Opened by the owner: the mark follows, and the cursor was busy meanwhile.
    QStringList Cursor;
    connect(&Devices, &TMidiDevices::OutputOpened, this, [&] {
        const QCursor *Shown = QGuiApplication::overrideCursor();
        Cursor << (Shown && Shown->shape() == Qt::WaitCursor ? "busy" : "not busy");
    });
    QVERIFY(Devices.OpenByName(Out, PeerIn));
    QCOMPARE(Cursor, QStringList{"busy"});
    QCOMPARE(Checked(OutMenu), QStringList{PeerIn});
    QCOMPARE(Checked(InMenu), QStringList{"none"});

    // A click is the owner's to answer; the open device's own entry keeps its mark.
    Entry(InMenu, PeerOut)->trigger();
    QVERIFY(Devices.IsOpen(In));
    QCOMPARE(Checked(InMenu), QStringList{PeerOut});
    Entry(OutMenu, PeerIn)->trigger();
    QCOMPARE(Checked(OutMenu), QStringList{PeerIn});

    // A program started later is there when the menu opens, in place.
    TJackPeer Late(QStringLiteral("Late Synth"));
    QVERIFY(Late.IsValid() && Late.WaitCycles());
    Q_EMIT OutBase->aboutToShow();
    QVERIFY(Entry(OutMenu, "Late Synth:in") && Entry(InMenu, "Late Synth:out"));
    QVERIFY(InPlace());
    QCOMPARE(Checked(OutMenu), QStringList{PeerIn});

    // A source alone comes (a keyboard): Midi Out keeps its entries, so that an open Midi Out
    // menu keeps the user's place in it.
    const QList<QAction *> OutEntries = OutMenu.Entries();
    const std::unique_ptr<jack_client_t, int (*)(jack_client_t *)> Keys(
        jack_client_open("Keys Only", JackNoStartServer, nullptr), &jack_client_close);
    QVERIFY(Keys &&
            jack_port_register(Keys.get(), "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0) &&
            jack_activate(Keys.get()) == 0);
    QTRY_VERIFY(Entry(InMenu, "Keys Only:out"));
    QCOMPARE(OutMenu.Entries(), OutEntries);

    OutMenu.Entries().first()->trigger(); // "none"
    QVERIFY(!Devices.IsOpen(Out));
    QCOMPARE(Checked(OutMenu), QStringList{"none"});

    // Another service: the same menus, their entries anew.
    Devices.SetService(TMidiApi::maNone);
    QCOMPARE(Layout(OutMenu.Entries()), (QStringList{"none=30000", "-", "Midi-Mapper=-1"}));
    QCOMPARE(Layout(InMenu.Entries()), (QStringList{"none=30000", "-"}));
    QCOMPARE(Checked(InMenu), QStringList{"none"});
    QVERIFY(InPlace());
    QCOMPARE(InMenu.BaseMenu(), InBase);
}

QTEST_MAIN(TestMidiDevices)
#include "tst_midimenu.moc"
