// SPDX-License-Identifier: MIT
#pragma once

#include "calc/figure_reading.h"
#include "cli/figures.h"
#include "cli/row_writer.h"
#include "planning/plan.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What a batch's row means: the calculator's figures, or a plan's when it has a plan's input.
namespace cli {

// Where the figures stand among a batch's columns, and a plan's other inputs.
struct FigureColumns {
    std::array<std::optional<std::size_t>, kAllFigures.size()> column;
    std::array<std::optional<std::size_t>, planning::kAllPlanInputs.size()> plan;
    std::optional<std::size_t> paidPer;                     // "click" or "impression": a plan's
    calc::Notation notation = calc::Notation::DecimalPoint; // "1.000,5" in a file separated by ';'

    bool planned() const {
        return paidPer || std::ranges::any_of(plan, [](const auto& at) { return at.has_value(); });
    }
};

struct BatchRow {
    long line = 0;
    std::vector<std::string> cells;
};

// The output and the problems ("line N: why") of rows worked out, in their order.
struct Worked {
    std::string out;
    std::vector<std::string> problems;

    void append(const Worked& more) {
        out += more.out;
        problems.insert(problems.end(), more.problems.begin(), more.problems.end());
    }
    void clear() {
        out.clear();
        problems.clear();
    }
};

// "line 12: ", before what is said of a line of the input.
std::string Line(long number);

// Appends the row as the writer writes it, with its results or, for a bad row, empty results
// and the problem.
void WorkRow(const BatchRow& row, const FigureColumns& columns, const RowWriter& writer,
             Worked& worked);

} // namespace cli
