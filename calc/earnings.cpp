// SPDX-License-Identifier: MIT
#include "calc/earnings.h"

#include "calc/calc_error.h"
#include "calc/conversions.h"

namespace calc {

double PerDay(FixedPoint ecpm, double impressions) {
    return checked(ecpm.toDouble() * (impressions / 1000));
}

FixedPoint AmountFor(Period period, double perDay) {
    constexpr std::array kDays = {1.0, 7.0, 30.41, 365.0};
    return ToFixedPoint(checked(perDay * kDays[static_cast<std::size_t>(period)]));
}

FixedPoint PerClick(FixedPoint daily, double clicks) {
    return ToFixedPoint(divide(daily.toDouble(), clicks));
}

std::optional<Amounts> EarningsFor(FixedPoint ecpm, double impressions, double clicks) {
    if (clicks == 0)
        return std::nullopt;
    const double perDay = PerDay(ecpm, impressions);
    Amounts amounts;
    for (const Period period : kAllPeriods)
        amounts[static_cast<std::size_t>(period)] = AmountFor(period, perDay);
    return amounts;
}

} // namespace calc
