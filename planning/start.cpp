// SPDX-License-Identifier: MIT
#include "planning/start.h"

#include "calc/calc_error.h"
#include "calc/click_tie.h"

namespace planning {

PlanTexts StartTexts(const calc::Calculator& calculator) {
    const auto typed = [&](calc::Box box) {
        return calculator.box(box).text();
    };
    PlanTexts start;
    start[PlanInput::Goal] = "1000";
    start[PlanInput::Impressions] = typed(calc::Box::Impressions);
    try {
        start[PlanInput::CTR] = calc::CtrText(typed(calc::Box::CTR), typed(calc::Box::Dec));
    } catch (const calc::CalcError&) {
        // A CTR beyond the range is left for the user to type.
    }
    start[PlanInput::ECPM] = typed(calc::Box::ECPM);
    start[PlanInput::Growth] = "0";
    start[PlanInput::Months] = "12";
    return start;
}

} // namespace planning
