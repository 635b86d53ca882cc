// SPDX-License-Identifier: MIT
#include "planning/plan.h"

#include "calc/calc_error.h"
#include "calc/click_tie.h"
#include "calc/conversions.h"
#include "calc/worked_figures.h"
#include "planning/gap.h"
#include "planning/months.h"
#include "planning/reading.h"
#include "planning/search.h"
#include "planning/traffic.h"

#include <algorithm>

namespace planning {
namespace {

constexpr std::array kPeriodNames = {"day", "week", "month", "year"};
constexpr std::array kPerPeriod = {"a day", "a week", "a month", "a year"};
constexpr std::array kPeriodHeadings = {"Daily", "Weekly", "Monthly", "Yearly"};
constexpr std::array kPeriodFields = {"daily", "weekly", "monthly", "yearly"};
constexpr std::array kNetPeriodHeadings = {"Net daily", "Net weekly", "Net monthly", "Net yearly"};
constexpr std::array kNetPeriodFields = {"net_daily", "net_weekly", "net_monthly", "net_yearly"};
constexpr std::array kSolveNames = {"impressions", "ecpm", "cpc"};
constexpr std::array kPaidPerNames = {"click", "impression"};

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
std::optional<PlanRefusal> Unreachable(const PlanFigures& figures, Solve solve, const Goal& goal,
                                       std::optional<std::int64_t> today) {
    if (figures.ctrHundredths == 0 && goal.paid == PaidPer::Click)
        return Refusal(RefusalKind::Unreachable, PlanInput::CTR,
                       "The goal cannot be reached with a CTR of 0 %: there are no clicks.");
    if (solve != Solve::Impressions) {
        if (!today)
            return Refusal(RefusalKind::Missing, PlanInput::Impressions,
                           solve == Solve::ECPM
                               ? "Give today's impressions or page views to solve for the eCPM."
                               : "Give today's impressions or page views to solve for the CPC.");
        if (*today == 0)
            return Refusal(RefusalKind::Unreachable,
                           figures.impressions ? PlanInput::Impressions : PlanInput::PageViews,
                           "The goal cannot be reached with no impressions.");
        return std::nullopt;
    }
    if (figures.ecpm == 0)
        return Refusal(RefusalKind::Unreachable, figures.cpc ? PlanInput::CPC : PlanInput::ECPM,
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
    if (auto refusal = Unreachable(figures, solve, goal, today))
        return refusal;
    if (solve == Solve::ECPM) {
        const auto cents = LeastEcpmCents(goal, *today);
        if (!cents)
            return Refusal(RefusalKind::BeyondRange, PlanInput::Goal,
                           "The goal needs an eCPM beyond the calculator's range.");
        plan.neededEcpm = FixedPoint{*cents * 100};
        return std::nullopt;
    }
    if (solve == Solve::CPC) {
        const auto cents = LeastEcpmCents(goal, *today, [&](FixedPoint cpc) {
            return calc::EcpmOfCpc(cpc, figures.ctrHundredths);
        });
        if (!cents)
            return Refusal(RefusalKind::BeyondRange, PlanInput::Goal,
                           "The goal needs a CPC beyond the calculator's range.");
        plan.neededCpc = FixedPoint{*cents * 100};
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

// A CPC is paid instead of the eCPM: the eCPM it makes at the CTR stands where a typed one
// would, today's when solving for the CPC.
std::optional<PlanRefusal> TakeTheCpc(PlanFigures& figures, const PlanTexts& texts) {
    if ((figures.cpc || texts.solve == Solve::CPC) && texts.paid == PaidPer::Impression)
        return Refusal(RefusalKind::Conflict, PlanInput::CPC,
                       "A CPC is paid per click: give an eCPM for a pay per impression.");
    if (!figures.cpc)
        return std::nullopt;
    if (figures.ecpmGiven)
        return Refusal(RefusalKind::Conflict, PlanInput::CPC,
                       "Give either the eCPM or the CPC, not both.");
    if (texts.solve == Solve::ECPM)
        return Refusal(RefusalKind::Conflict, PlanInput::CPC,
                       "Solving for the eCPM, give no CPC: solve for the CPC instead.");
    try {
        figures.ecpm =
            calc::EcpmOfCpc(FixedPoint{*figures.cpc}, figures.ctrHundredths).tenThousandths;
    } catch (const calc::CalcError&) {
        figures.ecpm = kMostCount + 1;
    }
    if (figures.ecpm > kMostCount)
        return Refusal(RefusalKind::BeyondRange, PlanInput::CPC,
                       "The CPC and the CTR make an eCPM beyond the calculator's range.");
    figures.ecpmGiven = true;
    return std::nullopt;
}

// Today's earnings for the period as the window shows them, net of the share; none beyond the
// engine's range.
std::optional<FixedPoint> EarningsAt(std::int64_t impressions, FixedPoint ecpm, const Goal& terms,
                                     std::int64_t share) {
    try {
        const calc::WorkedFigures worked({static_cast<double>(impressions), terms.ctr}, ecpm,
                                         terms.paid);
        return FixedPoint{NetCentsFor(worked.earnings(), terms.per, share) * 100};
    } catch (const calc::CalcError&) {
        return std::nullopt;
    }
}

// The four amounts at the plan's figures, net of the share, as the window shows amounts: $0.00
// where there are none.
void SetNet(Plan& plan, const calc::WorkedFigures& worked, std::int64_t share) {
    constexpr std::array kNet = {PlanResult::NetDaily, PlanResult::NetWeekly,
                                 PlanResult::NetMonthly, PlanResult::NetYearly};
    const auto& amounts = worked.earnings();
    for (const Period period : calc::kAllPeriods) {
        const auto at = static_cast<std::size_t>(period);
        plan.results[static_cast<std::size_t>(kNet[at])] =
            amounts
                ? calc::CaptionText(calc::ShareOf((*amounts)[at], share), calc::Pattern::Earnings)
                : "$0.00";
    }
}

// The page RPM at the plan's figures, gross and below a whole share net, from the daily amount
// as shown: $0.00 where there are no earnings.
void SetPageRpm(Plan& plan, const calc::WorkedFigures& worked, std::int64_t pageViews,
                std::int64_t share) {
    const auto& amounts = worked.earnings();
    const FixedPoint daily =
        amounts ? (*amounts)[static_cast<std::size_t>(Period::Day)] : FixedPoint{};
    const auto set = [&](PlanResult result, FixedPoint amount) {
        plan.results[static_cast<std::size_t>(result)] =
            calc::CaptionText(calc::PageRpm(amount, pageViews), calc::Pattern::Earnings);
    };
    set(PlanResult::PageRpm, daily);
    if (share != calc::kWholeShare)
        set(PlanResult::NetPageRpm, calc::ShareOf(daily, share));
}

std::string Unsigned(const std::string& change) {
    return change.starts_with('+') ? change.substr(1) : change;
}

// Today against the goal: the change of traffic or of eCPM it needs, or how many times over
// today already earns it, and with a growth the month it is reached.
void SayTheGap(Plan& plan, std::optional<std::int64_t> typedEcpm) {
    const auto set = [&](PlanResult result, std::string text) {
        plan.results[static_cast<std::size_t>(result)] = std::move(text);
    };
    if (plan.goal && plan.todayImpressions) {
        const std::int64_t goalCents = plan.goal->tenThousandths / 100;
        std::optional<std::string> change;
        if (plan.neededImpressions) {
            change = ChangeText(*plan.neededImpressions, *plan.todayImpressions);
            if (change)
                set(PlanResult::TrafficChange, *change);
        } else if (plan.neededEcpm && typedEcpm) {
            change = ChangeText(plan.neededEcpm->tenThousandths, *typedEcpm);
            if (change)
                set(PlanResult::EcpmChange, *change);
        }
        // The goal is net: so is what today earns against it.
        const auto& today = plan.netTodayEarnings ? plan.netTodayEarnings : plan.todayEarnings;
        const std::int64_t todayCents = today.value_or(FixedPoint{}).tenThousandths / 100;
        if (today && todayCents >= goalCents)
            plan.gap = "Already earns " + TimesText(todayCents, goalCents) + "× the goal";
        else if (change && plan.neededImpressions)
            plan.gap = "Needs " + Unsigned(*change) + " more traffic";
        else if (change)
            plan.gap = "Needs an eCPM " + Unsigned(*change) + " higher";
        else if (plan.neededImpressions)
            plan.gap = "Needs traffic: there are no impressions today";
    }
    if (!plan.goal || plan.months.empty())
        return;
    const auto reached = std::ranges::find_if(plan.months, &PlanMonth::reachesGoal);
    if (reached == plan.months.end()) {
        set(PlanResult::ReachedMonth, "");
        plan.reached = "Goal not reached within " + std::to_string(plan.months.size()) + " months";
        return;
    }
    plan.reachedMonth = reached->month;
    set(PlanResult::ReachedMonth, std::to_string(reached->month));
    plan.reached = "Goal reached in month " + std::to_string(reached->month) +
                   (reached->month == 1 ? " (now)" : "");
}

} // namespace

const char* PerPeriod(Period period) {
    return kPerPeriod[static_cast<std::size_t>(period)];
}

std::string ResultHeading(PlanResult result, Period per) {
    std::string heading = FactsOf(result).heading;
    if (result == PlanResult::TodayEarnings || result == PlanResult::NetTodayEarnings)
        (heading += ' ') += PerPeriod(per);
    return heading;
}

std::vector<MonthColumn> MonthColumns(const MonthShape& shape) {
    std::vector<MonthColumn> columns;
    for (const MonthField& field : kMonthFields) {
        if ((field.column != MonthColumn::PeriodEarnings || shape.per != Period::Month ||
             shape.net) &&
            (field.column != MonthColumn::PageRpm || shape.pageViews))
            columns.push_back(field.column);
    }
    return columns;
}

const char* MonthFieldName(MonthColumn column, const MonthShape& shape) {
    const auto per = static_cast<std::size_t>(shape.per);
    if (column != MonthColumn::PeriodEarnings)
        return kMonthFields[static_cast<std::size_t>(column)].field;
    return shape.net ? kNetPeriodFields[per] : kPeriodFields[per];
}

const char* MonthHeading(MonthColumn column, const MonthShape& shape) {
    const auto per = static_cast<std::size_t>(shape.per);
    if (column != MonthColumn::PeriodEarnings)
        return kMonthFields[static_cast<std::size_t>(column)].heading;
    return shape.net ? kNetPeriodHeadings[per] : kPeriodHeadings[per];
}

const char* PaidPerName(PaidPer paid) {
    return kPaidPerNames[static_cast<std::size_t>(paid)];
}

const char* SolveName(Solve solve) {
    return kSolveNames[static_cast<std::size_t>(solve)];
}

const char* PeriodName(Period period) {
    return kPeriodNames[static_cast<std::size_t>(period)];
}

std::optional<Solve> SolveNamed(std::string_view name) {
    return Named<Solve>(kSolveNames, name);
}

std::optional<Period> PeriodNamed(std::string_view name) {
    return Named<Period>(kPeriodNames, name);
}

std::optional<PaidPer> PaidPerNamed(std::string_view name) {
    return Named<PaidPer>(kPaidPerNames, name);
}

PlanAnswer MakePlan(const PlanTexts& texts) {
    auto read = ReadPlan(texts);
    if (auto* refusal = std::get_if<PlanRefusal>(&read))
        return std::move(*refusal);
    PlanFigures& figures = std::get<PlanFigures>(read);
    if (auto refusal = TakeTheCpc(figures, texts))
        return std::move(*refusal);
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
    const double ctr = calc::CtrOfHundredths(figures.ctrHundredths);

    Plan plan;
    plan.per = texts.per;
    // What the traffic earns at, and the goal it is held against, if any.
    const Goal goal{figures.goalCents.value_or(0), texts.per, ctr, texts.paid, figures.share};
    if (figures.goalCents) {
        plan.goal = FixedPoint{*figures.goalCents * 100};
        if (auto refusal = SolveGoal(plan, figures, texts.solve, goal, today))
            return std::move(*refusal);
    }
    const std::optional<std::int64_t> impressions =
        plan.neededImpressions ? plan.neededImpressions : today;
    if (!impressions)
        return Refusal(RefusalKind::Missing, PlanInput::Goal,
                       "Give a goal, or today's impressions or page views.");
    const FixedPoint ecpm = plan.neededCpc ? calc::EcpmOfCpc(*plan.neededCpc, figures.ctrHundredths)
                                           : plan.neededEcpm.value_or(FixedPoint{figures.ecpm});

    if (today) {
        plan.todayImpressions = today;
        // Solving for the eCPM, today's is the typed one, if any.
        if (texts.solve == Solve::Impressions || figures.ecpmGiven) {
            const FixedPoint typed{figures.ecpm};
            plan.todayEarnings = EarningsAt(*today, typed, goal, calc::kWholeShare);
            if (goal.share != calc::kWholeShare)
                plan.netTodayEarnings = EarningsAt(*today, typed, goal, goal.share);
        }
    }

    const calc::WorkedFigures worked({static_cast<double>(*impressions), ctr}, ecpm, texts.paid);
    try {
        plan.figures = worked.captions();
    } catch (const calc::CalcError&) {
        return Refusal(RefusalKind::BeyondRange, PlanInput::Goal,
                       "The figures for this goal are beyond the calculator's range.");
    }

    const auto shown = [&](Caption caption) {
        return plan.figures[static_cast<std::size_t>(caption)];
    };
    const auto set = [&](PlanResult which, std::string text) {
        plan.results[static_cast<std::size_t>(which)] = std::move(text);
    };
    if (plan.todayImpressions)
        set(PlanResult::TodayImpressions, std::to_string(*plan.todayImpressions));
    if (plan.todayEarnings)
        set(PlanResult::TodayEarnings,
            calc::CaptionText(*plan.todayEarnings, calc::Pattern::Earnings));
    if (plan.netTodayEarnings)
        set(PlanResult::NetTodayEarnings,
            calc::CaptionText(*plan.netTodayEarnings, calc::Pattern::Earnings));
    if (goal.share != calc::kWholeShare)
        SetNet(plan, worked, goal.share);
    if (plan.neededImpressions) {
        set(PlanResult::NeededImpressions, shown(Caption::ActualImpressions));
        set(PlanResult::NeededClicks, shown(Caption::ProjectedClicks));
    }
    if (plan.neededPageViews)
        set(PlanResult::NeededPageViews, std::to_string(*plan.neededPageViews));
    if (plan.neededEcpm)
        set(PlanResult::NeededEcpm, shown(Caption::ECPM));
    if (plan.neededCpc)
        set(PlanResult::NeededCpc, calc::CaptionText(*plan.neededCpc, calc::Pattern::ECPM));
    if (figures.cpc || plan.neededCpc)
        set(PlanResult::EcpmFromCpc, shown(Caption::ECPM));
    // The page views of the figures the captions are at: the needed ones when the captions
    // are at the needed impressions, else today's (solving for the eCPM or the CPC, the
    // captions are at today's traffic).
    const std::optional<std::int64_t> pageViews =
        plan.neededImpressions ? plan.neededPageViews : figures.pageViews;
    if (pageViews && *pageViews > 0)
        SetPageRpm(plan, worked, *pageViews, goal.share);

    if (figures.growth) {
        const Growth growth{today.value_or(*impressions), *figures.growth, figures.months};
        // The months count page views where the plan does; below a whole share their
        // earnings for the goal's period are net, as the goal is.
        plan.monthShape = {texts.per, figures.share != calc::kWholeShare, pageViews.has_value()};
        const MonthTerms terms{ctr,
                               ecpm,
                               texts.per,
                               figures.goalCents,
                               texts.paid,
                               figures.share,
                               plan.monthShape.pageViews ? std::optional(figures.adsPerPage)
                                                         : std::nullopt,
                               figures.fillRate};
        auto months = GrowthMonths(growth, terms);
        if (auto* refusal = std::get_if<PlanRefusal>(&months))
            return std::move(*refusal);
        plan.months = std::move(std::get<std::vector<PlanMonth>>(months));
    }
    SayTheGap(plan, figures.ecpmGiven ? std::optional(figures.ecpm) : std::nullopt);
    return plan;
}

} // namespace planning
