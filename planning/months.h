// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"

#include <variant>
#include <vector>

namespace planning {

struct Growth {
    std::int64_t start;   // month 1's impressions a day
    std::int64_t percent; // hundredths of a percent a month
    std::int64_t months;
};

// The month table of a traffic that grows at the CTR (a fraction) and the eCPM, or the month
// at which its figures leave the engine's range.
std::variant<std::vector<PlanMonth>, PlanRefusal> GrowthMonths(const Growth& growth, double ctr,
                                                               calc::FixedPoint ecpm);

} // namespace planning
