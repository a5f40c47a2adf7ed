// Knobs menu of the main window: knob presets, the eight snapshots and the knob setup dialog.

#include "app/mainwindow.h"
#include "app/mainwindowhosts.h"

#include "app/mainwindowparts.h"
#include "app/patchselection.h"
#include "app/programbank.h"
#include "controls/textinput.h"
#include "core/custominifile.h"
#include "core/knoblist.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "router/midirouter.h"

#include <QActionGroup>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

namespace {

const QString SecSnapshots = QStringLiteral("Snapshots");
const QString ValName = QStringLiteral("Name");
const QString ValValues = QStringLiteral("Values");

bool SameName(const QString &A, const QString &B) {
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

} // namespace

void TMainWindow::BuildPresetMenu() {
    QStringList names;
    try {
        ListKnobPresetsInRegistry(names, KnobPresetsKey);
    } catch (const EIniFileException &Error) {
        qWarning("%s", qPrintable(Error.Message()));
        names.clear();
    }
    names.append(DefaultPresetName);
    const auto listed = [&names](const QString &n) {
        return std::any_of(names.cbegin(), names.cend(),
                           [&n](const QString &m) { return SameName(m, n); });
    };
    if (!SameName(FKnobPresetName, CurrentPresetName) && !listed(FKnobPresetName))
        FKnobPresetName = DefaultPresetName;
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });

    delete FPresetGroup;
    FPresetsMenu->clear();
    FPresetGroup = new QActionGroup(this);
    FPresetGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const QString &name : names) {
        QAction *item = FPresetsMenu->addAction(name);
        item->setCheckable(true);
        item->setActionGroup(FPresetGroup);
        item->setChecked(SameName(name, FKnobPresetName));
        connect(item, &QAction::triggered, this, [this, item](bool checked) {
            // A click on the checked item would uncheck it: it stays as it was.
            if (!checked)
                item->setChecked(true);
            else
                SelectKnobPreset(item->text());
        });
    }
}

void TMainWindow::SelectKnobPreset(const QString &Name) {
    bool ok = true;
    QString name = Name;
    if (!SameName(FKnobPresetName, CurrentPresetName)) {
        ok = false;
        // The menu's spelling, so that a name stored in other letter case still checks its item.
        for (const QAction *a : FPresetsMenu->actions())
            if (SameName(a->text(), Name)) {
                ok = true;
                name = a->text();
            }
    }
    // A name that would read as a deeper key (or none) is never a stored preset.
    if (ok)
        ok = IsStorablePresetName(name) &&
             TRegistryIniFile::KeyExists(KnobPresetsKey + QLatin1Char('\\') + name);
    FKnobPresetName = ok ? name : DefaultPresetName;
    for (QAction *a : FPresetsMenu->actions())
        a->setChecked(a->text() == FKnobPresetName);

    if (SameName(FKnobPresetName, DefaultPresetName)) {
        FKnobs->Clear();
        FKnobs->Add(QStringLiteral("Volume"), MidiController::MainVolume, TKnobList::dmAbsolute,
                    100);
        KnobCountChanged();
        return;
    }
    try {
        FKnobs->LoadPreset(KnobPresetsKey, FKnobPresetName);
        if (!FKnobs->LoadErrors().isEmpty())
            ShowNotice(FKnobs->LoadErrors().join(QLatin1Char(' ')));
    } catch (const EIniFileException &Error) {
        ShowNotice(Error.Message());
    }
    KnobCountChanged();
}

void TMainWindow::UncheckKnobPresets() {
    for (QAction *a : FPresetsMenu->actions())
        a->setChecked(false);
    FKnobPresetName = CurrentPresetName;
    KnobCountChanged();
}

void TMainWindow::KnobCountChanged() {
    // More knob columns may need a wider window: it grows to its new minimum width.
    ApplyWidthLimits();
    LayOut();
    // A knob shows its controller as the output has it; one at its default that the output
    // never had is sent, so that the next turn does not make the sound jump.
    for (int i = 0; i < FKnobs->Count(); ++i) {
        const int controller = FKnobs->IUser(i) & 127;
        if (const int value = FControllerValues[size_t(controller)]; value >= 0)
            FKnobs->SetKnobPosition(i, value);
        else
            FRouter->SendController(controller, FKnobs->KnobValues()[size_t(i)].second);
    }
}

void TMainWindow::SendShownState(bool Program) {
    if (!FSendStateOnOpen)
        return;
    if (Program)
        FRouter->SendProgram(FProgramBank->Value(TProgramBank::Msb),
                             FProgramBank->Value(TProgramBank::Lsb),
                             FProgramBank->Value(TProgramBank::Program));
    // Each controller once, as a snapshot takes them: the first knob on it shows its value.
    for (const auto &[controller, value] :
         DecodeSnapshotValues(SnapshotValuesText(FKnobs->KnobValues())))
        FRouter->SendOnly(
            TShortMessage::ControlChange(FKeyboard->Model().Channel(), controller, value));
}

void TMainWindow::BuildSnapshotMenus() {
    QAction *before = FSnapshotsMenu->actions().value(0);
    for (int n = 1; n <= int(FSnapshots.size()); ++n) {
        const int slot = n - 1;
        FSnapshots[slot].clear();
        auto *item = new QAction(tr("&%1 Snapshot %1").arg(n), FSnapshotsMenu);
        item->setEnabled(false);
        item->setShortcut(QKeySequence(Qt::Key(Qt::Key_F4 + n)));
        item->setData(slot);
        FSnapshotsMenu->insertAction(before, item);
        connect(item, &QAction::triggered, this, [this, slot] { RecallSnapshot(slot); });
        FSnapshotItems[slot] = item;

        QAction *define = FDefineMenu->addAction(tr("Define Snapshot &%1").arg(n));
        define->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F4 + n)));
        define->setData(slot);
        connect(define, &QAction::triggered, this, [this, slot] { DefineSnapshot(slot); });
        FDefineItems[slot] = define;
    }
}

void TMainWindow::RecallSnapshot(int Slot) {
    if (Slot < 0 || Slot >= int(FSnapshots.size()) || FSnapshots[Slot].isEmpty())
        return;
    // Each value goes out as if its knob had been turned, so every display follows.
    for (const auto &[controller, value] : DecodeSnapshotValues(FSnapshots[Slot]))
        FRouter->SendController(controller, value);
}

void TMainWindow::DefineSnapshot(int Slot) {
    if (Slot < 0 || Slot >= int(FSnapshots.size()) || FKnobs->Count() == 0)
        return;
    QAction *item = FSnapshotItems[Slot];
    bool ok = false;
    const QString name =
        AskText(this, tr("Snapshot name"), tr("Please enter a name for this Snapshot:"),
                item->text().mid(3), &ok);
    if (!ok)
        return;
    item->setText(tr("&%1 %2").arg(Slot + 1).arg(name));
    const std::vector<TKnobValue> values = FKnobs->KnobValues();
    FSnapshots[Slot] = SnapshotValuesText(values);
    item->setStatusTip(FSnapshots[Slot]);
    item->setEnabled(true);
}

void TMainWindow::SetSnapshot(int Slot, const QString &Values) {
    if (Slot < 0 || Slot >= int(FSnapshots.size()))
        return;
    FSnapshots[size_t(Slot)] = Values;
    FSnapshotItems[size_t(Slot)]->setStatusTip(Values);
    FSnapshotItems[size_t(Slot)]->setEnabled(!Values.isEmpty());
}

int TMainWindow::ReadSnapshots(const TCustomIniFile &Store) {
    int count = 0;
    for (int n = 1; n <= int(FSnapshots.size()); ++n) {
        const QString values = Store.ReadString(SecSnapshots, ValValues + QString::number(n), {});
        if (values.isEmpty())
            continue;
        QAction *item = FSnapshotItems[n - 1];
        item->setText(Store.ReadString(SecSnapshots, ValName + QString::number(n), item->text()));
        item->setStatusTip(values);
        item->setEnabled(true);
        FSnapshots[n - 1] = values;
        ++count;
    }
    return count;
}

int TMainWindow::WriteSnapshots(TCustomIniFile &Store) {
    int count = 0;
    for (int n = 1; n <= int(FSnapshots.size()); ++n) {
        const QString name = ValName + QString::number(n);
        const QString values = ValValues + QString::number(n);
        if (FSnapshots[n - 1].isEmpty()) {
            Store.DeleteKey(SecSnapshots, name);
            Store.DeleteKey(SecSnapshots, values);
            continue;
        }
        Store.WriteString(SecSnapshots, name, FSnapshotItems[n - 1]->text());
        Store.WriteString(SecSnapshots, values, FSnapshots[n - 1]);
        ++count;
    }
    return count;
}

void TMainWindow::ShowKnobSetup() {
    if (!FKnobEditor) {
        FKnobEditor = new TKnobEditForm(*FKnobs, this);
        FKnobEditor->CurrentPresetName = [this] { return FKnobPresetName; };
        FKnobEditor->OnPresetsChanged = [this] {
            // The preset of the knob bar was deleted: its knobs stay, as unsaved ones that are
            // kept at close, rather than being lost at the next start.
            if (!SameName(FKnobPresetName, CurrentPresetName) &&
                !SameName(FKnobPresetName, DefaultPresetName) &&
                !TRegistryIniFile::KeyExists(KnobPresetsKey + QLatin1Char('\\') + FKnobPresetName))
                FKnobPresetName = CurrentPresetName;
            BuildPresetMenu();
        };
        FKnobEditor->OnSelectPreset = [this](const QString &name) { SelectKnobPreset(name); };
        FKnobEditor->OnKnobsAssigned = [this] { UncheckKnobPresets(); };
    }
    FKnobEditor->show();
    FKnobEditor->raise();
    FKnobEditor->activateWindow();
}

// --- File > Export and Import
// ---------------------------------------------------------------------

int TMainExImportHost::KnobCount() const {
    return FWindow.Knobs().Count();
}

bool TMainExImportHost::HasSnapshots() const {
    return std::any_of(FWindow.FSnapshots.cbegin(), FWindow.FSnapshots.cend(),
                       [](const QString &s) { return !s.isEmpty(); });
}

void TMainExImportHost::ReadSettings(TCustomIniFile &File) {
    const QString preset = FWindow.FKnobPresetName;
    FWindow.ReadWindowSettings(File, true);
    // The patch selected there, as the help promises: its set loaded and the patch chosen.
    FWindow.FPatches->LoadStoredPatchSet(File, WindowSection);
    // The preset chosen there is chosen here at once when it is stored here too: a name only
    // kept would be replaced by the checked menu item at close. Knobs changed by hand stay.
    const QString imported = std::exchange(FWindow.FKnobPresetName, preset);
    const QList<QAction *> items = FWindow.FPresetsMenu->actions();
    const bool stored = std::any_of(items.cbegin(), items.cend(), [&imported](const QAction *a) {
        return SameName(a->text(), imported);
    });
    if (!SameName(preset, CurrentPresetName) && stored)
        FWindow.SelectKnobPreset(imported);
}

void TMainExImportHost::KnobPresetsChanged() {
    FWindow.BuildPresetMenu();
    // Knobs changed by hand are only stored as "Current" at close: loading that now would
    // replace them with older ones.
    if (!SameName(FWindow.FKnobPresetName, CurrentPresetName))
        FWindow.SelectKnobPreset(FWindow.FKnobPresetName);
}
