#include "app/mainwindow.h"
#include "controls/imgcontrol.h"
#include "controls/wheel.h"
#include "core/inifile.h"
#include "core/registryinifile.h"
#include "jackfixture.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "mainfixture.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "modalanswers.h"
#include "router/midirouter.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QStringList Captions(const QMenu *Menu) {
    QStringList list;
    for (const QAction *a : Menu->actions())
        list.append(a->text());
    return list;
}

QString CheckedPreset(const TMainWindow &W) {
    QString checked;
    for (const QAction *a : W.PresetsMenu()->actions())
        if (a->isChecked())
            checked += a->text();
    return checked;
}

QStringList KnobCaptions(const TKnobList &List) {
    QStringList list;
    for (int i = 0; i < List.Count(); ++i)
        list.append(List.Caption(i));
    return list;
}

void StorePreset(const QString &Name, const QStringList &Captions) {
    TKnobList list;
    for (int i = 0; i < Captions.size(); ++i)
        list.Add(Captions[i], 20 + i, 0, 64);
    list.SavePreset(KnobPresetsKey, Name);
}

void StoreRootValue(const QString &Name, const QString &Value) {
    TRegistryIniFile store;
    store.WriteString(QStringLiteral("KeyboardForm"), Name, Value);
    store.UpdateFile();
}

} // namespace

// Knob presets and snapshots in the main window's Knobs menu, and the knob setup dialog as the
// window opens and feeds it; snapshots are heard at a JACK peer.
class TestPresets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(F.Start(QStringLiteral("presets")), qPrintable(F.ErrorText()));
        FPeer = &F.Peer();
    }
    void init() { F.FreshConfig(); } // every test starts as a first start
    void cleanupTestCase() { F.Stop(); }

    void presetMenuAtStart_data();
    void presetMenuAtStart();
    void choosingPresets();
    void presetNameStoredAtClose_data();
    void presetNameStoredAtClose();
    void defineAndRecallSnapshot();
    void defineCancelledOrWithoutKnobs_data();
    void defineCancelledOrWithoutKnobs();
    void snapshotsAcrossRestartAndFiles();
    void setupDialogFromTheWindow();

private:
    std::unique_ptr<TMainWindow> NewWindow() { return F.NewWindow(); }
    bool ConnectPeer(TMainWindow &W) { return F.ConnectPeer(W); }
    TMainFixture F;
    TJackPeer *FPeer = nullptr;
};

void TestPresets::presetMenuAtStart_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("knobs");
    const QStringList volume{QStringLiteral("Volume")};
    QTest::newRow("stored preset") << "Strings"
                                   << "Strings" << QStringList{"Str A", "Str B"};
    QTest::newRow("other letter case") << "STRINGS"
                                       << "Strings" << QStringList{"Str A", "Str B"};
    QTest::newRow("preset gone") << "Gone"
                                 << "Default" << volume;
    QTest::newRow("unsaved knobs") << "Current"
                                   << "" << QStringList{"Cur"};
    QTest::newRow("default") << "default"
                             << "Default" << volume;
}

void TestPresets::presetMenuAtStart() {
    QFETCH(QString, stored);
    QFETCH(QString, checked);
    QFETCH(QStringList, knobs);
    StorePreset(QStringLiteral("piano"), {QStringLiteral("Pia")});
    StorePreset(QStringLiteral("Strings"), {QStringLiteral("Str A"), QStringLiteral("Str B")});
    StorePreset(QStringLiteral("ambient"), {QStringLiteral("Amb")});
    StorePreset(QStringLiteral("Current"), {QStringLiteral("Cur")});
    StorePreset(QStringLiteral("Default"), {QStringLiteral("never shown")});
    StoreRootValue(QStringLiteral("Knob Preset"), stored);
    auto w = NewWindow();
    QVERIFY(w);
    QCOMPARE(Captions(w->PresetsMenu()), (QStringList{"ambient", "Default", "piano", "Strings"}));
    QCOMPARE(CheckedPreset(*w), checked);
    QCOMPARE(KnobCaptions(w->Knobs()), knobs);
    if (knobs.size() == 1 && knobs[0] == QLatin1String("Volume")) {
        QCOMPARE(w->Knobs().IUser(0), 7);
        QCOMPARE(w->Knobs().Wheel(0)->Position(), 100);
    }
}

void TestPresets::choosingPresets() {
    StorePreset(QStringLiteral("Strings"), {QStringLiteral("Str A"), QStringLiteral("Str B")});
    auto w = NewWindow();
    QVERIFY(w);
    QAction *strings = w->PresetsMenu()->actions().value(1);
    QCOMPARE(strings->text(), QStringLiteral("Strings"));
    strings->trigger();
    QCOMPARE(CheckedPreset(*w), QStringLiteral("Strings"));
    QCOMPARE(KnobCaptions(w->Knobs()), (QStringList{"Str A", "Str B"}));
    // choosing the checked item again keeps it
    strings->trigger();
    QCOMPARE(CheckedPreset(*w), QStringLiteral("Strings"));
    w->PresetsMenu()->actions().value(0)->trigger();
    QCOMPARE(CheckedPreset(*w), QStringLiteral("Default"));
    QCOMPARE(KnobCaptions(w->Knobs()), QStringList{"Volume"});
}

void TestPresets::presetNameStoredAtClose_data() {
    QTest::addColumn<bool>("changedByHand");
    QTest::newRow("preset checked") << false;
    QTest::newRow("knobs changed") << true;
}

void TestPresets::presetNameStoredAtClose() {
    QFETCH(bool, changedByHand);
    StorePreset(QStringLiteral("Strings"), {QStringLiteral("Str A"), QStringLiteral("Str B")});
    auto w = NewWindow();
    QVERIFY(w);
    w->SelectKnobPreset(QStringLiteral("Strings"));
    if (changedByHand) {
        w->Knobs().Add(QStringLiteral("Pan"), 10, 1, 64);
        w->UncheckKnobPresets();
    }
    w->close();
    w.reset();
    {
        const TRegistryIniFile store;
        QCOMPARE(store.ReadString(QStringLiteral("KeyboardForm"), QStringLiteral("Knob Preset"),
                                  QString()),
                 changedByHand ? QStringLiteral("Current") : QStringLiteral("Strings"));
    }
    // the next start shows the same knobs
    w = NewWindow();
    QVERIFY(w);
    QCOMPARE(KnobCaptions(w->Knobs()), changedByHand ? (QStringList{"Str A", "Str B", "Pan"})
                                                     : (QStringList{"Str A", "Str B"}));
    QCOMPARE(CheckedPreset(*w), changedByHand ? QString() : QStringLiteral("Strings"));
}

void TestPresets::defineAndRecallSnapshot() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(ConnectPeer(*w));
    TGUIKnobList &k = w->Knobs();
    k.Clear();
    k.Add(QStringLiteral("Volume"), 7, 0, 100);
    k.Add(QStringLiteral("Modulation"), 1, 0, 20);
    k.Add(QStringLiteral("Volume 2"), 7, 0, 5);
    k.Add(QStringLiteral("Pan"), 10, 1, 64);
    w->Keyboard()->Model().SetChannel(3);
    {
        TModalAnswers answers;
        answers.Input(QStringLiteral("Mix"));
        QTest::keyClick(w.get(), Qt::Key_F6, Qt::ControlModifier);
        QVERIFY(answers.Done());
        QCOMPARE(answers.Seen, QStringList{"Snapshot name|Please enter a name for this "
                                           "Snapshot:|Snapshot 2"});
    }
    QAction *item = w->SnapshotAction(1);
    QCOMPARE(item->text(), QStringLiteral("&2 Mix"));
    QVERIFY(item->isEnabled());
    // the second knob on controller 7 adds nothing
    QCOMPARE(w->Snapshot(1), QStringLiteral("076401140A40"));
    QCOMPARE(item->statusTip(), w->Snapshot(1));

    for (int i = 0; i < k.Count(); ++i)
        k.SetKnobPosition(i, 0);
    w->ModulationStrip()->SetPosition(0);
    FPeer->ClearReceived();
    QApplication::setActiveWindow(w.get()); // back from the name box
    QTest::keyClick(w.get(), Qt::Key_F6);
    QVERIFY(FPeer->WaitForReceived(3));
    QTest::qWait(50);
    QCOMPARE(FPeer->Received(),
             (std::vector<TBytes>{{0xB3, 7, 100}, {0xB3, 1, 20}, {0xB3, 10, 64}}));
    QCOMPARE(k.Wheel(0)->Position(), 100);
    QCOMPARE(k.Wheel(1)->Position(), 20);
    QCOMPARE(k.Wheel(2)->Position(), 100); // every knob on the controller follows
    QCOMPARE(k.Wheel(3)->Position(), 64);
    QCOMPARE(w->ModulationStrip()->Position(), 20);

    // defining again proposes the name without its number
    TModalAnswers answers;
    answers.Input(QStringLiteral("Mix B"));
    w->DefineSnapshotAction(1)->trigger();
    QCOMPARE(answers.Seen, QStringList{"Snapshot name|Please enter a name for this Snapshot:|Mix"});
    QCOMPARE(item->text(), QStringLiteral("&2 Mix B"));
}

void TestPresets::defineCancelledOrWithoutKnobs_data() {
    QTest::addColumn<bool>("withKnobs");
    QTest::newRow("name box cancelled") << true;
    QTest::newRow("no knob") << false;
}

void TestPresets::defineCancelledOrWithoutKnobs() {
    QFETCH(bool, withKnobs);
    auto w = NewWindow();
    QVERIFY(w);
    if (!withKnobs)
        w->Knobs().Clear();
    TModalAnswers answers;
    if (withKnobs)
        answers.Input(std::nullopt);
    w->DefineSnapshotAction(4)->trigger();
    QTest::qWait(30);
    QVERIFY(answers.Done());
    QCOMPARE(answers.Seen.size(), withKnobs ? 1 : 0);
    QVERIFY(w->Snapshot(4).isEmpty());
    QVERIFY(!w->SnapshotAction(4)->isEnabled());
    QCOMPARE(w->SnapshotAction(4)->text(), QStringLiteral("&5 Snapshot 5"));
}

void TestPresets::snapshotsAcrossRestartAndFiles() {
    auto w = NewWindow();
    QVERIFY(w);
    {
        TModalAnswers answers;
        answers.Input(QStringLiteral("Loud"));
        w->DefineSnapshotAction(2)->trigger();
    }
    w->close();
    w.reset();
    {
        const TRegistryIniFile store;
        QCOMPARE(store.ReadString(QStringLiteral("Snapshots"), QStringLiteral("Name3"), {}),
                 QStringLiteral("&3 Loud"));
        QCOMPARE(store.ReadString(QStringLiteral("Snapshots"), QStringLiteral("Values3"), {}),
                 QStringLiteral("0764"));
        QVERIFY(!store.ValueExists(QStringLiteral("Snapshots"), QStringLiteral("Name1")));
    }
    w = NewWindow();
    QVERIFY(w);
    QCOMPARE(w->SnapshotAction(2)->text(), QStringLiteral("&3 Loud"));
    QVERIFY(w->SnapshotAction(2)->isEnabled());
    QCOMPARE(w->Snapshot(2), QStringLiteral("0764"));

    // a file: names as stored, prefix included; a slot without values stays as it was
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("snap.ini"));
    {
        TIniFile file(path);
        file.WriteString(QStringLiteral("Snapshots"), QStringLiteral("Name1"),
                         QStringLiteral("&9 Piano"));
        file.WriteString(QStringLiteral("Snapshots"), QStringLiteral("Values1"),
                         QStringLiteral("0A20"));
        file.WriteString(QStringLiteral("Snapshots"), QStringLiteral("Name3"),
                         QStringLiteral("&3 Empty"));
        file.UpdateFile();
    }
    TIniFile file(path);
    QCOMPARE(w->ReadSnapshots(file), 1);
    QCOMPARE(w->SnapshotAction(0)->text(), QStringLiteral("&9 Piano"));
    QCOMPARE(w->SnapshotAction(2)->text(), QStringLiteral("&3 Loud"));
    QTemporaryDir out;
    TIniFile written(out.filePath(QStringLiteral("out.ini")));
    written.WriteString(QStringLiteral("Snapshots"), QStringLiteral("Values5"),
                        QStringLiteral("stale"));
    QCOMPARE(w->WriteSnapshots(written), 2);
    QCOMPARE(written.ReadString(QStringLiteral("Snapshots"), QStringLiteral("Name1"), {}),
             QStringLiteral("&9 Piano"));
    QCOMPARE(written.ReadString(QStringLiteral("Snapshots"), QStringLiteral("Values1"), {}),
             QStringLiteral("0A20"));
    QVERIFY(!written.ValueExists(QStringLiteral("Snapshots"), QStringLiteral("Values5")));
}

void TestPresets::setupDialogFromTheWindow() {
    StorePreset(QStringLiteral("Strings"), {QStringLiteral("Str A"), QStringLiteral("Str B")});
    auto w = NewWindow();
    QVERIFY(w);
    w->SelectKnobPreset(QStringLiteral("Strings"));
    QTest::keyClick(w.get(), Qt::Key_K, Qt::ControlModifier);
    QPointer<TKnobEditForm> form = w->KnobEditor();
    QVERIFY(form);
    QVERIFY(QTest::qWaitForWindowExposed(form.data()));
    QCOMPARE(form->PresetsBox->currentText(), QStringLiteral("Strings"));
    QCOMPARE(KnobCaptions(form->WorkingList()), (QStringList{"Str A", "Str B"}));
    w->KnobSetupAction()->trigger();
    QCOMPARE(w->KnobEditor(), form.data()); // one dialog only

    // a controller arriving while the controller box has the focus is picked there
    form->activateWindow();
    form->KnobControllerBox->setFocus();
    QVERIFY(form->KnobControllerBox->hasFocus());
    w->Router().ReceiveNow({0xB0, 74, 5});
    QCOMPARE(form->KnobControllerBox->currentIndex(), 74);
    QCOMPARE(form->KnobNameEdit->text(), QStringLiteral("Str A"));
    QTest::mouseClick(form->ApplyButton, Qt::LeftButton);
    QCOMPARE(w->Knobs().IUser(0), 74);
    QCOMPARE(CheckedPreset(*w), QString());
    QCOMPARE(w->KnobPresetName(), QStringLiteral("Current"));

    // the window's close closes the dialog
    w->close();
    QTRY_VERIFY(!form);
}

QTEST_MAIN(TestPresets)
#include "tst_presets.moc"
