// SPDX-License-Identifier: MIT
#include "plan_view.h"

namespace plan {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

const calc::Result& PeriodResult(std::size_t result) {
    const auto period = calc::kAllPeriods[result - calc::kNeededResults.size()];
    return calc::ResultOf(calc::EarningsCaption(period));
}

} // namespace

QString ResultName(std::size_t result) {
    if (result < calc::kNeededResults.size())
        return QString::fromLatin1(calc::kNeededResults[result].heading);
    return QString::fromLatin1(PeriodResult(result).description);
}

View Work(const calc::PlanTexts& texts) {
    const calc::PlanAnswer answer = calc::MakePlan(texts);
    View view;
    if (const auto* refusal = std::get_if<calc::PlanRefusal>(&answer)) {
        view.refusal = Text(refusal->sentence);
        return view;
    }
    const calc::Plan& plan = std::get<calc::Plan>(answer);
    for (std::size_t result = 0; result < kResultCount; ++result) {
        if (result < calc::kNeededResults.size())
            view.results[result] = Text(plan.needed[result].value_or(std::string()));
        else
            view.results[result] = Text(plan.figures[std::size_t(PeriodResult(result).caption)]);
    }
    for (const calc::PlanMonth& month : plan.months) {
        QStringList cells;
        for (const std::string& shown : month.shown)
            cells << Text(shown);
        view.months.push_back({cells, month.monthly.toDouble()});
    }
    // The bars are monthly amounts: a goal for another period has no place among them.
    if (plan.goal && plan.per == calc::Period::Month)
        view.goalLine = plan.goal->toDouble();
    return view;
}

} // namespace plan
