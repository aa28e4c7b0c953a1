// SPDX-License-Identifier: MIT
#include "projects/ProjectStore.h"

#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "projects/SQLite.h"
#include "support/TempDir.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Rows = std::vector<std::string>;

TimeDate at(int day, int hour, int minute, int second) {
    return TimeDate(2026, 12, static_cast<int16_t>(day), static_cast<int16_t>(hour),
                    static_cast<int16_t>(minute), static_cast<int16_t>(second), 0);
}

// A store on chimeral.db in a fresh folder, and a second connection of its
// own to look at the file and to hold it locked.
class ProjectStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        SQLite::setBusyTimeout(50);
        ASSERT_TRUE(store.open(ProjectDatabaseName).ok());
        ASSERT_TRUE(look.Open(ProjectDatabaseName, false));
    }
    void TearDown() override { SQLite::setBusyTimeout(SQLite::DefaultBusyTimeoutMs); }

    void execute(const std::vector<std::string> &statements) {
        for (const auto &sql : statements)
            ASSERT_TRUE(look.Execute(sql)) << sql << ": " << look.ErrorText();
    }
    // Every row of both tables, one text each, in key order.
    Rows dump() {
        std::unique_ptr<SQLite_Cursor> rows(
            look.Query("select 'p ' || ID || ' ' || name from projects union all select 't ' || "
                       "project || ' ' || minutes_worked || ' ' || printf('%d-%d-%d %d:%d:%d', "
                       "year, month, day, hours, minutes, seconds) from times order by 1"));
        Rows out;
        while (rows && rows->Next())
            out.push_back(rows->ColumnText(0));
        return out;
    }
    // Alpha (1) with two rows, Beta (2) with one, on 7 and 9 December.
    void storeSample() {
        execute({"insert into projects values (1, 'Alpha')",
                 "insert into projects values (2, 'Beta')",
                 "insert into times values (1, 30, 2026, 12, 7, 9, 0, 0)",
                 "insert into times values (2, 45, 2026, 12, 9, 8, 0, 0)",
                 "insert into times values (1, 60, 2026, 12, 9, 10, 0, 0)"});
    }
    std::vector<HistoryRow> historyOf(const HistoryFilter &filter, int64_t offset = 0,
                                      int64_t limit = 100) {
        const auto rows = store.history(filter, offset, limit);
        EXPECT_TRUE(rows.ok()) << rows.error().text;
        return rows ? *rows : std::vector<HistoryRow>{};
    }

    TempCurrentDir dir;
    ProjectStore store;
    SQLite look;
};

TEST(ProjectStoreOpen, OpensCreatesOrRefusesByWhatIsThere) {
    struct Case {
        const char *what;
        std::function<void()> make;
        ProjectStore::OpenMode mode;
        std::optional<StoreError::Kind> refused;
        bool writable;
        int tables;
    };
    using Mode = ProjectStore::OpenMode;
    const Case cases[] = {
        {"nothing there", [] {}, Mode::Create, {}, true, 2},
        {"an empty file, as a start without the library leaves it",
         [] { std::ofstream file(ProjectDatabaseName); },
         Mode::Create,
         {},
         true,
         2},
        {"nothing there, not to be created", [] {}, Mode::Existing, StoreError::OpenFailed, false,
         0},
        {"nothing there, to be read", [] {}, Mode::ReadOnly, StoreError::OpenFailed, false, 0},
        {"a folder", [] { fs::create_directory(ProjectDatabaseName); }, Mode::Create,
         StoreError::NotRegularFile, false, 0},
        {"a named pipe, never opened", [] { mkfifo(ProjectDatabaseName, 0600); }, Mode::ReadOnly,
         StoreError::NotRegularFile, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TempCurrentDir dir;
        c.make();
        ProjectStore store;
        const StoreStatus opened = store.open(ProjectDatabaseName, c.mode);
        EXPECT_EQ(opened.ok(), !c.refused);
        EXPECT_EQ(store.isOpen(), !c.refused);
        if (c.refused) {
            EXPECT_EQ(opened.error().kind, *c.refused) << opened.error().text;
            EXPECT_EQ(store.path(), "");
            continue;
        }
        EXPECT_EQ(store.path(), dir.file(ProjectDatabaseName));
        EXPECT_EQ(store.isWritable(), c.writable);
        SQLite look;
        ASSERT_TRUE(look.OpenForReading(ProjectDatabaseName));
        std::unique_ptr<SQLite_Cursor> count(
            look.Query("select count(*) from sqlite_master where type = 'table'"));
        ASSERT_TRUE(count && count->Next());
        EXPECT_EQ(count->ColumnInt(0, -1), c.tables);
    }
}

TEST_F(ProjectStoreTest, ProjectsAreFoundOrMadeUnderTheNextFreeId) {
    QSignalSpy projects(&store, &ProjectStore::projectsChanged);
    execute(
        {"insert into projects values (4, 'Delta')", "insert into projects values (2, 'Beta')"});
    const auto made = store.projectIdFor("Alpha");
    ASSERT_TRUE(made.ok());
    EXPECT_EQ(made->id, 5);
    EXPECT_TRUE(made->created);
    const auto found = store.projectIdFor("Alpha");
    EXPECT_EQ(found->id, 5);
    EXPECT_FALSE(found->created);
    EXPECT_EQ(projects.count(), 1);
    EXPECT_EQ(*store.findProject("alpha"), 0) << "letter case tells names apart";
    EXPECT_EQ(store.projectNames()->names, (std::vector<std::string>{"Delta", "Beta", "Alpha"}));
    EXPECT_EQ(*store.projectsByName(), (std::vector<std::string>{"Alpha", "Beta", "Delta"}));

    execute(
        {"insert into projects values ('x', 'Text ID')", "insert into projects values (9, null)"});
    EXPECT_EQ(store.projectIdFor("Gamma").error().kind, StoreError::InvalidProject)
        << "a text ID leaves no largest ID";
    EXPECT_EQ(store.projectIdFor("Text ID").error().kind, StoreError::UnexpectedResult);
    EXPECT_FALSE(store.projectNames()->complete) << "a name that is not text ends the list";
}

TEST_F(ProjectStoreTest, ARowTakesTheNextFreeSecondAndIsHandedOverBeforeItIsStored) {
    struct Case {
        std::vector<std::string> taken; // rows already there
        TimeDate start;
        std::optional<TimeDate> storedAt; // none: refused
    };
    const Case cases[] = {
        {{}, at(9, 10, 0, 0), at(9, 10, 0, 0)},
        {{"(2, 5, 2026, 12, 9, 10, 0, 0)"}, at(9, 10, 0, 0), at(9, 10, 0, 1)},
        {{"(1, 5, 2026, 12, 31, 23, 59, 59)"},
         TimeDate(2026, 12, 31, 23, 59, 59, 0),
         TimeDate(2027, 1, 1, 0, 0, 0, 0)},
        // A whole minute taken: the insert fails on the key, as it always did.
        {{"(2, 5, 2026, 12, 9, 10, 0, 0)"}, at(9, 10, 0, 0), std::nullopt},
    };
    for (const Case &c : cases) {
        execute({"delete from times"});
        for (const auto &row : c.taken)
            execute({"insert into times values " + row});
        if (!c.storedAt)
            for (int s = 1; s < 60; ++s)
                execute({"insert into times values (2, 5, 2026, 12, 9, 10, 0, " +
                         std::to_string(s) + ")"});
        std::optional<TimesRow> handed;
        int64_t storedWhenHanded = -1;
        const auto stored = store.storeTime({1, c.start, 25}, [&](const TimesRow &row) {
            handed = row;
            storedWhenHanded = *store.hasRow(row);
            return true;
        });
        ASSERT_EQ(stored.ok(), c.storedAt.has_value());
        if (!c.storedAt) {
            EXPECT_EQ(stored.error().status, 19);
            EXPECT_EQ(stored.error().text.rfind("Error in SQL command: insert into times", 0), 0u);
            continue;
        }
        const TimesRow expected{1, *c.storedAt, 25};
        EXPECT_EQ(*stored, expected);
        EXPECT_EQ(handed, expected);
        EXPECT_EQ(storedWhenHanded, 0) << "handed over before the insert";
        EXPECT_TRUE(*store.hasRow(expected));
    }
}

// A second that another recording's journal chose may hold its row already
// (its store never finished): every store passes over it but that journal's own.
TEST_F(ProjectStoreTest, ASecondAnotherJournalChoseIsPassedOver) {
    RecordingJournalEntry other{1, "Alpha", at(9, 10, 0, 0), 0, 5, 0};
    other.row = RecordingJournalRow{at(9, 10, 0, 0), 5};
    const std::string journal = recordingJournalPath(ProjectDatabaseName, 999999991);
    ASSERT_TRUE(writeRecordingJournal(journal, other));
    const int own = ::open(journal.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(own, 0);
    EXPECT_EQ(store.storeTime({1, at(9, 10, 0, 0), 25})->start, at(9, 10, 0, 1));
    EXPECT_EQ(store.addTime("Beta", at(9, 10, 0, 0), 25)->start, at(9, 10, 0, 2));
    execute({"delete from times"});
    EXPECT_EQ(store.storeTime({1, at(9, 10, 0, 0), 5}, {}, own)->start, at(9, 10, 0, 0));
    ::close(own);
}

// Time added by hand makes its project in the same change, once.
TEST_F(ProjectStoreTest, AddedTimeMakesItsProjectWithTheRow) {
    storeSample();
    QSignalSpy records(&store, &ProjectStore::recordsChanged);
    QSignalSpy projects(&store, &ProjectStore::projectsChanged);
    EXPECT_EQ(*store.addTime(" Gamma ", at(9, 10, 0, 0), 15), (TimesRow{3, at(9, 10, 0, 1), 15}));
    EXPECT_EQ(*store.addTime("Alpha", at(9, 11, 0, 0), 5), (TimesRow{1, at(9, 11, 0, 0), 5}));
    EXPECT_EQ(records.count(), 2);
    EXPECT_EQ(projects.count(), 1);
    EXPECT_EQ(store.addTime(" ", at(9, 12, 0, 0), 5).error().kind, StoreError::EmptyName);
    EXPECT_EQ(store.addTime("Alpha", at(9, 12, 0, 0), 0).error().kind, StoreError::TooShort);
    EXPECT_EQ(dump(), (Rows{"p 1 Alpha", "p 2 Beta", "p 3 Gamma", "t 1 30 2026-12-7 9:0:0",
                            "t 1 5 2026-12-9 11:0:0", "t 1 60 2026-12-9 10:0:0",
                            "t 2 45 2026-12-9 8:0:0", "t 3 15 2026-12-9 10:0:1"}));
}

TEST_F(ProjectStoreTest, AnExactRowIsFoundByItsProjectSecondAndMinutes) {
    storeSample();
    EXPECT_TRUE(*store.hasRow({1, at(9, 10, 0, 0), 60}));
    EXPECT_FALSE(*store.hasRow({1, at(9, 10, 0, 0), 59}));
    EXPECT_FALSE(*store.hasRow({2, at(9, 10, 0, 0), 60}));
    EXPECT_FALSE(*store.hasRow({1, at(9, 10, 0, 1), 60}));

    const auto refused =
        store.storeTime({1, at(9, 12, 0, 0), 5}, [](const TimesRow &) { return false; });
    EXPECT_EQ(refused.error().kind, StoreError::NotStoredNow);
    EXPECT_FALSE(*store.hasRow({1, at(9, 12, 0, 0), 5})) << "a refused row is not stored";
}

TEST_F(ProjectStoreTest, MinutesSinceADaySumOneProject) {
    storeSample();
    struct Case {
        int32_t project;
        int year, month, day;
        int64_t minutes;
    };
    const Case cases[] = {
        {1, 2026, 12, 7, 90}, {1, 2026, 12, 8, 60}, {2, 2026, 1, 1, 45},
        {1, 2026, 12, 10, 0}, {3, 2017, 1, 1, 0},   {1, 2025, 13, 1, 90},
    };
    for (const Case &c : cases)
        EXPECT_EQ(*store.minutesSince(c.project, c.year, c.month, c.day), c.minutes)
            << c.project << " since " << c.year << "-" << c.month << "-" << c.day;
}

TEST_F(ProjectStoreTest, HistoryCountsAndPagesNewestFirstThroughItsFilter) {
    storeSample();
    execute({"insert into times values (7, 5, 2026, 11, 30, 9, 0, 0)",
             "insert into times values (null, 6, 2026, 12, 13, 9, 0, 0)"});
    struct Case {
        HistoryFilter filter;
        std::vector<std::string> projects; // newest first
    };
    const RecordDay wednesday{2026, 12, 9};
    const Case cases[] = {
        {{}, {"(no project)", "Alpha", "Beta", "Alpha", "#7"}},
        {{"Alpha", {}, {}}, {"Alpha", "Alpha"}},
        {{"Nobody", {}, {}}, {}},
        {HistoryFilter::ofPeriod(Today, wednesday, 1), {"Alpha", "Beta"}},
        {HistoryFilter::ofPeriod(ThisWeek, wednesday, 1),
         {"(no project)", "Alpha", "Beta", "Alpha"}},
        {HistoryFilter::ofPeriod(ThisWeek, wednesday, 7), {"Alpha", "Beta", "Alpha"}},
        {HistoryFilter::ofPeriod(ThisMonth, wednesday, 1, "Alpha"), {"Alpha", "Alpha"}},
        {HistoryFilter::ofPeriod(AllTime, {2026, 12, 1}, 1, "Beta"), {"Beta"}},
        {HistoryFilter::ofPeriod(ThisWeek, {2026, 12, 1}, 1), {"#7"}}, // across a month
    };
    for (const bool indexed : {false, true}) {
        if (indexed) {
            ASSERT_TRUE(store.prepareHistory().ok());
        }
        for (const Case &c : cases) {
            std::vector<std::string> shown;
            for (const HistoryRow &row : historyOf(c.filter))
                shown.push_back(row.project);
            EXPECT_EQ(shown, c.projects) << (indexed ? "with" : "without") << " the index";
            EXPECT_EQ(*store.historyCount(c.filter), static_cast<int64_t>(c.projects.size()));
        }
    }
    const std::vector<HistoryRow> page = historyOf({}, 1, 2);
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[0].hours, 10);
    EXPECT_EQ(page[0].minutesWorked, 60);
    EXPECT_EQ(page[1].project, "Beta");
}

TEST_F(ProjectStoreTest, EditingReplacesTheRowByAddTimesRules) {
    storeSample();
    QSignalSpy changes(&store, &ProjectStore::recordsChanged);
    struct Case {
        const char *what;
        std::string project;
        TimeDate start;
        int64_t minutes;
        std::optional<TimesRow> stored; // none: refused
    };
    const Case cases[] = {
        {"the minutes only", "Alpha", at(9, 10, 0, 0), 50, TimesRow{1, at(9, 10, 0, 0), 50}},
        {"onto another row's second", " Beta ", at(9, 8, 0, 0), 50,
         TimesRow{2, at(9, 8, 0, 1), 50}},
        {"to a new project", "Gamma", at(8, 7, 0, 0), 20, TimesRow{3, at(8, 7, 0, 0), 20}},
        {"no name", "  ", at(9, 10, 0, 0), 50, std::nullopt},
        {"no minutes", "Alpha", at(9, 10, 0, 0), 0, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const HistoryRow newest = historyOf({}, 0, 1).at(0);
        const Rows before = dump();
        const auto edited = store.editRow(newest, c.project, c.start, c.minutes);
        ASSERT_EQ(edited.ok(), c.stored.has_value());
        if (!c.stored) {
            EXPECT_EQ(dump(), before);
            continue;
        }
        EXPECT_EQ(*edited, *c.stored);
        EXPECT_EQ(*store.historyCount({}), 3) << "replaced, not added";
        EXPECT_TRUE(*store.hasRow(*c.stored));
    }
    EXPECT_EQ(changes.count(), 3);
    const HistoryRow gone = historyOf({}, 0, 1).at(0);
    ASSERT_TRUE(store.deleteRows({gone}).ok());
    EXPECT_EQ(store.editRow(gone, "Alpha", at(9, 10, 0, 0), 5).error().kind, StoreError::NoSuchRow);
}

// A row of a project ID without a name, or of none, edited with its name left
// as shown keeps that project; no project is made of the shown text.
TEST_F(ProjectStoreTest, EditingKeepsTheRowsProjectWhenItsNameIsLeftAsShown) {
    storeSample();
    execute({"insert into times values (7, 5, 2026, 11, 30, 9, 0, 0)",
             "insert into times values (null, 6, 2026, 12, 13, 9, 0, 0)"});
    // The newest, "(no project)", to 2 November; then "#7", fourth, to the 3rd.
    for (const int64_t offset : {0, 3}) {
        const HistoryRow row = historyOf({}, offset, 1).at(0);
        const TimeDate start(2026, 11, 2 + offset / 3, 8, 0, 0, 0);
        ASSERT_TRUE(store.editRow(row, row.project, start, 25 + offset).ok()) << row.project;
        EXPECT_EQ(*store.findProject(row.project), 0) << row.project;
    }
    std::vector<std::string> shown;
    for (const HistoryRow &row : historyOf({}))
        shown.push_back(row.project + " " + std::to_string(row.minutesWorked));
    EXPECT_EQ(shown, (std::vector<std::string>{"Alpha 60", "Beta 45", "Alpha 30", "#7 28",
                                               "(no project) 25"}));
}

TEST_F(ProjectStoreTest, ProjectsAreRenamedMergedAndDeletedWithTheirRows) {
    storeSample();
    EXPECT_EQ(*store.projectSummary("Alpha"), (RowsSummary{2, 90}));
    EXPECT_EQ(store.renameProject("Alpha", "Beta").error().kind, StoreError::ProjectExists);
    EXPECT_EQ(store.renameProject("Nobody", "Zeta").error().kind, StoreError::NoSuchProject);
    ASSERT_TRUE(store.renameProject("Alpha", " Draft ").ok());
    EXPECT_EQ(dump(), (Rows{"p 1 Draft", "p 2 Beta", "t 1 30 2026-12-7 9:0:0",
                            "t 1 60 2026-12-9 10:0:0", "t 2 45 2026-12-9 8:0:0"}));

    EXPECT_EQ(*store.mergeProject("Draft", "Beta"), (RowsSummary{2, 90}));
    EXPECT_EQ(dump(), (Rows{"p 2 Beta", "t 2 30 2026-12-7 9:0:0", "t 2 45 2026-12-9 8:0:0",
                            "t 2 60 2026-12-9 10:0:0"}));

    const std::vector<HistoryRow> two = historyOf({}, 0, 2);
    EXPECT_EQ(*store.deleteRows(two), (RowsSummary{2, 105}));
    EXPECT_EQ(*store.deleteRows(two), (RowsSummary{0, 0})) << "gone already";
    EXPECT_EQ(*store.deleteProject("Beta"), (RowsSummary{1, 30}));
    EXPECT_EQ(dump(), Rows{});
}

// A database that cannot be written: every change fails with SQLite's words,
// leaves the file as it was and signals nothing.
TEST_F(ProjectStoreTest, AChangeThatCannotBeWrittenChangesNothing) {
    storeSample();
    const HistoryRow newest = historyOf({}, 0, 1).at(0);
    const std::vector<std::pair<const char *, std::function<std::optional<StoreError>()>>> changes =
        {
            {"store",
             [&] {
                 return store.storeTime({1, at(9, 12, 0, 0), 5}).error();
             }},
            {"new project", [&] { return store.projectIdFor("Gamma").error(); }},
            {"edit", [&] { return store.editRow(newest, "Beta", at(9, 12, 0, 0), 5).error(); }},
            {"delete rows", [&] { return store.deleteRows({newest}).error(); }},
            {"rename", [&] { return store.renameProject("Alpha", "Draft").error(); }},
            {"merge", [&] { return store.mergeProject("Alpha", "Beta").error(); }},
            {"delete project", [&] { return store.deleteProject("Alpha").error(); }},
        };
    struct Way {
        const char *what;
        std::function<void()> make, undo;
        const char *reason;
    };
    const Way ways[] = {
        {"locked by another connection", [&] { execute({"begin exclusive"}); },
         [&] { execute({"rollback"}); }, "The database file is locked"},
        {"opened for reading only",
         [&] {
             ASSERT_TRUE(store.open(ProjectDatabaseName, ProjectStore::OpenMode::ReadOnly).ok());
         },
         [] {}, "Attempt to write a readonly database"},
    };
    const Rows before = dump();
    for (const Way &way : ways) {
        SCOPED_TRACE(way.what);
        way.make();
        QSignalSpy signalled(&store, &ProjectStore::recordsChanged);
        for (const auto &[what, change] : changes) {
            SCOPED_TRACE(what);
            StoreError error;
            // The error() of a result that holds a value throws: a change that went through.
            ASSERT_NO_THROW(error = *change());
            EXPECT_NE(error.text.find(way.reason), std::string::npos) << error.text;
        }
        EXPECT_EQ(signalled.count(), 0);
        way.undo();
        EXPECT_EQ(dump(), before);
    }
}

// Only where the file's mode is what stops a write: the superuser writes anyway.
TEST_F(ProjectStoreTest, AFileWithoutWritePermissionIsNotWritable) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write any file";
    storeSample();
    chmod(ProjectDatabaseName, 0444);
    ASSERT_TRUE(store.open(ProjectDatabaseName, ProjectStore::OpenMode::Existing).ok());
    EXPECT_FALSE(store.isWritable());
    const Rows before = dump();
    const auto refused = store.storeTime({1, at(9, 12, 0, 0), 5});
    EXPECT_EQ(refused.error().reason, "Attempt to write a readonly database");
    EXPECT_EQ(dump(), before);
}

} // namespace
