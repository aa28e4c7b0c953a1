// SPDX-License-Identifier: MIT
#include "platform/BootClock.h"
#include "support/MainFormFixture.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>

namespace {
// A main window whose boot clock the test moves, and its panel icon.
class PanelIndicator : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        setBootClockSource([this] { return boot; });
        startForm();
    }
    void TearDown() override {
        MainFormTest::TearDown();
        setBootClockSource({});
    }
    QSystemTrayIcon *icon() { return form->findChild<QSystemTrayIcon *>(); }
    // The menu's texts, after choosing `command` from it when one is named.
    QStringList menu(const QString &command = {}) {
        QStringList texts;
        for (QAction *action : icon()->contextMenu()->actions())
            texts << action->text();
        for (QAction *action : icon()->contextMenu()->actions())
            if (action->text() == command)
                action->trigger();
        return texts;
    }

    int64_t boot = 1000000;
};
} // namespace

// Made only when a countdown starts; its menu pauses and cancels it, and the
// icon goes with it.
TEST_F(PanelIndicator, ShowsACountdownUntilCancelled) {
    EXPECT_FALSE(icon());
    openTab("TabSheet1");
    QTest::mouseClick(widget<QPushButton>("Button1"), Qt::LeftButton);
    ASSERT_TRUE(icon());
    EXPECT_TRUE(icon()->isVisible());
    boot += 2000;
    timer("SecondsTimer").fire();
    EXPECT_EQ(icon()->toolTip(), "Countdown: 0:18 left");
    EXPECT_EQ(menu("Pause"), (QStringList{"Show Window", "Pause", "Cancel", "Quit"}));
    EXPECT_EQ(icon()->toolTip(), "Countdown: paused at 0:18");
    EXPECT_EQ(menu("Cancel"), (QStringList{"Show Window", "Resume", "Cancel", "Quit"}));
    EXPECT_FALSE(icon()->isVisible());
    EXPECT_FALSE(widget<QPushButton>("CancelButton")->isEnabled());
}

// The stopwatch's line moves on once a second, not at every tenth; Quit
// closes the window as File's exit does.
TEST_F(PanelIndicator, StopwatchLineOnceASecondAndQuit) {
    openTab("TabSheet3");
    QTest::mouseClick(widget<QPushButton>("Button8"), Qt::LeftButton);
    ASSERT_TRUE(icon());
    for (int i = 0; i < 9; ++i)
        timer("SWTimer").fire();
    EXPECT_EQ(icon()->toolTip(), "Stopwatch: 00:00.0");
    timer("SWTimer").fire();
    EXPECT_EQ(icon()->toolTip(), "Stopwatch: 00:01.0");

    QSignalSpy closed(form.get(), &TMainForm::closed);
    menu("Quit");
    EXPECT_EQ(closed.count(), 1);
}
