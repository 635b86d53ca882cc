// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The tie between the figures: clicks = impressions × CTR, the CTR a fraction (0.025 is 2.5 %).
namespace calc {

// The CTR the whole-percent and tenths boxes hold together, joined as one text in percent:
// "2" and "5" give "2.5". Raises overflow.
std::string CtrText(std::string_view wholePercent, std::string_view tenths);

// The CTR the whole-percent and tenths boxes hold together, joined as "2.5" and read as a
// percent. A point in the whole percent makes two points: a type mismatch. Raises.
double CtrOfBoxes(std::string_view wholePercent, std::string_view tenths);

// The CTR the boxes make of a count of tenths of a percent, as a number: 25 gives the same
// fraction as "2" and "5" in the boxes.
double CtrOfTenths(std::int64_t tenths);

// The same for a count of hundredths of a percent, which a plan takes: 35 is 0.35 %. A count of
// whole tenths gives the very fraction CtrOfTenths gives.
double CtrOfHundredths(std::int64_t hundredths);

// The clicks the impressions give at the CTR. Raises overflow.
double ClicksAt(double impressions, double ctr);

// Typed clicks are used as shown, to one decimal: the caption, whose value they then are.
std::string ClicksAsShown(double typedClicks);

// The CTR the clicks give the impressions; 0 where there are no impressions. Raises.
double CtrOfClicks(double clicks, double impressions);

} // namespace calc
