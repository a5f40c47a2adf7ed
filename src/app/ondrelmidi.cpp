// The MIDI side of the main window: the device menus and the MIDI service, the routing of
// notes and events between the keyboard, the controls and the ports, and Panic.

#include "ondrel.h"

#include "general.h"
#include "guiknoblist.h"
#include "imgcontrol.h"
#include "midierror.h"
#include "midiinput.h"
#include "midimenu.h"
#include "midioutput.h"
#include "programbank.h"
#include "registryinifile.h"
#include "synth.h"
#include "wheel.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
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

TMidiApi TOndrel2::StoredService() {
    try {
        const TRegistryIniFile store;
        return MidiBackend::ApiFromName(store.ReadString(SecDevices, ValService, QString()));
    } catch (...) {
        return TMidiApi::maAuto;
    }
}

// --- Devices ---------------------------------------------------------------------------------

void TOndrel2::CreateDeviceMenus() {
    FOutMenu = std::make_unique<TMidiOutMenu>(this, FService);
    FInMenu = std::make_unique<TMidiInMenu>(this, FService);
    // From JACK's thread: the window looks on its own thread. No timer asks in the meantime, so
    // an idle window does not wake up.
    const auto gone = [this] {
        QMetaObject::invokeMethod(this, &TOndrel2::WatchService, Qt::QueuedConnection);
    };
    FOutMenu->Output().OnServiceGone = gone;
    FInMenu->Input().OnServiceGone = gone;
    const QString regPath = CompanyKeyName.toString() + QLatin1Char('\\') + ProgramKeyName();
    for (TMidiMenuBase *menu : {static_cast<TMidiMenuBase *>(FOutMenu.get()),
                                static_cast<TMidiMenuBase *>(FInMenu.get())}) {
        menu->SetRegKey(SecDevices);
        menu->SetRegPath(regPath);
        menu->SetDefaultMidiMapper(true);
        menu->OnError = [this](QObject *, const QString &err) { DeviceError(err); };
        menu->OnTextMessage = [this](QObject *, const QString &text) { SetStatusText(text); };
    }
    FOutMenu->OnBeforeClose = [this](QObject *) {
        Keyboard1->Model().ReleaseAll();
        Keyboard1->Model().ClearDisplay();
    };
    FInMenu->OnBeforeClose = [this](QObject *) { Keyboard1->Model().ClearDisplay(); };
    FInMenu->SetDataHandler([this](TMidiInput &input) { HandleMidiInput(input); });
    FInMenu->SetBaseMenu(MidiIn1);
    FOutMenu->SetBaseMenu(MidiOut1);
    BuildServiceMenu();
}

void TOndrel2::BuildServiceMenu() {
    // The MIDI service sits at the end of the Midi Out menu, after the ports it offers.
    MidiOut1->addSeparator();
    FServiceMenu = MidiOut1->addMenu(QStringLiteral("MIDI &Service"));
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

void TOndrel2::SetService(TMidiApi Api) {
    try {
        TRegistryIniFile store;
        store.WriteString(SecDevices, ValService, MidiBackend::ApiName(Api));
    } catch (...) {
    }
    if (Api == FService && FOutMenu && FOutMenu->Output().Api() == Api)
        return;
    FInMenu->CloseWithCursor();
    FOutMenu->CloseWithCursor();
    FInMenu.reset();
    FOutMenu.reset();
    MidiIn1->clear();
    MidiOut1->clear();
    FService = Api;
    CreateDeviceMenus();
    try {
        const TRegistryIniFile store;
        FOutMenu->Load(store);
        FInMenu->Load(store);
    } catch (...) {
    }
}

void TOndrel2::DeviceError(const QString &Text) {
    if (FErrorsToStatus || !isVisible())
        SetStatusText(Text);
    else
        QMessageBox::warning(this, QStringLiteral("Ondrel"), Text);
}

// --- Routing ---------------------------------------------------------------------------------

void TOndrel2::Keyboard1Note(uint8_t Typ, uint8_t Note, uint8_t Vel) {
    if (PutShort)
        PutShort(Typ, Note, Vel);
    if (OnMidiEvent)
        OnMidiEvent(Typ, Note, Vel);
}

void TOndrel2::SendToOutput(uint8_t Status, uint8_t Data1, uint8_t Data2) {
    SendOut(Status, Data1, Data2);
    ReflectEvent(Status, Data1, Data2);
    if (FChordEditor && FChordEditor->isVisible() && (Status & 0xF0) == 0x90)
        FChordEditor->ToggleFromNote(Data1, Data2);
}

void TOndrel2::SendOut(uint8_t Status, uint8_t Data1, uint8_t Data2) {
    TMidiOutput &out = FOutMenu->Output();
    if (FLosing && !out.ServiceAlive())
        return; // the notes let go while closing have nowhere to go
    try {
        out.Send(Status, Data1, Data2);
    } catch (const EMidiError &Error) {
        if (!out.ServiceAlive())
            ServiceLost(FOutMenu->Api(), Error.Message());
        else
            SetStatusText(Error.Message());
    }
}

void TOndrel2::ServiceLost(TMidiApi Api, const QString &Reason) {
    const bool outLost = !FOutMenu->IsClosed() && FOutMenu->Api() == Api;
    const bool inLost = !FInMenu->IsClosed() && FInMenu->Api() == Api;
    if (FLosing || (!outLost && !inLost))
        return;
    FLosing = true;
    const auto done = qScopeGuard([this] { FLosing = false; });
    FLostApi = Api;
    QStringList closed;
    // Closing lets go of the held notes; nothing is sent to the lost service.
    if (outLost) {
        FLostOut = FOutMenu->DeviceName();
        closed << FLostOut;
        FOutMenu->CloseWithCursor();
    }
    if (inLost) {
        FLostIn = FInMenu->DeviceName();
        closed << FLostIn;
        FInMenu->CloseWithCursor();
    }
    const QString service =
        Api == TMidiApi::maJack ? QStringLiteral("JACK server") : QStringLiteral("MIDI service");
    ShowNotice(
        closed.size() == 1
            ? QStringLiteral("%1 %2 was closed; it opens again when the %3 is back.")
                  .arg(Reason, closed[0], service)
            : QStringLiteral("%1 %2 and %3 were closed; they open again when the %4 is back.")
                  .arg(Reason, closed[0], closed[1], service));
    if (FServiceWatch)
        FServiceWatch->start(); // until the service is back
}

void TOndrel2::WatchService() {
    if (FLostOut.isEmpty() && FLostIn.isEmpty()) {
        // Told from the service's thread that it went away.
        const auto gone = [](TMidiApi Api) {
            return QStringLiteral("The %1 server is no longer running.").arg(ServiceName(Api));
        };
        if (!FOutMenu->IsClosed() && !FOutMenu->Output().ServiceAlive())
            ServiceLost(FOutMenu->Api(), gone(FOutMenu->Api()));
        else if (!FInMenu->IsClosed() && !FInMenu->Input().ServiceAlive())
            ServiceLost(FInMenu->Api(), gone(FInMenu->Api()));
        return;
    }
    // A device chosen meanwhile ends its wait.
    if (!FOutMenu->IsClosed() || FOutMenu->Api() != FLostApi)
        FLostOut.clear();
    if (!FInMenu->IsClosed() || FInMenu->Api() != FLostApi)
        FLostIn.clear();
    if (FLostOut.isEmpty() && FLostIn.isEmpty()) {
        if (FServiceWatch)
            FServiceWatch->stop();
        return;
    }
    if (!MidiBackend::ApiStarts(FLostApi))
        return;
    if (FServiceWatch)
        FServiceWatch->stop();
    const QString out = std::exchange(FLostOut, QString());
    const QString in = std::exchange(FLostIn, QString());
    // The ports are listed anew: those of the new server may differ.
    if (!out.isEmpty()) {
        FOutMenu->SetApi(FLostApi);
        FOutMenu->SelectByName(out);
    }
    if (!in.isEmpty()) {
        FInMenu->SetApi(FLostApi);
        FInMenu->SelectByName(in);
    }
}

void TOndrel2::KnobChange(uint8_t Controller, uint8_t Value) {
    const uint8_t status = uint8_t(0xB0 | Keyboard1->Model().Channel());
    SendOut(status, Controller, Value);
    ReflectEvent(status, Controller, Value);
}

void TOndrel2::ReflectEvent(uint8_t Status, uint8_t Data1, uint8_t Data2) {
    const uint8_t d1 = Data1 & 0x7F;
    const uint8_t d2 = Data2 & 0x7F;
    switch (Status & 0xF0) {
    case 0xE0:
        ICPitch->SetPosition(d2 * 128 + d1 - 8192);
        if (FSettings && FSettings->isVisible())
            FSettings->LearnController(TSettings::PitchWheelCode);
        break;
    case 0xB0:
        if (d1 == 0)
            PendingBankMSB = d2;
        else if (d1 == 32)
            PendingBankLSB = d2;
        if (d1 == ModWheelController)
            ICMW->SetPosition(d2);
        if (d1 == MouseWheelController)
            WheelValue = d2;
        Keyboard1->Model().SetControllerValue(d1, d2);
        for (int i = 0; i < KnobList->Count(); ++i)
            if (KnobList->IUser(i) == d1)
                KnobList->SetKnobPosition(i, d2);
        if (FSettings && FSettings->isVisible())
            FSettings->LearnController(d1);
        if (FKnobEditor && FKnobEditor->isVisible())
            FKnobEditor->SelectController(d1);
        break;
    case 0xC0:
        if (PendingBankMSB != 128 && PendingBankLSB != 128) {
            FProgramBank->ShowBankValue(TProgramBank::Msb, PendingBankMSB);
            FProgramBank->ShowBankValue(TProgramBank::Lsb, PendingBankLSB);
        }
        FProgramBank->SetProgramValue(d1);
        FProgramBank->ShowProgram();
        PendingBankMSB = 128;
        PendingBankLSB = 128;
        break;
    default:
        break;
    }
}

void TOndrel2::HandleMidiInput(TMidiInput &Input) {
    while (auto event = Input.TakeEvent()) {
        if (event->IsSysex())
            continue;
        HandleMidiEvent(event->MidiMessage, event->Data1, event->Data2);
    }
}

void TOndrel2::HandleMidiEvent(uint8_t Status, uint8_t Data1, uint8_t Data2) {
    uint8_t kind = Status & 0xF0;
    if (kind == 0x80) { // a note off is a note on with velocity 0
        Status = uint8_t(0x90 | (Status & 0x0F));
        Data2 = 0;
        kind = 0x90;
    }
    const bool thru = MidiThru();
    if (thru)
        Keyboard1->Model().ShowMidiEvent(Status, Data1, Data2, true);
    if (kind != 0x90) {
        ReflectEvent(Status, Data1, Data2);
    } else if (!thru) {
        TKeyboardModel &m = Keyboard1->Model();
        m.ShowNote(Data1, Data2);
        if (Data2 > 0 && m.OnNoteHover)
            m.OnNoteHover(Keyboard1, m.NoteDisplayName(Data1 & 127));
    }
    if (!thru && kind == 0x90 && FChordEditor && FChordEditor->isVisible())
        FChordEditor->ToggleFromNote(Data1 & 127, Data2 & 127);
    if (!thru && kind == 0xB0 && FKnobEditor && FKnobEditor->isVisible())
        FKnobEditor->SelectController(Data1 & 127);
}

bool TOndrel2::MidiThru() const {
    return MidiThru1->isChecked();
}

void TOndrel2::SetMidiThru(bool Value) {
    MidiThru1->setChecked(Value);
}

void TOndrel2::BPanicClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QPalette saved = PPanic->palette();
    QPalette yellow = saved;
    yellow.setColor(QPalette::Window, Qt::yellow);
    PPanic->setPalette(yellow);
    PPanic->repaint();
    // Cursor and colour come back also when a send fails.
    const auto restore = qScopeGuard([this, saved] {
        PPanic->setPalette(saved);
        QApplication::restoreOverrideCursor();
    });
    SetStatusText(QStringLiteral("Panic: %1%").arg(0));
    Keyboard1->Model().ReleaseAll();
    Keyboard1->Model().ClearDisplay();
    for (int c = 0; c < 16; ++c) {
        for (int n = 0; n < 128; ++n)
            SendOut(uint8_t(0x90 | c), uint8_t(n), 0);
        SendOut(uint8_t(0xB0 | c), 120, 0);
        SendOut(uint8_t(0xB0 | c), 123, 0);
        SetStatusText(
            QStringLiteral("Panic: %1%").arg(int(std::nearbyint((c + 1) * 100.0 / 16.0))));
    }
}
