#include "controls/bevel.h"
#include "controls/checkbutton.h"
#include "controls/controlpictures.h"
#include "controls/formstate.h"
#include "controls/frameimage.h"
#include "controls/imgcontrol.h"
#include "controls/imgcontrolrules.h"
#include "controls/movinghint.h"
#include "controls/splitter.h"
#include "controls/transparent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPainter>
#include <QTest>

#include <climits>
#include <memory>
#include <vector>

namespace {

// Mouse events through the window, as the window system delivers them: the pressed widget keeps
// the moves and the release even outside itself.
struct TMouse {
    QWidget *W;
    QWindow *Win() const { return W->window()->windowHandle(); }
    QPoint At(QPoint P) const { return W->mapTo(W->window(), P); }
    void Press(QPoint P, Qt::KeyboardModifiers M = {}, Qt::MouseButton B = Qt::LeftButton) const {
        QTest::mousePress(Win(), B, M, At(P));
    }
    void Move(QPoint P, Qt::KeyboardModifiers M = {}) const {
        QTest::mouseEvent(QTest::MouseMove, Win(), Qt::NoButton, M, At(P));
    }
    void Release(QPoint P, Qt::KeyboardModifiers M = {}, Qt::MouseButton B = Qt::LeftButton) const {
        QTest::mouseRelease(Win(), B, M, At(P));
    }
};

// A window with room around the control, so drags stay inside it; shown once its controls are in.
struct TStage {
    QWidget Window;
    TStage() { Window.resize(300, 400); }
    bool Show() {
        Window.show();
        Window.activateWindow();
        return QTest::qWaitForWindowExposed(&Window) && QTest::qWaitForWindowActive(&Window);
    }
};

QPixmap Picture(int W, int H) {
    QPixmap p(W, H);
    p.fill(Qt::darkGray);
    return p;
}

// The wheel image as the main window sets it up.
void SetUpWheel(TFrameImage &Img) {
    Img.SetResBitmap(QStringLiteral("WHEEL"));
    Img.SetResBitmap256(QStringLiteral("WHEEL256"));
    Img.SetCount(ControlPictures::WheelFrames);
}

void SetUpPitch(TImgControl &C, TFrameImage &Img) {
    C.SetFrameImage(&Img);
    C.SetMin(-8192);
    C.SetMax(8191);
    C.SetSmallChange(96);
    C.SetLargeChange(512);
    C.SetMiddleSnap(5);
}

void SetUpArrow(TImgControl &C, TFrameImage &Img, const char *Name) {
    Img.SetResBitmap(QLatin1String(Name));
    Img.SetCount(2);
    Img.SetButton(true);
    C.SetFrameImage(&Img);
    C.SetMax(1);
    C.SetAutoRepeat(true);
    C.SetAutoRepeatInitDelay(500);
    C.SetAutoRepeatDelay(60);
}

// Where the marker is down the middle of a wheel frame's slot, in logical pixels: the centre of
// the rows much brighter than any ridge.
double MarkerRow(const QImage &Img, int Frame, qreal Dpr) {
    const int x = int((Frame * ControlPictures::WheelFrameWidth + 10) * Dpr);
    double sum = 0, weight = 0;
    for (int y = 0; y < Img.height(); ++y) {
        const int v = qGray(Img.pixel(x, y)) - 200;
        if (v > 0) {
            sum += v * (y + 0.5);
            weight += v;
        }
    }
    return weight > 0 ? sum / weight / Dpr : -1;
}

} // namespace

class TestStrips : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepOnScreen_data();
    void keepOnScreen();
    void frameIndex_data();
    void frameIndex();
    void frameGeometry_data();
    void frameGeometry();
    void relativeDrag_data();
    void relativeDrag();
    void scrollToAsksHandlerButCodeDoesNot();
    void bounds_data();
    void bounds();
    void buttonRule_data();
    void buttonRule();
    void autoRepeatTiming();
    void autoRepeatStopsOnEscapeAndOtherButton();
    void keys_data();
    void keys();
    void spaceOnButtons_data();
    void spaceOnButtons();
    void escapeWhileDragging();
    void scrollHint();
    void mouseEventsReachOwner();
    void allowUserControlOff();
    void autoSize();
    void paintsTheFrameOfThePosition();
    void crossForMissingPicture_data();
    void crossForMissingPicture();
    void imageAndControlsOutliveEachOther();
    void pictures_data();
    void pictures();
    void wheelMarkerRises();
    void arrowFrames();
    void movingHintPlacement();
    void movingHintWraps();
    void splitter_data();
    void splitter();
    void splitterInLayoutFollowsPointer();
    void splitterWithoutNeighbour();
    void splitterResizesAtReleaseWhenNotLive();
    void checkButton();
    void bevelAndTransparent();
};

// Frame index

void TestStrips::frameIndex_data() {
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("frame");
    QTest::newRow("pitch lowest") << -8192 << -8192 << 8191 << 41 << 0;
    QTest::newRow("pitch centre") << 0 << -8192 << 8191 << 41 << 20;
    QTest::newRow("pitch highest") << 8191 << -8192 << 8191 << 41 << 40;
    QTest::newRow("pitch just below centre") << -1 << -8192 << 8191 << 41 << 20;
    QTest::newRow("pitch one step below") << -400 << -8192 << 8191 << 41 << 19;
    QTest::newRow("modulation top") << 127 << 0 << 127 << 41 << 40;
    QTest::newRow("modulation middle") << 64 << 0 << 127 << 41 << 20;
    QTest::newRow("arrow released") << 0 << 0 << 1 << 2 << 0;
    QTest::newRow("arrow pressed") << 1 << 0 << 1 << 2 << 1;
    QTest::newRow("one value range") << 5 << 5 << 5 << 41 << 0;
    QTest::newRow("whole int range top") << INT_MAX << INT_MIN << INT_MAX << 41 << 40;
    QTest::newRow("whole int range bottom") << INT_MIN << INT_MIN << INT_MAX << 41 << 0;
    QTest::newRow("no frames") << 3 << 0 << 100 << 0 << -1;
}

void TestStrips::frameIndex() {
    QFETCH(int, pos);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, count);
    QFETCH(int, frame);
    QCOMPARE(ImgControlRules::FrameIndex(pos, min, max, count), frame);
}

// Frame geometry: steps applied in order; "pic" puts the picture in at that point.

void TestStrips::frameGeometry_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    const QSize wheel(820, 76);
    QTest::newRow("count gives size") << wheel << "pic count=41" << 41 << 20 << 76;
    QTest::newRow("width gives count") << wheel << "pic width=20 height=76" << 41 << 20 << 76;
    QTest::newRow("count before picture") << wheel << "count=41 pic" << 41 << 20 << 76;
    QTest::newRow("separator") << QSize(86, 76) << "pic sep=2 count=4" << 4 << 20 << 76;
    QTest::newRow("separator after count") << QSize(86, 76) << "pic count=4 sep=2" << 4 << 20 << 76;
    QTest::newRow("width with separator") << QSize(86, 76) << "pic sep=2 width=20" << 4 << 20 << 0;
    QTest::newRow("vertical") << QSize(16, 152) << "pic vertical count=2" << 2 << 16 << 76;
    QTest::newRow("vertical height") << QSize(16, 152) << "pic vertical height=76" << 2 << 0 << 76;
    QTest::newRow("frame clipped to picture") << QSize(30, 20) << "pic width=50" << 1 << 30 << 0;
    QTest::newRow("picture without frames clips") << wheel << "width=900 pic" << 0 << 820 << 0;
    QTest::newRow("more frames than pixels")
        << QSize(10, 5) << "pic sep=2 count=100" << 100 << 0 << 5;
    QTest::newRow("negative count refused") << wheel << "pic count=41 count=-1" << 41 << 20 << 76;
    QTest::newRow("negative width refused") << wheel << "pic count=41 width=-3" << 41 << 20 << 76;
    QTest::newRow("negative separator refused")
        << wheel << "pic count=41 sep=-20" << 41 << 20 << 76;
    QTest::newRow("width 0 takes size from count")
        << wheel << "pic count=41 width=0" << 41 << 20 << 76;
}

void TestStrips::frameGeometry() {
    QFETCH(QSize, picture);
    QFETCH(QString, steps);
    QFETCH(int, count);
    QFETCH(int, width);
    QFETCH(int, height);
    TFrameImage img;
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const QString key = step.section(QLatin1Char('='), 0, 0);
        const int value = step.section(QLatin1Char('='), 1).toInt();
        if (key == QLatin1String("pic"))
            img.SetBitmap(Picture(picture.width(), picture.height()));
        else if (key == QLatin1String("vertical"))
            img.SetOrientation(TScrollBarKind::sbVertical);
        else if (key == QLatin1String("count"))
            img.SetCount(value);
        else if (key == QLatin1String("width"))
            img.SetWidth(value);
        else if (key == QLatin1String("height"))
            img.SetHeight(value);
        else if (key == QLatin1String("sep"))
            img.SetSeparatorSize(value);
    }
    QCOMPARE(img.Count(), count);
    QCOMPARE(img.Width(), width);
    QCOMPARE(img.Height(), height);
}

// Relative drag. Moves are pointer offsets upward from the press point; "S" holds Shift.

void TestStrips::relativeDrag_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("snap");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("quiet"); // OnScroll never called
    const int lo = -8192, hi = 8191;
    QTest::newRow("detent holds 1 px") << 0 << lo << hi << 96 << 5 << "1" << 0 << true;
    QTest::newRow("detent holds 5 px") << 0 << lo << hi << 96 << 5 << "1 2 3 4 5" << 0 << true;
    QTest::newRow("detent leaves after 6 px") << 0 << lo << hi << 96 << 5 << "6" << 96 << false;
    QTest::newRow("8 px gives 288") << 0 << lo << hi << 96 << 5 << "8" << 288 << false;
    QTest::newRow("8 px in small moves") << 0 << lo << hi << 96 << 5 << "2 4 6 8" << 288 << false;
    QTest::newRow("down from 480 by 7 snaps to 0")
        << 480 << lo << hi << 96 << 5 << "-7" << 0 << false;
    QTest::newRow("down from 480 by 12 passes 0")
        << 480 << lo << hi << 96 << 5 << "-12" << -672 << false;
    QTest::newRow("snapped, anchor kept")
        << 480 << lo << hi << 96 << 5 << "-7 -15" << -960 << false;
    QTest::newRow("up from -200 by 3 snaps") << -200 << lo << hi << 96 << 5 << "3" << 0 << false;
    QTest::newRow("shift 13 px, no detent") << 0 << lo << hi << 96 << 5 << "S13" << 192 << false;
    QTest::newRow("shift 5 px stays") << 0 << lo << hi << 96 << 5 << "S5" << 0 << true;
    QTest::newRow("shift small moves add up")
        << 0 << lo << hi << 96 << 5 << "S5 S11" << 96 << false;
    QTest::newRow("after shift one step at most")
        << 0 << lo << hi << 96 << 5 << "S13 53" << 288 << false;
    QTest::newRow("after shift down one step")
        << 0 << lo << hi << 96 << 5 << "S13 -40" << 96 << false;
    QTest::newRow("shift at press is fine mode")
        << 480 << lo << hi << 96 << 5 << "P 30" << 576 << false;
    QTest::newRow("modulation one pixel") << 0 << 0 << 127 << 1 << 0 << "1" << 1 << false;
    QTest::newRow("modulation down at 0") << 0 << 0 << 127 << 1 << 0 << "-5" << 0 << false;
    QTest::newRow("clamped at max") << 100 << 0 << 127 << 1 << 0 << "90" << 127 << false;
    QTest::newRow("back after clamp") << 120 << 0 << 127 << 1 << 0 << "90 80" << 117 << false;
}

void TestStrips::relativeDrag() {
    QFETCH(int, start);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, step);
    QFETCH(int, snap);
    QFETCH(QString, moves);
    QFETCH(int, expected);
    QFETCH(bool, quiet);
    TStage stage;
    TImgControl c(&stage.Window);
    c.move(140, 160);
    c.SetMin(min);
    c.SetMax(max);
    c.SetSmallChange(step);
    c.SetMiddleSnap(snap);
    c.SetPosition(start);
    int scrolls = 0;
    c.OnScroll = [&](QObject *, int &) { ++scrolls; };
    QVERIFY(stage.Show());
    const TMouse m{&c};
    const QPoint press(10, 20);
    QStringList list = moves.split(QLatin1Char(' '));
    const bool shiftAtPress = list.first() == QLatin1String("P");
    if (shiftAtPress)
        list.removeFirst();
    m.Press(press, shiftAtPress ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(c.Position(), start); // a press alone never moves a strip
    QPoint at = press;
    for (QString mv : list) {
        const bool shift = mv.startsWith(QLatin1Char('S'));
        if (shift)
            mv.remove(0, 1);
        at = press - QPoint(0, mv.toInt());
        m.Move(at, shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QCOMPARE(c.Position(), expected);
    m.Release(at);
    QCOMPARE(c.Position(), expected);
    QVERIFY(!c.Dragging());
    if (quiet)
        QCOMPARE(scrolls, 0);
}

void TestStrips::scrollToAsksHandlerButCodeDoesNot() {
    TImgControl c;
    int changes = 0;
    std::vector<int> asked;
    c.OnChange = [&](QObject *) { ++changes; };
    c.OnScroll = [&](QObject *, int &Pos) {
        asked.push_back(Pos);
        if (Pos == 50)
            Pos = 500; // the handler may alter it; the bounds still hold
    };
    c.SetPosition(30);
    QCOMPARE(asked.size(), size_t(0));
    QCOMPARE(changes, 1);
    c.ScrollTo(-20);
    QCOMPARE(asked, std::vector<int>({0}));
    QCOMPARE(c.Position(), 0);
    c.ScrollTo(50);
    QCOMPARE(c.Position(), 100);
    QCOMPARE(c.Caption(), QStringLiteral("100"));
    QCOMPARE(changes, 3);
    c.ScrollTo(100); // no change, no OnChange
    QCOMPARE(changes, 3);
}

void TestStrips::bounds_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("pos");
    // starting from 10..100 at 50
    QTest::newRow("max below min ignored") << "max" << 5 << 10 << 100 << 50;
    QTest::newRow("max below position lowers it") << "max" << 40 << 10 << 40 << 40;
    QTest::newRow("max equal to min") << "max" << 10 << 10 << 10 << 10;
    QTest::newRow("min above max ignored") << "min" << 101 << 10 << 100 << 50;
    QTest::newRow("min above position raises it") << "min" << 60 << 60 << 100 << 60;
    QTest::newRow("position clamped high") << "pos" << 1000 << 10 << 100 << 100;
    QTest::newRow("position clamped low") << "pos" << -1000 << 10 << 100 << 10;
}

void TestStrips::bounds() {
    QFETCH(QString, op);
    QFETCH(int, value);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, pos);
    TImgControl c;
    c.SetMin(10);
    c.SetPosition(50);
    if (op == QLatin1String("max"))
        c.SetMax(value);
    else if (op == QLatin1String("min"))
        c.SetMin(value);
    else
        c.SetPosition(value);
    QCOMPARE(c.Min(), min);
    QCOMPARE(c.Max(), max);
    QCOMPARE(c.Position(), pos);
}

// Buttons. Path: where the pointer goes after the press ("in" over the frame, "out" beside it).

void TestStrips::buttonRule_data() {
    QTest::addColumn<bool>("twoState");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown"); // positions after the press and each move
    QTest::addColumn<int>("end");       // position after the release
    QTest::addColumn<int>("clicks");
    QTest::newRow("plain click") << false << 0 << 1 << 0 << ""
                                 << "1" << 0 << 1;
    QTest::newRow("plain out and back") << false << 0 << 1 << 0 << "out in"
                                        << "1 0 1" << 0 << 1;
    QTest::newRow("plain released outside") << false << 0 << 1 << 0 << "out"
                                            << "1 0" << 0 << 0;
    QTest::newRow("toggle on") << true << 0 << 1 << 0 << ""
                               << "1" << 1 << 1;
    QTest::newRow("toggle off") << true << 0 << 1 << 1 << ""
                                << "0" << 0 << 1;
    QTest::newRow("toggle previews only") << true << 0 << 1 << 0 << "out in out"
                                          << "1 0 1 0" << 0 << 0;
    // A range away from 0 still rests at Min and presses to Max.
    QTest::newRow("plain 10..20") << false << 10 << 20 << 10 << "out in"
                                  << "20 10 20" << 10 << 1;
    QTest::newRow("toggle 10..20") << true << 10 << 20 << 10 << "out in"
                                   << "20 10 20" << 20 << 1;
}

void TestStrips::buttonRule() {
    QFETCH(bool, twoState);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, start);
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QFETCH(int, end);
    QFETCH(int, clicks);
    TStage stage;
    TFrameImage img;
    img.SetBitmap(Picture(32, 76));
    img.SetCount(2);
    img.SetButton(true);
    img.SetTwoState(twoState);
    TImgControl c(&stage.Window);
    c.move(100, 100);
    c.SetFrameImage(&img);
    c.SetMax(max);
    c.SetMin(min);
    c.SetPosition(start);
    int clicked = 0;
    c.OnButtonClick = [&](QObject *) { ++clicked; };
    QVERIFY(stage.Show());
    const TMouse m{&c};
    QStringList seen;
    m.Press(QPoint(8, 30));
    seen << QString::number(c.Position());
    QPoint at(8, 30);
    for (const QString &p : path.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        at = p == QLatin1String("in") ? QPoint(8, 30) : QPoint(30, 30);
        m.Move(at);
        seen << QString::number(c.Position());
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), shown);
    QCOMPARE(clicked, 0);
    m.Release(at);
    QCOMPARE(c.Position(), end);
    QCOMPARE(clicked, clicks);
}

void TestStrips::autoRepeatTiming() {
    TStage stage;
    TFrameImage img;
    TImgControl c(&stage.Window);
    SetUpArrow(c, img, "RIGHTARROW");
    c.move(100, 100);
    QElapsedTimer clock;
    std::vector<qint64> at;
    c.OnButtonClick = [&](QObject *) { at.push_back(clock.elapsed()); };
    QVERIFY(stage.Show());
    const TMouse m{&c};
    clock.start();
    m.Press(QPoint(8, 30));
    QCOMPARE(at.size(), size_t(1)); // one click at the press
    QCOMPARE(c.Position(), 1);
    QTest::qWait(300);
    if (clock.elapsed() < 450)
        QCOMPARE(at.size(), size_t(1)); // nothing before the first delay
    // Held for about a second, the pointer wandering off the button.
    m.Move(QPoint(60, 30));
    QTest::qWait(700);
    const size_t held = at.size();
    m.Release(QPoint(60, 30));
    QTest::qWait(200);
    QCOMPARE(at.size(), held); // no click at the release, and no repeats after it
    QCOMPARE(c.Position(), 0);
    QVERIFY2(held >= 4, qPrintable(QString::number(held)));
    QVERIFY2(held <= 11, qPrintable(QString::number(held)));
    QVERIFY2(at[1] >= 450, qPrintable(QString::number(at[1])));
    for (size_t i = 2; i < at.size(); ++i)
        QVERIFY2(at[i] - at[i - 1] >= 45, qPrintable(QString::number(at[i] - at[i - 1])));
    // The repeats run at the short interval, far more often than the first delay.
    QVERIFY((at.back() - at[1]) / qint64(at.size() - 2) < 250);
}

void TestStrips::autoRepeatStopsOnEscapeAndOtherButton() {
    TStage stage;
    TFrameImage img;
    TImgControl c(&stage.Window);
    SetUpArrow(c, img, "LEFTARROW");
    c.move(100, 100);
    int clicks = 0;
    c.OnButtonClick = [&](QObject *) { ++clicks; };
    QVERIFY(stage.Show());
    const TMouse m{&c};
    // Escape ends the hold: the repeats stop although the mouse button is still down.
    m.Press(QPoint(8, 30));
    QVERIFY(c.hasFocus());
    QTest::keyClick(&c, Qt::Key_Escape);
    QCOMPARE(c.Position(), 0);
    QVERIFY(!c.Repeating());
    QTest::qWait(700);
    m.Release(QPoint(8, 30));
    QCOMPARE(clicks, 1);
    // So does a second mouse button pressed while holding.
    m.Press(QPoint(8, 30));
    m.Press(QPoint(8, 30), {}, Qt::RightButton);
    QVERIFY(!c.Repeating());
    QCOMPARE(c.Position(), 0);
    m.Release(QPoint(8, 30), {}, Qt::RightButton);
    m.Release(QPoint(8, 30));
    QTest::qWait(700);
    QCOMPARE(clicks, 2);
}

// Keys

void TestStrips::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("propagates");
    QTest::newRow("page up") << int(Qt::Key_PageUp) << false << 50 << 60 << false;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << false << 50 << 40 << false;
    QTest::newRow("page up clamped") << int(Qt::Key_PageUp) << false << 95 << 100 << false;
    QTest::newRow("end") << int(Qt::Key_End) << false << 50 << 100 << false;
    QTest::newRow("home") << int(Qt::Key_Home) << false << 50 << 0 << false;
    QTest::newRow("left") << int(Qt::Key_Left) << false << 50 << 49 << false;
    QTest::newRow("down") << int(Qt::Key_Down) << false << 50 << 49 << false;
    QTest::newRow("up") << int(Qt::Key_Up) << false << 50 << 51 << false;
    QTest::newRow("right") << int(Qt::Key_Right) << false << 50 << 51 << false;
    QTest::newRow("up at max") << int(Qt::Key_Up) << false << 100 << 100 << false;
    QTest::newRow("space on a strip") << int(Qt::Key_Space) << false << 50 << 50 << true;
    QTest::newRow("letter on a strip") << int(Qt::Key_A) << false << 50 << 50 << true;
    QTest::newRow("arrow on a button") << int(Qt::Key_Up) << true << 0 << 0 << true;
    QTest::newRow("escape without drag") << int(Qt::Key_Escape) << false << 50 << 50 << true;
}

void TestStrips::keys() {
    QFETCH(int, key);
    QFETCH(bool, button);
    QFETCH(int, start);
    QFETCH(int, expected);
    QFETCH(bool, propagates);
    TFrameImage img;
    img.SetBitmap(Picture(32, 76));
    img.SetCount(2);
    img.SetButton(button);
    QWidget parent;
    int reachedParent = 0;
    struct TFilter : QObject {
        int *Count;
        explicit TFilter(int *C) : Count(C) {}
        bool eventFilter(QObject *, QEvent *E) override {
            if (E->type() == QEvent::KeyPress)
                ++*Count;
            return false;
        }
    } filter(&reachedParent);
    parent.installEventFilter(&filter);
    TImgControl c(&parent);
    c.SetFrameImage(&img);
    c.SetPosition(start);
    QTest::keyClick(&c, Qt::Key(key));
    QCOMPARE(c.Position(), expected);
    QCOMPARE(reachedParent > 0, propagates);
    // A handler that swallows the key leaves the value alone.
    c.OnKeyDown = [](QObject *, int &Key, TShiftState) { Key = 0; };
    QTest::keyClick(&c, Qt::Key(key));
    QCOMPARE(c.Position(), expected);
}

void TestStrips::spaceOnButtons_data() {
    QTest::addColumn<bool>("twoState");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("down");
    QTest::addColumn<int>("up");
    QTest::newRow("plain") << false << 0 << 1 << 0;
    QTest::newRow("toggle on") << true << 0 << 1 << 1;
    QTest::newRow("toggle off") << true << 1 << 0 << 0;
}

void TestStrips::spaceOnButtons() {
    QFETCH(bool, twoState);
    QFETCH(int, start);
    QFETCH(int, down);
    QFETCH(int, up);
    TFrameImage img;
    img.SetBitmap(Picture(32, 76));
    img.SetCount(2);
    img.SetButton(true);
    img.SetTwoState(twoState);
    TImgControl c;
    c.SetFrameImage(&img);
    c.SetMax(1);
    c.SetPosition(start);
    int clicks = 0;
    c.OnButtonClick = [&](QObject *) { ++clicks; };
    QTest::keyPress(&c, Qt::Key_Space);
    QCOMPARE(c.Position(), down);
    // The system's key repeat: more presses and releases, none of them a click.
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&c, &repeatUp);
    QApplication::sendEvent(&c, &repeatDown);
    QCOMPARE(clicks, 0);
    QTest::keyRelease(&c, Qt::Key_Space);
    QCOMPARE(c.Position(), up);
    QCOMPARE(clicks, 1);
}

void TestStrips::escapeWhileDragging() {
    TStage stage;
    TImgControl c(&stage.Window);
    c.move(100, 100);
    c.SetMiddleSnap(0);
    c.SetPosition(30);
    c.SetShowScrollHint(true);
    QVERIFY(stage.Show());
    const TMouse m{&c};
    m.Press(QPoint(10, 20));
    QVERIFY(c.hasFocus());
    m.Move(QPoint(10, 0));
    QCOMPARE(c.Position(), 50);
    QTest::keyClick(&c, Qt::Key_Escape);
    QCOMPARE(c.Position(), 30);
    QVERIFY(!c.Dragging());
    QVERIFY(!c.ScrollHint().IsShowing());
    m.Move(QPoint(10, -20)); // the drag is over: moves change nothing
    QCOMPARE(c.Position(), 30);
    m.Release(QPoint(10, -20));
    QCOMPARE(c.Position(), 30);
}

void TestStrips::scrollHint() {
    TStage stage;
    TFrameImage img;
    SetUpWheel(img);
    TImgControl c(&stage.Window);
    c.move(100, 120);
    SetUpPitch(c, img);
    c.SetShowScrollHint(true);
    c.OnGetScrollHint = [](QObject *Sender, QString &Caption) {
        QVERIFY(Caption.isEmpty());
        Caption = QStringLiteral("Pitch: %1").arg(static_cast<TImgControl *>(Sender)->Position());
    };
    c.SetPosition(100); // a change by code shows no hint
    QVERIFY(!c.ScrollHint().IsShowing());
    c.SetPosition(0);
    QVERIFY(stage.Show());
    const TMouse m{&c};
    m.Press(QPoint(10, 40));
    QVERIFY(c.ScrollHint().IsShowing());
    QCOMPARE(c.ScrollHint().Text(), QStringLiteral("Pitch: 0"));
    QCOMPARE(c.ScrollHint().Window()->pos(), c.mapToGlobal(QPoint(c.width() + 2, 0)));
    m.Move(QPoint(10, 32));
    QCOMPARE(c.ScrollHint().Text(), QStringLiteral("Pitch: 288"));
    m.Release(QPoint(10, 32));
    QVERIFY(!c.ScrollHint().IsShowing());
    QVERIFY(!c.ScrollHint().Window()); // the window is gone until next shown
    // Without a handler the hint shows the value; without ShowScrollHint nothing shows.
    c.OnGetScrollHint = nullptr;
    m.Press(QPoint(10, 40));
    QCOMPARE(c.ScrollHint().Text(), QStringLiteral("288"));
    m.Release(QPoint(10, 40));
    c.SetShowScrollHint(false);
    m.Press(QPoint(10, 40));
    QVERIFY(!c.ScrollHint().IsShowing());
    m.Release(QPoint(10, 40));
}

void TestStrips::mouseEventsReachOwner() {
    TStage stage;
    TFrameImage img;
    SetUpWheel(img);
    TImgControl c(&stage.Window);
    c.move(100, 100);
    c.SetMax(127);
    c.SetMiddleSnap(0);
    c.SetFrameImage(&img);
    QStringList log;
    c.OnMouseUp = [&](QObject *, Qt::MouseButton, TShiftState S, int, int) {
        log << (S & TShiftStateFlag::ssCtrl ? QStringLiteral("up ctrl") : QStringLiteral("up"));
    };
    c.OnDblClick = [&](QObject *Sender) {
        log << QStringLiteral("dbl");
        static_cast<TImgControl *>(Sender)->SetPosition(0);
    };
    QVERIFY(stage.Show());
    const TMouse m{&c};
    m.Press(QPoint(10, 40));
    m.Move(QPoint(10, 20));
    QCOMPARE(c.Position(), 20);
    m.Release(QPoint(10, 20), Qt::ControlModifier);
    QTest::mouseDClick(m.Win(), Qt::LeftButton, {}, m.At(QPoint(10, 40)));
    QCOMPARE(log, QStringList({"up ctrl", "up", "dbl", "up"}));
    QCOMPARE(c.Position(), 0);
}

void TestStrips::allowUserControlOff() {
    TStage stage;
    TImgControl c(&stage.Window);
    c.move(100, 100);
    c.SetMiddleSnap(0);
    c.SetAllowUserControl(false);
    c.SetPosition(10);
    int downs = 0;
    c.OnMouseDown = [&](QObject *, Qt::MouseButton, TShiftState, int, int) { ++downs; };
    QVERIFY(stage.Show());
    const TMouse m{&c};
    m.Press(QPoint(10, 20));
    m.Move(QPoint(10, 0));
    m.Release(QPoint(10, 0));
    QTest::keyClick(&c, Qt::Key_Up);
    QCOMPARE(c.Position(), 10);
    QCOMPARE(downs, 1);
}

void TestStrips::autoSize() {
    QWidget parent;
    TImgControl c(&parent);
    c.move(8, 88);
    QCOMPARE(c.size(), QSize(47, 47));
    TFrameImage img;
    c.SetFrameImage(&img); // no frames yet: the size stays
    QCOMPARE(c.size(), QSize(47, 47));
    SetUpWheel(img);
    QCOMPARE(c.geometry(), QRect(8, 88, 20, 76));
    c.SetCaptionShow(true);
    QCOMPARE(c.size(), QSize(20, 76 + c.fontMetrics().height()));
    QFont big = c.font();
    big.setPixelSize(30);
    c.setFont(big);
    QCOMPARE(c.height(), 76 + QFontMetrics(big).height());
    c.SetCaptionShow(false);
    c.SetAutoSize(false);
    c.resize(40, 40);
    img.SetCount(82); // frames half as wide; the control keeps its size
    QCOMPARE(c.size(), QSize(40, 40));
    c.SetAutoSize(true);
    QCOMPARE(c.size(), QSize(10, 76));
    c.SetPosition(50); // values never resize
    QCOMPARE(c.size(), QSize(10, 76));
    QCOMPARE(c.pos(), QPoint(8, 88));
}

void TestStrips::paintsTheFrameOfThePosition() {
    TFrameImage img;
    img.SetPixelRatio(1.0);
    SetUpWheel(img);
    TImgControl c;
    SetUpPitch(c, img);
    const QImage picture = img.Bitmap().toImage();
    for (const auto &[pos, frame] : {std::pair{-8192, 0}, {0, 20}, {8191, 40}, {-3000, 12}}) {
        c.SetPosition(pos);
        QCOMPARE(c.FrameIndex(), frame);
        const QImage shot = c.grab().toImage().convertToFormat(picture.format());
        QCOMPARE(shot, picture.copy(frame * 20, 0, 20, 76));
    }
}

void TestStrips::crossForMissingPicture_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<bool>("alwaysEmpty");
    QTest::newRow("unknown picture") << "NOSUCHPICTURE" << false;
    QTest::newRow("always display empty") << "WHEEL" << true;
}

void TestStrips::crossForMissingPicture() {
    QFETCH(QString, resource);
    QFETCH(bool, alwaysEmpty);
    TFrameImage img;
    img.SetResBitmap(resource);
    img.SetCount(41);
    img.SetAlwaysDisplayEmpty(alwaysEmpty);
    TImgControl c;
    c.SetAutoSize(false);
    c.resize(40, 40);
    c.SetColor(Qt::white);
    QPalette pal = c.palette();
    pal.setColor(QPalette::ButtonText, Qt::black);
    c.setPalette(pal);
    c.SetTabStop(false);
    c.SetFrameImage(&img);
    const QImage shot = c.grab().toImage();
    // Both diagonals are drawn; the rest is background.
    QCOMPARE(shot.pixelColor(20, 20), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(10, 10), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(30, 10), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(20, 5), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(5, 20), QColor(Qt::white));
}

void TestStrips::imageAndControlsOutliveEachOther() {
    auto img = std::make_unique<TFrameImage>();
    SetUpWheel(img.get()[0]);
    auto a = std::make_unique<TImgControl>();
    TImgControl b;
    a->SetFrameImage(img.get());
    b.SetFrameImage(img.get());
    QCOMPARE(img->Controls().size(), 2);
    int changes = 0;
    img->OnChange = [&](QObject *) { ++changes; };
    a.reset();
    QCOMPARE(img->Controls().size(), 1);
    img->SetCount(82); // the remaining control follows the image
    QCOMPARE(changes, 1);
    QCOMPARE(b.size(), QSize(10, 76));
    b.SetFrameImage(img.get()); // the same image again: nothing happens
    QCOMPARE(img->Controls().size(), 1);
    img.reset();
    QVERIFY(!b.FrameImage());
    QCOMPARE(b.FrameIndex(), -1);
    b.SetPosition(40);
    QVERIFY(!b.grab().isNull()); // paints without an image
}

// Pictures

void TestStrips::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QSize>("size");
    QTest::newRow("wheel") << "WHEEL" << 1.0 << QSize(820, 76);
    QTest::newRow("wheel 256") << "WHEEL256" << 1.0 << QSize(820, 76);
    QTest::newRow("wheel lower case") << "wheel" << 1.0 << QSize(820, 76);
    QTest::newRow("wheel at 2x") << "WHEEL" << 2.0 << QSize(820, 76);
    QTest::newRow("wheel at 1.5x") << "WHEEL" << 1.5 << QSize(820, 76);
    QTest::newRow("wheel at 1.33x") << "WHEEL" << 1.33 << QSize(820, 76);
    QTest::newRow("left arrow") << "LEFTARROW" << 1.0 << QSize(32, 76);
    QTest::newRow("right arrow at 2x") << "RIGHTARROW" << 2.0 << QSize(32, 76);
    QTest::newRow("unknown") << "BACKGROUND" << 1.0 << QSize();
}

void TestStrips::pictures() {
    QFETCH(QString, name);
    QFETCH(qreal, dpr);
    QFETCH(QSize, size);
    const QPixmap pix = ControlPictures::Load(name, dpr);
    if (!size.isValid()) {
        QVERIFY(pix.isNull());
        return;
    }
    QCOMPARE(pix.devicePixelRatio(), dpr);
    QCOMPARE(pix.deviceIndependentSize().toSize(), size);
    QCOMPARE(pix.size(), (QSizeF(size) * dpr).toSize());
    // Loaded through an image at that ratio, the frames keep their logical size.
    TFrameImage img;
    img.SetPixelRatio(dpr);
    img.SetResBitmap(name);
    img.SetCount(size.width() == 820 ? 41 : 2);
    QCOMPARE(img.Width(), size.width() == 820 ? 20 : 16);
    QCOMPARE(img.Height(), 76);
}

void TestStrips::wheelMarkerRises() {
    for (qreal dpr : {1.0, 1.33, 2.0}) {
        const QImage pic = ControlPictures::Load(QStringLiteral("WHEEL"), dpr).toImage();
        double previous = 1e9;
        for (int f = 0; f < 41; ++f) {
            const double row = MarkerRow(pic, f, dpr);
            QVERIFY2(row > 0 && row < previous, qPrintable(QStringLiteral("frame %1").arg(f)));
            previous = row;
        }
        QVERIFY(MarkerRow(pic, 0, dpr) > 60);
        QVERIFY(qAbs(MarkerRow(pic, 20, dpr) - 38) <= 1.5);
        QVERIFY(MarkerRow(pic, 40, dpr) < 16);
    }
}

void TestStrips::arrowFrames() {
    // The middle of the arrow head's light pixels: a head pointing left has its mass to the
    // right of the frame's centre line, one pointing right to the left of it.
    auto centroid = [](const QImage &Img, int Frame) {
        double sum = 0;
        int n = 0;
        for (int y = 28; y < 48; ++y)
            for (int x = 3; x < 13; ++x)
                if (qGray(Img.pixel(Frame * 16 + x, y)) > 150) {
                    sum += x + 0.5;
                    ++n;
                }
        return n > 10 ? sum / n : -1.0;
    };
    const QImage left = ControlPictures::Load(QStringLiteral("LEFTARROW"), 1).toImage();
    const QImage right = ControlPictures::Load(QStringLiteral("RIGHTARROW"), 1).toImage();
    QVERIFY(left.copy(0, 0, 16, 76) != left.copy(16, 0, 16, 76));
    for (int f = 0; f < 2; ++f) {
        QVERIFY2(centroid(left, f) > 8.5, "the left arrow points left");
        const double r = centroid(right, f);
        QVERIFY2(r > 0 && r < 8.5, "the right arrow points right");
    }
    // The raised frame is lit along the top edge, the pressed one is not.
    QVERIFY(qGray(left.pixel(8, 2)) > qGray(left.pixel(16 + 8, 2)) + 30);
}

// Moving hint

void TestStrips::movingHintPlacement() {
    TStage stage;
    QWidget control(&stage.Window);
    control.setGeometry(40, 50, 20, 76);
    QVERIFY(stage.Show());
    TMovingHint hint;
    QVERIFY(!hint.IsShowing());
    hint.ShowAt(&control, QStringLiteral("Pitch: 0"));
    QVERIFY(hint.IsShowing());
    QCOMPARE(hint.Window()->pos(), stage.Window.mapToGlobal(QPoint(62, 50)));
    QWidget *first = hint.Window();
    control.move(100, 10); // every call places it anew
    hint.ShowAt(&control, QStringLiteral("Pitch: 96"));
    QCOMPARE(hint.Window(), first);
    QCOMPARE(hint.Window()->pos(), stage.Window.mapToGlobal(QPoint(122, 10)));
    hint.SetShowing(true); // already showing: nothing
    QCOMPARE(hint.Window(), first);
    hint.HideHint();
    QVERIFY(!hint.IsShowing());
    QVERIFY(!hint.Window());
    hint.SetShowing(true); // shows again at the last place
    QVERIFY(hint.IsShowing());
    QCOMPARE(hint.Window()->pos(), stage.Window.mapToGlobal(QPoint(122, 10)));
}

void TestStrips::movingHintWraps() {
    QWidget control;
    control.resize(20, 20);
    TMovingHint hint;
    hint.ShowAt(&control, QStringLiteral("Pitch: 8191"));
    const QSize one = hint.Window()->size();
    hint.ShowAt(&control, QStringLiteral("A hint with many words that cannot fit in one line"));
    const QSize many = hint.Window()->size();
    const int line = QFontMetrics(hint.Window()->font()).height();
    QVERIFY2(many.height() >= one.height() + 2 * line - 2, "wraps onto three lines or more");
    QVERIFY(many.width() <= TMovingHint::MaxWidth + 10);
    QVERIFY(one.height() < 2 * line);
}

// Splitter. Geometry: neighbour and splitter placed for the align; the pointer drags by delta.

void TestStrips::splitter_data() {
    QTest::addColumn<int>("align");
    QTest::addColumn<QList<int>>("steps"); // pointer offsets from the press, along the axis
    QTest::addColumn<int>("size");         // the neighbour's size after the release
    QTest::addColumn<QRect>("splitter");   // where the splitter ends up
    const int r = int(TAlign::alRight), l = int(TAlign::alLeft), t = int(TAlign::alTop),
              b = int(TAlign::alBottom);
    // alRight: neighbour 173..399 (227 wide), splitter at 170, 3 wide, window 400 wide.
    QTest::newRow("right, 40 left") << r << QList<int>{-40} << 267 << QRect(130, 0, 3, 300);
    QTest::newRow("right, in steps")
        << r << QList<int>{-10, -25, -40} << 267 << QRect(130, 0, 3, 300);
    QTest::newRow("right, to MinSize") << r << QList<int>{210} << 30 << QRect(367, 0, 3, 300);
    QTest::newRow("right, to largest") << r << QList<int>{-169} << 367 << QRect(30, 0, 3, 300);
    // alLeft: neighbour 0..149, splitter at 150.
    QTest::newRow("left, 40 right") << l << QList<int>{40} << 190 << QRect(190, 0, 3, 300);
    QTest::newRow("left, back 30") << l << QList<int>{40, -30} << 120 << QRect(120, 0, 3, 300);
    // alTop: neighbour 0..59 tall, splitter at 60.
    QTest::newRow("top, 30 down") << t << QList<int>{30} << 90 << QRect(0, 90, 400, 3);
    QTest::newRow("top, largest") << t << QList<int>{230} << 267 << QRect(0, 267, 400, 3);
    // alBottom: neighbour 240..299 (60 tall), splitter at 237.
    QTest::newRow("bottom, 30 up") << b << QList<int>{-30} << 90 << QRect(0, 207, 400, 3);
}

void TestStrips::splitter() {
    QFETCH(int, align);
    QFETCH(QList<int>, steps);
    QFETCH(int, size);
    QFETCH(QRect, splitter);
    QWidget window;
    window.resize(400, 300);
    QWidget client(&window), neighbour(&window);
    TSplitter s(&window);
    s.SetAlign(TAlign(align));
    s.SetResizeWhileDrag(true);
    SetControlAlign(&neighbour, TAlign(align));
    SetControlAlign(&client, TAlign::alClient);
    switch (TAlign(align)) {
    case TAlign::alRight:
        neighbour.setGeometry(173, 0, 227, 300);
        s.setGeometry(170, 0, 3, 300);
        client.setGeometry(0, 0, 170, 300);
        break;
    case TAlign::alLeft:
        neighbour.setGeometry(0, 0, 150, 300);
        s.setGeometry(150, 0, 3, 300);
        client.setGeometry(153, 0, 247, 300);
        break;
    case TAlign::alTop:
        neighbour.setGeometry(0, 0, 400, 60);
        s.setGeometry(0, 60, 400, 3);
        client.setGeometry(0, 63, 400, 237);
        break;
    default:
        neighbour.setGeometry(0, 240, 400, 60);
        s.setGeometry(0, 237, 400, 3);
        client.setGeometry(0, 0, 400, 237);
        break;
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const bool vertical = TAlign(align) == TAlign::alTop || TAlign(align) == TAlign::alBottom;
    int moved = 0;
    s.OnMoved = [&](QObject *) { ++moved; };
    // The pointer, in window coordinates, goes where the user's hand goes; the splitter may
    // move under it.
    const QPoint press = s.geometry().center();
    QWindow *win = window.windowHandle();
    QTest::mousePress(win, Qt::LeftButton, {}, press);
    QPoint at = press;
    for (int d : steps) {
        at = press + (vertical ? QPoint(0, d) : QPoint(d, 0));
        QTest::mouseEvent(QTest::MouseMove, win, Qt::NoButton, {}, at);
    }
    QTest::mouseRelease(win, Qt::LeftButton, {}, at);
    QCOMPARE(vertical ? neighbour.height() : neighbour.width(), size);
    QCOMPARE(s.geometry(), splitter);
    QCOMPARE(moved, 1);
    // The far edge of a right or bottom neighbour stays where it was.
    if (TAlign(align) == TAlign::alRight)
        QCOMPARE(neighbour.geometry().right(), 399);
    if (TAlign(align) == TAlign::alBottom)
        QCOMPARE(neighbour.geometry().bottom(), 299);
}

void TestStrips::splitterInLayoutFollowsPointer() {
    QWidget window;
    window.resize(400, 300);
    auto *row = new QHBoxLayout(&window);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto *left = new QWidget;
    auto *s = new TSplitter;
    auto *right = new QWidget;
    s->setFixedWidth(3);
    s->SetAlign(TAlign::alRight);
    s->SetResizeWhileDrag(true);
    right->setFixedWidth(227);
    SetControlAlign(right, TAlign::alRight);
    row->addWidget(left, 1);
    row->addWidget(s);
    row->addWidget(right);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(s->x(), 170);
    QWindow *win = window.windowHandle();
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(171, 100));
    QTest::mouseEvent(QTest::MouseMove, win, Qt::NoButton, {}, QPoint(151, 100));
    QCOMPARE(right->width(), 247); // live, while dragging
    QCOMPARE(s->x(), 150);
    QTest::mouseEvent(QTest::MouseMove, win, Qt::NoButton, {}, QPoint(131, 100));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(131, 100));
    QCOMPARE(right->width(), 267);
    QCOMPARE(left->width(), 130);
}

void TestStrips::splitterWithoutNeighbour() {
    QWidget window;
    window.resize(400, 300);
    QWidget other(&window);
    other.setGeometry(0, 0, 100, 300);
    TSplitter s(&window);
    s.SetAlign(TAlign::alRight);
    s.SetResizeWhileDrag(true);
    s.setGeometry(397, 0, 3, 300); // nothing to its right
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList log;
    s.OnMouseDown = [&](QObject *, Qt::MouseButton, int, int) { log << QStringLiteral("down"); };
    s.OnMouseUp = [&](QObject *, Qt::MouseButton, int, int) { log << QStringLiteral("up"); };
    s.OnMoved = [&](QObject *) { log << QStringLiteral("moved"); };
    QWindow *win = window.windowHandle();
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(398, 10));
    QVERIFY(!s.Neighbour());
    QTest::mouseEvent(QTest::MouseMove, win, Qt::NoButton, {}, QPoint(300, 10));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(300, 10));
    QCOMPARE(log, QStringList({"down", "up"}));
    QCOMPARE(s.x(), 397);
    QCOMPARE(other.geometry(), QRect(0, 0, 100, 300));
}

void TestStrips::splitterResizesAtReleaseWhenNotLive() {
    QWidget window;
    window.resize(400, 300);
    QWidget neighbour(&window);
    neighbour.setGeometry(0, 0, 150, 300);
    TSplitter s(&window);
    s.SetAlign(TAlign::alLeft);
    s.setGeometry(150, 0, 3, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWindow *win = window.windowHandle();
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(151, 10));
    QTest::mouseEvent(QTest::MouseMove, win, Qt::NoButton, {}, QPoint(201, 10));
    QCOMPARE(neighbour.width(), 150);
    QCOMPARE(s.x(), 150);
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(201, 10));
    QCOMPARE(neighbour.width(), 200);
    QCOMPARE(s.x(), 200);
}

// Small controls

void TestStrips::checkButton() {
    TStage stage;
    TCheckButton b(QStringLiteral("&Edit"), &stage.Window);
    b.move(10, 10);
    QCOMPARE(b.size(), QSize(75, 25));
    int clicks = 0;
    connect(&b, &QPushButton::clicked, this, [&] { ++clicks; });
    QVERIFY(stage.Show());
    const TMouse m{&b};
    m.Press(QPoint(30, 10));
    m.Release(QPoint(30, 10));
    QVERIFY(b.Checked()); // stays down
    QVERIFY(b.isDown() || b.isChecked());
    m.Press(QPoint(30, 10));
    m.Release(QPoint(30, 10));
    QVERIFY(!b.Checked());
    QCOMPARE(clicks, 2);
    b.SetChecked(true); // by code: no click
    QCOMPARE(clicks, 2);
    QVERIFY(b.Checked());
}

void TestStrips::bevelAndTransparent() {
    QWidget parent;
    parent.resize(100, 100);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::red);
    pal.setColor(QPalette::Dark, Qt::blue);
    pal.setColor(QPalette::Light, Qt::green);
    parent.setPalette(pal);
    TBevel bevel(&parent);
    bevel.setGeometry(0, 0, 20, 20);
    TTransparent see(&parent);
    see.setGeometry(50, 50, 20, 20);
    QImage shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(0, 5), QColor(Qt::blue)); // a lowered box: shadow on the left
    QCOMPARE(shot.pixelColor(19, 5), QColor(Qt::green));
    QCOMPARE(shot.pixelColor(55, 55), QColor(Qt::red)); // the parent shows through
    bevel.SetNoBevel(true);
    QPalette own = see.palette();
    own.setColor(QPalette::Window, Qt::yellow);
    see.setPalette(own);
    see.SetTransparent(false);
    shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(0, 5), QColor(Qt::red)); // a spacer paints nothing
    QCOMPARE(shot.pixelColor(55, 55), QColor(Qt::yellow));
}

// A window placement kept from another screen layout, on two screens side by side: every window
// opens wholly on one of them (a stored Left=1900 on a 1600-pixel screen showed 46 pixels).
void TestStrips::keepOnScreen_data() {
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QPoint>("placed");
    const QSize s(400, 200);
    QTest::newRow("on the first screen") << QRect(QPoint(100, 100), s) << QPoint(100, 100);
    QTest::newRow("on the second screen") << QRect(QPoint(2500, 300), s) << QPoint(2500, 300);
    QTest::newRow("right of everything") << QRect(QPoint(5000, 300), s) << QPoint(3440, 300);
    QTest::newRow("left of everything") << QRect(QPoint(-900, 300), s) << QPoint(0, 300);
    QTest::newRow("partly left") << QRect(QPoint(-300, 300), s) << QPoint(0, 300);
    QTest::newRow("below everything") << QRect(QPoint(100, 2000), s) << QPoint(100, 880);
    QTest::newRow("title bar above the top") << QRect(QPoint(100, -5000), s) << QPoint(100, 0);
    QTest::newRow("mostly on the second") << QRect(QPoint(1800, 300), s) << QPoint(1920, 300);
    QTest::newRow("larger than a screen") << QRect(100, 100, 2000, 1200) << QPoint(0, 0);
}

void TestStrips::keepOnScreen() {
    QFETCH(QRect, stored);
    QFETCH(QPoint, placed);
    const QRect r = KeepOnScreen(stored, {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)});
    QCOMPARE(r.topLeft(), placed);
    QCOMPARE(r.size(), stored.size());
}

QTEST_MAIN(TestStrips)
#include "tst_strips.moc"
