#include "ondrel.h"
#include "patchlist.h"
#include "patchselection.h"
#include "patchsetchooser.h"
#include "programbank.h"
#include "systemlistview.h"

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

namespace {

using Msg = std::tuple<int, int, int>;

QString Examples() {
    return qEnvironmentVariable("ONDREL_SOURCE_DIR") + QStringLiteral("/resources/patches");
}

} // namespace

class TestChooserMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void okLoadsTheSetWithoutSelectingOrSending();
    void failedApplyKeepsTheSetAndShowsTheErrors();
    void oneChooserRestoredFromMinimized();
    void closingTheWindowClosesTheChooser();

private:
    std::unique_ptr<TOndrel2> NewWindow();
    TPatchSetChooser *OpenChooser(TOndrel2 &Window, const QString &Folder);
    std::unique_ptr<QTemporaryDir> FConfig;
    std::vector<Msg> FSent;
    QStringList FMessages;
};

void TestChooserMain::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    FSent.clear();
    FMessages.clear();
}

std::unique_ptr<TOndrel2> TestChooserMain::NewWindow() {
    auto w = std::make_unique<TOndrel2>(TMidiApi::maNone, false);
    w->ProgramBank().Send = [this](uint8_t s, uint8_t d1, uint8_t d2) {
        FSent.emplace_back(s, d1, d2);
    };
    w->Patches().OnLoadMessages = [this](const QStringList &lines) { FMessages << lines; };
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get(), 20000)) // patient on a loaded machine
        return nullptr;
    QTest::qWait(30);
    FSent.clear();
    return w;
}

TPatchSetChooser *TestChooserMain::OpenChooser(TOndrel2 &Window, const QString &Folder) {
    Window.ChoosePatchSet();
    TPatchSetChooser *c = Window.PatchSetChooser();
    if (!c || !QTest::qWaitForWindowExposed(c))
        return nullptr;
    c->SystemListView->SetDirectory(Folder);
    return c;
}

void TestChooserMain::okLoadsTheSetWithoutSelectingOrSending() {
    auto w = NewWindow();
    QVERIFY(w);
    QPointer<TPatchSetChooser> c = OpenChooser(*w, Examples());
    QVERIFY(c);
    QCOMPARE(c->windowTitle(), QStringLiteral("Choose Patch Set"));
    const int row = c->SystemListView->FindItem(QStringLiteral("General MIDI.txt"));
    QVERIFY(row >= 0);
    c->SystemListView->SetSelected(row);
    QCOMPARE(c->EScriptName->text(), QStringLiteral("General MIDI Level 1"));
    QTest::mouseClick(c->BOK, Qt::LeftButton);
    QTRY_VERIFY(!c);
    QVERIFY(w->Patches().PatchSet());
    QVERIFY(w->Patches().PatchSet()->FileName().endsWith(QStringLiteral("General MIDI.txt")));
    QVERIFY(!w->Patches().CurrentPatch());
    QCOMPARE(w->Patches().PatchSet()->Mode(0)->Name(), QStringLiteral("General MIDI"));
    QVERIFY(FSent.empty());
    QVERIFY(FMessages.isEmpty());
}

void TestChooserMain::failedApplyKeepsTheSetAndShowsTheErrors() {
    QTemporaryDir files;
    QFile f(files.filePath(QStringLiteral("bad.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[cubase parse file]\n[parser version 0001]\n[script name] Bad\n"
            "[define patchnames]\n[mode] M\n[p1, 999, 0] Broken\n[end]\n");
    f.close();
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(Examples() + QStringLiteral("/General MIDI.txt")));
    const TPatchList *old = w->Patches().PatchSet();
    TPatchSetChooser *c = OpenChooser(*w, files.path());
    QVERIFY(c);
    c->SystemListView->SetSelected(c->SystemListView->FindItem(QStringLiteral("bad.txt")));
    QCOMPARE(c->EScriptName->text(), QStringLiteral("Bad"));
    QTest::mouseClick(c->BApply, Qt::LeftButton);
    QCOMPARE(w->Patches().PatchSet(), old);
    QVERIFY(!FMessages.isEmpty());
    QVERIFY(c->BApply->isEnabled());
    QVERIFY(FSent.empty());
}

void TestChooserMain::oneChooserRestoredFromMinimized() {
    auto w = NewWindow();
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
    auto w = NewWindow();
    QVERIFY(w);
    w->ChoosePatchSet();
    QPointer<TPatchSetChooser> c = w->PatchSetChooser();
    QVERIFY(c);
    w->close();
    QTRY_VERIFY(!c);
}

QTEST_MAIN(TestChooserMain)
#include "tst_choosermain.moc"
