// SPDX-License-Identifier: MIT
#include "options/TOptionsForm.h"
#include "ui_TOptionsForm.h"

#include "platform/SystemMetrics.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

// An editor on a list of every kind, bound to variables the test owns.
class OptionsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.resize(7);
        list[0].setTextOption("Text", "A text", text);
        list[1].setFolderOption("Folder", "A folder", folder);
        list[2].setFileOption("File", "A file", file);
        list[3].setIntegerOption("Count", "A count", count);
        list[4].setYesNoOption("Loud", "Loud", loud);
        list[5].setYesNoOption("Quiet", "Quiet", quiet);
        list[6].name = "Broken";
        list[6].description = "Broken";
        list[6].kind = static_cast<OptionKind>(9);
    }

    QString cell(int row, int column = 1) {
        const QTableWidgetItem *item = editor.ui->StringGrid1->item(row, column);
        return item ? item->text() : QString();
    }
    void setCell(int row, const QString &value) {
        if (!editor.ui->StringGrid1->item(row, 1))
            editor.ui->StringGrid1->setItem(row, 1, new QTableWidgetItem);
        editor.ui->StringGrid1->item(row, 1)->setText(value);
    }
    void change(int row) {
        editor.ui->StringGrid1->setCurrentCell(row, 1);
        editor.ui->ChangeButton->click();
    }

    MessageRecorder messages;
    std::string text = "plain", folder = "/f/", file = "/f/a.wav";
    int32_t count = -42;
    bool loud = true, quiet = false;
    std::vector<GeneralOption> list;
    TOptionsForm editor;
};

TEST_F(OptionsFormTest, FillShowsDescriptionsAndValuesOfEveryKind) {
    // Before any list is given there is nothing to change or write.
    change(0);
    editor.ui->OK->click();
    EXPECT_TRUE(messages.messages.empty());

    setCell(6, "kept");
    editor.fill(list);
    ASSERT_EQ(editor.ui->StringGrid1->rowCount(), 7);
    const QStringList values = {"plain", "/f/", "/f/a.wav", "-42", "Yes", "No", "kept"};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(cell(row, 0).toStdString(), list[row].description);
        EXPECT_EQ(cell(row), values[row]) << row;
        EXPECT_FALSE(editor.ui->StringGrid1->item(row, 0)->flags() & Qt::ItemIsEditable);
        EXPECT_TRUE(editor.ui->StringGrid1->item(row, 1)->flags() & Qt::ItemIsEditable);
    }
}

TEST_F(OptionsFormTest, OkWritesEveryRowAndReportsTheOnesThatDoNotConvert) {
    struct Case {
        QString integer, yesNo;
        int32_t count;
        bool loud;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {" 42 ", "nope", 42, false, {}},
        {"", "maybe", -42, true, {"A count", "Loud"}},
    };
    for (const Case &c : cases) {
        count = -42;
        loud = true;
        quiet = false;
        messages.messages.clear();
        editor.fill(list);
        editor.show();
        setCell(0, " spaced ");
        setCell(3, c.integer);
        setCell(4, c.yesNo);
        setCell(5, "Yeah");
        editor.ui->OK->click();
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(text, " spaced ");
        EXPECT_EQ(count, c.count) << c.integer.toStdString();
        EXPECT_EQ(loud, c.loud) << c.yesNo.toStdString();
        EXPECT_TRUE(quiet);
        std::vector<std::string> captions;
        for (const auto &message : messages.messages) {
            captions.push_back(message.caption);
            EXPECT_EQ(message.text, message.caption == "A count"
                                        ? "The field did not contain an integer"
                                        : "The field did not contain yes or no");
        }
        EXPECT_EQ(captions, c.captions);
    }
}

TEST_F(OptionsFormTest, ChangeOffersAWayByKindAndTouchesOnlyTheCell) {
    editor.fill(list);
    QString answer;
    QString offered;
    editor.chooseFile = [&](QFileDialog &dialog) {
        offered = dialog.selectedNameFilter();
        return answer;
    };
    const std::string names[] = {"Sound files", "All files"};
    const std::string patterns[] = {"*.wav;*.mid", "*.*"};
    editor.setFilter(names, patterns, 2);

    answer = "/a/b/c.wav";
    change(1);
    EXPECT_EQ(cell(1), "/a/b/");
    EXPECT_EQ(offered, "All files (*)");
    answer = "/a/" + QString(120, 'n') + ".wav";
    change(1);
    EXPECT_EQ(cell(1), "/a/");
    change(2);
    EXPECT_EQ(cell(2), answer);
    answer.clear();
    change(2);
    EXPECT_EQ(cell(2), "/a/" + QString(120, 'n') + ".wav");

    change(4);
    EXPECT_EQ(cell(4), "No");
    change(4);
    EXPECT_EQ(cell(4), "Yes");
    EXPECT_TRUE(messages.messages.empty());

    setCell(4, " yes ");
    for (int row : {0, 3, 4, 6})
        change(row);
    const std::vector<std::string> captions = {"Change is not needed", "Change is not needed",
                                               "Error changing boolean.", "Program Error."};
    ASSERT_EQ(messages.messages.size(), captions.size());
    for (size_t i = 0; i < captions.size(); ++i)
        EXPECT_EQ(messages.messages[i].caption, captions[i]);
    EXPECT_EQ(messages.messages[0].text, "This value is just a string - edit it.");
    EXPECT_EQ(messages.messages[2].text,
              "The value needs to be Yes or No and is not. I cannot change it, edit it yourself.");
    EXPECT_EQ(messages.messages[3].text,
              "The type seems to be wrong, contact programming support.");
    EXPECT_EQ(cell(4), " yes ");
    EXPECT_EQ(folder, "/f/");
    EXPECT_EQ(file, "/f/a.wav");
    EXPECT_TRUE(loud);
}

TEST_F(OptionsFormTest, ResizeMovesCancelAndDebugOnlyAboveTheirWidths) {
    editor.show();
    const auto resizeOuter = [&](int width) {
        const QSize frame = editor.frameGeometry().size() - editor.size();
        editor.resize(width - frame.width(), 300 - frame.height());
        ASSERT_EQ(editor.frameGeometry().width(), width);
    };
    auto &ui = *editor.ui;
    resizeOuter(343);
    EXPECT_EQ(ui.Cancel->x(), 343 - 80 - 32);
    resizeOuter(342);
    EXPECT_EQ(ui.Cancel->x(), 343 - 80 - 32);
    resizeOuter(427);
    EXPECT_EQ(ui.DbgButton->x(), 427 - 250);
    resizeOuter(426);
    EXPECT_EQ(ui.DbgButton->x(), 427 - 250);
    EXPECT_EQ(ui.Cancel->x(), 426 - 80 - 32);

    const int extraHeight = ui.OK->height() + systemMetric(SM_CXDLGFRAME, &editor) +
                            systemMetric(SM_CYMIN, &editor) + systemMetric(SM_CYFRAME, &editor) +
                            32 + 20;
    EXPECT_EQ(ui.StringGrid1->height(), 300 - extraHeight);
    const int top = 32 + ui.StringGrid1->height() + 5;
    for (QWidget *button : {ui.OK, ui.ChangeButton, ui.Cancel})
        EXPECT_EQ(button->y(), top);
    EXPECT_EQ(ui.DbgButton->y(), top + 10);

    // Above 400 the description column keeps 200 pixels.
    const int extraWidth =
        4 + 2 * systemMetric(SM_CXFRAME, &editor) + 2 * systemMetric(SM_CXDLGFRAME, &editor) + 8;
    const std::tuple<int, int, int> splits[] = {
        {399, 199, 199}, {400, 200, 200}, {401, 200, 201}, {520, 200, 320}};
    for (const auto &[gridWidth, first, second] : splits) {
        resizeOuter(gridWidth + extraWidth);
        EXPECT_EQ(ui.StringGrid1->width(), gridWidth);
        EXPECT_EQ(ui.StringGrid1->columnWidth(0), first) << gridWidth;
        EXPECT_EQ(ui.StringGrid1->columnWidth(1), second) << gridWidth;
    }
}

// The dialog starts at the row's file with that file's name alone in the name
// field, never with a name typed into an earlier dialog.
TEST_F(OptionsFormTest, FileDialogStartsAtTheRowsFile) {
    TempCurrentDir dir;
    const std::string music = dir.file("music"), sounds = dir.file("sounds");
    fs::create_directory(music);
    fs::create_directory(sounds);
    QString answer, started, name;
    editor.chooseFile = [&](QFileDialog &dialog) {
        started = dialog.directory().absolutePath();
        QLineEdit *edit = dialog.findChild<QLineEdit *>("fileNameEdit");
        name = edit->text();
        edit->setText("typed");
        return answer;
    };
    struct Case {
        const char *what;
        int row;
        std::optional<std::string> value; // none: as the last Change left it
        std::string fallback;
        std::string answer, folder, name;
    };
    const Case cases[] = {
        {"a file", 2, music + "/a.wav", sounds, "", music, "a.wav"},
        {"a file whose folder is gone", 2, "/gone/a.wav", sounds, "", sounds, ""},
        {"no file", 2, "", sounds, music + "/b.wav", sounds, ""},
        {"after that Change", 2, std::nullopt, sounds, "", music, "b.wav"},
        {"no file, no sounds folder", 2, "", dir.file("none"), "", dir.path(), ""},
        {"a folder", 1, music + "/", sounds, "", music, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.value) {
            (c.row == 1 ? folder : file) = *c.value;
            editor.fill(list);
        }
        editor.dialogFolder = c.fallback;
        answer = QString::fromStdString(c.answer);
        change(c.row);
        EXPECT_EQ(started.toStdString(), c.folder);
        EXPECT_EQ(name.toStdString(), c.name);
    }
}

// A value the grid cannot show as it is (not UTF-8: another encoding, or cut
// inside a character) must come back unchanged unless the user edits it.
TEST_F(OptionsFormTest, UntouchedValuesSurviveOkByteForByte) {
    const std::string latin1 = "/m\xfasica/\xe9t\xe9.wav", cut = "caf\xc3";
    file = latin1;
    text = cut;
    editor.fill(list);
    editor.show();
    setCell(3, "7");
    editor.ui->OK->click();
    EXPECT_EQ(file, latin1);
    EXPECT_EQ(text, cut);
    EXPECT_EQ(count, 7);
}
