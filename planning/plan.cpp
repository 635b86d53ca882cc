// SPDX-License-Identifier: MIT
#include "planning/plan.h"

#include "calc/click_tie.h"
#include "calc/worked_figures.h"
#include "planning/months.h"
#include "planning/reading.h"
#include "planning/search.h"
#include "planning/traffic.h"

#include <algorithm>

namespace planning {
namespace {

constexpr std::array kPeriodNames = {"day", "week", "month", "year"};
constexpr std::array kSolveNames = {"impressions", "ecpm"};

template <typename Enum, std::size_t N>
std::optional<Enum> Named(const std::array<const char*, N>& names, std::string_view name) {
    const auto found = std::ranges::find(names, name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<Enum>(found - names.begin());
}

PlanRefusal Refusal(RefusalKind kind, std::optional<PlanInput> input, const char* sentence) {
    return {kind, input, sentence};
}

// Why no traffic reaches the goal, if none does.
std::optional<PlanRefusal> Unreachable(const PlanFigures& figures, Solve solve,
                                       std::optional<std::int64_t> today) {
    if (figures.ctrTenths == 0)
        return Refusal(RefusalKind::Unreachable, PlanInput::CTR,
                       "The goal cannot be reached with a CTR of 0 %: there are no clicks.");
    if (solve == Solve::ECPM) {
        if (!today)
            return Refusal(RefusalKind::Missing, PlanInput::Impressions,
                           "Give today's impressions or page views to solve for the eCPM.");
        if (*today == 0)
            return Refusal(RefusalKind::Unreachable,
                           figures.impressions ? PlanInput::Impressions : PlanInput::PageViews,
                           "The goal cannot be reached with no impressions.");
        return std::nullopt;
    }
    if (figures.ecpm == 0)
        return Refusal(RefusalKind::Unreachable, PlanInput::ECPM,
                       "The goal cannot be reached with an eCPM of $0.00.");
    if (figures.trafficNamed && (figures.adsPerPage == 0 || figures.fillRate == 0))
        return Refusal(RefusalKind::Unreachable,
                       figures.adsPerPage == 0 ? PlanInput::AdsPerPage : PlanInput::FillRate,
                       "The goal cannot be reached with no ads shown: the ads per page or the "
                       "fill rate is 0.");
    return std::nullopt;
}

// Fills in what the goal asks for: the needed impressions and page views, or the needed eCPM.
std::optional<PlanRefusal> SolveGoal(Plan& plan, const PlanFigures& figures, Solve solve,
                                     const Goal& goal, std::optional<std::int64_t> today) {
    if (auto refusal = Unreachable(figures, solve, today))
        return refusal;
    if (solve == Solve::ECPM) {
        const auto cents = LeastEcpmCents(goal, *today);
        if (!cents)
            return Refusal(RefusalKind::BeyondRange, PlanInput::Goal,
                           "The goal needs an eCPM beyond the calculator's range.");
        plan.neededEcpm = FixedPoint{*cents * 100};
        return std::nullopt;
    }
    plan.neededImpressions = LeastImpressions(goal, FixedPoint{figures.ecpm});
    if (!plan.neededImpressions)
        return Refusal(RefusalKind::BeyondRange, PlanInput::Goal,
                       "The goal needs more impressions than the calculator counts "
                       "(999,999,999,999,999 a day).");
    if (figures.trafficNamed) {
        plan.neededPageViews =
            LeastPageViews(*plan.neededImpressions, figures.adsPerPage, figures.fillRate);
        if (!plan.neededPageViews)
            return Refusal(RefusalKind::BeyondRange, PlanInput::Goal,
                           "The goal needs more page views than the calculator counts "
                           "(999,999,999,999,999 a day).");
    }
    return std::nullopt;
}

} // namespace

std::optional<Solve> SolveNamed(std::string_view name) {
    return Named<Solve>(kSolveNames, name);
}

std::optional<Period> PeriodNamed(std::string_view name) {
    return Named<Period>(kPeriodNames, name);
}

PlanAnswer MakePlan(const PlanTexts& texts) {
    auto read = ReadPlan(texts);
    if (auto* refusal = std::get_if<PlanRefusal>(&read))
        return std::move(*refusal);
    const PlanFigures& figures = std::get<PlanFigures>(read);
    if (figures.impressions && figures.pageViews)
        return Refusal(RefusalKind::Conflict, PlanInput::PageViews,
                       "Give either the impressions or the page views, not both.");

    std::optional<std::int64_t> today = figures.impressions;
    if (figures.pageViews) {
        today = TrafficImpressions(*figures.pageViews, figures.adsPerPage, figures.fillRate);
        if (*today > kMostCount)
            return Refusal(RefusalKind::BeyondRange, PlanInput::PageViews,
                           "The page views make more impressions than the calculator counts "
                           "(999,999,999,999,999 a day).");
    }
    const double ctr = calc::CtrOfTenths(figures.ctrTenths);

    Plan plan;
    plan.per = texts.per;
    if (figures.goalCents) {
        plan.goal = FixedPoint{*figures.goalCents * 100};
        const Goal goal{*figures.goalCents, texts.per, ctr};
        if (auto refusal = SolveGoal(plan, figures, texts.solve, goal, today))
            return std::move(*refusal);
    }
    const std::optional<std::int64_t> impressions =
        plan.neededImpressions ? plan.neededImpressions : today;
    if (!impressions)
        return Refusal(RefusalKind::Missing, PlanInput::Goal,
                       "Give a goal, or today's impressions or page views.");
    const FixedPoint ecpm = plan.neededEcpm.value_or(FixedPoint{figures.ecpm});

    const calc::WorkedFigures worked({static_cast<double>(*impressions), ctr}, ecpm);
    try {
        plan.figures = worked.captions();
    } catch (const calc::CalcError&) {
        return Refusal(RefusalKind::BeyondRange, PlanInput::Goal,
                       "The figures for this goal are beyond the calculator's range.");
    }

    const auto shown = [&](Caption caption) {
        return plan.figures[static_cast<std::size_t>(caption)];
    };
    const auto need = [&](Needed which, std::string text) {
        plan.needed[static_cast<std::size_t>(which)] = std::move(text);
    };
    if (plan.neededImpressions) {
        need(Needed::Impressions, shown(Caption::ActualImpressions));
        need(Needed::Clicks, shown(Caption::ProjectedClicks));
    }
    if (plan.neededPageViews)
        need(Needed::PageViews, std::to_string(*plan.neededPageViews));
    if (plan.neededEcpm)
        need(Needed::ECPM, shown(Caption::ECPM));

    if (figures.growth) {
        auto months = GrowthMonths({today.value_or(*impressions), *figures.growth, figures.months},
                                   ctr, ecpm);
        if (auto* refusal = std::get_if<PlanRefusal>(&months))
            return std::move(*refusal);
        plan.months = std::move(std::get<std::vector<PlanMonth>>(months));
    }
    return plan;
}

} // namespace planning
