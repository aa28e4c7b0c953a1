// SPDX-License-Identifier: MIT
#include "ProjectFormFixture.h"

#include <QLineEdit>

#include <algorithm>
#include <filesystem>

using TimeRecordTab = ProjectFormTest;

using Rows = std::vector<std::vector<std::string>>;

TEST_F(TimeRecordTab, EmptyNameIsRefusedAndTheSchemaNoteIsShown) {
    startWithDatabase();
    for (const char *button : {"Button11", "Button13", "Button14"})
        click(button);
    EXPECT_EQ(messages.texts(), std::vector<std::string>({"You must have a project selected!",
                                                          "You must have a project selected!",
                                                          "Two tables: projects and times"}));
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_EQ(messages.messages[2].caption, "Not much help");
    EXPECT_EQ(shown("Button11"), "Start");
    EXPECT_FALSE(timer("TRTimer").enabled());
    EXPECT_EQ(shown("QueryLabel"), "");
    EXPECT_EQ(rows("select * from projects", 2), Rows());
}

// A part minute counts from 31 seconds on. The row's start is the second
// Start was pressed; another recording that started in the same second (a
// second window) moves it on to the next free second.
TEST_F(TimeRecordTab, StopStoresWholeMinutesFromTheStartSecond) {
    startWithDatabase();
    struct Case {
        int seconds;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {31, {}},
        {30, {"Not worth recording less than a minute"}},
        {3760, {}},
        {3600, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.seconds);
        messages.messages.clear();
        now.minute = 30;
        typeProject("Writing");
        click("Button11");
        EXPECT_EQ(shown("Button11"), "Stop");
        tick(c.seconds);
        now.minute = 59;
        click("Button11");
        EXPECT_EQ(shown("Button11"), "Start");
        EXPECT_EQ(shown("StopLabel2"), "00:00");
        EXPECT_FALSE(timer("TRTimer").enabled());
        EXPECT_EQ(messages.texts(), c.told);
    }
    EXPECT_EQ(messages.messages[0].caption, "Seriously?");
    EXPECT_EQ(timesRows(), Rows({{"1", "1", "2024", "3", "15", "9", "30", "5"},
                                 {"1", "63", "2024", "3", "15", "9", "30", "6"},
                                 {"1", "60", "2024", "3", "15", "9", "30", "7"}}));
    EXPECT_EQ(projectList(), QStringList({"Writing"}));
}

// The box may show another project meanwhile; the label keeps the one Stop
// stores under.
TEST_F(TimeRecordTab, LabelNamesTheProjectBeingRecorded) {
    startWithDatabase();
    typeProject("Thesis");
    click("Button11");
    typeProject("Garden");
    EXPECT_EQ(shown("RecordingLabel"), "Recording Thesis");
    tick(60);
    click("Button11");
    EXPECT_EQ(shown("RecordingLabel"), "");
    EXPECT_EQ(rows("select name from projects, times where ID = project", 1), Rows({{"Thesis"}}));
}

// Pausing is apart from recording: resumed, the counter runs without a
// recording and that time joins the next one; a pause keeps the count.
TEST_F(TimeRecordTab, PauseAndRecordingAreIndependent) {
    startWithDatabase();
    click("PauseButton");
    EXPECT_EQ(shown("PauseButton"), "Resume");
    EXPECT_FALSE(timer("TRTimer").enabled());
    click("PauseButton");
    EXPECT_EQ(shown("PauseButton"), "Pause");
    tick(2);
    EXPECT_EQ(shown("StopLabel2"), "00:02");

    click("PauseButton");
    typeProject("Writing");
    click("Button11");
    EXPECT_TRUE(timer("TRTimer").isArmed()) << "Start counts even when paused";
    EXPECT_EQ(shown("PauseButton"), "Resume");
    click("PauseButton");
    tick(28);
    EXPECT_EQ(shown("StopLabel2"), "00:30");
    click("PauseButton");
    click("PauseButton");
    tick(1);
    EXPECT_EQ(shown("StopLabel2"), "00:31");
    click("Button11");
    EXPECT_EQ(timesRows(), Rows({{"1", "1", "2024", "3", "15", "9", "30", "5"}}))
        << "the 2 idle seconds joined the 29 recorded";
}

// Only reads: a name not stored yet is not created, and checking other
// projects' totals does not move the running recording off its project.
TEST_F(TimeRecordTab, MinutesSinceADayIncludeThatDay) {
    storeProjects({"Writing", "Other"});
    execute({"insert into times values (1, 10, 2023, 12, 31, 23, 0, 0)",
             "insert into times values (1, 20, 2024, 1, 1, 0, 0, 0)",
             "insert into times values (1, 30, 2024, 2, 10, 8, 0, 0)",
             "insert into times values (2, 100, 2024, 1, 5, 8, 0, 0)"});
    startWithDatabase();
    typeProject("Other");
    click("Button11");
    tick(60);
    struct Case {
        const char *name, *year, *month, *day, *shown;
    };
    const Case cases[] = {
        {"Writing", "2024", "1", "1", "50"},   {"Writing", "2024", "2", "10", "30"},
        {"Writing", "2023", "12", "31", "60"}, {"Writing", "2022", "13", "1", "60"},
        {"Writing", "2024", "2", "11", "0"},   {"Unknown", "2017", "1", "1", "0"},
    };
    for (const auto &c : cases) {
        typeProject(c.name);
        widget<QLineEdit>("YearEdit")->setText(c.year);
        widget<QLineEdit>("MonthEdit")->setText(c.month);
        widget<QLineEdit>("DayEdit")->setText(c.day);
        click("Button13");
        EXPECT_EQ(shown("QueryLabel"), c.shown) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];

    widget<QLineEdit>("YearEdit")->setText("abc");
    click("Button13");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Exception);
    EXPECT_EQ(shown("QueryLabel"), "0");

    click("Button11");
    EXPECT_EQ(rows("select project, minutes_worked from times where month = 3", 2),
              Rows({{"2", "1"}}));
    EXPECT_EQ(projectList(), QStringList({"Writing", "Other"}));
    EXPECT_EQ(rows("select count(*) from projects", 1), Rows({{"2"}})) << "nothing created";
}

// The journal holds what Stop would store, from Start on and every counted
// minute, and goes when the row is stored. The recording counts on while
// another tab is shown.
TEST_F(TimeRecordTab, JournalFollowsTheRecording) {
    startWithDatabase();
    typeProject(" Writing ");
    click("Button11");
    const RecordingJournalEntry started{1, "Writing", now, 0, 0, 0};
    EXPECT_EQ(readRecordingJournal(journal()), started);
    openTab("TabSheet4");
    tick(119);
    openTab("TimeRecord");
    EXPECT_EQ(shown("StopLabel2"), "01:59");
    EXPECT_EQ(readRecordingJournal(journal())->minutes, 1u) << "written at 60 s";
    click("PauseButton");
    EXPECT_EQ(readRecordingJournal(journal())->seconds, 59u);
    click("PauseButton");
    click("Button11");
    EXPECT_FALSE(std::filesystem::exists(journal()));
    EXPECT_EQ(timesRows().size(), 1u);
}

// Journals left by runs that ended without storing them are stored at
// start-up, before the Time Record page is built. Recovery trusts no number of
// a journal it did not check: the name decides the project, two recordings of
// one second are both stored, one of the earlier form whose row is stored
// already (its run ended between the insert and the removal) is only removed,
// one out of its ranges is kept aside and said once, and one a recording holds
// is left.
TEST_F(TimeRecordTab, RecoveryStoresEachLeftJournalOnceUnderItsName) {
    storeProjects({"Garden"});
    const TimeDate stored{2024, 3, 14, 17, 5, 9, 0}, started{2024, 3, 15, 8, 0, 0, 0};
    execute({recordTimeSql(1, 63, stored)});
    const std::string db = ProjectDatabaseName;
    std::ofstream(db + "-recording-999999990")
        << "project=1\nstart=2024 3 14 17 5 9\ncounted=1 2 40\nname=Garden";
    const uint32_t minutes[] = {1, 2, 75};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(writeRecordingJournal(db + "-recording-99999999" + std::to_string(i + 1),
                                          {1, "Thesis", started, 0, minutes[i], 0}));
    RecordingJournalFile running(db);
    ASSERT_TRUE(running.write({1, "Garden", started, 0, 5, 0}));

    startForm();
    EXPECT_FALSE(widget<QComboBox>("ProjectBox")) << "the page is built when first shown";
    // Which of the two keeps the second depends on the order they are found.
    EXPECT_EQ(rows("select project, minutes_worked from times order by minutes_worked", 2),
              Rows({{"2", "1"}, {"2", "2"}, {"1", "63"}}));
    EXPECT_EQ(rows("select minutes, seconds from times where project = 2 order by seconds", 2),
              Rows({{"0", "0"}, {"0", "1"}}));
    EXPECT_EQ(rows("select id, name from projects order by id", 2),
              Rows({{"1", "Garden"}, {"2", "Thesis"}}));
    std::vector<std::string> told = messages.texts();
    std::sort(told.begin(), told.end());
    EXPECT_EQ(told, std::vector<std::string>(
                        {"Recovered 1 minute recorded for Thesis, started 3/15/2024 8:00:00, and "
                         "stored it.",
                         "Recovered 2 minutes recorded for Thesis, started 3/15/2024 8:00:00, and "
                         "stored it.",
                         "The recording journal " + db + "-recording-999999993" +
                             " cannot be read, so nothing was stored from it. It is kept as " + db +
                             "-recording-999999993.bad."}));
    EXPECT_EQ(messages.messages.back().caption, "Warning");
    EXPECT_FALSE(std::filesystem::exists(db + "-recording-999999990"));
    EXPECT_TRUE(std::filesystem::exists(db + "-recording-999999993.bad"));
    EXPECT_TRUE(std::filesystem::exists(running.path()));
    openTab("TimeRecord");
    EXPECT_EQ(projectList(), QStringList({"Garden", "Thesis"}));
    EXPECT_EQ(dateShown(), "2024-3-15");
}

// A journal of this form notes the row its store chose, so whether it was
// stored is told by that row alone: one that chose none yet is stored though
// its project has a row at its start (another window's), one whose chosen row
// is there is only removed (its row moved to the next second), and one whose
// chosen row is not there (the run ended before the commit) is stored.
TEST_F(TimeRecordTab, RecoveryLooksForTheExactRowTheJournalChose) {
    storeProjects({"Garden", "Thesis"});
    const TimeDate s{2024, 3, 15, 8, 0, 0, 0}, t{2024, 3, 15, 8, 30, 0, 0},
        u{2024, 3, 15, 9, 0, 0, 0};
    execute({recordTimeSql(2, 2, s), recordTimeSql(1, 7, t), recordTimeSql(2, 3, secondAfter(t))});
    const std::string db = ProjectDatabaseName;
    RecordingJournalEntry notChosen{2, "Thesis", s, 0, 2, 0}, moved{2, "Thesis", t, 0, 3, 0},
        lost{2, "Thesis", u, 0, 4, 0};
    moved.row = RecordingJournalRow{secondAfter(t), 3};
    lost.row = RecordingJournalRow{u, 4};
    ASSERT_TRUE(writeRecordingJournal(db + "-recording-999999991", notChosen));
    ASSERT_TRUE(writeRecordingJournal(db + "-recording-999999992", moved));
    ASSERT_TRUE(writeRecordingJournal(db + "-recording-999999993", lost));

    startForm();
    EXPECT_EQ(rows("select project, minutes_worked, hours, minutes, seconds from times "
                   "order by hours, minutes, seconds",
                   5),
              Rows({{"2", "2", "8", "0", "0"},
                    {"2", "2", "8", "0", "1"},
                    {"1", "7", "8", "30", "0"},
                    {"2", "3", "8", "30", "1"},
                    {"2", "4", "9", "0", "0"}}));
    EXPECT_EQ(messages.texts().size(), 2u);
    EXPECT_TRUE(takeRecordingJournals(db).empty());
}

// A second the journal of another recording chose (its store was cut off
// before the commit) is that recording's: Stop passes over it.
TEST_F(TimeRecordTab, StopPassesOverASecondAnotherJournalChose) {
    startWithDatabase();
    RecordingJournalEntry other{1, "Writing", now, 0, 1, 0};
    other.row = RecordingJournalRow{now, 1};
    ASSERT_TRUE(writeRecordingJournal("chimeral.db-recording-999999991", other));
    typeProject("Writing");
    click("Button11");
    tick(60);
    click("Button11");
    EXPECT_EQ(timesRows(), Rows({{"1", "1", "2024", "3", "15", "9", "30", "6"}}));
}

// The close stores what Stop would, once; less than a minute is refused by the
// same store as at Stop.
TEST_F(TimeRecordTab, ClosingStoresTheUnfinishedRecordingOnce) {
    startWithDatabase();
    typeProject("Writing");
    click("Button11");
    tick(130);
    form->close();
    form.reset();
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
    EXPECT_EQ(timesRows(), Rows({{"1", "2", "2024", "3", "15", "9", "30", "5"}}));
}
