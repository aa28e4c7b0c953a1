// SPDX-License-Identifier: MIT
#include "app/AppWindows.h"

#include "app/TMainForm.h"
#include "options/TOptionsForm.h"
#include "windows/TQuenAbout.h"
#include "windows/TUserLogWindow.h"

const char *const VersionText = "4.0";

TMainForm *MainForm = nullptr;
TUserLogWindow *UserLogWindow = nullptr;
TQuenAbout *QuenAbout = nullptr;
TOptionsForm *OptionsForm = nullptr;

AppWindows::AppWindows() {
    mainForm = std::make_unique<TMainForm>();
    MainForm = mainForm.get();
    userLogWindow = std::make_unique<TUserLogWindow>();
    UserLogWindow = userLogWindow.get();
    quenAbout = std::make_unique<TQuenAbout>();
    QuenAbout = quenAbout.get();
    optionsForm = std::make_unique<TOptionsForm>();
    OptionsForm = optionsForm.get();
}

AppWindows::~AppWindows() {
    OptionsForm = nullptr;
    optionsForm.reset();
    QuenAbout = nullptr;
    quenAbout.reset();
    UserLogWindow = nullptr;
    userLogWindow.reset();
    MainForm = nullptr;
    mainForm.reset();
}
