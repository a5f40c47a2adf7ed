#pragma once

// What the keys play while zones are in play (a split, the latch or the arpeggiator on): each
// key the keyboard plays goes to its zone, which sounds its notes on its channels and port, keeps
// them while the latch holds them, or hands them to its arpeggiator. Everything it starts it also
// ends: a key's release ends exactly the notes its press sent, and Panic, a change of zones and
// the closing of a device leave nothing sounding.
//
// While no zone is in play the keyboard plays as it always has: the player is not even asked.
//
// Threads: the UI thread; the arpeggiators it feeds play on the outputs' threads (arpengine.h).

#include "core/keyboardmodel.h"
#include "router/arpengine.h"
#include "router/zones.h"

#include <QString>

#include <array>
#include <bitset>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class TMidiClock;
class TMidiRouter;
class TMidiSink;
class TZoneOutputs;

class TZonePlayer {
public:
    // Sends through Router (the program's output); its arpeggiators follow Clock.
    TZonePlayer(TKeyboardModel &Keyboard, TMidiRouter &Router, const TMidiClock &Clock);
    ~TZonePlayer();
    TZonePlayer(const TZonePlayer &) = delete;
    TZonePlayer &operator=(const TZonePlayer &) = delete;

    const TZoneSet &Zones() const { return FZones; }
    // New zones: what sounds ends first (the keys let go, latched notes and arpeggios), then the
    // new zones play and their programs are sent.
    void Apply(const TZoneSet &Zones);
    // Latch off lets go of the notes only the latch held; on, the keys held now stay when let go.
    void SetLatch(bool Value);
    // The arpeggiators' master switch; what sounds goes on, arpeggiated or not.
    void SetArpeggiator(bool Value);
    // Whether the keys play through the zones now.
    bool InPlay() const { return FHooked; }

    // The chord a zone's chord name stands for; unassigned, or none for the name: the root alone.
    std::function<std::optional<TChordIntervals>(const QString &Name)> ChordByName;
    // A message a port of a zone refused; the text says why.
    std::function<void(const QString &Text)> OnSendFailed;
    // What the zones hold may have changed (a key, the latch, the zones): for the display.
    std::function<void()> OnChanged;

    // Where the zones with ports of their own play; null (the default) plays them on the
    // program's output. It must outlive the player, or be set to null before it goes.
    void SetOutputs(TZoneOutputs *Outputs);
    // The period source of the arpeggiators on the program's own output. It needs to be on the
    // output only while the arpeggiator is on.
    TArpEngine &MainEngine() { return *FMainEngine; }
    // After MainEngine was taken off its output: the notes it still owes end, on Output.
    void MainEngineDetached(TMidiSink *Output);
    // A port of a zone opened (again): its zones' programs go there.
    void PortOpened(const QString &Port);

    // Each zone's bank select and program change, on its channels and port (while split).
    void SendPrograms();
    // Everything let go at once; the zones' own ports get Panic's messages too (the program's
    // output gets them from the router).
    void Panic();
    // Everything that sounds ends, its note offs sent: the latched notes, the arpeggios and the
    // notes of keys still held (whose releases then send nothing).
    void EndAll();
    // The keyboard's channel, chord or transposition changed: the arpeggios take it on.
    void Refresh();

    // The keyboard's key play, while in play: Velocity 0 lets go (from every source for ksAny).
    void Key(int Note, int Velocity, TKeySource Source);
    // Whether a zone holds a note that sounds after its key was let go.
    bool Latched(int Zone, int Key) const;
    // The keys the latch holds, in any zone.
    std::bitset<128> LatchedKeys() const;

private:
    struct TSent {
        uint8_t Channel;
        uint8_t Note;
    };
    struct TZoneRun {
        std::array<uint8_t, 128> Down{};          // presses per key
        std::array<uint8_t, 128> Velocity{};      // as struck
        std::bitset<128> On;                      // keys sounding, held or latched
        std::vector<int> Order;                   // those keys in the order played
        std::array<std::vector<TSent>, 128> Sent; // what each key sent, played directly
        bool Arpeggiated = false;                 // On goes to the arpeggiator
        uint32_t Chord = 0;                       // chords begun from nothing (for the arpeggiator)
        bool Held = false;                        // the arpeggiator was given notes last time
        bool AnyDown() const;
    };
    static constexpr int Sources = 3;

    void Hook(bool On);
    void Changed();
    void KeyDown(int Key, int Velocity, TKeySource Source);
    void KeyUp(int Key, TKeySource Source);
    void StartKey(int Zone, int Key);
    void EndKey(int Zone, int Key);
    void ReleaseZone(int Zone);
    // The runs take the zones' current routes: an arpeggiated zone's notes go to its
    // arpeggiator, the others sound directly.
    void Reroute();
    void PublishArps();
    void SyncPorts();
    // The ports' arpeggiators are on their ports only while the arpeggiator is on: a port
    // that steps a source wakes every millisecond on some services.
    void SyncPortSources();
    TChordIntervals ChordOf(const TZone &Zone) const;
    TZone ZoneNow(int Index) const;
    TArpEngine &EngineOf(const QString &Port);
    // Sends on the zone's way: the program's output through the router (reflected when
    // Reflect), else the zone's port.
    void Send(const QString &Port, const TShortMessage &Message, bool Reflect);
    void SendOff(const QString &Port, int Channel, int Note);

    TKeyboardModel &FKeyboard;
    TMidiRouter &FRouter;
    const TMidiClock &FClock;
    TZoneSet FZones;
    bool FHooked = false;
    std::array<TZoneRun, TZoneSet::MaxZones> FRuns;
    // Per source, the zone each held key went to (-1: none); its release goes there.
    std::array<std::array<int8_t, 128>, Sources> FKeyZone;
    TZoneOutputs *FOutputs = nullptr;
    std::unique_ptr<TArpEngine> FMainEngine;
    std::map<QString, std::unique_ptr<TArpEngine>> FPortEngines;
};
