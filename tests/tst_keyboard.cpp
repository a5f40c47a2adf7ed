#include "keyboard/keyboard.h"
#include "keyboard/keylabels.h"
#include "keyboard/keypictures.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QTest>
#include <QTouchEvent>

#include <algorithm>

#include <tuple>
#include <vector>

namespace {

using Msg = std::tuple<int, int, int>;

// Real mouse events, delivered the way the window system would deliver them.
void Send(QWidget *w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers mods = {}) {
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}
void Press(QWidget *w, QPoint p, Qt::MouseButton b, Qt::MouseButtons held,
           Qt::KeyboardModifiers mods = {}) {
    Send(w, QEvent::MouseButtonPress, p, b, held | b, mods);
}
void Move(QWidget *w, QPoint p, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}) {
    Send(w, QEvent::MouseMove, p, Qt::NoButton, held, mods);
}
void Release(QWidget *w, QPoint p, Qt::MouseButton b, Qt::MouseButtons stillHeld,
             Qt::KeyboardModifiers mods = {}) {
    Send(w, QEvent::MouseButtonRelease, p, b, stillHeld, mods);
}

struct Fixture {
    TKeyboard Keys;
    std::vector<Msg> Out;
    std::vector<Msg> Display;
    QStringList Hover;
    int Drags = 0;

    Fixture() {
        Keys.resize(329, 76);
        Keys.Model().SetBounds(329, 76);
        Keys.Model().SetBaseNote(0); // white key i spans x = 15 i .. 15 i + 14
        Keys.Model().OnNote = [this](QObject *, const TShortMessage &M) {
            Out.emplace_back(M.Status, M.Data1, M.Data2);
        };
        Keys.Model().OnDisplayEvent = [this](QObject *, const TShortMessage &M) {
            Display.emplace_back(M.Status, M.Data1, M.Data2);
        };
        Keys.Model().OnNoteHover = [this](QObject *, const QString &s) { Hover << s; };
        Keys.OnMouseDrag = [this](QObject *, int &, Qt::MouseButton, TShiftState) { ++Drags; };
    }
    QList<Msg> Sent() const { return QList<Msg>(Out.begin(), Out.end()); }
};

QColor PixelAt(QWidget &w, QPoint p) {
    return w.grab().toImage().pixelColor(p);
}

} // namespace

Q_DECLARE_METATYPE(TPaintStyle)
Q_DECLARE_METATYPE(TImageSize)

class TestKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dragPlaysEachKeyInTurn();
    void holdModeControlChangeWithDeadZone();
    void holdModePitchBendCentredOnRelease();
    void ctrlReleaseHoldsUntilNextPress();
    void moveWithoutButtonOnlyHovers();
    void pressVetoedByHandler();
    void handlerCanChangeTheNote();
    void middleClickDoesNotEndAHeldNote();
    void otherButtonSwitchesModeWithoutNewNote();
    void pitchBendCentredWhenHoldModeEnds_data();
    void pitchBendCentredWhenHoldModeEnds();
    void shiftPlaysWithShiftVelocity();
    void altDragScrollsWithoutPlaying();
    void rightButtonWithoutSpecialModePlaysNothing();
    void hitTest_data();
    void hitTest();
    void pressedKeyLooksPressed_data();
    void pressedKeyLooksPressed();
    void pressedBlackKeyWithoutShadowShowsDot();
    void smallScrollRepaintsOnlyABand();
    void keysDownOutOfSightScrollIntoView_data();
    void keysDownOutOfSightScrollIntoView();
    void largeScrollRepaintsEverything();
    void picturesHaveTheirSizes_data();
    void picturesHaveTheirSizes();
    void picturesAreCrispAtHighPixelRatio();
    // Expression
    void strikeHeightGivesVelocity_data();
    void strikeHeightGivesVelocity();
    void fingersPlayOneNoteEachAndGlide();
    void fingerPressureAsAftertouch();
    void fingerIsTheMouseWhereTheOwnerFollowsIt();
    void labelLayoutStaysOnTheFace_data();
    void labelLayoutStaysOnTheFace();
    void labelsAndMarksAreDrawn_data();
    void labelsAndMarksAreDrawn();
    void keyNameIsTheTooltip();
};

void TestKeyboard::dragPlaysEachKeyInTurn() {
    Fixture f;
    Press(&f.Keys, {7, 70}, Qt::LeftButton, {});
    Move(&f.Keys, {12, 70}, Qt::LeftButton); // same key: nothing
    Move(&f.Keys, {22, 70}, Qt::LeftButton);
    Move(&f.Keys, {37, 70}, Qt::LeftButton);
    Release(&f.Keys, {37, 70}, Qt::LeftButton, {});
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 100},
                                   {0x90, 0, 0},
                                   {0x90, 2, 100},
                                   {0x90, 2, 0},
                                   {0x90, 4, 100},
                                   {0x90, 4, 0}}));
    QCOMPARE(f.Drags, 2);
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::None);
    QVERIFY(!f.Keys.Model().IsPressed(4));
}

void TestKeyboard::holdModeControlChangeWithDeadZone() {
    Fixture f;
    Press(&f.Keys, {100, 60}, Qt::RightButton, {});
    Move(&f.Keys, {100, 40}, Qt::RightButton);
    Move(&f.Keys, {100, 57}, Qt::RightButton); // back inside the dead zone
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 11, 100}, {0xB0, 1, 16}, {0xB0, 1, 0}}));
    QCOMPARE(QList<Msg>(f.Display.begin(), f.Display.end()),
             (QList<Msg>{{0xB0, 1, 16}, {0xB0, 1, 0}}));
    QCOMPARE(f.Drags, 0); // the note stays while the pointer moves in hold mode
}

void TestKeyboard::holdModePitchBendCentredOnRelease() {
    Fixture f;
    f.Keys.Model().SetChannel(2);
    Press(&f.Keys, {100, 60}, Qt::RightButton, {});
    Move(&f.Keys, {110, 60}, Qt::RightButton);
    Release(&f.Keys, {110, 60}, Qt::RightButton, {});
    QCOMPARE(f.Sent(), (QList<Msg>{{0x92, 11, 100}, {0xE2, 16, 67}, {0x92, 11, 0}, {0xE2, 0, 64}}));
    QCOMPARE(f.Keys.Model().ControllerValue(TKeyboardModel::LeftRight), 0);
}

void TestKeyboard::ctrlReleaseHoldsUntilNextPress() {
    Fixture f;
    Press(&f.Keys, {7, 70}, Qt::LeftButton, {});
    Release(&f.Keys, {7, 70}, Qt::LeftButton, {}, Qt::ControlModifier);
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 100}}));
    QVERIFY(f.Keys.Model().Holding);
    QVERIFY(f.Keys.Model().IsPressed(0));
    Press(&f.Keys, {22, 70}, Qt::LeftButton, {});
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 100}, {0x90, 0, 0}, {0x90, 2, 100}}));
    QVERIFY(!f.Keys.Model().Holding);
}

void TestKeyboard::moveWithoutButtonOnlyHovers() {
    Fixture f;
    Move(&f.Keys, {7, 70}, {});
    Move(&f.Keys, {22, 70}, {});
    QVERIFY(f.Out.empty());
    QCOMPARE(f.Hover, (QStringList{"C-2", "D-2"}));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&f.Keys, &leave);
    QCOMPARE(f.Hover.last(), QString());
}

void TestKeyboard::pressVetoedByHandler() {
    Fixture f;
    f.Keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Keys));
    f.Keys.clearFocus();
    f.Keys.OnMousePress = [](QObject *, int &note, Qt::MouseButton, TShiftState) { note = -1; };
    Press(&f.Keys, {7, 70}, Qt::LeftButton, {});
    Move(&f.Keys, {22, 70}, Qt::LeftButton);
    Release(&f.Keys, {22, 70}, Qt::LeftButton, {});
    QVERIFY(f.Out.empty());
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::None);
    QVERIFY(!f.Keys.hasFocus());
}

void TestKeyboard::middleClickDoesNotEndAHeldNote() {
    Fixture f;
    Press(&f.Keys, {7, 70}, Qt::LeftButton, {});
    Release(&f.Keys, {7, 70}, Qt::LeftButton, {}, Qt::ControlModifier);
    Press(&f.Keys, {40, 70}, Qt::MiddleButton, {});
    Release(&f.Keys, {40, 70}, Qt::MiddleButton, {});
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 100}}));
    QVERIFY(f.Keys.Model().Holding);
}

void TestKeyboard::handlerCanChangeTheNote() {
    Fixture f;
    f.Keys.OnMousePress = [](QObject *, int &note, Qt::MouseButton, TShiftState) { note += 12; };
    f.Keys.OnMouseRelease = [](QObject *, int &note, Qt::MouseButton, TShiftState) {
        QCOMPARE(note, 12); // the note about to be released
    };
    Press(&f.Keys, {7, 70}, Qt::LeftButton, {});
    Release(&f.Keys, {7, 70}, Qt::LeftButton, {});
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 12, 100}, {0x90, 12, 0}}));
}

void TestKeyboard::otherButtonSwitchesModeWithoutNewNote() {
    Fixture f;
    Press(&f.Keys, {7, 70}, Qt::LeftButton, {});
    Press(&f.Keys, {7, 70}, Qt::RightButton, Qt::LeftButton);
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::Hold);
    Move(&f.Keys, {22, 70}, Qt::LeftButton | Qt::RightButton); // hold: the note stays
    Release(&f.Keys, {22, 70}, Qt::RightButton, Qt::LeftButton);
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::Normal);
    Move(&f.Keys, {37, 70}, Qt::LeftButton); // normal again: the note follows
    Release(&f.Keys, {37, 70}, Qt::LeftButton, {});
    // the hold-mode drag bent the pitch by 15 - 5 pixels; back in normal mode it is centred
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 100},
                                   {0xE0, 32, 70},
                                   {0xE0, 0, 64},
                                   {0x90, 0, 0},
                                   {0x90, 4, 100},
                                   {0x90, 4, 0}}));
}

void TestKeyboard::pitchBendCentredWhenHoldModeEnds_data() {
    // Steps: "R", "L" a press of the right or left button, "r", "l" its release, "^r" a release
    // with Ctrl, ">" a move right by 10 pixels (a bend of 400 in hold mode).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<Msg>>("sent");
    QTest::newRow("hold, left pressed, right and left let go")
        << QStringList{"R", ">", "L", "r", "l"}
        << QList<Msg>{{0x90, 5, 100}, {0xE0, 16, 67}, {0xE0, 0, 64}, {0x90, 5, 0}};
    QTest::newRow("hold ended with Ctrl: the note sounds on, unbent")
        << QStringList{"R", ">", "^r"} << QList<Msg>{{0x90, 5, 100}, {0xE0, 16, 67}, {0xE0, 0, 64}};
    QTest::newRow("hold ended with Ctrl, then the next click")
        << QStringList{"R", ">", "^r", "L", "l"}
        << QList<Msg>{{0x90, 5, 100}, {0xE0, 16, 67}, {0xE0, 0, 64},
                      {0x90, 5, 0},   {0x90, 7, 100}, {0x90, 7, 0}};
}

void TestKeyboard::pitchBendCentredWhenHoldModeEnds() {
    QFETCH(QStringList, steps);
    QFETCH(QList<Msg>, sent);
    Fixture f;
    QPoint at(50, 70); // on F (5), G (7) after the move
    Qt::MouseButtons held;
    for (const QString &step : steps) {
        const Qt::MouseButton button =
            step.endsWith(u'L') || step.endsWith(u'l') ? Qt::LeftButton : Qt::RightButton;
        const Qt::KeyboardModifiers mods =
            step.startsWith(u'^') ? Qt::ControlModifier : Qt::NoModifier;
        if (step == QLatin1String(">")) {
            at.rx() += 10;
            Move(&f.Keys, at, held);
        } else if (step.back().isUpper()) {
            Press(&f.Keys, at, button, held, mods);
            held |= button;
        } else {
            held &= ~Qt::MouseButtons(button);
            Release(&f.Keys, at, button, held, mods);
        }
    }
    QCOMPARE(f.Sent(), sent);
    QCOMPARE(f.Keys.Model().ControllerValue(TKeyboardModel::LeftRight), 0);
}

void TestKeyboard::shiftPlaysWithShiftVelocity() {
    Fixture f;
    f.Keys.Model().SetVelocityShiftFactor(0.6f);
    Press(&f.Keys, {7, 70}, Qt::LeftButton, {}, Qt::ShiftModifier);
    Move(&f.Keys, {22, 70}, Qt::LeftButton); // Shift let go while dragging
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 60}, {0x90, 0, 0}, {0x90, 2, 100}}));
}

void TestKeyboard::altDragScrollsWithoutPlaying() {
    Fixture f;
    f.Keys.Model().SetBaseNote(36);
    const int start = f.Keys.Model().ScrollOffset();
    QStringList bases;
    f.Keys.Model().OnBaseNoteChange = [&](QObject *, const QString &s) { bases << s; };
    Press(&f.Keys, {200, 70}, Qt::LeftButton, {}, Qt::AltModifier);
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::BaseNoteDrag);
    Move(&f.Keys, {170, 70}, Qt::LeftButton, Qt::AltModifier); // drag left: higher notes
    QCOMPARE(f.Keys.Model().ScrollOffset(), start + 30);
    Move(&f.Keys, {100, 70}, Qt::LeftButton, Qt::AltModifier);
    QCOMPARE(f.Keys.Model().ScrollOffset(), start + 100);
    QCOMPARE(bases, QStringList{"E1"}); // the base note trails one step behind
    Release(&f.Keys, {100, 70}, Qt::LeftButton, {}, Qt::AltModifier);
    QVERIFY(f.Out.empty());
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::None);
    // the strip's end stops the drag
    Press(&f.Keys, {0, 70}, Qt::LeftButton, {}, Qt::AltModifier);
    Move(&f.Keys, {-5000, 70}, Qt::LeftButton, Qt::AltModifier);
    QCOMPARE(f.Keys.Model().ScrollOffset(), 75 * 15 - 329);
}

void TestKeyboard::rightButtonWithoutSpecialModePlaysNothing() {
    Fixture f;
    f.Keys.Model().SetEnableSpecialMode(false);
    Press(&f.Keys, {7, 70}, Qt::RightButton, {});
    Move(&f.Keys, {7, 20}, Qt::RightButton);
    QVERIFY(f.Out.empty());
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::None);
}

void TestKeyboard::hitTest_data() {
    QTest::addColumn<TPaintStyle>("style");
    QTest::addColumn<TImageSize>("size");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("note");
    const auto d = TPaintStyle::psDraw;
    const auto i = TPaintStyle::psImage;
    const auto s = TImageSize::isSmall;
    QTest::newRow("draw: end of C") << d << s << QPoint(14, 70) << 0;
    QTest::newRow("draw: start of D") << d << s << QPoint(15, 70) << 2;
    QTest::newRow("draw: C upper left half") << d << s << QPoint(7, 10) << 0;
    QTest::newRow("draw: C upper right half is C#") << d << s << QPoint(8, 10) << 1;
    QTest::newRow("draw: D left half is C#") << d << s << QPoint(22, 10) << 1;
    QTest::newRow("draw: D right half is D#") << d << s << QPoint(23, 10) << 3;
    QTest::newRow("draw: last black row") << d << s << QPoint(8, 45) << 1;
    QTest::newRow("draw: first white row") << d << s << QPoint(8, 46) << 0;
    QTest::newRow("draw: B upper right half") << d << s << QPoint(104, 10) << 11;
    QTest::newRow("draw: next octave") << d << s << QPoint(105, 10) << 12;
    QTest::newRow("draw: left of the strip") << d << s << QPoint(-3, 70) << 0;
    QTest::newRow("image small: before C#") << i << s << QPoint(8, 10) << 0;
    QTest::newRow("image small: C# first column") << i << s << QPoint(9, 10) << 1;
    QTest::newRow("image small: C# last column") << i << s << QPoint(16, 10) << 1;
    QTest::newRow("image small: after C#") << i << s << QPoint(17, 10) << 2;
    QTest::newRow("image small: C# bottom row") << i << s << QPoint(9, 41) << 1;
    QTest::newRow("image small: below C#") << i << s << QPoint(9, 42) << 0;
    QTest::newRow("image small: A# in octave 1") << i << s << QPoint(105 + 95, 10) << 22;
    QTest::newRow("image normal: before C#") << i << TImageSize::isNormal << QPoint(11, 10) << 0;
    QTest::newRow("image normal: C#") << i << TImageSize::isNormal << QPoint(22, 10) << 1;
    QTest::newRow("image normal: after C#") << i << TImageSize::isNormal << QPoint(23, 10) << 2;
    QTest::newRow("image normal: F#") << i << TImageSize::isNormal << QPoint(72, 10) << 6;
    QTest::newRow("image big: before C#") << i << TImageSize::isBig << QPoint(15, 10) << 0;
    QTest::newRow("image big: C# last") << i << TImageSize::isBig << QPoint(30, 10) << 1;
    QTest::newRow("image big: after C#") << i << TImageSize::isBig << QPoint(31, 10) << 2;
    QTest::newRow("image big: below A#") << i << TImageSize::isBig << QPoint(160, 50) << 9;
}

void TestKeyboard::hitTest() {
    QFETCH(TPaintStyle, style);
    QFETCH(TImageSize, size);
    QFETCH(QPoint, pos);
    QFETCH(int, note);
    Fixture f;
    f.Keys.SetImageSize(size);
    f.Keys.SetPaintStyle(style);
    f.Keys.Model().SetBaseNote(0);
    int pressed = -2;
    f.Keys.OnMousePress = [&](QObject *, int &n, Qt::MouseButton, TShiftState) {
        pressed = n;
        n = -1;
    };
    Press(&f.Keys, pos, Qt::LeftButton, {});
    QCOMPARE(pressed, note);
    QCOMPARE(f.Keys.LastHit(), note);
}

void TestKeyboard::pressedKeyLooksPressed_data() {
    QTest::addColumn<TPaintStyle>("style");
    QTest::addColumn<TImageSize>("size");
    QTest::addColumn<int>("note");
    QTest::newRow("draw white") << TPaintStyle::psDraw << TImageSize::isSmall << 2;
    QTest::newRow("draw black") << TPaintStyle::psDraw << TImageSize::isSmall << 3;
    for (auto [name, size] :
         {std::pair{"small", TImageSize::isSmall}, std::pair{"normal", TImageSize::isNormal},
          std::pair{"big", TImageSize::isBig}}) {
        QTest::addRow("image %s white", name) << TPaintStyle::psImage << size << 2;
        QTest::addRow("image %s black", name) << TPaintStyle::psImage << size << 3;
    }
}

void TestKeyboard::pressedKeyLooksPressed() {
    QFETCH(TPaintStyle, style);
    QFETCH(TImageSize, size);
    QFETCH(int, note);
    Fixture f;
    f.Keys.SetImageSize(size);
    f.Keys.SetPaintStyle(style);
    f.Keys.Model().SetBaseNote(0);
    auto &m = f.Keys.Model();
    const bool black = TKeyboardModel::IsBlack(note);
    // where the pressed look shows: the dot in psDraw, the key's face with pictures
    const int x = m.KeyLeft(note) + m.KeyPixelWidth(note) / 2;
    const int h = f.Keys.height();
    const int y =
        style == TPaintStyle::psDraw ? (black ? h * 3 / 5 : h) - h / 7 - 2 : (black ? 20 : 60);
    const QColor released = PixelAt(f.Keys, {x, y});
    m.SendChord(0, note, 100, true);
    const QColor pressed = PixelAt(f.Keys, {x, y});
    QVERIFY2(released != pressed, qPrintable(released.name() + " " + pressed.name()));
    if (style == TPaintStyle::psDraw)
        QCOMPARE(pressed, QColor(0x80, 0x80, 0x80));
    else
        QVERIFY(pressed.blue() > pressed.red()); // pressed keys take a blue tint
    m.SendChord(0, note, 0, true);
    QCOMPARE(PixelAt(f.Keys, {x, y}), released);
    // the neighbours are untouched by a press
    const int other = note + 2;
    const QPoint p{m.KeyLeft(other) + m.KeyPixelWidth(other) / 2, y};
    const QColor before = PixelAt(f.Keys, p);
    m.SendChord(0, note, 100, true);
    QCOMPARE(PixelAt(f.Keys, p), before);
}

void TestKeyboard::pressedBlackKeyWithoutShadowShowsDot() {
    Fixture f;
    f.Keys.Model().SetShadowWidth(0);
    f.Keys.Model().SendChord(0, 1, 100, true);
    const int cx = f.Keys.Model().KeyLeft(1) + 15 / 2;
    const int cy = 76 * 3 / 5 - 76 / 7;
    QCOMPARE(PixelAt(f.Keys, {cx, cy - 2}), QColor(0x80, 0x80, 0x80));
}

void TestKeyboard::keysDownOutOfSightScrollIntoView_data() {
    // At octave 8 the computer keys played notes off the keyboard; incoming notes outside the
    // view were not seen either. 329 pixels show 21 white keys of 15.
    QTest::addColumn<int>("base");
    QTest::addColumn<QList<int>>("notes"); // pressed in this order
    QTest::addColumn<bool>("follow");
    QTest::addColumn<int>("expected"); // the base note after
    QTest::newRow("in sight: stays") << 36 << QList<int>{48, 60} << true << 36;
    QTest::newRow("above: scrolls until it shows at the right")
        << 36 << QList<int>{96} << true << 62;
    QTest::newRow("below: shows at the left") << 60 << QList<int>{40} << true << 40;
    QTest::newRow("a chord above, all of it") << 36 << QList<int>{91, 96, 100} << true << 65;
    QTest::newRow("too far apart: the latest in the middle")
        << 36 << QList<int>{12, 100} << true << 83;
    QTest::newRow("off: stays") << 36 << QList<int>{96} << false << 36;
}

void TestKeyboard::keysDownOutOfSightScrollIntoView() {
    QFETCH(int, base);
    QFETCH(QList<int>, notes);
    QFETCH(bool, follow);
    QFETCH(int, expected);
    Fixture f;
    f.Keys.SetFollowNotes(follow);
    f.Keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Keys));
    f.Keys.Model().SetBaseNote(base);
    for (int n : notes)
        f.Keys.Model().ShowNote(n, 100);
    QTest::qWait(20);
    QCOMPARE(f.Keys.Model().BaseNote(), expected);
}

void TestKeyboard::smallScrollRepaintsOnlyABand() {
    Fixture f;
    f.Keys.Model().SetBaseNote(36);
    f.Keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Keys));
    QTest::qWait(20);
    const int start = f.Keys.Model().ScrollOffset();
    f.Keys.Model().DragScrollTo(start + 1);
    QTRY_VERIFY(!f.Keys.LastPaintedRegion().isEmpty());
    QTest::qWait(20);
    QVERIFY2(f.Keys.LastPaintedRegion().boundingRect().width() < 20,
             qPrintable(QStringLiteral("painted %1 pixels wide")
                            .arg(f.Keys.LastPaintedRegion().boundingRect().width())));
}

void TestKeyboard::largeScrollRepaintsEverything() {
    Fixture f;
    f.Keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Keys));
    QTest::qWait(20);
    f.Keys.Model().SetBaseNote(80);
    QTest::qWait(20);
    QCOMPARE(f.Keys.LastPaintedRegion().boundingRect(), f.Keys.rect());
}

void TestKeyboard::picturesHaveTheirSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("UPSMALL") << "UPSMALL" << QSize(105, 76);
    QTest::newRow("DOWNSMALL") << "DOWNSMALL" << QSize(105, 76);
    QTest::newRow("UPNORMAL256") << "UPNORMAL256" << QSize(140, 76);
    QTest::newRow("DOWNBIG") << "DOWNBIG" << QSize(189, 76);
    QTest::newRow("unknown") << "UPHUGE" << QSize();
}

void TestKeyboard::picturesHaveTheirSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap p = KeyPictures::Load(name, 1.0);
    QCOMPARE(p.isNull(), !size.isValid());
    if (size.isValid())
        QCOMPARE(p.size(), size);
}

void TestKeyboard::picturesAreCrispAtHighPixelRatio() {
    const QPixmap p = KeyPictures::Load(QStringLiteral("UPBIG"), 2.0);
    QCOMPARE(p.size(), QSize(378, 152)); // drawn at device pixels, not scaled up
    QCOMPARE(p.devicePixelRatio(), 2.0);
}

// --- Expression ---------------------------------------------------------------------------------

void TestKeyboard::strikeHeightGivesVelocity_data() {
    QTest::addColumn<TPaintStyle>("style");
    QTest::addColumn<int>("note");
    QTest::newRow("drawn white key") << TPaintStyle::psDraw << 2;
    QTest::newRow("drawn black key") << TPaintStyle::psDraw << 3;
    QTest::newRow("white key picture") << TPaintStyle::psImage << 2;
    QTest::newRow("black key picture") << TPaintStyle::psImage << 3;
}

void TestKeyboard::strikeHeightGivesVelocity() {
    QFETCH(TPaintStyle, style);
    QFETCH(int, note);
    Fixture f;
    f.Keys.SetPaintStyle(style);
    f.Keys.Model().SetBaseNote(0);
    const auto &m = f.Keys.Model();
    const int x = m.KeyLeft(note) + m.KeyPixelWidth(note) / 2;
    const int depth = m.KeyPixelHeight(note);
    // A white key is struck before the black keys, a black key anywhere.
    const int back = TKeyboardModel::IsBlack(note) ? 1 : m.KeyPixelHeight(1) + 1;
    // The velocity of a click at y; -1 when the click did not play the note once.
    const auto click = [&](int y, Qt::KeyboardModifiers mods = {}) {
        f.Out.clear();
        Press(&f.Keys, {x, y}, Qt::LeftButton, {}, mods);
        Release(&f.Keys, {x, y}, Qt::LeftButton, {}, mods);
        if (f.Out.size() != 2 || std::get<1>(f.Out.front()) != note)
            return -1;
        return std::get<2>(f.Out.front());
    };
    // One velocity, as the control is made: the height does not count.
    QCOMPARE(click(back), 100);
    QCOMPARE(click(depth - 1), 100);
    f.Keys.Model().SetVelocityByPosition(true);
    const int atBack = click(back);
    const int middle = click((back + depth) / 2);
    const int front = click(depth - 1);
    QVERIFY2(atBack < middle && middle < front,
             qPrintable(QStringLiteral("%1 %2 %3").arg(atBack).arg(middle).arg(front)));
    QCOMPARE(front, TVelocityCurve::DefaultMax);
    QVERIFY(atBack <= TVelocityCurve::DefaultMin + 4);
    // Shift: the second velocity is the struck one times the factor.
    QCOMPARE(click(depth - 1, Qt::ShiftModifier), 64);
    // Dragging onto another key strikes it where the pointer is.
    f.Out.clear();
    Press(&f.Keys, {x, back}, Qt::LeftButton, {});
    const int next = note + 2;
    Move(&f.Keys, {m.KeyLeft(next) + m.KeyPixelWidth(next) / 2, m.KeyPixelHeight(next) - 1},
         Qt::LeftButton);
    Release(&f.Keys, {0, 0}, Qt::LeftButton, {});
    QCOMPARE(f.Sent().at(2), (Msg{0x90, next, TVelocityCurve::DefaultMax}));
}

void TestKeyboard::fingersPlayOneNoteEachAndGlide() {
    Fixture f;
    f.Keys.Model().SetVelocityByPosition(true);
    f.Keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Keys));
    static QPointingDevice *screen = QTest::createTouchDevice();
    const auto key = [&f](int note) {
        const auto &m = f.Keys.Model();
        return QPoint(m.KeyLeft(note) + m.KeyPixelWidth(note) / 2, 70);
    };
    QTest::touchEvent(&f.Keys, screen).press(0, key(0)).press(1, key(4));
    QTest::touchEvent(&f.Keys, screen).move(0, key(2)).stationary(1);
    QTest::touchEvent(&f.Keys, screen).move(0, key(2) + QPoint(1, 0)).stationary(1); // same key
    QCOMPARE(f.Keys.FingerCount(), 2);
    QTest::touchEvent(&f.Keys, screen).release(0, key(2)).stationary(1);
    QTest::touchEvent(&f.Keys, screen).release(1, key(4));
    QList<int> notes;
    for (auto [t, n, v] : f.Out) {
        QCOMPARE(t, 0x90);
        notes << (v > 0 ? n : -n - 1);
    }
    // Both fingers sound at once; the first glides from C to D.
    QCOMPARE(notes, (QList<int>{0, 4, -1, 2, -3, -5}));
    QCOMPARE(std::get<2>(f.Out.front()), int(f.Keys.Model().StrikeVelocity(0, 70, false)));
    QCOMPARE(f.Keys.FingerCount(), 0);
    QVERIFY(!f.Keys.Model().IsPressed(0) && !f.Keys.Model().IsPressed(4));
    // No mouse was made up from the fingers.
    QCOMPARE(f.Keys.Model().MouseMode, TMouseMode::None);
    QCOMPARE(f.Drags, 0);
    // A cancelled touch ends what the fingers hold.
    f.Out.clear();
    QTest::touchEvent(&f.Keys, screen).press(3, key(7));
    QTouchEvent cancel(QEvent::TouchCancel, screen);
    QApplication::sendEvent(&f.Keys, &cancel);
    QCOMPARE(f.Sent().last(), (Msg{0x90, 7, 0}));
}

void TestKeyboard::fingerIsTheMouseWhereTheOwnerFollowsIt() {
    // The chord editor picks notes by the mouse events: a finger must reach them too.
    Fixture f;
    QList<int> pressed;
    f.Keys.OnMousePress = [&pressed](QObject *, int &Note, Qt::MouseButton, TShiftState) {
        pressed << Note;
    };
    f.Keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Keys));
    static QPointingDevice *screen = QTest::createTouchDevice();
    QTest::touchEvent(&f.Keys, screen).press(0, QPoint(37, 70));
    QTest::touchEvent(&f.Keys, screen).release(0, QPoint(37, 70));
    QCOMPARE(pressed, QList<int>{4});
    QCOMPARE(f.Keys.FingerCount(), 0);
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 4, 100}, {0x90, 4, 0}}));
}

void TestKeyboard::fingerPressureAsAftertouch() {
    Fixture f;
    const QPoint c{7, 70};
    f.Keys.TouchPoint(5, QEventPoint::Pressed, c, 40, false);
    f.Keys.TouchPoint(5, QEventPoint::Stationary, c, 40, false); // unchanged: nothing
    f.Keys.TouchPoint(5, QEventPoint::Updated, c, 90, false);
    f.Keys.TouchPoint(6, QEventPoint::Pressed, {37, 70}, -1, false); // a screen without it
    f.Keys.TouchPoint(5, QEventPoint::Released, c, 0, false);
    QCOMPARE(
        f.Sent(),
        (QList<Msg>{{0x90, 0, 100}, {0xA0, 0, 40}, {0xA0, 0, 90}, {0x90, 4, 100}, {0x90, 0, 0}}));
    // Switched off in the settings, pressure sends nothing.
    f.Out.clear();
    f.Keys.Model().SetTouchPressure(false);
    f.Keys.TouchPoint(7, QEventPoint::Pressed, c, 40, false);
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 100}}));
}

namespace {
// The faces the keyboard gives its labels: white keys below the black ones, black keys whole.
struct TFace {
    QRectF Rect;
    int KeyWidth;
    qreal WhiteHeight; // of the white keys' faces of the same keyboard
    bool Standard;     // a key size the program offers, where nothing may be left out
};
} // namespace
Q_DECLARE_METATYPE(TFace)

void TestKeyboard::labelLayoutStaysOnTheFace_data() {
    QTest::addColumn<TFace>("face");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("name");
    const QStringList twoKeys{QStringLiteral(","), QStringLiteral("Q")};
    const QString drum = QStringLiteral("Acoustic Bass Drum");
    for (auto size : {TImageSize::isSmall, TImageSize::isNormal, TImageSize::isBig}) {
        const int w = TKeyboardModel::ImageKeyWidth(size);
        const int bw = TKeyboardModel::ImageBlackWidth(size);
        const int bh = TKeyboardModel::ImageBlackHeight(size);
        const int wh = TKeyboardModel::ImageHeight - bh;
        const TFace white{QRectF(5 * w, bh, w, wh), w, qreal(wh), true};
        const TFace black{QRectF(7 * w + 9, 0, bw, bh), w, qreal(wh), true};
        QTest::addRow("picture %d, white, name and two keys", w)
            << white << "C3" << twoKeys << QString();
        QTest::addRow("picture %d, white, Italian name", w)
            << white << "Sol" << QStringList{QStringLiteral("G")} << QString();
        QTest::addRow("picture %d, black, sharp and key", w)
            << black << "C#" << QStringList{QStringLiteral("S")} << QString();
        QTest::addRow("picture %d, black, Italian sharp", w)
            << black << "Sol#" << QStringList{} << QString();
        QTest::addRow("picture %d, white, drum name", w)
            << white << "C1" << QStringList{QStringLiteral("Z")} << drum;
        QTest::addRow("picture %d, black, drum name", w) << black << "C#1" << QStringList{} << drum;
    }
    for (int w : {4, 6, 9, 15, 30, 60, 100}) {
        // Drawn keys 76 high: white faces below 45, black keys inside their highlight.
        const TFace white{QRectF(3 * w, 45, w - 1, 31), w, 31, false};
        const TFace black{QRectF(3 * w + w / 2 + 2, 0, w - 2, 43), w, 31, false};
        QTest::addRow("drawn %d, white", w) << white << "C3" << twoKeys << QString();
        QTest::addRow("drawn %d, black", w) << black << "Db" << QStringList{";"} << QString();
        QTest::addRow("drawn %d, drum name", w) << white << "" << twoKeys << drum;
    }
}

void TestKeyboard::labelLayoutStaysOnTheFace() {
    QFETCH(TFace, face);
    QFETCH(QString, note);
    QFETCH(QStringList, keys);
    QFETCH(QString, name);
    const QFont font = QApplication::font();
    const std::vector<TKeyLabel> labels =
        KeyLabels::Layout(face.Rect, KeyLabels::PixelSizeFor(face.KeyWidth, face.WhiteHeight), note,
                          keys, name, font);
    for (size_t i = 0; i < labels.size(); ++i) {
        const TKeyLabel &l = labels[i];
        const QString what = l.Text + QLatin1Char(' ') + QString::number(l.Rect.left()) +
                             QLatin1Char(',') + QString::number(l.Rect.top()) + QLatin1Char(' ') +
                             QString::number(l.Rect.width()) + QLatin1Char('x') +
                             QString::number(l.Rect.height());
        // On the face, readable, apart from the others.
        QVERIFY2(face.Rect.adjusted(-0.01, -0.01, 0.01, 0.01).contains(l.Rect), qPrintable(what));
        QVERIFY2(l.PixelSize >= KeyLabels::MinPixelSize, qPrintable(what));
        for (size_t j = i + 1; j < labels.size(); ++j)
            QVERIFY2(!l.Rect.intersects(labels[j].Rect), qPrintable(what + " / " + labels[j].Text));
        // What was written across fits across.
        if (l.Shape == TKeyLabel::lsLine) {
            QFont f = font;
            f.setPixelSize(l.PixelSize);
            QVERIFY2(QFontMetricsF(f).horizontalAdvance(l.Text) <= l.Rect.width() + 0.01,
                     qPrintable(what));
        }
    }
    const auto count = [&labels](TKeyLabel::TKind Kind) {
        return std::count_if(labels.begin(), labels.end(),
                             [Kind](const TKeyLabel &L) { return L.Kind == Kind; });
    };
    if (!name.isEmpty()) {
        // A key name stands for the note name; shortened, never left out on the keys offered.
        QCOMPARE(count(TKeyLabel::lkNote), 0);
        if (face.Standard) {
            QCOMPARE(count(TKeyLabel::lkKeyName), 1);
            const auto shown = std::find_if(labels.begin(), labels.end(), [](const TKeyLabel &L) {
                return L.Kind == TKeyLabel::lkKeyName;
            });
            QVERIFY(shown->Text == name || shown->Text.endsWith(QChar(0x2026)));
        }
    } else if (face.Standard || face.KeyWidth >= 15) {
        // The key sizes offered show everything.
        QCOMPARE(count(TKeyLabel::lkNote), note.isEmpty() ? 0 : 1);
        QCOMPARE(count(TKeyLabel::lkComputerKey), keys.size());
    }
    if (face.KeyWidth <= 4)
        QVERIFY(labels.empty()); // rather nothing than text over the neighbours
}

void TestKeyboard::labelsAndMarksAreDrawn_data() {
    QTest::addColumn<TPaintStyle>("style");
    QTest::addColumn<TImageSize>("size");
    QTest::newRow("drawn") << TPaintStyle::psDraw << TImageSize::isSmall;
    QTest::newRow("pictures, small") << TPaintStyle::psImage << TImageSize::isSmall;
    QTest::newRow("pictures, big") << TPaintStyle::psImage << TImageSize::isBig;
}

void TestKeyboard::labelsAndMarksAreDrawn() {
    QFETCH(TPaintStyle, style);
    QFETCH(TImageSize, size);
    Fixture f;
    f.Keys.SetImageSize(size);
    f.Keys.SetPaintStyle(style);
    auto &m = f.Keys.Model();
    m.SetBaseNote(0);
    const auto face = [&m](int Note) {
        // a point of the white face, above the labels and the dot
        return QPoint(m.KeyLeft(Note) + 2, m.KeyPixelHeight(Note) * 3 / 5 + 3);
    };
    const auto dark = [](const QImage &Image, const QRect &Area) {
        int n = 0;
        for (int y = Area.top(); y <= Area.bottom(); ++y)
            for (int x = Area.left(); x <= Area.right(); ++x)
                n += Image.pixelColor(x, y).lightness() < 160;
        return n;
    };
    const int w = m.KeyWidth();
    const QRect lower(m.KeyLeft(0) + 1, 50, w - 3, 24); // the face of C below the black keys
    const int before = dark(f.Keys.grab().toImage(), lower);
    m.SetNoteLabels(TNoteLabels::nlAll);
    m.SetComputerKeyLabels(true);
    m.SetKeyOctave(0); // Z plays C0
    QVERIFY2(dark(f.Keys.grab().toImage(), lower) > before + 10, "no label written on C");

    // Outside the scale darker; held by the pedal apart from both released and pressed.
    const QColor released = PixelAt(f.Keys, face(4));
    m.SetScale(TScale::scMajorPentatonic); // C D E G A: F is outside
    QCOMPARE(PixelAt(f.Keys, face(4)), released);
    QVERIFY(PixelAt(f.Keys, face(5)).lightness() < released.lightness() - 20);
    m.SendChord(0, 4, 100, true);
    const QColor pressed = PixelAt(f.Keys, face(4));
    m.SetControllerValue(TKeyboardModel::SustainPedal, 127);
    m.SendChord(0, 4, 0, true);
    const QColor held = PixelAt(f.Keys, face(4));
    QVERIFY2(held != released && held != pressed,
             qPrintable(held.name() + " " + released.name() + " " + pressed.name()));
    m.SetControllerValue(TKeyboardModel::SustainPedal, 0);
    QCOMPARE(PixelAt(f.Keys, face(4)), released);
}

void TestKeyboard::keyNameIsTheTooltip() {
    Fixture f;
    f.Keys.setToolTip(QStringLiteral("play me"));
    QStringList names;
    for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
        names << (n == 36 ? QStringLiteral("Bass Drum") : QString());
    f.Keys.Model().SetNoteNames(&names);
    QCOMPARE(f.Keys.KeyToolTip(36), QStringLiteral("Bass Drum (C1)"));
    QCOMPARE(f.Keys.KeyToolTip(38), QStringLiteral("play me"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
