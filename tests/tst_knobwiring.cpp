#include "app/mainwindow.h"
#include "controls/wheel.h"
#include "jackfixture.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "mainfixture.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The knob bar in the main window: knob turns go out on the port and every knob on the
// controller follows, whether the value was turned here or came in.
class TestKnobWiring : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(F.Start(QStringLiteral("knobs")), qPrintable(F.ErrorText()));
        FPeer = &F.Peer();
    }
    void init() { F.FreshConfig(); } // every test starts as a first start
    void cleanupTestCase() { F.Stop(); }

    void firstStartHasTheVolumeKnob();
    void knobAreaFollowsTheWidth();
    void knobsOnOneControllerFollowEachOther_data();
    void knobsOnOneControllerFollowEachOther();
    void incomingControllerMovesKnobsSilently();

private:
    std::unique_ptr<TMainWindow> NewWindow() { return F.NewWindow(); }
    bool ConnectPeer(TMainWindow &W) { return F.ConnectPeer(W); }
    TMainFixture F;
    TJackPeer *FPeer = nullptr;
};

void TestKnobWiring::firstStartHasTheVolumeKnob() {
    auto w = NewWindow();
    QVERIFY(w);
    TGUIKnobList &k = w->Knobs();
    QCOMPARE(k.Count(), 1);
    QCOMPARE(k.Caption(0), QStringLiteral("Volume"));
    QCOMPARE(k.IUser(0), 7);
    QCOMPARE(k.DisplayMode(0), 0);
    QCOMPARE(k.DefaultValue(0), 100);
    QCOMPARE(k.Wheel(0), w->FirstKnobWheel());
    QCOMPARE(w->FirstKnobWheel()->Position(), 100);
    QVERIFY(w->FirstKnobWheel()->isVisible());
    QCOMPARE(w->FirstKnobName()->text(), QStringLiteral("Volume"));
}

void TestKnobWiring::knobAreaFollowsTheWidth() {
    auto w = NewWindow();
    QVERIFY(w);
    TGUIKnobList &k = w->Knobs();
    // the band starts 6 pixels right of the patch up-down (247 + 16) and ends 2 before the edge
    QCOMPARE(k.AreaLeft(), 269);
    QCOMPARE(k.AreaWidth(), w->Client()->width() - 263 - 2);
    for (int i = 1; i < 6; ++i)
        k.Add(QStringLiteral("Knob %1").arg(i), 20 + i, 0, 0);
    const int before = k.Wheel(5)->x();
    w->resize(w->width() + 150, w->height());
    QCOMPARE(k.AreaWidth(), w->Client()->width() - 263 - 2);
    QVERIFY(k.Wheel(5)->x() > before);
}

void TestKnobWiring::knobsOnOneControllerFollowEachOther_data() {
    QTest::addColumn<int>("turned");
    QTest::newRow("first turned") << 0;
    QTest::newRow("second turned") << 1;
}

void TestKnobWiring::knobsOnOneControllerFollowEachOther() {
    QFETCH(int, turned);
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(ConnectPeer(*w));
    TGUIKnobList &k = w->Knobs();
    k.Clear();
    k.Add(QStringLiteral("Volume"), 7, 0, 100);
    k.Add(QStringLiteral("Pan"), 10, 1, 64);
    k.Add(QStringLiteral("Expression"), 7, 0, 100);
    w->Keyboard()->Model().SetChannel(2);
    TWheel *wheel = k.Wheel(turned == 0 ? 0 : 2);
    wheel->setFocus();
    QTest::keyClick(wheel, Qt::Key_Down);
    QCOMPARE(k.Wheel(0)->Position(), 99);
    QCOMPARE(k.Wheel(2)->Position(), 99);
    QCOMPARE(k.Wheel(1)->Position(), 64);
    QVERIFY(FPeer->WaitForReceived(1));
    QTest::qWait(50);
    QCOMPARE(FPeer->Received(), (std::vector<TBytes>{{0xB2, 7, 99}}));
}

void TestKnobWiring::incomingControllerMovesKnobsSilently() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(ConnectPeer(*w));
    TGUIKnobList &k = w->Knobs();
    k.Clear();
    k.Add(QStringLiteral("Volume"), 7, 0, 100);
    k.Add(QStringLiteral("Pan"), 10, 1, 64);
    k.Add(QStringLiteral("Expression"), 7, 0, 100);
    k.SetArea(k.AreaLeft(), 200); // wide enough for the value labels
    int raised = 0;
    k.OnKnobChange = [&](QObject *, int, int) { ++raised; };
    w->Router().ReceiveNow({0xB5, 7, 33}); // any channel is shown
    QCOMPARE(k.Wheel(0)->Position(), 33);
    QCOMPARE(k.Wheel(2)->Position(), 33);
    QCOMPARE(k.Wheel(1)->Position(), 64);
    QCOMPARE(k.ValueLabel(2)->text(), QStringLiteral("33"));
    QCOMPARE(raised, 0);
    // nothing goes back out
    QTest::qWait(100);
    QVERIFY(FPeer->Received().empty());
}

QTEST_MAIN(TestKnobWiring)
#include "tst_knobwiring.moc"
