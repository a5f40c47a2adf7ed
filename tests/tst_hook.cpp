#include "controls/keysequence.h"
#include "controls/vkedit.h"
#include "core/scancodemap.h"
#include "core/virtualkeys.h"
#include "hook/keyboardhook.h"
#include "keyboard/keyboard.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

using Msg = std::tuple<int, int, int>;

// Set 1 scan codes used below; on the offscreen platform events carry them as they are.
constexpr quint32 ScA = 30, ScS = 31, ScZ = 44, ScX = 45, ScC = 46, ScQ = 16, ScW = 17;
constexpr quint32 ScSpace = 57;
constexpr quint32 ScAlt = 0x38, ScShift = 0x2A, ScTab = 0x0F, ScBack = 0x0E, ScEsc = 0x01;
constexpr quint32 ExtendedBit = 0x100;

// A key as the window system delivers it: to the window of W, a press first announced as a
// shortcut override, with one timestamp for both. Returns whether the event was swallowed
// before a widget could see it is not observable here; tests look at the widgets instead.
void SendKey(QWidget *W, QEvent::Type Type, quint32 Scan, int Key, const QString &Text = {},
             Qt::KeyboardModifiers Mods = {}, bool AutoRepeat = false) {
    static quint64 time = 1000;
    ++time;
    QWindow *window = W->window()->windowHandle();
    QVERIFY(window);
    if (Type == QEvent::KeyPress) {
        QKeyEvent announce(QEvent::ShortcutOverride, Key, Mods, Scan, 0, 0, Text, AutoRepeat);
        announce.setTimestamp(time);
        QCoreApplication::sendEvent(window, &announce);
    }
    QKeyEvent e(Type, Key, Mods, Scan, 0, 0, Text, AutoRepeat);
    e.setTimestamp(time);
    QCoreApplication::sendEvent(window, &e);
}
void Press(QWidget *W, quint32 Scan, int Key, const QString &Text = {},
           Qt::KeyboardModifiers Mods = {}, bool AutoRepeat = false) {
    SendKey(W, QEvent::KeyPress, Scan, Key, Text, Mods, AutoRepeat);
}
void Release(QWidget *W, quint32 Scan, int Key, const QString &Text = {},
             Qt::KeyboardModifiers Mods = {}, bool AutoRepeat = false) {
    SendKey(W, QEvent::KeyRelease, Scan, Key, Text, Mods, AutoRepeat);
}
void Tap(QWidget *W, quint32 Scan, int Key, const QString &Text = {},
         Qt::KeyboardModifiers Mods = {}) {
    Press(W, Scan, Key, Text, Mods);
    Release(W, Scan, Key, Text, Mods);
}

// A focusable widget that notes the keys that reach it.
class TKeySink : public QWidget {
public:
    explicit TKeySink(QWidget *Parent) : QWidget(Parent) { setFocusPolicy(Qt::StrongFocus); }
    QStringList Keys;

protected:
    void keyPressEvent(QKeyEvent *E) override { Keys << QStringLiteral("+%1").arg(E->key()); }
    void keyReleaseEvent(QKeyEvent *E) override { Keys << QStringLiteral("-%1").arg(E->key()); }
};

// A window with the keyboard, a one-line edit, a multi-line edit and a key sink.
struct Form {
    QWidget Window;
    TKeyboard *Keys;
    QLineEdit *Edit;
    QPlainTextEdit *Memo;
    TKeySink *Sink;
    std::vector<Msg> Out;
    QStringList Hover;

    Form() {
        auto *layout = new QVBoxLayout(&Window);
        Keys = new TKeyboard(&Window);
        Edit = new QLineEdit(&Window);
        Memo = new QPlainTextEdit(&Window);
        Sink = new TKeySink(&Window);
        for (QWidget *w : {static_cast<QWidget *>(Keys), static_cast<QWidget *>(Edit),
                           static_cast<QWidget *>(Memo), static_cast<QWidget *>(Sink)})
            layout->addWidget(w);
        Keys->Model().OnNote = [this](QObject *, const TShortMessage &M) {
            Out.emplace_back(M.Status, M.Data1, M.Data2);
        };
        Keys->Model().OnNoteHover = [this](QObject *, const QString &s) { Hover << s; };
        Window.show();
        Window.activateWindow();
        Sink->setFocus();
        Keys->SetCaptureKeyboard(true);
    }
    bool Active() { return QTest::qWaitForWindowActive(&Window); }
    QList<Msg> Sent() const { return QList<Msg>(Out.begin(), Out.end()); }
};

TKeyData Record(quint32 Scan, int Key, QEvent::Type Type = QEvent::KeyPress,
                Qt::KeyboardModifiers Mods = {}, bool AutoRepeat = false,
                const QString &Text = {}) {
    return KeyDataOf(QKeyEvent(Type, Key, Mods, Scan, 0, 0, Text, AutoRepeat),
                     TKeyPlatform::kpReported);
}

} // namespace

Q_DECLARE_METATYPE(TKeyData)

class TestHook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Scan-code map
    void defaultMap_data();
    void defaultMap();
    void movedCKey_data();
    void movedCKey();
    void cKeyValidation_data();
    void cKeyValidation();
    // Translation and key records
    void pcScanCode_data();
    void pcScanCode();
    void keyRecord_data();
    void keyRecord();
    void keyNames_data();
    void keyNames();
    // Hook list
    void filterLivesWithTheList();
    void everyKeyReachesHandlersOnceInOrder();
    void handledKeyIsSwallowed();
    void hookRemovedByAHandlerIsNotCalled();
    void pressOfAKeyDownIsARepeat();
    // Keyboard play
    void tapPlaysAndReleases();
    void autoRepeatGivesOneNote();
    void modifiedKeysPass_data();
    void modifiedKeysPass();
    void shiftPlaysWithShiftVelocity();
    void chordOfKeysInOrder();
    void releaseAfterDeactivationStillReleases();
    void captureOffReleasesOnceOnly();
    void octaveChangeWhileHeldLeavesNoSecondRelease();
    void unmappedAndExtendedKeysPass();
    void negativeNoteAtOctaveZeroPlaysNothing();
    void fieldTypesWhatItTakesOthersPlay_data();
    void fieldTypesWhatItTakesOthersPlay();
    void multiLineEditDoesNotType();
    void inactiveWindowDoesNotPlay();
    void altSwallowedAndShowsHand();
    void spaceHoldsTheSustainPedal();
    void spaceInANameFieldTypesOnly();
    void ctrlSpaceLeftToPanic();
    void spaceHeldWhenCaptureEndsLiftsThePedal();
    // Key sequence and key edit
    void sequenceText_data();
    void sequenceText();
    void onlyOneCharKeepsLatestPress();
    void onlyOneCharWithRefusal();
    void autoRepeatAddsOnePress();
    void backspaceRemovesLastKey();
    void turningOnlyOneCharOnKeepsFirstAsPress();
    void specialKeysPassWhenNotWanted();
    void editHookFollowsFocusAndTabMovesOn();
    void escapeIsCapturedNotClosingTheDialog();
};

// --- Scan-code map ------------------------------------------------------------------------------

void TestHook::defaultMap_data() {
    QTest::addColumn<QList<int>>("scanCodes");
    QTest::addColumn<QList<int>>("offsets");
    const int u = TScanCodeMap::Unmapped;
    QTest::newRow("lower white") << QList<int>{44, 45, 46, 47, 48, 49, 50, 51, 52, 53}
                                 << QList<int>{0, 2, 4, 5, 7, 9, 11, 12, 14, 16};
    QTest::newRow("lower black") << QList<int>{30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}
                                 << QList<int>{u, 1, 3, u, 6, 8, 10, u, 13, 15, u};
    QTest::newRow("upper white") << QList<int>{16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}
                                 << QList<int>{12, 14, 16, 17, 19, 21, 23, 24, 26, 28, 29, 31};
    QTest::newRow("upper black") << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}
                                 << QList<int>{u, 13, 15, u, 18, 20, 22, u, 25, 27, u, 30};
    QTest::newRow("other keys") << QList<int>{0, 1, 14, 15, 28, 29, 41, 42, 43, 54, 57, 255}
                                << QList<int>(12, u);
}

void TestHook::defaultMap() {
    QFETCH(QList<int>, scanCodes);
    QFETCH(QList<int>, offsets);
    const TScanCodeMap map;
    QList<int> got;
    for (int scan : scanCodes)
        got << map.Offset(scan);
    QCOMPARE(got, offsets);
}

void TestHook::movedCKey_data() {
    QTest::addColumn<bool>("lower");
    QTest::addColumn<int>("cKey");
    QTest::addColumn<QList<int>>("scanCodes");
    QTest::addColumn<QList<int>>("offsets");
    const int u = TScanCodeMap::Unmapped;
    // C on the C key: Z and X play A and B below, the A key the G# left of them.
    QTest::newRow("lower 46") << true << 46 << QList<int>{30, 44, 31, 45, 32, 46, 33, 53}
                              << QList<int>{-4, -3, -2, -1, u, 0, 1, 12};
    QTest::newRow("lower 51 is 44")
        << true << 51 << QList<int>{30, 31, 44, 45, 53} << QList<int>{u, 1, 0, 2, 16};
    QTest::newRow("upper W") << false << 17 << QList<int>{2, 16, 3, 17, 4, 27}
                             << QList<int>{10, 11, u, 12, 13, 29};
    QTest::newRow("upper 23 is 16")
        << false << 23 << QList<int>{2, 3, 16, 27} << QList<int>{u, 13, 12, 31};
}

void TestHook::movedCKey() {
    QFETCH(bool, lower);
    QFETCH(int, cKey);
    QFETCH(QList<int>, scanCodes);
    QFETCH(QList<int>, offsets);
    TKeyboardModel model;
    if (lower)
        model.SetLowerCScanCode(cKey);
    else
        model.SetUpperCScanCode(cKey);
    QList<int> got;
    for (int scan : scanCodes)
        got << model.ScanCodeMap().Offset(scan);
    QCOMPARE(got, offsets);
    // The other row keeps its default.
    QCOMPARE(model.ScanCodeMap().Offset(lower ? 16 : 44), lower ? 12 : 0);
}

void TestHook::cKeyValidation_data() {
    QTest::addColumn<bool>("lower");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("kept");
    QTest::newRow("upper 30 ignored") << false << 30 << 16;
    QTest::newRow("upper 15 ignored") << false << 15 << 16;
    QTest::newRow("upper 27 taken") << false << 27 << 27;
    QTest::newRow("lower 43 ignored") << true << 43 << 44;
    QTest::newRow("lower 54 ignored") << true << 54 << 44;
    QTest::newRow("lower 16 ignored") << true << 16 << 44;
    QTest::newRow("lower 53 taken") << true << 53 << 53;
}

void TestHook::cKeyValidation() {
    QFETCH(bool, lower);
    QFETCH(int, value);
    QFETCH(int, kept);
    TKeyboardModel model;
    if (lower)
        model.SetLowerCScanCode(value);
    else
        model.SetUpperCScanCode(value);
    QCOMPARE(lower ? model.LowerCScanCode() : model.UpperCScanCode(), kept);
    const TScanCodeMap fresh;
    if (kept == (lower ? 44 : 16)) // refused: the map stays the default one
        for (int scan = 0; scan < 256; ++scan)
            QCOMPARE(model.ScanCodeMap().Offset(scan), fresh.Offset(scan));
}

// --- Translation and key records ----------------------------------------------------------------

void TestHook::pcScanCode_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<uint>("native");
    QTest::addColumn<int>("scan");
    QTest::addColumn<bool>("extended");
    QTest::newRow("xcb Z") << "xcb" << 52u << 44 << false;
    QTest::newRow("xcb 1") << "xcb" << 2u + 8 << 2 << false;
    QTest::newRow("wayland Q") << "wayland" << 16u + 8 << 16 << false;
    QTest::newRow("xcb right Ctrl") << "xcb" << 97u + 8 << 0x1D << true;
    QTest::newRow("xcb right Alt") << "xcb" << 100u + 8 << 0x38 << true;
    QTest::newRow("xcb Up") << "xcb" << 103u + 8 << 0x48 << true;
    QTest::newRow("xcb keypad 8") << "xcb" << 72u + 8 << 0x48 << false;
    QTest::newRow("xcb keypad Enter") << "xcb" << 96u + 8 << 0x1C << true;
    QTest::newRow("xcb F12") << "xcb" << 88u + 8 << 0x58 << false;
    QTest::newRow("xcb mute key") << "xcb" << 113u + 8 << 0 << false;
    QTest::newRow("xcb no code") << "xcb" << 0u << 0 << false;
    QTest::newRow("offscreen Z") << "offscreen" << 44u << 44 << false;
    QTest::newRow("windows Up") << "windows" << 0x148u << 0x48 << true;
}

void TestHook::pcScanCode() {
    QFETCH(QString, platform);
    QFETCH(uint, native);
    QFETCH(int, scan);
    QFETCH(bool, extended);
    const TPcScanCode pc = PcScanCode(native, KeyPlatformOf(platform));
    QCOMPARE(int(pc.ScanCode), scan);
    QCOMPARE(pc.Extended, extended);
}

void TestHook::keyRecord_data() {
    QTest::addColumn<TKeyData>("data");
    QTest::addColumn<int>("scan");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("transition");
    QTest::addColumn<bool>("context");
    QTest::addColumn<QString>("character");
    using namespace VirtualKeys;
    QTest::newRow("Z press") << Record(ScZ, Qt::Key_Z) << 44 << false << int('Z') << false << false
                             << false << "Z";
    QTest::newRow("Z release") << Record(ScZ, Qt::Key_Z, QEvent::KeyRelease) << 44 << false
                               << int('Z') << true << true << false << "Z";
    QTest::newRow("Z repeated") << Record(ScZ, Qt::Key_Z, QEvent::KeyPress, {}, true) << 44 << false
                                << int('Z') << true << false << false << "Z";
    QTest::newRow("Alt+Q") << Record(ScQ, Qt::Key_Q, QEvent::KeyPress, Qt::AltModifier) << 16
                           << false << int('Q') << false << false << true << "Q";
    QTest::newRow("AZERTY A key is still Q")
        << Record(ScQ, Qt::Key_A, QEvent::KeyPress, {}, false, "a") << 16 << false << int('Q')
        << false << false << false << "Q";
    QTest::newRow("keypad 8 with NumLock")
        << Record(0x48, Qt::Key_8, QEvent::KeyPress, Qt::KeypadModifier) << 0x48 << false
        << int(vkNumpad0 + 8) << false << false << false << "8";
    QTest::newRow("keypad 8 without NumLock")
        << Record(0x48, Qt::Key_Up, QEvent::KeyPress, Qt::KeypadModifier) << 0x48 << false
        << int(vkUp) << false << false << false << "";
    QTest::newRow("Up arrow") << Record(0x48 | ExtendedBit, Qt::Key_Up) << 0x48 << true << int(vkUp)
                              << false << false << false << "";
    QTest::newRow("no scan code: Up")
        << Record(0, Qt::Key_Up) << 0x48 << true << int(vkUp) << false << false << false << "";
    QTest::newRow("no scan code: Tab") << Record(0, Qt::Key_Backtab) << 0x0F << false << int(vkTab)
                                       << false << false << false << "\t";
}

void TestHook::keyRecord() {
    QFETCH(TKeyData, data);
    QFETCH(int, scan);
    QFETCH(bool, extended);
    QFETCH(int, virtualKey);
    QFETCH(bool, previous);
    QFETCH(bool, transition);
    QFETCH(bool, context);
    QFETCH(QString, character);
    QCOMPARE(int(data.ScanCode), scan);
    QCOMPARE(data.Extended, extended);
    QCOMPARE(int(data.VirtualKey), virtualKey);
    QCOMPARE(data.PreviousState, previous);
    QCOMPARE(data.Transition, transition);
    QCOMPARE(data.Context, context);
    QCOMPARE(data.Character, character);
    QCOMPARE(int(data.RepeatCount), 1);
}

void TestHook::keyNames_data() {
    QTest::addColumn<int>("scan");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("name");
    QTest::newRow("Q") << 0x10 << false << "Q";
    QTest::newRow("1") << 0x02 << false << "1";
    QTest::newRow(";") << 0x27 << false << ";";
    QTest::newRow("Shift") << 0x2A << false << "Shift";
    QTest::newRow("right Shift") << 0x36 << false << "Right Shift";
    QTest::newRow("Ctrl") << 0x1D << false << "Control";
    QTest::newRow("right Ctrl") << 0x1D << true << "Right Control";
    QTest::newRow("keypad 8") << 0x48 << false << "Num 8";
    QTest::newRow("keypad Enter") << 0x1C << true << "Num Enter";
    QTest::newRow("Up") << 0x48 << true << "Up";
    QTest::newRow("no key") << 0x54 << false << "";
}

void TestHook::keyNames() {
    QFETCH(int, scan);
    QFETCH(bool, extended);
    QFETCH(QString, name);
    QCOMPARE(KeyNameText(scan, extended), name);
}

// --- Hook list ----------------------------------------------------------------------------------

void TestHook::filterLivesWithTheList() {
    QVERIFY(!TKeyboardHook::FilterInstalled());
    {
        TKeyboardHook a, b;
        a.Add();
        QVERIFY(TKeyboardHook::FilterInstalled());
        QVERIFY(a.IsInstalled());
        QVERIFY(!b.IsInstalled());
        b.Add();
        a.Remove();
        QVERIFY(TKeyboardHook::FilterInstalled()); // b still listens
        QVERIFY(!a.IsInstalled());
    } // b's destruction removes it, and with it the filter
    QVERIFY(!TKeyboardHook::FilterInstalled());
}

void TestHook::everyKeyReachesHandlersOnceInOrder() {
    QWidget w;
    auto *sink = new TKeySink(&w);
    w.show();
    sink->setFocus();
    QStringList calls;
    TKeyboardHook first([&](TKeyboardHook *, const TKeyData &k, bool &) {
        calls << QStringLiteral("1%1%2").arg(k.Transition ? '-' : '+').arg(k.ScanCode);
    });
    TKeyboardHook second([&](TKeyboardHook *, const TKeyData &k, bool &) {
        calls << QStringLiteral("2%1%2").arg(k.Transition ? '-' : '+').arg(k.ScanCode);
    });
    first.Add();
    second.Add();
    Tap(sink, ScZ, Qt::Key_Z, "z");
    QCOMPARE(calls, (QStringList{"1+44", "2+44", "1-44", "2-44"}));
    QCOMPARE(sink->Keys, (QStringList{"+90", "-90"})); // passed on, once each
}

void TestHook::handledKeyIsSwallowed() {
    QWidget w;
    auto *edit = new QLineEdit(&w);
    w.show();
    edit->setFocus();
    TKeyboardHook hook(
        [](TKeyboardHook *, const TKeyData &k, bool &handled) { handled = k.ScanCode == ScX; });
    hook.Add();
    Tap(edit, ScX, Qt::Key_X, "x");
    Tap(edit, ScC, Qt::Key_C, "c");
    QCOMPARE(edit->text(), QStringLiteral("c"));
    hook.Remove();
    Tap(edit, ScX, Qt::Key_X, "x");
    QCOMPARE(edit->text(), QStringLiteral("cx"));
}

void TestHook::hookRemovedByAHandlerIsNotCalled() {
    QWidget w;
    w.show();
    int secondCalls = 0;
    TKeyboardHook second([&](TKeyboardHook *, const TKeyData &, bool &) { ++secondCalls; });
    TKeyboardHook first([&](TKeyboardHook *, const TKeyData &, bool &) { second.Remove(); });
    first.Add();
    second.Add();
    Press(&w, ScZ, Qt::Key_Z);
    QCOMPARE(secondCalls, 0);
    first.Remove();
    QVERIFY(!TKeyboardHook::FilterInstalled());
}

void TestHook::pressOfAKeyDownIsARepeat() {
    // X11 with detectable auto-repeat sends repeats as plain presses.
    QWidget w;
    w.show();
    QStringList calls;
    TKeyboardHook hook([&](TKeyboardHook *, const TKeyData &k, bool &) {
        calls << QStringLiteral("%1%2").arg(k.Transition ? '-' : '+').arg(k.PreviousState);
    });
    hook.Add();
    Press(&w, ScZ, Qt::Key_Z);
    Press(&w, ScZ, Qt::Key_Z);
    Press(&w, ScX, Qt::Key_X);
    Release(&w, ScZ, Qt::Key_Z);
    Release(&w, ScX, Qt::Key_X);
    Press(&w, ScZ, Qt::Key_Z);
    QCOMPARE(calls, (QStringList{"+0", "+1", "+0", "-1", "-1", "+0"}));
}

// --- Keyboard play -----------------------------------------------------------------------------

void TestHook::tapPlaysAndReleases() {
    Form f;
    QVERIFY(f.Active());
    Tap(f.Sink, ScZ, Qt::Key_Z, "z");
    Tap(f.Sink, ScQ, Qt::Key_Q, "q");
    QCOMPARE(f.Sent(),
             (QList<Msg>{{0x90, 48, 100}, {0x90, 48, 0}, {0x90, 60, 100}, {0x90, 60, 0}}));
    QCOMPARE(f.Hover, (QStringList{"C2", "C2", "C3", "C3"}));
    QVERIFY(f.Sink->Keys.isEmpty()); // played keys are swallowed
}

void TestHook::autoRepeatGivesOneNote() {
    Form f;
    QVERIFY(f.Active());
    Press(f.Sink, ScZ, Qt::Key_Z, "z");
    for (int i = 0; i < 3; ++i) {
        // X11 without detectable auto-repeat reports a release and a press per repeat.
        Release(f.Sink, ScZ, Qt::Key_Z, "z", {}, true);
        Press(f.Sink, ScZ, Qt::Key_Z, "z", {}, true);
    }
    Press(f.Sink, ScZ, Qt::Key_Z, "z"); // a repeat the platform did not mark
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 48, 100}}));
    Release(f.Sink, ScZ, Qt::Key_Z, "z");
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 48, 100}, {0x90, 48, 0}}));
}

void TestHook::modifiedKeysPass_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::newRow("Ctrl+Z") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt+Z") << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("Ctrl+Shift+Z") << (Qt::ControlModifier | Qt::ShiftModifier);
}

void TestHook::modifiedKeysPass() {
    QFETCH(Qt::KeyboardModifiers, mods);
    Form f;
    QVERIFY(f.Active());
    Tap(f.Sink, ScZ, Qt::Key_Z, {}, mods);
    QVERIFY(f.Out.empty());
    QCOMPARE(f.Sink->Keys, (QStringList{"+90", "-90"}));
}

void TestHook::shiftPlaysWithShiftVelocity() {
    Form f;
    QVERIFY(f.Active());
    f.Keys->Model().SetVelocityShiftFactor(0.25f);
    Tap(f.Sink, ScZ, Qt::Key_Z, "Z", Qt::ShiftModifier);
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 48, 25}, {0x90, 48, 0}}));
}

void TestHook::chordOfKeysInOrder() {
    Form f;
    QVERIFY(f.Active());
    f.Keys->Model().SetChord(TChord::chFifths);
    Press(f.Sink, ScZ, Qt::Key_Z);
    Press(f.Sink, ScS, Qt::Key_S);
    Press(f.Sink, ScX, Qt::Key_X);
    Release(f.Sink, ScS, Qt::Key_S);
    Release(f.Sink, ScZ, Qt::Key_Z);
    Release(f.Sink, ScX, Qt::Key_X);
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 48, 100},
                                   {0x90, 55, 100},
                                   {0x90, 49, 100},
                                   {0x90, 56, 100},
                                   {0x90, 50, 100},
                                   {0x90, 57, 100},
                                   {0x90, 49, 0},
                                   {0x90, 56, 0},
                                   {0x90, 48, 0},
                                   {0x90, 55, 0},
                                   {0x90, 50, 0},
                                   {0x90, 57, 0}}));
    for (int n = 0; n < 128; ++n)
        QCOMPARE(f.Keys->Model().OwnCount(n), 0);
}

void TestHook::releaseAfterDeactivationStillReleases() {
    Form f;
    QVERIFY(f.Active());
    Press(f.Sink, ScZ, Qt::Key_Z);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!f.Window.isActiveWindow());
    Release(&other, ScZ, Qt::Key_Z); // the release goes to the window that is now active
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 48, 100}, {0x90, 48, 0}}));
    Press(&other, ScX, Qt::Key_X); // but new presses wait for the window to be active again
    QCOMPARE(f.Out.size(), size_t(2));
}

void TestHook::captureOffReleasesOnceOnly() {
    Form f;
    QVERIFY(f.Active());
    Press(f.Sink, ScZ, Qt::Key_Z);
    f.Keys->SetCaptureKeyboard(false);
    QVERIFY(!f.Keys->KeyboardHook().IsInstalled());
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 48, 100}, {0x90, 48, 0}}));
    f.Keys->SetCaptureKeyboard(true); // the window is active again, the key still down
    Release(f.Sink, ScZ, Qt::Key_Z);
    QCOMPARE(f.Out.size(), size_t(2));
    QCOMPARE(f.Sink->Keys, (QStringList{"-90"})); // not ours: passed on
}

void TestHook::octaveChangeWhileHeldLeavesNoSecondRelease() {
    Form f;
    QVERIFY(f.Active());
    Press(f.Sink, ScZ, Qt::Key_Z);
    f.Keys->Model().OctaveUp();
    Release(f.Sink, ScZ, Qt::Key_Z);
    Tap(f.Sink, ScZ, Qt::Key_Z);
    QCOMPARE(f.Sent(),
             (QList<Msg>{{0x90, 48, 100}, {0x90, 48, 0}, {0x90, 60, 100}, {0x90, 60, 0}}));
}

void TestHook::unmappedAndExtendedKeysPass() {
    Form f;
    QVERIFY(f.Active());
    f.Edit->setFocus();
    Tap(f.Edit, ScA, Qt::Key_A, "a");                     // 30 plays nothing
    Tap(f.Edit, 0x48 | ExtendedBit, Qt::Key_Up);          // extended
    Tap(f.Edit, ScZ | ExtendedBit, Qt::Key_unknown, "z"); // extended, even on a mapped code
    QVERIFY(f.Out.empty());
    QCOMPARE(f.Edit->text(), QStringLiteral("az"));
}

void TestHook::negativeNoteAtOctaveZeroPlaysNothing() {
    Form f;
    QVERIFY(f.Active());
    f.Keys->Model().SetKeyOctave(0);
    f.Keys->Model().SetLowerCScanCode(46);
    Tap(f.Sink, ScA, Qt::Key_A); // G# below C0: note -4
    Tap(f.Sink, ScZ, Qt::Key_Z); // A: -3
    Tap(f.Sink, ScC, Qt::Key_C); // C: 0
    QCOMPARE(f.Sent(), (QList<Msg>{{0x90, 0, 100}, {0x90, 0, 0}}));
    QCOMPARE(f.Sink->Keys, (QStringList{"+65", "-65", "+90", "-90"}));
}

void TestHook::fieldTypesWhatItTakesOthersPlay_data() {
    QTest::addColumn<bool>("numbers");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("played");
    // "2" (scan 3) is a black key of the upper row, z and q are white keys.
    QTest::newRow("name field: every key types") << false << false << "z2q" << QList<int>{};
    QTest::newRow("number field: digits type, letters play")
        << true << false << "2" << QList<int>{48, 60};
    QTest::newRow("read-only field: all play") << false << true << "" << QList<int>{48, 61, 60};
}

void TestHook::fieldTypesWhatItTakesOthersPlay() {
    // Typing a program number played C#3 before the program change.
    QFETCH(bool, numbers);
    QFETCH(bool, readOnly);
    QFETCH(QString, typed);
    QFETCH(QList<int>, played);
    Form f;
    QVERIFY(f.Active());
    f.Edit->setReadOnly(readOnly);
    if (numbers)
        f.Edit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    f.Edit->setFocus();
    constexpr quint32 Sc2 = 3;
    Tap(f.Edit, ScZ, Qt::Key_Z, "z");
    Tap(f.Edit, Sc2, Qt::Key_2, "2");
    Tap(f.Edit, ScQ, Qt::Key_Q, "q");
    QCOMPARE(f.Edit->text(), typed);
    QList<int> notes;
    for (const auto &[typ, note, vel] : f.Out)
        if (vel > 0)
            notes << note;
    QCOMPARE(notes, played);
    QCOMPARE(f.Out.size(), size_t(2 * played.size())); // each released once
}

void TestHook::spaceHoldsTheSustainPedal() {
    Form f;
    QVERIFY(f.Active());
    Press(f.Sink, ScSpace, Qt::Key_Space, " ");
    Press(f.Sink, ScSpace, Qt::Key_Space, " ", {}, true); // auto-repeat: nothing more
    Tap(f.Sink, ScZ, Qt::Key_Z, "z");
    Release(f.Sink, ScSpace, Qt::Key_Space, " ");
    QCOMPARE(f.Sent(),
             (QList<Msg>{{0xB0, 64, 127}, {0x90, 48, 100}, {0x90, 48, 0}, {0xB0, 64, 0}}));
    // Swallowed: a focused button would not be clicked by it.
    QCOMPARE(f.Sink->Keys, (QStringList{"+32"})); // only the auto-repeat, which is not ours
    QVERIFY(!f.Keys->Model().PedalDown(TKeyboardModel::SustainPedal));
    // A release without its press (the press went to another window) lifts nothing.
    Release(f.Sink, ScSpace, Qt::Key_Space, " ");
    QCOMPARE(f.Out.size(), size_t(4));
}

void TestHook::spaceInANameFieldTypesOnly() {
    // A name field takes the space; a number field does not, and Space holds the pedal there.
    Form f;
    QVERIFY(f.Active());
    f.Edit->setFocus();
    Tap(f.Edit, ScSpace, Qt::Key_Space, " ");
    QCOMPARE(f.Edit->text(), QStringLiteral(" "));
    QCOMPARE(f.Sent(), QList<Msg>{});
    f.Edit->clear();
    f.Edit->setInputMethodHints(Qt::ImhDigitsOnly);
    Tap(f.Edit, ScSpace, Qt::Key_Space, " ");
    QCOMPARE(f.Sent(), (QList<Msg>{{0xB0, 64, 127}, {0xB0, 64, 0}}));
}

void TestHook::ctrlSpaceLeftToPanic() {
    Form f;
    QVERIFY(f.Active());
    Tap(f.Sink, ScSpace, Qt::Key_Space, " ", Qt::ControlModifier);
    QVERIFY(f.Out.empty());
    QCOMPARE(f.Sink->Keys, (QStringList{"+32", "-32"}));
}

void TestHook::spaceHeldWhenCaptureEndsLiftsThePedal() {
    // A menu opening or the window losing the keys: the release of Space goes elsewhere.
    Form f;
    QVERIFY(f.Active());
    Press(f.Sink, ScSpace, Qt::Key_Space, " ");
    f.Keys->SetCaptureKeyboard(false);
    QCOMPARE(f.Sent(), (QList<Msg>{{0xB0, 64, 127}, {0xB0, 64, 0}}));
    f.Keys->SetCaptureKeyboard(true);
    Release(f.Sink, ScSpace, Qt::Key_Space, " ");
    QCOMPARE(f.Out.size(), size_t(2));
}

void TestHook::multiLineEditDoesNotType() {
    Form f;
    QVERIFY(f.Active());
    f.Memo->setFocus();
    Tap(f.Memo, ScZ, Qt::Key_Z, "z");
    Tap(f.Memo, ScA, Qt::Key_A, "a");
    QCOMPARE(f.Memo->toPlainText(), QStringLiteral("a"));
    QCOMPARE(f.Out.size(), size_t(2));
}

void TestHook::inactiveWindowDoesNotPlay() {
    Form f;
    QVERIFY(f.Active());
    QWidget other;
    auto *sink = new TKeySink(&other);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    sink->setFocus();
    Tap(sink, ScZ, Qt::Key_Z);
    QVERIFY(f.Out.empty());
    QCOMPARE(sink->Keys, (QStringList{"+90", "-90"}));
}

void TestHook::altSwallowedAndShowsHand() {
    Form f;
    QVERIFY(f.Active());
    Press(f.Sink, ScAlt, Qt::Key_Alt, {}, Qt::AltModifier);
    QCOMPARE(f.Keys->cursor().shape(), Qt::OpenHandCursor);
    Release(f.Sink, ScAlt, Qt::Key_Alt);
    QCOMPARE(f.Keys->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(f.Sink->Keys.isEmpty());
    // The right Alt is an extended key: not the keyboard's.
    Tap(f.Sink, ScAlt | ExtendedBit, Qt::Key_AltGr);
    QCOMPARE(f.Keys->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(f.Sink->Keys.size(), 2);
}

// --- Key sequence and key edit ------------------------------------------------------------------

void TestHook::sequenceText_data() {
    // Each step: scan code (+0x100 extended), negative for a release.
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("text");
    const int shift = int(ScShift), ctrl = 0x1D, rctrl = 0x11D, a = int(ScA), b = 0x30;
    QTest::newRow("single press") << QList<int>{int(ScQ)} << "Q";
    QTest::newRow("A then B") << QList<int>{a, -a, b, -b} << "A B ";
    QTest::newRow("Shift+A") << QList<int>{shift, a, -a, -shift} << "Shift(A )";
    QTest::newRow("Shift still held") << QList<int>{shift, a, -a} << "Shift(A )";
    QTest::newRow("Ctrl+Shift+A") << QList<int>{ctrl, shift, a, -a, -shift, -ctrl}
                                  << "Control(Shift(A ))";
    QTest::newRow("both Ctrl keys")
        << QList<int>{ctrl, rctrl, -rctrl, -ctrl} << "Control(Right Control )";
    QTest::newRow("empty") << QList<int>{} << "";
}

void TestHook::sequenceText() {
    QFETCH(QList<int>, steps);
    QFETCH(QString, text);
    TKeySequence seq;
    for (int s : steps)
        seq.AddEvent(TKeyEvent(std::abs(s) & 0xFF, std::abs(s) & 0x100, s < 0));
    QCOMPARE(seq.SequenceText(), text);
}

void TestHook::onlyOneCharKeepsLatestPress() {
    TVKEdit edit;
    edit.SetOnlyOneChar(true);
    edit.KeyHook(Record(ScQ, Qt::Key_Q));
    edit.KeyHook(Record(ScW, Qt::Key_W));
    edit.KeyHook(Record(ScW, Qt::Key_W, QEvent::KeyRelease));
    edit.KeyHook(Record(ScQ, Qt::Key_Q, QEvent::KeyRelease));
    QCOMPARE(edit.Sequence().Count(), 1);
    QCOMPARE(int(edit.Sequence().EventAt(0).VirtualKey), int('W'));
    QVERIFY(!edit.Sequence().EventAt(0).Released);
    QCOMPARE(edit.text(), QStringLiteral("W"));
}

void TestHook::onlyOneCharWithRefusal() {
    TVKEdit edit;
    edit.SetOnlyOneChar(true);
    edit.OnKeyEvent = [](QObject *, const TKeyData &k, bool &add) {
        add = TKeyboardModel::IsValidUpperCScanCode(k.ScanCode);
    };
    QVERIFY(edit.KeyHook(Record(ScW, Qt::Key_W)));
    QVERIFY(edit.KeyHook(Record(ScZ, Qt::Key_Z))); // refused, still swallowed
    QCOMPARE(edit.Sequence().Count(), 1);
    QCOMPARE(edit.text(), QStringLiteral("W"));
}

void TestHook::autoRepeatAddsOnePress() {
    TVKEdit edit;
    edit.KeyHook(Record(ScQ, Qt::Key_Q));
    for (int i = 0; i < 5; ++i)
        edit.KeyHook(Record(ScQ, Qt::Key_Q, QEvent::KeyPress, {}, true));
    edit.KeyHook(Record(ScQ, Qt::Key_Q, QEvent::KeyRelease));
    QCOMPARE(edit.Sequence().Count(), 2);
    QCOMPARE(edit.text(), QStringLiteral("Q "));
}

void TestHook::backspaceRemovesLastKey() {
    TVKEdit edit;
    QStringList debug;
    edit.OnDebug = [&](QObject *, const QString &s) { debug << s; };
    QVERIFY(edit.KeyHook(Record(ScBack, Qt::Key_Backspace))); // empty: nothing to remove
    QCOMPARE(edit.Sequence().Count(), 0);
    for (quint32 scan : {ScA, quint32(0x30)}) {
        edit.KeyHook(Record(scan, Qt::Key_A));
        edit.KeyHook(Record(scan, Qt::Key_A, QEvent::KeyRelease));
    }
    QCOMPARE(edit.text(), QStringLiteral("A B "));
    edit.KeyHook(Record(ScBack, Qt::Key_Backspace));
    edit.KeyHook(Record(ScBack, Qt::Key_Backspace, QEvent::KeyRelease));
    QCOMPARE(edit.Sequence().Count(), 2);
    QCOMPARE(edit.text(), QStringLiteral("A "));
    QCOMPARE(debug.last(), QStringLiteral("List count=2"));
    edit.SetWantBackspace(true);
    edit.KeyHook(Record(ScBack, Qt::Key_Backspace));
    QCOMPARE(edit.text(), QStringLiteral("A Backspace"));
}

void TestHook::turningOnlyOneCharOnKeepsFirstAsPress() {
    TKeySequence seq;
    int changes = 0;
    seq.OnChange = [&] { ++changes; };
    seq.AddEvent(TKeyEvent(ScA, false, false));
    seq.AddEvent(TKeyEvent(ScA, false, true));
    seq.AddEvent(TKeyEvent(0x30, false, false));
    seq.SetOnlyOneChar(true);
    QCOMPARE(seq.Count(), 1);
    QCOMPARE(int(seq.EventAt(0).VirtualKey), int('A'));
    QVERIFY(!seq.EventAt(0).Released);
    QCOMPARE(changes, 4);
}

void TestHook::specialKeysPassWhenNotWanted() {
    TVKEdit edit;
    QVERIFY(edit.KeyHook(Record(0x47 | ExtendedBit, Qt::Key_Home)));
    QCOMPARE(edit.text(), QStringLiteral("Home"));
    edit.Clear();
    edit.SetWantSpecialChars(false);
    QVERIFY(!edit.KeyHook(Record(0x4B | ExtendedBit, Qt::Key_Left)));
    QVERIFY(edit.KeyHook(Record(0x49 | ExtendedBit, Qt::Key_PageUp))); // not among them
    QCOMPARE(edit.text(), QStringLiteral("PgUp"));
}

void TestHook::editHookFollowsFocusAndTabMovesOn() {
    QWidget w;
    auto *layout = new QVBoxLayout(&w);
    auto *edit = new TVKEdit(&w);
    auto *next = new QLineEdit(&w);
    layout->addWidget(edit);
    layout->addWidget(next);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    edit->setFocus();
    QVERIFY(edit->KeyboardHook().IsInstalled());
    Tap(edit, ScQ, Qt::Key_Q, "q");
    QCOMPARE(edit->text(), QStringLiteral("Q "));
    Press(edit, ScTab, Qt::Key_Tab, "\t");
    QVERIFY(next->hasFocus());
    QVERIFY(!edit->KeyboardHook().IsInstalled());
    Release(next, ScTab, Qt::Key_Tab, "\t");
    QCOMPARE(edit->Sequence().Count(), 2);
    Tap(next, ScQ, Qt::Key_Q, "q"); // no longer captured: types
    QCOMPARE(next->text(), QStringLiteral("q"));
}

void TestHook::escapeIsCapturedNotClosingTheDialog() {
    QDialog dialog;
    auto *edit = new TVKEdit(&dialog);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    edit->setFocus();
    Tap(edit, ScEsc, Qt::Key_Escape, "\x1b");
    QVERIFY(dialog.isVisible());
    QCOMPARE(edit->text(), QStringLiteral("Esc "));
}

QTEST_MAIN(TestHook)
#include "tst_hook.moc"
