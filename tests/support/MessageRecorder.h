// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Dialogs.h"

#include <functional>
#include <string>
#include <vector>

// Replaces the message box for as long as it lives and records what would
// have been shown. An optional reaction runs while the "box" is open, so a
// test can let time pass or look at the window then.
struct RecordedMessage {
    std::string text;
    std::string caption;
    MessageKind kind;
};

class MessageRecorder {
public:
    MessageRecorder() {
        setMessageHandler(
            [this](const std::string &text, const std::string &caption, MessageKind kind) {
                messages.push_back({text, caption, kind});
                if (whileOpen)
                    whileOpen(messages.back());
            });
    }
    ~MessageRecorder() { setMessageHandler({}); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto &message : messages)
            result.push_back(message.text);
        return result;
    }

    std::vector<RecordedMessage> messages;
    std::function<void(const RecordedMessage &)> whileOpen;
};
