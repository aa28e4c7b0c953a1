#include "app/AppWindows.h"
#include "app/ExitSignals.h"
#include "app/TMainForm.h"
#include "platform/Dialogs.h"
#include "platform/ProgramIcon.h"

#include <QApplication>

int main(int argc, char **argv) {
    installExitSignals();
    QApplication app(argc, argv);
    setApplicationTitle("Timer and Alarm Clock");
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(CHIMERAL_APP_ID));
    QApplication::setWindowIcon(programIcon());
    // The program ends when the main window closes, even while a secondary
    // window is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    installTestMessageLog();
    runGuarded([&] {
        AppWindows windows;
        QObject::connect(windows.mainForm.get(), &TMainForm::closed, &app, &QApplication::quit);
        installExitHandling(app, *windows.mainForm);
        windows.mainForm->show();
        applyTestHooks(*windows.mainForm);
        QApplication::exec();
    });
    return 0;
}
