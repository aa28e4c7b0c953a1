// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "app/AppWindows.h"
#include "app/CommandLine.h"
#include "app/ExitSignals.h"
#include "app/SingleInstance.h"
#include "app/TMainForm.h"
#include "app/Translations.h"
#include "platform/Dialogs.h"
#include "platform/ProgramIcon.h"
#include "projects/RecordCommands.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// Qt ends the process with a fatal message of its own when no platform can
// be started, as without any display: that is said in one line instead, with
// an exit status of 1. The platform's warnings on the way say the same at
// length and are left out; only the application object's construction is
// watched.
QtMessageHandler QtHandler = nullptr;
// Translated before the application object is made, while no half-made one
// is asked for the language.
QByteArray NoDisplayText;

void watchStart(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayText.constData(), stderr);
        std::_Exit(1);
    }
    if (context.category && QLatin1String(context.category).startsWith(QLatin1String("qt.qpa")))
        return;
    if (QtHandler)
        QtHandler(type, context, message);
}
} // namespace

int runProgram(int argc, char **argv, const ProgramHooks &hooks) {
    loadTranslations();
    // Answered before the application object exists: no display is needed.
    setWindowlessCommands({addRecordOptions, runRecordCommands});
    installCommandLineSignals();
    WindowRequest request;
    if (const std::optional<int> exitCode =
            readCommandLine(commandLineArguments(argc, argv), request))
        return *exitCode;
    installExitSignals();

    // One window per folder: a window already running here takes the request.
    // Asked before the application object exists, so that a start without a
    // display can still hand its request over. The folders by their bytes:
    // "." is the current folder as the system names it.
    SingleInstance instance(
        SingleInstance::serverName(".", QByteArray::fromStdString(TMainForm::configFolder())));
    switch (instance.handOver(requestArguments(request))) {
    case SingleInstance::HandOver::Taken:
        return 0;
    case SingleInstance::HandOver::NoAnswer:
        std::fprintf(stderr, "chimeral: %s\n",
                     Translations::translate(
                         "Program", "the window already running in this folder does not answer")
                         .toUtf8()
                         .constData());
        return 1;
    case SingleInstance::HandOver::NoneRunning:
        break;
    }
    // Without a window there is no countdown to pause, resume or cancel.
    if (request.controlsOnly())
        return 0;

    NoDisplayText =
        "chimeral: " +
        Translations::translate("Program", "no display to show the window on").toUtf8() + "\n";
    QtHandler = qInstallMessageHandler(watchStart);
    QApplication app(argc, argv);
    qInstallMessageHandler(QtHandler);
    installExitHandling(app);
    setApplicationTitle(
        QCoreApplication::translate("Program", "Timer and Alarm Clock").toStdString());
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(CHIMERAL_APP_ID));

    instance.listen();

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
