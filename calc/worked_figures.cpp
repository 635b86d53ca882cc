// SPDX-License-Identifier: MIT
#include "calc/worked_figures.h"

#include "calc/click_tie.h"
#include "calc/conversions.h"

namespace calc {

WorkedFigures::WorkedFigures(const Traffic& traffic, FixedPoint ecpm, PaidPer paid)
    : traffic_(traffic), ecpm_(ecpm) {
    try {
        switch (traffic_.from) {
        case ClicksFrom::Ctr:
            traffic_.clicks = ClicksAt(traffic_.impressions, traffic_.ctr);
            break;
        case ClicksFrom::Typed:
            traffic_.clicks = LeadingValue(ClicksAsShown(traffic_.clicks));
            traffic_.ctr = CtrOfClicks(traffic_.clicks, traffic_.impressions);
            break;
        case ClicksFrom::Carried:
            break;
        }
        reached_ = Step::Earnings;
        // All four amounts are worked out before any is shown.
        earnings_ = EarningsFor(ecpm_, traffic_.impressions, traffic_.clicks, paid);
        reached_ = Step::PerClick;
        if (earnings_ && traffic_.clicks != 0)
            epc_ = PerClick((*earnings_)[static_cast<std::size_t>(Period::Day)], traffic_.clicks);
        reached_ = Step::Done;
    } catch (const CalcError& error) {
        overflow_ = error;
    }
}

void WorkedFigures::raiseStopped() const {
    throw *overflow_;
}

std::string WorkedFigures::caption(Caption which) const {
    constexpr const char* kNoEarnings = "$0.00";
    switch (which) {
    case Caption::ActualImpressions:
        return PlainNumberText(impressions());
    case Caption::ProjectedClicks:
        return CaptionText(clicks(), Pattern::Clicks);
    case Caption::ProjectedCTR:
        return CaptionText(ctr(), Pattern::Percent);
    case Caption::ECPM:
        return CaptionText(ecpm_, Pattern::ECPM);
    case Caption::EPC:
        // Without clicks it shows what the window shows for none, though paid per impression
        // there are earnings.
        return earnings() && traffic_.clicks != 0 ? CaptionText(epc(), Pattern::EPC) : kNoEarnings;
    case Caption::DailyEarnings:
    case Caption::WeeklyEarnings:
    case Caption::MonthlyEarnings:
    case Caption::YearlyEarnings:
        break;
    }
    if (!earnings())
        return kNoEarnings;
    return CaptionText((*earnings_)[static_cast<std::size_t>(PeriodOf(which))], Pattern::Earnings);
}

Captions WorkedFigures::captions() const {
    Captions all;
    for (const Caption which : kAllCaptions)
        all[static_cast<std::size_t>(which)] = caption(which);
    return all;
}

} // namespace calc
