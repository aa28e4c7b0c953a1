// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"
#include "support/SoundFiles.h"
#include "ui_TMainForm.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// The desktop's notification service as the program sees it: records every
// notice and answers with its number.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notice {
        QString app, icon, summary, body;
        QStringList actions;
        QVariantMap hints;
    };
    std::vector<Notice> notices;

public slots:
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int) {
        notices.push_back({app, icon, summary, body, actions, hints});
        return 40 + static_cast<uint>(notices.size());
    }
};

// A session bus of the test's own, with the fake service on it.
class PrivateBus {
public:
    PrivateBus() {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (daemon.waitForReadyRead(10000))
            address = QString::fromUtf8(daemon.readLine()).trimmed();
        service = QDBusConnection::connectToBus(address, "fake-notifications");
        service.registerService("org.freedesktop.Notifications");
        service.registerObject("/org/freedesktop/Notifications", &fake,
                               QDBusConnection::ExportAllSlots);
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus("fake-notifications");
        daemon.kill();
        daemon.waitForFinished();
    }

    void invokeDefaultAction(uint id) {
        QDBusMessage signal = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        signal << id << QString("default");
        service.send(signal);
    }

    QProcess daemon;
    QString address;
    QDBusConnection service{QString()};
    FakeNotifications fake;
};

class Desktop : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        setenv("XDG_RUNTIME_DIR", runtime.path().toUtf8().constData(), 1);
    }
    void TearDown() override {
        MainFormTest::TearDown();
        setenv("DBUS_SESSION_BUS_ADDRESS", noBus.constData(), 1);
    }
    QTemporaryDir runtime;
    const QByteArray noBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
};

QString accessibleName(QObject *object) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString("(no interface)");
}
} // namespace

TEST_F(Desktop, CountdownEndAndAlarmAreNotifiedAndTheNoticeRaisesTheWindow) {
    PrivateBus bus;
    ASSERT_TRUE(bus.service.isConnected()) << bus.address.toStdString();
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.address.toUtf8().constData(), 1);
    auto &w = startForm();
    w.AlarmSoundFile = cwd.file("alarm.wav");
    writeFile(w.AlarmSoundFile, sineWave(0.3));
    w.TimerSoundFile = w.AlarmSoundFile;
    auto &notices = bus.fake.notices;

    w.ui->Button2->click();
    w.ShortTimer.fire();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 1; }, 10000));
    EXPECT_EQ(notices[0].summary, "Countdown finished");
    EXPECT_EQ(notices[0].body, "1 min 30 sec");
    EXPECT_EQ(notices[0].app, "Timer and Alarm Clock");
    EXPECT_EQ(notices[0].icon, CHIMERAL_APP_ID);
    EXPECT_EQ(notices[0].hints.value("desktop-entry").toString(), CHIMERAL_APP_ID);
    EXPECT_TRUE(notices[0].actions.contains("default"));
    EXPECT_FALSE(notices[0].hints.contains("urgency"));

    w.ui->Edit1->setText("7:05 PM");
    w.ui->Button5->click();
    w.AlarmTimer.fire();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 2; }, 10000));
    EXPECT_EQ(notices[1].summary, "Alarm");
    EXPECT_EQ(notices[1].body, "Alarm: 7:05 PM");
    EXPECT_EQ(notices[1].hints.value("urgency"), QVariant::fromValue(uchar(2)));

    w.showMinimized();
    QCoreApplication::processEvents();
    bus.invokeDefaultAction(99); // not ours: nothing happens
    bus.invokeDefaultAction(42);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isMinimized(); }, 10000));
    EXPECT_TRUE(w.isVisible());
}

// A bus that takes the connection and never answers: the end sequence is
// over while the attempt to reach the bus still waits.
TEST_F(Desktop, AHungBusDoesNotHoldUpTheEndOfTheCountdown) {
    const std::string path = cwd.file("hung-bus");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + path).c_str(), 1);

    auto &w = startForm();
    w.ui->Button1->click();
    ::alarm(60); // a program that waits for this bus waits for ever: end the test then
    w.ShortTimer.fire();
    ::alarm(0);
    EXPECT_EQ(w.ui->ShortLabel->text(), "Done");
    EXPECT_EQ(w.ui->SecondLabel->text(), "0");

    pollfd waiting{listener, POLLIN, 0};
    ASSERT_EQ(::poll(&waiting, 1, 10000), 1) << "the program never tried the bus";
    const int connection = ::accept(listener, nullptr, nullptr);
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::recv(connection, buffer, sizeof buffer, MSG_DONTWAIT)) > 0) {
    }
    EXPECT_EQ(got, -1) << "the program gave up on the bus before the end sequence was over";
    ::close(connection); // lets the attempt fail, so the window can close
    ::close(listener);
}

TEST_F(Desktop, InputsAndStatusLabelsHaveNames) {
    auto &w = startForm();
    auto &ui = *w.ui;
    const std::pair<QWidget *, const char *> inputs[] = {
        {ui.Edit2, "Countdown duration"},
        {ui.Edit1, "Alarm time"},
        {ui.ProjectBox, "Project"},
        {ui.ProjectBox->lineEdit(), "Project name"},
        {ui.YearEdit, "Year"},
        {ui.MonthEdit, "Month"},
        {ui.DayEdit, "Day"}};
    for (const auto &[input, name] : inputs) {
        EXPECT_EQ(accessibleName(input), name);
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(input)->text(QAccessible::Description).isEmpty())
            << name;
    }
    const auto labelled =
        QAccessible::queryAccessibleInterface(ui.YearEdit)->relations(QAccessible::Label);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled[0].first->object(), ui.Label1);

    // Blank labels are read by what they are for; shown ones by their text.
    EXPECT_EQ(accessibleName(ui.ShortLabel), "Countdown status");
    EXPECT_EQ(accessibleName(ui.SecondLabel), "Countdown time left");
    EXPECT_EQ(accessibleName(ui.AlarmLabel), "Alarm status");
    EXPECT_EQ(accessibleName(ui.QueryLabel), "Minutes since the date");
    ui.Button3->click();
    EXPECT_EQ(accessibleName(ui.ShortLabel), "Counting...");
    EXPECT_EQ(accessibleName(ui.SecondLabel), "180");
    w.Clearing();
    EXPECT_EQ(accessibleName(ui.ShortLabel), "Countdown status");
}

TEST_F(Desktop, EnterPressesTheButtonBesideTheEntry) {
    auto &w = startForm();
    auto &ui = *w.ui;
    w.show();
    messages.messages.clear();

    ui.Edit2->setText("1:30");
    QTest::keyClick(ui.Edit2, Qt::Key_Return);
    EXPECT_EQ(ui.ShortLabel->text(), "Counting...");
    EXPECT_EQ(ui.SecondLabel->text(), "90");

    ui.Edit1->setText("7:00 AM");
    QTest::keyClick(ui.Edit1, Qt::Key_Enter);
    EXPECT_EQ(ui.AlarmLabel->text(), "Activated...");

    // Start/Stop runs once per Enter: here it stops at its first check.
    ui.Page1->setCurrentWidget(ui.TimeRecord);
    QTest::keyClick(ui.ProjectBox->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"You must have a project selected!"});
    EXPECT_FALSE(w.Recording);
}

#include "DesktopTest.moc"
