// SPDX-License-Identifier: MIT
#include "app/ending_signals.h"

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace app {
namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may call next to nothing of Qt: it writes a byte, and the event loop,
// which watches the other end, does the rest.
int gSignalled[2] = {-1, -1};

void WriteSignalled(int) {
    const int saved = errno;
    const char byte = 1;
    // A full socket already has a byte waiting to be read: this one is not missed.
    [[maybe_unused]] const ssize_t written = write(gSignalled[1], &byte, 1);
    errno = saved;
}

} // namespace

EndingSignals::EndingSignals() {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, gSignalled) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(gSignalled[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] {
        char byte = 0;
        while (read(gSignalled[0], &byte, 1) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction ending {};
    ending.sa_handler = WriteSignalled;
    sigemptyset(&ending.sa_mask);
    ending.sa_flags = SA_RESTART;
    for (const int number : kEndingSignals) {
        struct sigaction before {};
        if (sigaction(number, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(number, &ending, nullptr);
    }
}

EndingSignals::~EndingSignals() {
    if (!notifier_)
        return;
    for (const int number : kEndingSignals) {
        struct sigaction before {};
        if (sigaction(number, nullptr, &before) == 0 && before.sa_handler == WriteSignalled)
            signal(number, SIG_DFL);
    }
    notifier_.reset();
    close(gSignalled[0]);
    close(gSignalled[1]);
}

} // namespace app
