// SPDX-License-Identifier: MIT
// Faults in the files the program depends on: each case breaks one of them and
// checks that the program carries on and that nothing already stored is lost.
#include "app/AppWindows.h"
#include "options/FileBytes.h"
#include "options/TOptionsForm.h"
#include "platform/MediaPlayer.h"
#include "platform/SoundLibrary.h"
#include "projects/ProjectFormFixture.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "support/SoundFiles.h"

#include <QAction>
#include <QFileDialog>
#include <QPushButton>
#include <QTableWidget>
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

class OptionsFileFaults : public MainFormTest {
protected:
    // A whole run of the windows, file modes applied, in which the user
    // chooses a sound file in the options editor: row 0 is the alarm's, row 1
    // the timer's. Only the messages of the run's end are kept.
    void runChoosing(int row, const QString &chosen) {
        FileModesApply modes;
        AppWindows windows;
        TOptionsForm &editor = *windows.optionsForm;
        editor.chooseFile = [&](QFileDialog &) { return chosen; };
        windows.mainForm->findChild<QAction *>("Sounds1")->trigger();
        editor.findChild<QTableWidget *>("StringGrid1")->setCurrentCell(row, 1);
        editor.findChild<QPushButton *>("ChangeButton")->click();
        editor.findChild<QPushButton *>("OK")->click();
        messages.messages.clear();
    }
};
using DatabaseFaults = ProjectFormTest;

// The timer sound is the file timer.wav of the current folder.
class SoundFileFaults : public ProjectFormTest {
protected:
    void SetUp() override {
        ProjectFormTest::SetUp();
        startForm();
        openTab("TabSheet1");
        messages.messages.clear();
    }

    // A 20-second countdown run to its end.
    void countDown() {
        click("Button1");
        timer("ShortTimer").fire();
        EXPECT_EQ(shown("ShortLabel"), "Done");
    }

    const std::string sound = cwd.file("timer.wav");
};

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
            startForm();
            EXPECT_EQ(messages.texts(), std::vector<std::string>{AlarmWarning});
            form.reset();
        }
        runChoosing(0, "/s/chosen.wav");
        EXPECT_EQ(messages.texts(), c.rewritten
                                        ? std::vector<std::string>{}
                                        : std::vector<std::string>{CouldNotSave + path + "."});
        if (c.rewritten) {
            EXPECT_NE(readBytes(path).find("ALARMSOUND=/s/chosen.wav\r\n"), std::string::npos);
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
            runChoosing(1, chosen);
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
            startWithDatabase();
            typeProject("Beta");
            click("Button11");
            EXPECT_EQ(messages.texts(),
                      std::vector<std::string>{"Attempt to write a readonly database"});
            EXPECT_EQ(shown("Button11"), "Start");
            EXPECT_FALSE(timer("TRTimer").enabled());
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
    storeProjects({"Alpha"});
    const auto recordAlpha = [&](int seconds) {
        startWithDatabase();
        typeProject("Alpha");
        click("Button11");
        tick(seconds);
    };
    {
        recordAlpha(120);
        SQLite other;
        ASSERT_TRUE(other.Open(cwd.file(ProjectDatabaseName), false));
        ASSERT_TRUE(other.Execute("begin exclusive"));
        std::thread release([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            other.Execute("commit");
        });
        click("Button11");
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
    recordAlpha(180);
    SQLite other;
    ASSERT_TRUE(other.Open(cwd.file(ProjectDatabaseName), false));
    ASSERT_TRUE(other.Execute("begin exclusive"));
    QString captionWhileStoring;
    messages.whileOpen = [&](const RecordedMessage &) { captionWhileStoring = shown("Button11"); };
    click("Button11");
    messages.whileOpen = {};
    EXPECT_EQ(captionWhileStoring, "Start"); // the caption changes before the store
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Error in SQL command: insert into times values (1, 3, 2024, 3, 15, 9, 40, 5) The "
              "database file is locked. The time is kept; press Stop again to store it.");
    EXPECT_EQ(messages.messages[0].caption, "SQL error");
    EXPECT_EQ(shown("Button11"), "Stop");
    EXPECT_EQ(shown("StopLabel2"), "03:00");
    EXPECT_FALSE(timer("TRTimer").enabled());
    EXPECT_EQ(readRecordingJournal(journal())->minutes, 3u);

    ASSERT_TRUE(other.Execute("commit"));
    click("Button11");
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(shown("Button11"), "Start");
    EXPECT_FALSE(fs::exists(journal()));
    EXPECT_EQ(timesRows(), Rows({{"1", "2", "2024", "3", "15", "9", "30", "5"},
                                 {"1", "3", "2024", "3", "15", "9", "40", "5"}}));
}

TEST_F(DatabaseFaults, CorruptFileIsReportedAndNeverWritten) {
    const std::string bytes = noise(8192, 11);
    writeBytes(cwd.file(ProjectDatabaseName), bytes);
    startWithDatabase();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Error in query. File opened that is not a database file"});
    EXPECT_EQ(dateShown(), "2024-3-15");

    typeProject("Alpha");
    click("Button11");
    EXPECT_EQ(shown("Button11"), "Start");
    click("PauseButton");
    click("PauseButton");
    tick(120);
    click("Button11");
    click("Button13");
    EXPECT_EQ(shown("QueryLabel"), "-1");
    form->close();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>({"Error in query. File opened that is not a database file",
                                        "Invalid project number", "Invalid project number",
                                        "Not worth recording less than a minute"}));
    EXPECT_EQ(readBytes(cwd.file(ProjectDatabaseName)), bytes);
}

// The countdown ends whatever is wrong with its sound, and a good sound after
// a bad one still plays.
TEST_F(SoundFileFaults, CountdownEndsWhateverTheSoundFileHolds) {
    const std::string wave = sineWave(1.0);
    struct Case {
        const char *what;
        std::optional<std::string> content;
        int fault;
    };
    const Case cases[] = {
        {"missing", std::nullopt, MediaPlayer::FileNotFound},
        {"cut inside the header", wave.substr(0, 30), MediaPlayer::InvalidFile},
        {"cut inside the samples", wave.substr(0, wave.size() / 2), MediaPlayer::Success},
        {"binary noise", noise(2000, 3), MediaPlayer::InvalidFile},
        {"a good sound", wave, MediaPlayer::Success},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(sound);
        if (c.content)
            writeFile(sound, *c.content);
        messages.messages.clear();
        const size_t heard = diskAudioSamples(cwd.file("audio.raw")).size();
        countDown();
        if (c.fault == MediaPlayer::Success) {
            EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return audible(diskAudioSamples(cwd.file("audio.raw")), heard); }, 4000));
        } else {
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0].caption, "Error");
            EXPECT_EQ(messages.messages[0].text, MediaPlayer::errorText(c.fault));
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
    writeFile(sound, sineWave(1.0));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        setSoundLibraryNames({installed.sdl, c.mixer});
        messages.messages.clear();
        countDown();
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].caption, "Error");
        const std::string expected =
            "The sound library " + c.mixer + " could not be loaded: " + c.reason;
        EXPECT_EQ(messages.messages[0].text.rfind(expected, 0), 0u) << messages.texts()[0];
    }
    setSoundLibraryNames(installed);
    expectHeard([&] { form->findChild<QAction *>("testTimersound1")->trigger(); });
}
