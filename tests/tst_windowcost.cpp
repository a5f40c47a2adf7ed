// What the real main window costs while idle and while played: an idle window with its JACK port
// open runs no repeating timer (a one-shot one, as the time a status text is shown whole, ends by
// itself); a played note repaints the note name's panel alone (the status bar is not
// laid out again), and the keyboard's focus frame comes out the same whether the whole keyboard
// is painted or only a part of it.

#include "app/mainwindow.h"
#include "keyboard/keyboard.h"
#include "mainfixture.h"
#include "router/midirouter.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <tuple>
#include <utility>

namespace {

// Counts the events of one type that reach the watched objects.
class TEventCount : public QObject {
public:
    explicit TEventCount(QEvent::Type Type) : FType(Type) {}
    int Count = 0;

protected:
    bool eventFilter(QObject *, QEvent *Event) override {
        if (Event->type() == FType)
            ++Count;
        return false;
    }

private:
    QEvent::Type FType;
};

// The keyboard as the screen shows it: its whole picture, then Part painted again over it.
QImage Painted(TKeyboard &Keys, const QRect &Part) {
    QImage image(Keys.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    {
        QPainter p(&image);
        Keys.render(&p);
    }
    if (!Part.isEmpty()) {
        QPainter p(&image);
        Keys.render(&p, Part.topLeft(), QRegion(Part));
    }
    return image;
}

} // namespace

class TestWindowCost : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void idleWindowRunsNoTimer();
    void notePlayedRepaintsOnlyItsPanel();
    void focusFrameSameInPartAsWhole_data();
    void focusFrameSameInPartAsWhole();

private:
    TMainFixture F;
    std::unique_ptr<TMainWindow> W;
};

void TestWindowCost::initTestCase() {
    QVERIFY2(F.Start(QStringLiteral("windowcost")), qPrintable(F.ErrorText()));
}

void TestWindowCost::init() {
    W.reset();
    F.FreshConfig();
    W = F.NewWindow();
    QVERIFY(W);
}

void TestWindowCost::cleanupTestCase() {
    W.reset();
    F.Stop();
}

void TestWindowCost::idleWindowRunsNoTimer() {
    QVERIFY(F.ConnectPeer(*W));
    QTest::qWait(100);
    QStringList running;
    for (const QTimer *timer : W->findChildren<QTimer *>())
        if (timer->isActive() && !timer->isSingleShot())
            running << QStringLiteral("%1 ms (%2)")
                           .arg(timer->interval())
                           .arg(timer->parent() ? timer->parent()->metaObject()->className() : "");
    QVERIFY2(running.isEmpty(), qPrintable(running.join(QStringLiteral(", "))));
}

void TestWindowCost::notePlayedRepaintsOnlyItsPanel() {
    TKeyboard *keys = W->Keyboard();
    keys->SetCaptureKeyboard(true);
    const QList<QLabel *> panels = W->statusBar()->findChildren<QLabel *>();
    QVERIFY(panels.size() >= 5);
    TEventCount layouts(QEvent::LayoutRequest);
    TEventCount paints(QEvent::Paint);
    W->statusBar()->installEventFilter(&layouts);
    for (QLabel *panel : panels)
        panel->installEventFilter(&paints);
    // Z, then X and C, each pressed and let go: the note name changes at every key. The first
    // fills the empty note panel, whose room a message may have had: that one may lay out.
    bool first = true;
    for (const auto &[key, scan, text] :
         {std::tuple{Qt::Key_Z, 0x2Cu, "z"}, std::tuple{Qt::Key_X, 0x2Du, "x"},
          std::tuple{Qt::Key_C, 0x2Eu, "c"}}) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(type, key, Qt::NoModifier, scan, 0, 0, QString::fromLatin1(text));
            QApplication::sendEvent(W->windowHandle(), &e);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (std::exchange(first, false)) {
            QVERIFY2(!panels[1]->text().isEmpty(), "the keys played nothing");
            layouts.Count = 0;
            paints.Count = 0;
        }
    }
    QCOMPARE(layouts.Count, 0);
    QVERIFY2(paints.Count <= 2, qPrintable(QStringLiteral("%1 panel paints").arg(paints.Count)));
}

void TestWindowCost::focusFrameSameInPartAsWhole_data() {
    QTest::addColumn<QRect>("part");
    QTest::newRow("one key in the middle") << QRect(101, 0, 47, 1000);
    QTest::newRow("at the left edge") << QRect(0, 0, 32, 1000);
    QTest::newRow("at the right edge") << QRect(-40, 0, 40, 1000); // from the right
    QTest::newRow("a band inside") << QRect(57, 9, 20, 13);
    QTest::newRow("near the top left corner") << QRect(2, 0, 7, 4);
}

void TestWindowCost::focusFrameSameInPartAsWhole() {
    QFETCH(QRect, part);
    TKeyboard *keys = W->Keyboard();
    keys->setFocus();
    QTRY_VERIFY(keys->hasFocus());
    if (part.left() < 0)
        part.moveLeft(keys->width() + part.left());
    part &= keys->rect();
    const QImage whole = Painted(*keys, QRect());
    // The frame is in the picture: its top left corner is a dot of its colour.
    QCOMPARE(whole.pixelColor(0, 0), QColor(0x30, 0x60, 0xa0));
    QCOMPARE(Painted(*keys, part), whole);
}

QTEST_MAIN(TestWindowCost)
#include "tst_windowcost.moc"
