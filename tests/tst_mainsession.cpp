// The main window over an evening of playing, in process against a JACK server of its own: what
// arrives from MIDI is shown whole and in sight, what the window shows is what was sent, and the
// window's texts are whole (the transposition, a dialog's title, twenty knobs).

#include "app/eximport.h"
#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "app/statusbar.h"
#include "controls/imgcontrol.h"
#include "controls/textinput.h"
#include "core/patchprogram.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "mainfixture.h"
#include "midi/mididevices.h"
#include "midi/midimenu.h"
#include "modalanswers.h"
#include "router/midirouter.h"

#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QTest>

class TestMainSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(F.Start(Tag), qPrintable(F.ErrorText())); }
    void init() { F.FreshConfig(); }
    void cleanupTestCase() { F.Stop(); }

    void incomingNotesAllShownAndInSight_data();
    void incomingNotesAllShownAndInSight();
    void transpositionShownInTheStatusBar();
    void panicLeavesTheDisplaysAtRest();
    void snapshotNameDialogShowsItsWholeTitle();
    void importedSettingsSelectTheirPatch();
    void twentyKnobsKeepNamesAndValues();

private:
    const QString Tag = QStringLiteral("mainsession");
    TMainFixture F;
};

void TestMainSession::incomingNotesAllShownAndInSight_data() {
    QTest::addColumn<QList<int>>("notes");
    QTest::addColumn<bool>("follow");
    // A C/E/G chord arriving in one period lit only one key.
    QTest::newRow("chord in sight") << QList<int>{60, 64, 67} << true;
    QTest::newRow("out of sight, followed") << QList<int>{108, 112} << true;
    QTest::newRow("out of sight, not followed") << QList<int>{108} << false;
}

void TestMainSession::incomingNotesAllShownAndInSight() {
    QFETCH(QList<int>, notes);
    QFETCH(bool, follow);
    auto w = F.NewWindow();
    QVERIFY(w);
    w->Keyboard()->SetFollowNotes(follow);
    QVERIFY(w->Devices().OpenByName(TMidiDevices::TSide::Input, F.Peer().OutPort()));
    QVERIFY(F.Peer().WaitCycles());
    const TKeyboardModel &m = w->Keyboard()->Model();
    const int base = m.BaseNote();
    // Where a key's pressed look shows: low on a white key, in the middle of a black one.
    const auto look = [&](int Note) {
        const int x = m.KeyLeft(Note) - m.ScrollOffset() + m.KeyPixelWidth(Note) / 2;
        const int y = TKeyboardModel::IsBlack(Note) ? m.KeyPixelHeight(Note) / 2
                                                    : w->Keyboard()->height() - 10;
        return w->Keyboard()->grab().toImage().pixelColor(x, y);
    };
    std::vector<QColor> released;
    for (int n : notes)
        released.push_back(look(n));
    std::vector<TBytes> chord;
    for (int n : notes)
        chord.push_back({0x90, uint8_t(n), 100});
    F.Peer().Send(chord);
    for (int n : notes)
        QTRY_VERIFY2(m.IsPressed(n), qPrintable(QString::number(n)));
    QTest::qWait(50);
    const auto inSight = [&](int Note) {
        return m.KeyLeft(Note) >= m.ScrollOffset() &&
               m.KeyLeft(Note) + m.KeyPixelWidth(Note) <= m.ScrollOffset() + m.Width();
    };
    for (int n : notes)
        QCOMPARE(inSight(n), follow || n < base + m.VisibleNoteCount());
    if (!follow)
        QCOMPARE(m.BaseNote(), base);
    // Each key in sight that was in sight before looks pressed now.
    if (m.BaseNote() == base)
        for (qsizetype i = 0; i < notes.size(); ++i)
            if (inSight(notes[i]))
                QVERIFY2(look(notes[i]) != released[size_t(i)],
                         qPrintable(QString::number(notes[i])));
}

void TestMainSession::transpositionShownInTheStatusBar() {
    // Z sent 53 while the status bar said C2, with nothing telling of the transposition.
    auto w = F.NewWindow();
    QVERIFY(w);
    QLabel *panel = w->StatusBar().Panel(TStatusBar::TransposePanel);
    QVERIFY(panel->isHidden());
    w->Keyboard()->Model().SetTranspose(5);
    QCOMPARE(panel->text(), QStringLiteral("Transpose: +5"));
    QVERIFY(panel->isVisible());
    w->Keyboard()->Model().SetTranspose(-12);
    QCOMPARE(panel->text(), QStringLiteral("Transpose: -12"));
    w->Keyboard()->Model().SetTranspose(0);
    QVERIFY(panel->isHidden());
}

void TestMainSession::panicLeavesTheDisplaysAtRest() {
    // Panic centres the pitch bend and resets the controllers: the strips say so.
    auto w = F.NewWindow();
    QVERIFY(w);
    w->Router().SendPitchBend(4000);
    w->Router().SendController(1, 90);
    QCOMPARE(w->PitchStrip()->Position(), 4000);
    QCOMPARE(w->ModulationStrip()->Position(), 90);
    w->Panic();
    QCOMPARE(w->PitchStrip()->Position(), 0);
    QCOMPARE(w->ModulationStrip()->Position(), 0);
}

void TestMainSession::snapshotNameDialogShowsItsWholeTitle() {
    // "Snapshot … e — Ondrel": the dialog was narrower than its title.
    auto w = F.NewWindow();
    QVERIFY(w);
    int width = 0;
    int needed = 0;
    QTimer::singleShot(100, [&] {
        if (auto *d = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            width = d->width();
            needed = TitleWidth(*d, d->windowTitle());
            d->reject();
        }
    });
    w->DefineSnapshot(0);
    QVERIFY(needed > 0);
    QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
}

void TestMainSession::importedSettingsSelectTheirPatch() {
    // The Import Settings help promises the selected patch; it was not imported.
    auto w = F.NewWindow();
    QVERIFY(w);
    const QString script = F.ConfigPath() + QStringLiteral("/synth.txt");
    QFile s(script);
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write("[cubase parse file]\n[parser version 0001]\n[device name] Synth\n"
            "[define patchnames]\n[mode] Normal\n[g1] Sounds\n[p2, 10, -1] Alpha\n"
            "[p2, 11, -1] Beta\n[end]\n");
    s.close();
    const QString file = F.ConfigPath() + QStringLiteral("/KeyboardSettings.ini");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[KeyboardForm]\nPatchScript=" + script.toUtf8() + "\nPatch=Normal\\Sounds\\Beta\n");
    f.close();
    w->ExImport().FileChooser = [file](const TIniFileRequest &) { return file; };
    w->ExImport().HelpDialog = [](int, bool &) { return true; };
    TModalAnswers answers;
    answers.Box(QMessageBox::Ok);
    w->ExImport().ImportSettings();
    // The set loads on a thread of its own.
    QTRY_VERIFY_WITH_TIMEOUT(w->Patches().CurrentPatch(), 10000);
    QCOMPARE(w->Patches().CurrentPatch()->Name(), QStringLiteral("Beta"));
}

void TestMainSession::twentyKnobsKeepNamesAndValues() {
    // With 20 knobs the names shrank to "Vol…" and the values disappeared.
    auto w = F.NewWindow();
    QVERIFY(w);
    TGUIKnobList &k = w->Knobs();
    k.Clear();
    const QStringList names{"Volume", "Pan", "Cutoff", "Reverb", "Chorus"};
    for (int i = 0; i < 20; ++i)
        k.Add(names[i % names.size()], 20 + i, 0, 64);
    w->UncheckKnobPresets();
    w->resize(w->minimumWidth(), w->height());
    QTest::qWait(20);
    QVERIFY(k.ValuesShown());
    for (int i = 0; i < 20; ++i) {
        QVERIFY(k.ValueLabel(i)->isVisible());
        QCOMPARE(k.NameLabel(i)->text(), names[i % names.size()]);
    }
}

QTEST_MAIN(TestMainSession)
#include "tst_mainsession.moc"
