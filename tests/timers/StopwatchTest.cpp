// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
// The StopWatch tab, open.
class StopwatchTab : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        startForm();
        openTab("TabSheet3");
    }
    void click(const char *button) {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }
    void tick(int times) {
        for (int i = 0; i < times; ++i)
            timer("SWTimer").fire();
    }
    QString shown() { return widget<QLabel>("StopLabel")->text(); }
    QString startStop() { return widget<QPushButton>("Button8")->text(); }
};
} // namespace

// The count is kept between ticks, the hours included.
TEST_F(StopwatchTab, TicksCountTenths) {
    EXPECT_EQ(shown(), "00:00.0");
    click("Button8");
    tick(36001);
    EXPECT_EQ(shown(), "1:00:00.1");
}

TEST_F(StopwatchTab, StopKeepsTheTimeAndStartResumes) {
    click("Button8");
    EXPECT_EQ(startStop(), "Stop");
    EXPECT_TRUE(timer("SWTimer").isArmed());
    EXPECT_EQ(timer("SWTimer").interval(), 100u);
    tick(25);

    click("Button8");
    EXPECT_EQ(startStop(), "Start");
    EXPECT_FALSE(timer("SWTimer").enabled());
    EXPECT_EQ(shown(), "00:02.5");

    click("Button8");
    EXPECT_TRUE(timer("SWTimer").isArmed());
    EXPECT_EQ(shown(), "00:02.5");
    tick(1);
    EXPECT_EQ(shown(), "00:02.6");
}

TEST_F(StopwatchTab, ClearWhileRunningStopsAtZero) {
    click("Button8");
    tick(6037);
    ASSERT_EQ(shown(), "10:03.7");

    click("Button9");
    EXPECT_EQ(shown(), "00:00.0");
    EXPECT_EQ(startStop(), "Start");
    EXPECT_FALSE(timer("SWTimer").enabled());

    click("Button8");
    EXPECT_EQ(startStop(), "Stop");
    tick(1);
    EXPECT_EQ(shown(), "00:00.1");
}

// The watch is started on its page, but goes on counting while another tab
// is shown, and the page shows the count when it is shown again.
TEST_F(StopwatchTab, CountsWhileAnotherTabIsShown) {
    ASSERT_TRUE(widget<QPushButton>("Button8")->isVisible()) << "built after the window was shown";
    click("Button8");
    openTab("TabSheet4");
    tick(15);
    openTab("TabSheet3");
    EXPECT_EQ(shown(), "00:01.5");
    EXPECT_EQ(startStop(), "Stop");
}
