// The real program under Xvfb: the knob presets and the knob setup dialog as a user meets them.
// Presets come from the settings file; what the knobs send is read from a JACK port of the
// test's own, what is stored from the settings file after File > Exit. Every wait is bounded.

#include "e2erig.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

namespace {

const QString EditorTitle = QStringLiteral("^Knob Preset Editor$");

// One knob of a preset section in the settings file.
QByteArray Knob(int N, const char *Caption, int Controller, int Default) {
    return QStringLiteral("Caption%1=%2\nIUser%1=%3\nDisplayMode%1=0\nDefaultValue%1=%4\n")
        .arg(N)
        .arg(QLatin1String(Caption))
        .arg(Controller)
        .arg(Default)
        .toUtf8();
}

// The values of one section as the settings file holds them, in order.
QStringList Section(const QString &Store, const QString &Name) {
    const qsizetype at = Store.indexOf(QLatin1Char('[') + Name + QLatin1Char(']'));
    if (at < 0)
        return {};
    QStringList lines;
    for (const QString &line : Store.mid(at).split(QLatin1Char('\n')).mid(1)) {
        if (line.startsWith(QLatin1Char('[')))
            break;
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}

} // namespace

class TestE2eKnobs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void deletedPresetsNeighbourIsNotOverwrittenByOk();
    void controllerAbove127IsNotSentAsAnother();
    void newKnobDoesNotSendBankSelect();

private:
    // Knobs > Set up...: the editor's window, focused; empty when it did not appear.
    QString OpenEditor(TE2eProgram &P);
    // Waits for a box over the editor (same title, another window), focuses it and types Key.
    bool AnswerBox(TE2eProgram &P, const QString &Editor, const QString &Key);
    // Double-clicks down the column of the knob bar's first knobs (each sends its default
    // value) and gives the controllers of the control changes that arrived, in order.
    QList<int> ControllersOfFirstKnobs(TE2eProgram &P);

    TE2eRig FRig;
};

void TestE2eKnobs::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("knobs")), qPrintable(FRig.ErrorText()));
}

QString TestE2eKnobs::OpenEditor(TE2eProgram &P) {
    if (!P.Menu(QStringLiteral("k"), {QStringLiteral("u")}))
        return {};
    const QString editor = P.WaitForWindow(EditorTitle);
    if (editor.isEmpty() || !P.Focus(editor))
        return {};
    QThread::msleep(300);
    return editor;
}

bool TestE2eKnobs::AnswerBox(TE2eProgram &P, const QString &Editor, const QString &Key) {
    QString box;
    QDeadlineTimer deadline(5000);
    while (box.isEmpty() && !deadline.hasExpired()) {
        for (const QString &w : P.Windows(EditorTitle))
            if (w != Editor)
                box = w;
        QThread::msleep(50);
    }
    if (box.isEmpty()) {
        qWarning("no box appeared over the knob preset editor");
        return false;
    }
    // Without a window manager the focus goes nowhere when a box closes: it is given.
    return P.Focus(box) && FRig.Keys({Key});
}

QList<int> TestE2eKnobs::ControllersOfFirstKnobs(TE2eProgram &P) {
    FRig.Peer().ClearReceived();
    // The first column of the knob bar, right of the Panic button: knob 1 above knob 2.
    for (int y = 24; y <= 100; y += 6)
        FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), P.Window(),
                  QStringLiteral("283"), QString::number(y), QStringLiteral("click"),
                  QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("1")});
    QList<int> controllers;
    for (const QString &m : FRig.Received(1)) {
        const QStringList bytes = m.split(QLatin1Char(' '));
        if (bytes.size() == 3 && bytes[0] == QLatin1String("b0")) {
            const int controller = bytes[1].toInt(nullptr, 16);
            if (!controllers.contains(controller))
                controllers << controller;
        }
    }
    return controllers;
}

void TestE2eKnobs::deletedPresetsNeighbourIsNotOverwrittenByOk() {
    FRig.FreshConfig("[KeyboardForm]\nKnob Preset=Alpha\n[KnobPresets\\Alpha]\n" +
                     Knob(1, "A1", 20, 64) + "[KnobPresets\\Beta]\n" + Knob(1, "B1", 21, 64));
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    const QString editor = OpenEditor(p);
    QVERIFY2(!editor.isEmpty(), "Knobs > Set up opened no editor");

    // Rename Alpha's knob, then delete Alpha (two steps back from the name: the tabs, Delete).
    QVERIFY(FRig.Keys({QStringLiteral("alt+n"), QStringLiteral("ctrl+a")}));
    QVERIFY(FRig.Xdo({QStringLiteral("type"), QStringLiteral("Edited")}));
    QVERIFY(FRig.Keys(
        {QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"), QStringLiteral("space")}));
    QVERIFY(AnswerBox(p, editor, QStringLiteral("y")));
    QThread::msleep(300);

    // OK (Return from the name field) asks to save the changed knobs; Yes. They belong to no
    // preset now, so they are saved as a new one, "Gamma", not over Beta.
    QVERIFY(p.Focus(editor));
    QVERIFY(FRig.Keys({QStringLiteral("alt+n"), QStringLiteral("Return")}));
    QVERIFY(AnswerBox(p, editor, QStringLiteral("y")));
    const QString name = p.WaitForWindow(QStringLiteral("^Enter New Preset$"), 3000);
    if (!name.isEmpty()) {
        QVERIFY(p.Focus(name));
        QVERIFY(FRig.Keys({QStringLiteral("ctrl+a")}));
        QVERIFY(FRig.Xdo({QStringLiteral("type"), QStringLiteral("Gamma")}));
        QVERIFY(FRig.Keys({QStringLiteral("Return")}));
    }
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(EditorTitle).isEmpty(), 5000);
    QVERIFY(p.Quit());

    const QString store = FRig.StoreText();
    QCOMPARE(Section(store, QStringLiteral("KnobPresets\\Beta")),
             (QStringList{"Caption1=B1", "IUser1=21", "DisplayMode1=0", "DefaultValue1=64"}));
    QVERIFY2(Section(store, QStringLiteral("KnobPresets\\Alpha")).isEmpty(), qPrintable(store));
    QVERIFY2(Section(store, QStringLiteral("KnobPresets\\Gamma")).contains("Caption1=Edited"),
             qPrintable(store));
}

void TestE2eKnobs::controllerAbove127IsNotSentAsAnother() {
    // Controller 135 would go out as 7 (its low seven bits), turning the volume.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n[KeyboardForm]\nKnob Preset=Wide\n"
                     "[KnobPresets\\Wide]\n" +
                     Knob(1, "Far", 135, 100) + Knob(2, "Pan", 10, 64));
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    QCOMPARE(ControllersOfFirstKnobs(p), QList<int>{10});
    QVERIFY(p.Quit());
}

void TestE2eKnobs::newKnobDoesNotSendBankSelect() {
    // A first start: one knob, Volume.
    FRig.FreshConfig("[MidiDevices]\nMidiOut=Ondrel\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(p.ConnectOutput());
    const QString editor = OpenEditor(p);
    QVERIFY2(!editor.isEmpty(), "Knobs > Set up opened no editor");
    // The knob count has the focus: one more knob, then OK without saving a preset.
    QVERIFY(FRig.Keys({QStringLiteral("Up"), QStringLiteral("Return")}));
    QVERIFY(AnswerBox(p, editor, QStringLiteral("n")));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(EditorTitle).isEmpty(), 5000);
    QVERIFY(p.Focus());
    // Volume (7) and the new knob on the first general-purpose controller (16), not on 0.
    QCOMPARE(ControllersOfFirstKnobs(p), (QList<int>{7, 16}));
    QVERIFY(p.Quit());
}

QTEST_GUILESS_MAIN(TestE2eKnobs)
#include "tst_e2e_knobs.moc"
