// SPDX-License-Identifier: MIT
#include "cli/row_writer.h"

#include "calc/conversions.h"
#include "cli/csv_output.h"
#include "cli/json_output.h"
#include "cli/text_table.h"

#include <algorithm>

namespace cli {

// A text table is laid out from TSV once every row is in.
RowWriter::RowWriter(const Output& output, std::vector<std::string> columns,
                     const NeededColumns& needed)
    : output_(output), delimited_(output.format == Format::Csv ? kCsv : kTsv),
      columns_(std::move(columns)), needed_(needed) {}

void RowWriter::appendHeader(std::string& out) const {
    if (output_.format == Format::Json || !output_.header)
        return;
    for (const std::string& column : columns_) {
        delimited_.appendField(out, column);
        out += delimited_.separator;
    }
    for (std::size_t field = 0; field < planning::kNeededResults.size(); ++field) {
        if (needed_[field])
            out += std::string(planning::kNeededResults[field].field) + delimited_.separator;
    }
    AppendResultHeader(out, delimited_.separator);
    out += delimited_.recordEnd;
}

void RowWriter::appendRow(std::string& out, const std::vector<std::string>& cells,
                          const calc::Captions* captions, const Needed* needed) const {
    if (output_.format != Format::Json)
        appendDelimitedRow(out, cells, captions, needed);
    else
        appendJsonRow(out, cells, captions, needed);
}

// A result's field: its caption, its number or, without a result, nothing.
void RowWriter::appendResultField(std::string& out, const std::string* caption) const {
    if (caption && output_.numbers)
        out += calc::CaptionNumber(*caption);
    else if (caption)
        delimited_.appendField(out, *caption);
}

void RowWriter::appendDelimitedRow(std::string& out, const std::vector<std::string>& cells,
                                   const calc::Captions* captions, const Needed* needed) const {
    for (const std::string& cell : cells) {
        delimited_.appendField(out, cell);
        out += delimited_.separator;
    }
    // A short row is filled up, so that the results stay under their headings.
    for (std::size_t i = cells.size(); i < columns_.size(); ++i)
        out += delimited_.separator;
    for (std::size_t field = 0; field < planning::kNeededResults.size(); ++field) {
        if (!needed_[field])
            continue;
        appendResultField(out, needed && (*needed)[field] ? &*(*needed)[field] : nullptr);
        out += delimited_.separator;
    }
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        if (field > 0)
            out += delimited_.separator;
        appendResultField(out, captions ? &(*captions)[field] : nullptr);
    }
    out += delimited_.recordEnd;
}

void RowWriter::appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                              const calc::Captions* captions, const Needed* needed) const {
    out += '{';
    // A short row keeps its missing columns, empty, as CSV and TSV do.
    for (std::size_t i = 0; i < std::max(cells.size(), columns_.size()); ++i) {
        AppendJsonString(out, i < columns_.size() ? columns_[i] : extraName(i));
        out += ':';
        AppendJsonString(out, i < cells.size() ? cells[i] : std::string());
        out += ',';
    }
    for (std::size_t field = 0; field < planning::kNeededResults.size(); ++field) {
        if (!needed_[field])
            continue;
        const std::optional<std::string>* caption = needed ? &(*needed)[field] : nullptr;
        if (caption && *caption) {
            AppendJsonFigure(out, planning::kNeededResults[field].field, **caption);
        } else {
            AppendJsonString(out, planning::kNeededResults[field].field);
            out += ":null";
        }
        out += ',';
    }
    AppendJsonResults(out, captions);
    out += "}\n";
}

std::string RowWriter::record(const calc::Captions& captions, const Needed* needed) const {
    std::string out;
    if (output_.format != Format::Text) {
        appendHeader(out);
        appendRow(out, {}, &captions, needed);
        return out;
    }
    const auto appendLine = [&](std::string_view heading, std::string_view caption) {
        ((out += heading) += '\t') += caption;
        out += '\n';
    };
    for (std::size_t field = 0; field < planning::kNeededResults.size(); ++field) {
        if (needed_[field] && needed && (*needed)[field])
            appendLine(planning::kNeededResults[field].heading, *(*needed)[field]);
    }
    for (std::size_t field = 0; field < calc::kResults.size(); ++field)
        appendLine(calc::kResults[field].heading, captions[field]);
    return AlignedTable(out, 2);
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
