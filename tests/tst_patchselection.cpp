#include "ondrel.h"
#include "patchlist.h"
#include "patchprogram.h"
#include "patchselection.h"
#include "programbank.h"
#include "registryinifile.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>
#include <vector>

namespace {

using Msg = std::tuple<int, int, int>;

QString Script(const char *Name) {
    return QStringLiteral("%1/resources/patches/%2")
        .arg(qEnvironmentVariable("ONDREL_SOURCE_DIR"), QLatin1String(Name));
}

QAction *FindAction(QMenu *Menu, const QStringList &Path) {
    for (QAction *a : Menu->actions()) {
        if (a->text() != Path.first())
            continue;
        if (Path.size() == 1)
            return a;
        return a->menu() ? FindAction(a->menu(), Path.mid(1)) : nullptr;
    }
    return nullptr;
}

} // namespace

class TestPatchSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void loadingSelectsNothingAndSendsNothing();
    void patchFromMenuSetsProgramAndSends();
    void stepPatchWraps();
    void patchComesBackAfterRestart();
    void brokenScriptKeepsTheOldSet();

private:
    std::unique_ptr<TOndrel2> NewWindow();
    std::unique_ptr<QTemporaryDir> FConfig;
    std::vector<Msg> FSent;
    QStringList FMessages;
};

void TestPatchSelection::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    FSent.clear();
    FMessages.clear();
}

std::unique_ptr<TOndrel2> TestPatchSelection::NewWindow() {
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

void TestPatchSelection::loadingSelectsNothingAndSendsNothing() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(Script("General MIDI.txt")));
    QVERIFY(FMessages.isEmpty());
    QVERIFY(FSent.empty());
    QVERIFY(!w->Patches().CurrentPatch());
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("CBProgramPatch"));
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Acoustic Grand Piano"));
    QCOMPARE(w->StatusPanelText(4), QStringLiteral("General MIDI"));
    QVERIFY(FindAction(w->Patches1, {QStringLiteral("General MIDI"), QStringLiteral("Piano"),
                                     QStringLiteral("Clavi")}));
}

void TestPatchSelection::patchFromMenuSetsProgramAndSends() {
    auto w = NewWindow();
    QVERIFY(w);
    w->Keyboard1->Model().SetChannel(2);
    QVERIFY(w->Patches().LoadPatchSet(Script("General MIDI.txt")));
    QAction *epiano =
        FindAction(w->Patches1, {QStringLiteral("General MIDI"), QStringLiteral("Piano"),
                                 QStringLiteral("Electric Piano 1")});
    QVERIFY(epiano);
    epiano->trigger();
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 4);
    QCOMPARE(FSent, (std::vector<Msg>{{0xC2, 4, 0}})); // no bank in General MIDI
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("CBProgramPatch"));
    QCOMPARE(combo->currentText(), QStringLiteral("Electric Piano 1"));
}

void TestPatchSelection::stepPatchWraps() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(Script("General MIDI.txt")));
    auto *combo = w->findChild<QComboBox *>(QStringLiteral("CBProgramPatch"));
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
        auto w = NewWindow();
        QVERIFY(w);
        QVERIFY(w->Patches().LoadPatchSet(Script("General MIDI.txt")));
        FindAction(w->Patches1, {QStringLiteral("General MIDI"), QStringLiteral("Organ"),
                                 QStringLiteral("Rock Organ")})
            ->trigger();
        w->close();
    }
    auto w = NewWindow();
    QVERIFY(w);
    QTRY_VERIFY(w->Patches().CurrentPatch());
    QCOMPARE(w->Patches().CurrentPatch()->Name(), QStringLiteral("Rock Organ"));
    QCOMPARE(w->ProgramBank().Value(TProgramBank::Program), 18);
}

void TestPatchSelection::brokenScriptKeepsTheOldSet() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(w->Patches().LoadPatchSet(Script("General MIDI.txt")));
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.txt"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is not a patch script\n");
    f.close();
    QVERIFY(!w->Patches().LoadPatchSet(broken));
    QVERIFY(!FMessages.isEmpty());
    QVERIFY(w->Patches().PatchSet());
    QVERIFY(w->Patches().PatchSet()->FileName().endsWith(QStringLiteral("General MIDI.txt")));
    QVERIFY(!w->Patches().LoadPatchSet(dir.filePath(QStringLiteral("missing.txt"))));
}

QTEST_MAIN(TestPatchSelection)
#include "tst_patchselection.moc"
