// SPDX-License-Identifier: MIT
// The program itself, run as a child process in a temporary folder, ended in
// the ways a desktop session ends programs: a running recording must reach
// the database every time.
#include "options/FileBytes.h"
#include "projects/ProjectFormFixture.h"
#include "projects/RecordingJournal.h"
#include "projects/TimeRecordRules.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

namespace {

class RecordingSurvival : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(folder.filePath("chimeral.ini").toStdString(),
                   "ALARMSOUND=alarm.wav\r\nTIMERSOUND=timer.wav\r\n");
    }
    void TearDown() override {
        for (auto &child : children)
            if (child->state() != QProcess::NotRunning) {
                child->kill();
                child->waitForFinished(2000);
            }
    }

    // The program with each recorder second 5 ms long, so a counted minute
    // (and with it a journal write) passes in a third of a second.
    // A start in the same folder with the same options folder hands over to
    // the window already running, so a second window needs its own options.
    QProcess &start(const QString &record = {}, const QString &config = {},
                    const QStringList &arguments = {}, bool realBoxes = false) {
        auto &child = *children.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "disk");
        env.insert("SDL_DISKAUDIOFILE", folder.filePath("audio.raw"));
        env.insert("XDG_CONFIG_HOME", config.isEmpty() ? folder.path() : config);
        if (!realBoxes)
            env.insert("CHIMERAL_TEST_MESSAGES", folder.filePath("messages.txt"));
        env.insert("CHIMERAL_TEST_SECOND_MS", "5");
        if (!record.isEmpty())
            env.insert("CHIMERAL_TEST_RECORD", record);
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(folder.path());
        child.start(CHIMERAL_PROGRAM, arguments);
        EXPECT_TRUE(child.waitForStarted(5000));
        return child;
    }

    std::string journalOf(const QProcess &child) {
        return folder.filePath("chimeral.db").toStdString() + "-recording-" +
               std::to_string(child.processId());
    }

    // Waits until the child's journal holds at least that many minutes.
    std::optional<RecordingJournalEntry> journalWith(const QProcess &child, uint32_t minutes) {
        std::optional<RecordingJournalEntry> entry;
        const bool reached = QTest::qWaitFor(
            [&] {
                entry = readRecordingJournal(journalOf(child));
                return entry && entry->minutes >= minutes;
            },
            20000);
        return reached ? entry : std::nullopt;
    }

    // Ends the child with a signal: it must exit by itself, at once and well.
    void endWith(QProcess &child, int signal) {
        ::kill(static_cast<pid_t>(child.processId()), signal);
        ASSERT_TRUE(child.waitForFinished(1000)) << "still running a second after the signal";
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0);
    }

    Rows query(const std::string &sql, int columns) {
        return databaseRows(folder.filePath("chimeral.db").toStdString(), sql, columns);
    }

    std::string shown() { return readBytes(folder.filePath("messages.txt").toStdString()); }

    QTemporaryDir folder;
    std::vector<std::unique_ptr<QProcess>> children;
};

} // namespace

TEST_F(RecordingSurvival, KilledRunIsStoredAtTheNextStart) {
    QProcess &first = start("Writing");
    ASSERT_TRUE(journalWith(first, 2));
    const std::string journal = journalOf(first);
    first.kill();
    ASSERT_TRUE(first.waitForFinished(2000));
    const auto left = readRecordingJournal(journal);
    ASSERT_TRUE(left);
    EXPECT_EQ(query("select count(*) from times", 1), Rows({{"0"}}));

    QProcess &second = start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fs::exists(journal); }, 10000));
    endWith(second, SIGTERM);
    const TimeDate &s = left->start;
    const int64_t minutes = minutesWorked(left->hours, left->minutes, left->seconds);
    EXPECT_EQ(query("select * from times", 8),
              Rows({{"1", std::to_string(minutes), std::to_string(s.Year()),
                     std::to_string(s.Month()), std::to_string(s.Day()), std::to_string(s.Hour()),
                     std::to_string(s.Minute()), std::to_string(s.Second())}}));
    EXPECT_EQ(shown().rfind("Time Record|Recovered " + std::to_string(minutes) + " minutes", 0), 0u)
        << shown();
}

TEST_F(RecordingSurvival, EndingSignalsStoreTheRecordingWithoutABox) {
    int stored = 0;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        QProcess &child = start("Writing");
        ASSERT_TRUE(journalWith(child, 2));
        const std::string journal = journalOf(child);
        endWith(child, signal);
        EXPECT_FALSE(fs::exists(journal));
        const Rows rows = query("select project, minutes_worked >= 2 from times", 2);
        EXPECT_EQ(rows, Rows(++stored, {"1", "1"}));
    }
    EXPECT_EQ(shown(), "");
}

// A signal while a box waits for the user, in the window's start-up or at
// the end of a countdown from the command line (its sound file is missing):
// the box closes and the process ends at once.
TEST_F(RecordingSurvival, SignalsEndTheProgramWhileAStartUpBoxIsOpen) {
    struct Case {
        const char *options;
        QStringList arguments;
    };
    const Case cases[] = {
        {"ALARMSOUND=alarm.wav\r\nTIMERSOUND=timer.wav\r\n", {"--countdown", "0:01"}},
        {"", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        writeBytes(folder.filePath("chimeral.ini").toStdString(), c.options);
        QProcess &child = start({}, {}, c.arguments, true);
        // The box is open once the start has run that far: there is no
        // other sign of it from outside.
        QTest::qWait(1500);
        ASSERT_EQ(child.state(), QProcess::Running);
        endWith(child, SIGTERM);
    }
}

// Two windows on one database: both add the same new name and start in the
// same moment, and both recordings are stored under the one project.
TEST_F(RecordingSurvival, TwoProgramsStartingTogetherShareTheNewProject) {
    const QString otherOptions = folder.filePath("other");
    QDir().mkpath(otherOptions);
    writeBytes((otherOptions + "/chimeral.ini").toStdString(),
               "ALARMSOUND=alarm.wav\r\nTIMERSOUND=timer.wav\r\n");
    QProcess &one = start("Shared");
    QProcess &two = start("Shared", otherOptions);
    ASSERT_TRUE(journalWith(one, 1));
    ASSERT_TRUE(journalWith(two, 1));
    endWith(one, SIGTERM);
    endWith(two, SIGTERM);
    EXPECT_EQ(query("select id, name from projects", 2), Rows({{"1", "Shared"}}));
    EXPECT_EQ(query("select project from times", 1), Rows({{"1"}, {"1"}}));
    EXPECT_EQ(shown(), "");
}
