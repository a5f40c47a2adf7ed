// The main window's values in the settings store and in exported settings files.

#include "app/mainwindow.h"
#include "app/mainwindowparts.h"

#include "app/maintakes.h"
#include "app/patchselection.h"
#include "app/programbank.h"
#include "app/settingssaver.h"
#include "controls/formstate.h"
#include "core/chordlist.h"
#include "core/custominifile.h"
#include "core/knoblist.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "midi/mididevices.h"

#include <QActionGroup>
#include <QComboBox>

namespace {

const QString ValModWheelController = QStringLiteral("MWCtrl");
const QString ValShowBasenoteButtons = QStringLiteral("ShowBasenoteButtons");
const QString ValMidiThru = QStringLiteral("Midi Thru");
const QString ValFirstTime = QStringLiteral("First Time");
const QString ValProgram = QStringLiteral("Program");
const QString ValBankMSB = QStringLiteral("Bank MSB");
const QString ValBankLSB = QStringLiteral("Bank LSB");
const QString ValMouseWheelController = QStringLiteral("MouseWheelController");
const QString ValMouseWheelSensitivity = QStringLiteral("MouseWheelSensitivity");
const QString ValKnobPreset = QStringLiteral("Knob Preset");
const QString ValStayOnTop = QStringLiteral("StayOnTop");
const QString ValCustomChord = QStringLiteral("CustomChord");
const QString ValKnobValues = QStringLiteral("Knob Values");
const QString ValSendStateOnOpen = QStringLiteral("Send On Open");
const QString ValFollowNotes = QStringLiteral("Follow Notes");
const std::array<QString, TMainWindow::ExImFlagCount> ExImFlagNames{
    QStringLiteral("DontShowExSettings"),      QStringLiteral("DontShowExKnobPresets"),
    QStringLiteral("DontShowExKnobSnapshots"), QStringLiteral("DontShowExChords"),
    QStringLiteral("DontShowImSettings"),      QStringLiteral("ImKnobPresetsOverwrite"),
    QStringLiteral("DontShowImKnobSnapshots"), QStringLiteral("ImChordsOverwrite")};

} // namespace

// --- Settings ------------------------------------------------------------------------------------

void TMainWindow::LoadSettings() {
    try {
        TRegistryIniFile store;
        ReadSettings(store);
    } catch (const EIniFileException &Error) {
        // The settings read so far stay; the start-up notice says what is wrong with the file.
        qWarning("%s", qPrintable(Error.Message()));
    }
}

void TMainWindow::SaveSettings() {
    // Only what this window changed: another window on the same file keeps its own changes.
    if (FSaver->Started())
        FSaver->SaveNow();
}

void TMainWindow::ReadSettings(TCustomIniFile &Store) {
    ReadWindowSettings(Store);
    ReadSnapshots(Store);
    // The knobs' values as they were left, for the knobs loaded next: the synthesizer is told
    // them when the output opens, and the next turn goes on from there.
    for (const auto &[controller, value] :
         DecodeSnapshotValues(Store.ReadString(WindowSection, ValKnobValues, QString())))
        FControllerValues[controller & 127] = value & 127;
}

void TMainWindow::WriteSettings(TCustomIniFile &Store) {
    if (dynamic_cast<TRegistryIniFile *>(&Store)) {
        // A device waited for is still the user's choice: the menus keep it.
        FDevices->Save(Store);
    }
    WriteWindowSettings(Store);
    WriteSnapshots(Store);
    Store.WriteString(WindowSection, ValKnobValues, SnapshotValuesText(FKnobs->KnobValues()));
}

void TMainWindow::ReadWindowSettings(TCustomIniFile &Store, bool Imported) {
    const QString &sec = WindowSection;
    FModWheelController = Store.ReadInteger(sec, ValModWheelController, FModWheelController) & 127;
    SetArrowsVisible(Store.ReadBool(sec, ValShowBasenoteButtons, FArrowsVisible));
    FKeyboard->LoadKeyboardSettings(Store);
    // The stored width within the limits of the stored key size, not of the one before.
    ApplyWidthLimits();
    LoadFormState(*this, Store, sec, FormState::Size | FormState::Position | FormState::Maximized);
    LayOut();
    AlignStrips();
    UpdateFromKeyboard();

    SetMidiThru(Store.ReadBool(sec, ValMidiThru, MidiThru()));
    FFirstTime = Store.ReadBool(sec, ValFirstTime, FFirstTime);
    std::array<int, 3> programBank{};
    for (auto [index, name] : {std::pair{int(TProgramBank::Program), &ValProgram},
                               std::pair{int(TProgramBank::Msb), &ValBankMSB},
                               std::pair{int(TProgramBank::Lsb), &ValBankLSB}})
        programBank[size_t(index)] =
            std::clamp(Store.ReadInteger(sec, *name, FProgramBank->Value(index)), -1, 127);
    if (Imported) {
        // Kept for the next start, neither shown nor sent: the fields keep showing what was
        // sent last, not a bank beside a program that never went out together.
        FProgramBank->StoreValues(programBank[0], programBank[1], programBank[2]);
    } else {
        FProgramBank->SetProgramValue(programBank[0]);
        FProgramBank->ShowBankValue(TProgramBank::Msb, programBank[1]);
        FProgramBank->ShowBankValue(TProgramBank::Lsb, programBank[2]);
    }
    SetWheelController(
        std::clamp(Store.ReadInteger(sec, ValMouseWheelController, FMouseWheelController), 0,
                   ControllerCode::None));
    FMouseWheelSensitivity =
        std::clamp(Store.ReadInteger(sec, ValMouseWheelSensitivity, FMouseWheelSensitivity), 0, 10);
    FKnobPresetName = Store.ReadString(sec, ValKnobPreset, FKnobPresetName);
    SetStayOnTop(Store.ReadBool(sec, ValStayOnTop, StayOnTop()));
    FSendStateOnOpen = Store.ReadBool(sec, ValSendStateOnOpen, FSendStateOnOpen);
    FKeyboard->SetFollowNotes(Store.ReadBool(sec, ValFollowNotes, FKeyboard->FollowNotes()));
    if (FKeyboard->Model().Chord() == TChord::chCustom) {
        int index = Store.ReadInteger(sec, ValCustomChord, FCustomChordIndex);
        if (index < 0 || index >= FChordList->Count())
            index = 0;
        if (index < FChordList->Count() && index + BuiltInChords < FChordBox->count()) {
            FChordBox->setCurrentIndex(index + BuiltInChords);
            FKeyboard->Model().SetCustomChord(FChordList->Items(index).Offsets(), true);
            FCustomChordIndex = index;
        } else {
            FKeyboard->Model().SetChord(TChord::chNone);
            FChordBox->setCurrentIndex(0);
        }
    }
    for (size_t i = 0; i < FExImFlags.size(); ++i)
        FExImFlags[i] = Store.ReadBool(sec, ExImFlagNames[i], FExImFlags[i]);
    FJoystickMap.Read(Store);
    ReadZoneSettings(Store);
    FTakes->ReadSettings(Store);
}

void TMainWindow::WriteWindowSettings(TCustomIniFile &Store) {
    const QString &sec = WindowSection;
    SaveFormState(*this, Store, sec, FormState::Size | FormState::Position | FormState::Maximized);
    Store.WriteInteger(sec, ValModWheelController, FModWheelController);
    Store.WriteBool(sec, ValShowBasenoteButtons, FArrowsVisible);
    FKeyboard->SaveKeyboardSettings(Store);

    Store.WriteBool(sec, ValMidiThru, MidiThru());
    Store.WriteBool(sec, ValFirstTime, false);
    Store.WriteInteger(sec, ValProgram, FProgramBank->Value(TProgramBank::Program));
    Store.WriteInteger(sec, ValBankMSB, FProgramBank->Value(TProgramBank::Msb));
    Store.WriteInteger(sec, ValBankLSB, FProgramBank->Value(TProgramBank::Lsb));
    Store.WriteInteger(sec, ValMouseWheelController, FMouseWheelController);
    Store.WriteInteger(sec, ValMouseWheelSensitivity, FMouseWheelSensitivity);
    Store.WriteBool(sec, ValStayOnTop, StayOnTop());
    Store.WriteBool(sec, ValSendStateOnOpen, FSendStateOnOpen);
    Store.WriteBool(sec, ValFollowNotes, FKeyboard->FollowNotes());
    FPatches->WritePatchValues(Store, sec);
    if (FKeyboard->Model().Chord() == TChord::chCustom)
        Store.WriteInteger(sec, ValCustomChord, FCustomChordIndex);
    // Knobs changed by hand since the last preset was chosen are kept as "Current".
    const QAction *checked = FPresetGroup ? FPresetGroup->checkedAction() : nullptr;
    if (checked) {
        FKnobPresetName = checked->text();
    } else {
        FKnobPresetName = CurrentPresetName;
        try {
            // Into the store written (the window's own, saved with the rest); an exported file
            // holds no presets, so they go to the per-user store then.
            if (auto *perUser = dynamic_cast<TRegistryIniFile *>(&Store))
                FKnobs->SaveToIni(*perUser->Below(KnobPresetsKey), CurrentPresetName);
            else
                FKnobs->SavePreset(KnobPresetsKey, CurrentPresetName);
        } catch (const EIniFileException &Error) {
            qWarning("%s", qPrintable(Error.Message()));
        }
    }
    Store.WriteString(sec, ValKnobPreset, FKnobPresetName);
    for (size_t i = 0; i < FExImFlags.size(); ++i)
        Store.WriteBool(sec, ExImFlagNames[i], FExImFlags[i]);
    FJoystickMap.Write(Store);
    WriteZoneSettings(Store);
    FTakes->WriteSettings(Store);
}
