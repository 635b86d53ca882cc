// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"
#include "planwindow/month_table_model.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What the Plan window shows of the engine's plan: its captions as they are, named as the
// engine names them. The window computes nothing of its own.
namespace planwindow {

// The results in the window's order: what the goal needs, then the earnings of the four
// periods at those figures (or at today's, without a goal).
inline constexpr std::size_t kResultCount =
    planning::kNeededResults.size() + calc::kAllPeriods.size();
QString ResultName(std::size_t result); // "Needed impressions", ..., "Monthly earnings", ...

struct PlanView {
    QString refusal; // the sentence that says why there is no plan; empty when there is one
    std::array<QString, kResultCount> results; // as shown; empty where the plan has none
    std::vector<MonthTableModel::Row> months;
    std::optional<double> goalLine; // a monthly goal, in the units of the monthly amounts
};

PlanView MakePlanView(const planning::PlanTexts& texts);

} // namespace planwindow
