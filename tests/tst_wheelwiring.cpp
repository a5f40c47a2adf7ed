// The mouse wheel and the joysticks in the real main window: wheel events over the window and
// moves of stand-in joysticks, with the messages read back from a JACK port.

#include "app/mainwindow.h"
#include "controls/imgcontrol.h"
#include "controls/joystick.h"
#include "core/registryinifile.h"
#include "fakejoystick.h"
#include "jackfixture.h"
#include "keyboard/keyboard.h"
#include "mainfixture.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// A wheel turn over the middle of Target, delivered as the window system delivers it.
bool Wheel(QWidget *Target, int Delta, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    const QPointF local = QRectF(Target->rect()).center();
    QWheelEvent event(local, Target->mapToGlobal(local), QPoint(), QPoint(0, Delta), Qt::NoButton,
                      Modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Target, &event);
    return event.isAccepted();
}

} // namespace

class TestWheelWiring : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void wheelOverTheWindow_data();
    void wheelOverTheWindow();
    void wheelValueFollowsIncomingController();
    void noneLetsTheWheelScroll();
    void joystickRouting_data();
    void joystickRouting();
    void joysticksEnabledOnlyWithAssignments();

private:
    std::unique_ptr<TMainWindow> NewWindow();
    // Waits for Count messages (or a moment, for none) and returns what arrived.
    QStringList Received(size_t Count);
    TMainFixture F;
    TJackPeer *FPeer = nullptr;
    std::shared_ptr<TFakeJoystickService> FSticks;
};

void TestWheelWiring::initTestCase() {
    FSticks = std::make_shared<TFakeJoystickService>();
    FSticks->Add();
    FSticks->Add();
    TJoystickService::SetDefault(FSticks);
    if (!F.Start(QStringLiteral("wheel")))
        QFAIL(qPrintable(F.ErrorText()));
    FPeer = &F.Peer();
}

void TestWheelWiring::init() {
    F.FreshConfig();
    for (const auto &stick : FSticks->Sticks)
        stick->State = TJoystickState{32768, 32768, 32768, 0};
}

void TestWheelWiring::cleanupTestCase() {
    F.Stop();
    TJoystickService::SetDefault(nullptr);
}

std::unique_ptr<TMainWindow> TestWheelWiring::NewWindow() {
    auto w = F.NewWindow();
    if (!w || !F.ConnectPeer(*w))
        return nullptr;
    return w;
}

QStringList TestWheelWiring::Received(size_t Count) {
    if (Count == 0)
        FPeer->WaitCycles(5);
    else
        FPeer->WaitForReceived(Count);
    FPeer->WaitCycles(2); // and nothing more after them
    return TMainFixture::Hex(FPeer->Received());
}

void TestWheelWiring::wheelOverTheWindow_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("stripStart");    // the modulation strip before the code is chosen
    QTest::addColumn<QList<int>>("deltas"); // one wheel event each
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<int>("stripAfter"); // the strip the code moves; -1: none
    const QList<int> notch{120};
    QTest::newRow("controller: one notch")
        << 7 << 0 << notch << false << QStringList{"b2 07 08"} << -1;
    QTest::newRow("controller: one notch with shift")
        << 7 << 0 << notch << true << QStringList{"b2 07 02"} << -1;
    QTest::newRow("controller: down from 0 stays 0")
        << 7 << 0 << QList<int>{-120} << false << QStringList{"b2 07 00"} << -1;
    QTest::newRow("modulation starts from the strip")
        << 1 << 50 << notch << false << QStringList{"b2 01 3a"} << 58;
    QTest::newRow("pitch bend: one notch")
        << 128 << 0 << notch << false << QStringList{"e2 60 43"} << 480;
    QTest::newRow("pitch bend: one notch with shift")
        << 128 << 0 << notch << true << QStringList{"e2 10 41"} << 144;
    QTest::newRow("none sends nothing") << 129 << 0 << notch << false << QStringList{} << -1;
    // Touchpads and high-resolution wheels: many small events make a notch, and what one of
    // them is too small for is kept for the next.
    const QList<int> eighths(8, 15);
    QTest::newRow("fine controller from eighths of a notch")
        << 1 << 0 << eighths << true << QStringList{"b2 01 01", "b2 01 02"} << 2;
    QTest::newRow("controller from 120 events of 1")
        << 7 << 0 << QList<int>(120, 1) << false
        << QStringList{"b2 07 01", "b2 07 02", "b2 07 03", "b2 07 04",
                       "b2 07 05", "b2 07 06", "b2 07 07", "b2 07 08"}
        << -1;
    QTest::newRow("fine pitch bend from events of 1")
        << 128 << 0 << QList<int>(10, 1) << true
        << QStringList{"e2 01 40", "e2 02 40", "e2 04 40", "e2 05 40", "e2 06 40",
                       "e2 07 40", "e2 08 40", "e2 0a 40", "e2 0b 40", "e2 0c 40"}
        << 12;
}

void TestWheelWiring::wheelOverTheWindow() {
    QFETCH(int, code);
    QFETCH(int, stripStart);
    QFETCH(QList<int>, deltas);
    QFETCH(bool, shift);
    QFETCH(QStringList, sent);
    QFETCH(int, stripAfter);
    auto w = NewWindow();
    QVERIFY(w);
    w->Keyboard()->Model().SetChannel(2);
    w->SetWheelController(129);
    w->ModulationStrip()->SetPosition(stripStart);
    w->SetWheelController(code);
    bool accepted = true;
    for (int delta : deltas)
        accepted &= Wheel(w->Keyboard(), delta, shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(Received(size_t(sent.size())), sent);
    if (code != 129)
        QVERIFY(accepted);
    if (code == 128)
        QCOMPARE(w->PitchStrip()->Position(), stripAfter);
    else if (code == 1)
        QCOMPARE(w->ModulationStrip()->Position(), stripAfter);
}

void TestWheelWiring::wheelValueFollowsIncomingController() {
    auto w = NewWindow();
    QVERIFY(w);
    w->SetWheelController(7);
    w->Router().ReceiveNow({0xB0, 7, 100});
    QCOMPARE(w->WheelValue(), 100);
    Wheel(w->Keyboard(), -240);
    QCOMPARE(Received(1), QStringList{"b0 07 54"});
    QCOMPARE(w->WheelValue(), 84);
}

void TestWheelWiring::noneLetsTheWheelScroll() {
    auto w = NewWindow();
    QVERIFY(w);
    w->ChordBox()->setCurrentIndex(3);
    w->SetWheelController(7);
    Wheel(w->ChordBox(), -120);
    QCOMPARE(w->ChordBox()->currentIndex(), 3);
    w->SetWheelController(129);
    Wheel(w->ChordBox(), -120);
    QCOMPARE(w->ChordBox()->currentIndex(), 4);
    QCOMPARE(Received(1), QStringList{"b0 07 00"});
}

void TestWheelWiring::joystickRouting_data() {
    QTest::addColumn<int>("joystick");
    QTest::addColumn<QStringList>("map");    // axis letter, button state, '=', code
    QTest::addColumn<QList<int>>("reading"); // x, y, z, buttons
    QTest::addColumn<QStringList>("sent");
    QTest::newRow("x with buttons 1 and 2 sends for each")
        << 0 << QStringList{"X1=7", "X2=10", "X0=12"} << QList<int>{65535, 32768, 32768, 3}
        << QStringList{"b0 07 7f", "b0 0a 7f"};
    QTest::newRow("either button's entry may be none")
        << 0 << QStringList{"X2=10"} << QList<int>{65535, 32768, 32768, 3}
        << QStringList{"b0 0a 7f"};
    QTest::newRow("no button: the plain entry; a first move straight to 0 counts")
        << 0 << QStringList{"X0=7", "X1=10"} << QList<int>{0, 32768, 32768, 0}
        << QStringList{"b0 07 00"};
    QTest::newRow("y pushed away is the top of the pitch bend")
        << 0 << QStringList{"Y0=128"} << QList<int>{32768, 0, 32768, 0} << QStringList{"e0 7f 7f"};
    QTest::newRow("y pulled back is the bottom")
        << 0 << QStringList{"Y0=128"} << QList<int>{32768, 65535, 32768, 0}
        << QStringList{"e0 00 00"};
    QTest::newRow("z that does not move sends no z")
        << 0 << QStringList{"Z0=11", "X0=7"} << QList<int>{0, 32768, 32768, 0}
        << QStringList{"b0 07 00"};
    QTest::newRow("z with buttons 1 and 3")
        << 0 << QStringList{"Z1=11", "Z3=12", "Z0=13"} << QList<int>{32768, 32768, 0, 5}
        << QStringList{"b0 0b 00", "b0 0c 00"};
    QTest::newRow("the second joystick has its own entries")
        << 1 << QStringList{"X4=20"} << QList<int>{65535, 32768, 32768, 8}
        << QStringList{"b0 14 7f"};
}

void TestWheelWiring::joystickRouting() {
    QFETCH(int, joystick);
    QFETCH(QStringList, map);
    QFETCH(QList<int>, reading);
    QFETCH(QStringList, sent);
    auto w = NewWindow();
    QVERIFY(w);
    TJoystickMap table;
    for (const QString &entry : map) {
        const int axis = QStringLiteral("XYZ").indexOf(entry[0]);
        table.Set(joystick, axis, entry.mid(1, 1).toInt(), entry.mid(3).toInt());
    }
    w->SetJoystickMap(table);
    TJoystick *stick = joystick == 0 ? w->Joystick(0) : w->Joystick(1);
    QVERIFY(stick->Enabled());
    FSticks->Sticks[size_t(joystick)]->State =
        TJoystickState{reading[0], reading[1], reading[2], unsigned(reading[3])};
    stick->Poll();
    QCOMPARE(Received(size_t(sent.size())), sent);
}

void TestWheelWiring::joysticksEnabledOnlyWithAssignments() {
    {
        TRegistryIniFile store;
        store.WriteInteger(QStringLiteral("Joystick"), QStringLiteral("Z14"), 11);
        store.UpdateFile();
    }
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(!w->Joystick(0)->Enabled());
    QVERIFY(w->Joystick(1)->Enabled());
    QCOMPARE(w->Joystick(0)->PollFreq(), 30);
    // The table comes back after a restart, and the stick it names is captured.
    TJoystickMap map = w->JoystickMap();
    map.Set(1, TJoystickMap::jaZ, 4, 129);
    map.Set(0, TJoystickMap::jaY, 2, 128);
    w->SetJoystickMap(map);
    w->close();
    w.reset();
    w = NewWindow();
    QVERIFY(w);
    QVERIFY(w->JoystickMap() == map);
    QVERIFY(w->Joystick(0)->Enabled());
    QVERIFY(!w->Joystick(1)->Enabled());
}

QTEST_MAIN(TestWheelWiring)
#include "tst_wheelwiring.moc"
