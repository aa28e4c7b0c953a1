// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TUserLogWindow;
}

// What the window is asked to show: the prompt above the comment box, the log
// file the records go to and an extra line for every record (empty for none).
// The window copies the texts when it is shown and keeps no reference.
struct UserLogParms {
    std::string Prompt;
    std::string FileName;
    std::string Header;
};

// The window in which the user types a comment or an error report and appends
// it, stamped with the date and time, to a plain-text log file. A secondary
// window, created once at start-up and only hidden when closed; the menu
// command that opens it decides the prompt and the file. The record's form and
// the file append are left to LogRecord.h.
class TUserLogWindow : public QWidget {
    Q_OBJECT
public:
    explicit TUserLogWindow(QWidget *parent = nullptr);
    ~TUserLogWindow() override;

    // Shows the window with a request, or brings it to the front when it is
    // already shown; only a window that was hidden takes the request.
    void showRequest(const UserLogParms &parms);

    void ShowMe();
    void JustLog();
    void LogExit();
    void Closer();
    void Sizing();
    // Appends one record and clears the memo. On failure the user is told and
    // the memo keeps the text, so nothing typed is lost; returns false then.
    bool WriteLogRecord();

    // The memo's lines as it shows them: a long line wrapped at the memo's
    // width counts as several, and a final line break adds no empty line.
    std::vector<std::string> memoLines() const;

    std::unique_ptr<Ui::TUserLogWindow> ui;
    std::string FileName = "userlog.log";
    std::string Header;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyFonts();
    void bindHandlers();

    // The request of the show in progress, for ShowMe; null otherwise.
    const UserLogParms *m_request = nullptr;
};
