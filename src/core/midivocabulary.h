#pragma once

// The fixed MIDI vocabulary: controller names and 14-bit value conversions.

#include <QString>
#include <QStringList>

#include <cstdint>

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
