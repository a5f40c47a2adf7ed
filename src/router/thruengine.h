#pragma once

// MIDI thru on the input service's own thread: each incoming channel message is played through
// to the output in the call that delivers it (on JACK, in the period it arrived), chorded and
// transposed by the rules the UI thread last published (core/thrumapping.h); a system exclusive
// message goes through whole.
//
// Threads. SetRules, SetSink and TakeSounding belong to the UI thread; Through to the input's
// service thread (one at a time). Nothing between them takes a lock, and Through never waits:
// - the rules are a seqlock of atomic words; a reader that meets a write in progress keeps the
//   rules it read before (they are at most one change old);
// - the sink is behind a TRtGuard: SetSink returns once no send uses the old sink;
// - what a note-on sent is kept per channel and incoming note as atomic bit masks of the notes
//   sent, so that its note-off silences exactly those, whatever the rules are by then, thru
//   switched off included. The UI thread empties them with TakeSounding, which first waits for
//   a Through call under way to end, so that no note it sends is missed.

#include "core/midivocabulary.h"
#include "core/thrumapping.h"
#include "midi/midisink.h"
#include "midi/rtguard.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

class TThruEngine final : public TMidiThruHook {
public:
    TThruEngine();
    ~TThruEngine();
    TThruEngine(const TThruEngine &) = delete;
    TThruEngine &operator=(const TThruEngine &) = delete;

    void SetRules(const TThruRules &Rules);
    TThruRules Rules() const;
    // Null drops what is played through.
    void SetSink(TMidiSink *Sink);
    // Ends the notes played through: the note offs they need, per channel and note once; the
    // caller sends them.
    std::vector<TShortMessage> TakeSounding();

    bool Through(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept override;
    // Messages the sink refused (its queue full, its service gone) since construction.
    uint64_t Dropped() const { return FDropped.load(std::memory_order_relaxed); }

private:
    // Bit masks of the 128 notes, in two words.
    using TNoteMask = std::array<std::atomic<uint64_t>, 2>;

    const TThruRules &CurrentRules() noexcept;
    void Send(TMidiSink *Sink, const uint8_t *Data, size_t Size, uint32_t Frame) noexcept;
    void Send(TMidiSink *Sink, const TShortMessage &Message, uint32_t Frame) noexcept;
    void ReleaseNote(TMidiSink *Sink, int Channel, int Note, uint32_t Frame) noexcept;

    static constexpr int RuleWords = 3;
    std::atomic<uint32_t> FSequence{0};
    std::array<std::atomic<uint64_t>, RuleWords> FRuleWords{};
    // The service thread's own copy, and the sequence it was read at.
    TThruRules FReaderRules;
    uint32_t FReaderSequence = 1; // odd: never a finished write

    TRtGuard<TMidiSink> FSink;
    std::atomic<uint64_t> FDropped{0};
    std::array<std::array<TNoteMask, MidiNoteCount>, MidiChannelCount> FSounding{};
};
