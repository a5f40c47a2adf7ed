#pragma once

// Standard MIDI Files: a take written as type 1 (a tempo track, then one track per channel in
// use, and one for system exclusive messages when there are any), 480 ticks per quarter note at
// the take's tempo; and any type 0 or 1 file read back into a take for a replay.
//
// Reading trusts nothing in the file: every length is checked against what is there, and a file
// that is not a MIDI file, is cut short, damaged anywhere or too large gives a text for the user
// saying what is wrong and where, and no take at all, so that nothing plays half of it. Running
// status is read (also across meta and system exclusive events, as many writers leave it) and
// written within each track.
//
// Threads: any; nothing is shared.

#include "takes/take.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace MidiFile {

constexpr int TicksPerQuarter = 480;
// Beyond these a file is refused, before it takes much memory or time.
constexpr qint64 MaxFileBytes = qint64(64) << 20;
constexpr size_t MaxMessages = 4000000;
constexpr int64_t MaxLengthUs = 24LL * 3600 * 1000000;

// The whole file for Take at its tempo (BeatsPerMinute, 120 unless set).
QByteArray Write(const TTake &Take);
// Written whole or not at all (a temporary file renamed over the target); false with Error.
bool Save(const TTake &Take, const QString &FileName, QString &Error);

// The take in Bytes, or none with Error saying why.
std::optional<TTake> Read(const QByteArray &Bytes, QString &Error);
std::optional<TTake> Load(const QString &FileName, QString &Error);

} // namespace MidiFile
