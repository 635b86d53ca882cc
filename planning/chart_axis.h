// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The axes of a chart of amounts month by month: a dollar scale up its side at round amounts
// and month labels along its foot, chosen so that no text is cut or printed over another.
namespace planning {

// The ticks of a dollar scale that reaches top (whole cents), in cents: 0, then every step of
// 1, 2 or 5 times a power of ten cents up to the first at or above top, with the finest step
// that makes at most `most` ticks (two at the least). Nothing to show (a top of 0 or less)
// scales to a dollar. A top beyond 9 * 10^18 cents counts as that, whose ticks of 10^18 still
// fit in 64 bits; past it the scale keeps those ten ticks, however few fit.
std::vector<std::int64_t> DollarTicks(std::int64_t top, int most);

// A tick's amount as "$0", "$1,500" or, when the ticks' step is below a dollar, "$2.50".
std::string DollarTickText(std::int64_t cents, std::int64_t step);

struct MonthLabel {
    int month;        // from 1
    std::string text; // "7", "Year 2", "Y2"
};

// How many labels fit side by side across the chart: as wide as the widest short text ("24",
// "Y10") and as wide as the widest long one ("Year 10").
struct LabelRoom {
    int shortTexts = 0;
    int longTexts = 0;
};

// The labels under months 1 to months, as far apart as the room asks at least. Up to two
// years, month numbers every 1, 2, 3, 6 or 12 months from month 1; past that, the years at
// their last months, each "Year 1" when every year has room for it, else "Y1" every 1, 2, 5 or
// 10 years. Where not even the coarsest step has room, month 1 alone, or no year.
std::vector<MonthLabel> MonthLabels(int months, LabelRoom room);

} // namespace planning
