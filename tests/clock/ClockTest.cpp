// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {
// The Clock tab, shown at start, with a clock the test sets.
class ClockTab : public SetClockMainFormTest {
protected:
    ClockTab() { now = {2026, 3, 10, 14, 35, 7, 0}; }

    QTextEdit *box() { return widget<QTextEdit>("ClockEdit"); }
    QString shown() { return box()->toPlainText(); }
    void choose(const char *style) { widget<QAction>(style)->trigger(); }

    // Shows the window and makes it active: Qt then gives the focus to the
    // first control inside the tabs.
    void showActive() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QCoreApplication::processEvents();
    }
};
} // namespace

TEST_F(ClockTab, StartsWhenTheFocusFirstEntersTheTabs) {
    startForm();
    choose("Digits24hour1");
    EXPECT_EQ(shown(), "Not yet started");
    EXPECT_FALSE(timer("ClockTimer").enabled());

    showActive();
    ASSERT_TRUE(widget<QWidget>("Page1")->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(shown(), "The time is: 14:35  07");
    EXPECT_TRUE(timer("ClockTimer").isArmed());

    // Moving within the tabs is no new entry; coming back from outside is.
    now = {2026, 3, 10, 9, 5, 0, 0};
    openTab("TabSheet3");
    QTest::mouseClick(widget<QPushButton>("Button9"), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), widget<QPushButton>("Button9"));
    EXPECT_EQ(shown(), "The time is: 14:35  07");
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer("ClockTimer").remaining() < 800; }, 2000));
    QApplication::focusWidget()->clearFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    QTest::mouseClick(widget<QPushButton>("Button9"), Qt::LeftButton);
    EXPECT_EQ(shown(), "The time is: 9:05  00");
    EXPECT_LT(timer("ClockTimer").remaining(), 800) << "a later entry keeps the ticks' phase";
}

// Each tick reads the clock and writes the line over whatever the box holds,
// with the Clock tab not shown.
TEST_F(ClockTab, EachTickRewritesTheBox) {
    startForm();
    openTab("TabSheet1");
    choose("Digits24hour1");
    now = {2026, 3, 10, 9, 5, 0, 0};
    box()->append("typed into the box");
    timer("ClockTimer").fire();
    EXPECT_EQ(shown(), "The time is: 9:05  00");
}

TEST_F(ClockTab, AClickStepsAtOnceAMenuChoiceWaitsForTheTick) {
    startForm();
    showActive();
    choose("Digits12hour1");
    EXPECT_EQ(shown(), "Fourteen Thirty Five and Seven seconds."); // still the first style
    timer("ClockTimer").fire();
    EXPECT_EQ(shown(), "The time is: 2:35  07   PM");

    // The last style wraps to the first.
    QTest::mouseClick(box()->viewport(), Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_EQ(shown(), "Fourteen Thirty Five and Seven seconds.");
    // The press still reached the box: its cursor went to where it was clicked,
    // below the end of the text.
    EXPECT_EQ(box()->textCursor().position(), shown().size());

    QTest::mouseClick(box()->viewport(), Qt::RightButton);
    EXPECT_EQ(shown(), "Two Thirty Five and Seven seconds in the evening.");
}
