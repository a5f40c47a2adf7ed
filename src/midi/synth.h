#pragma once

// Ondrel's built-in General MIDI synthesizer, the Midi-Mapper (output device -1): FluidSynth
// with a General MIDI SoundFont, playing through FluidSynth's own audio driver. synth.cpp is the
// one file that includes fluidsynth.h.
//
// Threads: a TSynth is made and destroyed on one thread (the UI thread). With an audio driver it
// renders on the driver's thread, which alone calls into FluidSynth: messages reach it through a
// lock-free queue that the driver's callback empties before each block, from the UI thread
// (Send) and from one other thread, an input's thread playing through (SendFromCallback), which
// never waits. Without an audio driver, Send and Render run on the caller's thread.

#include "midi/midibackend.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class TCustomIniFile;
class TPeriodSource;
class TCaptureTap;

// How the Midi-Mapper's synthesizer is set up. One set for the process, kept by the UI thread.
struct TSynthSettings {
    // A SoundFont file (.sf2 or .sf3) the user chose; empty: the usual folders are searched.
    QString SoundFont;
    // FluidSynth audio drivers tried in turn; empty: chosen by the MIDI service (AudioDrivers).
    QStringList AudioDrivers;
    // Where the "file" driver writes: raw 32-bit float samples, left and right interleaved.
    QString AudioFileName;
    // Asked of the audio output; the JACK driver takes the server's rate instead.
    double SampleRate = 48000;
    float Gain = 0.5f;
};

class TSynth {
public:
    // Loads the SoundFont and starts the first of Drivers that opens; with no Drivers the synth
    // runs without audio output and is rendered by Render(). Throws EMidiOutputError with a text
    // that names what is missing (the SoundFont, or an audio output).
    TSynth(const TSynthSettings &Settings, const QStringList &Drivers);
    // Fades out what still sounds, then stops the audio driver.
    ~TSynth();
    TSynth(const TSynth &) = delete;
    TSynth &operator=(const TSynth &) = delete;

    // One MIDI message: channel messages take effect, anything else is ignored. With an audio
    // driver it waits while the queue is full (at most a second, then throws EMidiOutputError).
    void Send(const uint8_t *Data, size_t Size);
    // From a thread of its own, never waiting: false when the queue was full (the message is
    // lost) or there is no audio driver to take it.
    bool SendFromCallback(const uint8_t *Data, size_t Size) noexcept;
    // Renders Frames frames (only without an audio driver).
    void Render(float *Left, float *Right, int Frames);
    // What plays at exact frames of the audio blocks, and who hears every message as the
    // synthesizer takes it; null for none. Each returns once the audio thread no longer uses
    // the previous one (at once without an audio driver, where Render plays the source).
    void SetSource(TPeriodSource *Source);
    void SetCapture(TCaptureTap *Tap);

    QString SoundFont() const;
    // The audio driver that opened; empty when rendered by Render().
    QString AudioDriver() const;
    double SampleRate() const;
    int ActiveVoices() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> F;
};

namespace Synth {

// The settings the Midi-Mapper uses on its next open.
TSynthSettings &Settings();

// The SoundFont chosen by the user, kept as the value "SoundFont" in Section of the settings
// store, beside the chosen devices. Load it before the device menus load (they may open the
// Midi-Mapper). Load keeps the current choice when the store holds none or cannot be read;
// Save deletes the value when no SoundFont is chosen. Store errors are swallowed.
extern const QString SoundFontValue; // "SoundFont"
void LoadSettings(const TCustomIniFile &Store, const QString &Section);
void SaveSettings(TCustomIniFile &Store, const QString &Section);

// The audio drivers tried for a MIDI service: JACK first when the MIDI service is JACK (its
// server runs), then the desktop's sound server (PipeWire, PulseAudio), then ALSA. Drivers not
// compiled into FluidSynth are left out.
QStringList AudioDrivers(TMidiApi Api);

// The Midi-Mapper: a synthesizer behind the output port interface, set up by Settings().
// Throws EMidiOutputError "Midi-Mapper could not be opened. " followed by the reason.
// Playing through JACK, the port tells when the server went away as OpenOutPort does
// (OnServiceGone on JACK's thread, ServiceAlive false).
std::unique_ptr<MidiBackend::TOutPort> OpenMidiMapper(TMidiApi Api,
                                                      std::function<void()> OnServiceGone = {});

} // namespace Synth
