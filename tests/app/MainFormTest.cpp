// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"

#include "app/AppWindows.h"
#include "clock/ClockRules.h"
#include "options/TOptionsForm.h"
#include "platform/Dialogs.h"
#include "platform/ProgramIcon.h"
#include "projects/HistoryWindow.h"
#include "projects/ProjectStore.h"
#include "projects/TotalsWindow.h"
#include "support/ChildProcess.h"
#include "support/SoundFiles.h"
#include "windows/TQuenAbout.h"
#include "windows/TUserLogWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>

using MainFormStart = SetClockMainFormTest;
using MainFormMenus = SetClockMainFormTest;

namespace {
const char *const TimerNames[] = {"ShortTimer", "SecondsTimer", "ClearTimer", "AlarmTimer",
                                  "ClockTimer", "SWTimer",      "TRTimer"};
}

// Start-up ends at the warning: the clock keeps its first style and the
// database is not opened.
TEST_F(MainFormStart, FirstRunWarnsAboutTheAlarmSoundOnly) {
    now = {2024, 3, 15, 9, 30, 5, 0};
    auto &w = startForm();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "No file set for the alarm sound. Please set with the Options menu");
    EXPECT_EQ(messages.messages[0].caption, "Warning");
    EXPECT_EQ(widget<QTabWidget>("Page1")->currentWidget()->objectName(), "TabSheet4");
    for (const char *name : TimerNames)
        EXPECT_FALSE(timer(name).enabled()) << name;
    timer("ClockTimer").fire();
    EXPECT_EQ(widget<QTextEdit>("ClockEdit")->toPlainText().toStdString(),
              clockLine(ClockText24Hour, 9, 30, 5));
    openTab("TimeRecord");
    EXPECT_EQ(widget<QLineEdit>("YearEdit")->text(), "2017");
    EXPECT_EQ(widget<QLineEdit>("MonthEdit")->text(), "1");
    EXPECT_EQ(widget<QLineEdit>("DayEdit")->text(), "1");
    EXPECT_EQ(widget<QComboBox>("ProjectBox")->count(), 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(cwd.file("chimeral.db"))));
    (void)w;
}

// Only the shown page is built at start; each other one when its tab is
// first shown, with the texts of its layout and the window's font under its
// own larger ones.
TEST_F(MainFormStart, PagesAreBuiltWhenFirstShown) {
    auto &w = startForm();
    EXPECT_EQ(w.windowTitle(), "Alarm Clock and Timer");
    auto *tabs = widget<QTabWidget>("Page1");
    const QStringList titles = {"Timer", "Alarm", "StopWatch", "Time Record", "Clock"};
    ASSERT_EQ(tabs->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        EXPECT_EQ(tabs->tabText(i), titles[i]);
    EXPECT_EQ(widget<QTextEdit>("ClockEdit")->toPlainText(), "Not yet started");
    struct LayoutText {
        const char *page;
        const char *widget;
        const char *text;
    };
    const LayoutText texts[] = {{"TabSheet1", "Edit2", "0:30"},
                                {"TabSheet1", "ShortLabel", "      "},
                                {"TabSheet2", "Edit1", "7:00 AM"},
                                {"TabSheet2", "AlarmLabel", "  "},
                                {"TabSheet3", "StopLabel", "00:00.0"}};
    for (const LayoutText &t : texts) {
        if (tabs->currentWidget() != widget<QWidget>(t.page)) {
            EXPECT_EQ(widget<QWidget>(t.widget), nullptr) << t.page << " built before shown";
            openTab(t.page);
        }
        EXPECT_EQ(widget<QWidget>(t.widget)->property("text").toString(), t.text);
    }
    EXPECT_EQ(widget<QLabel>("StopLabel")->font().pixelSize(), 19);
    EXPECT_TRUE(widget<QLabel>("StopLabel")->font().bold());
    openTab("TimeRecord");
    EXPECT_EQ(widget<QPushButton>("Button12")->font().pixelSize(), 13);
}

TEST_F(MainFormStart, ClockTextGrowsWithTheWindow) {
    auto &w = startForm();
    w.show();
    w.resize(400, 300);
    QCoreApplication::processEvents();
    auto *clock = widget<QTextEdit>("ClockEdit");
    const int narrow = clock->font().pointSize();
    EXPECT_EQ(narrow, clock->width() / 30);
    EXPECT_EQ(clock->width(), widget<QTabWidget>("Page1")->width() - 5);
    w.resize(700, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(clock->font().pointSize(), narrow + 10);
}

TEST_F(MainFormMenus, MenuBarCommands) {
    now = {2024, 3, 15, 21, 7, 45, 0};
    startForm();
    QStringList titles;
    for (QAction *menu : widget<QMenuBar>("MainMenu1")->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Options", "&Records", "&Help"}));
    const QList<QAction *> clockItems = widget<QMenu>("Clock1")->actions();
    QStringList clockTexts;
    for (QAction *item : clockItems)
        clockTexts << item->text();
    EXPECT_EQ(clockTexts, QStringList({"Text 24 hour", "Text 12 hour", "Roman Numerals 24 hour",
                                       "Roman Numerals 12 hour", "Binary", "Digits 24 hour",
                                       "Digits 12 hour"}));
    // Each clock item sets the style, in menu order, shown at the next tick.
    for (int i = 0; i < clockItems.size(); ++i) {
        clockItems[i]->trigger();
        timer("ClockTimer").fire();
        EXPECT_EQ(widget<QTextEdit>("ClockEdit")->toPlainText().toStdString(),
                  clockLine(i, 21, 7, 45))
            << i;
    }

    messages.messages.clear();
    widget<QAction>("Warranty1")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "You got to be kidding!");
    EXPECT_TRUE(
        messages.messages[0].text.starts_with("The program is unconditionally unwarranted."));
    EXPECT_TRUE(messages.messages[0].text.ends_with("Is that clear enough?"));
}

TEST_F(MainFormMenus, SoundTestsNeedAFileName) {
    startForm();
    messages.messages.clear();
    widget<QAction>("testTimersound1")->trigger();
    widget<QAction>("testAlarmsound1")->trigger();
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
    form.reset();
    writeOptions("alarm.wav", "ab");
    startForm();
    messages.messages.clear();
    widget<QAction>("testTimersound1")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Error");
    EXPECT_EQ(messages.messages[0].text, "The specified file was not found. Make sure the path "
                                         "and file name are correct.");
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
        const std::string file = cwd.file(sound.name);
        writeFile(file, sound.content);
        form.reset();
        writeOptions("alarm.wav", file);
        startForm();
        expectHeard([&] { widget<QAction>("testTimersound1")->trigger(); });
    }
    const std::set<std::string> mapped = soundLibraries();
    for (const std::string library : {"libSDL2-2.0.so", "libSDL2_mixer-2.0.so", "libfluidsynth.so"})
        EXPECT_TRUE(std::any_of(mapped.begin(), mapped.end(), [&](const std::string &name) {
            return name.rfind(library, 0) == 0;
        })) << library;
}

TEST_F(MainFormMenus, UnmuteFailureIsReportedAndPlaybackGoesOn) {
    startForm();
    openTab("TabSheet1");
    FakeMixerSystem none;
    setSystemMixer(&none);
    messages.messages.clear();
    widget<QPushButton>("Button1")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Could not unmute speakers");
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_EQ(widget<QLabel>("ShortLabel")->text(), "Counting...");
}

TEST_F(MainFormMenus, SecondaryWindowsAreShownByTheirCommands) {
    AppWindows windows;
    TMainForm &w = *windows.mainForm;
    w.findChild<QAction *>("Sounds1")->trigger();
    EXPECT_TRUE(windows.optionsForm->isVisible());
    EXPECT_EQ(windows.optionsForm->windowTitle(), "Options");
    w.findChild<QAction *>("About1")->trigger();
    EXPECT_TRUE(windows.quenAbout->isVisible());
    w.findChild<QAction *>("Loganerrororcomment1")->trigger();
    EXPECT_TRUE(windows.userLogWindow->isVisible());
    EXPECT_EQ(windows.userLogWindow->windowTitle(), "Log  Errors and User Comments");
    // Closing a secondary window only hides it.
    windows.userLogWindow->close();
    EXPECT_FALSE(windows.userLogWindow->isVisible());
    EXPECT_EQ(UserLogWindow, windows.userLogWindow.get());
}

// Time added by hand is stored as a recording, shows in the totals, and the
// export writes it as the command line would.
TEST_F(MainFormMenus, RecordsAddTimeTotalsAndExport) {
    now = {2024, 3, 15, 9, 30, 5, 0};
    writeOptions("alarm.wav", "timer.wav");
    auto &w = startForm();
    w.show();
    openTab("TimeRecord");
    widget<QComboBox>("ProjectBox")->setEditText("Thesis");
    widget<QPushButton>("Button13")->click();
    EXPECT_EQ(widget<QLabel>("QueryLabel")->text(), "0");
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), "Add Time");
        EXPECT_EQ(dialog->findChild<QComboBox *>("AddTimeProject")->currentText(), "Thesis");
        dialog->findChild<QSpinBox *>("AddTimeMinutes")->setValue(90);
        QTest::keyClick(dialog->findChild<QSpinBox *>("AddTimeMinutes"), Qt::Key_Return);
    });
    widget<QAction>("AddTime1")->trigger();
    EXPECT_TRUE(messages.messages.empty()) << messages.texts()[0];
    EXPECT_EQ(widget<QLabel>("QueryLabel")->text(), "90");
    EXPECT_EQ(widget<QComboBox>("ProjectBox")->findText("Thesis"), 0)
        << "the new project is listed";

    widget<QAction>("Totals1")->trigger();
    auto *totals = w.findChild<TotalsWindow *>();
    ASSERT_TRUE(totals);
    EXPECT_TRUE(totals->isVisible());
    EXPECT_TRUE(totals->tableText().contains("Thesis\t1:30\t1:30\t1:30\t1:30"))
        << totals->tableText().toStdString();

    setSaveFileChooser([this](const std::string &start) {
        EXPECT_EQ(start, cwd.file("chimeral-records.csv"));
        return cwd.file("out.csv");
    });
    widget<QAction>("ExportCSV1")->trigger();
    setSaveFileChooser({});
    EXPECT_EQ(readFile(cwd.file("out.csv")),
              "project,date,start,minutes\r\nThesis,2024-03-15,08:00:05,90\r\n");

    // The database itself, here through a link, is refused in a box and kept.
    std::filesystem::create_symlink("chimeral.db", cwd.file("records.csv"));
    setSaveFileChooser([this](const std::string &) { return cwd.file("records.csv"); });
    widget<QAction>("ExportCSV1")->trigger();
    setSaveFileChooser({});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Error");
    EXPECT_EQ(messages.messages[0].text.rfind("Will not write " + cwd.file("records.csv"), 0), 0u);
    widget<QPushButton>("Button13")->click();
    EXPECT_EQ(widget<QLabel>("QueryLabel")->text(), "90");
}

// Records > History opens one window; a change made there shows at once in
// Totals and the tab's minutes. Totals leaves the project being recorded
// alone, and the tab's box follows a project renamed there.
TEST_F(MainFormMenus, RecordsHistoryAndTotalsFollowEachOtherAndTheTab) {
    now = {2024, 3, 15, 9, 30, 5, 0};
    writeOptions("alarm.wav", "timer.wav");
    auto &w = startForm();
    w.show();
    const std::tuple<const char *, int16_t, int> added[] = {
        {"Thesis", 8, 90}, {"Draft", 7, 30}, {"Draft", 6, 10}};
    for (const auto &[name, hour, minutes] : added)
        ASSERT_TRUE(w.projectStore().addTime(name, TimeDate(2024, 3, 15, hour, 0, 0, 0), minutes));
    openTab("TimeRecord");
    widget<QComboBox>("ProjectBox")->setEditText("Draft");
    widget<QPushButton>("Button13")->click();
    widget<QAction>("Totals1")->trigger();
    widget<QAction>("History1")->trigger();
    widget<QAction>("History1")->trigger();
    ASSERT_EQ(w.findChildren<HistoryWindow *>().size(), 1);
    auto *rows = w.findChild<QTableView *>("HistoryTable");
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                      rows->visualRect(rows->model()->index(1, 0)).center()); // Draft, 30
    setQuestionHandler([](const std::string &, const std::string &) { return true; });
    QTest::mouseClick(rows->window()->findChild<QPushButton *>("HistoryDelete"), Qt::LeftButton);
    auto *totals = w.findChild<TotalsWindow *>();
    EXPECT_EQ(widget<QLabel>("QueryLabel")->text(), "10");
    EXPECT_TRUE(totals->tableText().endsWith("All projects\t1:40\t1:40\t1:40\t1:40\n"));

    widget<QPushButton>("Button11")->click(); // records Draft
    auto *table = totals->findChild<QTableView *>("TotalsTable");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(1, 0)).center()); // Draft
    messages.messages.clear();
    for (const char *button : {"TotalsRename", "TotalsDelete"}) // refused before they ask
        QTest::mouseClick(totals->findChild<QPushButton *>(button), Qt::LeftButton);
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, "Stop the recording of Draft first."));
    widget<QPushButton>("Button11")->click(); // too short to be stored
    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(QApplication::activeModalWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "Paper");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::mouseClick(totals->findChild<QPushButton *>("TotalsRename"), Qt::LeftButton);
    setQuestionHandler({});
    EXPECT_EQ(widget<QComboBox>("ProjectBox")->currentText(), "Paper");
    EXPECT_EQ(widget<QLabel>("QueryLabel")->text(), "10");
}
