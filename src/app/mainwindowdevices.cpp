// The main window's MIDI devices: the owner of the ports wired to the keyboard and the router,
// its two menus, the MIDI service submenu, and what the devices have to tell.

#include "app/mainwindow.h"
#include "app/mainwindowparts.h"

#include "app/maintakes.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "midi/mididevices.h"
#include "midi/midiinput.h"
#include "midi/midimenu.h"
#include "router/midirouter.h"
#include "router/zoneplayer.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

TMidiApi TMainWindow::StoredService() {
    try {
        const TRegistryIniFile store;
        return TMidiDevices::StoredApi(store);
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
        return TMidiApi::maAuto;
    }
}

// --- Devices ---------------------------------------------------------------------------------

void TMainWindow::CreateDeviceMenus() {
    FDevices = std::make_unique<TMidiDevices>(FService);
    TMidiDevices *devices = FDevices.get();
    devices->SetDefaultMidiMapper(true);
    connect(devices, &TMidiDevices::Error, this, &TMainWindow::DeviceError);
    connect(devices, &TMidiDevices::Notice, this, &TMainWindow::DeviceNotice);
    connect(devices, &TMidiDevices::TextMessage, this,
            [this](const QString &text) { SetStatusText(text); });
    // The output gets the releases of the held notes before it closes.
    connect(devices, &TMidiDevices::OutputClosing, this, [this] {
        FKeyboard->Model().ReleaseAll();
        FKeyboard->Model().ClearDisplay();
        FRouter->Zones().EndAll(); // latched notes and arpeggios end with the device
    });
    connect(devices, &TMidiDevices::InputClosing, this,
            [this] { FKeyboard->Model().ClearDisplay(); });
    // Incoming messages go to the router: played through on the input's own thread, then shown.
    connect(devices, &TMidiDevices::InputWaiting, this, [this](TMidiInput &input) {
        while (const std::optional<TMidiEvent> event = input.TakeEvent())
            FRouter->Receive(*event);
        CountInputLosses(input);
    });
    connect(devices, &TMidiDevices::InputOverflowed, this, &TMainWindow::CountInputLosses);
    connect(FRouter.get(), &TMidiRouter::MessagesLost, this,
            [this](const QString &text) { SetStatusText(text); });
    connect(devices, &TMidiDevices::ServiceChanged, this, &TMainWindow::ShowService);
    devices->SetThruHook(&FRouter->ThruHook());
    // With Midi Thru on, an input that hears our own output would play it back for ever.
    devices->SetThru(MidiThru());
    connect(FMidiThruAction, &QAction::toggled, devices, &TMidiDevices::SetThru);
    FRouter->SetOutput(devices);
    FInMenu = std::make_unique<TMidiInMenu>(*devices, FMidiInMenu);
    FOutMenu = std::make_unique<TMidiOutMenu>(*devices, FMidiOutMenu);
    // An output that opens (at start-up, chosen, or back after it went away) is told what the
    // window shows.
    connect(devices, &TMidiDevices::OutputOpened, this, [this] {
        if (!FPatchLoading) // else once the stored patch has loaded
            SendShownState();
    });
    BuildServiceMenu();
    LinkTakes();
    LinkZones();
}

void TMainWindow::BuildServiceMenu() {
    // The MIDI service sits at the end of the Midi Out menu, after the ports it offers.
    FMidiOutMenu->addSeparator();
    FServiceMenu = FMidiOutMenu->addMenu(tr("MIDI &Service"));
    auto *group = new QActionGroup(FServiceMenu);
    for (TMidiApi api : MidiBackend::CompiledApis()) {
        QAction *a = FServiceMenu->addAction(TMidiDevices::ServiceName(api));
        a->setCheckable(true);
        a->setData(int(api));
        a->setActionGroup(group);
        connect(a, &QAction::triggered, this, [this, api] { SetService(api); });
    }
    ShowService();
}

void TMainWindow::ShowService() {
    const TMidiApi inUse = FDevices->Api();
    for (QAction *a : FServiceMenu->actions())
        a->setChecked(a->data().toInt() == int(inUse));
    FServiceMenu->setTitle(tr("MIDI &Service: %1").arg(TMidiDevices::ServiceName(inUse)));
}

void TMainWindow::SetService(TMidiApi Api) {
    FService = Api;
    FDevices->SetService(Api);
    ShowService(); // the check mark on the service in use, also when nothing changed
}

void TMainWindow::SetStartChoices(const QString &MidiOut, const QString &MidiIn, int Channel) {
    FGivenOutput = MidiOut;
    FGivenInput = MidiIn;
    FGivenChannel = Channel >= 0 && Channel < MidiChannelCount ? Channel : -1;
}

void TMainWindow::CountInputLosses(TMidiInput &Input) {
    // Each input counts from zero: the losses of the inputs before it stay in the sum.
    if (&Input != FInputLosses.Input) {
        FInputLosses.Before += FInputLosses.Seen;
        FInputLosses = {&Input, FInputLosses.Before, 0};
    }
    FInputLosses.Seen = Input.LostCount();
    FRouter->CheckLosses(FInputLosses.Before + FInputLosses.Seen);
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

void TMainWindow::SendFailed(const QString &Text) {
    // A lost service is the device owner's to handle; it says so itself.
    SetStatusText(Text);
}
