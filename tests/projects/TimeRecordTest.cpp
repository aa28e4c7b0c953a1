// SPDX-License-Identifier: MIT
#include "ProjectFormFixture.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "ui_TMainForm.h"

#include <filesystem>

using TimeRecordTab = ProjectFormTest;
using TimeRecordWithoutDatabase = MainFormTest;

using Rows = std::vector<std::vector<std::string>>;

namespace {
void tick(TMainForm &w, int seconds) {
    for (int i = 0; i < seconds; ++i)
        w.TRTimer.fire();
}
} // namespace

TEST_F(TimeRecordTab, EmptyNameIsRefused) {
    auto &w = startWithDatabase();
    w.ui->QueryLabel->setText("kept");
    w.ui->Button11->click();
    w.ui->Button13->click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, "You must have a project selected!"));
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_EQ(w.ui->Button11->text(), "Start");
    EXPECT_FALSE(w.Recording);
    EXPECT_FALSE(w.TRTimer.enabled());
    EXPECT_EQ(w.ui->QueryLabel->text(), "kept");
    EXPECT_EQ(rows("select * from projects", 2), Rows());
}

TEST_F(TimeRecordTab, StartAndStopStoreTheCountedMinutes) {
    auto &w = startWithDatabase();
    struct Case {
        int seconds;
        Rows stored;
    };
    const Case cases[] = {
        {45, {{"1", "1", "2024", "3", "15", "9", "30", "5"}}},
        {20, {{"1", "1", "2024", "3", "15", "9", "30", "5"}}},
        {95,
         {{"1", "1", "2024", "3", "15", "9", "30", "5"},
          {"1", "2", "2024", "3", "15", "9", "32", "5"}}},
    };
    int16_t minute = 29;
    for (const auto &c : cases) {
        now.minute = ++minute;
        w.ui->ProjectBox->setEditText("Writing");
        w.ui->Button11->click();
        EXPECT_EQ(w.ui->Button11->text(), "Stop");
        EXPECT_TRUE(w.TRTimer.isArmed());
        tick(w, c.seconds);
        now.minute = 59; // the stored start is the time Start was pressed
        w.ui->Button11->click();
        EXPECT_EQ(w.ui->Button11->text(), "Start");
        EXPECT_EQ(w.ui->StopLabel2->text(), "00:00");
        EXPECT_FALSE(w.TRTimer.enabled());
        EXPECT_EQ(timesRows(), c.stored) << c.seconds << " s";
    }
    EXPECT_EQ(projectList(), QStringList({"Writing"}));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>({"Not worth recording less than a minute"}));
}

TEST_F(TimeRecordTab, DisplayCountsOnAcrossAPause) {
    auto &w = startWithDatabase();
    w.ui->ProjectBox->setEditText("Writing");
    w.ui->Button11->click();
    tick(w, 59);
    EXPECT_EQ(w.ui->StopLabel2->text(), "00:59");
    w.ui->PauseButton->click();
    w.ui->PauseButton->click();
    tick(w, 1);
    EXPECT_EQ(w.ui->StopLabel2->text(), "01:00");
    tick(w, 3540);
    EXPECT_EQ(w.ui->StopLabel2->text(), "1:00:00");
}

TEST_F(TimeRecordTab, PauseAndRecordingAreIndependent) {
    auto &w = startWithDatabase();
    w.ui->PauseButton->click();
    EXPECT_TRUE(w.Paused);
    EXPECT_EQ(w.ui->PauseButton->text(), "Resume");
    EXPECT_FALSE(w.TRTimer.enabled());
    w.ui->PauseButton->click();
    EXPECT_TRUE(w.TRTimer.isArmed()) << "counting without a recording";
    EXPECT_FALSE(w.Recording);
    tick(w, 2);
    EXPECT_EQ(w.ui->StopLabel2->text(), "00:02");

    w.ui->PauseButton->click();
    w.ui->ProjectBox->setEditText("Writing");
    w.ui->Button11->click();
    EXPECT_TRUE(w.Recording);
    EXPECT_TRUE(w.TRTimer.isArmed());
    EXPECT_EQ(w.ui->PauseButton->text(), "Resume");
    w.ui->PauseButton->click();
    EXPECT_FALSE(w.Paused);
    EXPECT_EQ(w.ui->PauseButton->text(), "Pause");
    EXPECT_TRUE(w.TRTimer.isArmed());
    tick(w, 29);
    w.ui->Button11->click();
    EXPECT_EQ(timesRows(), Rows({{"1", "1", "2024", "3", "15", "9", "30", "5"}}))
        << "the 2 idle seconds joined the 29 recorded";
}

TEST_F(TimeRecordTab, MinutesSinceADayIncludeThatDay) {
    auto &w = startWithDatabase();
    w.ui->ProjectBox->setEditText("Writing");
    w.LookupProject();
    w.ui->ProjectBox->setEditText("Other");
    w.LookupProject();
    execute({"insert into times values (1, 10, 2023, 12, 31, 23, 0, 0)",
             "insert into times values (1, 20, 2024, 1, 1, 0, 0, 0)",
             "insert into times values (1, 30, 2024, 2, 10, 8, 0, 0)",
             "insert into times values (2, 100, 2024, 1, 5, 8, 0, 0)"});
    messages.messages.clear();
    struct Case {
        const char *name, *year, *month, *day, *shown;
    };
    const Case cases[] = {
        {"Writing", "2024", "1", "1", "50"},   {"Writing", "2024", "2", "10", "30"},
        {"Writing", "2023", "12", "31", "60"}, {"Writing", "2022", "13", "1", "60"},
        {"Writing", "2024", "2", "11", "0"},   {"Unknown", "2017", "1", "1", "0"},
    };
    for (const auto &c : cases) {
        w.ui->ProjectBox->setEditText(c.name);
        w.ui->YearEdit->setText(c.year);
        w.ui->MonthEdit->setText(c.month);
        w.ui->DayEdit->setText(c.day);
        w.ui->Button13->click();
        EXPECT_EQ(w.ui->QueryLabel->text(), c.shown) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
    EXPECT_EQ(projectList(), QStringList({"Writing", "Other"})) << "nothing created";

    w.ui->YearEdit->setText("abc");
    w.ui->Button13->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Exception);
    EXPECT_EQ(w.ui->QueryLabel->text(), "0");
}

// Checking another project's total must not move the running recording.
TEST_F(TimeRecordTab, MinutesSinceLeaveTheRecordingOnItsProject) {
    auto &w = startWithDatabase();
    w.ui->ProjectBox->setEditText("Other");
    w.LookupProject();
    w.ui->ProjectBox->setEditText("Writing");
    w.ui->Button11->click();
    tick(w, 60);
    for (const char *name : {"Other", "Typo"}) {
        w.ui->ProjectBox->setEditText(name);
        w.ui->Button13->click();
    }
    w.ui->Button11->click();
    EXPECT_EQ(timesRows(), Rows({{"2", "1", "2024", "3", "15", "9", "30", "5"}}));
    EXPECT_EQ(projectList(), QStringList({"Other", "Writing"}));
}

// A recording that could not be stored runs with no project: it never starts.
TEST_F(TimeRecordTab, StartIsRefusedWhenTheLookupGivesNoProject) {
    auto &w = startWithDatabase();
    execute({"insert into projects values ('x', 'Odd')"});
    w.ui->ProjectBox->setEditText("Odd");
    w.ui->Button11->click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>({"Unexpected result from query"}));
    EXPECT_EQ(w.ui->Button11->text(), "Start");
    EXPECT_FALSE(w.Recording);
    EXPECT_FALSE(w.TRTimer.enabled());
}

// The journal holds what Stop would store, from Start on and every counted
// minute, and goes when the row is stored.
TEST_F(TimeRecordTab, JournalFollowsTheRecording) {
    auto &w = startWithDatabase();
    w.ui->ProjectBox->setEditText(" Writing ");
    w.ui->Button11->click();
    const RecordingJournalEntry started{1, "Writing", now, 0, 0, 0};
    EXPECT_EQ(readRecordingJournal(w.RecordingJournal), started);
    tick(w, 119);
    EXPECT_EQ(readRecordingJournal(w.RecordingJournal)->minutes, 1u) << "written at 60 s";
    w.ui->PauseButton->click();
    EXPECT_EQ(readRecordingJournal(w.RecordingJournal)->seconds, 59u);
    w.ui->PauseButton->click();
    w.ui->Button11->click();
    EXPECT_FALSE(std::filesystem::exists(w.RecordingJournal));
    EXPECT_EQ(timesRows().size(), 1u);
}

// A journal left by a run that ended without storing it: a dead process's.
TEST_F(TimeRecordTab, StartUpStoresALeftJournalOnce) {
    createDatabaseFileIfMissing(ProjectDatabaseName);
    execute({CreateProjectsTableSql, CreateTimesTableSql,
             "insert into projects values (1, 'Writing')"});
    const std::string left = recordingJournalPath(ProjectDatabaseName, 999999999);
    const RecordingJournalEntry entry{1, "Writing", {2024, 3, 14, 17, 5, 9, 0}, 1, 2, 40};
    const Rows row{{"1", "63", "2024", "3", "14", "17", "5", "9"}};
    // The second run finds the row already stored: the last run ended
    // between the insert and the removal.
    const std::vector<std::string> told[] = {
        {"Recovered 63 minutes recorded for Writing since 3/14/2024 17:05:09."}, {}};
    for (const auto &expected : told) {
        ASSERT_TRUE(writeRecordingJournal(left, entry));
        messages.messages.clear();
        startWithDatabase();
        EXPECT_FALSE(std::filesystem::exists(left));
        EXPECT_EQ(timesRows(), row);
        EXPECT_EQ(messages.texts(), expected);
        if (!messages.messages.empty()) {
            EXPECT_EQ(messages.messages[0].caption, "Time Record");
        }
        form.reset();
    }
}

TEST_F(TimeRecordTab, ClosingStoresTheUnfinishedRecordingOnce) {
    struct Case {
        int seconds;
        Rows stored;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {130, {{"1", "2", "2024", "3", "15", "9", "30", "5"}}, {}},
        {10,
         {{"1", "2", "2024", "3", "15", "9", "30", "5"}},
         {"Not worth recording less than a minute"}},
    };
    for (const auto &c : cases) {
        auto &w = startWithDatabase();
        messages.messages.clear();
        w.ui->ProjectBox->setEditText("Writing");
        w.ui->Button11->click();
        tick(w, c.seconds);
        w.close();
        EXPECT_EQ(timesRows(), c.stored) << c.seconds << " s";
        EXPECT_EQ(messages.texts(), c.shown) << c.seconds << " s";
        form.reset();
        now.minute = 45;
    }
}

TEST_F(TimeRecordTab, SchemaNote) {
    auto &w = startWithDatabase();
    w.ui->Button14->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Two tables: projects and times");
    EXPECT_EQ(messages.messages[0].caption, "Not much help");
}

TEST_F(TimeRecordWithoutDatabase, NothingIsRecordedAndTheUserIsTold) {
    auto &w = startForm();
    ASSERT_EQ(w.ClockStyle, 0) << "start-up ended before the database step";
    messages.messages.clear();
    w.ui->ProjectBox->setEditText("Writing");
    w.ui->Button11->click();
    EXPECT_EQ(w.ui->Button11->text(), "Start");
    EXPECT_FALSE(w.Recording);
    EXPECT_FALSE(w.TRTimer.enabled());
    w.ui->Button13->click();
    EXPECT_EQ(w.ui->QueryLabel->text(), "");
    w.ui->PauseButton->click();
    w.ui->PauseButton->click();
    tick(w, 70);
    w.close();
    EXPECT_EQ(w.TRMinutes + w.TRSeconds, 0u);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>(
                  3, "No project database is open, so no time can be recorded or summed. Set the "
                     "alarm sound under Options > Sounds and start the program again."));
    EXPECT_FALSE(std::filesystem::exists(cwd.file("chimeral.db")));
}
