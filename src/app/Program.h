// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class TMainForm;

// The whole run of the program, from the command line to the end of the
// event loop. The installed program runs it as it is; a test build of the
// program hands it hooks: one before any window is made, one once the main
// window is shown.
struct ProgramHooks {
    std::function<void()> beforeWindows;
    std::function<void(TMainForm &)> windowShown;
};

int runProgram(int argc, char **argv, const ProgramHooks &hooks = {});
