#include "app/AppWindows.h"
#include "app/ProgramIcon.h"
#include "app/RecordCommands.h"
#include "app/TMainForm.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv) {
    // The options that need no window run before there is one.
    QCoreApplication::setApplicationName("chimeral");
    QCoreApplication::setApplicationVersion(VersionText);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    addRecordOptions(parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.process(arguments);
    if (const std::optional<int> code = runRecordCommands(parser))
        return *code;
    QApplication app(argc, argv);
    setApplicationTitle("Timer and Alarm Clock");
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(CHIMERAL_APP_ID));
    QApplication::setWindowIcon(programIcon());
    // The program ends when the main window closes, even while a secondary
    // window is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    runGuarded([&] {
        AppWindows windows;
        QObject::connect(windows.mainForm.get(), &TMainForm::closed, &app, &QApplication::quit);
        windows.mainForm->show();
        QApplication::exec();
    });
    return 0;
}
