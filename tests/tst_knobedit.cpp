#include "core/registryinifile.h"
#include "knobs/knobeditform.h"
#include "modalanswers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

namespace {

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

QStringList StoredPresets() {
    QStringList names;
    ListKnobPresetsInRegistry(names, KnobPresetsKey);
    names.sort(Qt::CaseInsensitive);
    return names;
}

QStringList StoredCaptions(const QString &Name) {
    TKnobList list;
    list.LoadPreset(KnobPresetsKey, Name);
    return KnobCaptions(list);
}

// A widget by its kind and text, for a failure message.
QString Described(const QWidget *W) {
    QString text = W->objectName();
    if (auto *l = qobject_cast<const QLabel *>(W))
        text = l->text();
    else if (auto *b = qobject_cast<const QAbstractButton *>(W))
        text = b->text();
    else if (auto *g = qobject_cast<const QGroupBox *>(W))
        text = g->title();
    return QString::fromLatin1(W->metaObject()->className()) + QLatin1Char(' ') + text;
}

void Choose(QComboBox *Box, int Index) {
    Box->setCurrentIndex(Index);
    Q_EMIT Box->activated(Index);
}

} // namespace

// The knob setup dialog against a knob list standing for the knob bar and its own store.
class TestKnobEdit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void knobCount_data();
    void knobCount();
    void applyHandsOverWhatTheFieldsShow_data();
    void applyHandsOverWhatTheFieldsShow();
    void fieldsOfAKnob();
    void numberBoxesTakeTypedValues_data();
    void numberBoxesTakeTypedValues();
    void newPresetNames_data();
    void newPresetNames();
    void deletePreset_data();
    void deletePreset();
    void choosingAPresetAsksToSave_data();
    void choosingAPresetAsksToSave();
    void savedAsNewBeforeChoosing();
    void presetWithAControllerAbove127IsReported();
    void textsNotClippedAtLargerFonts_data();
    void textsNotClippedAtLargerFonts();
    void learnOnlyWithTheControllerBoxFocused();
    void okAndCancel_data();
    void okAndCancel();

private:
    TKnobEditForm *Open(int Knobs, const QString &Preset = QString());
    std::unique_ptr<QTemporaryDir> FConfig;
    TKnobList FBar;
    QPointer<TKnobEditForm> FForm;
    int FPresetsChanged = 0;
    int FAssigned = 0;
    QStringList FSelected;
};

void TestKnobEdit::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    FBar.Clear();
    FPresetsChanged = 0;
    FAssigned = 0;
    FSelected.clear();
}

void TestKnobEdit::cleanup() {
    delete FForm.data();
}

TKnobEditForm *TestKnobEdit::Open(int Knobs, const QString &Preset) {
    for (int i = 0; i < Knobs; ++i)
        FBar.Add(QStringLiteral("K%1").arg(i + 1), 20 + i, 0, 64);
    FForm = new TKnobEditForm(FBar);
    FForm->CurrentPresetName = [Preset] { return Preset; };
    FForm->OnPresetsChanged = [this] { ++FPresetsChanged; };
    FForm->OnKnobsAssigned = [this] { ++FAssigned; };
    FForm->OnSelectPreset = [this](const QString &name) { FSelected.append(name); };
    FForm->show();
    QApplication::setActiveWindow(FForm);
    if (!QTest::qWaitForWindowExposed(FForm.data()))
        return nullptr;
    return FForm;
}

void TestKnobEdit::knobCount_data() {
    QTest::addColumn<int>("knobs");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("selected");
    QTest::newRow("first knob") << 0 << -1 << int(Qt::Key_Up)
                                << QStringList{"Foot Control / General 1"} << 0;
    QTest::newRow("added at the end")
        << 2 << 0 << int(Qt::Key_Up) << QStringList{"K1", "K2", "Foot Control / General 1"} << 2;
    QTest::newRow("last removed, tab kept")
        << 5 << 1 << int(Qt::Key_Down) << QStringList{"K1", "K2", "K3", "K4"} << 1;
    QTest::newRow("selected last removed")
        << 3 << 2 << int(Qt::Key_Down) << QStringList{"K1", "K2"} << 1;
    QTest::newRow("none left") << 1 << 0 << int(Qt::Key_Down) << QStringList{} << -1;
    QStringList full;
    for (int i = 0; i < 20; ++i)
        full.append(QStringLiteral("K%1").arg(i + 1));
    QTest::newRow("full") << 20 << 19 << int(Qt::Key_Up) << full << 19;
}

void TestKnobEdit::knobCount() {
    QFETCH(int, knobs);
    QFETCH(int, tab);
    QFETCH(int, key);
    QFETCH(QStringList, captions);
    QFETCH(int, selected);
    TKnobEditForm *f = Open(knobs);
    QVERIFY(f);
    QCOMPARE(f->NoKnobsPanel->isVisible(), knobs == 0);
    if (tab >= 0)
        f->KnobTabs->setCurrentIndex(tab);
    QTest::keyClick(f->KnobCountUpDown, Qt::Key(key));
    QCOMPARE(KnobCaptions(f->WorkingList()), captions);
    QCOMPARE(f->KnobTabs->count(), captions.size());
    QCOMPARE(f->KnobCountEdit->text(), QString::number(captions.size()));
    QCOMPARE(f->KnobTabs->currentIndex(), selected);
    QCOMPARE(f->KnobTabControl->isVisible(), !captions.isEmpty());
    QCOMPARE(f->NoKnobsPanel->isVisible(), captions.isEmpty());
    QCOMPARE(f->Modified(), knobs != 20);
    if (selected >= 0) {
        QCOMPARE(f->KnobTabs->tabText(selected), QStringLiteral("Knob %1").arg(selected + 1));
        QCOMPARE(f->KnobNameEdit->text(), captions[selected]);
    }
    if (captions.value(selected) == QLatin1String("Foot Control / General 1")) {
        // a general-purpose controller rather than bank select
        QCOMPARE(f->KnobControllerBox->currentIndex(), 16);
        QCOMPARE(f->WorkingList().IUser(selected), 16);
        QCOMPARE(f->DefaultValueEdit->text(), QStringLiteral("0"));
    }
    QCOMPARE(FBar.Count(), knobs); // nothing handed over yet
}

void TestKnobEdit::applyHandsOverWhatTheFieldsShow_data() {
    QTest::addColumn<bool>("leaveTab");
    QTest::newRow("tab left first") << true;
    QTest::newRow("applied at once") << false;
}

void TestKnobEdit::applyHandsOverWhatTheFieldsShow() {
    QFETCH(bool, leaveTab);
    TKnobEditForm *f = Open(2);
    QVERIFY(f);
    f->KnobNameEdit->setFocus();
    f->KnobNameEdit->selectAll();
    QTest::keyClicks(f->KnobNameEdit, QStringLiteral("Cutoff"));
    if (leaveTab)
        f->KnobTabs->setCurrentIndex(1);
    QTest::mouseClick(f->ApplyButton, Qt::LeftButton);
    QCOMPARE(KnobCaptions(FBar), (QStringList{"Cutoff", "K2"}));
    QCOMPARE(FAssigned, 1);
    QVERIFY(FSelected.isEmpty());
}

void TestKnobEdit::fieldsOfAKnob() {
    TKnobEditForm *f = Open(1);
    QVERIFY(f);
    QCOMPARE(f->KnobControllerBox->count(), 128);
    QCOMPARE(f->KnobControllerBox->itemText(1), QStringLiteral("001 Modulation"));
    QCOMPARE(f->KnobControllerBox->currentIndex(), 20);
    QCOMPARE(f->DefaultValueEdit->text(), QStringLiteral("64"));
    // the relative range shows the default value around 64
    QTest::mouseClick(f->KnobNegativeRadio, Qt::LeftButton);
    QCOMPARE(f->DefaultValueEdit->text(), QStringLiteral("+0"));
    QTest::keyClick(f->DefaultValueUpDown, Qt::Key_Down);
    QCOMPARE(f->DefaultValueEdit->text(), QStringLiteral("-1"));
    QVERIFY(f->Modified());
    // a controller chosen keeps a name the user gave ("Cutoff" became "Brightness")...
    f->KnobControllerBox->setCurrentIndex(10);
    Q_EMIT f->KnobControllerBox->activated(10);
    QCOMPARE(f->KnobNameEdit->text(), QStringLiteral("K1"));
    // ...and replaces the previous controller's own name, or no name
    f->KnobNameEdit->setText(QStringLiteral("Panpot"));
    f->KnobControllerBox->setCurrentIndex(11);
    Q_EMIT f->KnobControllerBox->activated(11);
    QCOMPARE(f->KnobNameEdit->text(), QStringLiteral("Expression"));
    f->KnobNameEdit->clear();
    f->KnobControllerBox->setCurrentIndex(10);
    Q_EMIT f->KnobControllerBox->activated(10);
    QCOMPARE(f->KnobNameEdit->text(), QStringLiteral("Panpot"));
    QTest::mouseClick(f->ApplyButton, Qt::LeftButton);
    QCOMPARE(FBar.Caption(0), QStringLiteral("Panpot"));
    QCOMPARE(FBar.IUser(0), 10);
    QCOMPARE(FBar.DisplayMode(0), 1);
    QCOMPARE(FBar.DefaultValue(0), 63);
}

void TestKnobEdit::numberBoxesTakeTypedValues_data() {
    // The knob count and default value showed a text cursor but refused typing.
    QTest::addColumn<bool>("count");    // the knob count, else the first knob's default value
    QTest::addColumn<bool>("relative"); // the range -64..+63
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value"); // knobs, or the default value as stored (0..127)
    QTest::addColumn<QString>("shown");
    QTest::newRow("count 3") << true << false << "3" << 3 << "3";
    QTest::newRow("count 0") << true << false << "0" << 0 << "0";
    QTest::newRow("count 25: the 5 refused") << true << false << "25" << 2 << "2";
    QTest::newRow("count: letters refused") << true << false << "x4" << 4 << "4";
    QTest::newRow("default 100") << false << false << "100" << 100 << "100";
    QTest::newRow("default 200: the last 0 refused") << false << false << "200" << 20 << "20";
    QTest::newRow("relative -10") << false << true << "-10" << 54 << "-10";
    QTest::newRow("relative 0 shown as +0") << false << true << "0" << 64 << "+0";
    QTest::newRow("relative +70: the 0 refused") << false << true << "+70" << 71 << "+7";
}

void TestKnobEdit::numberBoxesTakeTypedValues() {
    QFETCH(bool, count);
    QFETCH(bool, relative);
    QFETCH(QString, typed);
    QFETCH(int, value);
    QFETCH(QString, shown);
    TKnobEditForm *f = Open(1);
    QVERIFY(f);
    if (relative)
        QTest::mouseClick(f->KnobNegativeRadio, Qt::LeftButton);
    QLineEdit *edit = count ? f->KnobCountEdit : f->DefaultValueEdit;
    QVERIFY(!edit->isReadOnly());
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    f->PresetsBox->setFocus(); // leaving the box enters what was typed
    QCOMPARE(edit->text(), shown);
    if (count) {
        QCOMPARE(f->WorkingList().Count(), value);
        QCOMPARE(f->KnobTabs->count(), value);
    } else {
        QVERIFY(f->Modified());
        QTest::mouseClick(f->ApplyButton, Qt::LeftButton);
        QCOMPARE(FBar.DefaultValue(0), value);
    }
}

void TestKnobEdit::newPresetNames_data() {
    QTest::addColumn<QStringList>("inputs"); // "<cancel>" cancels the box
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QStringList>("stored");
    const QString ask = QStringLiteral("Enter New Preset|Enter the name of the new knob preset:|");
    QTest::newRow("accepted") << QStringList{"Mine"} << QStringList{ask + "New Preset"}
                              << QStringList{"Mine", "piano"};
    QTest::newRow("reserved default")
        << QStringList{"default", "Mine"}
        << QStringList{ask + "New Preset", "You can't name a preset \"Default\".", ask + "default"}
        << QStringList{"Mine", "piano"};
    QTest::newRow("reserved current")
        << QStringList{"CURRENT", "Mine"}
        << QStringList{ask + "New Preset", "You can't name a preset \"Current\".", ask + "CURRENT"}
        << QStringList{"Mine", "piano"};
    QTest::newRow("taken") << QStringList{"PIANO", "Mine"}
                           << QStringList{ask + "New Preset",
                                          "A preset with this name already exists !", ask + "PIANO"}
                           << QStringList{"Mine", "piano"};
    QTest::newRow("empty") << QStringList{"  ", "Mine"}
                           << QStringList{ask + "New Preset", "Please enter a name for the preset.",
                                          ask + "  "}
                           << QStringList{"Mine", "piano"};
    QTest::newRow("cancelled") << QStringList{"<cancel>"} << QStringList{ask + "New Preset"}
                               << QStringList{"piano"};
}

void TestKnobEdit::newPresetNames() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, seen);
    QFETCH(QStringList, stored);
    StorePreset(QStringLiteral("piano"), {QStringLiteral("P")});
    TKnobEditForm *f = Open(2);
    QVERIFY(f);
    TModalAnswers answers;
    for (const QString &input : inputs) {
        if (input == QLatin1String("<cancel>")) {
            answers.Input(std::nullopt);
        } else {
            answers.Input(input);
            if (input != QLatin1String("Mine"))
                answers.Box(QMessageBox::Ok);
        }
    }
    QTest::mouseClick(f->NewPresetButton, Qt::LeftButton);
    QVERIFY(answers.Done());
    QCOMPARE(answers.Seen, seen);
    QCOMPARE(StoredPresets(), stored);
    const bool made = stored.contains(QStringLiteral("Mine"));
    QCOMPARE(f->PresetsBox->currentText(), made ? QStringLiteral("Mine") : QString());
    QCOMPARE(f->PresetIndex(), made ? 0 : -1);
    QCOMPARE(FPresetsChanged, made ? 1 : 0);
    QCOMPARE(f->SavePresetButton->isEnabled(), made);
    if (made)
        QCOMPARE(StoredCaptions(QStringLiteral("Mine")), (QStringList{"K1", "K2"}));
}

void TestKnobEdit::deletePreset_data() {
    QTest::addColumn<QStringList>("presets");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selected");
    QTest::newRow("only one") << QStringList{"Solo"} << 0 << int(QMessageBox::Yes) << QStringList{}
                              << -1;
    // The neighbour is not selected: Save and OK would write the knobs shown over it.
    QTest::newRow("last of two") << QStringList{"a", "b"} << 1 << int(QMessageBox::Yes)
                                 << QStringList{"a"} << -1;
    QTest::newRow("first of two") << QStringList{"a", "b"} << 0 << int(QMessageBox::Yes)
                                  << QStringList{"b"} << -1;
    QTest::newRow("not confirmed")
        << QStringList{"a", "b"} << 1 << int(QMessageBox::No) << QStringList{"a", "b"} << 1;
}

void TestKnobEdit::deletePreset() {
    QFETCH(QStringList, presets);
    QFETCH(int, chosen);
    QFETCH(int, answer);
    QFETCH(QStringList, left);
    QFETCH(int, selected);
    for (const QString &name : presets)
        StorePreset(name, {name});
    TKnobEditForm *f = Open(1, presets[chosen]);
    QVERIFY(f);
    QCOMPARE(f->PresetsBox->currentIndex(), chosen);
    TModalAnswers answers;
    answers.Box(QMessageBox::StandardButton(answer));
    QTest::mouseClick(f->DeletePresetButton, Qt::LeftButton);
    QVERIFY(answers.Done());
    QCOMPARE(answers.Seen, QStringList{QStringLiteral("Are you sure to delete preset \"%1\" ?\n"
                                                      "This can't be undone later !")
                                           .arg(presets[chosen])});
    QCOMPARE(StoredPresets(), left);
    QCOMPARE(f->PresetsBox->count(), left.size());
    QCOMPARE(f->PresetsBox->currentIndex(), selected);
    QCOMPARE(f->PresetIndex(), selected);
    QCOMPARE(f->SavePresetButton->isEnabled(), selected >= 0);
    QCOMPARE(f->DeletePresetButton->isEnabled(), selected >= 0);
    QCOMPARE(KnobCaptions(f->WorkingList()), QStringList{"K1"});
}

void TestKnobEdit::choosingAPresetAsksToSave_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("working");
    QTest::addColumn<QStringList>("storedA");
    QTest::addColumn<QString>("box");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QStringList{"B"} << QStringList{"Changed"}
                         << "B";
    QTest::newRow("no") << int(QMessageBox::No) << QStringList{"B"} << QStringList{"A"} << "B";
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringList{"A"} << QStringList{"A"}
                            << "A";
}

void TestKnobEdit::choosingAPresetAsksToSave() {
    QFETCH(int, answer);
    QFETCH(QStringList, working);
    QFETCH(QStringList, storedA);
    QFETCH(QString, box);
    StorePreset(QStringLiteral("A"), {QStringLiteral("A")});
    StorePreset(QStringLiteral("B"), {QStringLiteral("B")});
    FBar.Add(QStringLiteral("A"), 20, 0, 64);
    TKnobEditForm *f = Open(0, QStringLiteral("A"));
    QVERIFY(f);
    f->KnobNameEdit->setFocus();
    f->KnobNameEdit->selectAll();
    QTest::keyClicks(f->KnobNameEdit, QStringLiteral("Changed"));
    TModalAnswers answers;
    answers.Box(QMessageBox::StandardButton(answer));
    Choose(f->PresetsBox, 1);
    QVERIFY(answers.Done());
    QCOMPARE(answers.Seen, QStringList{"You have made changes to knob preset \"A\". Do you want "
                                       "to save it ?"});
    QCOMPARE(KnobCaptions(f->WorkingList()), working);
    QCOMPARE(StoredCaptions(QStringLiteral("A")), storedA);
    QCOMPARE(f->PresetsBox->currentText(), box);
    QCOMPARE(f->Modified(), answer == QMessageBox::Cancel);
    QCOMPARE(f->KnobNameEdit->text(),
             working == QStringList{"B"} ? QStringLiteral("B") : QStringLiteral("Changed"));
}

void TestKnobEdit::savedAsNewBeforeChoosing() {
    StorePreset(QStringLiteral("B"), {QStringLiteral("B")});
    TKnobEditForm *f = Open(1);
    QVERIFY(f);
    QCOMPARE(f->PresetIndex(), -1);
    QTest::keyClick(f->KnobCountUpDown, Qt::Key_Up);
    TModalAnswers answers;
    answers.Box(QMessageBox::Yes).Input(QStringLiteral("A"));
    Choose(f->PresetsBox, 0);
    QVERIFY(answers.Done());
    QCOMPARE(answers.Seen.value(0),
             QStringLiteral("You have changed the knobs. Do you want to save them as a preset ?"));
    QCOMPARE(StoredCaptions(QStringLiteral("A")), (QStringList{"K1", "Foot Control / General 1"}));
    // the preset chosen is loaded, not the one just made in front of it
    QCOMPARE(f->PresetsBox->currentText(), QStringLiteral("B"));
    QCOMPARE(KnobCaptions(f->WorkingList()), QStringList{"B"});
}

void TestKnobEdit::presetWithAControllerAbove127IsReported() {
    {
        TRegistryIniFile store(KnobPresetsKey);
        const QString wide = QStringLiteral("Wide");
        for (auto [n, caption, controller] :
             {std::tuple{1, "Far", 135}, std::tuple{2, "Pan", 10}}) {
            store.WriteString(wide, QStringLiteral("Caption%1").arg(n),
                              QString::fromLatin1(caption));
            store.WriteInteger(wide, QStringLiteral("IUser%1").arg(n), controller);
            store.WriteInteger(wide, QStringLiteral("DisplayMode%1").arg(n), 0);
            store.WriteInteger(wide, QStringLiteral("DefaultValue%1").arg(n), 64);
        }
    }
    TKnobEditForm *f = Open(1);
    QVERIFY(f);
    TModalAnswers answers;
    answers.Box(QMessageBox::Ok);
    Choose(f->PresetsBox, 0);
    QVERIFY(answers.Done());
    QCOMPARE(answers.Seen.size(), 1);
    QVERIFY2(answers.Seen[0].contains(QStringLiteral("\"Wide\"")) &&
                 answers.Seen[0].contains(QStringLiteral("135")),
             qPrintable(answers.Seen[0]));
    // the knob is left out, not moved to controller 7 (135's low bits)
    QCOMPARE(KnobCaptions(f->WorkingList()), QStringList{"Pan"});
    QCOMPARE(f->KnobControllerBox->currentIndex(), 10);
}

void TestKnobEdit::textsNotClippedAtLargerFonts_data() {
    QTest::addColumn<qreal>("scale"); // 1.5: a 144 DPI desktop
    QTest::addColumn<int>("knobs");
    QTest::newRow("usual font") << 1.0 << 1;
    QTest::newRow("font x1.5") << 1.5 << 1;
    QTest::newRow("font x1.5, no knob") << 1.5 << 0;
}

void TestKnobEdit::textsNotClippedAtLargerFonts() {
    QFETCH(qreal, scale);
    QFETCH(int, knobs);
    const QFont usual = QApplication::font();
    QFont font = usual;
    font.setPointSizeF(usual.pointSizeF() * scale);
    QApplication::setFont(font);
    const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
    TKnobEditForm *f = Open(knobs);
    QVERIFY(f);
    QStringList clipped;
    for (QWidget *w : f->findChildren<QWidget *>()) {
        if (!w->isVisible() || qobject_cast<QLineEdit *>(w) || w->parentWidget() == nullptr)
            continue;
        const QString name = Described(w);
        const QSize need = w->minimumSizeHint();
        const int height = w->hasHeightForWidth() ? w->heightForWidth(w->width()) : need.height();
        if (w->width() < need.width() || w->height() < height)
            clipped << name + QStringLiteral(": %1x%2 < %3x%4")
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(need.width())
                                  .arg(height);
        if (!w->parentWidget()->rect().contains(w->geometry()))
            clipped << name + QStringLiteral(": outside its parent");
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void TestKnobEdit::learnOnlyWithTheControllerBoxFocused() {
    TKnobEditForm *f = Open(1);
    QVERIFY(f);
    f->SelectController(33);
    QCOMPARE(f->KnobControllerBox->currentIndex(), 20);
    f->KnobControllerBox->setFocus();
    QTRY_VERIFY(f->KnobControllerBox->hasFocus());
    f->SelectController(33);
    QCOMPARE(f->KnobControllerBox->currentIndex(), 33);
    f->SelectController(500);
    QCOMPARE(f->KnobControllerBox->currentIndex(), 127);
    QCOMPARE(f->KnobNameEdit->text(), QStringLiteral("K1"));
    QVERIFY(!f->Modified());
    // the choice counts once committed: Apply hands it over
    QTest::mouseClick(f->ApplyButton, Qt::LeftButton);
    QCOMPARE(FBar.IUser(0), 127);
    QCOMPARE(FBar.Caption(0), QStringLiteral("K1"));
}

void TestKnobEdit::okAndCancel_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<QStringList>("selected");
    QTest::newRow("ok, changed") << true << true << QStringList{"K1", "Foot Control / General 1"}
                                 << QStringList{};
    QTest::newRow("ok, preset unchanged") << true << false << QStringList{"K1"} << QStringList{"P"};
    QTest::newRow("cancel") << false << true << QStringList{"K1"} << QStringList{};
}

void TestKnobEdit::okAndCancel() {
    QFETCH(bool, ok);
    QFETCH(bool, modified);
    QFETCH(QStringList, bar);
    QFETCH(QStringList, selected);
    StorePreset(QStringLiteral("P"), {QStringLiteral("P")});
    TKnobEditForm *f = Open(1, QStringLiteral("P"));
    QVERIFY(f);
    f->move(123, 145);
    const QPoint inside = f->geometry().topLeft(); // kept inside the frame
    if (modified)
        QTest::keyClick(f->KnobCountUpDown, Qt::Key_Up);
    TModalAnswers answers;
    if (ok && modified)
        answers.Box(QMessageBox::No);
    QTest::mouseClick(ok ? f->OkButton : f->CancelButton, Qt::LeftButton);
    QVERIFY(answers.Done());
    QTRY_VERIFY(!FForm);
    QCOMPARE(KnobCaptions(FBar), bar);
    QCOMPARE(FSelected, selected);
    QCOMPARE(FAssigned, ok && modified ? 1 : 0);
    const TRegistryIniFile store;
    QCOMPARE(store.ReadInteger(TKnobEditForm::StateSection, TKnobEditForm::ValFormLeft, -1),
             inside.x());
    QCOMPARE(store.ReadInteger(TKnobEditForm::StateSection, TKnobEditForm::ValFormTop, -1),
             inside.y());
}

QTEST_MAIN(TestKnobEdit)
#include "tst_knobedit.moc"
