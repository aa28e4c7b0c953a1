// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"
#include "support/SoundFiles.h"

#include "projects/TimeRecordRules.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// The desktop's notification service as the program sees it: records every
// notice and answers with its number; offers what `capabilities` lists.
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
    QStringList capabilities;

public slots:
    QStringList GetCapabilities() { return capabilities; }
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

    void invokeDefaultAction(uint id) { invokeAction(id, "default"); }
    void invokeAction(uint id, const QString &key) {
        QDBusMessage signal = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        signal << id << key;
        service.send(signal);
    }
    // The key of the notice's action with this caption, as the user's click
    // on it sends it.
    void clickAction(uint id, const QString &caption) {
        const QStringList &actions = fake.notices.at(id - 41).actions;
        const qsizetype at = actions.indexOf(caption);
        ASSERT_GT(at, 0) << caption.toStdString();
        invokeAction(id, actions[at - 1]);
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
    const std::string sound = cwd.file("alarm.wav");
    writeFile(sound, sineWave(0.3));
    writeOptions(sound, sound);
    auto &w = startForm();
    auto &notices = bus.fake.notices;

    // On a card without a mixer the end's unmute box waits for the user; the
    // notice has gone out before it.
    openTab("TabSheet1");
    widget<QPushButton>("Button2")->click();
    FakeMixerSystem noMixer;
    setSystemMixer(&noMixer);
    messages.messages.clear();
    size_t noticesWhileBoxOpen = 0;
    messages.whileOpen = [&](const RecordedMessage &) {
        (void)QTest::qWaitFor([&] { return !notices.empty(); }, 10000);
        noticesWhileBoxOpen = notices.size();
    };
    timer("ShortTimer").fire();
    messages.whileOpen = {};
    setSystemMixer(&mixer);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Could not unmute speakers"});
    EXPECT_EQ(noticesWhileBoxOpen, 1u);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].summary, "Countdown finished");
    EXPECT_EQ(notices[0].body, "1 min 30 sec");
    EXPECT_EQ(notices[0].app, "Timer and Alarm Clock");
    EXPECT_EQ(notices[0].icon, CHIMERAL_APP_ID);
    EXPECT_EQ(notices[0].hints.value("desktop-entry").toString(), CHIMERAL_APP_ID);
    EXPECT_TRUE(notices[0].actions.contains("default"));
    EXPECT_FALSE(notices[0].hints.contains("urgency"));

    w.setAlarm("7:05 PM");
    timer("AlarmTimer").fire();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 2; }, 10000));
    EXPECT_EQ(notices[1].summary, "Alarm");
    EXPECT_EQ(notices[1].body, "Alarm: 7:05 PM");
    EXPECT_EQ(notices[1].hints.value("urgency"), QVariant::fromValue(uchar(2)));
    EXPECT_FALSE(notices[1].actions.contains("Snooze")) << "the service shows no actions";

    w.showMinimized();
    QCoreApplication::processEvents();
    bus.invokeDefaultAction(99); // not ours: nothing happens
    bus.invokeDefaultAction(42);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isMinimized(); }, 10000));
    EXPECT_TRUE(w.isVisible());
}

// Where the service shows actions, the alarm's notice snoozes and stops it
// as the buttons do, and the snoozed ring sends its notice again.
TEST_F(Desktop, TheAlarmNoticeSnoozesAndStopsTheAlarm) {
    PrivateBus bus;
    ASSERT_TRUE(bus.service.isConnected()) << bus.address.toStdString();
    bus.fake.capabilities = {"body", "actions"};
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.address.toUtf8().constData(), 1);
    const std::string sound = cwd.file("alarm.wav");
    writeFile(sound, sineWave(0.3));
    writeOptions(sound, sound);
    auto &w = startForm();
    openTab("TabSheet2");
    auto &notices = bus.fake.notices;
    auto *label = widget<QLabel>("AlarmLabel");

    w.setAlarm("7:00 AM");
    timer("AlarmTimer").fire();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 1; }, 10000));
    bus.clickAction(41, "Snooze");
    EXPECT_TRUE(QTest::qWaitFor([&] { return label->text().startsWith("Snoozed until "); }, 10000));

    timer("AlarmTimer").fire();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 2; }, 10000));
    EXPECT_EQ(notices[1].body, "Alarm: 7:00 AM");
    bus.clickAction(42, "Stop");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !widget<QPushButton>("StopButton")->isEnabled(); }, 10000));
    EXPECT_EQ(label->text().trimmed(), "");
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

    startForm();
    openTab("TabSheet1");
    widget<QPushButton>("Button1")->click();
    ::alarm(60); // a program that waits for this bus waits for ever: end the test then
    timer("ShortTimer").fire();
    ::alarm(0);
    EXPECT_EQ(widget<QLabel>("ShortLabel")->text(), "Done");
    EXPECT_EQ(widget<QLabel>("SecondLabel")->text(), "0");

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
    startForm();
    for (const char *page : {"TabSheet1", "TabSheet2", "TimeRecord", "TabSheet4"})
        openTab(page);
    const auto named = [this](const char *name) { return widget<QWidget>(name); };
    const std::pair<QWidget *, const char *> inputs[] = {
        {named("Edit2"), "Countdown duration"},
        {named("Edit1"), "Alarm time"},
        {named("ProjectBox"), "Project"},
        {widget<QComboBox>("ProjectBox")->lineEdit(), "Project name"},
        {named("YearEdit"), "Year"},
        {named("MonthEdit"), "Month"},
        {named("DayEdit"), "Day"}};
    for (const auto &[input, name] : inputs) {
        EXPECT_EQ(accessibleName(input), name);
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(input)->text(QAccessible::Description).isEmpty())
            << name;
    }
    const auto labelled =
        QAccessible::queryAccessibleInterface(named("YearEdit"))->relations(QAccessible::Label);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled[0].first->object(), named("Label1"));

    // Blank labels are read by what they are for; shown ones by their text.
    EXPECT_EQ(accessibleName(named("ShortLabel")), "Countdown status");
    EXPECT_EQ(accessibleName(named("SecondLabel")), "Countdown time left");
    EXPECT_EQ(accessibleName(named("AlarmLabel")), "Alarm status");
    EXPECT_EQ(accessibleName(named("QueryLabel")), "Minutes since the date");
    widget<QPushButton>("Button3")->click();
    EXPECT_EQ(accessibleName(named("ShortLabel")), "Counting...");
    EXPECT_EQ(accessibleName(named("SecondLabel")), "180");
    timer("ShortTimer").fire();
    timer("ClearTimer").fire();
    EXPECT_EQ(accessibleName(named("ShortLabel")), "Countdown status");

    // The SQL Client's tip says what it would start, when it is shown.
    QHelpEvent tip(QEvent::ToolTip, {5, 5}, named("Button12")->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(named("Button12"), &tip);
    EXPECT_EQ(named("Button12")->toolTip().toStdString(), sqlClientToolTip());
    EXPECT_FALSE(named("Button12")->toolTip().isEmpty());
}

// Keys go where the user's keyboard sends them: to the widget that has the
// focus after a click into the entry.
TEST_F(Desktop, EnterPressesTheButtonBesideTheEntry) {
    writeOptions("alarm.wav", "timer.wav");
    auto &w = startForm();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const auto typeInto = [](QWidget *entry, const QString &text, Qt::Key key) {
        QTest::mouseClick(entry, Qt::LeftButton);
        QWidget *focused = QApplication::focusWidget();
        ASSERT_TRUE(focused);
        QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused, text);
        QTest::keyClick(QApplication::focusWidget(), key);
    };
    messages.messages.clear();

    openTab("TabSheet1");
    typeInto(widget<QWidget>("Edit2"), "1:30", Qt::Key_Return);
    EXPECT_EQ(widget<QLabel>("ShortLabel")->text(), "Counting...");
    EXPECT_EQ(widget<QLabel>("SecondLabel")->text(), "90");

    openTab("TabSheet2");
    typeInto(widget<QWidget>("Edit1"), "7:00 AM", Qt::Key_Enter);
    EXPECT_EQ(widget<QLabel>("AlarmLabel")->text(), "Activated...");

    // Start/Stop runs once per Enter, Return or the keypad's.
    openTab("TimeRecord");
    auto *box = widget<QComboBox>("ProjectBox");
    typeInto(box, "Thesis", Qt::Key_Return);
    EXPECT_EQ(widget<QPushButton>("Button11")->text(), "Stop");
    EXPECT_EQ(box->currentText(), "Thesis");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(widget<QPushButton>("Button11")->text(), "Start");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Not worth recording less than a minute"});
    // The box keeps its name whatever it holds.
    EXPECT_EQ(accessibleName(box), "Project");
}

// The project box keeps its name and still offers what a combo box offers a
// screen reader: the list with one item per project, the edit, and the action
// that opens the list.
TEST_F(Desktop, TheProjectBoxOffersItsListEditAndOpenAction) {
    writeOptions("alarm.wav", "timer.wav");
    auto &w = startForm();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    openTab("TimeRecord");
    auto *box = widget<QComboBox>("ProjectBox");
    // Each Start stores its project: two projects in the list.
    for (const char *project : {"Alpha", "Beta"}) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), project);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    ASSERT_EQ(box->count(), 2);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(iface->text(QAccessible::Name), "Project");
    ASSERT_EQ(iface->childCount(), 2);
    QAccessibleInterface *list = iface->child(0);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "Beta");
    EXPECT_EQ(iface->child(1)->object(), box->lineEdit());
    EXPECT_EQ(iface->indexOfChild(iface->child(1)), 1);

    QAccessibleActionInterface *actions = iface->actionInterface();
    ASSERT_TRUE(actions);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(box->view()->isVisible());
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(box->view()->isVisible());
}

#include "DesktopTest.moc"
