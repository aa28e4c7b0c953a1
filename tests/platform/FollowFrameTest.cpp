// SPDX-License-Identifier: MIT
#include "platform/SystemMetrics.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The frame appears only once the window is shown; the relayout must follow
// it then, and only when it changes, not on every move.
TEST(FollowFrame, RelaysOutWhenTheFrameAppearsAndNotOnMoves) {
    QWidget window(nullptr, Qt::Window);
    window.resize(200, 100);
    int relayouts = 0;
    QSize seenFrame;
    followFrame(&window, [&] {
        ++relayouts;
        seenFrame = window.frameGeometry().size() - window.geometry().size();
    });
    EXPECT_EQ(relayouts, 0);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (frame.isEmpty())
        GTEST_SKIP() << "this platform draws no frame";
    EXPECT_EQ(relayouts, 1);
    EXPECT_EQ(seenFrame, frame);

    window.move(window.pos() + QPoint(30, 20));
    QCoreApplication::processEvents();
    window.hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(relayouts, 1);
}
