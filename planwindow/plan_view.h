// SPDX-License-Identifier: MIT
#pragma once

#include "planning/plan.h"
#include "planwindow/month_table_model.h"

#include <QString>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

// What the Plan window shows of the engine's plan: its captions as they are, named as the
// engine names them. The window computes nothing of its own.
namespace planwindow {

// The results in the window's order, in their blocks: today's traffic and what it earns, then
// what the goal needs and what that earns (no result of its own: the window's caption), then
// how the publisher is paid. The gap is said in words, not in rows. The rows come from the
// plan's table, so that a result added to a block there is shown here without more.
struct ResultSlot {
    planning::ResultBlock block = planning::ResultBlock::Today;
    std::optional<planning::PlanResult> result; // none: the earnings at the needed figures
};

inline constexpr std::array kShownBlocks = {
    planning::ResultBlock::Today, planning::ResultBlock::Needed, planning::ResultBlock::Pay};

inline constexpr std::size_t kResultCount =
    1 + std::ranges::count_if(planning::kPlanResults, [](const planning::PlanResultFacts& facts) {
        return facts.block != planning::ResultBlock::Gap;
    });

inline constexpr auto kResultSlots = [] {
    std::array<ResultSlot, kResultCount> order{};
    std::size_t at = 0;
    for (const planning::ResultBlock block : kShownBlocks) {
        for (const planning::PlanResultFacts& facts : planning::kPlanResults) {
            if (facts.block == block)
                order[at++] = {block, facts.result};
        }
        if (block == planning::ResultBlock::Needed)
            order[at++] = {block, std::nullopt};
    }
    return order;
}();

struct ShownResult {
    QString label;  // "Impressions a day", under its block's heading
    QString spoken; // "Needed impressions a day", as a reader says it
    QString shown;  // empty where the plan has none
    QString tip;    // what it is
};

struct PlanView {
    QString refusal; // the sentence that says why there is no plan; empty when there is one
    std::array<ShownResult, kResultCount> results;
    QString gap;     // "Needs 31.5 % more traffic"
    QString reached; // "Goal reached in month 7"
    QString chartTitle;
    QString emptyChart; // why there are no months
    std::vector<MonthTableModel::Row> months;
    calc::Period per = calc::Period::Month;
    planning::MonthShape monthShape; // the month table's columns
    std::optional<double> goalLine;  // the goal, in the units of the bars
    std::optional<int> reachedRow;   // the month table's row that first reaches the goal
};

// "Today", "Needed for the goal", "How you are paid": a block's heading in the window.
QString BlockHeading(planning::ResultBlock block);

// The view of the plan for the texts, or of the reason there is none, which keeps the labels.
PlanView MakePlanView(const planning::PlanTexts& texts);

// What a reader hears of the results after a pause in typing: each block, then the gap, or
// why there is no plan.
QString ResultWords(const PlanView& view);

} // namespace planwindow
