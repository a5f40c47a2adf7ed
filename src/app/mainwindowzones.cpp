// The main window's zones: the split, the latch and the arpeggiator as buttons below the keyboard
// and in the Options menu, the split point set by Ctrl + middle button on a key, the zones
// dialog, the zones drawn on the keyboard, the zones' own ports, and where the arpeggiators meet
// the program's output.

#include "app/mainwindow.h"
#include "app/mainwindowparts.h"
#include "app/settingssaver.h"

#include "core/chordlist.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "midi/mididevices.h"
#include "midi/zoneports.h"
#include "router/midirouter.h"
#include "router/zoneplayer.h"
#include "zones/zoneform.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolButton>

namespace {

constexpr int RowTop = 170;
constexpr int RowHeight = 19;
// The gap between the velocity row and the zone buttons beside it.
constexpr int RowGap = 8;

enum TZoneButton { zbSplit, zbLatch, zbArp };

} // namespace

void TMainWindow::BuildZoneRow() {
    const std::array<QString, 3> names{tr("Split"), tr("Latch"), tr("Arp")};
    const std::array<QString, 3> tips{
        tr("Split the keyboard into zones, each on a channel of its own (Ctrl + middle button on "
           "a key sets or removes a split point; Options > Zones and Arpeggiator sets them up)"),
        tr("Latch: the notes played go on sounding after their keys are let go, until the next "
           "chord (Insert)"),
        tr("Arpeggiator: the zones play their notes one by one, in time")};
    // A switched-on button in the desktop's highlight colour: the plain sunken look of some
    // styles hardly tells on from off.
    const QString look = QStringLiteral(
        "QToolButton { padding: 1px 5px; border: 1px solid palette(mid); border-radius: 3px; "
        "background: palette(button); color: palette(button-text); } "
        "QToolButton:checked { background: palette(highlight); "
        "color: palette(highlighted-text); border-color: palette(dark); }");
    int x = ExpressionRowRight() + RowGap;
    for (size_t i = 0; i < names.size(); ++i) {
        auto *button = new QToolButton(FClient);
        button->setStyleSheet(look);
        button->setText(names[i]);
        button->setObjectName(QStringLiteral("Zone%1Button").arg(names[i]));
        button->setCheckable(true);
        // Reached with Tab; a click leaves the keys with the keyboard.
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(names[i]);
        button->setAccessibleDescription(tips[i]);
        button->setToolTip(tips[i]);
        button->setStatusTip(tips[i]);
        button->adjustSize();
        button->setGeometry(x, RowTop, button->width(), RowHeight);
        x += button->width() + 3;
        FZoneButtons[i] = button;
    }
    connect(FZoneButtons[zbSplit], &QAbstractButton::clicked, this, &TMainWindow::SetSplit);
    connect(FZoneButtons[zbLatch], &QAbstractButton::clicked, this, &TMainWindow::SetLatch);
    connect(FZoneButtons[zbArp], &QAbstractButton::clicked, this, &TMainWindow::SetArpeggiator);
}

void TMainWindow::PlaceZoneRow() {
    // Level with the velocity row, which keeps below the keys.
    const int top = FVelocitySlider->y();
    for (QAbstractButton *button : FZoneButtons)
        button->move(button->x(), top);
}

void TMainWindow::BuildZoneMenu(QMenu *Options) {
    Options->addSeparator();
    const auto toggle = [this, Options](const QString &Text, void (TMainWindow::*Slot)(bool)) {
        QAction *a = Options->addAction(Text);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, Slot);
        return a;
    };
    FZoneActions[zbSplit] = toggle(tr("Split &Keyboard"), &TMainWindow::SetSplit);
    FZoneActions[zbLatch] = toggle(tr("&Latch"), &TMainWindow::SetLatch);
    FZoneActions[zbLatch]->setShortcut(Qt::Key_Insert);
    FZoneActions[zbArp] = toggle(tr("&Arpeggiator"), &TMainWindow::SetArpeggiator);
    QAction *zones = Options->addAction(tr("&Zones and Arpeggiator..."));
    connect(zones, &QAction::triggered, this, &TMainWindow::ShowZones);
}

void TMainWindow::WireZones() {
    TZonePlayer &player = FRouter->Zones();
    FZonePorts = std::make_unique<TZonePorts>();
    connect(FZonePorts.get(), &TZonePorts::Notice, this, &TMainWindow::ShowNotice);
    connect(FZonePorts.get(), &TZonePorts::TextMessage, this,
            [this](const QString &Text) { SetStatusText(Text); });
    player.SetOutputs(FZonePorts.get());
    player.OnSendFailed = [this](const QString &Text) { SetStatusText(Text); };
    player.OnChanged = [this] { ShowZoneState(); };
    // A zone's chord by the chord box's name of it.
    player.ChordByName = [this](const QString &Name) -> std::optional<TChordIntervals> {
        const int index = FChordBox->findText(Name, Qt::MatchFixedString);
        if (index < 0)
            return std::nullopt;
        if (index < BuiltInChords)
            return TKeyboardModel::ChordIntervals(TChord(index), {});
        if (index - BuiltInChords >= FChordList->Count())
            return std::nullopt;
        return TKeyboardModel::ChordIntervals(TChord::chCustom,
                                              FChordList->Items(index - BuiltInChords).Offsets());
    };
    FKeyboard->OnMousePress = [this](QObject *, int &Note, Qt::MouseButton Button,
                                     TShiftState Shift) {
        if (Button == Qt::MiddleButton && Shift.testFlag(TShiftStateFlag::ssCtrl))
            SplitAt(Note);
    };
    ShowZoneState();
}

void TMainWindow::LinkZones() {
    TMidiDevices *devices = FDevices.get();
    // The zones' ports are on the service of the program's output.
    FZonePorts->SetApi(devices->Api());
    connect(devices, &TMidiDevices::ServiceChanged, FZonePorts.get(), &TZonePorts::SetApi);
    // The zones on the program's output get their programs whenever it opens.
    connect(devices, &TMidiDevices::OutputOpened, this,
            [this] { FRouter->Zones().PortOpened(QString()); });
    FZonesLinked = true;
    SyncZoneEngine();
}

void TMainWindow::UnlinkZones() {
    FZonesLinked = false;
    SyncZoneEngine();
}

void TMainWindow::SyncZoneEngine() {
    // The owner keeps its sources across every device and service it opens; the engine is
    // there only while the arpeggiator is on: a port that steps a source (ALSA) would wake
    // every millisecond for nothing.
    const bool on = FZonesLinked && FRouter->Zones().Zones().Arpeggiator();
    if (FZoneEngineOn && !on) {
        FDevices->RemoveSource(&FRouter->Zones().MainEngine());
        FRouter->Zones().MainEngineDetached(FDevices.get());
        FZoneEngineOn = false;
    } else if (on && !FZoneEngineOn) {
        FZoneEngineOn = FDevices->AddSource(&FRouter->Zones().MainEngine());
        if (!FZoneEngineOn)
            SetStatusText(tr("The arpeggiator cannot play: the output plays too much at once."));
    }
}

TZoneForm *TMainWindow::ZoneForm() const {
    return FZoneForm;
}

void TMainWindow::ShowZones() {
    if (!FZoneForm) {
        QStringList chords;
        for (int i = 0; i < FChordBox->count(); ++i)
            chords << FChordBox->itemText(i);
        FZoneForm = new TZoneForm(
            FRouter->Zones().Zones(), chords, FZonePorts->Available(),
            [this](int Note) { return FKeyboard->Model().NoteName(Note); }, this);
        FZoneForm->OnApply = [this](const TZoneSet &Zones) { ApplyZones(Zones); };
    }
    FZoneForm->show();
    FZoneForm->raise();
    FZoneForm->activateWindow();
}

void TMainWindow::ApplyZones(const TZoneSet &Zones) {
    FRouter->Zones().Apply(Zones);
    if (FSaver)
        FSaver->Changed();
    // A midi clock to follow must reach the arpeggiators.
    if (Zones.Arpeggiator() && Zones.Clock() == TArpClock::acMidiClock && FDevices)
        FDevices->SetTimingClock(true);
    ShowZoneState();
}

void TMainWindow::SplitAt(int Note) {
    TZoneSet zones = FRouter->Zones().Zones();
    const bool wasPoint = zones.Split() && zones.SplitPoints().contains(Note);
    if (!zones.SplitAt(Note))
        return;
    ApplyZones(zones);
    if (FZoneForm)
        FZoneForm->SetZones(zones);
    const QString name = FKeyboard->Model().NoteName(Note);
    SetStatusText(wasPoint ? tr("Split point %1 removed: %2 zones").arg(name).arg(zones.Count())
                           : tr("Split at %1: %2 zones").arg(name).arg(zones.Count()));
}

void TMainWindow::SetSplit(bool Value) {
    TZoneSet zones = FRouter->Zones().Zones();
    zones.SetSplit(Value);
    ApplyZones(zones);
    if (FZoneForm)
        FZoneForm->SetZones(zones);
}

void TMainWindow::SetLatch(bool Value) {
    FRouter->Zones().SetLatch(Value);
    if (FSaver)
        FSaver->Changed();
    SetStatusText(Value ? tr("Latch on") : tr("Latch off"));
    if (FZoneForm)
        FZoneForm->SetZones(FRouter->Zones().Zones());
}

void TMainWindow::SetArpeggiator(bool Value) {
    FRouter->Zones().SetArpeggiator(Value);
    if (FSaver)
        FSaver->Changed();
    const TZoneSet &zones = FRouter->Zones().Zones();
    if (Value && zones.Clock() == TArpClock::acMidiClock && FDevices)
        FDevices->SetTimingClock(true);
    SetStatusText(Value ? tr("Arpeggiator on") : tr("Arpeggiator off"));
    if (FZoneForm)
        FZoneForm->SetZones(zones);
}

void TMainWindow::ShowZoneState() {
    SyncZoneEngine();
    const TZonePlayer &player = FRouter->Zones();
    const TZoneSet &zones = player.Zones();
    const std::array<bool, 3> on{zones.Split(), zones.Latch(), zones.Arpeggiator()};
    for (size_t i = 0; i < on.size(); ++i) {
        if (FZoneButtons[i] && FZoneButtons[i]->isChecked() != on[i]) {
            const QSignalBlocker block(FZoneButtons[i]);
            FZoneButtons[i]->setChecked(on[i]);
        }
        if (FZoneActions[i] && FZoneActions[i]->isChecked() != on[i]) {
            const QSignalBlocker block(FZoneActions[i]);
            FZoneActions[i]->setChecked(on[i]);
        }
    }
    QList<TKeyboard::TZoneBand> bands;
    if (zones.Split())
        for (int i = 0; i < zones.Count(); ++i)
            bands << TKeyboard::TZoneBand{zones.Low(i), zones.High(i), i};
    FKeyboard->SetZoneBands(bands, player.LatchedKeys());
}

void TMainWindow::ReadZoneSettings(TCustomIniFile &Store) {
    TZoneSet zones = FRouter->Zones().Zones();
    // The per-user store keeps the zones' ports with the MIDI devices; exports leave them out.
    zones.Load(Store, dynamic_cast<TRegistryIniFile *>(&Store) != nullptr);
    ApplyZones(zones);
    if (FZoneForm)
        FZoneForm->SetZones(zones);
}

void TMainWindow::WriteZoneSettings(TCustomIniFile &Store) {
    FRouter->Zones().Zones().Save(Store, dynamic_cast<TRegistryIniFile *>(&Store) != nullptr);
}
