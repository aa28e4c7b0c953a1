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

// The count, the hours included, is kept between ticks, while another tab is
// shown and over a stop; a clear stops the watch at zero.
TEST_F(StopwatchTab, StartStopAndClear) {
    click("Button8");
    EXPECT_EQ(startStop(), "Stop");
    openTab("TabSheet4");
    tick(36001);
    openTab("TabSheet3");
    EXPECT_EQ(shown(), "1:00:00.1");
    click("Button8");
    EXPECT_EQ(startStop(), "Start");
    EXPECT_FALSE(timer("SWTimer").enabled());

    click("Button8");
    EXPECT_TRUE(timer("SWTimer").isArmed());
    tick(1);
    EXPECT_EQ(shown(), "1:00:00.2");

    click("Button9");
    EXPECT_EQ(shown(), "00:00.0");
    EXPECT_EQ(startStop(), "Start");
    EXPECT_FALSE(timer("SWTimer").enabled());
    click("Button8");
    tick(1);
    EXPECT_EQ(shown(), "00:00.1");
}
