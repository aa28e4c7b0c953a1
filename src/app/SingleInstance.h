// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <sys/types.h>

class QSocketNotifier;
class QTimer;

// One window per working folder and options folder, that is per database and
// options file: a later start in the same pair of folders hands its command
// line to the window already running and ends. The runs meet on a local
// socket whose name comes from both folders, in a folder only the user can
// enter; each side checks that the other runs as the same user, so nobody
// else can take a start's request or hand one to the window. A socket left
// behind by a run that crashed answers nobody and is replaced. Plain POSIX
// sockets under a socket notifier: the program needs no network library.
//
// Which of two starts that meet at once becomes the window is settled by a
// lock on a file beside the socket, taken without waiting before the start
// looks for a window and held by the window for as long as it runs: a start
// that cannot have it waits for the holder's socket rather than make its own.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's path as the system spells it; an empty one means no
    // hand-over: every start opens its own window.
    explicit SingleInstance(const QByteArray &serverName);
    ~SingleInstance() override;

    // The socket file for a working folder and an options folder, both named
    // by their bytes, as the system names them: in $XDG_RUNTIME_DIR when that
    // is a private folder of the user and short enough for a socket's path,
    // else in "chimeral-<uid>" in the temporary folder, made when missing.
    // Empty when neither will do (someone else's, open to others, a link, too
    // long).
    static QByteArray serverName(const QByteArray &workFolder, const QByteArray &configFolder);
    // Whether `folder` is a real folder (not a link) owned by `uid` with mode
    // 0700.
    static bool privateFolder(const QByteArray &folder, uid_t uid);
    // Whether the other end of the connected local socket `fd` runs as `uid`.
    static bool peerIsUser(int fd, uid_t uid);

    enum class HandOver {
        Taken,       // a running window took the arguments
        NoneRunning, // no window of this user runs here (or only a stale socket is left)
        NoAnswer     // a window runs here but did not take them in time
    };
    // Waits up to timeoutMs for each step: connecting, sending, the answer.
    // NoneRunning leaves this run holding the lock, to listen.
    HandOver handOver(const QStringList &arguments, int timeoutMs = 5000);

    // Takes the socket for this run; false when it cannot be had (another
    // run holds the lock).
    bool listen();
    // How long a caller may take to send its whole request before it is
    // dropped.
    void setCallerLimit(int milliseconds) { m_callerLimitMs = milliseconds; }

    // Where the arguments of later starts go, on the GUI thread, outside the
    // socket's handlers. Arguments that came before a receiver was set wait
    // for it.
    void setReceiver(std::function<void(const QStringList &)> receiver);

private:
    struct Caller {
        std::unique_ptr<QSocketNotifier> notifier;
        std::unique_ptr<QTimer> limit;
        QByteArray received;
    };

    enum class Lock { Held, Busy, Unavailable };
    Lock takeLock();

    void accept();
    void pauseListening();
    void readFrom(int fd);
    void hangUp(int fd);
    void deliver(const QStringList &arguments);

    QByteArray m_name;
    int m_lock = -1;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_listening;
    std::map<int, Caller> m_callers;
    std::function<void(const QStringList &)> m_receiver;
    std::vector<QStringList> m_waiting;
    int m_callerLimitMs = 5000;
};

// The hand-over's message: a magic number, the length of what follows, the
// arguments.
QByteArray handOverMessage(const QStringList &arguments);
// Reads a whole message from the bytes that have come so far: the arguments
// once all of it is there, nothing while more is to come; `bad` when it is not
// one of ours.
std::optional<QStringList> readHandOverMessage(const QByteArray &received, bool &bad);
