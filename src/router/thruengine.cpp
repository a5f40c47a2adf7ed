#include "router/thruengine.h"

#include "midi/shortmessage.h"

#include <bit>

namespace {

// Rule word 0: the three switches, the transposition and the number of intervals; words 1 and
// 2: the intervals after the root's, one byte each.
constexpr uint64_t OnBit = 1u << 0;
constexpr uint64_t TransposeThruBit = 1u << 1;
constexpr uint64_t DisplayTransposedBit = 1u << 2;

template <class F> void ForEachNote(uint64_t Low, uint64_t High, F &&Call) {
    for (int word = 0; word < 2; ++word) {
        uint64_t bits = word == 0 ? Low : High;
        while (bits != 0) {
            const int bit = std::countr_zero(bits);
            bits &= bits - 1;
            Call(word * 64 + bit);
        }
    }
}

TThruRules Decode(uint64_t Head, uint64_t Low, uint64_t High) {
    TThruRules rules;
    rules.On = Head & OnBit;
    rules.TransposeThru = Head & TransposeThruBit;
    rules.DisplayTransposed = Head & DisplayTransposedBit;
    rules.Transpose = int8_t(uint8_t(Head >> 8));
    rules.Intervals.Count = uint8_t(Head >> 16);
    rules.Intervals.Values[0] = 0;
    for (int i = 1; i < rules.Intervals.Count; ++i)
        rules.Intervals.Values[size_t(i)] =
            int8_t(uint8_t((i <= 8 ? Low : High) >> (8 * ((i - 1) % 8))));
    return rules;
}

} // namespace

TThruEngine::TThruEngine() {
    SetRules(TThruRules());
}

TThruEngine::~TThruEngine() = default;

void TThruEngine::SetRules(const TThruRules &Rules) {
    uint64_t head = (Rules.On ? OnBit : 0) | (Rules.TransposeThru ? TransposeThruBit : 0) |
                    (Rules.DisplayTransposed ? DisplayTransposedBit : 0) |
                    uint64_t(uint8_t(int8_t(Rules.Transpose))) << 8 |
                    uint64_t(Rules.Intervals.Count) << 16;
    std::array<uint64_t, 2> intervals{};
    for (int i = 1; i < Rules.Intervals.Count; ++i)
        intervals[size_t((i - 1) / 8)] |= uint64_t(uint8_t(Rules.Intervals.Values[size_t(i)]))
                                          << (8 * ((i - 1) % 8));
    const uint32_t sequence = FSequence.load(std::memory_order_relaxed);
    FSequence.store(sequence + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    FRuleWords[0].store(head, std::memory_order_relaxed);
    FRuleWords[1].store(intervals[0], std::memory_order_relaxed);
    FRuleWords[2].store(intervals[1], std::memory_order_relaxed);
    FSequence.store(sequence + 2, std::memory_order_release);
}

TThruRules TThruEngine::Rules() const {
    // The UI thread is the only writer: its own reads need no retry.
    return Decode(FRuleWords[0].load(std::memory_order_relaxed),
                  FRuleWords[1].load(std::memory_order_relaxed),
                  FRuleWords[2].load(std::memory_order_relaxed));
}

const TThruRules &TThruEngine::CurrentRules() noexcept {
    const uint32_t before = FSequence.load(std::memory_order_acquire);
    if (before == FReaderSequence || (before & 1))
        return FReaderRules; // unchanged, or a write under way: the rules of a moment ago
    const uint64_t head = FRuleWords[0].load(std::memory_order_relaxed);
    const uint64_t low = FRuleWords[1].load(std::memory_order_relaxed);
    const uint64_t high = FRuleWords[2].load(std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_acquire);
    if (FSequence.load(std::memory_order_relaxed) != before)
        return FReaderRules;
    FReaderRules = Decode(head, low, high);
    FReaderSequence = before;
    return FReaderRules;
}

void TThruEngine::SetSink(TMidiSink *Sink) {
    FSink.Set(Sink);
}

void TThruEngine::Send(TMidiSink *Sink, const uint8_t *Data, size_t Size, uint32_t Frame) noexcept {
    if (!Sink)
        return;
    if (!Sink->SendFromCallback(Data, Size, Frame))
        FDropped.fetch_add(1, std::memory_order_relaxed);
}

void TThruEngine::Send(TMidiSink *Sink, const TShortMessage &Message, uint32_t Frame) noexcept {
    const uint8_t bytes[3] = {Message.Status, Message.Data1, Message.Data2};
    Send(Sink, bytes, size_t(MidiShortMessage::Length(Message.Status)), Frame);
}

void TThruEngine::ReleaseNote(TMidiSink *Sink, int Channel, int Note, uint32_t Frame) noexcept {
    TNoteMask &sounding = FSounding[size_t(Channel)][size_t(Note)];
    ForEachNote(sounding[0].exchange(0), sounding[1].exchange(0),
                [&](int sent) { Send(Sink, TShortMessage::NoteOff(Channel, sent), Frame); });
}

bool TThruEngine::Through(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept {
    if (Size == 0)
        return false;
    const bool sysex = Data[0] == 0xF0;
    if (!sysex && !TShortMessage{Data[0]}.IsChannelMessage())
        return false; // other system messages and stray data bytes are not played through
    const auto sink = FSink.Use(); // held to the end: TakeSounding waits for this call
    const TThruRules &rules = CurrentRules();
    const TShortMessage in{Data[0], uint8_t(Size > 1 ? Data[1] & 127 : 0),
                           uint8_t(Size > 2 ? Data[2] & 127 : 0)};
    if (!rules.On) {
        // A note played through before thru went off still ends: its note-on may have passed
        // just as the UI thread took the sounding notes.
        if (!sysex && in.IsNoteOff())
            ReleaseNote(sink.Get(), in.Channel(), in.Data1, Frame);
        return false;
    }
    if (sysex) {
        Send(sink.Get(), Data, Size, Frame);
        return true;
    }
    const int channel = in.Channel();
    if (!in.IsNote()) {
        Send(sink.Get(), in, Frame);
    } else if (in.IsNoteOn()) {
        std::array<uint64_t, 2> sent{};
        for (const TThruNote &note : ThruChord(rules, in.Data1)) {
            Send(sink.Get(), TShortMessage::NoteOn(channel, note.Out, in.Data2), Frame);
            sent[note.Out / 64] |= uint64_t(1) << (note.Out % 64);
        }
        TNoteMask &sounding = FSounding[size_t(channel)][in.Data1];
        sounding[0].fetch_or(sent[0]);
        sounding[1].fetch_or(sent[1]);
    } else {
        ReleaseNote(sink.Get(), channel, in.Data1, Frame);
    }
    return true;
}

std::vector<TShortMessage> TThruEngine::TakeSounding() {
    // A call under way may be sending a note-on now: once it is done, its note is in the masks.
    FSink.WaitForUses();
    std::vector<TShortMessage> offs;
    for (int channel = 0; channel < MidiChannelCount; ++channel) {
        uint64_t low = 0;
        uint64_t high = 0;
        for (TNoteMask &sounding : FSounding[size_t(channel)]) {
            low |= sounding[0].exchange(0);
            high |= sounding[1].exchange(0);
        }
        ForEachNote(low, high,
                    [&](int note) { offs.push_back(TShortMessage::NoteOff(channel, note)); });
    }
    return offs;
}
