// SPDX-License-Identifier: MIT
#include "windows/LogRecord.h"
#include "windows/TUserLogWindow.h"

#include "app/AppWindows.h"
#include "app/TMainForm.h"
#include "common/TimeDate.h"
#include "platform/SystemMetrics.h"
#include "support/MainFormFixture.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"
#include "ui_TUserLogWindow.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {
std::string fileBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const TimeDate Stamp(2026, 12, 7, 9, 5, 3, 42);
const std::string StampLine = "12/7/2026 9:5:3.042\r\n";
const std::string EmptyRecord = StampLine + "User comments:\r\n\r\n\r\n";

class UserLogWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        TimeDate::setClockSource([] { return Stamp; });
    }
    void TearDown() override { TimeDate::setClockSource({}); }

    void open(const UserLogParms &parms) {
        window.showRequest(parms);
        QCoreApplication::processEvents();
    }
    void open() { open({"Tell us", "test.log", ""}); }
    void type(const QString &text) { window.ui->Memo1->setPlainText(text); }
    std::string log() const { return fileBytes(cwd.file("test.log")); }

    TempCurrentDir cwd;
    MessageRecorder messages;
    TUserLogWindow window;
};
} // namespace

TEST_F(UserLogWindowTest, RecordOfTwoCommentLines) {
    open();
    type("Alarm did not ring\nat 7");
    window.ui->Button1->click();
    EXPECT_EQ(log(), StampLine + "User comments:\r\nAlarm did not ring\r\nat 7\r\n\r\n\r\n");
    EXPECT_TRUE(window.ui->Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(UserLogWindowTest, MemoLinesAsTheyAreWritten) {
    struct Case {
        const char *memo;
        std::string comments;
    };
    const Case cases[] = {
        {"", ""},
        {"one", "one\r\n"},
        {"one\n", "one\r\n"},
        {"one\n\nthree", "one\r\n\r\nthree\r\n"},
        {"\n", "\r\n"},
        {"one\n\n", "one\r\n\r\n"},
        {"  indented ", "  indented \r\n"},
    };
    open();
    for (const Case &c : cases) {
        std::remove(cwd.file("test.log").c_str());
        type(c.memo);
        window.JustLog();
        EXPECT_EQ(log(), StampLine + "User comments:\r\n" + c.comments + "\r\n\r\n")
            << "memo: " << c.memo;
    }
}

TEST_F(UserLogWindowTest, HeaderLineFollowsTheStamp) {
    open({"Tell us", "test.log", "Build 4.0"});
    type("slow");
    window.ui->Button1->click();
    EXPECT_EQ(log(), StampLine + "Build 4.0\r\nUser comments:\r\nslow\r\n\r\n\r\n");
}

TEST_F(UserLogWindowTest, RecordsAreAppended) {
    { std::ofstream(cwd.file("test.log"), std::ios::binary) << "earlier\r\n"; }
    open();
    type("first");
    window.ui->Button1->click();
    window.ui->Button1->click();
    EXPECT_EQ(log(),
              "earlier\r\n" + StampLine + "User comments:\r\nfirst\r\n\r\n\r\n" + EmptyRecord);
}

TEST_F(UserLogWindowTest, LongLinesAreWrittenAsTheMemoWrapsThem) {
    open();
    QString words;
    for (int i = 0; i < 60; ++i)
        words += QStringLiteral("word%1 ").arg(i);
    words = words.trimmed();
    type(words);
    const std::vector<std::string> lines = window.memoLines();
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const std::string &line : lines) {
        EXPECT_LT(line.size(), words.size());
        joined += line;
    }
    EXPECT_EQ(joined, words.toStdString());

    window.JustLog();
    std::string expected = StampLine + "User comments:\r\n";
    for (const std::string &line : lines)
        expected += line + "\r\n";
    EXPECT_EQ(log(), expected + "\r\n\r\n");
}

TEST_F(UserLogWindowTest, ClosingWithoutALogKeepsTheText) {
    EXPECT_TRUE(window.ui->OptionalLabel->isHidden());
    open({"First prompt", "test.log", ""});
    EXPECT_TRUE(window.ui->OptionalLabel->isVisible());
    EXPECT_EQ(window.ui->OptionalLabel->text(), "First prompt");
    type("half a report");
    window.ui->Button2->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(cwd.file("test.log"))));

    open({"Second prompt", "other.log", "H"});
    EXPECT_EQ(window.ui->Memo1->toPlainText(), "half a report");
    EXPECT_EQ(window.ui->OptionalLabel->text(), "Second prompt");
    EXPECT_EQ(window.FileName, "other.log");
    EXPECT_EQ(window.Header, "H");
}

TEST_F(UserLogWindowTest, ARequestWhileShownIsNotTaken) {
    open({"First prompt", "test.log", ""});
    window.showRequest({"Second prompt", "other.log", "H"});
    EXPECT_EQ(window.ui->OptionalLabel->text(), "First prompt");
    EXPECT_EQ(window.FileName, "test.log");
    EXPECT_EQ(window.Header, "");
    // Shown without a request, the window keeps the last one.
    window.hide();
    window.show();
    EXPECT_EQ(window.FileName, "test.log");
}

TEST_F(UserLogWindowTest, LogAndCloseHidesTheWindow) {
    open();
    type("done");
    window.ui->Button3->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(log(), StampLine + "User comments:\r\ndone\r\n\r\n\r\n");
    EXPECT_TRUE(window.ui->Memo1->toPlainText().isEmpty());
}

TEST_F(UserLogWindowTest, AFailedWriteKeepsTheTextAndSaysSo) {
    QDir(QString::fromStdString(cwd.path())).mkdir("folder.log");
    // A folder cannot be opened for writing; /dev/full opens and fails only
    // when the buffered bytes are flushed at close; an empty name opens nothing.
    for (const std::string &name :
         {std::string("folder.log"), std::string("/dev/full"), std::string("")}) {
        messages.messages.clear();
        open({"Tell us", name, ""});
        type("keep me");
        window.ui->Button3->click();
        ASSERT_EQ(messages.messages.size(), 1u) << name;
        EXPECT_EQ(messages.messages[0].text, name.empty()
                                                 ? "Could not write to the log file."
                                                 : "Could not write to the log file " + name + ".");
        EXPECT_EQ(messages.messages[0].caption, "Error");
        EXPECT_EQ(window.ui->Memo1->toPlainText(), "keep me");
        EXPECT_TRUE(window.isVisible()) << name;
        window.hide();
    }
    EXPECT_FALSE(appendToFile("/dev/full", "x"));
    EXPECT_TRUE(appendToFile(cwd.file("test.log"), "x"));
}

TEST_F(UserLogWindowTest, ResizingFitsTheMemoAndButtons) {
    open();
    for (const QSize size : {QSize(700, 500), QSize(400, 300)}) {
        window.resize(size);
        QCoreApplication::processEvents();
        const QRect outer = window.frameGeometry();
        const int frameWidth = systemMetric(SM_CXFRAME, &window);
        const int frameHeight = systemMetric(SM_CYFRAME, &window);
        EXPECT_EQ(window.ui->Memo1->width(), outer.width() - 2 * frameWidth - 4);
        EXPECT_EQ(window.ui->Memo1->height(),
                  outer.height() - systemMetric(SM_CYCAPTION, &window) - 2 * frameHeight - 120);
        const int top = outer.height() - 2 * frameHeight - 57 - 25;
        EXPECT_EQ(window.ui->Button1->y(), top);
        EXPECT_EQ(window.ui->Button2->y(), top);
        EXPECT_EQ(window.ui->Button3->y(), top);
        EXPECT_EQ(window.ui->Button3->x(), 176);
    }
}

TEST_F(UserLogWindowTest, Layout) {
    EXPECT_EQ(window.windowTitle(), "Log  Errors and User Comments");
    EXPECT_EQ(window.FileName, "userlog.log");
    EXPECT_EQ(window.ui->Label1->text(), "Time and Date is automatically saved.");
    EXPECT_EQ(window.ui->Button1->text(), "Log");
    EXPECT_EQ(window.ui->Button3->text(), "Log and Close");
    EXPECT_EQ(window.ui->Button2->text(), "Close without a Log");
    EXPECT_EQ(window.ui->Button2->geometry(), QRect(328, 224, 161, 57));
    EXPECT_EQ(window.ui->Button2->font().pixelSize(), 16);
    EXPECT_EQ(window.ui->Label1->font().pixelSize(), 11);
}

using LogCommand = MainFormTest;

TEST_F(LogCommand, MenuCommandLogsToChimeralLog) {
    TimeDate::setClockSource([] { return Stamp; });
    AppWindows windows;
    windows.mainForm->findChild<QAction *>("Loganerrororcomment1")->trigger();
    TUserLogWindow &log = *windows.userLogWindow;
    ASSERT_TRUE(log.isVisible());
    EXPECT_EQ(log.ui->OptionalLabel->text(),
              "Please enter your comments and be as specific as possible.");
    log.ui->Memo1->setPlainText("menu");
    log.ui->Button1->click();
    TimeDate::setClockSource({});
    EXPECT_EQ(fileBytes(cwd.file("Chimeral.log")),
              StampLine + "User comments:\r\nmenu\r\n\r\n\r\n");
}
