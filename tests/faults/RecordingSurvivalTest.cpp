// SPDX-License-Identifier: MIT
// The program itself, run as a child process in a temporary folder, ended in
// the ways a desktop session ends programs: a running recording must reach
// the database every time.
#include "options/FileBytes.h"
#include "projects/ProjectFormFixture.h"
#include "projects/RecordingJournal.h"
#include "projects/TimeRecordRules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

namespace {

// What one killed or ended window is known to have counted.
struct Counted {
    std::string project;
    // Read from its journal after its death: what recovery will find.
    std::optional<RecordingJournalEntry> left;
    // For a window that stored by itself at SIGTERM: the least and the most
    // it can have counted.
    int64_t least = 0, most = 0;
    bool storedItself = false;
};

int64_t minutesOf(const RecordingJournalEntry &entry) {
    return minutesWorked(entry.hours, entry.minutes, entry.seconds);
}

} // namespace

// Recordings of two projects, one or two windows at a time on one database,
// ended by kill -9 at moments the seeded randomness picks: in the start-up's
// recovery of the journals left before, while counting, while the journal is
// replaced, and in the store of a SIGTERM. Once a last start has recovered
// what was left, every recording is stored exactly once, under its project,
// with all it counted up to its last journal write, and no file is left over.
TEST_F(RecordingSurvival, KilledAtRandomMomentsNothingIsLostOrStoredTwice) {
    const QString otherOptions = folder.filePath("other");
    QDir().mkpath(otherOptions);
    writeBytes((otherOptions + "/chimeral.ini").toStdString(),
               "ALARMSOUND=alarm.wav\r\nTIMERSOUND=timer.wav\r\n");
    const char *projects[] = {"Alpha", "Beta's work"};
    std::mt19937 random(29);
    const auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<Counted> counted;
    constexpr int Rounds = 40;
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE(round);
        const bool pair = round % 2 == 0;
        struct Window {
            QProcess *child;
            std::string journal;
            Counted count;
            QElapsedTimer clock;
            int plan;   // 0 kill at a random moment, 1 kill once counting, 2 SIGTERM then kill
            int64_t at; // when to act, from the start, once armed
            bool armed = false, termed = false;
            std::optional<RecordingJournalEntry> seen;
        };
        std::vector<Window> windows;
        for (int w = 0; w < (pair ? 2 : 1); ++w) {
            Window window;
            window.count.project = projects[between(0, 1)];
            window.child = &start(QString::fromStdString(window.count.project),
                                  w == 0 ? QString() : otherOptions);
            window.journal = journalOf(*window.child);
            window.clock.start();
            window.plan = pair ? between(1, 2) : 0;
            window.at = pair ? 0 : between(0, 900);
            window.armed = !pair;
            windows.push_back(std::move(window));
        }
        // A pair acts once both count, so neither takes the other's journal
        // at its start.
        const bool bothCount = QTest::qWaitFor(
            [&] {
                return !pair || std::all_of(windows.begin(), windows.end(),
                                            [](const Window &w) { return fs::exists(w.journal); });
            },
            20000);
        ASSERT_TRUE(bothCount);
        const uint32_t wanted = static_cast<uint32_t>(between(1, 2));
        for (bool running = true; running;) {
            running = false;
            for (Window &w : windows) {
                if (w.child->state() == QProcess::NotRunning)
                    continue;
                running = true;
                const pid_t pid = static_cast<pid_t>(w.child->processId());
                if (const auto entry = readRecordingJournal(w.journal))
                    w.seen = entry;
                const int64_t now = w.clock.elapsed();
                if (!w.armed && w.seen && w.seen->minutes >= wanted) {
                    w.armed = true;
                    w.at = now + between(0, 300);
                }
                if (w.armed && now >= w.at && w.plan == 2 && !w.termed) {
                    w.termed = true;
                    w.count.least = w.seen ? minutesOf(*w.seen) : 0;
                    ::kill(pid, SIGTERM);
                    w.at = now + between(0, 15);
                } else if ((w.armed && now >= w.at) || now > 20000) {
                    ::kill(pid, SIGKILL);
                    w.child->waitForFinished(5000);
                }
                if (w.child->state() != QProcess::NotRunning)
                    w.child->waitForFinished(0);
            }
            QTest::qWait(1);
        }
        for (Window &w : windows) {
            w.count.left = readRecordingJournal(w.journal);
            if (w.seen && w.count.left) {
                EXPECT_GE(minutesOf(*w.count.left), minutesOf(*w.seen)) << "the journal went back";
            }
            // A second lasts 5 ms: no more minutes than the run was long.
            w.count.most = w.clock.elapsed() / (5 * 60) + 1;
            w.count.storedItself = w.termed && !w.count.left;
            counted.push_back(w.count);
        }
    }

    // A recording starts once the start-up's recovery is over; it is ended
    // before it counts a minute, so it stores nothing.
    QProcess &last = start("Check");
    const std::string own = fs::path(journalOf(last)).filename().string();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            bool ownSeen = false;
            for (const auto &entry : fs::directory_iterator(folder.path().toStdString())) {
                const std::string name = entry.path().filename().string();
                ownSeen = ownSeen || name == own;
                if (name.find("-recording-") != std::string::npos && name != own)
                    return false;
            }
            return ownSeen;
        },
        20000));
    endWith(last, SIGTERM);

    for (const char *project : projects) {
        SCOPED_TRACE(project);
        int64_t rowsWanted = 0, least = 0, most = 0;
        for (const Counted &c : counted) {
            if (c.project != project)
                continue;
            const int64_t exact = c.left ? minutesOf(*c.left) : 0;
            rowsWanted += c.storedItself || exact > 0;
            least += c.storedItself ? c.least : exact;
            most += c.storedItself ? c.most : exact;
        }
        const Rows rows = query("select count(*), coalesce(sum(minutes_worked), 0) from times "
                                "where project = (select id from projects where name = '" +
                                    sqlQuoteText(project) + "')",
                                2);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(std::stoll(rows[0][0]), rowsWanted) << "rows";
        EXPECT_GE(std::stoll(rows[0][1]), least) << "minutes";
        EXPECT_LE(std::stoll(rows[0][1]), most) << "minutes";
    }
    EXPECT_EQ(query("select count(*) from times where project not in (select id from projects)", 1),
              Rows({{"0"}}));
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder.path().toStdString()))
        names.insert(entry.path().filename().string());
    names.erase("audio.raw");
    EXPECT_EQ(names,
              (std::set<std::string>{"chimeral.db", "chimeral.ini", "messages.txt", "other"}));
    EXPECT_EQ(shown().find("Warning|"), std::string::npos) << shown();
}

// A kill while the options file was rewritten leaves its fresh file in the
// options folder; the next start removes it, but not one a live writer holds.
TEST_F(RecordingSurvival, DeadFreshFilesOfTheOptionsFileAreRemovedAtStart) {
    const std::string dead = folder.filePath("chimeral.ini.k1ll3d.new").toStdString();
    const std::string live = folder.filePath("chimeral.ini.wr1t1ng.new").toStdString();
    writeBytes(dead, "ALARMSOUND=half");
    writeBytes(live, "ALARMSOUND=being written");
    const int writer = ::open(live.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    QProcess &child = start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fs::exists(dead); }, 10000));
    endWith(child, SIGTERM);
    ::close(writer);
    EXPECT_TRUE(fs::exists(live));
}

// Ctrl+C, SIGTERM or SIGHUP while the command line exports: the fresh file
// goes and the old export stays as it was.
TEST_F(RecordingSurvival, SignalDuringAnExportLeavesTheOldFile) {
    const std::string db = folder.filePath("chimeral.db").toStdString();
    {
        createDatabaseFileIfMissing(db);
        SQLite database;
        ASSERT_TRUE(database.Open(db, false));
        // Enough rows that the export is still writing when the signal comes.
        for (const std::string &sql :
             {std::string(CreateProjectsTableSql), std::string(CreateTimesTableSql),
              newProjectSql(1, "Writing"),
              std::string("with recursive n(x) as (select 0 union all select x + 1 from n where "
                          "x < 1999999) insert into times select 1, 1, 2000 + x / 86400, 1, 1, "
                          "(x / 3600) % 24, (x / 60) % 60, x % 60 from n")})
            ASSERT_TRUE(database.Execute(sql)) << database.ErrorText();
    }
    const std::string target = folder.filePath("records.csv").toStdString();
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        writeBytes(target, "the old export");
        QProcess &child = start({}, {}, {"--export-csv", "records.csv"});
        const auto fresh = [&] {
            for (const auto &entry : fs::directory_iterator(folder.path().toStdString()))
                if (entry.path().filename().string().starts_with("records.csv."))
                    return true;
            return false;
        };
        ASSERT_TRUE(QTest::qWaitFor(fresh, 20000));
        ::kill(static_cast<pid_t>(child.processId()), signal);
        ASSERT_TRUE(child.waitForFinished(5000));
        EXPECT_FALSE(fresh());
        EXPECT_EQ(readBytes(target), "the old export");
    }
}
