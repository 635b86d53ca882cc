// SPDX-License-Identifier: MIT
#include "planning/search.h"

#include "calc/calc_error.h"
#include "calc/conversions.h"
#include "calc/worked_figures.h"
#include "planning/reading.h"
#include "planning/traffic.h"

namespace planning {
namespace {

// The least count in [first, most] at which reached turns true, as it stays after. A bisection
// written out: clang 14, which builds the fuzzers, cannot compile std::ranges::partition_point
// over libstdc++ 12's std::views::iota.
template <typename Reached>
std::optional<std::int64_t> Least(std::int64_t first, std::int64_t most, Reached reached) {
    std::int64_t low = first;     // reached is false below it
    std::int64_t high = most + 1; // and true from here on
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (reached(middle))
            high = middle;
        else
            low = middle + 1;
    }
    if (low > most)
        return std::nullopt;
    return low;
}

// Whether the window's amount for the figures reaches the goal. An amount beyond the engine's
// range counts as reaching it, so that the search ends below where the range ends; the plan
// then finds that the figures there overflow.
bool Reaches(const Goal& goal, calc::FixedPoint ecpm, std::int64_t impressions) {
    try {
        const calc::WorkedFigures worked({static_cast<double>(impressions), goal.ctr}, ecpm,
                                         goal.paid);
        const auto& amounts = worked.earnings();
        return amounts && NetCentsFor(amounts, goal.per, goal.share) >= goal.cents;
    } catch (const calc::CalcError&) {
        return true;
    }
}

} // namespace

std::int64_t NetCentsFor(const std::optional<calc::Amounts>& amounts, calc::Period per,
                         std::int64_t share) {
    if (!amounts)
        return 0;
    return calc::ShownCents(calc::ShareOf((*amounts)[static_cast<std::size_t>(per)], share));
}

std::optional<std::int64_t> LeastImpressions(const Goal& goal, calc::FixedPoint ecpm) {
    return Least(1, kMostCount,
                 [&](std::int64_t impressions) { return Reaches(goal, ecpm, impressions); });
}

std::optional<std::int64_t> LeastEcpmCents(const Goal& goal, std::int64_t impressions,
                                           const EcpmOfPrice& ecpmOf) {
    return Least(1, kMostCount / 100, [&](std::int64_t cents) {
        try {
            return Reaches(goal, ecpmOf(calc::FixedPoint{cents * 100}), impressions);
        } catch (const calc::CalcError&) {
            return true; // as an amount beyond the range
        }
    });
}

std::optional<std::int64_t> LeastPageViews(std::int64_t impressions, std::int64_t adsPerPage,
                                           std::int64_t fillRate) {
    return Least(0, kMostCount, [&](std::int64_t pageViews) {
        return TrafficImpressions(pageViews, adsPerPage, fillRate) >= impressions;
    });
}

} // namespace planning
