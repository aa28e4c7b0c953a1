// SPDX-License-Identifier: MIT
#pragma once

class QApplication;
class TMainForm;

// Every way the process can be asked to end stores a running recording as
// closing the window does, with no message box to hold the end up: SIGTERM
// (log-out, shut-down), SIGHUP (the terminal went away), SIGINT, and the
// event loop ending for any other reason; when the desktop session asks to
// save, the recording goes to its journal. The signal handler only writes to a pipe; the
// window's work runs from the event loop.
// installExitSignals catches the signals from the start of the process on;
// installExitHandling, once the main window exists, acts on them.
void installExitSignals();
void installExitHandling(QApplication &app, TMainForm &form);
