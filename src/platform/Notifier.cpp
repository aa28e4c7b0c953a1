// SPDX-License-Identifier: MIT
#include "platform/Notifier.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QThread>
#include <QVariantMap>
#include <QWidget>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");

// The name of the menu entry and of the icon the package installs.
const QString AppId = QStringLiteral(CHIMERAL_APP_ID);

void announce(QWidget *window, const QString &summary, const QString &body,
              DesktopNotifier::Urgency urgency, std::vector<NoticeAction> actions = {}) {
    if (!window)
        return;
    QApplication::alert(window);
    DesktopNotifier::of(window)->notify(summary, body, urgency, std::move(actions));
}

// The keys the service hands back in ActionInvoked: "default" is the notice
// itself, the notice's own actions are numbered.
const QString DefaultAction = QStringLiteral("default");
QString actionKey(size_t index) {
    return QStringLiteral("action-%1").arg(index);
}
} // namespace

void announceCountdownEnd(QWidget *window, uint32_t durationMs) {
    announce(window, QCoreApplication::translate("Notifier", "Countdown finished"),
             countdownNoticeBody(durationMs), DesktopNotifier::Urgency::Normal);
}

void announceAlarm(QWidget *window, const QString &alarmEntry, std::vector<NoticeAction> actions) {
    announce(window, QCoreApplication::translate("Notifier", "Alarm"), alarmNoticeBody(alarmEntry),
             DesktopNotifier::Urgency::Critical, std::move(actions));
}

QString countdownNoticeBody(uint32_t durationMs) {
    const uint32_t total = durationMs / 1000;
    const uint32_t minutes = total / 60;
    const uint32_t seconds = total % 60;
    if (minutes == 0)
        return QCoreApplication::translate("Notifier", "%1 sec").arg(seconds);
    if (seconds == 0)
        return QCoreApplication::translate("Notifier", "%1 min").arg(minutes);
    return QCoreApplication::translate("Notifier", "%1 min %2 sec").arg(minutes).arg(seconds);
}

// A reformatted time ("07:00" for "7:00 AM") would read differently from
// what the user set, so the entry is named as typed.
QString alarmNoticeBody(const QString &alarmEntry) {
    return QCoreApplication::translate("Notifier", "Alarm: %1").arg(alarmEntry.trimmed());
}

QString sessionBusAddress() {
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return QStringLiteral("unix:path=") + runtime + QStringLiteral("/bus");
    return {};
}

DesktopNotifier::DesktopNotifier(QWidget *window)
    : QObject(window), m_window(window),
      m_connectionName(
          QStringLiteral("chimeral-notices-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

// An attempt still waiting for a bus that never answers holds up the end of
// the program; Qt's own bus thread would wait for it as well.
DesktopNotifier::~DesktopNotifier() {
    if (m_connecting)
        m_connecting->wait();
    QDBusConnection::disconnectFromBus(m_connectionName);
}

DesktopNotifier *DesktopNotifier::of(QWidget *window) {
    if (auto *notifier =
            window->findChild<DesktopNotifier *>(QString(), Qt::FindDirectChildrenOnly))
        return notifier;
    return new DesktopNotifier(window);
}

void DesktopNotifier::notify(const QString &summary, const QString &body, Urgency urgency,
                             std::vector<NoticeAction> actions) {
    if (m_connected && QDBusConnection(m_connectionName).isConnected()) {
        send({summary, body, urgency, std::move(actions)});
        return;
    }
    m_waiting.push_back({summary, body, urgency, std::move(actions)});
    if (!m_connecting)
        connectInBackground();
}

// Connecting waits for the bus's answer, which a hung bus may never give;
// the thread keeps that wait away from the window's ticks.
void DesktopNotifier::connectInBackground() {
    const QString address = sessionBusAddress();
    if (address.isEmpty()) {
        m_waiting.clear();
        return;
    }
    if (m_connected) { // the bus went away since: start afresh
        QDBusConnection::disconnectFromBus(m_connectionName);
        m_connected = false;
    }
    const QString name = m_connectionName;
    m_connecting.reset(QThread::create([this, address, name] {
        QDBusConnection bus = QDBusConnection::connectToBus(address, name);
        if (!bus.isConnected())
            return;
        bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                    SLOT(actionInvoked(uint, QString)));
        bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                    SLOT(notificationClosed(uint, uint)));
        // Asked once per connection; a service that does not answer in time
        // gets notices without buttons.
        constexpr int capabilitiesTimeoutMs = 3000;
        const QDBusMessage reply =
            bus.call(QDBusMessage::createMethodCall(Service, Path, Interface,
                                                    QStringLiteral("GetCapabilities")),
                     QDBus::Block, capabilitiesTimeoutMs);
        m_offersActions =
            reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
            reply.arguments().first().toStringList().contains(QStringLiteral("actions"));
    }));
    connect(m_connecting.get(), &QThread::finished, this, &DesktopNotifier::connectionAttempted,
            Qt::QueuedConnection);
    m_connecting->start();
}

void DesktopNotifier::connectionAttempted() {
    m_connecting->wait();
    m_connecting.reset();
    m_connected = QDBusConnection(m_connectionName).isConnected();
    std::vector<Notice> waiting;
    waiting.swap(m_waiting);
    if (!m_connected) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        return;
    }
    for (const Notice &notice : waiting)
        send(notice);
}

void DesktopNotifier::send(const Notice &notice) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    QVariantMap hints{{QStringLiteral("desktop-entry"), AppId}};
    // The service reads the urgency as a byte: 2 is critical.
    if (notice.urgency == Urgency::Critical)
        hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2)));
    call << QString::fromStdString(applicationTitle()) << uint(0) << AppId << notice.summary
         << notice.body << noticeActions(notice) << hints << int(-1);
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection(m_connectionName).asyncCall(call), this);
    std::vector<NoticeAction> actions =
        m_offersActions ? notice.actions : std::vector<NoticeAction>{};
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, actions = std::move(actions)](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isValid())
                    m_shown.insert(reply.value(), actions);
                finished->deleteLater();
            });
}

// Pairs of key and caption, as the service takes them.
QStringList DesktopNotifier::noticeActions(const Notice &notice) const {
    QStringList pairs{DefaultAction, QCoreApplication::translate("Notifier", "Show")};
    if (m_offersActions)
        for (size_t i = 0; i < notice.actions.size(); ++i)
            pairs << actionKey(i) << notice.actions[i].caption;
    return pairs;
}

void DesktopNotifier::actionInvoked(uint id, const QString &action) {
    const auto shown = m_shown.constFind(id);
    if (shown == m_shown.constEnd())
        return;
    const std::vector<NoticeAction> &actions = *shown;
    for (size_t i = 0; i < actions.size(); ++i) {
        if (action == actionKey(i)) {
            // A copy: what the action does may change the notices.
            const NoticeAction invoked = actions[i];
            if (invoked.owner && invoked.run)
                runGuarded(invoked.run);
            return;
        }
    }
    if (action != DefaultAction)
        return;
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void DesktopNotifier::notificationClosed(uint id, uint) {
    m_shown.remove(id);
}
