// SPDX-License-Identifier: MIT
#include "plan_search.h"

#include "calc_error.h"
#include "click_tie.h"
#include "conversions.h"
#include "plan_reading.h"
#include "plan_traffic.h"

#include <algorithm>
#include <charconv>
#include <ranges>
#include <string>

namespace calc {
namespace {

// The least count in [first, most] at which reached turns true, as it stays after.
template <typename Reached>
std::optional<std::int64_t> Least(std::int64_t first, std::int64_t most, Reached reached) {
    const auto counts = std::views::iota(first, most + 1);
    const auto found =
        std::ranges::partition_point(counts, [&](std::int64_t count) { return !reached(count); });
    if (found == counts.end())
        return std::nullopt;
    return *found;
}

// Whether the window's amount for the figures reaches the goal. An amount beyond the engine's
// range counts as reaching it, so that the search ends below where the range ends; the plan
// then finds that the figures there overflow.
bool Reaches(const Goal& goal, FixedPoint ecpm, std::int64_t impressions) {
    try {
        const auto count = static_cast<double>(impressions);
        const auto amounts = EarningsFor(ecpm, count, ClicksAt(count, goal.ctr));
        return amounts && ShownCents((*amounts)[static_cast<std::size_t>(goal.per)]) >= goal.cents;
    } catch (const CalcError&) {
        return true;
    }
}

} // namespace

std::int64_t ShownCents(FixedPoint amount) {
    std::string digits = CaptionNumber(CaptionText(amount, Pattern::Earnings));
    std::erase(digits, '.');
    std::int64_t cents = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), cents);
    return cents;
}

std::optional<std::int64_t> LeastImpressions(const Goal& goal, FixedPoint ecpm) {
    return Least(1, kMostCount,
                 [&](std::int64_t impressions) { return Reaches(goal, ecpm, impressions); });
}

std::optional<std::int64_t> LeastEcpmCents(const Goal& goal, std::int64_t impressions) {
    return Least(1, kMostCount / 100, [&](std::int64_t cents) {
        return Reaches(goal, FixedPoint{cents * 100}, impressions);
    });
}

std::optional<std::int64_t> LeastPageViews(std::int64_t impressions, std::int64_t adsPerPage,
                                           std::int64_t fillRate) {
    return Least(0, kMostCount, [&](std::int64_t pageViews) {
        return TrafficImpressions(pageViews, adsPerPage, fillRate) >= impressions;
    });
}

} // namespace calc
