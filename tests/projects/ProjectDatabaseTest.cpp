// SPDX-License-Identifier: MIT
#include "ProjectFormFixture.h"
#include "ui_TMainForm.h"

#include "projects/ProjectSql.h"

#include <filesystem>

using ProjectDatabaseStart = ProjectFormTest;
using ProjectDatabaseOps = ProjectFormTest;

using Rows = std::vector<std::vector<std::string>>;

namespace {
void expectDates(TMainForm &w, const char *year, const char *month, const char *day) {
    EXPECT_EQ(w.ui->YearEdit->text(), year);
    EXPECT_EQ(w.ui->MonthEdit->text(), month);
    EXPECT_EQ(w.ui->DayEdit->text(), day);
}
} // namespace

TEST_F(ProjectDatabaseStart, NewFileGetsExactlyTheTwoTables) {
    auto &w = startWithDatabase();
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
    ASSERT_TRUE(w.projectDatabaseOpen());
    // SQLite keeps the statements with their first two words in capitals.
    EXPECT_EQ(rows("select sql from sqlite_master where type = 'table' order by name", 1),
              Rows({{"CREATE TABLE projects (ID int primary key,name varchar(20))"},
                    {"CREATE TABLE times (project int,minutes_worked int,year int, month int,day "
                     "int,hours int,minutes int,seconds int, primary key (year, month, day, "
                     "hours, minutes, seconds), foreign key (project) references projects(ID))"}}));
    EXPECT_EQ(w.ui->ProjectBox->count(), 0);
    expectDates(w, "2024", "3", "15");
}

// What a start without the SQLite library leaves behind.
TEST_F(ProjectDatabaseStart, EmptyExistingFileIsMadeANewDatabase) {
    std::ofstream(cwd.file("chimeral.db"), std::ios::binary);
    auto &w = startWithDatabase();
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
    EXPECT_EQ(rows("select name from sqlite_master where type = 'table' order by name", 1),
              Rows({{"projects"}, {"times"}}));
    expectDates(w, "2024", "3", "15");
}

TEST_F(ProjectDatabaseStart, ProjectListComesFromTheStoredNames) {
    createDatabaseFileIfMissing(ProjectDatabaseName);
    execute({CreateProjectsTableSql, CreateTimesTableSql,
             "insert into projects values (1, 'Alpha')", "insert into projects values (2, 'Beta')",
             "insert into projects values (3, null)", "insert into projects values (4, 'Gamma')"});
    auto &w = startWithDatabase();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(projectList(), QStringList({"Alpha", "Beta"})) << "a name that is not text ends it";
    EXPECT_EQ(w.ui->ProjectBox->currentText(), "") << "the list fills without choosing";
    expectDates(w, "2017", "1", "1");
}

TEST_F(ProjectDatabaseStart, MissingLibraryLeavesAnEmptyFileAndNothingToRecordIn) {
    SQLite::setLibraryNames({cwd.file("nowhere/libsqlite3.so.0"), "./nowhere.so"});
    auto &w = startWithDatabase();
    ASSERT_EQ(messages.texts(),
              std::vector<std::string>({"Could not attach to SQLite DLL. DLL file could not be "
                                        "loaded."}));
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_TRUE(w.Database) << "the unloaded object is kept";
    EXPECT_FALSE(w.projectDatabaseOpen());
    expectDates(w, "2017", "1", "1");
    EXPECT_EQ(std::filesystem::file_size(cwd.file("chimeral.db")), 0u);

    messages.messages.clear();
    w.ProjectId = 7;
    w.ui->ProjectBox->setEditText("Work");
    w.LookupProject();
    EXPECT_EQ(w.ProjectId, 0);
    w.TRMinutes = 5;
    w.RecordTime();
    EXPECT_EQ(w.TRMinutes, 0u);
    EXPECT_EQ(w.QueryNumber("select 1"), -1);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>(2, "No project database is open, so no time can be recorded "
                                          "or summed."));
    EXPECT_EQ(std::filesystem::file_size(cwd.file("chimeral.db")), 0u);
}

TEST_F(ProjectDatabaseStart, FileThatWillNotOpenLeavesNoDatabaseButFillsTheDates) {
    std::filesystem::create_directory(cwd.file("chimeral.db"));
    auto &w = startWithDatabase();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Could not open database file. Unable to open the database file");
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_FALSE(w.Database);
    expectDates(w, "2024", "3", "15");
}

TEST_F(ProjectDatabaseOps, LookupCreatesFindsAndKeepsEveryNameApart) {
    auto &w = startWithDatabase();
    struct Case {
        const char *typed;
        int id;
    };
    const Case cases[] = {
        {"Alpha", 1},       {"  Alpha \t", 1}, {"alpha", 2},     {"O'Brien's", 3},
        {"' or '1'='1", 4}, {"Alpha", 1},      {"O'Brien's", 3}, {"' or '1'='1", 4},
        {"''", 5},          {"alpha", 2},      {"Al\x01pha", 6}, {" Al|pha|", 1},
        {"Al|pha", 1},
    };
    for (const auto &c : cases) {
        // '|' stands for a NUL character, which a C string cannot hold.
        w.ui->ProjectBox->setEditText(QString(c.typed).replace('|', QChar(0)));
        w.LookupProject();
        EXPECT_EQ(w.ProjectId, c.id) << c.typed;
        EXPECT_EQ(w.ui->ProjectBox->currentText(), QString(c.typed).replace('|', QChar(0)))
            << "the typed text stays";
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(projectList(),
              QStringList({"Alpha", "alpha", "O'Brien's", "' or '1'='1", "''", "Al\x01pha"}));
    EXPECT_EQ(rows("select id, name from projects order by id", 2), Rows({{"1", "Alpha"},
                                                                          {"2", "alpha"},
                                                                          {"3", "O'Brien's"},
                                                                          {"4", "' or '1'='1"},
                                                                          {"5", "''"},
                                                                          {"6", "Al\x01pha"}}));
}

TEST_F(ProjectDatabaseOps, RecordRoundsToWholeMinutesAndResetsTheCounters) {
    auto &w = startWithDatabase();
    w.ui->ProjectBox->setEditText("Alpha");
    w.LookupProject();
    struct Case {
        uint32_t hours, minutes, seconds;
    };
    const Case cases[] = {{0, 0, 31}, {0, 0, 30}, {1, 2, 40}, {1, 0, 0}};
    int16_t second = 0;
    for (const auto &c : cases) {
        now.second = ++second;
        w.TRStart.SetNow();
        w.TRHours = c.hours;
        w.TRMinutes = c.minutes;
        w.TRSeconds = c.seconds;
        w.RecordTime();
        EXPECT_EQ(w.TRHours + w.TRMinutes + w.TRSeconds, 0u);
    }
    EXPECT_EQ(timesRows(), Rows({{"1", "1", "2024", "3", "15", "9", "30", "1"},
                                 {"1", "63", "2024", "3", "15", "9", "30", "3"},
                                 {"1", "60", "2024", "3", "15", "9", "30", "4"}}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Not worth recording less than a minute");
    EXPECT_EQ(messages.messages[0].caption, "Seriously?");
}

// Another window may have stored a recording that started in the same second.
TEST_F(ProjectDatabaseOps, RecordingsStartedInOneSecondAreAllStored) {
    auto &w = startWithDatabase();
    w.ui->ProjectBox->setEditText("Alpha");
    w.LookupProject();
    w.TRStart.SetNow();
    for (uint32_t minutes : {1, 2, 3}) {
        w.TRMinutes = minutes;
        w.RecordTime();
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
    EXPECT_EQ(timesRows(), Rows({{"1", "1", "2024", "3", "15", "9", "30", "5"},
                                 {"1", "2", "2024", "3", "15", "9", "30", "6"},
                                 {"1", "3", "2024", "3", "15", "9", "30", "7"}}));
}

// A lookup that cannot give an ID must not leave the previous project's ID
// for the next recording.
TEST_F(ProjectDatabaseOps, FailedLookupLeavesNoProjectToRecordOn) {
    auto &w = startWithDatabase();
    w.ui->ProjectBox->setEditText("Alpha");
    w.LookupProject();
    ASSERT_EQ(w.ProjectId, 1);
    ASSERT_TRUE(w.Database->Execute("insert into projects values ('x', 'Odd')"));
    w.ui->ProjectBox->setEditText("Odd");
    w.LookupProject();
    EXPECT_EQ(w.ProjectId, 0);

    w.ui->ProjectBox->setEditText("Alpha");
    w.LookupProject();
    ASSERT_EQ(w.ProjectId, 1);
    ASSERT_TRUE(w.Database->Execute("drop table projects"));
    w.LookupProject();
    EXPECT_EQ(w.ProjectId, 0);
    w.TRStart.SetNow();
    w.TRMinutes = 5;
    w.RecordTime();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>({"Unexpected result from query", "Invalid project number",
                                        "Not worth recording less than a minute"}));
    EXPECT_EQ(timesRows(), Rows());
}
