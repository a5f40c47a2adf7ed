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
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

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
    QCOMPARE(P.Sent, (Msgs{{0xB0, 0, 120}, {0xB0, 32, 0}, {0xC0, 25, 0}}));
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

QTEST_MAIN(TestProgramFields)
#include "tst_programfields.moc"
