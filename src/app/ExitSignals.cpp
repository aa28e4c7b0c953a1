// SPDX-License-Identifier: MIT
#include "app/ExitSignals.h"

#include "app/TMainForm.h"
#include "platform/Dialogs.h"
#include "ui_TMainForm.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>

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

const char *testSetting(const char *name) {
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
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
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager &) {
        runGuarded([&form] {
            if (form.Recording)
                form.journalRecording();
        });
    });
    // Whatever else ends the event loop: the counters still hold time only
    // when no close stored it.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, [&form] {
        runGuarded([&form] {
            form.QuietStore = true;
            if (!form.StoreKept && (form.TRHours || form.TRMinutes || form.TRSeconds))
                form.RecordTime();
        });
    });
}

void installTestMessageLog() {
    if (const char *file = testSetting("CHIMERAL_TEST_MESSAGES")) {
        const std::string path = file;
        setMessageHandler([path](const std::string &text, const std::string &caption, MessageKind) {
            std::ofstream(path, std::ios::app) << caption << "|" << text << "\n";
        });
    }
}

void applyTestHooks(TMainForm &form) {
    if (const char *ms = testSetting("CHIMERAL_TEST_SECOND_MS"))
        form.TRTimer.setInterval(static_cast<uint32_t>(std::max(1, std::atoi(ms))));
    if (const char *name = testSetting("CHIMERAL_TEST_RECORD")) {
        form.ui->ProjectBox->setEditText(QString::fromUtf8(name));
        form.ui->Button11->click();
    }
}
