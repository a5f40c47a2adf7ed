// A window with the piano keyboard and a one-line edit box, played from the computer keyboard
// and sending through Ondrel's own MIDI output port (JACK), as the main window will. The
// end-to-end test runs it under Xvfb and drives it with real X11 key events.
//
// Lines it prints: "ready <window id>", "active <0|1>", "note <typ> <note> <vel>", "key <+|->
// <scan code> [repeat]" for every key the hook sees, "shortcut" when the window's Q shortcut
// fires, "text <edit text>", "error <text>". Commands it reads: "focus edit", "focus keys",
// "text", "other" (show and activate a second window), "main" (activate the first again),
// "quit". With --idle it is just an empty window that prints "ready <window id>".

#include "hook/keyboardhook.h"
#include "keyboard/keyboard.h"
#include "midi/midierror.h"
#include "midi/midioutput.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

void Say(const QString &Line) {
    std::fputs(qPrintable(Line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// Prints "ready" once the window is active (or after a few seconds, so the test never waits
// for ever).
void ReadyWhenActive(QWidget *Window) {
    auto *clock = new QElapsedTimer;
    clock->start();
    auto *poll = new QTimer(Window);
    QObject::connect(poll, &QTimer::timeout, Window, [=] {
        if (!Window->isActiveWindow() && clock->elapsed() < 5000)
            return;
        poll->stop();
        Say(QStringLiteral("ready %1").arg(Window->winId()));
        delete clock;
    });
    poll->start(20);
}

class TForm : public QWidget {
public:
    TKeyboard *Keys = nullptr;
    QLineEdit *Edit = nullptr;
    TKeyboardHook *Watch = nullptr;

protected:
    void changeEvent(QEvent *Event) override {
        QWidget::changeEvent(Event);
        if (Event->type() != QEvent::ActivationChange || !Keys || !Watch)
            return;
        // The keys play the keyboard while this window is active, as in the main window; the
        // watch listens only then too, so that the hook comes and goes as it will there.
        const bool active = isActiveWindow();
        Keys->SetCaptureKeyboard(active);
        if (active)
            Watch->Add();
        else
            Watch->Remove();
        Say(QStringLiteral("active %1").arg(active ? 1 : 0));
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const bool idle = app.arguments().contains(QStringLiteral("--idle"));

    TForm form;
    form.setWindowTitle(idle ? QStringLiteral("Other") : QStringLiteral("Ondrel keys"));
    form.resize(360, 140);
    if (idle) {
        form.show();
        ReadyWhenActive(&form);
        return app.exec();
    }

    std::unique_ptr<TMidiOutput> output;
    try {
        output = std::make_unique<TMidiOutput>(TMidiApi::maJack);
        output->SetDeviceID(0);
        if (!output->Open()) {
            Say(QStringLiteral("error no MIDI port: no JACK server answers"));
            return 2;
        }
    } catch (const EMidiError &E) {
        Say(QStringLiteral("error %1").arg(E.Message()));
        return 2;
    }

    auto *layout = new QVBoxLayout(&form);
    form.Keys = new TKeyboard(&form);
    form.Keys->setMinimumSize(329, 76);
    form.Keys->Model().SetBaseNote(36);
    form.Edit = new QLineEdit(&form);
    layout->addWidget(form.Keys);
    layout->addWidget(form.Edit);
    form.Keys->Model().OnNote = [&output](QObject *, const TShortMessage &Message) {
        output->Send(Message);
        Say(QStringLiteral("note %1 %2 %3")
                .arg(Message.Status, 2, 16, QChar('0'))
                .arg(Message.Data1, 2, 16, QChar('0'))
                .arg(Message.Data2, 2, 16, QChar('0')));
    };

    // A shortcut on a playing key: playing must not trigger it.
    auto *shortcut = new QAction(&form);
    shortcut->setShortcut(QKeySequence(Qt::Key_Q));
    form.addAction(shortcut);
    QObject::connect(shortcut, &QAction::triggered, [] { Say(QStringLiteral("shortcut")); });

    // Every key as the hook hands it on, to tell the test what the window system sent.
    TKeyboardHook watch([](TKeyboardHook *, const TKeyData &Key, bool &) {
        Say(QStringLiteral("key %1 %2%3")
                .arg(Key.Transition ? '-' : '+')
                .arg(Key.ScanCode)
                .arg(Key.IsAutoRepeat() ? QStringLiteral(" repeat") : QString()));
    });
    form.Watch = &watch;

    QWidget other;
    other.setWindowTitle(QStringLiteral("Second window"));
    other.resize(200, 80);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, size_t(n));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const QString command = QString::fromStdString(pending.substr(0, end)).trimmed();
            pending.erase(0, end + 1);
            if (command == u"focus edit")
                form.Edit->setFocus();
            else if (command == u"focus keys")
                form.Keys->setFocus();
            else if (command == u"text")
                Say(QStringLiteral("text %1").arg(form.Edit->text()));
            else if (command == u"other") {
                other.show();
                other.activateWindow();
                ReadyWhenActive(&other);
            } else if (command == u"main") {
                form.activateWindow();
                ReadyWhenActive(&form);
            } else if (command == u"quit")
                app.quit();
        }
    });

    form.show();
    form.activateWindow();
    form.Keys->setFocus();
    ReadyWhenActive(&form);
    const int result = app.exec();
    form.Watch = nullptr;
    form.Keys->SetCaptureKeyboard(false);
    return result;
}
