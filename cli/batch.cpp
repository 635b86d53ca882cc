// SPDX-License-Identifier: MIT
#include "batch.h"

#include "csv_reader.h"
#include "fields.h"
#include "projection.h"
#include "row_writer.h"

#include <QByteArray>
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
        if (!writer_)
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
        if (!writer_)
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
        const std::vector<std::string>& header = record.fields;
        std::set<std::string> seen;
        for (std::size_t i = 0; i < header.size(); ++i) {
            const std::string& name = header[i];
            const QByteArray lower = QByteArray::fromStdString(name).toLower();
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
        writer_.emplace(format_, header);
        writer_->appendHeader(buffer_);
        return true;
    }

    void takeRow(const CsvRecord& record) {
        const auto& cells = record.fields;
        const std::size_t columns = writer_->columns().size();
        Figures figures;
        for (const Figure figure : kAllFigures) {
            const auto& column = figures_.column[static_cast<std::size_t>(figure)];
            if (column && *column < cells.size() && !cells[*column].empty())
                figures[figure] = cells[*column];
        }
        std::optional<Captions> captions;
        if (cells.size() != columns) {
            report(record.line, std::to_string(cells.size()) + " fields where the header has " +
                                    std::to_string(columns));
        } else if (auto projection = Project(figures);
                   std::holds_alternative<Problem>(projection)) {
            report(record.line, Describe(std::get<Problem>(projection)));
        } else {
            captions = std::move(std::get<Captions>(projection));
        }

        writer_->appendRow(buffer_, cells, captions ? &*captions : nullptr);
        flush(kFlushSize);
    }

    void report(long line, const std::string& what) {
        ++badRows_;
        err_ << kProgramName << ": " << Line(line) << what << '\n';
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
    std::optional<RowWriter> writer_; // from the header on
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
