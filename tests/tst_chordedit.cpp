#include "chords/chordeditform.h"
#include "controls/checkbutton.h"
#include "core/chordlist.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>
#include <tuple>
#include <vector>

namespace {

using TOffsets = QList<int>;
using TSent = std::vector<std::tuple<int, int, int>>;

TOffsets OffsetsOf(const TChordEntry &Entry) {
    TOffsets list;
    for (int8_t o : Entry.Offsets())
        list << o;
    return list;
}

// The middle of a key, low on white keys so that no black key covers it.
QPoint KeyPoint(const TKeyboard &Keyboard, int Note) {
    const TKeyboardModel &m = Keyboard.Model();
    const int x = m.KeyLeft(Note) - m.ScrollOffset() + m.KeyPixelWidth(Note) / 2;
    const int y =
        TKeyboardModel::IsBlack(Note) ? m.KeyPixelHeight(Note) / 2 : Keyboard.height() - 3;
    return {x, y};
}

void StoreChords(const QStringList &NameTextPairs) {
    TChordList list;
    for (int i = 0; i + 1 < NameTextPairs.size(); i += 2)
        list.NewChord().FromText(NameTextPairs[i], NameTextPairs[i + 1]);
    list.SaveToRegistry();
}

QStringList StoredChords() {
    TChordList list;
    list.LoadFromRegistry();
    QStringList out;
    for (int i = 0; i < list.Count(); ++i)
        out << list.Items(i).Name() << list.Items(i).ToText();
    return out;
}

// Answers the message boxes that open while it lives, keeping their texts.
class TBoxWatcher {
public:
    TBoxWatcher() {
        FTimer.setInterval(10);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                Texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        FTimer.start();
    }
    QStringList Texts;

private:
    QTimer FTimer;
};

// The in-place editor of the chord list, open after New.
QLineEdit *NameEditor(const TChordEditForm &Form) {
    return Form.ChordView->findChild<QLineEdit *>();
}

} // namespace

class TestChordEdit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void setUpFromTheMainKeyboard();
    void clickingNotesBuildsAChord();
    void gesture_data();
    void gesture();
    void editModeOffPlaysTheChord();
    void refreshesAreCoalesced();
    void rename_data();
    void rename();
    void deleteSelectsTheNextRow_data();
    void deleteSelectsTheNextRow();
    void resetOnlyInEditMode();
    void applyOkCancel_data();
    void applyOkCancel();
    void applyReportsASettingsFileThatCannotBeSaved();
    void positionIsKept();

private:
    // A shown editor over the chords in the store; the first row selected if there is one.
    TChordEditForm *Open();
    void SetEditMode(bool On);

    std::unique_ptr<QTemporaryDir> FDir;
    TKeyboardModel FMain;
    QPointer<TChordEditForm> FForm;
    TSent FSent;
};

void TestChordEdit::init() {
    FDir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(FDir->path()));
    FSent.clear();
}

void TestChordEdit::cleanup() {
    delete FForm.data();
}

TChordEditForm *TestChordEdit::Open() {
    FForm = new TChordEditForm(FMain);
    FForm->OnNote = [this](QObject *, const TShortMessage &M) {
        FSent.emplace_back(M.Status, M.Data1, M.Data2);
    };
    FForm->show();
    if (!QTest::qWaitForWindowExposed(FForm))
        return nullptr;
    if (FForm->ChordView->topLevelItemCount() > 0)
        FForm->ChordView->setCurrentItem(FForm->ChordView->topLevelItem(0));
    return FForm;
}

void TestChordEdit::SetEditMode(bool On) {
    if (FForm->EditCheck->isChecked() != On)
        QTest::mouseClick(FForm->EditCheck, Qt::LeftButton);
}

void TestChordEdit::setUpFromTheMainKeyboard() {
    FMain.SetLanguage(TLanguage::German);
    FMain.SetChannel(5);
    FMain.SetImageSize(TImageSize::isNormal);
    FMain.SetPaintStyle(TPaintStyle::psImage);
    StoreChords({"Moll", "3B0307"});
    TChordEditForm *f = Open();
    FMain = TKeyboardModel();
    QVERIFY(f);
    const TKeyboardModel &m = f->Keyboard->Model();
    QCOMPARE(int(m.Channel()), 5);
    // Keys as the main keyboard draws them, as tall as its pictures: 10-pixel drawn keys with
    // faint dots for the chord's notes were hard to read.
    QCOMPARE(m.PaintStyle(), TPaintStyle::psImage);
    QCOMPARE(m.ImageSize(), TImageSize::isNormal);
    QCOMPARE(m.KeyWidth(), TKeyboardModel::ImageKeyWidth(TImageSize::isNormal));
    QCOMPARE(f->Keyboard->height(), TKeyboardModel::ImageHeight);
    QCOMPARE(f->ChordView->topLevelItem(0)->text(1), QStringLiteral("H2 D3 Fis3 "));
    // the selected chord is shown: root marked, the others pressed, nothing sounding
    QCOMPARE(m.MarkNote(), 59);
    QCOMPARE(int(m.DisplayCount(62)), 1);
    QCOMPARE(int(m.DisplayCount(66)), 1);
    QCOMPARE(int(m.DisplayCount(59)), 0);
    QCOMPARE(m.Chord(), TChord::chCustom);
    QVERIFY(FSent.empty());
}

void TestChordEdit::clickingNotesBuildsAChord() {
    TChordEditForm *f = Open();
    QVERIFY(f);
    QTest::mouseClick(f->NewButton, Qt::LeftButton);
    QTest::keyClick(NameEditor(*f), Qt::Key_Escape); // keep the proposed name
    QCOMPARE(f->ChordView->topLevelItemCount(), 1);
    SetEditMode(true);
    QVERIFY(f->ResetButton->isEnabled());
    for (int note : {60, 64, 67})
        QTest::mouseClick(f->Keyboard, Qt::LeftButton, {}, KeyPoint(*f->Keyboard, note));
    TChordEntry *c = f->Selected();
    QVERIFY(c);
    QCOMPARE(c->Name(), QStringLiteral("New chord"));
    QCOMPARE(c->Root(), 60);
    QCOMPARE(OffsetsOf(*c), (TOffsets{4, 7}));
    QTRY_COMPARE(f->ChordView->topLevelItem(0)->text(1), QStringLiteral("C3 E3 G3 "));
    // after the release the keyboard shows the chord
    QCOMPARE(int(f->Keyboard->Model().DisplayCount(67)), 1);
    QCOMPARE(f->Keyboard->Model().MarkNote(), 60);
    QCOMPARE(f->GestureNote(), -1);
}

void TestChordEdit::gesture_data() {
    QTest::addColumn<TOffsets>("clicked"); // notes clicked on a new chord first
    QTest::addColumn<TOffsets>("path");    // the pressed note, then the keys dragged onto
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("firstSounding");

    QTest::newRow("press 64, drag to 65") << TOffsets{60} << TOffsets{64, 65} << "3C05" << 60;
    QTest::newRow("dragged on twice") << TOffsets{60} << TOffsets{64, 65, 67} << "3C07" << 60;
    QTest::newRow("dragged back") << TOffsets{60} << TOffsets{64, 65, 64} << "3C04" << 60;
    QTest::newRow("removal moved") << TOffsets{60, 64} << TOffsets{64, 65} << "3C0405" << 64;
    QTest::newRow("click removes") << TOffsets{60, 64, 67} << TOffsets{64} << "3C07" << 60;
    QTest::newRow("root moves on an empty chord") << TOffsets{} << TOffsets{64, 65} << "41" << 64;
    QTest::newRow("last offset out: the key plays")
        << TOffsets{60, 64} << TOffsets{64} << "3C" << 64;
}

void TestChordEdit::gesture() {
    QFETCH(TOffsets, clicked);
    QFETCH(TOffsets, path);
    QFETCH(QString, after);
    QFETCH(int, firstSounding);
    TChordEditForm *f = Open();
    QVERIFY(f);
    QTest::mouseClick(f->NewButton, Qt::LeftButton);
    QTest::keyClick(NameEditor(*f), Qt::Key_Escape);
    SetEditMode(true);
    TKeyboard &k = *f->Keyboard;
    for (int note : clicked)
        QTest::mouseClick(&k, Qt::LeftButton, {}, KeyPoint(k, note));
    FSent.clear();
    QTest::mousePress(&k, Qt::LeftButton, {}, KeyPoint(k, path.front()));
    QVERIFY(!FSent.empty());
    // the edited chord sounds from its root
    QCOMPARE(std::get<1>(FSent.front()), firstSounding);
    for (qsizetype i = 1; i < path.size(); ++i)
        QTest::mouseMove(&k, KeyPoint(k, path[i]));
    QTest::mouseRelease(&k, Qt::LeftButton, {}, KeyPoint(k, path.back()));
    QCOMPARE(f->Selected()->ToText(), after);
    for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
        QCOMPARE(int(k.Model().OwnCount(n)), 0);
}

void TestChordEdit::editModeOffPlaysTheChord() {
    FMain.SetChannel(3);
    StoreChords({"Dur", "3C0407"});
    TChordEditForm *f = Open();
    FMain = TKeyboardModel();
    QVERIFY(f);
    QTest::mouseClick(f->Keyboard, Qt::LeftButton, {}, KeyPoint(*f->Keyboard, 50));
    QCOMPARE(FSent, (TSent{{0x93, 50, 100},
                           {0x93, 54, 100},
                           {0x93, 57, 100},
                           {0x93, 50, 0},
                           {0x93, 54, 0},
                           {0x93, 57, 0}}));
    QCOMPARE(f->Selected()->ToText(), QStringLiteral("3C0407"));
}

void TestChordEdit::refreshesAreCoalesced() {
    StoreChords({"Dur", "3C04"});
    TChordEditForm *f = Open();
    QVERIFY(f);
    SetEditMode(true);
    // a gesture step asks for the row only
    QTest::mousePress(f->Keyboard, Qt::LeftButton, {}, KeyPoint(*f->Keyboard, 67));
    QCOMPARE(f->PendingRefresh(), 1);
    QCOMPARE(f->GestureNote(), 67);
    // a note from elsewhere raises it to row and keyboard; a third request changes nothing
    f->ToggleFromNote(71, 100);
    QCOMPARE(f->PendingRefresh(), 2);
    f->ToggleFromNote(72, 100);
    QCOMPARE(f->PendingRefresh(), 2);
    QTRY_COMPARE(f->PendingRefresh(), 0);
    QCOMPARE(f->ChordView->topLevelItem(0)->text(1), QStringLiteral("C3 E3 G3 B3 C4 "));
    QCOMPARE(int(f->Keyboard->Model().DisplayCount(72)), 1);
    QTest::mouseRelease(f->Keyboard, Qt::LeftButton, {}, KeyPoint(*f->Keyboard, 67));
    QCOMPARE(f->GestureNote(), -1);
}

void TestChordEdit::rename_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("free name") << "Jazz"
                               << "Jazz" << false;
    QTest::newRow("own proposed name confirmed") << "New chord"
                                                 << "New chord" << false;
    QTest::newRow("own name, case change only") << "NEW CHORD"
                                                << "NEW CHORD" << false;
    QTest::newRow("name of another chord, other case") << "blues"
                                                       << "New chord" << true;
    QTest::newRow("blanks around") << "  Soul  "
                                   << "Soul" << false;
    QTest::newRow("empty keeps the name") << ""
                                          << "New chord" << false;
}

void TestChordEdit::rename() {
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(bool, refused);
    StoreChords({"Blues", "3C03"});
    TChordEditForm *f = Open();
    QVERIFY(f);
    QTest::mouseClick(f->NewButton, Qt::LeftButton);
    QLineEdit *edit = NameEditor(*f);
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("New chord"));
    edit->setText(typed);
    TBoxWatcher boxes;
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::qWait(100);
    QCOMPARE(boxes.Texts,
             refused ? QStringList{"This chord name already exists !"} : QStringList{});
    QCOMPARE(f->WorkingList().Items(1).Name(), name);
    QCOMPARE(f->ChordView->topLevelItem(1)->text(0), name);
    QCOMPARE(f->WorkingList().Items(0).Name(), QStringLiteral("Blues"));
}

void TestChordEdit::deleteSelectsTheNextRow_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("selectedAfter"); // empty: none
    QTest::newRow("middle") << 3 << 1 << "C";
    QTest::newRow("last") << 3 << 2 << "B";
    QTest::newRow("first") << 3 << 0 << "B";
    QTest::newRow("only chord") << 1 << 0 << "";
}

void TestChordEdit::deleteSelectsTheNextRow() {
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(QString, selectedAfter);
    StoreChords(QStringList{"A", "3C04", "B", "3C05", "C", "3C07"}.mid(0, 2 * count));
    TChordEditForm *f = Open();
    QVERIFY(f);
    f->ChordView->setCurrentItem(f->ChordView->topLevelItem(row));
    QTest::mouseClick(f->DeleteButton, Qt::LeftButton);
    QCOMPARE(f->WorkingList().Count(), count - 1);
    QCOMPARE(f->ChordView->topLevelItemCount(), count - 1);
    const TKeyboardModel &m = f->Keyboard->Model();
    if (selectedAfter.isEmpty()) {
        QVERIFY(!f->Selected());
        QCOMPARE(m.Chord(), TChord::chNone);
        QCOMPARE(m.MarkNote(), 60);
        QCOMPARE(int(m.DisplayCount(64)), 0);
    } else {
        QVERIFY(f->Selected());
        QCOMPARE(f->Selected()->Name(), selectedAfter);
        QCOMPARE(m.Chord(), TChord::chCustom);
    }
    // deleting with nothing selected does nothing
    f->ChordView->clearSelection();
    QTest::mouseClick(f->DeleteButton, Qt::LeftButton);
    QCOMPARE(f->WorkingList().Count(), count - 1);
}

void TestChordEdit::resetOnlyInEditMode() {
    StoreChords({"Dur", "3C0407"});
    TChordEditForm *f = Open();
    QVERIFY(f);
    QTest::mouseClick(f->ResetButton, Qt::LeftButton); // disabled: nothing happens
    QCOMPARE(f->Selected()->ToText(), QStringLiteral("3C0407"));
    SetEditMode(true);
    QTest::mouseClick(f->ResetButton, Qt::LeftButton);
    QCOMPARE(f->Selected()->Root(), -1);
    QCOMPARE(f->ChordView->topLevelItem(0)->text(1), QString());
    QCOMPARE(f->Keyboard->Model().MarkNote(), 60);
    QCOMPARE(int(f->Keyboard->Model().DisplayCount(64)), 0);
    // the emptied chord no longer plays its old notes
    QVERIFY(f->Keyboard->Model().CustomChord().empty());
    SetEditMode(false);
    QVERIFY(!f->ResetButton->isEnabled());
}

void TestChordEdit::applyOkCancel_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Apply") << "apply" << true << false;
    QTest::newRow("OK") << "ok" << true << true;
    QTest::newRow("Cancel") << "cancel" << false << true;
    QTest::newRow("Escape") << "escape" << false << true;
}

void TestChordEdit::applyOkCancel() {
    QFETCH(QString, how);
    QFETCH(bool, stored);
    QFETCH(bool, closed);
    StoreChords({"Jazz", "3C040A"});
    TChordEditForm *f = Open();
    QVERIFY(f);
    int applied = 0;
    f->OnApply = [&] {
        ++applied;
        // the owner reloads from the store: it must already hold the new chords
        QCOMPARE(StoredChords().size(), 4);
    };
    SetEditMode(true);
    QTest::mouseClick(f->NewButton, Qt::LeftButton);
    QTest::keyClick(NameEditor(*f), Qt::Key_Escape);
    for (int note : {48, 55})
        QTest::mouseClick(f->Keyboard, Qt::LeftButton, {}, KeyPoint(*f->Keyboard, note));
    if (how == QLatin1String("apply"))
        QTest::mouseClick(f->ApplyButton, Qt::LeftButton);
    else if (how == QLatin1String("ok"))
        QTest::mouseClick(f->OkButton, Qt::LeftButton);
    else if (how == QLatin1String("cancel"))
        QTest::mouseClick(f->CancelButton, Qt::LeftButton);
    else
        QTest::keyClick(f, Qt::Key_Escape);
    QCOMPARE(applied, stored ? 1 : 0);
    const QStringList before{"Jazz", "3C040A"};
    const QStringList expected = stored ? before + QStringList{"New chord", "3007"} : before;
    QCOMPARE(StoredChords(), expected);
    if (closed)
        QTRY_VERIFY(FForm.isNull()); // destroyed with its working list
    else
        QVERIFY(FForm->isVisible());
}

void TestChordEdit::applyReportsASettingsFileThatCannotBeSaved() {
    StoreChords({"Moll", "3B0307"});
    QFile store(ProgramStoreFileName());
    QVERIFY(store.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    TChordEditForm *f = Open();
    QVERIFY(f);
    // A new chord to save (with nothing changed there is nothing to write).
    SetEditMode(true);
    QTest::mouseClick(f->NewButton, Qt::LeftButton);
    QTest::keyClick(NameEditor(*f), Qt::Key_Escape);
    for (int note : {48, 55})
        QTest::mouseClick(f->Keyboard, Qt::LeftButton, {}, KeyPoint(*f->Keyboard, note));
    TBoxWatcher boxes;
    QTest::mouseClick(f->ApplyButton, Qt::LeftButton);
    QTRY_COMPARE(boxes.Texts.size(), 1);
    QVERIFY2(boxes.Texts[0].contains(QStringLiteral("read-only")), qPrintable(boxes.Texts[0]));
}

void TestChordEdit::positionIsKept() {
    TChordEditForm *f = Open();
    QVERIFY(f);
    f->move(140, 90);
    const QPoint at = f->pos();
    const QPoint inside = f->geometry().topLeft(); // kept inside the frame
    f->close();
    QTRY_VERIFY(FForm.isNull());
    const TRegistryIniFile store;
    QCOMPARE(store.ReadInteger(QStringLiteral("ChordEditForm"), QStringLiteral("FormTop"), -1),
             inside.y());
    QCOMPARE(store.ReadInteger(QStringLiteral("ChordEditForm"), QStringLiteral("FormLeft"), -1),
             inside.x());
    f = Open();
    QVERIFY(f);
    QCOMPARE(f->pos(), at);
}

QTEST_MAIN(TestChordEdit)
#include "tst_chordedit.moc"
