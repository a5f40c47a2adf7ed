// The real program meeting what goes wrong on a desktop: the JACK server stopping mid-play and
// coming back, a settings folder or file it cannot write, a damaged settings file, and two
// copies of it running on one settings file. Each case on a fresh settings folder.

#include "core/atomicfile.h"
#include "e2erig.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

namespace {

const QByteArray OwnPortIni = "[MidiDevices]\nMidiOut=Ondrel\nMidiIn=(none)\n";

QStringList Note(int Key, int Velocity = 100) {
    return {TE2eRig::Hex({0x90, uint8_t(Key), uint8_t(Velocity)}),
            TE2eRig::Hex({0x90, uint8_t(Key), 0})};
}

} // namespace

class TestE2eFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { FRig.FreshConfig(OwnPortIni); }
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void jackServerGoesAwayMidPlay();
    void settingsCannotBeSaved_data();
    void settingsCannotBeSaved();
    void damagedSettingsFileKeptAside();
    void twoAtOnceTheLaterChangeWins();
    void concurrentSavesLeaveAWholeFile();

private:
    TE2eRig FRig;
};

void TestE2eFaults::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("faults")), qPrintable(FRig.ErrorText()));
}

void TestE2eFaults::jackServerGoesAwayMidPlay() {
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    QVERIFY(FRig.Xdo({QStringLiteral("keydown"), QStringLiteral("z")}));
    QCOMPARE(FRig.Received(1), QStringList{Note(0x30).first()});

    FRig.StopJack();
    const QString lost = QStringLiteral("The JACK server is no longer running");
    QTRY_VERIFY_WITH_TIMEOUT(p.ErrorOutput().contains(lost), 10000);
    // Played while no server runs: nothing to crash on.
    QVERIFY(FRig.Xdo({QStringLiteral("keyup"), QStringLiteral("z")}));
    QVERIFY(FRig.Xdo({QStringLiteral("key"), QStringLiteral("x"), QStringLiteral("c")}));
    QThread::msleep(300);
    QVERIFY(p.Running());

    // The port opens again on the new server by itself, and no note of the old one follows.
    QVERIFY2(FRig.StartJack(), qPrintable(FRig.ErrorText()));
    QVERIFY(p.ConnectOutput());
    QVERIFY(FRig.Xdo({QStringLiteral("key"), QStringLiteral("z")}));
    QCOMPARE(FRig.Received(2), Note(0x30));
    QVERIFY(p.Quit());
    QCOMPARE(p.ErrorOutput().count(lost), 1);
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("MidiOut=Ondrel")),
             qPrintable(FRig.StoreText()));
}

void TestE2eFaults::settingsCannotBeSaved_data() {
    QTest::addColumn<bool>("folderBlocked");
    QTest::addColumn<QString>("reason");
    // Root writes anywhere, so the folder is blocked by a file where it should be.
    QTest::newRow("folder cannot be made") << true << QStringLiteral("cannot be created");
    QTest::newRow("file read-only") << false << QStringLiteral("is read-only");
}

void TestE2eFaults::settingsCannotBeSaved() {
    QFETCH(bool, folderBlocked);
    QFETCH(QString, reason);
    const QString blocker = FRig.ConfigHome() + QStringLiteral("/Tavrel");
    if (folderBlocked) {
        QVERIFY(QDir(blocker).removeRecursively());
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QFile::setPermissions(FRig.StoreFile(), QFile::ReadOwner | QFile::ReadGroup));
    }
    const QString before = FRig.StoreText();

    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    const QString notice = QStringLiteral("Settings cannot be saved: ");
    QTRY_VERIFY_WITH_TIMEOUT(p.ErrorOutput().contains(notice), 5000);
    QVERIFY2(p.ErrorOutput().contains(reason), qPrintable(p.ErrorOutput()));
    QVERIFY(p.DismissNotice());
    if (!folderBlocked) { // the stored port opens, so the program plays
        QVERIFY(p.ConnectOutput());
        QVERIFY(FRig.Xdo({QStringLiteral("key"), QStringLiteral("F4"), QStringLiteral("z")}));
        QCOMPARE(FRig.Received(2), Note(0x3c));
    }
    QVERIFY(p.Quit());
    QCOMPARE(p.ErrorOutput().count(notice), 1);
    QCOMPARE(FRig.StoreText(), before);
    QCOMPARE(QFileInfo(blocker).isFile(), folderBlocked);
}

void TestE2eFaults::damagedSettingsFileKeptAside() {
    // A save cut short by a crash of the machine: NUL bytes after the text.
    const QByteArray damaged = OwnPortIni + "[Keyboard]\nKeyOctave=6\n" + QByteArray(64, '\0');
    FRig.FreshConfig(damaged);
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QTRY_VERIFY_WITH_TIMEOUT(p.ErrorOutput().contains(QStringLiteral("could not be read")), 5000);
    QVERIFY(p.DismissNotice());
    QVERIFY(p.Quit());
    QCOMPARE(p.ErrorOutput().count(QStringLiteral("could not be read")), 1);

    const QFileInfo store(FRig.StoreFile());
    const QStringList aside =
        store.dir().entryList({store.fileName() + QStringLiteral(".corrupt-*")});
    QCOMPARE(aside.size(), 1);
    QFile kept(store.dir().filePath(aside.first()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), damaged);
    // Defaults were used and saved: the octave of a first start, the Midi-Mapper.
    const QString text = FRig.StoreText();
    QVERIFY2(text.contains(QStringLiteral("KeyOctave=4")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("MidiOut=Midi-Mapper")), qPrintable(text));
}

// Each copy saves what it changes as it changes it, and never writes back an older value of its
// own over what the other changed since: the change made later wins, whichever copy closes last.
void TestE2eFaults::twoAtOnceTheLaterChangeWins() {
    TE2eProgram first(FRig);
    TE2eProgram second(FRig);
    QVERIFY(first.Start());
    QVERIFY(first.ConnectOutput());
    QVERIFY(second.Start({first.Window()}));
    QVERIFY(second.ConnectOutput(QStringLiteral("Ondrel-[0-9]+")));

    // Both play, each with its own octave: up in the second, down in the first.
    QVERIFY(FRig.Xdo({QStringLiteral("key"), QStringLiteral("F4"), QStringLiteral("z")}));
    QCOMPARE(FRig.Received(2), Note(0x3c));
    FRig.Peer().ClearReceived();
    QVERIFY(first.Focus());
    QVERIFY(FRig.Xdo({QStringLiteral("key"), QStringLiteral("F3"), QStringLiteral("z")}));
    QCOMPARE(FRig.Received(2), Note(0x24));

    QVERIFY(first.Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("KeyOctave=3")),
             qPrintable(FRig.StoreText()));
    QVERIFY(second.Focus());
    QVERIFY(second.Quit());
    const QString text = FRig.StoreText();
    QCOMPARE(text.count(QStringLiteral("KeyOctave=")), 1);
    QVERIFY2(text.contains(QStringLiteral("KeyOctave=3")), qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("[Keyboard]")), 1);
}

void TestE2eFaults::concurrentSavesLeaveAWholeFile() {
    // Two savers at once (two programs closing together) and a reader starting meanwhile: the
    // reader finds one whole version or the other, never a mix or a part.
    const QString file = FRig.ConfigHome() + QStringLiteral("/race.ini");
    const QByteArray big = "[A]\n" + QByteArray(256 * 1024, 'a') + "\n";
    const QByteArray small = "[B]\n" + QByteArray(3000, 'b') + "\n";
    WriteFileAtomically(file, small);
    std::atomic<bool> stop{false};
    std::atomic<int> failures{0};
    std::atomic<int> reads{0};
    const auto saver = [&](const QByteArray &data) {
        for (int i = 0; i < 150; ++i)
            try {
                WriteFileAtomically(file, data);
            } catch (...) {
                ++failures;
            }
    };
    std::thread a(saver, big);
    std::thread b(saver, small);
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!stop) {
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray got = f.readAll();
            if (got != big && got != small)
                ++torn;
            ++reads;
        }
    });
    a.join();
    b.join();
    stop = true;
    reader.join();
    QCOMPARE(failures.load(), 0);
    QCOMPARE(torn.load(), 0);
    QVERIFY(reads.load() > 0);
    const QStringList leftovers = QDir(FRig.ConfigHome()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(leftovers, QStringList{QStringLiteral("race.ini")});
}

QTEST_GUILESS_MAIN(TestE2eFaults)
#include "tst_e2e_faults.moc"
