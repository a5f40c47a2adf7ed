// The real program's window under a window manager (openbox), as a person uses it: Stay on Top
// beside another program, the place and size it comes back to after restarts, and the page and
// chord keys while a list box has the focus, played into a JACK peer.

#include "e2erig.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace {

// Height of the client area below the menu bar (the window's fixed height without the menu).
constexpr int ClientHeight = 211;
// Client coordinates of the chord box, the patch box and the key C1 (white keys from x 80).
constexpr int ChordBoxX = 60, PatchBoxX = 180, BoxY = 34, C1X = 87;

// Programs with plain program changes, no bank: each choice is one "c0" message.
const QByteArray Script = "[cubase parse file]\n[parser version 0001]\n[device name] Test\n"
                          "[define patchnames]\n[mode] Normal\n[g1] Sounds\n"
                          "[p2, 10, -1] Alpha\n[p2, 11, -1] Beta\n[p2, 12, -1] Gamma\n"
                          "[p2, 13, -1] Delta\n[p2, 14, -1] Epsilon\n[end]\n";

struct TWindowInfo {
    QRect Geometry; // of the client, in screen coordinates
    bool Viewable = false;
};

} // namespace

class TestE2eWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void stayOnTopKeepsItAboveWithoutTakingTheFocus();
    void placeAndSizeComeBackAfterRestarts_data();
    void placeAndSizeComeBackAfterRestarts();
    void pageKeysStepThePickedPatchOnce();
    void homeEndStepTheChordOnceInTheChordBox();
    void storedPlaceOffTheScreenOpensOnIt_data();
    void storedPlaceOffTheScreenOpensOnIt();
    void tallerWindowHasTallerKeys();

private:
    QString X(const QString &Program, const QStringList &Arguments);
    TWindowInfo Info(const QString &Window);
    // _NET_WM_STATE of Window, or the root's Property ("_NET_ACTIVE_WINDOW"...).
    QString Property(const QString &Window, const QString &Name);
    // The window ids of a root property that lists windows, as xdotool gives them (decimal).
    QStringList RootWindows(const QString &Name);
    // The client y of the program's main window's menu bar bottom.
    int MenuHeight(TE2eProgram &P);
    // Opens the list of the combo box at client X, BoxY and clicks its entry Index of Count.
    bool PickEntry(TE2eProgram &P, int X, int Index, int Count);
    // The note-ons (hex "90 nn") of a click on C1, in the order they came.
    QStringList PlayC1(TE2eProgram &P, int KeysY, int Notes);

    TE2eRig FRig;
    QProcess FWm;
};

void TestE2eWindow::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
        QSKIP("openbox or xprop/xwininfo is not installed (Debian: openbox, x11-utils)");
    // Wide enough for a window with the normal key pictures.
    QVERIFY2(FRig.Start(QStringLiteral("window"), QStringLiteral("1920x1080")),
             qPrintable(FRig.ErrorText()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FRig.Display());
    FWm.setProcessEnvironment(env);
    FWm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY(FWm.waitForStarted());
    QThread::msleep(700); // managing windows
}

void TestE2eWindow::cleanup() {
    FRig.ScreenshotOnFailure();
}

void TestE2eWindow::cleanupTestCase() {
    FWm.terminate();
    FWm.waitForFinished(3000);
    FRig.Stop();
}

QString TestE2eWindow::X(const QString &Program, const QStringList &Arguments) {
    QString out;
    RunX(FRig.Display(), Program, Arguments, &out);
    return out;
}

TWindowInfo TestE2eWindow::Info(const QString &Window) {
    const QString text = X(QStringLiteral("xwininfo"), {QStringLiteral("-id"), Window});
    const auto number = [&text](const char *Label) {
        const QRegularExpressionMatch m =
            QRegularExpression(QLatin1String(Label) + QStringLiteral(":\\s*(-?\\d+)")).match(text);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    TWindowInfo info;
    info.Geometry = QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                          number("Width"), number("Height"));
    info.Viewable = text.contains(QStringLiteral("IsViewable"));
    return info;
}

QString TestE2eWindow::Property(const QString &Window, const QString &Name) {
    return X(QStringLiteral("xprop"), Window.isEmpty()
                                          ? QStringList{QStringLiteral("-root"), Name}
                                          : QStringList{QStringLiteral("-id"), Window, Name});
}

QStringList TestE2eWindow::RootWindows(const QString &Name) {
    QStringList ids;
    const QString text = Property(QString(), Name);
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("0x[0-9a-fA-F]+")).globalMatch(text);
    while (it.hasNext())
        ids << QString::number(it.next().captured(0).toULongLong(nullptr, 16));
    return ids;
}

int TestE2eWindow::MenuHeight(TE2eProgram &P) {
    return Info(P.Window()).Geometry.height() - ClientHeight;
}

bool TestE2eWindow::PickEntry(TE2eProgram &P, int X, int Index, int Count) {
    const QStringList before = P.OwnWindows();
    if (!P.Click(X, MenuHeight(P) + BoxY))
        return false;
    QString popup;
    for (int i = 0; i < 60 && popup.isEmpty(); ++i) {
        QThread::msleep(50);
        for (const QString &w : P.OwnWindows())
            if (!before.contains(w))
                popup = w;
    }
    if (popup.isEmpty()) {
        qWarning() << "the list did not open";
        return false;
    }
    // The entries fill the list's height; the middle of the one wanted, once the list stands
    // still (it may open with an animation) and takes clicks (a release within the double-click
    // time of its opening is taken for the click that opened it).
    QThread::msleep(600);
    QRect list;
    for (int i = 0; i < 20; ++i) {
        QThread::msleep(100);
        const QRect now = Info(popup).Geometry;
        if (now == list)
            break;
        list = now;
    }
    const int y = list.height() * (2 * Index + 1) / (2 * Count);
    if (!FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), popup,
                   QString::number(list.width() / 2), QString::number(y), QStringLiteral("click"),
                   QStringLiteral("1")}))
        return false;
    for (int i = 0; i < 60; ++i) {
        if (!P.OwnWindows().contains(popup))
            return true;
        QThread::msleep(50);
    }
    qWarning() << "the list did not close";
    return false;
}

QStringList TestE2eWindow::PlayC1(TE2eProgram &P, int KeysY, int Notes) {
    FRig.Peer().ClearReceived();
    P.Click(C1X, KeysY);
    QStringList ons;
    for (const QString &m : FRig.Received(2 * Notes))
        if (m.startsWith(QStringLiteral("90")) && !m.endsWith(QStringLiteral(" 00")))
            ons << m.left(5);
    FRig.Peer().ClearReceived();
    return ons;
}

void TestE2eWindow::stayOnTopKeepsItAboveWithoutTakingTheFocus() {
    FRig.FreshConfig();
    TE2eProgram p(FRig);
    p.KeepPlace = true;
    QVERIFY(p.Start());
    // Another program's window beside it.
    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), FRig.Display());
    other.setProcessEnvironment(env);
    other.start(QStringLiteral("xmessage"),
                {QStringLiteral("-geometry"), QStringLiteral("+600+500"),
                 QStringLiteral("Another program")});
    QVERIFY2(other.waitForStarted(), "xmessage (x11-utils) did not start");
    const auto stopOther = qScopeGuard([&] {
        other.kill();
        other.waitForFinished(3000);
    });
    const QString otherWindow = p.WaitForWindow(QStringLiteral("^xmessage$"));
    QVERIFY(!otherWindow.isEmpty());
    QVERIFY(p.Focus());

    // Options > Stay on Top.
    QVERIFY(p.Menu(QStringLiteral("o"), {QStringLiteral("o")}));
    QThread::msleep(500);
    const QString window = p.Window();
    QVERIFY(Info(window).Viewable);

    // A click on the other program: it has the focus, this window stays shown and above.
    QVERIFY(FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), otherWindow,
                      QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("click"),
                      QStringLiteral("1")}));
    QThread::msleep(1000); // time for a window to go and come back
    QVERIFY2(Info(window).Viewable, "the window is no longer shown");
    QCOMPARE(RootWindows(QStringLiteral("_NET_ACTIVE_WINDOW")), QStringList{otherWindow});
    QVERIFY2(Property(window, QStringLiteral("_NET_WM_STATE"))
                 .contains(QStringLiteral("_NET_WM_STATE_ABOVE")),
             qPrintable(Property(window, QStringLiteral("_NET_WM_STATE"))));
    QVERIFY(p.Windows(QStringLiteral("^Ondrel$")).contains(window));

    // A dialog of the program opens above it, not hidden behind.
    QVERIFY(p.Focus());
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+s")}));
    const QString settings = p.WaitForWindow(QStringLiteral("^Settings$"));
    QVERIFY2(!settings.isEmpty(), "the settings dialog did not appear");
    QThread::msleep(500);
    const QStringList stacking = RootWindows(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    QVERIFY2(stacking.indexOf(settings) > stacking.indexOf(window), qPrintable(stacking.join(' ')));
    QVERIFY(FRig.Keys({QStringLiteral("Escape")}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Settings$")).isEmpty(), 5000);

    // Minimized, it stays minimized.
    QVERIFY(FRig.Xdo({QStringLiteral("windowminimize"), QStringLiteral("--sync"), window}));
    QThread::msleep(1000);
    QVERIFY2(!Info(window).Viewable, "the window came back");
    QVERIFY(Property(window, QStringLiteral("_NET_WM_STATE"))
                .contains(QStringLiteral("_NET_WM_STATE_HIDDEN")));
    QVERIFY(FRig.Xdo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window}));
    QVERIFY(p.Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("StayOnTop=1")),
             qPrintable(FRig.StoreText()));
}

void TestE2eWindow::placeAndSizeComeBackAfterRestarts_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("width");
    // Wider than the small key pictures allow, narrower than the normal ones do.
    QTest::newRow("normal keys, a wide window")
        << QByteArray("[KeyboardForm]\nLeft=300\nTop=200\nWidth=1400\n"
                      "[Keyboard]\nPaintStyle=1\nImageSize=1\n")
        << 1400;
    QTest::newRow("big keys, a wide window")
        << QByteArray("[KeyboardForm]\nLeft=100\nTop=300\nWidth=1700\n"
                      "[Keyboard]\nPaintStyle=1\nImageSize=2\n")
        << 1700;
    QTest::newRow("first placed by the window manager") << QByteArray() << 476;
    QTest::newRow("stay on top")
        << QByteArray("[KeyboardForm]\nLeft=300\nTop=200\nWidth=600\nStayOnTop=1\n") << 600;
}

void TestE2eWindow::placeAndSizeComeBackAfterRestarts() {
    QFETCH(QByteArray, ini);
    QFETCH(int, width);
    FRig.FreshConfig(ini);
    TE2eProgram p(FRig);
    p.KeepPlace = true;
    QVERIFY(p.Start());
    const QRect first = Info(p.Window()).Geometry;
    QCOMPARE(first.width(), width);
    QVERIFY(p.Quit());
    for (int start = 0; start < 3; ++start) {
        QVERIFY(p.Start());
        QCOMPARE(Info(p.Window()).Geometry, first);
        QVERIFY(p.Quit());
    }
}

void TestE2eWindow::pageKeysStepThePickedPatchOnce() {
    FRig.FreshConfig();
    const QString script = FRig.Folder() + QStringLiteral("/test.txt");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Script);
    file.close();
    FRig.WriteStore(
        "[MidiDevices]\nMidiOut=Ondrel\n[KeyboardForm]\nPatchScript=" + script.toUtf8() + "\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    // "(none)", Alpha ... Epsilon: Beta picked with the mouse leaves the focus in the box.
    QVERIFY(PickEntry(p, PatchBoxX, 2, 6));
    QCOMPARE(FRig.Received(1), QStringList{QStringLiteral("c0 0b")});
    FRig.Peer().ClearReceived();
    QVERIFY(FRig.Keys({QStringLiteral("Next")}));
    QCOMPARE(FRig.Received(1), QStringList{QStringLiteral("c0 0c")});
    FRig.Peer().ClearReceived();
    QVERIFY(FRig.Keys({QStringLiteral("Prior")}));
    QCOMPARE(FRig.Received(1), QStringList{QStringLiteral("c0 0b")});
    QVERIFY(p.Quit());
}

void TestE2eWindow::homeEndStepTheChordOnceInTheChordBox() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    const int keysY = p.FindKeyboardY();
    QVERIFY(keysY > 0);
    // None, Major, Minor, Major m7, Minor m7, Fifths, Octave, Power; C1 is note 36 (24 hex).
    QVERIFY(PickEntry(p, ChordBoxX, 2, 8)); // Minor
    QVERIFY(FRig.Keys({QStringLiteral("End")}));
    QCOMPARE(PlayC1(p, keysY, 4), (QStringList{"90 24", "90 28", "90 2b", "90 2e"})); // Major m7
    QVERIFY(PickEntry(p, ChordBoxX, 2, 8));                                           // Minor again
    QVERIFY(FRig.Keys({QStringLiteral("Home")}));
    QCOMPARE(PlayC1(p, keysY, 3), (QStringList{"90 24", "90 28", "90 2b"})); // Major
    QVERIFY(p.Quit());
}

void TestE2eWindow::storedPlaceOffTheScreenOpensOnIt_data() {
    // A place kept from a larger screen: Left=1900 on a smaller one showed 46 pixels of the
    // window, Top=-5000 put its title bar above the screen. Dialogs keep places of their own.
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("dialog"); // its title and the keys that open it, or none
    QTest::addColumn<QString>("keys");
    QTest::newRow("past the right edge")
        << QByteArray("[KeyboardForm]\nLeft=1900\nTop=200\n") << QString() << QString();
    QTest::newRow("far above") << QByteArray("[KeyboardForm]\nLeft=300\nTop=-5000\n") << QString()
                               << QString();
    QTest::newRow("below and left")
        << QByteArray("[KeyboardForm]\nLeft=-3000\nTop=3000\n") << QString() << QString();
    QTest::newRow("transpose window past the right edge")
        << QByteArray("[TransposeForm]\nFormLeft=5000\nFormTop=300\n") << "Transpose"
        << "ctrl+t";
}

void TestE2eWindow::storedPlaceOffTheScreenOpensOnIt() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, dialog);
    QFETCH(QString, keys);
    FRig.FreshConfig(ini);
    TE2eProgram p(FRig);
    p.KeepPlace = true;
    QVERIFY(p.Start());
    QString window = p.Window();
    if (!dialog.isEmpty()) {
        QVERIFY(FRig.Keys({keys}));
        window = p.WaitForWindow(QLatin1Char('^') + dialog);
        QVERIFY2(!window.isEmpty(), "the dialog did not appear");
    }
    QThread::msleep(700); // placed again once its frame is known
    const QRect client = Info(window).Geometry;
    // The frame: left, right, top (the title bar), bottom.
    const QStringList extents = Property(window, QStringLiteral("_NET_FRAME_EXTENTS"))
                                    .section(QLatin1Char('='), 1)
                                    .split(QLatin1Char(','), Qt::SkipEmptyParts);
    QCOMPARE(extents.size(), 4);
    const QRect frame =
        client.adjusted(-extents[0].trimmed().toInt(), -extents[2].trimmed().toInt(),
                        extents[1].trimmed().toInt(), extents[3].trimmed().toInt());
    QVERIFY2(QRect(0, 0, 1920, 1080).contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                     .arg(frame.x())
                                                                     .arg(frame.y())
                                                                     .arg(frame.width())
                                                                     .arg(frame.height())));
    QVERIFY(p.Quit());
}

void TestE2eWindow::tallerWindowHasTallerKeys() {
    // The window's height was fixed: keys stayed 76 pixels tall at every key size.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n[Keyboard]\nVelocityByPosition=0\n");
    TE2eProgram p(FRig);
    p.KeepPlace = true;
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    const QRect before = Info(p.Window()).Geometry;
    const int menu = MenuHeight(p);
    QVERIFY(FRig.Xdo({QStringLiteral("windowsize"), QStringLiteral("--sync"), p.Window(),
                      QString::number(before.width()), QString::number(before.height() + 150)}));
    QThread::msleep(500);
    QCOMPARE(Info(p.Window()).Geometry.height(), before.height() + 150);
    // C1 at the foot of the taller keys: below where they ended before.
    FRig.Peer().ClearReceived();
    QVERIFY(p.Click(C1X, menu + 88 + 76 + 130));
    QCOMPARE(FRig.Received(2),
             (QStringList{QStringLiteral("90 24 64"), QStringLiteral("90 24 00")}));
    QVERIFY(p.Quit());
    QVERIFY(p.Start());
    QCOMPARE(Info(p.Window()).Geometry.height(), before.height() + 150);
    QVERIFY(p.Quit());
}

QTEST_GUILESS_MAIN(TestE2eWindow)
#include "tst_e2e_window.moc"
