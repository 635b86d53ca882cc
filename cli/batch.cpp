// SPDX-License-Identifier: MIT
#include "batch.h"

#include "csv_output.h"
#include "csv_reader.h"
#include "fields.h"
#include "json_output.h"
#include "projection.h"

#include <algorithm>
#include <optional>
#include <set>

namespace cli {
namespace {

std::string Line(long number) {
    return "line " + std::to_string(number) + ": ";
}

// Where the figures stand among the columns.
struct FigureColumns {
    std::array<std::optional<std::size_t>, kAllFigures.size()> column;
};

class Batch {
public:
    Batch(std::ostream& out, std::ostream& err, Format format)
        : out_(out), err_(err), format_(format) {}

    bool take(const CsvRecord& record) {
        if (!header_)
            return takeHeader(record);
        takeRow(record);
        return true;
    }

    int finish(const CsvReadResult& read, bool inputFailed) {
        flush(0);
        if (inputFailed)
            return fail("cannot read the input");
        if (!read.ok)
            return fail(Line(read.line) + read.message);
        if (stopped_)
            return kExitBadInput;
        if (!header_)
            return fail("the input has no header row");
        return badRows_ ? kExitBadRows : kExitOk;
    }

private:
    int fail(const std::string& message) {
        err_ << kProgramName << ": " << message << '\n';
        stopped_ = true;
        return kExitBadInput;
    }

    bool takeHeader(const CsvRecord& record) {
        header_ = record.fields;
        std::set<std::string> seen;
        for (std::size_t i = 0; i < header_->size(); ++i) {
            const std::string& name = (*header_)[i];
            std::string lower = name;
            std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
                return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a')
                                            : static_cast<char>(c);
            });
            for (const Figure figure : kAllFigures) {
                if (lower != FigureName(figure))
                    continue;
                auto& column = figures_.column[static_cast<std::size_t>(figure)];
                if (column) {
                    fail(Line(record.line) + "two columns hold " + FigureName(figure));
                    return false;
                }
                column = i;
            }
            // The members of one JSON object need names of their own.
            if (format_ == Format::Json && !seen.insert(name).second) {
                fail(Line(record.line) + "two columns are named " + Quoted(name));
                return false;
            }
        }
        if (format_ == Format::Json) {
            for (std::size_t field = 0; field < kFieldCount; ++field) {
                if (seen.contains(FieldName(field))) {
                    fail(Line(record.line) + "a column has the name of the result " +
                         Quoted(FieldName(field)));
                    return false;
                }
            }
        }
        if (format_ == Format::Csv) {
            appendCsvCells(header_->data(), header_->size());
            AppendCsvResultHeader(buffer_);
            buffer_ += kCsvRecordEnd;
        }
        return true;
    }

    void takeRow(const CsvRecord& record) {
        const auto& cells = record.fields;
        std::optional<Problem> problem;
        Figures figures;
        for (const Figure figure : kAllFigures) {
            const auto& column = figures_.column[static_cast<std::size_t>(figure)];
            if (column && *column < cells.size() && !cells[*column].empty())
                figures[figure] = cells[*column];
        }
        std::optional<Captions> captions;
        if (cells.size() != header_->size()) {
            report(record.line, std::to_string(cells.size()) + " fields where the header has " +
                                    std::to_string(header_->size()));
        } else if (auto projection = Project(figures);
                   std::holds_alternative<Problem>(projection)) {
            report(record.line, Describe(std::get<Problem>(projection)));
        } else {
            captions = std::move(std::get<Captions>(projection));
        }

        if (format_ == Format::Csv)
            appendCsvRow(cells, captions ? &*captions : nullptr);
        else
            appendJsonRow(cells, captions ? &*captions : nullptr);
        flush(kFlushSize);
    }

    void report(long line, const std::string& what) {
        ++badRows_;
        err_ << kProgramName << ": " << Line(line) << what << '\n';
    }

    void appendCsvCells(const std::string* cells, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            AppendCsvField(buffer_, cells[i]);
            buffer_ += ',';
        }
    }

    void appendCsvRow(const std::vector<std::string>& cells, const Captions* captions) {
        appendCsvCells(cells.data(), cells.size());
        // A short row is filled up, so that the results stay under their headings.
        for (std::size_t i = cells.size(); i < header_->size(); ++i)
            buffer_ += ',';
        for (std::size_t field = 0; field < kFieldCount; ++field) {
            if (field > 0)
                buffer_ += ',';
            if (captions)
                AppendCsvField(buffer_, (*captions)[field]);
        }
        buffer_ += kCsvRecordEnd;
    }

    void appendJsonRow(const std::vector<std::string>& cells, const Captions* captions) {
        buffer_ += '{';
        for (std::size_t i = 0; i < cells.size(); ++i) {
            // Cells beyond the header have no name of their own: they are named by position.
            AppendJsonString(buffer_, i < header_->size() ? (*header_)[i]
                                                          : "column " + std::to_string(i + 1));
            buffer_ += ':';
            AppendJsonString(buffer_, cells[i]);
            buffer_ += ',';
        }
        AppendJsonResults(buffer_, captions);
        buffer_ += "}\n";
    }

    void flush(std::size_t atLeast) {
        if (buffer_.size() < atLeast)
            return;
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

    static constexpr std::size_t kFlushSize = 1 << 16;

    std::ostream& out_;
    std::ostream& err_;
    Format format_;
    std::optional<std::vector<std::string>> header_;
    FigureColumns figures_;
    std::string buffer_;
    long badRows_ = 0;
    bool stopped_ = false;
};

} // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, Format format) {
    Batch batch(out, err, format);
    const CsvReadResult read =
        ReadCsv(in, [&](const CsvRecord& record) { return batch.take(record); });
    return batch.finish(read, in.bad());
}

} // namespace cli
