// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The traffic of a plan in whole impressions, exact in integers: no count passes through a double.
namespace planning {

// ⌊page views × ads per page × fill rate ÷ 100⌋, the fill rate in hundredths of a percent; up
// to kMostCount page views and 100 ads per page.
std::int64_t TrafficImpressions(std::int64_t pageViews, std::int64_t adsPerPage,
                                std::int64_t fillRate);

// The impressions a month later: × (1 + growth ÷ 100) to the nearest whole impression, halves
// up, the growth in hundredths of a percent above -100 and up to 1000; up to kMostCount
// impressions.
std::int64_t GrownImpressions(std::int64_t impressions, std::int64_t growth);

} // namespace planning
