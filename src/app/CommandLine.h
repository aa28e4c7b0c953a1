// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;
class SingleInstance;
class TMainForm;

// The program's command line. Every option is defined in one place
// (defineOptions); readCommandLine answers what needs no window (help,
// version, mistakes) before the application object exists, so those work
// without a display and touch no file. What is left is a request to the
// window, carried out once it is shown, or handed to the window already
// running in the same folder.

// What a start can do to a running countdown, as its buttons do.
enum class CountdownControl { Pause, Resume, Cancel };

// What a start asks of the main window. Empty fields ask nothing; a start
// without arguments asks nothing, and the window comes up as always.
struct WindowRequest {
    std::optional<QString> countdown; // typed as in the countdown entry
    std::optional<QString> alarm;     // typed as in the alarm entry
    std::optional<QString> tab;       // the tab to show: timer, alarm, stopwatch, record, clock
    std::optional<CountdownControl> control;

    bool operator==(const WindowRequest &) const = default;

    // Only a control of the countdown: it needs a window already running,
    // and does not bring that window to the front.
    bool controlsOnly() const { return control && !countdown && !alarm && !tab; }
};

// Commands that run instead of the window, defined by a feature (the time
// records' export and report): their options, and the code that runs them and
// gives the exit code when one of them was asked for. The program's run hands
// them over before the command line is read.
struct WindowlessCommands {
    void (*define)(QCommandLineParser &) = nullptr;
    std::optional<int> (*run)(const QCommandLineParser &) = nullptr;
};
void setWindowlessCommands(WindowlessCommands commands);

void defineOptions(QCommandLineParser &parser);

// The arguments as the process got them, before Qt takes its own out.
QStringList commandLineArguments(int argc, char **argv);

// Reads the command line. Returns the exit code when the process is done
// (help or version printed, a mistake reported on stderr, with 2 for a
// countdown or alarm text its entry would refuse); otherwise fills the
// request and returns nothing.
std::optional<int> readCommandLine(const QStringList &arguments, WindowRequest &request);

// The request as arguments, to hand to a running window, and read back
// there. Reading back gives nothing for arguments that are not a request.
QStringList requestArguments(const WindowRequest &request);
std::optional<WindowRequest> readRequest(const QStringList &arguments);

// Shows the tab, then starts the countdown and sets the alarm as the
// "Specify" and "Set Alarm" buttons do, with the same messages, then pauses,
// resumes or cancels the countdown. A countdown or alarm without a tab shows
// its own tab.
void carryOut(TMainForm &form, const WindowRequest &request);

// Later starts in this folder: the window comes to the front (unless only the
// countdown is controlled) and carries out their requests.
void takeLaterStarts(SingleInstance &instance, TMainForm &form);
