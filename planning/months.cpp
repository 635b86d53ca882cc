// SPDX-License-Identifier: MIT
#include "planning/months.h"

#include "calc/calc_error.h"
#include "calc/conversions.h"
#include "calc/worked_figures.h"
#include "planning/reading.h"
#include "planning/traffic.h"

#include <limits>

namespace planning {
namespace {

PlanMonth MonthAt(int month, std::int64_t impressions, double ctr, calc::FixedPoint ecpm,
                  std::int64_t totalCents) {
    const calc::WorkedFigures worked({static_cast<double>(impressions), ctr}, ecpm);
    const auto& amounts = worked.earnings();
    const std::int64_t cents =
        amounts ? calc::ShownCents((*amounts)[static_cast<std::size_t>(calc::Period::Month)]) : 0;
    if (totalCents > std::numeric_limits<std::int64_t>::max() / 100 - cents)
        calc::raiseOverflow();
    const calc::FixedPoint total{(totalCents + cents) * 100};

    PlanMonth row{month, impressions, calc::FixedPoint{cents * 100}, total, {}};
    row.shown = {std::to_string(month), worked.caption(Caption::ActualImpressions),
                 worked.caption(Caption::ProjectedClicks), worked.caption(Caption::MonthlyEarnings),
                 calc::CaptionText(total, calc::Pattern::Earnings)};
    return row;
}

} // namespace

std::variant<std::vector<PlanMonth>, PlanRefusal> GrowthMonths(const Growth& growth, double ctr,
                                                               calc::FixedPoint ecpm) {
    std::vector<PlanMonth> rows;
    std::int64_t impressions = growth.start;
    for (int month = 1; month <= growth.months; ++month) {
        if (month > 1)
            impressions = GrownImpressions(impressions, growth.percent);
        const std::int64_t totalCents = rows.empty() ? 0 : rows.back().total.tenThousandths / 100;
        try {
            if (impressions > kMostCount)
                calc::raiseOverflow();
            rows.push_back(MonthAt(month, impressions, ctr, ecpm, totalCents));
        } catch (const calc::CalcError&) {
            return PlanRefusal{RefusalKind::BeyondRange, PlanInput::Growth,
                               "By month " + std::to_string(month) +
                                   " the figures are beyond the calculator's range."};
        }
    }
    return rows;
}

} // namespace planning
