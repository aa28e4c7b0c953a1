// SPDX-License-Identifier: MIT
#include "projects/HistoryWindow.h"

#include "projects/AddTimeDialog.h"
#include "projects/ProjectSql.h"
#include "projects/SQLite.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A store on a fresh database, the window over it shown at 15:00 on
// Wednesday 9 December 2026, and the Yes/No questions answered as told.
class HistoryWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        TimeDate::setClockSource([] { return TimeDate(2026, 12, 9, 15, 0, 0, 0); });
        setQuestionHandler([this](const std::string &text, const std::string &caption) {
            questions.push_back(caption + "|" + text);
            return answer;
        });
        ASSERT_TRUE(store.open(ProjectDatabaseName).ok());
        ASSERT_TRUE(look.Open(ProjectDatabaseName, false));
        // Alpha 1, Beta 2: Alpha on 30 November, Beta and Alpha today.
        for (const char *sql : {"insert into projects values (1, 'Alpha'), (2, 'Beta')",
                                "insert into times values (1, 5, 2026, 11, 30, 9, 0, 0)",
                                "insert into times values (2, 35, 2026, 12, 9, 8, 0, 0)",
                                "insert into times values (1, 60, 2026, 12, 9, 10, 0, 0)"})
            ASSERT_TRUE(look.Execute(sql)) << look.ErrorText();
    }
    void TearDown() override {
        setQuestionHandler({});
        TimeDate::setClockSource({});
    }

    void show() {
        window.showAndRaise();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        table = window.findChild<QTableView *>("HistoryTable");
    }
    QString cell(int row, int column) const {
        return table->model()->index(row, column).data().toString();
    }
    std::vector<QString> column(int column) const {
        std::vector<QString> texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts.push_back(cell(row, column));
        return texts;
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        table->scrollTo(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                          table->visualRect(table->model()->index(row, 0)).center());
    }
    void click(const char *button) {
        QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
    }
    // Chooses the box's entry at `row` through its label's shortcut and the
    // arrow keys, each of which chooses as it moves.
    void choose(Qt::Key labelKey, int row) {
        QTest::keyClick(&window, labelKey, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    }
    // The open Edit Time dialog, once it has the keys; nullptr when none is open.
    AddTimeDialog *editDialog() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *dialog = window.findChild<AddTimeDialog *>();
        if (dialog && !QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            ADD_FAILURE() << "the dialog never became active";
        return dialog;
    }
    void type(QWidget *field, const QString &text) {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, field->height() / 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

    TempCurrentDir dir;
    ProjectStore store;
    SQLite look;
    HistoryWindow window{store};
    QTableView *table = nullptr;
    std::vector<std::string> questions;
    bool answer = false;
};

TEST_F(HistoryWindowTest, ShowsEveryRowNewestFirstReadPageByPage) {
    // 250 more rows on 1 December, one a minute from 00:00, over three pages.
    ASSERT_TRUE(look.Execute("insert into times with recursive n(i) as (select 0 union all "
                             "select i + 1 from n where i < 249) select 2, 1, 2026, 12, 1, "
                             "i / 60, i % 60, 0 from n"));
    show();
    ASSERT_EQ(table->model()->rowCount(), 253);
    EXPECT_EQ(cell(0, 0) + " " + cell(0, 1) + " " + cell(0, 2) + " " + cell(0, 3),
              "Alpha 2026-12-09 10:00:00 60");
    EXPECT_EQ(cell(2, 2), "04:09:00");
    EXPECT_EQ(cell(251, 2), "00:00:00");
    EXPECT_EQ(cell(252, 1) + " " + cell(252, 0), "2026-11-30 Alpha");
}

TEST_F(HistoryWindowTest, TheBoxesFilterByProjectAndPeriod) {
    show();
    choose(Qt::Key_P, 1); // Alpha
    EXPECT_EQ(column(3), (std::vector<QString>{"60", "5"}));
    choose(Qt::Key_E, Today);
    EXPECT_EQ(column(3), (std::vector<QString>{"60"}));
    choose(Qt::Key_P, 0); // All projects
    EXPECT_EQ(column(3), (std::vector<QString>{"60", "35"}));
}

TEST_F(HistoryWindowTest, EnterOrADoubleClickEditsTheRowThroughEditTime) {
    show();
    clickRow(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    AddTimeDialog *dialog = editDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Edit Time");
    EXPECT_EQ(dialog->findChild<QLineEdit *>("AddTimeStart")->text(), "08:00:00");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(column(3), (std::vector<QString>{"60", "35", "5"}));

    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {},
                       table->visualRect(table->model()->index(1, 0)).center());
    dialog = editDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->addedTime().project, "Beta");
    type(dialog->findChild<QSpinBox *>("AddTimeMinutes"), "50");
    type(dialog->findChild<QLineEdit *>("AddTimeStart"), "7:30 AM");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(editDialog(), nullptr);
    EXPECT_EQ(cell(1, 0) + " " + cell(1, 2) + " " + cell(1, 3), "Beta 07:30:00 50");
    EXPECT_EQ(table->model()->rowCount(), 3);
}

TEST_F(HistoryWindowTest, DeleteAsksAndRemovesTheSelectedRowsOnlyOnYes) {
    show();
    clickRow(2);
    click("HistoryDelete");
    clickRow(0);
    clickRow(1, Qt::ControlModifier);
    click("HistoryDelete");
    EXPECT_EQ(questions, (std::vector<std::string>{"History|Delete 1 recording (5 minutes)?",
                                                   "History|Delete 2 recordings (95 minutes)?"}));
    EXPECT_EQ(table->model()->rowCount(), 3);
    answer = true;
    click("HistoryDelete");
    EXPECT_EQ(column(3), (std::vector<QString>{"5"}));
}

// The store's signals reach the window whoever calls the store.
TEST_F(HistoryWindowTest, FollowsChangesMadeElsewhereAtOnce) {
    show();
    auto *projects = window.findChild<QComboBox *>("HistoryProject");
    choose(Qt::Key_P, 2); // Beta
    ASSERT_TRUE(store.storeTime({2, TimeDate(2026, 12, 9, 12, 0, 0, 0), 15}).ok());
    EXPECT_EQ(column(3), (std::vector<QString>{"15", "35"}));
    ASSERT_TRUE(store.renameProject("Beta", "Gamma").ok());
    EXPECT_EQ(projects->currentText(), "All projects"); // Beta is gone
    EXPECT_EQ(projects->findText("Gamma"), 2);
    EXPECT_EQ(column(0), (std::vector<QString>{"Gamma", "Alpha", "Gamma", "Alpha"}));
}

// Edit and Delete on a file that cannot be written show the store's SQL error
// box, as Stop does, and leave the rows and the open dialog as they were.
TEST_F(HistoryWindowTest, AChangeTheFileRefusesShowsTheSqlErrorAndChangesNothing) {
    ASSERT_TRUE(store.open(ProjectDatabaseName, ProjectStore::OpenMode::ReadOnly).ok());
    MessageRecorder messages;
    answer = true;
    show();
    clickRow(0);
    click("HistoryDelete");
    click("HistoryEdit");
    AddTimeDialog *dialog = editDialog();
    ASSERT_NE(dialog, nullptr);
    type(dialog->findChild<QSpinBox *>("AddTimeMinutes"), "45");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const RecordedMessage &message : messages.messages) {
        EXPECT_EQ(message.caption, "SQL error");
        EXPECT_EQ(message.text.rfind("Error in SQL command: ", 0), 0u) << message.text;
    }
    EXPECT_EQ(column(3), (std::vector<QString>{"60", "35", "5"}));
}

} // namespace
