#include "controls/wheel.h"
#include "controls/wheelrules.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <climits>
#include <memory>

namespace {

// Mouse events through the window, as the window system delivers them: the pressed widget keeps
// the moves and the release even outside itself.
struct TMouse {
    QWidget *W;
    QWindow *Win() const { return W->window()->windowHandle(); }
    QPoint At(QPoint P) const { return W->mapTo(W->window(), P); }
    void Press(QPoint P) const { QTest::mousePress(Win(), Qt::LeftButton, {}, At(P)); }
    void Move(QPoint P) const {
        QTest::mouseEvent(QTest::MouseMove, Win(), Qt::NoButton, {}, At(P));
    }
    void Release(QPoint P) const { QTest::mouseRelease(Win(), Qt::LeftButton, {}, At(P)); }
};

// A knob in a window with room above and below it for drags; it records its events as letters:
// P position set, T track, S select.
struct TStage {
    QWidget Window;
    TWheel *W;
    QString Events;
    TStage() {
        Window.resize(200, 400);
        W = new TWheel(&Window);
        W->move(70, 170);
        W->OnPosChange = [this](QObject *) { Events += u'P'; };
        W->OnTrack = [this](QObject *) { Events += u'T'; };
        W->OnSelect = [this](QObject *) { Events += u'S'; };
    }
    bool Show() {
        Window.show();
        Window.activateWindow();
        if (!QTest::qWaitForWindowExposed(&Window) || !QTest::qWaitForWindowActive(&Window))
            return false;
        W->setFocus();
        return true;
    }
};

QImage Render(TWheel &W, qreal Ratio) {
    QImage img(W.size() * Ratio, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(Ratio);
    img.fill(Qt::transparent);
    W.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

} // namespace

class TestWheel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void snapping_data();
    void snapping();
    void settingPositionEvents_data();
    void settingPositionEvents();
    void rangeSetters_data();
    void rangeSetters();
    void stepSetter_data();
    void stepSetter();
    void balance_data();
    void balance();
    void squareAndOdd_data();
    void squareAndOdd();
    void plainResizeStaysSquare();
    void ticks_data();
    void ticks();
    void pointerTip_data();
    void pointerTip();
    void faces_data();
    void faces();
    void faceColour();
    void keys_data();
    void keys();
    void escapeOutsideDragIsLeftToTheWindow();
    void wheelNotches_data();
    void wheelNotches();
    void drag_data();
    void drag();
    void escapeDuringDragReturns();
    void trackHint();
};

void TestWheel::snapping_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("14 down to 10") << 0 << 100 << 10 << 14 << 10;
    QTest::newRow("15 halfway up to 20") << 0 << 100 << 10 << 15 << 20;
    QTest::newRow("-5 halfway up to 0") << -100 << 100 << 10 << -5 << 0;
    QTest::newRow("-6 down to -10") << -100 << 100 << 10 << -6 << -10;
    QTest::newRow("-15 halfway up to -10") << -100 << 100 << 10 << -15 << -10;
    QTest::newRow("counted from 0, not Min") << 5 << 105 << 10 << 7 << 10;
    QTest::newRow("Min stays valid") << 5 << 105 << 10 << 5 << 5;
    QTest::newRow("Max stays valid") << 5 << 105 << 10 << 105 << 105;
    QTest::newRow("above Max clamps") << 0 << 100 << 10 << 1000 << 100;
    QTest::newRow("below Min clamps") << 0 << 100 << 10 << -1000 << 0;
    QTest::newRow("snap below Min comes back to Min") << 3 << 103 << 10 << 4 << 3;
    QTest::newRow("snap above Max comes back to Max") << -3 << 97 << 10 << 96 << 97;
    QTest::newRow("extremes do not overflow")
        << INT_MIN + 1 << INT_MAX << 1 << INT_MIN << INT_MIN + 1;
}

void TestWheel::snapping() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, step);
    QFETCH(int, value);
    QFETCH(int, expected);
    TWheel w;
    w.SetPositionMax(max);
    w.SetPositionMin(min);
    w.SetPositionMax(max);
    w.SetPositionStep(step);
    QCOMPARE(w.PositionMin(), min);
    QCOMPARE(w.PositionMax(), max);
    QCOMPARE(w.PositionStep(), step);
    w.SetPosition(value);
    QCOMPARE(w.Position(), expected);
    QCOMPARE(WheelRules::Snap(value, min, max, step), expected);
}

void TestWheel::settingPositionEvents_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("posChanges");
    QTest::newRow("the current value again fires") << 50 << 50 << 1;
    QTest::newRow("a value snapping back fires nothing") << 54 << 50 << 0;
    QTest::newRow("a new value fires once") << 56 << 60 << 1;
}

void TestWheel::settingPositionEvents() {
    QFETCH(int, value);
    QFETCH(int, expected);
    QFETCH(int, posChanges);
    TWheel w;
    w.SetPositionStep(10);
    w.SetPosition(50);
    int fired = 0;
    w.OnPosChange = [&](QObject *) { ++fired; };
    w.SetPosition(value);
    QCOMPARE(w.Position(), expected);
    QCOMPARE(fired, posChanges);
}

void TestWheel::rangeSetters_data() {
    QTest::addColumn<bool>("setMax");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("position");
    // start: 0..100, step 10, position 80
    QTest::newRow("max not above min is refused") << true << 0 << 0 << 100 << 10 << 80;
    QTest::newRow("max below min is refused") << true << -5 << 0 << 100 << 10 << 80;
    QTest::newRow("min not below max is refused") << false << 100 << 0 << 100 << 10 << 80;
    QTest::newRow("lower max pulls the position in") << true << 50 << 0 << 50 << 10 << 50;
    QTest::newRow("range below step shrinks the step") << true << 5 << 0 << 5 << 5 << 5;
    QTest::newRow("higher min pulls the position in") << false << 90 << 90 << 100 << 10 << 90;
    QTest::newRow("min near max shrinks the step") << false << 97 << 97 << 100 << 3 << 97;
    QTest::newRow("wider range keeps everything") << true << 200 << 0 << 200 << 10 << 80;
}

void TestWheel::rangeSetters() {
    QFETCH(bool, setMax);
    QFETCH(int, value);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, step);
    QFETCH(int, position);
    TWheel w;
    w.SetPositionStep(10);
    w.SetPosition(80);
    if (setMax)
        w.SetPositionMax(value);
    else
        w.SetPositionMin(value);
    QCOMPARE(w.PositionMin(), min);
    QCOMPARE(w.PositionMax(), max);
    QCOMPARE(w.PositionStep(), step);
    QCOMPARE(w.Position(), position);
}

void TestWheel::stepSetter_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("a divisor of the range") << 25 << 25;
    QTest::newRow("the whole range") << 100 << 100;
    QTest::newRow("0 refused") << 0 << 1;
    QTest::newRow("negative refused") << -10 << 1;
    QTest::newRow("bigger than the range refused") << 101 << 1;
    QTest::newRow("not fitting the range refused") << 30 << 1;
}

void TestWheel::stepSetter() {
    QFETCH(int, value);
    QFETCH(int, expected);
    TWheel w;
    w.SetPositionStep(value);
    QCOMPARE(w.PositionStep(), expected);
}

void TestWheel::balance_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("bound");
    QTest::addColumn<int>("expectedPosition");
    QTest::newRow("0..127 gives -127..127") << 0 << 127 << 100 << 127 << 100;
    QTest::newRow("-50..127 gives -50..50") << -50 << 127 << 100 << 50 << 50;
    QTest::newRow("-80..0 gives -80..80") << -80 << 0 << -20 << 80 << -20;
    QTest::newRow("huge bound limited") << 0 << INT_MAX << 5 << 0x3FFFFFFF << 5;
    QTest::newRow("INT_MIN magnitude limited") << INT_MIN << 0 << -5 << 0x3FFFFFFF << -5;
}

void TestWheel::balance() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, position);
    QFETCH(int, bound);
    QFETCH(int, expectedPosition);
    TWheel w;
    w.SetPositionMin(min);
    w.SetPositionMax(max);
    w.SetPositionMin(min);
    QCOMPARE(w.PositionMin(), min);
    QCOMPARE(w.PositionMax(), max);
    w.SetPosition(position);
    w.SetBalance(true);
    QCOMPARE(w.PositionMin(), -bound);
    QCOMPARE(w.PositionMax(), bound);
    QCOMPARE(w.Position(), expectedPosition);
    // with Balance on, one bound sets both; 0 is refused; turning it off keeps the bounds
    w.SetPositionMax(0);
    QCOMPARE(w.PositionMax(), bound);
    w.SetPositionMax(30);
    QCOMPARE(w.PositionMin(), -30);
    QCOMPARE(w.PositionMax(), 30);
    w.SetPositionMin(-20);
    QCOMPARE(w.PositionMin(), -20);
    QCOMPARE(w.PositionMax(), 20);
    w.SetBalance(false);
    QCOMPARE(w.PositionMax(), 20);
    w.SetPositionMax(60);
    QCOMPARE(w.PositionMin(), -20);
}

void TestWheel::squareAndOdd_data() {
    QTest::addColumn<bool>("force");
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("width changed: height follows")
        << true << QSize(47, 47) << QSize(60, 47) << QSize(61, 61);
    QTest::newRow("height changed: width follows")
        << true << QSize(47, 47) << QSize(47, 30) << QSize(31, 31);
    QTest::newRow("both changed: the smaller")
        << true << QSize(47, 47) << QSize(80, 50) << QSize(51, 51);
    QTest::newRow("48 becomes 49") << true << QSize(47, 47) << QSize(48, 48) << QSize(49, 49);
    QTest::newRow("not square, still odd")
        << false << QSize(47, 47) << QSize(48, 30) << QSize(49, 31);
}

void TestWheel::squareAndOdd() {
    QFETCH(bool, force);
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    QFETCH(QSize, expected);
    TWheel w;
    w.SetForceSquare(force);
    QCOMPARE(w.size(), from);
    w.SetBounds(3, 4, to.width(), to.height());
    QCOMPARE(w.size(), expected);
    QCOMPARE(w.pos(), QPoint(3, 4));
}

void TestWheel::plainResizeStaysSquare() {
    TStage s;
    QVERIFY(s.Show());
    s.W->resize(60, 47);
    QCOMPARE(s.W->size(), QSize(61, 61));
    s.W->resize(28, 28);
    QCOMPARE(s.W->size(), QSize(29, 29));
}

void TestWheel::ticks_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("balance");
    QTest::addColumn<QList<int>>("percents");
    QTest::newRow("10 intervals") << 10 << false
                                  << QList<int>{0, 100, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    QTest::newRow("8 intervals: halves to even")
        << 8 << false << QList<int>{0, 100, 12, 25, 38, 50, 62, 75, 88};
    QTest::newRow("3 with a centre tick") << 3 << true << QList<int>{0, 100, 50, 33, 67};
    QTest::newRow("2 intervals") << 2 << false << QList<int>{0, 100, 50};
}

void TestWheel::ticks() {
    QFETCH(int, ticks);
    QFETCH(bool, balance);
    QFETCH(QList<int>, percents);
    const auto got = WheelRules::TickPercents(ticks, balance);
    QCOMPARE(QList<int>(got.begin(), got.end()), percents);
}

void TestWheel::pointerTip_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QPoint>("tip");
    // the main window's 27-pixel knob: margin 1, no gap, width 1: radius 13 - 1 - 0 - 0 - 3
    QTest::newRow("0 lower left") << 0 << QPoint(10, 21);
    QTest::newRow("Max lower right") << 128 << QPoint(16, 21);
    QTest::newRow("middle straight up") << 64 << QPoint(13, 4);
}

void TestWheel::pointerTip() {
    QFETCH(int, position);
    QFETCH(QPoint, tip);
    TWheel w;
    w.SetBounds(0, 0, 27, 27);
    w.SetPositionMax(128);
    w.SetPointerDistance(0);
    w.SetScale(false);
    w.SetScaleLength(1);
    w.SetPosition(position);
    QCOMPARE(w.Centre(), QPoint(13, 13));
    QCOMPARE(w.PointerTip(), tip);
}

void TestWheel::faces_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("filled");
    for (int style = 0; style < 3; ++style)
        for (int frame = 0; frame < 4; ++frame) {
            const bool filled = !(style != 2 && frame == int(TFaceStyle::fsSingleBevel));
            QTest::addRow("style %d frame %d", style, frame) << style << frame << filled;
        }
}

void TestWheel::faces() {
    QFETCH(int, style);
    QFETCH(int, frame);
    QFETCH(bool, filled);
    TWheel w;
    w.SetWheelStyle(TFillScheme(style));
    w.SetWheelFrame(TFaceStyle(frame));
    w.SetWheelColor(QColor(200, 40, 40));
    w.SetScaleColor(Qt::black);
    w.SetPosition(50); // the pointer stands straight up, away from the sampled spot
    for (qreal ratio : {1.0, 2.0}) {
        const QImage img = Render(w, ratio);
        QCOMPARE(img.size(), QSize(47, 47) * ratio);
        // the corners stay see-through: the parent shows there
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
        // a spot below the centre shows the face colour (shaded) or, unfilled, nothing
        const QColor c = img.pixelColor(img.width() / 2, img.height() * 2 / 3);
        if (filled) {
            QCOMPARE(c.alpha(), 255);
            QVERIFY2(c.red() > c.green() + 100, qPrintable(c.name()));
        } else {
            QCOMPARE(c.alpha(), 0);
        }
    }
    // drawn anew at twice the pixels, not a blown-up copy: the outline has more in-between tones
    const QImage one = Render(w, 1.0);
    const QImage two = Render(w, 2.0);
    QVERIFY(two != one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    const auto tones = [](const QImage &img) {
        QSet<int> alphas;
        for (int x = 0; x < img.width(); ++x)
            alphas.insert(qAlpha(img.pixel(x, img.height() / 2)));
        return alphas.size();
    };
    QVERIFY(tones(one) > 2); // antialiased, not just on and off
}

void TestWheel::faceColour() {
    TStage s;
    s.W->SetFocusAction(TFocusAction::faFocusColor);
    s.W->SetWheelColor(Qt::black);
    s.W->SetFocusColor(Qt::blue);
    s.W->SetDisabledColor(Qt::gray);
    QCOMPARE(s.W->FaceColor(), QColor(Qt::black));
    QVERIFY(s.Show());
    QVERIFY(s.W->hasFocus());
    QCOMPARE(s.W->FaceColor(), QColor(Qt::blue));
    const QImage img = s.W->grab().toImage();
    QCOMPARE(img.pixelColor(img.width() / 2, img.height() * 2 / 3).blue() > 150, true);
    s.W->SetFocusAction(TFocusAction::faFocusRect);
    QCOMPARE(s.W->FaceColor(), QColor(Qt::black));
    s.W->setEnabled(false);
    QCOMPARE(s.W->FaceColor(), QColor(Qt::gray));
}

void TestWheel::keys_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("events");
    QTest::newRow("Page Up") << 50 << int(Qt::Key_PageUp) << 60 << "PTS";
    QTest::newRow("Page Down") << 50 << int(Qt::Key_PageDown) << 40 << "PTS";
    QTest::newRow("End") << 50 << int(Qt::Key_End) << 100 << "PTS";
    QTest::newRow("Home") << 50 << int(Qt::Key_Home) << 0 << "PTS";
    QTest::newRow("Home at Min still fires") << 0 << int(Qt::Key_Home) << 0 << "PTS";
    QTest::newRow("Up at Max fires no change") << 100 << int(Qt::Key_Up) << 100 << "TS";
    QTest::newRow("Up") << 50 << int(Qt::Key_Up) << 51 << "PTS";
    QTest::newRow("Right") << 50 << int(Qt::Key_Right) << 51 << "PTS";
    QTest::newRow("Down") << 50 << int(Qt::Key_Down) << 49 << "PTS";
    QTest::newRow("Left") << 50 << int(Qt::Key_Left) << 49 << "PTS";
    QTest::newRow("other keys do nothing") << 50 << int(Qt::Key_A) << 50 << "";
}

void TestWheel::keys() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    QFETCH(QString, events);
    TStage s;
    s.W->SetPosition(start);
    QVERIFY(s.Show());
    s.Events.clear();
    QTest::keyClick(s.W, Qt::Key(key));
    QCOMPARE(s.W->Position(), expected);
    QCOMPARE(s.Events, events);
}

void TestWheel::escapeOutsideDragIsLeftToTheWindow() {
    TStage s;
    QVERIFY(s.Show());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(s.W, &esc);
    QVERIFY(!esc.isAccepted());
    QCOMPARE(s.Events, QString());
}

void TestWheel::wheelNotches_data() {
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("expected");
    QTest::newRow("one notch: a large step") << 120 << false << 60;
    QTest::newRow("one notch down") << -120 << false << 40;
    QTest::newRow("two notches") << 240 << false << 70;
    QTest::newRow("half a notch") << 60 << false << 55;
    QTest::newRow("with Shift: a small step") << 120 << true << 51;
    QTest::newRow("with Shift, down") << -120 << true << 49;
}

void TestWheel::wheelNotches() {
    QFETCH(int, delta);
    QFETCH(bool, shift);
    QFETCH(int, expected);
    TStage s;
    s.W->SetPosition(50);
    QVERIFY(s.Show());
    s.Events.clear();
    const QPointF at(23, 23);
    QWheelEvent e(at, s.W->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  shift ? Qt::ShiftModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(s.W, &e);
    QVERIFY(e.isAccepted());
    QCOMPARE(s.W->Position(), expected);
    QCOMPARE(s.Events, QStringLiteral("PTS"));
}

void TestWheel::drag_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("events");
    QTest::newRow("30 up with step 1") << 1 << 30 << 80 << "TPTTS";
    QTest::newRow("30 down with step 1") << 1 << -30 << 20 << "TPTTS";
    QTest::newRow("4 up with step 10: no change") << 10 << 4 << 50 << "TTTS";
    QTest::newRow("5 up with step 10") << 10 << 5 << 60 << "TPTTS";
    QTest::newRow("far past Max") << 1 << 150 << 100 << "TPTTS";
}

void TestWheel::drag() {
    QFETCH(int, step);
    QFETCH(int, up);
    QFETCH(int, expected);
    QFETCH(QString, events);
    TStage s;
    s.W->SetPositionStep(step);
    s.W->SetPosition(50);
    QVERIFY(s.Show());
    s.Events.clear();
    const TMouse m{s.W};
    m.Press(QPoint(20, 20));
    QVERIFY(s.W->Dragging());
    m.Move(QPoint(25, 20 - up)); // sideways does not count
    QCOMPARE(s.W->Position(), expected);
    m.Release(QPoint(25, 20 - up));
    QVERIFY(!s.W->Dragging());
    QCOMPARE(s.W->Position(), expected);
    QCOMPARE(s.Events, events);
}

void TestWheel::escapeDuringDragReturns() {
    TStage s;
    s.W->SetPosition(50);
    QVERIFY(s.Show());
    const TMouse m{s.W};
    m.Press(QPoint(20, 20));
    m.Move(QPoint(20, 0));
    QCOMPARE(s.W->Position(), 70);
    s.Events.clear();
    QTest::keyClick(s.W, Qt::Key_Escape);
    QCOMPARE(s.W->Position(), 50);
    QVERIFY(!s.W->Dragging());
    QCOMPARE(s.Events, QStringLiteral("PTS"));
    // the rest of the drag is ignored
    m.Move(QPoint(20, -20));
    m.Release(QPoint(20, -20));
    QCOMPARE(s.W->Position(), 50);
    QCOMPARE(s.Events, QStringLiteral("PTS"));
}

void TestWheel::trackHint() {
    TStage s;
    s.W->SetShowTrackHint(true);
    QVERIFY(s.Show());
    const TMouse m{s.W};
    m.Press(QPoint(20, 20));
    QVERIFY(s.W->TrackHint().IsShowing());
    QCOMPARE(s.W->TrackHint().Text(), QStringLiteral("0"));
    s.W->OnGetTrackHint = [&](QObject *, QString &c) {
        c = QStringLiteral("Vol %1").arg(s.W->Position());
    };
    m.Move(QPoint(20, 8));
    QCOMPARE(s.W->TrackHint().Text(), QStringLiteral("Vol 12"));
    m.Release(QPoint(20, 8));
    QVERIFY(!s.W->TrackHint().IsShowing());
    // keys never show it
    QTest::keyClick(s.W, Qt::Key_Up);
    QVERIFY(!s.W->TrackHint().IsShowing());
}

QTEST_MAIN(TestWheel)
#include "tst_wheel.moc"
