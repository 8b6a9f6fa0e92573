// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/signal_close.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace tumblix {

namespace {
int pipeFds[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the pipe the window thread watches.
void onSignal(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t n = write(pipeFds[1], &byte, 1);
}
}  // namespace

SignalClose::SignalClose(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (pipeFds[0] < 0 && pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (read(pipeFds[0], buffer, sizeof buffer) > 0) {
        }
        if (onSignal_) onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = tumblix::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) sigaction(sig, &action, nullptr);
}

SignalClose::~SignalClose() {
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) std::signal(sig, SIG_DFL);
}

}  // namespace tumblix
