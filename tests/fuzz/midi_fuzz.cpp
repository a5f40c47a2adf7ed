// libFuzzer target over the MIDI byte paths of an input: events as JACK delivers them (split
// system exclusive, real-time bytes between, stray bytes) through the system exclusive joiner,
// the thru engine and the input's queue, with the thru rules and the UI thread's takes changing
// as the bytes say. It fails on a crash, on a malformed message handed on, and on a note played
// through that its release does not end.

#include "midi/midiinqueue.h"
#include "midi/sysexjoin.h"
#include "router/thruengine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

void Fail(const char *What) {
    std::fprintf(stderr, "midi_fuzz: %s\n", What);
    std::abort();
}

class TRecordingSink final : public TMidiSink {
public:
    void Send(const TShortMessage &Message) override { Note(Message); }
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t) noexcept override {
        if (Size == 0 || Data[0] < 0x80)
            Fail("played through without a status byte");
        if (Data[0] == 0xF0) {
            if (Data[Size - 1] != 0xF7)
                Fail("system exclusive played through without its end");
            return true;
        }
        for (size_t i = 1; i < Size; ++i)
            if (Data[i] >= 0x80)
                Fail("a data byte with its top bit set played through");
        Note({Data[0], uint8_t(Size > 1 ? Data[1] : 0), uint8_t(Size > 2 ? Data[2] : 0)});
        return true;
    }
    bool ServiceAlive() const override { return true; }

    void Note(const TShortMessage &Message) {
        if (!Message.IsNote())
            return;
        int &Count = Held[{Message.Channel(), Message.Data1}];
        Count = Message.IsNoteOn() ? Count + 1 : 0;
    }
    std::map<std::pair<int, int>, int> Held;
};

// The next byte of the input, 0 past its end.
struct TReader {
    const uint8_t *Data;
    size_t Size;
    size_t Pos = 0;
    bool More() const { return Pos < Size; }
    uint8_t Next() { return Pos < Size ? Data[Pos++] : 0; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    TRecordingSink Sink;
    TThruEngine Engine;
    Engine.SetSink(&Sink);
    TSysexJoiner Joiner(64); // small: messages too long to join are met often
    TMidiInQueue Queue(16, 3, 8);
    TReader In{Data, Size};
    const auto Arrived = [&](const uint8_t *Bytes, size_t Length) {
        if (Length == 0)
            Fail("an empty message handed on");
        if (Bytes[0] == 0xF0 && Bytes[Length - 1] != 0xF7 && Length > 1)
            Fail("system exclusive handed on without its end");
        const bool Thru = Engine.Through(Bytes, Length, 0);
        Queue.Store(Bytes, Length, 0, Thru);
    };
    while (In.More()) {
        const uint8_t Op = In.Next();
        switch (Op % 8) {
        case 0: { // the UI thread publishes new rules
            TThruRules Rules;
            Rules.On = Op & 0x10;
            Rules.TransposeThru = Op & 0x20;
            Rules.DisplayTransposed = Op & 0x40;
            Rules.Transpose = int(In.Next() % 199) - 99;
            Rules.Intervals.Count = uint8_t(1 + In.Next() % 17);
            for (int i = 1; i < Rules.Intervals.Count; ++i)
                Rules.Intervals.Values[size_t(i)] = int8_t(int(In.Next() % 49) - 24);
            Engine.SetRules(Rules);
            break;
        }
        case 1: // the UI thread takes what waits
            for (int i = In.Next() % 8; i > 0; --i)
                if (const std::optional<TMidiEvent> Event = Queue.Take())
                    if (Event->IsSysex() && Event->Sysex.front() != 0xF0 && !Event->Thru &&
                        Event->Sysex.size() > 8)
                        Fail("a long buffer out of order");
            break;
        case 2: // the UI thread ends the notes played through
            for (const TShortMessage &Off : Engine.TakeSounding())
                Sink.Send(Off);
            break;
        default: { // one event as JACK delivers it
            std::vector<uint8_t> Event(size_t(1 + In.Next() % 12));
            for (uint8_t &Byte : Event)
                Byte = In.Next();
            Joiner.Feed(Event.data(), Event.size(), Arrived);
            break;
        }
        }
    }
    // Every note played through ends with its release, whatever the rules became meanwhile.
    for (int Channel = 0; Channel < 16; ++Channel)
        for (int Note = 0; Note < 128; ++Note) {
            const uint8_t Off[3] = {uint8_t(0x80 | Channel), uint8_t(Note), 0};
            Engine.Through(Off, 3, 0);
        }
    for (const TShortMessage &Off : Engine.TakeSounding())
        Sink.Send(Off);
    for (const auto &[Key, Count] : Sink.Held)
        if (Count > 0)
            Fail("a note played through was left sounding");
    while (Queue.Take()) {
    }
    if (Queue.FreeLongBuffers() != 3)
        Fail("a long buffer was not given back");
    return 0;
}
