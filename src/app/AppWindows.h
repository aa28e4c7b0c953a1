// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class TMainForm;
class TUserLogWindow;
class TQuenAbout;
class TOptionsForm;

// The program's version text, shown by the about box.
extern const char *const VersionText;

// The four windows of a run. They are created once, in this order, and live
// until the process ends; the secondary ones are hidden when not shown. Any
// window reaches the others through these references while an AppWindows
// object exists.
extern TMainForm *MainForm;
extern TUserLogWindow *UserLogWindow;
extern TQuenAbout *QuenAbout;
extern TOptionsForm *OptionsForm;

class AppWindows {
public:
    AppWindows();
    ~AppWindows();
    AppWindows(const AppWindows &) = delete;
    AppWindows &operator=(const AppWindows &) = delete;

    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TUserLogWindow> userLogWindow;
    std::unique_ptr<TQuenAbout> quenAbout;
    std::unique_ptr<TOptionsForm> optionsForm;
};
