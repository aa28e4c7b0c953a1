// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/AppWindows.h"
#include "app/SingleInstance.h"
#include "app/TMainForm.h"
#include "app/Translations.h"
#include "timers/AlarmRules.h"
#include "timers/CountdownRules.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace {
using Translations::translate;

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

// The parser's own texts are Qt's, which it translates only through the
// application object, not made yet when the command line is read: they are
// translated here from the English it wrote, in Qt's translation's words.
const char *const ParserContext = "QCommandLineParser";
const char *const ParserMistakes[] = {"Unknown option '%1'.", "Unknown options: %1.",
                                      "Missing value after '%1'.", "Unexpected value after '%1'."};
const char *const UsageText = "Usage: %1";
const char *const OptionsText = "[options]";
const char *const OptionsHeading = "Options:";

QString parserMistake(const QString &english) {
    for (const char *source : ParserMistakes) {
        QStringList parts = QString::fromLatin1(source).split(QStringLiteral("%1"));
        for (QString &part : parts)
            part = QRegularExpression::escape(part);
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(parts.join(QStringLiteral("(.*)"))));
        const QRegularExpressionMatch match = pattern.match(english);
        if (match.hasMatch())
            return translate(ParserContext, source).arg(match.captured(1));
    }
    return english;
}

// Without an application object the parser knows neither the program's name
// nor the language of its headings.
QString helpText(const QCommandLineParser &parser, const QString &programName) {
    QString help = parser.helpText();
    help.replace(QStringLiteral("Usage: <executable_name> [options]"),
                 translate(ParserContext, UsageText)
                     .arg(programName + QLatin1Char(' ') + translate(ParserContext, OptionsText)));
    help.replace(QStringLiteral("\nOptions:\n"),
                 QLatin1Char('\n') + translate(ParserContext, OptionsHeading) + QLatin1Char('\n'));
    return help;
}

int mistake(const QString &text) {
    print(stderr, QStringLiteral("chimeral: %1\n%2\n")
                      .arg(text, translate("CommandLine", "Try 'chimeral --help'.")));
    return 1;
}

// Positional arguments are not taken; a tab must be one the window has.
std::optional<WindowRequest> requestFrom(const QCommandLineParser &parser, QString *error) {
    if (!parser.positionalArguments().isEmpty()) {
        *error = translate("CommandLine", "Unexpected argument '%1'.")
                     .arg(parser.positionalArguments()[0]);
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
            *error = translate("CommandLine", "No tab '%1'; the tabs are timer, alarm, stopwatch, "
                                              "record and clock.")
                         .arg(parser.value(TabOption));
            return std::nullopt;
        }
        request.tab = QString::fromLatin1(tab->name);
    }
    for (const auto &control : Controls) {
        if (!parser.isSet(QString::fromLatin1(control.option)))
            continue;
        if (request.control) {
            *error = translate("CommandLine", "give only one of --pause, --resume and --cancel");
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
        return refuse(
            translate("CommandLine", "'%1' is not a countdown duration (such as 3:00, 0:30 or 10)")
                .arg(*request.countdown));
    if (request.alarm && !parseAlarmEntry(request.alarm->toStdString()))
        return refuse(
            translate("CommandLine", "'%1' is not an alarm time (such as 7:00 AM or 19:30)")
                .arg(*request.alarm));
    return std::nullopt;
}
} // namespace

void setWindowlessCommands(WindowlessCommands commands) {
    Windowless = commands;
}

void defineOptions(QCommandLineParser &parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(translate(
        "CommandLine", "Countdown timer, alarm clock, stopwatch, work-time recorder and clock.\n"
                       "A start in a folder where the program already runs hands its options "
                       "to that window."));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      translate("CommandLine", "Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      translate("CommandLine", "Show the version and exit.")});

    // Options for the window.
    parser.addOption({CountdownOption,
                      translate("CommandLine", "Start a countdown of DURATION, minutes and "
                                               "seconds as in the countdown entry (3:00, 0:30, "
                                               "10)."),
                      translate("CommandLine", "DURATION")});
    parser.addOption({AlarmOption,
                      translate("CommandLine", "Set the alarm for TIME, as in the alarm entry "
                                               "(7:00 AM, 19:30)."),
                      translate("CommandLine", "TIME")});
    parser.addOption({TabOption,
                      translate("CommandLine", "Show the tab NAME first: timer, alarm, "
                                               "stopwatch, record or clock."),
                      translate("CommandLine", "NAME")});
    parser.addOption({QStringLiteral("pause"),
                      translate("CommandLine", "Pause the countdown of the window running in this "
                                               "folder.")});
    parser.addOption({QStringLiteral("resume"),
                      translate("CommandLine", "Resume the paused countdown of the window running "
                                               "in this folder.")});
    parser.addOption({QStringLiteral("cancel"),
                      translate("CommandLine", "Cancel the countdown of the window running in this "
                                               "folder, without its sound.")});

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
        return mistake(parserMistake(parser.errorText()));
    if (parser.isSet(QStringLiteral("help"))) {
        print(
            stdout,
            helpText(parser, QFileInfo(arguments.value(0, QStringLiteral("chimeral"))).fileName()));
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
