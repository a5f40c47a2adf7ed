#pragma once

// The routing of every MIDI message the program plays or receives, without a window: the piano
// keyboard's notes and chords (through its model), the controls' controller messages, bank and
// program, Panic, what arrives from the MIDI input (shown on the keyboard or, with Midi Thru,
// played through by the thru engine on the input's own thread), and the reflection of every
// pitch bend, controller and program change that passes, which listeners (strips, knobs, the
// program fields, dialogs) receive as signals.
//
// Threads: a QObject of the UI thread; every member is called there. Only the thru engine
// (ThruHook) is called on an input's service thread, see thruengine.h.

#include "core/keyboardmodel.h"
#include "core/midivocabulary.h"
#include "midi/midievent.h"
#include "midi/midisink.h"
#include "router/midiclock.h"
#include "router/thruengine.h"

#include <QObject>
#include <QString>

#include <memory>

class TZonePlayer;
class QTimer;

class TMidiRouter : public QObject {
    Q_OBJECT
public:
    // Takes the keyboard model's OnNote, OnPlayRulesChange and OnReleaseThru.
    explicit TMidiRouter(TKeyboardModel &Keyboard, QObject *Parent = nullptr);
    ~TMidiRouter() override;

    // Where every message leaves, the thru engine's copies too; null drops them. The previous
    // sink is no longer used when this returns.
    void SetOutput(TMidiSink *Output);
    TMidiSink *Output() const { return FOutput; }
    // The hook to set on each input the program opens; it must outlive them. It plays thru and
    // follows the MIDI clock that arrives.
    TMidiThruHook &ThruHook() { return FInputHook; }
    const TThruEngine &Thru() const { return FThru; }

    // Midi Thru. A change ends the notes played through so far and clears the incoming notes
    // shown, so that no release arrives to the other path.
    bool MidiThru() const { return FMidiThru; }
    void SetMidiThru(bool Value);

    // --- What the program plays -----------------------------------------------------------------
    // A message of the keyboard: sent and reflected; a note-on is told to NotePlayed.
    void Play(const TShortMessage &Message);
    // A message of a control (a strip, a knob, the mouse wheel, a joystick, a snapshot): sent
    // and reflected.
    void Send(const TShortMessage &Message);
    void SendController(int Controller, int Value);
    void SendPitchBend(int Value);
    // Sent only, nothing reflected (the chord editor's own keyboard).
    void SendOnly(const TShortMessage &Message);
    // On the keyboard's channel: bank select MSB and LSB (unless both are -1; a missing one goes
    // as 0), then the program change. Nothing for a program of -1.
    void SendProgram(int Msb, int Lsb, int Program);
    // Silences everything: the keyboard lets go of its notes, the notes played through end, then
    // each of the 16 channels gets a note off for every note, All Sound Off, All Notes Off, the
    // pitch bend centred and Reset All Controllers, and last its sustain, sostenuto and soft
    // pedals lifted (not every synthesizer lifts them on a reset).
    void Panic();

    // --- What arrives ---------------------------------------------------------------------------
    // An incoming event on the UI thread, after the input's thread stored it (and played it
    // through when the event says so).
    void Receive(const TMidiEvent &Event);
    // Both halves at once, as if Message had just arrived at an input: for callers without one
    // (tests, benchmarks). Not while an input is open: its thread is the thru engine's only
    // other caller.
    void ReceiveNow(const TShortMessage &Message);

    // The displays follow a message that was sent or received.
    void Reflect(const TShortMessage &Message);

    // --- Zones, latch and arpeggiators (zoneplayer.h) -------------------------------------------
    TZonePlayer &Zones() { return *FZones; }
    // MIDI clock arriving at the input (the arpeggiators may follow it).
    const TMidiClock &Clock() const { return FClock; }
    // What the real-time side could not pass on: InputLost is the input's count of lost
    // messages in all (TMidiInput::LostCount), the thru engine's refused messages are read here.
    // New losses are told through MessagesLost, at once and then at most every few seconds
    // while they go on, each time with the count since the last telling.
    void CheckLosses(uint64_t InputLost);

Q_SIGNALS:
    void PitchBendChanged(int Value);
    void ControllerChanged(int Controller, int Value);
    // A program change passed on Channel; Msb and Lsb are the bank select that came just before
    // it, both -1 when none did.
    void ProgramChanged(int Channel, int Program, int Msb, int Lsb);
    // A note-on the user played or one that arrived (as it arrived, before any chord).
    void NotePlayed(int Note, int Velocity);
    // Every message handed to the output on this thread (thru copies are not).
    void Sent(const TShortMessage &Message);
    // The output refused a message; the text says why.
    void SendFailed(const QString &Text);
    // Panic's progress, 0..100.
    void PanicProgress(int Percent);
    // The keyboard's chord, transposition or one of their options changed.
    void PlayRulesChanged();
    // "MIDI input overflowed: 12 messages lost" and the like, for the status bar.
    void MessagesLost(const QString &Text);

private:
    // What an input's thread hands over: MIDI clock to the clock, the rest to thru.
    class TInputHook final : public TMidiThruHook {
    public:
        TInputHook(TThruEngine &Thru, TMidiClock &Clock) : FThru(Thru), FClock(Clock) {}
        bool Through(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept override;
        void Clock(uint8_t Status, const TMidiArrival &At) noexcept override;

    private:
        TThruEngine &FThru;
        TMidiClock &FClock;
    };

    void PublishThruRules();
    void ReleaseThru();
    void ReleasePedals();
    void TellLosses();

    TKeyboardModel &FKeyboard;
    TMidiSink *FOutput = nullptr;
    TThruEngine FThru;
    TMidiClock FClock;
    TInputHook FInputHook{FThru, FClock};
    std::unique_ptr<TZonePlayer> FZones;
    bool FMidiThru = false;
    // A bank select waiting for its program change; -1 when none came.
    int FPendingMsb = -1;
    int FPendingLsb = -1;
    // Losses counted so far, and those already told.
    uint64_t FInputLost = 0;
    uint64_t FInputLostTold = 0;
    uint64_t FThruLostTold = 0;
    QTimer *FLossQuiet = nullptr; // while running, new losses wait for it
};
