// SPDX-License-Identifier: MIT
#include "earnings.h"

#include "calc_error.h"
#include "conversions.h"

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

} // namespace calc
