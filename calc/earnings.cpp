// SPDX-License-Identifier: MIT
#include "calc/earnings.h"

#include "calc/calc_error.h"
#include "calc/conversions.h"

#include <limits>

namespace calc {

double PerDay(FixedPoint ecpm, double impressions) {
    return checked(ecpm.toDouble() * (impressions / 1000));
}

FixedPoint AmountFor(Period period, double perDay) {
    constexpr std::array kDays = {1.0, 7.0, 30.41, 365.0};
    return ToFixedPoint(checked(perDay * kDays[static_cast<std::size_t>(period)]));
}

FixedPoint ShareOf(FixedPoint gross, std::int64_t share) {
    if (share == kWholeShare)
        return gross;
    return ToFixedPoint(checked(gross.toDouble() * (static_cast<double>(share) / 100) / 100));
}

FixedPoint EcpmOfCpc(FixedPoint cpc, std::int64_t ctrHundredths) {
    __extension__ using Wide = __int128; // a CPC of 10^15 times 10^4 leaves 64 bits
    const Wide tenths = static_cast<Wide>(cpc.tenThousandths) * ctrHundredths;
    const Wide rounded = (tenths + 5) / 10;
    if (rounded > std::numeric_limits<std::int64_t>::max())
        raiseOverflow();
    return FixedPoint{static_cast<std::int64_t>(rounded)};
}

FixedPoint PageRpm(FixedPoint amount, std::int64_t pageViews) {
    __extension__ using Wide = __int128; // cents up to 10^17 times 2000 leave 64 bits
    const Wide twiceThousands = static_cast<Wide>(ShownCents(amount)) * 2000;
    const Wide cents = (twiceThousands + pageViews) / (2 * static_cast<Wide>(pageViews));
    if (cents > std::numeric_limits<std::int64_t>::max() / 100)
        raiseOverflow();
    return FixedPoint{static_cast<std::int64_t>(cents) * 100};
}

FixedPoint PerClick(FixedPoint daily, double clicks) {
    return ToFixedPoint(divide(daily.toDouble(), clicks));
}

std::optional<Amounts> EarningsFor(FixedPoint ecpm, double impressions, double clicks,
                                   PaidPer paid) {
    if (clicks == 0 && paid == PaidPer::Click)
        return std::nullopt;
    const double perDay = PerDay(ecpm, impressions);
    Amounts amounts;
    for (const Period period : kAllPeriods)
        amounts[static_cast<std::size_t>(period)] = AmountFor(period, perDay);
    return amounts;
}

} // namespace calc
