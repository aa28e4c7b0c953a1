// SPDX-License-Identifier: MIT
#include "ProjectFormFixture.h"

#include "app/AppWindows.h"
#include "options/TOptionsForm.h"
#include "ui_TOptionsForm.h"

#include <QAction>
#include <QTableWidget>

#include <filesystem>
#include <functional>

#include <sys/stat.h>

namespace fs = std::filesystem;

using ProjectDatabaseStart = ProjectFormTest;
using ProjectDatabaseOps = ProjectFormTest;

using Rows = std::vector<std::vector<std::string>>;

namespace {
const std::string NoDatabase = "No project database is open, so no time can be recorded or summed.";
} // namespace

// A start without the SQLite library leaves an empty file behind.
TEST_F(ProjectDatabaseStart, NewOrEmptyFileGetsExactlyTheTwoTables) {
    for (const bool emptyFile : {false, true}) {
        SCOPED_TRACE(emptyFile ? "empty file" : "no file");
        fs::remove(cwd.file(ProjectDatabaseName));
        if (emptyFile)
            std::ofstream(cwd.file(ProjectDatabaseName), std::ios::binary);
        startWithDatabase();
        EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
        // SQLite keeps the statements with their first two words in capitals.
        EXPECT_EQ(
            rows("select sql from sqlite_master where type = 'table' order by name", 1),
            Rows({{"CREATE TABLE projects (ID int primary key,name varchar(20))"},
                  {"CREATE TABLE times (project int,minutes_worked int,year int, month int,day "
                   "int,hours int,minutes int,seconds int, primary key (year, month, day, "
                   "hours, minutes, seconds), foreign key (project) references projects(ID))"}}));
        EXPECT_EQ(projectList(), QStringList());
        form.reset();
    }
}

TEST_F(ProjectDatabaseStart, ProjectListComesFromTheStoredNames) {
    storeProjects({"Alpha", "Beta"});
    execute({"insert into projects values (3, null)", "insert into projects values (4, 'Gamma')"});
    startWithDatabase();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(projectList(), QStringList({"Alpha", "Beta"})) << "a name that is not text ends it";
    EXPECT_EQ(shown("ProjectBox"), "") << "the list fills without choosing";
    EXPECT_EQ(dateShown(), "2017-1-1") << "start-up ended before the date";
}

// Without an open database no recording starts, no total is summed and time
// counted by a resumed Pause is dropped at the close with a word; each
// attempt tells the user once.
TEST_F(ProjectDatabaseStart, WithoutAnOpenDatabaseNothingIsRecordedAndTheUserIsTold) {
    struct Case {
        const char *what;
        std::function<void()> make;
        std::string atStart, told;
        const char *date;
        std::string fileLeft;
    };
    // The last case takes the options file away.
    const Case cases[] = {
        {"no SQLite library",
         [&] {
             SQLite::setLibraryNames({cwd.file("nowhere/libsqlite3.so.0"), "./nowhere.so"});
         },
         "Could not attach to SQLite DLL. DLL file could not be loaded.", NoDatabase, "2017-1-1",
         "0 bytes"},
        {"a folder in the file's place",
         [&] { fs::create_directory(cwd.file(ProjectDatabaseName)); },
         "Could not open database file. chimeral.db is a folder, not a regular file.", NoDatabase,
         "2024-3-15", "a folder"},
        // Reading it would wait for a writer for good.
        {"a named pipe in the file's place",
         [&] { ASSERT_EQ(::mkfifo(cwd.file(ProjectDatabaseName).c_str(), 0600), 0); },
         "Could not open database file. chimeral.db is a named pipe, not a regular file.",
         NoDatabase, "2024-3-15", "a named pipe"},
        {"no alarm sound, so start-up ends before the database",
         [&] { fs::remove(config.filePath("chimeral.ini").toStdString()); },
         "No file set for the alarm sound. Please set with the Options menu",
         NoDatabase + " Set the alarm sound under Options > Sounds and start the program again.",
         "2017-1-1", "missing"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        messages.messages.clear();
        startWithDatabase();
        ASSERT_EQ(messages.texts(), std::vector<std::string>{c.atStart});
        EXPECT_EQ(dateShown(), c.date);

        messages.messages.clear();
        typeProject("Work");
        click("Button11");
        EXPECT_EQ(shown("Button11"), "Start");
        EXPECT_FALSE(timer("TRTimer").enabled());
        click("Button13");
        EXPECT_EQ(shown("QueryLabel"), "");
        click("PauseButton");
        click("PauseButton");
        tick(70);
        form->close();
        EXPECT_EQ(messages.texts(), std::vector<std::string>(3, c.told));
        EXPECT_EQ(messages.messages[0].caption, "Oops");
        const std::string file = cwd.file(ProjectDatabaseName);
        EXPECT_EQ(!fs::exists(file)        ? "missing"
                  : fs::is_directory(file) ? "a folder"
                  : fs::is_fifo(file)      ? "a named pipe"
                                           : std::to_string(fs::file_size(file)) + " bytes",
                  c.fileLeft);
        form.reset();
        SQLite::setLibraryNames(savedNames);
        fs::remove_all(file);
    }
}

// The first run ends start-up before the database; setting the alarm sound
// in the options editor runs the rest, and recording works in the same run.
TEST_F(ProjectDatabaseStart, SettingTheAlarmSoundOpensTheDatabase) {
    fs::remove(config.filePath("chimeral.ini").toStdString());
    TOptionsForm editor;
    OptionsForm = &editor;
    startWithDatabase();
    widget<QAction>("Sounds1")->trigger();
    editor.ui->StringGrid1->item(0, 1)->setText("alarm.wav");
    editor.ui->OK->click();
    OptionsForm = nullptr;
    EXPECT_EQ(dateShown(), "2024-3-15");
    typeProject("Thesis");
    click("Button11");
    tick(60);
    click("Button11");
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"No file set for the alarm sound. Please set with the "
                                       "Options menu"});
    EXPECT_EQ(timesRows().size(), 1u);
}

// A name is looked up exactly as typed, blanks around it and what follows a
// NUL character aside, and created when it is not there: the recording's
// row names the project's ID.
TEST_F(ProjectDatabaseOps, LookupCreatesFindsAndKeepsEveryNameApart) {
    startWithDatabase();
    struct Case {
        const char *typed;
        const char *id;
    };
    const Case cases[] = {
        {"Alpha", "1"},       {"  Alpha \t", "1"}, {"alpha", "2"},     {"O'Brien's", "3"},
        {"' or '1'='1", "4"}, {"Alpha", "1"},      {"O'Brien's", "3"}, {"' or '1'='1", "4"},
        {"''", "5"},          {"alpha", "2"},      {"Al\x01pha", "6"}, {" Al|pha|", "1"},
        {"Al|pha", "1"},
    };
    Rows recorded;
    for (const auto &c : cases) {
        // '|' stands for a NUL character, which a C string cannot hold.
        const QString typed = QString(c.typed).replace('|', QChar(0));
        typeProject(typed);
        click("Button11");
        tick(60);
        click("Button11");
        EXPECT_EQ(shown("ProjectBox"), typed) << "the typed text stays";
        recorded.push_back({c.id});
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
    EXPECT_EQ(rows("select project from times order by seconds", 1), recorded);
    EXPECT_EQ(projectList(),
              QStringList({"Alpha", "alpha", "O'Brien's", "' or '1'='1", "''", "Al\x01pha"}));
    Rows names;
    for (const QString &name : projectList())
        names.push_back({name.toStdString()});
    EXPECT_EQ(rows("select name from projects order by id", 1), names) << "IDs in list order";
}

// A lookup that cannot give an ID refuses the recording and must not leave
// the previous project's ID for the time counted next.
TEST_F(ProjectDatabaseOps, FailedLookupLeavesNoProjectToRecordOn) {
    startWithDatabase();
    typeProject("Alpha");
    click("Button11");
    tick(60);
    click("Button11");
    const Rows stored = timesRows();
    ASSERT_EQ(stored.size(), 1u);

    execute({"insert into projects values ('x', 'Odd')"});
    typeProject("Odd");
    click("Button11");
    EXPECT_EQ(shown("Button11"), "Start");
    // Dropped by another connection, as a shell would.
    execute({"drop table projects"});
    typeProject("Alpha");
    click("Button11");
    EXPECT_EQ(shown("Button11"), "Start");
    EXPECT_FALSE(timer("TRTimer").enabled());

    click("PauseButton");
    click("PauseButton");
    tick(300);
    form->close();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>(
                  {"Unexpected result from query",
                   "Error in maximum ID query. SQL error or missing database: no such table: "
                   "projects",
                   "Invalid project number", "Not worth recording less than a minute"}));
    EXPECT_EQ(messages.messages[0].caption, "Houston we have a problem");
    EXPECT_EQ(timesRows(), stored);
}
