#pragma once

// One incoming MIDI event as the owner of a TMidiInput takes it out. A short message keeps its
// three bytes; system-exclusive data arrives with status 0xF0, data bytes 0 and its own copy of
// the bytes (a block longer than one long buffer arrives as several events, in order).

#include "core/midivocabulary.h"

#include <cstdint>
#include <vector>

struct TMidiEvent {
    uint8_t MidiMessage = 0; // status byte
    uint8_t Data1 = 0;
    uint8_t Data2 = 0;
    uint32_t Time = 0; // milliseconds since the input was started
    std::vector<uint8_t> Sysex;
    bool Thru = false; // already played through by the input's thru hook

    bool IsSysex() const { return MidiMessage == 0xF0 && !Sysex.empty(); }
    TShortMessage Message() const { return {MidiMessage, Data1, Data2}; }
    uint16_t SysexLength() const { return uint16_t(Sysex.size()); }
};
