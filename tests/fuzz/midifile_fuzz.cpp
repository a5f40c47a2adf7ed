// libFuzzer target over the MIDI file reader (what File > Play MIDI File opens): any bytes are
// either refused with a text, or read into a whole take whose times run forward within its
// length and whose messages are whole; such a take, written as a file again, reads back as the
// same messages channel by channel.

#include "takes/midifile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail(const char *What) {
    std::fprintf(stderr, "midifile_fuzz: %s\n", What);
    std::abort();
}

// Per channel (16: system messages) the bytes of each message, in order.
std::vector<std::vector<std::vector<uint8_t>>> ByChannel(const TTake &Take) {
    std::vector<std::vector<std::vector<uint8_t>>> Channels(17);
    for (size_t i = 0; i < Take.Count(); ++i) {
        const auto Bytes = Take.Bytes(i);
        Channels[Bytes[0] < 0xF0 ? Bytes[0] & 0x0F : 16].emplace_back(Bytes.begin(), Bytes.end());
    }
    return Channels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const QByteArray Bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(Data), qsizetype(Size));
    QString Error;
    const std::optional<TTake> Take = MidiFile::Read(Bytes, Error);
    if (!Take) {
        if (Error.isEmpty())
            Fail("refused without saying why");
        return 0;
    }
    int64_t Last = 0;
    for (size_t i = 0; i < Take->Count(); ++i) {
        const TTakeMessage &M = Take->Messages()[i];
        if (M.TimeUs < Last || M.TimeUs > Take->LengthUs() || M.TimeUs > MidiFile::MaxLengthUs)
            Fail("times out of order or beyond the length");
        Last = M.TimeUs;
        const uint8_t *Message = Take->Data(M);
        if (M.Size == 0 || !(Message[0] & 0x80))
            Fail("a message without its status byte");
        if (Message[0] == 0xF0 && Message[M.Size - 1] != 0xF7)
            Fail("an unfinished system exclusive message");
    }
    QString Again;
    const std::optional<TTake> Back = MidiFile::Read(MidiFile::Write(*Take), Again);
    if (!Back)
        Fail("a file written from a take read does not read");
    if (ByChannel(*Back) != ByChannel(*Take))
        Fail("a file written from a take read reads as other messages");
    return 0;
}
