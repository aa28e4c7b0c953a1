// SPDX-License-Identifier: MIT
// Faults in the files the program depends on: each case breaks one of them and
// checks that the program carries on and that nothing already stored is lost.
#include "options/FileBytes.h"
#include "platform/SoundLibrary.h"
#include "projects/ProjectFormFixture.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "support/SoundFiles.h"
#include "ui_TMainForm.h"

#include <QTest>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

namespace {

// Root passes every permission check, and the tests run as root in CI. For
// the life of this object the calling thread gives up the capabilities that
// override file modes, so a read-only or unreadable file is one for root too.
class FileModesApply {
public:
    FileModesApply() {
        syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &m_header, reduced);
    }
    ~FileModesApply() { syscall(SYS_capset, &m_header, m_saved); }
    FileModesApply(const FileModesApply &) = delete;
    FileModesApply &operator=(const FileModesApply &) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
};

std::string noise(size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

// What a path holds, for telling that it was left alone.
std::string snapshot(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return "missing";
    if (S_ISDIR(info.st_mode))
        return "folder";
    return std::to_string(info.st_mode & 07777) + ":" + readBytes(path);
}

const std::string AlarmWarning =
    "No file set for the alarm sound. Please set with the Options menu";
const std::string CouldNotSave = "Could not save the options to ";

} // namespace

using OptionsFileFaults = MainFormTest;
using DatabaseFaults = ProjectFormTest;
using SoundFileFaults = MainFormTest;

// A file the program cannot read starts it as if it had no options; a sound
// chosen during the run must not then replace what the file holds.
TEST_F(OptionsFileFaults, StartGoesOnAndTheFileOutlivesTheRun) {
    const std::string path = config.path().toStdString() + "/chimeral.ini";
    const std::string entries = "ALARMSOUND=/s/alarm.wav\r\nTIMERSOUND=/s/timer.wav\r\nKEEP=1\r\n";
    struct Case {
        const char *what;
        std::function<void()> make;
        // A file the program could read is rewritten at exit with what it held
        // and the chosen name; one it could not read is never replaced.
        bool rewritten;
    };
    const Case cases[] = {
        {"unreadable",
         [&] {
             writeBytes(path, entries);
             fs::permissions(path, fs::perms::none);
         },
         false},
        {"a folder", [&] { fs::create_directory(path); }, false},
        {"16385 bytes",
         [&] { writeBytes(path, entries + std::string(16385 - entries.size(), '#')); }, false},
        {"binary noise", [&] { writeBytes(path, noise(4096, 7)); }, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(path);
        c.make();
        const std::string before = snapshot(path);
        {
            FileModesApply modes;
            messages.messages.clear();
            auto &w = startForm();
            EXPECT_EQ(messages.texts(), std::vector<std::string>{AlarmWarning});
            EXPECT_EQ(w.ClockStyle, 0);
            form.reset();
        }
        if (!c.rewritten) {
            EXPECT_TRUE(snapshot(path) == before) << "nothing chosen, nothing written";
        }
        {
            FileModesApply modes;
            startForm().AlarmSoundFile = "/s/chosen.wav";
            messages.messages.clear();
            form.reset();
        }
        EXPECT_EQ(messages.texts(), c.rewritten
                                        ? std::vector<std::string>{}
                                        : std::vector<std::string>{CouldNotSave + path + "."});
        if (c.rewritten) {
            EXPECT_EQ(startForm().AlarmSoundFile, "/s/chosen.wav");
            form.reset();
        } else {
            EXPECT_TRUE(snapshot(path) == before);
        }
    }
}

// A user who made the file, or its folder, read-only keeps it as it is; a
// sound chosen in the run is then lost, and the user is told so once.
TEST_F(OptionsFileFaults, ReadOnlyFileOrFolderIsKeptAndTheLostChoiceIsTold) {
    const std::string folder = config.path().toStdString();
    const std::string path = folder + "/chimeral.ini";
    const std::string entries = "ALARMSOUND=/s/alarm.wav\r\nTIMERSOUND=/s/timer.wav\r\n";
    const std::pair<const char *, std::string> cases[] = {{"file", path}, {"folder", folder}};
    for (const auto &[what, readOnly] : cases) {
        SCOPED_TRACE(what);
        fs::permissions(folder, fs::perms::owner_all);
        writeBytes(path, entries);
        fs::permissions(readOnly,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read |
                            (readOnly == folder ? fs::perms::owner_exec : fs::perms::none));
        const std::string before = snapshot(path);
        for (const char *chosen : {"/s/timer.wav", "/s/chosen.wav"}) {
            FileModesApply modes;
            startForm().TimerSoundFile = chosen;
            messages.messages.clear();
            form.reset();
            EXPECT_EQ(snapshot(path), before);
            // Nothing said when nothing changed.
            EXPECT_EQ(messages.texts(), chosen == std::string("/s/timer.wav")
                                            ? std::vector<std::string>{}
                                            : std::vector<std::string>{CouldNotSave + path + "."});
            if (!messages.messages.empty()) {
                EXPECT_EQ(messages.messages[0].caption, "Warning");
            }
        }
    }
    fs::permissions(folder, fs::perms::owner_all);
}

// A recording that could not be stored is never started.
TEST_F(DatabaseFaults, StartIsRefusedWhereNothingCanBeWritten) {
    createDatabaseFileIfMissing(ProjectDatabaseName);
    execute({CreateProjectsTableSql, CreateTimesTableSql,
             "insert into projects values (1, 'Alpha')",
             "insert into times values (1, 30, 2024, 3, 14, 8, 0, 0)"});
    const Rows stored = timesRows();
    struct Case {
        const char *what;
        std::string path;
        fs::perms readOnly, readWrite;
    };
    const Case cases[] = {
        {"read-only file", cwd.file(ProjectDatabaseName), fs::perms::owner_read,
         fs::perms::owner_read | fs::perms::owner_write},
        {"read-only folder", cwd.path(), fs::perms::owner_read | fs::perms::owner_exec,
         fs::perms::owner_all},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fs::permissions(c.path, c.readOnly);
        const std::string bytes = readBytes(cwd.file(ProjectDatabaseName));
        {
            FileModesApply modes;
            auto &w = startWithDatabase();
            w.ui->ProjectBox->setEditText("Beta");
            w.ui->Button11->click();
            EXPECT_EQ(messages.texts(),
                      std::vector<std::string>{"Attempt to write a readonly database"});
            EXPECT_EQ(w.ui->Button11->text(), "Start");
            EXPECT_FALSE(w.Recording);
            EXPECT_FALSE(w.TRTimer.enabled());
            form.reset();
        }
        fs::permissions(c.path, c.readWrite);
        EXPECT_EQ(readBytes(cwd.file(ProjectDatabaseName)), bytes);
        EXPECT_EQ(timesRows(), stored);
        messages.messages.clear();
    }
}

// Another connection holding the database (a second window, an open shell):
// Stop waits for it, and when it waits in vain the time is kept for the next
// Stop instead of being thrown away.
TEST_F(DatabaseFaults, LockedDatabaseIsWaitedForAndTheTimeKept) {
    createDatabaseFileIfMissing(ProjectDatabaseName);
    execute(
        {CreateProjectsTableSql, CreateTimesTableSql, "insert into projects values (1, 'Alpha')"});
    const auto recordAlpha = [&](int seconds) -> TMainForm & {
        auto &w = startWithDatabase();
        w.ui->ProjectBox->setEditText("Alpha");
        w.ui->Button11->click();
        for (int i = 0; i < seconds; ++i)
            w.TRTimer.fire();
        return w;
    };
    {
        auto &w = recordAlpha(120);
        SQLite other;
        ASSERT_TRUE(other.Open(cwd.file(ProjectDatabaseName), false));
        ASSERT_TRUE(other.Execute("begin exclusive"));
        std::thread release([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            other.Execute("commit");
        });
        w.ui->Button11->click();
        release.join();
        EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
        EXPECT_EQ(timesRows(), Rows({{"1", "2", "2024", "3", "15", "9", "30", "5"}}));
        form.reset();
    }

    struct BusyTimeout {
        BusyTimeout() { SQLite::setBusyTimeout(300); }
        ~BusyTimeout() { SQLite::setBusyTimeout(SQLite::DefaultBusyTimeoutMs); }
    } shortWait;
    now.minute = 40;
    auto &w = recordAlpha(180);
    SQLite other;
    ASSERT_TRUE(other.Open(cwd.file(ProjectDatabaseName), false));
    ASSERT_TRUE(other.Execute("begin exclusive"));
    w.ui->Button11->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Error in SQL command: insert into times values (1, 3, 2024, 3, 15, 9, 40, 5) The "
              "database file is locked The time is kept and will be stored at the next Stop.");
    EXPECT_EQ(messages.messages[0].caption, "SQL error");
    EXPECT_EQ(w.ui->Button11->text(), "Stop");
    EXPECT_EQ(w.ui->StopLabel2->text(), "03:00");
    EXPECT_FALSE(w.TRTimer.enabled());
    EXPECT_EQ(readRecordingJournal(w.RecordingJournal)->minutes, 3u);

    ASSERT_TRUE(other.Execute("commit"));
    w.ui->Button11->click();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(w.ui->Button11->text(), "Start");
    EXPECT_FALSE(fs::exists(w.RecordingJournal));
    EXPECT_EQ(timesRows(), Rows({{"1", "2", "2024", "3", "15", "9", "30", "5"},
                                 {"1", "3", "2024", "3", "15", "9", "40", "5"}}));
}

TEST_F(DatabaseFaults, CorruptFileIsReportedAndNeverWritten) {
    const std::string bytes = noise(8192, 11);
    writeBytes(cwd.file(ProjectDatabaseName), bytes);
    auto &w = startWithDatabase();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Error in query. File opened that is not a database file"});
    EXPECT_EQ(w.ui->YearEdit->text(), "2024");

    w.ui->ProjectBox->setEditText("Alpha");
    w.ui->Button11->click();
    EXPECT_FALSE(w.Recording);
    w.TRMinutes = 2;
    w.ui->Button11->click();
    w.ui->Button13->click();
    EXPECT_EQ(w.ui->QueryLabel->text(), "-1");
    form.reset();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>({"Error in query. File opened that is not a database file",
                                        "Invalid project number", "Invalid project number"}));
    EXPECT_EQ(readBytes(cwd.file(ProjectDatabaseName)), bytes);
}

// The countdown ends whatever is wrong with its sound, and a good sound after
// a bad one still plays.
TEST_F(SoundFileFaults, CountdownEndsWhateverTheSoundFileHolds) {
    const std::string wave = sineWave(1.0);
    struct Case {
        const char *what;
        std::optional<std::string> content;
        bool plays;
    };
    const Case cases[] = {
        {"missing", std::nullopt, false},
        {"empty", "", false},
        {"cut inside the header", wave.substr(0, 30), false},
        {"cut inside the samples", wave.substr(0, wave.size() / 2), true},
        {"binary noise", noise(2000, 3), false},
        {"a good sound", wave, true},
    };
    auto &w = startForm();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        w.TimerSoundFile = cwd.file(std::string(c.what) + ".wav");
        if (c.content)
            writeFile(w.TimerSoundFile, *c.content);
        messages.messages.clear();
        const size_t heard = diskAudioSamples(cwd.file("audio.raw")).size();
        w.ui->Button1->click();
        w.ShortTimer.fire();
        EXPECT_EQ(w.ui->ShortLabel->text(), "Done");
        EXPECT_TRUE(w.ClearTimer.isArmed());
        EXPECT_FALSE(w.ShortTimer.enabled());
        if (c.plays) {
            EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return audible(diskAudioSamples(cwd.file("audio.raw")), heard); }, 4000));
        } else {
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0].caption, "Error");
            EXPECT_EQ(messages.messages[0].text, w.MediaPlayer1.ErrorMessage());
        }
    }
}

// Without a usable SDL2_mixer library a sound is an open failure that names
// the library, and the countdown still ends; once the library is found again
// the next sound plays.
TEST_F(SoundFileFaults, UnusableMixerLibraryIsAnOpenFailure) {
    const SoundLibraryNames installed = soundLibraryNames();
    const std::string notALibrary = cwd.file("libSDL2_mixer-2.0.so.0");
    writeFile(notALibrary, noise(4096, 5));
    struct Case {
        const char *what;
        std::string mixer;
        const char *reason;
    };
    const Case cases[] = {
        {"missing", cwd.file("nowhere/libSDL2_mixer-2.0.so.0"), "cannot open shared object file"},
        {"not a library", notALibrary, "invalid ELF header"},
        {"without the mixer's entry points", installed.sdl, "it has no Mix_OpenAudio"},
    };
    auto &w = startForm();
    w.TimerSoundFile = cwd.file("tone.wav");
    writeFile(w.TimerSoundFile, sineWave(1.0));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        setSoundLibraryNames({installed.sdl, c.mixer});
        messages.messages.clear();
        w.ui->Button1->click();
        w.ShortTimer.fire();
        EXPECT_EQ(w.ui->ShortLabel->text(), "Done");
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].caption, "Error");
        const std::string expected =
            "The sound library " + c.mixer + " could not be loaded: " + c.reason;
        EXPECT_EQ(messages.messages[0].text.rfind(expected, 0), 0u) << messages.texts()[0];
    }
    setSoundLibraryNames(installed);
    expectHeard([&] { w.ui->testTimersound1->trigger(); });
}
