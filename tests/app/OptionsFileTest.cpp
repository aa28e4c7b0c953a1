// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"
#include "ui_TOptionsForm.h"

#include "app/AppWindows.h"
#include "app/SoundsFolder.h"
#include "options/FileBytes.h"
#include "options/TOptionsForm.h"
#include "support/TempDir.h"

#include "clock/ClockRules.h"

#include <QFileDialog>
#include <QTextEdit>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {
const std::string AlarmWarning =
    "No file set for the alarm sound. Please set with the Options menu";
const std::string TimerWarning =
    "No file set for the timer sound. Please set with the Options menu";
} // namespace

class MainFormOptions : public SetClockMainFormTest {
protected:
    std::string iniPath() const { return config.path().toStdString() + "/chimeral.ini"; }
    QString cell(TOptionsForm &editor, int row, int column) {
        const QTableWidgetItem *item = editor.ui->StringGrid1->item(row, column);
        return item ? item->text() : QString();
    }
    // The two sound names as the options editor shows them.
    std::pair<QString, QString> shownSounds(AppWindows &windows) {
        windows.mainForm->findChild<QAction *>("Sounds1")->trigger();
        TOptionsForm &editor = *windows.optionsForm;
        const std::pair<QString, QString> shown{cell(editor, 0, 1), cell(editor, 1, 1)};
        editor.ui->Cancel->click();
        return shown;
    }
    // Chooses a file for a row of the editor and confirms it with OK.
    void choose(AppWindows &windows, int row, const QString &file) {
        TOptionsForm &editor = *windows.optionsForm;
        editor.chooseFile = [file](QFileDialog &) { return file; };
        windows.mainForm->findChild<QAction *>("Sounds1")->trigger();
        editor.ui->StringGrid1->setCurrentCell(row, 1);
        editor.ui->ChangeButton->click();
        editor.ui->OK->click();
    }
};

TEST_F(MainFormOptions, StartUpReadsBothNamesAndCountsShortOnesAsUnset) {
    struct Case {
        std::optional<std::string> file;
        std::vector<std::string> warnings;
        int clockStyle; // the first style, or the one a full start-up sets
    };
    const Case cases[] = {
        {std::nullopt, {AlarmWarning}, 0},
        {"AlarmSound=/s/alarm.wav\r\nTimerSound=/s/timer.mid\r\n", {}, 1},
        {"AlarmSound=/s/alarm.wav\r\nTimerSound=t.w", {TimerWarning}, 1},
        {"AlarmSound=abcd\r\nTimerSound=wxyz", {}, 1},
        {"AlarmSound=a.w\r\nTimerSound=/s/timer.mid\r\n", {AlarmWarning}, 0},
    };
    for (const Case &c : cases) {
        if (c.file)
            writeBytes(iniPath(), *c.file);
        messages.messages.clear();
        startForm();
        EXPECT_EQ(messages.texts(), c.warnings) << c.file.value_or("no file");
        timer("ClockTimer").fire();
        EXPECT_EQ(widget<QTextEdit>("ClockEdit")->toPlainText().toStdString(),
                  clockLine(c.clockStyle, now.Hour(), now.Minute(), now.Second()))
            << c.file.value_or("no file");
        form.reset();
        // With neither name set the exit writes nothing.
        if (!c.file) {
            EXPECT_TRUE(fs::is_empty(config.path().toStdString()));
        }
    }
}

TEST_F(MainFormOptions, ExitWritesBothNamesAndKeepsTheOtherEntries) {
    writeBytes(iniPath(), "zeta=1\r\n[x]\r\nTimerSound=/s/old.wav\r\n Beta = 2\r\n"
                          "AlarmSound=/s/alarm.wav\r\n");
    {
        AppWindows windows;
        EXPECT_EQ(shownSounds(windows),
                  std::make_pair(QString("/s/alarm.wav"), QString("/s/old.wav")));
        choose(windows, 1, "/s/new.mid");
    }
    EXPECT_EQ(readBytes(iniPath()),
              "ALARMSOUND=/s/alarm.wav\r\nBETA=2\r\nTIMERSOUND=/s/new.mid\r\nZETA=1\r\n");

    // An emptied name leaves the file.
    {
        AppWindows windows;
        TOptionsForm &editor = *windows.optionsForm;
        windows.mainForm->findChild<QAction *>("Sounds1")->trigger();
        editor.ui->StringGrid1->item(0, 1)->setText("");
        editor.ui->OK->click();
    }
    EXPECT_EQ(readBytes(iniPath()), "BETA=2\r\nTIMERSOUND=/s/new.mid\r\nZETA=1\r\n");
}

// Ring Until Stopped is read as start-up finds it and kept only while on.
TEST_F(MainFormOptions, RingUntilStoppedIsKeptOnlyWhileOn) {
    const std::string sounds = "ALARMSOUND=/s/alarm.wav\r\nTIMERSOUND=/s/timer.wav\r\n";
    const struct {
        std::string file;
        bool checked, toggle;
        std::string after;
    } cases[] = {
        {sounds, false, false, sounds},
        {sounds, false, true, "ALARMREPEAT=1\r\n" + sounds},
        {"AlarmRepeat=1\r\n" + sounds, true, false, "ALARMREPEAT=1\r\n" + sounds},
        {"AlarmRepeat=1\r\n" + sounds, true, true, sounds},
    };
    for (const auto &c : cases) {
        writeBytes(iniPath(), c.file);
        {
            AppWindows windows;
            auto *item = windows.mainForm->findChild<QAction *>("RingUntilStopped1");
            EXPECT_EQ(item->isChecked(), c.checked) << c.file;
            if (c.toggle)
                item->trigger();
        }
        EXPECT_EQ(readBytes(iniPath()), c.after) << c.file;
    }
}

TEST_F(MainFormOptions, SoundsShowsTheSameEditorOnTheTwoSoundNames) {
    writeBytes(iniPath(), "AlarmSound=/s/alarm.wav\r\n");
    AppWindows windows;
    TMainForm &w = *windows.mainForm;
    TOptionsForm &editor = *windows.optionsForm;
    for (int shown = 0; shown < 2; ++shown) {
        w.findChild<QAction *>("Sounds1")->trigger();
        EXPECT_TRUE(editor.isVisible());
        ASSERT_TRUE(editor.options);
        EXPECT_EQ(editor.options->size(), 2u);
        ASSERT_EQ(editor.ui->StringGrid1->rowCount(), 2);
        EXPECT_EQ(cell(editor, 0, 0), "Alarm sound file name");
        EXPECT_EQ(cell(editor, 0, 1), "/s/alarm.wav");
        EXPECT_EQ(cell(editor, 1, 0), "Timer sound file name");
        EXPECT_EQ(cell(editor, 1, 1), "");
        EXPECT_EQ(editor.OpenDialog1->nameFilters(),
                  QStringList({"Sound files (*.wav *.mid)", "All files (*)"}));
        // An edit that was not confirmed is gone at the next showing.
        editor.ui->StringGrid1->item(0, 1)->setText("/s/unconfirmed.wav");
    }
    editor.ui->Cancel->click();
    EXPECT_EQ(shownSounds(windows).first, "/s/alarm.wav");
}

TEST_F(MainFormOptions, ChosenTimerSoundIsUsedAtOnceAndWrittenAtExit) {
    const QString chosen = "/s/chosen.wav";
    {
        AppWindows windows;
        TMainForm &w = *windows.mainForm;
        TOptionsForm &editor = *windows.optionsForm;
        QString answer;
        editor.chooseFile = [&](QFileDialog &) { return answer; };
        w.findChild<QAction *>("Sounds1")->trigger();
        editor.ui->StringGrid1->setCurrentCell(1, 1);

        editor.ui->ChangeButton->click(); // the dialog cancelled
        EXPECT_EQ(cell(editor, 1, 1), "");
        answer = chosen;
        editor.ui->ChangeButton->click();
        EXPECT_EQ(cell(editor, 1, 1), chosen);
        editor.ui->Cancel->click();
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(shownSounds(windows), std::make_pair(QString(), QString()));

        w.findChild<QAction *>("Sounds1")->trigger();
        EXPECT_EQ(cell(editor, 1, 1), "");
        editor.ui->StringGrid1->setCurrentCell(1, 0);
        editor.ui->ChangeButton->click();
        editor.ui->OK->click();
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(shownSounds(windows), std::make_pair(QString(), chosen));

        // The sound test now tries the chosen file.
        messages.messages.clear();
        w.findChild<QAction *>("testTimersound1")->trigger();
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].caption, "Error");
    }
    EXPECT_EQ(readBytes(iniPath()), "TIMERSOUND=/s/chosen.wav\r\n");
}

// Editors on Linux end lines in LF; some old ones in CR alone.
TEST_F(MainFormOptions, EveryLineEndIsReadAndTheRewriteUsesCrLf) {
    // LF mixed with CR LF, and CR alone; neither ends its last line.
    const std::pair<const char *, std::string> cases[] = {
        {"LF", "zeta=1\nTimerSound=/s/t.wav\r\n\nAlarmSound=/s/a.wav"},
        {"CR", "AlarmSound=/s/a.wav\rTimerSound=/s/t.wav\rzeta=1"},
    };
    for (const auto &[ends, content] : cases) {
        SCOPED_TRACE(ends);
        writeBytes(iniPath(), content);
        messages.messages.clear();
        {
            AppWindows windows;
            EXPECT_TRUE(messages.messages.empty());
            EXPECT_EQ(shownSounds(windows),
                      std::make_pair(QString("/s/a.wav"), QString("/s/t.wav")));
        }
        EXPECT_EQ(readBytes(iniPath()), "ALARMSOUND=/s/a.wav\r\nTIMERSOUND=/s/t.wav\r\nZETA=1\r\n");
    }
}

// Other programs' entries fill the file.
TEST_F(MainFormOptions, LargeFilesSurviveTheRewrite) {
    const auto otherEntries = [](size_t size) {
        std::string entries;
        for (int i = 0; entries.size() < size; ++i) {
            std::string line = "X" + std::to_string(100000 + i) + "=";
            line +=
                std::string(std::min<size_t>(40, size - entries.size() - line.size() - 2), 'v') +
                "\r\n";
            entries += line;
        }
        return entries;
    };
    const std::string sounds = "ALARMSOUND=/s/a.wav\r\nTIMERSOUND=/s/t.wav\r\n";
    for (const size_t size : {5000, 16000}) {
        const std::string others = otherEntries(size);
        ASSERT_EQ(others.size(), size);
        writeBytes(iniPath(), others + sounds);
        startForm();
        form.reset();
        EXPECT_EQ(readBytes(iniPath()), sounds + others) << size;
    }
}

TEST_F(MainFormOptions, RelativeConfigHomeIsIgnored) {
    const std::string home = cwd.path();
    const std::string previousHome = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", home.c_str(), 1);
    const std::pair<const char *, std::string> cases[] = {
        {"/abs/config", "/abs/config"},
        {"rel/config", home + "/.config"},
        {"", home + "/.config"},
    };
    for (const auto &[value, folder] : cases) {
        setenv("XDG_CONFIG_HOME", value, 1);
        EXPECT_EQ(TMainForm::configFolder(), folder) << value;
    }
    setenv("HOME", previousHome.c_str(), 1);
}

// The editor must not need a click into the grid before Change works.
TEST_F(MainFormOptions, FreshEditorChangesTheFirstRowAtOnce) {
    AppWindows windows;
    TOptionsForm &editor = *windows.optionsForm;
    editor.chooseFile = [](QFileDialog &) { return QString("/s/chosen.wav"); };
    windows.mainForm->findChild<QAction *>("Sounds1")->trigger();
    editor.ui->ChangeButton->click();
    editor.ui->OK->click();
    EXPECT_EQ(shownSounds(windows).first, "/s/chosen.wav");
}

TEST(SoundsFolder, InstalledBesideTheProgramOrInTheBuildTree) {
    TempCurrentDir dir;
    const std::string share = dir.file("usr/share/chimeral/sounds");
    fs::create_directories(share);
    fs::create_directories(dir.file("usr/bin/sounds"));
    fs::create_directories(dir.file("build/sounds"));
    fs::create_directories(dir.file("opt/bin"));
    const std::pair<std::string, std::string> cases[] = {
        {dir.file("usr/bin"), share},
        {dir.file("build"), dir.file("build/sounds")},
        {dir.file("opt/bin"), ""},
    };
    for (const auto &[program, sounds] : cases)
        EXPECT_EQ(installedSoundsFolder(program), sounds) << program;
}
