#pragma once
// The real main window against a JACK server of the test's own: one server and one peer per
// test executable, a fresh settings folder per test function.

#include "jackfixture.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

class QTemporaryDir;
class TMainWindow;

class TMainFixture {
public:
    TMainFixture();
    ~TMainFixture();

    // Starts the server "ondrel-<Tag>-<pid>" and the peer "<Tag>-peer"; false with ErrorText().
    bool Start(const QString &Tag);
    QString ErrorText() const { return FError; }
    void Stop();

    // Every test starts as a first start: an empty settings folder and nothing received.
    void FreshConfig();
    QString ConfigPath() const;

    // A shown, exposed window past its deferred start-up; nullptr when it never appeared or its
    // start-up stopped on a message box.
    std::unique_ptr<TMainWindow> NewWindow();

    // Opens the output "Ondrel" through its Midi Out entry and connects the peer's input to it.
    bool ConnectPeer(TMainWindow &W);

    TJackPeer &Peer() { return *FPeer; }
    // What arrived as hex text, one message per entry ("90 3c 64").
    QStringList Received() const;

    static bool ChooseOutput(TMainWindow &W, const QString &Caption);
    static QStringList Hex(const std::vector<TBytes> &Messages);

    // Message boxes nobody answered within a few seconds, closed so that the test fails on what
    // follows instead of waiting for its timeout; their texts.
    QStringList StrayBoxes() const { return FStrayBoxes; }

private:
    void WatchBoxes();

    TJackServer FServer;
    QTimer FBoxWatch;
    QPointer<QWidget> FOpenBox;
    int FOpenBoxTicks = 0;
    QStringList FStrayBoxes;
    std::unique_ptr<TJackPeer> FPeer;
    std::unique_ptr<QTemporaryDir> FConfig;
    QString FError;
};
