#include "controls/wheel.h"
#include "core/inifile.h"
#include "knobs/guiknoblist.h"

#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>
#include <vector>

namespace {

// The knob area of the main window: the prototypes where the window places them.
struct TBar {
    QWidget Window;
    QLabel *FirstName;
    QLabel *FirstValue;
    TWheel *FirstWheel;
    std::unique_ptr<TGUIKnobList> Knobs;
    std::vector<std::tuple<int, int>> Changes;

    TBar() {
        Window.resize(1200, 168);
        FirstName = new QLabel(QStringLiteral("Foot Controller 1"), &Window);
        FirstName->setGeometry(310, 7, 43, 11);
        FirstValue = new QLabel(QStringLiteral("777"), &Window);
        FirstValue->setGeometry(348, 31, 19, 13);
        FirstValue->hide();
        FirstWheel = new TWheel(&Window);
        FirstWheel->SetBounds(320, 17, 27, 27);
        FirstWheel->SetPositionMax(127);
        FirstWheel->SetFocusAction(TFocusAction::faFocusColor);
        FirstWheel->SetFocusColor(Qt::blue);
        FirstWheel->SetShowTrackHint(true);
        Knobs = std::make_unique<TGUIKnobList>(FirstName, FirstValue, FirstWheel);
        Knobs->OnKnobChange = [this](QObject *, int c, int v) { Changes.emplace_back(c, v); };
    }
    bool Show() {
        Window.show();
        Window.activateWindow();
        return QTest::qWaitForWindowExposed(&Window) && QTest::qWaitForWindowActive(&Window);
    }
};

} // namespace

class TestKnobBar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void firstKnobUsesThePrototypes();
    void deletingKnobs();
    void clearHidesThePrototypes();
    void fullBarIgnoresMore();
    void valueTexts_data();
    void valueTexts();
    void trackHintText_data();
    void trackHintText();
    void userTurnRaisesKnobChange();
    void setKnobPositionIsSilent();
    void doubleClickGoesToTheDefault_data();
    void doubleClickGoesToTheDefault();
    void loadingArranges();
    void snapshotValues();
    void longCaptionsAreShortenedNotCut_data();
    void longCaptionsAreShortenedNotCut();
};

void TestKnobBar::layout_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("values");
    QTest::newRow("one knob: at most four wheels wide") << 1 << 205 << 108 << true;
    QTest::newRow("one knob in a narrow band: one wheel") << 1 << 10 << 27 << false;
    QTest::newRow("three knobs: two columns") << 3 << 205 << 102 << true;
    QTest::newRow("twenty knobs: ten columns of one wheel") << 20 << 205 << 27 << false;
    QTest::newRow("46 pixels: values shown") << 20 << 460 << 46 << true;
    QTest::newRow("45 pixels: no values") << 20 << 459 << 45 << false;
}

void TestKnobBar::layout() {
    QFETCH(int, count);
    QFETCH(int, width);
    QFETCH(int, column);
    QFETCH(bool, values);
    TBar b;
    QVERIFY(b.Show());
    for (int i = 0; i < count; ++i)
        b.Knobs->Add(QStringLiteral("Knob %1").arg(i), i, 0, i);
    b.Knobs->SetArea(269, width);
    QCOMPARE(b.Knobs->ValuesShown(), values);
    const int pitch = 17 + 27 - 7 + 2;
    for (int i = 0; i < count; ++i) {
        const int x = 269 + (i / 2) * column;
        const int row = (i % 2) * pitch;
        TWheel *w = b.Knobs->Wheel(i);
        QCOMPARE(w->geometry(), QRect(x, 17 + row, 27, 27));
        QVERIFY(w->isVisible());
        QCOMPARE(w->ShowTrackHint(), !values);
        QCOMPARE(b.Knobs->NameLabel(i)->geometry(), QRect(x, 7 + row, column - 2, 11));
        QVERIFY(b.Knobs->NameLabel(i)->isVisible());
        QLabel *v = b.Knobs->ValueLabel(i);
        QCOMPARE(v->isVisible(), values);
        if (values) {
            QCOMPARE(v->geometry(), QRect(x + 27, 17 + row + 27 - 13, 19, 13));
            QCOMPARE(v->text(), QString::number(i));
        }
    }
}

void TestKnobBar::firstKnobUsesThePrototypes() {
    TBar b;
    b.Knobs->Add(QStringLiteral("Volume"), 7, 0, 100);
    QCOMPARE(b.Knobs->Wheel(0), b.FirstWheel);
    QCOMPARE(b.Knobs->NameLabel(0), b.FirstName);
    QCOMPARE(b.Knobs->ValueLabel(0), b.FirstValue);
    QCOMPARE(b.Knobs->Caption(0), QStringLiteral("Volume"));
    QCOMPARE(b.FirstWheel->Position(), 100);
    b.Knobs->Add(QStringLiteral("Pan"), 10, 1, 64);
    TWheel *second = b.Knobs->Wheel(1);
    QVERIFY(second != b.FirstWheel);
    QCOMPARE(second->parentWidget(), &b.Window);
    // the copy carries the prototype's settings
    QCOMPARE(second->PositionMax(), 127);
    QCOMPARE(second->FocusAction(), TFocusAction::faFocusColor);
    QCOMPARE(second->FocusColor(), QColor(Qt::blue));
    QCOMPARE(second->size(), QSize(27, 27));
    QCOMPARE(second->Position(), 64);
    QCOMPARE(b.Knobs->Caption(1), QStringLiteral("Pan"));
    QCOMPARE(b.Knobs->NameLabel(1)->font(), b.FirstName->font());
    QCOMPARE(second->property("Tag").toInt(), 1);
}

void TestKnobBar::deletingKnobs() {
    TBar b;
    QVERIFY(b.Show());
    b.Knobs->Add(QStringLiteral("A"), 1, 0, 10);
    b.Knobs->Add(QStringLiteral("B"), 2, 0, 20);
    b.Knobs->Add(QStringLiteral("C"), 3, 0, 30);
    QPointer<TWheel> second = b.Knobs->Wheel(1);
    QPointer<QLabel> secondName = b.Knobs->NameLabel(1);
    TWheel *third = b.Knobs->Wheel(2);
    // deleting the first knob keeps the prototypes, but no longer shows them
    b.Knobs->DeleteEntry(&b.Knobs->Entry(0));
    QVERIFY(b.FirstWheel && b.FirstName && b.FirstValue);
    QVERIFY(!b.FirstWheel->isVisible());
    QCOMPARE(b.Knobs->Count(), 2);
    // the knobs that moved up still answer as themselves
    b.Knobs->DeleteEntry(&b.Knobs->Entry(0));
    QVERIFY(!second && !secondName);
    b.Changes.clear();
    third->setFocus();
    QTest::keyClick(third, Qt::Key_Up);
    QCOMPARE(b.Changes, (std::vector<std::tuple<int, int>>{{3, 31}}));
    QCOMPARE(third->property("Tag").toInt(), 0);
}

void TestKnobBar::clearHidesThePrototypes() {
    TBar b;
    QVERIFY(b.Show());
    b.Knobs->Add(QStringLiteral("A"), 1, 0, 10);
    b.Knobs->Add(QStringLiteral("B"), 2, 0, 20);
    b.Knobs->SetArea(269, 205);
    QPointer<TWheel> second = b.Knobs->Wheel(1);
    QVERIFY(b.FirstWheel->isVisible());
    b.Knobs->Clear();
    QCOMPARE(b.Knobs->Count(), 0);
    QVERIFY(!second);
    QVERIFY(!b.FirstWheel->isVisible() && !b.FirstName->isVisible() && !b.FirstValue->isVisible());
    // the prototypes serve again
    b.Knobs->Add(QStringLiteral("C"), 3, 0, 30);
    QCOMPARE(b.Knobs->Wheel(0), b.FirstWheel);
    QVERIFY(b.FirstWheel->isVisible());
}

void TestKnobBar::fullBarIgnoresMore() {
    TBar b;
    for (int i = 0; i < 21; ++i)
        b.Knobs->Add(QStringLiteral("K%1").arg(i), i, 0, 0);
    QCOMPARE(b.Knobs->Count(), 20);
    QCOMPARE(b.Window.findChildren<TWheel *>().size(), 20);
}

void TestKnobBar::valueTexts_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    QTest::newRow("absolute") << 0 << 100 << "100";
    QTest::newRow("relative 0") << 1 << 0 << "-64";
    QTest::newRow("relative 63") << 1 << 63 << "-1";
    QTest::newRow("relative 64") << 1 << 64 << "+0";
    QTest::newRow("relative 127") << 1 << 127 << "+63";
    QTest::newRow("other modes leave the label") << 5 << 100 << "777";
}

void TestKnobBar::valueTexts() {
    QFETCH(int, mode);
    QFETCH(int, position);
    QFETCH(QString, label);
    TBar b;
    b.Knobs->Add(QStringLiteral("K"), 1, mode, 0);
    b.Knobs->Add(QStringLiteral("L"), 2, mode, 0);
    for (int i = 0; i < 2; ++i) {
        b.Knobs->SetKnobPosition(i, position);
        QCOMPARE(b.Knobs->ValueLabel(i)->text(), i == 1 && mode == 5 ? QString() : label);
    }
}

void TestKnobBar::trackHintText_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("hint");
    QTest::newRow("absolute") << "Volume" << 0 << 100 << "Volume: 100";
    QTest::newRow("relative") << "Pan" << 1 << 61 << "Pan: -3";
    QTest::newRow("other mode: the plain value") << "Odd" << 9 << 61 << "Odd: 61";
}

void TestKnobBar::trackHintText() {
    QFETCH(QString, caption);
    QFETCH(int, mode);
    QFETCH(int, position);
    QFETCH(QString, hint);
    TBar b;
    QVERIFY(b.Show());
    b.Knobs->Add(caption, 1, mode, position);
    b.Knobs->SetArea(269, 20); // narrow: hints rather than value labels
    TWheel *w = b.Knobs->Wheel(0);
    QVERIFY(w->ShowTrackHint());
    const QPoint at = w->mapTo(&b.Window, QPoint(13, 13));
    QTest::mousePress(b.Window.windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(w->TrackHint().Text(), hint);
    QTest::mouseRelease(b.Window.windowHandle(), Qt::LeftButton, {}, at);
}

void TestKnobBar::userTurnRaisesKnobChange() {
    TBar b;
    QVERIFY(b.Show());
    b.Knobs->Add(QStringLiteral("Volume"), 7, 0, 100);
    b.Knobs->Add(QStringLiteral("Pan"), 10, 1, 64);
    b.Knobs->SetArea(269, 205);
    TWheel *pan = b.Knobs->Wheel(1);
    pan->setFocus();
    QTest::keyClick(pan, Qt::Key_PageUp);
    QCOMPARE(b.Changes, (std::vector<std::tuple<int, int>>{{10, 74}}));
    QCOMPARE(b.Knobs->ValueLabel(1)->text(), QStringLiteral("+10"));
}

void TestKnobBar::setKnobPositionIsSilent() {
    TBar b;
    b.Knobs->Add(QStringLiteral("Volume"), 7, 0, 100);
    b.Knobs->Add(QStringLiteral("Expression"), 7, 0, 127);
    b.Knobs->SetKnobPosition(0, 33);
    b.Knobs->SetKnobPosition(1, 33);
    QCOMPARE(b.Knobs->Wheel(0)->Position(), 33);
    QCOMPARE(b.Knobs->Wheel(1)->Position(), 33);
    QCOMPARE(b.Knobs->ValueLabel(1)->text(), QStringLiteral("33"));
    QVERIFY(b.Changes.empty());
}

void TestKnobBar::doubleClickGoesToTheDefault_data() {
    QTest::addColumn<int>("control"); // 0 wheel, 1 name label, 2 value label
    QTest::addColumn<int>("start");
    QTest::newRow("wheel") << 0 << 20;
    QTest::newRow("name label") << 1 << 20;
    QTest::newRow("name label, already at the default") << 1 << 100;
    QTest::newRow("value label") << 2 << 20;
}

void TestKnobBar::doubleClickGoesToTheDefault() {
    QFETCH(int, control);
    QFETCH(int, start);
    TBar b;
    QVERIFY(b.Show());
    b.Knobs->Add(QStringLiteral("Volume"), 7, 0, 100);
    b.Knobs->Add(QStringLiteral("Modulation"), 1, 0, 100);
    b.Knobs->SetArea(269, 205);
    b.Knobs->SetKnobPosition(1, start);
    QWidget *target = control == 0   ? static_cast<QWidget *>(b.Knobs->Wheel(1))
                      : control == 1 ? b.Knobs->NameLabel(1)
                                     : b.Knobs->ValueLabel(1);
    QVERIFY(target->isVisible());
    QTest::mouseDClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(b.Knobs->Wheel(1)->Position(), 100);
    // the labels only double-click; the wheel also hears the presses around it
    if (control != 0)
        QCOMPARE(b.Changes, (std::vector<std::tuple<int, int>>{{1, 100}}));
    QVERIFY(!b.Changes.empty());
    QCOMPARE(b.Changes.back(), (std::tuple<int, int>{1, 100}));
}

void TestKnobBar::loadingArranges() {
    QTemporaryDir dir;
    TIniFile ini(dir.filePath(QStringLiteral("k.ini")));
    ini.WriteString(QStringLiteral("P"), QStringLiteral("Caption1"), QStringLiteral("Cutoff"));
    ini.WriteInteger(QStringLiteral("P"), QStringLiteral("IUser1"), 74);
    ini.WriteInteger(QStringLiteral("P"), QStringLiteral("DisplayMode1"), 0);
    ini.WriteInteger(QStringLiteral("P"), QStringLiteral("DefaultValue1"), 90);
    TBar b;
    QVERIFY(b.Show());
    b.Knobs->SetArea(269, 205);
    b.Knobs->Add(QStringLiteral("Old"), 1, 0, 0);
    b.Knobs->Add(QStringLiteral("Old 2"), 2, 0, 0);
    b.Knobs->LoadFromIni(ini, QStringLiteral("P"));
    QCOMPARE(b.Knobs->Count(), 1);
    QCOMPARE(b.FirstName->text(), QStringLiteral("Cutoff"));
    QVERIFY(b.FirstWheel->isVisible());
    QCOMPARE(b.FirstWheel->Position(), 90);
    QCOMPARE(b.Window.findChildren<TWheel *>().size(), 1);
    // Assign copies the captions out of the labels and lays the copy out
    TKnobList plain;
    plain.Add(QStringLiteral("X"), 5, 0, 1);
    plain.Add(QString(), 6, 0, 2);
    plain.Add(QStringLiteral("Z"), 7, 0, 3);
    b.Knobs->Assign(plain);
    QCOMPARE(b.Knobs->Count(), 2);
    QCOMPARE(b.Knobs->Caption(1), QStringLiteral("Z"));
    QVERIFY(b.Knobs->Wheel(1)->isVisible());
    TKnobList copy;
    copy.Assign(*b.Knobs);
    QCOMPARE(copy.Caption(0), QStringLiteral("X"));
}

void TestKnobBar::snapshotValues() {
    TBar b;
    b.Knobs->Add(QStringLiteral("A"), 7, 0, 100);
    b.Knobs->Add(QStringLiteral("B"), 7, 0, 5);
    b.Knobs->Add(QStringLiteral("C"), 10, 0, 64);
    QCOMPARE(SnapshotValuesText(b.Knobs->KnobValues()), QStringLiteral("07640A40"));
}

void TestKnobBar::longCaptionsAreShortenedNotCut_data() {
    QTest::addColumn<int>("width"); // of the band for 20 knobs
    QTest::addColumn<bool>("whole");
    QTest::newRow("ten columns of one wheel") << 205 << false;
    QTest::newRow("columns wide enough") << 900 << true;
    QTest::newRow("band past the window's edge ends there") << 1200 << true;
}

void TestKnobBar::longCaptionsAreShortenedNotCut() {
    QFETCH(int, width);
    QFETCH(bool, whole);
    TBar b;
    QFont small = b.FirstName->font(); // the main window's small captions
    small.setPixelSize(9);
    b.FirstName->setFont(small);
    QVERIFY(b.Show());
    for (int i = 0; i < 20; ++i)
        b.Knobs->Add(QStringLiteral("Foot Controller %1").arg(i + 1), 4, 0, 0);
    b.Knobs->SetArea(269, width);
    for (int i = 0; i < 20; ++i) {
        const QString caption = QStringLiteral("Foot Controller %1").arg(i + 1);
        QLabel *name = b.Knobs->NameLabel(i);
        QCOMPARE(b.Knobs->Caption(i), caption);
        QVERIFY2(name->sizeHint().width() <= name->width(), qPrintable(name->text()));
        QVERIFY(name->geometry().right() < b.Window.width());
        QCOMPARE(name->text() == caption, whole);
        QCOMPARE(name->toolTip(), whole ? QString() : caption);
        if (!whole)
            QVERIFY2(name->text().contains(QChar(0x2026)), qPrintable(name->text()));
    }
}

QTEST_MAIN(TestKnobBar)
#include "tst_knobbar.moc"
