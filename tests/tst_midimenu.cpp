// The MIDI device menus against a real JACK server (dummy driver) that this test starts under a
// name of its own. A JACK client "Foo Synth" stands for a synthesizer: its "in" port is an
// output device of the menus, its "out" port an input device.

#include "core/custominifile.h"
#include "core/inifile.h"
#include "jackfixture.h"
#include "midi/midierror.h"
#include "midi/midimenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(TMidiApi)

namespace {

const QString Peer = QStringLiteral("Foo Synth");
const QString PeerIn = Peer + QStringLiteral(":in");
const QString PeerOut = Peer + QStringLiteral(":out");
const QString Section = QStringLiteral("MidiDevices");
const QString ProgramPath = QStringLiteral("Tavrel\\Ondrel\\ondrel");

// Entries as "caption=tag", the separator as "-".
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

// Everything a menu reports, in order; an open also tells whether the busy cursor was up.
void Attach(TMidiMenuBase &Menu, QStringList &Log) {
    Menu.OnTextMessage = [&Log](QObject *, const QString &Text) { Log << Text; };
    Menu.OnError = [&Log](QObject *, const QString &Error) { Log << "error: " + Error; };
    Menu.OnAfterOpen = [&Log](QObject *) {
        const QCursor *Cursor = QGuiApplication::overrideCursor();
        Log << (Cursor && Cursor->shape() == Qt::WaitCursor ? "after open" : "open, not busy");
    };
    Menu.OnBeforeClose = [&Log, &Menu](QObject *) {
        Log << (Menu.IsClosed() ? "before close, too late" : "before close");
    };
}

// A device that fails in the ways a driver can, for the menu's own error handling. Device 1
// misbehaves as told; device 0 always works.
class TFakeMenu : public TMidiMenuBase {
public:
    enum class TFault { None, StaysClosed, FallsBack, OpenThrows, CloseThrows };
    TFault Fault = TFault::None;

    explicit TFakeMenu(QObject *Parent) : TMidiMenuBase(Parent) {}
    TMidiApi Api() const override { return TMidiApi::maNone; }
    bool ServiceStarted() const override { return true; }
    int DeviceCount() const override { return 2; }
    QString NameOf(int Device) const override { return QStringLiteral("Fake %1").arg(Device); }
    int DeviceID() const override { return FId; }
    QString DeviceName() const override {
        return FId == NoDevice ? QString() : QStringLiteral("Fake %1").arg(FId);
    }
    bool IsClosed() const override { return !FOpen; }
    bool DeviceGone() const override { return false; }
    QString ValueName() const override { return QStringLiteral("Fake"); }
    QString Title() const override { return QStringLiteral("Fake"); }

protected:
    bool RelistDevices() override { return false; }
    void SelectDevice(int Device) override {
        if (FOpen)
            throw EMidiError(QStringLiteral("Change to DeviceID while device was open"));
        const bool Known = Device == 0 || (Device == 1 && Fault != TFault::FallsBack);
        FId = Known ? Device : NoDevice;
    }
    bool OpenDevice() override {
        if (FId == 1 && Fault == TFault::OpenThrows)
            throw EMidiOutputError(5, QStringLiteral("driver refused"));
        FOpen = !(FId == 1 && Fault == TFault::StaysClosed);
        return FOpen;
    }
    void CloseDevice() override {
        FOpen = false;
        if (Fault == TFault::CloseThrows)
            throw EMidiOutputError(7, QStringLiteral("reset failed"));
    }
    void RecreateDevice(TMidiApi) override {}

private:
    int FId = NoDevice;
    bool FOpen = false;
};

} // namespace

Q_DECLARE_METATYPE(TFakeMenu::TFault)

class TestMidiMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void entries_data();
    void entries();
    void baseMenuMustBeTopLevel();
    void nameKey_data();
    void nameKey();
    void load_data();
    void load();
    void clicks();
    void failures_data();
    void failures();
    void vanishedPortReportsAndStaysClosed();
    void saveAndLoadBack_data();
    void saveAndLoadBack();
    void loadedInputDeliversWithStoredFilters();
    void serviceChangeRebuildsInPlace();
    void ownPortsAreNotOffered();
    void listFollowsPortsKeepingTheOpenDevice();
    void missingDeviceIsKeptAndOpensWhenItAppears_data();
    void missingDeviceIsKeptAndOpensWhenItAppears();

private:
    std::unique_ptr<TMidiMenuBase> MakeMenu(bool Input, TMidiApi Api = TMidiApi::maJack);

    TJackServer FServer;
    std::unique_ptr<TJackPeer> FPeer;
    std::unique_ptr<QMenuBar> FBar;
    QMenu *FBase = nullptr;
    std::unique_ptr<QTemporaryDir> FDir;
};

void TestMidiMenu::initTestCase() {
    if (!FServer.Start(QStringLiteral("ondrel-menus-%1").arg(QCoreApplication::applicationPid())))
        QFAIL(qPrintable(FServer.ErrorText()));
}

void TestMidiMenu::cleanupTestCase() {
    FServer.Stop();
}

void TestMidiMenu::init() {
    FPeer = std::make_unique<TJackPeer>(Peer);
    QVERIFY2(FPeer->IsValid(), "the test client cannot join the JACK server");
    FBar = std::make_unique<QMenuBar>();
    FBase = FBar->addMenu(QStringLiteral("Midi Out"));
    FDir = std::make_unique<QTemporaryDir>();
}

void TestMidiMenu::cleanup() {
    FBar.reset();
    FPeer.reset();
    FDir.reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

std::unique_ptr<TMidiMenuBase> TestMidiMenu::MakeMenu(bool Input, TMidiApi Api) {
    std::unique_ptr<TMidiMenuBase> Menu;
    if (Input)
        Menu = std::make_unique<TMidiInMenu>(nullptr, Api);
    else
        Menu = std::make_unique<TMidiOutMenu>(nullptr, Api);
    Menu->SetRegPath(ProgramPath);
    Menu->SetBaseMenu(FBase);
    return Menu;
}

void TestMidiMenu::entries_data() {
    QTest::addColumn<bool>("input");
    QTest::addColumn<TMidiApi>("api");
    QTest::addColumn<QStringList>("layout");

    // The built-in synthesizer needs no MIDI service.
    QTest::newRow("output, no service")
        << false << TMidiApi::maNone << QStringList{"none=30000", "-", "Midi-Mapper=-1"};
    QTest::newRow("input, no service")
        << true << TMidiApi::maNone << QStringList{"none=30000", "-"};
    QTest::newRow("output on JACK")
        << false << TMidiApi::maJack
        << QStringList{"none=30000", "-", "Midi-Mapper=-1", "Ondrel=0", PeerIn + "=1"};
    QTest::newRow("input on JACK")
        << true << TMidiApi::maJack << QStringList{"none=30000", "-", PeerOut + "=0"};
}

void TestMidiMenu::entries() {
    QFETCH(bool, input);
    QFETCH(TMidiApi, api);
    QFETCH(QStringList, layout);

    QAction *Own = FBase->addAction(QStringLiteral("MIDI service"));
    const auto Menu = MakeMenu(input, api);
    QCOMPARE(Layout(Menu->Entries()), layout);
    QCOMPARE(FBase->actions(), QList<QAction *>{Own} + Menu->Entries());
    for (const QAction *Entry : Menu->Entries())
        QCOMPARE(Entry->isCheckable(), !Entry->isSeparator());
    QCOMPARE(Checked(*Menu), QStringList{"none"});
    QCOMPARE(Menu->DeviceID(), TMidiMenuBase::NoDevice);
}

void TestMidiMenu::baseMenuMustBeTopLevel() {
    QMenu *Sub = FBase->addMenu(QStringLiteral("Sub"));
    QMenu Loose;
    TMidiOutMenu Menu(nullptr, TMidiApi::maNone);
    for (QMenu *Refused : {Sub, &Loose, static_cast<QMenu *>(nullptr)})
        Menu.SetBaseMenu(Refused);
    QCOMPARE(Menu.BaseMenu(), nullptr);
    QVERIFY(Sub->actions().isEmpty() && Loose.actions().isEmpty());

    Menu.SetBaseMenu(FBase);
    QMenu *Other = FBar->addMenu(QStringLiteral("Other"));
    Menu.SetBaseMenu(Other); // a second one is ignored
    QCOMPARE(Menu.BaseMenu(), FBase);
    QVERIFY(Other->actions().isEmpty());
    QCOMPARE(FBase->actions().size(), 4); // "Sub", "none", separator, "Midi-Mapper"
}

void TestMidiMenu::nameKey_data() {
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

void TestMidiMenu::nameKey() {
    QFETCH(QString, stored);
    QFETCH(QString, caption);
    QFETCH(bool, same);
    QCOMPARE(TMidiMenuBase::NameKey(stored) == TMidiMenuBase::NameKey(caption), same);
}

void TestMidiMenu::load_data() {
    QTest::addColumn<bool>("input");
    QTest::addColumn<QString>("regPath");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("defaultMapper");
    QTest::addColumn<QString>("checked");

    QTest::newRow("case and blanks differ")
        << false << ProgramPath << true << "foosynth:IN" << false << PeerIn;
    QTest::newRow("ALSA numbers in the stored name")
        << false << ProgramPath << true << "Foo Synth:in 130:0" << false << PeerIn;
    QTest::newRow("stored (none) beats the default")
        << false << ProgramPath << true << "(none)" << true << "none";
    QTest::newRow("missing with default mapper")
        << false << ProgramPath << false << QString() << true << "Midi-Mapper";
    QTest::newRow("missing without default")
        << false << ProgramPath << false << QString() << false << "none";
    QTest::newRow("device gone: no fallback")
        << false << ProgramPath << true << "Bar Synth:in" << true << "none";
    QTest::newRow("placeholder path loads nothing")
        << false << TMidiMenuBase::PlaceholderRegPath << true << PeerIn << true << "none";
    QTest::newRow("input: case and blanks differ")
        << true << ProgramPath << true << "FOOSYNTH:Out" << false << PeerOut;
    QTest::newRow("input: missing with default is the first device")
        << true << ProgramPath << false << QString() << true << PeerOut;
}

void TestMidiMenu::load() {
    QFETCH(bool, input);
    QFETCH(QString, regPath);
    QFETCH(bool, stored);
    QFETCH(QString, value);
    QFETCH(bool, defaultMapper);
    QFETCH(QString, checked);

    TIniFile Store(FDir->filePath(QStringLiteral("settings.ini")));
    const auto Menu = MakeMenu(input);
    if (stored)
        Store.WriteString(Section, Menu->ValueName(), value);
    Menu->SetRegPath(regPath);
    Menu->SetDefaultMidiMapper(defaultMapper);
    QStringList Log;
    Attach(*Menu, Log);

    Menu->Load(Store);
    QCOMPARE(Checked(*Menu), QStringList{checked});
    if (checked == "none") {
        QCOMPARE(Log, QStringList());
        QVERIFY(Menu->IsClosed());
    } else {
        QCOMPARE(Log, (QStringList{"Opened " + checked + " successfully.", "after open"}));
        QCOMPARE(Menu->DeviceName(), checked);
    }
}

void TestMidiMenu::clicks() {
    TMidiOutMenu Menu(nullptr, TMidiApi::maJack);
    Menu.SetBaseMenu(FBase);
    QStringList Log;
    Attach(Menu, Log);
    Entry(Menu, TMidiOutMenu::MapperCaption)->trigger();
    Entry(Menu, PeerIn)->trigger();
    QCOMPARE(Log, (QStringList{"Opened Midi-Mapper successfully.", "after open",
                               "Closing Midi-Mapper ...", "before close",
                               "Closed Midi-Mapper successfully.",
                               "Opened " + PeerIn + " successfully.", "after open"}));
    QCOMPARE(Checked(Menu), QStringList{PeerIn});

    // The open device's entry: nothing happens, and the click must not take its mark away.
    Log.clear();
    Entry(Menu, PeerIn)->trigger();
    QCOMPARE(Log, QStringList());
    QCOMPARE(Checked(Menu), QStringList{PeerIn});

    // "none" closes after the before-close handler could still release notes on the device.
    Menu.OnBeforeClose = [&](QObject *) { Menu.Output().Send(0x90, 60, 0); };
    Menu.Entries().first()->trigger();
    QCOMPARE(Log,
             (QStringList{"Closing " + PeerIn + " ...", "Closed " + PeerIn + " successfully."}));
    QCOMPARE(Checked(Menu), QStringList{"none"});
    QCOMPARE(Menu.DeviceID(), TMidiMenuBase::NoDevice);
    QVERIFY(FPeer->WaitForReceived(1 + 16)); // the release, then All Notes Off on 16 channels
    QCOMPARE(FPeer->Received().front(), (TBytes{0x90, 60, 0}));

    Log.clear();
    Menu.Entries().first()->trigger(); // nothing open: no texts
    QCOMPARE(Log, QStringList());
    QCOMPARE(Checked(Menu), QStringList{"none"});
}

void TestMidiMenu::failures_data() {
    QTest::addColumn<TFakeMenu::TFault>("fault");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("error");
    QTest::newRow("device stays closed") << TFakeMenu::TFault::StaysClosed << "Fake 1"
                                         << "Fake 1 could not be opened.";
    QTest::newRow("selection falls back") << TFakeMenu::TFault::FallsBack << "Fake 1"
                                          << "Invalid Device ID ?!";
    QTest::newRow("driver raises") << TFakeMenu::TFault::OpenThrows << "Fake 1"
                                   << "driver refused";
    QTest::newRow("closing raises") << TFakeMenu::TFault::CloseThrows << "none"
                                    << "reset failed";
}

void TestMidiMenu::failures() {
    QFETCH(TFakeMenu::TFault, fault);
    QFETCH(QString, click);
    QFETCH(QString, error);

    TFakeMenu Menu(nullptr);
    Menu.SetBaseMenu(FBase);
    QCOMPARE(Layout(Menu.Entries()), (QStringList{"none=30000", "-", "Fake 0=0", "Fake 1=1"}));
    Entry(Menu, "Fake 0")->trigger();
    QStringList Log;
    Attach(Menu, Log);

    Menu.Fault = fault;
    Entry(Menu, click)->trigger();
    QStringList Expected{"Closing Fake 0 ...", "before close"};
    if (fault != TFakeMenu::TFault::CloseThrows)
        Expected << "Closed Fake 0 successfully.";
    QCOMPARE(Log, Expected << "error: " + error);
    QVERIFY(Menu.IsClosed());
    QCOMPARE(Menu.DeviceID(), TMidiMenuBase::NoDevice);
    QCOMPARE(Checked(Menu), QStringList{"none"});
}

void TestMidiMenu::vanishedPortReportsAndStaysClosed() {
    auto Gone = std::make_unique<TJackPeer>(QStringLiteral("Gone Synth"));
    QVERIFY(Gone->IsValid());
    TMidiOutMenu Menu(nullptr, TMidiApi::maJack);
    Menu.SetBaseMenu(FBase);
    QAction *GoneEntry = Entry(Menu, QStringLiteral("Gone Synth:in"));
    QVERIFY(GoneEntry);
    Gone.reset();
    QStringList Log;
    Attach(Menu, Log);

    GoneEntry->trigger();
    QCOMPARE(Log.size(), 1);
    QVERIFY2(Log.front().startsWith("error: ") && Log.front().contains("Gone Synth:in"),
             qPrintable(Log.front()));
    QVERIFY(Menu.IsClosed());
    QCOMPARE(Checked(Menu), QStringList{"none"});
}

void TestMidiMenu::saveAndLoadBack_data() {
    QTest::addColumn<bool>("input");
    QTest::addColumn<QString>("open");
    QTest::addColumn<bool>("activeSensing");
    QTest::addColumn<bool>("timingClock");
    QTest::addColumn<QString>("value");

    QTest::newRow("output closed") << false << "none" << false << false << "(none)";
    QTest::newRow("output device") << false << PeerIn << false << false << PeerIn;
    QTest::newRow("input closed, filters off") << true << "none" << false << false << "(none)";
    QTest::newRow("input device, both filters on") << true << PeerOut << true << true << PeerOut;
    QTest::newRow("input, only timing clock") << true << PeerOut << false << true << PeerOut;
}

void TestMidiMenu::saveAndLoadBack() {
    QFETCH(bool, input);
    QFETCH(QString, open);
    QFETCH(bool, activeSensing);
    QFETCH(bool, timingClock);
    QFETCH(QString, value);

    const QString File = FDir->filePath(QStringLiteral("export.ini"));
    {
        auto Menu = MakeMenu(input);
        if (auto *In = dynamic_cast<TMidiInMenu *>(Menu.get())) {
            In->SetActiveSensing(activeSensing);
            In->SetTimingClock(timingClock);
        }
        Entry(*Menu, open)->trigger();
        TIniFile Store(File);
        Menu->Save(Store);
        Store.UpdateFile();
    }
    TIniFile Store(File);
    QCOMPARE(Store.ReadString(Section, input ? "MidiIn" : "MidiOut", "missing"), value);
    QCOMPARE(Store.ValueExists(Section, "ActiveSensing"), input);
    QCOMPARE(Store.ValueExists(Section, "TimingClock"), input);

    // Loading brings back the same choice, also against the default that "(none)" must beat.
    auto Menu = MakeMenu(input);
    Menu->SetDefaultMidiMapper(true);
    auto *In = dynamic_cast<TMidiInMenu *>(Menu.get());
    if (In) {
        In->SetActiveSensing(!activeSensing);
        In->SetTimingClock(!timingClock);
    }
    Menu->Load(Store);
    QCOMPARE(Checked(*Menu), QStringList{open});
    if (In) {
        QCOMPARE(In->Input().ActiveSensing(), activeSensing);
        QCOMPARE(In->Input().TimingClock(), timingClock);
    }
}

void TestMidiMenu::loadedInputDeliversWithStoredFilters() {
    TIniFile Store(FDir->filePath(QStringLiteral("settings.ini")));
    Store.WriteString(Section, QStringLiteral("MidiIn"), PeerOut);
    Store.WriteBool(Section, QStringLiteral("ActiveSensing"), true);
    TMidiInMenu Menu(nullptr, TMidiApi::maJack);
    Menu.SetRegPath(ProgramPath);
    Menu.SetBaseMenu(FBase);
    QList<uint8_t> Statuses;
    Menu.SetDataHandler([&](TMidiInput &Input) {
        while (std::optional<TMidiEvent> Event = Input.TakeEvent())
            Statuses << Event->MidiMessage;
    });

    Menu.Load(Store);
    QVERIFY(!Menu.IsClosed());
    // Timing clock stays filtered, active sensing passes as stored; nothing at all would arrive
    // had the open not started the input.
    FPeer->Send({{0xF8}, {0xFE}, {0x90, 60, 100}});
    QTRY_COMPARE(Statuses, (QList<uint8_t>{0xFE, 0x90}));
}

void TestMidiMenu::serviceChangeRebuildsInPlace() {
    QAction *Before = FBase->addAction(QStringLiteral("MIDI service"));
    TMidiOutMenu Menu(nullptr, TMidiApi::maNone);
    Menu.SetBaseMenu(FBase);
    QAction *After = FBase->addAction(QStringLiteral("Refresh"));

    Menu.SetApi(TMidiApi::maJack);
    QCOMPARE(Menu.Api(), TMidiApi::maJack);
    QCOMPARE(Layout(Menu.Entries()),
             (QStringList{"none=30000", "-", "Midi-Mapper=-1", "Ondrel=0", PeerIn + "=1"}));
    QCOMPARE(FBase->actions(), QList<QAction *>{Before} + Menu.Entries() + QList{After});

    // The open device is closed properly before it goes.
    Entry(Menu, PeerIn)->trigger();
    QStringList Log;
    Attach(Menu, Log);
    Menu.SetApi(TMidiApi::maNone);
    QCOMPARE(Log, (QStringList{"Closing " + PeerIn + " ...", "before close",
                               "Closed " + PeerIn + " successfully."}));
    QCOMPARE(FBase->actions(), QList<QAction *>{Before} + Menu.Entries() + QList{After});
    QCOMPARE(Checked(Menu), QStringList{"none"});
}

void TestMidiMenu::ownPortsAreNotOffered() {
    // Our output feeding our input: with Midi Thru a note went round for ever.
    TMidiOutput Out(TMidiApi::maJack);
    Out.SetDeviceID(0);
    QVERIFY(Out.Open());
    TMidiInput In(TMidiApi::maJack);
    In.SetDeviceID(0);
    QVERIFY(In.Open());
    const auto InMenu = MakeMenu(true);
    TMidiOutMenu OutMenu(nullptr, TMidiApi::maJack);
    OutMenu.SetBaseMenu(FBar->addMenu(QStringLiteral("Midi In")));
    QCOMPARE(Layout(InMenu->Entries()), (QStringList{"none=30000", "-", PeerOut + "=0"}));
    QCOMPARE(Layout(OutMenu.Entries()),
             (QStringList{"none=30000", "-", "Midi-Mapper=-1", "Ondrel=0", PeerIn + "=1"}));
}

void TestMidiMenu::listFollowsPortsKeepingTheOpenDevice() {
    TMidiOutMenu Menu(nullptr, TMidiApi::maJack);
    Menu.SetBaseMenu(FBase);
    auto First = std::make_unique<TJackPeer>(QStringLiteral("First Synth"));
    TJackPeer Second(QStringLiteral("Second Synth"));
    QVERIFY(First->IsValid() && Second.IsValid());
    emit FBase->aboutToShow(); // started after the menu: there when it opens
    QVERIFY(Entry(Menu, "First Synth:in") && Entry(Menu, "Second Synth:in"));
    Entry(Menu, "Second Synth:in")->trigger();
    const int Before = Menu.DeviceID();
    QStringList Log;
    Attach(Menu, Log);

    First.reset(); // told by JACK, without the menu opening
    QTRY_VERIFY(!Entry(Menu, "First Synth:in"));
    QCOMPARE(Log, QStringList()); // neither closed nor opened again
    QCOMPARE(Checked(Menu), QStringList{"Second Synth:in"});
    QCOMPARE(Menu.DeviceID(), Before - 1);
    QCOMPARE(Entry(Menu, "Second Synth:in")->data().toInt(), Menu.DeviceID());
    Menu.Output().Send(0x90, 60, 100);
    QVERIFY(Second.WaitForReceived(1));
}

void TestMidiMenu::missingDeviceIsKeptAndOpensWhenItAppears_data() {
    QTest::addColumn<bool>("input");
    QTest::addColumn<QString>("name");
    QTest::newRow("output") << false << "Late Synth:in";
    QTest::newRow("input") << true << "Late Synth:out";
}

void TestMidiMenu::missingDeviceIsKeptAndOpensWhenItAppears() {
    QFETCH(bool, input);
    QFETCH(QString, name);
    TIniFile Store(FDir->filePath(QStringLiteral("settings.ini")));
    const auto Menu = MakeMenu(input);
    Menu->SetDefaultMidiMapper(true);
    Store.WriteString(Section, Menu->ValueName(), name);
    Menu->Load(Store);
    QCOMPARE(Checked(*Menu), QStringList{"none"});
    TIniFile Saved(FDir->filePath(QStringLiteral("saved.ini")));
    Menu->Save(Saved);
    QCOMPARE(Saved.ReadString(Section, Menu->ValueName(), QString()), name);

    TJackPeer Late(QStringLiteral("Late Synth"));
    QVERIFY(Late.IsValid());
    QTRY_COMPARE(Checked(*Menu), QStringList{name});
    QCOMPARE(Menu->DeviceName(), name);
}

QTEST_MAIN(TestMidiMenu)
#include "tst_midimenu.moc"
