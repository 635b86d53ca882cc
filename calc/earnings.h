// SPDX-License-Identifier: MIT
#pragma once

#include "calc/fixed_point.h"
#include "calc/results.h"

#include <array>
#include <cstdint>
#include <optional>

// What the figures earn: the arithmetic behind the "Earnings" column, for anyone who needs the
// same amounts the window shows.
namespace calc {

enum class Period { Day, Week, Month, Year };
inline constexpr std::array kAllPeriods = {Period::Day, Period::Week, Period::Month, Period::Year};

// The caption of the period's earnings: Period::Month's is Caption::MonthlyEarnings. The four
// stand together, in the order of the periods.
constexpr Caption EarningsCaption(Period period) {
    return static_cast<Caption>(static_cast<std::size_t>(Caption::DailyEarnings) +
                                static_cast<std::size_t>(period));
}
static_assert(EarningsCaption(Period::Week) == Caption::WeeklyEarnings &&
              EarningsCaption(Period::Year) == Caption::YearlyEarnings);

// The period whose earnings the caption shows, which is one of the four.
constexpr Period PeriodOf(Caption earnings) {
    return static_cast<Period>(static_cast<std::size_t>(earnings) -
                               static_cast<std::size_t>(Caption::DailyEarnings));
}

// A day's earnings at the eCPM for the impressions a day. Raises overflow.
double PerDay(FixedPoint ecpm, double impressions);

// The amount for the period, afresh from a day's earnings, never from a rounded daily amount:
// a week is 7 days, a month 30.41, a year 365. Raises overflow.
FixedPoint AmountFor(Period period, double perDay);

// The eCPM a cost per click makes at a CTR in hundredths of a percent: CPC × CTR × 10, the CTR
// in percent. Worked exactly in integers in ten-thousandths of a dollar (CPC ten-thousandths ×
// CTR hundredths ÷ 10) and rounded half up to the nearest ten-thousandth. Raises overflow beyond
// the fixed point's range.
FixedPoint EcpmOfCpc(FixedPoint cpc, std::int64_t ctrHundredths);

// A whole share, in hundredths of a percent: 100 %.
inline constexpr std::int64_t kWholeShare = 10000;

// The publisher's net of a gross amount, the share in hundredths of a percent (6800 is 68 %):
// the amount × share ÷ 100, kept to four decimals by ToFixedPoint as AmountFor keeps a week's
// made from a day's, and then shown in cents as every amount is. A whole share is the amount
// itself. Raises overflow.
FixedPoint ShareOf(FixedPoint gross, std::int64_t share);

// A page RPM: what a period earns for every thousand page views in it, the amount as shown in
// cents × 1000 ÷ the page views, worked exactly in integers and rounded half up to the cent as
// the captions are. The page views are above 0. Raises overflow.
FixedPoint PageRpm(FixedPoint amount, std::int64_t pageViews);

// The average earnings per click; the clicks are not 0. Raises overflow.
FixedPoint PerClick(FixedPoint daily, double clicks);

// What the publisher is paid for. The window's calculator is paid per click, as its earnings
// show; a plan may be paid per impression, whose earnings do not wait for a click.
enum class PaidPer { Click, Impression };

// The amounts for the four periods, all computed before any is shown. Paid per click there are
// none while there are no clicks: the "Earnings" column then shows $0.00. Raises overflow.
using Amounts = std::array<FixedPoint, kAllPeriods.size()>;
std::optional<Amounts> EarningsFor(FixedPoint ecpm, double impressions, double clicks,
                                   PaidPer paid = PaidPer::Click);

} // namespace calc
