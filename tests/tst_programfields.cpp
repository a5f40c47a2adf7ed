// Program and bank fields typed into, and the patch box, in the real main window.

#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "app/programbank.h"
#include "app/updown.h"
#include "core/keyboardmodel.h"
#include "core/patchlist.h"
#include "core/patchprogram.h"
#include "keyboard/keyboard.h"
#include "patchwindow.h"
#include "router/midirouter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <tuple>
#include <vector>

class TestProgramFields : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { P.Reset(); }
    void fields_data();
    void fields();
    void zeroInProgramFieldShowsNone();
    void programNoneDisablesBanksAndSendsNothing();
    void otherModeRefillsTheCombo();
    void comboNoneDropsThePatchAndItsKeyNames();
    void steppedProgramIsShown_data();
    void steppedProgramIsShown();
    void focusLeavingSendsOnlyAChange_data();
    void focusLeavingSendsOnlyAChange();

private:
    TPatchWindow P;
};

void TestProgramFields::fields_data() {
    // Program 11 (10 on the wire) and the given bank are set up first; then Text is typed into
    // the field and the key pressed.
    QTest::addColumn<int>("msb");
    QTest::addColumn<int>("lsb");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<Msgs>("sent");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shown");
    const int enter = Qt::Key_Return;
    QTest::newRow("MSB 5 with LSB none")
        << -1 << -1 << 1 << "5" << enter << Msgs{{0xB0, 0, 5}, {0xB0, 32, 0}, {0xC0, 10, 0}}
        << QList<int>{10, 5, 0} << "Bank: 640"
        << "5";
    QTest::newRow("LSB 3 with MSB none")
        << -1 << -1 << 2 << "3" << enter << Msgs{{0xB0, 0, 0}, {0xB0, 32, 3}, {0xC0, 10, 0}}
        << QList<int>{10, 0, 3} << "Bank: 3"
        << "3";
    QTest::newRow("MSB none clears LSB")
        << 5 << 3 << 1 << "none" << enter << Msgs{{0xC0, 10, 0}} << QList<int>{10, -1, -1} << ""
        << "none";
    QTest::newRow("MSB -1 clears LSB")
        << 5 << 3 << 1 << "-1" << enter << Msgs{{0xC0, 10, 0}} << QList<int>{10, -1, -1} << ""
        << "none";
    QTest::newRow("LSB none clears MSB too")
        << 5 << 3 << 2 << "none" << enter << Msgs{{0xC0, 10, 0}} << QList<int>{10, -1, -1} << ""
        << "none";
    QTest::newRow("bank not a number")
        << 5 << 3 << 1 << "five" << enter << Msgs{} << QList<int>{10, 5, 3} << "Bank: 643"
        << "5";
    QTest::newRow("bank out of range")
        << 5 << 3 << 2 << "128" << enter << Msgs{} << QList<int>{10, 5, 3} << "Bank: 643"
        << "3";
    QTest::newRow("Esc in bank field") << 5 << 3 << 1 << "9" << int(Qt::Key_Escape) << Msgs{}
                                       << QList<int>{10, 5, 3} << "Bank: 643"
                                       << "5";
    QTest::newRow("program 128") << 5 << 3 << 0 << "128" << enter
                                 << Msgs{{0xB0, 0, 5}, {0xB0, 32, 3}, {0xC0, 127, 0}}
                                 << QList<int>{127, 5, 3} << "Bank: 643"
                                 << "128";
    QTest::newRow("program 129 ignored")
        << -1 << -1 << 0 << "129" << enter << Msgs{} << QList<int>{10, -1, -1} << ""
        << "11";
    QTest::newRow("program not a number")
        << -1 << -1 << 0 << "x" << enter << Msgs{} << QList<int>{10, -1, -1} << ""
        << "11";
    QTest::newRow("Esc in program field")
        << -1 << -1 << 0 << "50" << int(Qt::Key_Escape) << Msgs{} << QList<int>{10, -1, -1} << ""
        << "11";
}

void TestProgramFields::fields() {
    QFETCH(int, msb);
    QFETCH(int, lsb);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(Msgs, sent);
    QFETCH(QList<int>, values);
    QFETCH(QString, hint);
    QFETCH(QString, shown);
    auto w = P.NewWindow();
    QVERIFY(w);
    TProgramBank &pb = w->ProgramBank();
    pb.SetProgramValue(10);
    pb.ShowProgram();
    pb.ShowBankValue(TProgramBank::Msb, msb);
    pb.ShowBankValue(TProgramBank::Lsb, lsb);
    P.Sent.clear();
    const TProgramBank::TControls &c = pb.Controls();
    QLineEdit *edit = field == 0 ? c.ProgramEdit : field == 1 ? c.MsbEdit : c.LsbEdit;
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key(key));
    QCOMPARE(P.Sent, sent);
    QCOMPARE((QList<int>{pb.Value(0), pb.Value(1), pb.Value(2)}), values);
    QCOMPARE(pb.BankHint(), hint);
    QCOMPARE(edit->text(), shown);
}

void TestProgramFields::zeroInProgramFieldShowsNone() {
    auto w = P.NewWindow();
    QVERIFY(w);
    TProgramBank &pb = w->ProgramBank();
    pb.SetProgramValue(10);
    pb.ShowProgram();
    QLineEdit *e = pb.Controls().ProgramEdit;
    e->clear();
    QTest::keyClicks(e, QStringLiteral("0"));
    QCOMPARE(e->text(), QStringLiteral("none"));
    QTest::keyClick(e, Qt::Key_Return);
    QCOMPARE(pb.Value(TProgramBank::Program), 10);
    QVERIFY(P.Sent.empty());
}

void TestProgramFields::programNoneDisablesBanksAndSendsNothing() {
    auto w = P.NewWindow();
    QVERIFY(w);
    TProgramBank &pb = w->ProgramBank();
    pb.SetProgramValue(10);
    pb.ShowBankValue(TProgramBank::Msb, 2);
    pb.SendProgram();
    P.Sent.clear();
    // The up-down down to position 0: "none".
    pb.Controls().ProgramUpDown->SetPosition(1);
    pb.StepProgram(-1);
    QCOMPARE(pb.Value(TProgramBank::Program), -1);
    QCOMPARE(pb.Value(TProgramBank::Msb), -1);
    for (QWidget *b :
         std::initializer_list<QWidget *>{pb.Controls().MsbEdit, pb.Controls().LsbEdit,
                                          pb.Controls().MsbUpDown, pb.Controls().LsbUpDown})
        QVERIFY(!b->isEnabled());
    pb.SetBankValue(TProgramBank::Msb, 5);
    QVERIFY(P.Sent.empty());
    // Wrapping past the top comes back to none as well.
    pb.StepProgram(-1);
    QCOMPARE(pb.Value(TProgramBank::Program), 127);
    pb.StepProgram(1);
    QCOMPARE(pb.Value(TProgramBank::Program), -1);
}

void TestProgramFields::otherModeRefillsTheCombo() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("Example Workstation.txt")));
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    QVERIFY(combo);
    const int programEntries = combo->count();
    QCOMPARE(w->StatusPanelText(4), QStringLiteral("Program"));
    QAction *kit =
        TPatchWindow::FindAction(w->PatchesMenu(), {QStringLiteral("Drums"), QStringLiteral("Kits"),
                                                    QStringLiteral("Analog 808")});
    QVERIFY(kit);
    kit->trigger();
    QCOMPARE(w->StatusPanelText(4), QStringLiteral("Drums"));
    QVERIFY(combo->count() != programEntries);
    QCOMPARE(combo->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(combo->currentText(), QStringLiteral("Analog 808"));
    // Kits first (sorted), then the percussion group.
    QCOMPARE(combo->itemText(combo->count() - 1), QStringLiteral("Latin Percussion"));
    // The kits' mode is "[mode 10] Drums": they go out on channel 10, which the window shows
    // and plays on from now on (it was parsed and then ignored).
    QCOMPARE(P.Sent, (Msgs{{0xB9, 0, 120}, {0xB9, 32, 0}, {0xC9, 25, 0}}));
    QCOMPARE(w->ChannelEdit()->text(), QStringLiteral("10"));
    QCOMPARE(int(w->Keyboard()->Model().Channel()), 9);
}

void TestProgramFields::comboNoneDropsThePatchAndItsKeyNames() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("Example Workstation.txt")));
    TPatchWindow::FindAction(w->PatchesMenu(), {QStringLiteral("Drums"), QStringLiteral("Kits"),
                                                QStringLiteral("Studio Kit")})
        ->trigger();
    QVERIFY(w->Patches().CurrentPatch());
    QVERIFY(w->Keyboard()->Model().NoteNames().has_value());
    P.Sent.clear();
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    combo->setCurrentIndex(0);
    w->Patches().PatchChosen();
    QVERIFY(!w->Patches().CurrentPatch());
    QVERIFY(!w->Keyboard()->Model().NoteNames().has_value());
    QVERIFY(P.Sent.empty());
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Msb), 120);
    // The combo keeps the mode's programs for the next pick.
    QVERIFY(combo->count() > 1);
}

void TestProgramFields::steppedProgramIsShown_data() {
    // From program 11 (10 on the wire): the arrows beside the field, or the keys of the window.
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("program");
    QTest::addColumn<Msgs>("sent");
    QTest::addColumn<QString>("shown");
    QTest::newRow("up arrow") << "up" << 10 << Msgs{{0xC0, 11, 0}} << "12";
    QTest::newRow("down arrow") << "down" << 10 << Msgs{{0xC0, 9, 0}} << "10";
    QTest::newRow("Shift+Page Down") << "Shift+PgDown" << 10 << Msgs{{0xC0, 11, 0}} << "12";
    QTest::newRow("Shift+Page Up") << "Shift+PgUp" << 10 << Msgs{{0xC0, 9, 0}} << "10";
    QTest::newRow("down arrow from 1 to none") << "down" << 0 << Msgs{} << "none";
}

void TestProgramFields::steppedProgramIsShown() {
    QFETCH(QString, step);
    QFETCH(int, program);
    QFETCH(Msgs, sent);
    QFETCH(QString, shown);
    auto w = P.NewWindow();
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    TProgramBank &pb = w->ProgramBank();
    pb.SetProgramValue(program);
    pb.ShowProgram();
    P.Sent.clear();
    const QList<QToolButton *> arrows = pb.Controls().ProgramUpDown->findChildren<QToolButton *>();
    QCOMPARE(arrows.size(), 2);
    if (step == QLatin1String("up") || step == QLatin1String("down")) {
        const bool up = step == QLatin1String("up");
        for (QToolButton *arrow : arrows)
            if ((arrow->arrowType() == Qt::UpArrow) == up)
                QTest::mouseClick(arrow, Qt::LeftButton);
    } else {
        // One press, as the window system delivers it to the focused keyboard.
        QKeyEvent press(QEvent::KeyPress,
                        step.endsWith(QLatin1String("Down")) ? Qt::Key_PageDown : Qt::Key_PageUp,
                        Qt::ShiftModifier);
        QApplication::sendEvent(w->Keyboard(), &press);
    }
    QCOMPARE(P.Sent, sent);
    QCOMPARE(pb.Controls().ProgramEdit->text(), shown);
}

void TestProgramFields::focusLeavingSendsOnlyAChange_data() {
    // Program 11 and bank 5/3 are set; Text is typed into the field (none: left as it is),
    // then the focus goes to the keyboard.
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Msgs>("sent");
    const Msgs none;
    QTest::newRow("program untouched") << 0 << QString() << none;
    QTest::newRow("MSB untouched") << 1 << QString() << none;
    QTest::newRow("LSB untouched") << 2 << QString() << none;
    QTest::newRow("program typed again") << 0 << "11" << none;
    QTest::newRow("MSB typed again") << 1 << "5" << none;
    QTest::newRow("program changed")
        << 0 << "12" << Msgs{{0xB0, 0, 5}, {0xB0, 32, 3}, {0xC0, 11, 0}};
    QTest::newRow("LSB changed") << 2 << "4" << Msgs{{0xB0, 0, 5}, {0xB0, 32, 4}, {0xC0, 10, 0}};
}

void TestProgramFields::focusLeavingSendsOnlyAChange() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(Msgs, sent);
    auto w = P.NewWindow();
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    TProgramBank &pb = w->ProgramBank();
    pb.SetProgramValue(10);
    pb.ShowProgram();
    pb.ShowBankValue(TProgramBank::Msb, 5);
    pb.ShowBankValue(TProgramBank::Lsb, 3);
    P.Sent.clear();
    const TProgramBank::TControls &c = pb.Controls();
    QLineEdit *edit = field == 0 ? c.ProgramEdit : field == 1 ? c.MsbEdit : c.LsbEdit;
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    if (!text.isNull()) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    w->Keyboard()->setFocus();
    QTRY_VERIFY(w->Keyboard()->hasFocus());
    QCOMPARE(P.Sent, sent);
}

QTEST_MAIN(TestProgramFields)
#include "tst_programfields.moc"
