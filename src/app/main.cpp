#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "core/general.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <vector>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

int Refuse(const QString &Text) {
    std::fprintf(stderr, "ondrel: %s\n", qPrintable(Text));
    return BadUsageStatus;
}

#ifdef Q_OS_UNIX
// A signal only writes a byte; the window is closed on the event loop, the normal way.
int SignalPipe[2] = {-1, -1};
volatile sig_atomic_t SignalsSeen = 0;

void OnSignal(int) {
    if (SignalsSeen != 0)
        _exit(1); // a second signal: end at once
    SignalsSeen = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(SignalPipe[1], &byte, 1);
}

void CloseOnSignals(QWidget &Window) {
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, &Window);
    QObject::connect(notifier, &QSocketNotifier::activated, &Window, [&Window, notifier] {
        char byte;
        [[maybe_unused]] const ssize_t n = read(SignalPipe[0], &byte, 1);
        notifier->setEnabled(false);
        Window.close();
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}
#endif

} // namespace

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine line = ParseCommandLine(arguments);
    switch (line.Action) {
    case TCommandLine::TAction::Help:
        std::fputs(qPrintable(CommandLineUsage()), stdout);
        return 0;
    case TCommandLine::TAction::Version:
        std::printf("ondrel %s\n", ONDREL_VERSION);
        return 0;
    case TCommandLine::TAction::Fail:
        return Refuse(line.Error);
    case TCommandLine::TAction::Run:
        break;
    }
    // Qt sees only what is not ours: its own options, and whatever is left to refuse.
    std::vector<char *> qtArgv{argv[0]};
    for (int index : line.ForQt)
        qtArgv.push_back(argv[index + 1]);
    qtArgv.push_back(nullptr);
    int qtArgc = int(qtArgv.size()) - 1;
    if (!line.Profile.isEmpty()) {
        // A second keyboard: settings of its own, and a MIDI client the patchbay tells apart.
        SetProfileName(line.Profile);
        MidiBackend::SetClientName(ProgramName.toString() + u'-' + line.Profile);
    }
    // On X11 Qt hands each repaint to the server through shared memory and then waits for the
    // server before it paints again: a round trip per played key for a few hundred pixels.
    // Sending those few pixels over the socket costs a quarter less CPU per keystroke (under
    // Xvfb: 0.77 against 1.0 ms). Not set when the user has set it.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(qtArgc, qtArgv.data());
    if (const QStringList left = QCoreApplication::arguments(); left.size() > 1)
        return Refuse(UnknownArgumentText(left.at(1)));
    InstallTranslations();
    QApplication::setApplicationName(QStringLiteral("Ondrel"));
    QApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QStringLiteral(ONDREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrel.Ondrel"));
    TMainWindow window(line.Service);
    window.SetStartChoices(line.MidiOut, line.MidiIn, line.Channel);
    if (!line.Profile.isEmpty()) {
        const QString title =
            QCoreApplication::translate("TCommandLine", "Ondrel (%1)").arg(line.Profile);
        QApplication::setApplicationDisplayName(title);
        window.setWindowTitle(title);
    }
#ifdef Q_OS_UNIX
    CloseOnSignals(window);
#endif
    // The session's logout closes the window too, so settings are kept.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.close(); });
    window.show();
    return app.exec();
}
