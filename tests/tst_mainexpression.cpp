// The main window's velocity control and pedals as a player meets them: the buttons send their
// pedal and show every pedal message that passes (their own, Space, Midi In), Panic lifts them,
// F1 and F2 step the velocity and say so, the patch's key names reach the keys, and the options
// travel through an exported settings file.

#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "chords/chordeditform.h"
#include "core/inifile.h"
#include "core/patchlist.h"
#include "jackfixture.h"
#include "keyboard/keyboard.h"
#include "mainfixture.h"
#include "router/midirouter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class TestMainExpression : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(F.Start(QStringLiteral("expression")), qPrintable(F.ErrorText()));
    }
    void init() { F.FreshConfig(); }
    void cleanupTestCase() { F.Stop(); }

    void pedalButtonsSendAndShowWhatPasses();
    void panicLiftsThePedals();
    void closingLiftsAPedalLeftDown();
    void velocityKeysStepAndSaySo();
    void velocityKeysLeaveTheChordEditorsF2();
    void patchKeyNamesReachTheKeys();
    void optionsTravelWithExportedSettings();

private:
    TMainFixture F;
};

void TestMainExpression::pedalButtonsSendAndShowWhatPasses() {
    auto w = F.NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    F.Peer().ClearReceived();
    QAbstractButton *sustain = w->PedalButton(64);
    QAbstractButton *sostenuto = w->PedalButton(66);
    QVERIFY(sustain && sostenuto && w->PedalButton(67));
    QVERIFY(!w->PedalButton(7));
    QTest::mouseClick(sustain, Qt::LeftButton);
    QVERIFY(sustain->isChecked());
    QTest::mouseClick(sustain, Qt::LeftButton);
    QVERIFY(!sustain->isChecked());
    QVERIFY(F.Peer().WaitForReceived(2, 3000));
    QCOMPARE(F.Received(), (QStringList{"b0 40 7f", "b0 40 00"}));

    // A pedal pressed on the instrument at Midi In shows, and holds the keys it holds there.
    w->Router().ReceiveNow(TShortMessage::NoteOn(4, 60, 90));
    w->Router().ReceiveNow(TShortMessage::ControlChange(4, 66, 100));
    QVERIFY(sostenuto->isChecked());
    w->Router().ReceiveNow(TShortMessage::NoteOff(4, 60));
    QVERIFY(w->Keyboard()->Model().IsSustained(60));
    w->Router().ReceiveNow(TShortMessage::ControlChange(4, 66, 0));
    QVERIFY(!sostenuto->isChecked());
    QVERIFY(!w->Keyboard()->Model().IsSustained(60));
}

void TestMainExpression::panicLiftsThePedals() {
    auto w = F.NewWindow();
    QVERIFY(w);
    QTest::mouseClick(w->PedalButton(64), Qt::LeftButton);
    QTest::mouseClick(w->PedalButton(67), Qt::LeftButton);
    w->Keyboard()->Model().SendChord(0, 60, 100, true);
    w->Keyboard()->Model().SendChord(0, 60, 0, true);
    QVERIFY(w->Keyboard()->Model().IsSustained(60));
    w->Panic();
    for (int pedal : {64, 66, 67}) {
        QVERIFY(!w->PedalButton(pedal)->isChecked());
        QVERIFY(!w->Keyboard()->Model().PedalDown(pedal));
    }
    QVERIFY(!w->Keyboard()->Model().IsSustained(60));
}

void TestMainExpression::closingLiftsAPedalLeftDown() {
    auto w = F.NewWindow();
    QVERIFY(w);
    QVERIFY(F.ConnectPeer(*w));
    QTest::mouseClick(w->PedalButton(66), Qt::LeftButton);
    QVERIFY(F.Peer().WaitForReceived(1, 3000));
    F.Peer().ClearReceived();
    w->close();
    QVERIFY(F.Peer().WaitForReceived(1, 3000));
    QVERIFY2(F.Received().contains(QStringLiteral("b0 42 00")),
             qPrintable(F.Received().join(QLatin1Char(','))));
}

void TestMainExpression::velocityKeysStepAndSaySo() {
    auto w = F.NewWindow();
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    TKeyboardModel &m = w->Keyboard()->Model();
    QCOMPARE(int(m.Velocity()), 100);
    QTest::keyClick(w->Keyboard(), Qt::Key_F2);
    QCOMPARE(int(m.Velocity()), 112);
    QCOMPARE(w->VelocitySlider()->value(), 112);
    QCOMPARE(w->StatusPanelText(0), QStringLiteral("Velocity: 112"));
    QTest::keyClick(w->Keyboard(), Qt::Key_F1);
    QTest::keyClick(w->Keyboard(), Qt::Key_F1);
    QCOMPARE(int(m.Velocity()), 80);
    QCOMPARE(w->StatusPanelText(0), QStringLiteral("Velocity: 80"));
    // The control follows a velocity set elsewhere (the settings dialog) and sets it itself.
    m.SetVelocity(33);
    QCOMPARE(w->VelocitySlider()->value(), 33);
    w->VelocitySlider()->setValue(70);
    QCOMPARE(int(m.Velocity()), 70);
}

void TestMainExpression::velocityKeysLeaveTheChordEditorsF2() {
    // F2 renames a chord in the chord editor, a tool window of the main window, whose
    // shortcuts reach it: the velocity stays, the name is edited.
    auto w = F.NewWindow();
    QVERIFY(w);
    w->ShowChordEditor();
    QWidget *editor = w->ChordEditor();
    QVERIFY(editor);
    auto *list = editor->findChild<QTreeWidget *>();
    QVERIFY(list);
    for (auto *button : editor->findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("&New"))
            button->click();
    QVERIFY(list->topLevelItemCount() > 0);
    list->setCurrentItem(list->topLevelItem(0), 0);
    editor->activateWindow();
    list->setFocus();
    const int velocity = w->Keyboard()->Model().Velocity();
    QTest::keyClick(list, Qt::Key_F2);
    QCOMPARE(int(w->Keyboard()->Model().Velocity()), velocity);
    QVERIFY(list->indexWidget(list->currentIndex())); // the name's editor
}

void TestMainExpression::patchKeyNamesReachTheKeys() {
    auto w = F.NewWindow();
    QVERIFY(w);
    const QByteArray script = "[cubase parse file]\n[parser version 0001]\n[device name] Kit\n"
                              "[define patchnames]\n[mode] Drums\n[p1, 0, -1] Standard Kit\n"
                              "[k 36] Bass Drum\n[k 38] Snare\n[end]\n";
    w->Patches().SetPatchSet(TPatchList::LoadText(script, nullptr));
    w->Patches().StepPatch(1);
    const TKeyboard &keys = *w->Keyboard();
    QCOMPARE(keys.Model().KeyName(36), QStringLiteral("Bass Drum"));
    QCOMPARE(keys.KeyToolTip(38), QStringLiteral("Snare (D1)"));
    QCOMPARE(keys.KeyToolTip(37), keys.toolTip());
}

void TestMainExpression::optionsTravelWithExportedSettings() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("KeyboardSettings.ini"));
    {
        auto w = F.NewWindow();
        QVERIFY(w);
        TKeyboardModel &m = w->Keyboard()->Model();
        m.SetVelocityByPosition(false);
        m.SetVelocityCurve({12, 99, 40});
        m.SetNoteLabels(TNoteLabels::nlAll);
        m.SetMiddleCOctave(4);
        m.SetScale(TScale::scBlues);
        m.SetScaleRoot(7);
        m.SetScaleKeysOnly(true);
        TIniFile out(file);
        w->WriteWindowSettings(out);
        out.UpdateFile();
    }
    F.FreshConfig();
    auto w = F.NewWindow();
    QVERIFY(w);
    const TKeyboardModel &m = w->Keyboard()->Model();
    QVERIFY(m.VelocityByPosition()); // as a first start has it
    TIniFile in(file);
    w->ReadWindowSettings(in);
    QVERIFY(!m.VelocityByPosition());
    QCOMPARE(m.VelocityCurve(), (TVelocityCurve{12, 99, 40}));
    QCOMPARE(m.NoteLabels(), TNoteLabels::nlAll);
    QCOMPARE(m.MiddleCOctave(), 4);
    QCOMPARE(m.Scale(), TScale::scBlues);
    QCOMPARE(m.ScaleRoot(), 7);
    QVERIFY(m.ScaleKeysOnly());
}

QTEST_MAIN(TestMainExpression)
#include "tst_mainexpression.moc"
