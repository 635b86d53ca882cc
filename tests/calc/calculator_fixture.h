// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calculator.h"
#include "calc/memory_input_box.h"
#include "tests/support/recording_message_service.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

// A fresh calculator over in-memory boxes, driven as a user would drive it.
class CalculatorTest : public ::testing::Test {
protected:
    using Box = calc::Box;
    using Caption = calc::Caption;

    calc::RecordingMessageService messages;
    std::unique_ptr<calc::Calculator> calculator = calc::Calculator::Headless(messages);

    calc::MemoryInputBox& box(Box which) {
        return static_cast<calc::MemoryInputBox&>(calculator->box(which));
    }

    // Selects the whole text and types the new one key by key, as a user replacing a figure.
    void typeOver(Box which, const std::string& text) {
        box(which).selectAll();
        if (text.empty())
            box(which).erase();
        else
            box(which).type(text);
    }

    const std::string& caption(Caption which) const { return calculator->caption(which); }

    std::map<Caption, std::string> earningsCaptions() const {
        std::map<Caption, std::string> result;
        for (Caption c : {Caption::DailyEarnings, Caption::WeeklyEarnings, Caption::MonthlyEarnings,
                          Caption::YearlyEarnings, Caption::EPC})
            result[c] = caption(c);
        return result;
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : messages.messages)
            texts.push_back(message.text);
        return texts;
    }
};

inline const std::string kNumbersOnly = "No Letters or Special Characters. Numbers Only.";
inline const std::string kNoDecimalPoints =
    "Do not add decimal points (periods) to any of the CTR fields.";
