// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calc_error.h"
#include "calc/earnings.h"
#include "calc/fixed_point.h"
#include "calc/results.h"

#include <optional>
#include <string>

// The nine figures the window shows, worked out from numbers: the one place where the captions
// at impressions, a CTR (or clicks) and an eCPM are composed, for the window's handlers, a row
// of figures and plans alike.
namespace calc {

// Where the clicks come from.
enum class ClicksFrom {
    Ctr,     // impressions × CTR
    Typed,   // typed clicks, used as shown to one decimal; the CTR is what they make of the
             // impressions
    Carried, // the clicks and the CTR as an earlier working left them
};

struct Traffic {
    double impressions = 0;
    double ctr = 0;    // a fraction: 0.025 is 2.5 %; not read for typed clicks
    double clicks = 0; // not read when they come from the CTR
    ClicksFrom from = ClicksFrom::Ctr;
};

// The figures and their captions. An overflow on the way is raised by whatever depends on it, so
// that a caller showing the figures one by one stops where the working stopped: the clicks (or,
// for typed clicks, the CTR), then the four amounts together, then the earnings per click.
class WorkedFigures {
public:
    // The window's calculator is paid per click; a plan may be paid per impression.
    WorkedFigures(const Traffic& traffic, FixedPoint ecpm, PaidPer paid = PaidPer::Click);

    // Raises an overflow in working out the clicks or, for typed clicks, the CTR.
    void raiseTrafficOverflow() const { raiseIfStoppedBefore(Step::Earnings); }

    double impressions() const { return traffic_.impressions; }
    double ctr() const {
        if (traffic_.from == ClicksFrom::Typed)
            raiseIfStoppedBefore(Step::Earnings);
        return traffic_.ctr;
    }
    double clicks() const {
        if (traffic_.from == ClicksFrom::Ctr)
            raiseIfStoppedBefore(Step::Earnings);
        return traffic_.clicks;
    }
    FixedPoint ecpm() const { return ecpm_; }
    // The amounts for the four periods; paid per click none while there are no clicks, when
    // the "Earnings" column shows $0.00.
    const std::optional<Amounts>& earnings() const {
        raiseIfStoppedBefore(Step::PerClick);
        return earnings_;
    }
    // The earnings per click, where there are earnings and clicks.
    FixedPoint epc() const {
        raiseIfStoppedBefore(Step::Done);
        return epc_;
    }

    std::string caption(Caption which) const;
    Captions captions() const; // all nine, or the first overflow

private:
    enum class Step { Traffic, Earnings, PerClick, Done };
    void raiseIfStoppedBefore(Step step) const {
        if (reached_ < step) [[unlikely]]
            raiseStopped();
    }
    [[noreturn]] void raiseStopped() const;

    Traffic traffic_;
    FixedPoint ecpm_;
    std::optional<Amounts> earnings_;
    FixedPoint epc_;
    Step reached_ = Step::Traffic; // the step an overflow stopped at, Done without one
    std::optional<CalcError> overflow_;
};

} // namespace calc
