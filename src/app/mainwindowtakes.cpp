// The main window's takes: created with the window, linked to the output in one place.

#include "app/mainwindow.h"

#include "app/maintakes.h"
#include "keyboard/keyboard.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"

void TMainWindow::BuildTakes() {
    FTakes = std::make_unique<TMainTakes>(*this, *FRouter, FKeyboard->Model());
    FTakes->OnStatus = [this](const QString &Text) { SetStatusText(Text); };
}

void TMainWindow::LinkTakes() {
    // Everything the window sends leaves through the output menu's device: captured there, and
    // replays play there. A replay ends before the device closes or is replaced.
    FTakes->SetOutput(&FOutMenu->Output());
    const auto beforeClose = FOutMenu->OnBeforeClose;
    FOutMenu->OnBeforeClose = [this, beforeClose](QObject *Sender) {
        FTakes->StopReplay();
        if (beforeClose)
            beforeClose(Sender);
    };
    const auto replacing = FOutMenu->OnDeviceReplacing;
    FOutMenu->OnDeviceReplacing = [this, replacing](QObject *Sender) {
        FTakes->SetOutput(nullptr);
        if (replacing)
            replacing(Sender);
    };
    const auto replaced = FOutMenu->OnDeviceReplaced;
    FOutMenu->OnDeviceReplaced = [this, replaced](QObject *Sender) {
        if (replaced)
            replaced(Sender);
        FTakes->SetOutput(&FOutMenu->Output());
    };
}
