// The desktop's colours, light and dark: every text of the main window and of its dialogs
// stands out from what is drawn behind it, the knobs' pointers from their faces, and the
// pictures of a piano (keys, wheels) stay what they are, whatever the palette.

#include "darkpalette.h"

#include "app/mainwindow.h"
#include "chords/chordeditform.h"
#include "controls/imgcontrol.h"
#include "controls/wheel.h"
#include "dialogs/settings.h"
#include "dialogs/transposeform.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "patches/patchsetchooser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>

namespace {

double Luminance(QRgb C) {
    const auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(C)) + 0.7152 * channel(qGreen(C)) + 0.0722 * channel(qBlue(C));
}

// The contrast ratio of the accessibility guidelines: 1 (none) to 21 (black on white).
double Contrast(QRgb A, QRgb B) {
    const double a = Luminance(A), b = Luminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The strongest contrast between what differs in two pictures of the same place and what was
// there before; 0 when nothing differs.
double StrongestChange(const QImage &Before, const QImage &After, const QRect &Area) {
    double best = 0;
    const QRect r = Area & Before.rect() & After.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb a = Before.pixel(x, y), b = After.pixel(x, y);
            if (a != b)
                best = std::max(best, Contrast(a, b));
        }
    return best;
}

// Takes the text of a widget away for a moment: the returned call puts it back. Null for a
// widget without a text of its own. Signals stay blocked, so nothing but the picture changes.
std::function<void()> TakeText(QWidget *W) {
    auto blocker = std::make_shared<QSignalBlocker>(W);
    if (auto *label = qobject_cast<QLabel *>(W); label && !label->text().isEmpty()) {
        const QString text = label->text();
        label->setText(QString());
        return [label, text, blocker] { label->setText(text); };
    }
    if (auto *button = qobject_cast<QAbstractButton *>(W); button && !button->text().isEmpty()) {
        const QString text = button->text();
        button->setText(QString());
        return [button, text, blocker] { button->setText(text); };
    }
    if (auto *edit = qobject_cast<QLineEdit *>(W); edit && !edit->text().isEmpty()) {
        const QString text = edit->text();
        const int cursor = edit->cursorPosition();
        edit->setText(QString());
        return [edit, text, cursor, blocker] {
            edit->setText(text);
            edit->setCursorPosition(cursor);
        };
    }
    if (auto *combo = qobject_cast<QComboBox *>(W);
        combo && !combo->isEditable() && !combo->currentText().isEmpty()) {
        // No entry shown (a model of its own may refuse a changed text); signals are blocked.
        const int index = combo->currentIndex();
        combo->setCurrentIndex(-1);
        return [combo, index, blocker] { combo->setCurrentIndex(index); };
    }
    if (auto *group = qobject_cast<QGroupBox *>(W); group && !group->title().isEmpty()) {
        const QString text = group->title();
        group->setTitle(QString());
        return [group, text, blocker] { group->setTitle(text); };
    }
    if (auto *tabs = qobject_cast<QTabBar *>(W); tabs && tabs->count() > 0) {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
            tabs->setTabText(i, QString());
        }
        return [tabs, texts, blocker] {
            for (int i = 0; i < texts.size(); ++i)
                tabs->setTabText(i, texts[i]);
        };
    }
    return nullptr;
}

QString Describe(const QWidget *W) {
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(W))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(W))
        text = button->text();
    else if (auto *edit = qobject_cast<const QLineEdit *>(W))
        text = edit->text();
    else if (auto *combo = qobject_cast<const QComboBox *>(W))
        text = combo->currentText();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(W->metaObject()->className()), text);
}

// The texts of Window (enabled, shown) that do not stand out from what is behind them by
// MinContrast, each with the contrast found.
QStringList FaintTexts(QWidget *Window, double MinContrast) {
    QStringList faint;
    const QImage with = Window->grab().toImage();
    for (QWidget *w : Window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(Window) || !w->isEnabled() || w->window() != Window)
            continue;
        // Under another widget (a status text across the bar's panels) it shows nothing.
        const QWidget *top = Window->childAt(w->mapTo(Window, w->rect().center()));
        if (top && top != w && !w->isAncestorOf(top) && !top->isAncestorOf(w))
            continue;
        const std::function<void()> restore = TakeText(w);
        if (!restore)
            continue;
        const QImage without = Window->grab().toImage();
        restore();
        const QRect area(w->mapTo(Window, QPoint(0, 0)), w->size());
        if (const double c = StrongestChange(without, with, area); c < MinContrast)
            faint << QStringLiteral("%1: %2").arg(Describe(w)).arg(c, 0, 'f', 2);
    }
    return faint;
}

} // namespace

class TestThemes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void textsStandOut_data();
    void textsStandOut();
    void knobPointersStandOutFromTheirFaces_data();
    void knobPointersStandOutFromTheirFaces();
    void pianoPicturesDoNotFollowThePalette_data();
    void pianoPicturesDoNotFollowThePalette();

private:
    void UsePalette(bool Dark);
    QTemporaryDir FConfig;
    QPalette FLight;
};

void TestThemes::initTestCase() {
    qputenv("XDG_CONFIG_HOME", FConfig.path().toUtf8());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    FLight = QApplication::style()->standardPalette();
}

void TestThemes::cleanup() {
    UsePalette(false);
}

void TestThemes::UsePalette(bool Dark) {
    QApplication::setPalette(Dark ? DarkPalette() : FLight);
}

void TestThemes::textsStandOut_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    for (const bool dark : {false, true})
        for (const char *window :
             {"main", "settings", "transpose", "chord editor", "knob setup", "patch chooser"})
            QTest::addRow("%s, %s", dark ? "dark" : "light", window)
                << dark << QString::fromLatin1(window);
}

void TestThemes::textsStandOut() {
    QFETCH(bool, dark);
    QFETCH(QString, window);
    UsePalette(dark);
    TMainWindow w(TMidiApi::maNone, false);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Keyboard()->Model().SendChord(0, 60, 100, true); // the note panel shows a name
    QWidget *shown = &w;
    if (window == QLatin1String("settings")) {
        w.ShowSettings();
        shown = w.Settings();
    } else if (window == QLatin1String("transpose")) {
        w.ShowTranspose();
        shown = w.TransposeForm();
    } else if (window == QLatin1String("chord editor")) {
        w.ShowChordEditor();
        shown = w.ChordEditor();
    } else if (window == QLatin1String("knob setup")) {
        w.ShowKnobSetup();
        shown = w.KnobEditor();
    } else if (window == QLatin1String("patch chooser")) {
        w.ChoosePatchSet();
        shown = w.PatchSetChooser();
    }
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QTest::qWait(50);
    // The guidelines ask 4.5 of body text; what a palette gives its texts has more.
    QStringList faint;
    if (auto *tabs = shown->findChild<QTabWidget *>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            faint += FaintTexts(shown, 4.5);
        }
    } else {
        faint = FaintTexts(shown, 4.5);
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QLatin1String("; "))));
    w.Keyboard()->Model().SendChord(0, 60, 0, true);
}

void TestThemes::knobPointersStandOutFromTheirFaces_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestThemes::knobPointersStandOutFromTheirFaces() {
    QFETCH(bool, dark);
    UsePalette(dark);
    TMainWindow w(TMidiApi::maNone, false);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    TWheel *knob = w.Knobs().Wheel(0);
    QVERIFY(knob);
    // Where the pointer stands at one end is face at the other: what changes is the pointer.
    const QRect area(knob->mapTo(&w, QPoint(0, 0)), knob->size());
    knob->SetPosition(knob->PositionMin());
    const QImage low = w.grab().toImage();
    knob->SetPosition(knob->PositionMax());
    const QImage high = w.grab().toImage();
    const double c = StrongestChange(low, high, area);
    QVERIFY2(c >= 3.0, qPrintable(QString::number(c)));
}

void TestThemes::pianoPicturesDoNotFollowThePalette_data() {
    QTest::addColumn<int>("style");
    QTest::newRow("keys drawn") << int(TPaintStyle::psDraw);
    QTest::newRow("key pictures") << int(TPaintStyle::psImage);
}

void TestThemes::pianoPicturesDoNotFollowThePalette() {
    QFETCH(int, style);
    const auto render = [&](bool Dark) {
        UsePalette(Dark);
        TMainWindow w(TMidiApi::maNone, false);
        w.Keyboard()->SetPaintStyle(TPaintStyle(style));
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            return QList<QImage>();
        w.Keyboard()->Model().SendChord(0, 60, 100, true);
        w.PitchStrip()->SetPosition(4000);
        QList<QImage> shots;
        for (QWidget *part : std::initializer_list<QWidget *>{w.Keyboard(), w.PitchStrip(),
                                                              w.ModulationStrip(), w.LeftArrow()})
            shots << part->grab().toImage();
        w.Keyboard()->Model().SendChord(0, 60, 0, true);
        return shots;
    };
    const QList<QImage> light = render(false);
    const QList<QImage> dark = render(true);
    QCOMPARE(light.size(), 4);
    QCOMPARE(dark.size(), 4);
    const char *const parts[] = {"keyboard", "pitch wheel", "modulation wheel", "arrow"};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(light[i] == dark[i], parts[i]);
}

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
