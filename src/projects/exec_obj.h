// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

// The Windows launcher's options are kept although the program sets none of them.
// Starts one child process from a blank-separated command line and waits for
// it as configured: how long, at what priority, in which directory, with which
// standard handles, suspended or not. The options keep the values and flag
// words of the Windows launcher this class stands in for, so code that sets
// them reads the same; each field says what it does here. Start failures are
// reported by Run's result and lastError, never by a message or an exception.
// What the child does, and whether its start failure matters, is the caller's.
//
// On this platform the program (the first word) is looked up on PATH unless it
// holds a slash, a relative path being taken from the caller's directory, and
// the other words are its arguments. Words are split as Windows programs split
// their command lines, so a word between double quotes may hold blanks (see
// quoteCommandWord); no shell is involved. A child still running when the
// object goes keeps running and is reaped in the background when it ends, so it
// never lingers as a zombie.
class exec_obj {
public:
    // Start-up information flags and show states.
    static constexpr uint32_t UseShowWindow = 0x1;
    static constexpr uint32_t UseStdHandles = 0x100;
    static constexpr uint16_t ShowMinimize = 6;
    static constexpr uint16_t ShowDefault = 10;

    // Creation flags.
    static constexpr uint32_t CreateSuspended = 0x4;
    static constexpr uint32_t DetachedProcess = 0x8;
    static constexpr uint32_t CreateNewConsole = 0x10;
    static constexpr uint32_t NormalPriorityClass = 0x20;
    static constexpr uint32_t IdlePriorityClass = 0x40;
    static constexpr uint32_t HighPriorityClass = 0x80;
    static constexpr uint32_t RealtimePriorityClass = 0x100;
    static constexpr uint32_t CreateNewProcessGroup = 0x200;
    static constexpr uint32_t CreateSeparateVdm = 0x800;
    static constexpr uint32_t CreateSharedVdm = 0x1000;
    static constexpr uint32_t CreateDefaultErrorMode = 0x04000000;

    static constexpr int32_t Infinite = -1;
    // What an infinite wait becomes for a suspended child, which cannot end.
    static constexpr int32_t SuspendedWait = 1000;

    // The parts of the Windows start-up information that mean something to
    // the caller. Only the standard handles act here; the show state and the
    // size have no equivalent, as a child's windows are its own business on
    // this desktop.
    struct StartupInfo {
        uint32_t size = 68;
        uint32_t flags = UseShowWindow;
        uint16_t showWindow = ShowDefault;
        uint32_t width = 200; // never used: no size flag is ever set
        uint32_t height = 160;
        std::string desktop; // the desktop name in use, empty for the caller's
        int stdInput = -1;
        int stdOutput = -1;
        int stdError = -1;
    };

    struct ProcessInformation {
        pid_t processId = 0; // the last child started, 0 before any
    };

    exec_obj() = default;
    ~exec_obj();
    exec_obj(const exec_obj &) = delete;
    exec_obj &operator=(const exec_obj &) = delete;

    // Stores the command line and runs it at once; Run's result.
    bool SetCommandLine(const std::string &command);
    // Starts the child and waits for it; true when the child was started.
    // A program that cannot be started gives false at once, with errno's code
    // in lastError. A suspended child is stopped before its program runs; an
    // infinite wait for it becomes SuspendedWait, and it is resumed when the
    // object goes.
    bool Run();

    // The creation flags the options give, as Run uses them.
    uint32_t creationFlags() const;

    // File descriptor of a pipe the object owns; closed at destruction. Not
    // used for starting a child.
    int pipeHandle = -1;
    // File descriptors owned by the object, closed at destruction. When any
    // is set the three become the child's standard input, output and error,
    // an unset one being /dev/null, and the child also inherits the caller's
    // other inheritable descriptors. Otherwise the child keeps the caller's
    // standard descriptors and inherits no other.
    int childInput = -1;
    int childOutput = -1;
    int childError = -1;
    // No equivalent here: nothing sets it and nothing is destroyed.
    void *windowHandle = nullptr;
    // No equivalent here: no desktop is ever created, so it stays empty.
    void *desktopHandle = nullptr;
    StartupInfo startupInfo;
    ProcessInformation processInformation;
    std::string commandLine;
    // The child's current directory; empty keeps the caller's. A directory
    // that cannot be entered makes the start fail.
    std::string workingDirectory;
    // "hidden desk" once the hidden-desktop option was used; no desktop of
    // that name exists here.
    std::string desktopName;
    // 1 new console, 2 detached process: no consoles here, so only the
    // creation flags change.
    uint8_t consoleMode = 0;
    // 16-bit virtual machines: only the creation flags change.
    uint8_t vmMode = 2;
    // No console to give up here; as for a windowed program without one,
    // the attempt fails, which adds CreateSeparateVdm to the flags.
    bool freeConsole = false;
    // Only the show state changes: there is no portable way to ask a child
    // for a minimized first window.
    bool startMinimized = true;
    // Only the creation flags change: there is no error mode to inherit.
    bool defaultErrorMode = false;
    // The child leads a process group of its own.
    bool newProcessGroup = false;
    // There is no input-idle moment to wait for here, so no such wait is made
    // with or without this option.
    bool noInputIdleWait = false;
    // Only the desktop name is recorded: the child shows on the caller's display.
    bool hiddenDesktop = false;
    bool suspended = false;
    // Milliseconds Run waits for the child to end; any negative value waits
    // without limit.
    int32_t waitTimeOut = Infinite;
    uint32_t lastError = 0;
    // 0 automatic (high while waiting without limit, else normal), 1 idle =
    // nice 19, 2 normal = the caller's nice value, 3 high and 4 real-time =
    // nice -10 and -20 or as close as the caller's rights allow (an ordinary
    // user usually cannot go below its own value). No real-time scheduling.
    uint32_t priority = 1;

private:
    bool startChild(uint32_t flags);
    void waitForChild();
    void releaseChild();

    // The child was started and has not been reaped yet.
    bool m_childPending = false;
    // The pending child was stopped before its program started.
    bool m_childStopped = false;
};

// The file a program word names, found the way the shell would: on PATH unless
// the word holds a slash, a relative path being taken from the current
// directory. Empty, with errno set, when no executable file fits.
std::string findProgram(const std::string &program);

// The word written so that the launcher's command line gives it back whole:
// as it is when it holds no blank or quote, else between double quotes with
// its quotes, and the backslashes before them, escaped.
std::string quoteCommandWord(const std::string &word);
