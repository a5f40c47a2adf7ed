#include "app/controllermapping.h"
#include "controls/joystick.h"
#include "core/inifile.h"
#include "fakejoystick.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// "x,y,z,buttons" as a reading of the fake stick.
TJoystickState StateOf(const QString &Text) {
    const QStringList parts = Text.split(QLatin1Char(','));
    return TJoystickState{parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt(),
                          parts.value(3).toUInt()};
}

// Every event of the component as a line of text, in the order raised.
void Record(TJoystick &Joystick, QStringList &Log) {
    Joystick.OnXYMove = [&Log](TJoystick *, int x, int y, TJoystickButtons b) {
        Log << QStringLiteral("xy %1 %2 b%3").arg(x).arg(y).arg(b);
    };
    Joystick.OnZMove = [&Log](TJoystick *, int z, TJoystickButtons b) {
        Log << QStringLiteral("z %1 b%2").arg(z).arg(b);
    };
    Joystick.OnButtonDown = [&Log](TJoystick *, TJoystickButton b) {
        Log << QStringLiteral("down %1").arg(b);
    };
    Joystick.OnButtonUp = [&Log](TJoystick *, TJoystickButton b) {
        Log << QStringLiteral("up %1").arg(b);
    };
}

} // namespace

class TestJoystick : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scale_data();
    void scale();
    void scaleUsesEachAxisOwnRange();
    void capturePeriod_data();
    void capturePeriod();
    void deviceChoice();
    void eventsOnlyOnChange_data();
    void eventsOnlyOnChange();
    void timerReadsTheDevice();
    void unplugWhileEnabledStopsQuietly();
    void missingDeviceLeavesEverythingZero();

    void wheelController_data();
    void wheelController();
    void wheelPitch_data();
    void wheelPitch();
    void mapStoreRoundTrip();
    void mapReadsBadValuesAsNone_data();
    void mapReadsBadValuesAsNone();
};

void TestJoystick::scale_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expected");
    QTest::newRow("just below the middle") << 0 << 65535 << 0 << 127 << 32767 << 63;
    QTest::newRow("just above the middle") << 0 << 65535 << 0 << 127 << 32768 << 64;
    QTest::newRow("top") << 0 << 65535 << 0 << 127 << 65535 << 127;
    QTest::newRow("bottom") << 0 << 65535 << 0 << 127 << 0 << 0;
    QTest::newRow("pitch bend range") << 0 << 65535 << 0 << 16383 << 65535 << 16383;
    QTest::newRow("half rounds to even: 63.5") << 100 << 300 << 0 << 127 << 200 << 64;
    QTest::newRow("half rounds to even: 62.5") << 100 << 300 << 0 << 125 << 200 << 62;
    QTest::newRow("target with an offset") << 0 << 100 << 10 << 20 << 50 << 15;
    QTest::newRow("below the range clamps") << 100 << 300 << 0 << 127 << 0 << 0;
    QTest::newRow("above the range clamps") << 100 << 300 << 0 << 127 << 1000 << 127;
    QTest::newRow("empty axis range") << 500 << 500 << 0 << 127 << 500 << 0;
    QTest::newRow("empty target range") << 0 << 65535 << 5 << 5 << 1000 << 0;
}

void TestJoystick::scale() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, position);
    QFETCH(int, expected);
    auto service = std::make_shared<TFakeJoystickService>();
    service->Add()->Caps.XMin = min;
    service->Sticks[0]->Caps.XMax = max;
    TJoystick joystick(nullptr, service);
    QCOMPARE(joystick.ScaleX(position, low, high), expected);
}

void TestJoystick::scaleUsesEachAxisOwnRange() {
    auto service = std::make_shared<TFakeJoystickService>();
    TJoystickCaps &caps = service->Add()->Caps;
    caps.XMax = 100;
    caps.YMax = 200;
    caps.ZMin = 100;
    caps.ZMax = 300;
    TJoystick joystick(nullptr, service);
    QCOMPARE(joystick.ScaleX(100, 0, 100), 100);
    QCOMPARE(joystick.ScaleY(100, 0, 100), 50);
    QCOMPARE(joystick.ScaleZ(100, 0, 100), 0);
}

void TestJoystick::capturePeriod_data() {
    QTest::addColumn<int>("pollFreq");
    QTest::addColumn<int>("minPeriod");
    QTest::addColumn<int>("maxPeriod");
    QTest::addColumn<int>("period"); // 0: no capture
    QTest::newRow("within the limits") << 30 << 10 << 1000 << 30;
    QTest::newRow("raised to the minimum") << 30 << 50 << 1000 << 50;
    QTest::newRow("lowered to the maximum") << 5000 << 10 << 1000 << 1000;
    QTest::newRow("zero ignored: the default 100") << 0 << 10 << 1000 << 100;
    QTest::newRow("negative ignored: the default 100") << -30 << 10 << 1000 << 100;
    QTest::newRow("a device without periods is never captured") << 30 << 0 << 1000 << 0;
}

void TestJoystick::capturePeriod() {
    QFETCH(int, pollFreq);
    QFETCH(int, minPeriod);
    QFETCH(int, maxPeriod);
    QFETCH(int, period);
    auto service = std::make_shared<TFakeJoystickService>();
    auto stick = service->Add();
    stick->Caps.MinPeriod = minPeriod;
    stick->Caps.MaxPeriod = maxPeriod;
    TJoystick joystick(nullptr, service);
    joystick.SetPollFreq(pollFreq);
    joystick.SetEnabled(true);
    QCOMPARE(joystick.Enabled(), period != 0);
    QCOMPARE(joystick.CapturePeriod(), period);
}

void TestJoystick::deviceChoice() {
    auto service = std::make_shared<TFakeJoystickService>();
    service->Add(true);
    auto second = service->Add(false);
    second->Caps.ProductName = QStringLiteral("Second");
    second->Caps.ButtonCount = 2;
    TJoystick joystick(nullptr, service);
    QCOMPARE(joystick.ProductName(), QStringLiteral("Fake stick"));
    QVERIFY(joystick.HasZLayer());
    joystick.SetDevice(2);
    QCOMPARE(joystick.Device(), 0);
    QCOMPARE(joystick.ProductName(), QStringLiteral("Fake stick"));

    // A running capture moves over to the new device.
    QStringList log;
    Record(joystick, log);
    joystick.SetEnabled(true);
    joystick.SetDevice(1);
    QVERIFY(joystick.Enabled());
    QCOMPARE(joystick.ProductName(), QStringLiteral("Second"));
    QCOMPARE(joystick.ButtonCount(), 2);
    QVERIFY(!joystick.HasZLayer());
    service->Sticks[0]->State.X = 0;
    second->State.X = 65535;
    joystick.Poll();
    QCOMPARE(log, QStringList{QStringLiteral("xy 65535 32768 b0")});
}

void TestJoystick::eventsOnlyOnChange_data() {
    QTest::addColumn<bool>("hasZ");
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<QStringList>("events");
    const QString rest = QStringLiteral("32768,32768,32768,0");
    QTest::newRow("nothing moves") << true << QStringList{rest, rest} << QStringList{};
    QTest::newRow("x then the same again")
        << true
        << QStringList{QStringLiteral("100,32768,32768,0"), QStringLiteral("100,32768,32768,0")}
        << QStringList{QStringLiteral("xy 100 32768 b0")};
    QTest::newRow("buttons 1 and 3 at once, then released")
        << true << QStringList{QStringLiteral("32768,32768,32768,5"), rest}
        << QStringList{QStringLiteral("down 0"), QStringLiteral("down 2"), QStringLiteral("up 0"),
                       QStringLiteral("up 2")};
    QTest::newRow("a move in the same reading carries the new buttons")
        << true << QStringList{QStringLiteral("0,65535,32768,2")}
        << QStringList{QStringLiteral("down 1"), QStringLiteral("xy 0 65535 b2")};
    QTest::newRow("buttons above 4 are not reported")
        << true
        << QStringList{QStringLiteral("32768,32768,32768,16"), QStringLiteral("5,32768,32768,17")}
        << QStringList{QStringLiteral("down 0"), QStringLiteral("xy 5 32768 b1")};
    QTest::newRow("z on its own") << true << QStringList{QStringLiteral("32768,32768,7,8")}
                                  << QStringList{QStringLiteral("down 3"),
                                                 QStringLiteral("z 7 b8")};
    QTest::newRow("no z without a z axis")
        << false << QStringList{QStringLiteral("32768,32768,7,0")} << QStringList{};
}

void TestJoystick::eventsOnlyOnChange() {
    QFETCH(bool, hasZ);
    QFETCH(QStringList, readings);
    QFETCH(QStringList, events);
    auto service = std::make_shared<TFakeJoystickService>();
    auto stick = service->Add(hasZ);
    TJoystick joystick(nullptr, service);
    QStringList log;
    Record(joystick, log);
    joystick.SetEnabled(true);
    QVERIFY(joystick.Enabled());
    for (const QString &reading : readings) {
        stick->State = StateOf(reading);
        joystick.Poll();
    }
    QCOMPARE(log, events);
}

void TestJoystick::timerReadsTheDevice() {
    auto service = std::make_shared<TFakeJoystickService>();
    auto stick = service->Add();
    TJoystick joystick(nullptr, service);
    joystick.SetPollFreq(10);
    QStringList log;
    Record(joystick, log);
    joystick.SetEnabled(true);
    stick->State.Y = 0;
    QTRY_COMPARE(log, QStringList{QStringLiteral("xy 32768 0 b0")});
    QVERIFY(service->Updates > 0);
    joystick.SetEnabled(false);
    stick->State.Y = 10;
    QTest::qWait(50);
    QCOMPARE(log.size(), 1);
}

void TestJoystick::unplugWhileEnabledStopsQuietly() {
    auto service = std::make_shared<TFakeJoystickService>();
    auto stick = service->Add();
    TJoystick joystick(nullptr, service);
    QStringList log;
    Record(joystick, log);
    joystick.SetEnabled(true);
    stick->Plugged = false;
    stick->State.X = 0;
    joystick.Poll();
    joystick.Poll();
    QVERIFY(log.isEmpty());
    QVERIFY(!joystick.Enabled());
    QVERIFY(!joystick.Attached());
    QCOMPARE(joystick.XMax(), 0);
    // Still gone: enabling fails quietly.
    joystick.SetEnabled(true);
    QVERIFY(!joystick.Enabled());
    // Plugged in again: the next enable picks it up.
    stick->Plugged = true;
    joystick.SetEnabled(true);
    QVERIFY(joystick.Enabled());
    QCOMPARE(joystick.XMax(), 65535);
    stick->State.X = 1;
    joystick.Poll();
    QCOMPARE(log, QStringList{QStringLiteral("xy 1 32768 b0")});
}

void TestJoystick::missingDeviceLeavesEverythingZero() {
    auto service = std::make_shared<TFakeJoystickService>();
    service->Add(true);
    TJoystick joystick(nullptr, service);
    QVERIFY(joystick.HasZLayer());
    joystick.SetDevice(1);
    joystick.SetEnabled(true);
    QVERIFY(!joystick.Enabled());
    QVERIFY(!joystick.Attached());
    QCOMPARE(QList<int>({joystick.XMin(), joystick.XMax(), joystick.YMax(), joystick.ZMax(),
                         joystick.ButtonCount(), joystick.MinPollFreq(), joystick.MaxPollFreq()}),
             QList<int>({0, 0, 0, 0, 0, 0, 0}));
    QVERIFY(joystick.ProductName().isEmpty());
    QVERIFY(joystick.HasZLayer()); // kept from the device before
    QCOMPARE(joystick.ScaleX(100, 0, 127), 0);
}

void TestJoystick::wheelController_data() {
    // One wheel event per delta; the steps they make in all.
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("sensitivity");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("rest");
    const int notch = ControllerMapping::WheelNotch;
    QTest::newRow("one notch up") << QList<int>{notch} << 4 << false << 8 << 0;
    QTest::newRow("one notch up with shift: 2.4") << QList<int>{notch} << 4 << true << 2 << 0;
    QTest::newRow("one notch down") << QList<int>{-notch} << 4 << false << -8 << 0;
    QTest::newRow("one notch down with shift") << QList<int>{-notch} << 4 << true << -2 << 0;
    QTest::newRow("notches with shift: 2 each")
        << QList<int>{notch, notch, notch} << 4 << true << 6 << 0;
    QTest::newRow("two notches in one event") << QList<int>{2 * notch} << 4 << false << 16 << 0;
    QTest::newRow("sensitivity 1") << QList<int>{notch} << 1 << false << 2 << 0;
    QTest::newRow("half a step rounds to even: 0") << QList<int>{30} << 1 << false << 0 << 60;
    QTest::newRow("one and a half rounds to even: 2") << QList<int>{90} << 1 << false << 2 << -60;
    QTest::newRow("a small touchpad step") << QList<int>{15} << 4 << false << 1 << 0;
    QTest::newRow("touchpad with shift: kept until it makes a step")
        << QList<int>{15, 15, 15} << 4 << true << 1 << -30;
    QTest::newRow("eight touchpad steps with shift make a notch")
        << QList<int>(8, 15) << 4 << true << 2 << 0;
    QTest::newRow("120 events of 1 make a notch") << QList<int>(120, 1) << 4 << false << 8 << 0;
    QTest::newRow("back and forth cancels out")
        << QList<int>{40, -40, 40, -40} << 4 << true << 0 << 0;
}

void TestJoystick::wheelController() {
    QFETCH(QList<int>, deltas);
    QFETCH(int, sensitivity);
    QFETCH(bool, shift);
    QFETCH(int, steps);
    QFETCH(int, rest);
    int total = 0;
    int kept = 0;
    for (int delta : deltas)
        total += ControllerMapping::WheelControllerSteps(delta, sensitivity, shift, kept);
    QCOMPARE(total, steps);
    QCOMPARE(kept, rest);
}

void TestJoystick::wheelPitch_data() {
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("sensitivity");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("steps");
    const int notch = ControllerMapping::WheelNotch;
    QTest::newRow("one notch up") << QList<int>{notch} << 4 << false << 480;
    QTest::newRow("one notch up with shift") << QList<int>{notch} << 4 << true << 144;
    QTest::newRow("one notch down") << QList<int>{-notch} << 4 << false << -480;
    QTest::newRow("120 events of 1 with shift make a notch")
        << QList<int>(120, 1) << 4 << true << 144;
}

void TestJoystick::wheelPitch() {
    QFETCH(QList<int>, deltas);
    QFETCH(int, sensitivity);
    QFETCH(bool, shift);
    QFETCH(int, steps);
    int total = 0;
    int kept = 0;
    for (int delta : deltas)
        total += ControllerMapping::WheelPitchSteps(delta, sensitivity, shift, kept);
    QCOMPARE(total, steps);
    QCOMPARE(kept, 0);
}

void TestJoystick::mapStoreRoundTrip() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("joystick.ini"));
    TJoystickMap map;
    map.Set(0, TJoystickMap::jaX, 0, 7);
    map.Set(1, TJoystickMap::jaY, 3, 128);
    map.Set(1, TJoystickMap::jaZ, 4, 0);
    map.Set(0, TJoystickMap::jaZ, 2, 11);
    {
        TIniFile store(file);
        store.WriteInteger(QStringLiteral("Joystick"), QStringLiteral("Y00"), 5); // to be deleted
        map.Write(store);
        store.UpdateFile();
    }
    TIniFile store(file);
    QStringList names = store.ReadSection(QStringLiteral("Joystick"));
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("X00"), QStringLiteral("Y13"),
                                 QStringLiteral("Z02"), QStringLiteral("Z14")}));
    QCOMPARE(store.ReadInteger(QStringLiteral("Joystick"), QStringLiteral("Y13"), 0), 128);
    TJoystickMap back;
    back.Read(store);
    QCOMPARE(back.At(1, TJoystickMap::jaZ, 4), 0);
    QVERIFY(back == map);
}

void TestJoystick::mapReadsBadValuesAsNone_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("a controller") << QStringLiteral("64") << 64;
    QTest::newRow("pitch bend") << QStringLiteral("128") << 128;
    QTest::newRow("too large") << QStringLiteral("130") << 129;
    QTest::newRow("negative") << QStringLiteral("-1") << 129;
    QTest::newRow("not a number") << QStringLiteral("mod") << 129;
}

void TestJoystick::mapReadsBadValuesAsNone() {
    QFETCH(QString, text);
    QFETCH(int, code);
    QTemporaryDir dir;
    TIniFile store(dir.filePath(QStringLiteral("joystick.ini")));
    store.WriteString(QStringLiteral("Joystick"), QStringLiteral("X12"), text);
    TJoystickMap map;
    map.Read(store);
    QCOMPARE(map.At(1, TJoystickMap::jaX, 2), code);
    QCOMPARE(map.At(0, TJoystickMap::jaX, 0), 129);
}

QTEST_MAIN(TestJoystick)
#include "tst_joystick.moc"
