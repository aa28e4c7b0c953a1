// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"
#include "ui_TMainForm.h"

#include <QApplication>
#include <QTest>
#include <QTextDocument>

namespace {
// The main window with a clock the test sets.
class Clock : public SetClockMainFormTest {
protected:
    Clock() { now = {2026, 3, 10, 14, 35, 7, 0}; }

    QString shown() const { return form->ui->ClockEdit->toPlainText(); }

    // Shows the window and makes it active: Qt then gives the focus to the
    // first control inside the tabs.
    void showActive(TMainForm &w) {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QCoreApplication::processEvents();
    }
};
} // namespace

TEST_F(Clock, StartsWhenTheFocusFirstEntersTheTabs) {
    auto &w = startForm();
    w.ui->Digits24hour1->trigger();
    EXPECT_EQ(shown(), "Not yet started");
    EXPECT_FALSE(w.ClockTimer.enabled());

    showActive(w);
    ASSERT_TRUE(w.ui->Page1->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(shown(), "The time is: 14:35  07");
    EXPECT_TRUE(w.ClockTimer.isArmed());
    EXPECT_EQ(w.ClockTimer.interval(), 1000u);
    QTest::qWait(150);

    // Moving within the tabs is no new entry; coming back from outside is.
    now = {2026, 3, 10, 9, 5, 0, 0};
    w.ui->Edit1->setFocus();
    w.ui->Edit2->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), "The time is: 14:35  07");
    w.ui->Edit2->clearFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    w.ui->Button8->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), "The time is: 9:05  00");
    EXPECT_LT(w.ClockTimer.remaining(), 1000 - 100) << "a later entry keeps the ticks' phase";
}

TEST_F(Clock, EachTickDrawsTheChosenStyle) {
    const TimeDate afternoon{2026, 3, 10, 14, 35, 7, 0};
    const TimeDate morning{2026, 3, 10, 9, 5, 0, 0};
    const TimeDate noon{2026, 3, 10, 12, 0, 5, 0};
    const struct {
        int style;
        TimeDate at;
        const char *line;
    } cases[] = {
        {0, afternoon, "Fourteen Thirty Five and Seven seconds."},
        {1, afternoon, "Two Thirty Five and Seven seconds in the evening."},
        {1, morning, "Nine Five and Zero seconds in the morning."},
        {2, morning, "IX : v    "},
        {3, noon,
         " : "
         "    "
         "v  PM"},
        {4, afternoon, "1110 : 100011    111"},
        {5, morning, "The time is: 9:05  00"},
        {6, afternoon, "The time is: 2:35  07   PM"},
    };
    auto &w = startForm();
    w.ClockTimer.fire();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        w.ClockStyle = static_cast<int8_t>(c.style);
        now = c.at;
        w.ui->ClockEdit->append("typed into the box");
        w.ClockTimer.fire();
        EXPECT_EQ(shown(), c.line);
        EXPECT_EQ(w.ui->ClockEdit->document()->blockCount(), 1);
        EXPECT_EQ(w.ClockNow, c.at);
    }
    EXPECT_EQ(w.NumberWords(35), "Thirty Five ");
    EXPECT_EQ(TMainForm::RomanNumeral(49), "XLIX");
}

TEST_F(Clock, AClickStepsAtOnceAMenuChoiceWaitsForTheTick) {
    auto &w = startForm();
    showActive(w);
    w.ui->Digits12hour1->trigger();
    EXPECT_EQ(w.ClockStyle, 6);
    EXPECT_EQ(shown(), "Fourteen Thirty Five and Seven seconds."); // still style 0
    w.ClockTimer.fire();
    EXPECT_EQ(shown(), "The time is: 2:35  07   PM");

    QTest::mouseClick(w.ui->ClockEdit->viewport(), Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_EQ(w.ClockStyle, 0);
    EXPECT_EQ(shown(), "Fourteen Thirty Five and Seven seconds.");
    // The press still reached the box: its cursor went to where it was clicked,
    // below the end of the text.
    EXPECT_EQ(w.ui->ClockEdit->textCursor().position(), shown().size());

    QTest::mouseClick(w.ui->ClockEdit->viewport(), Qt::RightButton);
    EXPECT_EQ(w.ClockStyle, 1);
    EXPECT_EQ(shown(), "Two Thirty Five and Seven seconds in the evening.");
}

TEST_F(Clock, AStyleOutOfRangeFallsBackToTheFirst) {
    auto &w = startForm();
    for (int style : {7, -1, 100}) {
        w.ClockStyle = static_cast<int8_t>(style);
        w.ClockTimer.fire();
        EXPECT_EQ(w.ClockStyle, 0) << style;
        EXPECT_EQ(shown(), "Fourteen Thirty Five and Seven seconds.") << style;
    }
    w.ClockStyle = -5;
    w.ClockMouse();
    EXPECT_EQ(w.ClockStyle, 0);
}
