// Every text of the dialogs and of the main window's patch box and knob bar fits the control
// that shows it, so that none is cut off. The same table runs at scale 1, at QT_SCALE_FACTOR=2
// and at QT_FONT_DPI=144 (see textsfit.cmake), on a screen large enough for every dialog.

#include "app/maintakes.h"
#include "app/mainwindow.h"
#include "app/patchselection.h"
#include "app/statusbar.h"
#include "app/translations.h"
#include "chords/chordeditform.h"
#include "core/patchlist.h"
#include "dialogs/settings.h"
#include "dialogs/transposeform.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "patches/patchbox.h"
#include "router/midirouter.h"
#include "takesui/playerform.h"
#include "takesui/savetakeform.h"
#include "zones/zoneform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

QString Plain(QString Text) {
    // "&&" shows one ampersand, a single "&" marks the mnemonic and takes no room.
    return Text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QString Name(const QWidget *W) {
    QString text;
    if (const auto *l = qobject_cast<const QLabel *>(W))
        text = l->text();
    else if (const auto *b = qobject_cast<const QAbstractButton *>(W))
        text = b->text();
    else if (const auto *g = qobject_cast<const QGroupBox *>(W))
        text = g->title();
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(W->metaObject()->className()), Plain(text).left(40));
}

// Why the text of W is cut off, or an empty text when it fits.
QString Clipped(QWidget *W) {
    const QFontMetrics fm = W->fontMetrics();
    QStyle *style = W->style();
    const auto tooNarrow = [&](const QString &Text, const QRect &Room) {
        const int needed = fm.horizontalAdvance(Plain(Text));
        return needed > Room.width() || fm.height() > Room.height()
                   ? QStringLiteral("needs %1x%2, has %3x%4")
                         .arg(needed)
                         .arg(fm.height())
                         .arg(Room.width())
                         .arg(Room.height())
                   : QString();
    };
    if (auto *l = qobject_cast<QLabel *>(W)) {
        if (l->text().isEmpty())
            return {};
        if (l->wordWrap()) {
            const int needed = l->heightForWidth(l->width());
            return needed > l->height()
                       ? QStringLiteral("needs height %1, has %2").arg(needed).arg(l->height())
                       : QString();
        }
        const QSize hint = l->sizeHint();
        return hint.width() > l->width() || fm.height() > l->contentsRect().height()
                   ? QStringLiteral("needs %1x%2, has %3x%4")
                         .arg(hint.width())
                         .arg(fm.height())
                         .arg(l->width())
                         .arg(l->contentsRect().height())
                   : QString();
    }
    if (auto *c = qobject_cast<QCheckBox *>(W)) {
        QStyleOptionButton o;
        o.initFrom(c);
        return tooNarrow(c->text(), style->subElementRect(QStyle::SE_CheckBoxContents, &o, c));
    }
    if (auto *r = qobject_cast<QRadioButton *>(W)) {
        QStyleOptionButton o;
        o.initFrom(r);
        return tooNarrow(r->text(), style->subElementRect(QStyle::SE_RadioButtonContents, &o, r));
    }
    if (auto *b = qobject_cast<QPushButton *>(W)) {
        if (b->text().isEmpty())
            return {};
        QStyleOptionButton o;
        o.initFrom(b);
        return tooNarrow(b->text(), style->subElementRect(QStyle::SE_PushButtonContents, &o, b));
    }
    if (auto *c = qobject_cast<QComboBox *>(W)) {
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.editable = c->isEditable();
        const QRect field =
            style->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
        // Every entry, as the user may choose any; the patch box shortens its own.
        if (auto *p = qobject_cast<TPatchBox *>(c))
            return tooNarrow(p->DisplayText(), field);
        for (int i = 0; i < c->count(); ++i)
            if (const QString why = tooNarrow(c->itemText(i), field); !why.isEmpty())
                return QStringLiteral("entry \"%1\" %2").arg(c->itemText(i), why);
        return {};
    }
    if (auto *g = qobject_cast<QGroupBox *>(W)) {
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.subControls = QStyle::SC_GroupBoxLabel;
        return tooNarrow(g->title(), style->subControlRect(QStyle::CC_GroupBox, &o,
                                                           QStyle::SC_GroupBoxLabel, g));
    }
    if (auto *t = qobject_cast<QTabBar *>(W)) {
        for (int i = 0; i < t->count(); ++i)
            if (t->tabRect(i).width() <
                fm.horizontalAdvance(Plain(t->tabText(i))) +
                    style->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t))
                return QStringLiteral("tab \"%1\" is shortened").arg(t->tabText(i));
    }
    return {};
}

// The texts cut off in Root, and controls that stick out of their parent (which cuts them).
QStringList ClippedTexts(QWidget *Root) {
    QStringList found;
    for (QWidget *w : Root->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(Root) || w->isWindow())
            continue;
        if (const QString why = Clipped(w); !why.isEmpty())
            found << Name(w) + QStringLiteral(": ") + why;
        // A scroll area's page may be larger than its view: it scrolls instead.
        QWidget *parent = w->parentWidget();
        const bool scrolled = parent && qobject_cast<QScrollArea *>(parent->parentWidget()) &&
                              parent->objectName() == QLatin1String("qt_scrollarea_viewport");
        if (!scrolled && parent && !parent->rect().contains(w->geometry()) &&
            (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) ||
             qobject_cast<QComboBox *>(w) || qobject_cast<QGroupBox *>(w)))
            found << Name(w) + QStringLiteral(": sticks out of its parent");
    }
    return found;
}

// Programs with long names, as many devices have them.
const QByteArray Script = "[cubase parse file]\n[parser version 0001]\n[device name] Synth\n"
                          "[define patchnames]\n[mode] Normal\n[g1] Pianos\n"
                          "[p2, 0, 0] Concert Grand Piano \xe2\x80\x93 Bright Stage\n[end]\n";

} // namespace

class TestTextsFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void nothingIsCutOff_data();
    void nothingIsCutOff();
    void statusBarKeepsItsSizeAndPanels_data();
    void statusBarKeepsItsSizeAndPanels();
    void messageTakesTheRoomOfAnEmptyNotePanel();

private:
    std::unique_ptr<QTemporaryDir> FConfig;
    std::unique_ptr<TMainWindow> W;
};

void TestTextsFit::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    W = std::make_unique<TMainWindow>(TMidiApi::maNone, false);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W.get()));
}

void TestTextsFit::cleanup() {
    W.reset();
}

using TShow = std::function<QWidget *(TMainWindow &)>;
Q_DECLARE_METATYPE(TShow)

void TestTextsFit::nothingIsCutOff_data() {
    QTest::addColumn<TShow>("show");
    QTest::newRow("transpose, help shown") << TShow([](TMainWindow &W) -> QWidget * {
        W.ShowTranspose();
        return W.TransposeForm();
    });
    QTest::newRow("transpose, help hidden") << TShow([](TMainWindow &W) -> QWidget * {
        W.ShowTranspose();
        W.TransposeForm()->SetHelpVisible(false);
        return W.TransposeForm();
    });
    const char *pages[] = {"general", "playing", "controller", "joystick", "mouse wheel", "keys"};
    for (int page = 0; page < 6; ++page)
        QTest::newRow(qPrintable(QStringLiteral("settings, %1").arg(QLatin1String(pages[page]))))
            << TShow([page](TMainWindow &W) -> QWidget * {
                   W.ShowSettings();
                   W.Settings()->ShowPage(TSettings::TPage(page));
                   return W.Settings();
               });
    for (int zone = 0; zone < 2; ++zone)
        QTest::newRow(zone ? "zones, second zone, arpeggiator on" : "zones")
            << TShow([zone](TMainWindow &W) -> QWidget * {
                   W.ShowZones();
                   if (zone) {
                       W.ZoneForm()->findChild<QTabWidget *>()->setCurrentIndex(zone);
                       for (auto *arp : W.ZoneForm()->findChildren<QGroupBox *>())
                           if (arp->isCheckable())
                               arp->setChecked(true);
                   }
                   return W.ZoneForm();
               });
    QTest::newRow("chord editor") << TShow([](TMainWindow &W) -> QWidget * {
        W.ShowChordEditor();
        return W.ChordEditor();
    });
    QTest::newRow("knob setup") << TShow([](TMainWindow &W) -> QWidget * {
        W.ShowKnobSetup();
        return W.KnobEditor();
    });
    QTest::newRow("save last take") << TShow([](TMainWindow &W) -> QWidget * {
        W.Takes().ShowSaveLastTake();
        return W.Takes().SaveForm();
    });
    QTest::newRow("player") << TShow([](TMainWindow &W) -> QWidget * {
        W.Takes().ShowPlayer(false);
        return W.Takes().Player();
    });
    QTest::newRow("patch box with a long name") << TShow([](TMainWindow &W) -> QWidget * {
        W.Patches().SetPatchSet(TPatchList::LoadText(Script, nullptr));
        W.Patches().StepPatch(1);
        return W.findChild<QComboBox *>(QStringLiteral("PatchBox"))->parentWidget();
    });
    for (const bool wide : {false, true})
        QTest::newRow(wide ? "knob bar, 20 knobs, widest window" : "knob bar, 20 knobs")
            << TShow([wide](TMainWindow &W) -> QWidget * {
                   W.Knobs().Clear();
                   for (int i = 0; i < 20; ++i)
                       W.Knobs().Add(i % 2 ? QStringLiteral("Expression Controller")
                                           : QStringLiteral("Foot Controller %1").arg(i),
                                     i, i % 4 == 1 ? 1 : 0, i % 4 == 1 ? 0 : 127);
                   W.UncheckKnobPresets(); // as the knob setup does after changing the bar
                   if (wide)
                       W.resize(W.maximumWidth(), W.height());
                   return W.FirstKnobName()->parentWidget();
               });
}

void TestTextsFit::nothingIsCutOff() {
    QFETCH(TShow, show);
    QWidget *root = show(*W);
    QVERIFY(root);
    QTest::qWait(20);
    QVERIFY(QTest::qWaitForWindowExposed(root->window()));
    const QStringList clipped = ClippedTexts(root);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    // A dialog can be made small enough for a 1024 x 600 screen (a netbook, a small tablet)
    // under a panel and its own title bar, at the desktop's usual scale; one larger than that
    // must scroll instead.
    constexpr int SmallScreenRoom = 600 - 32 - 30;
    const QSize least = root->minimumSizeHint().expandedTo(root->minimumSize());
    if (root->isWindow() && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") &&
        qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        QVERIFY2(least.height() <= SmallScreenRoom && least.width() <= 1024,
                 qPrintable(
                     QStringLiteral("at least %1 x %2 px").arg(least.width()).arg(least.height())));
}

void TestTextsFit::statusBarKeepsItsSizeAndPanels_data() {
    // At the default width: a status text or notice (the program's), or a control's status tip
    // while the pointer rests on it.
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tip");
    QTest::newRow("long status text")
        << "The JACK server is no longer running. Ondrel was closed; it "
           "opens again when the JACK server is back."
        << false;
    QTest::newRow("short status") << "Panic: 50%" << false;
    QTest::newRow("short hint") << "Change Chord (Home/End)" << true;
    QTest::newRow("long hint")
        << "Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)" << true;
}

void TestTextsFit::statusBarKeepsItsSizeAndPanels() {
    // A long message grew the window by two or three lines and hid the Base and Octave panels.
    QFETCH(QString, text);
    QFETCH(bool, tip);
    auto *bar = qobject_cast<TStatusBar *>(W->statusBar());
    QVERIFY(bar);
    QTest::qWait(50); // the start-up's own status texts
    const int barHeight = bar->height();
    const QSize window = W->size();
    if (tip) {
        QStatusTipEvent event(text);
        QApplication::sendEvent(W.get(), &event);
    } else {
        W->SetStatusText(text);
    }
    QTest::qWait(50); // the layouts
    QCOMPARE(bar->height(), barHeight);
    QCOMPARE(W->size(), window);
    for (int i = 2; i <= 3; ++i)
        QCOMPARE(bar->childAt(bar->Panel(i)->geometry().center()), bar->Panel(i));
    // The label that shows the text, in sight; where it has no room for all of it, the whole
    // text is its tooltip, and a message is in the list of messages too.
    QLabel *shown = nullptr;
    for (QLabel *l : bar->findChildren<QLabel *>())
        if (l->isVisible() && (l->text() == text || l->text().endsWith(QChar(0x2026))) &&
            bar->childAt(l->geometry().center()) == l)
            shown = l;
    QVERIFY(shown);
    const int room = shown->contentsRect().width() - shown->margin() -
                     shown->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (shown->fontMetrics().horizontalAdvance(text) > room)
        QCOMPARE(shown->toolTip(), text);
    if (!tip)
        QVERIFY2(bar->Messages().last().endsWith(QLatin1Char(' ') + text),
                 qPrintable(bar->Messages().join(QLatin1Char('\n'))));
}

void TestTextsFit::messageTakesTheRoomOfAnEmptyNotePanel() {
    // A message was cut to "Opened Midi-Ma..." at the default width, though the note panel
    // beside it was empty.
    const QString text = QStringLiteral("Opened Midi-Mapper successfully.");
    auto *bar = qobject_cast<TStatusBar *>(W->statusBar());
    QVERIFY(bar);
    QLabel *panel = bar->Panel(0);
    QLabel *note = bar->Panel(1);
    QVERIFY(panel->fontMetrics().horizontalAdvance(text) > panel->contentsRect().width());
    QTest::qWait(50); // the start-up's own status texts
    W->SetStatusText(text);
    QTest::qWait(50); // the layouts
    QVERIFY(note->text().isEmpty());
    QLabel *shown = nullptr;
    for (QLabel *l : bar->findChildren<QLabel *>())
        if (l != panel && l->isVisible() && l->text() == text)
            shown = l;
    QVERIFY(shown);
    QCOMPARE(bar->childAt(shown->geometry().center()), shown);
    QVERIFY(shown->fontMetrics().horizontalAdvance(text) <= shown->contentsRect().width());
    QVERIFY(panel->toolTip().isEmpty());
    for (int i = 2; i <= 4; ++i) // base, octave, mode
        QCOMPARE(bar->childAt(bar->Panel(i)->geometry().center()), bar->Panel(i));

    // The pointer on the keys: the note shows, and the message keeps to its own panel.
    const QPoint on = W->Keyboard()->rect().center();
    QMouseEvent move(QEvent::MouseMove, on, W->Keyboard()->mapToGlobal(on), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(W->Keyboard(), &move);
    QTRY_VERIFY(!note->text().isEmpty());
    QCOMPARE(bar->childAt(note->geometry().center()), note);
    QCOMPARE(panel->toolTip(), text);
}

int main(int argc, char *argv[]) {
    // A screen of 2560 x 1600 pixels: no dialog has to shrink to fit it.
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": 2560,
                      "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
    QApplication app(argc, argv);
    if (const QString language = qEnvironmentVariable("ONDREL_TEST_LANGUAGE"); !language.isEmpty())
        InstallTranslations(QLocale(language));
    TestTextsFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textsfit.moc"
