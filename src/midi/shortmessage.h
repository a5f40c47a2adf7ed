#pragma once

// The MIDI short message: status (Typ), data 1 (Note), data 2 (Vel), packed into one word as
// status | data 1 << 8 | data 2 << 16, the form the circular buffer keeps.

#include <cstdint>

namespace MidiShortMessage {

constexpr uint32_t Pack(uint8_t Typ, uint8_t Note, uint8_t Vel) {
    return uint32_t(Typ) | uint32_t(Note) << 8 | uint32_t(Vel) << 16;
}
constexpr uint8_t Status(uint32_t Message) {
    return uint8_t(Message & 0xFF);
}
constexpr uint8_t Data1(uint32_t Message) {
    return uint8_t(Message >> 8 & 0xFF);
}
constexpr uint8_t Data2(uint32_t Message) {
    return uint8_t(Message >> 16 & 0xFF);
}

// How many bytes go on the wire for a status byte: a program change carries one data byte, and
// sending a second would make the receiver read it as a new message under running status.
// 0 for what cannot be sent as a short message (data bytes, system exclusive, undefined).
constexpr int Length(uint8_t Status) {
    if (Status < 0x80)
        return 0;
    if (Status < 0xF0) {
        const uint8_t Kind = Status & 0xF0;
        return Kind == 0xC0 || Kind == 0xD0 ? 2 : 3;
    }
    switch (Status) {
    case 0xF1: // time code quarter frame
    case 0xF3: // song select
        return 2;
    case 0xF2: // song position
        return 3;
    case 0xF6: // tune request
    case 0xF8:
    case 0xFA:
    case 0xFB:
    case 0xFC:
    case 0xFE:
    case 0xFF:
        return 1;
    default: // 0xF0/0xF7 system exclusive and the undefined F4, F5, F9, FD
        return 0;
    }
}

} // namespace MidiShortMessage
