// Knobs menu of the main window: knob presets, the eight snapshots and the knob setup dialog.

#include "custominifile.h"
#include "guiknoblist.h"
#include "knobeditform.h"
#include "ondrel.h"
#include "registryinifile.h"

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

void TOndrel2::BuildPresetMenu() {
    QStringList names;
    try {
        ListKnobPresetsInRegistry(names, KnobPresetsKey);
    } catch (...) {
        names.clear();
    }
    names.append(DefaultPresetName);
    const auto listed = [&names](const QString &n) {
        return std::any_of(names.cbegin(), names.cend(),
                           [&n](const QString &m) { return SameName(m, n); });
    };
    if (!SameName(KnobPresetName, CurrentPresetName) && !listed(KnobPresetName))
        KnobPresetName = DefaultPresetName;
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });

    delete FPresetGroup;
    Presets1->clear();
    FPresetGroup = new QActionGroup(this);
    FPresetGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const QString &name : names) {
        QAction *item = Presets1->addAction(name);
        item->setCheckable(true);
        item->setActionGroup(FPresetGroup);
        item->setChecked(SameName(name, KnobPresetName));
        connect(item, &QAction::triggered, this, [this, item](bool checked) {
            // A click on the checked item would uncheck it: it stays as it was.
            if (!checked)
                item->setChecked(true);
            else
                SelectKnobPreset(item->text());
        });
    }
}

void TOndrel2::SelectKnobPreset(const QString &Name) {
    bool ok = true;
    QString name = Name;
    if (!SameName(KnobPresetName, CurrentPresetName)) {
        ok = false;
        // The menu's spelling, so that a name stored in other letter case still checks its item.
        for (const QAction *a : Presets1->actions())
            if (SameName(a->text(), Name)) {
                ok = true;
                name = a->text();
            }
    }
    // A name that would read as a deeper key (or none) is never a stored preset.
    if (ok)
        ok = IsStorablePresetName(name) &&
             TRegistryIniFile::KeyExists(KnobPresetsKey + QLatin1Char('\\') + name);
    KnobPresetName = ok ? name : DefaultPresetName;
    for (QAction *a : Presets1->actions())
        a->setChecked(a->text() == KnobPresetName);

    if (SameName(KnobPresetName, DefaultPresetName)) {
        KnobList->Clear();
        KnobList->Add(QStringLiteral("Volume"), 7, TKnobList::dmAbsolute, 100);
        return;
    }
    try {
        KnobList->LoadPreset(KnobPresetsKey, KnobPresetName);
    } catch (...) {
    }
}

void TOndrel2::UncheckKnobPresets() {
    for (QAction *a : Presets1->actions())
        a->setChecked(false);
    KnobPresetName = CurrentPresetName;
}

void TOndrel2::BuildSnapshotMenus() {
    QAction *before = Snapshots1->actions().value(0);
    for (int n = 1; n <= int(Snapshots.size()); ++n) {
        const int slot = n - 1;
        Snapshots[slot].clear();
        auto *item = new QAction(QStringLiteral("&%1 Snapshot %1").arg(n), Snapshots1);
        item->setEnabled(false);
        item->setShortcut(QKeySequence(Qt::Key(Qt::Key_F4 + n)));
        item->setData(slot);
        Snapshots1->insertAction(before, item);
        connect(item, &QAction::triggered, this, [this, slot] { RecallSnapshot(slot); });
        SnapshotItems[slot] = item;

        QAction *define = Define1->addAction(QStringLiteral("Define Snapshot &%1").arg(n));
        define->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F4 + n)));
        define->setData(slot);
        connect(define, &QAction::triggered, this, [this, slot] { DefineSnapshot(slot); });
        DefineItems[slot] = define;
    }
}

void TOndrel2::RecallSnapshot(int Slot) {
    if (Slot < 0 || Slot >= int(Snapshots.size()) || Snapshots[Slot].isEmpty())
        return;
    // Each value goes out as if its knob had been turned, so every display follows.
    for (const auto &[controller, value] : DecodeSnapshotValues(Snapshots[Slot]))
        KnobChange(controller, value);
}

void TOndrel2::DefineSnapshot(int Slot) {
    if (Slot < 0 || Slot >= int(Snapshots.size()) || KnobList->Count() == 0)
        return;
    QAction *item = SnapshotItems[Slot];
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, QStringLiteral("Snapshot name"),
                              QStringLiteral("Please enter a name for this Snapshot:"),
                              QLineEdit::Normal, item->text().mid(3), &ok);
    if (!ok)
        return;
    item->setText(QStringLiteral("&%1 %2").arg(Slot + 1).arg(name));
    const std::vector<TKnobValue> values = KnobList->KnobValues();
    Snapshots[Slot] = SnapshotValuesText(values);
    item->setStatusTip(Snapshots[Slot]);
    item->setEnabled(true);
}

int TOndrel2::ReadSnapshots(const TCustomIniFile &Store) {
    int count = 0;
    for (int n = 1; n <= int(Snapshots.size()); ++n) {
        const QString values = Store.ReadString(SecSnapshots, ValValues + QString::number(n), {});
        if (values.isEmpty())
            continue;
        QAction *item = SnapshotItems[n - 1];
        item->setText(Store.ReadString(SecSnapshots, ValName + QString::number(n), item->text()));
        item->setStatusTip(values);
        item->setEnabled(true);
        Snapshots[n - 1] = values;
        ++count;
    }
    return count;
}

int TOndrel2::WriteSnapshots(TCustomIniFile &Store) {
    int count = 0;
    for (int n = 1; n <= int(Snapshots.size()); ++n) {
        const QString name = ValName + QString::number(n);
        const QString values = ValValues + QString::number(n);
        if (Snapshots[n - 1].isEmpty()) {
            Store.DeleteKey(SecSnapshots, name);
            Store.DeleteKey(SecSnapshots, values);
            continue;
        }
        Store.WriteString(SecSnapshots, name, SnapshotItems[n - 1]->text());
        Store.WriteString(SecSnapshots, values, Snapshots[n - 1]);
        ++count;
    }
    return count;
}

void TOndrel2::Setup1Click() {
    if (!FKnobEditor) {
        FKnobEditor = new TKnobEditForm(*KnobList, this);
        FKnobEditor->CurrentPresetName = [this] { return KnobPresetName; };
        FKnobEditor->OnPresetsChanged = [this] { BuildPresetMenu(); };
        FKnobEditor->OnSelectPreset = [this](const QString &name) { SelectKnobPreset(name); };
        FKnobEditor->OnKnobsAssigned = [this] { UncheckKnobPresets(); };
    }
    FKnobEditor->show();
    FKnobEditor->raise();
    FKnobEditor->activateWindow();
}
