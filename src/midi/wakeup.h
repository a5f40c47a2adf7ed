#pragma once

// The one way a real-time thread tells the UI thread that something waits for it: Signal sets a
// flag and, when it was not set yet, writes to a non-blocking event descriptor that a socket
// notifier of the UI thread reads. Any number of signals before the UI thread runs make one
// call of the handler: no allocation, no lock, no event posted per signal.
//
// Threads: made, handled and destroyed on the UI thread (it must run a Qt event loop); Signal
// from any thread, as long as the wake-up lives.

#include <QObject>

#include <atomic>
#include <functional>

class QSocketNotifier;

class TWakeup : public QObject {
public:
    explicit TWakeup(std::function<void()> Handler, QObject *Parent = nullptr);
    ~TWakeup() override;
    TWakeup(const TWakeup &) = delete;
    TWakeup &operator=(const TWakeup &) = delete;

    // Any thread; never blocks.
    void Signal() noexcept;

private:
    void Woken();

    std::function<void()> FHandler;
    std::atomic<bool> FPending{false};
    int FReadFd = -1;
    int FWriteFd = -1;
    QSocketNotifier *FNotifier = nullptr;
};
