#pragma once

// What File > Export and File > Import reach of the main window, so that the commands do not
// depend on the window's class. The main window hands in an implementation that lives as long as
// the commands.

class QString;
class QWidget;
class TChordList;
class TCustomIniFile;

class TExImportHost {
public:
    virtual ~TExImportHost() = default;

    // The owner of the dialogs and message boxes.
    virtual QWidget *Window() = 0;
    // The explanation dialog's flags, by TExImHelp page: "don't show this again", and for the
    // two merging imports whether they overwrite.
    virtual bool ExImFlag(int Index) const = 0;
    virtual void SetExImFlag(int Index, bool Value) = 0;

    virtual int KnobCount() const = 0;
    virtual bool HasSnapshots() const = 0;
    virtual TChordList &ChordList() = 0;
    // The chords changed (imported): the chord box follows.
    virtual void ChordsChanged() = 0;

    // Export Settings writes the window's values without the devices and the snapshots.
    virtual void WriteSettings(TCustomIniFile &File) = 0;
    // Import Settings: applies what the file holds; the knob preset it names is chosen at once
    // when it is stored here, unless the knobs were changed by hand.
    virtual void ReadSettings(TCustomIniFile &File) = 0;
    virtual int WriteSnapshots(TCustomIniFile &File) = 0;
    virtual int ReadSnapshots(const TCustomIniFile &File) = 0;
    // The stored presets changed (imported): the menu follows, and the knobs of the chosen preset.
    virtual void KnobPresetsChanged() = 0;
};
