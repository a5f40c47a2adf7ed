#pragma once

// Output ports beside the program's own output, each chosen by its port name and kept open as
// the program's output is: awaited while it is not there, opened again when it comes back. The
// zones of the keyboard that play on a synthesizer of their own reach it through this, each port
// with the period source of their arpeggiators.
//
// Threads: the UI thread.

#include <QString>
#include <QStringList>

#include <functional>

class TMidiSink;
class TPeriodSource;

class TZoneOutputs {
public:
    // Opens (or awaits) the ports named and closes the others (their all-notes-off sent).
    virtual void SetPorts(const QStringList &Names) = 0;
    // Where messages for port Name go, open or not (a closed port drops them); null when the
    // port is not among those set.
    virtual TMidiSink *Sink(const QString &Name) = 0;
    // What plays on port Name's own thread, kept while the port closes and opens again; returns
    // once the port's thread no longer uses the previous source. Null for nothing.
    virtual void SetSource(const QString &Name, TPeriodSource *Source) = 0;
    // Called when port Name has opened (again): what a port needs at its start is sent anew.
    virtual void SetOpenedHandler(std::function<void(const QString &Name)> Handler) = 0;

protected:
    ~TZoneOutputs() = default;
};
