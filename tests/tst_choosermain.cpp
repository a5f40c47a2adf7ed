#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "app/programbank.h"
#include "core/patchlist.h"
#include "keyboard/keyboard.h"
#include "patches/patchsetchooser.h"
#include "patchwindow.h"
#include "router/midirouter.h"
#include "shellview/systemlistview.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>
#include <vector>

class TestChooserMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { P.Reset(); }
    void okLoadsTheSetWithoutSelectingOrSending();
    void failedApplyKeepsTheSetAndShowsTheErrors();
    void oneChooserRestoredFromMinimized();
    void closingTheWindowClosesTheChooser();

private:
    TPatchSetChooser *OpenChooser(TMainWindow &Window, const QString &Folder);
    TPatchWindow P;
};

TPatchSetChooser *TestChooserMain::OpenChooser(TMainWindow &Window, const QString &Folder) {
    Window.ChoosePatchSet();
    TPatchSetChooser *c = Window.PatchSetChooser();
    if (!c || !QTest::qWaitForWindowExposed(c))
        return nullptr;
    c->SystemListView->SetDirectory(Folder);
    return c;
}

void TestChooserMain::okLoadsTheSetWithoutSelectingOrSending() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QPointer<TPatchSetChooser> c = OpenChooser(*w, TPatchWindow::Examples());
    QVERIFY(c);
    QCOMPARE(c->windowTitle(), QStringLiteral("Choose Patch Set"));
    const int row = c->SystemListView->FindItem(QStringLiteral("General MIDI.txt"));
    QVERIFY(row >= 0);
    c->SystemListView->SetSelected(row);
    QCOMPARE(c->ScriptNameEdit->text(), QStringLiteral("General MIDI Level 1"));
    QTest::mouseClick(c->OkButton, Qt::LeftButton);
    QTRY_VERIFY(!c);
    // Loaded on a thread of its own.
    QTRY_VERIFY(w->Patches().PatchSet());
    QVERIFY(w->Patches().PatchSet()->FileName().endsWith(QStringLiteral("General MIDI.txt")));
    QVERIFY(!w->Patches().CurrentPatch());
    QCOMPARE(w->Patches().PatchSet()->Mode(0)->Name(), QStringLiteral("General MIDI"));
    QVERIFY(P.Sent.empty());
    QVERIFY(P.Messages.isEmpty());
}

void TestChooserMain::failedApplyKeepsTheSetAndShowsTheErrors() {
    QTemporaryDir files;
    QFile f(files.filePath(QStringLiteral("bad.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[cubase parse file]\n[parser version 0001]\n[script name] Bad\n"
            "[define patchnames]\n[mode] M\n[p1, 999, 0] Broken\n[end]\n");
    f.close();
    auto w = P.NewWindow();
    QVERIFY(w);
    QVERIFY(
        w->Patches().LoadPatchSet(TPatchWindow::Examples() + QStringLiteral("/General MIDI.txt")));
    const TPatchList *old = w->Patches().PatchSet();
    TPatchSetChooser *c = OpenChooser(*w, files.path());
    QVERIFY(c);
    c->SystemListView->SetSelected(c->SystemListView->FindItem(QStringLiteral("bad.txt")));
    QCOMPARE(c->ScriptNameEdit->text(), QStringLiteral("Bad"));
    QTest::mouseClick(c->ApplyButton, Qt::LeftButton);
    QTRY_VERIFY(!P.Messages.isEmpty());
    QCOMPARE(w->Patches().PatchSet(), old);
    QVERIFY(c->ApplyButton->isEnabled());
    QVERIFY(P.Sent.empty());
}

void TestChooserMain::oneChooserRestoredFromMinimized() {
    auto w = P.NewWindow();
    QVERIFY(w);
    w->ChoosePatchSet();
    TPatchSetChooser *first = w->PatchSetChooser();
    QVERIFY(first);
    first->showMinimized();
    w->ChoosePatchSet();
    QCOMPARE(w->PatchSetChooser(), first);
    QVERIFY(!first->isMinimized());
    QVERIFY(first->isVisible());
}

void TestChooserMain::closingTheWindowClosesTheChooser() {
    auto w = P.NewWindow();
    QVERIFY(w);
    w->ChoosePatchSet();
    QPointer<TPatchSetChooser> c = w->PatchSetChooser();
    QVERIFY(c);
    w->close();
    QTRY_VERIFY(!c);
}

QTEST_MAIN(TestChooserMain)
#include "tst_choosermain.moc"
