// The MIDI devices against a real JACK server (dummy driver) that this test starts under a name
// of its own; a plain JACK client sends and receives on the other side.

#include "jackfixture.h"
#include "midi/circbuffer.h"
#include "midi/midibackend.h"
#include "midi/midierror.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <memory>
#include <thread>

Q_DECLARE_METATYPE(TBytes)

namespace {

TBytes Note(int Index) {
    return {0x90, uint8_t(Index & 0x7F), uint8_t(Index >> 7)};
}

TBytes Sysex(size_t Size, uint8_t Seed = 0) {
    TBytes Bytes(Size);
    for (size_t i = 0; i < Size; ++i)
        Bytes[i] = uint8_t((i + Seed) % 0x80);
    Bytes.front() = 0xF0;
    Bytes.back() = 0xF7;
    return Bytes;
}

TBytes ShortBytes(const TMidiEvent &Event) {
    return {Event.MidiMessage, Event.Data1, Event.Data2};
}

// Waits without running the UI thread's events, as if it were busy.
bool WaitWithoutEvents(const std::function<bool()> &Done, int TimeoutMs = 5000) {
    QDeadlineTimer Deadline(TimeoutMs);
    while (!Done()) {
        if (Deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
    return true;
}

// An input opened on the peer's port, started, with handlers that collect what arrives.
struct TCollectingInput {
    TMidiInput Input{TMidiApi::maJack};
    std::vector<TMidiEvent> Events;
    int DataCalls = 0;
    int OverflowCalls = 0;
    std::function<void(const TMidiEvent &)> OnTaken;

    TJackPeer &Peer;

    explicit TCollectingInput(TJackPeer &Peer) : Peer(Peer) {
        const QString Source = Peer.OutPort();
        Input.DataHandler = [this](TMidiInput &In) {
            ++DataCalls;
            while (std::optional<TMidiEvent> Event = In.TakeEvent()) {
                if (OnTaken)
                    OnTaken(*Event);
                Events.push_back(std::move(*Event));
            }
        };
        Input.OverflowHandler = [this](TMidiInput &) { ++OverflowCalls; };
        for (int i = 0; i < Input.DeviceCount(); ++i) {
            Input.SetDeviceID(i);
            if (Input.DeviceName() == Source)
                break;
            Input.SetDeviceID(TMidiInput::NoDevice);
        }
    }
    bool Open() { return Input.Open() && Peer.WaitCycles(); }
    bool OpenAndStart() {
        if (!Open())
            return false;
        Input.Start();
        return true;
    }
};

} // namespace

class TestMidi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void errorTexts_data();
    void errorTexts();
    void circularBufferKeepsOrderAcrossTheWrap();
    void apiNamesRoundTrip();
    void automaticChoiceFallsBackToJack();
    void withoutServiceNothingOpens_data();
    void withoutServiceNothingOpens();

    void deviceSelection_data();
    void deviceSelection();
    void changingDeviceWhileOpen_data();
    void changingDeviceWhileOpen();

    void sentMessageArrives_data();
    void sentMessageArrives();
    void closeSilencesAndLaterSendsGoNowhere();
    void sentAfterAThruNoteNeverOvertakesIt();

    void burstBeyondCapacityLosesOnlyTheLast();
    void realtimeFiltersTakeEffectWhileOpen_data();
    void realtimeFiltersTakeEffectWhileOpen();
    void sysexArrivesWhole_data();
    void sysexArrivesWhole();
    void longBuffersRunOutAndComeBack();
    void timestampsCountFromStart();
    void closeWhilePendingFreesAndStoresNothingMore();

    void serverGoingAwayDoesNotHangOrCrash();
    void watchedInputOpensAgainAfterItsSourceQuit();
    void sharedQuestionsFollowTheServer();
    void outputAndInputShareOneClient();

private:
    QString FServerName;
    TJackServer FServer;
    std::unique_ptr<TJackPeer> FPeer;
};

void TestMidi::initTestCase() {
    // The pid alone may repeat where sandboxes share /dev/shm but not their process ids.
    FServerName = QStringLiteral("ondrel-test-%1-%2")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QRandomGenerator::global()->generate() % 100000);
    if (!FServer.Start(FServerName))
        QFAIL(qPrintable(FServer.ErrorText()));
}

void TestMidi::cleanupTestCase() {
    FServer.Stop();
}

void TestMidi::init() {
    FPeer = std::make_unique<TJackPeer>();
    QVERIFY2(FPeer->IsValid(), "the test client cannot join the JACK server");
}

void TestMidi::cleanup() {
    FPeer.reset();
}

void TestMidi::errorTexts_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("serviceText");
    QTest::addColumn<QString>("message");
    QTest::newRow("service text") << 8 << "port gone"
                                  << "port gone";
    QTest::newRow("service gave none") << 2 << ""
                                       << "Unspecified error";
    QTest::newRow("blank counts as none") << 5 << "  "
                                          << "Unspecified error";
}

void TestMidi::errorTexts() {
    QFETCH(int, code);
    QFETCH(QString, serviceText);
    QFETCH(QString, message);
    const EMidiOutputError Output(code, serviceText);
    QCOMPARE(Output.Message(), message);
    QCOMPARE(Output.ErrorCode(), code);
    const EMidiInputError Input(code, serviceText);
    QCOMPARE(Input.Message(), message);
    QCOMPARE(Input.ErrorCode(), code);
}

void TestMidi::circularBufferKeepsOrderAcrossTheWrap() {
    const auto Entry = [](uint8_t i) { return TCircEntry{i, {0x90, i, 1}, nullptr}; };
    TCircBuffer Buffer(3);
    for (uint8_t i = 1; i <= 3; ++i)
        QVERIFY(Buffer.Store(Entry(i)));
    QVERIFY(!Buffer.Store(Entry(4)));
    QCOMPARE(Buffer.Peek()->Message.Data1, 1);
    QVERIFY(Buffer.Remove());
    QVERIFY(Buffer.Store(Entry(5))); // written at the start of the array
    QList<int> Order;
    while (std::optional<TCircEntry> Taken = Buffer.Peek()) {
        Order << Taken->Message.Data1;
        Buffer.Remove();
    }
    QCOMPARE(Order, (QList<int>{2, 3, 5}));
    QVERIFY(!Buffer.Remove());
    QCOMPARE(Buffer.Count(), 0);
}

void TestMidi::apiNamesRoundTrip() {
    for (TMidiApi Api : {TMidiApi::maAuto, TMidiApi::maAlsa, TMidiApi::maJack, TMidiApi::maWinMM,
                         TMidiApi::maCoreMidi, TMidiApi::maNone})
        QCOMPARE(MidiBackend::ApiFromName(MidiBackend::ApiName(Api)), Api);
    QCOMPARE(MidiBackend::ApiFromName(QStringLiteral(" JACK ")), TMidiApi::maJack);
    QCOMPARE(MidiBackend::ApiFromName(QStringLiteral("something else")), TMidiApi::maAuto);
}

void TestMidi::automaticChoiceFallsBackToJack() {
    if (MidiBackend::ApiStarts(TMidiApi::maAlsa))
        QSKIP("the ALSA sequencer works here, so it is chosen first");
    TMidiOutput Output;
    QCOMPARE(Output.Api(), TMidiApi::maJack);
    TMidiInput Input;
    QCOMPARE(Input.Api(), TMidiApi::maJack);
}

void TestMidi::withoutServiceNothingOpens_data() {
    QTest::addColumn<TMidiApi>("api");
    QTest::addColumn<QString>("error");
    QTest::newRow("forced JACK, no server")
        << TMidiApi::maJack << QStringLiteral("The JACK MIDI service is not running.");
    QTest::newRow("automatic, nothing starts") << TMidiApi::maAuto << MidiBackend::NoServiceText();
}

void TestMidi::withoutServiceNothingOpens() {
    QFETCH(TMidiApi, api);
    QFETCH(QString, error);
    if (api == TMidiApi::maAuto && MidiBackend::ApiStarts(TMidiApi::maAlsa))
        QSKIP("the ALSA sequencer works here");
    // Point this process at a server that does not exist.
    qputenv("JACK_DEFAULT_SERVER", "ondrel-test-nobody");
    const auto Restore =
        qScopeGuard([this] { qputenv("JACK_DEFAULT_SERVER", FServerName.toUtf8()); });

    TMidiOutput Output(api);
    QCOMPARE(Output.DeviceCount(), 0);
    Output.SetDeviceID(0);
    QCOMPARE(Output.DeviceID(), TMidiOutput::NoDevice);
    QVERIFY(!Output.Open());
    Output.Send(0x90, 60, 100); // nothing open: dropped, no error
    // Nor can our own port be made. (The Midi-Mapper, the built-in synthesizer, needs no MIDI
    // service: tst_synth.)
    try {
        MidiBackend::OpenOutPort(Output.Api(), QStringLiteral("Ondrel"), QStringLiteral("Ondrel"),
                                 QString());
        QFAIL("opening without a MIDI service succeeded");
    } catch (const EMidiOutputError &Error) {
        QCOMPARE(Error.Message(), error);
    }

    TMidiInput Input(api);
    QCOMPARE(Input.DeviceCount(), 0);
    Input.SetDeviceID(0);
    QCOMPARE(Input.DeviceID(), TMidiInput::NoDevice);
    QVERIFY(!Input.Open());
    QCOMPARE(Input.EventCount(), 0);
    QVERIFY(!Input.TakeEvent());
}

void TestMidi::deviceSelection_data() {
    QTest::addColumn<bool>("input");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("expectedId");
    QTest::addColumn<QString>("expectedName");

    const int None = TMidiOutput::NoDevice;
    // The output sees our own port and the peer's input; the input sees the peer's output.
    QTest::newRow("output: 5 of 2") << false << 5 << None << QString();
    QTest::newRow("output: 2 of 2") << false << 2 << None << QString();
    QTest::newRow("output: below the mapper") << false << -2 << None << QString();
    QTest::newRow("output: mapper") << false << -1 << -1 << "Midi-Mapper";
    QTest::newRow("output: own port") << false << 0 << 0 << "Ondrel";
    QTest::newRow("output: peer") << false << 1 << 1 << "ondrel-peer:in";
    QTest::newRow("input: 5 of 1") << true << 5 << None << QString();
    QTest::newRow("input: no mapper") << true << -1 << None << QString();
    QTest::newRow("input: peer") << true << 0 << 0 << "ondrel-peer:out";
}

void TestMidi::deviceSelection() {
    QFETCH(bool, input);
    QFETCH(int, id);
    QFETCH(int, expectedId);
    QFETCH(QString, expectedName);

    if (input) {
        TMidiInput Input(TMidiApi::maJack);
        QCOMPARE(Input.DeviceCount(), 1);
        Input.SetDeviceID(0); // a name left from before must not survive
        Input.SetDeviceID(id);
        QCOMPARE(Input.DeviceID(), expectedId);
        QCOMPARE(Input.DeviceName(), expectedName);
        QCOMPARE(Input.Open(), expectedId != TMidiInput::NoDevice);
        QCOMPARE(Input.IsClosed(), expectedId == TMidiInput::NoDevice);
    } else {
        TMidiOutput Output(TMidiApi::maJack);
        QCOMPARE(Output.DeviceCount(), 2);
        Output.SetDeviceID(0);
        Output.SetDeviceID(id);
        QCOMPARE(Output.DeviceID(), expectedId);
        QCOMPARE(Output.DeviceName(), expectedName);
        QCOMPARE(Output.Open(), expectedId != TMidiOutput::NoDevice);
        QCOMPARE(Output.IsClosed(), expectedId == TMidiOutput::NoDevice);
    }
}

void TestMidi::changingDeviceWhileOpen_data() {
    QTest::addColumn<bool>("input");
    QTest::newRow("output") << false;
    QTest::newRow("input") << true;
}

void TestMidi::changingDeviceWhileOpen() {
    QFETCH(bool, input);
    const QString Text = QStringLiteral("Change to DeviceID while device was open");
    if (input) {
        TCollectingInput In(*FPeer);
        QVERIFY(In.OpenAndStart());
        const int Id = In.Input.DeviceID();
        try {
            In.Input.SetDeviceID(TMidiInput::NoDevice);
            QFAIL("no error");
        } catch (const EMidiInputError &Error) {
            QCOMPARE(Error.Message(), Text);
        }
        QCOMPARE(In.Input.DeviceID(), Id);
        QVERIFY(!In.Input.IsClosed());
        FPeer->Send({Note(5)});
        QTRY_COMPARE(In.Events.size(), size_t(1));
    } else {
        TMidiOutput Output(TMidiApi::maJack);
        Output.SetDeviceID(1);
        QVERIFY(Output.Open());
        try {
            Output.SetDeviceID(0);
            QFAIL("no error");
        } catch (const EMidiOutputError &Error) {
            QCOMPARE(Error.Message(), Text);
            QCOMPARE(Error.ErrorCode(), 0);
        }
        QCOMPARE(Output.DeviceID(), 1);
        QVERIFY(!Output.IsClosed());
        Output.Send(0x90, 60, 1);
        QVERIFY(FPeer->WaitForReceived(1));
        QCOMPARE(FPeer->Received().front(), (TBytes{0x90, 60, 1}));
    }
}

void TestMidi::sentMessageArrives_data() {
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("vel");
    QTest::addColumn<TBytes>("expected");

    QTest::newRow("note on, own port") << 0 << 0x90 << 60 << 100 << TBytes{0x90, 60, 100};
    QTest::newRow("release, peer port") << 1 << 0x93 << 61 << 0 << TBytes{0x93, 61, 0};
    QTest::newRow("pitch bend, own port") << 0 << 0xE0 << 0 << 64 << TBytes{0xE0, 0, 64};
    QTest::newRow("program change is two bytes") << 1 << 0xC5 << 7 << 99 << TBytes{0xC5, 7};
}

void TestMidi::sentMessageArrives() {
    QFETCH(int, device);
    QFETCH(int, typ);
    QFETCH(int, note);
    QFETCH(int, vel);
    QFETCH(TBytes, expected);

    TMidiOutput Output(TMidiApi::maJack);
    Output.SetDeviceID(device);
    QVERIFY(Output.Open());
    if (device == 0) {
        const QString OwnPort =
            FPeer->FindPort(QStringLiteral("^Ondrel[^:]*:Ondrel$"), JackPortIsOutput);
        QVERIFY2(!OwnPort.isEmpty(), "our own port is not in the JACK graph");
        QVERIFY(FPeer->Connect(OwnPort, FPeer->InPort()));
    }
    // The connection, made by Open or above, carries messages only from a later cycle on.
    QVERIFY(FPeer->WaitCycles());
    Output.Send(uint8_t(typ), uint8_t(note), uint8_t(vel));
    QVERIFY(FPeer->WaitForReceived(1));
    QCOMPARE(FPeer->Received().front(), expected);
}

void TestMidi::closeSilencesAndLaterSendsGoNowhere() {
    TMidiOutput Output(TMidiApi::maJack);
    Output.Send(0x90, 1, 1); // never opened
    Output.SetDeviceID(1);
    QVERIFY(Output.Open());
    QVERIFY(FPeer->WaitCycles()); // a new connection carries messages from a later cycle on
    Output.Send(0x90, 60, 100);
    QVERIFY(Output.Close());
    QVERIFY(Output.IsClosed());
    Output.Send(0x90, 2, 2); // closed again

    QVERIFY(Output.Open());
    QVERIFY(FPeer->WaitCycles());
    Output.Send(0x80, 60, 0); // marks the end of what the closed port let through
    std::vector<TBytes> Expected{{0x90, 60, 100}};
    for (uint8_t Channel = 0; Channel < 16; ++Channel)
        Expected.push_back({uint8_t(0xB0 | Channel), 123, 0});
    Expected.push_back({0x80, 60, 0});
    QVERIFY(FPeer->WaitForReceived(Expected.size()));
    QTest::qWait(50);
    QCOMPARE(FPeer->Received(), Expected);
}

// The UI thread ends a note played through (thru switched off) just after the input's thread
// sent it: at the receiver the note-off must follow the note-on, also within one period.
void TestMidi::sentAfterAThruNoteNeverOvertakesIt() {
    TMidiOutput Output(TMidiApi::maJack);
    Output.SetDeviceID(1);
    QVERIFY(Output.Open());
    QVERIFY(FPeer->WaitCycles());
    for (uint8_t Note = 60; Note < 70; ++Note) {
        const uint8_t On[3] = {0x90, Note, 100};
        std::thread Service([&] { QVERIFY(Output.SendFromCallback(On, 3, 100)); });
        Service.join();
        Output.Send(0x90, Note, 0);
        QVERIFY(FPeer->WaitCycles(1));
    }
    QVERIFY(FPeer->WaitForReceived(20));
    const std::vector<TBytes> Received = FPeer->Received();
    for (size_t i = 0; i + 1 < Received.size(); i += 2) {
        QCOMPARE(Received[i][2], uint8_t(100));
        QCOMPARE(Received[i + 1][2], uint8_t(0));
    }
}

void TestMidi::burstBeyondCapacityLosesOnlyTheLast() {
    TCollectingInput In(*FPeer);
    QVERIFY(In.OpenAndStart());
    std::vector<TBytes> Burst;
    for (int i = 0; i <= TMidiInput::EventCapacity; ++i)
        Burst.push_back(Note(i));
    FPeer->Send(Burst);
    QVERIFY(FPeer->WaitUntilSent());
    // The UI thread is busy: everything arrives before it gets to the notices.
    QVERIFY(WaitWithoutEvents([&] { return In.Input.EventCount() == TMidiInput::EventCapacity; }));
    QThread::msleep(100); // room for the one that does not fit
    QCOMPARE(In.DataCalls, 0);

    QTRY_COMPARE(In.Events.size(), size_t(TMidiInput::EventCapacity));
    QTRY_COMPARE(In.OverflowCalls, 1);
    QTest::qWait(50);
    QCOMPARE(In.DataCalls, 1);
    for (int i = 0; i < TMidiInput::EventCapacity; ++i)
        QCOMPARE(ShortBytes(In.Events[size_t(i)]), Note(i));
    QCOMPARE(In.Input.EventCount(), 0);
}

void TestMidi::realtimeFiltersTakeEffectWhileOpen_data() {
    QTest::addColumn<int>("status");
    QTest::newRow("active sensing") << 0xFE;
    QTest::newRow("timing clock") << 0xF8;
}

void TestMidi::realtimeFiltersTakeEffectWhileOpen() {
    QFETCH(int, status);
    TCollectingInput In(*FPeer);
    auto Pass = [&](bool Value) {
        if (status == 0xFE)
            In.Input.SetActiveSensing(Value);
        else
            In.Input.SetTimingClock(Value);
    };
    QVERIFY(In.OpenAndStart());
    const TBytes RealTime{uint8_t(status)};

    FPeer->Send({RealTime, Note(1)});
    QTRY_COMPARE(In.Events.size(), size_t(1));
    QCOMPARE(ShortBytes(In.Events[0]), Note(1));

    Pass(true);
    FPeer->Send({RealTime, Note(2)});
    QTRY_COMPARE(In.Events.size(), size_t(3));
    QCOMPARE(In.Events[1].MidiMessage, uint8_t(status));
    QCOMPARE(ShortBytes(In.Events[2]), Note(2));

    Pass(false);
    FPeer->Send({RealTime, Note(3)});
    QTRY_COMPARE(In.Events.size(), size_t(4));
    QCOMPARE(ShortBytes(In.Events[3]), Note(3));
}

void TestMidi::sysexArrivesWhole_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("parts");
    QTest::addColumn<int>("splitAt"); // the sender's second JACK event starts here; 0: one event
    QTest::newRow("300 bytes, one event") << 300 << QList<int>{300} << 0;
    QTest::newRow("one full long buffer") << 1000 << QList<int>{1000} << 0;
    QTest::newRow("2500 bytes, in order over three") << 2500 << QList<int>{1000, 1000, 500} << 0;
    QTest::newRow("sent in two events, a clock between") << 400 << QList<int>{400} << 150;
}

void TestMidi::sysexArrivesWhole() {
    QFETCH(int, size);
    QFETCH(QList<int>, parts);
    QFETCH(int, splitAt);
    TCollectingInput In(*FPeer);
    QList<int> FreeWhenTaken;
    In.OnTaken = [&](const TMidiEvent &) { FreeWhenTaken << In.Input.FreeLongBuffers(); };
    QVERIFY(In.OpenAndStart());
    const TBytes Block = Sysex(size_t(size));
    if (splitAt == 0)
        FPeer->Send({Block, Note(9)});
    else // the clock is filtered out by default: only the message and the note arrive
        FPeer->Send({TBytes(Block.begin(), Block.begin() + splitAt),
                     {0xF8},
                     TBytes(Block.begin() + splitAt, Block.end()),
                     Note(9)});
    QTRY_COMPARE(In.Events.size(), size_t(parts.size() + 1));

    TBytes Joined;
    for (int i = 0; i < parts.size(); ++i) {
        const TMidiEvent &Event = In.Events[size_t(i)];
        QVERIFY(Event.IsSysex());
        QCOMPARE(Event.MidiMessage, uint8_t(0xF0));
        QCOMPARE(Event.Data1, uint8_t(0));
        QCOMPARE(Event.Data2, uint8_t(0));
        QCOMPARE(int(Event.SysexLength()), parts[i]);
        Joined.insert(Joined.end(), Event.Sysex.begin(), Event.Sysex.end());
    }
    QCOMPARE(Joined, Block);
    QCOMPARE(ShortBytes(In.Events.back()), Note(9));
    // Each long buffer was back with the device before its event was handed out.
    for (int i = 0; i < parts.size(); ++i)
        QCOMPARE(FreeWhenTaken[i], TMidiInput::LongBufferCount - parts.size() + 1 + i);
    QCOMPARE(In.Input.FreeLongBuffers(), TMidiInput::LongBufferCount);
}

void TestMidi::longBuffersRunOutAndComeBack() {
    TCollectingInput In(*FPeer);
    QVERIFY(In.OpenAndStart());
    std::vector<TBytes> Burst;
    for (uint8_t i = 0; i < 20; ++i)
        Burst.push_back(Sysex(300, i));
    for (int Round = 1; Round <= 2; ++Round) {
        FPeer->Send(Burst);
        QVERIFY(FPeer->WaitUntilSent());
        QVERIFY(WaitWithoutEvents(
            [&] { return In.Input.EventCount() == TMidiInput::LongBufferCount; }));
        QThread::msleep(50);
        QTRY_COMPARE(In.Events.size(), size_t(Round * TMidiInput::LongBufferCount));
        QTRY_COMPARE(In.OverflowCalls, Round);
        for (int i = 0; i < TMidiInput::LongBufferCount; ++i)
            QCOMPARE(In.Events[size_t((Round - 1) * TMidiInput::LongBufferCount + i)].Sysex,
                     Burst[size_t(i)]);
    }
}

void TestMidi::timestampsCountFromStart() {
    TCollectingInput In(*FPeer);
    QVERIFY(In.Open());
    FPeer->Send({Note(1)}); // before Start: not stored
    QVERIFY(FPeer->WaitUntilSent());
    QTest::qWait(50);
    QCOMPARE(In.Input.EventCount(), 0);

    In.Input.Start();
    QTest::qWait(300);
    FPeer->Send({Note(2)});
    QTRY_COMPARE(In.Events.size(), size_t(1));
    QCOMPARE(ShortBytes(In.Events[0]), Note(2));
    QVERIFY2(In.Events[0].Time >= 250 && In.Events[0].Time < 5000,
             qPrintable(QString::number(In.Events[0].Time)));
}

void TestMidi::closeWhilePendingFreesAndStoresNothingMore() {
    TCollectingInput In(*FPeer);
    QVERIFY(In.OpenAndStart());
    FPeer->Send({Note(1), Note(2), Sysex(300), Note(3)});
    QVERIFY(WaitWithoutEvents([&] { return In.Input.EventCount() == 4; }));
    In.Input.Close();
    QVERIFY(In.Input.IsClosed());
    QCOMPARE(In.Input.EventCount(), 0);
    QVERIFY(!In.Input.TakeEvent());

    FPeer->Send({Note(4)});
    QVERIFY(FPeer->WaitUntilSent());
    QTest::qWait(100); // the notices posted before closing find nothing
    QCOMPARE(In.DataCalls, 0);
    QCOMPARE(In.Input.EventCount(), 0);

    QVERIFY(In.OpenAndStart());
    QCOMPARE(In.Input.EventCount(), 0);
    FPeer->Send({Note(5)});
    QTRY_COMPARE(In.Events.size(), size_t(1));
    QCOMPARE(ShortBytes(In.Events[0]), Note(5));
}

void TestMidi::serverGoingAwayDoesNotHangOrCrash() {
    auto Output = std::make_unique<TMidiOutput>(TMidiApi::maJack);
    Output->SetDeviceID(1);
    QVERIFY(Output->Open());
    TCollectingInput In(*FPeer);
    QVERIFY(In.OpenAndStart());
    Output->Send(0x90, 60, 100);
    QVERIFY(FPeer->WaitForReceived(1));

    FPeer.reset();
    FServer.Stop();

    // Fills far more than RtMidi's JACK buffer holds: without the error it would block.
    QString Message;
    QDeadlineTimer Deadline(5000);
    for (int i = 0; Message.isEmpty() && !Deadline.hasExpired(); ++i) {
        try {
            Output->Send(0x90, uint8_t(i & 0x7F), 1);
        } catch (const EMidiOutputError &Error) {
            Message = Error.Message();
        }
        if (i % 100 == 99)
            QThread::msleep(5);
    }
    QVERIFY2(!Message.isEmpty(), "sending never reported the lost server");
    QVERIFY2(Message.contains(QStringLiteral("JACK")), qPrintable(Message));
    QVERIFY_THROWS_EXCEPTION(EMidiOutputError, Output->Send(0x90, 60, 0));

    QVERIFY(Output->Close());
    QVERIFY(Output->IsClosed());
    In.Input.Close();
    QVERIFY(In.Input.IsClosed());
    Output.reset();

    if (!FServer.Start(FServerName))
        QFAIL(qPrintable(FServer.ErrorText()));
    FPeer = std::make_unique<TJackPeer>();
}

namespace {
QStringList SourceNames() {
    TMidiInput Lister(TMidiApi::maJack);
    QStringList Names;
    for (int i = 0; i < Lister.DeviceCount(); ++i) {
        Lister.SetDeviceID(i);
        Names << Lister.DeviceName();
    }
    return Names;
}
} // namespace

void TestMidi::sharedQuestionsFollowTheServer() {
    // A window's start-up asks its questions through one kept connection. What it is told must
    // still be the server's present state: a port that came later, a server that went away,
    // another one started under the same name.
    const std::shared_ptr<void> Scope = MidiBackend::HoldQueries();
    QVERIFY(SourceNames().contains(FPeer->OutPort()));
    auto Late = std::make_unique<TJackPeer>(QStringLiteral("ondrel-late"));
    QVERIFY(SourceNames().contains(Late->OutPort()));
    Late.reset();
    QVERIFY(!SourceNames().contains(QStringLiteral("ondrel-late:out")));

    FPeer.reset();
    FServer.Stop();
    QTRY_VERIFY(!MidiBackend::ApiStarts(TMidiApi::maJack));
    QCOMPARE(SourceNames(), QStringList());

    if (!FServer.Start(FServerName))
        QFAIL(qPrintable(FServer.ErrorText()));
    FPeer = std::make_unique<TJackPeer>();
    QCOMPARE(SourceNames(), QStringList{FPeer->OutPort()});
    QVERIFY(MidiBackend::ApiStarts(TMidiApi::maJack));
    TCollectingInput In(*FPeer);
    QVERIFY(In.OpenAndStart());
    FPeer->Send({Note(7)});
    QTRY_COMPARE(In.Events.size(), size_t(1));
}

void TestMidi::outputAndInputShareOneClient() {
    // JACK wakes a thread of every client at every period: the program's output and input are
    // ports of one client.
    TMidiOutput Output(TMidiApi::maJack);
    Output.SetDeviceID(0);
    QVERIFY(Output.Open());
    TCollectingInput In(*FPeer);
    QVERIFY(In.OpenAndStart());
    const QString OwnOut = FPeer->FindPort(QStringLiteral("^Ondrel:Ondrel$"), JackPortIsOutput);
    QCOMPARE(OwnOut, QStringLiteral("Ondrel:Ondrel"));
    QCOMPARE(FPeer->FindPort(QStringLiteral("^Ondrel:in$"), JackPortIsInput),
             QStringLiteral("Ondrel:in"));

    // A second output of the same port name at once gets a client of its own; both send.
    TMidiOutput Second(TMidiApi::maJack);
    Second.SetDeviceID(0);
    QVERIFY(Second.Open());
    const QString SecondOut =
        FPeer->FindPort(QStringLiteral("^Ondrel-[0-9]+:Ondrel$"), JackPortIsOutput);
    QVERIFY2(!SecondOut.isEmpty(), "the second output has no port");
    QVERIFY(FPeer->Connect(OwnOut, FPeer->InPort()));
    QVERIFY(FPeer->Connect(SecondOut, FPeer->InPort()));
    QVERIFY(FPeer->WaitCycles());
    Output.Send(0x90, 60, 100);
    Second.Send(0x90, 61, 100);
    QVERIFY(FPeer->WaitForReceived(2));

    // The input goes on receiving on the shared client when the outputs close.
    QVERIFY(Output.Close());
    QVERIFY(Second.Close());
    FPeer->Send({Note(9)});
    QTRY_COMPARE(In.Events.size(), size_t(1));
    QCOMPARE(ShortBytes(In.Events[0]), Note(9));
}

void TestMidi::watchedInputOpensAgainAfterItsSourceQuit() {
    // The program the input listens to quits; the user then picks a device anew. The server's
    // cycles must go on (a server in sync mode waits for every client at every cycle).
    auto source = std::make_unique<TJackPeer>(QStringLiteral("ondrel-leaving"));
    QVERIFY(source->IsValid());
    {
        TCollectingInput In(*source);
        In.Input.OnServiceGone = [] {};
        QVERIFY(In.OpenAndStart());
        source->Send({{0x90, 61, 100}});
        QTRY_COMPARE(In.Events.size(), size_t(1));
        source.reset();
        QVERIFY(FPeer->WaitCycles(3, 2000));
        In.Input.Close();
    }
    TCollectingInput Again(*FPeer);
    Again.Input.OnServiceGone = [] {};
    QVERIFY(Again.OpenAndStart());
    FPeer->Send({{0x90, 60, 100}});
    QTRY_COMPARE(Again.Events.size(), size_t(1));
    QVERIFY(FPeer->WaitCycles(20, 2000));
}

QTEST_GUILESS_MAIN(TestMidi)
#include "tst_midi.moc"
