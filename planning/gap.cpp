// SPDX-License-Identifier: MIT
#include "planning/gap.h"

#include <cstdlib>

namespace planning {
namespace {

__extension__ using Wide = __int128; // GCC's and Clang's, on every target the program builds for

// A count of tenths as "31.5", its sign before it where it has one.
std::string TenthsText(std::int64_t tenths, bool plusSign) {
    const std::int64_t size = std::llabs(tenths);
    const char* sign = tenths < 0 ? "-" : (plusSign && tenths > 0 ? "+" : "");
    return sign + std::to_string(size / 10) + '.' + std::to_string(size % 10);
}

// part ÷ whole in tenths, rounded half away from zero. The quotient is worked in 128 bits: a
// part of 10^17 cents times 20 leaves 64.
std::int64_t RoundedTenths(std::int64_t part, std::int64_t whole) {
    const Wide twice = static_cast<Wide>(part) * 20;
    const Wide half = part < 0 ? -whole : whole;
    return static_cast<std::int64_t>((twice + half) / (2 * static_cast<Wide>(whole)));
}

} // namespace

std::optional<std::string> ChangeText(std::int64_t needed, std::int64_t today) {
    if (today <= 0)
        return std::nullopt;
    return TenthsText(RoundedTenths((needed - today) * 100, today), true) + " %";
}

std::string TimesText(std::int64_t todayCents, std::int64_t goalCents) {
    return TenthsText(RoundedTenths(todayCents, goalCents), false);
}

} // namespace planning
