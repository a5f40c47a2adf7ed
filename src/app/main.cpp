#include "app/mainwindow.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

const char *const Usage =
    "Usage: ondrel [--help] [--version]\n"
    "A virtual MIDI keyboard: play the window's piano with the mouse or the\n"
    "computer keyboard; the notes go to the port chosen in the Midi Out menu.\n"
    "Settings are kept in $XDG_CONFIG_HOME/Tavrel/Ondrel/.\n";

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
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ondrel %s\n", ONDREL_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
    }
    // On X11 Qt hands each repaint to the server through shared memory and then waits for the
    // server before it paints again: a round trip per played key for a few hundred pixels.
    // Sending those few pixels over the socket costs a quarter less CPU per keystroke (under
    // Xvfb: 0.77 against 1.0 ms). Not set when the user has set it.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondrel"));
    QApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QStringLiteral(ONDREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrel.Ondrel"));
    TMainWindow window;
#ifdef Q_OS_UNIX
    CloseOnSignals(window);
#endif
    // The session's logout closes the window too, so settings are kept.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.close(); });
    window.show();
    return app.exec();
}
