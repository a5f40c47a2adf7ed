#pragma once

// The "Zones and Arpeggiator" dialog: where the keyboard splits and what each zone plays (its
// channel and layer, octave and transposition, program and bank, chord, velocity, an output port
// of its own and its arpeggiator), the latch, and the arpeggiators' clock and tempo. It edits a
// copy of the zones and hands it back on Apply and OK. Deletes itself when closed.

#include "router/zones.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QSpinBox;
class QTabWidget;

class TZoneForm : public QDialog {
    Q_OBJECT
public:
    // Chords: the chord box's chords by name; Ports: the output ports a zone may play on;
    // NoteName: how the keyboard names a note.
    TZoneForm(const TZoneSet &Zones, const QStringList &Chords, const QStringList &Ports,
              std::function<QString(int Note)> NoteName, QWidget *Owner = nullptr);

    // The zones as the dialog shows them now.
    TZoneSet Zones() const;
    // Shows Zones (the split changed meanwhile by a click on the keyboard, say).
    void SetZones(const TZoneSet &Zones);
    // Apply and OK hand the zones back.
    std::function<void(const TZoneSet &Zones)> OnApply;

    // The controls, for tests.
    QCheckBox *SplitCheck;
    QSpinBox *ZoneCountBox;
    std::array<QSpinBox *, TZoneSet::MaxSplits> SplitBoxes{};
    QCheckBox *LatchCheck;
    QCheckBox *ArpeggiatorCheck;
    QComboBox *ClockBox;
    QSpinBox *TempoBox;
    QTabWidget *ZoneTabs;
    struct TZonePage {
        QSpinBox *Channel;
        QComboBox *Layer;
        QSpinBox *Octave;
        QSpinBox *Transpose;
        QSpinBox *Program;
        QSpinBox *Msb;
        QSpinBox *Lsb;
        QComboBox *Chord;
        QSpinBox *Velocity;
        QComboBox *Port;
        QGroupBox *Arp;
        QComboBox *Mode;
        QComboBox *Rate;
        QSpinBox *Gate;
        QSpinBox *Swing;
        QSpinBox *Octaves;
    };
    std::array<TZonePage, TZoneSet::MaxZones> Pages{};
    QDialogButtonBox *Buttons;

private:
    QWidget *BuildPage(int Zone, const QStringList &Chords, const QStringList &Ports);
    void ShowZone(int Zone, const TZone &Value);
    TZone ReadZone(int Zone) const;
    void UpdateEnabled();
    void Apply();

    std::function<QString(int)> FNoteName;
    // What the dialog does not edit (the ports a zone had that are not listed, say) stays.
    TZoneSet FZones;
};
