// SPDX-License-Identifier: MIT
#include "earnings.h"

#include "calc_error.h"
#include "conversions.h"

#include <string>

namespace calc {

std::string CtrText(std::string_view wholePercent, std::string_view tenths) {
    return PlainNumberText(LeadingValue(wholePercent)) + "." +
           PlainNumberText(LeadingValue(tenths));
}

double CtrFromBoxes(std::string_view wholePercent, std::string_view tenths) {
    // A point typed into the whole-percent box gives two points here: a type mismatch.
    return checked(StrictValue(CtrText(wholePercent, tenths)) / 100);
}

double ClicksFor(double impressions, double ctr) {
    return checked(impressions * ctr);
}

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
