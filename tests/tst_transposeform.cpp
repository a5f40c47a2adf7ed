#include "app/mainwindow.h"
#include "core/keyboardmodel.h"
#include "core/registryinifile.h"
#include "dialogs/numberedit.h"
#include "dialogs/transposeform.h"
#include "keyboard/keyboard.h"
#include "router/midirouter.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QAction *OptionsItem(TMainWindow &Window, const QString &Text) {
    for (QAction *m : Window.menuBar()->actions())
        if (m->menu() && m->text() == QLatin1String("&Options"))
            for (QAction *a : m->menu()->actions())
                if (a->text() == Text)
                    return a;
    return nullptr;
}

} // namespace

class TestTransposeForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void typedValue_data();
    void typedValue();
    void escapeInTheFieldUndoesTypingThenCloses();
    void stepButtonAndOptionsActAtOnce();
    void closing_data();
    void closing();
    void helpTogglesTheHeightAndIsRemembered();
    void mainWindowKeepsOneInstanceAndClosesIt();

private:
    QPointer<TTransposeForm> Open();
    std::unique_ptr<QTemporaryDir> FConfig;
    TKeyboardModel FModel;
};

void TestTransposeForm::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    FModel.SetTranspose(0);
    FModel.SetDisplayTransposed(false);
    FModel.SetTransposeThru(true);
}

QPointer<TTransposeForm> TestTransposeForm::Open() {
    QPointer<TTransposeForm> f = new TTransposeForm(FModel);
    f->show();
    if (!QTest::qWaitForWindowActive(f))
        return nullptr;
    return f;
}

void TestTransposeForm::typedValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key"); // 0: leave the field with Tab
    QTest::addColumn<int>("transpose");
    QTest::addColumn<QString>("shown");
    QTest::newRow("150 refused, snaps back") << "150" << int(Qt::Key_Return) << 5 << "5";
    QTest::newRow("-99 accepted") << "-99" << int(Qt::Key_Return) << -99 << "-99";
    QTest::newRow("-100 refused") << "-100" << int(Qt::Key_Enter) << 5 << "5";
    QTest::newRow("99 accepted") << "99" << int(Qt::Key_Enter) << 99 << "99";
    QTest::newRow("not a number ignored") << "x1" << int(Qt::Key_Return) << 5 << "x1";
    QTest::newRow("Esc shows the keyboard's value") << "12" << int(Qt::Key_Escape) << 5 << "5";
    QTest::newRow("leaving the field enters") << "-7" << 0 << -7 << "-7";
}

void TestTransposeForm::typedValue() {
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(int, transpose);
    QFETCH(QString, shown);
    FModel.SetTranspose(5);
    auto f = Open();
    QVERIFY(f);
    QCOMPARE(f->TransposeEdit->text(), QStringLiteral("5"));
    f->TransposeEdit->setFocus();
    f->TransposeEdit->selectAll();
    QTest::keyClicks(f->TransposeEdit, text);
    if (key)
        QTest::keyClick(f->TransposeEdit, Qt::Key(key));
    else
        QTest::keyClick(f->TransposeEdit, Qt::Key_Tab);
    QCOMPARE(FModel.Transpose(), transpose);
    QCOMPARE(f->TransposeEdit->text(), shown);
    if (shown == QString::number(transpose))
        QCOMPARE(f->TransposeUpDown->Position(), transpose);
    f->KeepTransposeCheck->setChecked(true);
    f->close();
}

void TestTransposeForm::escapeInTheFieldUndoesTypingThenCloses() {
    // Esc did nothing while the number field had the focus.
    auto f = Open();
    QVERIFY(f);
    f->TransposeEdit->setFocus();
    QTest::keyClick(f->TransposeEdit, Qt::Key_Return);
    QVERIFY(f && f->isVisible());
    f->TransposeEdit->selectAll();
    QTest::keyClicks(f->TransposeEdit, QStringLiteral("12"));
    QTest::keyClick(f->TransposeEdit, Qt::Key_Escape);
    QVERIFY(f && f->isVisible());
    QCOMPARE(f->TransposeEdit->text(), QStringLiteral("0"));
    QTest::keyClick(f->TransposeEdit, Qt::Key_Escape);
    QTRY_VERIFY(!f);
}

void TestTransposeForm::stepButtonAndOptionsActAtOnce() {
    FModel.SetTranspose(98);
    auto f = Open();
    QVERIFY(f);
    QTest::mouseClick(f->TransposeUpDown->UpButton(), Qt::LeftButton);
    QCOMPARE(FModel.Transpose(), 99);
    QTest::mouseClick(f->TransposeUpDown->UpButton(), Qt::LeftButton);
    QCOMPARE(FModel.Transpose(), 99);
    QCOMPARE(f->TransposeEdit->text(), QStringLiteral("99"));
    QTest::mouseClick(f->DisplayTransposedCheck, Qt::LeftButton);
    QVERIFY(FModel.DisplayTransposed());
    QTest::mouseClick(f->TransposeThruCheck, Qt::LeftButton);
    QVERIFY(!FModel.TransposeThru());
    f->close();
    // The options stay; only the transposition goes back.
    QVERIFY(FModel.DisplayTransposed());
    QCOMPARE(FModel.Transpose(), 0);
}

void TestTransposeForm::closing_data() {
    QTest::addColumn<bool>("keep");
    QTest::addColumn<int>("how"); // 0 Close button, 1 Esc, 2 title bar
    QTest::addColumn<int>("after");
    QTest::newRow("Close button resets") << false << 0 << 0;
    QTest::newRow("Esc resets") << false << 1 << 0;
    QTest::newRow("title bar resets") << false << 2 << 0;
    QTest::newRow("kept") << true << 0 << 12;
    QTest::newRow("kept, title bar") << true << 2 << 12;
}

void TestTransposeForm::closing() {
    QFETCH(bool, keep);
    QFETCH(int, how);
    QFETCH(int, after);
    auto f = Open();
    QVERIFY(f);
    QVERIFY(!f->KeepTransposeCheck->isChecked());
    // Set elsewhere while the window is open.
    FModel.SetTranspose(12);
    if (keep)
        QTest::mouseClick(f->KeepTransposeCheck, Qt::LeftButton);
    if (how == 0)
        QTest::mouseClick(f->CloseButton, Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(f, Qt::Key_Escape);
    else
        f->close();
    QTRY_VERIFY(!f);
    QCOMPARE(FModel.Transpose(), after);
    // The keep option starts clear at every opening.
    auto again = Open();
    QVERIFY(again);
    QVERIFY(!again->KeepTransposeCheck->isChecked());
    QCOMPARE(again->TransposeEdit->text(), QString::number(after));
    again->close();
}

void TestTransposeForm::helpTogglesTheHeightAndIsRemembered() {
    auto f = Open();
    QVERIFY(f);
    QCOMPARE(f->Gap(), 7);
    QVERIFY(f->HelpVisible());
    const int fullHeight = f->height();
    QTest::mouseClick(f->HelpButton, Qt::LeftButton);
    QVERIFY(!f->HelpPanel->isVisible());
    QCOMPARE(f->HelpButton->text(), QStringLiteral("Show Help"));
    const int bevelBottom = f->TransposeBevel->geometry().bottom() + 1;
    QCOMPARE(f->CloseButton->y(), bevelBottom + f->Gap());
    QCOMPARE(f->HelpButton->y(), f->CloseButton->y());
    QCOMPARE(f->height(), f->CloseButton->geometry().bottom() + 1 + f->Gap());
    QVERIFY(f->height() < fullHeight);
    f->move(40, 50);
    const QPoint place = f->pos();
    f->close();
    QTRY_VERIFY(!f);

    auto again = Open();
    QVERIFY(again);
    QVERIFY(!again->HelpVisible());
    QCOMPARE(again->pos(), place);
    QTest::mouseClick(again->HelpButton, Qt::LeftButton);
    QVERIFY(again->HelpPanel->isVisible());
    QCOMPARE(again->HelpButton->text(), QStringLiteral("Hide help"));
    QCOMPARE(again->CloseButton->y(), again->HelpPanel->geometry().bottom() + 1 + again->Gap());
    QCOMPARE(again->height(), fullHeight);
    again->close();
    QCOMPARE(TRegistryIniFile().ReadBool(TTransposeForm::StateSection, TTransposeForm::ValShowHelp,
                                         false),
             true);
}

void TestTransposeForm::mainWindowKeepsOneInstanceAndClosesIt() {
    auto w = std::make_unique<TMainWindow>(TMidiApi::maNone, false);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QAction *item = OptionsItem(*w, QStringLiteral("T&ranspose..."));
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    item->trigger();
    QPointer<TTransposeForm> f = w->TransposeForm();
    QVERIFY(f);
    QVERIFY(QTest::qWaitForWindowExposed(f));
    // Placed beside the main window when nothing is stored: it opened over the keyboard.
    QVERIFY2(!f->frameGeometry().intersects(w->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2").arg(f->x()).arg(f->y())));
    QVERIFY(f->screen()->availableGeometry().contains(f->frameGeometry()));
    item->trigger();
    QCOMPARE(w->TransposeForm(), f.data());
    f->TransposeEdit->setFocus();
    f->TransposeEdit->selectAll();
    QTest::keyClicks(f->TransposeEdit, QStringLiteral("3"));
    QTest::keyClick(f->TransposeEdit, Qt::Key_Return);
    QCOMPARE(w->Keyboard()->Model().Transpose(), 3);
    w->close();
    QTRY_VERIFY(!f);
    QCOMPARE(w->Keyboard()->Model().Transpose(), 0);
    QVERIFY(!w->TransposeForm());
}

QTEST_MAIN(TestTransposeForm)
#include "tst_transposeform.moc"
