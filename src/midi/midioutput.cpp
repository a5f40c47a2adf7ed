#include "midioutput.h"

#include "midierror.h"
#include "shortmessage.h"
#include "synth.h"

#include <optional>

namespace {

const QString OwnPortName = QStringLiteral("Ondrel");
const QString MapperName = QStringLiteral("Midi-Mapper");
constexpr uint8_t ControlChange = 0xB0;
constexpr uint8_t AllNotesOff = 123;

} // namespace

TMidiOutput::TMidiOutput(TMidiApi Api) {
    const MidiBackend::TPortList Ports = MidiBackend::OutputPorts(Api);
    FApi = Ports.Api;
    // A service that does not start offers no device, not even our own port.
    if (!Ports.Names)
        return;
    FOwnPort = MidiBackend::HasVirtualPorts(FApi);
    FPortNames = *Ports.Names;
    FDeviceCount = int(FPortNames.size()) + (FOwnPort ? 1 : 0);
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
    if (Id == MidiMapper)
        FDeviceName = MapperName;
    else if (FOwnPort)
        FDeviceName = Id == 0 ? OwnPortName : FPortNames.at(Id - 1);
    else
        FDeviceName = FPortNames.at(Id);
}

bool TMidiOutput::Open() {
    if (FDeviceID == NoDevice || FPort || !FClosed)
        return !FClosed;
    if (FDeviceID == MidiMapper) {
        FPort = Synth::OpenMidiMapper(FApi, OnServiceGone);
    } else {
        const bool OwnPort = FOwnPort && FDeviceID == 0;
        FPort = MidiBackend::OpenOutPort(FApi, OwnPortName, OwnPortName,
                                         OwnPort ? QString() : FDeviceName, OnServiceGone);
    }
    FClosed = false;
    return true;
}

void TMidiOutput::Send(uint8_t Typ, uint8_t Note, uint8_t Vel) {
    if (!FPort)
        return;
    const int Length = MidiShortMessage::Length(Typ);
    if (Length == 0)
        throw EMidiOutputError(
            QStringLiteral("Status byte 0x%1 is no short message").arg(Typ, 2, 16, QChar('0')));
    const uint8_t Bytes[3] = {Typ, Note, Vel};
    FPort->Send(Bytes, size_t(Length));
}

bool TMidiOutput::Close() {
    if (FClosed)
        return true;
    std::optional<EMidiOutputError> Failure;
    // A service that went away has nothing left sounding, and cannot take the messages.
    if (FPort && FPort->ServiceAlive()) {
        try {
            for (uint8_t Channel = 0; Channel < 16; ++Channel) {
                const uint8_t Bytes[3] = {uint8_t(ControlChange | Channel), AllNotesOff, 0};
                FPort->Send(Bytes, sizeof Bytes);
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
