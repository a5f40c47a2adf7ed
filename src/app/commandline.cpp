#include "app/commandline.h"

#include "core/midivocabulary.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int MaxProfileLength = 32;

QString Tr(const char *Text) {
    return QCoreApplication::translate("TCommandLine", Text);
}

// The names --service takes: those of the services compiled in ("alsa", "jack").
QStringList ServiceNames() {
    QStringList Names;
    for (TMidiApi Api : MidiBackend::CompiledApis())
        Names << MidiBackend::ApiName(Api);
    return Names;
}

QString TryHelp() {
    return Tr("Try \"ondrel --help\" for the options.");
}

} // namespace

bool IsProfileName(const QString &Name) {
    return !Name.isEmpty() && Name.size() <= MaxProfileLength &&
           std::all_of(Name.begin(), Name.end(),
                       [](QChar C) { return C.isLetterOrNumber() || C == u'-' || C == u'_'; });
}

QString UnknownArgumentText(const QString &Argument) {
    const QString Said = Argument.startsWith(u'-') ? Tr("unknown option \"%1\".")
                                                   : Tr("unexpected argument \"%1\".");
    return Said.arg(Argument) + u'\n' + TryHelp();
}

TCommandLine ParseCommandLine(const QStringList &Arguments) {
    TCommandLine Line;
    const auto Fail = [&Line](const QString &Text) {
        Line.Action = TCommandLine::TAction::Fail;
        Line.Error = Text;
        return Line;
    };
    bool Help = false;
    bool Version = false;
    for (int i = 0; i < Arguments.size(); ++i) {
        const QString &Argument = Arguments.at(i);
        if (Argument == QLatin1String("--help") || Argument == QLatin1String("-h")) {
            Help = true;
            continue;
        }
        if (Argument == QLatin1String("--version")) {
            Version = true;
            continue;
        }
        if (!Argument.startsWith(QLatin1String("--"))) {
            // Qt's own options are single-dashed ("-platform xcb"); Qt takes them, and its
            // values with them, and says nothing of the rest: what it leaves is refused later.
            Line.ForQt << i;
            continue;
        }
        const qsizetype Equals = Argument.indexOf(u'=');
        const QString Name = Equals < 0 ? Argument : Argument.left(Equals);
        static const QStringList Known = {QStringLiteral("--profile"), QStringLiteral("--midi-out"),
                                          QStringLiteral("--midi-in"), QStringLiteral("--channel"),
                                          QStringLiteral("--service")};
        if (!Known.contains(Name))
            return Fail(UnknownArgumentText(Name));
        QString Value;
        if (Equals >= 0) {
            Value = Argument.mid(Equals + 1);
        } else if (i + 1 < Arguments.size() &&
                   !Arguments.at(i + 1).startsWith(QLatin1String("--"))) {
            Value = Arguments.at(++i);
        } else {
            return Fail(Tr("the option %1 needs a value.").arg(Name) + u'\n' + TryHelp());
        }

        if (Name == QLatin1String("--profile")) {
            if (!IsProfileName(Value))
                return Fail(Tr("--profile: \"%1\" is not a profile name: letters, digits, \"-\" "
                               "and \"_\", at most %2 of them.")
                                .arg(Value)
                                .arg(MaxProfileLength));
            Line.Profile = Value;
        } else if (Name == QLatin1String("--midi-out") || Name == QLatin1String("--midi-in")) {
            if (Value.trimmed().isEmpty())
                return Fail(Tr("%1: the port name is empty.").arg(Name));
            (Name == QLatin1String("--midi-out") ? Line.MidiOut : Line.MidiIn) = Value;
        } else if (Name == QLatin1String("--channel")) {
            bool Ok = false;
            const int Channel = Value.trimmed().toInt(&Ok);
            if (!Ok || Channel < 1 || Channel > MidiChannelCount)
                return Fail(Tr("--channel: \"%1\" is not a MIDI channel from 1 to %2.")
                                .arg(Value)
                                .arg(MidiChannelCount));
            Line.Channel = Channel - 1;
        } else {
            const QStringList Services = ServiceNames();
            const QString Key = Value.trimmed().toLower();
            if (!Services.contains(Key))
                return Fail(Tr("--service: \"%1\" is not a MIDI service of this program (%2).")
                                .arg(Value, Services.join(QStringLiteral(", "))));
            Line.Service = MidiBackend::ApiFromName(Key);
        }
    }
    if (Help)
        Line.Action = TCommandLine::TAction::Help;
    else if (Version)
        Line.Action = TCommandLine::TAction::Version;
    return Line;
}

QString CommandLineUsage() {
    return Tr("Usage: ondrel [OPTION]...\n"
              "A virtual MIDI keyboard: play the window's piano with the mouse or the\n"
              "computer keyboard; the notes go to the port chosen in the Midi Out menu.\n"
              "\n"
              "  --profile NAME     a keyboard of its own: settings in ondrel-NAME.ini and\n"
              "                     the MIDI client \"Ondrel-NAME\", so that two keyboards\n"
              "                     can play two synthesizers\n"
              "  --midi-out PORT    play to PORT, named as in the Midi Out menu\n"
              "                     (\"Midi-Mapper\": the built-in synthesizer)\n"
              "  --midi-in PORT     listen to PORT, named as in the Midi In menu\n"
              "  --channel N        play on MIDI channel N, 1 to 16\n"
              "  --service SERVICE  the MIDI service: %1\n"
              "  -h, --help         show this text and exit\n"
              "  --version          show the version and exit\n"
              "\n"
              "A PORT of \"none\" chooses no device; a port that is not there yet opens as\n"
              "soon as it appears. The options take the place of the stored choices for\n"
              "this start; what is chosen when the program ends is kept, as a choice made\n"
              "in the window is. Settings are kept in $XDG_CONFIG_HOME/Tavrel/Ondrel/.\n")
        .arg(ServiceNames().join(QStringLiteral(" or ")));
}
