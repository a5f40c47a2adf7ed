#include "app/mainwindow.h"
#include "app/programbank.h"
#include "app/splash.h"
#include "app/updown.h"
#include "controls/imgcontrol.h"
#include "core/chordlist.h"
#include "core/general.h"
#include "core/registryinifile.h"
#include "jackfixture.h"
#include "keyboard/keyboard.h"
#include "mainfixture.h"
#include "midi/mididevices.h"
#include "midi/midioutput.h"
#include "modalanswers.h"
#include "router/midirouter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(F.Start(QStringLiteral("main")), qPrintable(F.ErrorText()));
        FPeer = &F.Peer();
    }
    void init() { F.FreshConfig(); } // every test starts as a first start
    void cleanupTestCase() { F.Stop(); }

    void emptyStoreDefaults();
    void bankPairThenProgramChange();
    void programChangeAloneKeepsBank();
    void stepChordWrapsAround_data();
    void stepChordWrapsAround();
    void customChordFromCombo();
    void channelField_data();
    void channelField();
    void panicSendsEverythingAndReportsProgress();
    void notesReachTheChosenPort();
    void thruPlaysIncomingNotesThroughTheChord();
    void settingsComeBackAfterRestart();
    void uninstallLeavesNothingBehind();
    void uninstallSaysWhatItRemovesAndDefaultsToNo();
    void tallerKeysWidthLimited();
    void bankChangeSendsPairThenProgram();
    void pitchStripSpringsBack_data();
    void pitchStripSpringsBack();
    void modulationStripSendsItsController();
    void stayOnTopChangesOnlyTheNativeFlag();
    void splashGoesAfterThreeSecondsAboutStays();
    void missingReadmeSaysSo();

private:
    std::unique_ptr<TMainWindow> NewWindow() { return F.NewWindow(); }
    TMainFixture F;
    TJackPeer *FPeer = nullptr;
};

void TestMainWindow::emptyStoreDefaults() {
    auto w = NewWindow();
    QVERIFY(w);
    // Nowhere kept yet: the window manager chooses the place (pinned, it went to the origin).
    QVERIFY(!w->testAttribute(Qt::WA_Moved));
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), -1);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Msb), -1);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Lsb), -1);
    QCOMPARE(int(w->ModWheelController()), 1);
    QCOMPARE(w->MouseWheelController(), 1);
    QCOMPARE(w->MouseWheelSensitivity(), 4);
    QCOMPARE(w->KnobPresetName(), QStringLiteral("Default"));
    QVERIFY(!w->MidiThru());
    QVERIFY(!w->StayOnTop());
    // a first start opens the third entry of the Midi Out menu
    QVERIFY(w->Devices().IsOpen(TMidiDevices::TSide::Output));
    QCOMPARE(w->StatusPanelText(3), QStringLiteral("Octave: 2"));
    QCOMPARE(w->StatusPanelText(2), QStringLiteral("Base: C1"));
}

void TestMainWindow::bankPairThenProgramChange() {
    auto w = NewWindow();
    QVERIFY(w);
    w->Router().ReceiveNow({0xB0, 0, 5});
    w->Router().ReceiveNow({0xB0, 32, 3});
    w->Router().ReceiveNow({0xC0, 41, 0});
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 41);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Msb), 5);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Lsb), 3);
    QCOMPARE(w->ProgramBank().BankHint(), QStringLiteral("Bank: 643"));
    // the pair is used once: a later program change leaves the bank alone
    w->Router().ReceiveNow({0xB0, 0, 9});
    w->Router().ReceiveNow({0xC0, 7, 0});
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 7);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Msb), 5);
}

void TestMainWindow::programChangeAloneKeepsBank() {
    auto w = NewWindow();
    QVERIFY(w);
    w->Router().ReceiveNow({0xC3, 12, 0});
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 12);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Msb), -1);
    // modulation from input moves the modulation strip; other controllers do not
    w->Router().ReceiveNow({0xB0, 1, 77});
    w->Router().ReceiveNow({0xB0, 7, 12});
    QCOMPARE(w->ModulationStrip()->Position(), 77);
    w->Router().ReceiveNow({0xE0, 0, 0});
    QCOMPARE(w->PitchStrip()->Position(), -8192);
}

void TestMainWindow::stepChordWrapsAround_data() {
    QTest::addColumn<int>("customChords");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected");
    QTest::newRow("none back to last built-in") << 0 << 0 << -1 << 7;
    QTest::newRow("last built-in forward to none") << 0 << 7 << 1 << 0;
    QTest::newRow("none back to last custom") << 2 << 0 << -1 << 9;
    QTest::newRow("last custom forward to none") << 2 << 9 << 1 << 0;
    QTest::newRow("power forward to first custom") << 2 << 7 << 1 << 8;
}

void TestMainWindow::stepChordWrapsAround() {
    QFETCH(int, customChords);
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(int, expected);
    auto w = NewWindow();
    QVERIFY(w);
    for (int i = 0; i < customChords; ++i)
        w->ChordList().NewChord().FromText(QStringLiteral("Custom %1").arg(i),
                                           QStringLiteral("3C030%1").arg(6 + i));
    w->RebuildChordCombo();
    w->ChordBox()->setCurrentIndex(start);
    w->ChordChosen();
    w->StepChord(delta);
    QCOMPARE(w->ChordBox()->currentIndex(), expected);
    QCOMPARE(w->Keyboard()->Model().Chord(), expected >= 8 ? TChord::chCustom : TChord(expected));
}

void TestMainWindow::customChordFromCombo() {
    auto w = NewWindow();
    QVERIFY(w);
    w->ChordList().NewChord().FromText(QStringLiteral("Sus4"), QStringLiteral("3C0507"));
    w->ChordList().NewChord().FromText(QStringLiteral("Add9"), QStringLiteral("3C04070E"));
    w->RebuildChordCombo();
    w->ChordBox()->setCurrentIndex(9);
    w->ChordChosen();
    const auto chord = w->Keyboard()->Model().CustomChord();
    QCOMPARE(QList<int>(chord.begin(), chord.end()), (QList<int>{4, 7, 14}));
    QCOMPARE(w->CustomChordIndex(), 1);
    // the list changes: the selected chord is found again by name
    w->ChordList().DeleteChord(&w->ChordList().Items(0));
    w->RebuildChordCombo();
    QCOMPARE(w->ChordBox()->currentText(), QStringLiteral("Add9"));
    QCOMPARE(w->CustomChordIndex(), 0);
}

void TestMainWindow::channelField_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // 0: the field loses the focus
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("shown");
    QTest::newRow("enter 10") << "10" << int(Qt::Key_Return) << 9 << "10";
    QTest::newRow("enter 17 is ignored") << "17" << int(Qt::Key_Return) << 2 << "17";
    QTest::newRow("enter text stays as typed") << "abc" << int(Qt::Key_Return) << 2 << "abc";
    QTest::newRow("escape restores") << "12" << int(Qt::Key_Escape) << 2 << "3";
    QTest::newRow("leave with 5") << "5" << 0 << 4 << "5";
    QTest::newRow("leave with 0 restores") << "0" << 0 << 2 << "3";
}

void TestMainWindow::channelField() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, channel);
    QFETCH(QString, shown);
    auto w = NewWindow();
    QVERIFY(w);
    w->Keyboard()->Model().SetChannel(2);
    w->SetChannelField(2);
    w->ChannelEdit()->setFocus();
    w->ChannelEdit()->setText(typed);
    if (key)
        QTest::keyClick(w->ChannelEdit(), Qt::Key(key));
    else
        w->Keyboard()->setFocus();
    QCOMPARE(int(w->Keyboard()->Model().Channel()), channel);
    QCOMPARE(w->ChannelEdit()->text(), shown);
    QCOMPARE(w->ChannelUpDown()->Position(), int(w->Keyboard()->Model().Channel()) + 1);
}

void TestMainWindow::panicSendsEverythingAndReportsProgress() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    QStringList progress;
    connect(&w->Router(), &TMidiRouter::PanicProgress, this,
            [&](int percent) { progress << QStringLiteral("Panic: %1%").arg(percent); });
    w->Panic();
    QVERIFY(FPeer->WaitForReceived(2112 + 48, 10000));
    const auto got = FPeer->Received();
    QCOMPARE(got.size(), size_t(2112 + 48));
    QCOMPARE(got.front(), (TBytes{0x90, 0, 0}));
    QCOMPARE(got[128], (TBytes{0xB0, 120, 0}));
    QCOMPARE(got[129], (TBytes{0xB0, 123, 0}));
    QCOMPARE(got[2111], (TBytes{0xBF, 121, 0}));
    // then the pedals of every channel lifted
    QCOMPARE(got[2112], (TBytes{0xB0, 64, 0}));
    QCOMPARE(got.back(), (TBytes{0xBF, 67, 0}));
    QStringList expected{QStringLiteral("Panic: 0%")};
    for (int v : {6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100})
        expected << QStringLiteral("Panic: %1%").arg(v);
    QCOMPARE(progress, expected);
    // The face is back in the desktop's colour.
    QCOMPARE(w->PanicPanel()->palette().color(QPalette::Button),
             QApplication::palette(w->PanicPanel()).color(QPalette::Button));
    QVERIFY(!QApplication::overrideCursor());
}

void TestMainWindow::notesReachTheChosenPort() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    w->Keyboard()->Model().SetChannel(4);
    w->Keyboard()->Model().SendChord(4, 60, 100, true);
    w->Keyboard()->Model().SendChord(4, 60, 0, true);
    QVERIFY(FPeer->WaitForReceived(2));
    QCOMPARE(FPeer->Received(), (std::vector<TBytes>{{0x94, 60, 100}, {0x94, 60, 0}}));
}

void TestMainWindow::thruPlaysIncomingNotesThroughTheChord() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    w->SetMidiThru(true);
    w->ChordBox()->setCurrentIndex(5); // fifths
    w->ChordChosen();
    w->Router().ReceiveNow({0x91, 50, 70});
    w->Router().ReceiveNow({0x81, 50, 0});
    QVERIFY(FPeer->WaitForReceived(4));
    QCOMPARE(FPeer->Received(),
             (std::vector<TBytes>{{0x91, 50, 70}, {0x91, 57, 70}, {0x91, 50, 0}, {0x91, 57, 0}}));
}

void TestMainWindow::settingsComeBackAfterRestart() {
    {
        auto w = NewWindow();
        QVERIFY(w);
        w->Keyboard()->Model().SetChannel(6);
        w->Keyboard()->Model().OctaveUp();
        w->SetMidiThru(true);
        QVERIFY(TMainFixture::ChooseOutput(*w, QStringLiteral("Ondrel")));
        w->ProgramBank().SetProgramValue(20);
        w->close();
    }
    auto w = NewWindow();
    QVERIFY(w);
    QCOMPARE(int(w->Keyboard()->Model().Channel()), 6);
    QCOMPARE(w->ChannelEdit()->text(), QStringLiteral("7"));
    QCOMPARE(w->Keyboard()->Model().KeyOctave(), 5);
    QVERIFY(w->MidiThru());
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 20);
    QCOMPARE(w->Devices().DeviceName(TMidiDevices::TSide::Output), QStringLiteral("Ondrel"));
}

void TestMainWindow::uninstallLeavesNothingBehind() {
    {
        auto w = NewWindow();
        QVERIFY(w);
        w->close(); // a first close writes the store
    }
    const QString file = ProgramStoreFileName();
    QVERIFY(QFile::exists(file));
    auto w = NewWindow();
    QVERIFY(w);
    w->Uninstall(false);
    QVERIFY(w->Uninstalled());
    QVERIFY(!QFile::exists(file));
    QVERIFY(!QDir(F.ConfigPath() + QStringLiteral("/Tavrel")).exists());
    w.reset(); // the close that follows writes nothing back
    QVERIFY(!QDir(F.ConfigPath() + QStringLiteral("/Tavrel")).exists());
}

// It removes the settings file, not the program: it says which file, how the program itself is
// removed (never "delete the folder of the executable", /usr/bin once installed), and a stray
// Enter keeps everything.
void TestMainWindow::uninstallSaysWhatItRemovesAndDefaultsToNo() {
    {
        auto w = NewWindow();
        QVERIFY(w);
        w->close();
    }
    const QString file = ProgramStoreFileName();
    auto w = NewWindow();
    QVERIFY(w);
    {
        TModalAnswers answers;
        answers.Box(QMessageBox::No);
        w->Uninstall();
        QVERIFY(answers.Done());
        QCOMPARE(answers.Defaults, QList<QMessageBox::StandardButton>{QMessageBox::No});
        QVERIFY2(answers.Seen.value(0).contains(file), qPrintable(answers.Seen.join('|')));
        QVERIFY(!w->Uninstalled());
        QVERIFY(QFile::exists(file));
    }
    TModalAnswers answers;
    answers.Box(QMessageBox::Yes).Box(QMessageBox::Ok);
    w->Uninstall();
    QVERIFY(answers.Done());
    QVERIFY(w->Uninstalled());
    const QString done = answers.Seen.value(1);
    QVERIFY2(done.contains(file) && done.contains(QStringLiteral("package manager")),
             qPrintable(done));
    QVERIFY2(!done.contains(QFileInfo(QCoreApplication::applicationFilePath()).absolutePath()),
             qPrintable(done));
}

void TestMainWindow::tallerKeysWidthLimited() {
    // The window's height was fixed: keys stayed 76 pixels tall at every key size.
    auto w = NewWindow();
    QVERIFY(w);
    const int height = w->height();
    QCOMPARE(w->Keyboard()->height(), TKeyboardModel::ImageHeight);
    w->resize(5000, height + 200);
    QCOMPARE(w->height(), height + 200);
    QCOMPARE(w->Keyboard()->height(), TKeyboardModel::ImageHeight + 200);
    // with the pictures as tall: a black key reaches further down
    const TKeyboardModel &m = w->Keyboard()->Model();
    QCOMPARE(m.HitTest(m.KeyLeft(37) - m.ScrollOffset() + 2, 60), 37);
    w->resize(5000, height + 5000);
    QCOMPARE(w->height(), height + TMainWindow::MaxExtraKeyHeight);
    w->resize(5000, 10);
    QCOMPARE(w->height(), height);
    QCOMPARE(w->width(), w->MaxWidth());
    // the keyboard fills the width up to the right arrow, and shows the whole strip
    QCOMPARE(w->Keyboard()->width(), 75 * w->Keyboard()->Model().KeyWidth());
    QCOMPARE(w->Keyboard()->geometry().right() + 1, w->RightArrow()->x());
    w->resize(10, height);
    QCOMPARE(w->width(), w->MinWidth());
    // A status text longer than the window neither asks for more width nor is cut short in memory.
    const int barWidth = w->statusBar()->minimumSizeHint().width();
    const QString longText = QStringLiteral("Left Button: normal play mode   ").repeated(8);
    w->SetStatusText(longText);
    QTest::qWait(50); // the layouts
    QCOMPARE(w->width(), w->MinWidth());
    QCOMPARE(w->statusBar()->minimumSizeHint().width(), barWidth);
    QCOMPARE(w->StatusPanelText(0), longText);
}

void TestMainWindow::bankChangeSendsPairThenProgram() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    w->Keyboard()->Model().SetChannel(1);
    w->ProgramBank().SetProgramValue(10);
    FPeer->ClearReceived();
    w->ProgramBank().SetBankValue(TProgramBank::Msb, 5);
    QVERIFY(FPeer->WaitForReceived(3));
    QCOMPARE(FPeer->Received(), (std::vector<TBytes>{{0xB1, 0, 5}, {0xB1, 32, 0}, {0xC1, 10}}));
    QCOMPARE(w->ProgramBank().BankHint(), QStringLiteral("Bank: 640"));
}

void TestMainWindow::pitchStripSpringsBack_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<QList<int>>("sent");
    QTest::newRow("from the top") << 8191 << false
                                  << QList<int>{4095, 2047, 1023, 511, 255, 127, 63, 31, 15, 0};
    QTest::newRow("from the bottom: one step") << -8192 << false << QList<int>{0};
    QTest::newRow("small values go straight to 0") << 19 << false << QList<int>{0};
    QTest::newRow("ctrl keeps the bend") << 8191 << true << QList<int>{};
}

void TestMainWindow::pitchStripSpringsBack() {
    QFETCH(int, start);
    QFETCH(bool, ctrl);
    QFETCH(QList<int>, sent);
    auto w = NewWindow();
    QVERIFY(w);
    w->Keyboard()->Model().SetChannel(3);
    QList<int> got;
    connect(&w->Router(), &TMidiRouter::Sent, this, [&](const TShortMessage &m) {
        QCOMPARE(int(m.Status), 0xE3);
        got << m.PitchBendValue();
    });
    w->PitchStrip()->SetPosition(start);
    w->PitchStrip()->OnMouseUp(w->PitchStrip(), Qt::LeftButton,
                               ctrl ? TShiftState(TShiftStateFlag::ssCtrl) : TShiftState(), 0, 0);
    QCOMPARE(got, sent);
    QCOMPARE(w->PitchStrip()->Position(), ctrl ? start : 0);
}

void TestMainWindow::modulationStripSendsItsController() {
    auto w = NewWindow();
    QVERIFY(w);
    w->SetModWheelController(11);
    std::vector<std::tuple<int, int, int>> sent;
    connect(&w->Router(), &TMidiRouter::Sent, this,
            [&](const TShortMessage &m) { sent.emplace_back(m.Status, m.Data1, m.Data2); });
    int position = 90;
    w->ModulationStrip()->OnScroll(w->ModulationStrip(), position);
    w->ModulationStrip()->OnDblClick(w->ModulationStrip());
    QCOMPARE(sent, (std::vector<std::tuple<int, int, int>>{{0xB0, 11, 90}, {0xB0, 11, 0}}));
    QCOMPARE(w->ModulationStrip()->Position(), 0);
}

void TestMainWindow::stayOnTopChangesOnlyTheNativeFlag() {
    auto w = NewWindow();
    QVERIFY(w);
    const WId native = w->winId();
    for (const bool on : {true, false}) {
        w->SetStayOnTop(on);
        QCOMPARE(bool(w->windowHandle()->flags() & Qt::WindowStaysOnTopHint), on);
        QCOMPARE(bool(w->windowFlags() & Qt::WindowStaysOnTopHint), on);
        // Neither hidden nor made anew: no window flickers away and back with the focus.
        QVERIFY(w->isVisible());
        QCOMPARE(w->winId(), native);
    }
}

void TestMainWindow::splashGoesAfterThreeSecondsAboutStays() {
    QWidget owner;
    QPointer<TSplashForm> splash = new TSplashForm(&owner, true);
    QPointer<TSplashForm> about = new TSplashForm(&owner, false);
    splash->show();
    about->show();
    QCOMPARE(about->VersionLabel(), QStringLiteral("V%1 build %2").arg(VersionText(), BuildText()));
    QTest::qWait(2500);
    QVERIFY(splash && splash->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 3000); // hidden and freed
    QVERIFY(about && about->isVisible());
    QTest::mouseClick(about, Qt::LeftButton);
    QTRY_VERIFY(!about);
}

void TestMainWindow::missingReadmeSaysSo() {
    // No Readme.txt beside the test program nor in a share/doc folder above it.
    auto w = NewWindow();
    QVERIFY(w);
    QAction *readme = nullptr;
    for (QAction *menu : w->menuBar()->actions())
        if (menu->menu())
            for (QAction *a : menu->menu()->actions())
                if (a->text() == QLatin1String("&Readme"))
                    readme = a;
    QVERIFY(readme);
    TModalAnswers answers;
    answers.Box(QMessageBox::Ok);
    readme->trigger();
    QVERIFY(answers.Done());
    // Where it was looked for, not only that it failed.
    QCOMPARE(answers.Seen.size(), 1);
    QVERIFY2(
        answers.Seen[0].startsWith(QStringLiteral("Readme.txt cannot be shown: it is not in ")) &&
            answers.Seen[0].contains(QStringLiteral("share/doc/ondrel")),
        qPrintable(answers.Seen[0]));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
