// SPDX-License-Identifier: MIT
#pragma once

#include "cli/csv_output.h"
#include "cli/projection.h"
#include "cli/single_output.h"
#include "planning/plan.h"

#include <array>
#include <string>
#include <vector>

namespace cli {

// Writes the rows of a run, a single run being a table of one row without input columns: the
// input cells a row carries followed by the nine results, as CSV (a header, then a record a
// row), as TSV (the same, with tabs and LF) or as JSON (one object a line); text is written as
// TSV, for a table to be laid out from it. A row without captions has empty results (JSON: null).
// The rows of a plan have the needed figures before the nine, empty (null) where not asked.
class RowWriter {
public:
    using Needed = decltype(planning::Plan::needed);
    // Which of the needed figures have a column, in the order of planning::kNeededResults.
    using NeededColumns = std::array<bool, planning::kNeededResults.size()>;
    static constexpr NeededColumns kEveryNeeded = {true, true, true, true};

    // Columns are the names of the input cells.
    RowWriter(const Output& output, std::vector<std::string> columns,
              const NeededColumns& needed = {});

    const std::vector<std::string>& columns() const { return columns_; }

    // The CSV or TSV header record, unless left out; JSON has none.
    void appendHeader(std::string& out) const;

    void appendRow(std::string& out, const std::vector<std::string>& cells,
                   const calc::Captions* captions, const Needed* needed = nullptr) const;

    // A run's one record, without input columns: for text, aligned lines of a heading and its
    // caption; otherwise the header and the row.
    std::string record(const calc::Captions& captions, const Needed* needed = nullptr) const;

private:
    void appendDelimitedRow(std::string& out, const std::vector<std::string>& cells,
                            const calc::Captions* captions, const Needed* needed) const;
    void appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                       const calc::Captions* captions, const Needed* needed) const;
    void appendResultField(std::string& out, const std::string* caption) const;
    std::string extraName(std::size_t index) const;

    Output output_;
    Delimited delimited_;
    std::vector<std::string> columns_;
    NeededColumns needed_;
};

} // namespace cli
