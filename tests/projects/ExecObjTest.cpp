// SPDX-License-Identifier: MIT
#include "projects/exec_obj.h"

#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class ExecObj : public ::testing::Test {
protected:
    TempCurrentDir dir;
};

TEST_F(ExecObj, CreationFlagsFollowTheOptions) {
    struct Case {
        uint32_t priority;
        int32_t waitTimeOut;
        uint32_t flags;
    };
    const Case priorities[] = {
        {0, exec_obj::Infinite, exec_obj::HighPriorityClass},
        {0, 10, exec_obj::NormalPriorityClass},
        {1, exec_obj::Infinite, exec_obj::IdlePriorityClass},
        {2, exec_obj::Infinite, exec_obj::NormalPriorityClass},
        {3, 10, exec_obj::HighPriorityClass},
        {4, exec_obj::Infinite, exec_obj::RealtimePriorityClass},
        {5, exec_obj::Infinite, 0},
    };
    for (const Case &c : priorities) {
        exec_obj launcher;
        launcher.priority = c.priority;
        launcher.waitTimeOut = c.waitTimeOut;
        EXPECT_EQ(launcher.creationFlags(), c.flags) << c.priority << " " << c.waitTimeOut;
    }

    exec_obj launcher;
    launcher.priority = 2;
    launcher.consoleMode = 1;
    launcher.vmMode = 1;
    launcher.defaultErrorMode = launcher.newProcessGroup = launcher.suspended = true;
    EXPECT_EQ(launcher.creationFlags(),
              exec_obj::NormalPriorityClass | exec_obj::CreateNewConsole |
                  exec_obj::CreateSharedVdm | exec_obj::CreateDefaultErrorMode |
                  exec_obj::CreateNewProcessGroup | exec_obj::CreateSuspended);
    // Giving up the console fails here, as in any program without one; that
    // also keeps the new console away.
    launcher.freeConsole = true;
    launcher.consoleMode = 2;
    launcher.vmMode = 0;
    launcher.defaultErrorMode = launcher.newProcessGroup = launcher.suspended = false;
    EXPECT_EQ(launcher.creationFlags(), exec_obj::NormalPriorityClass | exec_obj::DetachedProcess |
                                            exec_obj::CreateSeparateVdm);
}

TEST_F(ExecObj, ProgramThatCannotStartFailsAtOnce) {
    std::ofstream(dir.file("plain.txt")) << "not a program\n";
    struct Case {
        std::string command;
        std::string workingDirectory;
        bool suspended;
        int error;
    };
    const Case cases[] = {
        {"/nonexistent/program argument", "", false, ENOENT},
        {"/nonexistent/program", "", true, ENOENT},
        {"chimeral-no-such-program", "", false, ENOENT},
        {"", "", false, ENOENT},
        {"   ", "", false, ENOENT},
        {dir.file("plain.txt"), "", false, EACCES},
        {dir.path(), "", false, EACCES},
        {"/bin/true", dir.file("missing"), false, ENOENT},
        {"/bin/true", dir.file("missing"), true, ENOENT},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command + " in " + c.workingDirectory);
        exec_obj launcher;
        launcher.workingDirectory = c.workingDirectory;
        launcher.suspended = c.suspended;
        const auto start = Clock::now();
        EXPECT_FALSE(launcher.SetCommandLine(c.command));
        EXPECT_LT(msSince(start), 900);
        EXPECT_EQ(launcher.lastError, static_cast<uint32_t>(c.error));
        EXPECT_EQ(launcher.processInformation.processId, 0);
    }
}

TEST_F(ExecObj, QuotedWordsReachTheChildWhole) {
    const std::string script = writeScript(dir.file("args.sh"), "printf '%s|' \"$@\" > args.txt");
    const std::string words[] = {
        "plain",       "two words",        "say \"hi\"", "\"",        "",
        "back\\slash", "trailing\\",       "\\\"",       "tab\there", "/a dir/with \\ \"/x.db",
        "' or '1'='1", "caf\u00e9 \u65e5",
    };
    std::string command = script;
    std::string expected;
    for (const std::string &word : words) {
        command += " " + quoteCommandWord(word);
        expected += word + "|";
    }
    // Written by hand the Windows way: 2n+1 backslashes escape a quote, 2n
    // before a quote are halved, others are plain.
    command += " a\\\\\"b c\" d\\e \"f\"\"g\" x\\\\\\\"y";
    expected += "a\\b c|d\\e|fg|x\\\"y|";
    exec_obj launcher;
    ASSERT_TRUE(launcher.SetCommandLine(command));
    EXPECT_EQ(readFile(dir.file("args.txt")), expected);
    EXPECT_EQ(quoteCommandWord("/home/me/chimeral.db"), "/home/me/chimeral.db");
}

TEST_F(ExecObj, InfiniteWaitEndsWithTheChild) {
    exec_obj launcher;
    const auto start = Clock::now();
    ASSERT_TRUE(launcher.SetCommandLine("/bin/sleep 0.3"));
    EXPECT_GE(msSince(start), 280);
    const pid_t pid = launcher.processInformation.processId;
    ASSERT_GT(pid, 0);
    EXPECT_EQ(processState(pid), 0) << "the ended child must have been reaped";
    EXPECT_EQ(launcher.lastError, 0u);
    EXPECT_EQ(launcher.startupInfo.showWindow, exec_obj::ShowMinimize);
}

TEST_F(ExecObj, FiniteTimeOutLeavesTheChildRunning) {
    pid_t pid;
    {
        exec_obj launcher;
        launcher.waitTimeOut = 100;
        const auto start = Clock::now();
        ASSERT_TRUE(launcher.SetCommandLine("/bin/sleep 2"));
        const long long waited = msSince(start);
        EXPECT_GE(waited, 90);
        EXPECT_LT(waited, 1500) << "the launcher waited for the child's end";
        pid = launcher.processInformation.processId;
        EXPECT_NE(processState(pid), 0);
        EXPECT_NE(processState(pid), 'Z');
    }
    EXPECT_NE(processState(pid), 0) << "the child must outlive the launcher";
    EXPECT_TRUE(eventually([&] { return processState(pid) == 0; }))
        << "the child must be reaped once it ends";
}

TEST_F(ExecObj, SuspendedChildWaitsOneSecondAndRunsWhenReleased) {
    const std::string script = writeScript(dir.file("ran.sh"), "echo ran > \"$1\"");
    const std::string mark = dir.file("ran.txt");
    pid_t pid;
    {
        exec_obj launcher;
        launcher.suspended = true;
        const auto start = Clock::now();
        ASSERT_TRUE(launcher.SetCommandLine(script + " " + mark));
        const long long waited = msSince(start);
        EXPECT_GE(waited, 990);
        EXPECT_LT(waited, 5000);
        EXPECT_EQ(launcher.waitTimeOut, exec_obj::SuspendedWait);
        pid = launcher.processInformation.processId;
        EXPECT_EQ(processState(pid), 'T');
        EXPECT_FALSE(std::filesystem::exists(mark)) << "the program ran while suspended";
    }
    EXPECT_TRUE(eventually([&] { return readFile(mark) == "ran\n" && processState(pid) == 0; }));
}

TEST_F(ExecObj, PriorityBecomesTheChildsNiceValue) {
    errno = 0;
    const int own = getpriority(PRIO_PROCESS, 0);
    ASSERT_EQ(errno, 0);
    const std::string script = writeScript(dir.file("nice.sh"), "nice > \"$1\"");
    struct Case {
        uint32_t priority;
        int32_t waitTimeOut;
        int lowest;
        int highest;
    };
    const Case cases[] = {
        {1, exec_obj::Infinite, 19, 19},
        {2, exec_obj::Infinite, own, own},
        {0, 5000, own, own},
        {0, exec_obj::Infinite, -10, own},
        {3, exec_obj::Infinite, -10, own},
        {4, exec_obj::Infinite, -20, own},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "priority " << c.priority << ", wait " << c.waitTimeOut);
        const std::string out = dir.file("nice-" + std::to_string(c.priority) + ".txt");
        exec_obj launcher;
        launcher.priority = c.priority;
        launcher.waitTimeOut = c.waitTimeOut;
        ASSERT_TRUE(launcher.SetCommandLine(script + " " + out));
        ASSERT_TRUE(eventually([&] { return !readFile(out).empty(); }));
        const int nice = std::stoi(readFile(out));
        EXPECT_GE(nice, c.lowest);
        EXPECT_LE(nice, c.highest);
    }
}

TEST_F(ExecObj, WorkingDirectoryAndProcessGroup) {
    std::filesystem::create_directory(dir.file("sub"));
    writeScript(dir.file("where.sh"), "{ pwd -P; cut -d' ' -f5 /proc/$$/stat; } > \"$1\"");
    for (bool newGroup : {false, true}) {
        SCOPED_TRACE(newGroup);
        const std::string out = dir.file(newGroup ? "group.txt" : "same.txt");
        exec_obj launcher;
        launcher.workingDirectory = "sub";
        launcher.newProcessGroup = newGroup;
        // The program path is relative to the caller's directory, not the child's.
        ASSERT_TRUE(launcher.SetCommandLine("./where.sh " + out));
        const pid_t group = newGroup ? launcher.processInformation.processId : getpgrp();
        const std::string expected = std::filesystem::canonical(dir.file("sub")).string() + "\n" +
                                     std::to_string(group) + "\n";
        EXPECT_EQ(readFile(out), expected);
    }
}

TEST_F(ExecObj, StandardHandlesAreTheChildsAndOwnedByTheLauncher) {
    std::ofstream(dir.file("in.txt")) << "line one\nline two\n";
    const int input = open(dir.file("in.txt").c_str(), O_RDONLY | O_CLOEXEC);
    const int output = open(dir.file("out.txt").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(input, 0);
    ASSERT_GE(output, 0);
    {
        exec_obj launcher;
        launcher.childInput = input;
        launcher.childOutput = output;
        ASSERT_TRUE(launcher.SetCommandLine("/bin/cat"));
        EXPECT_TRUE(launcher.startupInfo.flags & exec_obj::UseStdHandles);
    }
    EXPECT_EQ(readFile(dir.file("out.txt")), "line one\nline two\n");
    EXPECT_EQ(fcntl(input, F_GETFD), -1);
    EXPECT_EQ(fcntl(output, F_GETFD), -1);

    // A handle left unset is /dev/null rather than the caller's.
    exec_obj launcher;
    launcher.childOutput = open(dir.file("stdin.txt").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_TRUE(launcher.SetCommandLine("/bin/readlink /proc/self/fd/0"));
    EXPECT_EQ(readFile(dir.file("stdin.txt")), "/dev/null\n");
}

TEST_F(ExecObj, OtherDescriptorsAreInheritedOnlyWithStandardHandles) {
    const int stray = open("/dev/null", O_RDONLY);
    ASSERT_GE(stray, 3);
    const std::string script =
        writeScript(dir.file("fd.sh"), "if [ -e /proc/$$/fd/" + std::to_string(stray) +
                                           " ]; then echo yes; else echo no; fi > \"$1\"");
    for (bool stdHandles : {false, true}) {
        SCOPED_TRACE(stdHandles);
        const std::string out = dir.file(stdHandles ? "with.txt" : "without.txt");
        exec_obj launcher;
        if (stdHandles)
            launcher.childError = open("/dev/null", O_WRONLY | O_CLOEXEC);
        ASSERT_TRUE(launcher.SetCommandLine(script + " " + out));
        EXPECT_EQ(readFile(out), stdHandles ? "yes\n" : "no\n");
    }
    close(stray);
}

} // namespace
