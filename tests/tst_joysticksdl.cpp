// TJoystick on the system service, with SDL's virtual joysticks standing in for hardware: the
// one place where SDL's axes, buttons and unplugging meet the component.

#include "controls/joystick.h"

#include <SDL.h>

#include <QTest>

class TestJoystickSdl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void capabilitiesOfTheDevice();
    void movesAndButtonsArriveOnce();
    void unplugAndPlugAgain();

private:
    // Plugs a stick with three axes and four buttons in; false when SDL cannot.
    bool Plug();
    void Unplug();
    int FIndex = -1;
    SDL_Joystick *FStick = nullptr;
};

void TestJoystickSdl::initTestCase() {
    TJoystick joystick;
    if (joystick.Count() > 0)
        QSKIP("a real joystick is plugged in");
}

bool TestJoystickSdl::Plug() {
    FIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 3, 4, 0);
    if (FIndex < 0)
        return false;
    FStick = SDL_JoystickOpen(FIndex);
    return FStick != nullptr;
}

void TestJoystickSdl::Unplug() {
    if (FStick)
        SDL_JoystickClose(FStick);
    FStick = nullptr;
    if (FIndex >= 0)
        SDL_JoystickDetachVirtual(FIndex);
    FIndex = -1;
}

void TestJoystickSdl::cleanup() {
    Unplug();
}

void TestJoystickSdl::capabilitiesOfTheDevice() {
    TJoystick joystick;
    QVERIFY2(Plug(), SDL_GetError());
    QCOMPARE(FIndex, 0);
    QCOMPARE(joystick.Count(), 1);
    QVERIFY(joystick.Attached());
    QCOMPARE(QList<int>({joystick.XMin(), joystick.XMax(), joystick.YMax(), joystick.ZMax()}),
             QList<int>({0, 65535, 65535, 65535}));
    QVERIFY(joystick.HasZLayer());
    QCOMPARE(joystick.ButtonCount(), 4);
    QCOMPARE(joystick.MinPollFreq(), 10);
    QCOMPARE(joystick.MaxPollFreq(), 1000);
    QVERIFY(!joystick.ProductName().isEmpty());
    joystick.SetDevice(1); // nothing there
    QVERIFY(!joystick.Attached());
    QCOMPARE(joystick.XMax(), 0);
}

void TestJoystickSdl::movesAndButtonsArriveOnce() {
    QVERIFY2(Plug(), SDL_GetError());
    TJoystick joystick;
    QStringList log;
    joystick.OnXYMove = [&log](TJoystick *, int x, int y, TJoystickButtons b) {
        log << QStringLiteral("xy %1 %2 b%3").arg(x).arg(y).arg(b);
    };
    joystick.OnZMove = [&log](TJoystick *, int z, TJoystickButtons b) {
        log << QStringLiteral("z %1 b%2").arg(z).arg(b);
    };
    joystick.OnButtonDown = [&log](TJoystick *, TJoystickButton b) {
        log << QStringLiteral("down %1").arg(b);
    };
    joystick.SetEnabled(true);
    QVERIFY(joystick.Enabled());
    SDL_JoystickSetVirtualAxis(FStick, 0, 32767);
    SDL_JoystickSetVirtualAxis(FStick, 1, -32768);
    SDL_JoystickSetVirtualButton(FStick, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(FStick, 2, SDL_PRESSED);
    joystick.Poll();
    joystick.Poll();
    SDL_JoystickSetVirtualAxis(FStick, 2, -1);
    joystick.Poll();
    QCOMPARE(log, (QStringList{QStringLiteral("down 0"), QStringLiteral("down 2"),
                               QStringLiteral("xy 65535 0 b5"), QStringLiteral("z 32767 b5")}));
}

void TestJoystickSdl::unplugAndPlugAgain() {
    QVERIFY2(Plug(), SDL_GetError());
    TJoystick joystick;
    int moves = 0;
    joystick.OnXYMove = [&moves](TJoystick *, int, int, TJoystickButtons) { ++moves; };
    joystick.SetEnabled(true);
    QVERIFY(joystick.Enabled());
    Unplug();
    joystick.Poll();
    QVERIFY(!joystick.Enabled());
    QCOMPARE(moves, 0);
    QVERIFY2(Plug(), SDL_GetError());
    joystick.SetEnabled(true);
    QVERIFY(joystick.Enabled());
    SDL_JoystickSetVirtualAxis(FStick, 0, 100);
    joystick.Poll();
    QCOMPARE(moves, 1);
}

QTEST_MAIN(TestJoystickSdl)
#include "tst_joysticksdl.moc"
