#pragma once

// The output ports of the zones that play on a synthesizer of their own: one TMidiOutput per
// port name, on the service of the program's output, opened when the port is there, awaited
// while it is not, closed and awaited again when it goes away, and opened again when it comes
// back. On JACK our port to it is "Ondrel:Ondrel 2" (3, ...), beside the program's own output,
// on the same client.
//
// It stands apart from the owner of the program's own devices only until that owner can hold
// further outputs: it then moves there, behind the same interface (zoneoutputs.h).
//
// Threads: a QObject of the UI thread. Word of the service's ports changing comes from the
// service's thread and is posted to the UI thread.

#include "midi/midibackend.h"
#include "midi/zoneoutputs.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

class QTimer;
class TMidiOutput;

class TZonePorts final : public QObject, public TZoneOutputs {
    Q_OBJECT
public:
    explicit TZonePorts(QObject *Parent = nullptr);
    // Closes the ports (their all-notes-off sent).
    ~TZonePorts() override;

    // The service the ports are opened on: that of the program's output. A change closes the
    // ports and opens them anew on it.
    TMidiApi Api() const { return FApi; }
    void SetApi(TMidiApi Api);
    // The ports a zone may play on: those of the service, without our own and the built-in
    // synthesizer (which plays the program's output).
    QStringList Available() const;
    bool IsOpen(const QString &Name) const;
    // Lists the ports again: opens those awaited that are there, closes those gone.
    void Refresh();

    // TZoneOutputs
    void SetPorts(const QStringList &Names) override;
    TMidiSink *Sink(const QString &Name) override;
    void SetSource(const QString &Name, TPeriodSource *Source) override;
    void SetOpenedHandler(std::function<void(const QString &Name)> Handler) override;

Q_SIGNALS:
    // Something the user should know: a port that is not there or went away, or would not open.
    void Notice(const QString &Text);
    // A port opened; for the status bar.
    void TextMessage(const QString &Text);

private:
    struct TPort;
    TPort *Find(const QString &Name) const;
    void Open(TPort &Port);
    void ClosePort(TPort &Port);
    void StartWatch();
    bool Awaiting() const;

    TMidiApi FApi = TMidiApi::maNone;
    std::vector<std::unique_ptr<TPort>> FPorts;
    std::function<void(const QString &)> FOpened;
    MidiBackend::TPortWatch FWatch;
    QTimer *FPoll;
    std::atomic<bool> FRefreshPosted{false};
};
