// The main window's MIDI devices: the two device menus, the MIDI service they use, and what
// happens when that service goes away and comes back.

#include "app/mainwindow.h"
#include "app/mainwindowparts.h"

#include "app/maintakes.h"
#include "core/general.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "midi/midiinput.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "router/midirouter.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTimer>

namespace {

const QString ValService = QStringLiteral("Service");

QString ServiceName(TMidiApi Api) {
    switch (Api) {
    case TMidiApi::maAlsa:
        return QStringLiteral("ALSA");
    case TMidiApi::maJack:
        return QStringLiteral("JACK");
    case TMidiApi::maWinMM:
        return QStringLiteral("Windows MIDI");
    case TMidiApi::maCoreMidi:
        return QStringLiteral("Core MIDI");
    case TMidiApi::maAuto:
        return QStringLiteral("Automatic");
    case TMidiApi::maNone:
        break;
    }
    return QStringLiteral("none");
}

} // namespace

TMidiApi TMainWindow::StoredService() {
    try {
        const TRegistryIniFile store;
        return MidiBackend::ApiFromName(store.ReadString(DevicesSection, ValService, QString()));
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
        return TMidiApi::maAuto;
    }
}

// --- Devices ---------------------------------------------------------------------------------

void TMainWindow::CreateDeviceMenus() {
    FOutMenu = std::make_unique<TMidiOutMenu>(this, FService);
    FInMenu = std::make_unique<TMidiInMenu>(this, FService);
    // From JACK's thread: the window looks on its own thread. No timer asks in the meantime, so
    // an idle window does not wake up.
    const auto gone = [this] {
        QMetaObject::invokeMethod(this, &TMainWindow::WatchService, Qt::QueuedConnection);
    };
    FOutMenu->Output().OnServiceGone = gone;
    FInMenu->Input().OnServiceGone = gone;
    const QString regPath = CompanyKeyName.toString() + QLatin1Char('\\') + ProgramKeyName();
    for (TMidiMenuBase *menu : {static_cast<TMidiMenuBase *>(FOutMenu.get()),
                                static_cast<TMidiMenuBase *>(FInMenu.get())}) {
        menu->SetRegKey(DevicesSection);
        menu->SetRegPath(regPath);
        menu->SetDefaultMidiMapper(true);
        menu->OnError = [this](QObject *, const QString &err) { DeviceError(err); };
        menu->OnTextMessage = [this](QObject *, const QString &text) { SetStatusText(text); };
        menu->OnNotice = [this](QObject *, const QString &text) { DeviceNotice(text); };
    }
    FOutMenu->OnBeforeClose = [this](QObject *) {
        FKeyboard->Model().ReleaseAll();
        FKeyboard->Model().ClearDisplay();
    };
    FInMenu->OnBeforeClose = [this](QObject *) { FKeyboard->Model().ClearDisplay(); };
    // Incoming messages go to the router: played through on the input's own thread, then shown.
    FInMenu->SetDataHandler([this](TMidiInput &input) {
        while (const std::optional<TMidiEvent> event = input.TakeEvent())
            FRouter->Receive(*event);
    });
    FInMenu->Input().SetThruHook(&FRouter->ThruHook());
    // With Midi Thru on, an input that hears our own output would play it back for ever.
    FInMenu->SetThru(MidiThru());
    connect(FMidiThruAction, &QAction::toggled, FInMenu.get(),
            [this](bool on) { FInMenu->SetThru(on); });
    FInMenu->OnDeviceReplaced = [this](QObject *) {
        FInMenu->Input().SetThruHook(&FRouter->ThruHook());
        // With Midi Thru on, an input that hears our own output would play it back for ever.
        FInMenu->SetThru(MidiThru());
        connect(FMidiThruAction, &QAction::toggled, FInMenu.get(),
                [this](bool on) { FInMenu->SetThru(on); });
    };
    FRouter->SetOutput(&FOutMenu->Output());
    FOutMenu->OnDeviceReplacing = [this](QObject *) { FRouter->SetOutput(nullptr); };
    FOutMenu->OnDeviceReplaced = [this](QObject *) { FRouter->SetOutput(&FOutMenu->Output()); };
    FInMenu->SetBaseMenu(FMidiInMenu);
    FOutMenu->SetBaseMenu(FMidiOutMenu);
    BuildServiceMenu();
    LinkTakes();
}

void TMainWindow::BuildServiceMenu() {
    // The MIDI service sits at the end of the Midi Out menu, after the ports it offers.
    FMidiOutMenu->addSeparator();
    FServiceMenu = FMidiOutMenu->addMenu(QStringLiteral("MIDI &Service"));
    auto *group = new QActionGroup(FServiceMenu);
    const TMidiApi inUse = FOutMenu->Output().Api();
    for (TMidiApi api : MidiBackend::CompiledApis()) {
        QAction *a = FServiceMenu->addAction(ServiceName(api));
        a->setCheckable(true);
        a->setChecked(api == inUse);
        a->setActionGroup(group);
        connect(a, &QAction::triggered, this, [this, api] { SetService(api); });
    }
    FServiceMenu->setTitle(QStringLiteral("MIDI &Service: %1").arg(ServiceName(inUse)));
}

void TMainWindow::SetService(TMidiApi Api) {
    try {
        TRegistryIniFile store;
        store.WriteString(DevicesSection, ValService, MidiBackend::ApiName(Api));
    } catch (const EIniFileException &Error) {
        ShowNotice(Error.Message());
    }
    if (Api == FService && FOutMenu && FOutMenu->Output().Api() == Api)
        return;
    FInMenu->CloseWithCursor();
    FOutMenu->CloseWithCursor();
    FRouter->SetOutput(nullptr);
    FTakes->SetOutput(nullptr);
    FInMenu.reset();
    FOutMenu.reset();
    FMidiInMenu->clear();
    FMidiOutMenu->clear();
    FService = Api;
    CreateDeviceMenus();
    try {
        const TRegistryIniFile store;
        FOutMenu->Load(store);
        FInMenu->Load(store);
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
    }
    // A device waited for has said so already, with the same advice.
    if (!FOutMenu->ServiceStarted() && FOutMenu->Awaited().isEmpty() &&
        FInMenu->Awaited().isEmpty())
        ShowNotice(MidiBackend::NotRunningText(FOutMenu->Api()));
}

void TMainWindow::DeviceNotice(const QString &Text) {
    if (FDeferredDone && !FErrorsToStatus)
        FStartNotices << Text;
    else
        ShowNotice(Text);
}

void TMainWindow::DeviceError(const QString &Text) {
    if (FDeferredDone && !FErrorsToStatus)
        FStartErrors << Text;
    else if (FErrorsToStatus || !isVisible())
        ShowNotice(Text);
    else
        QMessageBox::warning(this, QStringLiteral("Ondrel"), Text);
}

// --- A lost service ------------------------------------------------------------------------------

void TMainWindow::SendFailed(const QString &Text) {
    if (FLosing)
        return; // the notes let go while closing have nowhere to go
    if (!FOutMenu->IsClosed() && !FOutMenu->Output().ServiceAlive())
        ServiceLost(FOutMenu->Api(), Text);
    else
        SetStatusText(Text);
}

void TMainWindow::ServiceLost(TMidiApi Api, const QString &Reason) {
    const bool outLost = !FOutMenu->IsClosed() && FOutMenu->Api() == Api;
    const bool inLost = !FInMenu->IsClosed() && FInMenu->Api() == Api;
    if (FLosing || (!outLost && !inLost))
        return;
    FLosing = true;
    const auto done = qScopeGuard([this] { FLosing = false; });
    QStringList closed;
    // Closing lets go of the held notes; nothing is sent to the lost service. The menus open
    // the devices again once their service lists them.
    for (TMidiMenuBase *menu : {static_cast<TMidiMenuBase *>(FOutMenu.get()),
                                static_cast<TMidiMenuBase *>(FInMenu.get())}) {
        if (menu->IsClosed() || menu->Api() != Api)
            continue;
        const QString name = menu->DeviceName();
        closed << name;
        menu->CloseWithCursor();
        menu->Await(name);
    }
    const QString service =
        Api == TMidiApi::maJack ? QStringLiteral("JACK server") : QStringLiteral("MIDI service");
    ShowNotice(
        closed.size() == 1
            ? QStringLiteral("%1 %2 was closed; it opens again when the %3 is back.")
                  .arg(Reason, closed[0], service)
            : QStringLiteral("%1 %2 and %3 were closed; they open again when the %4 is back.")
                  .arg(Reason, closed[0], closed[1], service));
}

QString TMainWindow::LostOutput() const {
    return FOutMenu->Awaited();
}

QString TMainWindow::LostInput() const {
    return FInMenu->Awaited();
}

void TMainWindow::WatchService() {
    // Told from the service's thread that it went away.
    const auto gone = [](TMidiApi Api) {
        return QStringLiteral("The %1 server is no longer running.").arg(ServiceName(Api));
    };
    if (!FOutMenu->IsClosed() && !FOutMenu->Output().ServiceAlive())
        ServiceLost(FOutMenu->Api(), gone(FOutMenu->Api()));
    else if (!FInMenu->IsClosed() && !FInMenu->Input().ServiceAlive())
        ServiceLost(FInMenu->Api(), gone(FInMenu->Api()));
}
