// SPDX-License-Identifier: MIT
#include "cli/batch.h"

#include "cli/batch_row.h"
#include "cli/columns.h"
#include "cli/csv_reader.h"
#include "cli/ordered_blocks.h"
#include "cli/row_writer.h"
#include "cli/text_table.h"
#include "planning/plan.h"

#include <QByteArray>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>

namespace cli {
namespace {

// Enough rows that a second thread pays for its start many times over, few enough that two
// blocks and their output stay small; the chunks are what the two threads take turns at.
constexpr std::size_t kBlockRows = 8192;
constexpr std::size_t kBlockBytes = 1 << 20;
constexpr std::size_t kChunkRows = 256;

// "a", "b": the names as a person reads them.
std::string Listed(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + Quoted(name);
    return list;
}

class Batch {
public:
    Batch(std::ostream& out, std::ostream& err, const Output& output)
        : out_(out), err_(err), output_(output) {}

    bool take(const CsvRecord& record) {
        if (!writer_)
            return takeHeader(record);
        return takeRow(record);
    }

    // The input pauses: the rows read so far are answered now, not once a block is full. A text
    // table waits for its last row in any case.
    bool pause() {
        if (stopped_ || !writer_ || output_.format == Format::Text)
            return !stopped_;
        blocks_->finish(done_);
        report();
        return flush(0);
    }

    int finish(const CsvReadResult& read) {
        if (!stopped_ && writer_) {
            blocks_->finish(done_);
            report();
        }
        if (!stopped_ && output_.format == Format::Text)
            done_.out = AlignedTable(done_.out, writer_ ? writer_->columns().size() : 0);
        if (!stopped_)
            flush(0);
        if (stopped_)
            return kExitBadInput;
        if (!read.ok)
            return fail(read.inputFailed ? read.message : Line(read.line) + read.message);
        if (!writer_)
            return fail("the input has no header row");
        return badRows_ ? kExitBadRows : kExitOk;
    }

private:
    int fail(const std::string& message) {
        ErrorLine(err_) << message << '\n';
        stopped_ = true;
        return kExitBadInput;
    }

    void warn(long line, const std::string& message) {
        ErrorLine(err_) << Line(line) << "warning: " << message << '\n';
    }

    bool takeHeader(const CsvRecord& record) {
        const std::vector<std::string>& header = record.fields;
        // A file saved with tabs reads as one column.
        if (header.size() == 1 && header[0].find('\t') != std::string::npos)
            warn(record.line, "the columns must be separated by \",\" or \";\", not by a tab");
        figures_.notation =
            record.separator == ';' ? calc::Notation::DecimalComma : calc::Notation::DecimalPoint;
        for (std::size_t i = 0; i < header.size(); ++i) {
            const std::string& name = header[i];
            if (const auto figure = FigureOfColumn(name)) {
                auto& column = figures_.column[static_cast<std::size_t>(*figure)];
                if (column) {
                    fail(Line(record.line) + "two columns hold " + FigureName(*figure));
                    return false;
                }
                column = i;
            } else if (const auto input = PlanColumnOf(name)) {
                auto& column = figures_.plan[static_cast<std::size_t>(*input)];
                if (column) {
                    fail(Line(record.line) + "two columns hold " + planning::PlanInputName(*input));
                    return false;
                }
                column = i;
            } else if (IsPaidPerColumn(name)) {
                if (figures_.paidPer) {
                    fail(Line(record.line) + "two columns hold paid_per");
                    return false;
                }
                figures_.paidPer = i;
            } else if (const auto meant = MisspeltColumn(name)) {
                warn(record.line, "the column " + Quoted(name) +
                                      " is carried through; did you mean " + *meant + "?");
            }
        }
        if (std::ranges::none_of(figures_.column,
                                 [](const auto& column) { return column.has_value(); })) {
            fail(Line(record.line) + "no figure column among " + Listed(header) +
                 "; expected impressions, ctr, clicks or ecpm");
            return false;
        }
        // Every column of the output needs a name of its own, as written: JSON writes bytes
        // that are not UTF-8 as U+FFFD.
        std::set<std::string> seen;
        std::set<std::string> folded;
        for (const std::string& name : header) {
            const std::string written = output_.format == Format::Json ? Quoted(name) : name;
            if (!seen.insert(written).second) {
                fail(Line(record.line) + "two columns are named " + Quoted(name));
                return false;
            }
            folded.insert(QByteArray::fromStdString(name).trimmed().toLower().toStdString());
        }
        using planning::PlanInput;
        const auto has = [&](PlanInput input) {
            return figures_.plan[static_cast<std::size_t>(input)].has_value();
        };
        const RowWriter::PlanColumns planColumns =
            figures_.planned() ? RowWriter::BatchPlanColumns({has(PlanInput::CPC),
                                                              has(PlanInput::PageViews) ||
                                                                  has(PlanInput::AdsPerPage) ||
                                                                  has(PlanInput::FillRate),
                                                              has(PlanInput::Share)})
                               : RowWriter::PlanColumns{};
        std::vector<const char*> results;
        for (std::size_t result = 0; result < planning::kPlanResults.size(); ++result) {
            if (planColumns[result])
                results.push_back(planning::kPlanResults[result].field);
        }
        for (const calc::Result& result : calc::kResults)
            results.push_back(result.field);
        // Names are read trimmed and case-free: " Daily" would be taken for the result.
        for (const char* result : results) {
            if (folded.contains(result)) {
                fail(Line(record.line) + "a column has the name of the result " + Quoted(result));
                return false;
            }
        }
        writer_.emplace(output_, header, planColumns);
        writer_->appendHeader(done_.out);
        blocks_.emplace([this](const BatchRow& row,
                               Worked& worked) { WorkRow(row, figures_, *writer_, worked); },
                        kBlockRows, kBlockBytes, kChunkRows);
        return true;
    }

    bool takeRow(const CsvRecord& record) {
        BatchRow& row = blocks_->next();
        row.line = record.line;
        row.cells.resize(record.fields.size());
        std::size_t bytes = 0;
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            row.cells[i].assign(record.fields[i]);
            bytes += record.fields[i].size();
        }
        if (!blocks_->push(bytes, done_))
            return true;
        report();
        // A text table is laid out once its widest field is known.
        return output_.format == Format::Text || flush(kFlushSize);
    }

    // The problems of the rows worked out, each on a line of its own.
    void report() {
        for (const std::string& problem : done_.problems)
            ErrorLine(err_) << problem << '\n';
        badRows_ += static_cast<long>(done_.problems.size());
        done_.problems.clear();
    }

    // False when the output could not be written: reading on would be in vain. All of it is
    // sent on at once when atLeast is 0.
    bool flush(std::size_t atLeast) {
        if (done_.out.size() < atLeast)
            return true;
        errno = 0;
        out_.write(done_.out.data(), static_cast<std::streamsize>(done_.out.size()));
        if (atLeast == 0)
            out_.flush();
        done_.out.clear();
        if (out_)
            return true;
        fail(WriteFailure());
        return false;
    }

    static constexpr std::size_t kFlushSize = 1 << 16;

    std::ostream& out_;
    std::ostream& err_;
    Output output_;
    std::optional<RowWriter> writer_; // from the header on
    FigureColumns figures_;
    std::optional<OrderedBlocks<BatchRow, Worked>> blocks_; // from the header on
    Worked done_;                                           // its output is the buffer written out
    long badRows_ = 0;
    bool stopped_ = false;
};

} // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const Output& output) {
    Batch batch(out, err, output);
    const CsvReadResult read = ReadCsv(
        in, [&](const CsvRecord& record) { return batch.take(record); },
        [&] { return batch.pause(); });
    return batch.finish(read);
}

} // namespace cli
