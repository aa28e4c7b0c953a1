// SPDX-License-Identifier: MIT
#include "app/ExitSignals.h"

#include "app/TMainForm.h"
#include "platform/Dialogs.h"
#include "platform/SafeReplace.h"

#include <QApplication>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler writes a byte into each: one wakes the event loop, the other
// the watchdog.
int loopPipe[2] = {-1, -1};
int watchdogPipe[2] = {-1, -1};
bool ending = false;
QPointer<TMainForm> exitWindow;

void onExitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t ignored = ::write(loopPipe[0], &byte, 1);
    ignored = ::write(watchdogPipe[0], &byte, 1);
    errno = saved;
}

// The end that a window stuck in a wait it cannot leave (a sound device that
// does not open, a database locked by another program) would otherwise never
// reach. What the window stores before it is kept; a recording's journal
// keeps the rest for the next start.
void watchdog() {
    char byte = 0;
    while (::read(watchdogPipe[1], &byte, 1) < 0 && errno == EINTR) {
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    discardPendingReplacements();
    ::_exit(0);
}

void endOnSignal() {
    char bytes[16];
    while (::read(loopPipe[1], bytes, sizeof bytes) > 0) {
    }
    if (ending)
        return;
    ending = true;
    sendMessagesToStandardError();
    if (exitWindow)
        runGuarded([] { exitWindow->endQuietly(); });
    else
        closeOpenBoxes();
    QCoreApplication::exit(0);
}

void onCommandLineSignal(int signal) {
    discardPendingReplacements();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

void installCommandLineSignals() {
    struct sigaction action {};
    action.sa_handler = onCommandLineSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

void installExitSignals() {
    if (loopPipe[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, loopPipe) != 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, watchdogPipe) != 0)
        return;
    std::thread(watchdog).detach();
    struct sigaction action {};
    action.sa_handler = onExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

// A signal that came before the application object existed waits in the
// pipe: the notifier sees it at the first event the loop handles, a box's
// included.
void installExitHandling(QApplication &app) {
    if (loopPipe[1] < 0)
        return;
    auto *notifier = new QSocketNotifier(loopPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { endOnSignal(); });
}

void setExitWindow(QApplication &app, TMainForm &form) {
    exitWindow = &form;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { runGuarded([&form] { form.saveSession(); }); });
    // Whatever else ends the event loop: the counters still hold time only
    // when no close stored it.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form,
                     [&form] { runGuarded([&form] { form.storeQuietly(); }); });
}

bool exitRequested() {
    return ending;
}
