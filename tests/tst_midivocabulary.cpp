#include "core/midivocabulary.h"

#include <QTest>

using namespace MidiTool;

class TestMidiVocabulary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controllerEntry_data();
    void controllerEntry();
    void everyUnnamedNumberIsUndefined();
    void pitchBend_data();
    void pitchBend();
    void roundTripsCoverTheWholeRange();
};

void TestMidiVocabulary::controllerEntry_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("entry");
    QTest::newRow("0") << 0 << "000 Bank Sel MSB";
    QTest::newRow("1") << 1 << "001 Modulation";
    QTest::newRow("3 unnamed") << 3 << "003 Undefined";
    QTest::newRow("16 with slash") << 16 << "016 Foot Control / General 1";
    QTest::newRow("64") << 64 << "064 Sustain Sw";
    QTest::newRow("119 unnamed") << 119 << "119 Undefined";
    QTest::newRow("120") << 120 << "120 All Sounds off";
    QTest::newRow("127") << 127 << "127 Poly Mode On";
}

void TestMidiVocabulary::controllerEntry() {
    QFETCH(int, number);
    QFETCH(QString, entry);
    QCOMPARE(ControllerEntry(number), entry);
    QCOMPARE(ControllerEntries().at(number), entry);
}

void TestMidiVocabulary::everyUnnamedNumberIsUndefined() {
    QList<int> unnamed{3, 9, 14, 15, 35, 41, 46, 47};
    for (int n = 20; n <= 31; ++n)
        unnamed << n;
    for (int n = 52; n <= 63; ++n)
        unnamed << n;
    for (int n = 85; n <= 90; ++n)
        unnamed << n;
    for (int n = 102; n <= 119; ++n)
        unnamed << n;
    int named = 0;
    for (int n = 0; n < ControllerCount; ++n) {
        QCOMPARE(ControllerName(n).isEmpty(), unnamed.contains(n));
        named += ControllerName(n).isEmpty() ? 0 : 1;
    }
    QCOMPARE(named, 128 - unnamed.size());
    QCOMPARE(ControllerEntries().size(), 128);
    QVERIFY(ControllerName(128).isEmpty());
    QVERIFY(ControllerName(-1).isEmpty());
}

void TestMidiVocabulary::pitchBend_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("lsb");
    QTest::addColumn<int>("msb");
    QTest::newRow("lowest") << -8192 << 0 << 0;
    QTest::newRow("centre") << 0 << 0 << 64;
    QTest::newRow("highest") << 8191 << 127 << 127;
    QTest::newRow("one below centre") << -1 << 127 << 63;
    QTest::newRow("one above centre") << 1 << 1 << 64;
}

void TestMidiVocabulary::pitchBend() {
    QFETCH(int, value);
    QFETCH(int, lsb);
    QFETCH(int, msb);
    const TDataBytes b = SignedToBytes(value);
    QCOMPARE(int(b.Lsb), lsb);
    QCOMPARE(int(b.Msb), msb);
    QCOMPARE(BytesToSigned(uint8_t(lsb), uint8_t(msb)), value);
}

void TestMidiVocabulary::roundTripsCoverTheWholeRange() {
    QCOMPARE(BytesToSigned(0, 64), 0);
    QCOMPARE(BytesToUnsigned(0, 64), 8192);
    for (int v = -8192; v <= 8191; ++v) {
        const TDataBytes b = SignedToBytes(v);
        QVERIFY(b.Lsb < 128 && b.Msb < 128);
        QCOMPARE(BytesToSigned(b.Lsb, b.Msb), v);
    }
    for (int v = 0; v <= 16383; ++v) {
        const TDataBytes b = UnsignedToBytes(v);
        QVERIFY(b.Lsb < 128 && b.Msb < 128);
        QCOMPARE(BytesToUnsigned(b.Lsb, b.Msb), v);
    }
}

QTEST_GUILESS_MAIN(TestMidiVocabulary)
#include "tst_midivocabulary.moc"
