// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"

#include <cstdint>
#include <optional>
#include <variant>

// The plan's texts read as exact figures: each a whole count of its smallest unit.
namespace planning {

struct PlanFigures {
    std::optional<std::int64_t> goalCents;
    std::optional<std::int64_t> impressions; // as given
    std::optional<std::int64_t> pageViews;
    bool trafficNamed = false; // page views, ads per page or fill rate given
    std::int64_t adsPerPage = 1;
    std::int64_t fillRate = 10000;  // hundredths of a percent
    std::int64_t ctrHundredths = 0; // hundredths of a percent; the window starts at 0
    std::int64_t ecpm = 0;          // ten-thousandths of a dollar; the window starts at 0
    bool ecpmGiven = false;
    std::optional<std::int64_t> cpc;        // ten-thousandths of a dollar
    std::int64_t share = calc::kWholeShare; // hundredths of a percent; gross by default
    std::optional<std::int64_t> growth;     // hundredths of a percent a month
    std::int64_t months = 12;
};

// Whether the plan reads the input: given (not blanks only), and not months without a growth.
bool IsRead(const PlanTexts& texts, PlanInput input);

// The figures, or the first input that is not of its form or outside its range.
std::variant<PlanFigures, PlanRefusal> ReadPlan(const PlanTexts& texts);

} // namespace planning
