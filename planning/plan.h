// SPDX-License-Identifier: MIT
#pragma once

#include "calc/earnings.h"
#include "calc/fixed_point.h"
#include "calc/results.h"
#include "planning/refusal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A plan works the calculator the other way round and over time: the impressions (or the eCPM)
// that reach an income goal, the page views that make those impressions, and the months of a
// growing traffic. Every amount in it is the one the calculator window shows for the same
// figures; only the engine's range bounds them, not the boxes' typing limits.
namespace planning {

// A plan counts in the engine's money and periods and shows the window's captions.
using calc::Caption;
using calc::Captions;
using calc::FixedPoint;
using calc::Period;

// What the plan solves a goal for: the least impressions, eCPM or cost per click.
enum class Solve { Impressions, ECPM, CPC };

// What "impressions", "ecpm" or "cpc" asks to solve for; none for any other name.
std::optional<Solve> SolveNamed(std::string_view name);

// The period "day", "week", "month" or "year" names; none for any other name.
std::optional<Period> PeriodNamed(std::string_view name);

// What "click" or "impression" says the publisher is paid for; none for any other name.
using calc::PaidPer;
std::optional<PaidPer> PaidPerNamed(std::string_view name);

// The names SolveNamed, PeriodNamed and PaidPerNamed read.
const char* SolveName(Solve solve);
const char* PeriodName(Period period);
const char* PaidPerName(PaidPer paid);

// The plan's inputs as typed; a text of blanks is not given. The impressions or the page views
// (with the ads per page and the fill rate, 1 ad and 100 % when not given) are today's traffic.
// Solving for the eCPM, a typed one is today's, as a typed CPC is solving for the CPC; a CPC
// is paid instead of the eCPM. The months are read only with a growth.
struct PlanTexts {
    std::array<std::string, kAllPlanInputs.size()> texts;
    Period per = Period::Month;
    Solve solve = Solve::Impressions;
    // Paid per impression the earnings do not wait for clicks, and the CTR may be left out.
    PaidPer paid = PaidPer::Click;
    calc::Notation notation = calc::Notation::DecimalPoint;

    std::string& operator[](PlanInput input) { return texts[static_cast<std::size_t>(input)]; }
    const std::string& operator[](PlanInput input) const {
        return texts[static_cast<std::size_t>(input)];
    }
};

// What a plan answers besides the window's nine captions, in the order every output gives them:
// today's traffic and what it earns, what the goal needs, and how far today is from it.
enum class PlanResult {
    TodayImpressions,
    TodayEarnings,
    NeededImpressions,
    NeededPageViews,
    NeededClicks,
    NeededEcpm,
    NeededCpc,
    TrafficChange,
    EcpmChange,
    ReachedMonth,
    EcpmFromCpc,
    PageRpm,          // where the page views are known: a day's earnings for a thousand page views
    NetTodayEarnings, // below a whole share: today's earnings, and the four amounts, net
    NetDaily,
    NetWeekly,
    NetMonthly,
    NetYearly,
    NetPageRpm,
};

// The blocks the Plan window groups the results in. What the pay adds to the calculator's
// figures (the eCPM a CPC makes, the net of a share) stands after the nine.
enum class ResultBlock { Today, Needed, Gap, Pay };

struct PlanResultFacts {
    PlanResult result;
    ResultBlock block;
    const char* field; // its name in every output format: "needed_impressions"
    const char*
        heading; // "Needed impressions a day"; today's earnings are followed by their period
};
inline constexpr std::array kPlanResults = {
    PlanResultFacts{PlanResult::TodayImpressions, ResultBlock::Today, "today_impressions",
                    "Today's impressions a day"},
    PlanResultFacts{PlanResult::TodayEarnings, ResultBlock::Today, "today_earnings",
                    "Today's earnings"},
    PlanResultFacts{PlanResult::NeededImpressions, ResultBlock::Needed, "needed_impressions",
                    "Needed impressions a day"},
    PlanResultFacts{PlanResult::NeededPageViews, ResultBlock::Needed, "needed_pageviews",
                    "Needed page views a day"},
    PlanResultFacts{PlanResult::NeededClicks, ResultBlock::Needed, "needed_clicks",
                    "Needed clicks a day"},
    PlanResultFacts{PlanResult::NeededEcpm, ResultBlock::Needed, "needed_ecpm", "Needed eCPM"},
    PlanResultFacts{PlanResult::NeededCpc, ResultBlock::Needed, "needed_cpc", "Needed CPC"},
    PlanResultFacts{PlanResult::TrafficChange, ResultBlock::Gap, "traffic_change",
                    "Traffic change"},
    PlanResultFacts{PlanResult::EcpmChange, ResultBlock::Gap, "ecpm_change", "eCPM change"},
    PlanResultFacts{PlanResult::ReachedMonth, ResultBlock::Gap, "reached_month",
                    "Goal reached in month"},
    PlanResultFacts{PlanResult::EcpmFromCpc, ResultBlock::Pay, "ecpm_from_cpc", "eCPM from CPC"},
    PlanResultFacts{PlanResult::PageRpm, ResultBlock::Pay, "page_rpm", "Page RPM"},
    PlanResultFacts{PlanResult::NetTodayEarnings, ResultBlock::Pay, "net_today_earnings",
                    "Today's net earnings"},
    PlanResultFacts{PlanResult::NetDaily, ResultBlock::Pay, "net_daily", "Net daily"},
    PlanResultFacts{PlanResult::NetWeekly, ResultBlock::Pay, "net_weekly", "Net weekly"},
    PlanResultFacts{PlanResult::NetMonthly, ResultBlock::Pay, "net_monthly", "Net monthly"},
    PlanResultFacts{PlanResult::NetYearly, ResultBlock::Pay, "net_yearly", "Net yearly"},
    PlanResultFacts{PlanResult::NetPageRpm, ResultBlock::Pay, "net_page_rpm", "Net page RPM"},
};

constexpr const PlanResultFacts& FactsOf(PlanResult result) {
    return kPlanResults[static_cast<std::size_t>(result)];
}

// "a day", "a week", "a month", "a year".
const char* PerPeriod(Period period);

// The result's heading, with the period where it has one: "Today's earnings a month".
std::string ResultHeading(PlanResult result, Period per);

// The columns of the month table. The earnings for the goal's period stand beside the monthly
// ones when the goal is not a month's, and the page RPM ends a traffic counted in page views.
enum class MonthColumn { Month, Impressions, Clicks, PeriodEarnings, Monthly, Total, PageRpm };

struct MonthField {
    MonthColumn column;
    const char* field;   // "monthly"; the period's earnings are named by their period
    const char* heading; // "Monthly"
};
inline constexpr std::array kMonthFields = {
    MonthField{MonthColumn::Month, "month", "Month"},
    MonthField{MonthColumn::Impressions, "impressions", "Impressions a day"},
    MonthField{MonthColumn::Clicks, "clicks", "Clicks a day"},
    MonthField{MonthColumn::PeriodEarnings, "", ""},
    MonthField{MonthColumn::Monthly, "monthly", "Monthly"},
    MonthField{MonthColumn::Total, "total", "Running total"},
    MonthField{MonthColumn::PageRpm, "page_rpm", "Page RPM"},
};

// What the month table holds besides its fixed columns.
struct MonthShape {
    Period per = Period::Month; // the goal's
    bool net = false;           // below a whole share, the goal's period's earnings are net
    bool pageViews = false;     // the months count page views, and have a page RPM
};

// The month table's columns: the goal's period's earnings only when they are not the monthly
// ones (another period, or net), the page RPM only when the months count page views.
std::vector<MonthColumn> MonthColumns(const MonthShape& shape);

// The field and the heading of a month column: the period's earnings are "daily" under
// "Daily", "weekly" under "Weekly" or "yearly" under "Yearly", and net "net_monthly" under
// "Net monthly" and so on.
const char* MonthFieldName(MonthColumn column, const MonthShape& shape);
const char* MonthHeading(MonthColumn column, const MonthShape& shape);

// One month of a growing traffic: its impressions a day, the clicks and the earnings the window
// shows for them, and the running total of the monthly amounts as shown.
struct PlanMonth {
    int month = 1;
    std::int64_t impressions = 0;
    FixedPoint forPeriod; // the earnings for the goal's period as shown, net below a whole share
    FixedPoint monthly;   // as shown
    FixedPoint total;     // the sum of the shown monthly amounts up to this month
    bool reachesGoal = false;
    std::array<std::string, kMonthFields.size()> shown; // "1", "10000", "250.0", "$760.25", ...
                                                        // the page RPM "" without page views

    const std::string& operator[](MonthColumn column) const {
        return shown[static_cast<std::size_t>(column)];
    }
};

struct Plan {
    std::optional<FixedPoint> goal; // whole cents
    Period per = Period::Month;

    // Today's impressions a day, typed or made from the page views, and what they earn for the
    // period at the typed CTR and eCPM, as the window shows it.
    std::optional<std::int64_t> todayImpressions;
    std::optional<FixedPoint> todayEarnings;
    std::optional<FixedPoint> netTodayEarnings; // below a whole share; the goal is net

    // Present when the goal asks for them: the least impressions a day whose earnings for the
    // period, as shown, reach the goal (or the least eCPM in whole cents), the least page views
    // that make those impressions, and the clicks a day at the needed figures.
    std::optional<std::int64_t> neededImpressions;
    std::optional<std::int64_t> neededPageViews;
    std::optional<FixedPoint> neededEcpm;
    std::optional<FixedPoint> neededCpc; // whole cents

    // With a goal and a growth: the first month whose earnings for the period reach the goal.
    std::optional<int> reachedMonth;

    // The results as shown, where the plan has them. The month the goal is reached is "" when
    // it is not reached within the months.
    std::array<std::optional<std::string>, kPlanResults.size()> results;

    // The gap in words a publisher reads at once ("Needs 31.5 % more traffic", "Already earns
    // 7.8× the goal"), and with a growth when the goal is reached ("Goal reached in month 7");
    // empty where the plan has nothing to say.
    std::string gap;
    std::string reached;

    // The window's nine captions at the needed impressions, eCPM or CPC, or at today's figures.
    Captions figures;

    // With a growth: month 1 has today's impressions (the needed ones when none are given).
    std::vector<PlanMonth> months;
    MonthShape monthShape;

    const std::optional<std::string>& operator[](PlanResult which) const {
        return results[static_cast<std::size_t>(which)];
    }
};

using PlanAnswer = std::variant<Plan, PlanRefusal>;

// The plan for the texts, or the one reason there is none.
PlanAnswer MakePlan(const PlanTexts& texts);

} // namespace planning
