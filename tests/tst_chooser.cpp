#include "controls/splitter.h"
#include "core/patchlist.h"
#include "core/registryinifile.h"
#include "patches/patchsetchooser.h"
#include "shellview/pathdialog.h"
#include "shellview/systemlistview.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray Head = "[cubase parse file]\n[parser version 0001]\n"
                        "[creators first name] Ann\n[creators last name] Lee\n"
                        "[device manufacturer] Maker Co\n[device name] Tone Box\n";

QByteArray Script(const QByteArray &Name, const QByteArray &Patches) {
    return Head + "[script name] " + Name + "\n[define patchnames]\n[mode] Main\n[g1] Keys\n" +
           Patches + "[end]\n";
}

const QByteArray Good = Script("Good Tones", "[p2, 5, 2] Five\n[p2, 6, 2] Six\n");
// The header is fine; the patch section is not.
const QByteArray Broken = Script("Broken Tones", "[p2, 999, 0] Broken\n");
const QByteArray Warned = Script("Warned Tones", "[frobnicate] x\n[p2, 7, -1] Seven\n");

void Write(const QString &Path, const QByteArray &Data) {
    QFile f(Path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Data);
}

} // namespace

class TestChooser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void creatorText_data();
    void creatorText();
    void preview_data();
    void preview();
    void sameFileInOtherCaseIsNotReloaded();
    void folderClearsThePreview();
    void fileTypeFilter();
    void folderField_data();
    void folderField();
    void enterInFolderFieldNeverPressesOk();
    void defaultCommand_data();
    void defaultCommand();
    void applyOkCancel_data();
    void applyOkCancel();
    void loadPatchSet_data();
    void loadPatchSet();
    void homeAndFolderPicker();
    void stateRoundTrip();
    void keptRightPanelLeavesRoomForTheList();
    void keptWindowState_data();
    void keptWindowState();
    void splitterSizesThePreview();
    void widthClamp();

private:
    TPatchSetChooser *NewChooser();
    QString P(const QString &Name) const { return FFiles->filePath(Name); }
    void Select(const QString &Name);

    std::unique_ptr<QTemporaryDir> FConfig;
    std::unique_ptr<QTemporaryDir> FFiles;
    QPointer<TPatchSetChooser> FChooser;
    QStringList FLoaded;
    QStringList FErrors;
    QStringList FOpened;
    bool FLoadResult = true;
};

void TestChooser::init() {
    FConfig = std::make_unique<QTemporaryDir>();
    FFiles = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    QDir(FFiles->path()).mkdir(QStringLiteral("Sub"));
    Write(P(QStringLiteral("good.txt")), Good);
    Write(P(QStringLiteral("broken.txt")), Broken);
    Write(P(QStringLiteral("warned.txt")), Warned);
    Write(P(QStringLiteral("notes.syx")), "just some bytes\n");
    Write(P(QStringLiteral("Sub/inner.txt")), Good);
    FLoaded.clear();
    FErrors.clear();
    FOpened.clear();
    FLoadResult = true;
}

void TestChooser::cleanup() {
    delete FChooser.data();
    FChooser.clear();
}

TPatchSetChooser *TestChooser::NewChooser() {
    FChooser = new TPatchSetChooser;
    FChooser->HomeFolder = FFiles->path();
    FChooser->OnLoadPatchSet = [this](const QString &File) {
        FLoaded << File;
        return FLoadResult;
    };
    FChooser->ShowError = [this](const QString &Message) { FErrors << Message; };
    FChooser->SystemListView->OpenDocument = [this](const QString &Path) {
        FOpened << Path;
        return true;
    };
    FChooser->SystemListView->Prompt = [](TSystemListView::TPromptKind, const QString &) {
        return false;
    };
    FChooser->show();
    if (!QTest::qWaitForWindowExposed(FChooser))
        return nullptr;
    return FChooser;
}

void TestChooser::Select(const QString &Name) {
    const int row = FChooser->SystemListView->FindItem(Name);
    QVERIFY2(row >= 0, qPrintable(Name));
    FChooser->SystemListView->SetSelected(row);
}

void TestChooser::creatorText_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two names") << "Ann"
                               << "Lee"
                               << "Ann Lee";
    QTest::newRow("same ignoring case") << "Ann"
                                        << "ANN"
                                        << "Ann";
    QTest::newRow("last inside first") << "Ann Lee"
                                       << "Lee"
                                       << "Ann Lee";
    QTest::newRow("first inside last") << "Ann"
                                       << "Ann Lee"
                                       << "Ann";
    QTest::newRow("containment is case-sensitive") << "ann"
                                                   << "Ann Lee"
                                                   << "ann Ann Lee";
    QTest::newRow("no last name") << "Ann"
                                  << ""
                                  << "Ann";
    QTest::newRow("last name alone") << ""
                                     << "Lee"
                                     << "Lee";
}

void TestChooser::creatorText() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, shown);
    QCOMPARE(TPatchSetChooser::CreatorText(first, last), shown);
}

void TestChooser::preview_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("good") << Good << QStringList{"Good Tones", "Tone Box", "Maker Co", "Ann Lee"}
                          << true;
    QTest::newRow("broken patch section previews")
        << Broken << QStringList{"Broken Tones", "Tone Box", "Maker Co", "Ann Lee"} << true;
    QTest::newRow("not a script") << QByteArray("hello\n")
                                  << QStringList{"Script is not a Cubase Parse File.", "", "", ""}
                                  << false;
    QTest::newRow("empty file") << QByteArray()
                                << QStringList{"Script is not a Cubase Parse File.", "", "", ""}
                                << false;
}

void TestChooser::preview() {
    QFETCH(QByteArray, script);
    QFETCH(QStringList, fields);
    QFETCH(bool, enabled);
    QVERIFY(NewChooser());
    // Something shown before, so that a failing header must clear it.
    FChooser->Preview(P(QStringLiteral("good.txt")));
    Write(P(QStringLiteral("probe.txt")), script);
    FChooser->Preview(P(QStringLiteral("probe.txt")));
    const QStringList shown{FChooser->ScriptNameEdit->text(), FChooser->DeviceNameEdit->text(),
                            FChooser->DeviceManufacturerEdit->text(),
                            FChooser->CreatorNameEdit->text()};
    QCOMPARE(shown, fields);
    QCOMPARE(FChooser->ApplyButton->isEnabled(), enabled);
    QCOMPARE(FChooser->OkButton->isEnabled(), enabled);
}

void TestChooser::sameFileInOtherCaseIsNotReloaded() {
    QVERIFY(NewChooser());
    Select(QStringLiteral("good.txt"));
    QCOMPARE(FChooser->ScriptNameEdit->text(), QStringLiteral("Good Tones"));
    QCOMPARE(FChooser->FilenamePanel->text(), QStringLiteral("good.txt"));
    Write(P(QStringLiteral("good.txt")), Script("Changed", ""));
    FChooser->Preview(P(QStringLiteral("GOOD.TXT")));
    QCOMPARE(FChooser->ScriptNameEdit->text(), QStringLiteral("Good Tones"));
    QVERIFY(FChooser->ApplyButton->isEnabled());
    // Another file in between, and the header is read again.
    Select(QStringLiteral("warned.txt"));
    Select(QStringLiteral("good.txt"));
    QCOMPARE(FChooser->ScriptNameEdit->text(), QStringLiteral("Changed"));
}

void TestChooser::folderClearsThePreview() {
    QVERIFY(NewChooser());
    Select(QStringLiteral("good.txt"));
    QVERIFY(FChooser->OkButton->isEnabled());
    Select(QStringLiteral("Sub"));
    QCOMPARE(FChooser->SelectedFile(), QString());
    QCOMPARE(FChooser->ScriptNameEdit->text(), QString());
    QCOMPARE(FChooser->CreatorNameEdit->text(), QString());
    QCOMPARE(FChooser->FilenamePanel->text(), QString());
    QVERIFY(!FChooser->ApplyButton->isEnabled());
    QVERIFY(!FChooser->OkButton->isEnabled());
    // Opening it writes the folder into the field and keeps the preview clear.
    FChooser->SystemListView->DefaultCommand();
    QCOMPARE(FChooser->SystemListView->RealDirectory(), P(QStringLiteral("Sub")));
    QCOMPARE(FChooser->FolderEdit->text(), P(QStringLiteral("Sub")));
    QVERIFY(FLoaded.isEmpty());
}

void TestChooser::fileTypeFilter() {
    QVERIFY(NewChooser());
    QCOMPARE(FChooser->FileTypeBox->currentText(), QStringLiteral("Patch Scripts (*.txt)"));
    TSystemListView *list = FChooser->SystemListView;
    QCOMPARE(list->FindItem(QStringLiteral("notes.syx")), -1);
    QVERIFY(list->FindItem(QStringLiteral("Sub")) >= 0);
    FChooser->FileTypeBox->setCurrentIndex(1);
    QVERIFY(list->FindItem(QStringLiteral("notes.syx")) >= 0);
    Select(QStringLiteral("notes.syx"));
    QCOMPARE(FChooser->ScriptNameEdit->text(),
             QStringLiteral("Script is not a Cubase Parse File."));
    QVERIFY(!FChooser->ApplyButton->isEnabled());
    // Back to scripts: the hidden file must not stay selected for Apply.
    FChooser->FileTypeBox->setCurrentIndex(0);
    QCOMPARE(list->FindItem(QStringLiteral("notes.syx")), -1);
    QVERIFY(!FChooser->SelectedFile().endsWith(QStringLiteral("notes.syx")));
}

void TestChooser::folderField_data() {
    // Steps: "enter:<folder>" types the text and presses Enter, "leave:<folder>" types it and
    // moves the focus away, "nav:<folder>" changes the list's folder by navigation. Folder
    // names are under the temporary folder; "-" is one that does not exist.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("errors");
    QTest::newRow("enter changes") << QStringList{"enter:Sub"} << "Sub" << 0;
    QTest::newRow("leave changes") << QStringList{"leave:Sub"} << "Sub" << 0;
    QTest::newRow("same text entered again stays")
        << QStringList{"enter:Sub", "nav:", "enter:Sub"} << "" << 0;
    QTest::newRow("leaving with the entered text stays")
        << QStringList{"enter:Sub", "nav:", "leave:Sub"} << "" << 0;
    QTest::newRow("missing folder keeps the list") << QStringList{"enter:-"} << "" << 1;
    QTest::newRow("missing folder reported once") << QStringList{"enter:-", "leave:-"} << "" << 1;
}

void TestChooser::folderField() {
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(int, errors);
    QVERIFY(NewChooser());
    QCOMPARE(FChooser->SystemListView->RealDirectory(), FFiles->path());
    const auto folder = [this](const QString &Name) {
        return Name == QLatin1String("-") ? P(QStringLiteral("missing")) : QDir::cleanPath(P(Name));
    };
    for (const QString &step : steps) {
        const QString kind = step.section(u':', 0, 0);
        const QString name = step.section(u':', 1);
        if (kind == QLatin1String("nav")) {
            FChooser->SystemListView->SetDirectory(folder(name));
            continue;
        }
        FChooser->FolderEdit->setText(folder(name));
        if (kind == QLatin1String("enter")) {
            QTest::keyClick(FChooser->FolderEdit, Qt::Key_Return);
        } else {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(FChooser->FolderEdit, &out);
        }
    }
    QCOMPARE(FChooser->SystemListView->RealDirectory(), folder(shown));
    QCOMPARE(FErrors.size(), errors);
}

void TestChooser::enterInFolderFieldNeverPressesOk() {
    QVERIFY(NewChooser());
    Select(QStringLiteral("good.txt"));
    FChooser->FolderEdit->setText(P(QStringLiteral("Sub")));
    QTest::keyClick(FChooser->FolderEdit, Qt::Key_Return);
    QTest::keyClick(FChooser->FolderEdit, Qt::Key_Return);
    QVERIFY(FChooser);
    QVERIFY(FChooser->isVisible());
    QVERIFY(FLoaded.isEmpty());
}

void TestChooser::defaultCommand_data() {
    QTest::addColumn<int>("fileType");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("appliedBefore");
    QTest::addColumn<int>("loads");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("closes");
    QTest::newRow("script applies and closes") << 0 << "good.txt" << false << 1 << 0 << "" << true;
    QTest::newRow("broken section applies and closes")
        << 0 << "broken.txt" << false << 1 << 0 << "" << true;
    QTest::newRow("script just applied applies again, never opens elsewhere")
        << 0 << "good.txt" << true << 2 << 0 << "" << true;
    QTest::newRow("folder opens") << 0 << "Sub" << false << 0 << 0 << "Sub" << false;
    QTest::newRow("other file goes to the desktop")
        << 1 << "notes.syx" << false << 0 << 1 << "" << false;
}

void TestChooser::defaultCommand() {
    QFETCH(int, fileType);
    QFETCH(QString, item);
    QFETCH(bool, appliedBefore);
    QFETCH(int, loads);
    QFETCH(int, opened);
    QFETCH(QString, folder);
    QFETCH(bool, closes);
    QVERIFY(NewChooser());
    FChooser->FileTypeBox->setCurrentIndex(fileType);
    Select(item);
    if (appliedBefore)
        QTest::mouseClick(FChooser->ApplyButton, Qt::LeftButton);
    FChooser->SystemListView->DefaultCommand();
    QCOMPARE(FLoaded.size(), loads);
    if (loads)
        QCOMPARE(FLoaded.last(), P(item));
    QCOMPARE(FOpened.size(), opened);
    QTRY_COMPARE(!FChooser || !FChooser->isVisible(), closes);
    if (FChooser)
        QCOMPARE(FChooser->SystemListView->RealDirectory(), QDir::cleanPath(P(folder)));
}

void TestChooser::applyOkCancel_data() {
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<bool>("loadResult");
    QTest::addColumn<int>("loads");
    QTest::addColumn<bool>("applyEnabled");
    QTest::addColumn<bool>("open");
    QTest::newRow("apply loads") << "A" << true << 1 << false << true;
    QTest::newRow("failed apply stays enabled") << "A" << false << 1 << true << true;
    QTest::newRow("retry after failure") << "AA" << false << 2 << true << true;
    QTest::newRow("ok applies and closes") << "O" << true << 1 << false << false;
    QTest::newRow("ok after apply does not load again") << "AO" << true << 1 << false << false;
    QTest::newRow("cancel closes without loading") << "C" << true << 0 << true << false;
}

void TestChooser::applyOkCancel() {
    QFETCH(QString, buttons);
    QFETCH(bool, loadResult);
    QFETCH(int, loads);
    QFETCH(bool, applyEnabled);
    QFETCH(bool, open);
    QVERIFY(NewChooser());
    FLoadResult = loadResult;
    Select(QStringLiteral("good.txt"));
    QPushButton *apply = FChooser->ApplyButton;
    for (QChar b : buttons) {
        QPushButton *button = b == u'A'   ? FChooser->ApplyButton
                              : b == u'O' ? FChooser->OkButton
                                          : FChooser->CancelButton;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(FLoaded.size(), loads);
    if (open) {
        QCOMPARE(apply->isEnabled(), applyEnabled);
        QVERIFY(FChooser->isVisible());
    } else {
        QTRY_VERIFY(!FChooser);
    }
}

void TestChooser::loadPatchSet_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("shows");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("clean") << "good.txt" << true << 0 << "";
    QTest::newRow("warnings only") << "warned.txt" << true << 1 << "Warning";
    QTest::newRow("broken section") << "broken.txt" << false << 1 << "Error";
    QTest::newRow("not a script") << "notes.syx" << false << 1 << "Script is not a Cubase";
    QTest::newRow("missing file") << "gone.txt" << false << 1 << "gone.txt";
    QTest::newRow("empty name") << "" << false << 0 << "";
}

void TestChooser::loadPatchSet() {
    QFETCH(QString, file);
    QFETCH(bool, loaded);
    QFETCH(int, shows);
    QFETCH(QString, firstLine);
    std::unique_ptr<TPatchList> set;
    int handed = 0;
    QList<QStringList> shown;
    const bool ok = TPatchSetChooser::LoadPatchSet(
        file.isEmpty() ? QString() : P(file),
        [&](std::unique_ptr<TPatchList> s) {
            ++handed;
            set = std::move(s);
        },
        [&](const QStringList &Lines) {
            // The set is in place before the messages are shown.
            QCOMPARE(handed, loaded ? 1 : 0);
            shown << Lines;
        });
    QCOMPARE(ok, loaded);
    QCOMPARE(handed, loaded ? 1 : 0);
    QCOMPARE(bool(set), loaded);
    QCOMPARE(shown.size(), shows);
    if (shows) {
        QVERIFY(!shown.first().isEmpty());
        QVERIFY2(shown.first().join(u'\n').contains(firstLine),
                 qPrintable(shown.first().join(u'\n')));
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestChooser::homeAndFolderPicker() {
    QVERIFY(NewChooser());
    FChooser->SystemListView->SetDirectory(QDir::tempPath());
    QTest::mouseClick(FChooser->HomeButton, Qt::LeftButton);
    QCOMPARE(FChooser->SystemListView->RealDirectory(), FFiles->path());
    QString startedAt;
    FChooser->FolderDialog->Runner = [&](QFileDialog &) {
        startedAt = FChooser->FolderDialog->Directory();
        FChooser->FolderDialog->SetDirectory(P(QStringLiteral("Sub")));
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(FChooser->FolderButton, Qt::LeftButton);
    QCOMPARE(startedAt, FFiles->path());
    QCOMPARE(FChooser->SystemListView->RealDirectory(), P(QStringLiteral("Sub")));
    QCOMPARE(FChooser->FolderEdit->text(), P(QStringLiteral("Sub")));
    // A picker left with Cancel changes nothing.
    FChooser->FolderDialog->Runner = [](QFileDialog &) { return int(QDialog::Rejected); };
    QTest::mouseClick(FChooser->FolderButton, Qt::LeftButton);
    QCOMPARE(FChooser->SystemListView->RealDirectory(), P(QStringLiteral("Sub")));
}

void TestChooser::stateRoundTrip() {
    QVERIFY(NewChooser());
    FChooser->move(60, 70);
    FChooser->resize(640, 420);
    FChooser->MainRightPanel->setFixedWidth(250);
    FChooser->SystemListView->SetDirectory(P(QStringLiteral("Sub")));
    QTest::qWait(20);
    const QRect kept = FChooser->geometry();
    FChooser->close();
    QTRY_VERIFY(!FChooser);
    {
        const TRegistryIniFile store;
        const QString s = TPatchSetChooser::StateSection;
        QCOMPARE(store.ReadInteger(s, QStringLiteral("DlgWidth"), 0), 640);
        QCOMPARE(store.ReadInteger(s, QStringLiteral("DlgHeight"), 0), 420);
        QCOMPARE(store.ReadInteger(s, QStringLiteral("DlgTop"), 0), kept.top());
        QCOMPARE(store.ReadInteger(s, QStringLiteral("DlgLeft"), 0), kept.left());
        QCOMPARE(store.ReadInteger(s, QStringLiteral("DlgState"), -1), 0);
        QCOMPARE(store.ReadInteger(s, TPatchSetChooser::ValRightPanelWidth, 0), 250);
    }
    QVERIFY(NewChooser());
    QCOMPARE(FChooser->size(), QSize(640, 420));
    QCOMPARE(FChooser->geometry().topLeft(), kept.topLeft());
    QCOMPARE(FChooser->MainRightPanel->width(), 250);
    QCOMPARE(FChooser->SystemListView->RealDirectory(), P(QStringLiteral("Sub")));
    QCOMPARE(FChooser->FolderEdit->text(), P(QStringLiteral("Sub")));
    QCOMPARE(FChooser->SystemListView->ViewStyle(), TViewStyle::vsReport);
    QCOMPARE(FChooser->SelectedFile(), QString());
    QVERIFY(!FChooser->ApplyButton->isEnabled());
}

void TestChooser::keptRightPanelLeavesRoomForTheList() {
    {
        TRegistryIniFile store;
        store.WriteInteger(TPatchSetChooser::StateSection, TPatchSetChooser::ValRightPanelWidth,
                           5000);
        store.WriteInteger(TPatchSetChooser::StateSection, QStringLiteral("DlgWidth"), 600);
    }
    QVERIFY(NewChooser());
    QVERIFY(FChooser->MainRightPanel->width() < FChooser->width() - 60);
    QVERIFY(FChooser->MainLeftPanel->width() >= 60);
}

void TestChooser::keptWindowState_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal") << 0 << false;
    QTest::newRow("minimized opens normal") << 1 << false;
    QTest::newRow("maximized") << 2 << true;
}

void TestChooser::keptWindowState() {
    QFETCH(int, state);
    QFETCH(bool, maximized);
    {
        TRegistryIniFile store;
        store.WriteInteger(TPatchSetChooser::StateSection, QStringLiteral("DlgState"), state);
    }
    QVERIFY(NewChooser());
    QVERIFY(!FChooser->isMinimized());
    QTRY_COMPARE(FChooser->isMaximized(), maximized);
}

void TestChooser::splitterSizesThePreview() {
    QVERIFY(NewChooser());
    const int before = FChooser->MainRightPanel->width();
    QWidget *splitter = FChooser->Splitter;
    const QPoint middle(splitter->width() / 2, splitter->height() / 2);
    QTest::mousePress(splitter, Qt::LeftButton, {}, middle);
    QMouseEvent move(QEvent::MouseMove, QPointF(middle - QPoint(40, 0)),
                     QPointF(splitter->mapToGlobal(middle - QPoint(40, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(splitter, &move);
    // The splitter went along with the pointer, which is over its middle again.
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, middle);
    QTRY_COMPARE(FChooser->MainRightPanel->width(), before + 40);
}

void TestChooser::widthClamp() {
    QVERIFY(NewChooser());
    const auto right = [this](QWidget *w) { return w->mapTo(FChooser, QPoint(w->width(), 0)).x(); };
    const auto left = [this](QWidget *w) { return w->mapTo(FChooser, QPoint(0, 0)).x(); };
    FChooser->resize(100, FChooser->height());
    QTRY_VERIFY(FChooser->width() > 100);
    const int narrowest = FChooser->width();
    QTest::qWait(20);
    // At the narrowest width the buttons touch the file type box and never overlap it.
    QCOMPARE(left(FChooser->ButtonPanel), right(FChooser->FileTypeBox));
    QCOMPARE(FChooser->FileTypeBox->width(), FChooser->FileTypeBox->sizeHint().width());
    FChooser->resize(narrowest - 1, FChooser->height());
    QTest::qWait(20);
    QCOMPARE(FChooser->width(), narrowest);
    FChooser->resize(narrowest + 50, FChooser->height());
    QTRY_COMPARE(FChooser->width(), narrowest + 50);
    QVERIFY(left(FChooser->ButtonPanel) > right(FChooser->FileTypeBox));
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
