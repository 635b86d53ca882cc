// SPDX-License-Identifier: MIT
#include "row_writer.h"

#include "conversions.h"
#include "csv_output.h"
#include "json_output.h"

#include <algorithm>

namespace cli {

RowWriter::RowWriter(const Output& output, std::vector<std::string> columns, bool needed)
    : output_(output), columns_(std::move(columns)), needed_(needed) {}

void RowWriter::appendHeader(std::string& out) const {
    if (output_.format != Format::Csv || !output_.header)
        return;
    for (const std::string& column : columns_) {
        AppendCsvField(out, column);
        out += ',';
    }
    for (const calc::NeededResult& result : calc::kNeededResults) {
        if (needed_)
            out += std::string(result.field) + ',';
    }
    AppendCsvResultHeader(out);
    out += kCsvRecordEnd;
}

void RowWriter::appendRow(std::string& out, const std::vector<std::string>& cells,
                          const calc::Captions* captions, const Needed* needed) const {
    if (output_.format == Format::Csv)
        appendCsvRow(out, cells, captions, needed);
    else
        appendJsonRow(out, cells, captions, needed);
}

// A result's field: its caption, its number or, without a result, nothing.
void RowWriter::appendCsvField(std::string& out, const std::string* caption) const {
    if (caption && output_.numbers)
        out += calc::CaptionNumber(*caption);
    else if (caption)
        AppendCsvField(out, *caption);
}

void RowWriter::appendCsvRow(std::string& out, const std::vector<std::string>& cells,
                             const calc::Captions* captions, const Needed* needed) const {
    for (const std::string& cell : cells) {
        AppendCsvField(out, cell);
        out += ',';
    }
    // A short row is filled up, so that the results stay under their headings.
    for (std::size_t i = cells.size(); i < columns_.size(); ++i)
        out += ',';
    for (std::size_t field = 0; needed_ && field < calc::kNeededResults.size(); ++field) {
        appendCsvField(out, needed && (*needed)[field] ? &*(*needed)[field] : nullptr);
        out += ',';
    }
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        if (field > 0)
            out += ',';
        appendCsvField(out, captions ? &(*captions)[field] : nullptr);
    }
    out += kCsvRecordEnd;
}

void RowWriter::appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                              const calc::Captions* captions, const Needed* needed) const {
    out += '{';
    for (std::size_t i = 0; i < cells.size(); ++i) {
        AppendJsonString(out, i < columns_.size() ? columns_[i] : extraName(i));
        out += ':';
        AppendJsonString(out, cells[i]);
        out += ',';
    }
    for (std::size_t field = 0; needed_ && field < calc::kNeededResults.size(); ++field) {
        const std::optional<std::string>* caption = needed ? &(*needed)[field] : nullptr;
        if (caption && *caption) {
            AppendJsonFigure(out, calc::kNeededResults[field].field, **caption);
        } else {
            AppendJsonString(out, calc::kNeededResults[field].field);
            out += ":null";
        }
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
