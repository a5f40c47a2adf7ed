// The real program under Xvfb, driven as a new user drives it: patch scripts in the encodings
// found in the wild chosen in "Choose Patch Set", the script just applied double-clicked, a
// chord given its own name, and the settings dialog opened from a window at the screen's edge.

#include "e2erig.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>
#include <QThread>

namespace {

// The screen of the rig's Xvfb.
constexpr QSize Screen(1024, 768);

// Names with the letters that Windows programs put into scripts.
const QString Device = QString::fromUtf8("Synth\u00e9 \u2013 \u00d6");
const QString Program = QString::fromUtf8("Grand \u20ac \u2019 \u2026 \u2014");

QByteArray Script(const QByteArray &DeviceName, const QByteArray &ProgramName) {
    return "[cubase parse file]\r\n[parser version 0001]\r\n[device name] " + DeviceName +
           "\r\n[define patchnames]\r\n[mode] Normal\r\n[g1] Pianos\r\n[p2, 0, 0] " + ProgramName +
           "\r\n[end]\r\n";
}

bool WriteFile(const QString &Path, const QByteArray &Data) {
    QFile f(Path);
    return f.open(QIODevice::WriteOnly) && f.write(Data) == Data.size();
}

// "Position: 10,20 (screen: 0)" and "Geometry: 300x200" of xdotool getwindowgeometry.
QRect WindowGeometry(TE2eRig &Rig, const QString &Window) {
    QString text;
    if (!Rig.Xdo({QStringLiteral("getwindowgeometry"), Window}, &text))
        return {};
    const QRegularExpressionMatch at =
        QRegularExpression(QStringLiteral("Position: (-?\\d+),(-?\\d+)")).match(text);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(text);
    if (!at.hasMatch() || !size.hasMatch())
        return {};
    return {at.captured(1).toInt(), at.captured(2).toInt(), size.captured(1).toInt(),
            size.captured(2).toInt()};
}

} // namespace

class TestE2eDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { FRig.ScreenshotOnFailure(); }
    void cleanupTestCase() { FRig.Stop(); }

    void scriptEncodingsFromTheWild_data();
    void scriptEncodingsFromTheWild();
    void appliedScriptDoubleClickedAppliesAndCloses();
    void chordKeepsItsOwnName();
    void settingsOpenOnScreen_data();
    void settingsOpenOnScreen();

private:
    // A fresh settings folder whose chooser shows the folder "scripts", which holds Text as
    // "Synth.txt"; a program started on it, HOME and PATH first of all in the rig's folder.
    bool StartWithScript(TE2eProgram &Program, const QByteArray &Text);
    // Patches > Choose Patch Set..., waited for and focused.
    QString OpenChooser(TE2eProgram &Program);

    TE2eRig FRig;
};

void TestE2eDialogs::initTestCase() {
    if (!XToolsAvailable())
        QSKIP("Xvfb or xdotool is not installed (Debian: xvfb, xdotool)");
    QVERIFY2(FRig.Start(QStringLiteral("dialogs")), qPrintable(FRig.ErrorText()));
}

bool TestE2eDialogs::StartWithScript(TE2eProgram &Program, const QByteArray &Text) {
    FRig.FreshConfig();
    const QString scripts = FRig.Folder() + QStringLiteral("/scripts");
    if (!QDir().mkpath(scripts) || !WriteFile(scripts + QStringLiteral("/Synth.txt"), Text))
        return false;
    // A stand-in for the desktop's opener: what it is asked to open is written down.
    const QString opener = FRig.Folder() + QStringLiteral("/xdg-open");
    if (!WriteFile(opener, "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/opened.log\"\n") ||
        !QFile::setPermissions(opener, QFile::permissions(opener) | QFile::ExeOwner))
        return false;
    FRig.WriteStore("[PatchSetDialog]\nLastPIDL=" + scripts.toUtf8() + "\n");
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), FRig.Folder());
    env.insert(QStringLiteral("PATH"),
               FRig.Folder() + QLatin1Char(':') + qEnvironmentVariable("PATH"));
    return Program.Start({}, env);
}

QString TestE2eDialogs::OpenChooser(TE2eProgram &Program) {
    if (!Program.Menu(QStringLiteral("p"), {QStringLiteral("c")}))
        return {};
    const QString chooser = Program.WaitForWindow(QStringLiteral("^Choose Patch Set$"));
    if (chooser.isEmpty() || !Program.Focus(chooser))
        return {};
    QThread::msleep(300);
    return chooser;
}

void TestE2eDialogs::scriptEncodingsFromTheWild_data() {
    QTest::addColumn<QByteArray>("text");
    const QByteArray utf8 = Script(Device.toUtf8(), Program.toUtf8());
    const auto utf16 = [&](QStringConverter::Encoding Encoding) {
        QStringEncoder encoder(Encoding, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(QString::fromUtf8(utf8)));
    };
    QTest::newRow("Windows-1252") << Script("Synth\xe9 \x96 \xd6", "Grand \x80 \x92 \x85 \x97");
    QTest::newRow("UTF-8") << utf8;
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + utf8;
    QTest::newRow("UTF-16 LE with BOM") << utf16(QStringConverter::Utf16LE);
    QTest::newRow("UTF-16 BE with BOM") << utf16(QStringConverter::Utf16BE);
}

void TestE2eDialogs::scriptEncodingsFromTheWild() {
    QFETCH(QByteArray, text);
    TE2eProgram p(FRig);
    QVERIFY(StartWithScript(p, text));
    QVERIFY2(!OpenChooser(p).isEmpty(), "the chooser did not appear");
    // The script is the list's last entry; Enter chooses it.
    QVERIFY(FRig.Keys({QStringLiteral("End"), QStringLiteral("Return")}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Choose Patch Set$")).isEmpty(), 5000);
    // No warnings window: it would hold the keys below.
    QVERIFY(p.Focus());
    // Patches > Normal (the first entry, highlighted) > Pianos > the program, which the window
    // keeps for the next start.
    QVERIFY(p.Menu(QStringLiteral("p"),
                   {QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Return")}));
    QVERIFY(p.Quit());
    const QString store = FRig.StoreText();
    QVERIFY2(store.contains(QStringLiteral("Synth.txt")), qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("Pianos\\") + Program) ||
                 store.contains(QStringLiteral("Pianos\\\\") + Program),
             qPrintable(store));
}

void TestE2eDialogs::appliedScriptDoubleClickedAppliesAndCloses() {
    TE2eProgram p(FRig);
    QVERIFY(StartWithScript(p, Script("Synth", "Grand")));
    const QString chooser = OpenChooser(p);
    QVERIFY2(!chooser.isEmpty(), "the chooser did not appear");
    const QRect frame = WindowGeometry(FRig, chooser);
    QVERIFY(frame.isValid());
    // Select the script, then Apply, the right one of the buttons in the lower right corner.
    QVERIFY(FRig.Keys({QStringLiteral("End")}));
    QThread::msleep(200);
    QVERIFY(p.Click(frame.width() - 16, frame.height() - 14, chooser));
    QThread::msleep(500);
    QVERIFY(!p.Windows(QStringLiteral("^Choose Patch Set$")).isEmpty());

    // The same script double-clicked in the list: its second row, below "..".
    QVERIFY(p.Focus(chooser));
    QVERIFY(FRig.Xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), chooser,
                      QStringLiteral("60"), QStringLiteral("74"), QStringLiteral("click"),
                      QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("1")}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Choose Patch Set$")).isEmpty(), 5000);
    QThread::msleep(500);
    QVERIFY2(!QFile::exists(FRig.Folder() + QStringLiteral("/opened.log")),
             "the script was handed to another program");
    QVERIFY(p.Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("Synth.txt")), qPrintable(FRig.StoreText()));
}

void TestE2eDialogs::chordKeepsItsOwnName() {
    // Where the chord editor's controls sit in its window.
    constexpr int firstRowY = 70 + 30;
    constexpr int buttonsY = 341 + 12;
    constexpr int newX = 8 + 37;
    constexpr int editX = 176 + 37;
    constexpr int okX = 365 + 37;
    FRig.FreshConfig("[Chords]\nName1=jazz\nChord1=3C0407\n");
    TE2eProgram p(FRig);
    QVERIFY(p.Start());
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+e")}));
    const QString editor = p.WaitForWindow(QStringLiteral("^Chord Editor$"));
    QVERIFY2(!editor.isEmpty(), "Ctrl+E opened no chord editor");
    QThread::msleep(300);
    const auto editors = [&] { return p.Windows(QStringLiteral("^Chord Editor$")).size(); };

    // "jazz" renamed to "Jazz": F2 on its row.
    QVERIFY(p.Click(50, firstRowY, editor));
    QThread::msleep(200);
    QVERIFY(FRig.Keys({QStringLiteral("F2"), QStringLiteral("ctrl+a")}));
    QVERIFY(FRig.Xdo({QStringLiteral("type"), QStringLiteral("Jazz")}));
    QVERIFY(FRig.Keys({QStringLiteral("Return")}));
    QThread::msleep(500);
    QVERIFY2(editors() == 1, "a message box refused the chord's own name in other case");

    // New, then Edit: the proposed name is taken as it stands.
    QVERIFY(p.Click(newX, buttonsY, editor));
    QThread::msleep(300);
    QVERIFY(p.Click(editX, buttonsY, editor));
    QThread::msleep(500);
    QVERIFY2(editors() == 1, "a message box refused the proposed name");

    QVERIFY(p.Click(okX, buttonsY, editor));
    QTRY_VERIFY_WITH_TIMEOUT(editors() == 0, 5000);
    QVERIFY(p.Quit());
    QVERIFY2(FRig.StoreText().contains(QStringLiteral("Name1=Jazz")), qPrintable(FRig.StoreText()));
}

void TestE2eDialogs::settingsOpenOnScreen_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QPoint>("corner"); // where the main window's lower right corner goes
    QTest::newRow("scale 1, lower right corner") << "QT_SCALE_FACTOR"
                                                 << "1" << QPoint(Screen.width(), Screen.height());
    QTest::newRow("scale 1, window partly off the left edge") << "QT_SCALE_FACTOR"
                                                              << "1" << QPoint(200, 300);
    QTest::newRow("scale 2, dialog taller than the screen")
        << "QT_SCALE_FACTOR"
        << "2" << QPoint(Screen.width(), Screen.height());
    QTest::newRow("font at 144 dpi, right edge") << "QT_FONT_DPI"
                                                 << "144" << QPoint(Screen.width(), 400);
}

void TestE2eDialogs::settingsOpenOnScreen() {
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QPoint, corner);
    FRig.FreshConfig();
    QProcessEnvironment env;
    env.insert(variable, value);
    TE2eProgram p(FRig);
    QVERIFY(p.Start({}, env));
    const QRect main = WindowGeometry(FRig, p.Window());
    QVERIFY(main.isValid());
    QVERIFY(FRig.Xdo({QStringLiteral("windowmove"), p.Window(),
                      QString::number(corner.x() - main.width()),
                      QString::number(corner.y() - main.height())}));
    QThread::msleep(300);
    QVERIFY(p.Focus());
    QVERIFY(FRig.Keys({QStringLiteral("ctrl+s")}));
    const QString settings = p.WaitForWindow(QStringLiteral("^Settings"));
    QVERIFY2(!settings.isEmpty(), "Ctrl+S opened no settings dialog");
    QThread::msleep(500);
    const QRect shown = WindowGeometry(FRig, settings);
    QVERIFY2(QRect(QPoint(0, 0), Screen).contains(shown),
             qPrintable(QStringLiteral("the dialog at %1,%2 %3x%4 leaves the screen")
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())));
    QVERIFY(FRig.Keys({QStringLiteral("Escape")}));
    QTRY_VERIFY_WITH_TIMEOUT(p.Windows(QStringLiteral("^Settings")).isEmpty(), 5000);
    QVERIFY(p.Quit());
}

QTEST_GUILESS_MAIN(TestE2eDialogs)
#include "tst_e2e_dialogs.moc"
