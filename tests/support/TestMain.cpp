// SPDX-License-Identifier: MIT
// Test entry: every test program runs inside a QApplication on the offscreen
// platform, with SDL writing what would be heard to a file.
#include "platform/Dialogs.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "disk", 0);
    const std::string audioFile =
        QDir::tempPath().toStdString() + "/chimeral-test-" + std::to_string(getpid()) + ".raw";
    setenv("SDL_DISKAUDIOFILE", audioFile.c_str(), 0);
    // Countdowns and alarms that end in the tests send no notice to the desktop.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    // Nor does a recording watch the machine's own session for locks.
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    setApplicationTitle("Timer and Alarm Clock");
    const int result = RUN_ALL_TESTS();
    std::remove(audioFile.c_str());
    return result;
}
