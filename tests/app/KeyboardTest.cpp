// SPDX-License-Identifier: MIT
#include "app/AppWindows.h"
#include "support/MainFormFixture.h"

#include "options/TOptionsForm.h"
#include "ui_TOptionsForm.h"
#include "windows/TQuenAbout.h"
#include "windows/TUserLogWindow.h"

#include <QAction>
#include <QTableWidget>
#include <QTextEdit>

#include <algorithm>

// The program driven from the keyboard alone: keys go to the widget that has
// the focus, as the user's keyboard sends them.
namespace {
class Keyboard : public MainFormTest {
protected:
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_TRUE(focused);
        QTest::keyClick(focused, key, modifiers);
    }
    static void activate(QWidget *window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
};
} // namespace

TEST_F(Keyboard, EscapeClosesTheSecondaryWindowsAndEnterPressesOK) {
    writeOptions("alarm.wav", "timer.wav");
    AppWindows windows;
    windows.mainForm->show();
    struct Case {
        const char *menu;
        QWidget *window;
        Qt::Key key;
    };
    const Case cases[] = {
        {"About1", windows.quenAbout.get(), Qt::Key_Escape},
        {"About1", windows.quenAbout.get(), Qt::Key_Return},
        {"About1", windows.quenAbout.get(), Qt::Key_Enter},
        {"Loganerrororcomment1", windows.userLogWindow.get(), Qt::Key_Escape},
        {"Sounds1", windows.optionsForm.get(), Qt::Key_Escape},
    };
    for (const Case &c : cases) {
        windows.mainForm->findChild<QAction *>(c.menu)->trigger();
        ASSERT_TRUE(c.window->isVisible()) << c.menu;
        activate(c.window);
        press(c.key);
        EXPECT_FALSE(c.window->isVisible()) << c.menu << " " << c.key;
    }

    // A cell being edited takes Escape itself: the edit ends, the editor
    // stays; the next Escape is Cancel, which keeps the value as it was.
    TOptionsForm &editor = *windows.optionsForm;
    windows.mainForm->findChild<QAction *>("Sounds1")->trigger();
    activate(&editor);
    QTableWidget *grid = editor.ui->StringGrid1;
    const QString before = grid->item(0, 1)->text();
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    press(Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), "other.wav");
    press(Qt::Key_Escape);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(grid->item(0, 1)->text(), before);
    press(Qt::Key_Escape);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(Keyboard, AltAndADigitShowTheTabsInTheirOrder) {
    auto &w = startForm();
    w.show();
    activate(&w);
    auto *tabs = widget<QTabWidget>("Page1");
    const QStringList captions = [&] {
        QStringList all;
        for (int i = 0; i < tabs->count(); ++i)
            all << tabs->tabText(i);
        return all;
    }();
    for (const int index : {2, 0, 4, 1, 3}) {
        press(Qt::Key(Qt::Key_1 + index), Qt::AltModifier);
        EXPECT_EQ(tabs->currentIndex(), index);
    }
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), captions[i]);
}

// Tab visits a page's controls row by row, each row from the left.
TEST_F(Keyboard, TabFollowsTheLayout) {
    writeOptions("alarm.wav", "timer.wav");
    auto &w = startForm();
    w.show();
    activate(&w);
    openTab("TimeRecord");
    QWidget *page = widget<QWidget>("TimeRecord");
    std::vector<QWidget *> controls;
    for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabled() && child->isVisible())
            controls.push_back(child);
    std::sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    ASSERT_GE(controls.size(), 5u);
    controls.front()->setFocus(Qt::TabFocusReason);
    for (QWidget *control : controls) {
        QWidget *focused = QApplication::focusWidget();
        EXPECT_TRUE(focused == control || control->isAncestorOf(focused))
            << control->objectName().toStdString() << " "
            << (focused ? focused->objectName().toStdString() : "none");
        press(Qt::Key_Tab);
    }

    // The clock's box hands Tab on rather than take it as text.
    openTab("TabSheet4");
    auto *clock = widget<QTextEdit>("ClockEdit");
    clock->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), clock);
    EXPECT_FALSE(clock->toPlainText().contains('\t'));
}
