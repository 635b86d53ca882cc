// SPDX-License-Identifier: MIT
#pragma once

#include "message_service.h"

#include <functional>
#include <string>
#include <vector>

namespace calc {

// Answers every box at once with OK and remembers what it showed.
class RecordingMessageService final : public MessageService {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        std::string title;
        friend bool operator==(const Message&, const Message&) = default;
    };

    void show(const std::string& text, MessageIcon icon, const std::string& title) override {
        messages.push_back({text, icon, title});
        if (whileShown)
            whileShown(messages.back());
    }

    std::vector<Message> messages;

    // Runs while the box would be on screen, so a test can look at the state then.
    std::function<void(const Message&)> whileShown;
};

} // namespace calc
