// SPDX-License-Identifier: MIT
#pragma once

#include "app/TMainForm.h"
#include "common/TimeDate.h"
#include "platform/IntervalTimer.h"
#include "support/FakeMixer.h"
#include "support/MessageRecorder.h"
#include "support/SoundFiles.h"
#include "support/TempDir.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

// A main window started in a temporary configuration folder and current
// directory, with recorded message boxes and one sound card that unmutes.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", config.path().toUtf8().constData(), 1);
        setenv("SDL_DISKAUDIOFILE", cwd.file("audio.raw").c_str(), 1);
        setSystemMixer(&mixer);
    }
    void TearDown() override {
        form.reset();
        setSystemMixer(nullptr);
    }

    TMainForm &startForm() {
        form = std::make_unique<TMainForm>();
        return *form;
    }

    // Runs `play` and expects it to be heard on the disk audio device, after
    // what the device held before, with no message on the way.
    void expectHeard(const std::function<void()> &play) {
        messages.messages.clear();
        const size_t heard = diskAudioSamples(cwd.file("audio.raw")).size();
        play();
        EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return audible(diskAudioSamples(cwd.file("audio.raw")), heard); }, 4000));
    }

    template <typename T> T *widget(const char *name) { return form->findChild<T *>(name); }

    // Shows a tab as a click on its title does; its page is built then.
    // Pages: TabSheet1 (timer), TabSheet2 (alarm), TabSheet3 (stopwatch),
    // TimeRecord, TabSheet4 (clock).
    void openTab(const char *page) {
        auto *tabs = widget<QTabWidget>("Page1");
        const int index = tabs->indexOf(widget<QWidget>(page));
        ASSERT_GE(index, 0) << page;
        if (!form->isVisible())
            form->show();
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                          tabs->tabBar()->tabRect(index).center());
        ASSERT_EQ(tabs->currentIndex(), index) << page;
    }

    // A tab's interval timer, by its name (ShortTimer, SecondsTimer,
    // ClearTimer, AlarmTimer, SWTimer, TRTimer, ClockTimer), to drive ticks.
    IntervalTimer &timer(const char *name) {
        auto *found = form->findChild<IntervalTimer *>(name);
        EXPECT_TRUE(found) << name;
        return *found;
    }

    TempCurrentDir cwd;
    QTemporaryDir config;
    MessageRecorder messages;
    FakeMixerSystem mixer{{FakeDevice{true, true, {FakeLine{LineType::Speakers}}, 0, 0}}};
    std::unique_ptr<TMainForm> form;
};

// The same main window with a local clock that the test sets through `now`.
class SetClockMainFormTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        TimeDate::setClockSource([this] { return now; });
    }
    void TearDown() override {
        MainFormTest::TearDown();
        TimeDate::setClockSource({});
    }

    TimeDate now;
};
