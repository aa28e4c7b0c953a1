#include "support/MainFormFixture.h"
#include "ui_TMainForm.h"
#include "ui_TOptionsForm.h"

#include "app/AppWindows.h"
#include "options/FileBytes.h"
#include "options/LineData.h"
#include "options/TOptionsForm.h"

#include <QFileDialog>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {
const std::string AlarmWarning =
    "No file set for the alarm sound. Please set with the Options menu";
const std::string TimerWarning =
    "No file set for the timer sound. Please set with the Options menu";
} // namespace

class MainFormOptions : public MainFormTest {
protected:
    std::string iniPath() const { return config.path().toStdString() + "/chimeral.ini"; }
    QString cell(TOptionsForm &editor, int row, int column) {
        const QTableWidgetItem *item = editor.ui->StringGrid1->item(row, column);
        return item ? item->text() : QString();
    }
};

TEST_F(MainFormOptions, StartUpReadsBothNamesAndCountsShortOnesAsUnset) {
    struct Case {
        std::optional<std::string> file;
        std::vector<std::string> warnings;
        int clockStyle;
    };
    const Case cases[] = {
        {std::nullopt, {AlarmWarning}, 0},
        {"AlarmSound=/s/alarm.wav\r\nTimerSound=/s/timer.mid\r\n", {}, 1},
        {" alarmsound = /s/alarm.wav\r\nTIMERSOUND=\r\n", {TimerWarning}, 1},
        {"AlarmSound=/s/alarm.wav\r\nTimerSound=t.w", {TimerWarning}, 1},
        {"AlarmSound=abcd\r\nTimerSound=wxyz", {}, 1},
        {"AlarmSound=a.w\r\nTimerSound=/s/timer.mid\r\n", {AlarmWarning}, 0},
    };
    for (const Case &c : cases) {
        if (c.file)
            writeBytes(iniPath(), *c.file);
        messages.messages.clear();
        auto &w = startForm();
        EXPECT_EQ(messages.texts(), c.warnings) << c.file.value_or("no file");
        EXPECT_EQ(w.ClockStyle, c.clockStyle) << c.file.value_or("no file");
        ASSERT_EQ(w.OptionList.size(), 2u);
        EXPECT_EQ(w.OptionList[0].textTarget, &w.AlarmSoundFile);
        EXPECT_EQ(w.OptionList[1].textTarget, &w.TimerSoundFile);
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
    auto &w = startForm();
    EXPECT_EQ(w.AlarmSoundFile, "/s/alarm.wav");
    w.TimerSoundFile = "/s/new.mid";
    form.reset();
    EXPECT_EQ(readBytes(iniPath()),
              "ALARMSOUND=/s/alarm.wav\r\nBETA=2\r\nTIMERSOUND=/s/new.mid\r\nZETA=1\r\n");

    // An emptied name leaves the file.
    startForm().AlarmSoundFile.clear();
    form.reset();
    EXPECT_EQ(readBytes(iniPath()), "BETA=2\r\nTIMERSOUND=/s/new.mid\r\nZETA=1\r\n");
}

TEST_F(MainFormOptions, MissingConfigurationFolderIsCreatedAtExit) {
    const std::string folder = config.path().toStdString() + "/fresh/config";
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    startForm().TimerSoundFile = "/s/timer.wav";
    form.reset();
    EXPECT_EQ(readBytes(folder + "/chimeral.ini"), "TIMERSOUND=/s/timer.wav\r\n");
}

TEST_F(MainFormOptions, OldFileStaysWholeWhenTheNewOneCannotBeWritten) {
    const std::string old = "ALARMSOUND=/s/alarm.wav\r\nTIMERSOUND=/s/timer.wav\r\n";
    writeBytes(iniPath(), old);
    ASSERT_TRUE(fs::create_directory(LineData::temporaryName(iniPath())));
    startForm().TimerSoundFile = "/s/other.wav";
    form.reset();
    EXPECT_EQ(readBytes(iniPath()), old);
}

TEST_F(MainFormOptions, SoundsShowsTheSameEditorOnTheTwoSoundNames) {
    writeBytes(iniPath(), "AlarmSound=/s/alarm.wav\r\n");
    AppWindows windows;
    TMainForm &w = *windows.mainForm;
    TOptionsForm &editor = *windows.optionsForm;
    for (int shown = 0; shown < 2; ++shown) {
        w.ui->Sounds1->trigger();
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(editor.options, &w.OptionList);
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
    EXPECT_EQ(w.AlarmSoundFile, "/s/alarm.wav");
}

TEST_F(MainFormOptions, ChosenTimerSoundIsUsedAtOnceAndWrittenAtExit) {
    const QString chosen = "/s/chosen.wav";
    {
        AppWindows windows;
        TMainForm &w = *windows.mainForm;
        TOptionsForm &editor = *windows.optionsForm;
        QString offered;
        QString answer;
        editor.chooseFile = [&](QFileDialog &dialog) {
            offered = dialog.selectedNameFilter();
            return answer;
        };
        w.ui->Sounds1->trigger();
        editor.ui->StringGrid1->setCurrentCell(1, 1);

        editor.ui->ChangeButton->click(); // the dialog cancelled
        EXPECT_EQ(cell(editor, 1, 1), "");
        EXPECT_EQ(offered, "All files (*)");
        answer = chosen;
        editor.ui->ChangeButton->click();
        EXPECT_EQ(cell(editor, 1, 1), chosen);
        EXPECT_TRUE(w.TimerSoundFile.empty());
        editor.ui->Cancel->click();
        EXPECT_FALSE(editor.isVisible());
        EXPECT_TRUE(w.TimerSoundFile.empty());

        w.ui->Sounds1->trigger();
        EXPECT_EQ(cell(editor, 1, 1), "");
        editor.ui->StringGrid1->setCurrentCell(1, 0);
        editor.ui->ChangeButton->click();
        editor.ui->OK->click();
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(w.TimerSoundFile, chosen.toStdString());
        EXPECT_TRUE(w.AlarmSoundFile.empty());

        w.ui->testTimersound1->trigger();
        EXPECT_EQ(w.MediaPlayer1.FileName, chosen.toStdString());
    }
    EXPECT_EQ(readBytes(iniPath()), "TIMERSOUND=/s/chosen.wav\r\n");
}
