// SPDX-License-Identifier: MIT
#include "batch.h"

#include "columns.h"
#include "csv_reader.h"
#include "plan.h"
#include "projection.h"
#include "row_writer.h"

#include <algorithm>
#include <optional>
#include <set>

namespace cli {
namespace {

std::string Line(long number) {
    return "line " + std::to_string(number) + ": ";
}

// "a", "b": the names as a person reads them.
std::string Listed(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + Quoted(name);
    return list;
}

// Where the figures stand among the columns, and a plan's other inputs.
struct FigureColumns {
    std::array<std::optional<std::size_t>, kAllFigures.size()> column;
    std::array<std::optional<std::size_t>, calc::kAllPlanInputs.size()> plan;

    bool planned() const {
        return std::ranges::any_of(plan, [](const auto& at) { return at.has_value(); });
    }
};

// The cell in the column, when the row has one and it is not empty.
const std::string* CellAt(const std::vector<std::string>& cells,
                          const std::optional<std::size_t>& column) {
    return column && *column < cells.size() && !cells[*column].empty() ? &cells[*column] : nullptr;
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

    int finish(const CsvReadResult& read, bool inputFailed) {
        if (!stopped_)
            flush(0);
        if (stopped_)
            return kExitBadInput;
        if (inputFailed)
            return fail("cannot read the input");
        if (!read.ok)
            return fail(Line(read.line) + read.message);
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
        // A file saved with another separator reads as one column.
        if (header.size() == 1 && header[0].find_first_of(";\t") != std::string::npos)
            warn(record.line, "the columns must be separated by \",\", not by \";\" or a tab");
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
                    fail(Line(record.line) + "two columns hold " + calc::PlanInputName(*input));
                    return false;
                }
                column = i;
            } else if (const auto meant = MisspeltFigure(name)) {
                warn(record.line, "the column " + Quoted(name) +
                                      " is carried through; did you mean " + FigureName(*meant) +
                                      "?");
            }
        }
        if (std::ranges::none_of(figures_.column,
                                 [](const auto& column) { return column.has_value(); })) {
            fail(Line(record.line) + "no figure column among " + Listed(header) +
                 "; expected impressions, ctr, clicks or ecpm");
            return false;
        }
        // Every column of the output needs a name of its own.
        std::set<std::string> seen;
        for (const std::string& name : header) {
            if (!seen.insert(name).second) {
                fail(Line(record.line) + "two columns are named " + Quoted(name));
                return false;
            }
        }
        std::vector<const char*> results;
        for (const calc::NeededResult& result : calc::kNeededResults) {
            if (figures_.planned())
                results.push_back(result.field);
        }
        for (const calc::Result& result : calc::kResults)
            results.push_back(result.field);
        for (const char* result : results) {
            if (seen.contains(result)) {
                fail(Line(record.line) + "a column has the name of the result " + Quoted(result));
                return false;
            }
        }
        writer_.emplace(output_, header, figures_.planned());
        writer_->appendHeader(buffer_);
        return true;
    }

    bool takeRow(const CsvRecord& record) {
        const auto& cells = record.fields;
        const std::size_t columns = writer_->columns().size();
        Figures figures;
        for (const Figure figure : kAllFigures) {
            if (const std::string* cell =
                    CellAt(cells, figures_.column[static_cast<std::size_t>(figure)]))
                figures[figure] = *cell;
        }
        std::optional<calc::Captions> captions;
        if (cells.size() != columns) {
            report(record.line, std::to_string(cells.size()) + " fields where the header has " +
                                    std::to_string(columns));
        } else if (plansRow(cells)) {
            return takePlanRow(record, figures);
        } else if (auto projection = Project(figures);
                   std::holds_alternative<Problem>(projection)) {
            report(record.line, std::get<Problem>(projection).description);
        } else {
            captions = std::move(std::get<calc::Captions>(projection));
        }

        writer_->appendRow(buffer_, cells, captions ? &*captions : nullptr);
        return flush(kFlushSize);
    }

    // A row with a goal or page views is a plan's; others are the calculator's as ever.
    bool plansRow(const std::vector<std::string>& cells) const {
        return std::ranges::any_of(figures_.plan,
                                   [&](const auto& column) { return CellAt(cells, column); });
    }

    bool takePlanRow(const CsvRecord& record, const Figures& figures) {
        const calc::Plan* plan = nullptr;
        calc::PlanAnswer answer;
        if (figures[Figure::Clicks]) {
            report(record.line, "a plan takes the CTR, not the clicks");
        } else {
            calc::PlanTexts texts;
            texts[calc::PlanInput::Impressions] = figures[Figure::Impressions].value_or("");
            texts[calc::PlanInput::CTR] = figures[Figure::CTR].value_or("");
            texts[calc::PlanInput::ECPM] = figures[Figure::ECPM].value_or("");
            for (const calc::PlanInput input : calc::kAllPlanInputs) {
                if (const std::string* cell =
                        CellAt(record.fields, figures_.plan[static_cast<std::size_t>(input)]))
                    texts[input] = *cell;
            }
            answer = calc::MakePlan(texts);
            plan = std::get_if<calc::Plan>(&answer);
            if (!plan)
                report(record.line, std::get<calc::PlanRefusal>(answer).sentence);
        }
        writer_->appendRow(buffer_, record.fields, plan ? &plan->figures : nullptr,
                           plan ? &plan->needed : nullptr);
        return flush(kFlushSize);
    }

    void report(long line, const std::string& what) {
        ++badRows_;
        ErrorLine(err_) << Line(line) << what << '\n';
    }

    // False when the output could not be written: reading on would be in vain.
    bool flush(std::size_t atLeast) {
        if (buffer_.size() < atLeast)
            return true;
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
        if (out_)
            return true;
        fail("cannot write the output");
        return false;
    }

    static constexpr std::size_t kFlushSize = 1 << 16;

    std::ostream& out_;
    std::ostream& err_;
    Output output_;
    std::optional<RowWriter> writer_; // from the header on
    FigureColumns figures_;
    std::string buffer_;
    long badRows_ = 0;
    bool stopped_ = false;
};

} // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const Output& output) {
    Batch batch(out, err, output);
    const CsvReadResult read =
        ReadCsv(in, [&](const CsvRecord& record) { return batch.take(record); });
    return batch.finish(read, in.bad());
}

} // namespace cli
