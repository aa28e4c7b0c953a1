// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QThread;
class QWidget;

// Tells the desktop that a countdown has ended or the alarm rings, for a user
// whose window is covered or minimised: the window asks for attention
// (urgency hint, focus is not taken) and a notice goes to the desktop's
// notification service on the session bus. Both are called after the sound
// has started and return at once: the bus is reached from a thread of its
// own on the first notice, calls are asynchronous, and without a bus or a
// service nothing is shown and nothing waits.
void announceCountdownEnd(QWidget *window, uint32_t durationMs);
void announceAlarm(QWidget *window, const TimeDate &setTime);

// The notices' texts: "1 min 30 sec", "20 sec", "3 min"; "Set for 07:00",
// with the set time brought into one day.
QString countdownNoticeBody(uint32_t durationMs);
QString alarmNoticeBody(const TimeDate &setTime);

// The session bus's address: $DBUS_SESSION_BUS_ADDRESS, else the bus socket
// in $XDG_RUNTIME_DIR when there is one; empty when there is no bus. The bus
// is never started on the program's behalf.
QString sessionBusAddress();

// One window's link to the notification service, made on its first notice
// and kept as the window's child. The service's default action ("clicked
// the notice") raises the window.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QWidget *window);
    ~DesktopNotifier() override;

    static DesktopNotifier *of(QWidget *window);

    void notify(const QString &summary, const QString &body);

private slots:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    struct Notice {
        QString summary;
        QString body;
    };
    void connectInBackground();
    void connectionAttempted();
    void send(const Notice &notice);

    QWidget *m_window;
    const QString m_connectionName;
    std::unique_ptr<QThread> m_connecting;
    bool m_connected = false;
    std::vector<Notice> m_waiting;
    QSet<uint> m_shown;
};
