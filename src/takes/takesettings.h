#pragma once

// The user's choices about takes, kept in the settings store (section "Takes") and in exported
// settings: how much playing is kept in memory, which part of it the last take is, the tempo
// its file is written at, whether a replay loops, and the folders used last.
//
// Threads: the UI thread.

#include <QString>

class TCustomIniFile;

struct TTakeSettings {
    static constexpr int MinMemoryMb = 1;
    static constexpr int MaxMemoryMb = 64;
    static constexpr int MinSilenceSeconds = 1;
    static constexpr int MaxSilenceSeconds = 600;
    static constexpr int MinMinutes = 1;
    static constexpr int MaxMinutes = 30;
    static constexpr int MinTempo = 20;
    static constexpr int MaxTempo = 300;

    int MemoryMb = 16;
    bool SinceSilence = true; // else the last Minutes
    int SilenceSeconds = 5;
    int Minutes = 5;
    int Tempo = 120; // beats per minute
    bool Loop = false;
    QString SaveFolder; // empty: the user's music folder
    QString OpenFolder;

    // Values out of their range read as the nearest allowed one; missing ones keep what is held.
    void Read(const TCustomIniFile &Store);
    void Write(TCustomIniFile &Store) const;

    bool operator==(const TTakeSettings &) const = default;
};
