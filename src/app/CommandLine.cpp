// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/AppWindows.h"
#include "app/SingleInstance.h"
#include "app/TMainForm.h"
#include "timers/AlarmRules.h"
#include "timers/CountdownRules.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {
WindowlessCommands Windowless;

const QString CountdownOption = QStringLiteral("countdown");
const QString AlarmOption = QStringLiteral("alarm");
const QString TabOption = QStringLiteral("tab");

const struct {
    const char *option;
    CountdownControl control;
} Controls[] = {{"pause", CountdownControl::Pause},
                {"resume", CountdownControl::Resume},
                {"cancel", CountdownControl::Cancel}};

// Tab names as typed on the command line (lower case, without blanks and
// dashes), the name the request keeps, and the page it shows.
struct TabName {
    const char *typed;
    const char *name;
    const char *page;
};
const TabName TabNames[] = {
    {"timer", "timer", "TabSheet1"},         {"alarm", "alarm", "TabSheet2"},
    {"stopwatch", "stopwatch", "TabSheet3"}, {"record", "record", "TimeRecord"},
    {"timerecord", "record", "TimeRecord"},  {"clock", "clock", "TabSheet4"}};

const TabName *findTab(const QString &typed) {
    QString key = typed.toLower();
    key.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    for (const TabName &tab : TabNames)
        if (key == QLatin1String(tab.typed))
            return &tab;
    return nullptr;
}

// Qt's own options, which the application object takes out of the arguments
// itself: accepted here and otherwise left alone.
void acceptQtOptions(QCommandLineParser &parser) {
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int mistake(const QString &text) {
    print(stderr, QStringLiteral("chimeral: %1\nTry 'chimeral --help'.\n").arg(text));
    return 1;
}

// Positional arguments are not taken; a tab must be one the window has.
std::optional<WindowRequest> requestFrom(const QCommandLineParser &parser, QString *error) {
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
        return std::nullopt;
    }
    WindowRequest request;
    if (parser.isSet(CountdownOption))
        request.countdown = parser.value(CountdownOption);
    if (parser.isSet(AlarmOption))
        request.alarm = parser.value(AlarmOption);
    if (parser.isSet(TabOption)) {
        const TabName *tab = findTab(parser.value(TabOption));
        if (!tab) {
            *error = QStringLiteral("No tab '%1'; the tabs are timer, alarm, stopwatch, record "
                                    "and clock.")
                         .arg(parser.value(TabOption));
            return std::nullopt;
        }
        request.tab = QString::fromLatin1(tab->name);
    }
    for (const auto &control : Controls) {
        if (!parser.isSet(QString::fromLatin1(control.option)))
            continue;
        if (request.control) {
            *error = QStringLiteral("give only one of --pause, --resume and --cancel");
            return std::nullopt;
        }
        request.control = control.control;
    }
    return request;
}

// A text the entry's button would answer with "Invalid time entered" is
// refused here, before any window, with its own exit status.
std::optional<int> refuseUnreadable(const WindowRequest &request) {
    const auto refuse = [](const QString &text) {
        print(stderr, QStringLiteral("chimeral: %1\n").arg(text));
        return 2;
    };
    if (request.countdown && !parseCountdownEntry(request.countdown->toStdString()))
        return refuse(QStringLiteral("'%1' is not a countdown duration (such as 3:00, 0:30 or 10)")
                          .arg(*request.countdown));
    if (request.alarm && !parseAlarmEntry(request.alarm->toStdString()))
        return refuse(QStringLiteral("'%1' is not an alarm time (such as 7:00 AM or 19:30)")
                          .arg(*request.alarm));
    return std::nullopt;
}
} // namespace

void setWindowlessCommands(WindowlessCommands commands) {
    Windowless = commands;
}

void defineOptions(QCommandLineParser &parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Countdown timer, alarm clock, stopwatch, work-time recorder and clock.\n"
                       "A start in a folder where the program already runs hands its options "
                       "to that window."));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      QStringLiteral("Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      QStringLiteral("Show the version and exit.")});

    // Options for the window.
    parser.addOption({CountdownOption,
                      QStringLiteral("Start a countdown of DURATION, minutes and seconds as in "
                                     "the countdown entry (3:00, 0:30, 10)."),
                      QStringLiteral("DURATION")});
    parser.addOption({AlarmOption,
                      QStringLiteral("Set the alarm for TIME, as in the alarm entry (7:00 AM, "
                                     "19:30)."),
                      QStringLiteral("TIME")});
    parser.addOption({TabOption,
                      QStringLiteral("Show the tab NAME first: timer, alarm, stopwatch, record "
                                     "or clock."),
                      QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("pause"),
                      QStringLiteral("Pause the countdown of the window running in this folder.")});
    parser.addOption({QStringLiteral("resume"),
                      QStringLiteral("Resume the paused countdown of the window running in this "
                                     "folder.")});
    parser.addOption({QStringLiteral("cancel"),
                      QStringLiteral("Cancel the countdown of the window running in this folder, "
                                     "without its sound.")});

    if (Windowless.define)
        Windowless.define(parser);

    acceptQtOptions(parser);
}

QStringList commandLineArguments(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> readCommandLine(const QStringList &arguments, WindowRequest &request) {
    QCommandLineParser parser;
    defineOptions(parser);
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application object the parser cannot know the program's name.
        QString help = parser.helpText();
        help.replace(QLatin1String("<executable_name>"),
                     QFileInfo(arguments.value(0, QStringLiteral("chimeral"))).fileName());
        print(stdout, help);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, QStringLiteral("chimeral %1\n").arg(QString::fromLatin1(VersionText)));
        return 0;
    }

    // Commands on the records run here, before any window exists.
    if (Windowless.run)
        if (const std::optional<int> code = Windowless.run(parser))
            return *code;

    QString error;
    const auto read = requestFrom(parser, &error);
    if (!read)
        return mistake(error);
    if (const std::optional<int> code = refuseUnreadable(*read))
        return code;
    request = *read;
    return std::nullopt;
}

QStringList requestArguments(const WindowRequest &request) {
    QStringList arguments{QStringLiteral("chimeral")};
    if (request.countdown)
        arguments << QStringLiteral("--countdown") << *request.countdown;
    if (request.alarm)
        arguments << QStringLiteral("--alarm") << *request.alarm;
    if (request.tab)
        arguments << QStringLiteral("--tab") << *request.tab;
    if (request.control)
        for (const auto &control : Controls)
            if (control.control == *request.control)
                arguments << QStringLiteral("--") + QString::fromLatin1(control.option);
    return arguments;
}

std::optional<WindowRequest> readRequest(const QStringList &arguments) {
    QCommandLineParser parser;
    defineOptions(parser);
    if (!parser.parse(arguments))
        return std::nullopt;
    QString error;
    return requestFrom(parser, &error);
}

void carryOut(TMainForm &form, const WindowRequest &request) {
    QString tab = request.tab.value_or(QString());
    if (tab.isEmpty() && request.countdown)
        tab = QStringLiteral("timer");
    else if (tab.isEmpty() && request.alarm)
        tab = QStringLiteral("alarm");
    if (const TabName *name = findTab(tab))
        form.showTab(QString::fromLatin1(name->page));
    if (request.countdown)
        form.startCountdown(*request.countdown);
    if (request.alarm)
        form.setAlarm(*request.alarm);
    if (request.control == CountdownControl::Pause)
        form.pauseCountdown();
    else if (request.control == CountdownControl::Resume)
        form.resumeCountdown();
    else if (request.control == CountdownControl::Cancel)
        form.cancelCountdown();
}

void takeLaterStarts(SingleInstance &instance, TMainForm &form) {
    instance.setReceiver([&form](const QStringList &arguments) {
        const auto request = readRequest(arguments);
        if (!request || !request->controlsOnly()) {
            if (form.isMinimized())
                form.showNormal();
            form.raise();
            form.activateWindow();
        }
        if (request)
            carryOut(form, *request);
    });
}
