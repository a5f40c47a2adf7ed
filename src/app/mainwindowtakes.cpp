// The main window's takes: created with the window, linked to the output in one place.

#include "app/mainwindow.h"

#include "app/maintakes.h"
#include "keyboard/keyboard.h"
#include "midi/mididevices.h"

void TMainWindow::BuildTakes() {
    FTakes = std::make_unique<TMainTakes>(*this, *FRouter, FKeyboard->Model());
    FTakes->OnStatus = [this](const QString &Text) { SetStatusText(Text); };
}

void TMainWindow::LinkTakes() {
    // Everything the window sends leaves through the devices' output, whichever device and
    // service: captured there, and replays play there. A replay ends before the output closes.
    FTakes->SetOutput(FDevices.get());
    connect(FDevices.get(), &TMidiDevices::OutputClosing, FTakes.get(),
            [this] { FTakes->StopReplay(); });
}
