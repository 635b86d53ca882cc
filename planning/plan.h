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

// What the plan solves a goal for.
enum class Solve { Impressions, ECPM };

// What "impressions" or "ecpm" asks to solve for; none for any other name.
std::optional<Solve> SolveNamed(std::string_view name);

// The period "day", "week", "month" or "year" names; none for any other name.
std::optional<Period> PeriodNamed(std::string_view name);

// The plan's inputs as typed; a text of blanks is not given. The impressions or the page views
// (with the ads per page and the fill rate, 1 ad and 100 % when not given) are today's traffic.
// An eCPM is not read when solving for it; the months are read only with a growth.
struct PlanTexts {
    std::array<std::string, kAllPlanInputs.size()> texts;
    Period per = Period::Month;
    Solve solve = Solve::Impressions;
    calc::Notation notation = calc::Notation::DecimalPoint;

    std::string& operator[](PlanInput input) { return texts[static_cast<std::size_t>(input)]; }
    const std::string& operator[](PlanInput input) const {
        return texts[static_cast<std::size_t>(input)];
    }
};

// The results a goal asks for.
enum class Needed { Impressions, PageViews, Clicks, ECPM };

struct NeededResult {
    Needed needed;
    const char* field;   // its name in every output format: "needed_impressions"
    const char* heading; // "Needed impressions"
};
inline constexpr std::array kNeededResults = {
    NeededResult{Needed::Impressions, "needed_impressions", "Needed impressions"},
    NeededResult{Needed::PageViews, "needed_pageviews", "Needed page views"},
    NeededResult{Needed::Clicks, "needed_clicks", "Needed clicks"},
    NeededResult{Needed::ECPM, "needed_ecpm", "Needed eCPM"},
};

// The columns of the month table.
enum class MonthColumn { Month, Impressions, Clicks, Monthly, Total };

struct MonthField {
    MonthColumn column;
    const char* field;   // "monthly"
    const char* heading; // "Monthly"
};
inline constexpr std::array kMonthFields = {
    MonthField{MonthColumn::Month, "month", "Month"},
    MonthField{MonthColumn::Impressions, "impressions", "Impressions"},
    MonthField{MonthColumn::Clicks, "clicks", "Clicks"},
    MonthField{MonthColumn::Monthly, "monthly", "Monthly"},
    MonthField{MonthColumn::Total, "total", "Total"},
};

// One month of a growing traffic: its impressions a day, the clicks and the monthly earnings
// the window shows for them, and the running total of the monthly amounts as shown.
struct PlanMonth {
    int month = 1;
    std::int64_t impressions = 0;
    FixedPoint monthly; // as shown: whole cents
    FixedPoint total;   // the sum of the shown monthly amounts up to this month
    std::array<std::string, kMonthFields.size()> shown; // "1", "10000", "250.0", "$760.25", ...

    const std::string& operator[](MonthColumn column) const {
        return shown[static_cast<std::size_t>(column)];
    }
};

struct Plan {
    std::optional<FixedPoint> goal; // whole cents
    Period per = Period::Month;

    // Present when the goal asks for them: the least impressions a day whose earnings for the
    // period, as shown, reach the goal (or the least eCPM in whole cents), the least page views
    // that make those impressions, and the clicks a day at the needed figures.
    std::optional<std::int64_t> neededImpressions;
    std::optional<std::int64_t> neededPageViews;
    std::optional<FixedPoint> neededEcpm;
    std::array<std::optional<std::string>, kNeededResults.size()> needed; // as shown

    // The window's nine captions at the needed impressions or eCPM, or at today's figures.
    Captions figures;

    // With a growth: month 1 has today's impressions (the needed ones when none are given).
    std::vector<PlanMonth> months;

    const std::optional<std::string>& operator[](Needed which) const {
        return needed[static_cast<std::size_t>(which)];
    }
};

using PlanAnswer = std::variant<Plan, PlanRefusal>;

// The plan for the texts, or the one reason there is none.
PlanAnswer MakePlan(const PlanTexts& texts);

} // namespace planning
