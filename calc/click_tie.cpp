// SPDX-License-Identifier: MIT
#include "calc/click_tie.h"

#include "calc/calc_error.h"
#include "calc/conversions.h"

namespace calc {

std::string CtrText(std::string_view wholePercent, std::string_view tenths) {
    return PlainNumberText(LeadingValue(wholePercent)) + "." +
           PlainNumberText(LeadingValue(tenths));
}

double CtrOfBoxes(std::string_view wholePercent, std::string_view tenths) {
    return checked(StrictValue(CtrText(wholePercent, tenths)) / 100);
}

// The boxes' text "2.5" read is the nearest double to 25 ÷ 10, as the division gives it.
double CtrOfTenths(std::int64_t tenths) {
    return static_cast<double>(tenths) / 10 / 100;
}

// The percent first, as a text "0.35" read gives it, then the fraction: 250 ÷ 100 is the same
// double as 25 ÷ 10, where 250 ÷ 10000 in one step could differ from the window's by a bit.
double CtrOfHundredths(std::int64_t hundredths) {
    return static_cast<double>(hundredths) / 100 / 100;
}

double ClicksAt(double impressions, double ctr) {
    return checked(impressions * ctr);
}

std::string ClicksAsShown(double typedClicks) {
    return CaptionText(typedClicks, Pattern::Clicks);
}

double CtrOfClicks(double clicks, double impressions) {
    return impressions != 0 ? divide(clicks, impressions) : 0;
}

} // namespace calc
