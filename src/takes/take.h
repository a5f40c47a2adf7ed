#pragma once

// A take: MIDI messages with their times in microseconds from its start, in time order, as one
// block of memory each for the messages and their bytes, so that a replay on a real-time thread
// walks it without allocating. Made whole on the UI thread (from the captured playing or a MIDI
// file) and never changed once a replay holds it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct TTakeMessage {
    int64_t TimeUs = 0;
    uint32_t Start = 0; // in the take's bytes
    uint32_t Size = 0;
};

class TTake {
public:
    // Appends a message; a time before the last one's is moved up to it.
    void Add(int64_t TimeUs, const uint8_t *Data, size_t Size);
    void Add(int64_t TimeUs, std::span<const uint8_t> Bytes) {
        Add(TimeUs, Bytes.data(), Bytes.size());
    }
    void Reserve(size_t Messages, size_t Bytes);

    const std::vector<TTakeMessage> &Messages() const { return FMessages; }
    size_t Count() const { return FMessages.size(); }
    bool Empty() const { return FMessages.empty(); }
    const uint8_t *Data(const TTakeMessage &Message) const { return FBytes.data() + Message.Start; }
    std::span<const uint8_t> Bytes(size_t Index) const {
        const TTakeMessage &M = FMessages[Index];
        return {FBytes.data() + M.Start, M.Size};
    }

    // Its length: the time of the last message, or more when set (a file's end of track).
    int64_t LengthUs() const { return FLengthUs; }
    void SetLengthUs(int64_t Value);
    // The note-ons it holds.
    size_t NoteCount() const;
    // The tempo its bars are counted in (a file's first tempo; for a take, the save's choice).
    double BeatsPerMinute = 120;
    // Messages left out because no MIDI port takes them (system exclusive messages longer than
    // a replay may send, incomplete ones): said to the user.
    size_t Skipped = 0;

private:
    std::vector<TTakeMessage> FMessages;
    std::vector<uint8_t> FBytes;
    int64_t FLengthUs = 0;
};
