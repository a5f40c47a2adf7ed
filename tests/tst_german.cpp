// With the German translation loaded, the main window, its menus and every dialog show no
// English text that has a German one: a text the translation system does not reach (a missing
// tr(), a table translated before the translator was installed) is caught here. That the German
// texts fit their controls is checked by tst_textsfit_de.

#include "app/eximhelp.h"
#include "app/maintakes.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "chords/chordeditform.h"
#include "core/knoblist.h"
#include "dialogs/settings.h"
#include "dialogs/transposeform.h"
#include "knobs/knobeditform.h"
#include "patches/patchsetchooser.h"
#include "takesui/playerform.h"
#include "takesui/savetakeform.h"
#include "zones/zoneform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

namespace {

QString Plain(QString Text) {
    return Text.remove(QLatin1Char('&')).trimmed();
}

// English source -> German text, from the German .ts file of the sources.
QHash<QString, QString> GermanTexts() {
    QHash<QString, QString> texts;
    QFile file(qEnvironmentVariable("ONDREL_SOURCE_DIR") +
               QStringLiteral("/translations/ondrel_de.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation") {
            const QString german = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (Plain(german) != Plain(source))
                texts.insert(Plain(source), german);
        } else if (!xml.isStartElement())
            xml.readNext();
    }
    return texts;
}

// Every text W and its children show, with where it is shown.
QStringList Texts(QWidget *W) {
    QStringList texts;
    const auto add = [&texts](const QString &Where, const QString &Text) {
        if (!Text.isEmpty())
            texts << Where + u'\t' + Text;
    };
    QList<QWidget *> widgets = W->findChildren<QWidget *>();
    widgets.prepend(W);
    for (QWidget *w : widgets) {
        const QString cls = QString::fromLatin1(w->metaObject()->className());
        if (w->isWindow())
            add(cls + QStringLiteral(" title"), w->windowTitle());
        add(cls + QStringLiteral(" tooltip"), w->toolTip());
        if (const auto *l = qobject_cast<QLabel *>(w))
            add(cls, l->text());
        else if (const auto *b = qobject_cast<QAbstractButton *>(w))
            add(cls, b->text());
        else if (const auto *g = qobject_cast<QGroupBox *>(w))
            add(cls, g->title());
        else if (const auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                add(cls, c->itemText(i));
        else if (const auto *t = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < t->count(); ++i)
                add(cls, t->tabText(i));
        else if (const auto *tree = qobject_cast<QTreeWidget *>(w))
            for (int i = 0; i < tree->columnCount(); ++i)
                add(cls, tree->headerItem()->text(i));
    }
    return texts;
}

void MenuTexts(QMenu *Menu, QStringList &Texts) {
    for (QAction *a : Menu->actions()) {
        Texts << QStringLiteral("menu %1\t%2").arg(Plain(Menu->title()), a->text());
        if (!a->statusTip().isEmpty())
            Texts << QStringLiteral("status tip\t") + a->statusTip();
        if (a->menu())
            MenuTexts(a->menu(), Texts);
    }
}

} // namespace

class TestGerman : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void noEnglishLeftOver_data();
    void noEnglishLeftOver();

private:
    QHash<QString, QString> FGerman;
    std::unique_ptr<QTemporaryDir> FConfig;
    std::unique_ptr<TMainWindow> W;
};

using TShow = std::function<QStringList(TMainWindow &)>;
Q_DECLARE_METATYPE(TShow)

void TestGerman::initTestCase() {
    FGerman = GermanTexts();
    QVERIFY2(FGerman.size() > 300, "the German .ts file was not read");
    InstallTranslations(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QCoreApplication::translate("TMainWindow", "Chord"), QStringLiteral("Akkord"));
}

void TestGerman::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    W = std::make_unique<TMainWindow>(TMidiApi::maNone, false);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W.get()));
}

void TestGerman::cleanup() {
    W.reset();
}

void TestGerman::noEnglishLeftOver_data() {
    QTest::addColumn<TShow>("show");
    QTest::newRow("main window and menus") << TShow([](TMainWindow &W) {
        QStringList texts = Texts(&W);
        for (QAction *a : W.menuBar()->actions()) {
            texts << QStringLiteral("menu bar\t") + a->text();
            if (a->menu())
                MenuTexts(a->menu(), texts);
        }
        return texts;
    });
    QTest::newRow("transpose") << TShow([](TMainWindow &W) {
        W.ShowTranspose();
        return Texts(W.TransposeForm());
    });
    QTest::newRow("settings") << TShow([](TMainWindow &W) {
        W.ShowSettings();
        return Texts(W.Settings());
    });
    QTest::newRow("chord editor") << TShow([](TMainWindow &W) {
        W.ShowChordEditor();
        return Texts(W.ChordEditor());
    });
    QTest::newRow("knob setup") << TShow([](TMainWindow &W) {
        W.ShowKnobSetup();
        return Texts(W.KnobEditor());
    });
    QTest::newRow("zones") << TShow([](TMainWindow &W) {
        W.ShowZones();
        return Texts(W.ZoneForm());
    });
    QTest::newRow("patch set chooser") << TShow([](TMainWindow &W) {
        W.ChoosePatchSet();
        return Texts(W.PatchSetChooser());
    });
    QTest::newRow("save last take") << TShow([](TMainWindow &W) {
        W.Takes().ShowSaveLastTake();
        return Texts(W.Takes().SaveForm());
    });
    QTest::newRow("player") << TShow([](TMainWindow &W) {
        W.Takes().ShowPlayer(false);
        return Texts(W.Takes().Player());
    });
    QTest::newRow("export and import explanations") << TShow([](TMainWindow &W) {
        TExImHelp help(&W);
        QStringList texts;
        for (int page = 0; page < TExImHelp::epCount; ++page) {
            help.SetPage(page, false);
            texts << Texts(&help);
        }
        return texts;
    });
}

void TestGerman::noEnglishLeftOver() {
    QFETCH(TShow, show);
    const QStringList texts = show(*W);
    QVERIFY(!texts.isEmpty());
    QStringList english;
    for (const QString &entry : texts) {
        const QString text = entry.section(u'\t', 1);
        // The built-in knob preset is stored under its name, so the name stays in every language.
        if (entry.startsWith(QStringLiteral("menu Presets\t")) && text == DefaultPresetName)
            continue;
        if (FGerman.contains(Plain(text)))
            english << entry.section(u'\t', 0, 0) + QStringLiteral(": \"") + text +
                           QStringLiteral("\", in German \"") + FGerman.value(Plain(text)) + u'"';
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
}

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    TestGerman test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_german.moc"
