#include "app/mainwindow.h"
#include "controls/imgcontrol.h"
#include "controls/vkedit.h"
#include "core/midivocabulary.h"
#include "dialogs/numberedit.h"
#include "dialogs/settings.h"
#include "keyboard/keyboard.h"
#include "router/midirouter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

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

// A key as the window system delivers it, with its set 1 scan code, to W's window.
void ClickKey(QWidget *W, quint32 Scan, int Key, const QString &Text) {
    static quint64 time = 1000;
    QWindow *window = W->window()->windowHandle();
    QVERIFY(window);
    for (QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent e(type, Key, Qt::NoModifier, Scan, 0, 0, Text);
        e.setTimestamp(type == QEvent::KeyRelease ? ++time + 50 : time + 1);
        QCoreApplication::sendEvent(window, &e);
    }
    ++time;
}

void TypeInto(QLineEdit *Edit, const QString &Text) {
    Edit->setFocus();
    Edit->selectAll();
    QTest::keyClicks(Edit, Text);
    QTest::keyClick(Edit, Qt::Key_Return);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void codeEntries_data();
    void codeEntries();
    void joystickActionTexts_data();
    void joystickActionTexts();
    void shiftFactorShown_data();
    void shiftFactorShown();
    void shiftFactorApplied_data();
    void shiftFactorApplied();
    void velocityEdit_data();
    void velocityEdit();
    void keyEditsTakeOnlyTheirRow_data();
    void keyEditsTakeOnlyTheirRow();
    void generalAndWheelPagesApply();
    void expressionOptionsApplyAndShow();
    void learn_data();
    void learn();
    void joystickLearnReachesTheWindowOnApply();
    void joystickChoiceEditsTheCopy();
    void liveOptions_data();
    void liveOptions();
    void keyWidthBarIsLentAndReturned();
    void oldStyleNeedsNoImages();
    void menuKeepsOneInstanceOnTheFirstPage();
    void screenshots();

private:
    TSettings *Open();
    std::unique_ptr<QTemporaryDir> FConfig;
    std::unique_ptr<TMainWindow> W;
};

void TestSettings::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    W = std::make_unique<TMainWindow>(TMidiApi::maNone, false);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W.get()));
}

void TestSettings::cleanup() {
    W.reset();
}

TSettings *TestSettings::Open() {
    QAction *item = OptionsItem(*W, QStringLiteral("&Settings..."));
    if (!item || !item->isEnabled())
        return nullptr;
    item->trigger();
    TSettings *s = W->Settings();
    if (!s || !QTest::qWaitForWindowActive(s))
        return nullptr;
    return s;
}

void TestSettings::codeEntries_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    const QStringList names = MidiTool::ControllerEntries();
    QTest::newRow("pitch bend") << 128 << 1 << "Pitch Wheel";
    QTest::newRow("none") << 129 << 0 << "(none)";
    QTest::newRow("controller 7") << 7 << 9 << names.at(7);
    QTest::newRow("controller 127") << 127 << 129 << names.at(127);
}

void TestSettings::codeEntries() {
    QFETCH(int, code);
    QFETCH(int, entry);
    QFETCH(QString, text);
    QCOMPARE(TSettings::CodeToEntry(code), entry);
    QCOMPARE(TSettings::EntryToCode(entry), code);
    W->Keyboard()->Model().SetLeftRightController(code);
    W->Keyboard()->Model().SetUpDownController(code);
    TSettings *s = Open();
    QVERIFY(s);
    QCOMPARE(s->LeftRightBox->count(), 130);
    QCOMPARE(s->LeftRightBox->currentIndex(), entry);
    QCOMPARE(s->LeftRightBox->currentText(), text);
    QCOMPARE(s->UpDownBox->currentIndex(), entry);
    // Applying unchanged lists keeps the codes.
    QTest::mouseClick(s->ApplyButton, Qt::LeftButton);
    QCOMPARE(int(W->Keyboard()->Model().LeftRightController()), code);
    QCOMPARE(int(W->Keyboard()->Model().UpDownController()), code);
}

void TestSettings::joystickActionTexts_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Joystick 0 left/right";
    QTest::newRow("5") << 5 << "Joystick 1 Z-layer";
    QTest::newRow("6") << 6 << "Joystick 0 left/right button 1 pressed";
    QTest::newRow("29") << 29 << "Joystick 1 Z-layer button 4 pressed";
}

void TestSettings::joystickActionTexts() {
    QFETCH(int, entry);
    QFETCH(QString, text);
    TSettings *s = Open();
    QVERIFY(s);
    QCOMPARE(s->JoystickActionBox->count(), 30);
    QCOMPARE(s->JoystickActionBox->itemText(entry), text);
}

void TestSettings::shiftFactorShown_data() {
    QTest::addColumn<float>("factor");
    QTest::addColumn<bool>("louder");
    QTest::addColumn<int>("percent");
    QTest::newRow("1.25") << 1.25f << true << 25;
    QTest::newRow("0.75") << 0.75f << false << 25;
    QTest::newRow("1.0 shows the minimum") << 1.0f << false << 1;
    QTest::newRow("0") << 0.0f << false << 99;
}

void TestSettings::shiftFactorShown() {
    QFETCH(float, factor);
    QFETCH(bool, louder);
    QFETCH(int, percent);
    W->Keyboard()->Model().SetVelocityShiftFactor(factor);
    TSettings *s = Open();
    QVERIFY(s);
    QCOMPARE(s->ShiftLouderRadio->isChecked(), louder);
    QCOMPARE(s->ShiftQuieterRadio->isChecked(), !louder);
    QCOMPARE(s->ShiftVelocityUpDown->Position(), percent);
    QCOMPARE(s->ShiftVelocityUpDown->Edit()->text(), QString::number(percent));
}

void TestSettings::shiftFactorApplied_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("louder");
    QTest::addColumn<float>("factor");
    QTest::newRow("louder 50") << "50" << true << 1.5f;
    QTest::newRow("quieter 25") << "25" << false << 0.75f;
    // A factor of 0 would play Shift notes as note-offs: the keyboard keeps its floor.
    QTest::newRow("quieter 100") << "100" << false << 0.01f;
    QTest::newRow("above the range clamps") << "250" << true << 2.0f;
}

void TestSettings::shiftFactorApplied() {
    QFETCH(QString, typed);
    QFETCH(bool, louder);
    QFETCH(float, factor);
    TSettings *s = Open();
    QVERIFY(s);
    s->ShowPage(TSettings::pgPlaying);
    QTest::mouseClick(louder ? s->ShiftLouderRadio : s->ShiftQuieterRadio, Qt::LeftButton);
    TypeInto(s->ShiftVelocityUpDown->Edit(), typed);
    QTest::mouseClick(s->ApplyButton, Qt::LeftButton);
    QCOMPARE(W->Keyboard()->Model().VelocityShiftFactor(), factor);
    QVERIFY(W->Keyboard()->Model().ShiftVelocity() > 0);
}

void TestSettings::velocityEdit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // 0: leave by clicking OK
    QTest::addColumn<int>("velocity");
    QTest::newRow("Enter") << "64" << int(Qt::Key_Return) << 64;
    QTest::newRow("clamped") << "300" << int(Qt::Key_Return) << 127;
    QTest::newRow("not a number") << "ab" << int(Qt::Key_Return) << 100;
    QTest::newRow("Esc puts the position back") << "12" << int(Qt::Key_Escape) << 100;
    QTest::newRow("leaving by OK") << "33" << 0 << 33;
}

void TestSettings::velocityEdit() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, velocity);
    W->Keyboard()->Model().SetVelocity(100);
    QPointer<TSettings> s = Open();
    QVERIFY(s);
    s->ShowPage(TSettings::pgPlaying);
    QLineEdit *e = s->VelocityUpDown->Edit();
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, typed);
    if (key) {
        QTest::keyClick(e, Qt::Key(key));
        // Both keys stay in the edit: neither OK nor Cancel ran.
        QVERIFY(s && s->isVisible());
        if (key == Qt::Key_Escape)
            QCOMPARE(e->text(), QStringLiteral("100"));
        QTest::mouseClick(s->OkButton, Qt::LeftButton);
    } else {
        QTest::mouseClick(s->OkButton, Qt::LeftButton);
    }
    QTRY_VERIFY(!s);
    QCOMPARE(int(W->Keyboard()->Model().Velocity()), velocity);
}

void TestSettings::expressionOptionsApplyAndShow() {
    TKeyboardModel &m = W->Keyboard()->Model();
    QPointer<TSettings> s = Open();
    QVERIFY(s);
    QVERIFY(s->VelocityByPositionCheck->isChecked()); // as the main window starts
    s->VelocityByPositionCheck->setChecked(false);
    s->SoftestVelocityUpDown->SetPosition(20);
    s->LoudestVelocityUpDown->SetPosition(110);
    s->VelocityCurveBar->setValue(50);
    s->TouchPressureCheck->setChecked(false);
    s->NoteLabelsBox->setCurrentIndex(2);
    s->FlatsRadio->setChecked(true);
    s->MiddleCBox->setCurrentIndex(1);
    s->ComputerKeyLabelsCheck->setChecked(true);
    s->KeyNamesOnKeysCheck->setChecked(true);
    s->ScaleRootBox->setCurrentIndex(9);
    s->ScaleBox->setCurrentIndex(int(TScale::scMinorPentatonic));
    s->ScaleKeysOnlyCheck->setChecked(true);
    QTest::mouseClick(s->OkButton, Qt::LeftButton);
    QTRY_VERIFY(!s);
    QVERIFY(!m.VelocityByPosition());
    QCOMPARE(m.VelocityCurve(), (TVelocityCurve{20, 110, 50}));
    QVERIFY(!m.TouchPressure());
    QCOMPARE(m.NoteLabels(), TNoteLabels::nlAll);
    QVERIFY(m.FlatNames());
    QCOMPARE(m.MiddleCOctave(), 4);
    QVERIFY(m.ComputerKeyLabels() && m.KeyNamesOnKeys());
    QCOMPARE(m.ScaleRoot(), 9);
    QCOMPARE(m.Scale(), TScale::scMinorPentatonic);
    QVERIFY(m.ScaleKeysOnly());
    // Shown again as they are; the key notes named as the keyboard names notes now.
    s = Open();
    QVERIFY(s);
    QVERIFY(!s->VelocityByPositionCheck->isChecked());
    QCOMPARE(s->LoudestVelocityUpDown->Position(), 110);
    QCOMPARE(s->VelocityCurveBar->value(), 50);
    QCOMPARE(s->MiddleCBox->currentText(), QStringLiteral("C4"));
    QCOMPARE(s->ScaleRootBox->itemText(1), QStringLiteral("Db"));
    QCOMPARE(s->ScaleRootBox->currentIndex(), 9);
    QVERIFY(s->ScaleKeysOnlyCheck->isChecked());
}

void TestSettings::keyEditsTakeOnlyTheirRow_data() {
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("applied");
    QTest::newRow("upper W") << true << 17 << int(Qt::Key_W) << 17;
    QTest::newRow("upper ] ends the row") << true << 27 << int(Qt::Key_BracketRight) << 27;
    QTest::newRow("upper refuses A") << true << 30 << int(Qt::Key_A) << 18;
    QTest::newRow("upper refuses 1") << true << 2 << int(Qt::Key_1) << 18;
    QTest::newRow("lower X") << false << 45 << int(Qt::Key_X) << 45;
    QTest::newRow("lower / ends the row") << false << 53 << int(Qt::Key_Slash) << 53;
    QTest::newRow("lower refuses Q") << false << 16 << int(Qt::Key_Q) << 46;
    QTest::newRow("lower refuses right Shift") << false << 54 << int(Qt::Key_Shift) << 46;
}

void TestSettings::keyEditsTakeOnlyTheirRow() {
    QFETCH(bool, upper);
    QFETCH(int, scan);
    QFETCH(int, key);
    QFETCH(int, applied);
    TKeyboardModel &m = W->Keyboard()->Model();
    m.SetUpperCScanCode(18);
    m.SetLowerCScanCode(46);
    TSettings *s = Open();
    QVERIFY(s);
    s->ShowPage(TSettings::pgPlaying);
    TVKEdit *edit = upper ? s->UpperKeyEdit : s->LowerKeyEdit;
    QCOMPARE(edit->Sequence().Count(), 1);
    QCOMPARE(edit->Sequence().EventAt(0).EventScanCode(), upper ? 18 : 46);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    ClickKey(edit, quint32(scan), key, QString());
    // Nothing reaches the keyboard before Apply.
    QCOMPARE(int(upper ? m.UpperCScanCode() : m.LowerCScanCode()), upper ? 18 : 46);
    QTest::mouseClick(s->ApplyButton, Qt::LeftButton);
    QCOMPARE(int(upper ? m.UpperCScanCode() : m.LowerCScanCode()), applied);
    QTest::mouseClick(upper ? s->DefaultUpperKeyButton : s->DefaultLowerKeyButton, Qt::LeftButton);
    QTest::mouseClick(s->ApplyButton, Qt::LeftButton);
    QCOMPARE(int(upper ? m.UpperCScanCode() : m.LowerCScanCode()), upper ? 16 : 44);
}

void TestSettings::generalAndWheelPagesApply() {
    TKeyboardModel &m = W->Keyboard()->Model();
    W->SetModWheelController(200); // out of range shows clamped
    TSettings *s = Open();
    QVERIFY(s);
    QCOMPARE(s->ModulationWheelBox->count(), 128);
    QCOMPARE(s->ModulationWheelBox->currentIndex(), 127);
    // On the indicator: a radio button takes clicks there and on its text only.
    const QPoint indicator(8, s->GermanNamesRadio->height() / 2);
    QTest::mouseClick(s->GermanNamesRadio, Qt::LeftButton, {}, indicator);
    s->ModulationWheelBox->setCurrentIndex(11);
    s->MouseWheelBox->setCurrentIndex(1);
    s->MouseWheelSensitivityBar->setValue(9);
    s->UpDownBox->setCurrentIndex(0);
    // Nothing before Apply.
    QCOMPARE(m.Language(), TLanguage::International);
    QCOMPARE(W->MouseWheelController(), 1);
    QTest::mouseClick(s->ApplyButton, Qt::LeftButton);
    QCOMPARE(m.Language(), TLanguage::German);
    QCOMPARE(int(W->ModWheelController()), 11);
    QCOMPARE(W->MouseWheelController(), 128);
    QCOMPARE(W->MouseWheelSensitivity(), 9);
    QCOMPARE(int(m.UpDownController()), 129);
    QTest::mouseClick(s->ItalianNamesRadio, Qt::LeftButton, {}, indicator);
    QTest::mouseClick(s->OkButton, Qt::LeftButton);
    QCOMPARE(m.Language(), TLanguage::Italian);
}

void TestSettings::learn_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus"); // the list with the focus, or empty
    QTest::addColumn<int>("source");    // 0 knob turn, 1 MIDI input, 2 pitch strip
    QTest::addColumn<int>("controller");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("entry");
    QTest::newRow("knob 74 into left/right")
        << int(TSettings::pgController) << "LeftRightBox" << 0 << 74 << "LeftRightBox" << 76;
    QTest::newRow("input 10 into up/down")
        << int(TSettings::pgController) << "UpDownBox" << 1 << 10 << "UpDownBox" << 12;
    QTest::newRow("pitch strip into up/down")
        << int(TSettings::pgController) << "UpDownBox" << 2 << 0 << "UpDownBox" << 1;
    QTest::newRow("knob 74 into the mod wheel")
        << int(TSettings::pgController) << "ModulationWheelBox" << 0 << 74 << "ModulationWheelBox"
        << 74;
    QTest::newRow("pitch strip leaves the mod wheel")
        << int(TSettings::pgController) << "ModulationWheelBox" << 2 << 0 << "ModulationWheelBox"
        << 1;
    QTest::newRow("no focus on the controller page")
        << int(TSettings::pgController) << "" << 0 << 74 << "UpDownBox" << 3;
    QTest::newRow("mouse wheel page")
        << int(TSettings::pgMouseWheel) << "" << 1 << 20 << "MouseWheelBox" << 22;
    QTest::newRow("pitch on the mouse wheel page")
        << int(TSettings::pgMouseWheel) << "" << 2 << 0 << "MouseWheelBox" << 1;
    QTest::newRow("general page learns nothing")
        << int(TSettings::pgGeneral) << "" << 1 << 20 << "MouseWheelBox" << 3;
}

void TestSettings::learn() {
    QFETCH(int, page);
    QFETCH(QString, focus);
    QFETCH(int, source);
    QFETCH(int, controller);
    QFETCH(QString, list);
    QFETCH(int, entry);
    W->SetWheelController(1);
    W->SetModWheelController(1);
    W->Keyboard()->Model().SetUpDownController(1);
    W->Keyboard()->Model().SetLeftRightController(1);
    TSettings *s = Open();
    QVERIFY(s);
    s->ShowPage(TSettings::TPage(page));
    if (!focus.isEmpty()) {
        auto *f = s->findChild<QComboBox *>(focus);
        QVERIFY(f);
        f->setFocus();
        QTRY_VERIFY(f->hasFocus());
    } else {
        s->ApplyButton->setFocus();
    }
    if (source == 0)
        W->Router().SendController(uint8_t(controller), 5);
    else if (source == 1)
        W->Router().ReceiveNow({0xB3, uint8_t(controller), 5});
    else
        W->Router().SendPitchBend(1000);
    auto *l = s->findChild<QComboBox *>(list);
    QVERIFY(l);
    QCOMPARE(l->currentIndex(), entry);
}

void TestSettings::joystickLearnReachesTheWindowOnApply() {
    {
        TJoystickMap map = W->JoystickMap();
        map.Set(0, 1, 1, 74);
        W->SetJoystickMap(map);
    }
    TSettings *s = Open();
    QVERIFY(s);
    s->ShowPage(TSettings::pgJoystick);
    s->JoystickActionBox->setCurrentIndex(7); // joystick 0 up/down, button 1
    QCOMPARE(s->JoystickControllerBox->currentIndex(), 76);
    s->ApplyButton->setFocus();
    // With the automatic choice disabled nothing is learnt.
    QTest::mouseClick(s->DisableJoystickSetupCheck, Qt::LeftButton);
    W->Router().ReceiveNow({0xB0, 10, 64});
    QCOMPARE(s->JoystickControllerBox->currentIndex(), 76);
    QTest::mouseClick(s->DisableJoystickSetupCheck, Qt::LeftButton);
    W->Router().ReceiveNow({0xB0, 10, 64});
    QCOMPARE(s->JoystickControllerBox->currentIndex(), 12);
    QCOMPARE(s->JoystickCopy(0, 1, 1), 10);
    QCOMPARE(W->JoystickMap().At(0, 1, 1), 74);
    QTest::mouseClick(s->ApplyButton, Qt::LeftButton);
    QCOMPARE(W->JoystickMap().At(0, 1, 1), 10);
    QVERIFY(W->JoystickMap().Assigned(0));
    QVERIFY(!W->JoystickMap().Assigned(1));
}

void TestSettings::joystickChoiceEditsTheCopy() {
    {
        TJoystickMap map = W->JoystickMap();
        map.Set(1, 2, 4, 128);
        W->SetJoystickMap(map);
    }
    TSettings *s = Open();
    QVERIFY(s);
    s->ShowPage(TSettings::pgJoystick);
    QCOMPARE(s->JoystickActionBox->currentIndex(), 0);
    QCOMPARE(s->JoystickControllerBox->currentIndex(), 0);
    // Choosing an action shows its assignment; choosing a controller stores it in the copy.
    s->JoystickActionBox->setFocus();
    s->JoystickActionBox->setCurrentIndex(28);
    QTest::keyClick(s->JoystickActionBox, Qt::Key_Down); // 29: joystick 1 Z-layer, button 4
    QCOMPARE(s->JoystickActionBox->currentIndex(), 29);
    QCOMPARE(s->JoystickControllerBox->currentText(), QStringLiteral("Pitch Wheel"));
    s->JoystickControllerBox->setFocus();
    QTest::keyClick(s->JoystickControllerBox, Qt::Key_Up);
    QCOMPARE(s->JoystickCopy(1, 2, 4), 129);
    QTest::keyClick(s->JoystickActionBox, Qt::Key_Up);
    // Cancel drops the copy.
    QPointer<TSettings> p = s;
    QTest::mouseClick(s->CancelButton, Qt::LeftButton);
    QTRY_VERIFY(!p);
    QCOMPARE(W->JoystickMap().At(1, 2, 4), 128);
}

void TestSettings::liveOptions_data() {
    QTest::addColumn<int>("ending"); // 0 Cancel, 1 Esc, 2 close box, 3 Apply then Cancel
    QTest::newRow("Cancel undoes") << 0;
    QTest::newRow("Esc undoes") << 1;
    QTest::newRow("close box keeps") << 2;
    QTest::newRow("Cancel after Apply restores the applied") << 3;
}

void TestSettings::liveOptions() {
    QFETCH(int, ending);
    TKeyboardModel &m = W->Keyboard()->Model();
    m.SetVelocity(100);
    const TPaintStyle style = m.PaintStyle();
    const bool arrows = W->ArrowsVisible();
    const int keyWidth = W->KeyWidthBar()->value();
    QPointer<TSettings> s = Open();
    QVERIFY(s);
    QVERIFY(s->OldStyleCheck->isEnabled());
    QTest::mouseClick(s->OldStyleCheck, Qt::LeftButton);
    QVERIFY(m.PaintStyle() != style);
    QTest::mouseClick(s->ShowArrowsCheck, Qt::LeftButton);
    QCOMPARE(W->ArrowsVisible(), !arrows);
    QVERIFY(!W->LeftArrow()->isVisible() == arrows);
    W->KeyWidthBar()->setValue(keyWidth == 10 ? 1 : 10);
    s->VelocityUpDown->SetPosition(20); // not a live option
    TPaintStyle applied = style;
    if (ending == 3) {
        QTest::mouseClick(s->ApplyButton, Qt::LeftButton);
        applied = m.PaintStyle();
        QTest::mouseClick(s->OldStyleCheck, Qt::LeftButton);
        QCOMPARE(m.PaintStyle(), style);
    }
    const int appliedWidth = W->KeyWidthBar()->value();
    if (ending == 0 || ending == 3)
        QTest::mouseClick(s->CancelButton, Qt::LeftButton);
    else if (ending == 1)
        QTest::keyClick(s->OldStyleCheck, Qt::Key_Escape);
    else
        s->close();
    QTRY_VERIFY(!s);
    switch (ending) {
    case 2:
        QVERIFY(m.PaintStyle() != style);
        QCOMPARE(W->ArrowsVisible(), !arrows);
        QVERIFY(W->KeyWidthBar()->value() != keyWidth);
        QCOMPARE(int(m.Velocity()), 100);
        break;
    case 3:
        QCOMPARE(m.PaintStyle(), applied);
        QCOMPARE(W->KeyWidthBar()->value(), appliedWidth);
        // Arrow buttons go back to what they were at Show.
        QCOMPARE(W->ArrowsVisible(), arrows);
        QCOMPARE(int(m.Velocity()), 20);
        break;
    default:
        QCOMPARE(m.PaintStyle(), style);
        QCOMPARE(W->ArrowsVisible(), arrows);
        QCOMPARE(W->KeyWidthBar()->value(), keyWidth);
        QCOMPARE(int(m.Velocity()), 100);
        break;
    }
}

void TestSettings::keyWidthBarIsLentAndReturned() {
    QSlider *bar = W->KeyWidthBar();
    QWidget *home = bar->parentWidget();
    const QRect place = bar->geometry();
    QPointer<TSettings> s = Open();
    QVERIFY(s);
    QCOMPARE(bar->window(), static_cast<QWidget *>(s.data()));
    QVERIFY(bar->isVisible());
    QVERIFY(bar->geometry().top() > s->KeyWidthLabel->geometry().bottom());
    const int width = W->Keyboard()->Model().KeyWidth();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, bar->height() / 2));
    QVERIFY(W->Keyboard()->Model().KeyWidth() != width);
    // Closing the main window closes the dialog and gets its bar back.
    W->close();
    QTRY_VERIFY(!s);
    QCOMPARE(bar->parentWidget(), home);
    QCOMPARE(bar->geometry(), place);
    QVERIFY(bar->isHidden());
}

void TestSettings::oldStyleNeedsNoImages() {
    TKeyboardModel &m = W->Keyboard()->Model();
    m.SetImagesAvailable(false);
    QPointer<TSettings> s = Open();
    QVERIFY(s);
    // Without key pictures the drawn keyboard is the only style.
    QVERIFY(!s->OldStyleCheck->isEnabled());
    QVERIFY(s->OldStyleCheck->isChecked());
    QTest::mouseClick(s->OldStyleCheck, Qt::LeftButton);
    QTest::mouseClick(s->CancelButton, Qt::LeftButton);
    QTRY_VERIFY(!s);
    QCOMPARE(m.PaintStyle(), TPaintStyle::psDraw);
}

void TestSettings::menuKeepsOneInstanceOnTheFirstPage() {
    QAction *item = OptionsItem(*W, QStringLiteral("&Settings..."));
    QVERIFY(item);
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    TSettings *s = Open();
    QVERIFY(s);
    QCOMPARE(s->windowTitle(), QStringLiteral("Settings"));
    s->ShowPage(TSettings::pgMouseWheel);
    item->trigger();
    QCOMPARE(W->Settings(), s);
    QCOMPARE(s->PageControl->currentIndex(), int(TSettings::pgGeneral));
    // Not visible: no learning.
    s->hide();
    s->ShowPage(TSettings::pgMouseWheel);
    W->Router().ReceiveNow({0xB0, 20, 1});
    QCOMPARE(s->MouseWheelBox->currentIndex(), TSettings::CodeToEntry(W->MouseWheelController()));
    QPointer<TSettings> p = s;
    s->close();
    QTRY_VERIFY(!p);
    QVERIFY(!W->Settings());
}

void TestSettings::screenshots() {
    const QString dir = qEnvironmentVariable("ONDREL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("ONDREL_SCREENSHOT_DIR not set");
    TSettings *s = Open();
    QVERIFY(s);
    const char *names[] = {"general", "playing", "controller", "joystick", "mousewheel", "keys"};
    for (int page = 0; page < 6; ++page) {
        s->ShowPage(TSettings::TPage(page));
        QTest::qWait(20);
        QVERIFY(
            s->grab().save(QDir(dir).filePath(QStringLiteral("settings-%1.png").arg(names[page]))));
    }
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
