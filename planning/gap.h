// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// How far today's figures are from a goal's, said as a publisher reads it.
namespace planning {

// The change from today's figure to the needed one, in percent of today's with one decimal,
// rounded half away from zero and signed: "+31.5 %", "-87.1 %", "0.0 %". None when today's
// is 0. Both are counts of one unit, up to 10^15.
std::optional<std::string> ChangeText(std::int64_t needed, std::int64_t today);

// Today's earnings as a multiple of the goal with one decimal, rounded half away from zero:
// "7.8" for $7,754.55 against $1,000.00. Both in whole cents; the goal is above 0.
std::string TimesText(std::int64_t todayCents, std::int64_t goalCents);

} // namespace planning
