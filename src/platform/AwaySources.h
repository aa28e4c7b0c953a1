// SPDX-License-Identifier: MIT
#pragma once

#include "platform/AwayWatch.h"

#include <QString>

#include <memory>

class QThread;

// The desktop's ways of telling that the user is away, in the order their
// idle times are preferred: the X screen saver extension (only when the
// program runs on X11), the session bus's screen saver, logind's session.
AwayWatch::Sources desktopAwaySources();

// The system bus's address: $DBUS_SYSTEM_BUS_ADDRESS, else the well-known
// socket when it exists; empty when there is none.
QString systemBusAddress();

// A source on a message bus of its own connection, made in a thread on the
// first start so that a bus that never answers holds up nothing. The matches
// are added on start and removed on stop; without a bus the source is
// silent.
class BusAwaySource : public AwaySource {
    Q_OBJECT
public:
    BusAwaySource(QString address, const QString &purpose);
    ~BusAwaySource() override;

    void start() override;
    void stop() override;

protected:
    // The connection is up (or came up while started): add the matches.
    virtual void listen() = 0;
    virtual void stopListening() = 0;
    bool connected() const { return m_connected; }
    bool started() const { return m_started; }
    const QString &connectionName() const { return m_connectionName; }

private:
    void connectionAttempted();

    QString m_address;
    const QString m_connectionName;
    std::unique_ptr<QThread> m_connecting;
    bool m_tried = false;
    bool m_connected = false;
    bool m_started = false;
    bool m_listening = false;
};

// The screen saver on the session bus: ActiveChanged of
// org.freedesktop.ScreenSaver and org.gnome.ScreenSaver, and the session's
// idle time where the service offers GetSessionIdleTime (in milliseconds).
class ScreenSaverAway : public BusAwaySource {
    Q_OBJECT
public:
    explicit ScreenSaverAway(QString address);
    void askIdle() override;

protected:
    void listen() override;
    void stopListening() override;

private slots:
    void activeChanged(bool active);
};

// logind's Lock and Unlock of the session this process belongs to (or, for
// a process outside any session, the user's own), on the system bus.
class LogindAway : public BusAwaySource {
    Q_OBJECT
public:
    explicit LogindAway(QString address);

protected:
    void listen() override;
    void stopListening() override;

private slots:
    void locked();
    void unlocked();

private:
    void findSession();
    void sessionFound(const QString &path);

    QString m_sessionPath;
    bool m_finding = false;
    bool m_matched = false;
};
