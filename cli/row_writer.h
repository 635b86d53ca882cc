// SPDX-License-Identifier: MIT
#pragma once

#include "cli/csv_output.h"
#include "cli/projection.h"
#include "cli/single_output.h"
#include "planning/plan.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace cli {

// Which of the plan's results have a column, in the order of planning::kPlanResults.
using PlanColumns = std::array<bool, planning::kPlanResults.size()>;

constexpr PlanColumns ColumnsOf(std::initializer_list<planning::PlanResult> results) {
    PlanColumns columns{};
    for (const planning::PlanResult result : results)
        columns[static_cast<std::size_t>(result)] = true;
    return columns;
}

// Writes the rows of a run, a single run being a table of one row without input columns: the
// input cells a row carries followed by the nine results, as CSV (a header, then a record a
// row), as TSV (the same, with tabs and LF) or as JSON (one object a line); text is written as
// TSV, for a table to be laid out from it. A row without captions has empty results (JSON: null).
// The rows of a plan have the plan's results before the nine, empty (null) where it has none.
class RowWriter {
public:
    using PlanResults = decltype(planning::Plan::results);
    using PlanColumns = cli::PlanColumns;
    // A batch's plan row: a month's goal solved for the impressions, without months.
    static constexpr PlanColumns kBatchPlanColumns =
        ColumnsOf({planning::PlanResult::TodayImpressions, planning::PlanResult::TodayEarnings,
                   planning::PlanResult::NeededImpressions, planning::PlanResult::NeededPageViews,
                   planning::PlanResult::NeededClicks, planning::PlanResult::NeededEcpm,
                   planning::PlanResult::TrafficChange});

    // What a batch's plan rows add to those for the inputs its file has columns for: the eCPM a
    // CPC makes, the page RPM where page views are counted, and below a share the net beside
    // the gross.
    struct BatchInputs {
        bool cpc = false;
        bool pageViews = false; // page views, ads per page or fill rate
        bool share = false;
    };
    static PlanColumns BatchPlanColumns(const BatchInputs& inputs);

    // Columns are the names of the input cells; per is the period of today's earnings.
    RowWriter(const Output& output, std::vector<std::string> columns,
              const PlanColumns& planColumns = {}, calc::Period per = calc::Period::Month);

    const std::vector<std::string>& columns() const { return columns_; }

    // The CSV or TSV header record, unless left out; JSON has none.
    void appendHeader(std::string& out) const;

    void appendRow(std::string& out, const std::vector<std::string>& cells,
                   const calc::Captions* captions, const PlanResults* plan = nullptr) const;

    // A run's one record, without input columns: for text, aligned lines of a heading and its
    // caption; otherwise the header and the row.
    std::string record(const calc::Captions& captions, const PlanResults* plan = nullptr) const;

private:
    void appendDelimitedRow(std::string& out, const std::vector<std::string>& cells,
                            const calc::Captions* captions, const PlanResults* plan) const;
    void appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                       const calc::Captions* captions, const PlanResults* plan) const;
    void appendResultField(std::string& out, const std::string* caption) const;
    std::string extraName(std::size_t index) const;
    // The amounts are shown gross beside their net, below a whole share.
    bool gross() const {
        return planColumns_[static_cast<std::size_t>(planning::PlanResult::NetDaily)];
    }

    Output output_;
    Delimited delimited_;
    std::vector<std::string> columns_;
    PlanColumns planColumns_;
    calc::Period per_;
};

} // namespace cli
