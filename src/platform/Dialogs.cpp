// SPDX-License-Identifier: MIT
#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <utility>

namespace {
MessageHandler &messageHandler() {
    static MessageHandler handler;
    return handler;
}

bool &toStandardError() {
    static bool on = false;
    return on;
}

void show(const std::string &text, const std::string &caption, MessageKind kind) {
    if (toStandardError()) {
        std::fprintf(stderr, "chimeral: %s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    if (messageHandler()) {
        messageHandler()(text, caption, kind);
        return;
    }
    QMessageBox box(kind == MessageKind::Exception ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    // Texts carry project and file names: a name is shown as typed, never
    // read as markup (a heading, a picture loaded from a file).
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QuestionHandler &questionHandler() {
    static QuestionHandler handler;
    return handler;
}

std::string &titleText() {
    static std::string title;
    return title;
}
} // namespace

void setApplicationTitle(const std::string &title) {
    titleText() = title;
}

const std::string &applicationTitle() {
    return titleText();
}

void setMessageHandler(MessageHandler handler) {
    messageHandler() = std::move(handler);
}

void sendMessagesToStandardError() {
    toStandardError() = true;
}

void closeOpenBoxes() {
    for (int open = 0; open < 16; ++open) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
    }
}

void showMessage(const std::string &text, const std::string &caption) {
    show(text, caption, MessageKind::Plain);
}

bool askYesNo(const std::string &text, const std::string &caption) {
    if (toStandardError()) {
        std::fprintf(stderr, "chimeral: %s: %s No\n", caption.c_str(), text.c_str());
        return false;
    }
    if (questionHandler())
        return questionHandler()(text, caption);
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool askKeepOrChange(const std::string &text, const std::string &caption, const std::string &keep,
                     const std::string &change) {
    if (toStandardError()) {
        std::fprintf(stderr, "chimeral: %s: %s %s\n", caption.c_str(), text.c_str(), keep.c_str());
        return false;
    }
    if (questionHandler())
        return questionHandler()(text, caption);
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton *keeping = box.addButton(QString::fromStdString(keep), QMessageBox::AcceptRole);
    QPushButton *changing =
        box.addButton(QString::fromStdString(change), QMessageBox::DestructiveRole);
    box.setDefaultButton(keeping);
    box.setEscapeButton(keeping);
    box.exec();
    return box.clickedButton() == changing;
}

void setQuestionHandler(QuestionHandler handler) {
    questionHandler() = std::move(handler);
}

void showException(const std::string &message) {
    const bool hasPeriod = !message.empty() && message.back() == '.';
    show(hasPeriod ? message : message + ".", applicationTitle(), MessageKind::Exception);
}

void runGuarded(const std::function<void()> &action) {
    try {
        action();
    } catch (const std::exception &error) {
        showException(error.what());
    } catch (...) {
        showException(QCoreApplication::translate("Dialogs", "Unknown error").toStdString());
    }
}

namespace {
SaveFileChooser &saveFileChooser() {
    static SaveFileChooser chooser;
    return chooser;
}
} // namespace

std::string chooseSaveFile(QWidget *parent, const std::string &caption,
                           const std::string &startPath, const std::string &filter) {
    if (saveFileChooser())
        return saveFileChooser()(startPath);
    return QFileDialog::getSaveFileName(parent, QString::fromStdString(caption),
                                        QString::fromStdString(startPath),
                                        QString::fromStdString(filter))
        .toStdString();
}

void setSaveFileChooser(SaveFileChooser chooser) {
    saveFileChooser() = std::move(chooser);
}
