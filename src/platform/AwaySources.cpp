// SPDX-License-Identifier: MIT
#include "platform/AwaySources.h"

#include "platform/Notifier.h"
#include "platform/RuntimeLibrary.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdlib>

#include <unistd.h>

namespace {
const QString FreedesktopService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString FreedesktopPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString GnomeService = QStringLiteral("org.gnome.ScreenSaver");
const QString GnomePath = QStringLiteral("/org/gnome/ScreenSaver");
const QString ActiveChanged = QStringLiteral("ActiveChanged");

const QString Login = QStringLiteral("org.freedesktop.login1");
const QString LoginPath = QStringLiteral("/org/freedesktop/login1");
const QString LoginManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString LoginSession = QStringLiteral("org.freedesktop.login1.Session");

// The X server's idle time through the screen saver extension, on the
// connection Qt already has. The extension's library is loaded when first
// needed; the program does not link it.
class X11IdleAway : public AwaySource {
public:
    void start() override {}
    void stop() override {}
    void askIdle() override {
        if (!load())
            return;
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return;
        // A request of an extension the server lacks would close the
        // connection, Qt's own with it.
        const xcb_query_extension_reply_t *extension =
            m_api.extensionData(connection, m_api.extensionId);
        if (!extension || !extension->present)
            return;
        const xcb_window_t root = m_api.rootsIterator(m_api.setup(connection)).data->root;
        xcb_screensaver_query_info_reply_t *reply =
            m_api.queryInfoReply(connection, m_api.queryInfo(connection, root), nullptr);
        if (!reply)
            return;
        const qint64 idle = reply->ms_since_user_input;
        std::free(reply);
        emit idleFor(idle);
    }

private:
    struct Api {
        decltype(&xcb_get_extension_data) extensionData = nullptr;
        decltype(&xcb_get_setup) setup = nullptr;
        decltype(&xcb_setup_roots_iterator) rootsIterator = nullptr;
        decltype(&xcb_screensaver_query_info) queryInfo = nullptr;
        decltype(&xcb_screensaver_query_info_reply) queryInfoReply = nullptr;
        xcb_extension_t *extensionId = nullptr;
    };

    bool load() {
        if (m_tried)
            return m_usable;
        m_tried = true;
        RuntimeLibrary xcb("libxcb.so.1");
        xcb.resolve(m_api.extensionData, "xcb_get_extension_data");
        xcb.resolve(m_api.setup, "xcb_get_setup");
        xcb.resolve(m_api.rootsIterator, "xcb_setup_roots_iterator");
        RuntimeLibrary saver("libxcb-screensaver.so.0");
        saver.resolve(m_api.queryInfo, "xcb_screensaver_query_info");
        saver.resolve(m_api.queryInfoReply, "xcb_screensaver_query_info_reply");
        saver.resolve(m_api.extensionId, "xcb_screensaver_id");
        m_usable = xcb.usable() && saver.usable();
        return m_usable;
    }

    Api m_api;
    bool m_tried = false;
    bool m_usable = false;
};
} // namespace

AwayWatch::Sources desktopAwaySources() {
    AwayWatch::Sources sources;
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        sources.push_back(std::make_unique<X11IdleAway>());
    sources.push_back(std::make_unique<ScreenSaverAway>(sessionBusAddress()));
    sources.push_back(std::make_unique<LogindAway>(systemBusAddress()));
    return sources;
}

QString systemBusAddress() {
    const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QString socket = QStringLiteral("/run/dbus/system_bus_socket");
    if (QFileInfo::exists(socket))
        return QStringLiteral("unix:path=") + socket;
    return {};
}

BusAwaySource::BusAwaySource(QString address, const QString &purpose)
    : m_address(std::move(address)),
      m_connectionName(QStringLiteral("chimeral-away-%1-%2")
                           .arg(purpose)
                           .arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

// An attempt still waiting for a bus that never answers holds up the end of
// the program; Qt's own bus thread would wait for it as well.
BusAwaySource::~BusAwaySource() {
    if (m_connecting)
        m_connecting->wait();
    QDBusConnection::disconnectFromBus(m_connectionName);
}

void BusAwaySource::start() {
    m_started = true;
    if (m_connected) {
        if (!m_listening) {
            m_listening = true;
            listen();
        }
        return;
    }
    if (m_tried || m_address.isEmpty())
        return;
    m_tried = true;
    const QString address = m_address;
    const QString name = m_connectionName;
    m_connecting.reset(
        QThread::create([address, name] { QDBusConnection::connectToBus(address, name); }));
    connect(m_connecting.get(), &QThread::finished, this, &BusAwaySource::connectionAttempted,
            Qt::QueuedConnection);
    m_connecting->start();
}

void BusAwaySource::stop() {
    m_started = false;
    if (m_listening) {
        m_listening = false;
        stopListening();
    }
}

void BusAwaySource::connectionAttempted() {
    m_connecting->wait();
    m_connecting.reset();
    m_connected = QDBusConnection(m_connectionName).isConnected();
    if (!m_connected) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        return;
    }
    if (m_started)
        start();
}

ScreenSaverAway::ScreenSaverAway(QString address)
    : BusAwaySource(std::move(address), QStringLiteral("screensaver")) {}

void ScreenSaverAway::listen() {
    QDBusConnection bus(connectionName());
    bus.connect(FreedesktopService, FreedesktopPath, FreedesktopService, ActiveChanged, this,
                SLOT(activeChanged(bool)));
    bus.connect(GnomeService, GnomePath, GnomeService, ActiveChanged, this,
                SLOT(activeChanged(bool)));
}

void ScreenSaverAway::stopListening() {
    QDBusConnection bus(connectionName());
    bus.disconnect(FreedesktopService, FreedesktopPath, FreedesktopService, ActiveChanged, this,
                   SLOT(activeChanged(bool)));
    bus.disconnect(GnomeService, GnomePath, GnomeService, ActiveChanged, this,
                   SLOT(activeChanged(bool)));
}

void ScreenSaverAway::activeChanged(bool active) {
    if (started())
        emit lockChanged(active);
}

// A service without the method, or none at all, answers with an error,
// which says nothing.
void ScreenSaverAway::askIdle() {
    if (!connected() || !started())
        return;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(FreedesktopService, FreedesktopPath, FreedesktopService,
                                       QStringLiteral("GetSessionIdleTime"));
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection(connectionName()).asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<uint> reply = *finished;
                finished->deleteLater();
                if (reply.isValid() && started())
                    emit idleFor(reply.value());
            });
}

LogindAway::LogindAway(QString address)
    : BusAwaySource(std::move(address), QStringLiteral("logind")) {}

void LogindAway::listen() {
    if (m_sessionPath.isEmpty()) {
        findSession();
        return;
    }
    QDBusConnection bus(connectionName());
    bus.connect(Login, m_sessionPath, LoginSession, QStringLiteral("Lock"), this, SLOT(locked()));
    bus.connect(Login, m_sessionPath, LoginSession, QStringLiteral("Unlock"), this,
                SLOT(unlocked()));
    m_matched = true;
}

void LogindAway::stopListening() {
    if (!m_matched)
        return;
    m_matched = false;
    QDBusConnection bus(connectionName());
    bus.disconnect(Login, m_sessionPath, LoginSession, QStringLiteral("Lock"), this,
                   SLOT(locked()));
    bus.disconnect(Login, m_sessionPath, LoginSession, QStringLiteral("Unlock"), this,
                   SLOT(unlocked()));
}

void LogindAway::locked() {
    if (started())
        emit lockChanged(true);
}

void LogindAway::unlocked() {
    if (started())
        emit lockChanged(false);
}

// The session's object is asked for by this process's ID; a process started
// outside any session (by a service manager) takes the user's own session.
// The signals come from the session's real path, never from "auto".
void LogindAway::findSession() {
    if (m_finding)
        return;
    m_finding = true;
    QDBusConnection bus(connectionName());
    QDBusMessage byPid = QDBusMessage::createMethodCall(Login, LoginPath, LoginManager,
                                                        QStringLiteral("GetSessionByPID"));
    byPid << uint(getpid());
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(byPid), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                finished->deleteLater();
                if (reply.isValid()) {
                    sessionFound(reply.value().path());
                    return;
                }
                QDBusMessage own = QDBusMessage::createMethodCall(Login, LoginPath, LoginManager,
                                                                  QStringLiteral("GetSession"));
                own << QStringLiteral("auto");
                auto *second = new QDBusPendingCallWatcher(
                    QDBusConnection(connectionName()).asyncCall(own), this);
                connect(second, &QDBusPendingCallWatcher::finished, this,
                        [this](QDBusPendingCallWatcher *answered) {
                            const QDBusPendingReply<QDBusObjectPath> session = *answered;
                            answered->deleteLater();
                            if (session.isValid())
                                sessionFound(session.value().path());
                        });
            });
}

void LogindAway::sessionFound(const QString &path) {
    m_sessionPath = path;
    if (started() && !m_matched)
        listen();
}
