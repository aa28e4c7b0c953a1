// SPDX-License-Identifier: MIT
#include "platform/LauncherEntry.h"

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QThread>

namespace {
const QString Interface = QStringLiteral("com.canonical.Unity.LauncherEntry");
} // namespace

QString LauncherEntry::applicationUri() {
    return QStringLiteral("application://" CHIMERAL_APP_ID ".desktop");
}

QString LauncherEntry::objectPath() {
    return QStringLiteral("/io/github/chimeral/LauncherEntry");
}

LauncherEntry::LauncherEntry(QObject *parent)
    : QObject(parent),
      m_connectionName(
          QStringLiteral("chimeral-launcher-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

// A bar left behind would stay on the icon after the program has gone. The
// signal is only queued by send(): a call to the bus, answered after it, makes
// sure it has left before the connection closes.
LauncherEntry::~LauncherEntry() {
    if (m_connecting)
        m_connecting->wait();
    QDBusConnection bus(m_connectionName);
    if (bus.isConnected() && (m_said.progress || m_said.urgent)) {
        send({{QStringLiteral("progress-visible"), false}, {QStringLiteral("urgent"), false}});
        constexpr int flushTimeoutMs = 1000;
        bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("/org/freedesktop/DBus"),
                                                QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("GetId")),
                 QDBus::Block, flushTimeoutMs);
    }
    QDBusConnection::disconnectFromBus(m_connectionName);
}

void LauncherEntry::setProgress(std::optional<double> progress) {
    m_wanted.progress = progress;
    update();
}

void LauncherEntry::setUrgent(bool urgent) {
    m_wanted.urgent = urgent;
    update();
}

void LauncherEntry::update() {
    if (m_unreachable || m_connecting)
        return;
    if (!m_connected) {
        // Nothing shown yet and nothing to show: the bus is not needed.
        if (!m_wanted.progress && !m_wanted.urgent && !m_said.progress && !m_said.urgent)
            return;
        connectInBackground();
        return;
    }
    QVariantMap properties;
    if (m_wanted.progress != m_said.progress) {
        if (m_wanted.progress)
            properties.insert(QStringLiteral("progress"), *m_wanted.progress);
        properties.insert(QStringLiteral("progress-visible"), m_wanted.progress.has_value());
    }
    if (m_wanted.urgent != m_said.urgent)
        properties.insert(QStringLiteral("urgent"), m_wanted.urgent);
    m_said = m_wanted;
    if (!properties.isEmpty())
        send(properties);
}

// Connecting waits for the bus's answer, which a hung bus may never give;
// the thread keeps that wait away from the window's ticks.
void LauncherEntry::connectInBackground() {
    const QString address = sessionBusAddress();
    if (address.isEmpty()) {
        m_unreachable = true;
        return;
    }
    const QString name = m_connectionName;
    m_connecting.reset(
        QThread::create([address, name] { QDBusConnection::connectToBus(address, name); }));
    connect(m_connecting.get(), &QThread::finished, this, &LauncherEntry::connectionAttempted,
            Qt::QueuedConnection);
    m_connecting->start();
}

void LauncherEntry::connectionAttempted() {
    m_connecting->wait();
    m_connecting.reset();
    m_connected = QDBusConnection(m_connectionName).isConnected();
    if (!m_connected) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        m_unreachable = true;
        return;
    }
    update();
}

void LauncherEntry::send(const QVariantMap &properties) {
    QDBusMessage message =
        QDBusMessage::createSignal(objectPath(), Interface, QStringLiteral("Update"));
    message << applicationUri() << properties;
    QDBusConnection(m_connectionName).send(message);
}
