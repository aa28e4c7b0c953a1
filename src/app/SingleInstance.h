// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;

// One window per working folder and options folder, that is per database and
// options file: a later start in the same pair of folders hands its command
// line to the window already running and ends. The runs meet on a local
// socket whose name comes from both folders and the user id; a socket left
// behind by a run that crashed answers nobody and is replaced. Plain POSIX
// sockets under a socket notifier: the program needs no network library.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &serverName);
    ~SingleInstance() override;

    // The socket file for a working folder and an options folder: in
    // $XDG_RUNTIME_DIR when set, else in the temporary folder.
    static QString serverName(const QString &workFolder, const QString &configFolder);

    enum class HandOver {
        Taken,       // a running window took the arguments
        NoneRunning, // no window runs here (or only a stale socket is left)
        NoAnswer     // a window runs here but did not take them in time
    };
    HandOver handOver(const QStringList &arguments, int timeoutMs = 5000);

    // Takes the socket for this run; false when it cannot be had.
    bool listen();

    // Where the arguments of later starts go, on the GUI thread, outside the
    // socket's handlers. Arguments that came before a receiver was set wait
    // for it.
    void setReceiver(std::function<void(const QStringList &)> receiver);

private:
    struct Caller {
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray received;
    };

    void accept();
    void readFrom(int fd);
    void hangUp(int fd);
    void deliver(const QStringList &arguments);

    QString m_name;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_listening;
    std::map<int, Caller> m_callers;
    std::function<void(const QStringList &)> m_receiver;
    std::vector<QStringList> m_waiting;
};
