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

// What each month's traffic earns at, and the goal it is held against.
struct MonthTerms {
    double ctr; // a fraction
    calc::FixedPoint ecpm;
    calc::Period per;                      // the goal's period
    std::optional<std::int64_t> goalCents; // none without a goal
    calc::PaidPer paid = calc::PaidPer::Click;
    std::int64_t share = calc::kWholeShare; // the goal is the net at this share
    // A traffic counted in page views: its ads per page and fill rate (hundredths of a percent).
    std::optional<std::int64_t> adsPerPage;
    std::int64_t fillRate = 10000;
};

// The month table of a traffic that grows on those terms, or the month at which its figures
// leave the engine's range.
std::variant<std::vector<PlanMonth>, PlanRefusal> GrowthMonths(const Growth& growth,
                                                               const MonthTerms& terms);

} // namespace planning
