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
    QStringList menu() {
        QStringList texts;
        for (QAction *action : icon()->contextMenu()->actions())
            texts << action->text();
        return texts;
    }
    void choose(const QString &command) {
        for (QAction *action : icon()->contextMenu()->actions())
            if (action->text() == command)
                return action->trigger();
        ADD_FAILURE() << command.toStdString();
    }

    int64_t boot = 1000000;
};
} // namespace

// Made only when a countdown starts; its menu pauses, resumes and cancels
// it, and the icon goes with it.
TEST_F(PanelIndicator, ShowsACountdownUntilCancelled) {
    EXPECT_FALSE(icon());
    openTab("TabSheet1");
    QTest::mouseClick(widget<QPushButton>("Button1"), Qt::LeftButton);
    ASSERT_TRUE(icon());
    EXPECT_TRUE(icon()->isVisible());
    boot += 2000;
    timer("SecondsTimer").fire();
    EXPECT_EQ(icon()->toolTip(), "Countdown: 0:18 left");
    EXPECT_EQ(menu(), (QStringList{"Show Window", "Pause", "Cancel", "Quit"}));

    choose("Pause");
    EXPECT_EQ(icon()->toolTip(), "Countdown: paused at 0:18");
    choose("Resume");
    EXPECT_EQ(widget<QPushButton>("PauseButton")->text(), "Pause");
    choose("Cancel");
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
    choose("Quit");
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
}
