// SPDX-License-Identifier: MIT
// The program as the fault tests run it: the installed program's whole run,
// with hooks set from the environment of the child process.
// CHIMERAL_TEST_MESSAGES=<file>  message boxes are appended to the file
//                                ("caption|text" lines) instead of shown;
// CHIMERAL_TEST_SECOND_MS=<ms>   the recorder's second lasts that long;
// CHIMERAL_TEST_RECORD=<name>    a recording for the name starts at once;
// CHIMERAL_TEST_MENUS=<file>     the menu bar's titles are written to the
//                                file, one a line, and the window closes.
#include "app/Program.h"
#include "app/TMainForm.h"
#include "platform/Dialogs.h"
#include "platform/IntervalTimer.h"

#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {
const char *setting(const char *name) {
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}
} // namespace

int main(int argc, char **argv) {
    ProgramHooks hooks;
    hooks.beforeWindows = [] {
        if (const char *file = setting("CHIMERAL_TEST_MESSAGES")) {
            const std::string path = file;
            setMessageHandler(
                [path](const std::string &text, const std::string &caption, MessageKind) {
                    std::ofstream(path, std::ios::app) << caption << "|" << text << "\n";
                });
        }
    };
    hooks.windowShown = [](TMainForm &form) {
        if (const char *ms = setting("CHIMERAL_TEST_SECOND_MS"))
            if (auto *timer = form.findChild<IntervalTimer *>("TRTimer"))
                timer->setInterval(static_cast<uint32_t>(std::max(1, std::atoi(ms))));
        if (const char *name = setting("CHIMERAL_TEST_RECORD")) {
            form.showTab("TimeRecord");
            form.findChild<QComboBox *>("ProjectBox")->setEditText(QString::fromUtf8(name));
            form.findChild<QPushButton *>("Button11")->click();
        }
        if (const char *file = setting("CHIMERAL_TEST_MENUS")) {
            std::ofstream titles(file);
            for (const QAction *menu : form.menuBar()->actions())
                titles << menu->text().toStdString() << "\n";
            QMetaObject::invokeMethod(
                &form, [&form] { form.close(); }, Qt::QueuedConnection);
        }
    };
    return runProgram(argc, argv, hooks);
}
