// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

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
    // Keys go to the focused widget of the active window.
    void activate() {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
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

// Laps are read off the display's count: newest first, each with its own
// time and the total the display showed. Ctrl+C in the list, or its "Copy",
// copies them as tab-separated lines in the list's order; Clear empties it.
TEST_F(StopwatchTab, LapsListCopyAndClear) {
    activate();
    auto *list = widget<QTreeWidget>("LapList");
    EXPECT_EQ(list->accessibleName(), "Laps");
    EXPECT_FALSE(widget<QPushButton>("LapButton")->isEnabled());
    click("Button8");
    tick(53);
    click("LapButton");
    tick(20);
    click("LapButton");
    const QString totalShown = shown();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    const auto row = [&](int index) {
        const QTreeWidgetItem *item = list->topLevelItem(index);
        return QStringList{item->text(0), item->text(1), item->text(2)};
    };
    EXPECT_EQ(row(0), (QStringList{"2", "00:02.0", "00:07.3"}));
    EXPECT_EQ(row(1), (QStringList{"1", "00:05.3", "00:05.3"}));
    EXPECT_EQ(row(0)[2], totalShown);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(1)).center());
    ASSERT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    const QString lines = "2\t00:02.0\t00:07.3\n1\t00:05.3\t00:05.3\n";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), lines);
    QGuiApplication::clipboard()->clear();
    ASSERT_EQ(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_EQ(list->actions().size(), 1);
    EXPECT_EQ(list->actions()[0]->text(), "Copy");
    list->actions()[0]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), lines);

    click("Button8");
    EXPECT_FALSE(widget<QPushButton>("LapButton")->isEnabled());
    click("Button9");
    EXPECT_EQ(list->topLevelItemCount(), 0);
}

TEST_F(StopwatchTab, TabFollowsTheLayout) {
    activate();
    click("Button8");
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"Button8", "Button9", "LapButton", "LapList"}));
}
