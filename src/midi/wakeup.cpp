#include "midi/wakeup.h"

#include <QMetaObject>
#include <QSocketNotifier>

#if defined(Q_OS_LINUX)
#include <sys/eventfd.h>
#include <unistd.h>
#elif defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdint>

TWakeup::TWakeup(std::function<void()> Handler, QObject *Parent)
    : QObject(Parent), FHandler(std::move(Handler)) {
#if defined(Q_OS_LINUX)
    FReadFd = FWriteFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
#elif defined(Q_OS_UNIX)
    int Fds[2];
    if (pipe(Fds) == 0) {
        for (int Fd : Fds) {
            fcntl(Fd, F_SETFL, fcntl(Fd, F_GETFL) | O_NONBLOCK);
            fcntl(Fd, F_SETFD, FD_CLOEXEC);
        }
        FReadFd = Fds[0];
        FWriteFd = Fds[1];
    }
#endif
    if (FReadFd >= 0) {
        FNotifier = new QSocketNotifier(FReadFd, QSocketNotifier::Read, this);
        connect(FNotifier, &QSocketNotifier::activated, this, &TWakeup::Woken);
    }
}

TWakeup::~TWakeup() {
    delete FNotifier;
#if defined(Q_OS_UNIX)
    if (FReadFd >= 0)
        close(FReadFd);
    if (FWriteFd >= 0 && FWriteFd != FReadFd)
        close(FWriteFd);
#endif
}

void TWakeup::Signal() noexcept {
    if (FPending.exchange(true, std::memory_order_acq_rel))
        return; // a wake-up is on its way already
#if defined(Q_OS_UNIX)
    if (FWriteFd >= 0) {
        const uint64_t One = 1;
        // Non-blocking: a full pipe already holds a wake-up.
        [[maybe_unused]] const auto Written = write(FWriteFd, &One, FWriteFd == FReadFd ? 8 : 1);
        return;
    }
#endif
    // Without an event descriptor (Windows) the service threads are not real-time ones.
    QMetaObject::invokeMethod(this, &TWakeup::Woken, Qt::QueuedConnection);
}

void TWakeup::Woken() {
#if defined(Q_OS_UNIX)
    if (FReadFd >= 0) {
        uint64_t Drain[8];
        while (read(FReadFd, Drain, sizeof Drain) > 0) {
        }
    }
#endif
    // Cleared before the handler runs: what arrives meanwhile wakes the thread again.
    FPending.store(false, std::memory_order_release);
    if (FHandler)
        FHandler();
}
