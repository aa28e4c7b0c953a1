// SPDX-License-Identifier: MIT
#include "projects/RecordTotals.h"
#include "common/TimeDate.h"
#include "projects/ProjectSql.h"
#include "projects/ProjectStore.h"
#include "projects/SQLite.h"
#include "projects/TotalsWindow.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr unsigned D = 1u << Today, W = 1u << ThisWeek, M = 1u << ThisMonth, A = 1u << AllTime;
constexpr int Monday = 1, Sunday = 7;

TEST(RecordTotals, PeriodsOfTheDayARecordingStarted) {
    struct Case {
        RecordDay today;
        int firstDay;
        int64_t year, month, day;
        unsigned periods;
    };
    // 2026-12-09 is a Wednesday, 2026-12-01 a Tuesday, 2026-12-13 a Sunday.
    const Case cases[] = {
        {{2026, 12, 9}, Monday, 2026, 12, 9, D | W | M | A},
        {{2026, 12, 9}, Monday, 2026, 12, 7, W | M | A},  // earlier this week
        {{2026, 12, 9}, Monday, 2026, 12, 6, M | A},      // last week
        {{2026, 12, 9}, Sunday, 2026, 12, 6, W | M | A},  // ... unless weeks start on Sunday
        {{2026, 12, 9}, 0, 2026, 12, 6, M | A},           // an unknown first day is Monday
        {{2026, 12, 9}, Monday, 2026, 12, 13, W | M | A}, // later this week
        {{2026, 12, 9}, Sunday, 2026, 12, 13, M | A},
        {{2026, 12, 9}, Monday, 2026, 11, 30, A},     // last month
        {{2026, 12, 9}, Monday, 2025, 12, 9, A},      // last year, same day
        {{2026, 12, 1}, Monday, 2026, 11, 30, W | A}, // the week spans two months
        {{2026, 12, 1}, Sunday, 2026, 11, 29, W | A},
        {{2026, 12, 1}, Sunday, 2026, 11, 28, A},
        {{2027, 1, 1}, Monday, 2026, 12, 28, W | A}, // and two years
        {{2026, 12, 13}, Monday, 2026, 12, 7, W | M | A},
        {{2026, 12, 13}, Monday, 2026, 12, 14, M | A},
        {{2026, 12, 13}, Sunday, 2026, 12, 12, M | A},
        {{2026, 12, 9}, Monday, 2026, 13, 1, A}, // no calendar day
        {{2026, 12, 9}, Monday, 2026, 2, 30, A},
        {{2026, 12, 9}, Monday, 4294969322, 12, 9, A}, // 2026 in its low 32 bits
    };
    for (const Case &c : cases) {
        const PeriodCalendar calendar(c.today, c.firstDay);
        EXPECT_EQ(calendar.periodsOf(c.year, c.month, c.day), c.periods)
            << c.today.month << "-" << c.today.day << " first day " << c.firstDay << ": " << c.year
            << "-" << c.month << "-" << c.day;
    }
}

// A database as the program makes it, with the given statements run on it.
std::string makeDatabase(const TempCurrentDir &dir, const std::vector<std::string> &sql,
                         const std::string &name = ProjectDatabaseName) {
    const std::string path = dir.file(name);
    createDatabaseFileIfMissing(path);
    SQLite db;
    EXPECT_TRUE(db.Open(path, false)) << db.ErrorText();
    EXPECT_TRUE(db.Execute(CreateProjectsTableSql));
    EXPECT_TRUE(db.Execute(CreateTimesTableSql));
    for (const auto &statement : sql)
        EXPECT_TRUE(db.Execute(statement)) << statement << ": " << db.ErrorText();
    return path;
}

// Rows of three projects around Wednesday 2026-12-09, and rows edited by hand.
std::vector<std::string> sampleRows() {
    return {newProjectSql(1, "Thesis"),
            newProjectSql(2, "Garden"),
            newProjectSql(3, "Idle"),
            recordTimeSql(1, 120, TimeDate(2026, 12, 9, 8, 0, 0, 0)),   // today
            recordTimeSql(1, 30, TimeDate(2026, 12, 8, 23, 50, 0, 0)),  // before midnight
            recordTimeSql(1, 45, TimeDate(2026, 12, 2, 10, 0, 0, 0)),   // last week
            recordTimeSql(1, 600, TimeDate(2025, 12, 9, 10, 0, 0, 0)),  // last year
            recordTimeSql(2, 540, TimeDate(2026, 12, 9, 9, 0, 0, 0)),   // today
            recordTimeSql(2, 7000, TimeDate(2026, 11, 30, 9, 0, 0, 0)), // last month
            recordTimeSql(99, 5, TimeDate(2026, 12, 9, 11, 0, 0, 0)),   // no such project
            "insert into times values (null, 7, 2026, 12, 9, 12, 0, 0)",
            "insert into times values (2, '15', 2026, 12, 9, 13, 0, 0)",
            "insert into times values (2, null, 2026, 12, 9, 14, 0, 0)",
            "insert into times values (2, 11, 2026, 13, 1, 0, 0, 0)",
            "insert into times values (2, 4, 'Dec', null, 9.5, 0, 0, 0)"};
}

// The totals as the store reads them from the file, or why it could not open it.
RecordTotals totalsOf(const std::string &path, const PeriodCalendar &calendar) {
    ProjectStore store;
    if (const StoreStatus opened = store.open(path, ProjectStore::OpenMode::ReadOnly); !opened) {
        RecordTotals failed;
        failed.status = RecordTotals::Failed;
        failed.error = opened.error().text;
        return failed;
    }
    return store.totals(calendar);
}

TEST(RecordTotals, SumsPerProjectNameAndPeriod) {
    TempCurrentDir dir;
    const std::string path = makeDatabase(dir, sampleRows());
    const RecordTotals totals = totalsOf(path, PeriodCalendar({2026, 12, 9}, Monday));
    ASSERT_EQ(totals.status, RecordTotals::Read) << totals.error;
    struct Row {
        std::string name;
        std::array<int64_t, PeriodCount> minutes;
    };
    const std::vector<Row> expected = {
        {"Garden", {555, 555, 555, 7570}},
        {"Thesis", {120, 150, 195, 795}},
        {"(no project)", {7, 7, 7, 7}},
        {"#99", {5, 5, 5, 5}},
    };
    ASSERT_EQ(totals.projects.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(totals.projects[i].name, expected[i].name);
        EXPECT_EQ(totals.projects[i].minutes, expected[i].minutes) << expected[i].name;
    }
    EXPECT_EQ(totals.all.minutes, (std::array<int64_t, PeriodCount>{687, 717, 762, 8377}));

    // Sums of hand-edited values stop at the ends of their range.
    const std::string huge =
        makeDatabase(dir,
                     {"insert into times values (1, 9223372036854775807, 2026, 12, 9, 0, 0, 0)",
                      "insert into times values (1, 9223372036854775807, 2026, 12, 9, 0, 0, 1)",
                      "insert into times values (2, -9223372036854775808, 2026, 12, 9, 0, 0, 2)"},
                     "huge.db");
    const RecordTotals ends = totalsOf(huge, PeriodCalendar({2026, 12, 9}, Monday));
    ASSERT_EQ(ends.projects.size(), 2u);
    EXPECT_EQ(ends.projects[0].minutes[Today], INT64_MAX);
    EXPECT_EQ(ends.projects[1].minutes[Today], -INT64_MAX);
    EXPECT_EQ(ends.all.minutes[Today], 0);

    // A named pipe would hold the window up in its open for good.
    ASSERT_EQ(::mkfifo(dir.file("pipe.db").c_str(), 0600), 0);
    const RecordTotals pipe = totalsOf(dir.file("pipe.db"), PeriodCalendar({2026, 12, 9}, Monday));
    EXPECT_EQ(pipe.status, RecordTotals::Failed);
    EXPECT_NE(pipe.error.find("not a regular file"), std::string::npos) << pipe.error;
}

class TotalsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        TimeDate::setClockSource([] { return TimeDate(2026, 12, 9, 15, 0, 0, 0); }); // a Wednesday
        window.setFirstDayOfWeek(Monday);
        setQuestionHandler([this](const std::string &text, const std::string &caption) {
            questions.push_back(caption + "|" + text);
            return answer;
        });
    }
    void TearDown() override {
        setQuestionHandler({});
        TimeDate::setClockSource({});
    }

    QTableView *table() { return window.findChild<QTableView *>("TotalsTable"); }
    QStringList column(int column) {
        QStringList texts;
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            texts << table()->model()->index(row, column).data().toString();
        return texts;
    }

    // The window on the store of the file at `path`; none is open for an
    // empty path.
    void show(const std::string &path) {
        store.close();
        if (!path.empty())
            store.open(path, ProjectStore::OpenMode::Existing);
        window.showAndRaise();
    }

    void click(const char *button) {
        QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
    }
    void selectRow(const QString &project) {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()
                              ->visualRect(table()->model()->index(
                                  static_cast<int>(column(0).indexOf(project)), 0))
                              .center());
    }
    // Rename... answered as a user does: the name typed over the one shown
    // and Enter; an empty name finds OK disabled and is cancelled.
    void renameTo(const QString &name) {
        QTimer::singleShot(0, [name] {
            QWidget *prompt = QApplication::activeModalWidget();
            ASSERT_TRUE(prompt && QTest::qWaitForWindowActive(prompt));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), name.isEmpty() ? " " : name);

            const bool ok =
                prompt->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled();
            EXPECT_EQ(ok, !name.isEmpty());
            QTest::keyClick(QApplication::focusWidget(), ok ? Qt::Key_Return : Qt::Key_Escape);
        });
        click("TotalsRename");
    }

    TempCurrentDir dir;
    ProjectStore store;
    TotalsWindow window{store};
    MessageRecorder messages;
    std::vector<std::string> questions;
    bool answer = false;
};

TEST_F(TotalsWindowTest, ShowsTheSumsLargestFirstSortsByMinutesAndEscapeCloses) {
    show(makeDatabase(dir, sampleRows()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(column(0), QStringList({"Garden", "Thesis", "(no project)", "#99", "All projects"}));
    EXPECT_EQ(column(1), QStringList({"9:15", "2:00", "0:07", "0:05", "11:27"}));
    EXPECT_EQ(column(4), QStringList({"126:10", "13:15", "0:07", "0:05", "139:37"}));
    EXPECT_FALSE(table()->accessibleName().isEmpty());

    // By the minutes: 126:10 is more than 13:15, though not as text.
    QHeaderView *header = table()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
    ASSERT_EQ(header->sortIndicatorSection(), 4);
    const bool ascending = header->sortIndicatorOrder() == Qt::AscendingOrder;
    EXPECT_EQ(column(4), ascending ? QStringList({"0:05", "0:07", "13:15", "126:10", "139:37"})
                                   : QStringList({"126:10", "13:15", "0:07", "0:05", "139:37"}));
    table()->sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(column(0), QStringList({"Thesis", "Garden", "(no project)", "#99", "All projects"}));

    // Time added through the store shows at once; the chosen order stays.
    ASSERT_TRUE(store.addTime("Garden", TimeDate(2026, 12, 9, 15, 0, 0, 0), 60).ok());
    EXPECT_EQ(column(0), QStringList({"Thesis", "Garden", "(no project)", "#99", "All projects"}));
    EXPECT_EQ(column(1), QStringList({"2:00", "10:15", "0:07", "0:05", "12:27"}));

    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TotalsWindowTest, CopyPutsTheTableOnTheClipboard) {
    show(makeDatabase(dir, {newProjectSql(1, "Thesis"), newProjectSql(2, "Tab\there"),
                            recordTimeSql(1, 125, TimeDate(2026, 12, 9, 8, 0, 0, 0)),
                            recordTimeSql(2, 7900, TimeDate(2026, 12, 1, 8, 0, 0, 0))}));
    QApplication::clipboard()->clear();
    window.findChild<QPushButton *>("CopyButton")->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Project\tToday (h:mm)\tThis week (h:mm)\tThis month (h:mm)\tAll time (h:mm)\n"
              "Tab here\t0:00\t0:00\t131:40\t131:40\n"
              "Thesis\t2:05\t2:05\t2:05\t2:05\n"
              "All projects\t2:05\t2:05\t133:45\t133:45\n");
}

TEST_F(TotalsWindowTest, WithoutADatabaseSaysSoAndShowsNothingElse) {
    for (const std::string &path : {std::string(), dir.file("missing.db")}) {
        show(path);
        const auto *message = window.findChild<QLabel *>("TotalsMessage");
        EXPECT_TRUE(message->isVisible());
        EXPECT_EQ(message->text(), "No project database is open");
        EXPECT_FALSE(table()->isVisible());
        EXPECT_FALSE(window.findChild<QPushButton *>("CopyButton")->isVisible());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.db")));
}

TEST_F(TotalsWindowTest, RenameTakesANameAndMergesIntoATakenOneOnYes) {
    show(makeDatabase(dir, sampleRows()));
    selectRow("Thesis");
    renameTo("");
    renameTo("Paper");
    selectRow("Paper");
    renameTo("Garden");
    EXPECT_EQ(column(0), QStringList({"Garden", "Paper", "(no project)", "#99", "All projects"}));
    answer = true;
    renameTo("Garden");
    EXPECT_EQ(questions, std::vector<std::string>(2, "Totals|Garden already exists. Move its 4 "
                                                     "recordings (795 minutes) to Garden and "
                                                     "remove Paper?"));
    EXPECT_EQ(column(0), QStringList({"Garden", "(no project)", "#99", "All projects"}));
    EXPECT_EQ(column(4).front(), "139:25");
}

// Rows of no stored project cannot be chosen.
TEST_F(TotalsWindowTest, DeleteRemovesTheProjectAndItsRecordingsOnYes) {
    show(makeDatabase(dir, sampleRows()));
    selectRow("Thesis");
    click("TotalsDelete");
    EXPECT_EQ(column(0).size(), 5);
    answer = true;
    click("TotalsDelete");
    EXPECT_EQ(questions, std::vector<std::string>(
                             2, "Totals|Delete Thesis and its 4 recordings (795 minutes)?"));
    EXPECT_EQ(column(0), QStringList({"Garden", "(no project)", "#99", "All projects"}));
    selectRow("#99"); // no stored project
    EXPECT_FALSE(window.findChild<QPushButton *>("TotalsDelete")->isEnabled());
}

} // namespace
