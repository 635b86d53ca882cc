// SPDX-License-Identifier: MIT
#pragma once

#include "projection.h"
#include "single_output.h"

#include <string>
#include <vector>

namespace cli {

// Writes the rows of a run, a single run being a table of one row without input columns: the
// input cells a row carries followed by the nine results, as CSV (a header, then a record a
// row) or as JSON (one object a line). A row without captions has empty results (JSON: null).
class RowWriter {
public:
    // The format is Csv or Json; columns are the names of the input cells.
    RowWriter(const Output& output, std::vector<std::string> columns);

    const std::vector<std::string>& columns() const { return columns_; }

    // The CSV header record, unless left out; JSON has none.
    void appendHeader(std::string& out) const;

    void appendRow(std::string& out, const std::vector<std::string>& cells,
                   const calc::Captions* captions) const;

private:
    void appendCsvRow(std::string& out, const std::vector<std::string>& cells,
                      const calc::Captions* captions) const;
    void appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                       const calc::Captions* captions) const;
    std::string extraName(std::size_t index) const;

    Output output_;
    std::vector<std::string> columns_;
};

} // namespace cli
