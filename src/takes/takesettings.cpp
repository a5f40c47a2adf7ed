#include "takes/takesettings.h"

#include "core/custominifile.h"

#include <algorithm>

namespace {

const QString Section = QStringLiteral("Takes");
const QString ValMemory = QStringLiteral("Memory MB");
const QString ValPart = QStringLiteral("Since Silence");
const QString ValSilence = QStringLiteral("Silence Seconds");
const QString ValMinutes = QStringLiteral("Minutes");
const QString ValTempo = QStringLiteral("Tempo");
const QString ValLoop = QStringLiteral("Loop");
const QString ValSaveFolder = QStringLiteral("Save Folder");
const QString ValOpenFolder = QStringLiteral("Open Folder");

} // namespace

void TTakeSettings::Read(const TCustomIniFile &Store) {
    MemoryMb =
        std::clamp(Store.ReadInteger(Section, ValMemory, MemoryMb), MinMemoryMb, MaxMemoryMb);
    SinceSilence = Store.ReadBool(Section, ValPart, SinceSilence);
    SilenceSeconds = std::clamp(Store.ReadInteger(Section, ValSilence, SilenceSeconds),
                                MinSilenceSeconds, MaxSilenceSeconds);
    Minutes = std::clamp(Store.ReadInteger(Section, ValMinutes, Minutes), MinMinutes, MaxMinutes);
    Tempo = std::clamp(Store.ReadInteger(Section, ValTempo, Tempo), MinTempo, MaxTempo);
    Loop = Store.ReadBool(Section, ValLoop, Loop);
    SaveFolder = Store.ReadString(Section, ValSaveFolder, SaveFolder);
    OpenFolder = Store.ReadString(Section, ValOpenFolder, OpenFolder);
}

void TTakeSettings::Write(TCustomIniFile &Store) const {
    Store.WriteInteger(Section, ValMemory, MemoryMb);
    Store.WriteBool(Section, ValPart, SinceSilence);
    Store.WriteInteger(Section, ValSilence, SilenceSeconds);
    Store.WriteInteger(Section, ValMinutes, Minutes);
    Store.WriteInteger(Section, ValTempo, Tempo);
    Store.WriteBool(Section, ValLoop, Loop);
    Store.WriteString(Section, ValSaveFolder, SaveFolder);
    Store.WriteString(Section, ValOpenFolder, OpenFolder);
}
