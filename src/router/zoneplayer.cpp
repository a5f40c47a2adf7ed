#include "router/zoneplayer.h"

#include "midi/midierror.h"
#include "midi/midisink.h"
#include "midi/zoneoutputs.h"
#include "router/midirouter.h"

#include <algorithm>
#include <numeric>

bool TZonePlayer::TZoneRun::AnyDown() const {
    return std::any_of(Down.begin(), Down.end(), [](uint8_t Count) { return Count > 0; });
}

TZonePlayer::TZonePlayer(TKeyboardModel &Keyboard, TMidiRouter &Router, const TMidiClock &Clock)
    : FKeyboard(Keyboard), FRouter(Router), FClock(Clock),
      FMainEngine(std::make_unique<TArpEngine>(&Clock)) {
    for (auto &source : FKeyZone)
        source.fill(-1);
}

TZonePlayer::~TZonePlayer() {
    Hook(false);
    SetOutputs(nullptr);
}

void TZonePlayer::Hook(bool On) {
    if (On == FHooked)
        return;
    // The keys held now were played by the other road: they end by it.
    FKeyboard.ReleaseAll();
    FHooked = On;
    if (On)
        FKeyboard.OnKey = [this](QObject *, int Note, int Velocity, TKeySource Source) {
            Key(Note, Velocity, Source);
        };
    else
        FKeyboard.OnKey = nullptr;
}

// --- Settings of play ----------------------------------------------------------------------------

void TZonePlayer::Apply(const TZoneSet &Zones) {
    if (FHooked)
        FKeyboard.ReleaseAll();
    EndAll();
    FZones = Zones;
    SyncPorts();
    Hook(FZones.Split() || FZones.Latch() || FZones.Arpeggiator());
    Reroute();
    SendPrograms();
    Changed();
}

void TZonePlayer::SetLatch(bool Value) {
    if (Value == FZones.Latch())
        return;
    FZones.SetLatch(Value);
    if (!Value) {
        for (int zone = 0; zone < TZoneSet::MaxZones; ++zone) {
            TZoneRun &run = FRuns[size_t(zone)];
            const std::vector<int> keys = run.Order;
            for (const int key : keys)
                if (run.Down[size_t(key)] == 0)
                    EndKey(zone, key);
        }
    }
    Hook(FZones.Split() || FZones.Latch() || FZones.Arpeggiator());
    Changed();
}

void TZonePlayer::SetArpeggiator(bool Value) {
    if (Value == FZones.Arpeggiator())
        return;
    FZones.SetArpeggiator(Value);
    Hook(FZones.Split() || FZones.Latch() || FZones.Arpeggiator());
    Reroute();
    SyncPortSources();
    Changed();
}

void TZonePlayer::SetOutputs(TZoneOutputs *Outputs) {
    if (Outputs == FOutputs)
        return;
    EndAll();
    for (auto &[port, engine] : FPortEngines) {
        FOutputs->SetSource(port, nullptr);
        for (const TShortMessage &off : engine->Detached())
            SendOff(port, off.Channel(), off.Data1);
    }
    FPortEngines.clear();
    if (FOutputs) {
        FOutputs->SetOpenedHandler(nullptr);
        FOutputs->SetPorts({});
    }
    FOutputs = Outputs;
    if (FOutputs)
        FOutputs->SetOpenedHandler([this](const QString &Port) { PortOpened(Port); });
    SyncPorts();
}

void TZonePlayer::SyncPorts() {
    if (!FOutputs)
        return;
    const QStringList wanted = FZones.Ports();
    for (auto it = FPortEngines.begin(); it != FPortEngines.end();) {
        if (wanted.contains(it->first)) {
            ++it;
            continue;
        }
        FOutputs->SetSource(it->first, nullptr);
        for (const TShortMessage &off : it->second->Detached())
            SendOff(it->first, off.Channel(), off.Data1);
        it = FPortEngines.erase(it);
    }
    FOutputs->SetPorts(wanted);
    for (const QString &port : wanted)
        if (!FPortEngines.count(port))
            FPortEngines.emplace(port, std::make_unique<TArpEngine>(&FClock));
    SyncPortSources();
}

void TZonePlayer::SyncPortSources() {
    if (!FOutputs)
        return;
    for (auto &[port, engine] : FPortEngines) {
        if (FZones.Arpeggiator()) {
            FOutputs->SetSource(port, engine.get());
            continue;
        }
        FOutputs->SetSource(port, nullptr);
        for (const TShortMessage &off : engine->Detached())
            SendOff(port, off.Channel(), off.Data1);
    }
}

void TZonePlayer::MainEngineDetached(TMidiSink *Output) {
    const std::vector<TShortMessage> offs = FMainEngine->Detached();
    if (!Output)
        return;
    try {
        for (const TShortMessage &off : offs)
            Output->Send(off);
    } catch (const EMidiError &Error) {
        if (OnSendFailed)
            OnSendFailed(Error.Message());
    }
}

void TZonePlayer::PortOpened(const QString &Port) {
    if (!FZones.Split())
        return;
    for (int zone = 0; zone < FZones.Count(); ++zone)
        if (FZones.Zone(zone).Port == Port) {
            const TZone &z = FZones.Zone(zone);
            for (const int channel : {z.Channel, z.Layer}) {
                if (channel < 0 || z.Program < 0)
                    continue;
                if (z.Msb >= 0 || z.Lsb >= 0) {
                    Send(Port,
                         TShortMessage::ControlChange(channel, MidiController::BankSelect,
                                                      std::max(z.Msb, 0)),
                         false);
                    Send(Port,
                         TShortMessage::ControlChange(channel, MidiController::BankSelectLsb,
                                                      std::max(z.Lsb, 0)),
                         false);
                }
                Send(Port, TShortMessage::ProgramChange(channel, z.Program), false);
            }
        }
}

void TZonePlayer::SendPrograms() {
    if (!FZones.Split())
        return;
    QStringList done;
    for (int zone = 0; zone < FZones.Count(); ++zone) {
        const QString &port = FZones.Zone(zone).Port;
        if (!done.contains(port)) {
            done << port;
            PortOpened(port);
        }
    }
}

// --- Sending -------------------------------------------------------------------------------------

void TZonePlayer::Send(const QString &Port, const TShortMessage &Message, bool Reflect) {
    TMidiSink *sink = FOutputs && !Port.isEmpty() ? FOutputs->Sink(Port) : nullptr;
    if (!sink) {
        if (Reflect)
            FRouter.Play(Message);
        else
            FRouter.SendOnly(Message);
        return;
    }
    try {
        sink->Send(Message);
    } catch (const EMidiError &Error) {
        if (OnSendFailed)
            OnSendFailed(Error.Message());
    }
}

void TZonePlayer::SendOff(const QString &Port, int Channel, int Note) {
    Send(Port, TShortMessage::NoteOff(Channel, Note), true);
}

// --- Keys ----------------------------------------------------------------------------------------

TChordIntervals TZonePlayer::ChordOf(const TZone &Zone) const {
    if (Zone.Chord.isEmpty())
        return FKeyboard.ChordIntervals();
    if (ChordByName)
        if (const std::optional<TChordIntervals> chord = ChordByName(Zone.Chord))
            return *chord;
    return TChordIntervals{{}, 1};
}

TZone TZonePlayer::ZoneNow(int Index) const {
    return FZones.Playing(Index, FKeyboard.Channel());
}

void TZonePlayer::Key(int Note, int Velocity, TKeySource Source) {
    if (Note < 0 || Note > 127)
        return;
    if (Velocity > 0 && Source != TKeySource::ksAny)
        KeyDown(Note, Velocity, Source);
    else
        KeyUp(Note, Source);
    Changed();
}

void TZonePlayer::Changed() {
    if (OnChanged)
        OnChanged();
}

std::bitset<128> TZonePlayer::LatchedKeys() const {
    std::bitset<128> keys;
    for (const TZoneRun &run : FRuns)
        for (const int key : run.Order)
            if (run.Down[size_t(key)] == 0)
                keys.set(size_t(key));
    return keys;
}

void TZonePlayer::KeyDown(int Key, int Velocity, TKeySource Source) {
    const int zone = FZones.ZoneOf(Key, Source);
    int8_t &held = FKeyZone[size_t(Source)][size_t(Key)];
    if (held >= 0)
        KeyUp(Key, Source); // a press whose release never came
    TZoneRun &run = FRuns[size_t(zone)];
    // With the latch on, a chord begun with no key of the zone held replaces the one it holds.
    if (FZones.Latch() && !run.AnyDown())
        ReleaseZone(zone);
    held = int8_t(zone);
    ++run.Down[size_t(Key)];
    if (run.On.test(size_t(Key)))
        return; // sounding already, latched or held by another hand
    run.On.set(size_t(Key));
    run.Order.push_back(Key);
    run.Velocity[size_t(Key)] = uint8_t(Velocity);
    StartKey(zone, Key);
}

void TZonePlayer::KeyUp(int Key, TKeySource Source) {
    for (int source = 0; source < Sources; ++source) {
        if (Source != TKeySource::ksAny && source != int(Source))
            continue;
        int8_t &held = FKeyZone[size_t(source)][size_t(Key)];
        if (held < 0)
            continue;
        const int zone = held;
        held = -1;
        TZoneRun &run = FRuns[size_t(zone)];
        uint8_t &down = run.Down[size_t(Key)];
        if (down == 0)
            continue;
        --down;
        if (down == 0 && !FZones.Latch())
            EndKey(zone, Key);
    }
}

void TZonePlayer::StartKey(int Zone, int Key) {
    TZoneRun &run = FRuns[size_t(Zone)];
    if (run.Arpeggiated) {
        PublishArps();
        return;
    }
    const TZone zone = ZoneNow(Zone);
    const TZoneNotes notes =
        ZoneNotes(zone, ChordOf(zone), Key, run.Velocity[size_t(Key)], FKeyboard.Transpose());
    std::vector<TSent> &sent = run.Sent[size_t(Key)];
    for (const TZoneNote &note : notes) {
        Send(zone.Port, TShortMessage::NoteOn(note.Channel, note.Note, note.Velocity), true);
        sent.push_back({note.Channel, note.Note});
    }
}

void TZonePlayer::EndKey(int Zone, int Key) {
    TZoneRun &run = FRuns[size_t(Zone)];
    if (!run.On.test(size_t(Key)))
        return;
    run.On.reset(size_t(Key));
    run.Order.erase(std::remove(run.Order.begin(), run.Order.end(), Key), run.Order.end());
    if (run.Arpeggiated) {
        PublishArps();
        return;
    }
    const QString port = ZoneNow(Zone).Port;
    for (const TSent &sent : std::exchange(run.Sent[size_t(Key)], {}))
        SendOff(port, sent.Channel, sent.Note);
}

void TZonePlayer::ReleaseZone(int Zone) {
    TZoneRun &run = FRuns[size_t(Zone)];
    if (run.Order.empty())
        return;
    const QString port = ZoneNow(Zone).Port;
    for (const int key : run.Order)
        for (const TSent &sent : std::exchange(run.Sent[size_t(key)], {}))
            SendOff(port, sent.Channel, sent.Note);
    run.On.reset();
    run.Order.clear();
    if (run.Arpeggiated)
        PublishArps();
}

bool TZonePlayer::Latched(int Zone, int Key) const {
    if (Zone < 0 || Zone >= TZoneSet::MaxZones || Key < 0 || Key > 127)
        return false;
    const TZoneRun &run = FRuns[size_t(Zone)];
    return run.On.test(size_t(Key)) && run.Down[size_t(Key)] == 0;
}

void TZonePlayer::EndAll() {
    for (int zone = 0; zone < TZoneSet::MaxZones; ++zone) {
        ReleaseZone(zone);
        TZoneRun &run = FRuns[size_t(zone)];
        run.Down.fill(0);
    }
    for (auto &source : FKeyZone)
        source.fill(-1);
    PublishArps();
    Changed();
}

void TZonePlayer::Panic() {
    // The router's Panic silences the program's output; the zones' own ports get the same.
    for (TZoneRun &run : FRuns) {
        run.Down.fill(0);
        run.On.reset();
        run.Order.clear();
        for (auto &sent : run.Sent)
            sent.clear();
    }
    for (auto &source : FKeyZone)
        source.fill(-1);
    PublishArps();
    Changed();
    if (!FOutputs)
        return;
    for (const auto &[port, engine] : FPortEngines) {
        for (int channel = 0; channel < MidiChannelCount; ++channel) {
            for (int note = 0; note < MidiNoteCount; ++note)
                Send(port, TShortMessage::NoteOff(channel, note), false);
            Send(port, TShortMessage::ControlChange(channel, MidiController::AllSoundOff, 0),
                 false);
            Send(port, TShortMessage::ControlChange(channel, MidiController::AllNotesOff, 0),
                 false);
            Send(port, TShortMessage::PitchBend(channel, 0), false);
            Send(port,
                 TShortMessage::ControlChange(channel, MidiController::ResetAllControllers, 0),
                 false);
        }
        // A pedal left down there would hold the next notes as well.
        for (int channel = 0; channel < MidiChannelCount; ++channel)
            for (int pedal : {TKeyboardModel::SustainPedal, TKeyboardModel::SostenutoPedal,
                              TKeyboardModel::SoftPedal})
                Send(port, TShortMessage::ControlChange(channel, pedal, 0), false);
    }
}

void TZonePlayer::Reroute() {
    for (int zone = 0; zone < TZoneSet::MaxZones; ++zone) {
        TZoneRun &run = FRuns[size_t(zone)];
        const bool arp = FZones.Arpeggiates(zone);
        if (arp == run.Arpeggiated)
            continue;
        if (arp) {
            // The notes sounding go on as an arpeggio.
            const QString port = ZoneNow(zone).Port;
            for (const int key : run.Order)
                for (const TSent &sent : std::exchange(run.Sent[size_t(key)], {}))
                    SendOff(port, sent.Channel, sent.Note);
            run.Arpeggiated = true;
        } else {
            // An arpeggio's notes are its engine's until their gates end: what it held stops
            // with it, rather than meet its last notes' ends.
            run.Arpeggiated = false;
            run.On.reset();
            run.Order.clear();
        }
    }
    PublishArps();
}

TArpEngine &TZonePlayer::EngineOf(const QString &Port) {
    if (FOutputs && !Port.isEmpty())
        if (const auto it = FPortEngines.find(Port); it != FPortEngines.end())
            return *it->second;
    return *FMainEngine;
}

void TZonePlayer::PublishArps() {
    std::map<TArpEngine *, TArpPlan> plans;
    const auto planOf = [&](TArpEngine &Engine) -> TArpPlan & {
        TArpPlan &plan = plans[&Engine];
        plan.Clock = FZones.Clock();
        plan.BeatsPerMinute = FZones.Tempo();
        return plan;
    };
    planOf(*FMainEngine);
    for (auto &[port, engine] : FPortEngines)
        planOf(*engine);
    for (int index = 0; index < TZoneSet::MaxZones; ++index) {
        TZoneRun &run = FRuns[size_t(index)];
        if (!run.Arpeggiated)
            continue;
        const TZone zone = ZoneNow(index);
        TArpLane &lane = planOf(EngineOf(zone.Port)).Lane[size_t(index)];
        lane.Settings = zone.Arp;
        lane.Settings.On = true;
        lane.Channel = uint8_t(zone.Channel);
        lane.Layer = int8_t(zone.Layer);
        const TChordIntervals chord = ChordOf(zone);
        for (const int key : run.Order)
            for (const TArpNote &note :
                 ZoneChordNotes(zone, chord, key, run.Velocity[size_t(key)], FKeyboard.Transpose()))
                lane.Held.Add(note.Note, note.Velocity);
        const bool held = lane.Held.Count > 0;
        if (held && !run.Held)
            ++run.Chord;
        run.Held = held;
        lane.Chord = run.Chord;
    }
    for (auto &[engine, plan] : plans)
        if (!(engine->Plan().Clock == plan.Clock &&
              engine->Plan().BeatsPerMinute == plan.BeatsPerMinute &&
              std::equal(plan.Lane.begin(), plan.Lane.end(), engine->Plan().Lane.begin(),
                         [](const TArpLane &A, const TArpLane &B) {
                             return A.Settings == B.Settings && A.Channel == B.Channel &&
                                    A.Layer == B.Layer && A.Held == B.Held && A.Chord == B.Chord;
                         })))
            engine->SetPlan(plan);
}

void TZonePlayer::Refresh() {
    PublishArps();
}
