// SPDX-License-Identifier: MIT
#pragma once

#include "calc/earnings.h"
#include "calc/fixed_point.h"

#include <cstdint>
#include <functional>
#include <optional>

// The least figures that reach a goal. The window's amounts only grow with the impressions and
// with the eCPM, so each is found by bisection over the whole range the engine takes.
namespace planning {

struct Goal {
    std::int64_t cents;
    calc::Period per;
    double ctr; // a fraction, as the window carries it
    calc::PaidPer paid = calc::PaidPer::Click;
    std::int64_t share = calc::kWholeShare; // the goal is the net at this share
};

// What the window shows for the period, net of the share, in whole cents: the amount a goal is
// held against; 0 where there are no amounts (no clicks, paid per click).
std::int64_t NetCentsFor(const std::optional<calc::Amounts>& amounts, calc::Period per,
                         std::int64_t share);

// The least impressions a day, up to kMostCount, whose net earnings for the goal's period at
// the eCPM, as shown, reach the goal; none when even the most do not, or when the amounts leave
// the engine's range on the way. The eCPM is above 0, as the CTR is when paid per click.
std::optional<std::int64_t> LeastImpressions(const Goal& goal, calc::FixedPoint ecpm);

// The eCPM a price paid makes: the eCPM itself, or the eCPM of a cost per click. It grows
// with the price, and may raise an overflow.
using EcpmOfPrice = std::function<calc::FixedPoint(calc::FixedPoint)>;

// The least price in whole cents, up to kMostCount ten-thousandths, whose eCPM reaches the goal
// at the impressions, which are above 0 as the CTR is; by default the price is the eCPM.
std::optional<std::int64_t> LeastEcpmCents(
    const Goal& goal, std::int64_t impressions,
    const EcpmOfPrice& ecpmOf = [](calc::FixedPoint ecpm) { return ecpm; });

// The least page views, up to kMostCount, that make the impressions.
std::optional<std::int64_t> LeastPageViews(std::int64_t impressions, std::int64_t adsPerPage,
                                           std::int64_t fillRate);

} // namespace planning
