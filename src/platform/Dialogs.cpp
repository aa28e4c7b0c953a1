#include "platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {
MessageHandler &messageHandler() {
    static MessageHandler handler;
    return handler;
}

void show(const std::string &text, const std::string &caption, MessageKind kind) {
    if (messageHandler()) {
        messageHandler()(text, caption, kind);
        return;
    }
    QMessageBox box(kind == MessageKind::Exception ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
} // namespace

void setMessageHandler(MessageHandler handler) {
    messageHandler() = std::move(handler);
}

void showMessage(const std::string &text, const std::string &caption) {
    show(text, caption, MessageKind::Plain);
}

void showException(const std::string &message) {
    show(message + ".", QApplication::applicationDisplayName().toStdString(),
         MessageKind::Exception);
}

void runGuarded(const std::function<void()> &action) {
    try {
        action();
    } catch (const std::exception &error) {
        showException(error.what());
    } catch (...) {
        showException("Unknown error");
    }
}
