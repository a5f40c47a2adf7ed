#pragma once

// The fixed MIDI vocabulary: kinds of channel messages, the controllers the program gives a
// meaning to, controller codes, short messages, controller names and 14-bit value conversions.
// Code outside this header and the wire format (midi/shortmessage.h) names what it sends
// instead of writing status bytes.

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <cstdint>

// The kind of a channel message: the high nibble of its status byte. System messages (status
// 0xF0 and above) are one kind here; they carry no channel.
enum class TMessageKind : uint8_t {
    NoteOff = 0x80,
    NoteOn = 0x90,
    KeyPressure = 0xA0,
    ControlChange = 0xB0,
    ProgramChange = 0xC0,
    ChannelPressure = 0xD0,
    PitchBend = 0xE0,
    System = 0xF0,
};

// Control change numbers with a meaning in the program.
namespace MidiController {
constexpr uint8_t BankSelect = 0;
constexpr uint8_t Modulation = 1;
constexpr uint8_t MainVolume = 7;
constexpr uint8_t BankSelectLsb = 32;
constexpr uint8_t AllSoundOff = 120;
constexpr uint8_t ResetAllControllers = 121;
constexpr uint8_t AllNotesOff = 123;
} // namespace MidiController

// What one assignable control drives (the mouse in hold mode, the mouse wheel, the joystick
// axes, the modulation strip): 0..127 a control change, then the pitch bend, then nothing.
using TControllerCode = int;
namespace ControllerCode {
constexpr TControllerCode PitchBend = 128;
constexpr TControllerCode None = 129;
constexpr bool IsValid(int Code) {
    return Code >= 0 && Code <= None;
}
constexpr bool IsControlChange(int Code) {
    return Code >= 0 && Code < PitchBend;
}
} // namespace ControllerCode

constexpr int MidiChannelCount = 16;
constexpr int MidiNoteCount = 128;
constexpr int PitchBendMin = -8192;
constexpr int PitchBendMax = 8191;

// One MIDI short message: status, then the data bytes. A note off always goes out as a note on
// with velocity 0.
struct TShortMessage {
    uint8_t Status = 0;
    uint8_t Data1 = 0;
    uint8_t Data2 = 0;

    constexpr TMessageKind Kind() const {
        return Status >= 0xF0 ? TMessageKind::System : TMessageKind(Status & 0xF0);
    }
    constexpr int Channel() const { return Status & 0x0F; }
    constexpr bool IsChannelMessage() const { return Status >= 0x80 && Status < 0xF0; }
    constexpr bool IsNoteOn() const { return Kind() == TMessageKind::NoteOn && Data2 > 0; }
    constexpr bool IsNoteOff() const {
        return Kind() == TMessageKind::NoteOff || (Kind() == TMessageKind::NoteOn && Data2 == 0);
    }
    constexpr bool IsNote() const {
        return Kind() == TMessageKind::NoteOn || Kind() == TMessageKind::NoteOff;
    }
    // The pitch bend it carries, -8192..8191.
    constexpr int PitchBendValue() const { return (Data2 & 127) * 128 + (Data1 & 127) - 8192; }

    static constexpr TShortMessage Make(TMessageKind Kind, int Channel, int Data1, int Data2 = 0) {
        return {uint8_t(uint8_t(Kind) | (Channel & 0x0F)), uint8_t(Data1 & 127),
                uint8_t(Data2 & 127)};
    }
    static constexpr TShortMessage NoteOn(int Channel, int Note, int Velocity) {
        return Make(TMessageKind::NoteOn, Channel, Note, Velocity);
    }
    static constexpr TShortMessage NoteOff(int Channel, int Note) {
        return Make(TMessageKind::NoteOn, Channel, Note, 0);
    }
    static constexpr TShortMessage ControlChange(int Channel, int Controller, int Value) {
        return Make(TMessageKind::ControlChange, Channel, Controller, Value);
    }
    static constexpr TShortMessage ProgramChange(int Channel, int Program) {
        return Make(TMessageKind::ProgramChange, Channel, Program);
    }
    // Value -8192..8191; the low seven bits go first.
    static constexpr TShortMessage PitchBend(int Channel, int Value) {
        const int v = Value + 8192;
        return Make(TMessageKind::PitchBend, Channel, v % 128, v / 128);
    }

    bool operator==(const TShortMessage &) const = default;
};
Q_DECLARE_METATYPE(TShortMessage)

namespace MidiTool {

constexpr int ControllerCount = 128;

// The name of control-change number n, or an empty text for unnamed numbers and n outside 0..127.
QString ControllerName(int n);

// "001 Modulation", "003 Undefined": how a controller is shown in a choice list.
QString ControllerEntry(int n);

// The 128 entries in number order.
QStringList ControllerEntries();

struct TDataBytes {
    uint8_t Lsb;
    uint8_t Msb;
    bool operator==(const TDataBytes &) const = default;
};

// Pitch bend -8192..8191 <-> (LSB, MSB); on the wire the LSB is the first data byte.
constexpr TDataBytes SignedToBytes(int Value) {
    const int v = Value + 8192;
    return {static_cast<uint8_t>(v % 128), static_cast<uint8_t>(v / 128)};
}
constexpr int BytesToSigned(uint8_t Lsb, uint8_t Msb) {
    return Msb * 128 + Lsb - 8192;
}

// Unsigned 14-bit value 0..16383 <-> (LSB, MSB).
constexpr TDataBytes UnsignedToBytes(int Value) {
    return {static_cast<uint8_t>(Value % 128), static_cast<uint8_t>(Value / 128)};
}
constexpr int BytesToUnsigned(uint8_t Lsb, uint8_t Msb) {
    return Msb * 128 + Lsb;
}

} // namespace MidiTool
