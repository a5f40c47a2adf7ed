#pragma once

// The command line: the options of one start, read before the application object is made (so
// that --help, --version and a wrong option need no desktop). Qt's own options (-platform,
// -style, ...) are left for Qt; whatever Qt does not take either is refused after it.

#include "midi/midibackend.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TCommandLine {
    enum class TAction { Run, Help, Version, Fail };
    TAction Action = TAction::Run;
    // For Fail: what was wrong, for the standard error (without the program's name).
    QString Error;

    QString Profile;
    QString MidiOut;
    QString MidiIn;
    int Channel = -1; // 0..15, -1 when not given
    TMidiApi Service = TMidiApi::maAuto;
    // The indices (into the arguments parsed) of those left for Qt.
    QList<int> ForQt;
};

// The exit status of a start refused for a wrong option or value.
inline constexpr int BadUsageStatus = 2;

// Arguments: the command line without the program's name. "--name value" and "--name=value"
// alike; a later option of the same name wins.
TCommandLine ParseCommandLine(const QStringList &Arguments);

// The text of --help.
QString CommandLineUsage();

// What to say of an argument nobody took (Qt neither).
QString UnknownArgumentText(const QString &Argument);

// The profile name, as --profile takes it: letters, digits, '-' and '_', at most 32 of them.
bool IsProfileName(const QString &Name);
