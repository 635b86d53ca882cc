// SPDX-License-Identifier: MIT
#include "row_writer.h"

#include "csv_output.h"
#include "fields.h"
#include "json_output.h"

namespace cli {

RowWriter::RowWriter(Format format, std::vector<std::string> columns)
    : format_(format), columns_(std::move(columns)) {}

void RowWriter::appendHeader(std::string& out) const {
    if (format_ != Format::Csv)
        return;
    for (const std::string& column : columns_) {
        AppendCsvField(out, column);
        out += ',';
    }
    AppendCsvResultHeader(out);
    out += kCsvRecordEnd;
}

void RowWriter::appendRow(std::string& out, const std::vector<std::string>& cells,
                          const Captions* captions) const {
    if (format_ == Format::Csv)
        appendCsvRow(out, cells, captions);
    else
        appendJsonRow(out, cells, captions);
}

void RowWriter::appendCsvRow(std::string& out, const std::vector<std::string>& cells,
                             const Captions* captions) const {
    for (const std::string& cell : cells) {
        AppendCsvField(out, cell);
        out += ',';
    }
    // A short row is filled up, so that the results stay under their headings.
    for (std::size_t i = cells.size(); i < columns_.size(); ++i)
        out += ',';
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        if (field > 0)
            out += ',';
        if (captions)
            AppendCsvField(out, (*captions)[field]);
    }
    out += kCsvRecordEnd;
}

void RowWriter::appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                              const Captions* captions) const {
    out += '{';
    for (std::size_t i = 0; i < cells.size(); ++i) {
        // Cells beyond the header have no name of their own: they are named by position.
        AppendJsonString(out,
                         i < columns_.size() ? columns_[i] : "column " + std::to_string(i + 1));
        out += ':';
        AppendJsonString(out, cells[i]);
        out += ',';
    }
    AppendJsonResults(out, captions);
    out += "}\n";
}

} // namespace cli
