// SPDX-License-Identifier: MIT
#include "cli/plan_output.h"

#include "calc/conversions.h"
#include "cli/csv_output.h"
#include "cli/json_output.h"
#include "cli/row_writer.h"
#include "cli/text_table.h"

namespace cli {
namespace {

using planning::MonthColumn;

// The month table's cells as every format lays them out: the columns for the goal's period,
// then whether the month reaches the goal, where there is one.
struct MonthTable {
    const planning::Plan& plan;
    std::vector<MonthColumn> columns = planning::MonthColumns(plan.monthShape);

    bool marksGoal() const { return plan.goal.has_value(); }
    std::size_t width() const { return columns.size() + (marksGoal() ? 1 : 0); }

    const char* field(std::size_t column) const {
        return column < columns.size() ? planning::MonthFieldName(columns[column], plan.monthShape)
                                       : "reaches_goal";
    }
    const char* heading(std::size_t column) const {
        return column < columns.size() ? planning::MonthHeading(columns[column], plan.monthShape)
                                       : "Reaches goal";
    }
    // The shown text, or "true" or "false" for reaching the goal.
    std::string cell(const planning::PlanMonth& month, std::size_t column) const {
        if (column == columns.size())
            return month.reachesGoal ? "true" : "false";
        return month[columns[column]];
    }
};

// Every column as wide as its widest text, the figures right-aligned under their headings;
// month 1 is today's and the goal's month says so.
std::string TextMonths(const MonthTable& table) {
    std::string tsv;
    const auto appendRecord = [&](const auto& textOf) {
        for (std::size_t column = 0; column < table.width(); ++column)
            (tsv += column > 0 ? "\t" : "") += textOf(column);
        tsv += '\n';
    };
    appendRecord([&](std::size_t column) { return std::string(table.heading(column)); });
    for (const planning::PlanMonth& month : table.plan.months) {
        appendRecord([&](std::size_t column) {
            if (column == table.columns.size())
                return std::string(month.reachesGoal ? "yes" : "no");
            std::string text = table.cell(month, column);
            if (column == 0 && month.month == 1)
                text += " (now)";
            return text;
        });
    }
    return AlignedTable(tsv, 0);
}

// The header unless left out, then a record a month.
std::string DelimitedMonths(const MonthTable& table, const Output& output,
                            const Delimited& delimited) {
    std::string out;
    const auto appendRecord = [&](const auto& textOf) {
        for (std::size_t column = 0; column < table.width(); ++column) {
            if (column > 0)
                out += delimited.separator;
            out += textOf(column);
        }
        out += delimited.recordEnd;
    };
    if (output.header)
        appendRecord([&](std::size_t column) { return std::string(table.field(column)); });
    for (const planning::PlanMonth& month : table.plan.months) {
        appendRecord([&](std::size_t column) {
            std::string field;
            if (output.numbers)
                field = calc::CaptionNumber(table.cell(month, column));
            else
                delimited.appendField(field, table.cell(month, column));
            return field;
        });
    }
    return out;
}

// The month objects of a JSON array, comma-separated.
std::string JsonMonths(const MonthTable& table) {
    std::string out;
    for (const planning::PlanMonth& month : table.plan.months) {
        out += out.empty() ? "{" : ",{";
        for (std::size_t column = 0; column < table.width(); ++column) {
            if (column > 0)
                out += ',';
            const std::string cell = table.cell(month, column);
            if (column == 0 || column == table.columns.size()) {
                AppendJsonString(out, table.field(column));
                (out += ':') += cell;
            } else if (cell.empty()) { // a page RPM without page views
                AppendJsonString(out, table.field(column));
                out += ":null";
            } else {
                AppendJsonFigure(out, table.field(column), cell);
            }
        }
        out += '}';
    }
    return out;
}

} // namespace

std::string RenderPlan(const planning::Plan& plan, const Output& output) {
    RowWriter::PlanColumns asked{};
    for (std::size_t field = 0; field < asked.size(); ++field)
        asked[field] = plan.results[field].has_value();
    const RowWriter writer(output, {}, asked, plan.per);
    const MonthTable months{plan};
    switch (output.format) {
    case Format::Csv:
    case Format::Tsv:
        // One table a file: the month table when there are months, else the plan's record.
        if (plan.months.empty())
            return writer.record(plan.figures, &plan.results);
        return DelimitedMonths(months, output, output.format == Format::Csv ? kCsv : kTsv);
    case Format::Json: {
        std::string record = writer.record(plan.figures, &plan.results);
        record.pop_back(); // its line's end: the document ends the line
        return "{\"plan\":" + record + ",\"months\":[" + JsonMonths(months) + "]}\n";
    }
    case Format::Text:
        break;
    }
    const std::string record = writer.record(plan.figures, &plan.results);
    return plan.months.empty() ? record : record + '\n' + TextMonths(months);
}

} // namespace cli
