#pragma once

// The program's MIDI devices: the output and the input of one MIDI service, and everything
// that is done with them. TMidiDevices opens the device the user chose (closing the one before),
// keeps the device lists current (asked again on Refresh and, on JACK, when ports come and go),
// waits for a chosen device that is not there and opens it once it appears, closes and waits
// for a device whose port went away, closes both when their service goes away and opens them
// again when it is back, switches the service (the devices are made anew inside; whoever holds
// the owner keeps holding it), refuses an input that would loop back with Midi Thru on, and
// loads and saves the choice. It tells the UI what happens through its signals; the device
// menus (midimenu.h) are views of it.
//
// It is the router's output: a TMidiSink that sends on the current output device, whatever
// the service, so that the router is given it once.
//
// Threads: a QObject of the UI thread; every member is called there, and every signal is
// emitted there, from inside the call that causes it (a handler must not destroy the owner).
// Only SendFromCallback is called on the input's service thread (playing through): it runs
// only while an input is open, and the output is made anew only with the input closed. Word
// from the services' own threads (ports changed, a service gone) is posted to the UI thread.

#include "midi/midibackend.h"
#include "midi/midisink.h"
#include "midi/sourcemix.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class QTimer;
class TCustomIniFile;
class TMidiInput;
class TMidiOutput;

class TMidiDevices final : public QObject, public TMidiSink, public TSourceHost {
    Q_OBJECT
public:
    enum class TSide : uint8_t { Output, Input };
    Q_ENUM(TSide)

    static constexpr int NoDevice = 30000;
    static constexpr int MidiMapper = -1;
    // The section of the settings store, and the value kept while no device is chosen.
    static const QString Section;   // "MidiDevices"
    static const QString NoneValue; // "(none)"

    struct TDevice {
        int Id = NoDevice;
        QString Name;
        bool operator==(const TDevice &) const = default;
    };
    // Devices chosen by name for one start, in place of the stored choice; empty: the stored.
    struct TChoice {
        QString Output;
        QString Input;
    };

    // Api: the service to use; maAuto takes the first that starts.
    explicit TMidiDevices(TMidiApi Api = TMidiApi::maAuto, QObject *Parent = nullptr);
    // Closes both devices without a word: nothing is told while the owner goes.
    ~TMidiDevices() override;
    TMidiDevices(const TMidiDevices &) = delete;
    TMidiDevices &operator=(const TMidiDevices &) = delete;

    // --- The service ----------------------------------------------------------------------------
    // The service asked for (kept in the store) and the one in use (maNone without any).
    TMidiApi RequestedApi() const { return FRequested; }
    TMidiApi Api() const;
    // Whether the service answered when its ports were last listed.
    bool ServiceStarted() const;
    // Closes both devices, makes them anew on Api and opens again what was chosen (or waits for
    // it, saying so). Nothing happens when Api is the service in use.
    void SetService(TMidiApi Api);
    // "ALSA", "JACK", ...: the service's name for the user.
    static QString ServiceName(TMidiApi Api);

    // --- The lists ------------------------------------------------------------------------------
    // The devices to choose from, in order: for the output the Midi-Mapper first, then our own
    // port (where the service has one) and the service's ports; for the input the service's
    // ports. Our own ports are never among them.
    QList<TDevice> Devices(TSide Side) const;
    // Lists the ports again: a device whose port went away is closed and waited for, an
    // awaited device that is listed now opens, a loop back to the input (with Midi Thru on)
    // closes it. ListsChanged when the lists changed. The open devices stay open.
    void Refresh();

    // --- The devices ----------------------------------------------------------------------------
    bool IsOpen(TSide Side) const;
    // The open device's id and name; NoDevice and empty while closed.
    int DeviceID(TSide Side) const;
    QString DeviceName(TSide Side) const;
    // The device waited for (its port or its service is not there); empty when none is.
    QString Awaited(TSide Side) const;

    // The user's choice: ends a wait, closes the open device and opens Device ("Invalid Device
    // ID ?!" when there is no such device, "<name> could not be opened." when it stays closed,
    // else the device's own error: said through Error, and the device is left closed). Nothing
    // happens when Device is open already. True when it is open afterwards.
    bool Open(TSide Side, int Device);
    // Opens the first device whose name matches Name (see NameKey); false when none is listed.
    bool OpenByName(TSide Side, const QString &Name);
    // The user's choice of no device: ends a wait and closes (a failure said through Error).
    void Close(TSide Side);

    // The form in which device names are compared: lower case, without blanks, and without the
    // trailing client:port numbers of ALSA sequencer port names ("Synth 128:0"), which change
    // from one session to the next.
    static QString NameKey(const QString &Name);
    // "Midi Out" or "Midi In": the menu's name, in what the owner tells.
    static QString Title(TSide Side);

    // --- The input ------------------------------------------------------------------------------
    // Whether active sensing and timing clock pass the input; takes effect at once, kept across
    // a change of service.
    bool ActiveSensing() const { return FActiveSensing; }
    void SetActiveSensing(bool Value);
    bool TimingClock() const { return FTimingClock; }
    void SetTimingClock(bool Value);
    // Midi Thru: while on, an input that gets straight back what the program sends is refused
    // (and closed when such a connection is made later): it would play for ever.
    bool Thru() const { return FThru; }
    void SetThru(bool Value);
    // Set on every input the owner opens; it must outlive the owner. Null for none.
    void SetThruHook(TMidiThruHook *Hook);

    // --- Settings -------------------------------------------------------------------------------
    // With nothing stored yet, Load opens the Midi-Mapper and the first input device.
    bool DefaultMidiMapper() const { return FDefaultMidiMapper; }
    void SetDefaultMidiMapper(bool Value) { FDefaultMidiMapper = Value; }
    // The service kept in Store (maAuto when none is, or the store cannot be read).
    static TMidiApi StoredApi(const TCustomIniFile &Store);
    // Opens the devices stored in section Section ("MidiOut", "MidiIn"; or those Given): the
    // first listed device whose name matches, nothing for "(none)", the Midi-Mapper and the
    // first input when nothing is stored and DefaultMidiMapper is on. A device that is not
    // listed is waited for (Notice says so). Also the input's ActiveSensing and TimingClock and
    // the built-in synthesizer's settings. Open errors go to Error; store errors are dropped.
    void Load(const TCustomIniFile &Store, const TChoice &Given = {});
    // Writes the open devices' names (or those waited for, or "(none)"), ActiveSensing,
    // TimingClock, the service asked for unless it is the automatic choice, and the built-in
    // synthesizer's settings.
    void Save(TCustomIniFile &Store) const;

    // --- TMidiSink: sends on the output device --------------------------------------------------
    void Send(const TShortMessage &Message) override;
    bool SendFromCallback(const uint8_t *Data, size_t Size, uint32_t Frame) noexcept override;
    bool ServiceAlive() const override;

    // --- TSourceHost: kept for every output device, whatever the service
    // --------------------------
    bool AddSource(TPeriodSource *Source) override;
    void RemoveSource(TPeriodSource *Source) override;
    void SetCapture(TCaptureTap *Tap) override;
    bool OutputOpen() const override { return IsOpen(TSide::Output); }

Q_SIGNALS:
    // A device was opened; it is about to close (still open: last messages can go); it closed
    // (also after a failing close).
    void OutputOpened(const QString &Name);
    void OutputClosing(const QString &Name);
    void OutputClosed(const QString &Name);
    void InputOpened(const QString &Name);
    void InputClosing(const QString &Name);
    void InputClosed(const QString &Name);
    // What is open, or waited for, on Side may have changed: for views.
    void DeviceChanged(TMidiDevices::TSide Side);
    // The device lists changed (ports came or went, another service).
    void ListsChanged();
    // The devices are on another service now.
    void ServiceChanged(TMidiApi Api);
    // Around the time a device of Side takes to open or close (the busy cursor).
    void Busy(TMidiDevices::TSide Side, bool On);
    // Progress: "Opened <name> successfully.", "Closing <name> ...", "Closed ...".
    void TextMessage(const QString &Text);
    // What the user must not miss: a chosen device that is not there or went away, a service
    // that went away or does not run.
    void Notice(const QString &Text);
    // An open or close failed, or the input was refused; Text says why.
    void Error(const QString &Text);
    // Events wait at the input: the handler takes them all (TMidiInput::TakeEvent).
    void InputWaiting(TMidiInput &Input);
    // An incoming message was lost: the input's buffer was full.
    void InputOverflowed(TMidiInput &Input);

private:
    class TBusy;
    static constexpr size_t Sides = 2;
    static size_t Index(TSide Side) { return size_t(Side); }

    void CreateDevices(TMidiApi Api);
    // The device steps; these raise.
    void OpenDevice(TSide Side, int Device);
    void CloseDevice(TSide Side);
    void Select(TSide Side, int Device);
    // Close with errors said through Error; true when the device was open.
    bool CloseReporting(TSide Side);
    // Opens the device named Name as Load does: nothing for "(none)", a notice for one of our
    // own ports, and a wait (with a notice) for one that is not listed.
    void Choose(TSide Side, const QString &Name);
    int Find(TSide Side, const QString &Name) const;
    bool Relist(TSide Side);
    bool PortGone(TSide Side) const;
    void Await(TSide Side, const QString &Name);
    void EndWait(TSide Side);
    void OpenAwaited(TSide Side);
    // The text telling of a loop back from our output to the open input, empty when there is
    // none (or Midi Thru is off).
    QString Feedback() const;
    void CheckFeedback();
    void StartWatch();
    void Poll();
    void WatchService();
    // The service Api went away: both devices on it are closed (their notes let go) and waited
    // for, and the user told.
    void ServiceLost(TMidiApi Api, const QString &Reason);
    bool IsBusy() const;
    // Refresh's work; true when the lists changed.
    bool Update();
    // Word of a change has settled: the lists are asked, again a little later while the change
    // does not show yet.
    void Settled();

    TMidiApi FRequested = TMidiApi::maAuto;
    std::unique_ptr<TMidiOutput> FOutput;
    std::unique_ptr<TMidiInput> FInput;
    // The output as SendFromCallback sees it.
    std::atomic<TMidiOutput *> FCallbackOutput{nullptr};
    std::array<QString, Sides> FAwaited;
    std::array<int, Sides> FBusy{};
    bool FActiveSensing = false;
    bool FTimingClock = false;
    bool FThru = false;
    TMidiThruHook *FThruHook = nullptr;
    std::vector<TPeriodSource *> FSources;
    TCaptureTap *FCapture = nullptr;
    bool FDefaultMidiMapper = false;
    bool FLosing = false;
    // Word of port changes (JACK); asking again while waiting where there is none.
    MidiBackend::TPortWatch FWatch;
    std::atomic<bool> FRefreshPosted{false};
    QTimer *FPoll = nullptr;
    QTimer *FSettle = nullptr; // from word of a change to the refresh
    int FSettleTries = 0;
};
