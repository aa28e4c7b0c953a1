// SPDX-License-Identifier: MIT
#include "app/ExitSignals.h"

#include "app/TMainForm.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onExitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[0], &byte, 1);
    errno = saved;
}

} // namespace

void installExitSignals() {
    if (signalPipe[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = onExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

void installExitHandling(QApplication &app, TMainForm &form) {
    // A signal that came during start-up waits in the pipe until the event
    // loop runs.
    if (signalPipe[1] >= 0) {
        auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &form);
        QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
            char bytes[16];
            while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
            }
            runGuarded([&form] { form.endQuietly(); });
        });
    }
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { runGuarded([&form] { form.saveSession(); }); });
    // Whatever else ends the event loop: the counters still hold time only
    // when no close stored it.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form,
                     [&form] { runGuarded([&form] { form.storeQuietly(); }); });
}
