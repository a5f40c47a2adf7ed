#include "router/midirouter.h"

#include "midi/midierror.h"
#include "midi/shortmessage.h"
#include "router/zoneplayer.h"

#include <QStringList>
#include <QTimer>

#include <cmath>

namespace {

// A flood of losses is told once, then again at most this often with what was lost meanwhile.
constexpr int LossQuietMs = 3000;

} // namespace

TMidiRouter::TMidiRouter(TKeyboardModel &Keyboard, QObject *Parent)
    : QObject(Parent), FKeyboard(Keyboard) {
    // Play reflects what it sends: the keyboard's controller messages are not reflected a
    // second time through OnDisplayEvent.
    FKeyboard.OnNote = [this](QObject *, const TShortMessage &Message) { Play(Message); };
    FKeyboard.OnPlayRulesChange = [this](QObject *) { PublishThruRules(); };
    FKeyboard.OnReleaseThru = [this](QObject *) { ReleaseThru(); };
    PublishThruRules();
    FZones = std::make_unique<TZonePlayer>(FKeyboard, *this, FClock);
    FLossQuiet = new QTimer(this);
    FLossQuiet->setSingleShot(true);
    FLossQuiet->setInterval(LossQuietMs);
    connect(FLossQuiet, &QTimer::timeout, this, &TMidiRouter::TellLosses);
}

TMidiRouter::~TMidiRouter() {
    FZones.reset();
    // Notes must not reach a router that is going away.
    FKeyboard.OnNote = nullptr;
    FKeyboard.OnPlayRulesChange = nullptr;
    FKeyboard.OnReleaseThru = nullptr;
    FThru.SetSink(nullptr);
}

void TMidiRouter::SetOutput(TMidiSink *Output) {
    FOutput = Output;
    FThru.SetSink(Output);
}

void TMidiRouter::SetMidiThru(bool Value) {
    if (Value == FMidiThru)
        return;
    FMidiThru = Value;
    PublishThruRules();
    FKeyboard.ReleaseDisplayedNotes();
}

void TMidiRouter::PublishThruRules() {
    TThruRules rules = FKeyboard.ThruRules();
    rules.On = FMidiThru;
    FThru.SetRules(rules);
    Q_EMIT PlayRulesChanged();
    // The zones that play the keyboard's chord or transposition take it on.
    if (FZones)
        FZones->Refresh();
}

bool TMidiRouter::TInputHook::Through(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept {
    return FThru.Through(Data, Size, Frame);
}

void TMidiRouter::TInputHook::Clock(uint8_t Status, const TMidiArrival &At) noexcept {
    FClock.Feed(Status, At);
}

void TMidiRouter::ReleaseThru() {
    for (const TShortMessage &off : FThru.TakeSounding())
        SendOnly(off);
}

// --- What the program plays ----------------------------------------------------------------------

void TMidiRouter::SendOnly(const TShortMessage &Message) {
    if (!FOutput)
        return;
    try {
        FOutput->Send(Message);
    } catch (const EMidiError &Error) {
        Q_EMIT SendFailed(Error.Message());
        return;
    }
    Q_EMIT Sent(Message);
}

void TMidiRouter::Play(const TShortMessage &Message) {
    SendOnly(Message);
    Reflect(Message);
    if (Message.Kind() == TMessageKind::NoteOn)
        Q_EMIT NotePlayed(Message.Data1, Message.Data2);
}

void TMidiRouter::Send(const TShortMessage &Message) {
    SendOnly(Message);
    Reflect(Message);
}

void TMidiRouter::SendController(int Controller, int Value) {
    Send(TShortMessage::ControlChange(FKeyboard.Channel(), Controller, Value));
}

void TMidiRouter::SendPitchBend(int Value) {
    Send(TShortMessage::PitchBend(FKeyboard.Channel(), Value));
}

void TMidiRouter::SendProgram(int Msb, int Lsb, int Program) {
    if (Program < 0)
        return;
    const int channel = FKeyboard.Channel();
    if (Msb >= 0 || Lsb >= 0) {
        SendOnly(
            TShortMessage::ControlChange(channel, MidiController::BankSelect, std::max(Msb, 0)));
        SendOnly(
            TShortMessage::ControlChange(channel, MidiController::BankSelectLsb, std::max(Lsb, 0)));
    }
    SendOnly(TShortMessage::ProgramChange(channel, Program));
}

void TMidiRouter::Panic() {
    Q_EMIT PanicProgress(0);
    FKeyboard.ReleaseAll();
    FKeyboard.ClearDisplay();
    FZones->Panic();
    for (int channel = 0; channel < MidiChannelCount; ++channel) {
        for (int note = 0; note < MidiNoteCount; ++note)
            SendOnly(TShortMessage::NoteOff(channel, note));
        SendOnly(TShortMessage::ControlChange(channel, MidiController::AllSoundOff, 0));
        SendOnly(TShortMessage::ControlChange(channel, MidiController::AllNotesOff, 0));
        // A bent pitch or a held pedal would colour the next notes played.
        SendOnly(TShortMessage::PitchBend(channel, 0));
        SendOnly(TShortMessage::ControlChange(channel, MidiController::ResetAllControllers, 0));
        Q_EMIT PanicProgress(int(std::nearbyint((channel + 1) * 100.0 / MidiChannelCount)));
    }
    // The displays show what the controllers were reset to (the values of General MIDI's
    // reset): the pitch strip centred, modulation off, expression full; the pedals follow.
    const int channel = FKeyboard.Channel();
    Reflect(TShortMessage::PitchBend(channel, 0));
    for (const auto &[controller, value] : {std::pair{1, 0}, std::pair{11, 127}, std::pair{65, 0}})
        Reflect(TShortMessage::ControlChange(channel, controller, value));
    ReleasePedals();
}

void TMidiRouter::ReleasePedals() {
    // A pedal left down, here or by a player at the input, would hold every note played next.
    static constexpr int Pedals[] = {TKeyboardModel::SustainPedal, TKeyboardModel::SostenutoPedal,
                                     TKeyboardModel::SoftPedal};
    for (int channel = 0; channel < MidiChannelCount; ++channel)
        for (int pedal : Pedals)
            SendOnly(TShortMessage::ControlChange(channel, pedal, 0));
    for (int pedal : Pedals)
        Reflect(TShortMessage::ControlChange(FKeyboard.Channel(), pedal, 0));
}

// --- What arrives --------------------------------------------------------------------------------

void TMidiRouter::Receive(const TMidiEvent &Event) {
    if (Event.IsSysex())
        return;
    TShortMessage message = Event.Message();
    if (message.Kind() == TMessageKind::NoteOff) // shown as a note on with velocity 0
        message = TShortMessage::NoteOff(message.Channel(), message.Data1);
    const bool note = message.Kind() == TMessageKind::NoteOn;
    if (Event.Thru) {
        FKeyboard.ShowMidiEvent(message, true);
        if (note)
            Q_EMIT NotePlayed(message.Data1 & 127, message.Data2 & 127);
        else
            Reflect(message);
        return;
    }
    if (!note) {
        Reflect(message);
        return;
    }
    const int key = message.Data1 & 127;
    const int velocity = message.Data2 & 127;
    FKeyboard.ShowNote(key, velocity);
    if (velocity > 0 && FKeyboard.OnNoteHover)
        FKeyboard.OnNoteHover(FKeyboard.Sender, FKeyboard.NoteDisplayName(key));
    Q_EMIT NotePlayed(key, velocity);
}

void TMidiRouter::ReceiveNow(const TShortMessage &Message) {
    const uint8_t bytes[3] = {Message.Status, Message.Data1, Message.Data2};
    const int length = MidiShortMessage::Length(Message.Status);
    TMidiEvent event;
    event.MidiMessage = Message.Status;
    event.Data1 = Message.Data1;
    event.Data2 = Message.Data2;
    event.Thru = length > 0 && FThru.Through(bytes, size_t(length), 0);
    Receive(event);
}

void TMidiRouter::Reflect(const TShortMessage &Message) {
    const int data1 = Message.Data1 & 127;
    const int data2 = Message.Data2 & 127;
    switch (Message.Kind()) {
    case TMessageKind::PitchBend:
        Q_EMIT PitchBendChanged(Message.PitchBendValue());
        break;
    case TMessageKind::ControlChange:
        if (data1 == MidiController::BankSelect)
            FPendingMsb = data2;
        else if (data1 == MidiController::BankSelectLsb)
            FPendingLsb = data2;
        FKeyboard.SetControllerValue(data1, data2);
        Q_EMIT ControllerChanged(data1, data2);
        break;
    case TMessageKind::ProgramChange: {
        const bool bank = FPendingMsb >= 0 && FPendingLsb >= 0;
        const int msb = bank ? FPendingMsb : -1;
        const int lsb = bank ? FPendingLsb : -1;
        FPendingMsb = -1;
        FPendingLsb = -1;
        Q_EMIT ProgramChanged(Message.Channel(), data1, msb, lsb);
        break;
    }
    default:
        break;
    }
}

// --- What could not be passed on
// ------------------------------------------------------------------

void TMidiRouter::CheckLosses(uint64_t InputLost) {
    FInputLost = std::max(FInputLost, InputLost);
    if (!FLossQuiet->isActive())
        TellLosses();
}

void TMidiRouter::TellLosses() {
    const uint64_t input = FInputLost - FInputLostTold;
    const uint64_t thru = FThru.Dropped() - FThruLostTold;
    if (input == 0 && thru == 0)
        return;
    FInputLostTold = FInputLost;
    FThruLostTold += thru;
    QStringList parts;
    if (input > 0)
        parts << tr("MIDI input overflowed: %n messages lost", nullptr, int(input));
    if (thru > 0)
        parts << tr("MIDI thru overflowed: %n messages lost", nullptr, int(thru));
    Q_EMIT MessagesLost(parts.join(QStringLiteral("; ")));
    FLossQuiet->start();
}
