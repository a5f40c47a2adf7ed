// The real program played for dynamics, as a person plays it: a key clicked near its back and
// near its front arrives at a JACK receiver softer and louder, and Space holds the sustain pedal
// while it is down, around the notes played meanwhile.

#include "e2erig.h"

#include <QRegularExpression>
#include <QTest>
#include <QThread>

namespace {

// The main window's client below the menu bar is this high; the keyboard starts 88 pixels into
// it and is 76 high. Key C1 is at x 87.
constexpr int ClientHeight = 211;
constexpr int KeyboardTop = 88;
constexpr int KeyHeight = 76;
constexpr int C1X = 87;

int Velocity(const QString &NoteOn) {
    return NoteOn.section(QLatin1Char(' '), 2, 2).toInt(nullptr, 16);
}

} // namespace

class TestE2eExpressive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { FRig.Stop(); }

    void clickNearerTheFrontPlaysLouder();
    void spaceHoldsTheSustainPedal();

private:
    // The y of the keyboard's top edge in window pixels; 0 when unknown.
    int KeysTop();
    TE2eRig FRig;
    std::unique_ptr<TE2eProgram> FProgram;
};

void TestE2eExpressive::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("expressive")), qPrintable(FRig.ErrorText()));
}

void TestE2eExpressive::init() {
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\nMidiIn=(none)\n");
    FProgram = std::make_unique<TE2eProgram>(FRig);
    QVERIFY(FProgram->Start());
    QVERIFY(FProgram->ConnectOutput());
}

void TestE2eExpressive::cleanup() {
    FRig.ScreenshotOnFailure();
    FProgram.reset();
}

int TestE2eExpressive::KeysTop() {
    // The window's height less the client's is the menu bar, whatever the font makes it.
    QString out;
    if (!FRig.Xdo({QStringLiteral("getwindowgeometry"), FProgram->Window()}, &out))
        return 0;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(out);
    return m.hasMatch() ? m.captured(2).toInt() - ClientHeight + KeyboardTop : 0;
}

void TestE2eExpressive::clickNearerTheFrontPlaysLouder() {
    const int top = KeysTop();
    QVERIFY(top > KeyboardTop);
    FRig.Peer().ClearReceived();
    QVERIFY(FProgram->Click(C1X, top + 2));
    QThread::msleep(100);
    QVERIFY(FProgram->Click(C1X, top + KeyHeight - 2));
    const QStringList got = FRig.Received(4);
    QCOMPARE(got.size(), 4);
    for (int i : {0, 2})
        QVERIFY2(got[i].startsWith(QLatin1String("90 24 ")), qPrintable(got.join(',')));
    for (int i : {1, 3})
        QCOMPARE(got[i], QStringLiteral("90 24 00"));
    // As a first start has it: 30 at the back of a key to 127 at its front.
    const int back = Velocity(got[0]);
    const int front = Velocity(got[2]);
    QVERIFY2(back >= 30 && back < 40, qPrintable(got[0]));
    QVERIFY2(front > 120, qPrintable(got[2]));
}

void TestE2eExpressive::spaceHoldsTheSustainPedal() {
    QVERIFY(FProgram->Focus());
    FRig.Peer().ClearReceived();
    QVERIFY(FRig.Xdo({QStringLiteral("keydown"), QStringLiteral("space")}));
    QCOMPARE(FRig.Received(1), QStringList{QStringLiteral("b0 40 7f")});
    QVERIFY(FRig.Keys({QStringLiteral("z")})); // a note played under the pedal
    QVERIFY(FRig.Xdo({QStringLiteral("keyup"), QStringLiteral("space")}));
    QCOMPARE(FRig.Received(4),
             (QStringList{QStringLiteral("b0 40 7f"), QStringLiteral("90 30 64"),
                          QStringLiteral("90 30 00"), QStringLiteral("b0 40 00")}));
}

QTEST_GUILESS_MAIN(TestE2eExpressive)
#include "tst_e2e_expressive.moc"
