// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"
#include "ui_TMainForm.h"

#include "app/AppWindows.h"
#include "options/TOptionsForm.h"
#include "platform/ProgramIcon.h"
#include "support/SoundFiles.h"
#include "windows/TQuenAbout.h"
#include "windows/TUserLogWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

using MainFormStart = MainFormTest;
using MainFormMenus = MainFormTest;

TEST_F(MainFormStart, FirstRunWarnsAboutTheAlarmSoundOnly) {
    auto &w = startForm();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "No file set for the alarm sound. Please set with the Options menu");
    EXPECT_EQ(messages.messages[0].caption, "Warning");
    EXPECT_EQ(w.ClockStyle, 0);
    EXPECT_EQ(w.ui->Page1->currentWidget()->objectName(), "TabSheet4");
    EXPECT_EQ(w.ui->YearEdit->text(), "2017");
    EXPECT_EQ(w.ui->MonthEdit->text(), "1");
    EXPECT_EQ(w.ui->DayEdit->text(), "1");
    EXPECT_EQ(w.ui->ProjectBox->count(), 0);
    for (IntervalTimer *timer : {&w.ShortTimer, &w.SecondsTimer, &w.ClearTimer, &w.AlarmTimer,
                                 &w.ClockTimer, &w.SWTimer, &w.TRTimer})
        EXPECT_FALSE(timer->enabled());
}

TEST_F(MainFormStart, LayoutCaptionsAndTimers) {
    auto &w = startForm();
    EXPECT_EQ(w.windowTitle(), "Alarm Clock and Timer");
    const QStringList tabs = {"Timer", "Alarm", "StopWatch", "Time Record", "Clock"};
    ASSERT_EQ(w.ui->Page1->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(w.ui->Page1->tabText(i), tabs[i]);
    EXPECT_EQ(w.ui->ClockEdit->toPlainText(), "Not yet started");
    EXPECT_EQ(w.ui->Edit2->text(), "0:30");
    EXPECT_EQ(w.ui->Edit1->text(), "7:00 AM");
    EXPECT_EQ(w.ui->ShortLabel->text(), "      ");
    EXPECT_EQ(w.ui->AlarmLabel->text(), "  ");
    EXPECT_EQ(w.ui->StopLabel->text(), "00:00.0");
    EXPECT_EQ(w.ui->StopLabel->font().pixelSize(), 19);
    EXPECT_TRUE(w.ui->StopLabel->font().bold());
    EXPECT_EQ(w.ui->Button8->geometry(), QRect(16, 40, 145, 81));
    EXPECT_EQ(w.SecondsTimer.interval(), 1000u);
    EXPECT_EQ(w.ClearTimer.interval(), 5000u);
    EXPECT_EQ(w.SWTimer.interval(), 100u);
    EXPECT_EQ(w.ClockTimer.interval(), 1000u);
    EXPECT_EQ(w.TRTimer.interval(), 1000u);
}

TEST_F(MainFormStart, ClockTextGrowsWithTheWindow) {
    auto &w = startForm();
    w.show();
    w.resize(400, 300);
    QCoreApplication::processEvents();
    const int narrow = w.ui->ClockEdit->font().pointSize();
    EXPECT_EQ(narrow, w.ui->ClockEdit->width() / 30);
    EXPECT_EQ(w.ui->ClockEdit->width(), w.ui->Page1->width() - 5);
    w.resize(700, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.ui->ClockEdit->font().pointSize(), narrow + 10);
}

TEST_F(MainFormMenus, MenuBarCommands) {
    auto &w = startForm();
    QStringList titles;
    for (QAction *menu : w.ui->MainMenu1->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Options", "&Help"}));
    QStringList clockItems;
    for (QAction *item : w.ui->Clock1->actions())
        clockItems << item->text();
    EXPECT_EQ(clockItems, QStringList({"Text 24 hour", "Text 12 hour", "Roman Numerals 24 hour",
                                       "Roman Numerals 12 hour", "Binary", "Digits 24 hour",
                                       "Digits 12 hour"}));
    // Each clock item only sets the style, in menu order.
    for (int i = 0; i < clockItems.size(); ++i) {
        w.ui->Clock1->actions()[i]->trigger();
        EXPECT_EQ(w.ClockStyle, i);
    }

    messages.messages.clear();
    w.ui->Warranty1->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "You got to be kidding!");
    EXPECT_TRUE(
        messages.messages[0].text.starts_with("The program is unconditionally unwarranted."));
    EXPECT_TRUE(messages.messages[0].text.ends_with("Is that clear enough?"));
}

TEST_F(MainFormMenus, SoundTestsNeedAFileName) {
    auto &w = startForm();
    messages.messages.clear();
    w.ui->testTimersound1->trigger();
    w.ui->testAlarmsound1->trigger();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].caption, "No timer sound file!");
    EXPECT_EQ(messages.messages[0].text,
              "There is no file name given for the timer. Use Options to choose the wave, midi or "
              "other file to play for the timer.");
    EXPECT_EQ(messages.messages[1].caption, "No alarm sound file!");
    EXPECT_EQ(messages.messages[1].text,
              "There is no file name given for the alarm. Use Options to choose the wav/mid file "
              "to play for the alarm.");

    // Two characters are enough to try: a missing file gives the player's
    // open failure.
    messages.messages.clear();
    w.TimerSoundFile = "ab";
    w.ui->testTimersound1->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Error");
    EXPECT_EQ(messages.messages[0].text, w.MediaPlayer1.ErrorMessage());
    EXPECT_NE(w.MediaPlayer1.Error(), 0);
}

// The file names of the libraries for sound and unmuting that this process
// has mapped.
static std::set<std::string> soundLibraries() {
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> found;
    std::string line;
    while (std::getline(maps, line)) {
        const std::string name = line.substr(line.rfind('/') + 1);
        std::string lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        for (const char *part : {"sdl", "fluidsynth", "asound"})
            if (lower.find(part) != std::string::npos)
                found.insert(name);
    }
    return found;
}

// A window that has played nothing has not loaded the sound stack; the first
// test of a sound loads it, and both kinds of file are heard. ctest runs each
// test in a process of its own, so nothing has played here before.
TEST_F(MainFormMenus, SoundLibrariesAreLoadedByTheFirstSound) {
    QApplication::setWindowIcon(programIcon());
    auto &w = startForm();
    w.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(soundLibraries(), std::set<std::string>{});

    for (const NamedSound &sound : soundOfEachKind()) {
        SCOPED_TRACE(sound.name);
        w.TimerSoundFile = cwd.file(sound.name);
        writeFile(w.TimerSoundFile, sound.content);
        expectHeard([&] { w.ui->testTimersound1->trigger(); });
    }
    const std::set<std::string> mapped = soundLibraries();
    for (const std::string library : {"libSDL2-2.0.so", "libSDL2_mixer-2.0.so", "libfluidsynth.so"})
        EXPECT_TRUE(std::any_of(mapped.begin(), mapped.end(), [&](const std::string &name) {
            return name.rfind(library, 0) == 0;
        })) << library;
}

TEST_F(MainFormMenus, UnmuteFailureIsReportedAndPlaybackGoesOn) {
    auto &w = startForm();
    FakeMixerSystem none;
    setSystemMixer(&none);
    messages.messages.clear();
    w.ui->Button1->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Could not unmute speakers");
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_EQ(w.ui->ShortLabel->text(), "Counting...");
}

TEST_F(MainFormMenus, SecondaryWindowsAreShownByTheirCommands) {
    AppWindows windows;
    TMainForm &w = *windows.mainForm;
    w.ui->Sounds1->trigger();
    EXPECT_TRUE(windows.optionsForm->isVisible());
    EXPECT_EQ(windows.optionsForm->windowTitle(), "Options");
    w.ui->About1->trigger();
    EXPECT_TRUE(windows.quenAbout->isVisible());
    w.ui->Loganerrororcomment1->trigger();
    EXPECT_TRUE(windows.userLogWindow->isVisible());
    EXPECT_EQ(windows.userLogWindow->windowTitle(), "Log  Errors and User Comments");
    // Closing a secondary window only hides it.
    windows.userLogWindow->close();
    EXPECT_FALSE(windows.userLogWindow->isVisible());
    EXPECT_EQ(UserLogWindow, windows.userLogWindow.get());
}
