// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <functional>
#include <string>

class QWidget;

// The application's two ways of telling the user something, and the guard
// through which every handler runs so that no error ever reaches Qt's event
// loop. Texts are UTF-8.

enum class MessageKind {
    Plain,    // the modal message box: OK only, no icon
    Exception // the standard exception display: critical icon, application title
};

// The modal message box with a text, a caption and only an OK button. Returns
// when the user has dismissed it; timers keep ticking meanwhile.
void showMessage(const std::string &text, const std::string &caption);

// The modal question with a text, a caption and the buttons Yes and No (No
// the default, so a stray Enter changes nothing). True when the user chose Yes.
bool askYesNo(const std::string &text, const std::string &caption);

// The modal question whose two buttons say what each does: `keep` leaves
// things as they are and is the default (Enter, Escape, a box closed as the
// program ends), `change` acts. True when the user chose `change`. The tests'
// question handler answers it as it answers Yes or No.
bool askKeepOrChange(const std::string &text, const std::string &caption, const std::string &keep,
                     const std::string &change);

// The application title, "Timer and Alarm Clock": the caption of the
// exception display. It is kept here rather than as Qt's application display
// name, which Qt would append to every window's own caption on X11.
void setApplicationTitle(const std::string &title);
const std::string &applicationTitle();

// The standard exception display: the message with a period appended unless
// it already ends with one, caption the application title.
void showException(const std::string &message);

// Replaces the real dialogs, for tests. The handler gets the text as shown
// (with the period of the exception display) and the caption. An empty
// function restores the real dialogs.
using MessageHandler =
    std::function<void(const std::string &text, const std::string &caption, MessageKind kind)>;
void setMessageHandler(MessageHandler handler);

// Answers the Yes/No questions instead of the real box, for tests: the
// function gets the text and the caption and gives the answer. An empty
// function restores the real box.
using QuestionHandler = std::function<bool(const std::string &text, const std::string &caption)>;
void setQuestionHandler(QuestionHandler handler);

// From now on every message and exception display goes to standard error
// ("chimeral: caption: text") instead of a box, and every question is answered
// No: the process is ending and no box may hold it up.
void sendMessagesToStandardError();

// Closes every modal box and dialog that is open, the innermost first; their
// waits return as if cancelled.
void closeOpenBoxes();

// Runs an action; an error escaping it goes to the standard exception display.
void runGuarded(const std::function<void()> &action);

// Wraps an action for connecting to a signal: the result runs it guarded.
template <typename F> auto guarded(F action) {
    return [action = std::move(action)]() { runGuarded(action); };
}

// The save-file dialog: the chosen path, or empty when the user cancelled.
// `filter` is in Qt's form ("CSV files (*.csv)").
std::string chooseSaveFile(QWidget *parent, const std::string &caption,
                           const std::string &startPath, const std::string &filter);

// Replaces the real save dialog, for tests: the function gets the start path
// and gives the answer. An empty function restores the real dialog.
using SaveFileChooser = std::function<std::string(const std::string &startPath)>;
void setSaveFileChooser(SaveFileChooser chooser);
