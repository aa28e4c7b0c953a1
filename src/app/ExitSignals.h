// SPDX-License-Identifier: MIT
#pragma once

class QApplication;
class TMainForm;

// Every way the process can be asked to end stores a running recording as
// closing the window does, with no message box to hold the end up: SIGTERM
// (log-out, shut-down), SIGHUP (the terminal went away), SIGINT, and the event
// loop ending for any other reason; when the desktop session asks to save,
// the recording goes to its journal.
// installExitSignals catches the signals from the start of the process on:
// the handler only writes to two pipes, and one second after the first signal
// a watchdog thread ends the process whatever it is doing. installExitHandling,
// as soon as the application object exists, acts on them from the event loop,
// in every phase, boxes of the start-up included: from then on messages go to
// standard error, open boxes close, the main window (once handed over with
// setExitWindow) stores a recording and closes, and the event loop ends.
void installExitSignals();
// For the command-line commands, which run before any of that: the signals
// end the process as they always would, but first remove the fresh file of a
// file being replaced (an export's), so the old file stays and nothing half
// written is left beside it.
void installCommandLineSignals();
void installExitHandling(QApplication &app);
void setExitWindow(QApplication &app, TMainForm &form);

// A signal asked the process to end: the start-up goes no further and the
// event loop is not entered.
bool exitRequested();
