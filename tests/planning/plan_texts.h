// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"

#include <sstream>
#include <string>

// "goal=1000 ctr=2.5 per=day": the inputs by their names, with the period and what to solve
// for, each after the separator ("goal=$1,000|impressions=10 000" with "|" keeps the blanks).
inline planning::PlanTexts TextsOf(const std::string& given, char separator = ' ') {
    planning::PlanTexts texts;
    std::istringstream words(given);
    for (std::string word; std::getline(words, word, separator);) {
        const auto equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const std::string value = word.substr(equals + 1);
        if (name == "per")
            texts.per = *planning::PeriodNamed(value);
        else if (name == "solve")
            texts.solve = *planning::SolveNamed(value);
        else if (name == "paid")
            texts.paid = *planning::PaidPerNamed(value);
        for (const planning::PlanInput input : planning::kAllPlanInputs) {
            if (name == planning::PlanInputName(input))
                texts[input] = value;
        }
    }
    return texts;
}
