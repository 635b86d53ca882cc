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
