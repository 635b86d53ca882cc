// SPDX-License-Identifier: MIT
#include "plan_months.h"

#include "calc_error.h"
#include "click_tie.h"
#include "conversions.h"
#include "plan_reading.h"
#include "plan_search.h"
#include "plan_traffic.h"

#include <limits>

namespace calc {
namespace {

PlanMonth MonthAt(int month, std::int64_t impressions, double ctr, FixedPoint ecpm,
                  std::int64_t totalCents) {
    const auto count = static_cast<double>(impressions);
    const double clicks = ClicksAt(count, ctr);
    const auto amounts = EarningsFor(ecpm, count, clicks);
    const FixedPoint monthly =
        amounts ? (*amounts)[static_cast<std::size_t>(Period::Month)] : FixedPoint{};
    const std::int64_t cents = ShownCents(monthly);
    if (totalCents > std::numeric_limits<std::int64_t>::max() / 100 - cents)
        raiseOverflow();
    const FixedPoint total{(totalCents + cents) * 100};

    PlanMonth row{month, impressions, FixedPoint{cents * 100}, total, {}};
    row.shown = {std::to_string(month), PlainNumberText(count),
                 CaptionText(clicks, Pattern::Clicks), CaptionText(monthly, Pattern::Earnings),
                 CaptionText(total, Pattern::Earnings)};
    return row;
}

} // namespace

std::variant<std::vector<PlanMonth>, PlanRefusal> GrowthMonths(const Growth& growth, double ctr,
                                                               FixedPoint ecpm) {
    std::vector<PlanMonth> rows;
    std::int64_t impressions = growth.start;
    for (int month = 1; month <= growth.months; ++month) {
        if (month > 1)
            impressions = GrownImpressions(impressions, growth.percent);
        const std::int64_t totalCents = rows.empty() ? 0 : rows.back().total.tenThousandths / 100;
        try {
            if (impressions > kMostCount)
                raiseOverflow();
            rows.push_back(MonthAt(month, impressions, ctr, ecpm, totalCents));
        } catch (const CalcError&) {
            return PlanRefusal{RefusalKind::BeyondRange, PlanInput::Growth,
                               "By month " + std::to_string(month) +
                                   " the figures are beyond the calculator's range."};
        }
    }
    return rows;
}

} // namespace calc
