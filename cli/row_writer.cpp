// SPDX-License-Identifier: MIT
#include "cli/row_writer.h"

#include "calc/conversions.h"
#include "cli/csv_output.h"
#include "cli/json_output.h"
#include "cli/text_table.h"

#include <algorithm>
#include <cctype>

namespace cli {
namespace {

// What the pay adds (the eCPM a CPC makes) follows the nine; the plan's other results go
// before them.
bool AfterTheNine(std::size_t field) {
    return planning::kPlanResults[field].block == planning::ResultBlock::Pay;
}

} // namespace

RowWriter::PlanColumns RowWriter::BatchPlanColumns(const BatchInputs& inputs) {
    using planning::PlanResult;
    PlanColumns columns = kBatchPlanColumns;
    const auto add = [&](bool when, std::initializer_list<PlanResult> results) {
        for (const PlanResult result : results)
            columns[static_cast<std::size_t>(result)] =
                columns[static_cast<std::size_t>(result)] || when;
    };
    add(inputs.cpc, {PlanResult::EcpmFromCpc});
    add(inputs.pageViews, {PlanResult::PageRpm});
    add(inputs.share, {PlanResult::NetTodayEarnings, PlanResult::NetDaily, PlanResult::NetWeekly,
                       PlanResult::NetMonthly, PlanResult::NetYearly});
    add(inputs.share && inputs.pageViews, {PlanResult::NetPageRpm});
    return columns;
}

// A text table is laid out from TSV once every row is in.
RowWriter::RowWriter(const Output& output, std::vector<std::string> columns,
                     const PlanColumns& planColumns, calc::Period per)
    : output_(output), delimited_(output.format == Format::Csv ? kCsv : kTsv),
      columns_(std::move(columns)), planColumns_(planColumns), per_(per) {}

void RowWriter::appendHeader(std::string& out) const {
    if (output_.format == Format::Json || !output_.header)
        return;
    for (const std::string& column : columns_) {
        delimited_.appendField(out, column);
        out += delimited_.separator;
    }
    for (std::size_t field = 0; field < planning::kPlanResults.size(); ++field) {
        if (planColumns_[field] && !AfterTheNine(field))
            out += std::string(planning::kPlanResults[field].field) + delimited_.separator;
    }
    AppendResultHeader(out, delimited_.separator, gross());
    for (std::size_t field = 0; field < planning::kPlanResults.size(); ++field) {
        if (planColumns_[field] && AfterTheNine(field))
            out += delimited_.separator + std::string(planning::kPlanResults[field].field);
    }
    out += delimited_.recordEnd;
}

void RowWriter::appendRow(std::string& out, const std::vector<std::string>& cells,
                          const calc::Captions* captions, const PlanResults* plan) const {
    if (output_.format != Format::Json)
        appendDelimitedRow(out, cells, captions, plan);
    else
        appendJsonRow(out, cells, captions, plan);
}

// A result's field: its caption, its number or, without a result, nothing.
void RowWriter::appendResultField(std::string& out, const std::string* caption) const {
    if (caption && output_.numbers)
        out += calc::CaptionNumber(*caption);
    else if (caption)
        delimited_.appendField(out, *caption);
}

void RowWriter::appendDelimitedRow(std::string& out, const std::vector<std::string>& cells,
                                   const calc::Captions* captions, const PlanResults* plan) const {
    for (const std::string& cell : cells) {
        delimited_.appendField(out, cell);
        out += delimited_.separator;
    }
    // A short row is filled up, so that the results stay under their headings.
    for (std::size_t i = cells.size(); i < columns_.size(); ++i)
        out += delimited_.separator;
    const auto planField = [&](std::size_t field) {
        appendResultField(out, plan && (*plan)[field] ? &*(*plan)[field] : nullptr);
    };
    for (std::size_t field = 0; field < planning::kPlanResults.size(); ++field) {
        if (!planColumns_[field] || AfterTheNine(field))
            continue;
        planField(field);
        out += delimited_.separator;
    }
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        if (field > 0)
            out += delimited_.separator;
        appendResultField(out, captions ? &(*captions)[field] : nullptr);
    }
    for (std::size_t field = 0; field < planning::kPlanResults.size(); ++field) {
        if (!planColumns_[field] || !AfterTheNine(field))
            continue;
        out += delimited_.separator;
        planField(field);
    }
    out += delimited_.recordEnd;
}

void RowWriter::appendJsonRow(std::string& out, const std::vector<std::string>& cells,
                              const calc::Captions* captions, const PlanResults* plan) const {
    out += '{';
    // A short row keeps its missing columns, empty, as CSV and TSV do.
    for (std::size_t i = 0; i < std::max(cells.size(), columns_.size()); ++i) {
        AppendJsonString(out, i < columns_.size() ? columns_[i] : extraName(i));
        out += ':';
        AppendJsonString(out, i < cells.size() ? cells[i] : std::string());
        out += ',';
    }
    const auto planField = [&](std::size_t field) {
        // A goal not reached within the months is an empty result: null, as a missing one.
        const std::optional<std::string>* caption = plan ? &(*plan)[field] : nullptr;
        if (caption && *caption && !(*caption)->empty()) {
            AppendJsonFigure(out, planning::kPlanResults[field].field, **caption);
        } else {
            AppendJsonString(out, planning::kPlanResults[field].field);
            out += ":null";
        }
    };
    for (std::size_t field = 0; field < planning::kPlanResults.size(); ++field) {
        if (!planColumns_[field] || AfterTheNine(field))
            continue;
        planField(field);
        out += ',';
    }
    AppendJsonResults(out, captions, gross());
    for (std::size_t field = 0; field < planning::kPlanResults.size(); ++field) {
        if (!planColumns_[field] || !AfterTheNine(field))
            continue;
        out += ',';
        planField(field);
    }
    out += "}\n";
}

std::string RowWriter::record(const calc::Captions& captions, const PlanResults* plan) const {
    std::string out;
    if (output_.format != Format::Text) {
        appendHeader(out);
        appendRow(out, {}, &captions, plan);
        return out;
    }
    const auto appendLine = [&](std::string_view heading, std::string_view caption) {
        ((out += heading) += '\t') += caption;
        out += '\n';
    };
    using planning::PlanResult;
    const auto shown = [&](PlanResult result) -> const std::optional<std::string>* {
        const auto field = static_cast<std::size_t>(result);
        return planColumns_[field] && plan && (*plan)[field] ? &(*plan)[field] : nullptr;
    };
    const auto appendResults = [&](bool afterTheNine) {
        for (const planning::PlanResultFacts& result : planning::kPlanResults) {
            const auto* text = shown(result.result);
            if (text && AfterTheNine(static_cast<std::size_t>(result.result)) == afterTheNine)
                appendLine(planning::ResultHeading(result.result, per_),
                           (*text)->empty() ? "not within the months" : **text);
        }
    };
    appendResults(false);
    // The captions are at the needed figures, or at today's without a goal: a caption that
    // says again what a line said is left out.
    const bool goal = shown(PlanResult::NeededImpressions) || shown(PlanResult::NeededEcpm) ||
                      shown(PlanResult::NeededCpc);
    const auto repeats = [&](calc::Caption caption) {
        switch (caption) {
        case calc::Caption::ActualImpressions:
            return shown(PlanResult::NeededImpressions) || shown(PlanResult::TodayImpressions);
        case calc::Caption::ProjectedClicks:
            return shown(PlanResult::NeededClicks) != nullptr;
        case calc::Caption::ECPM:
            return shown(PlanResult::NeededEcpm) || shown(PlanResult::EcpmFromCpc);
        default:
            return !goal && caption == calc::EarningsCaption(per_) &&
                   shown(PlanResult::TodayEarnings);
        }
    };
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        const auto caption = static_cast<calc::Caption>(field);
        if (repeats(caption))
            continue;
        const bool gross =
            this->gross() && ResultField(caption, true) != calc::kResults[field].field;
        std::string heading = calc::kResults[field].heading;
        if (gross) // "Gross daily"
            heading = "Gross " + std::string(1, static_cast<char>(std::tolower(heading[0]))) +
                      heading.substr(1);
        appendLine(heading, captions[field]);
    }
    appendResults(true);
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
