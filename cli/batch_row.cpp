// SPDX-License-Identifier: MIT
#include "cli/batch_row.h"

#include "cli/plan_request.h"
#include "cli/projection.h"

#include <algorithm>

namespace cli {
namespace {

// The cell in the column, when the row has one and it holds more than blanks.
const std::string* CellAt(const std::vector<std::string>& cells,
                          const std::optional<std::size_t>& column) {
    return column && *column < cells.size() && !calc::IsBlank(cells[*column]) ? &cells[*column]
                                                                              : nullptr;
}

} // namespace

std::string Line(long number) {
    return "line " + std::to_string(number) + ": ";
}

void WorkRow(const BatchRow& row, const FigureColumns& columns, const RowWriter& writer,
             Worked& worked) {
    Figures figures;
    figures.notation = columns.notation;
    for (const Figure figure : kAllFigures) {
        if (const std::string* cell =
                CellAt(row.cells, columns.column[static_cast<std::size_t>(figure)]))
            figures[figure] = *cell;
    }
    // A row with a goal or page views is a plan's; others are the calculator's as ever.
    const std::string* paidPer = CellAt(row.cells, columns.paidPer);
    const bool planned = paidPer || std::ranges::any_of(columns.plan, [&](const auto& column) {
                             return CellAt(row.cells, column) != nullptr;
                         });

    const auto problem = [&](const std::string& what) {
        worked.problems.push_back(Line(row.line) + what);
    };
    std::optional<calc::Captions> captions;
    std::optional<planning::PlanAnswer> answer; // a plan's row only: a Plan is costly to make
    const planning::Plan* plan = nullptr;
    const std::size_t header = writer.columns().size();
    if (row.cells.size() != header) {
        problem(std::to_string(row.cells.size()) + " fields where the header has " +
                std::to_string(header));
    } else if (planned) {
        planning::PlanTexts inputs;
        inputs.notation = columns.notation;
        for (const planning::PlanInput input : planning::kAllPlanInputs) {
            if (const std::string* cell =
                    CellAt(row.cells, columns.plan[static_cast<std::size_t>(input)]))
                inputs[input] = *cell;
        }
        const auto paid = paidPer ? planning::PaidPerNamed(*paidPer) : planning::PaidPer::Click;
        inputs.paid = paid.value_or(planning::PaidPer::Click);
        const auto request = PlanRequest(figures, std::move(inputs));
        if (!paid) {
            problem(BadPaidPer(*paidPer));
        } else if (const auto* why = std::get_if<std::string>(&request)) {
            problem(*why);
        } else {
            answer = planning::MakePlan(std::get<planning::PlanTexts>(request));
            plan = std::get_if<planning::Plan>(&*answer);
            if (!plan)
                problem(RefusalClause(std::get<planning::PlanRefusal>(*answer)));
        }
    } else if (auto projection = Project(figures, "a goal or page views column ...");
               std::holds_alternative<Problem>(projection)) {
        problem(std::get<Problem>(projection).description);
    } else {
        captions = std::move(std::get<calc::Captions>(projection));
    }
    writer.appendRow(worked.out, row.cells,
                     plan       ? &plan->figures
                     : captions ? &*captions
                                : nullptr,
                     plan ? &plan->results : nullptr);
}

} // namespace cli
