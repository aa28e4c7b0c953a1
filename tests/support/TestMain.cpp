// Test entry: every test program runs inside a QApplication on the offscreen
// platform, with SDL writing what would be heard to a file.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "disk", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Timer and Alarm Clock");
    return RUN_ALL_TESTS();
}
