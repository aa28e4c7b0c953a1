// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QThread;
class QWidget;

// Tells the desktop that a countdown has ended or the alarm rings, for a user
// whose window is covered or minimised: the window asks for attention
// (urgency hint, focus is not taken) and a notice goes to the desktop's
// notification service on the session bus. Both return at once and need no
// sound: they are called at the end itself, before the sound and any box
// that may come with it, so a box waiting for OK never holds the notice
// back. The bus is reached from a thread of its own on the first notice,
// calls are asynchronous, and without a bus or a service nothing is shown
// and nothing waits. The alarm's notice is critical, which most desktops
// keep on screen until it is dismissed.
void announceCountdownEnd(QWidget *window, uint32_t durationMs);

// A button on a notice, where the service offers them: its caption and what
// it does, run guarded while `owner` still exists.
struct NoticeAction {
    QString caption;
    QPointer<QObject> owner;
    std::function<void()> run;
};
void announceAlarm(QWidget *window, const QString &alarmEntry,
                   std::vector<NoticeAction> actions = {});

// The notices' texts: "1 min 30 sec", "20 sec", "3 min"; "Alarm: 7:00 AM"
// for the alarm entry "7:00 AM", the time named as the user typed it.
QString countdownNoticeBody(uint32_t durationMs);
QString alarmNoticeBody(const QString &alarmEntry);

// The session bus's address: $DBUS_SESSION_BUS_ADDRESS, else the bus socket
// in $XDG_RUNTIME_DIR when there is one; empty when there is no bus. The bus
// is never started on the program's behalf.
QString sessionBusAddress();

// One window's link to the notification service, made on its first notice
// and kept as the window's child. The service's default action ("clicked
// the notice") raises the window. A notice's own actions are offered only
// when the service says it shows actions (its capability "actions").
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QWidget *window);
    ~DesktopNotifier() override;

    static DesktopNotifier *of(QWidget *window);

    enum class Urgency { Normal, Critical };
    void notify(const QString &summary, const QString &body, Urgency urgency = Urgency::Normal,
                std::vector<NoticeAction> actions = {});

private slots:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    struct Notice {
        QString summary;
        QString body;
        Urgency urgency;
        std::vector<NoticeAction> actions;
    };
    void connectInBackground();
    void connectionAttempted();
    void send(const Notice &notice);
    QStringList noticeActions(const Notice &notice) const;

    QWidget *m_window;
    const QString m_connectionName;
    std::unique_ptr<QThread> m_connecting;
    bool m_connected = false;
    std::vector<Notice> m_waiting;
    // Set by the connecting thread before it ends.
    std::atomic<bool> m_offersActions = false;
    // The notices on screen, by the service's number, with their actions.
    QHash<uint, std::vector<NoticeAction>> m_shown;
};
