// SPDX-License-Identifier: MIT
#include "planwindow/plan_view.h"

namespace planwindow {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

const calc::Result& PeriodResult(std::size_t result) {
    const auto period = calc::kAllPeriods[result - planning::kNeededResults.size()];
    return calc::ResultOf(calc::EarningsCaption(period));
}

} // namespace

QString ResultName(std::size_t result) {
    if (result < planning::kNeededResults.size())
        return QString::fromLatin1(planning::kNeededResults[result].heading);
    return QString::fromLatin1(PeriodResult(result).description);
}

PlanView MakePlanView(const planning::PlanTexts& texts) {
    const planning::PlanAnswer answer = planning::MakePlan(texts);
    PlanView view;
    if (const auto* refusal = std::get_if<planning::PlanRefusal>(&answer)) {
        view.refusal = Text(refusal->sentence);
        return view;
    }
    const planning::Plan& plan = std::get<planning::Plan>(answer);
    for (std::size_t result = 0; result < kResultCount; ++result) {
        if (result < planning::kNeededResults.size())
            view.results[result] = Text(plan.needed[result].value_or(std::string()));
        else
            view.results[result] = Text(plan.figures[std::size_t(PeriodResult(result).caption)]);
    }
    for (const planning::PlanMonth& month : plan.months) {
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

} // namespace planwindow
