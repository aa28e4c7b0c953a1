// SPDX-License-Identifier: MIT
#include "options/AwayMinutes.h"
#include "options/initfile.h"

#include "options/FileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
// Start-up's read and exit's rewrite of the options file, with the value
// this run holds at exit (the one read when it is not given).
struct Rewrite {
    int32_t read;
    std::string written;
};

Rewrite readAndRewrite(const std::string &path, std::optional<int32_t> atExit = std::nullopt) {
    int32_t minutes = 0;
    {
        initfile store(path);
        store.read();
        minutes = readAwayMinutes(store);
    }
    {
        initfile store(path);
        store.read();
        store.set("AlarmSound", "/s/alarm.wav");
        writeAwayMinutes(store, atExit.value_or(minutes));
    }
    return {minutes, readBytes(path)};
}
} // namespace

TEST(AwayMinutes, FileLineReadsAsTheLimitAndGoesBackAsItWas) {
    const std::string sound = "ALARMSOUND=/s/alarm.wav\r\n";
    const struct {
        const char *line;
        int32_t minutes;
    } cases[] = {
        {"", DefaultAwayMinutes},
        {"AWAYMINUTES=30\r\n", 30},
        {"AWAYMINUTES=0\r\n", 0},
        {"AWAYMINUTES=1440\r\n", 1440},
        {"AWAYMINUTES=1441\r\n", DefaultAwayMinutes},
        {"AWAYMINUTES=-5\r\n", DefaultAwayMinutes},
        {"AWAYMINUTES=soon\r\n", DefaultAwayMinutes},
        {"AWAYMINUTES=15\r\n", DefaultAwayMinutes},
    };
    for (const auto &c : cases) {
        TempCurrentDir dir;
        const std::string path = dir.file("chimeral.ini");
        writeBytes(path, sound + c.line);
        const Rewrite run = readAndRewrite(path);
        EXPECT_EQ(run.read, c.minutes) << c.line;
        EXPECT_EQ(run.written, sound + c.line) << c.line;
    }
}

TEST(AwayMinutes, LineIsWrittenOnlyWhileTheValueDiffersFromTheDefault) {
    TempCurrentDir dir;
    const std::string path = dir.file("chimeral.ini");
    writeBytes(path, "ALARMSOUND=/s/alarm.wav\r\n");
    EXPECT_EQ(readAndRewrite(path, 20).written, "ALARMSOUND=/s/alarm.wav\r\nAWAYMINUTES=20\r\n");
    EXPECT_EQ(readAndRewrite(path, DefaultAwayMinutes).written, "ALARMSOUND=/s/alarm.wav\r\n");
}
