// SPDX-License-Identifier: MIT
// The time away from the desk during a recording, through the Time Record tab
// with the session's screen saver faked on a bus of the test's own.
#include "ProjectFormFixture.h"

#include "platform/AwayWatch.h"
#include "projects/TimeRecorder.h"
#include "support/PrivateBus.h"

#include <QLabel>

#include <string>
#include <vector>

using Rows = std::vector<std::vector<std::string>>;

namespace {
// The screen saver as the program sees it: it answers the idle time it is
// given.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    uint idleMs = 0;
    int asked = 0;

public slots:
    uint GetSessionIdleTime() {
        ++asked;
        return idleMs;
    }
};

// The questions are recorded and answered with `discard`; `whileAsked` runs
// while one is open.
class AwayTime : public ProjectFormTest {
protected:
    void SetUp() override {
        ProjectFormTest::SetUp();
        now = {2026, 3, 9, 10, 0, 0, 0};
        bus.offer("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", &saver);
        setQuestionHandler([this](const std::string &text, const std::string &caption) {
            asked.push_back(caption + "|" + text);
            if (whileAsked)
                whileAsked();
            return discard;
        });
    }
    void TearDown() override {
        setQuestionHandler({});
        ProjectFormTest::TearDown();
    }

    AwayWatch &watch() { return *form->findChild<AwayWatch *>(); }

    // One question of the watch, asked again until the screen saver has
    // answered (its connection comes up in a thread of its own), and `done`
    // once the watch has the answer: no answer is left to come after the
    // clock moves on.
    void pollUntil(int hour, int minute, qint64 idleMs, const std::function<bool()> &done) {
        now.hour = static_cast<int16_t>(hour);
        now.minute = static_cast<int16_t>(minute);
        saver.idleMs = static_cast<uint>(idleMs);
        const int before = saver.asked;
        for (int attempt = 0; attempt < 20; ++attempt) {
            timer("AwayPoll").fire();
            if (QTest::qWaitFor([&] { return saver.asked > before; }, 500))
                break;
        }
        ASSERT_GT(saver.asked, before);
        ASSERT_TRUE(QTest::qWaitFor(done, 10000));
    }
    // No input since hour:minute, seen 18 minutes later.
    void idleSince(int hour, int minute) {
        pollUntil(hour, minute + 18, 18 * 60 * 1000,
                  [&] { return watch().awaySince().has_value(); });
    }
    // A key at hour:minute, seen a minute later.
    void inputAt(int hour, int minute) {
        const size_t before = asked.size();
        pollUntil(hour, minute + 1, 60 * 1000, [&] { return asked.size() > before; });
    }
    // The count moves only by the test's ticks, however long the bus takes.
    void record(const char *project) {
        typeProject(project);
        click("Button11");
        timer("TRTimer").setInterval(24 * 3600 * 1000);
    }

    PrivateBus bus;
    FakeScreenSaver saver;
    std::vector<std::string> asked;
    std::function<void()> whileAsked;
    bool discard = true;
};
} // namespace

// The minutes named leave the count and the journal at once: a run killed
// after the answer is recovered without them.
TEST_F(AwayTime, DiscardTakesTheMinutesOutOfTheRecordingAndItsJournal) {
    startWithDatabase();
    record("Thesis");
    tick(41 * 60);
    idleSince(10, 12);
    inputAt(10, 40);
    EXPECT_EQ(asked, std::vector<std::string>{"Time Record|You were away from 10:12 to 10:40 (28 "
                                              "minutes) while recording Thesis."});
    EXPECT_EQ(shown("StopLabel2"), "13:00");
    EXPECT_EQ(form->findChild<TimeRecorder *>()->recordedSeconds(), 13u * 60);
    EXPECT_EQ(readRecordingJournal(journal())->minutes, 13u);

    form.reset(); // gone without a close, as a kill leaves it
    startWithDatabase();
    EXPECT_EQ(rows("select minutes_worked from times", 1), Rows({{"13"}}));
}

// A Stop while the user is still away asks about the time up to now; a Stop
// while the question is open (the panel icon's menu) stores what it answers.
TEST_F(AwayTime, StopAsksBeforeItStores) {
    startWithDatabase();
    record("Thesis");
    tick(30 * 60);
    idleSince(10, 12);
    click("Button11");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Time Record|You were away from 10:12 to 10:30 (18 minutes) while "
                        "recording Thesis.");
    EXPECT_EQ(rows("select minutes_worked from times", 1), Rows({{"12"}}));

    now.hour = 11;
    now.minute = 0;
    record("Thesis");
    tick(60 * 60);
    idleSince(11, 5);
    discard = false;
    whileAsked = [this] {
        click("Button11");
        EXPECT_EQ(timesRows().size(), 1u) << "stored before the answer";
    };
    inputAt(11, 41);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(rows("select minutes_worked from times", 1), Rows({{"12"}, {"60"}}));
}

// The watch runs while a recording counts, unless the options turn it off.
TEST_F(AwayTime, WatchesWhileARecordingCounts) {
    for (const int limit : {15, 0}) {
        SCOPED_TRACE(limit);
        std::ofstream(config.filePath("chimeral.ini").toStdString(), std::ios::binary)
            << "ALARMSOUND=alarm.wav\r\nAWAYMINUTES=" << limit << "\r\n";
        startWithDatabase();
        const bool on = limit > 0;
        EXPECT_FALSE(watch().watching());
        record("Thesis");
        EXPECT_EQ(watch().watching(), on);
        click("PauseButton");
        EXPECT_FALSE(watch().watching());
        click("PauseButton");
        EXPECT_EQ(watch().watching(), on);
        tick(60);
        click("Button11");
        EXPECT_FALSE(watch().watching());
        form.reset();
    }
}

#include "AwayTimeTest.moc"
