// SPDX-License-Identifier: MIT
#pragma once

#include "calc/table_keys.h"

#include <array>
#include <cstddef>
#include <string>

namespace calc {

// The nine results: the "Actual Numbers" column, then the "Earnings" column.
enum class Caption {
    ActualImpressions,
    ProjectedClicks,
    ProjectedCTR,
    ECPM,
    DailyEarnings,
    WeeklyEarnings,
    MonthlyEarnings,
    YearlyEarnings,
    EPC,
};

// What a result is called wherever it is shown, and what its label shows before any edit.
struct Result {
    Caption caption;
    const char* labelName;    // the window's label: "lblDailyEarnings"
    const char* field;        // its name in every output format: "daily"
    const char* heading;      // the short name printed beside it: "Daily"
    const char* description;  // what it is, for screen readers and copies: "Daily earnings"
    const char* startCaption; // "$0.00"
};

inline constexpr std::array kResults = {
    Result{Caption::ActualImpressions, "lblActualImpressions", "actual_impressions", "Impressions",
           "Actual impressions", "100"},
    Result{Caption::ProjectedClicks, "lblProjectedClicks", "actual_clicks", "Clicks",
           "Actual clicks", "0"},
    Result{Caption::ProjectedCTR, "lblProjectedCTR", "actual_ctr", "CTR", "Actual CTR", "0.0%"},
    Result{Caption::ECPM, "lblECPM", "actual_ecpm", "eCPM", "Actual eCPM", "$0.00"},
    Result{Caption::DailyEarnings, "lblDailyEarnings", "daily", "Daily", "Daily earnings", "$0.00"},
    Result{Caption::WeeklyEarnings, "lblWeeklyEarnings", "weekly", "Weekly", "Weekly earnings",
           "$0.00"},
    Result{Caption::MonthlyEarnings, "lblMonthlyEarnings", "monthly", "Monthly", "Monthly earnings",
           "$0.00"},
    Result{Caption::YearlyEarnings, "lblYearlyEarnings", "yearly", "Yearly", "Yearly earnings",
           "$0.00"},
    Result{Caption::EPC, "lblEPC", "epc", "Average EPC", "Average EPC", "$0.00"},
};

inline constexpr const Result& ResultOf(Caption caption) {
    return kResults[static_cast<std::size_t>(caption)];
}

inline constexpr auto kAllCaptions = KeysOf<&Result::caption>(kResults);
static_assert([] {
    for (std::size_t i = 0; i < kResults.size(); ++i) {
        if (kResults[i].caption != static_cast<Caption>(i))
            return false;
    }
    return true;
}());

// The results that all go to "$0.00" together while there are no clicks.
inline constexpr std::array kEarningsCaptions = {Caption::DailyEarnings, Caption::WeeklyEarnings,
                                                 Caption::MonthlyEarnings, Caption::YearlyEarnings,
                                                 Caption::EPC};

// The nine texts shown, in the order of the captions.
using Captions = std::array<std::string, kResults.size()>;

} // namespace calc
