// SPDX-License-Identifier: MIT
#pragma once

#include "calc/message_service.h"

#include <functional>
#include <optional>
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
        std::optional<ErrorKind> error; // set for an error report
        friend bool operator==(const Message&, const Message&) = default;
    };

    void show(const std::string& text, MessageIcon icon, const std::string& title) override {
        record({text, icon, title, std::nullopt});
    }

    void showErrorReport(const char* reportName, const CalcError& error) override {
        record({ErrorReportText(reportName, error), MessageIcon::Information, kApplicationTitle,
                error.kind()});
    }

    std::vector<Message> messages;

    // Runs while the box would be on screen, so a test can look at the state then.
    std::function<void(const Message&)> whileShown;

private:
    void record(Message message) {
        messages.push_back(std::move(message));
        if (whileShown)
            whileShown(messages.back());
    }
};

} // namespace calc
