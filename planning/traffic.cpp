// SPDX-License-Identifier: MIT
#include "planning/traffic.h"

namespace planning {
namespace {
// A percent in hundredths: 100 % is 10000.
constexpr std::int64_t kWhole = 10000;
} // namespace

// The product is split at the divisor, so that neither part leaves 64 bits.
std::int64_t TrafficImpressions(std::int64_t pageViews, std::int64_t adsPerPage,
                                std::int64_t fillRate) {
    const std::int64_t ads = pageViews * adsPerPage;
    return ads / kWhole * fillRate + ads % kWhole * fillRate / kWhole;
}

std::int64_t GrownImpressions(std::int64_t impressions, std::int64_t growth) {
    const std::int64_t factor = kWhole + growth;
    return impressions / kWhole * factor + (impressions % kWhole * factor + kWhole / 2) / kWhole;
}

} // namespace planning
