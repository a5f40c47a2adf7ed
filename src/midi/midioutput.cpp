#include "midi/midioutput.h"

#include "midi/midierror.h"
#include "midi/periodsource.h"
#include "midi/shortmessage.h"
#include "midi/synth.h"

#include <optional>

namespace {

const QString OwnPortName = QStringLiteral("Ondrel");
const QString MapperName = QStringLiteral("Midi-Mapper");

} // namespace

TMidiOutput::TMidiOutput(TMidiApi Api) {
    const MidiBackend::TPortList Ports = MidiBackend::OutputPorts(Api);
    FApi = Ports.Api;
    // A service that does not start offers no device, not even our own port.
    if (!Ports.Names)
        return;
    FServiceStarted = true;
    FOwnPort = MidiBackend::HasVirtualPorts(FApi);
    FPortNames = *Ports.Names;
    FDeviceCount = int(FPortNames.size()) + (FOwnPort ? 1 : 0);
}

QString TMidiOutput::NameOf(int Id) const {
    if (Id == MidiMapper)
        return MapperName;
    if (Id < 0 || Id >= FDeviceCount)
        return {};
    if (FOwnPort)
        return Id == 0 ? OwnPortName : FPortNames.at(Id - 1);
    return FPortNames.at(Id);
}

bool TMidiOutput::Relist() {
    if (FApi == TMidiApi::maNone)
        return false;
    const MidiBackend::TPortList Ports = MidiBackend::OutputPorts(FApi);
    FServiceStarted = Ports.Names.has_value();
    if (!Ports.Names)
        return false;
    QStringList Names = *Ports.Names;
    const bool OnPort = !FClosed && FDeviceID != MidiMapper && !(FOwnPort && FDeviceID == 0);
    FPortGone = OnPort && !Names.contains(FDeviceName);
    if (FPortGone)
        Names << FDeviceName;
    const bool OwnPort = MidiBackend::HasVirtualPorts(FApi);
    if (Names == FPortNames && OwnPort == FOwnPort)
        return false;
    FOwnPort = OwnPort;
    FPortNames = Names;
    FDeviceCount = int(FPortNames.size()) + (FOwnPort ? 1 : 0);
    if (OnPort)
        FDeviceID = int(FPortNames.indexOf(FDeviceName)) + (FOwnPort ? 1 : 0);
    else if (FClosed && FDeviceID != MidiMapper)
        SetDeviceID(NoDevice); // a closed device is chosen anew from the new list
    return true;
}

TMidiOutput::~TMidiOutput() {
    try {
        Close();
    } catch (const EMidiError &) {
        // Nothing left to tell: the program is done with this device.
    }
}

void TMidiOutput::SetDeviceID(int Id) {
    if (!FClosed)
        throw EMidiOutputError(QStringLiteral("Change to DeviceID while device was open"));
    if ((Id >= FDeviceCount && Id != MidiMapper) || Id < MidiMapper) {
        FDeviceID = NoDevice;
        FDeviceName.clear();
        return;
    }
    FDeviceID = Id;
    FDeviceName = NameOf(Id);
}

bool TMidiOutput::Open() {
    if (FDeviceID == NoDevice || FPort || !FClosed)
        return !FClosed;
    if (FDeviceID == MidiMapper) {
        FPort = Synth::OpenMidiMapper(FApi, OnServiceGone);
    } else {
        const bool OwnPort = FOwnPort && FDeviceID == 0;
        FPort = MidiBackend::OpenOutPort(FApi, MidiBackend::ClientName(),
                                         OwnPort ? OwnPortName : FPortName,
                                         OwnPort ? QString() : FDeviceName, OnServiceGone);
    }
    FPort->SetCapture(FCapture);
    FPort->SetSource(FSources.Count() > 0 ? &FSources : nullptr);
    FCallbackPort.Set(FPort.get());
    FClosed = false;
    return true;
}

bool TMidiOutput::AddSource(TPeriodSource *Source) {
    if (!FSources.Add(Source))
        return false;
    // The port asks a source only while there is one: an idle port's thread stays asleep.
    if (FPort && !FClosed)
        FPort->SetSource(&FSources);
    return true;
}

void TMidiOutput::RemoveSource(TPeriodSource *Source) {
    FSources.Remove(Source);
    if (FPort && !FClosed && FSources.Count() == 0)
        FPort->SetSource(nullptr);
}

void TMidiOutput::SetCapture(TCaptureTap *Tap) {
    FCapture = Tap;
    if (FPort)
        FPort->SetCapture(Tap);
}

bool TMidiOutput::SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept {
    const auto Port = FCallbackPort.Use();
    return Port && Port->SendFromCallback(Data, Size, Frame);
}

void TMidiOutput::Send(const TShortMessage &Message) {
    if (!FPort)
        return;
    const int Length = MidiShortMessage::Length(Message.Status);
    if (Length == 0)
        throw EMidiOutputError(QStringLiteral("Status byte 0x%1 is no short message")
                                   .arg(Message.Status, 2, 16, QChar('0')));
    const uint8_t Bytes[3] = {Message.Status, Message.Data1, Message.Data2};
    FPort->Send(Bytes, size_t(Length));
}

bool TMidiOutput::Close() {
    if (FClosed)
        return true;
    // No note played through or by the source may follow the all-notes-off.
    FCallbackPort.Set(nullptr);
    if (FPort)
        FPort->SetSource(nullptr);
    std::optional<EMidiOutputError> Failure;
    // A service that went away has nothing left sounding, and cannot take the messages.
    if (FPort && FPort->ServiceAlive()) {
        try {
            for (uint8_t Channel = 0; Channel < 16; ++Channel) {
                const TShortMessage Off =
                    TShortMessage::ControlChange(Channel, MidiController::AllNotesOff, 0);
                const uint8_t Bytes[3] = {Off.Status, Off.Data1, Off.Data2};
                FPort->SendFinal(Bytes, sizeof Bytes);
            }
        } catch (const EMidiOutputError &Error) {
            Failure = Error;
        }
    }
    FPort.reset();
    FClosed = true;
    if (Failure)
        throw *Failure;
    return true;
}
