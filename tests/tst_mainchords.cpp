// The main window with its custom chords and the chord editor, against a JACK server of its own.

#include "app/mainwindow.h"
#include "chords/chordeditform.h"
#include "controls/checkbutton.h"
#include "core/chordlist.h"
#include "core/registryinifile.h"
#include "jackfixture.h"
#include "keyboard/keyboard.h"
#include "mainfixture.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

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

QStringList Names(const TChordList &List) {
    QStringList out;
    for (int i = 0; i < List.Count(); ++i)
        out << List.Items(i).Name();
    return out;
}

QAction *MenuAction(QWidget &Window, const QString &Text) {
    for (QAction *a : Window.findChildren<QAction *>())
        if (a->text() == Text)
            return a;
    return nullptr;
}

// The in-place editor of the chord list, open after New.
QLineEdit *NameEditor(const TChordEditForm &Form) {
    return Form.ChordView->findChild<QLineEdit *>();
}

} // namespace

class TestMainChords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(F.Start(QStringLiteral("chords")), qPrintable(F.ErrorText()));
        FPeer = &F.Peer();
    }
    void init() { F.FreshConfig(); } // every test starts as a first start
    void cleanupTestCase() { F.Stop(); }

    void storedChordsInTheChordBox_data();
    void storedChordsInTheChordBox();
    void oneEditorCreatedOnDemand();
    void notesElsewhereToggleTheEditedChord_data();
    void notesElsewhereToggleTheEditedChord();
    void editorKeyboardPlaysOnTheOutputOnly();
    void okReloadsCancelLeavesAlone_data();
    void okReloadsCancelLeavesAlone();

private:
    std::unique_ptr<TMainWindow> NewWindow() { return F.NewWindow(); }
    // Opens the output "Ondrel" and connects the peer's input to it.
    bool ListenToOutput(TMainWindow &w) { return F.ConnectPeer(w); }
    TMainFixture F;
    TJackPeer *FPeer = nullptr;
};

void TestMainChords::storedChordsInTheChordBox_data() {
    QTest::addColumn<QStringList>("chords");
    QTest::addColumn<int>("storedChord"); // the keyboard's stored chord kind
    QTest::addColumn<int>("storedIndex"); // "CustomChord"
    QTest::addColumn<int>("comboIndex");
    QTest::addColumn<QList<int>>("intervals");
    QTest::newRow("second custom chord")
        << QStringList{"Sus4", "3C0507", "Add9", "3C04070E"} << 8 << 1 << 9 << QList<int>{4, 7, 14};
    QTest::newRow("index beyond the list: the first")
        << QStringList{"Sus4", "3C0507", "Add9", "3C04070E"} << 8 << 5 << 8 << QList<int>{5, 7};
    QTest::newRow("no custom chords") << QStringList{} << 8 << 0 << 0 << QList<int>{};
    QTest::newRow("index ignored for a built-in chord")
        << QStringList{"Sus4", "3C0507"} << 2 << 0 << 2 << QList<int>{};
}

void TestMainChords::storedChordsInTheChordBox() {
    QFETCH(QStringList, chords);
    QFETCH(int, storedChord);
    QFETCH(int, storedIndex);
    QFETCH(int, comboIndex);
    QFETCH(QList<int>, intervals);
    StoreChords(chords);
    {
        TRegistryIniFile store;
        store.WriteInteger(QStringLiteral("Keyboard"), QStringLiteral("Chord"), storedChord);
        store.WriteInteger(QStringLiteral("KeyboardForm"), QStringLiteral("CustomChord"),
                           storedIndex);
    }
    auto w = NewWindow();
    QVERIFY(w);
    QCOMPARE(w->ChordBox()->count(), 8 + int(chords.size() / 2));
    for (int i = 0; i < chords.size() / 2; ++i)
        QCOMPARE(w->ChordBox()->itemText(8 + i), chords[2 * i]);
    QCOMPARE(w->ChordBox()->currentIndex(), comboIndex);
    TKeyboardModel &m = w->Keyboard()->Model();
    if (comboIndex >= 8) {
        QCOMPARE(m.Chord(), TChord::chCustom);
        const auto chord = m.CustomChord();
        QCOMPARE(QList<int>(chord.begin(), chord.end()), intervals);
    } else {
        QCOMPARE(m.Chord(), TChord(comboIndex));
    }
    // what is chosen comes back after a restart
    w->close();
    w.reset();
    w = NewWindow();
    QVERIFY(w);
    QCOMPARE(w->ChordBox()->currentIndex(), comboIndex);
}

void TestMainChords::oneEditorCreatedOnDemand() {
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(!w->ChordEditor());
    QAction *item = MenuAction(*w, QStringLiteral("Chord &Editor..."));
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    item->trigger();
    QPointer<TChordEditForm> first = w->ChordEditor();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->parentWidget(), w.get());
    item->trigger();
    QCOMPARE(w->ChordEditor(), first.data());
    first->close();
    QTRY_VERIFY(first.isNull());
    QVERIFY(!w->ChordEditor());
    item->trigger();
    QVERIFY(w->ChordEditor());
    // closing the main window closes the editor, keeping its position
    w->close();
    QTRY_VERIFY(!w->ChordEditor());
    const TRegistryIniFile store;
    QVERIFY(store.ValueExists(QStringLiteral("ChordEditForm"), QStringLiteral("FormTop")));
}

void TestMainChords::notesElsewhereToggleTheEditedChord_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("after");
    QTest::newRow("main keyboard, note on and off") << "keyboard"
                                                    << "3C0407";
    QTest::newRow("MIDI input, thru off") << "input"
                                          << "3C0407";
    QTest::newRow("MIDI input, thru on") << "thru"
                                         << "3C0407";
    QTest::newRow("editor hidden") << "hidden"
                                   << "3C04";
    QTest::newRow("edit mode off") << "view"
                                   << "3C04";
}

void TestMainChords::notesElsewhereToggleTheEditedChord() {
    QFETCH(QString, source);
    QFETCH(QString, after);
    StoreChords({"Dur", "3C04"});
    auto w = NewWindow();
    QVERIFY(w);
    w->ShowChordEditor();
    TChordEditForm *e = w->ChordEditor();
    QVERIFY(e);
    e->ChordView->setCurrentItem(e->ChordView->topLevelItem(0));
    if (source != QLatin1String("view"))
        QTest::mouseClick(e->EditCheck, Qt::LeftButton);
    if (source == QLatin1String("hidden"))
        e->hide();
    TKeyboardModel &m = w->Keyboard()->Model();
    if (source == QLatin1String("input") || source == QLatin1String("thru")) {
        w->SetMidiThru(source == QLatin1String("thru"));
        w->Router().ReceiveNow({0x90, 67, 90});
        w->Router().ReceiveNow({0x80, 67, 64});
        w->Router().ReceiveNow({0x90, 67, 0});
    } else {
        m.SendChord(m.Channel(), 67, 100, true);
        m.SendChord(m.Channel(), 67, 0, true);
    }
    QCOMPARE(e->WorkingList().Items(0).ToText(), after);
    // the main window's own chords change only on Apply
    QCOMPARE(w->ChordList().Items(0).ToText(), QStringLiteral("3C04"));
}

// The editor's keyboard sends to the device directly: routed like the main keyboard's notes,
// its own root would come back and toggle the chord being edited.
void TestMainChords::editorKeyboardPlaysOnTheOutputOnly() {
    StoreChords({"Dur", "3C04"});
    auto w = NewWindow();
    QVERIFY(w);
    QVERIFY(ListenToOutput(*w));
    w->Keyboard()->Model().SetChannel(2);
    w->ShowChordEditor();
    TChordEditForm *e = w->ChordEditor();
    QVERIFY(e);
    e->ChordView->setCurrentItem(e->ChordView->topLevelItem(0));
    QTest::mouseClick(e->EditCheck, Qt::LeftButton);
    std::vector<std::tuple<int, int, int>> routed;
    connect(&w->Router(), &TMidiRouter::NotePlayed, this,
            [&](int note, int velocity) { routed.emplace_back(0x90, note, velocity); });
    QTest::mouseClick(e->Keyboard, Qt::LeftButton, {}, KeyPoint(*e->Keyboard, 67));
    QCOMPARE(e->Selected()->ToText(), QStringLiteral("3C0407"));
    QVERIFY(routed.empty());
    // the channel is the one the main keyboard had when the editor was created
    QVERIFY(FPeer->WaitForReceived(6));
    QCOMPARE(FPeer->Received(), (std::vector<TBytes>{{0x92, 60, 100},
                                                     {0x92, 64, 100},
                                                     {0x92, 67, 100},
                                                     {0x92, 60, 0},
                                                     {0x92, 64, 0},
                                                     {0x92, 67, 0}}));
}

void TestMainChords::okReloadsCancelLeavesAlone_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("OK") << true << QStringList{"Jazz", "Aaa"};
    QTest::newRow("Cancel") << false << QStringList{"Jazz"};
}

void TestMainChords::okReloadsCancelLeavesAlone() {
    QFETCH(bool, ok);
    QFETCH(QStringList, names);
    StoreChords({"Jazz", "3C040A"});
    auto w = NewWindow();
    QVERIFY(w);
    w->ChordBox()->setCurrentIndex(8);
    w->ChordChosen();
    w->ShowChordEditor();
    TChordEditForm *e = w->ChordEditor();
    QVERIFY(e);
    QTest::mouseClick(e->NewButton, Qt::LeftButton);
    QLineEdit *name = NameEditor(*e);
    QVERIFY(name);
    name->setText(QStringLiteral("Aaa"));
    QTest::keyClick(name, Qt::Key_Return);
    QTRY_COMPARE(e->Selected()->Name(), QStringLiteral("Aaa"));
    QTest::mouseClick(e->EditCheck, Qt::LeftButton);
    for (int note : {50, 53})
        QTest::mouseClick(e->Keyboard, Qt::LeftButton, {}, KeyPoint(*e->Keyboard, note));
    QTest::mouseClick(ok ? e->OkButton : e->CancelButton, Qt::LeftButton);
    QTRY_VERIFY(!w->ChordEditor());
    QCOMPARE(Names(w->ChordList()), names);
    TChordList stored;
    stored.LoadFromRegistry();
    QCOMPARE(Names(stored), names);
    QCOMPARE(w->ChordBox()->count(), 8 + int(names.size()));
    QCOMPARE(w->ChordBox()->itemText(8 + int(names.size()) - 1), names.last());
    // the chosen chord is found again by name
    QCOMPARE(w->ChordBox()->currentText(), QStringLiteral("Jazz"));
    QCOMPARE(w->Keyboard()->Model().Chord(), TChord::chCustom);
}

QTEST_MAIN(TestMainChords)
#include "tst_mainchords.moc"
