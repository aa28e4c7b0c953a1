// SPDX-License-Identifier: MIT
#include "projects/exec_obj.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

namespace {

// The words of a command line, read the way Windows programs read theirs: a
// blank (outside double quotes) separates words; 2n backslashes before a
// quote give n backslashes and the quote opens or closes a quoted part; 2n+1
// give n backslashes and a literal quote; other backslashes are plain.
std::vector<std::string> splitCommandLine(const std::string &text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            const size_t run = text.find_first_not_of('\\', i);
            const size_t count = (run == std::string::npos ? text.size() : run) - i;
            if (run != std::string::npos && text[run] == '"') {
                word.append(count / 2, '\\');
                if (count % 2)
                    word += '"';
                else
                    quoted = !quoted;
                i = run;
            } else {
                word.append(count, '\\');
                i += count - 1;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else {
            word += c;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::string currentDirectory() {
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

} // namespace

std::string findProgram(const std::string &program) {
    std::vector<std::string> candidates;
    const std::string here = currentDirectory();
    auto absolute = [&](const std::string &path) {
        return !path.empty() && path[0] == '/' ? path : here + "/" + path;
    };
    if (program.find('/') != std::string::npos) {
        candidates.push_back(absolute(program));
    } else {
        const char *path = std::getenv("PATH");
        std::string dirs = path ? path : "/bin:/usr/bin";
        size_t start = 0;
        for (;;) {
            const size_t end = dirs.find(':', start);
            const std::string dir = dirs.substr(start, end - start);
            candidates.push_back(absolute(dir.empty() ? program : dir + "/" + program));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    int error = ENOENT;
    for (const std::string &candidate : candidates) {
        struct stat info;
        if (stat(candidate.c_str(), &info) != 0)
            continue;
        if (S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        error = EACCES;
    }
    errno = error;
    return {};
}

std::string quoteCommandWord(const std::string &word) {
    if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos)
        return word;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

namespace {

// Lowers the child's own priority to the nice value `wanted`, or raises it as
// far towards `wanted` as the process is allowed. Safe between fork and exec.
void setChildNice(int wanted) {
    const int current = getpriority(PRIO_PROCESS, 0);
    if (wanted >= current) {
        setpriority(PRIO_PROCESS, 0, wanted);
        return;
    }
    for (int value = wanted; value < current; ++value) {
        if (setpriority(PRIO_PROCESS, 0, value) == 0)
            return;
    }
}

// The nice value a priority class gives, none keeping the caller's.
std::optional<int> niceFor(uint32_t flags) {
    if (flags & exec_obj::IdlePriorityClass)
        return 19;
    if (flags & exec_obj::RealtimePriorityClass)
        return -20;
    if (flags & exec_obj::HighPriorityClass)
        return -10;
    return std::nullopt;
}

// Everything the child needs, prepared before the fork.
struct ChildSetup {
    const char *program;
    char *const *argv;
    const char *directory; // nullptr keeps the caller's
    bool stdHandles;
    int handles[3];
    bool newGroup;
    std::optional<int> nice;
    bool stop;
    int report; // write end of the pipe that carries a start failure
};

// The child's side of the start: only async-signal-safe calls, as the caller
// may have threads. A failure goes to the report pipe as errno's value.
[[noreturn]] void runChild(const ChildSetup &setup) {
    auto fail = [&](int error) {
        [[maybe_unused]] ssize_t written = write(setup.report, &error, sizeof error);
        _exit(127);
    };
    if (!setup.stdHandles)
        close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    if (setup.newGroup && setpgid(0, 0) != 0)
        fail(errno);
    if (setup.directory && chdir(setup.directory) != 0)
        fail(errno);
    if (setup.stdHandles) {
        // Copied out of the way first, so that handles given in another
        // order (output on 0, say) are not overwritten before use.
        int copies[3];
        for (int i = 0; i < 3; ++i) {
            copies[i] = setup.handles[i] >= 0 ? fcntl(setup.handles[i], F_DUPFD_CLOEXEC, 3)
                                              : open("/dev/null", O_RDWR | O_CLOEXEC);
            if (copies[i] < 0)
                fail(errno);
        }
        for (int i = 0; i < 3; ++i) {
            if (dup2(copies[i], i) < 0)
                fail(errno);
        }
    }
    if (setup.nice)
        setChildNice(*setup.nice);
    if (setup.stop)
        raise(SIGSTOP);
    execv(setup.program, setup.argv);
    fail(errno);
    _exit(127);
}

// Waits for a child nobody waits for any more, so it leaves no zombie. A
// thread per child keeps other code's children and signal handling untouched.
void reapInBackground(pid_t pid) {
    try {
        std::thread([pid] {
            int status;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (...) {
        // Without a thread the child stays a zombie until the program ends.
    }
}

void closeIfSet(int &fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

} // namespace

exec_obj::~exec_obj() {
    workingDirectory.clear();
    commandLine.clear();
    releaseChild();
    closeIfSet(childInput);
    closeIfSet(childOutput);
    closeIfSet(childError);
    closeIfSet(pipeHandle);
    desktopName.clear();
}

bool exec_obj::SetCommandLine(const std::string &command) {
    commandLine = command;
    return Run();
}

uint32_t exec_obj::creationFlags() const {
    uint32_t flags = 0;
    if (defaultErrorMode)
        flags |= CreateDefaultErrorMode;
    if (newProcessGroup)
        flags |= CreateNewProcessGroup;
    if (consoleMode == 1 && !freeConsole)
        flags |= CreateNewConsole;
    else if (consoleMode == 2)
        flags |= DetachedProcess;
    if (vmMode == 0)
        flags |= CreateSeparateVdm;
    else if (vmMode == 1)
        flags |= CreateSharedVdm;
    switch (priority) {
    case 0:
        flags |= waitTimeOut < 0 ? HighPriorityClass : NormalPriorityClass;
        break;
    case 1:
        flags |= IdlePriorityClass;
        break;
    case 2:
        flags |= NormalPriorityClass;
        break;
    case 3:
        flags |= HighPriorityClass;
        break;
    case 4:
        flags |= RealtimePriorityClass;
        break;
    }
    if (freeConsole)
        flags |= CreateSeparateVdm;
    if (suspended)
        flags |= CreateSuspended;
    return flags;
}

bool exec_obj::Run() {
    releaseChild();
    if (childInput >= 0 || childOutput >= 0 || childError >= 0) {
        startupInfo.flags |= UseStdHandles;
        startupInfo.stdInput = childInput;
        startupInfo.stdOutput = childOutput;
        startupInfo.stdError = childError;
    }
    if (hiddenDesktop && desktopName.empty()) {
        desktopName = "hidden desk";
        startupInfo.desktop = desktopName;
    }
    if (startMinimized) {
        startupInfo.showWindow = ShowMinimize;
        startupInfo.flags |= UseShowWindow;
    }
    // The automatic priority looks at the wait as it was asked for.
    const uint32_t flags = creationFlags();
    if (suspended && waitTimeOut < 0)
        waitTimeOut = SuspendedWait;
    if (!startChild(flags))
        return false;
    waitForChild();
    return true;
}

bool exec_obj::startChild(uint32_t flags) {
    const std::vector<std::string> words = splitCommandLine(commandLine);
    const std::string program = words.empty() ? std::string() : findProgram(words[0]);
    if (program.empty()) {
        lastError = words.empty() ? ENOENT : errno;
        return false;
    }
    std::vector<char *> argv;
    for (const std::string &word : words)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);

    // The child reports a failure before or at exec through this pipe, which
    // a successful exec closes.
    int report[2];
    const bool stop = flags & CreateSuspended;
    if (pipe2(report, O_CLOEXEC) != 0) {
        lastError = errno;
        return false;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        lastError = errno;
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (pid == 0) {
        runChild({program.c_str(),
                  argv.data(),
                  workingDirectory.empty() ? nullptr : workingDirectory.c_str(),
                  bool(startupInfo.flags & UseStdHandles),
                  {startupInfo.stdInput, startupInfo.stdOutput, startupInfo.stdError},
                  bool(flags & CreateNewProcessGroup),
                  niceFor(flags),
                  stop,
                  report[1]});
    }

    close(report[1]);
    int status = 0;
    bool started = true;
    if (stop) {
        // The child cannot reach exec before it is resumed: seeing it stopped
        // is the start.
        pid_t waited;
        while ((waited = waitpid(pid, &status, WUNTRACED)) < 0 && errno == EINTR) {
        }
        started = waited == pid && WIFSTOPPED(status);
    }
    int error = 0;
    if (!started || !stop) {
        ssize_t got;
        while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
        if (got == sizeof error)
            started = false;
        else if (!started)
            error = ECHILD;
    }
    close(report[0]);
    if (!started) {
        if (!stop) {
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
        lastError = error;
        return false;
    }
    processInformation.processId = pid;
    m_childPending = true;
    m_childStopped = stop;
    return true;
}

void exec_obj::waitForChild() {
    const pid_t pid = processInformation.processId;
    int status;
    if (waitTimeOut < 0) {
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_childPending = false;
        return;
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitTimeOut);
    for (;;) {
        const pid_t waited = waitpid(pid, &status, WNOHANG);
        // Reaped, or reaped by someone else (ECHILD): either way it is gone.
        if (waited == pid || (waited < 0 && errno != EINTR)) {
            m_childPending = false;
            return;
        }
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return;
        std::this_thread::sleep_for(std::min<Clock::duration>(left, std::chrono::milliseconds(5)));
    }
}

// A child left stopped would never end, so it is resumed before it is let go.
void exec_obj::releaseChild() {
    if (!m_childPending)
        return;
    const pid_t pid = processInformation.processId;
    if (m_childStopped)
        kill(pid, SIGCONT);
    int status;
    if (waitpid(pid, &status, WNOHANG) == 0)
        reapInBackground(pid);
    m_childPending = false;
    m_childStopped = false;
}
