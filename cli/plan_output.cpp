// SPDX-License-Identifier: MIT
#include "cli/plan_output.h"

#include "calc/conversions.h"
#include "cli/csv_output.h"
#include "cli/json_output.h"
#include "cli/row_writer.h"
#include "cli/text_table.h"

namespace cli {
namespace {

// Every column as wide as its widest text, the figures right-aligned under their headings.
std::string TextMonths(const std::vector<planning::PlanMonth>& months) {
    std::string tsv;
    const auto appendRecord = [&](const auto& textOf) {
        for (std::size_t column = 0; column < planning::kMonthFields.size(); ++column)
            (tsv += column > 0 ? "\t" : "") += textOf(column);
        tsv += '\n';
    };
    appendRecord([](std::size_t column) { return planning::kMonthFields[column].heading; });
    for (const planning::PlanMonth& month : months)
        appendRecord([&](std::size_t column) { return month.shown[column]; });
    return AlignedTable(tsv, 0);
}

// The header unless left out, then a record a month.
std::string DelimitedMonths(const std::vector<planning::PlanMonth>& months, const Output& output,
                            const Delimited& delimited) {
    std::string out;
    const auto appendRecord = [&](const auto& textOf) {
        for (std::size_t column = 0; column < planning::kMonthFields.size(); ++column) {
            if (column > 0)
                out += delimited.separator;
            out += textOf(column);
        }
        out += delimited.recordEnd;
    };
    if (output.header)
        appendRecord([](std::size_t column) { return planning::kMonthFields[column].field; });
    for (const planning::PlanMonth& month : months) {
        appendRecord([&](std::size_t column) {
            std::string field;
            if (output.numbers)
                field = calc::CaptionNumber(month.shown[column]);
            else
                delimited.appendField(field, month.shown[column]);
            return field;
        });
    }
    return out;
}

std::string JsonMonths(const std::vector<planning::PlanMonth>& months) {
    std::string out;
    for (const planning::PlanMonth& month : months) {
        out += "{\"month\":" + month[planning::MonthColumn::Month];
        for (std::size_t column = 1; column < planning::kMonthFields.size(); ++column) {
            out += ',';
            AppendJsonFigure(out, planning::kMonthFields[column].field, month.shown[column]);
        }
        out += "}\n";
    }
    return out;
}

} // namespace

std::string RenderPlan(const planning::Plan& plan, const Output& output) {
    RowWriter::NeededColumns asked{};
    for (std::size_t field = 0; field < asked.size(); ++field)
        asked[field] = plan.needed[field].has_value();
    std::string out = RowWriter(output, {}, asked).record(plan.figures, &plan.needed);
    if (plan.months.empty())
        return out;
    switch (output.format) {
    case Format::Csv:
        return out + std::string(kCsv.recordEnd) + DelimitedMonths(plan.months, output, kCsv);
    case Format::Tsv:
        return out + std::string(kTsv.recordEnd) + DelimitedMonths(plan.months, output, kTsv);
    case Format::Json:
        return out + JsonMonths(plan.months);
    case Format::Text:
        break;
    }
    return out + '\n' + TextMonths(plan.months);
}

} // namespace cli
