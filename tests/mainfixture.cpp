#include "mainfixture.h"

#include "app/mainwindow.h"
#include "keyboard/keyboard.h"
#include "midi/mididevices.h"
#include "router/midirouter.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

TMainFixture::TMainFixture() {
    // A box a test expects is answered within milliseconds (TModalAnswers); one still open after
    // five seconds (a device that failed to open at start-up) would hold the test until CTest's
    // timeout, with nothing in the log to say why.
    FBoxWatch.setInterval(500);
    QObject::connect(&FBoxWatch, &QTimer::timeout, [this] { WatchBoxes(); });
    FBoxWatch.start();
}

void TMainFixture::WatchBoxes() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box != FOpenBox) {
        FOpenBox = box;
        FOpenBoxTicks = 0;
        return;
    }
    if (++FOpenBoxTicks < 10)
        return;
    FStrayBoxes << box->text();
    qWarning("Closed a message box nobody answered: %s", qPrintable(box->text()));
    box->reject();
}

TMainFixture::~TMainFixture() {
    Stop();
}

bool TMainFixture::Start(const QString &Tag) {
    if (!FServer.Start(
            QStringLiteral("ondrel-%1-%2").arg(Tag).arg(QCoreApplication::applicationPid()))) {
        FError = FServer.ErrorText();
        return false;
    }
    FPeer = std::make_unique<TJackPeer>(Tag + QStringLiteral("-peer"));
    if (!FPeer->IsValid()) {
        FError = QStringLiteral("The JACK peer could not be opened.");
        return false;
    }
    return true;
}

void TMainFixture::Stop() {
    FPeer.reset();
    FServer.Stop();
}

void TMainFixture::FreshConfig() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    if (FPeer)
        FPeer->ClearReceived();
}

QString TMainFixture::ConfigPath() const {
    return FConfig ? FConfig->path() : QString();
}

std::unique_ptr<TMainWindow> TMainFixture::NewWindow() {
    auto w = std::make_unique<TMainWindow>(TMidiApi::maJack, false);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w.get(), 20000)) // patient on a loaded machine
        return nullptr;
    const qsizetype stray = FStrayBoxes.size();
    QTest::qWait(50); // the deferred start-up
    if (FStrayBoxes.size() != stray)
        return nullptr;
    return w;
}

bool TMainFixture::ChooseOutput(TMainWindow &W, const QString &Caption) {
    for (QAction *a : W.OutputDeviceMenu()->actions()) {
        if (a->text() == Caption) {
            a->trigger();
            return W.Devices().IsOpen(TMidiDevices::TSide::Output);
        }
    }
    return false;
}

bool TMainFixture::ConnectPeer(TMainWindow &W) {
    if (!ChooseOutput(W, QStringLiteral("Ondrel")))
        return false;
    const QString port = FPeer->FindPort(QStringLiteral("^Ondrel[^:]*:Ondrel$"), JackPortIsOutput);
    if (port.isEmpty() || !FPeer->Connect(port, FPeer->InPort()) || !FPeer->WaitCycles())
        return false;
    FPeer->ClearReceived();
    return true;
}

QStringList TMainFixture::Received() const {
    return Hex(FPeer->Received());
}

QStringList TMainFixture::Hex(const std::vector<TBytes> &Messages) {
    QStringList list;
    for (const TBytes &m : Messages) {
        QStringList bytes;
        for (uint8_t b : m)
            bytes << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
        list << bytes.join(QLatin1Char(' '));
    }
    return list;
}
