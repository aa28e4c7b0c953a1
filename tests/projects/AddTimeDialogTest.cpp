// SPDX-License-Identifier: MIT
#include "projects/AddTimeDialog.h"

#include "support/MessageRecorder.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

class AddTimeDialogTest : public ::testing::Test {
protected:
    void TearDown() override { TimeDate::setClockSource({}); }

    // The dialog opened at `now`, with a store that records and answers `storeAnswer`.
    std::unique_ptr<AddTimeDialog> open(const TimeDate &now) {
        TimeDate::setClockSource([now] { return now; });
        return std::make_unique<AddTimeDialog>(QStringList{"Garden", "Thesis"}, "Thesis",
                                               [this](const AddedTime &added) {
                                                   stored.push_back(added);
                                                   return storeAnswer;
                                               });
    }
    // Clicks into the widget, as a user would before typing.
    void showAndClick(AddTimeDialog &dialog, QWidget *widget) {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
    }

    std::vector<AddedTime> stored;
    bool storeAnswer = true;
};

TEST_F(AddTimeDialogTest, StartsAnHourBeforeNowOnTheCurrentProjectAndEscapeCancels) {
    auto dialog = open(TimeDate(2026, 12, 9, 14, 37, 25, 500));
    for (const char *input : {"AddTimeProject", "AddTimeMinutes", "AddTimeDate", "AddTimeStart"})
        EXPECT_FALSE(dialog->findChild<QWidget *>(input)->accessibleName().isEmpty()) << input;
    const AddedTime added = dialog->addedTime();
    EXPECT_EQ(added.project, "Thesis");
    EXPECT_EQ(added.start, TimeDate(2026, 12, 9, 13, 37, 25, 0));
    EXPECT_EQ(added.minutes, 60);

    showAndClick(*dialog, dialog->findChild<QSpinBox *>("AddTimeMinutes"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(stored.empty());
}

TEST_F(AddTimeDialogTest, TheStartFollowsTheMinutesUntilChosen) {
    // Half an hour after midnight, an hour's work started yesterday.
    auto dialog = open(TimeDate(2026, 12, 1, 0, 30, 0, 0));
    EXPECT_EQ(dialog->addedTime().start, TimeDate(2026, 11, 30, 23, 30, 0, 0));
    auto *minutes = dialog->findChild<QSpinBox *>("AddTimeMinutes");
    minutes->setValue(20);
    EXPECT_EQ(dialog->addedTime().start, TimeDate(2026, 12, 1, 0, 10, 0, 0));
    showAndClick(*dialog, dialog->findChild<QLineEdit *>("AddTimeStart"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "9:00");
    minutes->setValue(90);
    EXPECT_EQ(dialog->addedTime().start, TimeDate(2026, 12, 1, 9, 0, 0, 0));
    EXPECT_EQ(dialog->addedTime().minutes, 90);
}

TEST_F(AddTimeDialogTest, EnterInTheProjectBoxStoresAndClosesOnlyWhenStored) {
    auto dialog = open(TimeDate(2026, 12, 9, 14, 0, 0, 0));
    dialog->findChild<QDateEdit *>("AddTimeDate")->setDate(QDate(2026, 12, 7));
    dialog->findChild<QLineEdit *>("AddTimeStart")->setText("08:15:30");
    dialog->findChild<QSpinBox *>("AddTimeMinutes")->setValue(125);
    auto *project = dialog->findChild<QComboBox *>("AddTimeProject");
    showAndClick(*dialog, project->lineEdit());
    QWidget *edit = QApplication::focusWidget();
    ASSERT_TRUE(edit == project || project->isAncestorOf(edit)); // the box gives its edit the keys
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, "New one");

    storeAnswer = false; // the store has said why
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(project->count(), 2); // Enter added no name to the list

    storeAnswer = true;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].project, "New one");
    EXPECT_EQ(stored[1].start, TimeDate(2026, 12, 7, 8, 15, 30, 0));
    EXPECT_EQ(stored[1].minutes, 125);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

// OK stores what the minutes field shows: a text it does not accept is refused,
// by Enter and by a click on OK alike, naming the range, and nothing is stored.
TEST_F(AddTimeDialogTest, MinutesTheFieldDoesNotAcceptAreRefused) {
    MessageRecorder messages;
    auto dialog = open(TimeDate(2026, 12, 9, 14, 0, 0, 0));
    showAndClick(*dialog, dialog->findChild<QSpinBox *>("AddTimeMinutes"));
    QWidget *field = QApplication::focusWidget();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "0");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find("from 1 to 1440"), std::string::npos);
    QTest::mouseClick(
        dialog->findChild<QDialogButtonBox *>("AddTimeButtons")->button(QDialogButtonBox::Ok),
        Qt::LeftButton);
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_TRUE(stored.empty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST(AddTimeStart, ReadsATimeOfDayAsUsersTypeIt) {
    const std::pair<const char *, std::optional<QTime>> cases[] = {
        {"14:00", QTime(14, 0)},
        {"14:00:30", QTime(14, 0, 30)},
        {"2:00 PM", QTime(14, 0)},
        {" 2:05:09pm ", QTime(14, 5, 9)},
        {"2 pm", QTime(14, 0)},
        {"12:30 AM", QTime(0, 30)},
        {"12:30 PM", QTime(12, 30)},
        {"0:00", QTime(0, 0)},
        {"9:05", QTime(9, 5)},
        {"23:59:59", QTime(23, 59, 59)},
        {"", std::nullopt},
        {"14", std::nullopt},
        {"24:00", std::nullopt},
        {"14:60", std::nullopt},
        {"14:5", std::nullopt},
        {"14:00:60", std::nullopt},
        {"13:00 PM", std::nullopt},
        {"0:30 AM", std::nullopt},
        {"14:00:00:00", std::nullopt},
        {"14.00", std::nullopt},
        {"+2:00", std::nullopt},
        {"PM", std::nullopt},
        {"two o'clock", std::nullopt},
        {"123:00", std::nullopt},
    };
    for (const auto &[typed, time] : cases)
        EXPECT_EQ(parseStartTime(typed), time) << typed;
}

// A start typed over the selection is shown as it will be stored once the
// field is left; one that does not read is refused by OK, and nothing is stored.
TEST_F(AddTimeDialogTest, AStartTypedOverTheSelectionShowsWhatWillBeStored) {
    MessageRecorder messages;
    auto dialog = open(TimeDate(2026, 12, 9, 16, 0, 0, 0));
    auto *start = dialog->findChild<QLineEdit *>("AddTimeStart");
    showAndClick(*dialog, start);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "2:00 PM");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(start->text(), "14:00:00");
    showAndClick(*dialog, start);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "14:00 tomorrow");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_TRUE(stored.empty());
}

// 13:30 and 60 minutes would end at 14:30, half an hour from now.
TEST_F(AddTimeDialogTest, ASpanEndingInTheFutureIsRefused) {
    MessageRecorder messages;
    auto dialog = open(TimeDate(2026, 12, 9, 14, 0, 0, 0));
    auto *start = dialog->findChild<QLineEdit *>("AddTimeStart");
    showAndClick(*dialog, start);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "13:30");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find("future"), std::string::npos);
    EXPECT_NE(messages.messages[0].text.find("14:30:00"), std::string::npos);
    EXPECT_TRUE(stored.empty());
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "13:00");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(stored.size(), 1u); // ending now is no future
    EXPECT_EQ(stored[0].start, TimeDate(2026, 12, 9, 13, 0, 0, 0));
}

} // namespace
