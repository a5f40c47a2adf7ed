#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "app/programbank.h"
#include "core/patchlist.h"
#include "core/patchprogram.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "patches/patchsetloader.h"
#include "patchwindow.h"
#include "router/midirouter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>
#include <vector>

class TestPatchSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { P.Reset(); }
    void loadingSelectsNothingAndSendsNothing();
    void patchFromMenuSetsProgramAndSends();
    void stepPatchWraps();
    void patchComesBackAfterRestart();
    void setWithoutPatchComesBackListed();
    void brokenScriptKeepsTheOldSet();
    void largeGroupIsListedInRanges();
    void loadOnItsThreadCanBeCancelled();

private:
    TPatchWindow P;
};

void TestPatchSelection::loadingSelectsNothingAndSendsNothing() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("General MIDI.txt")));
    QVERIFY(P.Messages.isEmpty());
    QVERIFY(P.Sent.empty());
    QVERIFY(!w->Patches().CurrentPatch());
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Acoustic Grand Piano"));
    QCOMPARE(w->StatusPanelText(4), QStringLiteral("General MIDI"));
    QVERIFY(TPatchWindow::FindAction(
        w->PatchesMenu(),
        {QStringLiteral("General MIDI"), QStringLiteral("Piano"), QStringLiteral("Clavi")}));
}

void TestPatchSelection::patchFromMenuSetsProgramAndSends() {
    auto w = P.NewWindow();
    QVERIFY(w);
    w->Keyboard()->Model().SetChannel(2);
    QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("General MIDI.txt")));
    QAction *epiano = TPatchWindow::FindAction(
        w->PatchesMenu(), {QStringLiteral("General MIDI"), QStringLiteral("Piano"),
                           QStringLiteral("Electric Piano 1")});
    QVERIFY(epiano);
    epiano->trigger();
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 4);
    QCOMPARE(P.Sent, (std::vector<Msg>{{0xC2, 4, 0}})); // no bank in General MIDI
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    QCOMPARE(combo->currentText(), QStringLiteral("Electric Piano 1"));
}

void TestPatchSelection::stepPatchWraps() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("General MIDI.txt")));
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    w->StepPatch(1);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(w->Patches().CurrentPatch()->Name(), QStringLiteral("Acoustic Grand Piano"));
    w->StepPatch(-1); // "(none)" selects nothing and changes nothing
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 0);
    w->StepPatch(-1);
    QCOMPARE(combo->currentIndex(), combo->count() - 1);
}

void TestPatchSelection::patchComesBackAfterRestart() {
    {
        auto w = P.NewWindow();
        QVERIFY(w);
        QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("General MIDI.txt")));
        TPatchWindow::FindAction(
            w->PatchesMenu(),
            {QStringLiteral("General MIDI"), QStringLiteral("Organ"), QStringLiteral("Rock Organ")})
            ->trigger();
        w->close();
    }
    auto w = P.NewWindow();
    QVERIFY(w);
    QTRY_VERIFY(w->Patches().CurrentPatch());
    QCOMPARE(w->Patches().CurrentPatch()->Name(), QStringLiteral("Rock Organ"));
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 18);
}

void TestPatchSelection::setWithoutPatchComesBackListed() {
    {
        auto w = P.NewWindow();
        QVERIFY(w);
        QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("General MIDI.txt")));
        w->close();
    }
    auto w = P.NewWindow();
    QVERIFY(w);
    QTRY_VERIFY(w->Patches().PatchSet());
    QVERIFY(!w->Patches().CurrentPatch());
    // The box lists the programs to choose from, as right after loading.
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->itemText(1), QStringLiteral("Acoustic Grand Piano"));
    QCOMPARE(w->StatusPanelText(4), QStringLiteral("General MIDI"));
    QVERIFY(P.Sent.empty());
}

void TestPatchSelection::brokenScriptKeepsTheOldSet() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("General MIDI.txt")));
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.txt"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is not a patch script\n");
    f.close();
    QVERIFY(!w->Patches().LoadPatchSet(broken));
    QVERIFY(!P.Messages.isEmpty());
    QVERIFY(w->Patches().PatchSet());
    QVERIFY(w->Patches().PatchSet()->FileName().endsWith(QStringLiteral("General MIDI.txt")));
    QVERIFY(!w->Patches().LoadPatchSet(dir.filePath(QStringLiteral("missing.txt"))));
}

namespace {

// A script of one mode "M" with one group "G" of Count programs named "P00000" and up.
QString WriteGroupScript(const QTemporaryDir &Dir, int Count) {
    QByteArray text = "[cubase parse file]\n[parser version 0001]\n[device name] D\n"
                      "[define patchnames]\n[mode] M\n[g1] G\n";
    for (int i = 0; i < Count; ++i)
        text += "[p2, " + QByteArray::number(i % 128) + ", 0] P" +
                QByteArray::number(i).rightJustified(5, '0') + '\n';
    text += "[end]\n";
    const QString path = Dir.filePath(QStringLiteral("group.txt"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return path;
}

} // namespace

// Every program of a group was one menu entry (each added in time growing with the menu: half a
// million froze the window for minutes) and one item of the box.
void TestPatchSelection::largeGroupIsListedInRanges() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QTemporaryDir dir;
    QVERIFY(w->Patches().LoadPatchSet(WriteGroupScript(dir, 450)));
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    QCOMPARE(combo->count(), 451);
    QCOMPARE(combo->itemText(450), QStringLiteral("P00449"));
    QAction *group = TPatchWindow::FindAction(w->PatchesMenu(), {"M", "G"});
    QVERIFY(group && group->menu());
    TPatchSelection::FillMenuNow(group->menu());
    QStringList ranges;
    for (QAction *a : group->menu()->actions())
        ranges << a->text();
    QCOMPARE(ranges, (QStringList{QStringLiteral("P00000 \u2026 P00199"),
                                  QStringLiteral("P00200 \u2026 P00399"),
                                  QStringLiteral("P00400 \u2026 P00449")}));
    QAction *last = TPatchWindow::FindAction(
        w->PatchesMenu(), {"M", "G", QStringLiteral("P00400 \u2026 P00449"), "P00449"});
    QVERIFY(last);
    last->trigger();
    QCOMPARE(combo->currentIndex(), 450);
    QCOMPARE(w->Patches().CurrentPatch()->Name(), QStringLiteral("P00449"));
}

void TestPatchSelection::loadOnItsThreadCanBeCancelled() {
    auto w = P.NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(TPatchWindow::Script("General MIDI.txt")));
    QTemporaryDir dir;
    const QString big = WriteGroupScript(dir, 200000);
    QList<bool> results;
    w->Patches().StartLoading(big, [&results](bool loaded) { results << loaded; });
    QVERIFY(w->Patches().Loader().Busy());
    w->Patches().Loader().Cancel();
    QCOMPARE(results, QList<bool>{false});
    QVERIFY(w->Patches().PatchSet()->FileName().endsWith(QStringLiteral("General MIDI.txt")));
    // Loaded to the end, the set is taken; the cancelled load ends quietly meanwhile.
    w->Patches().StartLoading(big, [&results](bool loaded) { results << loaded; });
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 60000);
    QCOMPARE(results.last(), true);
    QCOMPARE(w->Patches().PatchSet()->FileName(), big);
    QVERIFY(P.Messages.isEmpty());
    // Its list opens without measuring every name first (which took minutes).
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("PatchBox"));
    QCOMPARE(combo->count(), 200001);
    combo->showPopup();
    QVERIFY(combo->view()->isVisible());
    QVERIFY(combo->view()->width() >= combo->view()->fontMetrics().horizontalAdvance("P199999"));
    combo->hidePopup();
}

QTEST_MAIN(TestPatchSelection)
#include "tst_patchselection.moc"
