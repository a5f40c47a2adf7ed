// The main window without a mouse: Tab reaches every control, the wheels keep their own keys,
// and the piano keyboard tells a screen reader its keys and which of them sound.

#include "app/mainwindow.h"
#include "controls/imgcontrol.h"
#include "controls/wheel.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

namespace {

// A key pressed and let go as the window system delivers it: through the application's event
// filters, with a time of its own (the window tells one event from the next by it).
void Press(QWidget *Target, Qt::Key Key) {
    static ulong time = 1000;
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, Key, Qt::NoModifier);
        event.setTimestamp(time += 10);
        QApplication::sendEvent(Target, &event);
    }
}

} // namespace

class TestKeyboardAccess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", FConfig.path().toUtf8()); }
    void init();
    void cleanup() { FWindow.reset(); }

    // The window gave its focus to the keyboard, so Tab never reached what stood before it in
    // the chain: the chord box, the channel, the wheels.
    void tabReachesEveryControl();
    void wheelKeepsHomeAndEndForItself_data();
    void wheelKeepsHomeAndEndForItself();
    void keyboardTellsItsKeysAndWhatSounds();

private:
    QTemporaryDir FConfig;
    std::unique_ptr<TMainWindow> FWindow;
};

void TestKeyboardAccess::init() {
    FWindow = std::make_unique<TMainWindow>(TMidiApi::maNone, false);
    FWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
    FWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FWindow.get()));
}

void TestKeyboardAccess::tabReachesEveryControl() {
    TMainWindow &w = *FWindow;
    QSet<QWidget *> reached;
    w.Keyboard()->setFocus();
    for (int i = 0; i < 40; ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::pair<const char *, QWidget *> controls[] = {
        {"keyboard", w.Keyboard()},
        {"chord box", w.ChordBox()},
        {"channel", w.ChannelEdit()},
        {"pitch wheel", w.PitchStrip()},
        {"modulation wheel", w.ModulationStrip()},
        {"left arrow", w.LeftArrow()},
        {"right arrow", w.RightArrow()},
        {"first knob", w.FirstKnobWheel()}};
    for (const auto &[name, control] : controls)
        QVERIFY2(reached.contains(control), name);
}

void TestKeyboardAccess::wheelKeepsHomeAndEndForItself_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("position");
    QTest::newRow("Home") << int(Qt::Key_Home) << -8192;
    QTest::newRow("End") << int(Qt::Key_End) << 8191;
}

void TestKeyboardAccess::wheelKeepsHomeAndEndForItself() {
    QFETCH(int, key);
    QFETCH(int, position);
    TMainWindow &w = *FWindow;
    const int chord = w.ChordBox()->currentIndex();
    // On the pitch wheel the key moves the wheel only; the chord stays.
    w.PitchStrip()->setFocus();
    Press(w.PitchStrip(), Qt::Key(key));
    QCOMPARE(w.PitchStrip()->Position(), position);
    QCOMPARE(w.ChordBox()->currentIndex(), chord);
    // On the keyboard it steps the chord, as ever.
    w.Keyboard()->setFocus();
    Press(w.Keyboard(), Qt::Key(key));
    QVERIFY(w.ChordBox()->currentIndex() != chord);
}

void TestKeyboardAccess::keyboardTellsItsKeysAndWhatSounds() {
    TKeyboard *keyboard = FWindow->Keyboard();
    QAccessibleInterface *keys = QAccessible::queryAccessibleInterface(keyboard);
    QVERIFY(keys);
    QCOMPARE(keys->text(QAccessible::Name), QStringLiteral("Piano keyboard"));
    QCOMPARE(keys->childCount(), 128);
    QCOMPARE(keys->child(60)->text(QAccessible::Name), QStringLiteral("C3"));
    QCOMPARE(keys->child(61)->text(QAccessible::Name), QStringLiteral("C#3"));
    QCOMPARE(keys->indexOfChild(keys->child(61)), 61);
    QCOMPARE(keys->child(60)->parent(), keys);
    QVERIFY(!keys->child(60)->state().pressed);
    QVERIFY(keys->text(QAccessible::Description).contains(QLatin1String("No note sounding")));
    // Played here and arriving from input alike.
    keyboard->Model().SendChord(0, 60, 100, true);
    keyboard->Model().ShowNote(70, 100);
    QVERIFY(keys->child(60)->state().pressed);
    QVERIFY(keys->child(70)->state().pressed);
    QVERIFY2(keys->text(QAccessible::Description).contains(QLatin1String("Sounding: C3, A#3")),
             qPrintable(keys->text(QAccessible::Description)));
    // A key is found where it is drawn: a black key over the white ones.
    const QRect black = keys->child(61)->rect();
    QCOMPARE(keys->childAt(black.center().x(), black.top() + 2), keys->child(61));
    keyboard->Model().SendChord(0, 60, 0, true);
    keyboard->Model().ShowNote(70, 0);
    QVERIFY(!keys->child(60)->state().pressed);
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboardaccess.moc"
