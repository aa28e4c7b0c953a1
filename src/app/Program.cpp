// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "app/AppWindows.h"
#include "app/CommandLine.h"
#include "app/ExitSignals.h"
#include "app/SingleInstance.h"
#include "app/TMainForm.h"
#include "platform/Dialogs.h"
#include "platform/ProgramIcon.h"
#include "projects/RecordCommands.h"

#include <QApplication>

#include <cstdio>

int runProgram(int argc, char **argv, const ProgramHooks &hooks) {
    // Answered before the application object exists: no display is needed.
    setWindowlessCommands({addRecordOptions, runRecordCommands});
    installCommandLineSignals();
    WindowRequest request;
    if (const std::optional<int> exitCode =
            readCommandLine(commandLineArguments(argc, argv), request))
        return *exitCode;
    installExitSignals();

    QApplication app(argc, argv);
    installExitHandling(app);
    setApplicationTitle("Timer and Alarm Clock");
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(CHIMERAL_APP_ID));

    // One window per folder: a window already running here takes the request.
    // The folders by their bytes: "." is the current folder as the system names it.
    SingleInstance instance(
        SingleInstance::serverName(".", QByteArray::fromStdString(TMainForm::configFolder())));
    switch (instance.handOver(requestArguments(request))) {
    case SingleInstance::HandOver::Taken:
        return 0;
    case SingleInstance::HandOver::NoAnswer:
        std::fputs("chimeral: the window already running in this folder does not answer\n", stderr);
        return 1;
    case SingleInstance::HandOver::NoneRunning:
        instance.listen();
        break;
    }

    QApplication::setWindowIcon(programIcon());
    // The program ends when the main window closes, even while a secondary
    // window is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    if (hooks.beforeWindows)
        hooks.beforeWindows();
    runGuarded([&] {
        AppWindows windows;
        TMainForm &form = *windows.mainForm;
        QObject::connect(&form, &TMainForm::closed, &app, &QApplication::quit);
        setExitWindow(app, form);
        // A signal during the start-up's boxes ends the start-up there.
        if (exitRequested()) {
            form.endQuietly();
            return;
        }
        form.show();
        if (hooks.windowShown)
            hooks.windowShown(form);
        carryOut(form, request);
        takeLaterStarts(instance, form);
        if (!exitRequested())
            QApplication::exec();
    });
    return 0;
}
