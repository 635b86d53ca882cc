// SPDX-License-Identifier: MIT
#include "planning/months.h"

#include "calc/calc_error.h"
#include "calc/conversions.h"
#include "calc/worked_figures.h"
#include "planning/reading.h"
#include "planning/search.h"
#include "planning/traffic.h"

#include <limits>

namespace planning {
namespace {

PlanMonth MonthAt(int month, std::int64_t impressions, const MonthTerms& terms,
                  std::int64_t totalCents) {
    const calc::WorkedFigures worked({static_cast<double>(impressions), terms.ctr}, terms.ecpm,
                                     terms.paid);
    const auto& amounts = worked.earnings();
    const std::int64_t cents = NetCentsFor(amounts, calc::Period::Month, calc::kWholeShare);
    // Below a whole share the goal is net, and so are the month's earnings held against it.
    const bool net = terms.share != calc::kWholeShare;
    const std::int64_t periodCents = NetCentsFor(amounts, terms.per, terms.share);
    if (totalCents > std::numeric_limits<std::int64_t>::max() / 100 - cents)
        calc::raiseOverflow();
    const calc::FixedPoint total{(totalCents + cents) * 100};

    // A month's page views are those that make its impressions: the least that do where its
    // impressions are not made exactly by a whole number of page views, as LeastPageViews finds
    // the needed ones.
    std::string pageRpm;
    if (terms.adsPerPage) {
        const auto pageViews = LeastPageViews(impressions, *terms.adsPerPage, terms.fillRate);
        if (pageViews && *pageViews > 0)
            pageRpm = calc::CaptionText(
                calc::PageRpm(amounts ? (*amounts)[static_cast<std::size_t>(calc::Period::Day)]
                                      : calc::FixedPoint{},
                              *pageViews),
                calc::Pattern::Earnings);
    }
    PlanMonth row{month,
                  impressions,
                  calc::FixedPoint{periodCents * 100},
                  calc::FixedPoint{cents * 100},
                  total,
                  terms.goalCents && periodCents >= *terms.goalCents,
                  {}};
    row.shown = {
        std::to_string(month),
        worked.caption(Caption::ActualImpressions),
        worked.caption(Caption::ProjectedClicks),
        net ? calc::CaptionText(calc::FixedPoint{periodCents * 100}, calc::Pattern::Earnings)
            : worked.caption(calc::EarningsCaption(terms.per)),
        worked.caption(Caption::MonthlyEarnings),
        calc::CaptionText(total, calc::Pattern::Earnings),
        pageRpm};
    return row;
}

} // namespace

std::variant<std::vector<PlanMonth>, PlanRefusal> GrowthMonths(const Growth& growth,
                                                               const MonthTerms& terms) {
    std::vector<PlanMonth> rows;
    std::int64_t impressions = growth.start;
    for (int month = 1; month <= growth.months; ++month) {
        if (month > 1)
            impressions = GrownImpressions(impressions, growth.percent);
        const std::int64_t totalCents = rows.empty() ? 0 : rows.back().total.tenThousandths / 100;
        try {
            if (impressions > kMostCount)
                calc::raiseOverflow();
            rows.push_back(MonthAt(month, impressions, terms, totalCents));
        } catch (const calc::CalcError&) {
            return PlanRefusal{RefusalKind::BeyondRange, PlanInput::Growth,
                               "By month " + std::to_string(month) +
                                   " the figures are beyond the calculator's range."};
        }
    }
    return rows;
}

} // namespace planning
