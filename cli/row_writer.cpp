// SPDX-License-Identifier: MIT
#include "row_writer.h"

#include "conversions.h"
#include "csv_output.h"
#include "json_output.h"

#include <algorithm>

namespace cli {

RowWriter::RowWriter(const Output& output, std::vector<std::string> columns)
    : output_(output), columns_(std::move(columns)) {}

void RowWriter::appendHeader(std::string& out) const {
    if (output_.format != Format::Csv || !output_.header)
        return;
    for (const std::string& column : columns_) {
        AppendCsvField(out, column);
        out += ',';
    }
    AppendCsvResultHeader(out);
    out += kCsvRecordEnd;
}

void RowWriter::appendRow(std::string& out, const std::vector<std::string>& cells,
                          const calc::Captions* captions) const {
    if (output_.format == Format::Csv)
        appendCsvRow(out, cells, captions);
    else
        appendJsonRow(out, cells, captions);
}

void RowWriter::appendCsvRow(std::string& out, const std::vector<std::string>& cells,
                             const calc::Captions* captions) const {
    for (const std::string& cell : cells) {
        AppendCsvField(out, cell);
        out += ',';
    }
    // A short row is filled up, so that the results stay under their headings.
    for (std::size_t i = cells.size(); i < columns_.size(); ++i)
        out += ',';
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        if (field > 0)
            out += ',';
        if (captions && output_.numbers)
            out += calc::CaptionNumber((*captions)[field]);
        else if (captions)
            AppendCsvField(out, (*captions)[field]);
    }
    out += kCsvRecordEnd;
}

void RowWriter::appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                              const calc::Captions* captions) const {
    out += '{';
    for (std::size_t i = 0; i < cells.size(); ++i) {
        AppendJsonString(out, i < columns_.size() ? columns_[i] : extraName(i));
        out += ':';
        AppendJsonString(out, cells[i]);
        out += ',';
    }
    AppendJsonResults(out, captions);
    out += "}\n";
}

// Cells beyond the header have no name of their own: they are named by position, and kept
// apart from a column that already bears that name.
std::string RowWriter::extraName(std::size_t index) const {
    const std::string byPosition = "column " + std::to_string(index + 1);
    std::string name = byPosition;
    for (int copy = 2; std::ranges::find(columns_, name) != columns_.end(); ++copy)
        name = byPosition + " (" + std::to_string(copy) + ")";
    return name;
}

} // namespace cli
