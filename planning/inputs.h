// SPDX-License-Identifier: MIT
#pragma once

#include "calc/figure_reading.h"
#include "calc/table_keys.h"

#include <array>
#include <cstddef>
#include <cstdint>

// What a plan is given, and what every place that names or reads a plan's input needs to know
// of it.
namespace planning {

// The most impressions or page views a day a plan counts: the window shows up to 15 digits of
// a count whole.
inline constexpr std::int64_t kMostCount = 999'999'999'999'999;

enum class PlanInput {
    Goal,
    Impressions,
    PageViews,
    AdsPerPage,
    FillRate,
    CTR,
    ECPM,
    CPC,   // a cost per click, paid instead of the eCPM
    Share, // the publisher's share of what the ads earn
    Growth,
    Months,
};

struct PlanInputFacts {
    PlanInput input;
    const char* name;  // "ads_per_page": the column's name (options write "_" as "-")
    const char* said;  // "ads per page": in sentences
    const char* label; // "&Ads per page:": the Plan window's label, "&" before its access key
    calc::FigureForm form;
};

// The forms count the smallest unit of each input: cents of the goal, hundredths of a percent
// of the fill rate, the growth, the CTR and the share, ten-thousandths of a dollar of the eCPM and
// the CPC. A plan takes the CTR to two decimals, finer than the calculator's boxes.
inline constexpr std::array kPlanInputs = {
    PlanInputFacts{PlanInput::Goal,
                   "goal",
                   "goal",
                   "&Goal ($):",
                   {'$', 2, 1, kMostCount, "an amount from $0.01 to $9,999,999,999,999.99"}},
    PlanInputFacts{PlanInput::Impressions,
                   "impressions",
                   "impressions",
                   "Impressions a &day:",
                   {0, 0, 0, kMostCount, "a whole number from 0 to 999,999,999,999,999"}},
    PlanInputFacts{PlanInput::PageViews,
                   "pageviews",
                   "page views",
                   "Page &views a day:",
                   {0, 0, 0, kMostCount, "a whole number from 0 to 999,999,999,999,999"}},
    PlanInputFacts{PlanInput::AdsPerPage,
                   "ads_per_page",
                   "ads per page",
                   "&Ads per page:",
                   {0, 0, 0, 100, "a whole number from 0 to 100"}},
    PlanInputFacts{PlanInput::FillRate,
                   "fill_rate",
                   "fill rate",
                   "&Fill rate (%):",
                   {'%', 2, 0, 10000, "a percentage from 0 to 100, with at most two decimals"}},
    PlanInputFacts{PlanInput::CTR,
                   "ctr",
                   "ctr",
                   "C&TR (%):",
                   {'%', 2, 0, 10000, "a percentage from 0 to 100, with at most two decimals"}},
    PlanInputFacts{PlanInput::ECPM,
                   "ecpm",
                   "ecpm",
                   "eCP&M ($):",
                   {'$', 4, 0, kMostCount,
                    "an amount from $0 to $99,999,999,999.9999, with at most four decimals"}},
    PlanInputFacts{PlanInput::CPC,
                   "cpc",
                   "cpc",
                   "C&PC ($):",
                   {'$', 4, 0, kMostCount,
                    "an amount from $0 to $99,999,999,999.9999, with at most four decimals"}},
    PlanInputFacts{PlanInput::Share,
                   "share",
                   "share",
                   "Your &share (%):",
                   {'%', 2, 1, 10000, "a percentage from 0.01 to 100, with at most two decimals"}},
    PlanInputFacts{PlanInput::Growth,
                   "growth",
                   "growth",
                   "Gro&wth (% a month):",
                   {'%', 2, -9999, 100000,
                    "a percentage above -100 and up to 1000, with at most two decimals"}},
    PlanInputFacts{PlanInput::Months,
                   "months",
                   "months",
                   "Mo&nths:",
                   {0, 0, 1, 120, "a whole number from 1 to 120"}},
};

inline constexpr auto kAllPlanInputs = calc::KeysOf<&PlanInputFacts::input>(kPlanInputs);

constexpr const PlanInputFacts& FactsOf(PlanInput input) {
    return kPlanInputs[static_cast<std::size_t>(input)];
}

// "goal", "impressions", "pageviews", "ads_per_page", "fill_rate", "ctr", "ecpm", "cpc",
// "share", "growth", "months": the names of the columns of a batch.
constexpr const char* PlanInputName(PlanInput input) {
    return FactsOf(input).name;
}

} // namespace planning
