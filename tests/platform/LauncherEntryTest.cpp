// SPDX-License-Identifier: MIT
#include "platform/LauncherEntry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
// A task manager that notes every Update said on the bus for the entry.
class FakeTaskManager : public QObject {
    Q_OBJECT
public:
    QStringList uris;
    QList<QVariantMap> updates;

public slots:
    void update(const QString &uri, const QVariantMap &properties) {
        uris << uri;
        updates << properties;
    }
};
} // namespace

// Each change is said once, for the program's menu entry; the same value
// again says nothing. The end of the object takes the bar and the request
// for attention away.
TEST(LauncherEntryOnTheBus, SaysEachChangeAndClearsAtTheEnd) {
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(daemon.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    FakeTaskManager taskManager;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, "fake-task-manager");
        ASSERT_TRUE(bus.isConnected());
        bus.connect(QString(), LauncherEntry::objectPath(), "com.canonical.Unity.LauncherEntry",
                    "Update", &taskManager, SLOT(update(QString, QVariantMap)));
        // Answered once the match above is in place.
        bus.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                "org.freedesktop.DBus", "GetId"));
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8().constData(), 1);
    const auto heard = [&](qsizetype count) {
        return QTest::qWaitFor([&] { return taskManager.updates.size() >= count; }, 10000);
    };

    const auto bar = [](double progress) {
        return QVariantMap{{"progress", progress}, {"progress-visible", true}};
    };
    auto entry = std::make_unique<LauncherEntry>();
    const struct {
        std::optional<double> progress;
        bool urgent;
        QVariantMap said;
    } steps[] = {
        {0.25, false, bar(0.25)},
        {0.5, false, bar(0.5)},
        {0.5, true, {{"urgent", true}}},
        {0.5, false, {{"urgent", false}}},
        {std::nullopt, false, {{"progress-visible", false}}},
        {0.75, false, bar(0.75)},
        {0.75, true, {{"urgent", true}}},
    };
    qsizetype count = 0;
    for (const auto &step : steps) {
        entry->setProgress(step.progress);
        entry->setProgress(step.progress);
        entry->setUrgent(step.urgent);
        ASSERT_TRUE(heard(++count)) << count;
        EXPECT_EQ(taskManager.updates.last(), step.said) << count;
    }
    entry.reset();
    EXPECT_TRUE(heard(++count));
    EXPECT_EQ(taskManager.updates.last(),
              (QVariantMap{{"progress-visible", false}, {"urgent", false}}));
    EXPECT_EQ(taskManager.updates.size(), count);
    EXPECT_EQ(taskManager.uris,
              QStringList(count, "application://io.github.chimeral.Chimeral.desktop"));

    QDBusConnection::disconnectFromBus("fake-task-manager");
    daemon.kill();
    daemon.waitForFinished();
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

#include "LauncherEntryTest.moc"
