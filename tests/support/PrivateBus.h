// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QVariantList>

#include <cstdlib>

// A bus of the test's own, standing in for both the session and the system
// bus.
class PrivateBus {
public:
    PrivateBus() {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (daemon.waitForReadyRead(10000))
            address = QString::fromUtf8(daemon.readLine()).trimmed();
        service = QDBusConnection::connectToBus(address, "fake-desktop");
        setenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8().constData(), 1);
        setenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8().constData(), 1);
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus("fake-desktop");
        daemon.kill();
        daemon.waitForFinished();
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
        setenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:", 1);
    }
    void offer(const QString &name, const QString &path, QObject *object) {
        service.registerService(name);
        service.registerObject(path, object, QDBusConnection::ExportAllSlots);
    }
    void signal(const QString &path, const QString &interface, const QString &name,
                const QVariantList &arguments = {}) {
        QDBusMessage message = QDBusMessage::createSignal(path, interface, name);
        message.setArguments(arguments);
        service.send(message);
    }

    QProcess daemon;
    QString address;
    QDBusConnection service{QString()};
};
